// The run's sea state: the period grid and the sea and swell spectra of the data set, in one place.
// The analysis stages that need waves take them from here: the vessel response forms its grid and
// the spectra of every sea-state height, the slow drift and the free SALM build the run's sea state
// into WAVCOM (and the later stages read it there); the editor's wave report draws on the same
// routines.
//
// Every spectrum is formed from copies of the data set's members: a spectrum type that derives its
// height or peak period (Pierson-Moskowitz its period from the height, a user spectrum both from its
// ordinates) hands them back in the result, and the data set keeps what the user typed.
//
// The significant wave height under its names: TPCM SWHT(j) is what the user typed for sea state j;
// WAVCOM SWH, SWHSWL and SWHSWL2 are what the run's sea and swell spectra hold, 4 sqrt(m0) on the grid; the
// vessel statistics keep the moments of every height's spectrum in their own record of the response
// work area (seaStateRecord, hull/himem.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "waves/wave_spectrum.h"

namespace qv {

// What one wave system's spectrum stands for, as WVSPEC leaves it.
struct SeaSpectrum {
  float HS = 0.0f;   // significant height: the given one; for a user spectrum (types 7, 8) 4 sqrt(m0) [ft | m]
  float TP = 0.0f;   // peak period: the given one; from HS (type 1), the middle of a user spectrum's top [s]
  float WP = 0.0f;   // peak frequency 2 pi / TP [rad/s]
  float WKP = 0.0f;  // wave number of WP at the site depth [1/ft | 1/m]
};

// The run's period grid in WAVCOM from the regular-wave periods T(1..NWP) of the data set: TS, TL,
// NW, DT, DW (0), and per period the frequency W = 2 pi / T, its square W2 and the wave number WVK
// at the site depth. G must be set.
void fillWaveGrid();

// The spectrum of one wave system into PSD[0..NWP-1] (ITYPE, ISYS as for WVSPEC) from copies of the
// given height HS and peak period TP; `sink` as for WVSPEC.
SeaSpectrum waveSystemSpectrum(std::int32_t ITYPE, std::int32_t ISYS, float HS, float TP, float* PSD,
                               const WvspecSink* sink = nullptr);
// The wind sea's sea state j (1 .. 6) of the data set: type WAVTYP, height SWHT(j), period SIGPD(j).
SeaSpectrum windSeaSpectrum(int j, float* PSD, const WvspecSink* sink = nullptr);
// The swell (1: SWLTYP, SWELHT, SWELPD) or the second swell (2: SWLTYP2, SWELHT2, SWELPD2).
SeaSpectrum swellSpectrum(int swell, float* PSD, const WvspecSink* sink = nullptr);

// The second swell is analysed only beside the first: a data set of another program may hold
// LSWEL2 on with LSWELL off, and the vessel response, like the editor, then takes no swell at all.
bool secondSwellOn();

// The heading [deg] of the random waves that load a run of one wave direction, the one the reports
// name as the waves': the random sea's (SEAHDG(1), its principal direction, a swell beside it or
// not) where it acts; without it the swell's own (SWLHDG: a swell locked to the sea's heading is
// refused without the sea); none with neither, where each pass takes its own regular waves. The
// heading left on the page of a switched-off sea counts for nothing.
std::optional<float> randomWavesHeading();

// The peak period [s] of the run's swell (1) or second swell (2) as its spectrum in WAVCOM stands
// for it, 2 pi / WSWLPK (WSWLPK2): the period typed, or the one a Pierson-Moskowitz or user spectrum
// derives. 0 without that swell's spectrum.
float swellPeakPeriod(int swell = 1);

// 4 sqrt(m0) of a spectrum on the grid (SMPINT): the significant height it holds [ft | m].
float significantHeight(const float* PSD);

// The grid index nearest the period SWELPD of the swell (1), or SWELPD2 of the second swell (2):
// INT((SWELPD - T(1)) / (T(2) - T(1)) + 1.5), the longer period at a tie (WAVCOM NSWEL for the
// swell). 0 when the quotient is no number or lies far off any grid.
std::int32_t swellGridIndex(int swell = 1);

// The stop's lines (swellOffTheGridLines) for the first swell of the run, the swell and then the
// second swell, whose nearest grid period lies outside T(first) .. T(NWP); none when every swell
// that is on lies within.
std::vector<std::string> swellOffTheGrid(std::int32_t first);

// The run's sea state into WAVCOM, as the slow drift and the free SALM need it: the grid
// (fillWaveGrid), NSPEC, and, the arrays cleared first,
//   - with the random sea on (LRANDM): the spectrum WPSD of its first sea state, its height SWH
//     = 4 sqrt(m0), peak period TPK, peak frequency WPK and peak wave number WKPK;
//   - with the swell on (LSWELL): DELSWL (SWLWID), NSWEL (swellGridIndex), the spectrum SWLPSD, its
//     height SWHSWL = 4 sqrt(m0), peak frequency WSWLPK and peak wave number WKSWLPK;
//   - with the second swell on as well (secondSwellOn): from its own items in the same way, the
//     spectrum SWLPSD2, its height SWHSWL2, peak frequency WSWLPK2 and peak wave number WKSWLPK2.
// Returns what each spectrum stands for (zero for a system that is off). Callers that need a swell
// on the grid check swellGridIndex first: a default swell (type 0) off the grid stops in WVSPEC.
struct RunSeaState {
  SeaSpectrum sea;
  SeaSpectrum swell;
  SeaSpectrum swell2;
};
RunSeaState buildSeaState();

}  // namespace qv

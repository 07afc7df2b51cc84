// Sea spectra on the wave grid of WAVCOM: the spectral density of one wave system (wind sea, swell
// or second swell) for each spectrum type of the data set's table (kWaveSpectra), and the residual
// whose root gives the finite-depth wave number of the shallow-water type.
//
// Before a call the caller fills the grid of WAVCOM (G, TS, DT, NW, W, W2: see waves/wavcom.h);
// WVSPEC reads the data set TPCM for the grid size NWP, the site depth DEPTH, the shape parameters of
// the wave system, the Ochi-Hubble components, the user ordinates USRPSD and the dialogue unit
// EDUNIT. It writes the first NWP ordinates of the spectrum and nothing else in WAVCOM.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm_codes.h"  // the spectrum type codes (WaveSpectrum)

namespace qv {

// Wave systems (argument ISYS): they select the shape parameters of TPCM.
inline constexpr std::int32_t kWindSea = 0;      // WAVWID, JONPL, JONPG, JONGAM
inline constexpr std::int32_t kSwell = 1;        // SWLWID, JONPL_SWL, JONPG_SWL, JONGAM_SWL
inline constexpr std::int32_t kSecondSwell = 2;  // SWLWID2, JONPL_SWL2, JONPG_SWL2, JONGAM_SWL2

// Where WVSPEC leaves its results in the response work area. Only the vessel-response passes give
// one, pointing into HIMEM for the sea-state height in hand; every other caller passes none, and then
// nothing is written there (outside those passes the slot is not defined: its index, formed from
// zeroed words, would land before the array). A null member is skipped.
struct WvspecSink {
  float* peakPeriod = nullptr;   // the final TP [s], into RLDUM(LCNWV + 3 (IHT - 1) + 2) of the height in hand
  float* WCONST = nullptr;       // the work area's depth constant: sqrt(DEPTH / G) [s]
  std::int32_t* IW = nullptr;    // the work area's frequency index, which the grid loop leaves at NWP + 1
};

// The JONSWAP normaliser last found for each wave system, kept for the rest of the run: the general
// types are evaluated for every sea state and heading with the same few shapes, and the quadrature
// behind the normaliser costs ten times the spectrum itself. An entry serves only the exact shape
// parameters it was found for.
struct WvspecState {
  struct Normaliser {
    bool known = false;
    float sigmaBelow = 0.0f;  // JONSWAP peak width below the peak
    float sigmaAbove = 0.0f;  // and above it
    float gamma = 0.0f;       // peak-enhancement factor
    float value = 0.0f;       // one fifth of the variance ratio to the Pierson-Moskowitz spectrum
  };
  Normaliser normalisers[3];  // wind sea, swell, second swell
  void reset() { *this = WvspecState{}; }
};
extern WvspecState wvspecState;

// Spectral density of one wave system on the grid.
//  ITYPE  spectrum type code (WaveSpectrum; any other code: Pierson-Moskowitz with the given TP).
//  PSD    out: ordinates 1..NWP at PSD[0..NWP-1], ordinate i at period T(i) and frequency W(i)
//         [(length unit)^2 s]; the rest of the 100 is not touched.
//  HS     significant height [ft | m]; out for types 7 and 8 (4 sqrt(m0) of the table).
//  TP     peak period [s]; out for type 1 (from HS) and types 7 and 8 (the middle of the top).
//  WP     out: peak frequency 2 pi / TP [rad/s].
//  WKP    out: wave number of WP at the site depth [1/ft | 1/m].
//  ISYS   wave system (kWindSea, kSwell, kSecondSwell).
//  sink   the vessel-response passes' record of TP, WCONST and IW (above); nullptr elsewhere.
// Failures write their message on TPCM EDUNIT and stop the run (through the dialogue, so that a test
// or an unattended run answers them): a default-swell peak outside the grid, a user spectrum with no
// positive ordinate, an Ochi-Hubble component whose gamma function fails, the shallow-water root
// search when the user chooses to abort, and the errors of the user file (waves/user_spectrum.h).
void WVSPEC(std::int32_t ITYPE, float* PSD, float& HS, float& TP, float& WP, float& WKP, std::int32_t ISYS,
            const WvspecSink* sink = nullptr);

// The residual 1 - R tanh(R WH_TMA^2), whose root R is the ratio of the finite-depth wave number to
// the deep-water wave number omega^2 / g, for the nondimensional frequency
// WH_TMA = omega sqrt(depth / g); R WH_TMA^2 is then k times depth.
float RWHFUN(float R, float WH_TMA);

// The lines of a stop that finds the peak period [s] of wave system ISYS (a default swell spectrum
// of the sea, the swell, the second swell) off the wave period grid of TPCM, whose periods from
// number `first` on may take it: "     The swell peak period 16.00 s (page 16) is nearest to none of
// the wave periods 3.00 to 15.00 s of page 14."; "second swell peak period" for the second swell.
std::vector<std::string> swellOffTheGridLines(float period, std::int32_t first = 1, std::int32_t ISYS = kSwell);

}  // namespace qv

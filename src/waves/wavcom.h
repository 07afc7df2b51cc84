// WAVCOM: the wave grid that every frequency-domain stage shares, with the sea spectra and the
// sea-state scalars of the run in hand.
//
// The grid is uniform in wave PERIOD (TPCM T, NWP periods, at most 100), so the frequencies
// W(i) = 2 pi / T(i) DESCEND with the index: W(1) is the highest, W(NWP) the lowest. Every array
// below is indexed like the periods (entry i belongs to T(i) and W(i)); only the first NWP entries
// are in use. Spectra are one-sided, per rad/s, in (length unit)^2 s, so that the zeroth moment of a
// wave spectrum is Hs^2 / 16.
//
// Who fills what: the driver that runs (vessel-response pass 1, the statics) sets G; the grid (NW,
// DW, TS, TL, DT, W, W2, WVK) and the run's sea state (WPSD, SWLPSD and SWLPSD2 with their heights,
// peaks, NSPEC, NSWEL and DELSWL) come from the routines of waves/sea_state.h alone, which the vessel
// response, the slow drift, the free-SALM driver and the editor's wave report call; WVSPEC, SMPINT
// and GRPSPC only read the grid.
// The block is zero when the process starts and is never stored in a file, so its layout is this
// program's own (pinned in wavcom_layout.cpp all the same, like every block).
#pragma once

#include <algorithm>
#include <cstdint>

#include "dataset/tpcm.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kMaxWavePeriods = 100;  // capacity of the wave grid

struct Wavcom {
  float G;                                   // gravity: 32.152 when TPCM NUNTS = 0, else 9.8 [ft/s^2 | m/s^2]
  std::int32_t NW;                           // number of grid intervals, NWP - 1
  float DW;                                  // frequency step; 0 on the period grid [rad/s]
  float TS;                                  // shortest period T(1) [s]
  float TL;                                  // longest period T(NWP) [s]
  float DT;                                  // period step T(2) - T(1) [s]
  Arr<float, kMaxWavePeriods> W;             // grid frequencies 2 pi / T(i), descending [rad/s]
  Arr<float, kMaxWavePeriods> W2;            // their squares [rad^2/s^2]
  Arr<float, kMaxWavePeriods> WVK;           // wave number of each grid frequency at the site depth [1/ft | 1/m]
  Arr<float, kMaxWavePeriods> WPSD;          // spectrum of the wind sea [ft^2 s | m^2 s]
  Arr<float, kMaxWavePeriods> SWLPSD;        // spectrum of the swell [ft^2 s | m^2 s]
  Arr<float, kMaxWavePeriods> SWLPSD2;       // spectrum of the second swell [ft^2 s | m^2 s]
  float SWH;                                 // significant height of the wind sea, 4 sqrt(m0) of WPSD [ft | m]
  float TPK;                                 // peak period of the wind sea [s]
  float WPK;                                 // peak frequency of the wind sea [rad/s]
  float WKPK;                                // peak wave number of the wind sea [1/ft | 1/m]
  float WSWLPK;                              // peak frequency of the swell [rad/s]
  float WKSWLPK;                             // peak wave number of the swell [1/ft | 1/m]
  float WSWLPK2;                             // peak frequency of the second swell [rad/s]
  float WKSWLPK2;                            // peak wave number of the second swell [1/ft | 1/m]
  float SWHSWL;                              // significant height of the swell, 4 sqrt(m0) of SWLPSD [ft | m]
  float SWHSWL2;                             // the same of the second swell, of SWLPSD2 [ft | m]
  std::int32_t NSPEC;                        // spectrum type of the wind sea (a copy of TPCM WAVTYP)
  std::int32_t NSWEL;                        // grid index of the swell period, INT((SWELPD - TS)/DT + 1.5)
  float DELSWL;                              // relative width of the default swell (TPCM SWLWID)
  std::int32_t NRAO;                         // number of response headings
  std::int32_t IRAO;                         // index of the response heading in hand
  std::int32_t ISWELL;                       // index of the response heading that is the swell direction
  std::int32_t ISWEL2;                       // the same for the second swell
  std::int32_t LEXP;                         // directional spreading: 1 short-crested seas, 0 long-crested
  std::int32_t LWVCMP;                       // 0 after pass 1; 1 once the sea spectra of all heights exist
  float DA;                                  // step of the directional spreading [rad]
  float DADEG;                               // the same [deg]
  std::int32_t NA2;                          // half the number of spreading directions
  float ANGNRM;                              // normaliser of the spreading function
  float RHOWTR;                              // water mass density, 0.001 TPCM DWATR / G [kip s^2/ft^4 | tf s^2/m^4]
  float RHOAIR;                              // air density, set by the low-frequency report
  float TAVG;                                // representative period of the vessel response [s]
  float DURFAC;                              // storm-duration factor of the vessel response
  float XTRMWV;                              // design wave height [ft | m] or slope [deg]
  float GAUSFK;                              // Gaussian factor of the vessel response
  float BEAMQ;                               // vessel beam handed to the ship hull model [ft | m]
  float DRAFTQ;                              // vessel draft handed to the ship hull model [ft | m]
  float SHPLNQ;                              // vessel length handed to the ship hull model [ft | m]
  float BIGWVS;                              // value the ship hull model's force routine hands back to pass 1
  float BEAMCF;                              // beam wave-drift value of the slow-drift models
  float BOWCF;                               // bow wave-drift value of the slow-drift models

  // Zero again, as at the start of the process (tests; a new run in one process).
  void reset() { *this = Wavcom{}; }
};

inline constexpr int kWavcomWords = 641;  // 4-byte words of the block
static_assert(sizeof(Wavcom) == 4 * kWavcomWords, "WAVCOM is a run of 4-byte words without padding");

extern Wavcom WAVCOM;

// Points of the grid in use: TPCM NWP, held to 0..100 so that a damaged count never reaches past
// the arrays.
inline int wavePoints() { return std::clamp<int>(TPCM.NWP, 0, kMaxWavePeriods); }

}  // namespace qv

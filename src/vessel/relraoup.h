// The vessel's wave-frequency response at the heading the mooring analysis is trying: RELRAOUP makes
// sure the six complex response operators of each active wave system (1 wind sea, 2 swell, 3 second
// swell) belong to that heading, rerunning the hull model only when the heading or the draft change
// has moved, and RELRAO derives from them, per grid frequency, the relative-motion and drag operators
// of PASCOM that the drift, drag and damping models read; on request also the statistics of the
// vessel motions. SPCPROCES and PSDPEK are the statistics of one spectrum on the wave grid.
//
// Pass 1 (VESL1) must have run in the process: the operators are addressed through the layout of
// the work area that it fixes, and the grid frequencies and wave numbers are its.
#pragma once

#include <cstdint>
#include <string_view>

#include "hull/himem.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kWaveSystems = 3;  // 1 wind sea, 2 swell, 3 second swell

// What RELRAOUP keeps for the life of the process. One heading and draft change is kept for all
// three wave systems: the last rerun of any system sets them.
struct RelraoupState {
  std::int32_t FRSTIM = 1;          // 1 until every active system has been run once
  std::int32_t N_WAVE_SYSTEMS = 3;  // counts down the inactive systems met; decides when FRSTIM clears
  float LAST_VESANG = 0.0f;         // vessel heading of the last rerun, in [0, 2 pi) [rad]
  float LAST_DELTA_DRAFT = 0.0f;    // PASCOM DELTA_DRAFT at the last rerun [ft | m]
  Arr<Complex, kNarray, kDof, kWaveSystems> SAVED_RAOS;  // operators of the last rerun per system:
                                                         // surge, sway, heave [-], roll, pitch, yaw [rad]
  void reset() { *this = RelraoupState{}; }
};
extern RelraoupState RELRAOUP_STATE;

// Refreshes the operators and the PASCOM quantities of every active wave system for the vessel
// heading VESANG [rad]. MODE 1: the relative heading of each system is its heading less VESANG in
// degrees, written into HDGREL [deg] (the last active system's stays there); any other MODE uses the
// caller's HDGREL for every system. The hull model is rerun when IFORCE is not 0, on the first calls,
// or when the heading has moved by more than 0.02 rad or PASCOM DELTA_DRAFT by more than 0.2 since
// the last rerun; otherwise the system's operators come back from the cache. ISTAT not 0 adds the
// statistics (RELRAO). MODE 0 then copies the drag columns of the wind sea into the swell's (with a
// random sea) or the swell's into the wind sea's. TPCM VGLDIR is turned relative to the vessel
// while the hull model runs and is back as it was on every exit, a stop included.
void RELRAOUP(float& HDGREL, float VESANG, std::int32_t MODE, std::int32_t ISTAT, std::int32_t IFORCE);

// The PASCOM quantities of wave system IWAVID (1 to 3; anything else stops the run) from the
// operators in the work area, the heading RAOANG(IRAO) and the system's spectrum in WAVCOM. Under
// way (TPCM TVFWD along the course VGLDIR, turned relative to the vessel at VESANG) the rows met
// more slowly than the grid reaches take surge, sway and yaw at their weight
// (vessel/slow_encounter.h).
void RELRAO(float VESANG, std::int32_t ISTAT, std::int32_t IWAVID);

// The user operator file of the configuration: CREATR 13 "UBUOYRAO.txt" (ISPM 2) or "UTANKRAO.txt";
// CREATR 10 "UTUGSRAO.txt" (ISPM 2) or "UBARGRAO.txt"; any other "USERRAOS.txt".
void USRDATSEL(std::int32_t CREATR, std::int32_t ISPM, Text<13>& FNAME);

// Statistics of the spectrum PSD on the grid frequencies W (TPCM NWP points of each): RMS = sqrt(m0),
// RMSDOT = sqrt(m2), the half-power bandwidth BANDW [Hz] and the peak period TPEAK [s]. A spectrum
// without a half-power point on either side of its peak (or without a positive ordinate) gets
// BANDW 0 and the peak period of PSDPEK. A bandwidth that does not fit the variance is reported and
// the user may stop ("q") or go on; an unattended run goes on.
void SPCPROCES(const float* PSD, const float* W, float& RMS, float& RMSDOT, float& BANDW, float& TPEAK);

// The largest |PSD| of the grid, PEAK, the first and last grid index where it occurs, and the period
// of the middle of that flat top, TPEAK [s]. With IFLAG not 0 also the half-power indices: IUP the
// first index from IFIRST upward, ILOW the first mirrored index 2 IFIRST - I (at least 1) below
// PEAK / 2; 0 where none is found. A spectrum with no positive ordinate gives PEAK 0, TPEAK 0 and
// every index 0.
void PSDPEK(const float* PSD, const float* W, float& PEAK, float& TPEAK, std::int32_t& IFIRST, std::int32_t& ILAST,
            std::int32_t IFLAG, std::int32_t& IUP, std::int32_t& ILOW);

}  // namespace qv

// Response spectra and sea-state statistics of the vessel response: for the response heading in
// hand (WAVCOM IRAO), the zeroth and second moments of the response in every sea state of the run,
// accumulated with the directional-spreading weights into the statistics table of HIMEM.
//
// The table: for quantity q, sea-state height j and sea heading h the pair (M0, M2) at
// statisticsPair(LOCSIG, q, j, h) of RLDUM (hull/himem.h). The caller chooses the block and the
// quantities before each call and clears the block once; the table only grows.
//   LFRFLG 1  the six exciting forces and moments (LOCSIG = LCNFTQ), operator columns LCNSG ...
//   LFRFLG 0  the six vessel motions (LOCSIG = LCNMOT); a motion whose TPCM MOTION flag is 0 is skipped
//   LFRFLG 2, 3, 4  point accelerations, velocities, displacements (LOCSIG = LCNACC, LCNVEL, LCNDSP):
//             NCOL x 3 squared transfer functions in RLDUM columns from LBASEX, table index
//             q + 6 (IREP - 1)
#pragma once

#include <cstdint>

namespace qv {

// Adds the contributions of the response heading IRAO: the swells at the headings that are swell
// directions, and the wind sea of every height at the sea headings whose mean direction or (with
// spreading) spreading directions fall on IRAO, weighted by the normalised cosine power. The sea
// spectra of all heights are formed on the first call after pass 1 (WAVCOM LWVCMP 0) and reused.
// Every spectrum is formed by waves/sea_state.h into the work area (seaSpectrumColumn, with the
// moments and peak period of each height in its seaStateRecord); the run's sea state in WAVCOM is
// not touched.
void STAT1();

// The weight of spreading direction `dir` of a sea heading's fan (1 .. NA + 1, across the sector
// ANGSEC from one edge to the other): spreadingTerm(dir) times ANGNRM, which pass 1 sets to the
// inverse of the terms' sum, so that the weights of a fan sum to 1 on every grid. The vessel
// statistics and the SALM member loads share it.
float spreadingWeight(int dir);
// The weight before normalisation: the Simpson weight of the point times the cosine power of its
// offset from the centre (offset NA2 gets none); 0 outside the fan. TPCM NA, ANGSEC, COSEXP and
// WAVCOM NA2, DA as pass 1 sets them.
float spreadingTerm(int dir);

// Response moments of the operator column that starts at CXDUM(KCOL) in the wave spectrum at
// RLDUM(IP): M0 into RLDUM(LOC), M2 into RLDUM(LOC + 1). With TPCM LCGFLG 1 the operator is referred
// to the centre of gravity; forces and moments other than heave are turned from per unit wave slope
// into per unit amplitude. Each row's operator goes with the energy of its own wave, over wave
// frequency, at any speed: M0 = integral of S |X|^2 dw. M2 takes the frequency at which the vessel
// meets each wave: w^2 at rest, the encounter frequency squared under way (TPCM TVFWD), so that
// sqrt(M2) is the rate of the response on board and 2 pi sqrt(M0 / M2) its zero-upcrossing period.
// Under way the motions take surge, sway and yaw at the weight of the rows met more slowly than the
// grid reaches (vessel/slow_encounter.h; the first such statistic of the run warns); the exciting
// forces stay whole.
void STATCM(std::int32_t KCOL, std::int32_t IP, std::int32_t LOC);

// The same for a real squared transfer function F(1..NWP) (F[0..NWP-1]), row i the response to the
// wave of grid frequency W(i).
void STATCP(const float* F, std::int32_t IP, std::int32_t LOC);

// The grid's moment rule (SMPINT) with the squared frequencies of the work area (RLDUM from LCNW2):
// M0 of F into RLDUM(LOC), M2 into RLDUM(LOC + 1).
void SMPIN2(const float* F, std::int32_t LOC);

}  // namespace qv

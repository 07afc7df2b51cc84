// The static line solver: for the current line type at a given horizontal tension it finds the
// fairlead slope at which the line, hung from the fairlead through its elements to its lower end,
// spans exactly the required height, and keeps the first buoyant element from rising above the
// water level when the data set asks for it (TPCM.moor.WLFLAG).
//
// Before a solve the caller sets in LINCOM: ITYP, DPHLD (H), DELTAZ, SCLWT (SCLWLD at H) and BETA
// (BETALD at H); DSLOPE, WTRLEV and, for the pull-down correction (TPCM.moor.PULLDN), MIDLYR and
// the line table TOPTEN. The line data come from TPCM.moor: NELEM, SLEN, DRYWT, ANCTYP, WLFLAG,
// PULLDN, NLINE; and from TPCM: TAWP, DWATR, NBUG, EDUNIT.
//
// A solve leaves the line in LINCOM: TMPTAN and SECARR at nodes 1..N+1 (node 1 the fairlead),
// BOTLN (stretched grounded length), and from the water-level search KELEM and the adjusted
// SCLWT(KELEM). With NBUG = 1 the solver writes trace lines on EDUNIT.
//
// Failures stop the run: the message on EDUNIT, a wait for one console line (none on unit 41),
// then qv::Stop with status 1.
#pragma once

#include <cstdint>

namespace qv {

// LOCITR: the bracket of fairlead slopes that the water-level search hands from one inner solve to
// the next, narrowed by each success so that successive solves start near the last one.
struct Locitr {
  float TOPT1C;  // lower fairlead slope of the current bracket
  float TOPT2C;  // upper fairlead slope of the current bracket

  void reset();  // zero, as at program start; for tests
};
extern Locitr LOCITR;

// Solves the current line type from the fairlead-slope bracket TLO..THI (either may miss the root:
// the bracket is widened). Without the water-level search, and when the search falls back to the
// element's dry weight, the bracket comes back as (root / 4, root); when the search settles the
// line, the caller's bracket is unchanged and only LOCITR was narrowed.
void ITER8P(float& TLO, float& THI);

// Solves for the fairlead slope by RTMI1 on HTERR from THI towards TLO; on success THI = the slope
// and TLO = THI / 4, and the line state in LINCOM is that of the slope found. A bracket without a
// sign change is widened on both sides by a step of max(|THI| / 2, |THI - TLO|, 0.1), doubled each
// time; after 60 widenings without a sign change, or when the root finder does not converge, the
// run stops with " ++> Iteration overflow in ITER8P:ITER8; line type" and the line type.
void ITER8(float& TLO, float& THI, std::int32_t lineType, std::int32_t debug, std::int32_t unit);

// Height error of the line hung from fairlead slope X: the vertical span less the required height
// (DELTAZ, less the buoy's sinkage under the change of vertical fairlead load with PULLDN). Sets
// TMPTAN, SECARR and BOTLN; a grounded node's slope is clamped to DSLOPE.
float HTERR(float X);

// Water-level error of element KELEM at scaled weight Q: solves the line with SCLWT(KELEM) = Q
// from the LOCITR bracket and returns the depth of the element's midpoint below the water level
// (negative when it floats above).
float WLERR(float Q);

}  // namespace qv

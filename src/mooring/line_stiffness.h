// The stiffness of one mooring line at its mean state, for the dynamic line model (dynamic_line.h):
// the elastic (axial) stiffness of the elements acting in series with the axial wave number of each
// element at the frequency in hand (KELAST), and the static stiffness of the line from the tension
// derivatives of the line driver with the catenary (geometric) stiffness that, in series with the
// elastic one, reproduces it (KCATN).
//
// 4-byte floats throughout; units are those of the data set: [ft | m], [kip | t], frequencies in
// rad/s.
#pragma once

#include <cstdint>

#include "numlib/algebra.h"
#include "util/farray.h"

namespace qv {

// The warnings of KELAST, once per line type and run.
struct KelastState {
  Arr<std::int32_t, 150> EAWARN;  // per line type: 1 once a negative strain slope has been reported
  Arr<std::int32_t, 150> WTWARN;  // per line type: 1 once a negative element weight has been reported
  std::int32_t FIRSTM = 0;        // 1 after the first call of the run, which clears both lists

  void reset();  // as at the start of a run; for tests
};
extern KelastState KELAST_STATE;

// Elastic stiffness KELAS = 1 / sum over the elements j of SLEN(j) e'(j) of line type ITYP, e'(j)
// = EAINV at tension T (the caller passes the static fairlead tension TPTEN0), the compliance 1/EA of
// the element; 1.0e28 (an inextensible line) when the sum is not positive. WAVEK(j) = OMEGA
// sqrt(e'(j) w(j) / G) is the axial wave number of element j, w(j) the weight per unit length that
// the axial motion carries: DRYWT when given (above 0), otherwise the weight in water plus the
// added-mass weight 0.00078539824 DIAM^2 DWATR COFMST (DIAM in inches over 144, or in millimetres
// times 1.0e-6). Data: TPCM.moor NELEM, SLEN, ALPHA, DIAM, WETWT, DRYWT, COFMST of the type, TPCM
// DWATR, NUNTS, EDUNIT, WAVCOM G; TPCM.moor COFMAS is left holding the last element's COFMST.
// A negative strain slope is taken as 0 and a negative weight as 0 after a warning and the abort
// question (answer in TPCM LBACK; "A" stops the run); each type is warned about in one call only.
void KELAST(float& KELAS, std::int32_t ITYP, float* WAVEK, float OMEGA, float T);

// Static stiffness KSTAT = |gF CAFLD + gB CABOT| / |CAFLD - CABOT| (gF when the two end motions are
// equal), gF and gB the changes of the fairlead and of the lower-end tension per unit displacement
// along the line; catenary stiffness KCTAN = 1 / (1/KSTAT - 1/KELAS), or 1.0e5 KELAS when the static
// stiffness is not below the elastic one.
void KCATN(float& KCTAN, float KELAS, float& KSTAT, Complex CAFLD, Complex CABOT, float gF, float gB);

}  // namespace qv

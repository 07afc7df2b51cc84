// Wind and current force coefficients of the moored vessel at a relative heading: surge force CX
// (component 1), sway force CY (2) and yaw moment CMZ (3), each chosen separately by the 4-bit model
// code of its component in the option word (LWBARG for wind, LCBARG for current; the codes of
// WindModel and CurrentModel in dataset/force_model.h):
//
//   code  wind (WINDCF)                      current (CRNTCF)
//   1     table typed into LOWCOF            table typed into LOWCOF
//   2     user file (USRWND)                 user file (USRCRN)
//   3     barge from projected areas         barge from projected areas
//   4     built-in tanker series             NSMB 1991 tanker series
//   5     cylindrical vessel                 extreme cylindrical bow 1991
//   6     -                                  OCIMF 1977 tanker series
//   7     -                                  cylindrical vessel
//   15    -                                  NSMB 1991 with the mean 40 percent load surge curve
//
// The relative heading a [rad] is the direction from which the flow arrives, in vessel axes, 0 from
// ahead and pi/2 from the side of positive y; a positive coefficient is a force along the positive
// axis. The series, barge and cylinder models read the sines and cosines of SINES, so TRIGLD(a)
// must have been called with the same angle; the table and file models use a itself.
//
// A code that selects no model gives 0, with a warning once per run. The OCIMF and NSMB current series
// are evaluated wherever every row their blend weighs is held (builtin_coefficient_sets.h); a case that
// needs another row stops the run, naming the set it would need.
#pragma once

#include <cstdint>

#include "lowfreq/builtin_coefficient_sets.h"

namespace qv {

// Fills S1..S10 and C1..C10 of SINES for the angle a [rad] by angle-addition recurrences, each
// value stored in single precision before the next step uses it.
void TRIGLD(float a);

// Sets the dynamic-pressure factors WNDCOF and CURCOF of SINES from the data set: (load factor) x
// (mass density) x k x (speed [kn])^2, k = 1/2 (knots to ft/s or m/s)^2 / 1000, so that the factor
// times a coefficient and an area is a force [kips | t]. The current speed is the root mean square
// over the draft of the run's profile (CURPROF, built before), the air density and gravity those of
// WAVCOM. A flow that is not present (LWIND or LCURNT other than 1) leaves its factor 0.
void COFLD();

// The wind coefficient of `component` (1 CX, 2 CY, 3 CMZ). LOADED the freeboard-based load [%],
// BOWWND the bow factor (0 conventional, 1 cylindrical), SIZE the family factor (0 small tanker, 1
// OCIMF 1977), TXWNDA and TYWNDA the frontal and lateral areas [ft^2 | m^2], XWARM and YWARM the
// moment arms [ft | m], LWL the waterline length [ft | m]; BWL is not used. `unit` the screen unit,
// ISPM and CREATR choose the user file's name.
float WINDCF(int component, std::int32_t LWBARG, float LOADED, float BOWWND, float SIZE, float a, float TXWNDA,
             float TYWNDA, float XWARM, float YWARM, float LWL, float BWL, std::int32_t unit, std::int32_t ISPM,
             std::int32_t CREATR);
// The current coefficient: DFTPCT the draft-based load [%], BOWCUR the bow factor, HOVERD the depth
// over draft, the areas and arms of the current; the surge series are scaled by LWL / BWL.
float CRNTCF(int component, std::int32_t LCBARG, float DFTPCT, float BOWCUR, float HOVERD, float a, float TXCURA,
             float TYCURA, float XCARM, float YCARM, float LWL, float BWL, std::int32_t unit, std::int32_t ISPM,
             std::int32_t CREATR);

// A(1) + sum A(k+1) cos(k a) and sum B(k) sin(k a), k = 1..10, at the angle of the last TRIGLD.
float CCOF(const CoefRow& A);
float SCOF(const CoefRow& B);
// f(TA) + (X - X0) / (X1 - X0) (f(TB) - f(TA)), f the series of `component` of a set (CCOF of row 1
// for component 1, SCOF of row `component` otherwise); f(TA) when X1 = X0. No clamping.
float INTRPA(float X, float X0, float X1, const CoefSet& TA, const CoefSet& TB, int component);
// Y0 + (X - X0) / (X1 - X0) (Y1 - Y0); Y0 when X1 = X0. No clamping.
float INTRPB(float X, float X0, float X1, float Y0, float Y1);
// Projected area at the angle a of a body with frontal area AX and lateral area AY.
float APERP(float AX, float AY, float a);
// A + (B - A) sin^2 a.
float ELIPS_PROJ(float A, float B, float a);

// The built-in current series of code 4, 5, 6 or 15 evaluated over `sets` (CRNTCF passes the
// built-in table, once it has found every row the case weighs held).
float currentSeries(int code, int component, float DFTPCT, float BOWCUR, float HOVERD, float LWL, float BWL,
                    const BuiltinCurrentSets& sets);

// The once-per-run warnings of codes that select no model.
struct ForceCoefficientState {
  bool windNoModelWarned = false;
  bool currentNoModelWarned = false;
  void reset();
};
extern ForceCoefficientState forceCoefficientState;

}  // namespace qv

#include "lowfreq/force_coefficients.h"

#include <cassert>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "lowfreq/current_profile.h"
#include "lowfreq/sines.h"
#include "lowfreq/user_coefficients.h"
#include "lowfreq/user_file.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "waves/wavcom.h"

namespace qv {

constinit ForceCoefficientState forceCoefficientState{};
const BlockReset resetForceCoefficientState{[] { forceCoefficientState.reset(); }};

void ForceCoefficientState::reset() { *this = ForceCoefficientState{}; }

namespace {

constexpr int kMaxLowdatRows = 21;

float rounded(double v) { return static_cast<float>(v); }

// The series of one set for a component: the surge row by CCOF, the others by SCOF.
float seriesOf(const CoefSet& set, int component) {
  return component == 1 ? CCOF(set[0]) : SCOF(set[component - 1]);
}

// The barge model: the plain cosine and sine scaled by the area projected across the flow.
float bargeCoefficient(int component, float a, float AX, float AY, float XARM, float YARM, float LWL) {
  const Sines& s = SINES;
  const float P = APERP(AX, AY, a);
  switch (component) {
    case 1:
      return AX == 0.0f ? -s.C1 : rounded(-static_cast<double>(s.C1) * P / AX);
    case 2:
      return AY == 0.0f ? -s.S1 : rounded(-static_cast<double>(s.S1) * P / AY);
    default: {
      const double arm = static_cast<double>(XARM) * s.C1 - static_cast<double>(YARM) * s.S1;
      return AY == 0.0f ? rounded(arm / LWL) : rounded(arm * P / (static_cast<double>(AY) * LWL));
    }
  }
}

// A cylindrical vessel: drag along the flow, the moment from the arms.
float cylinderCoefficient(int component, float XARM, float YARM, float LWL) {
  const Sines& s = SINES;
  switch (component) {
    case 1:
      return -s.C1;
    case 2:
      return -s.S1;
    default:
      return rounded((static_cast<double>(XARM) * s.C1 - static_cast<double>(YARM) * s.S1) / LWL);
  }
}

// The table typed into LOWCOF: bow-on angles 0 to 180 degrees; the port side mirrors the starboard
// side, so CY and CMZ change sign with the angle and CX does not. A table that cannot be
// interpolated is refused as a user file's would be.
float lowdatCoefficient(int component, float a, const Arr<float, kMaxLowdatRows>& angles,
                        const Arr<float, kMaxLowdatRows, 3>& coefficients, std::int32_t count, std::string_view routine,
                        std::int32_t unit) {
  const std::string header = " ++>  User-supplied force coefficient array in LOWDAT";
  if (count < 2 || count > kMaxLowdatRows) {
    stopUserTableRefused(routine, unit, kKeyboardUnit,
                         {"", header, dimensionLine("dimension", fmtI(count, 3), " out of range; allowable"),
                          dimensionLine("dimension", fmtI(kMaxLowdatRows, 3)), ""});
  }
  const StrictOrder order("attack angle", "attack angles");
  if (std::vector<std::string> refusal = unorderedColumnLines(angles.data(), count, order); !refusal.empty()) {
    refusal.insert(refusal.begin(), {"", header});
    refusal.push_back("");
    stopUserTableRefused(routine, unit, kKeyboardUnit, refusal);
  }
  const float d = ANGSYM(a) * kDegreesPerRadian;
  const float at = std::fabs(d);
  int range = 0;
  int i = 1;
  BSRCH(angles.data(), at, range, i, count);
  float value = 0.0f;
  INTERP(angles.data(), &coefficients(1, component), at, value, i);
  if (component != 1 && d < 0.0f) value = -value;
  return value;
}

void warnNoModel(bool& warned, std::string_view flow, int code, int component, std::int32_t unit) {
  if (warned) return;
  warned = true;
  writeRecord(unit, "");
  for (const std::string& line : flowingLines(" ++> Warning: ", std::string(flow) + " force model code " + fmtI(code, 0) +
                                                                    " of component " + fmtI(component, 0) +
                                                                    " selects no model;"))
    writeRecord(unit, line);
  writeRecord(unit, "     " + std::string(flow) + " coefficients of such codes are taken as 0.");
}

}  // namespace

void TRIGLD(float a) {
  Sines& s = SINES;
  // Each product is formed in double and rounded on store, as the recurrences were written.
  const auto twice = [](float x, float y) { return rounded(2.0 * x * y); };
  const auto diffSq = [](float x, float y) { return rounded(static_cast<double>(x) * x - static_cast<double>(y) * y); };
  const auto sumProd = [](float a1, float b1, float a2, float b2) {
    return rounded(static_cast<double>(a1) * b1 + static_cast<double>(a2) * b2);
  };
  const auto diffProd = [](float a1, float b1, float a2, float b2) {
    return rounded(static_cast<double>(a1) * b1 - static_cast<double>(a2) * b2);
  };
  s.S1 = rounded(std::sin(static_cast<double>(a)));
  s.C1 = rounded(std::cos(static_cast<double>(a)));
  s.S2 = twice(s.S1, s.C1);
  s.C2 = diffSq(s.C1, s.S1);
  s.S3 = sumProd(s.C1, s.S2, s.S1, s.C2);
  s.C3 = diffProd(s.C1, s.C2, s.S1, s.S2);
  s.S4 = twice(s.S2, s.C2);
  s.C4 = diffSq(s.C2, s.S2);
  s.S5 = sumProd(s.C1, s.S4, s.S1, s.C4);
  s.C5 = diffProd(s.C1, s.C4, s.S1, s.S4);
  s.S6 = twice(s.S3, s.C3);
  s.C6 = diffSq(s.C3, s.S3);
  s.S7 = sumProd(s.S4, s.C3, s.C4, s.S3);
  s.C7 = diffProd(s.C4, s.C3, s.S4, s.S3);
  s.S8 = twice(s.S4, s.C4);
  s.C8 = diffSq(s.C4, s.S4);
  s.S9 = sumProd(s.C4, s.S5, s.S4, s.C5);
  s.C9 = diffProd(s.C4, s.C5, s.S4, s.S5);
  s.S10 = twice(s.S5, s.C5);
  s.C10 = diffSq(s.C5, s.S5);
}

void COFLD() {
  const Tpcm& t = TPCM;
  Sines& s = SINES;
  // Half the square of one knot in ft/s (1.687) or m/s (0.5142), over 1000 for kips or tonnes.
  const double k = t.NUNTS == kMetricUnits ? 0.00013213f : 0.0014224f;
  s.WNDCOF = 0.0f;
  s.CURCOF = 0.0f;
  if (t.LWIND == 1) {
    s.WNDCOF = rounded(static_cast<double>(t.TWNDCF) * WAVCOM.RHOAIR * k * t.WNDSPD * t.WNDSPD);
  }
  if (t.LCURNT == 1) {
    assert(WAVCOM.G > 0.0f && "gravity is set before the low-frequency loads");
    const double u = vesselCurrentSpeed();
    s.CURCOF = rounded(static_cast<double>(t.DWATR) / WAVCOM.G * t.CURFAC * k * u * u);
  }
}

float CCOF(const CoefRow& A) {
  double sum = A[0];
  for (int k = 1; k <= 10; ++k) sum += static_cast<double>(A[k]) * SINES.COSKA(k);
  return rounded(sum);
}

float SCOF(const CoefRow& B) {
  double sum = 0.0;
  for (int k = 1; k <= 10; ++k) sum += static_cast<double>(B[k - 1]) * SINES.SINKA(k);
  return rounded(sum);
}

float INTRPA(float X, float X0, float X1, const CoefSet& TA, const CoefSet& TB, int component) {
  const float fa = seriesOf(TA, component);
  if (X1 - X0 == 0.0f) return fa;
  const float fb = seriesOf(TB, component);
  return rounded(fa + (static_cast<double>(X) - X0) / (static_cast<double>(X1) - X0) * (static_cast<double>(fb) - fa));
}

float INTRPB(float X, float X0, float X1, float Y0, float Y1) {
  if (X1 - X0 == 0.0f) return Y0;
  return rounded(Y0 + (static_cast<double>(X) - X0) / (static_cast<double>(X1) - X0) * (static_cast<double>(Y1) - Y0));
}

float APERP(float AX, float AY, float a) {
  float t = std::fabs(std::fmod(a, kPi));
  if (t > kHalfPi) t = kPi - t;
  if (AY != 0.0f) t = rounded(t + std::atan(static_cast<double>(AX) / AY));
  return rounded(std::sqrt(static_cast<double>(AX) * AX + static_cast<double>(AY) * AY) * std::sin(static_cast<double>(t)));
}

float ELIPS_PROJ(float A, float B, float a) {
  const double s = std::sin(static_cast<double>(a));
  return rounded(A + (static_cast<double>(B) - A) * s * s);
}

float currentSeries(int code, int component, float DFTPCT, float BOWCUR, float HOVERD, float LWL, float BWL,
                    const BuiltinCurrentSets& sets) {
  const double aspect = static_cast<double>(LWL) / BWL;
  if (code == kCurrentExtremeBow) {
    return component == 1 ? rounded(aspect * CCOF(sets.extremeBow91[0])) : SCOF(sets.extremeBow91[component - 1]);
  }
  const auto series = [&](const CurrentSetRef& r) -> float {
    using F = CurrentSetFamily;
    switch (r.family) {
      case F::kOcimf77: return seriesOf(sets.ocimf77[r.node][r.bow], component);
      case F::kNsmb91: return seriesOf(sets.nsmb91[r.node][r.load][r.bow], component);
      case F::kNsmb91Deep100: return seriesOf(sets.nsmb91Deep100[r.bow], component);
      case F::kNsmb91Deep40: return seriesOf(sets.nsmb91Deep40, component);
      case F::kNsmbMeanCurve: return CCOF(sets.nsmbMeanCx);
    }
    return 0.0f;
  };
  const float value = blendBuiltinCurrentSets(code, component, DFTPCT, BOWCUR, HOVERD, series, INTRPB);
  return component == 1 ? rounded(static_cast<double>(value) * LWL / BWL) : value;
}

float WINDCF(int component, std::int32_t LWBARG, float LOADED, float BOWWND, float SIZE, float a, float TXWNDA,
             float TYWNDA, float XWARM, float YWARM, float LWL, float /*BWL*/, std::int32_t unit, std::int32_t ISPM,
             std::int32_t CREATR) {
  const int code = NIBVAL(LWBARG, component, unit);
  switch (code) {
    case kWindOcimfTanker: {
      const BuiltinWindSets& w = kBuiltinWindSets;
      float smallFamily = 0.0f;
      float ocimfFamily = 0.0f;
      if (SIZE != 1.0f) {
        smallFamily = INTRPB(LOADED, 32.0f, 100.0f, seriesOf(w.smallTanker[0], component),
                             seriesOf(w.smallTanker[1], component));
      }
      if (SIZE != 0.0f) {
        const float y32 = INTRPA(BOWWND, 0.0f, 1.0f, w.ocimf77[0][0], w.ocimf77[0][1], component);
        const float y100 = INTRPA(BOWWND, 0.0f, 1.0f, w.ocimf77[1][0], w.ocimf77[1][1], component);
        ocimfFamily = INTRPB(LOADED, 32.0f, 100.0f, y32, y100);
      }
      return INTRPB(SIZE, 0.0f, 1.0f, smallFamily, ocimfFamily);
    }
    case kWindBarge:
      return bargeCoefficient(component, a, TXWNDA, TYWNDA, XWARM, YWARM, LWL);
    case kWindLowdatTable:
      return lowdatCoefficient(component, a, LOWCOF.UWNANG, LOWCOF.UWNCFS, LOWCOF.NUWNPT, "WINDCF", unit);
    case kWindUserFile:
      return USRWND(component, a, unit, kKeyboardUnit, windCoefficientFile(CREATR, ISPM));
    case kWindCylinder:
      return cylinderCoefficient(component, XWARM, YWARM, LWL);
    default:
      warnNoModel(forceCoefficientState.windNoModelWarned, "Wind", code, component, unit);
      return 0.0f;
  }
}

float CRNTCF(int component, std::int32_t LCBARG, float DFTPCT, float BOWCUR, float HOVERD, float a, float TXCURA,
             float TYCURA, float XCARM, float YCARM, float LWL, float BWL, std::int32_t unit, std::int32_t ISPM,
             std::int32_t CREATR) {
  const int code = NIBVAL(LCBARG, component, unit);
  switch (code) {
    case kCurrentExtremeBow:  // its one set is known whole
      return currentSeries(code, component, DFTPCT, BOWCUR, HOVERD, LWL, BWL, kBuiltinCurrentSets);
    case kCurrentOcimfTanker:
    case kCurrentNsmbTanker:
    case kCurrentNsmbMeanCurve:
      if (std::optional<CurrentSetRef> missing = missingCurrentSet(code, component, DFTPCT, BOWCUR, HOVERD)) {
        // Coefficients from rows that are not on hand would look like results: the run stops instead
        // (the checks before the first stage find such a case; this guards any other caller).
        std::optional<CurrentSetRef> byComponent[3];
        byComponent[component - 1] = missing;
        std::vector<std::string> lines{"", " ++> Built-in current coefficients of model " + fmtI(code, 0) +
                                               " are not available"};
        for (std::string& line : missingCurrentSetLines(code, DFTPCT, BOWCUR, HOVERD, byComponent))
          lines.push_back(std::move(line));
        fatalStop("CRNTCF", unit, lines, FatalWait::kPressReturn, kKeyboardUnit);
      }
      return currentSeries(code, component, DFTPCT, BOWCUR, HOVERD, LWL, BWL, kBuiltinCurrentSets);
    case kCurrentBarge:
      return bargeCoefficient(component, a, TXCURA, TYCURA, XCARM, YCARM, LWL);
    case kCurrentLowdatTable:
      return lowdatCoefficient(component, a, LOWCOF.UCRANG, LOWCOF.UCRCFS, LOWCOF.NUCRPT, "CRNTCF", unit);
    case kCurrentUserFile:
      return USRCRN(component, a, unit, kKeyboardUnit, currentCoefficientFile(CREATR, ISPM));
    case kCurrentCylinder:
      return cylinderCoefficient(component, XCARM, YCARM, LWL);
    default:
      warnNoModel(forceCoefficientState.currentNoModelWarned, "Current", code, component, unit);
      return 0.0f;
  }
}

}  // namespace qv

#include "mooring/line_stiffness.h"

#include <cmath>
#include <complex>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "mooring/catenary_element.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

constinit KelastState KELAST_STATE{};
const BlockReset resetKelastState{[] { KELAST_STATE.reset(); }};

void KelastState::reset() {
  EAWARN.fill(0);
  WTWARN.fill(0);
  FIRSTM = 0;
}

namespace {

constexpr float kInextensible = 1.0e28f;
constexpr float kCatenaryOverElastic = 1.0e5f;  // KCTAN of a line whose static stiffness is not below KELAS
constexpr float kAreaTimesKilo = 0.00078539824f;  // pi/4 times 0.001: weight density to force per length
constexpr float kSquareInchesPerSquareFoot = 144.0f;
constexpr float kSquareMetresPerSquareMillimetre = 1.0e-6f;

// A negative strain slope or weight of one element: the warning, then the abort question.
void warnElement(std::string_view what, std::string_view replacement, std::string_view meaning,
                 std::int32_t type, int element) {
  Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  writeRecord(unit, "");
  writeRecord(unit, std::string(" ++> Warning: A negative ") + std::string(what) + " was encountered");
  writeRecord(unit, "              in line (type,element) = (" + fmtI(type, 2) + "," + fmtI(element, 2) + ").");
  writeRecord(unit, std::string("              The ") + std::string(replacement));
  writeRecord(unit, std::string("              (") + std::string(meaning) + ") if you choose to continue");
  writeRecord(unit, "");
  t.LBACK = 0;
  ABORT0(unit, kKeyboardUnit, t.LBACK);
  if (t.LBACK == -1) silentStop("KELAST");
}

}  // namespace

void KELAST(float& KELAS, std::int32_t ITYP, float* WAVEK, float OMEGA, float T) {
  Tpcm& t = TPCM;
  Morcom& m = t.moor;
  KelastState& state = KELAST_STATE;
  if (state.FIRSTM == 0) {
    state.EAWARN.fill(0);
    state.WTWARN.fill(0);
    state.FIRSTM = 1;
  }
  const float* alpha = &m.ALPHA(1, 1, ITYP);
  const float G = WAVCOM.G;
  bool slopeWarned = false;
  bool weightWarned = false;
  float S = 0.0f;
  for (int j = 1; j <= m.NELEM(ITYP); ++j) {
    m.COFMAS = m.COFMST(j, ITYP);
    float compliance = EAINV(alpha, T, j);
    if (compliance < 0.0f) {
      if (state.EAWARN(ITYP) == 0) {
        warnElement("stress-strain curve slope", "slope value will be replaced by infinity", "inextensible line",
                    ITYP, j);
        slopeWarned = true;
      }
      compliance = 0.0f;
    }
    S += m.SLEN(j, ITYP) * compliance;
    float w = m.DRYWT(j, ITYP);
    if (!(w > 0.0f)) {
      const float D = m.DIAM(j, ITYP);
      w = kAreaTimesKilo * D * D * t.DWATR * m.COFMAS;
      w = t.NUNTS != kEnglishUnits ? w * kSquareMetresPerSquareMillimetre : w / kSquareInchesPerSquareFoot;
      w += m.WETWT(j, ITYP);
    }
    if (w < 0.0f) {
      w = 0.0f;
      if (compliance != 0.0f && state.WTWARN(ITYP) == 0) {
        warnElement("dry segment weight", "weight value will be replaced by zero", "weightless line", ITYP, j);
        weightWarned = true;
      }
    }
    WAVEK[j - 1] = OMEGA * std::sqrt(compliance * w / G);
  }
  if (slopeWarned) state.EAWARN(ITYP) = 1;
  if (weightWarned) state.WTWARN(ITYP) = 1;
  KELAS = S > 0.0f ? 1.0f / S : kInextensible;
}

void KCATN(float& KCTAN, float KELAS, float& KSTAT, Complex CAFLD, Complex CABOT, float gF, float gB) {
  const float d = std::abs(CAFLD - CABOT);
  KSTAT = d > 0.0f ? std::abs(gF * CAFLD + gB * CABOT) / d : gF;
  const float c = 1.0f / KSTAT - 1.0f / KELAS;
  KCTAN = c > 0.0f ? 1.0f / c : kCatenaryOverElastic * KELAS;
}

}  // namespace qv

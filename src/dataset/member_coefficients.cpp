#include "dataset/member_coefficients.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dataset/surface_correction.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/algebra.h"
#include "numlib/circle_constants.h"
#include "numlib/member_geometry.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// End types: 0 a free end; 1 and 2 a closed end (on a pontoon, a deck, the sea bed), about which
// the member counts as mirrored.
enum class EndClass {
  kFreeEnds,    // both ends free (class G)
  kOneEnd,      // one end free, the other closed (class P)
  kClosedEnds,  // both ends closed (class Q)
  kNone,        // an end type other than 0, 1 or 2
};

EndClass endClass(std::int32_t bottom, std::int32_t top) {
  const auto closed = [](std::int32_t t) { return t == 1 || t == 2; };
  if (bottom == 0 && top == 0) return EndClass::kFreeEnds;
  if ((bottom == 0 && closed(top)) || (top == 0 && closed(bottom))) return EndClass::kOneEnd;
  if (closed(bottom) && closed(top)) return EndClass::kClosedEnds;
  return EndClass::kNone;
}

// Added-mass factors of a piercing member's end below the surface.
constexpr float kTlpEndFactor = 0.125f;
constexpr float kEndMassFactor = 0.849f;

// The member as MSCALC works on it: its dimensions W(1..3) (W(3) becomes the wetted length of a
// member that pierces the surface) and the diameter of the circle of its section area.
struct MemberShape {
  float W[4];           // W[1], W[2] the section, W[3] along the member
  float DEQ = 0.0f;     // equivalent diameter of a piercing member [ft | m], else 0
  EndClass ends = EndClass::kNone;
};

// The added-mass (CM) and added-moment (CI) coefficients on axis u before the section-shape factor.
struct AxisCoefficients {
  float CM;
  float CI;
};

// The section ratios across axis u: H for the added mass, I for the added moment (1 along the
// member).
struct SectionRatios {
  float H;
  float I;
};

SectionRatios sectionRatios(const MemberShape& m, int u) {
  if (u == 3) return {1.0f, 1.0f};
  if (u == 2) return {m.W[1] / m.W[2], m.W[2] / m.W[1]};
  return {m.W[2] / m.W[1], m.W[1] / m.W[2]};
}

// Missing data: the message, and the member no longer asks for coefficients.
void missingData(std::int32_t IMEM, std::int32_t& IPROB) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, " ++> All member dimension data and member endpoint data must be");
  writeRecord(unit, "     specified before mass/damping coefficients can be computed.");
  writeRecord(unit, "     Check for missing or incorrect data...");
  TPCM.MASCMP(IMEM) = 0;
  IPROB = 1;
}

void writeNotComputed(std::int32_t unit, std::int32_t IMEM, std::string_view reason) {
  writeRecord(unit, " ++> Warning: Member " + fmtI(IMEM, 2) + " " + std::string(reason) + ";");
  writeRecord(unit, "     its added-mass coefficients were not computed.");
}

bool positive(float v) { return v > 0.0f; }  // false for a value that is not a number

AxisCoefficients axisCoefficients(const MemberShape& m, int u, std::int32_t IMEM, std::int32_t& elpcofWarned) {
  const std::int32_t unit = TPCM.EDUNIT;
  const float* W = m.W;
  const int c = u % 3 + 1;  // the two other axes
  const int d = c % 3 + 1;
  float Rc = W[u] / W[c];
  float Rd = W[u] / W[d];

  // A member closed at one end counts as twice as long, mirrored about that end.
  if (m.ends == EndClass::kOneEnd) {
    if (u == 3) {
      if (TPCM.VESTYP == kCaissonSpar && m.DEQ > 0.0f) {
        Rc = Rd = 2.0f * W[3] / m.DEQ;
      } else {
        Rc *= 2.0f;
        Rd *= 2.0f;
      }
    } else if (u == 2) {
      Rc *= 0.5f;
    } else {
      Rd *= 0.5f;
    }
  }

  AxisCoefficients k{};
  if (m.ends == EndClass::kClosedEnds) {
    // Two-dimensional flow about the section.
    if (u == 3) {
      const float N = Rd / Rc;
      const float P = N * N;
      k.CM = 0.0f;
      k.CI = (P - 1.0f) * (P - 1.0f) * 0.5f / (N * (P + 1.0f));
    } else {
      const SectionRatios r = sectionRatios(m, u);
      k.CM = r.H;
      k.CI = r.I;
    }
  } else {
    const float a = Rc * Rc;
    const float b = Rd * Rd;
    float C1 = 0.0f;
    float C2 = 0.0f;
    ELPCOF(a, b, 0, 1, C1, unit, kKeyboardUnit, elpcofWarned, IMEM);
    k.CM = COFCLC(1, C1, a, b);
    ELPCOF(a, b, 0, 2, C2, unit, kKeyboardUnit, elpcofWarned, IMEM);
    k.CI = COFCLC(2, C2, a, b);
  }

  // The end of a piercing member below the surface adds to its axial added mass.
  if (m.ends == EndClass::kOneEnd && u == 3 && m.DEQ > 0.0f) {
    if (TPCM.VESTYP == kTensionLegPlatform) {
      k.CM += kTlpEndFactor * m.DEQ / W[3];
    } else if (TPCM.VESTYP != kCaissonSpar && TPCM.DRAFT > 0.0f) {
      k.CM = std::max(k.CM, kEndMassFactor * m.DEQ / TPCM.DRAFT);
    }
  }
  return k;
}

// The rectangle factor of a section ratio by section kind: 0 rectangular, 2 half way to elliptic,
// any other kind elliptic.
float sectionFactor(std::int32_t kind, float ratio) {
  if (kind == 0) return RECTCM(ratio);
  if (kind == 2) return (RECTCM(ratio) + 1.0f) / 2.0f;
  return 1.0f;
}

// The free-surface correction of a horizontal member's sway coefficients (MASCMP 2). Returns false
// when the correction failed numerically.
bool correctForSurface(std::int32_t IMEM, const MemberShape& m, std::int32_t& IPROB) {
  const int i = IMEM;
  const std::int32_t unit = TPCM.EDUNIT;
  if (TPCM.RCYLB(1, i) == TPCM.RCYLT(1, i) && TPCM.RCYLB(2, i) == TPCM.RCYLT(2, i)) {
    writeRecord(unit, " ++> Member " + fmtI(IMEM, 2) + " is perfectly vertical; no surface");
    writeRecord(unit, " proximity correction applies...");
    IPROB = 1;
    TPCM.MASCMP(i) = 1;
    return true;
  }
  if (TPCM.RCYLB(3, i) != TPCM.RCYLT(3, i)) {
    writeRecord(unit, " ++> Member " + fmtI(IMEM, 2) + " is not perfectly horizontal; the surface");
    writeRecord(unit, "     proximity correction applies rigorously only to horizontal");
    writeRecord(unit, "     members.  Proceed with caution or enter \"A\" at the ");
    writeRecord(unit, "     \"Press Return\" prompt to abort surface correction");
    IPROB = 0;
    std::int32_t answer = 0;
    ABORT0(unit, kKeyboardUnit, answer);
    if (answer == -1) {
      TPCM.MASCMP(i) = 1;
      return true;
    }
  }

  // The section as an ellipse of the member's area and proportions.
  const float E = (TPCM.RCYLB(3, i) + TPCM.RCYLT(3, i)) / 2.0f;  // elevation of the axis
  const float F = m.W[2] / m.W[1];
  const float H2 = 2.0f * std::sqrt(TPCM.XAREA(i) * F / kPi);  // height
  const float B2 = H2 / F;                                     // width
  Tempcm TEMPCM{4.0f * (TPCM.DRAFT - E) / B2, B2 / H2};
  float factor = 1.0f;
  std::int32_t IERR = kSurfaceCorrected;
  SRFCOR(factor, IMEM, unit, IPROB, TEMPCM, IERR);
  if (IERR != kSurfaceCorrected) return false;
  TPCM.CYLCM(2, i) *= factor;
  TPCM.CYLCMI(2, i) *= factor;
  return true;
}

}  // namespace

void MSCALC(std::int32_t IMEM, std::int32_t& IPROB, std::int32_t& IFAIL) {
  IFAIL = 0;
  const int i = IMEM;
  const std::int32_t unit = TPCM.EDUNIT;
  const float* base = &TPCM.RCYLB(1, i);
  const float* top = &TPCM.RCYLT(1, i);

  MemberShape m;
  m.W[0] = 0.0f;
  for (int k = 1; k <= 3; ++k) m.W[k] = TPCM.DIAMS(k, i);
  // A member of another kind is as long as its length dimension says.
  float length = m.W[3];
  if (TPCM.MEMTYP(i) == 0) {
    int axis = 0;
    VECLEN(top, base, length, axis);
  }
  const bool endsApart = base[0] != top[0] || base[1] != top[1] || base[2] != top[2];
  if (!positive(m.W[1]) || !positive(m.W[2]) || !positive(m.W[3]) || !positive(length) || !endsApart) {
    missingData(IMEM, IPROB);
    return;
  }

  // A member through the surface is wet below it, whichever of its ends is entered as its base.
  const WetPart wet = wetPart(base, top, TPCM.DRAFT);
  const bool pierces = wet.crossing();
  // The section area sizes a piercing member's end (a spar's: its waterplane) and the correction.
  const bool needsArea = (pierces && TPCM.VESTYP != kCaissonSpar) || TPCM.MASCMP(i) == 2;
  if (needsArea && !positive(TPCM.XAREA(i))) {
    missingData(IMEM, IPROB);
    return;
  }

  m.ends = endClass(TPCM.BOTTYP(i), TPCM.TOPTYP(i));
  if (m.ends == EndClass::kNone) {
    writeNotComputed(unit, IMEM, "end types must be 0, 1 or 2");
    IPROB = 1;
    return;
  }
  if (pierces) {
    if (!positive(wet.WLEN)) {
      writeNotComputed(unit, IMEM, "has no wetted length");
      IPROB = 1;
      return;
    }
    m.W[3] = wet.WLEN;
    const float area = TPCM.VESTYP == kCaissonSpar ? std::max(TPCM.AWP, 0.0f) : TPCM.XAREA(i);
    m.DEQ = 2.0f * std::sqrt(area / kPi);
  }

  std::int32_t elpcofWarned = 0;  // the many-points warning once per member
  for (int u = 1; u <= 3; ++u) {
    const AxisCoefficients k = axisCoefficients(m, u, IMEM, elpcofWarned);
    const SectionRatios r = sectionRatios(m, u);
    const float JM = u == 3 ? 1.0f : sectionFactor(TPCM.NCYLTP(i), r.H);
    const float JI = u == 3 ? 1.0f : sectionFactor(TPCM.NCYLTP(i), r.I);
    TPCM.CYLCM(u, i) = JM * k.CM;
    TPCM.CYLCMI(u, i) = JI * k.CI;
  }

  if (TPCM.MASCMP(i) == 2 && !correctForSurface(IMEM, m, IPROB)) IFAIL = 1;
}

void DGCALC(std::int32_t IMEM) {
  const int i = IMEM;
  TPCM.CYLCD(1, i) = 1.0f;
  TPCM.CYLCD(2, i) = 1.0f;
  TPCM.CYLCDI(1, i) = 1.0f;
  TPCM.CYLCDI(2, i) = 1.0f;
  TPCM.CYLCDI(3, i) = 0.0f;
  TPCM.CYLCD(3, i) = TPCM.TOPTYP(i) != 0 && TPCM.BOTTYP(i) != 0 ? 0.0f : 1.0f;
}

namespace {

// 1 - k^2, formed as the arithmetic-geometric mean routines form it.
float complementSquared(float AK) {
  float g = (0.5f - AK) + 0.5f;
  return g + g * AK;
}

constexpr float kAgmEnd = 0.9999f;  // the means agree to this ratio
constexpr float kHuge = 1.0e38f;

}  // namespace

void CEL1(float& RES, float AK, std::int32_t& IER) {
  IER = 0;
  float g = complementSquared(AK);
  RES = 0.5f;
  if (g < 0.0f) {
    IER = 1;
    return;
  }
  if (g == 0.0f) {
    RES = kHuge;
    return;
  }
  float ARI = 2.0f;
  for (;;) {
    RES = 2.0f * RES;
    const float GEO = 2.0f * std::sqrt(g);
    const float AARI = ARI;
    ARI = GEO + AARI;
    g = GEO * AARI;
    if (GEO / AARI >= kAgmEnd) break;
  }
  RES = RES / ARI * kTwoPiSixDecimals;
}

void CEL2(float& RES, float AK, float A, float B, std::int32_t& IER) {
  IER = 0;
  float g = complementSquared(AK);
  RES = A;
  if (g < 0.0f) {
    IER = 1;
    return;
  }
  if (g == 0.0f) {
    RES = B < 0.0f ? -kHuge : B > 0.0f ? kHuge : A;
    return;
  }
  float ARI = 2.0f;
  float AA = A + B;
  float BB = 2.0f * B;
  for (;;) {
    const float AN = RES;
    RES = AA;
    const float GEO = 2.0f * std::sqrt(g);
    const float AARI = ARI;
    ARI = GEO + AARI;
    BB = 2.0f * (GEO * AN + BB);
    AA = AA + BB / ARI;
    g = GEO * AARI;
    if (GEO / AARI >= kAgmEnd) break;
  }
  RES = AA / ARI;
  RES = RES + RES * 0.5707963f;
}

}  // namespace qv

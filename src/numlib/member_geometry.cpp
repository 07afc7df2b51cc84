#include "numlib/member_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr float kQuarterTurn = kHalfPi;  // pi/2, the upper limit of the integrals [rad]
constexpr std::int32_t kMinPointsMass = 400;
constexpr std::int32_t kMinPointsMoment = 4000;
constexpr std::int32_t kWarnPoints = 7500;
// The most points the integration takes: an axis ratio beyond about 1:700 (a body of no width, no
// length, or dimensions that are not numbers) has no meaningful coefficient, and would take the
// integration for ever.
constexpr std::int32_t kMaxPoints = 1000000;

// The point count chosen from the eccentricity: INT(max(2/A, 2/B, 2A, 2B)), truncated; more than
// kMaxPoints (a degenerate ratio: 0, infinite or not a number) gives kMaxPoints + 1.
std::int32_t pointsFromShape(float A, float B) {
  const float largest = std::max({2.0f / A, 2.0f / B, 2.0f * A, 2.0f * B});
  if (!(largest <= static_cast<float>(kMaxPoints)) || std::isnan(A) || std::isnan(B)) return kMaxPoints + 1;
  return static_cast<std::int32_t>(largest);
}

[[noreturn]] void refuseDegenerateBody(float A, float B, std::int32_t IUNIT, std::int32_t IIN) {
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "ELPCOF: an elliptic body with the squared axis ratios A = " + messageValue(A) + " and B = " +
                      messageValue(B) + " needs more than " + std::to_string(kMaxPoints) +
                      " integration points: its dimensions are zero, too far apart or not numbers. Check the "
                      "dimensions of the body.");
  fatalStop("ELPCOF", IUNIT, lines, FatalWait::kPressReturn, IIN);
}

void warnManyPoints(std::int32_t NP, std::int32_t IUNIT, std::int32_t NMEM) {
  if (NMEM != 0) {
    writeRecord(IUNIT, " ++> Warning: Member " + fmtI(NMEM, 2) + " requires" + fmtI(NP, 7) +
                           " integration points");
  } else {
    writeRecord(IUNIT, " ++> Warning: A highly eccentric body requires" + fmtI(NP, 7) +
                           " integration points");
  }
  writeRecord(IUNIT, std::string("              in ELPCOF; this may result in") +
                         " pathological mass coefficients.");
  if (NMEM != 0) {
    writeRecord(IUNIT, std::string("              Consider using a less eccentric member model;") +
                           " this will not");
    writeRecord(IUNIT, "              appreciably affect your added mass estimates.");
  } else {
    writeRecord(IUNIT, "              Contact Kestrin to report this message.");
  }
}

// The factors shared by both integrands: c^2, 1 + lambda, 1 + A lambda, 1 + B lambda and the root of
// their product, each product rounded to a 4-byte float.
struct Factors {
  float c2, p1, pa, pb, root;
};

Factors factorsAt(float T, float A, float B) {
  const float lambda = std::tan(T);
  const float c = std::cos(T);
  Factors f;
  f.c2 = c * c;
  f.p1 = 1.0f + lambda;
  f.pa = 1.0f + A * lambda;
  f.pb = 1.0f + B * lambda;
  f.root = std::sqrt(f.p1 * f.pa * f.pb);
  return f;
}

}  // namespace

float ARGMAS(float T, float A, float B) {
  const Factors f = factorsAt(T, A, B);
  return 1.0f / (f.c2 * f.p1 * f.root);
}

float ARGMOM(float T, float A, float B) {
  const Factors f = factorsAt(T, A, B);
  return 1.0f / (f.c2 * f.pa * f.pb * f.root);
}

void ELPCOF(float A, float B, std::int32_t NPTS, std::int32_t ITYPE, float& C, std::int32_t IUNIT,
            std::int32_t IIN, std::int32_t& IWARN, std::int32_t NMEM) {
  std::int32_t NP = NPTS != 0 ? NPTS : pointsFromShape(A, B);
  if (NP > kMaxPoints || std::isnan(A) || std::isnan(B)) refuseDegenerateBody(A, B, IUNIT, IIN);
  if (NP % 2 != 0) NP += 1;
  NP = std::max(NP, ITYPE == 2 ? kMinPointsMoment : kMinPointsMass);

  if (NP > kWarnPoints && IWARN == 0) {
    warnManyPoints(NP, IUNIT, NMEM);
    IWARN = 1;
    std::int32_t reply = 0;
    PRSRET(IUNIT, IIN, reply);
  }

  // Simpson's rule; the integrand is 1 at T = 0 and vanishes at pi/2.
  const float H = kQuarterTurn / static_cast<float>(NP);
  float sum = 1.0f;
  for (std::int32_t j = 1; j <= NP - 1; ++j) {
    const float T = static_cast<float>(j) * H;
    const float weight = j % 2 != 0 ? 4.0f : 2.0f;
    const float value = ITYPE == 1 ? ARGMAS(T, A, B) : ARGMOM(T, A, B);
    sum += weight * value;
  }
  C = sum * H / 3.0f;
}

float COFCLC(std::int32_t ITYPE, float C, float A, float B) {
  if (ITYPE == 1) return C / (2.0f - C);
  const float a = 1.0f / A;
  const float b = 1.0f / B;
  return (a - b) * (a - b) * C / ((a + b) * (2.0f * a * b - C * (a + b)));
}

float RECTCM(float R) { return 1.215488f * std::pow(R, -0.14883f); }

void WPCHEK(const float* P1, const float* P2, float Z0, float* D, float* DC, float& XLEN, float& WLEN,
            float& FAC, std::int32_t& ICODE) {
  float sumSquares = 0.0f;  // accumulated in single precision
  for (int i = 0; i < 3; ++i) {
    D[i] = P2[i] - P1[i];
    sumSquares += D[i] * D[i];
  }
  XLEN = std::sqrt(sumSquares);
  for (int i = 0; i < 3; ++i) DC[i] = std::min(D[i] / XLEN, 1.0f);

  const float H1 = P1[2] - Z0;        // height of P1 above the level
  const float H2 = XLEN * DC[2] + H1;  // height of P2 above the level
  if (H1 > 0.0f && H2 > 0.0f) {
    ICODE = kMemberAbove;
  } else if (H1 <= 0.0f && H2 <= 0.0f) {
    ICODE = kMemberBelow;
  } else if (H1 <= 0.0f) {
    ICODE = kMemberRising;
  } else {
    ICODE = kMemberFalling;
  }

  if (ICODE == kMemberBelow) {
    WLEN = XLEN;
    FAC = 1.0f;
  } else if (ICODE == kMemberAbove) {
    WLEN = 0.0f;
    FAC = 1.0f;
  } else {
    FAC = 1.0f / DC[2];
    WLEN = -H1 * FAC;
  }
}

WetPart wetPart(const float* P1, const float* P2, float Z0) {
  WetPart w{};
  w.start = P1;
  WPCHEK(P1, P2, Z0, w.D, w.DC, w.XLEN, w.WLEN, w.FAC, w.ICODE);
  if (w.ICODE == kMemberFalling) {
    w.start = P2;
    WPCHEK(P2, P1, Z0, w.D, w.DC, w.XLEN, w.WLEN, w.FAC, w.ICODE);
  }
  return w;
}

}  // namespace qv

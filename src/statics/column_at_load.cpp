#include "statics/column_at_load.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/roots.h"
#include "platform/units.h"
#include "statics/column.h"
#include "statics/solve.h"
#include "util/captions.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// The column closes on its attachment within the table's own tolerance: a thousandth of its length,
// and never less than twice the residual at which the table's search stops.
constexpr float kClosureTolerance = 1.0E-3f;
constexpr float kClosureFloor = 0.01f;

// A cotangent beyond this is a member standing upright to float precision: the piercing member's
// draft is taken there, where the cotangent's square still fits a float.
constexpr float kUpright = 1.0E18f;

// A load below this share of the column's weight and buoyancy turns no member measurably from its
// zero-load attitude, and the cotangents its balances ask for (weights over the load) leave the
// floats.
constexpr float kNoLoad = 1.0E-30f;

using Cotangents = Arr<float, kMaxMembers>;

// Only a column of more than one element has its table points searched; a free SALM has no table.
bool staticsSearchTable() { return TPCM.NELEM > 1 && TPCM.FRESLM == 0; }

// The table point whose load is H, 0 when there is none.
std::int32_t tablePointAt(float H) {
  for (std::int32_t J = 1; J <= TPCM.NUMTAB; ++J)
    if (EQUILB.HLOAD(J) == H) return J;
  return 0;
}

// The interval of the load table that holds H (the end interval outside it).
std::int32_t intervalOf(float H) {
  int range = 0;
  int IL = 1;
  BSRCH(EQUILB.HLOAD.data(), H, range, IL, TPCM.NUMTAB);
  return IL;
}

float angleOf(float cotangent) { return cotangent == 0.0f ? kHalfPi : std::atan2(1.0f, cotangent); }

std::string force(float value) {
  Text<16> label;
  UNITP(label, TPCM.NUNTS);
  const std::string field = fmtF(value, 16, 2);
  return field.substr(field.find_first_not_of(' ')) + std::string(label.trimmed());
}

[[noreturn]] void noEquilibrium(float H, const std::string& why) {
  const Tpcm& t = TPCM;
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "SALM statics: no equilibrium found under the horizontal load " + force(H) +
                      ", a load off the points of the load-offset table (" + why + ").");
  addFlowingLines(lines, "     ", "Check the elements, the attachment and the table's largest load (pages 2 and 3).");
  lines.emplace_back("");
  fatalStop("STSALM", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// The argument tolerance of a search run down to neighbouring floats (relative above 1, absolute
// below, where the floats lie closer still).
constexpr float kToNeighbouringFloats = 2.0f * std::numeric_limits<float>::epsilon();

// RTMI1 in a bracket about guess, widened fourfold while it holds no sign change, searched down to
// neighbouring floats. Whether it found a root; X holds it, and the objective's last call was there.
bool searchNear(float& X, RealFunction objective, float guess) {
  constexpr int kMaxWidenings = 8;
  float half = 1.0E-3f * std::max(1.0f, std::fabs(guess));
  for (int widenings = 0; widenings <= kMaxWidenings; ++widenings, half *= 4.0f) {
    float F = 0.0f;
    int IER = kRootFound;
    RTMI1(X, F, objective, guess - half, guess + half, kToNeighbouringFloats, 0.0f, 100, IER);
    if (IER != kRootNotBracketed) return IER == kRootFound;
  }
  return false;
}

// Where a search starts, per member: its cotangent between the table's points on either side of the
// load (a member standing up or hanging down at zero load taken at the first loaded point), and the
// cotangent of its pull there over the load (the pull being load times cotangent at a loaded point).
// Near no load a member that stands up at zero load takes the second; one that leans the first.
struct Guesses {
  Cotangents angle{};
  Cotangents pull{};
};

// A guess of the piercing member's cotangent: of the two, the one whose balance misses less, moved to
// what the balance asks for while that brings it closer (the member's buoyancy changes little with a
// small turn, so the balance's answer lies near its root).
float nearerRoot(float angleGuess, float pullGuess, RealFunction balance) {
  const auto relative = [](float miss, float C) { return std::fabs(miss) / std::max(1.0f, std::fabs(C)); };
  float C = angleGuess;
  float miss = balance(C);
  float other = pullGuess;
  const float otherMiss = balance(other);
  if (relative(otherMiss, other) < relative(miss, C)) {
    C = other;
    miss = otherMiss;
  }
  for (int steps = 0; steps < 4 && relative(miss, C) > 1.0E-3f; ++steps) {
    float next = C + miss;
    const float nextMiss = balance(next);
    if (!(std::fabs(nextMiss) < std::fabs(miss))) break;
    C = next;
    miss = nextMiss;
  }
  return C;
}

// What the members' moment balances and the pulls passed along the column take of member k as it
// lies: its moment term M = (W g - B b) / L and its net weight W - B. The piercing member's depend on
// its draft: COTANB's at cotangent C with its lower joint at the height z above the lowest free joint
// (which it leaves in SOLVE's draft outputs).
struct MemberTerms {
  float M = 0.0f;
  float N = 0.0f;
};
MemberTerms dryTerms(std::int32_t k) { return {SOLVE.WETARM(k), SOLVE.WETWT(k)}; }
MemberTerms piercingTerms(float C, float z) {
  Solve& s = SOLVE;
  s.HIGHPT = z;
  (void)COTANB(std::clamp(C, -kUpright, kUpright));
  return {s.WEPERC - s.BOYMOM, s.CNMASS(s.IPERCN) - s.WETVOL};
}

// The piercing member P at the cotangent its balance asks for, searched near its guesses: from the
// top down its top stands at z under the pull T; from the bottom up its lower joint stands at z on
// the pull T of the member below. Its terms at that cotangent; NaN terms when there is no root.
MemberTerms solvePiercing(float& C, float H, float T, float z, bool fromTheTop, const Guesses& guess) {
  const std::int32_t P = SOLVE.IPERCN;
  const float L = SOLVE.CNLEN(P);
  MemberTerms terms;
  const auto balance = [&](float& trial) {
    if (fromTheTop) {
      terms = piercingTerms(trial, z - L * std::cos(angleOf(trial)));
      return (T - terms.M) / H - trial;
    }
    terms = piercingTerms(trial, z);
    return (T + terms.N - terms.M) / H - trial;
  };
  if (!searchNear(C, balance, nearerRoot(guess.angle(P), guess.pull(P), balance))) {
    const float none = std::numeric_limits<float>::quiet_NaN();
    return {none, none};
  }
  return terms;
}

// The column under the load H with member m at the cotangent cm, every other member at the
// cotangent its moment balance asks for under the pull the members pass along (into c), placed from
// the top down: the pull at the column's top is member m's, H cm + M, with the net weights of the
// members above it; the piercing member (below m, or m itself at the top) balances with the buoyancy
// of the draft this placement gives it. The height of member 1's lower joint above the lowest free
// joint: 0 when the column closes. This is how ZFILL places the members when it forms the joint loads.
float placeFromTheTop(float H, std::int32_t m, float cm, Cotangents& c, const Guesses& guess) {
  const Solve& s = SOLVE;
  const std::int32_t NCON = s.NCON;
  float z = s.YOKBOT;  // the top of member k
  float T = 0.0f;      // the pull at the top of member k
  if (m < NCON) {
    T = H * cm + s.WETARM(m);
    for (std::int32_t j = m + 1; j <= NCON; ++j) T += s.WETWT(j);
  }
  for (std::int32_t k = NCON; k >= 1; --k) {
    MemberTerms terms = dryTerms(k);
    if (k == m) c(k) = cm;
    if (k == s.IPERCN) {
      if (k == m) {
        terms = piercingTerms(cm, z - s.CNLEN(k) * std::cos(angleOf(cm)));
      } else {
        terms = solvePiercing(c(k), H, T, z, true, guess);
        if (std::isnan(terms.M)) return terms.M;
      }
    } else if (k != m) {
      c(k) = (T - terms.M) / H;
    }
    if (k == NCON && m == NCON) T = H * cm + terms.M;
    z -= s.CNLEN(k) * std::cos(angleOf(c(k)));
    T -= terms.N;
  }
  return z;
}

// The same placed from the bottom up, where the piercing member lies above member m or is member 1
// itself: the pull on the lowest free joint is member m's passed down (member 1's with its draft on
// the lowest free joint), and the piercing member balances with the draft of its lower joint where
// the members below place it. The height of the column's top above YOKBOT: 0 when the column closes,
// as TOPHT gives it.
float placeFromTheBottom(float H, std::int32_t m, float cm, Cotangents& c, const Guesses& guess) {
  const Solve& s = SOLVE;
  const std::int32_t P = s.IPERCN;
  float z = 0.0f;  // the lower joint of member k
  float T = 0.0f;  // the pull at the top of member k - 1
  if (m != P) {
    T = H * cm + s.WETARM(m) - s.WETWT(m);
    for (std::int32_t j = m - 1; j >= 1; --j) T -= s.WETWT(j);
  }
  for (std::int32_t k = 1; k <= s.NCON; ++k) {
    MemberTerms terms = dryTerms(k);
    if (k == m) {
      c(k) = cm;
      if (k == P) terms = piercingTerms(cm, z);
      T = H * cm + terms.M;
    } else if (k == P) {
      terms = solvePiercing(c(k), H, T, z, false, guess);
      if (std::isnan(terms.M)) return terms.M;
      T += terms.N;
    } else {
      T += terms.N;
      c(k) = (T - terms.M) / H;
    }
    z += s.CNLEN(k) * std::cos(angleOf(c(k)));
  }
  return z - s.YOKBOT;
}

// The column under H with member m at cotangent cm, placed from the end where the piercing member's
// draft is known before its balance.
float placeColumn(float H, std::int32_t m, float cm, Cotangents& c, const Guesses& guess) {
  const std::int32_t P = SOLVE.IPERCN;
  if (P < m || P > SOLVE.NCON || (P == m && m == SOLVE.NCON)) return placeFromTheTop(H, m, cm, c, guess);
  return placeFromTheBottom(H, m, cm, c, guess);
}

// A cotangent of the table's first point that stands for an upright (or hanging) member.
bool uprightAtRest(float cotangent) { return !(std::fabs(cotangent) < 1.0E16f); }

// The guesses at the load H.
Guesses guessesAt(float H) {
  const Solve& s = SOLVE;
  const Equilb& q = EQUILB;
  const std::int32_t lo = std::min(intervalOf(H), TPCM.NUMTAB - 1);
  const std::int32_t hi = lo + 1;
  const float share = std::clamp((H - q.HLOAD(lo)) / (q.HLOAD(hi) - q.HLOAD(lo)), 0.0f, 1.0f);
  Guesses g;
  for (std::int32_t k = 1; k <= s.NCON; ++k) {
    const float cHi = s.COTANP(hi, k);
    const float cLo = lo == 1 && uprightAtRest(s.COTANP(1, k)) ? cHi : s.COTANP(lo, k);
    g.angle(k) = cLo + share * (cHi - cLo);
    const float pullHi = q.HLOAD(hi) * cHi;
    const float pullLo = lo == 1 ? pullHi : q.HLOAD(lo) * cLo;
    g.pull(k) = (pullLo + share * (pullHi - pullLo)) / H;
  }
  return g;
}

// The member about which the column is placed. Near no load the members that stand up or hang down
// at zero load take cotangents of their pulls over the load, and only the leaning member's angle
// decides where the top comes to lie; its pull must then be known to the small share of it that the
// load takes, which pulls passed to it through the other members' balances (and the piercing member's
// draft, rounded as its buoyancy, hundreds of times the load) do not give. So the pulls are passed
// from the member that leans at zero load (the least |cotangent| of the table's first point) outward.
// A piercing member between two others cannot be that member (its draft would hang on the members on
// both sides): the top member is taken then, which the loads lean as well.
std::int32_t pivotMember() {
  const Solve& s = SOLVE;
  std::int32_t m = 1;
  for (std::int32_t k = 2; k <= s.NCON; ++k)
    if (std::fabs(s.COTANP(1, k)) < std::fabs(s.COTANP(1, m))) m = k;
  return m == s.IPERCN && m > 1 && m < s.NCON ? s.NCON : m;
}

// The equilibrium at the load H off the table's points: the pivot member's cotangent the root of the
// column's closure, each trial placing every other member by its balance. Into c.
void solveAtLoad(float H, Cotangents& c) {
  const Solve& s = SOLVE;
  const std::int32_t m = pivotMember();
  const Guesses guess = guessesAt(H);
  c = guess.angle;
  float misfit = 0.0f;
  const auto closure = [&](float& cm) { return misfit = placeColumn(H, m, cm, c, guess); };
  float cm = guess.angle(m);
  if (!searchNear(cm, closure, guess.angle(m))) noEquilibrium(H, "the search for the members' angles found no root");
  float columnLength = 0.0f;
  for (int I = 1; I <= s.NCON; ++I) columnLength += s.CNLEN(I);
  if (!(std::fabs(misfit) <= std::max(kClosureTolerance * columnLength, kClosureFloor))) {
    noEquilibrium(H, "the column's top misses its height");
  }
}

}  // namespace

void columnAtLoad(float H, float* PHI) {
  const Solve& s = SOLVE;
  const std::int32_t NCON = s.NCON;
  if (!staticsSearchTable()) {
    const std::int32_t IL = intervalOf(H);
    for (std::int32_t I = 1; I <= NCON; ++I) INTERP(EQUILB.HLOAD.data(), &SOLVE.PHIANG(1, I), H, PHI[I - 1], IL);
    return;
  }
  float weights = 0.0f;
  for (std::int32_t I = 1; I <= NCON; ++I) weights += std::fabs(s.CNMASS(I)) + std::fabs(s.CNBUOY(I));
  std::int32_t J = tablePointAt(H);
  if (J == 0 && H >= 0.0f && H <= kNoLoad * weights) J = 1;
  if (J != 0) {
    for (std::int32_t I = 1; I <= NCON; ++I) PHI[I - 1] = s.PHIANG(J, I);
    return;
  }
  Cotangents c{};
  solveAtLoad(H, c);
  for (std::int32_t I = 1; I <= NCON; ++I) PHI[I - 1] = angleOf(c(I));
}

float auxiliaryOffset(float H) {
  const Tpcm& t = TPCM;
  Arr<float, kMaxTablePoints> offsets{};
  for (int k = 1; k <= t.NUMTAB; ++k) offsets(k) = static_cast<float>(k - 1) * t.OFFINC;
  int range = 0;
  int i = 1;
  float extra = 0.0f;
  BSRCH(t.AUXFOR.data(), H, range, i, t.NUMTAB);
  INTERP(t.AUXFOR.data(), offsets.data(), H, extra, i);
  return extra;
}

float topOffsetAtLoad(float H, const float* PHI) {
  const Equilb& q = EQUILB;
  if (!staticsSearchTable()) {
    float X = 0.0f;
    INTERP(q.HLOAD.data(), q.OFFSET.data(), H, X, intervalOf(H));
    return X;
  }
  if (const std::int32_t J = tablePointAt(H); J != 0) return q.OFFSET(J);
  float X = 0.0f;
  for (std::int32_t I = 1; I <= SOLVE.NCON; ++I) X += SOLVE.CNLEN(I) * std::sin(PHI[I - 1]);
  if (TPCM.AUXTBL != 0) X += auxiliaryOffset(H);
  return X;
}

}  // namespace qv

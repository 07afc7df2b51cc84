#include "statics/column_at_load.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

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
#include "util/fortran_format.h"

namespace qv {

namespace {

// The search and the test of its root are those the load table's points are held to.
constexpr float kArgumentTolerance = 5.0E-5f;
constexpr float kSearchResidual = 0.005f;     // the top's height misfit at which the search stops
constexpr float kClosureTolerance = 1.0E-3f;  // of the column's length, and never below twice the residual
constexpr float kBalanceTolerance = 1.0E-3f;  // of H L

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

// TOPHT and COTANB solve the table point ITABLE under HLOAD(ITABLE), into COTANP(ITABLE, .). A row
// lent to a search at another load has its load and cotangents put back however the search ends, a
// stop included, and ITABLE with them.
class LentRow {
 public:
  explicit LentRow(std::int32_t J) : J_(J), table_(SOLVE.ITABLE), load_(EQUILB.HLOAD(J)) {
    for (int I = 1; I <= kMaxMembers; ++I) cotangent_(I) = SOLVE.COTANP(J, I);
  }
  ~LentRow() {
    SOLVE.ITABLE = table_;
    EQUILB.HLOAD(J_) = load_;
    for (int I = 1; I <= kMaxMembers; ++I) SOLVE.COTANP(J_, I) = cotangent_(I);
  }
  LentRow(const LentRow&) = delete;
  LentRow& operator=(const LentRow&) = delete;

 private:
  std::int32_t J_;
  std::int32_t table_;
  float load_;
  Arr<float, kMaxMembers> cotangent_{};
};

std::string force(float value) {
  Text<16> label;
  UNITP(label, TPCM.NUNTS);
  const std::string field = fmtF(value, 16, 2);
  return field.substr(field.find_first_not_of(' ')) + std::string(label.trimmed());
}

[[noreturn]] void noEquilibrium(float H, const std::string& why) {
  const Tpcm& t = TPCM;
  fatalStop("STSALM", t.EDUNIT,
            {"", " ++> SALM statics: no equilibrium found under the horizontal load " + force(H) + ",",
             "     a load off the points of the load-offset table (" + why + ").",
             "     Check the elements, the attachment and the table's largest load (pages 2 and 3).", ""},
            FatalWait::kPressReturn, kKeyboardUnit);
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

// The piercing member at cotangent C, its top at the height zTop, under the pull T of the members
// above it: its lower joint stands at zTop - L cos(phi), where COTANB sets its draft outputs. The
// cotangent its moment balance asks for under the load H, minus C.
float piercingBalanceFromTop(float C, float T, float H, float zTop) {
  Solve& s = SOLVE;
  s.HIGHPT = zTop - s.CNLEN(s.IPERCN) * std::cos(angleOf(C));
  (void)COTANB(C);
  return (T - (s.WEPERC - s.BOYMOM)) / H - C;
}

// The column under the load H placed from its top down as ZFILL places it, the top member at the
// cotangent top: each member below takes the cotangent of its moment balance under the pull passed
// down to it, the piercing member with its buoyancy at the draft this placement gives it (its
// balance searched near guess). Into COTANP(J, 1..NCON). The height of member 1's lower joint above
// the lowest free joint, 0 when the column closes; NaN when the piercing member's balance has no root.
float placeFromTop(std::int32_t J, float H, float top, const Arr<float, kMaxMembers>& guess) {
  Solve& s = SOLVE;
  const std::int32_t NCON = s.NCON;
  float z = s.YOKBOT;  // the top of member k
  float T = 0.0f;      // the pull at the top of member k
  for (std::int32_t k = NCON; k >= 1; --k) {
    float& c = s.COTANP(J, k);
    float M = s.WETARM(k);
    float N = s.WETWT(k);
    if (k == NCON) c = top;
    if (k == s.IPERCN) {
      const auto balance = [&](float& C) { return piercingBalanceFromTop(C, T, H, z); };
      if (k == NCON) {
        (void)piercingBalanceFromTop(c, T, H, z);
      } else if (!searchNear(c, balance, guess(k))) {
        return std::numeric_limits<float>::quiet_NaN();
      }
      M = s.WEPERC - s.BOYMOM;
      N = s.CNMASS(k) - s.WETVOL;
    } else if (k != NCON) {
      c = (T - M) / H;
    }
    if (k == NCON) T = H * c + M;
    z -= s.CNLEN(k) * std::cos(angleOf(c));
    T -= N;
  }
  return z;
}

// The search below places the members from their lowest joint up (TOPHT) and stops with the top
// within millimetres of its height; in single precision it cannot come much closer when member 1
// stands near upright and the top member leans, as on the tanker's yoke: one float step of member
// 1's cotangent (about 2e-6 at 24) turns the top member by as much and moves the top by 5e-5 m.
// ZFILL, which forms the joint loads from the angles, places the members from the top down: the
// piercing member then stands higher or lower by that closure than the balances of the search took
// it, its buoyancy differs by the waterplane's worth (0.01 t for 0.2 mm on the tanker's buoy), and
// that buoyancy's moment about its lower joint appears at the hinge above it (0.04 t m, where the
// base element carries 68 t m). So the equilibrium found is placed again from the top down, as
// ZFILL places it, with the top member's cotangent as the unknown: every member then balances under
// the buoyancy ZFILL finds, and the column closes on its lowest joint to float precision (a leaning
// top member's floats move the top by little, and a near-upright member 1 takes the rounding of its
// large cotangent with hardly a change of height). When that search finds no root near the first
// one, the first one stands: it holds the table's own tolerances.
void placeFromTheTop(std::int32_t J, float H) {
  Solve& s = SOLVE;
  if (s.NCON < 2 || riserFloats(s.IARC1)) return;  // one member has no hinge; a floating riser's top is free
  Arr<float, kMaxMembers> found{};
  for (int I = 1; I <= kMaxMembers; ++I) found(I) = s.COTANP(J, I);
  float top = found(s.NCON);
  const auto closure = [&](float& c) { return placeFromTop(J, H, c, found); };
  if (searchNear(top, closure, found(s.NCON))) return;
  for (int I = 1; I <= kMaxMembers; ++I) s.COTANP(J, I) = found(I);
}

// The search at the load H in row J, whose previous row holds the table point below H: member 1's
// cotangent lies between those of the table's neighbours of H when both are loaded points, and the
// table's own rule (from the point below, or the wide bracket of the first loaded point) finds it
// otherwise. The piercing member's search starts from the point below too. The angles found go to
// PHI before the row is put back.
void solveInRow(float H, std::int32_t J, std::int32_t IL, float* PHI) {
  Solve& s = SOLVE;
  const bool between = IL >= 2 && IL + 1 <= TPCM.NUMTAB;  // then J = IL + 1, the point above
  const float above = between ? s.COTANP(IL + 1, 1) : 0.0f;
  const float below = IL >= 2 ? s.COTANP(IL, 1) : 101.0f;
  const LentRow lent(J);
  s.ITABLE = J;
  EQUILB.HLOAD(J) = H;
  for (int I = 1; I <= kMaxMembers; ++I) s.COTANP(J, I) = 0.0f;

  bool found = false;
  if (between) {
    float F = 0.0f;
    int IER = kRootFound;
    RTMI1(s.COTANP(J, 1), F, TOPHT, above, below, kArgumentTolerance, kSearchResidual, 100, IER);
    found = IER == kRootFound;
  }
  if (!found) {
    float lower = IL >= 2 ? 0.1f * below : -100.0f;
    float upper = below;
    found = searchMemberOne(J, lower, upper, IL >= 2 ? below / 2.0f : 100.0f);
  }
  if (!found) noEquilibrium(H, "the search for member 1's angle did not converge");

  const ColumnMisfit misfit = columnMisfit(J);
  float columnLength = 0.0f;
  for (int I = 1; I <= s.NCON; ++I) columnLength += s.CNLEN(I);
  if (std::fabs(misfit.height) > std::max(kClosureTolerance * columnLength, 2.0f * kSearchResidual)) {
    noEquilibrium(H, "the column's top misses its height");
  }
  if (!(misfit.moment <= kBalanceTolerance)) {
    noEquilibrium(H, "member " + fmtI(misfit.member, 0) + " misses its moment balance");
  }
  placeFromTheTop(J, H);
  for (int I = 1; I <= s.NCON; ++I) PHI[I - 1] = angleOf(s.COTANP(J, I));
}

}  // namespace

bool searchMemberOne(std::int32_t J, float& lower, float& upper, float step) {
  constexpr int kMaxNonConvergence = 5;
  constexpr int kMaxWidenings = 20;
  Solve& s = SOLVE;
  int failures = 0;
  int widenings = 0;
  for (;;) {
    float F = 0.0f;
    int IER = kRootFound;
    RTMI1(s.COTANP(J, 1), F, TOPHT, lower, upper, kArgumentTolerance, kSearchResidual, 100, IER);
    if (IER == kRootFound) return true;
    if (IER == kRootNotConverged) {
      if (++failures > kMaxNonConvergence) return false;
      upper *= 1.05f;
      lower *= 0.95f;
      continue;
    }
    if (widenings == kMaxWidenings) return false;
    ++widenings;
    upper += 2.0f * step;
    lower -= 2.0f * step;
    if (widenings >= 2) {
      upper = 5.0f * upper;
      lower = -0.9f * upper;
    }
  }
}

void columnAtLoad(float H, float* PHI) {
  const Solve& s = SOLVE;
  const std::int32_t NCON = s.NCON;
  if (!staticsSearchTable()) {
    const std::int32_t IL = intervalOf(H);
    for (std::int32_t I = 1; I <= NCON; ++I) INTERP(EQUILB.HLOAD.data(), &SOLVE.PHIANG(1, I), H, PHI[I - 1], IL);
    return;
  }
  if (const std::int32_t J = tablePointAt(H); J != 0) {
    for (std::int32_t I = 1; I <= NCON; ++I) PHI[I - 1] = s.PHIANG(J, I);
    return;
  }
  // The row of the table point above H (or the first row past the table) takes the search, so that
  // the row before it holds the point below.
  const std::int32_t N = TPCM.NUMTAB;
  std::int32_t IL = intervalOf(H);
  if (H > EQUILB.HLOAD(N)) IL = N;
  solveInRow(H, std::min(IL + 1, kMaxTablePoints), IL, PHI);
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

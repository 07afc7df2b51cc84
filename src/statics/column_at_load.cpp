#include "statics/column_at_load.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

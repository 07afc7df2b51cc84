#include "dataset/member_checks.h"

#include <string>

#include "dataset/member_coefficients.h"
#include "dataset/tpcm.h"
#include "numlib/algebra.h"
#include "numlib/member_geometry.h"
#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr int kMaxHullMembers = 50;  // the extent of the member table
// The length dimension may differ from the distance of the ends by 1 %.
constexpr float kLengthRatioHigh = 1.01f;
constexpr float kLengthRatioLow = 0.99f;

std::string member(std::int32_t IMEM) { return fmtI(IMEM, 2); }

}  // namespace

void CHKPAK(std::int32_t IMEM, std::int32_t& IWARN, std::int32_t& IFATAL, std::int32_t& IPROB,
            std::int32_t& IPIERC) {
  IWARN = 0;
  IFATAL = 0;
  IPROB = 0;
  if (IMEM > TPCM.NCYL || IMEM < 1 || IMEM > kMaxHullMembers) return;
  const int i = IMEM;
  const std::int32_t unit = TPCM.EDUNIT;
  const float* base = &TPCM.RCYLB(1, i);
  const float* top = &TPCM.RCYLT(1, i);
  const auto fatal = [&](std::string_view text) {
    writeRecord(unit, text);
    IWARN = IFATAL = IPROB = IPIERC = 1;
  };

  // A member without length has no direction and no waterline crossing to classify.
  if (base[0] == top[0] && base[1] == top[1] && base[2] == top[2]) {
    fatal(" ++> Fatal Warning: Member " + member(IMEM) + " has zero length: its top and base coincide.");
    return;
  }

  float D[3], DC[3], XLEN = 0.0f, WLEN = 0.0f, FAC = 0.0f;
  std::int32_t ICODE = 0;
  WPCHEK(base, top, TPCM.DRAFT, D, DC, XLEN, WLEN, FAC, ICODE);

  const float R = XLEN / TPCM.DIAMS(3, i);
  if (R > kLengthRatioHigh || R < kLengthRatioLow) {
    writeRecord(unit, " ++> Warning: Mz-dimension inconsistent with top/base locations for member " + member(IMEM));
    IWARN = IPROB = 1;
  }

  if (base[2] > top[2] || ICODE == kMemberFalling) {
    fatal(" ++> Fatal Warning: Top of member " + member(IMEM) + " is below the base!");
  } else if (ICODE == kMemberAbove) {
    writeRecord(unit, " ++> Warning: Member number " + member(IMEM) + " is completely dry!");
    IWARN = IPROB = 1;
  } else if (ICODE == kMemberRising) {
    IPIERC = 1;
    if (TPCM.BOTTYP(i) != 1 && TPCM.TOPTYP(i) != 1) {
      writeRecord(unit, " ++> Warning: Member number " + member(IMEM) + " top/bottom types should be checked!");
      IWARN = IPROB = 1;
    }
  } else if (ICODE != kMemberBelow) {
    fatal(" ++> Fatal Warning: SOMETHING is seriously amiss with Member " + member(IMEM));
  }

  // Other member kinds keep the direction code they hold.
  if (TPCM.MEMTYP(i) == 0) {
    float length = 0.0f;
    int axis = 0;
    VECLEN(top, base, length, axis);
    TPCM.MEMDIR(i) = axis;
  }

  if (TPCM.MASCMP(i) != 0) {
    std::int32_t IFAIL = 0;
    MSCALC(IMEM, IPROB, IFAIL);
    // The checks go on after a numerical failure: it is counted as fatal instead of a stop.
    if (IFAIL != 0) {
      writeRecord(unit, " ++> Fatal Warning: Member " + member(IMEM) + ": the free-surface added-mass correction failed.");
      IWARN = IFATAL = IPROB = 1;
    }
  }
  if (IPROB != 0) IWARN = 1;
}

}  // namespace qv

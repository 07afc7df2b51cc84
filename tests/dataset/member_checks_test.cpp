// The check of each member of a small semi-submersible's member table: waterline classes, the length
// dimension, end types, the direction code and the coefficient step.
#include "dataset/member_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "dataset/tpcm.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/hull_members.h"

namespace qv {
namespace {

using testing_support::column;
using testing_support::ConsoleCapture;
using testing_support::HullMember;
using testing_support::pontoon;
using testing_support::putMember;

class MemberChecks : public testing_support::HullMemberTest {};

struct Flags {
  std::int32_t IWARN, IFATAL, IPROB, IPIERC;
  bool operator==(const Flags&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Flags& f) {
  return os << "IWARN " << f.IWARN << " IFATAL " << f.IFATAL << " IPROB " << f.IPROB << " IPIERC " << f.IPIERC;
}

Flags check(int member, std::int32_t piercing = 0) {
  Flags f{-1, -1, -1, piercing};
  CHKPAK(member, f.IWARN, f.IFATAL, f.IPROB, f.IPIERC);
  return f;
}

TEST_F(MemberChecks, EachKindOfMember) {
  const auto lengthOff = [] {
    HullMember m = column(30, 30);
    m.dims[2] = 40.8f;  // 2 % longer than the member
    return m;
  };
  const auto withTypes = [](HullMember m, std::int32_t bottom, std::int32_t top) {
    m.bottomType = bottom;
    m.topType = top;
    return m;
  };
  struct Case {
    const char* what;
    HullMember member;
    std::string screen;
    Flags flags;
  };
  const Case cases[] = {
      {"a column through the waterline on its pontoon", column(30, 30), "", {0, 0, 0, 1}},
      {"its length dimension 2 % off", lengthOff(),
       " ++> Warning: Mz-dimension inconsistent with top/base locations for member  1\n", {1, 0, 1, 1}},
      {"a pontoon below the surface", pontoon(30), "", {0, 0, 0, 0}},
      {"a column with free ends through the surface", withTypes(column(30, 30), 0, 2),
       " ++> Warning: Member number  1 top/bottom types should be checked!\n", {1, 0, 1, 1}},
      {"a column closed at its top only", withTypes(column(30, 30), 0, 1), "", {0, 0, 0, 1}},
      {"a deck beam above the surface", {{-30, 0, 30}, {30, 0, 30}, {5, 5, 60}},
       " ++> Warning: Member number  1 is completely dry!\n", {1, 0, 1, 0}},
      {"a brace whose top is below its base, both under water", {{0, 0, 15}, {0, 10, 5}, {4, 4, 14.142136f}},
       " ++> Fatal Warning: Top of member  1 is below the base!\n", {1, 1, 1, 1}},
      {"a column standing on its head through the surface", {{0, 0, 40}, {0, 0, 0}, {10, 10, 40}, 1},
       " ++> Fatal Warning: Top of member  1 is below the base!\n", {1, 1, 1, 1}},
      {"a member of no length", {{5, 5, 5}, {5, 5, 5}, {5, 5, 5}},
       " ++> Fatal Warning: Member  1 has zero length: its top and base coincide.\n", {1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    TPCM.NCYL = 0;
    putMember(1, c.member);
    ConsoleCapture console;
    EXPECT_EQ(check(1), c.flags) << c.what;
    EXPECT_EQ(console.screen(), c.screen) << c.what;
  }
}

TEST_F(MemberChecks, BeyondTheTableNothingIsChecked) {
  // A member past NCYL is not looked at, whatever it holds; a count beyond the table stops at 50.
  putMember(1, column(30, 30));
  putMember(2, {{5, 5, 5}, {5, 5, 5}, {5, 5, 5}});
  TPCM.NCYL = 1;
  ConsoleCapture console;
  EXPECT_EQ(check(2, 1), (Flags{0, 0, 0, 1}));
  EXPECT_EQ(check(2, 0), (Flags{0, 0, 0, 0}));
  TPCM.NCYL = 60;
  EXPECT_EQ(check(51, 0), (Flags{0, 0, 0, 0}));
  EXPECT_EQ(console.screen(), "");
}

TEST_F(MemberChecks, DirectionCodeFollowsTheEnds) {
  struct Case {
    HullMember member;
    std::int32_t stored, expected;
  };
  HullMember keptKind = pontoon(30);
  keptKind.kind = 1;  // a member of another kind keeps its code
  const Case cases[] = {
      {pontoon(30), 4, 1},
      {{{0, -30, 5}, {0, 30, 5}, {10, 10, 60}}, 4, 2},
      {column(30, 30), 1, 3},
      {{{0, 0, 0}, {10, 0, 10}, {4, 4, 14.142136f}, 1, 1}, 1, 4},
      {keptKind, 2, 2},
  };
  for (const Case& c : cases) {
    putMember(1, c.member);
    TPCM.MEMDIR(1) = c.stored;
    check(1);
    EXPECT_EQ(TPCM.MEMDIR(1), c.expected) << c.member.base[0] << " " << c.member.base[1];
  }
}

TEST_F(MemberChecks, TheCoefficientStepReportsThroughTheFlags) {
  // Coefficients asked for and formed: nothing to report.
  HullMember m = column(30, 30);
  m.coefficients = 1;
  putMember(1, m);
  {
    ConsoleCapture console;
    EXPECT_EQ(check(1), (Flags{0, 0, 0, 1}));
    EXPECT_EQ(console.screen(), "");
    EXPECT_GT(TPCM.CYLCM(1, 1), 0.5f);
  }
  // A section without width: the coefficients cannot be formed, a warning.
  TPCM.DIAMS(1, 1) = 0.0f;
  {
    ConsoleCapture console;
    EXPECT_EQ(check(1), (Flags{1, 0, 1, 1}));
    EXPECT_EQ(console.screen(),
              " ++> All member dimension data and member endpoint data must be\n"
              "     specified before mass/damping coefficients can be computed.\n"
              "     Check for missing or incorrect data...\n");
    EXPECT_EQ(TPCM.MASCMP(1), 0);
  }
}
TEST_F(MemberChecks, AFailedSurfaceCorrectionIsAFatalWarningNotAStop) {
  // A flat member (20 ft wide, 2 ft high) just under the surface asks for the correction: its depth
  // is raised to the limit of its aspect ratio, the map fails there, and the user gives up on it.
  HullMember flat{{-20, 0, 19}, {20, 0, 19}, {20, 2, 40}, 0, 0, 1, 2};
  putMember(1, flat);
  ConsoleCapture console("\nA\n");
  EXPECT_EQ(check(1), (Flags{1, 1, 1, 0}));
  const std::string screen = console.screen();
  EXPECT_TRUE(testing_support::contains(screen, " ++> Warning: conformal map failure in surface added-mass correction algorithm;\n"))
      << screen;
  EXPECT_TRUE(testing_support::contains(
      screen, " ++> Fatal Warning: Member  1: the free-surface added-mass correction failed.\n"))
      << screen;
  EXPECT_EQ(console.unread(), "");
  EXPECT_EQ(TPCM.MASCMP(1), 2) << "the next check finds it again";
}

}  // namespace
}  // namespace qv

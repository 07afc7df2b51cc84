// A column-stabilised hull is one hull whichever end of a member is entered as its base: the wet
// part of a member is found from where its two ends lie. The fixture semi with a pair of inclined
// braces from its pontoons' tops at (15, +-30, 8) m to its deck at (-15, +-30, 26) m, two thirds of
// them under the 20 m waterline, entered from their lower and from their upper ends; its columns
// entered from their tops; members wholly under water or wholly in the air either way; the braces
// cut under water into two pieces, each entered from its upper end. Independent values: the
// waterplane, the displacement and the centres of the braces' wet parts in closed form, and each
// description against the one entered from the lower ends.
//
// End drag acts where an end meets the water: the lower end of a member through the water surface
// takes it whichever end it is entered as, its end type not read (as a base's is not), so that a
// column entered from its top keeps its keel's drag; a submerged member's far end takes it where
// its end type is 0.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/semi_response.h"
#include "hull/semi/simcom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::HullMember;
using testing_support::IsClose;
using testing_support::ResponseTolerance;
using testing_support::semiResponse;
using testing_support::SemiResponse;
using testing_support::setMember;

using testing_support::Entered;
using testing_support::kBraceLower;
using testing_support::kBraceUpper;
using testing_support::Point;
using testing_support::putBraces;
using testing_support::putCircularMember;

// The braces through the water surface, 2 m across, no end drag (the finding's braces).
std::function<void()> braces(Entered entered, float diameter = 2.0f, float endDrag = 0.0f) {
  return [=] { putBraces(entered, kBraceLower, kBraceUpper, diameter, endDrag, 1); };
}

// The fixture's member I entered from its other end, with the end type `topType` at its new far end.
void swapEnds(int I, std::int32_t topType) {
  Tpcm& t = TPCM;
  for (int j = 1; j <= 3; ++j) std::swap(t.RCYLB(j, I), t.RCYLT(j, I));
  t.TOPTYP(I) = topType;
}

// What SEMCHR makes of the hull, beside the damping and the response: volume, centres, waterplane,
// metacentres, virtual masses and inertias, rotation centres, natural frequencies, waterline widths.
std::vector<std::pair<const char*, float>> characteristics() {
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  const Pascom& p = PASCOM;
  return {{"VOLEST", t.VOLEST}, {"VCBEST", t.VCBEST}, {"XCBEST", t.XCBEST},     {"YCBEST", t.YCBEST},
          {"AWPEST", t.AWPEST}, {"XWPCTR", t.XWPCTR}, {"YWPCTR", t.YWPCTR},     {"GMTEST", t.GMTEST},
          {"GMLEST", t.GMLEST}, {"HVMAS", h.HVMAS},   {"SGMAS", h.SGMAS},       {"SWMAS", h.SWMAS},
          {"PTCHI", h.PTCHI},   {"ROLI", h.ROLI},     {"YAWI", h.YAWI},         {"VTCRP", h.VTCRP},
          {"VTCRR", h.VTCRR},   {"XCRYW", h.XCRYW},   {"WH", h.WH},             {"WP", h.WP},
          {"WR", h.WR},         {"MENWLX", p.MENWLX}, {"MENWLY", p.MENWLY},     {"ACDSG", p.ACDSG},
          {"ACDSW", p.ACDSW},   {"NPIERCE", static_cast<float>(SIMCOM.NPIERCE)}};
}

struct Described {
  std::vector<std::pair<const char*, float>> hull;
  SemiResponse response;
};

// The fixture semi, its members changed by `describe`, on periods from 4 to 34 s (past its pitch
// resonance), at the heading.
Described describedHull(const std::function<void()>& describe, float headingDeg) {
  testing_support::setFixtureSemi();
  testing_support::setGrid(4.0f, 0.5f, 61);
  describe();
  Described d;
  d.response = semiResponse(headingDeg);
  d.hull = characteristics();
  return d;
}

class MemberEnds : public testing_support::FreshRun {};

TEST_F(MemberEnds, EitherEndEnteredAsTheBaseGivesOneHull) {
  const auto asFixture = [] {};
  // Each case: two descriptions of one hull, and how close they must come.
  constexpr ResponseTolerance kSame{1e-4, 1e-4, 1e-4};
  // Cut into pieces the drag is summed by Simpson's rule over other points (as for any cut member),
  // and the added mass of each piece lies at its own centroid (the inertias within 2e-4).
  constexpr ResponseTolerance kCut{1e-5, 5e-3, 5e-3};
  struct Case {
    const char* what;
    std::function<void()> one, other;
    ResponseTolerance tolerance;
    bool cut = false;  // the mean waterline widths and drag of the crossing members are by piece
  };
  const Case cases[] = {
      {"inclined braces through the surface, lower end first and upper end first",
       braces(Entered::kLowerEndFirst), braces(Entered::kUpperEndFirst), kSame},
      // The finding's second pair; with end drag at their lower ends, which meet the water.
      {"inclined braces 5 m across with end drag", braces(Entered::kLowerEndFirst, 5.0f, 1.0f),
       braces(Entered::kUpperEndFirst, 5.0f, 1.0f), kSame},
      // Vertical, with the keel's end drag 0.6: entered from the top, the keel is the far end. Its
      // end type 1 (a column standing on its pontoon) is not read, as the base's is not.
      {"the four columns entered from their tops", asFixture,
       [] {
         for (int I = 1; I <= 4; ++I) swapEnds(I, 1);
       },
       kSame},
      {"inclined braces wholly under water",
       [] { putBraces(Entered::kLowerEndFirst, kBraceLower, {-15.0f, 0.0f, 18.0f}, 2.0f, 0.0f, 1); },
       [] { putBraces(Entered::kUpperEndFirst, kBraceLower, {-15.0f, 0.0f, 18.0f}, 2.0f, 0.0f, 1); }, kSame},
      // End drag 0.5 at both ends, both of end type 0: the same faces meet the water either way.
      {"the pontoons and the horizontal braces entered from their other ends", asFixture,
       [] {
         for (int I = 5; I <= 8; ++I) swapEnds(I, TPCM.TOPTYP(I));
       },
       kSame},
      // A deck beam in the air adds nothing, whichever end comes first.
      {"a member wholly in the air", asFixture,
       [] { putCircularMember(9, {-15.0f, 0.0f, 26.0f}, {15.0f, 0.0f, 22.0f}, 2.0f, 1.0f, 0); }, kSame},
      {"a member wholly in the air, from its other end", asFixture,
       [] { putCircularMember(9, {15.0f, 0.0f, 22.0f}, {-15.0f, 0.0f, 26.0f}, 2.0f, 1.0f, 0); }, kSame},
      // Cut at (0, y, 17), each piece from its upper end: the lower piece wholly under water, the
      // upper one through the surface; no end drag at the joint.
      {"inclined braces cut under water, each piece from its upper end", braces(Entered::kLowerEndFirst),
       [] {
         const Point joint{0.0f, 0.0f, 17.0f};
         putBraces(Entered::kUpperEndFirst, kBraceLower, joint, 2.0f, 0.0f, 1);
         Point lower = joint, upper = kBraceUpper;
         int I = 10;
         for (const float y : {30.0f, -30.0f}) {
           lower[1] = upper[1] = y;
           putCircularMember(++I, upper, lower, 2.0f, 0.0f, 1);
         }
       },
       kCut, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const float headingDeg : {0.0f, 30.0f, 90.0f}) {
      SCOPED_TRACE(headingDeg);
      const Described one = describedHull(c.one, headingDeg);
      const Described other = describedHull(c.other, headingDeg);
      for (std::size_t k = 0; k < one.hull.size(); ++k) {
        const std::string name = one.hull[k].first;
        if (c.cut && (name.starts_with("MENWL") || name.starts_with("ACDS"))) continue;
        EXPECT_TRUE(IsClose(other.hull[k].second, one.hull[k].second, c.cut ? 2e-4 : 1e-4, 1e-5)) << name;
      }
      testing_support::expectSameResponse(one.response, other.response, c.tolerance);
    }
  }
}

// The braces' wet parts against their closed forms, entered either way: each is 2/3 of its length
// L = sqrt(30^2 + 18^2) under water, from (15, y, 8) to the cut at (-5, y, 20); its waterplane is the
// section's cut by the water surface, an ellipse of area pi r^2 / sin(a), sin(a) = 18 / L.
TEST_F(MemberEnds, InclinedBracesAgainstTheirClosedForms) {
  const double L = std::sqrt(30.0 * 30.0 + 18.0 * 18.0);
  const double wet = 2.0 / 3.0 * L;
  const double section = std::numbers::pi;  // 2 m across
  const double cut = section / (18.0 / L);
  // The fixture's members: four columns 10 m across, 12 m under water about z = 14; two pontoons of
  // 96 m^2 and two braces of 7.06858 m^2 about z = 4; the braces' wet parts about (5, +-30, 14).
  const double columns = 4.0 * 78.5398 * 12.0, lower = 2.0 * 96.0 * 90.0 + 2.0 * 7.06858 * 48.0;
  const double wetBraces = 2.0 * section * wet;
  const double volume = columns + lower + wetBraces;
  const double waterplane = 4.0 * std::numbers::pi * 25.0 + 2.0 * cut;
  EXPECT_TRUE(IsClose(waterplane, 326.37, 0.0, 0.005));  // the finding's value
  for (const Entered entered : {Entered::kLowerEndFirst, Entered::kUpperEndFirst}) {
    SCOPED_TRACE(entered == Entered::kLowerEndFirst ? "lower end first" : "upper end first");
    testing_support::setFixtureSemi();
    braces(entered)();
    TPCM.NOWARN = 1;
    testing_support::ConsoleCapture console("\n\n");  // the waterline notice may ask
    SEMCHR();
    const Tpcm& t = TPCM;
    const Simcom& m = SIMCOM;
    EXPECT_TRUE(IsClose(t.AWPEST, waterplane, 1e-5));
    EXPECT_TRUE(IsClose(t.VOLEST, volume, 1e-5));
    EXPECT_TRUE(IsClose(t.VCBEST, ((columns + wetBraces) * 14.0 + lower * 4.0) / volume, 1e-5));
    EXPECT_TRUE(IsClose(t.XCBEST, wetBraces * 5.0 / volume, 1e-4));
    EXPECT_TRUE(IsClose(t.XWPCTR, 2.0 * cut * -5.0 / waterplane, 1e-4));
    EXPECT_EQ(m.NPIERCE, 6);
    for (const int I : {9, 10}) {
      SCOPED_TRACE(I);
      const double y = I == 9 ? 30.0 : -30.0;
      EXPECT_EQ(m.LPIERCE(I), 1);
      EXPECT_TRUE(IsClose(m.CYLLEN(I), 1.001 * wet, 1e-6));
      EXPECT_TRUE(IsClose(m.CYLCG(1, I), 5.0, 1e-5));
      EXPECT_TRUE(IsClose(m.CYLCG(2, I), y, 1e-6));
      EXPECT_TRUE(IsClose(m.CYLCG(3, I), 14.0, 1e-6));
      // Where the low-frequency drag and the relative motion find it crossing the surface: at
      // (-5, y), but for the crossing members' 1.001.
      const auto [x, yTop] = wettedTop(I);
      EXPECT_TRUE(IsClose(x, -5.0, 0.0, 0.001 * wet));
      EXPECT_TRUE(IsClose(yTop, y, 1e-6));
    }
  }
}

}  // namespace
}  // namespace qv

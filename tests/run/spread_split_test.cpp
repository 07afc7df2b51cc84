// A free column's wave-frequency statistics split each sea about the column's own plane (heading 0),
// a spread sea as a long-crested one. The committed free example with the sea, the regular waves,
// the wind and the current all turned to heading h runs once long-crested and once with the sea
// spread as cos^50 about h (page 15, items 20 and 21). Independent of every load model:
//
//   - the column is axisymmetric and its drag sees the current's speed alone, so its total response
//     (in the plane and across it) is the same at every heading and in both seas;
//   - a wave toward a moves it along a, so turning the whole environment by h turns the response's
//     split as a vector turns: the share in the plane at h is cos^2 h times the share in the plane at
//     0 plus sin^2 h times the share across it at 0;
//   - a cosine power of 50 puts at most 1/52 of the sea's variance off its mean direction
//     (tests/dynamics/reference/spread_share_reference.py: the split departs from the long-crested
//     cos^2 h by at most 0.019230769 over the turn), so the spread sea's split is the long-crested
//     one within 2 % of the variance at every heading.
//
// The values compared are the two-sigma amplitudes that "RANOUT.stxt" prints, as its statistics
// leave them in OUTPUT: the member tops' radial and lateral motions, the members' in-plane and
// transverse angles and the base's in-plane and lateral shear, and the base's axial load.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "slowdrift/output.h"
#include "support/report_values.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::readFileText;

constexpr float kNarrowSpreading = 50.0f;     // the cosine power of the spread sea
constexpr double kLongCrestedSplit = 0.02;    // of the variance: at most 1/52 leaves the mean direction
constexpr double kSameResponse = 1.0e-4;      // relative: one model, single precision

const double kHeadings[] = {0.0, 45.0, 90.0, 135.0, 180.0, 225.0, 270.0, 17.0, -123.0};  // [deg]

// One quantity of the column as the plane splits it: its two-sigma amplitudes in the plane and
// across it.
struct Split {
  const char* name;
  double inPlane, across;
  double total2() const { return inPlane * inPlane + across * across; }
  double inPlaneShare() const { return inPlane * inPlane / total2(); }
};

struct Statistics {
  std::array<Split, 5> splits;
  double baseAxial;  // two sigma [t]
};

// The free example with its whole environment toward h [deg], long-crested or spread.
std::string turnedExample(double h, bool spread) {
  return edited(example("free-salm"), [h, spread](Tpcm& t) {
    const float heading = static_cast<float>(h);
    t.SEAHDG(1) = heading;
    t.WAVHDG(1) = heading;
    t.WNDHDG = heading;
    t.CURHDG = heading;
    t.LSPRED = spread ? 1 : 0;
    t.COSEXP = kNarrowSpreading;
  });
}

class SpreadSplit : public testing_support::ExampleRun {
 protected:
  Statistics run(double h, bool spread) {
    closeAllUnits();
    resetAllBlocks();
    EXPECT_EQ(runImage(turnedExample(h, spread)), -1) << readFileText("Diagnostics.stxt");
    const Output& o = OUTPUT;
    return {{{{"member 1 top (radial, lateral)", o.RSIGHF(1), o.RSIGHF(3)},
              {"member 2 top (radial, lateral)", o.RSIGHF(4), o.RSIGHF(6)},
              {"member 1 angle (in-plane, transverse)", o.ASIGHF(1), o.TSIGHF(1)},
              {"member 2 angle (in-plane, transverse)", o.ASIGHF(2), o.TSIGHF(2)},
              {"base shear (in-plane, lateral)", o.FSIGHF(1, 1), o.FSIGHF(1, 3)}}},
            o.FSIGHF(1, 2)};
  }
};

TEST_F(SpreadSplit, ANarrowSpreadingSplitsAsTheLongCrestedSeaAtEveryHeading) {
  for (const double h : kHeadings) {
    const Statistics longCrested = run(h, false);
    const Statistics spread = run(h, true);
    for (std::size_t k = 0; k < spread.splits.size(); ++k) {
      const Split& a = longCrested.splits[k];
      const Split& b = spread.splits[k];
      SCOPED_TRACE(std::string(b.name) + " at " + std::to_string(h) + " deg");
      ASSERT_GT(a.total2(), 0.0);
      EXPECT_NEAR(b.total2(), a.total2(), kSameResponse * a.total2()) << "the total";
      EXPECT_NEAR(b.inPlaneShare(), a.inPlaneShare(), kLongCrestedSplit)
          << "long-crested " << a.inPlane << " / " << a.across << ", spread " << b.inPlane << " / " << b.across;
    }
    EXPECT_NEAR(spread.baseAxial, longCrested.baseAxial, kSameResponse * longCrested.baseAxial) << h << " deg";
  }
}

TEST_F(SpreadSplit, TurningTheEnvironmentTurnsTheSplitInBothSeas) {
  for (const bool spread : {false, true}) {
    const Statistics ahead = run(0.0, spread);
    for (const double h : kHeadings) {
      const Statistics turned = run(h, spread);
      const double c2 = std::pow(std::cos(h * std::acos(-1.0) / 180.0), 2);
      const double s2 = 1.0 - c2;
      for (std::size_t k = 0; k < turned.splits.size(); ++k) {
        const Split& a = ahead.splits[k];
        const Split& b = turned.splits[k];
        SCOPED_TRACE(std::string(spread ? "spread: " : "long-crested: ") + b.name + " at " + std::to_string(h) +
                     " deg");
        const double tolerance = kSameResponse * a.total2();
        EXPECT_NEAR(b.inPlane * b.inPlane, c2 * a.inPlane * a.inPlane + s2 * a.across * a.across, tolerance);
        EXPECT_NEAR(b.across * b.across, s2 * a.inPlane * a.inPlane + c2 * a.across * a.across, tolerance);
      }
    }
  }
}

}  // namespace
}  // namespace qv

// The random-sea statistics report: the most probable peak against the extremes of a Rayleigh
// process (the narrow-band form and the exact mode of the largest of N peaks, computed with scipy),
// its floor and its independence of the one- or two-sigma display; the conversion of the variances
// into amplitudes exactly once; the pages and the way back through them on the console; a free
// SALM's pages; an unknown table kind.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "dynamics/dynslm.h"
#include "dynamics/printed_loads.h"
#include "dynamics/ranout.h"
#include "dynamics_report_fixtures.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::IsClose;

class StatisticsReport : public testing_support::FreshRun {};

// With no low-frequency motion the peak over a storm of H hours is the narrow-band Rayleigh extreme
// sigma sqrt(2 ln N), N = H 3600 / T the number of response cycles (T = 2 pi / W), whatever the
// display factor; the exact mode of the largest of N Rayleigh peaks lies within 1 % of it:
//   N = h 3600 W / (2 pi); brentq on d/dx [ln f(x) + (N - 1) ln F(x)] = 0, f and F the Rayleigh
//   density and distribution: sigma 1.5, 3 h, W 0.8 -> 5.7303968999188175 (sqrt form 5.7024787);
//   sigma 0.2, 12 h, W 1.3 -> 0.855768408763565 (0.85313928)
TEST_F(StatisticsReport, PeakIsTheRayleighExtremeOfTheStormsCycles) {
  struct Case {
    double sigma, hours, W, narrowBand, mode;
  };
  const Case cases[] = {{1.5, 3.0, 0.8, 5.702478722384626, 5.7303968999188175},
                        {0.2, 12.0, 1.3, 0.8531392839291998, 0.855768408763565}};
  for (const Case& c : cases) {
    for (const float SIGFAC : {1.0f, 2.0f}) {
      const float peak = HPKVAL(SIGFAC * static_cast<float>(c.sigma), 0.0f, static_cast<float>(c.hours),
                                static_cast<float>(c.W), SIGFAC);
      EXPECT_TRUE(IsClose(peak, c.narrowBand, 1e-4)) << c.sigma << ", " << SIGFAC;
      EXPECT_TRUE(IsClose(peak, c.mode, 1e-2)) << c.sigma << ", " << SIGFAC;
    }
  }
}

// Fewer than 7.4 cycles count as 7.4: a short storm, no response frequency, or a low-frequency
// motion so large that the wave-frequency cycles do not count.
TEST_F(StatisticsReport, PeakCountsAtLeastSevenPointFourCycles) {
  const float floorFactor = std::sqrt(2.0f * std::log(7.4f));
  EXPECT_FLOAT_EQ(HPKVAL(2.0f, 0.0f, 0.001f, 1.0f, 2.0f), floorFactor);
  EXPECT_FLOAT_EQ(HPKVAL(2.0f, 0.0f, 3.0f, 0.0f, 2.0f), floorFactor);
  EXPECT_FLOAT_EQ(HPKVAL(2.0f, 1.0e6f, 3.0f, 1.0f, 2.0f), floorFactor);
  EXPECT_FLOAT_EQ(FSQRT(3.0f, 4.0f), 5.0f);
}

// The low-frequency deviations come scaled by the same display factor as the wave-frequency
// amplitude, so the peak does not depend on showing one or two sigma.
TEST_F(StatisticsReport, PeakDoesNotDependOnTheDisplayFactor) {
  const float sigma = 1.3f;
  for (const float lowFrequency : {0.2f, 0.65f, 0.9f, 4.0f}) {
    const float one = HPKVAL(sigma, lowFrequency, 3.0f, 0.9f, 1.0f);
    const float two = HPKVAL(2.0f * sigma, 2.0f * lowFrequency, 3.0f, 0.9f, 2.0f);
    EXPECT_TRUE(IsClose(one, two, 1e-6)) << lowFrequency;
  }
  // A low-frequency motion above half the wave-frequency amplitude takes cycles away.
  EXPECT_LT(HPKVAL(sigma, 4.0f, 3.0f, 0.9f, 1.0f), HPKVAL(sigma, 0.2f, 3.0f, 0.9f, 1.0f));
}

// The 84 words from FSIGHF become SIGFAC standard deviations, the rest of the run stays; without a
// random sea or a swell only section XI is written.
TEST_F(StatisticsReport, VariancesBecomeAmplitudesOnce) {
  for (const std::int32_t ONETWO : {0, 1}) {
    SCOPED_TRACE("ONETWO " + std::to_string(ONETWO));
    testing_support::TempDir dir;
    testing_support::threeMemberColumn();
    TPCM.ONETWO = ONETWO;
    for (int k = 1; k <= 90; ++k) OUTPUT.SIGVAR(k) = static_cast<float>(k);
    testing_support::ConsoleCapture console;
    RANOUT();
    const float factor = ONETWO == 0 ? 2.0f : 1.0f;
    for (int k = 1; k <= 90; ++k) {
      const float expected = k <= 84 ? factor * std::sqrt(static_cast<float>(k)) : static_cast<float>(k);
      EXPECT_FLOAT_EQ(OUTPUT.SIGVAR(k), expected) << k;
    }
    EXPECT_EQ(console.screen(), "\n >>> Outputting irregular wave/peak load data...\n\n");
    const std::string report = testing_support::readFileText("RANOUT.stxt");
    EXPECT_TRUE(contains(report, "XI.  SALM INTERNAL MODE CHARACTERISTICS"));
    EXPECT_FALSE(contains(report, "IX."));
  }
}

// The pages the screen showed, in order: IX or X with their subject, or XI.
std::vector<std::string> pagesShown(const std::string& screen) {
  std::vector<std::string> shown;
  std::istringstream lines(screen);
  std::string line;
  while (std::getline(lines, line)) {
    const auto subject = [&](const char* section) {
      const std::string s = line.find("MOMENTS/LOADS") != std::string::npos ? "ML"
                            : line.find("MOTIONS") != std::string::npos ? "M"
                                                                        : "L";
      shown.push_back(std::string(section) + "-" + s);
    };
    if (line.find("IX.  COMPOSITE") != std::string::npos) subject("IX");
    else if (line.find(" X.  MOST PROBABLE") != std::string::npos) subject("X");
    else if (line.find("XI.  SALM INTERNAL") != std::string::npos) shown.push_back("XI");
  }
  return shown;
}

// On the console every page pauses; -1 goes back from the peak motions to the motions, from the
// loads to the peak motions (to themselves without a storm), from the peak loads to the loads, and
// at the last page of the moments or at section XI the report comes back at its peak loads (its
// loads without a storm); the moment pages have no way back of their own.
TEST_F(StatisticsReport, BackRepliesOnTheConsoleFollowThePages) {
  struct Case {
    const char* name;
    float DURATN;
    const char* replies;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"a storm",
       3.0f,
       "\n-1\n\n\n-1\n\n\n-1\n\n\n-1\n\n-1\n\n\n-1\n\n\n\n\n",
       {"IX-M", "X-M", "IX-M", "X-M", "IX-L", "X-M", "IX-L", "X-L", "IX-L", "X-L", "IX-ML", "X-ML", "XI", "X-L",
        "IX-ML", "X-ML", "X-L", "IX-ML", "X-ML", "XI"}},
      {"no storm", 0.0f, "\n-1\n\n-1\n\n\n", {"IX-M", "IX-L", "IX-L", "XI", "IX-L", "XI"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::TempDir dir;
    ASSERT_EQ(testing_support::englishHawserRunDoneForTheConsole(), -1);
    TPCM.DURATN = c.DURATN;
    testing_support::ConsoleCapture console(c.replies);
    RANOUT();
    EXPECT_EQ(pagesShown(console.screen()), c.shown);
    EXPECT_EQ(console.unread(), "");
  }
}

// A free SALM of one member: its member's ends without yoke sides, its moment points recomputed, its
// one mode named by frequency.
TEST_F(StatisticsReport, FreeSalmReportsItsMembersAndItsHighFrequencyMode) {
  testing_support::TempDir dir;
  testing_support::setDynamicsColumn({testing_support::twoMembers()[0]}, kRigidHawser);
  testing_support::setElementTables({testing_support::twoMembers()[0]});
  Tpcm& t = TPCM;
  t.FRESLM = 1;
  t.LRANDM = 1;
  t.DURATN = 3.0f;
  t.NMOMT = 1;
  t.LMOMT(1) = 1;
  // The free column stands upright under no mean load.
  EQUILB.FTOT(1) = EQUILB.TANGLE(1) = EQUILB.SLMANG(1) = 0.0f;
  Output& o = OUTPUT;
  o.EQCOS(1) = 1.0f;
  o.EQSIN(1) = 0.0f;
  for (int q = 1; q <= 5; ++q) o.STMOM(1, q) = 99.0f;
  o.TSALMH = 12.5f;
  o.GAMPHI = 0.1f;
  WAVCOM.TPK = 10.0f;
  for (int k = 1; k <= 90; ++k) o.SIGVAR(k) = 0.01f * static_cast<float>(k);
  testing_support::ConsoleCapture console;
  RANOUT();
  const std::string report = testing_support::readFileText("RANOUT.stxt");
  EXPECT_TRUE(contains(report, "HIGH-FREQUENCY MODE PERIOD    =   12.50 SECONDS\n"
                               "                    QUASI-LINEAR MODE DAMPING     =    5.00 PERCENT\n\n"))
      << report;
  EXPECT_FALSE(contains(report, "LOW-FREQUENCY MODE PERIOD"));
  EXPECT_FALSE(contains(report, "   1R"));
  EXPECT_TRUE(contains(report, "-----  STATIC EQUILIBRIUM MOMENTS/LOADS FOR MEMBER # 1  -----"));
  // The static loads of the moment point, recomputed for the upright member: no shear, no moment,
  // the axial load of its weight (30 kips) less its buoyancy (40 kips) above the bottom joint.
  EXPECT_EQ(o.STMOM(1, 1), 0.0f);
  EXPECT_EQ(o.STMOM(1, 2), -10.0f);
  EXPECT_EQ(o.STMOM(1, 3), 0.0f);
  EXPECT_EQ(o.STMOM(1, 4), 0.0f);
  EXPECT_EQ(o.STMOM(1, 5), 0.0f);
}

// A field holds a value exactly when fmtF prints it without asterisks: over each field's edges, in
// both signs, and where rounding carries the value over the edge.
TEST_F(StatisticsReport, AFieldHoldsWhatItPrintsWithoutAsterisks) {
  const double values[] = {0.0,       0.004,      0.5,       9.99,      9.995,      99999.99,  999999.99,
                           999999.994, 999999.995, 1.0e6,     1012855.4, 183597.36, 12345.678, 1.0e12};
  for (const int width : {3, 6, 9, 12}) {
    for (const int decimals : {1, 2, 3}) {
      for (const double magnitude : values) {
        for (const double value : {magnitude, -magnitude}) {
          const bool printed = fmtF(value, width, decimals).find('*') == std::string::npos;
          EXPECT_EQ(fitsField(value, width, decimals), printed) << value << " F" << width << "." << decimals;
        }
      }
    }
  }
}

// A load its field cannot hold stops the report where it would print asterisks, naming the load, its
// value and the field's limit, where the members stand under the mean load, and for a buoyant riser
// its length against the height to the keel; a load that fits prints.
TEST_F(StatisticsReport, ALoadBeyondItsFieldStopsTheReport) {
  testing_support::TempDir dir;
  testing_support::setDynamicsColumn(testing_support::twoMembers(), kBuoyantRiser);
  Output& o = OUTPUT;
  for (int m = 1; m <= 2; ++m) {  // the mean configuration, as the driver leaves it
    o.PHICON(m) = SOLVE.PHIANG(2, m);
    o.EQCOS(m) = std::cos(o.PHICON(m));
    o.EQSIN(m) = std::sin(o.PHICON(m));
  }
  RHOPEN("RANOUT.stxt", kFormatted, kFresh, 0, TPCM.IUNIT, "TEST", kScreenUnit, 0);
  o.FSIGHF(1, 2) = 999999.5f;  // the base's axial load: near the edge of its field
  {
    testing_support::ConsoleCapture console;
    RANDAT(1, 0.0f, 1.0f, 0.0f, 2.0f);
  }
  o.FSIGHF(1, 2) = 1.5e6f;
  testing_support::ConsoleCapture console("\n");
  EXPECT_EQ(testing_support::stopStatus([] { RANDAT(1, 0.0f, 1.0f, 0.0f, 2.0f); }), kExitFatal);
  closeAllUnits();
  EXPECT_EQ(console.screen(),
            " ++> RANOUT: The two-sigma wave-frequency deviation of the axial load at the\n"
            "     base is 1500000.00 kips, more than the report's field holds (999999.99).\n"
            "     Under the mean load of 40.00 kips, member 1 (element 1) stands at 17.19 deg\n"
            "     and member 2 (element 2) at 45.84 deg from the vertical. The loads that the\n"
            "     vessel's heave at the keel gives a buoyant riser grow without bound as its\n"
            "     members come into line. Give the buoyant riser more length than the height\n"
            "     from its hinge to the vessel's keel: lengthen an element (page 3, item 2),\n"
            "     reduce the water depth (page 1, item 4) or deepen the draft\n"
            "     (page 5, item 10).\n"
            "\n"
            " Press <RETURN> to continue: ");
  const std::string report = testing_support::readFileText("RANOUT.stxt");
  EXPECT_TRUE(contains(report, "   0       0.00   999999.50")) << report;
  EXPECT_FALSE(contains(report, "*****")) << report;
}

TEST_F(StatisticsReport, UnknownTableKindStops) {
  testing_support::threeMemberColumn();
  testing_support::ConsoleCapture console("\n");
  EXPECT_EQ(testing_support::stopStatus([] { RANDAT(7, 0.0f, 1.0f, 0.0f, 2.0f); }), kExitFatal);
  EXPECT_EQ(console.screen(), " ++> PROBLEMS IN RANDAT...\n\n Press <RETURN> to continue: ");
}

}  // namespace
}  // namespace qv

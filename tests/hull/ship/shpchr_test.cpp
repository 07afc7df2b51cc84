// SHPCHR: the equivalent box of a true box comes back, the characteristics agree with an independent
// evaluation, the natural periods settle on their nearest grid points, user periods take over, and
// the warnings and stops of a doubtful or impossible hull.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::stopStatus;
using testing_support::TempDir;

constexpr float kTwoPi = 6.2831855f;

class ShpchrTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::setTrueBox();
    testing_support::setGrid(5.0f, 0.5f, 51);  // 5 to 30 s
    testing_support::resetShipRun();
  }
};

// The grid point whose frequency lies nearest omega, by looking at every point.
int nearestGridPoint(float omega) {
  int best = 1;
  for (int i = 2; i <= TPCM.NWP; ++i) {
    if (std::fabs(WAVCOM.W(i) - omega) < std::fabs(WAVCOM.W(best) - omega)) best = i;
  }
  return best;
}

TEST_F(ShpchrTest, TrueBoxComesBack) {
  ConsoleCapture console;
  SHPCHR();
  const Himem& h = HIMEM;
  EXPECT_TRUE(IsClose(h.DELTA, 2.4e6, 1e-7));  // 153,600 kips x 1000 / 64
  EXPECT_TRUE(IsClose(h.EDRAFT, 40.0, 2e-3));
  EXPECT_TRUE(IsClose(h.BEAM, 100.0, 2e-3));
  EXPECT_TRUE(IsClose(h.SHIPL, 600.0, 2e-3));
  EXPECT_EQ(WAVCOM.SHPLNQ, h.SHIPL);
  EXPECT_EQ(WAVCOM.BEAMQ, h.BEAM);
  EXPECT_EQ(WAVCOM.DRAFTQ, h.EDRAFT);
  EXPECT_TRUE(IsClose(h.GML, 740.0, 1e-6));
  EXPECT_TRUE(IsClose(h.GMT, 10.8333, 1e-5));
  EXPECT_TRUE(IsClose(h.HC, 32.152 * 60000.0, 1e-6));
  EXPECT_TRUE(IsClose(h.PRMT, 32.152 * 740.0 * 2.4e6, 1e-6));
  EXPECT_EQ(console.screen(), "");  // a sound box draws no warning
}

TEST_F(ShpchrTest, CharacteristicsMatchAnIndependentEvaluation) {
  // /usr/bin/python3, double precision, the box found by scipy.optimize.brentq on the same objective,
  // SGSWMS by scipy.integrate.quad of the ellipsoid integral, the natural-frequency loop on the same
  // grid (wave numbers by brentq of y tanh y = w^2 h / g).
  SHPCHR();
  const Himem& h = HIMEM;
  struct Case {
    const char* name;
    double actual, expected, rel;
  };
  const Case cases[] = {
      {"CSG", h.CSG, 0.06250960169885075, 3e-4},     {"CSW", h.CSW, 0.935044284477746, 3e-4},
      {"VTCRR", h.VTCRR, 25.167845516460652, 1e-4},  {"VTCRP", h.VTCRP, 29.411680278306097, 1e-4},
      {"IHI", h.IHI, 5804643.946774322, 1e-4},       {"HMASHI", h.HMASHI, 2202940.9254658385, 1e-4},
      {"PMAS0", h.PMAS0, 103613826704.85118, 1e-4},  {"PMASHI", h.PMASHI, 55979850129.305824, 1e-4},
      {"RMAS0", h.RMAS0, 783571316.9509237, 1e-4},   {"RMASHI", h.RMASHI, 715215761.1019698, 1e-4},
      {"WPL", h.WPL, 0.7423635169161283, 1e-4},      {"WRL", h.WRL, 1.0328820674502472, 1e-4},
      {"PTCH1", h.PTCH1, 54013288970.09844, 1e-4},   {"ROL1", h.ROL1, 2999932263.7622395, 1e-4},
      {"YAWI", h.YAWI, 54000000000.0, 1e-4},         {"HVMAS", h.HVMAS, 4688957.294120468, 1e-4},
      {"PTCHI", h.PTCHI, 111011643851.77704, 1e-4},  {"ROLI", h.ROLI, 3859729140.489888, 1e-4},
      {"RMAS1", h.RMAS1, 859796876.7276485, 1e-4},   {"WH", h.WH, 0.6414185019117318, 1e-4},
      {"WP", h.WP, 0.7172015351118991, 1e-4},        {"WR", h.WR, 0.4653841499860152, 1e-4},
  };
  for (const Case& c : cases) EXPECT_TRUE(IsClose(c.actual, c.expected, c.rel)) << c.name;
  EXPECT_EQ(h.JH, 11);
  EXPECT_EQ(h.JP, 9);
  EXPECT_EQ(h.JR, 18);
}

TEST_F(ShpchrTest, NaturalPeriodsSettleOnTheirNearestGridPoints) {
  SHPCHR();
  const Himem& h = HIMEM;
  EXPECT_TRUE(IsClose(kTwoPi / h.WH, 2.0 * M_PI * std::sqrt(h.HVMAS / h.HC), 1e-6));
  EXPECT_TRUE(IsClose(kTwoPi / h.WP, 2.0 * M_PI * std::sqrt(h.PTCHI / h.PRMT), 1e-6));
  EXPECT_TRUE(IsClose(kTwoPi / h.WR, 2.0 * M_PI * std::sqrt(h.ROLI / h.RRMT), 1e-6));
  EXPECT_EQ(h.JH, nearestGridPoint(h.WH));
  EXPECT_EQ(h.JP, nearestGridPoint(h.WP));
  EXPECT_EQ(h.JR, nearestGridPoint(h.WR));
}

// Passes of the natural-frequency loop, counted from the trace lines.
int passesTraced(const std::string& screen) {
  int passes = 0;
  for (std::size_t at = screen.find("natural frequencies"); at != std::string::npos;
       at = screen.find("natural frequencies", at + 1)) {
    ++passes;
  }
  return passes;
}

TEST_F(ShpchrTest, UserPeriodsReplaceTheComputedOnes) {
  TPCM.NBUG = 1;
  TPCM.LPTPRD = TPCM.LHVPRD = TPCM.LRLPRD = 1;
  struct Case {
    float pitch, heave, roll;  // user periods [s]
    int JP, JH, JR;            // their grid points (grid 5 s step 0.5 s)
    int passes;
  };
  // From the last grid point the indices move once to the user periods' points, then stay: two
  // passes; user periods on the last point end the loop after the first.
  const Case cases[] = {{9.0f, 11.0f, 14.0f, 9, 13, 19, 2}, {30.0f, 30.0f, 30.0f, 51, 51, 51, 1}};
  for (const Case& c : cases) {
    TPCM.PITPRD = c.pitch;
    TPCM.HEVPRD = c.heave;
    TPCM.ROLPRD = c.roll;
    ConsoleCapture console;
    SHPCHR();
    const Himem& h = HIMEM;
    EXPECT_TRUE(IsClose(h.WP, kTwoPi / c.pitch, 1e-6));
    EXPECT_TRUE(IsClose(h.WH, kTwoPi / c.heave, 1e-6));
    EXPECT_TRUE(IsClose(h.WR, kTwoPi / c.roll, 1e-6));
    EXPECT_EQ(h.JP, c.JP);
    EXPECT_EQ(h.JH, c.JH);
    EXPECT_EQ(h.JR, c.JR);
    EXPECT_EQ(passesTraced(console.screen()), c.passes) << console.screen();
  }
}

TEST_F(ShpchrTest, MissingWaterplaneAreaIsTheBoxs) {
  TPCM.TAWP = 0.0f;
  ConsoleCapture console;
  SHPCHR();
  EXPECT_TRUE(IsClose(TPCM.TAWP, HIMEM.SHIPL * HIMEM.BEAM, 1e-7));  // kept in the data set
  EXPECT_TRUE(IsClose(HIMEM.HC, 32.152 * TPCM.TAWP, 1e-6));
  EXPECT_EQ(console.screen(), "");
}

// The box is the same each time the hull model runs again (once for each heading of the
// low-frequency stage): its warning and question come once in a run, and "A" there stops it.
TEST_F(ShpchrTest, SuspiciousBoxWarnsAndAsksOnceInARun) {
  TPCM.TAWP = 42000.0f;  // 70 % of the box's waterplane
  const std::string warning =
      " ++> Suspicious equivalent box\n --> Re-check input data and retry or proceed at risk...\n";
  const std::string question = "Enter \"A\" to abort or Press <RETURN> to continue: ";
  {
    ConsoleCapture console("\n\n");
    SHPCHR();
    EXPECT_EQ(console.screen(), warning + "\a\n " + question);
    SHPCHR();
    SHPCHR();
    EXPECT_EQ(console.screen(), warning + "\a\n " + question) << "the later runs of the hull model ask nothing";
  }
  testing_support::resetShipRun();
  ConsoleCapture console("A\n");
  EXPECT_EQ(stopStatus([] { SHPCHR(); }), 1);
}

// Where the vessel's own motions replace the box's, the warning names what the box still gives: the
// summary's figures, the driving forces, the centres of the surge and sway statistics and, for a
// tanker drift model, the pitch period that scales its forces unless the data set gives it.
TEST_F(ShpchrTest, SuspiciousBoxUnderTheVesselsOwnMotionsNamesWhatItStillGives) {
  constexpr std::int32_t kUserFile = 0x111, kTankerLegacy = 0x222, kTanker2001 = 0x666, kSurgeOnlyTanker = 0x112;
  const std::string head =
      " ++> Suspicious equivalent box\n --> Re-check input data and retry or proceed at risk...\n";
  const std::string still =
      "     The vessel's own motions (page 6, item 13) replace the box's; the box still\n"
      "     gives the summary's natural periods and damping, the driving forces of the\n";
  const std::string withoutDrift =
      "     RAO report and the pitch and roll centres at which the surge and sway\n"
      "     statistics are given.\n";
  const std::string withDrift =
      "     RAO report, the pitch and roll centres at which the surge and sway\n"
      "     statistics are given and the natural pitch period by which the tanker drift\n"
      "     model (page 8, item 22) scales its forces.\n";
  struct Case {
    const char* what;
    std::int32_t userRaos;
    std::int32_t driftModels;
    std::int32_t pitchPeriodGiven;
    std::string expected;
  };
  const Case cases[] = {
      {"the box's own motions", 0, kTankerLegacy, 0, head},
      {"own motions, drift from the user's file", 1, kUserFile, 0, head + still + withoutDrift},
      {"own motions, the tanker drift model", 1, kTankerLegacy, 0, head + still + withDrift},
      {"own motions, the 2001 tanker drift model", 1, kTanker2001, 0, head + still + withDrift},
      {"own motions, the tanker model for one component", 1, kSurgeOnlyTanker, 0, head + still + withDrift},
      {"own motions, the tanker drift model, the pitch period given", 1, kTankerLegacy, 1,
       head + still + withoutDrift},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::resetShipRun();
    TPCM.TAWP = 42000.0f;
    TPCM.AUXVSH = c.userRaos;
    TPCM.LWVCOF = c.driftModels;
    TPCM.LPTPRD = c.pitchPeriodGiven;
    TPCM.PITPRD = 12.0f;
    ConsoleCapture console("\n");
    SHPCHR();
    EXPECT_EQ(console.screen(), c.expected + "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
  }
}

TEST_F(ShpchrTest, WarningsAlsoGoToASeparateReport) {
  TempDir dir;
  TPCM.TAWP = 42000.0f;
  TPCM.IUNIT = 1;
  RHOPEN("SHIPSUM.stxt", 1, 0, 0, 1, "TEST", 6, 0);
  ConsoleCapture console("\n");
  SHPCHR();
  HCLOSE(1, "SHIPSUM.stxt", "TEST", 6);
  const std::string report = readFileText("SHIPSUM.stxt");
  EXPECT_EQ(report, " ++> Suspicious equivalent box\n --> Re-check input data and retry or proceed at risk...\n");
  EXPECT_TRUE(contains(console.screen(), " ++> Suspicious equivalent box"));
}

TEST_F(ShpchrTest, UnattendedRunWarnsWithoutStopping) {
  TempDir dir;
  TPCM.TAWP = 42000.0f;
  TPCM.EDUNIT = 41;
  TPCM.IUNIT = 41;
  RHOPEN("Diagnostics.stxt", 1, 0, 0, 41, "TEST", 6, 0);
  ConsoleCapture console;  // nothing typed: nothing may be read
  SHPCHR();
  HCLOSE(41, "Diagnostics.stxt", "TEST", 6);
  EXPECT_TRUE(contains(readFileText("Diagnostics.stxt"), " ++> Suspicious equivalent box"));
  EXPECT_EQ(console.screen(), "");
  EXPECT_TRUE(IsClose(HIMEM.EDRAFT, 40.0, 2e-3));
}

// Like the suspicious box's, the warning comes once in a run however often the hull model runs
// again, and "A" at its question stops the run.
TEST_F(ShpchrTest, BeamBeyondLengthWarnsOnceInARun) {
  // A box 100 ft long, 200 ft wide, 20 ft deep: KMT = 10 + 200^2 / 240, KML = 10 + 100^2 / 240.
  TPCM.TDISPL = 100.0f * 200.0f * 20.0f * 64.0f / 1000.0f;
  TPCM.VKMT = 10.0f + 40000.0f / 240.0f;
  TPCM.VKML = 10.0f + 10000.0f / 240.0f;
  TPCM.VKG = 12.0f;
  TPCM.TAWP = 20000.0f;
  {
    ConsoleCapture console("\n");
    SHPCHR();
    EXPECT_TRUE(contains(console.screen(), " ++> Warning: equivalent box beam exceeds length;\n"
                                           " --> Pitch/roll damping estimates may be compromised.\n"))
        << console.screen();
    EXPECT_TRUE(IsClose(HIMEM.BEAM, 200.0, 2e-3));
    EXPECT_TRUE(IsClose(HIMEM.SHIPL, 100.0, 2e-3));
    const std::string first = console.screen();
    SHPCHR();
    SHPCHR();
    EXPECT_EQ(console.screen(), first) << "the later runs of the hull model warn of nothing and ask nothing";
  }
  testing_support::resetShipRun();
  ConsoleCapture console("a\n");
  EXPECT_EQ(stopStatus([] { SHPCHR(); }), 1);
}

TEST_F(ShpchrTest, DisplacementBeyondTheFirstBracket) {
  // The first bracket ends at the draft of the largest box volume, so widening it can only catch a
  // displacement within rounding of that volume. 254,387.08 kips is one: found by a search over
  // float32 values with numpy, evaluating FCT in the same order, its objective is still negative at
  // the first upper end and turns positive at the eighth doubling.
  TPCM.TDISPL = 254387.078125f;
  HIMEM.DELTA = TPCM.TDISPL * 1000.0f / TPCM.DWATR;
  const float R = TPCM.VKML / TPCM.VKMT + 1.0f;
  float XRI = (0.83333f * R - std::sqrt(0.69444f * R * R - 2.6666f * (R - 1.0f))) * TPCM.VKMT;
  ASSERT_LT(FCT(XRI), 0.0f);  // not bracketed at first
  ConsoleCapture console("\n");
  SHPCHR();
  EXPECT_TRUE(IsClose(HIMEM.EDRAFT * HIMEM.BEAM * HIMEM.SHIPL, HIMEM.DELTA, 1e-5));
}

TEST_F(ShpchrTest, ImpossibleDisplacementStops) {
  TPCM.TDISPL = 400000.0f;  // beyond the largest box with these metacentres (254,387 kips)
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { SHPCHR(); }), 1);
  EXPECT_TRUE(contains(console.screen(), " ++> Equivalent box determination failure;\n"
                                         "     recheck vessel hydrostatics (especially KML, KMT) and retry\n"
                                         "     Error Index =     2\n"
                                         "\n Press <RETURN> to continue: "))
      << console.screen();
}

}  // namespace
}  // namespace qv

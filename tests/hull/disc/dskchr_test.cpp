// DSKCHR: the equivalent cylinder against an independent evaluation, the unmoored natural frequencies
// on the grid, the keel, the user's periods, hydrostatics without a cylinder; with mooring feedback
// no lines, user values throughout, four symmetric lines against the textbook catenary, the line
// work table and the simulation type 13; and the pass control on its own: settling, averaging, the
// failure dialogue as a table of replies (and an unattended run), the bound on the grid checks.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <cstring>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/disc/disc_data_set.h"
#include "hull/disc/disc_iteration.h"
#include "hull/himem.h"
#include "mooring/lincom.h"
#include "mooring/line_fixture.h"
#include "platform/block_reset.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/sim_types.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::countLines;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::stopStatus;
using testing_support::TempDir;

constexpr float kTwoPi = 6.2831855f;

class DiscCharacteristics : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::setDiscDataSet();
  }
};

// tests/hull/disc/reference_values.py, "characteristics": the buoy's equivalent cylinder in double
// precision, the fixed point of its unmoored frequencies.
TEST_F(DiscCharacteristics, EquivalentCylinderOfTheBuoy) {
  DSKCHR();
  const Himem& h = HIMEM;
  struct Case {
    const char* name;
    float actual;
    double expected;
  };
  const Case cases[] = {
      {"DELTA", h.DELTA, 7539.82188},   {"RADIUS", h.RADIUS, 20.0000002}, {"EDRAFT", h.EDRAFT, 5.99999986},
      {"SDRAFT", h.SDRAFT, 0.29999999}, {"DLRAT", h.DLRAT, 0.29999999},   {"CSG", h.CSG, 0.203839994},
      {"CSW", h.CSW, 0.203839994},      {"VTCRR", h.VTCRR, 3.83067518},   {"VTCRP", h.VTCRP, 3.83067518},
      {"WPML", h.WPML, 125663.949},     {"WPMT", h.WPMT, 125663.949},     {"WLCRP", h.WLCRP, -2.16932481},
      {"SWLCRP", h.SWLCRP, -0.10846624}, {"GML", h.GML, 15.6667},         {"GMT", h.GMT, 15.6667},
      {"TQCNST", h.TQCNST, 1.06382965}, {"HCONST", h.HCONST, 8000.00019}, {"PCONST", h.PCONST, 3200000.13},
      {"HVM1", h.HVM1, 7539.82188},     {"PTCH1", h.PTCH1, 483609.105},   {"ROL1", h.ROL1, 483609.105},
      {"HC", h.HC, 40403.396},          {"PRMT", h.PRMT, 3797926.94},     {"RRMT", h.RRMT, 3797926.94},
      {"SGMAS", h.SGMAS, 9076.73912},   {"YAWI", h.YAWI, 7539.82188 * 144.0},
      {"BEAM", h.BEAM, 40.0},           {"SHIPL", h.SHIPL, 40.0},         {"XSCALE", h.XSCALE, 20.0},
  };
  for (const Case& c : cases) EXPECT_TRUE(IsClose(c.actual, c.expected, 5e-5)) << c.name;
  EXPECT_EQ(h.SKAMHV, 0.0f);
  EXPECT_EQ(h.SKAMRL, 0.0f);
}

TEST_F(DiscCharacteristics, UnmooredFrequenciesSettleOnTheGrid) {
  // Each frequency is its restoring over the virtual mass at the added mass of the pass before; the
  // passes end when no grid point moves, near the fixed point (reference_values.py: WP = WR =
  // 1.95980573, WH = 1.49810175 rad/s at the grid points 3 and 5, periods 3 and 4 s).
  TPCM.NBUG = 1;
  ConsoleCapture console;
  DSKCHR();
  const Himem& h = HIMEM;
  EXPECT_TRUE(IsClose(h.WH, std::sqrt(double(h.HC) / h.HVMAS), 1e-6));
  EXPECT_TRUE(IsClose(h.WP, std::sqrt(double(h.PRMT) / h.PTCHI), 1e-6));
  EXPECT_TRUE(IsClose(h.WR, std::sqrt(double(h.RRMT) / h.ROLI), 1e-6));
  EXPECT_TRUE(IsClose(h.WH, 1.49810175, 3e-3));
  EXPECT_TRUE(IsClose(h.WP, 1.95980573, 3e-3));
  EXPECT_EQ(h.WR, h.WP);
  EXPECT_EQ(h.PMAS1, h.RMAS1);
  EXPECT_TRUE(IsClose(h.PTCHI, double(h.PTCH1) + h.PMAS1, 1e-6));
  EXPECT_EQ(h.JP, 3);
  EXPECT_EQ(h.JR, 3);
  EXPECT_EQ(h.JH, 5);
  // Without feedback surge, sway and yaw have no frequency, at the last grid point.
  EXPECT_EQ(h.WSG, 0.0f);
  EXPECT_EQ(h.WSW, 0.0f);
  EXPECT_EQ(h.WY, 0.0f);
  EXPECT_EQ(h.JSG, testing_support::kDiscPeriods);
  EXPECT_EQ(h.JSW, testing_support::kDiscPeriods);
  EXPECT_EQ(h.JY, testing_support::kDiscPeriods);
  // The trace of the first pass: every grid point starts at the last one (NWP = 39); that of the
  // last pass shows them settled.
  const std::string screen = console.screen();
  EXPECT_TRUE(contains(screen, " JRR,JR,JPP,JP,JHH,JH,JGG,JSG,JWW,JSW,JYY,JY    0   39    0   39    0   39    0   39"
                               "    0   39    0   39\n"))
      << screen;
  const std::string last =
      " JRR,JR,JPP,JP,JHH,JH,JGG,JSG,JWW,JSW,JYY,JY    3    3    3    3    6    5   39   39   39   39   39   39\n";
  EXPECT_EQ(screen.substr(screen.size() - last.size()), last) << screen;
}

TEST_F(DiscCharacteristics, KeelAddsHeaveMassAndRotationalInertia) {
  // reference_values.py, "keel": R = 20 ft. A keel of no extent (q = 0, also when TDKEEL is not
  // positive) leaves (1.333 - 1.3333) R^3 = -2.4 ft^3 of heave mass.
  struct Case {
    std::int32_t TLKEEL;
    float TRKEEL, TDKEEL;
    double SKAMHV, SKAMRL;
  };
  const Case cases[] = {
      {0, 2.0f, 4.0f, 0.0, 0.0},
      {1, 0.0f, 5.0f, -2.4, 0.0},
      {1, 2.0f, 0.0f, -2.4, 0.0},
      {1, 2.0f, 4.0f, 35194.205, 15113437.5},
  };
  for (const Case& c : cases) {
    TPCM.TLKEEL = c.TLKEEL;
    TPCM.TRKEEL = c.TRKEEL;
    TPCM.TDKEEL = c.TDKEEL;
    DSKCHR();
    const Himem& h = HIMEM;
    EXPECT_TRUE(IsClose(h.SKAMHV, c.SKAMHV, 1e-3)) << c.TRKEEL << " / " << c.TDKEEL;
    EXPECT_TRUE(IsClose(h.SKAMRL, c.SKAMRL, 1e-5)) << c.TRKEEL << " / " << c.TDKEEL;
    // The keel's terms are part of the virtual masses the frequencies come from.
    EXPECT_TRUE(IsClose(h.PTCHI, double(h.PTCH1) + h.PMAS1 + h.SKAMRL, 1e-6));
    EXPECT_TRUE(IsClose(h.ROLI, double(h.ROL1) + h.RMAS1 + h.SKAMRL, 1e-6));
    EXPECT_GT(h.HVMAS - h.HVM1 - h.SKAMHV, h.HCONST);  // the heave added mass is at least R^3
  }
}

TEST_F(DiscCharacteristics, UserPeriodsReplaceTheComputedFrequencies) {
  // Flag 1 takes the user's period; any other non-zero flag leaves the frequency where it started,
  // at the last grid point (21 s).
  Tpcm& t = TPCM;
  t.LHVPRD = 1;
  t.HEVPRD = 5.0f;
  t.LPTPRD = 1;
  t.PITPRD = 8.5f;
  t.LRLPRD = 2;
  t.ROLPRD = 4.0f;
  DSKCHR();
  const Himem& h = HIMEM;
  EXPECT_EQ(h.WH, kTwoPi / 5.0f);
  EXPECT_EQ(h.WP, kTwoPi / 8.5f);
  EXPECT_EQ(h.WR, kTwoPi / 21.0f);
  EXPECT_EQ(h.JH, 7);   // 5 s
  EXPECT_EQ(h.JP, 14);  // 8.5 s
  EXPECT_EQ(h.JR, 39);
}

TEST_F(DiscCharacteristics, HydrostaticsWithoutAnEquivalentCylinderStop) {
  struct Case {
    const char* name;
    void (*edit)();
  };
  const Case cases[] = {
      {"no water plane", [] { TPCM.TAWP = 0.0f; }},
      {"no water density", [] { TPCM.DWATR = 0.0f; }},
      // KB 16 ft above KG: the cylinder's draft would be 2 + sqrt(4 - 192) ft.
      {"buoyancy far above gravity", [] { TPCM.VKB = 20.0f; }},
  };
  for (const Case& c : cases) {
    SetUp();
    c.edit();
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { DSKCHR(); }), 1) << c.name;
    EXPECT_TRUE(contains(console.screen(),
                         "\n ++> Disc buoy characteristics: no equivalent cylinder for the input\n"
                         "     hydrostatics; check the displacement, water plane area, KB, KG and\n"
                         "     draft and retry.\n"))
        << c.name << ":\n"
        << console.screen();
  }
}

// ---- With mooring feedback ----

class MooredDisc : public DiscCharacteristics {
 protected:
  void SetUp() override {
    DiscCharacteristics::SetUp();
    testing_support::setDiscMooring(4);
  }
};

TEST_F(MooredDisc, NoLinesLeaveTheFreeModesAtRest) {
  // Without lines every spring and damping term is 0: heave, pitch and roll keep their unmoored
  // frequencies, surge, sway and yaw have none (1.0e-15 rad/s, the last grid point), and the line
  // work table is all zeros. A data set of this program has no mooring section: no table sizes.
  TPCM.moor.NLIN = 0;
  TPCM.moor.NLAYER = 0;
  TPCM.NUMTAB = 0;
  DSKCHR();
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  for (float term : {t.HVK, t.PTK, t.RLK, t.SGK, t.SWK, t.YWK, t.HVMDMP, t.PTMDMP, t.RLMDMP, t.SGMDMP, t.SWMDMP,
                     t.YWMDMP}) {
    EXPECT_EQ(term, 0.0f);
  }
  EXPECT_TRUE(IsClose(h.WH, std::sqrt(double(h.HC) / h.HVMAS), 1e-6));
  EXPECT_TRUE(IsClose(h.WP, std::sqrt(double(h.PRMT) / h.PTCHI), 1e-6));
  EXPECT_TRUE(IsClose(h.WR, std::sqrt(double(h.RRMT) / h.ROLI), 1e-6));
  EXPECT_TRUE(IsClose(h.WH, 1.49810175, 3e-3));
  EXPECT_EQ(h.WSG, 1.0e-15f);
  EXPECT_EQ(h.WSW, 1.0e-15f);
  EXPECT_EQ(h.WY, 1.0e-15f);
  EXPECT_EQ(h.JSG, testing_support::kDiscPeriods);
  EXPECT_EQ(h.JY, testing_support::kDiscPeriods);
  EXPECT_GT(LINCOM.WVOFST(1), 0.0f);
  for (int i = 1; i <= 90; ++i) EXPECT_EQ(LINCOM.WFERGF(i), 0.0f) << i;
}

TEST_F(MooredDisc, UserPeriodsAndDampingThroughoutTakeNoLineTerms) {
  // Every period and damping given: no line is asked, the user's values stand (SGK, SWK, YWK hold
  // periods [s]), and the second pass has settled.
  Tpcm& t = TPCM;
  t.LHVPRD = t.LPTPRD = t.LRLPRD = t.LSGPRD = t.LSWPRD = t.LYWPRD = 1;
  t.LHVDMP = t.LPTDMP = t.LRLDMP = t.LSGDMP = t.LSWDMP = t.LYWDMP = 1;
  t.HEVPRD = 4.0f;
  t.PITPRD = 6.0f;
  t.ROLPRD = 6.5f;
  t.SGK = 40.0f;
  t.SWK = 45.0f;
  t.YWK = 20.0f;
  t.HVK = 3.0f;
  t.PTK = 4.0f;
  t.RLK = 5.0f;
  // Heave, pitch and roll take the user's percentages from HVDAMP, PTDAMP, RLDAMP; surge, sway and
  // yaw from the mooring damping members themselves.
  t.HVDAMP = 7.0f;
  t.PTDAMP = 8.0f;
  t.RLDAMP = 9.0f;
  const std::array<float, 6> damping = {1.0f, 2.0f, 3.0f, 10.0f, 11.0f, 12.0f};
  t.HVMDMP = damping[0];
  t.PTMDMP = damping[1];
  t.RLMDMP = damping[2];
  t.SGMDMP = damping[3];
  t.SWMDMP = damping[4];
  t.YWMDMP = damping[5];
  DSKCHR();
  const Himem& h = HIMEM;
  EXPECT_EQ(h.WH, kTwoPi / 4.0f);
  EXPECT_EQ(h.WP, kTwoPi / 6.0f);
  EXPECT_EQ(h.WR, kTwoPi / 6.5f);
  EXPECT_EQ(h.WSG, kTwoPi / 40.0f);
  EXPECT_EQ(h.WSW, kTwoPi / 45.0f);
  EXPECT_EQ(h.WY, kTwoPi / 20.0f);
  EXPECT_EQ(h.JY, 37);  // 20 s
  EXPECT_EQ((std::array<float, 6>{t.SGK, t.SWK, t.YWK, t.HVK, t.PTK, t.RLK}),
            (std::array<float, 6>{40.0f, 45.0f, 20.0f, 3.0f, 4.0f, 5.0f}));
  EXPECT_EQ((std::array<float, 6>{t.HVMDMP, t.PTMDMP, t.RLMDMP, t.SGMDMP, t.SWMDMP, t.YWMDMP}), damping);

  // The passes, counted by their trace lines (the line driver asks for the trace level first; no
  // line is then solved).
  SetUp();
  t.LHVPRD = t.LPTPRD = t.LRLPRD = t.LSGPRD = t.LSWPRD = t.LYWPRD = 1;
  t.LHVDMP = t.LPTDMP = t.LRLDMP = t.LSGDMP = t.LSWDMP = t.LYWDMP = 1;
  t.HEVPRD = t.PITPRD = t.ROLPRD = 5.0f;
  t.SGK = t.SWK = t.YWK = 30.0f;
  t.moor.NLIN = 0;
  t.NBUG0 = 1;
  ConsoleCapture console("1\n");
  DSKCHR();
  const std::string screen = console.screen();
  EXPECT_TRUE(contains(screen, "Input NBUG: ")) << screen;
  std::size_t passes = 0;
  for (std::size_t at = screen.find(" JRR,JR"); at != std::string::npos; at = screen.find(" JRR,JR", at + 1)) ++passes;
  EXPECT_EQ(passes, 2u) << screen;
}

TEST_F(MooredDisc, FourSymmetricLines) {
  // Four lines at 0, 90, 180 and 270 deg. The spring terms found at the natural frequencies agree
  // with the quasi-static stiffness of the textbook elastic catenary (reference_values.py,
  // "moored_disc": surge 1.55153254 kip/ft from two lines along the motion and two swinging across
  // it, heave 0.86194291 kip/ft, yaw 1628.05333835 kip ft/rad); at the heave frequency the chain's
  // own dynamics take a little more off. Surge and sway see the same mooring.
  ASSERT_EQ(stopStatus([] { DSKCHR(); }), -1);
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  const double rho = WAVCOM.RHOWTR;
  EXPECT_TRUE(IsClose(t.SGK, 1.55153254, 0.01));
  EXPECT_TRUE(IsClose(t.HVK, 0.86194291, 0.03));
  EXPECT_TRUE(IsClose(t.YWK, 1628.05333835, 0.01));
  EXPECT_TRUE(IsClose(t.SWK, t.SGK, 1e-4));
  EXPECT_TRUE(IsClose(t.SWMDMP, t.SGMDMP, 1e-3));
  EXPECT_GT(t.SGMDMP, 0.0f);  // the chain's drag
  EXPECT_EQ(h.WSW, h.WSG);
  // Each azimuth that of its fairlead about the buoy's axis.
  EXPECT_TRUE(IsClose(LINCOM.ANGDPP(1), 0.0, 0.0, 1e-4));
  EXPECT_TRUE(IsClose(LINCOM.ANGDPP(2), 90.0, 1e-6));
  EXPECT_TRUE(IsClose(LINCOM.ANGDPP(3), 180.0, 1e-6));
  EXPECT_TRUE(IsClose(LINCOM.ANGDPP(4), -90.0, 1e-6));

  // The moored frequencies: the unmoored one with the lines' spring added, or the lines' alone.
  EXPECT_TRUE(IsClose(h.WH, std::sqrt(h.HC / h.HVMAS + t.HVK / (rho * h.HVMAS)), 1e-5));
  EXPECT_TRUE(IsClose(h.WP, std::sqrt(h.PRMT / h.PTCHI + t.PTK / (rho * h.PTCHI)), 1e-5));
  EXPECT_TRUE(IsClose(h.WR, std::sqrt(h.RRMT / h.ROLI + t.RLK / (rho * h.ROLI)), 1e-5));
  EXPECT_TRUE(IsClose(h.WSG, std::sqrt(t.SGK / (rho * h.SGMAS)), 1e-5));
  EXPECT_TRUE(IsClose(h.WY, std::sqrt(t.YWK / (rho * h.YAWI)), 1e-5));
  for (auto [w, J] :
       {std::pair{h.WH, h.JH}, {h.WP, h.JP}, {h.WR, h.JR}, {h.WSG, h.JSG}, {h.WSW, h.JSW}, {h.WY, h.JY}}) {
    std::int32_t nearest = TPCM.NWP;
    GRIDPT(kTwoPi / w, nearest);
    EXPECT_EQ(J, nearest) << w;
  }

  // The work table is the work integral of the lines' surge force: the trapezoid rule over the
  // force amplitudes at the offsets 0, s, ... 89 s at the sea's mean frequency (asked of the lines
  // here; at rest they add no force). It starts as the energy K x^2 / 2 of the surge spring found at
  // small amplitude, then rises faster as the chain lifts off the seabed.
  const Lincom& lc = LINCOM;
  const double s = lc.WVOFST(1);
  EXPECT_GE(s, 2.0 * 10.0 / 90.0);  // twice the design wave height at least, over 90 steps
  EXPECT_EQ(lc.WFERGF(1), 0.0f);
  const float omega = kTwoPi / WAVCOM.TAVG;
  double work = 0.0;
  double before = 0.0;
  for (int i = 2; i <= 90; ++i) {
    float K[6], B[6];
    Complex F[6];
    DYNSPR({.SG = static_cast<float>((i - 1) * s), .SW = 0.0f, .HV = 0.0f, .RL = 0.0f, .PT = 0.0f, .YW = 0.0f,
            .OMEGA = omega, .DIST = LINCOM.RANCK.data(),
            .out = {.KSG = K[0], .KSW = K[1], .KHV = K[2], .KRL = K[3], .KPT = K[4], .KYW = K[5], .BSG = B[0],
                    .BSW = B[1], .BHV = B[2], .BRL = B[3], .BPT = B[4], .BYW = B[5], .FX = F[0], .FY = F[1],
                    .FZ = F[2], .MX = F[3], .MY = F[4], .MZ = F[5]}});
    const double force = std::abs(std::complex<double>(F[0]));
    work += 0.5 * (before + force) * s;
    before = force;
    EXPECT_TRUE(IsClose(lc.WFERGF(i), work, 1e-5)) << i;
    EXPECT_GT(lc.WFERGF(i), lc.WFERGF(i - 1)) << i;
  }
  EXPECT_TRUE(IsClose(lc.WFERGF(2), 0.5 * t.SGK * s * s, 0.01));
  EXPECT_GT(lc.WFERGF(90), 0.5 * t.SGK * (89.0 * s) * (89.0 * s));
}

TEST_F(MooredDisc, TypeThirteenSolvesTheLinesWithTheBuoysWordsAndPutsThemBack) {
  // In the simulation type 13 the second body's words stand in the vessel's place while the line
  // driver runs: with a second-body draft of 16 ft the fairleads hang 200 - 16 ft above their
  // anchors there, not 194 ft; afterwards both sets of words are back.
  Tpcm& t = TPCM;
  t.CREATR = kSimFirnedo;
  t.BDRAFT = 16.0f;
  const auto secondBody = t.NAVBLQ;
  DSKCHR();
  EXPECT_EQ(LINCOM.DELTAZ, 184.0f);
  EXPECT_EQ(t.TDRAFT, 6.0f);
  EXPECT_EQ(std::memcmp(&t.NAVBLQ, &secondBody, sizeof secondBody), 0);
  t.CREATR = kSimQuorvel;
  DSKCHR();
  EXPECT_EQ(LINCOM.DELTAZ, 194.0f);
}

// ---- The pass control on its own ----

// Twelve values in the order of the characteristics' (six frequencies, six damping terms).
struct Values {
  std::array<float, 12> v{};
  disc::Settling settling{{&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11]}};
};

TEST(DiscPassControl, SettlingAndAveraging) {
  struct Case {
    const char* name;
    int index;
    float previous, value;
    bool settled;
  };
  const Case cases[] = {
      {"0 after 0 (0 / 0)", 0, 0.0f, 0.0f, true},
      {"first pass", 0, 0.0f, 1.0f, false},
      {"frequency within 1 %", 3, 1.0f, 1.0095f, true},
      {"frequency beyond 1 %", 3, 1.0f, 0.985f, false},
      {"damping within 5 %", 8, 2.0f, 2.09f, true},
      {"damping beyond 5 %", 11, 2.0f, 2.2f, false},
      {"damping dropping to 0", 11, 2.0f, 0.0f, false},
  };
  for (const Case& c : cases) {
    Values x;
    x.v.fill(1.0f);
    x.settling.keep();
    x.settling.previous[c.index] = c.previous;
    x.v[c.index] = c.value;
    EXPECT_EQ(x.settling.settled(), c.settled) << c.name;
  }
  Values x;
  x.v.fill(3.0f);
  x.settling.previous.fill(1.0f);
  disc::AVGUPD(x.settling);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(x.v[i], 2.0f);
    EXPECT_EQ(x.settling.previous[i], 2.0f);
  }
}

// A moored pass that never settles: its values swing between 1 and 3 from pass to pass.
struct SwingingPasses {
  Values x;
  int passes = 0;
  int gridChecks = 0;
  disc::IterationEnd run() {
    return disc::iterateToFixedPoint(
        true, x.settling,
        [this] {
          ++passes;
          x.v.fill(passes % 2 == 0 ? 3.0f : 1.0f);
        },
        [this] {
          ++gridChecks;
          return false;
        });
  }
};

const std::string kFailureBlock =
    "\n"
    " ++> Possible iteration failure in DSKCHR period/damping loop.\n"
    "\n";
const std::string kQuestion = "     Enter 99 to continue with current best estimate OR...\n\a\n"
                              " Enter \"A\" to abort or Press <RETURN> to continue: ";

std::string failure(int attempt) {
  return kFailureBlock + "     Completing attempt # " + (attempt < 10 ? " " : "") + std::to_string(attempt) + "\n" +
         kQuestion;
}

TEST(DiscPassControl, FailureDialogue) {
  // An attempt ends when its pass count goes above 200, so after 201 passes; two attempts pass
  // silently, after the third and every later one comes the question. 99 ends
  // the iteration with the current values and without the grid check, a blank reply runs another
  // attempt, "A" stops, any other reply is shown and stops.
  struct Case {
    const char* typed;
    int status;  // -1: returned
    int passes;
    std::string screen;
    std::int32_t LBACK;  // 0: not looked at
  };
  const Case cases[] = {
      {"99\n", -1, 603, failure(3), 99},
      {"\n99\n", -1, 804, failure(3) + failure(4), 99},
      {"\n\na\n", 1, 1005, failure(3) + failure(4) + failure(5), -1},
      {"A\n", 1, 603, failure(3), -1},
      {"7\nnext\n", 1, 603,
       failure(3) + "\n >>> Unrecognized option in ABORT3: 7           \n     Press <Return> to continue\n", 0},
  };
  for (const Case& c : cases) {
    resetAllBlocks();
    TPCM.EDUNIT = kScreenUnit;
    SwingingPasses p;
    ConsoleCapture console(c.typed);
    disc::IterationEnd end = disc::IterationEnd::kSettled;
    const int status = stopStatus([&] { end = p.run(); });
    EXPECT_EQ(status, c.status) << c.typed;
    EXPECT_EQ(p.passes, c.passes) << c.typed;
    EXPECT_EQ(p.gridChecks, 0) << c.typed;
    EXPECT_EQ(console.screen(), c.screen) << c.typed;
    if (c.status == -1) {
      EXPECT_EQ(end, disc::IterationEnd::kAccepted) << c.typed;
    }
    if (c.LBACK != 0) {
      EXPECT_EQ(TPCM.LBACK, c.LBACK) << c.typed;
    }
  }
  resetAllBlocks();
}

TEST(DiscPassControl, UnattendedRunStopsAtTheFirstQuestion) {
  resetAllBlocks();
  TempDir dir;
  TPCM.EDUNIT = kDiagnosticsUnit;
  RHOPEN("Diagnostics.stxt", 1, 0, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
  SwingingPasses p;
  ConsoleCapture console;
  EXPECT_EQ(stopStatus([&] { p.run(); }), 1);
  EXPECT_EQ(p.passes, 603);
  HCLOSE(kDiagnosticsUnit, "Diagnostics.stxt", "TEST", kScreenUnit);
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(readFileText("Diagnostics.stxt"), kFailureBlock + "     Completing attempt #  3\n" +
                                                  "     Enter 99 to continue with current best estimate OR...\n");
  resetAllBlocks();
}

TEST(DiscPassControl, GridPointsThatKeepMovingAreLeftAfterFiftyChecks) {
  // Unmoored passes go straight to the grid check; a settled moored pass too. A grid point that
  // still moves at the 50th check is left with a warning.
  resetAllBlocks();
  TPCM.EDUNIT = kScreenUnit;
  for (bool moored : {false, true}) {
    Values x;
    x.v.fill(1.0f);
    int passes = 0;
    int checks = 0;
    ConsoleCapture console;
    const disc::IterationEnd end = disc::iterateToFixedPoint(
        moored, x.settling, [&] { ++passes; }, [&] { return ++checks < 1000; });
    EXPECT_EQ(end, disc::IterationEnd::kGridPointsLeft);
    EXPECT_EQ(checks, 50);
    EXPECT_EQ(passes, moored ? 51 : 50);  // the first moored pass does not settle (0 to 1)
    EXPECT_EQ(console.screen(),
              " ++> Warning: disc natural periods: the nearest grid points still moved after 50\n"
              "     passes; the grid points of the last pass stand.\n");
  }
  // Grid points that stop moving end the iteration at once.
  Values x;
  int checks = 0;
  EXPECT_EQ(disc::iterateToFixedPoint(false, x.settling, [] {}, [&] { return ++checks < 3; }),
            disc::IterationEnd::kSettled);
  EXPECT_EQ(checks, 3);
  resetAllBlocks();
}

}  // namespace
}  // namespace qv

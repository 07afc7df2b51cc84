// SEMCHR: four vertical columns against their closed-form hydrostatics, added masses, rotation
// centres and natural frequencies; members cut at the waterline (submerged, inclined, dry, touching);
// the comparison with the input, the no-crossing warning and the waterline notice with their
// once-per-run switches; user periods, tension-leg hulls and a hull without members.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/simcom.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::HullMember;
using testing_support::IsClose;
using testing_support::setMember;
using testing_support::stopStatus;

constexpr float kTwoPi = 6.2831855f;
constexpr double kColumnVolume = 6283.18531;  // 4 pi 5^2 20 (numpy)

// Four vertical circular columns D = 10 m at (+-30, +-30), keel 0, top 30, draft 20, in fresh water
// (1000 kgf/m^3, so that a displacement in tonnes is a volume): volume 4 pi 25 20, KB 10, waterplane
// 4 pi 25, KM = KB + sum(pi D^4/64 + A 30^2)/volume = 10 + 45.3125 = 55.3125 (both ways). KG 20,
// pitch and roll gyradius 25, yaw 30; added-mass coefficient 1 across the columns, none along them.
void fourColumns() {
  testing_support::setSemiHull();
  Tpcm& t = TPCM;
  t.DWATR = 1000.0f;
  t.TDISPL = 6283.185f;
  t.VKB = 10.0f;
  t.VKMT = t.VKML = 55.3125f;
  t.TAWP = 314.159f;
  t.VKG = 20.0f;
  t.TPGYR = t.TRGYR = 25.0f;
  t.YGYR = 30.0f;
  t.TLWL = t.TBWL = 40.0f;  // the columns' summed waterline widths
  const float at[] = {-30.0f, 30.0f};
  int I = 0;
  for (float x : at) {
    for (float y : at) {
      setMember(++I, {{x, y, 0.0f}, {x, y, 30.0f}, 78.539816f, {10.0f, 10.0f, 30.0f}, {1.0f, 1.0f, 0.0f},
                      {0.8f, 0.8f, 0.6f}, 1, 3, 1});
    }
  }
  testing_support::setGrid(4.0f, 0.5f, 49);
  testing_support::resetSemiRun();
}

class Semchr : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    fourColumns();
  }
};

TEST_F(Semchr, FourColumnsHydrostatics) {
  ConsoleCapture console;
  SEMCHR();
  EXPECT_EQ(console.screen(), "");  // the input agrees with the estimates
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  const Simcom& m = SIMCOM;
  EXPECT_TRUE(IsClose(t.VOLEST, kColumnVolume, 1e-5));
  EXPECT_TRUE(IsClose(t.VCBEST, 10.0, 1e-5));
  EXPECT_TRUE(IsClose(t.AWPEST, 314.159265, 1e-5));
  EXPECT_TRUE(IsClose(t.GMTEST + h.EVKG, 55.3125, 1e-5));
  EXPECT_TRUE(IsClose(t.GMLEST + h.EVKG, 55.3125, 1e-5));
  EXPECT_TRUE(IsClose(t.XCBEST, 0.0, 0.0, 1e-5));
  EXPECT_TRUE(IsClose(t.YWPCTR, 0.0, 0.0, 1e-5));
  EXPECT_EQ(m.NPIERCE, 4);
  for (int I = 1; I <= 4; ++I) {
    EXPECT_TRUE(IsClose(m.CYLLEN(I), 20.02, 1e-5)) << I;
    EXPECT_EQ(m.LPIERCE(I), 1) << I;
    EXPECT_EQ(m.DIRVEC(3, I), 1.0f) << I;
    EXPECT_TRUE(IsClose(m.CYLCG(3, I), 10.0, 1e-6)) << I;
    // A vertical column: the identity frame; the circle's squared radius of gyration D^2/16.
    EXPECT_TRUE(IsClose(m.MRWPG2(I), 6.25, 1e-6)) << I;
    EXPECT_TRUE(IsClose(m.MPWPG2(I), 6.25, 1e-6)) << I;
    EXPECT_TRUE(IsClose(m.FRCCOF(1, 1, I), 2.0, 1e-6)) << I;
    EXPECT_TRUE(IsClose(m.FRCCOF(3, 3, I), 1.0, 1e-6)) << I;
    EXPECT_TRUE(IsClose(m.FRCCOF(1, 3, I), 0.0, 0.0, 1e-7)) << I;
    EXPECT_TRUE(IsClose(m.MNTCOF(2, 2, I), 1.0, 1e-6)) << I;
    // Drag per metre across (Cd D), the whole member's along its own axis (Cd A_end = 0.6 x 100).
    EXPECT_TRUE(IsClose(m.DRGFCF(1, I), 8.0, 1e-6)) << I;
    EXPECT_TRUE(IsClose(m.DRGFCF(3, I), 60.0, 1e-6)) << I;
  }
  // Square-law heave damping: the four keels, 4 x 0.6 x pi 5^2 (the end drag on each end's face),
  // times half the mass density, 0.0005 x 1000 / 9.8.
  EXPECT_TRUE(IsClose(m.CQHV, 4.0 * 0.6 * 78.539816 * 0.5 / 9.8, 1e-6));
  EXPECT_TRUE(IsClose(PASCOM.ACDSG, 0.8, 1e-6));
  EXPECT_TRUE(IsClose(PASCOM.MENWLX, 10.0, 1e-6));
  EXPECT_TRUE(IsClose(PASCOM.MENWLY, 10.0, 1e-6));

  // Added masses: surge and sway the displaced volume at the columns' mid-depth 10 m, no heave.
  EXPECT_TRUE(IsClose(h.CSG, 1.0, 1e-5));
  EXPECT_TRUE(IsClose(PASCOM.CMSRG, 2.0, 1e-5));
  EXPECT_TRUE(IsClose(h.HVMAS, kColumnVolume, 1e-5));
  // Rotation centres (KG W + 10 M11) / (W + M11) = (20 + 10) / 2.
  EXPECT_TRUE(IsClose(h.VTCRP, 15.0, 1e-5));
  EXPECT_TRUE(IsClose(h.VTCRR, 15.0, 1e-5));
  EXPECT_TRUE(IsClose(PASCOM.VTCRPS, 15.0, 1e-5));
  EXPECT_TRUE(IsClose(h.XCRYW, 0.0, 0.0, 1e-4));
  // Virtual pitch inertia ((15 - 10)^2 - 10^2) M + ((15 - 20)^2 + 25^2) W + 10^2 M = 675 volume; yaw
  // 30^2 W + 2 x 30^2 x volume (added mass across the columns at 30 m in both directions).
  EXPECT_TRUE(IsClose(h.PTCHI, 675.0 * kColumnVolume, 1e-5));
  EXPECT_TRUE(IsClose(h.ROLI, 675.0 * kColumnVolume, 1e-5));
  EXPECT_TRUE(IsClose(h.YAWI, 2700.0 * kColumnVolume, 1e-5));
  EXPECT_TRUE(IsClose(h.CYW, 2.0, 1e-5));
  // Natural frequencies: heave sqrt(g Awp / volume) = sqrt(9.8 / 20) = 0.7; pitch and roll
  // sqrt(g GM volume / PTCHI) = sqrt(9.8 x 35.3125 / 675).
  EXPECT_TRUE(IsClose(h.WH, 0.7, 1e-5));
  EXPECT_TRUE(IsClose(h.WP, std::sqrt(9.8 * 35.3125 / 675.0), 1e-5));
  EXPECT_TRUE(IsClose(h.WR, std::sqrt(9.8 * 35.3125 / 675.0), 1e-5));
  // 2 pi / 0.7 = 8.98 s: grid point 11 (9.0 s) of 4, 4.5, ... s.
  EXPECT_EQ(h.JH, 11);
  EXPECT_EQ(h.GML, h.EVKML - h.EVKG);
  EXPECT_EQ(h.XSCALE, 20.0f);
}

// The square-law damping of the four columns (drag coefficients 0.8 across and 0.6 on the end, W the
// displaced volume), integrated here by hand: zc = (KG + KB) / 2 = 15 m. Pitch (and roll): each
// column's end drag 0.6 x pi 5^2 (its end face) at its keel end, 30 m from the axis, and its drag
// across, 0.8 x 10 per metre, at |z - 15| from z = 0 to 20: integral |z - 15|^3 = (15^4 + 5^4) / 4.
// Heave: the four ends. Both times half the mass density, 0.0005 x 1000 / 9.8. A column's top in the
// air takes no end drag, whatever its end type.
TEST_F(Semchr, ColumnsDampPitchByTheirDragAlongThemAndAtTheirEnds) {
  Tpcm& t = TPCM;
  t.NOWARN = 1;
  const double half = 0.0005 * 1000.0 / 9.8;
  const double end = 0.6 * 78.539816;
  const double across = 0.8 * 10.0 * (std::pow(15.0, 4) + std::pow(5.0, 4)) / 4.0;
  for (const std::int32_t topType : {0, 1}) {
    for (int c = 1; c <= 4; ++c) t.TOPTYP(c) = topType;
    testing_support::resetSemiRun();
    SEMCHR();
    EXPECT_TRUE(IsClose(SIMCOM.CQPT, 4.0 * (end * 27000.0 + across) * half, 1e-5)) << topType;
    EXPECT_TRUE(IsClose(SIMCOM.CQRL, 4.0 * (end * 27000.0 + across) * half, 1e-5)) << topType;
    EXPECT_TRUE(IsClose(SIMCOM.CQHV, 4.0 * end * half, 1e-5)) << topType;
  }

  // Wholly under water (tops at 18 m): a column's top takes its end drag where its end type is 0 (a
  // face meeting the water), not where it is 1 (joined to another member): twice the heave damping
  // and the pitch arm of the top end as of the bottom, or the keel's alone; the drag across from 0
  // to 18 either way.
  for (int c = 1; c <= 4; ++c) t.RCYLT(3, c) = t.DIAMS(3, c) = 18.0f;
  const double acrossSubmerged = 0.8 * 10.0 * (std::pow(15.0, 4) + std::pow(3.0, 4)) / 4.0;
  for (const std::int32_t topType : {0, 1}) {
    const double ends = topType == 0 ? 2.0 : 1.0;
    for (int c = 1; c <= 4; ++c) t.TOPTYP(c) = topType;
    testing_support::resetSemiRun();
    testing_support::ConsoleCapture console("\n");  // no member crosses the waterline
    SEMCHR();
    EXPECT_TRUE(IsClose(SIMCOM.CQHV, 4.0 * ends * end * half, 1e-5)) << topType;
    EXPECT_TRUE(IsClose(SIMCOM.CQPT, 4.0 * (ends * end * 27000.0 + acrossSubmerged) * half, 1e-5)) << topType;
  }
}

TEST_F(Semchr, MembersCutAtTheWaterline) {
  // Member 5 in turn: a horizontal pontoon below the waterline, a member leaning 45 degrees through
  // it, and members that do not reach below it (wholly above, or one end exactly on it).
  const HullMember pontoon{{-30.0f, 0.0f, 4.0f}, {30.0f, 0.0f, 4.0f}, 50.0f, {5.0f, 10.0f, 60.0f},
                           {1.5f, 1.0f, 0.1f}, {2.0f, 2.0f, 0.5f}, 0, 1, 0};
  setMember(5, pontoon);
  TPCM.NOWARN = 1;  // the members change the hull
  SEMCHR();
  const Simcom& m = SIMCOM;
  EXPECT_EQ(m.LPIERCE(5), 0);
  EXPECT_EQ(m.NPIERCE, 4);
  EXPECT_EQ(m.CYLLEN(5), 60.0f);
  EXPECT_TRUE(IsClose(TPCM.AWPEST, 314.159265, 1e-5));  // no waterplane of its own
  // Along x: local axis 1 is vertical, 2 lateral, 3 the member: diag(1 + cm) in vessel axes
  // (1 + 0.1, 1 + 1.0, 1 + 1.5).
  EXPECT_TRUE(IsClose(m.FRCCOF(1, 1, 5), 1.1, 1e-6));
  EXPECT_TRUE(IsClose(m.FRCCOF(2, 2, 5), 2.0, 1e-6));
  EXPECT_TRUE(IsClose(m.FRCCOF(3, 3, 5), 2.5, 1e-6));
  EXPECT_TRUE(IsClose(m.FRCCOF(1, 3, 5), 0.0, 0.0, 1e-6));
  // Drag: across y per metre 2 x 5 (height), vertical per metre 2 x 10 (width), along x (its MEMDIR)
  // the whole end 0.5 x 50.
  EXPECT_TRUE(IsClose(m.DRGFCF(2, 5), 10.0, 1e-6));
  EXPECT_TRUE(IsClose(m.DRGFCF(3, 5), 20.0, 1e-6));
  EXPECT_TRUE(IsClose(m.DRGFCF(1, 5), 25.0, 1e-6));

  // Leaning at 45 degrees in the x-z plane from the keel through the waterline at 20 m: wetted
  // length 20 sqrt(2), cut at x = 20 stretched sqrt(2) along x; added mass 1 and 0.5 across it.
  testing_support::resetSemiRun();
  setMember(5, {{0.0f, 0.0f, 0.0f}, {30.0f, 0.0f, 30.0f}, 12.566371f, {4.0f, 4.0f, 42.426407f},
                {1.0f, 0.5f, 0.0f}, {1.0f, 1.0f, 0.0f}, 1, 4, 1});
  SEMCHR();
  EXPECT_EQ(m.LPIERCE(5), 1);
  EXPECT_EQ(m.NPIERCE, 5);
  EXPECT_TRUE(IsClose(m.CYLLEN(5), 1.001 * 20.0 * std::sqrt(2.0), 1e-6));
  EXPECT_TRUE(IsClose(m.CYLCG(1, 5), 10.0, 1e-6));
  EXPECT_TRUE(IsClose(m.CYLCG(3, 5), 10.0, 1e-6));
  EXPECT_TRUE(IsClose(TPCM.AWPEST, 314.159265 + std::sqrt(2.0) * 12.566371, 1e-5));
  // The cut's squared radii of gyration: D^2/16 across, D^2/16 x 2 along the stretch.
  EXPECT_TRUE(IsClose(m.MRWPG2(5), 1.0, 1e-5));
  EXPECT_TRUE(IsClose(m.MPWPG2(5), 2.0, 1e-5));
  // Centroid of the waterplane: 20 x sqrt(2) A at x = 20 over the total.
  EXPECT_TRUE(IsClose(TPCM.XWPCTR, 20.0 * std::sqrt(2.0) * 12.566371 / TPCM.AWPEST, 1e-5));
  // R^T diag(2, 1.5, 1) R with local axis 1 = (1, 0, -1)/sqrt 2, 3 = (1, 0, 1)/sqrt 2.
  EXPECT_TRUE(IsClose(m.FRCCOF(1, 1, 5), 1.5, 1e-6));
  EXPECT_TRUE(IsClose(m.FRCCOF(1, 3, 5), -0.5, 1e-6));
  EXPECT_TRUE(IsClose(m.FRCCOF(3, 3, 5), 1.5, 1e-6));
  EXPECT_TRUE(IsClose(m.FRCCOF(2, 2, 5), 1.5, 1e-6));

  // Members that do not reach below the waterline keep their entries and add nothing.
  const HullMember dry[] = {
      {{0.0f, 0.0f, 25.0f}, {0.0f, 0.0f, 35.0f}, 10.0f, {3.0f, 3.0f, 10.0f}, {1.0f, 1.0f, 0.0f}, {}, 1, 3, 1},
      {{0.0f, 0.0f, 20.0f}, {0.0f, 0.0f, 35.0f}, 10.0f, {3.0f, 3.0f, 15.0f}, {1.0f, 1.0f, 0.0f}, {}, 1, 3, 1},
      {{0.0f, 0.0f, 35.0f}, {0.0f, 0.0f, 20.0f}, 10.0f, {3.0f, 3.0f, 15.0f}, {1.0f, 1.0f, 0.0f}, {}, 1, 3, 1},
      {{5.0f, 0.0f, 20.0f}, {15.0f, 0.0f, 28.0f}, 10.0f, {3.0f, 3.0f, 12.8f}, {1.0f, 1.0f, 0.0f}, {}, 1, 4, 1},
  };
  for (const HullMember& member : dry) {
    testing_support::resetSemiRun();
    setMember(5, member);
    SIMCOM.CYLLEN(5) = 123.0f;
    SIMCOM.DIRVEC(1, 5) = 0.5f;
    SIMCOM.LPIERCE(5) = 7;
    SIMCOM.MRWPG2(5) = 9.0f;
    SEMCHR();
    EXPECT_EQ(m.CYLLEN(5), 123.0f) << member.base[2];
    EXPECT_EQ(m.DIRVEC(1, 5), 0.5f) << member.base[2];
    EXPECT_EQ(m.LPIERCE(5), 7) << member.base[2];
    EXPECT_EQ(m.MRWPG2(5), 9.0f) << member.base[2];
    EXPECT_EQ(m.NPIERCE, 4) << member.base[2];
    EXPECT_TRUE(IsClose(TPCM.VOLEST, kColumnVolume, 1e-6)) << member.base[2];
    EXPECT_TRUE(IsClose(TPCM.AWPEST, 314.159265, 1e-6)) << member.base[2];
  }
}

TEST_F(Semchr, SectionKindsOfTheWaterplane) {
  // The squared radius of gyration of a column's cut per D^2: 1/12 (kind 0), 0.0625 (1), 0.0714 (2);
  // a kind outside 0 to 2 is taken as a rectangle.
  const struct {
    std::int32_t kind;
    double factor;
  } cases[] = {{0, 1.0 / 12.0}, {1, 0.0625}, {2, 0.0714}, {3, 1.0 / 12.0}, {-1, 1.0 / 12.0}};
  for (const auto& c : cases) {
    testing_support::resetSemiRun();
    TPCM.NCYLTP(1) = c.kind;
    SEMCHR();
    EXPECT_TRUE(IsClose(SIMCOM.MRWPG2(1), 100.0 * c.factor, 1e-6)) << c.kind;
  }
}

TEST_F(Semchr, DragOnlyKeepsTheAddedMasses) {
  TPCM.DRAG_ONLY = 1;
  SEMCHR();
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ((&SIMCOM.FRCCOF(1, 1, 1))[k], 0.0f);
    EXPECT_EQ((&SIMCOM.MNTCOF(1, 1, 1))[k], 0.0f);
  }
  EXPECT_TRUE(IsClose(HIMEM.CSG, 1.0, 1e-5));
  EXPECT_TRUE(IsClose(HIMEM.PTCHI, 675.0 * kColumnVolume, 1e-5));
  EXPECT_TRUE(IsClose(HIMEM.WH, 0.7, 1e-5));
}

TEST_F(Semchr, ComparisonWithTheInputOnceAndExactly) {
  // 5 % more displacement than the columns give: the displacement alone is flagged, in ES11.4.
  TPCM.TDISPL = 6600.0f;
  {
    ConsoleCapture console("\n");
    SEMCHR();
    EXPECT_EQ(console.screen(),
              "\n ++> WARNING <++\n\n"
              " Possible discrepancy in vessel displacement:\n"
              " (Input value, simulation estimated value) = ( 6.6000E+03, 6.2832E+03)\n\n"
              "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
    EXPECT_FALSE(semchrState.FRSTIM);
  }
  {
    ConsoleCapture console;  // a later call compares nothing
    SEMCHR();
    EXPECT_EQ(console.screen(), "");
  }
  // A centre of buoyancy off the centreline and a waterplane centroid forward: every item in the
  // order of the bits; "A" stops the run.
  semchrState.reset();
  TPCM.TDISPL = 6283.185f;
  TPCM.RCYLB(1, 1) = TPCM.RCYLT(1, 1) = -29.0f;
  {
    ConsoleCapture console("a\n");
    EXPECT_EQ(stopStatus([] { SEMCHR(); }), kExitFatal);
    const std::string screen = console.screen();
    const std::size_t x = screen.find("vessel longitudinal center of buoyancy\n");
    const std::size_t c = screen.find("vessel longitudinal waterplane centroid\n");
    EXPECT_NE(x, std::string::npos) << screen;
    EXPECT_NE(c, std::string::npos) << screen;
    EXPECT_LT(x, c);
    EXPECT_EQ(screen.find("transverse center of buoyancy"), std::string::npos);
    EXPECT_EQ(screen.find("transverse waterplane centroid"), std::string::npos);
    EXPECT_TRUE(contains(screen, " (Input value, simulation estimated value) = ( 0.0000E+00, 2.5000E-01)\n"))
        << screen;
  }
  // With NOWARN the comparison is made, and nothing said.
  semchrState.reset();
  TPCM.NOWARN = 1;
  ConsoleCapture console;
  SEMCHR();
  EXPECT_EQ(console.screen(), "");
  EXPECT_FALSE(semchrState.FRSTIM);
}

TEST_F(Semchr, NoMemberCrossingTheWaterline) {
  // The columns shortened to end below the waterline: the warning once per run, mean widths from the
  // data set, no crossing drag, no waterline notice.
  for (int I = 1; I <= 4; ++I) TPCM.RCYLT(3, I) = 18.0f;
  TPCM.NOWARN = 1;
  {
    ConsoleCapture console("\n");
    SEMCHR();
    EXPECT_EQ(console.screen(), "\n ++> Warning: No member crosses the waterline.\n\n"
                                "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
  }
  EXPECT_EQ(PASCOM.MENWLX, TPCM.TLWL);
  EXPECT_EQ(PASCOM.MENWLY, TPCM.TBWL);
  EXPECT_EQ(PASCOM.ACDSG, 0.0f);
  EXPECT_EQ(PASCOM.ACDSW, 0.0f);
  {
    ConsoleCapture console;
    SEMCHR();
    EXPECT_EQ(console.screen(), "");
  }
  // A tension-leg hull says why, and an unattended run cannot go on past it.
  testing_support::resetSemiRun();
  TPCM.CREATR = 14;
  TPCM.EDUNIT = kDiagnosticsUnit;
  {
    ConsoleCapture unattended;  // the diagnostics unit is not connected here: its lines show on the screen
    EXPECT_EQ(stopStatus([] { SEMCHR(); }), kExitFatal);
  }
  testing_support::resetSemiRun();
  TPCM.EDUNIT = kScreenUnit;
  ConsoleCapture console("\n");
  SEMCHR();
  EXPECT_TRUE(contains(console.screen(), " ++> Warning: No member crosses the waterline. Quasi-static pulldown may\n"
                                         "     have completely submerged all water-piercing members; you should\n"
                                         "     increase their lengths to prevent this.\n"))
      << console.screen();
}

TEST_F(Semchr, NoSubmergedMemberGivesZeroEstimates) {
  for (int I = 1; I <= 4; ++I) TPCM.RCYLB(3, I) = 21.0f;
  ConsoleCapture console("\n\n");
  SEMCHR();
  EXPECT_EQ(TPCM.VOLEST, 0.0f);
  EXPECT_EQ(TPCM.VCBEST, 0.0f);
  EXPECT_EQ(TPCM.XCBEST, 0.0f);
  EXPECT_EQ(TPCM.GMTEST, -HIMEM.EVKG);
  EXPECT_TRUE(contains(console.screen(), " Possible discrepancy in vessel displacement:\n")) << console.screen();
  EXPECT_TRUE(contains(console.screen(), " Possible discrepancy in vessel water plane area:\n"));
}

TEST_F(Semchr, WaterlineNoticeOnce) {
  // The columns' widths add up to 40 m: against a waterline length of 70 m the notice comes, once;
  // the beam is not tested after it.
  TPCM.TLWL = TPCM.TBWL = 70.0f;
  ConsoleCapture console("\n");
  SEMCHR();
  SEMCHR();
  EXPECT_EQ(console.screen(), "\n ++> Notice: Summed water-piercing member waterlines differ from LWL, BWL...\n\n"
                              "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
}

TEST_F(Semchr, UserPeriodsAndZeroRestoring) {
  // A user's pitch period sets the restoring; a KG above the transverse metacentre leaves no roll
  // restoring, a roll frequency of 0 and its grid point at NWP.
  TPCM.LPTPRD = 1;
  TPCM.PITPRD = 20.0f;
  TPCM.VKG = 60.0f;
  TPCM.NOWARN = 1;
  SEMCHR();
  const Himem& h = HIMEM;
  EXPECT_EQ(h.WP, kTwoPi / 20.0f);
  EXPECT_TRUE(IsClose(std::sqrt(h.PRMT / h.PTCHI), kTwoPi / 20.0, 1e-6));
  EXPECT_EQ(h.JP, 33);  // 20 s
  EXPECT_EQ(h.WR, 0.0f);
  EXPECT_EQ(h.JR, TPCM.NWP);
}

TEST_F(Semchr, TensionLegHull) {
  // Creator 17: 1 m of pull-down on the 314.159 m^2 waterplane adds 314.159 t (fresh water); the KB
  // of the added layer is at 20.5 m; the weight of the hull 5000 t; tendon stiffness added.
  TPCM.CREATR = 17;
  TPCM.NOWARN = 1;
  PASCOM.DELTA_DRAFT = 1.0f;
  PASCOM.TLPWGHT = 5000.0f;
  PASCOM.PTENDN = 1.0e6f;
  PASCOM.HTENDN = 500.0f;
  ConsoleCapture console("\n");
  SEMCHR();
  const Himem& h = HIMEM;
  const double added = 314.159;
  const double EDISPL = 6283.185 + added;
  const double EVKB = (6283.185 * 10.0 + 20.5 * added) / EDISPL;
  EXPECT_EQ(h.EDRAFT, 21.0f);
  EXPECT_TRUE(IsClose(h.EDISPL, EDISPL, 1e-6));
  EXPECT_TRUE(IsClose(h.EVKB, EVKB, 1e-6));
  EXPECT_TRUE(IsClose(h.EVKMT, 45.3125 * 6283.185 / EDISPL + EVKB, 1e-6));
  EXPECT_TRUE(IsClose(h.EVKG, 20.0 * 5000.0 / EDISPL, 1e-6));
  EXPECT_TRUE(IsClose(h.HC, 9.8 * 314.159 + 500.0, 1e-6));
  EXPECT_TRUE(IsClose(h.PRMT, 9.8 * h.GML * EDISPL + 1.0e6, 1e-5));
  EXPECT_TRUE(IsClose(h.HVM1, 5000.0, 1e-6));
}

TEST(Dimadj, LargerOfTheOtherTwo) {
  const float d[] = {3.0f, 5.0f, 4.0f};
  const float equal[] = {2.0f, 7.0f, 7.0f};
  struct Case {
    const float* dims;
    int J;
    float DJ, DMAX;
  };
  const Case cases[] = {{d, 1, 3.0f, 5.0f}, {d, 2, 5.0f, 4.0f}, {d, 3, 4.0f, 5.0f}, {equal, 1, 2.0f, 7.0f}};
  for (const Case& c : cases) {
    float DMAX = 0.0f, DJ = 0.0f;
    DIMADJ(c.dims, DMAX, DJ, c.J);
    EXPECT_EQ(DJ, c.DJ) << c.J;
    EXPECT_EQ(DMAX, c.DMAX) << c.J;
  }
}

}  // namespace
}  // namespace qv

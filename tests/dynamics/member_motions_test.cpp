// The wave-frequency member motions: the single-degree-of-freedom response at resonance, the
// two-member column following the yoke point, the static limit of the three-member column against
// the equilibrium of a chain with a moved end (tests/dynamics/reference/dynamics_reference.py), the walk
// of "YOKEMOT" and its turns, the yoke's motions read from where the vessel response writes them
// whatever else it writes, and why a file without them stops, the imposed extension, user operators
// written from the ship model's own against the ship model, and a run over three headings with the
// iteration-failure dialogue.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dataset/tpcm_codes.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynslm.h"
#include "dynamics/memmot.h"
#include "dynamics_fixtures.h"
#include "dynamics_run.h"
#include "hull/himem.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "support/box_tanker.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vessel_fixture.h"
#include "yokemot_file.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;
using testing_support::YokeHeading;

class MemberMotions : public testing_support::DynamicsRun {};

// At its natural frequency the system's stiffness and inertia cancel: the response is the moment
// over the damping term alone, (A + B) / (EM W C).
TEST(Delfcn, AtTheNaturalFrequencyOnlyTheDampingRemains) {
  struct Case {
    Complex A, B;
    float EM, W;
    Complex C;
  };
  const Case cases[] = {
      {{3.0f, -1.0f}, {0.5f, 0.25f}, 604.78687f, 1.5868383f, {0.0f, 0.42f}},
      {{-120.0f, 40.0f}, {0.0f, 0.0f}, 23.35f, 0.3f, {0.01f, -0.7f}},
      {{1e-3f, 2e-3f}, {-4e-3f, 1e-3f}, 1.0f, 6.2831855f, {0.0f, 1e-4f}},
  };
  for (const Case& c : cases) {
    const Complex got = DELFCN(c.A, c.B, c.EM, c.W * c.W, c.W, c.C);
    const std::complex<double> expected = (std::complex<double>(c.A) + std::complex<double>(c.B)) /
                                          (double(c.EM) * double(c.W) * std::complex<double>(c.C));
    EXPECT_TRUE(IsClose(got.real(), expected.real(), 1e-6, 1e-6 * std::abs(expected)));
    EXPECT_TRUE(IsClose(got.imag(), expected.imag(), 1e-6, 1e-6 * std::abs(expected)));
  }
}

// Two members follow the yoke point: whatever the period, the member angles move the top of the
// column exactly as the point moves, sum L c dphi horizontally in the SALM plane, -sum L s dphi
// vertically and sum L s dtheta across the plane. The point's motion comes in the vessel's axes and
// is turned by PHIANC (0.5 rad) into the SALM plane. A buoyant riser's top is held at the vessel as a
// hawser's is: its members follow the point the same way.
TEST_F(MemberMotions, TwoMemberAnglesReproduceTheYokePointMotion) {
  for (const std::int32_t iarco : {kRigidHawser, kBuoyantRiser}) {
    SCOPED_TRACE(attachmentName(iarco));
    testing_support::twoMemberColumn(iarco);
    EQUILB.SLMANG(1) = 0.8f;  // PHIANC = 0.8 - 0.3 = 0.5
    const YokeHeading h = testing_support::smoothHeading(TPCM.NWP, 1, 0.4f, 1);
    testing_support::writeYokemot({h});
    ASSERT_EQ(run(), -1) << screen;
    const double L1 = 30.0, L2 = 15.0, c1 = std::cos(0.3f), s1 = std::sin(0.3f), c2 = std::cos(0.8f),
                 s2 = std::sin(0.8f);
    for (int i = 1; i <= TPCM.NWP; ++i) {
      SCOPED_TRACE("period " + std::to_string(i));
      const auto& m = h.motion[static_cast<std::size_t>(i - 1)];
      const std::complex<double> horizontal =
          std::complex<double>(m[0]) * std::cos(0.5) + std::complex<double>(m[1]) * std::sin(0.5);
      const std::complex<double> across =
          std::complex<double>(m[1]) * std::cos(0.5) - std::complex<double>(m[0]) * std::sin(0.5);
      const std::complex<double> vertical = m[2];
      // The load solver refers the angles in phase to the base of member 1.
      const double phaseLength = DYNCOM.CSLMWV * DYNCOM.RBASE(1, 1) + DYNCOM.SSLMWV * DYNCOM.RBASE(2, 1);
      const std::complex<double> toBase = std::exp(std::complex<double>(0.0, -WAVCOM.WVK(i) * phaseLength));
      const std::complex<double> p1 = std::complex<double>(OUTPUT.PHIMEM(i, 1)) * toBase;
      const std::complex<double> p2 = std::complex<double>(OUTPUT.PHIMEM(i, 2)) * toBase;
      const std::complex<double> x = L1 * c1 * p1 + L2 * c2 * p2;
      const std::complex<double> z = -(L1 * s1 * p1 + L2 * s2 * p2);
      // THTMEM holds the members' transverse angles times their sines.
      const std::complex<double> y = (L1 * std::complex<double>(OUTPUT.THTMEM(i, 1)) +
                                      L2 * std::complex<double>(OUTPUT.THTMEM(i, 2))) *
                                     toBase;
      const double scale = std::abs(horizontal) + std::abs(vertical) + std::abs(across);
      EXPECT_LE(std::abs(x - horizontal), 1e-5 * scale) << x << " against " << horizontal;
      EXPECT_LE(std::abs(z - vertical), 1e-5 * scale) << z << " against " << vertical;
      EXPECT_LE(std::abs(y - across), 1e-5 * scale) << y << " against " << across;
    }
  }
}

// dynamics_reference.py: the column in equilibrium (cb3 = 5.786941, the slope of its potential along
// the closure path zero), its top moved 1 ft horizontally in the SALM plane, settles with the
// members turned by 0.029267866, 0.045479231 and -0.047567867 rad. The imposed extension moves the
// top by 1 ft; at a period of 2000 s without drag the response is that static one.
TEST_F(MemberMotions, ThreeMembersFollowASlowTopMotionThroughTheirEquilibria) {
  testing_support::setDynamicsColumn(testing_support::threeMembers(5.786941f), kRigidHawser);
  Tpcm& t = TPCM;
  t.LEXTND = 1;
  t.COFDMP = 0.0f;
  for (int k = 1; k <= 3; ++k) t.COFDMT(k) = 0.0f;
  testing_support::setWaveGrid(2, 1000.0f, 1000.0f);
  ASSERT_EQ(run(), -1) << screen;
  const double turn[] = {0.029267866, 0.045479231, -0.047567867};
  const float L[] = {20.0f, 15.0f, 10.0f}, phi[] = {0.2f, 0.5f, 1.2f};
  std::complex<double> x = 0.0, z = 0.0;
  for (int m = 1; m <= 3; ++m) {
    const Complex p = OUTPUT.PHIMEM(2, m);
    EXPECT_TRUE(IsClose(p.real(), turn[m - 1], 1e-3)) << "member " << m;
    EXPECT_TRUE(IsClose(p.imag(), 0.0, 0.0, 1e-6)) << "member " << m;
    x += double(L[m - 1]) * std::cos(phi[m - 1]) * std::complex<double>(p);
    z += -double(L[m - 1]) * std::sin(phi[m - 1]) * std::complex<double>(p);
  }
  // The angles close the chain on the moved top exactly.
  EXPECT_TRUE(IsClose(x.real(), 1.0, 1e-5));
  EXPECT_TRUE(IsClose(z.real(), 0.0, 0.0, 1e-5));
  // The extension drives with its own amplitude, without waves or a file.
  EXPECT_EQ(t.LSLPHT, 0);
  EXPECT_EQ(DYNCOM.EXTAMP, t.SLPHT);
  EXPECT_EQ(DYNCOM.CRVEC(1, 2), Complex(1.0f));
  EXPECT_EQ(DYNCOM.CRVEC(2, 2), Complex(1.0f));
  EXPECT_EQ(DYNCOM.CRVEC(3, 2), Complex(0.0f));
  EXPECT_FALSE(std::filesystem::exists("YOKEMOT"));
}

// MEMMOT reads the block of heading ISPRED + 1 from the start of the file, turns the point's motion
// into the SALM plane (PHIANC = 0.5 rad), flips the first and third angles of a SALM behind the
// vessel's centre (XSALM < 0), and takes the angles of user operators (AUXVSH) as they come: the
// vessel stage has already made them radians per unit wave amplitude.
TEST_F(MemberMotions, EachHeadingReadsItsOwnBlockAndTurnsItIntoTheSalmAxes) {
  struct Case {
    const char* name;
    float XSALM;
    std::int32_t AUXVSH;
  };
  const Case cases[] = {{"SALM ahead", 100.0f, 0}, {"SALM behind", -100.0f, 0}, {"user operators", 100.0f, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::twoMemberColumn();
    EQUILB.SLMANG(1) = 0.8f;
    TPCM.XSALM = c.XSALM;
    TPCM.AUXVSH = c.AUXVSH;
    std::vector<YokeHeading> headings;
    for (int j = 0; j < 3; ++j) {
      headings.push_back(testing_support::smoothHeading(TPCM.NWP, 3, 0.7f * static_cast<float>(j), 5 * j));
      headings.back().ISWLFG = j;
      headings.back().ISWLFG2 = 10 + j;
      headings.back().IRANFG = 20 + j;
    }
    testing_support::writeYokemot(headings);
    ASSERT_EQ(run(), -1) << screen;
    EXPECT_EQ(OUTPUT.ISPRED, 3);

    // Each heading again, by itself, on the file as DYNSLM leaves it set up. The heading that names
    // the pass is the block's own, the waves that meet the vessel at RAODIR with the vessel at
    // TANGLE; the members take their wave loads from there with several wave directions, and with
    // one from the random waves that act: the sea of the data set (30 degrees), or the swell (50
    // degrees) where the sea is off, never the heading left on a switched-off page; with neither,
    // from the pass's own regular waves.
    TPCM.SWLHDG = 50.0f;
    struct Waves {
      std::int32_t MLTRAO, LRANDM, LSWELL;
      const char* name;
    };
    const Waves waves[] = {{1, 1, 1, "several directions"},
                           {0, 1, 1, "the sea and the swell on one heading"},
                           {0, 1, 0, "the sea alone"},
                           {0, 0, 1, "the swell alone"},
                           {0, 0, 0, "regular waves alone"}};
    RHOPEN("YOKEMOT", kUnformatted, kMustExist, 0, kYokeMotionUnit, "TEST", kScreenUnit, 0);
    for (int j = 0; j < 3; ++j) {
      OUTPUT.ISPRED = j;
      const YokeHeading& h = headings[static_cast<std::size_t>(j)];
      for (const Waves& w : waves) {
        OUTPUT.MLTRAO = w.MLTRAO;
        TPCM.LRANDM = w.LRANDM;
        TPCM.LSWELL = w.LSWELL;
        {
          ConsoleCapture console;
          MEMMOT();
        }
        EXPECT_TRUE(IsClose(OUTPUT.WAVDIR, h.heading + 0.3f, 1e-6)) << w.name;
        const double block = h.heading + 0.3;
        const double members = w.MLTRAO != 0   ? block
                               : w.LRANDM != 0 ? TPCM.SEAHDG(1) / 57.2957764
                               : w.LSWELL != 0 ? 50.0 / 57.2957764
                                               : block;
        EXPECT_TRUE(IsClose(memberWaveHeading(), members, 1e-6)) << w.name;
        EXPECT_TRUE(IsClose(DYNCOM.SLMWAV, members - EQUILB.SLMANG(1), 1e-6)) << w.name;
      }
      EXPECT_EQ(OUTPUT.RAODIR, h.heading);
      EXPECT_EQ(OUTPUT.ISWLFG, j);
      EXPECT_EQ(OUTPUT.ISWLFG2, 10 + j);
      EXPECT_EQ(OUTPUT.IRANFG, 20 + j);
      for (int i = 1; i <= TPCM.NWP; ++i) {
        const auto& m = h.motion[static_cast<std::size_t>(i - 1)];
        const auto& a = h.angles[static_cast<std::size_t>(i - 1)];
        const std::complex<double> x = std::complex<double>(m[0]) * std::cos(0.5) + std::complex<double>(m[1]) * std::sin(0.5);
        const std::complex<double> y = std::complex<double>(m[1]) * std::cos(0.5) - std::complex<double>(m[0]) * std::sin(0.5);
        EXPECT_LE(std::abs(std::complex<double>(DYNCOM.CRVEC(1, i)) - x), 1e-6);
        EXPECT_LE(std::abs(std::complex<double>(DYNCOM.CRVEC(2, i)) - y), 1e-6);
        EXPECT_EQ(DYNCOM.CRVEC(3, i), m[2]);
        const double flip = c.XSALM < 0.0f ? -1.0 : 1.0;
        const double factor[] = {flip, 1.0, flip};
        for (int q = 1; q <= 3; ++q) {
          const std::complex<double> expected = factor[q - 1] * std::complex<double>(a[static_cast<std::size_t>(q - 1)]);
          EXPECT_LE(std::abs(std::complex<double>(DYNCOM.CVANG(q, i)) - expected), 1e-5 * std::abs(expected))
              << "period " << i << ", angle " << q;
        }
      }
    }
    closeAllUnits();
  }
}

// The box tanker on the three-member column in 60 ft of water, waves at 150 deg to its bow, its yoke
// point near the bow: the vessel-response passes (without a sea) write "YOKEMOT", with the ship
// model's operators or with the user operators of "USERRAOS.txt" (AUXVSH).
void tankerOnTheColumn(std::int32_t userOperators) {
  testing_support::threeMemberColumn();
  Tpcm& t = TPCM;
  testing_support::boxTankerHull();
  t.ISPM = 1;
  t.AUXVSH = userOperators;
  t.NDIR = 1;
  t.WAVHDG(1) = 150.0f;
  t.ANGSEC = 180.0f;
  t.COSEXP = 2.0f;
  t.NEGSUM = 1;
  for (int q = 1; q <= 6; ++q) t.MOTION(q) = 1;
  t.NACC = 1;
  t.RACC(1, 1) = 140.0f;
  t.RACC(2, 1) = 0.0f;
  t.RACC(3, 1) = 32.0f;
  t.LDSP = 1;
  ConsoleCapture console(std::string(10, '\n'));
  VESL1();
  VESL2();
}

// A user operator file written from the ship model's own operators (at the centre of gravity, the
// angles in degrees per degree of wave slope, with the wave numbers of dynamics_reference.py) moves
// the members as the ship model does: the vessel stage turns the user angles into radians per unit
// amplitude once, and the member motions take them as they come.
TEST_F(MemberMotions, UserOperatorsOfTheHullModelMoveTheMembersAsTheHullModelDoes) {
  const double waveNumber[] = {0.076757106, 0.035129671, 0.022097247, 0.016315159, 0.013037851, 0.010904095};
  tankerOnTheColumn(0);
  const Himem& h = HIMEM;
  const int periods = TPCM.NWP;
  ASSERT_EQ(periods, 6);
  std::string rows;
  for (int i = 1; i <= periods; ++i) {
    std::complex<double> X[6];
    for (int q = 0; q < 6; ++q) X[q] = h.CXDUM(h.LCNSG + q * h.NARRAY + i - 1);
    X[0] -= double(h.VTCRP - TPCM.TVKG) * X[4];  // surge and sway at the centre of gravity
    X[1] += double(h.VTCRR - TPCM.TVKG) * X[3];
    char line[400];
    std::snprintf(line, sizeof line, "%.9g", double(WAVCOM.W(i)));
    rows += line;
    for (int q = 0; q < 6; ++q) {
      const std::complex<double> x = q >= 3 ? X[q] / waveNumber[i - 1] : X[q];
      std::snprintf(line, sizeof line, " %.9g %.9g", x.real(), x.imag());
      rows += line;
    }
    rows += "\n";
  }
  ASSERT_EQ(run(), -1) << screen;
  struct Angles {
    std::array<std::array<Complex, 3>, 6> phi, tht;
  };
  auto angles = [&] {
    Angles a;
    for (int i = 1; i <= periods; ++i) {
      for (int m = 1; m <= 3; ++m) {
        a.phi[i - 1][m - 1] = OUTPUT.PHIMEM(i, m);
        a.tht[i - 1][m - 1] = OUTPUT.THTMEM(i, m);
      }
    }
    return a;
  };
  const Angles hull = angles();
  {
    std::ofstream user("USERRAOS.txt");
    user << periods << " 2\n0.0\n" << rows << "360.0\n" << rows;
  }

  resetAllBlocks();
  tankerOnTheColumn(1);
  ASSERT_EQ(run(), -1) << screen;
  const Angles users = angles();
  double largest = 0.0;
  for (int i = 0; i < periods; ++i) {
    for (int m = 0; m < 3; ++m) {
      largest = std::max({largest, double(std::abs(hull.phi[i][m])), double(std::abs(hull.tht[i][m]))});
    }
  }
  ASSERT_GT(largest, 0.0);
  for (int i = 0; i < periods; ++i) {
    for (int m = 0; m < 3; ++m) {
      SCOPED_TRACE("period " + std::to_string(i + 1) + ", member " + std::to_string(m + 1));
      // 2 % of each angle, and of the largest for angles near 0.
      const double phi = std::abs(std::complex<double>(users.phi[i][m]) - std::complex<double>(hull.phi[i][m]));
      const double tht = std::abs(std::complex<double>(users.tht[i][m]) - std::complex<double>(hull.tht[i][m]));
      EXPECT_LE(phi, 0.02 * std::abs(hull.phi[i][m]) + 1e-4 * largest) << hull.phi[i][m] << " " << users.phi[i][m];
      EXPECT_LE(tht, 0.02 * std::abs(hull.tht[i][m]) + 1e-4 * largest) << hull.tht[i][m] << " " << users.tht[i][m];
    }
  }
}

TEST_F(MemberMotions, AMotionFileShorterThanItsHeadingsStops) {
  struct Case {
    const char* name;
    int headings, periodsOfLast;
    const char* heading;  // the heading whose motions are missing
  };
  const Case cases[] = {{"the third block missing", 2, 6, "3"}, {"the second block cut short", 2, 4, "2"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::twoMemberColumn();
    std::vector<YokeHeading> headings;
    for (int j = 0; j < c.headings; ++j) headings.push_back(testing_support::smoothHeading(TPCM.NWP, 3, 0.1f, j));
    headings.back().motion.resize(static_cast<std::size_t>(c.periodsOfLast));
    headings.back().angles.resize(static_cast<std::size_t>(c.periodsOfLast));
    testing_support::writeYokemot(headings);
    EXPECT_EQ(run("\n"), kExitFatal);
    EXPECT_TRUE(contains(screen, "\n ++> End of file or related file error in routine MEMMOT\n"
                                 "     file name Unknown\n"
                                 "     The vessel motion file \"YOKEMOT\" holds no yoke motions for heading   " +
                                     std::string(c.heading) +
                                     ":\n     it ends before them.\n\n Press <RETURN> to continue: "))
        << screen;
  }
}

// "YOKEMOT" as the vessel response writes it for a tanker on the yoke, with the stand-in hull whose
// six operators are 1 at every period, the output kinds switched on as given and `points` vessel
// points, the first the yoke's hinge at (50, 0, 60) ft (the centre of gravity 40 ft above the keel).
void writeVesselMotions(std::int32_t LACC, std::int32_t LVEL, std::int32_t points) {
  testing_support::freeShipDataSet(6);  // periods 5 to 7.5 s
  testing_support::StubHull::naturalPeriod = 6.0f;
  Tpcm& t = TPCM;
  t.ISPM = 1;
  t.NEGSUM = 1;
  t.LACC = LACC;
  t.LVEL = LVEL;
  t.LDSP = 1;
  t.NACC = points;
  const float coordinates[3][3] = {{50.0f, 0.0f, 60.0f}, {-100.0f, 20.0f, 10.0f}, {30.0f, -15.0f, 45.0f}};
  for (int p = 1; p <= 3; ++p) {
    for (int c = 1; c <= 3; ++c) t.RACC(c, p) = coordinates[p - 1][c - 1];
  }
  ConsoleCapture console;
  const int status = stopStatus([] {
    VESL1();
    VESL2();
  });
  closeAllUnits();
  ASSERT_EQ(status, -1) << console.screen();
}

// The yoke's motions are the first point's displacements whatever else pass 2 writes: with the
// accelerations and velocities of three points before them the dynamics reads what it reads from
// the file of the displacements of the yoke point alone, and that is the rigid-body motion of the
// hinge under unit operators: surge 1 + (z - KG) pitch - y yaw = 21, sway 1 + x yaw - (z - KG) roll =
// 31, heave 1 + y roll - x pitch = -49 per unit wave amplitude (the yoke's axes turned by PHIANC = 0
// into the SALM plane), and the vessel's roll, yaw and pitch, 1 each.
TEST_F(MemberMotions, TheYokeMotionsAreTheFirstPointsDisplacementsWhateverElseIsWritten) {
  struct Case {
    const char* name;
    std::int32_t LACC, LVEL, points;
  };
  const Case cases[] = {{"displacements of the yoke point alone", 0, 0, 1},
                        {"accelerations before them", 1, 0, 1},
                        {"accelerations and velocities before them", 1, 1, 1},
                        {"a second point on the page", 0, 0, 2},
                        {"every kind of three points", 1, 1, 3}};
  const Complex expected[6] = {Complex(21.0f), Complex(31.0f), Complex(-49.0f), Complex(1.0f), Complex(1.0f),
                               Complex(1.0f)};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(writeVesselMotions(c.LACC, c.LVEL, c.points));
    testing_support::twoMemberColumn();  // PHIANC = SLMANG - TANGLE = 0
    TPCM.LACC = c.LACC;
    TPCM.LVEL = c.LVEL;
    TPCM.NACC = c.points;
    ASSERT_EQ(run(), -1) << screen;
    EXPECT_EQ(OUTPUT.ISPRED, 1);
    EXPECT_TRUE(IsClose(OUTPUT.RAODIR, 3.1415927, 1e-6)) << "the heading from astern, in radians";
    for (int i = 1; i <= TPCM.NWP; ++i) {
      for (int q = 1; q <= 3; ++q) {
        EXPECT_LE(std::abs(DYNCOM.CRVEC(q, i) - expected[q - 1]), 1e-4f) << "period " << i << ", motion " << q;
        EXPECT_LE(std::abs(DYNCOM.CVANG(q, i) - expected[q + 2]), 1e-6f) << "period " << i << ", angle " << q;
      }
    }
  }
}

// A file that holds no yoke motions says so, and why, after the file error of the routine that
// meets it.
TEST_F(MemberMotions, AMotionFileWithoutTheYokeMotionsSaysWhy) {
  struct Case {
    const char* name;
    std::int32_t LACC, LDSP, points;
    std::string why;
  };
  const std::string none = "     The vessel motion file \"YOKEMOT\" holds no yoke motions";
  const Case cases[] = {
      {"no vessel point", 1, 1, 0,
       none + ": the data set names\n"
              "     no vessel point (NACC =   0), and the yoke's motions are the first point's.\n"},
      {"accelerations only", 1, 0, 1,
       none + ": the vessel response\n"
              "     wrote no displacements of the vessel points (LDSP off), and the yoke's are\n"
              "     the first point's.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_FATAL_FAILURE(writeVesselMotions(c.LACC, 0, std::max(c.points, 1)));
    testing_support::twoMemberColumn();
    TPCM.LACC = c.LACC;
    TPCM.LDSP = c.LDSP;
    TPCM.NACC = c.points;
    EXPECT_EQ(run("\n"), kExitFatal);
    EXPECT_TRUE(contains(screen, "\n ++> End of file or related file error in routine DYNSLM\n"
                                 "     file name Unknown\n" +
                                     c.why + "\n Press <RETURN> to continue: "))
        << screen;
    EXPECT_FALSE(contains(screen, "wave-frequency motions for")) << "before the first heading";
  }
}

// A heading whose sway is large against the column's reach makes the secant iteration of the drag
// wander; the user is asked after 100 steps.
YokeHeading restlessHeading(int periods, int headingCount, float heading) {
  YokeHeading h;
  h.NRAOSM = headingCount;
  h.heading = heading;
  for (int i = 0; i < periods; ++i) {
    h.motion.push_back({Complex(0.1f, 0.0f), Complex(30.0f, 0.3f), Complex(0.05f, 0.0f)});
    h.angles.push_back({Complex(0.0f), Complex(0.0f), Complex(0.0f)});
  }
  return h;
}

// The three-member column, its drag only through the iteration (COFDMP = 0), four periods.
void restlessColumn() {
  testing_support::threeMemberColumn();
  TPCM.COFDMP = 0.0f;
  for (int k = 1; k <= 3; ++k) TPCM.COFDMT(k) = 3.0f;
  testing_support::setWaveGrid(4, 3.0f, 0.5f);
}

// Three headings, the second restless. At its first period the user asks to quit with the finished
// periods (there are none: asked again), takes one more step twice, starts the period again, then
// keeps the estimate; at the second period quits with the one finished period. The third heading is
// read from its own block although the run now has one period. Each heading states its block's own,
// the waves of its vessel motions.
TEST_F(MemberMotions, RunOverThreeHeadingsWithTheIterationFailureDialogue) {
  restlessColumn();
  testing_support::writeYokemot({testing_support::smoothHeading(4, 3, 0.0f, 1), restlessHeading(4, 3, 0.5f),
                                 testing_support::smoothHeading(4, 3, 1.0f, 2)});
  ASSERT_EQ(run("-4\n\n\n-3\n-2\n-4\n"), -1) << screen;
  const std::string question =
      "\n"
      " ++> Iteration failure in damping loop for wave period    3.00\n"
      "\n"
      "  Enter -2 to keep current result, quit this period and go to the next period\n"
      "  Enter -3 to try this one again\n"
      "  Enter -4 to quit with available  0 completed periods; otherwise...\n"
      "\a\n"
      " Enter \"A\" to abort or Press <RETURN> to continue: ";
  const std::string expected =
      " >>> Computing Salm normal mode parameters...\n"
      " >>> Salm normal mode periods =  3.96,  4.30 seconds\n"
      "\n >>> Computing Salm wave-frequency motions for wave heading   17.19\n\n"
      "\n >>> Computing Salm member loads for wave heading   17.19\n\n"
      "\n >>> Computing Salm wave-frequency motions for wave heading   45.84\n\n" +
      question + "  -4 needs a completed period; wave period 1 is the first\n"
      "\a\n Enter \"A\" to abort or Press <RETURN> to continue: " +
      question + question + question +
      "\n"
      " ++> Iteration failure in damping loop for wave period    3.50\n"
      "\n"
      "  Enter -2 to keep current result, quit this period and go to the next period\n"
      "  Enter -3 to try this one again\n"
      "  Enter -4 to quit with available  1 completed periods; otherwise...\n"
      "\a\n"
      " Enter \"A\" to abort or Press <RETURN> to continue: "
      "\n >>> Computing Salm member loads for wave heading   45.84\n\n"
      "\n >>> Computing Salm wave-frequency motions for wave heading   74.48\n\n"
      "\n >>> Computing Salm member loads for wave heading   74.48\n\n"
      "\n >>> Outputting irregular wave/peak load data...\n\n";
  EXPECT_EQ(screen, expected);
  EXPECT_EQ(unread, "");
  EXPECT_EQ(TPCM.NWP, 1);
  EXPECT_EQ(memmotState.filePeriods, 4);
  EXPECT_EQ(OUTPUT.ISPRED, 3);
  // Period 2 of the restless heading was kept; the last heading solved period 1 only.
  EXPECT_NE(OUTPUT.PHIMEM(2, 1), Complex(0.0f));
  EXPECT_TRUE(std::isfinite(std::abs(OUTPUT.PHIMEM(2, 1))));
}

TEST_F(MemberMotions, AbortingAtTheIterationFailureStops) {
  restlessColumn();
  testing_support::writeYokemot({restlessHeading(4, 1, 0.0f)});
  EXPECT_EQ(run("a\n"), kExitFatal);
  EXPECT_TRUE(contains(screen, " ++> Iteration failure in damping loop for wave period    3.00\n")) << screen;
  EXPECT_EQ(unread, "");
}

// An unattended run cannot answer: the message, with what the drag grows with, goes to the
// diagnostics file and the run stops.
TEST_F(MemberMotions, AnUnattendedRunStopsAfterTheIterationFailureMessage) {
  restlessColumn();
  TPCM.EDUNIT = kDiagnosticsUnit;
  testing_support::writeYokemot({restlessHeading(4, 1, 0.0f)});
  RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
  EXPECT_EQ(run(), kExitFatal);
  closeAllUnits();
  EXPECT_EQ(screen, "");
  EXPECT_TRUE(contains(testing_support::readFileText("Diagnostics.stxt"),
                       " ++> Iteration failure in damping loop for wave period    3.00\n"
                       "     The members' drag did not settle in 100 steps at this period (page 14). It\n"
                       "     grows with the element drag coefficients (page 3, item 10: 3.00, 3.00\n"
                       "     and 3.00) and the wave height or slope (page 14, item 4: 8.00); check them\n"
                       "     and the element volumes and centroids (page 3, items 3 and 4).\n\n"
                       "  Enter -2 to keep current result, quit this period and go to the next period\n"
                       "  Enter -3 to try this one again\n"
                       "  Enter -4 to quit with available  0 completed periods; otherwise...\n"));
}

}  // namespace
}  // namespace qv

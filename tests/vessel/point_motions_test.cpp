// Point motions and the vessel motion files: rigid-body kinematics of chosen points against closed
// forms, the water's motion seen from a vessel at rest, the record layout of every configuration
// checked with the record dumper, the partner and line-angle files (made with the dumper), the
// report against a reviewed expected file, the console's repeat, and the hinge statistics.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/linear_waves.h"
#include "support/record_file.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "vessel/point_motions.h"
#include "vessel/stub_hull.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::dumpRecords;
using testing_support::expectedFile;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::Record;
using testing_support::RecordDump;
using testing_support::stopStatus;
using testing_support::TempDir;
using testing_support::writeRecords;

constexpr float kDeg = 57.2957764f;
constexpr int kPartnerUnit = 10;
const Complex kHeave(0.8f, 0.3f);       // [-]
const Complex kPitch(0.01f, -0.02f);    // [rad per unit amplitude]

bool near(Complex actual, Complex expected, double rel = 1e-5) {
  const double scale = std::abs(expected) + 1e-6;
  return std::abs(actual - expected) <= rel * scale;
}

float w(int i) { return HIMEM.RLDUM(HIMEM.LCNW + i - 1); }
float k(int i) { return HIMEM.RLDUM(HIMEM.LCNWK + i - 1); }

// The operators of every period: only heave and pitch, or nothing at all.
void setOperators(Complex heave, Complex pitch) {
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
    INDXUP();
    for (const std::int32_t at : {h.LSG, h.LSW, h.LHV, h.LRL, h.LPT, h.LYA}) h.CXDUM(at) = Complex(0.0f, 0.0f);
    h.CXDUM(h.LHV) = heave;
    h.CXDUM(h.LPT) = pitch;
  }
}

// Line angles: the count record, then (phi, theta) per point of each page.
Record lineCount(std::int32_t nskip) { return Record().i(nskip); }
Record lineAngles(float phi, float theta) { return Record().f(phi).f(theta); }

class PointMotions : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::threePeriodShipAfterPassOne();  // 5, 5.5, 6 s in 150 ft of water
    TPCM.IUNIT = 1;
    TPCM.LMOTN = 1;
    TPCM.ALLRAO = 0;
    TPCM.LGAP = 0;
    TPCM.TVFWD = 0.0f;
    TPCM.CNTSEP = 0.0f;
    WAVCOM.IRAO = 1;
    WAVCOM.NRAO = 1;
    HIMEM.RAOANG(1) = 150.0f;
    HIMEM.LRAO(1) = 0;  // no report unless a case asks
    HIMEM.LSKIP = 1;    // no statistics unless a case asks
    HIMEM.IUNX = kPartnerUnit;
    // Three points: ahead at the centre of gravity's height, aft to port low, amidships to starboard.
    const float points[3][3] = {{100.0f, 0.0f, 40.0f}, {-150.0f, 20.0f, 10.0f}, {0.0f, -30.0f, 60.0f}};
    TPCM.NACC = 3;
    for (int p = 1; p <= 3; ++p) {
      for (int c = 1; c <= 3; ++c) TPCM.RACC(c, p) = points[p - 1][c - 1];
    }
    setOperators(kHeave, kPitch);
  }

  void configure(std::int32_t ispm, std::int32_t creatr) {
    TPCM.ISPM = ispm;
    TPCM.CREATR = creatr;
    RHOPEN("MOTIONS", kUnformatted, kFresh, 0, kMotionFileUnit, "HOBRANE2", kScreenUnit, 0);
  }
  void lineAngleFile(const std::vector<Record>& records) {
    writeRecords("LINEANG", records);
    RHOPEN("LINEANG", kUnformatted, kMustExist, 0, kLineAngleUnit, "HOBRANE2", kScreenUnit, 0);
  }
  void partnerFile(const std::vector<Record>& records) {
    writeRecords("PARTNER", records);
    RHOPEN("PARTNER", kUnformatted, kMustExist, 0, kPartnerUnit, "HOBRANE2", kScreenUnit, 0);
  }
  void call(std::int32_t kind, std::int32_t npts = 3) {
    Himem& h = HIMEM;
    h.LFRFLG = kind;
    h.LOCSIG = kind == 2 ? h.LCNACC : kind == 3 ? h.LCNVEL : h.LCNDSP;
    ACCOUT(npts, TPCM.RACC);
  }
  RecordDump motionFile() {
    closeUnit(kMotionFileUnit);
    return dumpRecords("MOTIONS");
  }
  // |displayed component j of point c (0, 1) of the last page| squared, at grid point i.
  float column(int c, int j, int i) const {
    return HIMEM.RLDUM(HIMEM.LACRAO + (3 * c + j) * HIMEM.NARRAY + i - 1);
  }

  TempDir dir;
};

// A rigid body in heave and pitch (small angles): the vertical motion of a point x ahead is
// heave - x pitch; its velocity is i w times that and the acceleration w^2 times it (the
// acceleration is reported in phase with the displacement, as the force it takes to hold a unit
// mass, which is also why gravity enters the horizontal component as + g pitch). The surge
// acceleration at height z above the pitch centre: w^2 (z - zc) pitch + g pitch.
TEST_F(PointMotions, RigidBodyMotionsOfThePoints) {
  configure(1, 11);
  call(4);
  call(3);
  call(2);
  const RecordDump dump = motionFile();
  ASSERT_TRUE(dump.clean) << dump.text();
  // Per call a header and 3 periods x 3 points of six complex values.
  ASSERT_EQ(dump.records.size(), 3u * 10u) << dump.text();
  const float g = WAVCOM.G;
  const float zc = HIMEM.VTCRP;
  for (int kind = 0; kind < 3; ++kind) {  // displacement, velocity, acceleration
    const std::size_t base = 10 * static_cast<std::size_t>(kind);
    EXPECT_EQ(dump.records[base].bytes(), 20u);
    for (int i = 1; i <= 3; ++i) {
      // Page 1 holds points 1 and 2 period by period; page 2 point 3.
      const std::size_t at[3] = {base + 1 + 2 * (i - 1), base + 2 + 2 * (i - 1), base + 7 + (i - 1)};
      for (int p = 1; p <= 3; ++p) {
        const Record& r = dump.records[at[p - 1]];
        ASSERT_EQ(r.bytes(), 48u);
        const float x = TPCM.RACC(1, p);
        const float z = TPCM.RACC(3, p);
        const Complex disp = kHeave - x * kPitch;
        const Complex iw(0.0f, w(i));
        const Complex expectedZ[3] = {disp, iw * disp, w(i) * w(i) * disp};
        EXPECT_TRUE(near(r.complexAt(2), expectedZ[kind])) << "kind " << kind << " period " << i << " point " << p;
        if (kind == 2) {
          const Complex ax = w(i) * w(i) * (z - zc) * kPitch + g * kPitch;
          EXPECT_TRUE(near(r.complexAt(0), ax)) << "period " << i << " point " << p;
          EXPECT_EQ(r.complexAt(1), Complex(0.0f, 0.0f));
        }
        // Then roll, yaw, pitch of the vessel as the response pass gave them.
        EXPECT_EQ(r.complexAt(3), Complex(0.0f, 0.0f));
        EXPECT_EQ(r.complexAt(4), Complex(0.0f, 0.0f));
        EXPECT_EQ(r.complexAt(5), kPitch);
      }
    }
  }
}

// The water particle's displacement per unit wave amplitude by linear wave theory, written here
// from the velocity potential of a regular wave in water of depth d: with the elevation
// E = exp(-i k (x cos b + y sin b)) (the vessel's operators are referred to the same origin) and the
// particle's mean height zw above the still water line, it moves -i E cosh(k (d + zw)) / sinh(k d)
// along the wave's direction, a quarter period ahead of the elevation, and E sinh(k (d + zw)) /
// sinh(k d) up. The wave number is the tests' own, from w^2 = g k tanh(k d).
struct Particle {
  std::complex<double> x, y, z;
  double horizontal;  // the modulus of the horizontal excursion [ft per unit amplitude]
};

Particle particle(double w, double x, double y, double zw, double headingRad) {
  const double d = TPCM.DEPTH;
  const double kk = testing_support::linearWaveNumber(w, d, WAVCOM.G);
  const std::complex<double> E = std::exp(std::complex<double>(0.0, -kk * (x * std::cos(headingRad) + y * std::sin(headingRad))));
  const double along = std::cosh(kk * (d + zw)) / std::sinh(kk * d);
  const std::complex<double> h = std::complex<double>(0.0, -along) * E;
  return {h * std::cos(headingRad), h * std::sin(headingRad), E * std::sinh(kk * (d + zw)) / std::sinh(kk * d), along};
}

Complex single(std::complex<double> v) { return Complex(static_cast<float>(v.real()), static_cast<float>(v.imag())); }

// A body that moves as the water does has no motion relative to it. At each point in turn the
// vessel is given the operators of the water particle there (surge, sway and heave, no rotation), so
// the point's displacement relative to the water is nil: within 1 % of the particle's excursion,
// horizontally and vertically, with the waves along, across and oblique to the hull, at rest and
// under way (the particle's excursion does not depend on who watches it). LGAP 1 compares with the
// particle at the surface, LGAP 2 with the one at the point's own depth below the water line. Last,
// the vessel runs with the waves at their own speed (encounter frequency 0 at the middle period):
// the relative motion stays finite and nil.
TEST_F(PointMotions, ABodyMovingWithTheWaterHasNoRelativeMotion) {
  struct Case {
    const char* what;
    float headingDeg;
    float speed;  // [ft/s]
    std::int32_t lgap;
  };
  const Case cases[] = {
      {"waves from 180 deg at rest", 180.0f, 0.0f, 1},
      {"waves from 90 deg at rest", 90.0f, 0.0f, 1},
      {"waves from 135 deg at rest", 135.0f, 0.0f, 1},
      {"waves from 30 deg at rest, depth attenuation", 30.0f, 0.0f, 2},
      {"waves from 180 deg under way", 180.0f, 15.0f, 1},
      {"waves from 90 deg under way", 90.0f, 15.0f, 2},
      {"waves from 45 deg under way", 45.0f, 12.0f, 1},
      {"waves from 0 deg at their own speed", 0.0f, -1.0f, 1},
  };
  for (const Case& c : cases) {
    for (int p = 1; p <= 3; ++p) {
      SetUp();
      HIMEM.RAOANG(1) = c.headingDeg;
      TPCM.LGAP = c.lgap;
      TPCM.VGLDIR = 0.0f;
      TPCM.TVFWD = c.speed >= 0.0f ? c.speed : w(2) / k(2);
      if (c.speed < 0.0f) {
        ASSERT_LT(std::fabs(w(2) - k(2) * TPCM.TVFWD), 1e-5f * w(2)) << "the middle period is met at frequency 0";
      }
      const double b = c.headingDeg / 57.2957795;
      PointCoordinates one{};
      for (int j = 1; j <= 3; ++j) one(j, 1) = TPCM.RACC(j, p);
      const double x = one(1, 1), y = one(2, 1), z = one(3, 1);
      const double zw = (c.lgap == 2 && z < TPCM.DRAFT) ? z - TPCM.DRAFT : 0.0;
      Himem& h = HIMEM;
      for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
        INDXUP();
        const Particle water = particle(2.0 * 3.14159265358979 / TPCM.T(h.IW), x, y, zw, b);
        for (const std::int32_t at : {h.LRL, h.LPT, h.LYA}) h.CXDUM(at) = Complex(0.0f, 0.0f);
        h.CXDUM(h.LSG) = single(water.x);
        h.CXDUM(h.LSW) = single(water.y);
        h.CXDUM(h.LHV) = single(water.z);
      }
      configure(1, 11);
      HIMEM.LFRFLG = 4;
      HIMEM.LOCSIG = HIMEM.LCNDSP;
      ACCOUT(1, one);
      const RecordDump dump = motionFile();
      ASSERT_EQ(dump.records.size(), 1u + 3u) << dump.text();
      for (int i = 1; i <= 3; ++i) {
        const Particle water = particle(2.0 * 3.14159265358979 / TPCM.T(i), x, y, zw, b);
        const Record& r = dump.records[static_cast<std::size_t>(i)];
        for (int j = 0; j < 3; ++j) {
          const Complex relative = r.complexAt(j);
          const double scale = j < 2 ? water.horizontal : std::abs(water.z);
          EXPECT_TRUE(std::isfinite(std::abs(relative))) << c.what << ", point " << p << ", period " << i;
          EXPECT_LT(std::abs(relative), 0.01 * scale)
              << c.what << ", point " << p << ", period " << i << ", component " << j << ": " << relative;
        }
      }
    }
  }
}

// Two headings, three periods: 20-byte headers with the heading in radians, 48-byte records of the
// yoke, 72-byte records of the moored bodies; the buoy's second point follows its first.
TEST_F(PointMotions, MotionFileRecordsOfEachConfiguration) {
  struct Case {
    const char* what;
    std::int32_t ispm, creatr;
    std::vector<std::size_t> lengths;  // one call
  };
  const std::size_t H = 20, Y = 48, M = 72;
  const Case cases[] = {
      {"yoke (ISPM 1)", 1, 11, {H, Y, Y, Y, Y, Y, Y}},
      {"tug (ISPM 2, CREATR 10)", 2, 10, {H, M, M, M}},
      {"buoy (ISPM 2, CREATR 13)", 2, 13, {H, M, M, M, M, M, M}},
      {"fairleads (ISPM 5)", 5, 11, {H, M, M, M, M, M, M}},
      {"ISPM 7: header only", 7, 11, {H}},
      {"free vessel: nothing", 0, 11, {}},
  };
  for (const Case& c : cases) {
    SetUp();
    WAVCOM.NRAO = 2;
    HIMEM.RAOANG(2) = 30.0f;
    configure(c.ispm, c.creatr);
    // Point 1 on a vertical line, point 2 on a horizontal line running ahead (theta 90 deg, phi 0).
    if (c.ispm > 1) {
      lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f), lineAngles(0.0f, 1.5707964f), lineCount(1),
                     lineAngles(0.0f, 0.0f), lineAngles(0.0f, 1.5707964f)});
    }
    for (WAVCOM.IRAO = 1; WAVCOM.IRAO <= 2; ++WAVCOM.IRAO) call(2, 2);
    const RecordDump dump = motionFile();
    ASSERT_TRUE(dump.clean) << c.what;
    std::vector<std::size_t> expected = c.lengths;
    expected.insert(expected.end(), c.lengths.begin(), c.lengths.end());
    EXPECT_EQ(dump.lengths(), expected) << c.what << "\n" << dump.text();
    if (c.lengths.empty()) continue;
    // The header: NRAO, the three flags, the relative heading in radians.
    const Record& second = dump.records[c.lengths.size()];
    EXPECT_EQ(second.intAt(0), 2) << c.what;
    EXPECT_TRUE(IsClose(second.floatAt(4), 30.0 / 57.2957764, 1e-6)) << c.what;
    if (c.lengths.size() < 4 || c.lengths[1] != M) continue;
    // Along a vertical line X' = -x, Y' = y, Z' = -z; along a line running ahead X' = z, Z' = -x.
    // Rotations likewise: RY' = pitch on the vertical line.
    const int i = 1;
    const Complex a1z = w(i) * w(i) * (kHeave - 100.0f * kPitch);
    const Record& first = dump.records[1];
    EXPECT_TRUE(near(first.complexAt(2), -a1z)) << c.what;
    EXPECT_EQ(first.complexAt(5), kPitch) << c.what;   // pitch after roll and yaw
    EXPECT_EQ(first.complexAt(7), kPitch) << c.what;   // RY'
    if (c.lengths.size() == 7) {
      // The second point's records follow the first point's three.
      const Complex a2x = w(i) * w(i) * (10.0f - HIMEM.VTCRP) * kPitch + WAVCOM.G * kPitch;
      const Complex a2z = w(i) * w(i) * (kHeave + 150.0f * kPitch);
      const Record& pointTwo = dump.records[4];
      EXPECT_TRUE(near(pointTwo.complexAt(0), a2z)) << c.what;
      EXPECT_TRUE(near(pointTwo.complexAt(2), -a2x)) << c.what;
    }
  }
}

// The trailing body writes its first point carried to the partner by P = exp(i k CNTSEP cos h) and
// shows its second point relative to the partner's record of the same period (read back from the
// report's amplitudes and phases).
TEST_F(PointMotions, TrailingBodyPairsWithItsPartner) {
  TPCM.CNTSEP = 300.0f;
  HIMEM.LRAO(1) = 1;
  configure(3, 10);
  RHOPEN("BARGRAO.stxt", kFormatted, kFresh, 0, 1, "HOBRANE2", kScreenUnit, 0);
  lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f), lineAngles(0.0f, 0.0f)});
  std::vector<Record> partner = {Record().i(1).i(0).i(0).i(1).f(2.6f)};
  const Complex q[3] = {{0.5f, 0.1f}, {-0.2f, 0.3f}, {1.0f, -1.0f}};
  for (int i = 1; i <= 3; ++i) {
    Record r;
    for (const Complex v : q) r.c(static_cast<float>(i) * v);
    for (int j = 0; j < 6; ++j) r.c({9.0f, 9.0f});
    partner.push_back(r);
  }
  partnerFile(partner);
  call(4, 2);
  HCLOSE(1, "BARGRAO.stxt", "HOBRANE2", kScreenUnit);
  const RecordDump dump = motionFile();
  ASSERT_EQ(dump.lengths(), (std::vector<std::size_t>{20, 72, 72, 72}));
  const std::string report = readFileText("BARGRAO.stxt");
  const double hw = 150.0 / 57.2957764;
  for (int i = 1; i <= 3; ++i) {
    const Complex P = std::exp(Complex(0.0f, k(i) * 300.0f * static_cast<float>(std::cos(hw))));
    // Vertical lines: X' = -mx, Y' = my, Z' = -mz; the first point has mx = 0 (at the pitch centre's
    // height), the second mx = (10 - 40) pitch.
    const Complex z1 = kHeave - 100.0f * kPitch;
    EXPECT_TRUE(near(dump.records[i].complexAt(2), P * z1)) << i;  // -P Z'
    EXPECT_EQ(dump.records[i].complexAt(0), Complex(0.0f, 0.0f)) << i;
    EXPECT_EQ(dump.records[i].complexAt(4), Complex(0.0f, 0.0f)) << i;  // yaw
    const float f = static_cast<float>(i);
    const Complex z2 = kHeave + 150.0f * kPitch;
    const Complex x2 = (10.0f - HIMEM.VTCRP) * kPitch;
    const Complex shown[3] = {f * q[0] + P * x2, f * q[1], f * q[2] - P * z2};  // partner X' - P X', ...
    // The table row of the period: the first point's three cells, then the second point's.
    std::string row = " " + std::string(i == 1 ? "  5.00" : i == 2 ? "  5.50" : "  6.00");
    const std::size_t at = report.find("\n" + row);
    ASSERT_NE(at, std::string::npos) << i;
    const std::string line = report.substr(at + 1, report.find('\n', at + 1) - at - 1);
    for (int j = 0; j < 3; ++j) {
      const std::string cell = line.substr(7 + 36 + 12 * j, 12);
      EXPECT_TRUE(IsClose(std::stod(cell.substr(0, 7)), std::abs(shown[j]), 0.0, 6e-4)) << i << " " << cell;
      const double phase = std::arg(shown[j]) * 57.2957764;
      EXPECT_EQ(std::stoi(cell.substr(8, 4)), static_cast<int>(phase)) << i << " " << cell;
    }
  }
}

// A partner file of another run stops with a message naming it; a missing record is a read error.
TEST_F(PointMotions, APartnerOfAnotherRunStops) {
  struct Case {
    const char* what;
    std::vector<Record> partner;
    std::string message;
  };
  const Record header = Record().i(1).i(0).i(0).i(0).f(0.0f);
  Record motion;
  for (int j = 0; j < 9; ++j) motion.c({1.0f, 0.0f});
  const std::string mismatch = " ++> Relative wave heading  150.00 deg: the partner motion file PARTNER does not\n"
                               "     match this run;\n"
                               "     its number of headings, periods or points differs from this run's.\n";
  const std::string readError = " ++> End of file or related file error in routine ACCOUT\n     file name Unknown\n";
  const Case cases[] = {
      {"other heading count", {Record().i(4).i(0).i(0).i(0).f(0.0f), motion, motion, motion}, mismatch},
      {"fewer periods", {header, motion, motion, header, motion}, mismatch},
      {"a motion record where the header is due", {motion, motion, motion, motion}, mismatch},
      {"the file ends", {header, motion}, readError},
  };
  for (const Case& c : cases) {
    SetUp();
    configure(3, 10);
    lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f), lineAngles(0.0f, 0.0f)});
    partnerFile(c.partner);
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] { call(4, 2); }), kExitFatal) << c.what;
    EXPECT_TRUE(contains(console.screen(), c.message)) << c.what << "\n" << console.screen();
  }
}

TEST_F(PointMotions, AMissingLineAngleStops) {
  configure(2, 10);
  lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f)});  // two points, one angle record
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([&] { call(2, 2); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++> End of file or related file error in routine ACCOUT\n"));
}

// No points: the header record alone; a moored body still reads the line-angle count.
TEST_F(PointMotions, NoPointsWritesTheHeaderOnly) {
  configure(2, 10);
  lineAngleFile({lineCount(1)});
  call(2, 0);
  EXPECT_EQ(motionFile().lengths(), (std::vector<std::size_t>{20}));
}

// The report of a tug: two pages (points 1 and 2, then 3), each with its hinge table. The third
// point hangs on a line at phi 0.5, theta 0.3 rad; its first row, from numpy with t = (sin th cos ph,
// sin th sin ph, cos th), y' = ez x t / |ez x t|, x' = y' x t and the acceleration
// (w^2 20 pitch + g pitch, 0, w^2 heave) at 5 s: |X'| 1.21936 at 97.6 deg, |Y'| 0.68325 at 116.6,
// |Z'| 1.37759 at -174.9; hinge angles 0.58679, 1.12433, 0.18152 deg at 116.6, -63.4, 116.6.
TEST_F(PointMotions, ReportMatchesTheReviewedPages) {
  HIMEM.LRAO(1) = 1;
  configure(2, 10);
  RHOPEN("TUGRAO.stxt", kFormatted, kFresh, 0, 1, "HOBRANE2", kScreenUnit, 0);
  lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f), lineAngles(0.0f, 1.5707964f), lineAngles(0.5f, 0.3f)});
  call(2);
  HCLOSE(1, "TUGRAO.stxt", "HOBRANE2", kScreenUnit);
  const std::string expected = expectedFile("vessel", "TUGRAO_points.stxt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(readFileText("TUGRAO.stxt"), expected);
}

// With trim or heel a moored body shows its line-axis motions turned by the trim-and-heel rotation
// (under the earth-vertical note); the file keeps them unturned.
TEST_F(PointMotions, TrimTurnsTheShownMotionsNotTheRecords) {
  TPCM.TRIMDG = 2.0f;
  const float t = 2.0f / kDeg;
  const float R[3][3] = {{std::cos(t), 0.0f, -std::sin(t)}, {0.0f, 1.0f, 0.0f}, {std::sin(t), 0.0f, std::cos(t)}};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) HIMEM.ROTVES(r + 1, c + 1) = R[r][c];
  }
  HIMEM.LRAO(1) = 1;
  configure(2, 10);
  RHOPEN("TUGRAO.stxt", kFormatted, kFresh, 0, 1, "HOBRANE2", kScreenUnit, 0);
  lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f)});
  call(4, 1);
  HCLOSE(1, "TUGRAO.stxt", "HOBRANE2", kScreenUnit);
  EXPECT_TRUE(contains(readFileText("TUGRAO.stxt"),
                       " >>> Note: Coordinates are relative to an earth-vertical global system with\n"));
  const RecordDump dump = motionFile();
  ASSERT_EQ(dump.records.size(), 4u);
  for (int i = 1; i <= 3; ++i) {
    // Vertical line: (X', Y', Z') = (-mx, my, -mz) with mx = 0 at the pitch centre's height.
    const Complex line[3] = {Complex(0.0f, 0.0f), Complex(0.0f, 0.0f), -(kHeave - 100.0f * kPitch)};
    EXPECT_TRUE(near(dump.records[i].complexAt(2), line[2])) << i;
    for (int r = 0; r < 3; ++r) {
      const Complex turned = R[r][0] * line[0] + R[r][1] * line[1] + R[r][2] * line[2];
      EXPECT_TRUE(IsClose(column(0, r, i), std::norm(turned), 1e-5, 1e-9)) << i << " " << r;
    }
  }
}

// With forward speed the period column shows the encounter period 2 pi / (w - k U cos b), b the
// waves' heading relative to the course.
TEST_F(PointMotions, ForwardSpeedShowsEncounterPeriods) {
  TPCM.TVFWD = 10.0f;
  TPCM.VGLDIR = 20.0f;
  HIMEM.LRAO(1) = 1;
  configure(1, 11);
  RHOPEN("TANKRAO.stxt", kFormatted, kFresh, 0, 1, "HOBRANE2", kScreenUnit, 0);
  call(2, 1);
  HCLOSE(1, "TANKRAO.stxt", "HOBRANE2", kScreenUnit);
  const std::string report = readFileText("TANKRAO.stxt");
  for (int i = 1; i <= 3; ++i) {
    const double we = w(i) - k(i) * 10.0 * std::cos((150.0 - 20.0) / 57.2957764);
    const std::string period = "\n " + fmtF(2.0 * 3.14159265358979 / we, 6, 2) + " ";
    EXPECT_TRUE(contains(report, period)) << period;
  }
}

// On the console each page's point table pauses; -1 at the second page shows the pages again from the
// first, and nothing is written, read or added twice.
TEST_F(PointMotions, OnTheConsoleThePagesCanBeShownAgain) {
  HIMEM.LRAO(1) = 1;
  TPCM.IUNIT = kScreenUnit;
  configure(2, 10);
  lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f), lineAngles(0.0f, 0.0f), lineAngles(0.0f, 0.0f)});
  ConsoleCapture console("\n-1\n\n\n");
  call(2);
  const std::string screen = console.screen();
  int pointTables = 0;
  int hingeTables = 0;
  for (std::size_t at = 0; (at = screen.find("+++  ACCELERATION RAOS", at)) != std::string::npos; ++at) ++pointTables;
  for (std::size_t at = 0; (at = screen.find("+++  BALL HINGE RAOS", at)) != std::string::npos; ++at) ++hingeTables;
  EXPECT_EQ(pointTables, 4);  // 1, 2, then 1 and 2 again
  EXPECT_EQ(hingeTables, 3);  // 1, 1 again, 2
  EXPECT_EQ(console.unread(), "");
  EXPECT_EQ(motionFile().lengths(), (std::vector<std::size_t>{20, 72, 72, 72, 72, 72, 72}));
}

// The hinge statistics go in once per heading, in degrees squared, whatever the speed: with a
// pitch that is the same at every period, the hinge angle RY' of a point on a vertical line has the
// variance (57.3 |pitch|)^2 m0 of the swell, at rest and under way (each period's angle with its
// own wave's energy).
TEST_F(PointMotions, HingeStatisticsOncePerHeadingInDegreesSquared) {
  for (const float speed : {0.0f, 5.0f}) {
    SetUp();
    TPCM.TVFWD = speed;
    TPCM.LSWELL = 1;
    TPCM.LSWLOK = 0;
    TPCM.SWLTYP = 1;
    TPCM.SWELHT = 4.0f;
    TPCM.SWELPD = 5.5f;
    WAVCOM.ISWELL = 1;
    HIMEM.LSKIP = 0;
    TPCM.LACC = TPCM.LVEL = TPCM.LDSP = 1;
    configure(2, 10);
    lineAngleFile({lineCount(1), lineAngles(0.0f, 0.0f), lineAngles(0.0f, 0.0f), lineCount(1),
                   lineAngles(0.0f, 0.0f), lineAngles(0.0f, 0.0f), lineCount(1), lineAngles(0.0f, 0.0f),
                   lineAngles(0.0f, 0.0f)});
    const std::int32_t pair = statisticsPair(HIMEM.LCNHNG, 2, 1, 1);  // point 1, RY'
    call(2, 2);
    const float once = HIMEM.RLDUM(pair);
    call(3, 2);
    call(4, 2);
    EXPECT_EQ(HIMEM.RLDUM(pair), once) << speed;
    const double m0 = HIMEM.RLDUM(HIMEM.LCNSWL);
    ASSERT_GT(m0, 0.0);
    EXPECT_TRUE(IsClose(once, std::norm(kDeg * kPitch) * m0, 1e-5)) << speed;
    // The point statistics of each kind went into their own blocks.
    EXPECT_GT(HIMEM.RLDUM(statisticsPair(HIMEM.LCNVEL, 3, 1, 1)), 0.0f);
    EXPECT_GT(HIMEM.RLDUM(statisticsPair(HIMEM.LCNDSP, 3, 1, 1)), 0.0f);
  }
}

}  // namespace
}  // namespace qv

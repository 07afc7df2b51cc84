// The mean loads on the moored vessel at a trial heading (NETFOR, TORQUE, TORQUE2) and the heading
// lines of the reports (HEADRS). Every load is checked against a hand sum of the closed-form
// coefficients of the fixture: the cylindrical vessel for wind and current, the sinusoidal drift
// table for the waves.
#include "lowfreq/net_loads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dataset/unit_conversion.h"
#include "lowfreq/drag.h"
#include "hull/equilb.h"
#include "lowfreq/force_coefficients.h"
#include "lowfreq/moored_ship_fixture.h"
#include "lowfreq/sines.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;
using testing_support::stopStatus;
using testing_support::TempDir;

constexpr float kDegPerRad = 57.2957764f;
constexpr double kPi = 3.14159265358979;

// A one-peaked spectrum on the grid [ft^2 s].
void fillSpectrum(Arr<float, kMaxWavePeriods>& S, float peakPeriod, float scale) {
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const float x = TPCM.T(i) / peakPeriod;
    S(i) = scale * std::exp(-20.0f * (x - 1.0f) * (x - 1.0f));
  }
}

float zerothMoment(const Arr<float, kMaxWavePeriods>& S) {
  float m0 = 0.0f;
  float m2 = 0.0f;
  SMPINT(S.data(), m0, m2);
  return m0;
}

// The vessel heading [rad] at which a source of heading sourceDeg arrives from attackDeg.
float headingFor(float sourceDeg, float attackDeg) { return (sourceDeg - attackDeg) / kDegPerRad + 3.1415927f; }

class NetLoads : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::mooredShipAfterPassOne();
    EQUILB.YAWARM = 400.0f;
    TPCM.CG_to_Midship = 10.0f;
    console.emplace("\n");  // after the fresh run, which gives the console back to the process
  }
  float arm() const { return EQUILB.YAWARM - TPCM.CG_to_Midship; }  // the mooring point from midship

  TempDir dir;
  std::optional<ConsoleCapture> console;
};

TEST_F(NetLoads, NothingOnGivesNoForceAndNoMoment) {
  NetForce f{};
  NETFOR(f, 0.7f, 1);
  EXPECT_EQ(f.net.X, 0.0f);
  EXPECT_EQ(f.net.Y, 0.0f);
  EXPECT_EQ(f.direction, 0.0f);
  EXPECT_EQ(TORQUE(0.7f), 0.0f);
}

// Wind from 30 deg off the bow: X = WNDCOF TXWNDA (-cos a), Y = WNDCOF TYWNDA (-sin a), and the moment
// about the mooring point WNDCOF TYWNDA (LWL CMZ - arm CY), CMZ = (XWARM cos a - YWARM sin a) / LWL.
TEST_F(NetLoads, WindAgainstTheCylindricalVessel) {
  TPCM.LWIND = 1;
  TPCM.WNDSPD = 40.0f;
  TPCM.WNDHDG = 200.0f;
  TPCM.XWARM = 15.0f;
  TPCM.YWARM = 4.0f;
  COFLD();
  // 1/2 rho (1.687 ft/s per knot x 40 kn)^2 / 1000 [kips/ft^2], the form of the pressure factor
  EXPECT_TRUE(IsClose(SINES.WNDCOF, 0.5 * 0.0024356 * std::pow(1.687 * 40.0, 2) / 1000.0, 1e-3));
  const double q = SINES.WNDCOF;
  for (const float attackDeg : {0.0f, 30.0f, -75.0f, 150.0f}) {
    const float psi = headingFor(200.0f, attackDeg);
    const double a = attackDeg / 57.29577951;
    NetForce f{};
    NETFOR(f, psi, 0);
    EXPECT_TRUE(IsClose(f.wind.X, q * 20000.0 * -std::cos(a), 1e-5, 1e-6)) << attackDeg;
    EXPECT_TRUE(IsClose(f.wind.Y, q * 80000.0 * -std::sin(a), 1e-5, 1e-3)) << attackDeg;
    EXPECT_EQ(f.net.X, f.wind.X);
    EXPECT_EQ(f.net.Y, f.wind.Y);
    EXPECT_TRUE(IsClose(f.direction, std::atan2(f.wind.Y, f.wind.X), 0.0, 1e-6)) << attackDeg;
    const double cmz = (15.0 * std::cos(a) - 4.0 * std::sin(a)) / 900.0;
    const double expected = q * 80000.0 * (900.0 * cmz - arm() * -std::sin(a));
    EXPECT_TRUE(IsClose(TORQUE(psi), expected, 1e-5, 1e-3)) << attackDeg;
  }
}

// Current (uniform over the draft, so CURCOF = DWATR / G CURFAC k U^2) on the cylindrical vessel.
// Types 14 and 17 take the pressure factor for the draft raised by ZCGVAR and leave DRAFT as it was.
TEST_F(NetLoads, CurrentAgainstTheCylindricalVessel) {
  TPCM.LCURNT = 1;
  TPCM.CURSPD = 2.0f;
  TPCM.CURHDG = 90.0f;
  TPCM.CURFAC = 1.0f;
  COFLD();
  const double q = SINES.CURCOF;
  EXPECT_TRUE(IsClose(q, 64.0 / 32.152 * 0.5 * std::pow(1.687 * 2.0, 2) / 1000.0, 1e-3));
  const float psi = headingFor(90.0f, 60.0f);
  const double a = 60.0 / 57.29577951;
  NetForce f{};
  NETFOR(f, psi, 0);
  EXPECT_TRUE(IsClose(f.current.X, q * 7500.0 * -std::cos(a), 1e-5));
  EXPECT_TRUE(IsClose(f.current.Y, q * 45000.0 * -std::sin(a), 1e-5));
  EXPECT_TRUE(IsClose(f.direction, std::atan2(-45000.0 * std::sin(a), -7500.0 * std::cos(a)), 0.0, 1e-6));
  EXPECT_TRUE(IsClose(TORQUE(psi), q * 45000.0 * (0.0 - arm() * -std::sin(a)), 1e-5));

  // A 1/7-power profile: the speed averaged over a deeper draft, and so the factor, is smaller.
  TPCM.LCSTCR = 0;
  TPCM.CREATR = 14;
  EQUILB.ZCGVAR = 25.0f;
  COFLD();
  const float atDraft = SINES.CURCOF;
  TPCM.DRAFT = 75.0f;
  COFLD();
  const float atRaisedDraft = SINES.CURCOF;
  TPCM.DRAFT = 50.0f;
  ASSERT_LT(atRaisedDraft, atDraft * 0.99f);
  NETFOR(f, psi, 0);
  EXPECT_EQ(TPCM.DRAFT, 50.0f);
  EXPECT_EQ(SINES.CURCOF, atRaisedDraft);
  EXPECT_TRUE(IsClose(f.current.Y, atRaisedDraft * 45000.0 * -std::sin(a), 1e-5));
}

// Waves of the three systems with the drift table -cx cos a, -cy sin a, -cz sin a: each mean drift
// is the coefficient times m0 of its spectrum, times BOWCF (surge) or BEAMCF (sway); the yaw drift
// moment is BEAMCF LWL times the yaw drift less the arm times the sway drift force.
TEST_F(NetLoads, MeanDriftOfEachWaveSystem) {
  testing_support::writeDriftTable(0.3f, 0.5f, 0.02f);
  TPCM.LRANDM = TPCM.LSWELL = TPCM.LSWEL2 = 1;
  TPCM.SEAHDG(1) = 180.0f;
  TPCM.SWLHDG = 240.0f;
  TPCM.SWLHDG2 = 120.0f;
  Wavcom& w = WAVCOM;
  fillSpectrum(w.WPSD, 8.0f, 40.0f);
  fillSpectrum(w.SWLPSD, 12.0f, 10.0f);
  fillSpectrum(w.SWLPSD2, 14.0f, 5.0f);
  const double m0[3] = {zerothMoment(w.WPSD), zerothMoment(w.SWLPSD), zerothMoment(w.SWLPSD2)};
  const float psi = 40.0f / kDegPerRad;
  const double attack[3] = {(180.0 - 40.0 + 180.0), (240.0 - 40.0 + 180.0), (120.0 - 40.0 + 180.0)};  // [deg]

  NetForce f{};
  NETFOR(f, psi, 1);
  double netX = 0.0;
  double netY = 0.0;
  double moment = 0.0;
  for (int s = 0; s < 3; ++s) {
    const double a = attack[s] / 57.29577951;
    const double driftX = w.BOWCF * -0.3 * std::cos(a) * m0[s];
    const double driftY = w.BEAMCF * -0.5 * std::sin(a) * m0[s];
    EXPECT_TRUE(IsClose(f.drift[s].X, driftX, 1e-4, 1e-6)) << "system " << s + 1;
    EXPECT_TRUE(IsClose(f.drift[s].Y, driftY, 1e-4, 1e-6)) << "system " << s + 1;
    EXPECT_EQ(f.drag[s].X, 0.0f);  // LEGDRG set: no drift drag
    netX += driftX;
    netY += driftY;
    moment += -arm() * driftY + w.BEAMCF * 900.0 * -0.02 * std::sin(a) * m0[s];
  }
  EXPECT_TRUE(IsClose(f.net.X, netX, 1e-4));
  EXPECT_TRUE(IsClose(f.net.Y, netY, 1e-4));
  EXPECT_TRUE(IsClose(f.direction, std::atan2(netY, netX), 0.0, 1e-4));
  EXPECT_TRUE(IsClose(TORQUE(psi), moment, 1e-4));
  EXPECT_TRUE(IsClose(EQUILB.SWLANG, attack[1] / 57.29577951, 0.0, 1e-5));  // not reduced
  EXPECT_TRUE(IsClose(EQUILB.SWLANG2, attack[2] / 57.29577951, 0.0, 1e-5));

  // With the drift drag on, its terms are the drag outputs of DRAGF at the same heading.
  TPCM.LEGDRG = 0;
  NETFOR(f, psi, 1);
  float noDifference = 0.0f;
  float dragX = 0.0f;
  float dragY = 0.0f;
  float unused = 0.0f;
  DRAGF(0, 1, EQUILB.SWLANG, &w.SWLPSD(1), noDifference, dragX, unused, 2);
  DRAGF(0, 2, EQUILB.SWLANG, &w.SWLPSD(1), noDifference, dragY, unused, 2);
  EXPECT_EQ(f.drag[1].X, dragX);
  EXPECT_EQ(f.drag[1].Y, dragY);
  EXPECT_NE(dragY, 0.0f);
}

// A hull symmetric about midship with wind, current and waves all from ahead: no moment, and the
// net force points astern.
TEST_F(NetLoads, NoMomentHeadToTheSourcesOfASymmetricHull) {
  testing_support::writeDriftTable(0.3f, 0.5f, 0.02f);
  Tpcm& t = TPCM;
  t.LWIND = t.LCURNT = t.LRANDM = 1;
  t.LEGDRG = 0;
  t.WNDSPD = 40.0f;
  t.CURSPD = 2.0f;
  t.WNDHDG = t.CURHDG = t.SEAHDG(1) = 0.0f;
  fillSpectrum(WAVCOM.WPSD, 8.0f, 40.0f);
  COFLD();
  const float ahead = headingFor(0.0f, 0.0f);  // pi: every source arrives from exactly 0
  NetForce f{};
  NETFOR(f, ahead, 1);
  EXPECT_TRUE(IsClose(std::fabs(f.direction), kPi, 0.0, 1e-6));
  const float T = TORQUE(ahead);
  const float off = TORQUE(ahead + 0.2f);
  EXPECT_LT(std::fabs(T), 1e-4f * std::fabs(off)) << T << " against " << off;
  // A vessel turned off the sources is turned back towards them (the moment falls through 0).
  EXPECT_LT(off, 0.0f);
  EXPECT_GT(TORQUE(ahead - 0.2f), 0.0f);
}

// The tabulated mooring moment: AUXTRQ in steps of YAWINC degrees of the angle r between the vessel
// and a fixed earth direction (IARCO 4: no net force needed), the sign of r carried over, r = 0
// counting as positive, and the last interval extended beyond the table.
TEST_F(NetLoads, TabulatedYawMoment) {
  Tpcm& t = TPCM;
  t.IARCO = kSpreadMoor;
  t.YAWTBL = 1;
  t.YAWINC = 10.0f;
  t.NUMTAB = 4;
  t.EQLYAW = 20.0f;
  const float table[] = {50.0f, 100.0f, 300.0f, 600.0f};
  for (int k = 1; k <= 4; ++k) t.AUXTRQ(k) = table[k - 1];
  struct Case {
    float rDeg;      // the angle between the vessel and the table's direction [deg]
    float expected;  // [kip-ft]
  };
  const Case cases[] = {
      {15.0f, -200.0f},   // halfway between 100 and 300
      {-15.0f, 200.0f},   // the sign of r
      {0.0f, -50.0f},     // SIGN(1, 0) = +1
      {25.0f, -450.0f},   // in the last interval
      {45.0f, -1050.0f},  // 300 + 2.5 x 300: the last interval extended, not repeated
  };
  for (const Case& c : cases) {
    const float psi = (c.rDeg + 20.0f) / kDegPerRad;
    EXPECT_TRUE(IsClose(TORQUE(psi), c.expected, 1e-4, 1e-3)) << c.rDeg;
  }
  t.YAWINC = 0.0f;
  EXPECT_EQ(stopStatus([] { TORQUE(0.3f); }), kExitFatal);
  EXPECT_NE(console->screen().find("YAWINC"), std::string::npos);
}

// The yaw moment of a pendular mass from its free body, written here on its own: the vessel holds
// the column at two points `separation` apart, across the line of the load on the vessel (earth x
// here, the SALM pulling towards -x), the mooring point midway. Each point carries half the load and
// so follows half the load-offset curve, stiffness K/2 along the load. The vessel turned by r [rad]
// about the mooring point carries the points along the circle; where a point moves away from the
// column (+x) its pull grows by (K/2) times that move, and the moment of each pull about the mooring
// point is x Fy - y Fx. The mean pulls, H/2 at each point, are a pair along the load through points
// on opposite sides: they cancel.
double attachmentPointsMoment(double K, double separation, double r) {
  double moment = 0.0;
  for (const double side : {1.0, -1.0}) {
    const double y0 = side * 0.5 * separation;  // at r = 0 the point lies at (0, y0)
    const double x = -y0 * std::sin(r);
    const double y = y0 * std::cos(r);
    const double forceChangeX = -(0.5 * K) * x;  // a move away from the column (+x) pulls harder towards -x
    moment += x * 0.0 - y * forceChangeX;        // x Fy - y Fx: the change has no y component
  }
  return moment;
}

class PendularMass : public NetLoads {
 protected:
  // The load-offset table 0, 100, 300, 700 kips at 0, 10, 20, 30 ft (slopes 10, 20, 40 kips/ft),
  // scaled by L in length and L^3 in force, and the net force: an earth-axis auxiliary force along
  // earth x at the mooring point, so that it adds no moment of its own.
  void setUpScaled(double L, float force, float separation) {
    Tpcm& t = TPCM;
    Equilb& q = EQUILB;
    const float L3 = static_cast<float>(L * L * L);
    t.IARCO = kPendularMass;
    t.PNDARM = separation * static_cast<float>(L);
    t.NUMTAB = 4;
    const float offsets[] = {0.0f, 10.0f, 20.0f, 30.0f};
    const float loads[] = {0.0f, 100.0f, 300.0f, 700.0f};
    for (int k = 1; k <= 4; ++k) {
      q.OFFSET(k) = offsets[k - 1] * static_cast<float>(L);
      q.HLOAD(k) = loads[k - 1] * L3;
    }
    q.YAWARM = 400.0f * static_cast<float>(L);
    t.CG_to_Midship = 10.0f * static_cast<float>(L);
    t.AUXFRC = 1;
    t.CRDSYS = 0;
    t.XVFRC = force * L3;
    t.YVFRC = 0.0f;
    t.XVLOC = arm();
    q.PHIFEX = 0.0f;
    q.FEXTRN = t.XVFRC;
  }
};

// Small turns either way, two separations, a net force in the table's second interval (slope 20
// kips/ft) and in its third (40): TORQUE is the free body's moment to the order r^2 of its small-angle
// form. The force along earth x puts the vessel's equilibrium at -pi (head to the column); the
// heading pi + r, a turn away from -pi + r, must give the same moment.
TEST_F(PendularMass, TheMomentIsTheCoupleOfTheTwoAttachmentPoints) {
  struct Case {
    float force;       // the net force [kips]
    double slope;      // the table's slope at that force [kips/ft]
    float separation;  // PNDARM [ft]
  };
  const Case cases[] = {{250.0f, (300.0 - 100.0) / 10.0, 30.0f},
                        {250.0f, (300.0 - 100.0) / 10.0, 12.0f},
                        {400.0f, (700.0 - 300.0) / 10.0, 30.0f}};
  for (const Case& c : cases) {
    setUpScaled(1.0, c.force, c.separation);
    for (const double r : {-0.02, -0.005, 0.005, 0.02}) {
      const double expected = attachmentPointsMoment(c.slope, c.separation, r);
      for (const double psi : {r - kPi, r + kPi}) {
        EXPECT_TRUE(IsClose(TORQUE(static_cast<float>(psi)), expected, 1e-3))
            << "force " << c.force << ", separation " << c.separation << ", r " << r << ", psi " << psi;
      }
      EXPECT_LT(TORQUE(static_cast<float>(r - kPi)) * r, 0.0) << "turns the vessel back, r " << r;
    }
  }
  // Held at one point the column holds no couple.
  setUpScaled(1.0, 250.0f, 0.0f);
  EXPECT_EQ(TORQUE(static_cast<float>(0.02 - kPi)), 0.0f);
}

// Froude similarity: every length times L and every force times L^3 take a moment to L^4 times it,
// the turn r unchanged.
TEST_F(PendularMass, TheMomentScalesAsAMoment) {
  const float psi = static_cast<float>(0.01 - kPi);
  setUpScaled(1.0, 250.0f, 30.0f);
  const double unscaled = TORQUE(psi);
  ASSERT_NE(unscaled, 0.0);
  for (const double L : {0.5, 2.0, 3.0}) {
    setUpScaled(L, 250.0f, 30.0f);
    EXPECT_TRUE(IsClose(TORQUE(psi), unscaled * L * L * L * L, 1e-5)) << "L " << L;
  }
}

// An auxiliary force keeps its earth direction in the moment: applied at the mooring point it adds
// none, turned into vessel axes by NETFOR (and so the force's direction follows the vessel). In
// vessel axes, off the mooring point: VESMOM + ((x - arm) sin theta - y cos theta) F.
TEST_F(NetLoads, AuxiliaryForceInEarthAndInVesselAxes) {
  Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  t.AUXFRC = 1;
  t.CRDSYS = 0;
  t.XVFRC = 250.0f;
  t.YVFRC = 0.0f;
  t.XVLOC = arm();
  q.PHIFEX = 0.0f;
  q.FEXTRN = 250.0f;
  const float psi = 0.3f;
  NetForce f{};
  NETFOR(f, psi, 0);
  EXPECT_TRUE(IsClose(f.net.X, 250.0 * std::cos(0.3), 1e-6));  // turned into vessel axes
  EXPECT_TRUE(IsClose(f.net.Y, -250.0 * std::sin(0.3), 1e-6));
  float total = 0.0f;
  TorqueParts parts{};
  TORQUE2(psi, total, parts);
  EXPECT_TRUE(IsClose(parts.auxiliary[0], 0.0, 0.0, 1e-3));  // keeps its earth direction, acts at the point
  EXPECT_EQ(total, parts.auxiliary[0]);

  t.CRDSYS = 1;
  t.VESMOM = 80.0f;
  t.XVLOC = arm() + 100.0f;
  t.YVLOC = 5.0f;
  q.PHIFEX = 0.5f;
  NETFOR(f, psi, 0);
  EXPECT_EQ(f.net.X, 250.0f);
  TORQUE2(psi, total, parts);
  EXPECT_TRUE(IsClose(parts.auxiliary[0], 80.0 + (100.0 * std::sin(0.5) - 5.0 * std::cos(0.5)) * 250.0, 1e-5));
  EXPECT_EQ(total, parts.auxiliary[0]);
  EXPECT_EQ(TORQUE(psi), total);
}

// The positioning springs pull the vessel towards their points; the positioning moment turns it
// towards DPANG.
TEST_F(NetLoads, DynamicPositioning) {
  Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  t.DPRFLG = 1;
  t.DPXPNT = 10.0f;
  t.DPXSPR = 3.0f;
  t.DPXFRC = 5.0f;
  t.DPYPNT = -4.0f;
  t.DPYSPR = 2.0f;
  t.DPYFRC = 0.0f;
  q.XCGVAR = 2.0f;
  q.YCGVAR = 1.0f;
  NetForce f{};
  NETFOR(f, 0.0f, 0);
  EXPECT_EQ(f.net.X, 8.0f * 3.0f + 5.0f);
  EXPECT_EQ(f.net.Y, -5.0f * 2.0f);
  t.DPAFLG = 1;
  t.DPANG = 30.0f;
  t.DPASPR = 1000.0f;
  t.DPMOM = 7.0f;
  float total = 0.0f;
  TorqueParts parts{};
  TORQUE2(0.2f, total, parts);
  EXPECT_TRUE(IsClose(parts.positioning, 7.0 + 1000.0 * (30.0 / 57.29577951 - 0.2), 1e-5));
  EXPECT_EQ(total, parts.positioning);
}

// The yaw table and the positioning yaw spring are moments: the same data set in the other units
// gives the same moment at every heading, in t-m where it gave kip-ft (1 kip-ft is 0.45359237 t
// times 0.3048 m, counted here from the definitions of the pound and the foot).
TEST_F(NetLoads, TheYawTableAndThePositioningSpringConvertAsMoments) {
  Tpcm& t = TPCM;
  ASSERT_EQ(t.NUNTS, kEnglishUnits);
  t.IARCO = kSpreadMoor;
  t.YAWTBL = 1;
  t.YAWINC = 10.0f;
  t.NUMTAB = 4;
  t.EQLYAW = 20.0f;
  const float table[] = {50.0f, 100.0f, 300.0f, 600.0f};  // [kip-ft]
  for (int k = 1; k <= 4; ++k) t.AUXTRQ(k) = table[k - 1];
  t.DPAFLG = 1;
  t.DPANG = 30.0f;
  t.DPASPR = 1000.0f;  // [kip-ft/rad]
  const float headings[] = {-0.4f, 0.1f, 0.6f, 1.1f};
  float english[4];
  for (int k = 0; k < 4; ++k) english[k] = TORQUE(headings[k]);
  TOPCVRT();
  VESCVRT();
  ASSERT_NE(t.NUNTS, kEnglishUnits);
  const double tonMetresPerKipFoot = 0.45359237 * 0.3048;  // 1 kip is 1000 lb of 0.45359237 kg
  for (int k = 0; k < 4; ++k) {
    EXPECT_TRUE(IsClose(TORQUE(headings[k]), english[k] * tonMetresPerKipFoot, 1e-5, 1e-4)) << headings[k];
  }
}

class HeadingLines : public testing_support::FreshRun {};

TEST_F(HeadingLines, AnglesTurnedIntoDegreesKeepTheirSign) {
  ConsoleCapture console;
  // -0.5 rad is -28.65 deg; 7 rad is 401.07 deg, reduced by 360 to 41.07 deg.
  HEADRS(180.0f, 7.0f, -0.5f, kDegPerRad, kScreenUnit);
  const std::string indent(27, ' ');
  EXPECT_EQ(console.screen(), indent + "WAVE HEADING   =  180.0 DEG\n" +  //
                                  indent + "SALM HEADING   =   41.1 DEG\n" +  //
                                  indent + "VESSEL HEADING =  -28.6 DEG \n" +  //
                                  "\n");
}

TEST_F(HeadingLines, TheWaveHeadingIsWrittenAsGiven) {
  ConsoleCapture console;
  HEADRS(-725.3f, -7.0f, 1.0f, kDegPerRad, kScreenUnit);
  const std::string screen = console.screen();
  EXPECT_NE(screen.find("WAVE HEADING   = -725.3 DEG\n"), std::string::npos) << screen;  // not reduced
  EXPECT_NE(screen.find("SALM HEADING   =  -41.1 DEG\n"), std::string::npos) << screen;  // -401.07 less -360
  EXPECT_NE(screen.find("VESSEL HEADING =   57.3 DEG \n"), std::string::npos) << screen;
}

}  // namespace
}  // namespace qv

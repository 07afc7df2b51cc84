#include "lowfreq/force_coefficients.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "lowfreq/current_profile.h"
#include "lowfreq/curprof.h"
#include "lowfreq/sines.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::contains;
using qv::testing_support::IsClose;
using qv::testing_support::stopStatus;

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

// A word with the same model code in the surge, sway and yaw fields.
std::int32_t allFields(int code) { return code | code << 4 | code << 8; }

// Vessel data shared by the wind and current calls.
struct Vessel {
  float frontal = 1500.0f;  // [ft^2]
  float lateral = 9000.0f;  // [ft^2]
  float xArm = 12.0f;       // [ft]
  float yArm = 3.0f;        // [ft]
  float lwl = 800.0f;       // [ft]
  float bwl = 130.0f;       // [ft]
};

float wind(int component, std::int32_t word, float loaded, float bow, float size, float a, const Vessel& v = {}) {
  TRIGLD(a);
  return WINDCF(component, word, loaded, bow, size, a, v.frontal, v.lateral, v.xArm, v.yArm, v.lwl, v.bwl,
                kScreenUnit, 1, 11);
}

float current(int component, std::int32_t word, float a, const Vessel& v = {}) {
  TRIGLD(a);
  return CRNTCF(component, word, 100.0f, 0.0f, 2.0f, a, v.frontal, v.lateral, v.xArm, v.yArm, v.lwl, v.bwl,
                kScreenUnit, 1, 11);
}

class ForceCoefficients : public ::testing::Test {
 protected:
  void SetUp() override {
    SINES.reset();
    forceCoefficientState.reset();
    std::memset(&LOWCOF, 0, sizeof LOWCOF);
  }
};

TEST_F(ForceCoefficients, TrigldMatchesTheMultipleAngles) {
  // The recurrences against sin(ka) and cos(ka) over the whole circle.
  double worst = 0.0;
  for (int step = 0; step <= 720; ++step) {
    const float a = static_cast<float>(step * kPi / 360.0);
    TRIGLD(a);
    for (int k = 1; k <= 10; ++k) {
      worst = std::fmax(worst, std::fabs(SINES.SINKA(k) - std::sin(k * static_cast<double>(a))));
      worst = std::fmax(worst, std::fabs(SINES.COSKA(k) - std::cos(k * static_cast<double>(a))));
    }
  }
  EXPECT_LT(worst, 2e-6);

  TRIGLD(0.0f);
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(SINES.SINKA(k), 0.0f) << k;
    EXPECT_EQ(SINES.COSKA(k), 1.0f) << k;
  }
  TRIGLD(static_cast<float>(kPi / 2));
  EXPECT_EQ(SINES.S1, 1.0f);
  EXPECT_NEAR(SINES.S2, 0.0f, 1e-6);
  EXPECT_NEAR(SINES.C2, -1.0f, 1e-6);
  EXPECT_NEAR(SINES.S3, -1.0f, 1e-6);
  EXPECT_NEAR(SINES.C5, 0.0f, 1e-6);
  EXPECT_NEAR(SINES.S10, 0.0f, 1e-6);
}

TEST_F(ForceCoefficients, DynamicPressureFactors) {
  // 1/2 rho (c V)^2 / 1000 with c = 1.687 ft/s or 0.5142 m/s per knot: kips/ft^2 or t/m^2. The air
  // densities are those the statics sets; times gravity they weigh 0.0783 lb/ft^3 and 1.254 kgw/m^3.
  struct Case {
    int units;
    float g, rhoair, water;
    double knot, airWeight;
  };
  const Case cases[] = {{0, 32.152f, 0.0024356f, 64.0f, 1.687, 0.0783}, {1, 9.8f, 0.128f, 1025.0f, 0.5142, 1.254}};
  for (const Case& c : cases) {
    std::memset(&TPCM, 0, sizeof TPCM);
    WAVCOM.reset();
    CURPROF.reset();
    currentProfileState.reset();
    WAVCOM.G = c.g;
    WAVCOM.RHOAIR = c.rhoair;
    EXPECT_TRUE(IsClose(c.rhoair * c.g, c.airWeight, 1e-3));
    Tpcm& t = TPCM;
    t.NUNTS = c.units;
    t.LWIND = 1;
    t.TWNDCF = 1.2f;
    t.WNDSPD = 40.0f;
    t.LCURNT = 1;
    t.LCSTCR = 1;
    t.CURSPD = 3.0f;
    t.CURFAC = 0.9f;
    t.DWATR = c.water;
    t.DEPTH = 100.0f;
    t.DRAFT = 100.0f;
    const double water = 0.5 * c.water / c.g * 0.9 / 1000;  // 1/2 rho CURFAC / 1000
    COFLD();
    EXPECT_TRUE(IsClose(SINES.WNDCOF, 0.5 * 1.2 * c.rhoair * std::pow(c.knot * 40, 2) / 1000, 1e-3)) << c.units;
    EXPECT_TRUE(IsClose(SINES.CURCOF, water * std::pow(c.knot * 3, 2), 1e-3)) << c.units;
    // The 1/7-power profile down to the bottom: the mean square over the draft is 7/9 of the surface's.
    t.LCSTCR = 0;
    COFLD();
    EXPECT_TRUE(IsClose(SINES.CURCOF, water * std::pow(c.knot * 3, 2) * 7 / 9, 1e-3)) << c.units;
    // A tabulated profile is read from CURPROF: 1.5 knots from the surface down.
    t.LCSTCR = 2;
    t.NCURNT = 2;
    t.DPTHI(1) = 0.0f;
    t.DPTHI(2) = 200.0f;
    t.VELI(1) = t.VELI(2) = 1.5f;
    float dzmin = 0.0f;
    CURPROF_INIT(t.DRAFT, dzmin, kScreenUnit, kKeyboardUnit);
    COFLD();
    EXPECT_TRUE(IsClose(SINES.CURCOF, water * std::pow(c.knot * 1.5, 2), 1e-3)) << c.units;
    // Flows not present leave their factors 0.
    t.LWIND = 2;
    t.LCURNT = 0;
    COFLD();
    EXPECT_EQ(SINES.WNDCOF, 0.0f);
    EXPECT_EQ(SINES.CURCOF, 0.0f);
  }
}

struct TankerWindCase {
  const char* set;
  float size, loaded, bow, degrees;
  double cx, cy, cmz;
};

TEST_F(ForceCoefficients, BuiltInWindSetsAgainstTheirSeries) {
  // The Fourier rows evaluated independently with numpy, e.g. for a row A:
  //   A[0] + sum(A[1:] * cos(k a)), k = arange(1, 11); sway and yaw rows sum(B * sin(k a)).
  const TankerWindCase cases[] = {
      {"small tanker 32", 0, 32, 0, 45, -0.313596776, -0.677947677, -0.075826416},
      {"small tanker 32", 0, 32, 1, 135, 0.336136776, -0.636747677, 0.089613584},
      {"small tanker 100", 0, 100, 0, 0, -0.50922, 0, 0},
      {"small tanker 100", 0, 100, 0, 90, -0.01715, -0.729484, 0.024762},
      {"OCIMF conventional 32", 1, 32, 0, 45, -0.279866088, -0.7349853, -0.0625396},
      {"OCIMF conventional 32", 1, 32, 0, 180, 0.61717, 0, 0},
      {"OCIMF cylindrical 32", 1, 32, 1, 90, 0.285276, -0.98526, 0.0351},
      {"OCIMF cylindrical 32", 1, 32, 1, 135, 0.417034128, -0.6286673, 0.15371112},
      {"OCIMF 100", 1, 100, 0, 0, -0.9475025, 0, 0},
      {"OCIMF 100", 1, 100, 1, 45, -0.548622859, -0.490201029, 0.0580716628},
      {"OCIMF 100", 1, 100, 0.3f, 135, 0.449676859, -0.591999029, 0.166479663},
  };
  for (const TankerWindCase& c : cases) {
    const float a = static_cast<float>(c.degrees * kDeg);
    const double expected[] = {c.cx, c.cy, c.cmz};
    for (int component = 1; component <= 3; ++component) {
      EXPECT_TRUE(IsClose(wind(component, allFields(4), c.loaded, c.bow, c.size, a), expected[component - 1], 1e-6,
                          1e-6))
          << c.set << " at " << c.degrees << " deg, component " << component;
    }
  }
}

TEST_F(ForceCoefficients, BuiltInWindBlendsLinearlyInTheFactors) {
  const float a = static_cast<float>(60 * kDeg);
  for (int component = 1; component <= 3; ++component) {
    const float small32 = wind(component, allFields(4), 32, 0, 0, a);
    const float small100 = wind(component, allFields(4), 100, 0, 0, a);
    const float conv32 = wind(component, allFields(4), 32, 0, 1, a);
    const float cyl32 = wind(component, allFields(4), 32, 1, 1, a);
    const float ocimf100 = wind(component, allFields(4), 100, 0, 1, a);
    // Size 0.5 is the mean of the two families; load 16 extrapolates along the 32-100 line.
    EXPECT_TRUE(IsClose(wind(component, allFields(4), 100, 0, 0.5f, a), 0.5 * (small100 + ocimf100), 0, 1e-6));
    EXPECT_TRUE(IsClose(wind(component, allFields(4), 16, 0, 0, a), small32 - 16.0 / 68.0 * (small100 - small32), 0,
                        1e-6));
    // Bow 0.25 at load 66 of the OCIMF family: bilinear in bow and load.
    const double bow32 = 0.75 * conv32 + 0.25 * cyl32;
    EXPECT_TRUE(IsClose(wind(component, allFields(4), 66, 0.25f, 1, a), 0.5 * (bow32 + ocimf100), 0, 1e-6))
        << component;
    // At load 100 the bow does not matter; the wind is never scaled by the hull's proportions.
    EXPECT_EQ(wind(component, allFields(4), 100, 0.7f, 1, a), ocimf100);
    EXPECT_EQ(wind(component, allFields(4), 100, 0, 1, a, {1500, 9000, 12, 3, 400, 10}), ocimf100);
  }
}

TEST_F(ForceCoefficients, BargeAndCylinderModels) {
  const Vessel v;
  for (const double degrees : {0.0, 30.0, 90.0, 150.0, 200.0, -90.0}) {
    const float a = static_cast<float>(degrees * kDeg);
    // The projected area of the barge: lateral sin t + frontal cos t, t the angle folded onto the bow
    // quadrant.
    const double t = std::fabs(std::remainder(degrees, 180.0)) * kDeg;
    const double projected = v.lateral * std::sin(t) + v.frontal * std::cos(t);
    const double c = std::cos(degrees * kDeg);
    const double s = std::sin(degrees * kDeg);
    const double expected[] = {-c * projected / v.frontal, -s * projected / v.lateral,
                               (v.xArm * c - v.yArm * s) * projected / (v.lateral * v.lwl)};
    for (int component = 1; component <= 3; ++component) {
      EXPECT_TRUE(IsClose(wind(component, allFields(3), 0, 0, 0, a), expected[component - 1], 2e-6, 2e-6))
          << degrees << " deg, component " << component;
      EXPECT_TRUE(IsClose(current(component, allFields(3), a), expected[component - 1], 2e-6, 2e-6))
          << degrees << " deg, component " << component;
    }
  }
  // Zero areas leave the plain cosine and sine.
  const Vessel bare{0, 0, 12, 3, 800, 130};
  const float a = static_cast<float>(30 * kDeg);
  EXPECT_TRUE(IsClose(wind(1, allFields(3), 0, 0, 0, a, bare), -std::cos(30 * kDeg), 1e-6));
  EXPECT_TRUE(IsClose(current(2, allFields(3), a, bare), -0.5, 1e-6));
  EXPECT_TRUE(IsClose(current(3, allFields(3), a, bare), (12 * std::cos(30 * kDeg) - 3 * 0.5) / 800, 1e-6));

  // The cylindrical vessel: wind code 5, current code 7.
  EXPECT_EQ(wind(1, allFields(5), 0, 0, 0, 0.0f), -1.0f);
  EXPECT_EQ(wind(2, allFields(5), 0, 0, 0, 0.0f), 0.0f);
  EXPECT_TRUE(IsClose(wind(3, allFields(5), 0, 0, 0, 0.0f), v.xArm / v.lwl, 1e-7));
  EXPECT_EQ(current(1, allFields(7), 0.0f), -1.0f);
  EXPECT_TRUE(IsClose(current(3, allFields(7), 0.0f), v.xArm / v.lwl, 1e-7));
  EXPECT_TRUE(IsClose(current(2, allFields(7), static_cast<float>(kPi / 2)), -1.0, 1e-7));
}

TEST_F(ForceCoefficients, ProjectedArea) {
  EXPECT_TRUE(IsClose(APERP(100, 400, 0.0f), 100, 1e-6));
  EXPECT_TRUE(IsClose(APERP(100, 400, static_cast<float>(kPi / 2)), 400, 1e-6));
  EXPECT_TRUE(IsClose(APERP(100, 400, static_cast<float>(-kPi / 2)), 400, 1e-6));
  EXPECT_TRUE(IsClose(APERP(100, 400, static_cast<float>(kPi)), 100, 1e-5));
  // Without a lateral area no phase is added: |AX| sin t.
  EXPECT_TRUE(IsClose(APERP(100, 0, static_cast<float>(30 * kDeg)), 50, 1e-6));
  EXPECT_TRUE(IsClose(ELIPS_PROJ(2, 6, static_cast<float>(kPi / 6)), 3, 1e-6));
  EXPECT_EQ(INTRPB(5, 2, 2, 7, 9), 7.0f);
  EXPECT_TRUE(IsClose(INTRPB(4, 2, 3, 7, 9), 11, 1e-7));
}

TEST_F(ForceCoefficients, DataSetTableMirrorsThePortSide) {
  LOWCOF.NUWNPT = 3;
  LOWCOF.NUCRPT = 3;
  const float angles[] = {0, 90, 180};
  const float cx[] = {-0.8f, 0.1f, 0.6f};
  const float cy[] = {0.0f, -0.9f, 0.0f};
  const float cz[] = {0.0f, 0.05f, 0.02f};
  for (int i = 1; i <= 3; ++i) {
    LOWCOF.UWNANG(i) = LOWCOF.UCRANG(i) = angles[i - 1];
    LOWCOF.UWNCX(i) = LOWCOF.UCRCX(i) = cx[i - 1];
    LOWCOF.UWNCY(i) = LOWCOF.UCRCY(i) = cy[i - 1];
    LOWCOF.UWNCZ(i) = LOWCOF.UCRCZ(i) = cz[i - 1];
  }
  struct Case {
    double degrees;
    double cx, cy, cz;
  };
  const Case cases[] = {
      {0, -0.8, 0, 0}, {90, 0.1, -0.9, 0.05}, {-90, 0.1, 0.9, -0.05}, {180, 0.6, 0, 0.02},
      {45, -0.35, -0.45, 0.025}, {-135, 0.35, 0.45, -0.035},
  };
  for (const Case& c : cases) {
    const float a = static_cast<float>(c.degrees * kDeg);
    const double expected[] = {c.cx, c.cy, c.cz};
    for (int component = 1; component <= 3; ++component) {
      EXPECT_TRUE(IsClose(wind(component, allFields(1), 0, 0, 0, a), expected[component - 1], 1e-5, 1e-6))
          << c.degrees << " deg, component " << component;
      EXPECT_TRUE(IsClose(current(component, allFields(1), a), expected[component - 1], 1e-5, 1e-6))
          << c.degrees << " deg, component " << component;
    }
  }
}

TEST_F(ForceCoefficients, DataSetTableThatCannotBeInterpolatedIsRefused) {
  struct Case {
    std::int32_t points;
    float secondAngle;
    const char* line;
  };
  const Case cases[] = {
      {1, 90, "      dimension = [  1] out of range; allowable"},
      {0, 90, "      dimension = [  0] out of range; allowable"},
      {22, 90, "      dimension = [ 22] out of range; allowable"},
      // A column out of order, refused in the words of a user file's (util/column_order.h).
      {3, 180,
       "     row 3 (an attack angle) is 180.00;\n"
       "     the analysis needs a value above 180.00, the attack angle in row 2 (the\n"
       "     attack angles rising strictly, as their first two do)."},
  };
  for (const Case& c : cases) {
    LOWCOF.NUCRPT = c.points;
    LOWCOF.UCRANG(1) = 0;
    LOWCOF.UCRANG(2) = c.secondAngle;
    LOWCOF.UCRANG(3) = 180;
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { current(1, allFields(1), 0.5f); }), kExitFatal);
    EXPECT_TRUE(contains(console.screen(), " ++>  User-supplied force coefficient array in LOWDAT\n" +
                                               std::string(c.line) + "\n"))
        << console.screen();
  }
}

TEST_F(ForceCoefficients, CodeWithoutModelGivesZeroAndWarnsOnce) {
  ConsoleCapture console;
  EXPECT_EQ(wind(2, allFields(9), 0, 0, 0, 0.3f), 0.0f);
  EXPECT_EQ(wind(1, allFields(0), 0, 0, 0, 0.3f), 0.0f);
  EXPECT_EQ(current(3, allFields(12), 0.3f), 0.0f);
  EXPECT_EQ(current(3, allFields(8), 0.3f), 0.0f);
  EXPECT_EQ(console.screen(),
            "\n"
            " ++> Warning: Wind force model code 9 of component 2 selects no model;\n"
            "     Wind coefficients of such codes are taken as 0.\n"
            "\n"
            " ++> Warning: Current force model code 12 of component 3 selects no model;\n"
            "     Current coefficients of such codes are taken as 0.\n");
}

// Every built-in model of the code tables has its coefficients: a beam-on flow pushes the vessel
// sideways, and no code of the tables falls to the warning of a code without a model. (Codes 1 and 2
// read the user's table and file.) The current's depth ratio 6 lies where every built-in set holds
// its sway rows.
TEST_F(ForceCoefficients, EveryBuiltInModelOfTheTablesHasItsCoefficients) {
  ConsoleCapture console;
  for (const ForceModelRow& row : kWindModels) {
    if (row.code == kModelLowdatTable || row.code == kModelUserFile) continue;
    EXPECT_NE(wind(2, allFields(row.code), 100.0f, 0.0f, 1.0f, static_cast<float>(kPi / 2)), 0.0f) << row.name;
  }
  for (const ForceModelRow& row : kCurrentModels) {
    if (row.code == kModelLowdatTable || row.code == kModelUserFile) continue;
    TRIGLD(static_cast<float>(kPi / 2));
    const Vessel v;
    EXPECT_NE(CRNTCF(2, allFields(row.code), 100.0f, 0.0f, 6.0f, static_cast<float>(kPi / 2), v.frontal, v.lateral,
                     v.xArm, v.yArm, v.lwl, v.bwl, kScreenUnit, 1, 11),
              0.0f)
        << row.name;
  }
  EXPECT_EQ(console.screen(), "");
}

// The built-in current series at the cases whose every weighed row is held, against the rows evaluated
// by numpy (reference/current_series_reference.py) at headings 0, 30, 90, 135 and 180 degrees, surge
// scaled by LWL / BWL = 800 / 130: the OCIMF 1977 deep-water sets (model 6 from depth/draft 6 on, for
// every bow; the NSMB 1991 load-100 sway and yaw from 6 on), the OCIMF h = 1.05 sway rows and its
// conventional-bow surge row (model 6 at 1.05 and below; NSMB load 100 sway there), the NSMB
// deep-water load-40 sway row (from 4.4 to the full-load draft on) and the mean surge curve of model
// 15 at load 40 up to 3.0.
TEST_F(ForceCoefficients, BuiltInCurrentSeriesWhereTheirRowsAreKnown) {
  const double headings[] = {0.0, 30.0, 90.0, 135.0, 180.0};
  using Row = std::array<double, 5>;
  const Row deepSurge = {-0.486190769, 0.283773975, 0.0359569231, -0.216327485, 0.564184615};
  const Row deepSway = {0, -0.245110451, -0.587091, -0.381540325, 0};
  const Row deepYaw = {0, -0.0495089709, 0.0186421, 0.0808585822, 0};
  const Row shallowSurge = {-0.385926154, 0.0410074133, -0.0100492308, 1.14031241, 0.564966154};
  const Row shallowSway = {0, -1.62338126, -3.3025, -1.93181725, 0};
  const Row deep40Sway = {0, -0.217161058, -0.499693116, -0.333073988, 0};
  const Row meanSurge = {-0.241577538, -0.304954795, 0.0449769231, 0.277201522, 0.339173231};
  struct Case {
    int code, component;
    float load, bow, h;
    const Row* expected;
  };
  std::vector<Case> cases;
  for (const float h : {6.0f, 6.25f, 10.0f}) {
    for (const float bow : {0.0f, 0.5f, 1.0f}) {
      cases.push_back({6, 1, 98.0f, bow, h, &deepSurge});
      cases.push_back({6, 2, 98.0f, bow, h, &deepSway});
      cases.push_back({6, 3, 98.0f, bow, h, &deepYaw});
    }
  }
  for (const int code : {4, 15}) {
    for (const float h : {6.0f, 9.0f}) {
      cases.push_back({code, 2, 100.0f, 0.7f, h, &deepSway});
      cases.push_back({code, 3, 100.0f, 0.7f, h, &deepYaw});
    }
    cases.push_back({code, 2, 40.0f, 0.3f, 12.0f, &deep40Sway});
    cases.push_back({code, 2, 40.0f, 0.3f, 20.0f, &deep40Sway});
    cases.push_back({code, 2, 100.0f, 0.3f, 1.0f, &shallowSway});
  }
  cases.push_back({6, 2, 98.0f, 0.3f, 1.0f, &shallowSway});
  cases.push_back({6, 2, 98.0f, 1.0f, 1.05f, &shallowSway});
  cases.push_back({6, 1, 98.0f, 0.0f, 1.05f, &shallowSurge});
  for (const float h : {2.0f, 5.0f, 7.5f}) cases.push_back({15, 1, 40.0f, 0.6f, h, &meanSurge});

  ConsoleCapture console;
  const Vessel v;
  for (const Case& c : cases) {
    for (int k = 0; k < 5; ++k) {
      const float a = static_cast<float>(headings[k] * kDeg);
      TRIGLD(a);
      const std::int32_t word = c.code << (4 * (c.component - 1));
      const float value = CRNTCF(c.component, word, c.load, c.bow, c.h, a, v.frontal, v.lateral, v.xArm, v.yArm,
                                 v.lwl, v.bwl, kScreenUnit, 1, 11);
      EXPECT_TRUE(IsClose(value, (*c.expected)[k], 1e-5, 2e-6))
          << "model " << c.code << " component " << c.component << " load " << c.load << " bow " << c.bow << " h "
          << c.h << " at " << headings[k];
    }
  }
  EXPECT_EQ(console.screen(), "");
}

// A case whose blend weighs a row that is not on hand stops, naming the set it would need.
TEST_F(ForceCoefficients, BuiltInCurrentCasesNeedingARowNotOnHandStop) {
  struct Case {
    int code, component;
    float load, bow, h;
    const char* lines;
  };
  const Case cases[] = {
      {6, 1, 100.0f, 0.0f, 2.0f,
       "     for depth/draft 2.00 and bow factor 0.00, which would need:\n"
       "     - surge: OCIMF 1977, depth/draft 1.5, Conventional bow\n"},
      {6, 2, 100.0f, 0.0f, 5.9f,
       "     for depth/draft 5.90 and bow factor 0.00, which would need:\n"
       "     - sway: OCIMF 1977, depth/draft 3.0, Conventional bow\n"},
      {6, 3, 100.0f, 0.0f, 1.0f,
       "     for depth/draft 1.00 and bow factor 0.00, which would need:\n"
       "     - yaw: OCIMF 1977, depth/draft 1.05, Conventional bow\n"},
      {6, 1, 100.0f, 0.5f, 1.05f,
       "     for depth/draft 1.05 and bow factor 0.50, which would need:\n"
       "     - surge: OCIMF 1977, depth/draft 1.05, Cylindrical bow\n"},
      {4, 1, 100.0f, 0.0f, 8.0f,
       "     for depth/draft 8.00 (8.00 to the full-load draft), draft-based\n"
       "     load 100.0 % and bow factor 0.00, which would need:\n"
       "     - surge: NSMB 1991, depth/draft 4.4, load 100 %, bow with bulb\n"},
      {4, 3, 98.0f, 0.0f, 6.25f,
       "     for depth/draft 6.25 (6.12 to the full-load draft), draft-based load 98.0 %\n"
       "     and bow factor 0.00, which would need:\n"
       "     - yaw: NSMB 1991, deep water (depth/draft 4.4 and beyond), load 40 %\n"},
      {15, 1, 40.0f, 1.0f, 10.0f,
       "     for depth/draft 10.00 (4.00 to the full-load draft), draft-based\n"
       "     load 40.0 % and bow factor 1.00, which would need:\n"
       "     - surge: NSMB 1991, deep water (depth/draft 4.4 and beyond), load 40 %\n"},
      {15, 2, 70.0f, 1.0f, 2.0f,
       "     for depth/draft 2.00 (1.40 to the full-load draft), draft-based load 70.0 %\n"
       "     and bow factor 1.00, which would need:\n"
       "     - sway: NSMB 1991, depth/draft 1.2, load 40 %, bow without bulb\n"},
  };
  const Vessel v;
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] {
                TRIGLD(0.3f);
                CRNTCF(c.component, c.code << (4 * (c.component - 1)), c.load, c.bow, c.h, 0.3f, v.frontal, v.lateral,
                       v.xArm, v.yArm, v.lwl, v.bwl, kScreenUnit, 1, 11);
              }),
              kExitFatal);
    EXPECT_EQ(console.screen(), "\n ++> Built-in current coefficients of model " + std::to_string(c.code) +
                                    " are not available\n" + c.lines + "\n Press <RETURN> to continue: ");
  }
}

// What the checks take as held is what the table holds: a row is known exactly where it is not 0.
TEST_F(ForceCoefficients, TheKnownCurrentRowsAreTheRowsTheTableHolds) {
  using F = CurrentSetFamily;
  const BuiltinCurrentSets& t = kBuiltinCurrentSets;
  const auto held = [](const CoefRow& row) {
    for (const float x : row) {
      if (x != 0.0f) return true;
    }
    return false;
  };
  int known = 0;
  for (int c = 1; c <= 3; ++c) {
    for (int n = 0; n < kOcimfCurrentNodes; ++n) {
      for (int bow = 0; bow < 2; ++bow) {
        EXPECT_EQ(builtinCurrentRowKnown({F::kOcimf77, n, 0, bow}, c), held(t.ocimf77[n][bow][c - 1])) << n << bow << c;
        known += builtinCurrentRowKnown({F::kOcimf77, n, 0, bow}, c);
      }
    }
    for (int n = 0; n < kNsmbCurrentNodes; ++n) {
      for (int load = 0; load < 2; ++load) {
        for (int bow = 0; bow < 2; ++bow) {
          EXPECT_EQ(builtinCurrentRowKnown({F::kNsmb91, n, load, bow}, c), held(t.nsmb91[n][load][bow][c - 1]))
              << n << load << bow << c;
          known += builtinCurrentRowKnown({F::kNsmb91, n, load, bow}, c);
        }
      }
    }
    for (int bow = 0; bow < 2; ++bow) {
      EXPECT_EQ(builtinCurrentRowKnown({F::kNsmb91Deep100, 0, 0, bow}, c), held(t.nsmb91Deep100[bow][c - 1]));
    }
    EXPECT_EQ(builtinCurrentRowKnown({F::kNsmb91Deep40}, c), held(t.nsmb91Deep40[c - 1])) << c;
  }
  EXPECT_TRUE(builtinCurrentRowKnown({F::kNsmbMeanCurve}, 1));
  EXPECT_TRUE(held(t.nsmbMeanCx));
  // The deep-water sets of both bows (6 rows), the h = 1.05 sway rows of both bows in both families
  // (4) and the conventional-bow surge row (1).
  EXPECT_EQ(known, 11);
}

// A synthetic table in which every set has constant series at a = pi/2 (CCOF = A(1), SCOF = B(1)),
// each set telling its family, depth node, load and bow apart: value = base + 10 node + load + bow/10.
BuiltinCurrentSets syntheticCurrentSets() {
  BuiltinCurrentSets s{};
  const auto fill = [](CoefSet& set, double value) {
    for (int row = 0; row < 3; ++row) set[row][0] = static_cast<float>(value + row * 1000);
  };
  for (int n = 0; n < kOcimfCurrentNodes; ++n) {
    for (int bow = 0; bow < 2; ++bow) fill(s.ocimf77[n][bow], 100 + 10 * n + 0.1 * bow);
  }
  for (int n = 0; n < kNsmbCurrentNodes; ++n) {
    for (int load = 0; load < 2; ++load) {
      for (int bow = 0; bow < 2; ++bow) fill(s.nsmb91[n][load][bow], 200 + 10 * n + load + 0.1 * bow);
    }
  }
  fill(s.nsmb91Deep100[0], 300);
  fill(s.nsmb91Deep100[1], 300.1);
  fill(s.nsmb91Deep40, 301);
  s.nsmbMeanCx[0] = 400;
  return s;
}

TEST_F(ForceCoefficients, CurrentSeriesAcrossDepthLoadAndBow) {
  const BuiltinCurrentSets sets = syntheticCurrentSets();
  TRIGLD(static_cast<float>(kPi / 2));
  // The series of a set at pi/2: CCOF = A(1) exactly (the cosines vanish to rounding), SCOF = B(1).
  const auto series = [&](int code, int component, float load, float bow, float h) {
    return currentSeries(code, component, load, bow, h, 1.0f, 1.0f, sets);
  };
  const double rowOffset[] = {0, 1000, 2000};
  for (int component = 1; component <= 3; ++component) {
    const double r = rowOffset[component - 1];
    // OCIMF 1977: the depth nodes alone, the mean between them, the deepest beyond; the bow blends.
    EXPECT_TRUE(IsClose(series(6, component, 100, 0, 1.05f), 100 + r, 0, 1e-3));
    EXPECT_TRUE(IsClose(series(6, component, 100, 0, 0.5f), 100 + r, 0, 1e-3));
    EXPECT_TRUE(IsClose(series(6, component, 100, 0, 1.075f), 105 + r, 0, 1e-3));
    EXPECT_TRUE(IsClose(series(6, component, 100, 1, 10.0f), 150.1 + r, 0, 1e-3));
    EXPECT_TRUE(IsClose(series(6, component, 100, 0.5f, 2.25f), 135.05 + r, 0, 1e-3));
    // NSMB 1991: h counts the load; load 70 is the mean of the 40 and 100 sets.
    EXPECT_TRUE(IsClose(series(4, component, 100, 0, 1.1f), 210 + r, 0, 1e-3));
    EXPECT_TRUE(IsClose(series(4, component, 70, 1, 1.2f / 0.7f), 220.6 + r, 0, 1e-3));
    // Up to h = 4.4 every component blends towards the node 4.4 sets.
    EXPECT_TRUE(IsClose(series(4, component, 100, 0, 3.7f), 0.5 * (240 + 300) + r, 0, 1e-3));
  }
  // Beyond 4.4 surge holds the node 4.4 value; sway and yaw blend into the OCIMF deep-water sets.
  EXPECT_TRUE(IsClose(series(4, 1, 100, 0, 5.2f), 300, 0, 1e-3));
  EXPECT_TRUE(IsClose(series(4, 1, 100, 0, 9.0f), 300, 0, 1e-3));
  EXPECT_TRUE(IsClose(series(4, 2, 100, 0, 5.2f), 1000 + 0.5 * (300 + 150), 0, 1e-3));
  EXPECT_TRUE(IsClose(series(4, 3, 40, 1, 15.0f), 2000 + 301, 0, 1e-3));
  EXPECT_TRUE(IsClose(series(4, 2, 100, 1, 9.0f), 1000 + 150.1, 0, 1e-3));
  // Code 15 takes the mean surge curve at load 40 up to h = 3.0, and differs from code 4 nowhere
  // else.
  EXPECT_TRUE(IsClose(series(15, 1, 40, 0, 0.6f), 400, 0, 1e-3));
  EXPECT_TRUE(IsClose(series(15, 1, 70, 0, 1.05f / 0.7f), 0.5 * (400 + 200), 0, 1e-3));
  EXPECT_TRUE(IsClose(series(15, 1, 40, 0, 15.0f), series(4, 1, 40, 0, 15.0f), 0, 1e-3));
  for (const float h : {1.0f, 2.0f, 4.0f, 5.0f, 8.0f}) {
    EXPECT_EQ(series(15, 2, 40, 0.5f, h), series(4, 2, 40, 0.5f, h)) << h;
    EXPECT_EQ(series(15, 3, 40, 0.5f, h), series(4, 3, 40, 0.5f, h)) << h;
  }
  // The surge series is scaled by the hull's length over beam.
  EXPECT_TRUE(IsClose(currentSeries(6, 1, 100, 0, 1.05f, 800, 160, sets), 500, 0, 1e-2));
}

TEST_F(ForceCoefficients, ExtremeCylindricalBowSetAgainstItsSeries) {
  // numpy at 60 degrees: A[0] + sum(A[1:] * cos(k a)) and sum(B * sin(k a)) of the given rows; no
  // depth, load or bow dependence, the surge value scaled by length over beam (5 here).
  TRIGLD(static_cast<float>(60 * kDeg));
  EXPECT_TRUE(IsClose(currentSeries(5, 1, 100, 0, 2, 800, 160, kBuiltinCurrentSets), 5 * -0.07441, 1e-6, 1e-6));
  EXPECT_TRUE(IsClose(currentSeries(5, 2, 100, 0, 2, 800, 160, kBuiltinCurrentSets), -2.16584293, 1e-6, 1e-6));
  EXPECT_TRUE(IsClose(currentSeries(5, 3, 40, 1, 9, 800, 160, kBuiltinCurrentSets), -0.0863600533, 1e-6, 1e-6));

  // The whole set is known, so the model answers through CRNTCF (a code 5 in every field).
  ConsoleCapture console;
  Vessel v;
  v.bwl = 160.0f;
  const std::int32_t word = 5 | 5 << 4 | 5 << 8;
  EXPECT_TRUE(IsClose(current(1, word, static_cast<float>(60 * kDeg), v), 5 * -0.07441, 1e-6, 1e-6));
  EXPECT_TRUE(IsClose(current(2, word, static_cast<float>(60 * kDeg), v), -2.16584293, 1e-6, 1e-6));
  EXPECT_EQ(console.screen(), "");
}

}  // namespace
}  // namespace qv

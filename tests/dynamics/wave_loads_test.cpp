// Member wave loads: the inertia part against quadrature of the linear-wave acceleration along the
// member (tests/dynamics/reference/wave_loads_reference.py), the waterline term and the submerged-member
// options against closed forms, the drag part against its closed form for a member moving without
// waves, the running records, and the warnings.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "dynamics/wavfor.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/linear_waves.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;

constexpr Complex kI{0.0f, 1.0f};

// One member of consecutive elements along (sin phi, 0, cos phi) from its lower joint, and the wave
// and motion WAVFOR is called with.
struct Member {
  std::vector<float> length, buoy, cofmst, cofdmt;
  std::vector<std::int32_t> lmomt;
  float base[3] = {0.0f, 0.0f, 0.0f};
  float phi = 0.0f;  // [rad from the vertical]
  float k = 0.05f, beta = 0.0f, depth = 1000.0f, omega = 1.0f;
  std::int32_t wetyok = 0, drgflg = 0, record = 0, unit = kScreenUnit;
  ColumnPart aboveWater = ColumnPart::kBuoyTop;  // the part of the column its stretches above water belong to
  Complex rotation = 0.0f;  // DELPH1 of the member
  Complex baseVelocity[3] = {0.0f, 0.0f, 0.0f};
  float vcur2 = 0.0f, extamp = 0.0f, wvamp = 0.0f;

  Complex CFORCE[3], CMOMT[3];
  std::vector<Complex> SHRMOM = std::vector<Complex>(5 * 10);
  std::int32_t IMOMT = 0;

  void load() {
    const std::int32_t n = static_cast<std::int32_t>(length.size());
    const std::int32_t JELEM[] = {1, n + 1};
    const float DRMEM[] = {std::sin(phi), 0.0f, std::cos(phi)};
    const float EQCOS[] = {std::cos(phi)};
    const float EQSIN[] = {std::sin(phi)};
    const Complex DELPH1[] = {rotation};
    const Complex DELTHT[] = {0.0f};
    if (cofmst.empty()) cofmst.assign(length.size(), 1.0f);
    if (cofdmt.empty()) cofdmt.assign(length.size(), 1.0f);
    if (lmomt.empty()) lmomt.assign(length.size(), 0);
    WAVFOR({.RBASE = base, .JELEM = JELEM, .ICON = 1, .SLEN = length.data(), .DRMEM = DRMEM,
            .WVKX = k * std::cos(beta), .WVKY = k * std::sin(beta), .WAVK = k, .DEPTH = depth, .NBUG = 0,
            .unit = unit, .BUOY = buoy.data(), .IW = 7, .EQCOS = EQCOS, .EQSIN = EQSIN, .WETYOK = wetyok,
            .ABOVEWATER = aboveWater, .DRGFLG = drgflg, .DELPH1 = DELPH1, .DELTHT = DELTHT, .WFREQ = omega,
            .BASEVEL = baseVelocity,
            .VCUR2 = vcur2, .KBD = kKeyboardUnit, .EXTAMP = extamp, .WVAMP = wvamp, .LMOMT = lmomt.data(),
            .record = record, .COFMST = cofmst.data(), .COFDMT = cofdmt.data(),
            .out = {.CFORCE = CFORCE, .CMOMT = CMOMT, .SHRMOM = SHRMOM.data(), .IMOMT = IMOMT}});
  }
};

::testing::AssertionResult Near(Complex actual, Complex expected, double rel, double abs = 1e-9) {
  const double allowed = abs + rel * std::abs(expected);
  if (std::abs(actual - expected) <= allowed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " differs from " << expected << " (allowed " << allowed << ")";
}

// wave_loads_reference.py: 20 ft elements of buoyant force 100 per foot, added-mass coefficient 1.
TEST(WaveLoads, InertiaPartIsTheIntegralOfTheWaveAcceleration) {
  struct Case {
    const char* name;
    float base[3];
    float phi, k, beta, depth;
    Complex force[3], moment[2];
  };
  const Case cases[] = {
      {"vertical, deep water",
       {0.0f, 0.0f, -30.0f}, 0.0f, 0.05f, 0.52359878f, 1000.0f,
       {{0.0f, 66.406914f}, {0.0f, 38.34005f}, {-38.34005f, 0.0f}},
       {{0.0f, -446.26032f}, {0.0f, 772.94555f}}},
      {"vertical, finite depth",
       {0.0f, 0.0f, -30.0f}, 0.0f, 0.04f, 0.0f, 40.0f,
       {{0.0f, 85.255028f}, {0.0f, 0.0f}, {-28.306237f, 0.0f}},
       {{0.0f, 0.0f}, {0.0f, 927.2405f}}},
      {"inclined 30 degrees, deep water",
       {3.0f, 0.0f, -40.0f}, 0.52359878f, 0.08f, 1.0471976f, 1000.0f,
       {{17.43292f, 6.340673f}, {8.6668642f, 22.688979f}, {-10.093535f, 7.6083041f}},
       {{-120.01231f, -272.77505f}, {217.49291f, 67.098387f}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Member m;
    m.length = {20.0f};
    m.buoy = {2000.0f};
    std::copy(c.base, c.base + 3, m.base);
    m.phi = c.phi;
    m.k = c.k;
    m.beta = c.beta;
    m.depth = c.depth;
    m.load();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Near(m.CFORCE[i], c.force[i], 1e-5, 1e-4)) << "CFORCE(" << i + 1 << ")";
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(Near(m.CMOMT[i], c.moment[i], 1e-5, 1e-3)) << "CMOMT(" << i + 1 << ")";
    EXPECT_EQ(m.CMOMT[2], Complex(0.0f));
  }
}

// A vertical element from 10 ft below the surface to 5 ft above it, in deep water at the origin:
// below the surface the acceleration over g is (i kx, 0, -k) e^{kz}; above it the kinematics hold
// their still-water value, (i kx, 0, -k); the waterline term adds the elevation on the waterplane, 1,
// to the vertical force, so that with it the wetted part carries the pressure at its bottom, e^{-10k}.
TEST(WaveLoads, SubmergedMemberOptionsOfASurfacePiercingElement) {
  const double k = 0.05;
  const double wet = 1.0 - std::exp(-10.0 * k);   // integral of k e^{kz} from -10 to 0
  const double dry = 5.0 * k;                     // integral of k from 0 to 5
  struct Case {
    std::int32_t wetyok;
    bool dryLoaded, waterline;
  };
  const Case cases[] = {{0, false, true}, {1, true, false}, {2, true, true}, {3, false, true},
                        {4, false, false}, {5, true, false}, {6, true, true}, {9, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.wetyok);
    Member m;
    m.length = {15.0f};
    m.buoy = {1500.0f};  // 100 per foot
    m.base[2] = -10.0f;
    m.k = static_cast<float>(k);
    m.wetyok = c.wetyok;
    m.load();
    const double across = (c.dryLoaded ? wet + dry : wet);
    const double along = -(c.dryLoaded ? wet + dry : wet) + (c.waterline ? 1.0 : 0.0);
    EXPECT_TRUE(Near(m.CFORCE[0], kI * static_cast<float>(200.0 * across), 1e-5));
    EXPECT_TRUE(Near(m.CFORCE[2], Complex(static_cast<float>(100.0 * along)), 1e-5, 1e-5));
  }
}

// An element from 2 ft to 7 ft above the surface: loaded by the wetness rule of the part of the
// column it belongs to, not by its height (the buoy top wet under 1, 2, 5, 6; the yoke under 1 to 6;
// a member below the piercing one always). Loaded, it takes the kinematics of the still-water level,
// held in height: the vertical force -100 k 5 (tanh kd = 1 in this deep water), what the same
// stretch of an element reaching down into the water carries, so that cutting an element above the
// water changes nothing. An element rising from the surface itself lies above it too. However long
// the dry element in however short a wave, nothing grows up it and nothing is asked.
TEST(WaveLoads, ElementWhollyAboveWaterIsLoadedByItsPartOfTheColumn) {
  struct Case {
    std::int32_t wetyok;
    ColumnPart part;
    bool loaded;
  };
  const Case cases[] = {{0, ColumnPart::kBuoyTop, false},      {2, ColumnPart::kBuoyTop, true},
                        {3, ColumnPart::kBuoyTop, false},      {4, ColumnPart::kBuoyTop, false},
                        {5, ColumnPart::kBuoyTop, true},       {0, ColumnPart::kYoke, false},
                        {3, ColumnPart::kYoke, true},          {4, ColumnPart::kYoke, true},
                        {0, ColumnPart::kBelowPiercing, true}, {9, ColumnPart::kBuoyTop, true}};
  for (const float zBase : {2.0f, 0.0f}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(c.wetyok) + ", part " + std::to_string(static_cast<int>(c.part)) + ", from " +
                   std::to_string(zBase));
      Member m;
      m.length = {5.0f};
      m.buoy = {500.0f};
      m.base[2] = zBase;
      m.wetyok = c.wetyok;
      m.aboveWater = c.part;
      ConsoleCapture console;
      m.load();
      EXPECT_EQ(console.screen(), "");
      const double k = 0.05;
      const double along = c.loaded ? -k * 5.0 : 0.0;
      EXPECT_TRUE(Near(m.CFORCE[2], Complex(static_cast<float>(100.0 * along)), 1e-5, 1e-6));
    }
  }
  // 20 ft of a buoy's top in a 2 s wave (k 0.3 per ft: e^{kz} would reach 400 at its top): the
  // still-water level's acceleration over its length, in the wave's phase at its foot.
  Member m;
  m.length = {20.0f};
  m.buoy = {2000.0f};
  m.base[2] = 1.0f;
  m.k = 0.3f;
  m.wetyok = 2;
  ConsoleCapture console;
  m.load();
  EXPECT_EQ(console.screen(), "");
  EXPECT_TRUE(Near(m.CFORCE[0], kI * static_cast<float>(200.0 * 0.3 * 20.0), 1e-5));
  EXPECT_TRUE(Near(m.CFORCE[2], Complex(static_cast<float>(-100.0 * 0.3 * 20.0)), 1e-5));
}

// An element whose wet part ends exactly at the surface meets the waterline there: with the element
// above it, rising from the surface, the two carry the vertical force of one element across it, the
// waterline term once (option 0 leaves the upper one dry).
TEST(WaveLoads, AnElementEndingAtTheSurfaceMeetsTheWaterline) {
  const double k = 0.05;
  for (const std::int32_t wetyok : {0, 2}) {
    SCOPED_TRACE(wetyok);
    Member whole;
    whole.length = {15.0f};
    whole.buoy = {1500.0f};
    whole.base[2] = -10.0f;
    whole.wetyok = wetyok;
    whole.load();
    Member cut;
    cut.length = {10.0f, 5.0f};
    cut.buoy = {1000.0f, 500.0f};
    cut.base[2] = -10.0f;
    cut.wetyok = wetyok;
    cut.load();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Near(cut.CFORCE[i], whole.CFORCE[i], 1e-5, 1e-5)) << i;
    const double wet = 1.0 - std::exp(-10.0 * k), dry = wetyok == 0 ? 0.0 : 5.0 * k;
    EXPECT_TRUE(Near(cut.CFORCE[2], Complex(static_cast<float>(100.0 * (1.0 - wet - dry))), 1e-5, 1e-5));
  }
}

// A buoy of 30 m standing 20 m in 100 m of water with its top wet (WETYOK 2): whole or cut (24 + 6,
// its top an element of its own; 21 + 3 + 3 + 3, three elements wholly above the water), it carries
// the load of linear theory below the still water (support/linear_waves.h) and of the still-water
// level's kinematics held over its dry 10 m: across, (i k) 10 C(0) = 10 i k; along, -10 k S(0) =
// -10 k tanh kd, with the elevation term on the waterplane; about its foot, i k (30^2 - 20^2) / 2.
// Grown as e^{kz} up the dry part, the load per metre at the top would be 12.4 times the level's in
// the 4 s wave.
TEST(WaveLoads, AWetTopLoadsAsTheStillWaterKinematicsWholeOrCut) {
  const double depth = 100.0, q = 100.0;  // buoyant force per metre; added-mass coefficient 1
  struct Cut {
    const char* name;
    std::vector<float> lengths;
  };
  const Cut cuts[] = {{"whole", {30.0f}}, {"24 + 6", {24.0f, 6.0f}}, {"21 + 3 + 3 + 3", {21.0f, 3.0f, 3.0f, 3.0f}}};
  for (const double T : {4.0, 10.0}) {
    const double omega = 2.0 * 3.14159265358979 / T;
    const double k = testing_support::linearWaveNumber(omega, depth, 9.8);
    const testing_support::VerticalLineIntegrals wet = testing_support::verticalLineIntegrals(k, depth, -20.0, 0.0);
    const double dry = 10.0;
    const Complex across = kI * static_cast<float>(2.0 * q * (wet.across + k * dry));
    const Complex along(static_cast<float>(q * (wet.along + 1.0 - k * dry * std::tanh(k * depth))));
    const Complex moment = kI * static_cast<float>(2.0 * q * (wet.moment + k * (30.0 * 30.0 - 20.0 * 20.0) / 2.0));
    for (const Cut& c : cuts) {
      SCOPED_TRACE(std::to_string(T) + " s, " + c.name);
      Member m;
      m.length = c.lengths;
      for (const float l : c.lengths) m.buoy.push_back(static_cast<float>(q) * l);
      m.base[2] = -20.0f;
      m.depth = static_cast<float>(depth);
      m.k = static_cast<float>(k);
      m.omega = static_cast<float>(omega);
      m.wetyok = 2;
      ConsoleCapture console;
      m.load();
      EXPECT_EQ(console.screen(), "");
      EXPECT_TRUE(Near(m.CFORCE[0], across, 1e-5));
      EXPECT_TRUE(Near(m.CFORCE[2], along, 1e-5, 1e-4));
      EXPECT_TRUE(Near(m.CMOMT[1], moment, 1e-5));
    }
  }
}

// Far below the reach of the wave (k z from -35 to -34.5) an element's inertia load is e^-34.5 of the
// surface's, while its drag still resists its own motion across the current as it does without waves.
TEST(WaveLoads, ElementsFarBelowTheWaveStillResistTheirOwnMotion) {
  Member m;
  m.length = {10.0f};
  m.buoy = {1000.0f};
  m.base[2] = -700.0f;
  m.load();
  for (const Complex& f : m.CFORCE) EXPECT_LT(std::abs(f), 200.0f * 1.1e-15f);
  EXPECT_GT(std::abs(m.CFORCE[2]), 0.0f);

  m.drgflg = 1;
  m.rotation = {0.002f, 0.001f};
  m.vcur2 = 1.0f;
  m.extamp = m.wvamp = 1.4f;
  m.load();
  const Complex withWaves = m.CFORCE[0];
  m.wvamp = 0.0f;
  m.load();
  EXPECT_NE(withWaves, Complex(0.0f));
  EXPECT_TRUE(Near(withWaves, m.CFORCE[0], 1e-6));
}

// Short waves on long, deep elements: linear theory in closed form (support/linear_waves.h, in long
// double, whose range holds cosh kd of all these waters), the integrals of the acceleration along a
// vertical element times the element's buoyant force per length, 100, and (1 + Ca) = 2 across it,
// with the waterplane's elevation term where the element reaches the surface.
// The load of an element deep below a short wave is tiny, and a long element's is finite; neither
// asks anything.
TEST(WaveLoads, DeepAndLongElementsInShortWavesFollowLinearTheory) {
  struct Case {
    const char* name;
    double depth, z1, length, T;
  };
  const Case cases[] = {
      {"a 62 m tube on the seabed in 100 m, 2 s", 100.0, -100.0, 62.0, 2.0},
      {"the same tube, 3 s", 100.0, -100.0, 62.0, 3.0},
      {"20 m at mid-depth, 2.5 s", 100.0, -60.0, 20.0, 2.5},
      {"a 362 m column up to the surface, 4 s", 362.0, -362.0, 362.0, 4.0},
      {"a 1,462 m column up to the surface, 2 s", 1462.0, -1462.0, 1462.0, 2.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const double omega = 2.0 * 3.14159265358979 / c.T;
    const long double k = testing_support::linearWaveNumber(omega, c.depth, 9.8);
    const testing_support::VerticalLineIntegrals exact =
        testing_support::verticalLineIntegrals(k, c.depth, c.z1, c.z1 + c.length);
    Member m;
    m.length = {static_cast<float>(c.length)};
    m.buoy = {static_cast<float>(100.0 * c.length)};  // 100 per metre; added-mass coefficient 1
    m.base[2] = static_cast<float>(c.z1);
    m.k = static_cast<float>(k);
    m.depth = static_cast<float>(c.depth);
    m.omega = static_cast<float>(omega);
    ConsoleCapture console;
    m.load();
    EXPECT_EQ(console.screen(), "");
    EXPECT_TRUE(Near(m.CFORCE[0], kI * static_cast<float>(200.0 * exact.across), 1e-5, 1e-35));
    // A column whose top stands at the still-water level pierces it there: the wave's elevation acts on
    // its waterplane too, 100 per unit amplitude, and cancels the pull of its decaying pressure.
    const bool pierces = c.z1 + c.length >= 0.0;
    const double along = 100.0 * exact.along + (pierces ? 100.0 : 0.0);
    EXPECT_TRUE(Near(m.CFORCE[2], Complex(static_cast<float>(along)), 1e-5, pierces ? 1e-3 : 1e-35));
    EXPECT_TRUE(Near(m.CMOMT[1], kI * static_cast<float>(200.0 * exact.moment), 1e-5, 1e-35));
  }
}

// A member's load does not depend on how it is cut into elements: the inertia part exactly, the
// drag part (wave, current and the member's turn about its lower joint) as closely as Simpson's rule
// integrates it, in short waves and long ones, below the water and above it where it is wet.
TEST(WaveLoads, AMemberCutIntoElementsCarriesTheSameLoad) {
  struct Case {
    const char* name;
    float z1, length, T;
    int pieces;
    std::int32_t wetyok = 0;
  };
  const Case cases[] = {
      {"the 62 m tube in three, 2 s", -100.0f, 62.0f, 2.0f, 3},
      {"the 62 m tube in three, 3 s", -100.0f, 62.0f, 3.0f, 3},
      {"the 62 m tube in three, 8 s", -100.0f, 62.0f, 8.0f, 3},
      {"a 90 m column through the surface in five, 4 s", -80.0f, 90.0f, 4.0f, 5},
      {"a 30 m buoy, its top 10 m above the water and wet, in five, 4 s", -20.0f, 30.0f, 4.0f, 5, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::int32_t part : {0, 1}) {
      SCOPED_TRACE(part == 0 ? "inertia" : "drag");
      const auto loaded = [&](int pieces) {
        Member m;
        const float piece = c.length / static_cast<float>(pieces);
        m.length.assign(static_cast<std::size_t>(pieces), piece);
        m.buoy.assign(static_cast<std::size_t>(pieces), 3.14f * piece);
        m.base[2] = c.z1;
        m.depth = 100.0f;
        m.omega = 6.2831855f / c.T;
        m.k = static_cast<float>(testing_support::linearWaveNumber(m.omega, 100.0, 9.8));
        m.beta = 0.4f;
        m.wetyok = c.wetyok;
        m.drgflg = part;
        m.rotation = {0.004f, -0.002f};
        m.vcur2 = 1.0f;
        m.extamp = m.wvamp = 1.415f;
        ConsoleCapture console;
        m.load();
        EXPECT_EQ(console.screen(), "");
        return m;
      };
      const Member whole = loaded(1);
      const Member cut = loaded(c.pieces);
      const double rel = part == 0 ? 1e-5 : 5e-4;
      for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(Near(cut.CFORCE[i], whole.CFORCE[i], rel, 1e-6 * std::abs(whole.CFORCE[0]))) << "CFORCE " << i + 1;
      }
      for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(Near(cut.CMOMT[i], whole.CMOMT[i], rel, 1e-6 * std::abs(whole.CMOMT[1]))) << "CMOMT " << i + 1;
      }
    }
  }
}

// Without waves (WVAMP 0) the drag part only resists the member's motion: for a member moving
// bodily at v0, the mean square relative speed is VCUR2 + |EXTAMP v0|^2 / 2 along its whole length
// (in water so deep that the current's profile does not change over the element).
TEST(WaveLoads, DragWithoutWavesOpposesTheMotion) {
  const Complex v0[3] = {{0.3f, 0.1f}, {0.0f, 0.0f}, {0.0f, 0.2f}};
  const float vcur2 = 0.5f, extamp = 1.2f;
  float element[3] = {0.0f, 0.0f, -30.0f};
  const float vertical[3] = {0.0f, 0.0f, 1.0f};
  Complex F[3], M[3];
  {
    ConsoleCapture console;
    MOMFOR({.LEN = 20.0f, .RBASE = element, .DIRMEM = vertical, .WVKX = 0.05f, .WVKY = 0.0f, .WAVK = 0.05f,
            .DEPTH = 1.0E6f, .unit = kScreenUnit, .NBUG = 0, .WETELM = 0, .ABOVEWATER = ColumnPart::kBuoyTop,
            .VCUR2 = vcur2, .BASEVEL = v0,
            .DRGFLG = 1, .DELPH1 = 0.0f, .DELTHT = 0.0f, .WFREQ = 0.6f, .KBD = kKeyboardUnit, .EXTAMP = extamp,
            .WVAMP = 0.0f, .out = {.CFORCE = F, .CMOM = M}});
  }
  double speed2 = vcur2;
  for (const Complex& v : v0) speed2 += 0.5 * extamp * extamp * std::norm(v);
  for (int c = 0; c < 3; ++c) {
    EXPECT_TRUE(Near(F[c], -20.0f * static_cast<float>(std::sqrt(speed2)) * v0[c], 1e-5)) << c;
  }
  // about the start point: the resultant acts at mid-length, s x F with s = (0, 0, 10)
  EXPECT_TRUE(Near(M[0], -10.0f * F[1], 1e-5));
  EXPECT_TRUE(Near(M[1], 10.0f * F[0], 1e-5));

  // A member turning about its lower joint: the force on it is opposite to its velocity.
  Member m;
  m.length = {10.0f, 10.0f};
  m.buoy = {400.0f, 400.0f};
  m.base[2] = -40.0f;
  m.drgflg = 1;
  m.vcur2 = 0.1f;
  m.extamp = 1.0f;
  m.omega = 0.6f;
  m.rotation = {0.02f, 0.01f};
  m.load();
  const Complex velocityDirection = kI * 0.6f * m.rotation;  // of every point, in x
  const Complex ratio = m.CFORCE[0] / velocityDirection;
  EXPECT_LT(ratio.real(), 0.0f);
  EXPECT_NEAR(ratio.imag(), 0.0f, 1e-6f * std::fabs(ratio.real()));
  EXPECT_EQ(m.CFORCE[2], Complex(0.0f));  // no drag along the member
  // The drag factor per element: COFDMT sqrt(BUOY / SLEN).
  m.cofdmt = {2.0f, 2.0f};
  const Complex before = m.CFORCE[0];
  m.load();
  EXPECT_TRUE(Near(m.CFORCE[0], 2.0f * before, 1e-6));
}

// Three Simpson intervals per radian of wave phase along a segment, at least eight.
TEST(WaveLoads, SimpsonPointsFollowTheWavePhaseAlongTheSegment) {
  struct Case {
    float kl;
    std::int32_t points;
  };
  for (const Case c : {Case{0.0f, 9}, Case{0.5f, 9}, Case{2.6f, 9}, Case{2.7f, 11}, Case{5.9f, 19},
                       Case{20.2f, 63}}) {
    EXPECT_EQ(simpsonPointCount(c.kl), c.points) << c.kl;
  }
}

// wave_loads_reference.py: the drag along a member by scipy's quad, with the 1/7-power current of
// 2 knots over 100 m of water, the regular wave of 2.83 m acting on the wave velocity and on the
// member's turn about its lower joint (g 9.8, buoyant force 1 per metre, drag factor 1). The same
// member cut into 16 elements gives the same load: the current is taken along each element, not at
// its base (an 80 m riser standing on the seabed saw none).
TEST(WaveLoads, DragAlongTheMemberIsItsIntegralWithTheCurrentProfile) {
  struct Case {
    const char* name;
    float base[3];
    float phi, length, T, k, vcur2;
    Complex rotation, force, moment;
  };
  const float current2 = (2.0f * 0.514f) * (2.0f * 0.514f);
  const Case cases[] = {
      {"riser on the seabed, 8 s", {0.0f, 0.0f, -100.0f}, 0.0f, 80.0f, 8.0f, 0.0629443349f, current2,
       {0.01f, -0.005f}, {-9.1486543f, -26.128837f}, {-467.47886f, -1448.5639f}},
      {"riser on the seabed, 10 s", {0.0f, 0.0f, -100.0f}, 0.0f, 80.0f, 10.0f, 0.0403095129f, current2,
       {0.01f, -0.005f}, {-2.9937914f, -20.174459f}, {-136.73413f, -1114.3301f}},
      {"riser on the seabed, 14 s", {0.0f, 0.0f, -100.0f}, 0.0f, 80.0f, 14.0f, 0.0211590283f, current2,
       {0.01f, -0.005f}, {5.8406976f, -14.095582f}, {261.55762f, -775.74227f}},
      {"40 m to the surface, 6 s, no current", {0.0f, 0.0f, -40.0f}, 0.0f, 40.0f, 6.0f, 0.111900277f, 0.0f,
       {0.0f, 0.0f}, {6.9326023f, 0.0f}, {246.3633f, 0.0f}},
      {"inclined 0.5 rad, 6 s", {3.0f, 0.0f, -60.0f}, 0.5f, 60.0f, 6.0f, 0.111900277f, current2,
       {0.004f, 0.006f}, {7.5734301f, -5.8894321f}, {268.7042f, -201.66479f}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const int pieces : {1, 16}) {
      SCOPED_TRACE(pieces);
      Member m;
      const float length = c.length / static_cast<float>(pieces);
      m.length.assign(static_cast<std::size_t>(pieces), length);
      m.buoy.assign(static_cast<std::size_t>(pieces), length);
      std::copy(c.base, c.base + 3, m.base);
      m.phi = c.phi;
      m.k = c.k;
      m.depth = 100.0f;
      m.omega = 6.2831855f / c.T;
      m.drgflg = 1;
      m.rotation = c.rotation;
      m.vcur2 = c.vcur2;
      m.extamp = m.wvamp = 1.415f;
      m.load();
      EXPECT_TRUE(Near(m.CFORCE[0], c.force, 0.01));
      EXPECT_TRUE(Near(m.CMOMT[1], c.moment, 0.01));
    }
  }
}

TEST(WaveLoads, RecordsRunningTotalsAtTheFlaggedElements) {
  Member m;
  m.length = {10.0f, 0.0f, 10.0f};
  m.buoy = {1000.0f, 0.0f, 1000.0f};
  m.lmomt = {1, 0, 1};
  m.base[2] = -40.0f;
  m.record = 1;
  m.IMOMT = 2;
  m.load();
  EXPECT_EQ(m.IMOMT, 4);
  const Complex* last = m.SHRMOM.data() + 5 * 3;
  EXPECT_EQ(last[0], m.CFORCE[0]);
  EXPECT_EQ(last[1], m.CFORCE[2]);
  EXPECT_EQ(last[2], m.CFORCE[1]);
  EXPECT_EQ(last[3], m.CMOMT[0]);
  EXPECT_EQ(last[4], m.CMOMT[1]);
  // The first record holds the lower element alone: the load of the member from -40 to -30.
  Member lower;
  lower.length = {10.0f};
  lower.buoy = {1000.0f};
  lower.base[2] = -40.0f;
  lower.load();
  const Complex* first = m.SHRMOM.data() + 5 * 2;
  EXPECT_TRUE(Near(first[0], lower.CFORCE[0], 1e-6));
  EXPECT_TRUE(Near(first[3], lower.CMOMT[0], 1e-6));
  // The zero-length element in between neither loads nor moves the member: the whole member is the
  // member of two 10 ft elements.
  Member plain;
  plain.length = {10.0f, 10.0f};
  plain.buoy = {1000.0f, 1000.0f};
  plain.base[2] = -40.0f;
  plain.load();
  EXPECT_TRUE(Near(m.CFORCE[0], plain.CFORCE[0], 1e-6));
  EXPECT_TRUE(Near(m.CMOMT[1], plain.CMOMT[1], 1e-6));

  m.record = 0;
  m.load();
  EXPECT_EQ(m.IMOMT, 4);

  // A part code other than 0 and 1 leaves the member sums at zero.
  plain.drgflg = 2;
  plain.load();
  for (const Complex& f : plain.CFORCE) EXPECT_EQ(f, Complex(0.0f));
}

TEST(WaveLoads, WarningsAskWhetherToGoOn) {
  struct Case {
    const char* name;
    float length, zBase, k, dirY;
    std::string message;
  };
  const Case cases[] = {
      {"element out of the member's plane", 5.0f, -20.0f, 0.05f, 0.6f,
       "\n\n ++> WARNING: Elemental unit vector out of member plane in MOMFOR.\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const float base[3] = {0.0f, 0.0f, c.zBase};
    const float dir[3] = {0.0f, c.dirY, std::sqrt(1.0f - c.dirY * c.dirY)};
    const Complex still[3] = {0.0f, 0.0f, 0.0f};
    Complex F[3], M[3];
    auto call = [&](std::int32_t unit) {
      MOMFOR({.LEN = c.length, .RBASE = base, .DIRMEM = dir, .WVKX = c.k, .WVKY = 0.0f, .WAVK = c.k,
              .DEPTH = 1000.0f, .unit = unit, .NBUG = 0, .WETELM = 2,
              .ABOVEWATER = ColumnPart::kBuoyTop, .VCUR2 = 0.0f, .BASEVEL = still, .DRGFLG = 0,
              .DELPH1 = 0.0f, .DELTHT = 0.0f, .WFREQ = 0.6f, .KBD = kKeyboardUnit, .EXTAMP = 0.0f, .WVAMP = 0.0f,
              .out = {.CFORCE = F, .CMOM = M}});
    };
    {
      ConsoleCapture console("\n");
      call(kScreenUnit);
      EXPECT_TRUE(contains(console.screen(), c.message + "\a\n Enter \"A\" to abort or Press <RETURN> to continue: "))
          << console.screen();
    }
    {
      ConsoleCapture console("A\n");
      EXPECT_EQ(testing_support::stopStatus([&] { call(kScreenUnit); }), kExitFatal);
    }
  }
}

}  // namespace
}  // namespace qv

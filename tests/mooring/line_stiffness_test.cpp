#include "mooring/line_stiffness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "line_fixture.h"
#include "mooring/axial_wave.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;
using testing_support::kAbortQuestion;
using testing_support::LineModelTest;
using testing_support::stopStatus;

class LineStiffness : public LineModelTest {
 protected:
  void SetUp() override {
    LineModelTest::SetUp();
    WAVCOM.G = 32.152f;
  }
};

TEST_F(LineStiffness, ElasticStiffnessAndAxialWaveNumbers) {
  // Element 1: 200 ft of fibre rope, strain 2e-5 T - 5e-9 T^2 + 1e-12 T^3, dry weight 0.05 kip/ft;
  // element 2: 1500 ft of wire, strain 1e-5 T, no dry weight: it carries its submerged weight 0.08
  // kip/ft and the added mass of 3 in diameter, Cm 1, in water of 64 lb/ft^3:
  // 0.00078539824 * 9 * 64 * 1 / 144 = 0.00314159296 kip/ft. At T = 150 kip the compliances are
  // 2e-5 - 2 * 5e-9 * 150 + 3 * 1e-12 * 150^2 = 1.85675e-5 and 1e-5 /kip, so
  // KELAS = 1 / (200 * 1.85675e-5 + 1500 * 1e-5) = 53.43747 kip/ft, and k = omega sqrt(e' w / G).
  defineLine(1, {{200.0f, 0.02f, 0.05f, 2e-5f, -5e-9f, 1e-12f}, {1500.0f, 0.08f, 0.0f, 1e-5f, 0, 0}});
  Morcom& m = TPCM.moor;
  m.DIAM(2, 1) = 3.0f;
  m.COFMST(1, 1) = 0.8f;
  m.COFMST(2, 1) = 1.0f;
  TPCM.DWATR = 64.0f;
  const double omega = 0.7;
  float KELAS = 0.0f;
  Arr<float, 25> WAVEK{};
  KELAST(KELAS, 1, WAVEK.data(), static_cast<float>(omega), 150.0f);
  const double e1 = 2e-5 - 2 * 5e-9 * 150 + 3 * 1e-12 * 150 * 150;
  EXPECT_TRUE(IsClose(KELAS, 1.0 / (200 * e1 + 1500 * 1e-5), 1e-6));
  EXPECT_TRUE(IsClose(WAVEK(1), omega * std::sqrt(e1 * 0.05 / 32.152), 1e-6));
  EXPECT_TRUE(IsClose(WAVEK(2), omega * std::sqrt(1e-5 * (0.08 + 0.00314159296) / 32.152), 1e-6));
  EXPECT_EQ(m.COFMAS, 1.0f);  // the last element's added-mass coefficient

  // Metric units: 76 mm, Cm 1.2, 1025 kg/m^3: 0.00078539824 * 76^2 * 1025 * 1.2 * 1e-6 = 0.0055797 t/m
  // over the submerged 0.1 t/m; g = 9.8 m/s^2.
  TPCM.NUNTS = 1;
  TPCM.DWATR = 1025.0f;
  WAVCOM.G = 9.8f;
  m.DIAM(2, 1) = 76.0f;
  m.COFMST(2, 1) = 1.2f;
  m.WETWT(2, 1) = 0.1f;
  KELAST(KELAS, 1, WAVEK.data(), static_cast<float>(omega), 150.0f);
  const double added = 0.00078539824 * 76 * 76 * 1025 * 1.2 * 1e-6;
  EXPECT_TRUE(IsClose(WAVEK(2), omega * std::sqrt(1e-5 * (0.1 + added) / 9.8), 1e-6));

  // An inextensible line: no compliance at all gives 1.0e28 and no waves.
  defineLine(2, {{100.0f, 0.1f, 0.12f, 0, 0, 0}, {100.0f, 0.1f, 0.0f, 0, 0, 0}});
  KELAST(KELAS, 2, WAVEK.data(), 1.0f, 50.0f);
  EXPECT_EQ(KELAS, 1.0e28f);
  EXPECT_EQ(WAVEK(1), 0.0f);
  EXPECT_EQ(WAVEK(2), 0.0f);
}

TEST_F(LineStiffness, NegativeSlopesAndWeightsAreWarnedOfOncePerType) {
  // Element 1's strain law falls at 100 kip (1e-5 - 2 * 1e-7 * 100 < 0); element 3 is buoyant with
  // no dry weight and no diameter. Element 2 is sound.
  defineLine(1, {{100.0f, 0.1f, 0.0f, 1e-5f, -1e-7f, 0}, {300.0f, 0.1f, 0.0f, 1e-5f, 0, 0},
                 {50.0f, -0.4f, 0.0f, 2e-5f, 0, 0}});
  const std::string slope =
      "\n ++> Warning: A negative stress-strain curve slope was encountered\n"
      "              in line (type,element) = ( 1, 1).\n"
      "              The slope value will be replaced by infinity\n"
      "              (inextensible line) if you choose to continue\n\n";
  const std::string weight =
      "\n ++> Warning: A negative dry segment weight was encountered\n"
      "              in line (type,element) = ( 1, 3).\n"
      "              The weight value will be replaced by zero\n"
      "              (weightless line) if you choose to continue\n\n";
  float KELAS = 0.0f;
  Arr<float, 25> WAVEK{};
  {
    ConsoleCapture console("\n\n");
    KELAST(KELAS, 1, WAVEK.data(), 0.5f, 100.0f);
    EXPECT_EQ(console.screen(), slope + kAbortQuestion + weight + kAbortQuestion);
  }
  // The falling element counts as inextensible, the buoyant one as weightless.
  EXPECT_TRUE(IsClose(KELAS, 1.0 / (300 * 1e-5f + 50 * 2e-5f), 1e-6));
  EXPECT_EQ(WAVEK(1), 0.0f);
  EXPECT_EQ(WAVEK(3), 0.0f);
  EXPECT_GT(WAVEK(2), 0.0f);
  EXPECT_EQ(TPCM.LBACK, 0);
  {
    ConsoleCapture console("");
    KELAST(KELAS, 1, WAVEK.data(), 0.5f, 100.0f);
    EXPECT_EQ(console.screen(), "");
  }
  // Another type is warned about on its own; "A" stops the run.
  defineLine(2, {{100.0f, 0.1f, 0.0f, -1e-5f, 0, 0}});
  ConsoleCapture console("A\n");
  EXPECT_EQ(stopStatus([&] { KELAST(KELAS, 2, WAVEK.data(), 0.5f, 100.0f); }), kExitFatal);
  EXPECT_EQ(TPCM.LBACK, -1);
}

TEST_F(LineStiffness, CatenaryStiffnessInSeriesWithTheElasticOne) {
  struct Case {
    const char* what;
    Complex fairlead, bottom;
    float gF, gB, KELAS;
    double KSTAT, KCTAN;
  };
  // KSTAT = |gF CAFLD + gB CABOT| / |CAFLD - CABOT|; where it is below KELAS,
  // 1/KCTAN + 1/KELAS = 1/KSTAT.
  const Case cases[] = {
      {"fairlead only", {2.0f, -1.0f}, {0, 0}, 2.75f, 0.4f, 33.3f, 2.75, 1.0 / (1.0 / 2.75 - 1.0 / 33.3)},
      {"both ends", {3.0f, 0.0f}, {1.0f, 0.0f}, 4.0f, -2.0f, 50.0f, (4.0 * 3 - 2.0) / 2.0, 1.0 / (1.0 / 5 - 1.0 / 50)},
      {"equal motions", {1.0f, 1.0f}, {1.0f, 1.0f}, 3.0f, 9.0f, 20.0f, 3.0, 1.0 / (1.0 / 3 - 1.0 / 20)},
      {"statically stiffer", {1.0f, 0.0f}, {0, 0}, 40.0f, 0.0f, 20.0f, 40.0, 1.0e5 * 20.0},
      {"as stiff as the elastic line", {1.0f, 0.0f}, {0, 0}, 20.0f, 0.0f, 20.0f, 20.0, 1.0e5 * 20.0},
  };
  for (const Case& c : cases) {
    float KCTAN = 0.0f, KSTAT = 0.0f;
    KCATN(KCTAN, c.KELAS, KSTAT, c.fairlead, c.bottom, c.gF, c.gB);
    EXPECT_TRUE(IsClose(KSTAT, c.KSTAT, 1e-6)) << c.what;
    EXPECT_TRUE(IsClose(KCTAN, c.KCTAN, 1e-5)) << c.what;
  }
}

// ---- The axial elastic wave ----

class AxialWave : public LineModelTest {
 protected:
  // LNGWAV with reversal 1 (held at the lower end) on line type 1 at T = 150 kip.
  void run(Complex elastic, Complex& top, Complex& bottom, Arr<Complex, 26>& nodes, std::int32_t reversal = 1) {
    const Morcom& m = TPCM.moor;
    LNGWAV(0.6f, Complex(0, 0), elastic, 0.0f, 0.0f, 0.0f, 0.0f, 150.0f, top, bottom, 0, kScreenUnit, reversal,
           &m.SLEN(1, 1), &m.ALPHA(1, 1, 1), m.NELEM(1), nodes.data(), 1);
  }
};

TEST_F(AxialWave, UniformBarHeldAtOneEnd) {
  // EA = 1 / 1e-5 (4-byte), k = 5e-4 /ft, L = 2600 ft (kL = 1.3), end displacement e = 0.3 - 0.1i:
  // held-end tension EA k e / sin kL, moving-end tension EA k e cos kL / sin kL (numpy).
  const Complex e(0.3f, -0.1f);
  const Complex held(15.567301550939986f, -5.189100516979996f);
  const Complex moving(4.164234003521809f, -1.3880780011739366f);
  defineLine(1, {{2600.0f, 0.1f, 0.0f, 1e-5f, 0, 0}});
  LINCOM.WAVEK(1) = 5e-4f;
  Complex top, bottom;
  Arr<Complex, 26> nodes{};
  run(e, top, bottom, nodes);
  EXPECT_TRUE(IsClose(std::abs(bottom - held), 0, 0, 1e-5 * std::abs(held)));
  EXPECT_TRUE(IsClose(std::abs(top - moving), 0, 0, 1e-5 * std::abs(moving)));
  EXPECT_EQ(nodes(1), top);
  EXPECT_EQ(nodes(2), bottom);
  // Held at the top instead: the same tensions, the nodes the other way round.
  run(e, top, bottom, nodes, 0);
  EXPECT_TRUE(IsClose(std::abs(top - moving), 0, 0, 1e-5 * std::abs(moving)));
  EXPECT_EQ(nodes(1), bottom);
  EXPECT_EQ(nodes(2), top);

  // Two equal elements of half the length carry the wave as the one bar does.
  defineLine(1, {{1300.0f, 0.1f, 0.0f, 1e-5f, 0, 0}, {1300.0f, 0.1f, 0.0f, 1e-5f, 0, 0}});
  LINCOM.WAVEK(2) = 5e-4f;
  run(e, top, bottom, nodes);
  EXPECT_TRUE(IsClose(std::abs(bottom - held), 0, 0, 1e-5 * std::abs(held)));
  EXPECT_TRUE(IsClose(std::abs(top - moving), 0, 0, 1e-5 * std::abs(moving)));
  // The middle node carries the bar's force at its midpoint, EA k e cos(kL/2) / sin kL.
  const Complex middle = held * static_cast<float>(std::cos(0.65));
  EXPECT_TRUE(IsClose(std::abs(nodes(2) - middle), 0, 0, 1e-5 * std::abs(middle)));
}

TEST_F(AxialWave, ChainOfUnequalElementsAgainstTheBoundaryValueProblem) {
  // Elements of 200, 1500 and 800 ft from the fairlead with strain laws 2e-5 T; 1e-5 T - 5e-9 T^2 +
  // 1e-12 T^3; 4e-5 T, taken at 150 kip, and wave numbers 6e-4, 4e-4, 9e-4 /ft; the lower end held,
  // the fairlead moved by 0.3 - 0.1i. Node forces from the boundary-value problem solved by numpy:
  // tests/mooring/reference_values.py, section "axial_wave". With the middle element's wave number 0
  // it is passed over, and its two nodes carry the same force.
  defineLine(1, {{200.0f, 0.02f, 0.0f, 2e-5f, 0, 0}, {1500.0f, 0.08f, 0.0f, 1e-5f, -5e-9f, 1e-12f},
                 {800.0f, 0.1f, 0.0f, 4e-5f, 0, 0}});
  struct Case {
    float k2;
    Complex node[4];
  };
  const Case cases[] = {
      {4e-4f,
       {{-2.50204747f, 0.834015823f}, {-1.40664434f, 0.468881446f}, {6.9539956f, -2.31799853f},
        {9.24972404f, -3.08324135f}}},
      {0.0f,
       {{5.99295019f, -1.99765006f}, {7.02726269f, -2.3424209f}, {7.02726269f, -2.3424209f},
        {9.34717886f, -3.11572629f}}},
  };
  for (const Case& c : cases) {
    LINCOM.WAVEK(1) = 6e-4f;
    LINCOM.WAVEK(2) = c.k2;
    LINCOM.WAVEK(3) = 9e-4f;
    Complex top, bottom;
    Arr<Complex, 26> nodes{};
    run(Complex(0.3f, -0.1f), top, bottom, nodes);
    for (int n = 1; n <= 4; ++n) {
      EXPECT_TRUE(IsClose(std::abs(nodes(n) - c.node[n - 1]), 0, 0, 2e-5 * std::abs(c.node[3]))) << c.k2 << " " << n;
    }
    EXPECT_EQ(top, nodes(1));
    EXPECT_EQ(bottom, nodes(4));
  }
}

TEST_F(AxialWave, WithoutWavesTheLineIsAMasslessSpring) {
  // All wave numbers 0: every tension is c ((sigma |c| + KCTAN - omega^2 M) + i C omega R).
  defineLine(1, {{200.0f, 0.02f, 0.0f, 0, 0, 0}, {1500.0f, 0.08f, 0.0f, 0, 0, 0}});
  CATCOM.KCTAN = 4.5f;
  const Complex c(0.4f, 0.3f);  // |c| = 0.5
  const float omega = 0.8f, M = 2.0f, C = 3.0f, R = 0.7f, sigma = 1.5f;
  const Complex expected =
      c * Complex(static_cast<float>(1.5 * 0.5 + 4.5 - 0.64 * 2.0), static_cast<float>(3.0 * 0.8 * 0.7));
  Complex top, bottom;
  Arr<Complex, 26> nodes{};
  LNGWAV(omega, c, Complex(9.0f, 9.0f), M, C, R, sigma, 150.0f, top, bottom, 0, kScreenUnit, 1, &TPCM.moor.SLEN(1, 1),
         &TPCM.moor.ALPHA(1, 1, 1), 2, nodes.data(), 1);
  EXPECT_TRUE(IsClose(std::abs(top - expected), 0, 0, 1e-6));
  EXPECT_EQ(bottom, top);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(nodes(n), top) << n;
}

}  // namespace
}  // namespace qv

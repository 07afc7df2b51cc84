// The ship's added-mass and damping fits: their limits at X = 0 and for large X, values against an
// evaluation of the written formulas in double precision, the zero-frequency waterplane coefficients
// against a quadrature of the potential integrals they stand for, the forward-speed correction
// against strip theory's transom terms, and the surge and sway coefficients against the added mass
// of ellipsoids.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "hull/himem.h"
#include "hull/ship/ship_fits.h"
#include "platform/units.h"
#include "support/checks.h"

namespace qv {
namespace {

using testing_support::IsClose;

TEST(ShipFits, DampingShapesVanishAtZeroAndInertiaShapesStartAtOne) {
  EXPECT_EQ(HDMP(0.0f), 0.0f);
  EXPECT_EQ(PDMP(0.0f), 0.0f);
  EXPECT_EQ(RDMP(0.0f), 0.0f);
  EXPECT_EQ(SDMP(0.0f), 0.0f);
  EXPECT_TRUE(IsClose(RMAS(0.0f), 1.0, 1e-6));
  // Large X: the high-frequency limits.
  EXPECT_TRUE(IsClose(RMAS(60.0f), 1.0 / 1.624, 1e-6));
  for (float R : {0.3f, 0.8f, 1.0f, 2.5f}) {
    EXPECT_TRUE(IsClose(PMAS(0.0f, R), 1.0, 1e-6)) << "R " << R;
    EXPECT_TRUE(IsClose(PMAS(60.0f, R), R, 1e-6)) << "R " << R;
  }
}

TEST(ShipFits, ShapesMatchTheirFormulas) {
  // /usr/bin/python3: 2.42*X/(X+1)**1.59, 0.1*X*X*exp(-0.606*X), 0.151*X*X*exp(-0.952*X),
  // 1.425*X**3.71*exp(-1.613*X), R*(1+(1/R-1+3.6*X*X)*exp(-1.825*X)) with R = 0.6,
  // (1+(0.624+1.26*X)*exp(-0.9*X))/1.624, in double precision.
  struct Case {
    float X;
    double hdmp, pdmp, rdmp, sdmp, pmas, rmas;
  };
  const Case cases[] = {
      {0.5f, 0.6350388, 0.01846498, 0.0234527, 0.04861106, 0.977428, 1.108119},
      {2.0f, 0.8437671, 0.1190406, 0.08997881, 0.7406314, 0.8349598, 0.9357757},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(HDMP(c.X), c.hdmp, 2e-6)) << "X " << c.X;
    EXPECT_TRUE(IsClose(PDMP(c.X), c.pdmp, 2e-6)) << "X " << c.X;
    EXPECT_TRUE(IsClose(RDMP(c.X), c.rdmp, 2e-6)) << "X " << c.X;
    EXPECT_TRUE(IsClose(SDMP(c.X), c.sdmp, 2e-6)) << "X " << c.X;
    EXPECT_TRUE(IsClose(PMAS(c.X, 0.6f), c.pmas, 2e-6)) << "X " << c.X;
    EXPECT_TRUE(IsClose(RMAS(c.X), c.rmas, 2e-6)) << "X " << c.X;
  }
}

TEST(ShipFits, WaterplaneCoefficientsAreThePotentialIntegralsOfTheRectangle) {
  // FHEAVE(X) and FPITCH(X) are (1 / 2 pi) times the integrals of 1 / r and of x x' / r over every
  // pair of points of the rectangle [-1, 1] x [-X, X]. /usr/bin/python3 with scipy.integrate.dblquad
  // over the difference coordinates: 4 int_0^2 int_0^2X (2-u)(2X-v) / hypot(u,v) and the same with
  // the x x' kernel K(u) = int x (x - u) dx over the overlap, each divided by 2 pi.
  struct Case {
    float X;
    double heave, pitch;
  };
  const Case cases[] = {
      {0.1f, 0.08985631, 0.01917311}, {0.1667f, 0.2150596, 0.0426528}, {0.5f, 1.300404, 0.2066814},
      {1.0f, 3.785608, 0.5000056},    {6.0f, 46.43718, 3.655836},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(FHEAVE(c.X), c.heave, 1e-5)) << "X " << c.X;
    // 0.056588 rounds 8 / (45 pi) by 9e-6.
    EXPECT_TRUE(IsClose(FPITCH(c.X), c.pitch, 5e-5)) << "X " << c.X;
  }
}

TEST(ShipFits, DpmasStartsAtTheZeroFrequencyValuesAndTendsToTheHighFrequencyOnes) {
  const float HCONST = 2.0e5f, IHI = 5.8e6f, HMSRAT = 0.38f, PCONST = 3.0e9f, PMAS0 = 1.0e11f, PMSRAT = 0.54f;
  float HA = -1.0f, PA = -1.0f, HB = -1.0f, PB = -1.0f;
  DPMAS0(HA, PA, HB, PB, 0.7f, 0.0f, HCONST, IHI, HMSRAT, PCONST, PMAS0, PMSRAT);
  EXPECT_TRUE(IsClose(HA, IHI, 1e-6));
  EXPECT_TRUE(IsClose(PA, PMAS0, 1e-6));
  EXPECT_EQ(HB, 0.0f);
  EXPECT_EQ(PB, 0.0f);
  DPMAS0(HA, PA, HB, PB, 0.7f, 80.0f, HCONST, IHI, HMSRAT, PCONST, PMAS0, PMSRAT);
  EXPECT_TRUE(IsClose(HA, IHI * HMSRAT, 1e-6));
  EXPECT_TRUE(IsClose(PA, PMAS0 * PMSRAT, 1e-6));
  // The damping is the frequency times the shape times the scale.
  DPMAS0(HA, PA, HB, PB, 0.7f, 2.0f, HCONST, IHI, HMSRAT, PCONST, PMAS0, PMSRAT);
  EXPECT_TRUE(IsClose(HB, 0.7 * 0.8437671 * HCONST, 2e-6));
  EXPECT_TRUE(IsClose(PB, 0.7 * 0.1190406 * PCONST, 2e-6));
}

TEST(ShipFits, ForwardSpeedCorrection) {
  std::memset(static_cast<void*>(&HIMEM), 0, sizeof HIMEM);
  const float L = 600.0f;
  HIMEM.SHIPL = L;
  // U = 0: nothing changes.
  float AH = 100.0f, AP = 5000.0f, BH = 20.0f, BP = 300.0f;
  DAMMAS(AH, AP, BH, BP, 0.25f, 0.0f);
  EXPECT_EQ(AH, 100.0f);
  EXPECT_EQ(AP, 5000.0f);
  EXPECT_EQ(BH, 20.0f);
  EXPECT_EQ(BP, 300.0f);
  // Strip theory's speed correction of a hull advancing at U (Salvesen, Tuck and Faltinsen's end
  // terms) for a box whose sections all carry the added mass a = AH / L and damping b = BH / L, with
  // a transom stern at x_A = L / 2 from the centre: the terms linear in U are
  //   heave added mass - U b / we^2, heave damping + U a,
  //   pitch inertia - U x_A^2 b / we^2, pitch damping + U x_A^2 a;
  // the rest is even in U. Half the difference of the values at U and at -U is therefore these terms
  // (the formula taken at -U only to part the odd terms from the even ones), and half the sum leaves
  // the heave values as they were and adds to the pitch values terms in U^2 / we^2 of the signs of
  // AH and BH.
  struct Case {
    float U, WE2, AH, AP, BH, BP;
  };
  const Case cases[] = {{6.0f, 0.25f, 100.0f, 5000.0f, 20.0f, 300.0f}, {2.5f, 1.3f, 4.0e5f, 6.0e9f, 9.0e4f, 2.0e9f}};
  for (const Case& c : cases) {
    float ahAhead = c.AH, apAhead = c.AP, bhAhead = c.BH, bpAhead = c.BP;
    DAMMAS(ahAhead, apAhead, bhAhead, bpAhead, c.WE2, c.U);
    float ahAstern = c.AH, apAstern = c.AP, bhAstern = c.BH, bpAstern = c.BP;
    DAMMAS(ahAstern, apAstern, bhAstern, bpAstern, c.WE2, -c.U);
    const double a = c.AH / L, b = c.BH / L, xA = L / 2.0;
    const double U = c.U, we2 = c.WE2;
    const double scale = c.AP + std::fabs(U * xA * xA * b / we2);  // the largest term of the pitch inertia
    EXPECT_TRUE(IsClose((ahAhead - ahAstern) / 2.0, -U * b / we2, 1e-5, 1e-6 * c.AH)) << c.U;
    EXPECT_TRUE(IsClose((bhAhead - bhAstern) / 2.0, U * a, 1e-5, 1e-6 * c.BH)) << c.U;
    EXPECT_TRUE(IsClose((apAhead - apAstern) / 2.0, -U * xA * xA * b / we2, 1e-5, 1e-6 * scale)) << c.U;
    EXPECT_TRUE(IsClose((bpAhead - bpAstern) / 2.0, U * xA * xA * a, 1e-5, 1e-6 * (c.BP + U * xA * xA * a))) << c.U;
    EXPECT_TRUE(IsClose((ahAhead + ahAstern) / 2.0, c.AH, 1e-6)) << c.U;
    EXPECT_TRUE(IsClose((bhAhead + bhAstern) / 2.0, c.BH, 1e-6)) << c.U;
    EXPECT_GE((apAhead + apAstern) / 2.0, c.AP * (1.0 - 1e-6)) << c.U;
    EXPECT_GE((bpAhead + bpAstern) / 2.0, c.BP * (1.0 - 1e-6)) << c.U;
    // Ahead, every damping term is a damping: both values grow with the speed.
    EXPECT_GT(bhAhead, c.BH) << c.U;
    EXPECT_GT(bpAhead, c.BP) << c.U;
  }
  // Zero encounter frequency: the correction is singular and leaves the values finite and unchanged.
  AH = 100.0f, AP = 5000.0f, BH = 0.0f, BP = 0.0f;
  DAMMAS(AH, AP, BH, BP, 0.0f, 6.0f);
  EXPECT_EQ(AH, 100.0f);
  EXPECT_EQ(AP, 5000.0f);
  EXPECT_EQ(BH, 0.0f);
  EXPECT_EQ(BP, 0.0f);
}

TEST(ShipFits, SurgeAndSwayCoefficientsAreEllipsoidAddedMasses) {
  // The added-mass coefficient of an ellipsoid along its unit semi-axis (Lamb) times the rectangular
  // section correction 1.215488 A^-0.14883.
  struct Case {
    float A, B;
    double expected;
    const char* what;
  };
  const Case cases[] = {
      // Sphere: 0.5 x 1.215488.
      {1.0f, 1.0f, 0.607744, "square section"},
      // Prolate spheroid of axis ratio 10 along its axis: k = a0 / (2 - a0) with
      // a0 = 2 (1 - e^2) / e^3 (atanh(e) - e), e^2 = 0.99: k = 0.020705918; times 1.712303.
      {0.1f, 0.1f, 0.03545481, "slender section"},
      // The 600 x 100 x 40 box in surge and sway: /usr/bin/python3, scipy.integrate.quad of
      // b c / ((1 + l) sqrt((1 + l)(b^2 + l)(c^2 + l))) over l in 0..inf, k = a0 / (2 - a0).
      {80.0f / 600.0f, 100.0f / 600.0f, 0.062509638, "box in surge"},
      {0.8f, 6.0f, 0.9350432, "box in sway"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(SGSWMS(c.A, c.B, 1, kScreenUnit), c.expected, 3e-4)) << c.what;
  }
}

}  // namespace
}  // namespace qv

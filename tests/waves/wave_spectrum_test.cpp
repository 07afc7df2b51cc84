#include "waves/wave_spectrum.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/fortran_format.h"
#include "waves/spectral_integration.h"
#include "waves/wave_grid_fixture.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::contains;
using qv::testing_support::IsClose;
using qv::testing_support::setWaveGrid;
using qv::testing_support::stopStatus;

constexpr double kPi = 3.14159265358979323846;
constexpr double kG = 9.8;

// What one call of WVSPEC gives back.
struct Spectrum {
  std::array<float, kMaxWavePeriods> psd{};
  float hs = 0;
  float tp = 0;
  float wp = 0;
  float wkp = 0;
  double m0() const {
    float M0 = 0;
    float M2 = 0;
    SMPINT(psd.data(), M0, M2);
    return M0;
  }
};

Spectrum spectrum(std::int32_t type, float hs, float tp, std::int32_t system = kWindSea,
                  const WvspecSink* sink = nullptr) {
  Spectrum s;
  s.hs = hs;
  s.tp = tp;
  WVSPEC(type, s.psd.data(), s.hs, s.tp, s.wp, s.wkp, system, sink);
  return s;
}

// Pierson-Moskowitz density alpha g^2 / w^5 exp(-1.25 (wp / w)^4) [m^2 s].
double piersonMoskowitz(double w, double wp, double alpha = 0.0081) {
  return alpha * kG * kG / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4));
}

// An ordinate against its closed form: densities below 1.0E-20 are set to 0 so that no underflow
// reaches the spectrum.
::testing::AssertionResult ordinateIs(float actual, double expected, double rel) {
  if (expected < 0.5e-20) {
    if (actual == 0.0f) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not cut to 0 (closed form " << expected << ")";
  }
  if (expected < 2e-20) return ::testing::AssertionSuccess();  // either side of the cut
  return IsClose(actual, expected, rel);
}

// The grid of most cases: 45 periods from 3 to 25 s.
class WaveSpectra : public qv::testing_support::WaveGridTest {
 protected:
  void SetUp() override {
    WaveGridTest::SetUp();
    setWaveGrid(45, 3.0f, 0.5f);
  }
};

TEST_F(WaveSpectra, PiersonMoskowitzTakesItsPeakFromTheHeight) {
  const Spectrum s = spectrum(kSpectrumPiersonMoskowitz, 4.0f, 99.0f);  // the given TP is ignored
  const double tp = 15.66 * std::sqrt(4.0 / kG);                        // 10.004807 s
  EXPECT_TRUE(IsClose(s.tp, tp, 1e-6));
  EXPECT_TRUE(IsClose(s.wp, 2 * kPi / tp, 1e-6));
  EXPECT_EQ(s.hs, 4.0f);
  for (int i = 1; i <= 45; ++i) {
    EXPECT_TRUE(ordinateIs(s.psd[i - 1], piersonMoskowitz(WAVCOM.W(i), 2 * kPi / tp), 2e-5)) << "point " << i;
  }
  // scipy.integrate.quad of the same density over the grid's own range [2 pi / 25, 2 pi / 3]:
  // 0.9901333357 (the tail outside the grid holds the rest of Hs^2 / 16 = 1).
  EXPECT_TRUE(IsClose(s.m0(), 0.9901333357, 1e-4));
  // scipy.optimize.brentq of wp^2 = g k tanh(k h) for h = 50 m: k = 0.041530613 1/m.
  EXPECT_TRUE(IsClose(s.wkp, 0.041530613, 2e-5));
}

TEST_F(WaveSpectra, BretschneiderAndUnknownCodesUseThePiersonMoskowitzShape) {
  // With TP = 15.66 sqrt(Hs / g) the Bretschneider scale is alpha 0.0081: type 1 again.
  const Spectrum pm = spectrum(kSpectrumPiersonMoskowitz, 4.0f, 0.0f);
  const Spectrum b = spectrum(kSpectrumBretschneider, 4.0f, pm.tp);
  for (int i = 1; i <= 45; ++i) EXPECT_TRUE(IsClose(b.psd[i - 1], pm.psd[i - 1], 1e-5)) << "point " << i;

  // Any Hs and Tp: the textbook form (5/16) Hs^2 wp^4 / w^5 exp(-1.25 (wp / w)^4); the constants
  // 0.0081 and 15.66 make the two agree within 2e-4.
  const Spectrum b2 = spectrum(kSpectrumBretschneider, 3.0f, 9.0f);
  const double wp = 2 * kPi / 9.0;
  for (int i = 1; i <= 45; ++i) {
    const double w = WAVCOM.W(i);
    const double textbook = 5.0 / 16.0 * 9.0 * std::pow(wp, 4) / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4));
    EXPECT_TRUE(ordinateIs(b2.psd[i - 1], textbook, 5e-4)) << "point " << i;
  }
  EXPECT_EQ(b2.tp, 9.0f);

  // A code the program does not know keeps the given TP and alpha 0.0081.
  for (std::int32_t code : {kLastWaveSpectrum + 1, -1}) {
    const Spectrum u = spectrum(code, 3.0f, 9.0f);
    for (int i = 1; i <= 45; ++i) {
      EXPECT_TRUE(ordinateIs(u.psd[i - 1], piersonMoskowitz(WAVCOM.W(i), wp), 2e-5)) << code << " point " << i;
    }
  }
}

TEST_F(WaveSpectra, FixedJonswapShapesAgreeWithTheirQuadratureNormalisers) {
  // JONSWAP with Hs 4 m, Tp 10 s, alpha = Hs^2 wp^4 / (16 g^2) / N, where N is the integral of
  // x^-5 exp(-1.25 x^-4) gamma^exp(-(x-1)^2 / (2 sigma^2)) by scipy.integrate.quad (0.30498970,
  // 0.30769484, 0.71154193 for types 2, 3, 4); the program's constants agree within 5e-4.
  struct Case {
    std::int32_t type;
    double values[11];
  };
  const int points[11] = {1, 5, 10, 13, 14, 15, 16, 17, 20, 25, 30};
  const Case cases[] = {
      {kSpectrumMeanJonswap,
       {0.0125529, 0.1508189, 0.8348702, 2.368969, 3.990262, 4.933792, 3.758621, 2.253166, 0.7682031, 0.07075024,
        0.0006937708}},
      {kSpectrumSharpJonswap,
       {0.01244254, 0.1494929, 0.8265074, 2.020996, 4.265188, 6.224165, 3.595789, 1.758732, 0.7466166, 0.07012723,
        0.0006876714}},
      {kSpectrumVerySharpJonswap,
       {0.005380574, 0.0646458, 0.375529, 2.121391, 3.691768, 4.4859, 4.352462, 3.975112, 2.080333, 0.1703067,
        0.001466127}},
  };
  for (const Case& c : cases) {
    const Spectrum s = spectrum(c.type, 4.0f, 10.0f);
    EXPECT_EQ(s.tp, 10.0f);
    for (int k = 0; k < 11; ++k) {
      EXPECT_TRUE(IsClose(s.psd[points[k] - 1], c.values[k], 6e-4)) << "type " << c.type << " point " << points[k];
    }
  }
}

TEST_F(WaveSpectra, GeneralJonswapWithTheMeanParametersIsTheMeanJonswap) {
  // Each wave system reads its own widths and gamma; all set to the mean JONSWAP's here.
  TPCM.JONPL = TPCM.JONPL_SWL = TPCM.JONPL_SWL2 = 0.07f;
  TPCM.JONPG = TPCM.JONPG_SWL = TPCM.JONPG_SWL2 = 0.09f;
  TPCM.JONGAM = TPCM.JONGAM_SWL = TPCM.JONGAM_SWL2 = 3.3f;
  const Spectrum mean = spectrum(kSpectrumMeanJonswap, 4.0f, 10.0f);
  for (std::int32_t system : {kWindSea, kSwell, kSecondSwell}) {
    const Spectrum general = spectrum(kSpectrumGeneralJonswap, 4.0f, 10.0f, system);
    for (int i = 1; i <= 45; ++i) {
      EXPECT_TRUE(IsClose(general.psd[i - 1], mean.psd[i - 1], 1e-3, 1e-12)) << "system " << system << " point " << i;
    }
  }
  // Another system's parameters are not read: a sharper wind sea leaves the swell unchanged.
  TPCM.JONGAM = 7.0f;
  const Spectrum swell = spectrum(kSpectrumGeneralJonswap, 4.0f, 10.0f, kSwell);
  const Spectrum sea = spectrum(kSpectrumGeneralJonswap, 4.0f, 10.0f, kWindSea);
  EXPECT_TRUE(IsClose(swell.psd[14], mean.psd[14], 1e-3));
  EXPECT_GT(sea.psd[14], 1.3f * mean.psd[14]);
}

TEST_F(WaveSpectra, OchiHubbleComponentsEachCarryTheirVariance) {
  // On a grid of 99 periods from 1 to 50 s, the zeroth moment of one component is Hs^2 / 16
  // (the gamma function cancels); the grid loses at most 4.4e-4 of it (same rule in numpy).
  setWaveGrid(99, 1.0f, 0.5f);
  struct Component {
    float hs, tp, lambda;
  };
  const Component components[] = {{3.0f, 8.0f, 1.0f}, {2.0f, 14.0f, 3.0f}, {2.5f, 10.0f, 2.0f}, {1.0f, 6.0f, 6.0f}};
  TPCM.N_OCHI_COMP = 1;
  for (const Component& c : components) {
    TPCM.SWHT(1) = c.hs;
    TPCM.SIGPD(1) = c.tp;
    TPCM.OCHI_LAMBDA(1) = c.lambda;
    const Spectrum s = spectrum(kSpectrumOchiHubble, 7.0f, 11.0f);
    EXPECT_TRUE(IsClose(s.m0(), c.hs * c.hs / 16.0, 1e-3)) << "lambda " << c.lambda;
    EXPECT_EQ(s.hs, 7.0f);  // HS and TP stay as given
    EXPECT_EQ(s.tp, 11.0f);
  }
  // Components add: the variances of all four together.
  TPCM.N_OCHI_COMP = 4;
  double variance = 0;
  for (int j = 1; j <= 4; ++j) {
    const Component& c = components[j - 1];
    TPCM.SWHT(j) = c.hs;
    TPCM.SIGPD(j) = c.tp;
    TPCM.OCHI_LAMBDA(j) = c.lambda;
    variance += c.hs * c.hs / 16.0;
  }
  EXPECT_TRUE(IsClose(spectrum(kSpectrumOchiHubble, 0.0f, 10.0f).m0(), variance, 1e-3));
}

TEST_F(WaveSpectra, TmaIsTheGeneralJonswapTimesTheDepthFactorWithItsVariance) {
  TPCM.JONPL = 0.07f;
  TPCM.JONPG = 0.09f;
  TPCM.JONGAM = 3.3f;
  // Depth 10 m: tanh^2(kh) / (1 + 2kh / sinh 2kh), kh from scipy.optimize.brentq of
  // w^2 h / g = kh tanh(kh) at the grid frequencies.
  struct Factor {
    int point;
    double phi;
  };
  const Factor factors[] = {{1, 0.99717659},  {5, 0.71991174},  {10, 0.3524228},   {15, 0.20054319},
                            {20, 0.12869406}, {25, 0.08945081}, {30, 0.065743039}, {35, 0.050343222}};
  TPCM.DEPTH = 10.0f;
  const Spectrum general = spectrum(kSpectrumGeneralJonswap, 4.0f, 10.0f);
  const Spectrum tma = spectrum(kSpectrumTma, 4.0f, 10.0f);
  EXPECT_TRUE(IsClose(tma.m0(), general.m0(), 1e-4));  // the variance, and so Hs, is kept
  const double scale = tma.psd[14] / general.psd[14] / 0.20054319;  // M0 / M0' of the rescaling
  for (const Factor& f : factors) {
    const double ratio = tma.psd[f.point - 1] / general.psd[f.point - 1];
    EXPECT_TRUE(IsClose(ratio / scale, f.phi, 1e-2)) << "point " << f.point;
  }

  // Deep water: the factor is 1 and the spectrum the general JONSWAP.
  TPCM.DEPTH = 5000.0f;
  const Spectrum deep = spectrum(kSpectrumTma, 4.0f, 10.0f);
  const Spectrum deepGeneral = spectrum(kSpectrumGeneralJonswap, 4.0f, 10.0f);
  for (int i = 1; i <= 45; ++i) EXPECT_TRUE(IsClose(deep.psd[i - 1], deepGeneral.psd[i - 1], 1e-5)) << i;

  // Shallow water (0.5 m): the factor tends to w_h^2 / 2 = w^2 h / (2 g), so the ratio to the
  // JONSWAP ordinate grows as w^2 (kh below 0.2 from point 10 on).
  TPCM.DEPTH = 0.5f;
  const Spectrum shallow = spectrum(kSpectrumTma, 4.0f, 10.0f);
  const Spectrum shallowGeneral = spectrum(kSpectrumGeneralJonswap, 4.0f, 10.0f);
  auto ratioOverW2 = [&](int i) { return shallow.psd[i - 1] / shallowGeneral.psd[i - 1] / WAVCOM.W2(i); };
  for (int i = 10; i <= 35; ++i) EXPECT_TRUE(IsClose(ratioOverW2(i), ratioOverW2(20), 1e-2)) << "point " << i;
}

TEST_F(WaveSpectra, TmaBracketFailuresWidenTheBracketThenAskTheUser) {
  // A depth so small that the wave-number ratio lies beyond every widened bracket: after four
  // widenings the user is asked; going on widens three times more and asks again.
  TPCM.JONPL = 0.07f;
  TPCM.JONPG = 0.09f;
  TPCM.JONGAM = 3.3f;
  TPCM.DEPTH = 1.0e-30f;
  const std::string message = " +=> TMA spectrum bounds failure In WVSPEC.\n";
  {
    ConsoleCapture console("\nA\n");
    EXPECT_EQ(stopStatus([] { spectrum(kSpectrumTma, 4.0f, 10.0f); }), kExitFatal);
    const std::string screen = console.screen();
    const std::size_t first = screen.find(message);
    ASSERT_NE(first, std::string::npos) << screen;
    EXPECT_NE(screen.find(message, first + 1), std::string::npos) << screen;
    EXPECT_TRUE(contains(screen, "Enter \"A\" to abort or Press <RETURN> to continue: "));
    EXPECT_EQ(console.unread(), "");
  }
  {
    // An unattended run cannot be asked: it stops at the first question.
    ConsoleCapture console("");
    TPCM.EDUNIT = kDiagnosticsUnit;
    EXPECT_EQ(stopStatus([] { spectrum(kSpectrumTma, 4.0f, 10.0f); }), kExitFatal);
    EXPECT_FALSE(contains(console.screen(), "Enter \"A\""));
  }
}

TEST_F(WaveSpectra, DefaultSwellIsCentredOnTheNearestGridFrequency) {
  TPCM.SWLWID = 0.1f;
  // 10.25 s lies halfway between 10.0 and 10.5 s: the longer period, point 16, is taken.
  const Spectrum s = spectrum(kSpectrumDefaultSwell, 2.0f, 10.25f, kSwell);
  const int peak = 16;
  ASSERT_EQ(TPCM.T(peak), 10.5f);
  const double wPeak = WAVCOM.W(peak);
  EXPECT_TRUE(IsClose(s.psd[peak - 1], 4.0 / (16.0 * std::sqrt(2 * kPi) * 0.1 * wPeak), 1e-6));
  for (int i = 1; i <= 45; ++i) {
    const double x = WAVCOM.W(i) / wPeak - 1.0;
    const double e = 0.5 * x * x / 0.01;
    const double expected = e > 50.0 ? 0.0 : s.psd[peak - 1] * std::exp(-e);
    EXPECT_TRUE(IsClose(s.psd[i - 1], expected, 1e-5)) << "point " << i;
    if (e > 50.0) {
      EXPECT_EQ(s.psd[i - 1], 0.0f) << "point " << i;
    }
  }
  EXPECT_EQ(s.psd[0], 0.0f);  // 3 s is far beyond exp(-50) of the peak
  EXPECT_EQ(s.tp, 10.25f);    // the given period is kept for TP, WP and WKP
  EXPECT_TRUE(IsClose(s.wp, 2 * kPi / 10.25, 1e-6));

  // A Gaussian of width 0.1 w_peak has variance Hs^2 / 16 when the grid resolves it.
  setWaveGrid(99, 6.0f, 0.1f);
  const Spectrum fine = spectrum(kSpectrumDefaultSwell, 2.0f, 10.0f, kSwell);
  EXPECT_TRUE(IsClose(fine.m0(), 0.25, 1e-3));
}

TEST_F(WaveSpectra, DefaultSwellOutsideTheGridStops) {
  TPCM.SWLWID = 0.1f;
  // Grid 3 to 25 s in steps of 0.5: the nearest point must lie within it.
  for (float tp : {2.74f, 1.0f, -40.0f, 25.25f, 60.0f}) {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([tp] { spectrum(kSpectrumDefaultSwell, 2.0f, tp, kSwell); }), kExitFatal) << tp;
    EXPECT_EQ(console.screen(), " ++> SWELL OUTSIDE WAVE PERIOD RANGE\n     The swell peak period " + messageValue(tp) +
                                    " s (page 16) is nearest to none of the wave\n"
                                    "     periods 3.00 to 25.00 s of page 14.\n"
                                    "\n Press <RETURN> to continue: ")
        << tp;
  }
  for (float tp : {2.76f, 25.24f}) {
    EXPECT_GT(spectrum(kSpectrumDefaultSwell, 2.0f, tp, kSwell).m0(), 0.0) << tp;
  }
  // A width of 0 would put the whole variance into one point of infinite density.
  TPCM.SWLWID = 0.0f;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { spectrum(kSpectrumDefaultSwell, 2.0f, 10.0f, kSwell); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++> Swell: relative width of the default swell spectrum 0.0000;"))
      << console.screen();
}

TEST_F(WaveSpectra, UserOrdinatesGiveHeightFromVarianceAndPeakFromTheMiddleOfTheTop) {
  // A flat top over points 12 to 15: TP is 2 pi over the frequency halfway between W(12) and W(15).
  for (int i = 1; i <= 45; ++i) TPCM.USRPSD(i) = 0.0f;
  const float ordinates[] = {0.5f, 1.0f, 2.0f, 2.0f, 2.0f, 2.0f, 1.5f, 0.25f};
  for (int k = 0; k < 8; ++k) TPCM.USRPSD(10 + k) = ordinates[k];
  const Spectrum s = spectrum(kSpectrumUserOrdinates, 99.0f, 1.0f);
  EXPECT_TRUE(IsClose(s.tp, 2 * kPi / (0.5 * (WAVCOM.W(12) + WAVCOM.W(15))), 1e-6));
  EXPECT_TRUE(IsClose(s.hs, 4.0 * std::sqrt(s.m0()), 1e-6));  // the given 99 is overridden
  for (int i = 1; i <= 45; ++i) EXPECT_EQ(s.psd[i - 1], TPCM.USRPSD(i));
  // A single top point is the peak itself.
  TPCM.USRPSD(13) = 3.0f;
  EXPECT_TRUE(IsClose(spectrum(kSpectrumUserOrdinates, 0.0f, 0.0f).tp, TPCM.T(13), 1e-6));
}

TEST_F(WaveSpectra, UserOrdinatesWithoutAPositiveValueStop) {
  for (int i = 1; i <= 45; ++i) TPCM.USRPSD(i) = i == 7 ? -1.0f : 0.0f;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { spectrum(kSpectrumUserOrdinates, 1.0f, 1.0f, kSwell); }), kExitFatal);
  EXPECT_EQ(console.screen(),
            " ++> Swell: the user-defined wave spectrum typed in the data set has no positive\n"
            "     ordinate on the wave period grid; its peak is undefined (WVSPEC)\n"
            "\n Press <RETURN> to continue: ");
}

TEST_F(WaveSpectra, OchiHubbleDataTheGammaFunctionCannotTakeStop) {
  TPCM.N_OCHI_COMP = 2;
  TPCM.SWHT(1) = TPCM.SWHT(2) = 2.0f;
  TPCM.SIGPD(1) = TPCM.SIGPD(2) = 10.0f;
  TPCM.OCHI_LAMBDA(1) = 1.0f;
  TPCM.OCHI_LAMBDA(2) = 0.0f;  // gamma has a pole at 0
  {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { spectrum(kSpectrumOchiHubble, 1.0f, 10.0f); }), kExitFatal);
    EXPECT_EQ(console.screen(), " ++> Gamma function error in WVSPEC\n"
                                "     Ochi-Hubble component 2: the gamma function of its shape parameter\n"
                                "     lambda, 0.00 (page 15, item 8), cannot be formed.\n\n Press <RETURN> to continue: ");
  }
  // More components than the data set has shapes for.
  TPCM.OCHI_LAMBDA(2) = 1.0f;
  TPCM.N_OCHI_COMP = 5;
  {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { spectrum(kSpectrumOchiHubble, 1.0f, 10.0f); }), kExitFatal);
    EXPECT_TRUE(contains(console.screen(), " ++> Wind sea: 5 Ochi-Hubble components given")) << console.screen();
  }
  // A count of ten digits: the message still fits the console (a line of 84 columns before).
  TPCM.N_OCHI_COMP = 2147483647;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { spectrum(kSpectrumOchiHubble, 1.0f, 10.0f); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " ++> Wind sea: 2147483647 Ochi-Hubble components given; the data set holds at\n"
                                         "     most 4\n"
                                         "     in WVSPEC\n"))
      << console.screen();
}

// Whatever its shape, a spectrum holds the variance of the significant height it hands back:
// 16 m0 = Hs^2. A type of the table that WVSPEC did not compute would take the Pierson-Moskowitz
// shape of the given period, whose height (about 4 m at 10 s) is twice the 2 m asked for; and each
// type's peak period comes from where the table says.
TEST_F(WaveSpectra, EveryTypeOfTheTableHoldsTheVarianceOfItsHeight) {
  qv::testing_support::TempDir dir;
  setWaveGrid(99, 1.0f, 0.5f);  // 1 to 50 s: the tails of the broad shapes stay on the grid
  TPCM.WAVWID = 0.2f;
  TPCM.JONGAM = 2.0f;
  TPCM.JONPL = 0.08f;
  TPCM.JONPG = 0.1f;
  TPCM.N_OCHI_COMP = 2;  // 1.6 m and 1.2 m: 2 m together
  TPCM.SWHT(1) = 1.6f;
  TPCM.SIGPD(1) = 12.0f;
  TPCM.OCHI_LAMBDA(1) = 3.0f;
  TPCM.SWHT(2) = 1.2f;
  TPCM.SIGPD(2) = 7.0f;
  TPCM.OCHI_LAMBDA(2) = 2.0f;
  for (int i = 1; i <= TPCM.NWP; ++i) TPCM.USRPSD(i) = std::exp(-std::pow((WAVCOM.W(i) - 0.6f) / 0.1f, 2.0f));
  testing_support::writeFileText("WAVSPEC.txt", "4\n0.1 0.0\n0.5 1.0\n1.0 0.2\n6.5 0.0\n");

  const float hs = 2.0f;
  const float tp = 10.0f;
  for (const WaveSpectrumRow& row : kWaveSpectra) {
    SCOPED_TRACE(std::string(row.name));
    const Spectrum s = spectrum(row.code, hs, tp);
    EXPECT_TRUE(IsClose(16.0 * s.m0(), static_cast<double>(s.hs) * s.hs, 2e-2));
    switch (row.period) {
      case PeakPeriod::kGiven:
        EXPECT_EQ(s.tp, tp);
        EXPECT_EQ(s.hs, hs);
        break;
      case PeakPeriod::kFromHeight:
        EXPECT_TRUE(IsClose(s.tp, 15.66 * std::sqrt(hs / kG), 1e-5));
        break;
      case PeakPeriod::kFromOrdinates:
        EXPECT_NE(s.hs, hs);
        EXPECT_NE(s.tp, tp);
        break;
    }
  }
}

TEST_F(WaveSpectra, TheVesselResponseSinkReceivesTheFinalPeakPeriod) {
  // Type 1 replaces the given period: the sink gets the final one, the depth constant and the grid
  // loop's end. Without a sink the same spectrum comes out.
  float slot = -1;
  float WCONST = -1;
  std::int32_t IW = -1;
  const WvspecSink sink{&slot, &WCONST, &IW};
  const Spectrum s = spectrum(kSpectrumPiersonMoskowitz, 4.0f, 1.0f, kWindSea, &sink);
  EXPECT_EQ(slot, s.tp);
  EXPECT_TRUE(IsClose(WCONST, std::sqrt(50.0 / kG), 1e-6));
  EXPECT_EQ(IW, 46);
  const Spectrum plain = spectrum(kSpectrumPiersonMoskowitz, 4.0f, 1.0f);
  EXPECT_EQ(plain.psd, s.psd);
  // Members may be left out.
  const WvspecSink onlyPeriod{&slot};
  slot = -1;
  spectrum(kSpectrumBretschneider, 3.0f, 9.5f, kWindSea, &onlyPeriod);
  EXPECT_EQ(slot, 9.5f);
}

}  // namespace
}  // namespace qv

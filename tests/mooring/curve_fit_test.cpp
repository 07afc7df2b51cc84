#include "mooring/curve_fit.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/fortran_format.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::screens;

const std::string kCountPrompt = " Enter number of data points (max 20, min 4; -1 to abort): ";
const std::string kSelect = " \n Enter number of selection (\"H\" for help): ";
const std::string kPause = "\n Press <RETURN> to continue: ";
const std::string kWeighting = "; to CHANGE weighting method,\n enter \"C\"; otherwise press <Return> to continue:";

// One value as the array editor shows it: index (I2), ")", value (F13.4).
std::string entry(int i, float value) { return fmtI(i, 2) + ")" + fmtF(value, 13, 4); }

// ---- The determinant ----

TEST(Detrm, AgainstNumpy) {
  // Determinants from numpy.linalg.det of the same matrices (rows as written).
  struct Case {
    const char* what;
    std::vector<std::vector<double>> rows;
    double det;
  };
  const Case cases[] = {
      {"1 x 1", {{-2.5}}, -2.5},
      {"no exchange", {{4, 1, 2}, {1, 3, 0}, {2, 0, 5}}, 43.0},
      // ARRAY(1,1) = 0: columns 1 and 2 change places (det -2.9999999999999996)
      {"zero first pivot", {{0, 2, 1}, {1, 1, 1}, {2, 1, 3}}, -3.0},
      // The second pivot becomes 2 - 4 * 1 / 2 = 0 during elimination (det -79.00000000000007)
      {"zero pivot on the way", {{2, 1, 1, 3}, {4, 2, 5, 1}, {1, 3, 2, 2}, {3, 1, 4, 5}}, -79.0},
      {"pivot row all zero", {{0, 0, 0}, {1, 2, 3}, {4, 5, 6}}, 0.0},
      {"rank 1", {{1, 2}, {2, 4}}, 0.0},
  };
  for (const Case& c : cases) {
    Arr<double, 20, 20> ARRAY{};
    ARRAY.fill(99.0);  // beyond the block: never read
    const int n = static_cast<int>(c.rows.size());
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) ARRAY(i, j) = c.rows[i - 1][j - 1];
    EXPECT_TRUE(IsClose(DETRM(ARRAY, n), c.det, 1e-6, 1e-12)) << c.what;
  }
}

// ---- The least-squares fit ----

// Six points of a synthetic rope, tension [kip] and elongation, as they are typed (float).
constexpr std::array<float, 6> kTensions{10, 25, 40, 60, 80, 100};
constexpr std::array<float, 6> kElongations{0.021f, 0.048f, 0.071f, 0.097f, 0.118f, 0.135f};

std::array<float, 6> perUnitTension(const std::array<float, 6>& e) {
  std::array<float, 6> yp{};
  for (std::size_t i = 0; i < 6; ++i) yp[i] = e[i] / kTensions[i];
  return yp;
}

TEST(Polfit, AgainstNumpy) {
  // numpy.polyfit(T, e/T, 2, w=w)[::-1] in double from the float values, w = 1, sqrt(T/e) for the
  // weighting by 1/elongation, 1/sigma for the weighting by standard deviations; the reduced
  // chi-square sum(w^2 r^2) / (6 - 3) from the residuals r of that fit.
  const std::array<float, 6> yp = perUnitTension(kElongations);
  const std::array<float, 6> sigma{1e-4f, 2e-4f, 1e-4f, 3e-4f, 2e-4f, 1e-4f};
  struct Case {
    int mode;
    std::array<double, 3> a;
    double chisqr;
  };
  const Case cases[] = {
      {0, {2.2105586508314899e-03, -1.2170747668199251e-05, 3.6152312705297222e-08}, 9.590220117409271e-11},
      {-1, {2.2083417770800058e-03, -1.2058901018190539e-05, 3.5162670289922804e-08}, 5.443822646610311e-08},
      {1, {2.22027584e-03, -1.26527607e-05, 3.97017727e-08}, 0.0031586945051033035},
  };
  for (const Case& c : cases) {
    std::array<float, 3> a{};
    float chisqr = -1.0f;
    POLFIT(kTensions.data(), yp.data(), sigma.data(), 6, 3, c.mode, a.data(), chisqr);
    for (int j = 0; j < 3; ++j) EXPECT_TRUE(IsClose(a[j], c.a[j], 1e-5)) << "mode " << c.mode << ", a" << j + 1;
    // The sum of squares is formed by differences of large sums with the single-precision
    // coefficients: a few per cent at most.
    EXPECT_TRUE(IsClose(chisqr, c.chisqr, 0.05)) << "mode " << c.mode;
  }
}

TEST(Polfit, PointsOfAnExactCubicGiveItsCoefficients) {
  // e = a1 T + a2 T^2 + a3 T^3 with the nylon rope's coefficients at 2 in (0.811/TB, -0.584/TB^2,
  // 0.154/TB^3, TB = 132.8 kip), rounded to float as typed.
  const std::array<double, 3> cubic{6.1062e-3, -3.31065e-5, 6.57312e-8};
  const std::array<float, 6> T{10, 30, 50, 70, 90, 110};
  std::array<float, 6> yp{};
  for (std::size_t i = 0; i < 6; ++i) {
    const double t = T[i];
    const float e = static_cast<float>(cubic[0] * t + cubic[1] * t * t + cubic[2] * t * t * t);
    yp[i] = e / T[i];
  }
  for (int mode : {0, -1}) {
    std::array<float, 3> a{};
    float chisqr = -1.0f;
    POLFIT(T.data(), yp.data(), nullptr, 6, 3, mode, a.data(), chisqr);
    for (int j = 0; j < 3; ++j) EXPECT_TRUE(IsClose(a[j], cubic[j], 1e-5)) << "mode " << mode << ", a" << j + 1;
    EXPECT_NEAR(chisqr, 0.0, 1e-12) << "mode " << mode;
  }
}

TEST(Polfit, SingularAndExactlyDetermined) {
  // All tensions equal: no fit, zeros and a zero chi-square.
  const std::array<float, 4> same{50, 50, 50, 50};
  const std::array<float, 4> y{1e-3f, 1.1e-3f, 0.9e-3f, 1e-3f};
  std::array<float, 3> a{7, 7, 7};
  float chisqr = 5.0f;
  POLFIT(same.data(), y.data(), nullptr, 4, 3, 0, a.data(), chisqr);
  EXPECT_EQ(a, (std::array<float, 3>{0, 0, 0}));
  EXPECT_EQ(chisqr, 0.0f);

  // Three points, three terms: the parabola through them (y = x^2), the chi-square left alone.
  const std::array<float, 3> x{1, 2, 3};
  const std::array<float, 3> x2{1, 4, 9};
  POLFIT(x.data(), x2.data(), nullptr, 3, 3, 0, a.data(), chisqr = 5.0f);
  EXPECT_NEAR(a[0], 0.0, 1e-5);
  EXPECT_NEAR(a[1], 0.0, 1e-5);
  EXPECT_TRUE(IsClose(a[2], 1.0, 1e-6));
  EXPECT_EQ(chisqr, 5.0f);
}

// ---- The dialogue ----

class CurveFit : public testing_support::FreshRun {};

// Replies that select value 1 of the array editor, type the values, and leave it.
std::string typedArray(const std::vector<std::string>& values) {
  std::string typed = "1\n";
  for (const std::string& v : values) typed += v + "\n";
  return typed + "\n";
}

const std::string kTypedPoints = typedArray({"10", "25", "40", "60", "80", "100"}) +
                                 typedArray({".021", ".048", ".071", ".097", ".118", ".135"});

TEST_F(CurveFit, FitsTheTypedPointsAndKeepsThemForNextTime) {
  std::array<float, 3> A{-4, -5, -6};
  {
    ConsoleCapture console("6\n" + kTypedPoints + "\n");
    FITCRV(A.data(), kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(console.unread(), "");
    const std::vector<std::string> s = screens(console.screen());
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(s[0], kCountPrompt);
    std::string entries;
    for (int i = 1; i <= 6; ++i) entries += " Enter new value for # " + std::string(i < 10 ? "  " : " ") +
                                            std::to_string(i) + "  ";
    EXPECT_EQ(s[1],
              " -->> Array input for NONZERO Tension values (a point at [0,0] is ASSUMED)\n"
              "\n"
              " 1)       0.0000\n 2)       0.0000\n 3)       0.0000\n 4)       0.0000\n 5)       0.0000\n"
              " 6)       0.0000\n" +
                  kSelect + entries);
    EXPECT_EQ(s[2],
              " -->> Array input for NONZERO Tension values (a point at [0,0] is ASSUMED)\n"
              "\n"
              " 1)      10.0000\n 2)      25.0000\n 3)      40.0000\n 4)      60.0000\n 5)      80.0000\n"
              " 6)     100.0000\n" +
                  kSelect);
    EXPECT_TRUE(contains(s[3], " -->> Array input for NONZERO Elongation values (a point at [0,0] is ASSUMED)\n"));
    EXPECT_TRUE(contains(s[4], " 1)       0.0210\n"));
    EXPECT_TRUE(contains(s[4], kSelect + "\n Curve fit will be unweighted" + kWeighting));
  }
  // numpy.polyfit(T, e/T, 2)[::-1] (Polfit.AgainstNumpy)
  EXPECT_TRUE(IsClose(A[0], 2.2105586508314899e-03, 1e-5));
  EXPECT_TRUE(IsClose(A[1], -1.2170747668199251e-05, 1e-5));
  EXPECT_TRUE(IsClose(A[2], 3.6152312705297222e-08, 1e-5));

  // Again: a blank count keeps the six points, which the array editor shows; "c" weights the fit.
  {
    ConsoleCapture console("\n\n\nc\n\n");
    FITCRV(A.data(), kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(console.unread(), "");
    EXPECT_TRUE(contains(console.screen(), " 6)     100.0000\n"));
    EXPECT_TRUE(contains(console.screen(), "\n Curve fit will be unweighted" + kWeighting +
                                               "\n Curve fit will be weighted by 1/elongation" + kWeighting));
  }
  EXPECT_TRUE(IsClose(A[0], 2.2083417770800058e-03, 1e-5));
  EXPECT_TRUE(IsClose(A[1], -1.2058901018190539e-05, 1e-5));
  EXPECT_TRUE(IsClose(A[2], 3.5162670289922804e-08, 1e-5));
  EXPECT_EQ(FITCRV_STATE.MODE, -1);

  // The weighting chosen last is proposed next; "c" twice comes back to it.
  {
    ConsoleCapture console("\n\n\nc\nC\n\n");
    FITCRV(A.data(), kScreenUnit, kKeyboardUnit);
    const std::string screen = console.screen();
    EXPECT_TRUE(contains(screen, "\n Curve fit will be weighted by 1/elongation" + kWeighting +
                                     "\n Curve fit will be unweighted" + kWeighting +
                                     "\n Curve fit will be weighted by 1/elongation" + kWeighting));
    EXPECT_EQ(console.unread(), "");
  }
  EXPECT_EQ(FITCRV_STATE.MODE, -1);
  EXPECT_TRUE(IsClose(A[0], 2.2083417770800058e-03, 1e-5));
}

TEST_F(CurveFit, TheCountOfPoints) {
  // -1, 0, a letter and (with no count before) a blank reply leave without a fit; 3 asks again.
  struct Case {
    const char* typed;
    int prompts;
  };
  const Case leaving[] = {{"-1\n", 1}, {"0\n", 1}, {"\n", 1}, {"x\n", 1}, {"3\n2\n-1\n", 3}};
  for (const Case& c : leaving) {
    std::array<float, 3> A{-4, -5, -6};
    ConsoleCapture console(c.typed);
    FITCRV(A.data(), kScreenUnit, kKeyboardUnit);
    std::string expected;
    for (int k = 0; k < c.prompts; ++k) expected += kCountPrompt;
    EXPECT_EQ(console.screen(), expected) << c.typed;
    EXPECT_EQ(A, (std::array<float, 3>{-4, -5, -6})) << c.typed;
  }

  // 25 is taken as 20: the array editor shows two columns, values 16 to 20 beside 1 to 5.
  std::vector<std::string> tensions, elongations;
  for (int i = 1; i <= 20; ++i) {
    tensions.push_back(std::to_string(5 * i));
    elongations.push_back(std::to_string(0.001 * 5 * i));  // linear: 0.001 per kip
  }
  std::array<float, 3> A{-4, -5, -6};
  ConsoleCapture console("25\n" + typedArray(tensions) + typedArray(elongations) + "\n");
  FITCRV(A.data(), kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(FITCRV_STATE.NPTS, 20);
  const std::vector<std::string> s = screens(console.screen());
  ASSERT_EQ(s.size(), 5u);
  std::string rows;
  for (int r = 1; r <= 15; ++r) {
    rows += entry(r, 5.0f * r);
    if (r <= 5) rows += fmtX(10) + entry(r + 15, 5.0f * (r + 15));
    rows += "\n";
  }
  EXPECT_EQ(s[2], " -->> Array input for NONZERO Tension values (a point at [0,0] is ASSUMED)\n\n" + rows + kSelect);
  // A linear material: a1 = 0.001 and no higher terms.
  EXPECT_TRUE(IsClose(A[0], 1e-3, 1e-5));
  EXPECT_NEAR(A[1] * 100.0, 0.0, 1e-8);
  EXPECT_NEAR(A[2] * 100.0 * 100.0, 0.0, 1e-8);
}

TEST_F(CurveFit, ZeroValuesAreRefusedAndBothArraysOfferedAgain) {
  std::array<float, 3> A{-4, -5, -6};
  // Tension 2 is typed as 0; after the message and its pause it is corrected to 20.
  ConsoleCapture console("4\n" + typedArray({"10", "0", "30", "40"}) + typedArray({".01", ".02", ".03", ".04"}) +
                         "\n" + "2\n20\n\n\n" + "\n" + "\n");
  FITCRV(A.data(), kScreenUnit, kKeyboardUnit);
  EXPECT_EQ(console.unread(), "");
  const std::vector<std::string> s = screens(console.screen());
  ASSERT_EQ(s.size(), 8u);
  EXPECT_TRUE(contains(s[4], kSelect +
                                 "\n"
                                 " A tension or elongation of zero is not allowed;\n"
                                 " a point at (0,0) is ASSUMED! - reenter arrays\n" +
                                 kPause));
  EXPECT_TRUE(contains(s[5], " 2)       0.0000\n"));
  EXPECT_TRUE(contains(s[6], " 2)      20.0000\n"));
  EXPECT_TRUE(IsClose(A[0], 1e-3, 1e-5));
}

TEST_F(CurveFit, PointsThatDoNotDetermineTheCoefficientsChangeNothing) {
  // One tension only (the normal matrix is singular), or two (it is singular too, though rounding
  // may hide it): a message and a pause, the caller's coefficients as they were.
  for (const auto& tensions : {std::vector<std::string>{"50", "50", "50", "50"},
                               std::vector<std::string>{"10", "10", "20", "20"}}) {
    std::array<float, 3> A{-4, -5, -6};
    ConsoleCapture console("4\n" + typedArray(tensions) + typedArray({".01", ".011", ".02", ".021"}) + "\n\n");
    FITCRV(A.data(), kScreenUnit, kKeyboardUnit);
    EXPECT_EQ(console.unread(), "");
    EXPECT_TRUE(contains(console.screen(), kWeighting +
                                               "\n"
                                               " ++> These points do not determine the compliance coefficients;\n"
                                               "     at least three different tensions are needed.\n"
                                               "     The coefficients are left unchanged.\n" +
                                               kPause))
        << tensions[0];
    EXPECT_EQ(A, (std::array<float, 3>{-4, -5, -6})) << tensions[0];
  }
}

TEST_F(CurveFit, AnUnattendedRunIsNotAskedForTheWeighting) {
  // On unit 41 the screens go to the diagnostics file and nothing pauses; the weighting stays as
  // it is. The count and the values are still read.
  testing_support::TempDir dir;
  RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
  std::array<float, 3> A{-4, -5, -6};
  {
    ConsoleCapture console("4\n" + typedArray({"10", "0", "30", "40"}) + typedArray({".01", ".02", ".03", ".04"}) +
                           "2\n20\n\n\n" + "\n" + "c\n");
    FITCRV(A.data(), kDiagnosticsUnit, kKeyboardUnit);
    EXPECT_EQ(console.screen(), "");
    EXPECT_EQ(console.unread(), "c\n");
  }
  closeAllUnits();
  EXPECT_TRUE(IsClose(A[0], 1e-3, 1e-5));
  EXPECT_EQ(FITCRV_STATE.MODE, 0);
  const std::string file = testing_support::readFileText("Diagnostics.stxt");
  EXPECT_TRUE(contains(file, " a point at (0,0) is ASSUMED! - reenter arrays\n -->> Array input for NONZERO Tension"));
  EXPECT_TRUE(contains(file, " \n\n Curve fit will be unweighted; to CHANGE weighting method,\n"));
  EXPECT_FALSE(contains(file, "enter \"C\""));
}

// ---- The array editor ----

TEST_F(CurveFit, ArrayEditorSelections) {
  const std::string head = " -->> Array input for Test\n\n";
  const auto shown = [&](const std::array<float, 4>& v) {
    std::string rows;
    for (int i = 1; i <= 4; ++i) rows += entry(i, v[static_cast<std::size_t>(i - 1)]) + "\n";
    return head + rows + kSelect;
  };
  struct Case {
    const char* what;
    const char* typed;
    std::array<float, 4> values;
    std::vector<std::string> screens;  // after the text before the first clear
  };
  const std::array<float, 4> start{1, 2, 3, 4};
  const std::string nohelp = "\n\n ++> Sorry, no help for this page...\n\n" + kPause;
  const Case cases[] = {
      {"blank", "\n", start, {shown(start)}},
      {"zero", "0\n", start, {shown(start)}},
      {"help", "?\n\n\n", start, {shown(start), nohelp, shown(start)}},
      {"back", "-1\n!\n\n", start, {shown(start), shown(start), shown(start)}},
      // "9" is taken as 4, the last value; the entry ends after it
      {"beyond the count", "9\n7.5\n\n", {1, 2, 3, 7.5f},
       {shown(start) + " Enter new value for #   4  ", shown({1, 2, 3, 7.5f})}},
      // a blank or unreadable value ends the entry early and keeps that value
      {"entry ended", "2\n-6\n\n3\nx\n\n", {1, -6, 3, 4},
       {shown(start) + " Enter new value for #   2   Enter new value for #   3  ",
        shown({1, -6, 3, 4}) + " Enter new value for #   3  ", shown({1, -6, 3, 4})}},
  };
  for (const Case& c : cases) {
    std::array<float, 4> v = start;
    std::int32_t sel = 55;
    ConsoleCapture console(c.typed);
    ARAYIN(4, 20, kScreenUnit, kKeyboardUnit, v.data(), sel, "Test");
    EXPECT_EQ(console.unread(), "") << c.what;
    EXPECT_EQ(v, c.values) << c.what;
    EXPECT_EQ(sel, 0) << c.what;
    std::vector<std::string> s = screens(console.screen());
    s.erase(s.begin());
    EXPECT_EQ(s, c.screens) << c.what;
  }
}

}  // namespace
}  // namespace qv

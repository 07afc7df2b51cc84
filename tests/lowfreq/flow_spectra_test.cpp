#include "lowfreq/flow_spectra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/run_findings.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::contains;
using qv::testing_support::IsClose;
using qv::testing_support::stopStatus;
using qv::testing_support::TempDir;
using qv::testing_support::writeFileText;

constexpr int kEnglish = 0;
constexpr int kMetric = 1;

float windDensity(float F, float U, int NUNTS, int code, float api = 0.035f, float height = 10.0f) {
  float ratio = -1.0f;
  return WNDSPC(F, U, 7.5f, NUNTS, code, api, height, ratio, kScreenUnit);
}

// The integral over 0 < F < infinity [rad/s], by the trapezoid rule in ln F from 1e-7 to 1e7.
double integral(const std::function<double(double)>& density) {
  const int steps = 20000;
  const double lo = std::log(1e-7), hi = std::log(1e7), h = (hi - lo) / steps;
  double sum = 0.0;
  for (int i = 0; i <= steps; ++i) {
    const double F = std::exp(lo + i * h);
    sum += (i == 0 || i == steps ? 0.5 : 1.0) * density(F) * F;
  }
  return sum * h;
}

TEST(WindSpectrum, VarianceOfTheGustModels) {
  // Davenport: 0.02 U' L x / (1 + x^2)^(4/3) over F integrates to 0.03 U'^2; API: 0.02676 U'^2
  // whatever its parameter. U' = 1.6867 or 0.5139 times the speed in knots.
  struct Case {
    int code, units;
    float knots, api;
    double variance;
  };
  const Case cases[] = {
      {1, kEnglish, 30, 0, 0.03 * std::pow(1.6867 * 30, 2)},
      {1, kMetric, 45, 0, 0.03 * std::pow(0.5139 * 45, 2)},
      {4, kEnglish, 30, 0.025f, 0.02676 * std::pow(1.6867 * 30, 2)},
      {4, kEnglish, 30, 0.05f, 0.02676 * std::pow(1.6867 * 30, 2)},
      // The ends of the parameter's range (the runner refuses the rest): the same variance, the peak
      // moved.
      {4, kMetric, 40, 0.01f, 0.02676 * std::pow(0.5139 * 40, 2)},
      {4, kMetric, 40, 0.1f, 0.02676 * std::pow(0.5139 * 40, 2)},
      {4, kMetric, 60, 0.035f, 0.02676 * std::pow(0.5139 * 60, 2)},
  };
  for (const Case& c : cases) {
    const double variance = integral([&](double F) { return windDensity(static_cast<float>(F), c.knots, c.units, c.code, c.api); });
    EXPECT_TRUE(IsClose(variance, c.variance, 2e-3)) << "code " << c.code << " units " << c.units;
  }
  // One Davenport ordinate by hand: U' = 1.6867 * 30, x = 0.05 * 626.67 / U'.
  EXPECT_TRUE(IsClose(windDensity(0.05f, 30, kEnglish, 1), 254.759236, 1e-5));
}

TEST(WindSpectrum, NpdModel) {
  float ratio = -1.0f;
  // numpy of the formula at 40 knots and 0.1 rad/s: u = 0.05139 U, zz the height over 10 m, f =
  // F/(2 pi) 172 zz^(2/3) / u^0.75, S = 320/(2 pi) u^2 zz^0.45 / (1 + f^0.468)^3.561253.
  EXPECT_TRUE(IsClose(WNDSPC(0.1f, 40, 0, kMetric, 5, 0, 10.0f, ratio, kScreenUnit), 12.0985126, 1e-5));
  EXPECT_TRUE(IsClose(ratio, 1.0, 1e-6));  // at the reference height
  EXPECT_TRUE(IsClose(WNDSPC(0.1f, 40, 0, kMetric, 5, 0, 25.0f, ratio, kScreenUnit), 10.0295623, 1e-5));
  EXPECT_TRUE(IsClose(ratio, 0.817361885, 1e-5));  // 1 / (1 + C ln 2.5)^2, C = 0.0573 sqrt(1 + 1.5 u)
  // English units: heights in feet, the density in (ft/s)^2 s, 10.764 times the metric value.
  for (const float F : {0.01f, 0.1f, 1.0f}) {
    const float metric = WNDSPC(F, 40, 0, kMetric, 5, 0, 25.0f, ratio, kScreenUnit);
    const float english = WNDSPC(F, 40, 0, kEnglish, 5, 0, 25.0f * 3.281f, ratio, kScreenUnit);
    EXPECT_TRUE(IsClose(english, 10.764 * metric, 1e-4)) << F;
    EXPECT_TRUE(IsClose(ratio, 0.817361885, 1e-4));
  }
  // Where 1 + C ln zz comes near zero (zz about exp(-1/C)) the ratio is set to 0.
  WNDSPC(0.1f, 40, 0, kMetric, 5, 0, 0.0017f, ratio, kScreenUnit);
  EXPECT_EQ(ratio, 0.0f);
  WNDSPC(0.1f, 40, 0, kMetric, 5, 0, 0.0019f, ratio, kScreenUnit);
  EXPECT_GT(ratio, 1.0f);
  // The other models leave the ratio 1.
  WNDSPC(0.1f, 40, 0, kMetric, 1, 0, 25.0f, ratio, kScreenUnit);
  EXPECT_EQ(ratio, 1.0f);
}

// The run refuses an N.P.D. height exactly where the spectrum would drop its gusts (its ratio 0):
// the two never disagree, in either unit system, at any wind speed of the range.
class NpdHeight : public testing_support::FreshRun {};

TEST_F(NpdHeight, TheRunRefusesTheHeightsWhoseGustsTheSpectrumDrops) {
  for (const int units : {kEnglish, kMetric}) {
    for (const float knots : {0.5f, 40.0f, 250.0f}) {
      for (const float height : {-10.0f, 0.0f, 1e-6f, 0.001f, 0.0018f, 0.0019f, 0.006f, 0.2f, 0.21f, 0.7f, 10.0f}) {
        testing_support::DataSet().withSalm().withTanker().with([&] {
          TPCM.NUNTS = units;
          TPCM.LQUAS = 1;
          TPCM.LWIND = 1;
          TPCM.WNDSPD = knots;
          TPCM.WNDTYP = kNpdWind;
          TPCM.WSPEC_HGT = height;
        });
        float ratio = -1.0f;
        WNDSPC(0.05f, knots, 0, units, kNpdWind, 0, height, ratio, kScreenUnit);
        const bool refused = !testing_support::findingsNaming(runFindings(), "N.P.D.").empty();
        EXPECT_EQ(refused, !(ratio > 0.0f)) << units << " " << knots << " knots at " << height;
      }
    }
  }
}

TEST(WindSpectrum, ConstantSteadyAndCalm) {
  EXPECT_EQ(windDensity(0.3f, 20, kEnglish, 2), 7.5f);
  EXPECT_EQ(windDensity(0.3f, 20, kEnglish, 3), 0.0f);
  EXPECT_EQ(windDensity(0.3f, 20, kEnglish, 7), 0.0f);
  EXPECT_EQ(windDensity(0.3f, 20, kEnglish, 0), 0.0f);
  // No mean wind: every model gives 0 (the gust models divide by the speed).
  for (const int code : {1, 2, 4, 5}) {
    EXPECT_EQ(windDensity(0.3f, 0, kMetric, code), 0.0f) << code;
    EXPECT_EQ(windDensity(0.3f, -5, kEnglish, code), 0.0f) << code;
  }
}

TEST(WindSpectrum, BadUnitsOrApiParameterStop) {
  struct Case {
    int units, code;
    float api;
    const char* message;
  };
  const Case cases[] = {
      {2, 1, 0.035f, " >>! NUNTS error in WNDSPC, <RETURN> to quit\n"},
      {kEnglish, 4, 0.0f, " >>! API parameter error in WNDSPC, <RETURN> to quit\n"},
      {kMetric, 4, -0.1f, " >>! API parameter error in WNDSPC, <RETURN> to quit\n"},
  };
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] { windDensity(0.1f, 30, c.units, c.code, c.api); }), kExitFatal);
    EXPECT_EQ(console.screen(), c.message);
    EXPECT_EQ(console.unread(), "");  // the wait read its line
  }
}

TEST(CurrentSpectrum, ConstantAndBandLimited) {
  EXPECT_EQ(CURSPC(0.05f, 3.0f, 0, kScreenUnit), 0.0f);
  EXPECT_EQ(CURSPC(0.05f, 3.0f, 1, kScreenUnit), 3.0f);
  EXPECT_EQ(CURSPC(5.0f, 3.0f, 1, kScreenUnit), 3.0f);
  EXPECT_EQ(CURSPC(0.1257f, 3.0f, 3, kScreenUnit), 3.0f);
  EXPECT_EQ(CURSPC(0.12571f, 3.0f, 3, kScreenUnit), 0.0f);
}

class UserSpectra : public ::testing::Test {
 protected:
  void SetUp() override { userSpectrumState.reset(); }
  void TearDown() override { closeAllUnits(); }
  TempDir dir;
};

TEST_F(UserSpectra, TableInsideAndWarningOnceOutside) {
  writeFileText("WINDSPEC.txt", "3\n0.01, 100.\n0.1 40\n 1.0  4.0\n");
  writeFileText("CRNTSPEC.txt", "2\n0.02 1.5\n0.2 0.5\n");
  ConsoleCapture console("\n\n");
  float ratio = 0.0f;
  EXPECT_TRUE(IsClose(WNDSPC(0.055f, 20, 0, kEnglish, 6, 0, 0, ratio, kScreenUnit), 70, 1e-6));
  EXPECT_TRUE(IsClose(CURSPC(0.11f, 0, 2, kScreenUnit), 1.0, 1e-6));
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(UWNDSPEC(2.0f, kScreenUnit, kKeyboardUnit, "WINDSPEC.txt"), 0.0f);
  EXPECT_EQ(UWNDSPEC(0.001f, kScreenUnit, kKeyboardUnit, "WINDSPEC.txt"), 0.0f);
  EXPECT_EQ(UCURSPEC(0.3f, kScreenUnit, kKeyboardUnit, "CRNTSPEC.txt"), 0.0f);
  // Each names the file, the frequencies it holds and the one asked for, the first outside it.
  EXPECT_EQ(console.screen(),
            // 0.01 in single precision lies just below a hundredth.
            " ++> Warning: User file \"WINDSPEC.txt\" holds frequencies\n"
            "     from 1.0000E-02 to 1.00 rad/s;\n"
            "     the slow drift needs the wind spectrum's density at 2.00 rad/s, which is\n"
            "     taken as 0 there and at every other frequency outside the file: if the wind\n"
            "     fluctuates there, extend the file.\n"
            "\a\n Enter \"A\" to abort or Press <RETURN> to continue: "
            " ++> Warning: User file \"CRNTSPEC.txt\" holds frequencies\n"
            "     from 0.02 to 0.20 rad/s;\n"
            "     the slow drift needs the current spectrum's density at 0.30 rad/s, which is\n"
            "     taken as 0 there and at every other frequency outside the file: if the\n"
            "     current fluctuates there, extend the file.\n"
            "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ");
  // The table stays in memory under its name.
  writeFileText("WINDSPEC.txt", "2\n0 0\n9 0\n");
  EXPECT_TRUE(IsClose(UWNDSPEC(0.1f, kScreenUnit, kKeyboardUnit, "WINDSPEC.txt"), 40, 1e-6));
}

// Every type of the wind and current tables but the steady ones has its fluctuation at a frequency
// of the moored vessel's slow motions (a type the switch lacks would have none).
TEST_F(UserSpectra, EveryTypeOfTheTablesButTheSteadyOnesFluctuates) {
  writeFileText("WINDSPEC.txt", "3\n0.01, 100.\n0.1 40\n 1.0  4.0\n");
  writeFileText("CRNTSPEC.txt", "2\n0.02 1.5\n0.2 0.5\n");
  ConsoleCapture console;
  for (const WindSpectrumRow& row : kWindSpectra)
    EXPECT_EQ(windDensity(0.055f, 20.0f, kMetric, row.code) > 0.0f, row.code != kSteadyWind) << row.name;
  for (const CurrentSpectrumRow& row : kCurrentSpectra)
    EXPECT_EQ(CURSPC(0.055f, 3.0f, row.code, kScreenUnit) > 0.0f, row.code != kSteadyCurrent) << row.name;
  EXPECT_EQ(console.screen(), "");
}

// A frequency or a density beyond what it is stops the run as the file is read, naming the file, the
// line and the column. A density spreads the variance of the flow's speed: none is negative, and
// none is above the square of the strongest flow of its kind put below 0.0005 rad/s, worked out by
// hand: wind of 250 knots, 421.75 ft/s or 128.5 m/s, gives 3.55746e8 (ft/s)^2 or 3.30245e7 (m/s)^2
// per rad/s; current of 25 knots, 12.85 m/s, gives 330245 (m/s)^2 per rad/s. The refusal names each
// end at its print unit on the side within the range: 3.5574E+08, not the 3.5575E+08 above it.
TEST_F(UserSpectra, ValuesBeyondWhatTheyAreStopNamingTheirPlace) {
  struct Case {
    const char* file;
    int units;
    const char* text;
    const char* message;  // nullptr: the table serves
  };
  const Case cases[] = {
      {"WINDSPEC.txt", kEnglish, "3\n0.01 100\n0.1 -1\n1 4\n",
       "\n ++> User file \"WINDSPEC.txt\", line 3, column 2 (a spectral density) is -1.00;\n"
       "     the analysis needs a value from 0.00 to 3.5574E+08 (250 knots squared\n"
       "     over 0.0005 rad/s).\n"},
      {"WINDSPEC.txt", kMetric, "3\n0.01 100\n0.1 3.4e38\n1 4\n",
       "\n ++> User file \"WINDSPEC.txt\", line 3, column 2 (a spectral density)\n"
       "     is 3.4000E+38;\n"
       "     the analysis needs a value from 0.00 to 3.3024E+07 (250 knots squared\n"
       "     over 0.0005 rad/s).\n"},
      {"WINDSPEC.txt", kMetric, "3\n0.01 100\n0.1 3.3e7\n1 4\n", nullptr},
      {"WINDSPEC.txt", kEnglish, "3\n0.01 100\n0.1 3.5e8\n1 4\n", nullptr},
      {"WINDSPEC.txt", kMetric, "2\n-0.01 1\n0.1 1\n",
       "\n ++> User file \"WINDSPEC.txt\", line 2, column 1 (a frequency) is -1.0000E-02;\n"
       "     the analysis needs a value from 0.00 to 62.83 (rad/s: periods of 0.1 s and\n"
       "     longer).\n"},
      {"CRNTSPEC.txt", kMetric, "2\n0.01 1\n1e30 1\n",
       "\n ++> User file \"CRNTSPEC.txt\", line 3, column 1 (a frequency) is 1.0000E+30;\n"},
      // A decimal comma.
      {"CRNTSPEC.txt", kMetric, "2\n0,01 1\n0,2 1\n",
       "\n ++> User file \"CRNTSPEC.txt\": line 2 holds 3 values where its row has 2 (a\n"
       "     comma separates values: write 0.90, not 0,90);\n"},
      {"CRNTSPEC.txt", kMetric, "2\n0.01 1\n0.2 4e5\n",
       "\n ++> User file \"CRNTSPEC.txt\", line 3, column 2 (a spectral density)\n"
       "     is 400000.00;\n"
       "     the analysis needs a value from 0.00 to 330245.00 (25 knots squared\n"
       "     over 0.0005 rad/s).\n"},
      {"CRNTSPEC.txt", kMetric, "2\n0.01 1\n0.2 3e5\n", nullptr},
  };
  const std::int32_t units = TPCM.NUNTS;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    userSpectrumState.reset();
    TPCM.NUNTS = c.units;
    writeFileText(c.file, c.text);
    const bool wind = std::string(c.file) == "WINDSPEC.txt";
    const auto density = [&] {
      return wind ? UWNDSPEC(0.05f, kScreenUnit, kKeyboardUnit, c.file) : UCURSPEC(0.05f, kScreenUnit, kKeyboardUnit, c.file);
    };
    ConsoleCapture console("\n");
    if (c.message == nullptr) {
      EXPECT_GT(density(), 0.0f);
      EXPECT_EQ(console.screen(), "");
      continue;
    }
    EXPECT_EQ(stopStatus([&] { density(); }), kExitFatal);
    EXPECT_EQ(console.screen().rfind(c.message, 0), 0u) << console.screen();
  }
  TPCM.NUNTS = units;
}

TEST_F(UserSpectra, FilesThatCannotServeStop) {
  std::string pairs;
  for (int i = 1; i <= 1000; ++i) pairs += std::to_string(0.001 * i) + " 1\n";
  struct Case {
    const char* text;  // nullptr: no file
    std::string expected;
  };
  const Case cases[] = {
      {nullptr,
       " ++>  User-supplied spectrum file \"CRNTSPEC.txt\" not found\n"
       "     the current spectral type (page 12, item 6) reads it:\n"
       "     choose another there, or put the file in the data set's folder.\n\a\n"
       " Enter \"A\" to abort or Press <RETURN> to continue: "},
      {"1001\n",
       " ++>  User-supplied spectrum array in CRNTSPEC.txt\n      dimension = [1001] out of range; allowable\n"
       "      dimension = [2 to 1000]\n\n Press <RETURN> to continue: "},
      {"1\n0.1 2\n",
       " ++>  User-supplied spectrum array in CRNTSPEC.txt\n      dimension = [1] out of range; allowable\n"
       "      dimension = [2 to 1000]\n\n Press <RETURN> to continue: "},
      // A frequency out of order is named by its line, with the one before it and its line.
      {"3\n0.1 2\n0.3 2\n0.2 2\n",
       "\n ++> User file \"CRNTSPEC.txt\", line 4, column 1 (a frequency) is 0.20;\n"
       "     the analysis needs a value above 0.30, the frequency on line 3 (the\n"
       "     frequencies rising strictly, as their first two do).\n\n\n Press <RETURN> to continue: "},
      // A row the count leaves out.
      {"999\n",
       "\n ++> User file \"CRNTSPEC.txt\": line 1001 holds a row after the 999 rows that\n"
       "     line 1 counts;\n"
       "     the analysis needs line 1 to count every row, or the rows after them\n"
       "     removed (a note after the last row begins with a word that is no number).\n\n\n"
       " Press <RETURN> to continue: "},
  };
  for (const Case& c : cases) {
    userSpectrumState.reset();
    std::remove("CRNTSPEC.txt");
    const bool counted = std::string(c.text ? c.text : "").size() == 4;  // "1001" or "999" rows of `pairs`
    if (c.text) writeFileText("CRNTSPEC.txt", std::string(c.text) + (counted ? pairs + "1.001 1\n" : ""));
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { CURSPC(0.1f, 0, 2, kScreenUnit); }), kExitFatal);
    EXPECT_EQ(console.screen(), c.expected);
  }
  // 1000 points are accepted.
  userSpectrumState.reset();
  writeFileText("CRNTSPEC.txt", "1000\n" + pairs);
  EXPECT_EQ(CURSPC(0.5f, 0, 2, kScreenUnit), 1.0f);
}

// A row that cannot be read stops the run naming the file, its line and what the row holds there,
// in the units of the data set; the reader of the wind names the wind's page and item when the file
// is missing.
TEST_F(UserSpectra, RowsThatCannotBeReadAreNamedByTheirLine) {
  struct Case {
    const char* file;
    int units;
    const char* text;  // nullptr: no file
    const char* message;
  };
  const Case cases[] = {
      {"WINDSPEC.txt", kMetric, "3\n0.01 100\n0.1\n1 4\n",
       "\n ++> User file \"WINDSPEC.txt\": line 3 holds 1 value;\n"
       "     the analysis needs row 2 of 3 there: 2 values (frequency in rad/s, spectral\n"
       "     density in (m/s)^2 per rad/s).\n"},
      {"WINDSPEC.txt", kEnglish, "3\n0.01 100\n0.1 40\n",
       "\n ++> User file \"WINDSPEC.txt\": the file ends after line 3;\n"
       "     the analysis needs row 3 of 3 there: 2 values (frequency in rad/s, spectral\n"
       "     density in (ft/s)^2 per rad/s).\n"},
      {"CRNTSPEC.txt", kMetric, "2\n0.01 1\n0.2 one\n",
       "\n ++> User file \"CRNTSPEC.txt\": line 3, column 2 holds \"one\", which is no number;\n"},
      {"CRNTSPEC.txt", kMetric, "two\n0.01 1\n0.2 1\n",
       "\n ++> User file \"CRNTSPEC.txt\": line 1, column 1 holds \"two\", which is no number;\n"
       "     the analysis needs the count of rows there: 1 value (from 2 to 1000).\n"},
      {"WINDSPEC.txt", kMetric, nullptr,
       " ++>  User-supplied spectrum file \"WINDSPEC.txt\" not found\n"
       "     the wind spectral type (page 11, item 3) reads it:\n"
       "     choose another there, or put the file in the data set's folder.\n"},
  };
  const std::int32_t units = TPCM.NUNTS;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "no file");
    userSpectrumState.reset();
    TPCM.NUNTS = c.units;
    std::remove(c.file);
    if (c.text) writeFileText(c.file, c.text);
    const bool wind = std::string(c.file) == "WINDSPEC.txt";
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([&] {
                wind ? UWNDSPEC(0.05f, kScreenUnit, kKeyboardUnit, c.file)
                     : UCURSPEC(0.05f, kScreenUnit, kKeyboardUnit, c.file);
              }),
              kExitFatal);
    EXPECT_EQ(console.screen().rfind(c.message, 0), 0u) << console.screen();
  }
  TPCM.NUNTS = units;
}

}  // namespace
}  // namespace qv

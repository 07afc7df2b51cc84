#include "waves/user_spectrum.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/jonswap_file.h"
#include "support/temp_dir.h"
#include "waves/spectral_integration.h"
#include "waves/wave_grid_fixture.h"
#include "waves/wavcom.h"
#include "waves/wave_spectrum.h"

namespace qv {
namespace {

using qv::testing_support::ConsoleCapture;
using qv::testing_support::contains;
using qv::testing_support::IsClose;
using qv::testing_support::setWaveGrid;
using qv::testing_support::stopStatus;
using qv::testing_support::TempDir;

const std::string kPressReturn = "\n Press <RETURN> to continue: ";
const std::string kAbortQuestion = "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";

void writeText(const std::string& name, const std::string& text) {
  testing_support::writeFileBytes(name, text.data(), text.size());
}

float density(float w, std::int32_t unit = kScreenUnit) { return UWVSPC(w, unit, kKeyboardUnit, kUserSpectrumFile); }

// The table (0.2, 1.0), (0.6, 2.0), (1.0, 1.0), (1.6, 0.4) in either order, one pair to a line as a
// user may write it: a comma, a note after a pair.
const std::string kAscending = "4\n0.2 1.0\n0.6, 2.0\n1.0 1.0\n1.6 0.4  last point\n";
const std::string kDescending = " 4\n1.6 0.4\n1.0 1.0\n0.6 2.0\n0.2 1.0\n";

class UserSpectrum : public qv::testing_support::WaveGridTest {
 protected:
  TempDir dir_;
};

TEST_F(UserSpectrum, TablesInEitherOrderAreInterpolatedLinearly) {
  struct Case {
    float w;
    double value;
  };
  const Case cases[] = {{0.2f, 1.0}, {0.4f, 1.5}, {0.6f, 2.0}, {0.8f, 1.5}, {1.3f, 0.7}, {1.6f, 0.4}};
  for (const std::string& file : {kAscending, kDescending}) {
    uwvspcState.reset();
    writeText("WAVSPEC.txt", file);
    for (const Case& c : cases) EXPECT_TRUE(IsClose(density(c.w), c.value, 1e-6)) << c.w << " in\n" << file;
    EXPECT_EQ(uwvspcState.NPOINT, 4);
    EXPECT_FALSE(uwvspcState.WARN1);
  }
}

TEST_F(UserSpectrum, TheTableIsReadOncePerName) {
  writeText("WAVSPEC.txt", kAscending);
  EXPECT_TRUE(IsClose(density(0.6f), 2.0, 1e-6));
  writeText("WAVSPEC.txt", "2\n0.1 5.0\n2.0 5.0\n");  // changed on disk: not read again
  EXPECT_TRUE(IsClose(density(0.6f), 2.0, 1e-6));
  writeText("OTHER.txt", "2\n0.1 7.0\n2.0 7.0\n");
  EXPECT_TRUE(IsClose(UWVSPC(0.6f, kScreenUnit, kKeyboardUnit, "OTHER.txt    "), 7.0, 1e-6));
  EXPECT_TRUE(IsClose(density(0.6f), 5.0, 1e-6));  // back to the first name: read again
  EXPECT_FALSE(unitConnected(kUserSpectrumUnit));
}

TEST_F(UserSpectrum, OutsideTheTableTheUserIsWarnedOnceAndTheEndsExtrapolated) {
  writeText("WAVSPEC.txt", kAscending);
  const std::string warning =
      " ++> Warning: User file \"WAVSPEC.txt\" holds frequencies from 0.20 to 1.60 rad/s;\n"
      "     the run's wave periods (page 14) need it at 0.10 rad/s (a period\n"
      "     of 62.83 s).\n"
      "     Beyond its ends the spectrum is extrapolated from its end intervals\n"
      "     (below 0 taken as 0): extend the file over the run's frequencies, or change\n"
      "     the periods on page 14.\n";
  ConsoleCapture console("\n");
  EXPECT_TRUE(IsClose(density(0.1f), 0.75, 1e-6));  // 1.0 + (0.1 - 0.2) / 0.4 (2.0 - 1.0)
  EXPECT_EQ(console.screen(), warning + kAbortQuestion);
  EXPECT_TRUE(IsClose(density(1.8f), 0.2, 1e-5));  // no second warning in the run
  EXPECT_EQ(density(2.2f), 0.0f);                  // 0.4 - 0.6 would be below zero
  EXPECT_EQ(console.screen(), warning + kAbortQuestion);
}

// A file over 0.5 to 1.2 rad/s under the tanker example's periods, 4 to 24 s: the warning names the
// file, the frequencies it holds and those of the periods, 2 pi / 24 = 0.26 to 2 pi / 4 = 1.57 rad/s.
TEST_F(UserSpectrum, TheWarningNamesTheFileItsRangeAndTheRunsRange) {
  setWaveGrid(41, 4.0f, 0.5f);
  writeText("WAVSPEC.txt", "3\n0.5 1.0\n0.8 3.0\n1.2 1.0\n");
  std::array<float, kMaxWavePeriods> psd{};
  float hs = 0.0f, tp = 0.0f, wp = 0.0f, wkp = 0.0f;
  ConsoleCapture console("\n");
  WVSPEC(kSpectrumUserFile, psd.data(), hs, tp, wp, wkp, kWindSea);
  EXPECT_EQ(console.screen(),
            " ++> Warning: User file \"WAVSPEC.txt\" holds frequencies from 0.50 to 1.20 rad/s;\n"
            "     the run's wave periods (page 14) need it from 0.26 to 1.57 rad/s (periods\n"
            "     of 4.00 to 24.00 s).\n"
            "     Beyond its ends the spectrum is extrapolated from its end intervals\n"
            "     (below 0 taken as 0): extend the file over the run's frequencies, or change\n"
            "     the periods on page 14.\n" +
                kAbortQuestion);
}

TEST_F(UserSpectrum, AnAbortOrAnUnattendedRunStopsAtTheWarning) {
  writeText("WAVSPEC.txt", kAscending);
  {
    ConsoleCapture console("A\n");
    EXPECT_EQ(stopStatus([] { density(0.1f); }), kExitFatal);
  }
  {
    ConsoleCapture console("");
    EXPECT_EQ(stopStatus([] { density(0.1f, kDiagnosticsUnit); }), kExitFatal);
    EXPECT_FALSE(contains(console.screen(), "Enter \"A\""));
  }
  EXPECT_FALSE(uwvspcState.WARN1);
}

// The message names the file as the user wrote it and the choices that ask for it: the data set's
// sea, or where no sea or swell of the data set takes the file (the wave report of another type, say)
// every place that could.
TEST_F(UserSpectrum, AMissingFileStopsWhateverTheAnswerNamingWhatAsksForIt) {
  struct Case {
    std::int32_t seaType;
    const char* askedBy;
  };
  const Case cases[] = {{kSpectrumUserFile, "     the irregular sea's wave type (page 15, item 2) reads it:\n"},
                        {kSpectrumMeanJonswap,
                         "     a sea's or swell's type (page 15, item 2; page 16, items 2\n"
                         "     and 22) reads it:\n"}};
  for (const Case& c : cases) {
    TPCM.LRANDM = 1;
    TPCM.WAVTYP = c.seaType;
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { density(0.5f); }), kExitFatal);
    EXPECT_EQ(console.screen(), " ++>  User-supplied wave spectrum file \"WAVSPEC.txt\" not found\n" +
                                    std::string(c.askedBy) +
                                    "     choose another there, or put the file in the data set's folder.\n" +
                                    kAbortQuestion);
  }
}

TEST_F(UserSpectrum, TablesItCannotUseAreRefused) {
  const std::string arrayLine = " ++>  User-supplied wave spectral array in WAVSPEC.txt\n";
  struct Case {
    const char* file;
    std::string screen;
  };
  const Case cases[] = {
      {"1001\n", arrayLine + "      dimension = [1001] out of range; allowable\n"
                            "      dimension = [2 to 1000]\n" + kPressReturn},
      {"1\n0.5 1.0\n", arrayLine + "      dimension = [1] out of range; allowable\n"
                                   "      dimension = [2 to 1000]\n" + kPressReturn},
      {"/\n", arrayLine + "      dimension = [0] out of range; allowable\n"
                         "      dimension = [2 to 1000]\n" + kPressReturn},
      // A frequency out of order is named by its line, with the one before it and its line.
      {"3\n0.2 1.0\n0.6 2.0\n0.6 3.0\n",
       "\n ++> User file \"WAVSPEC.txt\", line 4, column 1 (a frequency) is 0.60;\n"
       "     the analysis needs a value above 0.60, the frequency on line 3 (the\n"
       "     frequencies rising strictly, as their first two do).\n\n" + kPressReturn},
      {"3\n0.2 1.0\n0.6 2.0\n0.4 3.0\n",
       "\n ++> User file \"WAVSPEC.txt\", line 4, column 1 (a frequency) is 0.40;\n"
       "     the analysis needs a value above 0.60, the frequency on line 3 (the\n"
       "     frequencies rising strictly, as their first two do).\n\n" + kPressReturn},
      // A row the count leaves out.
      {"2\n0.2 1.0\n0.6 2.0\n1.0 1.0\n",
       "\n ++> User file \"WAVSPEC.txt\": line 4 holds a row after the 2 rows that line 1\n"
       "     counts;\n"
       "     the analysis needs line 1 to count every row, or the rows after them\n"
       "     removed (a note after the last row begins with a word that is no number).\n\n" + kPressReturn},
  };
  for (const Case& c : cases) {
    uwvspcState.reset();
    writeText("WAVSPEC.txt", c.file);
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { density(0.5f); }), kExitFatal) << c.file;
    EXPECT_EQ(console.screen(), c.screen) << c.file;
    EXPECT_TRUE(uwvspcState.firstCall) << "a refused table is never taken for a loaded one";
  }
}

// A row that cannot be read is named by its line and what the row holds; a value beyond what it is
// by its line and column, with its range. A density spreads the variance of the sea over the
// frequencies: none is negative, and none is above the whole variance of a sea of 30 m significant
// height, (30 / 4)^2 = 56.25 m^2, within 0.0005 rad/s: 112,500 m^2 per rad/s, or in feet (98.43 ft)
// 1.2109e6 ft^2 per rad/s.
TEST_F(UserSpectrum, RowsAndValuesItCannotTakeAreNamedByTheirPlace) {
  struct Case {
    const char* file;
    std::int32_t units;
    const char* message;  // the stop's two lines; nullptr: the table serves
  };
  const Case cases[] = {
      {"3\n0.2 1.0\nabc 2.0\n", kMetricUnits,
       " ++> User file \"WAVSPEC.txt\": line 3, column 1 holds \"abc\", which is no number;\n"
       "     the analysis needs row 2 of 3 there: 2 values (frequency in rad/s, spectral\n"
       "     density in m^2 per rad/s).\n"},
      // A pair over two lines: each row on a line of its own.
      {"3\n0.2 1.0\n0.6\n1.0 1.0\n", kEnglishUnits,
       " ++> User file \"WAVSPEC.txt\": line 3 holds 1 value;\n"
       "     the analysis needs row 2 of 3 there: 2 values (frequency in rad/s, spectral\n"
       "     density in ft^2 per rad/s).\n"},
      {"5\n0.2 1.0\n0.6 2.0\n", kMetricUnits,
       " ++> User file \"WAVSPEC.txt\": the file ends after line 3;\n"
       "     the analysis needs row 3 of 5 there: 2 values (frequency in rad/s, spectral\n"
       "     density in m^2 per rad/s).\n"},
      {"", kMetricUnits,
       " ++> User file \"WAVSPEC.txt\": the file is empty;\n"
       "     the analysis needs the count of rows there: 1 value (from 2 to 1000).\n"},
      {"3\n0.2 1.0\n0.6 3.4e38\n1.0 1.0\n", kMetricUnits,
       " ++> User file \"WAVSPEC.txt\", line 3, column 2 (a spectral density)\n"
       "     is 3.4000E+38;\n"
       "     the analysis needs a value from 0.00 to 112500.00 (m^2 per rad/s: a sea of\n"
       "     Hs 30 m within 0.0005 rad/s).\n"},
      {"3\n0.2 1.0\n0.6 1e20\n1.0 1.0\n", kMetricUnits,
       " ++> User file \"WAVSPEC.txt\", line 3, column 2 (a spectral density)\n"
       "     is 1.0000E+20;\n"},
      {"3\n0.2 1.0\n0.6 1.22e6\n1.0 1.0\n", kEnglishUnits,
       " ++> User file \"WAVSPEC.txt\", line 3, column 2 (a spectral density)\n"
       "     is 1220000.00;\n"
       "     the analysis needs a value from 0.00 to 1210940.00 (ft^2 per rad/s: a sea\n"
       "     of Hs 98.43 ft within 0.0005 rad/s).\n"},
      {"2\n0.2 -1\n1.0 1.0\n", kMetricUnits,
       " ++> User file \"WAVSPEC.txt\", line 2, column 2 (a spectral density) is -1.00;\n"},
      {"2\n0.2 1\n70 1\n", kMetricUnits,
       " ++> User file \"WAVSPEC.txt\", line 3, column 1 (a frequency) is 70.00;\n"
       "     the analysis needs a value from 0.00 to 62.83 (rad/s: periods of 0.1 s and\n"
       "     longer).\n"},
      // Up to the bounds, and a note after a row's two values passed over: a narrow peak of 112,500 m^2 s
      // over 0.0002 rad/s is a sea of 4 sqrt(11.25) = 13.4 m.
      {"5\n0 0\n0.6 0\n0.6001 112500 remark\n0.6002 0\n62.83 0\n", kMetricUnits, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    uwvspcState.reset();
    TPCM.NUNTS = c.units;
    writeText("WAVSPEC.txt", c.file);
    ConsoleCapture console("\n");
    if (c.message == nullptr) {
      EXPECT_TRUE(IsClose(density(0.6001f), 112500.0, 1e-6));
      EXPECT_EQ(console.screen(), "");
      continue;
    }
    EXPECT_EQ(stopStatus([] { density(0.5f); }), kExitFatal);
    EXPECT_EQ(console.screen().rfind("\n" + std::string(c.message), 0), 0u) << console.screen();
    EXPECT_FALSE(unitConnected(kUserSpectrumUnit));
  }
}

// The sea a table describes, 4 sqrt(m0) of the area under it (trapezoids between its points), is held
// to what the site can carry: in 50 m of water no higher than 50 m, and no steeper than a seventh of
// the wave length of its peak. A flat 1e5 m^2 s over 0.5 to 1.2 rad/s is 4 sqrt(70,000) = 1058.30 m
// high. A triangle from 0.5 to 1.5 rad/s peaking at 1.0 rad/s (6.28 s; in 50 m of water the wave
// length is 61.57 m by the dispersion relation, so a seventh is 8.7957 m, named 8.79 m: rounded down, so
// that a sea of the height named stands) of 18 m^2 s is a sea of 4 sqrt(9) = 12 m, of 9 m^2 s one of
// 4 sqrt(4.5) = 8.49 m, which stands.
TEST_F(UserSpectrum, ASeaNoSiteHoldsIsRefusedNamingItsHeight) {
  struct Case {
    const char* file;
    const char* message;  // nullptr: the table serves
  };
  const Case cases[] = {
      {"2\n0.5 1e5\n1.2 1e5\n",
       "\n ++> User file \"WAVSPEC.txt\" holds a sea of significant height 1058.30 m, four\n"
       "     times the root of the area under its densities (m^2 per rad/s)\n"
       "     from 0.50 to 1.20 rad/s;\n"
       "     the analysis needs a sea of at most 50.00 m, the water depth\n"
       "     (page 1, item 4): a sea higher than the water is deep has broken.\n\n"},
      {"3\n1.5 0\n1.0 18\n0.5 0\n",
       "\n ++> User file \"WAVSPEC.txt\" holds a sea of significant height 12.00 m, four\n"
       "     times the root of the area under its densities (m^2 per rad/s)\n"
       "     from 0.50 to 1.50 rad/s;\n"
       "     the analysis needs a sea of at most 8.79 m, a seventh of the wave\n"
       "     length 61.57 m of its peak period 6.28 s (its largest density,\n"
       "     at 1.00 rad/s): a steeper sea breaks.\n\n"},
      {"3\n1.5 0\n1.0 9\n0.5 0\n", nullptr},
  };
  for (const Case& c : cases) {
    uwvspcState.reset();
    writeText("WAVSPEC.txt", c.file);
    ConsoleCapture console("\n");
    if (c.message == nullptr) {
      EXPECT_EQ(density(1.0f), 9.0f);
      continue;
    }
    EXPECT_EQ(stopStatus([] { density(1.0f); }), kExitFatal) << c.file;
    EXPECT_EQ(console.screen(), c.message + kPressReturn) << c.file;
    EXPECT_TRUE(uwvspcState.firstCall);
  }
}

// A sea a hair higher than the water is deep, at depths that print as a round hundredth and not: a
// flat density d over the 1 rad/s from 0.05 to 1.05 rad/s is a sea of 4 sqrt(d) (at 0.05 rad/s, a
// period of 126 s, the wave is some 2,800 m long, and no steepness bounds it). The height named is
// rounded down, so that a sea of that height stands (at 49.996 m, 49.99, where the nearest hundredth
// 50.00 would be refused again), and the sea's own height is shown with the decimals that tell it
// from the height named (50.003, which two decimals would show as 50.00).
TEST_F(UserSpectrum, TheHighestSeaNamedStandsAndTheSeaRefusedReadsAboveIt) {
  struct Case {
    float depth;     // [m]
    double height;   // of the sea refused [m]
    const char* shown;  // its height as the refusal shows it
    const char* named;  // the highest sea named
  };
  const Case cases[] = {{49.996f, 49.998, "50.00", "49.99"}, {50.0f, 50.003, "50.003", "50.00"}};
  const auto flatSea = [](double height) {
    char text[64];
    std::snprintf(text, sizeof text, "2\n0.05 %.9g\n1.05 %.9g\n", height * height / 16.0, height * height / 16.0);
    return std::string(text);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depth);
    TPCM.DEPTH = c.depth;
    uwvspcState.reset();
    writeText("WAVSPEC.txt", flatSea(c.height));
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { density(0.5f); }), kExitFatal);
    const std::string screen = console.screen();
    EXPECT_TRUE(contains(screen, "holds a sea of significant height " + std::string(c.shown) + " m,")) << screen;
    EXPECT_TRUE(contains(screen, "the analysis needs a sea of at most " + std::string(c.named) + " m, the water depth"))
        << screen;

    uwvspcState.reset();
    writeText("WAVSPEC.txt", flatSea(std::strtod(c.named, nullptr)));
    ConsoleCapture again;
    EXPECT_TRUE(IsClose(density(0.5f), std::pow(std::strtod(c.named, nullptr) / 4.0, 2.0), 1e-6));
    EXPECT_EQ(again.screen(), "");
  }
}

// The tanker example's sea, a mean JONSWAP of Hs 4 m and Tp 10 s, written from its closed form as
// the file (meanJonswapFile). Such a sea passes every bound of the file, and over the example's
// periods (4 to 24 s by 0.5 s, in 100 m of water) gives the significant height of the built-in mean
// JONSWAP sea within 1 %.
TEST_F(UserSpectrum, AJonswapSeaWrittenAsTheFileGivesTheBuiltInSeasHeight) {
  const double hs = 4.0;
  const std::string file = qv::testing_support::meanJonswapFile(hs, 10.0, 9.8);
  writeText("WAVSPEC.txt", file);
  setWaveGrid(41, 4.0f, 0.5f);
  TPCM.DEPTH = 100.0f;
  std::array<float, kMaxWavePeriods> psd{};
  float height = 0.0f, tp = 10.0f, w = 0.0f, k = 0.0f;
  ConsoleCapture console;
  WVSPEC(kSpectrumUserFile, psd.data(), height, tp, w, k, kWindSea);
  EXPECT_EQ(console.screen(), "");
  float builtIn = 4.0f;
  tp = 10.0f;
  WVSPEC(kSpectrumMeanJonswap, psd.data(), builtIn, tp, w, k, kWindSea);
  float M0 = 0.0f, M2 = 0.0f;
  SMPINT(psd.data(), M0, M2);
  EXPECT_TRUE(IsClose(height, 4.0 * std::sqrt(M0), 0.01));
  EXPECT_TRUE(IsClose(height, hs, 0.05));  // the grid leaves out the tails beyond 0.26 and 1.57 rad/s
}

TEST_F(UserSpectrum, TypeSevenReadsTheFileAtEveryGridFrequency) {
  // Grid frequencies 0.2513 to 2.0944 rad/s inside a table that rises linearly from 0 at 0.2 to 3
  // at 0.8, then falls linearly to 0 at 2.2: every ordinate is the triangle itself.
  setWaveGrid(45, 3.0f, 0.5f);
  writeText("WAVSPEC.txt", "3\n0.2 0.0\n0.8 3.0\n2.2 0.0\n");
  std::array<float, kMaxWavePeriods> psd{};
  float hs = 9.0f;
  float tp = 1.0f;
  float wp = 0;
  float wkp = 0;
  WVSPEC(kSpectrumUserFile, psd.data(), hs, tp, wp, wkp, kWindSea);
  int top = 1;
  for (int i = 1; i <= 45; ++i) {
    const double w = WAVCOM.W(i);
    const double triangle = w <= 0.8 ? 3.0 * (w - 0.2) / 0.6 : 3.0 * (2.2 - w) / 1.4;
    EXPECT_TRUE(IsClose(psd[i - 1], triangle, 1e-5, 1e-6)) << "point " << i;
    if (psd[i - 1] > psd[top - 1]) top = i;
  }
  EXPECT_TRUE(IsClose(tp, TPCM.T(top), 1e-6));
  float M0 = 0;
  float M2 = 0;
  SMPINT(psd.data(), M0, M2);
  EXPECT_TRUE(IsClose(hs, 4.0 * std::sqrt(M0), 1e-6));

  // A file whose densities are all zero leaves the peak undefined.
  uwvspcState.reset();
  writeText("WAVSPEC.txt", "2\n0.1 0.0\n2.5 0.0\n");
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([&] { WVSPEC(kSpectrumUserFile, psd.data(), hs, tp, wp, wkp, kWindSea); }), kExitFatal);
  EXPECT_EQ(console.screen(),
            " ++> Wind sea: the user-defined wave spectrum of the file WAVSPEC.txt has no\n"
            "     positive ordinate on the wave period grid; its peak is undefined (WVSPEC)\n" +
                kPressReturn);
}

}  // namespace
}  // namespace qv

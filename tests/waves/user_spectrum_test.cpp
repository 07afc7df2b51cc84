#include "waves/user_spectrum.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
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

// The table (0.2, 1.0), (0.6, 2.0), (1.0, 1.0), (1.6, 0.4) in either order and spread over records
// as a user may write it: a comma, a pair over two records, a note after a pair.
const std::string kAscending = "4\n0.2 1.0\n0.6, 2.0\n1.0\n1.0\n1.6 0.4  last point\n";
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
      " ++> Warning: Frequency outside user-supplied wave spectrum\n"
      "     range; \"continue\" to extrapolate outside available range.\n";
  ConsoleCapture console("\n");
  EXPECT_TRUE(IsClose(density(0.1f), 0.75, 1e-6));  // 1.0 + (0.1 - 0.2) / 0.4 (2.0 - 1.0)
  EXPECT_EQ(console.screen(), warning + kAbortQuestion);
  EXPECT_TRUE(IsClose(density(1.8f), 0.2, 1e-5));  // no second warning in the run
  EXPECT_EQ(density(2.2f), 0.0f);                  // 0.4 - 0.6 would be below zero
  EXPECT_EQ(console.screen(), warning + kAbortQuestion);
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

TEST_F(UserSpectrum, AMissingFileStopsWhateverTheAnswer) {
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { density(0.5f); }), kExitFatal);
  EXPECT_EQ(console.screen(),
            " ++>  User-supplied wave spectrum file \"WAVSPEC.txt  \" not found\n" + kAbortQuestion);
}

TEST_F(UserSpectrum, TablesItCannotUseAreRefused) {
  const std::string arrayLine = " ++>  User-supplied wave spectral array in WAVSPEC.txt  \n";
  const std::string fileError =
      "\n ++> End of file or related file error in routine UWVSPC\n     file name WAVSPEC.txt  \n" + kPressReturn;
  struct Case {
    const char* file;
    std::string screen;
  };
  const Case cases[] = {
      {"1001\n", arrayLine + "      dimension = [1001] out of range; allowable\n"
                            "      dimension = [1000]\n" + kPressReturn},
      {"1\n0.5 1.0\n", arrayLine + "      dimension = [1] out of range; allowable\n"
                                   "      dimension = [2 to 1000]\n" + kPressReturn},
      {"/\n", arrayLine + "      dimension = [0] out of range; allowable\n"
                         "      dimension = [2 to 1000]\n" + kPressReturn},
      {"3\n0.2 1.0\n0.6 2.0\n0.6 3.0\n",
       arrayLine + "      frequency [3] out of order; allowable\n"
                   "      frequencies strictly ascending or strictly descending\n" + kPressReturn},
      {"3\n0.2 1.0\n0.6 2.0\n0.4 3.0\n",
       arrayLine + "      frequency [3] out of order; allowable\n"
                   "      frequencies strictly ascending or strictly descending\n" + kPressReturn},
      {"3\n0.2 1.0\nabc 2.0\n", fileError},
      {"5\n0.2 1.0\n0.6 2.0\n", fileError},
      {"", fileError},
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
            " ++> Wind sea: the user-defined wave spectrum of the file WAVSPEC.txt\n"
            "     has no positive ordinate on the wave period grid; its peak is undefined (WVSPEC)\n" +
                kPressReturn);
}

}  // namespace
}  // namespace qv

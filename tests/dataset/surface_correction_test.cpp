// The free-surface factor of a horizontal member's sway added mass. For a circle the factor is the
// added mass of a circle moving parallel to a plane wall over that in open water: a multipole
// solution with images (w = F(z) + conj(F(conj z)), 40 terms, collocated at 400 points on the circle,
// computed once with Python and numpy) gives 1.0572377, 1.0202062 and 1.0050126 at centre distances
// of 3, 5 and 10 radii, and the first image alone 1 + a^2 / (2 h^2).
#include "dataset/surface_correction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;

struct Result {
  float factor;
  std::int32_t IPROB, IERR;
  float depth;  // DCNTR after the call
};

Result correct(float depth, float aspect, std::int32_t unit = kScreenUnit) {
  Tempcm TEMPCM{depth, aspect};
  Result r{0.0f, -1, -1, 0.0f};
  SRFCOR(r.factor, 7, unit, r.IPROB, TEMPCM, r.IERR);
  r.depth = TEMPCM.DCNTR;
  return r;
}

TEST(SurfaceCorrection, CircleAgainstTheWallSolution) {
  ConsoleCapture console;
  struct Case {
    float depth;  // DCNTR = 4 depth / width = 2 h / a
    double factor;
  };
  for (const Case& c : {Case{6, 1.0572377}, Case{10, 1.0202062}, Case{20, 1.0050126}}) {
    const Result r = correct(c.depth, 1.0f);
    EXPECT_EQ(r.IERR, kSurfaceCorrected);
    EXPECT_TRUE(IsClose(r.factor, c.factor, 2e-5)) << c.depth;
  }
  // Deep down only the first image counts: h = 50 a.
  EXPECT_TRUE(IsClose(correct(100, 1.0f).factor, 1.0 + 1.0 / (2.0 * 50 * 50), 0, 2e-6));
  EXPECT_EQ(console.screen(), "");
}

TEST(SurfaceCorrection, NoCorrectionFarBelowTheSurface) {
  ConsoleCapture console;
  for (float aspect : {0.3f, 0.5f, 2.0f, 5.0f}) {
    float previous = 10.0f;
    for (float depth : {4.0f, 10.0f, 50.0f, 1000.0f}) {
      const Result r = correct(depth, aspect);
      EXPECT_EQ(r.IERR, kSurfaceCorrected) << aspect << " " << depth;
      EXPECT_GE(r.factor, 1.0f - 1e-6f) << aspect << " " << depth;
      EXPECT_LE(r.factor, previous) << aspect << " " << depth;
      previous = r.factor;
    }
    EXPECT_TRUE(IsClose(previous, 1.0, 0, 1e-4)) << aspect;
  }
  EXPECT_EQ(console.screen(), "");
}

TEST(SurfaceCorrection, TooSmallADepthIsRaisedToItsLimit) {
  // The limit (2 / BOVRA + 12) / 7 is 2 for a circle; the limit itself counts as too small.
  const std::string warning =
      " ++> Warning: Member  7 center draft parameter too small;\n"
      "              limiting value for this aspect ratio is   2.0000.\n"
      "              Added mass will default to its limiting value.\n"
      "\n"
      "     Press <RETURN> to continue\n";
  {
    ConsoleCapture console("\n");
    const Result r = correct(2.0f, 1.0f);
    EXPECT_EQ(console.screen(), warning);
    EXPECT_EQ(console.unread(), "");
    EXPECT_EQ(r.IPROB, 0);
    EXPECT_EQ(r.depth, 2.0f + 1.0e-5f);
    EXPECT_EQ(r.IERR, kSurfaceCorrected);
    EXPECT_TRUE(std::isfinite(r.factor) && r.factor > 1.2f) << r.factor;
  }
  // Unattended: written to the diagnostics file, nothing read, counted as a problem.
  testing_support::TempDir dir;
  RHOPEN(kDiagnosticsFile, kFormatted, kFresh, 0, kDiagnosticsUnit, "test", kScreenUnit, 5);
  ConsoleCapture console;
  const Result r = correct(1.5f, 1.0f, kDiagnosticsUnit);
  HCLOSE(kDiagnosticsUnit, kDiagnosticsFile, "test", kScreenUnit);
  EXPECT_EQ(r.IPROB, 1);
  EXPECT_EQ(console.screen(), "");
  EXPECT_EQ(testing_support::readFileText(std::string(kDiagnosticsFile)), warning);
}

TEST(SurfaceCorrection, MapFailureAsksWhetherToGoOn) {
  // A flat section (ten times as wide as high) at its depth limit maps outside the unit circle.
  for (const char* reply : {"\n\n", "\nA\n"}) {
    ConsoleCapture console(reply);
    const Result r = correct(1.0f, 10.0f);
    EXPECT_TRUE(testing_support::contains(
        console.screen(), " ++> Warning: conformal map failure in surface added-mass correction algorithm;\n"));
    EXPECT_EQ(console.unread(), "");
    if (reply[1] == 'A') {
      EXPECT_EQ(r.IERR, kSurfaceAbandoned);
      EXPECT_EQ(r.factor, 1.0f);
    } else {
      EXPECT_EQ(r.IERR, kSurfaceCorrected);
      EXPECT_EQ(r.IPROB, 0);
      EXPECT_TRUE(std::isfinite(r.factor) && r.factor > 1.0f) << r.factor;
    }
  }
}

TEST(SurfaceCorrection, ARootFailureIsReportedNotAStop) {
  // A section without a proportion gives the root search nothing to bracket.
  ConsoleCapture console("\n");
  const Result r = correct(6.0f, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(console.screen(),
            " ++> SRFCOR:RTMI1 - Root not found within initial bounds; contact Kestrin.\n"
            "\n"
            "     Press <RETURN> to Continue\n");
  EXPECT_EQ(console.unread(), "");
  EXPECT_EQ(r.IERR, kSurfaceNoRoot);
  EXPECT_EQ(r.factor, 1.0f);
}

TEST(SurfaceCorrection, ImageSeries) {
  // Sums of i R^(iN) (1 + R^i) / (1 - R^i) up to the first term of at most 1E-6, in double precision
  // with Python: R = 0.5: 3.4880670 (N = 1, 25 terms), 1.0436231 (N = 2); R = 0.3, N = 3: 0.0519538.
  struct Case {
    float R;
    std::int32_t N;
    double sum;
  };
  for (const Case& c : {Case{0.5f, 1, 3.4880670}, Case{0.5f, 2, 1.0436231}, Case{0.3f, 3, 0.0519538}}) {
    float sum = 0.0f, term = 0.0f;
    std::int32_t over = -1;
    DUMSUM(sum, c.R, c.N, 1.0e-6f, 100000, over, term, 1.0f);
    EXPECT_EQ(over, 0);
    EXPECT_TRUE(IsClose(sum, c.sum, 1e-6)) << c.R << " " << c.N;
    EXPECT_LE(std::fabs(term), 1.0e-6f);
  }
  // More terms needed than allowed.
  float sum = 0.0f, term = 0.0f;
  std::int32_t over = 0;
  DUMSUM(sum, 0.5f, 1, 1.0e-6f, 5, over, term, 1.0f);
  EXPECT_EQ(over, 1);
}

}  // namespace
}  // namespace qv

// The check of the yoke-vessel angle among the findings both ends of a session report: an attached
// SALM whose angle does not put the yoke in line with the SALM (pi, any whole number of turns aside)
// is warned of, whatever the attachment; a free SALM, which has no yoke, never is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/run_findings.h"

namespace qv {
namespace {

class YokeAngleCheck : public testing_support::FreshRun {};

TEST_F(YokeAngleCheck, AnAttachedSalmOutOfLineIsWarnedOf) {
  struct Case {
    const char* what;
    std::int32_t IARCO, FRESLM;
    float YOKVES;
    bool warned;
  };
  const float pi = kInLineYokeAngle;
  const Case cases[] = {
      {"a yoke in line", kYoke, 0, pi, false},
      {"a yoke in line a turn further on", kYoke, 0, 3.0f * pi, false},
      {"a yoke in line the other way round", kYoke, 0, -pi, false},
      {"a yoke just within the tolerance", kYoke, 0, pi + 0.0009f, false},
      {"a yoke just beyond it", kYoke, 0, pi + 0.0011f, true},
      {"a yoke folded back over the buoy", kYoke, 0, 0.0f, true},
      {"a yoke turned a right angle", kYoke, 0, 0.5f * pi, true},
      {"a pendular mass at 0, which the base position reads too", kPendularMass, 0, 0.0f, true},
      {"a rigid hawser in line", kRigidHawser, 0, pi, false},
      {"an angle that is no number", kYoke, 0, std::numeric_limits<float>::quiet_NaN(), true},
      {"a free SALM at 0", kFreeSalm, 1, 0.0f, false},
      {"a free SALM not yet settled by page 3", kFreeSalm, 0, 0.0f, false},
  };
  for (const Case& c : cases) {
    testing_support::DataSet().withSalm().with([&] {
      TPCM.IARCO = c.IARCO;
      TPCM.FRESLM = c.FRESLM;
      TPCM.YOKVES = c.YOKVES;
    });
    const std::optional<RunFinding> finding = yokeAngleFinding();
    EXPECT_EQ(finding.has_value(), c.warned) << c.what;
    // The warning; a value that is no number is also a fatal finding.
    const std::vector<RunFinding> named = testing_support::findingsNaming(runFindings(), "YOKVES");
    EXPECT_EQ(std::ranges::count_if(named, [](const RunFinding& f) { return !f.fatal; }), c.warned ? 1 : 0) << c.what;
    if (finding) {
      EXPECT_FALSE(finding->fatal) << c.what;
    }
  }
}

}  // namespace
}  // namespace qv

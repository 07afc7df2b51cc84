// The findings that stop a run before any stage: which data sets raise each, and its words.
#include "dataset/run_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

class RunChecks : public testing_support::FreshRun {};

// A buoyant riser's top is held at the vessel's keel: an element of its free members cannot pierce
// the surface. Three elements over a frozen base element, the second of them frozen to the first.
TEST_F(RunChecks, APiercingBuoyantRiserIsFatal) {
  struct Case {
    const char* what;
    std::int32_t iarco;
    std::int32_t ipierc;
    std::int32_t nelem;
    bool raised;
  };
  const Case cases[] = {
      {"riser, the buoy piercing", kBuoyantRiser, 4, 4, true},
      {"riser, the first free element piercing", kBuoyantRiser, 2, 4, true},
      {"riser, an element frozen to a free one piercing", kBuoyantRiser, 3, 4, true},
      {"riser, the whole system submerged", kBuoyantRiser, 5, 4, false},
      {"riser, the frozen base piercing: the column taken dry", kBuoyantRiser, 1, 4, false},
      {"riser, no piercing element", kBuoyantRiser, 0, 4, false},
      {"riser without elements", kBuoyantRiser, 1, 0, false},
      {"yoke, the buoy piercing", kYoke, 4, 4, false},
      {"rigid hawser, the buoy piercing", kRigidHawser, 4, 4, false},
      {"pendular mass, the buoy piercing", kPendularMass, 4, 4, false},
  };
  for (const Case& c : cases) {
    TPCM.NELEM = c.nelem;
    const std::int32_t free[] = {0, 1, 0, 1};
    for (int k = 1; k <= 4; ++k) TPCM.IFREE(k) = free[k - 1];
    TPCM.IARCO = c.iarco;
    TPCM.IPIERC = c.ipierc;
    TPCM.YOKVES = kInLineYokeAngle;  // the yoke in line: no other finding
    // The riser's finding alone: the fixture's other values (a depth of 0, elements without
    // length) are findings of their own.
    std::vector<RunFinding> findings;
    for (const RunFinding& f : runFindings())
      if (f.lines.front().find("Buoyant riser") != std::string::npos) findings.push_back(f);
    ASSERT_EQ(findings.size(), c.raised ? 1u : 0u) << c.what;
    if (!c.raised) continue;
    EXPECT_TRUE(findings[0].fatal) << c.what;
    EXPECT_EQ(findings[0].lines,
              (std::vector<std::string>{
                  " ++> Fatal Warning: Buoyant riser with element " + std::to_string(c.ipierc) +
                      " piercing the water surface:",
                  "     the statics hold the riser's top at the vessel's keel, under water.",
                  "     Submerge the whole system (option 7 or 8, page 3, then page 2 shows no",
                  "     piercing element) or choose another attachment."}))
        << c.what;
  }
}

}  // namespace
}  // namespace qv

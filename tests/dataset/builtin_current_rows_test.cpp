// The run findings of the built-in current models: a model whose blend at the data set's depth over
// draft, load and bow weighs a row that is not on hand is a fatal finding (the run stops before its
// first stage; the end-of-session checks show it), naming each component's missing set, but only when
// the run evaluates the current coefficients at all.
#include "dataset/builtin_current_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/units.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/run_findings.h"

namespace qv {
namespace {

using testing_support::DataSet;

class BuiltinCurrentFindings : public testing_support::FreshRun {
 protected:
  // A tanker of 16 m draft on a yoke SALM in a current, with the vessel's slow drift: depth over draft
  // 6.25 at 100 m, the load and bow of the tanker example.
  void SetUp() override {
    FreshRun::SetUp();
    DataSet().withSalm().withTanker().with([] {
      Tpcm& t = TPCM;
      t.EDUNIT = kScreenUnit;
      t.DEPTH = 100.0f;
      t.DRAFT = 16.0f;
      t.DFTPCT = 98.0f;
      t.BOWCUR = 0.0f;
      t.FRESLM = 0;
      t.LQUAS = 1;
      t.LCURNT = 1;
      t.LEGDRG = 1;
      t.VESTYP = kShipVessel;
    });
  }
};

using testing_support::findingsNaming;
using testing_support::findingsText;

TEST_F(BuiltinCurrentFindings, DeepWaterOcimfRunsAndTheOthersNameTheSetsTheyWouldNeed) {
  struct Case {
    const char* what;
    std::int32_t LCBARG;
    float depth;
    std::string expected;
  };
  const Case cases[] = {
      {"OCIMF '77 from depth/draft 6 on", 0x666, 100.0f, ""},
      {"the extreme cylindrical bow at any depth", 0x555, 20.0f, ""},
      {"OCIMF '77 at depth/draft 2.5", 0x666, 40.0f,
       "[fatal]\n"
       " ++> Fatal Warning: Built-in current coefficients of model 6, OCIMF Tanker '77,\n"
       "     are not on hand\n"
       "     for depth/draft 2.50 and bow factor 0.00, which would need:\n"
       "     - surge: OCIMF 1977, depth/draft 1.5, Conventional bow\n"
       "     - sway: OCIMF 1977, depth/draft 1.5, Conventional bow\n"
       "     - yaw: OCIMF 1977, depth/draft 1.5, Conventional bow\n"
       "     Choose another current model on page 8.\n"},
      {"NSMB '91 at 98 percent load: sway alone is held", 0x444, 100.0f,
       "[fatal]\n"
       " ++> Fatal Warning: Built-in current coefficients of model 4, NSMB Tanker '91,\n"
       "     are not on hand\n"
       "     for depth/draft 6.25 (6.12 to the full-load draft), draft-based load 98.0 %\n"
       "     and bow factor 0.00, which would need:\n"
       "     - surge: NSMB 1991, deep water (depth/draft 4.4 and beyond), load 40 %\n"
       "     - yaw: NSMB 1991, deep water (depth/draft 4.4 and beyond), load 40 %\n"
       "     Choose another current model on page 8.\n"},
      {"NSMB '91 for sway beside OCIMF '77 for surge and yaw", 0x646, 100.0f, ""},
      {"two models, each with its own finding", 0x464, 40.0f,
       "[fatal]\n"
       " ++> Fatal Warning: Built-in current coefficients of model 6, OCIMF Tanker '77,\n"
       "     are not on hand\n"
       "     for depth/draft 2.50 and bow factor 0.00, which would need:\n"
       "     - sway: OCIMF 1977, depth/draft 1.5, Conventional bow\n"
       "     Choose another current model on page 8.\n"
       "[fatal]\n"
       " ++> Fatal Warning: Built-in current coefficients of model 4, NSMB Tanker '91,\n"
       "     are not on hand\n"
       "     for depth/draft 2.50 (2.45 to the full-load draft), draft-based load 98.0 %\n"
       "     and bow factor 0.00, which would need:\n"
       "     - surge: NSMB 1991, depth/draft 1.5, load 40 %, bow with bulb\n"
       "     - yaw: NSMB 1991, depth/draft 1.5, load 40 %, bow with bulb\n"
       "     Choose another current model on page 8.\n"},
  };
  for (const Case& c : cases) {
    TPCM.LCBARG = c.LCBARG;
    TPCM.DEPTH = c.depth;
    // The current's findings alone: the fixture's column, no longer than twice the deepest water,
    // is a finding of its own in the shallower water.
    EXPECT_EQ(findingsText(findingsNaming(runFindings(), "Built-in current")), c.expected) << c.what;
  }
}

// The current coefficients are evaluated by the vessel's slow drift: with a current, and for the
// drift drag of a ship hull in a sea. Without either, or without the slow drift, nothing is found.
TEST_F(BuiltinCurrentFindings, OnlyWhenTheRunEvaluatesTheCurrentCoefficients) {
  struct Case {
    const char* what;
    std::int32_t FRESLM, LQUAS, LCURNT, LEGDRG, LRANDM, VESTYP;
    bool found;
  };
  const Case cases[] = {
      {"a current", 0, 1, 1, 1, 0, kShipVessel, true},
      {"no current, no drift drag", 0, 1, 0, 1, 1, kShipVessel, false},
      {"no current, the drift drag of a ship in a sea", 0, 1, 0, 0, 1, kShipVessel, true},
      {"no current, drift drag without a sea", 0, 1, 0, 0, 0, kShipVessel, false},
      {"no current, drift drag of a disc buoy", 0, 1, 0, 0, 1, kDiscBuoy, false},
      {"the statics alone", 0, 0, 1, 0, 1, kShipVessel, false},
      {"a free SALM", 1, 1, 1, 0, 1, kShipVessel, false},
  };
  for (const Case& c : cases) {
    Tpcm& t = TPCM;
    t.LCBARG = 0x666;
    t.DEPTH = 40.0f;
    t.FRESLM = c.FRESLM;
    t.LQUAS = c.LQUAS;
    t.LCURNT = c.LCURNT;
    t.LEGDRG = c.LEGDRG;
    t.LRANDM = c.LRANDM;
    t.LSWELL = 0;
    t.LSWEL2 = 0;
    t.VESTYP = c.VESTYP;
    // The sea state of this fixture is no concern here: only the current's findings count.
    EXPECT_EQ(testing_support::findingsNaming(runFindings(), "Built-in current coefficients").size(), c.found ? 1u : 0u)
        << c.what;
  }
}

}  // namespace
}  // namespace qv

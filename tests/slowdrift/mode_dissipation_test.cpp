// The stop for a low-frequency mode whose damping does not dissipate, or whose variance is not one:
// which records stop the run, and the words that name the mode, the fault and its damping terms.
#include "slowdrift/mode_dissipation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/fatal.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::stopStatus;

class ModeDissipation : public testing_support::FreshRun {
 protected:
  // Wind, current and the sea on, drift drag on, no swell; every mode's terms in percent of critical
  // 1, 2, 3, 4 and 5 (still water to wave drag), their total 15, and a variance of 1 from each source.
  void SetUp() override {
    FreshRun::SetUp();
    Tpcm& t = TPCM;
    t.EDUNIT = kScreenUnit;
    t.LWIND = t.LCURNT = t.LRANDM = 1;
    for (int mode = 1; mode <= 3; ++mode) {
      LowModeRecord& r = EQUILB.MODREC(mode);
      r.GAMSTW = 0.02f;
      r.GAMWND = 0.04f;
      r.GAMCUR = 0.06f;
      r.GAMWV = 0.08f;
      r.GMWDG = 0.10f;
      r.GAMTOT = 0.30f;
      r.VARWND = r.VARCUR = r.VARWAV = r.VWVDG = 1.0f;
      r.VARTOT = 4.0f;
    }
  }
};

TEST_F(ModeDissipation, StopsOnlyAModeThatDoesNotDissipateAndNamesItsTerms) {
  struct Case {
    const char* what;
    int mode;
    std::function<void(LowModeRecord&)> edit;
    std::vector<std::string> expected;  // empty: no stop
  };
  const Case cases[] = {
      {"a sound mode", 1, [](LowModeRecord&) {}, {}},
      {"a calm: no excitation, nothing to report but no fault", 2,
       [](LowModeRecord& r) { r.VARWND = r.VARCUR = r.VARWAV = r.VWVDG = r.VARTOT = 0.0f; }, {}},
      {"the wave drag pulling the surge damping below zero", 1,
       [](LowModeRecord& r) {
         r.GMWDG = -0.25f;
         r.GAMTOT = -0.05f;
       },
       {"", " ++> VANTREL: the low-frequency surge mode has a total damping of -2.50 percent",
        "     of critical, which does not dissipate, and no motion can be reported for",
        "     it; its damping terms (percent of critical): still water 1.00, wind 2.00,",
        "     current 3.00, wave reflection 4.00, wave drag -12.50, total -2.50. Check",
        "     the hull's drag coefficients and the wind, current and wave loads",
        "     (pages 8 to 12)."}},
      {"no damping at all", 3, [](LowModeRecord& r) { r.GAMTOT = 0.0f; },
       {"", " ++> VANTREL: the low-frequency high sway-yaw (\"yaw\") mode has a total damping",
        "     of 0.00 percent of critical, which does not dissipate, and no motion can be",
        "     reported for it; its damping terms (percent of critical): still water 1.00,",
        "     wind 2.00, current 3.00, wave reflection 4.00, wave drag 5.00, total 0.00.",
        "     Check the hull's drag coefficients and the wind, current and wave loads",
        "     (pages 8 to 12)."}},
      {"a damping that is no number", 1, [](LowModeRecord& r) { r.GAMWV = r.GAMTOT = NAN; },
       {"", " ++> VANTREL: the low-frequency surge mode has a total damping that is not a",
        "     number, which does not dissipate, and no motion can be reported for it; its",
        "     damping terms (percent of critical): still water 1.00, wind 2.00,",
        "     current 3.00, wave reflection not a number, wave drag 5.00,",
        "     total not a number. Check the hull's drag coefficients and the wind,",
        "     current and wave loads (pages 8 to 12)."}},
      {"a negative variance from the drift drag", 2, [](LowModeRecord& r) { r.VWVDG = -0.5f; },
       {"", " ++> VANTREL: the low-frequency low sway-yaw (\"sway\") mode has a motion variance",
        "     that is negative or no number (from wave drag), and no motion can be",
        "     reported for it; its damping terms (percent of critical): still water 1.00,",
        "     wind 2.00, current 3.00, wave reflection 4.00, wave drag 5.00, total 15.00.",
        "     Check the hull's drag coefficients and the wind, current and wave loads",
        "     (pages 8 to 12)."}},
      {"a total variance that is no number, the user's damping", 1,
       [](LowModeRecord& r) {
         TPCM.LSGLFD = 1;
         r.VARTOT = NAN;
       },
       {"", " ++> VANTREL: the low-frequency surge mode has a motion variance that is",
        "     negative or no number, and no motion can be reported for it; its damping is",
        "     the user's, 15.00 percent of critical (page 4, item 3). Check the hull's",
        "     drag coefficients and the wind, current and wave loads (pages 8 to 12)."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    c.edit(EQUILB.MODREC(c.mode));
    ConsoleCapture console("\n");
    const int status = stopStatus([&] { requireDissipation(c.mode); });
    if (c.expected.empty()) {
      EXPECT_EQ(status, -1);
      EXPECT_EQ(console.screen(), "");
      continue;
    }
    EXPECT_EQ(status, kExitFatal);
    std::string message;
    for (const std::string& line : c.expected) message += line + "\n";
    EXPECT_EQ(console.screen().substr(0, message.size()), message);
    EXPECT_TRUE(console.screen().find("Press <RETURN>") != std::string::npos);
  }
}

}  // namespace
}  // namespace qv

// Page 4, the low-frequency dynamics, driven with typed replies: its screen, the damping choices and
// values (hidden or not), the refusal to leave with a damping that is not positive, its notes and
// the codes it hands to the sequencer.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "editor/page_cases.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::inBatch;
using testing_support::kSelectionPrompt;
using testing_support::PageCase;
using testing_support::runPageCases;
using testing_support::toggleAsked;
const std::string kHeader = "\f            ****  Page 4: Low-frequency dynamics selection  ****\n\n\n";
const std::string kRefusal = "\f\n >>> User-specified damping must be positive definite.\n\n Press <RETURN> to continue: ";

// Low-frequency dynamics on, every damping computed, editing on the screen.
void dynamicsOn() {
  resetAllBlocks();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.LQUAS = 1;
}

std::string showPage(const std::string& typed) {
  return testing_support::typeOnPage([] { QUASCK("4"); }, typed);
}

class LowFrequencyPage : public testing_support::FreshRun {};

TEST_F(LowFrequencyPage, Screens) {
  dynamicsOn();
  TPCM.LSGLFD = 1;
  TPCM.SGLFDP = 5.0f;
  TPCM.LYWLFD = 1;
  TPCM.YWLFDP = 12.5f;
  TPCM.SWLFDP = 7.0f;  // not shown: sway damping is computed
  EXPECT_EQ(showPage("\n"), kHeader +
                                "  1) Calculate low-frequency dynamics: ............. Yes\n"
                                "\n"
                                "  2) Low-frequency surge damping is ................  User-specified\n"
                                "  3) Surge. damping (percent of critical) ..........      5.00\n"
                                "  4) Low-frequency sway  damping is ................  Computed      \n"
                                "  6) Low-frequency  yaw  damping is ................  User-specified\n"
                                "  7) Yaw... damping (percent of critical) ..........     12.50\n" +
                                kSelectionPrompt);

  TPCM.LQUAS = 0;
  EXPECT_EQ(showPage("\n"), kHeader + "  1) Calculate low-frequency dynamics: ............. No \n\n" + kSelectionPrompt);
  TPCM.LQUAS = 3;
  TPCM.LSWLFD = 1;
  EXPECT_TRUE(contains(showPage("\n"), "  1) Calculate low-frequency dynamics: ............. Awk\n\n"
                                       "  2) Low-frequency surge damping is ................  User-specified\n"
                                       "  3) Surge. damping (percent of critical) ..........      5.00\n"
                                       "  4) Low-frequency sway  damping is ................  User-specified\n"
                                       "  5) Sway.. damping (percent of critical) ..........      7.00\n"));
}

TEST_F(LowFrequencyPage, Edits) {
  const PageCase cases[] = {
      {"dynamics off", "1\n\n", [] {}, [] { EXPECT_EQ(TPCM.LQUAS, 0); }},
      {"dynamics on", "1\n\n", [] { TPCM.LQUAS = 0; }, [] { EXPECT_EQ(TPCM.LQUAS, 1); }},
      {"surge given, its value asked at once", "2\n4.5\n\n", [] {},
       [] { EXPECT_EQ(TPCM.LSGLFD, 1); EXPECT_EQ(TPCM.SGLFDP, 4.5f); }},
      {"surge computed again, nothing asked", "2\n\n", [] { TPCM.LSGLFD = 1, TPCM.SGLFDP = 3.0f; },
       [] { EXPECT_EQ(TPCM.LSGLFD, 0); EXPECT_EQ(TPCM.SGLFDP, 3.0f); }},
      {"surge value", "3\n8\n\n", [] { TPCM.LSGLFD = 1, TPCM.SGLFDP = 3.0f; }, [] { EXPECT_EQ(TPCM.SGLFDP, 8.0f); }},
      {"surge value, blank keeps", "3\n\n\n", [] { TPCM.LSGLFD = 1, TPCM.SGLFDP = 3.0f; },
       [] { EXPECT_EQ(TPCM.SGLFDP, 3.0f); }},
      {"surge value while computed: nothing asked", "3\n\n", [] { TPCM.SGLFDP = 3.0f; },
       [] { EXPECT_EQ(TPCM.LSGLFD, 0); EXPECT_EQ(TPCM.SGLFDP, 3.0f); }},
      {"sway given", "4\n2\n\n", [] {}, [] { EXPECT_EQ(TPCM.LSWLFD, 1); EXPECT_EQ(TPCM.SWLFDP, 2.0f); },
       kSelectionPrompt + std::string("  5) Sway.. damping (percent of critical) ..........      0.00\n"
                                      " Enter new value: \f")},
      {"sway value", "5\n6\n\n", [] { TPCM.LSWLFD = 1, TPCM.SWLFDP = 1.0f; }, [] { EXPECT_EQ(TPCM.SWLFDP, 6.0f); }},
      {"yaw given", "6\n9\n\n", [] {}, [] { EXPECT_EQ(TPCM.LYWLFD, 1); EXPECT_EQ(TPCM.YWLFDP, 9.0f); }},
      {"yaw value", "7\n1.5\n\n", [] { TPCM.LYWLFD = 1, TPCM.YWLFDP = 1.0f; }, [] { EXPECT_EQ(TPCM.YWLFDP, 1.5f); }},
      // The choices are hidden without the dynamics but still act, values and all.
      {"surge given while hidden", "2\n-4\n\n", [] { TPCM.LQUAS = 0; },
       [] { EXPECT_EQ(TPCM.LSGLFD, 1); EXPECT_EQ(TPCM.SGLFDP, -4.0f); }},
      {"yaw value while hidden", "7\n2\n\n", [] { TPCM.LQUAS = 0, TPCM.LYWLFD = 1; },
       [] { EXPECT_EQ(TPCM.YWLFDP, 2.0f); }},
      // 8 to 11 are no items: the page is drawn again and the dynamics switch stays.
      {"no such items", "8\n11\n12\n\n", [] {}, [] { EXPECT_EQ(TPCM.LQUAS, 1); }},
  };
  runPageCases(cases, dynamicsOn, showPage);
}

TEST_F(LowFrequencyPage, BatchSessionAsks) {
  const std::string yesNo = toggleAsked("Yes", "No") + "\f";
  const std::string choice = toggleAsked("Specified", "Computed");
  const auto surge = [](std::int32_t given, float percent) {
    return [given, percent] {
      EXPECT_EQ(TPCM.LQUAS, 1);
      EXPECT_EQ(TPCM.LSGLFD, given);
      EXPECT_EQ(TPCM.SGLFDP, percent);
    };
  };
  const PageCase cases[] = {
      {"dynamics 0", "1\n0\n\n", [] {}, [] { EXPECT_EQ(TPCM.LQUAS, 0); }, yesNo},
      {"dynamics blank", "1\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.LQUAS, 1); }, yesNo},
      {"surge given", "2\n1\n3\n\n", [] {}, surge(1, 3.0f),
       choice + "  3) Surge. damping (percent of critical) ..........      0.00\n Enter new value: \f"},
      {"surge computed", "2\n0\n\n", [] {}, surge(0, 0.0f), choice + "\f"},
      {"surge blank", "2\n\n\n", [] {}, surge(0, 0.0f), choice + "\f"},
  };
  runPageCases(cases, inBatch(dynamicsOn), showPage);
}

// A damping given by the user that is not positive keeps the user on the page, whatever the reply
// that would leave it; the page is left once the value is mended or the dynamics are off.
TEST_F(LowFrequencyPage, UserDampingMustBePositive) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::string typed;
    int refusals;
    std::int32_t lback;
  };
  const Case cases[] = {
      {"zero surge, blank reply, then mended", [] { TPCM.LSGLFD = 1; }, "\n\n3\n2\n\n", 1, 0},
      {"zero surge, B twice, then mended", [] { TPCM.LSGLFD = 1; }, "b\n\nb\n\n3\n2\nb\n", 2, kNavBack},
      {"negative sway, J, then computed", [] { TPCM.LSWLFD = 1, TPCM.SWLFDP = -1.0f; }, "j9\n\n4\nj9\n", 1, kNavJump},
      {"negative yaw, E, then dynamics off", [] { TPCM.LYWLFD = 1, TPCM.YWLFDP = -0.5f; }, "e\n\n1\ne\n", 1,
       kNavExecute},
      {"zero damping while computed", [] { TPCM.LSGLFD = 0; }, "\n", 0, 0},
      {"zero damping without the dynamics", [] { TPCM.LQUAS = 0, TPCM.LSGLFD = 1; }, "\n", 0, 0},
      {"positive values", [] { TPCM.LSGLFD = TPCM.LSWLFD = TPCM.LYWLFD = 1, TPCM.SGLFDP = TPCM.SWLFDP = TPCM.YWLFDP = 0.1f; },
       "\n", 0, 0},
  };
  for (const Case& c : cases) {
    dynamicsOn();
    c.prepare();
    const std::string screen = showPage(c.typed);
    int refusals = 0;
    for (std::size_t at = screen.find(kRefusal); at != std::string::npos; at = screen.find(kRefusal, at + 1)) ++refusals;
    EXPECT_EQ(refusals, c.refusals) << c.what << "\n" << screen;
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.what;
    if (c.refusals > 0) {
      EXPECT_TRUE(contains(screen, kRefusal + "\f" + kHeader.substr(1))) << c.what << ": the page again";
    }
  }
}

TEST_F(LowFrequencyPage, InputEndingAtTheRefusalStops) {
  for (const char* typed : {"\n", "\n\n"}) {
    dynamicsOn();
    TPCM.LSGLFD = 1;
    ConsoleCapture console(typed);
    EXPECT_EQ(testing_support::stopStatus([] { QUASCK("4"); }), kExitInputEnded) << typed;
    EXPECT_TRUE(contains(console.screen(), kRefusal)) << typed;
  }
}

TEST_F(LowFrequencyPage, Notes) {
  struct Case {
    std::string typed;
    std::vector<std::string> shown;
  };
  const std::string title = "\f                 ****  Low-Frequency Dynamics Notes  ****\n";
  const Case cases[] = {
      {"?\n\n\n", {title + "\n ++> Item Number  1\n Set to \"No\"", "\n\n ++> Item Numbers 2+\n The damping"}},
      {"?1\n\n\n", {title + "\n ++> Item Number   1\n Set to \"No\""}},
      {"?3\n\n\n", {title + "\n ++> Item Number   3\n The damping"}},
      {"?11\n\n\n", {title + "\n ++> Item Number  11\n The damping"}},
      {"?12\n\n\n", {title + "\n ++> Sorry, no help for this line...\n\n\n Press <RETURN> to continue: "}},
  };
  for (const Case& c : cases) {
    dynamicsOn();
    const std::string screen = showPage(c.typed);
    for (const std::string& s : c.shown) EXPECT_TRUE(contains(screen, s)) << c.typed << "\n" << screen;
    EXPECT_TRUE(contains(screen, " Press <RETURN> to continue: \f" + kHeader.substr(1))) << c.typed;
    EXPECT_EQ(TPCM.LBACK, 0);
  }
}

TEST_F(LowFrequencyPage, ListingWritesThePageOnce) {
  dynamicsOn();
  TPCM.LSGLFD = 1;  // a damping of 0 given by the user does not hold up a listing
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  const std::string screen = showPage("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 2);
  EXPECT_TRUE(screen.starts_with(kHeader.substr(1))) << screen;
  EXPECT_TRUE(screen.ends_with("  3) Surge. damping (percent of critical) ..........      0.00\n"
                               "  4) Low-frequency sway  damping is ................  Computed      \n"
                               "  6) Low-frequency  yaw  damping is ................  Computed      \n\n\n\n"))
      << screen;
}

}  // namespace
}  // namespace qv

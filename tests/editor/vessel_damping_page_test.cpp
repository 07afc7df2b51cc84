// Page 7, the vessel's damping and natural periods, driven with typed replies: its screen and
// spacing, the computed/specified flags that ask for their value, the disc-buoy switches and the
// help.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "vessel_page_fixture.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::freshShip;
using testing_support::kSelectionPrompt;
using testing_support::screens;
const std::string kHeader = " ***********  Page 7: Vessel Period and Damping Specifications  ***********\n\n";

std::vector<std::string> showPage(const std::string& typed) { return testing_support::pageScreens(VESEL3, "7", typed); }

class VesselDampingPage : public testing_support::FreshRun {};

TEST_F(VesselDampingPage, ScreenAndSpacing) {
  freshShip();
  TPCM.LHVDMP = 1;
  TPCM.HVDAMP = 5.0f;
  TPCM.LRLPRD = 1;
  TPCM.ROLPRD = 12.5f;
  TPCM.VESTYP = 4;
  TPCM.CATFBK = 1;
  auto shown = showPage("\n");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], kHeader +
                          "  1) Heave damping is ................................... Specified\n"
                          "  2) Heave damping (percent of critical) ................     5.00\n"
                          "\n"
                          "  3) Pitch damping is ................................... Computed \n"
                          "  5) Roll damping is .................................... Computed \n"
                          "\n"
                          "  7) Heave period is .................................... Computed \n"
                          "  9) Pitch period is .................................... Computed \n"
                          " 11) Roll period is ..................................... Specified\n"
                          " 12) Roll period (sec) ..................................    12.50\n"
                          "\n"
                          " 13) Feedback mooring forces to wave-frequency motions?     No \n"
                          "\n"
                          " 14) Output static wave force vs mooring force analysis?    Yes\n" +
                          kSelectionPrompt);
  // Roll damping specified: the empty line follows its value, not the flag.
  freshShip();
  TPCM.LRLDMP = 1;
  TPCM.LPTDMP = 1;
  shown = showPage("\n");
  EXPECT_TRUE(contains(shown[1],
                       "  1) Heave damping is ................................... Computed \n"
                       "  3) Pitch damping is ................................... Specified\n"
                       "  4) Pitch damping (percent of critical) ................     0.00\n"
                       "\n"
                       "  5) Roll damping is .................................... Specified\n"
                       "  6) Roll damping (percent of critical) .................     0.00\n"
                       "\n"
                       "  7) Heave period is"))
      << shown[1];
  EXPECT_TRUE(shown[1].ends_with(" 11) Roll period is ..................................... Computed \n" +
                                 std::string(kSelectionPrompt)));
}

TEST_F(VesselDampingPage, FlagsAndValues) {
  struct Case {
    const char* what;
    std::function<void()> state;
    std::string typed;
    std::function<void()> check;
    std::size_t screens;  // including the one before the first clear
  };
  const Case cases[] = {
      {"computed to specified asks for the value at once", [] {}, "1\n5\n\n",
       [] { EXPECT_EQ(TPCM.LHVDMP, 1); EXPECT_EQ(TPCM.HVDAMP, 5.0f); }, 3},
      {"opened with B: the flag is asked for first", [] { TPCM.IBATCH = 1; }, "11\n1\n14.5\n\n",
       [] { EXPECT_EQ(TPCM.LRLPRD, 1); EXPECT_EQ(TPCM.ROLPRD, 14.5f); }, 3},
      {"asked and kept computed: no value", [] { TPCM.IBATCH = 1; }, "11\n0\n\n",
       [] { EXPECT_EQ(TPCM.LRLPRD, 0); EXPECT_EQ(TPCM.ROLPRD, 0.0f); }, 3},
      {"specified to computed keeps the value", [] { TPCM.LPTPRD = 1; TPCM.PITPRD = 9.0f; },
       "9\n\n", [] { EXPECT_EQ(TPCM.LPTPRD, 0); EXPECT_EQ(TPCM.PITPRD, 9.0f); }, 3},
      {"a value of a computed quantity only draws again", [] { TPCM.HVDAMP = 3.0f; }, "2\n\n",
       [] { EXPECT_EQ(TPCM.HVDAMP, 3.0f); EXPECT_EQ(TPCM.LHVDMP, 0); }, 3},
      {"a value item", [] { TPCM.LPTDMP = 1; }, "4\n2.5\n\n", [] { EXPECT_EQ(TPCM.PTDAMP, 2.5f); }, 3},
      {"a flag of another value: a blank reply keeps it", [] { TPCM.LHVPRD = 1; TPCM.HEVPRD = 8.0f; },
       "8\n\n\n", [] { EXPECT_EQ(TPCM.HEVPRD, 8.0f); }, 3},
      {"switches of a disc buoy", [] { TPCM.VESTYP = 4; }, "13\n14\n\n",
       [] { EXPECT_EQ(TPCM.MORFBK, 1); EXPECT_EQ(TPCM.CATFBK, 1); }, 4},
      {"no switches but for a disc buoy", [] { TPCM.VESTYP = 3; }, "13\n14\n15\n\n",
       [] { EXPECT_EQ(TPCM.MORFBK, 0); EXPECT_EQ(TPCM.CATFBK, 0); }, 5},
      {"no switches below the mooring programs", [] { TPCM.VESTYP = 4; TPCM.CREATR = 4; },
       "13\n14\n\n", [] { EXPECT_EQ(TPCM.MORFBK, 0); EXPECT_EQ(TPCM.CATFBK, 0); }, 4},
      {"creator 16: no feedback switch", [] { TPCM.VESTYP = 4; TPCM.CREATR = 16; },
       "13\n14\n\n", [] { EXPECT_EQ(TPCM.MORFBK, 0); EXPECT_EQ(TPCM.CATFBK, 1); }, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    freshShip();
    c.state();
    const auto shown = showPage(c.typed);
    c.check();
    EXPECT_EQ(shown.size(), c.screens);
  }
  // The value line is written before its prompt.
  freshShip();
  auto shown = showPage("1\n5\n\n");
  EXPECT_TRUE(shown[1].ends_with(kSelectionPrompt +
                                 std::string("  2) Heave damping (percent of critical) ................     0.00\n"
                                             " Enter new value: ")));
  freshShip();
  TPCM.IBATCH = 1;
  shown = showPage("3\n1\n\n\n");
  EXPECT_TRUE(shown[1].ends_with(kSelectionPrompt +
                                 std::string(" Enter 1 for \"Specified\", 0 for \"Computed\": "
                                             "  4) Pitch damping (percent of critical) ................     0.00\n"
                                             " Enter new value: ")));
  // Creator 16: the static-analysis switch keeps its number 14.
  freshShip();
  TPCM.VESTYP = 4;
  TPCM.CREATR = 16;
  shown = showPage("\n");
  EXPECT_FALSE(contains(shown[1], " 13) "));
  EXPECT_TRUE(contains(shown[1], "\n\n 14) Output static wave force vs mooring force analysis?    No \n"));
}

TEST_F(VesselDampingPage, Help) {
  const std::string heading = " ********************  Vessel Definition Notes  ********************\n\n";
  freshShip();
  auto shown = showPage("?6\n\n\n");
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number 6\n     Pitch, roll and heave damping")) << shown[2];
  shown = showPage("?12\n\n\n");
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number 12\n     The natural periods")) << shown[2];
  // Without the switches their numbers have no help; the whole help has no mooring notes.
  EXPECT_EQ(showPage("?13\n\n").size(), 3u);
  EXPECT_EQ(showPage("?14\n\n").size(), 3u);
  shown = showPage("?\n\n\n");
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Numbers 1 -> 6\n"));
  EXPECT_TRUE(contains(shown[2], "\n ++> Item Numbers 7 -> 12\n     The natural periods"));
  // A disc buoy: the switches' notes, and the whole help's two more screens.
  freshShip();
  TPCM.VESTYP = 4;
  TPCM.CREATR = 16;
  shown = showPage("?13\n\n\n");
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number 13\n     Mooring loads seldom matter")) << shown[2];
  shown = showPage("?14\n\n\n");
  EXPECT_TRUE(shown[2].starts_with(heading + "\n ++> Item Number 14\n     An unsupported Kestrin debugging"))
      << shown[2];
  shown = showPage("?\n\n\n\n\n");
  ASSERT_EQ(shown.size(), 6u);
  EXPECT_TRUE(shown[3].starts_with("\n ++> Item Number  13\n"));
  EXPECT_TRUE(shown[4].starts_with("\n ++> Item Number  14\n"));
  // A two-body buoy and tanker data set has them in the whole help too.
  freshShip();
  TPCM.CREATR = 13;
  EXPECT_EQ(showPage("?\n\n\n\n\n").size(), 6u);
}

}  // namespace
}  // namespace qv

// The end-of-session checks through the real editor: a new data set's execution lists its warnings
// and fatal warnings a screen at a time and saves nothing; a data set that passes them is executed,
// and run silently writes the counts into "Diagnostics.stxt"; a data set with a warning only is
// executed when the user asks a second time, and run silently goes on with the warning written.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"

namespace qv {
namespace {

using testing_support::contains;

constexpr int kDuratnWord = 450;

const std::string kNotice =
    "\n                   >>> Kestrin Editor Software <<<\n\n\n"
    "          This data file passed preliminary error checks;\n"
    "             it is ready for submission to the server.\n\n";

// This editor's SALM with a tanker and built-in load models: the checks find nothing in it. Stored
// under another session mode, so that a save writes it. The statics alone (LQUAS 0): the analysis
// that an execution starts runs to its end. `change` edits it further.
std::string tankerDataSet(const std::function<void()>& change = [] {}) {
  return testing_support::DataSet()
      .withSalm()
      .withTanker()
      .with([] {
        TPCM.SRCDAT = 1;
        TPCM.LQUAS = 0;
        TPCM.LWBARG = TPCM.LCBARG = 0x444;  // built-in wind and current models
        TPCM.LWVCOF = 0x666;                // the tanker's built-in drift model
      })
      .with(change)
      .bytes();
}

// The same without a storm duration: one warning.
std::string tankerWithoutStormDuration() {
  std::string image = tankerDataSet();
  const float zero = 0.0f;
  std::memcpy(image.data() + 4 * (kDuratnWord - 1), &zero, 4);
  return image;
}

const std::string kDurationWarning = "\n ++> Warning: Nonpositive storm duration detected.\n";
const std::string kNoChecksFound = "\n >>> Data checks: 0 warning(s) and 0 fatal warning(s).\n";

TEST(PlausibilityChecksE2e, NewDataSetListsItsFatalWarningsAndSavesNothing) {
  e2e::Folder folder;
  // Execute; a pause after every seventh message and one before the menu comes back; leave unsaved.
  const e2e::Run run = folder.run("C\nL\n3\n\n\n\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::vector<std::string> screens = e2e::screens(run.out);
  std::size_t first = 0;
  while (first < screens.size() && !contains(screens[first], "A vessel GM is zero")) ++first;
  ASSERT_LT(first + 3, screens.size()) << run.out;
  // A value that a check of the final page and a finding of the run both name is one message: the
  // check's text, then where to change the value.
  EXPECT_EQ(screens[first],
            "\n ++> Warning: A vessel GM is zero.\n"
            "     Transverse metacentric height (KMT) (page 5, item 2) is 0.00.\n"
            "     Longitudinal metacentric height (KML) (page 5, item 3) is 0.00.\n"
            "     Vertical center of gravity (VKG) (page 5, item 5) is 0.00.\n"
            "\n ++> Fatal Warning: A vessel gyradii is nonpositive.\n"
            "     Pitch Gyradius (page 6, item 1) is 0.00.\n"
            "     Roll Gyradius (page 6, item 2) is 0.00.\n"
            "     Yaw Gyradius (page 6, item 3) is 0.00.\n"
            "\n ++> Fatal Warning: Irregular wave specification problem. Check for:\n"
            "                  - A nonpositive significant wave height.\n"
            "                  - A nonpositive peak period.\n"
            "     Significant height (page 15, item 6) is 0.00.\n"
            "\n ++> Warning: discrepancy between regular and irregular wave heights.\n"
            "     To disable warning, use regular ht. = (irregular ht.)/sqrt(2).\n"
            "\n ++> Fatal Warning: The water depth is nonpositive.\n"
            "     Site water depth (page 1, item 4) is 0.00.\n"
            "\n ++> Warning: A vessel beam, length, draft,\n"
            "     or displacement is nonpositive.\n"
            "\n ++> Fatal Warning: A vessel water plane area is nonpositive.\n"
            "     Vessel water plane area (page 5, item 7) is 0.00.\n"
            "\n ++> Fatal Warning: A vessel draft exceeds water depth.\n"
            "     Mean vessel draft (page 5, item 10) is 0.00.\n"
            "\n Press <RETURN> to continue: ");
  EXPECT_EQ(screens[first + 1],
            "\n ++> Warning: apparent inconsistency between\n"
            "              water depth and height of water-piercing element.\n"
            "     Salm element that pierces water (page 2, item 6) is 1.\n"
            "     Its lower end stands 0.00 above the sea bed and its top 0.00, by the\n"
            "     element lengths (page 3, item 2), in a water depth of 0.00\n"
            "     (page 1, item 4).\n"
            "\n ++> Fatal Warning: Tanker draft, beam, or length incorrectly specified.\n"
            "     Length of vessel at waterline (page 5, item 8) is 0.00.\n"
            "     Beam of vessel at waterline (page 5, item 9) is 0.00.\n"
            // The values the analysis cannot run with that no check above names, each with its
            // page and item; the displacement's too, which only a warning above names.
            "\n ++> Fatal Warning: Maximum horizontal load on Salm (page 2, item 2) is 0.00;\n"
            "     the analysis needs a value above 0 and at most 99990.00 (what the statics\n"
            "     report prints).\n"
            "\n ++> Fatal Warning: Element length (page 3, element 1, item 2) is 0.00;\n"
            "     the analysis needs a value above 0.\n"
            "\n ++> Fatal Warning: Vessel displacement (page 5, item 1) is 0.00;\n"
            "     the analysis needs a value above 0.\n"
            "\n ++> Fatal Warning: Transverse metacentric height (KMT) (page 5, item 2)\n"
            "     is 0.00;\n"
            "     the analysis needs a value above 0.\n"
            "\n ++> Fatal Warning: Longitudinal metacentric height (KML) (page 5, item 3)\n"
            "     is 0.00;\n"
            "     the analysis needs a value above 0.\n"
            "\n Press <RETURN> to continue: ");
  // Its one element, hinged nowhere, cannot follow the vessel: the new data set is refused saying
  // what to add.
  EXPECT_EQ(screens[first + 2],
            "\n"
            " ++> Warning: Offset increment for static offset table (page 2, item 3) is 0.00;\n"
            "     the statics take 1.00 feet in its place, the step of the static offset\n"
            "     report.\n"
            "\n"
            " ++> Fatal Warning: The current coefficient table of LOWDAT holds no rows;\n"
            "     the current force model reads it for Cx, Cy and Cz.\n"
            "     On page 8, choose another current model (item 12)\n"
            "     or specify the current force coefficients (item 15).\n"
            "\n"
            " ++> Fatal Warning: The wave drift coefficient file \"DRFTCOFS.txt\" is missing;\n"
            "     the wave drift force model reads it for Cx, Cy and Cz.\n"
            "     On page 8, choose another wave drift model (item 22)\n"
            "     or put the file in the data set's folder.\n"
            "\n"
            " ++> Fatal Warning: An attached Salm needs at least two members: one hinged on\n"
            "     the sea bed and one held at the vessel. Its element forms one member, whose\n"
            "     single angle the attachment fixes: it has no load-offset curve, and the\n"
            "     statics would lay it flat at every load.\n"
            "     Add an element for the attachment (page 2, item 1) and free its lower joint\n"
            "     (page 3, element 2, item 7; a new element's joint starts frozen).\n"
            "\n"
            " Press <RETURN> to continue: ");
  bool menuAgain = false;
  for (std::size_t k = first + 3; k < screens.size(); ++k)
    menuAgain = menuAgain || contains(screens[k], "****  Page 19: End of Session  ****");
  EXPECT_TRUE(menuAgain) << run.out;
  EXPECT_FALSE(contains(run.out, "passed preliminary error checks"));
  EXPECT_EQ(folder.files(), std::vector<std::string>{});
}

TEST(PlausibilityChecksE2e, ADataSetThatPassesIsExecutedAndItsSilentRunCounted) {
  e2e::Folder folder;
  const std::string image = tankerDataSet();
  folder.writeFile("SALMDAT", image);
  e2e::Run run = folder.run("M\nL\n3\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_FALSE(contains(run.out, "Warning")) << run.out;
  EXPECT_TRUE(contains(run.out, kNotice)) << run.out;
  EXPECT_EQ(folder.readFile("SALMBAK"), image);

  // Silently: the counts go into the diagnostics file, and the run goes on to its end: the
  // analysis continues the file.
  e2e::Folder silent;
  silent.writeFile("SALMDAT", image);
  run = silent.run("M\nL\n4\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string diagnostics = silent.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, kNoChecksFound.size()), kNoChecksFound);
  EXPECT_TRUE(contains(diagnostics, " >>> Computing Salm mass properties...")) << diagnostics;
  EXPECT_EQ(silent.readFile("SALMBAK"), image);
}

TEST(PlausibilityChecksE2e, AWarningIsShownAndTheSecondRequestExecutes) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", tankerWithoutStormDuration());
  // Execute: the warning, a pause, the menu again; execute once more, and the closing pause.
  e2e::Run run = folder.run("M\nL\n3\n\n3\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, "\f" + kDurationWarning + "\n Press <RETURN> to continue: \f")) << run.out;
  EXPECT_TRUE(contains(run.out, kNotice)) << run.out;
  EXPECT_TRUE(folder.exists("SALMBAK"));

  // Silently: the warning and the counts go into the diagnostics file, and the run goes on.
  e2e::Folder silent;
  silent.writeFile("SALMDAT", tankerWithoutStormDuration());
  run = silent.run("M\nL\n4\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string checks = kDurationWarning + "\n >>> Data checks: 1 warning(s) and 0 fatal warning(s).\n";
  const std::string diagnostics = silent.readFile("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, checks.size()), checks);
  EXPECT_TRUE(contains(diagnostics, " >>> Computing Salm mass properties...")) << diagnostics;
  EXPECT_TRUE(silent.exists("SALMBAK"));
}

// The tanker's SALM as a buoyant riser whose element pierces the surface: the statics would hold the
// riser's top at the keel, under water, so the data set describes no column they can solve.
std::string piercingRiserDataSet() {
  return tankerDataSet([] { TPCM.IARCO = kBuoyantRiser; });
}

const std::string kPiercingRiser =
    " ++> Fatal Warning: Buoyant riser with element 1 piercing the water surface:\n"
    "     the statics hold the riser's top at the vessel's keel, under water.\n"
    "     Submerge the whole system (option 7 or 8, page 3, then page 2 shows no\n"
    "     piercing element) or choose another attachment.\n";

// Where the user can mend it: a fatal warning of the end-of-session checks, which refuse the silent
// execution; and the runner, given the data set all the same, stops before any stage.
TEST(PlausibilityChecksE2e, APiercingBuoyantRiserIsFatal) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", piercingRiserDataSet());
  const e2e::Run run = folder.run("M\nL\n4\n\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(diagnostics, "\n" + kPiercingRiser)) << diagnostics;
  EXPECT_TRUE(contains(diagnostics, " >>> Data checks: 1 warning(s) and 1 fatal warning(s).\n")) << diagnostics;
  EXPECT_TRUE(contains(run.out, " ++> Silent execution stopped: 1 warning(s) and 1 fatal warning(s)")) << run.out;
  EXPECT_FALSE(contains(diagnostics, ">>> Computing Salm")) << diagnostics;

  e2e::Folder runner;
  runner.writeFile("SALMDAT", piercingRiserDataSet());
  const e2e::Run analysis = runner.runAnalysis();
  ASSERT_FALSE(analysis.timedOut);
  EXPECT_EQ(analysis.status, 1);
  EXPECT_EQ(analysis.err, kPiercingRiser);
  EXPECT_EQ(runner.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));
}

}  // namespace
}  // namespace qv

// Pages 17 and 18, the output options, driven with typed replies: their screens, which items they
// show for which data set, the toggles (at once, or asked in a batch session), the storm duration,
// the report device and the codes they hand to the sequencer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "editor/page_cases.h"
#include "support/checks.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::inBatch;
using testing_support::ipagIs;
using testing_support::kSelectionPrompt;
using testing_support::PageCase;
using testing_support::runPageCases;
using testing_support::toggleAsked;

// The output options as a new data set has them, editing on the screen.
void newDataSet() {
  resetAllBlocks();
  Tpcm& t = TPCM;
  t.EDUNIT = kScreenUnit;
  t.STAMOT = t.LTABL = t.LOFFST = t.LOWMOT = t.LDYN = t.LODNET = 1;
  t.LQUAS = 1;
  t.LRANDM = 1;
  t.PRNRAO = 1;
  t.IUNIT = 1;
  t.DURATN = 1.0f;
}

// Shows page 17 or 18 with the typed script (all of it read) and returns the screen.
std::string showPage17(const std::string& typed) {
  return testing_support::typeOnPage([] { SLMOUT("17"); }, typed);
}
std::string showPage18(const std::string& typed) {
  return testing_support::typeOnPage([] { SLMOT2("18"); }, typed);
}

// The item numbers a screen shows, from the lines that begin with a number and ")".
std::vector<int> itemsShown(const std::string& screen) {
  std::vector<int> items;
  std::size_t from = 0;
  while (from < screen.size()) {
    std::size_t end = screen.find('\n', from);
    if (end == std::string::npos) end = screen.size();
    const std::string line = screen.substr(from, end - from);
    const std::size_t close = line.find(')');
    if (close != std::string::npos && close > 0 && close <= 3) {
      const std::string number = line.substr(0, close);
      if (number.find_first_not_of(' ') != std::string::npos &&
          number.find_first_not_of(" 0123456789") == std::string::npos)
        items.push_back(std::stoi(number));
    }
    from = end + 1;
  }
  return items;
}

class OutputOptions1 : public testing_support::FreshRun {};
class OutputOptions2 : public testing_support::FreshRun {};

TEST_F(OutputOptions1, ScreenOfANewDataSet) {
  newDataSet();
  const std::string expected =
      "\f                   ****  Page 17: Output options 1 ****\n"
      "\n"
      "\n"
      "  1) Output static offset and Salm mass data ................... Yes  \n"
      "  2) Output static load interpolation table .................... Yes  \n"
      "  3) Output static loads at prescribed offsets ................. Yes  \n"
      "  4) Output low-frequency motions/loads data ................... Yes  \n"
      "\n"
      "  5) Simulate wave-frequency dynamics .......................... Yes  \n"
      "\n"
      "  6) Output position RAOs at free joints ....................... No   \n"
      "  7) Output Angle RAOs for articulated members ................. No   \n"
      "  8) Output net load variation RAOs at free joints ............. Yes  \n"
      " 12) Use << Salm-Plane >> Coordinates for load decomposition\n"
      "\n"
      "++> Begin Version 5.x Flags\n"
      "\n"
      "34) Use \"Legacy\" peak low-frequency motion and loads model .... No \n"
      "35) Exclude wave absorption damping and excitation ............ No \n"
      "37) Force Gaussian peak factors for low-frequency motions ..... No \n"
      "\n"
      "++> End Version 5.x Flags\n"
      "\n"
      "\n"
      "51) Storm duration (hours) for peak motion/load statistics.....  1.00\n" +
      std::string(kSelectionPrompt);
  EXPECT_EQ(showPage17("\n"), expected);
}

TEST_F(OutputOptions1, WordsOfTheFlags) {
  newDataSet();
  TPCM.OUTCRD = 1;
  TPCM.LCURNT = 1;
  TPCM.LEGDFC = 1;
  TPCM.FORCE_GAUSS = 2;
  TPCM.DURATN = 3.25f;
  const std::string screen = showPage17("\n");
  EXPECT_TRUE(contains(screen, "\n 12) Use <<Member-fixed>> Coordinates for load decomposition\n")) << screen;
  EXPECT_TRUE(contains(screen, "\n33) Use \"Legacy\" current-wave drift force interaction model ... Yes\n")) << screen;
  EXPECT_TRUE(contains(screen, "\n37) Force Gaussian peak factors for low-frequency motions ..... Awk\n")) << screen;
  EXPECT_TRUE(contains(screen, "statistics.....  3.25\n")) << screen;
}

TEST_F(OutputOptions1, ItemsShownForTheDataSet) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::vector<int> items;
  };
  const Case cases[] = {
      {"new data set", [] {}, {1, 2, 3, 4, 5, 6, 7, 8, 12, 34, 35, 37, 51}},
      {"no static output, no dynamics", [] { TPCM.STAMOT = 0, TPCM.LQUAS = 0; }, {1, 4, 5, 6, 7, 8, 12, 34, 35, 37, 51}},
      {"no low-frequency dynamics", [] { TPCM.LQUAS = 0; }, {1, 2, 3, 12, 34, 35, 37, 51}},
      {"free SALM", [] { TPCM.FRESLM = 1, TPCM.LQUAS = 0; }, {1, 2, 3, 5, 6, 7, 8, 12, 34, 35, 37, 51}},
      {"no wave-frequency dynamics", [] { TPCM.LDYN = 0; }, {1, 2, 3, 4, 5, 12, 34, 35, 37, 51}},
      {"current and waves", [] { TPCM.LCURNT = 1; }, {1, 2, 3, 4, 5, 6, 7, 8, 12, 33, 34, 35, 37, 51}},
      {"current and swell only", [] { TPCM.LCURNT = 1, TPCM.LRANDM = 0, TPCM.LSWELL = 1; },
       {1, 2, 3, 4, 5, 6, 7, 8, 12, 33, 34, 35, 37, 51}},
      {"current, no waves", [] { TPCM.LCURNT = 1, TPCM.LRANDM = 0; }, {1, 2, 3, 4, 5, 6, 7, 8, 12, 37, 51}},
      {"a switch other than 1 is not on", [] { TPCM.LCURNT = 2, TPCM.LRANDM = 2; }, {1, 2, 3, 4, 5, 6, 7, 8, 12, 37, 51}},
  };
  for (const Case& c : cases) {
    newDataSet();
    c.prepare();
    EXPECT_EQ(itemsShown(showPage17("\n")), c.items) << c.what;
  }
}

TEST_F(OutputOptions1, Edits) {
  const PageCase cases[] = {
      {"static output off", "1\n\n", [] {}, [] { EXPECT_EQ(TPCM.STAMOT, 0); }},
      {"load table off", "2\n\n", [] {}, [] { EXPECT_EQ(TPCM.LTABL, 0); }},
      // Hidden items 2 and 4 to 8 still toggle.
      {"load table toggles while hidden", "2\n\n", [] { TPCM.STAMOT = 0; }, [] { EXPECT_EQ(TPCM.LTABL, 0); }},
      {"offset loads toggle while hidden", "3\n\n", [] { TPCM.STAMOT = 0; }, [] { EXPECT_EQ(TPCM.LOFFST, 0); }},
      {"low-frequency output toggles while hidden", "4\n\n", [] { TPCM.LQUAS = 0; }, [] { EXPECT_EQ(TPCM.LOWMOT, 0); }},
      {"dynamics toggle while hidden", "5\n\n", [] { TPCM.LQUAS = 0; }, [] { EXPECT_EQ(TPCM.LDYN, 0); }},
      {"position RAOs toggle while hidden", "6\n\n", [] { TPCM.LDYN = 0; }, [] { EXPECT_EQ(TPCM.LPOSN, 1); }},
      {"angle RAOs", "7\n\n", [] {}, [] { EXPECT_EQ(TPCM.LANGLE, 1); }},
      {"net load RAOs", "8\n\n", [] {}, [] { EXPECT_EQ(TPCM.LODNET, 0); }},
      {"a flag of 2 toggles to 0", "1\n\n", [] { TPCM.STAMOT = 2; }, [] { EXPECT_EQ(TPCM.STAMOT, 0); }},
      {"load axes", "12\n\n", [] {}, [] { EXPECT_EQ(TPCM.OUTCRD, 1); }},
      {"load axes back", "12\n\n", [] { TPCM.OUTCRD = 1; }, [] { EXPECT_EQ(TPCM.OUTCRD, 0); }},
      {"legacy drift interaction with current", "33\n\n", [] { TPCM.LCURNT = 1; }, [] { EXPECT_EQ(TPCM.LEGDFC, 1); }},
      {"legacy drift interaction with current but no waves (hidden)", "33\n\n",
       [] { TPCM.LCURNT = 1, TPCM.LRANDM = 0; }, [] { EXPECT_EQ(TPCM.LEGDFC, 1); }},
      {"legacy drift interaction without current", "33\n\n", [] {}, [] { EXPECT_EQ(TPCM.LEGDFC, 0); }},
      {"legacy peaks while hidden", "34\n\n", [] { TPCM.LRANDM = 0; }, [] { EXPECT_EQ(TPCM.LEGPKF, 1); }},
      {"no wave absorption while hidden", "35\n\n", [] { TPCM.LRANDM = 0; }, [] { EXPECT_EQ(TPCM.LEGDRG, 1); }},
      {"Gaussian peaks", "37\n\n", [] {}, [] { EXPECT_EQ(TPCM.FORCE_GAUSS, 1); }},
      {"storm duration", "51\n6.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.DURATN, 6.5f); }},
      {"storm duration, no bound", "51\n-2\n\n", [] {}, [] { EXPECT_EQ(TPCM.DURATN, -2.0f); }},
      {"storm duration, blank keeps", "51\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.DURATN, 1.0f); },
       kSelectionPrompt + std::string("51) Storm duration (hours) for peak motion/load statistics.....  1.00\n"
                                      " Enter new value: \f")},
      {"storm duration, a letter keeps", "51\nb\n\n", [] {}, [] { EXPECT_EQ(TPCM.DURATN, 1.0f); }},
      {"no such item", "9\n36\n\n", [] {}, [] { EXPECT_EQ(TPCM.STAMOT, 1); }},
      {"help, then the page again", "?\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.STAMOT, 1); }},
  };
  runPageCases(cases, newDataSet, showPage17);
}

// A batch-modify session asks for the new state: 1 or 0, anything else keeps the flag.
TEST_F(OutputOptions1, BatchSessionAsks) {
  const std::string yesNo = toggleAsked("Yes", "No") + "\f";
  const std::string axes = toggleAsked("Member-fixed", "Salm-plane") + "\f";
  const auto stamot = [](std::int32_t v) { return [v] { EXPECT_EQ(TPCM.STAMOT, v); }; };
  const auto outcrd = [](std::int32_t v) { return [v] { EXPECT_EQ(TPCM.OUTCRD, v); }; };
  const PageCase cases[] = {
      {"0", "1\n0\n\n", [] {}, stamot(0), yesNo},  {"1", "1\n1\n\n", [] {}, stamot(1), yesNo},
      {"blank", "1\n\n\n", [] {}, stamot(1), yesNo}, {"5", "1\n5\n\n", [] {}, stamot(1), yesNo},
      {"B", "1\nb\n\n", [] {}, stamot(1), yesNo},    {"axes 1", "12\n1\n\n", [] {}, outcrd(1), axes},
      {"axes 0", "12\n0\n\n", [] {}, outcrd(0), axes},
  };
  runPageCases(cases, inBatch(newDataSet), showPage17);
}

TEST_F(OutputOptions1, CodesForTheSequencer) {
  const PageCase cases[] = {
      {"blank", "\n", [] { TPCM.IPAG = -5; }, ipagIs(-5)},
      {"B", "b\n", [] {}, ipagIs(0), "", kNavBack},
      {"J4", "j4\n", [] {}, ipagIs(4), "", kNavJump},
      {"E", "e\n", [] {}, ipagIs(0), "", kNavExecute},
      {"beyond the last item", "52\n", [] {}, ipagIs(2), "", 52},
  };
  runPageCases(cases, newDataSet, showPage17);
}

TEST_F(OutputOptions1, ListingWritesThePageOnce) {
  newDataSet();
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  const std::string screen = showPage17("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 2);
  EXPECT_TRUE(screen.starts_with("                   ****  Page 17: Output options 1 ****\n")) << screen;
  EXPECT_TRUE(screen.ends_with("statistics.....  1.00\n\n\n\n")) << screen;
}

TEST_F(OutputOptions2, ScreenWithEveryItem) {
  newDataSet();
  Tpcm& t = TPCM;
  t.LSPRED = 1;
  t.ONETWO = 1;
  t.SMPDRG = 1;
  t.AUXVSH = 1;
  t.NBUG0 = 1;
  t.IUNIT = kScreenUnit;
  const std::string expected =
      "\f                   ****  Page 18: Output options 2 ****\n"
      "\n"
      "  1) Use <<one>> standard deviation (sigma) statistical output values\n"
      "  2) Utilize simplified member drag model ....................... Yes  \n"
      "  3) Output RAOs for principal wave directions .................. Yes  \n"
      "  4) Output RAOs at all intermediate angles (spread sea case) ... No   \n"
      "  5) Substitute spectral densities for RAO output ............... No   \n"
      "  7) Output vessel motions summary .............................. Yes  \n"
      "  9) User-supplied vessel wave-frequency RAO data ............... Yes  \n"
      "\n"
      " 11) Create plotter file ........................................ No   \n"
      "\n"
      " 12) Debug option is on\n"
      " 13) Output goes to Console\n" +
      std::string(kSelectionPrompt);
  EXPECT_EQ(showPage18("\n"), expected);
}

TEST_F(OutputOptions2, ItemsShownForTheDataSet) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::vector<int> items;
  };
  const Case cases[] = {
      {"new data set", [] {}, {1, 2, 3, 5, 7, 9, 11, 12, 13}},
      {"spread sea", [] { TPCM.LSPRED = 1; }, {1, 2, 3, 4, 5, 7, 9, 11, 12, 13}},
      {"spread sea, no principal RAOs", [] { TPCM.LSPRED = 1, TPCM.PRNRAO = 0; }, {1, 2, 3, 7, 9, 11, 12, 13}},
      {"free SALM", [] { TPCM.LQUAS = 0, TPCM.FRESLM = 1, TPCM.LSPRED = 1; }, {1, 2, 3, 5, 11, 12, 13}},
      {"no wave-frequency dynamics", [] { TPCM.LDYN = 0; }, {1, 11, 12, 13}},
      {"no dynamics at all", [] { TPCM.LQUAS = 0; }, {11, 12, 13}},
      {"reports to a printer", [] { TPCM.IUNIT = kPrinterUnit; }, {1, 2, 3, 5, 7, 9, 11, 12}},
  };
  for (const Case& c : cases) {
    newDataSet();
    c.prepare();
    EXPECT_EQ(itemsShown(showPage18("\n")), c.items) << c.what;
  }
}

TEST_F(OutputOptions2, WordsOfTheOptions) {
  struct Case {
    std::function<void()> prepare;
    const char* line;
  };
  const Case cases[] = {
      {[] {}, "\n  1) Use <<two>> standard deviation (sigma) statistical output values\n"},
      {[] { TPCM.ONETWO = 2; }, "\n  1) Use <<one>> standard deviation"},
      {[] {}, "\n  7) Output vessel motions summary .............................. Yes  \n"},
      {[] { TPCM.NEGSUM = 1; }, "\n  7) Output vessel motions summary .............................. No   \n"},
      {[] { TPCM.NEGSUM = 2; }, "\n  7) Output vessel motions summary .............................. No   \n"},
      {[] { TPCM.IPLOTS = 2; }, "\n 11) Create plotter file ........................................ Awk  \n"},
      {[] {}, "\n 12) Debug option is off\n"},
      {[] {}, "\n 13) Output goes to Disk, on logged drive\n"},
      {[] { TPCM.IDRIVE = 'D'; }, "\n 13) Output goes to Disk, on drive D\n"},
  };
  for (const Case& c : cases) {
    newDataSet();
    c.prepare();
    const std::string screen = showPage18("\n");
    EXPECT_TRUE(contains(screen, c.line)) << c.line << "\n" << screen;
  }
}

TEST_F(OutputOptions2, Edits) {
  const PageCase cases[] = {
      {"one sigma", "1\n\n", [] {}, [] { EXPECT_EQ(TPCM.ONETWO, 1); }},
      {"one sigma while hidden", "1\n\n", [] { TPCM.LQUAS = 0; }, [] { EXPECT_EQ(TPCM.ONETWO, 1); }},
      {"simplified drag", "2\n\n", [] {}, [] { EXPECT_EQ(TPCM.SMPDRG, 1); }},
      {"simplified drag while hidden", "2\n\n", [] { TPCM.LDYN = 0; }, [] { EXPECT_EQ(TPCM.SMPDRG, 1); }},
      {"principal RAOs", "3\n\n", [] {}, [] { EXPECT_EQ(TPCM.PRNRAO, 0); }},
      {"spread-sea RAOs while hidden", "4\n\n", [] {}, [] { EXPECT_EQ(TPCM.ALLRAO, 1); }},
      {"spectra for RAOs", "5\n\n", [] {}, [] { EXPECT_EQ(TPCM.SPECFG, 1); }},
      {"vessel summary off", "7\n\n", [] {}, [] { EXPECT_EQ(TPCM.NEGSUM, 1); }},
      {"vessel summary on", "7\n\n", [] { TPCM.NEGSUM = 1; }, [] { EXPECT_EQ(TPCM.NEGSUM, 0); }},
      {"vessel summary from 2 (shown as No) on", "7\n\n", [] { TPCM.NEGSUM = 2; }, [] { EXPECT_EQ(TPCM.NEGSUM, 0); }},
      {"user vessel RAOs while hidden", "9\n\n", [] { TPCM.FRESLM = 1; }, [] { EXPECT_EQ(TPCM.AUXVSH, 1); }},
      {"plot file", "11\n\n", [] {}, [] { EXPECT_EQ(TPCM.IPLOTS, 1); }},
      {"plot file with header off", "11\n\n", [] { TPCM.IPLOTS = 2; }, [] { EXPECT_EQ(TPCM.IPLOTS, 0); }},
      {"debug on", "12\n\n", [] {}, [] { EXPECT_EQ(TPCM.NBUG0, 1); }},
      {"device console", "13\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.IUNIT, kScreenUnit); }},
      {"device disc", "13\n2\n\n", [] { TPCM.IUNIT = kScreenUnit; }, [] { EXPECT_EQ(TPCM.IUNIT, 1); }},
      {"device, blank keeps", "13\n\n\n", [] { TPCM.IUNIT = kPrinterUnit; }, [] { EXPECT_EQ(TPCM.IUNIT, kPrinterUnit); }},
      {"device, 3 keeps", "13\n3\n\n", [] {}, [] { EXPECT_EQ(TPCM.IUNIT, 1); }},
      {"device, a letter keeps", "13\nb\n\n", [] {}, [] { EXPECT_EQ(TPCM.IUNIT, 1); }},
      {"device, help then the choice", "13\n?\n\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.IUNIT, kScreenUnit); }},
      {"no such items", "6\n8\n10\n\n", [] {}, [] { EXPECT_EQ(TPCM.ONETWO, 0); }},
  };
  runPageCases(cases, newDataSet, showPage18);
}

TEST_F(OutputOptions2, DeviceSubPage) {
  newDataSet();
  const std::string screen = showPage18("13\n1\n\n");
  EXPECT_TRUE(contains(screen, kSelectionPrompt + std::string("\f\n\n\n 1) Console\n 2) Disc\n\n\n") +
                                   kSelectionPrompt + "\f                   ****  Page 18"))
      << screen;
  EXPECT_TRUE(contains(screen, "\n 13) Output goes to Console\n")) << "the page again, with the new device";
}

TEST_F(OutputOptions2, BatchSessionAsks) {
  const std::string yesNo = toggleAsked("Yes", "No") + "\f";
  const std::string sigma = toggleAsked("One", "Two") + "\f";
  const std::string debug = toggleAsked("On", "Off") + "\f";
  const PageCase cases[] = {
      // The summary question is asked in the sense of writing it.
      {"summary 1", "7\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.NEGSUM, 0); }, yesNo},
      {"summary 0", "7\n0\n\n", [] {}, [] { EXPECT_EQ(TPCM.NEGSUM, 1); }, yesNo},
      {"summary blank", "7\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.NEGSUM, 0); }, yesNo},
      {"sigma", "1\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.ONETWO, 1); }, sigma},
      {"debug 1", "12\n1\n\n", [] {}, [] { EXPECT_EQ(TPCM.NBUG0, 1); }, debug},
      {"debug 7", "12\n7\n\n", [] {}, [] { EXPECT_EQ(TPCM.NBUG0, 0); }, debug},
  };
  runPageCases(cases, inBatch(newDataSet), showPage18);
}

TEST_F(OutputOptions2, CodesForTheSequencer) {
  const PageCase cases[] = {
      {"blank", "\n", [] {}, [] {}},
      {"B", "b\n", [] {}, [] {}, "", kNavBack},
      {"S", "s\n", [] {}, [] {}, "", kNavSkip},
      {"beyond the last item", "14\n", [] {}, [] {}, "", 14},
  };
  runPageCases(cases, newDataSet, showPage18);
}

TEST_F(OutputOptions2, ListingLeavesOutTheDevice) {
  newDataSet();
  TPCM.LCOPY = 1;
  TPCM.EDUNIT = kScreenUnit;  // the listing unit's lines, written here on the screen
  TPCM.IUNIT = kScreenUnit;
  const std::string screen = showPage18("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_TRUE(screen.starts_with("                   ****  Page 18: Output options 2 ****\n")) << screen;
  EXPECT_TRUE(screen.ends_with(" 12) Debug option is off\n\n\n\n")) << screen;
  EXPECT_FALSE(contains(screen, " 13) ")) << screen;
}

}  // namespace
}  // namespace qv

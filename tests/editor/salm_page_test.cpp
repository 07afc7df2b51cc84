// Page 2, SALM information, driven with typed replies: its screen, its item edits and bounds, and
// the codes it hands to the sequencer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;

constexpr const char* kSelectionPrompt = " \n Enter number of selection (\"H\" for help): ";

// A data set as a new one starts on this page: one element, coefficients 1.0, 90 table points.
void newSalm() {
  resetAllBlocks();
  TPCM.EDUNIT = kScreenUnit;
  TPCM.NELEM = 1;
  TPCM.NTAB = 90;
  TPCM.IPIERC = 1;
  TPCM.COFMAS = 1.0f;
  TPCM.COFDMP = 1.0f;
  TPCM.COFMST.fill(1.0f);
  TPCM.COFDMT.fill(1.0f);
}

// Shows the page with the typed script and returns the screen.
std::string showPage(const std::string& typed) {
  ConsoleCapture console(typed);
  SALM("2");
  EXPECT_EQ(console.unread(), "") << typed;
  return console.screen();
}

const std::string kHeader = "\f                   ****  Page 2: Salm information  ****\n";

class SalmPage : public testing_support::FreshRun {};

TEST_F(SalmPage, ScreenOfANewDataSet) {
  newSalm();
  TPCM.TLOAD = 250.0f;
  TPCM.WPAPRC = 78.54f;
  const std::string expected = kHeader +
                               "  1) Number of Salm elements (Max 40) ............  1\n"
                               "  2) Maximum horizontal load on Salm .............     250.00 kips           \n"
                               "  3) Offset increment for static offset table ....       0.00 feet           \n"
                               "  4) Number of points in interpolation table ..... 90\n"
                               "  5) Water plane area of water-piercing element ..      78.54 square feet  \n"
                               "  6) Salm element that pierces water .............  1\n"
                               "  7) Reset default added mass coefficient .........      1.00\n"
                               "  8) Reset default square-law drag coefficient ....      1.00\n" +
                               kSelectionPrompt;
  EXPECT_EQ(showPage("\n"), expected);
}

TEST_F(SalmPage, MetricLabelsAndNoElements) {
  newSalm();
  TPCM.NUNTS = 1;
  const std::string metric = showPage("\n");
  EXPECT_NE(metric.find("  2) Maximum horizontal load on Salm .............       0.00 metric tons    \n"),
            std::string::npos);
  EXPECT_NE(metric.find("  5) Water plane area of water-piercing element ..       0.00 square meters\n"),
            std::string::npos);

  newSalm();
  TPCM.NELEM = 0;
  const std::string none = showPage("\n");
  EXPECT_NE(none.find(" 4) Number of points"), std::string::npos);
  EXPECT_EQ(none.find(" 5) "), std::string::npos) << "items 5 to 8 are shown only with elements";
  EXPECT_EQ(none.find(" 8) "), std::string::npos);
}

TEST_F(SalmPage, ItemEditsAndBounds) {
  struct Case {
    const char* what;
    std::string typed;  // ends with the blank reply that leaves the page
    std::function<void()> prepare;
    std::function<void()> check;
  };
  const Case cases[] = {
      {"elements", "1\n12\n\n", [] {}, [] { EXPECT_EQ(TPCM.NELEM, 12); }},
      {"elements held at 40", "1\n55\n\n", [] {}, [] { EXPECT_EQ(TPCM.NELEM, 40); }},
      {"elements, a letter is 0", "1\nx\n\n", [] {}, [] { EXPECT_EQ(TPCM.NELEM, 0); }},
      {"elements, B is 0", "1\nb\n\n", [] {}, [] { EXPECT_EQ(TPCM.NELEM, 0); }},
      {"elements, blank keeps", "1\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.NELEM, 1); }},
      {"elements, a negative number is 0", "1\n-7\n\n", [] {}, [] { EXPECT_EQ(TPCM.NELEM, 0); }},
      {"maximum load", "2\n1250.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.TLOAD, 1250.5f); }},
      {"maximum load, unreadable keeps", "2\nabc\n\n", [] { TPCM.TLOAD = 3.0f; },
       [] { EXPECT_EQ(TPCM.TLOAD, 3.0f); }},
      {"offset increment", "3\n2.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.OFFINC, 2.5f); }},
      {"table points", "4\n45\n\n", [] {}, [] { EXPECT_EQ(TPCM.NTAB, 45); }},
      {"table points held at 90", "4\n120\n\n", [] {}, [] { EXPECT_EQ(TPCM.NTAB, 90); }},
      {"waterplane area", "5\n78.5\n\n", [] {}, [] { EXPECT_EQ(TPCM.WPAPRC, 78.5f); }},
      {"waterplane area without elements", "5\n10\n\n", [] { TPCM.NELEM = 0; },
       [] { EXPECT_EQ(TPCM.WPAPRC, 10.0f); }},
      {"piercing element", "6\n3\n\n", [] {}, [] { EXPECT_EQ(TPCM.IPIERC, 3); }},
      // No bound: the value is stored as typed, a letter as its code.
      {"piercing element unbounded", "6\n77\n\n", [] {}, [] { EXPECT_EQ(TPCM.IPIERC, 77); }},
      {"piercing element, a letter", "6\nj\n\n", [] {}, [] { EXPECT_EQ(TPCM.IPIERC, kNavJump); }},
      {"no such item", "9\n\n", [] {}, [] { EXPECT_EQ(TPCM.NELEM, 1); }},
      {"help, then the page again", "?\n\n\n", [] {}, [] { EXPECT_EQ(TPCM.LBACK, 0); }},
  };
  for (const Case& c : cases) {
    newSalm();
    c.prepare();
    showPage(c.typed);
    SCOPED_TRACE(c.what);
    c.check();
    EXPECT_EQ(TPCM.LBACK, 0);
  }
}

TEST_F(SalmPage, DefaultCoefficientsSpreadOverAllFortyElements) {
  struct Case {
    std::string typed;
    float cofmas, cofdmp, mst, dmt;  // defaults, then every element's coefficients
  };
  const Case cases[] = {
      {"7\n1.5\n\n", 1.5f, 1.0f, 1.5f, 0.3f},
      {"8\n0.7\n\n", 1.0f, 0.7f, 0.3f, 0.7f},
      {"7\n\n\n", 1.0f, 1.0f, 0.3f, 0.3f},     // blank: nothing replaced
      {"8\nabc\n\n", 1.0f, 1.0f, 0.3f, 0.3f},  // unreadable: nothing replaced
  };
  for (const Case& c : cases) {
    newSalm();
    TPCM.NELEM = 3;  // elements beyond NELEM take the new default too
    TPCM.COFMST.fill(0.3f);
    TPCM.COFDMT.fill(0.3f);
    const std::string screen = showPage(c.typed);
    EXPECT_EQ(TPCM.COFMAS, c.cofmas) << c.typed;
    EXPECT_EQ(TPCM.COFDMP, c.cofdmp) << c.typed;
    for (int i = 1; i <= 40; ++i) {
      ASSERT_EQ(TPCM.COFMST(i), c.mst) << c.typed << " element " << i;
      ASSERT_EQ(TPCM.COFDMT(i), c.dmt) << c.typed << " element " << i;
    }
  }
  newSalm();
  const std::string screen = showPage("8\n\n\n");
  EXPECT_NE(screen.find(kSelectionPrompt + std::string("\n Current default elemental square-law drag coefficient =   1.00\n"
                                                       "\n Enter new value (<RETURN> to abort replacement): \f")),
            std::string::npos)
      << screen;
}

TEST_F(SalmPage, ValuePromptsRepeatTheItemLine) {
  newSalm();
  std::string screen = showPage("1\n\n\n");
  EXPECT_NE(screen.find(kSelectionPrompt + std::string("  1) Number of Salm elements (Max 40) ............  1\n"
                                                       " Enter new value: \f")),
            std::string::npos)
      << screen;
  newSalm();
  screen = showPage("4\n\n\n");
  EXPECT_NE(screen.find(kSelectionPrompt + std::string(" Interpolation table size (Max 90): 90\n Enter new value: \f")),
            std::string::npos)
      << screen;
}

TEST_F(SalmPage, WholeSystemSubmergedHasNoPiercingElement) {
  struct Case {
    std::int32_t wetyok, nelem, ipierc;
  };
  const Case cases[] = {{4, 5, 2}, {5, 5, 6}, {6, 3, 4}, {5, 0, 2}};  // not shown without elements
  for (const Case& c : cases) {
    newSalm();
    TPCM.WETYOK = c.wetyok;
    TPCM.NELEM = c.nelem;
    TPCM.IPIERC = 2;
    showPage("\n");
    EXPECT_EQ(TPCM.IPIERC, c.ipierc) << c.wetyok << " " << c.nelem;
  }
}

// Page 2 shows the piercing element that names none, 0 or the element past the last (which it sets
// under options 7 and 8), as none; and the README describes that line as the page shows it.
TEST_F(SalmPage, PiercingElementOfNoneIsShownAsNone) {
  struct Case {
    std::int32_t wetyok, nelem, ipierc;
    const char* shown;
  };
  const Case cases[] = {
      {5, 2, 0, "  6) Salm element that pierces water .............  3 (none)\n"},
      {6, 2, 1, "  6) Salm element that pierces water .............  3 (none)\n"},
      {0, 2, 0, "  6) Salm element that pierces water .............  0 (none)\n"},
      {0, 2, 3, "  6) Salm element that pierces water .............  3 (none)\n"},
      {0, 2, 2, "  6) Salm element that pierces water .............  2\n"},
      {0, 2, 4, "  6) Salm element that pierces water .............  4\n"},  // refused by the run's checks
  };
  for (const Case& c : cases) {
    newSalm();
    TPCM.WETYOK = c.wetyok;
    TPCM.NELEM = c.nelem;
    TPCM.IPIERC = c.ipierc;
    const std::string screen = showPage("\n");
    EXPECT_NE(screen.find(c.shown), std::string::npos) << c.wetyok << " " << c.ipierc << "\n" << screen;
  }
  // The README quotes the item's value under option 7 for two elements, its words wrapped anywhere.
  std::ifstream in(std::filesystem::path(QV_SOURCE_DIR) / "README.md");
  std::string readme;
  for (std::string word; in >> word;) readme += word + " ";
  const std::string shown = std::string(cases[0].shown);
  const std::size_t first = shown.find_first_not_of(' ', shown.rfind('.') + 1);
  const std::string value = shown.substr(first, shown.size() - first - 1);  // the value, without the line end
  EXPECT_NE(readme.find("page 2, once drawn, names none as the element past the last (\"" + value +
                        "\" for a column of two elements)"),
            std::string::npos)
      << value;
}

TEST_F(SalmPage, CodesForTheSequencer) {
  struct Case {
    const char* reply;
    std::int32_t lback, ipag;
  };
  const Case cases[] = {
      {"\n", 0, -5}, {"b\n", kNavBack, 0}, {"e\n", kNavExecute, 0}, {"j7\n", kNavJump, 7}, {"s\n", kNavSkip, 0},
      {"m\n", kNavM, 0},
  };
  for (const Case& c : cases) {
    newSalm();
    TPCM.IPAG = -5;
    const std::string screen = showPage(c.reply);
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.reply;
    EXPECT_EQ(TPCM.IPAG, c.ipag) << c.reply;
    EXPECT_EQ(screen.find('\f', 1), std::string::npos) << c.reply << ": drawn once";
  }
  // "H" shows the navigation summary and returns the help code: the sequencer draws the page again.
  newSalm();
  showPage("h\n\n");
  EXPECT_EQ(TPCM.LBACK, kNavHelp);
}

TEST_F(SalmPage, ListingWritesThePageOnce) {
  newSalm();
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  const std::string screen = showPage("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 2);
  EXPECT_TRUE(screen.starts_with(kHeader.substr(1))) << "no screen cleared: " << screen;
  EXPECT_TRUE(screen.ends_with("      1.00\n\n\n\n")) << "three empty lines for the second screen of a listing page";
}

}  // namespace
}  // namespace qv

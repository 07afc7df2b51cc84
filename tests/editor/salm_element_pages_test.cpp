// Page 3, more SALM information, driven with typed replies: the main page with the submergence
// map and the auxiliary tables, the element pages with copy, delete and insert, and the attachment
// pages.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "dataset/salm_elements.h"
#include "dataset/tpcm.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using qv::testing_support::contains;

using testing_support::ConsoleCapture;
using testing_support::screens;

constexpr const char* kSelectionPrompt = " \n Enter number of selection (\"H\" for help): ";

// The data of element i that copy, delete and insert move, in a comparable form: SLEN, BUOY, CBUOY,
// TMASS, CGSALM, IFREE, LOWER, GYRAD, COFMST, COFDMT (the order of forEachElementTable).
using Element = std::array<float, 10>;
Element element(int i) {
  Element e{};
  std::size_t k = 0;
  forEachElementTable([&](auto& table) { e[k++] = static_cast<float>(table(i)); });
  return e;
}
// Element i of the fixture: every value tells its element and its member.
Element fixtureElement(int i) {
  const float b = 100.0f * static_cast<float>(i);
  return {b + 1, b + 2, b + 3, b + 4, b + 5, static_cast<float>(i % 2), b + 6, b + 7, b + 8, b + 9};
}
const Element kEmpty = {};

// nelem elements (all 40 slots filled, so that moves show), yoke attachment, element 1 pierces.
void salmWith(int nelem) {
  resetAllBlocks();
  Tpcm& t = TPCM;
  t.EDUNIT = kScreenUnit;
  t.NELEM = nelem;
  t.NTAB = 90;
  t.IPIERC = 1;
  t.PNDARM = 1.0f;
  for (int i = 1; i <= 40; ++i) {
    const Element e = fixtureElement(i);
    std::size_t k = 0;
    forEachElementTable([&](auto& table) { table(i) = static_cast<std::decay_t<decltype(table(i))>>(e[k++]); });
    t.LMOMT(i) = 1000 + i;  // stays with the position
  }
}

std::string showPage(const std::string& typed) {
  ConsoleCapture console(typed);
  SALM2B("3");
  EXPECT_EQ(console.unread(), "") << typed;
  return console.screen();
}

const std::string kMainHeader = "                 ****  Page 3: More Salm information  ****\n";

class SalmElementPages : public testing_support::FreshRun {};

TEST_F(SalmElementPages, TheTablesThatMoveWithAnElement) {
  // Every table of an element's data, and not the moment switch, which stays with the position.
  std::vector<const void*> visited;
  forEachElementTable([&](auto& table) { visited.push_back(&table); });
  const std::vector<const void*> expected = {&TPCM.SLEN,   &TPCM.BUOY,  &TPCM.CBUOY, &TPCM.TMASS,  &TPCM.CGSALM,
                                             &TPCM.IFREE,  &TPCM.LOWER, &TPCM.GYRAD, &TPCM.COFMST, &TPCM.COFDMT};
  EXPECT_EQ(visited, expected);
}

TEST_F(SalmElementPages, MainPageScreen) {
  salmWith(1);
  const std::string expected = "\f" + kMainHeader +
                               " 1) Change statics/dynamics \"submergence\" option, currently:\n"
                               "\n"
                               "    2)  No above-water \"submergence\" for dynamics OR statics:\n"
                               "        \"DRY\" buoy top, \"DRY yoke\", <<FULL>> dynamic waterplane correction\n"
                               "10) Specify auxiliary lateral offset table ...... No \n"
                               "12) Specify auxiliary yaw offset table .......... No \n"
                               " Note: the next  1 pages consist of individual Salm element information.\n" +
                               kSelectionPrompt;
  EXPECT_EQ(showPage("b\n"), expected);

  salmWith(0);
  TPCM.WETYOK = 5;
  TPCM.AUXTBL = 1;
  TPCM.YAWTBL = 1;
  TPCM.EQLYAW = 15.0f;
  TPCM.YAWINC = 2.5f;
  const std::string withTables = "\f" + kMainHeader +
                                 " 1) Change statics/dynamics \"submergence\" option, currently:\n"
                                 "\n"
                                 "    7)  Total system \"submergence\" for dynamics AND statics as follows: \n"
                                 "        \"WET\" buoy top, \"WET yoke\",  <<NO>>  dynamic waterplane correction\n"
                                 "10) Specify auxiliary lateral offset table ...... Yes\n"
                                 "11) Input new auxiliary static offset table\n"
                                 "12) Specify auxiliary yaw offset table .......... Yes\n"
                                 "13) Equilibrium yaw angle (deg) .................      15.00\n"
                                 "14) Yaw increment to use in yaw table (deg) .....       2.50\n"
                                 "15) Input new auxiliary yaw offset table\n" +
                                 kSelectionPrompt;
  EXPECT_EQ(showPage("b\n"), withTables);
}

TEST_F(SalmElementPages, SubmergenceOptionFromTheMap) {
  struct Case {
    const char* reply;
    std::int32_t before, after;
  };
  const Case cases[] = {
      {"2", 3, 0}, {"5", 0, 3}, {"8", 0, 6}, {"9", 0, 6}, {"99", 2, 6},
      {"1", 3, 3}, {"0", 3, 3}, {"", 3, 3}, {"b", 3, 3}, {"x", 3, 3},
  };
  for (const Case& c : cases) {
    salmWith(2);
    TPCM.WETYOK = c.before;
    const std::string screen = showPage("4\n" + std::string(c.reply) + "\nb\n");
    EXPECT_EQ(TPCM.WETYOK, c.after) << c.reply;
    EXPECT_EQ(TPCM.LBACK, kNavBack) << c.reply << ": back on the main page, then B";
    EXPECT_TRUE(contains(screen, "\f      ********* Buoy Top/Yoke Submergence Options Map   *********\n")) << c.reply;
  }
  // Without elements the items 1 to 9 only redraw the page.
  salmWith(0);
  TPCM.WETYOK = 3;
  const std::string screen = showPage("4\nb\n");
  EXPECT_FALSE(contains(screen, "Options Map"));
  EXPECT_EQ(screens(screen).size(), 3u);
}

TEST_F(SalmElementPages, MapShowsEveryOption) {
  salmWith(1);
  const std::string screen = showPage("1\n?\n\n\nb\n");
  const std::vector<std::string> shown = screens(screen);
  ASSERT_EQ(shown.size(), 6u) << "main, map, no-help, map again, main";
  EXPECT_TRUE(contains(shown[3], " ++> Sorry, no help for this page..."));
  for (const char* row : {"|   2    |", "|   5    |", "|   8    |"}) EXPECT_TRUE(contains(shown[2], row)) << row;
}

TEST_F(SalmElementPages, MainPageNavigation) {
  struct Case {
    const char* what;
    int nelem;
    std::string typed;
    std::int32_t lback;
    std::size_t screensShown;
  };
  const Case cases[] = {
      {"no elements: a blank reply returns at once", 0, "\n", 0, 2},
      {"B returns to page 2", 3, "b\n", kNavBack, 2},
      {"J5 goes to the sequencer", 3, "j5\n", kNavJump, 2},
      {"a number above 15 goes to the elements", 1, "20\n\n", 1, 3},
      {"the elements one after another", 3, "\n\n\n\n", 1, 5},
      {"B walks back to the main page", 3, "\n\n\nb\nb\nb\nb\n", kNavBack, 8},
      {"help shows the no-help screen", 0, "?\n\n\n", 0, 4},
  };
  for (const Case& c : cases) {
    salmWith(c.nelem);
    const std::string screen = showPage(c.typed);
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.what;
    EXPECT_EQ(screens(screen).size(), c.screensShown) << c.what;
  }
  salmWith(3);
  showPage("j5\n");
  EXPECT_EQ(TPCM.IPAG, 5);
}

TEST_F(SalmElementPages, ElementPageScreen) {
  salmWith(3);
  TPCM.IFREE(2) = 1;
  TPCM.LMOMT(2) = 1;
  const std::vector<std::string> shown = screens(showPage("\n\ne\n"));
  ASSERT_EQ(shown.size(), 4u);
  const std::string expected =
      "  1) Element number:  2 of  3\n"
      "\n"
      "  2) Element length .......................     201.00 feet           \n"
      "  3) Total volume .........................     202.00 cubic feet           \n"
      "  4) Centroid of volume (from lower end) ..     203.00 feet           \n"
      "  5) Total dry weight of element ..........     204.00 kips           \n"
      "  6) Center of gravity (from lower end) ...     205.00 feet           \n"
      "  7) Constraint at lower joint ............ free to rotate\n"
      "  8) Gyradius of element ..................     207.00 feet           \n"
      "  9) Added mass coefficient of element ....     208.00\n"
      " 10) Effective drag coefficient of element      209.00\n"
      " 11) Compute bending moment at top of element: Yes\n"
      "\n"
      " 12) Copy another element, Delete or Insert an element\n" +
      std::string(kSelectionPrompt);
  EXPECT_EQ(shown[3], expected);
  EXPECT_EQ(TPCM.LBACK, kNavExecute);
}

TEST_F(SalmElementPages, HeadingsAndAttachmentItems) {
  struct Case {
    const char* what;
    int nelem;
    std::int32_t iarco, ipierc;
    std::vector<std::string> firstLines;  // of element 1's screen
    bool attachmentItems;
  };
  const Case cases[] = {
      {"one element that pierces the water", 1, 0, 1,
       {"--- Element attached to anchor ---", "", "--- Element attached to vessel ---", "",
        "--- Element that pierces water ---", "", "  1) Element number:  1 of  1"},
       true},
      {"a free SALM", 1, -1, 2,
       {"--- Element attached to anchor ---", "", "--- Topmost element ---", "", "  1) Element number:  1 of  1"},
       true},
      {"the first of two", 2, 0, 2, {"--- Element attached to anchor ---", "", "  1) Element number:  1 of  2"},
       false},
      // A piercing element outside 1..NELEM means none: no heading, no element indexed with it.
      {"a piercing element out of range", 1, 0, kNavJump,
       {"--- Element attached to anchor ---", "", "--- Element attached to vessel ---", "",
        "  1) Element number:  1 of  1"},
       true},
  };
  for (const Case& c : cases) {
    salmWith(c.nelem);
    TPCM.IARCO = c.iarco;
    TPCM.IPIERC = c.ipierc;
    const std::vector<std::string> shown = screens(showPage("\ne\n"));
    ASSERT_EQ(shown.size(), 3u) << c.what;
    std::string expected;
    for (const std::string& line : c.firstLines) expected += line + "\n";
    EXPECT_EQ(shown[2].substr(0, expected.size()), expected) << c.what;
    EXPECT_EQ(contains(shown[2], "\n 13) Type of attachment to vessel ......... "), c.attachmentItems) << c.what;
    EXPECT_EQ(contains(shown[2], "\n 14) Modify vessel attachment specifics\n"), c.attachmentItems && c.iarco != -1)
        << c.what;
  }
}

TEST_F(SalmElementPages, ElementItemEdits) {
  struct Case {
    std::string typed;  // on element 2 of 3
    std::function<void()> check;
  };
  const Case cases[] = {
      {"2\n12.5\n", [] { EXPECT_EQ(TPCM.SLEN(2), 12.5f); }},
      {"3\n300\n", [] { EXPECT_EQ(TPCM.BUOY(2), 300.0f); }},
      {"4\n4.5\n", [] { EXPECT_EQ(TPCM.CBUOY(2), 4.5f); }},
      {"5\n55\n", [] { EXPECT_EQ(TPCM.TMASS(2), 55.0f); }},
      {"6\n6.5\n", [] { EXPECT_EQ(TPCM.CGSALM(2), 6.5f); }},
      {"8\n8.5\n", [] { EXPECT_EQ(TPCM.GYRAD(2), 8.5f); }},
      {"9\n1.2\n", [] { EXPECT_EQ(TPCM.COFMST(2), 1.2f); }},
      {"10\n0.9\n", [] { EXPECT_EQ(TPCM.COFDMT(2), 0.9f); }},
      {"2\n\n", [] { EXPECT_EQ(TPCM.SLEN(2), 201.0f); }},
      {"2\nabc\n", [] { EXPECT_EQ(TPCM.SLEN(2), 201.0f); }},
      {"7\n", [] { EXPECT_EQ(TPCM.IFREE(2), 1); }},    // element 2 starts frozen; no question asked
      {"11\n", [] { EXPECT_EQ(TPCM.LMOMT(2), 0); }},   // 1002 is neither 0 nor 1: flipped to 0
      {"13\n", [] { EXPECT_EQ(TPCM.IARCO, 0); }},  // not the last element: the page again
      {"14\n", [] { EXPECT_EQ(TPCM.IARCO, 0); }},
      {"m\n", [] { EXPECT_EQ(element(2), fixtureElement(2)); }},
  };
  for (const Case& c : cases) {
    salmWith(3);
    // Main page, element 1, element 2; the edit; then E leaves.
    showPage("\n\n" + c.typed + "e\n");
    SCOPED_TRACE(c.typed);
    c.check();
    EXPECT_EQ(TPCM.LBACK, kNavExecute);
  }
}

TEST_F(SalmElementPages, TogglesAskInBatchMode) {
  salmWith(3);
  TPCM.IBATCH = 1;
  const std::string screen = showPage("\n\n7\n1\n11\n0\ne\n");
  EXPECT_EQ(TPCM.IFREE(2), 1);
  EXPECT_EQ(TPCM.LMOMT(2), 0);
  EXPECT_TRUE(contains(screen, " Enter 1 for \"Free\", 0 for \"Frozen\": "));
  EXPECT_TRUE(contains(screen, " Enter 1 for \"Yes\", 0 for \"No\": "));
}

TEST_F(SalmElementPages, ElementNumberItem) {
  struct Case {
    const char* reply;
    const char* shown;
  };
  const Case cases[] = {
      {"4", "  1) Element number:  4 of  5"}, {"99", "  1) Element number:  5 of  5"},
      {"0", "  1) Element number:  1 of  5"}, {"x", "  1) Element number:  1 of  5"},
      {"", "  1) Element number:  2 of  5"},
  };
  for (const Case& c : cases) {
    salmWith(5);
    const std::vector<std::string> shown = screens(showPage("\n\n1\n" + std::string(c.reply) + "\ne\n"));
    ASSERT_EQ(shown.size(), 5u) << c.reply;
    EXPECT_TRUE(contains(shown[4], c.shown)) << c.reply << "\n" << shown[4];
  }
}

TEST_F(SalmElementPages, CopyDeleteInsert) {
  struct Case {
    const char* what;
    std::string typed;  // on element 3 of 5
    std::function<Element(int)> expected;
  };
  auto unchanged = [](int i) { return fixtureElement(i); };
  const Case cases[] = {
      {"copy from element 1", "c\n1\n", [](int i) { return fixtureElement(i == 3 ? 1 : i); }},
      {"copy through item 12", "12\nc\n1\n", [](int i) { return fixtureElement(i == 3 ? 1 : i); }},
      {"copy from beyond NELEM takes the last", "c\n9\n", [](int i) { return fixtureElement(i == 3 ? 5 : i); }},
      {"copy, blank reply", "c\n\n", unchanged},
      {"copy, B reply", "c\nb\n", unchanged},
      {"copy, a negative number", "c\n-4\n", unchanged},
      // Element 5 then holds the former element 6; the last slot keeps its own data.
      {"delete element 3", "d\n", [](int i) { return fixtureElement(i >= 3 && i < 40 ? i + 1 : i); }},
      {"delete through item 12", "12\nd\n", [](int i) { return fixtureElement(i >= 3 && i < 40 ? i + 1 : i); }},
      {"insert at element 3", "i\n",
       [](int i) { return i == 3 ? kEmpty : fixtureElement(i > 3 ? i - 1 : i); }},
      {"insert through item 12", "12\ni\n",
       [](int i) { return i == 3 ? kEmpty : fixtureElement(i > 3 ? i - 1 : i); }},
      {"item 12, another letter", "12\nx\n", unchanged},
      {"item 12, not a letter", "12\n3\n", unchanged},
      {"item 12, blank", "12\n\n", unchanged},
  };
  for (const Case& c : cases) {
    salmWith(5);
    showPage("\n\n\n" + c.typed + "e\n");
    for (int i = 1; i <= 40; ++i) {
      ASSERT_EQ(element(i), c.expected(i)) << c.what << ", element " << i;
      ASSERT_EQ(TPCM.LMOMT(i), 1000 + i) << c.what << ": the moment switch stays with its position";
    }
    EXPECT_EQ(TPCM.NELEM, 5) << c.what;
  }
  // The prompts.
  salmWith(5);
  const std::string screen = showPage("\n\n12\nc\n2\ne\n");
  EXPECT_TRUE(contains(screen, kSelectionPrompt + std::string(" (C)opy, (D)elete, or (I)nsert? :  "
                                                                "Copy data from which element? : \f")))
      << screen;
}

TEST_F(SalmElementPages, InsertAtTheFirstElementClearsItsCoefficients) {
  salmWith(4);
  TPCM.COFMST.fill(1.0f);
  TPCM.COFDMT.fill(1.0f);
  showPage("\ni\ne\n");
  EXPECT_EQ(element(1), kEmpty);
  EXPECT_EQ(TPCM.SLEN(2), 101.0f);
  EXPECT_EQ(TPCM.SLEN(40), 3901.0f);
}

TEST_F(SalmElementPages, AttachmentType) {
  struct Case {
    const char* reply;
    std::int32_t before, after;
  };
  const Case cases[] = {
      {"1", 0, -1}, {"2", 1, 0}, {"3", 0, 1}, {"6", 0, 4}, {"9", 0, 4},
      {"", 2, 2},   {"0", 2, 2}, {"b", 2, 2}, {"e", 2, 2},
  };
  for (const Case& c : cases) {
    salmWith(1);
    TPCM.IARCO = c.before;
    const std::vector<std::string> shown = screens(showPage("\n13\n" + std::string(c.reply) + "\ne\n"));
    EXPECT_EQ(TPCM.IARCO, c.after) << c.reply;
    ASSERT_EQ(shown.size(), 5u) << c.reply << ": main, element, type, element again";
    EXPECT_EQ(shown[3],
              " ----  Type of attachment to vessel:  ----\n 1) Free Salm\n 2) Yoke\n 3) Rigid Hawser\n"
              " 4) Buoyant Riser\n 5) Pendular Mass\n 6) Spread Moor\n" +
                  std::string(kSelectionPrompt))
        << c.reply;
  }
  const char* names[] = {"Free Salm", "Yoke", "Rigid hawser", "Buoyant riser", "Pendular mass", "Spread moor",
                         "Free Salm"};
  for (std::int32_t iarco = -1; iarco <= 5; ++iarco) {
    salmWith(1);
    TPCM.IARCO = iarco;
    const std::string screen = showPage("\ne\n");
    EXPECT_TRUE(contains(screen, " 13) Type of attachment to vessel ......... " +
                                     std::string(names[iarco + 1]) + "\n"))
        << iarco;
  }
}

TEST_F(SalmElementPages, AttachmentPage) {
  salmWith(1);
  TPCM.IARCO = 0;
  TPCM.YOKEHT = 30.0f;
  const std::vector<std::string> shown = screens(showPage("\n14\n1\n42.5\n2\n-10\n3\n12\n\ne\n"));
  EXPECT_EQ(TPCM.YOKEHT, 42.5f);
  EXPECT_EQ(TPCM.XSALM, -10.0f);
  EXPECT_EQ(TPCM.PNDARM, 12.0f);
  EXPECT_EQ(TPCM.LBACK, kNavExecute);
  ASSERT_EQ(shown.size(), 8u) << "main, element, attachment four times, element";
  EXPECT_EQ(shown[3],
            "\n"
            " 1) Yoke to waterline height at vessel ..........      30.00 feet           \n"
            " 2) X-Coordinate of Salm attachment .............       0.00 feet           \n"
            " 3) Separation of attachment points .............       1.00 feet           \n" +
                std::string(kSelectionPrompt) + " Enter new value: ");

  // Only a yoke or a pendular mass has a separation: item 3 goes back to the element page.
  salmWith(1);
  TPCM.IARCO = 1;
  const std::vector<std::string> rigid = screens(showPage("\n14\n3\ne\n"));
  EXPECT_EQ(TPCM.PNDARM, 1.0f);
  ASSERT_EQ(rigid.size(), 5u);
  EXPECT_FALSE(contains(rigid[3], " 3) Separation"));

  // A navigation code there leaves the page for the sequencer.
  salmWith(1);
  TPCM.IARCO = 3;
  EXPECT_EQ(screens(showPage("\n14\nb\n")).size(), 4u);
  EXPECT_EQ(TPCM.LBACK, kNavBack);

  // A free SALM has no attachment page: item 14 redraws the element page.
  salmWith(1);
  TPCM.IARCO = -1;
  EXPECT_EQ(screens(showPage("\n14\ne\n")).size(), 4u);
}

TEST_F(SalmElementPages, ElementPageCodesForTheSequencer) {
  struct Case {
    const char* reply;
    std::int32_t lback;
  };
  const Case cases[] = {{"e", kNavExecute}, {"j12", kNavJump}, {"h", kNavHelp}, {"s", kNavSkip}, {"15", 15}};
  for (const Case& c : cases) {
    salmWith(3);
    showPage("\n\n" + std::string(c.reply) + "\n" + (c.lback == kNavHelp ? "\n" : ""));
    EXPECT_EQ(TPCM.LBACK, c.lback) << c.reply;
  }
}

TEST_F(SalmElementPages, AuxiliaryTablesHoldNinetyPointsWhateverNtab) {
  salmWith(1);
  TPCM.AUXTBL = 1;
  TPCM.YAWTBL = 1;
  TPCM.NTAB = 200;  // as a loaded file may hold
  // Auto repeat over the lateral table (start 1, increment 1), then the yaw table left at once.
  const std::string screen = showPage("11\n91\n1\n1\n\n15\n\nb\n");
  for (int i = 1; i <= 90; ++i) ASSERT_EQ(TPCM.AUXFOR(i), static_cast<float>(i)) << i;
  EXPECT_EQ(TPCM.AUXTRQ(1), 0.0f) << "the yaw table behind the lateral one is untouched";
  EXPECT_TRUE(contains(screen, "\f  --> Input Auxiliary Lateral Offset Force\n\n   1)      0.00"));
  EXPECT_TRUE(contains(screen, "\n  91) Auto repeat\n"));
  EXPECT_TRUE(contains(screen, "\f  --> Input Auxiliary Yaw Offset Torque\n"));
  EXPECT_FALSE(contains(screen, "  91)     ")) << "no row 91";

  // The tables are offered only when switched on.
  salmWith(1);
  TPCM.AUXTBL = 0;
  TPCM.YAWTBL = 0;
  EXPECT_EQ(screens(showPage("11\n13\n15\nb\n")).size(), 5u) << "each only redraws the page";
}

TEST_F(SalmElementPages, SwitchesAndYawValues) {
  salmWith(1);
  showPage("10\n12\n13\n7.5\n14\n0.5\nb\n");
  EXPECT_EQ(TPCM.AUXTBL, 1);
  EXPECT_EQ(TPCM.YAWTBL, 1);
  EXPECT_EQ(TPCM.EQLYAW, 7.5f);
  EXPECT_EQ(TPCM.YAWINC, 0.5f);
}

TEST_F(SalmElementPages, ElementCountBeyondTheTablesOfALoadedFile) {
  salmWith(1);
  TPCM.NELEM = 55;
  TPCM.IARCO = 1;
  // Element 55 does not exist: the pages stop at element 40, which is the last one shown.
  const std::vector<std::string> shown = screens(showPage("\n1\n55\n\n"));
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_TRUE(contains(shown[3], "  1) Element number: 40 of 55"));
  EXPECT_TRUE(contains(shown[3], " 13) Type of attachment to vessel ......... Rigid hawser"));
  EXPECT_EQ(TPCM.LBACK, 1);
}

TEST_F(SalmElementPages, ListingWritesEveryPartOnce) {
  salmWith(2);
  TPCM.IARCO = 0;
  TPCM.AUXTBL = 1;
  TPCM.NTAB = 3;
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  const std::string screen = showPage("");
  EXPECT_EQ(TPCM.LBACK, 0);
  EXPECT_EQ(TPCM.LCOPY, 6) << "main page, lateral table, two elements, attachment page";
  std::size_t at = 0;
  for (const char* part : {"Page 3: More Salm information", "--> Input Auxiliary Lateral Offset Force",
                           "Element number:  1 of  2", "Element number:  2 of  2", " 1) Yoke to waterline"}) {
    at = screen.find(part, at);
    EXPECT_NE(at, std::string::npos) << part;
  }
  EXPECT_FALSE(contains(screen, "Enter number of selection"));
}

}  // namespace
}  // namespace qv

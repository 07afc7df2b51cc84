#include "mooring/material_help.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::screens;

const std::string kSelect = " \n Enter number of selection (\"H\" for help): ";
const std::string kPause = "\n Press <RETURN> to continue: ";
const std::string kNotesTitle = "****  Material Properties Help Notes  ****\n";

const std::string kFacilityMenu =
    "****  Simulation Help Facility  ****\n"
    "\n"
    " 1) HELP with submerged weight per unit length...\n"
    " 2) HELP with breaking strength...\n"
    " 3) HELP with compliance coefficients...\n"
    " 4) HELP with dry weight per unit length...\n";
const std::string kTautWireLine = " 5) Fairlead subline length for specified tautwire tension...\n";

const std::string kLineTypeMenu =
    "\n"
    "        >>> Chain Types <<<\n"
    "\n"
    "  1) Stud-link chain (generic O.R.Q.; 1975)\n"
    "  2) Stud-link chain (Ramnas  O.R.Q.; 1994)\n"
    "  3) Studless Grade RQ4 Chain\n"
    "  4) Inextensible stud-link chain\n"
    "\n"
    "        >>> Wire Rope Types <<<\n"
    "\n"
    "  6) I.W.R.C. wire rope (O.R.Q.)\n"
    "  7) Brydon spiral strand wire rope (unsheathed)\n"
    "  8) Brydon spiral strand wire rope (unsheathed; remodeled 1995)\n"
    "\n"
    "        >>> Synthetic Rope Types <<<\n"
    "\n"
    " 11) Kevlar stranded rope (Samson)\n"
    " 12) Braided nylon rope (Samson \"two-in-one\")\n"
    " 13) Samson Nystron rope\n"
    " 14) 100% polyester braided rope\n"
    " 15) Monogrip 100% polypropylene rope\n"
    " 16) manilla rope\n"
    "\n";

// The values HELPUS may fill, each preset to a mark that shows whether it was written.
struct Results {
  float WETW = -1.0f;
  float DRYW = -2.0f;
  float BREAK = -3.0f;
  std::array<float, 3> A{-4.0f, -5.0f, -6.0f};
};

class MaterialHelp : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    TPCM.EDUNIT = kScreenUnit;
    TPCM.CREATR = 11;
  }

  // HELPUS for a diameter with the typed replies; the screen it wrote.
  static std::string run(float diameter, const std::string& typed, Results& r, std::int32_t lineType = 1) {
    ConsoleCapture console(typed);
    HELPUS(diameter, r.WETW, r.DRYW, r.BREAK, r.A.data(), lineType);
    EXPECT_EQ(console.unread(), "") << typed;
    return console.screen();
  }
};

// ---- The database ----

TEST_F(MaterialHelp, DatabaseEstimates) {
  // Each estimate fills only its own result. References (Python, double precision):
  //   breaking strength BC1 d^BC2 [kip], / 2.204 [t]; dry weight 0.001 WIA d^2 [kip/ft], metric
  //   0.001 WIA D^2 0.00231 [t/m] with D [mm]; submerged weight (SPG - WCOEFF) / SPG times the dry
  //   weight; coefficients ELAS(j) / TB^j [1/kip^j], metric times 2.204, 4.858, 10.706.
  const Results untouched;
  struct Case {
    const char* what;
    std::int32_t units;
    float diameter;
    const char* typed;
    Results expected;
  };
  const Case cases[] = {
      // 107.8 (76/25.4)**2 / 2.204 = 437.8919102665791
      {"metric 76 mm, row 1, strength", 1, 76.0f, "2\n1\n\n", {-1, -2, 437.8919102665791f, untouched.A}},
      // 0.001*10*76**2*0.00231 = 0.1334256; (7.82-1.025)/7.82*0.1334256 = 0.11593695038363172
      {"metric 76 mm, row 1, dry weight", 1, 76.0f, "4\n1\n\n", {-1, 0.1334256f, -3, untouched.A}},
      {"metric 76 mm, row 1, sea water", 1, 76.0f, "1\n3\n1\n\n", {0.11593695038363172f, -2, -3, untouched.A}},
      // (7.82-1)/7.82*0.1334256 = 0.11636350281329924; in air the dry weight
      {"metric 76 mm, row 1, fresh water", 1, 76.0f, "1\n2\n1\n\n", {0.11636350281329924f, -2, -3, untouched.A}},
      {"metric 76 mm, row 1, air", 1, 76.0f, "1\n1\n1\n\n", {0.1334256f, -2, -3, untouched.A}},
      // TB = 38.38*2**1.791 = 132.8157847386074: 0.811/TB, -0.584/TB**2, 0.154/TB**3; the strength of
      // the compliance item is not kept
      {"English 2 in, row 12, coefficients", 0, 2.0f, "3\n2\n12\n\n",
       {-1, -2, -3, {0.006106201921677578f, -3.3106514638344504e-05f, 6.573121241517477e-08f}}},
      // 0.00948/(107.8*2**2) = 2.1985157699443416e-05 and no higher terms (Hooke's law)
      {"English 2 in, row 1, coefficients", 0, 2.0f, "3\n2\n1\n\n", {-1, -2, -3, {2.1985157699443416e-05f, 0, 0}}},
      // 0.013/(91.9*4), 0.008868/(123.1*2**1.981), 0.0223/(60*4)
      {"row 6, coefficients", 0, 2.0f, "3\n2\n6\n\n", {-1, -2, -3, {3.53645266594124e-05f, 0, 0}}},
      {"row 7, coefficients", 0, 2.0f, "3\n2\n7\n\n", {-1, -2, -3, {1.8248501605627073e-05f, 0, 0}}},
      {"row 11, coefficients", 0, 2.0f, "3\n2\n11\n\n", {-1, -2, -3, {9.291666666666667e-05f, 0, 0}}},
      // The inextensible chain: no compliance, and the strength and weights of row 1
      // (107.8*4 = 431.2 kip, 0.001*10*4 = 0.04 kip/ft, (7.82-1.025)/7.82*0.04 = 0.03475703324808184)
      {"row 4, coefficients", 0, 2.0f, "3\n2\n4\n\n", {-1, -2, -3, {0, 0, 0}}},
      {"row 4, strength", 0, 2.0f, "2\n4\n\n", {-1, -2, 431.2f, untouched.A}},
      {"row 4, dry weight", 0, 2.0f, "4\n4\n\n", {-1, 0.04f, -3, untouched.A}},
      {"row 4, sea water", 0, 2.0f, "1\n3\n4\n\n", {0.03475703324808184f, -2, -3, untouched.A}},
      // Polypropylene floats: (0.9-1.025)/0.9*0.001*0.172*4 = -9.555555555555546e-05
      {"row 15, sea water", 0, 2.0f, "1\n3\n15\n\n", {-9.555555555555546e-05f, -2, -3, untouched.A}},
      // 174*3**1.77 = 1216.3368636106336
      {"row 8, strength", 0, 3.0f, "2\n8\n\n", {-1, -2, 1216.3368636106336f, untouched.A}},
      // d = 50/25.4, TB = 42.18 d**1.792: 0.509/TB*2.204, -0.308/TB**2*4.858, 0.083/TB**3*10.706
      {"metric 50 mm, row 13, coefficients", 1, 50.0f, "3\n2\n13\n\n",
       {-1, -2, -3, {0.007901882537058405f, -7.423532616048669e-05f, 3.105338319297953e-07f}}},
      // All results in one visit: strength, then dry weight, then coefficients
      {"one visit, three items", 0, 2.0f, "2\n12\n4\n12\n3\n2\n12\n\n",
       {-1, 0.00116f, 132.8157847386074f,
        {0.006106201921677578f, -3.3106514638344504e-05f, 6.573121241517477e-08f}}},
  };
  for (const Case& c : cases) {
    TPCM.NUNTS = c.units;
    Results r;
    run(c.diameter, c.typed, r);
    const Results& e = c.expected;
    EXPECT_TRUE(IsClose(r.WETW, e.WETW, 1e-5)) << c.what;
    EXPECT_TRUE(IsClose(r.DRYW, e.DRYW, 1e-5)) << c.what;
    EXPECT_TRUE(IsClose(r.BREAK, e.BREAK, 1e-5)) << c.what;
    for (int j = 0; j < 3; ++j) EXPECT_TRUE(IsClose(r.A[j], e.A[j], 1e-5)) << c.what << ", a" << j + 1;
    EXPECT_EQ(TPCM.LBACK, 0) << c.what;
  }
}

TEST_F(MaterialHelp, HelpWritesOnlyTheResultOfItsKind) {
  // HELP itself: the strength of the database coefficients comes back with them, in t for metric.
  ConsoleCapture console("2\n1\n");
  float result = 0.0f;
  std::array<float, 3> a{};
  HELP(result, a.data(), 1, 76.0f, 1, kScreenUnit, kKeyboardUnit);
  EXPECT_TRUE(IsClose(result, 437.8919102665791, 1e-5));
  // 0.00948/965.1137702275404*2.204
  EXPECT_TRUE(IsClose(a[0], 2.16491782052534e-05, 1e-5));
  EXPECT_EQ(a[1], 0.0f);
}

TEST_F(MaterialHelp, CoefficientsFitToTheUsersPoints) {
  // Item 3, choice 1: the fit's dialogue (mooring/curve_fit.h); a linear material, 0.001 per kip.
  // Leaving its count prompt keeps the coefficients; either way the facility's menu comes back.
  Results r;
  run(2.0f, "3\n1\n-1\n\n", r);
  EXPECT_EQ(r.A, Results().A);
  const std::string screen =
      run(2.0f, "3\n1\n4\n1\n10\n20\n30\n40\n\n1\n.01\n.02\n.03\n.04\n\n\n\n", r);
  EXPECT_TRUE(IsClose(r.A[0], 1e-3, 1e-5));
  EXPECT_NEAR(r.A[1], 0.0, 1e-9);
  EXPECT_NEAR(r.A[2], 0.0, 1e-11);
  EXPECT_EQ(r.BREAK, -3.0f);
  EXPECT_EQ(screens(screen).back(), kFacilityMenu + kTautWireLine + kSelect);
}

// ---- The menus ----

TEST_F(MaterialHelp, MenuScreens) {
  // Each road reaches a menu and leaves it and the facility's menu with blank replies.
  const std::string weightHeader = " ***  Help for line weight/length  ***\n";
  const std::string complianceHeader = " ***  Help for line compliance coefficients  ***\n";
  struct Case {
    const char* typed;
    std::size_t screen;  // the screen compared, counted from the first clear
    std::string expected;
  };
  const Case cases[] = {
      {"\n", 1, kFacilityMenu + kTautWireLine + kSelect},
      {"2\n\n\n", 2, " ***  Help for breaking strengths  ***\n" + kLineTypeMenu + kSelect},
      {"1\n\n\n", 2,
       weightHeader +
           "\n"
           "  >>> Select submergence medium:\n"
           "\n"
           " 1) Air\n"
           " 2) Freshwater\n"
           " 3) Seawater\n" +
           kSelect},
      {"1\n3\n\n\n", 3, weightHeader + kLineTypeMenu + kSelect},
      {"3\n\n\n", 2,
       complianceHeader +
           "\n"
           " 1) User-specified stress/strain curve\n"
           " 2) Built-in compliance coefficients\n" +
           kSelect},
      {"3\n2\n\n\n", 3, complianceHeader + kLineTypeMenu + kSelect},
      {"4\n\n\n", 2, weightHeader + kLineTypeMenu + kSelect},
  };
  for (const Case& c : cases) {
    Results r;
    const std::vector<std::string> s = screens(run(2.0f, c.typed, r));
    ASSERT_GT(s.size(), c.screen) << c.typed;
    EXPECT_EQ(s[c.screen], c.expected) << c.typed;
    EXPECT_EQ(s.back(), kFacilityMenu + kTautWireLine + kSelect) << c.typed;
  }

  // A spread-mooring data set is not offered the taut-wire item.
  TPCM.CREATR = 7;
  Results r;
  EXPECT_EQ(run(2.0f, "\n", r), "\f" + kFacilityMenu + kSelect);
}

TEST_F(MaterialHelp, NumbersOutsideTheItemsDrawTheMenuAgain) {
  // Blank replies leave each menu in the end.
  struct Case {
    const char* what;
    std::int32_t creator;
    const char* typed;
    std::size_t screens;  // after the text before the first clear
    std::size_t first;    // the screen of the menu asked, drawn again `redrawn` times after it
    std::size_t redrawn;
  };
  const Case cases[] = {
      {"facility item 6", 11, "6\n99\n\n", 3, 1, 2},
      {"item 5 of a spread mooring", 7, "5\n\n", 2, 1, 1},
      {"medium 4", 11, "1\n4\n\n\n", 4, 2, 1},
      {"compliance source 3", 11, "3\n3\n\n\n", 4, 2, 1},
      {"rows not offered", 11, "2\n5\n9\n10\n17\n20\n\n\n", 8, 2, 5},
  };
  for (const Case& c : cases) {
    TPCM.CREATR = c.creator;
    Results r;
    const std::vector<std::string> s = screens(run(2.0f, c.typed, r));
    ASSERT_EQ(s.size(), c.screens + 1) << c.what;
    for (std::size_t k = 1; k <= c.redrawn; ++k) EXPECT_EQ(s[c.first + k], s[c.first]) << c.what;
    EXPECT_EQ(r.WETW, -1.0f) << c.what;
    EXPECT_EQ(r.BREAK, -3.0f) << c.what;
    EXPECT_EQ(r.A[0], -4.0f) << c.what;
  }
}

TEST_F(MaterialHelp, CodesBelowOneLeaveWithoutAResult) {
  // At every menu of HELP a blank reply, 0, "!", B or "H" (after the navigation help) goes back to
  // the facility's menu with nothing written; there the same codes leave HELPUS, LBACK holding them.
  struct Case {
    const char* reply;
    std::int32_t lback;
  };
  const Case codes[] = {{"\n", 0}, {"0\n", 0}, {"!\n", kNavHelp}, {"B\n", kNavBack}, {"-1\n", kNavBack},
                        {"H\n\n", kNavHelp}};
  const char* menus[] = {"1\n", "1\n3\n", "2\n", "3\n", "3\n2\n", "4\n"};
  for (const Case& c : codes) {
    for (const char* menu : menus) {
      Results r;
      const std::string screen = run(2.0f, std::string(menu) + c.reply + c.reply, r);
      EXPECT_EQ(r.WETW, -1.0f) << menu << c.reply;
      EXPECT_EQ(r.DRYW, -2.0f) << menu << c.reply;
      EXPECT_EQ(r.BREAK, -3.0f) << menu << c.reply;
      EXPECT_EQ(r.A[0], -4.0f) << menu << c.reply;
      EXPECT_EQ(TPCM.LBACK, c.lback) << menu << c.reply;
      // Back at the facility's menu once more before leaving it.
      const std::vector<std::string> s = screens(screen);
      std::size_t menusShown = 0;
      for (const std::string& one : s) menusShown += contains(one, kFacilityMenu) ? 1 : 0;
      EXPECT_EQ(menusShown, 2u) << menu << c.reply;
    }
  }
}

TEST_F(MaterialHelp, ADiameterThatIsNotPositiveGetsNoHelp) {
  for (float diameter : {0.0f, -3.0f}) {
    Results r;
    const std::string screen = run(diameter, "\n", r);
    EXPECT_EQ(screen,
              "\f****  Simulation Help Facility  ****\n"
              " ++> Subline diameter must be input to obtain help.\n" +
                  kPause);
    EXPECT_EQ(r.WETW, -1.0f);
    EXPECT_EQ(r.A[2], -6.0f);
  }
}

// ---- The notes ----

TEST_F(MaterialHelp, NotesOfEachMenu) {
  // "?n" shows the note of item n and the menu again, "?" all notes; both pause.
  struct Case {
    const char* what;
    const char* typed;
    std::vector<std::string> parts;  // in the note screens, in order
    std::size_t noteScreens;
  };
  const Case cases[] = {
      {"facility item 2", "?2\n\n\n", {" ++> Item Number  2\n", "breaking strength of the subline"}, 1},
      {"facility item 5", "?5\n\n\n",
       {" ++> Item Number  5\n", "perfectly\n vertical, with a height-dependent strain due to its self-weight.",
        "All weights and elastic coefficients of the sublines"},
       1},
      {"facility, no note", "?7\n\n\n", {" ++> Item Number  7\n ++> Sorry, no help for this line...\n"}, 1},
      {"facility, all", "?\n\n\n",
       {" ++> Item Number  1\n", " ++> Item Number  2\n", " ++> Item Number  3\n", " ++> Item Number  4\n",
        " ++> Item Number  5\n"},
       1},
      {"compliance item 1", "3\n?1\n\n\n\n",
       {" ++> Item Number  1\n", "simulation-consistent units (kips or metric tons)", "no zero values are\n accepted."},
       1},
      {"compliance item 2", "3\n?2\n\n\n\n", {"Chain, wire rope and\n kevlar rope follow Hooke's law"}, 1},
      {"medium, all", "1\n?\n\n\n\n", {" ++> Item Number  1 -> 3\n", "for the medium, the\n line type"}, 1},
      {"medium item 3", "1\n?3\n\n\n\n", {" ++> Item Number  3\n The weight per unit length"}, 1},
      {"medium, no note", "1\n?4\n\n\n\n", {" ++> Item Number  4\n ++> Sorry, no help for this line...\n"}, 1},
      {"line type 1", "2\n?1\n\n\n\n", {"compiled from various\n     sources by Kestrin; circa 1975.\n"}, 1},
      {"line type 3", "4\n?3\n\n\n\n",
       {"\n     Studless Grade RQ4 Chain from 1993 Vicinay Cadenas, S.A.\n     catalogue.\n"}, 1},
      {"line type 4", "2\n?4\n\n\n\n", {"\"Inextensible\"", "neglect the line's elasticity"}, 1},
      {"line type 7", "2\n?7\n\n\n\n", {"blocked, unsheathed", "before 1995"}, 1},
      {"line type 13", "2\n?13\n\n\n\n", {"circa 1983", "nylon-polyester composite"}, 1},
      {"line type 5", "2\n?5\n\n\n\n", {" ++> Item Number  5\n ++> Sorry, no help for this line...\n"}, 1},
      {"line types, all", "2\n?\n\n\n\n\n\n",
       {" ++> Item Number  1\n", " ++> Item Number  4\n", " ++> Item Number  6\n", " ++> Item Number  8\n",
        " ++> Item Number  11\n", " ++> Item Number  16\n"},
       3},
  };
  for (const Case& c : cases) {
    Results r;
    const std::vector<std::string> s = screens(run(2.0f, c.typed, r));
    std::string notes;
    std::size_t noteScreens = 0;
    for (const std::string& one : s) {
      if (one.rfind(kNotesTitle, 0) != 0) continue;
      ++noteScreens;
      EXPECT_TRUE(one.size() >= kPause.size() && one.substr(one.size() - kPause.size()) == kPause) << c.what;
      notes += one;
    }
    EXPECT_EQ(noteScreens, c.noteScreens) << c.what;
    std::size_t from = 0;
    for (const std::string& part : c.parts) {
      const std::size_t at = notes.find(part, from);
      EXPECT_NE(at, std::string::npos) << c.what << ": " << part;
      if (at != std::string::npos) from = at + part.size();
    }
    // The menu the note was asked from comes back before the blank reply leaves it.
    EXPECT_FALSE(contains(s.back(), kNotesTitle)) << c.what;
  }
}

TEST_F(MaterialHelp, NoteScreensInFull) {
  ConsoleCapture console("\n\n\n");
  HHLP2(kScreenUnit, kKeyboardUnit, 0);
  HHLP1(kScreenUnit, kKeyboardUnit, 9);
  MTLHLP(kScreenUnit, kKeyboardUnit, 5, 7);
  EXPECT_EQ(console.screen(),
            "\f" + kNotesTitle +
                "\n"
                " ++> Item Number  1 -> 3\n"
                " The weight per unit length of the subline submerged in the selected\n"
                " medium is estimated from the built-in database for the medium, the\n"
                " line type and the subline diameter.\n" +
                kPause + "\f" + kNotesTitle +
                "\n"
                " ++> Item Number  9\n"
                " ++> Sorry, no help for this line...\n" +
                kPause + "\f" + kNotesTitle +
                "\n"
                " ++> Item Number  5\n"
                " ++> Sorry, no help for this line...\n" +
                kPause);
}

TEST_F(MaterialHelp, ASpreadMooringHasNoNoteOfItemFive) {
  ConsoleCapture console("\n");
  MTLHLP(kScreenUnit, kKeyboardUnit, 0, 7);
  EXPECT_TRUE(contains(console.screen(), " ++> Item Number  4\n"));
  EXPECT_FALSE(contains(console.screen(), " ++> Item Number  5"));
  EXPECT_FALSE(contains(console.screen(), "self-weight"));
}

// ---- The taut-wire subline length ----

class MaterialHelpTautWire : public MaterialHelp {
 protected:
  void SetUp() override {
    MaterialHelp::SetUp();
    // One subline of 300 ft, w = 0.05 kip/ft, a1 = 1e-4 /kip, 1010 ft from fairlead to anchor:
    // 125 kip at the fairlead needs 1000 ft (L + a1 (T0 L - w L^2 / 2) = 1010 with T0 = 125).
    Morcom& m = TPCM.moor;
    m.NELEM(1) = 1;
    m.SLEN(1, 1) = 300.0f;
    m.WETWT(1, 1) = 0.05f;
    m.ALPHA(1, 1, 1) = 1e-4f;
    m.LINTYP(1, 1) = 1;
    m.RFLD(3, 1) = 40.0f;
    m.ANCHGT(1) = 990.0f;
    TPCM.TDRAFT = 20.0f;
    m.HTENS(1) = 125.0f;
    m.LODTYP = 2;
  }
};

const std::string kRequiredData =
    " ++> The requested computation REQUIRES the following data:\n"
    "\n"
    "       - submerged weights of all sublines of this line type\n"
    "       - elastic coefficients of all sublines of this line type\n"
    "       - fairlead heights\n"
    "       - line pretensions\n"
    "       - anchor depth\n"
    "       - line numbers of this line type\n"
    "\n"
    " The calculation will fail if any data is missing or incorrect.\n"
    "\a\n"
    " Enter \"A\" to abort or Press <RETURN> to continue: ";

TEST_F(MaterialHelpTautWire, ItemFiveSizesTheFairleadSubline) {
  Results r;
  std::vector<std::string> s = screens(run(2.0f, "5\nA\n\n", r));
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[2], kRequiredData);
  EXPECT_EQ(TPCM.moor.SLEN(1, 1), 300.0f);  // aborted

  s = screens(run(2.0f, "5\n\n\n", r));
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[2], kRequiredData);
  EXPECT_TRUE(IsClose(TPCM.moor.SLEN(1, 1), 1000.0, 1e-6));

  // The line type must exist before anything is asked.
  const std::string screen = run(2.0f, "5\n\n\n", r, 0);
  EXPECT_TRUE(contains(screens(screen)[2],
                       " ++> Line type   0: not a line type of the data set (1 to 150);\n"
                       "     no subline length is computed.\n" +
                           kPause));
}

TEST_F(MaterialHelpTautWire, AnUnattendedRunNeitherPausesNorAsks) {
  // On unit 41 the screens go to the diagnostics file; the notes do not pause, item 5 is not asked
  // whether to go on, and a diameter of 0 does not wait: only the selections are read.
  testing_support::TempDir dir;
  RHOPEN("Diagnostics.stxt", kFormatted, kFresh, 0, kDiagnosticsUnit, "TEST", kScreenUnit, 0);
  TPCM.EDUNIT = kDiagnosticsUnit;
  Results r;
  EXPECT_EQ(run(2.0f, "?1\n5\n\n", r), "");
  EXPECT_TRUE(IsClose(TPCM.moor.SLEN(1, 1), 1000.0, 1e-6));
  EXPECT_EQ(run(0.0f, "", r), "");
  closeAllUnits();
  const std::string file = testing_support::readFileText("Diagnostics.stxt");
  EXPECT_TRUE(contains(file, kFacilityMenu + kTautWireLine + " \n" + kNotesTitle + "\n ++> Item Number  1\n"));
  EXPECT_TRUE(contains(file, "\n The calculation will fail if any data is missing or incorrect.\n" + kFacilityMenu));
  EXPECT_TRUE(contains(file, " ++> Subline diameter must be input to obtain help.\n"));
}

}  // namespace
}  // namespace qv

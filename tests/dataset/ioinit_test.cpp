// The load at start on fixture files built here: plain and framed images, the other byte order, an
// older or newer version, another creator, a wrong size, the other precision, a missing LOWDAT.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "dataset/ioinit.h"
#include "dataset/lowcof.h"
#include "dataset/new_dataset.h"
#include "dataset/tpcm.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/old_layout.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using qv::testing_support::contains;

using testing_support::ConsoleCapture;
using testing_support::TempDir;

// An image of this editor's data set, as the save writes it.
std::vector<std::int32_t> editorImage(const std::function<void()>& edit = [] {}) {
  const std::vector<std::int32_t> words = testing_support::DataSet()
                                              .with([] {
                                                TPCM.CID1P.assign("ABCDEFGH first line");
                                                TPCM.CID2P.assign("WXYZ second line");
                                                TPCM.DEPTH = 123.5f;
                                              })
                                              .with(edit)
                                              .words();
  std::memset(&TPCM, 0, sizeof TPCM);  // the load starts from whatever memory holds
  return words;
}

void writeWords(const std::string& name, const std::vector<std::int32_t>& words) {
  testing_support::writeFileBytes(name, words.data(), 4 * words.size());
}

// A data file with its coefficient file: the force models of a new data set use the LOWDAT tables.
void writeDataSet(const std::vector<std::int32_t>& words) {
  writeWords("SALMDAT", words);
  writeWords("LOWDAT", std::vector<std::int32_t>(680, 0));
}

std::vector<std::int32_t> framed(std::vector<std::int32_t> payload) {
  const auto bytes = static_cast<std::int32_t>(4 * payload.size());
  payload.insert(payload.begin(), bytes);
  payload.push_back(bytes);
  return payload;
}

struct LoadResult {
  int status = -1;  // -1: returned; else the stop status
  std::string screen;
  char choice = ' ';
  int startCode = -1;
  int lowStatus = -1;
  int dataStatus = -1;
};

TpcmImage preEdit;
LowcofImage preEditLow;

LoadResult load(const std::string& script) {
  LoadResult r;
  ConsoleCapture console(script);
  r.status = testing_support::stopStatus([&] {
    IOINIT(makeText<8>("Quorvel"), makeText<5>(""), preEdit, preEditLow, r.choice, r.startCode,
           makeText<12>("SALMDAT"), r.lowStatus, r.dataStatus, 6.8f, 2020, kSimQuorvel, makeText<12>("DRAVOKET"),
           5, kModeEditor, kStoredWords, nullptr, LOWCOF);
  });
  closeAllUnits();
  r.screen = console.screen();
  return r;
}

class Load : public testing_support::FreshRun {};

TEST_F(Load, NewDataSetWithNoFile) {
  TempDir dir;
  const LoadResult r = load("C\n");
  EXPECT_EQ(r.status, -1);
  EXPECT_EQ(r.choice, 'C');
  EXPECT_EQ(r.startCode, kStartNormal);
  EXPECT_EQ(r.dataStatus, 1);
  EXPECT_FALSE(contains(r.screen, "++>"));
  EXPECT_EQ(TPCM.NTOGO, 4975);
  EXPECT_EQ(TPCM.CREATR, 11);
  EXPECT_EQ(TPCM.VERNO, 6.8f);
  EXPECT_EQ(TPCM.T(100), 54.5f);
  EXPECT_EQ(TPCM.EDUNIT, 6);
  EXPECT_FALSE(std::filesystem::exists("DATUPWRN.stxt"));
}

TEST_F(Load, ImagesOfThisEditorLoadSilently) {
  const auto image = editorImage();
  for (bool isFramed : {false, true}) {
    TempDir dir;
    writeDataSet(isFramed ? framed(image) : image);
    const LoadResult r = load("m\n");
    EXPECT_EQ(r.status, -1) << isFramed;
    EXPECT_EQ(r.choice, 'M');
    EXPECT_EQ(r.dataStatus, 0);
    EXPECT_EQ(TPCM.DEPTH, 123.5f);
    EXPECT_EQ(TPCM.CID1P.trimmed(), "ABCDEFGH first line");
    EXPECT_FALSE(contains(r.screen, "++>")) << r.screen;
    EXPECT_FALSE(std::filesystem::exists("DATUPWRN.stxt"));
    // The pre-edit copy is the image as read, taken with EDUNIT 0.
    EXPECT_EQ(preEdit(1), 4975);
    EXPECT_EQ(preEdit(703), 0);
    EXPECT_EQ(std::memcmp(preEdit.data() + 1000, image.data() + 1000, 4 * 3975), 0);
  }
}

TEST_F(Load, MissingFileForModifyIsFatal) {
  TempDir dir;
  const LoadResult r = load("M\n\n");
  EXPECT_EQ(r.status, kExitFatal);
  EXPECT_TRUE(contains(r.screen, " ++> File not found or file access error in DRAVOKET    \n"
                                 "     File name: SALMDAT     \n")) << r.screen;
}

TEST_F(Load, FindingsAreShownAndNoted) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::string script;
    int status;                          // -1: loads
    std::vector<std::string> screenHas;  // each also in DATUPWRN.stxt when notes is true
    bool notes;
  };
  const Case cases[] = {
      {"older version", [] { TPCM.VERNO = 6.5f; }, "M\n\n", -1,
       {" >>> Input File Characteristics <<< \n",
        " ++> Version mismatch: Data (version  6.50) predates simulation (version  6.80)\n",
        "     Although a reasonable effort has been made to insure forward\n",
        "     Carefully inspect each editor screen before proceeding...\n"},
       true},
      {"newer version", [] { TPCM.VERNO = 7.0f; }, "M\n\n", -1,
       {" ++> Version mismatch: Data (version  7.00) POSTDATES simulation (version  6.80)\n",
        "     Data files are NOT generally backwards-compatible!\n"},
       true},
      {"within 0.001 is the same version", [] { TPCM.VERNO = 6.8009f; }, "M\n", -1, {}, false},
      // A damaged version word is named as what it is, never written as a number or as asterisks.
      {"a version that is no number, from another platform",
       [] {
         TPCM.VERNO = std::numeric_limits<float>::quiet_NaN();
         TPCM.CMPUTR = 1;
       },
       "M\n\n\n", -1,
       {" ++> File was produced on a Macintosh PPC computer.\n",
        " ++> Data file version word (VERNO, word 217) is not a number;\n"},
       true},
      {"version increment", [] { TPCM.IVERS_SUFX = 3; }, "M\n\n", -1,
       {" ++> Version increment mismatch: \n", "     DATfile  version  increment  =  3\n",
        "     Simulation version increment =  0\n"},
       true},
      {"other byte order", [] { TPCM.CMPUTR = 1; }, "M\n\n", -1,
       {" ++> File was produced on a Macintosh PPC computer.\n"}, true},
      {"other precision", [] { TPCM.DP_FLAG = 1; }, "M\n\n", kExitFatal,
       {" ++> Fatal Warning: The precision specification of the loaded\n",
        "     DAT_file and the executable are not the same!\n"},
       true},
      {"older file of another creator", [] { TPCM.CREATR = 3; TPCM.VERNO = 6.1f; }, "M\n\n", kExitFatal,
       {" ++> Input Data File Creator was DORVANE\n",
        "     Before importing this data file, you MUST first update it\n",
        "     with version  6.80 of DORVANE on the originating computer platform.\n"},
       true},
      {"abort after the findings", [] { TPCM.VERNO = 6.5f; }, "M\nA\n", kExitFatal, {}, true},
  };
  for (const Case& c : cases) {
    TempDir dir;
    writeDataSet(editorImage(c.edit));
    const LoadResult r = load(c.script);
    EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.screen;
    const std::string notes = testing_support::readFileText("DATUPWRN.stxt");
    EXPECT_EQ(std::filesystem::exists("DATUPWRN.stxt"), c.notes) << c.what;
    for (const std::string& line : c.screenHas) {
      EXPECT_TRUE(contains(r.screen, line)) << c.what << ": screen lacks " << line << "\n" << r.screen;
      EXPECT_TRUE(contains(notes, line)) << c.what << ": notes lack " << line;
    }
  }
}

TEST_F(Load, OtherByteOrderReversesOnlyTheTexts) {
  TempDir dir;
  writeDataSet(editorImage([] { TPCM.CMPUTR = 1; }));
  const LoadResult r = load("M\n\n");
  ASSERT_EQ(r.status, -1) << r.screen;
  EXPECT_EQ(TPCM.CID1P.view().substr(0, 8), "DCBAHGFE");
  EXPECT_EQ(TPCM.CID2P.view().substr(0, 4), "ZYXW");
  EXPECT_EQ(TPCM.DEPTH, 123.5f);
  EXPECT_EQ(TPCM.CMPUTR, 5);  // stamped as this platform's
}

TEST_F(Load, WrongSizesAndCreators) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::string script;
    int status;
    std::string screenHas;
  };
  const Case cases[] = {
      {"longer image of this creator", [] { TPCM.NTOGO = 5000; }, "M\n\n", -1,
       " ++> Warning: Data file is seriously corrupt or from a very early version.\n"},
      {"longer image, abort", [] { TPCM.NTOGO = 5000; }, "M\na\n", kExitFatal, "Inspect all editor pages"},
      {"shorter image passes in silence", [] { TPCM.NTOGO = 1987; }, "M\n", -1, ""},
      {"creator outside the table", [] { TPCM.CREATR = 99; }, "M\n\n\n", -1,
       "              It will very probably crash the simulation if you continue...\n"},
      {"creator outside the table is named UNKNOWN", [] { TPCM.CREATR = 99; }, "M\n\n\n", -1,
       " ++> Input Data File Creator was UNKNOWN\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    writeDataSet(editorImage(c.edit));
    const LoadResult r = load(c.script);
    EXPECT_EQ(r.status, c.status) << c.what << "\n" << r.screen;
    EXPECT_TRUE(contains(r.screen, c.screenHas)) << c.what << "\n" << r.screen;
  }
}

TEST_F(Load, ShortFileIsFilledWithZerosAndReported) {
  TempDir dir;
  auto image = editorImage([] { TPCM.CREATR = 3; });  // another creator: the size line is shown
  image.resize(1987);
  writeDataSet(image);
  const LoadResult r = load("M\n\n");
  EXPECT_EQ(r.dataStatus, 4);
  EXPECT_TRUE(contains(r.screen, " ++> Input Data File smaller than expected:\n"
                                 "     Expected   4975 I*4s, found   1987 I*4s... CAUTION!\n"))
      << r.screen;
  EXPECT_EQ(TPCM.SEMCOM_LAST, 0.0f);
  EXPECT_EQ(preEdit(4975), 0);
}

// A file that ends before the version word holds no whole header: only its length is reported,
// never findings drawn from words it does not hold (or from what memory held before the load).
TEST_F(Load, FileTooShortForItsHeaderReportsOnlyItsLength) {
  const auto image = editorImage();
  struct Case {
    const char* what;
    std::size_t bytes;
    const char* found;
  };
  const Case cases[] = {
      {"an empty file", 0, "found      0 I*4s"},
      {"one word", 4, "found      1 I*4s"},
      {"100 words", 400, "found    100 I*4s"},
      {"all but the version word", 4 * 216, "found    216 I*4s"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    testing_support::writeFileBytes("SALMDAT", image.data(), c.bytes);
    writeWords("LOWDAT", std::vector<std::int32_t>(680, 0));
    // Words memory held before the load, which would each give a finding.
    TPCM.NTOGO = 7;
    TPCM.CREATR = kSimDorvane;
    TPCM.DP_FLAG = 1;
    TPCM.CMPUTR = 1;  // the other byte order
    TPCM.VERNO = 2.0f;
    TPCM.DEPTH = 99.0f;
    const LoadResult r = load("M\n\n");
    EXPECT_EQ(r.status, -1) << c.what << "\n" << r.screen;
    EXPECT_EQ(r.dataStatus, 4) << c.what;
    EXPECT_TRUE(contains(r.screen, " >>> Input File Characteristics <<< \n"
                                   " ++> Input Data File smaller than expected:\n"
                                   "     Expected   4975 I*4s, " + std::string(c.found) + "... CAUTION!\n"))
        << c.what << "\n" << r.screen;
    for (const char* finding : {"Macintosh", "Intel", "Creator was", "corrupt", "Version mismatch", "precision"})
      EXPECT_FALSE(contains(r.screen, finding)) << c.what << ": " << finding << "\n" << r.screen;
    EXPECT_EQ(TPCM.DEPTH, 0.0f) << c.what << ": a word the file does not hold";
    EXPECT_EQ(preEdit(446), 0) << c.what;
    EXPECT_EQ(TPCM.VERNO, 6.8f) << c.what << ": stamped as this program's";
  }
}

TEST_F(Load, MissingCoefficientFileSwitchesModels) {
  TempDir dir;
  writeWords("SALMDAT", editorImage([] { TPCM.LWBARG = 0x121; TPCM.LCBARG = 0x111; TPCM.LWVCOF = 0x311; }));
  const LoadResult r = load("M\n\n");
  ASSERT_EQ(r.status, -1) << r.screen;
  EXPECT_EQ(r.lowStatus, 1);
  EXPECT_TRUE(contains(r.screen, " ++> LOWDAT file not found. User-specified environmental coefficients \n"
                                 "     will be missing.\n"));
  EXPECT_FALSE(contains(r.screen, "On page 8")) << "the editor switches the models itself";
  EXPECT_EQ(TPCM.LWBARG, 0x424);
  EXPECT_EQ(TPCM.LCBARG, 0x666);
  EXPECT_EQ(TPCM.LWVCOF, 0x322);
  EXPECT_TRUE(contains(testing_support::readFileText("DATUPWRN.stxt"), "will be missing."));

  // With a LOWDAT present nothing is said and the tables are read.
  TempDir dir2;
  writeWords("SALMDAT", editorImage([] { TPCM.LWBARG = 0x111; }));
  std::vector<std::int32_t> low(680, 0);
  low[0] = 5;
  writeWords("LOWDAT", low);
  const LoadResult r2 = load("M\n");
  EXPECT_EQ(r2.lowStatus, 0);
  EXPECT_EQ(LOWCOF.NUWNPT, 5);
  EXPECT_EQ(preEditLow(1), 5);
  EXPECT_FALSE(contains(r2.screen, "LOWDAT"));
}

// A column that reads no vessel loads (a free SALM, or one whose vessel pages are off) needs no
// "LOWDAT": the editor opens and executes it as it stands, its models untouched.
TEST_F(Load, AColumnWithoutItsVesselNeedsNoCoefficientFile) {
  struct Case {
    const char* what;
    std::int32_t freslm, lquas;
  };
  for (const Case& c : {Case{"a free SALM", 1, 0}, Case{"the statics alone", 0, 0}}) {
    for (const char* choice : {"M\n", "E\n"}) {
      TempDir dir;
      writeWords("SALMDAT", editorImage([&c] {
                   TPCM.FRESLM = c.freslm;
                   TPCM.LQUAS = c.lquas;
                 }));  // the LOWDAT tables in every direction, as a new data set has them
      const LoadResult r = load(choice);
      ASSERT_EQ(r.status, -1) << c.what << " " << choice << r.screen;
      EXPECT_FALSE(contains(r.screen, "LOWDAT")) << c.what << " " << choice << r.screen;
      EXPECT_EQ(r.startCode, *choice == 'E' ? kStartFinalPage : kStartNormal) << c.what << " " << choice;
      EXPECT_EQ(TPCM.LWBARG, 0x111) << c.what << " " << choice;
      EXPECT_EQ(TPCM.LCBARG, 0x111) << c.what << " " << choice;
      EXPECT_FALSE(std::filesystem::exists("DATUPWRN.stxt")) << c.what << " " << choice;
    }
  }
}

TEST_F(Load, ExecuteGoesToTheFinalPageUnstamped) {
  TempDir dir;
  writeDataSet(editorImage([] { TPCM.IYEAR = 1999; }));
  const LoadResult r = load("e\n");
  EXPECT_EQ(r.startCode, kStartFinalPage);
  EXPECT_EQ(TPCM.LBACK, -1983);
  EXPECT_EQ(TPCM.IYEAR, 1999);
}

TEST_F(Load, HardCopyPassReturnsAtOnce) {
  TempDir dir;
  std::memset(&TPCM, 0, sizeof TPCM);
  TPCM.LCOPY = 1;
  TPCM.EDUNIT = 6;
  TPCM.DEPTH = 7.0f;
  const LoadResult r = load("");
  EXPECT_EQ(r.startCode, kStartAfterHardCopy);
  EXPECT_EQ(TPCM.LCOPY, 2);  // TWOPG counted the screen
  EXPECT_EQ(TPCM.DEPTH, 7.0f);
}

TEST_F(Load, Chswap) {
  char field[9] = "ABCDEFGH";
  CHSWAP(field, 8, 6, 5);
  EXPECT_STREQ(field, "DCBAHGFE");
  ConsoleCapture console("\n");
  std::string big(204, 'x');
  std::memcpy(big.data() + 200, "ABCD", 4);
  CHSWAP(big.data(), 204, 6, 5);
  EXPECT_TRUE(contains(console.screen(), " ++> LEN overflow in chswap!\n"));
  EXPECT_EQ(big.substr(200), "ABCD") << "nothing past the 200-character work field is touched";
}

// An older data file of this editor is brought up to date: the load's note on the version, the
// upgrade's notes on the screen and in the notes file, the 49-fairlead layout relaid with every
// value at its place, the header stamped as this version's.
TEST_F(Load, OlderFileOfThisEditorIsUpgraded) {
  TempDir dir;
  const auto words = editorImage([] {
    TPCM.VERNO = 5.0f;
    TPCM.NACC = 33;
    TPCM.RACC(3, 33) = 12.5f;  // in the older layout, the word where the load puts the dialogue unit
    TPCM.NTAB = 90;
  });
  writeDataSet(testing_support::olderImage(words, testing_support::OlderLayout::kFairleads49));
  const LoadResult r = load("M\n\n");
  ASSERT_EQ(r.status, -1) << r.screen;
  const std::string notes = testing_support::readFileText("DATUPWRN.stxt");
  for (const char* line : {" ++> Version mismatch: Data (version  5.00) predates simulation (version  6.80)\n",
                           "               **** Data File Changes Since Version  5.00: ****\n",
                           " ++> Wave drag and drift forces on semi/tlp/spar shapes \n",
                           " ++> Overhaul of low-frequency damping.\n", " ++> Data file resized for 149 fairleads\n"}) {
    EXPECT_TRUE(contains(r.screen, line)) << line << r.screen;
    EXPECT_TRUE(contains(notes, line)) << line << notes;
  }
  EXPECT_EQ(TPCM.RACC(3, 33), 12.5f);
  EXPECT_EQ(TPCM.NACC, 33);
  EXPECT_EQ(TPCM.DEPTH, 123.5f);
  EXPECT_EQ(TPCM.NTAB, 90);
  EXPECT_EQ(TPCM.DAT_ID, 149);
  EXPECT_EQ(TPCM.WSPEC_HGT, 32.81f);
  EXPECT_EQ(TPCM.VERNO, 6.8f);
  EXPECT_EQ(TPCM.EDUNIT, 6);
  EXPECT_EQ(preEdit(217), words[216]) << "the pre-edit copy is the file as read";
}

// An older file that ends before the page-control words: the relayout moves zeros there, never what
// memory held before the load.
TEST_F(Load, ShortOlderFileMovesNoStaleWords) {
  TempDir dir;
  auto image = testing_support::olderImage(editorImage([] { TPCM.VERNO = 5.0f; }),
                                           testing_support::OlderLayout::kFairleads49);
  image.resize(650);
  writeDataSet(image);
  std::fill(wordsOf(TPCM), wordsOf(TPCM) + kTpcmWords, 99);
  TPCM.LCOPY = 0;  // no listing pass is running
  const LoadResult r = load("M\n\n");
  ASSERT_EQ(r.status, -1) << r.screen;
  EXPECT_EQ(r.dataStatus, 4);
  // The older layout's words 700 to 703 are RACC(3, 32) to RACC(3, 33) of the current one.
  for (int w = 1000; w <= 1003; ++w) EXPECT_EQ(wordsOf(TPCM)[w - 1], 0) << "word " << w;
  EXPECT_EQ(TPCM.DAT_ID, 149);
}

// The load of an unattended run (mode 3): its stop status, or -1 when it returns.
int unattendedLoad() {
  char choice = ' ';
  int startCode = -1, lowStatus = -1, dataStatus = -1;
  return testing_support::stopStatus([&] {
    IOINIT(makeText<8>("Quorvel"), makeText<5>(""), preEdit, preEditLow, choice, startCode, makeText<12>("SALMDAT"),
           lowStatus, dataStatus, 6.8f, 2020, kSimQuorvel, makeText<12>("DRAVOKET"), 5, kModeUnattended, kStoredWords,
           nullptr, LOWCOF);
  });
}

// An unattended run cannot be asked whether to go on without "LOWDAT": it stops where a stage would
// evaluate the vessel's wind and current loads with the missing tables, and loads a free SALM, or a
// SALM whose statics alone are run, as it is.
TEST_F(Load, UnattendedRunMissesTheCoefficientFileOnlyForTheVessel) {
  struct Case {
    const char* what;
    std::int32_t freslm, lquas;
    bool stops;
  };
  for (const Case& c : {Case{"an attached SALM with its vessel", 0, 1, true}, Case{"a free SALM", 1, 0, false},
                        Case{"the statics alone", 0, 0, false}}) {
    TempDir dir;
    writeWords("SALMDAT", editorImage([&c] {
                 TPCM.FRESLM = c.freslm;
                 TPCM.LQUAS = c.lquas;
               }));  // the LOWDAT tables in every direction, as a new data set has them
    ConsoleCapture console("");
    const int status = unattendedLoad();
    closeAllUnits();
    EXPECT_EQ(status, c.stops ? kExitFatal : -1) << c.what;
    EXPECT_EQ(console.screen(), "") << c.what;
    EXPECT_EQ(contains(testing_support::readFileText("Diagnostics.stxt"), " ++> LOWDAT file not found."), c.stops)
        << c.what;
    if (!c.stops) {
      EXPECT_EQ(TPCM.LWBARG, 0x111) << c.what << ": the models are left as they are";
      EXPECT_EQ(TPCM.LCBARG, 0x111) << c.what;
    }
  }
}

// The run's stop for a missing "LOWDAT" keeps its words and then says what to change, by the loads
// whose model reads the tables: a built-in model on page 8, or the table typed there.
TEST_F(Load, UnattendedRunSaysWhatToChangeForTheMissingCoefficientFile) {
  struct Case {
    const char* what;
    std::int32_t LWBARG, LCBARG;
    const char* remedy;
  };
  const Case cases[] = {
      {"wind and current", 0x111, 0x121,
       "     On page 8, choose built-in wind and current models or enter their tables.\n"},
      {"wind Cz alone", 0x144, 0x666, "     On page 8, choose a built-in wind model or enter its table (item 5).\n"},
      {"current alone", 0x444, 0x111,
       "     On page 8, choose a built-in current model or enter its table (item 15).\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    writeWords("SALMDAT", editorImage([&c] {
                 TPCM.LWBARG = c.LWBARG;
                 TPCM.LCBARG = c.LCBARG;
               }));
    ConsoleCapture console("");
    EXPECT_EQ(unattendedLoad(), kExitFatal) << c.what;
    closeAllUnits();
    EXPECT_TRUE(contains(testing_support::readFileText("Diagnostics.stxt"),
                         " >>> Input File Characteristics <<< \n"
                         " ++> LOWDAT file not found. User-specified environmental coefficients \n"
                         "     will be missing.\n" +
                             std::string(c.remedy)))
        << c.what << "\n"
        << testing_support::readFileText("Diagnostics.stxt");
  }
}

// An unattended run cannot ask: an upgrade that wrote notes stops it, the notes in the diagnostics.
TEST_F(Load, UnattendedRunStopsAfterAnUpgrade) {
  TempDir dir;
  writeDataSet(editorImage([] { TPCM.VERNO = 6.5f; TPCM.DAT_ID = 49; }));
  ConsoleCapture console("");
  const int status = unattendedLoad();
  closeAllUnits();
  EXPECT_EQ(status, kExitFatal);
  EXPECT_TRUE(contains(testing_support::readFileText("Diagnostics.stxt"), " ++> Data file resized for 149 fairleads\n"));
  EXPECT_EQ(console.screen(), "");
}

// An unattended run whose caller has connected unit 41 writes there: after what a diagnostics file
// already holds, or on the screen; nothing is asked either way.
TEST_F(Load, UnattendedRunKeepsTheMessagesUnitItsCallerConnected) {
  TempDir dir;
  writeDataSet(editorImage([] { TPCM.VERNO = 6.5f; TPCM.DAT_ID = 49; }));  // an upgrade with notes: a stop
  const std::string earlier = " >>> Data checks: 0 warning(s) and 0 fatal warning(s).\n";
  testing_support::writeFileText("Diagnostics.stxt", earlier);
  {
    auto stream = std::make_unique<std::fstream>("Diagnostics.stxt", std::ios::out | std::ios::app | std::ios::binary);
    connectUnit(kDiagnosticsUnit, std::move(stream), "Diagnostics.stxt");
    ConsoleCapture console("");
    EXPECT_EQ(unattendedLoad(), kExitFatal);
    closeAllUnits();
    EXPECT_EQ(console.screen(), "");
  }
  const std::string diagnostics = testing_support::readFileText("Diagnostics.stxt");
  EXPECT_EQ(diagnostics.substr(0, earlier.size()), earlier);
  EXPECT_TRUE(contains(diagnostics, " ++> Data file resized for 149 fairleads\n")) << diagnostics;

  std::remove("Diagnostics.stxt");
  connectUnitToConsole(kDiagnosticsUnit);
  ConsoleCapture console("");
  EXPECT_EQ(unattendedLoad(), kExitFatal);
  closeAllUnits();
  EXPECT_TRUE(contains(console.screen(), " ++> Data file resized for 149 fairleads\n")) << console.screen();
  EXPECT_FALSE(std::filesystem::exists("Diagnostics.stxt"));
}

// A vessel-only data set of another program receives the mooring defaults.
TEST_F(Load, VesselOnlyFileReceivesTheMooringDefaults) {
  TempDir dir;
  auto image = editorImage([] {
    TPCM.CREATR = kSimBrantox;
    TPCM.NTOGO = 1987;
    TPCM.NTAB = 0;
  });
  image.resize(1987);
  writeDataSet(image);
  const LoadResult r = load("M\n\n");
  ASSERT_EQ(r.status, -1) << r.screen;
  EXPECT_TRUE(contains(r.screen, " ++> Input Data File Creator was BRANTOX\n"));
  EXPECT_EQ(TPCM.NTAB, 90);
  EXPECT_EQ(TPCM.MAXANG, 36);
  EXPECT_EQ(TPCM.NCYL, 1);
  EXPECT_EQ(TPCM.moor.MAXLIN, 149);
  EXPECT_EQ(TPCM.CREATR, kSimQuorvel);
}

// The programs of the other types have no updater here: an older file of theirs ends the run.
TEST_F(Load, OlderFileOfAnotherProgramTypeStops) {
  TempDir dir;
  writeDataSet(editorImage([] { TPCM.CREATR = kSimBrantox; TPCM.NTOGO = 1987; TPCM.VERNO = 6.5f; }));
  ConsoleCapture console("M\n\n");
  char choice = ' ';
  int startCode = -1, lowStatus = -1, dataStatus = -1;
  const int status = testing_support::stopStatus([&] {
    IOINIT(makeText<8>("Brantox"), makeText<5>(""), preEdit, preEditLow, choice, startCode, makeText<12>("SALMDAT"),
           lowStatus, dataStatus, 6.8f, 2020, kSimBrantox, makeText<12>("DRAVOKET"), 5, kModeEditor, 4975, nullptr,
           LOWCOF);
  });
  closeAllUnits();
  EXPECT_EQ(status, kExitFatal);
  EXPECT_TRUE(contains(console.screen(), "  ++> You are in an inoperative ???UPD file!\n      Press <Return> to quit\n"))
      << console.screen();
}

// A damaged header word keeps the warning of its kind and adds the word, its value, what it must be
// and what to do: an unattended run stops with the way to mend the file, the editor asks whether to
// go on and says what each answer leads to. A version word that is not a finite number is named as
// such, with no field of asterisks; the editor goes on and stamps its own version, the run stops.
TEST_F(Load, DamagedHeaderWordsSayWhatWasFoundAndWhatToDo) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::string found;  // the lines after the warning, in both modes
  };
  const std::string countFound = ";\n     a data set of QUORVEL (CREATR 11) holds 4975.\n";
  const std::string creatorFound = ";\n     it must be 1 to 17 (11 for this program).\n";
  const std::string versionFound = ";\n"
                                   "     it must be the version of the editor that saved the data set\n"
                                   "     (6.80 or earlier).\n";
  const std::string count = "     Word 1 of \"SALMDAT\" (NTOGO, the count of its words) is ";
  const std::string creator = "     Word 2 of \"SALMDAT\" (CREATR, the program that made it) is ";
  const std::string version = " ++> Data file version word (VERNO, word 217) is ";
  const Case cases[] = {
      {"a count of 7", [] { TPCM.NTOGO = 7; }, count + "7" + countFound},
      {"a count of 101", [] { TPCM.NTOGO = 101; }, count + "101" + countFound},
      {"a count of -2", [] { TPCM.NTOGO = -2; }, count + "-2" + countFound},
      {"a count of 5000", [] { TPCM.NTOGO = 5000; }, count + "5000" + countFound},
      {"a creator of 99", [] { TPCM.CREATR = 99; }, creator + "99" + creatorFound},
      {"a creator of 0", [] { TPCM.CREATR = 0; }, creator + "0" + creatorFound},
      {"a creator of -1", [] { TPCM.CREATR = -1; }, creator + "-1" + creatorFound},
      {"a version of +inf", [] { TPCM.VERNO = std::numeric_limits<float>::infinity(); },
       version + "+infinity, not a finite number" + versionFound},
      {"a version of -inf", [] { TPCM.VERNO = -std::numeric_limits<float>::infinity(); },
       version + "-infinity, not a finite number" + versionFound},
      {"a version of NaN", [] { TPCM.VERNO = std::numeric_limits<float>::quiet_NaN(); },
       version + "not a number" + versionFound},
  };
  const std::string runRemedy =
      "     The run stops. Open the data set in the editor (M), inspect its pages and\n"
      "     save it (page 19, choice 1), which writes a sound header, or put back an\n"
      "     earlier generation (\"SALMBAK\" or \"LASTBAK\"); then run it again.\n";
  const std::string versionRunRemedy =
      "     The run stops: \"SALMDAT\" holds a damaged version word,\n"
      "     and a run takes only a data set the editor has saved as it is.\n";
  const std::string editorRemedy =
      "     Continue to inspect every page and save (page 19, choice 1), which writes a\n"
      "     sound header, or abort (A) and put back an earlier generation (\"SALMBAK\" or\n"
      "     \"LASTBAK\").\n";
  for (const Case& c : cases) {
    const bool versionWord = contains(c.found, "VERNO");
    {
      TempDir dir;
      writeDataSet(editorImage(c.edit));
      ConsoleCapture console("");
      EXPECT_EQ(unattendedLoad(), kExitFatal) << c.what;
      closeAllUnits();
      const std::string diagnostics = testing_support::readFileText("Diagnostics.stxt");
      EXPECT_TRUE(contains(diagnostics, c.found + (versionWord ? versionRunRemedy : runRemedy)))
          << c.what << "\n" << diagnostics;
      EXPECT_FALSE(contains(diagnostics, "*****")) << c.what << "\n" << diagnostics;
    }
    TempDir dir;
    writeDataSet(editorImage(c.edit));
    // The shorter counts pass the editor in silence; the others ask, and the answer goes on.
    const bool asks = !contains(c.found, "NTOGO") || contains(c.what, "5000");
    const LoadResult r = load("M\n\n\n\n");
    EXPECT_EQ(r.status, -1) << c.what << "\n" << r.screen;
    if (asks) {
      EXPECT_TRUE(contains(r.screen, c.found + (versionWord ? "" : editorRemedy))) << c.what << "\n" << r.screen;
      EXPECT_FALSE(contains(r.screen, "*****")) << c.what << "\n" << r.screen;
    }
    EXPECT_EQ(TPCM.NTOGO, 4975) << c.what << ": stamped as this program's";
    EXPECT_EQ(TPCM.CREATR, kSimQuorvel) << c.what;
    EXPECT_EQ(TPCM.VERNO, 6.8f) << c.what;
  }
}

// A text file where the data file should be, short or of a data set's length, is not a data set of
// this program: the load says so and stops, in the editor and in a run alike, leaving the file as it
// is and writing no notes.
TEST_F(Load, ATextFileIsNotADataSet) {
  const std::string message =
      " ++> \"SALMDAT\" is not a data set of this program: it begins with text,\n"
      "     where a data set begins with its word count and its creator. The file is\n"
      "     left as it is.\n"
      "     Move or rename it; then start quorvel here and choose (C) Create new, or\n"
      "     copy a data set \"SALMDAT\" here.\n";
  std::string long_text;
  while (long_text.size() < 4 * static_cast<std::size_t>(kStoredWords)) long_text += "A line of a text file.\n";
  long_text.resize(4 * static_cast<std::size_t>(kStoredWords));
  for (const std::string& text : {std::string("hello\n"), std::string("SALM"), long_text}) {
    for (const bool unattended : {false, true}) {
      TempDir dir;
      testing_support::writeFileText("SALMDAT", text);
      std::memset(&TPCM, 0, sizeof TPCM);  // as a program starts, whatever the load before read
      int status = -1;
      std::string shown;
      if (unattended) {
        ConsoleCapture console("");
        status = unattendedLoad();
        closeAllUnits();
        shown = testing_support::readFileText("Diagnostics.stxt");
      } else {
        const LoadResult r = load("M\n\n");
        status = r.status;
        shown = r.screen;
      }
      EXPECT_EQ(status, kExitFatal) << text.size() << " bytes";
      EXPECT_TRUE(contains(shown, message)) << text.size() << " bytes\n" << shown;
      EXPECT_TRUE(testing_support::readFileText("SALMDAT") == text);
      EXPECT_FALSE(std::filesystem::exists("DATUPWRN.stxt"));
    }
  }
  // A data set's own first words are never text: a file of a single word of one loads as too short.
  TempDir dir;
  writeWords("SALMDAT", {4975});
  EXPECT_FALSE(contains(load("M\n\n").screen, "not a data set of this program"));
}

}  // namespace
}  // namespace qv

// Whole editing sessions through the real executable: the load of fixture files built here, the end
// of a session with its save, its backup generations and its page listing, and a free column
// created, saved and executed from the start menu without a "LOWDAT".
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "dataset/new_dataset.h"
#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "example_sessions.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"

namespace qv {
namespace {

using qv::testing_support::contains;

using namespace std::chrono_literals;

// This editor's data set as its save writes it, with the built-in force models; its image with an
// edit applied.
testing_support::DataSet editorDataSet() {
  return testing_support::DataSet().with([] {
    TPCM.LWBARG = TPCM.LCBARG = 0x444;  // built-in models: no LOWDAT needed
    TPCM.LWVCOF = 0x666;                // the tanker's built-in drift model
    TPCM.CID1P.assign("ABCDEFGH");
  });
}
std::string editorImage(const std::function<void()>& edit = [] {}) { return editorDataSet().with(edit).bytes(); }

std::string framed(const std::string& payload) {
  std::int32_t bytes = static_cast<std::int32_t>(payload.size());
  std::string frame(4, '\0');
  std::memcpy(frame.data(), &bytes, 4);
  return frame + payload + frame;
}

using e2e::floatWord;
using e2e::intWord;

// Word w (1-based) of a stored image set to v.
std::string setIntWord(std::string image, int w, std::int32_t v) {
  std::memcpy(image.data() + 4 * (w - 1), &v, 4);
  return image;
}

constexpr int kSrcdatWord = 6;

// A data set whose integer words hold the ends of their type (a damaged file, or another program's):
// the editor opens it and shows its pages (Return from page 1 on, past every element page, until the
// input ends, which saves nothing), its captions, page texts and counters meeting no arithmetic that
// overflows (the sanitizer build stops at one with a runtime error). The words are those whose arithmetic in the editor once
// overflowed: the unit system in the unit captions, the element count and the submergence option of
// page 2, the current spectrum type of page 12, the switches that skip the vessel pages, and the
// page and listing counters kept in the stored image.
TEST(SessionLoad, WordsAtTheEndsOfTheirTypeAreShownWithoutOverflow) {
  const std::size_t words[] = {offsetof(Tpcm, NUNTS), offsetof(Tpcm, NELEM),  offsetof(Tpcm, WETYOK),
                               offsetof(Tpcm, CURTYP), offsetof(Tpcm, LQUAS), offsetof(Tpcm, FRESLM),
                               offsetof(Tpcm, IPAG),  offsetof(Tpcm, LCOPY)};
  const std::int32_t values[] = {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max() - 1,
                                 std::numeric_limits<std::int32_t>::min()};
  const std::string script = "M\n" + std::string(80, '\n');
  for (const std::size_t offset : words) {
    for (const std::int32_t value : values) {
      const std::string what = "word " + std::to_string(offset / 4 + 1) + " at " + std::to_string(value);
      e2e::Folder folder;
      // The words of page 2 and 12 shown: an element to draw, the whole system under water, the current on.
      const std::string image = setIntWord(editorImage([] {
                                             TPCM.NELEM = 1;
                                             TPCM.WETYOK = 5;
                                             TPCM.LCURNT = 1;
                                           }),
                                           static_cast<int>(offset / 4 + 1), value);
      folder.writeFile("SALMDAT", image);
      const e2e::Run run = folder.run(script);
      ASSERT_FALSE(run.timedOut) << what;
      EXPECT_EQ(run.signal, 0) << what;
      EXPECT_EQ(run.status, 2) << what << "\n" << run.err;
      EXPECT_FALSE(contains(run.err, "runtime error")) << what << "\n" << run.err;
      // A listing counter other than 0 is a hard-copy pass, which lists the pages instead.
      if (offset == offsetof(Tpcm, LCOPY)) continue;
      EXPECT_TRUE(contains(run.out, "Page 19: End of Session")) << what;
      EXPECT_TRUE(folder.readFile("SALMDAT") == image) << what;
    }
  }
}

// "M", "E" or "B" in a folder without a data set: the file message, then a line that says how to make
// one, in the words of the start menu; nothing is written. Doing what the line says makes one.
TEST(SessionLoad, MissingDataFileSaysHowToCreateOne) {
  for (const char* choice : {"M", "E", "B"}) {
    e2e::Folder folder;
    const e2e::Run run = folder.run(std::string(choice) + "\n\n");
    ASSERT_FALSE(run.timedOut) << choice;
    EXPECT_EQ(run.status, 1) << choice;
    EXPECT_TRUE(contains(run.out, "(C) Create new,")) << choice;
    EXPECT_TRUE(contains(run.out, "\n ++> File not found or file access error in DRAVOKET    \n"
                                  "     File name: SALMDAT     \n \n"
                                  "     To create a data set in this folder, start quorvel and choose\n"
                                  "     (C) Create new.\n"
                                  " \n Press <RETURN> to continue: "))
        << choice << run.out;
    EXPECT_EQ(folder.files(), std::vector<std::string>{}) << choice;
    const e2e::Run create = folder.run("C\nL\n1\n");
    ASSERT_FALSE(create.timedOut) << choice;
    EXPECT_EQ(create.status, 0) << choice;
    EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"}) << choice;
  }
}

TEST(SessionLoad, FixtureFiles) {
  struct Case {
    const char* what;
    std::string file;
    std::string script;
    int status;
    std::vector<std::string> screenHas;
    bool notes;  // DATUPWRN.stxt written
  };
  const std::string image = editorImage();
  const Case cases[] = {
      {"plain image", image, "M\nL\n2\n", 0, {"End of Session"}, false},
      {"framed image", framed(image), "M\nL\n2\n", 0, {"End of Session"}, false},
      {"other byte order", editorImage([] { TPCM.CMPUTR = 1; }), "M\n\nL\n2\n\n", 0,
       {" ++> File was produced on a Macintosh PPC computer.\n"}, true},
      {"older version", editorImage([] { TPCM.VERNO = 6.5f; }), "M\n\nL\n2\n\n", 0,
       {" ++> Version mismatch: Data (version  6.50) predates simulation (version  6.80)\n"}, true},
      {"other precision", editorImage([] { TPCM.DP_FLAG = 1; }), "M\n\n", 1,
       {" ++> Fatal Warning: The precision specification of the loaded\n"}, true},
      {"later version", editorImage([] { TPCM.VERNO = 99.0f; }), "M\n\nL\n2\n\n", 0,
       {" ++> Version mismatch: Data (version 99.00) POSTDATES simulation (version  6.80)\n"}, true},
      // A damaged size or creator word is a finding as the version's are: noted with what was found
      // and what to do, and with the findings that follow it.
      {"a damaged size word", editorImage([] { TPCM.NTOGO = 9999; }), "M\n\nL\n2\n\n", 0,
       {" ++> Warning: Data file is seriously corrupt or from a very early version.\n",
        "     Word 1 of \"SALMDAT\" (NTOGO, the count of its words) is 9999;\n"
        "     a data set of QUORVEL (CREATR 11) holds 4975.\n"},
       true},
      {"a damaged creator word", editorImage([] { TPCM.CREATR = 77; }), "M\n\n\nL\n2\n\n", 0,
       {" ++> Warning: Data file is seriously corrupt.\n",
        "     Word 2 of \"SALMDAT\" (CREATR, the program that made it) is 77;\n"
        "     it must be 1 to 17 (11 for this program).\n",
        " >>> Input File Characteristics <<< \n ++> Input Data File Creator was UNKNOWN\n"},
       true},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", c.file);
    const e2e::Run run = folder.run(c.script);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.out;
    for (const std::string& s : c.screenHas) EXPECT_TRUE(contains(run.out, s)) << c.what << ": " << s;
    EXPECT_EQ(folder.exists("DATUPWRN.stxt"), c.notes) << c.what;
    if (c.notes) {
      for (const std::string& s : c.screenHas)
        EXPECT_TRUE(contains(folder.readFile("DATUPWRN.stxt"), s)) << c.what << " notes: " << s;
    }
    EXPECT_EQ(folder.readFile("SALMDAT"), c.file) << c.what << ": the data file must not change";
  }
}

TEST(SessionEnd, NewDataSetIsSavedWithItsDefaults) {
  e2e::Folder folder;
  const e2e::Run run = folder.run("C\nL\n1\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"});
  const std::string saved = folder.readFile("SALMDAT");
  ASSERT_EQ(saved.size(), 19900u);
  struct Word {
    const char* name;
    int word;
    std::int32_t value;
  };
  const Word ints[] = {
      {"NTOGO", 1, 4975}, {"CREATR", 2, 11},   {"SRCDAT", 6, 2},  {"LEASTP", 7, 2},     {"IBATCH", 14, 0},
      {"IYEAR", 112, 2020}, {"CMPUTR", 121, 5}, {"NWP", 167, 30}, {"LBACK", 700, 0},    {"IPAG", 701, 0},
      {"LCOPY", 702, 0},  {"EDUNIT", 703, 0},  {"VESTYP", 777, 1}, {"LWBARG", 775, 273}, {"NTAB", 1915, 90},
      {"LQUAS", 1920, 1}, {"NELEM", 2006, 1},  {"IPIERC", 2089, 1}, {"MAXANG", 32, 36},  {"MOTION(6)", 59, 1},
  };
  for (const Word& w : ints) EXPECT_EQ(intWord(saved, w.word), w.value) << w.name;
  EXPECT_EQ(floatWord(saved, 217), 6.8f) << "VERNO";
  EXPECT_EQ(floatWord(saved, 417), 54.5f) << "T(100)";
  EXPECT_EQ(floatWord(saved, 447), 64.0f) << "DWATR";
  EXPECT_EQ(floatWord(saved, 2377 + 39), 1.0f) << "COFMST(40)";
  EXPECT_EQ(saved.substr(4 * 59, 80), std::string(80, ' ')) << "CID1";
}

TEST(SessionEnd, BackupGenerations) {
  e2e::Folder folder;
  ASSERT_EQ(folder.run("C\nL\n1\n").status, 0);
  const std::string first = folder.readFile("SALMDAT");

  // The force models of a new data set use the LOWDAT tables, which were never written: the next
  // load says so, switches the models, and that change is saved.
  e2e::Run run = folder.run("M\n\nL\n1\n");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, " ++> LOWDAT file not found. User-specified environmental coefficients \n"));
  const std::string second = folder.readFile("SALMDAT");
  EXPECT_NE(second, first);
  EXPECT_EQ(intWord(second, 775), 0x444) << "LWBARG switched to a built-in model";
  EXPECT_EQ(folder.readFile("SALMBAK"), first) << "first save of a loaded file: the image as loaded";
  EXPECT_FALSE(folder.exists("LASTBAK"));

  // Opening it again and leaving unchanged writes nothing: bytes and time stay.
  const auto stamp = std::filesystem::last_write_time(folder.path() / "SALMDAT");
  std::this_thread::sleep_for(20ms);
  run = folder.run("M\nL\n1\n");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(folder.readFile("SALMDAT"), second);
  EXPECT_EQ(std::filesystem::last_write_time(folder.path() / "SALMDAT"), stamp);
  EXPECT_FALSE(folder.exists("LASTBAK"));

  // A data set stored under another session mode counts as changed: saved twice, the generations
  // rotate, every one of them a whole image.
  std::string expectedBak = second;
  std::string expectedLast;
  for (int save = 1; save <= 2; ++save) {
    const std::string before = setIntWord(folder.readFile("SALMDAT"), kSrcdatWord, 1);
    folder.writeFile("SALMDAT", before);
    expectedLast = folder.readFile("SALMBAK");
    run = folder.run("M\nL\n1\n");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(folder.readFile("SALMBAK"), before) << "save " << save;
    EXPECT_EQ(folder.readFile("LASTBAK"), expectedLast) << "save " << save;
    EXPECT_EQ(intWord(folder.readFile("SALMDAT"), kSrcdatWord), 2);
  }
  for (const char* name : {"SALMDAT", "SALMBAK", "LASTBAK"})
    EXPECT_EQ(std::filesystem::file_size(folder.path() / name), 19900u) << name;
  EXPECT_FALSE(folder.exists("LOWDAT")) << "the coefficient tables never changed";
}

TEST(SessionEnd, NewDataSetOverAnExistingFileKeepsItAsTheBackup) {
  e2e::Folder folder;
  const std::string old = editorImage([] { TPCM.DEPTH = 321.0f; });
  folder.writeFile("SALMDAT", old);
  const e2e::Run run = folder.run("C\nL\n1\n");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(folder.readFile("SALMBAK"), old);
  EXPECT_EQ(floatWord(folder.readFile("SALMDAT"), 446), 0.0f) << "DEPTH of the new data set";
}

TEST(SessionEnd, LeavingWithoutSavingAfterAChange) {
  e2e::Folder folder;
  const std::string image = setIntWord(editorImage(), kSrcdatWord, 1);  // counts as a change
  folder.writeFile("SALMDAT", image);
  // Choice 2 warns of the lost changes; "A" goes back to the menu; the second time the user goes on.
  const e2e::Run run = folder.run("M\nL\n2\nA\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string warning =
      "\n\n                        >>> WARNING <<<\n\n"
      " This action will result in the loss of data changes to SALMDAT or LOWDAT\n"
      " made during this editing session. If you wish to \"Abort\" this\n"
      " decision and reinspect your data, enter \"A\" below.\n";
  const auto first = run.out.find(warning);
  ASSERT_NE(first, std::string::npos) << run.out;
  EXPECT_NE(run.out.find(warning, first + 1), std::string::npos) << "the menu came back and warned again";
  EXPECT_EQ(folder.readFile("SALMDAT"), image);
  EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"});
}

TEST(SessionEnd, ExecuteChecksAndListing) {
  e2e::Folder folder;
  // A new data set has no tanker dimensions: executing shows the fatal warnings, three screens of
  // them, and the menu again.
  e2e::Run run = folder.run("C\nL\n3\n\n\n\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(contains(run.out, "\n ++> Fatal Warning: Tanker draft, beam, or length incorrectly specified.\n"))
      << run.out;
  EXPECT_EQ(folder.files(), std::vector<std::string>{});

  // The listing choice writes every page into "SALMIN.stxt" and comes back to the menu.
  run = folder.run("C\nL\n5\n1\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  ASSERT_TRUE(folder.exists("SALMIN.stxt"));
  const std::string listing = folder.readFile("SALMIN.stxt");
  EXPECT_TRUE(contains(listing, "**   Welcome to Quorvel   **")) << listing;
  // Page headers appear in page order.
  int last = 0;
  for (std::size_t at = listing.find("****  Page "); at != std::string::npos;
       at = listing.find("****  Page ", at + 1)) {
    const int page = std::stoi(listing.substr(at + 11, 2));
    EXPECT_GT(page, last) << listing;
    last = page;
  }
  EXPECT_TRUE(folder.exists("SALMDAT"));
}

TEST(SessionEnd, ExecuteSavesListsAndGivesTheNotice) {
  e2e::Folder folder;
  // A consistent SALM and tanker: the checks find nothing. Stored under another mode: the save
  // writes it. The statics alone (LQUAS 0): the analysis that the execution starts runs to its end.
  const std::string image = editorDataSet().withSalm().withTanker().with([] {
    TPCM.SRCDAT = 1;
    TPCM.LQUAS = 0;
  }).bytes();
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.run("M\nL\n3\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_FALSE(contains(run.out, "Warning")) << run.out;
  EXPECT_TRUE(contains(run.out, "\n                   >>> Kestrin Editor Software <<<\n\n\n"
                                "          This data file passed preliminary error checks;\n"
                                "             it is ready for submission to the server.\n\n"))
      << run.out;
  EXPECT_TRUE(folder.exists("SALMIN.stxt"));
  EXPECT_EQ(folder.readFile("SALMBAK"), image);
  EXPECT_EQ(intWord(folder.readFile("SALMDAT"), kSrcdatWord), 2);
  // Then the analysis, on the screen, with its report in its file.
  EXPECT_TRUE(contains(run.out, " >>> Computing Salm mass properties...")) << run.out;
  EXPECT_TRUE(folder.exists("STATOUT.stxt"));
}

TEST(SessionEnd, InputEndingAtTheClosingPauseAfterASave) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", editorDataSet().withSalm().withTanker().with([] { TPCM.SRCDAT = 1; }).bytes());
  const e2e::Run run = folder.run("M\nL\n3\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, " ++> Keyboard input ended; the data set was saved.\n")) << run.out;
  EXPECT_FALSE(contains(run.out, "nothing was saved"));
  EXPECT_TRUE(folder.exists("SALMBAK"));
}

TEST(SessionEnd, SilentExecutionWithFatalWarningsReturnsToTheMenu) {
  e2e::Folder folder;
  const e2e::Run run = folder.run("C\nL\n4\n\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  // Among them the current table and the drift file, which a new data set's models read and which
  // hold nothing, the table's maximum load of 0 and its one element, which forms one member.
  EXPECT_TRUE(contains(run.out, " ++> Silent execution stopped: 5 warning(s) and 14 fatal warning(s);\n"
                                "     see \"Diagnostics.stxt\".\n"))
      << run.out;
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  for (const char* finding : {" ++> Fatal Warning: Tanker draft, beam, or length incorrectly specified.\n",
                              " ++> Fatal Warning: The current coefficient table of LOWDAT holds no rows;\n",
                              " ++> Fatal Warning: The wave drift coefficient file \"DRFTCOFS.txt\" is missing;\n",
                              " ++> Fatal Warning: Maximum horizontal load on Salm (page 2, item 2) is 0.00;\n",
                              " ++> Fatal Warning: An attached Salm needs at least two members: one hinged on\n",
                              " ++> Warning: Offset increment for static offset table (page 2, item 3) is 0.00;\n"})
    EXPECT_TRUE(contains(diagnostics, finding)) << finding;
  EXPECT_FALSE(folder.exists("SALMDAT"));
}

// A free column reads no vessel loads: created (C), saved, then executed from the start menu (E)
// where there is no "LOWDAT", it executes as it stands, though a new data set's load models name the
// tables of that file.
TEST(SessionE2e, AFreeColumnExecutesFromTheStartMenuWithoutLowdat) {
  e2e::Folder folder;
  e2e::Run run = folder.run(examples::kFreeSalmSession + "1\n");
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.out;
  ASSERT_FALSE(folder.exists("LOWDAT"));
  const std::string saved = folder.readFile("SALMDAT");

  run = folder.run("E\n\n", 60s);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_FALSE(contains(run.out, "LOWDAT")) << run.out;
  EXPECT_TRUE(contains(run.out, "This data file passed preliminary error checks;")) << run.out;
  EXPECT_TRUE(contains(run.out, " >>> Computing free Salm normal mode characteristics...")) << run.out;
  EXPECT_TRUE(folder.exists("DYNOUT.stxt") && folder.exists("RANOUT.stxt"));
  EXPECT_FALSE(folder.exists("DATUPWRN.stxt"));
  // Its load models stay as they were typed (the final page's checks settle words of their own).
  const std::string executed = folder.readFile("SALMDAT");
  for (std::size_t offset : {offsetof(Tpcm, LWBARG), offsetof(Tpcm, LCBARG), offsetof(Tpcm, LWVCOF)}) {
    const int w = static_cast<int>(offset / 4) + 1;
    EXPECT_EQ(e2e::intWord(executed, w), e2e::intWord(saved, w)) << "word " << w;
  }
}

}  // namespace
}  // namespace qv

// The import of data blocks from another data file: the path prompt, the warnings with their
// aborts, and the words each import exchanges (only those the file holds).
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dataset/datload.h"
#include "dataset/tpcm.h"
#include "platform/stop.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/old_layout.h"
#include "support/temp_dir.h"
#include "util/sim_types.h"

namespace qv {
namespace {

using testing_support::contains;

constexpr int kNtogoWord = 1;
constexpr int kCreatrWord = 2;
constexpr int kIspmWord = testing_support::wordOfOffset(offsetof(Tpcm, ISPM));
constexpr int kEdunitWord = testing_support::wordOfOffset(offsetof(Tpcm, EDUNIT));
constexpr int kMooringWords = testing_support::wordOfOffset(offsetof(Tpcm, moor.MORCOM_LAST));

std::vector<std::int32_t> blockWords() { return std::vector<std::int32_t>(wordsOf(TPCM), wordsOf(TPCM) + kTpcmWords); }

// The data set being edited.
void editedDataSet() {
  testing_support::DataSet().withSalm().withTanker().with([] {
    TPCM.CID1P.assign("EDITED");
    TPCM.EDUNIT = 6;
    for (int w = kStoredWords + 1; w <= kTpcmWords; ++w) wordsOf(TPCM)[w - 1] = -w;  // mooring words in memory
  });
}

// Another data file of the family: this editor's with other values, of `words` words.
std::vector<std::int32_t> importFile(const std::function<void()>& edit = [] {}, int words = kStoredWords) {
  testing_support::DataSet().withSalm().withTanker().with([] {
    TPCM.CID1P.assign("IMPORTED");
    TPCM.DEPTH = 500.0f;
    TPCM.ISPM = 2;
    TPCM.SLEN(1) = 77.0f;
    TPCM.NCYL = 3;
  });
  edit();
  std::vector<std::int32_t> image(static_cast<std::size_t>(words), 0);
  std::memcpy(image.data(), wordsOf(TPCM), 4 * std::min<std::size_t>(image.size(), kTpcmWords));
  for (std::size_t k = kTpcmWords; k < image.size(); ++k) image[k] = 1;
  return image;
}

struct Import {
  int status = -1;
  std::string screen;
  std::vector<std::int32_t> before;
  std::vector<std::int32_t> after;
};

// Writes the file (when given) under `name`, then imports with the replies typed.
Import importAs(int kind, const std::vector<std::int32_t>* file, const std::string& name, const std::string& typed) {
  testing_support::TempDir dir;
  if (file != nullptr) testing_support::writeFileBytes(name, file->data(), 4 * file->size());
  editedDataSet();
  Import r;
  r.before = blockWords();
  testing_support::ConsoleCapture console(typed);
  r.status = testing_support::stopStatus([&] { DATLOAD(kind); });
  r.screen = console.screen();
  r.after = blockWords();
  EXPECT_EQ(console.unread(), "") << "every reply is read";
  return r;
}

// The data set after an import of words first..last: those the file holds come from it, the kept
// header words (the simulation type, ISPM, the word count) stay, and EDUNIT names the screen.
std::vector<std::int32_t> imported(const Import& r, const std::vector<std::int32_t>& file, int first, int last) {
  std::vector<std::int32_t> expected = r.before;
  for (int w = first; w <= last && w <= static_cast<int>(file.size()); ++w) expected[w - 1] = file[w - 1];
  for (int w : {kNtogoWord, kCreatrWord, kIspmWord}) expected[w - 1] = r.before[w - 1];
  if (first <= kEdunitWord && kEdunitWord <= last) expected[kEdunitWord - 1] = 6;
  return expected;
}

class Datload : public testing_support::FreshRun {};

TEST_F(Datload, PromptAndTheWordsOfEachImport) {
  const auto same = importFile();
  const auto older = importFile([] { TPCM.VERNO = 6.7f; });
  const auto mac = importFile([] { TPCM.CMPUTR = 1; });
  const auto header = importFile([] {}, 1987);
  const auto ship = importFile([] { TPCM.CREATR = kSimBrantox; }, 1987);
  const auto mooring = importFile([] { TPCM.CREATR = kSimHeskova; }, kMooringWords);
  const std::string success = " >>> Import successful!\n";
  const std::string abort = "Enter \"A\" to abort";
  const std::string version =
      "\n >>> Importing data files across version number boundaries is a *very*\n"
      "     bad idea. You are strongly advised to \"Abort\" this operation, save\n"
      "     any data file changes you have made, and update the target file\n"
      "     with the latest version of its application before importing the data.\n\n"
      "     Application version:    6.80\n"
      "     Import file version:    6.70\n\n";
  const std::string platform =
      "\n >>> Importing data files between computer operating systems is a *very*\n"
      "     bad idea. You are strongly advised to \"Abort\" this operation, save\n";
  const std::string size = " >>> Suspicious import file size;there may be a problem!\n";
  const std::string shortFile =
      " >>> The import file holds words 1 to 1987 only; the words of this block after\n"
      "     them are left as they were.\n";
  struct Case {
    const char* what;
    int kind;
    const std::vector<std::int32_t>* file;
    std::string typed;
    std::vector<std::string> screenHas;
    int first;  // the words imported; 0: the data set stays as it was
    int last;
  };
  const Case cases[] = {
      {"same type and version", 1, &same, "OTHER\n\n", {success}, 1, kStoredWords},
      {"older version, aborted", 1, &older, "OTHER\nA\n", {version, abort}, 0, 0},
      {"older version, kept", 1, &older, "OTHER\n\n\n", {version, success}, 1, kStoredWords},
      {"other platform, aborted", 1, &mac, "OTHER\na\n", {platform}, 0, 0},
      {"other platform, kept", 1, &mac, "OTHER\n\n\n", {platform, success}, 1, kStoredWords},
      {"header only, aborted at the size", 1, &header, "OTHER\nA\n", {size}, 0, 0},
      {"header only, aborted at the short file", 1, &header, "OTHER\n\nA\n", {size, shortFile}, 0, 0},
      {"header only, kept", 1, &header, "OTHER\n\n\n\n", {size, shortFile, success}, 1, 1987},
      // Another type's file: its size is expected to differ, only the words it lacks are said.
      {"ship file", 1, &ship, "OTHER\n\n\n", {shortFile, success}, 1, 1987},
      {"tug or buoy block", 3, &same, "OTHER\n\n\n", {size, success}, 1988, kStoredWords},
      {"mooring block of a file without one", 2, &same, "OTHER\n\n",
       {" >>> The import file holds none of this block's words: nothing is imported.\n"}, 0, 0},
      {"mooring block, not kept", 2, &mooring, "OTHER\n\n",
       {" >>> Import not kept: this program does not store mooring system data.\n"}, 0, 0},
      {"missing file", 1, nullptr, "OTHER\n\n", {" >>> INPUT file not found!\n"}, 0, 0},
      {"blank path", 1, &same, "\n\n", {" >>> Invalid Filename!\n"}, 0, 0},
      {"quoted blank path", 1, &same, "'   '\n\n", {" >>> Invalid Filename!\n"}, 0, 0},
      {"path past 160 characters", 1, &same, "'" + std::string(161, 'O') + "'\n\n", {" >>> Invalid Filename!\n"}, 0, 0},
      // Unquoted, a blank ends the path.
      {"unquoted path with a blank", 1, &same, "OTHER FILE\n\n", {success}, 1, kStoredWords},
      {"quoted path", 1, &same, "\"OTHER\"\n\n", {success}, 1, kStoredWords},
  };
  for (const Case& c : cases) {
    const Import r = importAs(c.kind, c.file, "OTHER", c.typed);
    ASSERT_EQ(r.status, -1) << c.what << "\n" << r.screen;
    for (const std::string& s : c.screenHas) EXPECT_TRUE(contains(r.screen, s)) << c.what << ": " << s << "\n" << r.screen;
    if (c.first == 0) {
      EXPECT_TRUE(r.after == r.before) << c.what << testing_support::wordDifferences(r.after, r.before);
      EXPECT_FALSE(contains(r.screen, success)) << c.what;
    } else {
      const auto expected = imported(r, *c.file, c.first, c.last);
      EXPECT_TRUE(r.after == expected) << c.what << testing_support::wordDifferences(r.after, expected);
    }
  }
}

TEST_F(Datload, ThePromptAndAPathOfFullLength) {
  const auto same = importFile();
  const std::string name(kMaxImportPath, 'P');
  const Import r = importAs(1, &same, name, name + "\n\n");
  EXPECT_EQ(r.screen.rfind("\f >>> Input full or relative path to import target in quotes\n"
                           "     (e.g. \"C:\\Kestrin\\SHIPDAT\" or \"SHIPDAT\")\n"
                           "\n"
                           " >>> Path:  \n",
                           0),
            0u)
      << r.screen;
  EXPECT_TRUE(contains(r.screen, " >>> Import successful!\n"));
  EXPECT_EQ(TPCM.DEPTH, 500.0f);
  EXPECT_EQ(TPCM.CID1P.trimmed(), "IMPORTED");
  EXPECT_EQ(TPCM.CREATR, kSimQuorvel);
  EXPECT_EQ(TPCM.ISPM, 1);
  EXPECT_EQ(TPCM.EDUNIT, 6);
}

// An image of the other floating-point precision would be refused by the next load.
TEST_F(Datload, OtherPrecisionIsRefused) {
  const auto file = importFile([] { TPCM.DP_FLAG = 1; });
  for (int kind : {1, 3}) {
    const Import r = importAs(kind, &file, "OTHER", "OTHER\n\n");
    EXPECT_TRUE(contains(r.screen, " >>> Import refused: the precision specification of the import file\n"
                                   "     and the executable are not the same!\n"))
        << r.screen;
    EXPECT_TRUE(r.after == r.before) << kind;
  }
}

}  // namespace
}  // namespace qv

// Whole sessions through the real editor: an old data file brought up to date and saved at the
// current version, and the import of the vessel block from a second data file.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"
#include "support/old_layout.h"

namespace qv {
namespace {

using e2e::floatWord;
using e2e::intWord;
using testing_support::contains;

// This editor's data set with a SALM, a tanker and the built-in force models, as its save writes it.
std::vector<std::int32_t> editorWords(const std::function<void()>& edit) {
  return testing_support::DataSet()
      .withSalm()
      .withTanker()
      .with([] {
        TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0x444;  // built-in models: no LOWDAT needed
        TPCM.NTAB = 90;
        TPCM.CID1P.assign("ABCDEFGH");
      })
      .with(edit)
      .words();
}

std::string bytesOf(const std::vector<std::int32_t>& words) {
  return std::string(reinterpret_cast<const char*>(words.data()), 4 * words.size());
}

int wordOf(std::size_t byteOffset) { return testing_support::wordOfOffset(byteOffset); }

// A data file of version 3.0, in the layout of its day: every step of the upgrade runs, with a pause
// after every five notes, and the data set is saved at the current version.
TEST(UpgradeE2e, Version3FileIsUpgradedAndSaved) {
  const auto current = editorWords([] {
    TPCM.VERNO = 3.0f;
    TPCM.ITAVQ3 = 1;  // the vessel type before version 3.47: a ship
    TPCM.DEPTH = 250.0f;
    TPCM.NACC = 2;
    TPCM.RACC(3, 2) = 8.5f;
  });
  const std::string file = bytesOf(testing_support::olderImage(current, testing_support::OlderLayout::kBefore49));
  e2e::Folder folder;
  folder.writeFile("SALMDAT", file);
  // Two pauses in the notes, the question after the findings, then the last page and the save.
  const e2e::Run run = folder.run("M\n\n\n\nL\n1\n");
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.out;

  const std::string notes = folder.readFile("DATUPWRN.stxt");
  for (const char* line : {" ++> Version mismatch: Data (version  3.00) predates simulation (version  6.80)\n",
                           "               **** Data File Changes Since Version  3.00: ****\n",
                           " ++> Specification of (X,Y) coordinate for application of auxiliary\n",
                           " ++> Changed SALMDAT file size.\n", " ++> Data file resized for version 5.0\n",
                           " ++> Data file resized for 149 fairleads\n"}) {
    EXPECT_TRUE(contains(run.out, line)) << line;
    EXPECT_TRUE(contains(notes, line)) << line;
  }
  // The notes pause after every five and go on on a clear screen.
  EXPECT_TRUE(contains(run.out, " Press <RETURN> to continue: \f ++> Updated & enhanced environmental forcing"));
  EXPECT_TRUE(contains(run.out, " Press <RETURN> to continue: \f ++> Eliminated surface point"));

  EXPECT_EQ(folder.readFile("SALMBAK"), file) << "the old file is the backup";
  const std::string saved = folder.readFile("SALMDAT");
  ASSERT_EQ(saved.size(), 19900u);
  EXPECT_EQ(floatWord(saved, wordOf(offsetof(Tpcm, VERNO))), 6.8f);
  EXPECT_EQ(intWord(saved, wordOf(offsetof(Tpcm, DAT_ID))), 149);
  EXPECT_EQ(floatWord(saved, wordOf(offsetof(Tpcm, DEPTH))), 250.0f);
  EXPECT_EQ(floatWord(saved, wordOf(offsetof(Tpcm, RACC)) + 5), 8.5f) << "RACC(3, 2)";
  EXPECT_EQ(intWord(saved, wordOf(offsetof(Tpcm, NTAB))), 90);
  EXPECT_EQ(floatWord(saved, wordOf(offsetof(Tpcm, SLEN))), 150.0f) << "SLEN(1) of the SALM section";
  EXPECT_EQ(floatWord(saved, wordOf(offsetof(Tpcm, T)) + 40), 0.0f) << "T(41) did not exist";
  EXPECT_EQ(floatWord(saved, wordOf(offsetof(Tpcm, WVDGCX))), 1.0f);
  EXPECT_EQ(intWord(saved, wordOf(offsetof(Tpcm, VESTYP))), 1);
  EXPECT_EQ(intWord(saved, wordOf(offsetof(Tpcm, LWBARG))), 0x333) << "wind on, then recoded";
  EXPECT_EQ(floatWord(saved, wordOf(offsetof(Tpcm, WSPEC_HGT))), 32.81f);
}

// Choice 7 imports the vessel and environment block of a second data file: the saved data set holds
// its words, but for what the data set keeps of its own (ISPM) and the page-control words.
TEST(ImportE2e, VesselBlockFromASecondFile) {
  const auto own = editorWords([] {});
  const auto other = editorWords([] {
    TPCM.CID1P.assign("SECOND FILE");
    TPCM.DEPTH = 500.0f;
    TPCM.DRAFT = 15.0f;
    TPCM.SLEN(1) = 120.0f;
    TPCM.ISPM = 2;
  });
  e2e::Folder folder;
  folder.writeFile("SALMDAT", bytesOf(own));
  folder.writeFile("OTHERDAT", bytesOf(other));
  const e2e::Run run = folder.run("M\nL\n7\nOTHERDAT\n\n1\n");
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, " >>> Path:  \n >>> Import successful!\n")) << run.out;

  const std::string saved = folder.readFile("SALMDAT");
  ASSERT_EQ(saved.size(), 19900u);
  EXPECT_EQ(folder.readFile("SALMBAK"), bytesOf(own));
  EXPECT_EQ(folder.readFile("OTHERDAT"), bytesOf(other)) << "the import file is only read";
  const int ispm = wordOf(offsetof(Tpcm, ISPM));
  const int control = wordOf(offsetof(Tpcm, LBACK));
  for (int w = 1; w <= kStoredWords; ++w) {
    if (w == ispm) {
      EXPECT_EQ(intWord(saved, w), own[w - 1]) << "ISPM is the data set's own";
    } else if (w < control || w > control + 3) {
      ASSERT_EQ(intWord(saved, w), other[w - 1]) << "word " << w;
    }
  }
}

// "A" at a warning leaves the data set as it was: leaving without saving asks nothing.
TEST(ImportE2e, AbortLeavesTheDataSetUnchanged) {
  const auto own = editorWords([] {});
  const auto older = editorWords([] { TPCM.VERNO = 6.7f; TPCM.DEPTH = 500.0f; });
  e2e::Folder folder;
  folder.writeFile("SALMDAT", bytesOf(own));
  folder.writeFile("OLDER", bytesOf(older));
  const e2e::Run run = folder.run("M\nL\n7\n\"OLDER\"\nA\n2\n");
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, "     Application version:    6.80\n     Import file version:    6.70\n")) << run.out;
  EXPECT_FALSE(contains(run.out, "loss of data changes")) << "nothing changed";
  EXPECT_EQ(folder.readFile("SALMDAT"), bytesOf(own));
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"OLDER", "SALMDAT"}));
}

}  // namespace
}  // namespace qv

// A data set whose size word NTOGO is damaged, entered through the start menu's E (execute), which
// loads it without stamping its header: whatever the session then does, what it saves carries this
// program's size word, creator and version, and the runner takes it.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::withWord;

constexpr std::int32_t kDamagedSize = 4000;  // shorter than the creator's 4,975: the editor says nothing

void expectSoundHeader(const std::string& image, const std::string& what) {
  ASSERT_EQ(image.size(), 4u * 4975u) << what;
  EXPECT_EQ(e2e::intWord(image, 1), 4975) << what << ": NTOGO";
  EXPECT_EQ(e2e::intWord(image, 2), 11) << what << ": CREATR";
  EXPECT_EQ(e2e::floatWord(image, 217), 6.8f) << what << ": VERNO";
}

// The runner takes the saved file: no corruption warning, status 0.
void expectRunnerTakesIt(const e2e::Folder& folder, const std::string& what) {
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut) << what;
  EXPECT_EQ(run.status, 0) << what << "\n" << run.out << run.err;
  EXPECT_FALSE(contains(folder.readFile("Diagnostics.stxt"), "corrupt")) << what;
}

TEST(SavedHeaderE2e, ExecutedWithoutAnEditTheDataSetIsSavedSoundAndRuns) {
  const std::string damaged = withWord(example("tanker-yoke"), offsetof(Tpcm, NTOGO), kDamagedSize);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", damaged);
  // E: the checks pass, the listing is written, the data set saved, the notice's pause answered,
  // and the runner started beside the editor runs it.
  const e2e::Run run = folder.run("E\n\n", std::chrono::seconds(60));
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(contains(run.out, "This data file passed preliminary error checks;")) << run.out;
  EXPECT_FALSE(contains(run.out, "corrupt")) << run.out;
  expectSoundHeader(folder.readFile("SALMDAT"), "E without an edit");
  EXPECT_TRUE(folder.readFile("SALMBAK") == damaged) << "the damaged file is the backup, as it was";
  EXPECT_TRUE(folder.exists("STATOUT.stxt") && folder.exists("RANOUT.stxt")) << "the analysis ran";
}

TEST(SavedHeaderE2e, ExecutedThenEditedWhereTheChecksFailTheSaveIsSound) {
  // A depth of 0: the final page's checks find it fatal and the menu comes back with the counts;
  // the user goes to page 1, types the depth, and saves from the last page.
  std::string damaged = withWord(example("tanker-yoke"), offsetof(Tpcm, NTOGO), kDamagedSize);
  damaged = withWord(damaged, offsetof(Tpcm, DEPTH), 0.0f);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", damaged);
  const e2e::Run run = folder.run("E\n\nF\n4\n100\nL\n1\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, " ++> Fatal Warning: The water depth is nonpositive.")) << run.out;
  const std::string saved = folder.readFile("SALMDAT");
  expectSoundHeader(saved, "E, an edit, a save");
  EXPECT_EQ(e2e::floatWord(saved, 446), 100.0f) << "the depth typed";
  expectRunnerTakesIt(folder, "E, an edit, a save");
}

}  // namespace
}  // namespace qv

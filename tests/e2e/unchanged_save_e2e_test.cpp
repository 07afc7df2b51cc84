// A save changes the files only when the user changed the data set. The editor sets some words by
// itself (the table limits of the irregular sea on opening and on drawing the sea page, the
// session's switches), which no stage reads: a session that only opens the data set, views pages
// and saves must leave "SALMDAT", "SALMBAK" and "LASTBAK" byte for byte, or every such session
// rotates the backups and loses the oldest generation. A word the opening sets that a stage reads
// is a change where it differs from the file, and an edit saves and rotates as ever.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "run/hull_examples.h"
#include "support/checks.h"
#include "support/example_data.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::withWord;

const std::filesystem::path kPendularCase = std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases/pendular-60m";

// The user's case: a 240 m bulk carrier with a pendular mass in 60 m of water under a two-peak
// Ochi-Hubble sea, stored after its sea page was drawn (MAXPRM 4, the components' limit).
std::string pendular() { return testing_support::readFileText(kPendularCase / "SALMDAT"); }

// Two older generations beside the data set, each unlike it and unlike each other.
const std::string kBackup = withWord(pendular(), offsetof(Tpcm, DEPTH), 55.0f);
const std::string kLastBackup = example("tanker-yoke");

// A folder holding `image` as "SALMDAT" with the case's current profile and both backups.
void seed(const e2e::Folder& folder, const std::string& image) {
  folder.writeFile("SALMDAT", image);
  folder.writeFile("SALMBAK", kBackup);
  folder.writeFile("LASTBAK", kLastBackup);
  folder.writeFile("CRNTPROF.txt", testing_support::readFileText(kPendularCase / "CRNTPROF.txt"));
}

// The editor's own words at values no opening or page sets, as a session of another start choice
// or another sea may have left them.
std::string withForeignEditorWords(std::string image) {
  image = withWord(image, offsetof(Tpcm, NEWFLG), std::int32_t{1});
  image = withWord(image, offsetof(Tpcm, IBATCH), std::int32_t{1});
  image = withWord(image, offsetof(Tpcm, MAXDIR), std::int32_t{2});
  image = withWord(image, offsetof(Tpcm, MAXSEA), std::int32_t{3});
  image = withWord(image, offsetof(Tpcm, MAXPRM), std::int32_t{4});
  return withWord(image, offsetof(Tpcm, MAXANG), std::int32_t{20});
}

// Sessions typed at the editor. Page 3 shows four screens, so that 21 Returns from page 1 reach
// the last page.
const std::string kSaveAtOnce = "M\nL\n1\n";
const std::string kViewSeaPageAndSave = "M\nJ15\nL\n1\n";
const std::string kViewEveryPageAndSave = "M\n" + std::string(21, '\n') + "1\n";
const std::string kBatchOpenAndSave = "B\nL\n1\n";
const std::string kLeaveAtOnce = "M\nL\n2\n";
const std::string kLossWarning = ">>> WARNING <<<";

// Runs each session in turn and checks that it ends normally, warns of no lost change and leaves
// the three generations as they were, and no other file.
void expectNothingWritten(const std::string& what, const std::string& image, const std::vector<std::string>& sessions) {
  e2e::Folder folder;
  seed(folder, image);
  for (const std::string& session : sessions) {
    const e2e::Run run = folder.run(session);
    ASSERT_FALSE(run.timedOut) << what;
    EXPECT_EQ(run.status, 0) << what << "\n" << run.out;
    EXPECT_FALSE(contains(run.out, kLossWarning)) << what << ": a warning of lost changes";
  }
  EXPECT_TRUE(folder.readFile("SALMDAT") == image) << what << ": the data file was written";
  EXPECT_TRUE(folder.readFile("SALMBAK") == kBackup) << what << ": the backup moved on";
  EXPECT_TRUE(folder.readFile("LASTBAK") == kLastBackup) << what << ": the oldest generation was lost";
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"CRNTPROF.txt", "LASTBAK", "SALMBAK", "SALMDAT"})) << what;
}

TEST(UnchangedSaveE2e, APendularSessionThatChangesNothingLeavesEveryGeneration) {
  // The case as a save of an edit leaves it when the sea page was not drawn: MAXPRM as the opening
  // set it. Drawing the Ochi-Hubble sea page raises it to 4 again.
  const std::string savedUnviewed = withWord(pendular(), offsetof(Tpcm, MAXPRM), std::int32_t{1});
  struct Case {
    const char* what;
    std::string image;
    std::vector<std::string> sessions;
  };
  const Case cases[] = {
      {"opened and saved at once", pendular(), {kSaveAtOnce}},
      {"opened, its sea page viewed, saved", pendular(), {kViewSeaPageAndSave}},
      {"saved at once, then opened again, its sea page viewed, saved", pendular(), {kSaveAtOnce, kViewSeaPageAndSave}},
      {"MAXPRM 1 in the file, its sea page viewed, saved", savedUnviewed, {kViewSeaPageAndSave}},
      {"every page viewed in turn, then saved", pendular(), {kViewEveryPageAndSave}},
      {"MAXPRM 1 in the file, every page viewed in turn, then saved", savedUnviewed, {kViewEveryPageAndSave}},
      {"opened for batch modification and saved", pendular(), {kBatchOpenAndSave}},
      {"opened and left without saving", pendular(), {kLeaveAtOnce}},
  };
  for (const Case& c : cases) expectNothingWritten(c.what, c.image, c.sessions);
}

// Every sea type on the case's ship, and every hull type under the tanker example's sea, the
// editor's own words held in the file at values no session of this one sets: opened, the sea page
// viewed and saved.
TEST(UnchangedSaveE2e, EverySeaAndHullTypeViewedAndSavedStaysAsItWas) {
  for (const WaveSpectrumRow& sea : kWaveSpectra) {
    const std::string image = withForeignEditorWords(withWord(pendular(), offsetof(Tpcm, WAVTYP), sea.code));
    expectNothingWritten("the sea" + std::string(sea.name), image, {kViewSeaPageAndSave});
  }
  expectNothingWritten("no irregular sea",
                       withForeignEditorWords(withWord(pendular(), offsetof(Tpcm, LRANDM), std::int32_t{0})),
                       {kViewSeaPageAndSave});

  const std::map<std::int32_t, std::string> hulls = {
      {kShipVessel, example("tanker-yoke")},
      {kJackUp, withWord(example("tanker-yoke"), offsetof(Tpcm, VESTYP), std::int32_t{kJackUp})},
      {kSemiSubmersible, testing_support::semiExampleImage()},
      {kDiscBuoy, testing_support::discImage()},
      {kTensionLegPlatform, testing_support::tlpImage()},
      {kCaissonSpar, testing_support::sparImage()},
  };
  for (const VesselTypeRow& type : kVesselTypes) {
    ASSERT_TRUE(hulls.count(type.code)) << type.name;
    const std::string& image = hulls.at(type.code);
    ASSERT_EQ(e2e::intWord(image, offsetof(Tpcm, VESTYP) / 4 + 1), type.code) << type.name;
    expectNothingWritten("the hull" + std::string(type.name), withForeignEditorWords(image), {kViewSeaPageAndSave});
  }
  expectNothingWritten("the free SALM", withForeignEditorWords(example("free-salm")), {kViewSeaPageAndSave});
}

// A change is saved: the old data file becomes the backup and the old backup the oldest generation.
// A word the opening sets that a stage reads counts where the file holds another value, and is saved
// as the opening set it. The editor's own words are saved as the session left them: the opening
// set MAXPRM to 1, and the sea page, not drawn, did not raise it again.
TEST(UnchangedSaveE2e, AChangeIsSavedAndTheGenerationsMoveOn) {
  struct Word {
    std::size_t offset;
    std::int32_t inFile;  // as bits: a real is given by its bits
    std::int32_t saved;
  };
  struct Case {
    const char* what;
    std::string session;
    std::vector<Word> words;
  };
  const auto bitsOf = [](float x) {
    std::int32_t bits = 0;
    std::memcpy(&bits, &x, 4);
    return bits;
  };
  const Word maxprm{offsetof(Tpcm, MAXPRM), 4, 1};
  const Case cases[] = {
      {"the water depth edited on page 1", "M\n4\n61\nL\n1\n",
       {{offsetof(Tpcm, DEPTH), bitsOf(60.0f), bitsOf(61.0f)}, maxprm}},
      {"ISPM of the file 0, which the opening sets to 1", kSaveAtOnce, {{offsetof(Tpcm, ISPM), 0, 1}, maxprm}},
      {"SEMI_LIKE of the file against its ship", kSaveAtOnce, {{offsetof(Tpcm, SEMI_LIKE), 1, 0}, maxprm}},
      {"a vessel type with no hull here, opened as a ship", kSaveAtOnce,
       {{offsetof(Tpcm, VESTYP), 9, kShipVessel}, maxprm}},
      {"LGAP of the file 1, which the opening sets to 0", kSaveAtOnce, {{offsetof(Tpcm, LGAP), 1, 0}, maxprm}},
  };
  for (const Case& c : cases) {
    std::string image = pendular();
    std::string expected = image;
    for (const Word& w : c.words) {
      image = withWord(image, w.offset, w.inFile);
      expected = withWord(expected, w.offset, w.saved);
    }
    e2e::Folder folder;
    seed(folder, image);
    const e2e::Run run = folder.run(c.session);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, 0) << c.what << "\n" << run.out;
    EXPECT_TRUE(folder.readFile("SALMDAT") == expected) << c.what << ": not saved as edited";
    EXPECT_TRUE(folder.readFile("SALMBAK") == image) << c.what << ": the old data file is not the backup";
    EXPECT_TRUE(folder.readFile("LASTBAK") == kBackup) << c.what << ": the old backup is not the oldest";
  }
}

// What a run leaves in a folder holding `image`: its status, its screen and every file it wrote,
// the clock lines masked.
std::map<std::string, std::string> analyse(const std::string& image) {
  e2e::Folder folder;
  seed(folder, image);
  const e2e::Run run = folder.runAnalysis();
  std::map<std::string, std::string> left{{"status", std::to_string(run.status)},
                                          {"screen", testing_support::maskClock(run.out + run.err)}};
  for (const std::string& name : folder.files()) left[name] = testing_support::maskClock(folder.readFile(name));
  return left;
}

// No stage reads the editor's own words: whatever they hold, a run gives the same reports.
TEST(UnchangedSaveE2e, TheEditorsOwnWordsChangeNoReport) {
  struct Case {
    const char* what;
    std::string image;
  };
  const Case cases[] = {
      {"the pendular case", pendular()},
      {"the tanker example", example("tanker-yoke")},
      {"the free SALM", example("free-salm")},
      {"the semi-submersible", testing_support::semiExampleImage()},
      {"the discus buoy", testing_support::discImage()},
  };
  for (const Case& c : cases) {
    const std::map<std::string, std::string> asStored = analyse(c.image);
    ASSERT_TRUE(asStored.count("Diagnostics.stxt")) << c.what;
    // MAXPRM as the opening and as the drawing of an Ochi-Hubble sea page set it; then all six.
    const std::int32_t maxprm = e2e::intWord(c.image, offsetof(Tpcm, MAXPRM) / 4 + 1) == 4 ? 1 : 4;
    const std::string others[] = {withWord(c.image, offsetof(Tpcm, MAXPRM), maxprm), withForeignEditorWords(c.image)};
    for (const std::string& other : others) {
      ASSERT_FALSE(other == c.image) << c.what;
      const std::map<std::string, std::string> left = analyse(other);
      EXPECT_EQ(left.size(), asStored.size()) << c.what;
      for (const auto& [name, text] : asStored) {
        if (name == "SALMDAT") continue;
        ASSERT_TRUE(left.count(name)) << c.what << ": " << name;
        EXPECT_TRUE(left.at(name) == text) << c.what << ": " << name << " differs";
      }
    }
  }
}

}  // namespace
}  // namespace qv

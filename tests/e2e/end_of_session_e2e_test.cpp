// The end of an editing session where a new user meets it: a save into a folder that an analysis
// holds, the screen after a silent execution whose save did not go through, and the hull members of
// a semi-submersible, a tension-leg platform or a spar, which no page takes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "platform/stop.h"
#include "run/hull_examples.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/folder_hold_texts.h"
#include "util/folder_lock.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::withWord;
using namespace std::chrono_literals;

const std::string kFolderHeld(testing_support::kSaveRefused);
const std::string kExecutionRefused(testing_support::kExecutionRefused);
// After the refusal the end-of-session menu comes back with the edits; the typed input ends there.
const std::string kMenuAgainThenInputEnds =
    "(Press <RETURN> to review data)\n \n Enter number of selection (\"H\" for help): \n"
    " ++> Keyboard input ended; nothing was saved.\n";
const std::string kNotice = ">>> Kestrin Editor Software <<<";
const std::string kRunnerRefused = "Another analysis is running in this folder";

// Open the data set and give it a new title on page 1: a change, which the session's end saves.
constexpr std::string_view kRetitle = "M\n1\nNEW TITLE\n";

// The analysis runner started interactively in a folder, where it holds the folder while it waits at
// its first question, the debug print level (the data set asks for it); its standard input is a pipe
// this object holds. Answered, it runs to its end; dropped, its input ends and so does it.
class WaitingRun {
 public:
  WaitingRun(const e2e::Folder& folder, const std::filesystem::path& log) : log_(log) {
    std::signal(SIGPIPE, SIG_IGN);
    const std::string command = "cd '" + folder.path().string() + "' && exec '" + e2e::runnerPath() +
                                "' --interactive >'" + log.string() + "' 2>&1";
    input_ = ::popen(command.c_str(), "w");
  }
  ~WaitingRun() {
    if (input_ != nullptr) ::pclose(input_);
  }
  WaitingRun(const WaitingRun&) = delete;
  WaitingRun& operator=(const WaitingRun&) = delete;

  // True once it waits at its question (within a generous limit, for a loaded machine).
  bool waits() const {
    const auto end = std::chrono::steady_clock::now() + 60s;
    while (input_ != nullptr && std::chrono::steady_clock::now() < end) {
      if (contains(testing_support::readFileText(log_), "Input NBUG: ")) return true;
      std::this_thread::sleep_for(10ms);
    }
    return false;
  }
  // Every question answered with the print level 0; its exit status.
  int answer() {
    const std::string replies(300, '\n');
    std::fwrite(replies.data(), 1, replies.size(), input_);
    const int status = ::pclose(input_);
    input_ = nullptr;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  std::filesystem::path log_;
  FILE* input_ = nullptr;
};

// A run waiting at a question holds the folder: a save from the editor, or an execution, says so
// and changes no file, and the menu comes back with the edits (the end of the typed input there
// saves nothing). Once the run has ended, the same save goes through.
TEST(HeldFolderE2e, NoSaveGoesIntoAFolderAnAnalysisHolds) {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, NBUG0), std::int32_t{1});
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  e2e::Folder logs;
  WaitingRun run(folder, logs.path() / "run.out");
  ASSERT_TRUE(run.waits()) << testing_support::readFileText(logs.path() / "run.out");

  struct Case {
    const char* what;
    const char* choice;
    const std::string& refusal;
  };
  const Case cases[] = {
      {"save and exit", "1", kFolderHeld},
      {"execute interactively", "3", kExecutionRefused},
      {"execute silently", "4", kExecutionRefused},
  };
  for (const Case& c : cases) {
    const e2e::Run editor = folder.run(std::string(kRetitle) + "L\n" + c.choice + "\n\n");
    ASSERT_FALSE(editor.timedOut) << c.what;
    EXPECT_EQ(editor.status, kExitInputEnded) << c.what << "\n" << editor.out;
    const std::size_t held = editor.out.find(c.refusal);
    ASSERT_NE(held, std::string::npos) << c.what << "\n" << editor.out;
    EXPECT_TRUE(contains(editor.out.substr(held), kMenuAgainThenInputEnds)) << c.what << "\n" << editor.out;
    EXPECT_FALSE(contains(editor.out, kNotice)) << c.what << ": no execution";
    EXPECT_TRUE(folder.readFile("SALMDAT") == image) << c.what;
    EXPECT_FALSE(folder.exists("SALMBAK")) << c.what;
  }

  EXPECT_EQ(run.answer(), 0) << testing_support::readFileText(logs.path() / "run.out");
  EXPECT_TRUE(folder.exists("RANOUT.stxt"));
  const e2e::Run editor = folder.run(std::string(kRetitle) + "L\n1\n");
  ASSERT_FALSE(editor.timedOut);
  EXPECT_EQ(editor.status, 0) << editor.out;
  EXPECT_TRUE(folder.readFile("SALMBAK") == image);
  EXPECT_TRUE(contains(folder.readFile("SALMDAT"), "NEW TITLE"));
}

// Every file of a folder by name, byte for byte.
std::map<std::string, std::string> filesOf(const e2e::Folder& folder) {
  std::map<std::string, std::string> files;
  for (const std::string& name : folder.files()) files[name] = folder.readFile(name);
  return files;
}

// The file's number in its file system: a file renamed into place takes a new one.
ino_t inodeOf(const std::filesystem::path& file) {
  struct stat st = {};
  return ::stat(file.c_str(), &st) == 0 ? st.st_ino : 0;
}

// A run's files stay the run's: after a complete run of the example, a second run waits at a
// question, holding the folder, while the editor executes with the data set changed, silently and
// interactively. Neither execution writes a file (no listing, no messages, no data set: every file
// of the folder keeps its bytes, and no file comes or goes); each says why, and the menu comes back
// with the edits, whose review shows the new title. Answered, the waiting run ends by itself and
// writes its reports, and the first run's messages are whole.
TEST(HeldFolderE2e, AnExecutionThatTheHoldRefusesWritesNoFile) {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, NBUG0), std::int32_t{1});
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run complete = folder.runAnalysis();
  ASSERT_EQ(complete.status, 0) << complete.err;
  const std::map<std::string, std::string> before = filesOf(folder);
  const std::string messages = folder.readFile("Diagnostics.stxt");
  ASSERT_TRUE(contains(messages, "Computing")) << messages;
  const ino_t reportInode = inodeOf(folder.path() / "RANOUT.stxt");
  e2e::Folder logs;
  WaitingRun run(folder, logs.path() / "run.out");
  ASSERT_TRUE(run.waits()) << testing_support::readFileText(logs.path() / "run.out");

  for (const char* choice : {"4", "3"}) {
    // The refusal's Return, then Return at the menu: the review of the data from page 1.
    const e2e::Run editor = folder.run(std::string(kRetitle) + "L\n" + choice + "\n\n\n");
    ASSERT_FALSE(editor.timedOut) << choice;
    EXPECT_EQ(editor.status, kExitInputEnded) << choice << "\n" << editor.out;
    const std::size_t refused = editor.out.find(kExecutionRefused);
    ASSERT_NE(refused, std::string::npos) << choice << "\n" << editor.out;
    const std::string after = editor.out.substr(refused);
    const std::size_t menu = after.find("****  Page 19: End of Session  ****");
    ASSERT_NE(menu, std::string::npos) << choice << "\n" << after;
    EXPECT_TRUE(contains(after.substr(menu), "NEW TITLE")) << choice << ": the edits are kept\n" << after;
    EXPECT_FALSE(contains(editor.out, kNotice)) << choice;
    EXPECT_TRUE(filesOf(folder) == before) << choice << ": a file of the folder changed, came or went";
  }

  EXPECT_EQ(run.answer(), 0) << testing_support::readFileText(logs.path() / "run.out");
  EXPECT_FALSE(contains(testing_support::readFileText(logs.path() / "run.out"), kRunnerRefused));
  EXPECT_TRUE(folder.readFile("Diagnostics.stxt") == messages) << "the interactive run talks on the console";
  EXPECT_TRUE(folder.readFile("SALMDAT") == image);
  EXPECT_NE(inodeOf(folder.path() / "RANOUT.stxt"), reportInode) << "the answered run wrote its reports";
}

// An execution holds the folder until it starts the runner, and lets it go then: the runner runs,
// interactively and silently alike.
TEST(HeldFolderE2e, AnExecutionFromTheEditorRunsAfterItsSave) {
  const std::string image = example("tanker-yoke");
  for (const char* choice : {"3", "4"}) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run editor = folder.run(std::string(kRetitle) + "L\n" + choice + "\n\n");
    ASSERT_FALSE(editor.timedOut) << choice;
    EXPECT_EQ(editor.status, 0) << choice << "\n" << editor.out << editor.err;
    EXPECT_TRUE(contains(editor.out, kNotice)) << choice;
    EXPECT_FALSE(contains(editor.out + editor.err, kRunnerRefused)) << choice;
    EXPECT_TRUE(folder.readFile("SALMBAK") == image) << choice;
    EXPECT_TRUE(folder.exists("RANOUT.stxt")) << choice;
  }
}

// A silent execution that does not go on (its save fails in a folder where the first backup goes;
// an analysis holds the folder) starts no run: the menu that comes back, the review of the data it
// leads to (Return) and the help of a page ("?") are on the screen, where the replies are typed,
// and none of them goes into the messages file.
TEST(FailedSilentSaveE2e, TheSessionGoesOnOnTheScreen) {
  struct Case {
    const char* what;
    bool held;  // else a folder named as the first backup
    std::string failure;
  };
  const Case cases[] = {
      {"a folder where the first backup goes", false, "     Reason: Is a directory\n"},
      {"a folder an analysis holds", true, kExecutionRefused},
  };
  const std::string image = example("tanker-yoke");
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    if (!c.held) std::filesystem::create_directory(folder.path() / "SALMBAK");
    // The same hold as the runner's.
    std::unique_ptr<FolderLock> hold;
    if (c.held) hold = std::make_unique<FolderLock>(folder.path().string(), FolderHold::kRun);
    const e2e::Run editor = folder.run(std::string(kRetitle) + "L\n4\n\n\n?\n");
    ASSERT_FALSE(editor.timedOut) << c.what;
    EXPECT_EQ(editor.status, kExitInputEnded) << c.what << "\n" << editor.out;
    const std::size_t failed = editor.out.find(c.failure);
    ASSERT_NE(failed, std::string::npos) << c.what << "\n" << editor.out;
    const std::string after = editor.out.substr(failed);
    EXPECT_TRUE(contains(after, "****  Page 19: End of Session  ****")) << c.what << "\n" << after;
    EXPECT_TRUE(contains(after, "****  Page 1: Site conditions  ****")) << c.what << "\n" << after;
    EXPECT_TRUE(contains(after, "****  Site Definition Notes  ****")) << c.what << "\n" << after;
    EXPECT_FALSE(contains(editor.out, kNotice)) << c.what;
    const std::string diagnostics = folder.readFile("Diagnostics.stxt");
    EXPECT_FALSE(contains(diagnostics, "****")) << c.what << "\n" << diagnostics;
    EXPECT_TRUE(folder.readFile("SALMDAT") == image) << c.what;
  }
}

// The refusal of a column-stabilised hull without members, as the vessel type chosen on page 5
// names it, with where members come from.
std::string emptyTable(const std::string& hull) {
  return " ++> Fatal Warning: The " + hull +
         "'s hull-member table is empty:\n"
         "     the hull has no waterplane and every response of the run would be 0.\n"
         "     No page of this editor takes hull members: open a data set that holds\n"
         "     them, or import them with page 19, choice 7, from a data file of the\n"
         "     semi-submersible program Dorvane or of a mooring program. The import\n"
         "     replaces every stored word, so import first, then edit. Or choose\n"
         "     another vessel type (page 5, item 11).\n";
}

// A column-stabilised hull chosen on page 5 (item 11) has no members, and execution is refused
// with the way to them.
TEST(HullMembersE2e, AHullWithoutMembersIsRefusedWithWhereTheyComeFrom) {
  struct Case {
    const char* type;  // the reply at the vessel-type menu
    const char* hull;
  };
  const Case cases[] = {{"3", "semi-submersible"}, {"5", "tension-leg platform"}, {"6", "caisson spar"}};
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", example("tanker-yoke"));
    const e2e::Run editor = folder.run(std::string("M\nJ5\n11\n") + c.type + "\n\nL\n3\n\n");
    ASSERT_FALSE(editor.timedOut) << c.hull;
    EXPECT_EQ(editor.status, kExitInputEnded) << c.hull << "\n" << editor.out;
    EXPECT_TRUE(contains(editor.out, emptyTable(c.hull))) << c.hull << "\n" << editor.out;
    EXPECT_FALSE(contains(editor.out, kNotice)) << c.hull;
  }
}

// Doing what the refusal says: a new data set takes its semi-submersible by an import (page 19,
// choice 7) from a data file of the semi-submersible program that holds the hull and its members;
// it then executes. The import replaces every stored word: a title typed before it is gone.
TEST(HullMembersE2e, AnImportGivesANewDataSetItsHullMembers) {
  const std::string semi = testing_support::semiExampleImage();
  const std::string semiProgramFile = withWord(semi, offsetof(Tpcm, CREATR), std::int32_t{3});
  e2e::Folder folder;
  folder.writeFile("SEMIDAT", semiProgramFile);
  const e2e::Run editor =
      folder.run("C\n1\nMY EDIT\nJ5\n11\n3\n\nL\n7\nSEMIDAT\n\n4\n\n");
  ASSERT_FALSE(editor.timedOut);
  EXPECT_EQ(editor.status, 0) << editor.out << editor.err << folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(editor.out, " >>> Import successful!\n")) << editor.out;
  EXPECT_FALSE(contains(editor.out + folder.readFile("Diagnostics.stxt"), "hull-member table"));
  const std::string saved = folder.readFile("SALMDAT");
  EXPECT_EQ(e2e::intWord(saved, static_cast<int>(offsetof(Tpcm, NCYL) / 4) + 1),
            e2e::intWord(semi, static_cast<int>(offsetof(Tpcm, NCYL) / 4) + 1));
  EXPECT_EQ(e2e::intWord(saved, static_cast<int>(offsetof(Tpcm, CREATR) / 4) + 1), 11) << "the data set's own";
  EXPECT_FALSE(contains(saved, "MY EDIT"));
  // The vessel summary of the semi-submersible's model, which only it writes.
  EXPECT_TRUE(contains(folder.readFile("TANKSUM.stxt"), "(AS ESTIMATED)"));
  EXPECT_TRUE(folder.exists("LOWOUT.stxt"));
}

}  // namespace
}  // namespace qv

// The save through the real executable when the disk fails it: a write, a sync or a rename that
// fails (made to fail by a small library preloaded into the editor), a file-size limit, a folder
// where a generation should be, a read-only folder, a full disk. Every failure says which file and
// why, leaves each generation byte for byte as it was and brings the end-of-session menu back with
// the edits, from which a later save succeeds; the end of the typed input there saves nothing (status
// 2). Old generations of any length move on as they are.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstddef>
#include <cstring>
#include <tuple>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "platform/stop.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"
#include "support/example_data.h"
#include "support/private_mounts.h"

namespace qv {
namespace {

using qv::testing_support::contains;

// A data set as this editor stores it; `depth` tells the generations apart. It is stored under
// another session mode, so every session counts it as changed and saves it.
std::string storedImage(float depth) {
  return testing_support::DataSet()
      .with([depth] {
        TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0x444;  // built-in models: no LOWDAT needed
        TPCM.DEPTH = depth;
        TPCM.SRCDAT = 1;
      })
      .bytes();
}

// The stored data set with the wind surge force from the typed table of "LOWDAT".
std::string windTableDataSet(float depth) {
  return testing_support::DataSet()
      .with([depth] {
        TPCM.LWBARG = 0x441;
        TPCM.LCBARG = TPCM.LWVCOF = 0x444;
        TPCM.DEPTH = depth;
        TPCM.SRCDAT = 1;
      })
      .bytes();
}

// A coefficient image with a three-row wind table; `cx` tells the generations apart.
std::string coefficientImage(float cx) {
  std::vector<std::int32_t> words(680, 0);
  words[0] = 3;
  const float angles[] = {0.0f, 90.0f, 180.0f};
  for (int row = 0; row < 3; ++row) {
    std::memcpy(&words[static_cast<std::size_t>(4 + row)], &angles[row], 4);
    const float value = cx * static_cast<float>(1 - row);
    std::memcpy(&words[static_cast<std::size_t>(25 + row)], &value, 4);
  }
  return std::string(reinterpret_cast<const char*>(words.data()), 4 * words.size());
}

// Open the data set, go to the last page, save and exit; one more line for the pause of a failure,
// after which the end-of-session menu comes back.
constexpr std::string_view kSaveScript = "M\nL\n1\n\n";

std::string failureMessage(const std::string& file, const std::string& reason, const std::string& outcome) {
  return "\n ++> File not found or file access error in DRAVOKET    \n     File name: " + file + "\n \n     Reason: " +
         reason + "\n     " + outcome +
         "\n     The edits are kept: free some space, or make the folder and the files\n"
         "     writable, then save again.\n \n Press <RETURN> to continue: ";
}
const std::string kUnchanged = "The data files are unchanged.";
// After the failure the end-of-session menu comes back with the edits; the typed input ends there.
const std::string kMenuAgainThenInputEnds =
    "(Press <RETURN> to review data)\n \n Enter number of selection (\"H\" for help): \n"
    " ++> Keyboard input ended; nothing was saved.\n";

// Runs the editor on `script` with the fault library preloaded and `variable` set to `calls`.
e2e::Run runFailing(const e2e::Folder& folder, const char* variable, const std::string& calls,
                    std::string_view script = kSaveScript) {
  return folder.run(script, std::chrono::seconds(30), [=] {
    setenv("LD_PRELOAD", QV_WRITE_FAULTS, 1);
    // A sanitizer build wants its runtime first among the libraries; the preloaded one comes first.
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string options = std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0";
    setenv("ASAN_OPTIONS", options.c_str(), 1);
    setenv(variable, calls.c_str(), 1);
  });
}

TEST(SaveFaults, AFailingSaveChangesNothing) {
  const std::string data = storedImage(100.0f);
  const std::string backup = storedImage(200.0f);
  const std::string last = storedImage(300.0f);
  struct Case {
    const char* what;
    const char* variable;  // empty: a file-size limit instead
    const char* calls;
    std::string file;      // the file the message names
    std::string reason;
  };
  // The generations are written oldest first: LASTBAK, SALMBAK, SALMDAT.
  const Case cases[] = {
      {"the oldest generation's write fails", "QV_FAIL_WRITE", "1", "LASTBAK     ", "No space left on device"},
      {"the first backup's write fails", "QV_FAIL_WRITE", "2", "SALMBAK     ", "No space left on device"},
      {"the data file's write fails", "QV_FAIL_WRITE", "3", "SALMDAT     ", "No space left on device"},
      {"the first backup's sync fails", "QV_FAIL_FSYNC", "2", "SALMBAK     ", "Input/output error"},
      {"a rename fails after the first was done: it is undone", "QV_FAIL_RENAME", "2", "SALMBAK     ",
       "Input/output error"},
      {"a file-size limit: the write fails, no signal ends the run", "", "", "LASTBAK     ", "File too large"},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", data);
    folder.writeFile("SALMBAK", backup);
    folder.writeFile("LASTBAK", last);
    const e2e::Run run = *c.variable != '\0' ? runFailing(folder, c.variable, c.calls)
                                             : folder.run(kSaveScript, std::chrono::seconds(30), [] {
                                                 const rlimit limit{4096, 4096};
                                                 setrlimit(RLIMIT_FSIZE, &limit);
                                               });
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.signal, 0) << c.what;
    EXPECT_EQ(run.status, kExitInputEnded) << c.what << "\n" << run.out;
    EXPECT_TRUE(contains(run.out, failureMessage(c.file, c.reason, kUnchanged))) << c.what << "\n" << run.out;
    EXPECT_TRUE(run.out.ends_with(kMenuAgainThenInputEnds)) << c.what << "\n" << run.out;
    EXPECT_TRUE(folder.readFile("SALMDAT") == data) << c.what;
    EXPECT_TRUE(folder.readFile("SALMBAK") == backup) << c.what;
    EXPECT_TRUE(folder.readFile("LASTBAK") == last) << c.what;
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"LASTBAK", "SALMBAK", "SALMDAT"})) << c.what;
  }
}

TEST(SaveFaults, AFailedSaveIsMadeAgainFromTheMenuOnceTheDiskAllowsIt) {
  // The first write fails, the second attempt from the menu succeeds; for a data set opened from its
  // file, and for a new one, whose first save then writes no backup.
  const std::string data = storedImage(100.0f);
  const std::string backup = storedImage(200.0f);
  {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", data);
    folder.writeFile("SALMBAK", backup);
    const e2e::Run run = runFailing(folder, "QV_FAIL_WRITE", "1", "M\nL\n1\n\n1\n");
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, failureMessage("LASTBAK     ", "No space left on device", kUnchanged))) << run.out;
    EXPECT_TRUE(folder.readFile("LASTBAK") == backup);
    EXPECT_TRUE(folder.readFile("SALMBAK") == data);
    EXPECT_EQ(e2e::intWord(folder.readFile("SALMDAT"), 6), kModeEditor) << "the edited data set (its mode word)";
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"LASTBAK", "SALMBAK", "SALMDAT"}));
  }
  {
    e2e::Folder folder;
    const e2e::Run run = runFailing(folder, "QV_FAIL_WRITE", "1", "C\nL\n1\n\n1\n");
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, failureMessage("SALMDAT     ", "No space left on device", kUnchanged))) << run.out;
    EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"}) << "no backup of a file that never was";
    EXPECT_EQ(folder.readFile("SALMDAT").size(), 19900u);
  }
}

// A read-only folder: bound read-only where the system allows a mount of the test's own (root
// ignores a folder's permissions); otherwise a folder without write permission, or, for root
// without that privilege, a failing write.
TEST(SaveFaults, AReadOnlyFolderChangesNothingAndTheMenuComesBack) {
  const std::string data = storedImage(100.0f);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", data);
  testing_support::FolderMount mount;
  e2e::Run run;
  std::string file, reason;
  if (mount.readOnly(folder.path())) {
    run = folder.run(kSaveScript);
    file = "SALMDAT     ";  // a file that cannot be replaced is refused before anything is written
    reason = "Read-only file system";
  } else if (::geteuid() != 0) {
    ::chmod(folder.path().c_str(), 0555);
    run = folder.run(kSaveScript);
    ::chmod(folder.path().c_str(), 0755);
    file = "SALMBAK     ";  // the first new file cannot be made
    reason = "Permission denied";
  } else {
    run = runFailing(folder, "QV_FAIL_WRITE", "1,2,3");
    file = "SALMBAK     ";
    reason = "No space left on device";
  }
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, kExitInputEnded) << run.out;
  EXPECT_TRUE(contains(run.out, failureMessage(file, reason, kUnchanged))) << run.out;
  EXPECT_TRUE(run.out.ends_with(kMenuAgainThenInputEnds)) << run.out;
  EXPECT_TRUE(folder.readFile("SALMDAT") == data);
  EXPECT_EQ(folder.files(), std::vector<std::string>{"SALMDAT"});
}

// A full disk: a file system of 100 KB filled up, where the system allows a mount of the test's
// own; otherwise every write fails as on a full disk.
TEST(SaveFaults, AFullDiskChangesNothingAndTheMenuComesBack) {
  const std::string data = storedImage(100.0f);
  e2e::Folder folder;
  testing_support::FolderMount mount;
  const bool small = mount.small(folder.path(), "100k");
  folder.writeFile("SALMDAT", data);
  std::vector<std::string> names{"SALMDAT"};
  e2e::Run run;
  if (small) {
    // Fill what is left.
    const std::string block(4096, 'x');
    std::FILE* filler = std::fopen((folder.path() / "filler").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {
    }
    std::fclose(filler);
    names.push_back("filler");
    run = folder.run(kSaveScript);
  } else {
    run = runFailing(folder, "QV_FAIL_WRITE", "1,2,3");
  }
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, kExitInputEnded) << run.out;
  EXPECT_TRUE(contains(run.out, failureMessage("SALMBAK     ", "No space left on device", kUnchanged))) << run.out;
  EXPECT_TRUE(run.out.ends_with(kMenuAgainThenInputEnds)) << run.out;
  EXPECT_TRUE(folder.readFile("SALMDAT") == data);
  EXPECT_EQ(folder.files(), names) << "no temporary file left behind";
}

TEST(SaveFaults, AnUndoThatFailsTooIsReportedAndLosesNoGeneration) {
  const std::string data = storedImage(100.0f);
  const std::string backup = storedImage(200.0f);
  const std::string last = storedImage(300.0f);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", data);
  folder.writeFile("SALMBAK", backup);
  folder.writeFile("LASTBAK", last);
  // The second rename fails, and so does the third: the one that would put the old LASTBAK back.
  const e2e::Run run = runFailing(folder, "QV_FAIL_RENAME", "2,3");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, kExitInputEnded) << run.out;
  EXPECT_TRUE(contains(run.out, failureMessage("SALMBAK     ", "Input/output error",
                                               "Not every file could be put back as it was; each holds a whole "
                                               "generation.")))
      << run.out;
  EXPECT_TRUE(folder.readFile("SALMDAT") == data);
  EXPECT_TRUE(folder.readFile("SALMBAK") == backup);
  EXPECT_TRUE(folder.readFile("LASTBAK") == backup) << "the backup moved on whole";
  // The old oldest generation is still on disk under its second name.
  int keptCopies = 0;
  for (const std::string& name : folder.files()) {
    if (name.rfind(".LASTBAK.", 0) != 0) continue;
    ++keptCopies;
    EXPECT_TRUE(folder.readFile(name) == last);
  }
  EXPECT_EQ(keptCopies, 1) << testing::PrintToString(folder.files());
  // The next load finishes the undo from the save's journal: the oldest generation is back.
  const e2e::Run load = folder.run("M\n");
  ASSERT_FALSE(load.timedOut);
  EXPECT_TRUE(folder.readFile("LASTBAK") == last);
  EXPECT_TRUE(folder.readFile("SALMBAK") == backup);
  EXPECT_TRUE(folder.readFile("SALMDAT") == data);
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"LASTBAK", "SALMBAK", "SALMDAT"}));
}

TEST(SaveFaults, AFolderWhereAGenerationShouldBe) {
  const std::string data = storedImage(100.0f);
  const std::string backup = storedImage(200.0f);
  for (const std::string name : {"SALMBAK", "LASTBAK"}) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", data);
    if (name == "LASTBAK") folder.writeFile("SALMBAK", backup);
    std::filesystem::create_directory(folder.path() / name);
    const e2e::Run run = folder.run(kSaveScript);
    ASSERT_FALSE(run.timedOut) << name;
    EXPECT_EQ(run.status, kExitInputEnded) << name << "\n" << run.out;
    EXPECT_TRUE(contains(run.out, failureMessage(name + "     ", "Is a directory", kUnchanged))) << name << run.out;
    EXPECT_TRUE(folder.readFile("SALMDAT") == data) << name;
    if (name == "LASTBAK") {
      EXPECT_TRUE(folder.readFile("SALMBAK") == backup);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / name)) << name;
    EXPECT_EQ(folder.files().size(), name == "LASTBAK" ? 3u : 2u) << testing::PrintToString(folder.files());
  }
}

TEST(SaveFaults, OldGenerationsOfAnyLengthMoveOnByteForByte) {
  // Backups of any length, and backups that the image reader would read otherwise: a framed one (its
  // frame would be dropped), one longer than the reader's buffer (it would be cut), one of odd length,
  // and a coefficient backup whose first words are zero (read as framed, every word would shift by
  // one).
  const std::string data = storedImage(100.0f);
  const std::string framed = std::string("\x6c\x4d\0\0", 4) + storedImage(200.0f) + std::string("\x6c\x4d\0\0", 4);
  struct Case {
    const char* what;
    const char* file;  // the first backup, which moves on to the second
    const char* last;
    std::string backup;
  };
  const Case cases[] = {
      {"an empty backup", "SALMBAK", "LASTBAK", ""},
      {"a one-word backup", "SALMBAK", "LASTBAK", std::string("\x0b\0\0\0", 4)},
      {"a backup of one word and a byte", "SALMBAK", "LASTBAK", std::string("\x0b\0\0\0\x07", 5)},
      {"a framed backup", "SALMBAK", "LASTBAK", framed},
      {"a large backup", "SALMBAK", "LASTBAK", std::string(616900, '\x05')},
      {"a backup of odd length", "SALMBAK", "LASTBAK", storedImage(300.0f) + "\x01"},
      {"a coefficient backup that starts with zero words", "LOWBAK", "LASTLOW",
       std::string(8, '\0') + std::string(2712, '\x02')},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", data);
    folder.writeFile(c.file, c.backup);
    std::string script(kSaveScript);
    const bool coefficients = std::string(c.file) == "LOWBAK";
    if (coefficients) {
      // The wind surge table of "LOWDAT" gets one more row: the coefficient file is saved too.
      folder.writeFile("SALMDAT", windTableDataSet(100.0f));
      folder.writeFile("LOWDAT", coefficientImage(1.5f));
      script = "M\nj8\n5\n1\n4\n\n" + std::string(kSaveScript).substr(2);
    }
    const e2e::Run run = folder.run(script);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, 0) << c.what << "\n" << run.out;
    EXPECT_TRUE(folder.readFile(c.last) == c.backup) << c.what << ": " << folder.readFile(c.last).size() << " bytes";
    if (coefficients) continue;
    EXPECT_TRUE(folder.readFile("SALMBAK") == data) << c.what;
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"LASTBAK", "SALMBAK", "SALMDAT"})) << c.what;
  }
}

TEST(SaveFaults, AKillAtAnyStepOfASaveLosesNoGenerationAndTheNextLoadFinishesIt) {
  // Both images change: the coefficient file's generations are written first, then the data
  // file's. Whatever step the kill meets, each name holds a whole generation; the next load makes
  // the pair consistent (both saved or neither) and leaves no temporary file.
  struct Files {
    std::string dat, bak, last, low, lowbak, lastlow;
  };
  const Files old{windTableDataSet(100.0f), windTableDataSet(200.0f), windTableDataSet(300.0f),
                  coefficientImage(1.5f),   coefficientImage(2.5f),   coefficientImage(3.5f)};
  const std::string script = "M\nj8\n5\n1\n4\n\nL\n1\n";
  const auto read = [](const e2e::Folder& folder) {
    return Files{folder.readFile("SALMDAT"), folder.readFile("SALMBAK"), folder.readFile("LASTBAK"),
                 folder.readFile("LOWDAT"),  folder.readFile("LOWBAK"),  folder.readFile("LASTLOW")};
  };
  const auto seed = [&](const e2e::Folder& folder) {
    folder.writeFile("SALMDAT", old.dat);
    folder.writeFile("SALMBAK", old.bak);
    folder.writeFile("LASTBAK", old.last);
    folder.writeFile("LOWDAT", old.low);
    folder.writeFile("LOWBAK", old.lowbak);
    folder.writeFile("LASTLOW", old.lastlow);
  };
  const std::vector<std::string> kNames = {"LASTBAK", "LASTLOW", "LOWBAK", "LOWDAT", "SALMBAK", "SALMDAT"};

  // The save without a kill: what the six names hold afterwards.
  e2e::Folder reference;
  seed(reference);
  const e2e::Run saved = reference.run(script);
  ASSERT_EQ(saved.status, 0) << saved.out;
  const Files fresh = read(reference);
  ASSERT_NE(fresh.dat, old.dat);
  ASSERT_NE(fresh.low, old.low);

  int killed = 0;
  for (int step = 1; step < 200; ++step) {
    e2e::Folder folder;
    seed(folder);
    const e2e::Run run = runFailing(folder, "QV_KILL_AT", std::to_string(step), script);
    ASSERT_FALSE(run.timedOut) << "step " << step;
    if (run.signal != SIGKILL) {
      EXPECT_EQ(run.status, 0) << "step " << step << "\n" << run.out;
      break;  // the save ended before this step
    }
    ++killed;
    // Each name holds a whole generation, old or new.
    for (const auto& [name, was, will] :
         std::vector<std::tuple<const char*, std::string, std::string>>{{"SALMDAT", old.dat, fresh.dat},
                                                                        {"SALMBAK", old.bak, fresh.bak},
                                                                        {"LASTBAK", old.last, fresh.last},
                                                                        {"LOWDAT", old.low, fresh.low},
                                                                        {"LOWBAK", old.lowbak, fresh.lowbak},
                                                                        {"LASTLOW", old.lastlow, fresh.lastlow}}) {
      const std::string holds = folder.readFile(name);
      EXPECT_TRUE(holds == was || holds == will) << "step " << step << ": " << name;
    }
    // The next load (the input ends at once) finishes or drops the interrupted save.
    const e2e::Run load = folder.run("M\n", std::chrono::seconds(30));
    ASSERT_FALSE(load.timedOut) << "step " << step;
    const Files after = read(folder);
    const bool done = after.dat == fresh.dat;
    const Files& expected = done ? fresh : old;
    EXPECT_TRUE(after.dat == expected.dat && after.bak == expected.bak && after.last == expected.last &&
                after.low == expected.low && after.lowbak == expected.lowbak && after.lastlow == expected.lastlow)
        << "step " << step << ": the six files are " << (done ? "not all saved" : "not all as they were");
    EXPECT_EQ(folder.files(), kNames) << "step " << step << ": nothing left behind";
    // And a later save leaves nothing behind either.
    const e2e::Run again = folder.run(script);
    EXPECT_EQ(again.status, 0) << "step " << step << "\n" << again.out;
    EXPECT_EQ(folder.files(), kNames) << "step " << step;
  }
  EXPECT_GT(killed, 10) << "every step of the save was met";
}

TEST(SaveFaults, ADataFileTooShortForItsHeaderIsReportedAndKeptAsTheBackup) {
  e2e::Folder folder;
  const std::string oneWord("\x0b\0\0\0", 4);
  folder.writeFile("SALMDAT", oneWord);
  // The findings end with the abort question: go on, then save and exit.
  const e2e::Run run = folder.run("M\n\nL\n1\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, " ++> Input Data File smaller than expected:\n"
                                "     Expected   4975 I*4s, found      1 I*4s... CAUTION!\n"))
      << run.out;
  for (const char* finding : {"Macintosh PPC", "Creator was", "UNKNOWN", "corrupt", "Version mismatch", "precision"})
    EXPECT_FALSE(contains(run.out, finding)) << finding << "\n" << run.out;
  EXPECT_EQ(folder.readFile("SALMBAK"), oneWord);
  EXPECT_EQ(folder.readFile("SALMDAT").size(), 19900u);
}

// The file each choice of the last page writes first: the listing before an execution (3, 4), the
// messages of a silent execution (4), the listing (5), the wave report (6). When the folder does
// not take it (a folder of that name in its place, which refuses root too; a full disk, where the
// listing and the report have been written through when they fail), the choice says which file
// and why within 80 columns, writes no file (the data set on disk stays as loaded, no partial
// report, no temporary file) and brings the end-of-session menu back with the edit: the water depth
// of page 1 from 100 to 101 m, which choice 1 then saves.
TEST(LastPageFiles, AFileTheFolderDoesNotTakeKeepsTheEdits) {
  const std::string listingLost = "     The listing was not written; the folder keeps what it had.\n";
  const std::string notStarted = "     The execution does not start, and no file was written.\n";
  const std::string reportLost = "     The wave report was not written; the folder keeps what it had.\n";
  const std::string editsKept =
      "     The edits are kept, not yet saved: free some space, or make the folder and\n"
      "     the file writable (no folder of that name), then choose again; choice 1\n"
      "     saves the edits.\n";
  const std::string saveFailed =
      "     The data files are unchanged.\n"
      "     The edits are kept: free some space, or make the folder and the files\n"
      "     writable, then save again.\n";
  struct Case {
    const char* choice;
    std::string file;    // as the message names it
    std::string caller;  // as the message names it
    const char* failingWrite;  // a full disk: the write that fails, counted over the writes to files; else ""
    std::string outcome;
    const char* placed = "";   // a file of the choice that went in whole before the failure
  };
  const Case cases[] = {
      {"3", "SALMIN.stxt ", "DRAVOKET    ", "", notStarted + editsKept},
      {"4", "SALMIN.stxt ", "DRAVOKET    ", "", notStarted + editsKept},
      {"4", "Diagnostics.stxt", "Fintop", "", notStarted + editsKept},
      {"5", "SALMIN.stxt ", "DRAVOKET    ", "", listingLost + editsKept},
      {"6", "WAVEOUT.stxt", "WAVEOUT", "", reportLost + editsKept},
      {"3", "SALMIN.stxt ", "DRAVOKET    ", "1", notStarted + editsKept},
      {"4", "SALMIN.stxt ", "DRAVOKET    ", "1", notStarted + editsKept},
      // The listing goes in (its file, the journal of its renames); the messages go with the save,
      // after the first backup and the data set, and the save fails with them.
      {"4", "Diagnostics.stxt", "DRAVOKET    ", "5", saveFailed, "SALMIN.stxt"},
      {"5", "SALMIN.stxt ", "DRAVOKET    ", "1", listingLost + editsKept},
      {"6", "WAVEOUT.stxt", "WAVEOUT", "1", reportLost + editsKept},
  };
  const std::string image = testing_support::example("tanker-yoke");
  const int depthWord = static_cast<int>(offsetof(Tpcm, DEPTH) / 4) + 1;
  ASSERT_EQ(e2e::floatWord(image, depthWord), 100.0f);
  for (const Case& c : cases) {
    const bool fullDisk = *c.failingWrite != '\0';
    const std::string name = c.file.substr(0, c.file.find_last_not_of(' ') + 1);
    const std::string what = std::string("choice ") + c.choice + ", " + name + (fullDisk ? " on a full disk" : "");
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    if (!fullDisk) {  // a folder of the user's, with a file in it
      std::filesystem::create_directory(folder.path() / name);
      folder.writeFile(name + "/notes", "kept");
    }
    // The depth, the last page's choice, Return after the message, then save and exit.
    const std::string script = std::string("M\n4\n101\nL\n") + c.choice + "\n\n1\n";
    const e2e::Run run = fullDisk ? runFailing(folder, "QV_FAIL_WRITE", c.failingWrite, script) : folder.run(script);
    ASSERT_FALSE(run.timedOut) << what;
    EXPECT_EQ(run.signal, 0) << what;
    EXPECT_EQ(run.status, 0) << what << "\n" << run.out;
    const std::string message = "\n ++> File not found or file access error in " + c.caller + "\n     File name: " +
                                c.file + "\n \n     Reason: " +
                                (fullDisk ? "No space left on device" : "Is a directory") + "\n" + c.outcome +
                                " \n Press <RETURN> to continue: ";
    const std::size_t said = run.out.find(message);
    EXPECT_NE(said, std::string::npos) << what << "\n" << run.out;
    std::istringstream lines(message);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 80u) << what << ": " << line;
    if (said != std::string::npos) {
      EXPECT_TRUE(contains(run.out.substr(said), "****  Page 19: End of Session  ****")) << what << ": the menu";
    }
    EXPECT_FALSE(contains(run.out, ">>> Kestrin Editor Software <<<")) << what << ": no execution";
    EXPECT_EQ(e2e::floatWord(folder.readFile("SALMDAT"), depthWord), 101.0f) << what << ": the edit saved";
    EXPECT_TRUE(folder.readFile("SALMBAK") == image) << what << ": the data set on disk stayed as loaded";
    std::vector<std::string> names{"SALMBAK", "SALMDAT"};
    if (!fullDisk) {
      EXPECT_EQ(folder.readFile(name + "/notes"), "kept") << what << ": the folder in the file's place stays";
      names.push_back(name);
    }
    if (*c.placed != '\0') names.emplace_back(c.placed);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(folder.files(), names) << what << ": no other file, whole or partial";
  }
}

}  // namespace
}  // namespace qv

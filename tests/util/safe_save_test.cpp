// A save of several files that happens whole or not at all, whether a file may be written under a
// name, and the reading of old generations of any length.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_dir.h"
#include "util/safe_save.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

std::vector<std::byte> bytesOf(std::string_view text) {
  std::vector<std::byte> b(text.size());
  std::memcpy(b.data(), text.data(), text.size());
  return b;
}

std::string textOf(const std::vector<std::byte>& b) { return std::string(reinterpret_cast<const char*>(b.data()), b.size()); }

void writeText(const std::string& name, std::string_view text) {
  testing_support::writeFileBytes(name, text.data(), text.size());
}

// Everything in the current folder, hidden files included: each name with its contents ("<folder>"
// for a folder).
std::map<std::string, std::string> folderContents() {
  std::map<std::string, std::string> all;
  for (const auto& entry : fs::recursive_directory_iterator(".")) {
    const std::string name = entry.path().lexically_relative(".").string();
    all[name] = entry.is_directory() ? "<folder>" : testing_support::readFileText(name);
  }
  return all;
}

TEST(SafeSave, PutsEveryFileInPlace) {
  TempDir dir;
  writeText("SALMDAT", "old data");
  chmod("SALMDAT", 0640);
  fs::create_directory("elsewhere");
  writeText("elsewhere/LOWDAT", "old tables");
  fs::create_symlink("elsewhere/LOWDAT", "LOWDAT");

  SafeSave save;
  save.add("LOWDAT      ", bytesOf("new tables"));
  save.add("SALMBAK     ", bytesOf("first backup"));
  save.add("SALMDAT     ", bytesOf("new data, longer than the old"));
  ASSERT_TRUE(save.commit()) << save.failure().file << ": " << save.failure().reason;

  EXPECT_EQ(folderContents(), (std::map<std::string, std::string>{
                                  {"LOWDAT", "new tables"},
                                  {"SALMBAK", "first backup"},
                                  {"SALMDAT", "new data, longer than the old"},
                                  {"elsewhere", "<folder>"},
                                  {"elsewhere/LOWDAT", "new tables"},
                              }));
  EXPECT_TRUE(fs::is_symlink("LOWDAT")) << "the link stays; the file it names is replaced";
  EXPECT_EQ(fs::status("SALMDAT").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
      << "a replaced file keeps its permissions";
}

TEST(SafeSave, AFailureChangesNothing) {
  struct Case {
    const char* what;
    std::function<void()> arrange;  // besides the old SALMDAT
    std::string failing;            // the name the failure gives
    std::string reason;
    bool needsNonRoot = false;      // the super-user writes whatever the permissions say
  };
  const Case cases[] = {
      {"a folder where a later file should be", [] { fs::create_directory("SALMBAK"); }, "SALMBAK     ",
       "Is a directory"},
      {"a file-size limit on the second file", [] {}, "SALMBAK     ", "File too large"},
      {"a write-protected data file", [] { chmod("SALMDAT", 0444); }, "SALMDAT     ", "Permission denied", true},
      {"a folder that does not exist", [] {}, "nowhere/LASTBAK", "No such file or directory"},
  };
  for (const Case& c : cases) {
    if (c.needsNonRoot && geteuid() == 0) continue;
    TempDir dir;
    writeText("SALMDAT", "old data");
    c.arrange();
    const auto before = folderContents();

    SafeSave save;
    if (c.failing == "nowhere/LASTBAK") save.add("nowhere/LASTBAK", bytesOf("x"));
    save.add("LASTBAK     ", bytesOf("small"));
    save.add("SALMBAK     ", bytesOf(std::string(5000, 'b')));
    save.add("SALMDAT     ", bytesOf("new data"));
    bool committed = true;
    if (c.reason == "File too large") {
      rlimit old{};
      getrlimit(RLIMIT_FSIZE, &old);
      const rlimit limit{1000, old.rlim_max};
      setrlimit(RLIMIT_FSIZE, &limit);
      committed = save.commit();  // no signal ends the test: the write fails
      setrlimit(RLIMIT_FSIZE, &old);
    } else {
      committed = save.commit();
    }
    EXPECT_FALSE(committed) << c.what;
    EXPECT_EQ(save.failure().file, c.failing) << c.what;
    EXPECT_EQ(save.failure().reason, c.reason) << c.what;
    EXPECT_FALSE(save.failure().changed) << c.what;
    EXPECT_EQ(folderContents(), before) << c.what << ": no file changed, no temporary file left";
  }
}

// Whether a file may be written under a name is one verdict, given alike to a save and to a file
// about to be begun: a folder, what is no regular file and a write-protected file refuse the name,
// also behind a symbolic link; a free name and a writable file take it.
TEST(SafeSave, ANameIsRefusedAlikeByASaveAndByAFreshFile) {
  struct Case {
    const char* what;
    std::function<void()> arrange;  // makes or leaves "LISTING"
    std::string reason;             // "": the name takes the file
    bool needsNonRoot = false;      // the super-user writes whatever the permissions say
  };
  const Case cases[] = {
      {"a free name", [] {}, ""},
      {"a writable file", [] { writeText("LISTING", "old"); }, ""},
      {"a folder", [] { fs::create_directory("LISTING"); }, "Is a directory"},
      {"a link to a folder",
       [] {
         fs::create_directory("pages");
         fs::create_symlink("pages", "LISTING");
       },
       "Is a directory"},
      {"a named pipe", [] { mkfifo("LISTING", 0644); }, "Not a regular file"},
      {"a write-protected file",
       [] {
         writeText("LISTING", "old");
         chmod("LISTING", 0444);
       },
       "Permission denied", true},
  };
  for (const Case& c : cases) {
    if (c.needsNonRoot && geteuid() == 0) continue;
    TempDir dir;
    c.arrange();
    EXPECT_EQ(freshFileRefused("LISTING     "), c.reason) << c.what;
    SafeSave save;
    save.add("LISTING     ", bytesOf("new"));
    EXPECT_EQ(save.commit(), c.reason.empty()) << c.what;
    EXPECT_EQ(save.failure().reason, c.reason) << c.what;
  }
}

// The number of a process that has ended.
pid_t endedProcess() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  int status = 0;
  waitpid(child, &status, 0);
  return child;
}

// The journal of a save of the files `names` by `process`, as a save writes it before its renames
// (with names relative to the folder where a save writes absolute ones).
std::string journalOf(pid_t process, bool forward, const std::vector<std::pair<std::string, bool>>& names,
                      bool whole = true) {
  std::string text = std::string("qvsave journal ") + (forward ? "forward" : "back   ") + "\n" +
                     std::to_string(names.size()) + "\n";
  const std::string pid = std::to_string(process);
  for (const auto& [name, existed] : names) {
    text += std::string(existed ? "E" : "N") + "\n." + name + ".qvsave-" + pid + "-0\n" +
            (existed ? "." + name + ".qvkeep-" + pid + "-0" : "") + "\n" + name + "\n";
  }
  return whole ? text + "end\n" : text;
}

TEST(FinishInterruptedSaves, CompletesUndoesOrDropsWhatAKilledSaveLeft) {
  const pid_t dead = endedProcess();
  const std::string pid = std::to_string(dead);
  const std::string temp = ".qvsave-" + pid + "-0";
  const std::string keep = ".qvkeep-" + pid + "-0";
  const std::string journal = ".qvjournal-" + pid + "-0";
  struct Case {
    const char* what;
    std::map<std::string, std::string> left;       // the folder after the kill
    std::map<std::string, std::string> finished;  // the folder afterwards
  };
  const Case cases[] = {
      {"killed after the first rename: the save is completed",
       {{"LOWDAT", "new low"},
        {".SALMDAT" + temp, "new data"},
        {"SALMDAT", "old data"},
        {".SALMDAT" + keep, "old data"},
        {".LOWDAT" + keep, "old low"},
        {journal, journalOf(dead, true, {{"LOWDAT", true}, {"SALMDAT", true}})}},
       {{"LOWDAT", "new low"}, {"SALMDAT", "new data"}}},
      {"killed while the journal was written: nothing was renamed, the leftovers go",
       {{"LOWDAT", "old low"},
        {".LOWDAT" + temp, "new low"},
        {".SALMDAT" + temp, "new"},
        {".LOWDAT" + keep, "old low"},
        {journal, journalOf(dead, true, {{"LOWDAT", true}, {"SALMDAT", false}}, false)}},
       {{"LOWDAT", "old low"}}},
      {"killed before the journal: the leftovers go",
       {{"SALMDAT", "old data"}, {".SALMDAT" + temp, "new da"}}, {{"SALMDAT", "old data"}}},
      {"killed while a failed save was undone: the undo is completed",
       {{"LOWDAT", "new low"},
        {"SALMDAT", "old data"},
        {".LOWDAT" + keep, "old low"},
        {".SALMDAT" + temp, "new data"},
        {journal, journalOf(dead, false, {{"LOWDAT", true}, {"SALMDAT", true}, {"LASTBAK", false}})}},
       {{"LOWDAT", "old low"}, {"SALMDAT", "old data"}}},
      {"a running process's save is left alone",
       {{"SALMDAT", "old"}, {".SALMDAT.qvsave-1-0", "new"}, {".qvjournal-1-0", "qvsave journal forward\n0\nend\n"}},
       {{"SALMDAT", "old"}, {".SALMDAT.qvsave-1-0", "new"}, {".qvjournal-1-0", "qvsave journal forward\n0\nend\n"}}},
      {"other hidden files are no leftovers",
       {{".SALMDAT.qvsave", "x"}, {".qvjournal-x-1", "y"}, {"SALMDAT.qvkeep-" + pid + "-0", "z"}},
       {{".SALMDAT.qvsave", "x"}, {".qvjournal-x-1", "y"}, {"SALMDAT.qvkeep-" + pid + "-0", "z"}}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    for (const auto& [name, text] : c.left) writeText(name, text);
    finishInterruptedSaves("");
    EXPECT_EQ(folderContents(), c.finished) << c.what;
  }
}

TEST(ReadGeneration, AnyOldFileIsAGeneration) {
  struct Case {
    const char* what;
    std::function<void()> arrange;  // makes "SALMBAK"
    bool missing;
    std::string bytes;
    std::string failure;
  };
  const std::string threeWords("\x03\0\0\0\x04\0\0\0\x05\0\0\0", 12);
  const std::string framedThree = std::string("\x0c\0\0\0", 4) + threeWords + std::string("\x0c\0\0\0", 4);
  const Case cases[] = {
      {"no file", [] {}, true, "", ""},
      {"a plain image", [&] { writeText("SALMBAK", threeWords); }, false, threeWords, ""},
      {"a framed image, frame and all", [&] { writeText("SALMBAK", framedThree); }, false, framedThree, ""},
      {"an image that starts with zero words", [] { writeText("SALMBAK", std::string(12, '\0') + "\x01\0\0\0"); },
       false, std::string(12, '\0') + "\x01\0\0\0", ""},
      {"an image longer than the image reader's buffer", [] { writeText("SALMBAK", std::string(616900, 'x')); },
       false, std::string(616900, 'x'), ""},
      {"an empty file", [] { writeText("SALMBAK", ""); }, false, "", ""},
      {"one word", [] { writeText("SALMBAK", std::string("\x0b\0\0\0", 4)); }, false, std::string("\x0b\0\0\0", 4), ""},
      {"one word and a byte", [] { writeText("SALMBAK", std::string("\x0b\0\0\0\x01", 5)); }, false,
       std::string("\x0b\0\0\0\x01", 5), ""},
      {"a folder", [] { fs::create_directory("SALMBAK"); }, false, "", "Is a directory"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    c.arrange();
    const Generation g = readGeneration("SALMBAK     ");
    EXPECT_EQ(g.missing, c.missing) << c.what;
    EXPECT_EQ(textOf(g.bytes), c.bytes) << c.what;
    EXPECT_EQ(g.failure, c.failure) << c.what;
  }
}

}  // namespace
}  // namespace qv

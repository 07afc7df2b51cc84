// A save of several files that happens whole or not at all, and the reading of old generations of
// any length.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
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
      {"a framed image: its words", [&] { writeText("SALMBAK", framedThree); }, false, threeWords, ""},
      {"an empty file", [] { writeText("SALMBAK", ""); }, false, "", ""},
      {"one word", [] { writeText("SALMBAK", std::string("\x0b\0\0\0", 4)); }, false, std::string("\x0b\0\0\0", 4), ""},
      {"one word and a byte", [] { writeText("SALMBAK", std::string("\x0b\0\0\0\x01", 5)); }, false,
       std::string("\x0b\0\0\0\x01", 5), ""},
      {"a folder", [] { fs::create_directory("SALMBAK"); }, false, "", "Is a directory"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    c.arrange();
    const Generation g = readGeneration("SALMBAK     ", 5);
    EXPECT_EQ(g.missing, c.missing) << c.what;
    EXPECT_EQ(textOf(g.bytes), c.bytes) << c.what;
    EXPECT_EQ(g.failure, c.failure) << c.what;
  }
}

}  // namespace
}  // namespace qv

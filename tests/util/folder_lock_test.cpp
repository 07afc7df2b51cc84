// The hold of a folder: one analysis at a time, no save into a folder a run holds, saves beside each
// other, and the hold gone with its holder.
#include <gtest/gtest.h>

#include <optional>

#include "support/temp_dir.h"
#include "util/folder_lock.h"

namespace qv {
namespace {

using testing_support::TempDir;

// Two holds of one folder, the first by its path and the second as the current folder: each opens
// the folder on its own, as two processes do.
TEST(FolderLock, WhichHoldsExcludeEachOther) {
  struct Case {
    const char* what;
    FolderHold first;
    FolderHold second;
    bool refused;
  };
  const Case cases[] = {
      {"a second run", FolderHold::kRun, FolderHold::kRun, true},
      {"a save while a run holds the folder", FolderHold::kRun, FolderHold::kSave, true},
      {"a run while a save writes", FolderHold::kSave, FolderHold::kRun, true},
      {"two saves", FolderHold::kSave, FolderHold::kSave, false},
  };
  for (const Case& c : cases) {
    TempDir dir;
    std::optional<FolderLock> first;
    first.emplace(dir.path().string(), c.first);
    ASSERT_FALSE(first->refused()) << c.what;
    {
      const FolderLock second("", c.second);
      EXPECT_EQ(second.refused(), c.refused) << c.what;
    }
    // Gone with its holder: a run then holds the folder.
    first.reset();
    const FolderLock after("", FolderHold::kRun);
    EXPECT_FALSE(after.refused()) << c.what;
  }
}

}  // namespace
}  // namespace qv

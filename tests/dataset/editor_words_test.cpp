// Whether a session changed the data set: a word the editor sets by itself is no change, its
// neighbours and every other word are, compared bit for bit.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <vector>

#include "dataset/editor_words.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"

namespace qv {
namespace {

constexpr int wordAt(std::size_t offset) { return static_cast<int>(offset / 4); }  // 0-based

TEST(SameDataSetAsOpened, OnlyTheEditorsOwnWordsMayDiffer) {
  struct Change {
    std::size_t offset;  // the word changed
    std::int32_t value;
  };
  struct Case {
    const char* what;
    std::vector<Change> changes;
    bool same;
  };
  const Case cases[] = {
      {"nothing changed", {}, true},
      {"NEWFLG", {{offsetof(Tpcm, NEWFLG), 1}}, true},
      {"IBATCH, the start choice B", {{offsetof(Tpcm, IBATCH), 1}}, true},
      {"MAXDIR", {{offsetof(Tpcm, MAXDIR), 7}}, true},
      {"MAXSEA", {{offsetof(Tpcm, MAXSEA), 7}}, true},
      {"MAXPRM, raised by the sea page", {{offsetof(Tpcm, MAXPRM), 4}}, true},
      {"MAXANG", {{offsetof(Tpcm, MAXANG), 20}}, true},
      {"all six at once",
       {{offsetof(Tpcm, NEWFLG), 1},
        {offsetof(Tpcm, IBATCH), 1},
        {offsetof(Tpcm, MAXDIR), 2},
        {offsetof(Tpcm, MAXSEA), 3},
        {offsetof(Tpcm, MAXPRM), 4},
        {offsetof(Tpcm, MAXANG), 5}},
       true},
      // The neighbours of each listed word, either side.
      {"ITAVQ3, before NEWFLG", {{offsetof(Tpcm, ITAVQ3), 1}}, false},
      {"ITAVQ5, after NEWFLG", {{offsetof(Tpcm, ITAVQ5), 1}}, false},
      {"the word before IBATCH", {{offsetof(Tpcm, IBATCH) - 4, 1}}, false},
      {"DAT_ID, after IBATCH", {{offsetof(Tpcm, DAT_ID), 1}}, false},
      {"ITPCQ1, before MAXDIR", {{offsetof(Tpcm, ITPCQ1), 1}}, false},
      {"ITPCQ2, between MAXPRM and MAXANG", {{offsetof(Tpcm, ITPCQ2), 1}}, false},
      {"MAXCHR, after MAXANG", {{offsetof(Tpcm, MAXCHR), 1}}, false},
      // Words a stage reads, which the opening also sets.
      {"ISPM", {{offsetof(Tpcm, ISPM), 0}}, false},
      {"VESTYP", {{offsetof(Tpcm, VESTYP), kShipVessel}}, false},
      {"an edit beside an editor word",
       {{offsetof(Tpcm, MAXPRM), 4}, {offsetof(Tpcm, DEPTH), 0x42c80000 /* 100.0f */}},
       false},
      {"the first word", {{0, 1}}, false},
      {"the last word compared", {{4 * (kStoredWords - 1), 1}}, false},
      {"a word past those compared", {{4 * kStoredWords, 1}}, true},
      {"a real of 0 become -0: the bits differ", {{offsetof(Tpcm, DEPTH), std::int32_t(0x80000000u)}}, false},
  };
  std::vector<std::int32_t> opened(kStoredWords + 1);
  std::iota(opened.begin(), opened.end(), 1000);
  opened[wordAt(offsetof(Tpcm, DEPTH))] = 0;
  for (const Case& c : cases) {
    std::vector<std::int32_t> now = opened;
    for (const Change& change : c.changes) now[wordAt(change.offset)] = change.value;
    EXPECT_EQ(sameDataSetAsOpened(now.data(), opened.data(), kStoredWords), c.same) << c.what;
  }
}

}  // namespace
}  // namespace qv

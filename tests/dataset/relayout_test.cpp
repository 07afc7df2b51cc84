// The relayout to 149 fairleads on an image of the older layout built here: every word of a current
// image holds its own value, the words the current layout added are taken out (the rest closing up
// in order), and the relayout must put every remaining word back at its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "dataset/relayout.h"
#include "dataset/tpcm.h"
#include "support/fresh_run.h"
#include "support/old_layout.h"
#include "util/diskio.h"

namespace qv {
namespace {

using testing_support::Room;
using testing_support::wordOfOffset;

constexpr int kMooringWords = wordOfOffset(offsetof(Tpcm, moor.MORCOM_LAST));  // 78,635

// The rooms of an array that grows from (oldRows, oldColumns) to (newRows, newColumns), rows counted
// in words: the added rows of each old column, then the added columns.
void addRooms(std::vector<Room>& rooms, std::size_t offset, int oldRows, int newRows, int oldColumns = 1,
              int newColumns = 1) {
  const int first = wordOfOffset(offset);
  for (int j = 1; j <= oldColumns; ++j)
    if (newRows > oldRows) rooms.push_back({first + (j - 1) * newRows + oldRows, newRows - oldRows});
  if (newColumns > oldColumns) rooms.push_back({first + oldColumns * newRows, newRows * (newColumns - oldColumns)});
}

// Everything the current layout added to sections 1 to 3: 149 fairleads and lines, 25 elements.
std::vector<Room> allRooms() {
  std::vector<Room> rooms = testing_support::fairleadRooms();
  addRooms(rooms, offsetof(Tpcm, BTPCM6), 4, 104);
  addRooms(rooms, offsetof(Tpcm, BRACC), 3 * 49, 3 * 149);
  addRooms(rooms, offsetof(Tpcm, moor.IDUM0), 9, 109);
  addRooms(rooms, offsetof(Tpcm, moor.STRESS_STRAIN_FILE), 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.ANCTYP), 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.LINTYP), 51, 151, 50, 150);
  for (std::size_t lines : {offsetof(Tpcm, moor.NLINE), offsetof(Tpcm, moor.NELEM), offsetof(Tpcm, moor.IDYNEV)})
    addRooms(rooms, lines, 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.SCOMP), 2 * 10, 2 * 25, 50, 150);
  for (std::size_t elements : {offsetof(Tpcm, moor.SLEN), offsetof(Tpcm, moor.DIAM), offsetof(Tpcm, moor.WETWT)})
    addRooms(rooms, elements, 10, 25, 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.ALPHA), 3 * 10, 3 * 25, 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.TBRK), 10, 25, 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.HTENS), 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.RFLD), 3 * 50, 3 * 150);
  for (std::size_t elements : {offsetof(Tpcm, moor.COFMST), offsetof(Tpcm, moor.COFDMT), offsetof(Tpcm, moor.DRYWT),
                               offsetof(Tpcm, moor.MOORDUMMY)})
    addRooms(rooms, elements, 10, 25, 50, 150);
  for (std::size_t lines : {offsetof(Tpcm, moor.ANGDEP), offsetof(Tpcm, moor.ANCHGT), offsetof(Tpcm, moor.BOTFRC)})
    addRooms(rooms, lines, 50, 150);
  addRooms(rooms, offsetof(Tpcm, moor.DUMCOM), 17, 217);
  return rooms;
}

std::vector<std::int32_t> blockWords() { return std::vector<std::int32_t>(wordsOf(TPCM), wordsOf(TPCM) + kTpcmWords); }

std::intptr_t positionOfWord(int word) { return LRHLOC(&TPCM) / 4 + (word - 1); }

class Relayout : public testing_support::FreshRun {
 protected:
  // Every word of TPCM holds its own number; the current mooring image and what lies after it.
  void SetUp() override {
    FreshRun::SetUp();
    for (int w = 1; w <= kTpcmWords; ++w) wordsOf(TPCM)[w - 1] = w;
    current_ = blockWords();
  }
  // TPCM holding the older image of the mooring words, section 4 as it was.
  void loadOlderImage() {
    const std::vector<std::int32_t> mooring(current_.begin(), current_.begin() + kMooringWords);
    const auto old = testing_support::withoutRooms(mooring, allRooms());
    std::memcpy(wordsOf(TPCM), old.data(), 4 * old.size());
  }
  std::vector<std::int32_t> current_;
};

TEST_F(Relayout, EveryWordReturnsToItsPlaceAndTheAddedWordsAreZero) {
  const auto rooms = allRooms();
  int added = 0;
  for (const Room& r : rooms) added += r.words;
  // 601 words in section 1, 400 in section 2, 63,850 in section 3.
  EXPECT_EQ(added, 601 + 400 + 63850);

  loadOlderImage();
  UPDATE_TO_149(0, kMooringWords, 0, positionOfWord(kMooringWords + 1));

  std::vector<std::int32_t> expected = current_;
  for (const Room& r : rooms)
    for (int w = r.first; w < r.first + r.words; ++w) expected[w - 1] = 0;
  // The end marker of section 1 keeps what the move of section 2 left there: section 2's first word.
  expected[wordOfOffset(offsetof(Tpcm, TOPCOM_LAST)) - 1] = current_[wordOfOffset(offsetof(Tpcm, NAVBLQ)) - 1];
  const auto after = blockWords();
  EXPECT_TRUE(after == expected) << testing_support::wordDifferences(after, expected);
  // By index: an old element keeps its value, an added one is zero.
  const auto bits = [](float x) {
    std::int32_t w;
    std::memcpy(&w, &x, 4);
    return w;
  };
  EXPECT_EQ(bits(TPCM.moor.DIAM(10, 50)), current_[wordOfOffset(offsetof(Tpcm, moor.DIAM)) - 1 + 9 + 25 * 49]);
  EXPECT_EQ(TPCM.moor.SCOMP(11, 1).view(), std::string(8, '\0'));
  EXPECT_EQ(bits(TPCM.moor.ALPHA(3, 10, 50)),
            current_[wordOfOffset(offsetof(Tpcm, moor.ALPHA)) - 1 + 2 + 3 * (9 + 25 * 49)]);
  EXPECT_EQ(TPCM.moor.ALPHA(1, 11, 50), 0.0f);
  EXPECT_EQ(TPCM.LAST_CATNCOM, kTpcmWords) << "nothing past NWORDS is touched";
}

// Only the words of the layout being built take part: relaid as an image of sections 1 and 2, the
// mooring words above it stay where they were (their added words cleared).
TEST_F(Relayout, NothingPassesNwords) {
  loadOlderImage();
  const auto older = blockWords();
  const auto rooms = allRooms();
  UPDATE_TO_149(0, kStoredWords, 0, positionOfWord(kMooringWords + 1));
  const auto after = blockWords();
  const int topcomLast = wordOfOffset(offsetof(Tpcm, TOPCOM_LAST));
  for (int w = 1; w <= kTpcmWords; ++w) {
    const bool added = testing_support::inRooms(w, rooms);
    if (w == topcomLast) {
      EXPECT_EQ(after[w - 1], current_[wordOfOffset(offsetof(Tpcm, NAVBLQ)) - 1]);
    } else if (added) {
      ASSERT_EQ(after[w - 1], 0) << "word " << w;
    } else if (w <= kStoredWords) {
      ASSERT_EQ(after[w - 1], current_[w - 1]) << "word " << w;
    } else {
      ASSERT_EQ(after[w - 1], older[w - 1]) << "word " << w;
    }
  }
}

// A HIGHADR below the end shortens the moves that stop there: every word below it comes out as with
// the whole image, and some word at or past it does not.
TEST_F(Relayout, HighadrShortensTheMovesThatStopThere) {
  loadOlderImage();
  const auto older = blockWords();
  UPDATE_TO_149(0, kMooringWords, 0, positionOfWord(kMooringWords + 1));
  const auto whole = blockWords();
  for (int limit : {1400, 30000, 78000}) {
    std::memcpy(wordsOf(TPCM), older.data(), 4 * older.size());
    UPDATE_TO_149(0, kMooringWords, 0, positionOfWord(limit));
    const auto cut = blockWords();
    EXPECT_TRUE(std::equal(cut.begin(), cut.begin() + (limit - 1), whole.begin())) << "limit " << limit;
    EXPECT_FALSE(std::equal(cut.begin() + (limit - 1), cut.end(), whole.begin() + (limit - 1))) << "limit " << limit;
  }
}

TEST_F(Relayout, WordsOfTheOlderSection1) {
  struct Case {
    std::size_t offset;
    int older;
  };
  // The older layout lacks RTPCM2 (200 words), ITPCM6(5..104) (100) and RACC(1..3, 50..149) (300).
  const Case cases[] = {
      {offsetof(Tpcm, RTPCM1), 498},
      {offsetof(Tpcm, LBACK), 500},
      {offsetof(Tpcm, REALDUM1), 904 - 300},
      {offsetof(Tpcm, MEXDP1), 1463 - 600},
      {offsetof(Tpcm, NTAB), 1915 - 600},
  };
  for (const Case& c : cases) EXPECT_EQ(wordBeforeTopcomRelayout(wordOfOffset(c.offset)), c.older) << c.older;
}

}  // namespace
}  // namespace qv

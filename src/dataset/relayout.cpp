#include "dataset/relayout.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "dataset/tpcm.h"
#include "util/diskio.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

constexpr int wordAt(std::size_t byteOffset) { return static_cast<int>(byteOffset / 4) + 1; }
#define QV_WORD(member) wordAt(offsetof(Tpcm, member))

// One array that grows, in words of the current layout: where it starts, the words of one of its
// columns (its leading dimensions together) before and after, and its columns before and after.
// A one-dimensional array, or one whose columns keep their length, is a single column.
struct Growth {
  int first;
  int oldColumn;
  int newColumn;
  int oldColumns;
  int newColumns;
  bool cutColumns;  // the moves that open each column's room stop at HIGHADR
  bool cutTail;     // the move that opens the added columns stops at HIGHADR
};

constexpr Growth plain(int first, int oldSize, int newSize, bool cut = true) {
  return {first, oldSize, newSize, 1, 1, cut, cut};
}
constexpr Growth table(int first, int oldColumn, int newColumn, bool cutColumns = true) {
  return {first, oldColumn, newColumn, 50, 150, cutColumns, true};
}

// Section 1: the reserve words after RTPCM1 (SLO_PD_MIN), the integer reserve ITPCM6 and the vessel
// points RACC; then the section's end marker is opened (one word, kept, not cleared).
constexpr std::array<Growth, 3> kTopcom = {
    plain(QV_WORD(RTPCM1), 2, 202),
    plain(QV_WORD(ITPCM6), 4, 104, false),
    plain(QV_WORD(RACC), 3 * 49, 3 * 149),
};
constexpr int kTopcomLast = QV_WORD(TOPCOM_LAST);

// Section 2 in the second-body layout: the second body's ITPCM6 and RACC.
constexpr std::array<Growth, 2> kSemcom = {
    plain(QV_WORD(BTPCM6), 4, 104, false),
    plain(QV_WORD(BRACC), 3 * 49, 3 * 149),
};

// Section 3: the line and line-type tables, 50 to 150 lines and 10 to 25 elements per line.
constexpr std::array<Growth, 23> kMorcom = {
    plain(QV_WORD(moor.IDUM0), 9, 109),
    plain(QV_WORD(moor.STRESS_STRAIN_FILE), 50, 150),
    plain(QV_WORD(moor.ANCTYP), 50, 150),
    table(QV_WORD(moor.LIN_DUM), 51, 151),
    plain(QV_WORD(moor.NLINE), 50, 150),
    plain(QV_WORD(moor.NELEM), 50, 150),
    plain(QV_WORD(moor.IDYNEV), 50, 150),
    table(QV_WORD(moor.SCOMP), 2 * 10, 2 * 25, false),
    table(QV_WORD(moor.SLEN_DUM), 10, 25),
    table(QV_WORD(moor.DIAM), 10, 25, false),
    table(QV_WORD(moor.WETWT), 10, 25, false),
    table(QV_WORD(moor.ALPHA), 3 * 10, 3 * 25),
    table(QV_WORD(moor.TBRK), 10, 25),
    plain(QV_WORD(moor.HTENS), 50, 150),
    plain(QV_WORD(moor.RFLD), 3 * 50, 3 * 150),
    table(QV_WORD(moor.COFMST), 10, 25),
    table(QV_WORD(moor.COFDMT), 10, 25),
    table(QV_WORD(moor.DRYWT), 10, 25),
    table(QV_WORD(moor.MOORDUMMY), 10, 25),
    plain(QV_WORD(moor.ANGDEP), 50, 150),
    plain(QV_WORD(moor.ANCHGT), 50, 150),
    plain(QV_WORD(moor.BOTFRC), 50, 150, false),
    plain(QV_WORD(moor.DUMCOM), 17, 217),
};

#undef QV_WORD

// The word position (LRHLOC / 4) of word `word` of TPCM, formed without a pointer past the block.
std::intptr_t positionOf(int word) { return LRHLOC(&TPCM) / 4 + (word - 1); }

// Moves the words from word `from` up to word nwords - gap `gap` words higher, last word first; what
// would pass word nwords is dropped. A cut move also stops where its destination reaches HIGHADR.
void moveTail(int from, int gap, int nwords, bool cut, std::intptr_t highadr) {
  nwords = std::min(nwords, kTpcmWords);  // never past the block, whatever the caller asks
  if (gap <= 0 || from < 1) return;
  std::intptr_t count = (nwords - gap) - from + 1;
  if (cut) count = std::min(count, highadr - positionOf(from + gap));
  if (count <= 0) return;
  std::int32_t* words = wordsOf(TPCM);
  MOVDWN(static_cast<int>(count), words + (from - 1), words + (from - 1 + gap));
}

// Opens the room of one array: once per old column, column 1 first, the tail after the column's old
// end moves up by the column's growth, which puts the next old column at the start of its new one;
// then the tail after the last old column moves up by the added columns.
void open(const Growth& a, int nwords, std::intptr_t highadr) {
  for (int j = 1; j <= a.oldColumns; ++j)
    moveTail(a.first + (j - 1) * a.newColumn + a.oldColumn, a.newColumn - a.oldColumn, nwords, a.cutColumns,
             highadr);
  if (a.newColumns > a.oldColumns)
    moveTail(a.first + a.oldColumns * a.newColumn, a.newColumn * (a.newColumns - a.oldColumns), nwords, a.cutTail,
             highadr);
}

// Clears the room: the added rows of every column and the added columns.
void clear(const Growth& a) {
  std::int32_t* array = wordsOf(TPCM) + (a.first - 1);
  CLEAR_2D(array, a.newColumn, a.newColumns, a.oldColumn + 1, a.newColumn, 1, a.newColumns);
  CLEAR_2D(array, a.newColumn, a.newColumns, 1, a.newColumn, a.oldColumns + 1, a.newColumns);
}

template <std::size_t N>
void relayoutSection(const std::array<Growth, N>& arrays, int nwords, std::intptr_t highadr) {
  for (const Growth& a : arrays) open(a, nwords, highadr);
  for (const Growth& a : arrays) clear(a);
}

}  // namespace

void relayoutTopcomTo149(std::int32_t NWORDS, std::intptr_t HIGHADR) {
  for (const Growth& a : kTopcom) open(a, NWORDS, HIGHADR);
  moveTail(kTopcomLast, 1, NWORDS, false, HIGHADR);  // the old section 2 starts one word higher
  for (const Growth& a : kTopcom) clear(a);
}

int wordBeforeTopcomRelayout(int word) {
  int old = word;
  for (const Growth& a : kTopcom)
    if (word >= a.first + a.newColumn) old -= a.newColumn - a.oldColumn;
  if (word > kTopcomLast) old -= 1;
  return old;
}

void UPDATE_TO_149(std::int32_t /*IGNORED*/, std::int32_t NWORDS, std::intptr_t /*LOWADR*/, std::intptr_t HIGHADR) {
  relayoutTopcomTo149(NWORDS, HIGHADR);
  relayoutSection(kSemcom, NWORDS, HIGHADR);
  relayoutSection(kMorcom, NWORDS, HIGHADR);
}

}  // namespace qv

// The positions that stored files rely on, checked through the addresses of real members, and the
// overlaid views checked by writing through one name and reading through another.
#include <gtest/gtest.h>

#include <cstring>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

// Word number (1-based) of an address inside TPCM.
template <typename T>
long wordOf(const T& member) {
  const auto* base = reinterpret_cast<const std::byte*>(&TPCM);
  const auto* at = reinterpret_cast<const std::byte*>(&member);
  return static_cast<long>((at - base) / 4 + 1);
}

template <typename T>
long lowWordOf(const T& member) {
  const auto* base = reinterpret_cast<const std::byte*>(&LOWCOF);
  const auto* at = reinterpret_cast<const std::byte*>(&member);
  return static_cast<long>((at - base) / 4 + 1);
}

class TpcmLayout : public testing_support::FreshRun {};

TEST_F(TpcmLayout, DocumentedPositions) {
  struct Case {
    const char* what;
    long word;
    long expected;
  };
  const Case cases[] = {
      {"LBACK at byte 2,796", wordOf(TPCM.LBACK), 2796 / 4 + 1},
      {"VERNO at byte 864", wordOf(TPCM.VERNO), 864 / 4 + 1},
      {"SEMCOM_LAST", wordOf(TPCM.SEMCOM_LAST), 4975},
      {"EXTRA(199) one word before SEMCOM_LAST", wordOf(TPCM.EXTRA(199)), 4974},
      {"TOPCOM_LAST", wordOf(TPCM.TOPCOM_LAST), 1987},
      {"T(1)", wordOf(TPCM.T(1)), 318},
      {"T(100)", wordOf(TPCM.T(100)), 417},
      {"RACC(1,1)", wordOf(TPCM.RACC(1, 1)), 905},
      {"RACC(3,149)", wordOf(TPCM.RACC(3, 149)), 905 + 3 * 149 - 1},
      {"RACC(2,5)", wordOf(TPCM.RACC(2, 5)), 904 + 2 + 3 * 4},
      {"BRACC(1,1)", wordOf(TPCM.BRACC(1, 1)), 2139},
      {"BRACC(3,149)", wordOf(TPCM.BRACC(3, 149)), 2585},
      {"BRACC(2,7)", wordOf(TPCM.BRACC(2, 7)), 2138 + 2 + 3 * 6},
      {"moor.SCOMP(1,1)", wordOf(TPCM.moor.SCOMP(1, 1)), 28582},
      {"moor.SCOMP(7,3)", wordOf(TPCM.moor.SCOMP(7, 3)), 28582 + 2 * (6 + 25 * 2)},
      {"moor.SCOMP(25,150)", wordOf(TPCM.moor.SCOMP(25, 150)), 28582 + 2 * (24 + 25 * 149)},
      {"moor.MORCOM_LAST", wordOf(TPCM.moor.MORCOM_LAST), 78635},
      {"LAST_CATNCOM", wordOf(TPCM.LAST_CATNCOM), 79676},
      {"stm.STMDUM(80)", wordOf(TPCM.stm.STMDUM(80)), 79524},
      {"LOWCOF UWNCZ(21)", lowWordOf(LOWCOF.UWNCZ(21)), 88},
      {"LOWCOF BQQCZ(21)", lowWordOf(LOWCOF.BQQCZ(21)), 680},
  };
  for (const Case& c : cases) EXPECT_EQ(c.word, c.expected) << c.what;
}

TEST_F(TpcmLayout, SecondBodyTwinsSitOneSectionLater) {
  // The second-body layout repeats section-1 words 754..1,986 shifted by 1,234 words.
  EXPECT_EQ(wordOf(TPCM.BLROLL) - wordOf(TPCM.LROLL), 1234);
  EXPECT_EQ(wordOf(TPCM.BRACC(1, 1)) - wordOf(TPCM.RACC(1, 1)), 1234);
  EXPECT_EQ(wordOf(TPCM.BAXTRQ(90)) - wordOf(TPCM.AUXTRQ(90)), 1234);
  EXPECT_EQ(wordOf(TPCM.BILP8(61)) - wordOf(TPCM.ITPCM9(61)), 1234);
}

TEST_F(TpcmLayout, OverlaidViewsShareStorage) {
  std::memset(&TPCM, 0, sizeof TPCM);
  TPCM.SEAHDG(2) = 15.0f;
  EXPECT_EQ(TPCM.SLOHDG(1), 15.0f);
  TPCM.SEAHDG(40) = 33.0f;
  EXPECT_EQ(TPCM.SLOHDG(39), 33.0f);

  TPCM.NTOGO = 4975;
  EXPECT_EQ(TPCM.IDUM(1), 4975);
  TPCM.LFORCE = 3;
  EXPECT_EQ(TPCM.LTABLE, 3);
  TPCM.DRAFT = 12.5f;
  EXPECT_EQ(TPCM.TDRAFT, 12.5f);
  TPCM.NACC = 7;
  EXPECT_EQ(TPCM.IVESL(1), 7);

  // The three layouts of section 2 and its filler.
  TPCM.NELEM = 5;
  EXPECT_EQ(TPCM.BAVTP2, 5);  // word 2,006 in the second-body layout
  EXPECT_EQ(TPCM.AUXDUM(2006 - 1987), 5);
  TPCM.NMEM = 9;
  EXPECT_EQ(TPCM.SEMFIL(3658 - 2637), 9);

  // Section 3 and its fillers, section 4 and its second layout.
  TPCM.moor.LODFRE = 11;
  EXPECT_EQ(TPCM.MOOR_TOP(1), 11);
  EXPECT_EQ(TPCM.ISALM_FILL(1), 11);
  TPCM.moor.ISCOMP(1, 2, 1) = 0x41424344;
  char second[4];
  std::memcpy(second, &TPCM.moor.ISCOMP(1, 2, 1), 4);
  EXPECT_EQ(std::memcmp(&TPCM.moor.SCOMP(2, 1).c[0], second, 4), 0);
  TPCM.NULNET = 4;
  EXPECT_EQ(TPCM.stm.HEQ, 4);

  // LOWCOF: the coefficient columns and their table view.
  std::memset(&LOWCOF, 0, sizeof LOWCOF);
  LOWCOF.UCRCY(4) = 2.5f;
  EXPECT_EQ(LOWCOF.UCRCFS(4, 2), 2.5f);
  LOWCOF.NUWNPT = 21;
  EXPECT_EQ(LOWCOF.ILOWCF(1), 21);
}

TEST_F(TpcmLayout, IdentificationTextKeepsItsTail) {
  TPCM.CID1P.blank();
  const std::string seventyTwo(72, 'x');
  TPCM.CID1P.assign(seventyTwo);
  for (int i = 73; i <= 80; ++i) EXPECT_EQ(TPCM.CID1P(i), ' ') << i;
  EXPECT_EQ(TPCM.CID1(18).view(), "xxxx");
  EXPECT_EQ(TPCM.CID1(19).view(), "    ");
}

TEST_F(TpcmLayout, WholeBlockAsBytes) {
  EXPECT_EQ(tpcmBytes().size(), 318704u);
  EXPECT_EQ(lowcofBytes().size(), 2720u);
  std::memset(&TPCM, 0, sizeof TPCM);
  TPCM.SEMCOM_LAST = 1.0f;
  // An image of 4,975 words ends exactly with SEMCOM_LAST.
  float last;
  std::memcpy(&last, tpcmBytes().data() + 4 * (kStoredWords - 1), 4);
  EXPECT_EQ(last, 1.0f);
}

}  // namespace
}  // namespace qv

// The SALM version upgrade on data files of older versions, built here in the layout of their
// version: each step against a file of the version just before its threshold (and one at the
// threshold, which must not run it), whole images moved by the relayouts, and the notes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/updaters.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"
#include "support/old_layout.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::OlderLayout;

constexpr int kControlWord = testing_support::wordOfOffset(offsetof(Tpcm, LBACK));  // LBACK..EDUNIT: 700..703

template <class T>
int wordOf(const T& member) {
  return static_cast<int>((reinterpret_cast<const char*>(&member) - reinterpret_cast<const char*>(&TPCM)) / 4) + 1;
}

std::vector<std::int32_t> storedWords() { return std::vector<std::int32_t>(wordsOf(TPCM), wordsOf(TPCM) + kStoredWords); }

struct Upgrade {
  int status = -1;
  std::int32_t IFLAG = -1;
  std::vector<std::int32_t> image;
  std::string screen;
  std::string notes;
};

// Runs the upgrade on a data file's words as the load hands them over: the notes file open, the
// session's dialogue unit put into EDUNIT's word, and the page-control words as the file held them.
Upgrade upgrade(const std::vector<std::int32_t>& file, const std::string& typed = std::string(40, '\n')) {
  testing_support::TempDir dir;
  std::memset(&TPCM, 0, sizeof TPCM);
  std::memcpy(wordsOf(TPCM), file.data(), 4 * file.size());
  PageControlWords asRead;
  std::memcpy(asRead.data(), wordsOf(TPCM) + (kControlWord - 1), sizeof asRead);
  TPCM.EDUNIT = kScreenUnit;
  Upgrade u;
  {
    testing_support::ConsoleCapture console(typed);
    RHOPEN("DATUPWRN.stxt", kFormatted, kFresh, 0, kNotesUnit, "test", kScreenUnit, 5);
    u.status = testing_support::stopStatus([&] { SLMUPD(6.8f, u.IFLAG, &asRead); });
    closeAllUnits();
    u.screen = console.screen();
  }
  u.image = storedWords();
  u.notes = testing_support::readFileText("DATUPWRN.stxt");
  return u;
}

// A saved data set of this editor with a SALM, a tanker and the built-in force models.
testing_support::DataSet baseDataSet() {
  return testing_support::DataSet().withSalm().withTanker().with([] {
    TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0x444;
    TPCM.DAT_ID = 149;
    TPCM.NTAB = 90;  // as the editor saves a data set
  });
}

// The data file of a version, in that version's layout.
std::vector<std::int32_t> fileOfVersion(const std::function<void()>& edit, float version) {
  const auto words = baseDataSet().with(edit).with([version] { TPCM.VERNO = version; }).words();
  return testing_support::olderImage(words, testing_support::layoutOfVersion(version));
}

class Slmupd : public testing_support::FreshRun {};

// For each threshold: a file just below it and one at it, otherwise the same. Every later step runs
// on both, so the two results differ exactly in what this step did (and what later steps made of
// it); the file at the threshold is left alone by this step.
TEST_F(Slmupd, EachStepChangesItsWordsAndNoOthers) {
  struct Case {
    float threshold;
    std::function<void()> edit;      // the data file's values
    std::function<void()> expected;  // applied to the result at the threshold gives the one below
    std::vector<std::string> note;   // what only the file below writes
  };
  const Case cases[] = {
      {4.9f,
       [] { TPCM.CG_to_Midship = 5.0f; },  // in the 200 words the layout of 4.9 added
       [] {
         for (int k = 41; k <= 100; ++k) TPCM.T(k) = 0.0f;
         TPCM.CG_to_Midship = 0.0f;
         TPCM.LEGPKF = TPCM.LEGDRG = TPCM.LEGDFC = 1;
       },
       {}},
      {3.21f, [] {}, [] {},
       {" ++> Specification of (X,Y) coordinate for application of auxiliary\n     external force/moment.\n"}},
      {3.33f, [] {}, [] {},
       {" ++> Changed Tanker Load Specification from a Ballasted/Loaded \"toggle\"\n"
        "     to a continuous range: (Ballasted = 32%, Loaded = 100%).\n"}},
      // The vessel type from the old header word: a semi-submersible, whose drift model and
      // column-stabilised flag later steps derive from it.
      {3.47f, [] { TPCM.ITAVQ3 = 3; TPCM.ITAVQ5 = 1; },
       [] {
         TPCM.VESTYP = 3;
         TPCM.AUXVSH = 1;
         TPCM.LWVCOF = 0x333;
         TPCM.SEMI_LIKE = 1;
       },
       {" ++> Changed data specs for \"user supplied\" vessel dynamics;\n"
        "     these will be adjusted automatically if you \"Continue\".\n"}},
      // 224,000 long tons is 100 kDWT (224000 x 0.000446429): an intermediate tanker.
      // The auxiliary force values of such a file are not known: zero.
      {3.51f,
       [] {
         TPCM.LWBARG = 0;
         TPCM.DWTONS = 224000.0f;
         TPCM.IL1 = 1;
         TPCM.IL2 = 1;
         TPCM.XVFRC = TPCM.YVFRC = TPCM.VESMOM = TPCM.VESAN0 = TPCM.XVLOC = TPCM.YVLOC = 3.0f;
       },
       [] {
         TPCM.AUXFRC = 1;
         TPCM.CRDSYS = 1;
         TPCM.XVFRC = TPCM.YVFRC = TPCM.VESMOM = TPCM.VESAN0 = TPCM.XVLOC = TPCM.YVLOC = 0.0f;
       },
       {" ++> Changed tanker \"SIZE\" determination from a two-way \"toggle\" based\n"
        "     on Deadweight Tonnage to a continuous range: (Small < 80 kDWT, Large >\n"
        "140 kDWT, interpolation for intermediate sizes). No data file changes,\n"
        "     but \"intermediate\" size tanker simulation will be affected.\n",
        " ++> Modified auxiliary force/torque data specifications; these will be\n"
        "     adjusted automatically if you \"Continue\".\n"}},
      {3.52f, [] { TPCM.SWLWID = 0.3f; }, [] { TPCM.SWLWID = 0.1f; },
       {" ++> Incorporated user-specified swell spectal width.\n"}},
      // Wind on (0x222, then recoded to 0x333), current off (0x111, then 0x666), drift 0x111 (then
      // 0x222 for a ship); the tanker words were integers.
      {3.6f, [] { TPCM.LCBARG = 0; TPCM.CURCOR = 1; TPCM.GETSUCK = 32; TPCM.FAST_SPAR = 1; },
       [] {
         TPCM.LWBARG = 0x333;
         TPCM.LCBARG = 0x666;
         TPCM.LWVCOF = 0x222;
         TPCM.SIZE = 1.0f;
         TPCM.LOADED = TPCM.DFTPCT = 32.0f;
         TPCM.BOWCUR = TPCM.BOWWND = TPCM.BOWWAV = 1.0f;
         TPCM.CURCOR = TPCM.GETSUCK = TPCM.FAST_SPAR = 0;
       },
       {" ++> Updated & enhanced environmental forcing options; implemented user\n"
        "     specification of force coefficients.\n"}},
      {3.7f, [] { TPCM.VWDFAC = 2.0f; }, [] { TPCM.VWDFAC = 1.0f; },
       {" ++> Added variable wave drift spectrum enhancement factor.\n"}},
      {3.9f, [] { TPCM.NTAB = 30; }, [] {},
       {" ++> Point of information: This file had an interpolation table size of 30;\n"
        "     it may have been converted from an earlier simulation version\n"
        "     supporting a maximum table size of 30.\n"}},
      // The swell and sea directions move from OCHI_LAMBDA to the first four sea headings.
      {3.92f,
       [] {
         TPCM.ANGSEC = 90.0f;
         for (int k = 1; k <= 4; ++k) TPCM.OCHI_LAMBDA(k) = static_cast<float>(10 * k);
       },
       [] {
         TPCM.ANGSEC = 180.0f;
         for (int k = 1; k <= 4; ++k) {
           TPCM.SEAHDG(k) = static_cast<float>(10 * k);
           TPCM.OCHI_LAMBDA(k) = 0.0f;
         }
       },
       {" ++> Changed handling of swell and irregular wave directions and options.\n"}},
      {4.17f, [] {}, [] {}, {" ++> Changed SALMDAT file size.\n"}},
      // Nibbles 1 to 3 recoded once each; nibble 4 is no model code and stays.
      {4.28f,
       [] {
         TPCM.VESTYP = 4;
         TPCM.LWBARG = 0x1321;
         TPCM.LCBARG = 0x642;
         TPCM.LWVCOF = 0x312;
       },
       [] {
         TPCM.LWBARG = 0x1134;
         TPCM.LCBARG = 0xF34;
         TPCM.LWVCOF = 0x341;
       },
       {}},
      {4.41f,
       [] {
         TPCM.NCURNT = 3;
         for (int k = 1; k <= 3; ++k) {
           TPCM.VELI(k) = static_cast<float>(4 - k);
           TPCM.DPTHI(k) = static_cast<float>(10 * (k - 1));
         }
       },
       [] {
         TPCM.NCURNT = 2;
         TPCM.VELI(1) = 2.0f;
         TPCM.VELI(2) = 1.0f;
         TPCM.DPTHI(1) = 10.0f;
         TPCM.DPTHI(2) = 20.0f;
       },
       {" ++> Eliminated surface point for current depth distribution. \n     See Current definition page.\n"
        " ++> Data file resized for version 5.0\n"}},
      // A profile count past the five points: only the points there are move up.
      {4.41f,
       [] {
         TPCM.NCURNT = 100;
         for (int k = 1; k <= 5; ++k) TPCM.VELI(k) = static_cast<float>(k);
       },
       [] {
         TPCM.NCURNT = 99;
         for (int k = 1; k <= 4; ++k) TPCM.VELI(k) = static_cast<float>(k + 1);
       },
       {}},
      {5.0f,
       [] {
         TPCM.STRNFC = 2.0f;
         TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 2.0f;
         TPCM.XCURNTDN = TPCM.XCURNTUP = TPCM.YCURNTDN = TPCM.YCURNTUP = 2.0f;
         TPCM.LCBARG = 0x747;
       },
       [] {
         TPCM.STRNFC = 1.25f;
         TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 1.0f;
         TPCM.XCURNTDN = TPCM.XCURNTUP = TPCM.YCURNTDN = TPCM.YCURNTUP = 1.0f;
         TPCM.LCBARG = 0xF4F;
       },
       {}},
      {5.38f, [] {}, [] {},
       {" ++> Wave drag and drift forces on semi/tlp/spar shapes \n     reworked from the ground up.\n"}},
      {5.53f, [] {}, [] {}, {" ++> Overhaul of low-frequency damping.\n"}},
      {5.57f, [] { TPCM.VESTYP = 5; }, [] { TPCM.SEMI_LIKE = 1; }, {}},
      {5.59f, [] { TPCM.WSPEC_HGT = 0.0f; }, [] { TPCM.WSPEC_HGT = 32.81f; }, {}},
      {5.59f, [] { TPCM.WSPEC_HGT = 0.0f; TPCM.NUNTS = 1; }, [] { TPCM.WSPEC_HGT = 10.0f; }, {}},
      {5.59f, [] { TPCM.WSPEC_HGT = 20.0f; }, [] {}, {}},
      // The words the 149-fairlead layout added are zero in the relaid file.
      {6.00999f,
       [] {
         TPCM.RTPCM2(1) = 2.0f;
         TPCM.ITPCM6(5) = 3;
         TPCM.RACC(1, 50) = 7.0f;
       },
       [] {
         TPCM.RTPCM2(1) = 0.0f;
         TPCM.ITPCM6(5) = 0;
         TPCM.RACC(1, 50) = 0.0f;
       },
       {" ++> Data file resized for 149 fairleads\n"}},
  };
  for (const Case& c : cases) {
    const float below = std::nextafter(c.threshold, 0.0f);
    const Upgrade before = upgrade(fileOfVersion(c.edit, below));
    const Upgrade at = upgrade(fileOfVersion(c.edit, c.threshold));
    ASSERT_EQ(before.status, -1) << c.threshold << before.screen;
    ASSERT_EQ(at.status, -1) << c.threshold << at.screen;

    std::memcpy(wordsOf(TPCM), at.image.data(), 4 * at.image.size());
    c.expected();
    TPCM.VERNO = below;
    const std::vector<std::int32_t> expected = storedWords();
    EXPECT_TRUE(before.image == expected) << "threshold " << c.threshold << ":" << testing_support::wordDifferences(before.image, expected);
    for (const std::string& note : c.note) {
      EXPECT_TRUE(contains(before.screen, note)) << c.threshold << " screen lacks\n" << note << before.screen;
      EXPECT_TRUE(contains(before.notes, note)) << c.threshold << " notes lack\n" << note;
      EXPECT_FALSE(contains(at.notes, note)) << c.threshold << ": a file at the threshold is noted\n" << note;
    }
  }
}

// Every word of the data set holds its own value, so that any word moved to the wrong place shows.
std::vector<std::int32_t> taggedDataSet(float version) {
  std::vector<std::int32_t> words(kStoredWords);
  for (int w = 1; w <= kStoredWords; ++w) words[w - 1] = 0x10000 + w;
  std::memcpy(wordsOf(TPCM), words.data(), 4 * words.size());
  TPCM.VERNO = version;
  TPCM.DAT_ID = 0;
  TPCM.LEASTP = 2;
  TPCM.TOPCOM_LAST = TPCM.LODFRE_SLM;  // the relayout leaves the old word there, the first of section 2
  return storedWords();
}

void zeroRooms(const std::vector<testing_support::Room>& rooms) {
  for (const auto& r : rooms)
    for (int w = r.first; w < r.first + r.words; ++w) wordsOf(TPCM)[w - 1] = 0;
}

TEST_F(Slmupd, RelayoutMovesEveryWordOfTheFairlead49Layout) {
  const auto source = taggedDataSet(6.0f);
  const Upgrade u = upgrade(testing_support::olderImage(source, OlderLayout::kFairleads49));
  ASSERT_EQ(u.status, -1) << u.screen;
  EXPECT_EQ(u.IFLAG, 1);

  std::memcpy(wordsOf(TPCM), source.data(), 4 * source.size());
  zeroRooms(testing_support::fairleadRooms());
  TPCM.TOPCOM_LAST = TPCM.LODFRE_SLM;
  TPCM.DAT_ID = 149;
  TPCM.EDUNIT = kScreenUnit;  // the session's, not the file's
  const auto expected = storedWords();
  // RACC(3, 33) is where the older layout kept word 703, in which the load put the dialogue unit.
  EXPECT_EQ(u.image[wordOf(TPCM.RACC(3, 33)) - 1], source[wordOf(TPCM.RACC(3, 33)) - 1]);
  EXPECT_TRUE(u.image == expected) << testing_support::wordDifferences(u.image, expected);
}

TEST_F(Slmupd, WideningBefore49MovesEveryWord) {
  const auto source = taggedDataSet(4.5f);
  const Upgrade u = upgrade(testing_support::olderImage(source, OlderLayout::kBefore49));
  ASSERT_EQ(u.status, -1) << u.screen;

  std::memcpy(wordsOf(TPCM), source.data(), 4 * source.size());
  zeroRooms(testing_support::fairleadRooms());
  zeroRooms(testing_support::widening49Rooms());
  TPCM.TOPCOM_LAST = TPCM.LODFRE_SLM;
  TPCM.DAT_ID = 149;
  TPCM.EDUNIT = kScreenUnit;
  TPCM.WVDGCX = TPCM.WVDGCY = TPCM.WVDGCM = TPCM.VWDRGFC = 1.0f;
  TPCM.LEGPKF = TPCM.LEGDRG = TPCM.LEGDFC = 1;
  // The later steps: 5.0, 5.57 (the tagged vessel type is no column-stabilised hull); WSPEC_HGT is
  // not zero and stays.
  TPCM.STRNFC = 1.25f;
  TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 1.0f;
  TPCM.XCURNTDN = TPCM.XCURNTUP = TPCM.YCURNTDN = TPCM.YCURNTUP = 1.0f;
  TPCM.SEMI_LIKE = 0;
  const auto expected = storedWords();
  EXPECT_TRUE(u.image == expected) << testing_support::wordDifferences(u.image, expected);
}

// A file of version 3.0 passes every step: the header, then the notes in order (the counted steps
// without a text among them), a pause after every five, the relayout last.
TEST_F(Slmupd, Version3PassesEveryStep) {
  const Upgrade u = upgrade(fileOfVersion([] {}, 3.0f));
  ASSERT_EQ(u.status, -1) << u.screen;
  EXPECT_EQ(u.IFLAG, 1);
  const std::string notes =
      "               **** Data File Changes Since Version  3.00: ****\n"
      " ++> Specification of (X,Y) coordinate for application of auxiliary\n"
      "     external force/moment.\n"
      " ++> Changed Tanker Load Specification from a Ballasted/Loaded \"toggle\"\n"
      "     to a continuous range: (Ballasted = 32%, Loaded = 100%).\n"
      " ++> Changed data specs for \"user supplied\" vessel dynamics;\n"
      "     these will be adjusted automatically if you \"Continue\".\n"
      " ++> Modified auxiliary force/torque data specifications; these will be\n"
      "     adjusted automatically if you \"Continue\".\n"
      " ++> Incorporated user-specified swell spectal width.\n"
      " ++> Updated & enhanced environmental forcing options; implemented user\n"
      "     specification of force coefficients.\n"
      " ++> Added variable wave drift spectrum enhancement factor.\n"
      " ++> Changed handling of swell and irregular wave directions and options.\n"
      " ++> Changed SALMDAT file size.\n"
      " ++> Eliminated surface point for current depth distribution. \n"
      "     See Current definition page.\n"
      " ++> Data file resized for version 5.0\n"
      " ++> Wave drag and drift forces on semi/tlp/spar shapes \n"
      "     reworked from the ground up.\n"
      " ++> Overhaul of low-frequency damping.\n"
      " ++> Data file resized for 149 fairleads\n";
  EXPECT_EQ(u.notes, notes);
  // Notes 6 and 11 (the environmental forcing and the current profile) each come after a pause.
  const auto screens = testing_support::screens(u.screen);
  ASSERT_EQ(screens.size(), 3u) << u.screen;
  EXPECT_TRUE(contains(screens[0], "     adjusted automatically if you \"Continue\".\n"
                                   " ++> Incorporated user-specified swell spectal width.\n"
                                   "\n Press <RETURN> to continue: "))
      << screens[0];
  EXPECT_EQ(screens[1].rfind(" ++> Updated & enhanced environmental forcing options", 0), 0u) << screens[1];
  EXPECT_EQ(screens[2].rfind(" ++> Eliminated surface point", 0), 0u) << screens[2];
  EXPECT_EQ(TPCM.DAT_ID, 149);
}

TEST_F(Slmupd, EndsOfTheChain) {
  struct Case {
    const char* what;
    float version;
    std::int32_t datId;
    std::int32_t iflag;
    std::string notes;
  };
  const std::string header65 = "               **** Data File Changes Since Version  6.50: ****\n";
  const std::string newer =
      " ++> Warning: The data file loaded was created by a more recent program\n"
      "     version than this one; you should inspect each data page THOROUGHLY\n"
      "     before proceeding...\n";
  const Case cases[] = {
      {"current layout, nothing to do", 6.5f, 149, 0, header65 + " ++> None...\n"},
      {"marked for the relayout", 6.5f, 49, 1, header65 + " ++> Data file resized for 149 fairleads\n"},
      {"newer and marked", 7.0f, 49, 1,
       "               **** Data File Changes Since Version  7.00: ****\n"
       " ++> Data file resized for 149 fairleads\n" + newer},
      {"newer", 7.0f, 149, 0,
       "               **** Data File Changes Since Version  7.00: ****\n ++> None...\n" + newer},
  };
  for (const Case& c : cases) {
    auto words = baseDataSet().with([&] { TPCM.VERNO = c.version; TPCM.DAT_ID = c.datId; }).words();
    if (c.datId == 49) words = testing_support::olderImage(words, OlderLayout::kFairleads49);
    const Upgrade u = upgrade(words);
    EXPECT_EQ(u.IFLAG, c.iflag) << c.what;
    EXPECT_EQ(u.notes, c.notes) << c.what;
    EXPECT_TRUE(contains(u.screen, c.notes)) << c.what << "\n" << u.screen;
    EXPECT_EQ(TPCM.DAT_ID, 149) << c.what;
  }
}

TEST_F(Slmupd, TableSizeNotes) {
  const std::string anomalous = " ++> This file shows an anomalous NTAB =";
  const std::string information = " ++> Point of information: This file had an interpolation table size of";
  struct Case {
    std::int32_t ntab;
    std::string note;  // empty: none
  };
  const Case cases[] = {
      {90, ""}, {31, ""}, {30, information + " 30;\n"}, {2, information + "  2;\n"},
      {1, anomalous + "           1\n\n     It may not have been properly converted using the\n"
                      "     with the Kestrin line-table converter. Proceed with caution.\n"},
      {0, anomalous + "           0\n"}, {91, anomalous + "          91\n"},
  };
  for (const Case& c : cases) {
    const Upgrade u = upgrade(fileOfVersion([&] { TPCM.NTAB = c.ntab; }, 3.8f));
    if (c.note.empty()) {
      EXPECT_FALSE(contains(u.notes, "NTAB") || contains(u.notes, "table size")) << c.ntab << "\n" << u.notes;
    } else {
      EXPECT_TRUE(contains(u.notes, c.note)) << c.ntab << "\n" << u.notes;
    }
    EXPECT_EQ(TPCM.NTAB, c.ntab) << "the stored table size stays";
  }
}

}  // namespace
}  // namespace qv

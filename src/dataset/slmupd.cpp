// The SALM version upgrade: a fixed chain of version steps, oldest first, each run when the file's
// version lies below its threshold, each with its note.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "dataset/force_model.h"
#include "dataset/relayout.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dataset/updaters.h"
#include "platform/units.h"
#include "util/diskio.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

constexpr std::int32_t kLayout49 = 49;    // DAT_ID of an image in the 49-fairlead layout
constexpr std::int32_t kLayout149 = 149;  // DAT_ID of an image in the current layout
constexpr int kPageControlWord = static_cast<int>(offsetof(Tpcm, LBACK) / 4) + 1;

// Words of older layouts that the steps read under their present names.
static_assert(offsetof(Tpcm, ITAVQ3) == 8 && offsetof(Tpcm, ITAVQ5) == 16, "old vessel type words");
static_assert(offsetof(Tpcm, IL1) == 7620 && offsetof(Tpcm, IL2) == 7624, "old auxiliary-force words");
static_assert(offsetof(Tpcm, CURCOR) == 3080 && offsetof(Tpcm, GETSUCK) == 3084 && offsetof(Tpcm, FAST_SPAR) == 3088,
              "old integer tanker words");

int wordOf(const void* member) { return static_cast<int>((LRHLOC(member) - LRHLOC(&TPCM)) / 4) + 1; }

// The notes of one run: each counted note pauses the list every five (WRNFUL) and goes to the
// dialogue unit, then to the notes file.
struct Notes {
  int unit;
  std::int32_t count = -1;

  void both(std::string_view line) const {
    writeRecord(unit, line);
    writeRecord(kNotesUnit, line);
  }
  void bothLines(std::initializer_list<std::string_view> lines) const {
    for (std::string_view line : lines) writeRecord(unit, line);
    for (std::string_view line : lines) writeRecord(kNotesUnit, line);
  }
  // A counted change: the pause when the list is full.
  void counted() {
    ++count;
    WRNFUL(count, unit, kKeyboardUnit);
  }
  void note(std::initializer_list<std::string_view> lines) {
    counted();
    bothLines(lines);
  }
};

// Tail shift of an image of this program: `words` words open at word `at`, everything from it moving
// up so that the image still ends at its last word; its last `words` words are dropped.
void openWords(int at, int words) {
  std::int32_t* w = wordsOf(TPCM);
  const int count = (kStoredWords - words) - at + 1;
  if (count > 0) MOVDWN(count, w + (at - 1), w + (at - 1 + words));
}

void clearWords(int first, int count) { CLEAR_1D(wordsOf(TPCM) + (first - 1), count, 1, count); }

void setFloatWord(int word, float value) { std::memcpy(wordsOf(TPCM) + (word - 1), &value, 4); }

// Before version 4.9 the wave grid held 40 periods and the vessel block lacked 200 words of
// auxiliary-force and drag data. Such an image always still has the 49-fairlead layout, in which the
// vessel words lie where the relayout will later move them from.
void widenTo49(int& unit) {
  openWords(wordOf(&TPCM.USRPSD(41)), 60);  // USRPSD(41..100); T(1) follows
  clearWords(wordOf(&TPCM.USRPSD(41)), 60);
  openWords(wordOf(&TPCM.T(41)), 60);  // T(41..100); WAVHDG follows
  clearWords(wordOf(&TPCM.T(41)), 60);
  const int mexdp1 = wordBeforeTopcomRelayout(wordOf(&TPCM.MEXDP1));
  openWords(mexdp1, 200);  // ENDHT follows
  clearWords(mexdp1, 200);
  // The last four of the 200 words: WVDGCX, WVDGCY, WVDGCM and VWDRGFC.
  const int wvdgcx = mexdp1 + (wordOf(&TPCM.WVDGCX) - wordOf(&TPCM.MEXDP1));
  for (int k = 0; k < 4; ++k) setFloatWord(wvdgcx + k, 1.0f);
  TPCM.LEGPKF = 1;
  TPCM.LEGDRG = 1;
  TPCM.LEGDFC = 1;
  unit = TPCM.LEASTP == kModeUnattended ? kDiagnosticsUnit : kScreenUnit;
}

// The 149-fairlead relayout of this program's image, sections 1 and 2 (4,975 words): no move passes
// the image's last word (its HIGHADR is the position just past it).
void relayoutTo149() {
  relayoutTopcomTo149(kStoredWords, LRHLOC(&TPCM) / 4 + kStoredWords);
  TPCM.DAT_ID = kLayout149;
}

// Maps each surge, sway and yaw model code of a packed word once: codes not listed stay.
void recode(std::int32_t& word, std::initializer_list<std::pair<int, int>> codes, int unit) {
  for (int field = 1; field <= 3; ++field) {
    const std::int32_t old = NIBVAL(word, field, unit);
    for (const auto& [from, to] : codes)
      if (old == from) {
        NIBSET(word, field, to, unit);
        break;
      }
  }
}

// Integer words of an older layout read as 4-byte floats.
float wordAsFloat(std::int32_t word) { return static_cast<float>(word); }

void tankerSteps(float V, Notes& notes) {
  if (V < 3.21f)
    notes.note({" ++> Specification of (X,Y) coordinate for application of auxiliary",
                "     external force/moment."});
  if (V < 3.33f)
    notes.note({" ++> Changed Tanker Load Specification from a Ballasted/Loaded \"toggle\"",
                "     to a continuous range: (Ballasted = 32%, Loaded = 100%)."});
  if (V < 3.47f) {
    notes.note({" ++> Changed data specs for \"user supplied\" vessel dynamics;",
                "     these will be adjusted automatically if you \"Continue\"."});
    TPCM.VESTYP = TPCM.ITAVQ3;
    TPCM.AUXVSH = TPCM.ITAVQ5;
  }
  if (V < 3.51f) {
    if (TPCM.LWBARG == 0) {
      // Deadweight in thousands of long tons.
      const float S = TPCM.DWTONS * (TPCM.NUNTS == kEnglishUnits ? 0.000446429f : 0.000984207f);
      if (S >= 80.0f && S <= 140.0f)
        notes.note({" ++> Changed tanker \"SIZE\" determination from a two-way \"toggle\" based",
                    "     on Deadweight Tonnage to a continuous range: (Small < 80 kDWT, Large >",
                    "140 kDWT, interpolation for intermediate sizes). No data file changes,",
                    "     but \"intermediate\" size tanker simulation will be affected."});
    }
    notes.note({" ++> Modified auxiliary force/torque data specifications; these will be",
                "     adjusted automatically if you \"Continue\"."});
    // The old auxiliary-force switches sat in the integer words now IL1 and IL2; where the old force
    // values sat is not known, so the force starts from zero.
    TPCM.AUXFRC = TPCM.IL1;
    TPCM.CRDSYS = TPCM.IL2;
    TPCM.XVFRC = TPCM.YVFRC = TPCM.VESMOM = TPCM.VESAN0 = TPCM.XVLOC = TPCM.YVLOC = 0.0f;
  }
  if (V < 3.52f) {
    TPCM.SWLWID = 0.1f;
    notes.note({" ++> Incorporated user-specified swell spectal width."});
  }
  if (V < 3.6f) {
    TPCM.LWBARG = TPCM.LWBARG != 0 ? 0x222 : 0x111;
    TPCM.LCBARG = TPCM.LCBARG != 0 ? 0x444 : 0x111;
    TPCM.LWVCOF = 0x111;
    // The tanker size, load condition and bow shape were integer words (now CURCOR, GETSUCK and
    // FAST_SPAR).
    TPCM.SIZE = wordAsFloat(TPCM.CURCOR);
    TPCM.LOADED = TPCM.DFTPCT = wordAsFloat(TPCM.GETSUCK);
    TPCM.BOWCUR = TPCM.BOWWND = TPCM.BOWWAV = wordAsFloat(TPCM.FAST_SPAR);
    TPCM.CURCOR = TPCM.GETSUCK = TPCM.FAST_SPAR = 0;
    notes.note({" ++> Updated & enhanced environmental forcing options; implemented user",
                "     specification of force coefficients."});
  }
  if (V < 3.7f) {
    TPCM.VWDFAC = 1.0f;
    notes.note({" ++> Added variable wave drift spectrum enhancement factor."});
  }
}

// Line tables of other sizes than those of the later converter are worth a word to the user; the
// stored size is left as it is.
void tableSizeNote(Notes& notes) {
  const std::int32_t ntab = TPCM.NTAB;
  if (ntab <= 1 || ntab > kMaxTablePoints) {
    notes.note({" ++> This file shows an anomalous NTAB =" + fmtI(ntab, 12), "",
                "     It may not have been properly converted using the",
                "     with the Kestrin line-table converter. Proceed with caution."});
  } else if (ntab <= 30) {
    notes.note({" ++> Point of information: This file had an interpolation table size of " + fmtI(ntab, 2) + ";",
                "     it may have been converted from an earlier simulation version",
                "     supporting a maximum table size of 30."});
  }
}

void environmentSteps(float V, float P, Notes& notes) {
  if (V < 3.9f && P > 3.88f) tableSizeNote(notes);
  if (V < 3.92f) {
    TPCM.ANGSEC = 180.0f;
    // The swell and sea directions moved from the four words of OCHI_LAMBDA to the first four
    // sea headings.
    std::int32_t* w = wordsOf(TPCM);
    const int from = wordOf(&TPCM.OCHI_LAMBDA(1));
    const int to = wordOf(&TPCM.SEAHDG(1));
    MOVCOM(4, w + (from - 1), w + (to - 1));
    clearWords(from, 4);
    notes.note({" ++> Changed handling of swell and irregular wave directions and options."});
  }
  if (V < 4.17f) notes.note({" ++> Changed SALMDAT file size."});
  if (V < 4.28f) {
    const int unit = TPCM.EDUNIT;
    // The old codes, each turned into the model of today's code it stood for.
    const int driftOne = TPCM.VESTYP == kSemiSubmersible ? kDriftSemiLegacy
                         : TPCM.VESTYP == kDiscBuoy      ? kDriftBuoy
                                                         : kDriftTankerLegacy;
    recode(TPCM.LWBARG, {{1, kWindOcimfTanker}, {2, kWindBarge}, {3, kWindLowdatTable}}, unit);
    recode(TPCM.LCBARG,
           {{1, kCurrentOcimfTanker}, {2, kCurrentNsmbTanker}, {3, kCurrentExtremeBow}, {4, kCurrentBarge},
            {5, kCurrentLowdatTable}, {6, kCurrentNsmbMeanCurve}},
           unit);
    recode(TPCM.LWVCOF, {{1, driftOne}, {2, kDriftUserFile}}, unit);
    notes.counted();
  }
  if (V < 4.41f) {
    // The surface point of the current profile is gone: the points below it move up one place.
    if (TPCM.NCURNT > 1) --TPCM.NCURNT;
    const int last = std::min<std::int32_t>(TPCM.NCURNT, static_cast<int>(TPCM.VELI.size()) - 1);
    for (int i = 1; i <= last; ++i) {
      TPCM.VELI(i) = TPCM.VELI(i + 1);
      TPCM.DPTHI(i) = TPCM.DPTHI(i + 1);
    }
    notes.note({" ++> Eliminated surface point for current depth distribution. ", "     See Current definition page.",
                " ++> Data file resized for version 5.0"});
  }
  if (V < 5.0f) {
    TPCM.STRNFC = 1.25f;
    TPCM.WVFCX = TPCM.WVFCY = TPCM.WVFCM = 1.0f;
    TPCM.XCURNTDN = TPCM.XCURNTUP = TPCM.YCURNTDN = TPCM.YCURNTUP = 1.0f;
    recode(TPCM.LCBARG, {{7, kCurrentNsmbMeanCurve}}, TPCM.EDUNIT);
  }
  if (V < 5.38f)
    notes.note({" ++> Wave drag and drift forces on semi/tlp/spar shapes ", "     reworked from the ground up."});
  if (V < 5.53f) notes.note({" ++> Overhaul of low-frequency damping."});
  if (V < 5.57f) {
    TPCM.SEMI_LIKE = columnStabilised(TPCM.VESTYP) ? 1 : 0;
    notes.counted();
  }
  if (V < 5.59f && TPCM.WSPEC_HGT == 0.0f) TPCM.WSPEC_HGT = TPCM.NUNTS == kEnglishUnits ? 32.81f : 10.0f;
}

}  // namespace

void SLMUPD(float VERSION, std::int32_t& IFLAG, const PageControlWords* asRead) {
  IFLAG = 1;
  const float V = std::fabs(TPCM.VERNO);
  const float P = std::fabs(VERSION);
  const bool layout49 = V < 6.00999f || TPCM.DAT_ID == kLayout49;

  // The layout first: every later step names its members in the current layout.
  int unit = TPCM.EDUNIT;  // the session's dialogue unit, as the load set it
  if (layout49 && asRead != nullptr) std::memcpy(wordsOf(TPCM) + (kPageControlWord - 1), asRead->data(), 16);
  if (V < 4.9f) widenTo49(unit);
  if (layout49) relayoutTo149();
  TPCM.EDUNIT = unit;

  Notes notes{unit};
  notes.both(fmtX(15) + "**** Data File Changes Since Version " + fmtF(V, 5, 2) + ": ****");
  tankerSteps(V, notes);
  environmentSteps(V, P, notes);
  if (layout49) notes.note({" ++> Data file resized for 149 fairleads"});

  if (notes.count < 0) {
    IFLAG = 0;
    notes.both(" ++> None...");
  }
  if (V > P)
    notes.bothLines({" ++> Warning: The data file loaded was created by a more recent program",
                     "     version than this one; you should inspect each data page THOROUGHLY",
                     "     before proceeding..."});
}

}  // namespace qv

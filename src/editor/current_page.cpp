// Page 12, "Current Conditions": the surface current speed (knots in both unit systems) and heading,
// its variation with depth with the short legacy profile table, the current speed spectrum with its
// density, and the fractional RMS variation. Shown only when the data set simulates current; for a
// free SALM the spectrum items are hidden.
#include <algorithm>
#include <array>
#include <string>

#include "dataset/spectrum_captions.h"
#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_pages.h"
#include "editor/page_loop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/sim_types.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kSpeed = 1,
  kHeading = 2,
  kDepthVariation = 3,
  kPointCount = 4,    // legacy profile only
  kProfile = 5,       // legacy profile only
  kSpectrumType = 6,  // hidden for a free SALM
  kRmsFraction = 7,
};

// Variation with depth (LCSTCR).
enum DepthVariation : std::int32_t {
  kPowerLaw = 0,
  kNoVariation = 1,
  kLegacyProfile = 2,  // the table DPTHI/VELI of NCURNT rows
  kProfileFile = 3,    // "CRNTPROF.txt", read by the analysis
};
constexpr std::array<std::string_view, 4> kVariationTexts = {
    " 1/7 power law", " No variation", " User-Specified (legacy)", " User-Specified (CRNTPROF)"};

// The current spectrum types (CURTYP) as the menu numbers them: CURPRT entry CURTYP + 1.
constexpr std::int32_t kCurrentTypes = kLastCurrentSpectrum + 1;

// The square of one knot in the unit system's speed, and the bandwidth of the band-limited white
// spectrum (0.02 Hz) in rad/s.
constexpr float kKnotSquaredFeet = 2.846f;     // (ft/s)^2
constexpr float kKnotSquaredMeters = 0.2644f;  // (m/s)^2
constexpr float kWhiteBandwidth = 0.1257f;     // rad/s

constexpr std::string_view kProfileTitle = "Current Speed Profile Specification";

bool metric() { return TPCM.NUNTS == kMetricUnits; }
std::string densityUnit() { return metric() ? " meters^2/sec" : " feet^2/sec"; }

std::string variationText(std::int32_t choice) {
  Text<30> text;
  text.assign(choice >= 0 && choice < static_cast<std::int32_t>(kVariationTexts.size())
                  ? kVariationTexts[static_cast<std::size_t>(choice)]
                  : std::string_view(" Index error"));
  return text.str();
}

std::string currentTypeName(std::int32_t entry) {
  Text<30> name;
  CURPRT(name, entry);
  return name.str();
}
std::string dataSetCurrentTypeName() {
  Text<30> name;
  currentSpectrumCaption(name, TPCM.CURTYP);
  return name.str();
}

// Item 7 is offered for the band-limited spectrum, and for a TLP data set with any unsteady one.
bool offersRmsFraction() {
  return TPCM.CURTYP == kBandLimitedCurrent || (TPCM.CREATR == kSimYobrix && TPCM.CURTYP != kSteadyCurrent);
}

// The band-limited white spectrum's density follows the speed and the RMS fraction.
void updateBandLimitedDensity() {
  Tpcm& t = TPCM;
  if (t.CURTYP != kBandLimitedCurrent) return;
  const float knotSquared = metric() ? kKnotSquaredMeters : kKnotSquaredFeet;
  const float rms = t.CURSPD * t.RMS_CRNT;
  t.CURDEN = rms * rms * (knotSquared / kWhiteBandwidth);
}

std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kSpeed: return " 1) Current speed .............................." + fmtF(t.CURSPD, 11, 2) + " knots";
    case kHeading: return " 2) Current heading  ..........................." + fmtF(t.CURHDG, 11, 2) + " degrees";
    case kDepthVariation: return " 3) Current variation with depth ..............." + variationText(t.LCSTCR);
    case kPointCount:
      return " 4) Number of points in current profile (Max " + fmtI(kMaxProfilePoints, 1) + ") " + fmtX(9) +
             fmtI(t.NCURNT, 1);
    case kProfile: return " 5) Specify current variation with depth";
    case kSpectrumType: return " 6) Current spectral type ......................" + dataSetCurrentTypeName();
    case kRmsFraction: return " 7) Fractional RMS current variation ..........." + fmtF(t.RMS_CRNT, 12, 3);
  }
  return std::string();
}

std::string densityLine() {
  return "    Current speed spectral density ............." + fmtE(TPCM.CURDEN, 10, 3) + densityUnit();
}

void echoThenEnter(Item item, float& value) {
  writeRecord(TPCM.EDUNIT, itemLine(item));
  ENTERF(value, TPCM.EDUNIT, kKeyboardUnit);
}

void enterPointCount() {
  writeRecord(TPCM.EDUNIT, itemLine(kPointCount));
  ENTERI(TPCM.NCURNT, TPCM.EDUNIT, kKeyboardUnit);
  MAXCHK(TPCM.NCURNT, kMaxProfilePoints);
}

void enterRmsFraction() {
  echoThenEnter(kRmsFraction, TPCM.RMS_CRNT);
  updateBandLimitedDensity();
}

// One call of the page: the depth-variation choice as it stood at the last drawing, which an
// aborted profile table puts back.
struct CurrentPage {
  std::string_view label;
  std::int32_t freeSalm = 0;
  std::int32_t LCSTCRSAV = 0;

  void draw() {
    Tpcm& t = TPCM;
    const std::int32_t u = t.EDUNIT;
    LCSTCRSAV = t.LCSTCR;
    writeRecord(u, fmtX(17) + "****  Page " + std::string(label) + ": Current Conditions  ****");
    LINES(u, 2);
    for (Item item : {kSpeed, kHeading, kDepthVariation}) writeRecord(u, itemLine(item));
    if (t.LCSTCR == kLegacyProfile) {
      writeRecord(u, itemLine(kPointCount));
      writeRecord(u, itemLine(kProfile));
    }
    if (freeSalm != 0) return;
    writeRecord(u, "");
    writeRecord(u, itemLine(kSpectrumType));
    if (t.CURTYP == kLegacyPointCurrent || t.CURTYP == kBandLimitedCurrent) writeRecord(u, densityLine());
    if (offersRmsFraction()) {
      writeRecord(u, "");
      writeRecord(u, itemLine(kRmsFraction));
    }
  }

  // The table, as long as it hands back a positive code; an abort puts the former choice back.
  void editProfile() {
    Tpcm& t = TPCM;
    std::int32_t itemp = 0;
    do {
      CRNTIN(kProfileTitle, t.DPTHI, t.VELI, t.CURSPD, t.DEPTH, t.NCURNT, t.EDUNIT, kKeyboardUnit, itemp, t.LCOPY);
    } while (itemp > 0);
    if (itemp == kProfileAborted) t.LCSTCR = LCSTCRSAV;
  }

  // Item 3. Choosing the legacy profile anew goes straight on to its count or its table.
  void chooseDepthVariation() {
    constexpr std::int32_t choices = static_cast<std::int32_t>(kVariationTexts.size());
    runSubPage(
        [] {
          const std::int32_t u = TPCM.EDUNIT;
          writeRecord(u, "");
          writeRecord(u, " +++ Current Profile Specification Options +++");
          writeRecord(u, "");
          for (std::int32_t k = 1; k <= choices; ++k) writeRecord(u, " " + fmtI(k, 1) + ") " + variationText(k - 1));
        },
        [](std::int32_t item) { CURHLP4(TPCM.EDUNIT, kKeyboardUnit, item); },
        [this](std::int32_t& reply) {
          if (reply == 0) return PageStep::kLeave;
          if (reply < 0 || reply > choices) return PageStep::kRedraw;
          MAXCHK(reply, choices);
          Tpcm& t = TPCM;
          const std::int32_t old = t.LCSTCR;
          t.LCSTCR = reply - 1;
          if (t.LCSTCR == kLegacyProfile && old != kLegacyProfile) {
            if (t.NCURNT < 1 || t.NCURNT > kMaxProfilePoints) {
              writeRecord(t.EDUNIT, "");
              enterPointCount();
            } else {
              editProfile();
            }
          }
          return PageStep::kLeave;
        });
  }
};

// Item 6: the current spectrum type; blank or a navigation letter goes back unchanged.
void chooseSpectrumType() {
  runSubPage(
      [] {
        const std::int32_t u = TPCM.EDUNIT;
        writeRecord(u, " -- Current Spectral Type --");
        writeRecord(u, "");
        for (std::int32_t k = 1; k <= kCurrentTypes; ++k) writeRecord(u, " " + fmtI(k, 1) + ") " + currentTypeName(k));
      },
      [](std::int32_t item) { CURHLP2(TPCM.EDUNIT, kKeyboardUnit, item); },
      [](std::int32_t& reply) {
        if (reply > kCurrentTypes) return PageStep::kRedraw;
        if (reply <= 0) return PageStep::kLeave;
        MAXCHK(reply, kCurrentTypes);
        Tpcm& t = TPCM;
        t.CURTYP = reply - 1;
        if (t.CURTYP == kLegacyPointCurrent) {
          writeRecord(t.EDUNIT, densityLine());
          ENTERF(t.CURDEN, t.EDUNIT, kKeyboardUnit);
        } else if (t.CURTYP == kBandLimitedCurrent) {
          enterRmsFraction();
        }
        return PageStep::kLeave;
      });
}

// ---- the profile table -------------------------------------------------------------------------

// The rows as they were when the table opened, for an abort.
struct ProfileCopy {
  Arr<float, kMaxProfilePoints> depths;
  Arr<float, kMaxProfilePoints> speeds;
  std::int32_t rows;
};

void drawProfile(std::string_view title, const Arr<float, kMaxProfilePoints>& depths,
                 const Arr<float, kMaxProfilePoints>& speeds, std::int32_t rows, std::int32_t u) {
  writeRecord(u, " ++> Enter " + std::string(title));
  writeRecord(u, "");
  writeRecord(u, fmtX(5) + "   Depth Below    Current");
  writeRecord(u, fmtX(5) + "     Surface       Speed");
  writeRecord(u, fmtX(5) + "       (x)        (y, kts)");
  writeRecord(u, "");
  for (std::int32_t r = 1; r <= rows; ++r)
    writeRecord(u, " " + fmtI(r, 2) + ") " + fmtF(depths(r), 12, 2) + fmtF(speeds(r), 12, 2));
  writeRecord(u, "");
  writeRecord(u, " " + fmtI(rows + 1, 2) + ") Change the number of points in current profile");
  writeRecord(u, " " + fmtI(rows + 2, 2) + ") Eliminate a row and collapse array");
  writeRecord(u, " " + fmtI(rows + 3, 2) + ") Insert a null row and expand array");
  writeRecord(u, " " + fmtI(rows + 4, 2) + ") Abort entry");
}

// A row number typed after a prompt; 0 for a blank reply or a letter.
std::int32_t typedRow(std::string_view prompt, std::int32_t u, std::int32_t kbd) {
  WRTLIN(prompt, u);
  std::int32_t row = 0;
  std::int32_t scratch = 0;
  READI(row, kbd, scratch);
  return row;
}

// The checks before the table is left: the bottom row must carry the current at the sea bed or a
// zero current, and the surface point is implicit. True when both hold (an empty table passes).
bool profileCanBeLeft(const Arr<float, kMaxProfilePoints>& depths, const Arr<float, kMaxProfilePoints>& speeds,
                      std::int32_t rows, float DEPTH, std::int32_t u, std::int32_t kbd) {
  if (rows < 1) return true;
  if (depths(rows) != DEPTH && speeds(rows) != 0.0f) {
    writeRecord(u, " ++> WARNING: If current-associated mooring loads are required,");
    writeRecord(u, "              the last row of data above must represent either");
    writeRecord(u, "              the current at the bottom or a zero current value");
    writeRecord(u, "              in the last row");
  } else if (depths(1) == 0.0f) {
    writeRecord(u, " ++> WARNING: A surface point at depth 0.00 is implicit. You must");
    writeRecord(u, "              therefore eliminate the surface point in this array.");
  } else {
    return true;
  }
  PRSRET(u, kbd);
  return false;
}

// ---- help --------------------------------------------------------------------------------------

const std::string kPageTitle = fmtX(21) + "****  Current Definition Notes  ****";
const std::string kSpectrumTitle = fmtX(21) + "****  Current Spectrum Help  ****";
const std::string kProfileNotesTitle = fmtX(21) + "****  Current Profile Notes  ****";
const std::string kVariationTitle = fmtX(17) + "****  Current Depth Variation Notes  ****";

std::vector<HelpNote> pageNotes(std::int32_t creator) {
  std::vector<HelpNote> notes = {
      {{1},
       "1",
       {" The current speed at the sea surface, in knots in both unit systems. Its",
        " variation with depth is chosen under item 3."}},
      {{2},
       "2",
       withAxesSketch({" Angles are measured in a right-handed earth-fixed system with z upwards:",
                       " zero along +x, increasing counter-clockwise (90 degrees along +y). The",
                       " heading is the direction TOWARD which the current flows: a 180-degree",
                       " current flows toward -x."})},
      {{3},
       "3",
       {" The variation of the current speed with depth:",
        "   1/7 power law:  Speed = (Surface Current)*{1 - H/D}^(1/7) at depth H",
        "                   in water of depth D;",
        "   No variation:   constant speed and direction;",
        "   User-Specified: a profile typed on this page (legacy) or read from the",
        "                   file \"CRNTPROF.txt\".",
        " For the power law and the user profiles the current loads on the vessel",
        " use the current averaged over the vessel draft."}},
      {{4},
       "4",
       {" The number of points of the legacy current profile, at most 5 (shown only", " with the legacy profile)."}},
      {{5},
       "5",
       {" Opens the table of the legacy current profile: depth below the surface",
        " and current speed of each point (shown only with the legacy profile)."}},
      {{6},
       "6",
       {" The current speed spectrum: steady current, a legacy point value, the",
        " file \"CRNTSPEC.txt\", or the band-limited white spectrum. The sub-page's",
        " help describes each type."}},
      {{7},
       "7",
       {" The fractional RMS current variation (RMS speed divided by the mean",
        " speed) is required by the band-limited white spectrum."}},
  };
  if (creator == kSimYobrix) {
    std::vector<std::string>& rms = notes.back().text;
    rms.insert(rms.end(),
               {"",
                " For a TLP data set the RMS fraction also adjusts the low-frequency tendon",
                " and riser loads; 0 removes the adjustment. It is taken as constant along",
                " the water column."});
  }
  return notes;
}

const std::vector<HelpNote> kSpectrumNotes = {
    {{1}, "1", {" Steady current: no time variation of the current speed."}},
    {{2},
     "2",
     {" Legacy point spectrum: one value of the current speed spectrum at the",
      " surge natural frequency of the moor, in speed^2 per rad/sec in the",
      " simulation units."}},
    {{3},
     "3",
     {" \"CRNTSPEC.txt\" file: the first line holds the number of (frequency,",
      " spectral value) pairs, at most 1000; then one pair per line. Frequencies",
      " are circular, in rad/sec; spectral values in speed^2 per rad/sec of the",
      " simulation units. The pairs run monotonically in frequency, ascending or",
      " descending, and the file ends with at least one empty line. The area",
      " under the spectrum over (0, infinity) is the variance of the speed."}},
    {{4},
     "4",
     {" Band-limited white spectrum: So = [(Vrms)^2]/(dW), with dW = .02 Hz. The",
      " RMS speed Vrms is typically 5% to 15% of the mean speed; it is taken as",
      " constant along the water column."}},
};

const std::vector<std::string> kProfileNoteText = {
    " The profile gives the current averaged over the vessel draft for the",
    " current loads on the vessel, and the current loads on subsurface mooring",
    " structures. The speed varies linearly between the levels of the table.",
    " Depths are positive, zero at the surface and increasing down the table.",
    " The surface point (depth 0, the speed of page 12) is implicit: it must not",
    " be the first row. For mooring loads the last row must lie at the full water",
    " depth (the current at the bottom) or be a level of zero current."};

const std::vector<HelpNote> kVariationNotes = {
    {{1}, "1", {" 1/7 power law: Speed = (Surface Current)*{1 - H/D}^(1/7) at depth H in", " water of depth D."}},
    {{2}, "2", {" No variation: the same speed and direction at every depth."}},
    {{3},
     "3",
     {" User-Specified (legacy): the short profile table of page 12; the vessel",
      " loads use the current averaged over the vessel draft."}},
    {{4},
     "4",
     {" User-Specified (CRNTPROF): the file \"CRNTPROF.txt\". Its first line holds",
      " the number of [Depth, Speed, Direction] records, at most 101, then one",
      " record per line: speeds in knots (not negative), headings in degrees",
      " counter-clockwise from global North (a westward current has heading 90),",
      " records ordered by depth, without the surface point (depth 0, given on",
      " page 12). Any standard value separator; at least one empty line at the",
      " end; line ends native to the host; free text may follow the data. Hull",
      " loads use the speed variation with depth but keep the surface direction",
      " down to the hull draft; the file serves mainly the current loads on",
      " tendons, mooring lines and risers."}},
};

}  // namespace

void CURHLP1(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t CREATR) {
  showHelpNotes(IOSCRN, KBD, LINE, kPageTitle, pageNotes(CREATR));
}

void CURHLP2(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpNotes(IOSCRN, KBD, LINE, kSpectrumTitle, kSpectrumNotes);
}

void CURHLP3(std::int32_t IOSCRN, std::int32_t KBD) {
  CLEAR(IOSCRN);
  writeRecord(IOSCRN, kProfileNotesTitle);
  writeRecord(IOSCRN, "");
  for (const std::string& line : kProfileNoteText) writeRecord(IOSCRN, line);
  PRSRET(IOSCRN, KBD);
}

void CURHLP4(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpNotes(IOSCRN, KBD, LINE, kVariationTitle, kVariationNotes);
}

void CRNTIN(std::string_view CTYPE, Arr<float, kMaxProfilePoints>& DPTHI, Arr<float, kMaxProfilePoints>& VELI,
            float /*CURSPD*/, float DEPTH, std::int32_t& NROW, std::int32_t IOSCRN, std::int32_t KBD,
            std::int32_t& ITEMP, std::int32_t& /*LCOPY*/) {
  const ProfileCopy saved{DPTHI, VELI, NROW};
  const auto rows = [&NROW] { return std::clamp<std::int32_t>(NROW, 0, kMaxProfilePoints); };
  std::int32_t number = 0;
  PageLoop table;
  table.draw = [&] { drawProfile(CTYPE, DPTHI, VELI, rows(), IOSCRN); };
  table.help = [IOSCRN, KBD](std::int32_t) { CURHLP3(IOSCRN, KBD); };
  table.other = [&](std::int32_t) {
    const std::int32_t n = rows();
    if (ITEMP > n + 4) return PageStep::kRedraw;
    if (ITEMP == n + 1) {
      ENTERI(NROW, IOSCRN, KBD);
      MAXCHK(NROW, kMaxProfilePoints);
    } else if (ITEMP == n + 2) {
      const std::int32_t r = typedRow("Enter row to eliminate: ", IOSCRN, KBD);
      if (r < 1 || r > n) return PageStep::kRedraw;
      for (std::int32_t i = r; i < kMaxProfilePoints; ++i) {
        DPTHI(i) = DPTHI(i + 1);
        VELI(i) = VELI(i + 1);
      }
    } else if (ITEMP == n + 3) {
      const std::int32_t r = typedRow("Enter row to nullify/insert: ", IOSCRN, KBD);
      if (r < 1 || r > n) return PageStep::kRedraw;
      for (std::int32_t i = kMaxProfilePoints; i > r; --i) {
        DPTHI(i) = DPTHI(i - 1);
        VELI(i) = VELI(i - 1);
      }
      DPTHI(r) = 0.0f;
      VELI(r) = 0.0f;
    } else if (ITEMP == n + 4) {
      DPTHI = saved.depths;
      VELI = saved.speeds;
      NROW = saved.rows;
      ITEMP = kProfileAborted;
      return PageStep::kLeave;
    } else if (ITEMP >= 1) {
      for (std::int32_t r = ITEMP; r <= n; ++r) {
        float unused = 0.0f;
        std::int32_t blank = 0;
        ENTCRD(r, DPTHI(r), VELI(r), unused, 2, 0, KBD, blank);
        if (blank != 0) break;
      }
    } else {
      if (!profileCanBeLeft(DPTHI, VELI, n, DEPTH, IOSCRN, KBD)) return PageStep::kRedraw;
      // B is a navigation letter here, not the abort (whose code -1 it shares): the caller would
      // otherwise take the depth-variation choice back although the table is kept.
      if (ITEMP == kNavBack) ITEMP = 0;
      return PageStep::kLeave;
    }
    return PageStep::kRedraw;
  };
  table.reply = &ITEMP;
  table.number = &number;
  if (runPage(table) == PageEnd::kListed) ITEMP = 0;
}

void CURENT(std::int32_t& FRESLM, std::string_view label) {
  CurrentPage current{label, FRESLM};
  const PageItem items[] = {
      {kSpeed,
       [] {
         echoThenEnter(kSpeed, TPCM.CURSPD);
         updateBandLimitedDensity();
       }},
      {kHeading, [] { echoThenEnter(kHeading, TPCM.CURHDG); }},
      {kDepthVariation, [&current] { current.chooseDepthVariation(); }},
      {kPointCount, enterPointCount, [] { return TPCM.LCSTCR == kLegacyProfile; }},
      {kProfile, [&current] { current.editProfile(); }, [] { return TPCM.LCSTCR == kLegacyProfile; }},
      {kSpectrumType, chooseSpectrumType, [&FRESLM] { return FRESLM == 0; }},
      // Accepted even while a free SALM hides the line.
      {kRmsFraction, enterRmsFraction, offersRmsFraction},
  };
  PageLoop page;
  page.draw = [&current] { current.draw(); };
  page.items = items;
  page.help = [](std::int32_t item) { CURHLP1(TPCM.EDUNIT, kKeyboardUnit, item, TPCM.CREATR); };
  page.listed = [] {
    Tpcm& t = TPCM;
    if (t.LCSTCR == kLegacyProfile) {
      std::int32_t itemp = 0;
      CRNTIN(kProfileTitle, t.DPTHI, t.VELI, t.CURSPD, t.DEPTH, t.NCURNT, t.EDUNIT, kKeyboardUnit, itemp, t.LCOPY);
    }
    return PageStep::kLeave;
  };
  runPage(page);
}

}  // namespace qv

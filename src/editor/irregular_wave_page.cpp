// Page 15, the irregular sea: switched on or off, its spectrum type and heading, the parameters the
// type needs (significant height, peak period, bandwidth, the JONSWAP shape or up to four
// Ochi-Hubble components), the legacy densities at the regular periods, and the directional
// spreading. Its help screens and its spectrum list serve the swell page too.
#include <algorithm>
#include <string>

#include "dataset/spectrum_captions.h"
#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_pages.h"
#include "editor/page_loop.h"
#include "editor/salm_text.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "platform/units.h"
#include "util/autorp.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/page_kit.h"
#include "util/sim_types.h"
#include "waves/wave_spectrum.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kSimulate = 1,
  kSpectrumType = 2,
  kHeading = 4,
  kComponents = 5,  // Ochi-Hubble only
  kHeight = 6,
  kPeriod = 7,
  kShape = 8,   // bandwidth, JONSWAP gamma or the Ochi-Hubble lambdas
  kSigmaA = 9,  // JONSWAP types only
  kSigmaB = 10,
  kAlpha = 11,
  kSpreading = 20,
  kSpreadingIndex = 21,  // with spreading only
  kSector = 22,
  kWedges = 23,
};

constexpr std::int32_t kShortNameLength = 23;   // what the pages show of a spectrum name
constexpr std::int32_t kOchiMaxComponents = 4;  // MAXSHT while the sea is Ochi-Hubble
constexpr std::int32_t kLeaderColumn = 51;      // the dot leaders of the parameter items end here
constexpr std::int32_t kDefaultOchiComponents = 2;

bool ochiHubble() { return hasComponents(TPCM.WAVTYP); }
bool spreading() { return TPCM.LSPRED != 0; }

WaveSystem windSea() {
  Tpcm& t = TPCM;
  return {t.WAVTYP, t.WAVWID, t.JONGAM, t.JONPL, t.JONPG};
}

// A parameter item's label with its dot leader, as wide as every other.
std::string leaderLine(std::int32_t item, std::string_view label) {
  Text<79> line;
  EDLNOT(line, item, label, kLeaderColumn);
  return std::string(line.view().substr(0, kLeaderColumn));
}

std::string yesNo5(std::int32_t flag) {
  Text<3> word;
  YESNO(word, flag);
  return fmtA(word.view(), 5);
}

// The Ochi-Hubble components shown and edited: N_OCHI_COMP, within MAXSHT and the tables.
std::int32_t componentsShown() {
  const Tpcm& t = TPCM;
  const std::int32_t n = t.N_OCHI_COMP > t.MAXSHT || t.N_OCHI_COMP < 0 ? t.MAXSHT : t.N_OCHI_COMP;
  return std::clamp<std::int32_t>(n, 0, kOchiMaxComponents);
}

template <std::size_t N>
std::string valueRow(std::string_view lead, const Arr<float, N>& values, std::int32_t n, int decimals) {
  std::string line(lead);
  for (std::int32_t j = 1; j <= std::min<std::int32_t>(n, 6); ++j) line += fmtF(values(j), 13, decimals);
  return line;
}

std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kSimulate: return "  1) Simulate irregular waves? " + yesNo5(t.LRANDM);
    case kSpectrumType: return "  2) Wave type: " + shortWaveTypeName(t.WAVTYP);
    case kHeading: return " 4) Wave heading: " + fmtF(t.SEAHDG(1), 8, 2) + " degrees";
    case kComponents:
      return "  5) Number of Ochi-Hubble wave components ........." + std::string("(Max ") + fmtI(t.MAXSHT, 2) +
             "): " + fmtI(t.N_OCHI_COMP, 2);
    case kHeight:
      if (ochiHubble()) return "  6) Component heights in" + lengthLabel();
      return " 6) Significant height:   " + fmtF(t.SWHT(1), 8, 2) + lengthLabel();
    case kPeriod:
      if (ochiHubble()) return "  7) Component peak periods (seconds)";
      return " 7) Spectrum peak period: " + fmtF(t.SIGPD(1), 8, 2) + " seconds";
    case kShape:
      if (ochiHubble()) return "  8) Component Lambda Values";
      if (hasJonswapShape(t.WAVTYP)) return leaderLine(kShape, "JONSWAP \"Gamma\" Parameter") + fmtF(t.JONGAM, 10, 4);
      return leaderLine(kShape, "Spectral bandwidth parameter") + fmtF(t.WAVWID, 10, 4);
    case kSigmaA: return leaderLine(kSigmaA, "JONSWAP \"Sigma a\" Shape Parameter") + fmtF(t.JONPL, 10, 4);
    case kSigmaB: return leaderLine(kSigmaB, "JONSWAP \"Sigma b\" Shape Parameter") + fmtF(t.JONPG, 10, 4);
    case kAlpha: return " 11) Compute JONSWAP \"Alpha\" parameter";
    case kSpreading:
      return spreading() ? " 20) Use azimuthal spreading of irregular wave energy"
                         : " 20) Use long-crested irregular wave model";
    case kSpreadingIndex: return leaderLine(kSpreadingIndex, "Wave spreading index") + fmtF(t.COSEXP, 8, 2);
    case kSector: return leaderLine(kSector, "Sector size containing wave energy") + fmtF(t.ANGSEC, 8, 2) + " deg";
    case kWedges:
      return leaderLine(kWedges, "Number of angular wedges (Max " + fmtI(t.MAXANG, 2) + ")") + fmtI(t.NA, 2);
  }
  return std::string();
}

void drawParameters() {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.EDUNIT;
  writeRecord(u, "");
  writeRecord(u, fmtX(25) + " -- Wave parameters --");
  writeRecord(u, "");
  if (ochiHubble()) {
    const std::int32_t n = componentsShown();
    writeRecord(u, itemLine(kComponents));
    writeRecord(u, itemLine(kHeight));
    writeRecord(u, valueRow(" ", t.SWHT, n, 2));
    writeRecord(u, itemLine(kPeriod));
    writeRecord(u, valueRow(" ", t.SIGPD, n, 2));
    writeRecord(u, itemLine(kShape));
    writeRecord(u, valueRow("    ", t.RTPCM0, n, 5));
    return;
  }
  writeRecord(u, itemLine(kHeight));
  if (!peakPeriodFromHeight(t.WAVTYP)) writeRecord(u, itemLine(kPeriod));
  if (hasBandwidth(t.WAVTYP)) {
    writeRecord(u, "");
    writeRecord(u, itemLine(kShape));
  }
  if (hasJonswapShape(t.WAVTYP)) {
    writeRecord(u, "");
    for (Item item : {kShape, kSigmaA, kSigmaB}) writeRecord(u, itemLine(item));
    if (offersAlpha(windSea())) writeRecord(u, itemLine(kAlpha));
  }
}

void drawPage(std::string_view label) {
  Tpcm& t = TPCM;
  const std::int32_t u = t.EDUNIT;
  if (ochiHubble()) t.MAXSHT = kOchiMaxComponents;
  writeRecord(u, " ****  Page " + std::string(label) + ": Irregular wave " + "specifications  ****");
  LINES(u, 2);
  writeRecord(u, itemLine(kSimulate));
  if (t.LRANDM == 0) return;
  writeRecord(u, "");
  writeRecord(u, itemLine(kSpectrumType));
  writeRecord(u, itemLine(kHeading));
  if (!userDefinedSpectrum(t.WAVTYP)) drawParameters();
  writeRecord(u, "");
  writeRecord(u, itemLine(kSpreading));
  if (!spreading()) return;
  for (Item item : {kSpreadingIndex, kSector, kWedges}) writeRecord(u, itemLine(item));
}

void echoThenEnter(Item item, float& value) {
  writeRecord(TPCM.EDUNIT, itemLine(item));
  ENTERF(value, TPCM.EDUNIT, kKeyboardUnit);
}

// A table of the Ochi-Hubble components; its rows are a copy of the count, so that inserting or
// deleting a row leaves the count as it is.
template <std::size_t N>
void componentTable(std::string_view title, Arr<float, N>& values) {
  Tpcm& t = TPCM;
  const std::int32_t rows = std::clamp<std::int32_t>(t.N_OCHI_COMP, 0, static_cast<std::int32_t>(N));
  const std::int32_t fill = std::clamp<std::int32_t>(t.MAXSHT, 0, static_cast<std::int32_t>(N));
  AUTORP(title, values, rows, fill, t.EDUNIT, kKeyboardUnit, t.LCOPY);
}

// With spreading on, the wedges of the sector are an even number, at least 2, within MAXANG.
void keepWedgesValid() {
  Tpcm& t = TPCM;
  t.NA = t.NA / 2 + t.NA / 2;
  MAXCHK(t.NA, t.MAXANG);
  t.NA -= t.NA % 2;
  if (t.NA < 2) t.NA = 2;
}

bool irregularSeaOn() { return TPCM.LRANDM != 0; }
bool jonswapItemsOffered() { return irregularSeaOn() && hasJonswapShape(TPCM.WAVTYP); }
bool spreadingItemsOffered() { return irregularSeaOn() && spreading(); }

// One call of the page: the two values last typed for the alpha calculator.
struct IrregularPage {
  float typedForAlpha[2] = {0.0f, 0.0f};
};

// ---- help --------------------------------------------------------------------------------------

const std::string kRandomTitle = fmtX(19) + "****  Random Wave Definition Notes  ****";

const std::vector<std::string> kAngleNote = {
    " Angles are measured in a right-handed earth-fixed system with z upwards:",
    " zero along +x, increasing counter-clockwise (90 degrees along +y). A",
    " heading is the direction TOWARD which the waves travel: 180-degree waves",
    " progress toward -x. At vessel heading zero the global axes coincide with",
    " the vessel axes."};

std::vector<HelpNote> itemNotes(std::int32_t SIMTYP, std::int32_t swellFlag, std::int32_t type) {
  std::vector<HelpNote> notes = {
      {{2},
       "2",
       {" Seven categories of built-in spectra:",
        "   one parameter:     Pierson-Moskowitz (significant height only);",
        "   two parameters:    Bretschneider and the fixed JONSWAP spectra",
        "                      (significant height and peak period);",
        "   three parameters:  the Kestrin swell spectrum;",
        "   five parameters:   the general JONSWAP spectrum;",
        "   multi-parameter:   Ochi-Hubble;",
        "   six parameters:    TMA shallow water;",
        " and custom spectra with a value at each period of the regular wave period",
        " array."}},
  };
  if (swellFlag == 1 && SIMTYP < kSimGandru) {
    notes.push_back({{3},
                     "3",
                     {" The swell heading is either one fixed global value, or a relative angle",
                      " that is added to each irregular-wave heading."}});
  }
  notes.push_back({{4}, "4", kAngleNote});
  if (hasComponents(type)) {
    notes.push_back({{5, 6, 7, 8},
                     "5, 6, 7, 8",
                     {" Each Ochi-Hubble component needs a significant height, a peak period and",
                      " a lambda (shape) value; at most 4 components."}});
  }
  if (hasBandwidth(type)) {
    notes.push_back({{8},
                     "8",
                     {" The band of width 2 x (width parameter) x (peak frequency), centred at",
                      " the peak, holds 68% of the energy. A typical value for ocean swell is",
                      " 1/10."}});
  }
  if (hasJonswapShape(type)) {
    notes.push_back({{8, 9, 10},
                     "8, 9, 10",
                     {" \"Sigma a\" applies below and \"Sigma b\" above the peak frequency. With",
                      " \"Gamma\", the significant height and the peak period they define the",
                      " five-parameter JONSWAP spectrum."}});
    notes.push_back({{11},
                     "11",
                     {" The significant height replaces \"Alpha\" as the free parameter of the",
                      " spectrum. This item computes \"Alpha\" for a significant height and a",
                      " peak period."}});
  }
  if (swellFlag == 0) {
    notes.push_back({{20}, "20", {" The long-crested model represents the waves of a wave basin."}});
    notes.push_back({{21},
                     "21",
                     {" The directional spectrum is",
                      "   Sd(w,A) = S(w) x K x [cos(pi A/Ac)]^p  for -Ac/2 < A < Ac/2, 0 beyond,",
                      " with S the direction-independent spectrum, K a normalising constant and",
                      " A = 0 the direction of maximum seas."}});
    notes.push_back({{22},
                     "22",
                     {" The sector Ac in degrees: positive and not otherwise restricted. 180 is",
                      " usual; above 360 the energy comes from all directions."}});
    notes.push_back({{23},
                     "23",
                     {" The sector is divided into this number of wedges for the integration",
                      " over angles. The number must be even, which the page enforces."}});
  }
  return notes;
}

const std::vector<HelpNote> kTypeNotes = {
    {{1},
     "1",
     {" The Kestrin swell spectrum is a Gaussian function of frequency with its",
      " maximum at the peak period: peak, significant and mean periods coincide."}},
    {{2}, "2", {" The Pierson-Moskowitz spectrum needs the significant height only."}},
    {{3, 4, 5, 6},
     "3, 4, 5, 6",
     {" The JONSWAP family:           Gamma   Sigma a   Sigma b",
      "   Mean JONSWAP                 3.3      .07       .09",
      "   Sharp JONSWAP                4.2      .05       .07",
      "   Squat JONSWAP                7.0      .68       .123",
      "   General JONSWAP             user-specified"}},
    {{7}, "7", {" The Bretschneider spectrum needs the significant height and the peak period."}},
    {{8},
     "8",
     {" \"WAVSPEC.txt\" file: the first line holds the number of (frequency,",
      " spectral value) pairs, at most 1000; then one pair per line, separated by",
      " any standard separator (comma or tab). Frequencies are circular, in",
      " radians per second; values in ft^2*sec/radian (English units) or",
      " m^2*sec/radian (metric). The frequency span must cover the frequencies of",
      " the end periods of the regular-wave period array but need not match it.",
      " The pairs run monotonically, ascending or descending, and the file ends",
      " with at least one empty line. The area under the spectrum over",
      " (0, infinity) is the variance of the surface elevation: values given per",
      " hertz are divided by 2 pi."}},
    {{9},
     "9",
     {" The legacy custom spectrum holds a value at each regular wave period,",
      " entered in the editor, in one array shared by the swell and the",
      " irregular-wave pages."}},
    {{10},
     "10",
     {" Ochi-Hubble: each sub-spectrum has a significant height, a peak period",
      " and a lambda (3N parameters), at most 4 sub-spectra; for the irregular",
      " sea only, not for swell."}},
    {{11},
     "11",
     {" TMA shallow water: the parameters of the general JONSWAP spectrum and the",
      " water depth given elsewhere in the editor."}},
};

}  // namespace

// ---- what the swell page shares ----------------------------------------------------------------

bool offersAlpha(const WaveSystem& sea) {
  return hasJonswapShape(sea.type) && sea.gamma > 0.0f && sea.sigmaA > 0.0f && sea.sigmaB > 0.0f;
}

std::string shortWaveTypeName(std::int32_t type) {
  Text<30> name;
  WAVPRT(name, type);
  return std::string(name.view().substr(0, kShortNameLength));
}

float pageGravity() { return TPCM.NUNTS == kMetricUnits ? 9.8f : 32.152f; }

void chooseWaveType(std::string_view title, bool swell, std::int32_t& type, Arr<float, kMaxPeriods>& densities,
                    std::int32_t periods) {
  runSubPage(
      [title] {
        const std::int32_t u = TPCM.EDUNIT;
        writeRecord(u, title);
        writeRecord(u, "");
        for (const WaveSpectrumRow& row : kWaveSpectra)
          writeRecord(u, fmtI(row.code + 1, 3) + ") " + shortWaveTypeName(row.code));
      },
      [](std::int32_t item) { RANHP2(TPCM.EDUNIT, kKeyboardUnit, item); },
      [&type, swell, &densities, periods](std::int32_t& reply) {
        const std::int32_t u = TPCM.EDUNIT;
        if (reply > kWaveSpectrumCount) return PageStep::kRedraw;
        if (reply <= 0) return PageStep::kLeave;
        MAXCHK(reply, kWaveSpectrumCount);
        if (swell && !swellSpectrum(reply - 1)) {
          const std::string_view name = waveSpectrum(reply - 1)->name;
          writeRecord(u, " ++> The" + std::string(name) + " spectrum cannot be used for swell seas.");
          PRSRET(u, kKeyboardUnit);
          return PageStep::kRedraw;
        }
        type = reply - 1;
        if (type == kSpectrumUserOrdinates) legacyDensityTable(densities, periods);
        return PageStep::kLeave;
      });
}

void legacyDensityTable(Arr<float, kMaxPeriods>& densities, std::int32_t periods) {
  Tpcm& t = TPCM;
  AUTORP(" Specify spectral densities at regular wave periods",
         densities,
         std::clamp<std::int32_t>(periods, 0, kMaxPeriods),
         kMaxPeriods,
         t.EDUNIT,
         kKeyboardUnit,
         t.LCOPY);
}

PageStep listLegacyDensities(std::int32_t type) {
  Tpcm& t = TPCM;
  if (type == kSpectrumUserOrdinates) {
    TWOPG(t.LCOPY, t.EDUNIT);
    legacyDensityTable(t.USRPSD, t.NWP);
  }
  return PageStep::kLeave;
}

void enterNonNegative(const std::string& itemLine, float& value) {
  do {
    writeRecord(TPCM.EDUNIT, itemLine);
    ENTERF(value, TPCM.EDUNIT, kKeyboardUnit);
  } while (value < 0.0f);
}

void jonswapAlphaCalculator(const WaveSystem& sea, float gravity, float (&typed)[2]) {
  const std::int32_t u = TPCM.EDUNIT;
  WRTLIN("Enter [Sig. Height, Peak Period]: ", u);
  float unused = 0.0f;
  std::int32_t blank = 0;
  CRREAL(typed[0], typed[1], unused, blank, kKeyboardUnit);
  if (blank != 0 || !(typed[0] > 0.0f) || !(typed[1] > 0.0f)) return;
  float integral = 0.0f;
  JONSVAL(sea.sigmaA, sea.sigmaB, sea.gamma, integral, u);
  const float wp = kTwoPi / typed[1];
  const float quarterHeight = 0.25f * typed[0];
  const float alpha = quarterHeight * quarterHeight * (wp * wp * wp * wp) / integral / (gravity * gravity);
  writeRecord(u, "");
  writeRecord(u, " ++> The JONSWAP \"Alpha\" Parameter is:" + fmtF(alpha, 8, 4));
  PRSRET(u, kKeyboardUnit);
}

void RANHP1(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t SIMTYP, std::int32_t swellFlag,
            std::int32_t spectrumType) {
  showHelpNotes(IOSCRN, KBD, LINE, kRandomTitle, itemNotes(SIMTYP, swellFlag, spectrumType));
}

void RANHP2(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpNotes(IOSCRN, KBD, LINE, kRandomTitle, kTypeNotes);
}

void MORRAN(std::string_view label) {
  Tpcm& t = TPCM;
  const float gravity = pageGravity();
  if (t.N_OCHI_COMP <= 0) t.N_OCHI_COMP = kDefaultOchiComponents;
  t.NSEAHG = 1;
  t.NSEAHT = 1;
  IrregularPage state;

  const PageItem items[] = {
      {kSimulate, [] { TOGGLE2(TPCM.LRANDM, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
      {kSpectrumType,
       [] { chooseWaveType(" -- Irregular wave types --", false, TPCM.WAVTYP, TPCM.USRPSD, TPCM.NWP); },
       irregularSeaOn},
      {kHeading,
       [] {
         Tpcm& s = TPCM;
         if (!ochiHubble()) return echoThenEnter(kHeading, s.SEAHDG(1));
         AUTORP("--- Irregular wave headings ---",
                s.SEAHDG,
                std::clamp<std::int32_t>(s.NSEAHG, 0, 40),
                std::clamp<std::int32_t>(s.MAXSHG, 0, 40),
                s.EDUNIT,
                kKeyboardUnit,
                s.LCOPY);
       },
       irregularSeaOn},
      {kComponents,
       [] {
         Tpcm& s = TPCM;
         writeRecord(s.EDUNIT, itemLine(kComponents));
         ENTERI(s.N_OCHI_COMP, s.EDUNIT, kKeyboardUnit);
         MAXCHK(s.N_OCHI_COMP, s.MAXSHT);
         if (s.N_OCHI_COMP == 0) s.N_OCHI_COMP = 1;
       },
       [] { return irregularSeaOn() && ochiHubble(); }},
      {kHeight,
       [] {
         if (ochiHubble()) return componentTable("--- Irregular wave significant heights ---", TPCM.SWHT);
         echoThenEnter(kHeight, TPCM.SWHT(1));
       },
       irregularSeaOn},
      // Accepted for Pierson-Moskowitz too, although its peak period is not shown.
      {kPeriod,
       [] {
         if (ochiHubble()) return componentTable(" --- Irregular wave spectrum peak periods ---", TPCM.SIGPD);
         echoThenEnter(kPeriod, TPCM.SIGPD(1));
       },
       irregularSeaOn},
      {kShape,
       [] {
         Tpcm& s = TPCM;
         if (ochiHubble()) return componentTable("--- Component Lambda Values ---", s.RTPCM0);
         // The bandwidth is accepted for every type without a JONSWAP shape, though shown for type 0 only.
         enterNonNegative(itemLine(kShape), hasJonswapShape(s.WAVTYP) ? s.JONGAM : s.WAVWID);
       },
       irregularSeaOn},
      {kSigmaA, [] { enterNonNegative(itemLine(kSigmaA), TPCM.JONPL); }, jonswapItemsOffered},
      {kSigmaB, [] { enterNonNegative(itemLine(kSigmaB), TPCM.JONPG); }, jonswapItemsOffered},
      {kAlpha,
       [&state, gravity] { jonswapAlphaCalculator(windSea(), gravity, state.typedForAlpha); },
       [] { return irregularSeaOn() && offersAlpha(windSea()); }},
      {kSpreading,
       [] {
         TOGGLE3(TPCM.LSPRED, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Spread Seas", "Long-Crested");
         if (spreading()) keepWedgesValid();
       },
       irregularSeaOn},
      {kSpreadingIndex, [] { echoThenEnter(kSpreadingIndex, TPCM.COSEXP); }, spreadingItemsOffered},
      {kSector, [] { echoThenEnter(kSector, TPCM.ANGSEC); }, spreadingItemsOffered},
      {kWedges,
       [] {
         writeRecord(TPCM.EDUNIT, itemLine(kWedges));
         ENTERI(TPCM.NA, TPCM.EDUNIT, kKeyboardUnit);
         keepWedgesValid();
       },
       spreadingItemsOffered},
  };

  PageLoop page;
  page.draw = [label] { drawPage(label); };
  page.items = items;
  page.help = [](std::int32_t item) { RANHP1(TPCM.EDUNIT, kKeyboardUnit, item, TPCM.SIMTYP, 0, TPCM.WAVTYP); };
  page.listed = [] { return listLegacyDensities(TPCM.WAVTYP); };
  runPage(page);
}

}  // namespace qv

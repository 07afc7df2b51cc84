// Page 16, "Background swell characteristics": the swell switched on or off, its spectrum type
// (any but Ochi-Hubble), its heading (global, or relative to each irregular-wave heading), its
// significant height and peak period, and the shape parameters its type needs. Also the two-swell
// form of the page, with a first and a second, smaller swell, which the sequencer does not call.
#include <string>

#include "dataset/spectrum_captions.h"
#include "dataset/tpcm.h"
#include "editor/env_page_parts.h"
#include "editor/env_pages.h"
#include "editor/page_loop.h"
#include "editor/salm_text.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"
#include "waves/wave_spectrum.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kSimulate = 1,
  kSpectrumType = 2,
  kLock = 3,  // only with irregular waves, for the vessel-response types
  kHeading = 4,
  kHeight = 6,
  kPeriod = 7,
  kShape = 8,   // bandwidth or JONSWAP gamma
  kSigmaA = 9,  // JONSWAP types only
  kSigmaB = 10,
  kAlpha = 11,
};

constexpr std::int32_t kSecondSwellOffset = 20;  // the second swell's block: items 22 to 31
constexpr std::int32_t kLockItem = 41;           // the heading lock of the two-swell page
constexpr std::string_view kTypeListTitle = " -- Irregular swell types --";

std::string swellTypeName(std::int32_t type) {
  if (type == kSpectrumDefaultSwell) return "Kestrin default swell";
  Text<30> name;
  WAVPRT(name, type);
  return name.str();
}

std::string yesNo(std::int32_t flag) {
  Text<3> word;
  YESNO(word, flag);
  return word.str();
}

std::string header(std::string_view label) {
  return " ****  Page " + std::string(label) + ": Background swell characteristics  ***";
}

// The heading lock is offered for the vessel-response types when the irregular sea is on.
bool lockOffered(std::int32_t SIMTYP, std::int32_t LRANDM) { return SIMTYP < kSimGandru && LRANDM == 1; }

std::string lengthOf(std::int32_t NUNTS) {
  Text<16> label;
  UNITP(label, unitCode(7, NUNTS));
  return label.str();
}

// ---- page 16 -------------------------------------------------------------------------------------

SwellWords pageSwell() {
  Tpcm& t = TPCM;
  return {t.LSWELL, t.SWLTYP, t.SWELHT, t.SWELPD, t.SWLHDG, t.SWLWID, t.JONPL_SWL, t.JONPG_SWL, t.JONGAM_SWL};
}

WaveSystem shapeOf(const SwellWords& s) { return {s.type, s.width, s.gamma, s.sigmaA, s.sigmaB}; }

bool swellOn() { return TPCM.LSWELL != 0; }
bool jonswapSwell() { return swellOn() && hasJonswapShape(TPCM.SWLTYP); }

std::string itemLine(Item item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kSimulate: return "  1) Simulate swell? ...........................       " + fmtA(yesNo(t.LSWELL), 5);
    case kSpectrumType: return "  2) Swell type: " + swellTypeName(t.SWLTYP);
    case kLock: return "  3) Lock swell heading to irregular waves? " + yesNo(t.LSWLOK);
    case kHeading:
      return (t.LSWLOK == 0 ? " 4) Global swell heading ......................... "
                            : " 4) Relative swell heading ....................... ") +
             fmtF(t.SWLHDG, 11, 2) + " degrees";
    case kHeight: return " 6) Swell significant height ..................... " + fmtF(t.SWELHT, 11, 2) + lengthLabel();
    case kPeriod: return " 7) Swell peak period ............................ " + fmtF(t.SWELPD, 11, 2) + " seconds";
    case kShape:
      if (hasJonswapShape(t.SWLTYP))
        return "  8) JONSWAP \"Gamma\" Parameter .................... " + fmtF(t.JONGAM_SWL, 13, 4);
      return " 8) Swell spectral bandwidth parameter ........... " + fmtF(t.SWLWID, 11, 2);
    case kSigmaA: return "  9) JONSWAP \"Sigma a\" Shape Parameter ............ " + fmtF(t.JONPL_SWL, 13, 4);
    case kSigmaB: return " 10) JONSWAP \"Sigma b\" Shape Parameter ............ " + fmtF(t.JONPG_SWL, 13, 4);
    case kAlpha: return " 11) Compute JONSWAP \"Alpha\" parameter";
  }
  return std::string();
}

void drawPage(std::string_view label) {
  Tpcm& t = TPCM;
  const std::int32_t u = t.EDUNIT;
  writeRecord(u, header(label));
  writeRecord(u, "");
  writeRecord(u, itemLine(kSimulate));
  if (t.LSWELL == 0) return;
  writeRecord(u, "");
  writeRecord(u, itemLine(kSpectrumType));
  if (lockOffered(t.SIMTYP, t.LRANDM)) {
    writeRecord(u, itemLine(kLock));
    writeRecord(u, "");
  } else {
    t.LSWLOK = 0;
  }
  writeRecord(u, itemLine(kHeading));
  if (userDefinedSpectrum(t.SWLTYP)) return;
  writeRecord(u, "");
  writeRecord(u, fmtX(25) + " -- Swell parameters --");
  writeRecord(u, "");
  writeRecord(u, itemLine(kHeight));
  writeRecord(u, itemLine(kPeriod));
  if (hasBandwidth(t.SWLTYP)) writeRecord(u, itemLine(kShape));
  if (hasJonswapShape(t.SWLTYP)) {
    writeRecord(u, "");
    for (Item item : {kShape, kSigmaA, kSigmaB}) writeRecord(u, itemLine(item));
    if (offersAlpha(shapeOf(pageSwell()))) writeRecord(u, itemLine(kAlpha));
  }
}

void echoThenEnter(Item item, float& value) {
  writeRecord(TPCM.EDUNIT, itemLine(item));
  ENTERF(value, TPCM.EDUNIT, kKeyboardUnit);
}

// ---- the two-swell form ------------------------------------------------------------------------

// One line of a swell block: the item number (offset + k) and its text.
std::string blockLine(std::int32_t offset, std::int32_t k, const SwellWords& s, std::int32_t lock, std::int32_t NUNTS) {
  const std::string number = fmtI(offset + k, 2);
  switch (k) {
    case kSpectrumType: return number + ") Swell type: " + swellTypeName(s.type);
    case kHeading:
      return number +
             (lock == 0 ? ") Global swell heading ...................... "
                        : ") Relative swell heading .................... ") +
             fmtF(s.heading, 11, 2) + " degrees";
    case kHeight:
      return number + ") Swell significant height .................. " + fmtF(s.height, 11, 2) + lengthOf(NUNTS);
    case kPeriod: return number + ") Swell peak period ......................... " + fmtF(s.period, 11, 2) + " seconds";
    case kShape:
      if (hasJonswapShape(s.type))
        return number + ") JONSWAP \"Gamma\" Parameter ................. " + fmtF(s.gamma, 13, 4);
      return number + ") Swell spectral bandwidth parameter ........ " + fmtF(s.width, 11, 2);
    case kSigmaA: return number + ") JONSWAP \"Sigma a\" Shape Parameter ......... " + fmtF(s.sigmaA, 13, 4);
    case kSigmaB: return number + ") JONSWAP \"Sigma b\" Shape Parameter ......... " + fmtF(s.sigmaB, 13, 4);
    case kAlpha: return number + ") Compute JONSWAP \"Alpha\" parameter";
    default: return std::string();
  }
}

void drawBlock(std::int32_t offset, Arr<float, kMaxPeriods>& USRPSD, std::int32_t NWP, const SwellWords& s,
               std::int32_t lock, std::int32_t NUNTS, std::int32_t& LCOPY, std::int32_t u) {
  writeRecord(u, blockLine(offset, kSpectrumType, s, lock, NUNTS));
  writeRecord(u, blockLine(offset, kHeading, s, lock, NUNTS));
  if (s.type == kSpectrumUserOrdinates && LCOPY != 0) {
    TWOPG(LCOPY, u);
    legacyDensityTable(USRPSD, NWP);
  }
  if (userDefinedSpectrum(s.type)) return;
  writeRecord(u, blockLine(offset, kHeight, s, lock, NUNTS));
  if (!peakPeriodFromHeight(s.type)) writeRecord(u, blockLine(offset, kPeriod, s, lock, NUNTS));
  if (hasBandwidth(s.type)) writeRecord(u, blockLine(offset, kShape, s, lock, NUNTS));
  if (!hasJonswapShape(s.type)) return;
  for (Item item : {kShape, kSigmaA, kSigmaB}) writeRecord(u, blockLine(offset, item, s, lock, NUNTS));
  if (offersAlpha(shapeOf(s))) writeRecord(u, blockLine(offset, kAlpha, s, lock, NUNTS));
}

}  // namespace

void SWEL_BLOK(std::int32_t offset, std::int32_t mode, std::int32_t selection, std::int32_t /*SIMTYP*/,
               Arr<float, kMaxPeriods>& USRPSD, std::int32_t& NWP, const SwellWords& swell, std::int32_t& lock,
               std::int32_t NUNTS, std::int32_t& LCOPY, std::int32_t EDUNIT, std::int32_t KBD, std::int32_t IBATCH) {
  if (mode == 0) return drawBlock(offset, USRPSD, NWP, swell, lock, NUNTS, LCOPY, EDUNIT);
  const std::int32_t k = selection - offset;
  const auto enter = [&](std::int32_t item, float& value, bool nonNegative) {
    const std::string line = blockLine(offset, item, swell, lock, NUNTS);
    if (nonNegative) return enterNonNegative(line, value);
    writeRecord(EDUNIT, line);
    ENTERF(value, EDUNIT, KBD);
  };
  const bool jonswap = hasJonswapShape(swell.type);
  switch (k) {
    case kSimulate: return TOGGLE2(swell.flag, IBATCH, EDUNIT, KBD);
    case kSpectrumType: return chooseWaveType(kTypeListTitle, true, swell.type, USRPSD, NWP);
    case kHeading: return enter(kHeading, swell.heading, false);
    case kHeight: return enter(kHeight, swell.height, false);
    case kPeriod:
      if (!peakPeriodFromHeight(swell.type)) enter(kPeriod, swell.period, false);
      return;
    case kShape:
      if (jonswap) return enter(kShape, swell.gamma, true);
      if (hasBandwidth(swell.type)) enter(kShape, swell.width, true);
      return;
    case kSigmaA:
      if (jonswap) enter(kSigmaA, swell.sigmaA, true);
      return;
    case kSigmaB:
      if (jonswap) enter(kSigmaB, swell.sigmaB, true);
      return;
    case kAlpha: {
      float typed[2] = {0.0f, 0.0f};
      if (offersAlpha(shapeOf(swell)))
        jonswapAlphaCalculator(shapeOf(swell), NUNTS == kMetricUnits ? 9.8f : 32.152f, typed);
      return;
    }
    default: return;
  }
}

std::int32_t SWELL2(std::string_view page, std::int32_t SIMTYP, const SwellWords& first, std::int32_t& lock,
                    const SwellWords& second, Arr<float, kMaxPeriods>& USRPSD, std::int32_t& NWP, std::int32_t NUNTS,
                    std::int32_t LRANDM, float& WAVHDG) {
  Tpcm& t = TPCM;
  if (first.flag == 1 && LRANDM == 0) WAVHDG = first.heading;
  const auto block = [&](std::int32_t offset, std::int32_t mode, std::int32_t selection) {
    const SwellWords& s = offset == 0 ? first : second;
    SWEL_BLOK(offset, mode, selection, SIMTYP, USRPSD, NWP, s, lock, NUNTS, t.LCOPY, t.EDUNIT, kKeyboardUnit, t.IBATCH);
  };
  PageLoop loop;
  loop.draw = [&] {
    const std::int32_t u = t.EDUNIT;
    writeRecord(u, header(page));
    writeRecord(u, "");
    writeRecord(u, "  1) Simulate swell? ..........................." + fmtA(yesNo(first.flag), 5));
    if (first.flag != 0) block(0, 0, 0);
    if (first.flag == 0) second.flag = 0;  // no second swell without a first
    writeRecord(u, " 21) ++> Simulate SECOND, *smaller* swell? ....." + fmtA(yesNo(second.flag), 5));
    if (second.flag != 0) block(kSecondSwellOffset, 0, 0);
    if (lockOffered(SIMTYP, LRANDM) && first.flag == 1) {
      writeRecord(u, " 41) Lock swell heading to irregular waves?            " + yesNo(lock));
    } else {
      lock = 0;
    }
  };
  loop.help = [SIMTYP, &first](std::int32_t item) { RANHP1(TPCM.EDUNIT, kKeyboardUnit, item, SIMTYP, 1, first.type); };
  loop.other = [&](std::int32_t reply) {
    if (reply <= 0) return PageStep::kLeave;
    if (reply == kLockItem)
      TOGGLE2(lock, t.IBATCH, t.EDUNIT, kKeyboardUnit);
    else if (reply <= kSecondSwellOffset)
      block(0, 1, reply);
    else if (reply < kLockItem)
      block(kSecondSwellOffset, 1, reply);
    return PageStep::kRedraw;
  };
  if (runPage(loop) == PageEnd::kListed) return 0;
  return t.LBACK;
}

void SWELL(std::string_view label) {
  Tpcm& t = TPCM;
  const float gravity = pageGravity();
  float typedForAlpha[2] = {0.0f, 0.0f};
  if (t.LSWELL == 1 && t.LRANDM == 0) t.WAVHDG(1) = t.SWLHDG;

  const PageItem items[] = {
      {kSimulate, [] { TOGGLE2(TPCM.LSWELL, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }},
      {kSpectrumType, [] { chooseWaveType(kTypeListTitle, true, TPCM.SWLTYP, TPCM.USRPSD, TPCM.NWP); }, swellOn},
      {kLock, [] { TOGGLE2(TPCM.LSWLOK, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }, swellOn},
      {kHeading, [] { echoThenEnter(kHeading, TPCM.SWLHDG); }, swellOn},
      {kHeight, [] { echoThenEnter(kHeight, TPCM.SWELHT); }, swellOn},
      {kPeriod, [] { echoThenEnter(kPeriod, TPCM.SWELPD); }, swellOn},
      // The bandwidth is accepted for every type without a JONSWAP shape, though shown for type 0 only.
      {kShape, [] { enterNonNegative(itemLine(kShape), jonswapSwell() ? TPCM.JONGAM_SWL : TPCM.SWLWID); }, swellOn},
      {kSigmaA, [] { enterNonNegative(itemLine(kSigmaA), TPCM.JONPL_SWL); }, jonswapSwell},
      {kSigmaB, [] { enterNonNegative(itemLine(kSigmaB), TPCM.JONPG_SWL); }, jonswapSwell},
      {kAlpha,
       [&typedForAlpha, gravity] { jonswapAlphaCalculator(shapeOf(pageSwell()), gravity, typedForAlpha); },
       [] { return swellOn() && offersAlpha(shapeOf(pageSwell())); }},
  };

  PageLoop page;
  page.draw = [label] { drawPage(label); };
  page.items = items;
  page.help = [](std::int32_t item) { RANHP1(TPCM.EDUNIT, kKeyboardUnit, item, TPCM.SIMTYP, 1, TPCM.SWLTYP); };
  page.listed = [] { return listLegacyDensities(TPCM.SWLTYP); };
  runPage(page);
}

}  // namespace qv

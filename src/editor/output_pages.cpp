// Pages 17 and 18, "Output options 1" and "Output options 2": what the SALM analysis computes and
// reports, the model flags kept from version 5 data sets, the storm duration of the peak statistics,
// the sigma multiple of the statistics, plot and debug output and where the reports go.
//
// The yes/no items toggle whether they are shown or not: hiding an item only says that the analysis
// will not look at it with the data set as it stands.
#include <string>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "editor/page_loop.h"
#include "editor/pages.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// The yes/no word of a flag: in 3 characters, and in the 5-character field of the main items.
std::string yesNo(std::int32_t flag) {
  Text<3> word;
  YESNO(word, flag);
  return word.str();
}
std::string yesNoField(std::int32_t flag) { return yesNo(flag) + "  "; }

void toggle(std::int32_t& flag) { TOGGLE2(flag, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit); }

// ---- page 17 ------------------------------------------------------------------------------------

enum Option1 : std::int32_t {
  kStaticOutput = 1,
  kLoadTable = 2,
  kOffsetLoads = 3,
  kLowFrequencyOutput = 4,
  kWaveFrequencyDynamics = 5,
  kPositionRaos = 6,
  kAngleRaos = 7,
  kNetLoadRaos = 8,
  kLoadAxes = 12,
  kLegacyDriftInteraction = 33,
  kLegacyPeaks = 34,
  kNoWaveAbsorption = 35,
  kGaussianPeaks = 37,
  kStormDuration = 51,
};
constexpr std::int32_t kLastOption1 = kStormDuration;

std::int32_t& flagOf(Option1 item) {
  Tpcm& t = TPCM;
  switch (item) {
    case kStaticOutput: return t.STAMOT;
    case kLoadTable: return t.LTABL;
    case kOffsetLoads: return t.LOFFST;
    case kLowFrequencyOutput: return t.LOWMOT;
    case kWaveFrequencyDynamics: return t.LDYN;
    case kPositionRaos: return t.LPOSN;
    case kAngleRaos: return t.LANGLE;
    case kNetLoadRaos: return t.LODNET;
    case kLoadAxes: return t.OUTCRD;
    case kLegacyDriftInteraction: return t.LEGDFC;
    case kLegacyPeaks: return t.LEGPKF;
    case kNoWaveAbsorption: return t.LEGDRG;
    case kGaussianPeaks: return t.FORCE_GAUSS;
    case kStormDuration: break;
  }
  return t.STAMOT;  // not reached: the storm duration is no flag
}

std::string option1Line(Option1 item) {
  const Tpcm& t = TPCM;
  switch (item) {
    case kStaticOutput: return "  1) Output static offset and Salm mass data ................... " + yesNoField(t.STAMOT);
    case kLoadTable: return "  2) Output static load interpolation table .................... " + yesNoField(t.LTABL);
    case kOffsetLoads: return "  3) Output static loads at prescribed offsets ................. " + yesNoField(t.LOFFST);
    case kLowFrequencyOutput:
      return "  4) Output low-frequency motions/loads data ................... " + yesNoField(t.LOWMOT);
    case kWaveFrequencyDynamics:
      return "  5) Simulate wave-frequency dynamics .......................... " + yesNoField(t.LDYN);
    case kPositionRaos: return "  6) Output position RAOs at free joints ....................... " + yesNoField(t.LPOSN);
    case kAngleRaos: return "  7) Output Angle RAOs for articulated members ................. " + yesNoField(t.LANGLE);
    case kNetLoadRaos: return "  8) Output net load variation RAOs at free joints ............. " + yesNoField(t.LODNET);
    case kLoadAxes:
      return std::string(" 12) Use ") + (t.OUTCRD != 0 ? "<<Member-fixed>>" : "<< Salm-Plane >>") +
             " Coordinates for load decomposition";
    case kLegacyDriftInteraction:
      return "33) Use \"Legacy\" current-wave drift force interaction model ... " + yesNo(t.LEGDFC);
    case kLegacyPeaks: return "34) Use \"Legacy\" peak low-frequency motion and loads model .... " + yesNo(t.LEGPKF);
    case kNoWaveAbsorption: return "35) Exclude wave absorption damping and excitation ............ " + yesNo(t.LEGDRG);
    case kGaussianPeaks: return "37) Force Gaussian peak factors for low-frequency motions ..... " + yesNo(t.FORCE_GAUSS);
    case kStormDuration:
      return "51) Storm duration (hours) for peak motion/load statistics....." + fmtF(t.DURATN, 6, 2);
  }
  return std::string();
}

bool wavesOn() { return TPCM.LRANDM == 1 || TPCM.LSWELL == 1; }

void drawOptions1(std::string_view label) {
  const Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  const auto line = [unit](Option1 item) { writeRecord(unit, option1Line(item)); };
  writeRecord(unit, fmtX(18) + " ****  Page " + std::string(label) + ": Output options 1 ****");
  writeRecord(unit, "");
  writeRecord(unit, "");
  line(kStaticOutput);
  if (t.STAMOT != 0) {
    line(kLoadTable);
    line(kOffsetLoads);
  }
  // Without the static output both are offered; with it, a free SALM has no low-frequency motions
  // and a data set without low-frequency dynamics none of either.
  const bool lowFrequency = t.STAMOT == 0 || (t.FRESLM == 0 && t.LQUAS != 0);
  const bool waveFrequency = t.STAMOT == 0 || t.FRESLM != 0 || t.LQUAS != 0;
  if (lowFrequency) {
    line(kLowFrequencyOutput);
    writeRecord(unit, "");
  }
  if (waveFrequency) {
    line(kWaveFrequencyDynamics);
    writeRecord(unit, "");
    if (t.LDYN != 0) {
      for (Option1 item : {kPositionRaos, kAngleRaos, kNetLoadRaos}) line(item);
    }
  }
  line(kLoadAxes);
  writeRecord(unit, "");
  writeRecord(unit, "++> Begin Version 5.x Flags");
  writeRecord(unit, "");
  if (t.LCURNT == 1 && wavesOn()) line(kLegacyDriftInteraction);
  if (wavesOn()) {
    line(kLegacyPeaks);
    line(kNoWaveAbsorption);
  }
  line(kGaussianPeaks);
  writeRecord(unit, "");
  writeRecord(unit, "++> End Version 5.x Flags");
  writeRecord(unit, "");
  writeRecord(unit, "");
  line(kStormDuration);
}

PageItem flagItem(Option1 item) {
  return {item, [item] { toggle(flagOf(item)); }};
}

const PageItem kOptions1[] = {
    flagItem(kStaticOutput),
    flagItem(kLoadTable),
    flagItem(kOffsetLoads),
    flagItem(kLowFrequencyOutput),
    flagItem(kWaveFrequencyDynamics),
    flagItem(kPositionRaos),
    flagItem(kAngleRaos),
    flagItem(kNetLoadRaos),
    {kLoadAxes,
     [] { TOGGLE3(TPCM.OUTCRD, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "Member-fixed", "Salm-plane"); }},
    // The interaction of current and wave drift needs a current.
    {kLegacyDriftInteraction, [] { toggle(TPCM.LEGDFC); }, [] { return TPCM.LCURNT == 1; }},
    flagItem(kLegacyPeaks),
    flagItem(kNoWaveAbsorption),
    flagItem(kGaussianPeaks),
    {kStormDuration,
     [] {
       writeRecord(TPCM.EDUNIT, option1Line(kStormDuration));
       ENTERF(TPCM.DURATN, TPCM.EDUNIT, kKeyboardUnit);
     }},
};

// A blank reply, a navigation code or a number beyond the last item leaves the page.
PageStep leaveBeyond(std::int32_t reply, std::int32_t lastItem) {
  return reply <= 0 || reply > lastItem ? PageStep::kLeave : PageStep::kRedraw;
}

// ---- page 18 ------------------------------------------------------------------------------------

enum Option2 : std::int32_t {
  kSigma = 1,
  kSimplifiedDrag = 2,
  kPrincipalRaos = 3,
  kSpreadSeaRaos = 4,
  kSpectraForRaos = 5,
  kVesselSummary = 7,
  kUserVesselRaos = 9,
  kPlotFile = 11,
  kDebug = 12,
  kDevice = 13,
};
constexpr std::int32_t kLastOption2 = kDevice;

// The summary switch NEGSUM is 0 when the summary is written: the page shows and asks the other way.
std::int32_t summaryWritten() { return TPCM.NEGSUM == 0 ? 1 : 0; }

std::string deviceLine() {
  const Tpcm& t = TPCM;
  if (t.IUNIT == t.EDUNIT) return " 13) Output goes to Console";
  if (t.IUNIT != kReportsToFiles) return std::string();
  if (t.IDRIVE == 0) return " 13) Output goes to Disk, on logged drive";
  if (t.IDRIVE > 0) return " 13) Output goes to Disk, on drive " + std::string(1, static_cast<char>(t.IDRIVE));
  return std::string();
}

void drawOptions2(std::string_view label) {
  const Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  writeRecord(unit, fmtX(18) + " ****  Page " + std::string(label) + ": Output options 2 ****");
  writeRecord(unit, "");
  if (t.LQUAS != 0 || t.FRESLM != 0) {
    writeRecord(unit, std::string("  1) Use ") + (t.ONETWO != 0 ? "<<one>>" : "<<two>>") +
                          " standard deviation (sigma) statistical output values");
    if (t.LDYN != 0) {
      writeRecord(unit, "  2) Utilize simplified member drag model ....................... " + yesNoField(t.SMPDRG));
      writeRecord(unit, "  3) Output RAOs for principal wave directions .................. " + yesNoField(t.PRNRAO));
      if (t.LSPRED != 0 && t.PRNRAO != 0 && t.FRESLM == 0)
        writeRecord(unit, "  4) Output RAOs at all intermediate angles (spread sea case) ... " + yesNoField(t.ALLRAO));
      if (t.PRNRAO != 0)
        writeRecord(unit, "  5) Substitute spectral densities for RAO output ............... " + yesNoField(t.SPECFG));
      if (t.FRESLM == 0) {
        writeRecord(unit,
                    "  7) Output vessel motions summary .............................. " + yesNoField(summaryWritten()));
        writeRecord(unit, "  9) User-supplied vessel wave-frequency RAO data ............... " + yesNoField(t.AUXVSH));
        writeRecord(unit, "");
      }
    }
  }
  writeRecord(unit, " 11) Create plotter file ........................................ " + yesNoField(t.IPLOTS));
  writeRecord(unit, "");
  writeRecord(unit, t.NBUG0 != 0 ? " 12) Debug option is on" : " 12) Debug option is off");
  if (t.LCOPY == 0) {
    const std::string device = deviceLine();
    if (!device.empty()) writeRecord(unit, device);
  }
}

// Where the reports go: 1 the console (the page's own unit), 2 the report files. Any other reply
// goes back to the page with the choice as it was.
void deviceSubPage() {
  std::int32_t reply = 0;
  std::int32_t number = 0;
  PageLoop device;
  device.draw = [] {
    const std::int32_t unit = TPCM.EDUNIT;
    LINES(unit, 3);
    writeRecord(unit, " 1) Console");
    writeRecord(unit, " 2) Disc");
    LINES(unit, 2);
  };
  device.reply = &reply;
  device.number = &number;
  device.other = [](std::int32_t choice) {
    if (choice == 1) TPCM.IUNIT = TPCM.EDUNIT;
    if (choice == 2) TPCM.IUNIT = kReportsToFiles;
    return PageStep::kLeave;
  };
  runPage(device);
}

const PageItem kOptions2[] = {
    {kSigma, [] { TOGGLE3(TPCM.ONETWO, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "One", "Two"); }},
    {kSimplifiedDrag, [] { toggle(TPCM.SMPDRG); }},
    {kPrincipalRaos, [] { toggle(TPCM.PRNRAO); }},
    {kSpreadSeaRaos, [] { toggle(TPCM.ALLRAO); }},
    {kSpectraForRaos, [] { toggle(TPCM.SPECFG); }},
    {kVesselSummary,
     [] {
       std::int32_t written = summaryWritten();
       toggle(written);
       TPCM.NEGSUM = written == 0 ? 1 : 0;
     }},
    {kUserVesselRaos, [] { toggle(TPCM.AUXVSH); }},
    {kPlotFile, [] { toggle(TPCM.IPLOTS); }},
    {kDebug, [] { TOGGLE3(TPCM.NBUG0, TPCM.IBATCH, TPCM.EDUNIT, kKeyboardUnit, "On", "Off"); }},
    {kDevice, deviceSubPage},
};

}  // namespace

void SLMOUT(std::string_view label) {
  PageLoop page;
  page.draw = [label] { drawOptions1(label); };
  page.items = kOptions1;
  page.other = [](std::int32_t reply) { return leaveBeyond(reply, kLastOption1); };
  runPage(page);
}

void SLMOT2(std::string_view label) {
  PageLoop page;
  page.draw = [label] { drawOptions2(label); };
  page.items = kOptions2;
  page.other = [](std::int32_t reply) { return leaveBeyond(reply, kLastOption2); };
  runPage(page);
}

}  // namespace qv

#include "vessel/vesl1.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/value_ranges.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/quadrature.h"
#include "numlib/special_functions.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"
#include "util/title.h"
#include "vessel/headings.h"
#include "vessel/statistics.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"
#include "waves/wave_spectrum.h"

namespace qv {

constinit Vesl1State VESL1_STATE{};
const BlockReset resetVesl1State{[] { VESL1_STATE.reset(); }};

namespace {

constexpr std::string_view kRoutine = "VESL1";
// The largest part by which the spreading fan's Simpson sum may miss the integral of the cosine
// power before pass 1 warns that the wedges do not resolve the spreading.
constexpr double kSpreadingResolution = 0.02;

// ---- Identity ----

struct HullRow {
  std::string_view programName, report;
  float version;
  std::string_view title;
};

constexpr HullRow kShipRow = {"Brantox ", "SHIPSUM.stxt", 6.8f, " Displacement-Hull Offshore Vessels"};
constexpr HullRow kJackUpRow = {"Velnira ", "JACKSUM.stxt", 1.0f, " Jack-Up Vessels Afloat"};
constexpr HullRow kSemiRow = {"Dorvane ", "SEMISUM.stxt", 6.8f, " Semi-Submersible Offshore Vessels"};
constexpr HullRow kDiscRow = {"Tulkesh ", "DISCSUM.stxt", 6.8f, " Disc-Shaped Buoys and Vessels"};

// The row of the hull family a vessel type calls on; a type outside the table takes the ship's.
const HullRow& hullRow(std::int32_t vestyp) {
  const VesselTypeRow* type = vesselType(vestyp);
  switch (type != nullptr ? type->family : HullFamily::kShip) {
    case HullFamily::kJackUp:
      return kJackUpRow;
    case HullFamily::kColumnStabilised:
      return kSemiRow;
    case HullFamily::kDisc:
      return kDiscRow;
    case HullFamily::kShip:
      break;
  }
  return kShipRow;
}

// The overrides of the configuration: the service and the vessel of the progress line, and the
// report name where it is not the hull's. Any other configuration keeps the hull's report; with
// CREATR 16 it is a simulated vessel.
constexpr std::int32_t kAnyCreator = 0;
struct ConfigurationRow {
  std::int32_t ispm, creatr;
  std::string_view serviceName, report, vesselWord;
};
constexpr ConfigurationRow kConfigurationRows[] = {
    {1, kAnyCreator, "Quorvel", "TANKSUM.stxt", "tanker"},
    {2, 13, "Firnedo", "BUOYSUM.stxt", "CALM buoy"},
    {2, 10, "Gandru ", "TUGSUM.stxt", "tugboat"},
    {3, 13, "Firnedo", "TANKSUM.stxt", "moored vessel"},
    {3, 10, "Gandru ", "BARGSUM.stxt", "barge"},
    {4, kAnyCreator, "Heskova", "", "moored vessel"},
    {5, kAnyCreator, "Zantul ", "", "moored vessel"},
    {6, kAnyCreator, "Yobrix ", "", "moored vessel"},
    {8, kAnyCreator, "Wistole", "", "caisson spar"},
};

// The configurations whose file names the program knows: the tug-and-barge (10) and buoy-and-tanker
// (13) data sets are two-body configurations (ISPM 2 or 3), and only they are.
void refuseUnnamedConfiguration() {
  const bool pairCreator = isTwoBodyType(TPCM.CREATR);
  const bool pairBody = TPCM.ISPM == 2 || TPCM.ISPM == 3;
  if (pairCreator == pairBody) return;
  fatalStop(kRoutine, TPCM.EDUNIT,
            {"", " ++> Vessel response: no file names for CREATR =" + fmtI(TPCM.CREATR, 3) + " with ISPM =" +
                     fmtI(TPCM.ISPM, 3) + ";",
             "     CREATR 10 and 13 need ISPM 2 or 3, and ISPM 2 and 3 need CREATR 10 or 13."});
}

// The grid and the sea-state counts index fixed arrays: refuse a data set that would reach past them.
void refuseOversizedData() {
  const Tpcm& d = TPCM;
  std::string problem;
  if (d.NWP < 2 || d.NWP > kMaxWavePeriods) {
    problem = "the wave grid needs 2 to 100 periods (NWP =" + fmtI(d.NWP, 4) + ")";
  } else if (d.NDIR < 0 || d.NDIR > static_cast<std::int32_t>(d.WAVHDG.size())) {
    problem = "at most 12 regular-wave headings (NDIR =" + fmtI(d.NDIR, 4) + ")";
  } else if (d.LRANDM != 0 && (d.NSEAHT > kMaxHeights || d.NSEAHG > kMaxSeaHeadings)) {
    problem = "at most 6 sea-state heights and 37 sea headings (NSEAHT =" + fmtI(d.NSEAHT, 4) +
              ", NSEAHG =" + fmtI(d.NSEAHG, 4) + ")";
  } else if (d.LRANDM != 0 && d.LSPRED != 0 && d.ANGSEC <= 0.0f) {
    problem = "the spreading sector ANGSEC must be positive (ANGSEC =" + fmtF(d.ANGSEC, 9, 2) + ")";
  }
  if (problem.empty()) return;
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ", "Vessel response: " + problem + ".");
  fatalStop(kRoutine, d.EDUNIT, lines);
}

// ---- Storm and design wave ----

// The representative period, the storm factor, the design wave and the Gaussian factor. The wind
// sea stands for its first sea state: in a fresh process no sea state has been evaluated yet.
void stormAndDesignWave() {
  const Tpcm& d = TPCM;
  Wavcom& wc = WAVCOM;
  if (!isMooringProgram(d.CREATR)) {
    wc.DURFAC = 1.3141f;
  } else {
    const bool randomSea = d.LRANDM != 0;
    const bool swell = d.LSWELL != 0;
    const bool sea = randomSea || swell;
    // The wave systems that act, each with its period [s] and height [ft | m]: a mix of them stands
    // for the period of each weighted by its energy, the square of its height, so that the swells
    // count alike whichever is called first.
    struct System {
      float period, height;
    };
    System systems[3];
    int count = 0;
    if (swell) systems[count++] = {d.SWELPD, d.SWELHT};
    if (secondSwellOn()) systems[count++] = {d.SWELPD2, d.SWELHT2};
    if (randomSea) systems[count++] = {d.SIGPD(1), d.SWHT(1)};
    if (count == 0) {
      wc.TAVG = std::sqrt(wc.G / d.DRAFT);
    } else if (count == 1) {
      wc.TAVG = systems[0].period;
    } else {
      float weighted = 0.0f;
      float energy = 0.0f;
      for (int k = 0; k < count; ++k) {
        const float squared = systems[k].height * systems[k].height;
        weighted += systems[k].period * squared;
        energy += squared;
      }
      wc.TAVG = weighted / energy;
    }
    // A period that is not positive cannot count waves: take the storm of 1000 as without a duration.
    const float waves = (d.DURATN > 0.0f && wc.TAVG > 0.0f) ? d.DURATN * 3600.0f / wc.TAVG : 1000.0f;
    // A storm of less than one wave has no extreme above the mean.
    wc.DURFAC = 0.5f * std::sqrt(std::max(std::log(waves), 0.0f));
    if (d.LSLPHT == 0) {
      wc.XTRMWV = sea ? wc.DURFAC * d.SLPHT : 0.5f * d.SLPHT;
    } else {
      HIMEM.RSLOPE = sea ? 2.0f * wc.DURFAC * d.SLPHT / kDegreesPerRadian : d.SLPHT / kDegreesPerRadian;
      // The height of a wave of that slope and period: slope / k. Without a positive period the
      // wave number is unbounded, and the height goes to its limit 0.
      wc.XTRMWV = 0.0f;
      if (wc.TAVG > 0.0f) {
        float y = 0.0f;
        WAVVEC(HIMEM.WCONST * kTwoPi / wc.TAVG, y);
        wc.XTRMWV = HIMEM.RSLOPE * d.DEPTH / y;
      }
    }
  }
  wc.GAUSFK = 2.828f * wc.DURFAC;
}

// ---- Wave grid ----

void fillGrid() {
  const Tpcm& d = TPCM;
  const Wavcom& wc = WAVCOM;
  Himem& h = HIMEM;
  h.EPS = 1.0e-5f;
  if (d.hideHobraneReports == 0) writeRecord(d.EDUNIT, " --> Computing shallow water wave lengths...");
  fillWaveGrid();  // the hull models read the grid there too (the disc model its wave numbers)
  // The work area's own columns of the grid, which the hull models and the statistics index.
  for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
    INDXUP();
    h.RLDUM(h.LW) = wc.W(h.IW);
    h.RLDUM(h.LW2) = wc.W2(h.IW);
    h.RLDUM(h.LWK) = wc.WVK(h.IW);
  }
}

// ---- Report ----

// The title page, on the console paused and drawn again while the reply asks to go back, then the
// hull model's pages I and II.
void writeSummaryReport(const VesselIdentity& id) {
  Tpcm& d = TPCM;
  const bool console = d.IUNIT != kReportsToFiles;
  do {
    PAGE(d.IUNIT, d.EDUNIT, 1, 99);
    TITLPG(d.CREATR, id.title, static_cast<std::int32_t>(id.title.size()), id.programName,
           static_cast<std::int32_t>(id.programName.size()), id.version, d.CID1P.view(), d.CID2P.view(), d.IUNIT);
    d.LBACK = 0;
    if (console) PRSRET(d.EDUNIT, kKeyboardUnit, d.LBACK);
  } while (d.LBACK <= -1);
  hullSUM();
  hullOUT();
}

// On the first pass of the process: a natural period of heave, pitch or roll beyond the period grid
// makes the hull model's responses near resonance unreliable (not checked for a column-stabilised
// hull, whose heave, pitch and roll periods commonly lie beyond the wave periods).
void warnNaturalPeriodsOffGrid() {
  if (VESL1_STATE.FRQWN == 0) return;
  VESL1_STATE.FRQWN = 0;
  const Himem& h = HIMEM;
  bool outside = false;
  for (const float w : {h.WP, h.WH, h.WR}) {
    int range = 0;
    int index = 0;
    BSRCH(&h.RLDUM(h.LCNW), w, range, index, TPCM.NWP);
    outside = outside || range != 0;
  }
  if (TPCM.SEMI_LIKE != 0 || !outside) return;
  writeRecord(TPCM.EDUNIT, " ++> Warning: A natural period of heave, pitch or roll lies outside the");
  writeRecord(TPCM.EDUNIT, "              assigned period array. Serious computational errors may result.");
  PRSRET(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
}

}  // namespace

VesselIdentity vesselIdentity() {
  const HullRow& row = hullRow(TPCM.VESTYP);
  VesselIdentity id{row.programName, row.report, row.version, row.title, "Quorvel", "vessel"};
  for (const ConfigurationRow& c : kConfigurationRows) {
    if (c.ispm != TPCM.ISPM || (c.creatr != kAnyCreator && c.creatr != TPCM.CREATR)) continue;
    id.serviceName = c.serviceName;
    id.vesselWord = c.vesselWord;
    if (!c.report.empty()) id.report = c.report;
    return id;
  }
  if (TPCM.CREATR == kSimKrebona) {
    id.serviceName = "Krebona";
    id.vesselWord = "simulated vessel";
  }
  return id;
}

float COSPWR(float X, float COSEXP) {
  const float c = std::fabs(std::cos(X));
  return c <= 1.0e-10f ? 0.0f : std::pow(c, COSEXP);
}

Spreading spreadingNormalisation() {
  const Tpcm& d = TPCM;
  const float cosexp = runSpreadingIndex();
  if (d.ANGSEC <= 360.0f) return {d.ANGSEC, FACTRI(cosexp, d.EDUNIT, kKeyboardUnit)};

  // A sector wider than the circle: the cosine power over the part of the half circle it maps onto.
  const auto integrand = [cosexp](float x) { return COSPWR(x, cosexp); };
  const float upper = 565.4867f / d.ANGSEC;
  // The data of the integral, for a stop.
  const std::vector<std::string> spreadingLines =
      flowingLines("     ", "The wave spreading index " + messageValue(d.COSEXP) + " (page 15, item 21) over the sector of " +
                                 messageValue(d.ANGSEC) + " degrees (page 15, item 22).");
  // A stop of the integral: its first line, then the data of the integral.
  const auto stopIntegral = [&](const std::string& first) {
    std::vector<std::string> lines{first};
    lines.insert(lines.end(), spreadingLines.begin(), spreadingLines.end());
    fatalStop(kRoutine, d.EDUNIT, lines);
  };
  float eps = 1.0e-4f;
  int halvings = 10;
  int integrations = 0;
  float aux[80];
  for (;;) {
    float integral = 0.0f;
    int IER = 0;
    QATR(0.0f, upper, eps, halvings, integrand, integral, IER, aux);
    const float fact = 2.0f * integral;
    ++integrations;
    if (IER == kQuadRoundoff) {
      if (std::fabs(fact) <= 10.0f * eps) {
        stopIntegral(" ++> FATAL error: unfixable roundoff error in VESL1");
      }
      eps = 10.0f * eps;
    } else if (IER == kQuadNoConvergence) {
      if (halvings > 40) stopIntegral("++> FATAL error: NDIM > NDMSUP in VESL1");
      halvings *= 2;
    } else if (0.01f * fact < eps) {
      eps = 0.008f * fact;  // the tolerance must be small beside the integral
    } else {
      return {360.0f, fact};
    }
    if (integrations >= 100) {
      writeRecord(d.EDUNIT, " ++> Possible COSEXP integration failure in VESL1");
      std::int32_t answer = 0;
      ABORT0(d.EDUNIT, kKeyboardUnit, answer);
      if (answer < 0 || d.EDUNIT == kDiagnosticsUnit) silentStop(kRoutine);
      integrations = 0;
    }
  }
}

void setSpreading() {
  Tpcm& d = TPCM;
  Wavcom& wc = WAVCOM;
  if (d.NA == 0) d.NA = 6;
  wc.NA2 = d.NA / 2;
  const Spreading spreading = spreadingNormalisation();
  wc.DA = spreading.sector / (static_cast<float>(d.NA) * kDegreesPerRadian);
  wc.DADEG = spreading.sector / static_cast<float>(d.NA);
  // The weights are sums over the fan's directions, so they are normalised by the sum they form: with
  // the integral of the cosine power instead, a fan too coarse for the exponent gave weights summing
  // to well above 1 (2 for 6 wedges and an index of 50), a spread sea more than the long-crested one.
  double sum = 0.0;
  for (int dir = 1; dir <= d.NA + 1; ++dir) sum += spreadingTerm(dir);
  wc.ANGNRM = sum > 0.0 ? static_cast<float>(1.0 / sum) : 0.0f;
  // How well the fan's Simpson sum integrates the cosine power: 1 on a grid that resolves it.
  const double resolution = (180.0 / d.ANGSEC) * wc.DA / (3.0 * spreading.FACT) * sum;
  if (d.LRANDM != 0 && d.LSPRED != 0 && std::fabs(resolution - 1.0) > kSpreadingResolution &&
      !VESL1_STATE.spreadingWarned) {
    VESL1_STATE.spreadingWarned = true;
    writeRecord(d.EDUNIT, "");
    std::vector<std::string> lines = flowingLines(
        " ++> Warning: ", fmtI(d.NA, 0) + " angular wedges are too few for the wave spreading index " +
                              fmtF(d.COSEXP, 0, 2) + ": summed over the wedges, the spreading function misses its "
                              "integral by " + fmtF(100.0 * std::fabs(resolution - 1.0), 0, 1) + " percent.");
    addFlowingLines(lines, "     ", "Their weights are scaled to sum to 1; more wedges (page 15) resolve the spreading.");
    for (const std::string& line : lines) writeRecord(d.EDUNIT, line);
  }
}

void VESL1() {
  Tpcm& d = TPCM;
  Wavcom& wc = WAVCOM;
  Himem& h = HIMEM;

  // 1. Identity, and the data the pass cannot take.
  refuseUnnamedConfiguration();
  refuseOversizedData();
  const VesselIdentity id = vesselIdentity();

  // 2. The report file.
  const bool reportFile = d.IUNIT == kReportsToFiles && d.NEGSUM == 0;
  if (reportFile) RHOPEN(id.report, kFormatted, kFresh, d.IDRIVE, d.IUNIT, kRoutine, d.EDUNIT, d.CMPUTR);

  // 3. Debug level.
  if (d.NBUG0 == 1) {
    writeRecord(d.EDUNIT, " ### In VESL1:");
    // The level is 0 (no listing) or 1 (the heading list); a letter or any other number is asked again.
    d.NBUG = 0;
    enterBounded("Input NBUG: ", d.NBUG, 0, 1, d.EDUNIT, kKeyboardUnit);
  } else {
    d.NBUG = 0;
  }

  // 4. Screen.
  if (d.ISPM == 0 && d.CREATR != kSimKrebona) {
    CLEAR(d.EDUNIT);
  } else if (d.hideHobraneReports == 0) {
    writeRecord(d.EDUNIT, " --> In " + std::string(id.serviceName) + " service for motions of " +
                              std::string(id.vesselWord));
  }

  // 5. Gravity and the site constants.
  wc.G = d.NUNTS == kEnglishUnits ? 32.152f : 9.8f;
  h.WCONST = std::sqrt(d.DEPTH / wc.G);
  wc.RHOWTR = 0.001f * d.DWATR / wc.G;

  // 6, 7. Storm values and the sea-state counts.
  stormAndDesignWave();
  if (userDefinedSpectrum(d.WAVTYP)) d.NSEAHT = 1;
  if (d.LRANDM == 0) {
    d.NSEAHT = 0;
    d.NSEAHG = 0;
  }
  d.NUM_SWEL = d.LSWELL + d.LSWEL2;

  // 8 to 11. The work-area layout and the spreading words.
  layOutHimem();
  wc.LWVCMP = 0;
  wc.NSPEC = d.WAVTYP;
  wc.LEXP = 1;
  setSpreading();
  h.NPASS = 0;
  h.LRAO.fill(0);

  // 12. The response headings.
  if (d.LSPRED == 0) wc.LEXP = 0;
  LOADN();

  // 13, 14. The grid and the default swell.
  fillGrid();
  if (d.SWLTYP == kSpectrumDefaultSwell) {
    wc.NSWEL = swellGridIndex();
    wc.DELSWL = d.SWLWID;
  }

  // 15. The hull model: characteristics and the reference exciting forces.
  if (d.hideHobraneReports == 0) writeRecord(d.EDUNIT, " --> Computing vessel resonance characteristics...");
  wc.SHPLNQ = d.LWL;
  wc.BEAMQ = d.BWL;
  wc.DRAFTQ = d.DRAFT;
  hullCHR();
  std::int32_t flag = 0;
  hullFRC(flag);

  // 16, 17. The summary report and the natural-period check.
  if (d.NEGSUM != 1) writeSummaryReport(id);
  warnNaturalPeriodsOffGrid();

  // 18. The heading of the largest waves, and the pitch frequency for the drift models.
  wc.BIGWVS = (d.LSWELL == 1 && d.SWELHT > d.SWHT(1)) ? static_cast<float>(wc.ISWELL) : 1.0f;
  d.WPITCH = h.WP;

  // 19.
  if (reportFile) HCLOSE(d.IUNIT, id.report, kRoutine, d.EDUNIT);
}

}  // namespace qv

#include "slowdrift/slomor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/hull_ends.h"
#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "hull/pascom.h"
#include "hull/ship/ship_fits.h"
#include "lowfreq/current_profile.h"
#include "lowfreq/drag.h"
#include "lowfreq/drift_force.h"
#include "lowfreq/flow_spectra.h"
#include "lowfreq/force_coefficients.h"
#include "lowfreq/net_loads.h"
#include "lowfreq/sines.h"
#include "lowfreq/wave_current.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/load_offset_table.h"
#include "numlib/roots.h"
#include "numlib/special_functions.h"
#include "numlib/storm_peak.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "slowdrift/ergcom.h"
#include "slowdrift/mode_dissipation.h"
#include "slowdrift/moment_sources.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "util/sim_types.h"
#include "vessel/relraoup.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

namespace qv {

constinit LowFrequencyDensities lowFrequencyDensities{};
const BlockReset resetLowFrequencyDensities{[] { lowFrequencyDensities.reset(); }};
const BlockBytes lowFrequencyDensitiesBytes{"lowFrequencyDensities", bytesOf(lowFrequencyDensities)};

namespace {

constexpr int kDefaultIntervals = 11;
// The scan in intervals of a degree at the finest: each interval costs a root search over the loads,
// and equilibria closer than a degree are one heading for the analysis.
constexpr int kMostIntervals = 360;
constexpr float kScanTurn = 6.2832856f;   // a full turn and 0.0001 rad, so that the last interval closes it
constexpr float kScanLast = 5.7831855f;   // 2 pi - 0.5: the scan runs from -0.5 while its upper end is below
constexpr float kSlopeStep = 0.01f;       // half step of the centred stability difference [rad]
// The heading search's tolerance [rad], absolute. Near an equilibrium with the loads in line, the
// direction of the net force (the SALM's heading) turns about ten times as fast as the vessel, so the
// vessel's heading is held well below the reports' hundredth of a degree.
constexpr float kHeadingTolerance = 1.0e-6f;
constexpr float kAttackSineLimit = 0.05f; // below it (head or stern flow) the yaw terms of a source are not formed
constexpr float kSquareLawLimit = 1.0e-10f;

// Stops the stage after its message, a blank line first and the pause after.
[[noreturn]] void stopStage(std::span<const std::string> lines) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "");
  for (std::string_view line : lines) writeRecord(unit, line);
  PRSRET(unit, kKeyboardUnit, TPCM.LBACK);
  silentStop("SLOMOR");
}
[[noreturn]] void stopStage(std::initializer_list<std::string_view> lines) {
  const std::vector<std::string> message(lines.begin(), lines.end());
  stopStage(message);
}

// A speed in knots in the length unit per second.
float speedOf(float knots) { return knots * (TPCM.NUNTS != kEnglishUnits ? 0.5142f : 1.687f); }

// sqrt of a squared frequency; 0 when there is no restoring stiffness (or only a rounding residue).
float naturalFrequency(float squared) { return squared > 0.0f ? std::sqrt(squared) : 0.0f; }

// ---- the set-up: grid, spectra, hull, auxiliary forces ----

int scanIntervals() {
  Tpcm& t = TPCM;
  int NPHI = kDefaultIntervals;
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In SLOMOR:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
    if (t.NBUG != 0 && t.EDUNIT != kDiagnosticsUnit) {
      std::int32_t reply = 0;
      enterBounded("Input NPHI (0 keeps 11): ", reply, 0, kMostIntervals, t.EDUNIT, kKeyboardUnit);
      if (reply > 0) NPHI = reply;
    }
  } else {
    t.NBUG = 0;
  }
  return NPHI;
}

// The run's sea state in WAVCOM: the grid and the spectra of the sea and the swells, whose periods
// must lie on the grid.
RunSeaState buildSpectra() {
  Tpcm& t = TPCM;
  WAVCOM.RHOWTR = 0.001f * t.DWATR / WAVCOM.G;
  t.LBACK = 0;
  std::vector<std::string> offTheGrid = swellOffTheGrid(1);
  if (!offTheGrid.empty()) {
    offTheGrid.insert(offTheGrid.begin(), " ++> SWELL OUTSIDE WAVE PERIOD RANGE");
    stopStage(offTheGrid);
  }
  return buildSeaState();
}

void vesselGeometry() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  Equilb& q = EQUILB;
  Wavcom& w = WAVCOM;
  q.YAWARM = t.XSALM;
  if (t.IARCO == kYoke && t.NELEM != 0) {
    // The top member's horizontal reach at the first table point, on the side of the mooring point.
    const float side = t.XSALM >= 0.0f ? 1.0f : -1.0f;
    q.YAWARM = t.XSALM + s.CNLEN(s.NCON) * std::sin(s.PHIANG(1, s.NCON)) * side;
  }
  const float DWATRP = 0.001f * t.DWATR;
  q.WSCALE = std::sqrt(w.G / t.LWL);
  SINES.HOVERD = t.DEPTH / t.DRAFT;
  w.BEAMCF = DWATRP * t.LWL;
  w.BOWCF = DWATRP * t.BWL;
  endAngle(t.BOWFAC, q.SINBOW, q.BOWANG, q.COTBOW);
  endAngle(t.STRNFC, q.SINSTN, q.STRNAN, q.COTSTN);
  q.BLRAT0 = t.BWL / t.LWL;
  q.LEFRAT = 1.0f - q.BLRAT0 * q.COTBOW;
  q.LEFRT2 = 1.0f - 0.5f * q.BLRAT0 * (q.COTBOW + q.COTSTN);
  q.BOWARM = 0.5f * (1.0f - 0.5f * q.BLRAT0 * q.COTBOW);
  q.STRNRM = 0.5f * (1.0f - 0.5f * q.BLRAT0 * q.COTSTN);
  q.MOMCOF = 0.5f * q.BLRAT0 * ((1.0f - 0.5f * q.BLRAT0 * q.COTBOW) * q.COTBOW - 0.5f * q.BLRAT0);
  q.WAVARM = NIBVAL(t.LWVCOF, 3, t.EDUNIT) == kDriftTanker2001 ? (q.STRNRM - q.BOWARM) * t.LWL + q.YAWARM : q.YAWARM;
}

void auxiliaryForces() {
  const Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  const auto set = [](std::int32_t on, float X, float Y, float& direction, float& magnitude) {
    if (on != 1) {
      direction = 0.0f;
      magnitude = 0.0f;
      return;
    }
    magnitude = std::sqrt(X * X + Y * Y);
    if (magnitude != 0.0f) direction = std::atan2(Y, X);  // a zero force keeps the direction it had
  };
  set(t.AUXFRC, t.XVFRC, t.YVFRC, q.PHIFEX, q.FEXTRN);
  set(t.AXFC2, t.XVFRC2, t.YVFRC2, q.PHIFX2, q.FXTRN2);
  set(t.AXFC3, t.XVFRC3, t.YVFRC3, q.PHIFX3, q.FXTRN3);
}

// The wind family between the small tankers (below 80 thousand long tons deadweight) and the
// OCIMF tankers (from 140).
void tankerSize() {
  Tpcm& t = TPCM;
  const float X = (t.NUNTS == kEnglishUnits ? 0.00044642901f : 0.000984207f) * t.DWTONS;
  t.SIZE = X >= 140.0f ? 1.0f : X <= 80.0f ? 0.0f : (X - 80.0f) / 60.0f;
}

void addedMassFactors() {
  const Tpcm& t = TPCM;
  Pascom& p = PASCOM;
  if (t.VESTYP == kShipVessel || t.VESTYP == kDiscBuoy) {
    const float a = 2.0f * t.DRAFT / t.LWL;
    const float b = t.BWL / t.LWL;
    const float c = 2.0f * t.DRAFT / t.BWL;
    p.CMSRG = 1.0f + SGSWMS(a, b, 1, t.EDUNIT);
    p.CMSWY = 1.0f + SGSWMS(c, 1.0f / b, 1, t.EDUNIT);
    p.CMYAW = t.VESTYP == kDiscBuoy ? 1.0f : 1.0f + SGSWMS(1.0f / c, 1.0f / a, 2, t.EDUNIT);
  } else if (t.SEMI_LIKE == 0) {
    p.CMSRG = 1.0f;
    p.CMSWY = 1.0f;
  }  // a column-stabilised hull keeps the factors of its hull model
}

// ---- the heading scan ----

// The net load F at the vessel heading PSI lies beyond the statics' table, whose last load is page 2's
// maximum load (or, for a column without elements, the auxiliary table's last load).
void warnLoadBeyondTable(float F, float PSI) {
  Tpcm& t = TPCM;
  // A buoyant riser that this load brings into line is refused here, once: a larger table cannot help.
  if (attachedBuoyantRiser(t.FRESLM, t.IARCO)) {
    const std::string load = "the net horizontal load at the vessel heading " +
                             degreesText(ANGSYM(PSI) * kDegreesPerRadian);
    if (const auto finding = riserPeakLoadFinding(F, load))
      fatalStop("SLOMOR", t.EDUNIT, finding->lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  const float last = EQUILB.HLOAD(t.NUMTAB);
  const std::string where = t.NELEM == 0 ? "the last load of the auxiliary static offset table (page 3, item 11)"
                                         : "the maximum horizontal load on Salm (page 2, item 2)";
  const std::string beyond = "At the vessel heading " + degreesText(ANGSYM(PSI) * kDegreesPerRadian) +
                             " the net horizontal load is " + forceText(F) +
                             ", beyond the load-offset table's last load of " + forceText(last);
  const std::string raise =
      "Raise " + where + ", now " + forceText(t.NELEM == 0 ? t.AUXFOR(t.NUMTAB) : t.TLOAD) + ", above the loads of the run.";
  std::vector<std::string> lines{"", " ++> WARNING; a static load exceeds the maximum table value"};
  // An unattended run cannot be asked whether to go on with the offset extrapolated: it stops, and
  // its message says so, with what to change.
  if (t.EDUNIT == kDiagnosticsUnit) {
    addFlowingLines(lines, "     ", beyond + ".");
    addFlowingLines(lines, "     ",
                    "The run stops: an unattended run does not extrapolate its offset from the table's last "
                    "interval. " + raise);
    unansweredStop("SLOMOR", t.EDUNIT, lines);
  }
  addFlowingLines(lines, "     ", beyond + ", from which its offset would be extrapolated. " + raise);
  for (const std::string& line : lines) writeRecord(t.EDUNIT, line);
  PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
  if (t.LBACK < 0) silentStop("SLOMOR");
}

// The lines that name the largest yaw moment at the starts of the scan's intervals, after `what`, with
// its vessel heading, and what feeds it.
std::vector<std::string> largestMomentLines(const std::string& what) {
  const float DPHI = SOLVE.DPHI;
  float L = -0.5f - DPHI;
  float U = -0.5f;
  float worst = 0.0f;
  float worstAt = L + DPHI;
  do {
    L += DPHI;
    U += DPHI;
    const float moment = TORQUE(L);
    if (!(std::fabs(moment) <= std::fabs(worst))) {
      worst = moment;
      worstAt = L;
    }
  } while (U <= kScanLast);
  const MomentSource source = largestMomentSource(worstAt);
  const std::string heading = degreesText(ANGSYM(worstAt) * kDegreesPerRadian);
  std::vector<std::string> lines = flowingLines(
      "     ", what + " " + messageValue(source.moment) + momentLabel() + " at the vessel heading " + heading + ".");
  lines.insert(lines.end(), source.lines.begin(), source.lines.end());
  return lines;
}

// Every root of the scan has an energy sum below the -1.0E30 from which the ranking starts: yaw
// moments of that size come from no sound load, and no root can be ranked the most stable.
[[noreturn]] void stopWithoutRankedEquilibrium() {
  const Equilb& q = EQUILB;
  float highest = q.ENERGY(1);
  for (int k = 2; k < q.IANGLE; ++k) highest = std::max(highest, q.ENERGY(k));
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "VANTREL: no equilibrium heading can be ranked as the most stable: at each of the " +
                      std::to_string(q.IANGLE - 1) + " found the yaw moment summed over the scan lies below -1.0E+30 "
                      "(at most " + messageValue(highest) + ").");
  const std::vector<std::string> largest = largestMomentLines("No sound load gives the largest yaw moment of the scan,");
  lines.insert(lines.end(), largest.begin(), largest.end());
  lines.push_back("     Correct them and run again.");
  fatalStop("SLOMOR", TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// No root over the whole turn: the moment keeps one sign.
[[noreturn]] void stopWithoutEquilibrium() {
  std::vector<std::string> lines{"", " ++> No equilibrium condition found.",
                                 "     Check data file for oversized external force/moment."};
  const std::vector<std::string> largest =
      largestMomentLines("The yaw moment keeps one sign over the turn; its largest is");
  lines.insert(lines.end(), largest.begin(), largest.end());
  fatalStop("SLOMOR", TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// What the damping of the most stable equilibrium takes from its root besides EQUILB: the direction
// of the net force, and each swell's own mean drift and relative direction (EQUILB holds the first
// swell's direction, and as the swell's force the sum of the two swells' drift, which the report
// lists as the one background swell).
struct StableRoot {
  float theta = 0.0f;         // direction of the net force in vessel axes [rad]
  ForcePair swellDrift[2]{};  // mean drift of the swell and of the second swell, vessel axes [kips | t]
  float swellAttack[2]{};     // their relative directions [rad]
};

// One root of the scan at EQUILB VESANG with the energy sum E; `stable` receives what the damping
// takes from it when the root is the best so far.
void recordEquilibrium(float E, StableRoot& stable) {
  const Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  const int k = q.IANGLE;
  // An energy that is no number cannot tell the stable root: loads beyond any physical size.
  if (!std::isfinite(E)) {
    const std::string line = " ++> VANTREL: the yaw moment integrates to an energy that is " + messageValue(E) + ";";
    stopStage({line, "     check the vessel's wind, current and wave-drift loads (pages 8 to 12)."});
  }
  if (E >= q.ERGMAX) {  // a tie goes to the later root
    q.ISTAB = k;
    q.ERGMAX = E;
  }
  if (E < q.ERGMIN) q.ERGMIN = E;
  q.ENERGY(k) = E;
  q.TANGLE(k) = ANGSYM(q.VESANG);
  q.LSTABL(k) = 1;
  const float slope = (TORQUE(q.VESANG + kSlopeStep) - TORQUE(q.VESANG - kSlopeStep)) * 50.0f;
  if (slope > 0.0f) q.LSTABL(k) = 0;

  NetForce f{};
  NETFOR(f, q.VESANG, 1);
  q.FTOT(k) = std::sqrt(f.net.X * f.net.X + f.net.Y * f.net.Y);
  if (q.FTOT(k) > q.HLOAD(t.NUMTAB)) warnLoadBeyondTable(q.FTOT(k), q.VESANG);
  q.SLMANG(k) = ANGSYM(f.direction + q.VESANG);
  if (k == q.ISTAB) {
    q.SXWND = f.wind.X;
    q.SYWND = f.wind.Y;
    q.SXWAV = f.drift[0].X;
    q.SYWAV = f.drift[0].Y;
    q.SXSWL = f.drift[1].X;
    q.SYSWL = f.drift[1].Y;
    if (secondSwellOn()) {
      q.SXSWL += f.drift[2].X;
      q.SYSWL += f.drift[2].Y;
    }
    q.SXCUR = f.current.X;
    q.SYCUR = f.current.Y;
    q.SWIND_ATTACK = relativeDirection(t.WNDHDG, q.VESANG);
    q.SWAVE_ATTACK = relativeDirection(t.SEAHDG(1), q.VESANG);
    q.SSWEL_ATTACK = relativeDirection(t.SWLHDG, q.VESANG);
    q.SCRNT_ATTACK = relativeDirection(t.CURHDG, q.VESANG);
    stable.theta = f.direction;
    stable.swellDrift[0] = f.drift[1];
    stable.swellDrift[1] = f.drift[2];
    stable.swellAttack[0] = q.SSWEL_ATTACK;
    stable.swellAttack[1] = relativeDirection(t.SWLHDG2, q.VESANG);
  }
  ++q.IANGLE;
}

// The roots of TORQUE over a full turn from -0.5 rad; returns what the damping takes from the most
// stable one.
StableRoot scanHeadings() {
  Equilb& q = EQUILB;
  const float DPHI = SOLVE.DPHI;
  float L = -0.5f - DPHI;
  float U = -0.5f;
  q.IANGLE = 1;
  q.ISTAB = 0;
  q.ERGMIN = 1.0e30f;
  q.ERGMAX = -1.0e30f;
  float E = 0.0f;
  StableRoot stable;
  COFLD();
  do {
    if (q.IANGLE > kMaxEquilibria) {
      std::vector<std::string> lines{" ++> Too many equilibrium angles found in VANTREL...",
                                     "     Contact Kestrin Systems for assistance."};
      addFlowingLines(lines, "     ",
                      "The yaw moment of the loads on the vessel changes sign more than " + fmtI(kMaxEquilibria, 0) +
                          " times in a turn of its heading: check the coefficients of its wind, current and "
                          "wave-drift models (page 8, and the tables of \"LOWDAT\" or the rows of \"DRFTCOFS.txt\" "
                          "they read) for values that alternate in sign.");
      stopStage(lines);
    }
    L += DPHI;
    U += DPHI;
    // The search runs over the angle from L, below 1 rad, where the root finder's tolerance is
    // absolute: an equilibrium at 4 rad is found as closely as one at 0, and turning the whole
    // environment turns it. The loads read the trial heading in EQUILB VESANG.
    const auto torqueFromL = [L](float& fromL) {
      EQUILB.VESANG = L + fromL;
      return TORQUE(EQUILB.VESANG);
    };
    float fromL = 0.0f;
    float F = 0.0f;
    int IER = 0;
    RTMI2(fromL, F, torqueFromL, 0.0f, U - L, kHeadingTolerance, 0.0f, 100, IER);
    q.VESANG = L + fromL;
    if (IER == kRootNotConverged) stopStage({" ++> ITERATION OVERFLOW IN VANTREL... CHECK DATA FILE AND RETRY"});
    E += TORQUE(L) * DPHI;  // the left-rectangle integral of the moment, advanced every interval
    if (IER == kRootFound) recordEquilibrium(E, stable);
  } while (U <= kScanLast);

  if (q.IANGLE == 1) stopWithoutEquilibrium();
  if (q.ISTAB == 0) stopWithoutRankedEquilibrium();
  q.IANGLE -= 1;
  // The scan closes the turn with 0.0001 rad to spare: a last root next to the first is that root
  // found again.
  if (q.IANGLE >= 2 && std::fabs(q.TANGLE(q.IANGLE) - q.TANGLE(1)) <= 0.01f) {
    if (q.ISTAB == q.IANGLE) q.ISTAB = 1;
    q.IANGLE -= 1;
  }
  q.VESANG = q.TANGLE(q.ISTAB);
  return stable;
}

// ---- the statics' table at the mean load ----

void offsetAndStiffness() {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  Ergcom& e = ERGCOM;
  const float F = q.FTOT(q.ISTAB);
  int J = 1;
  e.REQLIB = tableOffsetAtLoad(&q.HLOAD(1), &q.OFFSET(1), t.NUMTAB, F, J);
  e.SPRNGX = tableStiffness(&q.HLOAD(1), &q.OFFSET(1), J);
  // The work of the mooring load over the offset from the unloaded position: it rises with the
  // table and is the energy the nonlinear correction of the report matches.
  tableEnergy(&q.HLOAD(1), &q.OFFSET(1), t.NUMTAB, &e.SRGERG(1));
}

// ---- masses and natural frequencies ----

// What the damping and variance sums of the three modes share.
struct ModeScales {
  float N[3];       // 1 / (mass^2 frequency^3) of each mode, 0 for a mode without frequency
  float G2;         // the sway normaliser times the squared swing radius
  float G3;         // LWL^2 times the yaw normaliser, over 24
  float R2;         // squared swing radius of the mooring point about the SALM [ft^2 | m^2]
  bool active[3];   // the mode has a natural frequency
};

// The angle of the yoke out of the vessel's axes at the most stable equilibrium, whose cosine and
// sine share the surge mass and spring between the vessel's surge and sway.
float surgeAxisAngle() {
  const Equilb& q = EQUILB;
  return q.TANGLE(q.ISTAB) - q.SLMANG(q.ISTAB) + TPCM.YOKVES;
}

// The effective masses of the modes, from the added-mass factors of PASCOM.
void modeMasses() {
  const Tpcm& t = TPCM;
  const Pascom& p = PASCOM;
  Equilb& q = EQUILB;
  const float A = surgeAxisAngle();
  const float s = std::sin(A);
  const float c = std::cos(A);
  const float M = t.DISPL / WAVCOM.G;

  if (t.CREATR == kSimGandru) {
    q.EMSURG = q.REDWGT * p.CMSRG / WAVCOM.G;
  } else if (t.LSPM != 0) {
    q.EMSURG = M * (p.CMSRG * c * c + p.CMSWY * s * s);
  } else {
    q.EMSURG = M * p.CMSRG;
  }
  q.EMI = M * t.TYGYR * t.TYGYR * p.CMSWY;
  if (t.LSPM != 0) q.EMILO = M * (t.TYGYR * t.TYGYR + q.YAWARM * q.YAWARM) * p.CMSWY;  // yaw inertia about the mooring point
  else q.EMILO = M * p.CMSWY;
}

// The natural frequencies of the modes from their masses and the springs of ERGCOM, and what the
// damping and variance sums of the three modes share.
ModeScales modeFrequencies() {
  const Tpcm& t = TPCM;
  const Pascom& p = PASCOM;
  const Ergcom& e = ERGCOM;
  Equilb& q = EQUILB;
  const int k = q.ISTAB;
  const float A = surgeAxisAngle();
  const float s = std::sin(A);
  const float c = std::cos(A);

  ModeScales m{};
  if (t.LSPM != 0) {
    q.WSURG = t.CREATR == kSimHeskova ? naturalFrequency((e.SPRNGX * std::fabs(c) + e.SPRNGY * std::fabs(s)) / q.EMSURG)
                             : naturalFrequency(e.SPRNGX / q.EMSURG);
    const float gyrationRatio = t.TYGYR / q.YAWARM;
    coupledSwayYaw(q.FTOT(k) * std::fabs(q.YAWARM) / q.EMILO, q.WSURG * q.WSURG * p.CMSRG / p.CMSWY,
                   1.0f / (1.0f + gyrationRatio * gyrationRatio), q.WYAWLO, q.WYAWHI);
    m.R2 = q.YAWARM * q.YAWARM + e.REQLIB * e.REQLIB -
           2.0f * e.REQLIB * std::fabs(q.YAWARM) * std::cos(q.VESANG - q.SLMANG(k));
  } else {
    q.WSURG = naturalFrequency(e.SPRNGX / q.EMSURG);
    q.WSWAY = naturalFrequency(e.SPRNGY / q.EMILO);
    q.WYAW = naturalFrequency(e.SPRNGZ / q.EMI);
    m.R2 = 1.0f;
  }

  for (int mode = 1; mode <= 3; ++mode) {
    LowModeRecord& rec = q.MODREC(mode);
    m.active[mode - 1] = rec.WSURG > 0.0f;
    if (!m.active[mode - 1]) {
      rec.TSURG = 0.0f;  // no period: "N.A." on the report
      rec.GAMFAC = 0.0f;
      m.N[mode - 1] = 0.0f;
      continue;
    }
    rec.TSURG = kTwoPi / rec.WSURG;
    m.N[mode - 1] = 1.0f / (rec.EMSURG * rec.EMSURG * rec.WSURG * rec.WSURG * rec.WSURG);
    rec.GAMFAC = 2.0f / (rec.EMSURG * rec.WSURG);
  }
  m.G2 = q.GMODE2 * m.R2;
  m.G3 = t.LWL * t.LWL * q.GMODE3 / 24.0f;
  return m;
}

// ---- damping and variance by source ----

// The vessel's wave-frequency motions (PASCOM) of the most stable equilibrium's heading, which the
// drift and drag models of the damping step read: the scan leaves those of the last heading it
// tried, which turns with the environment's headings rather than with the vessel.
void motionsAtEquilibrium() {
  float relativeHeading = 0.0f;
  RELRAOUP(relativeHeading, EQUILB.VESANG, 1, 0, 1);
}

// A force of a source at the most stable equilibrium, turned into the direction theta of the net
// force there (single point mooring) or left in vessel axes.
ForcePair alongNetForce(float X, float Y, float theta) {
  if (TPCM.LSPM == 0) return {X, Y};
  const float co = std::cos(theta);
  const float si = std::sin(theta);
  return {X * co + Y * si, Y * co - X * si};
}

void stillWaterDamping(const ModeScales& m) {
  const Tpcm& t = TPCM;
  const Pascom& p = PASCOM;
  Equilb& q = EQUILB;
  const float swayScale = q.WSCALE * std::sqrt(t.BWL / t.LWL);
  if (m.active[0]) q.GAMSTW = GAMSTL(q.WSURG, q.WSCALE, p.CMSRG);
  if (m.active[1]) q.GMSTW2 = GAMSTL(q.WSWAY, swayScale, p.CMSWY);
  if (m.active[2]) q.GMSTW3 = GAMSTL(q.WYAW, swayScale, p.CMSWY);
  q.GAMTOT = q.GAMSTW;
  q.GMTOT2 = q.GMSTW2;
  q.GMTOT3 = q.GMSTW3;
}

// The damping of a steady flow of speed U whose force at the equilibrium is f, arriving at the
// attack angle `attack`, into `member` of the three mode records and their totals. The yaw term is
// formed only off the head and stern directions; otherwise it keeps what it holds.
void addFlowDamping(float LowModeRecord::*member, const ModeScales& m, const ForcePair& f, float U, float attack) {
  Equilb& q = EQUILB;
  LowModeRecord& surge = q.MODREC(1);
  LowModeRecord& sway = q.MODREC(2);
  LowModeRecord& yaw = q.MODREC(3);
  surge.*member = surge.GAMFAC * std::fabs(f.X) / U;
  sway.*member = m.G2 * std::fabs(f.Y) / U;
  const float s = std::sin(attack);
  if (std::fabs(s) >= kAttackSineLimit) yaw.*member = std::fabs(m.G3 * f.Y * (1.0f + s * s) / (s * U));
  for (LowModeRecord* rec : {&surge, &sway, &yaw}) rec->GAMTOT += rec->*member;
}

// The variances of the three modes under the fluctuations of a steady flow: 2 pi (force / U)^2
// times the flow's spectral density at the mode (density[k]), per mass^2 frequency^3; Z the yaw
// moment of the flow.
void setFlowVariances(float LowModeRecord::*member, const ModeScales& m, const ForcePair& f, float Z, float U,
                      const float density[3]) {
  Equilb& q = EQUILB;
  const float load[3] = {f.X * f.X, f.Y * f.Y * m.R2, Z * Z};
  // A flow so slow that U^2 is below the smallest float has a force that is 0 with it: no variance.
  const float U2 = U * U;
  for (int mode = 1; mode <= 3; ++mode) {
    q.MODREC(mode).*member = U2 > 0.0f ? kTwoPi * load[mode - 1] / U2 * m.N[mode - 1] * density[mode - 1] : 0.0f;
  }
}

void windDamping(const ModeScales& m, float theta) {
  Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  const ForcePair f = alongNetForce(q.SXWND, q.SYWND, theta);
  TRIGLD(q.SWIND_ATTACK);
  const float Z = SINES.WNDCOF * t.TYWNDA * t.LWL * vesselWindCoefficient(3, q.SWIND_ATTACK);
  const float U = speedOf(t.WNDSPD);
  addFlowDamping(&LowModeRecord::GAMWND, m, f, U, q.SWIND_ATTACK);
  // The gust density at the surge frequency serves all three modes.
  float factor = 1.0f;
  t.WNDDEN = WNDSPC(q.WSURG, t.WNDSPD, t.WNDDEN, t.NUNTS, t.WNDTYP, t.APIPRM, t.WSPEC_HGT, factor, t.EDUNIT);
  const float density = t.WNDDEN * factor;
  const float densities[3] = {density, density, density};
  setFlowVariances(&LowModeRecord::VARWND, m, f, Z, U, densities);
}

void currentDamping(const ModeScales& m, float theta) {
  Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  const ForcePair f = alongNetForce(q.SXCUR, q.SYCUR, theta);
  TRIGLD(q.SCRNT_ATTACK);
  const float Z = SINES.CURCOF * t.TYCURA * t.LWL * vesselCurrentCoefficient(3, q.SCRNT_ATTACK);
  // The damping is the change of the current's load with the vessel's speed through the water: the
  // load over the speed that made it. That is the speed over the draft of the current's profile,
  // which may be far from the page's surface speed (a profile file under a page speed of nearly 0).
  const float U = speedOf(vesselCurrentSpeed());
  // No speed over the draft (only ever below the smallest float): no load, and nothing to damp.
  if (U > 0.0f) {
    q.GMCUR3 = q.GMODE3 * std::fabs(Z) / U;  // head or stern on, the yaw damping of the moment itself
    addFlowDamping(&LowModeRecord::GAMCUR, m, f, U, q.SCRNT_ATTACK);
  }
  // Each mode's density from the data set's constant, which stays the input.
  LowFrequencyDensities& d = lowFrequencyDensities;
  d.currentSurge = CURSPC(q.WSURG, t.CURDEN, t.CURTYP, t.EDUNIT);
  d.currentSway = CURSPC(q.WSWAY, t.CURDEN, t.CURTYP, t.EDUNIT);
  d.currentYaw = CURSPC(q.WYAW, t.CURDEN, t.CURTYP, t.EDUNIT);
  t.CURDNY = d.currentSway;
  t.CURDNZ = d.currentYaw;
  const float densities[3] = {d.currentSurge, d.currentSway, d.currentYaw};
  setFlowVariances(&LowModeRecord::VARCUR, m, f, Z, U, densities);
}

// What one wave system gives the three modes: its wave-drift damping (the yaw term only off head
// and stern seas), its drift-drag damping of surge and sway (none for a system without waves), and
// the variances of its slow-drift force (for the modes with a frequency) and of its drift drag. A
// term that is not formed leaves its member as it is.
struct SeaTerms {
  std::optional<float> drift[3];
  std::optional<float> drag[2];
  std::optional<float> driftVariance[3];
  std::optional<float> dragVariance[2];
};

// The terms of independent wave systems add: the damping of each is that of its own mean drift, and
// the slow-drift force of each is formed from its own spectrum.
SeaTerms& operator+=(SeaTerms& sum, const SeaTerms& more) {
  const auto add = [](std::optional<float>& into, const std::optional<float>& term) {
    if (term) into = into ? *into + *term : *term;
  };
  for (int c = 0; c < 3; ++c) add(sum.drift[c], more.drift[c]);
  for (int c = 0; c < 2; ++c) add(sum.drag[c], more.drag[c]);
  for (int c = 0; c < 3; ++c) add(sum.driftVariance[c], more.driftVariance[c]);
  for (int c = 0; c < 2; ++c) add(sum.dragVariance[c], more.dragVariance[c]);
  return sum;
}

// One wave system at the most stable equilibrium.
struct SeaSystemAtRest {
  std::int32_t system;        // 1 the wind sea, 2 the swell, 3 the second swell
  ForcePair drift;            // its mean drift force there, vessel axes [kips | t]
  float attack;               // its relative direction there [rad]
  const float* psd;           // its spectrum on the grid
  const SeaSpectrum* waves;   // the height and period the spectrum stands for
};

// The terms of one wave system: its wave-drift damping by the group speed at the peak of the drift
// force (whose grid indices go to peakX and peakY), its drift-drag damping by the orbital velocity of
// its peak wave, and the variances of the slow-drift force and of the drift drag.
SeaTerms seaTerms(const ModeScales& m, float theta, const SeaSystemAtRest& sea, std::int32_t& peakX,
                  std::int32_t& peakY) {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const Wavcom& w = WAVCOM;
  const Pascom& p = PASCOM;
  const float attack = sea.attack;
  const float* psd = sea.psd;
  const LowModeRecord& surge = q.MODREC(1);
  SeaTerms terms;

  const ForcePair f = alongNetForce(sea.drift.X, sea.drift.Y, theta);
  const float speedX = GRPSPD(psd, 1, attack, peakX, sea.system);
  const float speedY = GRPSPD(psd, 2, attack, peakY, sea.system);
  terms.drift[0] = 2.0f * surge.GAMFAC * std::fabs(f.X) / speedX;
  terms.drift[1] = 2.0f * m.G2 * std::fabs(sea.drift.Y) / speedY;  // the sway term takes the unturned component
  const float sigma = std::sin(attack);
  // (G3 / G2) times the sway term, formed without dividing by G2.
  if (std::fabs(sigma) >= kAttackSineLimit) {
    terms.drift[2] = 2.0f * m.G3 * std::fabs(sea.drift.Y) / speedY * std::fabs((1.0f + sigma * sigma) / sigma);
  }

  if (t.LEGDRG == 0) {
    float noDifference = 0.0f;
    float d1 = 0.0f;
    float d2 = 0.0f;
    DRAGF(0, 1, attack, psd, noDifference, d1, d2, sea.system);
    // The orbital velocity scale of the system's peak wave, of the height and period its spectrum
    // stands for.
    const float WP = sea.waves->WP;
    float kd = 0.0f;
    WAVVEC(WP * std::sqrt(t.DEPTH / w.G), kd);
    const float k = kd / t.DEPTH;
    const float tanhKd = WP * WP / (k * w.G);
    const float V = 0.1f * sea.waves->HS * WP / tanhKd;
    // d1 is the drift drag as a force, signed along the vessel's x axis (aft in head seas); like
    // every flow damping here the damping takes its size, never its direction: drag in a random
    // flow dissipates whichever way the flow goes.
    const float dragForce = std::fabs(d1);
    if (V > 0.0f) {  // a system without waves has no drift drag
      terms.drag[0] = p.ACDSG * surge.GAMFAC * std::fabs(std::cos(attack)) * dragForce / V;
      terms.drag[1] = p.ACDSW * m.G2 * std::fabs(std::sin(attack)) * dragForce / V;
    }
  }

  const float scale[3] = {w.BOWCF * w.BOWCF, m.R2 * w.BEAMCF * w.BEAMCF, t.LWL * w.BEAMCF * t.LWL * w.BEAMCF};
  for (int c = 1; c <= 3; ++c) {
    if (!m.active[c - 1]) continue;
    float dw = q.MODREC(c).WSURG;
    terms.driftVariance[c - 1] = kPi * t.VWDFAC * scale[c - 1] * DRIFTF(1, c, attack, psd, dw, 0.0f, sea.system) * m.N[c - 1];
  }
  if (t.LEGDRG == 0 && m.active[0]) {
    float dw = q.WSURG;
    float e1 = 0.0f;
    float e2 = 0.0f;
    DRAGF(1, 1, attack, psd, dw, e1, e2, sea.system);
    terms.dragVariance[0] = (e1 + e2) * std::fabs(std::cos(attack)) * kPi / 2.0f * m.N[0];
    terms.dragVariance[1] = (e1 + e2) * std::fabs(std::sin(attack)) * kPi / 2.0f * m.N[1];
  }
  return terms;
}

// The members of the mode records that receive the terms of the sea, or of the swells together.
struct SeaMembers {
  float LowModeRecord::*drift;
  float LowModeRecord::*drag;
  float LowModeRecord::*driftVariance;
  float LowModeRecord::*dragVariance;
};
constexpr SeaMembers kSeaMembers{&LowModeRecord::GAMWV, &LowModeRecord::GMWDG, &LowModeRecord::VARWAV,
                                 &LowModeRecord::VWVDG};
constexpr SeaMembers kSwellMembers{&LowModeRecord::GAMSWL, &LowModeRecord::GMSDG, &LowModeRecord::VARSWL,
                                   &LowModeRecord::VSWDG};

// The terms into their members, the damping added to each mode's total.
void setSeaTerms(const SeaTerms& terms, const SeaMembers& into) {
  Equilb& q = EQUILB;
  for (int c = 1; c <= 3; ++c) {
    LowModeRecord& rec = q.MODREC(c);
    if (terms.drift[c - 1]) rec.*into.drift = *terms.drift[c - 1];
    rec.GAMTOT += rec.*into.drift;
  }
  if (TPCM.LEGDRG == 0) {
    for (int c = 1; c <= 2; ++c) {
      LowModeRecord& rec = q.MODREC(c);
      if (terms.drag[c - 1]) rec.*into.drag = *terms.drag[c - 1];
      rec.GAMTOT += rec.*into.drag;
    }
  }
  for (int c = 1; c <= 3; ++c) {
    if (terms.driftVariance[c - 1]) q.MODREC(c).*into.driftVariance = *terms.driftVariance[c - 1];
  }
  for (int c = 1; c <= 2; ++c) {
    if (terms.dragVariance[c - 1]) q.MODREC(c).*into.dragVariance = *terms.dragVariance[c - 1];
  }
}

// The wind sea's terms into its members; those of the swell and the second swell, which the report
// gives as the one background swell, summed into the swell's.
void waveDamping(const ModeScales& m, const StableRoot& stable, const RunSeaState& waves) {
  const Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  Wavcom& w = WAVCOM;
  if (t.LRANDM != 0) {
    const SeaSystemAtRest sea{1, {q.SXWAV, q.SYWAV}, q.SWAVE_ATTACK, &w.WPSD(1), &waves.sea};
    setSeaTerms(seaTerms(m, stable.theta, sea, q.IWDFPX, q.IWDFPY), kSeaMembers);
  }
  if (t.LSWELL != 0) {
    const SeaSystemAtRest swell{2, stable.swellDrift[0], stable.swellAttack[0], &w.SWLPSD(1), &waves.swell};
    SeaTerms swells = seaTerms(m, stable.theta, swell, q.ISDFPX, q.ISDFPY);
    if (secondSwellOn()) {
      const SeaSystemAtRest second{3, stable.swellDrift[1], stable.swellAttack[1], &w.SWLPSD2(1), &waves.swell2};
      std::int32_t peakX = 0;  // the report keeps the peaks of the first swell
      std::int32_t peakY = 0;
      swells += seaTerms(m, stable.theta, second, peakX, peakY);
    }
    setSeaTerms(swells, kSwellMembers);
  }
}

// ---- totals and the square-law damping ----

// The user's damping of a mode, or the sum of the sources; each variance then per unit damping.
// The square-law terms start at 0; only the sway-yaw modes without user damping get them.
void modeTotals(int mode, std::int32_t userFlag, float userPercent) {
  LowModeRecord& rec = EQUILB.MODREC(mode);
  if (userFlag != 0) rec.GAMTOT = userPercent / 50.0f;
  rec.EGMSG = rec.GAMTOT;
  rec.GAMQSG = 0.0f;
  rec.GMLNSG = 0.0f;
  float* variances[] = {&rec.VARWAV, &rec.VARWND, &rec.VARSWL, &rec.VARCUR, &rec.VWVDG, &rec.VSWDG};
  rec.VARTOT = 0.0f;
  for (float* v : variances) {
    *v /= rec.GAMTOT;
    rec.VARTOT += *v;
  }
}

// The square-law hull drag of sway-yaw mode `mode` (2 or 3): its effective damping, and its
// variances scaled by the share of the linear damping in it.
void squareLawDamping(int mode) {
  const Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  LowModeRecord& rec = q.MODREC(mode);
  q.VARYTP = rec.VARTOT;
  const float sigma = std::sqrt(q.VARYTP);
  if (sigma >= kSquareLawLimit) {
    const float G = WAVCOM.G;
    if (mode == 2) {
      const float arm = t.IARCO == kSpreadMoor ? std::fabs(q.YAWARM)
                                               : std::fabs(q.YAWARM) + q.FTOT(q.ISTAB) / ERGCOM.SPRNGX;
      q.CYQTP = 0.0006f * t.DWATR * t.LWL * t.DRAFT * arm * arm * arm / G / (rec.EMSURG * rec.GAMTOT);
    } else {
      const float quarter = 0.25f * t.LWL;
      q.CYQTP = 0.0012f * t.DWATR * t.LWL * t.DRAFT * quarter * quarter * quarter / G / (rec.EMSURG * rec.GAMTOT);
    }
    rec.GAMQSG = rec.GAMTOT * q.CYQTP * squareLawAmplitude(sigma);
  }
  rec.EGMSG = rec.GAMTOT + rec.GAMQSG;  // no linear part travels with the square-law term: GMLNSG stays 0
  const float ratio = rec.GAMTOT / rec.EGMSG;
  for (float* v : {&rec.VARWAV, &rec.VARWND, &rec.VARSWL, &rec.VARCUR, &rec.VWVDG, &rec.VSWDG}) *v *= ratio;
  rec.VARTOT = q.VARYTP * ratio;
}

// The damping of the three modes by source and the variance each excitation causes, at the most
// stable equilibrium.
void dampingBySource(const ModeScales& m, const StableRoot& stable, const RunSeaState& waves) {
  stillWaterDamping(m);
  if (windActs()) windDamping(m, stable.theta);
  if (currentActs()) currentDamping(m, stable.theta);
  waveDamping(m, stable, waves);
}

// The surge's most probable largest amplitude in the storm of DURATN from its frequency and its
// variance (before the report turns the variance into an amplitude).
float surgePeak(const LowModeRecord& surge) {
  return stormPeakFactor(stormCycles(TPCM.DURATN, surge.WSURG)) * std::sqrt(surge.VARTOT);
}

// What the slow drift found at its most stable equilibrium, kept for the surge evaluated again at
// another spring (surgeStormAmplitude): the scan's stable root and the run's sea state, and the
// surge's spring and storm amplitude as the run found them.
struct SlowDriftMeanState {
  bool found = false;
  StableRoot stable{};
  RunSeaState waves{};
  float spring = 0.0f;     // ERGCOM SPRNGX [kips/ft | t/m]
  float amplitude = 0.0f;  // surgePeak [ft | m]
  void reset() { *this = SlowDriftMeanState{}; }
};
constinit SlowDriftMeanState slowDriftMeanState{};
const BlockReset resetSlowDriftMeanState{[] { slowDriftMeanState.reset(); }};

// A mode without a natural frequency: no damping, no variance.
void clearMode(int mode) {
  LowModeRecord& rec = EQUILB.MODREC(mode);
  for (float* v : {&rec.GAMFAC, &rec.GAMSTW, &rec.GAMWND, &rec.GAMCUR, &rec.GAMWV, &rec.GAMSWL, &rec.GMWDG,
                   &rec.GMSDG, &rec.GAMTOT, &rec.GAMQSG, &rec.GMLNSG, &rec.EGMSG, &rec.VARTOT, &rec.VARWND,
                   &rec.VARCUR, &rec.VARWAV, &rec.VARSWL, &rec.VWVDG, &rec.VSWDG}) {
    *v = 0.0f;
  }
}

}  // namespace

void coupledSwayYaw(float p, float q, float r, float& low, float& high) {
  const float D = std::sqrt((q - p) * (q - p) + 4.0f * r * q * p);
  high = naturalFrequency(0.5f * (q + p + D) / (1.0f - r));
  low = naturalFrequency(0.5f * (q + p - D) / (1.0f - r));
}

float CUBIC(float& X) {
  const Equilb& q = EQUILB;
  return q.CYQTP * X * X * X + X * X - q.VARYTP;
}

// The square-law damping is proportional to the amplitude, so every low-frequency result inherits
// the amplitude's error: it is found to this share of itself, far below print precision and far above
// the spacing of 4-byte floats.
constexpr float kAmplitudePrecision = 1.0e-5f;

// The root of CUBIC on [0, 2 sigma]; a search that does not converge may be given more steps.
// The search runs on the amplitude as a share u of sigma and on CUBIC as a share of VARYTP, so that
// its tolerances are relative: a yaw amplitude of some hundredths of a radian met against a fixed
// 0.01 would be settled by wherever the search happened to stop, and the cubic's values for a mode
// that hardly moves (1e-18 rad^2 with wind, sea and current in line) would underflow in the search's
// 4-byte products and end it as a convergence failure.
// The root lies between m / sqrt 2 and m, m = min(1, cbrt(1 / (CYQTP sigma))), where one of the two
// terms alone reaches VARYTP; the tolerance on u is the precision's share of that lower bound, the
// one on the scaled cubic the precision itself (2 to 3 times u's relative error near the root).
float squareLawAmplitude(float sigma) {
  Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const float least = std::min(1.0f, 1.0f / std::cbrt(q.CYQTP * sigma)) / std::sqrt(2.0f);
  auto scaledCubic = [&](float& u) {
    float x = sigma * u;
    return CUBIC(x) / q.VARYTP;
  };
  int steps = 100;
  for (;;) {
    float u = 0.0f;
    float f = 0.0f;
    int IER = 0;
    RTMI1(u, f, scaledCubic, 0.0f, 2.0f, kAmplitudePrecision * least, kAmplitudePrecision, steps, IER);
    const float x = sigma * u;
    if (IER != kRootNotConverged) return x;
    // An unattended run cannot be asked for more iterations: it stops naming what sets the equation,
    // the motion variance of the mode and the hull that drags.
    if (t.EDUNIT == kDiagnosticsUnit) {
      std::vector<std::string> lines{"", " ++> Convergence failure In SLOMOR/QDYNAM square-law damping algorithms..."};
      addFlowingLines(lines, "     ",
                      "Check data file and rerun simluation. The linear motion variance is " +
                          messageValue(EQUILB.VARYTP) + ", with the square-law term of the hull's waterline length " +
                          lengthText(t.LWL) + " (page 5, item 8) and draft " + lengthText(t.DRAFT) +
                          " (page 5, item 10).");
      unansweredStop("SLOMOR", t.EDUNIT, lines);
    }
    writeRecord(t.EDUNIT, "");
    writeRecord(t.EDUNIT, " ++> Convergence failure In SLOMOR/QDYNAM square-law damping algorithms...");
    writeRecord(t.EDUNIT, "     Check data file and rerun simluation OR input 99 after");
    writeRecord(t.EDUNIT, "     \"<<RETURN>> to continue:\" Prompt for additional iterations");
    t.LBACK = 0;
    PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
    if (t.LBACK != 99) silentStop("SLOMOR");
    steps += 100;
  }
}

void SLOMOR() {
  Tpcm& t = TPCM;
  wavcurvecState.reset();  // the waves on the current of this data set are solved afresh
  const int NPHI = scanIntervals();
  const RunSeaState waves = buildSpectra();
  vesselGeometry();
  auxiliaryForces();
  writeRecord(t.EDUNIT, " >>> Computing low-frequency dynamics...");
  tankerSize();
  if (t.YAWTBL == 0) t.EQLYAW = 0.0f;
  SOLVE.DPHI = kScanTurn / static_cast<float>(NPHI);
  SINES.S1 = 0.0f;
  SINES.C1 = 0.0f;
  addedMassFactors();

  const StableRoot stable = scanHeadings();
  offsetAndStiffness();
  modeMasses();
  const ModeScales m = modeFrequencies();

  motionsAtEquilibrium();
  dampingBySource(m, stable, waves);

  const std::int32_t userFlag[3] = {t.LSGLFD, t.LSWLFD, t.LYWLFD};
  const float userPercent[3] = {t.SGLFDP, t.SWLFDP, t.YWLFDP};
  for (int mode = 1; mode <= 3; ++mode) {
    if (!m.active[mode - 1]) {
      clearMode(mode);
      continue;
    }
    modeTotals(mode, userFlag[mode - 1], userPercent[mode - 1]);
    requireDissipation(mode);
    if (mode > 1 && userFlag[mode - 1] == 0) squareLawDamping(mode);
  }
  slowDriftMeanState = {true, stable, waves, ERGCOM.SPRNGX, surgePeak(EQUILB.MODREC(1))};
}

struct SlowDriftResultsKept::Kept {
  Equilb equilb = EQUILB;
  Sines sines = SINES;
  LowFrequencyDensities densities = lowFrequencyDensities;
  float wind = TPCM.WNDDEN, currentSway = TPCM.CURDNY, currentYaw = TPCM.CURDNZ;
  float spring = ERGCOM.SPRNGX;
};

SlowDriftResultsKept::SlowDriftResultsKept() : kept_(std::make_unique<Kept>()) {}

SlowDriftResultsKept::~SlowDriftResultsKept() {
  Tpcm& t = TPCM;
  EQUILB = kept_->equilb;
  SINES = kept_->sines;
  lowFrequencyDensities = kept_->densities;
  t.WNDDEN = kept_->wind;
  t.CURDNY = kept_->currentSway;
  t.CURDNZ = kept_->currentYaw;
  ERGCOM.SPRNGX = kept_->spring;
}

float surgeStormAmplitude(float spring) {
  const SlowDriftMeanState& state = slowDriftMeanState;
  if (!state.found) return std::numeric_limits<float>::quiet_NaN();
  if (spring == state.spring) return state.amplitude;
  const SlowDriftResultsKept kept;  // the run's own results stay as the slow drift left them
  ERGCOM.SPRNGX = spring;
  const ModeScales m = modeFrequencies();
  dampingBySource(m, state.stable, state.waves);
  if (!m.active[0]) return 0.0f;  // no spring, no frequency: no motion
  modeTotals(1, TPCM.LSGLFD, TPCM.SGLFDP);
  const LowModeRecord& surge = EQUILB.MODREC(1);
  // A surge the sources do not damp has no amplitude to judge by.
  const bool damped = surge.GAMTOT > 0.0f && surge.VARTOT >= 0.0f && std::isfinite(surge.VARTOT);
  return damped ? surgePeak(surge) : std::numeric_limits<float>::infinity();
}

}  // namespace qv

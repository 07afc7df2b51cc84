// DSKCHR: the discus buoy as an equivalent flat cylinder, its hydrostatic restoring and its masses,
// and the natural frequencies found by a fixed-point iteration: each pass takes the added masses at
// the frequencies of the pass before. With mooring feedback each pass also asks the lines for their
// spring and damping at the expected motion of every mode, which moves the frequencies and the
// responses they are taken at; the pass is repeated until frequencies and damping settle. The lines'
// work against surge offset is tabulated at the end for the surge correction of the RAOs.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/disc/disc_fits.h"
#include "hull/disc/disc_forces.h"
#include "hull/disc/disc_iteration.h"
#include "hull/himem.h"
#include "hull/rao_guard.h"
#include "mooring/lincom.h"
#include "mooring/line_driver.h"
#include "mooring/line_setup.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "util/sim_types.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr float kKeelFactor = 1.5f;       // growth of the keel's rotational added inertia with its extent
constexpr float kNoSpring = 1.0e-15f;     // the frequency of a surge, sway or yaw without restoring [rad/s]
constexpr float kFrequencyTolerance = 0.01f;
constexpr float kDampingTolerance = 0.05f;
constexpr int kAveragingPass = 20;        // unsettled passes after this one are averaged
constexpr int kAttemptPasses = 200;       // an attempt ends when its pass count goes above this
constexpr int kSilentAttempts = 2;        // attempts before the user is asked
constexpr int kMaxGridChecks = 50;        // grid checks of a call before the grid points are left
constexpr int kTableSteps = 90;           // points of the line work table
constexpr int kVesselBlockWords = 913;    // the vessel's description, exchanged with the second body's

// Stops the run unless the input hydrostatics have an equivalent cylinder: a water plane, a water
// density, and a real, positive draft for the cylinder whose centre of buoyancy lies as far from
// the centre of gravity as the buoy's.
void checkForCylinder() {
  const Tpcm& t = TPCM;
  if (t.TAWP > 0.0f && t.DWATR > 0.0f) {
    const float d = t.TDRAFT - t.VKG;
    const float e = (t.VKB - t.VKG) * (t.TDISPL * 1000.0f / t.DWATR) / t.TAWP;  // as the cylinder's draft has it
    const float radicand = d * d - 2.0f * e;
    if (radicand >= 0.0f && d + std::sqrt(radicand) > 0.0f) return;
  }
  fatalStop("DSKCHR", t.EDUNIT,
            {"", " ++> Disc buoy characteristics: no equivalent cylinder for the input",
             "     hydrostatics; check the displacement, water plane area, KB, KG and",
             "     draft and retry.",
             "     (TAWP =" + fmtF(t.TAWP, 10, 2) + ", DWATR =" + fmtF(t.DWATR, 8, 2) + ", KB =" + fmtF(t.VKB, 8, 2) + ",",
             "     KG =" + fmtF(t.VKG, 8, 2) + ", draft =" + fmtF(t.TDRAFT, 8, 2) + ")"});
}

// Step 1: the equivalent cylinder of the buoy's displacement, waterplane and centres, with its
// restoring terms and dry masses about the natural rotation centre, and the keel's added masses.
void equivalentCylinder() {
  checkForCylinder();
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const float G = WAVCOM.G;
  const float d = t.TDRAFT - t.VKG;
  h.DELTA = t.TDISPL * 1000.0f / t.DWATR;
  h.RADIUS = std::sqrt(t.TAWP / kPi);
  h.BEAM = 2.0f * h.RADIUS;
  h.SHIPL = h.BEAM;
  h.XSCALE = h.RADIUS;
  // The draft of the cylinder whose centre of buoyancy lies as far below the centre of gravity as the
  // buoy's does.
  const float e = (t.VKB - t.VKG) * h.DELTA / t.TAWP;
  h.EDRAFT = d + std::sqrt(d * d - 2.0f * e);
  h.DLRAT = h.EDRAFT / h.RADIUS;
  h.SDRAFT = h.DLRAT;

  const float c = disc::horizontalAddedMass(h.DLRAT, t.EDUNIT);
  h.CSG = c;
  h.CSW = c;
  // The centre about which the buoy pitches and rolls freely: the centre of gravity and the centre
  // of buoyancy weighted by the mass and the horizontal added mass.
  h.VTCRP = (t.VKG + c * t.VKB) / (1.0f + c);
  h.VTCRR = h.VTCRP;
  h.WPML = h.DELTA * (t.VKML - t.VKB);
  h.WPMT = h.WPML;
  const float half = h.EDRAFT / 2.0f;
  const float f = t.VKG + h.EDRAFT - t.TDRAFT;
  h.WLCRP = (c * half + f) / (1.0f + c) - h.EDRAFT;
  h.SWLCRP = h.WLCRP / h.RADIUS;
  h.GML = h.WPML / h.DELTA - t.VKG + t.VKB;
  h.GMT = h.GML;
  h.TQCNST = h.WPML / (h.GML * h.DELTA);
  h.HCONST = h.RADIUS * h.RADIUS * h.RADIUS;
  h.PCONST = h.HCONST * h.RADIUS * h.RADIUS;

  h.HVM1 = h.DELTA;
  const float arm = h.WLCRP + h.EDRAFT - half;  // from the rotation centre to the added mass's centre
  h.PTCH1 = h.DELTA * (t.TPGYR * t.TPGYR + c * arm * arm);
  h.ROL1 = h.DELTA * (t.TRGYR * t.TRGYR + c * arm * arm);
  h.YAWI = h.DELTA * t.YGYR * t.YGYR;
  h.HC = G * t.TAWP;
  h.PRMT = h.GML * h.DELTA * G;
  h.RRMT = h.PRMT;

  h.SKAMHV = 0.0f;
  h.SKAMRL = 0.0f;
  if (t.TLKEEL != 0) {
    const float q = t.TDKEEL > 0.0f ? t.TRKEEL / t.TDKEEL : 0.0f;
    const float p = 1.0f + q;
    // The two constants 1.333 and 1.3333 differ on purpose: a keel of no extent adds -0.0003 R^3.
    h.SKAMHV = h.HCONST * (1.333f * p * p * p - 1.3333f + 4.9348025f * q * q);
    const float g = 1.0f + kKeelFactor * q;
    h.SKAMRL = 4.935f * h.PCONST * q * q * (1.0f + 0.5f * q) * g * g;
  }
}

// A frequency from the user's natural period: flag 0 keeps `computed`, 1 takes 2 pi / period, any
// other value leaves the frequency as it stands.
float frequencyFor(std::int32_t flag, float period, float computed, float current) {
  if (flag == 0) return computed;
  if (flag == 1) return kTwoPi / period;
  return current;
}

// The added masses at the natural frequencies of the pass before, and the unmoored frequencies of
// heave, pitch and roll (with feedback also a user's surge, sway and yaw period).
void addedMassesAndUnmooredFrequencies(bool feedback) {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const float G = WAVCOM.G;
  const float Ap = PMASD(h.WP * h.WP * h.RADIUS / G) * h.PCONST;
  const float Ah = HMASD(h.WH * h.WH * h.RADIUS / G) * h.HCONST;
  h.PTCHI = h.PTCH1 + Ap + h.SKAMRL;
  h.RMAS1 = Ap;
  h.PMAS1 = Ap;
  // The buoy is axisymmetric: roll takes the pitch added inertia.
  h.ROLI = h.ROL1 + Ap + h.SKAMRL;
  h.HVMAS = h.HVM1 + Ah + h.SKAMHV;
  h.SGMAS = (1.0f + h.CSG) * h.HVM1;

  h.WP = frequencyFor(t.LPTPRD, t.PITPRD, std::sqrt(h.PRMT / h.PTCHI), h.WP);
  h.WH = frequencyFor(t.LHVPRD, t.HEVPRD, std::sqrt(h.HC / h.HVMAS), h.WH);
  h.WR = frequencyFor(t.LRLPRD, t.ROLPRD, std::sqrt(h.PRMT / h.ROLI), h.WR);
  if (feedback) {
    if (t.LSGPRD == 1) h.WSG = kTwoPi / t.SGK;
    if (t.LSWPRD == 1) h.WSW = kTwoPi / t.SWK;
    if (t.LYWPRD == 1) h.WY = kTwoPi / t.YWK;
  }
}

// The six grid points, in the order pitch, roll, heave, surge, sway, yaw.
struct GridPoints {
  std::array<std::int32_t, 6> J{};
  bool operator==(const GridPoints&) const = default;
};

GridPoints gridPoints() {
  const Himem& h = HIMEM;
  return {{h.JP, h.JR, h.JH, h.JSG, h.JSW, h.JY}};
}

// The nearest grid points of the frequencies; without feedback surge, sway and yaw keep theirs.
void findGridPoints(bool feedback) {
  Himem& h = HIMEM;
  GRIDPT(kTwoPi / h.WP, h.JP);
  GRIDPT(kTwoPi / h.WR, h.JR);
  GRIDPT(kTwoPi / h.WH, h.JH);
  if (!feedback) return;
  GRIDPT(kTwoPi / h.WSG, h.JSG);
  GRIDPT(kTwoPi / h.WSW, h.JSW);
  GRIDPT(kTwoPi / h.WY, h.JY);
}

// The trace of NBUG = 1 at the start of a pass: each grid point of the pass before beside its
// current one.
void traceGridPoints(const GridPoints& before) {
  const Tpcm& t = TPCM;
  if (t.NBUG != 1) return;
  const GridPoints now = gridPoints();
  // Trace order: roll, pitch, heave, surge, sway, yaw.
  std::string record = " JRR,JR,JPP,JP,JHH,JH,JGG,JSG,JWW,JSW,JYY,JY";
  for (int i : {1, 0, 2, 3, 4, 5}) record += fmtI(before.J[i], 5) + fmtI(now.J[i], 5);
  writeRecord(t.EDUNIT, record);
}

// The spring, damping and complex force terms of the lines for one motion of amplitude A (length
// or radians) at the frequency omega [rad/s].
struct LineTerms {
  float K;
  float B;
  Complex F;
};

LineTerms lineTerms(Mode mode, float A, float omega) {
  std::array<float, 6> amplitude{};
  const int i = static_cast<int>(mode) - 1;
  amplitude[i] = A;
  std::array<float, 6> K{}, B{};
  std::array<Complex, 6> F{};
  DYNSPR({.SG = amplitude[0], .SW = amplitude[1], .HV = amplitude[2], .RL = amplitude[3], .PT = amplitude[4],
          .YW = amplitude[5], .OMEGA = omega, .DIST = LINCOM.RANCK.data(),
          .out = {.KSG = K[0], .KSW = K[1], .KHV = K[2], .KRL = K[3], .KPT = K[4], .KYW = K[5], .BSG = B[0],
                  .BSW = B[1], .BHV = B[2], .BRL = B[3], .BPT = B[4], .BYW = B[5], .FX = F[0], .FY = F[1],
                  .FZ = F[2], .MX = F[3], .MY = F[4], .MZ = F[5]}});
  return {K[i], B[i], F[i]};
}

// What the moored passes leave for the line work table.
struct PassMemory {
  float H = 0.0f;               // the last design wave height of HTSLOP [ft | m]
  bool waveTaken = false;       // HTSLOP has run
  float surgeAmplitude = 0.0f;  // the last expected surge motion [ft | m]
};

// One mode's part of a moored pass.
struct ModeTerms {
  Mode mode;
  std::int32_t periodFlag;
  std::int32_t dampingFlag;
  float* frequency;       // HIMEM
  float* spring;          // TPCM
  float* damping;         // TPCM
  const Complex* response;  // per unit wave at the natural frequency; none for yaw
  float mass;             // virtual mass or inertia [ft^3 | m^3, ft^5 | m^5]
  bool rotation;
  bool restored;          // heave, pitch, roll: hydrostatic restoring besides the lines'
};

// Step 3 for one mode: the spring at a tenth of the design wave, the damping at the motion the
// mode's response in the design wave gives, and the moored frequency.
void mooringTermsOf(const ModeTerms& m, PassMemory& memory) {
  const Tpcm& t = TPCM;
  const float rho = WAVCOM.RHOWTR;
  const float omega = *m.frequency;
  float H = 0.0f, S = 0.0f;
  HTSLOP(t.DEPTH, WAVCOM.G, t.LSLPHT, t.SLPHT, omega, H, S);
  memory.H = H;
  memory.waveTaken = true;
  const LineTerms small = lineTerms(m.mode, 0.1f * (m.rotation ? S : H), omega);
  float B = small.B;
  if (m.response != nullptr) {
    // The expected motion; the wave height also for the rotations, whose response is per unit
    // wave amplitude.
    const float expected = WAVCOM.DURFAC * H * std::abs(*m.response);
    if (m.mode == Mode::kSurge) memory.surgeAmplitude = expected;
    B = lineTerms(m.mode, expected, omega).B;
  }
  if (m.dampingFlag == 0) *m.damping = B;
  if (m.periodFlag != 0) return;
  *m.spring = small.K;
  if (m.restored) {
    *m.frequency = std::sqrt(omega * omega + small.K / (rho * m.mass));
  } else {
    *m.frequency = small.K > 0.0f ? std::sqrt(small.K / (rho * m.mass)) : kNoSpring;
  }
}

void mooringTerms(PassMemory& memory) {
  Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const ModeTerms modes[] = {
      {Mode::kHeave, t.LHVPRD, t.LHVDMP, &h.WH, &t.HVK, &t.HVMDMP, &h.CHVRAX, h.HVMAS, false, true},
      {Mode::kPitch, t.LPTPRD, t.LPTDMP, &h.WP, &t.PTK, &t.PTMDMP, &h.CPTRAX, h.PTCHI, true, true},
      {Mode::kRoll, t.LRLPRD, t.LRLDMP, &h.WR, &t.RLK, &t.RLMDMP, &h.CRLRAX, h.ROLI, true, true},
      {Mode::kSurge, t.LSGPRD, t.LSGDMP, &h.WSG, &t.SGK, &t.SGMDMP, &h.CSGRAX, h.SGMAS, false, false},
      {Mode::kSway, t.LSWPRD, t.LSWDMP, &h.WSW, &t.SWK, &t.SWMDMP, &h.CSWRAX, h.SGMAS, false, false},
      {Mode::kYaw, t.LYWPRD, t.LYWDMP, &h.WY, &t.YWK, &t.YWMDMP, nullptr, h.YAWI, true, false},
  };
  for (const ModeTerms& m : modes) {
    if (m.periodFlag == 0 || m.dampingFlag == 0) mooringTermsOf(m, memory);
  }
}

// The question after the third and every later failed attempt: true to accept the current values.
// "A" stops, a blank reply asks for another attempt.
bool acceptAfterFailure(int attempt) {
  Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  writeRecord(unit, "");
  writeRecord(unit, " ++> Possible iteration failure in DSKCHR period/damping loop.");
  writeRecord(unit, "");
  writeRecord(unit, "     Completing attempt # " + fmtI(attempt, 2));
  writeRecord(unit, "     Enter 99 to continue with current best estimate OR...");
  ABORT3(unit, kKeyboardUnit, t.LBACK);
  if (t.LBACK < 0) silentStop("DSKCHR");
  return t.LBACK == 99;
}

void warnUnsettledGridPoints() {
  const std::int32_t unit = TPCM.EDUNIT;
  for (const std::string& line :
       flowingLines(" ++> Warning: ", "disc natural periods: the nearest grid points still moved after" +
                                          fmtI(kMaxGridChecks, 3) + " passes; the grid points of the last pass stand."))
    writeRecord(unit, line);
}

// In the simulation type 13 the line driver runs with the buoy's own description, the second
// body's vessel words, in the vessel's place; they go back however the driver ends.
class BuoyInVesselPlace {
 public:
  explicit BuoyInVesselPlace(bool active) : active_(active) { exchange(); }
  ~BuoyInVesselPlace() { exchange(); }
  BuoyInVesselPlace(const BuoyInVesselPlace&) = delete;
  BuoyInVesselPlace& operator=(const BuoyInVesselPlace&) = delete;

 private:
  void exchange() const {
    if (active_) SWPCOM(kVesselBlockWords, TPCM.NAVBLQ.data(), TPCM.IVESL.data());
  }
  bool active_;
};

// The static line state of the feedback: the line tables and anchor geometry from the data set,
// each line's azimuth, the line driver's solution at the anchors. The lines of a buoy leave it
// outwards: a line's azimuth is that of its fairlead about the buoy's axis. Without lines there is
// nothing to tabulate (a data set of this program carries no mooring section, so no table sizes
// either), and the terms of the lines are all 0.
void prepareLines() {
  const Morcom& m = TPCM.moor;
  if (m.NLIN != 0) setUpLineTables();
  for (int i = 1; i <= m.NLIN; ++i) {
    LINCOM.ANGDPP(i) = std::atan2(m.RFLD(2, i), m.RFLD(1, i)) * kDegreesPerRadian;
  }
  const BuoyInVesselPlace exchange(TPCM.CREATR == kSimFirnedo);
  LINDRV(LINCOM.RANCK.data(), LINCOM.ZANCK.data());
}

// Steps 2 to 5: the passes until the frequencies, the damping and their grid points settle.
// Returns what the last moored pass leaves for the work table.
PassMemory naturalFrequencies(bool feedback) {
  Tpcm& t = TPCM;
  Himem& h = HIMEM;
  h.JP = h.JH = h.JR = h.JSG = h.JSW = h.JY = t.NWP;
  const float start = WAVCOM.W(t.NWP);
  h.WH = h.WP = h.WR = start;
  h.WSG = h.WSW = h.WY = feedback ? start : 0.0f;

  PassMemory memory;
  GridPoints kept{};
  disc::Settling settling(
      {&h.WH, &h.WP, &h.WR, &h.WY, &h.WSG, &h.WSW, &t.HVMDMP, &t.PTMDMP, &t.RLMDMP, &t.SGMDMP, &t.SWMDMP, &t.YWMDMP});
  const auto pass = [&] {
    traceGridPoints(kept);
    kept = gridPoints();
    addedMassesAndUnmooredFrequencies(feedback);
    if (!feedback) return;
    std::int32_t calibration = 0;
    DSKFRC(calibration);
    mooringTerms(memory);
    findGridPoints(true);
  };
  const auto gridPointsMoved = [&] {
    findGridPoints(feedback);
    return !(gridPoints() == kept);
  };
  disc::iterateToFixedPoint(feedback, settling, pass, gridPointsMoved);
  return memory;
}

// Step 6: the lines' work over surge offsets 0, s, ... 89 s at the sea's mean frequency, the step s
// spanning twice the larger of the expected surge motion and the design wave height (eight design
// waves when the user gives both surge period and damping).
void lineWorkTable(const PassMemory& memory) {
  const Tpcm& t = TPCM;
  Lincom& lc = LINCOM;
  float H = memory.H;
  if (!memory.waveTaken) {
    float S = 0.0f;
    HTSLOP(t.DEPTH, WAVCOM.G, t.LSLPHT, t.SLPHT, HIMEM.WSG, H, S);
  }
  float step = 0.0f;
  if (t.LSGPRD == 0 || t.LSGDMP == 0) {
    step = 2.0f * std::fmax(memory.surgeAmplitude, H) / static_cast<float>(kTableSteps);
  } else {
    step = 8.0f * WAVCOM.DURFAC * H / static_cast<float>(kTableSteps);
  }
  lc.WVOFST(1) = step;
  lc.WFERGF(1) = 0.0f;
  const float omega = kTwoPi / WAVCOM.TAVG;
  // The work integral by the trapezoid rule over each step, from the lines' force at both of its
  // ends: at rest (offset 0) they pull with no force amplitude. A linear spring K so gives its
  // energy K x^2 / 2 at every offset, which the surge correction matches.
  float before = 0.0f;
  for (int i = 2; i <= kTableSteps; ++i) {
    const float offset = static_cast<float>(i - 1) * step;
    const float force = std::abs(lineTerms(Mode::kSurge, offset, omega).F);
    lc.WFERGF(i) = lc.WFERGF(i - 1) + 0.5f * (before + force) * step;
    before = force;
  }
}

}  // namespace

namespace disc {

bool Settling::settled() const {
  for (std::size_t i = 0; i < value.size(); ++i) {
    const float change = std::fabs(1.0f - previous[i] / *value[i]);
    if (change > (i < 6 ? kFrequencyTolerance : kDampingTolerance)) return false;  // NaN passes
  }
  return true;
}

void Settling::keep() {
  for (std::size_t i = 0; i < value.size(); ++i) previous[i] = *value[i];
}

void AVGUPD(Settling& settling) {
  for (std::size_t i = 0; i < settling.value.size(); ++i) {
    *settling.value[i] = (*settling.value[i] + settling.previous[i]) / 2.0f;
    settling.previous[i] = *settling.value[i];
  }
}

IterationEnd iterateToFixedPoint(bool moored, Settling& settling, const std::function<void()>& pass,
                                 const std::function<bool()>& gridPointsMoved) {
  int passes = 0;  // within the attempt
  int attempt = 0;
  int gridChecks = 0;
  for (;;) {
    ++passes;
    pass();
    if (moored && !settling.settled()) {
      if (passes > kAveragingPass) {
        AVGUPD(settling);
      } else {
        settling.keep();
      }
      if (passes > kAttemptPasses) {
        ++attempt;
        if (attempt > kSilentAttempts && acceptAfterFailure(attempt)) return IterationEnd::kAccepted;
        passes = 0;
      }
      continue;
    }
    if (!gridPointsMoved()) return IterationEnd::kSettled;
    if (++gridChecks >= kMaxGridChecks) {
      warnUnsettledGridPoints();
      return IterationEnd::kGridPointsLeft;
    }
    settling.keep();
  }
}

}  // namespace disc

void HTSLOP(float DEPTH, float G, std::int32_t LSLPHT, float SLPHT, float W, float& H, float& S) {
  float kd = 0.0f;
  WAVVEC(W * std::sqrt(DEPTH / G), kd);
  const float k = kd / DEPTH;
  if (LSLPHT == 1) {
    S = SLPHT / kDegreesPerRadian;
    H = 2.0f * S / k;
  } else {
    H = SLPHT;
    S = 0.5f * H * k;
  }
}

void DSKCHR() {
  equivalentCylinder();
  const bool feedback = TPCM.MORFBK == 1;
  if (feedback) prepareLines();
  const PassMemory memory = naturalFrequencies(feedback);
  if (feedback) lineWorkTable(memory);
}

}  // namespace qv

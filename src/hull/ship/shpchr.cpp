// SHPCHR: the ship's equivalent box, its hydrostatic and inertial terms, and the natural heave,
// pitch and roll frequencies found by iterating the frequency-dependent added masses over the grid.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>
#include <string_view>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_common.h"
#include "hull/ship/ship_fits.h"
#include "numlib/circle_constants.h"
#include "numlib/roots.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "waves/wavcom.h"

namespace qv {

constinit ShpchrState shpchrState{};
const BlockReset resetShpchrState{[] { shpchrState.reset(); }};

namespace {

constexpr int kRootSteps = 50;       // step limit of the box-draft search
constexpr int kMaxDoublings = 10;    // widenings of the draft bracket before giving up
constexpr int kMaxPasses = 30;       // the natural-frequency loop ends after at most 31 passes
constexpr float kWaterplaneMismatch = 0.3f;  // relative difference of TAWP and the box waterplane

// A warning of the box goes to the console and, when the summary report is written elsewhere, into
// the report too; the user may then stop the run.
void warnAndAsk(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    writeRecord(TPCM.EDUNIT, line);
    if (TPCM.NEGSUM == 0 && TPCM.IUNIT != TPCM.EDUNIT) writeRecord(TPCM.IUNIT, line);
  }
  ABORT0(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  if (TPCM.LBACK < 0) silentStop("SHPCHR");
}

// The suspicious box's warning. Where the vessel's own motions replace the box's, it names what the
// box still gives: the figures of the hull model that the run reports or passes on whatever the
// motions are.
std::vector<std::string> suspiciousBoxLines() {
  const Tpcm& t = TPCM;
  std::vector<std::string> lines{" ++> Suspicious equivalent box", " --> Re-check input data and retry or proceed at risk..."};
  if (t.AUXVSH == 0) return lines;
  // A tanker drift model reads the frequency of the waves in units of the natural pitch frequency,
  // which is the box's unless the data set gives the pitch period.
  const bool tankerDrift =
      (ONEON(t.LWVCOF, kDriftTankerLegacy, t.EDUNIT) || ONEON(t.LWVCOF, kDriftTanker2001, t.EDUNIT)) &&
      t.LPTPRD == 0;
  addFlowingLines(lines, kFlowIndent,
                  std::string("The vessel's own motions (page 6, item 13) replace the box's; the box still gives the "
                              "summary's natural periods and damping, the driving forces of the RAO report") +
                      (tankerDrift ? ", " : " and ") +
                      "the pitch and roll centres at which the surge and sway statistics are given" +
                      (tankerDrift ? " and the natural pitch period by which the tanker drift model (page 8, item 22) "
                                     "scales its forces."
                                   : "."));
  return lines;
}

// The box draft: the root of FCT between 0 and the draft of the largest box volume. When the
// displacement is not bracketed, the upper end is moved out by doubling R, at most ten times.
void findBoxDraft() {
  Himem& h = HIMEM;
  float R = TPCM.VKML / TPCM.VKMT + 1.0f;
  int IER = 0;
  for (int doublings = 0;; ++doublings) {
    const float XRI = (0.83333f * R - std::sqrt(0.69444f * R * R - 2.6666f * (R - 1.0f))) * TPCM.VKMT;
    float F = 0.0f;
    RTMI1(h.EDRAFT, F, FCT, 0.0f, XRI, h.EPS, 0.5f * h.DELTA * h.DELTA, kRootSteps, IER);
    if (IER != kRootNotBracketed || doublings == kMaxDoublings) break;
    R = 2.0f * R;
  }
  if (IER != kRootFound) {
    fatalStop("SHPCHR", TPCM.EDUNIT,
              {" ++> Equivalent box determination failure;",
               std::string("     recheck vessel hydrostatics (especially KML, KMT)") + " and retry",
               "     Error Index = " + fmtI(IER, 5)},
              FatalWait::kPressReturn, kKeyboardUnit);
  }
}

// Box dimensions, restoring terms and the waterplane check (steps of the box proper).
void shapeTheBox() {
  Himem& h = HIMEM;
  h.BEAM = std::sqrt(12.0f * h.EDRAFT * TPCM.VKMT - 6.0f * h.EDRAFT * h.EDRAFT);
  h.SHIPL = h.DELTA / h.EDRAFT / h.BEAM;
  WAVCOM.SHPLNQ = h.SHIPL;
  WAVCOM.BEAMQ = h.BEAM;
  WAVCOM.DRAFTQ = h.EDRAFT;
  // The box is the same each time the hull model runs again (for each heading of the low-frequency
  // stage), so its warnings and their questions come once in a run.
  if (h.BEAM > h.SHIPL && !shpchrState.beamBeyondLengthWarned) {
    shpchrState.beamBeyondLengthWarned = true;
    warnAndAsk({" ++> Warning: equivalent box beam exceeds length;",
                " --> Pitch/roll damping estimates may be compromised."});
  }

  h.SHIPL2 = h.SHIPL / 2.0f;
  h.BEAM2 = h.BEAM / 2.0f;
  h.XSCALE = h.SHIPL2;
  h.YSCALE = h.BEAM2;
  h.GML = TPCM.VKML - TPCM.VKG;
  h.GMT = TPCM.VKMT - TPCM.VKG;
  h.WPML = h.SHIPL * h.SHIPL * h.SHIPL * h.BEAM / 12.0f;
  h.WPMT = h.BEAM * h.BEAM * h.BEAM * h.SHIPL / 12.0f;
  h.EVKG = h.WPMT / h.DELTA + h.EDRAFT / 2.0f - h.GMT;
  h.PRMT = WAVCOM.G * h.GML * h.DELTA;
  h.RRMT = WAVCOM.G * h.GMT * h.DELTA;
  ship::trace(" SHPCHR box:", {h.DELTA, h.EDRAFT, h.BEAM, h.SHIPL, h.GML, h.GMT, h.WPML, h.WPMT, h.EVKG, h.PRMT,
                               h.RRMT});

  // A data set without a waterplane area takes the box's; a given one far from it casts doubt on
  // the hydrostatics.
  if (TPCM.TAWP <= 0.0f) TPCM.TAWP = h.SHIPL * h.BEAM;
  if (std::fabs(TPCM.TAWP - h.SHIPL * h.BEAM) / TPCM.TAWP >= kWaterplaneMismatch && !shpchrState.suspiciousBoxWarned) {
    shpchrState.suspiciousBoxWarned = true;
    warnAndAsk(suspiciousBoxLines());
  }
  h.HC = WAVCOM.G * TPCM.TAWP;
}

// Added-mass coefficients, rotation centres, the damping scales and the zero- and high-frequency
// added masses of the box; returns the bilge keel's roll added inertia.
float addedMasses() {
  Himem& h = HIMEM;
  h.DLRAT = 2.0f * h.EDRAFT / h.SHIPL;
  h.BLRAT = h.BEAM / h.SHIPL;
  h.CSG = SGSWMS(h.DLRAT, h.BLRAT, 1, TPCM.EDUNIT);
  h.DBRAT = 2.0f * h.EDRAFT / h.BEAM;
  h.CSW = SGSWMS(h.DBRAT, 1.0f / h.BLRAT, 1, TPCM.EDUNIT);

  h.VTCRR = (h.CSW * h.EDRAFT / 2.0f + h.EVKG) / (1.0f + h.CSW);
  h.VTCRP = (h.CSG * h.EDRAFT / 2.0f + h.EVKG) / (1.0f + h.CSG);

  const float keel = TPCM.TLKEEL != 0 ? kPi * TPCM.TTKEEL * TPCM.TRKEEL * TPCM.TRKEEL *
                                            (TPCM.TDKEEL * TPCM.TDKEEL + h.VTCRR * h.VTCRR)
                                      : 0.0f;

  const float L2cubed = h.SHIPL2 * h.SHIPL2 * h.SHIPL2;
  const float L2fifth = L2cubed * h.SHIPL2 * h.SHIPL2;
  const float B2fifth = h.BEAM2 * h.BEAM2 * h.BEAM2 * h.BEAM2 * h.BEAM2;
  h.HCONST = L2cubed * std::sqrt(h.BLRAT) * h.BLRAT;
  h.PCONST = h.HCONST * h.SHIPL2 * h.SHIPL2 * std::pow(h.BLRAT, -1.0f / 6.0f);

  h.IHI = FHEAVE(h.BLRAT) * L2cubed;
  h.HMASHI = (1.0f - 0.39025f * h.BLRAT) * kHalfPi * h.SHIPL * (0.5f * h.BEAM) * (0.5f * h.BEAM);
  h.HMSRAT = h.HMASHI / h.IHI;

  const float b = h.BLRAT;
  h.PMAS0 = FPITCH(b) * L2fifth;
  h.PMASHI = (1.0f - 1.1707f * b - 0.65852f * b * b + 1.15823f * b * b * b) * L2fifth * b * b * kPi / 3.0f;
  h.PMSRAT = h.PMASHI / h.PMAS0;

  // Roll: the deep-section value blended towards the high-frequency one as the section gets shallow.
  h.RMAS0 = FPITCH(1.0f / b) * B2fifth;
  h.RMASHI = (0.392699f / b - 0.067497f) * B2fifth;
  const float D = (h.EDRAFT / h.BEAM) * (h.EDRAFT / h.BEAM);
  h.RMAS0 = D * h.RMAS0 + (1.0f - D) * h.RMASHI;

  h.WPL = std::sqrt(h.PRMT / h.PMAS0);
  h.WRL = std::sqrt(h.RRMT / h.RMAS0);

  h.PTCH1 = (TPCM.TPGYR * TPCM.TPGYR + (h.VTCRP - h.EDRAFT / 2.0f) * (h.VTCRP - h.EDRAFT / 2.0f) * h.CSG) * h.DELTA;
  h.ROL1 = (TPCM.TRGYR * TPCM.TRGYR + (h.VTCRR - h.EDRAFT / 2.0f) * (h.VTCRR - h.EDRAFT / 2.0f) * h.CSW) * h.DELTA;
  h.HVM1 = h.DELTA;
  h.YAWI = h.DELTA * TPCM.YGYR * TPCM.YGYR;
  ship::trace(" SHPCHR inertias:", {h.PTCH1, h.ROL1, h.HVM1, h.YAWI, h.IHI, h.PMAS0, h.RMAS0, h.WPL, h.WRL});
  return keel;
}

// A natural frequency that is not a positive number (hydrostatics that leave the box without
// stiffness or with an inertia that is no number) has no grid point: the run stops, naming it.
void requireNaturalFrequency(float w, std::string_view mode) {
  if (std::isfinite(w) && w > 0.0f) return;
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "SHPCHR: the natural " + std::string(mode) + " frequency of the equivalent box is " + messageValue(w) +
                      "; recheck the vessel hydrostatics (page 5: KMT, KML, VKG) and the gyradii (page 6).");
  fatalStop("SHPCHR", TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// The natural frequencies: the added masses at the grid point of each frequency give a new
// frequency, whose grid point gives new added masses, until no grid point moves. A user's natural
// period replaces the computed frequency of its mode.
void naturalFrequencies(float keel) {
  Himem& h = HIMEM;
  h.JP = h.JH = h.JR = TPCM.NWP;
  int lastJP = 0, lastJH = 0, lastJR = 0;
  for (int pass = 1;; ++pass) {
    lastJP = h.JP;
    lastJH = h.JH;
    lastJR = h.JR;
    float HA = 0.0f, PA = 0.0f, HB = 0.0f, PB = 0.0f;

    DPMAS0(HA, PA, HB, PB, ship::frequencyAt(h.JP), ship::waveNumberAt(h.JP) * h.SHIPL2, h.HCONST, h.IHI,
           h.HMSRAT, h.PCONST, h.PMAS0, h.PMSRAT);
    h.PTCHI = h.PTCH1 + PA;
    h.WP = TPCM.LPTPRD != 0 ? kTwoPi / TPCM.PITPRD : std::sqrt(h.PRMT / h.PTCHI);

    DPMAS0(HA, PA, HB, PB, ship::frequencyAt(h.JH), ship::waveNumberAt(h.JH) * h.SHIPL2, h.HCONST, h.IHI,
           h.HMSRAT, h.PCONST, h.PMAS0, h.PMSRAT);
    h.HVMAS = h.DELTA + HA;
    h.WH = TPCM.LHVPRD != 0 ? kTwoPi / TPCM.HEVPRD : std::sqrt(h.HC / h.HVMAS);

    h.RMAS1 = h.RMAS0 * RMAS(ship::waveNumberAt(h.JR) * h.BEAM2) + keel;
    h.ROLI = h.ROL1 + h.RMAS1;
    h.WR = TPCM.LRLPRD != 0 ? kTwoPi / TPCM.ROLPRD : std::sqrt(h.RRMT / h.ROLI);
    requireNaturalFrequency(h.WP, "pitch");
    requireNaturalFrequency(h.WH, "heave");
    requireNaturalFrequency(h.WR, "roll");

    GRIDPT(kTwoPi / h.WP, h.JP);
    GRIDPT(kTwoPi / h.WR, h.JR);
    GRIDPT(kTwoPi / h.WH, h.JH);
    ship::trace(" SHPCHR natural frequencies (pass, JP, JH, JR, WP, WH, WR):",
                {static_cast<float>(pass), static_cast<float>(h.JP), static_cast<float>(h.JH),
                 static_cast<float>(h.JR), h.WP, h.WH, h.WR});
    const bool settled = h.JP == lastJP && h.JH == lastJH && h.JR == lastJR;
    if (settled || pass > kMaxPasses) break;
  }
  // A last step of one grid point is an oscillation between neighbours, which is accepted.
  if (std::abs(h.JP - lastJP) > 1 || std::abs(h.JH - lastJH) > 1 || std::abs(h.JR - lastJR) > 1) {
    const Tpcm& t = TPCM;
    std::vector<std::string> lines{std::string(" ++> Failure in natural period loop; change") +
                                   " wave period grid and retry."};
    addFlowingLines(lines, "     ",
                    "The natural periods do not settle on the grid of " + std::to_string(t.NWP) + " periods from " +
                        messageValue(t.T(1)) + " to " + messageValue(t.T(t.NWP)) + " s (page 14, item 2).");
    fatalStop("SHPCHR", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
}

}  // namespace

float FCT(float& T) {
  const float ML = TPCM.VKML;
  const float MT = TPCM.VKMT;
  const float DELTA = HIMEM.DELTA;
  return (36.0f * T * T - 72.0f * T * (ML + MT) + 144.0f * ML * MT) * T * T * T * T - DELTA * DELTA;
}

void SHPCHR() {
  Himem& h = HIMEM;
  h.DELTA = TPCM.TDISPL * 1000.0f / TPCM.DWATR;
  h.EPS = 0.001f;
  findBoxDraft();
  shapeTheBox();
  const float keel = addedMasses();
  naturalFrequencies(keel);
  if (TPCM.NBUG == 1) {
    const ship::NaturalDamping d = ship::naturalDamping();
    ship::trace(" SHPCHR natural periods (heave, pitch, roll) and damping (heave, pitch) [%]:",
                {kTwoPi / h.WH, kTwoPi / h.WP, kTwoPi / h.WR, d.heave, d.pitch});
  }
}

}  // namespace qv

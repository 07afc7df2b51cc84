#include "dynamics/fremot.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynslm.h"
#include "dynamics/frelod.h"
#include "dynamics/heading_waves.h"
#include "dynamics/ranout.h"
#include "hull/equilb.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "statics/wet_elements.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kCaller = "FREMOT";

[[noreturn]] void stopRun(std::initializer_list<std::string_view> lines) {
  fatalStop(kCaller, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// Upright, a member's weight W acts at its centre of gravity and the buoyancy B it keeps at the centre
// of what stays under water; the column rights itself only where B's moment outweighs W's and that
// of the members above.
[[noreturn]] void noStableMode() {
  const Solve& s = SOLVE;
  const Dyncom& d = DYNCOM;
  std::vector<std::string> lines{" ++> Free Salm has no stable upright mode; check buoyancy and weights",
                                 "     Upright, above each member's lower joint:"};
  for (int I = 1; I <= s.NCON; ++I) {
    const float B = d.TMPBCY(I);
    const std::string buoyancy =
        B == 0.0f ? "no buoyancy" : "buoyancy " + forceText(B) + " at " + lengthText(d.TMPLBD(I) / B);
    // Its weight on one line, its buoyancy on the next.
    addFlowingLines(lines, "     ",
                    "member " + fmtI(I, 0) + " (" + memberElements(I) + "): weight " + forceText(s.CNMASS(I)) + " at " +
                        lengthText(s.CNCG(I)) + ",");
    addFlowingLines(lines, "     ", buoyancy + (I == s.NCON ? "." : ","));
  }
  if (s.IPERCN >= 1 && s.IPERCN <= s.NCON) {
    addFlowingLines(lines, "     ",
                    "Member " + fmtI(s.IPERCN, 0) +
                        " pierces the surface: the buoyancy above it is taken off with the waterplane area " +
                        areaText(TPCM.WPAPRC) + " (page 2, item 5).");
  }
  addFlowingLines(lines, "     ", "Check the element volumes, weights and their centres (page 3, items 3 to 6).");
  fatalStop(kCaller, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// Steps 2 to 4: the run's sea state in WAVCOM, the grid of the regular-wave periods and the sea and
// swell spectra with their significant heights. Each swell's period must lie within the grid: its
// nearest grid period from T(3) to T(NWP).
void seaState() {
  Tpcm& t = TPCM;
  if (t.NWP < 1) stopRun({" ++> No regular-wave periods: the free Salm dynamics have nothing to evaluate"});
  t.LBACK = 0;
  std::vector<std::string> offTheGrid = swellOffTheGrid(3);
  if (!offTheGrid.empty()) {
    offTheGrid.insert(offTheGrid.begin(), " ++> SWELL OUTSIDE WAVE PERIOD RANGE");
    fatalStop(kCaller, TPCM.EDUNIT, offTheGrid, FatalWait::kPressReturn, kKeyboardUnit);
  }
  buildSeaState();
}

// Step 5: the upright column as the one equilibrium, at no load.
void uprightColumn() {
  Dyncom& d = DYNCOM;
  Equilb& e = EQUILB;
  Output& o = OUTPUT;
  d.ZERO = Complex(0.0f, 0.0f);
  d.ONE = Complex(1.0f, 0.0f);
  d.IMAG = Complex(0.0f, 1.0f);
  e.ISTAB = 1;
  e.FLTRL0 = 0.0f;
  e.FTOT(1) = 0.0f;
  e.TANGLE(1) = 0.0f;
  e.SLMANG(1) = 0.0f;
  o.COSP21 = 1.0f;
  o.SINP21 = 0.0f;
  for (int M = 1; M <= 2; ++M) {
    o.EQCOS(M) = 1.0f;
    o.EQSIN(M) = 0.0f;
  }
}

// Step 6. The run checks refuse a data set with more members before any stage (dynamicsMemberFinding).
void checkMemberCount() {
  const int n = SOLVE.NCON;
  const bool tooMany = n > dynamicsMemberLimit(kFreeSalm);
  if (!tooMany && n >= 1) return;
  std::vector<std::string> lines{tooMany ? " ++> Too many Salm members for dynamic evaluation"
                                         : " ++> Too few Salm members for dynamic evaluation"};
  addFlowingLines(lines, "     ", memberCountText() + "; the dynamics of a free Salm takes 1 or 2 members.");
  fatalStop(kCaller, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// The piercing member standing upright: the dry height of its buoyant part, the buoyancy that part
// loses and the moment of the wet buoyancy about the member's lower joint. The dry part is a cylinder
// of the waterplane's section at the top of the buoyant part, its centre half the dry height below
// that top; the wet buoyancy acts at the centroid of what stays under water.
struct UprightPiercing {
  float HDRY = 0.0f;       // [ft | m]
  float DRYVOL = 0.0f;     // [kips | t]
  float wetMoment = 0.0f;  // [ft kips | m t]
};
UprightPiercing uprightPiercing() {
  const Solve& s = SOLVE;
  UprightPiercing p;
  p.HDRY = s.HDRY0 - (s.CNLEN(s.IPERCN) - s.BOYLEN);
  p.DRYVOL = TPCM.WPAPRC * p.HDRY * s.BCONV;
  p.wetMoment = s.WETVL0 * s.PRCCB - p.DRYVOL * (s.BOYLEN - 0.5f * p.HDRY);
  return p;
}

// Step 7: the vertical joint loads at zero load are the members' axial loads; an upright member
// carries no static shear. Its shear per unit turn is its net weight less its moment term plus the
// pull at its lower joint; for the piercing member both as it floats, with the wet buoyancy at the
// wet centroid (the statics' WETWT and WETARM count its whole buoyant part).
void staticJointLoads() {
  Solve& s = SOLVE;
  Output& o = OUTPUT;
  for (int M = 1; M <= s.NCON; ++M) {
    s.ZLDTMP(M) = s.ZLOAD0(M);
    o.FAX(M, M) = s.ZLOAD0(M);
    o.FAX(M + 1, M) = s.ZLOAD0(M + 1);
    o.FSHR(M, M) = 0.0f;
    o.FSHR(M + 1, M) = 0.0f;
    float net = s.WETWT(M), arm = s.WETARM(M);
    if (M == s.IPERCN) {
      net = s.CNMASS(M) - s.B0;
      arm = s.WEPERC - uprightPiercing().wetMoment / s.CNLEN(M);
    }
    o.SPRGK(M) = net - arm + s.ZLOAD0(M);
  }
}

// Step 8: added inertia of every member, buoyancy of the members up to the piercing one. The dry
// height of the piercing member standing upright takes its buoyancy off, which then acts at the wet
// centroid; under a dry buoy top it takes its share off the added mass and inertia as well, while
// under a wet one the dry part keeps them, as the wave loads give it its inertia load.
void piercingMember(float G) {
  const Tpcm& t = TPCM;
  Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  wetMemberTerms();
  if (s.IPERCN == 0) return;
  s.HDRY = 0.0f;
  s.DRYVOL = 0.0f;
  if (s.IPERCN > s.NCON) return;
  const int P = s.IPERCN;
  const UprightPiercing upright = uprightPiercing();
  s.HDRY = upright.HDRY;
  s.DRYVOL = upright.DRYVOL;
  d.TMPLBD(P) = upright.wetMoment;
  d.TMPBCY(P) = s.B0;
  if (partIsWet(ColumnPart::kBuoyTop, t.WETYOK)) return;
  const float k = t.COFMST(t.IPIERC);
  const float LP = s.CNLEN(P);
  d.AMITMP(P) = s.CADMOI(P) - k * dryPartSecondMoment() / G;
  s.ADMBCY(P) = s.ADMBCY(P) - s.DRYVOL * k;
  s.ADMLBD(P) = s.ADMLBD(P) - ((LP - s.HDRY0) + 0.5f * s.HDRY) * s.DRYVOL * k;
}

// Step 10: the upright members in the SALM's axes, the base joint DEFF below the surface.
void uprightGeometry() {
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  d.RBASE1 = Arr<float, 3>{0.0f, 0.0f, -s.DEFF};
  d.RBASE2 = Arr<float, 3>{0.0f, 0.0f, -s.DEFF + s.CNLEN(1)};
  d.DRMEM1 = Arr<float, 3>{0.0f, 0.0f, 1.0f};
  d.DRMEM2 = Arr<float, 3>{0.0f, 0.0f, 1.0f};
}

// Step 11, one member: a compound pendulum standing on buoyancy.
void oneMemberMode() {
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  d.EFMS11 = d.CMOI(1);
  o.EQMASS = d.EFMS11;
  d.EFK1 = -(d.TMPLWE(1) - d.TMPLBD(1));
  if (!(d.EFK1 > 0.0f && d.EFMS11 > 0.0f)) noStableMode();
  o.WMODEH = std::sqrt(d.EFK1 / d.EFMS11);
  o.TSALMH = kTwoPi / o.WMODEH;
  writeRecord(TPCM.EDUNIT, " >>> Free Salm normal mode period =" + fmtF(o.TSALMH, 6, 2) + " seconds");
  d.AHI = 0.0f;
  d.ALO = 0.0f;
}

// Step 11, two members: det(K - omega^2 M) = 0 for the diagonal stiffness of the two rotations and
// their mass matrix, a quadratic in omega^2; the shapes from the first row of (K - omega^2 M) phi = 0.
// Returns SLEN0, the height on member 2 above its lower joint at which the high mode stands still.
float twoMemberModes(float G) {
  const Solve& s = SOLVE;
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const float L1 = s.CNLEN(1);
  const float M2 = s.CNMASS(2);
  const float AL2 = s.ADMLBD(2), AB2 = s.ADMBCY(2);
  d.EFK1 = -(L1 * (M2 - d.TMPBCY(2)) + d.TMPLWE(1) - d.TMPLBD(1));
  d.EFK2 = -(d.TMPLWE(2) - d.TMPLBD(2));
  const float M2STAR = (M2 + AB2) / G;
  d.EFMS11 = d.CMOI(1) + L1 * L1 * M2STAR;
  d.EFMS22 = d.CMOI(2);
  d.EFMS12 = L1 * (d.TMPLWE(2) + AL2) / G;
  const float AFAC = d.EFMS11 * d.EFMS22 - d.EFMS12 * d.EFMS12;
  const float BFAC = -(d.EFMS22 * d.EFK1 + d.EFMS11 * d.EFK2);
  const float CFAC = d.EFK1 * d.EFK2;
  const float DISCR = BFAC * BFAC - 4.0f * AFAC * CFAC;
  if (!(d.EFK1 > 0.0f && d.EFK2 > 0.0f && AFAC > 0.0f && DISCR >= 0.0f)) noStableMode();
  const float root = std::sqrt(DISCR);
  o.WMODEH = std::sqrt((root - BFAC) / (2.0f * AFAC));
  o.WMODEL = std::sqrt((-BFAC - root) / (2.0f * AFAC));
  o.TSALMH = kTwoPi / o.WMODEH;
  o.TSALML = kTwoPi / o.WMODEL;
  // The shapes divide by the coupling, and the node of the high mode by its shape.
  if (d.EFMS12 == 0.0f) noStableMode();
  d.AHI = d.EFK1 / (d.EFMS12 * (o.WMODEH * o.WMODEH)) - d.EFMS11 / d.EFMS12;
  d.ALO = d.EFK1 / (d.EFMS12 * (o.WMODEL * o.WMODEL)) - d.EFMS11 / d.EFMS12;
  if (!(std::isfinite(d.AHI) && d.AHI != 0.0f && std::isfinite(d.ALO))) noStableMode();
  writeRecord(TPCM.EDUNIT, " >>> Free Salm normal mode periods =" + fmtF(o.TSALMH, 6, 2) + "," + fmtF(o.TSALML, 7, 2) +
                               " seconds");
  const float TMPFAC = L1 * (d.TMPLWE(2) + AL2) / G;
  o.EQMASS = d.EFMS11 + d.AHI * d.AHI * d.EFMS22 + 2.0f * d.AHI * TMPFAC;
  o.EQMAS2 = d.EFMS11 + d.ALO * d.ALO * d.EFMS22 + 2.0f * d.ALO * TMPFAC;
  return -L1 / d.AHI;
}

// Step 12: the quadratic drag integrals. A point at height x on member 1 moves as x per unit turn of
// member 1, in either mode; a point at height x on member 2 as L1 + AHI x in the high mode and
// L1 + ALO x in the low mode. Per element the projected area (diameter times wetted length) is
// weighted with the cube of that motion: exactly over member 1, at the element's centre of buoyancy
// on member 2, and exactly about the high mode's node SLEN0 in the element that holds it. Dry elements
// count nothing (the wetness rule); under a dry buoy top the piercing element counts its wetted length
// only.
void dragAreaMoments(float SLEN0) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const float L1 = s.CNLEN(1);
  const auto fourth = [](float x) { return (x * x) * (x * x); };
  const bool dryTop = !partIsWet(ColumnPart::kBuoyTop, t.WETYOK);
  d.A1MOM3 = 0.0f;
  d.A2MOMH = 0.0f;
  d.A2MOML = 0.0f;
  for (int ICON = 1; ICON <= s.NCON; ++ICON) {
    float BASEHT = 0.0f;
    float TMPAR2 = 0.0f;
    for (int II = s.JELEM(ICON); II <= s.JELEM(ICON + 1) - 1; ++II) {
      float ELEMLN = t.SLEN(II);
      float DELARM = t.CBUOY(II);
      if (II == t.IPIERC && dryTop) {
        ELEMLN = t.SLEN(II) - s.HDRY;
        DELARM = 0.5f * (t.SLEN(II) - s.HDRY);
      }
      const float TMPAR = !elementIsWet(II, ICON) || t.SLEN(II) == 0.0f
                              ? 0.0f
                              : 2.0f * std::sqrt(t.BUOY(II) * ELEMLN) / std::sqrt(s.BCONV * kPi);
      const float TMPLEN = BASEHT + DELARM;
      // Member 2's elements count in its own integrals only: about its lower joint they would
      // describe no motion of either mode.
      if (ICON == 1 && ELEMLN != 0.0f) d.A1MOM3 += 0.25f * TMPAR * (fourth(BASEHT + ELEMLN) - fourth(BASEHT)) / ELEMLN;
      if (ICON == 2) {
        const float TMPLH = L1 + d.AHI * TMPLEN;
        const float TMPLL = L1 + d.ALO * TMPLEN;
        d.A2MOML += TMPLL * TMPLL * TMPLL * TMPAR;
        float AHITMP = std::fabs(TMPLH * TMPLH * TMPLH);
        if (BASEHT < SLEN0 && SLEN0 <= BASEHT + ELEMLN) {
          // The mean of |AHI (x - SLEN0)|^3 over the element (AHI < 0 when the node lies on member 2).
          const float sum = fourth(SLEN0 - BASEHT) + fourth(BASEHT + ELEMLN - SLEN0);
          AHITMP = -0.25f * (d.AHI * d.AHI * d.AHI) * sum / ELEMLN;
        }
        d.A2MOMH += AHITMP * TMPAR;
      }
      BASEHT += t.SLEN(II);
      TMPAR2 += TMPAR;
    }
    if (ICON == 1) {
      const float TMPCB = s.CNCB(1);
      d.AMOM2(1) = TMPAR2 * TMPCB * TMPCB;
      d.AMOM3(1) = d.AMOM2(1) * TMPCB;
    }
  }
}

// Step 13.
void outputFlags() {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  o.LREG = t.ALLRAO + t.PRNRAO;
  o.SPRDFG = t.COSEXP != 0.0f ? 1 : 0;
  o.MLTRAO = o.SPRDFG == 1 || wavesOnSeveralHeadings() ? 1 : 0;
}

// The debug listing of the driver's results, with the chance to change the debug level.
void debugListing() {
  Tpcm& t = TPCM;
  const Wavcom& w = WAVCOM;
  const Output& o = OUTPUT;
  const Dyncom& d = DYNCOM;
  listDebugValues("TS, TL, DT, SWH, SWHSWL:", {w.TS, w.TL, w.DT, w.SWH, w.SWHSWL});
  writeRecord(t.EDUNIT, " NSPEC, NSWEL:" + fmtI(w.NSPEC, 5) + fmtI(w.NSWEL, 5));
  for (int I = 1; I <= SOLVE.NCON; ++I) {
    listDebugValues("MEMBER " + fmtI(I, 1) + " CLMAS, CMOI, TMPLWE, TMPLBD:",
                    {d.CLMAS(I), d.CMOI(I), d.TMPLWE(I), d.TMPLBD(I)});
  }
  listDebugValues("EFMS11, EFMS12, EFMS22:", {d.EFMS11, d.EFMS12, d.EFMS22});
  listDebugValues("EFK1, EFK2, AHI, ALO:", {d.EFK1, d.EFK2, d.AHI, d.ALO});
  listDebugValues("WMODEH, WMODEL, EQMASS, EQMAS2:", {o.WMODEH, o.WMODEL, o.EQMASS, o.EQMAS2});
  listDebugValues("A1MOM3, A2MOMH, A2MOML, AMOM2, AMOM3:", {d.A1MOM3, d.A2MOMH, d.A2MOML, d.AMOM2(1), d.AMOM3(1)});
  writeRecord(t.EDUNIT, " LREG, SPRDFG, MLTRAO:" + fmtI(o.LREG, 5) + fmtI(o.SPRDFG, 5) + fmtI(o.MLTRAO, 5));
  INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
}

}  // namespace

void FREMOT() {
  Tpcm& t = TPCM;
  writeRecord(t.EDUNIT, std::string(" >>> Computing free Salm normal") + " mode characteristics...");
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In FREMOT:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  openDynamicsReports(kCaller);
  seaState();
  uprightColumn();
  checkMemberCount();
  staticJointLoads();
  const float G = WAVCOM.G;
  piercingMember(G);
  memberMassProperties(G);
  uprightGeometry();
  float SLEN0 = 0.0f;
  if (SOLVE.NCON == 1) {
    oneMemberMode();
  } else {
    SLEN0 = twoMemberModes(G);
  }
  dragAreaMoments(SLEN0);
  outputFlags();
  if (t.NBUG != 0) debugListing();
  FRELOD();
  closeDynamicsReports(kCaller);
  RANOUT();
}

}  // namespace qv

#include "dynamics/frelod.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "dataset/value_ranges.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynout.h"
#include "dynamics/dynslm.h"
#include "dynamics/heading_waves.h"
#include "dynamics/momdat.h"
#include "dynamics/momout.h"
#include "dynamics/wavfor.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/wavenumber.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "statics/stprt.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "waves/sea_state.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kRoutine = "FRELOD";
constexpr float kDifferenceStep = 0.01f;    // forward differences of the Jacobian, relative
constexpr float kRelativeChange = 0.01f;    // an angle has converged below this relative change
constexpr float kNegligible = 2.0E-5f;      // ... or below this size [rad per ft | m]
constexpr float kResidual = 1.0E-4f;        // and the equations of motion hold to this share of the forces
constexpr int kNewtonStepLimit = 30;        // a period must converge within one step less

// What the run fixes for all its periods.
struct RunTerms {
  int NCON = 1;
  int IBYTOP = 2;        // load station of the free top
  float FRONT = 0.0f;    // quadratic damping factor
  float CQDAMT = 0.0f;   // modal quadratic damping of the low mode
  float DRAGCF = 0.0f;   // factor of the drag output of WAVFOR
  float VCUR2 = 0.0f;    // squared current speed [ft^2/s^2 | m^2/s^2]
  float SQDG = 0.0f;     // sqrt(DEPTH / G) [s]
  // Inertia terms of the member-end shears.
  float c1 = 0.0f, c2 = 0.0f, c21 = 0.0f, cT = 0.0f;
  // Damping terms of the two modes, i times the damping rate.
  Complex GAMIP, GAMIT;
};

// The Newton iteration's Jacobian and residuals: what is not formed in a period keeps its value from
// the period before.
struct NewtonState {
  Complex G1EST, G2EST;    // residuals of the two rows at the current angles
  Complex G11EST, G21EST;  // ... with DELPH1 perturbed
  Complex CG11{0.0f}, CG12{0.0f}, CG21{0.0f}, CG22{1.0f};
};

// The terms of the period in hand.
struct PeriodTerms {
  int IW = 1;
  float omega = 0.0f, omega2 = 0.0f, k = 0.0f;
  Complex QFORCP, QFORCT;   // generalised wave forces of the two rotations
  Complex QDRAGP, QDRAGT;   // generalised drag forces
  Complex QMODE1, QMODE2;   // total generalised forces of the last drag pass
  Complex CPH11, CPH12, CPH21, CPH22;  // dynamic stiffness K - w^2 M
};

Complex& DELPH1() { return DYNCOM.DELPHI(1); }
Complex& DELPH2() { return DYNCOM.DELPHI(2); }

void listComplex(std::string_view label, std::initializer_list<Complex> values) {
  std::string line = " " + std::string(label);
  for (const Complex v : values) line += fmtE(v.real(), 14, 6) + fmtE(v.imag(), 14, 6);
  writeRecord(TPCM.EDUNIT, line);
}

// The heading the pass is named by [deg]: the random waves' that act, or else the regular waves'
// (page 14); never the heading left on a switched-off sea's page. The loads themselves are of waves
// in the column's plane.
float passHeading() { return randomWavesHeading().value_or(TPCM.WAVHDG(1)); }

// Step 1: the run's constants.
RunTerms runTerms() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const Dyncom& d = DYNCOM;
  Output& o = OUTPUT;
  const float G = WAVCOM.G;
  RunTerms r;
  r.NCON = s.NCON;
  r.IBYTOP = 2 * s.NCON;
  o.WAVDIR = passHeading() / kDegreesPerRadianFiveDecimals;
  o.SPDVAL = 1.0f;
  o.IANG = WAVCOM.NA2 + 1;
  for (int m = 1; m <= 3; ++m) {
    o.EQCOS(m) = 1.0f;
    o.EQSIN(m) = 0.0f;
  }
  r.SQDG = std::sqrt(t.DEPTH / G);
  r.FRONT = t.COFDMP * 0.0005f * t.DWATR / G;
  DYNCOM.CQDAMP = r.FRONT * d.A1MOM3;
  if (r.NCON == 2) DYNCOM.CQDAMP += r.FRONT * d.A2MOMH;
  r.CQDAMT = r.FRONT * (d.A1MOM3 + d.A2MOML);
  r.DRAGCF = 0.0316f * std::sqrt(t.DWATR / kPi) / G;
  const float L1 = s.CNLEN(1);
  r.c1 = d.CLMAS(1) - d.CMOI(1) / L1;
  if (r.NCON == 2) {
    const float L2 = s.CNLEN(2);
    r.c2 = d.CLMAS(2) - d.CMOI(2) / L2;
    const float r2 = s.ADMBCY(2) != 0.0f ? s.ADMLBD(2) / s.ADMBCY(2) : 0.0f;
    r.c21 = L1 * (s.CNMASS(2) * (1.0f - s.CNCG(2) / L2) + s.ADMBCY(2) * (1.0f - r2 / L2)) / G;
    r.cT = (s.CNMASS(2) + s.ADMBCY(2)) * o.COSP21 * L1 / G;
  }
  float speed = 0.0f;
  if (t.LCURNT != 0) speed = t.NUNTS == kMetricUnits ? t.CURSPD * 0.514f : t.CURSPD * 1.687f;  // knots to m/s or ft/s
  r.VCUR2 = speed * speed;
  return r;
}

// WAVFOR on member m at the frequency and wave number of the period, the wave along the member
// plane: the wave forces (mode 0, table SHMOM1) or the drag at the current angles (mode 1, SHMOM2).
void memberLoad(const RunTerms& r, const PeriodTerms& p, int m, std::int32_t mode, std::int32_t& counter) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  // The drag part is linearised at the regular wave's amplitude, for the member's motion and the wave's
  // alike; the wave part takes none.
  const float amplitude = mode == 0 ? 0.0f : d.EXTAMP;
  WAVFOR({.RBASE = &d.RBASE(1, m), .JELEM = s.JELEM.data(), .ICON = m, .SLEN = t.SLEN.data(),
          .DRMEM = &d.DRMEM(1, m), .WVKX = p.k, .WVKY = 0.0f, .WAVK = p.k, .DEPTH = t.DEPTH, .NBUG = t.NBUG,
          .unit = t.EDUNIT, .BUOY = t.BUOY.data(), .IW = p.IW, .EQCOS = OUTPUT.EQCOS.data(),
          .EQSIN = OUTPUT.EQSIN.data(), .WETYOK = t.WETYOK, .ABOVEWATER = aboveWaterPart(m),
          .DRGFLG = mode, .DELPH1 = d.DELPHI.data(),
          .DELTHT = d.DELTHT.data(), .WFREQ = p.omega, .BASEVEL = d.BASVL1.data(), .VCUR2 = r.VCUR2,
          .KBD = kKeyboardUnit, .EXTAMP = amplitude, .WVAMP = amplitude, .LMOMT = t.LMOMT.data(), .record = 1,
          .COFMST = t.COFMST.data(), .COFDMT = t.COFDMT.data(),
          .out = {.CFORCE = d.CFORCE.data(), .CMOMT = d.CMOMT.data(),
                  .SHRMOM = (mode == 0 ? d.SHMOM1 : d.SHMOM2).data(), .IMOMT = counter}});
}

// Step 2: the wave forces on the members and their generalised forces: member 1 turns about the
// base, carrying member 2 along with it.
void waveForcePass(const RunTerms& r, PeriodTerms& p) {
  Dyncom& d = DYNCOM;
  const float L1 = SOLVE.CNLEN(1);
  d.PARWV.fill(Complex(0.0f));
  p.QFORCP = p.QFORCT = Complex(0.0f);
  std::int32_t IMOMT1 = 0;
  for (int m = 1; m <= r.NCON; ++m) {
    memberLoad(r, p, m, 0, IMOMT1);
    d.PARWV(m) = d.TFOR(m) = d.CFORCE(3);
    d.PRPWV(m) = d.CFORCE(1);
    d.TMOM(m) = d.CMOMT(2);
    if (m == 1) {
      p.QFORCP = d.TMOM(1);
    } else {
      p.QFORCP = p.QFORCP + L1 * d.PRPWV(2);
      p.QFORCT = d.TMOM(2);
    }
  }
}

// The wave amplitude of a wave slope of SLPHT degrees at wave number k.
void slopeAmplitude(float k) {
  if (TPCM.LSLPHT > 0) DYNCOM.EXTAMP = TPCM.SLPHT / (kDegreesPerRadianFiveDecimals * k);
}

// Step 3: the wave force of one mode at its own frequency, scaled to the regular wave, to which its
// quadratic drag gives the equivalent linear damping.
float resonanceForce(const RunTerms& r, float period, float omega, float shape) {
  const Tpcm& t = TPCM;
  PeriodTerms p;
  int IOUT = 0;
  int IL = 1;
  BSRCH(t.T.data(), period, IOUT, IL, wavePoints());
  p.IW = IL + 1;
  p.omega = omega;
  p.omega2 = omega * omega;
  float Y = 0.0f;
  WAVVEC(omega * r.SQDG, Y);
  p.k = Y / t.DEPTH;
  slopeAmplitude(p.k);
  waveForcePass(r, p);
  const float A = DYNCOM.EXTAMP;
  return std::abs(p.QFORCP * A + shape * (p.QFORCT * A));
}

// Step 3: the equivalent damping of the modes at resonance, and the linear drag coefficients of the
// simplified model.
void resonanceDamping(RunTerms& r) {
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const float FDCNP1 = d.AMOM2(1);
  const float TDCNP1 = d.AMOM3(1);
  {
    const float force = resonanceForce(r, o.TSALMH, o.WMODEH, d.BETA2);
    const float CSTARP = std::sqrt(force * d.CQDAMP);
    o.GAMPHI = CSTARP / (o.EQMASS * o.WMODEH);
    r.GAMIP = d.IMAG * o.GAMPHI * o.WMODEH;
    const float PDOTAV = d.CQDAMP != 0.0f ? CSTARP / d.CQDAMP : 1.0f;  // mean angular velocity at resonance
    d.FDCP1 = r.FRONT * PDOTAV * FDCNP1;
    d.TDCP1 = r.FRONT * PDOTAV * TDCNP1;
  }
  if (r.NCON > 1) {
    const float force = resonanceForce(r, o.TSALML, o.WMODEL, d.BETA3);
    const float CSTART = std::sqrt(force * r.CQDAMT);
    o.GAMTHT = CSTART / (o.EQMAS2 * o.WMODEL);
    r.GAMIT = d.IMAG * o.GAMTHT * o.WMODEL;
  }
  if (TPCM.NBUG != 0) {
    listDebugValues("CQDAMP, CQDAMT, GAMPHI, GAMTHT:", {d.CQDAMP, r.CQDAMT, o.GAMPHI, o.GAMTHT});
    listDebugValues("FDCP1, TDCP1:", {d.FDCP1, d.TDCP1});
    INBUG(TPCM.NBUG, TPCM.EDUNIT, kKeyboardUnit);
  }
}

// The modal factor of a mode at the period; without damping at the mode's own frequency the modal
// estimate has no bounded value, and the run stops rather than carry an infinity on.
Complex modalFactor(const PeriodTerms& p, Complex GAM, float WN, std::string_view mode) {
  const Complex factor = DLFCN2(p.omega, GAM, WN);
  if (factor == Complex(0.0f)) {
    std::vector<std::string> lines{""};
    addFlowingLines(lines, " ++> ",
                    "Wave period " + fmtF(TPCM.T(p.IW), 7, 2) + ": the " + std::string(mode) +
                        " free Salm mode is undamped at its own frequency; its response is unbounded");
    fatalStop(kRoutine, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  return factor;
}

// Step 4.3: the sum of the two damped modes, each normalised to unit modal mass.
void modalEstimate(const RunTerms& r, PeriodTerms& p) {
  const Output& o = OUTPUT;
  const Dyncom& d = DYNCOM;
  const float b2 = d.BETA2, b3 = d.BETA3;
  const float A1H = 1.0f / std::sqrt(d.EFMS11 + 2.0f * d.EFMS12 * b2 + d.EFMS22 * b2 * b2);
  const float A1L = 1.0f / std::sqrt(d.EFMS11 + 2.0f * d.EFMS12 * b3 + d.EFMS22 * b3 * b3);
  p.QMODE1 = A1H * (p.QFORCP + b2 * p.QFORCT) / modalFactor(p, r.GAMIP, o.WMODEH, "high-frequency");
  p.QMODE2 = r.NCON == 2 ? A1L * (p.QFORCP + b3 * p.QFORCT) / modalFactor(p, r.GAMIT, o.WMODEL, "low-frequency")
                         : Complex(0.0f);
  DELPH1() = A1H * p.QMODE1 + A1L * p.QMODE2;
  DELPH2() = b2 * A1H * p.QMODE1 + b3 * A1L * p.QMODE2;
}

// Step 5, one drag pass at the current angles: the drag of each member, the base of member 2 moving
// with the top of member 1, and the total generalised forces.
void dragPass(const RunTerms& r, PeriodTerms& p) {
  Dyncom& d = DYNCOM;
  const float L1 = SOLVE.CNLEN(1);
  d.BASVL1.fill(Complex(0.0f));
  std::int32_t IMOMT2 = 0;
  for (int m = 1; m <= r.NCON; ++m) {
    memberLoad(r, p, m, 1, IMOMT2);
    d.BASVL1(1) += d.IMAG * p.omega * SOLVE.CNLEN(m) * d.DELPHI(m);
    d.FDP(m) = r.DRAGCF * d.CFORCE(1);
    d.TDP(m) = r.DRAGCF * d.CMOMT(2);
    if (m == 1) {
      p.QDRAGP = d.CMOMT(2);
    } else {
      p.QDRAGP += L1 * d.CFORCE(1);
      p.QDRAGT = d.CMOMT(2);
    }
  }
  p.QDRAGP = p.QDRAGP * r.DRAGCF;
  p.QDRAGT = p.QDRAGT * r.DRAGCF;
  p.QMODE1 = p.QFORCP + p.QDRAGP;
  p.QMODE2 = p.QFORCT + p.QDRAGT;
}

// A forward-difference step of 1 % of the angle; an angle of exactly 0 gets a step of its own.
Complex perturbation(Complex angle) {
  const Complex step = kDifferenceStep * angle;
  return step == Complex(0.0f) ? Complex(0.001f, 0.0f) : step;
}

Complex row1(const PeriodTerms& p) { return GFUNC(p.CPH11, p.CPH12, DELPH1(), DELPH2(), p.QMODE1); }
Complex row2(const PeriodTerms& p) { return GFUNC(p.CPH21, p.CPH22, DELPH1(), DELPH2(), p.QMODE2); }

// The relative change of an angle, 0 when its prior value is 0.
float relativeChange(Complex before, Complex after, float size) {
  return size == 0.0f ? 0.0f : std::abs(before - after) / size;
}

// The Newton step from the residuals of the three passes: the Jacobian, the new angles, and whether
// both have settled (an angle that is no number never has).
bool newtonStep(const RunTerms& r, PeriodTerms& p, NewtonState& n, Complex CEPSP1, Complex CEPSP2) {
  n.CG11 = (n.G11EST - n.G1EST) / CEPSP1;
  if (r.NCON == 2) {
    n.CG12 = (row1(p) - n.G1EST) / CEPSP2;
    n.CG21 = (n.G21EST - n.G2EST) / CEPSP1;
    n.CG22 = (row2(p) - n.G2EST) / CEPSP2;
  }
  const Complex DENOM2 = n.CG11 * n.CG22 - n.CG12 * n.CG21;
  if (std::abs(DENOM2) == 0.0f) {
    fatalStop(kRoutine, TPCM.EDUNIT,
              {"", std::string(" ++> Singular denominator in damping") + " iteration loop.  Execution terminated", ""},
              FatalWait::kPressReturn, kKeyboardUnit);
  }
  DELPH2() -= CEPSP2;
  const Complex before1 = DELPH1(), before2 = DELPH2();
  const Complex R1 = n.CG11 * before1 + n.CG12 * before2 - n.G1EST;
  const Complex R2 = n.CG21 * before1 + n.CG22 * before2 - n.G2EST;
  p.QMODE1 = R1;
  p.QMODE2 = R2;
  const Complex after1 = (R1 * n.CG22 - R2 * n.CG12) / DENOM2;
  const Complex after2 = (R2 * n.CG11 - R1 * n.CG21) / DENOM2;
  const float TESTP2 = std::abs(before1);
  const float TESTP1 = relativeChange(before1, after1, TESTP2);
  const float TESTT2 = std::abs(before2);
  const float TESTT1 = relativeChange(before2, after2, TESTT2);
  DELPH1() = after1;
  DELPH2() = after2;
  if (TPCM.NBUG != 0) {
    listComplex("CG11, CG12:", {n.CG11, n.CG12});
    listComplex("CG21, CG22:", {n.CG21, n.CG22});
    listDebugValues("TESTP1, TESTP2, TESTT1, TESTT2:", {TESTP1, TESTP2, TESTT1, TESTT2});
    listComplex("DELPH1, DELPH2:", {after1, after2});
  }
  return (TESTP1 < kRelativeChange || TESTP2 < kNegligible) && (TESTT1 < kRelativeChange || TESTT2 < kNegligible);
}

// The drag of the members did not settle at wave period IW: what it grows with.
[[noreturn]] void dampingLoopFailed(int IW) {
  const Tpcm& t = TPCM;
  std::vector<std::string> lines{"", std::string(" ++> Iteration failure in damping loop.") + " Consult users manual."};
  addFlowingLines(lines, "     ",
                  "At the wave period " + messageValue(t.T(IW)) + " s (page 14) the members' drag did not settle in " +
                      std::to_string(kNewtonStepLimit) + " Newton steps.");
  addFlowingLines(lines, "     ",
                  "It grows with the element drag coefficients (page 3, item 10: " + elementValues(t.COFDMT.data()) +
                      ") and the wave height or slope (page 14, item 4: " + messageValue(t.SLPHT) +
                      "); check them and the element volumes and centroids (page 3, items 3 and 4).");
  fatalStop(kRoutine, t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// Step 5: Newton's method on the two complex angles with the drag at the angles of each pass. A step
// takes three passes: the residuals at the angles, with DELPH1 perturbed, with DELPH2 perturbed (one
// member: no drag in the third pass, whose perturbation nothing sees). The angles have settled when a
// step changes them by less than a percent; but the drag, which grows with the modulus of the motion,
// is no analytic function of the complex angles, so a difference Jacobian along the angles themselves
// converges only linearly and a step of a percent can leave a percent of the drag out of the members'
// balance: the free top would carry it, for a buoy top loaded above the water some 0.16 t in the
// free example's sea. The residuals of the equations of motion are therefore held too, to a ten
// thousandth of the members' generalised forces, at the angles found; the first pass of the next step
// evaluates them, and when they hold it is the last: the loads and the moment elements take the drag
// at the angles found, and the members' equations of motion hold for the loads reported.
void iterateDrag(const RunTerms& r, PeriodTerms& p, NewtonState& n) {
  const auto residualsHold = [&] {
    const bool first = std::abs(n.G1EST) <= kResidual * std::abs(p.QMODE1);
    return first && (r.NCON != 2 || std::abs(n.G2EST) <= kResidual * std::abs(p.QMODE2));
  };
  Complex CEPSP1, CEPSP2;
  bool settled = false;
  int ITRATN = 0;
  while (true) {
    // Pass 1: the residuals at the angles.
    dragPass(r, p);
    n.G1EST = row1(p);
    if (r.NCON == 2) n.G2EST = row2(p);
    if (settled && residualsHold()) return;
    CEPSP1 = perturbation(DELPH1());
    DELPH1() += CEPSP1;
    // Pass 2: with DELPH1 perturbed.
    dragPass(r, p);
    n.G11EST = row1(p);
    if (r.NCON == 2) n.G21EST = row2(p);
    CEPSP2 = perturbation(DELPH2());
    DELPH2() += CEPSP2;
    DELPH1() -= CEPSP1;
    // Pass 3: with DELPH2 perturbed, and the step.
    if (r.NCON == 2) dragPass(r, p);
    settled = newtonStep(r, p, n, CEPSP1, CEPSP2);
    if (++ITRATN == kNewtonStepLimit) dampingLoopFailed(p.IW);
  }
}

// Step 6: the simplified drag, from the linear coefficients of member 1 at resonance; member 2 has
// none. The moment elements take the share of their height on the member.
void simplifiedDrag(const RunTerms& r, const PeriodTerms& p) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const Complex rate = d.IMAG * p.omega * DELPH1();
  d.FDP(1) = -d.FDCP1 * rate;
  d.TDP(1) = -d.TDCP1 * rate;
  d.FDP(2) = Complex(0.0f);
  d.TDP(2) = Complex(0.0f);
  if (t.NMOMT == 0) return;
  int IM = 0;
  for (int m = 1; m <= r.NCON; ++m) {
    float x = 0.0f;
    for (int e = s.JELEM(m); e <= s.JELEM(m + 1) - 1; ++e) {
      x += t.SLEN(e);
      if (t.LMOMT(e) == 0) continue;
      ++IM;
      const float F = r.DRAGCF != 0.0f ? x / (s.CNLEN(m) * r.DRAGCF) : 0.0f;
      d.SHMOM2(1, IM) = F * d.FDP(m);
      for (int q = 2; q <= 4; ++q) d.SHMOM2(q, IM) = Complex(0.0f);
      d.SHMOM2(5, IM) = F * d.TDP(m);
    }
  }
}

// Steps 8 and 9: the member-end loads of the period and the net loads. Station 1 is the bottom and 2
// the top of member 1, 3 and 4 those of member 2; the top of the column is free.
void stationLoads(const RunTerms& r, const PeriodTerms& p) {
  Output& o = OUTPUT;
  const Solve& s = SOLVE;
  const Dyncom& d = DYNCOM;
  const float L1 = s.CNLEN(1);
  const float w2 = p.omega2;
  const Complex d1 = DELPH1(), d2 = DELPH2();
  for (int j = 1; j <= kLoadStations; ++j) {
    o.INRSHR(j) = o.INRAXL(j) = o.FWVSHR(j) = o.FWVAXL(j) = o.STASHR(j) = o.STAAXL(j) = Complex(0.0f);
  }
  o.FWVSHR(1) = d.PRPWV(1) - d.TMOM(1) / L1;
  o.FWVSHR(2) = o.FWVSHR(1) - d.PRPWV(1);
  o.STASHR(1) = o.STASHR(2) = o.SPRGK(1) * d1;
  o.INRSHR(1) = w2 * r.c1 * d1 + d.FDP(1) - d.TDP(1) / L1;
  o.INRSHR(2) = o.INRSHR(1) - w2 * d.CLMAS(1) * d1 - d.FDP(1);
  if (r.NCON == 2) {
    const float L2 = s.CNLEN(2);
    o.FWVSHR(3) = d.PRPWV(2) - d.TMOM(2) / L2;
    o.FWVSHR(4) = o.FWVSHR(3) - d.PRPWV(2);
    o.STASHR(3) = o.STASHR(4) = o.SPRGK(2) * d2;
    o.INRSHR(3) = w2 * (r.c2 * d2 + r.c21 * d1) + d.FDP(2) - d.TDP(2) / L2;
    o.INRSHR(4) = o.INRSHR(3) - w2 * (d.CLMAS(2) * d2 + r.cT * d1) - d.FDP(2);
    o.FWVAXL(3) = d.TFOR(2);
  }
  o.FWVAXL(2) = o.FWVAXL(3);
  o.FWVAXL(1) = o.FWVAXL(2) + d.TFOR(1);

  // The base reaction, in earth axes.
  const int IW = p.IW;
  const Complex A = o.INRAXL(1) + o.FWVAXL(1) + o.STAAXL(1);
  const Complex S = o.INRSHR(1) + o.FWVSHR(1) + o.STASHR(1);
  o.NETAXL(IW, 1) = A * o.EQCOS(1) - S * o.EQSIN(1);
  o.NETSHR(IW, 1) = A * o.EQSIN(1) + S * o.EQCOS(1);
  // The members' static axial loads turn with them.
  o.STASHR(1) -= o.FAX(1, 1) * d1;
  o.STASHR(2) -= o.FAX(2, 1) * d1;
  o.STASHR(3) -= o.FAX(2, 2) * d2;
  const int top = r.IBYTOP;
  o.STASHR(top) = o.STAAXL(top) = o.INRSHR(top) = o.INRAXL(top) = o.FWVSHR(top) = o.FWVAXL(top) = Complex(0.0f);
  o.PHIMEM(IW, 1) = d1;
  o.PHIMEM(IW, 2) = d2;
  for (int j = 1; j <= 3; ++j) {
    o.NETSHR(IW, j + 1) = o.INRSHR(j) + o.STASHR(j) + o.FWVSHR(j);
    o.NETAXL(IW, j + 1) = o.INRAXL(j) + o.STAAXL(j) + o.FWVAXL(j);
  }
}

// Step 4: the response and loads of one period.
void solvePeriod(const RunTerms& r, NewtonState& n, int IW) {
  const Wavcom& w = WAVCOM;
  const Dyncom& d = DYNCOM;
  PeriodTerms p;
  p.IW = IW;
  p.omega = w.W(IW);
  p.omega2 = w.W2(IW);
  p.k = w.WVK(IW);
  slopeAmplitude(p.k);
  waveForcePass(r, p);
  modalEstimate(r, p);
  p.CPH11 = Complex(d.EFK1 - p.omega2 * d.EFMS11);
  p.CPH12 = p.CPH21 = Complex(-p.omega2 * d.EFMS12);
  p.CPH22 = Complex(d.EFK2 - p.omega2 * d.EFMS22);
  if (TPCM.NBUG != 0) {
    writeRecord(TPCM.EDUNIT, " Period" + fmtI(IW, 4) + fmtF(TPCM.T(IW), 8, 2));
    listComplex("QFORCP, QFORCT:", {p.QFORCP, p.QFORCT});
    listComplex("Modal estimate DELPH1, DELPH2:", {DELPH1(), DELPH2()});
  }
  if (TPCM.SMPDRG == 0) {
    iterateDrag(r, p, n);
  } else {
    simplifiedDrag(r, p);
  }
  // The moment-element loads of the period, wave and drag part, with no phase reference.
  if (TPCM.NMOMT != 0) writeMomentRecords(kRoutine, r.DRAGCF, Complex(1.0f, 0.0f));
  stationLoads(r, p);
  if (TPCM.NBUG != 0) {
    listComplex("Base reaction shear, axial:", {OUTPUT.NETSHR(IW, 1), OUTPUT.NETAXL(IW, 1)});
  }
}

// Step 10.1: the in-line (in-plane) share of the random sea and of each swell; the rest of each acts
// across the plane. The plane is the column's own, heading 0, for every sea: a wave of heading a
// moves the column along a, cos^2 a of its variance in the plane.
void directionalShares() {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  const auto cosine2 = [](float degrees) {
    const float c = std::cos(degrees / kDegreesPerRadianFiveDecimals);
    return c * c;
  };
  const float seaInLine = cosine2(t.SEAHDG(1));
  if (t.LSPRED != 0) {
    // A sea spread as cos^p about its heading h puts the share E = (p + 1) / (p + 2) of its variance
    // along h (the mean of cos^2 over the spreading: the ratio of the integrals of cos^(p+2) and
    // cos^p) and 1 - E across h. Its share in the column's plane is the mean of cos^2(h + theta),
    // cos^2 h E + sin^2 h (1 - E), the spreading being even in theta; a narrow spreading (E near 1)
    // gives the long-crested sea's cos^2 h. The ratio is taken in its closed form, not as a ratio of
    // gamma functions, which overflow in 4 bytes for the largest indices the data set admits.
    const float p = runSpreadingIndex();
    const float E = (p + 1.0f) / (p + 2.0f);
    o.XWVFAC = seaInLine * E + (1.0f - seaInLine) * (1.0f - E);
  } else {
    o.XWVFAC = seaInLine;
  }
  o.XSWFAC = cosine2(t.SWLHDG);
  o.XSWFAC2 = cosine2(t.SWLHDG2);
  o.XWVFAC = std::min(o.XWVFAC, 1.0f);
  o.XSWFAC = std::min(o.XSWFAC, 1.0f);
  o.XSWFAC2 = std::min(o.XSWFAC2, 1.0f);
  o.LRND = t.LRANDM != 0 ? 1 : 0;
  o.LSWL = t.LSWELL != 0 ? 1 : 0;
  o.LSWL2 = secondSwellOn() ? 1 : 0;
  o.IRANFG = 1;
  o.ISWLFG = 1;
  o.ISWLFG2 = 1;
  o.SPDVAL = 1.0f;
}

// The zeroth and second moments of |X|^2 times the sea of the shares.
void responseMoments(const Complex* X, const WaveShares& waves, float& m0, float& m2) {
  float spectrum[kMaxWavePeriods] = {};
  for (int IW = 1; IW <= wavePoints(); ++IW) spectrum[IW - 1] = ABS2(X[IW - 1]) * waveDensity(IW, waves);
  SMPINT(spectrum, m0, m2);
}

// Step 10.2: the variances of the 36 response quantities: in-plane shear, axial load and lateral
// shear (the in-plane shear under the cross sea) per load point, in-plane and transverse angle (the
// in-plane angle under the cross sea) per member.
void responseVariances() {
  Tpcm& t = TPCM;
  Output& o = OUTPUT;
  for (t.ISTAT = 1; t.ISTAT <= kResponseColumns; ++t.ISTAT) {
    const int n = t.ISTAT;
    int column = n;
    FreeShare part = FreeShare::kInLine;
    if (n >= 11 && n <= 20) {
      part = FreeShare::kWhole;
    } else if (n >= 21 && n <= 30) {
      column = n - 20;
      part = FreeShare::kAcross;
    } else if (n >= 34) {
      column = n - 3;
      part = FreeShare::kAcross;
    }
    float VAR = 0.0f, VARP = 0.0f;
    responseMoments(&o.responseColumns(1, column), freeSalmShares(part), VAR, VARP);
    o.SIGMA(n) += VAR;
    o.SIGDOT(n) += VARP;
  }
}

// Step 10.3: the variances of the joints' horizontal positions: in line with the sea, none vertical,
// across it.
void jointVariances() {
  Output& o = OUTPUT;
  const Solve& s = SOLVE;
  Complex X[kMaxWavePeriods] = {};
  const WaveShares shares[3] = {freeSalmShares(FreeShare::kInLine), WaveShares{}, freeSalmShares(FreeShare::kAcross)};
  for (int K = 1; K <= s.NCON; ++K) {
    for (int IW = 1; IW <= wavePoints(); ++IW) X[IW - 1] += s.CNLEN(K) * o.PHIMEM(IW, K);
    for (int j = 1; j <= 3; ++j) {
      const int n = 3 * (K - 1) + j;
      float VAR = 0.0f, VARP = 0.0f;
      responseMoments(X, shares[j - 1], VAR, VARP);
      o.RSIGHF(n) = VAR;
      o.SIGDOT(kResponseColumns + n) = VARP;
    }
  }
}

}  // namespace

Complex GFUNC(Complex A, Complex B, Complex C, Complex D, Complex E) { return A * C + B * D - E; }

Complex DLFCN2(float X, Complex C, float Y) { return Complex(Y * Y - X * X) + X * C; }

void FRELOD() {
  Tpcm& t = TPCM;
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In FRELOD:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  if (t.NBUG != 0) {
    writeRecord(t.EDUNIT, " SMPDRG =" + fmtI(t.SMPDRG, 3));
    enterBounded("INPUT SMPDRG:", t.SMPDRG, 0, 1, t.EDUNIT, kKeyboardUnit);
  }
  if (t.NMOMT != 0) createMomentFile(kRoutine);
  RunTerms r = runTerms();
  writeProgressLine(std::string(" >>> Computing Salm wave-frequency motions for") + " wave heading " +
                    fmtF(passHeading(), 7, 2));
  DYNCOM.EXTAMP = 0.5f * t.SLPHT;
  DYNCOM.FDCP1 = DYNCOM.TDCP1 = 0.0f;
  resonanceDamping(r);

  NewtonState n;
  for (int IW = 1; IW <= wavePoints(); ++IW) solvePeriod(r, n, IW);

  directionalShares();
  responseVariances();
  if (t.NBUG != 0) PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
  if (t.NMOMT != 0) closeMomentFile(kRoutine);
  jointVariances();
  OUTPUT.NRAOSM = 1;
  OUTPUT.ISPRED = 1;
  if (OUTPUT.LREG != 0) DYNOUT();
  if (t.NMOMT != 0) MOMOUT();
}

}  // namespace qv

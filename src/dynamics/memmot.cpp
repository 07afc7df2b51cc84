#include "dynamics/memmot.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "dynamics/attachment_motions.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynslm.h"
#include "dynamics/wavfor.h"
#include "hull/equilb.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
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
#include "util/list_read.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

namespace qv {

constinit MemmotState memmotState{};
const BlockReset resetMemmotState{[] { memmotState.reset(); }};

namespace {

constexpr std::string_view kRoutine = "MEMMOT";
constexpr int kStepsBeforeQuestion = 100;  // secant steps of one period before the user is asked
constexpr float kRelativeChange = 0.001f;  // a coordinate has converged below this relative change
constexpr float kNegligible = 2.0E-5f;     // ... or below this size [rad per ft | m]

// What one heading fixes for all its periods.
struct Heading {
  float SQDG = 0.0f;       // sqrt(DEPTH / G): wave frequency to the argument of WAVVEC [s]
  float DRGF = 0.0f;       // scale of the drag moments of WAVFOR
  float DC = 0.0f;         // scale of the linear drag-damping coefficients
  float VC2 = 0.0f;        // squared current speed [ft^2/s^2 | m^2/s^2]
  // Three members: drag sums and the geometry of the yoke-motion terms.
  float P3 = 0.0f, R3 = 0.0f, TQ2 = 0.0f, TQ3 = 0.0f, qT = 0.0f;
  float q = 0.0f, u = 0.0f, v = 0.0f, k1 = 0.0f, k2 = 0.0f;
  Complex cP, cT;          // equivalent damping terms of the in-plane and transverse modes
};

// The two exciting moments of the column at one frequency: in-plane XP and transverse XT.
struct Excitation {
  Complex XP, XT;
};

// Step 2: the yoke motions of heading ISPRED + 1 in the SALM's axes, read from "YOKEMOT" as every
// user of the motions at the attachment reads them (attachment_motions.h). The angles come as radians
// per unit wave amplitude from built-in and user operators alike: the vessel stage has already turned
// user angles per unit wave slope into these, so they are not scaled again here.
void vesselMotions() {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const Equilb& e = EQUILB;
  const int periods = wavePoints();
  if (t.LEXTND != 0) {
    // The imposed extension: unit horizontal motion along and across the yoke's axis at once.
    for (int I = 1; I <= periods; ++I) {
      d.CRVEC(1, I) = d.ONE;
      d.CRVEC(2, I) = d.ONE;
      d.CRVEC(3, I) = d.ZERO;
      for (int c = 1; c <= 3; ++c) d.CVANG(c, I) = d.ZERO;
    }
    o.RAODIR = REDRAD(t.SEAHDG(1) / kDegreesPerRadian - e.TANGLE(e.ISTAB));
    o.ISWLFG = 0;
    o.IRANFG = 0;
    return;
  }
  const int filePeriods = std::clamp<int>(memmotState.filePeriods, 0, kMaxWavePeriods);
  const AttachmentBlock block = readAttachmentBlock(kRoutine, o.ISPRED + 1, filePeriods, d.CRVEC, d.CVANG);
  o.NRAOSM = block.NRAO;
  o.ISWLFG = block.ISWLFG;
  o.ISWLFG2 = block.ISWLFG2;
  o.IRANFG = block.IRANFG;
  o.RAODIR = block.RAODIR;
}

// The wave amplitude of a wave slope of SLPHT degrees at wave number k.
void slopeAmplitude(float k) {
  if (TPCM.LSLPHT > 0) DYNCOM.EXTAMP = TPCM.SLPHT / (k * kDegreesPerRadian);
}

// WAVFOR for member M at wave number k: wave forces (drag 0) or drag forces (drag 1) into CFORCE and
// CMOMT. The element records of the moment table are not kept here: the load solver makes its own.
void memberLoad(const Heading& h, int M, float k, float omega, int I, std::int32_t drag, float amplitude,
                float dragAmplitude) {
  std::int32_t records = 0;
  memberWaveForces(M, I, k, omega, drag, amplitude, dragAmplitude, h.VC2, 0, records);
}

// Step 7: the exciting moments at period I (wave number k, squared frequency Omega2 of the analysis):
// the members' wave forces and, for three members, the inertia and static effect of the yoke motion.
Excitation excitingMoments(const Heading& h, int I, float k, float omega, float Omega2) {
  const Output& o = OUTPUT;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const int n = s.NCON;
  const float l1 = s.CNLEN(1), l2 = s.CNLEN(2), l3 = s.CNLEN(3);
  const float s1 = o.EQSIN(1), s2 = o.EQSIN(2), s3 = o.EQSIN(3);
  const float c2 = o.EQCOS(2), c3 = o.EQCOS(3);
  const float b2 = d.BETA2, b3 = d.BETA3, dt = d.DTH2DT;
  Excitation x;
  d.PARWV.fill(Complex(0.0f));
  if (TPCM.LEXTND != 1) {
    for (int M = 1; M <= n; ++M) {
      memberLoad(h, M, k, omega, I, 0, 0.0f, 0.0f);
      d.PARWV(M) = d.CFORCE(3);
      d.PRPWV(M) = d.CFORCE(1);
      d.TRANF(M) = d.CFORCE(2);
      d.TRANT(M) = d.CMOMT(1);
      d.TMOM(M) = d.CMOMT(2);
      if (n < 3) continue;
      if (M == 1) {
        x.XP = d.CMOMT(2);
        x.XT = -d.TRANT(1) * s1;
      } else if (M == 2) {
        x.XP += (d.PARWV(2) * o.SINP21 + d.PRPWV(2) * o.COSP21) * l1 + d.CMOMT(2) * b2;
        x.XT -= d.TRANT(2) * s2 * dt - d.CFORCE(2) * s1 * l1;
      } else {
        x.XP += d.PARWV(3) * (o.SINP32 * l2 + o.SINP31 * l1) + d.PRPWV(3) * (o.COSP32 * l2 + o.COSP31 * l1) +
                d.CMOMT(2) * b3;
      }
    }
  }
  if (n < 3) return x;
  const Complex CR1 = d.CRVEC(1, I), CR2 = d.CRVEC(2, I), CR3 = d.CRVEC(3, I);
  d.DELTHT(3) = d.CVANG(1, I) * c3 / s3 + d.CVANG(2, I);
  d.F2 = (d.DELTHT(3) * h.k1 + CR3 * c3 * o.COSTHT + CR1 * s3) / (l2 * h.q);
  d.F2P = d.F2 * (d.F2DDC * Omega2 + d.F2CST);
  d.F3 = -(d.DELTHT(3) * h.k2 + CR3 * c2 + CR1 * s2) / (l3 * h.q);
  d.F3P = d.F3 * (d.F3DDC * Omega2 + d.F3CST);
  const Complex XH = (CR3 * s3 - CR1 * c3) * d.H2DDC * Omega2;
  x.XP += d.F2P + d.F3P + XH;
  d.G2 = CR2 / h.u - d.DELTHT(3) * h.v;
  x.XT += d.G2 * (d.G2DDC * Omega2 - d.G2CST);
  return x;
}

// Members 2 and 3 follow member 1 through the linkage and the yoke's motion.
void linkMembers() {
  Dyncom& d = DYNCOM;
  d.DELPHI(2) = d.F2 + d.DELPHI(1) * d.BETA2;
  d.DELPHI(3) = d.F3 + d.DELPHI(1) * d.BETA3;
  d.DELTHT(2) = d.G2 + d.DELTHT(1) * d.DTH2DT;
}

// The response of one mode at period I; at the mode's own frequency without damping the equation
// has no bounded solution, and the run stops rather than carry an infinity into the loads.
Complex modeResponse(Complex X, Complex Z, float EM, float WN2, float W, Complex C, std::string_view mode, int I) {
  if (EM * (Complex(WN2 - W * W) + W * C) == Complex(0.0f)) {
    std::vector<std::string> lines{""};
    addFlowingLines(lines, " ++> ",
                    "Wave period " + fmtF(TPCM.T(I), 7, 2) + ": the " + std::string(mode) +
                        " Salm mode is undamped at its own frequency; its response is unbounded");
    fatalStop(kRoutine, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  return DELFCN(X, Z, EM, WN2, W, C);
}

// Step 8: the equivalent linear damping of the two modes, from the drag at each mode's frequency
// under the exciting moment there.
void equivalentDamping(Heading& h) {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const float s1 = o.EQSIN(1);
  const auto modeIndex = [&](float period) {
    int IOUT = 0, IL = 1;
    BSRCH(t.T.data(), period, IOUT, IL, wavePoints());
    return IL + 1;
  };
  const auto waveNumber = [&](float omega) {
    float Y = 0.0f;
    WAVVEC(omega * h.SQDG, Y);
    return Y / t.DEPTH;
  };

  // In-plane mode.
  {
    const float omega = o.WMODEH;
    const float k = waveNumber(omega);
    slopeAmplitude(k);
    Excitation x = excitingMoments(h, modeIndex(o.TSALMH), k, omega, omega * omega);
    x.XP = x.XP * d.EXTAMP;
    const float a = std::sqrt(std::abs(x.XP) * d.CQDAMP);
    o.GAMPHI = a / o.EQMASS / omega;
    h.cP = d.IMAG * o.GAMPHI * omega;
    const float ratio = d.CQDAMP != 0.0f ? a / d.CQDAMP : 1.0f;
    const float dP = h.DC * ratio;
    d.FDCP1 = dP * d.AMOM2(1);
    d.TDCP1 = dP * d.AMOM3(1);
    d.FDCP2 = dP * d.FRCFC2;
    d.TDCP2 = dP * d.TRQFC2;
    d.FDCP3 = dP * h.P3;
    d.TDCP3 = dP * h.R3;
  }
  // Transverse mode.
  {
    const float omega = o.WMODEL;
    const float k = waveNumber(omega);
    slopeAmplitude(k);
    const Excitation x = excitingMoments(h, modeIndex(o.TSALML), k, omega, omega * omega);
    const float a = std::sqrt(std::abs(x.XT * d.EXTAMP) * h.qT);
    o.GAMTHT = a / o.EQMAS2 / omega;
    h.cT = d.IMAG * o.GAMTHT * omega;
    const float ratio = h.qT != 0.0f ? a / h.qT : 1.0f;
    const float dT = h.DC * ratio;
    d.FDCT1 = dT * d.AMOM2(1) * s1 * s1;
    d.TDCT1 = dT * d.AMOM3(1) * s1 * s1;
    d.FDCT2 = dT * h.TQ2;
    d.TDCT2 = dT * h.TQ3;
    d.FDCT3 = 0.0f;
    d.TDCT3 = 0.0f;
  }
}

// Steps 4 to 6: amplitudes, current, the linear drag coefficients and, for three members, the drag
// sums of the two modes and the geometry of the yoke-motion terms.
void headingCoefficients(Heading& h) {
  Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const float G = WAVCOM.G;
  const int n = s.NCON;
  d.IYKTP1 = 2 * n;
  d.IYKTP2 = d.IYKTP1 + 1;
  d.IYKBOT = d.IYKTP1 - 1;
  d.EXTAMP = 0.5f * t.SLPHT;  // amplitude of the regular wave
  if (t.LEXTND != 0) {
    d.EXTAMP = t.SLPHT;  // the imposed extension amplitude itself
    t.LSLPHT = 0;
  }
  float VC = 0.0f;
  if (t.LCURNT != 0) VC = t.NUNTS == kMetricUnits ? t.CURSPD * 0.514f : t.CURSPD * 1.687f;  // knots to m/s or ft/s
  h.VC2 = VC * VC;

  h.DC = t.COFDMP * 0.0005f * t.DWATR / G;
  const float s1 = o.EQSIN(1);
  d.FDCP1 = d.FDCT1 = d.AMOM2(1) * h.DC;
  d.TDCP1 = d.TDCT1 = d.AMOM3(1) * h.DC;
  if (n < 3) return;

  const float l1 = s.CNLEN(1), l2 = s.CNLEN(2), l3 = s.CNLEN(3);
  const float b2 = d.BETA2, b3 = d.BETA3, dt = d.DTH2DT;
  const float s2 = o.EQSIN(2), s3 = o.EQSIN(3), c2 = o.EQCOS(2), c3 = o.EQCOS(3);
  const float b3sq = b3 * b3;
  h.P3 = (d.A2MOML * l3 * l3 - 2.0f * d.AMOM1(3) * l3 + d.AMOM2(3)) * b3sq;
  h.R3 = (3.0f * (d.AMOM2(3) * l3 - d.AMOM1(3) * l3 * l3) + d.A2MOML * l3 * l3 * l3 - d.AMOM3(3)) * b3sq;
  const float KP = b3 * h.R3 + l1 * o.COSP21 * d.FRCFC2 + b2 * d.TRQFC2 + d.AMOM3(1);
  d.CQDAMP = h.DC * KP;
  const float hh = l1 * l1 * s1 * s1;
  const float e = dt * l1 * s1 * s2;
  const float d2 = dt * dt * s2 * s2;
  h.TQ2 = d.AMOM2(2) * d2 + 2.0f * e * d.AMOM1(2) + d.A2MOMH * hh;
  h.TQ3 = d.AMOM3(2) * d2 + 2.0f * e * d.AMOM2(2) + d.AMOM1(2) * hh;
  const float KT = l1 * s1 * h.TQ2 + dt * s2 * h.TQ3 + s1 * d.AMOM3(1) * s1 * s1;
  h.qT = h.DC * KT;
  h.q = s3 * c2 - s2 * c3 * o.COSTHT;
  h.u = l2 * s2;
  h.v = l3 * o.COSTHT * s3 / h.u;
  h.k1 = l3 * s3 * s3 * o.SINTHT;
  h.k2 = l3 * s3 * s2 * o.SINTHT;
}

// Step 10, one drag pass at the current estimate: the members' drag forces, each member seeing the
// velocity of its lower joint, and for three members the drag moments ZP and ZT of the two modes.
void dragPass(const Heading& h, int I, float k, float omega, float dragAmplitude, Complex& ZP, Complex& ZT) {
  const Output& o = OUTPUT;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const int n = s.NCON;
  const float l1 = s.CNLEN(1), l2 = s.CNLEN(2);
  const float s1 = o.EQSIN(1), s2 = o.EQSIN(2);
  d.BASVL1.fill(Complex(0.0f));
  for (int M = 1; M <= n; ++M) {
    memberLoad(h, M, k, omega, I, 1, d.EXTAMP, dragAmplitude);
    const Complex iwL = d.IMAG * omega * s.CNLEN(M);
    d.BASVL1(1) += iwL * d.DELPHI(M) * o.EQCOS(M);
    d.BASVL1(2) += iwL * d.DELTHT(M) * o.EQSIN(M);
    d.BASVL1(3) -= iwL * d.DELPHI(M) * o.EQSIN(M);
    d.FDP(M) = d.CFORCE(1);
    d.TDP(M) = d.CMOMT(2);
    d.FDT(M) = d.CFORCE(2);
    d.TDT(M) = d.CMOMT(1);
    if (n < 3) continue;
    if (M == 1) {
      ZP = d.CMOMT(2);
      ZT = -d.TDT(1) * s1;
    } else if (M == 2) {
      ZP += d.CFORCE(1) * o.COSP21 * l1 + d.CMOMT(2) * d.BETA2;
      ZT -= d.TDT(2) * s2 * d.DTH2DT - d.CFORCE(2) * s1 * l1;
    } else {
      ZP += (o.COSP32 * l2 + o.COSP31 * l1) * d.CFORCE(1) + d.CMOMT(2) * d.BETA3;
    }
  }
  ZP = ZP * h.DRGF;
  ZT = ZT * h.DRGF;
}

// What the user chose after the iteration failed to converge.
enum class Reply { kOneMoreStep, kKeep, kRetry, kQuit };

// The iteration-failure question of period I: the message, then the abort question, whose reply also
// takes the numbered choices.
Reply askAboutIteration(int I) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "");
  writeRecord(unit, " ++> Iteration failure in damping loop for wave period " + fmtF(TPCM.T(I), 7, 2));
  // An unattended run stops here: the lines name what the drag grows with.
  if (unit == kDiagnosticsUnit) {
    const Tpcm& t = TPCM;
    for (const std::string& line :
         flowingLines("     ", "The members' drag did not settle in " + std::to_string(kStepsBeforeQuestion) +
                                    " steps at this period (page 14). It grows with the element drag coefficients "
                                    "(page 3, item 10: " + elementValues(t.COFDMT.data()) +
                                    ") and the wave height or slope (page 14, item 4: " + messageValue(t.SLPHT) +
                                    "); check them and the element volumes and centroids (page 3, items 3 and 4)."))
      writeRecord(unit, line);
  }
  writeRecord(unit, "");
  writeRecord(unit, std::string("  Enter -2 to keep current result, quit this period") + " and go to the next period");
  writeRecord(unit, "  Enter -3 to try this one again");
  writeRecord(unit, "  Enter -4 to quit with available " + fmtI(I - 1, 2) + " completed periods; otherwise...");
  if (unit == kDiagnosticsUnit) silentStop(kRoutine);  // an unattended run cannot answer
  for (;;) {
    const std::string reply = abortQuestionReply(unit, kKeyboardUnit);
    const std::size_t first = reply.find_first_not_of(' ');
    if (first != std::string::npos && (reply[first] == 'A' || reply[first] == 'a')) silentStop(kRoutine);
    std::int32_t choice = 0;
    if (first == std::string::npos || listRead(reply, {&choice}) != ListStatus::kDone) return Reply::kOneMoreStep;
    if (choice == -2) return Reply::kKeep;
    if (choice == -3) return Reply::kRetry;
    if (choice != -4) return Reply::kOneMoreStep;
    if (I > 1) return Reply::kQuit;
    writeRecord(unit, "  -4 needs a completed period; wave period 1 is the first");
  }
}

enum class PeriodEnd { kNext, kLastOfHeading };

// One secant step on both coordinates, from the current estimate x0 (DELPHI(1), DELTHT(1)); leaves
// the new estimate with the linkage redone and says whether both coordinates have converged.
bool secantStep(const Heading& h, int I, float k, float omega, float dragAmplitude, const Excitation& x, Complex cP,
                Complex cT) {
  const Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const float WN2P = o.WMODEH * o.WMODEH;
  const float WN2T = o.WMODEL * o.WMODEL;
  Complex ZP, ZT;
  const auto residuals = [&](Complex& rP, Complex& rT) {
    dragPass(h, I, k, omega, dragAmplitude, ZP, ZT);
    rP = d.DELPHI(1) - modeResponse(x.XP, ZP, o.EQMASS, WN2P, omega, cP, "in-plane", I);
    rT = d.DELTHT(1) - modeResponse(x.XT, ZT, o.EQMAS2, WN2T, omega, cT, "transverse", I);
  };
  const Complex x0P = d.DELPHI(1), x0T = d.DELTHT(1);
  Complex r0P, r0T;
  residuals(r0P, r0T);
  d.DLTSTP = r0P;
  d.DLTSTT = r0T;
  Complex hP = 0.01f * x0P;
  Complex hT = 0.01f * x0T;
  if (hP == Complex(0.0f)) hP = Complex(0.001f, 0.0f);
  if (hT == Complex(0.0f)) hT = Complex(0.001f, 0.0f);
  d.DELPHI(1) = x0P + hP;
  d.DELTHT(1) = x0T + hT;
  linkMembers();
  Complex r1P, r1T;
  residuals(r1P, r1T);
  d.DLTSTP = r0P - r1P;
  d.DLTSTT = r0T - r1T;
  const Complex sP = std::abs(d.DLTSTP) == 0.0f ? r0P * hP : r0P * hP / d.DLTSTP;
  const Complex sT = std::abs(d.DLTSTT) == 0.0f ? r0T * hT : r0T * hT / d.DLTSTT;
  d.DELPHI(1) = x0P + sP;
  d.DELTHT(1) = x0T + sT;
  const float sizeP = std::abs(d.DELPHI(1));
  const float sizeT = std::abs(d.DELTHT(1));
  const float changeP = sizeP == 0.0f ? 0.0f : std::abs(sP) / sizeP;
  const float changeT = sizeT == 0.0f ? 0.0f : std::abs(sT) / sizeT;
  linkMembers();
  // A response that is not a number never counts as converged.
  return (changeP < kRelativeChange || sizeP < kNegligible) &&
         (changeT < kRelativeChange || sizeT * o.EQSIN(1) < kNegligible);
}

// Step 10: the secant iteration of the three-member drag, with the question after 100 steps.
PeriodEnd iterateDrag(const Heading& h, int I, float k, float omega, float dragAmplitude, const Excitation& x,
                      Complex cP, Complex cT) {
  Dyncom& d = DYNCOM;
  int count = 0;
  for (;;) {
    const bool converged = secantStep(h, I, k, omega, dragAmplitude, x, cP, cT);
    ++count;
    if (converged) return PeriodEnd::kNext;
    if (count < kStepsBeforeQuestion) continue;
    switch (askAboutIteration(I)) {
      case Reply::kKeep:
        return PeriodEnd::kNext;
      case Reply::kRetry:
        count = 0;
        d.DELPHI(1) = Complex(0.0f);
        d.DELTHT(1) = Complex(0.0f);
        linkMembers();
        break;
      case Reply::kQuit:
        TPCM.NWP = I - 1;  // the later headings and stages work on the finished periods
        return PeriodEnd::kLastOfHeading;
      case Reply::kOneMoreStep:
        break;
    }
  }
}

// The simplified drag: forces from the linear coefficients and the angular rates of member 1.
void simpleDrag(float omega) {
  Dyncom& d = DYNCOM;
  d.PHIDOT = d.IMAG * d.DELPHI(1) * omega;
  d.THTDOT = d.IMAG * d.DELTHT(1) * omega;
  simplifiedDragForces();
}

// Step 9: the member angles at period I.
PeriodEnd solvePeriod(const Heading& h, int I) {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const int n = s.NCON;
  const float k = WAVCOM.WVK(I);
  slopeAmplitude(k);
  const float Omega2 = WAVCOM.W2(I);
  const float omega = WAVCOM.W(I);
  Complex ZP, ZT;
  d.DLTSTP = d.DLTSTT = Complex(0.0f);
  Complex cP = h.cP, cT = h.cT;

  if (n <= 2) {
    // The member angles follow the yoke point's motion.
    const Complex across = d.CVANG(1, I) * o.EQCOS(n) / o.EQSIN(n) + d.CVANG(2, I);
    d.DELTHT(n) = across;
    const Complex z = across * s.CNLEN(2) * o.EQSIN(2);
    d.TMPVEC(1) = z * o.SINTHT + d.CRVEC(1, I);
    d.TMPVEC(2) = d.CRVEC(2, I) - z * o.COSTHT;
    d.TMPVEC(3) = d.CRVEC(3, I);
    CMATPD(d.ROTMAT.data(), d.TMPVEC.data(), d.DELPHI.data(), 3, t.EDUNIT);
    d.DELTHT(1) = d.DELPHI(3);
  }
  const Excitation x = excitingMoments(h, I, k, omega, Omega2);
  const float dragAmplitude = t.LEXTND != 0 ? 0.0f : d.EXTAMP;

  PeriodEnd end = PeriodEnd::kNext;
  if (n == 3) {
    d.DELPHI(1) = modeResponse(x.XP, ZP, o.EQMASS, o.WMODEH * o.WMODEH, omega, cP, "in-plane", I);
    d.DELTHT(1) = modeResponse(x.XT, ZT, o.EQMAS2, o.WMODEL * o.WMODEL, omega, cT, "transverse", I);
    if (t.SMPDRG == 0) cP = cT = Complex(0.0f);  // from here on the drag enters through ZP and ZT alone
    linkMembers();
  }
  if (t.SMPDRG == 0) {
    if (n == 3) {
      end = iterateDrag(h, I, k, omega, dragAmplitude, x, cP, cT);
    } else {
      dragPass(h, I, k, omega, dragAmplitude, ZP, ZT);  // the member forces only
    }
  } else {
    simpleDrag(omega);
  }
  for (int M = 1; M <= n; ++M) {
    o.PHIMEM(I, M) = d.DELPHI(M);
    o.THTMEM(I, M) = d.DELTHT(M) * o.EQSIN(M);
  }
  return end;
}

// The debug listing of the heading set-up, with the chance to change SMPDRG.
void debugListing(const Heading& h) {
  const Dyncom& d = DYNCOM;
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, " SQDG, DRGF, DC, EXTAMP:" + fmtE(h.SQDG, 14, 6) + fmtE(h.DRGF, 14, 6) + fmtE(h.DC, 14, 6) +
                        fmtE(d.EXTAMP, 14, 6));
  writeRecord(unit, " CQDAMP, QT, P3, R3:" + fmtE(d.CQDAMP, 14, 6) + fmtE(h.qT, 14, 6) + fmtE(h.P3, 14, 6) +
                        fmtE(h.R3, 14, 6));
  askSimplifiedDrag();
}

}  // namespace

void memberWaveForces(int M, int IW, float k, float omega, std::int32_t mode, float amplitude, float dragAmplitude,
                      float VC2, std::int32_t record, std::int32_t& count) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const bool top = M == s.NCON;  // the top member lies in the yoke's direction
  const float kx = k * (top ? std::cos(d.YOKWAV) : d.CSLMWV);
  const float ky = k * (top ? std::sin(d.YOKWAV) : d.SSLMWV);
  WAVFOR({.RBASE = &d.RBASE(1, M), .JELEM = s.JELEM.data(), .ICON = M, .SLEN = t.SLEN.data(),
          .DRMEM = &d.DRMEM(1, M), .WVKX = kx, .WVKY = ky, .WAVK = k, .DEPTH = t.DEPTH, .NBUG = t.NBUG,
          .unit = t.EDUNIT, .BUOY = t.BUOY.data(), .IW = IW, .EQCOS = OUTPUT.EQCOS.data(),
          .EQSIN = OUTPUT.EQSIN.data(), .WETYOK = t.WETYOK, .ABOVEWATER = aboveWaterPart(M),
          .DRGFLG = mode, .DELPH1 = d.DELPHI.data(),
          .DELTHT = d.DELTHT.data(), .WFREQ = omega, .BASEVEL = d.BASVL1.data(), .VCUR2 = VC2,
          .KBD = kKeyboardUnit, .EXTAMP = amplitude, .WVAMP = dragAmplitude, .LMOMT = t.LMOMT.data(),
          .record = record, .COFMST = t.COFMST.data(), .COFDMT = t.COFDMT.data(),
          .out = {.CFORCE = d.CFORCE.data(), .CMOMT = d.CMOMT.data(),
                  .SHRMOM = (mode == 0 ? d.SHMOM1 : d.SHMOM2).data(), .IMOMT = count}});
}

void askSimplifiedDrag() {
  Tpcm& t = TPCM;
  writeRecord(t.EDUNIT, " SMPDRG =" + fmtI(t.SMPDRG, 3));
  enterBounded("INPUT SMPDRG:", t.SMPDRG, 0, 1, t.EDUNIT, kKeyboardUnit);
}

void simplifiedDragForces() {
  Dyncom& d = DYNCOM;
  const float FDCP[3] = {d.FDCP1, d.FDCP2, d.FDCP3};
  const float TDCP[3] = {d.TDCP1, d.TDCP2, d.TDCP3};
  const float FDCT[3] = {d.FDCT1, d.FDCT2, d.FDCT3};
  const float TDCT[3] = {d.TDCT1, d.TDCT2, d.TDCT3};
  for (int m = 1; m <= 3; ++m) {
    d.FDP(m) = -d.PHIDOT * FDCP[m - 1];
    d.TDP(m) = -d.PHIDOT * TDCP[m - 1];
    d.FDT(m) = -d.THTDOT * FDCT[m - 1];
    d.TDT(m) = d.THTDOT * TDCT[m - 1];  // the transverse moment keeps the rate's sign
  }
}

Complex DELFCN(Complex A, Complex B, float EM, float WN2, float W, Complex C) {
  return (A + B) / (EM * (Complex(WN2 - W * W) + W * C));
}

float memberWaveHeading() {
  if (OUTPUT.MLTRAO != 0) return OUTPUT.WAVDIR;
  if (const std::optional<float> random = randomWavesHeading()) return *random / kDegreesPerRadian;
  return OUTPUT.WAVDIR;
}

std::string_view memberWaveSystem() { return TPCM.LRANDM == 0 && TPCM.LSWELL != 0 ? "SWELL" : "SEA"; }

void MEMMOT() {
  Tpcm& t = TPCM;
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const Equilb& e = EQUILB;
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In MEMMOT:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  const float G = WAVCOM.G;
  Heading h;
  h.SQDG = std::sqrt(t.DEPTH / G);
  h.DRGF = 0.0316f * std::sqrt(t.DWATR / kPi) / G;

  vesselMotions();

  // Step 3: the wave directions of the heading. The block's motions are those of waves that meet the
  // vessel at RAODIR, that is of waves of heading WAVDIR with the vessel at its heading: the heading
  // that names the pass in the reports and progress lines. The members take their own wave loads
  // from memberWaveHeading(), which is WAVDIR only with several wave directions.
  o.WAVDIR = blockWaveHeading(o.RAODIR);
  const float psi = memberWaveHeading();
  d.SLMWAV = psi - e.SLMANG(e.ISTAB);
  d.YOKWAV = d.SLMWAV - d.RELANG;
  writeProgressLine(" >>> Computing Salm wave-frequency motions for wave heading " +
                    fmtF(o.WAVDIR * kDegreesPerRadian, 7, 2));
  d.CSLMWV = std::cos(d.SLMWAV);
  d.SSLMWV = std::sin(d.SLMWAV);

  headingCoefficients(h);
  if (t.NBUG != 0) debugListing(h);
  const int periods = wavePoints();
  if (SOLVE.NCON == 3 && periods > 0) equivalentDamping(h);
  for (int I = 1; I <= periods; ++I) {
    if (solvePeriod(h, I) == PeriodEnd::kLastOfHeading) break;
  }
}

}  // namespace qv

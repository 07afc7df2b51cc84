// DSKFRC: the wave exciting forces on the flat cylinder that stands for the discus buoy. The
// Froude-Krylov pressure integrals over the bottom and the side come in closed form with Bessel
// functions of x = k R and the pressure's attenuation with depth; the diffraction parts come from the
// added-mass and damping fits at the effective depth. Heave is normalised by the hydrostatic heave
// force per unit wave amplitude, roll and pitch by the restoring moment per unit wave slope, surge
// and sway by the displaced weight per unit wave slope.
//
// The calibration pass (flag 0) evaluates the forces only at the grid points nearest the natural
// frequencies, each mode in its own wave direction, and from them estimates the damping of each mode
// in the design wave and, with mooring feedback, the response at the natural frequency.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/disc/disc_fits.h"
#include "hull/disc/disc_forces.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/rao_guard.h"
#include "hull/speed_set_aside.h"
#include "numlib/circle_constants.h"
#include "numlib/member_geometry.h"
#include "numlib/special_functions.h"
#include "numlib/wavenumber.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

namespace disc {

namespace {

constexpr float kDeepWater = 60.0f;  // k d beyond which the deep-water forms hold

}  // namespace

float horizontalAddedMass(float DLRAT, std::int32_t unit) {
  const float ratio = 1.0f / (DLRAT * DLRAT);
  float integral = 0.0f;
  std::int32_t warned = 0;
  ELPCOF(ratio, 1.0f, 0, 1, integral, unit, kKeyboardUnit, warned, 0);
  return COFCLC(1, integral, ratio, 1.0f);
}

// Formed in double precision and rounded on store: in long waves the numerator of Q2 is a difference
// of order (k T)^2 / 2 between terms of order 1, which single precision leaves with an error of 1e-7,
// several per cent of it for a shallow-drafted buoy in waves of some hundred seconds.
DepthFactors depthFactors(float x, float kd, float kT, float kK, float kE) {
  DepthFactors q{};
  const double X = x, KD = kd, KT = kT, KK = kK, KE = kE;
  if (kd > kDeepWater) {
    const double bottom = std::exp(-KT);
    q.P0 = static_cast<float>(bottom);
    q.PK = static_cast<float>(std::exp(-KK));
    q.PE = static_cast<float>(std::exp(-KE));
    q.Q1 = static_cast<float>((1.0 - bottom) / X);
    q.Q2 = static_cast<float>(((1.0 + KT) * bottom - 1.0) / (X * X));
  } else {
    const double C = std::cosh(KD);
    const double P0 = std::cosh(KD - KT) / C;
    q.P0 = static_cast<float>(P0);
    q.PK = static_cast<float>(std::cosh(KD - KK) / C);
    q.PE = static_cast<float>(std::cosh(KD - KE) / C);
    const double sinhAtBottom = std::sinh(KD - KT) / C;
    q.Q1 = static_cast<float>((std::tanh(KD) - sinhAtBottom) / X);
    q.Q2 = static_cast<float>((P0 + KT * sinhAtBottom - 1.0) / (X * X));
  }
  return q;
}

BesselOfX besselOfX(float x, float eps) {
  BesselOfX b{};
  std::int32_t ier = 0;
  BESJ(x, 0, b.J0, eps, ier);
  b.failed = ier != 0;
  BESJ(x, 1, b.J1, eps, ier);
  b.failed = b.failed || ier != 0;
  BESJ(x, 2, b.J2, eps, ier);
  b.failed = b.failed || ier != 0;
  return b;
}

float j2OverSquare(float s, float eps) {
  if (s == 0.0f) return 0.125f;
  float J2 = 0.0f;
  std::int32_t ier = 0;
  BESJ(s, 2, J2, eps, ier);  // only the quotient's size matters here; its error code is not used
  return J2 / (s * s);
}

PressureTerms pressureTerms(const BesselOfX& bessel, float x, const DepthFactors& q, float SDRAFT) {
  PressureTerms p{};
  p.j = bessel.J1 / x;
  p.A = 8.0f * q.P0 * bessel.J2 / (x * x);
  p.F0 = 2.0f * q.P0 * p.j;
  p.S0 = 2.0f * q.Q1 * p.j / SDRAFT;
  return p;
}

float heaveDampingEstimate(float TQFAC, float H, float wn, float g, float Fh, float R, float hdmpd) {
  if (TQFAC == 0.0f) return 0.0f;
  const float A1 = 2.0f * TQFAC * g / (wn * wn * Fh);    // a1 H
  const float B1 = 0.6366197f * R * hdmpd / Fh;          // b1 H
  const float root = A1 / (std::sqrt(0.25f * B1 * B1 + A1 * H) + 0.5f * B1);
  return TQFAC / std::sqrt(root);
}

float horizontalDampingEstimate(float forcePerAmplitude, float zh, float zm, float a2, float mass, float rho,
                                float wn) {
  const float damping = zh + zm;
  const float c = std::sqrt(1.0f + zm);
  const float denominator = std::sqrt(damping * damping + 4.0f * c * a2) + damping;
  if (denominator == 0.0f) return 0.0f;
  const float z = 2.0f * c / denominator;
  return forcePerAmplitude / (rho * mass * wn * wn * std::sqrt(1.0f + z * z));
}

}  // namespace disc

namespace {

using disc::BesselOfX;
using disc::DepthFactors;
using disc::PressureTerms;

constexpr float kTiny = 1.0e-10f;       // stands in for a zero heading angle or cosine
constexpr float kKeelPlate = 2.7f;      // keel plate thickness: its top lies this far above the draft
constexpr float kAddedMassDepth = 0.287f;  // effective depth of the added mass below the draft, per radius
constexpr float kBaseDamping = 0.1f;    // base damping ratio of roll and pitch

// What the set-up of a call fixes for all its passes.
struct Setup {
  float Fr;            // keel factor of the roll and pitch damping
  float Fh;            // keel factor of the heave damping
  float gs, gw;        // gravity over 1 + the surge and sway added-mass coefficients held at entry
  float c;             // horizontal added-mass coefficient of the cylinder
  float WH2, WP2, WR2;  // squared natural frequencies held at entry [rad^2/s^2]
  float he;            // depth of the added mass [ft | m]
  float eps;           // accuracy of the Bessel functions
  float wconst;        // sqrt(DEPTH / G) [s]
};

// The calibration pass of one mode: its grid point, wave direction and natural frequency.
struct Calibration {
  Mode mode;
  std::int32_t J;
  float heading;  // [rad]
  float wn;       // [rad/s]
};

Calibration calibrationPass(int pass) {
  const Himem& h = HIMEM;
  switch (pass) {
    case 1:
      return {Mode::kRoll, h.JR, kHalfPi, h.WR};
    case 2:
      return {Mode::kPitch, h.JP, 0.0f, h.WP};
    case 3:
      return {Mode::kHeave, h.JH, 0.0f, h.WH};
    case 4:
      return {Mode::kSurge, h.JSG, 0.0f, h.WSG};
    case 5:
      return {Mode::kSway, h.JSW, kHalfPi, h.WSW};
    default:
      return {Mode::kYaw, h.JY, 0.0f, h.WY};
  }
}

// Trace lines of NBUG = 1 on EDUNIT: a blank, then seven values to a line in E10.4.
void traceBlock(std::initializer_list<float> values) {
  if (TPCM.NBUG != 1) return;
  std::string line = " ";
  int onLine = 0;
  for (float v : values) {
    line += fmtE(v, 10, 4);
    if (++onLine == 7) {
      writeRecord(TPCM.EDUNIT, line);
      line = " ";
      onLine = 0;
    }
  }
  if (onLine > 0) writeRecord(TPCM.EDUNIT, line);
}

void traceGridPoint(float w, float k, float we, float V) {
  if (TPCM.NBUG != 1) return;
  const Himem& h = HIMEM;
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, " " + fmtI(h.IW, 5));
  writeRecord(unit, " LW,LWK" + fmtI(h.LW, 5) + fmtI(h.LWK, 5));
  writeRecord(unit, " RLDUM(LW),RLDUM(LWK),WENC,VCOMP,XSCALE,EDRAFT");
  writeRecord(unit, fmtE(w, 12, 4) + fmtE(k, 12, 4) + fmtE(we, 12, 4) + fmtE(V, 12, 4));
  writeRecord(unit, fmtE(h.XSCALE, 12, 4) + fmtE(h.EDRAFT, 12, 4));
}

[[noreturn]] void besselFailure() {
  Tpcm& t = TPCM;
  CLEAR(t.EDUNIT);
  const std::string smallest = "     The smallest wave period of page 14 (item 2) is " +
                               messageValue(std::min(t.T(1), t.T(t.NWP))) + " s.";
  fatalStop("DSKFRC", t.EDUNIT, {"", " ++> BESSEL function error. Increase smallest period and retry", smallest, ""},
            FatalWait::kPressReturn, kKeyboardUnit);
}

// Values of the grid point in hand that the calibration needs after the forces.
struct GridPoint {
  float x;   // k R
  float k;   // wave number [1/ft | 1/m]
  float we;  // encounter frequency [rad/s]
  float Ia;  // pitch and roll added inertia [ft^5 | m^5]
  float Mv;  // virtual heave mass [ft^3 | m^3]
};

// The six forces at the grid point in hand (INDXUP done) for the wave direction with sine sb and
// cosine cb and the speed component V along it.
GridPoint forcesAtGridPoint(const Setup& s, float sb, float cb, float V) {
  Himem& h = HIMEM;
  const float R = h.RADIUS;
  const float w = h.RLDUM(h.LW);
  const float k = h.RLDUM(h.LWK);
  GridPoint g{};
  g.k = k;
  g.x = k * R;
  const float x = g.x;
  const float sOffset = std::fabs(x - kHalfPi);
  const float kd = x * h.SDEPTH;
  const float kT = x * h.SDRAFT;
  const float kK = x * (TPCM.TDRAFT - kKeelPlate) / R;
  const float kE = x * s.he / R;
  g.we = w - V * k;
  const float we = g.we;
  traceGridPoint(w, k, we, V);

  const DepthFactors q = disc::depthFactors(x, kd, kT, kK, kE);
  const BesselOfX bessel = disc::besselOfX(x, s.eps);
  if (bessel.failed) besselFailure();
  h.CSG = s.c;
  h.CSW = s.c;
  const PressureTerms p = disc::pressureTerms(bessel, x, q, h.SDRAFT);

  // Pitch and roll: the pressure moments about the rotation centre, and the added inertia's part
  // with J2(x) cancelled against the pressure term, so a zero of J2(x) needs no special case.
  const float M1 = 8.0f * h.TQCNST * q.Q2 * p.j;
  const float M2 = h.TQCNST * p.A;
  const float M3 = M1 - 4.0f * h.SWLCRP * p.S0 * h.TQCNST * h.SDRAFT;
  g.Ia = PMASD(x) * q.PE * h.PCONST + q.PK * h.SKAMRL;
  const float Bp = PDMPD(x) * h.PCONST;
  const float ratioP = we / h.WP;
  const float D = (g.Ia / h.PTCHI) * ratioP * ratioP * 8.0f * q.P0 * disc::j2OverSquare(sOffset, s.eps);
  const Complex moment(D * Bp / g.Ia, -M2 - M3 + D - s.c * M3);
  h.CXDUM(h.LPT) = -cb * moment;
  h.CXDUM(h.LRL) = sb * moment;

  // Heave: the bottom pressure less the added mass's share, and its wave damping.
  const float Bh = HDMPD(x) * h.HCONST;
  const float Ah = HMASD(x) * q.PE * h.HCONST + q.PK * h.SKAMHV;
  g.Mv = h.HVM1 + Ah;
  const float ratioH = we / h.WH;
  const float H1 = 2.0f * p.j * (Ah / h.HVMAS) * ratioH * ratioH;
  h.CXDUM(h.LHV) = Complex(p.F0 - H1, H1 * Bh / h.HVMAS);

  // Surge and sway: the side pressure plus the added mass's share, and its wave damping.
  const float S1 = bessel.J0 * s.c * q.Q1 / h.SDRAFT;
  const Complex horizontal(3.0f * S1 * SDMPD(x) / s.c, p.S0 + S1);
  h.CXDUM(h.LSG) = cb * horizontal;
  h.CXDUM(h.LSW) = sb * horizontal;

  h.CXDUM(h.LYA) = Complex(kTiny, kTiny);
  return g;
}

// The design wave at the natural frequency wn: its height H [ft | m] and RSLOPE, the steepness k H.
float designWave(const Setup& s, float wn) {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  float KD = 0.0f;
  WAVVEC(s.wconst * wn, KD);
  float H = 0.0f;
  if (t.LSLPHT == 0) {
    H = WAVCOM.DURFAC * t.SLPHT;
    h.RSLOPE = KD * H / t.DEPTH;
  } else {
    h.RSLOPE = 2.0f * WAVCOM.DURFAC * t.SLPHT / kDegreesPerRadian;
    H = h.RSLOPE * t.DEPTH / KD;
  }
  return H;
}

// The roll or pitch damping ratio for the inertia ratio m.
float rotationalDamping(const Setup& s, float m) {
  const Himem& h = HIMEM;
  return kBaseDamping * m *
         (0.576f + 0.424f * std::sqrt(1.0f + 4.0f * h.RSLOPE * h.TQFAC * h.BLGFAC * s.Fr / (0.01f * m)));
}

// The mooring force amplitude per unit design motion of surge or sway, sqrt(spring^2 + damping^2):
// the spring term and the damping term Bm times the velocity, both resolved on the wave direction
// (its cosine or sine `along`), the motion taken at the surge frequency WSG. With a user period the
// spring member holds that period, and the spring is the one the period means, RHOWTR SGMAS wn^2.
float mooringForcePerAmplitude(float along, float spring, std::int32_t userPeriod, float wn, float Bm) {
  const Himem& h = HIMEM;
  const float K = userPeriod == 0 ? spring : WAVCOM.RHOWTR * h.SGMAS * wn * wn;
  const float springPart = along * K;
  const float dampingPart = along * Bm * h.WSG;
  return std::sqrt(springPart * springPart + dampingPart * dampingPart);
}

// Step 3 of a calibration pass: the design wave, the force amplitude TQFAC and the damping ratio of
// the pass's mode. `m` keeps the last roll or pitch inertia ratio for the trace.
void estimateDamping(const Setup& s, const Calibration& cal, const GridPoint& g, float sb, float cb, float& m) {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const float wn = cal.wn;
  const float H = designWave(s, wn);
  const float G = WAVCOM.G;
  const float rho = WAVCOM.RHOWTR;
  switch (cal.mode) {
    case Mode::kRoll:
      h.TQFAC = std::abs(h.CXDUM(h.LRL));
      m = h.RMAS1 / h.ROLI;
      h.GAMROL = rotationalDamping(s, m);
      break;
    case Mode::kPitch:
      h.TQFAC = std::abs(h.CXDUM(h.LPT));
      m = h.PMAS1 / h.PTCHI;
      h.GAMPIT = rotationalDamping(s, m);
      break;
    case Mode::kHeave:
      h.TQFAC = std::abs(h.CXDUM(h.LHV));
      h.GAMHEV = disc::heaveDampingEstimate(h.TQFAC, H, wn, G, s.Fh, h.RADIUS, HDMPD(g.x));
      break;
    case Mode::kSurge:
    case Mode::kSway: {
      const bool surge = cal.mode == Mode::kSurge;
      // The design motion: the wave's surface velocity u over the surge frequency.
      const float wg = WAVCOM.W(h.IW);
      const float kg = WAVCOM.WVK(h.IW);
      const float u = wg * H / (wg * wg / (kg * G));
      const float a = u / h.WSG;
      const float along = surge ? cb : sb;
      const float Bm = surge ? t.SGMDMP : t.SWMDMP;
      const float perAmplitude = surge ? mooringForcePerAmplitude(along, t.SGK, t.LSGPRD, wn, Bm)
                                       : mooringForcePerAmplitude(along, t.SWK, t.LSWPRD, wn, Bm);
      h.TQFAC = perAmplitude * a;
      if ((surge ? t.LSGDMP : t.LSWDMP) == 0) {
        const float zh = SDMPD(g.x) * h.HCONST / h.SGMAS;
        const float zm = Bm / (h.SGMAS * rho * wn);
        const float a2 = 0.5f * t.XCURAR * a / h.SGMAS;
        (surge ? h.GAMSRG : h.GAMSWY) = disc::horizontalDampingEstimate(perAmplitude, zh, zm, a2, h.SGMAS, rho, wn);
      }
      break;
    }
    case Mode::kYaw:
      h.TQFAC = std::abs(h.CXDUM(h.LYA));
      break;
  }
  traceBlock({h.BLGFAC, t.TBILGR, h.VTCRR, h.VTCRP, s.wconst, h.RSLOPE, m, kBaseDamping, s.Fr, h.RMAS1, h.ROLI,
              h.TQFAC, h.GAMROL, t.SLPHT, h.WR});
}

// Step 4 of a calibration pass with mooring feedback: the response at the natural frequency, per unit
// wave amplitude, N F / (wn2 - we^2 + i bw we) with F the pass's force.
void naturalResponse(const Setup& s, const Calibration& cal, const GridPoint& g) {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const float rho = WAVCOM.RHOWTR;
  float N = 0.0f, wn2 = 0.0f, bw = 0.0f;
  Complex F(0.0f, 0.0f);
  Complex* result = &h.CYWRAX;
  const float Ip = h.PTCH1 + g.Ia + h.SKAMRL;  // virtual pitch inertia at this frequency, roll's too
  switch (cal.mode) {
    case Mode::kRoll:
      N = g.k * h.RRMT / Ip;
      wn2 = t.LRLPRD == 0 ? (t.RLK / rho + h.RRMT) / Ip : s.WR2;
      bw = t.LRLDMP == 0 ? (t.RLMDMP / (h.WR * rho * h.ROLI) + h.GAMROL) * h.WR : 0.02f * t.RLDAMP * h.WR;
      F = h.CXDUM(h.LRL);
      result = &h.CRLRAX;
      break;
    case Mode::kPitch:
      N = g.k * h.PRMT / Ip;
      wn2 = t.LPTPRD == 0 ? (t.PTK / rho + h.PRMT) / Ip : s.WP2;
      bw = t.LPTDMP == 0 ? (t.PTMDMP / (h.WP * rho * h.PTCHI) + h.GAMPIT) * h.WP : 0.02f * t.PTDAMP * h.WP;
      F = h.CXDUM(h.LPT);
      result = &h.CPTRAX;
      break;
    case Mode::kHeave:
      N = h.HC / g.Mv;
      wn2 = t.LHVPRD == 0 ? (t.HVK / rho + h.HC) / g.Mv : s.WH2;
      bw = t.LHVDMP == 0 ? (t.HVMDMP / (rho * h.WH * h.HVMAS) + h.GAMHEV) * h.WH : 0.02f * t.HVDAMP * h.WH;
      F = h.CXDUM(h.LHV);
      result = &h.CHVRAX;
      break;
    case Mode::kSurge:
    case Mode::kSway: {
      const bool surge = cal.mode == Mode::kSurge;
      const float w = surge ? h.WSG : h.WSW;
      N = g.k * (surge ? s.gs : s.gw);
      wn2 = (surge ? t.LSGPRD : t.LSWPRD) == 0 ? (surge ? t.SGK : t.SWK) / (rho * h.SGMAS) : w * w;
      bw = (surge ? t.LSGDMP : t.LSWDMP) == 0 ? (surge ? h.GAMSRG : h.GAMSWY) * w
                                              : 0.02f * (surge ? t.SGMDMP : t.SWMDMP) * w;
      F = h.CXDUM(surge ? h.LSG : h.LSW);
      result = surge ? &h.CSGRAX : &h.CSWRAX;
      break;
    }
    case Mode::kYaw:
      h.CYWRAX = Complex(0.0f, 0.0f);
      return;
  }
  const float we = g.we;
  *result = guardedRao(N * F, Complex(wn2 - we * we, bw * we), HullKind::kDisc, cal.mode, TPCM.T(h.IW));
}

Setup setUp() {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  Setup s{};
  s.Fr = 1.5f;
  s.Fh = 1.0f;
  if (t.TLKEEL != 0) {
    const float q = t.TDKEEL > 0.0f ? t.TRKEEL / t.TDKEEL : 0.0f;
    const float p = 1.0f + q;
    s.Fr = 1.5f * p * p * p * p * p;
    s.Fh = p * p;
  }
  const float G = WAVCOM.G;
  s.gs = G / (1.0f + h.CSG);
  s.gw = G / (1.0f + h.CSW);
  h.SCALE(3) = 0.001f * t.DWATR * t.TAWP;
  h.SCALE(1) = h.EDRAFT * h.SCALE(3) / kDegreesPerRadian;
  h.SCALE(2) = h.SCALE(1);
  h.SCALE(4) = h.SCALE(1) * h.GMT;
  h.SCALE(5) = h.SCALE(1) * h.GML;
  h.SCALE(6) = h.SCALE(5);
  h.DLRAT = h.EDRAFT / h.RADIUS;

  s.c = disc::horizontalAddedMass(h.DLRAT, t.EDUNIT);

  s.WH2 = h.WH * h.WH;
  s.WP2 = h.WP * h.WP;
  s.WR2 = h.WR * h.WR;
  s.he = h.EDRAFT + kAddedMassDepth * h.RADIUS;
  // The first vessel-response pass sets these two; a run that reaches the hull model another way
  // takes the same values.
  s.eps = h.EPS != 0.0f ? h.EPS : 1.0e-5f;
  s.wconst = h.WCONST != 0.0f ? h.WCONST : std::sqrt(t.DEPTH / G);
  traceBlock({h.SCALE(1), h.SCALE(2), h.SCALE(3), h.SCALE(4), h.SCALE(5), h.SCALE(6), h.BEAM, h.SHIPL, h.EDRAFT,
              t.DWATR, t.TAWP, s.he, t.DEPTH, kDegreesPerRadian, h.CSG, h.CSW, h.VTCRR, h.VTCRP, h.BLRAT, h.WRL,
              h.WPL});
  h.SDEPTH = t.DEPTH / h.RADIUS;
  const float bilge = 1.0f - t.TBILGR / std::sqrt(h.RADIUS * h.RADIUS + h.VTCRR * h.VTCRR);
  h.BLGFAC = bilge * bilge * bilge * bilge * bilge;
  return s;
}

}  // namespace

void DSKFRC(std::int32_t& IFLAG) {
  Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const bool calibration = IFLAG == 0;
  const Setup s = setUp();
  const SpeedSetAside speed(calibration);
  const int passes = calibration ? (t.MORFBK == 1 ? 6 : 3) : t.NWP;
  float heading = calibration ? 0.0f : h.REDANG(WAVCOM.IRAO) / kDegreesPerRadian;
  float m = 0.0f;
  for (int pass = 1; pass <= passes; ++pass) {
    Calibration cal{};
    if (calibration) {
      cal = calibrationPass(pass);
      h.IW = cal.J;
      heading = cal.heading;
    } else {
      h.IW = pass;
    }
    if (heading == 0.0f) heading = kTiny;
    const float sb = std::sin(heading);
    float cb = std::cos(heading);
    if (cb == 0.0f) cb = kTiny;
    const float V = calibration ? 0.0f : t.VFWD * std::cos((h.REDANG(WAVCOM.IRAO) - t.VGLDIR) / kDegreesPerRadian);
    INDXUP();
    const GridPoint g = forcesAtGridPoint(s, sb, cb, V);
    if (!calibration) continue;
    estimateDamping(s, cal, g, sb, cb, m);
    if (t.MORFBK != 0) naturalResponse(s, cal, g);
  }
}

}  // namespace qv

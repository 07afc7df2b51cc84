#include "mooring/dynamic_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include "dataset/tpcm.h"
#include "mooring/axial_wave.h"
#include "mooring/catcom.h"
#include "mooring/catenary_damping.h"
#include "mooring/lincom.h"
#include "mooring/line_stiffness.h"
#include "mooring/line_tables.h"
#include "mooring/oblique_fairlead.h"
#include "mooring/string_dynamics.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"
#include "waves/wavcom.h"

namespace qv {

constinit DyncodState DYNCOD_STATE{};
const BlockReset resetDyncodState{[] { DYNCOD_STATE.reset(); }};

void DyncodState::reset() { *this = DyncodState{}; }

namespace {

constexpr float kKilo = 0.001f;                 // weight density to mass density per unit force
constexpr int kIntegrationPoints = 5;
constexpr float kSmallestExtension = 1.0e-9f;   // of the drag summary
constexpr float kSmallestProbe = 1.0e-10f;      // of the quadratic stiffness
constexpr float kWarningShare = 0.1f;           // inertial load over tension that asks for a warning
constexpr std::int32_t kInputUnit = 5;

// A motion of the given amplitude in the phase of `along`: (0, 0) for a zero `along`.
Complex alongMotion(float amplitude, Complex along) {
  const float size = std::abs(along);
  return size > 0.0f ? amplitude * along / size : Complex(0.0f, 0.0f);
}

// An inertial load of the size of `correction`, directed against `motion`.
Complex againstMotion(Complex correction, Complex motion) { return -std::abs(correction) * motion / std::abs(motion); }

// The inertial warning, then the abort question.
void warnInertialLoad(std::int32_t line, std::int32_t node) {
  Tpcm& t = TPCM;
  const std::int32_t unit = t.EDUNIT;
  writeRecord(unit, "");
  if (node == 0) {
    writeRecord(unit, " ++> The inertial load correction for line " + fmtI(line, 2) + ", and probably others,");
    writeRecord(unit, "     may be excessive; consider disabling the inertial");
    writeRecord(unit, "      correction for these lines.");
  } else {
    for (const std::string& text :
         flowingLines(" ++> ", "The inertial load correction for node " + fmtI(node, 2) + " of line " + fmtI(line, 2) +
                                   ", and probably others, may be excessive; consider disabling the inertial "
                                   "corrections for these lines."))
      writeRecord(unit, text);
  }
  writeRecord(unit, "");
  DYNCOD_STATE.FRSTIM = 0;
  ABORT0(unit, kInputUnit, t.LBACK);
  if (t.LBACK < 0) silentStop("DYNCOD");
}

// What the elements' drag and motion give the line: the quadratic damping of the line end and the
// kinetic energy of the line per unit omega^2, referred to the end extension; for the nodes the
// same of the line below each node, referred to the node's axial amplitude.
struct LineSums {
  float CQUAD = 0.0f;   // quadratic damping coefficient of the line end
  float KELINL = 0.0f;  // tangential kinetic energy over omega^2 a^2 [mass]
  float KELINT = 0.0f;  // transverse kinetic energy over omega^2 a^2 [mass]
  std::array<float, 26> KELINL_N{};  // index n - 1: the same of the line below node n
  std::array<float, 26> KELINT_N{};
  std::array<float, 26> AXTENDN{};   // index n: the axial amplitude of node n
};

// The quasi-static motion of the nodes under the end motions, the drag and kinetic integrals of each
// element over it, and the node amplitudes CAXN, CTRN (in the phase of the end extension A).
LineSums sumOverElements(std::int32_t I, float DIAFAC, Complex A, std::int32_t LNODES, double& CATPRM, Complex* CAXN,
                         Complex* CTRN) {
  Tpcm& t = TPCM;
  Morcom& m = t.moor;
  const Lincom& lc = LINCOM;
  Catcom& cc = CATCOM;
  const std::int32_t type = lc.ITYP;
  const std::int32_t N = m.NELEM(type);
  const float G = WAVCOM.G;
  const float a = std::abs(A);
  const Complex DXFLD = cc.CAFLD * lc.FXCOMP;
  const Complex DZFLD = cc.CAFLD * lc.FZCOMP;
  const Complex DXBOT = cc.CABOT * lc.BXCOMP;
  const Complex DZBOT = cc.CABOT * lc.BZCOMP;
  // The change of the horizontal tension that the two ends' motions make.
  const Complex DELH1 = (DXFLD - cc.DXSDZF(1, I) * DZFLD) / cc.DXSDH(1, I);
  const Complex DELH2 = (cc.DXSDZF(1, I) * DZBOT - DXBOT) / cc.DXSDH(1, I);
  const Complex DELH = DELH1 + DELH2;
  auto nodeMotion = [&](int n, Complex& X, Complex& Z) {
    X = cc.DXSDH(n, I) * DELH + cc.DXSDZF(n, I) * (DZFLD - DZBOT) + DXBOT;
    Z = cc.DZSDH(n, I) * DELH + cc.DZSDZF(n, I) * (DZFLD - DZBOT) + DZBOT;
  };
  CAXN[N] = Complex(0.0f, 0.0f);
  CTRN[N] = Complex(0.0f, 0.0f);
  const float DWOVRG = kKilo * t.DWATR / G;  // water mass density

  LineSums sums;
  float TMPDIS = 0.0f;  // drag energy per cycle over omega^2
  for (int j = 1; j <= N; ++j) {
    const std::int32_t BOTFLG = lc.BOTELM != 0 && j == lc.BOTELM ? 1 : 0;
    m.COFDMP = m.COFDMT(j, type);
    m.COFMAS = m.COFMST(j, type);
    const float wet = m.WETWT(j, type);
    CATPRM = wet != 0.0f ? lc.DPHLD / wet : 0.0;  // a weightless element has no catenary parameter
    Complex Xtop, Ztop, Xbottom, Zbottom;
    nodeMotion(j, Xtop, Ztop);
    nodeMotion(j + 1, Xbottom, Zbottom);
    float drag = 0.0f, DISOOP = 0.0f, KEELMT = 0.0f, KEELML = 0.0f, KEOOP = 0.0f;
    float ADAMAXQ = 0.0f, ADATOPQ = 0.0f, LONTOPQ = 0.0f;
    Complex CTXACC, CTZACC;
    CATDMP({.a = CATPRM, .qF = cc.TANARR(j, I), .qB = cc.TANARR(j + 1, I), .x0 = 0.0f, .n = kIntegrationPoints,
            .DXTOP2 = Xtop - Xbottom, .DZTOP2 = Ztop - Zbottom, .DXBOT1 = Xbottom, .DZBOT1 = Zbottom, .j = j,
            .BOTFLG = BOTFLG, .DO_OOP = 0,
            .out = {.DISIPD = drag, .DISOOP = DISOOP, .KEELMT = KEELMT, .KEELML = KEELML, .KEOOP = KEOOP,
                    .ADAMAXQ = ADAMAXQ, .ADATOPQ = ADATOPQ, .LONTOPQ = LONTOPQ, .CTXACC = CTXACC, .CTZACC = CTZACC}});
    const float D = m.DIAM(j, type) * DIAFAC;
    TMPDIS += drag * D * DWOVRG * m.COFDMP;
    // Mass per unit length: the displaced water, the line in water, the added mass.
    const float dry = m.DRYWT(j, type);
    const float displaced = dry > 0.0f ? (dry - wet) / G : kQuarterPi * D * D * DWOVRG;
    float mass = std::max(wet / G + displaced, 0.0f);
    sums.KELINL += 0.5f * KEELML * mass;
    sums.KELINL_N[j] = sums.KELINL;
    mass = std::max(displaced * m.COFMAS + mass, 0.0f);
    sums.KELINT += 0.5f * KEELMT * mass;
    sums.KELINT_N[j] = sums.KELINT;
    sums.AXTENDN[j] = std::fabs(LONTOPQ);
    CAXN[j - 1] = alongMotion(std::fabs(LONTOPQ), A);
    CTRN[j - 1] = alongMotion(std::fabs(ADATOPQ), A);
  }

  if (a >= kSmallestExtension && TMPDIS != 0.0f) {
    if (LNODES != 0) {
      for (int j = 1; j <= N; ++j) {
        if (sums.AXTENDN[j] == 0.0f) continue;
        const float squared = sums.AXTENDN[j] * sums.AXTENDN[j];
        sums.KELINL_N[j - 1] = (sums.KELINL - sums.KELINL_N[j - 1]) / squared;
        sums.KELINT_N[j - 1] = (sums.KELINT - sums.KELINT_N[j - 1]) / squared;
      }
    }
    sums.CQUAD = 3.0f * TMPDIS / (8.0f * a * a * a);
    sums.KELINL /= a * a;
    sums.KELINT /= a * a;
  } else {
    // Without drag the line mass is referred to no amplitude: neither the end nor a node gets it.
    sums.KELINL = sums.KELINT = 0.0f;
    sums.KELINL_N.fill(0.0f);
    sums.KELINT_N.fill(0.0f);
  }
  return sums;
}

// The inertial load of the line mass, directed against the motion, added to the fairlead tension
// (CTACCT, the load found by the branch) and to the node tensions, with the warning of a load above
// ten times the tension.
void addInertialLoads(std::int32_t I, float omega2, float RATIO, Complex CTACCT, const LineSums& sums,
                      std::int32_t LNODES, std::int32_t LWARN, Complex& CTOPP, Complex& CTOPM, Complex* CNODP,
                      Complex* CNODM, const Complex* CAXN) {
  const Morcom& m = TPCM.moor;
  const DyncodState& state = DYNCOD_STATE;
  const Complex zero(0.0f, 0.0f);
  const Complex CAFLD = CATCOM.CAFLD;
  const bool applies = m.INRLFG == 1 && (m.NEXCLD_I == 0 || (m.NEXCLD_I > 0 && LINCOM.INRT_EXCL(I) == 0));
  if (applies && CAFLD != zero) {
    if (kWarningShare * std::abs(CTACCT) > std::abs(CTOPP) && state.FRSTIM == 1 && LWARN != 0) {
      warnInertialLoad(I, 0);
    }
    CTACCT = againstMotion(CTACCT, CAFLD);
  } else {
    CTACCT = zero;
  }
  CTOPP += CTACCT;
  CTOPM -= CTACCT;
  if (LNODES == 0) return;
  for (int n = 1; n <= TPCM.moor.NELEM(LINCOM.ITYP); ++n) {
    Complex c = zero;
    if (sums.AXTENDN[n] != 0.0f) {
      c = 2.0f * omega2 * (RATIO * RATIO * sums.KELINT_N[n - 1] + sums.KELINL_N[n - 1]) * CAXN[n - 1];
    }
    if (applies && CAXN[n - 1] != zero) {
      c = againstMotion(c, CAXN[n - 1]);
      if (kWarningShare * std::abs(c) > std::abs(CNODP[n - 1]) && state.FRSTIM == 1 && LWARN != 0) {
        warnInertialLoad(I, n);
      }
    } else {
      c = zero;
    }
    CNODP[n - 1] += c;
    CNODM[n - 1] -= c;
  }
}

// The fairlead tension change of a quasi-static move of the fairlead by the end extension a, from
// the line table of the middle layer at the separation moved by a / FXCOMP.
float quasiStaticChange(std::int32_t I, float a, const float* SEPARR) {
  const Lincom& lc = LINCOM;
  const float s = SEPARR[I - 1] + a / lc.FXCOMP;
  const float* column = tableColumn(lc.SEPVES.data(), lc.MIDLYR, lc.ITYP);
  int range = 0;
  int interval = 1;
  BSRCH(column, s, range, interval, TPCM.NUMTAB);
  float T = 0.0f;
  INTERP(column, tableColumn(lc.TOPTEN.data(), lc.MIDLYR, lc.ITYP), s, T, interval);
  return T - static_cast<float>(lc.TPTEN0);
}

}  // namespace

void DYNCOD(const DyncodArgs& args) {
  const DyncodArgs::Out& out = args.out;
  Tpcm& t = TPCM;
  const Morcom& m = t.moor;
  Lincom& lc = LINCOM;
  Catcom& cc = CATCOM;
  DyncodState& state = DYNCOD_STATE;
  const std::int32_t I = args.LINNUM;
  const float OMEGA = args.OMEGA;
  const std::int32_t LNODES = args.LNODES;
  const std::int32_t type = lc.ITYP;
  const std::int32_t N = m.NELEM(type);
  const Complex A = cc.CAFLD - cc.CABOT;  // the end extension
  const float a = std::abs(A);
  const float omega2 = OMEGA * OMEGA;

  // The line mass belongs to the dynamics of the tension-leg and spar types only.
  if ((t.CREATR != kSimYobrix && t.CREATR != kSimWistole) || t.LEG_WF_LOADS == 1) state.MAS_TYPE = 0;

  // End directions.
  if (m.TENSRF != 0) {
    lc.QF = cc.DTFDZF(I) / cc.DTFDXF(I);
    lc.QB = cc.DTBDZB(I) / cc.DTBDXB(I);
  } else {
    lc.QF = cc.TANARR(1, I);
    lc.QB = cc.TANARR(N + 1, I);
  }
  lc.FXCOMP = COSPHT(lc.QF);
  lc.FZCOMP = SINPHT(lc.QF);
  lc.BXCOMP = COSPHT(lc.QB);
  lc.BZCOMP = SINPHT(lc.QB);

  const LineSums sums = sumOverElements(I, args.DIAFAC, A, LNODES, out.CATPRM, out.CAXN, out.CTRN);
  out.IDONE = 1;

  // Stiffness: elastic and catenary in series, and the line mass of the dynamics.
  KELAST(cc.KELAS, type, lc.WAVEK.data(), OMEGA, static_cast<float>(lc.TPTEN0));
  float gF = cc.DTFDAF(I);
  float gB = cc.DTBDAB(I);
  if (m.TENSRF != 0) {
    gF = lc.FXCOMP * cc.DTFDXF(I) + lc.FZCOMP * cc.DTFDZF(I);
    gB = lc.BXCOMP * cc.DTBDXB(I) + lc.BZCOMP * cc.DTBDZB(I);
  }
  KCATN(cc.KCTAN, cc.KELAS, cc.KSTAT, cc.CAFLD, cc.CABOT, gF, gB);
  cc.KRAT = cc.KCTAN / cc.KELAS;
  const float CATMAS1 = 2.0f * (sums.KELINL + sums.KELINT);
  const float CATMASQ = state.MAS_TYPE != 0 ? CATMAS1 : 0.0f;

  // The catenary spring and the axial wave: one balance for both excursions, or, with the table's
  // quadratic stiffness, one for each.
  const float T0 = static_cast<float>(lc.TPTEN0);
  const float* L = &m.SLEN(1, type);
  const float* alpha = &m.ALPHA(1, 1, type);
  float CQCNST = 0.0f;
  Complex CTACCT(0.0f, 0.0f);  // the inertial load on the fairlead
  const bool linear = m.NLWVFG != 1 || t.CREATR == kSimGandru || (t.CREATR == kSimFirnedo && type == m.HAWSTP);
  if (linear) {
    Complex CYCAT, CYELAS, CTOPF, CBOTF;
    CATSTR(OMEGA, A, 0.0f, 1.0f, CATMASQ, sums.CQUAD, CYCAT, CYELAS, cc.KRAT, cc.KELAS, CQCNST, out.RATIO, t.EDUNIT,
           kInputUnit, 0, t.CREATR, I);
    LNGWAV(OMEGA, CYCAT, CYELAS, CATMASQ, CQCNST, out.RATIO, 0.0f, T0, CTOPF, CBOTF, t.NBUG, t.EDUNIT, 1, L, alpha, N,
           out.CNODP, LNODES);
    if (LNODES != 0) {
      for (int n = 1; n <= N + 1; ++n) out.CNODM[n - 1] = -out.CNODP[n - 1];
    }
    if (a != 0.0f) {
      out.RATIO = std::abs(CYCAT) / a;
      CTACCT = 2.0f * omega2 * (out.RATIO * out.RATIO * sums.KELINT + sums.KELINL) * A;
    }
    out.CTOPP = CTOPF;
    out.CTOPM = -CTOPF;
    out.CBOTP = CBOTF;
    out.CBOTM = -CBOTF;
    out.CYCP = CYCAT;
    out.CYCM = -CYCAT;
    out.CYEP = CYELAS;
    out.CYEM = -CYELAS;
    out.FSTP = cc.KSTAT * a;
    out.FSTM = -cc.KSTAT * a;
  } else {
    float RFORCE = 0.0f, FGZTMP = 0.0f, KSTATN = 0.0f, KCATO = 0.0f;
    float SIGCP = 0.0f, SIGCM = 0.0f, YCATP = 0.0f, YCATM = 0.0f;
    FOBLQ({.line = I, .ITYP = type, .s0 = args.SEPARR[I - 1], .a = a, .KCTAN = cc.KCTAN, .KELAS = cc.KELAS,
           .SEPVES = lc.SEPVES.data(), .TOPANG = lc.TOPANG.data(), .TOPTEN = lc.TOPTEN.data(),
           .TOTWT = lc.TOTWT.data(), .ANCHGT = m.ANCHGT.data(), .HLOD = lc.HLOD.data(), .RFLD = m.RFLD.data(),
           .MIDLYR = lc.MIDLYR, .DLAYER = lc.DLAYER, .NLAYER = m.NLAYER, .NUMTAB = t.NUMTAB, .ZSPAN = m.ZSPAN,
           .ZMCTR = m.ZMCTR, .EDUNIT = t.EDUNIT, .inUnit = kInputUnit, .FXCOMP = lc.FXCOMP, .FZCOMP = lc.FZCOMP,
           .out = {.RFORCE = RFORCE, .FGZTMP = FGZTMP, .KSTATN = KSTATN, .KCATO = KCATO, .SIGCP = SIGCP,
                   .SIGCM = SIGCM, .YCATP = YCATP, .YCATM = YCATM}});
    if (a < kSmallestProbe) SIGCP = SIGCM = 0.0f;
    out.FSTP = YCATP != 0.0f ? YCATP * (YCATP * SIGCP + KCATO) : cc.KSTAT * a;
    out.FSTM = YCATM != 0.0f ? YCATM * (YCATM * SIGCM + KCATO) : -cc.KSTAT * a;
    cc.KRAT = KCATO / cc.KELAS;
    float ratioM = 0.0f;
    CATSTR(OMEGA, A, SIGCP, 1.0f, CATMASQ, sums.CQUAD, out.CYCP, out.CYEP, cc.KRAT, cc.KELAS, CQCNST, out.RATIO,
           t.EDUNIT, kInputUnit, 1, t.CREATR, I);
    CATSTR(OMEGA, -A, SIGCM, -1.0f, CATMASQ, sums.CQUAD, out.CYCM, out.CYEM, cc.KRAT, cc.KELAS, CQCNST, ratioM,
           t.EDUNIT, kInputUnit, 1, t.CREATR, I);
    LNGWAV(OMEGA, out.CYCP, out.CYEP, CATMASQ, CQCNST, out.RATIO, SIGCP, T0, out.CTOPP, out.CBOTP, t.NBUG, t.EDUNIT, 1,
           L, alpha, N, out.CNODP, LNODES);
    LNGWAV(OMEGA, out.CYCM, out.CYEM, CATMASQ, CQCNST, ratioM, SIGCM, T0, out.CTOPM, out.CBOTM, t.NBUG, t.EDUNIT, 1, L,
           alpha, N, out.CNODM, LNODES);
    if (a != 0.0f) CTACCT = 2.0f * omega2 * (out.RATIO * out.RATIO * sums.KELINT + sums.KELINL) * cc.CAFLD;
  }

  addInertialLoads(I, omega2, out.RATIO, CTACCT, sums, LNODES, args.LWARN, out.CTOPP, out.CTOPM, out.CNODP, out.CNODM,
                   out.CAXN);

  if (m.QSFLAG2 != 0) {
    if (m.TENSRF == 0) out.FSTP = quasiStaticChange(I, a, args.SEPARR);
    out.CTOPP = out.CBOTP = Complex(out.FSTP, 0.0f);
    out.CTOPM = out.CBOTM = Complex(-out.FSTP, 0.0f);
  }
}

}  // namespace qv

// DYNSPR: the mooring lines' equivalent linear spring and damping on the disc for a harmonic motion
// of the buoy. Each line is taken in its static state at its anchor distance (from the line tables),
// its fairlead moves with the body, and the dynamic line model gives the tension amplitude along the
// line; the swing of the line direction under the same motion, taken quasi-statically, turns the
// mean tension into the rest of the force.
#include <array>
#include <cmath>
#include <cstdint>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/equilb.h"
#include "mooring/catcom.h"
#include "mooring/catenary_element.h"
#include "mooring/dynamic_line.h"
#include "mooring/lincom.h"
#include "mooring/line_driver.h"
#include "mooring/strain_law.h"
#include "numlib/algebra.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "util/sim_types.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::int32_t kDynamicLineCodes = 1024;  // codes above belong to lines the dynamic model owns
constexpr std::int32_t kTypeBits = 1023;
// |cos beta| at or below which a line's angle change comes from its vertical tension.
constexpr float kFlatLine = 0.02f;
constexpr int kNodes = 26;

// Inches or millimetres of the element diameters to the length unit.
float diameterFactor() { return TPCM.NUNTS != kMetricUnits ? 0.0833f : 0.001f; }

// The static state of the line at the anchor distance d from the line tables of its type in the
// depth layer MIDLYR, into LINCOM (HMEAN, TPTEN0, BTTEN0, FRICTN): the polar angle beta of the line
// at the fairlead, measured from the vertical [rad], and its grounded length [ft | m]. A distance
// whose table tension is not positive takes the line at the first table point.
struct TableState {
  float beta;
  float grounded;
};

TableState staticState(std::int32_t line, std::int32_t type, float d) {
  Lincom& lc = LINCOM;
  const std::int32_t L = lc.MIDLYR;
  const float* separation = &lc.SEPVES(1, L, type);
  int range = 0;
  int IPT = 1;
  BSRCH(separation, d, range, IPT, TPCM.NUMTAB);
  auto at = [&](const float* table) {
    float value = 0.0f;
    INTERP(separation, table, d, value, IPT);
    return value;
  };
  auto column = [&](const Arr<float, 90, 29, 150>& table) { return &table(1, L, type); };
  float topAngle = 0.0f, topTension = 0.0f, bottomAngle = 0.0f, grounded = 0.0f;
  lc.HMEAN = at(lc.HLOD.data());
  if (lc.HMEAN > 0.0f) {
    topAngle = at(column(lc.TOPANG));
    topTension = at(column(lc.TOPTEN));
    bottomAngle = at(column(lc.BOTANG));
    lc.FRICTN = at(column(lc.FFRICT));
    grounded = at(column(lc.BOTLEN));
  } else {
    warnNoMeanTension(line, d);
    topAngle = lc.TOPANG(1, L, type);
    topTension = lc.TOPTEN(1, L, type);
    bottomAngle = lc.BOTANG(1, L, type);
    lc.FRICTN = lc.FFRICT(1, L, type);
    grounded = lc.BOTLEN(1, L, type);
  }
  lc.TPTEN0 = topTension;
  const double slope = std::tan(static_cast<double>(bottomAngle));
  lc.BTTEN0 = static_cast<double>(lc.HMEAN) * std::sqrt(1.0 + slope * slope);
  return {topAngle + kHalfPi, grounded};
}

// The strain-law terms and scaled weights of the line's type at the mean tension and at the raised
// tension, after a refit of its strain curves at the mean tension when the data set uses them; the
// refit solves the line at its own fairlead height.
void strainLawAtMeanTension(std::int32_t line, std::int32_t type) {
  Lincom& lc = LINCOM;
  const Morcom& m = TPCM.moor;
  const std::int32_t N = m.NELEM(type);
  const float* wet = &m.WETWT(1, type);
  const float* alpha = &m.ALPHA(1, 1, type);
  lc.DPHLD = lc.HMEAN;
  lc.DPHLD2 = (1.0 + lc.DHFRAC) * lc.HMEAN;
  if (lc.NEED_STRAIN_FILE != 0 && m.STRESS_STRAIN_FILE(type) != 0) {
    lc.DELTAZ = lineFairleadHeight(type, lc.ZANCK(line));
    LOAD_ALPHAS(lc.DPHLD, lc.MIDLYR);
  }
  SCLWLD(lc.SCLWTP.data(), wet, lc.DPHLD2, N);
  BETALD(alpha, lc.BETAP.data(), lc.DPHLD2, N);
  SCLWLD(lc.SCLWT.data(), wet, lc.DPHLD, N);
  BETALD(alpha, lc.BETA.data(), lc.DPHLD, N);
}

// The element in which the line touches the seabed (0 when it does not rest on it).
void touchdown(std::int32_t type, float grounded) {
  Lincom& lc = LINCOM;
  const Morcom& m = TPCM.moor;
  lc.BOTELM = 0;
  if (m.ANCTYP(type) == 0 || !(grounded > 0.0f)) return;
  float groundedWeight = 0.0f, groundedLength = 0.0f;
  TUCHDN(grounded, &m.WETWT(1, type), &m.SLEN(1, type), lc.BETA.data(), m.NELEM(type), lc.DSLOPE, groundedWeight,
         lc.BOTELM, groundedLength);
}

// The complex tension amplitude at the fairlead of line `line` from the dynamic line model, for the
// end motions in CATCOM CAFLD and CABOT.
Complex fairleadTension(std::int32_t line, float OMEGA, const float* DIST) {
  double catenaryParameter = 0.0;
  std::int32_t done = 0;
  Complex CYCP, CYCM, CYEP, CYEM, CTOPP, CBOTP, CTOPM, CBOTM;
  float FSTP = 0.0f, FSTM = 0.0f, ratio = 0.0f;
  std::array<Complex, kNodes> CNODP{}, CNODM{}, CAXN{}, CTRN{};
  DYNCOD({.LINNUM = line, .OMEGA = OMEGA, .DIAFAC = diameterFactor(), .SEPARR = DIST, .LNODES = 0, .LWARN = 0,
          .out = {.CATPRM = catenaryParameter, .IDONE = done, .CYCP = CYCP, .CYCM = CYCM, .CYEP = CYEP,
                  .CYEM = CYEM, .CTOPP = CTOPP, .CBOTP = CBOTP, .CTOPM = CTOPM, .CBOTM = CBOTM, .FSTP = FSTP,
                  .FSTM = FSTM, .CNODP = CNODP.data(), .CNODM = CNODM.data(), .CAXN = CAXN.data(),
                  .CTRN = CTRN.data(), .RATIO = ratio}});
  return CTOPP;
}

}  // namespace

void DYNSPR(const DynsprArgs& args) {
  const DynsprArgs::Out& out = args.out;
  const Tpcm& t = TPCM;
  const Morcom& m = t.moor;
  Lincom& lc = LINCOM;
  Catcom& cc = CATCOM;
  const float OMEGA = args.OMEGA;
  const std::array<float, 6> amplitude = {args.SG, args.SW, args.HV, args.RL, args.PT, args.YW};
  const std::array<float*, 6> spring = {&out.KSG, &out.KSW, &out.KHV, &out.KRL, &out.KPT, &out.KYW};
  const std::array<float*, 6> damping = {&out.BSG, &out.BSW, &out.BHV, &out.BRL, &out.BPT, &out.BYW};
  const std::array<Complex*, 6> force = {&out.FX, &out.FY, &out.FZ, &out.MX, &out.MY, &out.MZ};
  for (int k = 0; k < 6; ++k) {
    *spring[k] = 0.0f;
    *damping[k] = 0.0f;
    *force[k] = Complex(0.0f, 0.0f);
  }
  const float heading = t.CREATR == kSimFirnedo ? EQUILB.BUYNGL : EQUILB.VESANG;
  const float theta[3] = {args.RL, args.PT, args.YW};
  const float z[3] = {0.0f, 0.0f, 1.0f};

  for (std::int32_t i = 1; i <= m.NLIN; ++i) {
    const std::int32_t code = lc.LINEID(i);
    if (code > kDynamicLineCodes) continue;
    checkLineCode(i, code, "DYNSPR");
    const std::int32_t type = code & kTypeBits;
    lc.ITYP = type;
    const float d = args.DIST[i - 1];
    const TableState state = staticState(i, type, d);
    const float beta = state.beta;
    const float psi = ANGSYM(lc.ANGDPP(i) / kDegreesPerRadian - heading);

    // The fairlead's motion with the body: translation plus rotation about the reference point.
    const float r[3] = {m.RFLD(1, i), m.RFLD(2, i), m.RFLD(3, i) - t.TDRAFT};
    float u[3];
    XPROD(theta, r, u);
    u[0] += args.SG;
    u[1] += args.SW;
    u[2] += args.HV;

    // Along the line (or along the tension gradient) the fairlead moves away from the anchor by
    // -(u . e).
    float e1[3];
    RCTNGL(beta, psi, e1);
    if (m.TENSRF == 0) {
      cc.CAFLD = Complex(-DOTP(u, e1), 0.0f);
    } else {
      float e2[3];
      RCTNGL(std::atan(cc.DTFDZF(i) / cc.DTFDXF(i)) + kHalfPi, psi, e2);
      cc.CAFLD = Complex(-DOTP(u, e2), 0.0f);
    }
    cc.CABOT = Complex(0.0f, 0.0f);

    strainLawAtMeanTension(i, type);
    touchdown(type, state.grounded);
    const Complex Tc = fairleadTension(i, OMEGA, args.DIST);

    // The swing of the line, quasi-statically: the turn of its vertical plane (sin beta dpsi, 0 for
    // a line that leaves the fairlead vertically), the change of its horizontal span and height, the
    // changes of its fairlead tension, horizontal and vertical tension, and of its polar angle.
    float e1z[3];
    XPROD(e1, z, e1z);
    const float swing = (d != 0.0f && VMOD(e1z) != 0.0f) ? DOTP(e1z, u) / d : 0.0f;  // sin beta dpsi
    const float cosPsi = std::cos(psi);
    const float sinPsi = std::sin(psi);
    const float dx = -cosPsi * u[0] - sinPsi * u[1];
    const float dz = u[2];
    const float dT = cc.DTFDXF(i) * dx + cc.DTFDZF(i) * dz;
    const float dH = (dx - cc.DXSDZF(1, i) * dz) / cc.DXSDH(1, i);
    const float dV = cc.DTZFDH(i) * dH + cc.DTZFDZ(i) * dz;
    const float sinBeta = std::sin(beta);
    const float cosBeta = std::cos(beta);
    const float tension = static_cast<float>(lc.TPTEN0);
    const float dBeta = std::fabs(cosBeta) > kFlatLine ? (dH - dT * sinBeta) / (cosBeta * tension)
                                                       : (dT * cosBeta - dV) / (sinBeta * tension);

    // The change of the line direction in body axes, and the line's force and moment on the body.
    float turn[3];
    XPROD(e1, theta, turn);
    const float de[3] = {cosBeta * cosPsi * dBeta - sinPsi * swing + turn[0],
                         cosBeta * sinPsi * dBeta + cosPsi * swing + turn[1], -sinBeta * dBeta + turn[2]};
    Complex F[3];
    for (int k = 0; k < 3; ++k) F[k] = Tc * e1[k] + Complex(tension * de[k], 0.0f);
    Complex M[3];
    CXPROD(r, F, M);

    const std::array<Complex, 6> P = {F[0], F[1], F[2], M[0], M[1], M[2]};
    for (int k = 0; k < 6; ++k) {
      const float A = amplitude[k];
      if (A == 0.0f) continue;
      *spring[k] += std::fabs(P[k].real() / A);
      if (OMEGA != 0.0f) *damping[k] += std::fabs(P[k].imag() / (A * OMEGA));
      *force[k] += P[k];
    }
  }
}

}  // namespace qv

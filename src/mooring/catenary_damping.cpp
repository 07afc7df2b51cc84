#include "mooring/catenary_damping.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "dataset/tpcm.h"
#include "mooring/catcom.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"
#include "mooring/line_trace.h"
#include "numlib/angles.h"
#include "platform/units.h"
#include "util/console_io.h"

namespace qv {

namespace {

constexpr double kSmallestSlopeStep = 0.001;
constexpr double kSingularJacobian = 1.0e-20;

// Simpson weights on points 1..n: 1 at both ends, 4 at the even points, 2 at the other inner ones.
float simpsonWeight(int k, int n) {
  if (k == 1 || k == n) return 1.0f;
  return k % 2 == 0 ? 4.0f : 2.0f;
}

// The sums of CATDMP over the points of one element.
struct Sums {
  float cube = 0.0f;     // |N|^3
  float normal = 0.0f;   // |N|^2
  float tangent = 0.0f;  // |L|^2
  float outOfPlane = 0.0f;
  Complex sine{0.0f, 0.0f};    // N s
  Complex cosine{0.0f, 0.0f};  // N c
  float largest = 0.0f;
  float topNormal = 0.0f;
  float topTangent = 0.0f;

  void add(int k, int n, Complex N, Complex L, float c, float s) {
    const float F = std::sqrt(std::norm(N));  // |N| without hypot's care for overflow: motions are small
    const float G = std::sqrt(std::norm(L));
    largest = std::max(largest, F);
    if (k == n) {
      topNormal = F;
      topTangent = G;
    }
    const float w = simpsonWeight(k, n);
    cube += w * F * F * F;
    normal += w * F * F;
    tangent += w * G * G;
    sine += w * N * s;
    cosine += w * N * c;
  }
};

// The outputs of CATDMP from the sums, the arc step `ds` between points (a dq, or the straight
// element's step).
void scaleSums(const Sums& sum, double ds, const CatdmpArgs::Out& out, std::int32_t BOTFLG) {
  const auto simpson = static_cast<float>(ds / 3.0);
  out.DISIPD = sum.cube * static_cast<float>(4.0 / 9.0 * ds);
  out.KEELMT = sum.normal * simpson;
  out.KEELML = sum.tangent * simpson;
  out.ADAMAXQ = sum.largest;
  out.ADATOPQ = sum.topNormal;
  out.LONTOPQ = sum.topTangent;
  out.CTXACC = sum.sine;
  if (out.CTXACC != Complex(0.0f, 0.0f)) {
    const std::complex<double> x(sum.sine);
    const std::complex<double> z(sum.cosine);
    out.CTXACC = Complex(0.5 * ds / 3.0 * (x * x - z * z) / x);
  }
  out.CTZACC = sum.cosine * simpson;
  if (BOTFLG == 0) out.CTXACC = Complex(0.0f, 0.0f);
}

void traceCatmot(const double* values, int count, const char* heading) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, heading);
  writeTraceValues(unit, {}, values, count);
}

}  // namespace

void CATMOT(float& DADXF, float& DADZF, float& tX, float& tZ, double& DXDP, double& DXDT, double& DZDP,
            double& DZDT, float& c, float& s, double q, double qB, double qF, std::int32_t element,
            std::int32_t BOTFLG) {
  const Tpcm& t = TPCM;
  const Lincom& lc = LINCOM;
  const Catcom& cc = CATCOM;
  const std::int32_t type = lc.ITYP;
  const std::int32_t unit = t.EDUNIT;
  const bool trace = t.NBUG == 1;
  const float L = t.moor.SLEN(element, type);
  const double w = t.moor.WETWT(element, type);
  if (trace) writeRecord(unit, "IN CATMOT");
  c = COSPHT(static_cast<float>(q));
  s = SINPHT(static_cast<float>(q));
  const double delta = std::max(std::fabs(q * lc.DHFRAC), kSmallestSlopeStep);
  const double a = lc.DPHLD / w;
  auto separation = [&](double& dx, double& dz, double p, double bottom, double top, double parameter,
                        const double* b, double scaled) {
    PNTSEP(dx, dz, p, bottom, top, parameter, b, scaled, L, lc.DSLOPE, t.NBUG, element, BOTFLG, unit);
  };
  if (trace) writeRecord(unit, "IN CATMOT; BEFORE PNTSEP");
  double x0 = 0.0, z0 = 0.0;
  separation(x0, z0, q, qB, qF, a, lc.BETA.data(), lc.SCLWT(element));

  // Every slope shifted by delta; the touchdown element's lower end stays on the seabed.
  double x1 = 0.0, z1 = 0.0;
  separation(x1, z1, q + delta, BOTFLG != 0 ? qB : qB + delta, qF + delta, a, lc.BETA.data(), lc.SCLWT(element));
  DXDP = (x1 - x0) / delta;
  DZDP = (z1 - z0) / delta;

  // The catenary parameter raised, the point at the same arc length from the top.
  const double raised = lc.DPHLD2 / w;
  const double da = raised - a;
  const double r = a / raised;
  const double qShifted = qF + (q - qF) * r;
  double x2 = 0.0, z2 = 0.0;
  separation(x2, z2, qShifted, BOTFLG != 0 ? qB : qF + r * (qB - qF), qF, raised, lc.BETAP.data(),
             lc.SCLWTP(element));
  DXDT = (x2 - x0) / da;
  DZDT = (z2 - z0) / da;

  // The point's motion per unit horizontal (u, v) and vertical (u', v') top motion, times JACOBY.
  const double u = DXDP * cc.DZFDT - DXDT * cc.DZFDP;
  const double v = DZDP * cc.DZFDT - DZDT * cc.DZFDP;
  const double uz = DXDT * cc.DXFDP - DXDP * cc.DXFDT;
  const double vz = DZDT * cc.DXFDP - DZDP * cc.DXFDT;
  DADXF = static_cast<float>(c * v - s * u);
  DADZF = static_cast<float>(c * vz - s * uz);
  tX = static_cast<float>(c * u + s * v);
  tZ = static_cast<float>(c * uz + s * vz);

  if (trace) {
    writeRecord(unit, " >>IN CATMOT:");
    const double J = cc.JACOBY;
    const double top[] = {cc.DXFDP, cc.DXFDT, cc.DZFDP, cc.DZFDT};
    traceCatmot(top, 4, " DXFDP,DXFDT,DZFDP,DZFDT");
    const double perTop[] = {u / J, v / J, uz / J, vz / J};
    traceCatmot(perTop, 4, " DXDXF,DZDXF,DXDZF,DZDZF");
    const double point[] = {DXDP, DXDT, DZDP, DZDT};
    traceCatmot(point, 4, " DXDP,DXDT,DZDP,DZDT");
    const double parameter[] = {x2 - x0, z2 - z0, qShifted, raised};
    traceCatmot(parameter, 4, " DXDSI,DZDSI,QP,TX ");
    const double end[] = {DADXF, DADZF, DXDP, DZDP, DZDT, x2 - x0, z2 - z0, qShifted, qB, qF};
    traceCatmot(end, 10, "CATMOT END; DADXF,DADZF,DXDP,DZDP,DZDT,DXDSI,DZDSI,QP,DQB,DQF");
    PRSRET(unit, kKeyboardUnit);
    writeRecord(unit, "TRY AGAIN, AND...");
  }
}

void CATDMP(const CatdmpArgs& args) {
  const CatdmpArgs::Out& out = args.out;
  const std::int32_t j = args.j, n = args.n;
  const double qF = args.qF, qB = args.qB;
  const Lincom& lc = LINCOM;
  Catcom& cc = CATCOM;
  const Complex zero(0.0f, 0.0f);
  out.DISIPD = out.DISOOP = out.KEELMT = out.KEELML = out.KEOOP = 0.0f;
  out.ADAMAXQ = out.ADATOPQ = out.LONTOPQ = 0.0f;
  out.CTXACC = out.CTZACC = zero;
  if (lc.BOTELM != 0 && j >= lc.BOTELM && qF <= lc.DSLOPE) return;  // on the seabed
  Sums sum;

  if (TPCM.moor.WETWT(j, lc.ITYP) == 0.0f) {
    // A weightless element is straight: its points move linearly from the bottom to the top.
    const float c = COSPHT(static_cast<float>(qF));
    const float s = SINPHT(static_cast<float>(qF));
    const double dt = 1.0 / (n - 1);
    for (int k = 1; k <= n; ++k) {
      const auto t = static_cast<float>((k - 1) * dt);
      const Complex X = args.DXBOT1 + t * args.DXTOP2;
      const Complex Z = args.DZBOT1 + t * args.DZTOP2;
      sum.add(k, n, Z * c - X * s, X * c + Z * s, c, s);
    }
    const double length = TPCM.moor.SLEN(j, lc.ITYP) * STRECH(qF, lc.BETA.data(), j);
    scaleSums(sum, length * dt, out, args.BOTFLG);
    return;
  }

  const double dq = (qF - qB) / (n - 1);
  float DADXF = 0.0f, DADZF = 0.0f, tX = 0.0f, tZ = 0.0f, c = 0.0f, s = 0.0f;
  CATMOT(DADXF, DADZF, tX, tZ, cc.DXFDP, cc.DXFDT, cc.DZFDP, cc.DZFDT, c, s, qF, qB, qF, j, args.BOTFLG);
  cc.JACOBY = cc.DXFDP * cc.DZFDT - cc.DXFDT * cc.DZFDP;
  if (cc.JACOBY == 0.0) cc.JACOBY = kSingularJacobian;
  const auto J = static_cast<float>(cc.JACOBY);
  const double* b = lc.BETA.data();
  const double q1 = qB;
  for (int k = 1; k <= n; ++k) {
    const double q = qB + (k - 1) * dq;
    double DXDP = 0.0, DXDT = 0.0, DZDP = 0.0, DZDT = 0.0;
    CATMOT(DADXF, DADZF, tX, tZ, DXDP, DXDT, DZDP, DZDT, c, s, q, qB, qF, j, args.BOTFLG);
    const Complex N = (args.DXTOP2 * DADXF + args.DZTOP2 * DADZF) / J + (args.DZBOT1 * c - args.DXBOT1 * s);
    const Complex L = (args.DXTOP2 * tX + args.DZTOP2 * tZ) / J + (c * args.DXBOT1 + s * args.DZBOT1);
    sum.add(k, n, N, L, c, s);
    if (args.DO_OOP != 0) {
      const double secant = SECFCN(q);
      const double dx = XFCN(SECFCN(q1), q1, j, b) - XFCN(secant, q, j, b);
      const double lever = args.x0 - args.a * dx;
      sum.outOfPlane +=
          static_cast<float>(simpsonWeight(k, n) * secant * (args.a * DXFCN(secant, q, j, b)) * lever * lever);
    }
  }
  scaleSums(sum, args.a * dq, out, args.BOTFLG);
  out.KEOOP = sum.outOfPlane * static_cast<float>(dq / 3.0);
}

}  // namespace qv

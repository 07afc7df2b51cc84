// The yoke of an attached SALM as one rigid body, written from its free-body diagram: hinged to the
// column's top at its lower end, held at its top by its two sides, each on a hinge at the vessel whose
// line runs across the yoke's plane. The body takes, besides what its ends carry, its weight and
// buoyancy at their centres, the wave and drag loads of the load file, and the inertia of its mass and
// (when it takes water) of its added mass, spread evenly along each element and acting across the
// yoke only. What its top must then carry, about the top:
//   - across the yoke's plane (about the in-plane normal): the couple of the sides' axial loads,
//     PNDARM (left - right) / 2;
//   - about the hinge line: nothing.
//
// Frames. The yoke's mean axes are n (in-plane normal, the shear's direction), e2 (lateral,
// horizontal) and a (along the yoke, from its lower end up), right-handed (n x e2 = a); phi is the
// yoke's angle from the vertical, so the vertical is e3 = cos(phi) a - sin(phi) n. The loads of the
// run are components in axes that turn with the yoke: by its in-plane angle dphi about e2, and by its
// lateral angle dtheta = psi / sin(phi) about the vertical, keeping the lateral axis horizontal:
//   dn = -dphi a + cos(phi) dtheta e2,  da = dphi n + sin(phi) dtheta e2,  de2 = -dtheta (sin a + cos n).
// A load at a station is the force the part above exerts on the part below; a mean load F0 with the
// run's turned components dS, dA, dT is the force F0 + dF with dF.b = d(F.b) - F0.db for b = n, a, e2.
//
// Balance about the top T (a point of the body, at x = L along the yoke), linearised about the mean:
//   M_cut + sum over the applied loads of (r - r_T) x F = sum over the mass of (r - r_T) x (acc dm)
//                                                        + the rotational inertia about each centre;
// M_cut being what the top carries. Each mass point at x moves as the lower end does (B) plus the
// yoke's rotation, u(x) = B + x (dphi n + psi e2); its acceleration is -omega^2 u. The components of
// M_cut in the turned axes are dM.b + M0.db, M0 the mean moment at the top.
#pragma once

#include <array>
#include <complex>
#include <cstddef>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/record_file.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

using Cd = std::complex<double>;
using Vec = std::array<Cd, 3>;  // components along n, e2, a

inline Vec operator+(const Vec& u, const Vec& v) { return {u[0] + v[0], u[1] + v[1], u[2] + v[2]}; }
inline Vec operator-(const Vec& u, const Vec& v) { return {u[0] - v[0], u[1] - v[1], u[2] - v[2]}; }
inline Vec operator*(Cd k, const Vec& v) { return {k * v[0], k * v[1], k * v[2]}; }
inline Cd dot(const Vec& u, const Vec& v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }
// In the right-handed basis (n, e2, a).
inline Vec cross(const Vec& u, const Vec& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

// One element of the yoke, along its axis from the yoke's lower end.
struct YokeElement {
  double bottom, length;      // [ft | m]
  double weight, cg, gyradius;  // [kips | t], centre and gyradius from the element's bottom [ft | m]
  double buoyancy, cb;        // as the statics count it [kips | t], its centre from the bottom
  double addedMass;           // added mass as a weight, Cm times the displaced weight [kips | t]
};

struct YokeBody {
  double phi, L, g;  // mean angle from the vertical [rad], length, gravity
  std::vector<YokeElement> elements;
};

// One wave period: the motion and the loads the run found.
struct YokePeriod {
  double omega2;    // [rad^2/s^2]
  Cd dphi, psi;      // the yoke's in-plane and lateral angle (psi = sin(phi) dtheta)
  Vec B;            // motion of the yoke's lower end, in the mean axes
  Vec loadMean;     // mean load at the lower end, in the mean axes
  Vec loadTurned;   // its wave-frequency change in the turned axes (the run's station loads)
  Vec waveForce;    // wave and drag loads of the whole yoke, and their moment about its lower end
  Vec waveMoment;
};

// What the top carries: across the yoke's plane (about the turned n) and about the hinge line (the
// turned e2), at wave frequency; and at the mean.
struct YokeTop {
  Cd lateral, inPlane;
  double meanLateral, meanInPlane;
};

inline YokeTop yokeFreeBody(const YokeBody& y, const YokePeriod& p) {
  const double s = std::sin(y.phi), c = std::cos(y.phi);
  const Vec n{1.0, 0.0, 0.0}, e2{0.0, 1.0, 0.0}, a{0.0, 0.0, 1.0};
  const Vec e3 = Cd(c) * a - Cd(s) * n, e1 = Cd(s) * a + Cd(c) * n;
  const Cd dtheta = p.psi / s;
  const Vec dn = Cd(c) * dtheta * e2 - p.dphi * a, da = p.dphi * n + Cd(s) * dtheta * e2, de2 = -dtheta * e1;
  const std::array<Vec, 3> axes{n, e2, a}, turns{dn, de2, da};

  // The lower end: the force on the yoke is minus the station's, at -L a from the top.
  const Vec F0 = p.loadMean;
  Vec dF{};
  for (int b = 0; b < 3; ++b) {
    dF = dF + (p.loadTurned[static_cast<std::size_t>(b)] - dot(F0, turns[static_cast<std::size_t>(b)])) *
                  axes[static_cast<std::size_t>(b)];
  }
  const Vec lever = Cd(-y.L) * a;
  Vec applied0 = cross(lever, Cd(-1.0) * F0);
  Vec dApplied = cross(Cd(-y.L) * da, Cd(-1.0) * F0) + cross(lever, Cd(-1.0) * dF);

  // Weight and buoyancy, vertical and of fixed size; the levers turn with the yoke.
  Vec inertia{};
  const Cd minusOmega2(-p.omega2);
  const Vec spin = p.dphi * e2 - p.psi * n;  // the rotation across the yoke
  const auto vertical = [&](double force, double centre) {
    applied0 = applied0 + cross(Cd(centre - y.L) * a, Cd(force) * e3);
    dApplied = dApplied + cross(Cd(centre - y.L) * da, Cd(force) * e3);
  };
  for (const YokeElement& e : y.elements) {
    vertical(-e.weight, e.bottom + e.cg);
    vertical(e.buoyancy, e.bottom + e.cb);
    // Inertia about the top: the mass at its centre of gravity with its gyradius, the added mass at
    // the centre of buoyancy spread evenly along the element (length^2 / 12), across the yoke alone
    // (its share along a has no moment about the top).
    const auto add = [&](double mass, double x, double radius2) {
      const Vec u = p.B + Cd(x) * (p.dphi * n + p.psi * e2);
      inertia = inertia + cross(Cd(x - y.L) * a, Cd(mass) * minusOmega2 * u) + Cd(mass * radius2) * minusOmega2 * spin;
    };
    add(e.weight / y.g, e.bottom + e.cg, e.gyradius * e.gyradius);
    add(e.addedMass / y.g, e.bottom + e.cb, e.length * e.length / 12.0);
  }
  // The wave and drag loads: their moment about the top.
  dApplied = dApplied + p.waveMoment + cross(lever, p.waveForce);

  const Vec M0 = Cd(-1.0) * applied0;
  const Vec dM = inertia - dApplied;
  return {dot(dM, n) + dot(M0, dn), dot(dM, e2) + dot(M0, de2), M0[0].real(), M0[1].real()};
}

// ---- the yoke of a run ----------------------------------------------------------------------
//
// The top member of the run's column (SOLVE NCON) as the statics left its elements (buoyancies as
// forces); `wet`: whether it takes water, with its buoyancy and added mass.
inline YokeBody yokeOfTheRun(bool wet) {
  const Tpcm& t = TPCM;
  const Solve& sv = SOLVE;
  const int N = sv.NCON;
  YokeBody y{OUTPUT.PHICON(N), sv.CNLEN(N), WAVCOM.G, {}};
  double bottom = 0.0;
  for (int e = sv.JELEM(N); e < sv.JELEM(N + 1); ++e) {
    const double buoyancy = wet ? t.BUOY(e) : 0.0;
    y.elements.push_back({bottom, t.SLEN(e), t.TMASS(e), t.CGSALM(e), t.GYRAD(e), buoyancy, t.CBUOY(e),
                          buoyancy * t.COFMST(e)});
    bottom += t.SLEN(e);
  }
  return y;
}

// Period IW of the run's last heading: the yoke's angles, the motion of its lower end as the members
// below (in the SALM plane) move it, the loads of the station at its lower end (OUTPUT's load point
// 2 NCON), and the wave and drag loads of moment element `element`, the yoke's top, from the load file
// "MOMDAT" (per period and moment element five records: force in-plane, along, across, and its
// moment about the member's lower end about the in-plane normal and about the lateral axis).
inline YokePeriod yokePeriodOfTheRun(int IW, const RecordDump& momdat, int element) {
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  const int N = sv.NCON;
  YokePeriod p;
  p.omega2 = WAVCOM.W2(IW);
  p.dphi = o.PHIMEM(IW, N);
  p.psi = o.THTMEM(IW, N);
  p.B = {};
  for (int m = 1; m < N; ++m) {
    const double turn = o.PHICON(N) - o.PHICON(m);
    const Vec across{std::cos(turn), 0.0, std::sin(turn)};  // member m's in-plane normal, in the yoke's axes
    p.B = p.B + Cd(sv.CNLEN(m)) * (Cd(o.PHIMEM(IW, m)) * across + Cd(o.THTMEM(IW, m)) * Vec{0.0, 1.0, 0.0});
  }
  p.loadMean = {o.FSHR(N, N), EQUILB.FLTRL0, o.FAX(N, N)};
  p.loadTurned = {o.NETSHR(IW, 2 * N), o.NETLTR(IW, 2 * N), o.NETAXL(IW, 2 * N)};
  const std::size_t first = 5 * (static_cast<std::size_t>(IW - 1) * static_cast<std::size_t>(TPCM.NMOMT) +
                                 static_cast<std::size_t>(element - 1));
  const auto record = [&](std::size_t q) { return Cd(momdat.records.at(first + q).complexAt(0)); };
  p.waveForce = {record(0), record(2), record(1)};
  p.waveMoment = {record(3), record(4), 0.0};
  return p;
}

// The couple of the yoke's sides in period IW: the arm times half the left side's axial load less
// the right side's (load points 2 NCON + 2 and 2 NCON + 1).
inline Cd sideCouple(int IW) {
  const int N = SOLVE.NCON;
  return 0.5 * double(TPCM.PNDARM) * Cd(OUTPUT.NETAXL(IW, 2 * N + 2) - OUTPUT.NETAXL(IW, 2 * N + 1));
}

}  // namespace qv::testing_support

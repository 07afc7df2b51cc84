// A member of the SALM column, from its lower end up to a cut, as one rigid body, written from its
// free-body diagram: it takes the load of the station at its lower end, its weight and buoyancy at
// their centres, the wave and drag loads of the load file, and the inertia of its mass and (where it
// takes water) of its added mass, spread evenly along each element and acting across the member only.
// What the cut carries then follows from the balance of moments about it. At a hinge between members
// that is nothing; at the top of a yoke, hung from the column's top and held by two sides each on a
// hinge at the vessel whose line runs across the yoke's plane:
//   - across the yoke's plane (about the in-plane normal): the couple of the sides' axial loads,
//     PNDARM (left - right) / 2;
//   - about the hinge line: nothing.
//
// Frames. The member's mean axes are n (in-plane normal, the shear's direction), e2 (lateral,
// horizontal) and a (along the member, from its lower end up), right-handed (n x e2 = a); phi is the
// member's angle from the vertical, so the vertical is e3 = cos(phi) a - sin(phi) n. The loads of the
// run are components in axes that turn with the member: by its in-plane angle dphi about e2, and by
// its lateral angle dtheta = psi / sin(phi) about the vertical, keeping the lateral axis horizontal:
//   dn = -dphi a + cos(phi) dtheta e2,  da = dphi n + sin(phi) dtheta e2,  de2 = -dtheta (sin a + cos n).
// A load at a station is the force the part above exerts on the part below; a mean load F0 with the
// run's turned components dS, dA, dT is the force F0 + dF with dF.b = d(F.b) - F0.db for b = n, a, e2.
//
// Balance about the cut T (a point of the body, at x = L along the member), linearised about the
// mean:
//   M_cut + sum over the applied loads of (r - r_T) x F = sum over the mass of (r - r_T) x (acc dm)
//                                                        + the rotational inertia about each centre;
// M_cut being what the cut carries. Each mass point at x moves as the lower end does (B) plus the
// member's rotation, u(x) = B + x (dphi n + psi e2); its acceleration is -omega^2 u. The components of
// M_cut in the turned axes are dM.b + M0.db, M0 the mean moment at the cut.
#pragma once

#include <array>
#include <complex>
#include <cstddef>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
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

// One element of the part, along its axis from the member's lower end.
struct PartElement {
  double bottom, length;        // [ft | m]
  double weight, cg, gyradius;  // [kips | t]; centre and gyradius from the element's bottom [ft | m]
  double buoyancy, cb;          // as the statics count it [kips | t]; its centre from the bottom [ft | m]
  double addedMass;             // as a weight: Cm times the displaced weight [kips | t]
};

struct RigidPart {
  double phi;  // mean angle from the vertical [rad]
  double L;    // height of the cut above the member's lower end [ft | m]
  double g;    // gravity [ft/s^2 | m/s^2]
  std::vector<PartElement> elements;
};

// One wave period: the motion and the loads the run found.
struct PartPeriod {
  double omega2;   // [rad^2/s^2]
  Cd dphi, psi;    // the member's in-plane and lateral angle (psi = sin(phi) dtheta)
  Vec B;           // motion of the member's lower end, in the mean axes
  Vec loadMean;    // mean load at the lower end, in the mean axes
  Vec loadTurned;  // its wave-frequency change in the turned axes (the run's station loads)
  Vec waveForce;   // wave and drag loads of the part, and their moment about the lower end
  Vec waveMoment;
};

// What the cut carries: about the turned n (the lateral moment, across the member's plane) and about
// the turned e2 (the in-plane moment), at wave frequency; and at the mean.
struct CutMoments {
  Cd lateral, inPlane;
  double meanLateral, meanInPlane;
};

inline CutMoments cutMoments(const RigidPart& part, const PartPeriod& p) {
  const double s = std::sin(part.phi), c = std::cos(part.phi);
  const Vec n{1.0, 0.0, 0.0}, e2{0.0, 1.0, 0.0}, a{0.0, 0.0, 1.0};
  const Vec e3 = Cd(c) * a - Cd(s) * n, e1 = Cd(s) * a + Cd(c) * n;
  const Cd dtheta = p.psi / s;
  const Vec dn = Cd(c) * dtheta * e2 - p.dphi * a, da = p.dphi * n + Cd(s) * dtheta * e2, de2 = -dtheta * e1;
  const std::array<Vec, 3> axes{n, e2, a}, turns{dn, de2, da};

  // The moments about the cut of the applied loads, at the mean (applied0) and their change.
  // The lower end: the force on the part is minus the station's, at -L a from the cut.
  const Vec F0 = p.loadMean;
  Vec dF{};
  for (std::size_t b = 0; b < 3; ++b) dF = dF + (p.loadTurned[b] - dot(F0, turns[b])) * axes[b];
  const Vec lever = Cd(-part.L) * a;
  Vec applied0 = cross(lever, Cd(-1.0) * F0);
  Vec dApplied = cross(Cd(-part.L) * da, Cd(-1.0) * F0) + cross(lever, Cd(-1.0) * dF);
  // Weight and buoyancy, vertical and of fixed size; their levers turn with the member.
  const auto vertical = [&](double force, double centre) {
    applied0 = applied0 + cross(Cd(centre - part.L) * a, Cd(force) * e3);
    dApplied = dApplied + cross(Cd(centre - part.L) * da, Cd(force) * e3);
  };
  // The inertia about the cut: each mass at its centre with its gyradius; the added mass at the
  // centre of buoyancy spread evenly along the element (length^2 / 12), across the member alone (its
  // share along a has no moment about the cut).
  Vec inertia{};
  const Vec spin = p.dphi * e2 - p.psi * n;  // the rotation across the member
  const auto inertial = [&](double mass, double x, double radius2) {
    const Vec u = p.B + Cd(x) * (p.dphi * n + p.psi * e2);
    inertia = inertia + Cd(-p.omega2) * (cross(Cd(x - part.L) * a, Cd(mass) * u) + Cd(mass * radius2) * spin);
  };
  for (const PartElement& e : part.elements) {
    vertical(-e.weight, e.bottom + e.cg);
    vertical(e.buoyancy, e.bottom + e.cb);
    inertial(e.weight / part.g, e.bottom + e.cg, e.gyradius * e.gyradius);
    inertial(e.addedMass / part.g, e.bottom + e.cb, e.length * e.length / 12.0);
  }
  // The wave and drag loads.
  dApplied = dApplied + p.waveMoment + cross(lever, p.waveForce);

  const Vec M0 = Cd(-1.0) * applied0;
  const Vec dM = inertia - dApplied;
  return {dot(dM, n) + dot(M0, dn), dot(dM, e2) + dot(M0, de2), M0[0].real(), M0[1].real()};
}

// ---- a member of a run -------------------------------------------------------------------
//
// Member m of the run's column up to the top of its element `last`, as the statics left the elements
// (buoyancies as forces): `buoyant`, whether their buoyancy holds them up (under water in the
// statics); `wet`, whether they take water at wave frequency, with their added mass.
inline RigidPart partOfTheRun(int m, int last, bool buoyant, bool wet) {
  const Tpcm& t = TPCM;
  RigidPart part{OUTPUT.PHICON(m), 0.0, WAVCOM.G, {}};
  for (int e = SOLVE.JELEM(m); e <= last; ++e) {
    part.elements.push_back({part.L, t.SLEN(e), t.TMASS(e), t.CGSALM(e), t.GYRAD(e), buoyant ? t.BUOY(e) : 0.0,
                             t.CBUOY(e), wet ? t.COFMST(e) * t.BUOY(e) : 0.0});
    part.L += t.SLEN(e);
  }
  return part;
}

// Period IW of the run's last heading for member m: its angles, the motion of its lower end as the
// members below (in the SALM plane) move it, the loads of the station at its lower end (OUTPUT's
// load point 2m; the mean lateral load FLTRL0 on a yoke's top member), and the wave and drag loads up
// to the cut of moment element `element` from the load file "MOMDAT" (per period and moment element
// five records: force in-plane, along, across, and its moment about the member's lower end about the
// in-plane normal and about the lateral axis).
inline PartPeriod periodOfTheRun(int IW, int m, const RecordDump& momdat, int element) {
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  PartPeriod p;
  p.omega2 = WAVCOM.W2(IW);
  p.dphi = o.PHIMEM(IW, m);
  p.psi = o.THTMEM(IW, m);
  p.B = {};
  for (int k = 1; k < m; ++k) {
    const double turn = o.PHICON(m) - o.PHICON(k);
    const Vec across{std::cos(turn), 0.0, std::sin(turn)};  // member k's in-plane normal, in m's axes
    p.B = p.B + Cd(sv.CNLEN(k)) * (Cd(o.PHIMEM(IW, k)) * across + Cd(o.THTMEM(IW, k)) * Vec{0.0, 1.0, 0.0});
  }
  const bool yokeTop = m == sv.NCON && TPCM.IARCO == kYoke;
  p.loadMean = {o.FSHR(m, m), yokeTop ? EQUILB.FLTRL0 : 0.0f, o.FAX(m, m)};
  p.loadTurned = {o.NETSHR(IW, 2 * m), o.NETLTR(IW, 2 * m), o.NETAXL(IW, 2 * m)};
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

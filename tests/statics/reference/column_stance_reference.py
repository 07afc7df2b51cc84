#!/usr/bin/python3
"""Independent reference for the column's stance at zero load and its load-offset table under mild
changes of the tanker example (column_stance_test.cpp): the water depth 80, 90 or 110 m, the tube
(element 1) 77.5 m long, the tank (element 2) 21 m long, the buoy (element 3) of half its volume.

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. The column is worked from
the mechanics of a planar chain of rigid members, not from the program's formulas. The member sums
come from statics_reference.py's Column (elements below the piercing one wet, above it dry); on top
of them:

  * the members' angles phi_k from the vertical over the whole circle (a member may lean against the
    load, which the program's cotangents cannot show), the vertical pull lambda at the column's top
    the fourth unknown;
  * the buoyancy of the piercing element at any attitude: its full volume less the part of the
    cylinder of its waterplane area above the still-water plane, the dry part's volume and the first
    moments of its horizontal and vertical positions by quadrature over the disc (each chord's dry
    axial range exact), so the force, its line of action and its potential
    rho g * integral over the dry part of (z - surface) follow from one integral;
  * equilibrium: every member's moment balance about its lower joint and the top at the height of
    its attachment, solved by scipy's fsolve; these are the stationarity conditions of the potential
    energy less H x_top with the top's height as a constraint (lambda its multiplier);
  * stability: the Hessian of that Lagrangian by central differences of the potential, projected on
    the constraint's tangent: both eigenvalues positive for a minimum of the energy;
  * the least water depth at which the example's upright column stands (its least eigenvalue 0), by
    brentq;
  * the table of a column that stands: followed from zero load in small steps of the load by fsolve
    (each step from the shape before), the loads as the program's table takes them.

It prints the values pasted into column_stance_test.cpp and statics_balance_test.cpp.
"""

import math
import os
import sys
import warnings

import numpy as np
from scipy.integrate import quad
from scipy.optimize import brentq, fsolve

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from statics_reference import Column, fixture_two  # noqa: E402

warnings.filterwarnings("ignore")


def tanker(depth=100.0, tube=62.0, tank=14.0, buoy_volume=1908.5):
    """The tanker example's column (examples/tanker-yoke, salm_fixtures.h tankerYokeSalm)."""
    return dict(
        name="tanker", nunts=1, free=False, iarco=0,
        elements=[  # length, volume, cb, weight, cg, gyradius, free
            (tube, 194.8, 31.0, 150.0, 31.0, 17.9, 1),
            (tank, 395.8, 7.0, 150.0, 6.0, 4.5, 0),
            (30.0, buoy_volume, 15.0, 500.0, 10.0, 9.0, 1),
            (30.0, 0.0, 0.0, 200.0, 15.0, 8.7, 1),
        ],
        ipierc=3, wpaprc=63.62, depth=depth, dwatr=1025.0, yokeht=12.0, numtab=30, tload=600.0, offinc=1.0)


class Chain:
    def __init__(self, fx):
        self.col = Column(fx)
        c = self.col
        self.n = c.n
        self.rho = c.bconv
        els, ip = fx["elements"], fx["ipierc"] - 1
        start = sum(els[k][0] for k in c.members[c.p] if k < ip)
        self.cut = (start, start + els[ip][0])  # the piercing element along its member

    def dry(self, phi, z0):
        """Force, horizontal lever moment and potential moment of the dry part of the piercing
        element, its member's lower joint at height z0 and angle phi."""
        a, b = self.cut
        R, zs = self.col.R, self.col.deff
        sp, cp = math.sin(phi), math.cos(phi)

        def chord(e):  # dry axial range where z0 + t cos - e sin > zs
            if abs(cp) < 1e-15:
                return (a, b) if z0 - e * sp > zs else (0.0, 0.0)
            t = (zs - z0 + e * sp) / cp
            lo, hi = (max(a, t), b) if cp > 0 else (a, min(b, t))
            return (lo, hi) if hi > lo else (0.0, 0.0)

        brk = []
        if abs(sp) > 1e-15:
            for t in (a, b):
                e = (z0 + t * cp - zs) / sp
                if -R < e < R:
                    brk.append(math.asin(e / R))

        def integrand(th, what):
            e = R * math.sin(th)
            w = 2.0 * (R * math.cos(th)) ** 2  # chord width times de
            lo, hi = chord(e)
            ln = hi - lo
            if ln <= 0:
                return 0.0
            st = (hi * hi - lo * lo) / 2.0
            return [w * ln, w * (st * sp + e * cp * ln), w * ((z0 - zs - e * sp) * ln + st * cp)][what]

        return [self.rho * quad(integrand, -math.pi / 2, math.pi / 2, args=(k,), points=brk or None,
                                epsabs=1e-11, epsrel=1e-12, limit=200)[0] for k in range(3)]

    def terms(self, k, phi, z0):
        """Net weight, moment of weight less buoyancy about the lower joint (horizontal levers) and
        potential energy of member k."""
        c = self.col
        sp, cp = math.sin(phi), math.cos(phi)
        if k == c.p:
            B, b = c.wetvl0, c.prccb
        elif k < c.p:  # below the piercing member: wet
            B, b = c.B[k], c.b[k]
        else:  # above it: dry
            B, b = 0.0, 0.0
        N = c.W[k] - B
        mom = (c.W[k] * c.g[k] - B * b) * sp
        U = c.W[k] * (z0 + c.g[k] * cp) - B * (z0 + b * cp)
        if k == c.p:
            Bd, xd, zd = self.dry(phi, z0)
            N, mom, U = N + Bd, mom + xd, U + zd
        return N, mom, U

    def heights(self, phi):
        z = [0.0]
        for k in range(self.n):
            z.append(z[-1] + self.col.L[k] * math.cos(phi[k]))
        return z

    def residuals(self, v, H):
        phi, T = v[:-1], v[-1]
        z = self.heights(phi)
        res = []
        for k in range(self.n - 1, -1, -1):
            N, mom, _ = self.terms(k, phi[k], z[k])
            L = self.col.L[k]
            res.append(H * L * math.cos(phi[k]) - T * L * math.sin(phi[k]) + mom)
            T -= N
        return res + [z[-1] - self.col.yokbot]

    def energy(self, phi, H):
        z = self.heights(phi)
        x = sum(self.col.L[k] * math.sin(phi[k]) for k in range(self.n))
        return sum(self.terms(k, phi[k], z[k])[2] for k in range(self.n)) - H * x

    def eigenvalues(self, v, H):
        phi, lam = np.array(v[:-1]), v[-1]
        n, h = self.n, 1e-4

        def lagrangian(p):
            return self.energy(p, H) - lam * (self.heights(p)[-1] - self.col.yokbot)

        hess = np.zeros((n, n))
        for i in range(n):
            for j in range(n):
                ei, ej = np.eye(n)[i] * h, np.eye(n)[j] * h
                hess[i, j] = (lagrangian(phi + ei + ej) - lagrangian(phi + ei - ej) - lagrangian(phi - ei + ej)
                              + lagrangian(phi - ei - ej)) / (4 * h * h)
        g = np.array([-self.col.L[k] * math.sin(phi[k]) for k in range(n)])
        q, _ = np.linalg.qr(np.column_stack([g] + [np.eye(n)[i] for i in range(n)]))
        z = q[:, 1:n]
        return np.linalg.eigvalsh(z.T @ hess @ z)

    def solve(self, v, H):
        v = self.try_solve(v, H)
        assert v is not None, H
        return v

    def try_solve(self, v, H):
        v = fsolve(lambda x: self.residuals(x, H), v, xtol=1e-13)
        return v if max(abs(r) for r in self.residuals(v, H)) < 1e-6 else None


def upright(fx):
    """The example's zero-load pattern: tube and buoy straight up, the yoke closing to its hinge."""
    ch = Chain(fx)
    L = ch.col.L
    C = (ch.col.yokbot - L[0] - L[1]) / L[2]
    return ch, ch.solve([0.0, 0.0, math.acos(C), 100.0], 0.0)


def table_loads(ch):
    """HLOAD(2..30) as the program makes them: linear from 0 to TLOAD, or logarithmic from HMIN
    = 0.052 W when the linear step is above a tenth of W (W the net weight with the buoy's draft)."""
    c = ch.col
    z = ch.heights([0.0, 0.0, 0.0])
    wet = c.W[1] - ch.terms(1, 0.0, z[1])[0]
    W = abs(c.W[0] - c.B[0] + c.W[1] - wet + c.W[2])
    N, T = 30, 600.0
    if T / (N - 1) > 0.1 * W:
        hmin = 0.052 * W
        return [hmin * math.exp(j * math.log(T / hmin) / (N - 2)) for j in range(N - 1)]
    return [T / (N - 1) * j for j in range(1, N)]


def main():
    deg = 180.0 / math.pi
    cases = [("the example", {}), ("depth 80 m", {"depth": 80.0}), ("depth 90 m", {"depth": 90.0}),
             ("depth 110 m", {"depth": 110.0}), ("tube 77.5 m", {"tube": 77.5}), ("tank 21 m", {"tank": 21.0}),
             ("buoy of half its volume", {"buoy_volume": 1908.5 / 2})]
    print("Zero load, tube and buoy upright, the yoke closing: eigenvalues of the reduced Hessian [t m]")
    for name, kw in cases:
        ch, v = upright(tanker(**kw))
        ev = ch.eigenvalues(v, 0.0)
        print(f"  {name:24s} yoke {v[2] * deg:8.3f} deg  lambda {v[3]:8.3f} t  eigenvalues {ev[0]:10.1f} {ev[1]:10.1f}"
              f"  {'stands' if min(ev) > 0 else 'falls over'}")

    print("Least water depth at which the upright column stands:")
    for name, kw, lo, hi in [("the example's column", {}, 85.0, 105.0), ("tube 77.5 m", {"tube": 77.5}, 100.0, 120.0),
                             ("buoy of half its volume", {"buoy_volume": 1908.5 / 2}, 95.0, 110.0)]:
        def least(depth):
            ch, v = upright(tanker(depth=depth, **kw))
            return min(ch.eigenvalues(v, 0.0))
        print(f"  {name:24s} {brentq(least, lo, hi, xtol=1e-7):.4f} m")

    print("Depth 80 m: the equilibria at zero load with the yoke to the vessel's side (phi_3 > 0), from a")
    print("grid of starts:")
    ch = Chain(tanker(depth=80.0))
    found = []
    grid = np.linspace(-0.95 * math.pi, 0.95 * math.pi, 9)
    for start in [(a, b, c) for a in grid for b in grid for c in grid]:
        v = ch.try_solve(list(start) + [100.0], 0.0)
        if v is None:
            continue
        v[:-1] = [(p + math.pi) % (2 * math.pi) - math.pi for p in v[:-1]]
        if v[2] > 0 and not any(np.allclose(v[:-1], f[:-1], atol=1e-6) for f in found):
            found.append(v)
    for v in found:
        ev = ch.eigenvalues(v, 0.0)
        print(f"  phi {v[0] * deg:8.3f} {v[1] * deg:8.3f} {v[2] * deg:8.3f} deg  energy {ch.energy(v[:-1], 0.0):11.1f} t m"
              f"  eigenvalues {ev[0]:10.1f} {ev[1]:10.1f}")

    print("Depth 80 m: the upright shape continued under small loads (members lean against the load):")
    ch, v = upright(tanker(depth=80.0))
    for H in [0.5, 1.0, 2.0]:
        v = ch.solve(v, H)
        print(f"  H {H:4.1f} t  phi {v[0] * deg:8.4f} {v[1] * deg:8.4f} {v[2] * deg:9.4f} deg"
              f"  eigenvalues {ch.eigenvalues(v, H)}")

    print("Tank 21 m: the table followed from zero load (angles from the vertical, degrees):")
    ch, v = upright(tanker(tank=21.0))
    H0 = 0.0
    for j, H in enumerate(table_loads(ch), start=2):
        for h in np.linspace(H0, H, 6)[1:]:
            v = ch.solve(v, h)
        H0 = H
        ev = ch.eigenvalues(v, H)
        if j in (2, 3, 4, 10, 20, 30):
            print(f"  point {j:2d} H {H:9.4f} t  phi {v[0] * deg:9.5f} {v[1] * deg:9.5f} {v[2] * deg:9.5f}"
                  f"  offset {sum(ch.col.L[k] * math.sin(v[k]) for k in range(3)):9.4f} m"
                  f"  eigenvalues {ev[0]:9.1f} {ev[1]:9.1f}")

    print("Two members in 100 ft of water, the hawser at the waterline (statics_balance_test.cpp): the")
    print("buoy lies flat at zero load; the equilibrium under the table's first load, 8.11 kips:")
    fx = fixture_two()
    fx["depth"], fx["yokeht"] = 100.0, 0.0
    ch = Chain(fx)
    v = [0.0, math.pi / 2, -50.0]
    for H in np.linspace(0.0, 8.11, 9)[1:]:
        v = ch.solve(v, H)
    print(f"  phi {v[0] * deg:8.3f} {v[1] * deg:8.3f} deg  eigenvalue {ch.eigenvalues(v, 8.11)[0]:9.1f}")


if __name__ == "__main__":
    sys.exit(main())

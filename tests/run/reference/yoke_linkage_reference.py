#!/usr/bin/python3
"""Independent reference for the in-plane linkage period of the tanker example
(tanker_example_test.cpp, examples/tanker-yoke).

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. It treats the example's
column as a planar chain of three rigid members hinged end to end, the lowest on the seabed, the top
of the yoke held at the vessel's hinge, and works from that mechanism alone, not from the program's
formulas:

  * the members: member 1 the 62 m tube and the 14 m tank, member 2 the 30 m surface buoy, member 3
    the dry 30 m yoke (metric tons, metres; buoyancy = volume x 1.025); every element slender and
    uniform, its inertia about its centre of gravity its mass times its gyradius squared, its added
    mass (coefficient 1) acting on the velocity across the member along its wet length;
  * the mean angles of the members at the mean load, as the analysis leaves them (printed by the
    test), and from them the fixed reach of the chain;
  * the closure path: for a turn q of member 1, the angles of members 2 and 3 from the two closure
    conditions, solved by scipy's fsolve;
  * the potential: weights at their centres of gravity, the buoyancy of the submerged elements at
    their centroids, and that of the buoy's wet length as the water line moves along it (the
    integral of a (surface - z) over the wet length); its second derivative along the path by
    central differences;
  * the inertia: twice the kinetic energy for a unit rate of q, the joint velocities carried up the
    chain.

Period = 2 pi sqrt(inertia / stiffness). It also prints the period with the buoy's buoyancy held
at its mean wet centroid (no water-plane stiffness), for comparison.
"""

import math

import numpy as np
from scipy.optimize import fsolve

G = 9.8
RHO = 1.025  # metric tons of force per cubic metre of sea water (1025 kgw/m^3)
SURFACE = 100.0  # water depth over the base joint [m]

# length, volume, centroid, weight, centre of gravity, gyradius; the buoy (index 2) pierces.
ELEMENTS = [(62.0, 194.8, 31.0, 150.0, 31.0, 17.9), (14.0, 395.8, 7.0, 150.0, 6.0, 4.5),
            (30.0, 1908.5, 15.0, 500.0, 10.0, 9.0), (30.0, 0.0, 0.0, 200.0, 15.0, 8.7)]
MEMBERS = [[0, 1], [2], [3]]
PIERCING = 2
MEAN = np.array([0.055653729, 0.169915050, 1.350700021])  # the analysis' mean angles [rad]

L = [sum(ELEMENTS[e][0] for e in m) for m in MEMBERS]
X = sum(L[i] * math.sin(MEAN[i]) for i in range(3))
Z = sum(L[i] * math.cos(MEAN[i]) for i in range(3))


def closure(q):
    def residual(p):
        return [L[0] * math.sin(q) + L[1] * math.sin(p[0]) + L[2] * math.sin(p[1]) - X,
                L[0] * math.cos(q) + L[1] * math.cos(p[0]) + L[2] * math.cos(p[1]) - Z]
    p2, p3 = fsolve(residual, MEAN[1:], xtol=1e-14)
    return np.array([q, p2, p3])


def potential(q, waterplane=True, fixed=None):
    p = closure(q)
    u, z0 = 0.0, 0.0
    for i, members in enumerate(MEMBERS):
        c, s0 = math.cos(p[i]), 0.0
        for e in members:
            le, vol, cb, w, cg, _ = ELEMENTS[e]
            u += w * (z0 + (s0 + cg) * c)
            if e == PIERCING and waterplane:
                a = vol * RHO / le
                depth = SURFACE - z0 - s0 * c
                wet = depth / c
                u += a * (depth * wet - 0.5 * wet * wet * c)
            elif e == PIERCING:
                u -= fixed[0] * (z0 + fixed[1] * c)
            else:
                u -= vol * RHO * (z0 + (s0 + cb) * c)
            s0 += le
        z0 += L[i] * c
    return u


def inertia(q, h=1e-6):
    p = closure(q)
    beta = (closure(q + h) - closure(q - h)) / (2 * h)
    total, v0, z0 = 0.0, np.zeros(2), 0.0
    for i, members in enumerate(MEMBERS):
        c, s = math.cos(p[i]), math.sin(p[i])
        n, w, s0 = np.array([c, -s]), beta[i], 0.0
        vn = v0.dot(n)
        for e in members:
            le, vol, _, weight, cg, gyr = ELEMENTS[e]
            mass = weight / G
            u = v0 + (s0 + cg) * w * n
            total += mass * u.dot(u) + mass * gyr * gyr * w * w
            wet = (SURFACE - z0 - s0 * c) / c if e == PIERCING else le
            ma = vol * RHO / le / G
            f = lambda x: vn * vn * x + vn * w * x * x + w * w * x ** 3 / 3
            total += ma * (f(s0 + wet) - f(s0))
            s0 += le
        v0 = v0 + L[i] * w * n
        z0 += L[i] * c
    return total


def period(**kw):
    q, h = MEAN[0], 1e-4
    stiffness = (potential(q + h, **kw) - 2 * potential(q, **kw) + potential(q - h, **kw)) / h / h
    return 2 * math.pi * math.sqrt(inertia(q) / stiffness)


if __name__ == "__main__":
    print("reach X, Z [m]: %.4f %.4f" % (X, Z))
    print("in-plane period, buoyancy of the wet length: %.4f s" % period())
    z2 = L[0] * math.cos(MEAN[0])
    wet = (SURFACE - z2) / math.cos(MEAN[1])
    buoy = ELEMENTS[PIERCING][1] * RHO / ELEMENTS[PIERCING][0] * wet
    print("in-plane period, buoy buoyancy fixed at its wet centroid: %.4f s"
          % period(waterplane=False, fixed=(buoy, 0.5 * wet)))

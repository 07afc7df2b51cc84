#!/usr/bin/python3
"""Independent reference for the attached-SALM dynamics tests (dynamics_driver_test.cpp,
member_motions_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. It treats the column of
tests/dynamics/dynamics_fixtures.h (lengths 20, 15, 10 ft at 0.2, 0.5, 1.2 rad from the vertical) as a
planar chain of three rigid members hinged end to end whose two ends stay put, and works from that
mechanism alone, not from the program's formulas:

  * the closure path: for a turn phi1 of member 1, phi2 and phi3 follow from the two closure
    conditions (horizontal and vertical reach unchanged), solved by scipy's fsolve;
  * the in-plane stiffness: the second derivative of the potential sum C_i cos phi_i along that path,
    by central differences with Richardson extrapolation;
  * the in-plane inertia: twice the kinetic energy of the three rigid members for a unit rate of
    phi1 (member 1 turning about its base, member 2 carried by the top of member 1, member 3 turning
    about the fixed top), with the added mass acting across each member only;
  * the static response to a displacement of the top: the turn of member 1 that keeps the column in
    equilibrium (zero slope of the potential along the new closure path) when the top moves 1 ft
    horizontally in the SALM plane, by central differences of fsolve;
  * the drag integrals of member 2 in the in-plane mode, whose points move as 1 + a x (x from its
    lower joint), by scipy's quad;
  * wave numbers from the dispersion relation omega^2 = g k tanh(k h) by brentq.

It prints the values pasted into the tests.
"""

import math

import numpy as np
from scipy.integrate import quad
from scipy.optimize import brentq, fsolve

f32 = lambda v: float(np.float32(v))

G = f32(32.152)
L = np.array([20.0, 15.0, 10.0])
PHI = np.array([f32(0.2), f32(0.5), f32(1.2)])


def closure(p1, dx=0.0, dz=0.0):
    """phi2, phi3 for phi1 = p1 with the top moved by (dx, dz)."""
    X = float(np.sum(L * np.sin(PHI))) + dx
    Z = float(np.sum(L * np.cos(PHI))) + dz

    def f(q):
        p2, p3 = q
        return [L[0] * math.sin(p1) + L[1] * math.sin(p2) + L[2] * math.sin(p3) - X,
                L[0] * math.cos(p1) + L[1] * math.cos(p2) + L[2] * math.cos(p3) - Z]

    p2, p3 = fsolve(f, [PHI[1], PHI[2]], xtol=1e-15)
    return np.array([p1, p2, p3])


def potential(C, p1, dx=0.0):
    return float(np.sum(C * np.cos(closure(p1, dx))))


def second_derivative(f, x, h):
    d = lambda h: (f(x + h) - 2 * f(x) + f(x - h)) / h**2
    return (4 * d(h / 2) - d(h)) / 3


def slope(f, x, h=1e-4):
    return (f(x + h) - f(x - h)) / (2 * h)


# ---- in-plane stiffness of the coefficients ----
C = np.array([-900.0, -400.0, -150.0])
stiffness = second_derivative(lambda p: potential(C, p), PHI[0], 2e-3)
print("in-plane stiffness, C = -900, -400, -150:", stiffness)

# ---- linkage rates (numerical, from the closure path) ----
rates = (closure(PHI[0] + 1e-5) - closure(PHI[0] - 1e-5)) / 2e-5
b2, b3 = rates[1], rates[2]
print("linkage rates:", b2, b3)

# ---- in-plane inertia of the fixture column ----
# members: weight M, centre of gravity cg, buoyancy B, centre of buoyancy cb, radius of gyration r
members = [(30.0, 10.0, 60.0, 10.0, 6.0), (20.0, 7.5, 20.0, 5.0, 4.5), (10.0, 5.0, 40.0, 5.0, 3.0)]


def rigid(i):
    """Mass, first moment and moment of inertia about the lower joint, dry and added (across only)."""
    M, cg, B, cb, r = members[i]
    l = L[i]
    Ia = f32(B * (cb * cb + f32(0.0833) * l * l) / G)  # added inertia of a member of added-mass coefficient 1
    return dict(m=M / G, s=M * cg / G, I=M * (cg * cg + r * r) / G, ma=B / G, sa=B * cb / G, Ia=Ia)


def kinetic2(u_perp, u_along, omega, r):
    """Twice the kinetic energy of a member whose lower joint moves with velocity (u_perp across the
    member in the plane, u_along along it) and which turns at omega; added mass across only."""
    dry = r["m"] * (u_perp**2 + u_along**2) + 2 * r["s"] * u_perp * omega + r["I"] * omega**2
    added = r["ma"] * u_perp**2 + 2 * r["sa"] * u_perp * omega + r["Ia"] * omega**2
    return dry + added


r1, r2, r3 = rigid(0), rigid(1), rigid(2)
# member 1 turns about its base at unit rate
e1 = kinetic2(0.0, 0.0, 1.0, r1)
# member 2: its lower joint moves at L1 across member 1; across member 2 that is L1 cos(phi2 - phi1)
d21 = PHI[1] - PHI[0]
e2 = kinetic2(L[0] * math.cos(d21), L[0] * math.sin(d21), b2, r2)
# member 3 turns about its fixed top: moment of inertia about the top by the parallel-axis rule
I3top = (r3["I"] + r3["Ia"]) - 2 * L[2] * (r3["s"] + r3["sa"]) + L[2] ** 2 * (r3["m"] + r3["ma"])
e3 = I3top * b3**2
EQMASS = e1 + e2 + e3
stiff_fixture = stiffness
omega = math.sqrt(stiff_fixture / EQMASS)
print("in-plane inertia:", EQMASS, " frequency:", omega, " period:", 2 * math.pi / omega)

# ---- static response of the column in equilibrium (cb3 chosen so) ----
s = np.sin(PHI)
C1 = -900.0
C2 = -400.0
C3eq = -(C1 * s[0] + C2 * s[1] * b2) / (s[2] * b3)
cb3 = (50.0 - C3eq) / 40.0
print("equilibrium C3:", C3eq, " cb3:", repr(f32(cb3)))
Ceq = np.array([C1, C2, f32(50.0 - 40.0 * f32(cb3))])
print("  slope of the potential at the mean (should be ~0):", slope(lambda p: potential(Ceq, p), PHI[0]))


def equilibrium(dx):
    g = lambda p1: slope(lambda p: potential(Ceq, p, dx), p1, 1e-5)
    p1 = brentq(g, PHI[0] - 0.05, PHI[0] + 0.05, xtol=1e-15)
    return closure(p1, dx)


eps = 1e-3
response = (equilibrium(eps) - equilibrium(-eps)) / (2 * eps)
print("static turn per ft of top motion (phi1, phi2, phi3):", list(response))

# ---- drag integrals of member 2 ----
a = b2 / (L[0] * math.cos(PHI[1] - PHI[0]))
front = (L[0] * math.cos(PHI[1] - PHI[0])) ** 2
BCONV = f32(64.0 / 1000.0)
diam = lambda B, l: 2 * math.sqrt(B / (l * BCONV * f32(3.1415927)))
q = lambda x: 1 + a * x
# one element of 15 ft (B 20) and, for the two-element member, 6 ft (B 10) and 9 ft (B 10)
for elements in ([(0.0, 15.0, 20.0)], [(0.0, 6.0, 10.0), (6.0, 15.0, 10.0)]):
    F = sum(diam(B, x1 - x0) * quad(lambda x: q(x) * abs(q(x)), x0, x1, epsabs=1e-13)[0] for x0, x1, B in elements)
    T = sum(diam(B, x1 - x0) * quad(lambda x: x * q(x) * abs(q(x)), x0, x1, epsabs=1e-13)[0]
            for x0, x1, B in elements)
    print("member 2", [(x1 - x0, B) for x0, x1, B in elements], ": FRCFC2 =", front * F, " TRQFC2 =", front * T)
print("projected areas (diameter x length):",
      [diam(B, l) * l for l, B in ((20.0, 60.0), (15.0, 20.0), (10.0, 40.0))])

# ---- wave numbers of the grid 4, 6, ..., 14 s in 60 ft ----
for T in (4.0, 6.0, 8.0, 10.0, 12.0, 14.0):
    w = f32(6.2831855 / T)
    k = brentq(lambda k: G * k * math.tanh(k * 60.0) - w * w, 1e-8, 10.0, xtol=1e-15)
    print("T =", T, " k =", repr(k))

#!/usr/bin/python3
"""Independent reference for the free columns whose top member pierces the surface
(example_runs_test.cpp, free_salm_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. Each column stands upright
on its base joint; it is treated as a mechanism of rigid bodies in still water and worked from that
alone, not from the program's formulas:

  * kinetic energy: each member's dry mass as a rigid body (centre of gravity, radius of gyration
    about it) and its added mass (coefficient 1) spread evenly over the member's WETTED length only,
    acting across the member (over its whole length where the submergence option wets the buoy's
    top, WETYOK 1, 2, 5 and 6: the buoyancy stays that of the wetted part); the mass matrix from the energy of unit angular rates,
    M_ij = T(e_i + e_j) - T(e_i) - T(e_j), the added mass integrated by scipy's quad;
  * potential energy: the weights at their centres of gravity and each member's wet buoyancy at the
    centroid of its wetted part (the buoyancy keeps its size and its place on the member as the
    member turns); the stiffness matrix as its Hessian by central differences with Richardson
    extrapolation;
  * the modes by scipy.linalg.eigh(K, M); the shape is member 2's turn per unit turn of member 1.

For the free example (examples/free-salm: metric, 100 m of water, an 80 m riser of 251.3 m^3 and
150 t and a 6 m buoy of 30 m, 848.2 m^3 and 250 t whose top 10 m stand dry) the script also gives
the periods with the exact hydrostatics of the tilted cylinder (-rho g times the first moment of the
volume under the still-water plane, integrated over the section by quad), which adds the waterplane's
second moment to the buoy's restoring: the model above leaves it out, as the program does.

It prints the values pasted into the tests.
"""

import math

import numpy as np
from scipy.integrate import quad
from scipy.linalg import eigh


class Member:
    def __init__(self, length, weight, cg, gyradius, buoyancy, cb, wet, added=None):
        """Weight and buoyancy are forces; buoyancy and cb are those of the whole member, spread
        evenly along it; `wet` is the length from the lower joint that lies under water, `added` the
        length that carries added mass (the wet length unless given)."""
        self.L, self.W, self.cg, self.rg = length, weight, cg, gyradius
        self.q = buoyancy / length  # buoyancy per length
        self.wet = wet
        self.added = wet if added is None else added
        self.Bwet = self.q * wet
        self.cbwet = 0.5 * wet


def kinetic(members, rates, g):
    T = 0.0
    joint = 0.0  # horizontal velocity of the member's lower joint (the column upright)
    for m, w in zip(members, rates):
        T += 0.5 * (m.W / g) * (joint + m.cg * w) ** 2 + 0.5 * (m.W / g) * m.rg ** 2 * w * w
        added = m.q / g  # added mass per length, coefficient 1
        T += 0.5 * quad(lambda s: added * (joint + s * w) ** 2, 0.0, m.added, epsabs=1e-12)[0]
        joint += m.L * w
    return T


def potential(members, angles):
    V = 0.0
    height = 0.0
    for m, p in zip(members, angles):
        V += m.W * (height + m.cg * math.cos(p)) - m.Bwet * (height + m.cbwet * math.cos(p))
        height += m.L * math.cos(p)
    return V


def matrices(members, g, pot=None):
    pot = pot or (lambda a: potential(members, a))
    n = len(members)
    e = np.eye(n)
    M = np.zeros((n, n))
    for i in range(n):
        M[i, i] = 2.0 * kinetic(members, e[i], g)
        for j in range(i + 1, n):
            M[i, j] = M[j, i] = (kinetic(members, e[i] + e[j], g) - kinetic(members, e[i], g) -
                                 kinetic(members, e[j], g))

    def hessian(h):
        H = np.zeros((n, n))
        for i in range(n):
            for j in range(n):
                def v(a, b):
                    x = np.zeros(n)
                    x[i] += a
                    x[j] += b
                    return pot(x)
                H[i, j] = (v(h, h) - v(h, -h) - v(-h, h) + v(-h, -h)) / (4 * h * h)
        return H

    return (4 * hessian(1e-3) - hessian(2e-3)) / 3, M


def modes(K, M):
    values, vectors = eigh(K, M)
    out = []
    for idx in range(len(values) - 1, -1, -1):  # high mode first
        v = vectors[:, idx]
        out.append((2 * math.pi / math.sqrt(values[idx]), v[1] / v[0] if len(v) > 1 else 0.0))
    return out


# ---- one member (free_salm_test.cpp): 40 ft, 10 kips at 20 ft, gyradius 11.5 ft, 25.6 kips of
# buoyancy over its length, standing in 30 ft of water: the lower 30 ft wet ----
G_ENGLISH = float(np.float32(32.152))
one = [Member(40.0, 10.0, 20.0, float(np.float32(11.5)), 25.6, 20.0, 30.0)]
K, M = matrices(one, G_ENGLISH)
print("one piercing member: K =", K[0, 0], " M =", M[0, 0], " omega^2 =", K[0, 0] / M[0, 0],
      " period =", 2 * math.pi / math.sqrt(K[0, 0] / M[0, 0]))

# The same member with its buoy top wet (WETYOK 1 or 2): added mass over all 40 ft.
one_wet = [Member(40.0, 10.0, 20.0, float(np.float32(11.5)), 25.6, 20.0, 30.0, added=40.0)]
K, M = matrices(one_wet, G_ENGLISH)
print("one piercing member, its top wet: K =", K[0, 0], " M =", M[0, 0], " omega^2 =", K[0, 0] / M[0, 0],
      " period =", 2 * math.pi / math.sqrt(K[0, 0] / M[0, 0]))

# ---- the free example ----
G = 9.8
RHO = 1.025  # t/m^3
riser = Member(80.0, 150.0, 40.0, float(np.float32(23.1)), 251.3 * RHO, 40.0, 80.0)
buoy = Member(30.0, 250.0, 13.0, float(np.float32(8.7)), 848.2 * RHO, 15.0, 20.0)
column = [riser, buoy]
K, M = matrices(column, G)
print("free example: K =", K.tolist(), " M =", M.tolist())
for label, (period, shape) in zip(("high", "low"), modes(K, M)):
    print(f"  {label} mode: period = {period:.9g} s, shape phi2/phi1 = {shape:.9g}")

R = math.sqrt(28.27 / math.pi)  # the buoy's waterplane of 28.27 m^2


def exact_potential(angles):
    p1, p2 = angles
    V = riser.W * riser.cg * math.cos(p1) - riser.Bwet * riser.cbwet * math.cos(p1)
    h = riser.L * math.cos(p1)
    zj = -100.0 + h  # the buoy's lower joint below the still-water level
    V += buoy.W * (h + buoy.cg * math.cos(p2))
    c, s = math.cos(p2), math.sin(p2)

    def strip(u):  # a strip of the section at offset u across the member, in its plane
        width = 2 * math.sqrt(max(R * R - u * u, 0.0))
        top = min(buoy.L, (-zj + u * s) / c)  # where the strip leaves the water
        return width * (zj * top + c * top * top / 2 - u * s * top)

    return V - buoy.q / (math.pi * R * R) * quad(strip, -R, R, epsabs=1e-12)[0]


buoy_wet = Member(30.0, 250.0, 13.0, float(np.float32(8.7)), 848.2 * RHO, 15.0, 20.0, added=30.0)
K, M = matrices([riser, buoy_wet], G)
print("free example, the buoy's top wet (WETYOK 1 or 2): K =", K.tolist(), " M =", M.tolist())
for label, (period, shape) in zip(("high", "low"), modes(K, M)):
    print(f"  {label} mode: period = {period:.9g} s, shape phi2/phi1 = {shape:.9g}")

K, M = matrices(column, G)
K2, _ = matrices(column, G, exact_potential)
print("with the waterplane's second moment: K =", K2.tolist())
for label, (period, shape) in zip(("high", "low"), modes(K2, M)):
    print(f"  {label} mode: period = {period:.9g} s, shape phi2/phi1 = {shape:.9g}")

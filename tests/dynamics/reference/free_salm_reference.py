#!/usr/bin/python3
"""Independent reference for the free-SALM tests (free_salm_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. It treats the free column
of tests/dynamics/free_salm_fixtures.h (two upright members hinged end to end on a base joint 60 ft
down, fully submerged, English units) as a mechanism of two rigid bodies in still water and works
from that alone, not from the program's formulas:

  * the mass matrix from the kinetic energy of the two members (dry mass as a rigid body with its
    centre of gravity and radius of gyration; added mass spread evenly along each member and acting
    across it), evaluated for unit angular rates: M_ij = T(e_i + e_j) - T(e_i) - T(e_j);
  * the stiffness matrix as the Hessian of the potential of weights and buoyancies at the actual
    angles, by central differences with Richardson extrapolation;
  * the two modes by scipy.linalg.eigh(K, M);
  * the wave force per length on an upright member by linear wave theory: (1 + Cm) rho A times the
    horizontal particle acceleration i omega^2 cosh k(z + d) / sinh kd per unit amplitude, k from
    omega^2 = g k tanh kd by brentq; the generalised forces as the virtual work of that load for a
    unit turn of each member, by scipy's quad;
  * the undamped response (K - omega^2 M) dphi = Q by numpy.linalg.solve;
  * the response with the member drag: the drag per length linearised on the mean square relative
    velocity at the regular-wave amplitude A, C sqrt(VCUR^2 + A^2 / 2 |u - v|^2) (u - v) with the wave
    particle velocity u (horizontal and vertical) and the member's own velocity v, its generalised
    forces by quad, and the complex equation solved by scipy's fsolve;
  * the one-member column as a compound pendulum with buoyancy.

It prints the values pasted into the tests.
"""

import math

import numpy as np
from scipy.integrate import quad
from scipy.linalg import eigh
from scipy.optimize import brentq, fsolve

f32 = lambda v: float(np.float32(v))

G = f32(32.152)
DEPTH = 60.0
DWATR = 64.0
BCONV = f32(DWATR / 1000.0)
CM = 1.0  # added-mass coefficient of every element
CD = 1.0  # drag coefficient of every element
# member: length, weight [kips], centre of gravity, buoyancy [kips], centre of buoyancy, radius of gyration
MEMBERS = [(30.0, 30.0, 15.0, 40.0, 15.0, f32(8.7)), (15.0, 20.0, 7.5, 60.0, 7.5, f32(4.5))]
PERIODS = [5.0, 7.0, 9.0, 11.0, 13.0, 15.0]
AMPLITUDE = 4.0  # half the regular-wave height of 8 ft


def kinetic(rates, members=MEMBERS):
    """The kinetic energy of the column in the upright position for the members' angular rates."""
    T = 0.0
    joint_velocity = np.zeros(2)  # horizontal, vertical velocity of the member's lower joint
    for (L, W, cg, B, cb, rg), w in zip(members, rates):
        m = W / G
        # upright member: a point at s along it moves with joint_velocity + s w (1, 0)
        v_cg = joint_velocity + cg * w * np.array([1.0, 0.0])
        T += 0.5 * m * v_cg @ v_cg + 0.5 * m * rg * rg * w * w
        a = CM * B / G / L  # added mass per length, acting across the member (horizontally)
        T += 0.5 * quad(lambda s: a * (joint_velocity[0] + s * w) ** 2, 0.0, L)[0]
        joint_velocity = joint_velocity + L * w * np.array([1.0, 0.0])
    return T


def potential(angles, members=MEMBERS):
    V = 0.0
    height = 0.0  # of the member's lower joint above the base joint
    for (L, W, cg, B, cb, rg), p in zip(members, angles):
        V += W * (height + cg * math.cos(p)) - B * (height + cb * math.cos(p))
        height += L * math.cos(p)
    return V


def matrices(members=MEMBERS):
    n = len(members)
    e = np.eye(n)
    M = np.zeros((n, n))
    for i in range(n):
        M[i, i] = 2.0 * kinetic(e[i], members)
        for j in range(i + 1, n):
            M[i, j] = M[j, i] = kinetic(e[i] + e[j], members) - kinetic(e[i], members) - kinetic(e[j], members)

    def hessian(h):
        H = np.zeros((n, n))
        for i in range(n):
            for j in range(n):
                def v(a, b):
                    x = np.zeros(n)
                    x[i] += a
                    x[j] += b
                    return potential(x, members)
                H[i, j] = (v(h, h) - v(h, -h) - v(-h, h) + v(-h, -h)) / (4 * h * h)
        return H

    K = (4 * hessian(1e-3) - hessian(2e-3)) / 3
    return K, M


def wave_number(omega):
    return brentq(lambda k: G * k * math.tanh(k * DEPTH) - omega * omega, 1e-8, 10.0)


def wave_load_per_length(member, z, omega, k):
    """Horizontal inertia load per length at depth z (z up from the surface) per unit amplitude."""
    L, W, cg, B, cb, rg = member
    return (1.0 + CM) * (B / L) / G * 1j * omega * omega * math.cosh(k * (z + DEPTH)) / math.sinh(k * DEPTH)


def cquad(f, a, b):
    return quad(lambda s: f(s).real, a, b, epsabs=1e-12)[0] + 1j * quad(lambda s: f(s).imag, a, b, epsabs=1e-12)[0]


def generalised_wave_forces(omega, k, members=MEMBERS):
    """Virtual work of the wave load for a unit turn of each member."""
    Q = np.zeros(len(members), dtype=complex)
    base = -DEPTH
    for i, member in enumerate(members):
        L = member[0]
        f = lambda s: wave_load_per_length(member, base + s, omega, k)
        # a turn of member i moves its points by s, and every member above it by the member's length
        Q[i] += cquad(lambda s: f(s) * s, 0.0, L)
        for j in range(i):
            Q[j] += members[j][0] * cquad(f, 0.0, L)
        base += L
    return Q


def generalised_drag_forces(dphi, omega, k, members=MEMBERS, amplitude=AMPLITUDE, current2=0.0):
    Q = np.zeros(len(members), dtype=complex)
    base = -DEPTH
    joint = 0.0 + 0.0j  # horizontal displacement of the member's lower joint per unit amplitude
    factor = 0.0316 * math.sqrt(DWATR / 3.1415927) / G
    for i, (L, W, cg, B, cb, rg) in enumerate(members):
        C = factor * CD * math.sqrt(B / L)

        def load(s, i=i, joint=joint, base=base):
            z = base + s
            u = omega * math.cosh(k * (z + DEPTH)) / math.sinh(k * DEPTH)  # horizontal, in phase with the crest
            w = 1j * omega * math.sinh(k * (z + DEPTH)) / math.sinh(k * DEPTH)  # vertical
            v = 1j * omega * (joint + s * dphi[i])
            vrel2 = current2 + 0.5 * amplitude**2 * (abs(u - v) ** 2 + abs(w) ** 2)
            return C * math.sqrt(vrel2) * (u - v)

        Q[i] += cquad(lambda s: load(s) * s, 0.0, L)
        for j in range(i):
            Q[j] += members[j][0] * cquad(load, 0.0, L)
        joint += L * dphi[i]
        base += L
    return Q


def drag_response(K, M, omega, k, start):
    def residual(x):
        dphi = x[0::2] + 1j * x[1::2]
        r = (K - omega * omega * M) @ dphi - generalised_wave_forces(omega, k) - generalised_drag_forces(dphi, omega, k)
        return np.ravel(np.column_stack([r.real, r.imag]))

    x0 = np.ravel(np.column_stack([start.real, start.imag]))
    x = fsolve(residual, x0, xtol=1e-13)
    return x[0::2] + 1j * x[1::2]


K, M = matrices()
print("K =", K.tolist())
print("M =", M.tolist())
values, vectors = eigh(K, M)
for label, idx in (("high", 1), ("low", 0)):
    v = vectors[:, idx]
    print(f"{label} mode: omega = {math.sqrt(values[idx]):.9g}  period = {2 * math.pi / math.sqrt(values[idx]):.9g}"
          f"  shape phi2/phi1 = {v[1] / v[0]:.9g}  modal mass phi'M phi = {1.0 / v[0] ** 2:.9g}")

for T in PERIODS:
    omega = 2 * math.pi / T
    k = wave_number(omega)
    Q = generalised_wave_forces(omega, k)
    dphi = np.linalg.solve(K - omega * omega * M, Q)
    drag = drag_response(K, M, omega, k, dphi)
    print(f"T = {T:5.1f}  undamped dphi1 = ({dphi[0].real:.9g}, {dphi[0].imag:.9g})"
          f"  dphi2 = ({dphi[1].real:.9g}, {dphi[1].imag:.9g})")
    print(f"           with drag dphi1 = ({drag[0].real:.9g}, {drag[0].imag:.9g})"
          f"  dphi2 = ({drag[1].real:.9g}, {drag[1].imag:.9g})")

# ---- one member: the compound pendulum with buoyancy ----
one = MEMBERS[:1]
K1, M1 = matrices(one)
print("one member: omega^2 = (B zb - W zg) / (I_dry + I_added) =", K1[0, 0] / M1[0, 0],
      " period =", 2 * math.pi / math.sqrt(K1[0, 0] / M1[0, 0]))

# ---- drag areas: a member's projected area is its diameter times its length ----
for i, (L, W, cg, B, cb, rg) in enumerate(MEMBERS):
    D = 2.0 * math.sqrt(B / (BCONV * math.pi * L))
    print(f"member {i + 1}: diameter {D:.9g}, integral of D x^3 over the member {quad(lambda x: D * x**3, 0, L)[0]:.9g}")
L1 = MEMBERS[0][0]
L2, B2 = MEMBERS[1][0], MEMBERS[1][3]
D2 = 2.0 * math.sqrt(B2 / (BCONV * math.pi * L2))
beta_high = vectors[1, 1] / vectors[0, 1]
print("high mode: integral of D |L1 + beta s|^3 over member 2 =",
      quad(lambda s: D2 * abs(L1 + beta_high * s) ** 3, 0, L2, points=[-L1 / beta_high])[0],
      " node at s =", -L1 / beta_high)

#!/usr/bin/python3
"""Independent reference for the free column whose buoy's top is wet above the water (wetness_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. The free example
(examples/free-salm: metric, 100 m of water, an 80 m riser of 251.3 m^3 and 150 t, a buoy of 30 m,
848.2 m^3 and 250 t standing 20 m in the water) under the submergence option 2 (the buoy's top wet),
without current, in its long-crested sea (mean JONSWAP, Hs 4 m, Tp 10 s, gamma 3.3, sigma 0.07 and
0.09, along the column's plane), its drag linearised at the regular wave of 2.83 m. It is worked from
mechanics and linear wave theory alone, not from the program's formulas:

  * the two members as rigid bodies upright on the base joint: the mass matrix from the kinetic energy
    of unit angular rates (dry mass with its centre of gravity and radius of gyration, added mass of
    coefficient 1 spread along each member across it, over the buoy's whole length as its top is
    wet); the stiffness as the Hessian of the potential of the weights and the wet buoyancy (the
    buoy's lower 20 m, at their centroid), as piercing_column_reference.py;
  * the wave loads by Morison's equation: across a member (1 + Cm) rho A times the horizontal particle
    acceleration of linear theory, i omega^2 cosh k(z + d) / sinh kd per unit amplitude, k from
    omega^2 = g k tanh kd by brentq; ABOVE THE STILL-WATER LEVEL the kinematics are held at their value
    there (cosh kd / sinh kd, and the vertical velocity i omega): the usual extrapolation of linear
    wave kinematics above the mean level, no growth where linear theory has no water;
  * the drag per length C sqrt(A^2 / 2 (|u - v|^2 + |w|^2)) (u - v), u and w the wave's horizontal
    and vertical particle velocities (held above the level likewise), v the member's own velocity, A
    the regular wave's amplitude, C the data set's drag factor 0.0316 sqrt(DWATR / pi) / g times
    sqrt(rho g A) per unit drag coefficient (as free_salm_reference.py); the complex equations of
    motion (K - omega^2 M) phi = Q_wave + Q_drag(phi), the generalised forces the virtual work of the
    loads by scipy's quad, solved by scipy's fsolve;
  * the riser's force on the buoy at their joint from the buoy's free body: across the buoy, the
    horizontal force that its inertia (dry and added mass) less the wave and drag loads ask for, with
    the static pull of the riser (the buoy's net buoyancy, 329.7 t) turned by the buoy's angle; along
    it, the vertical Froude-Krylov force on the buoy: the pressure on its foot, cosh k(d - 20) / cosh kd
    times rho g A, and over its dry 10 m the held vertical acceleration, -10 k tanh kd rho g A;
  * two-sigma values 2 sqrt(m0) of these over the sea spectrum on the data set's grid of periods,
    4 s to 24 s by 0.5 s (Simpson's rule in the period), the spectrum normalised to Hs^2 / 16.

It prints the values pasted into the tests: two-sigma 58.0155 t across and 30.5814 t along. With
GROW = True the kinematics instead grow as e^{kz} up the dry part (the drag's velocities too), to
show what that rule gives: 87.0 t across and 80.38 t along.
"""

import math

import numpy as np
from scipy.integrate import quad
from scipy.optimize import brentq, fsolve

GROW = False

f32 = lambda v: float(np.float32(v))
G = 9.8
DEPTH = 100.0
DWATR = f32(1025.1839599609375)  # the data set's water density [kgf/m^3]
RHOG = DWATR / 1000.0  # [t/m^3]
AMPLITUDE = f32(2.83) / 2.0
CM = 1.0  # added-mass coefficient of both elements
CD = 1.0  # drag coefficient of both elements
# length, weight [t], centre of gravity, radius of gyration, volume [m^3]
L1, W1, CG1, RG1, V1 = 80.0, 150.0, 40.0, f32(23.1), 251.3
L2, W2, CG2, RG2, V2 = 30.0, 250.0, 13.0, f32(8.7), 848.2
WET2 = 20.0  # of the buoy under the still water
Q1 = V1 * RHOG / L1  # rho g A [t/m]
Q2 = V2 * RHOG / L2
PERIODS = [4.0 + 0.5 * i for i in range(41)]
PRINTED = [4.0, 6.0, 8.0, 10.0, 12.0, 16.0, 20.0]


def wave_number(omega):
    return brentq(lambda k: G * k * math.tanh(k * DEPTH) - omega * omega, 1e-8, 10.0)


def height(z):
    return z if GROW else min(z, 0.0)


def cosh_decay(k, z):  # cosh k(z + d) / cosh kd
    return math.cosh(k * (height(z) + DEPTH)) / math.cosh(k * DEPTH)


def cquad(f, a, b, points=None):
    return (quad(lambda s: f(s).real, a, b, epsabs=1e-12, points=points)[0] +
            1j * quad(lambda s: f(s).imag, a, b, epsabs=1e-12, points=points)[0])


def matrices():
    def kinetic(w1, w2):
        T = 0.5 * W1 / G * ((CG1 * w1) ** 2 + (RG1 * w1) ** 2)
        T += 0.5 * quad(lambda s: CM * Q1 / G * (s * w1) ** 2, 0.0, L1)[0]
        joint = L1 * w1
        T += 0.5 * W2 / G * ((joint + CG2 * w2) ** 2 + (RG2 * w2) ** 2)
        T += 0.5 * quad(lambda s: CM * Q2 / G * (joint + s * w2) ** 2, 0.0, L2)[0]
        return T

    M = np.array([[2 * kinetic(1, 0), kinetic(1, 1) - kinetic(1, 0) - kinetic(0, 1)], [0.0, 2 * kinetic(0, 1)]])
    M[1, 0] = M[0, 1]
    B1, B2 = Q1 * L1, Q2 * WET2

    def potential(p1, p2):
        V = (W1 * CG1 - B1 * L1 / 2) * math.cos(p1)
        h = L1 * math.cos(p1)
        return V + W2 * (h + CG2 * math.cos(p2)) - B2 * (h + WET2 / 2 * math.cos(p2))

    def hessian(h):
        H = np.zeros((2, 2))
        for i in range(2):
            for j in range(2):
                def v(a, b):
                    x = [0.0, 0.0]
                    x[i] += a
                    x[j] += b
                    return potential(*x)
                H[i, j] = (v(h, h) - v(h, -h) - v(-h, h) + v(-h, -h)) / (4 * h * h)
        return H

    return (4 * hessian(1e-3) - hessian(2e-3)) / 3, M, B2 - W2


K, M, PULL = matrices()


def member_load(i, omega, k, dphi):
    """The horizontal load per length at s along member i (wave inertia plus drag)."""
    q = Q1 if i == 0 else Q2
    base = -DEPTH if i == 0 else -DEPTH + L1
    joint = 0.0 if i == 0 else L1 * dphi[0]
    drag = 0.0316 * math.sqrt(DWATR / 3.1415927) / G * CD * math.sqrt(q)

    def load(s):
        z = height(base + s)
        inertia = (1.0 + CM) * q * 1j * k * cosh_decay(k, base + s)
        u = omega * math.cosh(k * (z + DEPTH)) / math.sinh(k * DEPTH)
        w = 1j * omega * math.sinh(k * (z + DEPTH)) / math.sinh(k * DEPTH)
        v = 1j * omega * (joint + s * dphi[i])
        return inertia + drag * math.sqrt(0.5 * AMPLITUDE ** 2 * (abs(u - v) ** 2 + abs(w) ** 2)) * (u - v)

    return load


def generalised(omega, k, dphi):
    f1, f2 = member_load(0, omega, k, dphi), member_load(1, omega, k, dphi)
    level = [DEPTH - L1]  # the still-water level on the buoy
    F2 = cquad(f2, 0.0, L2, level)
    Q = np.array([cquad(lambda s: f1(s) * s, 0.0, L1) + L1 * F2, cquad(lambda s: f2(s) * s, 0.0, L2, level)])
    return Q, F2


def response(omega, k):
    undamped = np.linalg.solve(K - omega ** 2 * M, generalised(omega, k, np.zeros(2, complex))[0])

    def residual(x):
        dphi = x[0::2] + 1j * x[1::2]
        r = (K - omega ** 2 * M) @ dphi - generalised(omega, k, dphi)[0]
        return np.ravel(np.column_stack([r.real, r.imag]))

    x = fsolve(residual, np.ravel(np.column_stack([undamped.real, undamped.imag])), xtol=1e-12)
    return x[0::2] + 1j * x[1::2]


def joint_force(omega, k, dphi):
    """The riser's force on the buoy at their joint, across the buoy and along it."""
    F2 = generalised(omega, k, dphi)[1]
    accel_joint, rate = -omega ** 2 * L1 * dphi[0], -omega ** 2 * dphi[1]
    inertia = W2 / G * (accel_joint + CG2 * rate)
    inertia += CM * Q2 / G * (L2 * accel_joint + L2 * L2 / 2 * rate)
    across = inertia - F2 + PULL * dphi[1]
    dry = L2 - WET2
    if GROW:
        lift = math.cosh(k * (DEPTH - WET2)) / math.cosh(k * DEPTH) - (
            math.cosh(k * (dry + DEPTH)) - math.cosh(k * DEPTH)) / math.cosh(k * DEPTH)
    else:
        lift = math.cosh(k * (DEPTH - WET2)) / math.cosh(k * DEPTH) - dry * k * math.tanh(k * DEPTH)
    return across, -Q2 * lift


def spectrum():
    wp = 2 * math.pi / 10.0

    def shape(w):
        sigma = 0.07 if w <= wp else 0.09
        return w ** -5 * math.exp(-1.25 * (wp / w) ** 4) * 3.3 ** math.exp(-(w - wp) ** 2 / (2 * (sigma * wp) ** 2))

    scale = 4.0 ** 2 / 16.0 / quad(shape, 0.02, 50.0, points=[wp], limit=400)[0]
    return lambda w: scale * shape(w)


S = spectrum()
raos = {}
for T in PERIODS:
    omega = 2 * math.pi / T
    k = wave_number(omega)
    dphi = response(omega, k)
    raos[T] = joint_force(omega, k, dphi)
    if T in PRINTED:
        print(f"T = {T:4.1f} s: |shear| = {abs(raos[T][0]):.6g} t/m, |axial| = {abs(raos[T][1]):.6g} t/m")

h = PERIODS[1] - PERIODS[0]
for index, name in ((0, "shear"), (1, "axial")):
    m0 = 0.0
    for j, T in enumerate(PERIODS):
        w = 2 * math.pi / T
        weight = 1 if j in (0, len(PERIODS) - 1) else (4 if j % 2 == 1 else 2)
        m0 += weight * abs(raos[T][index]) ** 2 * S(w) * w * w / (2 * math.pi) * h / 3
    print(f"two-sigma {name} at the riser's top: {2 * math.sqrt(m0):.6g} t")

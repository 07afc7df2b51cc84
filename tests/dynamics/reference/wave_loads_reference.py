#!/usr/bin/python3
"""Independent reference for the member wave loads (wave_loads_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy). The inertia load of a submerged element is
the integral along it, by scipy's quad, of the linear-wave particle acceleration over g (Froude-
Krylov plus added mass across the member, Froude-Krylov alone along it):

    a / g = (i kx C, i ky C, -k S) exp(-i (kx x + ky y)),
    C = cosh k(z + d) / cosh kd,  S = sinh k(z + d) / cosh kd,

per unit wave amplitude, times the buoyant force per unit length; the moment is the integral of
s d x a about the member's lower joint. Results are resolved in member axes (1 the in-plane normal
(cos phi, 0, -sin phi), 2 across, 3 along the member). The drag load follows in its own part below.
It prints the inertia cases, then the drag cases.
"""

import cmath
import math

from scipy.integrate import quad
from scipy.optimize import brentq


def cquad(f, a, b):
    re = quad(lambda s: f(s).real, a, b, epsabs=1e-13, epsrel=1e-13)[0]
    im = quad(lambda s: f(s).imag, a, b, epsabs=1e-13, epsrel=1e-13)[0]
    return complex(re, im)


def inertia_load(base, phi, length, k, beta, depth, scale, added_mass):
    """Member of one element from base at angle phi from the vertical in the x-z plane."""
    kx, ky = k * math.cos(beta), k * math.sin(beta)
    d = (math.sin(phi), 0.0, math.cos(phi))

    def accel(s):
        x, y, z = (base[i] + s * d[i] for i in range(3))
        phase = cmath.exp(-1j * (kx * x + ky * y))
        C = math.cosh(k * (z + depth)) / math.cosh(k * depth)
        S = math.sinh(k * (z + depth)) / math.cosh(k * depth)
        return (1j * kx * C * phase, 1j * ky * C * phase, -k * S * phase)

    F = [cquad(lambda s, c=c: accel(s)[c], 0.0, length) for c in range(3)]

    def moment(s, c):
        a = accel(s)
        r = (s * d[0], s * d[1], s * d[2])
        cross = (r[1] * a[2] - r[2] * a[1], r[2] * a[0] - r[0] * a[2], r[0] * a[1] - r[1] * a[0])
        return cross[c]

    M = [cquad(lambda s, c=c: moment(s, c), 0.0, length) for c in range(3)]
    c, s = math.cos(phi), math.sin(phi)
    across = (1.0 + added_mass) * scale
    return dict(
        CFORCE=[across * (F[0] * c - F[2] * s), across * F[1], scale * (F[0] * s + F[2] * c)],
        CMOMT=[across * (M[0] * c - M[2] * s), across * M[1]],
    )


def fmt(z):
    return "{%.8gf, %.8gf}" % (z.real, z.imag)


def main():
    cases = [
        ("vertical, deep water", (0.0, 0.0, -30.0), 0.0, 20.0, 0.05, math.radians(30.0), 1000.0),
        ("vertical, finite depth", (0.0, 0.0, -30.0), 0.0, 20.0, 0.04, 0.0, 40.0),
        ("inclined 30 degrees, deep water", (3.0, 0.0, -40.0), math.radians(30.0), 20.0, 0.08,
         math.radians(60.0), 1000.0),
    ]
    # buoyant force 2000 over 20 of length: 100 per unit length; added-mass coefficient 1
    for name, base, phi, length, k, beta, depth in cases:
        r = inertia_load(base, phi, length, k, beta, depth, 100.0, 1.0)
        print(name)
        print("  CFORCE", ", ".join(fmt(z) for z in r["CFORCE"]))
        print("  CMOMT ", ", ".join(fmt(z) for z in r["CMOMT"]))


# ---- the drag part ----------------------------------------------------------------------------
#
# The drag per unit length of a member, linearised on the mean square relative velocity at the
# regular wave's amplitude A (A applied to the wave velocity and to the member's own), per unit
# buoyant force per length and unit drag factor:
#
#     sqrt(U(z)^2 + A^2 / 2 |u - v|^2) (u - v),
#
# u the particle velocity of linear wave theory per unit amplitude (horizontal omega cosh k(z + d) /
# sinh kd along the wave, vertical i omega sinh k(z + d) / sinh kd), v the member's velocity (its
# lower joint still, turning by dphi about it: i omega s dphi across it), U(z) the current, 1/7-power
# in the height above the seabed, U0 ((z + d) / d)^(1/7). Its force across the member and its moment
# about the lower joint by scipy's quad along the member.

def wave_number(T, depth, g):
    omega = 2.0 * math.pi / T
    return brentq(lambda k: g * k * math.tanh(k * depth) - omega * omega, 1e-9, 20.0)


def drag_load(base, phi, length, T, depth, g, current2, amplitude, dphi):
    omega = 2.0 * math.pi / T
    k = wave_number(T, depth, g)
    d = (math.sin(phi), 0.0, math.cos(phi))
    n = (math.cos(phi), 0.0, -math.sin(phi))  # the in-plane normal

    def per_length(s):
        x, z = base[0] + s * d[0], base[2] + s * d[2]
        phase = cmath.exp(-1j * k * x)
        u = (omega * math.cosh(k * (z + depth)) / math.sinh(k * depth) * phase, 0.0,
             1j * omega * math.sinh(k * (z + depth)) / math.sinh(k * depth) * phase)
        v = tuple(1j * omega * s * dphi * n[c] for c in range(3))
        U2 = current2 * ((depth + min(z, 0.0)) / depth) ** (2.0 / 7.0)
        speed = math.sqrt(U2 + 0.5 * amplitude**2 * sum(abs(u[c] - v[c]) ** 2 for c in range(3)))
        return tuple(speed * (u[c] - v[c]) for c in range(3))

    def across(s):
        f = per_length(s)
        return f[0] * n[0] + f[2] * n[2]

    def moment(s):  # about y, of s d x f
        f = per_length(s)
        return s * (d[2] * f[0] - d[0] * f[2])

    return k, cquad(across, 0.0, length), cquad(moment, 0.0, length)


def drag_main():
    g, depth = 9.8, 100.0
    current2 = (2 * 0.514) ** 2  # 2 knots
    A = 1.415  # half the regular wave of 2.83 m
    cases = [
        ("riser on the seabed, 8 s", (0.0, 0.0, -100.0), 0.0, 80.0, 8.0, current2, 0.01 - 0.005j),
        ("riser on the seabed, 10 s", (0.0, 0.0, -100.0), 0.0, 80.0, 10.0, current2, 0.01 - 0.005j),
        ("riser on the seabed, 14 s", (0.0, 0.0, -100.0), 0.0, 80.0, 14.0, current2, 0.01 - 0.005j),
        ("40 m to the surface, 6 s, no current", (0.0, 0.0, -40.0), 0.0, 40.0, 6.0, 0.0, 0.0),
        ("inclined 0.5 rad, 6 s", (3.0, 0.0, -60.0), 0.5, 60.0, 6.0, current2, 0.004 + 0.006j),
    ]
    for name, base, phi, length, T, U2, dphi in cases:
        k, F, M = drag_load(base, phi, length, T, depth, g, U2, A, dphi)
        print("%s: k = %.9g  force = %s  moment = %s" % (name, k, fmt(F), fmt(M)))


if __name__ == "__main__":
    main()
    drag_main()

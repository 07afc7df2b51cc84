#!/usr/bin/python3
"""Independent reference for the member wave loads (wave_loads_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy). The inertia load of a submerged element is
the integral along it, by scipy's quad, of the linear-wave particle acceleration over g (Froude-
Krylov plus added mass across the member, Froude-Krylov alone along it):

    a / g = (i kx C, i ky C, -k S) exp(-i (kx x + ky y)),
    C = cosh k(z + d) / cosh kd,  S = sinh k(z + d) / cosh kd,

per unit wave amplitude, times the buoyant force per unit length; the moment is the integral of
s d x a about the member's lower joint. Results are resolved in member axes (1 the in-plane normal
(cos phi, 0, -sin phi), 2 across, 3 along the member).
"""

import cmath
import math

from scipy.integrate import quad


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


if __name__ == "__main__":
    main()

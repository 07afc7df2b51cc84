#!/usr/bin/python3
"""The drag pass of the column-stabilised hull of tests/lowfreq/semi_drag_test.cpp (class SemiDrag),
computed from the statistics of the flow rather than from the routine's steps.

The hull: four columns of 6 m radius through the 20 m draft, held still, drag coefficient 0.6 in
both horizontal directions; a Pierson-Moskowitz sea of 4 m and 11 s travelling toward 30 deg, met at
0.3 rad off the bow; a current of 1.5 kn toward 200 deg, the same at every depth, so 170 deg from the
waves; the user drift table 0.8 at every frequency. On the grid of drift_fixture.h (21 periods, 4 s
to 24 s, depth 100 m, g 9.8), spectral moments by Simpson in period (dw = w^2 dT / 2 pi).

At the waterline the mean drag of the intermittently wetted zone is the elevation times the signed
square of the velocity, E[eta (U + u)|U + u|] = 2 m0(u) sigma(eta) rho E|y + X| (X standard normal,
y = U / sigma(u), rho the correlation of eta and u); down the draft the mean signed square less the
current's own, sqrt(2 pi) (E[(y + X)|y + X|] - y|y|) m0(u(z)), integrated over the levels. Both
Gaussian means by quad. The drift force's direction on the current from the energy flux (the wave
number on the current by brentq), the cross-flow term by its closed form with scipy's erfc.

    /usr/bin/python3 tests/lowfreq/reference/semi_drag_reference.py
"""
import numpy as np
from scipy import integrate, optimize, special

g, depth = 9.8, 100.0
T = np.arange(4.0, 25.0)
W = 2 * np.pi / T


def wave_number(w):
    return optimize.brentq(lambda k: w * w - g * k * np.tanh(k * depth), 1e-9, 10.0)


K = np.array([wave_number(w) for w in W])
Hs, Tp = 4.0, 11.0
wp = 2 * np.pi / Tp
S = 5.0 / 16.0 * Hs**2 * wp**4 / W**5 * np.exp(-1.25 * (wp / W)**4)
BETA = 0.3                                  # the waves' direction off the bow [rad]
ALPHA = (200.0 - 30.0) / 57.2957764         # the current's angle to the waves [rad]
U = 1.5 * 0.5142                            # the current [m/s]


def moment(f):
    c = np.ones(len(f))
    c[1:-1:2], c[2:-1:2] = 4, 2
    return np.sum(c * f * W**2 / (2 * np.pi)) / 3.0


def gauss_mean(fun):
    return integrate.quad(lambda x: fun(x) * np.exp(-x * x / 2) / np.sqrt(2 * np.pi), -np.inf, np.inf,
                          epsabs=1e-13)[0]


m0 = moment(S)
sigma = np.sqrt(m0)
omega_p = W[np.argmax(S)]
along = U * np.cos(ALPHA)      # the current along the waves, at every level


def member_statistics(current):
    """g1, g2, g12 and g4 of any of the still columns."""
    m01 = moment(W**2 * S)
    g12 = moment(W * S) / (np.sqrt(m01) * sigma)
    y1 = along / np.sqrt(m01)
    g1 = 2 * m01 * sigma * g12 * gauss_mean(lambda X: abs(y1 + X))
    levels = 11
    dz = 20.0 / (levels - 1)
    weights = np.ones(levels)
    weights[1:-1:2], weights[2:-1:2] = 4, 2
    total = 0.0
    for j in range(levels):
        m0j = moment(W**2 * S * np.exp(-2 * K * j * dz))
        y = along / np.sqrt(m0j)
        excess = np.sqrt(2 * np.pi) * (gauss_mean(lambda X: (y + X) * abs(y + X)) - y * abs(y))
        total += weights[j] * excess * m0j
    g2 = dz * total / (3 * np.sqrt(2 * np.pi))
    d = np.full(len(W), 0.8)
    psi = np.zeros(len(W))
    if current:
        Upar, Uper = U * np.cos(ALPHA), U * np.sin(ALPHA)
        for i in range(len(W)):
            Om, Uc = W[i] * np.sqrt(depth / g), Upar / np.sqrt(g * depth)
            f = lambda x: (Om - x * Uc)**2 - x * np.tanh(x)
            upper, kd = abs(Om / Uc), 0.0
            for _ in range(21):
                if f(0.0) * f(upper) < 0:
                    kd = optimize.brentq(f, 0.0, upper, xtol=1e-12)
                    break
                upper *= 2
            if kd <= 0:          # no wave on this current: no drift, the direction kept
                d[i], psi[i] = 0.0, psi[i - 1]
                continue
            ke = kd / depth
            cg = 0.5 * np.sqrt(g / ke) * (1 + kd / (np.cosh(kd) * np.sinh(kd)))
            if W[i] - Upar * ke < 0:
                cg = -cg
            enhancement = 1 + 2 * Upar / cg + U * U / cg**2
            norm = cg * np.sqrt(enhancement)
            psi[i] = np.arctan2(-Uper / norm, -(Upar + cg) / norm) + np.pi
            d[i] = 0.8 * enhancement
    g4 = moment(S * d * np.sin(psi))
    return g1, g2, g12, g4


def cross_flow(Q):
    """The surface-piercing cross-flow correlation of a still column (R = 0, C = 1)."""
    s = abs(Q)
    e, x = special.erfc(1.0 / (np.sqrt(2) * s)), np.exp(-0.5 / s**2)
    v = s + ((3 - 20 * s**2 + 120 * s**4) * np.sqrt(2 * np.pi) * e
             - 6 * s * x * (10 * s**2 * (2 * np.pi * s**2 - 0.858407) + 1)) / (120 * np.pi * s**4)
    return np.copysign(abs(v), Q) / Q**2


def drag(component, current):
    g1, g2, _, g4 = member_statistics(current)
    r, n = 6.0, 4
    w, D = 1.2 * r, n * 2 * r
    L, F = (60.0, 1.0) if component == 1 else (80.0, 1.2)
    A, B = 0.0005 * 1025 * L / g, 0.001 * 1025 * L
    aP = A * sigma * m0 * omega_p**2 * np.tan(ALPHA) * n * w * cross_flow(sigma * omega_p / along) / D if current else 0.0
    aG = A * n * w * (g1 + g2) / D
    psi = np.arctan2(B * g4 + aP, aG)
    c, s = np.cos(BETA + psi), np.sin(BETA + psi)
    e1, e2 = (-c, s) if component == 1 else (-s, -c)
    return F * (aG * e1 + aP * e2)


if __name__ == "__main__":
    print("g1, g2, g12, g4 with the current:", *map(repr, member_statistics(True)))
    for component in (1, 2):
        for current in (1, 0):
            print("component", component, "current", current, repr(drag(component, current)))

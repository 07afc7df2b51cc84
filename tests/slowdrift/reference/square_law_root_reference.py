#!/usr/bin/python3
"""Independent reference for the square-law amplitude tests (slomor_test.cpp, SquareLawRoot...).

Run once by hand (/usr/bin/python3, with numpy); never by the tests. For each pair (c, V) of the table
the amplitude x > 0 with c x^3 + x^2 - V = 0 (the cubic has exactly one positive root for c >= 0,
V > 0: it is -V at 0 and rises for x > 0) is taken from the closed form of the cubic and checked
against numpy's companion-matrix roots and against the equation itself in 60-digit decimals.

The pairs are the 4-byte values the program would hold (numpy float32, so the test passes the same
numbers): the tanker example's sway [m] and yaw [rad] modes with the wind toward 0 to 160 degrees and
its sea and current toward 180, a ship in English units (sway in ft), and the ends of the range, where
the square term or the cubic term alone sets the root.

Closed form: with x = y - 1/(3c) the cubic becomes y^3 + p y + q = 0, p = -1/(3c^2),
q = 2/(27c^3) - V/c. Where 4p^3 + 27q^2 > 0 there is one real root (Cardano, y = a - p / (3a) with
a the cube root of -q/2 + sign(-q) sqrt(q^2/4 + p^3/27), free of cancellation); otherwise three, and
the largest, y = 2 sqrt(-p/3) cos(acos(3q/(2p) sqrt(-3/p)) / 3), is the positive x. All of it is
written for the normalised cubic s u^3 + u^2 - 1 = 0 in u = x / sqrt(V), s = c sqrt(V); for s < 1e-3,
where the shift 1/(3s) would cancel against y, by the series u = 1 - s/2 + 5 s^2/8 - s^3 + 231 s^4/128.
"""
from decimal import Decimal, getcontext
import math

import numpy as np

getcontext().prec = 60

CASES = [
    # c, V, where it comes from
    (99.0559769, 5.46623283e-18, "tanker yaw, wind toward 0 deg: hardly any yaw"),
    (16.709919, 3.18290045e-13, "tanker sway, wind toward 0 deg"),
    (73.7353897, 8.30704637e-04, "tanker yaw, wind toward 136.3 deg"),
    (80.5213242, 1.73329885e-04, "tanker yaw, wind toward 160 deg"),
    (2.04140878, 7.12948677e-05, "tanker yaw, wind toward 90 deg"),
    (1.6631099, 1.47808511e-02, "tanker sway, wind toward 90 deg"),
    (3.80182195, 1.33701251e-03, "tanker sway, wind toward 160 deg"),
    (45.0, 1.0e-03, "a yaw of 0.03 rad against a strong drag"),
    (0.05, 150.0, "a ship's sway in feet"),
    (0.5, 30.0, "a ship's sway in feet, more drag"),
    (0.01, 1.0e4, "a sway of 100 ft"),
    (1.0e-3, 1.0e-6, "square term alone: c sigma 1e-6"),
    (1.0e4, 1.0, "cubic term ahead: c sigma 1e4"),
    (1.0e6, 100.0, "cubic term alone: c sigma 1e7"),
]


def closed_form(c, V):
    """The positive root of c x^3 + x^2 - V = 0 by the closed form, in double."""
    s = c * math.sqrt(V)  # u = x / sqrt V solves s u^3 + u^2 - 1 = 0
    if s < 1.0e-3:
        u = 1.0 - s / 2.0 + 5.0 * s**2 / 8.0 - s**3 + 231.0 * s**4 / 128.0
        return u * math.sqrt(V)
    p = -1.0 / (3.0 * s * s)
    q = 2.0 / (27.0 * s**3) - 1.0 / s
    disc = 4.0 * p**3 + 27.0 * q * q
    if disc > 0.0:
        r = math.sqrt(disc / 108.0)
        a = float(np.cbrt(-q / 2.0 + math.copysign(r, -q)))  # the term without cancellation
        y = a - p / (3.0 * a)
    else:
        y = 2.0 * math.sqrt(-p / 3.0) * math.cos(math.acos(1.5 * q / p * math.sqrt(-3.0 / p)) / 3.0)
    return (y - 1.0 / (3.0 * s)) * math.sqrt(V)


def numpy_root(c, V):
    roots = np.roots([c, 1.0, 0.0, -V])
    real = [r.real for r in roots if abs(r.imag) <= 1e-9 * abs(r) and r.real > 0.0]
    assert len(real) == 1, roots
    return real[0]


def residual(c, V, x):
    c, V, x = Decimal(c), Decimal(V), Decimal(x)
    return float(abs(c * x**3 + x**2 - V) / V)


for c, V, what in CASES:
    c32, V32 = float(np.float32(c)), float(np.float32(V))
    x = closed_form(c32, V32)
    assert residual(c32, V32, x) < 1e-13, (c, V, residual(c32, V32, x))
    assert abs(numpy_root(c32, V32) / x - 1.0) < 1e-6, (c, V, numpy_root(c32, V32), x)
    print(f"      {{{c!r}f, {V!r}f, {x:.9e}}},  // {what}")

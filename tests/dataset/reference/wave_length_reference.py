#!/usr/bin/env python3
"""Lengths of linear waves in water of finite depth, for the breaking checks of value_ranges_test.

The wave number k solves the dispersion relation omega^2 = g k tanh(k d) (omega = 2 pi / T), found
here by scipy's brentq on a bracket that holds it; the length is 2 pi / k. A wave breaks when its
height exceeds a seventh of its length (Michell's limit); seas steeper than a fifteenth are rare.
Run with the Debian python3 (numpy and scipy from the distribution): python3 wave_length_reference.py
"""
import math

from scipy.optimize import brentq


def wave_length(period, depth, g):
    omega = 2.0 * math.pi / period
    k = brentq(lambda k: omega * omega - g * k * math.tanh(k * depth), 1e-9, 1e3, xtol=1e-14, rtol=1e-14)
    return 2.0 * math.pi / k


CASES = [
    # period [s], depth, gravity (English 32.152 ft/s^2, metric 9.8 m/s^2)
    (12.0, 100.0, 32.152),  # the analysed tanker's sea, 100 ft of water
    (3.0, 100.0, 32.152),
    (4.0, 100.0, 32.152),   # the shortest and longest periods of a grid of 4 to 24 s
    (24.0, 100.0, 32.152),
    (3.0, 100.0, 9.8),      # the example's site, 100 m of water
    (4.0, 100.0, 9.8),
    (24.0, 100.0, 9.8),
]

if __name__ == "__main__":
    for period, depth, g in CASES:
        length = wave_length(period, depth, g)
        print(f"T {period:5.1f} s  d {depth:6.1f}  g {g:6.3f}:  L = {length:.6f}  L/7 = {length / 7:.6f}  "
              f"L/15 = {length / 15:.6f}")

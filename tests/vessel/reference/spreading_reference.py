#!/usr/bin/python3
"""Sums of the directional-spreading weights of one sea heading's fan when they are normalised by the
integral of the cosine power over the half circle the sector maps onto, as pass 1 normalised them
before the weights were scaled by their own sum (tests/vessel/statistics_test.cpp, vesl1_test.cpp).

The fan: NA + 1 directions d = 1..NA+1 across the sector, offset o = d - 1 - NA/2 from the mean
direction (the last, o = NA/2, carries no weight), Simpson weights 1, 4, 2, ..., 4, 1, each times
|cos(o DA 180 / ANGSEC)|^p with DA = min(ANGSEC, 360) / NA in radians.

    /usr/bin/python3 tests/vessel/reference/spreading_reference.py
"""
import numpy as np
from scipy import integrate
from scipy.special import gamma


def integral(p, angsec):
    """The integral of |cos x|^p over the half circle the sector maps onto."""
    if angsec <= 360.0:
        return np.sqrt(np.pi) * gamma((p + 1) / 2) / gamma(p / 2 + 1)
    upper = np.pi * 180.0 / angsec
    return 2.0 * integrate.quad(lambda x: abs(np.cos(x)) ** p, 0.0, upper, epsabs=1e-14)[0]


def fan_sum(na, p, angsec):
    """The Simpson sum of the cosine power over the fan, without a normaliser."""
    sector = min(angsec, 360.0)
    da = np.radians(sector / na)
    total = 0.0
    for d in range(1, na + 2):
        o = d - 1 - na // 2
        if o == na // 2:
            continue
        s = 1 if d in (1, na + 1) else (4 if (d - 1) % 2 else 2)
        total += s * abs(np.cos(o * da * 180.0 / angsec)) ** p
    return total, da


def integral_normalised_sum(na, p, angsec):
    total, da = fan_sum(na, p, angsec)
    angnrm = (180.0 / angsec) * da / (3.0 * integral(p, angsec))
    return angnrm * total


if __name__ == "__main__":
    for na, p, angsec in [(6, 4.5, 180.0), (6, 2.0, 400.0), (6, 50.0, 180.0), (6, 10.0, 180.0), (6, 2.0, 180.0)]:
        print("NA %2d COSEXP %5.1f ANGSEC %5.1f: sum of the weights %.7f"
              % (na, p, angsec, integral_normalised_sum(na, p, angsec)))

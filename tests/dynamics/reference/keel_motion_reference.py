#!/usr/bin/python3
"""Independent reference for the keel's wave-frequency motion of a buoyant riser whose vessel is under
way (attachment_motions_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. It works from the
operators of the test's vessel-motion file and the physics of waves met by a moving vessel, not from
the program's formulas:

  * the waves of the grid (periods 4 to 24 s by 2 s, 60 ft of water, g = 32.152 ft/s^2) have the wave
    numbers of the linear dispersion relation w^2 = g k tanh(k d), solved here by scipy's brentq;
  * a vessel at U = 20 ft/s whose waves come from astern (relative heading 0) meets the wave of
    frequency w at w - k U, from ahead (180 degrees) at w + k U; a wave it meets more slowly than
    the lowest frequency wl of the grid belongs, in part or wholly, to its slow drift: the
    wave-frequency motion takes the row's motion at the amplitude weight s, 1 from |we| = wl up, 0
    from wl / 2 down, straight in |we| between, so its energy at s^2;
  * the keel's horizontal motion in the riser's plane is the vessel-axis motion (x, y) seen from axes
    turned by 0.5 rad (x cos + y sin), its vertical motion the heave z;
  * each heading's waves are independent of the other's, so the moments add: m_n = integral of
    w^n S(w) |X(w)|^2 dw over the kept rows, the cross moments with Re(x conj(z)), integrated by
    scipy's Simpson rule on the grid's periods with dw = w^2 dT / (2 pi).

It prints the values pasted into the test, the weights of the rows not taken whole, and for
comparison the moments with every row kept whole and with the rows below wl left out whole.
"""

import math

import numpy as np
from scipy.integrate import simpson
from scipy.optimize import brentq

G = 32.152
DEPTH = 60.0
SPEED = 20.0  # [ft/s]
TURN = 0.5  # SLMANG - TANGLE [rad]

T = np.arange(4.0, 25.0, 2.0)
W = 2.0 * np.pi / T
K = np.array([brentq(lambda k, w=w: G * k * math.tanh(k * DEPTH) - w * w, 1e-8, 10.0) for w in W])

SEA = np.array([0.5, 2.0, 6.0, 8.0, 5.0, 3.0, 2.0, 1.2, 0.8, 0.5, 0.3])  # [ft^2 s]
SWELL = np.array([0.0, 0.0, 0.0, 0.0, 1.0, 4.0, 6.0, 4.0, 1.0, 0.0, 0.0])


def sea_motions(t):
    """Surge, sway and heave per ft of wave of the heading from astern (the test's seaHeading)."""
    surge = complex(400.0, 150.0) if t == 4.0 else complex(1.2 - 0.04 * t, 0.02 * t)
    return surge, complex(0.1, -0.05), complex(0.2 + 0.05 * t, -0.1)


def swell_motions(t):
    """The same for the heading from ahead (the test's swellHeading)."""
    return complex(-0.6, 0.03 * t), complex(0.2, 0.0), complex(0.9, 0.01 * t)


def row_weights(we, rule):
    """The amplitude weight of each row: "weight" the rule above, "whole" 1, "cut" 0 below wl."""
    wl = W.min()
    if rule == "whole":
        return np.ones_like(we)
    if rule == "cut":
        return np.where(np.abs(we) < wl, 0.0, 1.0)
    return np.clip((np.abs(we) - wl / 2.0) / (wl / 2.0), 0.0, 1.0)


def moments(motions, spectrum, speed_along, rule):
    we = W - K * speed_along
    amplitude = row_weights(we, rule)
    xx, zz, xz = [], [], []
    for t, s, a in zip(T, spectrum, amplitude):
        x, y, z = motions(t)
        u = x * math.cos(TURN) + y * math.sin(TURN)
        weight = s * a * a
        xx.append(abs(u) ** 2 * weight)
        zz.append(abs(z) ** 2 * weight)
        xz.append((u * z.conjugate()).real * weight)
    out = []
    for f in (xx, zz, xz):
        f = np.array(f)
        out.append((simpson(f * W**2 / (2 * np.pi), x=T), simpson(f * W**4 / (2 * np.pi), x=T)))
    return out, [(t, a) for t, a in zip(T, amplitude) if a < 1.0]


if __name__ == "__main__":
    for rule in ("weight", "whole", "cut"):
        sea, slow = moments(sea_motions, SEA, SPEED, rule)
        swell, slow_swell = moments(swell_motions, SWELL, -SPEED, rule)
        print({"weight": "rows weighted", "whole": "every row whole", "cut": "rows below wl left out"}[rule])
        if rule == "weight":
            print(f"  rows not whole from astern [s, weight]: {[(float(t), round(float(a), 7)) for t, a in slow]}")
            print(f"  from ahead: {slow_swell}")
            we = W - K * SPEED
            print(f"  encounter frequency of the 4 s row from astern: {we[0]:.4f} rad/s")
        for name, (a, b) in zip(("xx", "zz", "xz"), zip(sea, swell)):
            print(f"  {name}: m0 = {a[0] + b[0]:.9g}, m2 = {a[1] + b[1]:.9g}")

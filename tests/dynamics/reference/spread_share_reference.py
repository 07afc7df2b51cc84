#!/usr/bin/python3
"""Independent reference for the in-plane share of a spread sea on a free column (free_salm_test.cpp,
tests/run/spread_split_test.cpp).

Run once by hand with /usr/bin/python3 (numpy, scipy); never by the tests. It works from the
mechanics alone, not from the program's formulas:

  * a free column is axisymmetric and solved in its own plane (heading 0); a long-crested wave
    travelling toward the direction a moves it along a, so the motion's component in the plane is
    cos(a) times the motion and its variance cos^2(a) times the variance;
  * a sea spread about its mean heading h as cos^p(theta), -90 < theta < 90 degrees (the spreading
    of the free column's run: the mean of cos^2 over it is the ratio of the integrals of cos^(p+2)
    and cos^p), is a sum of such waves of independent phases, so the variances add: the in-plane
    share is the spreading-weighted mean of cos^2(h + theta), integrated here by scipy's quad;
  * E, the share along the sea's own heading, is that mean at h = 0.

It prints the values pasted into the tests.
"""

import math

from scipy.integrate import quad


def spreading(theta, p):
    """The spreading before normalisation: cos^p over the half circle about the mean heading."""
    return math.cos(theta) ** p if abs(theta) < math.pi / 2 else 0.0


def in_plane_share(heading_deg, p):
    """The spreading-weighted mean of cos^2 of the wave direction about the column's plane."""
    h = math.radians(heading_deg)
    lo, hi = -math.pi / 2, math.pi / 2
    norm = quad(lambda t: spreading(t, p), lo, hi, epsabs=1e-14, epsrel=1e-13, limit=200)[0]
    share = quad(lambda t: spreading(t, p) * math.cos(h + t) ** 2, lo, hi, epsabs=1e-14, epsrel=1e-13,
                 limit=200)[0]
    return share / norm


if __name__ == "__main__":
    print("E, the share along the mean heading:")
    for p in (0, 2, 4, 10, 50, 67):
        print(f"  p = {p:3d}: E = {in_plane_share(0.0, p):.9f}")
    print("the in-plane share of a sea spread about heading h:")
    for p, h in ((2, 30.0), (4, 30.0), (0, 45.0), (10, 90.0), (50, -123.0), (50, 17.0)):
        print(f"  p = {p:3d}, h = {h:7.1f} deg: {in_plane_share(h, p):.9f}")
    # How far a cosine power of 50 leaves the long-crested split (cos^2 h) at any heading.
    worst = max(abs(in_plane_share(h, 50) - math.cos(math.radians(h)) ** 2) for h in range(0, 360))
    print(f"  p = 50: largest departure from cos^2 h over the turn: {worst:.9f}")

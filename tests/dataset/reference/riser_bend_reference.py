#!/usr/bin/env python3
"""The bend of a user's buoyant riser under the table's largest load, for column_reach_test.

Two members hinged on the sea bed, their top held 110 ft above the hinge at a buoy's keel, under a
horizontal load H at the top. Member 1: 80 ft, 100 kips at 35 ft, 4,000 cubic feet (256 kips at
64 lbs/cubic foot) at 40 ft; member 2: 32 ft (2 ft to spare), 150 kips at 15 ft, 9,425 cubic feet
(603.2 kips) at 15 ft. Each member's moments about its lower joint, H cot(phi) = T - M with
M = (W g - B b) / L and T passing up the net weights, make member 2's cotangent that of member 1 less
K / H; the closure L1 cos(phi1) + L2 cos(phi2) = 110 is bisected in the logarithm of member 1's
cotangent. Plain Python, no packages: python3 riser_bend_reference.py
"""
import math

W1, B1, G1, C1, L1 = 100.0, 256.0, 35.0, 40.0, 80.0
W2, B2, G2, C2 = 150.0, 603.2, 15.0, 15.0
HEIGHT = 110.0


def angles(L2, H):
    M1 = (W1 * G1 - B1 * C1) / L1
    M2 = (W2 * G2 - B2 * C2) / L2
    K = -((W2 - B2) - M2 + M1)  # member 1's cotangent less member 2's, times H
    cos_phi = lambda c: c / math.sqrt(1.0 + c * c)
    closure = lambda u: L1 * cos_phi(math.exp(u)) + L2 * cos_phi(math.exp(u) - K / H) - HEIGHT
    lo, hi = math.log(K / H * (1 + 1e-12)), math.log(1e12)
    for _ in range(400):
        mid = 0.5 * (lo + hi)
        if (closure(mid) > 0) == (closure(lo) > 0):
            lo = mid
        else:
            hi = mid
    c1 = math.exp(0.5 * (lo + hi))
    return math.atan2(1.0, c1), math.atan2(1.0, c1 - K / H)


if __name__ == "__main__":
    phi1, phi2 = angles(32.0, 600.0)
    print("2 ft to spare under 600 kips: %.4f degrees apart" % math.degrees(phi2 - phi1))
    # prints 1.1426

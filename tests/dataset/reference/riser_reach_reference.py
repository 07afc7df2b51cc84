#!/usr/bin/env python3
"""The mean state of a user's buoyant riser and the load that brings its members into line, for
column_reach_test.

Two members hinged on the sea bed, their top held 110 ft above the hinge at a buoy's keel, under a
horizontal load H at the top (the keel pulls up on the riser with V). Member 1: 80 ft, 100 kips at
35 ft, 4,000 cubic feet (256 kips at 64 lbs/cubic foot) at 40 ft; member 2 of the length given,
150 kips at 15 ft, 9,425 cubic feet (603.2 kips) at 15 ft. Written as two free bodies, not as the
cotangent offsets the program sums: member 2's moments about its lower joint give V for its angle,
L2 (V sin(phi2) - H cos(phi2)) + sin(phi2) (B2 b2 - W2 g2) = 0; member 2 passes (H, V + B2 - W2)
down to member 1, whose moments about the hinge give its angle; the heights must add up to 110 ft,
which fixes member 2's angle (bisected between upright and flat). Plain Python, no packages:
python3 riser_reach_reference.py
"""
import math

L1, W1, G1, B1, C1 = 80.0, 100.0, 35.0, 256.0, 40.0
W2, G2, B2, C2 = 150.0, 15.0, 603.2, 15.0
HEIGHT = 110.0


def shape(L2, H):
    def members(phi2):
        V = (H * math.cos(phi2) - math.sin(phi2) * (B2 * C2 - W2 * G2) / L2) / math.sin(phi2)
        P = V + B2 - W2  # the pull member 2 passes down to member 1
        phi1 = math.atan2(L1 * H, L1 * P + (B1 * C1 - W1 * G1))
        return phi1, phi2
    lo, hi = 1e-9, math.pi / 2.0
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        phi1, phi2 = members(mid)
        if L1 * math.cos(phi1) + L2 * math.cos(phi2) > HEIGHT:
            lo = mid
        else:
            hi = mid
    return members(0.5 * (lo + hi))


def mean_state(L2, H):
    phi1, phi2 = shape(L2, H)
    offset = L1 * math.sin(phi1) + L2 * math.sin(phi2)
    distance = math.hypot(offset, HEIGHT)
    return math.degrees(phi1), math.degrees(phi2), offset, distance, L1 + L2 - distance


def clear_load(L2, least=0.03):
    """The load under which the members stand asin(0.03) out of line (bisected in log H)."""
    lo, hi = 1.0, 1.0e7
    for _ in range(200):
        mid = math.sqrt(lo * hi)
        phi1, phi2 = shape(L2, mid)
        if abs(math.sin(phi2 - phi1)) >= least:
            lo = mid
        else:
            hi = mid
    return lo


if __name__ == "__main__":
    # The slow drift's mean load of the user's run with element 2 at 40 ft: 380.68 kips.
    print("40 ft, 380.68 kips: members at %.3f and %.3f deg, keel %.3f ft out, %.3f ft from the hinge,"
          " %.3f ft short" % mean_state(40.0, 380.68))
    # prints 20.050 and 29.401 deg, 47.063 ft out, 119.645 ft from the hinge, 0.355 ft short
    print("50 ft, 3.02 kips: members at %.3f and %.3f deg, keel %.3f ft out, %.3f ft from the hinge,"
          " %.3f ft short" % mean_state(50.0, 3.02))
    # prints 0.429 and 53.127 deg, 40.597 ft out, 117.252 ft from the hinge, 12.748 ft short
    print("32 ft: members 1.72 deg out of line under %.2f kips" % clear_load(32.0))  # 405.20
    print("40 ft: members 1.72 deg out of line under %.2f kips" % clear_load(40.0))  # 1996.86
    print("30.3 ft: members 1.72 deg out of line under %.3f kips" % clear_load(30.3))  # 63.156

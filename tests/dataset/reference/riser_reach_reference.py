#!/usr/bin/env python3
"""The mean state of the users' buoyant risers, the load that brings their members into line and
the keel's offset there, and the same with an element's volume raised (the raised member buoyed by
the water's density at the same centre, its weight kept), for column_reach_test, run_checks_test,
riser_judge_test and buoyant_riser_e2e_test.

Two members hinged on the sea bed, their top held at a vessel's keel some height above the hinge,
under a horizontal load H at the top (the keel pulls up on the riser with V). Written as two free
bodies, not as the cotangent offsets the program sums: member 2's moments about its lower joint
give V for its angle, L2 (V sin(phi2) - H cos(phi2)) + sin(phi2) (B2 b2 - W2 g2) = 0; member 2 passes
(H, V + B2 - W2) down to member 1, whose moments about the hinge give its angle; the heights must add
up to the keel's, which fixes member 2's angle (bisected between upright and flat). The load under
which the members stand asin(0.03) = 1.72 degrees out of line is bisected in log H.

The discus buoy's riser (English units): the keel 110 ft above the hinge. Member 1: 80 ft, 100 kips
at 35 ft, 4,000 cubic feet (256 kips at 64 lbs/cubic foot) at 40 ft; member 2 of the length given,
150 kips at 15 ft, 9,425 cubic feet (603.2 kips) at 15 ft.

The tanker risers of tests/e2e/cases/riser-calm and riser-table (metric, the figures read off their
SALMDAT): the keel 84 m above the hinge (100 m of water, 16 m of draft), water of 1.0251840 t per
cubic metre. Member 1: 60 m, 145.16129 t at 30 m, 188.49556 cubic metres at 30 m. Member 2 of
riser-calm: 40 m, 40 t at 20 m, 282.74335 cubic metres at 20 m; of riser-table: 60 m, 60 t at 30 m,
424.11502 cubic metres at 30 m. The offsets the run quotes are measured from where the keel lies
under no load (a millionth of a tonne here).

Plain Python, no packages: python3 riser_reach_reference.py
"""
import math

DISC_HEIGHT = 110.0
DISC_FIRST = (80.0, 100.0, 35.0, 256.0, 40.0)  # L, W, g, B, b


def disc_second(L2):
    return (L2, 150.0, 15.0, 603.2, 15.0)


RHO = 1.025184  # t per cubic metre: DWATR 1025.1840 / 1000
TANKER_HEIGHT = 84.0
TANKER_FIRST = (60.0, 145.16129, 30.0, 188.49556 * RHO, 30.0)
TANKER_SECOND = {
    "riser-calm": (40.0, 40.0, 20.0, 282.74335 * RHO, 20.0),
    "riser-table": (60.0, 60.0, 30.0, 424.11502 * RHO, 30.0),
}


def shape(first, second, height, H):
    L1, W1, G1, B1, C1 = first
    L2, W2, G2, B2, C2 = second

    def members(phi2):
        V = (H * math.cos(phi2) - math.sin(phi2) * (B2 * C2 - W2 * G2) / L2) / math.sin(phi2)
        P = V + B2 - W2  # the pull member 2 passes down to member 1
        phi1 = math.atan2(L1 * H, L1 * P + (B1 * C1 - W1 * G1))
        return phi1, phi2

    lo, hi = 1e-12, math.pi / 2.0
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        phi1, phi2 = members(mid)
        if L1 * math.cos(phi1) + L2 * math.cos(phi2) > height:
            lo = mid
        else:
            hi = mid
    return members(0.5 * (lo + hi))


def keel_offset(first, second, height, H):
    """The keel's horizontal distance from the hinge under H."""
    phi1, phi2 = shape(first, second, height, H)
    return first[0] * math.sin(phi1) + second[0] * math.sin(phi2)


def mean_state(L2, H):
    first, second = DISC_FIRST, disc_second(L2)
    phi1, phi2 = shape(first, second, DISC_HEIGHT, H)
    offset = keel_offset(first, second, DISC_HEIGHT, H)
    distance = math.hypot(offset, DISC_HEIGHT)
    return math.degrees(phi1), math.degrees(phi2), offset, distance, first[0] + L2 - distance


def clear_load(first, second, height, least=0.03):
    """The load under which the members stand asin(0.03) out of line (bisected in log H)."""
    lo, hi = 1.0, 1.0e7
    for _ in range(200):
        mid = math.sqrt(lo * hi)
        phi1, phi2 = shape(first, second, height, mid)
        if abs(math.sin(phi2 - phi1)) >= least:
            lo = mid
        else:
            hi = mid
    return lo


def least_raise(raised, load, least=0.03):
    """The least raise of one element's volume [cubic feet] of the discus buoy's riser with 2 ft of
    slack (member 2 of 32 ft) under which the members stand asin(0.03) out of line under `load`: the
    raised member buoyed by 64 lbs/cubic foot more per cubic foot at the same centre, its weight
    kept (bisected; more buoyancy holds the members further out of line)."""

    def clear(raise_):
        first, second = list(DISC_FIRST), list(disc_second(32.0))
        member = first if raised == 1 else second
        member[3] += 0.064 * raise_
        phi1, phi2 = shape(tuple(first), tuple(second), DISC_HEIGHT, load)
        return abs(math.sin(phi2 - phi1)) >= least

    lo, hi = 0.0, 1.0e6
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        if clear(mid):
            hi = mid
        else:
            lo = mid
    return hi


if __name__ == "__main__":
    # The slow drift's mean load of the user's run with element 2 at 40 ft: 380.68 kips.
    print("40 ft, 380.68 kips: members at %.3f and %.3f deg, keel %.3f ft out, %.3f ft from the hinge,"
          " %.3f ft short" % mean_state(40.0, 380.68))
    # prints 20.050 and 29.400 deg, 47.063 ft out, 119.645 ft from the hinge, 0.355 ft short
    print("50 ft, 3.02 kips: members at %.3f and %.3f deg, keel %.3f ft out, %.3f ft from the hinge,"
          " %.3f ft short" % mean_state(50.0, 3.02))
    # prints 0.429 and 53.127 deg, 40.597 ft out, 117.252 ft from the hinge, 12.748 ft short
    for L2, places in ((32.0, 2), (40.0, 2), (30.3, 3)):
        print("%g ft: members 1.72 deg out of line under %.*f kips"
              % (L2, places, clear_load(DISC_FIRST, disc_second(L2), DISC_HEIGHT)))
    # prints 405.20, 1996.86 and 63.156 kips
    # The table of element 2 at 30.3 ft ended at 63.15 kips, the load under which the members still
    # stand 1.72 degrees out of line in the hundredths the statics report prints: its offset range,
    # the keel under that load less the keel under no load (element 1 upright, element 2 leaning
    # sqrt(30.3^2 - 30^2) out).
    out = keel_offset(DISC_FIRST, disc_second(30.3), DISC_HEIGHT, 63.15)
    rest = math.sqrt(30.3 ** 2 - 30.0 ** 2)
    print("30.3 ft: the keel %.3f ft out under 63.15 kips, %.3f ft out at no load, a range of %.5f ft"
          % (out, rest, out - rest))
    # prints 7.994 ft, 4.253 ft, 3.74098 ft
    # The keel's offset from the hinge where the members come within 1.72 degrees of line, and under
    # no load (a millionth of a kip), where run_checks_test's table starts as the statics' does and
    # which the offsets quoted are measured from.
    for L2 in (32.0, 40.0):
        H = clear_load(DISC_FIRST, disc_second(L2), DISC_HEIGHT)
        print("%g ft: the keel %.3f ft out where the members come into line, %.3f ft out at no load"
              % (L2, keel_offset(DISC_FIRST, disc_second(L2), DISC_HEIGHT, H),
                 keel_offset(DISC_FIRST, disc_second(L2), DISC_HEIGHT, 1.0e-6)))
    # prints 21.017 and 11.136 ft (32 ft), 47.928 and 26.458 ft (40 ft)
    for name, second in TANKER_SECOND.items():
        H = clear_load(TANKER_FIRST, second, TANKER_HEIGHT)
        out = keel_offset(TANKER_FIRST, second, TANKER_HEIGHT, H)
        rest = keel_offset(TANKER_FIRST, second, TANKER_HEIGHT, 1.0e-6)
        print("%s: 1.72 deg out of line under %.2f t, the keel %.3f m out; %.3f m out at no load, %.3f m apart"
              % (name, H, out, rest, out - rest))
    # prints riser-calm: 1473.64 t, 54.239 m, 32.000 m, 22.239 m apart;
    #        riser-table: 3592.09 t, 85.678 m, 54.991 m, 30.687 m apart
    # The least raise of each element's volume that keeps the riser with 2 ft of slack 1.72 degrees
    # out of line under a peak load of 600 kips.
    for element in (1, 2):
        print("2 ft of slack, 600 kips: element %d's volume raised by %.3f cubic feet"
              % (element, least_raise(element, 600.0)))
    # prints 4882.683 and 4595.467 cubic feet
    # riser-table with element 2's volume raised by 3886.54 cubic metres (to 4,310.66), as its refusal
    # in a JONSWAP sea of 8 m names it: its members under the run's mean load of 142.49 t, and where
    # they come into line.
    L2, W2, G2, B2, C2 = TANKER_SECOND["riser-table"]
    raised = (L2, W2, G2, B2 + 3886.54 * RHO, C2)
    for name, second in (("as given", TANKER_SECOND["riser-table"]), ("raised", raised)):
        phi1, phi2 = shape(TANKER_FIRST, second, TANKER_HEIGHT, 142.49)
        H = clear_load(TANKER_FIRST, second, TANKER_HEIGHT)
        apart = (keel_offset(TANKER_FIRST, second, TANKER_HEIGHT, H)
                 - keel_offset(TANKER_FIRST, second, TANKER_HEIGHT, 1.0e-6))
        print("riser-table %s, 142.49 t: members at %.3f and %.3f deg; 1.72 deg out of line under %.2f t,"
              " %.3f m beyond the keel at no load" % (name, math.degrees(phi1), math.degrees(phi2), H, apart))
    # prints as given: 25.876 and 59.983 deg, 3592.09 t, 30.687 m;
    #        raised: 3.598 and 66.299 deg, 37437.38 t, 30.687 m

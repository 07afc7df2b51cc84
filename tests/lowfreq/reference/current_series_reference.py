#!/usr/bin/python3
"""The built-in current coefficients at the cases whose rows are known, evaluated from the rows as the
description gives them (tests/lowfreq/force_coefficients_test.cpp,
BuiltInCurrentSeriesWhereTheirRowsAreKnown).

A surge row A(1..11): A(1) + sum A(k+1) cos(k a); a sway or yaw row B(1..10): sum B(k) sin(k a); the
surge value of every built-in current model is scaled by LWL / BWL (800 / 130 in the test).

    /usr/bin/python3 tests/lowfreq/reference/current_series_reference.py
"""
import numpy as np

OCIMF_DEEP = {  # OCIMF 1977, h = 6.0, either bow; also the NSMB 1991 deep-water load-100 sets
    1: [0.01083, -0.006491, 0.01621, -0.05631, -0.01387, -0.03514, -0.01193, 0.01145, 0.00913, 0.001148, -0.004033],
    2: [-0.557, 0.007396, 0.03373, -0.002564, 0.004258, 0.000966, 0.003909, -2.635E-5, 0.00329, 0.001654],
    3: [0.01848, -0.06833, 0.003034, -0.002769, 0.001625, -0.003839, 0.0006129, -0.0005027, 0.002184, -0.001193],
}
OCIMF_SHALLOW_CX_CONVENTIONAL = [0.003055, -0.1225, 0.08303, 0.08637, 0.01086, 0.01682, -0.0621, -0.03322,
                                 -0.007458, -0.02473, -0.01284]
OCIMF_SHALLOW_CY = [-3.092, -0.08679, 0.1204, -0.08821, -0.1563, -0.0261, -0.1043, 0.01875, -0.0381, 0.0486]
NSMB_DEEP40_CY = [-0.4842, 0.001639, 0.01905, 0.001543, 0.006611, 0.002407, 0.003051, 0.000344, -3.116E-6,
                  -0.001903]
NSMB_MEAN_CX = [0.006431, -0.05182, 4.605E-5, -0.005927, 0.0002834, 0.009199, 0.0003692, 0.002482, 0.0009048,
                -0.00112, -0.0001048]
ASPECT = 800.0 / 130.0
HEADINGS = [0.0, 30.0, 90.0, 135.0, 180.0]


def ccof(A, a):
    return A[0] + sum(A[k] * np.cos(k * a) for k in range(1, 11))


def scof(B, a):
    return sum(B[k - 1] * np.sin(k * a) for k in range(1, 11))


def show(name, f):
    print(name + ": " + ", ".join("%.9g" % f(np.radians(d)) for d in HEADINGS))


if __name__ == "__main__":
    print("headings [deg]:", HEADINGS)
    show("deep surge (x LWL/BWL)", lambda a: ASPECT * ccof(OCIMF_DEEP[1], a))
    show("deep sway", lambda a: scof(OCIMF_DEEP[2], a))
    show("deep yaw", lambda a: scof(OCIMF_DEEP[3], a))
    show("h 1.05 conventional surge (x LWL/BWL)", lambda a: ASPECT * ccof(OCIMF_SHALLOW_CX_CONVENTIONAL, a))
    show("h 1.05 sway", lambda a: scof(OCIMF_SHALLOW_CY, a))
    show("NSMB deep-water load-40 sway", lambda a: scof(NSMB_DEEP40_CY, a))
    show("NSMB mean surge (x LWL/BWL)", lambda a: ASPECT * ccof(NSMB_MEAN_CX, a))

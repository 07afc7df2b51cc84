#!/usr/bin/python3
"""The heave and pitch of the true box (600 x 100 x 40 ft, tests/hull/ship/ship_fixture.h) under way:
the box's characteristics, its exciting forces and RAOs as the ship model forms them, in double
precision, at the five grid points that shpfrc_test.cpp compares, for waves at 30 deg (nearly from
astern) and a speed of 15 ft/s.

The forward-speed correction of the added masses and wave damping is written here as strip theory
gives it for a box whose sections all carry the sectional added mass a = AH / L and damping b = BH / L
and whose stern is a transom at x_A = L / 2 from the centre (the end terms of Salvesen, Tuck and
Faltinsen's speed correction): heave damping B33 + U a, heave added mass A33 - U b / we^2, pitch
damping B55 + U x_A^2 a (+ the terms in U^2 / we^2), pitch inertia A55 - U x_A^2 b / we^2 (+ U^2 / we^2
terms). U is the ship's speed through the water: the radiation problem holds no incident wave, so
nothing of the waves but the encounter frequency we enters it. The terms in U^2 / we^2, which are even
in U, keep the model's factor 1.5.

Run with --projected to get the values with the speed projected on the waves instead (U cos b in the
terms linear in U, with their signs as in head seas): those are the values the test held before.
"""
import math
import sys

from scipy.integrate import quad
from scipy.optimize import brentq

G = 32.152
DEPTH = 200.0
DWATR = 64.0
TDISPL = 153600.0
VKG, VKMT, VKML = 30.0, 40.8333, 770.0
TAWP = 60000.0
TPGYR = 150.0

PROJECTED = "--projected" in sys.argv


def fheave(x):
    s = math.sqrt(1 + x * x)
    return 2.54648 * ((1 + x ** 3 - s ** 3) / 3 + x * x * math.log((1 + s) / x) + x * math.log(x + s))


def fpitch(x):
    s = math.sqrt(1 + x * x)
    return 0.056588 * (15 * x * x * math.log((1 + s) / x) - 3 + 15 * x ** 3 + 2 * x ** 5 + (3 - 14 * x * x - 2 * x ** 4) * s)


def ellipsoid_added_mass(b, c):
    """Added-mass coefficient of the ellipsoid of semi-axes 1, b, c moving along its first axis (Lamb)."""
    a0 = b * c * quad(lambda l: 1 / ((1 + l) * math.sqrt((1 + l) * (b * b + l) * (c * c + l))), 0, math.inf)[0]
    return a0 / (2 - a0)


# The box: draft from L^2 B^2 T^2 = DELTA^2 with L^2 = 12 T KML - 6 T^2, B^2 = 12 T KMT - 6 T^2.
DELTA = TDISPL * 1000 / DWATR
T = brentq(lambda t: (12 * t * VKML - 6 * t * t) * (12 * t * VKMT - 6 * t * t) * t * t - DELTA ** 2, 20, 60)
B = math.sqrt(12 * T * VKMT - 6 * T * T)
L = DELTA / T / B
L2, B2 = L / 2, B / 2
GML, GMT = VKML - VKG, VKMT - VKG
WPML, WPMT = L ** 3 * B / 12, B ** 3 * L / 12
EVKG = WPMT / DELTA + T / 2 - GMT
PRMT = G * GML * DELTA
HC = G * TAWP
BLRAT = B / L
CSG = ellipsoid_added_mass(B / L, 2 * T / L) * 1.215488 * (2 * T / L) ** -0.14883
VTCRP = (CSG * T / 2 + EVKG) / (1 + CSG)
HCONST = L2 ** 3 * math.sqrt(BLRAT) * BLRAT
PCONST = HCONST * L2 ** 2 * BLRAT ** (-1 / 6)
IHI = fheave(BLRAT) * L2 ** 3
HMASHI = (1 - 0.39025 * BLRAT) * 1.5707964 * L * B2 ** 2
HMSRAT = HMASHI / IHI
PMAS0 = fpitch(BLRAT) * L2 ** 5
PMASHI = (1 - 1.1707 * BLRAT - 0.65852 * BLRAT ** 2 + 1.15823 * BLRAT ** 3) * L2 ** 5 * BLRAT ** 2 * math.pi / 3
PMSRAT = PMASHI / PMAS0
WPL = math.sqrt(PRMT / PMAS0)
PTCH1 = (TPGYR ** 2 + (VTCRP - T / 2) ** 2 * CSG) * DELTA
HVM1 = DELTA
Q0 = 1 / math.sqrt(1 / B ** 2 + 1 / L ** 2)
D1, D2 = T + 0.212 * Q0, T + 0.3333 * Q0


def hdmp(x):
    return 2.42 * x / (x + 1) ** 1.59


def pdmp(x):
    return 0.1 * x * x * math.exp(-0.606 * x)


def pmas(x, r):
    return r * (1 + (1 / r - 1 + 3.6 * x * x) * math.exp(-1.825 * x))


def yawfkf(x, th):
    return math.sin(th) * (x * math.cos(x) - math.sin(x)) / (x * x)


def fits(w, x):
    return (IHI * (HMSRAT + (1 - HMSRAT) * math.exp(-x)), PMAS0 * pmas(x, PMSRAT), w * hdmp(x) * HCONST,
            w * pdmp(x) * PCONST)


def under_way(ah, ap, bh, bp, we2, u):
    """Strip theory's speed correction of the box with a transom stern at x_A = L / 2."""
    a, b, xa = ah / L, bh / L, L / 2
    return (ah - u * b / we2,
            ap + 1.5 * u * u / we2 * ah - u * xa * xa * b / we2,
            bh + u * a,
            bp + 1.5 * u * u / we2 * bh + u * xa * xa * a)


def point(i, heading_deg, speed):
    period = 5.0 + 0.5 * (i - 1)
    w = 2 * math.pi / period
    k = brentq(lambda k: G * k * math.tanh(k * DEPTH) - w * w, 1e-8, 10)
    beta = math.radians(heading_deg)
    sb, cb = math.sin(beta), math.cos(beta)
    uc = speed * cb
    we = abs(w - k * uc)
    we2 = we * we
    xl = k * L2
    ah0, ap0, bh0, bp0 = fits(we, xl)
    u = -uc if PROJECTED else abs(speed)
    ah, ap, bh, bp = under_way(ah0, ap0, bh0, bp0, we2, u)
    kt, kh = k * T, k * DEPTH
    e0 = math.cosh(k * (DEPTH - T)) / math.cosh(kh)
    s0 = math.sinh(k * (DEPTH - T)) / math.cosh(kh)
    f1 = (math.tanh(kh) - s0) / kt
    f2 = (kt * s0 + e0 - 1) / kt ** 2
    e1 = math.cosh(kh - k * D1) / math.cosh(kh)
    e2 = math.cosh(kh - k * D2) / math.cosh(kh)
    a, c = B2 * k * sb, L2 * k * cb
    q = math.sin(a) * math.sin(c) / (a * c)
    heave = complex(q * (e0 - e1 * ah * we2 / (G * TAWP)), q * e1 * bh * we / (G * TAWP))
    mp = 3 * G * WPML * cb * yawfkf(c, a) / (PRMT * a * c)
    ep = e2 * we2 / WPL ** 2
    pitch = complex(-mp * (e0 - ep * (ap / ap0) * pmas(xl, PMSRAT)) - ((VTCRP - T) / GML * f1 - (T / GML) * f2) * q * cb,
                    mp * (PCONST / PMAS0) * pdmp(xl) * ep * (bp / bp0))
    mh = HVM1 + ah
    heave_rao = heave * (HC / mh) / complex(HC / mh - we2, bh / mh * we)
    mpt = PTCH1 + ap
    pitch_rao = pitch * k * (PRMT / mpt) / complex(PRMT / mpt - we2, bp / mpt * we)
    return heave, pitch, heave_rao, pitch_rao


def show(z):
    return "{%.7g, %.7g}" % (z.real, z.imag)


for i in (1, 9, 18, 30, 51):
    hv, pt, hr, pr = point(i, 30.0, 15.0)
    print("point %2d  heave force %s pitch force %s  heave RAO %s pitch RAO %s" % (i, show(hv), show(pt), show(hr), show(pr)))

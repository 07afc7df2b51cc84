#!/usr/bin/python3
"""Independent reference for the low-frequency report tests (low_report_test.cpp).

Run once by hand (/usr/bin/python3, with numpy); never by the tests. It takes the hand-filled states
of tests/slowdrift/low_report_fixtures.h (the same numbers, written again here) and writes the expected
reports tests/slowdrift/expected/LOWOUT_full.stxt and LOWOUT_single.stxt from the report layout, line by
line and field by field with Fortran-style F, E, I and A edit rules, and prints the values pasted
into the tests.

Values are formed in single precision (numpy float32) as the program keeps them; table look-ups
interpolate in double and round. The program finds the angles at a load with its own root search
in single precision, so the reports it writes agree with these to one unit of their last digit (the
test compares them so). Where the layout computes a physical quantity it is formed here from
the physics rather than from the program's routine:

  * the joint loads from the moment balance of the top member about its lower joint and the net
    weight of each member below it;
  * the internal loads of a moment-output element as the resultant and the moment, about the
    element's top, of the loads on the free body below it (the bottom joint's loads, the weights and
    buoyancies of the elements below at their centres);
  * the member angles at a load (the table's points, the mean load and each displaced load) from the
    statics of the fully submerged column: each member's moment balance about its lower joint,
    H cot(phi_m) = T_m - M_m with the pull T_m that the members above pass down, fixes every
    cotangent from member 1's, and member 1's is the one that puts the top at the height YOKBOT above
    the lowest joint (scipy's brentq, in double precision; the top's height rises with that cotangent,
    so the root is the only one); at zero load the members below the top stand upright and the top
    member leans to reach the height;
  * the displaced state by the energy of the load-offset table: the offset x whose energy, the
    integral of the load from the table's start, equals the energy at the mean offset raised by the
    work K a^2 / 2 + a |F| of the amplitude a;
  * member top positions as sums of the member vectors.
"""

import math
import os

import numpy as np
from scipy.optimize import brentq

f32 = np.float32
HERE = os.path.dirname(os.path.abspath(__file__))
EXPECTED = os.path.join(HERE, "..", "expected")


# ---- Fortran-style fields -----------------------------------------------------------------------

def F(x, w, d):
    x = float(x)
    if math.isnan(x):
        return "NaN".rjust(w)
    s = "%.*f" % (d, x)
    if len(s) > w and s.startswith("0."):
        s = s[1:]
    if len(s) > w and s.startswith("-0."):
        s = "-" + s[2:]
    return "*" * w if len(s) > w else s.rjust(w)


def E(x, w, d):
    """Ew.d: 0.ddddE+xx."""
    x = float(x)
    sign = "-" if math.copysign(1.0, x) < 0 else ""
    if x == 0.0:
        body = "0." + "0" * d + "E+00"
    else:
        m = "%.*e" % (d - 1, abs(x))  # d significant digits, correctly rounded
        digits, exp = m.split("e")
        digits = digits.replace(".", "")
        e10 = int(exp) + 1
        body = "0." + digits + "E" + ("+" if e10 >= 0 else "-") + "%02d" % abs(e10)
    s = sign + body
    return "*" * w if len(s) > w else s.rjust(w)


def I(v, w):
    s = str(int(v))
    return "*" * w if len(s) > w else s.rjust(w)


def A(text, w):
    return text[:w] if len(text) >= w else text.rjust(w)


def X(n):
    return " " * n


def pad(text, w):
    return text[:w].ljust(w)


# ---- table look-ups -------------------------------------------------------------------------------

def bsrch(x, v):
    """Interval (1-based) of an ascending table holding v; a value on an inner entry lies at the
    upper end of its interval; outside the table the end interval."""
    n = len(x)
    for i in range(1, n):
        if v <= x[i]:
            return i
    return n - 1


def interp(x, y, v, i):
    x1, x2 = float(x[i - 1]), float(x[i])
    y1, y2 = float(y[i - 1]), float(y[i])
    return f32(y1 + (float(v) - x1) / (x2 - x1) * (y2 - y1))


# ---- the fixtures (tests/slowdrift/low_report_fixtures.h) --------------------------------------------

def modes(rows):
    keys = ("period still wind current wave swell waveDrag swellDrag line total squareLaw squareLawLine net "
            "varWind varCurrent varWave varSwell varWaveDrag varSwellDrag").split()
    out = []
    for r in rows:
        d = {k: f32(v) for k, v in zip(keys, r)}
        total = f32(0)
        for k in ("varWind", "varCurrent", "varWave", "varSwell", "varWaveDrag", "varSwellDrag"):
            total = f32(total + d[k])
        d["varTotal"] = total
        d["omega"] = f32(f32(6.2831855) / d["period"]) if d["period"] > 0 else f32(0)
        out.append(d)
    return out


def fixture_full():
    return dict(
        name="full", creatr=11, nunts=0, onetwo=0, lspm=1, duratn=3.0, iarco=0, pndarm=40.0, yokves=0.05,
        members=[[(60.0, 12.0, 30.0, 40.0, 30.0, 1), (40.0, 8.0, 20.0, 25.0, 20.0, 0)],
                 [(20.0, 30.0, 10.0, 120.0, 10.0, 1), (10.0, 10.0, 5.0, 40.0, 5.0, 0)],
                 [(40.0, 28.0, 20.0, 0.0, 0.0, 1), (20.0, 12.0, 10.0, 0.0, 0.0, 0)]],
        ancht=10.0, yokbot=146.0,
        hload=[0.0, 20.0, 40.0, 70.0, 110.0, 160.0, 220.0, 300.0],
        mean_load=95.0,
        roots=[(1, 0.35, 0.45, 95.0, 120.0), (0, 2.1, 2.0, 60.0, 35.0), (1, -2.8, -2.95, 130.0, 80.0)], istab=1,
        yawarm=400.0, swhc=18.5,
        sx=dict(wind=(25.0, -8.0), wave=(40.0, 5.5), swell=(12.0, -3.0), current=(18.0, 2.5)),
        modes=modes([
            (120.0, 0.010, 0.004, 0.006, 0.030, 0.010, 0.008, 0.002, 0.0, 0.070, 0.0, 0.0, 0.070,
             6.0, 3.0, 10.0, 4.0, 1.5, 0.5),
            (300.0, 0.020, 0.010, 0.012, 0.040, 0.015, 0.006, 0.003, 0.0, 0.106, 0.050, 0.0, 0.156,
             1.0E-4, 6.0E-5, 1.5E-4, 5.0E-5, 2.0E-5, 1.0E-5),
            (60.0, 0.030, 0.020, 0.025, 0.050, 0.020, 0.0, 0.0, 0.0, 0.145, 0.080, 0.0, 0.225,
             2.0E-4, 1.0E-4, 3.0E-4, 1.5E-4, 0.0, 0.0)]),
        depth=150.0, dwatr=64.0, displ=150000.0, vkmt=40.0, vkml=900.0, vkb=25.0, vkg=35.0, awp=120000.0,
        xsalm=350.0, lwl=900.0, bwl=150.0, tdraft=50.0,
        wind_codes=(4, 4, 4), loaded=100.0, bowwnd=0.5, current_codes=(4, 6, 3), dftpct=100.0, bowcur=0.0,
        drift_codes=(6, 6, 6), dwtons=250000.0,
        user_damping=[(0, 0.0), (1, 5.0), (0, 0.0)],
        lwind=1, wndtyp=1, wndden=0.0123, wndspd=60.0, wndhdg=30.0, xwndar=15000.0, xwarm=10.0, ywndar=60000.0,
        ywarm=20.0, wndfac=1.0,
        lcurnt=1, curtyp=1, curden=0.05, curspd=2.5, curhdg=45.0, xcurar=7000.0, xcarm=0.0, ycurar=45000.0,
        ycarm=15.0, curfac=1.1,
        lrandm=1, wavtyp=2, seahdg=15.0, lswell=1, swlhdg=60.0, swelpd=14.0, bowfac=1.5, vwdfac=1.2,
        legdrg=0,
        auxfrc=1, xvloc=-200.0, yvloc=30.0, crdsys=1, xvfrc=50.0, yvfrc=-20.0, vesmom=12345.6,
        g=32.152, rhoair=0.0024356, tpk=12.5, swhswl=6.0, hoverd=3.0)


def fixture_single():
    return dict(
        name="single", creatr=10, nunts=1, onetwo=1, lspm=1, duratn=0.5, iarco=1, pndarm=0.0, yokves=0.0,
        members=[[(30.0, 80.0, 15.0, 20.0, 15.0, 0)], [(12.0, 60.0, 5.0, 300.0, 6.0, 0)]],
        ancht=4.0, yokbot=34.0,
        hload=[0.0, 10.0, 25.0, 45.0, 70.0, 100.0],
        mean_load=52.0,
        roots=[(1, -0.4, -0.3, 52.0, 50.0)], istab=1,
        yawarm=150.0, swhc=4.2,
        sx=dict(wind=(30.0, 4.0), wave=(22.0, -1.5), swell=(0.0, 0.0), current=(0.0, 0.0)),
        modes=modes([
            (95.0, 0.012, 0.005, 0.0, 0.025, 0.0, 0.0, 0.0, 0.004, 0.10, 0.0, 0.0, 0.10,
             2.5, 0.0, 3.2, 0.0, 0.0, 0.0),
            (240.0, 0.018, 0.008, 0.0, 0.030, 0.0, 0.0, 0.0, 0.005, 0.061, 0.030, 0.010, 0.091,
             4.0E-5, 0.0, 9.0E-5, 0.0, 0.0, 0.0),
            (45.0, 0.025, 0.010, 0.0, 0.040, 0.0, 0.0, 0.0, 0.006, 0.081, 0.060, 0.020, 0.141,
             8.0E-5, 0.0, 2.0E-4, 0.0, 0.0, 0.0)]),
        depth=60.0, dwatr=1025.0, displ=80000.0, vkmt=12.0, vkml=280.0, vkb=8.0, vkg=11.0, awp=9000.0,
        xsalm=140.0, lwl=280.0, bwl=45.0, tdraft=15.0,
        wind_codes=(1, 2, 3), loaded=60.0, bowwnd=1.5, current_codes=(15, 4, 4), dftpct=40.0, bowcur=0.25,
        drift_codes=(2, 3, 8), dwtons=120000.0,
        user_damping=[(1, 4.0), (0, 0.0), (0, 0.0)],
        lwind=1, wndtyp=3, wndden=0.0, wndspd=40.0, wndhdg=200.0, xwndar=1500.0, xwarm=3.0, ywndar=5200.0,
        ywarm=-4.0, wndfac=1.2,
        lcurnt=0, curtyp=0, curden=0.0, curspd=0.0, curhdg=0.0, xcurar=0.0, xcarm=0.0, ycurar=0.0,
        ycarm=0.0, curfac=0.0,
        lrandm=1, wavtyp=1, seahdg=190.0, lswell=0, swlhdg=0.0, swelpd=0.0, bowfac=1.0, vwdfac=1.0,
        legdrg=1,
        auxfrc=0, xvloc=0.0, yvloc=0.0, crdsys=0, xvfrc=0.0, yvfrc=0.0, vesmom=0.0,
        g=9.8, rhoair=0.128, tpk=9.0, swhswl=0.0, hoverd=2.0)


# ---- captions --------------------------------------------------------------------------------------

WIND_TITLES = ["User-Specified LOWDAT", "User-Specified WINDCOFS.txt", "Barge (Kestrin)",
               "OCIMF Tanker '77 (extended)", "Cylindrical Vessel"]
CURRENT_TITLES = ["User-Specified LOWDAT", "User-Specified CRNTCOFS.txt", "Barge (Kestrin)", "NSMB Tanker '91",
                  "Extreme Cylindrical Bow '91", "OCIMF Tanker '77 ", "Cylindrical Vessel"]
DRIFT_TITLES = ["User-Specified DRFTCOFS.txt", "Tanker (Legacy)", "Semi (Legacy)", "Buoy or round ship",
                "Caisson Spar", "Tanker (2001)", "Semi/TLP (2001)"]
WIND_SPECTRA = {1: " Davenport", 2: " Legacy point spectrum", 3: " Steady wind", 4: " A.P.I.", 5: " N.P.D.",
                6: " WINDSPEC.txt input file"}
CURRENT_SPECTRA = {1: " Steady current", 2: " Legacy point spectrum", 3: " CRNTSPEC.txt input file",
                   4: " Band-limited white spectrum"}
WAVE_SPECTRA = {0: " Kestrin swell spectrum", 1: " Pierson-Moskowitz", 2: " Mean JONSWAP", 3: " Sharp JONSWAP",
                4: " Squat JONSWAP", 5: " General JONSWAP", 6: " Bretschneider", 7: " WAVSPEC.txt input file",
                8: " Legacy custom spectrum", 9: " Ochi-Hubble", 10: " TMA Shallow Water"}


def title(table, code):
    return pad(table[code - 1] if 1 <= code <= len(table) else "", 29)


def labels(nunts):
    en = nunts == 0
    return dict(force=pad(" kips" if en else " metric tons", 16), length=pad(" feet" if en else " meters", 16),
                density=pad(" lbs/cubic foot" if en else " kgw/cubic meter", 16), speed=pad(" knots", 16),
                angle=pad(" degrees", 16), spectral=" (ft/s)^2/[rad/s]" if en else " (m/s)^2/[rad/s]",
                F6="K.LBS" if en else "M.TON", M6="FT-KIPS" if en else "M.TON-M", L6="FT" if en else "M.",
                couple="ft-kips" if en else "m.ton-m")


# ---- the column ------------------------------------------------------------------------------------

class Column:
    def __init__(self, fx):
        self.fx = fx
        self.elements = []  # (length, weight, cg, buoyancy, cb, flag, member)
        self.L, self.W, self.M = [], [], []
        for m, member in enumerate(fx["members"], start=1):
            length, net, moment = f32(0), f32(0), f32(0)
            for e in member:
                ln, w, cg, b, cb, flag = f32(e[0]), f32(e[1]), f32(e[2]), f32(e[3]), f32(e[4]), e[5]
                self.elements.append((ln, w, cg, b, cb, flag, m))
                net = f32(net + f32(w - b))
                moment = f32(moment + f32(f32(w * f32(length + cg)) - f32(b * f32(length + cb))))
                length = f32(length + ln)
            self.L.append(length)
            self.W.append(net)
            self.M.append(f32(moment / length))
        self.ncon = len(self.L)
        self.yokbot = float(fx["yokbot"])
        self.hload = [f32(h) for h in fx["hload"]]
        self.phiang = [self.statics(H) for H in self.hload]
        self.offset = []
        for row in self.phiang:
            reach = f32(0)
            for m in range(self.ncon):
                reach = f32(reach + f32(self.L[m] * np.sin(row[m])))
            self.offset.append(reach)
        self.srgerg = [f32(0)]
        for k in range(1, len(self.hload)):
            step = f32(f32(f32(0.5) * f32(self.hload[k] + self.hload[k - 1])) * f32(self.offset[k] - self.offset[k - 1]))
            self.srgerg.append(f32(self.srgerg[-1] + step))
        i = 1
        while i < len(self.hload) - 1 and f32(fx["mean_load"]) > self.hload[i]:
            i += 1
        self.sprngx = f32(f32(self.hload[i] - self.hload[i - 1]) / f32(self.offset[i] - self.offset[i - 1]))

    def statics(self, H):
        """The member angles of the fully submerged column in equilibrium under the horizontal load H,
        its top at the height YOKBOT above the lowest joint. Member m's moment balance about its lower
        joint, H cot(phi_m) = T_m - M_m, with T_m the pull at its top, less that of member 1 gives
        H (cot(phi_m) - cot(phi_1)) = (sum of the net weights of members 2..m) - M_m + M_1."""
        n = self.ncon
        L = [float(x) for x in self.L]
        if float(H) == 0.0:  # upright below the top, the top member leaning to the height
            return [f32(0)] * (n - 1) + [f32(math.acos((self.yokbot - sum(L[:-1])) / L[-1]))]
        k, pull = [0.0] * n, 0.0
        for m in range(1, n):
            pull += float(self.W[m])
            k[m] = pull - float(self.M[m]) + float(self.M[0])

        def height(X):
            return sum(L[m] * (X + k[m] / float(H)) / math.sqrt(1.0 + (X + k[m] / float(H)) ** 2)
                       for m in range(n)) - self.yokbot

        X = brentq(height, -1.0e7, 1.0e7, xtol=1.0e-14, rtol=1.0e-15, maxiter=500)
        return [f32(math.atan2(1.0, X + k[m] / float(H))) for m in range(n)]

    def angles_at(self, H):
        return self.statics(H)

    def joint_loads(self, H, phi):
        """Vertical load at joints 1..NCON+1: the top member's moment balance about its lower joint
        (H L cos = T L sin - (W g - B b)) gives the top's vertical pull T; each joint below carries the
        member's net weight less."""
        n = self.ncon
        z = [f32(0)] * (n + 1)
        top = phi[n - 1]
        z[n] = f32(f32(H * f32(np.cos(top) / np.sin(top))) + self.M[n - 1])
        for m in range(n - 1, -1, -1):
            z[m] = f32(z[m + 1] - self.W[m])
        return z

    def internal_loads(self, H, phi, flat, Z, m):
        """Rows (shear, axial, lateral shear, moment of the lateral shear, in-plane moment) at the top
        of each moment-output element of member m, from the free body below: the bottom joint's
        horizontal load H and vertical load Z, the weights and buoyancies of the elements below."""
        s, c = math.sin(float(phi)), math.cos(float(phi))
        lateral = float(flat) if m == self.ncon else 0.0
        rows = []
        below = []
        base = 0.0
        for e in self.elements:
            if e[6] != m:
                continue
            ln, w, cg, b, cb, flag, _ = e
            below.append((base, float(w), float(cg), float(b), float(cb)))
            top = base + float(ln)
            if flag:
                V = float(Z) + sum(x[1] - x[3] for x in below)
                moment = float(Z) * top * s - float(H) * top * c
                for kb, kw, kcg, kbu, kcb in below:
                    moment += kw * (top - kb - kcg) * s - kbu * (top - kb - kcb) * s
                rows.append((float(H) * c - V * s, float(H) * s + V * c, lateral, 0.0 - lateral * top, moment))
            base = top
        return rows


# ---- the report --------------------------------------------------------------------------------------

DEG = f32(57.295776)
DEG6 = f32(57.2957764)


def build(fx):
    col = Column(fx)
    lab = labels(fx["nunts"])
    one = fx["onetwo"] != 0
    Fm = f32(1.0) if one else f32(2.0)
    word = "One" if one else "Two"
    n = col.ncon
    lines = []
    w = lines.append

    def page():
        w("\f")

    # ---- equilibrium quantities ----
    roots = fx["roots"]
    k = fx["istab"] - 1
    FEQ = f32(roots[k][3])
    J = bsrch(col.hload, FEQ)
    X0 = interp(col.hload, col.offset, FEQ, J)
    if fx["iarco"] != 0:
        Y = f32(0)
    else:
        Y = f32(f32(f32(roots[k][2]) - f32(roots[k][1])) + f32(fx["yokves"]))  # inside (-pi, pi] here
    cosY, sinY = f32(np.cos(Y)), f32(np.sin(Y))
    FLTRL0 = f32(f32(0) - f32(sinY * FEQ))
    DELTA0 = f32(0)
    if fx["pndarm"] != 0 and fx["iarco"] == 0:
        DELTA0 = f32(f32(FLTRL0 * col.L[-1]) / f32(fx["pndarm"]))

    # ---- section III ----
    def data(label, value, unit=""):
        w(X(13) + label + value + unit)

    page()
    w(" ***********        III.  VESSEL AND ENVIRONMENT SUMMARY         ***********")
    w("")
    w("")
    data("Water depth ........................ ", F(fx["depth"], 10, 2), lab["length"])
    data("Water density ...................... ", F(fx["dwatr"], 10, 2), lab["density"])
    data("Air density ........................ ", F(f32(fx["rhoair"]) * f32(fx["g"]), 10, 5), lab["density"])
    data("Vessel displacement ................ ", F(fx["displ"], 10, 2), lab["force"])
    data("Transverse metacentric height ...... ", F(fx["vkmt"], 10, 2), lab["length"])
    data("Longitudinal metacentric height .... ", F(fx["vkml"], 10, 2), lab["length"])
    data("Vertical center of buoyancy ........ ", F(fx["vkb"], 10, 2), lab["length"])
    data("Vertical center of gravity ......... ", F(fx["vkg"], 10, 2), lab["length"])
    data("Vessel water plane area ............ ", F(fx["awp"], 10, 2) + " square", lab["length"][:10])
    data("Salm attachment coordinate ......... ", F(fx["xsalm"], 10, 2), lab["length"])
    data("Length of vessel at waterline ...... ", F(fx["lwl"], 10, 2), lab["length"])
    data("Beam of vessel at waterline ........ ", F(fx["bwl"], 10, 2), lab["length"])
    data("Vessel draft ....................... ", F(fx["tdraft"], 10, 2), lab["length"])

    wc, cc, dc = fx["wind_codes"], fx["current_codes"], fx["drift_codes"]
    wind_flag = wc[0] == wc[1] == wc[2]
    c1 = 4 if cc[0] == 15 else cc[0]
    current_flag = c1 == cc[1] == cc[2]
    drift_flag = dc[0] == dc[1] == dc[2]
    if current_flag:
        cc_norm = (cc[0], c1, c1)
    else:
        cc_norm = cc
    tanker_wind = 4 in wc
    bow_current = 0
    if 6 in cc_norm:
        bow_current = 1
    if 4 in cc_norm or cc[0] == 15:
        bow_current = 2
    wind_centroid = 3 in wc or 5 in wc
    current_centroid = 3 in cc_norm or 7 in cc_norm

    if wind_flag:
        data("Wind force model ................... ", " " + title(WIND_TITLES, wc[0]))
    else:
        w("")
        data("Head-on Wind Coefficients (Cx) ..... ", " " + title(WIND_TITLES, wc[0]))
        data("Beam-on Wind Coefficients (Cy) ..... ", " " + title(WIND_TITLES, wc[1]))
        data("Wind Moment Coefficients  (Cz) ..... ", " " + title(WIND_TITLES, wc[2]))

    def bow(v, conv, cyl):
        return conv if v == 0 else cyl if v == 1 else "Whoops!" if v > 1 else "Interpolated"

    bw = bow(fx["bowwnd"], "Conventional", "Cylindrical")
    if tanker_wind:
        data("Above" + "-Water Bow Shape .............. ", " " + bw)
        data("Freeboard-Based Load ............... ", F(fx["loaded"], 10, 2), " Percent")
        if bw == "Interpolated":
            data("Bow Interpolation Factor .......... ", F(fx["bowwnd"], 10, 2))

    hoverd = f32(fx["hoverd"])
    outside = False

    def component(label, code, nsmb):
        nonlocal outside
        if nsmb:
            data(label, " " + title(CURRENT_TITLES, 4))
            P = f32(f32(f32(fx["dftpct"]) * f32(0.01)) * hoverd)
            outside = outside or P < f32(1.1)
        else:
            data(label, " " + title(CURRENT_TITLES, code))
            P = hoverd
            outside = outside or (code == 6 and P < f32(1.05))
        data("Water depth/draft parameter ........ ", F(P, 6, 2))

    w("")
    if current_flag:
        component("Current force model ................ ", cc[0], cc[0] in (4, 15))
    else:
        component("Head-on Current Coefficients (Cx) .. ", cc[0], cc[0] in (4, 15))
        component("Beam-on Current Coefficients (Cy) .. ", cc[1], cc[1] == 4)
        component("Current Moment Coefficients  (Cz) .. ", cc[2], cc[2] == 4)
    if cc[0] == 15 and fx["dftpct"] != 100:
        w("")
        w(X(13) + '>>> NSMB "Mean" 40% load curves utilized for Cx <<<')
    bc = bow(fx["bowcur"], "Conventional (w/bulb)", "Cylindrical (no bulb)")
    if bow_current:
        data("Below" + "-Water Bow Shape .............. ", " " + bc)
        data("Draft-Based Load ................... ", F(fx["dftpct"], 10, 2), " Percent")
        if bc == "Interpolated":
            data("Bow Interpolation Factor ............ ", F(fx["bowcur"], 10, 2))
    if outside:
        w("")
        w(" ++> Warning: A water depth/draft parameter lies outside valid range")
        w("")

    w("")
    if drift_flag:
        data("Wave force model ................... ", " " + title(DRIFT_TITLES, dc[0]))
    else:
        data("Head-on Wave Coefficients (Cx) ..... ", " " + title(DRIFT_TITLES, dc[0]))
        data("Beam-on Wave Coefficients (Cy) ..... ", " " + title(DRIFT_TITLES, dc[1]))
        data("Wave Moment Coefficients  (Cz) ..... ", " " + title(DRIFT_TITLES, dc[2]))
    if tanker_wind:
        w("")
        data("Tanker Deadweight .................. ", F(fx["dwtons"], 10, 2), lab["force"])
    w("")
    for word5, (user, pct) in zip(("Surge", "Sway ", "Yaw  "), fx["user_damping"]):
        if user:
            w(X(13) + word5 + " damping is ................... " + "  User-specified")
            w(X(13) + word5 + " damping (percent of critical) " + F(pct, 11, 2))
        else:
            w(X(13) + word5 + " damping is ................... " + " Computed")

    def heading(text):
        w("")
        w(X(13) + text)
        w("")

    if fx["lwind"]:
        heading("------ WIND CONDITIONS ------")
        data("Wind spectral type ................. ", pad(WIND_SPECTRA.get(fx["wndtyp"], " Index error"), 30))
        data("Wind spectral density .............. ", E(f32(fx["wndden"]), 10, 3), lab["spectral"])
        data("Wind speed ......................... ", F(fx["wndspd"], 10, 2), lab["speed"])
        data("Wind heading ....................... ", F(fx["wndhdg"], 10, 2), lab["angle"])
        data("Head-on effective drag area ........ ", F(fx["xwndar"], 10, 2) + " square", lab["length"])
        if wind_centroid:
            data("Head-on drag area centroid ......... ", F(fx["xwarm"], 10, 2), lab["length"])
        data("Beam-on effective drag area ........ ", F(fx["ywndar"], 10, 2) + " square", lab["length"])
        if wind_centroid:
            data("Beam-on drag area centroid ......... ", F(fx["ywarm"], 10, 2), lab["length"])
        data("Wind force enhancement factor ...... ", F(f32(fx["wndfac"]), 10, 2))
    if fx["lcurnt"]:
        heading("------ CURRENT CONDITIONS ------")
        data("Current spectral type .............. ", pad(CURRENT_SPECTRA.get(fx["curtyp"] + 1, " Index error"), 30))
        if fx["curtyp"] == 1:
            data("Current spectral density ........... ", E(f32(fx["curden"]), 10, 3), lab["spectral"])
        data("Current speed ...................... ", F(fx["curspd"], 10, 2), lab["speed"])
        data("Current heading .................... ", F(fx["curhdg"], 10, 2), lab["angle"])
        data("Head-on effective drag area ........ ", F(fx["xcurar"], 10, 2) + " square", lab["length"])
        if current_centroid:
            data("Head-on drag area centroid ......... ", F(fx["xcarm"], 10, 2), lab["length"])
        data("Beam-on effective drag area ........ ", F(fx["ycurar"], 10, 2) + " square", lab["length"])
        if current_centroid:
            data("Beam-on drag area centroid ......... ", F(fx["ycarm"], 10, 2), lab["length"])
        data("Current force enhancement factor ... ", F(f32(fx["curfac"]), 10, 2))
    if fx["lrandm"] or fx["lswell"]:
        heading("------ WAVE CONDITIONS ------")
        if fx["lrandm"]:
            data("Wave spectral type ................. ", pad(WAVE_SPECTRA.get(fx["wavtyp"], " Index error"), 30))
            data("Computed significant wave height ... ", F(f32(fx["swhc"]), 10, 2), lab["length"])
            data("Direction of maximum seas .......... ", F(fx["seahdg"], 10, 2), lab["angle"])
            data("Spectrum peak period ............... ", F(fx["tpk"], 10, 2), " seconds")
        if fx["lswell"]:
            data("Computed significant swell height .. ", F(fx["swhswl"], 10, 2), lab["length"])
            data("Swell direction..................... ", F(fx["swlhdg"], 10, 2), lab["angle"])
            data("Swell period ....................... ", F(fx["swelpd"], 10, 2), " seconds")
        data("Head-on wave drift force factor .... ", F(f32(fx["bowfac"]), 10, 2))
        data("Variable wave drift enhancement factor", F(f32(fx["vwdfac"]), 9, 2))

    # ---- section IV ----
    def section_four_heading():
        page()
        w(" ***********           IV.  STATIC EQUILIBRIUM SUMMARY           ***********")
        w("")
        w("")

    energies = [f32(r[4]) for r in roots]
    emax, emin = max(energies), min(energies)

    def equilibrium(num, j):
        stable, sh, vh, force, energy = roots[j]
        force = f32(force)
        i = bsrch(col.hload, force)
        xj = interp(col.hload, col.offset, force, i)
        index = f32(100) if emax == emin else f32(f32(f32(100.0) * f32(f32(energy) - emin)) / f32(emax - emin))
        w(X(1) + I(num, 4) + X(2) + "SALM heading ........................." + "...... " +
          F(f32(f32(sh) * DEG), 10, 2) + " degrees")
        w(X(7) + "SALM restoring force ....................... " + F(force, 10, 2) + lab["force"])
        w(X(7) + "Vessel offset .............................. " + F(f32(xj - col.offset[0]), 10, 2) + lab["length"])
        w(X(7) + "Vessel heading ............................. " + F(f32(f32(vh) * DEG), 10, 2) + " degrees")
        w(X(7) + "Equilibrium stability index ................ " + F(index, 10, 2) + " percent")
        w("")

    section_four_heading()
    w("")
    w(" Stable Equilibria:")
    w("")
    w(" -- (GLOBAL COORDINATE SYSTEM) --")
    w("")
    num = 0
    for j, r in enumerate(roots):
        if r[0] != 0:
            if j == k:
                w(" >>> Most stable equilibrium <<<")
                w("")
            num += 1
            equilibrium(num, j)
    if len(roots) > 4:
        section_four_heading()
    w("")
    w(" Unstable Equilibria:")
    w("")
    num = 0
    for j, r in enumerate(roots):
        if r[0] != 1:
            num += 1
            equilibrium(num, j)
    if fx["auxfrc"]:
        w(X(7) + "External force application point ")
        w(X(7) + "(x,y; in <<VESSEL>> coordinates):       (" + F(fx["xvloc"], 9, 1) + "," + F(fx["yvloc"], 9, 1) +
          ")" + lab["length"][:12])
        w("")
        w("")
        w(" >>> Fixed forces/moment on vessel are in " + ("<<Vessel>>" if fx["crdsys"] == 1 else "<<Global>>") +
          " system")
        w("")
        w(X(7) + "Applied force components (x,y):         (" + F(fx["xvfrc"], 9, 1) + "," + F(fx["yvfrc"], 9, 1) +
          ")" + lab["force"][:12])
        w(X(7) + "Vertical moment at c.g. (force couple):  " + E(f32(fx["vesmom"]), 20, 3) + " " + lab["couple"])
    w("")
    w(" Environmental forces: Most stable equilibrium")
    w("")
    w(" -- (VESSEL COORDINATE SYSTEM) --")
    w("")
    for on, name, key in ((fx["lwind"], " wind ", "wind"), (fx["lrandm"], " wave ", "wave"),
                          (fx["lswell"], " swell", "swell"), (fx["lcurnt"], "current", "current")):
        if on:
            x, y = fx["sx"][key]
            w(X(7) + "Static " + A(name, 7) + " force components (x,y): (" + F(x, 9, 1) + "," + F(y, 9, 1) + ")" +
              lab["force"][:12])

    # ---- preparation of section V ----
    i = bsrch(col.offset, X0)
    E0 = interp(col.offset, col.srgerg, X0, i)
    md = [dict(m) for m in fx["modes"]]
    surge_sig = {key: f32(Fm * f32(np.sqrt(md[0][key]))) for key in
                 ("varTotal", "varWind", "varWave", "varSwell", "varCurrent")}

    def peak(omega):
        N = f32(f32(f32(573.0) * f32(fx["duratn"])) * omega)
        if N < f32(7.4):
            N = f32(7.4)
        return f32(np.sqrt(f32(f32(2.0) * f32(np.log(N)))))

    for m in md:
        m["peak"] = peak(m["omega"])
    NETARM = f32(f32(abs(f32(fx["yawarm"])) + X0) - col.offset[0])
    var_keys = ("varTotal", "varWind", "varCurrent", "varWave", "varSwell", "varWaveDrag", "varSwellDrag")
    for idx, m in enumerate(md):
        for key in var_keys:
            m[key] = f32(np.sqrt(m[key]))
            if idx == 1:
                m[key] = f32(m[key] * NETARM)

    # ---- section V ----
    def nlncr3(erg, e0, q, x, K, FE, sub, switch):
        """The offset or load where the table's energy reaches e0 + K x^2 / 2 + x |FE|."""
        E_ = f32(f32(f32(f32(K * f32(0.5)) * x) * x + e0) + f32(x * abs(FE)))
        if not E_ >= 0:
            E_ = f32(0)
        idx = bsrch(erg, E_)
        if switch:
            out = interp(erg, q, E_, idx)
        else:
            out = f32(q[0] * f32(f32(idx - 1) + f32(f32(E_ - erg[idx - 1]) / f32(erg[idx] - erg[idx - 1]))))
        return f32(out - sub), idx

    page()
    w(" ***********          V.  LOW-FREQUENCY DYNAMICS SUMMARY        ***********")
    w("")
    w("")
    mode_heads = [" Long-period single-amplitude surge motions:",
                  ' Long-period single-amplitude "sway" motions (low sway-yaw mode):',
                  ' Long-period single-amplitude "yaw" motions (high sway-yaw mode):']
    source_on = dict(wind=fx["lwind"], current=fx["lcurnt"], wave=fx["lrandm"], swell=fx["lswell"])
    for mode in (1, 2, 3):
        R = md[mode - 1]
        w("")
        w(mode_heads[mode - 1])
        w("")
        lead = X(7)
        period = A("N.A.", 10) if R["period"] == 0 else F(R["period"], 10, 2) + " sec"
        w(lead + "Period ..................................... " + period)

        def damp(label, ratio):
            w(lead + label + F(f32(f32(50.0) * ratio), 10, 2) + " percent")

        if not fx["user_damping"][mode - 1][0]:
            damp("Still water damping ........................ ", R["still"])
            for on, name, key in ((source_on["wind"], "wind ........................ ", "wind"),
                                  (source_on["current"], "current ..................... ", "current"),
                                  (source_on["wave"], "wave reflection ............. ", "wave"),
                                  (source_on["wave"] and not fx["legdrg"], "wave drag ................... ", "waveDrag"),
                                  (source_on["swell"], "swell reflection ............ ", "swell"),
                                  (source_on["swell"] and not fx["legdrg"], "swell drag .................. ", "swellDrag"),
                                  ((source_on["wave"] or source_on["swell"]) and fx["creatr"] != 11,
                                   "wave-frequency line motions . ", "line")):
                if on:
                    damp("Damping due to " + name, R[key])
            damp("Total damping from linear sources .......... ", R["total"])
            if fx["creatr"] != 11:
                damp("Linearized square-law line damping ......... ", R["squareLawLine"])
            damp("Linearized square-law hydrodynamic damping . ", f32(R["squareLaw"] - R["squareLawLine"]))
            damp("Total linearized square-law damping ........ ", R["squareLaw"])
        damp("Net equivalent linear damping .............. ", R["net"])

        yaw = mode == 3
        unit = lab["angle"] if yaw else lab["length"]
        conv = f32(57.29578) if yaw else f32(1.0)
        corrected = mode == 1 or fx["lspm"] == 0

        def motion(a):
            if corrected:
                return nlncr3(col.srgerg, E0, col.offset, a, col.sprngx, FEQ, X0, fx["lspm"])[0]
            return a

        w("")
        for on, printed, name, key in (
                (fx["lwind"] and fx["wndtyp"] != 3, True, "wind ..............", "varWind"),
                (fx["lcurnt"] and fx["curtyp"] != 0, True, "current ...........", "varCurrent"),
                (fx["lrandm"], True, "wave reflection ...", "varWave"),
                (fx["lrandm"], not fx["legdrg"], "wave drag .........", "varWaveDrag"),
                (fx["lswell"], True, "swell reflection ..", "varSwell"),
                (fx["lswell"], not fx["legdrg"], "swell drag ........", "varSwellDrag")):
            if on and printed:
                x = motion(f32(Fm * R[key]))
                w(lead + word + " sigma motion due to " + name[:18] + ".. " + F(f32(conv * x), 10, 2) + unit)
        x = motion(f32(Fm * R["varTotal"]))
        w(lead + "Total " + word + " sigma motion ..................... " + F(f32(conv * x), 10, 2) + unit)
        x = motion(f32(R["peak"] * R["varTotal"]))
        storm = lead + "Extreme motion in " + F(fx["duratn"], 4, 1) + " hr. storm ........... "
        w("")
        w(storm + F(f32(conv * x), 10, 2) + unit)
        if mode == 2 and fx["lspm"]:
            w(storm + F(f32(f32(f32(57.29578) * x) / NETARM), 10, 2) + lab["angle"])

    # ---- member statistics ----
    EQANG = col.angles_at(FEQ)
    xs, zs = [f32(0)], [f32(fx["ancht"])]
    for m in range(n):
        xs.append(f32(xs[-1] + f32(col.L[m] * np.sin(EQANG[m]))))
        zs.append(f32(zs[-1] + f32(col.L[m] * np.cos(EQANG[m]))))
    ZLDEQ = col.joint_loads(FEQ, EQANG)
    STMOM = []
    for m in range(1, n + 1):
        STMOM += col.internal_loads(FEQ, EQANG[m - 1], FLTRL0, ZLDEQ[m - 1], m)
    points_of = {}
    p = 0
    for e in col.elements:
        if e[5]:
            points_of.setdefault(e[6], []).append(p)
            p += 1

    lo, hi = md[1], md[2]
    hi_cases = [f32(Fm * hi["varTotal"]), f32(Fm * hi["varWind"]), f32(Fm * hi["varWave"]), f32(Fm * hi["varSwell"]),
                f32(Fm * hi["varCurrent"]), f32(hi["peak"] * hi["varTotal"])]
    lo_cases = [f32(Fm * lo["varTotal"]), f32(Fm * lo["varWind"]), f32(Fm * lo["varWave"]), f32(Fm * lo["varSwell"]),
                f32(Fm * lo["varCurrent"]), f32(lo["peak"] * lo["varTotal"])]
    SIGYHI = hi_cases
    SIGYLO = [f32(v / NETARM) for v in lo_cases]
    SIGMTN = [surge_sig["varTotal"], surge_sig["varWind"], surge_sig["varWave"], surge_sig["varSwell"],
              surge_sig["varCurrent"], f32(md[0]["peak"] * md[0]["varTotal"])]
    yawarm = f32(abs(f32(fx["yawarm"])))

    case_labels = ["---- NET LOW-FREQUENCY VARIATION ABOUT MEAN", "---- LOW-FREQUENCY WIND CONTRIBUTION",
                   "---- LOW-FREQUENCY WAVE CONTRIBUTION", "---- LOW-FREQUENCY SWELL CONTRIBUTION",
                   "---- LOW-FREQUENCY CURRENT CONTRIBUTION", "---- STORM PEAK LOW-FREQUENCY VARIATION ABOUT MEAN"]
    applies = [True, fx["lwind"] and fx["wndtyp"] != 3, fx["lrandm"], fx["lswell"],
               fx["lcurnt"] and fx["curtyp"] != 0, True]
    cases = {}
    results = {}
    tables = {}
    for kc in range(6):
        yaw_surge = f32(f32(yawarm * SIGYHI[kc]) * sinY)
        SIGMTN[kc] = f32(np.sqrt(f32(f32(SIGMTN[kc] * SIGMTN[kc]) + f32(yaw_surge * yaw_surge))))
        if not applies[kc]:
            continue
        dH, idx = nlncr3(col.srgerg, E0, col.hload, SIGMTN[kc], col.sprngx, FEQ, FEQ, fx["lspm"])
        HD = f32(FEQ + dH)
        PHI = col.angles_at(HD)
        ZD = col.joint_loads(HD, PHI)
        FL = f32(-HD * sinY)
        dFL = f32(FL - FLTRL0)
        DD = f32(f32(FL * col.L[-1]) / f32(fx["pndarm"])) if fx["pndarm"] != 0 else f32(0)
        th, ph = EQANG[-1], PHI[-1]
        st, ct, sp, cp = f32(np.sin(th)), f32(np.cos(th)), f32(np.sin(ph)), f32(np.cos(ph))
        Z, Zd = ZLDEQ[n], ZD[n]
        AR = f32(f32(f32(0.5) * f32(f32(f32(FEQ * cosY) * st) + f32(Z * ct))) - DELTA0)
        AL = f32(AR + f32(f32(2.0) * DELTA0))
        ARd = f32(f32(f32(0.5) * f32(f32(f32(HD * cosY) * sp) + f32(Zd * cp))) - DD)
        ALd = f32(ARd + f32(f32(2.0) * DD))
        SV = f32(f32(0.5) * f32(f32(f32(FEQ * cosY) * ct) - f32(Z * st)))
        SVd = f32(f32(0.5) * f32(f32(f32(HD * cosY) * cp) - f32(Zd * sp)))
        legA = max(abs(f32(ARd - AR)), abs(f32(ALd - AL)))
        legS = abs(f32(SVd - SV))
        legL = abs(f32(f32(f32(0.5) * FL) - f32(f32(0.5) * FLTRL0)))

        def hz(s_, c_, a_, v_):
            return f32(f32(s_ * a_) + f32(c_ * v_))

        def vt(s_, c_, a_, v_):
            return f32(f32(s_ * v_) - f32(c_ * a_))

        CH = max(abs(f32(hz(sp, cp, ARd, SVd) - hz(st, ct, AR, SV))), abs(f32(hz(sp, cp, ALd, SVd) - hz(st, ct, AL, SV))))
        CV = max(abs(f32(vt(sp, cp, ARd, SVd) - vt(st, ct, AR, SV))), abs(f32(vt(sp, cp, ALd, SVd) - vt(st, ct, AL, SV))))

        rows = {}
        ends = {}
        moments = {}
        xd, zd = f32(0), f32(fx["ancht"])
        for m in range(1, n + 1):
            top = m == n
            theta, phi = EQANG[m - 1], PHI[m - 1]
            phivar = abs(f32(phi - theta))
            a = SIGYHI[kc] if top else f32(math.atan2(float(f32(f32(yawarm * SIGYHI[kc]) * cosY)), float(xs[n - 1])))
            thtvar = f32(f32(np.sqrt(f32(f32(SIGYLO[kc] * SIGYLO[kc]) + f32(a * a)))) * f32(np.sin(theta)))
            disp = col.internal_loads(HD, phi, FL, ZD[m - 1], m)
            for r, pnum in enumerate(points_of.get(m, [])):
                moments[pnum] = [abs(disp[r][c] - STMOM[pnum][c]) for c in range(5)]
            s_, c_ = f32(np.sin(phi)), f32(np.cos(phi))
            s0, c0 = f32(np.sin(theta)), f32(np.cos(theta))
            shr, axl, ltr = [f32(0)] * 3, [f32(0)] * 3, [f32(0)] * 3
            for end in (0, 1):
                j = m - 1 + end
                shr[end] = abs(f32(f32(f32(HD * c_) - f32(ZD[j] * s_)) - f32(f32(FEQ * c0) - f32(ZLDEQ[j] * s0))))
                axl[end] = abs(f32(f32(f32(HD * s_) + f32(ZD[j] * c_)) - f32(f32(FEQ * s0) + f32(ZLDEQ[j] * c0))))
            if top and fx["iarco"] == 0:
                axl[1] = axl[2] = legA
                shr[1] = shr[2] = legS
                ltr[0] = abs(dFL)
                ltr[1] = ltr[2] = legL
            xd = f32(xd + f32(col.L[m - 1] * s_))
            zd = f32(zd + f32(col.L[m - 1] * c_))
            xsig = f32(xd - xs[m])
            zsig = abs(f32(zd - zs[m]))
            sway_part = f32(SIGYLO[kc] * xs[m])
            yaw_part = f32(SIGYHI[kc] * f32(f32(yawarm + xs[n - 1]) - xs[m]))
            ysig = f32(np.sqrt(f32(f32(sway_part * sway_part) + f32(yaw_part * yaw_part))))
            rows[m] = (xsig, zsig, ysig, phivar, thtvar)
            for end in range(3 if top else 2):
                ends[2 * m - 1 + end] = (shr[end], axl[end], ltr[end])
        cases[kc] = dict(rows=rows, ends=ends, moments=moments)
        if kc in (0, 5):
            # the tables of OUTPUT (net) and PEKCOM (storm peak): load point 1 the top load and the
            # vertical load at joint 1, 2m and 2m + 1 the member's ends, then the yoke's legs and hinges
            shear, axial, lateral = [0.0] * 14, [0.0] * 14, [0.0] * 14
            shear[0], axial[0] = f32(HD - FEQ), f32(ZD[0] - ZLDEQ[0])
            for m in range(1, n + 1):
                for end in (0, 1):
                    shear[2 * m - 1 + end], axial[2 * m - 1 + end], lateral[2 * m - 1 + end] = ends[2 * m - 1 + end]
            if fx["iarco"] == 0:
                q = 2 * n + 1
                for i, (sv, av) in enumerate(((legS, legA), (legS, legA), (CV, CH), (CV, CH))):
                    shear[q - 1 + i], axial[q - 1 + i], lateral[q - 1 + i] = sv, av, legL
            tables[kc] = dict(shear=shear, axial=axial, lateral=lateral,
                              angles=[rows[m][3] for m in range(1, n + 1)],
                              lateral_angles=[rows[m][4] for m in range(1, n + 1)],
                              positions=[v for m in range(1, n + 1) for v in rows[m][:3]],
                              moments=[moments[p] for p in sorted(moments)])
        results[kc] = dict(HD=HD, ZD1=f32(ZD[0] - ZLDEQ[0]), CH=CH, CV=CV, legS=legS, legA=legA, legL=legL)

    # ---- section VI ----
    WORD = word.upper()

    def six_page(table):
        page()
        w(" ******   VI.  SINGLE MEMBER LOW-FREQUENCY STATISTICAL SUMMARY: " + table + "  ******")
        w("")
        w("")
        salm = math.fmod(float(f32(f32(roots[k][1]) * DEG)), 360.0)
        vessel = math.fmod(float(f32(f32(roots[k][2]) * DEG)), 360.0)
        w(X(27) + "WAVE HEADING   = " + F(fx["seahdg"], 6, 1) + " DEG")
        w(X(27) + "SALM HEADING   = " + F(salm, 6, 1) + " DEG")
        w(X(27) + "VESSEL HEADING = " + F(vessel, 6, 1) + " DEG ")
        w("")

    def block(text, indent):
        w("")
        w(X(indent) + text)
        w("")
        w("")

    def five(values):
        return "".join(F(v, 9, 2) + X(3) for v in values)

    def each_case(fn):
        for kc in range(6):
            if not applies[kc]:
                continue
            w("")
            w(" " + pad(case_labels[kc], 51))
            w("")
            fn(kc)

    L2 = lab["L6"]
    six_page("MOTIONS")
    block("-------   MEMBER STATIC ORIENTATION   ------", 21)
    w(X(16) + "++++ MEMBER TOP POSITION ++++" + X(5) + "+++ MEMBER ANGLES +++")
    w("")
    col1 = "    MEMBER      RADIAL     VERTICAL    LATERAL     IN-PLANE    LATERAL"
    col2 = "      #          (" + L2 + ")        (" + L2 + ")       (" + L2 + ")         (DEG)      (DEG)"
    w(col1)
    w(col2)
    w("")
    radial = 0.0
    for m in range(1, n + 1):
        top = m == n
        phi = float(EQANG[m - 1])
        radial += float(col.L[m - 1]) * math.sin(phi) * (float(cosY) if top else 1.0)
        lateral = float(col.L[m - 1]) * float(sinY) * math.sin(phi) if top else 0.0
        inplane = 90.0 if math.cos(phi) == 0 else math.degrees(math.atan2(math.sin(phi), math.cos(phi)))
        outp = math.degrees(float(Y) % (2 * math.pi)) if top else 0.0
        w(X(6) + I(m, 1) + X(6) + five((radial, float(zs[m]), lateral, inplane, outp)))
    block("---------  " + WORD + " SIGMA DEVIATIONS FROM MEAN " + " --------", 18)
    w(col1)
    w(col2)
    each_case(lambda kc: [w(X(6) + I(m, 1) + X(6) + five(
        (r[0], r[1], r[2], float(r[3]) * float(DEG6), float(r[4]) * float(DEG6))))
        for m, r in sorted(cases[kc]["rows"].items())])

    six_page("LOADS  ")
    block("--------   STATIC EQUILIBRIUM LOADS   --------", 21)
    loads_heads = ["           ++++++++   BOTTOM   ++++++++" + "        ++++++++    TOP    +++++++++",
                   " MEMBER   SHEAR       AXIAL      LATERAL" + "      SHEAR       AXIAL      LATERAL",
                   "   #     (" + ")     (".join([lab["F6"]] * 6) + ")"]
    for h in loads_heads:
        w(h)

    def lrow(m, mark, values):
        w(X(3) + I(m, 1) + mark + X(1) + five(values))

    for m in range(1, n + 1):
        th = float(EQANG[m - 1])
        s0, c0 = math.sin(th), math.cos(th)
        bs = float(FEQ) * c0 - float(ZLDEQ[m - 1]) * s0
        ba = float(FEQ) * s0 + float(ZLDEQ[m - 1]) * c0
        ts = float(FEQ) * c0 - float(ZLDEQ[m]) * s0
        ta = float(FEQ) * s0 + float(ZLDEQ[m]) * c0
        if m < n:
            lrow(m, " ", (bs, ba, 0.0, ts, ta, 0.0))
        else:
            lat = 0.5 * float(FLTRL0)
            lrow(m, "R", (0.5 * bs, 0.5 * ba, lat, 0.5 * ts, 0.5 * ta - float(DELTA0), lat))
            lrow(m, "L", (0.5 * bs, 0.5 * ba, lat, 0.5 * ts, 0.5 * ta + float(DELTA0), lat))
    block("---------  " + WORD + " SIGMA DEVIATIONS FROM MEAN " + " --------", 18)
    for h in loads_heads:
        w(h)

    def load_rows(kc):
        en = cases[kc]["ends"]
        for m in range(1, n):
            lrow(m, " ", en[2 * m - 1] + en[2 * m])
        b = en[2 * n - 1]
        half = tuple(0.5 * float(v) for v in b)
        lrow(n, "R", half + en[2 * n])
        lrow(n, "L", half + en[2 * n + 1])

    each_case(load_rows)

    nmomt = sum(len(v) for v in points_of.values())
    if nmomt > 0:
        mom_heads = ["         --- IN-PLANE LOADS ---    LATERAL" + "      IN-PLANE       LATERAL",
                     "  ELEMENT   SHEAR       AXIAL       SHEAR        MOMENT" + "        MOMENT",
                     "    #      (" + lab["F6"] + ")     (" + lab["F6"] + ")     (" + lab["F6"] + ")      (" + lab["M6"] +
                     ")     (" + lab["M6"] + ")"]
        element_of = {}
        p = 0
        for o, e in enumerate(col.elements, start=1):
            if e[5]:
                element_of[p] = o
                p += 1

        # v holds (shear, axial, lateral shear, moment of the lateral shear, in-plane moment); the
        # columns follow the loads' planes: the in-plane moment first, the lateral one after it.
        def mrow(o, v):
            w(X(3) + I(o, 2) + X(1) + F(v[0], 12, 2) + F(v[1], 12, 2) + F(v[2], 12, 2) + X(3) + E(v[4], 12, 3) +
              X(2) + E(v[3], 12, 3) + X(2))

        for m in range(1, n + 1):
            pts = points_of.get(m, [])
            if not pts:
                continue
            six_page("MOMENTS")
            block("-----  STATIC EQUILIBRIUM MOMENTS/LOADS FOR MEMBER # " + I(m, 1) + "  -----", 9)
            for h in mom_heads:
                w(h)
            for pnum in pts:
                mrow(element_of[pnum], STMOM[pnum])
            block("------  " + WORD + " SIGMA DEVIATIONS FROM MEAN " + "FOR MEMBER # " + I(m, 1) + "  ------", 9)
            for h in mom_heads:
                w(h)
            each_case(lambda kc: [mrow(element_of[pnum], cases[kc]["moments"][pnum]) for pnum in pts])

    return lines, dict(col=col, FEQ=FEQ, X0=X0, E0=E0, NETARM=NETARM, cases=cases, results=results, md=md,
                       STMOM=STMOM, EQANG=EQANG, xs=xs, zs=zs, ZLDEQ=ZLDEQ, SIGMTN=SIGMTN, SIGYHI=SIGYHI,
                       SIGYLO=SIGYLO, Y=Y, tables=tables)


def main():
    for fx in (fixture_full(), fixture_single()):
        lines, v = build(fx)
        path = os.path.join(EXPECTED, "LOWOUT_%s.stxt" % fx["name"])
        with open(path, "w") as out:
            out.write("\n".join(lines) + "\n")
        print(fx["name"], "FEQ", v["FEQ"], "X0", v["X0"], "E0", v["E0"], "NETARM", v["NETARM"], "Y", v["Y"])
        print("  table angles", [[float(p) for p in row] for row in Column(fx).phiang])
        print("  mean angles", [float(p) for p in v["EQANG"]])
        print("  peak factors", [m["peak"] for m in v["md"]])
        print("  SIGMTN", v["SIGMTN"])
        print("  joints x", v["xs"], "z", v["zs"])
        for kc in (0, 5):
            if kc in v["results"]:
                print("  case", kc + 1, v["results"][kc])
            t = v["tables"][kc]
            for key in ("shear", "axial", "lateral", "angles", "lateral_angles", "positions"):
                print("   ", key, ", ".join("%.7gf" % float(x) for x in t[key]))
            for row in t["moments"]:
                print("    moment", ", ".join("%.7gf" % float(x) for x in row))
        print("  STMOM")
        for row in v["STMOM"]:
            print("   ", ", ".join("%.7gf" % float(x) for x in row))
        print("  mode amplitudes", [[float(m[k]) for k in ("varTotal", "varWind", "varWave")] for m in v["md"]])


if __name__ == "__main__":
    main()

"""Independent reference values of the disc hull tests, computed in double precision with numpy and
scipy (Bessel functions scipy.special.jv, wave numbers by brentq on the dispersion relation):
    /usr/bin/python3 tests/hull/disc/reference_values.py
Each section prints the values its test cites."""
import numpy as np
from scipy.integrate import quad
from scipy.optimize import brentq
from scipy.special import jv

f32 = np.float32


def fits():
    """The eight fits with the product c x rounded to a 4-byte float before the exponential."""
    def e(c, x):
        return np.exp(-float(f32(f32(c) * f32(x))))
    for x in (0.0, 0.3, 0.7, 1.5, 2.5, 6.0, 40.0):
        xs = float(f32(x))
        print("x %g: SDMPD %.9g PMASD %.9g PDMPD %.9g HMASD %.9g HDMPD %.9g" % (
            x, 0.181*xs*xs*e(0.8, xs), (0.641*xs*xs + 0.089)*e(1.825, xs) + 0.11, 0.151*xs*xs*e(0.952, xs),
            1 + 1.7*e(1.224, xs), 4.92*xs/(1 + xs)**float(f32(2.429))))


# ---- The disc of the force tests ----
# A flat cylinder of radius 20 ft and draft 6 ft in 200 ft of sea water (64 lb/ft^3): waterplane
# pi 20^2, displacement 482.5486 kips, KB 3 ft, KG 4 ft, KML 19.6667 ft, gyradii 8, 8 and 12 ft,
# bilge radius 1 ft, no keel. Its characteristics by the disc characteristics' formulas (step 1 and
# the frequency iteration without mooring) in double precision; the fixture holds them as literals.
G, DWATR, DEPTH = 32.152, 64.0, 200.0
TAWP, TDISPL, VKB, VKG, VKML, TDRAFT = 1256.6371, 482.5486, 3.0, 4.0, 19.6667, 6.0
TPGYR = TRGYR = 8.0
YGYR = 12.0
TBILGR = 1.0
RHO = 0.001 * DWATR / G
PERIODS = [2.0 + 0.5*i for i in range(39)]


def wavenumber(w, depth=DEPTH):
    return brentq(lambda k: G*k*np.tanh(k*depth) - w*w, 1e-12, 10*w*w/G + 10, xtol=1e-16, rtol=1e-15)


def gridpt(w):
    """The grid point whose period is nearest 2 pi / w (the grid is uniform in period)."""
    T = 2*np.pi/w
    return int(np.argmin([abs(p - T) for p in PERIODS])) + 1


def added_mass_coefficient(dlrat):
    A, B = 1/dlrat**2, 1.0
    C = quad(lambda l: 1/((1 + l)**1.5*np.sqrt((1 + A*l)*(1 + B*l))), 0, np.inf, epsabs=1e-13, epsrel=1e-13)[0]
    return C/(2 - C)


def pmasd(x):
    return (0.641*x*x + 0.089)*np.exp(-1.825*x) + 0.11


def pdmpd(x):
    return 0.151*x*x*np.exp(-0.952*x)


def hmasd(x):
    return 1 + 1.7*np.exp(-1.224*x)


def hdmpd(x):
    return 4.92*x/(1 + x)**2.429


def sdmpd(x):
    return 0.181*x*x*np.exp(-0.8*x)


def characteristics():
    c = {}
    c['DELTA'] = TDISPL*1000/DWATR
    R = c['RADIUS'] = np.sqrt(TAWP/3.1415927)
    d = TDRAFT - VKG
    e = (VKB - VKG)*c['DELTA']/TAWP
    c['EDRAFT'] = d + np.sqrt(d*d - 2*e)
    c['SDRAFT'] = c['EDRAFT']/R
    cc = c['CSG'] = added_mass_coefficient(c['SDRAFT'])
    c['VTCRR'] = (VKG + cc*VKB)/(1 + cc)
    c['WPML'] = c['DELTA']*(VKML - VKB)
    h = c['EDRAFT']/2
    f = VKG + c['EDRAFT'] - TDRAFT
    c['WLCRP'] = (cc*h + f)/(1 + cc) - c['EDRAFT']
    c['SWLCRP'] = c['WLCRP']/R
    c['GML'] = c['WPML']/c['DELTA'] - VKG + VKB
    c['TQCNST'] = c['WPML']/(c['GML']*c['DELTA'])
    c['HCONST'], c['PCONST'] = R**3, R**5
    c['HVM1'] = c['DELTA']
    a = c['WLCRP'] + c['EDRAFT'] - h
    c['PTCH1'] = c['DELTA']*(TPGYR**2 + cc*a*a)
    c['ROL1'] = c['DELTA']*(TRGYR**2 + cc*a*a)
    c['HC'] = G*TAWP
    c['PRMT'] = c['GML']*c['DELTA']*G
    WP = WH = 2*np.pi/PERIODS[-1]
    for _ in range(200):
        Ap = pmasd(WP*WP*R/G)*c['PCONST']
        Ah = hmasd(WH*WH*R/G)*c['HCONST']
        c['PTCHI'] = c['PTCH1'] + Ap
        c['ROLI'] = c['ROL1'] + Ap
        c['PMAS1'] = Ap
        c['HVMAS'] = c['HVM1'] + Ah
        WP, WH = np.sqrt(c['PRMT']/c['PTCHI']), np.sqrt(c['HC']/c['HVMAS'])
    c['WP'], c['WH'], c['WR'] = WP, WH, np.sqrt(c['PRMT']/c['ROLI'])
    c['SGMAS'] = (1 + cc)*c['HVM1']
    return c


def print_characteristics(c):
    for k in ('DELTA', 'RADIUS', 'EDRAFT', 'SDRAFT', 'CSG', 'VTCRR', 'WPML', 'WLCRP', 'SWLCRP', 'GML', 'TQCNST',
              'HCONST', 'PCONST', 'HVM1', 'PTCH1', 'ROL1', 'HC', 'PRMT', 'PTCHI', 'ROLI', 'PMAS1', 'HVMAS', 'SGMAS',
              'WP', 'WH', 'WR'):
        print("  %s = %.9g" % (k, c[k]))
    print("  JP %d JH %d JR %d" % (gridpt(c['WP']), gridpt(c['WH']), gridpt(c['WR'])))


# The mooring terms of the calibration tests: surge, sway and yaw at 0.35, 0.35 and 0.5 rad/s, surge
# and sway springs RHO SGMAS 0.35^2, damping 5 kip s/ft; heave, pitch, roll springs 2 kip/ft,
# 150 and 120 kip ft/rad, their damping 1, 40 and 30.
WSG = WSW = 0.35
WY = 0.5
MOOR = dict(SGMDMP=5.0, SWMDMP=5.0, HVK=2.0, PTK=150.0, RLK=120.0, HVMDMP=1.0, PTMDMP=40.0, RLMDMP=30.0)
DURFAC, SLPHT = 1.5, 10.0


def forces(c, w, heading_deg, V=0.0, keel=(1.5, 1.0)):
    """The six dimensionless forces at frequency w for a wave direction [deg] and speed component V."""
    R, T = c['RADIUS'], c['EDRAFT']
    k = wavenumber(w)
    x = k*R
    b = np.radians(heading_deg) if heading_deg != 0 else 1e-10
    sb, cb = np.sin(b), np.cos(b)
    s = abs(x - np.pi/2)
    kd, kT, kK, kE = k*DEPTH, x*c['SDRAFT'], x*(TDRAFT - 2.7)/R, x*(T + 0.287*R)/R
    we = w - V*k
    C = np.cosh(kd)
    P0, PK, PE = np.cosh(kd - kT)/C, np.cosh(kd - kK)/C, np.cosh(kd - kE)/C
    Q1 = (np.tanh(kd) - np.sinh(kd - kT)/C)/x
    Q2 = (np.cosh(kd - kT)/C + kT*np.sinh(kd - kT)/C - 1)/x**2
    cc = added_mass_coefficient(c['SDRAFT'])
    j = jv(1, x)/x
    A = 8*P0*jv(2, x)/x**2
    F0 = 2*P0*j
    S0 = 2*Q1*j/c['SDRAFT']
    M1 = 8*c['TQCNST']*Q2*j
    M2 = c['TQCNST']*A
    M3 = M1 - 4*c['SWLCRP']*S0*c['TQCNST']*c['SDRAFT']
    Ia = pmasd(x)*PE*c['PCONST']
    Bp = pdmpd(x)*c['PCONST']
    D = (Ia/c['PTCHI'])*(we/c['WP'])**2*8*P0*jv(2, s)/s**2
    mom = complex(D*Bp/Ia, -M2 - M3 + D - cc*M3)
    Bh = hdmpd(x)*c['HCONST']
    Ah = hmasd(x)*PE*c['HCONST']
    H1 = 2*j*(Ah/c['HVMAS'])*(we/c['WH'])**2
    S1 = jv(0, x)*cc*Q1/c['SDRAFT']
    hor = complex(3*S1*sdmpd(x)/cc, S0 + S1)
    return dict(x=x, k=k, we=we, Ia=Ia, Mv=c['HVM1'] + Ah, surge=cb*hor, sway=sb*hor,
                heave=complex(F0 - H1, H1*Bh/c['HVMAS']), roll=sb*mom, pitch=-cb*mom)


def force_mode(c):
    for i in (1, 10, 25, 39):
        w = 2*np.pi/PERIODS[i - 1]
        f = forces(c, w, 30.0)
        print("grid point %d (x %.6f), heading 30:" % (i, f['x']))
        for m in ('surge', 'sway', 'heave', 'roll', 'pitch'):
            print("    %s (%.9g, %.9g)" % (m, f[m].real, f[m].imag))
    w = 2*np.pi/PERIODS[9]
    V = 8.0*np.cos(np.radians(30.0 - 10.0))
    f = forces(c, w, 30.0, V)
    print("grid point 10 at 8 ft/s along 10 deg, heading 30: we %.9g" % f['we'])
    for m in ('heave', 'roll', 'pitch'):
        print("    %s (%.9g, %.9g)" % (m, f[m].real, f[m].imag))


def calibration(c):
    """The calibration pass with MORFBK = 1: the six passes, their damping estimates and responses."""
    cc = added_mass_coefficient(c['SDRAFT'])
    R = c['RADIUS']
    bilge = (1 - TBILGR/np.sqrt(R*R + c['VTCRR']**2))**5
    Fr, Fh = 1.5, 1.0
    SGK = RHO*c['SGMAS']*WSG**2
    gs = G/(1 + cc)
    out = {}
    plan = [('roll', gridpt(c['WR']), 90.0, c['WR']), ('pitch', gridpt(c['WP']), 0.0, c['WP']),
            ('heave', gridpt(c['WH']), 0.0, c['WH']), ('surge', gridpt(WSG), 0.0, WSG),
            ('sway', gridpt(WSW), 90.0, WSW)]
    for mode, J, hd, wn in plan:
        wg = 2*np.pi/PERIODS[J - 1]
        f = forces(c, wg, hd)
        F = f[mode]
        kn = wavenumber(wn)
        H = DURFAC*SLPHT
        rslope = kn*H
        if mode in ('roll', 'pitch'):
            TQ = abs(F)
            m = c['PMAS1']/(c['ROLI'] if mode == 'roll' else c['PTCHI'])
            gam = 0.1*m*(0.576 + 0.424*np.sqrt(1 + 4*rslope*TQ*bilge*Fr/(0.01*m)))
        elif mode == 'heave':
            TQ = abs(F)
            r = H*wn*wn/G
            a1 = 2*TQ/(r*Fh)
            b1 = (2/np.pi)*(R/H)*hdmpd(f['x'])/Fh
            gam = TQ/np.sqrt(np.sqrt(0.25*b1*b1 + a1) - 0.5*b1)
        else:
            kg = wavenumber(wg)
            u = wg*H/(wg*wg/(kg*G))
            a = u/WSG
            Bm = MOOR['SGMDMP']
            TQ = np.hypot(SGK*a, Bm*u)
            zh = sdmpd(f['x'])*c['HCONST']/c['SGMAS']
            zm = Bm/(c['SGMAS']*RHO*wn)
            a2 = 0.5*XCURAR*a/c['SGMAS']
            y = (zh + zm)/a2
            z = 0.5*(np.sqrt(y*y + 4*np.sqrt(1 + zm)/a2) - y)
            gam = TQ/(a*RHO*c['SGMAS']*wn*wn*np.sqrt(1 + z*z))
        we = f['we']
        Ip = c['PTCH1'] + f['Ia']
        if mode == 'roll':
            N, wn2, bw = f['k']*c['PRMT']/Ip, (MOOR['RLK']/RHO + c['PRMT'])/Ip, \
                (MOOR['RLMDMP']/(c['WR']*RHO*c['ROLI']) + gam)*c['WR']
        elif mode == 'pitch':
            N, wn2, bw = f['k']*c['PRMT']/Ip, (MOOR['PTK']/RHO + c['PRMT'])/Ip, \
                (MOOR['PTMDMP']/(c['WP']*RHO*c['PTCHI']) + gam)*c['WP']
        elif mode == 'heave':
            N, wn2, bw = c['HC']/f['Mv'], (MOOR['HVK']/RHO + c['HC'])/f['Mv'], \
                (MOOR['HVMDMP']/(RHO*c['WH']*c['HVMAS']) + gam)*c['WH']
        else:
            N, wn2, bw = f['k']*gs, SGK/(RHO*c['SGMAS']), gam*WSG
        resp = N*F/complex(wn2 - we*we, bw*we)
        out[mode] = (gam, resp)
        print("  %s at grid point %d: TQFAC %.9g RSLOPE %.9g damping %.9g response (%.9g, %.9g)" %
              (mode, J, TQ, rslope, gam, resp.real, resp.imag))
    return out


XCURAR = 400.0


def fairlead_stiffness(spans, H, V):
    """K = [[dH/dx, dH/dz], [dV/dx, dV/dz]] at the fairlead (x the span, z the height), the inverse of
    the Jacobian of the spans over (H, V), by complex-step differentiation."""
    h = 1e-20
    dH, dV = spans(H + 1j*h, V), spans(H, V + 1j*h)
    return np.linalg.inv(np.array([[dH[0].imag/h, dV[0].imag/h], [dH[1].imag/h, dV[1].imag/h]]))


def mooring():
    """Single lines at the horizontal tension 100 kip, EA 1e5 kip (1 / a1 with a1 = 1e-5 as a 4-byte
    float), by the textbook elastic catenary (Irvine): the fairlead stiffness K that MoorPy's
    catenary() returns as info['stiffnessB'] (MoorPy itself is not at hand), and the transverse
    stiffness H / d of the line swinging about its anchor, d the horizontal fairlead-anchor distance.
    - the grounded spread line of the line-model tests (tests/mooring/reference_values.py: L 3000 ft,
      w 0.1 kip/ft, resting on the seabed) 300 ft above its anchor;
    - a light line (L 3000 ft, w 0.0005 kip/ft), hanging clear of the seabed 30 ft above its anchor,
      which leaves the fairlead within 1 deg of the horizontal.
    Surge along the line (the fairlead moves towards the anchor) and heave of the fairlead, per unit
    motion: the full static force change has the spring terms dH/dx and dV/dz. When only the motion
    along the line direction e (phi below the horizontal) changes the tension, by the along-line
    stiffness k = grad T . e, and the direction follows the static geometry, the force differs from the
    static one by (k (u . e) - grad T . u) e: surge dH/dx - (dT/dx - k cos phi) cos phi, heave
    dV/dz + (k sin phi - dT/dz) sin phi."""
    import os
    import sys
    sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'mooring'))
    import reference_values as line
    L, EA, w = 3000.0, line.SPREAD_EA, 0.0005

    def suspended(H, V):
        WL = w*L
        x = (H/w)*(np.arcsinh(V/H) - np.arcsinh((V - WL)/H)) + H*L/EA
        z = (H/w)*(np.sqrt(1 + (V/H)**2) - np.sqrt(1 + ((V - WL)/H)**2)) + (V*L - w*L*L/2)/EA
        return x, z
    H = 100.0
    cases = (('spread line 300 ft', line.spread_spans, line.spread_V(H, 300.0)),
             ('light line 30 ft', suspended, brentq(lambda V: suspended(H, V)[1] - 30.0, w*L*1.0000001, 50.0)))
    for name, spans, V in cases:
        K = fairlead_stiffness(spans, H, V)
        d = spans(H, V)[0]
        T = np.hypot(H, V)
        phi = np.arctan(V/H)
        dTdx = (H*K[0, 0] + V*K[1, 0])/T
        dTdz = (H*K[0, 1] + V*K[1, 1])/T
        k = dTdx*np.cos(phi) + dTdz*np.sin(phi)
        print("%s above its anchor at H 100: V %.8f angle %.8f span %.6f" % (name, V, phi, d))
        print("  dH/dx %.8f dH/dz %.8f dV/dx %.8f dV/dz %.8f  H/d %.8f" % (K[0, 0], K[0, 1], K[1, 0], K[1, 1], H/d))
        print("  horizontal direction cosine of the line %.8f, of the tension gradient %.8f" %
              (np.cos(phi), dTdx/np.hypot(dTdx, dTdz)))
        print("  along the line only: surge %.8f heave %.8f" %
              (K[0, 0] - (dTdx - k*np.cos(phi))*np.cos(phi), K[1, 1] + (k*np.sin(phi) - dTdz)*np.sin(phi)))


def keel(q, R=20.0):
    """The keel's added heave mass and pitch/roll inertia of the characteristics for the extent ratio q,
    with the two constants 1.333 and 1.3333 as written."""
    skamhv = R**3*(1.333*(1 + q)**3 - 1.3333 + 4.9348025*q*q)
    skamrl = 4.935*R**5*q*q*(1 + 0.5*q)*(1 + 1.5*q)**2
    print("keel q %g: SKAMHV %.9g SKAMRL %.9g" % (q, skamhv, skamrl))


def moored_disc():
    """The four lines of the moored disc (tests/hull/disc/disc_data_set.h): 1200 ft of chain,
    w 0.05 kip/ft, EA 1e5 kip, resting on the seabed 194 ft below its fairlead at the buoy's rim
    (r 20 ft), horizontal pretension 20 kip, at the azimuths 0, 90, 180, 270 deg. Quasi-static spring
    terms of the mooring by the textbook elastic catenary (Irvine), each line adding its magnitude:
    surge: two lines along the motion (dH/dx) and two across it, swinging about their anchors (H / d);
    heave: four times dV/dz; yaw: each fairlead moved r across its line, r^2 H / d, and the line's
    pull turned with the body, r H."""
    L, W, EA = 1200.0, 0.05, 1/float(np.float32(1e-5))

    def spans(H, V):
        x = L - V/W + (H/W)*np.arcsinh(V/H) + H*L/EA
        z = (H/W)*(np.sqrt(1 + (V/H)**2) - 1) + V*V/(2*EA*W)
        return x, z
    H = 20.0
    V = brentq(lambda V: spans(H, V)[1] - 194.0, 1e-9, W*L*0.999999, xtol=1e-14, rtol=1e-15)
    K = fairlead_stiffness(spans, H, V)
    d = spans(H, V)[0]
    r = 20.0
    print("moored disc: V %.8f span %.6f dH/dx %.8f dV/dz %.8f H/d %.8f" % (V, d, K[0, 0], K[1, 1], H/d))
    print("  surge %.8f heave %.8f yaw %.8f" % (2*K[0, 0] + 2*H/d, 4*K[1, 1], 4*(r*r*H/d + r*H)))


def main():
    fits()
    c = characteristics()
    print("characteristics:")
    print_characteristics(c)
    force_mode(c)
    print("calibration, MORFBK = 1, XCURAR %g:" % XCURAR)
    calibration(c)
    mooring()
    keel(0.0)
    keel(0.5)
    moored_disc()


if __name__ == '__main__':
    main()

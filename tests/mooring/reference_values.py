"""Independent reference values of the mooring tests, computed with numpy and scipy:
    /usr/bin/python3 tests/mooring/reference_values.py
Lines: each element is integrated numerically along its unstretched length (scipy quad),
dx/ds = (1 + e) cos phi, dz/ds = (1 + e) sin phi, tan phi falling by w/H per unit length,
e = a1 T + a2 T^2 + a3 T^3 at T = H sec phi; a weighted element whose slope reaches 0 with the anchor
type 1 lies on the level seabed from there on, stretched at T = H. The fairlead slope is found with
brentq. Splines: scipy.interpolate.CubicSpline. Each section below prints the values its test cites."""
import numpy as np
from scipy.integrate import quad
from scipy.interpolate import CubicSpline
from scipy.optimize import brentq, fsolve


def strain(a, T):
    return a[0]*T + a[1]*T**2 + a[2]*T**3


def element(p_top, H, L, w, a, ground):
    """Spans of one element from its top slope: (dx, dz, bottom slope, grounded stretched length)."""
    q = w / H

    def f(sig, comp):
        p = p_top - q*sig
        s = np.sqrt(1 + p*p)
        st = 1 + strain(a, H*s)
        return st/s if comp == 0 else st*p/s
    opts = dict(epsabs=1e-11, epsrel=1e-13, limit=200)
    if ground and q > 0 and p_top >= 0 and p_top - q*L <= 0:
        ls = p_top / q
        g = (L - ls) * (1 + strain(a, H))
        return quad(f, 0, ls, args=(0,), **opts)[0] + g, quad(f, 0, ls, args=(1,), **opts)[0], 0.0, g
    return quad(f, 0, L, args=(0,), **opts)[0], quad(f, 0, L, args=(1,), **opts)[0], p_top - q*L, 0.0


def hang(p1, H, elems, anchor_type=1):
    """elems: (L, w, (a1, a2, a3)) from the fairlead. Span, height, grounded length, node slopes and
    node depths below the fairlead."""
    x = z = bot = 0.0
    p = p1
    slopes, depths = [p1], [0.0]
    ws = [e[1] for e in elems]
    for k, (L, w, a) in enumerate(elems):
        ground = anchor_type == 1 and all(v >= 0 for v in ws[k+1:])
        dx, dz, p, g = element(p, H, L, w, a, ground)
        x += dx; z += dz; bot += g
        slopes.append(p); depths.append(z)
    return x, z, bot, slopes, depths


def solve(H, elems, height, anchor_type=1, lo=-5, hi=20, target=None):
    target = target or (lambda p1: height)
    return brentq(lambda p1: hang(p1, H, elems, anchor_type)[1] - target(p1), lo, hi, xtol=1e-14, rtol=1e-15)


def irvine_inverse(XF, ZF, L, EA, W):
    """Textbook elastic catenary with seabed contact (no friction): H and V at the fairlead for the
    fairlead offsets XF, ZF, the inverse problem that MoorPy's catenary() solves."""
    def eqs(u):
        H, V = u
        if V < W*L:
            x = L - V/W + (H/W)*np.arcsinh(V/H) + H*L/EA
            z = (H/W)*(np.sqrt(1 + (V/H)**2) - 1) + V*V/(2*EA*W)
        else:
            x = (H/W)*(np.arcsinh(V/H) - np.arcsinh((V - W*L)/H)) + H*L/EA
            z = (H/W)*(np.sqrt(1 + (V/H)**2) - np.sqrt(1 + ((V - W*L)/H)**2)) + (V*L - W*L*L/2)/EA
        return [x - XF, z - ZF]
    return fsolve(eqs, [80, 40], xtol=1e-12)


def main():
    for L in (3000.0, 400.0):
        one = [(L, 0.1, (1e-5, 0, 0))]
        p1 = solve(100.0, one, 300.0, lo=0.01, hi=10)
        x, z, bot, sl, d = hang(p1, 100.0, one)
        print("one element L %g: slope %.16g grounded %.16g span %.16g" % (L, p1, bot, x))
        rounded = round(x, 5)
        print("  Irvine H at the span %.5f: %.8g" % (rounded, irvine_inverse(rounded, 300.0, L, 1e5, 0.1)[0]))

    three = [(100.0, 0.1, (1e-5, 0, 0)), (800.0, 0.02, (4e-5, -5e-8, 1e-10)), (1500.0, 0.1, (1e-5, 0, 0))]
    for H in (50.0, 150.0, 300.0):
        p1 = solve(H, three, 500.0, lo=0.01, hi=50)
        x, z, bot, sl, d = hang(p1, H, three)
        print("three elements H %g: slope %.12g span %.10g grounded %.10g node slopes" % (H, p1, x, bot), sl)
    p1 = solve(150.0, three, 500.0, anchor_type=0, lo=0.01, hi=50)
    x, z, bot, sl, d = hang(p1, 150.0, three, 0)
    print("anchor type 0: slope %.12g span %.10g node slopes" % (p1, x), sl)

    one = [(3000.0, 0.1, (1e-5, 0, 0))]
    p1 = solve(100.0, one, 300.0, lo=0.01, hi=10, target=lambda p: 300 - 1000*4*(100*p - 80)/(500*64))
    print("pull-down: slope %.12g grounded %.10g" % (p1, hang(p1, 100.0, one)[2]))

    H = 60.0

    def buoyed(w, height):
        elems = [(50.0, 0.05, (1e-5, 0, 0)), (100.0, w, (1e-5, 0, 0)), (1500.0, 0.1, (1e-5, 0, 0))]
        p1 = solve(H, elems, height, lo=-3, hi=5)
        x, z, bot, sl, d = hang(p1, H, elems)
        return p1, d[1] + (d[2] - d[1])/2, bot     # midpoint depth of element 2 below the fairlead
    print("buoyed -0.8 at 200: as given", buoyed(-0.8, 200.0))
    w = brentq(lambda w: buoyed(w, 200.0)[1], -0.8, 0.1, xtol=1e-14)
    print("  weighed down: w %.12g q %.12g slope %.12g" % (w, w/H, buoyed(w, 200.0)[0]))
    print("buoyed -0.5 at 250:", buoyed(-0.5, 250.0))
    print("buoyed -1.0 at 150:", buoyed(-1.0, 150.0), "at -0.6:", buoyed(-0.6, 150.0))

    X = [0, 1, 2.5, 3, 4.5, 6.0]
    Y = [float(np.float32(v)) for v in (0, 0.8, 0.9, 0.1, -0.8, -1.0)]
    X = [float(np.float32(v)) for v in X]
    for bc in ('natural', ((1, 0.5), (1, -0.2))):
        cs = CubicSpline(X, Y, bc_type=bc)
        print("spline", bc, "y2", cs(X, 2), "values", cs([0.5, 2.7, 5.9, 7.0]), "slopes", cs([0.5, 2.7, 5.9], 1))
    x1 = [0, 1, 2, 3.5]
    x2 = [0, 0.5, 1.5, 2, 3]
    YA = np.array([[np.float32(np.sin(a)*np.cos(0.5*b) + a*b/10) for b in x2] for a in x1], dtype=float)
    print("splie2 row x1 = 1:", CubicSpline(x2, YA[1], bc_type='natural')(x2, 2))
    for X1, X2 in ((1.3, 0.7), (2.9, 2.6), (0.2, 1.9)):
        v = [CubicSpline(x2, YA[j], bc_type='natural')(X2) for j in range(4)]
        print("splin2 at", X1, X2, "%.10g" % CubicSpline(x1, v, bc_type='natural')(X1))

    # The strain-law refit of a heavy line (w = 1 kip/ft, 1000 ft height, H = 100 kip) whose curve
    # steps by 0.1 around 1125 kip: the fairlead tension from pass to pass. One element, grounded:
    # the height condition is the integral of (1 + e(H s)) ds from 1 to the fairlead secant = 10.
    T = np.array([200.0*i for i in range(5)] + [800.0 + 40*(i - 4) for i in range(5, 30)])
    cs = CubicSpline(T, 1e-6*T + 0.05*(1 + np.tanh((T - 1125)/50)), bc_type='natural')

    def fairlead_tension(a):
        P = lambda s: s + a[0]*100*s*s/2 + a[1]*1e4*s**3/3 + a[2]*1e6*s**4/4
        return 100*brentq(lambda s: P(s) - P(1) - 10, 1.0001, 200)

    def fit(Tf):
        s, a1, b = cs(Tf), cs(0, 1), cs(Tf, 1)
        a2 = (3*s - Tf*(2*a1 + b))/Tf**2
        return a1, a2, (s - Tf*(Tf*a2 + a1))/Tf**3
    Tf = fairlead_tension((0, 0, 0))
    passes = [Tf]
    for _ in range(12):
        Tf = fairlead_tension(fit(Tf))
        passes.append(Tf)
    print("refit passes:", np.round(passes, 1))


def taut_subline():
    """The taut-wire subline: two sublines hanging vertically across 1000 ft with 200 kip at the
    fairlead; each stretched length integrated along the subline (dz/ds = 1 + e(T(s)),
    T(s) = T_bottom + w s), the length of subline 1 found by brentq."""
    subs = [(None, 0.02, (2e-4, -1e-7, 1e-11)), (300.0, 0.1, (1e-5, 0, 0))]

    def stretched(L, w, a, Tb):
        return quad(lambda s: 1 + strain(a, Tb + w*s), 0, L, epsabs=1e-12, epsrel=1e-14)[0]

    def f(X):
        Ls = [X] + [sub[0] for sub in subs[1:]]
        T = 200.0 - sum(L*sub[1] for L, sub in zip(Ls, subs))
        total = 0.0
        for L, sub in reversed(list(zip(Ls, subs))):
            total += stretched(L, sub[1], sub[2], T)
            T += sub[1]*L
        return 1000.0 - total
    print("taut subline 1: %.12f ft" % brentq(f, 1.0, 800.0, xtol=1e-13, rtol=1e-15))


# The spread line of the line-driver, line-table and mooring-force tests: L = 3000 ft, w = 0.1 kip/ft,
# EA = 1 / a1 with a1 = 1e-5 held as a 4-byte float, resting on the seabed, 300 ft below its fairlead.
SPREAD_L, SPREAD_W, SPREAD_EA = 3000.0, 0.1, 1/float(np.float32(1e-5))


def spread_spans(H, V):
    """Span and height of the spread line with fairlead tensions H, V: the textbook elastic
    catenary with seabed contact and no friction (Irvine), the grounded branch V < w L."""
    L, W, EA = SPREAD_L, SPREAD_W, SPREAD_EA
    x = L - V/W + (H/W)*np.arcsinh(V/H) + H*L/EA
    z = (H/W)*(np.sqrt(1 + (V/H)**2) - 1) + V*V/(2*EA*W)
    return x, z


def spread_V(H, height=300.0):
    return brentq(lambda V: spread_spans(H, V)[1] - height, 1e-9, SPREAD_W*SPREAD_L*0.999999,
                  xtol=1e-14, rtol=1e-15)


def spread_H(span, height=300.0):
    """The inverse problem (MoorPy's catenary()): H and V at given fairlead offsets."""
    H = brentq(lambda H: spread_spans(H, spread_V(H, height))[0] - span, 0.5, 1000.0, xtol=1e-12, rtol=1e-15)
    return H, spread_V(H, height)


def fairlead():
    """The line driver's line at 100 kip and the fairlead stiffness K = [[dH/dx, dH/dz], [dV/dx, dV/dz]],
    the inverse of the Jacobian of the closed-form spans over (H, V) by complex-step differentiation;
    the line tables at table tensions HLOD(i) = 2 * 200^((i - 1)/89) kip (as 4-byte floats)."""
    H = 100.0
    V = spread_V(H)

    def jacobian(H, V):
        h = 1e-20
        dH, dV = spread_spans(H + 1j*h, V), spread_spans(H, V + 1j*h)
        return np.array([[dH[0].imag/h, dV[0].imag/h], [dH[1].imag/h, dV[1].imag/h]])
    K = np.linalg.inv(jacobian(H, V))
    T = np.hypot(H, V)
    L, W, EA = SPREAD_L, SPREAD_W, SPREAD_EA
    print("fairlead at 100 kip: V %.10f T %.10f slope %.12f span %.8f grounded %.8f" %
          (V, T, V/H, spread_spans(H, V)[0], (L - V/W)*(1 + H/EA)))
    print("  dT/dx %.8f dT/dz %.8f -dV/dH at the height %.8f" %
          ((H*K[0, 0] + V*K[1, 0])/T, (H*K[0, 1] + V*K[1, 1])/T, -K[1, 0]/K[0, 0]))
    for span in (2900.0, 2950.0):
        H, V = spread_H(span)
        print("  at the separation %g: H %.8f V %.8f T %.8f top angle %.10f grounded %.6f" %
              (span, H, V, np.hypot(H, V), np.arctan(V/H), (L - V/W)*(1 + H/EA)))
    hlod = [float(np.float32(2*200**((i - 1)/89))) for i in range(1, 91)]
    for i, height in ((1, 300.0), (45, 300.0), (90, 300.0), (45, 320.0), (45, 280.0)):
        H = hlod[i - 1]
        V = spread_V(H, height)
        print("table point %d at %g ft: span %.6f T %.8f top angle %.10f grounded %.6f" %
              (i, height, spread_spans(H, V)[0], np.hypot(H, V), np.arctan(V/H), (L - V/W)*(1 + H/EA)))
    k = max(i for i in range(90) if hlod[i] <= 100.0)
    xs = [spread_spans(hlod[j], spread_V(hlod[j]))[0] for j in (k, k + 1)]
    print("  separation at 100 kip interpolated in table interval %d: %.6f" %
          (k + 1, xs[0] + (100.0 - hlod[k])/(hlod[k + 1] - hlod[k])*(xs[1] - xs[0])))


def spread_system():
    """A body with four spread lines to fixed anchors (what MoorPy's System with one Body computes
    by body.setPosition and body.getForces): fairleads 50 ft from the body's origin at azimuths 0, 90,
    180, 270 deg, 300 ft above their anchors, which lie 2928.9 ft further out on the same azimuths.
    Each line's H and V at its new fairlead-anchor distance by the inverse catenary; the force of a
    line on the body is H towards its anchor and V downward."""
    rest = float(np.float32(2928.9))
    angles = np.radians([0.0, 90.0, 180.0, 270.0])

    def forces(surge=0.0, heave=0.0, yaw_deg=0.0):
        c, s = np.cos(np.radians(yaw_deg)), np.sin(np.radians(yaw_deg))
        F = np.zeros(3)
        Mz = 0.0
        for a in angles:
            fair = np.array([50*np.cos(a), 50*np.sin(a)])
            fair = np.array([c*fair[0] - s*fair[1], s*fair[0] + c*fair[1]]) + [surge, 0.0]
            anchor = (50 + rest)*np.array([np.cos(a), np.sin(a)])
            d = anchor - fair
            H, V = spread_H(np.hypot(*d), 300.0 + heave)
            f = np.array([H*d[0]/np.hypot(*d), H*d[1]/np.hypot(*d), -V])
            F += f
            Mz += fair[0]*f[1] - fair[1]*f[0]
        return F, Mz
    for X in (10.0, 20.0, 40.0):
        F, _ = forces(surge=X)
        xs = np.linspace(0.0, X, 161)
        work = np.trapz([-forces(surge=x)[0][0] for x in xs], xs)
        print("surge %g: force %.6f %.6f %.6f, work of the restoring force %.6f" % (X, F[0], F[1], F[2], work))
    F0, _ = forces()
    print("at rest: force %.8f %.8f %.6f" % tuple(F0))
    F, _ = forces(heave=10.0)
    zs = np.linspace(0.0, 10.0, 41)
    work = np.trapz([-forces(heave=z)[0][2] for z in zs], zs)
    print("heave 10: force %.6f %.6f %.6f, work against the vertical pull %.6f" % (F[0], F[1], F[2], work))
    F, Mz = forces(yaw_deg=2.0)
    print("yaw 2 deg: force %.6f %.6f %.6f, yaw moment %.6f" % (F[0], F[1], F[2], Mz))


def axial_wave():
    """The axial elastic wave along a chain of bars (the line model's LNGWAV): elements 1..N from the
    fairlead, the lower end of element N held, the top of element 1 moved by e. In each element that
    carries a wave u = A cos kx + B sin kx (x up from its lower end), displacement and force EA u'
    continuous at the junctions; an element without a wave is left out. The axial force at every node
    from numpy's linear solve."""
    def chain_tensions(ks, Ls, EAs, e):
        N = len(ks)
        chain = [j for j in range(N, 0, -1) if ks[j-1] != 0]
        n = len(chain)
        M = np.zeros((2*n, 2*n), complex)
        r = np.zeros(2*n, complex)
        M[0, 0] = 1
        for i in range(n-1):
            j, jn = chain[i], chain[i+1]
            k, L, EA = ks[j-1], Ls[j-1], EAs[j-1]
            M[1+2*i, 2*i:2*i+3] = [np.cos(k*L), np.sin(k*L), -1]
            M[2+2*i, 2*i:2*i+2] = [-EA*k*np.sin(k*L), EA*k*np.cos(k*L)]
            M[2+2*i, 2*i+3] = -EAs[jn-1]*ks[jn-1]
        k, L = ks[chain[-1]-1], Ls[chain[-1]-1]
        M[2*n-1, 2*n-2:2*n] = [np.cos(k*L), np.sin(k*L)]
        r[2*n-1] = e
        s = np.linalg.solve(M, r)
        force = {N+1: EAs[chain[0]-1]*ks[chain[0]-1]*s[1]}
        cur, ci = force[N+1], 0
        for j in range(N, 0, -1):
            if ci < n and chain[ci] == j:
                k, L, EA = ks[j-1], Ls[j-1], EAs[j-1]
                cur = EA*k*(-s[2*ci]*np.sin(k*L) + s[2*ci+1]*np.cos(k*L))
                ci += 1
            force[j] = cur
        return force
    f32 = lambda v: float(np.float32(v))
    a = [(f32(2e-5), 0.0, 0.0), (f32(1e-5), f32(-5e-9), f32(1e-12)), (f32(4e-5), 0.0, 0.0)]
    T = 150.0
    EAs = [1/(a1 + 2*a2*T + 3*a3*T*T) for a1, a2, a3 in a]
    e = 0.3 - 0.1j
    for ks in ([f32(6e-4), f32(4e-4), f32(9e-4)], [f32(6e-4), 0.0, f32(9e-4)]):
        F = chain_tensions(ks, [200.0, 1500.0, 800.0], EAs, e)
        print("chain k", ks, ":", " ".join("node %d (%.9g, %.9g)" % (nd, F[nd].real, F[nd].imag) for nd in sorted(F)))


def catenary_damping():
    """The drag and kinetic integrals of one suspended element (the line model's CATDMP), L = 400 ft,
    w = 0.1 kip/ft, a1 = 1e-5 /kip (4-byte). The position of the point at unstretched arc sigma from
    the top, relative to the element's lower end, is the integral of (1 + e) (cos, sin) of the
    inclination from sigma to L (200-point Gauss-Legendre); the motion under a top motion (X, Z)
    relative to the bottom follows from the Jacobian of the positions over (top slope, H) by central
    differences (the bottom held, the length kept); the bottom node's own motion is added.
    N = c dz - s dx, L = c dx + s dz. A rigid translation at H = 100 kip, top slope 1.0 (bottom 0.6),
    integrated by quad; the top moving relative to the bottom at H = 20 kip, top slope 1.2 (bottom
    -0.8), integrated by Simpson's rule on the five points the line model uses."""
    f32 = lambda v: float(np.float32(v))
    xg, wg = np.polynomial.legendre.leggauss(200)
    L, w, a1 = 400.0, 0.1, f32(1e-5)
    for X, Z in ((1.0, 2.0), (0.7 + 0.4j, -0.2 + 1.1j)):
        def N3(sigma):
            p = 1.0 - sigma*w/100.0
            return abs((Z - X*p)/np.sqrt(1 + p*p))**3
        print("rigid translation (%s, %s): (4/3) integral |N|^3 %.10g" %
              (X, Z, 4/3*quad(N3, 0, L, epsabs=1e-13, epsrel=1e-13)[0]))
    H0, qF0 = 20.0, 1.2

    def pos(sigma, qF, H):
        s = 0.5*(L - sigma)*xg + 0.5*(L + sigma)
        p = qF - s*w/H
        sec = np.sqrt(1 + p*p)
        st = 1 + a1*H*sec
        return 0.5*(L - sigma)*np.sum(wg*st/sec), 0.5*(L - sigma)*np.sum(wg*st*p/sec)

    def jac(sigma):
        dq = np.array(pos(sigma, qF0 + 1e-6, H0)) - np.array(pos(sigma, qF0 - 1e-6, H0))
        dH = np.array(pos(sigma, qF0, H0 + 1e-5)) - np.array(pos(sigma, qF0, H0 - 1e-5))
        return np.column_stack([dq/2e-6, dH/2e-5])
    top = jac(0.0)

    def motion(sigma, Xt, Zt, Xb, Zb):
        dx, dz = jac(sigma) @ np.linalg.solve(top, np.array([Xt, Zt]))
        p = qF0 - sigma*w/H0
        c, s = 1/np.sqrt(1 + p*p), p/np.sqrt(1 + p*p)
        return (dz + Zb)*c - (dx + Xb)*s, (dx + Xb)*c + (dz + Zb)*s
    weights = np.array([1, 4, 2, 4, 1])
    points = [motion(si, 1 + 0.2j, 0.5 - 0.3j, 0.2, -0.1 + 0.05j) for si in np.linspace(L, 0, 5)]
    N = np.array([v[0] for v in points])
    T = np.array([v[1] for v in points])
    print("element top motion (1+0.2i, 0.5-0.3i), bottom (0.2, -0.1+0.05i): DISIPD %.8g KEELMT %.8g KEELML %.8g"
          % (4/3*L/12*np.sum(weights*np.abs(N)**3), L/12*np.sum(weights*np.abs(N)**2),
             L/12*np.sum(weights*np.abs(T)**2)))
    print("  |N| at the five points", np.abs(N), "|L| at the top %.8g" % abs(T[-1]))


def oblique_fairlead():
    """The spread line's fairlead moved along its direction at the fairlead (cosine 100/T, sine V/T of
    the solution at 100 kip) from the separation 2928.877737 ft of the line set-up: the fairlead
    tension by the inverse catenary at the new separation and height. Also the quasi-static tension of
    the dynamic model: the separation moved by 5 / cosine at the fixed height."""
    s0 = 2928.877737
    V = spread_V(100.0)
    FX, FZ = 100.0/np.hypot(100.0, V), V/np.hypot(100.0, V)

    def tension(h, height=300.0):
        H, V = spread_H(s0 + FX*h, height + FZ*h)
        return np.hypot(H, V)
    T0 = tension(0.0)
    print("fairlead direction (%.10f, %.10f); tension at the separation %.8f" % (FX, FZ, T0))
    for h in (0.64, 20.0, -20.0):
        print("  moved %g along the line: change of tension %.8f" % (h, tension(h) - T0))
    print("  dT/dh at the separation %.8f" % ((tension(1e-4) - tension(-1e-4))/2e-4))
    H, V = spread_H(s0 + 5/FX)
    print("quasi-static: at the separation %.6f the tension %.8f" % (s0 + 5/FX, np.hypot(H, V)))


if __name__ == '__main__':
    main()
    taut_subline()
    fairlead()
    spread_system()
    axial_wave()
    catenary_damping()
    oblique_fairlead()

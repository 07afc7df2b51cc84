"""Independent reference values of the tanker estimator tests, in 8-byte arithmetic:
    /usr/bin/python3 tests/editor/reference/tanker_reference.py
The average-tanker relations are worked through step by step from deadweight W [long tons] and
draft T [ft]: lightship and full-load weights and volumes (35 cubic feet to the long ton), the depth,
maximum draft and beam from the cube root of the full-load volume, block and waterplane coefficients,
a waterplane area that grows linearly from the keel, the lightship draft, the hydrostatics at the
draft and the radii of gyration of a box-shaped lightship shell with a cargo block. The lightship
draft is found twice, by scipy's brentq and as the root of the quadratic volume law, and the two
must agree. The volume law is checked to give the block coefficient at full draft."""
import numpy as np
from scipy.optimize import brentq

KEYS = ['DISPL', 'VKB', 'VKG', 'DRAFT', 'AWP', 'VKMT', 'VKML', 'LWL', 'BWL', 'PGYR', 'RGYR', 'YGYR', 'BILGR',
        'XWNDA', 'YWNDA', 'XCURA', 'YCURA', 'DWT', 'LOADED', 'DFTPCT', 'DSPPCT']


def estimate(W, T, metric=False):
    if metric:
        T = T / 0.3048
    W = max(W, 2000.0)
    machinery = 0.0422 * W
    hull = 6.78 * W ** (2 / 3)
    LS = hull + machinery                  # lightship weight
    VL = 35 * LS
    DF = LS + W                            # full-load displacement
    VF = 35 * DF
    C = VF ** (1 / 3)
    D = 0.4039 * C                         # depth
    KGL = 0.54 * D                         # lightship centre of gravity
    MINRAT = VL / VF
    MAXDFT = 13.32 - 1.502e-7 * VF + 0.01673 * np.sqrt(VF)
    B = C * C * 0.25 / MAXDFT
    CB = 0.275 * np.exp(-194 / C) + 0.725
    CW = 0.3 * np.exp(-69 / C) + 0.7
    eps = 2 * CB / CW - 1                  # keel waterplane / full waterplane
    L = VF / (CB * MAXDFT * B)
    AF = L * B * CW
    FF = D - MAXDFT

    def volume_fraction(t):                # integral of the linear waterplane law, over VF
        return 2 * (eps * t + 0.5 * (1 - eps) * t * t) / (1 + eps)

    assert abs(volume_fraction(1.0) * AF * MAXDFT * (1 + eps) / 2 - VF) < 1e-6 * VF
    t = brentq(lambda t: MINRAT - volume_fraction(t), 0, 1, xtol=1e-15)
    a2, a1, a0 = 0.5 * (1 - eps), eps, -MINRAT * (1 + eps) / 2
    assert abs(t - (-a1 + np.sqrt(a1 * a1 - 4 * a2 * a0)) / (2 * a2)) < 1e-12
    TMIN = t * MAXDFT * 1.00001

    r = machinery / hull
    S = B * L + B * D + L * D
    kx2 = (r * (B * B + D * D) + (D * D * (3 * B * L + B * D + L * D) + B * B * (L * B + B * D + 3 * L * D)) / S) / 12 / (r + 1)
    ky2 = (r * (L * L + D * D) + (D * D * (3 * B * L + B * D + L * D) + L * L * (L * B + L * D + 3 * D * B)) / S) / 12 / (r + 1)
    kz2 = (r * (B * B + L * L) + (L * L * (3 * B * D + B * L + L * D) + B * B * (L * B + B * D + 3 * D * L)) / S) / 12 / (r + 1)

    if T > MAXDFT:
        T, V = MAXDFT, VF
    else:
        V = VF * volume_fraction(T / MAXDFT)
        if V < VL:
            T, V = TMIN, VL
    DISP = V / 35
    WC = max(DISP - LS, 0.0)
    F = D - T
    A = AF * (eps + (1 - eps) * T / MAXDFT)
    CWT = A / (L * B)
    CBT = V / (L * B * T)
    VKB = (CWT / CBT + 2) * T / 6
    VKG = (KGL * LS + 0.5 * D * WC) / DISP
    KMT = VKB + (3 * CWT - 1) * B * B / (24 * T * CBT)
    KML = VKB + L * L * CWT * (1 - 2 * CWT + 2 * CWT ** 2) / (12 * T * CBT)
    q = WC / LS
    cx2 = (B * B + D * D) / 12
    cy2 = ((L * CWT) ** 2 + D * D) / 12
    cz2 = ((L * CWT) ** 2 + B * B) / 12
    roll = np.sqrt((kx2 + (VKG - KGL) ** 2 + q * (cx2 + (VKG - D / 2) ** 2)) / (q + 1))
    pitch = np.sqrt((ky2 + (VKG - KGL) ** 2 + q * (cy2 + (VKG - D / 2) ** 2)) / (q + 1))
    yaw = np.sqrt((kz2 + q * cz2) / (q + 1))
    lf, af, wf = (0.3048, 0.09290304, 1.0160469) if metric else (1.0, 1.0, 2.24)
    out = dict(DISPL=DISP * wf, VKB=VKB * lf, VKG=VKG * lf, DRAFT=T * lf, AWP=A * af, VKMT=KMT * lf,
               VKML=KML * lf, LWL=L * lf, BWL=B * lf, PGYR=pitch * lf, RGYR=roll * lf, YGYR=yaw * lf,
               BILGR=0.07 * B * lf, XWNDA=(0.1 * C * C + 3000 + B * F) * af, YWNDA=(16 * C + 3000 + L * F) * af,
               XCURA=B * T * af, YCURA=L * T * af, DWT=W, LOADED=100 * FF / F, DFTPCT=100 * T / MAXDFT,
               DSPPCT=100 * DISP / DF)
    return out, dict(MAXDFT=MAXDFT, TMIN=TMIN, CB=CB, CBT=CBT)


if __name__ == '__main__':
    for W, T, metric in [(250000, 100, False), (100000, 5, False), (150000, 12.0, True), (1500, 5, False)]:
        out, extra = estimate(W, T, metric)
        literal = lambda x: ('%.9g' % x) + ('f' if any(c in '%.9g' % x for c in '.e') else '.0f')
        print('{' + ', '.join(literal(out[k]) for k in KEYS) + '},  //', W, T, 'metric' if metric else '',
              'MAXDFT %.7g TMIN %.7g CB %.7g CBT %.7g' % (extra['MAXDFT'], extra['TMIN'], extra['CB'], extra['CBT']))

// The quasi-static motion of the points of one element of a line in its static catenary shape when
// the element's top moves relative to its bottom, and the integrals along the element that the
// dynamic line model needs: the energy dissipated per cycle by quadratic drag, the kinetic-energy
// integrals of the transverse and of the tangential motion, and the motion amplitudes at the top.
//
// The element's shape has two parameters: a slope shift P (every slope of the element moves by the
// same amount; the lower end of the touchdown element stays on the seabed) and the catenary
// parameter T = a = H / w. A point is identified by its slope q, and keeps its unstretched arc
// length from the element's top when a changes. Positions are measured from the element's lower
// end (PNTSEP, catenary_element.h), x towards the fairlead and z upward; the line direction at the
// point is (c, s) = (cos, sin) of its inclination, the transverse motion N = c dz - s dx, the
// tangential motion c dx + s dz.
//
// Data: LINCOM ITYP, DPHLD and DPHLD2 (the tension and the raised tension of the parameter
// derivative), DHFRAC, DSLOPE, BOTELM, BETA, SCLWT (at DPHLD) and BETAP, SCLWTP (at DPHLD2); TPCM.moor
// WETWT, SLEN of the type; TPCM NBUG, EDUNIT. Positions and derivatives are 8-byte, motion
// amplitudes and integrals 4-byte floats and complex pairs. Units: [ft | m], [kip | t].
#pragma once

#include <cstdint>

#include "numlib/algebra.h"

namespace qv {

// At slope q of element `element` (qB, qF the slopes at its bottom and top; BOTFLG 1 for the
// touchdown element, whose bottom does not shift):
//  DXDP, DXDT, DZDP, DZDT  out: derivatives of the point's position with respect to P and T, by
//                          forward differences of max(|q DHFRAC|, 0.001) in P and of DPHLD2 / w - a
//                          in T;
//  DADXF, DADZF            out: transverse motion of the point per unit horizontal and per unit
//                          vertical top motion, times JACOBY; tX, tZ the same for the tangential
//                          motion; both from the top derivatives CATCOM DXFDP, DXFDT, DZFDP, DZFDT;
//  c, s                    out: cosine and sine of the line's inclination at the point.
// With NBUG = 1 it writes trace lines on EDUNIT and pauses.
void CATMOT(float& DADXF, float& DADZF, float& tX, float& tZ, double& DXDP, double& DXDT, double& DZDP,
            double& DZDT, float& c, float& s, double q, double qB, double qF, std::int32_t element,
            std::int32_t BOTFLG);

// Integrates over element j by Simpson's rule on n points (odd, at least 3) in the slope, from the
// bottom (qB) to the top (qF), the unstretched arc length being a dq (a = DPHLD / WETWT(j), the
// catenary parameter). The point's motion is the relative top motion (DXTOP2, DZTOP2) carried by
// CATMOT plus the rigid motion of the bottom node (DXBOT1, DZBOT1). Out:
//   DISIPD   (4/3) integral of |N|^3: the drag energy per cycle is OMEGA^2 rho Cd D DISIPD
//   DISOOP   0
//   KEELMT   integral of |N|^2, KEELML of |L|^2: the kinetic energies are 1/2 m OMEGA^2 times them
//   KEOOP    with DO_OOP non-zero, the out-of-plane integral about the horizontal distance x0
//   ADAMAXQ  the largest |N|; ADATOPQ |N| and LONTOPQ |L| at the top
//   CTXACC, CTZACC  complex moments of the transverse motion (CTXACC 0 unless BOTFLG is 1)
// and CATCOM DXFDP, DXFDT, DZFDP, DZFDT (CATMOT at the top) with JACOBY = DXFDP DZFDT - DXFDT DZFDP
// (1.0e-20 when 0). An element at or below the touchdown element BOTELM whose top slope is not above
// the seabed slope lies on the seabed: every output 0. A weightless element (WETWT 0) is straight at
// its slope: its points move linearly from the bottom's motion to the top's, integrated over its
// stretched length with the same weights; it forms no catenary parameter (a is not read) and leaves
// CATCOM alone. The tenth argument is not used.
void CATDMP(double a, double qF, double qB, float& DISIPD, float& DISOOP, float& KEELMT, float& KEELML, float& KEOOP,
            float x0, const void* unused10, std::int32_t n, Complex DXTOP2, Complex DZTOP2, Complex DXBOT1,
            Complex DZBOT1, float& ADAMAXQ, float& ADATOPQ, float& LONTOPQ, std::int32_t NBUG, std::int32_t j,
            Complex& CTXACC, Complex& CTZACC, std::int32_t BOTFLG, std::int32_t DO_OOP);

}  // namespace qv

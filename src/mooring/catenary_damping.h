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

// The arguments of CATDMP by name: what it only reads, then in `out` what it writes.
struct CatdmpArgs {
  double a;                // catenary parameter DPHLD / WETWT(j) [ft | m] (not read for a weightless element)
  double qF;               // slope at the element's top
  double qB;               // slope at the element's bottom
  float x0;                // horizontal reference distance of the out-of-plane integral [ft | m]
  std::int32_t n;          // integration points (odd, at least 3)
  Complex DXTOP2;          // horizontal motion of the top relative to the bottom [ft | m]
  Complex DZTOP2;          // vertical motion of the top relative to the bottom [ft | m]
  Complex DXBOT1;          // horizontal motion of the bottom node [ft | m]
  Complex DZBOT1;          // vertical motion of the bottom node [ft | m]
  std::int32_t j;          // element number
  std::int32_t BOTFLG;     // 1 for the touchdown element
  std::int32_t DO_OOP;     // non-zero: the out-of-plane integral is wanted
  struct Out {
    float& DISIPD;         // (4/3) integral of |N|^3: the drag energy per cycle is OMEGA^2 rho Cd D DISIPD
    float& DISOOP;         // 0
    float& KEELMT;         // integral of |N|^2: the transverse kinetic energy is 1/2 m OMEGA^2 times it
    float& KEELML;         // integral of |L|^2: the same of the tangential motion
    float& KEOOP;          // the out-of-plane integral about x0 (DO_OOP non-zero)
    float& ADAMAXQ;        // the largest |N| [ft | m]
    float& ADATOPQ;        // |N| at the top [ft | m]
    float& LONTOPQ;        // |L| at the top [ft | m]
    Complex& CTXACC;       // complex moment of the transverse motion from N s (0 unless BOTFLG is 1)
    Complex& CTZACC;       // complex moment of the transverse motion: integral of N c
  } out;
};

// Integrates over element j by Simpson's rule on n points in the slope, from the bottom (qB) to the
// top (qF), the unstretched arc length being a dq (a = DPHLD / WETWT(j), the catenary parameter).
// The point's motion is the relative top motion (DXTOP2, DZTOP2) carried by CATMOT plus the rigid
// motion of the bottom node (DXBOT1, DZBOT1). Besides its outputs it writes CATCOM DXFDP, DXFDT,
// DZFDP, DZFDT (CATMOT at the top) with JACOBY = DXFDP DZFDT - DXFDT DZFDP (1.0e-20 when 0). An
// element at or below the touchdown element BOTELM whose top slope is not above the seabed slope
// lies on the seabed: every output 0. A weightless element (WETWT 0) is straight at its slope: its
// points move linearly from the bottom's motion to the top's, integrated over its stretched length
// with the same weights; it forms no catenary parameter (a is not read) and leaves CATCOM alone.
void CATDMP(const CatdmpArgs& args);

}  // namespace qv

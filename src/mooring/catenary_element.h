// The closed-form functions of one elastic catenary element and the sums over the elements of a
// line: the base of the static solver, the line driver, the strain-law refit, the dynamic line model
// and the disc mooring terms.
//
// A line is a chain of up to 25 elements numbered from the fairlead. Element k has an unstretched
// length L(k), a weight in water per unit length w(k) (negative: buoyant) and the strain law
// e(T) = a1 T + a2 T^2 + a3 T^3. Under a horizontal tension H:
//   p   the slope at a point (tangent of the inclination below the horizontal, positive where the
//       line descends from the fairlead towards the anchor);
//   s   the secant sqrt(1 + p^2); the tension there is H s;
//   b   the strain-law terms b(i, k) = a(i, k) H^i, so that the strain is b1 s + b2 s^2 + b3 s^3;
//   q   the scaled weight w / H; along a weighted element the slope falls by q per unit unstretched
//       length, p(lower end) = p(upper end) - q L.
// Node k is the upper end of element k; node N+1 the lower end of element N.
//
// Arrays are passed as a pointer to their first entry and indexed from 1, as a caller holding an
// Arr passes `LINCOM.BETA.data()` or `&TPCM.moor.SLEN(1, ITYP)`:
//   a  3 x 25 floats (the ALPHA columns of one line type), a(i, k) at (i - 1) + 3 (k - 1);
//   b  3 x 25 doubles (BETA or BETAP), the same order;
//   q  25 doubles (SCLWT or SCLWTP); s, p at the nodes 26 doubles (SECARR, TMPTAN);
//   L, w  25 floats (the SLEN and WETWT columns of one line type).
// All functions are pure, except that PNTSEP writes trace lines when asked.
#pragma once

#include <cstdint>

namespace qv {

// sqrt(p^2 + 1).
double SECFCN(double p);
// 1 / sqrt(p^2 + 1): the cosine of the inclination.
double DCSPHI(double p);
// p / sqrt(p^2 + 1): the sine of the inclination.
double DSNPHI(double p);

// b(i, k) = a(i, k) H^i for i = 1..3, k = 1..N, the powers of H formed by repeated multiplication.
void BETALD(const float* a, double* b, double H, int N);
// q(k) = w(k) / H for k = 1..N.
void SCLWLD(double* q, const float* w, double H, int N);

// Stretch factor 1 + e of element k at slope p.
double STRECH(double p, const double* b, int k);
// Tangent compliance de/dT = a1 + 2 a2 T + 3 a3 T^2 of element k at tension T, in 4-byte floats.
float EAINV(const float* a, float T, int k);

// Horizontal span function: a weighted element spans (XFCN(s1, p1) - XFCN(s2, p2)) / q between an
// upper point 1 and a lower point 2.
double XFCN(double s, double p, int k, const double* b);
// Companion of XFCN used by the drag damping of the dynamic model.
double DXFCN(double s, double p, int k, const double* b);
// Vertical span function: a weighted element rises (ZFCN(s1) - ZFCN(s2)) / q.
double ZFCN(double s, int k, const double* b);
// Derivative of ZFCN with respect to the slope, written in s; and the same divided by the slope.
double DZFCN(double s, int k, const double* b);
double DZFCNOQ(double s, int k, const double* b);

// The last element of 1..N with a negative scaled weight q (a buoyant element); 0 when none is.
// Elements above it cannot rest on the seabed.
int lastBuoyantElement(const double* q, int N);

// Vertical and horizontal span of element k alone, between its nodes k and k+1: the catenary
// formulas, or for q(k) exactly 0 the straight element at its upper slope, L STRECH(p) (p, 1) / s.
double elementRise(const double* q, const double* s, const double* b, int k, const float* L, const double* p);
double elementRun(const double* q, const double* s, const double* b, int k, const float* L, const double* p);

// Vertical distance from node 1 down to node N+1. An element with q exactly 0 is straight at its
// upper slope; any other q, however small, takes the catenary formula. Grounded elements, whose
// node slopes the solver has clamped to the seabed slope, add nothing beyond their span.
double ZDIST(const double* q, const double* s, const double* b, int N, const float* L, const double* p);

// Horizontal distance from node 1 to node N+1 with the grounded parts: an element whose upper slope
// is not negative and below which (up to element NT) no element is buoyant lies partly or wholly
// on the seabed when the anchor type is 1 and its lower slope is at or below the seabed slope pB;
// its grounded stretched length then adds to its span. A weightless element lying on the seabed
// is already counted whole by its straight span and adds nothing more.
double XDIST(const double* q, const double* s, const double* p, const double* b, int N, int NT,
             std::int32_t anchorType, const float* L, double pB);

// Touchdown for a stretched grounded length G measured from the lower end, all elements taken at
// slope p: the element KT in which the touchdown point lies, the weight in water of the grounded
// part and its unstretched length. G = 0 gives element N and zeros; G at or beyond the stretched
// length of the whole line gives element N with the whole line grounded.
void TUCHDN(float G, const float* w, const float* L, const double* b, int N, double p, float& groundedWeight,
            std::int32_t& touchdownElement, float& groundedLength);

// Depth layer of an offset z: layers lie `step` apart, layer `middle` holds offset 0 and the layers
// cover `span`. The layer stays in 1 .. max(1, nLayers - 1) and the fraction (of the step to the
// next layer) is 0 with one layer; beyond either end the fraction extrapolates (outside = 1).
void SETLYR(std::int32_t nLayers, std::int32_t middle, float step, float span, float z, std::int32_t& layer,
            float& fraction, std::int32_t& outside);
void SETLDP(std::int32_t nLayers, std::int32_t middle, double step, double span, double z, std::int32_t& layer,
            double& fraction, std::int32_t& outside);

// Horizontal and vertical separation between an upper point (slope p1) and a lower point (slope
// p2) of element k. With `grounded` non-zero the grounded piece (L - (pT - p2 - pB) / q) STRECH(pB),
// pT the element's upper slope, is added along the seabed slope. `tension` only appears in the
// trace, written on `unit` when `debug` is 1.
void PNTSEP(double& dx, double& dz, double p1, double p2, double pT, double tension, const double* b, double q,
            float L, double pB, std::int32_t debug, int k, std::int32_t grounded, std::int32_t unit);

}  // namespace qv

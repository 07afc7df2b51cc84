#include "mooring/catenary_element.h"

#include <cmath>

#include "mooring/line_trace.h"
#include "platform/units.h"

namespace qv {

namespace {

// b(i, k) of a 3 x 25 array passed by its first entry.
inline double term(const double* b, int i, int k) { return b[(i - 1) + 3 * (k - 1)]; }

template <class Real>
void depthLayer(std::int32_t nLayers, std::int32_t middle, Real step, Real span, Real z, std::int32_t& layer,
                Real& fraction, std::int32_t& outside) {
  const Real zmin = static_cast<Real>(1 - middle) * step;
  const Real zmax = span + zmin;
  outside = (z > zmax || z < zmin) ? 1 : 0;
  if (nLayers <= 1) {  // a single layer: nothing to blend with
    layer = 1;
    fraction = 0;
    return;
  }
  if (outside != 0) {  // extrapolate beyond the end layers
    if (z > 0) {
      layer = nLayers - 1;
      fraction = (z - zmax) / step + 1;
    } else {
      layer = 1;
      fraction = (z - zmin) / step;
    }
    return;
  }
  const Real f = (z - zmin) / step;
  const std::int32_t whole = static_cast<std::int32_t>(f);
  layer = whole + 1;
  fraction = f - static_cast<Real>(whole);
  // The top of the span is the upper end of the last pair of layers, never the start of a layer
  // beyond the last: a blended read stays within the table.
  if (layer > nLayers - 1) {
    fraction += static_cast<Real>(layer - (nLayers - 1));
    layer = nLayers - 1;
  }
}

}  // namespace

int lastBuoyantElement(const double* q, int N) {
  for (int j = N; j >= 1; --j) {
    if (q[j - 1] < 0.0) return j;
  }
  return 0;
}

double SECFCN(double p) { return std::sqrt(p * p + 1.0); }

double DCSPHI(double p) { return 1.0 / std::sqrt(p * p + 1.0); }

double DSNPHI(double p) { return p * DCSPHI(p); }

void BETALD(const float* a, double* b, double H, int N) {
  const double H2 = H * H;
  const double H3 = H2 * H;
  for (int k = 1; k <= N; ++k) {
    const int at = 3 * (k - 1);
    b[at] = a[at] * H;
    b[at + 1] = a[at + 1] * H2;
    b[at + 2] = a[at + 2] * H3;
  }
}

void SCLWLD(double* q, const float* w, double H, int N) {
  for (int k = 1; k <= N; ++k) q[k - 1] = w[k - 1] / H;
}

double STRECH(double p, const double* b, int k) {
  const double s = SECFCN(p);
  const double s2 = s * s;
  const double s3 = s2 * s;
  return 1.0 + term(b, 1, k) * s + term(b, 2, k) * s2 + term(b, 3, k) * s3;
}

float EAINV(const float* a, float T, int k) {
  const float* ak = a + 3 * (k - 1);
  return ak[0] + 2.0f * ak[1] * T + 3.0f * ak[2] * T * T;
}

double XFCN(double s, double p, int k, const double* b) {
  const double b1 = term(b, 1, k), b2 = term(b, 2, k), b3 = term(b, 3, k);
  return (1.0 + b2 / 2.0) * std::log(s + p) + p * (b1 + b2 * s / 2.0 + b3 * (s * s + 2.0) / 3.0);
}

double DXFCN(double s, double p, int k, const double* b) {
  const double b1 = term(b, 1, k), b2 = term(b, 2, k), b3 = term(b, 3, k);
  return (3.0 * b2 * (p + 1.0) + 6.0 + 2.0 * s * (3.0 * b1 + 2.0 * p * b3)) / (6.0 * s);
}

double ZFCN(double s, int k, const double* b) {
  const double s2 = s * s;
  return s + term(b, 1, k) * s2 / 2.0 + term(b, 2, k) * s2 * s / 3.0 + term(b, 3, k) * s2 * s2 / 4.0;
}

double DZFCNOQ(double s, int k, const double* b) {
  return 1.0 / s + term(b, 1, k) + term(b, 2, k) * s + term(b, 3, k) * s * s;
}

double DZFCN(double s, int k, const double* b) { return DZFCNOQ(s, k, b) * std::sqrt(s * s - 1.0); }

double elementRise(const double* q, const double* s, const double* b, int k, const float* L, const double* p) {
  const double qk = q[k - 1];
  if (qk == 0.0) return L[k - 1] * STRECH(p[k - 1], b, k) * p[k - 1] / s[k - 1];
  return (ZFCN(s[k - 1], k, b) - ZFCN(s[k], k, b)) / qk;
}

double elementRun(const double* q, const double* s, const double* b, int k, const float* L, const double* p) {
  const double qk = q[k - 1];
  if (qk == 0.0) return L[k - 1] * STRECH(p[k - 1], b, k) / s[k - 1];
  return (XFCN(s[k - 1], p[k - 1], k, b) - XFCN(s[k], p[k], k, b)) / qk;
}

double ZDIST(const double* q, const double* s, const double* b, int N, const float* L, const double* p) {
  double z = 0.0;
  for (int k = 1; k <= N; ++k) z += elementRise(q, s, b, k, L, p);
  return z;
}

double XDIST(const double* q, const double* s, const double* p, const double* b, int N, int NT,
             std::int32_t anchorType, const float* L, double pB) {
  const int buoyantBelow = lastBuoyantElement(q, NT);
  double x = 0.0;
  for (int k = 1; k <= N; ++k) {
    const double dx = elementRun(q, s, b, k, L, p);
    const bool mayBeGrounded = !(p[k - 1] < 0.0 || buoyantBelow > k);
    if (mayBeGrounded && anchorType == 1 && p[k] <= pB && q[k - 1] != 0.0) {
      x += STRECH(pB, b, k) * (L[k - 1] + (pB - p[k - 1]) / q[k - 1]);
    }
    x += dx;
  }
  return x;
}

void TUCHDN(float G, const float* w, const float* L, const double* b, int N, double p, float& groundedWeight,
            std::int32_t& touchdownElement, float& groundedLength) {
  groundedWeight = 0.0f;
  touchdownElement = 0;
  groundedLength = 0.0f;
  double stretched = 0.0;       // running stretched length from the lower end
  float unstretched = 0.0f;     // running unstretched length
  double groundedStretched = 0.0;
  float groundedUnstretched = 0.0f;
  float weight = 0.0f;
  for (int k = N; k >= 1; --k) {
    stretched += L[k - 1] * STRECH(p, b, k);
    unstretched += L[k - 1];
    if (stretched > G) {
      touchdownElement = k;
      break;
    }
    groundedStretched = stretched;
    groundedUnstretched = unstretched;
    weight += L[k - 1] * w[k - 1];
  }
  if (touchdownElement == 0) {  // G reaches the whole line: it all lies on the seabed
    touchdownElement = N;
    groundedWeight = weight;
    groundedLength = groundedUnstretched;
    return;
  }
  const double d = (G - groundedStretched) / STRECH(p, b, touchdownElement);
  groundedWeight = static_cast<float>(weight + w[touchdownElement - 1] * d);
  groundedLength = static_cast<float>(groundedUnstretched + d);
}

void SETLYR(std::int32_t nLayers, std::int32_t middle, float step, float span, float z, std::int32_t& layer,
            float& fraction, std::int32_t& outside) {
  depthLayer(nLayers, middle, step, span, z, layer, fraction, outside);
}

void SETLDP(std::int32_t nLayers, std::int32_t middle, double step, double span, double z, std::int32_t& layer,
            double& fraction, std::int32_t& outside) {
  depthLayer(nLayers, middle, step, span, z, layer, fraction, outside);
}

void PNTSEP(double& dx, double& dz, double p1, double p2, double pT, double tension, const double* b, double q,
            float L, double pB, std::int32_t debug, int k, std::int32_t grounded, std::int32_t unit) {
  const double s1 = SECFCN(p1);
  const double s2 = SECFCN(p2);
  dx = (XFCN(s1, p1, k, b) - XFCN(s2, p2, k, b)) / q;
  dz = (ZFCN(s1, k, b) - ZFCN(s2, k, b)) / q;
  const double dxSuspended = dx;
  const double dzSuspended = dz;
  double g = 0.0;
  if (grounded != 0) {
    g = (L - (pT - p2 - pB) / q) * STRECH(pB, b, k);
    dx += g * DCSPHI(pB);
    dz += g * DSNPHI(pB);
  }
  if (debug == 1) {
    writeRecord(unit, " IN CATCOF; RTMP,RTMPB,DQP,DQPF,DQPB,TX");
    writeTraceValues(unit, {}, {s1, s2, p1, pT, p2, tension});
    writeRecord(unit, " BEFORE BOTTOM CORRECTION: BOTFLG,DXSEP,DZSEP");
    writeTraceValues(unit, {grounded}, {dxSuspended, dzSuspended});
    writeRecord(unit, " IELEM,DXSEP,DZSEP,SCLWTP,BOTLN,STRECH(DSLOPE,BETA,IELEM)");
    writeTraceValues(unit, {k}, {dx, dz, q, g, STRECH(pB, b, k)});
  }
}

}  // namespace qv

#include "lowfreq/semi_drag.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <initializer_list>
#include <string>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "hull/pascom.h"
#include "hull/semi/simcom.h"
#include "lowfreq/column_drift.h"
#include "lowfreq/drift_common.h"
#include "lowfreq/drift_force.h"
#include "lowfreq/drift_tables.h"
#include "lowfreq/semi_drag_functions.h"
#include "lowfreq/user_coefficients.h"
#include "lowfreq/wave_current.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "vessel/relraoup.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

constinit DragfSemiState dragfSemiState{};
const BlockReset resetDragfSemiState{[] { dragfSemiState.reset(); }};

namespace {

using Cplx = std::complex<float>;

constexpr double kThreeSqrtTwoPi = 7.5198851;
constexpr int kGaussPoints = 27;
constexpr int kLevelCount = 11;
constexpr float kSmallCurrent = 0.0001f;
constexpr std::string_view kCaller = "DRAGF ";

// SMPINT's integral of f over the grid.
float gridIntegral(const float* f) {
  float m0 = 0.0f;
  float m2 = 0.0f;
  SMPINT(f, m0, m2);
  return m0;
}

// The difference-frequency integrals GV[f] and GV2[f, g] over the wave grid.
float gv(float& dw, const float* f) {
  float integral = 0.0f, moment = 0.0f, spare1 = 0.0f, spare2 = 0.0f;
  GET_GVAR(dw, &WAVCOM.W(1), TPCM.NWP, f, integral, moment, spare1, spare2);
  return integral;
}
float gv2(float& dw, const float* f, const float* g) {
  float integral = 0.0f, moment = 0.0f;
  GET_GVAR2(dw, &WAVCOM.W(1), TPCM.NWP, f, g, integral, moment);
  return integral;
}

struct Moments {
  float I1 = 0.0f, I2 = 0.0f, I3 = 0.0f, I4 = 0.0f;
};
Moments moments(float y, int N) {
  Moments m;
  ISUB_N_GET(m.I1, m.I2, m.I3, m.I4, y, N);
  return m;
}

// One surface-piercing member as the two passes see it.
struct Member {
  float r;      // radius [ft | m]
  float w;      // weight: the in-line drag coefficients times the radius [ft | m]
  float phi;    // wave phase at the member's top [rad]
  float xi;     // member coordinate along the wave [ft | m]
  float c;      // member factor
};

// The members that pierce the waterline, in table order; their number is returned.
int piercingMembers(float k, float beta, float R, Member* members) {
  const Tpcm& t = TPCM;
  const Simcom& sc = SIMCOM;
  int count = 0;
  const int tableSize = std::min<int>(t.NCYL, kMaxHullMembers);
  for (int i = 1; i <= tableSize; ++i) {
    if (sc.LPIERCE(i) == 0) continue;
    const auto [x, y] = wettedTop(i);
    Member m;
    m.r = std::sqrt(t.XAREA(i) / kPi);
    m.w = (t.CYLCD(1, i) + t.CYLCD(2, i)) * m.r;
    const float along = x * std::cos(beta) + y * std::sin(beta);
    m.phi = k * along;
    m.xi = -along;
    const float theta = std::atan2(std::sin(m.phi), std::cos(m.phi) - R);
    m.c = (R == 0.0f || (R == 1.0f && m.phi == 0.0f)) ? 1.0f : std::cos(m.phi - theta);
    members[count++] = m;
  }
  return count;
}

void checkRotationCentres(float zc) {
  const Tpcm& t = TPCM;
  if (t.SEMI_LIKE == 0) return;
  const float separation = std::fabs(1.0f - PASCOM.VTCRPS / PASCOM.VTCRRS);
  if (!(std::fabs(zc) > 1.0f && separation > 0.5f)) return;
  warnWithAbortQuestion("DRAGF_SEMI", {"", " +=> Suspiciously large separation between pitch and roll rotation centers;",
                                        "     please forward this datafile to Kestrin for analysis."});
}

float waveHeading(std::int32_t waveSystem) {
  const Tpcm& t = TPCM;
  switch (waveSystem) {
    case 1:
      return t.SEAHDG(1);
    case 2:
      return t.SWLHDG;
    case 3:
      return t.SWLHDG2;
    default:
      fatalStop("DRAGF_SEMI", t.EDUNIT, {" =+> Invalid IWAVID in dragf_semi.f"}, FatalWait::kPressReturn);
  }
}

float waveHeight(std::int32_t waveSystem) {
  const Tpcm& t = TPCM;
  return waveSystem == 1 ? t.SWHT(1) : waveSystem == 2 ? t.SWELHT : t.SWELHT2;
}

void warnCorrelationUnderflow(std::int32_t component, std::int32_t waveSystem, float g12) {
  DragfSemiState& state = dragfSemiState;
  if (!(g12 < 0.5f && state.FRSTWRN(waveSystem) != 0)) return;
  state.FRSTWRN(waveSystem) = 0;
  if (!(waveHeight(waveSystem) > 1.0f)) return;
  const std::string line = " +=> Possible correlation underflow in DRAGF: Mode " + fmtI(component, 1) + "...";
  warnWithAbortQuestion("DRAGF_SEMI", {"", line, "     please forward this datafile to Kestrin for analysis."});
}

// Reference length L and drag factor F of the component.
void componentScales(std::int32_t component, float& L, float& F) {
  const Tpcm& t = TPCM;
  L = F = 0.0f;
  if (component == 1) {
    L = t.BWL;
    F = t.WVDGCX;
  } else if (component == 2) {
    L = t.LWL;
    F = t.WVDGCY;
  } else if (component == 3) {
    L = t.LWL * t.LWL;
    F = t.WVDGCM;
  }
}

}  // namespace

void DFC_ALIGN(float& d, float& psi, int i, std::int32_t userFile, const Text<13>& FNAME, float cosAlpha,
               float sinAlpha, float beta, std::string_view /*caller*/, std::int32_t waveSystem) {
  const Tpcm& t = TPCM;
  const Wavcom& w = WAVCOM;
  const float depthScale = std::sqrt(t.DEPTH / w.G);
  float ke = w.WVK(i);
  float omegaE = w.W(i);
  float enhancement = 1.0f;
  float Cg = 0.0f;
  float fluxAngle = beta;
  if (t.LCURNT != 0) {
    const float U = currentSpeed(t.CURSPD);
    const float along = U * cosAlpha;
    const float across = U * sinAlpha;
    if (std::fabs(along) >= kSmallCurrent) {
      float K = 0.0f;
      WAVCURVEC(w.W(i) * depthScale, along / std::sqrt(w.G * t.DEPTH), K);
      if (K <= 0.0f) {
        d = 0.0f;
        return;
      }
      ke = K / t.DEPTH;
    }
    omegaE = w.W(i) - along * ke;
    Cg = GRPVEL(ke, omegaE, t.DEPTH, w.G);
    enhancement = 1.0f + 2.0f * along / Cg + U * U / (Cg * Cg);
    const float norm = Cg * std::sqrt(enhancement);
    fluxAngle = std::atan2(-across / norm, -(along + Cg) / norm);
    psi = fluxAngle + kPi;
  } else {
    Cg = GRPVEL(ke, omegaE, t.DEPTH, w.G);
    psi = 0.0f;
  }
  float coefficient = 0.0f;
  float factor = 1.0f;
  if (userFile != 0) {
    const float f = t.CURCOR == 0 ? w.W(i) : omegaE;
    coefficient = DRFTCB(f, 1, fluxAngle, t.EDUNIT, kKeyboardUnit, FNAME);
  } else {
    float kc = 0.0f;
    coefficient = CYLDFT(omegaE * depthScale, (PASCOM.MENWLX + PASCOM.MENWLY) / 4.0f, t.DRAFT, t.DEPTH, kc,
                         static_cast<float>(i), static_cast<float>(t.NWP), t.EDUNIT, kKeyboardUnit);
    const float Q = relativeMotionAt(kc, waveSystem);
    coefficient *= t.LEG_CYL_DFC != 0 ? Q : std::sqrt(Q);
    factor = 2.0f * Cg * std::sqrt(ke / w.G);
  }
  d = coefficient * enhancement * factor;
}

void G_FRC_PREP(const GFrcPrepArgs& args) {
  const GFrcPrepArgs::Out& out = args.out;
  const float* S = args.S;
  const DraftLevels levels = draftLevels(out.n);
  const int nwp = TPCM.NWP;
  const Wavcom& w = WAVCOM;
  const float dz = levels.dz;

  // The member's motion at every level and grid point: modulus and phase [rad], member phase apart.
  Arr<float, kGridPoints, kMaxLevels> modulus;
  Arr<float, kGridPoints, kMaxLevels> phase;
  for (int j = 1; j <= levels.n; ++j) {
    for (int i = 1; i <= nwp; ++i) {
      const Cplx M = motionAtLevel(args.HOR[i - 1], args.ANG[i - 1], levels.z(j), args.zc);
      modulus(i, j) = std::abs(M);
      phase(i, j) = PHASE(M) / kDegreesPerRadian;
    }
  }

  // Step 1 and 2: the relative velocity's spectrum at the waterline and at each level.
  float as[kGridPoints] = {};
  for (int i = 1; i <= nwp; ++i) {
    const float kappa = w.WVK(i) * args.xi;
    as[i - 1] = w.W(i) * S[i - 1] * (1.0f + modulus(i, 1) * std::sin(phase(i, 1) + kappa));
  }
  float m0j[kMaxLevels + 1] = {};
  float sigmaj[kMaxLevels + 1] = {};
  float y[kMaxLevels + 1] = {};  // the current over the random velocity at each level
  Moments I[kMaxLevels + 1];
  double sumG = 0.0;
  for (int j = 1; j <= levels.n; ++j) {
    float V[kGridPoints] = {};
    for (int i = 1; i <= nwp; ++i) {
      const double E = std::exp(static_cast<double>(w.WVK(i)) * levels.z(j));
      const double kappa = static_cast<double>(w.WVK(i)) * args.xi;
      V[i - 1] = static_cast<float>(w.W2(i) * S[i - 1] *
                                    (E * E + 2.0 * E * modulus(i, j) * std::sin(phase(i, j) + kappa) +
                                     static_cast<double>(modulus(i, j)) * modulus(i, j)));
    }
    m0j[j] = gridIntegral(V);
    sigmaj[j] = std::sqrt(m0j[j]);
    y[j] = currentAlongWave(levels.z(j), args.waveHeadingDeg) / sigmaj[j];
    I[j] = moments(y[j], args.N);
    sumG += levels.weight(j) * static_cast<double>(I[j].I1) * m0j[j];
  }
  const float y1 = y[1];

  // Steps 3 to 5.
  out.g(12) = gridIntegral(as) / (sigmaj[1] * args.sigma);
  out.g(1) = static_cast<float>(
      2.0 * m0j[1] * args.sigma * out.g(12) *
      (2.0 * std::exp(-0.5 * y1 * y1) + kSqrtTwoPiFloatDigits * y1 * RH_ERF(y1 / 1.4142135f, args.N)) /
      kSqrtTwoPiFloatDigits);
  out.g(2) = static_cast<float>(dz * sumG / kThreeSqrtTwoPi);

  // Step 6: the member's share of the wave-drift force.
  float d[kGridPoints] = {};
  float psi[kGridPoints] = {};
  float along[kGridPoints] = {};
  float across[kGridPoints] = {};
  float direction = 0.0f;  // a grid point without a wave number keeps the direction before it
  for (int i = 1; i <= nwp; ++i) {
    DFC_ALIGN(d[i - 1], direction, i, args.userFile, args.FNAME, args.cosAlpha, args.sinAlpha, args.beta, args.caller,
              args.waveSystem);
    psi[i - 1] = direction;
    along[i - 1] = S[i - 1] * d[i - 1] * std::cos(direction);
    across[i - 1] = S[i - 1] * d[i - 1] * std::sin(direction);
  }
  out.g(3) = gridIntegral(along);
  out.g(4) = gridIntegral(across);
  out.g(5) = std::atan2(out.g(4), out.g(3));
  if (args.mode == 0) return;

  // Step 7.
  const Moments& I1s = I[1];
  out.g(6) = static_cast<float>(m0j[1] * static_cast<double>(I1s.I2) * I1s.I2 * gv(out.dw, as) / kPiFourteenDecimals);
  out.g(8) = gv(out.dw, along);
  out.g(11) = static_cast<float>(2.0 * sigmaj[1] * I1s.I2 * gv2(out.dw, along, as) / kSqrtTwoPiFloatDigits);

  // Step 8: the correlation of the drag at every pair of levels.
  double sum7 = 0.0;
  for (int j = 1; j <= levels.n; ++j) {
    for (int l = 1; l <= j; ++l) {
      float c[kGridPoints] = {};
      for (int i = 1; i <= nwp; ++i) {
        c[i - 1] = S[i - 1] * w.W2(i) *
                   std::sqrt(RAOFUN_Z(w.WVK(i), args.xi, levels.z(j), levels.z(l), modulus(i, j), phase(i, j),
                                      modulus(i, l), phase(i, l)));
      }
      const double K = 0.5 * (static_cast<double>(I[j].I3) * I[l].I3 - 5.0 * static_cast<double>(I[j].I1) * I[l].I1) +
                       static_cast<double>(I[j].I4) * I[l].I1 + static_cast<double>(I[l].I4) * I[j].I1;
      const double C = K * gv(out.dw, c);
      const double weights = static_cast<double>(levels.weight(j)) * levels.weight(l);
      sum7 += (l == j ? 1.0 : 2.0) * weights * C;  // the table is symmetric
    }
  }
  out.g(7) = static_cast<float>(static_cast<double>(dz) * dz * sum7 / 56.548668);

  // Step 9.
  float rs[kGridPoints] = {};
  for (int i = 1; i <= nwp; ++i) rs[i - 1] = REL_RAO(w.WVK(i), 0.0f, args.xi, modulus(i, 1), phase(i, 1));
  double sum9 = 0.0;
  double sum10 = 0.0;
  for (int j = 1; j <= levels.n; ++j) {
    float a[kGridPoints] = {};
    float b[kGridPoints] = {};
    float c[kGridPoints] = {};
    for (int i = 1; i <= nwp; ++i) {
      const float r = REL_RAO(w.WVK(i), levels.z(j), args.xi, modulus(i, j), phase(i, j));
      a[i - 1] = w.W(i) * S[i - 1] * r;
      b[i - 1] = w.W2(i) * S[i - 1] * rs[i - 1] * r;
      c[i - 1] = w.W(i) * S[i - 1] * std::sqrt(std::fabs(d[i - 1] * std::cos(psi[i - 1]))) * r;
    }
    const double delta = static_cast<double>(I[j].I3) - I[j].I1;
    sum9 += levels.weight(j) * delta * gv2(out.dw, a, b);
    sum10 += levels.weight(j) * delta * gv2(out.dw, c, c);
  }
  out.g(9) = static_cast<float>(sigmaj[1] * static_cast<double>(I1s.I2) * dz * sum9 / 18.849556);
  out.g(10) = static_cast<float>(dz * sum10 / kThreeSqrtTwoPi);
}

void DRAGF_SEMI(std::int32_t mode, std::int32_t component, float beta, const float* S, float& dw, float& drag,
                float& damping, std::int32_t waveSystem, float* work9, float* work10, float* work11, float* work12,
                float* work13) {
  const Tpcm& t = TPCM;
  const Wavcom& wv = WAVCOM;
  const Pascom& pc = PASCOM;
  const float heading = waveHeading(waveSystem);

  // The wave system's statistics. A system without energy has no drag or damping to give.
  const float m0 = gridIntegral(S);
  if (!(m0 > 0.0f)) {
    drag = 0.0f;
    damping = 0.0f;
    return;
  }
  const float sigma = std::sqrt(m0);
  float peak = 0.0f, peakPeriod = 0.0f;
  std::int32_t ip = 0, last = 0, up = 0, low = 0;
  PSDPEK(S, &wv.W(1), peak, peakPeriod, ip, last, 1, up, low);
  const float omegaP = kTwoPi / peakPeriod;
  const float GV = gv(dw, S);

  const std::int32_t model = NIBVAL(t.LWVCOF, component, t.EDUNIT);
  const std::int32_t userFile = model == kDriftUserFile ? 1 : 0;
  const Text<13> FNAME = userFile != 0 ? driftCoefficientFile(t.CREATR, t.ISPM) : makeText<13>("Not Defined");

  const float zc = (pc.VTCRPS + pc.VTCRRS) * 0.5f;
  checkRotationCentres(zc);

  float cosAlpha = 1.0f, sinAlpha = 0.0f, tanAlpha = 0.0f;
  if (t.LCURNT != 0) {
    // The current's angle to the wave, from the two headings themselves: it must not depend on the
    // vessel heading the caller is trying, nor on where the heading search happens to stand.
    const float alpha = (t.CURHDG - heading) / kDegreesPerRadian;
    cosAlpha = std::cos(alpha);
    sinAlpha = std::sin(alpha);
    tanAlpha = sinAlpha / cosAlpha;
  }
  float along = 0.0f;
  float Q = kNotRandom;
  if (t.LCURNT != 0 && t.CURSPD != 0.0f) {
    along = currentSpeed(t.CURSPD) * cosAlpha;
    Q = sigma * omegaP / along;
  }

  float kd = 0.0f;
  WAVVEC(omegaP * std::sqrt(t.DEPTH / wv.G), kd);
  const float k = kd / t.DEPTH;
  const float R = pc.HRAO(ip, waveSystem);

  float L = 0.0f, F = 0.0f;
  componentScales(component, L, F);
  const bool modern = t.LEGDRG == 0;
  const float A = modern ? 0.0005f * t.DWATR * L / wv.G : 0.0f;
  const float Aprime = modern ? 0.0005f * t.DWATR / wv.G : 0.0f;
  const float B = 0.001f * t.DWATR * L;
  const float Bprime = 0.001f * t.DWATR;

  Member members[kMaxHullMembers];
  const int memberCount = piercingMembers(k, beta, R, members);
  const Cplx* HOR = &pc.HOR_WAV_RAO(1, waveSystem);
  const Cplx* ANG = &pc.ANG_WAV_RAO(1, waveSystem);
  const float scale = m0 * omegaP * omegaP;  // m0 omega_p^2: the wave velocity's variance times m0

  // The drag pass.
  double D = 0.0, SP = 0.0, S1 = 0.0, S2 = 0.0;
  Arr<float, 12> g{};
  for (int j = 0; j < memberCount; ++j) {
    const Member& m = members[j];
    D += 2.0 * m.r;
    SP += m.w * FCF_SURF_PRP(Q, R, m.phi, m.c, kGaussPoints);
    int n = kLevelCount;
    G_FRC_PREP({.mode = 0, .S = S, .sigma = sigma, .xi = m.xi, .zc = zc, .HOR = HOR, .ANG = ANG, .N = kGaussPoints,
                .userFile = userFile, .FNAME = FNAME, .beta = beta, .caller = kCaller, .cosAlpha = cosAlpha,
                .sinAlpha = sinAlpha, .waveHeadingDeg = heading, .waveSystem = waveSystem,
                .out = {.dw = dw, .g = g, .n = n}});
    S1 += m.w * g(1);
    S2 += m.w * g(2);
  }
  if (S1 == 0.0 && S2 == 0.0) {
    drag = 0.0f;
    damping = 0.0f;
    return;
  }
  const float aP = static_cast<float>(A * sigma * scale * tanAlpha * SP / D);
  const float aG = static_cast<float>(A * (S1 + S2) / D);
  const float psi = modern ? std::atan2(B * g(4) + aP, aG) : 0.0f;
  const float cpsi = std::cos(beta + psi);
  const float spsi = std::sin(beta + psi);
  float e1 = 0.0f, e2 = 0.0f;
  if (component == 1) {
    e1 = -cpsi;
    e2 = spsi;
  } else if (component == 2) {
    e1 = -spsi;
    e2 = -cpsi;
  }
  drag = F * (aG * e1 + aP * e2);
  if (mode == 0) return;

  // The damping pass.
  if (work13[0] != 0.0f) {
    for (float* work : {work9, work10, work11, work12}) std::fill(work, work + 24, 0.0f);
  }
  double Sd = 0.0, Ss = 0.0, Sp = 0.0, N3 = 0.0;
  double T[3] = {0.0, 0.0, 0.0};
  double ref[3] = {0.0, 0.0, 0.0};
  bool haveReference = false;
  for (int j = 0; j < memberCount; ++j) {
    const Member& m = members[j];
    int n = kLevelCount;
    Sd += m.w * GISUB_Z(HOR[ip - 1], ANG[ip - 1], m.phi, zc, kGaussPoints, heading, sigma, omegaP, k, n) /
          (scale * t.DRAFT);
    Ss += m.w * GISURF(Q, R, m.phi, m.c, kGaussPoints);
    Sp += m.w * GISURF_PRP(Q, R, m.phi, m.c, kGaussPoints);
    n = kLevelCount;
    G_FRC_PREP({.mode = 1, .S = S, .sigma = sigma, .xi = m.xi, .zc = zc, .HOR = HOR, .ANG = ANG, .N = kGaussPoints,
                .userFile = userFile, .FNAME = FNAME, .beta = beta, .caller = kCaller, .cosAlpha = cosAlpha,
                .sinAlpha = sinAlpha, .waveHeadingDeg = heading, .waveSystem = waveSystem,
                .out = {.dw = dw, .g = g, .n = n}});
    const double diameter = 2.0 * m.r;
    const double Cq = static_cast<double>(m.w * Aprime) * (m.w * Aprime) * t.VWDRGFC;
    const double Cl = 2.0 * t.VWDFAC * (diameter * Bprime) * (diameter * Bprime);
    const double Cx = std::sqrt(static_cast<double>(t.VWDFAC) * t.VWDRGFC) * Aprime * Bprime * m.w * diameter;
    double u[3];
    u[0] = Cl * g(8);
    u[1] = Cq * (g(6) + g(7) + 2.0 * g(9));
    u[2] = u[0] + u[1] + 2.0 * Cx * (g(10) + g(11));
    N3 += u[2];
    if (!haveReference) {
      for (int q = 0; q < 3; ++q) ref[q] = u[q];
      haveReference = true;
    }
    // Each member adds its amplitude to the others' as if fully correlated. A member whose term has
    // the opposite sign to the first member's has no real amplitude and adds nothing.
    for (int q = 0; q < 3; ++q) {
      if (ref[q] > 0.0 && u[q] / ref[q] >= 0.0) T[q] += std::sqrt(u[q] / ref[q]);
    }
  }
  if (N3 == 0.0) {
    drag = 0.0f;
    damping = 0.0f;
    return;
  }
  const double dd = (t.DRAFT * A * scale * Sd + A * sigma * scale * Ss) / D;
  const double f = A * sigma * scale * tanAlpha * Sp / D;
  const double E = 2.0 * dd * dd * GV / (static_cast<double>(m0) * m0);
  const double Ep = 2.0 * f * f * GV / (static_cast<double>(m0) * m0);
  double X[3];
  for (int q = 0; q < 3; ++q) X[q] = T[q] * T[q] * ref[q];
  if (std::fabs(E) > std::fabs(X[1])) {
    X[1] = E;
    warnCorrelationUnderflow(component, waveSystem, g(12));
  }
  drag = static_cast<float>(t.VWDRGFC * (X[1] + Ep) * e1 * e1);
  damping = static_cast<float>(std::max(0.0, (X[2] - X[1] - X[0]) * e1 * e1));
}

}  // namespace qv

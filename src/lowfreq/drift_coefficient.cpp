#include "lowfreq/drift_coefficient.h"

#include <cmath>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "hull/pascom.h"
#include "lowfreq/column_drift.h"
#include "lowfreq/drift_common.h"
#include "lowfreq/drift_tables.h"
#include "lowfreq/hull_drift_models.h"
#include "lowfreq/wave_current.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "waves/wavcom.h"

namespace qv {

constinit DrftcState drftcState{};
const BlockReset resetDrftcState{[] { drftcState.reset(); }};

namespace {

constexpr float kSmallCurrent = 0.0001f;
constexpr float kReferenceKT = 0.67139286f;  // k DRAFT of the reference opacity

float componentFactor(int component) {
  const Tpcm& t = TPCM;
  return component == 1 ? t.WVFCX : component == 2 ? t.WVFCY : component == 3 ? t.WVFCM : 0.0f;
}

void setFlux(DrftcState& s, float angle, float sine, float cosine) {
  s.FLXANG1 = s.FLXANG2 = angle;
  s.SINFLX1 = s.SINFLX2 = sine;
  s.COSFLX1 = s.COSFLX2 = cosine;
}

// The values of one heading and component that do not change with frequency.
void setUpHeading(DrftcState& s, int component, std::int32_t userFile, std::int32_t model, float beta,
                  std::string_view caller) {
  const Tpcm& t = TPCM;
  const Equilb& e = EQUILB;
  const float g = WAVCOM.G;
  s.MODFLX = (userFile == 1 && t.CURCOR == 1 && t.VESTYP == kShipVessel) || model == kDriftTanker2001;
  s.FRQSCL = model == kDriftSemiLegacy ? kTwoPi / std::sqrt(t.LWL / g) : t.WPITCH;
  s.WKVAL = kReferenceKT / t.DRAFT;
  OPACITY(s.RELHALF, s.WKVAL, beta, t.LWL, t.BWL, t.DRAFT, e.BOWARM, e.STRNRM, e.BOWANG, e.STRNAN, component);
  s.WDCNST = std::sqrt(t.DEPTH / g);
  s.SINREL = std::sin(beta);
  s.COSREL = std::cos(beta);
  s.RELHDG = beta + kPi;
  s.SRWVHD = std::sin(s.RELHDG);
  s.CRWVHD = std::cos(s.RELHDG);
  if (t.LCURNT != 0) {
    s.TMPCSP = currentSpeed(t.CURSPD);
    s.TMPHDG = t.CURHDG / kDegreesPerRadian - e.VESANG;
    s.COSCURVES = std::cos(s.TMPHDG);
    s.SINCURVES = std::sin(s.TMPHDG);
    s.CURCMP = (userFile != 0 && t.CURCOR != 1) ? 0.0f : s.TMPCSP * std::cos(s.RELHDG - s.TMPHDG);
    s.CRXCMP2 = s.TMPCSP * s.COSCURVES;
    s.CRYCMP2 = s.TMPCSP * s.SINCURVES;
    // The current as the hull modifies it downstream and upstream of itself.
    s.CRXCMPDN = (2.288f * t.XCURNTDN * std::fabs(s.SINCURVES) + t.MUNKFAC1) * s.CRXCMP2;
    s.CRYCMPDN = -t.YCURNTDN * s.CRYCMP2;
    s.CRXCMPUP = (0.12f * t.XCURNTUP * std::fabs(s.SINCURVES) + t.MUNKFAC1) * s.CRXCMP2;
    s.CRYCMPUP = 0.0f;
  } else {
    s.CURCMP = s.CRXCMP1 = s.CRYCMP1 = s.CRXCMP2 = s.CRYCMP2 = s.TMPCSP = 0.0f;
  }
  if (t.LEGDFC == 1 && caller == "GRPSPD") s.CURCMP = 0.0f;
}

// How much of the current the hull modifies beside itself the waves meet, from the sine s of their
// flux direction in the undisturbed current: (s / s0)^2 up to s0, 1 beyond, where the model stands
// as it is. Waves that run along the hull meet the flow of both its sides alike, so the side on which
// the modified current lies is not defined for them: they refract in the undisturbed current, and
// the modified one takes over as they turn onto one side.
// s0 = 0.1, an incidence of about 6 degrees, is a modelling choice: small beside the incidences at
// which the side currents matter (a bow-quartering or beam sea), where the model is unchanged, and
// large enough that the blend spans a few degrees of heading rather than a fraction of one, which
// would again act as a very stiff yaw spring at head seas.
// The square, not s itself: the local current then departs from the undisturbed one by O(s^2), the
// transverse wave number grows as s and the flux angle stays proportional to the incidence, as
// Snell's law has it at small angles; the sway drift is odd, smooth and 0 at head and following seas.
// A weight linear in s would make the flux angle grow as sqrt(s) (an infinite yaw stiffness again);
// a switch at some small s jumps to the critical angle of grazing incidence wherever the modified
// current along the hull differs from the undisturbed one (a Munk factor below 1).
float besideHullWeight(float s) {
  constexpr float s0 = 0.1f;
  const float r = std::fabs(s) / s0;
  return r >= 1.0f ? 1.0f : r * r;
}

// The energy-flux direction refracted by the current beside the hull (sway and yaw of the models
// that ask for it): the wave keeps its wave number along the hull and takes the transverse one that
// the local current allows.
void refractBesideHull(DrftcState& s) {
  const float g = WAVCOM.G;
  const bool downstream = s.CRYCMP2 * s.SINFLX2 > 0.0f;
  const float weight = besideHullWeight(s.SINFLX2);
  const float modifiedX = downstream ? s.CRXCMPDN : s.CRXCMPUP;
  const float modifiedY = downstream ? s.CRYCMPDN : s.CRYCMPUP;
  s.CRXCMP1 = s.CRXCMP2 + weight * (modifiedX - s.CRXCMP2);
  s.CRYCMP1 = weight * modifiedY;
  const float stretch = ((s.CRXCMP2 - s.CRXCMP1) * s.CRWVHD + s.CRYCMP2 * s.SRWVHD) * 0.5f / s.GRPSPQ + 1.0f;
  const float REGN2FAC = stretch * stretch;
  const float WVK1Q = s.KCOMOV * REGN2FAC;
  const float WVK1X = s.CRWVHD * s.KCOMOV;
  const Localq LOCALQ{WVK1X / WVK1Q, s.CRYCMP1 * std::sqrt(WVK1Q / g)};
  float y = 0.0f;
  if (std::fabs(LOCALQ.ALPHAX) < 1.0f) {
    // -SIGN(1, SINFLX2), with SIGN(1, 0) = 1.
    const float side = s.SINFLX2 < 0.0f ? 1.0f : -1.0f;
    const float YC = side * std::sqrt(1.0f - LOCALQ.ALPHAX * LOCALQ.ALPHAX);
    if (LOCALQ.BETAX == 0.0f) {
      y = YC;
    } else {
      GETVKY(y, 2.0f * YC, TPCM.EDUNIT, kKeyboardUnit, LOCALQ);
    }
  }
  const float WVK1Y = WVK1Q * y;
  const float WVK1 = std::sqrt(WVK1X * WVK1X + WVK1Y * WVK1Y);
  const float GRPSP1 = 0.5f * std::sqrt(g / WVK1);
  const float VG1X = GRPSP1 * WVK1X / WVK1 + s.CRXCMP1;
  const float VG1Y = GRPSP1 * WVK1Y / WVK1;  // the transverse current is left out here
  s.FLXANG1 = std::atan2(-VG1Y, -VG1X);
  s.SINFLX1 = std::sin(s.FLXANG1);
  s.COSFLX1 = std::cos(s.FLXANG1);
}

// The angle factors of the component, from the flux direction of the heading's first frequency.
void setAngleFactors(DrftcState& s, int component, std::int32_t userFile, std::int32_t model) {
  const Equilb& e = EQUILB;
  switch (component) {
    case 1:
      s.SMNGFC = -s.COSFLX1;
      break;
    case 2:
      s.SINCUB = s.SINFLX1 * s.SINFLX1 * s.SINFLX1;
      s.SMNGFC = -s.SINFLX1;
      if (model == kDriftTankerLegacy) {
        s.FYENDK = ANGFC(2, s.FLXANG1, e.BOWANG, e.BLRAT0, e.COTBOW);
        s.FYBFAC = e.LEFRAT * s.SINCUB;
      }
      if (model == kDriftTanker2001) s.FYBFAC = e.LEFRT2;
      break;
    case 3:
      s.SMNGFC = 0.0f;
      if (model == kDriftTanker2001) s.CUBFC2 = (e.BOWARM - e.STRNRM) * e.LEFRT2;
      break;
    default:
      fatalStop("DRFTC", TPCM.EDUNIT, {" >>> LCOMP error in DRIFTF; contact Kestrin."}, FatalWait::kPressReturn);
  }
  s.ANGFCQ = 1.0f;
  if (userFile == 0 && model == kDriftTankerLegacy) {
    if (component == 1) s.ANGFCQ = ANGFC(1, s.FLXANG1, e.BOWANG, e.BLRAT0, e.COTBOW);
    if (component == 3) s.ANGFCQ = e.MOMCOF * ANGFC(3, s.FLXANG1, e.BOWANG, e.BLRAT0, e.COTBOW);
  }
  if (userFile == 0 && model == kDriftTanker2001 && component == 1) {
    s.ANGFCQ = ANGFC2(1, s.FLXANG2, e.BOWANG, e.STRNAN, e.BOWARM, e.STRNRM, e.BLRAT0, e.COTBOW, e.COTSTN);
  }
}

float angfc2(int IC, float theta) {
  const Equilb& e = EQUILB;
  return ANGFC2(IC, theta, e.BOWANG, e.STRNAN, e.BOWARM, e.STRNRM, e.BLRAT0, e.COTBOW, e.COTSTN);
}

// The tanker models, legacy and 2001, at the nondimensional frequency X.
float tankerCoefficient(const DrftcState& s, int component, std::int32_t model, float beta, float X) {
  const Tpcm& t = TPCM;
  const Equilb& e = EQUILB;
  float R = 1.0f;
  if (model == kDriftTanker2001) {
    float opacity = 0.0f;
    OPACITY(opacity, s.KCOMOV, beta, t.LWL, t.BWL, t.DRAFT, e.BOWARM, e.STRNRM, e.BOWANG, e.STRNAN, component);
    R = opacity / s.RELHALF;
  }
  const float sideSquare = s.SINFLX1 * std::fabs(s.SINFLX1);
  switch (component) {
    case 1:
      return DRFTCA(1, X, t.WVFCX, model, R);
    case 2:
      if (model == kDriftTankerLegacy) {
        return s.FYENDK * DRFTCA(1, X, t.WVFCX, kDriftTankerLegacy, R) -
               s.FYBFAC * DRFTCA(2, X, t.WVFCY, kDriftTankerLegacy, R);
      }
      return (angfc2(2, s.FLXANG1) - s.FYBFAC * sideSquare) * DRFTCA(2, X, t.WVFCY, kDriftTanker2001, R);
    case 3:
      if (model == kDriftTankerLegacy) return DRFTCA(3, X, t.WVFCM, kDriftTankerLegacy, R);
      return angfc2(3, s.FLXANG1) * DRFTCA(3, X, t.WVFCM, kDriftTanker2001, R) -
             s.CUBFC2 * sideSquare * DRFTCA(2, X, t.WVFCY, kDriftTanker2001, R);
    default:
      return 0.0f;
  }
}

// The spar and the 2001 semi: the vertical cylinder of the hull's waterline extent across the
// component, scaled by the hull's relative motion. The component factor enters twice.
float cylinderCoefficient(const DrftcState& s, int component, int i, std::int32_t waveSystem, float X) {
  if (component == 3) return 0.0f;
  const Tpcm& t = TPCM;
  const float F = componentFactor(component);
  float L = 0.0f;
  if (t.SEMI_LIKE != 0) {
    L = component == 1 ? PASCOM.MENWLX : PASCOM.MENWLY;
  } else {
    L = component == 1 ? t.BWL : t.LWL;
  }
  float k = 0.0f;
  const float coefficient = CYLDFT(X, L / 2.0f, t.DRAFT, t.DEPTH, k, static_cast<float>(i),
                                   static_cast<float>(t.NWP), t.EDUNIT, kKeyboardUnit);
  const float Q = relativeMotionAt(k, waveSystem);
  const float M = t.LEG_CYL_DFC != 0 ? Q : std::sqrt(Q);
  return M * F * coefficient * F * s.SMNGFC;
}

}  // namespace

float DRFTC(int component, int i, std::int32_t userFile, std::int32_t model, const Text<13>& FNAME, float beta,
            std::int32_t& firstCall, std::string_view caller, std::int32_t waveSystem) {
  DrftcState& s = drftcState;
  const Tpcm& t = TPCM;
  const Wavcom& w = WAVCOM;
  const bool first = firstCall != 0;
  if (first) setUpHeading(s, component, userFile, model, beta, caller);

  bool fluxIsBeta = true;
  if (t.LCURNT != 0) {
    if (std::fabs(s.CURCMP) >= kSmallCurrent) {
      float kd = 0.0f;
      WAVCURVEC(w.W(i) * s.WDCNST, s.CURCMP / std::sqrt(w.G * t.DEPTH), kd);
      if (kd <= 0.0f) return 0.0f;
      s.KCOMOV = kd / t.DEPTH;
    } else {
      s.KCOMOV = w.WVK(i);
    }
    s.WCOMOV = w.W(i) - s.CURCMP * s.KCOMOV;
    s.GRPSPQ = GRPVEL(s.KCOMOV, s.WCOMOV, t.DEPTH, w.G);
    if (userFile != 0 && t.CURCOR != 1) {
      s.WTMP = w.W(i);
      s.CRNHNC = 1.0f;
    } else {
      s.WTMP = s.WCOMOV;
      s.CRNHNC = 1.0f + 2.0f * s.CURCMP / s.GRPSPQ;
      if (t.LEGDFC == 0) {
        fluxIsBeta = false;
        s.CRNHNC += s.TMPCSP * s.TMPCSP / (s.GRPSPQ * s.GRPSPQ);
        const float norm = s.GRPSPQ * std::sqrt(s.CRNHNC);
        s.SINFLX2 = -(s.GRPSPQ * s.SRWVHD + s.CRYCMP2) / norm;
        s.COSFLX2 = -(s.GRPSPQ * s.CRWVHD + s.CRXCMP2) / norm;
        s.FLXANG2 = std::atan2(s.SINFLX2, s.COSFLX2);
        setFlux(s, s.FLXANG2, s.SINFLX2, s.COSFLX2);
        if ((component == 2 || component == 3) && s.MODFLX) refractBesideHull(s);
      }
    }
  } else {
    s.WCOMOV = s.WTMP = w.W(i);
    s.KCOMOV = w.WVK(i);
    s.CRNHNC = 1.0f;
    s.GRPSPQ = GRPVEL(s.KCOMOV, s.WCOMOV, t.DEPTH, w.G);
  }
  if (fluxIsBeta && first) setFlux(s, beta, std::sin(beta), std::cos(beta));
  if (first) {
    setAngleFactors(s, component, userFile, model);
    firstCall = 0;
  }

  float c = 0.0f;
  if (userFile != 0) {
    if (t.CURCOR == 0) s.WTMP = w.W(i);
    s.SWATFC = 1.0f;
    c = componentFactor(component) * DRFTCB(s.WTMP, component, s.FLXANG1, t.EDUNIT, kKeyboardUnit, FNAME);
  } else {
    s.SWATFC = 2.0f * std::sqrt(s.KCOMOV / w.G) * s.GRPSPQ;
    switch (model) {
      case kDriftSemiLegacy:
        c = componentFactor(component) * s.SMNGFC * SEMDFT(component, s.WTMP / s.FRQSCL, t.XSHDOW, t.YSHDOW);
        break;
      case kDriftTankerLegacy:
      case kDriftTanker2001:
        c = tankerCoefficient(s, component, model, beta, s.WTMP / s.FRQSCL);
        break;
      case kDriftBuoy:
        if (component != 3) {
          float kd = 0.0f;
          WAVVEC(s.WTMP * s.WDCNST, kd);
          const float k = kd / t.DEPTH;
          c = componentFactor(component) * 0.33333f * s.SMNGFC * (1.0f + std::tanh(0.5f * k * t.LWL - 3.5f));
        }
        break;
      case kDriftSpar:
      case kDriftSemi2001:
        c = cylinderCoefficient(s, component, i, waveSystem, s.WTMP * s.WDCNST);
        break;
      default:
        warnWithAbortQuestion("DRFTC", {"", " ++> Warning: Drift forces for this vessel type are not implemented.", ""});
        break;
    }
  }
  return c * s.ANGFCQ * s.CRNHNC * s.SWATFC;
}

}  // namespace qv

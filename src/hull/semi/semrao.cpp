// SEMRAO: the dimensionless forces of SEMFRC(5) turned in place into the motion RAOs of the heading
// in hand, one uncoupled oscillator per mode at the encounter frequency. Heave, pitch and roll have
// restoring (or, without it, respond as a free body); surge, sway and yaw are free. With quasi-linear
// forces the drag damping is in the forces already, so only the user's damping enters here.
#include <cmath>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_common.h"
#include "hull/semi/simcom.h"
#include "numlib/circle_constants.h"
#include "waves/wavcom.h"

namespace qv {

namespace {


// The stiffness of a mode turned into the restoring of the hull's own metacentric height (a user's
// natural period or tendons change the restoring that the forces were scaled with).
float restoringFactor(bool changed, float own, float restoring) { return changed ? own / restoring : 1.0f; }

// The damping term of a mode: none with quasi-linear forces unless the user gave it.
float dampingTerm(float GAM, float WE, float W, std::int32_t userDamping) {
  if (TPCM.SQLFRC == 1 && userDamping != 1) return 0.0f;
  return GAM * WE * W;
}


}  // namespace

void SEMRAO() {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const Simcom& m = SIMCOM;
  const float G = WAVCOM.G;
  const bool tendons = semi::tensionLeg();
  const float PF = restoringFactor(t.LPTPRD == 1 || tendons, G * std::fabs(h.GML) * h.DELTA, h.PRMT);
  const float RF = restoringFactor(t.LRLPRD == 1 || tendons, G * std::fabs(h.GMT) * h.DELTA, h.RRMT);
  const float HF = restoringFactor((t.LHVPRD == 1 || tendons) && t.TAWP > 0.0f, G * t.TAWP, h.HC);
  const float SURGF = G / (h.CSG + 1.0f);
  const float SWAYF = G / (h.CSW + 1.0f);
  const float YAWF = G * h.GML * h.DELTA / h.YAWI;
  const float WH2 = h.WH * h.WH;
  const float WP2 = h.WP * h.WP;
  const float WR2 = h.WR * h.WR;
  const float GD = G / std::pow(h.DELTA, 0.33333334f);
  const float UC = t.VFWD * std::cos((h.REDANG(WAVCOM.IRAO) - t.VGLDIR) / kDegreesPerRadian);

  const int last = wavePoints();
  for (h.IW = 1; h.IW <= last; ++h.IW) {
    INDXUP();
    const float k = h.RLDUM(h.LWK);
    const float WE = h.RLDUM(h.LW) - k * UC;
    const Complex WE2(WE * WE, 0.0f);

    Complex& heave = h.CXDUM(h.LHV);
    heave = h.WH <= 0.0f ? semi::responseOperator(-heave * GD, WE2, Mode::kHeave)
                         : semi::responseOperator(WH2 * heave, Complex(WH2 - WE * WE, dampingTerm(m.GAMHV, WE, h.WH, t.LHVDMP)),
                                   Mode::kHeave);
    Complex& surge = h.CXDUM(h.LSG);
    surge = semi::responseOperator(-surge * SURGF * k, WE2, Mode::kSurge);
    Complex& sway = h.CXDUM(h.LSW);
    sway = semi::responseOperator(-sway * SWAYF * k, WE2, Mode::kSway);
    Complex& pitch = h.CXDUM(h.LPT);
    pitch = h.WP <= 0.0f ? semi::responseOperator(-pitch * k * GD, WE2, Mode::kPitch)
                         : semi::responseOperator(k * WP2 * pitch, Complex(WP2 - WE * WE, dampingTerm(m.GAMPT, WE, h.WP, t.LPTDMP)),
                                   Mode::kPitch);
    Complex& roll = h.CXDUM(h.LRL);
    roll = h.WR <= 0.0f ? semi::responseOperator(-roll * k * GD, WE2, Mode::kRoll)
                        : semi::responseOperator(k * WR2 * roll, Complex(WR2 - WE * WE, dampingTerm(m.GAMRL, WE, h.WR, t.LRLDMP)),
                                  Mode::kRoll);
    Complex& yaw = h.CXDUM(h.LYA);
    yaw = semi::responseOperator(-yaw * YAWF * k, WE2, Mode::kYaw);

    heave *= HF;
    roll *= RF;
    pitch *= PF;
  }
}

}  // namespace qv

// SHPRAO: the exciting forces of the heading in hand turned in place into motion RAOs, one uncoupled
// oscillator per mode at the encounter frequency. Heave, pitch and roll have restoring terms and
// take the user's natural period (stiffness ratio) or damping where given; surge, sway and yaw are
// free modes with wave damping only.
#include <cmath>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/rao_guard.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_common.h"
#include "hull/ship/ship_fits.h"
#include "numlib/circle_constants.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

// numerator / ((C - WE2) + i B WE) of a mode with restoring C and damping B, through the rule for a
// zero denominator.
Complex restoredMode(Complex numerator, float C, float B, float WE, float WE2, Mode mode) {
  return guardedRao(numerator, Complex(C - WE2, B * WE), HullKind::kShip, mode, TPCM.T(HIMEM.IW));
}

}  // namespace

void SHPRAO() {
  Himem& h = HIMEM;
  const float UC = TPCM.VFWD * std::cos((h.REDANG(WAVCOM.IRAO) - TPCM.VGLDIR) / kDegreesPerRadian);
  const float G = WAVCOM.G;
  for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
    INDXUP();
    const float w = h.RLDUM(h.LW);
    const float k = h.RLDUM(h.LWK);
    const float WE = ship::encounterFrequency(w, k, UC);
    const float WE2 = WE * WE;
    const float XL = k * h.XSCALE;
    const float XB = k * h.YSCALE;
    const float period = TPCM.T(h.IW);

    float AH = 0.0f, AP = 0.0f, BH = 0.0f, BP = 0.0f;
    DPMAS0(AH, AP, BH, BP, WE, XL, h.HCONST, h.IHI, h.HMSRAT, h.PCONST, h.PMAS0, h.PMSRAT);
    if (TPCM.VFWD != 0.0f) DAMMAS(AH, AP, BH, BP, WE2, ship::speedThroughWater());

    // A user's natural period sets the stiffness ratio; the fitted added mass still scales the
    // wave damping.
    const float MH = h.HVM1 + AH;
    const float CH = TPCM.LHVPRD != 0 ? h.WH * h.WH : h.HC / MH;
    const float BHV = TPCM.LHVDMP != 0 ? 0.02f * TPCM.HVDAMP * h.WH : BH / MH;
    Complex& heave = h.CXDUM(h.LHV);
    heave = restoredMode(heave * CH, CH, BHV, WE, WE2, Mode::kHeave);

    const float MP = h.PTCH1 + AP;
    const float BPT = TPCM.LPTDMP != 0 ? 0.02f * TPCM.PTDAMP * h.WP : BP / MP;
    const float CP = TPCM.LPTPRD != 0 ? h.WP * h.WP : h.PRMT / MP;
    Complex& pitch = h.CXDUM(h.LPT);
    pitch = restoredMode(pitch * k * CP, CP, BPT, WE, WE2, Mode::kPitch);

    // The free modes: no restoring, damping from the surge fit at the length scale for both.
    const Complex surgeDenominator(-WE2 * (1.0f + h.CSG), WE2 * h.CSG * SDMP(XL));
    const Complex swayDenominator(-WE2 * (1.0f + h.CSW), WE2 * h.CSW * SDMP(XL));
    Complex& surge = h.CXDUM(h.LSG);
    surge = guardedRao(surge * G * k, surgeDenominator, HullKind::kShip, Mode::kSurge, period);
    Complex& sway = h.CXDUM(h.LSW);
    sway = guardedRao(sway * G * k, swayDenominator, HullKind::kShip, Mode::kSway, period);
    Complex& yaw = h.CXDUM(h.LYA);
    yaw = guardedRao(yaw * k * (h.PRMT / h.YAWI), swayDenominator, HullKind::kShip, Mode::kYaw, period);

    // No bilge-keel term in the roll inertia here; the damping is the calibrated ratio of the
    // heading.
    const float MR = h.ROL1 + h.RMAS0 * RMAS(XB);
    const float CR = TPCM.LRLPRD != 0 ? h.WR * h.WR : h.RRMT / MR;
    const float BR = TPCM.LRLDMP != 0 ? 0.02f * TPCM.RLDAMP * h.WR : h.GAMRLI * h.WR;
    Complex& roll = h.CXDUM(h.LRL);
    roll = restoredMode(roll * k * CR, CR, BR, WE, WE2, Mode::kRoll);
  }
}

}  // namespace qv

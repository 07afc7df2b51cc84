// DSKRAO: the disc's motion RAOs, one uncoupled oscillator per mode with the added mass at each grid
// point's own wave number, the restoring and damping of the characteristics (with the mooring's terms
// under feedback) and the encounter frequency of a moving buoy. Under feedback the surge RAO is then
// corrected against the lines' tabulated work: the linear spring's energy at the design amplitude is
// matched on the real, stiffening work curve.
#include <cmath>
#include <cstdint>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/disc/disc_fits.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/nlncor.h"
#include "hull/rao_guard.h"
#include "mooring/lincom.h"
#include "numlib/circle_constants.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr int kTableSteps = 90;  // points of the line work table

// One oscillator: the RAO force S / ((wn^2 - we^2) + i b we), written over the force in place.
void oscillator(std::int32_t at, Mode mode, float S, float wn2, float b, float we) {
  Himem& h = HIMEM;
  h.CXDUM(at) = guardedRao(h.CXDUM(at) * S, Complex(wn2 - we * we, b * we), HullKind::kDisc, mode, TPCM.T(h.IW));
}

// The factor c / a of the surge correction for the design amplitude a: c the amplitude at which the
// lines' work equals the energy 0.5 K a^2 of the linear surge spring K. The table is read in steps of
// WVOFST(1), the one step the characteristics store. An energy beyond the table leaves the RAO.
float surgeCorrection(float a) {
  const Tpcm& t = TPCM;
  const Lincom& lc = LINCOM;
  if (!(a > 0.0f)) return 1.0f;
  // A user's surge period stands in SGK; its spring is the one that period means.
  float K = t.SGK;
  if (t.LSGPRD == 1) {
    const float w = kTwoPi / t.SGK;
    K = WAVCOM.RHOWTR * HIMEM.SGMAS * w * w;
  }
  const float energy = 0.5f * K * a * a;
  if (!(energy <= lc.WFERGF(kTableSteps))) return 1.0f;
  float c = a;
  int interval = 0;
  NLNCOR(lc.WFERGF.data(), 0.0f, lc.WVOFST.data(), a, c, K, 0.0f, 0.0f, kTableSteps, interval, 0, t.EDUNIT);
  if (std::fabs(c) > std::fabs(a)) c = a;
  return c / a;
}

}  // namespace

void DSKRAO() {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const float rho = WAVCOM.RHOWTR;
  const bool feedback = t.MORFBK != 0;
  const float chi = (h.REDANG(WAVCOM.IRAO) - t.VGLDIR) / kDegreesPerRadian;
  const float v = t.VFWD * std::cos(chi);
  for (h.IW = 1; h.IW <= t.NWP; ++h.IW) {
    INDXUP();
    const float w = h.RLDUM(h.LW);
    const float k = h.RLDUM(h.LWK);
    const float we = w - k * v;
    const float x = k * h.XSCALE;
    const float Ap = PMASD(x) * h.PCONST;
    const float Ar = RMASD(x) * h.PCONST;
    const float Ah = HMASD(x) * h.HCONST;

    // Heave.
    const float Mh = h.HVM1 + Ah + h.SKAMHV;
    const float Kh = feedback ? h.HC + t.HVK / rho : h.HC;
    const float gh = feedback ? h.GAMHEV + t.HVMDMP / (rho * h.WH * h.HVMAS) : h.GAMHEV;
    oscillator(h.LHV, Mode::kHeave, h.HC / Mh, t.LHVPRD == 0 ? Kh / Mh : h.WH * h.WH,
               t.LHVDMP == 0 ? gh * h.WH : 0.02f * t.HVDAMP * h.WH, we);

    // Pitch.
    const float Mp = h.PTCH1 + Ap + h.SKAMRL;
    const float Kp = feedback ? h.PRMT + t.PTK / rho : h.PRMT;
    const float gp = feedback ? h.GAMPIT + t.PTMDMP / (rho * h.WP * h.PTCHI) : h.GAMPIT;
    oscillator(h.LPT, Mode::kPitch, k * h.PRMT / Mp, t.LPTPRD == 0 ? Kp / Mp : h.WP * h.WP,
               t.LPTDMP == 0 ? gp * h.WP : 0.02f * t.PTDAMP * h.WP, we);

    h.CXDUM(h.LYA) = Complex(0.0f, 0.0f);

    // Surge and sway: without feedback no restoring, and the wave damping of the surge fit.
    const float gravityS = k * WAVCOM.G / (1.0f + h.CSG);
    const float gravityW = k * WAVCOM.G / (1.0f + h.CSW);
    if (feedback) {
      oscillator(h.LSG, Mode::kSurge, gravityS, t.LSGPRD == 0 ? t.SGK / (rho * h.SGMAS) : h.WSG * h.WSG,
                 t.LSGDMP == 0 ? h.GAMSRG * h.WSG : 0.02f * t.SGMDMP * h.WSG, we);
      oscillator(h.LSW, Mode::kSway, gravityW, t.LSWPRD == 0 ? t.SWK / (rho * h.SGMAS) : h.WSW * h.WSW,
                 t.LSWDMP == 0 ? h.GAMSWY * h.WSW : 0.02f * t.SWMDMP * h.WSW, we);
    } else {
      const float b = SDMPD(x) * we * h.HCONST / h.SGMAS;
      oscillator(h.LSG, Mode::kSurge, gravityS, 0.0f, b, we);
      oscillator(h.LSW, Mode::kSway, gravityW, 0.0f, b, we);
    }

    // Roll.
    const float Mr = h.ROL1 + Ar + h.SKAMRL;
    const float Kr = feedback ? h.RRMT + t.RLK / rho : h.RRMT;
    const float gr = feedback ? h.GAMROL + t.RLMDMP / (rho * h.WR * h.ROLI) : h.GAMROL;
    oscillator(h.LRL, Mode::kRoll, k * h.RRMT / Mr, t.LRLPRD == 0 ? Kr / Mr : h.WR * h.WR,
               t.LRLDMP == 0 ? gr * h.WR : 0.02f * t.RLDAMP * h.WR, we);

    if (feedback) h.CXDUM(h.LSG) *= surgeCorrection(std::abs(h.CXDUM(h.LSG)) * WAVCOM.XTRMWV);
  }
}

}  // namespace qv

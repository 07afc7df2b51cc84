#include "lowfreq/drag.h"

#include <cmath>
#include <string_view>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/pascom.h"
#include "lowfreq/drift_coefficient.h"
#include "lowfreq/drift_common.h"
#include "lowfreq/drift_force.h"
#include "lowfreq/force_coefficients.h"
#include "lowfreq/semi_drag.h"
#include "lowfreq/sines.h"
#include "lowfreq/user_coefficients.h"
#include "util/fatal.h"
#include "util/packed_flags.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::int32_t kCylindricalVesselEverywhere = sameModelInAllDirections(kCurrentCylinder);

// The current coefficient of the component at BETA, times the data set's current factor.
float currentCoefficient(std::int32_t IDOF, float BETA) {
  const Tpcm& t = TPCM;
  const std::int32_t code = t.VESTYP == kShipVessel ? t.LCBARG : kCylindricalVesselEverywhere;
  TRIGLD(BETA);
  float CC = CRNTCF(IDOF, code, t.DFTPCT, t.BOWCUR, SINES.HOVERD, BETA, t.TXCURA, t.TYCURA, t.XCARM, t.YCARM, t.LWL,
                    t.BWL, t.EDUNIT, t.ISPM, t.CREATR) *
             t.CURFAC;
  // A discus buoy is round: only the direction of the current force is taken from the model.
  if (t.VESTYP == kDiscBuoy) CC = CC < 0.0f ? -1.0f : 1.0f;
  return CC;
}

// The relative-motion operator of the component at grid point i.
float relativeMotion(std::int32_t IDOF, int i, std::int32_t IWAVID) {
  const Pascom& p = PASCOM;
  switch (IDOF) {
    case 1:
      return p.RLRAO2(i, IWAVID);
    case 2:
      return p.FDRGLAT(i, IWAVID);
    default:
      return p.MDRGLAT(i, IWAVID);
  }
}

}  // namespace

void DRAGF_SHIP(std::int32_t MODE, std::int32_t IDOF, float BETA, const float* PSD, float& DW, float& OUT1,
                float& OUT2, std::int32_t IWAVID) {
  const Tpcm& t = TPCM;
  const std::int32_t model = NIBVAL(t.LWVCOF, IDOF, t.EDUNIT);
  const std::int32_t userFile = model == kDriftUserFile ? 1 : 0;
  const Text<13> FNAME = userFile == 1 ? driftCoefficientFile(t.CREATR, t.ISPM) : makeText<13>("Not Defined");
  if (IWAVID < 1 || IWAVID > 3) {
    fatalStop("DRAGF_SHIP", t.EDUNIT, {" =+> Invalid IWAVID in dragf.f"}, FatalWait::kPressReturn, kKeyboardUnit);
  }

  const float CC = currentCoefficient(IDOF, BETA);
  const float L = IDOF == 1 ? t.BWL : IDOF == 2 ? t.LWL : t.LWL * t.LWL;
  const float A1 = 0.0005f * t.DWATR * L / WAVCOM.G;
  const float A2 = A1 * CC;
  const float A3 = 0.001f * t.DWATR * L;

  float Q[kGridPoints] = {};
  float E[kGridPoints] = {};
  std::int32_t firstCall = 1;
  for (int i = 1; i <= t.NWP; ++i) {
    const float S = PSD[i - 1];
    Q[i - 1] = S * std::pow(relativeMotion(IDOF, i, IWAVID), 0.66667f);
    const float D = DRFTC(IDOF, i, userFile, model, FNAME, BETA, firstCall, "DRAGF ", IWAVID);
    E[i - 1] = D * S;
  }
  float MS = 0.0f;
  float MR = 0.0f;
  float MD = 0.0f;
  float second = 0.0f;
  SMPINT(PSD, MS, second);
  SMPINT(Q, MR, second);
  SMPINT(E, MD, second);

  OUT1 = 1.5958f * A2 * MR * std::sqrt(std::fabs(MR));
  OUT2 = A3 * MD;
  if (MODE == 0 || (OUT1 == 0.0f && OUT2 == 0.0f)) return;

  float g = 0.0f;
  float g2 = 0.0f;
  float spare1 = 0.0f;
  float spare2 = 0.0f;
  GET_GVAR(DW, &WAVCOM.W(1), t.NWP, PSD, g, g2, spare1, spare2);
  const float G1 = g / (MS * MS);
  OUT1 = t.VWDRGFC * 11.46f * A2 * A2 * G1 * MR * MR * MR;
  OUT2 = std::fabs(std::sqrt(t.VWDFAC * t.VWDRGFC) * 9.575f * A2 * A3 * G1 * MD * std::pow(MR, 1.5f));
}

void DRAGF(std::int32_t MODE, std::int32_t IDOF, float BETA, const float* PSD, float& DW, float& OUT1, float& OUT2,
           std::int32_t IWAVID) {
  if (TPCM.SEMI_LIKE == 0) {
    DRAGF_SHIP(MODE, IDOF, BETA, PSD, DW, OUT1, OUT2, IWAVID);
    return;
  }
  float work[5][24] = {};  // the column-stabilised model's scratch, fresh at every call
  DRAGF_SEMI(MODE, IDOF, BETA, PSD, DW, OUT1, OUT2, IWAVID, work[0], work[1], work[2], work[3], work[4]);
}

}  // namespace qv

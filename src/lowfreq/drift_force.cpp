#include "lowfreq/drift_force.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "lowfreq/drift_coefficient.h"
#include "lowfreq/drift_common.h"
#include "lowfreq/user_coefficients.h"
#include "lowfreq/wave_current.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

// The drift model of a component: its code, the user-file flag and the file's name.
struct DriftSource {
  std::int32_t model = 0;
  std::int32_t userFile = 0;
  Text<13> FNAME = makeText<13>("");
};

DriftSource driftSource(std::int32_t component) {
  const Tpcm& t = TPCM;
  DriftSource source;
  source.model = NIBVAL(t.LWVCOF, component, t.EDUNIT);
  if (source.model == kDriftUserFile) {
    source.userFile = 1;
    source.FNAME = driftCoefficientFile(t.CREATR, t.ISPM);
  }
  return source;
}

// F(i) = S(i) C(i) over the grid, the heading set up at the first point.
void driftDensity(std::int32_t component, float beta, const float* S, std::int32_t waveSystem,
                  std::string_view caller, float* F) {
  const DriftSource source = driftSource(component);
  std::int32_t firstCall = 1;
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const float C = DRFTC(component, i, source.userFile, source.model, source.FNAME, beta, firstCall, caller,
                          waveSystem);
    F[i - 1] = S[i - 1] * C;
  }
}

// F at frequency x, linear between the table's points and 0 beyond its ends.
float densityAt(const float* omega, int N, const float* F, float x) {
  if (x > omega[0] || x < omega[N - 1]) return 0.0f;
  return tableValue(omega, F, N, x);
}

void positiveDifference(float& dw) {
  if (dw >= 0.0f) return;
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "  Negative DELTAW in GET_GVAR, using ABS[DELTAW]; press c + <Return> to continue");
  if (unit != kDiagnosticsUnit) {
    char reply = ' ';
    READCP(reply);
  }
  dw = -dw;
}

}  // namespace

void GET_GVAR(float& dw, const float* omega, int N, const float* F, float& integral, float& moment, float& spare1,
              float& spare2) {
  spare1 = 0.0f;
  spare2 = 0.0f;
  positiveDifference(dw);
  const float h = dw * 0.5f;
  float G[kGridPoints] = {};
  for (int i = 0; i < N; ++i) {
    G[i] = densityAt(omega, N, F, omega[i] + h) * densityAt(omega, N, F, std::fabs(omega[i] - h));
  }
  SMPINT(G, integral, moment);
}

void GET_GVAR2(float& dw, const float* omega, int N, const float* A, const float* B, float& integral, float& moment) {
  positiveDifference(dw);
  const float h = dw * 0.5f;
  float G[kGridPoints] = {};
  for (int i = 0; i < N; ++i) {
    const float up = omega[i] + h;
    const float down = std::fabs(omega[i] - h);
    G[i] = 0.5f * (densityAt(omega, N, A, up) * densityAt(omega, N, B, down) +
                   densityAt(omega, N, B, up) * densityAt(omega, N, A, down));
  }
  SMPINT(G, integral, moment);
}

float DRIFTF(std::int32_t mode, std::int32_t component, float beta, const float* S, float& dw, float /*spare*/,
             std::int32_t waveSystem) {
  float F[kGridPoints] = {};
  driftDensity(component, beta, S, waveSystem, "DRIFTF", F);
  float integral = 0.0f;
  float moment = 0.0f;
  if (mode == 0) {
    SMPINT(F, integral, moment);
    return integral;
  }
  float spare1 = 0.0f;
  float spare2 = 0.0f;
  GET_GVAR(dw, &WAVCOM.W(1), TPCM.NWP, F, integral, moment, spare1, spare2);
  if (TPCM.NBUG != 0) writeRecord(TPCM.EDUNIT, " GVAR =" + fmtF(integral, 10, 4));
  return std::fabs(integral);
}

float GRPSPD(const float* S, std::int32_t component, float beta, std::int32_t& peak, std::int32_t waveSystem) {
  float F[kGridPoints] = {};
  driftDensity(component, beta, S, waveSystem, "GRPSPD", F);
  float largest = -1.0f;
  peak = 0;
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const float v = std::fabs(F[i - 1]);
    if (v > largest) {
      peak = i;
      largest = v;
    }
  }
  // A density that is no number at every period has no peak: the drift force cannot be formed.
  if (peak == 0) {
    std::vector<std::string> lines{""};
    addFlowingLines(lines, " ++> ",
                    "GRPSPD: the wave drift force density of component " + std::to_string(component) +
                        " is not a number at any wave period;");
    lines.push_back("     check the wave drift factors (page 10) and the sea state (pages 15 and 16).");
    fatalStop("GRPSPD", TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  const Wavcom& w = WAVCOM;
  return GROUPSPD(w.W(peak), w.WVK(peak), TPCM.DEPTH, w.G);
}

}  // namespace qv

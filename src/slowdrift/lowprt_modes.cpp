// Section V of the low-frequency report: the three low-frequency modes (LOWPK3) with the
// preparation that turns the mode records of EQUILB into amplitudes, and the nonlinear correction
// of a motion amplitude through the energy table (NLNCR3).
#include <cmath>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "numlib/load_offset_table.h"
#include "numlib/storm_peak.h"
#include "platform/units.h"
#include "slowdrift/ergcom.h"
#include "slowdrift/lowprt.h"
#include "slowdrift/lowprt_parts.h"
#include "util/console_io.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"

namespace qv {

namespace {

// The most probable largest of the cycles of a storm of DURATN hours at the frequency omega [rad/s],
// in standard deviations.
float peakFactor(float omega) { return stormPeakFactor(stormCycles(TPCM.DURATN, omega)); }

// The seven variances of a mode record, each replaced by its square root times scale.
void varianceToAmplitude(LowModeRecord& R, float scale) {
  for (float* v : {&R.VARTOT, &R.VARWND, &R.VARCUR, &R.VARWAV, &R.VARSWL, &R.VWVDG, &R.VSWDG})
    *v = std::sqrt(*v) * scale;
}

}  // namespace

void prepareDynamics(LowReportRun& run) {
  const Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  run.E0 = tableEnergyAtOffset(q.OFFSET.data(), ERGCOM.SRGERG.data(), t.NUMTAB, run.X0);
  q.FSGPK = peakFactor(q.WSURG);
  q.FLOPK = peakFactor(q.WYAWLO);
  q.FHIPK = peakFactor(q.WYAWHI);
  q.NETARM = std::fabs(q.YAWARM) + run.X0 - q.OFFSET(1);
  varianceToAmplitude(q.MODREC(1), 1.0f);
  // The low mode turns the vessel about the mooring point: its rotation becomes a lateral motion at
  // the yaw arm.
  varianceToAmplitude(q.MODREC(2), q.NETARM);
  varianceToAmplitude(q.MODREC(3), 1.0f);
  run.prepared = true;
}

float sigmaMultiple() { return TPCM.ONETWO != 0 ? 1.0f : 2.0f; }
std::string sigmaWord() { return TPCM.ONETWO != 0 ? "One" : "Two"; }

void writeSectionFive(const LowReportRun& run) {
  Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const Ergcom& e = ERGCOM;
  const std::int32_t u = t.IUNIT;
  PAGE(u, t.EDUNIT, 1, 99);
  writeRecord(u, " ***********          V.  LOW-FREQUENCY DYNAMICS SUMMARY        ***********");
  LINES(u, 2);
  const std::string_view headings[] = {
      " Long-period single-amplitude surge motions:",
      " Long-period single-amplitude \"sway\" motions (low sway-yaw mode):",
      " Long-period single-amplitude \"yaw\" motions (high sway-yaw mode):",
  };
  const std::int32_t userDamping[] = {t.LSGLFD, t.LSWLFD, t.LYWLFD};
  for (int mode = 1; mode <= 3; ++mode) {
    writeRecord(u, "");
    writeRecord(u, headings[mode - 1]);
    writeRecord(u, "");
    LOWPK3(q.MODREC(mode), e.SRGERG.data(), run.E0, q.OFFSET.data(), e.SPRNGX, run.FEQ, run.X0, userDamping[mode - 1],
           mode, t.LOWMOT, q.NETARM);
  }
  t.LBACK = 0;
}

void LOWPK3(const LowModeRecord& R, const float* ERG, float E0, const float* OFFSET, float K, float FE, float X0,
            std::int32_t userDamping, std::int32_t mode, std::int32_t print, float yawArm) {
  if (print == 0) return;
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  const std::string lead = fmtX(7);
  const bool legacyDrag = t.LEGDRG != 0;
  const bool ownDataSet = t.CREATR == kSimQuorvel;  // a data set of this program

  // A mode without restoring stiffness has no period.
  const std::string period = R.TSURG == 0.0f ? fmtA("N.A.", 10) : fmtF(R.TSURG, 10, 2) + " sec";
  writeRecord(u, lead + "Period ..................................... " + period);
  auto damping = [&](std::string_view label, float ratio) {
    writeRecord(u, lead + std::string(label) + fmtF(50.0f * ratio, 10, 2) + " percent");
  };
  auto dueTo = [&](std::string_view source, float ratio) { damping("Damping due to " + std::string(source), ratio); };
  if (userDamping == 0) {
    damping("Still water damping ........................ ", R.GAMSTW);
    if (t.LWIND != 0) dueTo("wind ........................ ", R.GAMWND);
    if (t.LCURNT != 0) dueTo("current ..................... ", R.GAMCUR);
    if (t.LRANDM != 0) dueTo("wave reflection ............. ", R.GAMWV);
    if (t.LRANDM != 0 && !legacyDrag) dueTo("wave drag ................... ", R.GMWDG);
    if (t.LSWELL != 0) dueTo("swell reflection ............ ", R.GAMSWL);
    if (t.LSWELL != 0 && !legacyDrag) dueTo("swell drag .................. ", R.GMSDG);
    if ((t.LRANDM != 0 || t.LSWELL != 0) && !ownDataSet) dueTo("wave-frequency line motions . ", R.GAMLIN);
    damping("Total damping from linear sources .......... ", R.GAMTOT);
    if (!ownDataSet) damping("Linearized square-law line damping ......... ", R.GMLNSG);
    damping("Linearized square-law hydrodynamic damping . ", R.GAMQSG - R.GMLNSG);
    damping("Total linearized square-law damping ........ ", R.GAMQSG);
  }
  damping("Net equivalent linear damping .............. ", R.EGMSG);

  // The motions: yaw in degrees, the others in lengths. The surge, and every mode of a spread
  // mooring, reach their offsets through the energy of the load-offset table.
  const bool yaw = mode == 3;
  const std::string unitText = yaw ? degreesLabel() : lengthLabel();
  const float conversion = yaw ? kDegreesPerRadianFiveDecimals : 1.0f;
  const bool corrected = mode == 1 || t.LSPM == 0;
  auto motion = [&](float amplitude) {
    float x = amplitude;
    if (corrected) {
      std::int32_t interval = 1;
      NLNCR3(ERG, E0, OFFSET, amplitude, x, K, FE, X0, t.NUMTAB, interval, t.LSPM);
    }
    return x;
  };
  const float F = sigmaMultiple();
  const std::string word = sigmaWord();
  writeRecord(u, "");
  auto sourceLine = [&](std::string_view source, float amplitude, bool printed) {
    const float x = motion(F * amplitude);
    if (!printed) return;
    writeRecord(u, lead + word + " sigma motion due to " + std::string(source.substr(0, 18)) + ".. " +
                       fmtF(conversion * x, 10, 2) + unitText);
  };
  if (t.LWIND != 0 && t.WNDTYP != kSteadyWind) sourceLine("wind ..............", R.VARWND, true);
  if (t.LCURNT != 0 && t.CURTYP != kSteadyCurrent) sourceLine("current ...........", R.VARCUR, true);
  if (t.LRANDM != 0) {
    sourceLine("wave reflection ...", R.VARWAV, true);
    sourceLine("wave drag .........", R.VWVDG, !legacyDrag);
  }
  if (t.LSWELL != 0) {
    sourceLine("swell reflection ..", R.VARSWL, true);
    sourceLine("swell drag ........", R.VSWDG, !legacyDrag);
  }
  const float total = motion(F * R.VARTOT);
  writeRecord(u, lead + "Total " + word + " sigma motion ..................... " + fmtF(conversion * total, 10, 2) +
                     unitText);

  const float extreme = motion(R.FSGPK * R.VARTOT);
  const std::string storm = lead + "Extreme motion in " + fmtF(t.DURATN, 4, 1) + " hr. storm ........... ";
  writeRecord(u, "");
  writeRecord(u, storm + fmtF(conversion * extreme, 10, 2) + unitText);
  if (mode == 2 && t.LSPM != 0) {
    // The low mode's lateral extreme as the yaw angle about the mooring point; no arm, no angle.
    const float angle = yawArm != 0.0f ? kDegreesPerRadianFiveDecimals * extreme / yawArm : 0.0f;
    writeRecord(u, storm + fmtF(angle, 10, 2) + degreesLabel());
  }
}

}  // namespace qv

#include "dynamics/riser_reach.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dynamics/dynslm.h"
#include "dynamics/heading_waves.h"
#include "dynamics/memlod.h"
#include "hull/equilb.h"
#include "numlib/angles.h"
#include "numlib/algebra.h"
#include "platform/units.h"
#include "slowdrift/slomor.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/unformatted_io.h"
#include "vessel/point_motions.h"
#include "vessel/statistics.h"
#include "waves/sea_state.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kRoutine = "SLOMOR";  // the stage that judges the riser
constexpr std::string_view kMotionFile = "YOKEMOT";

// The waves of one heading block of "YOKEMOT", from its header's flags and the direction of its waves
// WAVDIR [rad, earth]: as the members' loads weight the block.
WaveShares blockShares(std::int32_t ISWLFG, std::int32_t ISWLFG2, std::int32_t IRANFG, float WAVDIR) {
  const Tpcm& t = TPCM;
  WaveShares s;
  if (t.LRANDM != 0 && IRANFG != 0) s.sea = t.LSPRED != 0 ? spreadingWeight(spreadingFanPoint(WAVDIR)) : 1.0f;
  if (t.LSWELL != 0 && ISWLFG != 0) s.swell = 1.0f;
  if (secondSwellOn() && ISWLFG2 != 0) s.swell2 = 1.0f;
  return s;
}

}  // namespace

std::optional<KeelMotion> riserKeelMotion() {
  const Tpcm& t = TPCM;
  const Equilb& e = EQUILB;
  if (t.LEXTND != 0 || (t.LRANDM == 0 && t.LSWELL == 0)) return std::nullopt;
  const int periods = wavePoints();
  const YokeMotionLayout layout = yokeMotionLayout(periods);
  if (!layout.present || periods < 1) return std::nullopt;

  RHOPEN(kMotionFile, kUnformatted, kMustExist, t.IDRIVE, kYokeMotionUnit, kRoutine, t.EDUNIT, t.CMPUTR);
  const auto expect = [](RecordStatus status, std::int32_t heading) {
    if (status != RecordStatus::kOk) noYokeMotions(kRoutine, heading);
  };
  std::int32_t headings = 0;
  expect(readUnformatted(kYokeMotionUnit, headings), 1);
  // The horizontal motion turned from the vessel's axes into the SALM's plane, outward from the hinge.
  const float turn = e.SLMANG(e.ISTAB) - e.TANGLE(e.ISTAB);
  const float cosTurn = std::cos(turn), sinTurn = std::sin(turn);
  KeelMotion motion;
  std::array<float, kMaxWavePeriods> xx{}, zz{}, xz{};
  for (std::int32_t heading = 1; heading <= headings; ++heading) {
    rewindUnit(kYokeMotionUnit);
    expect(skipRecords(kYokeMotionUnit, (heading - 1) * layout.headingRecords + layout.blockStart), heading);
    std::int32_t count = 0, ISWLFG = 0, ISWLFG2 = 0, IRANFG = 0;
    float RAODIR = 0.0f;
    expect(readUnformatted(kYokeMotionUnit, count, ISWLFG, ISWLFG2, IRANFG, RAODIR), heading);
    const WaveShares shares = blockShares(ISWLFG, ISWLFG2, IRANFG, REDRAD(RAODIR + e.TANGLE(e.ISTAB)));
    for (int I = 1; I <= periods; ++I) {
      if (I > 1) expect(skipRecords(kYokeMotionUnit, layout.periodStride - 1), heading);
      std::array<Complex, 3> position{}, angles{};
      expect(readUnformatted(kYokeMotionUnit, std::span<Complex, 3>(position), std::span<Complex, 3>(angles)), heading);
      const Complex x = position[0] * cosTurn + position[1] * sinTurn;
      const Complex z = position[2];
      const float S = waveDensity(I, shares);
      const auto at = static_cast<std::size_t>(I - 1);
      xx[at] = ABS2(x) * S;
      zz[at] = ABS2(z) * S;
      xz[at] = (x.real() * z.real() + x.imag() * z.imag()) * S;  // the cospectrum: Re(x conj(z))
    }
    const auto add = [](const std::array<float, kMaxWavePeriods>& F, double& m0, double& m2) {
      float M0 = 0.0f, M2 = 0.0f;
      SMPINT(F.data(), M0, M2);
      m0 += M0;
      m2 += M2;
    };
    add(xx, motion.xx0, motion.xx2);
    add(zz, motion.zz0, motion.zz2);
    add(xz, motion.xz0, motion.xz2);
  }
  HCLOSE(kYokeMotionUnit, kMotionFile, kRoutine, t.EDUNIT);
  return motion;
}

void judgeRiserReach() {
  const Tpcm& t = TPCM;
  if (t.FRESLM != 0 || t.IARCO != kBuoyantRiser) return;
  const Equilb& e = EQUILB;
  RiserReach reach;
  reach.meanLoad = e.FTOT(e.ISTAB);
  // The statics' load-offset table, which the slow drift read, and its surge at another spring.
  const auto points = static_cast<std::size_t>(std::clamp<std::int32_t>(t.NUMTAB, 0, kMaxTablePoints));
  reach.tableLoads.assign(e.HLOAD.data(), e.HLOAD.data() + points);
  reach.tableOffsets.assign(e.OFFSET.data(), e.OFFSET.data() + points);
  reach.surgePeak = surgeStormAmplitude;
  // The vessel's motions at the keel: "YOKEMOT" of a single point mooring.
  if (t.ISPM == 1) {
    if (const std::optional<KeelMotion> keel = riserKeelMotion()) reach.keel = *keel;
  }
  if (const auto finding = riserReachFinding(reach))
    fatalStop(kRoutine, t.EDUNIT, finding->lines, FatalWait::kPressReturn, kKeyboardUnit);
}

}  // namespace qv

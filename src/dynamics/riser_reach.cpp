#include "dynamics/riser_reach.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dynamics/attachment_motions.h"
#include "dynamics/dynslm.h"
#include "hull/equilb.h"
#include "numlib/algebra.h"
#include "platform/units.h"
#include "slowdrift/slomor.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/unformatted_io.h"
#include "vessel/point_motions.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kRoutine = "SLOMOR";  // the stage that judges the riser
constexpr std::string_view kMotionFile = "YOKEMOT";

}  // namespace

std::optional<KeelMotion> riserKeelMotion() {
  const Tpcm& t = TPCM;
  if (t.LEXTND != 0 || (t.LRANDM == 0 && t.LSWELL == 0)) return std::nullopt;
  const int periods = wavePoints();
  if (periods < 1 || !yokeMotionLayout(periods).present) return std::nullopt;

  RHOPEN(kMotionFile, kUnformatted, kMustExist, t.IDRIVE, kYokeMotionUnit, kRoutine, t.EDUNIT, t.CMPUTR);
  std::int32_t headings = 0;
  if (readUnformatted(kYokeMotionUnit, headings) != RecordStatus::kOk) noYokeMotions(kRoutine, 1);
  KeelMotion motion;
  AttachmentMotions keel, angles;
  std::array<float, kMaxWavePeriods> xx{}, zz{}, xz{};
  for (std::int32_t heading = 1; heading <= headings; ++heading) {
    // The motions, rows and weights of the block as the member loads take them.
    const AttachmentBlock block = readAttachmentBlock(kRoutine, heading, periods, keel, angles);
    const std::array<float, kMaxWavePeriods> S = blockRowDensities(blockWaves(block), blockEncounterWeights(block));
    for (int I = 1; I <= periods; ++I) {
      const Complex x = keel(1, I);  // outward in the riser's plane
      const Complex z = keel(3, I);
      const auto at = static_cast<std::size_t>(I - 1);
      xx[at] = ABS2(x) * S[at];
      zz[at] = ABS2(z) * S[at];
      xz[at] = (x.real() * z.real() + x.imag() * z.imag()) * S[at];  // the cospectrum: Re(x conj(z))
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

RiserReach riserReachOfRun() {
  const Tpcm& t = TPCM;
  const Equilb& e = EQUILB;
  RiserReach reach;
  reach.meanLoad = e.FTOT(e.ISTAB);
  // The statics' load-offset table, which the slow drift read, and its surge at another spring.
  const auto points = static_cast<std::size_t>(std::clamp<std::int32_t>(t.NUMTAB, 0, kMaxTablePoints));
  reach.tableLoads.assign(e.HLOAD.data(), e.HLOAD.data() + points);
  reach.tableOffsets.assign(e.OFFSET.data(), e.OFFSET.data() + points);
  reach.surgePeak = surgeStormAmplitude;
  for (std::int32_t k = 1; k <= e.IANGLE; ++k) reach.equilibriumLoads.push_back(e.FTOT(k));
  // The vessel's motions at the keel: "YOKEMOT" of a single point mooring.
  if (t.ISPM == 1) {
    if (const std::optional<KeelMotion> keel = riserKeelMotion()) reach.keel = *keel;
  }
  return reach;
}

void judgeRiserReach() {
  const Tpcm& t = TPCM;
  if (!attachedBuoyantRiser(t.FRESLM, t.IARCO)) return;
  const RiserReach reach = riserReachOfRun();
  keepRiserReach(reach);
  if (const auto finding = riserReachFinding(reach))
    fatalStop(kRoutine, t.EDUNIT, finding->lines, FatalWait::kPressReturn, kKeyboardUnit);
}

}  // namespace qv

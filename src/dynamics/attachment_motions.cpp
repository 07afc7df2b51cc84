#include "dynamics/attachment_motions.h"

#include <cmath>
#include <span>

#include "dataset/tpcm.h"
#include "dynamics/dynslm.h"
#include "hull/equilb.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "slowdrift/output.h"
#include "util/unformatted_io.h"
#include "vessel/point_motions.h"
#include "vessel/statistics.h"
#include "waves/sea_state.h"

namespace qv {

float salmPlaneTurn() {
  const Equilb& e = EQUILB;
  const float yoke = TPCM.YOKVES;
  const float PHIANC = e.SLMANG(e.ISTAB) - e.TANGLE(e.ISTAB) - yoke;
  return PHIANC + yoke;
}

AttachmentBlock readAttachmentBlock(std::string_view routine, std::int32_t heading, int periods,
                                    AttachmentMotions& CRVEC, AttachmentMotions& CVANG) {
  const YokeMotionLayout layout = yokeMotionLayout(periods);
  if (!layout.present) noYokeMotions(routine, heading);
  const auto expect = [routine, heading](RecordStatus status) {
    if (status != RecordStatus::kOk) noYokeMotions(routine, heading);
  };
  rewindUnit(kYokeMotionUnit);
  expect(skipRecords(kYokeMotionUnit, (heading - 1) * layout.headingRecords + layout.blockStart));
  AttachmentBlock block;
  expect(readUnformatted(kYokeMotionUnit, block.NRAO, block.ISWLFG, block.ISWLFG2, block.IRANFG, block.RAODIR));
  const float turn = salmPlaneTurn();
  const float cosTurn = std::cos(turn), sinTurn = std::sin(turn);
  const bool aft = TPCM.XSALM < 0.0f;
  for (int I = 1; I <= periods; ++I) {
    if (I > 1) expect(skipRecords(kYokeMotionUnit, layout.periodStride - 1));
    expect(readUnformatted(kYokeMotionUnit, std::span<Complex, 3>(&CRVEC(1, I), 3), std::span<Complex, 3>(&CVANG(1, I), 3)));
    const Complex x = CRVEC(1, I);
    const Complex y = CRVEC(2, I);
    CRVEC(1, I) = x * cosTurn + y * sinTurn;
    CRVEC(2, I) = y * cosTurn - x * sinTurn;
    if (aft) {
      CVANG(1, I) = -CVANG(1, I);
      CVANG(3, I) = -CVANG(3, I);
    }
  }
  return block;
}

AttachmentBlock blockInHand() {
  const Output& o = OUTPUT;
  return {.NRAO = o.NRAOSM, .ISWLFG = o.ISWLFG, .ISWLFG2 = o.ISWLFG2, .IRANFG = o.IRANFG, .RAODIR = o.RAODIR};
}

float blockWaveHeading(float RAODIR) {
  const Equilb& e = EQUILB;
  return REDRAD(RAODIR + e.TANGLE(e.ISTAB));
}

WaveShares BlockWaves::shares() const {
  WaveShares s;
  if (LRND != 0) s.sea = SPDVAL;
  if (LSWL != 0) s.swell = 1.0f;
  if (LSWL2 != 0) s.swell2 = 1.0f;
  return s;
}

BlockWaves blockWaves(const AttachmentBlock& block) {
  const Tpcm& t = TPCM;
  BlockWaves w;
  w.IANG = WAVCOM.NA2 + 1;
  w.LSWL = t.LSWELL != 0 && block.ISWLFG != 0 ? 1 : 0;
  w.LSWL2 = secondSwellOn() && block.ISWLFG2 != 0 ? 1 : 0;
  w.LRND = t.LRANDM != 0 && block.IRANFG != 0 ? 1 : 0;
  if (t.LSPRED != 0 && w.LRND != 0) {
    w.IANG = spreadingFanPoint(blockWaveHeading(block.RAODIR));
    w.SPDVAL = spreadingWeight(w.IANG);
  }
  return w;
}

int spreadingFanPoint(float WAVDIR) {
  const float offset = ANGSYM(WAVDIR - TPCM.SEAHDG(1) / kDegreesPerRadian) + TPCM.ANGSEC / 2.0f / kDegreesPerRadian;
  const float steps = offset / WAVCOM.DA;
  if (!std::isfinite(steps) || std::fabs(steps) > 1.0e6f) return 0;
  return IROUND(steps) + 1;
}

EncounterWeights blockEncounterWeights(const AttachmentBlock& block) {
  const Tpcm& t = TPCM;
  if (t.LEXTND != 0) return {};
  const float headingDeg = block.RAODIR * kDegreesPerRadian;
  return encounterWeights(WAVCOM.W.data(), WAVCOM.WVK.data(), speedAlongWaves(headingDeg, t.VGLDIR));
}

std::array<float, kMaxWavePeriods> blockRowDensities(const BlockWaves& waves, const EncounterWeights& weights) {
  std::array<float, kMaxWavePeriods> S{};
  const WaveShares shares = waves.shares();
  const int n = wavePoints();
  for (int IW = 1; IW <= n; ++IW) {
    if (weights.none(IW)) continue;
    S[static_cast<std::size_t>(IW - 1)] = waveDensity(IW, shares) * weights.energyShare(IW);
  }
  return S;
}

}  // namespace qv

#include "dynamics/heading_waves.h"

#include <cmath>

#include "dataset/tpcm.h"
#include "dynamics/attachment_motions.h"
#include "slowdrift/output.h"
#include "waves/sea_state.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr float kSameHeading = 0.1f;  // headings closer than this are one direction [deg]

}  // namespace

bool wavesOnSeveralHeadings() {
  const Tpcm& t = TPCM;
  struct Direction {
    bool on;
    float heading;  // [deg]
  };
  const Direction directions[] = {
      {t.LRANDM != 0, t.SEAHDG(1)}, {t.LSWELL != 0, t.SWLHDG}, {secondSwellOn(), t.SWLHDG2}};
  for (int a = 0; a < 3; ++a) {
    for (int b = a + 1; b < 3; ++b) {
      if (directions[a].on && directions[b].on &&
          std::fabs(directions[a].heading - directions[b].heading) > kSameHeading) {
        return true;
      }
    }
  }
  return false;
}

WaveShares headingShares() {
  const Output& o = OUTPUT;
  return BlockWaves{.LRND = o.LRND, .LSWL = o.LSWL, .LSWL2 = o.LSWL2, .IANG = o.IANG, .SPDVAL = o.SPDVAL}.shares();
}

WaveShares freeSalmShares(FreeShare part) {
  const Output& o = OUTPUT;
  const auto share = [part](float inLine) {
    return part == FreeShare::kWhole ? 1.0f : part == FreeShare::kInLine ? inLine : 1.0f - inLine;
  };
  WaveShares s;
  if (o.LRND != 0) s.sea = share(o.XWVFAC);
  if (o.LSWL != 0) s.swell = share(o.XSWFAC);
  if (o.LSWL2 != 0) s.swell2 = share(o.XSWFAC2);
  return s;
}

}  // namespace qv

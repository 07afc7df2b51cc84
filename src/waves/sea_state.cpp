#include "waves/sea_state.h"

#include <algorithm>
#include <cmath>

#include "dataset/tpcm.h"
#include "dataset/value_ranges.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

// A swell index beyond this many grid steps is taken as off every grid (it also keeps a quotient
// that is no number out of the conversion to an integer).
constexpr float kFarOffGrid = 1.0e6f;

}  // namespace

void fillWaveGrid() {
  const Tpcm& t = TPCM;
  Wavcom& w = WAVCOM;
  const int n = wavePoints();
  w.TS = t.T(1);
  w.TL = t.T(std::max(n, 1));
  w.NW = n - 1;
  w.DT = t.T(2) - t.T(1);
  w.DW = 0.0f;
  const float depthScale = std::sqrt(t.DEPTH / w.G);
  for (int i = 1; i <= n; ++i) {
    w.W(i) = kTwoPi / t.T(i);
    w.W2(i) = w.W(i) * w.W(i);
    float kh = 0.0f;
    WAVVEC(w.W(i) * depthScale, kh);
    w.WVK(i) = kh / t.DEPTH;
  }
}

SeaSpectrum waveSystemSpectrum(std::int32_t ITYPE, std::int32_t ISYS, float HS, float TP, float* PSD,
                               const WvspecSink* sink) {
  SeaSpectrum s{HS, TP, 0.0f, 0.0f};
  WVSPEC(ITYPE, PSD, s.HS, s.TP, s.WP, s.WKP, ISYS, sink);
  return s;
}

SeaSpectrum windSeaSpectrum(int j, float* PSD, const WvspecSink* sink) {
  const Tpcm& t = TPCM;
  return waveSystemSpectrum(t.WAVTYP, kWindSea, t.SWHT(j), t.SIGPD(j), PSD, sink);
}

SeaSpectrum swellSpectrum(int swell, float* PSD, const WvspecSink* sink) {
  const Tpcm& t = TPCM;
  if (swell == 2) return waveSystemSpectrum(t.SWLTYP2, kSecondSwell, t.SWELHT2, t.SWELPD2, PSD, sink);
  return waveSystemSpectrum(t.SWLTYP, kSwell, t.SWELHT, t.SWELPD, PSD, sink);
}

bool secondSwellOn() { return TPCM.LSWELL != 0 && TPCM.LSWEL2 != 0; }

std::optional<float> randomWavesHeading() {
  const Tpcm& t = TPCM;
  if (t.LRANDM != 0) return t.SEAHDG(1);
  if (t.LSWELL != 0) return t.SWLHDG;
  return std::nullopt;
}

float swellPeakPeriod(int swell) {
  const float peak = swell == 2 ? WAVCOM.WSWLPK2 : WAVCOM.WSWLPK;
  return peak > 0.0f ? kTwoPi / peak : 0.0f;
}

float significantHeight(const float* PSD) {
  float m0 = 0.0f;
  float m2 = 0.0f;
  SMPINT(PSD, m0, m2);
  return 4.0f * std::sqrt(m0);
}

std::int32_t swellGridIndex(int swell) {
  const Tpcm& t = TPCM;
  const float period = swell == 2 ? t.SWELPD2 : t.SWELPD;
  const float index = swellGridPosition(period);
  return std::fabs(index) < kFarOffGrid ? static_cast<std::int32_t>(index) : 0;
}

std::vector<std::string> swellOffTheGrid(std::int32_t first) {
  const Tpcm& t = TPCM;
  const struct {
    bool on;
    float period;  // [s]
    std::int32_t ISYS;
  } swells[] = {{t.LSWELL != 0, t.SWELPD, kSwell}, {secondSwellOn(), t.SWELPD2, kSecondSwell}};
  for (int k = 1; k <= 2; ++k) {
    const auto& swell = swells[k - 1];
    const std::int32_t index = swellGridIndex(k);
    if (swell.on && !(index >= first && index <= t.NWP)) return swellOffTheGridLines(swell.period, first, swell.ISYS);
  }
  return {};
}

RunSeaState buildSeaState() {
  const Tpcm& t = TPCM;
  Wavcom& w = WAVCOM;
  w.W.fill(0.0f);
  w.W2.fill(0.0f);
  w.WVK.fill(0.0f);
  w.WPSD.fill(0.0f);
  w.SWLPSD.fill(0.0f);
  w.SWLPSD2.fill(0.0f);
  fillWaveGrid();
  w.NSPEC = t.WAVTYP;
  RunSeaState built;
  if (t.LRANDM != 0) {
    built.sea = windSeaSpectrum(1, w.WPSD.data());
    w.SWH = significantHeight(w.WPSD.data());
    w.TPK = built.sea.TP;
    w.WPK = built.sea.WP;
    w.WKPK = built.sea.WKP;
  }
  if (t.LSWELL != 0) {
    w.DELSWL = t.SWLWID;
    w.NSWEL = swellGridIndex();
    built.swell = swellSpectrum(1, w.SWLPSD.data());
    w.SWHSWL = significantHeight(w.SWLPSD.data());
    w.WSWLPK = built.swell.WP;
    w.WKSWLPK = built.swell.WKP;
  }
  if (secondSwellOn()) {
    built.swell2 = swellSpectrum(2, w.SWLPSD2.data());
    w.SWHSWL2 = significantHeight(w.SWLPSD2.data());
    w.WSWLPK2 = built.swell2.WP;
    w.WKSWLPK2 = built.swell2.WKP;
  }
  return built;
}

}  // namespace qv

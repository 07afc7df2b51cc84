#include "vessel/statistics.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "dataset/value_ranges.h"
#include "hull/himem.h"
#include "numlib/circle_constants.h"
#include "numlib/quadrature.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "vessel/slow_encounter.h"
#include "waves/sea_state.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"
#include "waves/wave_spectrum.h"

namespace qv {

namespace {

bool pointQuantities() { return HIMEM.LFRFLG >= 2; }

// The response moments of quantity q in the wave spectrum at RLDUM(IP), into RLDUM(LOC).
void responseMoments(int q, std::int32_t IP, std::int32_t LOC) {
  Himem& h = HIMEM;
  if (pointQuantities()) {
    STATCP(&h.RLDUM(h.LBASEX + (q - 1) * h.NARRAY), IP, LOC);
  } else {
    STATCM(h.LCNSG + (q - 1) * h.NARRAY, IP, LOC);
  }
}

// Calls visit(q, tableIndex) for every quantity of the block in hand.
template <class Visit>
void forEachQuantity(Visit visit) {
  const Himem& h = HIMEM;
  if (pointQuantities()) {
    for (int q = 1; q <= 3 * h.NCOL; ++q) visit(q, q + 6 * (h.IREP - 1));
    return;
  }
  for (int q = 1; q <= kDof; ++q) {
    if (h.LFRFLG == 0 && TPCM.MOTION(q) == 0) continue;  // a motion not asked for gets no statistics
    visit(q, q);
  }
}

// Adds weight times the moment pair at RLDUM(from) to the table pair (index, j, h).
void accumulate(int index, int j, int hd, std::int32_t from, float weight) {
  Himem& h = HIMEM;
  const std::int32_t to = statisticsPair(h.LOCSIG, index, j, hd);
  h.RLDUM(to) += h.RLDUM(from) * weight;
  h.RLDUM(to + 1) += h.RLDUM(from + 1) * weight;
}

// The work area's record of what WVSPEC leaves: WCONST, the frequency index, and the peak period in
// the record of spectrum column j (a sea-state height, or MAXHT + 1 and + 2 for the swells, whose
// moments have slots of their own).
WvspecSink spectrumSink(int j) {
  Himem& h = HIMEM;
  WvspecSink sink;
  sink.WCONST = &h.WCONST;
  sink.IW = &h.IW;
  sink.peakPeriod = &h.RLDUM(seaStateRecord(j) + 2);
  return sink;
}

// The swells whose direction is the response heading in hand: their spectra, and their response
// added to every sea state (or, with directions tied to the sea headings, to their own heading).
void addSwells() {
  const Tpcm& d = TPCM;
  Himem& h = HIMEM;
  Wavcom& wc = WAVCOM;
  const std::int32_t irao = wc.IRAO;
  int swellHeading = 0;
  int swell2Heading = 0;
  if (d.LSWLOK == 1) {
    for (int hd = 1; hd <= d.NSEAHG; ++hd) {
      if (irao == h.ISWL(hd)) {
        wc.ISWELL = irao;
        swellHeading = hd;
      }
      if (irao == h.ISWL2(hd)) {
        wc.ISWEL2 = irao;
        swell2Heading = hd;
      }
    }
  }
  const bool swell = wc.ISWELL == irao;
  const bool swell2 = wc.ISWEL2 == irao;
  if (!swell && !swell2) return;

  const std::int32_t swellColumn = seaSpectrumColumn(h.MAXHT + 1);
  const std::int32_t swell2Column = seaSpectrumColumn(h.MAXHT + 2);
  if (swell) {
    const WvspecSink sink = spectrumSink(h.MAXHT + 1);
    swellSpectrum(1, &h.RLDUM(swellColumn), &sink);
    SMPIN2(&h.RLDUM(swellColumn), h.LCNSWL);
  }
  if (swell2) {
    const WvspecSink sink = spectrumSink(h.MAXHT + 2);
    swellSpectrum(2, &h.RLDUM(swell2Column), &sink);
    SMPIN2(&h.RLDUM(swell2Column), h.LCNSWL2);
  }

  const int heights = std::max(d.NSEAHT, 1);
  const int headings = std::max(d.NSEAHG, 1);
  forEachQuantity([&](int q, int index) {
    if (swell) responseMoments(q, swellColumn, h.LCNSIG);
    if (swell2) responseMoments(q, swell2Column, h.LCNSIG2);
    for (int j = 1; j <= heights; ++j) {
      for (int hd = 1; hd <= headings; ++hd) {
        if (swell && (d.LSWLOK != 1 || hd == swellHeading)) accumulate(index, j, hd, h.LCNSIG, 1.0f);
        if (swell2 && (d.LSWLOK != 1 || hd == swell2Heading)) accumulate(index, j, hd, h.LCNSIG2, 1.0f);
      }
    }
  });
}

// The weight of the response heading in hand in sea heading hd: 1 for the mean direction without
// spreading; with spreading the sum of the weights of the spreading directions that fall on it.
float seaHeadingWeight(int hd) {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  const Wavcom& wc = WAVCOM;
  if (wc.LEXP != 1) return wc.IRAO == h.IRAN(hd) ? 1.0f : 0.0f;
  float weight = 0.0f;
  for (int dir = 1; dir <= d.NA + 1; ++dir) {
    if (h.INTGFL(dir, hd) == wc.IRAO) weight += spreadingWeight(dir);
  }
  return weight;
}

// The wind sea of every height: its spectrum (formed once per run), the response moments, and their
// share at every sea heading.
void addWindSea() {
  const Tpcm& d = TPCM;
  Himem& h = HIMEM;
  const Wavcom& wc = WAVCOM;
  for (h.IHT = 1; h.IHT <= d.NSEAHT; ++h.IHT) {
    const int j = h.IHT;
    const std::int32_t spectrum = seaSpectrumColumn(j);
    if (wc.LWVCMP == 0) {
      const WvspecSink sink = spectrumSink(j);
      windSeaSpectrum(j, &h.RLDUM(spectrum), &sink);
      SMPIN2(&h.RLDUM(spectrum), seaStateRecord(j));
    }
    forEachQuantity([&](int q, int index) {
      responseMoments(q, spectrum, h.LCNSIG);
      for (int hd = 1; hd <= d.NSEAHG; ++hd) {
        const float weight = seaHeadingWeight(hd);
        if (weight != 0.0f) accumulate(index, j, hd, h.LCNSIG, weight);
      }
    });
  }
}

// The vessel's speed along the waves of the response heading in hand [ft/s | m/s].
float speedAlongInHand() { return speedAlongWaves(HIMEM.REDANG(WAVCOM.IRAO), TPCM.VGLDIR); }

// The moments of the response spectrum in HIMEM PSD (over wave frequency, one ordinate per wave of
// the grid) into RLDUM(LOC), RLDUM(LOC + 1). M0 is the variance whatever the speed. M2 is the
// variance of the rate of the response as the vessel sees it: under way each wave is met at its
// encounter frequency we = w - k U cos(beta) (beta the waves' heading relative to the course), so M2
// weights each wave's share by we^2. In following seas we is not monotonic in w and may pass through
// 0; squared, it needs no ordering.
void responseSpectrumMoments(std::int32_t LOC) {
  const Tpcm& d = TPCM;
  Himem& h = HIMEM;
  float encounter2[kNarray];
  const float* rate2 = nullptr;  // at rest: the wave's own frequency
  if (d.TVFWD != 0.0f) {
    const float speedAlong = speedAlongInHand();
    for (int i = 1; i <= wavePoints(); ++i) {
      const float we = h.RLDUM(h.LCNW + i - 1) - h.RLDUM(h.LCNWK + i - 1) * speedAlong;
      encounter2[i - 1] = we * we;
    }
    rate2 = encounter2;
  }
  float m0 = 0.0f;
  float m2 = 0.0f;
  gridMoments(h.PSD.data(), &h.RLDUM(h.LCNW2), m0, m2, rate2);
  h.RLDUM(LOC) = m0;
  h.RLDUM(LOC + 1) = m2;
}

}  // namespace

float spreadingTerm(int dir) {
  const Tpcm& d = TPCM;
  const Wavcom& wc = WAVCOM;
  if (dir < 1 || dir > d.NA + 1) return 0.0f;
  const int offset = dir - 1 - wc.NA2;
  if (offset == wc.NA2) return 0.0f;
  float simpson = 0.0f;
  SEIVE(dir, 1, d.NA + 1, simpson);
  const float angle = static_cast<float>(offset) * wc.DA * 180.0f / d.ANGSEC;
  return simpson * std::pow(std::fabs(std::cos(angle)), runSpreadingIndex());
}

float spreadingWeight(int dir) { return WAVCOM.ANGNRM * spreadingTerm(dir); }

void SMPIN2(const float* F, std::int32_t LOC) {
  Himem& h = HIMEM;
  float m0 = 0.0f;
  float m2 = 0.0f;
  gridMoments(F, &h.RLDUM(h.LCNW2), m0, m2);
  h.RLDUM(LOC) = m0;
  h.RLDUM(LOC + 1) = m2;
}

void STATCP(const float* F, std::int32_t IP, std::int32_t LOC) {
  Himem& h = HIMEM;
  const int n = wavePoints();
  for (int i = 1; i <= n; ++i) h.PSD(i) = F[i - 1] * h.RLDUM(IP + i - 1);
  responseSpectrumMoments(LOC);
}

void STATCM(std::int32_t KCOL, std::int32_t IP, std::int32_t LOC) {
  const Tpcm& d = TPCM;
  Himem& h = HIMEM;
  const int n = wavePoints();
  const float rollLever = h.VTCRR - d.TVKG;
  const float pitchLever = h.VTCRP - d.TVKG;
  const bool forces = h.LFRFLG == 1;
  // Under way the motions take surge, sway and yaw at the weight of the rows the vessel meets more
  // slowly than the grid reaches (vessel/slow_encounter.h); the exciting forces stay whole.
  const EncounterWeights weights =
      forces ? EncounterWeights{} : encounterWeights(&h.RLDUM(h.LCNW), &h.RLDUM(h.LCNWK), speedAlongInHand());
  warnSlowEncounterRows(h.REDANG(WAVCOM.IRAO), weights);

  // Row i of the operator column is the response to the wave of grid frequency W(i), whatever the
  // frequency at which the vessel meets it: its energy S(i) goes with that row alone.
  for (h.IW = 1; h.IW <= n; ++h.IW) {
    INDXUP();
    const bool unrestored = KCOL == h.LCNSG || KCOL == h.LCNSWY || KCOL == h.LCNYAW;
    Complex x = h.CXDUM(KCOL + h.IWM);
    if (unrestored && !weights.whole(h.IW)) x *= weights.at(h.IW);
    if (d.LCGFLG == 1) {
      if (!forces && KCOL == h.LCNSG) x -= pitchLever * h.CXDUM(h.LPT);
      if (!forces && KCOL == h.LCNSWY) x += rollLever * h.CXDUM(h.LRL);
      if (forces && KCOL == h.LCNROL) x -= (rollLever / h.GMT) * h.CXDUM(h.LSW);
      if (forces && KCOL == h.LCNPIT) x += (pitchLever / h.GML) * h.CXDUM(h.LSG);
    }
    // Forces and moments other than heave are held per unit wave slope.
    if (forces && KCOL != h.LCNHV) x *= h.RLDUM(h.LWK);
    h.PSD(h.IW) = h.RLDUM(IP + h.IWM) * std::norm(x);
  }
  responseSpectrumMoments(LOC);
}

void STAT1() {
  Tpcm& d = TPCM;
  if (d.NBUG == 1) {
    writeRecord(d.EDUNIT, " IN STAT1. IRAO,LRFGLG = " + fmtI(WAVCOM.IRAO, 6) + fmtI(HIMEM.LFRFLG, 6));
    d.NBUG = 0;  // asked again as VESL1 asks it: 0 or 1
    enterBounded("Input NBUG: ", d.NBUG, 0, 1, d.EDUNIT, kKeyboardUnit);
  }
  if (d.LSWELL != 0) addSwells();
  if (d.LRANDM != 0) {
    addWindSea();
    WAVCOM.LWVCMP = 1;
  }
}

}  // namespace qv

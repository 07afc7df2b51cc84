#include "hull/himem.h"

#include <cmath>
#include <cstring>

#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

// The layout of the work array, every location formed from the size of the block before it, so
// that the blocks lie end to end.
struct HimemLayout {
  std::int32_t NARRAY = kNarray;
  std::int32_t MAXHT = kMaxHeights;
  std::int32_t MAXHDG = kMaxSeaHeadings;
  std::int32_t MAX_HT_TOT = kMaxHeightsTotal;
  std::int32_t MAX_HDG_TOT = kMaxSeaHeadingsTotal;
  std::int32_t NHTNHD = kMaxHeights * kMaxSeaHeadings;
  std::int32_t NHTNHD_TOT = kMaxHeightsTotal * kMaxSeaHeadingsTotal;
  std::int32_t NDOF = kDof;
  std::int32_t MAXDIF = 2 * kDof * kMaxHeights * kMaxSeaHeadings;
  // The six operator columns, in complex elements.
  std::int32_t LCNSG = 1;
  std::int32_t LCNSWY = LCNSG + NARRAY;
  std::int32_t LCNHV = LCNSWY + NARRAY;
  std::int32_t LCNROL = LCNHV + NARRAY;
  std::int32_t LCNPIT = LCNROL + NARRAY;
  std::int32_t LCNYAW = LCNPIT + NARRAY;
  // From here on in real words.
  std::int32_t NBASE = 2 * (LCNYAW + NARRAY - 1);
  std::int32_t LCNW = NBASE + 1;
  std::int32_t LCNWK = LCNW + NARRAY;
  std::int32_t LCNW2 = LCNWK + NARRAY;
  std::int32_t LCNPSD = LCNW2 + NARRAY;
  std::int32_t LCNFTQ = LCNPSD + MAX_HT_TOT * NARRAY;
  std::int32_t LCNMOT = LCNFTQ + MAXDIF;
  // One point-statistics block: a pair (M0, M2) for each output point, its three directions, each
  // height and sea heading.
  std::int32_t pointBlock = 2 * kMaxOutputPoints * 3 * NHTNHD;
  std::int32_t LCNACC = LCNMOT + MAXDIF;
  std::int32_t LCNVEL = LCNACC + pointBlock;
  std::int32_t LCNHNG = LCNVEL + pointBlock;
  std::int32_t LCNDSP = LCNHNG + pointBlock;
  std::int32_t LCNSIG = LCNDSP + pointBlock;
  std::int32_t LCNSIG2 = LCNSIG + 2;
  std::int32_t LCNSWL = LCNSIG2 + 2;
  std::int32_t LCNSWL2 = LCNSWL + 2;
  std::int32_t LCNWV = LCNSWL2 + 2;
  std::int32_t LACRAO = LCNWV + 3 * MAX_HT_TOT;
  std::int32_t NXTFRE = LACRAO + 8 * NARRAY;
};

constexpr HimemLayout kLayout{};

// The locations every stage and the stored motion files rely on.
static_assert(kLayout.NHTNHD == 222 && kLayout.NHTNHD_TOT == 312 && kLayout.MAXDIF == 2664);
static_assert(kLayout.LCNSWY == 101 && kLayout.LCNYAW == 501 && kLayout.NBASE == 1200);
static_assert(kLayout.LCNW == 1201 && kLayout.LCNWK == 1301 && kLayout.LCNW2 == 1401);
static_assert(kLayout.LCNPSD == 1501 && kLayout.LCNFTQ == 2301 && kLayout.LCNMOT == 4965);
static_assert(kLayout.pointBlock == 198468 && kLayout.LCNACC == 7629 && kLayout.LCNVEL == 206097);
static_assert(kLayout.LCNHNG == 404565 && kLayout.LCNDSP == 603033 && kLayout.LCNSIG == 801501);
static_assert(kLayout.LCNSIG2 == 801503 && kLayout.LCNSWL == 801505 && kLayout.LCNSWL2 == 801507);
static_assert(kLayout.LCNWV == 801509 && kLayout.LACRAO == 801533 && kLayout.NXTFRE == 802333);
static_assert(kLayout.NXTFRE <= kRldumWords + 1, "the layout must fit the work array");

}  // namespace

void resetHimem() {
  // All bits zero is zero for every member (reals, integers, complex pairs).
  std::memset(static_cast<void*>(&HIMEM), 0, sizeof HIMEM);
}

void layOutHimem() {
  Himem& h = HIMEM;
  h.NARRAY = kLayout.NARRAY;
  h.MAXHT = kLayout.MAXHT;
  h.MAXHDG = kLayout.MAXHDG;
  h.MAX_HT_TOT = kLayout.MAX_HT_TOT;
  h.MAX_HDG_TOT = kLayout.MAX_HDG_TOT;
  h.NHTNHD = kLayout.NHTNHD;
  h.NHTNHD_TOT = kLayout.NHTNHD_TOT;
  h.NDOF = kLayout.NDOF;
  h.MAXDIF = kLayout.MAXDIF;
  h.LCNSG = kLayout.LCNSG;
  h.LCNSWY = kLayout.LCNSWY;
  h.LCNHV = kLayout.LCNHV;
  h.LCNROL = kLayout.LCNROL;
  h.LCNPIT = kLayout.LCNPIT;
  h.LCNYAW = kLayout.LCNYAW;
  h.NBASE = kLayout.NBASE;
  h.LCNW = kLayout.LCNW;
  h.LCNWK = kLayout.LCNWK;
  h.LCNW2 = kLayout.LCNW2;
  h.LCNPSD = kLayout.LCNPSD;
  h.LCNFTQ = kLayout.LCNFTQ;
  h.LCNMOT = kLayout.LCNMOT;
  h.LCNACC = kLayout.LCNACC;
  h.LCNVEL = kLayout.LCNVEL;
  h.LCNHNG = kLayout.LCNHNG;
  h.LCNDSP = kLayout.LCNDSP;
  h.LCNSIG = kLayout.LCNSIG;
  h.LCNSIG2 = kLayout.LCNSIG2;
  h.LCNSWL = kLayout.LCNSWL;
  h.LCNSWL2 = kLayout.LCNSWL2;
  h.LCNWV = kLayout.LCNWV;
  h.LACRAO = kLayout.LACRAO;
  h.NXTFRE = kLayout.NXTFRE;
}

std::int32_t statisticsPair(std::int32_t base, int q, int j, int h) {
  return base + 2 * ((j - 1) + (h - 1) * HIMEM.MAXHT + (q - 1) * HIMEM.NHTNHD);
}

std::int32_t seaStateRecord(int j) { return HIMEM.LCNWV + 3 * (j - 1); }

std::int32_t seaSpectrumColumn(int j) { return HIMEM.LCNPSD + (j - 1) * HIMEM.NARRAY; }

void INDXUP() {
  Himem& h = HIMEM;
  h.IWM = h.IW - 1;
  h.LW = h.LCNW + h.IWM;
  h.LW2 = h.LCNW2 + h.IWM;
  h.LWK = h.LCNWK + h.IWM;
  h.LHV = h.LCNHV + h.IWM;
  h.LSG = h.LCNSG + h.IWM;
  h.LSW = h.LCNSWY + h.IWM;
  h.LPT = h.LCNPIT + h.IWM;
  h.LRL = h.LCNROL + h.IWM;
  h.LYA = h.LCNYAW + h.IWM;
}

void GRIDPT(float T, std::int32_t& IDX) {
  const int n = wavePoints();
  if (n < 2) {
    IDX = 1;
    return;
  }
  const Arr<float, kMaxWavePeriods>& W = WAVCOM.W;
  const float w = kTwoPi / T;
  int IOUT = 0;
  int l = 0;
  BSRCH(W.data(), w, IOUT, l, n);
  if (IOUT != 0) {
    // Beyond the grid: the end on that side (the grid frequencies descend as the periods rise).
    const bool firstIsHighest = W(1) >= W(n);
    const bool aboveHighest = IOUT == 2;
    IDX = (aboveHighest == firstIsHighest) ? 1 : n;
    return;
  }
  IDX = std::fabs(W(l + 1) - w) < std::fabs((W(l + 1) - W(l)) / 2.0f) ? l + 1 : l;
}

}  // namespace qv

#include "mooring/static_solver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"
#include "mooring/line_trace.h"
#include "numlib/roots.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

constinit Locitr LOCITR{};
const BlockReset resetLocitr{[] { LOCITR.reset(); }};
const BlockBytes locitrBytes{"LOCITR", bytesOf(LOCITR)};

void Locitr::reset() {
  TOPT1C = 0.0f;
  TOPT2C = 0.0f;
}

namespace {

// A bracket that still shows no sign change after this many widenings belongs to a line that cannot
// span its height (the step has grown by 2^60 by then).
constexpr int kMaxWidenings = 60;

const float* elementLengths(std::int32_t lineType) { return &TPCM.moor.SLEN(1, lineType); }

// The required fairlead height, less the buoy's sinkage under the change of the vertical load that
// NLINE lines put on it, against the tabulated fairlead tension of the undisplaced depth.
float requiredHeight(float X) {
  const Lincom& lc = LINCOM;
  if (TPCM.moor.PULLDN == 0) return lc.DELTAZ;
  const float V = static_cast<float>(TPCM.moor.NLINE(1) * (lc.DPHLD * X - lc.TOPTEN(1, lc.MIDLYR, lc.ITYP)));
  return lc.DELTAZ - 1000.0f * V / (TPCM.TAWP * TPCM.DWATR);
}

void traceHeightError(float X, double Z, float ZT, float error) {
  const Lincom& lc = LINCOM;
  const std::int32_t unit = TPCM.EDUNIT;
  const std::int32_t N = TPCM.moor.NELEM(lc.ITYP);
  std::array<double, 29> values{};  // X, SCLWT(1), the node slopes, BOTLN
  int count = 0;
  values[count++] = X;
  values[count++] = lc.SCLWT(1);
  for (int k = 1; k <= N + 1; ++k) values[count++] = lc.TMPTAN(k);
  values[count++] = lc.BOTLN;
  writeRecord(unit, " IN HTERR; ITYP, NELEM,TOPTAN,SCLWT(1),TMPTAN(1->NELEM+1),BOTLN");
  writeTraceValues(unit, {lc.ITYP, N}, values.data(), count);
  writeRecord(unit, "  IELEM,SECARR(IELEM)");
  for (int k = 1; k <= N + 1; ++k) writeTraceValues(unit, {k}, {lc.SECARR(k)});
  writeRecord(unit, " ZDIST,DELTZP,DHTERR");
  writeTraceValues(unit, {}, {Z, ZT, error});
}

void traceLoop(std::int32_t unit, std::int32_t successes, float TLO, float THI, float F, float root) {
  writeRecord(unit, " LOOP DONE:ICOUNT,TOPT1,TOPT2,FUNC,TOPTAN");
  writeTraceValues(unit, {successes}, {TLO, THI, F, root});
}

[[noreturn]] void iter8Overflow(std::int32_t lineType, std::int32_t unit) {
  fatalStop("ITER8", unit,
            {"", " ++> Iteration overflow in ITER8P:ITER8; line type" + fmtI(lineType, 3),
             "     Press <Return> to Continue..."},
            FatalWait::kReadLine);
}

[[noreturn]] void waterLevelOverflow() {
  fatalStop("ITER8P", TPCM.EDUNIT,
            {"", " ++> Iteration overflow in RTMI2 (WLERR) at Htens = " + fmtF(LINCOM.DPHLD, 8, 2) + "; ",
             "     Check data file and retry", "", " Press <Return> to Continue...", ""},
            FatalWait::kReadLine);
}

}  // namespace

float HTERR(float X) {
  Lincom& lc = LINCOM;
  const std::int32_t type = lc.ITYP;
  const std::int32_t N = TPCM.moor.NELEM(type);
  const float* L = elementLengths(type);
  const double pB = lc.DSLOPE;
  lc.BOTLN = 0.0;
  lc.TMPTAN(1) = X;
  const float ZT = requiredHeight(X);

  // Walk down from the fairlead. An element whose slope passes the seabed slope touches down: its
  // grounded stretched length counts in BOTLN and the slope below it stays on the seabed, so every
  // element further down lies there whole. Nothing above a buoyant element can rest on the seabed.
  const bool mayGround = TPCM.moor.ANCTYP(type) == 1;
  const int buoyantBelow = lastBuoyantElement(lc.SCLWT.data(), N);
  for (int k = 1; k <= N; ++k) {
    lc.TMPTAN(k + 1) = lc.TMPTAN(k) - lc.SCLWT(k) * L[k - 1];
    if (mayGround && lc.TMPTAN(k) >= pB && lc.TMPTAN(k + 1) <= pB && buoyantBelow <= k) {
      const double stretch = STRECH(pB, lc.BETA.data(), k);
      lc.BOTLN += lc.SCLWT(k) != 0.0 ? stretch * (pB - lc.TMPTAN(k + 1)) / lc.SCLWT(k) : L[k - 1] * stretch;
      lc.TMPTAN(k + 1) = pB;
    }
  }
  for (int k = 1; k <= N + 1; ++k) lc.SECARR(k) = SECFCN(lc.TMPTAN(k));

  const double Z = ZDIST(lc.SCLWT.data(), lc.SECARR.data(), lc.BETA.data(), N, L, lc.TMPTAN.data());
  const float error = static_cast<float>(Z - ZT);
  if (TPCM.NBUG == 1) traceHeightError(X, Z, ZT, error);
  return error;
}

void ITER8(float& TLO, float& THI, std::int32_t lineType, std::int32_t debug, std::int32_t unit) {
  // Never a zero step: a bracket of two equal slopes, or of zero, still widens.
  float step = std::max({std::fabs(THI) / 2.0f, std::fabs(THI - TLO), 0.1f});
  std::int32_t successes = 0;
  int widenings = 0;
  for (;;) {
    if (debug == 1) {
      writeRecord(unit, "  ALEVER,TOPT1,TOPT2");
      writeTraceValues(unit, {}, {step, TLO, THI});
    }
    float root = 0.0f;
    float F = 0.0f;
    int ier = kRootFound;
    RTMI1(root, F, HTERR, THI, TLO, 1.0e-5f, 0.01f, 100, ier);
    if (ier != kRootFound && debug == 1) writeRecord(unit, "  ++> RTMI ERROR # " + fmtI(ier, 2));
    if (ier == kRootNotConverged) iter8Overflow(lineType, unit);
    if (ier == kRootFound) {
      THI = root;
      TLO = root * 0.25f;
      ++successes;
      if (debug == 1) traceLoop(unit, successes, TLO, THI, F, root);
      return;
    }
    if (widenings == kMaxWidenings) iter8Overflow(lineType, unit);
    THI += step;
    TLO -= step;
    step *= 2.0f;
    ++widenings;
    if (debug == 1) traceLoop(unit, successes, TLO, THI, F, root);
  }
}

void ITER8P(float& TLO, float& THI) {
  Lincom& lc = LINCOM;
  bool fallback = false;  // the buoyant element has taken its dry weight
  for (;;) {
    LOCITR.TOPT1C = TLO;
    LOCITR.TOPT2C = THI;
    if (TPCM.moor.WLFLAG == 0 || fallback) {
      ITER8(TLO, THI, lc.ITYP, TPCM.NBUG, TPCM.EDUNIT);
      return;
    }
    const std::int32_t N = TPCM.moor.NELEM(lc.ITYP);
    lc.KELEM = 0;
    for (int k = 1; k <= N && lc.KELEM == 0; ++k) {
      if (lc.SCLWT(k) < 0.0) lc.KELEM = k;
    }
    if (lc.KELEM == 0) {  // nothing buoyant
      ITER8(TLO, THI, lc.ITYP, TPCM.NBUG, TPCM.EDUNIT);
      return;
    }
    // The line as solved inside WLERR stands when the element's midpoint is at or below the water.
    if (WLERR(static_cast<float>(lc.SCLWT(lc.KELEM))) >= 0.0f) return;

    // Otherwise the element is partly out of the water: its effective weight lies between its
    // buoyant weight in water and its weight in air.
    const float dryWeight = static_cast<float>(TPCM.moor.DRYWT(lc.KELEM, lc.ITYP) / lc.DPHLD);
    float weight = 0.0f;
    float F = 0.0f;
    int ier = kRootFound;
    RTMI2(weight, F, WLERR, static_cast<float>(lc.SCLWT(lc.KELEM)), dryWeight, 1.0e-5f, 0.001f, 100, ier);
    if (ier == kRootFound) return;
    if (ier == kRootNotConverged) waterLevelOverflow();
    lc.SCLWT(lc.KELEM) = dryWeight;  // floats even at its dry weight: taken as out of the water
    fallback = true;
  }
}

float WLERR(float Q) {
  Lincom& lc = LINCOM;
  const std::int32_t K = lc.KELEM;
  lc.SCLWT(K) = Q;
  ITER8(LOCITR.TOPT1C, LOCITR.TOPT2C, lc.ITYP, TPCM.NBUG, TPCM.EDUNIT);
  const float* L = elementLengths(lc.ITYP);
  const double A = ZDIST(lc.SCLWT.data(), lc.SECARR.data(), lc.BETA.data(), K - 1, L, lc.TMPTAN.data());
  const double D = elementRise(lc.SCLWT.data(), lc.SECARR.data(), lc.BETA.data(), K, L, lc.TMPTAN.data());
  return static_cast<float>(A + D / 2.0 - lc.WTRLEV);
}

}  // namespace qv

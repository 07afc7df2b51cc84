#include "mooring/line_driver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"
#include "mooring/catcom.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"
#include "mooring/line_trace.h"
#include "mooring/static_solver.h"
#include "mooring/strain_law.h"
#include "numlib/angles.h"
#include "numlib/interpolation.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"

namespace qv {

constinit LindrvState LINDRV_STATE{};
const BlockReset resetLindrvState{[] { LINDRV_STATE.reset(); }};

void LindrvState::reset() { WARNED.fill(0); }

namespace {

constexpr double kTensionStep = 0.0078125;  // 2^-7 of the horizontal tension
constexpr float kHeightStep = 0.001f;       // of the line's length
constexpr std::int32_t kDynamicLineCodes = 1024;  // codes above belong to the dynamic line model
constexpr std::int32_t kTypeBits = 1023;
constexpr int kMostLines = 150;
constexpr int kMostElements = 25;

// The simulation types whose fairleads move between the depth layers of the tables.
bool layeredType() { return TPCM.CREATR == kSimYobrix || TPCM.CREATR == kSimWistole; }

// A refusal of the line data: `what`, after " ++> ", flowing over the console's lines.
[[noreturn]] void refuse(const std::string& what, std::string_view routine = "LINDRV") {
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ", what);
  lines.emplace_back("");
  fatalStop(routine, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// One static solution of the line: scaled weights, secants and slopes at the nodes, strain terms.
struct Shape {
  const double* q;
  const double* s;
  const double* p;
  const double* b;
};

// Spans of the elements 1..k-1, perturbed solution less base solution, at the nodes k = 1..N+1:
// horizontal in dx[k] (grounded parts included, as XDIST counts them) and vertical in dz[k].
void spanDifferences(const Shape& perturbed, const Shape& base, std::int32_t type, std::array<double, 27>& dx,
                     std::array<double, 27>& dz) {
  const Morcom& m = TPCM.moor;
  const std::int32_t N = m.NELEM(type);
  const float* L = &m.SLEN(1, type);
  const double pB = LINCOM.DSLOPE;
  // Element k alone, with what lies below it: XDIST over the line from element k on, one element.
  auto run = [&](const Shape& at, int k) {
    const int from = k - 1;
    return XDIST(at.q + from, at.s + from, at.p + from, at.b + 3 * from, 1, N - from, m.ANCTYP(type), L + from, pB);
  };
  auto rise = [&](const Shape& at, int k) { return elementRise(at.q, at.s, at.b, k, L, at.p); };
  double xPerturbed = 0.0, xBase = 0.0, zPerturbed = 0.0, zBase = 0.0;
  dx[1] = dz[1] = 0.0;
  for (int k = 1; k <= N; ++k) {
    xPerturbed += run(perturbed, k);
    xBase += run(base, k);
    zPerturbed += rise(perturbed, k);
    zBase += rise(base, k);
    dx[k + 1] = xPerturbed - xBase;
    dz[k + 1] = zPerturbed - zBase;
  }
}

void traceLine(std::int32_t unit, const char* text) {
  if (TPCM.NBUG == 1) writeRecord(unit, text);
}

// With trace level 1 the level is asked again around the solutions.
void askTraceLevelAgain() {
  if (TPCM.NBUG == 1) INBUG(TPCM.NBUG, TPCM.EDUNIT, kKeyboardUnit);
}

}  // namespace

void warnNoMeanTension(std::int32_t line, float separation) {
  Lincom& lc = LINCOM;
  lc.HMEAN = lc.HLOD(1);
  if (LINDRV_STATE.WARNED(line) != 0) return;
  LINDRV_STATE.WARNED(line) = 1;
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "");
  const std::string warning = "Line" + fmtI(line, 4) + ": the anchor separation" + fmtF(separation, 10, 2) +
                              " gives no positive mean tension; the line is solved at the first table tension" +
                              fmtF(lc.HLOD(1), 10, 2) + ".";
  for (const std::string& text : flowingLines(" ++> Warning: ", warning)) writeRecord(unit, text);
}

void checkLineCode(std::int32_t line, std::int32_t code, std::string_view routine) {
  if (code > kDynamicLineCodes || (code >= 1 && code <= kMostLines)) return;
  refuse("Line" + fmtI(line, 4) + ": code" + fmtI(code, 6) +
             " names no line type (1 to 150) and no dynamic line (above 1024).",
         routine);
}

void checkLineType(std::int32_t lineType) {
  const Morcom& m = TPCM.moor;
  const std::int32_t N = m.NELEM(lineType);
  if (N < 1 || N > kMostElements) {
    refuse("Line type" + fmtI(lineType, 4) + ":" + fmtI(N, 4) + " elements; 1 to 25 are allowed.");
  }
  const std::int32_t line = m.LINTYP(1, lineType);
  if (line < 1 || line > kMostLines) {
    refuse("Line type" + fmtI(lineType, 4) + ": its line record names line" + fmtI(line, 4) +
           "; lines are numbered 1 to 150.");
  }
}

float requiredFairleadHeight(std::int32_t lineType) {
  const Tpcm& t = TPCM;
  const Morcom& m = t.moor;
  const float ZF = m.RFLD(3, m.LINTYP(1, lineType));
  const std::int32_t sim = t.CREATR;
  // The two-body configurations: IARCO = 1 marks the buoy and hawser arrangement of types 8 and 13.
  if (sim == kSimGandru || ((sim == kSimPexira || sim == kSimFirnedo) && t.IARCO == kRigidHawser)) {
    if (lineType == m.HAWSTP) return ZF - t.BDRAFT - (t.TLNHT - t.TDRAFT);
    return ZF - t.BDRAFT + m.ANCHGT(lineType);
  }
  return ZF - t.TDRAFT + m.ANCHGT(lineType);
}

float lineFairleadHeight(std::int32_t lineType, float ZANCK) {
  return layeredType() ? requiredFairleadHeight(lineType) + ZANCK : requiredFairleadHeight(lineType);
}

void LINDRV(const float* RANCK, const float* ZANCK) {
  Tpcm& t = TPCM;
  const Morcom& m = t.moor;
  Lincom& lc = LINCOM;
  Catcom& cc = CATCOM;
  const std::int32_t unit = t.EDUNIT;
  if (t.NBUG0 == 1) {
    writeRecord(unit, " ### In LINDRV:");
    INBUG(t.NBUG, unit, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  lc.DHFRAC = kTensionStep;
  lc.DZFRAC = kHeightStep;
  if (m.NLIN < 0 || m.NLIN > kMostLines) {
    refuse("LINDRV:" + fmtI(m.NLIN, 6) + " mooring lines; 0 to 150 can be solved.");
  }

  for (std::int32_t ILINE = 1; ILINE <= m.NLIN; ++ILINE) {
    const std::int32_t code = lc.LINEID(ILINE);
    if (code > kDynamicLineCodes) continue;  // the dynamic line model's
    checkLineCode(ILINE, code, "LINDRV");
    const std::int32_t type = code & kTypeBits;
    checkLineType(type);
    lc.ITYP = type;
    const std::int32_t N = m.NELEM(type);
    const float* L = &m.SLEN(1, type);
    const float* alpha = &m.ALPHA(1, 1, type);
    const float* wet = &m.WETWT(1, type);
    lc.TOTLEN = 0.0f;
    for (int k = 1; k <= N; ++k) lc.TOTLEN += L[k - 1];
    const bool layered = layeredType();
    auto fairleadHeight = [&] { return lineFairleadHeight(type, ZANCK[ILINE - 1]); };
    lc.DELTAZ = fairleadHeight();

    // The mean tension from the table at the anchor separation; for the layered types in the
    // fairlead's depth layer, blended with the next one.
    const float separation = RANCK[ILINE - 1];
    int IPT = 1;
    std::int32_t LL = lc.MIDLYR;
    if (layered) {
      if (t.NBUG == 1) writeRecord(unit, "Before SETLYR call; ILINE = " + fmtI(ILINE, 5));
      float F = 0.0f;
      std::int32_t outside = 0;
      SETLYR(m.NLAYER, lc.MIDLYR, lc.DLAYER, m.ZSPAN, ZANCK[ILINE - 1], lc.ILAYER, F, outside);
      const float* column = &lc.SEPVES(1, lc.ILAYER, type);
      int range = 0;
      BSRCHQ(column, F, separation, range, IPT, t.NUMTAB);
      INTRPR(column, lc.HLOD.data(), separation, lc.HMEAN, IPT, F);
      LL = lc.ILAYER;
    } else {
      const float* column = &lc.SEPVES(1, lc.MIDLYR, type);
      int range = 0;
      BSRCH(column, separation, range, IPT, t.NUMTAB);
      INTERP(column, lc.HLOD.data(), separation, lc.HMEAN, IPT);
    }
    if (!(lc.HMEAN > 0.0f)) warnNoMeanTension(ILINE, separation);

    lc.DPHLD = lc.HMEAN;
    if (lc.NEED_STRAIN_FILE != 0 && m.STRESS_STRAIN_FILE(type) != 0) LOAD_ALPHAS(lc.DPHLD, LL);
    SCLWLD(lc.SCLWT.data(), wet, lc.DPHLD, N);
    BETALD(alpha, lc.BETA.data(), lc.DPHLD, N);

    // Every solution starts from the tabulated fairlead angles at the ends of the table interval.
    const std::int32_t L1 = layered ? lc.ILAYER : lc.MIDLYR;
    const std::int32_t L2 = layered ? std::min(lc.ILAYER + 1, m.NLAYER) : lc.MIDLYR;
    auto bracket = [&](float& TLO, float& THI) {
      TLO = std::tan(lc.TOPANG(IPT + 1, L1, type));
      THI = std::tan(lc.TOPANG(IPT, L2, type));
      if (TLO == THI) {
        THI = TLO + 0.1f;
        TLO = THI - 0.2f;
      }
    };
    if (t.NBUG == 1) writeRecord(unit, " SETTING MEAN TMPTANS & SECARRS: MIN = " + fmtI(IPT, 5));

    // The base solution.
    float TLO = 0.0f, THI = 0.0f;
    bracket(TLO, THI);
    traceLine(unit, "ITERATION LOOP FOLLOWS:");
    askTraceLevelAgain();
    ITER8P(TLO, THI);
    askTraceLevelAgain();
    std::array<double, 25> SW0{};
    std::copy_n(lc.SCLWT.begin(), 25, SW0.begin());
    for (int k = 1; k <= N + 1; ++k) cc.TANARR(k, ILINE) = static_cast<float>(lc.TMPTAN(k));
    const double TANF = lc.TMPTAN(1);
    const double TANB = lc.TMPTAN(N + 1);
    lc.QF = static_cast<float>(TANF);
    lc.QB = static_cast<float>(TANB);
    lc.FXCOMP = COSPHT(lc.QF);
    lc.FZCOMP = SINPHT(lc.QF);
    lc.BXCOMP = COSPHT(lc.QB);
    lc.BZCOMP = SINPHT(lc.QB);
    lc.TPTEN0 = lc.DPHLD * lc.SECARR(1);
    lc.BTTEN0 = lc.DPHLD * lc.SECARR(N + 1);
    const double V0 = -lc.DPHLD * TANF;  // vertical pull of the line on the fairlead
    lc.BOTLNM = lc.BOTLN;
    for (int k = 1; k <= N + 1; ++k) {
      lc.AVTAN(k) = lc.TMPTAN(k);
      lc.AVSEC(k) = lc.SECARR(k);
    }
    if (t.NBUG == 1) {
      writeRecord(unit, "HMEAN,RANCHR,TPTEN0,BTTEN0,BOTLNM,BXCOMP,BZCOMP,FXCOMP,FZCOMP");
      writeTraceValues(unit, {}, {lc.HMEAN, separation, lc.TPTEN0, lc.BTTEN0, lc.BOTLNM, lc.BXCOMP, lc.BZCOMP,
                                  lc.FXCOMP, lc.FZCOMP});
      writeRecord(unit, "Dynamic line request: ILINE,ILINE,ITYP");
      writeTraceValues(unit, {ILINE, ILINE, type}, {});
    }
    const Shape base{SW0.data(), lc.AVSEC.data(), lc.AVTAN.data(), lc.BETA.data()};
    std::array<double, 27> DXP{};
    std::array<double, 27> DZP{};

    // The fairlead raised at the same horizontal tension.
    const float DZ = lc.DZFRAC * lc.TOTLEN;
    lc.DELTAZ = fairleadHeight() + DZ;
    bracket(TLO, THI);
    traceLine(unit, "ITERATION LOOP FOLLOWS:");
    askTraceLevelAgain();
    ITER8P(TLO, THI);
    askTraceLevelAgain();
    std::array<double, 25> SW1{};
    std::copy_n(lc.SCLWT.begin(), 25, SW1.begin());
    lc.TPTEN_CSTH = lc.DPHLD * lc.SECARR(1);
    lc.BTTEN_CSTH = lc.DPHLD * lc.SECARR(N + 1);
    cc.DTZFDZ(ILINE) = static_cast<float>((-lc.DPHLD * lc.TMPTAN(1) - V0) / DZ);
    const double SZ = (lc.TMPTAN(1) - TANF) / DZ;
    spanDifferences({SW1.data(), lc.SECARR.data(), lc.TMPTAN.data(), lc.BETA.data()}, base, type, DXP, DZP);
    for (int k = 1; k <= N + 1; ++k) {
      traceLine(unit, "BEFORE DXSDZF");
      cc.DXSDZF(k, ILINE) = static_cast<float>((DXP[N + 1] - DXP[k]) / DZ);
      traceLine(unit, "BEFORE DZSDZF");
      cc.DZSDZF(k, ILINE) = static_cast<float>(1.0 - DZP[k] / DZ);
    }

    // The horizontal tension raised at the same fairlead height.
    lc.DELTAZ = fairleadHeight();
    lc.DPHLD2 = (1.0 + lc.DHFRAC) * lc.DPHLD;
    if (t.NBUG == 1) {
      writeRecord(unit, "DPHLD,DPHLD2,DHFRAC");
      writeTraceValues(unit, {}, {lc.DPHLD, lc.DPHLD2, lc.DHFRAC});
    }
    SCLWLD(lc.SCLWT.data(), wet, lc.DPHLD2, N);
    BETALD(alpha, lc.BETA.data(), lc.DPHLD2, N);
    bracket(TLO, THI);
    std::swap(lc.DPHLD, lc.DPHLD2);  // the solver works at DPHLD
    ITER8P(TLO, THI);
    std::swap(lc.DPHLD, lc.DPHLD2);
    askTraceLevelAgain();
    std::copy_n(lc.SCLWT.begin(), 25, lc.SCLWTP.begin());
    const double DH = lc.DHFRAC * lc.DPHLD;
    lc.TPTEN_CSTZ = lc.DPHLD2 * lc.SECARR(1);
    lc.BTTEN_CSTZ = lc.DPHLD2 * lc.SECARR(N + 1);
    cc.DTZFDH(ILINE) = static_cast<float>((-lc.DPHLD2 * lc.TMPTAN(1) - V0) / DH);
    const double SH = (lc.TMPTAN(1) - TANF) / DH;
    BETALD(alpha, lc.BETAP.data(), lc.DPHLD2, N);
    std::copy_n(SW0.begin(), 25, lc.SCLWT.begin());
    BETALD(alpha, lc.BETA.data(), lc.DPHLD, N);
    spanDifferences({lc.SCLWTP.data(), lc.SECARR.data(), lc.TMPTAN.data(), lc.BETAP.data()}, base, type, DXP, DZP);
    for (int k = 1; k <= N + 1; ++k) {
      traceLine(unit, "BEFORE DXSDH");
      cc.DXSDH(k, ILINE) = static_cast<float>((DXP[N + 1] - DXP[k]) / DH);
      traceLine(unit, "BEFORE DZSDH");
      cc.DZSDH(k, ILINE) = static_cast<float>((DZP[N + 1] - DZP[k]) / DH);
    }

    // End-tension derivatives: per horizontal move with the height held (W is the span change of
    // the tension step), per rise with the span held, and along the line's end directions.
    const float W = cc.DXSDH(1, ILINE) * static_cast<float>(lc.DHFRAC) * lc.HMEAN;
    const float XF = static_cast<float>((lc.TPTEN_CSTZ - lc.TPTEN0) / W);
    const float XB = static_cast<float>((lc.BTTEN0 - lc.BTTEN_CSTZ) / W);
    const float ZFH = static_cast<float>((lc.TPTEN_CSTH - lc.TPTEN0) / DZ);
    const float ZBH = static_cast<float>((lc.BTTEN0 - lc.BTTEN_CSTH) / DZ);
    cc.DTFDXF(ILINE) = XF;
    cc.DTBDXB(ILINE) = XB;
    cc.DTFDZF(ILINE) = ZFH - cc.DXSDZF(1, ILINE) * XF;
    cc.DTBDZB(ILINE) = ZBH - cc.DXSDZF(1, ILINE) * XB;
    cc.DTFDAF(ILINE) = XF * lc.FXCOMP + cc.DTFDZF(ILINE) * lc.FZCOMP;
    cc.DTBDAB(ILINE) = XB * lc.BXCOMP + cc.DTBDZB(ILINE) * lc.BZCOMP;
    lc.DPHIF_DAF(ILINE) = ((SH / cc.DXSDH(1, ILINE)) * lc.FXCOMP + SZ * lc.FZCOMP) / (TANF * TANF + 1.0);

    if (t.NBUG == 1) {
      writeRecord(unit, " I,DXSDZF(I,ILINE),DZSDZF(I,ILINE),DXSDH(I,ILINE),DZSDH(IELEM,ILINE)");
      for (int k = 1; k <= N + 1; ++k) {
        writeTraceValues(unit, {k}, {cc.DXSDZF(k, ILINE), cc.DZSDZF(k, ILINE), cc.DXSDH(k, ILINE), cc.DZSDH(k, ILINE)});
      }
    }
  }
}

}  // namespace qv

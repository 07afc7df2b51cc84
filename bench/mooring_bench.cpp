// Timing of the static line solver, the inner loop of the line tables and the line driver: 1,000
// solves of a three-element line (chain, fibre rope with a cubic strain law, chain resting on the
// seabed) at horizontal tensions spread from 50 to 300 kip. Then the line model on a spread of 12
// lines of 8 line types with 90 table points in 5 depth layers: the line set-up, the line driver
// over the 12 lines, and one mooring force over them at a displaced, rotated position. Last the
// wave-frequency line model: 100 calls of DYNCOD over frequencies from 0.2 to 2 rad/s on one grounded
// line of 12 elements (chain, ten pieces of fibre rope, chain on the seabed), linear branch.
// Built beside the tests, never run by them.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "dataset/tpcm.h"
#include "mooring/catcom.h"
#include "mooring/catenary_element.h"
#include "mooring/dynamic_line.h"
#include "mooring/lincom.h"
#include "mooring/line_driver.h"
#include "mooring/line_setup.h"
#include "mooring/mooring_force.h"
#include "mooring/static_solver.h"
#include "platform/block_reset.h"
#include "waves/wavcom.h"

namespace {

constexpr std::int32_t kType = 1;
constexpr int kSolves = 1000;

void defineThreeElementLine() {
  std::memset(static_cast<void*>(&qv::TPCM), 0, sizeof qv::TPCM);
  qv::LINCOM.reset();
  qv::Morcom& m = qv::TPCM.moor;
  const float length[3] = {100.0f, 800.0f, 1500.0f};     // [ft]
  const float wet[3] = {0.1f, 0.02f, 0.1f};               // [kip/ft]
  const float a[3][3] = {{1e-5f, 0, 0}, {4e-5f, -5e-8f, 1e-10f}, {1e-5f, 0, 0}};
  for (int k = 1; k <= 3; ++k) {
    m.SLEN(k, kType) = length[k - 1];
    m.WETWT(k, kType) = wet[k - 1];
    for (int i = 1; i <= 3; ++i) m.ALPHA(i, k, kType) = a[k - 1][i - 1];
  }
  m.NELEM(kType) = 3;
  m.ANCTYP(kType) = 1;
  qv::TPCM.EDUNIT = 6;
  qv::LINCOM.ITYP = kType;
  qv::LINCOM.DELTAZ = 500.0f;  // fairlead height above the lower end [ft]
}

void BM_ITER8P_ThreeElementLine(benchmark::State& state) {
  defineThreeElementLine();
  qv::Lincom& lc = qv::LINCOM;
  for (auto _ : state) {
    for (int i = 0; i < kSolves; ++i) {
      const double H = 50.0 + 250.0 * i / (kSolves - 1);
      lc.DPHLD = H;
      qv::SCLWLD(lc.SCLWT.data(), &qv::TPCM.moor.WETWT(1, kType), H, 3);
      qv::BETALD(&qv::TPCM.moor.ALPHA(1, 1, kType), lc.BETA.data(), H, 3);
      float tlo = 0.3f, thi = 1.0f;  // fairlead slopes 0.43 .. 0.93 over the range
      qv::ITER8P(tlo, thi);
      benchmark::DoNotOptimize(lc.TMPTAN(1));
    }
  }
  state.SetItemsProcessed(state.iterations() * kSolves);
}
BENCHMARK(BM_ITER8P_ThreeElementLine)->Unit(benchmark::kMillisecond);

constexpr int kTypes = 8;
constexpr int kLines = 12;

// Eight line types of chain, fibre rope and chain (each a little longer and heavier than the last)
// on 12 lines spread round a body at 30 deg steps, 300 ft above their anchors, 90 table points,
// 5 layers over 40 ft.
void defineSpreadOfTwelve() {
  qv::resetAllBlocks();
  qv::Tpcm& t = qv::TPCM;
  qv::Morcom& m = t.moor;
  t.EDUNIT = 6;
  t.TDRAFT = 20.0f;
  t.NUMTAB = 90;
  m.NLAYER = 5;
  m.ZSPAN = 40.0f;
  m.NLIN = kLines;
  m.NTYP = kTypes;
  for (int type = 1; type <= kTypes; ++type) {
    const float scale = 1.0f + 0.05f * static_cast<float>(type - 1);
    const float length[3] = {100.0f, 800.0f * scale, 1500.0f};
    const float wet[3] = {0.1f * scale, 0.02f, 0.1f * scale};
    const float a[3][3] = {{1e-5f, 0, 0}, {4e-5f, -5e-8f, 1e-10f}, {1e-5f, 0, 0}};
    for (int k = 1; k <= 3; ++k) {
      m.SLEN(k, type) = length[k - 1];
      m.WETWT(k, type) = wet[k - 1];
      for (int i = 1; i <= 3; ++i) m.ALPHA(i, k, type) = a[k - 1][i - 1];
    }
    m.NELEM(type) = 3;
    m.ANCTYP(type) = 1;
    m.ANCHGT(type) = 300.0f;
  }
  for (int line = 1; line <= kLines; ++line) {
    const int type = 1 + (line - 1) % kTypes;
    m.LINTYP(++m.NLINE(type), type) = line;
    const double azimuth = 0.5235987755982988 * (line - 1);
    m.RFLD(1, line) = static_cast<float>(50.0 * std::cos(azimuth));
    m.RFLD(2, line) = static_cast<float>(50.0 * std::sin(azimuth));
    m.RFLD(3, line) = 20.0f;
    m.HTENS(line) = 100.0f;
  }
}

void BM_LineSetUp_8Types5Layers90Points(benchmark::State& state) {
  defineSpreadOfTwelve();
  for (auto _ : state) {
    qv::setUpLineTables();
    benchmark::DoNotOptimize(qv::LINCOM.RANCK(kLines));
  }
}
BENCHMARK(BM_LineSetUp_8Types5Layers90Points)->Unit(benchmark::kMillisecond);

void BM_LINDRV_12Lines(benchmark::State& state) {
  defineSpreadOfTwelve();
  qv::setUpLineTables();
  for (auto _ : state) {
    qv::LINDRV(qv::LINCOM.RANCK.data(), qv::LINCOM.ZANCK.data());
    benchmark::DoNotOptimize(qv::CATCOM.DTFDXF(kLines));
  }
}
BENCHMARK(BM_LINDRV_12Lines)->Unit(benchmark::kMicrosecond);

void BM_FMOOR2_12Lines(benchmark::State& state) {
  defineSpreadOfTwelve();
  qv::setUpLineTables();
  const qv::Lincom& lc = qv::LINCOM;
  const qv::Morcom& m = qv::TPCM.moor;
  std::array<float, 150> azimuth{}, guess{}, perLine[12]{};
  for (int line = 1; line <= kLines; ++line) azimuth[line - 1] = 30.0f * static_cast<float>(line - 1);
  guess.fill(30.0f);
  float angles[3], forceG[3], momentG[3], forceV[3], momentV[3], energy = 0, R1[9], R2[9];
  const float translation[2] = {12.0f, -5.0f};
  const float axis[3] = {0.2f, 0.1f, 0.9746794f};
  const float identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  const float c[3] = {0, 0, 0};
  float M[9] = {};
  std::int32_t latch = 99, lastOutside = 0;
  for (auto _ : state) {
    qv::FMOOR2({.translation = translation, .gamma = 0.0f, .heading = 0.0f, .HLOD = lc.HLOD.data(),
                .azimuth = azimuth.data(), .verticalTranslation = 3.0f, .axis = axis, .amount = 1.5f,
                .axisFactor = 1.0f, .zeroLayer = lc.MIDLYR, .spacing = lc.DLAYER, .NLYR = m.NLAYER, .span = m.ZSPAN,
                .frameMode = 0, .A = identity, .B = identity, .mode1Flag = 0, .c = c, .SEPVES = lc.SEPVES.data(),
                .TOPTEN = lc.TOPTEN.data(), .BOTLEN = lc.BOTLEN.data(), .TOPANG = lc.TOPANG.data(),
                .BOTANG = lc.BOTANG.data(), .TT_SPLINE_DERIV = lc.TT_SPLINE_DERIV.data(),
                .layerAbscissae = qv::layerAbscissae(), .restDistance = lc.RANCK.data(), .fairlead = &m.RFLD(1, 1),
                .lineCode = lc.LINEID.data(), .firstLine = 1, .lastLine = kLines, .NTAB = qv::TPCM.NUMTAB,
                .referenceX = 0.0f, .referenceY = 0.0f, .referenceZ = 20.0f, .tensionGuess = guess.data(),
                .typeHeight = m.ANCHGT.data(), .centreX = 0.0f, .centreY = 0.0f, .centreZ = 20.0f, .unit = 6,
                .inUnit = 5, .option = 2, .referenceHeight = qv::TPCM.TDRAFT, .belowOnly = 0,
                .out = {.angle1 = angles[0], .angle2 = angles[1], .angle3 = angles[2], .forceXG = forceG[0],
                        .forceYG = forceG[1], .forceZG = forceG[2], .momentXG = momentG[0], .momentYG = momentG[1],
                        .momentZG = momentG[2], .forceXV = forceV[0], .forceYV = forceV[1], .forceZV = forceV[2],
                        .momentXV = momentV[0], .momentYV = momentV[1], .momentZV = momentV[2], .energy = energy,
                        .newAzimuth = perLine[0].data(), .M = M, .latch = latch, .lastOutside = lastOutside,
                        .lineH = perLine[1].data(), .lineFz = perLine[2].data(), .lineTension = perLine[3].data(),
                        .lineTopAngle = perLine[4].data(), .lineGrounded = perLine[5].data(),
                        .lineBottomAngle = perLine[6].data(), .lineEnergy = perLine[7].data(),
                        .newDistance = perLine[8].data(), .lineDz = perLine[9].data(), .R1 = R1, .R2 = R2}});
    benchmark::DoNotOptimize(energy);
  }
}
BENCHMARK(BM_FMOOR2_12Lines)->Unit(benchmark::kMicrosecond);

constexpr int kDynamicCalls = 100;

// One line of 12 elements 300 ft above its anchor, pretension 100 kip: 100 ft of chain (3 in, 0.1
// kip/ft in water), ten pieces of 80 ft of fibre rope (cubic strain law, 0.02 kip/ft), 1500 ft of
// chain reaching the seabed; drag 1.2 and added mass 1 on every element, 90 table points, one layer.
void defineTwelveElementLine() {
  qv::resetAllBlocks();
  qv::Tpcm& t = qv::TPCM;
  qv::Morcom& m = t.moor;
  t.EDUNIT = 6;
  t.CREATR = 11;
  t.TDRAFT = 20.0f;
  t.NUMTAB = 90;
  t.DWATR = 64.0f;
  qv::WAVCOM.G = 32.152f;
  m.NLAYER = 1;
  m.NLIN = 1;
  m.NTYP = 1;
  m.NLINE(1) = 1;
  m.LINTYP(1, 1) = 1;
  m.RFLD(3, 1) = 20.0f;
  m.HTENS(1) = 100.0f;
  m.ANCHGT(1) = 300.0f;
  m.ANCTYP(1) = 1;
  m.NELEM(1) = 12;
  for (int k = 1; k <= 12; ++k) {
    const bool chain = k == 1 || k == 12;
    m.SLEN(k, 1) = k == 1 ? 100.0f : (k == 12 ? 1500.0f : 80.0f);
    m.WETWT(k, 1) = chain ? 0.1f : 0.02f;
    m.DRYWT(k, 1) = chain ? 0.115f : 0.0f;
    m.ALPHA(1, k, 1) = chain ? 1e-5f : 4e-5f;
    m.ALPHA(2, k, 1) = chain ? 0.0f : -5e-8f;
    m.ALPHA(3, k, 1) = chain ? 0.0f : 1e-10f;
    m.DIAM(k, 1) = chain ? 3.0f : 5.0f;
    m.COFMST(k, 1) = 1.0f;
    m.COFDMT(k, 1) = 1.2f;
  }
  qv::setUpLineTables();
  qv::Lincom& lc = qv::LINCOM;
  qv::LINDRV(lc.RANCK.data(), lc.ZANCK.data());
  float weight = 0.0f, length = 0.0f;
  qv::TUCHDN(static_cast<float>(lc.BOTLNM), &m.WETWT(1, 1), &m.SLEN(1, 1), lc.BETA.data(), 12, lc.DSLOPE, weight,
             lc.BOTELM, length);
  qv::CATCOM.CAFLD = qv::Complex(1.0f, 0.3f);
  qv::CATCOM.CABOT = qv::Complex(0.0f, 0.0f);
}

void BM_DYNCOD_100Calls_12ElementGroundedLine(benchmark::State& state) {
  defineTwelveElementLine();
  double CATPRM = 0.0;
  std::int32_t IDONE = 0;
  qv::Complex CYCP, CYCM, CYEP, CYEM, CTOPP, CBOTP, CTOPM, CBOTM;
  float FSTP = 0.0f, FSTM = 0.0f, RATIO = 0.0f;
  std::array<qv::Complex, 26> CNODP{}, CNODM{}, CAXN{}, CTRN{};
  for (auto _ : state) {
    for (int i = 0; i < kDynamicCalls; ++i) {
      const float omega = 0.2f + 1.8f * static_cast<float>(i) / (kDynamicCalls - 1);
      qv::DYNCOD({.LINNUM = 1, .OMEGA = omega, .DIAFAC = 0.0833f, .SEPARR = qv::LINCOM.RANCK.data(), .LNODES = 0,
                  .LWARN = 0,
                  .out = {.CATPRM = CATPRM, .IDONE = IDONE, .CYCP = CYCP, .CYCM = CYCM, .CYEP = CYEP, .CYEM = CYEM,
                          .CTOPP = CTOPP, .CBOTP = CBOTP, .CTOPM = CTOPM, .CBOTM = CBOTM, .FSTP = FSTP, .FSTM = FSTM,
                          .CNODP = CNODP.data(), .CNODM = CNODM.data(), .CAXN = CAXN.data(), .CTRN = CTRN.data(),
                          .RATIO = RATIO}});
      benchmark::DoNotOptimize(CTOPP);
    }
  }
  state.SetItemsProcessed(state.iterations() * kDynamicCalls);
}
BENCHMARK(BM_DYNCOD_100Calls_12ElementGroundedLine)->Unit(benchmark::kMillisecond);

}  // namespace

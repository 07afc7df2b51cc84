// Small runs of the attached-SALM stage for the report tests: three wave periods, one heading of
// "YOKEMOT", one moment element, reports and plot file to their files.
//
//   englishHawserRun: the three-member column on a rigid hawser in English units, regular waves of
//     8 ft height, response operators, a random sea on the heading, two-sigma statistics;
//   metricYokeRun: the two-member column on a yoke turned 0.2 rad out of the SALM plane in metric
//     units, a wave slope of 4 degrees, response spectra in a random sea and a swell, one-sigma
//     statistics, the yoke's static side loads.
// Both carry the low-frequency deviations and peaks the low-frequency report would have left.
//
//   freeTwoMemberReportRun, freeOneMemberReportRun: free columns (free_salm_fixtures.h) with moment
//     elements, two-sigma statistics, no low-frequency results (a free SALM has no slow drift).
#pragma once

#include "dataset/tpcm_codes.h"
#include "dynamics/dynslm.h"
#include "dynamics_fixtures.h"
#include "free_salm_fixtures.h"
#include "platform/units.h"
#include "slowdrift/pekcom.h"
#include "support/console_capture.h"
#include "yokemot_file.h"

namespace qv::testing_support {

// The element tables of the data set for the members of the fixture (one element per member),
// as the member-load report walks them.
inline void setElementTables(const std::vector<DynMember>& members) {
  Tpcm& t = TPCM;
  for (std::size_t i = 0; i < members.size(); ++i) {
    const int e = static_cast<int>(i) + 1;
    t.TMASS(e) = members[i].weight;
    t.CGSALM(e) = members[i].cg;
    t.CBUOY(e) = members[i].cb;
    t.GYRAD(e) = members[i].gyradius;
  }
}

// What the low-frequency report leaves for the statistics: deviations of one and peaks of three
// times simple values, distinct per load point, component, member and moment point.
inline void lowFrequencyResults() {
  Output& o = OUTPUT;
  Pekcom& p = PEKCOM;
  for (int j = 1; j <= kLowLoadPoints; ++j) {
    for (int c = 1; c <= 3; ++c) {
      o.FSIGLF(j, c) = 0.5f * static_cast<float>(j) + 0.2f * static_cast<float>(c);
      p.FSIGLP(j, c) = 3.0f * o.FSIGLF(j, c);
    }
  }
  for (int m = 1; m <= 6; ++m) {
    o.ASIGLF(m) = 0.01f * static_cast<float>(m);
    o.TSIGLF(m) = 0.005f * static_cast<float>(m);
    p.ASIGLP(m) = 3.0f * o.ASIGLF(m);
    p.TSIGLP(m) = 3.0f * o.TSIGLF(m);
  }
  for (int k = 1; k <= 21; ++k) {
    o.RSIGLF(k) = 0.3f * static_cast<float>(k);
    p.RSIGLP(k) = 3.0f * o.RSIGLF(k);
  }
  for (int q = 1; q <= kMaxMomentElements; ++q) {
    for (int c = 1; c <= 5; ++c) {
      o.MSIGLF(q, c) = 2.0f * static_cast<float>(c);
      o.STMOM(q, c) = 10.0f * static_cast<float>(c) + static_cast<float>(q);
      p.MSIGLP(q, c) = 3.0f * o.MSIGLF(q, c);
    }
  }
}

// The report switches and files shared by the runs: every table to its file, the plot file, a storm
// of 3 hours.
inline void reportSwitches() {
  Tpcm& t = TPCM;
  t.IUNIT = 1;
  t.IPLOTS = 1;
  t.LPOSN = 1;
  t.LANGLE = 1;
  t.LODNET = 1;
  t.ALLRAO = 1;  // LREG 1: the heading at the centre of the sea is reported
  t.DURATN = 3.0f;
  t.COFMAS = 1.0f;
}

// The attached runs: the report switches, a random sea and the low-frequency results.
inline void reportEverything() {
  reportSwitches();
  TPCM.LRANDM = 1;
  lowFrequencyResults();
}

inline void englishHawserRun() {
  setDynamicsColumn(threeMembers(), kRigidHawser);
  setElementTables(threeMembers());
  reportEverything();
  Tpcm& t = TPCM;
  setWaveGrid(3, 6.0f, 2.0f);
  const float sea[3] = {2.5f, 6.0f, 4.0f};  // [ft^2 s]
  for (int i = 1; i <= 3; ++i) WAVCOM.WPSD(i) = sea[i - 1];
  WAVCOM.TPK = 8.0f;
  t.LMOMT(2) = 1;  // the element of member 2
  t.NMOMT = 1;
  t.ONETWO = 0;
  YokeHeading h = smoothHeading(3, 1, 0.2f, 0);
  h.IRANFG = 1;
  writeYokemot({h});
}

inline void metricYokeRun() {
  setDynamicsColumn(twoMembers(), kYoke);
  setElementTables(twoMembers());
  reportEverything();
  Tpcm& t = TPCM;
  t.NUNTS = 1;
  t.DWATR = 1025.0f;
  SOLVE.BCONV = 1.025f;
  t.LSLPHT = 1;
  t.SLPHT = 4.0f;  // wave slope [deg]
  t.SPECFG = 1;
  t.LSWELL = 1;
  t.ONETWO = 1;
  setWaveGrid(3, 6.0f, 2.0f, 9.8f);
  const float sea[3] = {0.4f, 1.1f, 0.7f}, swell[3] = {0.0f, 0.3f, 0.9f};  // [m^2 s]
  for (int i = 1; i <= 3; ++i) {
    WAVCOM.WPSD(i) = sea[i - 1];
    WAVCOM.SWLPSD(i) = swell[i - 1];
  }
  WAVCOM.TPK = 8.0f;
  Equilb& e = EQUILB;
  e.TANGLE(1) = 0.5f;  // the yoke 0.2 rad out of the SALM plane
  e.YOKSLM = 0.2f;
  e.FLTRL0 = 6.0f;
  e.DELTA0 = 1.5f;
  t.LMOMT(1) = 1;  // the element of member 1
  t.NMOMT = 1;
  YokeHeading h = smoothHeading(3, 1, 0.4f, 3);
  h.IRANFG = 1;
  h.ISWLFG = 1;
  writeYokemot({h});
}

// The English hawser run done with its reports to their files, then the console set to take the
// reports written again: the exit status of a stop (-1 when the run returned).
inline int englishHawserRunDoneForTheConsole() {
  englishHawserRun();
  int status = -1;
  {
    ConsoleCapture quiet;
    status = stopStatus([] { DYNSLM(); });
  }
  TPCM.IUNIT = kScreenUnit;
  return status;
}

// Two members of two elements each, moment output at the tops of elements 1, 2 and 4; regular
// waves of 8 ft, a Mean JONSWAP sea of 10 ft and 10 s from 30 degrees, a swell of 3 ft and 11 s from
// 60 degrees; the drag iterated.
inline void freeTwoMemberReportRun() {
  freeTwoMemberColumn();
  splitIntoElements(twoMembers(), 2, {1, 2, 4});
  reportSwitches();
  Tpcm& t = TPCM;
  t.LRANDM = 1;
  t.WAVTYP = 2;
  t.SWHT(1) = 10.0f;
  t.SIGPD(1) = 10.0f;
  t.LSWELL = 1;
  t.SWLTYP = 6;
  t.SWELHT = 3.0f;
  t.SWELPD = 11.0f;
  t.SWLHDG = 60.0f;
}

// One member of two elements, moment output at the top of element 1; the swell alone, along the
// plane, and the simplified drag.
inline void freeOneMemberReportRun() {
  freeOneMemberColumn();
  splitIntoElements({twoMembers()[0]}, 2, {1});
  reportSwitches();
  Tpcm& t = TPCM;
  t.SMPDRG = 1;
  t.LSWELL = 1;
  t.SWLTYP = 6;
  t.SWELHT = 4.0f;
  t.SWELPD = 11.0f;
  t.SEAHDG(1) = 0.0f;
}

}  // namespace qv::testing_support

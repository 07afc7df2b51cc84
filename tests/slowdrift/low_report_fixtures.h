// Hand-filled states of a run just after the slow drift, for the low-frequency report: the column in
// SOLVE (member lengths, weights and buoyancies, net weights and moment terms, the height its top is
// held at), the load-offset table with the member angles the statics give at its loads, the slow-drift
// results in EQUILB, the surge energy table and stiffness in ERGCOM, the sea in WAVCOM and the data
// set. The same numbers stand in tests/slowdrift/reference/low_report_reference.py, which wrote the
// expected reports from them.
//
// The column has no surface-piercing member (IPERCN = NCON + 1, all submerged), so that its statics
// follow from the net weights and moment terms alone: each member balances about its lower joint
// (H cot(phi) = the pull at its top less its moment term), which fixes every member's cotangent from
// member 1's, and member 1's puts the top at the height YOKBOT (submergedColumnAngles, solved here
// independently of the program). The joint loads follow: the top joint carries H cot(phi) plus the
// top member's moment term, each joint below it less the net weight of the member between. The
// offsets are the top's horizontal reach at each table point and the energy table integrates the
// load over the offset, as the statics and the slow drift leave them.
#pragma once

#include <cmath>
#include <initializer_list>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "lowfreq/sines.h"
#include "platform/block_reset.h"
#include "slowdrift/ergcom.h"
#include "statics/solve.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

struct LowElement {
  float length, weight, cg, buoyancy, cb;  // SLEN, TMASS, CGSALM, BUOY (a force), CBUOY
  int momentOutput;                        // LMOMT
};

// The elements grouped into members (JELEM), with each member's length, weight and buoyancy with
// their centres, net weight and moment term (W g - B b) / L about its lower joint; the top is held at
// the height topHeight above the lowest free joint.
inline void setColumn(const std::vector<std::vector<LowElement>>& members, float anchorHeight, float topHeight) {
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  int o = 0;
  int m = 0;
  t.NMOMT = 0;
  for (const auto& member : members) {
    ++m;
    s.JELEM(m) = o + 1;
    float length = 0.0f, net = 0.0f, moment = 0.0f, weight = 0.0f, buoyancy = 0.0f, wMoment = 0.0f, bMoment = 0.0f;
    for (const LowElement& e : member) {
      ++o;
      t.SLEN(o) = e.length;
      t.TMASS(o) = e.weight;
      t.CGSALM(o) = e.cg;
      t.BUOY(o) = e.buoyancy;
      t.CBUOY(o) = e.cb;
      t.LMOMT(o) = e.momentOutput;
      t.IFREE(o) = o == s.JELEM(m) ? 1 : 0;
      if (e.momentOutput != 0) ++t.NMOMT;
      net += e.weight - e.buoyancy;
      moment += e.weight * (length + e.cg) - e.buoyancy * (length + e.cb);
      weight += e.weight;
      buoyancy += e.buoyancy;
      wMoment += e.weight * (length + e.cg);
      bMoment += e.buoyancy * (length + e.cb);
      length += e.length;
    }
    s.CNLEN(m) = length;
    s.CNMASS(m) = weight;
    s.CNBUOY(m) = buoyancy;
    s.CNCG(m) = weight != 0.0f ? wMoment / weight : length;
    s.CNCB(m) = buoyancy != 0.0f ? bMoment / buoyancy : length;
    s.WETWT(m) = net;
    s.WETARM(m) = moment / length;
  }
  s.NCON = m;
  s.JELEM(m + 1) = o + 1;
  s.IPERCN = m + 1;
  s.ANCHT = anchorHeight;
  s.YOKBOT = topHeight;
  t.NELEM = o;
}

// The member angles of the fully submerged column of SOLVE in equilibrium under the horizontal load H
// [rad from the vertical], in double precision and rounded as the program keeps them. Member m's
// moment balance about its lower joint, H cot(phi_m) = T_m - M_m (T_m the pull at its top, M_m its
// moment term), less member 1's gives H (cot(phi_m) - cot(phi_1)) = (net weights of members 2..m) -
// M_m + M_1; the top's height rises with cot(phi_1), so bisection finds the one root that puts it at
// YOKBOT. At zero load the members below the top stand upright and the top member leans to the height.
inline std::vector<float> submergedColumnAngles(float H) {
  const Solve& s = SOLVE;
  const int n = s.NCON;
  std::vector<float> phi(static_cast<std::size_t>(n), 0.0f);
  if (H == 0.0f) {
    double below = 0.0;
    for (int m = 1; m < n; ++m) below += s.CNLEN(m);
    phi.back() = static_cast<float>(std::acos((s.YOKBOT - below) / s.CNLEN(n)));
    return phi;
  }
  std::vector<double> k(static_cast<std::size_t>(n), 0.0);
  double pull = 0.0;
  for (int m = 2; m <= n; ++m) {
    pull += s.WETWT(m);
    k[static_cast<std::size_t>(m - 1)] = pull - static_cast<double>(s.WETARM(m)) + s.WETARM(1);
  }
  const auto height = [&](double X) {
    double z = 0.0;
    for (int m = 1; m <= n; ++m) {
      const double c = X + k[static_cast<std::size_t>(m - 1)] / H;
      z += s.CNLEN(m) * c / std::sqrt(1.0 + c * c);
    }
    return z - s.YOKBOT;
  };
  double low = -1.0e7, high = 1.0e7;
  for (int i = 0; i < 200 && high - low > 1.0e-14 * std::fmax(1.0, std::fabs(low)); ++i) {
    const double mid = 0.5 * (low + high);
    (height(mid) < 0.0 ? low : high) = mid;
  }
  const double X = 0.5 * (low + high);
  for (int m = 1; m <= n; ++m)
    phi[static_cast<std::size_t>(m - 1)] = static_cast<float>(std::atan2(1.0, X + k[static_cast<std::size_t>(m - 1)] / H));
  return phi;
}

// The load-offset table: the loads, the member angles the statics give at each (with their
// cotangents; an upright member's as the statics write it), the top's reach as the offset, and the
// energy table with the stiffness of the interval that holds the mean load.
inline void setLoadTable(const std::vector<float>& loads, float meanLoad) {
  Tpcm& t = TPCM;
  Solve& s = SOLVE;
  Equilb& q = EQUILB;
  Ergcom& e = ERGCOM;
  int J = 0;
  for (float H : loads) q.HLOAD(++J) = H;
  t.NUMTAB = J;
  for (J = 1; J <= t.NUMTAB; ++J) {
    const std::vector<float> row = submergedColumnAngles(q.HLOAD(J));
    float reach = 0.0f;
    for (int m = 1; m <= s.NCON; ++m) {
      const float phi = row[static_cast<std::size_t>(m - 1)];
      s.PHIANG(J, m) = phi;
      s.COTANP(J, m) = phi == 0.0f ? 1.0E17f : std::cos(phi) / std::sin(phi);
      reach += s.CNLEN(m) * std::sin(phi);
    }
    q.OFFSET(J) = reach;
  }
  e.SRGERG(1) = 0.0f;
  for (int K = 2; K <= t.NUMTAB; ++K)
    e.SRGERG(K) = e.SRGERG(K - 1) + 0.5f * (q.HLOAD(K) + q.HLOAD(K - 1)) * (q.OFFSET(K) - q.OFFSET(K - 1));
  int I = 1;
  while (I < t.NUMTAB - 1 && meanLoad > q.HLOAD(I + 1)) ++I;
  e.SPRNGX = (q.HLOAD(I + 1) - q.HLOAD(I)) / (q.OFFSET(I + 1) - q.OFFSET(I));
}

// One mode record: period, the damping ratios and the variances by source.
struct ModeData {
  float period;
  float still, wind, current, wave, swell, waveDrag, swellDrag, line, total, squareLaw, squareLawLine, net;
  float varWind, varCurrent, varWave, varSwell, varWaveDrag, varSwellDrag;
};

inline void setMode(int mode, const ModeData& d) {
  LowModeRecord& R = EQUILB.MODREC(mode);
  R.TSURG = d.period;
  R.WSURG = d.period > 0.0f ? 6.2831855f / d.period : 0.0f;
  R.GAMSTW = d.still;
  R.GAMWND = d.wind;
  R.GAMCUR = d.current;
  R.GAMWV = d.wave;
  R.GAMSWL = d.swell;
  R.GMWDG = d.waveDrag;
  R.GMSDG = d.swellDrag;
  R.GAMLIN = d.line;
  R.GAMTOT = d.total;
  R.GAMQSG = d.squareLaw;
  R.GMLNSG = d.squareLawLine;
  R.EGMSG = d.net;
  R.VARWND = d.varWind;
  R.VARCUR = d.varCurrent;
  R.VARWAV = d.varWave;
  R.VARSWL = d.varSwell;
  R.VWVDG = d.varWaveDrag;
  R.VSWDG = d.varSwellDrag;
  R.VARTOT = d.varWind + d.varCurrent + d.varWave + d.varSwell + d.varWaveDrag + d.varSwellDrag;
}

struct Equilibrium {
  int stable;
  float salmHeading, vesselHeading, force, energy;  // SLMANG, TANGLE [rad], FTOT, ENERGY
};

inline void setEquilibria(std::initializer_list<Equilibrium> roots, int mostStable) {
  Equilb& q = EQUILB;
  int j = 0;
  q.ERGMAX = -1.0E30f;
  q.ERGMIN = 1.0E30f;
  for (const Equilibrium& r : roots) {
    ++j;
    q.LSTABL(j) = r.stable;
    q.SLMANG(j) = r.salmHeading;
    q.TANGLE(j) = r.vesselHeading;
    q.FTOT(j) = r.force;
    q.ENERGY(j) = r.energy;
    q.ERGMAX = std::fmax(q.ERGMAX, r.energy);
    q.ERGMIN = std::fmin(q.ERGMIN, r.energy);
  }
  q.IANGLE = j;
  q.ISTAB = mostStable;
  q.VESANG = q.TANGLE(mostStable);
}

// A riser column of two elements (the lower one with moment output), a buoy of two (the lower one
// with moment output) and a yoke of two (the inner one with moment output), over an anchor 10 ft up;
// the yoke's top is held 146 ft above the anchor (6 ft above the water), where the yoke leans at
// 1.30 rad with the riser and the buoy upright at rest.
inline void setThreeMemberColumn() {
  setColumn({{{60.0f, 12.0f, 30.0f, 40.0f, 30.0f, 1}, {40.0f, 8.0f, 20.0f, 25.0f, 20.0f, 0}},
             {{20.0f, 30.0f, 10.0f, 120.0f, 10.0f, 1}, {10.0f, 10.0f, 5.0f, 40.0f, 5.0f, 0}},
             {{40.0f, 28.0f, 20.0f, 0.0f, 0.0f, 1}, {20.0f, 12.0f, 10.0f, 0.0f, 0.0f, 0}}},
            10.0f, 146.0f);
}

// The loads of its table [kips]: the riser leans over as the load rises, the yoke comes down from
// the horizontal.
inline std::vector<float> threeMemberLoads() { return {0.0f, 20.0f, 40.0f, 70.0f, 110.0f, 160.0f, 220.0f, 300.0f}; }

// Three members (a riser column, a buoy, a yoke) in English units, three equilibria (the most
// stable first, one unstable), wind, current, sea and swell, moment output on three elements, the
// report to "LOWOUT.stxt".
inline void fullLowFrequencyRun() {
  resetAllBlocks();
  Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  t.CREATR = 11;
  t.EDUNIT = 6;
  t.IUNIT = 1;
  t.LOWMOT = 1;
  t.NUNTS = 0;
  t.ONETWO = 0;
  t.LSPM = 1;
  t.DURATN = 3.0f;
  t.IARCO = 0;
  t.PNDARM = 40.0f;
  t.YOKVES = 0.05f;

  setThreeMemberColumn();
  setLoadTable(threeMemberLoads(), 95.0f);
  setEquilibria({{1, 0.35f, 0.45f, 95.0f, 120.0f}, {0, 2.1f, 2.0f, 60.0f, 35.0f}, {1, -2.8f, -2.95f, 130.0f, 80.0f}},
                1);
  q.YAWARM = 400.0f;
  WAVCOM.SWH = 18.5f;
  q.SXWND = 25.0f;
  q.SYWND = -8.0f;
  q.SXWAV = 40.0f;
  q.SYWAV = 5.5f;
  q.SXSWL = 12.0f;
  q.SYSWL = -3.0f;
  q.SXCUR = 18.0f;
  q.SYCUR = 2.5f;
  // period; still, wind, current, wave, swell, wave drag, swell drag, line, total, square law, its
  // line part, net; variances: wind, current, wave, swell, wave drag, swell drag
  setMode(1, {120.0f, 0.010f, 0.004f, 0.006f, 0.030f, 0.010f, 0.008f, 0.002f, 0.0f, 0.070f, 0.0f, 0.0f, 0.070f,
              6.0f, 3.0f, 10.0f, 4.0f, 1.5f, 0.5f});
  setMode(2, {300.0f, 0.020f, 0.010f, 0.012f, 0.040f, 0.015f, 0.006f, 0.003f, 0.0f, 0.106f, 0.050f, 0.0f, 0.156f,
              1.0E-4f, 6.0E-5f, 1.5E-4f, 5.0E-5f, 2.0E-5f, 1.0E-5f});
  setMode(3, {60.0f, 0.030f, 0.020f, 0.025f, 0.050f, 0.020f, 0.0f, 0.0f, 0.0f, 0.145f, 0.080f, 0.0f, 0.225f,
              2.0E-4f, 1.0E-4f, 3.0E-4f, 1.5E-4f, 0.0f, 0.0f});

  t.DEPTH = 150.0f;
  t.DWATR = 64.0f;
  t.DISPL = 150000.0f;
  t.VKMT = 40.0f;
  t.VKML = 900.0f;
  t.VKB = 25.0f;
  t.VKG = 35.0f;
  t.AWP = 120000.0f;
  t.XSALM = 350.0f;
  t.LWL = 900.0f;
  t.BWL = 150.0f;
  t.TDRAFT = 50.0f;
  t.LWBARG = 0x444;  // OCIMF tanker wind in every direction
  t.LOADED = 100.0f;
  t.BOWWND = 0.5f;
  t.LCBARG = 0x364;  // NSMB surge, OCIMF sway, barge yaw
  t.DFTPCT = 100.0f;
  t.BOWCUR = 0.0f;
  t.LWVCOF = 0x666;  // tanker (2001) drift in every direction
  t.DWTONS = 250000.0f;
  t.LSWLFD = 1;
  t.SWLFDP = 5.0f;

  t.LWIND = 1;
  t.WNDTYP = 1;
  t.WNDDEN = 0.0123f;
  t.WNDSPD = 60.0f;
  t.WNDHDG = 30.0f;
  t.XWNDAR = 15000.0f;
  t.XWARM = 10.0f;
  t.YWNDAR = 60000.0f;
  t.YWARM = 20.0f;
  t.WNDFAC = 1.0f;
  t.LCURNT = 1;
  t.CURTYP = 1;
  t.CURDEN = 0.05f;
  t.CURSPD = 2.5f;
  t.CURHDG = 45.0f;
  t.XCURAR = 7000.0f;
  t.XCARM = 0.0f;
  t.YCURAR = 45000.0f;
  t.YCARM = 15.0f;
  t.CURFAC = 1.1f;
  t.LRANDM = 1;
  t.WAVTYP = 2;
  t.SEAHDG(1) = 15.0f;
  t.LSWELL = 1;
  t.SWLHDG = 60.0f;
  t.SWELPD = 14.0f;
  t.BOWFAC = 1.5f;
  t.VWDFAC = 1.2f;
  t.AUXFRC = 1;
  t.XVLOC = -200.0f;
  t.YVLOC = 30.0f;
  t.CRDSYS = 1;
  t.XVFRC = 50.0f;
  t.YVFRC = -20.0f;
  t.VESMOM = 12345.6f;

  WAVCOM.G = 32.152f;
  WAVCOM.RHOAIR = 0.0024356f;
  WAVCOM.TPK = 12.5f;
  WAVCOM.SWHSWL = 6.0f;
  WAVCOM.WSWLPK = 6.2831855f / t.SWELPD;
  SINES.HOVERD = 3.0f;
}

// Two members (a riser column and a buoy) in metric units on a rigid hawser, a single equilibrium,
// wind (steady) and sea, the drift-drag terms left out, a user surge damping, the NSMB current set
// at a 40% draft that lies outside its depth range, no moment output.
inline void singleEquilibriumRun() {
  resetAllBlocks();
  Tpcm& t = TPCM;
  Equilb& q = EQUILB;
  t.CREATR = 10;
  t.EDUNIT = 6;
  t.IUNIT = 1;
  t.LOWMOT = 1;
  t.NUNTS = 1;
  t.ONETWO = 1;
  t.LSPM = 1;
  t.DURATN = 0.5f;
  t.IARCO = 1;
  t.LEGDRG = 1;

  // A heavy riser and a buoy of 300 t under water, the hawser holding the buoy's top 34 m above the
  // anchor.
  setColumn({{{30.0f, 80.0f, 15.0f, 20.0f, 15.0f, 0}}, {{12.0f, 60.0f, 5.0f, 300.0f, 6.0f, 0}}}, 4.0f, 34.0f);
  setLoadTable({0.0f, 10.0f, 25.0f, 45.0f, 70.0f, 100.0f}, 52.0f);
  setEquilibria({{1, -0.4f, -0.3f, 52.0f, 50.0f}}, 1);
  q.YAWARM = 150.0f;
  WAVCOM.SWH = 4.2f;
  q.SXWND = 30.0f;
  q.SYWND = 4.0f;
  q.SXWAV = 22.0f;
  q.SYWAV = -1.5f;
  setMode(1, {95.0f, 0.012f, 0.005f, 0.0f, 0.025f, 0.0f, 0.0f, 0.0f, 0.004f, 0.10f, 0.0f, 0.0f, 0.10f,
              2.5f, 0.0f, 3.2f, 0.0f, 0.0f, 0.0f});
  setMode(2, {240.0f, 0.018f, 0.008f, 0.0f, 0.030f, 0.0f, 0.0f, 0.0f, 0.005f, 0.061f, 0.030f, 0.010f, 0.091f,
              4.0E-5f, 0.0f, 9.0E-5f, 0.0f, 0.0f, 0.0f});
  setMode(3, {45.0f, 0.025f, 0.010f, 0.0f, 0.040f, 0.0f, 0.0f, 0.0f, 0.006f, 0.081f, 0.060f, 0.020f, 0.141f,
              8.0E-5f, 0.0f, 2.0E-4f, 0.0f, 0.0f, 0.0f});

  t.DEPTH = 60.0f;
  t.DWATR = 1025.0f;
  t.DISPL = 80000.0f;
  t.VKMT = 12.0f;
  t.VKML = 280.0f;
  t.VKB = 8.0f;
  t.VKG = 11.0f;
  t.AWP = 9000.0f;
  t.XSALM = 140.0f;
  t.LWL = 280.0f;
  t.BWL = 45.0f;
  t.TDRAFT = 15.0f;
  t.LWBARG = 0x321;  // LOWDAT surge, WINDCOFS.txt sway, barge yaw
  t.LOADED = 60.0f;
  t.BOWWND = 1.5f;
  t.LCBARG = 0x44F;  // the NSMB set in every direction
  t.DFTPCT = 40.0f;
  t.BOWCUR = 0.25f;
  t.LWVCOF = 0x832;  // legacy tanker, semi, and a code without a model
  t.DWTONS = 120000.0f;
  t.LSGLFD = 1;
  t.SGLFDP = 4.0f;

  t.LWIND = 1;
  t.WNDTYP = 3;
  t.WNDDEN = 0.0f;
  t.WNDSPD = 40.0f;
  t.WNDHDG = 200.0f;
  t.XWNDAR = 1500.0f;
  t.XWARM = 3.0f;
  t.YWNDAR = 5200.0f;
  t.YWARM = -4.0f;
  t.WNDFAC = 1.2f;
  t.LRANDM = 1;
  t.WAVTYP = 1;
  t.SEAHDG(1) = 190.0f;
  t.BOWFAC = 1.0f;
  t.VWDFAC = 1.0f;

  WAVCOM.G = 9.8f;
  WAVCOM.RHOAIR = 0.128f;
  WAVCOM.TPK = 9.0f;
  SINES.HOVERD = 2.0f;
}

}  // namespace qv::testing_support

// The committed tanker example run through the whole analysis chain in the test's process, its yoke
// checked against solutions that owe nothing to the stages' own formulas: where the statics' table
// puts the yoke's top, a Lagrangian of the three-member linkage written here for the in-plane period,
// and the yoke's free body for the loads of its two legs. A yoke folded back over the buoy (the
// yoke-vessel angle 0 of older data sets) fails every one of them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/report_values.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::example;
using testing_support::IsClose;
using testing_support::readFileText;

constexpr int kMembers = 3;

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  return w;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) all.push_back(line);
  return all;
}

// The top of the yoke (joint 4) in the statics' interpolation table, section II a of "STATOUT.stxt",
// read off linearly at the load H.
double staticsYokeTop(double H) {
  std::vector<std::array<double, 2>> table;  // load, radial position of joint 4
  bool inTable = false;
  for (const std::string& line : lines(readFileText("STATOUT.stxt"))) {
    if (line.find("II a.") != std::string::npos) inTable = true;
    if (line.find("II b.") != std::string::npos) break;
    const std::vector<std::string> w = words(line);
    if (inTable && w.size() >= 6 && w[2] == "4" && w[5] == "N.") table.push_back({std::stod(w[1]), std::stod(w[3])});
  }
  for (std::size_t k = 1; k < table.size(); ++k) {
    if (table[k][0] >= H) {
      const double f = (H - table[k - 1][0]) / (table[k][0] - table[k - 1][0]);
      return table[k - 1][1] + f * (table[k][1] - table[k - 1][1]);
    }
  }
  ADD_FAILURE() << "no load of the statics' table reaches " << H;
  return 0.0;
}

// The rows of member 3 under "MEMBER STATIC ORIENTATION" of a statistics report: radial, vertical,
// lateral position of its top, in-plane and lateral angle.
std::vector<std::vector<double>> yokeOrientationRows(const std::string& report) {
  std::vector<std::vector<double>> rows;
  bool block = false;
  for (const std::string& line : lines(readFileText(report))) {
    if (line.find("MEMBER STATIC ORIENTATION") != std::string::npos) block = true;
    const std::vector<std::string> w = words(line);
    if (block && w.size() == 6 && w[0] == "3") {
      rows.push_back({std::stod(w[1]), std::stod(w[2]), std::stod(w[3]), std::stod(w[4]), std::stod(w[5])});
      block = false;
    }
  }
  return rows;
}

class TankerYoke : public testing_support::ExampleRun {};

// The yoke's top where the statics put it at the mean load, in line with the SALM, in the three
// later reports: section VI of "LOWOUT.stxt", the joint-position tables of "DYNOUT.stxt" and the
// static orientation of "RANOUT.stxt".
TEST_F(TankerYoke, EveryReportPutsTheYokeTopWhereTheStaticsDo) {
  ASSERT_EQ(runImage(example("tanker-yoke")), -1);
  const double H = EQUILB.FTOT(EQUILB.ISTAB);  // the mean load of the example, about 70 t
  const double top = staticsYokeTop(H);
  EXPECT_TRUE(IsClose(top, 38.5, 0.0, 0.1));

  for (const char* report : {"LOWOUT.stxt", "RANOUT.stxt"}) {
    SCOPED_TRACE(report);
    const std::vector<std::vector<double>> rows = yokeOrientationRows(report);
    ASSERT_FALSE(rows.empty());
    for (const std::vector<double>& row : rows) {
      EXPECT_TRUE(IsClose(row[0], top, 0.0, 0.1));
      // The slow drift's equilibrium lies within a few hundredths of a degree of the waves' heading,
      // so the yoke's lateral position and angle are 0 to the reports' last digit or two; folded
      // back, the angle would be 180 degrees.
      EXPECT_TRUE(IsClose(row[2], 0.0, 0.0, 0.05)) << "lateral position";
      EXPECT_TRUE(IsClose(row[4], 0.0, 0.0, 0.05)) << "lateral angle";
    }
  }
  int joints = 0;
  for (const std::string& line : lines(readFileText("DYNOUT.stxt"))) {
    const std::vector<std::string> w = words(line);
    if (w.size() >= 5 && w[0] == "JOINT" && w[2] == "4") {
      ++joints;
      EXPECT_TRUE(IsClose(std::stod(w[3]), top, 0.0, 0.1)) << line;
    }
  }
  EXPECT_EQ(joints, 3);  // one joint-position table per joint of the three members
}

// ---- the Lagrangian of the linkage ------------------------------------------------------------
//
// Three rigid members hinged end to end, the lowest on the seabed, the top of the yoke held at the
// vessel: one degree of freedom q, the angle of member 1 from the vertical; members 2 and 3 follow
// by the closure of the chain. Each element is slender and uniform (the example's centroids lie at
// mid-length): its weight acts at its centre of gravity, its inertia about that centre is its mass
// times its gyradius squared, and its added mass (COFMST times the displaced mass per length) acts on
// the velocity across the member along its wet length. The buoyancy of the piercing element is that
// of its wet length, as the chain moves the water line along it; a whole submerged element has its
// buoyancy at its centroid. With the potential V(q) and the kinetic energy T = M(q) qdot^2 / 2 the
// period of small motion is 2 pi sqrt(M / V'').

struct ChainElement {
  double length, buoyancy, cb, weight, cg, gyradius, cofmst;
  bool piercing;
};

struct Chain {
  std::array<std::vector<ChainElement>, kMembers> members;
  std::array<double, kMembers> L{};
  double X = 0.0, Z = 0.0;  // the top of the yoke from the base joint
  double surface = 0.0;     // height of the water surface above the base joint
  double g = 0.0;

  // Member angles 2 and 3 for the angle q of member 1, by Newton's method on the closure.
  std::array<double, kMembers> angles(double q, std::array<double, kMembers> guess) const {
    double p2 = guess[1], p3 = guess[2];
    for (int n = 0; n < 50; ++n) {
      const double fx = L[0] * std::sin(q) + L[1] * std::sin(p2) + L[2] * std::sin(p3) - X;
      const double fz = L[0] * std::cos(q) + L[1] * std::cos(p2) + L[2] * std::cos(p3) - Z;
      const double a = L[1] * std::cos(p2), b = L[2] * std::cos(p3);
      const double c = -L[1] * std::sin(p2), d = -L[2] * std::sin(p3);
      const double det = a * d - b * c;
      p2 -= (fx * d - fz * b) / det;
      p3 -= (a * fz - c * fx) / det;
    }
    return {q, p2, p3};
  }

  double potential(const std::array<double, kMembers>& p) const {
    double U = 0.0, z0 = 0.0;
    for (int m = 0; m < kMembers; ++m) {
      const double c = std::cos(p[static_cast<std::size_t>(m)]);
      double s0 = 0.0;
      for (const ChainElement& e : members[static_cast<std::size_t>(m)]) {
        U += e.weight * (z0 + (s0 + e.cg) * c);
        if (e.piercing) {
          // The buoyancy of the wet length w: its potential is the integral of a (surface - z) ds.
          const double a = e.buoyancy / e.length;
          const double depth = surface - z0 - s0 * c;  // of the element's lower end
          const double w = depth / c;
          U += a * (depth * w - 0.5 * w * w * c);
        } else {
          U -= e.buoyancy * (z0 + (s0 + e.cb) * c);
        }
        s0 += e.length;
      }
      z0 += L[static_cast<std::size_t>(m)] * c;
    }
    return U;
  }

  // 2 T / qdot^2 at the angles p, with the rates beta = dp/dq.
  double inertia(const std::array<double, kMembers>& p, const std::array<double, kMembers>& beta) const {
    double M = 0.0, vx = 0.0, vz = 0.0, z0 = 0.0;  // velocity of the member's lower joint per qdot
    for (int m = 0; m < kMembers; ++m) {
      const double c = std::cos(p[static_cast<std::size_t>(m)]), s = std::sin(p[static_cast<std::size_t>(m)]);
      const double w = beta[static_cast<std::size_t>(m)];
      const double nx = c, nz = -s;  // across the member, in the plane
      const double vn = vx * nx + vz * nz;
      double s0 = 0.0;
      for (const ChainElement& e : members[static_cast<std::size_t>(m)]) {
        const double mass = e.weight / g;
        const double sc = s0 + e.cg;
        const double ux = vx + sc * w * nx, uz = vz + sc * w * nz;
        M += mass * (ux * ux + uz * uz) + mass * e.gyradius * e.gyradius * w * w;
        double wet = e.length;
        if (e.piercing) wet = (surface - z0 - s0 * c) / c;
        const double ma = e.cofmst * e.buoyancy / e.length / g;  // added mass per length
        const auto F = [&](double x) { return vn * vn * x + vn * w * x * x + w * w * x * x * x / 3.0; };
        M += ma * (F(s0 + wet) - F(s0));
        s0 += e.length;
      }
      vx += L[static_cast<std::size_t>(m)] * w * nx;
      vz += L[static_cast<std::size_t>(m)] * w * nz;
      z0 += L[static_cast<std::size_t>(m)] * c;
    }
    return M;
  }

  double period(const std::array<double, kMembers>& mean) const {
    const double h = 1.0e-4;
    const auto at = [&](double q) { return angles(q, mean); };
    const double q = mean[0];
    const double Vpp = (potential(at(q + h)) - 2.0 * potential(at(q)) + potential(at(q - h))) / (h * h);
    const std::array<double, kMembers> up = at(q + h), down = at(q - h);
    std::array<double, kMembers> beta{};
    for (std::size_t m = 0; m < kMembers; ++m) beta[m] = (up[m] - down[m]) / (2.0 * h);
    return 2.0 * M_PI * std::sqrt(inertia(at(q), beta) / Vpp);
  }
};

// The chain of the data set in TPCM as the statics leave it (buoyancies as forces), at the mean
// member angles of the dynamics.
Chain chainOfTheDataSet(const std::array<double, kMembers>& mean) {
  const Tpcm& t = TPCM;
  Chain chain;
  int m = -1;
  for (int k = 1; k <= t.NELEM; ++k) {
    if (t.IFREE(k) != 0) ++m;
    EXPECT_GE(m, 0) << "a frozen base element";
    chain.members[static_cast<std::size_t>(m)].push_back(
        {t.SLEN(k), t.BUOY(k), t.CBUOY(k), t.TMASS(k), t.CGSALM(k), t.GYRAD(k), t.COFMST(k), k == t.IPIERC});
    chain.L[static_cast<std::size_t>(m)] += t.SLEN(k);
    if (t.BUOY(k) != 0.0f) {
      EXPECT_FLOAT_EQ(t.CBUOY(k), 0.5f * t.SLEN(k)) << "element " << k << " is not uniform";
    }
  }
  EXPECT_EQ(m, kMembers - 1);
  for (std::size_t i = 0; i < kMembers; ++i) {
    chain.X += chain.L[i] * std::sin(mean[i]);
    chain.Z += chain.L[i] * std::cos(mean[i]);
  }
  chain.surface = t.DEPTH;
  chain.g = WAVCOM.G;
  return chain;
}

// The in-plane period of the linkage within 2 % of the Lagrangian: 13.36 s (13.47 s with the buoy's
// buoyancy held at its mean wet centroid, as the stages take it; 14.12 s with the yoke folded back).
// The Lagrangian itself agrees with its peer in reference/yoke_linkage_reference.py.
TEST_F(TankerYoke, InPlaneLinkagePeriodAgreesWithTheLagrangianOfTheChain) {
  ASSERT_EQ(runImage(example("tanker-yoke")), -1);
  const std::array<double, kMembers> mean = {OUTPUT.PHICON(1), OUTPUT.PHICON(2), OUTPUT.PHICON(3)};
  const Chain chain = chainOfTheDataSet(mean);
  const double lagrangian = chain.period(mean);
  EXPECT_TRUE(IsClose(lagrangian, 13.3647, 0.0005)) << "the Python peer";
  EXPECT_TRUE(IsClose(OUTPUT.TSALMH, lagrangian, 0.02)) << OUTPUT.TSALMH;
}

// ---- the yoke's free body ---------------------------------------------------------------------
//
// The yoke, hinged at the buoy's top (joint 3) and at the vessel (joint 4), carries at its top the
// horizontal load H and a vertical load Fz that its moment balance about joint 3 fixes:
// L sin(phi) Fz = L cos(phi) H + (W cg - B cb) sin(phi). Along the yoke at its top the two legs share
// A = H sin(phi) + Fz cos(phi), across it S = H cos(phi) - Fz sin(phi).

struct YokeTop {
  double axial, shear;
};

YokeTop yokeFreeBody(double H) {
  const Solve& s = SOLVE;
  const Equilb& e = EQUILB;
  const int n = s.NCON;
  // The yoke's angle at the load H in the statics' table.
  int k = 2;
  while (k < TPCM.NUMTAB && e.HLOAD(k) < H) ++k;
  const double f = (H - e.HLOAD(k - 1)) / (e.HLOAD(k) - e.HLOAD(k - 1));
  const double phi = s.PHIANG(k - 1, n) + f * (s.PHIANG(k, n) - s.PHIANG(k - 1, n));
  const double L = s.CNLEN(n);
  const double moment = s.CNMASS(n) * s.CNCG(n) - s.CNBUOY(n) * s.CNCB(n);
  const double Fz = (L * std::cos(phi) * H + moment * std::sin(phi)) / (L * std::sin(phi));
  return {H * std::sin(phi) + Fz * std::cos(phi), H * std::cos(phi) - Fz * std::sin(phi)};
}

// The right leg's row of the static loads of section VI of "LOWOUT.stxt": the bottom's shear, axial
// and lateral load, then the top's.
std::vector<double> staticLegRow() {
  return testing_support::rowAfter(readFileText("LOWOUT.stxt"), "STATIC EQUILIBRIUM LOADS", "3R");
}

// The two-sigma low-frequency deviations of a yoke leg's axial and shear load within 2 % (and
// 0.05 t) of half the change of the free body's loads between the mean and the two-sigma load
// (about 70 t to 142 t: 39.0 t and 0.43 t; the yoke folded back gives 29.4 t and 20.2 t).
TEST_F(TankerYoke, YokeLegLoadsAgreeWithTheYokesFreeBody) {
  ASSERT_EQ(runImage(example("tanker-yoke")), -1);
  const double mean = EQUILB.FTOT(EQUILB.ISTAB);
  const double displaced = mean + OUTPUT.FSIGLF(1, 1);  // the load at the two-sigma offset, about 142 t
  const YokeTop at = yokeFreeBody(mean), away = yokeFreeBody(displaced);
  // The mean loads at the top of one leg are those of LOWOUT's loads page (row 3R): about 46.9 t
  // along the yoke, -48.8 t across it.
  const std::vector<double> right = staticLegRow();
  ASSERT_EQ(right.size(), 6u);
  EXPECT_TRUE(IsClose(right[4], 0.5 * at.axial, 0.002, 0.01));
  EXPECT_TRUE(IsClose(right[3], 0.5 * at.shear, 0.002, 0.01));
  const int leg = 2 * SOLVE.NCON + 1;  // the top of the yoke's right leg
  EXPECT_TRUE(IsClose(OUTPUT.FSIGLF(leg, 2), 0.5 * std::fabs(away.axial - at.axial), 0.02));
  EXPECT_TRUE(IsClose(OUTPUT.FSIGLF(leg, 1), 0.5 * std::fabs(away.shear - at.shear), 0.02, 0.05));
}

}  // namespace
}  // namespace qv

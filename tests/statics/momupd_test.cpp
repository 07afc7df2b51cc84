// MOMUPD against the statics of the free body below each moment point: the loads at the member's
// bottom joint and the weights and buoyancies of the elements below the point, resolved across and
// along the member and taken as moments about the point, summed in double precision in the test.
#include "statics/momupd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "util/farray.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;

struct Element {
  float length, weight, cg, buoyancy, cb;
  int flagged;  // LMOMT
};

// A column of elements grouped into members as JELEM gives them, in the layout MOMUPD reads.
struct Column {
  Arr<std::int32_t, 40> JELEM{};
  Arr<float, 40> SLEN{}, TMASS{}, CGSALM{}, BUOY{}, CBUOY{};
  Arr<std::int32_t, 40> LMOMT{};
  Arr<float, 7> ZLOAD{};

  Column(const std::vector<std::vector<Element>>& members) {
    int o = 0;
    int m = 0;
    for (const auto& member : members) {
      JELEM(++m) = o + 1;
      for (const Element& e : member) {
        ++o;
        SLEN(o) = e.length;
        TMASS(o) = e.weight;
        CGSALM(o) = e.cg;
        BUOY(o) = e.buoyancy;
        CBUOY(o) = e.cb;
        LMOMT(o) = e.flagged;
      }
    }
    JELEM(m + 1) = o + 1;
  }

  void run(float H, float phi, float FLAT, std::int32_t M, std::int32_t NCON, Arr<float, 10, 6>& out,
           std::int32_t& count, std::int32_t nbug = 0) const {
    MOMUPD(H, std::sin(phi), std::cos(phi), JELEM.data(), ZLOAD.data(), FLAT, TMASS.data(), BUOY.data(),
           CGSALM.data(), CBUOY.data(), SLEN.data(), LMOMT.data(), out, count, M, NCON, kScreenUnit, nbug);
  }
};

// The five loads at the top of each element of member M, from the free body below that point: at
// the bottom joint the horizontal load H and the vertical load Z, on each element its weight at its
// centre of gravity and its buoyancy at its centre of buoyancy (downward positive), and the lateral
// load FLAT on the top member. With the member along t = (sin phi, cos phi) and the resultant
// (H, V) below the point, the in-plane shear is H cos phi - V sin phi and the axial load
// H sin phi + V cos phi; the in-plane moment is the moment of those loads about the point, x
// measured along the member: -(H cos phi - Z sin phi) x + sum of the weights' arms times sin phi.
struct Loads {
  double shear, axial, lateral;
  double momentOfLateral;  // column 4: the moment of the lateral shear
  double momentInPlane;    // column 5
};

std::vector<Loads> freeBodyLoads(const Column& c, double H, double phi, double FLAT, int M, int NCON) {
  const double s = std::sin(phi), co = std::cos(phi);
  const double Z = c.ZLOAD(M);
  const double lateral = M == NCON ? FLAT : 0.0;
  std::vector<Loads> rows;
  double base = 0.0;  // distance of the element's lower end from the bottom joint
  for (int o = c.JELEM(M); o < c.JELEM(M + 1); ++o) {
    const double top = base + c.SLEN(o);
    double V = Z;
    // Horizontal arm of each downward load about the point (top - position) sin phi; the horizontal
    // load acts at the arm (top) cos phi with the opposite sense of turning.
    double moment = Z * top * s - H * top * co;
    for (int k = c.JELEM(M); k <= o; ++k) {
      double kBase = 0.0;
      for (int j = c.JELEM(M); j < k; ++j) kBase += c.SLEN(j);
      V += c.TMASS(k) - c.BUOY(k);
      moment += c.TMASS(k) * (top - kBase - c.CGSALM(k)) * s - c.BUOY(k) * (top - kBase - c.CBUOY(k)) * s;
    }
    if (c.LMOMT(o) != 0) rows.push_back({H * co - V * s, H * s + V * co, lateral, -lateral * top, moment});
    base = top;
  }
  return rows;
}

void expectRows(const Arr<float, 10, 6>& out, int first, const std::vector<Loads>& rows) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = first + static_cast<int>(r);
    SCOPED_TRACE("row " + std::to_string(row));
    EXPECT_TRUE(IsClose(out(row, 1), rows[r].shear, 1e-5, 1e-4));
    EXPECT_TRUE(IsClose(out(row, 2), rows[r].axial, 1e-5, 1e-4));
    EXPECT_TRUE(IsClose(out(row, 3), rows[r].lateral, 1e-5, 1e-4));
    EXPECT_TRUE(IsClose(out(row, 4), rows[r].momentOfLateral, 1e-5, 1e-3));
    EXPECT_TRUE(IsClose(out(row, 5), rows[r].momentInPlane, 1e-5, 1e-3));
  }
}

// A vertical member under an axial load alone: no shear and no moment anywhere, the axial load equal
// to the load at every station.
TEST(MomentPoints, VerticalMemberUnderAnAxialLoadAlone) {
  Column c({{{10, 0, 0, 0, 0, 1}, {20, 0, 0, 0, 0, 1}, {5, 0, 0, 0, 0, 1}}});
  c.ZLOAD(1) = 150.0f;
  Arr<float, 10, 6> out{};
  std::int32_t count = 1;
  c.run(0.0f, 0.0f, 0.0f, 1, 1, out, count);
  EXPECT_EQ(count, 4);
  for (int row = 1; row <= 3; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    EXPECT_EQ(out(row, 1), 0.0f);
    EXPECT_EQ(out(row, 2), 150.0f);
    EXPECT_EQ(out(row, 3), 0.0f);
    EXPECT_EQ(out(row, 4), 0.0f);
    EXPECT_EQ(out(row, 5), 0.0f);
  }
}

// A horizontal weightless member loaded across at its bottom end, like a cantilever: the shear is
// the load, the in-plane moment the load times the arm; the horizontal load runs along it as the
// axial load, and the lateral load of the top member gives the out-of-plane moment by its arm.
TEST(MomentPoints, HorizontalMemberLikeACantilever) {
  Column c({{{4, 0, 0, 0, 0, 1}, {6, 0, 0, 0, 0, 0}, {5, 0, 0, 0, 0, 1}}});
  c.ZLOAD(1) = 12.0f;
  Arr<float, 10, 6> out{};
  std::int32_t count = 1;
  c.run(30.0f, std::numbers::pi_v<float> / 2, 2.0f, 1, 1, out, count);
  EXPECT_EQ(count, 3);
  // row 1 at 4 from the loaded end, row 2 at 15
  const float arms[] = {4.0f, 15.0f};
  for (int row = 1; row <= 2; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    EXPECT_TRUE(IsClose(out(row, 1), -12.0, 1e-6, 1e-5));
    EXPECT_TRUE(IsClose(out(row, 2), 30.0, 1e-6, 1e-5));
    EXPECT_TRUE(IsClose(out(row, 3), 2.0, 1e-6));
    EXPECT_TRUE(IsClose(out(row, 4), -2.0 * arms[row - 1], 1e-6));
    EXPECT_TRUE(IsClose(out(row, 5), 12.0 * arms[row - 1], 1e-6, 1e-4));
  }
}

// Heavy and buoyant elements on leaning members, against the free body below each point.
TEST(MomentPoints, LeaningMembersWithWeightsAndBuoyancyMatchTheFreeBody) {
  const Column c({
      {{10, 5, 4, 20, 5, 1}, {30, 8, 12, 3, 15, 1}},                     // member 1
      {{12, 2, 6, 40, 6, 0}, {8, 9, 2, 1, 4, 1}, {20, 15, 10, 0, 0, 1}},  // member 2, the top
  });
  Column loaded = c;
  loaded.ZLOAD(1) = -40.0f;
  loaded.ZLOAD(2) = 25.0f;
  struct Case {
    const char* name;
    float H, phi, FLAT;
    int M;
  };
  const Case cases[] = {
      {"member 1 leaning forward", 60.0f, 0.4f, 7.0f, 1},
      {"member 1 leaning back", 10.0f, -0.7f, 7.0f, 1},
      {"the top member with a lateral load", 45.0f, 1.1f, -3.5f, 2},
      {"the top member past the horizontal", 80.0f, 2.0f, 6.0f, 2},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    Arr<float, 10, 6> out{};
    out(1, 6) = 99.0f;
    std::int32_t count = 1;
    loaded.run(k.H, k.phi, k.FLAT, k.M, 2, out, count);
    const std::vector<Loads> rows = freeBodyLoads(loaded, k.H, k.phi, k.FLAT, k.M, 2);
    EXPECT_EQ(count, 1 + static_cast<int>(rows.size()));
    expectRows(out, 1, rows);
    EXPECT_EQ(out(1, 6), 99.0f);  // the spare column is left alone
  }
}

// The count starts where the caller says and moves on over the flagged elements only; a data set
// flagging more elements than the table holds still counts them all, but no row past the table is
// written.
TEST(MomentPoints, CountFromTheCallersRowAndNoRowPastTheTable) {
  std::vector<Element> member(12, Element{1, 0, 0, 0, 0, 1});
  member[3].flagged = 0;
  Column c({member});
  c.ZLOAD(1) = 5.0f;
  Arr<float, 10, 6> out{};
  Arr<float, 10, 6> before = out;
  std::int32_t count = 4;
  c.run(0.0f, 0.0f, 0.0f, 1, 1, out, count);
  EXPECT_EQ(count, 4 + 11);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(out(row, 2), before(row, 2)) << row;
  for (int row = 4; row <= 10; ++row) EXPECT_EQ(out(row, 2), 5.0f) << row;
}

// The trace of a debug run: one line before the walk and one per element, on the unit given.
TEST(MomentPoints, DebugTraceLines) {
  Column c({{{10, 0, 0, 0, 0, 1}, {20, 0, 0, 0, 0, 0}}});
  c.ZLOAD(1) = 1.0f;
  Arr<float, 10, 6> out{};
  std::int32_t count = 1;
  ConsoleCapture console;
  c.run(0.0f, 0.0f, 0.0f, 1, 1, out, count, 1);
  const std::string screen = console.screen();
  EXPECT_TRUE(contains(screen, " BEFORE IELEM LOOP: STISH,STOSH,STAX,SMOMI,SMOMO")) << screen;
  EXPECT_TRUE(contains(screen, " ELEMENT  1:")) << screen;
  EXPECT_TRUE(contains(screen, " ELEMENT  2:")) << screen;
  ConsoleCapture quiet;
  count = 1;
  c.run(0.0f, 0.0f, 0.0f, 1, 1, out, count, 0);
  EXPECT_EQ(quiet.screen(), "");
}

}  // namespace
}  // namespace qv

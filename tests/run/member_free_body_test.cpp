// The tanker example's members against their free bodies as rigid bodies (support/member_free_body.h),
// with the bending moments asked at the yoke's top (element 4) besides those at the tops of the
// column tube and the buoy: in waves from 150 and 120 degrees, where the slow drift leaves the yoke
// 10 and 34 degrees out of the SALM plane with a lateral load of 10 and 30 t; under the imposed
// extension, which moves the yoke's top across its plane; and in head seas. The yoke, 200 t and 30 m
// long, hangs from the buoy's top and is held at the vessel by two sides 20 m apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dynamics/momcom.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "platform/block_reset.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/record_file.h"
#include "support/member_free_body.h"

namespace qv {
namespace {

using testing_support::example;
using testing_support::withWord;

constexpr int kYokeElement = 4;  // the example's yoke, the column's member 3
constexpr int kYokeTop = 3;      // its moment element, after those of the column tube and the buoy
constexpr int kBase = 1;         // the moment element at the top of the column tube (element 1)

class TankerMembers : public testing_support::ExampleRun {
 protected:
  // The example with the waves from `waveHeading` [deg], the extension switch and the yoke's moment
  // element.
  void run(float waveHeading, std::int32_t LEXTND) { run(waveHeading, LEXTND, example("tanker-yoke")); }
  void run(float waveHeading, std::int32_t LEXTND, std::string image) {
    closeAllUnits();
    resetAllBlocks();
    image = withWord(image, offsetof(Tpcm, WAVHDG), waveHeading);
    image = withWord(image, offsetof(Tpcm, SEAHDG), waveHeading);
    image = withWord(image, offsetof(Tpcm, LEXTND), LEXTND);
    image = withWord(image, offsetof(Tpcm, LMOMT) + 4 * (kYokeElement - 1), std::int32_t{1});
    image = withWord(image, offsetof(Tpcm, NMOMT), std::int32_t{3});
    ASSERT_EQ(runImage(image), -1);
    ASSERT_EQ(SOLVE.NCON, 3);
  }
};

// The largest in-plane moment RAO of moment element C.
double largestInPlane(int C) {
  Momcom& mc = MOMCOM;
  double peak = 0.0;
  for (int IW = 1; IW <= TPCM.NWP; ++IW) peak = std::max(peak, static_cast<double>(std::abs(mc.OUTMOM(IW, C))));
  return peak;
}

// Per period: the sides' couple and the report's lateral moment at the yoke's top are the free
// body's lateral moment, and the free body leaves nothing to its hinge line.
void expectSidesCarryTheYokeAndTheHingeNothing(const std::vector<testing_support::CutMoments>& body, double peak,
                                               double base) {
  Momcom& mc = MOMCOM;
  for (int IW = 1; IW <= TPCM.NWP; ++IW) {
    SCOPED_TRACE("period " + std::to_string(TPCM.T(IW)));
    const testing_support::CutMoments& b = body[static_cast<std::size_t>(IW - 1)];
    const double allowed = 1e-3 * std::abs(b.lateral) + 1e-4 * peak + 1e-3;
    const std::complex<double> couple = testing_support::sideCouple(IW);
    EXPECT_LE(std::abs(couple - b.lateral), allowed) << couple << " against " << b.lateral;
    EXPECT_LE(std::abs(std::complex<double>(mc.INMOM(IW, kYokeTop)) - b.lateral), allowed) << mc.INMOM(IW, kYokeTop);
    EXPECT_LE(std::abs(b.inPlane), 1e-4 * base);
  }
}

// The sides carry the yoke's moment about its top across its plane as the couple of their axial loads,
// statically (the low-frequency report's load difference DELTA0 of the sides) and at every wave
// period, and the member-load report's lateral moment at the yoke's top is that couple; the hinge line
// at the top carries no moment, in the free body nor in the report, per period and in the sea's
// two-sigma values (below a ten-thousandth of the column tube's top).
TEST_F(TankerMembers, YokeSidesCarryTheMomentOfTheRigidYokeAndItsHingesNone) {
  struct Case {
    const char* name;
    float waveHeading;  // [deg]
    std::int32_t LEXTND;
  };
  for (const Case& c : {Case{"waves from 150 degrees", 150.0f, 0}, Case{"waves from 120 degrees", 120.0f, 0},
                        Case{"the imposed extension", 180.0f, 1}, Case{"head seas", 180.0f, 0}}) {
    SCOPED_TRACE(c.name);
    run(c.waveHeading, c.LEXTND);
    if (HasFatalFailure()) return;
    ASSERT_EQ(TPCM.BUOY(kYokeElement), 0.0f);  // the yoke has no volume: no buoyancy, added mass or waves

    const testing_support::RecordDump momdat = testing_support::dumpRecords("MOMDAT");
    ASSERT_TRUE(momdat.clean);
    const testing_support::RigidPart yoke = testing_support::partOfTheRun(3, kYokeElement, false, false);
    std::vector<testing_support::CutMoments> body;
    for (int IW = 1; IW <= TPCM.NWP; ++IW) {
      body.push_back(testing_support::cutMoments(yoke, testing_support::periodOfTheRun(IW, 3, momdat, kYokeTop)));
    }

    // Statically: the couple PNDARM DELTA0 of the low-frequency report's sides; no moment at the hinge.
    const Equilb& e = EQUILB;
    EXPECT_TRUE(testing_support::IsClose(body[0].meanLateral, TPCM.PNDARM * e.DELTA0, 1e-3, 0.05));
    EXPECT_LT(std::fabs(body[0].meanInPlane), 0.1);  // the statics' angles hold to 1e-4
    EXPECT_LT(std::fabs(MOMCOM.STMOMO(kYokeTop)), 0.1);

    double peak = 0.0;
    for (const testing_support::CutMoments& b : body) peak = std::max(peak, std::abs(b.lateral));
    if (c.LEXTND != 0 || c.waveHeading != 180.0f) {
      ASSERT_GT(peak, 100.0);
    }
    const double base = largestInPlane(kBase);
    ASSERT_GT(base, 100.0);
    expectSidesCarryTheYokeAndTheHingeNothing(body, peak, base);
    EXPECT_LE(largestInPlane(kYokeTop), 1e-4 * base);
    const Output& o = OUTPUT;
    EXPECT_LE(std::sqrt(o.momentVariances(kYokeTop, 5)), 1e-4 * std::sqrt(o.momentVariances(kBase, 5)));
  }
}

// A yoke with a volume of its own (30 t of displacement) that the submergence option wets: its added
// mass moves with it under every option that wets the yoke (WETYOK 1 to 4, the buoy top wet or dry),
// so the sides' couple must take the moment of that added mass too, and the hinge line still none.
TEST_F(TankerMembers, AWetYokeKeepsItsSidesCoupleAndItsHingeFree) {
  for (const std::int32_t WETYOK : {1, 2, 3, 4}) {
    SCOPED_TRACE("WETYOK " + std::to_string(WETYOK));
    std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, WETYOK), WETYOK);
    image = withWord(image, offsetof(Tpcm, BUOY) + 4 * (kYokeElement - 1), 30.0f);
    run(150.0f, 0, image);
    if (HasFatalFailure()) return;
    const testing_support::RecordDump momdat = testing_support::dumpRecords("MOMDAT");
    ASSERT_TRUE(momdat.clean);
    // Above the water the yoke floats on nothing (the statics' buoyancy), but takes its added mass.
    const testing_support::RigidPart yoke = testing_support::partOfTheRun(3, kYokeElement, false, true);
    const double base = largestInPlane(kBase);
    ASSERT_GT(base, 100.0);
    double peak = 0.0;
    std::vector<testing_support::CutMoments> body;
    for (int IW = 1; IW <= TPCM.NWP; ++IW) {
      body.push_back(testing_support::cutMoments(yoke, testing_support::periodOfTheRun(IW, 3, momdat, kYokeTop)));
      peak = std::max(peak, std::abs(body.back().lateral));
    }
    ASSERT_GT(peak, 100.0);
    expectSidesCarryTheYokeAndTheHingeNothing(body, peak, base);
    EXPECT_LE(largestInPlane(kYokeTop), 1e-4 * base);
  }
}

// The column tube's top (element 1, 14 m below the top of member 1, the tank between) is a cut with a
// static in-plane moment of 68 t m: the member-load report's moments there are those of the free body
// of the tube below the cut, under water, per period. In oblique waves the static moment turns with
// the axes of the loads about the vertical, by the lateral angle over sin(phi) (24 times it for the
// tube 2.4 degrees from the vertical), into the lateral moment: the report took it by the lateral
// angle alone, 18 % short at 12 s from 120 degrees.
TEST_F(TankerMembers, MomentsAtACutOfAMemberAreThoseOfItsFreeBody) {
  for (const float waves : {150.0f, 120.0f}) {
    SCOPED_TRACE("waves from " + std::to_string(waves) + " deg");
    run(waves, 0);
    if (HasFatalFailure()) return;
    ASSERT_GT(std::fabs(MOMCOM.STMOMO(kBase)), 50.0);
    const testing_support::RecordDump momdat = testing_support::dumpRecords("MOMDAT");
    ASSERT_TRUE(momdat.clean);
    const testing_support::RigidPart tube = testing_support::partOfTheRun(1, 1, true, true);
    Momcom& mc = MOMCOM;
    for (int IW = 1; IW <= TPCM.NWP; ++IW) {
      SCOPED_TRACE("period " + std::to_string(TPCM.T(IW)));
      const testing_support::CutMoments b = testing_support::cutMoments(tube, testing_support::periodOfTheRun(IW, 1, momdat, kBase));
      EXPECT_TRUE(testing_support::IsClose(b.meanInPlane, mc.STMOMO(kBase), 1e-3));
      const double scale = std::abs(b.lateral) + std::abs(b.inPlane);
      EXPECT_LE(std::abs(std::complex<double>(mc.INMOM(IW, kBase)) - b.lateral), 1e-3 * scale)
          << mc.INMOM(IW, kBase) << " against " << b.lateral;
      EXPECT_LE(std::abs(std::complex<double>(mc.OUTMOM(IW, kBase)) - b.inPlane), 1e-3 * scale)
          << mc.OUTMOM(IW, kBase) << " against " << b.inPlane;
    }
  }
}

}  // namespace
}  // namespace qv

// SALM statics: the configuration search, the load-offset table and the joint loads, checked against
// an independent solution of the column (tests/statics/reference/statics_reference.py: fsolve on every
// member's moment balance and the height of the top, buoyancy of the piercing member by quadrature,
// brute-force least potential energy over all member patterns), against closed forms, and the
// refusals and stops of the stage.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "hull/equilb.h"
#include "numlib/angles.h"
#include "salm_fixtures.h"
#include "statics/column.h"
#include "statics/solve.h"
#include "statics/stsalm.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/fatal.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;
using testing_support::TempDir;

// The member angles of table point J, member by member.
std::vector<float> anglesAt(int J) {
  std::vector<float> phi;
  for (int I = 1; I <= SOLVE.NCON; ++I) phi.push_back(SOLVE.PHIANG(J, I));
  return phi;
}

// Runs the statics in a fresh folder; the console replies are typed up front.
void runStatics(const std::string& typed = "") {
  TempDir dir;
  ConsoleCapture console(typed);
  STSALM();
}

struct TablePoint {
  int point;
  std::vector<float> cot;  // cotangent of each member
};

struct IndependentCase {
  const char* name;
  void (*build)();
  std::vector<float> hload;
  std::vector<float> offset;  // OFFSET at every table point
  std::vector<TablePoint> points;
};

// Values of statics_reference.py: analyse(fixture_two()) and analyse(fixture_three()).
const IndependentCase kIndependent[] = {
    {"two members",
     testing_support::twoMemberSalm,
     {0.0f, 7.1136f, 15.243683f, 32.665578f, 69.998834f, 150.0f},
     {13.266499f, 20.505737f, 22.839089f, 23.740604f, 23.946849f, 23.988921f},
     {{2, {11.772979f, 3.6005752f}},
      {3, {8.0060244f, 4.1907018f}},
      {4, {6.6964501f, 4.9154217f}},
      {5, {6.2548008f, 5.4235408f}},
      {6, {6.0868588f, 5.6989181f}}}},
    {"three members",
     testing_support::threeMemberSalm,
     {0.0f, 4.368f, 8.2617844f, 15.626621f, 29.556725f, 55.904599f, 105.73987f, 200.0f},
     {58.09475f, 66.803382f, 73.201254f, 82.145752f, 93.332619f, 109.48382f, 121.23722f, 126.10186f},
     {{2, {23.128862f, 10.013729f, 0.26401427f}},
      {3, {12.8252f, 5.847394f, 0.27569121f}},
      {4, {7.5088611f, 3.7778172f, 0.30251625f}},
      {5, {4.6679404f, 2.6565299f, 0.35561613f}},  // the buoy's top disc cut by the surface
      {6, {2.8218466f, 1.7485896f, 0.4964565f}},
      {7, {1.9397904f, 1.3723601f, 0.71035817f}},
      {8, {1.5635846f, 1.2635846f, 0.91358457f}}}},
};

TEST(Statics, LoadTableMatchesAnIndependentSolutionOfTheColumn) {
  for (const IndependentCase& c : kIndependent) {
    SCOPED_TRACE(c.name);
    c.build();
    runStatics();
    for (std::size_t k = 0; k < c.hload.size(); ++k) {
      EXPECT_TRUE(IsClose(EQUILB.HLOAD(k + 1), c.hload[k], 1e-6, 1e-6)) << "HLOAD(" << k + 1 << ")";
      EXPECT_TRUE(IsClose(EQUILB.OFFSET(k + 1), c.offset[k], 1e-4)) << "OFFSET(" << k + 1 << ")";
    }
    for (const TablePoint& p : c.points) {
      for (std::size_t I = 0; I < p.cot.size(); ++I) {
        EXPECT_TRUE(IsClose(SOLVE.COTANP(p.point, I + 1), p.cot[I], 1e-4))
            << "COTANP(" << p.point << ", " << I + 1 << ")";
      }
    }
  }
}

// Every member at every loaded table point: H c_k = T_k - M_k, with T_k the pull at the member's top
// as the joint loads give it and M_k its moment term at its attitude.
TEST(Statics, EveryMemberIsInMomentBalanceAtEveryTablePoint) {
  for (void (*build)() : {testing_support::threeMemberSalm, testing_support::sixMemberSalm,
                          testing_support::twoMemberSalm}) {
    build();
    runStatics();
    const Solve& s = SOLVE;
    for (int J = 2; J <= TPCM.NUMTAB; ++J) {
      const float H = EQUILB.HLOAD(J);
      ZFILL(H, anglesAt(J).data());
      for (int k = 1; k <= s.NCON; ++k) {
        const float c = SOLVE.COTANP(J, k);
        const float M = k == s.IPERCN ? s.WEPERC - s.BOYMOM : s.WETARM(k);
        const float T = s.ZLDTMP(k + 1);
        EXPECT_TRUE(IsClose(H * c, T - M, 1e-4, 1e-4 * std::fabs(T))) << "point " << J << ", member " << k;
      }
    }
  }
}

TEST(Statics, ZeroLoadJointLoadsCarryTheNetBuoyancies) {
  struct Case {
    void (*build)();
    std::vector<float> zload0;  // statics_reference.py: zero_load(...)["zload0"]
  };
  const Case cases[] = {
      {testing_support::threeMemberSalm, {104.0f, 92.0f, -20.0f, 20.0f}},
      {testing_support::sixMemberSalm, {160.6f, 167.8f, 173.0f, 176.2f, 169.0f, -5.0f, 5.0f}},
      {testing_support::oneMemberSalm, {-14.736364f, -58.136364f}},
      {testing_support::twoMemberSalm, {46.8f, 34.8f, -90.0f}},
  };
  for (const Case& c : cases) {
    c.build();
    runStatics();
    ASSERT_EQ(SOLVE.NCON + 1, static_cast<int>(c.zload0.size()));
    float netBuoyancy = 0.0f;  // weight minus buoyancy of every member, the piercing one at its draft
    for (int k = 1; k <= SOLVE.NCON; ++k) {
      EXPECT_TRUE(IsClose(SOLVE.ZLOAD0(k), c.zload0[k - 1], 1e-5, 1e-4)) << "joint " << k;
      netBuoyancy += k == SOLVE.IPERCN ? SOLVE.CNMASS(k) - SOLVE.B0 : SOLVE.WETWT(k);
    }
    EXPECT_TRUE(IsClose(SOLVE.ZLOAD0(SOLVE.NCON + 1), c.zload0.back(), 1e-5, 1e-4));
    EXPECT_TRUE(IsClose(SOLVE.ZLOAD0(SOLVE.NCON + 1) - SOLVE.ZLOAD0(1), netBuoyancy, 1e-4, 1e-4));
  }
}

// The least-energy pattern of a brute-force search over every member pattern in
// statics_reference.py (energy_pattern): +1 up, -1 down, 0 the closing member.
TEST(Statics, ZeroLoadPatternIsTheLeastPotentialEnergy) {
  struct Case {
    const char* name;
    void (*build)();
    std::vector<int> sign;
    float closingCosine;
  };
  const Case cases[] = {
      {"two members", testing_support::twoMemberSalm, {1, 0}, 43.0f / 45.0f},
      {"three members", testing_support::threeMemberSalm, {1, 1, 0}, 0.25f},
      {"six members", testing_support::sixMemberSalm, {1, 1, 1, 1, 1, 0}, 0.5f},
      {"folded free SALM", testing_support::foldedFreeSalm, {-1, -1, 1}, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.build();
    runStatics("\n");  // the folded buoy is far below the surface: one warning pause
    for (int k = 1; k <= SOLVE.NCON; ++k) {
      const int sign = c.sign[k - 1];
      const float cot = SOLVE.COTANP(1, k);
      if (sign == 0) {
        EXPECT_TRUE(IsClose(COSPHI(cot), c.closingCosine, 1e-6)) << "member " << k;
      } else {
        EXPECT_EQ(cot, sign * 1.0E17f) << "member " << k;
      }
    }
  }
}

TEST(Statics, EqualEnergiesGoToTheLaterPattern) {
  // A free column whose second member has neither weight nor buoyancy: up and down cost the same,
  // and the later pattern (second member up) is kept.
  testing_support::resetStatics();
  testing_support::setElements({{40.0f, 800.0f, 20.0f, 20.0f, 20.0f, 11.5f, 1}, {10.0f, 0.0f, 0.0f, 0.0f, 5.0f, 0.0f, 1}});
  testing_support::setSite({1, 20.0f, 35.0f, 64.0f, 0.0f, -1, 0, 0.0f, 0.0f});
  runStatics();
  EXPECT_EQ(SOLVE.COTANP(1, 1), 1.0E17f);
  EXPECT_EQ(SOLVE.COTANP(1, 2), 1.0E17f);
  // Nothing above a free column's top: its joint loads end at 0.
  EXPECT_EQ(SOLVE.ZLOAD0(3), 0.0f);
}

// One buoyant rigid member: its angle is fixed by the height of the attachment, so the offset is
// sqrt(L^2 - YOKBOT^2) at every load, and the vertical load at the top follows from the
// inverted-pendulum balance H h = V x + (B b - W g) sin(phi) with the wet buoyancy at the member's
// draft (statics_reference.py: zfill(col, H[j], angles[j]) of fixture_one()).
TEST(Statics, OneBuoyantMemberFollowsTheInvertedPendulumBalance) {
  testing_support::oneMemberSalm();
  runStatics();
  const float topLoad[] = {-25.290667f, -4.6301043f, 68.480066f, 327.19020f};
  const float reach = std::sqrt(55.0f * 55.0f - 53.0f * 53.0f);
  for (int J = 1; J <= 5; ++J) EXPECT_TRUE(IsClose(EQUILB.OFFSET(J), reach, 1e-5)) << "point " << J;
  for (int J = 2; J <= 5; ++J) {
    ZFILL(EQUILB.HLOAD(J), anglesAt(J).data());
    EXPECT_TRUE(IsClose(SOLVE.ZLDTMP(2), topLoad[J - 2], 1e-4, 1e-3)) << "point " << J;
  }
}

TEST(Statics, MemberSumsFollowTheParallelAxisTheorem) {
  testing_support::threeMemberSalm();
  TPCM.COFMST(3) = 1.0f;
  TPCM.COFMST(4) = 0.5f;
  runStatics();
  const Solve& s = SOLVE;
  // Member 2: elements 3 (30 ft, 128 kips buoyancy, 60 kips) and 4 (15 ft, 96 kips, 20 kips) above it.
  EXPECT_EQ(s.NCON, 3);
  EXPECT_EQ(s.IFIRST, 2);
  EXPECT_EQ(s.JELEM(2), 3);
  EXPECT_EQ(s.JELEM(4), 6);
  EXPECT_TRUE(IsClose(s.CNCG(2), (60.0 * 12.0 + 20.0 * 37.5) / 80.0, 1e-6));
  EXPECT_TRUE(IsClose(s.CNCB(2), (128.0 * 15.0 + 96.0 * 37.5) / 224.0, 1e-6));
  // sqrt((sum m (k^2 + z^2) - M zg^2) / M) with z the centres of gravity from the member's joint
  EXPECT_TRUE(IsClose(s.CNGYR(2), std::sqrt((60.0 * (81.0 + 144.0) + 20.0 * (20.25 + 1406.25) - 80.0 * 18.375 * 18.375) / 80.0), 1e-6));
  EXPECT_TRUE(IsClose(s.ADMBCY(2), 1.0 * 128.0 + 0.5 * 96.0, 1e-6));
  EXPECT_TRUE(IsClose(s.ADMLBD(2), 1.0 * 15.0 * 128.0 + 0.5 * 37.5 * 96.0, 1e-6));
  EXPECT_TRUE(IsClose(s.CADMOI(2), (128.0 * (225.0 + 0.0833 * 900.0) + 48.0 * (1406.25 + 0.0833 * 225.0)) / 32.152, 1e-6));
  // The yoke has no buoyancy: its centre of buoyancy is its length.
  EXPECT_EQ(s.CNCB(3), 60.0f);
  // The piercing member's buoyancy up to and including the piercing element.
  EXPECT_EQ(s.IPERCN, 2);
  EXPECT_TRUE(IsClose(s.WETVL0, 224.0, 1e-6));
  EXPECT_EQ(s.BOYLEN, 45.0f);
  EXPECT_TRUE(IsClose(s.ANCHT, 10.0, 1e-6));
  EXPECT_TRUE(IsClose(s.DEFF, 140.0, 1e-6));
  EXPECT_TRUE(IsClose(s.YOKBOT, 160.0, 1e-6));
}

// The yoke (member 3) given a volume of 50 ft3 (3.2 kips) and an added-mass coefficient of 2: it
// stands above the water, so it takes added mass only where the submergence option puts it under
// water for the dynamics' wave loads (1, 2, 5, 6 the whole system; 3 and 4 the yoke). The piercing
// member keeps the sums of its elements up to the piercing one whatever the option: the dynamics
// takes the piercing element's dry part off at its attitude.
TEST(Statics, AnElementOutOfTheWaterTakesNoAddedMass) {
  struct Case {
    std::int32_t wetyok;
    bool yokeWet;
  };
  const Case cases[] = {{0, false}, {1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("WETYOK " + std::to_string(c.wetyok));
    testing_support::threeMemberSalm();
    TPCM.BUOY(5) = 50.0f;
    TPCM.CBUOY(5) = 30.0f;
    TPCM.COFMST(3) = 1.0f;
    TPCM.COFMST(4) = 0.5f;
    TPCM.COFMST(5) = 2.0f;
    TPCM.WETYOK = c.wetyok;
    runStatics();
    const Solve& s = SOLVE;
    ASSERT_EQ(s.IPERCN, 2);
    const double added = c.yokeWet ? 2.0 * 3.2 : 0.0;
    EXPECT_TRUE(IsClose(s.ADMBCY(3), added, 1e-6));
    EXPECT_TRUE(IsClose(s.ADMLBD(3), added * 30.0, 1e-6));
    EXPECT_TRUE(IsClose(s.CADMOI(3), added * (900.0 + 0.0833 * 3600.0) / 32.152, 1e-6));
    EXPECT_TRUE(IsClose(s.ADMBCY(2), 1.0 * 128.0 + 0.5 * 96.0, 1e-6));
  }
}

TEST(Statics, WritesTheDataSetMembersTheLaterStagesRead) {
  testing_support::threeMemberSalm();
  TPCM.OFFINC = 0.0f;
  TPCM.NBUG = 3;
  runStatics();
  EXPECT_FLOAT_EQ(TPCM.BUOY(3), 2000.0f * 0.064f);  // volume into buoyant force, x DWATR / 1000
  EXPECT_EQ(TPCM.OFFINC, 1.0f);
  EXPECT_EQ(TPCM.LPERCN, 1);
  EXPECT_EQ(TPCM.NBUG, 0);
  // 0.052 of the column's net weight with the buoy at its zero-load draft: |-116 - 192 + 224|
  EXPECT_TRUE(IsClose(TPCM.HMIN, 0.052 * 84.0, 1e-6));
  // Gravity and air density for the slow drift, by the unit system.
  EXPECT_EQ(WAVCOM.G, 32.152f);
  EXPECT_EQ(WAVCOM.RHOAIR, 0.0024356f);
  testing_support::oneMemberSalm();
  runStatics();
  EXPECT_EQ(WAVCOM.G, 9.8f);
  EXPECT_EQ(WAVCOM.RHOAIR, 0.128f);

  testing_support::twoMemberSalm();
  TPCM.IARCO = kBuoyantRiser;
  TPCM.IPIERC = 4;  // the whole riser submerged
  TPCM.DRAFT = 12.0f;
  TPCM.NUMTAB = 0;
  runStatics();
  EXPECT_EQ(TPCM.YOKEHT, -12.0f);
  EXPECT_EQ(TPCM.NUMTAB, 2);
  EXPECT_EQ(EQUILB.HLOAD(2), TPCM.TLOAD);  // two points: no logarithmic step
}

TEST(Statics, PiercingElementOutsideTheMembers) {
  struct Case {
    int ipierc;
    int ipercn;  // 0 all dry, NCON + 1 all submerged
    int lpercn;
    double netWeight;  // |W - B| of the column as it lies, for HMIN
  };
  // All dry: 20 + 80 + 40; all submerged: (20 - 32) + (80 - 224) + 40. The riser piercing, with the
  // dry buoy and yoke standing 105 ft on it, closes the column at cos 0.55: its top 85 ft under water
  // gives a zero-load buoyancy B0 = 32 + 85 * 100 * 0.064, counted instead of its 32 kips:
  // (20 - 32) + 80 + 40 - B0 + 32.
  for (const Case c : {Case{1, 0, 0, 140.0}, Case{0, 0, 0, 140.0}, Case{9, 4, 1, 116.0}, Case{2, 1, 1, 436.0}}) {
    testing_support::threeMemberSalm();
    TPCM.IPIERC = c.ipierc;
    runStatics("\n");  // the riser piercing (IPIERC 2) is a warning: its top is under water
    EXPECT_EQ(SOLVE.IPERCN, c.ipercn) << "IPIERC " << c.ipierc;
    EXPECT_EQ(TPCM.LPERCN, c.lpercn) << "IPIERC " << c.ipierc;
    EXPECT_TRUE(IsClose(TPCM.HMIN, 0.052 * c.netWeight, 1e-5)) << "IPIERC " << c.ipierc;
  }
}

// Under options 7 and 8 (the whole system under water) page 2 names no piercing element as the one
// past the last, which it shows there, or as 0: one column, all of it submerged, whichever is held.
// Its net weight is the all-submerged sum of the case above, (20 - 32) + (80 - 224) + 40.
TEST(Statics, UnderWaterNoPiercingElementIsNoneAsZeroOrPastTheLast) {
  for (const std::int32_t wetyok : {5, 6}) {
    SCOPED_TRACE("WETYOK " + std::to_string(wetyok));
    const auto run = [wetyok](std::int32_t ipierc) {
      testing_support::threeMemberSalm();
      TPCM.WETYOK = wetyok;
      TPCM.IPIERC = ipierc;
      runStatics("\n");
      EXPECT_EQ(SOLVE.IPERCN, SOLVE.NCON + 1) << "IPIERC " << ipierc;
      EXPECT_EQ(TPCM.LPERCN, 1) << "IPIERC " << ipierc;
      EXPECT_TRUE(IsClose(TPCM.HMIN, 0.052 * 116.0, 1e-5)) << "IPIERC " << ipierc;
      // What the statics leave for the later stages, as bytes.
      const auto bytes = [](const auto& block) {
        const auto* first = reinterpret_cast<const unsigned char*>(&block);
        return std::vector<unsigned char>(first, first + sizeof block);
      };
      return std::make_pair(bytes(SOLVE), bytes(EQUILB));
    };
    const auto pastTheLast = run(6);
    const auto none = run(0);
    EXPECT_TRUE(none.first == pastTheLast.first) << "SOLVE";
    EXPECT_TRUE(none.second == pastTheLast.second) << "EQUILB";
  }
}

TEST(Statics, SingleElementKeepsItsCotangentsZeroAfterTheFirstPoint) {
  testing_support::oneMemberSalm();
  TPCM.NELEM = 1;
  TPCM.IPIERC = 2;  // beyond the elements: submerged
  TPCM.YOKEHT = -10.0f;  // the top joint 40 m above the base, the column 45 m long
  runStatics();
  EXPECT_TRUE(IsClose(SOLVE.COTANP(1, 1), 40.0 / std::sqrt(45.0 * 45.0 - 40.0 * 40.0), 1e-6));
  for (int J = 2; J <= TPCM.NUMTAB; ++J) {
    EXPECT_EQ(SOLVE.COTANP(J, 1), 0.0f);
    EXPECT_EQ(SOLVE.PHIANG(J, 1), 1.5707964f);
    EXPECT_EQ(EQUILB.OFFSET(J), 0.0f);
  }
}

TEST(Statics, ClosingMemberExactlyVerticalGetsTheLargestCotangent) {
  testing_support::oneMemberSalm();
  TPCM.YOKEHT = 5.0f;  // the top joint exactly at the column's height
  runStatics();
  EXPECT_EQ(SOLVE.COTANP(1, 1), 1.0E20f);
}

TEST(Statics, WithoutElementsTheTablesComeFromTheAuxiliaryTable) {
  testing_support::resetStatics();
  TPCM.NUMTAB = 5;
  TPCM.OFFINC = 10.0f;
  TPCM.AUXTBL = 1;
  const float force[] = {0.0f, 10.0f, 30.0f, 60.0f, 100.0f};
  for (int k = 1; k <= 5; ++k) TPCM.AUXFOR(k) = force[k - 1];
  runStatics();
  EXPECT_EQ(TPCM.TLOAD, 100.0f);
  // Logarithmic from 0.052 TLOAD to TLOAD (TLOAD / 4 is above a tenth of it): 5.2 (100/5.2)^((J-2)/3)
  for (int J = 2; J <= 5; ++J) {
    const double H = 5.2 * std::pow(100.0 / 5.2, (J - 2) / 3.0);
    EXPECT_TRUE(IsClose(EQUILB.HLOAD(J), H, 1e-5)) << J;
    // The offset of the auxiliary table at that force, linear between its points.
    int i = 1;
    while (i < 4 && force[i] < H) ++i;
    const double offset = 10.0 * (i - 1) + 10.0 * (H - force[i - 1]) / (force[i] - force[i - 1]);
    EXPECT_TRUE(IsClose(EQUILB.OFFSET(J), offset, 1e-5)) << J;
  }
}

TEST(Statics, ZeroTableLoadWithoutWeightGivesALinearTable) {
  testing_support::resetStatics();
  TPCM.NUMTAB = 4;  // AUXFOR(4) = 0: no load at all, so no first load for a logarithmic table
  runStatics();
  for (int J = 1; J <= 4; ++J) EXPECT_EQ(EQUILB.HLOAD(J), 0.0f);
}

// Refusals: before any work, with a message naming what is wrong, and no report file.
TEST(Statics, RefusesWhatTheTablesCannotHold) {
  struct Case {
    const char* name;
    void (*change)();
    const char* message;
  };
  const Case cases[] = {
      {"41 elements", [] { TPCM.NELEM = 41; }, " ++> SALM statics: 41 SALM elements (page 2, item 1); 0 to 40 can be analysed."},
      {"7 members",
       [] {
         testing_support::sixMemberSalm();
         TPCM.IFREE(1) = 1;
       },
       " ++> SALM statics: 7 members (free joints, page 3, item 7); at most 6 can be\n"
       "     analysed."},
      {"6 members with a yoke",
       [] {
         testing_support::sixMemberSalm();
         TPCM.IARCO = kYoke;
       },
       " ++> SALM statics: 6 members (free joints, page 3, item 7) with a yoke; at\n"
       "     most 5 can be analysed."},
      {"91 points", [] { TPCM.NUMTAB = 91; },
       " ++> SALM statics: NUMTAB = 91 load-table points (page 2, item 4); 2 to 90 are\n"
       "     allowed."},
      {"1 point", [] { TPCM.NUMTAB = 1; },
       " ++> SALM statics: NUMTAB = 1 load-table points (page 2, item 4); 2 to 90 are\n"
       "     allowed."},
      {"no table load", [] { TPCM.TLOAD = 0.0f; },
       " ++> SALM statics: largest table load TLOAD = 0.00 (page 2, item 2); it must be\n"
       "     above 0."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::threeMemberSalm();
    c.change();
    TempDir dir;
    ConsoleCapture console("\n");
    std::string routine;
    try {
      STSALM();
    } catch (const Stop& stop) {
      routine = stop.routine;
      EXPECT_EQ(stop.status, kExitFatal);
    }
    EXPECT_EQ(routine, "STSALM");
    EXPECT_TRUE(contains(console.screen(), std::string("\n") + c.message + "\n\n\n Press <RETURN> to continue: "))
        << console.screen();
    EXPECT_FALSE(std::filesystem::exists("STATOUT.stxt"));
  }
}

// The message says what decides it: the height the top must reach, from the water depth less the
// frozen base plus the yoke's height, and the member lengths that fall short of it.
TEST(Statics, ColumnThatCannotReachTheVesselIsImpossible) {
  testing_support::threeMemberSalm();
  TPCM.YOKEHT = 100.0f;  // the top joint 240 ft above the base joint, the column 205 ft long
  TempDir dir;
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus(STSALM), kExitFatal);
  EXPECT_TRUE(contains(console.screen(),
                       "\n\n ++> IMPOSSIBLE SALM CONFIGURATION -- THE YOKE'S ON YOU!\n"
                       "     The column's top must stand 240.00 feet above its lowest free joint: the\n"
                       "     water depth 150.00 feet (page 1, item 4) less the frozen base's\n"
                       "     height 10.00 feet plus the yoke's height above the waterline 100.00 feet\n"
                       "     (page 3, item 14 then 1).\n"
                       "     No member standing up or down with one of them leaning reaches that height:\n"
                       "     member 1 (element 2) 100.00 feet, member 2 (elements 3 to 4) 45.00 feet,\n"
                       "     member 3 (element 5) 60.00 feet long, together 205.00 feet. Change the\n"
                       "     element lengths (page 3, item 2), the water depth or the attachment's\n"
                       "     height.\n\n\n Press <RETURN> to continue: "))
      << console.screen();
}

// The warning names the piercing element, the height of its member's top over the surface (the base
// 10 ft and members of 100 and 45 ft standing up in 160 ft of water), the depth and the lengths.
TEST(Statics, PiercingMemberBelowTheSurfaceIsAWarning) {
  const std::string warning =
      " ++> WARNING: piercing member might not cross water surface.\n"
      "     At zero load the top of member 2 (elements 3 to 4), which holds the\n"
      "     piercing element 4 (page 2, item 6), stands 5.00 feet below the water\n"
      "     surface; the water depth is 160.00 feet (page 1, item 4).\n"
      "     The members up to it: member 1 (element 2) 100.00 feet, member 2\n"
      "     (elements 3 to 4) 45.00 feet long (page 3, item 2 of their elements).\n"
      "     Change the element lengths, the piercing element or the water depth so that\n"
      "     the member crosses the surface.\n";
  testing_support::threeMemberSalm();
  TPCM.DEPTH = 160.0f;  // the buoy top 5 ft under water at zero load
  {
    TempDir dir;
    ConsoleCapture console("\n");
    STSALM();
    EXPECT_TRUE(contains(console.screen(), " >>> Computing Salm offset tables...\n\n\n\n" + warning +
                                               "\n\n Press <RETURN> to continue: "))
        << console.screen();
    EXPECT_TRUE(std::filesystem::exists("STATOUT.stxt"));
  }
  // An unattended run cannot be asked whether to go on: it stops with the same lines.
  testing_support::threeMemberSalm();
  TPCM.DEPTH = 160.0f;
  TPCM.EDUNIT = kDiagnosticsUnit;
  TPCM.IPLOTS = 0;
  TempDir dir;
  ConsoleCapture console;
  EXPECT_EQ(stopStatus(STSALM), kExitFatal);
  std::string stopped;
  for (const std::string& line : fatalStopState.message) stopped += line + "\n";
  EXPECT_EQ(stopped, warning);
}

// A member without length or weight has no defined moment term: the searches never find a sign
// change, widen their bracket 20 times and stop (nor does the shape continued from zero load close).
TEST(Statics, BracketWideningIsBounded) {
  using testing_support::SalmElement;
  const SalmElement base{10.0f, 100.0f, 5.0f, 15.0f, 5.0f, 3.0f, 0};
  const SalmElement riser{100.0f, 500.0f, 50.0f, 20.0f, 50.0f, 28.9f, 1};
  const SalmElement buoyBody{30.0f, 2000.0f, 15.0f, 60.0f, 12.0f, 9.0f, 1};
  const SalmElement buoyTop{15.0f, 1500.0f, 7.5f, 20.0f, 7.5f, 4.5f, 0};
  const SalmElement empty{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1};
  const SalmElement yoke{60.0f, 0.0f, 0.0f, 40.0f, 30.0f, 17.0f, 1};
  struct Case {
    const char* name;
    bool emptyBelowBuoy;  // else above it, with the column all submerged
    const char* message;
  };
  const Case cases[] = {
      // Already the first load of the table fails: HMIN, 0.052 of the net weight of 116 kips.
      // The members' buoyancies are their volumes times 0.064 kips per cubic foot.
      {"the table search (a column without a piercing member)", false,
       " ++> ITERATION OVERFLOW IN SALM1... CHECK DATA FILE AND RETRY\n"
       "     No column configuration was found at the table's first load, 6.03 kips\n"
       "     (table point 2): the column's shape at zero load does not continue to it.\n"
       "     The column's members (page 3, items 2 to 6 of their elements):\n"
       "     member 1 (element 2): length 100.00 feet, weight 20.00 kips,\n"
       "     buoyancy 32.00 kips,\n"
       "     member 2 (elements 3 to 4): length 45.00 feet, weight 80.00 kips,\n"
       "     buoyancy 224.00 kips,\n"
       "     member 3 (element 5): length 0.00 feet, weight 0.00 kips,\n"
       "     buoyancy 0.00 kips,\n"
       "     member 4 (element 6): length 60.00 feet, weight 40.00 kips,\n"
       "     buoyancy 0.00 kips.\n"},
      {"the piercing member's inner search", true,
       " ++> ITERATION OVERFLOW IN TOPHT... CHECK DATA FILE AND RETRY\n"
       "     Under the horizontal load 4.37 kips (table point 2) no attitude balances\n"
       "     the piercing member 3 (elements 4 to 5): length 45.00 feet,\n"
       "     weight 80.00 kips, buoyancy 224.00 kips, 224.00 kips of it up to the\n"
       "     piercing element 5 (page 2, item 6), with the waterplane\n"
       "     area 100.00 square feet (page 2, item 5) at the surface. Check its\n"
       "     elements' lengths, volumes, weights and their centres\n"
       "     (page 3, items 2 to 6) and the waterplane area.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::threeMemberSalm();
    if (c.emptyBelowBuoy) {
      testing_support::setElements({base, riser, empty, buoyBody, buoyTop, yoke});
      TPCM.IPIERC = 5;
    } else {
      testing_support::setElements({base, riser, buoyBody, buoyTop, empty, yoke});
      TPCM.IPIERC = 7;  // all submerged: no inner search
    }
    TempDir dir;
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus(STSALM), kExitFatal);
    EXPECT_TRUE(contains(console.screen(), std::string(" >>> Computing Salm offset tables...\n\n\n") + c.message +
                                               "\n\n Press <RETURN> to continue: "))
        << console.screen();
  }
}

TEST(Statics, BitsAreDealtLowestFirst) {
  std::int32_t pattern = 6;  // binary 110
  float sign[3];
  for (float& s : sign) BITSGN(s, pattern);
  EXPECT_EQ(sign[0], -1.0f);
  EXPECT_EQ(sign[1], 1.0f);
  EXPECT_EQ(sign[2], 1.0f);
  EXPECT_EQ(pattern, 0);
}

}  // namespace
}  // namespace qv

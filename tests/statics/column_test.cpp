// The column routines on the three-member column's buoy: the buoyancy of the surface-piercing
// member in its three chamber states against a quadrature over the waterplane disc cut by the tilted
// surface, and its continuity from one state to the next.
#include <gtest/gtest.h>

#include <cmath>

#include "hull/equilb.h"
#include "salm_fixtures.h"
#include "statics/column.h"
#include "statics/solve.h"
#include "statics/stsalm.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::IsClose;
using testing_support::TempDir;

void columnOfThreeMembers() {
  testing_support::threeMemberSalm();
  TempDir dir;
  ConsoleCapture console;
  STSALM();
}

// The buoy (45 ft, buoyancy 224 kips up to its top, waterplane 100 ft^2) with its lower joint at
// HIGHPT and the surface 40 ft above the lowest free joint. Expected values:
// statics_reference.py chamber_case(c, highpt): wet buoyancy, dry buoyancy, B b / L of the wet part.
TEST(Column, PiercingMemberBuoyancyInEachChamberState) {
  columnOfThreeMembers();
  struct Case {
    const char* state;
    float cot, highpt;
    float wet, dry, boymom;
  };
  const Case cases[] = {
      {"dry top, nearly upright", 20.0f, 0.0f, 192.3198f, 31.6802f, 93.86207f},
      {"dry top, tilted 14 degrees", 4.0f, -1.0f, 206.4757f, 17.52427f, 106.8427f},
      {"partly wet top", 2.0f, 0.0f, 219.2211f, 4.778865f, 118.6454f},
      {"wet top, under water", 2.0f, -8.0f, 224.0f, 0.0f, 122.6667f},
      {"wet top, beyond the horizontal", -3.0f, 0.0f, 224.0f, 0.0f, 122.6667f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    Solve& s = SOLVE;
    s.DEFF = 40.0f;
    s.HIGHPT = c.highpt;
    s.CUMWT = 5.0f;
    (void)COTANB(c.cot);
    EXPECT_TRUE(IsClose(s.WETVOL, c.wet, 1e-5));
    EXPECT_TRUE(IsClose(s.DRYVOL, c.dry, 1e-4, 1e-4));
    EXPECT_TRUE(IsClose(s.BOYMOM, c.boymom, 1e-5));
    EXPECT_TRUE(IsClose(s.CUMWT1, 5.0 - c.wet + 80.0, 1e-5));  // the buoy weighs 80 kips
    EXPECT_TRUE(IsClose(s.HWET, (40.0 - c.highpt) * std::sqrt(1.0 + 1.0 / (c.cot * c.cot)) * (c.cot < 0 ? -1 : 1), 1e-6));
  }
  // The dry length of a dry top is the buoyant length above the surface.
  SOLVE.HIGHPT = 0.0f;
  (void)COTANB(20.0f);
  EXPECT_TRUE(IsClose(SOLVE.HDRY, 45.0 - SOLVE.HWET, 1e-6));
}

TEST(Column, OffsetsAreTheHorizontalExtentsOfTheMembers) {
  columnOfThreeMembers();
  EXPECT_EQ(XCOORD(0, 3), 0.0f);
  for (int J = 1; J <= TPCM.NUMTAB; ++J) {
    double x = 0.0;
    for (int I = 1; I <= 3; ++I) x += SOLVE.CNLEN(I) * std::sin(SOLVE.PHIANG(J, I));
    EXPECT_TRUE(IsClose(XCOORD(3, J), x, 1e-5, 1e-4)) << J;
  }
  const float phi[] = {0.0f, 0.5f, 1.5707964f};
  float Z = 0.0f, X = 0.0f;
  XZJOIN(3, phi, Z, X);
  EXPECT_TRUE(IsClose(Z, 100.0 + 45.0 * std::cos(0.5), 1e-6, 1e-5));
  EXPECT_TRUE(IsClose(X, 45.0 * std::sin(0.5) + 60.0, 1e-6));
}

// The surface cuts the buoy's top disc over the axial band BOYLEN -+ RB / C of wetted lengths. At
// both ends of the band the dry wedge meets the neighbouring state: nothing dry at the upper end, the
// obliquely cut dry cylinder at the lower one. Its volume and its moment about the lower joint run
// on through both changes of state, within what a step of a ten-thousandth of a foot changes.
TEST(Column, PiercingMemberBuoyancyRunsOnThroughTheChangesOfState) {
  columnOfThreeMembers();
  Solve& s = SOLVE;
  s.DEFF = 40.0f;
  s.CUMWT = 0.0f;
  for (const float C : {0.8f, 2.0f, 6.0f}) {
    const double cosPhi = C / std::sqrt(1.0 + C * C);
    for (const double edge : {45.0 - s.RB / C, 45.0 + s.RB / C}) {
      SCOPED_TRACE(testing::Message() << "C " << C << ", wetted length " << edge);
      float volume[2], moment[2];
      for (int side = 0; side < 2; ++side) {
        const double wetted = edge + (side == 0 ? -1.0e-4 : 1.0e-4);
        s.HIGHPT = static_cast<float>(40.0 - wetted * cosPhi);
        (void)COTANB(C);
        volume[side] = s.WETVOL;
        moment[side] = s.BOYMOM;
      }
      EXPECT_TRUE(IsClose(volume[1], volume[0], 0.0, 0.005));
      EXPECT_TRUE(IsClose(moment[1], moment[0], 0.0, 0.005));
    }
  }
}

}  // namespace
}  // namespace qv

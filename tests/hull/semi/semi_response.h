// The response of a column-stabilised hull as the vessel-response drivers form it, for the tests that
// compare two descriptions of one hull (a member cut into pieces, a member entered from its other
// end): its square-law damping constants, linearised damping and response operators at a heading.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/simcom.h"
#include "support/checks.h"
#include "support/console_capture.h"

namespace qv::testing_support {

struct SemiResponse {
  float CQHV, CQPT, CQRL;
  float GAMHV, GAMPT, GAMRL;
  std::vector<Complex> rao[4];  // surge, heave, roll, pitch per period, at the heading
};

inline constexpr const char* kSemiRaoNames[] = {"surge", "heave", "roll", "pitch"};

// The hull model in the order the vessel-response drivers call it: CHR, FRC(0), then FRC(5) and RAO
// at the heading.
inline SemiResponse semiResponse(float headingDeg) {
  TPCM.NOWARN = 1;
  ConsoleCapture console("\n\n\n");
  SemiResponse r;
  std::int32_t flag = 0;
  hullCHR();
  hullFRC(flag);
  r.CQHV = SIMCOM.CQHV;
  r.CQPT = SIMCOM.CQPT;
  r.CQRL = SIMCOM.CQRL;
  r.GAMHV = SIMCOM.GAMHV;
  r.GAMPT = SIMCOM.GAMPT;
  r.GAMRL = SIMCOM.GAMRL;
  setHeading(headingDeg);
  flag = 5;
  hullFRC(flag);
  hullRAO();
  for (int i = 1; i <= TPCM.NWP; ++i) {
    r.rao[0].push_back(HIMEM.SGRAO(i));
    r.rao[1].push_back(HIMEM.HVRAO(i));
    r.rao[2].push_back(HIMEM.RLRAO(i));
    r.rao[3].push_back(HIMEM.PTRAO(i));
  }
  return r;
}

// How far `other`'s response lies from `one`'s: the damping constants and the linearised damping
// relative to `one`'s (the heave constant with 1e-6 absolute, where it may be 0), each response
// operator at every period relative to the largest of `one`'s over the periods (and within 1e-6,
// where it is 0 but for rounding: roll in head seas).
struct ResponseTolerance {
  double constants;  // square-law damping constants
  double damping;    // linearised damping ratios
  double rao;        // response operators, of the peak
};

inline void expectSameResponse(const SemiResponse& one, const SemiResponse& other, const ResponseTolerance& tol) {
  EXPECT_TRUE(IsClose(other.CQHV, one.CQHV, tol.constants, 1e-6));
  EXPECT_TRUE(IsClose(other.CQPT, one.CQPT, tol.constants));
  EXPECT_TRUE(IsClose(other.CQRL, one.CQRL, tol.constants));
  EXPECT_TRUE(IsClose(other.GAMHV, one.GAMHV, tol.damping));
  EXPECT_TRUE(IsClose(other.GAMPT, one.GAMPT, tol.damping));
  EXPECT_TRUE(IsClose(other.GAMRL, one.GAMRL, tol.damping));
  for (int k = 0; k < 4; ++k) {
    float peak = 0.0f;
    for (const Complex& v : one.rao[k]) peak = std::max(peak, std::abs(v));
    for (std::size_t i = 0; i < one.rao[k].size(); ++i) {
      ASSERT_TRUE(std::isfinite(std::abs(other.rao[k][i]))) << kSemiRaoNames[k] << " at period " << i + 1;
      EXPECT_LE(std::abs(other.rao[k][i] - one.rao[k][i]), static_cast<float>(tol.rao) * peak + 1e-6f)
          << kSemiRaoNames[k] << " at period " << i + 1 << ": " << other.rao[k][i] << " against " << one.rao[k][i];
    }
  }
}

}  // namespace qv::testing_support

// SEMRAO: a mode without restoring responds as a free body, the encounter frequency carries the
// forward speed, quasi-linear forces take no damping term here, and a denominator of exactly zero
// gives 0 by the hull rule instead of an infinity.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_fixture.h"
#include "hull/semi/simcom.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;

constexpr int kPoint = 10;  // 8.5 s

class Semrao : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::setFixtureSemi();
    SEMCHR();
    std::int32_t flag = 0;
    SEMFRC(flag);
  }
  // The forces of heading 0 at zero speed.
  void forces() {
    testing_support::setHeading(0.0f);
    std::int32_t flag = 5;
    SEMFRC(flag);
  }
};

TEST_F(Semrao, ModeWithoutRestoringIsAFreeBody) {
  forces();
  Himem& h = HIMEM;
  const Complex heave = h.HVRAO(kPoint);
  const Complex pitch = h.PTRAO(kPoint);
  h.WH = 0.0f;
  h.WP = 0.0f;
  SEMRAO();
  const double w = h.RLDUM(h.LCNW + kPoint - 1);
  const double k = h.RLDUM(h.LCNWK + kPoint - 1);
  const double GD = 9.8 / std::cbrt(static_cast<double>(h.DELTA));
  const std::complex<double> freeHeave = -std::complex<double>(heave) * GD / (w * w);
  const std::complex<double> freePitch = -std::complex<double>(pitch) * k * GD / (w * w);
  EXPECT_TRUE(IsClose(std::abs(std::complex<double>(h.HVRAO(kPoint)) - freeHeave), 0.0, 0.0, 1e-5 * std::abs(freeHeave)));
  EXPECT_TRUE(IsClose(std::abs(std::complex<double>(h.PTRAO(kPoint)) - freePitch), 0.0, 0.0, 1e-5 * std::abs(freePitch)));
}

TEST_F(Semrao, EncounterFrequencyAndItsZero) {
  // Following seas at 2 m/s on a point where w = 1 rad/s and k = 0.5 /m: the wave overtakes the hull
  // at its own speed, the encounter frequency is 0 and surge, sway and yaw have no finite response.
  forces();
  Himem& h = HIMEM;
  TPCM.VFWD = 2.0f;
  h.RLDUM(h.LCNW + kPoint - 1) = 1.0f;
  h.RLDUM(h.LCNWK + kPoint - 1) = 0.5f;
  const Complex heave = h.HVRAO(kPoint);
  ConsoleCapture console;
  SEMRAO();
  EXPECT_EQ(h.SGRAO(kPoint), Complex(0.0f, 0.0f));
  EXPECT_EQ(h.SWRAO(kPoint), Complex(0.0f, 0.0f));
  EXPECT_EQ(h.YWRAO(kPoint), Complex(0.0f, 0.0f));
  // Heave keeps its restoring: the static response W^2 F / W^2.
  EXPECT_TRUE(IsClose(std::abs(h.HVRAO(kPoint) - heave), 0.0, 0.0, 1e-6 * std::abs(heave)));
  EXPECT_EQ(console.screen(),
            " ++> Warning: wave period   8.50 s, semi-submersible hull, surge:\n"
            "     the RAO denominator is zero;\n"
            "     the RAO is set to 0 wherever this occurs (warned once per run).\n");
  for (int i = 1; i <= TPCM.NWP; ++i) EXPECT_TRUE(std::isfinite(std::abs(h.SGRAO(i)))) << i;
}

TEST_F(Semrao, QuasiLinearForcesTakeOnlyTheUsersDamping) {
  // The heave natural frequency put exactly on a grid frequency: with quasi-linear forces and no user
  // damping the denominator there is exactly zero (RAO 0 by the hull rule); with the user's damping,
  // or with the calibrated damping of the other force models, the response is finite and large.
  struct Case {
    std::int32_t SQLFRC, LHVDMP;
    bool zero;
  };
  const Case cases[] = {{1, 0, true}, {1, 1, false}, {0, 0, false}, {2, 0, false}};
  for (const Case& c : cases) {
    raoGuardState.reset();
    TPCM.SQLFRC = 0;  // the stored forces are the same for each case
    forces();
    Himem& h = HIMEM;
    h.WH = h.RLDUM(h.LCNW + kPoint - 1);
    TPCM.SQLFRC = c.SQLFRC;
    TPCM.LHVDMP = c.LHVDMP;
    SIMCOM.GAMHV = 0.2f;
    const Complex force = h.HVRAO(kPoint);
    ConsoleCapture console;
    SEMRAO();
    if (c.zero) {
      EXPECT_EQ(h.HVRAO(kPoint), Complex(0.0f, 0.0f));
      EXPECT_TRUE(contains(console.screen(), "heave:\n     the RAO denominator is zero")) << console.screen();
    } else {
      // W^2 F / (i 0.2 W W) = -i F / 0.2.
      EXPECT_TRUE(IsClose(std::abs(h.HVRAO(kPoint)), std::abs(force) / 0.2, 1e-5)) << c.SQLFRC << c.LHVDMP;
      EXPECT_EQ(console.screen(), "");
    }
  }
}

}  // namespace
}  // namespace qv

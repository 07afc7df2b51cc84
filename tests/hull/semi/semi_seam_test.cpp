// The semi-submersible behind the hull seam, in the order the vessel-response drivers call it: pass 1
// (CHR, FRC(0), the pages), pass 2 per heading (FRC(5), RAO), and the reruns of the SALM interface
// (CHR, FRC(0), FRC(5), RAO), which ask nothing a second time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/semi/semi_fixture.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/files.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::readFileText;
using testing_support::TempDir;

class SemiSeam : public testing_support::FreshRun {};

TEST_F(SemiSeam, RunsInTheDriversOrder) {
  testing_support::setFixtureSemi();
  TPCM.VESTYP = 4;  // the semi-submersible whatever VESTYP holds after the ship and the jack-up
  TPCM.SQLFRC = 1;
  TPCM.TLWL = TPCM.TBWL = 70.0f;  // the waterline notice, asked once
  ASSERT_EQ(selectHull(), HullKind::kSemi);
  TempDir dir;
  TPCM.IUNIT = 1;
  RHOPEN("SUMMARY.stxt", 1, 0, 0, 1, "TEST", 6, 0);
  ConsoleCapture console("\n");
  std::int32_t flag = 0;
  hullCHR();
  hullFRC(flag);
  EXPECT_EQ(flag, 2);
  hullSUM();
  hullOUT();
  HCLOSE(1, "SUMMARY.stxt", "TEST", 6);
  const std::string pages = readFileText("SUMMARY.stxt");
  EXPECT_TRUE(contains(pages, "I.  PHYSICAL CHARACTERISTICS SUMMARY (AS ESTIMATED)"));
  EXPECT_TRUE(contains(pages, "II.  UNMOORED VESSEL MOTION CHARACTERISTICS"));

  for (float headingDeg : {0.0f, 90.0f}) {
    testing_support::setHeading(headingDeg);
    flag = 5;
    hullFRC(flag);
    hullRAO();
    for (int i = 1; i <= TPCM.NWP; ++i) {
      for (const Complex& v : {HIMEM.SGRAO(i), HIMEM.HVRAO(i), HIMEM.PTRAO(i), HIMEM.RLRAO(i)}) {
        EXPECT_TRUE(std::isfinite(std::abs(v))) << headingDeg << " " << i;
      }
    }
  }
  // Beam seas: no surge and no pitch of a hull symmetric fore and aft; a sway response.
  EXPECT_LT(std::abs(HIMEM.SGRAO(20)), 1e-4f * std::abs(HIMEM.SWRAO(20)));
  // The SALM interface's rerun at a changed draft: nothing asked again.
  TPCM.TDRAFT = 21.0f;
  hullCHR();
  flag = 0;
  hullFRC(flag);
  flag = 5;
  hullFRC(flag);
  hullRAO();
  EXPECT_EQ(HIMEM.EDRAFT, 21.0f);
  const std::string screen = console.screen();
  EXPECT_EQ(screen.find("Notice"), screen.rfind("Notice"));
  EXPECT_TRUE(contains(screen, " ++> Notice: Summed water-piercing member waterlines differ from LWL, BWL..."));
  EXPECT_EQ(console.unread(), "");
}

}  // namespace
}  // namespace qv

// The mean loads on the moored vessel at a trial heading (NETFOR, TORQUE, TORQUE2) and the heading
// lines of the reports (HEADRS).
#include "lowfreq/net_loads.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;

constexpr float kDegPerRad = 57.2957764f;

class HeadingLines : public testing_support::FreshRun {};

TEST_F(HeadingLines, AnglesTurnedIntoDegreesKeepTheirSign) {
  ConsoleCapture console;
  // -0.5 rad is -28.65 deg; 7 rad is 401.07 deg, reduced by 360 to 41.07 deg.
  HEADRS(180.0f, 7.0f, -0.5f, kDegPerRad, kScreenUnit);
  const std::string indent(27, ' ');
  EXPECT_EQ(console.screen(), indent + "WAVE HEADING   =  180.0 DEG\n" +  //
                                  indent + "SALM HEADING   =   41.1 DEG\n" +  //
                                  indent + "VESSEL HEADING =  -28.6 DEG \n" +  //
                                  "\n");
}

TEST_F(HeadingLines, TheWaveHeadingIsWrittenAsGiven) {
  ConsoleCapture console;
  HEADRS(-725.3f, -7.0f, 1.0f, kDegPerRad, kScreenUnit);
  const std::string screen = console.screen();
  EXPECT_NE(screen.find("WAVE HEADING   = -725.3 DEG\n"), std::string::npos) << screen;  // not reduced
  EXPECT_NE(screen.find("SALM HEADING   =  -41.1 DEG\n"), std::string::npos) << screen;  // -401.07 less -360
  EXPECT_NE(screen.find("VESSEL HEADING =   57.3 DEG \n"), std::string::npos) << screen;
}

}  // namespace
}  // namespace qv

// The README's section on the user's files held against the real runner, on the metric tanker
// example: the mean drift of "DRFTCOFS.txt" is the formula the README gives, a heading table keeps
// within the range the README gives, and a missing "USERRAOS.txt" is named with the items that ask
// for it, its stand-in offered only where it is taken (at the console, not in an unattended run).
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/report_values.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::IsClose;
using testing_support::numberAfter;
using testing_support::withWord;

// The float of the data set's member at byte `offset`.
float member(const std::string& image, std::size_t offset) {
  return e2e::floatWord(image, static_cast<int>(offset / 4) + 1);
}

// The pair of numbers "(x, y)" of the low-frequency report's line that starts with `label`.
std::vector<double> pairAfter(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) return {};
  std::istringstream in(text.substr(at + label.size()));
  double x = NAN, y = NAN;
  char comma = ' ';
  in >> x >> comma >> y;
  return {x, y};
}

// Constant coefficients, Cx = -1 and Cy = 0.5, at every frequency and heading: the README's mean
// drift of the sea, w B m0 Cx along the vessel and w L m0 Cy across it, with w the example's water
// (1025.18 kgf/m^3, 1.02518 t/m^3), B and L its waterline beam and length (47.23 and 270.95 m) and
// m0 the area under the sea's spectrum, (Hs / 4)^2 of the height the report gives. The report prints
// Hs to 0.01 m and the forces to 0.1 t: they hold the formula within half a percent. (Read as forces
// per square metre, as the README once had them, the coefficients would give about a fiftieth and a
// three-hundredth of these.)
TEST(UserFileRulesE2e, TheDriftOfConstantCoefficientsIsTheReadmeFormula) {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, LWVCOF), std::int32_t{0x111});
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  folder.writeFile("DRFTCOFS.txt", "2 2\n0\n0.05 -1 0.5 0\n10 -1 0.5 0\n360\n0.05 -1 0.5 0\n10 -1 0.5 0\n");
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string lowout = folder.readFile("LOWOUT.stxt");
  const double w = member(image, offsetof(Tpcm, DWATR)) / 1000.0;
  const double B = member(image, offsetof(Tpcm, BWL));
  const double L = member(image, offsetof(Tpcm, LWL));
  const double Hs = numberAfter(lowout, "WAVE CONDITIONS", "Computed significant wave height ...");
  const double m0 = (Hs / 4.0) * (Hs / 4.0);
  const std::vector<double> force = pairAfter(lowout, "Static   wave  force components (x,y): (");
  ASSERT_EQ(force.size(), 2u) << lowout;
  EXPECT_TRUE(IsClose(force[0], w * B * m0 * -1.0, 0.005));
  EXPECT_TRUE(IsClose(force[1], w * L * m0 * 0.5, 0.005));
}

// Headings lie within a turn either way of 0: the README's table labelled 90 to 450 (the example's
// wind read from "WINDCOFS.txt", a row every 10 deg) stops the run at its heading 370, on line 30,
// naming the range -360 to 360 it must keep to.
TEST(UserFileRulesE2e, AHeadingTableBeyondATurnFromZeroStopsNamingTheRange) {
  std::string table = "37\n";
  for (int heading = 90; heading <= 450; heading += 10) table += std::to_string(heading) + " 0.5 0.5 0\n";
  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, LWBARG), std::int32_t{0x222}));
  folder.writeFile("WINDCOFS.txt", table);
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  for (const char* part : {"\"WINDCOFS.txt\", line 30,", "is 370.00;", "from -360.00 to 360.00"}) {
    EXPECT_TRUE(contains(run.err, part)) << part << "\n" << run.err;
  }
}

// "Utilize user-supplied vessel RAO data" at Yes and no "USERRAOS.txt": both roads name the file,
// the page and item that ask for it and what to change. Unattended the run stops there and says
// nothing of operators it does not take; at the console it offers them, and going on takes them.
TEST(UserFileRulesE2e, AMissingUserRaoFileIsNamedWithItsItemsAndItsStandInOnlyWhereTaken) {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, AUXVSH), std::int32_t{1});
  const std::string named =
      " ++> Warning: User-supplied vessel RAOs \"USERRAOS.txt\" not found;\n"
      "     page 6, item 13 (also page 18, item 9) asks for them: set it to No there,\n"
      "     or put the file in the data set's folder.\n";

  e2e::Folder unattended;
  unattended.writeFile("SALMDAT", image);
  e2e::Run run = unattended.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.starts_with(named + " ++> The run stops here, in USRRAO.")) << run.err;
  EXPECT_FALSE(contains(run.err, "unity")) << run.err;
  EXPECT_FALSE(unattended.exists("LOWOUT.stxt"));

  e2e::Folder console;
  console.writeFile("SALMDAT", image);
  run = console.runAnalysis({"--interactive"}, std::string(20, '\n'));
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, named + "     Continue, and the run takes dimensionless RAOs of unity in its place.\n"
                                        "\n\a\n Enter \"A\" to abort or Press <RETURN> to continue: "))
      << run.out;
  EXPECT_TRUE(console.exists("LOWOUT.stxt"));
}

}  // namespace
}  // namespace qv

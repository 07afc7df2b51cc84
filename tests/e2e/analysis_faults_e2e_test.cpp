// The analysis runner on the examples with one word of the data set changed to what a reliability
// audit found the stages could not take: a value of zero or of an extreme size where a stage divides
// or integrates, an offset step that would write a report without end, values that are not numbers,
// counts outside their tables. Each run ends by itself with status 1 and a message that names the
// value (on standard error and in "Diagnostics.stxt"), and no file holds a value that is not a
// number or infinite. A run that did not end would fail at the harness's time limit.
#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "e2e/within_console.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/lowdat_tables.h"

namespace qv {
namespace {

using e2e::expectWithinTheConsole;
using testing_support::contains;
using testing_support::example;
using testing_support::withWord;
using namespace std::chrono_literals;

// Whether a report or plot file holds a field that is not a number or infinite.
bool holdsNonFinite(const std::string& text) {
  for (const char* word : {" NaN", "-NaN", " Inf", "-Inf"})
    if (contains(text, word)) return true;
  return text.rfind("NaN", 0) == 0 || text.rfind("Inf", 0) == 0;
}

// Every report and plot file of the folder holds numbers only; `what` names the run in a failure.
void expectFiniteReports(const e2e::Folder& folder, const std::string& what) {
  for (const std::string& name : folder.files()) {
    const std::filesystem::path file(name);
    if (file.extension() != ".stxt" && file.extension() != ".plt") continue;
    EXPECT_FALSE(holdsNonFinite(folder.readFile(name))) << what << ": " << name;
  }
}

// One word of the data set set to an integer or a float: the member at byte `offset` of TPCM.
struct Change {
  std::size_t offset;
  std::variant<std::int32_t, float> value;
};

std::string withChange(const std::string& image, const Change& change) {
  return std::visit([&](auto v) { return withWord(image, change.offset, v); }, change.value);
}

struct Case {
  const char* what;
  const char* example;
  std::vector<Change> changes;
  std::string message;  // the start of the message on standard error
};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(AnalysisFaultsE2e, EachFoundInputStopsWithItsMessage) {
  const Case cases[] = {
      // Hangs: the added-mass integral of a hull without a dimension took up to 10^9 points.
      {"no displacement", "tanker-yoke", {{offsetof(Tpcm, DISPL), 0.0f}},
       " ++> Fatal Warning: Vessel displacement (page 5, item 1) is 0.00;\n"
       "     the analysis needs a value above 0 and at most 209914.13 (the displacement\n"
       "     of a box of the waterline length, beam and draft, page 5, items 8 to 10).\n"},
      {"no draft", "tanker-yoke", {{offsetof(Tpcm, DRAFT), 0.0f}},
       " ++> Fatal Warning: Mean vessel draft (page 5, item 10) is 0.00;\n"},
      {"a negative metacentric height", "tanker-yoke", {{offsetof(Tpcm, TVKMT), -1.0f}},
       " ++> Fatal Warning: Transverse metacentric height (KMT) (page 5, item 2)\n"
       "     is -1.00;\n"},
      {"a vanishing longitudinal metacentric height", "tanker-yoke", {{offsetof(Tpcm, TVKML), 1e-30f}},
       " ++> Fatal Warning: Longitudinal metacentric height (KML) (page 5, item 3)\n"
       "     is 1.0000E-30;\n"
       "     the analysis needs a value from 8.27 (the center of buoyancy,\n"
       "     page 5, item 4) to 483.38 (the draft plus the inertia of the waterline's\n"
       "     rectangle over the displaced volume).\n"},
      // A point on the vessel lies within its length of midships: the attachment names the length.
      {"a vanishing waterline length", "tanker-yoke", {{offsetof(Tpcm, LWL), 1e-30f}},
       " ++> Fatal Warning: Yoke to waterline height at vessel (page 3, item 14 then 1)\n"
       "     is 12.00;\n"
       "     the analysis needs a value from -16.00 (the draft, page 5, item 10)\n"
       "     to 1.0000E-30 (the waterline length, page 5, item 8).\n"},
      {"a vanishing beam", "tanker-yoke", {{offsetof(Tpcm, BWL), 1e-30f}},
       " ++> Fatal Warning: Vessel displacement (page 5, item 1) is 171735.14;\n"
       "     the analysis needs a value above 0 and at most 4.4444E-27 (the displacement\n"
       "     of a box of the waterline length, beam and draft, page 5, items 8 to 10).\n"},
      {"a vanishing water density", "tanker-yoke", {{offsetof(Tpcm, DWATR), 1e-30f}},
       " ++> Fatal Warning: Water density (page 1, item 5) is 1.0000E-30;\n"
       "     the analysis needs a value from 950.00 to 1300.00.\n"},
      // Runaway output: an offset step far below the table's range.
      {"an offset step of 0.0001", "tanker-yoke", {{offsetof(Tpcm, OFFINC), 0.0001f}},
       " ++> STPRT: the offset increment for the static offset table\n"
       "     (page 2, item 3), 1.0000E-04 meters, gives 35"},
      {"an offset step of 1e-7", "tanker-yoke", {{offsetof(Tpcm, OFFINC), 1e-7f}}, " ++> STPRT: the offset increment"},
      // Out of bounds: values that are not numbers or infinite reached the searches.
      {"an element weight that is not a number", "tanker-yoke", {{offsetof(Tpcm, TMASS), kNaN}},
       " ++> Fatal Warning: Total dry weight of element (page 3, element 1, item 5) is\n"
       "     not a number;\n"},
      {"an infinite current factor", "tanker-yoke", {{offsetof(Tpcm, XCURNTDN), kInf}},
       " ++> Fatal Warning: Surge current factor XCURNTDN (word 1652 of the data set,\n"
       "     which no page shows) is infinite;\n"},
      {"a wave reflection factor that is not a number", "tanker-yoke", {{offsetof(Tpcm, WVFCX), kNaN}},
       " ++> Fatal Warning: Wave reflection HEAD-ON enhancement factor\n"
       "     (page 10, item 23) is not a number;\n"},
      // Undefined behaviour: counts at the integer's limit.
      {"NA at the integer's limit", "tanker-yoke", {{offsetof(Tpcm, NA), INT_MAX}},
       " ++> Fatal Warning: Number of angular wedges (page 15, item 23) is 2147483647;\n"
       "     the analysis needs a value from 0 to 36.\n"},
      {"NUNTS at the integer's limit", "tanker-yoke", {{offsetof(Tpcm, NUNTS), INT_MAX}},
       " ++> Fatal Warning: Unit system NUNTS (0 English, 1 metric) (page 1, item 3)\n"
       "     is 2147483647;\n"},
      // NaN reported as success.
      {"the metacentric heights swapped", "tanker-yoke",
       {{offsetof(Tpcm, TVKMT), 355.346f}, {offsetof(Tpcm, TVKML), 20.388f}},
       " ++> Fatal Warning: Transverse metacentric height (KMT) (page 5, item 2)\n"
       "     is 355.35;\n"
       "     the analysis needs a value from 8.27 (the center of buoyancy,\n"
       "     page 5, item 4) to 30.20 (the draft plus the inertia of the waterline's\n"
       "     rectangle over the displaced volume).\n"},
      {"a negative wave drift factor", "tanker-yoke", {{offsetof(Tpcm, VWDFAC), -1.0f}},
       " ++> Fatal Warning: Variable wave reflection enhancement factor\n"
       "     (page 10, item 26) is -1.00;\n"},
      // Messages that hid their cause.
      {"no peak period", "tanker-yoke", {{offsetof(Tpcm, SIGPD), 0.0f}},
       " ++> Fatal Warning: Spectrum peak period (page 15, item 7) is 0.00;\n"},
      {"ISPM outside its table", "tanker-yoke", {{offsetof(Tpcm, ISPM), 32767}},
       " ++> Fatal Warning: Vessel configuration ISPM (word 118 of the data set, which\n"
       "     no page shows) is 32767;\n"
       "     the analysis needs 1 for the wave-frequency dynamics (the yoke's motions in\n"
       "     YOKEMOT).\n"},
      {"the tanker on the yoke no more", "tanker-yoke", {{offsetof(Tpcm, ISPM), 0}},
       " ++> Fatal Warning: Vessel configuration ISPM (word 118 of the data set, which\n"
       "     no page shows) is 0;\n"
       "     the analysis needs 1 for the wave-frequency dynamics (the yoke's motions in\n"
       "     YOKEMOT).\n"},
      {"NUNTS 2", "tanker-yoke", {{offsetof(Tpcm, NUNTS), 2}},
       " ++> Fatal Warning: Unit system NUNTS (0 English, 1 metric) (page 1, item 3)\n"
       "     is 2;\n"},
      {"a free column's element length that is not a number", "free-salm", {{offsetof(Tpcm, SLEN), kNaN}},
       " ++> Fatal Warning: Element length (page 3, element 1, item 2) is not a number;\n"},
  };
  for (const Case& c : cases) {
    std::string image = example(c.example);
    for (const Change& change : c.changes) image = withChange(image, change);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.signal, 0) << c.what;
    EXPECT_EQ(run.status, 1) << c.what << "\n" << run.err;
    EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << c.what << "\n" << run.err;
    EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), c.message.substr(0, c.message.find('\n'))))
        << c.what;
    expectFiniteReports(folder, c.what);
    expectWithinTheConsole(folder, run, c.what);
    EXPECT_TRUE(folder.readFile("SALMDAT") == image) << c.what;
  }
}

// The stops that named nothing to change, each from one word of an example or one user file changed:
// every one ends with status 1 and says what decides it, with the page and item (or the file and its
// row) and the value, on standard error and in "Diagnostics.stxt".
struct UserFile {
  const char* name;
  std::string bytes;
};

// "LOWDAT" with the current table alone, Cz of row 3 (20 degrees) typed as -1e30.
std::string currentTableWithAHugeYawCoefficient() { return testing_support::currentTableWithRowThreeCz(-1.0e30f); }

// "DRFTCOFS.txt" of two frequencies, 0.1 and 5 rad/s, and 37 headings 0 to 360 degrees: surge
// 0.3 cos h, sway 0.5 sin h, yaw -0.02 sin 2h; at 200 degrees (the 21st block, its heading on line
// 62) the yaw at 0.1 rad/s is `yaw200` and the second frequency `frequency200`. With `lowest` for
// 0.1 the file starts at that frequency.
std::string driftFileAt200(double yaw200, double frequency200, double lowest = 0.1) {
  std::ostringstream out;
  out << "2 37\n";
  for (int j = 0; j <= 36; ++j) {
    const double h = 10.0 * j / 57.29577951308232;
    out << 10 * j << "\n";
    for (const double frequency : {lowest, 5.0}) {
      const double yaw = j == 20 && frequency == 0.1 ? yaw200 : -0.02 * std::sin(2.0 * h);
      out << (j == 20 && frequency == 5.0 ? frequency200 : frequency) << " " << 0.3 * std::cos(h) << " "
          << 0.5 * std::sin(h) << " " << yaw << "\n";
    }
  }
  return out.str();
}
// The yaw coefficient at 200 degrees and 0.1 rad/s typed as -1e30.
std::string driftFileWithAHugeYawCoefficient() { return driftFileAt200(-1.0e30, 5.0); }

TEST(AnalysisFaultsE2e, EachStopNamesTheDataBehindIt) {
  struct StopCase {
    const char* what;
    const char* example;
    std::vector<Change> changes;
    std::vector<UserFile> files;
    std::vector<std::string> lines;  // pieces of the message on standard error, the first its start
  };
  constexpr std::int32_t kTableModel = 0x111;  // the LOWDAT table (wind, current) or the user file (drift)
  const StopCase cases[] = {
      // Once an internal stop (no equilibrium could be ranked, and TANGLE(0) was indexed), then a
      // stop in the slow drift: the coefficient is refused naming its table, row and column before
      // any stage, or its file, line and column (the heading of 200 degrees is the 21st block, whose
      // heading stands on line 62) as the file is read.
      {"a LOWDAT current coefficient of -1e30", "tanker-yoke", {{offsetof(Tpcm, LCBARG), kTableModel}},
       {{"LOWDAT", currentTableWithAHugeYawCoefficient()}},
       {" ++> Fatal Warning: LOWDAT current table, row 3, Cz (page 8, item 15 then 3)\n"
        "     is -1.0000E+30;\n"
        "     the analysis needs a value from -100.00 to 100.00 (ten times a hull's\n"
        "     largest coefficients).\n"}},
      {"a drift coefficient of -1e30 in DRFTCOFS.txt", "tanker-yoke", {{offsetof(Tpcm, LWVCOF), kTableModel}},
       {{"DRFTCOFS.txt", driftFileWithAHugeYawCoefficient()}},
       {" ++> User file \"DRFTCOFS.txt\", line 63, column 4 (the yaw coefficient)\n"
        "     is -1.0000E+30;\n"
        "     the analysis needs a value from -100.00 to 100.00 (a hundred is no hull's\n"
        "     drift coefficient).\n"}},
      // Every heading block's frequencies are bounded as the first block's are.
      {"a frequency of 70 rad/s in a later heading block of DRFTCOFS.txt", "tanker-yoke",
       {{offsetof(Tpcm, LWVCOF), kTableModel}},
       {{"DRFTCOFS.txt", driftFileAt200(-0.02 * std::sin(40.0 / 57.29577951308232), 70.0)}},
       {" ++> User file \"DRFTCOFS.txt\", line 64, column 1 (a frequency) is 70.00;\n"
        "     the analysis needs a value from 0.00 to 62.83 (rad/s: waves of 0.1 s and\n"
        "     longer).\n"}},
      // The grid's longest waves (24 s, 0.26 rad/s) below the file's lowest frequency: a run at the
      // console asks whether to extrapolate; an unattended one cannot, and says that it stops there.
      {"a DRFTCOFS.txt from 0.5 rad/s", "tanker-yoke", {{offsetof(Tpcm, LWVCOF), kTableModel}},
       {{"DRFTCOFS.txt", driftFileAt200(-0.02 * std::sin(40.0 / 57.29577951308232), 5.0, 0.5)}},
       {" ++> Warning: Frequency outside user-supplied drift coefficient range:\n"
        "     \"DRFTCOFS.txt\" holds 0.50 to 5.00 rad/s; the run needs 0.48 rad/s here,\n"
        "     and 0.26 to 1.57 rad/s over its wave periods (page 14, item 2). Extend the\n"
        "     table over the run's frequencies, or choose wave periods within its range;\n"
        "     \"continue\" to extrapolate outside available range.\n"
        " ++> The run stops here, in ",
        ". An unattended run does not go on past the\n"
        "     message above (a run with --interactive asks whether to, where the message\n"
        "     offers it): change what the message names and run again.\n"}},
      // The tanker's mean load of some 70 t against a table that ends at 60 t.
      {"a maximum table load below the run's loads", "tanker-yoke", {{offsetof(Tpcm, TLOAD), 60.0f}}, {},
       {" ++> WARNING; a static load exceeds the maximum table value\n     At the vessel heading ",
        "beyond the load-offset table's last load\n     of 60.00 metric tons.\n"
        "     The run stops: an unattended run does not extrapolate its offset from the\n"
        "     table's last interval.",
        "Raise the maximum horizontal load on Salm\n"
        "     (page 2, item 2), now 60.00 metric tons, above the loads of the run.\n"}},
      // Member 1 (93 + 14 m) and the buoy (30 m) standing up reach 137 m, 37 m above the surface.
      {"a piercing member a longer element lifts out of the water", "tanker-yoke",
       {{offsetof(Tpcm, SLEN), 93.0f}}, {},
       {" ++> WARNING: piercing member might not cross water surface.\n",
        "which holds the piercing\n"
        "     element 3 (page 2, item 6), stands 37.00 meters above the water surface;\n"
        "     the water depth is 100.00 meters (page 1, item 4).\n",
        "     The members up to it: member 1 (elements 1 to 2) 107.00 meters, member 2\n"
        "     (element 3) 30.00 meters long"}},
      // The top must reach 100 + 60 m; the elements are 62, 14, 30 and 30 m long: refused before any
      // stage, with the statics' advice.
      {"a yoke above what the column reaches", "tanker-yoke", {{offsetof(Tpcm, YOKEHT), 60.0f}}, {},
       {" ++> Fatal Warning: The Salm column cannot reach the vessel's attachment. Its\n"
        "     top must stand 160.00 meters above its lowest free joint: the water\n"
        "     depth 100.00 meters (page 1, item 4) plus the yoke's height above the\n"
        "     waterline 60.00 meters (page 3, item 14 then 1).\n",
        "     member 1 (elements 1 to 2) 76.00 meters, member 2 (element 3) 30.00 meters,\n"
        "     member 3 (element 4) 30.00 meters long, together 136.00 meters.\n"
        "     Change the element lengths (page 3, item 2), the water depth or the\n"
        "     attachment's height.\n"}},
      // The buoy stands in the water below it: its top 4 m under the surface.
      {"a water depth of 110 m", "tanker-yoke", {{offsetof(Tpcm, DEPTH), 110.0f}}, {},
       {" ++> WARNING: piercing member might not cross water surface.\n",
        "     element 3 (page 2, item 6), stands 4.00 meters below the water surface; the\n"
        "     water depth is 110.00 meters (page 1, item 4).\n"}},
      // The buoy (and the tube below it) standing upright with too little of it under water fall over
      // under the least load (column_stance_test.cpp): the column stands from 91.34 m of water on.
      {"a water depth of 80 m", "tanker-yoke", {{offsetof(Tpcm, DEPTH), 80.0f}}, {},
       {" ++> SALM statics: the column cannot stand as the statics place it at zero load:\n"
        "     member 1 (elements 1 to 2) stands straight up,\n",
        "     member 2 (element 3) stands straight up with 4.00 meters of it under water,\n",
        "     As placed, the column stands from a water depth of 91.34 meters on\n"
        "     (now 80.00 meters, page 1,"}},
      {"a water depth of 90 m", "tanker-yoke", {{offsetof(Tpcm, DEPTH), 90.0f}}, {},
       {" ++> SALM statics: the column cannot stand as the statics place it at zero load:\n"
        "     member 2 (element 3) stands straight up\n"
        "     with 14.00 meters of it under water,\n",
        "     As placed, the column stands from a water depth of 91.34 meters on\n"
        "     (now 90.00 meters, page 1,"}},
      {"a tube (element 1) 77.5 m long", "tanker-yoke", {{offsetof(Tpcm, SLEN), 77.5f}}, {},
       {" ++> SALM statics: the column cannot stand as the statics place it at zero load:\n"
        "     member 2 (element 3) stands straight up with 8.50 meters of it under water,\n",
        "     As placed, the column stands from a water depth of 106.84 meters on\n"
        "     (now 100.00 meters, page 1,"}},
      {"a buoy (element 3) of half its volume", "tanker-yoke", {{offsetof(Tpcm, BUOY) + 8, 954.25f}}, {},
       {" ++> SALM statics: the column cannot stand as the statics place it at zero load:\n"
        "     member 2 (element 3) stands straight up\n"
        "     with 24.00 meters of it under water,\n",
        "     As placed, the column stands from a water depth of 102.18 meters on\n"
        "     (now 100.00 meters, page 1,"}},
      {"a free joint at the buoyancy tank", "tanker-yoke", {{offsetof(Tpcm, IFREE) + 4, std::int32_t{1}}}, {},
       {" ++> Fatal Warning: The wave-frequency dynamics of a \"Yoke\" take at\n"
        "     most 3 Salm members; the elements form 4, one from each free joint\n"
        "     (page 3, item 7 of an element). Freeze a joint, choose another attachment\n"
        "     (page 3, item 13 of the last element) or switch the dynamics off\n"}},
      // Half the buoy's volume: the weights of 150 t at 40 m and 250 t at 13 m are no longer righted.
      {"a free column's buoy of half its volume", "free-salm", {{offsetof(Tpcm, BUOY) + 4, 424.1f}}, {},
       {" ++> Free Salm has no stable upright mode; check buoyancy and weights\n"
        "     Upright, above each member's lower joint:\n"
        "     member 1 (element 1): weight 150.00 metric tons at 40.00 meters,\n"
        "     buoyancy ",
        "     member 2 (element 2): weight 250.00 metric tons at 13.00 meters,\n"
        "     buoyancy ",
        "     Check the element volumes, weights and their centres\n"
        "     (page 3, items 3 to 6).\n"}},
  };
  for (const StopCase& c : cases) {
    std::string image = example(c.example);
    for (const Change& change : c.changes) image = withChange(image, change);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    for (const UserFile& file : c.files) folder.writeFile(file.name, file.bytes);
    const e2e::Run run = folder.runAnalysis({}, "", 10s);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, 1) << c.what << "\n" << run.err;
    EXPECT_EQ(run.err.rfind(c.lines.front(), 0), 0u) << c.what << "\n" << run.err;
    for (const std::string& line : c.lines) EXPECT_TRUE(contains(run.err, line)) << c.what << "\n" << line << "\n" << run.err;
    EXPECT_FALSE(contains(run.err, "report this message")) << c.what;
    const std::string first = c.lines.front().substr(0, c.lines.front().find('\n'));
    EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), first)) << c.what;
    expectFiniteReports(folder, c.what);
    expectWithinTheConsole(folder, run, c.what);
  }
}

// The debug run asks for the scan's intervals: a reply beyond the 360 of a degree each, which would
// keep the scan busy for many minutes, is refused and asked again; the end of the input then ends the
// run with status 2, and a sound reply lets it go on to its end.
TEST(AnalysisFaultsE2e, TheDebugRunsReplyForTheScanIsBounded) {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, NBUG0), std::int32_t{1});
  // The debug levels of the vessel response and the statics, then the slow drift's level 1.
  const std::string toTheScan = "\n\n1\n";
  const std::string refused = "Input NPHI (0 keeps 11):  ++> Out of range: enter a value from 0 to 360.\n"
                              " Input NPHI (0 keeps 11): ";
  {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis({"--interactive"}, toTheScan + "852002379\n", 10s);
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 2) << run.out;
    EXPECT_TRUE(contains(run.out, refused)) << run.out;
  }
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run run =
      folder.runAnalysis({"--interactive"}, toTheScan + "852002379\n12\n" + std::string(200, '\n'), 30s);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, refused + " >>> Computing low-frequency dynamics...")) << run.out;
  EXPECT_TRUE(folder.exists("RANOUT.stxt"));
}

// Whether a line of a report shows asterisks where a number belongs: a run of them that is neither
// the frame of a title (the first and last words of a line that begins and ends with asterisks, the
// program's welcome box, a page header) nor a part of a word.
bool showsFilledField(std::string_view line) {
  if (contains(line, "Welcome to Quorvel")) return false;
  const std::size_t first = line.find_first_not_of(' ');
  const std::size_t last = line.find_last_not_of(' ');
  if (first == std::string_view::npos) return false;
  const bool framed = line[first] == '*' && line[last] == '*';
  for (std::size_t at = line.find('*'); at != std::string_view::npos; at = line.find('*', at)) {
    std::size_t end = line.find_first_not_of('*', at);
    if (end == std::string_view::npos) end = line.size();
    const bool frame = framed && (at == first || end == last + 1);
    const char before = at > 0 ? line[at - 1] : ' ';
    const char after = end < line.size() ? line[end] : ' ';
    const auto letter = [](char ch) { return std::isalpha(static_cast<unsigned char>(ch)) != 0; };
    const bool inWord = letter(before) || letter(after);
    const bool single = end - at == 1 && before != ' ' && before != '=';
    if (!frame && !inWord && !single && line.substr(at, 10) != "****  Page") return true;
    at = end;
  }
  return false;
}

// The reports, plot tables and messages of a folder that show asterisks in place of a number, one
// "file: line" each.
std::string filledFields(const e2e::Folder& folder) {
  std::string found;
  for (const std::string& name : folder.files()) {
    const std::filesystem::path file(name);
    if (file.extension() != ".stxt" && file.extension() != ".plt") continue;
    const std::string text = folder.readFile(name);
    for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
      end = text.find('\n', at);
      if (end == std::string::npos) end = text.size();
      const std::string_view line(text.data() + at, end - at);
      if (showsFilledField(line)) found += name + ": " + std::string(line) + "\n";
    }
  }
  return found;
}

// The inputs of the reliability campaign that passed as results or stopped inside a stage, one word
// changed from an example: a finite but absurd value (a slip of units, a heading of 1e30), a report
// switch outside 0 and 1, a spectrum type without the parameters its branch needs or beyond the
// types, a vanishing peak period, the inoperative jack-up. Each now stops before any stage with a
// message that names the value, its page and item and what is allowed; values at the edge of what
// is allowed run to their end with every number printed.
TEST(AnalysisFaultsE2e, AbsurdValuesStopNamingTheirDataAndSoundOnesPrintEveryNumber) {
  // An empty message: the run ends with status 0.
  const Case cases[] = {
      {"a centroid of 31,000 on the free column's 80 m member", "free-salm", {{offsetof(Tpcm, CBUOY), 31000.0f}},
       " ++> Fatal Warning: Centroid of volume (page 3, element 1, item 4) is 31000.00;\n"
       "     the analysis needs a value from 0.00 to 80.00 (the element's\n"
       "     length, item 2).\n"},
      {"a regular wave 1e7 m high", "tanker-yoke", {{offsetof(Tpcm, SLPHT), 1e7f}},
       " ++> Fatal Warning: Wave height or slope (page 14, item 4) is 1.0000E+07;\n"
       "     the analysis needs a height from 0.00 to 78.00 (0.78 of the water depth,\n"
       "     page 1, item 4: a higher wave breaks on the sea bed).\n"},
      {"a default added-mass coefficient of 1e7", "tanker-yoke", {{offsetof(Tpcm, COFMAS), 1e7f}},
       " ++> Fatal Warning: Default added mass coefficient (page 2, item 7)\n"
       "     is 1.0000E+07;\n"
       "     the analysis needs a value from 0.00 to 5.00.\n"},
      {"a sea heading of 1e30", "tanker-yoke", {{offsetof(Tpcm, SEAHDG), 1e30f}},
       " ++> Fatal Warning: Wave heading (page 15, item 4) is 1.0000E+30;\n"
       "     the analysis needs a value from -360.00 to 360.00 (degrees).\n"},
      {"a sea heading of -1e30 at the free column", "free-salm", {{offsetof(Tpcm, SEAHDG), -1e30f}},
       " ++> Fatal Warning: Wave heading (page 15, item 4) is -1.0000E+30;\n"},
      {"a regular-wave heading of 1e30", "tanker-yoke", {{offsetof(Tpcm, WAVHDG), 1e30f}},
       " ++> Fatal Warning: Wave heading (page 14, item 6) is 1.0000E+30;\n"},
      {"an element's gyradius of 31,000", "tanker-yoke", {{offsetof(Tpcm, GYRAD), 31000.0f}},
       " ++> Fatal Warning: Gyradius of element (page 3, element 1, item 8) is 31000.00;\n"
       "     the analysis needs a value from 0.00 to 62.00 (the element's length or the\n"
       "     diameter of its volume).\n"},
      {"the principal-direction reports switched by 257", "tanker-yoke", {{offsetof(Tpcm, PRNRAO), 257}},
       " ++> Fatal Warning: Output RAOs for principal wave directions (page 18, item 3)\n"
       "     is 257;\n"
       "     the analysis needs a value from 0 to 1.\n"},
      {"the intermediate-angle reports switched by 257", "tanker-yoke", {{offsetof(Tpcm, ALLRAO), 257}},
       " ++> Fatal Warning: Output RAOs at all intermediate angles (page 18, item 4)\n"
       "     is 257;\n"},
      {"the intermediate-angle reports of the free column switched by -1", "free-salm", {{offsetof(Tpcm, ALLRAO), -1}},
       " ++> Fatal Warning: Output RAOs at all intermediate angles (page 18, item 4)\n"
       "     is -1;\n"},
      {"the TMA sea without its JONSWAP parameters", "tanker-yoke", {{offsetof(Tpcm, WAVTYP), 10}},
       " ++> Fatal Warning: JONSWAP \"Gamma\" Parameter (page 15, item 8) is 0.00;\n"
       "     the analysis needs a value from 1.00 to 20.00.\n"},
      {"the Ochi-Hubble sea without its components", "tanker-yoke", {{offsetof(Tpcm, WAVTYP), 9}},
       " ++> Fatal Warning: Significant height 2 (page 15, item 6) is 0.00;\n"
       "     the analysis needs a value above 0 and at most 100.00 (the water depth,\n"
       "     page 1, item 4).\n"},
      {"a wave type past the list", "tanker-yoke", {{offsetof(Tpcm, WAVTYP), 11}},
       " ++> Fatal Warning: Wave type (the list's number less 1) (page 15, item 2)\n"
       "     is 11;\n"
       "     the analysis needs a value from 0 to 10.\n"},
      {"a peak period of 1e-30 s", "tanker-yoke", {{offsetof(Tpcm, SIGPD), 1e-30f}},
       " ++> Fatal Warning: Spectrum peak period (page 15, item 7) is 1.0000E-30;\n"
       "     the analysis needs a value from 0.10 to 999.99 (seconds).\n"},
      {"the jack-up", "tanker-yoke", {{offsetof(Tpcm, VESTYP), 2}},
       " ++> Fatal Warning: Vessel type for simulation (page 5, item 11) is 2;\n"
       "     the analysis needs 1, 3, 4, 5 or 6 (2, the jack-up, has no working hull\n"
       "     model).\n"},
      // A version word beyond any version is a later version's to the load, which the run refuses
      // (naming the word in full, never as asterisks).
      {"a damaged version word", "tanker-yoke", {{offsetof(Tpcm, VERNO), 1e7f}},
       " ++> Version mismatch: Data (version 1.0000E+07) POSTDATES simulation\n"
       "     (version  6.80)\n"},
      // Values at the edge of what is allowed.
      // It breaks at the grid's short periods: a warning, and the run goes on.
      {"a regular wave of 0.78 of the water depth", "tanker-yoke", {{offsetof(Tpcm, SLPHT), 78.0f}}, ""},
      {"a sea heading of a whole turn", "tanker-yoke", {{offsetof(Tpcm, SEAHDG), -360.0f}}, ""},
      {"an element's gyradius of its length", "tanker-yoke", {{offsetof(Tpcm, GYRAD), 62.0f}}, ""},
      {"an added-mass coefficient of 5 at the free column", "free-salm", {{offsetof(Tpcm, COFMST), 5.0f}}, ""},
      {"a storm of 99.9 hours", "tanker-yoke", {{offsetof(Tpcm, DURATN), 99.9f}}, ""},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    std::string image = example(c.example);
    for (const Change& change : c.changes) image = withChange(image, change);
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut) << c.what;
    expectWithinTheConsole(folder, run, c.what);
    if (c.message.empty()) {
      EXPECT_EQ(run.status, 0) << c.what << "\n" << run.err;
      EXPECT_EQ(filledFields(folder), "") << c.what;
      expectFiniteReports(folder, c.what);
      continue;
    }
    EXPECT_EQ(run.status, 1) << c.what << "\n" << run.err;
    EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << c.what << "\n" << run.err;
    // It stops before any stage: no report is begun.
    for (const std::string& name : folder.files()) EXPECT_NE(std::filesystem::path(name).extension(), ".plt") << c.what;
    EXPECT_FALSE(folder.exists("STATOUT.stxt")) << c.what;
  }
}

// The offset report's bound names the smallest increment that keeps it within the table's 90 states.
TEST(AnalysisFaultsE2e, AnOffsetStepBelowTheTablesRangeNamesTheSmallestOne) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, OFFINC), 0.0001f));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.err, " offset states over the\n     table's ")) << run.err;
  EXPECT_TRUE(contains(run.err, " meters; at most 90 are reported.\n     Use an increment of at least ")) << run.err;
  // That increment is accepted.
  const std::size_t at = run.err.find("at least ") + 9;
  const float smallest = std::stof(run.err.substr(at, run.err.find(' ', at) - at));
  folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, OFFINC), smallest));
  const e2e::Run again = folder.runAnalysis();
  EXPECT_EQ(again.status, 0) << smallest << "\n" << again.err;
}

// Inputs of the audit that the stages take as they are now: a yoke whose attachment points lie 10 m
// apart instead of 20 (the audit saw an infinite load), no vessel point (the run takes the yoke's
// hinge as the first point), a tank 21 m long (the statics' table search found no configuration at
// its first load; column_stance_test.cpp). Each run ends normally with every value a number.
TEST(AnalysisFaultsE2e, InputsTheStagesTakeRunToTheirEndWithFiniteValues) {
  struct Input {
    const char* what;
    Change change;
  };
  const Input inputs[] = {{"the yoke's sides 10 m apart", {offsetof(Tpcm, PNDARM), 10.0f}},
                          {"no vessel point", {offsetof(Tpcm, NACC), 0}},
                          {"the tank (element 2) 21 m long", {offsetof(Tpcm, SLEN) + 4, 21.0f}}};
  for (const Input& input : inputs) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withChange(example("tanker-yoke"), input.change));
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut) << input.what;
    EXPECT_EQ(run.status, 0) << input.what << "\n" << run.err;
    expectFiniteReports(folder, input.what);
  }
}

// A wind of 1e-30 knots, whose force is below the smallest float, ended in values that were no
// number; as the wind dies the low-frequency motions are those without wind.
TEST(AnalysisFaultsE2e, AWindThatAlmostVanishesMovesTheVesselAsNoWindDoes) {
  const auto motions = [](float knots) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, WNDSPD), knots));
    const e2e::Run run = folder.runAnalysis();
    EXPECT_EQ(run.status, 0) << knots << "\n" << run.err;
    std::string lines;
    const std::string report = folder.readFile("LOWOUT.stxt");
    EXPECT_FALSE(holdsNonFinite(report)) << knots;
    for (std::size_t at = 0, end; (end = report.find('\n', at)) != std::string::npos; at = end + 1) {
      const std::string line = report.substr(at, end - at);
      if (contains(line, "Total Two sigma motion") || contains(line, "Extreme motion in")) lines += line + "\n";
    }
    return lines;
  };
  const std::string still = motions(0.0f);
  ASSERT_FALSE(still.empty());
  EXPECT_EQ(motions(1e-30f), still);
}

// The submergence option of page 3, item 1 (WETYOK, options 2 to 8 as 0 to 6) at the ends of its
// type and just outside its range, in a user's buoyant riser and both examples: the run's data
// findings judge it against its range before any arithmetic uses it (the sanitizer build stops at
// an overflow with a runtime error), and the run stops with status 1 naming the page, the item and
// the range.
TEST(AnalysisFaultsE2e, ASubmergenceOptionAtTheEndsOfItsTypeIsRefusedByItsRange) {
  const std::string riser =
      testing_support::readFileText(std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases/riser-calm/SALMDAT");
  const std::pair<const char*, std::string> images[] = {
      {"riser-calm", riser}, {"tanker-yoke", example("tanker-yoke")}, {"free-salm", example("free-salm")}};
  const std::int32_t values[] = {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max() - 1,
                                 std::numeric_limits<std::int32_t>::min(), 7, -1};
  for (const auto& [name, image] : images) {
    for (const std::int32_t wetyok : values) {
      const std::string what = std::string(name) + ", WETYOK " + std::to_string(wetyok);
      e2e::Folder folder;
      folder.writeFile("SALMDAT", withWord(image, offsetof(Tpcm, WETYOK), wetyok));
      const e2e::Run run = folder.runAnalysis();
      ASSERT_FALSE(run.timedOut) << what;
      EXPECT_EQ(run.signal, 0) << what;
      EXPECT_EQ(run.status, 1) << what << "\n" << run.err;
      EXPECT_FALSE(contains(run.err, "runtime error")) << what << "\n" << run.err;
      const std::string message = " ++> Fatal Warning: Submergence option WETYOK (options 2 to 8 of the page\n"
                                  "     as 0 to 6) (page 3, item 1) is " + std::to_string(wetyok) + ";\n"
                                  "     the analysis needs a value from 0 to 6.\n";
      EXPECT_EQ(run.err.rfind(message, 0), 0u) << what << "\n" << run.err;
      expectWithinTheConsole(folder, run, what);
    }
  }
}

}  // namespace
}  // namespace qv

// The analysis runner on damaged inputs of a reliability campaign that still ended badly, each rebuilt
// from an example: a wave-frequency report left empty with status 0, a damping reported as asterisks,
// stops that named nothing, and a warning that stopped the run without saying so. Each run now either
// ends with reports that hold numbers (or say why they hold none), or stops with status 1 naming the
// page and item, or the file, line and column, of the value behind it. A "LOWDAT" cut short is read
// as before, with a warning that says so.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/lowdat_tables.h"
#include "support/report_values.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::IsClose;
using testing_support::numberAfter;
using testing_support::withWord;
using namespace std::chrono_literals;

// One word of the data set: the member at byte `offset` of TPCM, as an integer or a float.
struct Change {
  std::size_t offset;
  std::variant<std::int32_t, float> value;
};

std::string tankerWith(const std::vector<Change>& changes, const char* name = "tanker-yoke") {
  std::string image = example(name);
  for (const Change& c : changes) image = std::visit([&](auto v) { return withWord(image, c.offset, v); }, c.value);
  return image;
}

struct UserFile {
  const char* name;
  std::string text;
};

e2e::Run runIn(const e2e::Folder& folder, const std::string& image, const std::vector<UserFile>& files = {}) {
  folder.writeFile("SALMDAT", image);
  for (const UserFile& f : files) folder.writeFile(f.name, f.text);
  return folder.runAnalysis({}, "", 30s);
}

// Whether a report or plot file holds a field that is not a number or infinite.
bool holdsNonFinite(const std::string& text) {
  for (const char* word : {" NaN", "-NaN", " Inf", "-Inf"}) {
    if (contains(text, word)) return true;
  }
  return text.rfind("NaN", 0) == 0 || text.rfind("Inf", 0) == 0;
}

// The lines of a report that show asterisks where a number belongs: a run of them in a line that is
// not a title's frame (whose first word is asterisks).
std::string filledFields(const std::string& text) {
  std::string found;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos || line[first] == '*') continue;
    if (contains(line, "*****")) found += line + "\n";
  }
  return found;
}

// Every ".stxt" and ".plt" file of the folder.
std::vector<std::string> reportsOf(const e2e::Folder& folder) {
  std::vector<std::string> names;
  for (const std::string& name : folder.files()) {
    const std::string extension = std::filesystem::path(name).extension().string();
    if (extension == ".stxt" || extension == ".plt") names.push_back(name);
  }
  return names;
}

// ---- A wave-frequency report without a pass ----

// The member response tables of a heading are written for the principal wave direction only (page
// 18, item 3) or for every heading (item 4). A spread sea's headings were computed about the vessel
// at heading 0 and turn with it: a vessel that the wind and the current, stronger than the sea's
// drift, turn round to head 180 degrees leaves none of the seven headings of the 180-degree sector
// within half a wedge (180 / 6 / 2 = 15 degrees) of the sea heading. Such a run, and one whose page
// 18 asks for no table, wrote an empty "DYNOUT.stxt" and "DYNPLT.plt" over the last run's with
// status 0; now the report says why it holds no table and which item asks for them, and the plot
// table holds its unit and no curve.
TEST(DamagedInputsE2e, AMemberResponseReportWithoutAPassSaysWhyAndNamesTheItems) {
  const std::vector<Change> spreadAgainstTheWind = {{offsetof(Tpcm, LSPRED), std::int32_t{1}},
                                                    {offsetof(Tpcm, WNDHDG), 0.0f},
                                                    {offsetof(Tpcm, CURHDG), 0.0f}};
  struct Case {
    const char* what;
    const char* example;
    std::vector<Change> changes;
    std::vector<std::string> reasons;  // pieces of the report's note
  };
  std::vector<Change> spreadWithAllHeadings = spreadAgainstTheWind;
  spreadWithAllHeadings.push_back({offsetof(Tpcm, ALLRAO), std::int32_t{1}});
  const Case cases[] = {
      {"a spread sea against the wind and the current", "tanker-yoke", spreadAgainstTheWind,
       {"     Page 18 asks for the tables of the principal wave direction alone (item 3 is 1, item 4 is 0),\n"
        "     and none of the 7 wave headings of the run lies in it. The headings of the spread sea\n"
        "     (page 15, item 20) were taken about the vessel at heading 0 and turn with it: at the stable\n",
        // The wind (22.7 t) and the current (18.9 t) outweigh the sea's drift (27.8 t): the vessel
        // weathervanes round to face them.
        "     equilibrium it heads 180.00 deg, and none of them comes within half a wedge, 15.00 deg\n",
        "of the sea heading 180.00 deg (page 15, item 4).\n     Set item 4 of page 18 to 1 for the tables of every "
        "wave heading.\n"}},
      {"no table asked for", "tanker-yoke", {{offsetof(Tpcm, PRNRAO), std::int32_t{0}}},
       {"     Page 18 asks for none: \"Output RAOs for principal wave directions\" (item 3) and\n"
        "     \"Output RAOs at all intermediate angles\" (item 4) are both 0."}},
      {"no table asked for at the free column", "free-salm", {{offsetof(Tpcm, PRNRAO), std::int32_t{0}}},
       {"(item 4) are both 0. Set item 3 to 1 for the\n"}},
      // With every heading asked for, the same run reports all seven and no note.
      {"the spread sea with every heading's tables", "tanker-yoke", spreadWithAllHeadings, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::Folder folder;
    // The last good run of the folder: the example's own reports.
    ASSERT_EQ(runIn(folder, example(c.example)).status, 0);
    const e2e::Run run = runIn(folder, tankerWith(c.changes, c.example));
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string report = folder.readFile("DYNOUT.stxt");
    const std::string plot = folder.readFile("DYNPLT.plt");
    EXPECT_TRUE(folder.exists("RANOUT.stxt"));
    if (c.reasons.empty()) {
      EXPECT_FALSE(contains(report, "NO MEMBER RESPONSE TABLES"));
      EXPECT_EQ(testing_support::occurrences(report, "NET BASE REACTION RAOS"), 7) << report.size();
      EXPECT_EQ(testing_support::occurrences(plot, "ANGLE RAOS (S.A./S.A.)"), 7 * 3);
      continue;
    }
    EXPECT_TRUE(contains(report, "VII.  SALM MEMBER RESPONSE CHARACTERISTICS")) << report;
    EXPECT_TRUE(contains(report, "\n >>> NO MEMBER RESPONSE TABLES\n\n")) << report;
    for (const std::string& reason : c.reasons) EXPECT_TRUE(contains(report, reason)) << reason << "\n" << report;
    EXPECT_FALSE(contains(report, "RAOS"));
    EXPECT_EQ(plot, "    1\n    0\n");
  }
}

// ---- The current's damping ----

// "Damping due to current" of each mode in "LOWOUT.stxt", with the mode's period before it.
struct CurrentDamping {
  std::vector<std::string> periods, damping;
};
CurrentDamping currentDampingOf(const std::string& report) {
  CurrentDamping found;
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    if (contains(line, "       Period ....")) found.periods.push_back(line);
    if (contains(line, "Damping due to current")) found.damping.push_back(line);
  }
  return found;
}

// A current profile file under the page's surface speed: the current's loads take the speed over the
// vessel's draft from the profile, and its damping, the change of those loads with the vessel's speed
// through the water, must take the same speed. It took the page's: under a profile of 2 knots the
// damping was 899.62 percent at a page speed of 0.01 knots and asterisks at 1e-30. A profile that is
// uniform at the page's speed is the same flow as the uniform current without a file, and the same
// flow on the same modes damps them alike.
TEST(DamagedInputsE2e, TheCurrentsDampingTakesTheSpeedItsLoadsTake) {
  const float kKnots = 2.0f;  // the example's current
  e2e::Folder reference;
  ASSERT_EQ(runIn(reference, example("tanker-yoke")).status, 0);
  const std::string uniform = reference.readFile("LOWOUT.stxt");
  const CurrentDamping expected = currentDampingOf(uniform);
  ASSERT_EQ(expected.damping.size(), 3u);
  EXPECT_TRUE(contains(expected.damping[0], "       4.50 percent")) << expected.damping[0];

  struct Case {
    const char* what;
    float pageKnots;
    const char* profile;  // "CRNTPROF.txt": the count, then depth [m], speed [kn], heading [deg]
  };
  const Case cases[] = {
      {"a uniform profile under the page's speed", kKnots, "2\n50.0 2.0 180.0\n100.0 2.0 180.0\n\n"},
      // The campaign's file, 2 knots from the surface to the sea bed, under a page speed of nearly 0.
      {"the profile under a page speed of 1e-30 knots", 1e-30f, "2\n0.0 2.0 180.0\n100.0 2.0 180.0\n\n"},
      {"the profile under a page speed of 0.01 knots", 0.01f, "2\n0.0 2.0 180.0\n100.0 2.0 180.0\n\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::Folder folder;
    const e2e::Run run = runIn(folder,
                               tankerWith({{offsetof(Tpcm, LCSTCR), std::int32_t{3}}, {offsetof(Tpcm, CURSPD), c.pageKnots}}),
                               {{"CRNTPROF.txt", c.profile}});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string report = folder.readFile("LOWOUT.stxt");
    EXPECT_EQ(filledFields(report), "");
    // The current's load is that of 2 knots over the draft: the uniform current's.
    EXPECT_TRUE(contains(report, "Static current force components (x,y): (    -18.9,      0.0) metric tons")) << report;
    const CurrentDamping found = currentDampingOf(report);
    ASSERT_EQ(found.periods.size(), 3u);
    ASSERT_EQ(found.damping.size(), 3u);
    // On the same mode (its period the same), the same flow gives the same damping. The surge mode's
    // is; the page's surface speed still turns the waves' drift (the current that the waves ride
    // is the surface's), which moves the two yaw modes.
    ASSERT_EQ(found.periods[0], expected.periods[0]);
    for (std::size_t mode = 0; mode < 3; ++mode) {
      if (found.periods[mode] == expected.periods[mode]) {
        EXPECT_EQ(found.damping[mode], expected.damping[mode]) << mode;
      }
    }
    if (c.pageKnots == kKnots) {
      // The same flow at the surface too: the same report, the profile's line apart.
      EXPECT_EQ(found.periods, expected.periods);
      EXPECT_EQ(numberAfter(report, "", "Total Two sigma motion ....................."),
                numberAfter(uniform, "", "Total Two sigma motion ....................."));
    }
  }
}

// ---- Values refused before any stage ----

// "WINDSPEC.txt" of three points, the density of the second (line 3, column 2) as given.
std::string windSpectrumWith(const char* density) {
  return std::string("3\n0.0001 10.0\n0.05 ") + density + "\n1.0 1.0\n\n";
}

// Values that stopped inside a stage naming nothing: the A.P.I. wind spectrum's parameter of 0 (its
// peak at no frequency, its density at rest infinite), a waterplane of 1e-30 or 1e-20 (the ship
// model takes its heave loads over the waterplane's restoring, and their spectra overflowed), and a
// wind spectrum density of 3.4e38. Each now stops with status 1 before any report is begun, naming
// the page and item, or the file, line and column, and what the value must be; the values at the
// ends of what is allowed run to their end with every number printed.
TEST(DamagedInputsE2e, ValuesNoStageCanTakeAreRefusedNamingWhereTheyAre) {
  constexpr std::int32_t kApiWind = 4, kUserWind = 6;
  // A hull of m = 171,735 t floats on a waterplane A with the heave period 2 pi sqrt(m / (rho g A)):
  // a period of 999.99 s (the longest the reports print) with rho = 1025.18 kg/m^3 and g = 9.8 m/s^2
  // gives A = 4 pi^2 m / (rho g T^2) = 0.6748 m^2, shown as 0.68.
  const std::string heave = "the analysis needs 0 (the hull model's own) or a value from 0.68 (the\n"
                            "     waterplane that floats the displacement, page 5, item 1, with a heave\n"
                            "     period of 999.99 s) to 12797.34 (the waterline length times the beam).\n";
  // The density of the strongest wind, 250 knots (128.5 m/s), put whole below 0.0005 rad/s:
  // 128.5^2 / 0.0005 = 3.30245e7 (m/s)^2 per rad/s.
  const std::string density =
      "     the analysis needs a value from 0.00 to 3.3024E+07 (250 knots squared\n     over 0.0005 rad/s).\n";
  struct Case {
    const char* what;
    std::vector<Change> changes;
    std::vector<UserFile> files;
    std::string message;  // empty: the run ends with status 0
  };
  const Case cases[] = {
      {"an A.P.I. parameter of 0", {{offsetof(Tpcm, WNDTYP), kApiWind}, {offsetof(Tpcm, APIPRM), 0.0f}}, {},
       " ++> Fatal Warning: A.P.I. wind spectrum parameter (page 11, item 3) is 0.00;\n"
       "     the analysis needs a value from 0.01 to 0.10 (the range the A.P.I. spectrum\n"
       "     was fitted over).\n"},
      {"an A.P.I. parameter of 0.5", {{offsetof(Tpcm, WNDTYP), kApiWind}, {offsetof(Tpcm, APIPRM), 0.5f}}, {},
       " ++> Fatal Warning: A.P.I. wind spectrum parameter (page 11, item 3) is 0.50;\n"},
      {"an A.P.I. parameter of 0.01", {{offsetof(Tpcm, WNDTYP), kApiWind}, {offsetof(Tpcm, APIPRM), 0.01f}}, {}, ""},
      {"an A.P.I. parameter of 0.1", {{offsetof(Tpcm, WNDTYP), kApiWind}, {offsetof(Tpcm, APIPRM), 0.1f}}, {}, ""},
      {"a waterplane of 1e-30", {{offsetof(Tpcm, TAWP), 1e-30f}}, {},
       " ++> Fatal Warning: Vessel water plane area (page 5, item 7) is 1.0000E-30;\n     " + heave},
      {"a waterplane of 1e-20", {{offsetof(Tpcm, TAWP), 1e-20f}}, {},
       " ++> Fatal Warning: Vessel water plane area (page 5, item 7) is 1.0000E-20;\n     " + heave},
      {"a waterplane of 1e-10", {{offsetof(Tpcm, TAWP), 1e-10f}}, {},
       " ++> Fatal Warning: Vessel water plane area (page 5, item 7) is 1.0000E-10;\n     " + heave},
      {"a waterplane of 0.67", {{offsetof(Tpcm, TAWP), 0.67f}}, {},
       " ++> Fatal Warning: Vessel water plane area (page 5, item 7) is 0.67;\n     " + heave},
      {"a waterplane of -1", {{offsetof(Tpcm, TAWP), -1.0f}}, {},
       " ++> Fatal Warning: Vessel water plane area (page 5, item 7) is -1.00;\n     " + heave},
      {"a waterplane of 0.68", {{offsetof(Tpcm, TAWP), 0.68f}}, {}, ""},
      {"no waterplane: the box's", {{offsetof(Tpcm, TAWP), 0.0f}}, {}, ""},
      {"a wind density of 3.4e38", {{offsetof(Tpcm, WNDTYP), kUserWind}}, {{"WINDSPEC.txt", windSpectrumWith("3.4e38")}},
       " ++> User file \"WINDSPEC.txt\", line 3, column 2 (a spectral density)\n     is 3.4000E+38;\n" + density},
      {"a wind density of -1", {{offsetof(Tpcm, WNDTYP), kUserWind}}, {{"WINDSPEC.txt", windSpectrumWith("-1")}},
       " ++> User file \"WINDSPEC.txt\", line 3, column 2 (a spectral density) is -1.00;\n" + density},
      {"a wind density at the bound", {{offsetof(Tpcm, WNDTYP), kUserWind}},
       {{"WINDSPEC.txt", windSpectrumWith("3.3e7")}}, ""},
      {"a wind density of 1e-10", {{offsetof(Tpcm, WNDTYP), kUserWind}}, {{"WINDSPEC.txt", windSpectrumWith("1e-10")}},
       ""},
      {"a wind density of 0", {{offsetof(Tpcm, WNDTYP), kUserWind}}, {{"WINDSPEC.txt", windSpectrumWith("0")}}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::Folder folder;
    const e2e::Run run = runIn(folder, tankerWith(c.changes), c.files);
    ASSERT_FALSE(run.timedOut);
    if (c.message.empty()) {
      EXPECT_EQ(run.status, 0) << run.err;
      for (const std::string& name : reportsOf(folder)) {
        const std::string text = folder.readFile(name);
        EXPECT_FALSE(holdsNonFinite(text)) << name;
        EXPECT_EQ(filledFields(text), "") << name;
      }
      continue;
    }
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << run.err;
    EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), c.message.substr(0, c.message.find('\n'))));
    EXPECT_TRUE(reportsOf(folder).size() == 1u) << "only the messages are written";
  }
}

// At the least waterplane the hull bobs slowly, and the vessel summary prints its heave period: longer
// than the 2 pi sqrt(m / (rho g A)) of its mass alone, since the water it moves adds to it.
TEST(DamagedInputsE2e, AtTheLeastWaterplaneTheHeavePeriodIsPrinted) {
  e2e::Folder folder;
  ASSERT_EQ(runIn(folder, tankerWith({{offsetof(Tpcm, TAWP), 0.68f}})).status, 0);
  const std::string summary = folder.readFile("TANKSUM.stxt");
  const double period = numberAfter(summary, "", "NATURAL HEAVE PERIOD ...................");
  const double massAlone = 2.0 * std::acos(-1.0) * std::sqrt(171735.14 * 1000.0 / (1025.18 * 9.8 * 0.68));
  EXPECT_GT(period, massAlone);
  EXPECT_LT(period, 9999.9);  // the report's field
}

// ---- A warning that stops the run ----

// A sea of Hs 40 m and Tp 20 s pulls the tanker with some 1,020 t against a load-offset table that
// ends at page 2's 600 t. An unattended run cannot be asked to go on with the offset extrapolated:
// it stopped with status 1 after the warning, which said what would be done and not that the run
// stopped. The warning's first line stands as it was; the message now says that the run stops, and
// what to change.
TEST(DamagedInputsE2e, AStaticLoadBeyondTheTableSaysThatTheRunStops) {
  e2e::Folder folder;
  const e2e::Run run =
      runIn(folder, tankerWith({{offsetof(Tpcm, SWHT), 40.0f}, {offsetof(Tpcm, SIGPD), 20.0f}}));
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  const std::string stop = " ++> WARNING; a static load exceeds the maximum table value\n"
                           "     At the vessel heading ";
  ASSERT_TRUE(contains(run.err, stop)) << run.err;
  const std::string message = run.err.substr(run.err.find(stop));
  EXPECT_TRUE(contains(message, " metric tons, beyond the load-offset table's last load\n"
                                "     of 600.00 metric tons.\n"
                                "     The run stops: an unattended run does not extrapolate its offset from the\n"
                                "     table's last interval. Raise the maximum horizontal load on Salm\n"
                                "     (page 2, item 2), now 600.00 metric tons, above the loads of the run.\n"))
      << message;
  // The load it names lies beyond the table.
  EXPECT_GT(numberAfter(message, "", "the net horizontal load\n     is"), 600.0);
  EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), "     The run stops: an unattended run does not"));
  EXPECT_FALSE(folder.exists("LOWOUT.stxt"));
}

// ---- A coefficient file cut short ----

// The tanker example's current from the current table of "LOWDAT" (19 attack angles, 0 to 180 degrees,
// Cx = -0.5 cos a, Cy = 0.6 sin a, Cz = 0.05 sin 2a), the file cut to its first 578 of 2720 bytes:
// 144 whole words, which end within the Cy column. The run goes on as before, reading the rest of the
// tables as zeros (its reports are those of the whole file with every word from the 145th on zero),
// and now says so on the screen (standard error, or the screen of a run at the console) and in
// "Diagnostics.stxt"; the editor says so among the load's findings and waits for Return. The whole
// file is read without a word.
TEST(DamagedInputsE2e, ALowdatCutShortIsReadAsZerosBeyondItsEndWithAWarning) {
  const float rowThreeCz = static_cast<float>(0.05 * std::sin(40.0 / 57.29577951308232));  // 0.05 sin 40 deg
  const std::string whole = testing_support::currentTableWithRowThreeCz(rowThreeCz);
  ASSERT_EQ(whole.size(), 2720u);
  const std::string image = tankerWith({{offsetof(Tpcm, LCBARG), std::int32_t{0x111}}});
  const std::string warning =
      " ++> Warning: \"LOWDAT\" is 578 bytes long, shorter than the 2720 bytes this\n"
      "     program writes; its coefficient tables are read as far as it goes, and the\n"
      "     rest is taken as zeros.\n";

  e2e::Folder wholeFile;
  const e2e::Run wholeRun = runIn(wholeFile, image, {{"LOWDAT", whole}});
  ASSERT_FALSE(wholeRun.timedOut);
  EXPECT_EQ(wholeRun.status, 0) << wholeRun.err;
  EXPECT_FALSE(contains(wholeRun.err + wholeFile.readFile("Diagnostics.stxt"), "LOWDAT"));

  e2e::Folder cut;
  const e2e::Run cutRun = runIn(cut, image, {{"LOWDAT", whole.substr(0, 578)}});
  ASSERT_FALSE(cutRun.timedOut);
  EXPECT_EQ(cutRun.status, 0) << cutRun.err;
  EXPECT_EQ(cutRun.err, warning);
  EXPECT_TRUE(contains(cut.readFile("Diagnostics.stxt"), "\n\n" + warning)) << cut.readFile("Diagnostics.stxt");

  e2e::Folder zeros;
  const std::string zeroed = whole.substr(0, 4 * 144) + std::string(2720 - 4 * 144, '\0');
  const e2e::Run zerosRun = runIn(zeros, image, {{"LOWDAT", zeroed}});
  ASSERT_FALSE(zerosRun.timedOut);
  EXPECT_EQ(zerosRun.status, 0) << zerosRun.err;
  const std::string low = testing_support::maskClock(cut.readFile("LOWOUT.stxt"));
  EXPECT_TRUE(low == testing_support::maskClock(zeros.readFile("LOWOUT.stxt"))) << "read as zeros beyond its end";
  EXPECT_FALSE(low == testing_support::maskClock(wholeFile.readFile("LOWOUT.stxt")));

  // At the console (--interactive) the load's warning shows once, on the screen.
  e2e::Folder console;
  console.writeFile("SALMDAT", image);
  console.writeFile("LOWDAT", whole.substr(0, 578));
  const e2e::Run watched = console.runAnalysis({"--interactive"}, "", 30s);
  ASSERT_FALSE(watched.timedOut);
  EXPECT_TRUE(contains(watched.out, "\n" + warning)) << watched.out;
  EXPECT_EQ(watched.out.find(warning), watched.out.rfind(warning)) << watched.out;
  EXPECT_FALSE(contains(watched.err, "LOWDAT")) << watched.err;

  // The editor: the warning among the load's findings, then Return; the last page's exit.
  e2e::Folder editor;
  editor.writeFile("SALMDAT", image);
  editor.writeFile("LOWDAT", whole.substr(0, 578));
  const e2e::Run edit = editor.run("M\n\nL\n2\n");
  ASSERT_FALSE(edit.timedOut);
  EXPECT_EQ(edit.status, 0) << edit.out;
  EXPECT_TRUE(contains(edit.out, warning + "\n Press <RETURN> to continue: ")) << edit.out;
  EXPECT_TRUE(contains(editor.readFile("DATUPWRN.stxt"), warning)) << editor.readFile("DATUPWRN.stxt");
  EXPECT_TRUE(editor.readFile("LOWDAT") == whole.substr(0, 578)) << "the file stays as it is";
}

}  // namespace
}  // namespace qv

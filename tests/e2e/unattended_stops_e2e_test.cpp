// The README's rule of the unattended run, held against the real runner. A warning after which a run
// at the console asks whether to go on, or pauses, ends an unattended run where going on would take a
// figure that nothing gives (a table extrapolated, a missing file, an unconverged search, a geometry
// the stage cannot follow): there the run says that it stops, in which routine, and what to do, in
// "Diagnostics.stxt" and on standard error, ends with status 1 and writes no report. A fatal message,
// at which the console stops too, stays as it is. Past every other such warning (a caution about the
// data, or one that says what the run takes in their place) it goes on as Return at the console
// would, keeping the warning in "Diagnostics.stxt"; at the console each question or pause of such a
// run comes after the message it asks about.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "e2e/within_console.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/readme_text.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::withWord;

constexpr std::string_view kStopLine = " ++> The run stops here, in ";
constexpr std::string_view kAbortQuestion = "Enter \"A\" to abort or Press <RETURN> to continue: ";
constexpr std::string_view kPause = "Press <RETURN> to continue: ";
constexpr std::string_view kWhatToDo =
    "An unattended run does not go on past the message above (a run with --interactive asks whether to, where "
    "the message offers it): change what the message names and run again.";

// Enough empty replies for a run at the console to press <RETURN> at every pause and question.
const std::string kReturns(400, '\n');

// A message with its line breaks and the indents after them read as one blank.
std::string flat(const std::string& text) {
  std::string joined;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    joined += (joined.empty() ? "" : " ") + line.substr(first);
  }
  return joined;
}

// The lines of `text` that begin a message (" ++> "), in order.
std::vector<std::string> messageStarts(const std::string& text) {
  std::vector<std::string> starts;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with(" ++> ")) starts.push_back(line);
  return starts;
}

// "tests/e2e/cases/<name>/<file>" as its bytes.
std::string caseFile(const std::string& name, const std::string& file) {
  return testing_support::readFileText(std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases" / name / file);
}

// "DRFTCOFS.txt" of two frequencies, `lowest` and 5 rad/s, at the headings 0 to 360 degrees 10 apart:
// surge 0.3 cos h, sway 0.5 sin h, yaw -0.02 sin 2h.
std::string driftCoefficientsFrom(double lowest) {
  std::ostringstream out;
  out << "2 37\n";
  for (int j = 0; j <= 36; ++j) {
    const double h = 10.0 * j / 57.29577951308232;
    out << 10 * j << "\n";
    for (const double frequency : {lowest, 5.0})
      out << frequency << " " << 0.3 * std::cos(h) << " " << 0.5 * std::sin(h) << " " << -0.02 * std::sin(2.0 * h)
          << "\n";
  }
  return out.str();
}

// "USERRAOS.txt" of the operators 0 at 0.5 and 1 rad/s, at the headings 0 and 360 degrees.
std::string vesselOperatorsFromHalfToOne() {
  std::string table = "2 2\n";
  for (const char* heading : {"0", "360"}) {
    table += std::string(heading) + "\n";
    for (const char* frequency : {"0.5", "1.0"}) {
      table += frequency;
      for (int k = 0; k < 12; ++k) table += " 0";
      table += "\n";
    }
  }
  return table;
}

struct UserFile {
  const char* name;
  std::string bytes;
};

struct Case {
  const char* what;
  std::string image;
  std::vector<UserFile> files;
  std::string warning;  // the first line of the message at which the run stops
  const char* routine;  // where an unattended run says it stops; none: a fatal message, which stops
                        // every run and is left as it is
};

// The example tanker on its yoke with `edit` made to its data set.
std::string tanker(const std::function<std::string(const std::string&)>& edit) { return edit(example("tanker-yoke")); }

TEST(UnattendedStopsE2e, EachWarningWhereGoingOnWouldTakeAFigureNothingGivesEndsAnUnattendedRun) {
  constexpr std::int32_t kTableModel = 0x111;  // the user file of the wave drift model
  const Case cases[] = {
      // The buoy (element 3) stands 4 m under water at zero load.
      {"the piercing member under water", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, DEPTH), 110.0f);
       }),
       {}, " ++> WARNING: piercing member might not cross water surface.", "STSALM"},
      // Member 1 (93 + 14 m) and the buoy (30 m) standing up reach 37 m above the surface.
      {"the piercing member above the water", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, SLEN), 93.0f);
       }),
       {}, " ++> WARNING: piercing member might not cross water surface.", "STSALM"},
      // The tanker's mean load of some 70 t against a table that ends at 60 t.
      {"a load beyond the statics table", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, TLOAD), 60.0f);
       }),
       {}, " ++> WARNING; a static load exceeds the maximum table value", "SLOMOR"},
      // The grid's longest waves (24 s, 0.26 rad/s) below the file's lowest frequency.
      {"a frequency below the drift coefficients' table", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, LWVCOF), kTableModel);
       }),
       {{"DRFTCOFS.txt", driftCoefficientsFrom(0.5)}},
       " ++> Warning: Frequency outside user-supplied drift coefficient range:", "DRFTCB"},
      {"a frequency beyond the vessel operators' table", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, AUXVSH), std::int32_t{1});
       }),
       {{"USERRAOS.txt", vesselOperatorsFromHalfToOne()}}, " ++> Warning: Frequency outside user-supplied RAO range:",
       "USRRAO"},
      {"no vessel operators' file", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, AUXVSH), std::int32_t{1});
       }),
       {}, " ++> Warning: User-supplied vessel RAOs \"USERRAOS.txt\" not found;", "USRRAO"},
      // The periods, 4 to 24 s, need 0.26 to 1.57 rad/s.
      {"a wave spectrum short of the run's frequencies", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, WAVTYP), std::int32_t{kSpectrumUserFile});
       }),
       {{"WAVSPEC.txt", "3\n0.5 1.0\n0.8 3.0\n1.2 1.0\n"}},
       " ++> Warning: User file \"WAVSPEC.txt\" holds frequencies from 0.50 to 1.20 rad/s;", "UWVSPC"},
      // Fatal: the console stops too, and the message says what to change.
      {"no displacement", tanker([](const std::string& i) { return withWord(i, offsetof(Tpcm, DISPL), 0.0f); }), {},
       " ++> Fatal Warning: Vessel displacement (page 5, item 1) is 0.00;", nullptr},
      {"a yoke above what the column reaches", tanker([](const std::string& i) {
         return withWord(i, offsetof(Tpcm, YOKEHT), 60.0f);
       }),
       {},
       " ++> Fatal Warning: The Salm column cannot reach the vessel's attachment. Its", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> seeded{"SALMDAT"};
    e2e::Folder folder;
    folder.writeFile("SALMDAT", c.image);
    for (const UserFile& file : c.files) {
      folder.writeFile(file.name, file.bytes);
      seeded.push_back(file.name);
    }
    seeded.push_back("Diagnostics.stxt");
    std::sort(seeded.begin(), seeded.end());

    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(folder.files(), seeded) << "a stopped run writes no report";
    const std::string diagnostics = folder.readFile("Diagnostics.stxt");
    e2e::expectWithinTheConsole(folder, run, c.what);
    if (c.routine == nullptr) {
      EXPECT_EQ(messageStarts(run.err), std::vector<std::string>{c.warning}) << run.err;
      EXPECT_FALSE(contains(diagnostics, kStopLine)) << diagnostics;
    } else {
      // The message, then the line that says where the run stops: on standard error nothing else, and
      // in "Diagnostics.stxt" the line follows the message with nothing between them.
      const std::string stop = std::string(kStopLine) + c.routine + ".";
      const std::vector<std::string> starts = messageStarts(run.err);
      EXPECT_EQ(starts.size(), 2u) << run.err;
      EXPECT_EQ(starts.empty() ? "" : starts.front(), c.warning) << run.err;
      const std::size_t at = run.err.find(stop);
      const std::string said = at == std::string::npos ? "" : run.err.substr(at);
      EXPECT_EQ(flat(said), flat(stop + " " + std::string(kWhatToDo))) << run.err;
      EXPECT_TRUE(!said.empty() && diagnostics.ends_with(said)) << diagnostics;
      const std::size_t warned = std::min(diagnostics.rfind(c.warning), diagnostics.size());
      EXPECT_EQ(messageStarts(diagnostics.substr(warned)), starts) << diagnostics;
    }

    // At the console the run pauses or asks at the warning, and an empty reply goes on past it; a
    // fatal message stops it there as it stops the unattended run.
    e2e::Folder console;
    console.writeFile("SALMDAT", c.image);
    for (const UserFile& file : c.files) console.writeFile(file.name, file.bytes);
    const e2e::Run watched = console.runAnalysis({"--interactive"}, kReturns);
    ASSERT_FALSE(watched.timedOut);
    EXPECT_FALSE(contains(watched.out, kStopLine)) << watched.out;
    const std::size_t warned = watched.out.find(c.warning);
    ASSERT_NE(warned, std::string::npos) << watched.out;
    const std::size_t asked = watched.out.find("continue: ", warned);
    ASSERT_NE(asked, std::string::npos) << watched.out;
    const bool wentOn = watched.out.find_first_not_of(" \n\a\f", asked + 10) != std::string::npos;
    EXPECT_EQ(wentOn, c.routine != nullptr) << watched.out;
    if (c.routine == nullptr) {
      EXPECT_EQ(watched.status, 1);
    }
  }
}

// The pendular column in 75 m of water: the buoy's top stands 5 m under water, its element 2 still
// the piercing one. At the console the run pauses at the warning and goes on to its reports.
TEST(UnattendedStopsE2e, TheBuoysTopUnderWaterEndsAnUnattendedRunSayingWhere) {
  const std::string warning =
      " ++> WARNING: piercing member might not cross water surface.\n"
      "     At zero load the top of member 2 (element 2), which holds the piercing\n"
      "     element 2 (page 2, item 6), stands 5.00 meters below the water surface; the\n"
      "     water depth is 75.00 meters (page 1, item 4).\n"
      "     The members up to it: member 1 (element 1) 45.00 meters, member 2\n"
      "     (element 2) 25.00 meters long (page 3, item 2 of their elements). Change\n"
      "     the element lengths, the piercing element or the water depth so that the\n"
      "     member crosses the surface.\n";
  const std::string stop =
      " ++> The run stops here, in STSALM. An unattended run does not go on past the\n"
      "     message above (a run with --interactive asks whether to, where the message\n"
      "     offers it): change what the message names and run again.\n";
  const std::string image = caseFile("pendular-75m", "SALMDAT");
  const std::string profile = caseFile("pendular-75m", "CRNTPROF.txt");

  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  folder.writeFile("CRNTPROF.txt", profile);
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, warning + stop);
  EXPECT_TRUE(folder.readFile("Diagnostics.stxt").ends_with("\n\n\n" + warning + "\n" + stop))
      << folder.readFile("Diagnostics.stxt");
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"CRNTPROF.txt", "Diagnostics.stxt", "SALMDAT"}));
  EXPECT_EQ(folder.readFile("SALMDAT"), image);

  e2e::Folder console;
  console.writeFile("SALMDAT", image);
  console.writeFile("CRNTPROF.txt", profile);
  const e2e::Run watched = console.runAnalysis({"--interactive"}, kReturns);
  ASSERT_FALSE(watched.timedOut);
  EXPECT_EQ(watched.status, 0) << watched.out;
  EXPECT_TRUE(contains(watched.out, warning + "\n\n Press <RETURN> to continue: ")) << watched.out;
  EXPECT_FALSE(contains(watched.out, kStopLine));
  EXPECT_TRUE(console.exists("STATOUT.stxt"));
  EXPECT_TRUE(console.exists("DYNOUT.stxt"));
}

std::size_t occurrences(const std::string& text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

// The hawser case: a ship's hull behind its own motions in "USERRAOS.txt", in English units, with
// wind, current and drift coefficients of its own files. Its waterplane area (7,350 ft^2) is far
// from its box's (171 x 158 ft), and the box's natural periods lie beyond its wave periods. The
// files beside its data set:
const char* const kHawserFiles[] = {"CRNTCOFS.txt", "DRFTCOFS.txt", "USERRAOS.txt", "WINDCOFS.txt"};
std::vector<UserFile> hawserFiles() {
  std::vector<UserFile> files;
  for (const char* name : kHawserFiles) files.push_back({name, caseFile("hawser-userraos", name)});
  return files;
}

// Its two warnings, as an unattended run writes them.
const std::string kOwnMotionsBox =
    " ++> Suspicious equivalent box\n"
    " --> Re-check input data and retry or proceed at risk...\n"
    "     The vessel's own motions (page 6, item 13) replace the box's; the box still\n"
    "     gives the summary's natural periods and damping, the driving forces of the\n"
    "     RAO report and the pitch and roll centres at which the surge and sway\n"
    "     statistics are given.\n";
const std::string kNaturalPeriods =
    " ++> Warning: A natural period of heave, pitch or roll lies outside the\n"
    "              assigned period array. Serious computational errors may result.\n";

struct GoesOn {
  std::vector<const char*> readme;  // the README's words for the warnings, in its list of those a run goes on past
  std::string image;
  std::vector<UserFile> files;
  std::vector<std::string> warnings;  // each once in "Diagnostics.stxt", as written there
  std::vector<std::string> absent;    // nowhere in "Diagnostics.stxt"
};

TEST(UnattendedStopsE2e, AnUnattendedRunGoesOnPastTheWarningsTheReadmeSaysItGoesOnPast) {
  const std::string tanker = example("tanker-yoke");
  const GoesOn cases[] = {
      {{"a suspicious equivalent box of a ship's hull",
        "a natural period of heave, pitch or roll outside the wave periods",
        "the suspicious box's warning names what the box still gives"},
       caseFile("hawser-userraos", "SALMDAT"),
       hawserFiles(),
       {kOwnMotionsBox, kNaturalPeriods},
       {}},
      // The tanker's box with a longitudinal metacentre of 60 m in place of 355 m: short and broad,
      // its waterplane far from the data set's. The box's motions are the vessel's: nothing more said.
      {{"a suspicious equivalent box of a ship's hull"},
       withWord(withWord(tanker, offsetof(Tpcm, VKML), 60.0f), offsetof(Tpcm, VKMT), 30.0f),
       {},
       {" ++> Suspicious equivalent box\n --> Re-check input data and retry or proceed at risk...\n"},
       {"The vessel's own motions"}},
      // A gust spectrum from 0.5 to 1.2 rad/s: the slow drift's surge frequency lies far below it.
      {{"a gust or current spectrum's density of 0 outside its file"},
       withWord(tanker, offsetof(Tpcm, WNDTYP), std::int32_t{6}),
       {{"WINDSPEC.txt", "3\n0.5 1.0\n0.8 3.0\n1.2 1.0\n"}},
       {" ++> Warning: User file \"WINDSPEC.txt\" holds frequencies"},
       {}},
      // The current turns from 170 to 180 degrees between 5 and 50 m, above the tanker's 16 m keel.
      {{"the current's heading at the surface kept down to the draft where a profile turns above it"},
       withWord(tanker, offsetof(Tpcm, LCSTCR), std::int32_t{3}),
       {{"CRNTPROF.txt", "3\n5.0 1.8 170\n50.0 1.0 180\n100.0 0.5 180\n"}},
       {" ++>  Note: The current direction specified in CRNTPROF.txt changes at a depth\n"},
       {}},
  };
  const std::string readme = testing_support::readmeText();
  for (const GoesOn& c : cases) {
    SCOPED_TRACE(c.readme.front());
    for (const char* words : c.readme) EXPECT_TRUE(contains(readme, words)) << "README.md: " << words;
    e2e::Folder folder;
    folder.writeFile("SALMDAT", c.image);
    for (const UserFile& file : c.files) folder.writeFile(file.name, file.bytes);
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(contains(run.err, kStopLine)) << run.err;
    const std::string diagnostics = folder.readFile("Diagnostics.stxt");
    EXPECT_FALSE(contains(diagnostics, kStopLine)) << diagnostics;
    for (const std::string& warning : c.warnings) EXPECT_EQ(occurrences(diagnostics, warning), 1u) << diagnostics;
    for (const std::string& words : c.absent) EXPECT_FALSE(contains(diagnostics, words)) << diagnostics;
    EXPECT_TRUE(folder.exists("STATOUT.stxt") && folder.exists("LOWOUT.stxt")) << "the run writes its reports";
    e2e::expectWithinTheConsole(folder, run, c.readme.front());
  }
}

// The questions and pauses of a transcript, in order, each as the first line of the message that
// comes before it (after the question before it; empty where none does), " -> " and its prompt. A
// message line begins " ++> " at the start of a line, or right after the prompt before it, where the
// reply's line end is not echoed.
std::vector<std::string> questionsOf(const std::string& transcript) {
  std::vector<std::string> questions;
  std::size_t from = 0;
  for (std::size_t at = transcript.find(kPause); at != std::string::npos; at = transcript.find(kPause, from)) {
    const bool abort = at >= kAbortQuestion.size() - kPause.size() &&
                       transcript.compare(at - (kAbortQuestion.size() - kPause.size()), kAbortQuestion.size(),
                                          kAbortQuestion) == 0;
    const std::size_t start = abort ? at - (kAbortQuestion.size() - kPause.size()) : at;
    const std::string before = "\n" + transcript.substr(from, start - from);
    const std::size_t message = before.find("\n ++> ");
    std::string line;
    if (message != std::string::npos) line = before.substr(message + 1, before.find('\n', message + 1) - message - 1);
    questions.push_back(line + " -> " + std::string(abort ? kAbortQuestion : kPause));
    from = at + kPause.size();
  }
  return questions;
}

TEST(UnattendedStopsE2e, EachQuestionOfTheHawserCaseAtTheConsoleComesAfterItsMessage) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", caseFile("hawser-userraos", "SALMDAT"));
  for (const UserFile& file : hawserFiles()) folder.writeFile(file.name, file.bytes);
  const e2e::Run run = folder.runAnalysis({"--interactive"}, kReturns);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  // The box, formed again at each heading of the low-frequency stage, asks once in the run.
  const std::vector<std::string> expected = {
      " ++> Suspicious equivalent box -> " + std::string(kAbortQuestion),
      " ++> Warning: A natural period of heave, pitch or roll lies outside the -> " + std::string(kPause),
  };
  EXPECT_EQ(questionsOf(run.out), expected) << run.out;
  EXPECT_EQ(occurrences(run.out, kOwnMotionsBox), 1u) << run.out;
}

}  // namespace
}  // namespace qv

// The help screens of page 8 and its sub-pages: their titles, the topics shown for "?" one screen
// each, which topic answers "?n", the apology for an item without help, and the binding numbers the
// texts must carry. The wording itself is not checked.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editor/load_model_help.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::screens;

using HelpRoutine = void (*)(std::int32_t, std::int32_t, std::int32_t);

const std::string kPause = "\n Press <RETURN> to continue: ";

struct Family {
  const char* name;
  HelpRoutine routine;
  const char* title;
  std::vector<std::string> headers;  // " ++> Item Number(s) ..." of each topic, in order
};

const std::vector<Family>& families() {
  static const std::vector<Family> all = {
      {"LOWVHP",
       LOWVHP,
       "Vessel Environmental Load Notes",
       {" ++> Item Numbers 1, 11, 21", " ++> Item Numbers 2->4, 12->14, 22->24", " ++> Item Numbers 5, 15",
        " ++> Item Numbers 6, 16", " ++> Item Number  7", " ++> Item Numbers 8, 18", " ++> Item Number  17",
        " ++> Item Number  19", " ++> Item Number  26", " ++> Item Numbers 27, 28", " ++> Item Number  29",
        " ++> Item Number  31"}},
      {"WNDFHP",
       WNDFHP,
       "Wind Load Model Notes",
       {" ++> Item Number  1", " ++> Item Number  2", " ++> Item Number  3", " ++> Item Number  4",
        " ++> Item Number  5"}},
      {"CURFHP",
       CURFHP,
       "Current Load Model Notes",
       {" ++> Item Number  1", " ++> Item Number  2", " ++> Item Number  3", " ++> Item Number  4",
        " ++> Item Number  5", " ++> Item Number  6", " ++> Item Number  7"}},
      {"WAVFHP",
       WAVFHP,
       "Wave Load Model Notes",
       {" ++> Item Number  1", " ++> Item Number  2", " ++> Item Number  3", " ++> Item Number  4",
        " ++> Item Number  5", " ++> Item Number  6", " ++> Item Number  7"}},
      {"WBOWHP", WBOWHP, "Wind-Associated Bow Shape Notes", {" ++> Item Numbers 1, 2", " ++> Item Number  3"}},
      {"OCIMHP",
       OCIMHP,
       "OCIMF '77 Current-Associated Bow Shape Notes",
       {" ++> Item Numbers 1,2", " ++> Item Number  3"}},
      {"NSMBHP",
       NSMBHP,
       "NSMB '91 Current-Associated Bow Shape Notes",
       {" ++> Item Numbers 1,2", " ++> Item Number  3"}},
      {"COFHLP",
       COFHLP,
       "User Coefficient Specification Notes",
       {" ++> Item Number  1", " ++> Item Number  2", " ++> Item Number  3"}},
  };
  return all;
}

// The screens of one call, with one blank reply for each pause.
std::vector<std::string> helpScreens(HelpRoutine routine, std::int32_t line, int pauses) {
  ConsoleCapture console(std::string(static_cast<std::size_t>(pauses), '\n'));
  routine(kScreenUnit, kKeyboardUnit, line);
  EXPECT_EQ(console.unread(), "") << "every pause read its reply, and nothing more";
  return screens(console.screen());
}

// The text of a topic: what stands between its header line and the pause.
std::string topicText(const std::string& screen, const std::string& header) {
  const std::size_t at = screen.find(header + "\n");
  if (at == std::string::npos) return "<no header " + header + ">";
  const std::size_t from = at + header.size() + 1;
  return screen.substr(from, screen.rfind(kPause) - from);
}

class LoadModelHelp : public testing_support::FreshRun {};

TEST_F(LoadModelHelp, TitleLineIsCentredBetweenAsteriskRuns) {
  // (73 - 36) / 2 = 18 asterisks for a title of 36 characters; 21 for 31; 14 for 44.
  EXPECT_EQ(helpTitleLine("User Coefficient Specification Notes"),
            " ******************  User Coefficient Specification Notes  ******************");
  EXPECT_EQ(helpTitleLine("Vessel Environmental Load Notes"),
            " *********************  Vessel Environmental Load Notes  *********************");
  EXPECT_EQ(helpTitleLine("OCIMF '77 Current-Associated Bow Shape Notes"),
            " **************  OCIMF '77 Current-Associated Bow Shape Notes  **************");
}

TEST_F(LoadModelHelp, AllTopicsOneScreenEachInOrder) {
  for (const Family& family : families()) {
    SCOPED_TRACE(family.name);
    const int count = static_cast<int>(family.headers.size());
    const std::vector<std::string> shown = helpScreens(family.routine, 0, count);
    // Entry 0 is what came before the first clear: nothing.
    ASSERT_EQ(shown.size(), family.headers.size() + 1);
    EXPECT_EQ(shown[0], "");
    EXPECT_TRUE(shown[1].starts_with(helpTitleLine(family.title) + "\n\n" + family.headers[0] + "\n")) << shown[1];
    for (int k = 0; k < count; ++k) {
      const std::string& screen = shown[static_cast<std::size_t>(k) + 1];
      if (k > 0) {
        EXPECT_TRUE(screen.starts_with(family.headers[static_cast<std::size_t>(k)] + "\n")) << screen;
      }
      EXPECT_TRUE(screen.ends_with("\n" + kPause)) << screen;
      const std::string text = topicText(screen, family.headers[static_cast<std::size_t>(k)]);
      EXPECT_GT(text.size(), 20u) << "topic " << k + 1 << " has its text";
      EXPECT_TRUE(text.ends_with("\n")) << text;
    }
  }
}

TEST_F(LoadModelHelp, EveryLineFitsEightyColumns) {
  for (const Family& family : families()) {
    ConsoleCapture console(std::string(family.headers.size(), '\n'));
    family.routine(kScreenUnit, kKeyboardUnit, 0);
    std::size_t from = 0;
    const std::string out = console.screen();
    for (std::size_t end; (end = out.find('\n', from)) != std::string::npos; from = end + 1) {
      std::string line = out.substr(from, end - from);
      if (!line.empty() && line[0] == '\f') line.erase(0, 1);
      EXPECT_LE(line.size(), 80u) << family.name << ": " << line;
    }
  }
}

TEST_F(LoadModelHelp, ItemNumberShowsTheTopicThatCoversIt) {
  struct Case {
    const char* family;
    std::vector<int> lines;
    int topic;  // 1-based; 0: no topic covers these lines
  };
  const Case cases[] = {
      {"LOWVHP", {1, 11, 21}, 1},
      // The model topic answers every number up to 4 but 1, negative ones included.
      {"LOWVHP", {2, 3, 4, 12, 13, 14, 22, 23, 24, -1, -7}, 2},
      {"LOWVHP", {5, 15}, 3},
      {"LOWVHP", {6, 16}, 4},
      {"LOWVHP", {7}, 5},
      {"LOWVHP", {8, 18}, 6},
      {"LOWVHP", {17}, 7},
      {"LOWVHP", {19}, 8},
      {"LOWVHP", {26}, 9},
      {"LOWVHP", {27, 28}, 10},
      {"LOWVHP", {29}, 11},
      {"LOWVHP", {31}, 12},
      {"LOWVHP", {9, 10, 20, 25, 30, 32, 99}, 0},
      {"WNDFHP", {4}, 4},
      {"WNDFHP", {6, -1}, 0},
      {"CURFHP", {2}, 2},
      {"CURFHP", {7}, 7},
      {"CURFHP", {8}, 0},
      {"WAVFHP", {1}, 1},
      {"WAVFHP", {6}, 6},
      {"WBOWHP", {1, 2}, 1},
      {"WBOWHP", {3}, 2},
      {"OCIMHP", {2}, 1},
      {"NSMBHP", {3}, 2},
      {"NSMBHP", {4, -2}, 0},
      {"COFHLP", {1}, 1},
      {"COFHLP", {3}, 3},
      {"COFHLP", {4}, 0},
  };
  for (const Case& c : cases) {
    const Family* family = nullptr;
    for (const Family& f : families())
      if (std::string(f.name) == c.family) family = &f;
    ASSERT_NE(family, nullptr);
    std::string expectedText;
    if (c.topic != 0) {
      const std::vector<std::string> all = helpScreens(family->routine, 0, static_cast<int>(family->headers.size()));
      const auto k = static_cast<std::size_t>(c.topic);
      expectedText = topicText(all[k], family->headers[k - 1]);
    }
    for (int line : c.lines) {
      SCOPED_TRACE(std::string(c.family) + " ?" + std::to_string(line));
      const std::vector<std::string> shown = helpScreens(family->routine, line, 1);
      ASSERT_EQ(shown.size(), 2u) << "one screen";
      char number[8];
      std::snprintf(number, sizeof number, "%2d", line);
      const std::string head = helpTitleLine(family->title) + "\n\n ++> Item Number  " + number + "\n";
      if (c.topic != 0) {
        EXPECT_EQ(shown[1], head + expectedText + kPause);
      } else {
        EXPECT_EQ(shown[1], head + "\n ++> Sorry, no help for this line...\n\n" + kPause);
      }
    }
  }
}

TEST_F(LoadModelHelp, TextsCarryTheBindingNumbers) {
  struct Case {
    HelpRoutine routine;
    std::int32_t line;
    std::vector<std::string> carries;
  };
  const Case cases[] = {
      {LOWVHP, 7, {"100*(Full Load FB)/(Simulation FB)", "100%", "32%", "\"Loaded\"", "\"Ballasted\""}},
      {LOWVHP, 17, {"100*(Simulation Draft)/(Full Load Draft)", "100%", "40%", "NSMB '91"}},
      {LOWVHP, 19, {"\"Mean\"", "40%"}},
      {LOWVHP, 27, {"1.0", ".67", "0.4", "\"Semi/TLP (2001)\"", "\"Caisson Spar\""}},
      {LOWVHP, 29, {"2001"}},
      {LOWVHP, 31, {"155 kDWT", "80 kDWT", "\"Small\"", "\"OCIMF '77 (extended)\""}},
      {WNDFHP, 1, {"\"LOWDAT\""}},
      {WNDFHP, 2, {"\"WINDCOFS.txt\"", "145", "180", "[0, 360]", ".5*Ah*Df*V^2*Cx", ".5*Ab*Df*V^2*Cy",
                   ".5*L*Ab*Df*V^2*Cz"}},
      {WNDFHP, 3, {".5*Dm*Cd*Ap*V^2"}},
      {WNDFHP, 4, {"155 kDWT", "80 kDWT"}},
      {WNDFHP, 5, {".5*Df*Cd*Ah*V^2*COS(Theta)", ".5*Df*Cd*Ab*V^2*SIN(Theta)", "Mz = 0"}},
      {CURFHP, 2, {"\"CRNTCOFS.txt\"", "145", "180", "[0, 360]"}},
      {CURFHP, 4, {"40%", "100%", "1.1, 1.2, 1.5, 3.0, 4.4", "1.1, 1.5, 4.4"}},
      {CURFHP, 5, {"200 kDWT", "1.1", "100%"}},
      {CURFHP, 6, {"190 kDWT", "1.05, 1.1, 1.2, 1.5, 3.0 and 6.0", "[1.05, 6.0]"}},
      {CURFHP, 7, {".5*Df*Cd*Ah*V^2*COS(Theta)"}},
      {WAVFHP, 1, {"\"DRFTCOFS.txt\"", "121", "145", "[0, 360]"}},
      {WAVFHP, 2, {"4.4"}},
      {WAVFHP, 6, {"4.4"}},
      {WBOWHP, 3, {"0.5"}},
      {NSMBHP, 3, {"with bulb (0)", "without bulb (1)", "0.5"}},
      {COFHLP, 1, {"[0, 180]", "[0, 360)"}},
      {COFHLP, 2, {"19", "10-degree", "13", "15", "10 at 20"}},
      {COFHLP, 3, {"Fx = .5*Dm*Cx*Ah*V^2", "Fy = .5*Dm*Cy*Ab*V^2", "Mz = .5*Dm*Cz*Ab*LBP*V^2",
                   "Fx = .5*Dw*Cx*B*a^2", "Fy = .5*Dw*Cy*LBP*a^2", "Mz = .5*Dw*Cz*LBP*LBP*a^2"}},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> shown = helpScreens(c.routine, c.line, 1);
    for (const std::string& number : c.carries)
      EXPECT_TRUE(contains(shown.back(), number)) << "?" << c.line << " lacks " << number << "\n" << shown.back();
  }
}

}  // namespace
}  // namespace qv

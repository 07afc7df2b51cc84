// Designs an engineer would make, tried through the real programs: a tanker in ballast, a long rigid
// hawser in shallow water, a yoke hinged high above a shallow site, a vessel under way in English
// and in metric units. Each runs to its end, or is refused before any stage naming the value in the
// unit the page shows. And the values that break or run away, one word of an example changed: each
// is refused naming its page and item, or warned of where the analysis can take it.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "example_sessions.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/lowdat_tables.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::withWord;
using namespace std::chrono_literals;

// Words of an image changed at once: the member at byte `offset` of TPCM (element k of a table at
// offset + 4 (k - 1)).
struct Word {
  std::size_t offset;
  float value;
};
std::string withWords(std::string image, const std::vector<Word>& words) {
  for (const Word& w : words) image = withWord(image, w.offset, w.value);
  return image;
}
constexpr std::size_t element(std::size_t table, int k) { return table + 4 * static_cast<std::size_t>(k - 1); }

// The tanker example's session with one typed line replaced, executed silently (choice 4 of the last
// page, then the closing pause).
e2e::Run executeChangedExample(const e2e::Folder& folder, const std::string& typed, const std::string& instead) {
  std::string session = examples::kTankerYokeSession;
  const std::size_t at = session.find(typed);
  EXPECT_NE(at, std::string::npos) << typed;
  if (at != std::string::npos) session.replace(at, typed.size(), instead);
  return folder.run(session + "4\n\n", 10s);
}

// A run that went to its end: status 0, the last report written, no fatal message.
void expectRunToItsEnd(const e2e::Folder& folder, const e2e::Run& run, const std::string& what) {
  ASSERT_FALSE(run.timedOut) << what;
  EXPECT_EQ(run.status, 0) << what << "\n" << run.err;
  EXPECT_TRUE(folder.exists("STATOUT.stxt")) << what;
  EXPECT_TRUE(folder.exists("RANOUT.stxt")) << what;
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_FALSE(contains(diagnostics, "Fatal")) << what << "\n" << diagnostics;
  EXPECT_FALSE(contains(run.err, "Fatal")) << what << "\n" << run.err;
}

// The tanker example's estimator at 8 m draft in place of 16 m: a tanker in ballast displaces
// 81,464 t against its 150,000 t deadweight, which only picks the size family of the wind model.
std::string ballastTanker(const e2e::Folder& folder) {
  const e2e::Run run = executeChangedExample(folder, "10\n16\n", "10\n8\n");
  expectRunToItsEnd(folder, run, "the tanker in ballast");
  return folder.readFile("SALMDAT");
}

TEST(SoundDesignsE2e, ATankerInBallastRuns) {
  e2e::Folder folder;
  const std::string image = ballastTanker(folder);
  ASSERT_EQ(image.size(), 4u * 4975u);
  EXPECT_LT(e2e::floatWord(image, offsetof(Tpcm, DISPL) / 4 + 1), e2e::floatWord(image, offsetof(Tpcm, DWTONS) / 4 + 1));
}

// A SALM in 35 m of water: a 20 m tube and an 8 m tank on a hinge at the sea bed, a 15 m buoy of
// 9 m through the surface, and a rigid hawser of 76 m (more than twice the depth) to the tanker.
TEST(SoundDesignsE2e, ALongHawserInShallowWaterRuns) {
  e2e::Folder folder;
  const std::string image = withWord(
      withWords(example("tanker-yoke"),
                {{offsetof(Tpcm, DEPTH), 35.0f},
                 {element(offsetof(Tpcm, SLEN), 1), 20.0f}, {element(offsetof(Tpcm, SLEN), 2), 8.0f},
                 {element(offsetof(Tpcm, SLEN), 3), 15.0f}, {element(offsetof(Tpcm, SLEN), 4), 76.0f},
                 {element(offsetof(Tpcm, BUOY), 1), 62.8f}, {element(offsetof(Tpcm, BUOY), 2), 226.0f},
                 {element(offsetof(Tpcm, BUOY), 3), 954.0f},
                 {element(offsetof(Tpcm, CBUOY), 1), 10.0f}, {element(offsetof(Tpcm, CBUOY), 2), 4.0f},
                 {element(offsetof(Tpcm, CBUOY), 3), 7.5f},
                 {element(offsetof(Tpcm, TMASS), 1), 50.0f}, {element(offsetof(Tpcm, TMASS), 2), 80.0f},
                 {element(offsetof(Tpcm, TMASS), 3), 250.0f}, {element(offsetof(Tpcm, TMASS), 4), 30.0f},
                 {element(offsetof(Tpcm, CGSALM), 1), 10.0f}, {element(offsetof(Tpcm, CGSALM), 2), 3.5f},
                 {element(offsetof(Tpcm, CGSALM), 3), 5.0f}, {element(offsetof(Tpcm, CGSALM), 4), 38.0f},
                 {element(offsetof(Tpcm, GYRAD), 1), 5.8f}, {element(offsetof(Tpcm, GYRAD), 2), 2.5f},
                 {element(offsetof(Tpcm, GYRAD), 3), 4.5f}, {element(offsetof(Tpcm, GYRAD), 4), 22.0f}}),
      offsetof(Tpcm, IARCO), std::int32_t{kRigidHawser});
  folder.writeFile("SALMDAT", image);
  expectRunToItsEnd(folder, folder.runAnalysis({}, "", 10s), "the long hawser");
}

// The tanker in ballast as an FSO in 20 m of water, its yoke hinged 22 m above the waterline: an
// 8 m tube and a 4 m tank hinged at the sea bed, a 12 m buoy through the surface, the 30 m yoke.
TEST(SoundDesignsE2e, AYokeHighAboveAShallowSiteRuns) {
  e2e::Folder ballast;
  const std::string image = ballastTanker(ballast);
  e2e::Folder folder;
  folder.writeFile("SALMDAT",
                   withWords(image, {{offsetof(Tpcm, DEPTH), 20.0f},
                                     {offsetof(Tpcm, YOKEHT), 22.0f},
                                     {offsetof(Tpcm, TLOAD), 2000.0f},
                                     {element(offsetof(Tpcm, SLEN), 1), 8.0f},
                                     {element(offsetof(Tpcm, SLEN), 2), 4.0f},
                                     {element(offsetof(Tpcm, SLEN), 3), 12.0f},
                                     {element(offsetof(Tpcm, BUOY), 1), 25.0f},
                                     {element(offsetof(Tpcm, BUOY), 2), 113.0f},
                                     {element(offsetof(Tpcm, BUOY), 3), 763.0f},
                                     {element(offsetof(Tpcm, CBUOY), 1), 4.0f},
                                     {element(offsetof(Tpcm, CBUOY), 2), 2.0f},
                                     {element(offsetof(Tpcm, CBUOY), 3), 6.0f},
                                     {element(offsetof(Tpcm, TMASS), 1), 20.0f},
                                     {element(offsetof(Tpcm, TMASS), 2), 40.0f},
                                     {element(offsetof(Tpcm, TMASS), 3), 200.0f},
                                     {element(offsetof(Tpcm, CGSALM), 1), 4.0f},
                                     {element(offsetof(Tpcm, CGSALM), 2), 2.0f},
                                     {element(offsetof(Tpcm, CGSALM), 3), 4.0f},
                                     {element(offsetof(Tpcm, GYRAD), 1), 2.3f},
                                     {element(offsetof(Tpcm, GYRAD), 2), 1.2f},
                                     {element(offsetof(Tpcm, GYRAD), 3), 3.5f}}));
  expectRunToItsEnd(folder, folder.runAnalysis({}, "", 10s), "the high yoke");
}

// The speed is stored per second and shown in knots; the bound is a Froude number of 0.5 on the
// waterline, 0.5 sqrt(g L): on the example's 270.95 m (888.95 ft) that is 25.77 m/s = 84.54 ft/s. 30 knots in English units runs; 60 knots in metric units is refused in
// knots.
TEST(SoundDesignsE2e, TheSpeedIsBoundedInItsStoredUnitAndNamedInKnots) {
  {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", example("tanker-yoke"));
    // Page 1: every value converted to English units; page 6: 30 knots; then silently executed.
    const e2e::Run run = folder.run("M\n3\n2\n\nJ6\n9\n30\n\nL\n4\n\n", 10s);
    expectRunToItsEnd(folder, run, "30 knots in English units");
  }
  for (const char* units : {"metric", "English"}) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", example("tanker-yoke"));
    const std::string convert = std::string(units) == "English" ? "3\n2\n\n" : "";
    const e2e::Run run = folder.run("M\n" + convert + "J6\n9\n60\n\nL\n4\n\n2\n\n", 10s);
    ASSERT_FALSE(run.timedOut) << units;
    EXPECT_EQ(run.status, 0) << units << run.out;
    const std::string diagnostics = folder.readFile("Diagnostics.stxt");
    // Page 6 turns knots into ft/s by 1.687 and into m/s by 0.514, which differ by a hundredth of a
    // percent: the same bound shows as 50.11 and 50.13 knots.
    const std::string limit = std::string(units) == "English" ? "50.11" : "50.13";
    EXPECT_TRUE(contains(diagnostics, " ++> Fatal Warning: Vessel speed (page 6, item 9) is 60.00 knots;\n"
                                      "     the analysis needs a speed from -" + limit + " to " + limit +
                                      " knots (a Froude number\n"))
        << units << "\n" << diagnostics;
    EXPECT_FALSE(folder.exists("STATOUT.stxt")) << units;
  }
}

// One word of the example changed: a sea steeper than breaking and a separation of the yoke's sides
// that makes their loads run away are refused before any stage; a regular wave that breaks at the
// grid's short periods, and a table's offset step of 0, which the statics take as 1 m, are warned
// of and the run goes on. The lengths are those of reference/wave_length_reference.py (tests/dataset):
// at 3 s in 100 m of water 14.037 m, at 4 s 24.955 m, at 24 s 663.43 m.
TEST(SoundDesignsE2e, ValuesThatBreakOrRunAwayAreNamed) {
  struct Case {
    const char* what;
    Word change;
    int status;
    std::string message;  // on standard error
  };
  const Case cases[] = {
      {"a sea of 4 m at 3 s", {offsetof(Tpcm, SIGPD), 3.0f}, 1,
       " ++> Fatal Warning: Significant height (page 15, item 6) is 4.00;\n"
       "     the analysis needs a height above 0 and at most 2.01 (a seventh of the wave\n"
       "     length 14.04 of the peak period 3.00 s (page 15, item 7) in the water\n"
       "     depth: a steeper sea breaks).\n"},
      {"a design wave of 50 m over the grid from 4 s", {offsetof(Tpcm, SLPHT), 50.0f}, 0,
       " ++> Warning: Wave height or slope (page 14, item 4) is 50.00;\n"},
      {"a design wave of 95 m, beyond 0.78 of the depth", {offsetof(Tpcm, SLPHT), 95.0f}, 1,
       " ++> Fatal Warning: Wave height or slope (page 14, item 4) is 95.00;\n"
       "     the analysis needs a height from 0.00 to 78.00 (0.78 of the water depth,\n"},
      {"the yoke's sides 1e-30 m apart", {offsetof(Tpcm, PNDARM), 1e-30f}, 1,
       " ++> Fatal Warning: Separation of attachment points (page 3, item 14 then 3)\n"
       "     is 1.0000E-30;\n"
       "     the analysis needs a separation from 0.30 (a hundredth of the length of the\n"},
      {"the yoke's sides -1e-30 m apart", {offsetof(Tpcm, PNDARM), -1e-30f}, 1,
       " ++> Fatal Warning: Separation of attachment points (page 3, item 14 then 3)\n"
       "     is -1.0000E-30;\n"},
      {"a table's maximum load of 0", {offsetof(Tpcm, TLOAD), 0.0f}, 1,
       " ++> Fatal Warning: Maximum horizontal load on Salm (page 2, item 2) is 0.00;\n"
       "     the analysis needs a value above 0 and at most 99990.00 (what the statics\n"
       "     report prints).\n"},
      // Members of 76, 30 and 30 m cannot reach 150 m of water and the yoke 12 m above it.
      {"a column too short for 150 m of water", {offsetof(Tpcm, DEPTH), 150.0f}, 1,
       " ++> Fatal Warning: The Salm column cannot reach the vessel's attachment. Its\n"
       "     top must stand 162.00 meters above its lowest free joint: the water\n"
       "     depth 150.00 meters (page 1, item 4) plus the yoke's height above the\n"},
      {"an offset step of 0", {offsetof(Tpcm, OFFINC), 0.0f}, 0,
       " ++> Warning: Offset increment for static offset table (page 2, item 3) is 0.00;\n"
       "     the statics take 1.00 meters in its place, the step of the static offset\n"
       "     report.\n"},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), c.change.offset, c.change.value));
    const e2e::Run run = folder.runAnalysis({}, "", 10s);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.err;
    EXPECT_TRUE(contains(run.err, c.message)) << c.what << "\n" << run.err;
    EXPECT_EQ(folder.exists("STATOUT.stxt"), c.status == 0) << c.what;
  }
}

// The final page gives the run's verdict: a column too short for the site is a fatal warning there,
// and a silent execution does not start.
TEST(SoundDesignsE2e, TheFinalPageRefusesAColumnTooShortForTheSite) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, DEPTH), 150.0f));
  const e2e::Run run = folder.run("M\nL\n4\n\n2\n\n", 10s);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_FALSE(contains(run.out, "passed preliminary error checks")) << run.out;
  EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"),
                       " ++> Fatal Warning: The Salm column cannot reach the vessel's attachment."));
  EXPECT_FALSE(folder.exists("STATOUT.stxt"));
}

// The user's response operators, bounded by what they are: "USERRAOS.txt" of two frequencies and
// two headings covering the grid, one yaw operator typed 99999 in place of 0.005.
TEST(SoundDesignsE2e, AUserOperatorBeyondAnyVesselsIsRefusedNamingItsLineAndColumn) {
  const auto file = [](const char* yaw) {
    std::string text = "2 2\n";
    for (const char* heading : {"0", "360"}) {
      text += std::string(heading) + "\n";
      for (const char* frequency : {"0.1", "2.0"}) {
        text += std::string(frequency) + " 0.1 0 0.1 0 1 0 0.5 0 0.5 0 " + (std::string(heading) == "360" && std::string(frequency) == "2.0" ? yaw : "0.005") + " 0\n";
      }
    }
    return text;
  };
  for (const char* yaw : {"0.005", "99999"}) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, AUXVSH), std::int32_t{1}));
    folder.writeFile("USERRAOS.txt", file(yaw));
    const e2e::Run run = folder.runAnalysis({}, "", 10s);
    ASSERT_FALSE(run.timedOut) << yaw;
    if (std::string(yaw) == "0.005") {
      EXPECT_EQ(run.status, 0) << run.err;
      continue;
    }
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(contains(run.err, " ++> User file \"USERRAOS.txt\", line 7, column 12 (the real part of the yaw\n"
                                  "     operator) is 99999.00;\n"
                                  "     the analysis needs a value from -100.00 to 100.00 (degrees of motion per\n"
                                  "     degree of wave slope).\n"))
        << run.err;
  }
}

// "LOWDAT" with the current table of 19 attack angles, 0 to 180 degrees (Cx = -0.5 cos a, Cy = 0.6
// sin a, Cz = 0.05 sin 2a), one coefficient typed as what is no number: refused before any stage
// naming the table, the row and the column on page 8.
TEST(SoundDesignsE2e, ALowdatCoefficientThatIsNoNumberIsNamedByTableRowAndColumn) {
  struct Case {
    float value;
    const char* named;
  };
  const Case cases[] = {{std::numeric_limits<float>::quiet_NaN(), "not a number"},
                        {-std::numeric_limits<float>::infinity(), "minus infinite"}};
  for (const Case& c : cases) {
    const std::string bytes = testing_support::currentTableWithRowThreeCz(c.value);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, LCBARG), std::int32_t{0x111}));
    folder.writeFile("LOWDAT", bytes);
    const e2e::Run run = folder.runAnalysis({}, "", 10s);
    ASSERT_FALSE(run.timedOut) << c.named;
    EXPECT_EQ(run.status, 1) << c.named;
    EXPECT_EQ(run.err.rfind(std::string(" ++> Fatal Warning: LOWDAT current table, row 3, Cz (page 8, item 15 then 3) is\n"
                                        "     ") +
                                c.named + ";\n     the analysis needs a finite number.\n",
                            0),
              0u)
        << run.err;
    EXPECT_FALSE(folder.exists("STATOUT.stxt"));
  }
}

// The debug level of the vessel response is 0 or 1: a reply of "?" or 5, or a word that is no number,
// is refused and asked again, as the other debug replies are; 0 (no listing) is taken, and the run goes
// on to the statics' own question.
TEST(SoundDesignsE2e, TheVesselResponsesDebugLevelIsBounded) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", withWord(example("tanker-yoke"), offsetof(Tpcm, NBUG0), std::int32_t{1}));
  const e2e::Run run = folder.runAnalysis({"--interactive"}, "?\n5\nabc\n0\n", 10s);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 2) << run.out;
  EXPECT_TRUE(contains(run.out, " ### In VESL1:\n Input NBUG:  ++> Out of range: enter a value from 0 to 1.\n"
                                " Input NBUG:  ++> Out of range: enter a value from 0 to 1.\n"
                                " Input NBUG:  ++> \"abc\" is not a number: enter a value from 0 to 1.\n"
                                " Input NBUG:  --> In Quorvel service for motions of tanker\n"))
      << run.out;
  EXPECT_TRUE(contains(run.out, " ### In STSALM:\n Input NBUG: ")) << run.out;
}

// Every debug level the run asks for (page 18's debug switch on) is 0 or 1, and a negative reply is
// refused as typed, never taken for 0: each stage of the tanker's and the free column's roads asks
// (the low-frequency report without a banner of its own), refuses "-5", and takes the 0 that
// follows, so that no listing is made and the run ends normally.
TEST(SoundDesignsE2e, EveryDebugLevelOfTheRunRefusesANegativeReply) {
  const std::string refusal = " ++> Out of range: enter a value from 0 to 1.\n";
  struct Case {
    const char* example;
    std::vector<std::string> banners;  // the routines that say where the question comes from
    std::size_t questions;             // the debug levels asked for
  };
  const Case cases[] = {
      {"tanker-yoke", {"VESL1", "STSALM", "SLOMOR", "DYNSLM", "MEMMOT", "MEMLOD", "MOMOUT", "RANOUT"}, 9},
      {"free-salm", {"STSALM", "FREMOT", "FRELOD", "MOMOUT", "RANOUT"}, 5},
  };
  const auto count = [](const std::string& text, const std::string& piece) {
    std::size_t n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withWord(example(c.example), offsetof(Tpcm, NBUG0), std::int32_t{1}));
    std::string script;
    for (std::size_t k = 0; k < c.questions; ++k) script += "-5\n0\n";
    const e2e::Run run = folder.runAnalysis({"--interactive"}, script, 60s);
    ASSERT_FALSE(run.timedOut) << c.example;
    EXPECT_EQ(run.status, 0) << c.example << "\n" << run.out;
    EXPECT_EQ(count(run.out, " Input NBUG: "), 2 * c.questions) << c.example << "\n" << run.out;
    EXPECT_EQ(count(run.out, " Input NBUG: " + refusal + " Input NBUG: "), c.questions) << c.example;
    EXPECT_EQ(count(run.out, " ### In "), c.banners.size()) << c.example;
    for (const std::string& stage : c.banners)
      EXPECT_TRUE(contains(run.out, " ### In " + stage + ":\n Input NBUG: " + refusal)) << c.example << ": " << stage;
    EXPECT_FALSE(contains(run.out, "INPUT SMPDRG:")) << c.example << ": a listing was made";
  }
}

}  // namespace
}  // namespace qv

// One rule per value, through the real runner on the tanker example. A value is checked wherever a
// stage that runs reads it: the storm's hours (page 17, item 51), which the low-frequency report
// prints and the slow drift and the vessel passes take, are refused with the wave-frequency
// dynamics off as with them on, and so is the switch of page 18, item 4, which the vessel passes
// read; 0 hours stays a storm of no duration. The range a refusal names is the one every check of
// the value admits: the bilge radius and the bilge keel's width (page 6, items 4 and 7) are not
// negative and within half the beam, so a refusal names 0.00 to 23.62, and each end typed as
// printed runs.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::flatMessage;
using testing_support::withWord;

struct Word {
  std::size_t offset;
  std::variant<std::int32_t, float> value;
};

// The tanker example with `words` changed, run unattended in a fresh folder.
struct TankerRun {
  e2e::Run run;
  std::string lowout;
  std::string message;  // standard error as one line
};
TankerRun runTanker(const std::vector<Word>& words) {
  std::string image = example("tanker-yoke");
  for (const Word& w : words) image = std::visit([&](auto v) { return withWord(image, w.offset, v); }, w.value);
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  TankerRun r{folder.runAnalysis(), "", ""};
  if (folder.exists("LOWOUT.stxt")) r.lowout = folder.readFile("LOWOUT.stxt");
  r.message = flatMessage(r.run.err);
  return r;
}

TEST(OneRulePerValueE2e, TheStormsHoursAreCheckedWhereverAStageReadsThem) {
  const std::string refusal = "; the analysis needs a value from 0.00 to 99.90 (hours: what the low-frequency "
                              "report prints).";
  struct Case {
    const char* what;
    std::int32_t dynamics;  // LDYN
    float hours;
    const char* named;  // the value as the refusal names it; nullptr: it runs
  };
  const Case cases[] = {
      {"100 hours, the dynamics off", 0, 100.0f, "is 100.00"},
      {"150 hours, the dynamics off", 0, 150.0f, "is 150.00"},
      {"-5 hours, the dynamics off", 0, -5.0f, "is -5.00"},
      {"99.91 hours, the dynamics off", 0, 99.91f, "is 99.91"},
      {"100 hours, the dynamics on", 1, 100.0f, "is 100.00"},
      {"-5 hours, the dynamics on", 1, -5.0f, "is -5.00"},
      // The ends named, typed as printed; a storm of no duration as before.
      {"99.90 hours, the dynamics off", 0, 99.9f, nullptr},
      {"0 hours, the dynamics off", 0, 0.0f, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TankerRun r = runTanker({{offsetof(Tpcm, LDYN), c.dynamics}, {offsetof(Tpcm, DURATN), c.hours}});
    if (c.named == nullptr) {
      EXPECT_EQ(r.run.status, 0) << r.run.err;
      EXPECT_FALSE(contains(r.lowout, "**** hr.")) << r.lowout;
      continue;
    }
    EXPECT_EQ(r.run.status, 1);
    EXPECT_TRUE(contains(r.message, "Storm duration (page 17, item 51) " + std::string(c.named) + refusal))
        << r.message;
    EXPECT_TRUE(r.lowout.empty());
  }
  // The hours as the low-frequency report prints them.
  EXPECT_TRUE(contains(runTanker({{offsetof(Tpcm, LDYN), 0}, {offsetof(Tpcm, DURATN), 99.9f}}).lowout,
                       "Extreme motion in 99.9 hr. storm"));
  EXPECT_TRUE(contains(runTanker({{offsetof(Tpcm, LDYN), 0}, {offsetof(Tpcm, DURATN), 0.0f}}).lowout,
                       "Extreme motion in  0.0 hr. storm"));
}

TEST(OneRulePerValueE2e, TheSwitchOfEveryHeadingsTablesIsCheckedWhereTheVesselPassesReadIt) {
  for (const std::int32_t dynamics : {0, 1}) {
    for (const std::int32_t all : {-1, 2, 0, 1}) {
      SCOPED_TRACE(::testing::Message() << "LDYN " << dynamics << ", ALLRAO " << all);
      const TankerRun r = runTanker({{offsetof(Tpcm, LDYN), dynamics}, {offsetof(Tpcm, ALLRAO), all}});
      if (all == 0 || all == 1) {
        EXPECT_EQ(r.run.status, 0) << r.run.err;
        continue;
      }
      EXPECT_EQ(r.run.status, 1);
      EXPECT_TRUE(contains(r.message, "Output RAOs at all intermediate angles (page 18, item 4) is " +
                                          std::to_string(all) + "; the analysis needs a value from 0 to 1."))
          << r.message;
    }
  }
}

TEST(OneRulePerValueE2e, TheRangeOfTheBilgeIsTheOneBothItsChecksAdmit) {
  const std::string range = "the analysis needs a value from 0.00 to 23.62 (half the beam, page 5, item 9).";
  struct Case {
    const char* label;
    std::size_t offset;
    std::vector<Word> reads;  // what makes the run read it
  };
  const Case cases[] = {
      {"Bilge radius at maximum beam station (page 6, item 4)", offsetof(Tpcm, BILGR), {}},
      {"Bilge keel width (page 6, item 7)", offsetof(Tpcm, RKEEL), {{offsetof(Tpcm, LKEEL), 1}}},
  };
  for (const Case& c : cases) {
    for (const float beyond : {1000.0f, -23.62f, -0.01f, 23.63f}) {
      std::vector<Word> words = c.reads;
      words.push_back({c.offset, beyond});
      const TankerRun r = runTanker(words);
      EXPECT_EQ(r.run.status, 1) << c.label << " at " << beyond;
      EXPECT_TRUE(contains(r.message, std::string(c.label) + " is ")) << r.message;
      EXPECT_TRUE(contains(r.message, range)) << r.message;
    }
    // Each end typed as printed passes every check.
    for (const float end : {0.0f, 23.62f}) {
      std::vector<Word> words = c.reads;
      words.push_back({c.offset, end});
      const TankerRun r = runTanker(words);
      EXPECT_FALSE(contains(r.message, c.label)) << r.message;
      EXPECT_EQ(r.run.status, 0) << c.label << " at " << end << "\n" << r.run.err;
    }
  }
}

}  // namespace
}  // namespace qv

// The page sequencer driven without the console: fake pages reply with scripted codes and record
// which slots showed their page.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "dataset/ioinit.h"
#include "dataset/tpcm.h"
#include "editor/salmed.h"
#include "util/nav_codes.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

struct Switches {
  int lquas = 1;
  int freslm = 0;
  int lwind = 1;
  int lcurnt = 1;
};

void setSwitches(const Switches& s) {
  resetAllBlocks();
  TPCM.LQUAS = s.lquas;
  TPCM.FRESLM = s.freslm;
  TPCM.LWIND = s.lwind;
  TPCM.LCURNT = s.lcurnt;
}

constexpr Switches kAttached{};
constexpr Switches kFree{0, 1, 1, 1};
constexpr Switches kNoVessel{0, 0, 1, 1};

class Sequencer : public testing_support::FreshRun {};

TEST_F(Sequencer, DispatchAfterASlot) {
  struct Case {
    int slot;
    Switches sw;
    int lback;
    int ipag;
    int next;
  };
  const Case cases[] = {
      // H redraws the page; slot 3's H goes on to slot 4.
      {1, kAttached, kNavHelp, 0, 1},
      {3, kAttached, kNavHelp, 0, 4},
      {14, kAttached, kNavHelp, 0, 14},
      // F, L and E.
      {9, kAttached, kNavFirst, 0, 1},
      {5, kAttached, kNavLast, 0, 20},
      {16, kAttached, kNavExecute, 0, 20},
      // S skips one page.
      {1, kAttached, kNavSkip, 0, 3},
      {3, kAttached, kNavSkip, 0, 6},
      {8, kAttached, kNavSkip, 0, 11},
      {18, kAttached, kNavSkip, 0, 20},
      {19, kAttached, kNavSkip, 0, 1},
      // J to the page number, out of range to slot 1.
      {2, kAttached, kNavJump, 7, 7},
      {2, kAttached, kNavJump, 20, 20},
      {2, kAttached, kNavJump, 0, 1},
      {2, kAttached, kNavJump, 25, 1},
      // B, blank and item numbers.
      {1, kAttached, kNavBack, 0, 20},
      {2, kAttached, kNavBack, 0, 1},
      {12, kAttached, kNavBack, 0, 11},
      {12, kFree, kNavBack, 0, 2},
      {14, kAttached, kNavBack, 0, 13},
      {7, kAttached, 0, 0, 8},
      {7, kAttached, 5, 0, 8},
      // Slots 1 to 12 go back on any code of -1 or less, slots 13 to 19 only on exactly -1.
      {6, kAttached, kNavM, 0, 5},
      {10, kAttached, kNavQuery, 0, 9},
      {14, kAttached, kNavM, 0, 15},
      {15, kAttached, kNavQuery, 0, 16},
      {19, kAttached, kNavBack, 0, 18},
      // Slot 17 goes back to the low-frequency page when the vessel pages are off.
      {17, kNoVessel, kNavBack, 0, 4},
      {17, kAttached, kNavBack, 0, 16},
      {17, kAttached, kNavC, 0, 16},
      {18, kAttached, kNavBack, 0, 17},
  };
  for (const Case& c : cases) {
    setSwitches(c.sw);
    TPCM.LBACK = c.lback;
    TPCM.IPAG = c.ipag;
    EXPECT_EQ(slotDispatch(c.slot, true), c.next) << "slot " << c.slot << " code " << c.lback;
  }
}

TEST_F(Sequencer, SkipRulesOnEntry) {
  struct Case {
    int slot;
    Switches sw;
    int lback;
    int target;  // 0: the page is shown
  };
  const Case cases[] = {
      {4, kAttached, 0, 0},  {4, kFree, 0, 6},       {5, kAttached, 0, 0},  {5, kNoVessel, 0, 17},
      {5, kFree, 0, 12},     {6, kNoVessel, 0, 17},  {8, kFree, 0, 12},     {7, kFree, 0, 0},
      {13, kAttached, 0, 0}, {13, kFree, kNavBack, 12}, {13, kFree, 0, 14}, {13, kFree, kNavM, 14},
  };
  for (const Case& c : cases) {
    setSwitches(c.sw);
    TPCM.LBACK = c.lback;
    EXPECT_EQ(slotSkipTarget(c.slot), c.target) << "slot " << c.slot;
  }
}

TEST_F(Sequencer, AfterTheFinalPage) {
  struct Case {
    int lback;
    int ipag;
    int next;
  };
  const Case cases[] = {
      {kNavHelp, 0, 20}, {kNavLast, 0, 20}, {kNavFirst, 0, 1}, {kNavSkip, 0, 2},  {kNavJump, 12, 12},
      {kNavJump, 30, 1}, {kNavBack, 0, 18}, {0, 0, 1},         {kNavExecute, 0, kEndRun},
      {-2, 0, kEndRun},  {101, 0, kEndRun}, {kNavM, 0, kEndRun},
  };
  for (const Case& c : cases) {
    setSwitches(kAttached);
    TPCM.LBACK = c.lback;
    TPCM.IPAG = c.ipag;
    EXPECT_EQ(afterFinalSlot(), c.next) << "code " << c.lback;
  }
  TPCM.LCOPY = 1;
  EXPECT_EQ(afterFinalSlot(), kReloadAfterFinal);
}

// A scripted editing run: each shown page takes the next reply (code and number) and the slots that
// showed a page are recorded.
struct Reply {
  int code;
  int number = -999;  // -999: the reply leaves IPAG alone, as a blank one does
};

struct ScriptedRun {
  Switches sw;
  int iarco = 0;
  std::deque<Reply> replies;
  std::vector<int> shown;
  int finishCalls = 0;
  int loads = 0;
  std::deque<int> startCodes{kStartNormal};
  std::deque<int> finishResults{0};

  void run() {
    SequencerHooks hooks;
    hooks.load = [this](int& startCode, char& choice) {
      ++loads;
      if (loads == 1) setSwitches(sw);
      startCode = startCodes.front();
      if (startCodes.size() > 1) startCodes.pop_front();
      choice = 'M';
    };
    hooks.page = [this](int slot) {
      shown.push_back(slot);
      if (slot == 3) TPCM.IARCO = iarco;
      if (replies.empty()) {  // the script ran out: record it and end the run
        ADD_FAILURE() << "no reply left at slot " << slot;
        TPCM.LBACK = kNavExecute;
        return;
      }
      const Reply r = replies.front();
      replies.pop_front();
      TPCM.LBACK = r.code;
      if (r.number != -999) TPCM.IPAG = r.number;
    };
    hooks.finish = [this] {
      ++finishCalls;
      const int r = finishResults.front();
      if (finishResults.size() > 1) finishResults.pop_front();
      return r;
    };
    runSequencer(hooks);
  }
};

std::deque<Reply> blanks(int n, Reply last = {kNavExecute}) {
  std::deque<Reply> r(static_cast<std::size_t>(n), Reply{0});
  r.push_back(last);
  return r;
}

TEST_F(Sequencer, SequencesBySwitches) {
  struct Case {
    const char* what;
    Switches sw;
    int iarco;
    std::vector<int> shown;
  };
  // sequencerDefaults switches the vessel pages on for every load; the cases use choice M, which
  // keeps LQUAS, LWIND and LCURNT as the data set has them.
  const Case cases[] = {
      {"attached, wind and current on", kAttached, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20}},
      {"wind and current off", {1, 0, 0, 0}, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 20}},
      {"free SALM", kAttached, -1, {1, 2, 3, 12, 14, 15, 16, 17, 18, 20}},
      {"vessel pages off", kNoVessel, 0, {1, 2, 3, 4, 17, 18, 20}},
  };
  for (const Case& c : cases) {
    ScriptedRun run;
    run.sw = c.sw;
    run.iarco = c.iarco;
    run.replies = blanks(static_cast<int>(c.shown.size()) - 1);
    run.run();
    EXPECT_EQ(run.shown, c.shown) << c.what;
    EXPECT_EQ(run.finishCalls, 1) << c.what;
  }
}

TEST_F(Sequencer, RoadsThroughThePages) {
  struct Case {
    const char* what;
    Switches sw;
    int iarco;
    std::deque<Reply> replies;
    std::vector<int> shown;
  };
  const Case cases[] = {
      {"J12 with the current off shows page 13", {1, 0, 1, 0}, 0,
       {{kNavJump, 12}, {kNavExecute}, {kNavExecute}}, {1, 13, 20}},
      {"J25 and J0 show page 1", kAttached, 0,
       {{kNavJump, 25}, {kNavJump, 0}, {kNavExecute}, {kNavExecute}}, {1, 1, 1, 20}},
      {"J19 reaches the final page through the empty slot", kAttached, 0,
       {{kNavJump, 19}, {kNavExecute}}, {1, 20}},
      {"E on a page leads to the final page, not to the save", kAttached, 0,
       {{kNavExecute}, {kNavExecute}}, {1, 20}},
      {"B on page 14 goes back, M moves on", kAttached, 0,
       {{kNavJump, 14}, {kNavBack}, {kNavM}, {kNavM}, {kNavExecute}, {kNavExecute}}, {1, 14, 13, 14, 15, 20}},
      {"after the final page: B shows 18, blank shows 1", kAttached, 0,
       {{kNavExecute}, {kNavBack}, {kNavExecute}, {0}, {kNavExecute}, {kNavExecute}}, {1, 20, 18, 20, 1, 20}},
      {"S on the final page shows page 2", kAttached, 0,
       {{kNavExecute}, {kNavSkip}, {kNavExecute}, {kNavExecute}}, {1, 20, 2, 20}},
      {"B on page 12 of a free SALM shows page 2", kAttached, -1,
       {{0}, {0}, {0}, {kNavBack}, {kNavExecute}, {kNavExecute}}, {1, 2, 3, 12, 2, 20}},
      {"H on page 3 of a free SALM with the current off passes the empty slot", {1, 0, 1, 0}, -1,
       {{0}, {0}, {kNavHelp}, {kNavExecute}, {kNavExecute}}, {1, 2, 3, 14, 20}},
      {"B on page 1 shows the final page", kAttached, 0, {{kNavBack}, {kNavExecute}}, {1, 20}},
  };
  for (const Case& c : cases) {
    ScriptedRun run;
    run.sw = c.sw;
    run.iarco = c.iarco;
    run.replies = c.replies;
    run.run();
    EXPECT_EQ(run.shown, c.shown) << c.what;
    EXPECT_TRUE(run.replies.empty()) << c.what;
  }
}

TEST_F(Sequencer, StartCodesHardCopyAndReturnFromSave) {
  {  // Start code 3000 goes straight to the final page.
    ScriptedRun run;
    run.startCodes = {kStartFinalPage};
    run.replies = {{kNavExecute}};
    run.run();
    EXPECT_EQ(run.shown, (std::vector<int>{20}));
  }
  {  // The final page starts a hard-copy pass: the load is called again, returns 200, every page once.
    ScriptedRun run;
    run.sw = {1, 0, 0, 0};
    run.startCodes = {kStartNormal, kStartAfterHardCopy};
    run.replies = {{kNavExecute}};
    SequencerHooks hooks;
    std::vector<int> shown;
    int loads = 0;
    hooks.load = [&](int& startCode, char& choice) {
      if (++loads == 1) setSwitches(run.sw);
      startCode = loads == 1 ? kStartFinalPage : kStartAfterHardCopy;
      choice = 'M';
    };
    hooks.page = [&](int slot) {
      shown.push_back(slot);
      if (slot == 20) {
        if (loads == 1) {  // the final page starts the pass
          TPCM.LCOPY = 1;
          TPCM.LBACK = kNavFirst;
        } else {           // the menu closes the listing and completes the action
          TPCM.LCOPY = 0;
          TPCM.LBACK = kNavExecute;
        }
      } else {
        TPCM.LBACK = 0;
      }
    };
    int finishes = 0;
    hooks.finish = [&] { return ++finishes, 0; };
    runSequencer(hooks);
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(shown, (std::vector<int>{20, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 16, 17, 18, 20}));
    EXPECT_EQ(finishes, 1);
  }
  {  // The save returns 1: back to the final page; the saved image holds EDUNIT 0.
    ScriptedRun run;
    run.startCodes = {kStartFinalPage};
    run.finishResults = {1, 0};
    run.replies = {{kNavExecute}, {kNavExecute}};
    run.run();
    EXPECT_EQ(run.shown, (std::vector<int>{20, 20}));
    EXPECT_EQ(run.finishCalls, 2);
  }
}

TEST_F(Sequencer, SettingsForOpenedAndNewDataSets) {
  resetAllBlocks();
  TPCM.VESTYP = 3;
  TPCM.ISPM = 4;
  TPCM.MAXANG = 5;
  TPCM.MAXSEA = 7;
  TPCM.LGAP = 2;
  TPCM.NELEM = 12;
  sequencerDefaults('M');
  EXPECT_EQ(TPCM.VESTYP, 3);  // the vessel the user chose stays
  EXPECT_EQ(TPCM.SEMI_LIKE, 1);
  EXPECT_EQ(TPCM.ISPM, 1);
  EXPECT_EQ(TPCM.MAXANG, 36);
  EXPECT_EQ(TPCM.MAXSEA, 1);
  EXPECT_EQ(TPCM.MAXPRM, 1);
  EXPECT_EQ(TPCM.MAXDIR, 1);
  EXPECT_EQ(TPCM.LGAP, 0);
  EXPECT_EQ(TPCM.NELEM, 12);  // an opened data set keeps its elements
  EXPECT_EQ(TPCM.YOKVES, 0.0f);  // and its yoke-vessel angle, which the run checks warn of

  sequencerDefaults('C');
  EXPECT_EQ(TPCM.VESTYP, 1);  // a new data set starts as a ship
  EXPECT_EQ(TPCM.SEMI_LIKE, 0);
  EXPECT_EQ(TPCM.NELEM, 1);
  EXPECT_EQ(TPCM.NTAB, 90);
  EXPECT_EQ(TPCM.IPIERC, 1);
  EXPECT_EQ(TPCM.LQUAS, 1);
  EXPECT_EQ(TPCM.LDYN, 1);
  EXPECT_EQ(TPCM.PRNRAO, 1);
  EXPECT_EQ(TPCM.LMOTN, 0);
  EXPECT_EQ(TPCM.LOADED, 100.0f);
  EXPECT_EQ(TPCM.YOKVES, 3.1415927f);  // the yoke in line with the SALM [rad]
  for (int i = 1; i <= 40; ++i) {
    EXPECT_EQ(TPCM.COFMST(i), 1.0f) << i;
    EXPECT_EQ(TPCM.COFDMT(i), 1.0f) << i;
  }
}

TEST_F(Sequencer, AnOpenedDataSetKeepsItsVesselTypeAndItsSwitchFollowsTheType) {
  struct Case {
    std::int32_t stored;      // VESTYP as loaded
    std::int32_t semiLike;    // SEMI_LIKE as loaded, at odds with the type
    std::int32_t vestyp;      // after the sequencer's settings
    std::int32_t expectedSemi;
  };
  const Case cases[] = {
      {1, 1, 1, 0}, {2, 1, 2, 0}, {3, 0, 3, 1}, {4, 1, 4, 0}, {5, 0, 5, 1}, {6, 0, 6, 1},
      {0, 1, 1, 0}, {7, 1, 1, 0}, {-3, 0, 1, 0}, {1000, 1, 1, 0},  // no such type: a ship
  };
  for (const Case& c : cases) {
    resetAllBlocks();
    TPCM.VESTYP = c.stored;
    TPCM.SEMI_LIKE = c.semiLike;
    sequencerDefaults('M');
    EXPECT_EQ(TPCM.VESTYP, c.vestyp) << c.stored;
    EXPECT_EQ(TPCM.SEMI_LIKE, c.expectedSemi) << c.stored;
  }
}

TEST_F(Sequencer, WhatASessionSavesCarriesThisProgramsHeaderWhateverRoadLoadedIt) {
  // The start menu's E loads without stamping the header: a damaged size word, an older year and a
  // version within the tolerance of the version test reach the save as they were loaded.
  resetAllBlocks();
  SequencerHooks hooks;
  hooks.load = [](int& startCode, char& choice) {
    TPCM.NTOGO = 4000;
    TPCM.CREATR = kSimQuorvel;
    TPCM.VERNO = 6.8005f;
    TPCM.IYEAR = 2011;
    startCode = kStartFinalPage;
    choice = 'E';
  };
  hooks.page = [](int) { TPCM.LBACK = kNavExecute; };
  struct Header {
    std::int32_t NTOGO = 0, CREATR = 0, IYEAR = 0;
    float VERNO = 0.0f;
  } saved;
  hooks.finish = [&] {
    saved = {TPCM.NTOGO, TPCM.CREATR, TPCM.IYEAR, TPCM.VERNO};
    return 0;
  };
  runSequencer(hooks);
  EXPECT_EQ(saved.NTOGO, 4975);
  EXPECT_EQ(saved.CREATR, kSimQuorvel);
  EXPECT_EQ(saved.VERNO, 6.8f);
  EXPECT_EQ(saved.IYEAR, 2020);
}

}  // namespace
}  // namespace qv

#include <gtest/gtest.h>

#include <filesystem>

#include "dataset/finish.h"
#include "editor/fintop.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"
#include "util/nav_codes.h"

namespace qv {
namespace {

struct MenuCall {
  std::int32_t simtyp = 11;
  std::int32_t nwarn = 0, nfatal = 0;
  std::int32_t lcopy = 0, edunit = 6, untsav = 0, lback = 0, ipag = 0;
  std::int32_t iret = -1;
  std::string screen;

  void run(const std::string& script, std::int32_t aux = 0) {
    testing_support::ConsoleCapture console(script);
    FINTOP("19", simtyp, iret, "SALMIN.stxt ", "DRAVOKET    ", ipag, lcopy, edunit, untsav, lback, nwarn, nfatal,
           aux);
    screen = console.screen();
  }
};

class Fintop : public testing_support::FreshRun {};

TEST_F(Fintop, MenuOfThisEditor) {
  fintopState.reset();
  MenuCall call;
  call.run("\n");
  EXPECT_EQ(call.screen,
            "\f                   ****  Page 19: End of Session  ****\n"
            "\n\n"
            " 1) Exit to operating system and update data file\n"
            " 2) Exit to operating system WITHOUT updating data file\n"
            "\n"
            " 3) Execute simulation in interactive mode\n"
            " 4) Execute simulation in silent mode\n"
            "\n"
            " 5) Produce diskfile of input data\n"
            " 6) Produce \"WAVEOUT\" file containing regular wave kinematics data\n"
            "\n"
            " 7) Import Vessel and environment data from an external file\n"
            " 8) Import mooring system data from an external file\n"
            "\n"
            "  (Press <RETURN> to review data)\n"
            " \n"
            " Enter number of selection (\"H\" for help): ");
  EXPECT_EQ(call.iret, kFintopLeave);
  EXPECT_EQ(call.lback, 0);
}

TEST_F(Fintop, Choices) {
  struct Case {
    const char* what;
    std::string script;
    std::int32_t nwarn, nfatal;
    std::int32_t iret, lback;
  };
  const Case cases[] = {
      {"save and exit", "1\n", 0, 0, kFintopLeave, -2},
      {"exit without saving", "2\n", 0, 0, kFintopLeave, 101},
      {"execute: run the checks", "3\n", 0, 0, kFintopRunChecks, kNavExecute},
      {"execute with fatal warnings", "3\n", 0, 2, kFintopRunChecks, kNavExecute},
      {"execute with warnings only", "3\n", 1, 0, kFintopLeave, kNavExecute},
      {"E as 3", "e\n", 1, 0, kFintopLeave, kNavExecute},
      {"back", "b\n", 0, 0, kFintopLeave, kNavBack},
      {"jump", "j5\n", 0, 0, kFintopLeave, kNavJump},
      {"9 and 10 are not offered here, 11 is no choice", "9\n10\n11\n2\n", 0, 0, kFintopLeave, 101},
  };
  for (const Case& c : cases) {
    fintopState.reset();
    MenuCall call;
    call.nwarn = c.nwarn;
    call.nfatal = c.nfatal;
    call.run(c.script);
    EXPECT_EQ(call.iret, c.iret) << c.what;
    EXPECT_EQ(call.lback, c.lback) << c.what;
  }
}

TEST_F(Fintop, ListingAndSilentChoices) {
  testing_support::TempDir dir;
  fintopState.reset();
  MenuCall call;
  call.run("5\n");
  EXPECT_EQ(call.iret, kFintopLeave);
  EXPECT_EQ(call.lback, kNavFirst);
  EXPECT_EQ(call.lcopy, 1);
  EXPECT_EQ(call.edunit, 1);
  EXPECT_EQ(call.untsav, 6);
  EXPECT_EQ(unitFileName(1), "SALMIN.stxt");
  EXPECT_FALSE(std::filesystem::exists("SALMIN.stxt")) << "the folder receives the listing whole, at its end";

  // The pass ends: the listing goes to the folder, the unit is restored, and the menu comes back.
  call.lback = 0;
  call.run("2\n");
  EXPECT_TRUE(std::filesystem::exists("SALMIN.stxt"));
  EXPECT_EQ(call.lcopy, 0);
  EXPECT_EQ(call.edunit, 6);
  EXPECT_FALSE(unitConnected(1));
  EXPECT_NE(call.screen.find("End of Session"), std::string::npos);
  EXPECT_EQ(call.lback, 101);

  // After "save and exit" was chosen, the end of a pass returns the save code without a menu.
  fintopState.reset();
  fintopState.SAVEDATA = 1;
  MenuCall pass;
  pass.lcopy = 1;
  pass.edunit = 6;
  pass.untsav = 6;
  pass.run("");
  EXPECT_EQ(pass.iret, kFintopLeave);
  EXPECT_EQ(pass.lback, -2);
  EXPECT_EQ(pass.screen, "");

  // A save that did not go through brings the menu back; an execution chosen there ends its
  // listing pass in the execution, not in that save.
  for (const char* execute : {"3\n", "e\n", "4\n"}) {
    fintopState.reset();
    MenuCall failedSave;
    failedSave.run("1\n");
    EXPECT_EQ(failedSave.lback, -2);
    failedSave.run(execute);
    EXPECT_EQ(failedSave.lback, kNavExecute) << execute;
    failedSave.nwarn = failedSave.nfatal = 0;
    failedSave.lcopy = 1;
    failedSave.untsav = failedSave.edunit;
    failedSave.edunit = 1;
    failedSave.run("");
    EXPECT_EQ(failedSave.iret, kFintopLeave) << execute;
    EXPECT_EQ(failedSave.lback, kNavExecute) << execute << ": the execution, not the save";
    closeAllUnits();
    releaseExecutionHold();
  }

  // Silent execution: the rest of the session writes to "Diagnostics.stxt".
  fintopState.reset();
  MenuCall silent;
  silent.nwarn = 3;
  silent.run("4\n");
  EXPECT_EQ(silent.edunit, 41);
  EXPECT_EQ(silent.nwarn, 0);
  EXPECT_EQ(silent.iret, kFintopRunChecks);
  EXPECT_EQ(silent.lback, kNavExecute);
  EXPECT_EQ(unitFileName(41), "Diagnostics.stxt");
  closeAllUnits();
}

TEST_F(Fintop, HelpNotes) {
  fintopState.reset();
  MenuCall call;
  call.ipag = 0;
  call.run("?7\n\n2\n");
  EXPECT_NE(call.screen.find(" ++> Item Number  7\n"), std::string::npos);
  EXPECT_NE(call.screen.find("relative path to a copy in the working directory"), std::string::npos);
  EXPECT_EQ(call.lback, 101);
  MenuCall none;
  none.run("?12\n\n2\n");
  EXPECT_NE(none.screen.find(" ++> Sorry, no help for this line..."), std::string::npos);
}

}  // namespace
}  // namespace qv

// Starting other programs: a program found beside this executable, run without a shell so that its
// path needs no quoting, its exit status handed back, and a missing one told apart; and a unit bound
// to the console.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/system_command.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

TEST(SystemCommand, ProgramsRunWithTheirArgumentsAndStatus) {
  struct Case {
    std::string program;
    std::vector<std::string> arguments;
    int status;
  };
  const Case cases[] = {
      {"/bin/sh", {"-c", "exit 3"}, 3},
      {"/bin/sh", {"-c", "test \"$1\" = 'a b'", "sh", "a b"}, 0},  // one argument with a blank
      {"/bin/sh", {"-c", "kill -9 $$"}, -1},                      // ended by a signal
      {"/nonexistent/quorvel-run", {}, kCommandNotFound},
  };
  for (const Case& c : cases) EXPECT_EQ(runProgram(c.program, c.arguments), c.status) << c.arguments.front();
}

TEST(SystemCommand, AProgramBesideThisOneIsInThisExecutablesFolder) {
  const fs::path self = fs::read_symlink("/proc/self/exe");
  EXPECT_EQ(fs::path(programBesideThisOne("quorvel-run")), self.parent_path() / "quorvel-run");

  // A folder whose name has a blank: the program there runs in the current folder.
  testing_support::TempDir dir;
  fs::create_directory("with blank");
  const fs::path script = fs::current_path() / "with blank" / "probe";
  testing_support::writeFileText(script.string(), "#!/bin/sh\ntouch ran-here\nexit 4\n");
  fs::permissions(script, fs::perms::owner_all);
  EXPECT_EQ(runProgram(script.string(), {}), 4);
  EXPECT_TRUE(fs::exists("ran-here"));
}

class ConsoleUnit : public testing_support::FreshRun {};

TEST_F(ConsoleUnit, AUnitBoundToTheConsoleWritesOnTheScreen) {
  testing_support::ConsoleCapture console;
  connectUnitToConsole(kDiagnosticsUnit);
  EXPECT_TRUE(unitConnected(kDiagnosticsUnit));
  writeRecord(kDiagnosticsUnit, " >>> on the screen");
  EXPECT_TRUE(closeUnit(kDiagnosticsUnit));
  EXPECT_FALSE(unitConnected(kDiagnosticsUnit));
  EXPECT_EQ(console.screen(), " >>> on the screen\n");
}

}  // namespace
}  // namespace qv

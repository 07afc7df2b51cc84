// The analysis run of the program quorvel-run: it loads the data set of the current folder as an
// unattended session (no question is ever asked of the load), checks the period grid and the counts
// that the stages index their tables with, and runs the stages the data set calls for, each once, in
// the order of the data they pass on (setUpRunData says what it sets for them):
//
//   free SALM (FRESLM not 0)    statics STSALM; then FREMOT when LDYN is not 0
//   attached, LQUAS 0           statics STSALM only
//   attached, LQUAS not 0       vessel passes VESL1, VESL2, VESL3; the current profile; statics
//                               STSALM; slow drift SLOMOR; the low-frequency report LOWPRT (also
//                               when LOWMOT is 0: it hands the low-frequency peaks on); then DYNSLM
//                               when LDYN is not 0
//
// Modes: unattended (no argument) and silent ("--silent") write every message to "Diagnostics.stxt"
// on unit 41, made fresh or continued, and every report to its file; interactive ("--interactive")
// talks on the console, and the reports go where the data set's IUNIT says. The data set in memory is
// changed by the stages (the statics turns volumes into forces) and is never saved.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

enum class RunMode {
  kUnattended,  // no argument: a fresh "Diagnostics.stxt"
  kSilent,      // "--silent": the editor's silent execution, its "Diagnostics.stxt" continued
  kInteractive  // "--interactive": messages and questions on the console
};

inline constexpr std::string_view kRunUsage = "Usage: quorvel-run [--silent | --interactive]";
// What "--help" prints after the usage line: the modes, each on its own lines within the console.
inline constexpr std::string_view kRunHelp =
    "Runs the analysis of the data set \"SALMDAT\" in the current folder.\n"
    "  (no argument)    messages to a fresh \"Diagnostics.stxt\", reports to their\n"
    "                   files\n"
    "  --silent         the same, continuing \"Diagnostics.stxt\"\n"
    "  --interactive    messages and questions on the console, reports where\n"
    "                   page 18 says\n"
    "Ends with status 0, 1 after a failure, 2 when the keyboard input ends.";

// The mode the command-line arguments (the program's name left out) ask for; nothing for any other
// argument or more than one.
std::optional<RunMode> runModeOf(const std::vector<std::string_view>& arguments);

// A member of the data set TPCM that a stage changes: its name and its bytes in the block.
struct TpcmMember {
  std::string_view name;
  std::size_t offset;  // [bytes from the start of TPCM]
  std::size_t size;    // [bytes]
};

// One stage of a run: its routine's name and the routine, and its contract with the other stages,
// in the names of the data blocks that register their bytes (platform/block_reset.h):
//   writes   the blocks it may change (TPCM apart);
//   changes  the members of the data set TPCM it may change, in memory (the run never saves);
//   reads    the blocks it takes from the stages before it, each written by an earlier stage of
//            every road that runs it, or set by the load and the run's set-up (TPCM, read by every
//            stage, and LOWCOF); a block it writes but leaves partly as an earlier stage wrote it,
//            for a later stage to take, is a read too.
// A block it fills before it reads it is a write only. A routine's kept state (its caches, the
// warnings it gives once per run) is that routine's own and no part of the contract: no stage takes
// a value from another through one. A test runs the committed examples and a road each of a
// semi-submersible and a discus buoy stage by stage and holds each stage to its contract byte for
// byte: its writes, and again with every block it does not read filled with values that are no
// number, which must leave its writes and its files as they were.
struct AnalysisStage {
  std::string_view name;
  void (*run)();
  std::span<const std::string_view> writes;
  std::span<const TpcmMember> changes;
  std::span<const std::string_view> reads;
};

// The blocks that the load and the run's set-up fill before any stage.
inline constexpr std::string_view kLoadedBlocks[] = {"TPCM", "LOWCOF"};

// The stages the data set in TPCM calls for, in their order.
std::vector<AnalysisStage> stagesOf();

// What the run sets for itself before any stage, in memory only (the data set is never saved):
//   - LSPM (1) and the count of moment elements NMOMT, as the final page's checks settle them, for a
//     data set saved without those checks (choice 1 of the last page);
//   - when the vessel response runs for a tanker on the yoke (ISPM 1): the yoke's hinge on the
//     vessel as the first vessel point, unless the data set names one (RACC(., 1) not all zero), at
//     x = XSALM, y = 0 and z = DRAFT + YOKEHT above the keel (the keel for a buoyant riser), and the
//     displacements of the vessel points (LDSP): they are the yoke's motions that "YOKEMOT" hands
//     to the SALM dynamics, and no page sets them.
void setUpRunData();

// Before any stage: the period grid (at least 3 periods, positive, increasing, equally spaced), the
// counts that would index past a fixed table, and the findings of runFindings() (warnings written,
// the first fatal one stops). A failure stops the run naming the page to mend.
void checkRunData();

// The whole run in `mode`, in the current folder held for it (run/run_folder.h): prepareRun, every
// stage of stagesOf() through runStage, the finite values of the last one, and then every file of the
// run into the folder at once. Ends by returning; a failure stops through qv::Stop, keeping only the
// run's messages. Without a data file, with the folder held by another run, or with a folder that
// cannot take the messages file, it stops before anything and changes no file.
void runAnalysis(RunMode mode);
// The run up to its first stage: the messages connected, the data set loaded, the units settled,
// setUpRunData and checkRunData.
void prepareRun(RunMode mode);
// One stage, after the check that every value the stages before it left is finite (a value that is
// no number stops the run, naming the stage).
void runStage(const AnalysisStage& stage);

// Kept for the program's end: where this run's messages began in "Diagnostics.stxt" (-1: the run
// never opened it), the lines the run wrote there, and the line that says the file could not be
// written (none when it was, or when there was no such file).
struct AnalysisRunState {
  std::int64_t diagnosticsStart = -1;
  std::vector<std::string> messages;
  std::vector<std::string> messagesNotKept;
  std::vector<std::string> unansweredStop;  // what a run stopped where nobody could go on says of it
  void reset() { *this = AnalysisRunState{}; }
};
extern AnalysisRunState analysisRunState;

// The message a stopped unattended or silent run copies to standard error: the message of the fatal
// stop that ended it; otherwise the last " ++> " line that this run wrote to "Diagnostics.stxt"
// with the lines that continue it (indented by five blanks); without one, a line that names the
// routine that stopped; then, for a run stopped where a run at the console goes on (a warning, a
// pause, a question: FatalStopState::unanswered), the lines that say so; then the line saying that
// "Diagnostics.stxt" could not be written, if it could not. Each line ends in a line end.
std::string stopMessage(std::string_view routine);

}  // namespace qv

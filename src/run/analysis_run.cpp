#include "run/analysis_run.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "dataset/ioinit.h"
#include "dataset/lowcof.h"
#include "dataset/program_identity.h"
#include "dataset/run_checks.h"
#include "dataset/salm_elements.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "dynamics/dynslm.h"
#include "dynamics/fremot.h"
#include "dynamics/riser_reach.h"
#include "lowfreq/current_profile.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "run/run_folder.h"
#include "slowdrift/lowprt.h"
#include "slowdrift/pekcom.h"
#include "slowdrift/slomor.h"
#include "statics/stsalm.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/staged_files.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/period_grid.h"

namespace qv {

constinit AnalysisRunState analysisRunState{};
const BlockReset resetAnalysisRunState{[] { analysisRunState.reset(); }};

namespace {

constexpr std::string_view kRunner = kRunnerName;

// The current profile of the run, built once before the statics: the current force model of the
// slow drift reads it at the vessel's draft.
void buildCurrentProfile() {
  float spacing = 0.0f;
  CURPROF_INIT(TPCM.DRAFT, spacing, TPCM.EDUNIT, kKeyboardUnit);
}

// The dynamics of a free SALM, which no slow drift moves: its statistics combine the wave-frequency
// values with low-frequency peaks of nil, set here, since no stage of its road writes them.
void freeSalmDynamics() {
  PEKCOM.reset();
  FREMOT();
}

// The slow drift; then a buoyant riser is judged at what its run reaches, as soon as the mean state
// is known and before any report shows its members: the slow drift's mean and storm peak loads, and
// the keel's motion in the run's sea from the vessel's motions at the keel, the first vessel point
// (setUpRunData).
void slowDrift() {
  SLOMOR();
  judgeRiserReach();
}

// ---- The stages and their contracts ----
//
// Each stage's blocks in the names they register (platform/block_reset.h). "Writes" covers every
// road through the stage's routines, the hull models of every vessel type included (the disc hull
// works its mooring lines through the line blocks); "reads" names what the stage takes from the
// stages before it, a block whose members it leaves as an earlier stage wrote them for a later one
// included (the statics passes the vessel response's grid on to the slow drift), not the zero of a
// block of its own writes that no stage before it wrote, as the start of the process leaves it.

#define QV_TPCM(member) TpcmMember{#member, offsetof(Tpcm, member), sizeof(Tpcm::member)}

// Pass 1: the hull model's characteristics and reference forces, the work area's layout, the grid
// of the run and the response headings.
constexpr std::string_view kVesselPass1Writes[] = {"HIMEM",  "WAVCOM", "PASCOM", "SIMCOM", "LINCOM",
                                                   "CATCOM", "TMPCM2", "DUMMY1", "LOCITR"};
constexpr TpcmMember kVesselPass1Changes[] = {
    QV_TPCM(LBACK),  QV_TPCM(NBUG),   QV_TPCM(NA),     QV_TPCM(NSEAHT), QV_TPCM(NSEAHG), QV_TPCM(NUM_SWEL),
    QV_TPCM(WPITCH), QV_TPCM(TAWP),   QV_TPCM(VOLEST), QV_TPCM(VCBEST), QV_TPCM(XCBEST), QV_TPCM(YCBEST),
    QV_TPCM(AWPEST), QV_TPCM(XWPCTR), QV_TPCM(YWPCTR), QV_TPCM(GMTEST), QV_TPCM(GMLEST)};
// Pass 2: the operators per heading, the statistics of every sea state, the motion files. It reruns
// the hull model on pass 1's member table and passes on the reference quantities of pass 1 that it
// does not redo.
constexpr std::string_view kVesselPass2Writes[] = {"HIMEM",  "WAVCOM", "PASCOM", "SIMCOM", "LINCOM",
                                                   "CATCOM", "TMPCM2", "DUMMY1", "LOCITR"};
constexpr TpcmMember kVesselPass2Changes[] = {QV_TPCM(LBACK), QV_TPCM(NBUG), QV_TPCM(NWP)};
constexpr std::string_view kVesselPass2Reads[] = {"TPCM", "HIMEM", "WAVCOM", "PASCOM", "SIMCOM"};
// Pass 3: the irregular-sea statistics report.
constexpr std::string_view kVesselPass3Writes[] = {"HIMEM", "PASCOM"};
constexpr TpcmMember kVesselPass3Changes[] = {QV_TPCM(LBACK), QV_TPCM(NSEAHT), QV_TPCM(NSEAHG)};
constexpr std::string_view kVesselPass3Reads[] = {"TPCM", "HIMEM", "WAVCOM", "PASCOM"};
// The current profile at the site.
constexpr std::string_view kCurrentProfileWrites[] = {"CURPROF"};
constexpr TpcmMember kCurrentProfileChanges[] = {QV_TPCM(CURSPD)};
// The statics: the members, their loads and the load-offset table; gravity and the air density.
// After the vessel response it passes on the grid and the response quantities in WAVCOM.
constexpr std::string_view kStaticsWrites[] = {"SOLVE", "EQUILB", "WAVCOM"};
constexpr TpcmMember kStaticsChanges[] = {QV_TPCM(LBACK),  QV_TPCM(NBUG),   QV_TPCM(BUOY),  QV_TPCM(LPERCN),
                                          QV_TPCM(HMIN),   QV_TPCM(YOKEHT), QV_TPCM(OFFINC), QV_TPCM(NUMTAB),
                                          QV_TPCM(TLOAD)};
constexpr std::string_view kStaticsAfterVesselReads[] = {"TPCM", "WAVCOM"};
// The slow drift: the run's sea state, the equilibria and the low-frequency modes. The loads reach
// the vessel response again (RELRAOUP reruns the hull model). A buoyant riser is judged at its end
// (it reads the vessel's motions at the keel from "YOKEMOT").
constexpr std::string_view kSlowDriftWrites[] = {"WAVCOM", "EQUILB", "ERGCOM", "SOLVE",  "SINES",  "PASCOM",
                                                 "HIMEM",  "SIMCOM", "LINCOM", "CATCOM", "TMPCM2",
                                                 "DUMMY1", "LOCITR", "lowFrequencyDensities"};
constexpr TpcmMember kSlowDriftChanges[] = {
    QV_TPCM(LBACK),  QV_TPCM(NBUG),   QV_TPCM(NWP),    QV_TPCM(SIZE),   QV_TPCM(EQLYAW), QV_TPCM(WNDDEN),
    QV_TPCM(CURDNY), QV_TPCM(CURDNZ), QV_TPCM(TAWP),   QV_TPCM(VOLEST), QV_TPCM(VCBEST), QV_TPCM(XCBEST),
    QV_TPCM(YCBEST), QV_TPCM(AWPEST), QV_TPCM(XWPCTR), QV_TPCM(YWPCTR), QV_TPCM(GMTEST), QV_TPCM(GMLEST)};
constexpr std::string_view kSlowDriftReads[] = {"TPCM",    "LOWCOF", "HIMEM", "PASCOM", "WAVCOM",
                                                "CURPROF", "SOLVE",  "EQUILB"};
// The low-frequency report, and what it hands on to the statistics: the low-frequency peaks and
// standard deviations, the amplitudes of the three modes.
constexpr std::string_view kLowFrequencyReportWrites[] = {"LOWCOM", "OUTPUT", "PEKCOM", "SOLVE", "EQUILB"};
constexpr TpcmMember kLowFrequencyReportChanges[] = {QV_TPCM(LBACK), QV_TPCM(NBUG)};
constexpr std::string_view kLowFrequencyReportReads[] = {"TPCM", "WAVCOM", "SOLVE", "EQUILB", "ERGCOM", "SINES"};
// The wave-frequency dynamics of the attached SALM and the statistics.
constexpr std::string_view kAttachedDynamicsWrites[] = {"DYNCOM", "MOMCOM", "OUTPUT", "SOLVE", "SINES"};
constexpr TpcmMember kAttachedDynamicsChanges[] = {QV_TPCM(LBACK), QV_TPCM(NBUG),  QV_TPCM(ISTAT),
                                                   QV_TPCM(NWP),   QV_TPCM(LSLPHT), QV_TPCM(SMPDRG)};
constexpr std::string_view kAttachedDynamicsReads[] = {"TPCM", "WAVCOM", "SOLVE", "EQUILB", "OUTPUT", "PEKCOM"};
// The same for a free SALM, which builds the run's sea state itself, about the statics' equilibrium,
// and whose low-frequency peaks are nil.
constexpr std::string_view kFreeDynamicsWrites[] = {"WAVCOM", "EQUILB", "DYNCOM", "MOMCOM",
                                                    "OUTPUT", "SOLVE",  "PEKCOM"};
constexpr TpcmMember kFreeDynamicsChanges[] = {QV_TPCM(LBACK), QV_TPCM(NBUG), QV_TPCM(ISTAT), QV_TPCM(SMPDRG)};
constexpr std::string_view kFreeDynamicsReads[] = {"TPCM", "WAVCOM", "SOLVE", "EQUILB"};

// What a stage that takes nothing from the stages before it reads: the data set.
constexpr std::string_view kDataSetOnly[] = {"TPCM"};

#undef QV_TPCM

constexpr AnalysisStage kVesselPass1{"VESL1", VESL1, kVesselPass1Writes, kVesselPass1Changes, kDataSetOnly};
constexpr AnalysisStage kVesselPass2{"VESL2", VESL2, kVesselPass2Writes, kVesselPass2Changes, kVesselPass2Reads};
constexpr AnalysisStage kVesselPass3{"VESL3", VESL3, kVesselPass3Writes, kVesselPass3Changes, kVesselPass3Reads};
constexpr AnalysisStage kCurrentProfile{"CURPROF_INIT", buildCurrentProfile, kCurrentProfileWrites,
                                        kCurrentProfileChanges, kDataSetOnly};
constexpr AnalysisStage kStatics{"STSALM", STSALM, kStaticsWrites, kStaticsChanges, kDataSetOnly};
constexpr AnalysisStage kStaticsAfterVessel{"STSALM", STSALM, kStaticsWrites, kStaticsChanges,
                                            kStaticsAfterVesselReads};
constexpr AnalysisStage kSlowDrift{"SLOMOR", slowDrift, kSlowDriftWrites, kSlowDriftChanges, kSlowDriftReads};
constexpr AnalysisStage kLowFrequencyReport{"LOWPRT", LOWPRT, kLowFrequencyReportWrites, kLowFrequencyReportChanges,
                                            kLowFrequencyReportReads};
constexpr AnalysisStage kAttachedDynamics{"DYNSLM", DYNSLM, kAttachedDynamicsWrites, kAttachedDynamicsChanges,
                                          kAttachedDynamicsReads};
constexpr AnalysisStage kFreeDynamics{"FREMOT", freeSalmDynamics, kFreeDynamicsWrites, kFreeDynamicsChanges,
                                      kFreeDynamicsReads};

// The pre-edit copies that the load takes; the run compares and saves nothing, but the load fills
// them. Static storage: the copy of TPCM is too large for the stack.
struct LoadImages {
  TpcmImage IOBUF;
  LowcofImage ILOBUF;
};
constinit LoadImages loadImages{};

[[noreturn]] void refuse(std::initializer_list<std::string_view> lines) {
  fatalStop(kRunner, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

std::int64_t fileSize(const std::filesystem::path& name) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(name, ec);
  return ec ? 0 : static_cast<std::int64_t>(size);
}

// Unit 41 before the load, which writes there and asks nothing: a fresh diagnostics file, the
// diagnostics file of the editor's silent execution continued after what it holds, or the screen.
void connectMessages(RunMode mode) {
  const std::string name(kDiagnosticsFile);
  switch (mode) {
    case RunMode::kUnattended:
      RHOPEN(kDiagnosticsFile, kFormatted, kFresh, 0, kDiagnosticsUnit, kRunner, kScreenUnit, kPlatformIntel);
      analysisRunState.diagnosticsStart = 0;
      break;
    case RunMode::kSilent: {
      analysisRunState.diagnosticsStart = fileSize(name);
      if (stagingFiles()) {  // the file as the editor left it, continued in memory
        std::ifstream earlier(name, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(earlier)), std::istreambuf_iterator<char>());
        analysisRunState.diagnosticsStart = static_cast<std::int64_t>(bytes.size());
        connectUnit(kDiagnosticsUnit, stageFile(name, std::move(bytes)), name);
        break;
      }
      auto stream = std::make_unique<std::fstream>(name, std::ios::out | std::ios::app | std::ios::binary);
      if (!stream->is_open()) ACERR(kRunner, kDiagnosticsFile, kScreenUnit);
      connectUnit(kDiagnosticsUnit, std::move(stream), name);
      break;
    }
    case RunMode::kInteractive: connectUnitToConsole(kDiagnosticsUnit); break;
  }
}

// The data set of the current folder, loaded as the editor's program but in the unattended mode: a
// finding that would ask a question (a damaged or foreign file, a missing "LOWDAT" that a load model
// needs) stops the run. File errors name the runner.
void loadDataSet() {
  const EditorIdentity& id = kEditor;
  char choice = ' ';
  int startCode = 0, lowStatus = 0, dataStatus = 0;
  IOINIT(makeText<8>(id.productName), makeText<5>(""), loadImages.IOBUF, loadImages.ILOBUF, choice, startCode,
         makeText<12>(id.dataFile), lowStatus, dataStatus, id.version, id.year, id.simulationType,
         makeText<12>(kRunner), id.platformCode, kModeUnattended, id.storedWords, nullptr, LOWCOF);
}

// Where the messages and the reports of the stages go.
void settleUnits(RunMode mode) {
  if (mode == RunMode::kInteractive) {
    closeUnit(kDiagnosticsUnit);
    TPCM.EDUNIT = kScreenUnit;
    // As the load stamps an edited data set: a report unit that is neither a file, the screen nor
    // the printer means the files.
    if (TPCM.IUNIT != kReportsToFiles && TPCM.IUNIT != kScreenUnit && TPCM.IUNIT != kPrinterUnit)
      TPCM.IUNIT = kReportsToFiles;
  } else {
    TPCM.EDUNIT = kDiagnosticsUnit;
    TPCM.IUNIT = kReportsToFiles;
  }
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The lines of `text` from byte `start` on; none for a start of -1.
std::vector<std::string> linesFrom(const std::string& text, std::int64_t start) {
  std::vector<std::string> lines;
  if (start < 0) return lines;
  std::istringstream in(text.substr(std::min(text.size(), static_cast<std::size_t>(start))));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The vessel response runs for the data set in TPCM (the vessel passes are among its stages).
bool vesselResponseRuns() { return TPCM.FRESLM == 0 && TPCM.LQUAS != 0; }

// The yoke's hinge on the vessel as the first vessel point, in the vessel axes of the point tables
// (z up from the keel); a buoyant riser joins the vessel at its keel.
void yokeHingeAsFirstPoint() {
  Tpcm& t = TPCM;
  const bool named = t.NACC >= 1 && (t.RACC(1, 1) != 0.0f || t.RACC(2, 1) != 0.0f || t.RACC(3, 1) != 0.0f);
  if (!named) {
    t.NACC = std::max<std::int32_t>(t.NACC, 1);
    t.RACC(1, 1) = t.XSALM;
    t.RACC(2, 1) = 0.0f;
    t.RACC(3, 1) = t.IARCO == kBuoyantRiser ? 0.0f : t.DRAFT + t.YOKEHT;
  }
  t.LDSP = 1;
}

}  // namespace

void setUpRunData() {
  Tpcm& t = TPCM;
  t.LSPM = 1;
  t.NMOMT = momentElementCount();
  if (vesselResponseRuns() && t.ISPM == 1) yokeHingeAsFirstPoint();
}

std::optional<RunMode> runModeOf(const std::vector<std::string_view>& arguments) {
  if (arguments.empty()) return RunMode::kUnattended;
  if (arguments.size() > 1) return std::nullopt;
  if (arguments[0] == "--silent") return RunMode::kSilent;
  if (arguments[0] == "--interactive") return RunMode::kInteractive;
  return std::nullopt;
}

std::vector<AnalysisStage> stagesOf() {
  const Tpcm& t = TPCM;
  if (t.FRESLM != 0) {
    if (t.LDYN != 0) return {kStatics, kFreeDynamics};
    return {kStatics};
  }
  if (t.LQUAS == 0) return {kStatics};
  std::vector<AnalysisStage> stages{kVesselPass1,        kVesselPass2, kVesselPass3,       kCurrentProfile,
                                    kStaticsAfterVessel, kSlowDrift,   kLowFrequencyReport};
  if (t.LDYN != 0) stages.push_back(kAttachedDynamics);
  return stages;
}

void checkRunData() {
  const Tpcm& t = TPCM;
  if (!periodsFitForSpectra()) {
    refuse({"", " ++> The analysis needs at least 3 regular wave periods (page 14), positive,",
            "     increasing and equally spaced (NWP =" + fmtI(t.NWP, 4) + ")."});
  }
  for (const RunFinding& finding : runFindings()) {
    if (finding.fatal) fatalStop(kRunner, TPCM.EDUNIT, finding.lines, FatalWait::kPressReturn, kKeyboardUnit);
    writeRunWarning(TPCM.EDUNIT, finding.lines);
  }
  keepCheckedDataSet();
}

void prepareRun(RunMode mode) {
  connectMessages(mode);
  loadDataSet();
  settleUnits(mode);
  setUpRunData();
  checkRunData();
}

void runStage(const AnalysisStage& stage) {
  requireFiniteValues(stage.name);
  stage.run();
}

void runAnalysis(RunMode mode) {
  // Unattended, nobody is at the console to read a message or press a key.
  fatalStopState.unwatched = mode != RunMode::kInteractive;
  // A run saves no data set: the end of its input stops it before its reports are written.
  setInputEndedOutcome("the analysis stopped and wrote no report file.");
  requireDataFile();
  RunFolder folder(mode != RunMode::kInteractive);
  const std::string messagesName(kDiagnosticsFile);
  try {
    prepareRun(mode);
    // No stage reports a result that is not finite: such a value stops the run, naming the stage.
    for (const AnalysisStage& stage : stagesOf()) runStage(stage);
    requireFiniteValues("");
    folder.keepAll();
  } catch (const Stop& stop) {
    analysisRunState.messages = linesFrom(stagedBytes(messagesName), analysisRunState.diagnosticsStart);
    // A stop where a run at the console goes on past a warning or a pause, or asks whether to: nobody
    // can answer an unattended run, so it says that it stops there, and what to do, as every other
    // stop does.
    if (mode != RunMode::kInteractive && stop.status == kExitFatal && fatalStopState.unanswered) {
      analysisRunState.unansweredStop =
          flowingLines(" ++> ", "The run stops here, in " + stop.routine +
                                    ". An unattended run does not go on past the message above (a run with "
                                    "--interactive asks whether to, where the message offers it): change what the "
                                    "message names and run again.");
      if (unitConnected(kDiagnosticsUnit)) {
        for (const std::string& line : analysisRunState.unansweredStop) writeRecord(kDiagnosticsUnit, line);
      }
    }
    for (std::string& line : folder.keepMessagesOnly()) analysisRunState.messagesNotKept.push_back(std::move(line));
    throw;
  }
}

std::string stopMessage(std::string_view routine) {
  std::string message;
  // A stop through the fatal path: its own message, whatever its first line begins with.
  for (const std::string& line : fatalStopState.message) message += line + "\n";
  if (message.empty()) {
    bool continuing = false;
    for (const std::string& line : analysisRunState.messages) {
      if (startsWith(line, " ++> ")) {
        message = line + "\n";
        continuing = true;
      } else if (continuing && startsWith(line, "     ") && line.find_first_not_of(' ') != std::string::npos) {
        message += line + "\n";
      } else {
        continuing = false;
      }
    }
  }
  if (message.empty()) message = " ++> The analysis stopped in " + std::string(routine) + ".\n";
  for (const std::string& line : analysisRunState.unansweredStop) message += line + "\n";
  for (const std::string& line : analysisRunState.messagesNotKept) message += line + "\n";
  return message;
}

}  // namespace qv

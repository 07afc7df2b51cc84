#include "dataset/finish.h"

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "dataset/editor_words.h"
#include "dataset/tpcm_codes.h"
#include "platform/block_reset.h"
#include "platform/stop.h"
#include "platform/system_command.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/diskio.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/files.h"
#include "util/folder_lock.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/safe_save.h"
#include "util/sim_types.h"
#include "util/whole_files.h"

namespace qv {

constinit FinishState finishState{};
const BlockReset resetFinishState{[] { finishState.reset(); }};

namespace {

constexpr std::string_view kProgramName = "Tavrenoch";

[[noreturn]] void endRun(int status = kExitNormal) { silentStop("FINISH", status); }

void lossWarning(int screen, std::string_view datfil, std::string_view lowfil) {
  writeRecord(screen, "");
  writeRecord(screen, "");
  writeRecord(screen, fmtX(24) + ">>> WARNING <<<");
  writeRecord(screen, "");
  writeRecord(screen, " This action will result in the loss of data changes to " + std::string(datfil) + " or " +
                          std::string(lowfil));
  writeRecord(screen, " made during this editing session. If you wish to \"Abort\" this");
  writeRecord(screen, " decision and reinspect your data, enter \"A\" below.");
}

void chainWarning(int screen, std::string_view datfil, std::string_view lowfil) {
  writeRecord(screen, "");
  writeRecord(screen, "");
  writeRecord(screen, fmtX(24) + ">>> WARNING <<<");
  writeRecord(screen, "");
  writeRecord(screen, " Changes to " + std::string(datfil) + ", or " + std::string(lowfil) +
                          ", or the Tavrenoch excursion disk diameter");
  writeRecord(screen, " were detected during this editing session.");
  writeRecord(screen, "");
  writeRecord(screen, " Chaining to Tavrenoch is a VERY bad idea without first rebuilding your support");
  writeRecord(screen, " files with a normal \"Execute\" (i.e., without chaining directly to Tavrenoch).");
  writeRecord(screen, "");
  writeRecord(screen, " If you wish to Abort this bad decision and review your options, enter \"A\" below.");
  writeRecord(screen, "");
  writeRecord(screen, " If you choose *not* to Abort, the SPMDAT, etc., changes you made will be lost,");
  writeRecord(screen, " and your simulation output will likely be seriously compromised.");
}

void executionNotice(int unit) {
  writeRecord(unit, "");
  writeRecord(unit, fmtX(19) + ">>> Kestrin Editor Software <<<");
  writeRecord(unit, "");
  writeRecord(unit, "");
  writeRecord(unit, fmtX(10) + "This data file passed preliminary error checks;");
  writeRecord(unit, fmtX(13) + "it is ready for submission to the server.");
  writeRecord(unit, "");
}

void chainAndStop(int icomp) {
  writeConsoleRecord("");
  writeConsoleRecord(" >>> Chaining to Tavrenoch");
  endRun(CHAIN_SQUAL(icomp) ? kExitNormal : kExitFatal);
}

// An old generation as it is on disk, byte for byte; one that cannot be read refuses the save
// before anything is written.
Generation oldGeneration(SafeSave& files, std::string_view file) {
  Generation g = readGeneration(file);
  if (!g.failure.empty()) files.refuse(SaveFailure{std::string(file), g.failure});
  return g;
}

// A refusal of the folder's hold, and the pause that lets it be read before the menu comes back.
void folderHeld(int screen, int keyboard, std::initializer_list<std::string_view> lines) {
  writeRecord(screen, "");
  for (std::string_view line : lines) writeRecord(screen, line);
  PRSRET(screen, keyboard);
}

// A run holds its folder from its start to its end and writes its reports from the data file it
// loaded: a data set saved meanwhile would stand beside reports that were not made from it.
void saveRefused(int screen, int keyboard) {
  folderHeld(screen, keyboard,
             {" ++> An analysis is running in this folder, or waits there at a question: the",
              "     data set is not saved, so that the folder keeps the data set its reports",
              "     are made from. The data files are unchanged and the edits are kept: save",
              "     again once that analysis has ended."});
}

// The changed images into their files, the coefficient file before the data file; the files of both
// are put in place together, or none of them: a failure puts back what was placed, and a save killed
// between its renames is completed by the next load or save from its journal (util/safe_save.h).
// False, with the files as they were and the edits in memory, when a run holds the folder or the
// save fails: the user can save again from the end-of-session menu. The save holds the folder
// against a run while it writes; an execution's save finds it held already, for the whole execution,
// and the holds of one editor do not refuse each other.
bool saveChanges(const FinishArgs& args, bool low, bool data, bool messages) {
  const FinishArgs::Out& out = args.out;
  const std::string folder = std::filesystem::path(fileNameOf(args.DATFIL.view())).parent_path().string();
  const FolderLock hold(folder, FolderHold::kSave);
  if (hold.refused()) {
    saveRefused(args.ISCRN, args.IIN);
    return false;
  }
  // What an earlier save left unfinished is completed before the generations are read.
  finishInterruptedSaves(folder);
  const std::string_view caller = args.CALLER.view();
  SafeSave save;
  const int lowAtLoad = out.IFLGLOW;
  const int dataAtLoad = out.IFLGDAT;
  if (low)
    BACKIT(args.ISCRN, caller, args.ICOMP, args.NLOW, args.low, args.preEditLow, args.LOWFIL.view(), out.IFLGLOW,
           args.LOWBAKFIL.view(), "LASTLOW     ", &save);
  if (data)
    BACKIT(args.ISCRN, caller, args.ICOMP, args.NDAT, args.data, args.preEditData, args.DATFIL.view(), out.IFLGDAT,
           args.BAKFIL.view(), "LASTBAK     ", &save);
  if (messages) save.add(kDiagnosticsFile, wholeFileBytes(kDiagnosticsUnit));
  if (save.commit()) return true;
  // The next save rotates the generations as the files stood at load.
  if (low || data) {
    reportFailedSave(save.failure(), caller, args.ISCRN, args.IIN);
  } else {
    reportWriteFailure(save.failure(), caller, args.ISCRN, args.IIN, executionNotStartedOutcome());
  }
  out.IFLGLOW = lowAtLoad;
  out.IFLGDAT = dataAtLoad;
  return false;
}

}  // namespace

void BACKIT(int ISCRN, std::string_view CALLER, int /*ICOMP*/, int NWORDS, const std::int32_t* DATA,
            const std::int32_t* SCRATCH, std::string_view DATFIL, int& IFLAG, std::string_view BAKFIL,
            std::string_view LASTFIL, SafeSave* save) {
  SafeSave own;
  SafeSave& files = save != nullptr ? *save : own;
  if (IFLAG != kDiskMissing) {
    // Every generation moves on exactly as it is on disk, whatever its length.
    const Generation backup = oldGeneration(files, BAKFIL);
    const Generation onDisk = oldGeneration(files, DATFIL);
    if (backup.missing) {
      // The first backup is the file that is on disk. A new data set created over an existing file
      // has no pre-edit image, and writing that empty copy would lose the old file.
      files.add(BAKFIL, onDisk.missing ? imageBytes(SCRATCH, NWORDS) : onDisk.bytes);
    } else {
      files.add(LASTFIL, backup.bytes);
      // No file on disk any more: the old backup stays the backup.
      files.add(BAKFIL, onDisk.missing ? backup.bytes : onDisk.bytes);
    }
  }
  files.add(DATFIL, imageBytes(DATA, NWORDS));
  IFLAG = 0;
  if (save == nullptr && !own.commit()) stopFailedSave(own.failure(), CALLER, ISCRN);
}

bool CHAIN_SQUAL(int IOS) {
  std::string command;
  if (IOS == kPlatformIntel) {
    command = std::string(kProgramName);  // the platform layer stands in for "cmd /c"
  } else if (IOS == 21) {  // a platform that starts a program by its name
    command = std::string(kProgramName);
  } else {
    writeConsoleRecord("++> Undefined OS type! Aborting out of CHAIN_SQUAL");
    endRun(kExitFatal);
  }
  const int status = runSystemCommand(command);
  if (status == kCommandNotFound || status < 0) {
    writeConsoleRecord(" ++> Could not start " + std::string(kProgramName) + ": program not found.");
    return false;
  }
  return true;
}

bool holdFolderForExecution() {
  std::unique_ptr<FolderLock>& hold = finishState.executionHold;
  if (hold) return true;
  hold = std::make_unique<FolderLock>("", FolderHold::kSave);
  if (!hold->refused()) return true;
  hold.reset();
  // The run's messages and reports stay the run's, and the folder keeps the data set they came from.
  folderHeld(kScreenUnit, kKeyboardUnit,
             {" ++> An analysis is running in this folder, or waits there at a question: this",
              "     execution does not start, and no file was written (neither the listing",
              "     \"SALMIN.stxt\", nor \"Diagnostics.stxt\", nor the data set), so that the",
              "     folder keeps that analysis's files. The edits are kept: execute again once",
              "     that analysis has ended."});
  return false;
}

void releaseExecutionHold() { finishState.executionHold.reset(); }

int startAnalysisRun(AnalysisRequest request) {
  releaseExecutionHold();
  if (request == AnalysisRequest::kNone) return kExitNormal;
  const std::string runner = programBesideThisOne(kAnalysisRunner);
  std::error_code ec;
  if (runner.empty() || !std::filesystem::is_regular_file(runner, ec)) {
    for (const std::string& line : flowingLines(" ++> ", "The analysis program " + std::string(kAnalysisRunner) +
                                                             " was not found beside the editor" +
                                                             (runner.empty() ? "." : ": " + runner)))
      writeConsoleRecord(line);
    return kExitFatal;
  }
  const int status =
      runProgram(runner, {request == AnalysisRequest::kSilent ? "--silent" : "--interactive"});
  if (status == kCommandNotFound || status < 0) {
    for (const std::string& line : flowingLines(" ++> ", "The analysis program " + runner +
                                                             (status < 0 ? " did not end by itself." : " could not be started.")))
      writeConsoleRecord(line);
    return kExitFatal;
  }
  return status;
}

void FINISH(const FinishArgs& args) {
  const FinishArgs::Out& out = args.out;
  out.IRET = 0;
  const std::int32_t lb = out.LBACK;
  out.LBACK = 0;
  out.SRCDAT = args.MODE;
  out.IPAG = 0;

  // The words the editor set by itself are no change (dataset/editor_words.h).
  const std::int32_t sameData = sameDataSetAsOpened(args.data, args.preEditData, args.NDAT) ? 1 : 0;
  std::int32_t sameLow = 1;
  if (args.PROGTYPE > kSimGandru) NOCHNG(sameLow, args.low, args.preEditLow, args.NLOW);
  const std::string_view datfil = fileNameOf(args.DATFIL.view());
  const std::string_view lowfil = fileNameOf(args.LOWFIL.view());

  if (lb == kNavExitNoSave) {
    if (sameData == 0 || sameLow == 0) {
      CLEAR(args.ISCRN);
      if (args.CHAINFLAG != 0)
        chainWarning(args.ISCRN, datfil, lowfil);
      else
        lossWarning(args.ISCRN, datfil, lowfil);
      std::int32_t answer = 0;
      ABORT0(args.ISCRN, args.IIN, answer);
      if (answer < 0) {
        out.IRET = kFinishBackToFinalPage;
        return;
      }
      if (args.CHAINFLAG != 0) chainAndStop(args.ICOMP);
      endRun();
    }
    if (args.CHAINFLAG != 0) endRun(CHAIN_SQUAL(args.ICOMP) ? kExitNormal : kExitFatal);
  }

  const bool changed = sameLow == 0 || sameData == 0;
  // A silent execution's messages, held in memory so far, go to the folder with the save: both or
  // neither, and the folder of a save that fails keeps the messages it had.
  const bool silent = lb == kNavExecute && args.MODE == kModeEditor && writesWholeFile(kDiagnosticsUnit);
  if ((changed || silent) && !saveChanges(args, sameLow == 0, sameData == 0, silent)) {
    out.IRET = kFinishBackToFinalPage;
    return;
  }

  if (changed) noteSessionSaved();
  if (lb != kNavExecute) endRun();
  if (args.MODE == kModeEditor) {
    CLEAR(args.EDUNIT);
    executionNotice(args.EDUNIT);
    PRSRET(args.EDUNIT, args.IIN);
    finishState.analysis = silent ? AnalysisRequest::kSilent : AnalysisRequest::kInteractive;
    endRun();
  }
}

}  // namespace qv

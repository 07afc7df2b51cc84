#include "editor/fintop.h"

#include <string>
#include <vector>

#include "dataset/datload.h"
#include "dataset/finish.h"
#include "editor/env_pages.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/sim_types.h"
#include "util/whole_files.h"

namespace qv {

constinit FintopState fintopState{};
namespace {
const BlockReset resetFintopState{[] { fintopState.reset(); }};
}  // namespace

namespace {

// The mooring-statics types (7 to 9) have no regular-wave report.
bool writesWaveReport(std::int32_t simtyp) { return simtyp < kSimGreldin || simtyp > kSimUnknown; }

using Note = std::vector<std::string_view>;

const Note kNote1 = {
    " Saves the edited data set and ends the session. The data file on disk",
    " becomes the first backup (*DAT -> *BAK), and the first backup becomes the",
    " second (*BAK -> LASTBAK); the oldest generation is lost. Saving again and",
    " again pushes the first data file off the end of the backup chain. No error",
    " checking is done."};
const Note kNote2 = {" Ends the session without writing any file: changes made in this session", " are lost."};
const Note kNote3 = {" Saves the data set and runs the simulation with its full console output."};
const Note kNote4 = {" Saves the data set and runs the simulation silently: console messages go",
                     " to \"Diagnostics.stxt\". Faster, and no user intervention is needed."};
const Note kNote5 = {" Writes a text mirror of every editor screen into the listing file. The",
                     " data files are not updated."};
const Note kNote6 = {" Writes the regular wave kinematics tables into \"WAVEOUT.stxt\"."};
const Note kNote7 = {" Imports the vessel and environment data from any Kestrin data file."};
const Note kNote8 = {" Imports a whole mooring system from any Kestrin data file."};
const Note kNote9 = {" Imports the tug or buoy data from any Kestrin data file."};
const Note kImportNote = {
    " Import files should carry the same version number as this program. The",
    " path prompt takes an absolute or a relative path in the notation of the",
    " operating system; a relative path to a copy in the working directory is",
    " recommended."};
const Note kNote10 = {
    " Chains directly to Tavrenoch. Do this only when nothing has changed since",
    " the last normal execution: a change of the excursion disk diameter needs a",
    " full run first."};

void writeNote(int unit, const Note& note) {
  for (std::string_view line : note) writeRecord(unit, line);
}

void writeHeadedNote(int unit, std::string_view item, const Note& note) {
  writeRecord(unit, "");
  writeRecord(unit, " ++> Item Number  " + std::string(item));
  writeNote(unit, note);
}

const Note* noteOf(int n, bool tavflag) {
  switch (n) {
    case 1: return &kNote1;
    case 2: return &kNote2;
    case 3: return &kNote3;
    case 4: return &kNote4;
    case 5: return &kNote5;
    case 6: return &kNote6;
    case 7: return &kNote7;
    case 8: return &kNote8;
    case 9: return &kNote9;
    case 10: return tavflag ? &kNote10 : nullptr;
    default: return nullptr;
  }
}

void drawMenu(std::string_view label, int simtyp, bool tavflag) {
  CLEAR(kScreenUnit);
  writeRecord(kScreenUnit, fmtX(19) + "****  Page " + std::string(label) + ": End of Session  ****");
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, " 1) Exit to operating system and update data file");
  writeRecord(kScreenUnit, " 2) Exit to operating system WITHOUT updating data file");
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, " 3) Execute simulation in interactive mode");
  writeRecord(kScreenUnit, " 4) Execute simulation in silent mode");
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, " 5) Produce diskfile of input data");
  if (writesWaveReport(simtyp))
    writeRecord(kScreenUnit, " 6) Produce \"WAVEOUT\" file containing regular wave kinematics data");
  writeRecord(kScreenUnit, "");
  const char* vessel = simtyp == kSimGandru ? "Barge" : simtyp == kSimFirnedo ? "Tanker" : "Vessel";
  writeRecord(kScreenUnit, std::string(" 7) Import ") + vessel + " and environment data from an external file");
  if (simtyp >= kSimGreldin && simtyp != kSimKrebona)
    writeRecord(kScreenUnit, " 8) Import mooring system data from an external file");
  if (isTwoBodyType(simtyp))
    writeRecord(kScreenUnit, std::string(" 9) Import ") + (simtyp == kSimGandru ? "Tug" : "Buoy") +
                                 " data from an external file");
  if (tavflag) {
    writeRecord(kScreenUnit, "");
    writeRecord(kScreenUnit, "10) Chain to Tavrenoch");
  }
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, "  (Press <RETURN> to review data)");
}

constexpr std::string_view kListingNotWritten = "The listing was not written; the folder keeps what it had.";

// A listing pass has ended: its file goes to the folder whole. When the folder does not take it,
// what was to follow the pass does not go on, and the menu comes back.
bool listingPlaced(std::string_view caller, std::int32_t& EDUNIT, std::int32_t& LBACK) {
  FintopState& s = fintopState;
  if (closeWholeFile(kListingUnit, caller, kScreenUnit, kKeyboardUnit,
                     s.USRHCP != 0 ? fileNotWrittenOutcome(kListingNotWritten) : executionNotStartedOutcome()))
    return true;
  s.listingLost = true;
  if (EDUNIT == kDiagnosticsUnit) silentExecutionDropped(EDUNIT);
  LBACK = 0;
  return false;
}

// An execution chosen after a save that did not go through (the menu came back with the edits):
// the listing pass before it ends in the execution, not in that save.
void executionChosen(FintopState& s) { s.SAVEDATA = 0; }

// The execute choices: with fatal warnings the checks are shown again; with warnings only, the
// caller leaves the page.
int executeResult(std::int32_t nwarn, std::int32_t nfatal) {
  if (nfatal > 0) return kFintopRunChecks;
  if (nwarn > 0) return kFintopLeave;
  return kFintopRunChecks;
}

}  // namespace

void silentExecutionDropped(std::int32_t& EDUNIT) {
  closeUnit(kDiagnosticsUnit);
  EDUNIT = kScreenUnit;
}

void FINHLP(std::int32_t IUNIT, std::int32_t IIN, std::int32_t N, std::int32_t /*SIMTYP*/, bool TAVFLAG) {
  CLEAR(IUNIT);
  writeRecord(IUNIT, fmtX(17) + "****  Vessel Environmental Load Notes  ****");
  if (N != 0) {
    writeRecord(IUNIT, "");
    writeRecord(IUNIT, " ++> Item Number  " + fmtI(N, 0));
    if (const Note* note = noteOf(N, TAVFLAG)) {
      writeNote(IUNIT, *note);
      if (N >= 7 && N <= 9) writeNote(IUNIT, kImportNote);
    } else {
      writeRecord(IUNIT, " ++> Sorry, no help for this line...");
    }
    PRSRET(IUNIT, IIN);
    return;
  }
  // All notes, two to a screen; item 9 is not listed.
  const auto screenBreak = [&] {
    PRSRET(IUNIT, IIN);
    CLEAR(IUNIT);
  };
  writeHeadedNote(IUNIT, "1", kNote1);
  writeHeadedNote(IUNIT, "2", kNote2);
  screenBreak();
  writeHeadedNote(IUNIT, "3", kNote3);
  writeHeadedNote(IUNIT, "4", kNote4);
  screenBreak();
  writeHeadedNote(IUNIT, "5", kNote5);
  writeHeadedNote(IUNIT, "6", kNote6);
  screenBreak();
  writeHeadedNote(IUNIT, "7", kNote7);
  writeNote(IUNIT, kImportNote);
  screenBreak();
  writeHeadedNote(IUNIT, "8", kNote8);
  writeNote(IUNIT, kImportNote);
  if (TAVFLAG) {
    screenBreak();
    writeHeadedNote(IUNIT, "10", kNote10);
  }
  PRSRET(IUNIT, IIN);
}

void FINTOP(std::string_view PAGLBL, std::int32_t SIMTYP, std::int32_t& IRET, std::string_view HCFILE,
            std::string_view CALLER, std::int32_t& IPAG, std::int32_t& LCOPY, std::int32_t& EDUNIT,
            std::int32_t& UNTSAV, std::int32_t& LBACK, std::int32_t& NWARN, std::int32_t& NFATAL,
            std::int32_t WriteAuxDatFiles) {
  FintopState& s = fintopState;
  IRET = kFintopRunChecks;
  const bool tavflag = chainsToTimeDomain(SIMTYP) && WriteAuxDatFiles != 0;

  if (NWARN == 0 && NFATAL == 0) {
    if (LCOPY != 0) {  // a listing pass has just ended
      LCOPY = 0;
      const bool listing = EDUNIT == kListingUnit;
      EDUNIT = UNTSAV;
      const bool placed = !listing || listingPlaced(CALLER, EDUNIT, LBACK);
      if (!placed || s.USRHCP != 0) {  // the menu comes back
        s.USRHCP = 0;
      } else if (s.TAVRENOCH_GO != 0) {
        IRET = kFintopChain;
        LBACK = kNavExitNoSave;
        return;
      } else if (s.SAVEDATA != 0) {
        IRET = kFintopLeave;
        LBACK = kNavSaveAndExit;
        return;
      } else {
        IRET = kFintopLeave;
        LBACK = kNavExecute;
        return;
      }
    }
    if (LBACK == kNavExecute) return;  // an execution is pending
  }

  for (;;) {
    // At the menu no execution is under way: its files are closed, and the folder is let go.
    releaseExecutionHold();
    drawMenu(PAGLBL, SIMTYP, tavflag);
    std::int32_t choice = 0;
    ENTSEL(choice, kScreenUnit, kKeyboardUnit, IPAG);
    switch (choice) {
      case kNavQuery:
        FINHLP(kScreenUnit, kKeyboardUnit, IPAG, SIMTYP, tavflag);
        continue;
      case 1:
        s.SAVEDATA = 1;
        IRET = kFintopLeave;
        LBACK = kNavSaveAndExit;
        return;
      case 2:
        IRET = kFintopLeave;
        LBACK = kNavExitNoSave;
        return;
      case 3:
      case kNavExecute:
        executionChosen(s);
        IRET = executeResult(NWARN, NFATAL);
        LBACK = kNavExecute;
        return;
      case 4:
        // The messages file is the first the execution writes: not in a folder an analysis holds,
        // nor in one that does not take it. It goes to the folder with the save (FINISH).
        if (!holdFolderForExecution()) continue;
        if (!openWholeFile(kDiagnosticsFile, kDiagnosticsUnit, "Fintop", kScreenUnit, kKeyboardUnit,
                           executionNotStartedOutcome()))
          continue;
        executionChosen(s);
        CLEAR(kScreenUnit);
        EDUNIT = kDiagnosticsUnit;
        NWARN = 0;
        NFATAL = 0;
        IRET = kFintopRunChecks;
        LBACK = kNavExecute;
        return;
      case 5:
        if (!openWholeFile(HCFILE, kListingUnit, CALLER, kScreenUnit, kKeyboardUnit,
                           fileNotWrittenOutcome(kListingNotWritten)))
          continue;
        LCOPY = 1;
        UNTSAV = EDUNIT;
        EDUNIT = kListingUnit;
        s.USRHCP = 1;
        IRET = kFintopLeave;
        LBACK = kNavFirst;
        return;
      case 6:
        if (writesWaveReport(SIMTYP)) WAVOUT();
        continue;
      case 7:
        DATLOAD(1);
        continue;
      case 8:
        if (SIMTYP >= kSimGreldin) DATLOAD(2);
        continue;
      case 9:
        if (isTwoBodyType(SIMTYP)) DATLOAD(3);
        continue;
      case 10:
        if (!tavflag) continue;
        s.TAVRENOCH_GO = 1;
        IRET = kFintopChain;
        LBACK = kNavExecute;
        return;
      default:
        if (choice <= 0) {  // blank, B and the navigation letters leave the page
          IRET = kFintopLeave;
          LBACK = choice;
          return;
        }
        continue;  // a number that is no choice
    }
  }
}

}  // namespace qv

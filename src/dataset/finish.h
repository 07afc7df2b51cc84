// Ending an editing session: save what changed, with backup generations, by the code that the
// end-of-session menu left in LBACK; and chaining to the external time-domain program. The data set
// has changed when it differs from its image as loaded in a word other than those the editor sets by
// itself (dataset/editor_words.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "util/farray.h"
#include "util/folder_lock.h"
#include "util/safe_save.h"

namespace qv {

inline constexpr int kFinishBackToFinalPage = 1;  // IRET: the user went back to the final page

// The analysis run that an editing session asked for when it ended by executing: the editor's main
// starts it once every unit is closed, and ends with its status.
enum class AnalysisRequest {
  kNone,
  kInteractive,  // choice 3: the run talks on the console
  kSilent,       // choice 4: the run goes on in the diagnostics file "Diagnostics.stxt"
};
struct FinishState {
  AnalysisRequest analysis = AnalysisRequest::kNone;
  std::unique_ptr<FolderLock> executionHold;  // the folder held for an execution, or none
  void reset() { *this = FinishState{}; }
};
extern FinishState finishState;

// The arguments of FINISH by name: what it only reads, then in `out` what it writes (in/out: reads
// and writes). The two images and their pre-edit copies travel as words by their first word; SRCDAT,
// LBACK and IPAG are words of the data set itself, set before it is compared and saved.
struct FinishArgs {
  int ICOMP;                        // platform code, for starting the time-domain program
  int MODE;                         // the program's mode word, stored into SRCDAT (kModeEditor)
  int IIN;                          // keyboard unit of the abort question and the pause
  std::int32_t EDUNIT;              // console unit of the execution notice
  int ISCRN;                        // screen unit of the sequencer: warnings and file errors
  const std::int32_t* data;         // the data set TPCM as words (wordsOf)
  const std::int32_t* preEditData;  // its image as loaded, NDAT words; the first backup of a first save
  const std::int32_t* low;          // the coefficient block LOWCOF as words (wordsOf)
  const std::int32_t* preEditLow;   // its image as loaded, NLOW words
  int PROGTYPE;                     // the program's simulation type: LOWCOF counts only above kSimGandru
  int NLOW;                         // words of LOWCOF compared and saved
  int NDAT;                         // words of the data set compared and saved
  const Text<12>& DATFIL;           // data file ("SALMDAT")
  const Text<12>& BAKFIL;           // its first backup ("SALMBAK")
  const Text<12>& LOWFIL;           // coefficient file ("LOWDAT")
  const Text<12>& LOWBAKFIL;        // its first backup ("LOWBAK")
  const Text<12>& CALLER;           // the program's name in file errors
  int CHAINFLAG;                    // non-zero: leave by chaining to the time-domain program
  struct Out {
    std::int32_t& SRCDAT;           // the data set's source mode, set to MODE
    std::int32_t& LBACK;            // in/out: the end-of-session menu's code, set to 0
    std::int32_t& IPAG;             // the data set's page word, set to 0
    int& IRET;                      // kFinishBackToFinalPage when the user went back, else 0
    int& IFLGLOW;                   // in/out: "LOWDAT" read status at load (1 missing), then its save's
    int& IFLGDAT;                   // in/out: the data file's read status at load, then its save's
  } out;
};

// With LBACK the execute code and MODE the editor's, the session ends after the execution notice
// and its pause with finishState.analysis set: silent when the diagnostics file of a silent
// execution is held on unit 41 (util/whole_files.h), else interactive; that file goes to the folder
// with the save. A save that fails (a full disk, a read-only folder), or that would go into a folder
// an analysis run holds (util/folder_lock.h), changes no file: FINISH says why, waits for Return
// and returns kFinishBackToFinalPage with the data set as edited, so that the user can save again.
void FINISH(const FinishArgs& args);

// Saves DATA (NWORDS words) into DATFIL, moving the file on disk into BAKFIL and the old backup into
// LASTFIL, each byte for byte as it is (ICOMP is not needed for that). SCRATCH holds the pre-edit
// image, the first backup when neither file is on disk. IFLAG:
// in, 1 when the data file did not exist at load; out, the status of the final write. With `save`
// the files join that save, which the caller puts in place (an old generation that cannot be read
// refuses it); without it BACKIT does so itself, and a failure stops the run with every file as it
// was.
void BACKIT(int ISCRN, std::string_view CALLER, int ICOMP, int NWORDS, const std::int32_t* DATA,
            const std::int32_t* SCRATCH, std::string_view DATFIL, int& IFLAG, std::string_view BAKFIL,
            std::string_view LASTFIL, SafeSave* save = nullptr);

// An execution writes into the current folder (the messages of a silent execution, the page listing
// "SALMIN.stxt", the save) and then starts the runner there. It holds the folder as a save does
// (util/folder_lock.h), from before its first file to the start of the runner, so that it never
// writes into a folder an analysis holds, and no run starts there while it writes. Returns true
// when the hold is taken or already held; when an analysis holds the folder, says so on the screen
// (nothing written, the edits kept), waits for Return and returns false.
bool holdFolderForExecution();
// Lets the folder go: the runner is about to start, which takes the hold in turn (a run that starts
// in between makes it stop, changing no file), or the execution does not go on and the
// end-of-session menu comes back. Nothing when it is not held.
void releaseExecutionHold();

// The analysis runner, a program of its own beside the editor's executable.
inline constexpr std::string_view kAnalysisRunner = "quorvel-run";

// Starts the analysis runner found beside this executable on the data set of the current folder,
// "--interactive" or "--silent" as the session asked, and waits for it; the execution's hold on the
// folder is let go just before, every file of the session being closed by then. Returns its exit status; a
// runner that is missing, cannot be started or does not end by itself is reported on the console
// and gives 1.
int startAnalysisRun(AnalysisRequest request);

// Starts the external time-domain program and waits for it. Returns false (after saying so) when
// the program could not be run.
bool CHAIN_SQUAL(int IOS);

}  // namespace qv

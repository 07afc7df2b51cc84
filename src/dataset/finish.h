// Ending an editing session: save what changed, with backup generations, by the code that the
// end-of-session menu left in LBACK; and chaining to the external time-domain program.
#pragma once

#include <cstdint>
#include <string_view>

#include "dataset/ioinit.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "util/farray.h"
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
  void reset() { *this = FinishState{}; }
};
extern FinishState finishState;

// With LBACK the execute code and MODE the editor's, the session ends after the execution notice
// and its pause with finishState.analysis set: silent when the diagnostics file of a silent
// execution is open on unit 41, else interactive.
void FINISH(int ICOMP, std::int32_t& SRCDAT, int MODE, int IIN, std::int32_t& EDUNIT, std::int32_t& LBACK,
            std::int32_t& IPAG, int ISCRN, int& IRET, Tpcm& data, TpcmImage& preEditData, Lowcof& low,
            LowcofImage& preEditLow, int PROGTYPE, int& IFLGLOW, int& IFLGDAT, int NLOW, int NDAT,
            const Text<12>& DATFIL, const Text<12>& BAKFIL, const Text<12>& LOWFIL, const Text<12>& LOWBAKFIL,
            const Text<12>& CALLER, int CHAINFLAG);

// Saves DATA (NWORDS words) into DATFIL, moving the file on disk into BAKFIL and the old backup into
// LASTFIL, each byte for byte as it is (ICOMP is not needed for that). SCRATCH holds the pre-edit
// image, the first backup when neither file is on disk. IFLAG:
// in, 1 when the data file did not exist at load; out, the status of the final write. With `save`
// the files join that save, which the caller puts in place; without it BACKIT does so itself. A
// failure stops the run with every file as it was.
void BACKIT(int ISCRN, std::string_view CALLER, int ICOMP, int NWORDS, const std::int32_t* DATA,
            std::int32_t* SCRATCH, std::string_view DATFIL, int& IFLAG, std::string_view BAKFIL,
            std::string_view LASTFIL, SafeSave* save = nullptr);

// The analysis runner, a program of its own beside the editor's executable.
inline constexpr std::string_view kAnalysisRunner = "quorvel-run";

// Starts the analysis runner found beside this executable on the data set of the current folder,
// "--interactive" or "--silent" as the session asked, and waits for it. Returns its exit status; a
// runner that is missing, cannot be started or does not end by itself is reported on the console
// and gives 1.
int startAnalysisRun(AnalysisRequest request);

// Starts the external time-domain program and waits for it. Returns false (after saying so) when
// the program could not be run.
bool CHAIN_SQUAL(int IOS);

}  // namespace qv

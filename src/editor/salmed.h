// The page sequencer: the whole interactive editing run. It loads or creates the data set, gives a
// new one its defaults, and leads the user through twenty page slots until the final page hands
// over to the save.
#pragma once

#include <functional>
#include <string_view>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "util/sim_types.h"

namespace qv {

// The editor's identity, handed to the load and the save.
struct EditorIdentity {
  std::string_view productName = "Quorvel";         // 8 characters
  std::string_view staticsProgram = "PELMOTAR";     // 12 characters
  std::string_view editorName = "DRAVOKET";         // caller name in file errors
  std::string_view dataFile = "SALMDAT";
  std::string_view backupFile = "SALMBAK";
  std::string_view coefficientFile = "LOWDAT";
  std::string_view coefficientBackup = "LOWBAK";
  float version = 6.8f;
  int simulationType = kSimQuorvel;  // the CREATR this program writes
  int year = 2020;
  int platformCode = kPlatformIntel;
  int modeWord = kModeEditor;
  int storedWords = kStoredWords;  // words of TPCM loaded and saved
  int lowcofWords = kLowcofWords;  // words of LOWCOF saved
};
inline constexpr EditorIdentity kEditor{};

inline constexpr int kSlotCount = 20;
inline constexpr int kFinalSlot = 20;  // shown to the user as page 19

// What the slot loop calls. SALMED wires in the real load, pages and save; tests drive the loop
// with their own.
struct SequencerHooks {
  std::function<void(int& startCode, char& choice)> load;  // IOINIT
  std::function<void(int slot)> page;                      // the page routine of a slot
  std::function<int()> finish;                             // FINISH; kFinishBackToFinalPage to go back
};

// The slot a skipped slot jumps to, or 0 when the slot's page is shown.
int slotSkipTarget(int slot);
// Whether a slot that is not skipped calls its page (slots 11 and 12 only when switched on; 19 never).
bool slotCallsPage(int slot);
// The next slot after slots 1 to 19, from TPCM.LBACK and TPCM.IPAG. `pageRan` is false for a slot
// whose page did not run.
int slotDispatch(int slot, bool pageRan);
// After the final slot: the next slot, kReloadAfterFinal (a hard-copy pass starts) or kEndRun.
inline constexpr int kEndRun = 0;
inline constexpr int kReloadAfterFinal = -1;
int afterFinalSlot();

// Stores the settings of every opened data set and, for choice 'C', the editor's new-data-set
// defaults.
void sequencerDefaults(char choice);

void runSequencer(const SequencerHooks& hooks);
void SALMED();

}  // namespace qv

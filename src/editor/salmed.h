// The page sequencer: the whole interactive editing run. It loads or creates the data set, gives a
// new one its defaults, and leads the user through twenty page slots until the final page hands
// over to the save.
#pragma once

#include <functional>
#include <string_view>

#include "dataset/lowcof.h"
#include "dataset/program_identity.h"
#include "dataset/tpcm.h"
#include "util/sim_types.h"

namespace qv {

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
// defaults. An opened data set keeps its vessel type (1 to 6; any other starts as a ship), and
// SEMI_LIKE follows the type.
void sequencerDefaults(char choice);
// The header of what the session saves, whatever road loaded the data set: this program's size
// word NTOGO, creator CREATR, version VERNO and year IYEAR.
void stampSavedHeader();
// After page 3: FRESLM from the attachment IARCO; a free SALM has no vessel pages (LQUAS and
// ISURGE 0).
void settleAttachment();

void runSequencer(const SequencerHooks& hooks);
void SALMED();

}  // namespace qv

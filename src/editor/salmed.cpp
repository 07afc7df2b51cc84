#include "editor/salmed.h"

#include <cstdint>

#include "dataset/finish.h"
#include "dataset/ioinit.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "editor/env_pages.h"
#include "editor/pages.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/nav_codes.h"

namespace qv {

namespace {

// Targets of H and S by slot (index 0 unused).
constexpr int kHelpTarget[kSlotCount + 1] = {0, 1, 2, 4, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0};
constexpr int kSkipTarget[kSlotCount + 1] = {0, 3, 4, 6, 6, 7, 8, 9, 11, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1, 0};

// The vessel pages off for an attached SALM: LQUAS and FRESLM sum to 0, summed wide, since a loaded
// data set may hold either at the integer's limit.
bool vesselPagesOff() { return std::int64_t{TPCM.LQUAS} + TPCM.FRESLM == 0; }

// Vessel pages are skipped with the vessel pages off, and for a free SALM go on to the current page.
int vesselSkip() {
  if (vesselPagesOff()) return 17;
  if (TPCM.FRESLM != 0) return 12;
  return 0;
}

int jumpTarget() { return TPCM.IPAG >= 1 && TPCM.IPAG <= kSlotCount ? TPCM.IPAG : 1; }

// The back rule of slots 1 to 19: the slot to go back to, or 0 when it does not hold.
int backTarget(int slot) {
  const int code = TPCM.LBACK;
  if (slot <= 12) {
    if (code > kNavBack) return 0;
    if (slot == 1) return kFinalSlot;
    if (slot == 12) return TPCM.FRESLM == 0 ? 11 : 2;
    return slot - 1;
  }
  if (slot == 17) {
    if (code == kNavBack && vesselPagesOff()) return 4;
    return code <= kNavBack ? 16 : 0;
  }
  return code == kNavBack ? slot - 1 : 0;
}

// The page of a slot with its label. The vessel pages take the text "Vessel".
void callPage(int slot) {
  constexpr std::string_view vessel = "Vessel";
  Tpcm& t = TPCM;
  switch (slot) {
    case 1: STATIC(); break;
    case 2: SALM("2"); break;
    case 3: SALM2B("3"); break;
    case 4: QUASCK("4"); break;
    case 5: VESEL1("5", vessel); break;
    case 6: VESEL2("6", vessel); break;
    case 7: VESEL3("7", vessel); break;
    case 8:
      LOWVES({.label = "8", .vesselText = vessel, .EDUNIT = t.EDUNIT, .KBD = kKeyboardUnit, .NUNTS = t.NUNTS,
              .IBATCH = t.IBATCH,
              .out = {.LWBARG = t.LWBARG, .LCBARG = t.LCBARG, .LWVCOF = t.LWVCOF, .BOWWND = t.BOWWND,
                      .BOWCUR = t.BOWCUR, .LOADED = t.LOADED, .DFTPCT = t.DFTPCT, .DWTONS = t.DWTONS, .tables = LOWCOF,
                      .CURCOR = t.CURCOR, .XSHDOW = t.XSHDOW, .YSHDOW = t.YSHDOW, .LEG_CYL_DFC = t.LEG_CYL_DFC,
                      .LBACK = t.LBACK, .IPAG = t.IPAG}});
      break;
    case 9: EXTFRC("9", vessel); break;
    case 10: AREAS("10", vessel); break;
    case 11: WIND("11"); break;
    case 12: CURENT(t.FRESLM, "12"); break;
    case 13: EXTEND("13"); break;
    case 14: MORREG("14"); break;
    case 15: MORRAN("15"); break;
    case 16: SWELL("16"); break;
    case 17: SLMOUT("17"); break;
    case 18: SLMOT2("18"); break;
    case 20: SLMFIN("19"); break;
    default: break;
  }
}

// The pre-edit copies taken by the load and compared by the save.
struct EditorImages {
  TpcmImage IOBUF;
  LowcofImage ILOBUF;
  int IERR0 = 0;  // "LOWDAT" read status at load
  int IERR1 = 0;  // data-file read status at load
  void reset() {
    IOBUF.fill(0);
    ILOBUF.fill(0);
    IERR0 = 0;
    IERR1 = 0;
  }
};
EditorImages images;  // static storage: the copy of TPCM is too large for the stack
const BlockReset resetImages{[] { images.reset(); }};

void loadDataSet(int& startCode, char& choice) {
  const EditorIdentity& id = kEditor;
  IOINIT(makeText<8>(id.productName), makeText<5>(""), images.IOBUF, images.ILOBUF, choice, startCode,
         makeText<12>(id.dataFile), images.IERR0, images.IERR1, id.version, id.year, id.simulationType,
         makeText<12>(id.editorName), id.platformCode, id.modeWord, id.storedWords, nullptr, LOWCOF);
}

int finishSession() {
  const EditorIdentity& id = kEditor;
  int result = 0;
  FINISH({.ICOMP = id.platformCode, .MODE = id.modeWord, .IIN = kKeyboardUnit, .EDUNIT = TPCM.EDUNIT,
          .ISCRN = kScreenUnit, .data = wordsOf(TPCM), .preEditData = images.IOBUF.data(), .low = wordsOf(LOWCOF),
          .preEditLow = images.ILOBUF.data(), .PROGTYPE = id.simulationType, .NLOW = id.lowcofWords,
          .NDAT = id.storedWords, .DATFIL = makeText<12>(id.dataFile), .BAKFIL = makeText<12>(id.backupFile),
          .LOWFIL = makeText<12>(id.coefficientFile), .LOWBAKFIL = makeText<12>(id.coefficientBackup),
          .CALLER = makeText<12>(id.editorName), .CHAINFLAG = 0,
          .out = {.SRCDAT = TPCM.SRCDAT, .LBACK = TPCM.LBACK, .IPAG = TPCM.IPAG, .IRET = result,
                  .IFLGLOW = images.IERR0, .IFLGDAT = images.IERR1}});
  return result;
}

}  // namespace

int slotSkipTarget(int slot) {
  switch (slot) {
    case 4: return TPCM.FRESLM != 0 ? 6 : 0;
    case 5:
    case 6:
    case 8: return vesselSkip();
    case 13:
      if (TPCM.FRESLM == 0) return 0;
      return TPCM.LBACK == kNavBack ? 12 : 14;
    default: return 0;
  }
}

bool slotCallsPage(int slot) {
  if (slot == 11) return TPCM.LWIND == 1;
  if (slot == 12) return TPCM.LCURNT == 1;
  return slot != 19;
}

int slotDispatch(int slot, bool pageRan) {
  switch (TPCM.LBACK) {
    case kNavHelp:
      // A slot without a page would select itself for ever: go on instead.
      return pageRan ? kHelpTarget[slot] : slot + 1;
    case kNavFirst: return 1;
    case kNavLast:
    case kNavExecute: return kFinalSlot;
    case kNavSkip: return kSkipTarget[slot];
    case kNavJump: return jumpTarget();
    default: {
      const int back = backTarget(slot);
      return back != 0 ? back : slot + 1;
    }
  }
}

int afterFinalSlot() {
  if (TPCM.LCOPY != 0) return kReloadAfterFinal;
  switch (TPCM.LBACK) {
    case kNavHelp:
    case kNavLast: return kFinalSlot;
    case kNavFirst: return 1;
    case kNavSkip: return 2;
    case kNavJump: return jumpTarget();
    case kNavBack: return 18;
    case kNavBlank: return 1;
    default: return kEndRun;  // E, the save codes of the end-of-session menu, anything else
  }
}

void sequencerDefaults(char choice) {
  // Every opened or created data set.
  TPCM.NEWFLG = 0;
  TPCM.MAXSEA = 1;
  TPCM.MAXPRM = 1;
  TPCM.MAXANG = 36;
  TPCM.MAXDIR = 1;
  // The vessel type the user chose is kept; only a new data set, or a type this program has no
  // hull for, starts as a ship. The semi-submersible switch always follows the type, so that the
  // hull model the run selects is the one the type names.
  if (choice == 'C' || vesselType(TPCM.VESTYP) == nullptr) TPCM.VESTYP = kShipVessel;
  TPCM.SEMI_LIKE = columnStabilised(TPCM.VESTYP) ? 1 : 0;
  TPCM.ISPM = 1;
  if (choice == 'C') {
    TPCM.LBOW = 0;
    TPCM.LSTERN = 0;
    TPCM.ISURGE = 0;
    TPCM.LMOTN = 0;
    TPCM.TLOAD = 0.0f;
    TPCM.PRNRAO = 1;
    TPCM.NELEM = 1;
    TPCM.ISTAT = 0;
    TPCM.ANCHOR = 0.0f;
    TPCM.IFRANC = 0;
    TPCM.LSGLFD = 0;
    TPCM.COFMAS = 1.0f;
    TPCM.DURATN = 1.0f;
    TPCM.COFDMP = 1.0f;
    TPCM.PNDARM = 1.0f;
    TPCM.YOKVES = kInLineYokeAngle;
    TPCM.LOADED = 100.0f;
    TPCM.NTAB = kMaxTablePoints;
    TPCM.IPIERC = 1;
    TPCM.LQUAS = 1;
    TPCM.LTABL = 1;
    TPCM.LOFFST = 1;
    TPCM.LDYN = 1;
    TPCM.LOWMOT = 1;
    TPCM.LODNET = 1;
    TPCM.STAMOT = 1;
    TPCM.LRANDM = 1;
    TPCM.COFMST.fill(1.0f);
    TPCM.COFDMT.fill(1.0f);
  }
  TPCM.LGAP = 0;
}

void stampSavedHeader() {
  // The load stamps the header of a data set opened for editing, but not of one executed from the
  // start menu: a damaged size word would be saved again and the run would refuse the file.
  const EditorIdentity& id = kEditor;
  TPCM.NTOGO = id.storedWords;
  TPCM.CREATR = id.simulationType;
  TPCM.VERNO = id.version;
  TPCM.IYEAR = id.year;
}

void settleAttachment() {
  TPCM.FRESLM = 0;
  if (TPCM.IARCO == kFreeSalm) {  // no vessel pages
    TPCM.ISURGE = 0;
    TPCM.FRESLM = 1;
    TPCM.LQUAS = 0;
  }
}

void runSequencer(const SequencerHooks& hooks) {
  TPCM.LCOPY = 0;
  for (;;) {  // one pass per load: the start, and each return after a hard-copy pass
    int startCode = kStartNormal;
    char choice = ' ';
    hooks.load(startCode, choice);
    int slot = 1;
    if (startCode == kStartFinalPage) {
      slot = kFinalSlot;
    } else if (startCode != kStartAfterHardCopy) {
      sequencerDefaults(choice);
    }

    for (;;) {
      // A word of the stored data set, whatever a file left in it: it wraps past the integer's limit.
      TPCM.IPAG = static_cast<std::int32_t>(static_cast<std::uint32_t>(TPCM.IPAG) + 1u);
      if (TPCM.LBACK == kNavSkip) TPCM.LBACK = 0;

      if (slot != kFinalSlot) {
        if (const int skipTo = slotSkipTarget(slot)) {
          slot = skipTo;
          continue;
        }
        const bool pageRan = slotCallsPage(slot);
        if (pageRan) hooks.page(slot);
        if (slot == 3) settleAttachment();
        slot = slotDispatch(slot, pageRan);
        continue;
      }

      hooks.page(kFinalSlot);
      const int next = afterFinalSlot();
      if (next == kReloadAfterFinal) break;  // the hard-copy pass runs from the load
      if (next != kEndRun) {
        slot = next;
        continue;
      }
      TPCM.IVERS_SUFX = 0;
      stampSavedHeader();
      const int keptUnit = TPCM.EDUNIT;
      TPCM.EDUNIT = 0;  // a saved data set holds 0 here
      const int result = hooks.finish();
      TPCM.EDUNIT = keptUnit;
      if (result == kFinishBackToFinalPage) {
        slot = kFinalSlot;
        continue;
      }
      return;
    }
  }
}

void SALMED() {
  SequencerHooks hooks;
  hooks.load = loadDataSet;
  hooks.page = callPage;
  hooks.finish = finishSession;
  runSequencer(hooks);
}

}  // namespace qv

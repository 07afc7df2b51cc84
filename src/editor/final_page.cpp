// The final page (shown as page 19): the end-of-session menu, the data checks before leaving or
// executing, and the page listing made before the first execution of a run.
#include "editor/final_page.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dataset/finish.h"
#include "dataset/run_checks.h"
#include "dataset/salm_elements.h"
#include "dataset/tpcm.h"
#include "dataset/veswrn.h"
#include "editor/fintop.h"
#include "editor/pages.h"
#include "editor/salmed.h"
#include "platform/block_reset.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/whole_files.h"

namespace qv {

constinit FinalPageState finalPageState{};
namespace {
const BlockReset resetFinalPageState{[] { finalPageState.reset(); }};
}  // namespace

namespace {

constexpr std::string_view kListingFile = "SALMIN.stxt ";
const Text<12> kCaller = makeText<12>(kEditor.editorName);  // the caller named in file errors
constexpr int kWarningsPerScreen = 7;

struct Counts {
  std::int32_t warnings = 0;
  std::int32_t fatals = 0;
};

// The run's findings about values that a check of this page is about too: each is shown once,
// under that check (of its own kind, so that the counts stay what they were), as a line that says
// where to change the value, and not again on its own. The findings are taken at the first check
// that asks, after the end-of-session checks have made their silent repairs.
class ValueNotes {
 public:
  std::vector<std::string> linesFor(bool fatal, std::span<const ValuePlace> places) {
    if (!findings_) findings_ = runFindings();
    std::vector<std::string> lines;
    for (const RunFinding& f : *findings_) {
      if (f.fatal != fatal || f.value.empty() || shown(f) || std::ranges::find(places, f.place) == places.end())
        continue;
      addFlowingLines(lines, "     ", f.value + ".");
      shown_.push_back(f.value);
    }
    return lines;
  }
  bool shown(const RunFinding& f) const {
    return !f.value.empty() && std::ranges::find(shown_, f.value) != shown_.end();
  }

 private:
  std::optional<std::vector<RunFinding>> findings_;
  std::vector<std::string> shown_;
};

// One message of the checks, counted; with the places of the values it is about, the run's findings
// about them follow its text.
// `named`: lines that name the check's values with their page and item, written when no finding
// says where to change them.
void report(Counts& c, bool fatal, std::initializer_list<std::string_view> lines, ValueNotes* notes = nullptr,
            std::span<const ValuePlace> about = {}, const std::vector<std::string>& named = {}) {
  std::vector<std::string> all(lines.begin(), lines.end());
  std::vector<std::string> extra;
  if (notes != nullptr) extra = notes->linesFor(fatal, about);
  if (extra.empty()) extra = named;
  for (std::string& line : extra) all.push_back(std::move(line));
  reportCheck(c.warnings, c.fatals, fatal, all);
}

constexpr ValuePlace kPiercingPlaces[] = {{2, 6}, {3, 2}, {1, 4}};

// Where the piercing element stands against the water depth, and the items that set it.
std::vector<std::string> piercingLines(bool valid, float height) {
  const Tpcm& t = TPCM;
  std::vector<std::string> lines{"     Salm element that pierces water (page 2, item 6) is " + std::to_string(t.IPIERC) +
                                 "."};
  if (!valid) {
    addFlowingLines(lines, "     ", "No element of the column is numbered so (page 2, item 1: " + std::to_string(t.NELEM) +
                                       " elements).");
    return lines;
  }
  addFlowingLines(lines, "     ",
                  "Its lower end stands " + messageValue(height) + " above the sea bed and its top " +
                      messageValue(height + t.SLEN(t.IPIERC)) + ", by the element lengths (page 3, item 2), in a "
                      "water depth of " + messageValue(t.DEPTH) + " (page 1, item 4).");
  return lines;
}

constexpr ValuePlace kTankerDimensionPlaces[] = {{5, 8}, {5, 9}, {5, 10}};

// The element loops never run past the element tables, whatever NELEM a file holds.
int elementCount() { return std::clamp(TPCM.NELEM, 0, kMaxSalmElements); }

bool piercingElementValid() { return TPCM.IPIERC >= 1 && TPCM.IPIERC <= elementCount(); }

void salmChecks(Counts& c, ValueNotes& notes) {
  const int n = elementCount();
  int freeJoints = 0;
  float height = 0.0f;  // lower end of the piercing element above the seabed
  for (int i = 1; i <= n; ++i) {
    if (TPCM.IFREE(i) != 0) ++freeJoints;
    if (i < TPCM.IPIERC) height += TPCM.SLEN(i);
  }

  // A single member of an attached SALM is refused by the run's findings (freeJointFinding), which
  // say what to add.
  if (freeJoints > 3)
    report(c, false, {" ++> Warning: no dynamic analysis will be done, because there are more than",
                      "              three free joints."});

  if (TPCM.NELEM != 0 && surfacePiercingExpected(TPCM.WETYOK) && TPCM.IARCO < kPendularMass) {
    // With no valid piercing element nothing spans the water surface.
    const bool spansSurface = piercingElementValid() && height < TPCM.DEPTH &&
                              height + TPCM.SLEN(TPCM.IPIERC) > TPCM.DEPTH;
    if (!spansSurface)
      report(c, false, {" ++> Warning: apparent inconsistency between",
                        "              water depth and height of water-piercing element."},
             &notes, kPiercingPlaces, piercingLines(piercingElementValid(), height));
  }

  if (piercingElementValid()) {
    const float ratio = TPCM.BUOY(TPCM.IPIERC) / TPCM.SLEN(TPCM.IPIERC);
    if (std::fabs(ratio - TPCM.WPAPRC) > 0.05f * TPCM.WPAPRC)
      report(c, false, {" ++> Warning: apparent inconsistency between volume,",
                        "     length and waterplane area of piercing element."});
  }

  if (TPCM.IARCO > kYoke)
    report(c, false, {" ++> Warning: Version " + fmtF(TPCM.VERNO, 3, 1) + " supports only free SALMS",
                      "     and vessel-yoke type systems; proceed at your own risk."});

  TPCM.NMOMT = momentElementCount();
  if (TPCM.NBUG0 != 0) {
    writeRecord(TPCM.EDUNIT, "NMOMT = :");
    writeRecord(TPCM.EDUNIT, fmtI(TPCM.NMOMT, 6));
  }

  if (!(TPCM.BWL * TPCM.LWL * TPCM.DRAFT > 0.0f || TPCM.LQUAS == 0 || TPCM.FRESLM != 0))
    report(c, true, {" ++> Fatal Warning: Tanker draft, beam, or length incorrectly specified."}, &notes,
           kTankerDimensionPlaces);
}

// The messages of the data checks that stop a silent execution go to the folder, for the user to
// read; true when they are there.
bool checkMessagesPlaced(std::string_view caller) {
  return closeWholeFile(kDiagnosticsUnit, caller, kScreenUnit, kKeyboardUnit,
                        fileNotWrittenOutcome("The data checks' messages were not written."));
}

// A silent execution chosen at the menu that meets fatal warnings: the counts are reported on the
// screen, with the messages file that holds the checks' messages, and the menu comes back, as for an
// interactive execution; the menu and the pages it leads to are drawn on the screen again, where the
// keyboard's replies are typed.
void silentRunRefused(const Counts& c) {
  const bool placed = checkMessagesPlaced("SLMFIN");
  TPCM.EDUNIT = kScreenUnit;
  CLEAR(kScreenUnit);
  writeRecord(kScreenUnit, "");
  writeRecord(kScreenUnit, " ++> Silent execution stopped: " + fmtI(c.warnings, 0) + " warning(s) and " +
                               fmtI(c.fatals, 0) + " fatal warning(s)" + (placed ? ";" : "."));
  if (placed) writeRecord(kScreenUnit, "     see \"Diagnostics.stxt\".");
  PRSRET(kScreenUnit, kKeyboardUnit);
}

// The page listing made before the first execution of a run. A folder that does not take it stops
// the execution before any file is written: false, after saying so.
bool executionListingStarted() {
  FinalPageState& s = finalPageState;
  if (!openWholeFile(kListingFile, kListingUnit, kCaller.view(), kScreenUnit, kKeyboardUnit,
                     executionNotStartedOutcome()))
    return false;
  s.HCDONE = 1;
  TPCM.LCOPY = 1;
  TPCM.LBACK = kNavFirst;
  s.UNTSAV = TPCM.EDUNIT;
  TPCM.EDUNIT = kListingUnit;
  return true;
}

}  // namespace

void finalPageChecks(std::int32_t& warnings, std::int32_t& fatals) {
  Counts c;
  ValueNotes notes;
  VESWRN(c.warnings, c.fatals,
         [&notes](bool fatal, std::span<const ValuePlace> places) { return notes.linesFor(fatal, places); });
  TPCM.LSPM = 1;
  salmChecks(c, notes);
  for (const RunFinding& finding : runFindings())
    if (!notes.shown(finding)) reportCheck(c.warnings, c.fatals, finding.fatal, finding.lines);
  warnings = c.warnings;
  fatals = c.fatals;
}

namespace {

// The end-of-session menu and, when the user asks to leave or to execute, the checks, until the
// page is left with LBACK as the user's decision.
void menuAndChecks(std::string_view label, Counts& c) {
  FinalPageState& s = finalPageState;
  for (;;) {
    std::int32_t status = 0;
    FINTOP(label, TPCM.SIMTYP, status, kListingFile, kCaller.view(), TPCM.IPAG, TPCM.LCOPY, TPCM.EDUNIT, s.UNTSAV,
           TPCM.LBACK, c.warnings, c.fatals, TPCM.WriteAuxDatFiles);
    if (status == kFintopLeave) break;

    finalPageChecks(c.warnings, c.fatals);

    if (TPCM.EDUNIT == kDiagnosticsUnit) {  // a silent execution
      writeRecord(kDiagnosticsUnit, "");
      writeRecord(kDiagnosticsUnit, " >>> Data checks: " + fmtI(c.warnings, 0) + " warning(s) and " +
                                        fmtI(c.fatals, 0) + " fatal warning(s).");
      TPCM.NBUG = 0;
      TPCM.NBUG0 = 0;
      TPCM.IUNIT = 1;
      if (c.fatals > 0) {
        if (TPCM.LEASTP == kModeUnattended) {  // an unattended run cannot be asked
          checkMessagesPlaced("???FIN");
          silentStop("SLMFIN");
        }
        silentRunRefused(c);
        continue;
      }
      break;
    }
    if (c.warnings == 0 && c.fatals == 0) break;
    if ((c.warnings + c.fatals) % kWarningsPerScreen != 0) {
      PRSRET(TPCM.EDUNIT, kKeyboardUnit);
      CLEAR(TPCM.EDUNIT);
    }
  }
}

}  // namespace

void SLMFIN(std::string_view label) {
  FinalPageState& s = finalPageState;
  // A silent execution comes back to this page, out of a listing pass, only when its save did not
  // go through (a failed save): nothing runs, and its messages go with it.
  if (TPCM.EDUNIT == kDiagnosticsUnit && TPCM.LCOPY == 0 && TPCM.LEASTP != kModeUnattended)
    silentExecutionDropped(TPCM.EDUNIT);
  Counts c;
  for (;;) {
    menuAndChecks(label, c);
    if (fintopState.listingLost) {  // the next execution lists the pages again
      fintopState.listingLost = false;
      s.HCDONE = 0;
    }
    if (TPCM.LBACK != kNavExecute) return;
    // An execution holds the folder before its first file (a silent one from the menu on), and the
    // first execution of a run makes the page listing first: in a folder an analysis holds, or one
    // that does not take the listing, it writes nothing, and the menu comes back.
    if (holdFolderForExecution() && (s.HCDONE != 0 || executionListingStarted())) return;
    TPCM.LBACK = 0;
    if (TPCM.EDUNIT == kDiagnosticsUnit) silentExecutionDropped(TPCM.EDUNIT);
  }
}

}  // namespace qv

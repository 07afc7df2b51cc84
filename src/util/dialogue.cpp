#include "util/dialogue.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/block_reset.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "util/list_read.h"

namespace qv {

namespace {

constexpr const char* kAbortPrompt = "Enter \"A\" to abort or Press <RETURN> to continue: ";
constexpr const char* kBell = "\a";

// The navigation summary behind "H" at a selection prompt.
constexpr const char* kNavigationHelp[] = {
    "",
    "",
    " At any \"Enter number of selection\" prompt:",
    "",
    " (F)  First page",
    " (L)  Last page",
    " (S)  Skip ahead a page",
    " (E)  Execute program",
    " (B)  Back a page",
    " (Jn) Jump to page \"n\"",
    " (?)  Help summary for current page",
    " (?n) Help on current page for selection \"n\"",
    "",
};

// The abort question shared by ABORT0 and SERV_ABORT, once the unattended case is settled.
void askAbort(std::int32_t unit, std::int32_t& result) {
  writeRecord(unit, kBell);
  WRTLIN(kAbortPrompt, unit);
  char c = ' ';
  READCP(c);
  result = (c == 'A' || c == 'a') ? -1 : 0;
}

// The question after a failed iteration: blank 0, A -1, 99 99 and, when acceptOne is set, 1 1; any
// other reply is shown and the run stops. Unit 41 cannot be asked and stops.
void iterationQuestion(std::int32_t unit, std::int32_t inUnit, std::int32_t& result, bool acceptOne) {
  if (unit == kDiagnosticsUnit) silentStop("ABORT3");
  const std::string reply = abortQuestionReply(unit, inUnit);
  if (reply.find_first_not_of(' ') == std::string::npos) {
    result = 0;
    return;
  }
  std::string firstItem;
  listRead(reply, {&firstItem});
  if (!firstItem.empty() && (firstItem[0] == 'A' || firstItem[0] == 'a')) {
    result = -1;
    return;
  }
  std::int32_t option = 0;
  if (listRead(reply, {&option}) == ListStatus::kDone && (option == 99 || (acceptOne && option == 1))) {
    result = option;
    return;
  }
  writeConsoleRecord("");
  writeConsoleRecord(" >>> Unrecognized option in ABORT3: " + reply);
  writeConsoleRecord("     Press <Return> to continue");
  readReply(inUnit, 1);
  silentStop("ABORT3");
}

// A value reply that is no number: the value stays, and the next selection prompt says so.
void noteNotANumber(std::string_view reply, std::string_view what) {
  const std::size_t first = reply.find_first_not_of(' ');
  const std::size_t last = reply.find_last_not_of(' ');
  const std::string typed(reply.substr(first, last - first + 1));
  valueNoteState.lines = {" ++> \"" + typed + "\" is not " + std::string(what) + "; the value was not changed."};
}

}  // namespace

constinit ValueNoteState valueNoteState{};
const BlockReset resetValueNote{[] { valueNoteState.reset(); }};

void ENTSEL(std::int32_t& selection, std::int32_t unit, std::int32_t inUnit, std::int32_t& number) {
  writeRecord(unit, " ");
  for (const std::string& line : valueNoteState.lines) writeRecord(unit, line);
  valueNoteState.reset();
  WRTLIN("Enter number of selection (\"H\" for help): ", unit);
  selection = 0;
  READI(selection, inUnit, number);
  if (selection == kNavBang) {
    selection = kNavHelp;
    return;
  }
  if (selection == kNavHelp) {
    CLEAR(unit);
    for (const char* line : kNavigationHelp) writeRecord(unit, line);
    PRSRET(unit, inUnit);
  }
}

void ENTERI(std::int32_t& value, std::int32_t unit, std::int32_t inUnit) {
  WRTLIN("Enter new value: ", unit);
  const std::string reply = readReply(inUnit, 6);
  std::int32_t typed = value;
  std::int32_t scratch = 0;
  if (takeIntegerReply(reply, typed, scratch) == ReplyTaken::kNotANumber) {
    noteNotANumber(reply, "a whole number");
    return;
  }
  value = typed;
}

void ENTERF(float& value, std::int32_t unit, std::int32_t inUnit) {
  WRTLIN("Enter new value: ", unit);
  const std::string reply = readReply(inUnit, 12);
  if (takeRealReply(reply, value) == ReplyTaken::kNotANumber) noteNotANumber(reply, "a number");
}

void TOGGLE(std::int32_t& flag) {
  if (flag == 0) flag = 1;
  else if (flag == 1) flag = 0;
  else writeConsoleRecord("  >>> Invalid argument in Toggle");
}

void TOGGLE_L(std::int32_t& flag) { flag = flag == 0 ? 1 : 0; }
void TOGGLE_L(bool& flag) { flag = !flag; }

void TOGGLE2(std::int32_t& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit) {
  TOGGLE3(flag, ask, unit, inUnit, "Yes", "No");
}

void TOGGLE2_L(std::int32_t& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit) {
  if (ask == 0) {
    TOGGLE_L(flag);
    return;
  }
  WRTLIN("Enter 1 for \"Yes\", 0 for \"No\": ", unit);
  std::int32_t reply = 2;  // neither answer: a blank reply leaves it so and keeps the flag
  std::int32_t scratch = 0;
  READI(reply, inUnit, scratch);
  if (reply == 1) flag = 1;
  else if (reply == 0) flag = 0;
}

void TOGGLE2_L(bool& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit) {
  std::int32_t word = flag ? 1 : 0;
  TOGGLE2_L(word, ask, unit, inUnit);
  flag = word != 0;
}

void TOGGLE3(std::int32_t& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit, std::string_view word1,
             std::string_view word0) {
  if (ask == 0) {
    flag = flag == 0 ? 1 : 0;
    return;
  }
  std::string prompt = "Enter 1 for \"" + std::string(word1) + "\", 0 for \"" + std::string(word0) + "\":";
  if (prompt.size() > 60) prompt.resize(60);
  prompt.erase(prompt.find_last_not_of(' ') + 1);
  prompt += ' ';
  WRTLIN(prompt, unit);
  const std::int32_t old = flag;
  std::int32_t scratch = 0;
  READI(flag, inUnit, scratch);
  if (flag != 0 && flag != 1) flag = old;
}

void YESNO(Text<3>& word, std::int32_t flag) {
  word.assign(flag == 1 ? "Yes" : flag == 0 ? "No " : "Awk");
}

void YESNO_L(Text<3>& word, std::int32_t flag) { word.assign(flag != 0 ? "Yes" : "No "); }
void YESNO_L(Text<3>& word, bool flag) { word.assign(flag ? "Yes" : "No "); }

void MAXCHK(std::int32_t& value, std::int32_t maximum) {
  value = std::min(value, maximum);
  if (value < 0) value = 0;
}

void POSCHK(std::int32_t& row, std::int32_t maximum) {
  row = std::min(row, maximum);
  if (row <= 0) row = 1;
}

void NOHELP(std::int32_t unit, std::int32_t inUnit) {
  CLEAR(unit);
  writeRecord(unit, "");
  writeRecord(unit, "");
  writeRecord(unit, " ++> Sorry, no help for this page...");
  writeRecord(unit, "");
  PRSRET(unit, inUnit);
}

void ABORT0(std::int32_t unit, std::int32_t /*spare*/, std::int32_t& result) {
  result = 0;
  if (unit == kDiagnosticsUnit) return;
  askAbort(unit, result);
}

void SERV_ABORT(std::int32_t unit, std::int32_t /*spare*/, std::int32_t& result) {
  result = 0;
  // An unattended run cannot be asked and must not carry on past the warning: it ends as failed.
  if (unit == kDiagnosticsUnit) silentStop("SERV_ABORT");
  askAbort(unit, result);
}

std::string abortQuestionReply(std::int32_t unit, std::int32_t inUnit) {
  if (unit == kDiagnosticsUnit) return std::string(12, ' ');
  writeRecord(unit, kBell);
  WRTLIN(kAbortPrompt, unit);
  return readReply(inUnit, 12);
}

void ABORT3(std::int32_t unit, std::int32_t inUnit, std::int32_t& result) {
  iterationQuestion(unit, inUnit, result, false);
}

void abort3OrAcceptOne(std::int32_t unit, std::int32_t inUnit, std::int32_t& result) {
  iterationQuestion(unit, inUnit, result, true);
}

void WRNFUL(std::int32_t& count, std::int32_t unit, std::int32_t inUnit) {
  if (count < 5) return;
  std::int32_t reply = 0;
  PRSRET(unit, inUnit, reply);
  if (reply < 0) return;
  CLEAR(unit);
  count = 0;
}

void INBUG(std::int32_t& debugLevel, std::int32_t unit, std::int32_t inUnit) {
  debugLevel = 0;
  // The listings are on (1) or off (0); an unattended run asks nothing and lists nothing.
  enterBounded("Input NBUG: ", debugLevel, 0, 1, unit, inUnit);
}

void enterBounded(std::string_view prompt, std::int32_t& value, std::int32_t lowest, std::int32_t highest,
                  std::int32_t unit, std::int32_t inUnit) {
  if (unit == kDiagnosticsUnit) return;
  const std::string range = "enter a value from " + std::to_string(lowest) + " to " + std::to_string(highest) + ".";
  for (;;) {
    WRTLIN(prompt, unit);
    const std::string reply = readReply(inUnit, 6);
    std::int32_t typed = 0;
    std::int32_t scratch = 0;
    const ReplyTaken taken = takeIntegerReply(reply, typed, scratch);
    if (taken == ReplyTaken::kBlank) return;
    // A count is no page selection: a negative number stands as typed, where READI would take
    // "-5" for the item 0.
    if (int whole = 0; taken == ReplyTaken::kTaken && readIntField(std::string_view(reply).substr(0, 6), whole))
      typed = whole;
    if (taken == ReplyTaken::kTaken && typed >= lowest && typed <= highest) {
      value = typed;
      return;
    }
    if (taken == ReplyTaken::kNotANumber) {
      const std::size_t first = reply.find_first_not_of(' ');
      const std::size_t last = reply.find_last_not_of(' ');
      writeRecord(unit, " ++> \"" + reply.substr(first, last - first + 1) + "\" is not a number: " + range);
    } else {
      writeRecord(unit, " ++> Out of range: " + range);
    }
  }
}

}  // namespace qv

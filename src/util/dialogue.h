// The small dialogues shared by every page and analysis stage: the selection prompt with its
// navigation help, value entry, toggles, clamps, the "no help" screen, the abort questions, the
// warning-list pause and the debug-level prompt. Unit 41 (an unattended run) is silent as in
// console_io.h. The prompt texts are exact, blanks and the closing ": " included.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "util/farray.h"

namespace qv {

// The selection prompt of every page. "?n" and "Jn" deliver n in `number`. "!" gives the help code
// without the navigation summary; "H" clears the screen, shows the summary and pauses.
void ENTSEL(std::int32_t& selection, std::int32_t unit, std::int32_t inUnit, std::int32_t& number);
// "Enter new value: " into an integer (a blank reply keeps it; a letter leaves its READI code).
// A reply that is no number ("1O0", "150m") keeps the value too, and the next selection prompt
// says so in one line naming what was typed.
void ENTERI(std::int32_t& value, std::int32_t unit, std::int32_t inUnit);
// "Enter new value: " into a real (a blank reply keeps it). A reply that is no number ("abc",
// "1,5") keeps the value, and the next selection prompt says so in one line naming what was typed.
// Blanks within a number are ignored: "120 130" is 120130, for the item's bounds to judge.
void ENTERF(float& value, std::int32_t unit, std::int32_t inUnit);

// The line that a value prompt leaves for the next selection prompt, which writes it under the
// redrawn page (a line written at once would go with the page's clearing of the screen).
struct ValueNoteState {
  std::vector<std::string> lines;  // empty: nothing to say
  void reset() { lines.clear(); }
};
extern ValueNoteState valueNoteState;

// 0 <-> 1; any other value stays and a message says so.
void TOGGLE(std::int32_t& flag);
// A logical flag (0 false, anything else true).
void TOGGLE_L(std::int32_t& flag);
void TOGGLE_L(bool& flag);
// ask == 0: flips (0 becomes 1, anything else 0). Otherwise asks for 1 or 0; any other reply keeps
// the flag.
void TOGGLE2(std::int32_t& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit);
void TOGGLE2_L(std::int32_t& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit);
void TOGGLE2_L(bool& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit);
// TOGGLE2 with the caller's words for 1 and 0 in the prompt.
void TOGGLE3(std::int32_t& flag, std::int32_t ask, std::int32_t unit, std::int32_t inUnit, std::string_view word1,
             std::string_view word0);

// "Yes", "No " or (neither 0 nor 1) "Awk".
void YESNO(Text<3>& word, std::int32_t flag);
void YESNO_L(Text<3>& word, std::int32_t flag);
void YESNO_L(Text<3>& word, bool flag);

// value = min(value, maximum), then at least 0.
void MAXCHK(std::int32_t& value, std::int32_t maximum);
// row = min(row, maximum), then at least 1.
void POSCHK(std::int32_t& row, std::int32_t maximum);

// The screen of a page that has no help.
void NOHELP(std::int32_t unit, std::int32_t inUnit);

// After a warning: 'Enter "A" to abort or Press <RETURN> to continue: '; result -1 for A, else 0.
// Unit 41: 0 without asking.
void ABORT0(std::int32_t unit, std::int32_t spare, std::int32_t& result);
// As ABORT0, but an unattended run (unit 41) stops, since it cannot be asked.
void SERV_ABORT(std::int32_t unit, std::int32_t spare, std::int32_t& result);
// ABORT0's question (the bell and the prompt) for a caller that offers replies of its own beside "A":
// the reply line as typed, 12 characters. Unit 41: a blank reply, without asking.
std::string abortQuestionReply(std::int32_t unit, std::int32_t inUnit);
// After a failed iteration: blank 0 (continue), A -1 (abort), 99 (continue with the estimate);
// any other reply is shown and the run stops. Unit 41 stops.
void ABORT3(std::int32_t unit, std::int32_t inUnit, std::int32_t& result);
// ABORT3's question with one more reply: "1" gives 1 (take the current estimate of this item and go
// on). Every other reply, and unit 41, as ABORT3.
void abort3OrAcceptOne(std::int32_t unit, std::int32_t inUnit, std::int32_t& result);

// The pause of a long list of notes: from 5 on, PRSRET; a negative reply keeps the count, any other
// clears the screen and the count.
void WRNFUL(std::int32_t& count, std::int32_t unit, std::int32_t inUnit);
// "Input NBUG: " for the debug-print level of an analysis, 0 (no listings) or 1, bounded as
// enterBounded bounds it; a blank reply gives 0.
void INBUG(std::int32_t& debugLevel, std::int32_t unit, std::int32_t inUnit);

// A count or a code typed at a debug prompt of an analysis stage, bounded by what it selects: writes
// the prompt and reads the reply by READI's rules into `value`, except that a number stands as typed
// (READI's "-5" is the item 0; here it is -5); a blank reply keeps the value, whatever it is. A reply
// outside lowest to highest (a letter's code included) is refused with
// " ++> Out of range: enter a value from <lowest> to <highest>.", one that is no number ("abc") with
// " ++> "abc" is not a number: enter a value from <lowest> to <highest>.", and the prompt is asked again;
// the end of the keyboard input ends the run as at any prompt. Unit 41 asks nothing.
void enterBounded(std::string_view prompt, std::int32_t& value, std::int32_t lowest, std::int32_t highest,
                  std::int32_t unit, std::int32_t inUnit);

}  // namespace qv

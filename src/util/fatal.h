// The one fatal path: write the message, wait so that it can be read (never on unit 41, the
// diagnostics file of an unattended run), then end the run by throwing Stop with the status and the
// routine that stopped. A message of an analysis stage names its context first: the line and
// element, the period, the heading.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"

namespace qv {

// How a fatal stop waits after its message.
enum class FatalWait {
  kNone,         // no wait at all
  kPressReturn,  // PRSRET on the unit: an empty line, "Press <RETURN> to continue: ", one reply
  kPromptLine,   // the prompt "Press <RETURN> to continue: ", then one line from the console
  kReadLine,     // the message carries its own prompt; one line is read from the console
};

// Writes each line of `lines` as one record on `unit`, waits as `wait` says (reading from
// `inUnit` for kPressReturn), then throws Stop{status, routine}. In an unattended run (the
// diagnostics unit 41 connected) a message meant for the screen goes to unit 41 instead, without
// a wait: nobody watches the console. Not so while the editor holds the messages of a silent
// execution in memory (util/whole_files.h): they are dropped at the stop.
[[noreturn]] void fatalStop(std::string_view routine, std::int32_t unit, std::initializer_list<std::string_view> lines,
                            FatalWait wait = FatalWait::kPressReturn, std::int32_t inUnit = kKeyboardUnit,
                            int status = kExitFatal);
[[noreturn]] void fatalStop(std::string_view routine, std::int32_t unit, std::span<const std::string> lines,
                            FatalWait wait = FatalWait::kPressReturn, std::int32_t inUnit = kKeyboardUnit,
                            int status = kExitFatal);

// The message of the fatal stop that ended the run, its lines as written (empty lines left out);
// empty when the run ended in another way (silentStop, or no stop at all).
// `unwatched`: nobody watches the console (the analysis runner without "--interactive"). A fatal stop
// then never waits, and a message meant for the screen while no diagnostics file is open is only
// kept here, for the program to write to standard error at its end.
// `unanswered`: the run ended where a run at the console goes on, or is asked whether to (after a
// warning, a pause or a question: unansweredStop, silentStop), and not at a message that stops every
// run (fatalStop) or that already says what to do (explainedStop). An unattended runner follows such a
// stop with the line that says that the run stops there, and what to do.
struct FatalStopState {
  std::vector<std::string> message;
  bool unwatched = false;
  bool unanswered = false;
  void reset() { *this = FatalStopState{}; }
};
extern FatalStopState fatalStopState;

// The array index checks of util/farray.h: how many indices outside their bounds this run met
// (each of them stopped it). The fuzz targets check it stays 0.
struct ArrayBoundsState {
  int violations = 0;
  void reset() { *this = ArrayBoundsState{}; }
};
extern ArrayBoundsState arrayBoundsState;

// The unattended end of a warning that a run at the console goes on past (after its pause, or its
// question whether to go on): writes `lines` on `unit` (the diagnostics unit 41 of an unattended run)
// as fatalStop does, keeps them as the stop's message, and ends the run with status 1 as unanswered,
// so that the runner adds where it stops and what to do. A caller's check of unit 41 decides that
// nobody can answer.
[[noreturn]] void unansweredStop(std::string_view routine, std::int32_t unit, std::span<const std::string> lines);
// A stop with nothing to write or wait for, unanswered: an unattended run that meets a question it
// cannot ask, or the user's "A" at an abort question.
[[noreturn]] void silentStop(std::string_view routine, int status = kExitFatal);
// A silent stop whose message, already written, says that the run stops and what to do, so that the
// runner adds nothing to it.
[[noreturn]] void explainedStop(std::string_view routine);

}  // namespace qv

// The unit table: Fortran-style unit numbers bound to streams. The keyboard is unit 5, the screen
// unit 6; other numbers are bound to files by whoever opens them. Tests swap the console streams for
// string streams.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace qv {

inline constexpr int kKeyboardUnit = 5;
inline constexpr int kScreenUnit = 6;
inline constexpr int kDiagnosticsUnit = 41;  // the messages of an unattended run, in kDiagnosticsFile
inline constexpr int kListingUnit = 1;       // the page listing "SALMIN.stxt" of a hard-copy pass
inline constexpr int kImageUnit = 1;         // a data-file image ("SALMDAT", "LOWDAT", backups) being read or written
inline constexpr int kNotesUnit = 21;        // the load's notes "DATUPWRN.stxt"
inline constexpr int kPrinterUnit = 99;      // a printer: a new page is the record "1"

inline constexpr std::string_view kDiagnosticsFile = "Diagnostics.stxt";

// The console's own streams (stdin and stdout unless a test swapped them).
std::istream& consoleIn();
std::ostream& consoleOut();
// Replaces the console streams; nullptr restores the process's own.
void setConsole(std::istream* in, std::ostream* out);

// Connects a unit to an open stream (a file, or a file a run keeps in memory until its end), closing
// any file the unit held before.
void connectUnit(int unit, std::unique_ptr<std::iostream> stream, std::string fileName);
// Connects a unit to the console's output, closing any file the unit held before: what is written on
// it appears on the screen, while the unit still counts as connected (the analysis run in the
// interactive mode shows the load's messages of unit 41 this way).
void connectUnitToConsole(int unit);
// Closes the unit's file (kept on disk); does nothing for an unconnected unit or the console.
// Returns false when the stream reported an error on closing.
bool closeUnit(int unit);
void closeAllUnits();
bool unitConnected(int unit);
std::string unitFileName(int unit);

// The stream behind a unit: the screen for 6, the keyboard for 5, a connected file otherwise;
// nullptr for a unit that is not connected.
std::ostream* unitOut(int unit);
std::istream* unitIn(int unit);

// Writes one record (a line) on the unit. Writing to an unconnected unit is a programming error and
// goes to the screen, so nothing is lost silently.
void writeRecord(int unit, std::string_view text);
// Writes without a line end (prompts).
void writeNoEol(int unit, std::string_view text);
// The console's own output, whatever unit a prompt names: one record, or text with no line end.
void writeConsoleRecord(std::string_view text);
void writeConsoleNoEol(std::string_view text);

// Reads one line from an input unit (5: the console). The end of the keyboard input or a read error
// ends the run through keyboardEnded(); a file unit at its end returns false.
bool readRecord(int unit, std::string& line);
std::string readConsoleLine();

// The end of keyboard input: one message, nothing saved, exit status 2. Once the session's files
// are saved (the only wait left is the closing pause), the input ending there is a normal end.
[[noreturn]] void keyboardEnded();
void noteSessionSaved(bool saved = true);
// What the message says happened when the input ends, for a program that saves no data set (the
// analysis runner): " ++> Keyboard input ended; " and `outcome`. The editor's words stand otherwise.
void setInputEndedOutcome(std::string outcome);

}  // namespace qv

// Console line I/O: the readers of typed replies and the writers of prompts, blank lines, centred
// lines, new pages and pauses. One typed line is one reply.
//
// Two rules hold throughout. Unit 41 (the diagnostics file of an unattended run) is silent for
// WRTLIN, WRTLNI, CLEAR, PAGE and PRSRET, which then neither write nor read; LINES, CENTER and the
// empty lines of TWOPG write to whatever unit they are given, 41 included. Prompts (WRTLIN, WRTLNI,
// ENTCRD) always go to the console, whatever unit they name, and never end their line.
//
// The end of the keyboard input stops the run (platform/units.h); it is never read as a blank reply.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "util/nav_codes.h"

namespace qv {

// How a reply was taken by the rules of READI or CRREAD.
enum class ReplyTaken {
  kBlank,        // nothing typed: the value stays
  kTaken,        // a number, or (READI) a navigation code
  kNotANumber,   // something typed that is neither: the value stays
};
// READI's rules on a reply already read (its 6 characters; shorter is blank-padded).
ReplyTaken takeIntegerReply(std::string_view reply, std::int32_t& code, std::int32_t& number);
// CRREAD's rules on a reply already read (its 12 characters): a real with blanks ignored.
ReplyTaken takeRealReply(std::string_view reply, float& value);

// Reads one reply of 6 characters and turns it into a code or a number. A blank reply leaves the
// code unchanged. Characters 2 to 6 read as an integer go to `number` ("J12", "?7"); a letter sets
// its navigation code (util/nav_codes.h), anything else is an item number (negative ones other than -1 become 0).
void READI(std::int32_t& code, std::int32_t inUnit, std::int32_t& number);
// Reads one reply of 12 characters as a real number, blanks ignored ("1 0" is 10.0). A blank or
// unreadable reply sets blank = 1 and leaves the value unchanged.
void CRREAD(float& value, std::int32_t& blank, std::int32_t inUnit);
// Reads one reply of 63 characters holding up to three reals in free form; blank = 1 for a blank
// reply. Empty or missing values leave their variables unchanged, as does an unreadable value and
// all after it.
void CRREAL(float& x, float& y, float& z, std::int32_t& blank, std::int32_t inUnit);
// One line from the input unit; its first character (a blank for an empty line).
void READC(char& c, std::int32_t inUnit);
// One line from the console's own input; its first character. The wait behind "Press <Return>".
void READCP(char& c);
// Asks for row n of a table (" Enter new data for #  5 (x,y): ") and reads it with CRREAL.
void ENTCRD(std::int32_t n, float& x, float& y, float& z, std::int32_t dimension, std::int32_t spare,
            std::int32_t inUnit, std::int32_t& blank);
// A prompt: one blank and the whole text, no line end, on the console; nothing for unit 41.
// The length is not used: the text carries its own.
void WRTLIN(std::string_view text, std::int32_t length, std::int32_t unit);
void WRTLIN(std::string_view text, std::int32_t unit);
// A prompt with a number: one blank, the text, the value in 3 columns, two blanks; no line end.
void WRTLNI(std::string_view text, std::int32_t length, std::int32_t value, std::int32_t unit);
// count empty lines on the unit.
void LINES(std::int32_t unit, std::int32_t count);
// One line: (width - length1 - length2) / 2 blanks (none when that is negative), then the first
// length1 characters of text1 and the first length2 characters of text2.
void CENTER(std::string_view text1, std::int32_t length1, std::string_view text2, std::int32_t length2,
            std::int32_t width, std::int32_t unit);
// Upper-cases one character (any character above "Z" moves down by 32) and classifies it:
// kind 0 a letter A..Z, 2 a blank, 1 anything else.
void UPCASE(char& c, std::int32_t& kind);
// Clears the console screen; nothing for unit 41.
void CLEAR(std::int32_t unit);
// Starts a new page: the screen is cleared, a printer gets "1", any other file a form feed.
void PAGE(std::int32_t unit, std::int32_t screenUnit, std::int32_t spare, std::int32_t printerUnit);
// Two editor screens on one listing page: count + 1; a new page when it is odd, three empty lines
// when it is even. The count is a word of the stored data set (LCOPY): past the integer's limit it
// wraps, keeping its parity, instead of overflowing.
void TWOPG(std::int32_t& count, std::int32_t unit);
// The pause "Press <RETURN> to continue: ". The reply, truncated to an integer, is the result
// (blank or unreadable: 0); callers use negative replies and 99 as options. Unit 41: 0, silently.
void PRSRET(std::int32_t unit, std::int32_t inUnit, std::int32_t& result);
void PRSRET(std::int32_t unit, std::int32_t inUnit);

// One reply line from the input unit, cut or blank-padded to width. The end of the input stops the
// run, for a file bound to the input unit as for the keyboard: a dialogue never loops on it.
std::string readReply(std::int32_t inUnit, std::size_t width);

// A warning of an analysis run: an empty line, then its lines, on `unit`. On the diagnostics unit 41,
// which no one watches while the run goes on, the lines go to standard error as well, so that they
// are seen without opening "Diagnostics.stxt"; not where unit 41 shows on the screen itself (the
// load of an interactive run).
void writeRunWarning(std::int32_t unit, std::span<const std::string> lines);

}  // namespace qv

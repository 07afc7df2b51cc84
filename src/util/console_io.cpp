#include "util/console_io.h"

#include <cmath>
#include <iostream>
#include <limits>

#include "platform/screen.h"
#include "platform/units.h"
#include "util/fortran_format.h"
#include "util/list_read.h"

namespace qv {

namespace {

bool allBlank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

// The first n characters of a text field, blank-padded where the text is shorter.
std::string leading(std::string_view text, std::int32_t n) {
  if (n <= 0) return std::string();
  std::string s(text.substr(0, static_cast<std::size_t>(n)));
  s.resize(static_cast<std::size_t>(n), ' ');
  return s;
}

// Navigation letters in the order they are tried.
struct Letter {
  char upper;
  std::int32_t code;
};
constexpr Letter kLetters[] = {
    {'H', kNavHelp}, {'F', kNavFirst}, {'L', kNavLast}, {'S', kNavSkip}, {'E', kNavExecute},
    {'J', kNavJump}, {'M', kNavM},     {'C', kNavC},    {'D', kNavD},    {'I', kNavI},
    {'X', kNavX},    {'B', kNavBack},
};

}  // namespace

std::string readReply(std::int32_t inUnit, std::size_t width) {
  std::string line;
  if (!readRecord(inUnit, line)) keyboardEnded();  // a file bound to the input unit has ended
  line.resize(width, ' ');
  return line;
}

ReplyTaken takeIntegerReply(std::string_view typed, std::int32_t& code, std::int32_t& number) {
  // Characters 1 to 6 of the reply and a seventh that is always blank.
  std::string reply(typed.substr(0, 6));
  reply.resize(7, ' ');
  if (allBlank(std::string_view(reply).substr(0, 6))) return ReplyTaken::kBlank;
  const char first = reply[0];
  if (first == '!') {
    code = kNavBang;
    return ReplyTaken::kTaken;
  }
  int tail = 0;
  if (!readIntField(std::string_view(reply).substr(1, 6), tail)) return ReplyTaken::kNotANumber;
  number = tail;
  code = 0;
  if (first == '?') {
    code = kNavQuery;
    return ReplyTaken::kTaken;
  }
  for (const Letter& letter : kLetters) {
    if (first == letter.upper || first == letter.upper - 'A' + 'a') {
      code = letter.code;
      return ReplyTaken::kTaken;
    }
  }
  int whole = 0;
  const bool isNumber = readIntField(std::string_view(reply).substr(0, 6), whole);
  if (isNumber) code = whole;
  if (code < kNavBack) code = 0;
  return isNumber ? ReplyTaken::kTaken : ReplyTaken::kNotANumber;
}

ReplyTaken takeRealReply(std::string_view reply, float& value) {
  if (allBlank(reply)) return ReplyTaken::kBlank;
  float v = 0.0f;
  if (!readRealField(reply, v)) return ReplyTaken::kNotANumber;
  value = v;
  return ReplyTaken::kTaken;
}

void READI(std::int32_t& code, std::int32_t inUnit, std::int32_t& number) {
  takeIntegerReply(readReply(inUnit, 6), code, number);
}

void CRREAD(float& value, std::int32_t& blank, std::int32_t inUnit) {
  blank = takeRealReply(readReply(inUnit, 12), value) == ReplyTaken::kTaken ? 0 : 1;
}

void CRREAL(float& x, float& y, float& z, std::int32_t& blank, std::int32_t inUnit) {
  const std::string reply = readReply(inUnit, 63);
  blank = allBlank(reply) ? 1 : 0;
  listRead(reply, {&x, &y, &z});
}

void READC(char& c, std::int32_t inUnit) { c = readReply(inUnit, 1)[0]; }

void READCP(char& c) {
  const std::string line = readConsoleLine();
  c = line.empty() ? ' ' : line[0];
}

void ENTCRD(std::int32_t n, float& x, float& y, float& z, std::int32_t dimension, std::int32_t /*spare*/,
            std::int32_t inUnit, std::int32_t& blank) {
  const char* pair = dimension == 2 ? "(x,y): " : dimension == 3 ? "(x,y,z): " : "ERROR!";
  writeConsoleNoEol(" Enter new data for #" + fmtI(n, 3) + " " + pair);
  CRREAL(x, y, z, blank, inUnit);
}

void WRTLIN(std::string_view text, std::int32_t /*length*/, std::int32_t unit) {
  if (unit == kDiagnosticsUnit) return;
  writeConsoleNoEol(" " + std::string(text));
}

void WRTLIN(std::string_view text, std::int32_t unit) { WRTLIN(text, 0, unit); }

void WRTLNI(std::string_view text, std::int32_t /*length*/, std::int32_t value, std::int32_t unit) {
  if (unit == kDiagnosticsUnit) return;
  writeConsoleNoEol(" " + std::string(text) + fmtI(value, 3) + "  ");
}

void LINES(std::int32_t unit, std::int32_t count) {
  for (std::int32_t k = 0; k < count; ++k) writeRecord(unit, "");
}

void CENTER(std::string_view text1, std::int32_t length1, std::string_view text2, std::int32_t length2,
            std::int32_t width, std::int32_t unit) {
  const std::int32_t pad = (width - length1 - length2) / 2;  // truncates toward zero
  writeRecord(unit, fmtX(pad) + leading(text1, length1) + leading(text2, length2));
}

void UPCASE(char& c, std::int32_t& kind) {
  kind = 0;
  auto code = static_cast<unsigned char>(c);
  if (code > 'Z') code = static_cast<unsigned char>(code - 32);
  c = static_cast<char>(code);
  if (code >= 'A' && code <= 'Z') kind = 0;
  else if (code == ' ') kind = 2;
  else kind = 1;
}

void CLEAR(std::int32_t unit) {
  if (unit == kDiagnosticsUnit) return;
  clearScreen();
}

void PAGE(std::int32_t unit, std::int32_t screenUnit, std::int32_t /*spare*/, std::int32_t printerUnit) {
  if (unit == screenUnit) CLEAR(screenUnit);
  else if (unit == kDiagnosticsUnit) return;
  else if (unit == printerUnit) writeRecord(unit, "1");  // carriage control: new printer page
  else writeRecord(unit, "\f");
}

void TWOPG(std::int32_t& count, std::int32_t unit) {
  count = static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u);
  if (count % 2 != 0) PAGE(unit, kScreenUnit, 1, kPrinterUnit);
  else LINES(unit, 3);
}

void PRSRET(std::int32_t unit, std::int32_t inUnit, std::int32_t& result) {
  result = 0;
  if (unit == kDiagnosticsUnit) return;
  writeRecord(unit, "");
  WRTLIN("Press <RETURN> to continue: ", unit);
  float reply = 0.0f;
  std::int32_t blank = 0;
  CRREAD(reply, blank, inUnit);
  if (blank != 0) reply = 0.0f;
  // Truncation toward zero; a reply beyond the integer range is held at its end of the range.
  constexpr float kLimit = 2147483520.0f;  // the largest float below 2^31
  if (reply > kLimit) result = std::numeric_limits<std::int32_t>::max();
  else if (reply < -kLimit) result = std::numeric_limits<std::int32_t>::min();
  else result = static_cast<std::int32_t>(std::trunc(reply));
}

void PRSRET(std::int32_t unit, std::int32_t inUnit) {
  std::int32_t result = 0;
  PRSRET(unit, inUnit, result);
}

void writeRunWarning(std::int32_t unit, std::span<const std::string> lines) {
  writeRecord(unit, "");
  for (const std::string& line : lines) writeRecord(unit, line);
  if (unit == kDiagnosticsUnit && unitOut(unit) != &consoleOut())
    for (const std::string& line : lines) std::cerr << line << '\n';
}

}  // namespace qv

#include "util/title.h"

#include <cmath>
#include <string>

#include "platform/clock.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"

namespace qv {

namespace {

constexpr int kFrameWidth = 56;               // characters between the two bars
const std::string kFrameIndent(11, ' ');

std::string field(std::string_view text, std::size_t n) {
  std::string s(text.substr(0, n));
  s.resize(n, ' ');
  return s;
}

std::string frameRule() { return kFrameIndent + "+" + std::string(kFrameWidth, '=') + "+"; }
std::string frameLine(const std::string& content) { return kFrameIndent + "|" + field(content, kFrameWidth) + "|"; }

// The version without its prefix: "6.80" for 6.8 (Fortran F4.2 of the magnitude).
std::string versionNumber(float ver) { return fmtF(std::fabs(ver), 4, 2); }
std::string betaMark(float ver) { return ver > 0.0f ? " " : "b"; }

// Two digits with a leading zero below 10.
std::string twoDigits(std::int32_t n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

void VERSION_STRING(Text<17>& str, float ver) {
  constexpr int kSubRelease = 0;
  str.assign("Version: " + versionNumber(ver) + ".0" + fmtI(kSubRelease, 1) + betaMark(ver));
}

void VERSION_STRING2(Text<17>& str, float ver, std::int32_t isub) {
  const std::string sub = isub <= 9 ? ".0" + fmtI(isub, 1) : "." + fmtI(isub, 2);
  str.assign(versionNumber(ver) + sub + betaMark(ver));
}

Capacity capacityOf(std::int32_t programType) {
  if (!isMooringProgram(programType)) return {"Motion Evaluations: ", 149, " points"};
  if (programType == kSimGandru) return {"  Subline Capacity: ", 25, " items "};
  return {"  Mooring Capacity: ", 149, " lines "};
}

void TITLE(std::int32_t programType, std::string_view programName, float version, std::int32_t unit,
           std::int32_t inUnit, char& choice, std::int32_t skip) {
  if (skip == 0) CLEAR(unit);
  const std::string name = field(programName, 8);
  Text<17> versionText;
  VERSION_STRING(versionText, version);
  const Capacity capacity = capacityOf(programType);

  writeRecord(unit, "");
  writeRecord(unit, frameRule());
  for (int k = 0; k < 3; ++k) writeRecord(unit, frameLine(""));
  writeRecord(unit, frameLine(fmtX(14) + "**   Welcome to " + name + "  **"));
  for (int k = 0; k < 2; ++k) writeRecord(unit, frameLine(""));
  writeRecord(unit, frameLine(fmtX(17) + name + versionText.str()));
  writeRecord(unit, frameLine(fmtX(14) + std::string(capacity.caption) + fmtI(capacity.count, 3) +
                              std::string(capacity.word)));
  for (int k = 0; k < 4; ++k) writeRecord(unit, frameLine(""));
  writeRecord(unit, frameRule());
  LINES(unit, 4);
  writeRecord(unit, " " + std::string(78, '-'));
  if (skip != 0) return;

  for (;;) {
    writeRecord(unit, "");
    writeRecord(unit, " (M) Modify existing, (C) Create new, (E) Execute simulation, (B) Batch modify");
    writeRecord(unit, "");
    WRTLIN("Enter letter of selection: ", unit);
    READC(choice, inUnit);
    std::int32_t kind = 0;
    UPCASE(choice, kind);
    if (kind == 0 && (choice == 'M' || choice == 'C' || choice == 'E' || choice == 'B')) return;
  }
}

void TITLPG(std::int32_t programType, std::string_view reportTitle, std::int32_t titleLength,
            std::string_view programName, std::int32_t nameLength, float version, std::string_view ident1,
            std::string_view ident2, std::int32_t unit) {
  constexpr std::int32_t kWidth = 80;
  const std::string shortRule = " " + std::string(30, '-');
  const auto centred = [&](std::string_view text, std::int32_t length) {
    CENTER(text, length, " ", 1, kWidth, unit);
  };

  LINES(unit, 7);
  const std::string library = " Kestrin Simulation Library";
  centred(library, static_cast<std::int32_t>(library.size()));
  LINES(unit, 11);
  const std::string volume = "Volume " + fmtI(programType, 2);
  centred(volume, static_cast<std::int32_t>(volume.size()));
  LINES(unit, 1);
  centred(reportTitle, titleLength);
  LINES(unit, 15);
  centred(shortRule, static_cast<std::int32_t>(shortRule.size()));
  LINES(unit, 1);
  Text<17> versionText;
  VERSION_STRING(versionText, version);
  CENTER(programName, nameLength, versionText.view(), 17, kWidth, unit);
  const Capacity capacity = capacityOf(programType);
  CENTER(capacity.caption, 20, fmtI(capacity.count, 3) + std::string(capacity.word), 10, kWidth, unit);
  LINES(unit, 5);
  centred(shortRule, static_cast<std::int32_t>(shortRule.size()));
  LINES(unit, 6);
  writeRecord(unit, fmtX(5) + field(ident1, 72));
  writeRecord(unit, fmtX(5) + field(ident2, 72));
  LINES(unit, 2);

  std::int32_t minutes = 0, seconds = 0, month = 0, day = 0, year = 0;
  RHTIME(minutes, seconds);
  RHDATE(month, day, year);
  writeRecord(unit, fmtX(5) + "Executed at " + twoDigits(minutes / 60) + ":" + twoDigits(minutes % 60) + " on " +
                        std::to_string(month) + "/" + std::to_string(day) + "/" + twoDigits(year % 100));
}

}  // namespace qv

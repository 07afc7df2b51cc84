#include "platform/units.h"

#include <fstream>
#include <iostream>
#include <map>
#include <utility>

#include "platform/block_reset.h"
#include "platform/stop.h"

namespace qv {

namespace {

struct FileUnit {
  std::unique_ptr<std::iostream> stream;  // nullptr for a unit bound to the console
  std::string name;
};

struct UnitTable {
  bool sessionSaved = false;
  std::string inputEndedOutcome;  // empty: the editor's words
  std::istream* in = nullptr;
  std::ostream* out = nullptr;
  std::map<int, FileUnit> files;
};

UnitTable& table() {
  static UnitTable t;
  return t;
}

// A fresh run: no file connected, the process's own console, nothing saved yet.
const BlockReset resetUnits{[] {
  closeAllUnits();
  table() = UnitTable{};
}};

}  // namespace

std::istream& consoleIn() { return table().in ? *table().in : std::cin; }
std::ostream& consoleOut() { return table().out ? *table().out : std::cout; }

void setConsole(std::istream* in, std::ostream* out) {
  table().in = in;
  table().out = out;
}

void connectUnit(int unit, std::unique_ptr<std::iostream> stream, std::string fileName) {
  closeUnit(unit);
  table().files[unit] = FileUnit{std::move(stream), std::move(fileName)};
}

void connectUnitToConsole(int unit) {
  closeUnit(unit);
  table().files[unit] = FileUnit{nullptr, std::string()};
}

bool closeUnit(int unit) {
  auto it = table().files.find(unit);
  if (it == table().files.end()) return true;
  bool ok = true;
  if (auto* file = dynamic_cast<std::fstream*>(it->second.stream.get())) {
    file->close();
    ok = !file->fail();
  } else if (it->second.stream) {
    ok = !it->second.stream->bad();
  }
  table().files.erase(it);
  return ok;
}

void closeAllUnits() {
  while (!table().files.empty()) closeUnit(table().files.begin()->first);
  consoleOut().flush();
}

bool unitConnected(int unit) { return table().files.count(unit) != 0; }

std::string unitFileName(int unit) {
  auto it = table().files.find(unit);
  return it == table().files.end() ? std::string() : it->second.name;
}

std::ostream* unitOut(int unit) {
  auto it = table().files.find(unit);
  if (it != table().files.end()) return it->second.stream ? it->second.stream.get() : &consoleOut();
  if (unit == kScreenUnit) return &consoleOut();
  return nullptr;
}

std::istream* unitIn(int unit) {
  auto it = table().files.find(unit);
  if (it != table().files.end()) return it->second.stream.get();
  if (unit == kKeyboardUnit) return &consoleIn();
  return nullptr;
}

void writeRecord(int unit, std::string_view text) {
  std::ostream* os = unitOut(unit);
  if (!os) os = &consoleOut();
  os->write(text.data(), static_cast<std::streamsize>(text.size()));
  os->put('\n');
}

void writeNoEol(int unit, std::string_view text) {
  std::ostream* os = unitOut(unit);
  if (!os) os = &consoleOut();
  os->write(text.data(), static_cast<std::streamsize>(text.size()));
  os->flush();
}

void writeConsoleRecord(std::string_view text) {
  std::ostream& os = consoleOut();
  os.write(text.data(), static_cast<std::streamsize>(text.size()));
  os.put('\n');
}

void writeConsoleNoEol(std::string_view text) {
  std::ostream& os = consoleOut();
  os.write(text.data(), static_cast<std::streamsize>(text.size()));
  os.flush();
}

bool readRecord(int unit, std::string& line) {
  const bool keyboard = unit == kKeyboardUnit && !unitConnected(unit);
  std::istream* is = unitIn(unit);
  if (keyboard) consoleOut().flush();
  if (!is || !std::getline(*is, line)) {
    if (keyboard) keyboardEnded();
    line.clear();
    return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();  // typed on a DOS console
  return true;
}

std::string readConsoleLine() {
  std::string line;
  consoleOut().flush();
  if (!std::getline(consoleIn(), line)) keyboardEnded();
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void noteSessionSaved(bool saved) { table().sessionSaved = saved; }

void setInputEndedOutcome(std::string outcome) { table().inputEndedOutcome = std::move(outcome); }

void keyboardEnded() {
  std::ostream& os = consoleOut();
  if (!table().inputEndedOutcome.empty()) {
    os << '\n' << " ++> Keyboard input ended; " << table().inputEndedOutcome << '\n';
    os.flush();
    throw Stop{kExitInputEnded, "keyboard input"};
  }
  if (table().sessionSaved) {
    os << '\n' << " ++> Keyboard input ended; the data set was saved." << '\n';
    os.flush();
    throw Stop{kExitNormal, "keyboard input"};
  }
  os << '\n' << " ++> Keyboard input ended; nothing was saved." << '\n';
  os.flush();
  throw Stop{kExitInputEnded, "keyboard input"};
}

}  // namespace qv

// Drives the console with string streams: the replies typed are given up front, and everything
// written to the screen is collected. The console the test had before comes back at the end of the
// scope, also when the call under test throws (a Stop, say).
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/stop.h"
#include "platform/units.h"

namespace qv::testing_support {

class ConsoleCapture {
 public:
  explicit ConsoleCapture(const std::string& typed = "")
      : in_(typed), previousIn_(&consoleIn()), previousOut_(&consoleOut()) {
    setConsole(&in_, &out_);
  }
  ~ConsoleCapture() { setConsole(previousIn_, previousOut_); }
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  // The screen so far.
  std::string screen() const { return out_.str(); }
  // The typed input not read yet.
  std::string unread() {
    std::string rest;
    std::getline(in_, rest, '\0');
    return rest;
  }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  std::istream* previousIn_;
  std::ostream* previousOut_;
};

// The exit status carried by a Stop, or -1 when the call returned.
inline int stopStatus(const std::function<void()>& call) {
  try {
    call();
  } catch (const Stop& stop) {
    return stop.status;
  }
  return -1;
}

// A transcript split at the form feeds of the screen clears: one entry per screen (the text before
// the first clear is entry 0).
inline std::vector<std::string> screens(std::string_view out) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t ff; (ff = out.find('\f', from)) != std::string_view::npos; from = ff + 1)
    parts.emplace_back(out.substr(from, ff - from));
  parts.emplace_back(out.substr(from));
  return parts;
}

}  // namespace qv::testing_support

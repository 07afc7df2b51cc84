// Drives the console with string streams: the replies typed are given up front, and everything
// written to the screen is collected. The process's own streams come back at the end of the scope.
#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "platform/stop.h"
#include "platform/units.h"

namespace qv::testing_support {

class ConsoleCapture {
 public:
  explicit ConsoleCapture(const std::string& typed = "") : in_(typed) { setConsole(&in_, &out_); }
  ~ConsoleCapture() { setConsole(nullptr, nullptr); }
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

}  // namespace qv::testing_support

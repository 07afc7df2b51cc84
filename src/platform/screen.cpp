#include "platform/screen.h"

#include <unistd.h>

#include <iostream>

#include "platform/units.h"

namespace qv {

void clearScreen() {
  std::ostream& os = consoleOut();
  const bool terminal = &os == &std::cout && isatty(STDOUT_FILENO) == 1;
  if (terminal) os << "\x1b[H\x1b[2J";
  else os << '\f';
  os.flush();
}

}  // namespace qv

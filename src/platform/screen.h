// Clearing the console screen without starting a shell: on a terminal the cursor goes home and the
// screen is erased; otherwise (a pipe, a file, a test's string stream) a form feed is written, so a
// captured transcript splits into screens.
#pragma once

namespace qv {

void clearScreen();

}  // namespace qv

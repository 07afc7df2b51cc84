// The jack-up hull model is not part of this program: its five operations are inoperative stubs. A
// data set that selects the jack-up (VESTYP 2) stops the run at its first hull call, after a
// message on the screen and one line read from the console; the flag of JCKFRC is ignored.
#pragma once

#include <cstdint>

namespace qv {

[[noreturn]] void JCKCHR();
[[noreturn]] void JCKFRC(std::int32_t& flag);
[[noreturn]] void JCKRAO();
[[noreturn]] void JCKSUM();
[[noreturn]] void JCKOUT();

}  // namespace qv

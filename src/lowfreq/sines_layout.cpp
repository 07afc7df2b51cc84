// Pins every member of SINES to its word: a layout mistake does not compile.
#include <cstddef>
#include <cstring>

#include "lowfreq/sines.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Sines SINES{};
const BlockReset resetSines{[] { SINES.reset(); }};
const BlockBytes sinesBytes{"SINES", bytesOf(SINES)};

void Sines::reset() { std::memset(static_cast<void*>(this), 0, sizeof(Sines)); }

QV_AT_WORD(Sines, S1, 1);
QV_AT_WORD(Sines, CLEAR0, 1);
QV_AT_WORD(Sines, SN, 1);
QV_AT_WORD(Sines, SINKA, 1);
QV_AT_WORD(Sines, S2, 2);
QV_AT_WORD(Sines, S3, 3);
QV_AT_WORD(Sines, S4, 4);
QV_AT_WORD(Sines, S5, 5);
QV_AT_WORD(Sines, S6, 6);
QV_AT_WORD(Sines, S7, 7);
QV_AT_WORD(Sines, S8, 8);
QV_AT_WORD(Sines, S9, 9);
QV_AT_WORD(Sines, S10, 10);
QV_AT_WORD(Sines, CN, 10);
QV_AT_WORD(Sines, C1, 11);
QV_AT_WORD(Sines, COSKA, 11);
QV_AT_WORD(Sines, C2, 12);
QV_AT_WORD(Sines, C3, 13);
QV_AT_WORD(Sines, C4, 14);
QV_AT_WORD(Sines, C5, 15);
QV_AT_WORD(Sines, C6, 16);
QV_AT_WORD(Sines, C7, 17);
QV_AT_WORD(Sines, C8, 18);
QV_AT_WORD(Sines, C9, 19);
QV_AT_WORD(Sines, C10, 20);
QV_AT_WORD(Sines, WNDCOF, 21);
QV_AT_WORD(Sines, CURCOF, 22);
QV_AT_WORD(Sines, WAVCOF, 23);
QV_AT_WORD(Sines, HOVERD, 24);
QV_AT_WORD(Sines, SWLCOF, 25);
QV_AT_WORD(Sines, WAVCFT, 26);
QV_AT_WORD(Sines, SWLCFT, 27);

#undef QV_AT_WORD

}  // namespace qv

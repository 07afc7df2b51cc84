// Pins every member of CURPROF to its word: a layout mistake does not compile.
#include <cstddef>
#include <cstring>

#include "lowfreq/curprof.h"
#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Curprof CURPROF{};
const BlockReset resetCurprof{[] { CURPROF.reset(); }};
const BlockBytes curprofBytes{"CURPROF", bytesOf(CURPROF)};

void Curprof::reset() { std::memset(static_cast<void*>(this), 0, sizeof(Curprof)); }

QV_AT_WORD(Curprof, NCURNTPF, 1);
QV_AT_WORD(Curprof, VELIPF, 2);
QV_AT_WORD(Curprof, DPTHIPF, 103);
QV_AT_WORD(Curprof, CURHDGPF, 204);

#undef QV_AT_WORD

}  // namespace qv

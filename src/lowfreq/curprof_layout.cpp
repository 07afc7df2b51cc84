// Pins every member of CURPROF to its word: a layout mistake does not compile.
#include <cstddef>
#include <cstring>

#include "lowfreq/curprof.h"

namespace qv {

Curprof CURPROF;

void Curprof::reset() { std::memset(static_cast<void*>(this), 0, sizeof(Curprof)); }

#define QV_AT_WORD(Block, member, word) \
  static_assert(offsetof(Block, member) == 4 * ((word) - 1), #member " is not at word " #word)

QV_AT_WORD(Curprof, NCURNTPF, 1);
QV_AT_WORD(Curprof, VELIPF, 2);
QV_AT_WORD(Curprof, DPTHIPF, 103);
QV_AT_WORD(Curprof, CURHDGPF, 204);

#undef QV_AT_WORD

}  // namespace qv

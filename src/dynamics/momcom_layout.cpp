// Pins every member of MOMCOM to its word, and the quantities of the 50-column run to theirs: the
// variance accumulation walks the run as one array.
#include "dynamics/momcom.h"

#include "platform/block_reset.h"
#include "util/block_layout.h"

namespace qv {

constinit Momcom MOMCOM{};
const BlockReset resetMomcom{[] { MOMCOM.reset(); }};
const BlockBytes momcomBytes{"MOMCOM", bytesOf(MOMCOM)};

QV_AT_WORD(Momcom, columns, 1);  // also CLEAR0, the start of INSHR
QV_AT_WORD(Momcom, STSHRI, 10001);
QV_AT_WORD(Momcom, STSHRO, 10011);
QV_AT_WORD(Momcom, STAXL, 10021);
QV_AT_WORD(Momcom, STMOMI, 10031);
QV_AT_WORD(Momcom, STMOMO, 10041);
QV_AT_WORD(Momcom, RM, 10051);
QV_AT_WORD(Momcom, LSTMOM, 10071);

// INSHR at word 1, ELMAXL at 2001, OUTSHR at 4001, INMOM at 6001, OUTMOM at 8001.
#define QV_MOMENT_COLUMN_AT_WORD(column, word)                                                        \
  static_assert(sizeof(Complex) * decltype(Momcom::columns)::offsetOf(1, column) == 4 * ((word) - 1), \
                "moment column " #column " is not at word " #word)
QV_MOMENT_COLUMN_AT_WORD(1, 1);
QV_MOMENT_COLUMN_AT_WORD(11, 2001);
QV_MOMENT_COLUMN_AT_WORD(21, 4001);
QV_MOMENT_COLUMN_AT_WORD(31, 6001);
QV_MOMENT_COLUMN_AT_WORD(41, 8001);

}  // namespace qv

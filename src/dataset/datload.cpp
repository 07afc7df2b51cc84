// Stand-in: the import is not built yet; the user is told so and nothing changes.
#include "dataset/datload.h"

#include "platform/units.h"
#include "util/console_io.h"

namespace qv {

void DATLOAD(int) {
  CLEAR(kScreenUnit);
  writeRecord(kScreenUnit, " >>> Import of data blocks is not available in this version.");
  PRSRET(kScreenUnit, kKeyboardUnit);
}

}  // namespace qv

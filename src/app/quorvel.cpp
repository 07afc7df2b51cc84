// The editor: runs the page sequencer over the data set of the current folder.
#include "editor/salmed.h"
#include "platform/stop.h"
#include "platform/units.h"

int main() {
  int status = qv::kExitNormal;
  try {
    qv::SALMED();
  } catch (const qv::Stop& stop) {
    status = stop.status;
  }
  qv::closeAllUnits();
  return status;
}

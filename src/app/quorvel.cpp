// The editor: runs the page sequencer over the data set of the current folder. A session that ends
// by executing hands the folder, every file closed, to the analysis runner beside the editor, and
// the editor ends with the runner's status.
#include "dataset/finish.h"
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
  if (qv::finishState.analysis != qv::AnalysisRequest::kNone) status = qv::startAnalysisRun(qv::finishState.analysis);
  return status;
}

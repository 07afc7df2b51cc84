// The page sequencer: the whole interactive editing run.
#pragma once

namespace qv {

void SALMED();

}  // namespace qv

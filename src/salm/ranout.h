// RANOUT: the random-sea statistics report of the wave-frequency stage, called once at the end of
// the run by DYNSLM (after every unit of the run is closed) or FREMOT, without arguments. It turns
// the variances accumulated in OUTPUT (the run SIGVAR from FSIGHF, and SIGLOD, SIGMOM) into
// amplitudes in place and reports them with the low-frequency part of OUTPUT, PEKCOM and the mode
// data (TSALMH, TSALML, GAMPHI, GAMTHT).
//
// Until the statistics report is built, this is a stand-in that does nothing.
#pragma once

namespace qv {

void RANOUT();

}  // namespace qv

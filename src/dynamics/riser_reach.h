// A buoyant riser judged at what its run reaches, as soon as the slow drift has found the mean state
// and before any report shows its members: the slow drift's mean load and storm peak load, and the
// keel's wave-frequency motion in the run's sea along the line from the riser's hinge to the keel.
#pragma once

#include <optional>

#include "dataset/run_checks.h"

namespace qv {

// The keel's wave-frequency motion in the riser's plane (KeelMotion): every wave heading of the
// vessel's motions at the keel in "YOKEMOT" (the first vessel point, which the run sets at the keel
// for a riser), its horizontal motion turned into the SALM's plane from the vessel's heading at the
// most stable equilibrium (SLMANG - TANGLE, as the member motions turn it), each heading weighted as
// the members' statistics weight it: the random sea with the spreading weight of its point in the
// sea heading's fan where the sea is spread, and each swell on its own heading; the sea spectra of
// WAVCOM as the slow drift built them. None without waves driving (an imposed extension, LEXTND), a
// random sea or a swell, or the file's yoke motions; the file stops the run through its reader's
// messages when it cannot be read.
std::optional<KeelMotion> riserKeelMotion();

// After the slow drift of an attached buoyant riser: the riser judged (riserReachFinding) at the slow
// drift's mean load, the storm's peak offset (the statics' load-offset table of EQUILB and the slow
// drift's surge at a spring, surgeStormAmplitude, so that a changed riser's stiffness moves it) and,
// with the vessel's motions at the keel (a single point mooring's "YOKEMOT"), the keel's motion; a
// riser that those take beyond its members' reach stops the run through the fatal path. Nothing for
// any other run, which does no work for it.
void judgeRiserReach();

}  // namespace qv

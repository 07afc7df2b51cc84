// A buoyant riser judged at what its run reaches, as soon as the slow drift has found the mean state
// and before any report shows its members: the slow drift's mean load and storm peak load, and the
// keel's wave-frequency motion in the run's sea along the line from the riser's hinge to the keel.
#pragma once

#include <optional>

#include "dataset/riser_judge.h"

namespace qv {

// The keel's wave-frequency motion in the riser's plane (KeelMotion): the motion the member loads
// take, read from "YOKEMOT" as they read it (dynamics/attachment_motions.h): every heading block of
// the vessel's motions at the keel (the first vessel point, which the run sets at the keel for a
// riser), its horizontal motion turned into the SALM's plane, each block with the waves and weights
// the member loads give it (the random sea with its spreading weight where the sea is spread, each
// swell on its own heading; the sea spectra of WAVCOM as the slow drift built them), and under way
// with the rows the vessel meets near zero encounter frequency at their weight, as the member loads
// take them (the warning of them is the run's, given once). None without waves driving (an imposed
// extension, LEXTND), a random sea or a swell, or the file's yoke motions; the file stops the run
// through its reader's messages when it cannot be read.
std::optional<KeelMotion> riserKeelMotion();

// What the run reaches once the slow drift has found its mean state (RiserReach): the mean load and
// the loads of every equilibrium (EQUILB FTOT), the statics' load-offset table the slow drift read
// (HLOAD and OFFSET of EQUILB), the slow drift's surge at a spring (surgeStormAmplitude) and, for a
// single point mooring, the keel's motion (riserKeelMotion).
RiserReach riserReachOfRun();

// After the slow drift of an attached buoyant riser: the riser judged (riserReachFinding) at the slow
// drift's mean load, the storm's peak offset (the statics' load-offset table of EQUILB and the slow
// drift's surge at a spring, surgeStormAmplitude, so that a changed riser's stiffness moves it) and,
// with the vessel's motions at the keel (a single point mooring's "YOKEMOT"), the keel's motion; a
// riser that those take beyond its members' reach stops the run through the fatal path. What the run
// reached (riserReachOfRun) is kept first (keepRiserReach, dataset/riser_judge.h), for a later
// refusal to judge its changes on. Nothing for any other run, which does no work for it.
void judgeRiserReach();

}  // namespace qv

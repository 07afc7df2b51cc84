// The low-frequency report of a SALM run and the low-frequency member statistics.
//
// LOWPRT runs once per run right after the slow drift (SLOMOR), before the wave-frequency dynamics,
// without arguments. It reports what the statics and the slow drift left in EQUILB, ERGCOM, SOLVE,
// WAVCOM and the data set as sections III (vessel and environment), IV (equilibria), V (the three
// low-frequency modes) and VI (the deviations of the SALM members from their mean equilibrium) of
// "LOWOUT.stxt" (IUNIT = 1) or of the console (IUNIT = EDUNIT), where sections III to V end with a
// pause whose negative reply writes the report again from section III.
//
// Whether or not the report is wanted (LOWMOT), it leaves for the random-sea statistics: the yoke
// terms YOKSLM, FLTRL0, DELTA0, the yaw arm NETARM and the storm-peak factors FSGPK, FLOPK, FHIPK in
// EQUILB, whose three mode records then hold amplitudes (one standard deviation; the low sway-yaw
// mode's as a lateral motion at the yaw arm) in place of variances; the net low-frequency variation
// of the members in the low-frequency part of OUTPUT and its storm peak in PEKCOM; the mean internal
// loads of the moment points in OUTPUT STMOM. With LOWMOT = 0 nothing is written and no file opened.
// A data set without SALM elements gets no member statistics and no section VI.
//
// Stops: the moment points flagged in LMOMT not numbering NMOMT (" ++> Moment mismatch ..."); a
// failing open or close of the report file (named "VANTREL").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "hull/equilb.h"
#include "numlib/load_offset_table.h"
#include "util/farray.h"

namespace qv {

void LOWPRT();

// The vessel response computes the vessel's motions at the yoke ("YOKEMOT") for the data set's wave
// headings with the vessel at heading 0, before the slow drift finds where the vessel lies. When the
// waves of the statistics (the sea, or else a swell of its own heading) meet the vessel at the stable
// equilibrium more than kHeadingTolerance away from the heading they were computed for, the
// wave-frequency stage of the attached SALM would use motions of other waves: the lines of the
// warning that says so and names each heading to enter (the whole environment turned by minus the
// vessel's heading, which puts the vessel near heading 0, and the regular waves' heading with the
// waves of the statistics): its page and item, its value now and the new one, and how page 14 shows
// its item 6. Empty otherwise, and for a run without that stage. LOWPRT writes it on EDUNIT (and
// standard error, unattended) and at the end of section IV.
inline constexpr float kHeadingTolerance = 10.0f;  // [deg]
std::vector<std::string> waveHeadingWarning();

// A peak horizontal load of a report (`peak` says which, "the storm peak horizontal load of LOWOUT")
// beyond the last load of the statics' load-offset table has its offset extrapolated from the table's
// last interval: the lines of the warning that says so and names page 2's maximum load, written on
// EDUNIT (and standard error, unattended). Nothing within the table. RANOUT warns of its most
// probable peak with it, LOWPRT of its storm peak the same way.
//
// A buoyant riser is first judged at the load (riserPeakLoadFinding, dataset/run_checks.h): a peak
// that would bring its members into line stops the run there, once, instead of advising a larger
// table, which could not help. LOWPRT's storm peak is not judged again: the riser's judge has judged
// the storm's peak in offsets before the report (judgeRiserReach, dynamics/riser_reach.h).
void warnPeakBeyondTable(const std::string& peak, float load);

// One mode of section V on unit IUNIT, from its record R of EQUILB (amplitudes by now): the period,
// the damping by source in percent of critical (unless userDamping is set), the F-sigma motion by
// source and in total, and the most probable extreme over the storm DURATN. The surge (mode 1), and
// all three modes when LSPM is 0, pass their amplitudes through NLNCR3 over the energy table ERG and
// the offsets OFFSET (E0 the energy at the mean offset X0, K the spring, FE the mean load). Mode 3
// prints degrees; mode 2 with LSPM set adds its extreme as a yaw angle at the arm yawArm. Nothing is
// written when print is 0.
void LOWPK3(const LowModeRecord& R, const float* ERG, float E0, const float* OFFSET, float K, float FE, float X0,
            std::int32_t userDamping, std::int32_t mode, std::int32_t print, float yawArm);

// The heading of a case of section VI (51 characters) and skip = 1 when the case does not apply (its
// source switched off, a steady wind, a steady current); the label is then blank.
void LOWLAB(Text<51>& label, std::int32_t& skip, std::int32_t kase, std::int32_t LWIND, std::int32_t LCURNT,
            std::int32_t LSWELL, std::int32_t LRANDM, std::int32_t CURTYP, std::int32_t WNDTYP);

}  // namespace qv

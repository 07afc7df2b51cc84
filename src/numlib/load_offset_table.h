// The statics' load-offset table as the slow drift reads it: the horizontal load at the SALM's top
// against the vessel's offset, both rising from the table's first point. The offset and the
// stiffness at a load, the surge energy (the work of the load over the offset), and the nonlinear
// correction that carries a linear motion amplitude through that energy (NLNCR3). One home: the
// slow drift (SLOMOR: the mean offset REQLIB, the spring SPRNGX, the energy SRGERG), its report
// (LOWPRT: the offsets of section IV, the mean energy, the extreme motions of section V and the
// storm-peak case of section VI) and the buoyant riser's judge (dataset/riser_judge), which reads
// the same table, or a changed riser's at the loads the statics would step it by, before the report.
// Tables are passed as a pointer to their first entry and indexed from 1; all in 4 bytes.
//
// And the loads the statics step the table by (staticsTableLoads), and what the statics report can
// show of the table: how many offset states its offset pass shows at the increment the statics step
// by, and whether a row's joint loads fit their fields. One home for the statics (STSALM, which
// steps by that increment and ends a riser's table where its loads no longer print), their report
// (STPRT, which stops on a pass it cannot hold), the data set's finding of an increment of 0
// (dataset/value_ranges) and the buoyant riser's judge (dataset/riser_judge), which names no change
// of a riser whose changed table the report could not show.
#pragma once

#include <cstdint>
#include <span>

namespace qv {

// The loads of the statics' table (HLOAD), rising from 0 at the first of its `points` (2 at least) to
// its largest, `maximumLoad`: the rest evenly, or, where an even step would exceed a tenth of the
// column's net weight (`netWeight`, its magnitude), logarithmically from 0.052 times that weight at the
// second point, so that the small loads under which the offset changes fastest get points of their own.
// Each load in 4 bytes as the statics step it (an even step added to the load before). One home: the
// statics (STSALM, which solves the column at each load) and the buoyant riser's judge
// (dataset/riser_judge), which reads a changed riser's table at the loads the statics would give it.
// Returns the second point's load of a logarithmic table (HMIN), 0.052 times the weight.
float staticsTableLoads(float maximumLoad, std::int32_t points, float netWeight, float* load);

// The offset at which the table carries the load H, read off by straight lines (extrapolated beyond
// its ends); `interval` returns the table interval J used (H between load(J) and load(J + 1)).
float tableOffsetAtLoad(const float* load, const float* offset, std::int32_t points, float H, int& interval);

// The spring of interval J: its rise of load over its rise of offset.
float tableStiffness(const float* load, const float* offset, int interval);

// The surge energy of each point: the work of the load over the offset from the first point, by
// trapezoids (0 at the first point).
void tableEnergy(const float* load, const float* offset, std::int32_t points, float* energy);

// The energy at offset X, read off by straight lines.
float tableEnergyAtOffset(const float* offset, const float* energy, std::int32_t points, float X);

// The value of table Q (N points, indexed as ERG) reached when the motion amplitude X is added to the
// mean position, measured by energy: the level E = K X^2 / 2 + E0 + X |FE| is found in the energy
// table ERG (interval IDX, returned) and Q read there; OUT is that value minus SUB. With an energy
// table that integrates the load over the offset from the table's start, a linear table
// (load = K offset) gives back X for the offsets with SUB the mean offset, and K X for the loads with
// SUB the mean load. SWITCH = 0 reads the fractional table position scaled by Q(1) instead.
void NLNCR3(const float* ERG, float E0, const float* Q, float X, float& OUT, float K, float FE, float SUB,
            std::int32_t N, std::int32_t& IDX, std::int32_t SWITCH);

// The energy level NLNCR3 looks for: K X^2 / 2 + E0 + X |FE|, held at 0 from below.
float correctedEnergy(float E0, float X, float K, float FE);

// Whether the statics report runs its offset pass, a state at every offset increment over the
// table's offset range: a report of the statics (STAMOT) of a column with elements (NELEM) held by a
// vessel (FRESLM 0), whose pass is asked for (LOFFST) or is the only pass of a data set whose LTABL
// is neither 0 nor 1.
bool offsetPassRuns(std::int32_t STAMOT, std::int32_t NELEM, std::int32_t FRESLM, std::int32_t LOFFST,
                    std::int32_t LTABL);

// The offset increment the statics step by [ft | m]: page 2's (OFFINC), or 1 where it is 0.
inline constexpr float kOffsetIncrementForNone = 1.0f;
float offsetIncrementUsed(float OFFINC);

// The offset states of that pass over a table's offset range (its last offset less its first) at the
// increment: the first offset and each whole increment beyond it, the ratio truncated in 4 bytes; a
// count beyond the integer range (an increment far too small) is held inside it, none that is no
// number.
std::int32_t offsetStates(float range, float increment);

// Whether the pass over that range at that increment shows no more states than the report holds
// (`capacity`, the table's points).
bool offsetStatesHeld(float range, float increment, std::int32_t capacity);

// Whether the statics report prints the joint loads of one row of the table under the horizontal load
// H, as it writes them: at each joint J of a column of n members (angles[J-1] the angle of member J
// from the vertical [rad], V[J-1] the vertical load at its lower joint) the vertical load and the
// shear and the axial load across and along member J, in fields of 9, 9 and 10 with two decimals, and
// the top's vertical load V[n] in 9. The loads in the caller's precision, each field's value rounded
// to 4 bytes as the report writes it.
bool staticsRowLoadsPrint(double H, std::span<const double> angles, std::span<const double> V);
bool staticsRowLoadsPrint(float H, std::span<const float> angles, std::span<const float> V);

}  // namespace qv

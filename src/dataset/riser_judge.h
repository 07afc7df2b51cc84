// How far the run's loads and sea take a buoyant riser held between its hinge and the vessel's keel:
// the riser as the run's checks judge it (heldRiser), the keel's most probable peak motion along a
// line, the load-offset table the statics would build for the riser (riserTableRows), the slow
// drift's storm peak judged in offsets on that table (stormPeak), the reserve of the riser's length
// at the mean state against the keel's peak motions along the hinge-keel line (keelReach), and all
// the run's checks of a riser at the loads it reaches together (judgeRiser); and whether the statics
// report's offset pass could show a changed riser's load-offset table (offsetPassShows). One home
// for that judge: the riser's findings (dataset/run_checks: riserReachFinding judges the run's riser
// with judgeRiser) and the search of the changes that take a riser clear (dataset/riser_remedy),
// which judges each changed riser with the same entry point, on the table the statics would build
// for it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "dataset/column_reach.h"

namespace qv {

struct Tpcm;

// A buoyant riser held between its lowest free joint and the vessel's keel, as the statics hold it.
struct HeldRiser {
  SalmMembers members;
  HeldColumn column;
  double height = 0.0;  // from the lowest free joint to the keel [ft | m]
};

// The riser of an attached SALM (attachedBuoyantRiser) whose held column the checks can judge: none
// where one member, a column that cannot reach the keel, a member that pierces the surface or values
// that are no numbers have findings of their own. In the run, after the statics (`afterStatics`),
// the elements' buoyancies are forces.
std::optional<HeldRiser> heldRiser(bool afterStatics = false);

// The wave-frequency motion of the keel that holds a buoyant riser's top, in the riser's plane: x
// outward from the hinge along the horizontal, z up, as the run's sea moves it (every wave heading of
// the vessel's motions at the keel, each with its waves' spectra and spreading weight). The zeroth and
// second spectral moments of x, of z and of their cospectrum [ft^2 | m^2; times (rad/s)^2].
struct KeelMotion {
  double xx0 = 0.0, zz0 = 0.0, xz0 = 0.0;
  double xx2 = 0.0, zz2 = 0.0, xz2 = 0.0;
};

// The most probable largest excursion of the keel along the direction (s, c) (horizontal outward and
// vertical components of a unit vector) in a storm of `hours`: the motion's RMS times the storm's
// peak factor at its mean frequency sqrt(m2 / m0) (stormPeakFactorExact, numlib/storm_peak.h).
double keelPeakAlong(const KeelMotion& motion, double s, double c, float hours);

// What the run reaches, once the slow drift has found its mean state: the mean horizontal load at
// the keel (the most stable equilibrium's), the keel's wave-frequency motion, the statics' load-offset
// table (HLOAD and OFFSET of EQUILB, rising) and the slow drift's surge at the spring of a table.
struct RiserReach {
  double meanLoad = 0.0;  // [kips | t]
  KeelMotion keel;
  std::vector<float> tableLoads;    // [kips | t]
  std::vector<float> tableOffsets;  // [ft | m]
  // The surge's most probable largest amplitude in the storm of DURATN at a spring of the table at the
  // mean load [kips/ft | t/m] (surgeStormAmplitude, slowdrift/slomor.h) [ft | m]; none: no surge.
  std::function<float(float spring)> surgePeak;
  // The net horizontal load at each equilibrium heading the slow drift found (FTOT) [kips | t]: those
  // beyond the table's last load are judged on their own (riserPeakLoadFinding).
  std::vector<double> equilibriumLoads{};
};

// How the statics build the load-offset table of the data set the run checked: its largest load
// (page 2, item 2; TLOAD) and its points (NUMTAB; 0 taken as 2, as the statics take it).
struct StaticsTable {
  float maximumLoad = 0.0f;  // [kips | t]
  std::int32_t points = 2;
};
StaticsTable staticsTableOf(const Tpcm& dataSet);

// Where the statics end a buoyant riser's table whose last row's loads their report could not print
// (the vertical load, shear and axial load at each joint, the top's vertical load): at the load under
// which its members still stand kLeastMemberBend out of line (heldColumnClearLoad), rounded down to
// the hundredth the report prints, where that is smaller than the table's largest load; none where
// it is not (the table keeps its largest load). One home: the statics (STSALM), which end the run's
// table there, and this judge, which reads a changed riser's table so.
std::optional<float> riserTableEnd(const HeldColumn& column, double height, float maximumLoad);

// The statics' load-offset table of the run, as the judge reads it for a riser changed by a remedy:
// the run's riser and its rows, what the run's table adds to that riser's top at each row (the
// auxiliary table's offset, where there is one) and how the statics build a table (`statics`).
struct RiserTable {
  std::vector<float> load, offset;  // the run's rows
  std::vector<double> top;          // the run's riser's top under each row's load (under no load at 0)
  double noLoadTop = 0.0;           // the run's riser's top under no load (noLoadTopOffset)
  HeldColumn column{};              // the run's riser
  double height = 0.0;              // [ft | m]
  StaticsTable statics{};
};
RiserTable riserTable(const HeldRiser& riser, const RiserReach& reach, const StaticsTable& statics);

// The rows of the load-offset table the statics would build for a held column with its top at
// `height`, rising from no load: the run's own rows for the run's riser; for a changed one, its loads
// as the statics step them (staticsTableLoads at the column's net weight, up to the largest load of
// `table.statics`, or where the statics end a riser's table, riserTableEnd) and at each the column's
// own top (under no load at the first, noLoadTopOffset) plus what the run's table adds to the run's
// riser's top at that load (read between its rows, beyond them at its last row's).
struct TableRows {
  std::vector<float> load, offset;  // [kips | t], [ft | m]
};
TableRows riserTableRows(const HeldColumn& column, double height, const RiserTable& table);

// The slow drift's storm peak for a held column with its top at `height`: its mean offset on its
// table (riserTableRows) X0 (the offset at the mean load, read off as the slow drift reads it), the
// table's spring there, and the surge's most probable largest amplitude at that spring (surgePeak),
// `room` times it, carried through the table's surge energy to the peak offset (NLNCR3), as the
// low-frequency report's extreme motion. Beyond the table's last load the statics of the column
// itself continue it, up to the load under which its members come within kLeastMemberBend of line, so
// that no offset past the table is read off an extrapolation. The storm's peak comes into line where
// it reaches that load's offset; so do members within kLeastMemberBend of line under the mean load,
// and a surge with no amplitude to judge by (none, or one the changed sources do not damp).
struct StormPeak {
  bool meanInLine = false;   // the members within kLeastMemberBend of line under the mean load
  bool inLine = false;       // ... or the storm's peak offset reaching the offset where they come into line
  double meanBend = 0.0;     // the members' bend under the mean load (largestBend)
  double meanOffset = 0.0;   // X0 [ft | m], from the position under no load's table offset
  double excursion = 0.0;    // the peak offset less X0 [ft | m], where not in line
  double clearOffset = 0.0;  // the offset at which the members come into line [ft | m]; infinity: none
  double clearLoad = 0.0;    // the load under which they do [kips | t]
};
StormPeak stormPeak(const HeldColumn& column, double height, const RiserReach& reach, const RiserTable& table,
                    double room);

// The reserve and the motions that judge a riser at the mean state: its length less the hinge-to-keel
// distance under the mean load, against the keel's wave-frequency peak along the hinge-keel line in
// the storm of DURATN (keelPeakAlong) and the slow drift's peak excursion (`peak`) along that line,
// each `room` times. The riser reaches when the reserve exceeds the two together.
struct KeelReach {
  std::vector<double> angles;  // the members' angles under the mean load [rad]
  double distance = 0.0;       // hinge to keel [ft | m]
  double reserve = 0.0;        // the riser's length less the distance [ft | m]
  double wave = 0.0;           // the keel's wave-frequency peak along the line [ft | m]
  double drift = 0.0;          // the slow drift's peak excursion along the line [ft | m]
  bool reaches() const { return reserve > wave + drift; }
};
KeelReach keelReach(const HeldColumn& column, double height, const RiserReach& reach, const StormPeak& peak,
                    double room);

// The riser's judge whole, as the run judges a riser at the loads it reaches: the members clear of
// line under the smallest loads (riserBendFinding's check before any stage, not one folded back
// along another), clear under every equilibrium's load beyond the riser's table (riserPeakLoadFinding
// in the slow drift), the storm's peak short of the line on the table the statics build for it
// (stormPeak) and the reserve beyond the keel's peak motions (keelReach), these two with `room` times
// the motions. The one entry point of the run's own verdict (riserReachFinding, the run's riser, room
// 1) and of the search of the changes that take it clear (a changed riser, with room to spare).
struct RiserVerdict {
  bool foldedAtNoLoad = false;  // in line under the smallest loads
  double lineLoad = 0.0;        // an equilibrium's load beyond the table that brings them into line; 0: none
  StormPeak peak;
  KeelReach keel;
  bool clear() const { return !foldedAtNoLoad && !(lineLoad > 0.0) && !peak.inLine && keel.reaches(); }
};
RiserVerdict judgeRiser(const HeldColumn& column, double height, const RiserReach& reach, const RiserTable& table,
                        double room);

// The offset of the top of a held column with its top at `height` under no load, where the statics
// stand every member but one straight up or down: the limit of its one shape (heldColumnAngles) as
// the load falls to nothing; near a fold its top under the least load the shape resolves stands a few
// tenths of a foot or metre further out. NaN where no member can close the column to the height.
double noLoadTopOffset(const HeldColumn& column, double height);

// What the run reached as it judged its riser at the mean state (judgeRiserReach keeps it,
// dynamics/riser_reach.h): a later refusal of the run (a peak load of the random-sea report,
// riserPeakLoadFinding) judges the changes it names with the judge whole on it. None before: a run
// that keeps the data set its checks passed (keepCheckedDataSet) forgets an earlier run's.
void keepRiserReach(const RiserReach& reach);
void forgetRiserReach();
const RiserReach* keptRiserReach();

// The statics report's offset pass as the statics would run it for a data set: whether it runs
// (offsetPassRuns, numlib/load_offset_table.h), the offset increment it steps by (page 2, item 3; 0
// taken as 1, as the statics take it) [ft | m] and the table's largest load (page 2, item 2) [kips | t].
struct OffsetPass {
  bool runs = false;
  float increment = 1.0f;
  double maximumLoad = 0.0;
};
OffsetPass offsetPassOf(const Tpcm& dataSet);

// The offset range of the load-offset table that the statics would build for a riser changed to the
// held column with its top at `height`: its offset under the table's last load less its offset under
// no load (noLoadTopOffset). The last load is the data set's largest (`maximumLoad`), unless the
// statics report could not print that row's loads, where the statics end the table earlier
// (riserTableEnd). Each offset is the column's own top's plus what the run's table adds to the run's
// riser's top at that load (`table`, read between its rows, beyond them at its last row's, at no load
// its first row's; nothing where it has none, as before any stage).
double riserTableRange(const HeldColumn& column, double height, const RiserTable& table, double maximumLoad);

// Whether the statics report's offset pass could show that table: it does not run, or it shows no
// more offset states than the report holds (offsetStatesHeld, kMaxTablePoints); a table it could
// not show stops the run before the slow drift.
bool offsetPassShows(const HeldColumn& column, double height, const RiserTable& table, const OffsetPass& pass);

}  // namespace qv

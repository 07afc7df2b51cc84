// What takes a buoyant riser clear: the changes of one item of the data set (an element's length or
// volume, the water depth, the draft) that make a judge of the held riser sound, each within what the
// run's own checks admit, by the amounts a message prints. The search over a judge (heldColumnRemedy),
// the run's checks of a changed data set (the admission) and the changes they leave (riserRemedies)
// live here; the judges are the riser's findings' own (dataset/run_checks: riserBendFinding,
// riserReachFinding and riserPeakLoadFinding with the judge whole of dataset/riser_judge,
// judgeRiser), which write the changes found.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/riser_judge.h"

namespace qv {

struct Tpcm;

// ---- the search over a judge ----

// What it takes for the held column of TPCM's members (heldColumn) with its top at `height` to be
// `sound` (a judge of a column and its top's height): the lowering of the height (the members kept),
// searched down to the lowest free joint (`deepest`: the height, or the members' whole length where
// that is less), and the lengthening of each element of the members, in element order from the
// first free one (its weight, volume and their centres kept), each searched up to the members' whole
// length (`longest`); and, where the caller gives the most raise of each element's volume to search
// (`mostRaise`, one amount per element in the same order [ft^3 | m^3]; empty: none searched), the
// raise of each element's volume (ElementChange). For each change the ranges of amounts over which
// the column is sound, rising: each from the least amount that makes it so to the most up to which it
// stays so (infinity: up to the search's end); none where no amount up to the search's end does (a
// raise of no more than 0 is not searched); a first range from 0 where it is sound as it is. A grid
// of amounts (steps of a sixty-fourth of the search, finer below the first) finds them, as where a
// longer element softens a riser that the slow drift then moves further, bisection their ends; a
// range or a gap narrower than the grid's steps may be missed.
struct ChangeRange {
  double least = 0.0;
  double most = 0.0;
};
using SoundRanges = std::vector<ChangeRange>;
struct HeldColumnRemedy {
  SoundRanges lower;
  std::vector<SoundRanges> lengthen;
  std::vector<SoundRanges> raise;  // each element's volume; empty where no raise was searched
  double deepest = 0.0;            // the lowering searched [ft | m]
  double longest = 0.0;            // the lengthening searched [ft | m]
};
using HeldColumnTest = std::function<bool(const HeldColumn& column, double height)>;
HeldColumnRemedy heldColumnRemedy(const SalmMembers& members, double height, const HeldColumnTest& sound,
                                  std::span<const double> mostRaise = {});

// ---- the changes a refusal names ----

// Why the amounts of a change named in ranges leave out those between two of them: the judge finds the
// riser not clear there (kJudge); the run's checks refuse the data set so changed (kChecks); or they
// refuse it because the keel stands within `within` of a height at which the members, all upright or
// hanging, fold in line at no load (kFold), a narrow band about that height; or the statics report's
// offset pass could not show the changed riser's load-offset table (kOffsetStates), the first amount
// past the range below being one it could not show.
enum class ChangeGapReason { kJudge, kChecks, kFold, kOffsetStates };
struct ChangeGap {
  double below = 0.0;   // the most of the range below [ft | m; ft^3 | m^3]
  double above = 0.0;   // the least of the range above
  ChangeGapReason reason = ChangeGapReason::kChecks;
  double within = 0.0;  // kFold: the band's reach from the fold height, as shown [ft | m]
  friend bool operator==(const ChangeGap&, const ChangeGap&) = default;
};

// A change of the riser a refusal names, by the amounts it prints [ft | m; ft^3 | m^3 for a volume]:
// from `amount` up to `most` (infinity: as far as the search went, the riser's length, or the
// largest raise of a volume the run's checks admit), less the amounts of its gaps, rising. Every
// amount it names, in hundredths, makes a riser the judge finds clear and the run's checks admit;
// each end is named only where the amounts beyond it, up to the next range or the search's end, are
// not.
enum class RiserChangeKind { kLengthen, kRaiseVolume, kReduceDepth, kDeepenDraft };
struct RiserChange {
  RiserChangeKind kind = RiserChangeKind::kLengthen;
  int element = 0;  // the element lengthened or whose volume is raised
  double amount = 0.0;
  double most = 0.0;
  std::vector<ChangeGap> gaps{};
};

// The least amount a remedy names, rounded up to the hundredth the message shows, so that the figure
// itself is enough; the most rounded down (util/advised_amount.h, the one home of that rule).
double shownLeast(double amount);
double shownMost(double amount);

// A change made to a data set as its page makes it, by `change.amount`: a volume raised is a volume
// of the data set, which the statics make a force, the element's weight and centres kept
// (ElementChange).
void applyChange(Tpcm& t, const RiserChange& change);

// The held column of `riser` with `change` made by `amount`, and the height of its top: an element
// lengthened or its volume raised (heldColumn with the ElementChange), or the keel lowered by it.
std::pair<HeldColumn, double> changedRiser(const HeldRiser& riser, const RiserChange& change, double amount);

// The amounts of a change, from `from` to `to` (in hundredths of its unit), at which the keel stands
// at a height where the members of `riser`, each upright or hanging, fold in line at no load: the
// signed sums of their lengths, the changed one's with the amount. Rising; none for a volume, which
// moves no member's length.
std::vector<double> foldAmounts(const HeldRiser& riser, const RiserChange& change, double from, double to);

// ---- the run's checks of a changed data set ----

// Whether the run's checks admit a change of the kind and element of `change` by `amount`.
using ChangeAdmitted = std::function<bool(const RiserChange& change, double amount)>;

// The run's checks (runFindings) of the data set a riser's refusal is about, with a change made to
// it: the data set the run checked for a refusal in the run (`inRun`, kept by keepCheckedDataSet),
// else TPCM as it stands. A change is admitted when the data set so changed meets no fatal finding
// that the data set as it is does not meet already (a finding about one value being the same where it
// names the same value at the same figure, whatever range it names): one they refuse is not named,
// since the run would refuse it before any stage, and most of their refusals undo it (an element
// longer than the water under options 7 and 8, a keel on the sea bed). TPCM is left as it was,
// however the checks end.
class RiserChangeChecks {
 public:
  explicit RiserChangeChecks(bool inRun);
  bool admits(const RiserChange& change, double amount) const;
  ChangeAdmitted admitted() const;

 private:
  bool inRun_;
  std::vector<std::vector<std::string>> before_;
};

// The last amount of `change` that the checks admit between `last`, which they admit, and `refused`,
// which they do not, in the hundredths the message shows.
double lastAdmitted(const RiserChange& change, double last, double refused, const ChangeAdmitted& admitted);

// The largest raise of element `element`'s volume that the checks admit (0: none), doubled from a
// hundredth until they refuse one, then bisected: where the raised volume meets their limits (an
// element no wider than the water is deep, a buoyancy the statics report prints), so that a search of
// raises up to it covers every raise they admit.
double mostAdmittedRaise(int element, const ChangeAdmitted& admitted);

// Whether the run's checks of a changed data set are running: the riser's findings of the changed
// data set then name no changes of their own, their verdict alone counts.
bool checkingRiserChange();

// The data set a riser's refusal names changes of: the one the run's checks passed for a refusal in
// the run (`inRun`, kept by keepCheckedDataSet), else TPCM as it stands. The stages change some of
// its words in memory (the statics end a riser's table early in TLOAD); the changes are made to this.
const Tpcm& checkedDataSet(bool inRun);

// Keeps the data set as the run's checks passed it (TPCM, once runFindings has no fatal finding and
// before any stage changes it in memory): the changes a riser's refusal in the run names are checked
// against it, and what an earlier run reached (keptRiserReach) is forgotten. The runner calls it;
// without it they are checked against TPCM as it stands.
void keepCheckedDataSet();

// ---- the changes that take the riser clear ----

// The changes of the riser that make it `sound` (heldColumnRemedy: a lengthening of each element of
// its members, in element order, a raise of each one's volume, and a lowering of the keel, as a
// reduced water depth or a deepened draft), as the message shows them, within what the run's checks
// admit (RiserChangeChecks, `inRun`), in hundredths. The checks are asked on the search's grid of
// amounts within each range the judge leaves, their limits bisected to the hundredth (an element as
// long as the water, a keel on the sea bed), and about each amount at which the members fold in line
// at no load (foldAmounts), where they refuse a band narrower than any grid: a range they cut ends
// there and goes on beyond, the gap named with its reason. A change they refuse over every amount the
// judge leaves is left out. A volume is searched up to the largest raise they admit; a draft and a
// volume whose last range goes on to the search's end, or to the check that ends the search (a
// draft less than the water depth), are named without an end. Where the caller gives whether the
// statics report's offset pass could show the changed riser's load-offset table (`shown`,
// offsetPassShows), the amounts whose table it could not show are left out too, asked on the same
// grid and at each range's ends, their limits bisected to the hundredth: the run would stop there
// before the slow drift. None while the checks of a changed data set run.
std::vector<RiserChange> riserRemedies(const HeldRiser& riser, const HeldColumnTest& sound, bool inRun,
                                       const HeldColumnTest& shown = {});

}  // namespace qv

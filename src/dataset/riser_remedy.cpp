#include "dataset/riser_remedy.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>

#include "dataset/run_checks.h"
#include "dataset/salm_elements.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/block_reset.h"

namespace qv {

// ---- the search over a judge ----

namespace {

// The amounts, from 0 up to `limit`, at which a change of the column makes it sound (soundAt of the
// amount): the least, and the most up to which every amount from the least on stays sound. A grid
// of amounts (finer near 0) finds the first sound one and the first unsound one after it, and
// bisection their ends, so that a column sound over a middle range only (a longer element softens
// the riser, and the slow drift moves it further) is found too.
ChangeRange soundRange(const std::function<bool(double)>& soundAt, double limit) {
  std::vector<double> grid{0.0};
  for (const double share : {1.0 / 1024.0, 1.0 / 512.0, 1.0 / 256.0, 1.0 / 128.0}) grid.push_back(share * limit);
  constexpr int kSteps = 64;
  for (int i = 1; i <= kSteps; ++i) grid.push_back(limit * i / kSteps);
  const double precision = 1.0E-9 * limit;
  // The end between a sound amount and an unsound one, on the side of the sound one.
  const auto end = [&](double sound, double unsound) {
    for (int i = 0; i < 100 && std::fabs(sound - unsound) > precision; ++i) {
      const double middle = 0.5 * (sound + unsound);
      (soundAt(middle) ? sound : unsound) = middle;
    }
    return sound;
  };
  std::size_t i = 0;
  while (i < grid.size() && !soundAt(grid[i])) ++i;
  if (i == grid.size()) return {-1.0, -1.0};
  ChangeRange range;
  range.least = i == 0 ? 0.0 : end(grid[i], grid[i - 1]);
  std::size_t j = i + 1;
  while (j < grid.size() && soundAt(grid[j])) ++j;
  range.most = j == grid.size() ? std::numeric_limits<double>::infinity() : end(grid[j - 1], grid[j]);
  return range;
}

}  // namespace

HeldColumnRemedy heldColumnRemedy(const SalmMembers& members, double height, const HeldColumnTest& sound,
                                  std::span<const double> mostRaise) {
  const HeldColumn column = heldColumn(members);
  const double total = std::accumulate(column.length.begin(), column.length.end(), 0.0);
  HeldColumnRemedy remedy;
  // The keel lowered at most to the lowest free joint.
  const double deepest = height > 0.0 ? std::min(total, height) : total;
  remedy.lower = soundRange([&](double lowering) { return sound(column, height - lowering); }, deepest);
  if (members.firstElement.empty()) return remedy;
  const int last = std::clamp<int>(TPCM.NELEM, 0, kMaxSalmElements);
  for (int k = members.firstElement.front(); k <= last; ++k) {
    remedy.lengthen.push_back(soundRange(
        [&](double extra) { return sound(heldColumn(members, {.element = k, .length = extra}), height); }, total));
  }
  const int first = members.firstElement.front();
  for (std::size_t i = 0; i < mostRaise.size(); ++i) {
    const int k = first + static_cast<int>(i);
    if (!(mostRaise[i] > 0.0) || k > last) {
      remedy.raise.push_back({-1.0, -1.0});
      continue;
    }
    remedy.raise.push_back(soundRange(
        [&](double more) { return sound(heldColumn(members, {.element = k, .volume = more}), height); },
        mostRaise[i]));
  }
  return remedy;
}

// ---- the changes a refusal names ----

double shownLeast(double amount) { return std::ceil(amount * 100.0) / 100.0; }
double shownMost(double amount) { return std::isfinite(amount) ? std::floor(amount * 100.0) / 100.0 : amount; }

void applyChange(Tpcm& t, const RiserChange& change) {
  const auto amount = static_cast<float>(change.amount);
  switch (change.kind) {
    case RiserChangeKind::kLengthen: t.SLEN(change.element) += amount; break;
    case RiserChangeKind::kRaiseVolume: t.BUOY(change.element) += amount; break;
    case RiserChangeKind::kReduceDepth: t.DEPTH -= amount; break;
    case RiserChangeKind::kDeepenDraft: t.DRAFT += amount; break;
  }
}

// ---- the run's checks of a changed data set ----

namespace {

// What the run's checks of a changed data set need: the data set as they passed it, kept by the
// runner before its stages change it in memory (the statics turn the elements' volumes into forces),
// and whether a change is being checked (the riser's findings of the changed data set then name no
// changes of their own).
struct RiserChangeState {
  std::unique_ptr<Tpcm> checked;
  bool checking = false;
  void reset() {
    checked.reset();
    checking = false;
  }
};
constinit RiserChangeState riserChangeState{};
const BlockReset resetRiserChangeState{[] { riserChangeState.reset(); }};

// The fatal findings of the run's checks (runFindings) of the data set a riser's refusal is about,
// as the message writes it: the data set the run checked for a refusal in the run (inRun), else TPCM
// as it stands; with `change` made to it.
std::vector<std::vector<std::string>> fatalFindings(bool inRun, const std::optional<RiserChange>& change) {
  RiserChangeState& state = riserChangeState;
  const auto kept = std::make_unique<Tpcm>(TPCM);
  if (inRun && state.checked) TPCM = *state.checked;
  if (change) applyChange(TPCM, *change);
  state.checking = true;
  std::vector<std::vector<std::string>> fatal;
  try {
    for (RunFinding& finding : runFindings())
      if (finding.fatal) fatal.push_back(std::move(finding.lines));
  } catch (...) {
    state.checking = false;
    TPCM = *kept;
    throw;
  }
  state.checking = false;
  TPCM = *kept;
  return fatal;
}

}  // namespace

RiserChangeChecks::RiserChangeChecks(bool inRun) : inRun_(inRun), before_(fatalFindings(inRun, std::nullopt)) {}

bool RiserChangeChecks::admits(const RiserChange& change, double amount) const {
  RiserChange made = change;
  made.amount = amount;
  for (const std::vector<std::string>& finding : fatalFindings(inRun_, made)) {
    if (std::find(before_.begin(), before_.end(), finding) == before_.end()) return false;
  }
  return true;
}

ChangeAdmitted RiserChangeChecks::admitted() const {
  return [this](const RiserChange& change, double amount) { return admits(change, amount); };
}

double lastAdmitted(const RiserChange& change, double last, double refused, const ChangeAdmitted& admitted) {
  while (refused - last > 0.01) {
    const double middle = std::floor(50.0 * (last + refused)) / 100.0;
    if (middle <= last) break;
    (admitted(change, middle) ? last : refused) = middle;
  }
  return last;
}

double mostAdmittedRaise(int element, const ChangeAdmitted& admitted) {
  const RiserChange change{RiserChangeKind::kRaiseVolume, element, 0.0, 0.0};
  constexpr double kFarthest = 1.0E12;  // beyond any volume a page holds: the search ends there
  double last = 0.0;
  for (double refused = 0.01;; refused *= 2.0) {
    if (!admitted(change, refused)) return lastAdmitted(change, last, refused, admitted);
    last = refused;
    if (refused >= kFarthest) return last;
  }
}

bool checkingRiserChange() { return riserChangeState.checking; }

void keepCheckedDataSet() {
  const Tpcm& t = TPCM;
  // Only a buoyant riser's refusals name changes of the data set.
  if (!attachedBuoyantRiser(t.FRESLM, t.IARCO)) {
    riserChangeState.checked.reset();
    return;
  }
  riserChangeState.checked = std::make_unique<Tpcm>(t);
}

// ---- the changes that take the riser clear ----

std::vector<RiserChange> riserRemedies(const HeldRiser& riser, const HeldColumnTest& sound, bool inRun) {
  std::vector<RiserChange> changes;
  if (checkingRiserChange()) return changes;  // a changed data set's own refusal names none
  const int first = riser.members.firstElement.front();
  const RiserChangeChecks checks(inRun);
  const ChangeAdmitted admitted = checks.admitted();
  std::vector<double> mostRaise;
  const int last = std::clamp<int>(TPCM.NELEM, 0, kMaxSalmElements);
  for (int k = first; k <= last; ++k) mostRaise.push_back(mostAdmittedRaise(k, admitted));
  const HeldColumnRemedy remedy = heldColumnRemedy(riser.members, riser.height, sound, mostRaise);
  const auto add = [&](RiserChangeKind kind, int element, const ChangeRange& range, double searched) {
    if (!(range.least > 0.0)) return;
    RiserChange change{kind, element, shownLeast(range.least), shownMost(range.most)};
    if (change.most < change.amount || !admitted(change, change.amount)) return;
    // How far the run's checks admit it, where the judge's range ends or as far as the search went
    // (the riser's length, the keel down to the lowest free joint): an element as long as the water
    // allows under options 7 and 8, the water as deep as an element is long. A draft the judge admits
    // to the sea bed, and a volume it admits up to the largest raise the checks admit, are named
    // without an end: the check that stops either there (a draft less than the water depth, an
    // element no wider than the water is deep) needs no figure.
    const bool openEnded = kind == RiserChangeKind::kDeepenDraft || kind == RiserChangeKind::kRaiseVolume;
    if (openEnded && !std::isfinite(change.most)) {
      changes.push_back(change);
      return;
    }
    const double reach = std::isfinite(change.most) ? change.most : shownMost(searched);
    if (!admitted(change, reach)) change.most = lastAdmitted(change, change.amount, reach, admitted);
    changes.push_back(change);
  };
  const double length = std::accumulate(riser.column.length.begin(), riser.column.length.end(), 0.0);
  for (std::size_t i = 0; i < remedy.lengthen.size(); ++i)
    add(RiserChangeKind::kLengthen, first + static_cast<int>(i), remedy.lengthen[i], length);
  for (std::size_t i = 0; i < remedy.raise.size(); ++i)
    add(RiserChangeKind::kRaiseVolume, first + static_cast<int>(i), remedy.raise[i], mostRaise[i]);
  add(RiserChangeKind::kReduceDepth, 0, remedy.lower, riser.height);
  add(RiserChangeKind::kDeepenDraft, 0, remedy.lower, riser.height);
  return changes;
}

}  // namespace qv

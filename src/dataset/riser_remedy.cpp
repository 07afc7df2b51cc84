#include "dataset/riser_remedy.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <utility>

#include "dataset/run_checks.h"
#include "dataset/salm_elements.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/block_reset.h"
#include "util/advised_amount.h"

namespace qv {

// ---- the search over a judge ----

namespace {

// The amounts of the search up to `limit`: 0, then a sixty-fourth of the search at a time, finer below
// the first (a 1024th, 512th, 256th and 128th of it), where a change begins to tell. One home: the
// search over the judge (soundRanges) and the run's checks of the ranges it leaves (namedChange) ask
// on the same amounts.
std::vector<double> searchGrid(double limit) {
  std::vector<double> grid{0.0};
  for (const double share : {1.0 / 1024.0, 1.0 / 512.0, 1.0 / 256.0, 1.0 / 128.0}) grid.push_back(share * limit);
  constexpr int kSteps = 64;
  for (int i = 1; i <= kSteps; ++i) grid.push_back(limit * i / kSteps);
  return grid;
}

// The amounts from 0 up to `limit` at which a change of the column makes it sound (soundAt of the
// amount), as ranges: the search's grid (searchGrid) finds where the judge turns, bisection each
// turn's end on the side of the sound amount.
SoundRanges soundRanges(const std::function<bool(double)>& soundAt, double limit) {
  const std::vector<double> grid = searchGrid(limit);
  const double precision = 1.0E-9 * limit;
  const auto end = [&](double sound, double unsound) {
    for (int i = 0; i < 100 && std::fabs(sound - unsound) > precision; ++i) {
      const double middle = 0.5 * (sound + unsound);
      (soundAt(middle) ? sound : unsound) = middle;
    }
    return sound;
  };
  SoundRanges ranges;
  bool before = false;
  for (std::size_t i = 0; i < grid.size(); ++i) {
    const bool sound = soundAt(grid[i]);
    if (sound && !before) ranges.push_back({i == 0 ? 0.0 : end(grid[i], grid[i - 1]), 0.0});
    if (!sound && before) ranges.back().most = end(grid[i - 1], grid[i]);
    before = sound;
  }
  if (before) ranges.back().most = std::numeric_limits<double>::infinity();
  return ranges;
}

}  // namespace

HeldColumnRemedy heldColumnRemedy(const SalmMembers& members, double height, const HeldColumnTest& sound,
                                  std::span<const double> mostRaise) {
  const HeldColumn column = heldColumn(members);
  HeldColumnRemedy remedy;
  remedy.longest = std::accumulate(column.length.begin(), column.length.end(), 0.0);
  // The keel lowered at most to the lowest free joint.
  remedy.deepest = height > 0.0 ? std::min(remedy.longest, height) : remedy.longest;
  remedy.lower = soundRanges([&](double lowering) { return sound(column, height - lowering); }, remedy.deepest);
  if (members.firstElement.empty()) return remedy;
  const int last = std::clamp<int>(TPCM.NELEM, 0, kMaxSalmElements);
  for (int k = members.firstElement.front(); k <= last; ++k) {
    remedy.lengthen.push_back(soundRanges(
        [&](double extra) { return sound(heldColumn(members, {.element = k, .length = extra}), height); },
        remedy.longest));
  }
  const int first = members.firstElement.front();
  for (std::size_t i = 0; i < mostRaise.size(); ++i) {
    const int k = first + static_cast<int>(i);
    if (!(mostRaise[i] > 0.0) || k > last) {
      remedy.raise.emplace_back();
      continue;
    }
    remedy.raise.push_back(soundRanges(
        [&](double more) { return sound(heldColumn(members, {.element = k, .volume = more}), height); },
        mostRaise[i]));
  }
  return remedy;
}

// ---- the changes a refusal names ----

// Through the one home of advised amounts, rounded to the hundredth on the side that works: a
// refusal prints every amount of a change in hundredths (a volume in the fixed form of two decimals,
// a length in the message form, which gives a length of the pages' sizes two decimals too).
double shownLeast(double amount) { return advisedLeast(amount, {}, AmountForm::kFixed).value_or(amount); }
double shownMost(double amount) {
  if (!std::isfinite(amount)) return amount;
  return advisedMost(amount, {}, AmountForm::kFixed).value_or(amount);
}

void applyChange(Tpcm& t, const RiserChange& change) {
  const auto amount = static_cast<float>(change.amount);
  switch (change.kind) {
    case RiserChangeKind::kLengthen: t.SLEN(change.element) += amount; break;
    case RiserChangeKind::kRaiseVolume: t.BUOY(change.element) += amount; break;
    case RiserChangeKind::kReduceDepth: t.DEPTH -= amount; break;
    case RiserChangeKind::kDeepenDraft: t.DRAFT += amount; break;
  }
}

std::pair<HeldColumn, double> changedRiser(const HeldRiser& riser, const RiserChange& change, double amount) {
  switch (change.kind) {
    case RiserChangeKind::kLengthen:
      return {heldColumn(riser.members, {.element = change.element, .length = amount}), riser.height};
    case RiserChangeKind::kRaiseVolume:
      return {heldColumn(riser.members, {.element = change.element, .volume = amount}), riser.height};
    case RiserChangeKind::kReduceDepth:
    case RiserChangeKind::kDeepenDraft: break;
  }
  return {riser.column, riser.height - amount};
}

std::vector<double> foldAmounts(const HeldRiser& riser, const RiserChange& change, double from, double to) {
  std::vector<double> amounts;
  const std::vector<double>& lengths = riser.column.length;
  const std::size_t n = lengths.size();
  constexpr std::size_t kMostMembers = 12;  // beyond any riser the run takes: not searched
  if (change.kind == RiserChangeKind::kRaiseVolume || n == 0 || n > kMostMembers) return amounts;
  // The member the lengthened element lies in: the last one starting at or below it.
  std::size_t member = 0;
  for (std::size_t i = 0; i < riser.members.firstElement.size(); ++i)
    if (riser.members.firstElement[i] <= change.element) member = i;
  for (std::uint32_t signs = 0; signs < (std::uint32_t{1} << n); ++signs) {
    double reach = 0.0;
    for (std::size_t i = 0; i < n; ++i) reach += (signs >> i & 1U) != 0 ? lengths[i] : -lengths[i];
    double amount = riser.height - reach;  // the keel lowered to the members' reach
    if (change.kind == RiserChangeKind::kLengthen) amount = (signs >> member & 1U) != 0 ? amount : -amount;
    if (amount >= from && amount <= to) amounts.push_back(amount);
  }
  std::sort(amounts.begin(), amounts.end());
  amounts.erase(std::unique(amounts.begin(), amounts.end()), amounts.end());
  return amounts;
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
  if (const Tpcm& checked = checkedDataSet(inRun); &checked != &TPCM) TPCM = checked;
  if (change) applyChange(TPCM, *change);
  state.checking = true;
  std::vector<std::vector<std::string>> fatal;
  try {
    // A finding about one value is known by the value and its figure: the range it names may lean
    // on the values the change makes.
    for (RunFinding& finding : runFindings()) {
      if (!finding.fatal) continue;
      fatal.push_back(finding.value.empty() ? std::move(finding.lines) : std::vector<std::string>{finding.value});
    }
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

namespace {

// Amounts in the hundredths the message shows them in.
using Hundredths = long long;
double amountOf(Hundredths h) { return static_cast<double>(h) / 100.0; }
Hundredths leastHundredths(double amount) { return std::llround(shownLeast(amount) * 100.0); }
Hundredths mostHundredths(double amount) { return std::llround(shownMost(amount) * 100.0); }

// The last hundredth from `a` towards `b` at which `holds` answers as at `a` (`holds` differs at b).
Hundredths lastAlike(const std::function<bool(Hundredths)>& holds, Hundredths a, Hundredths b) {
  const bool atA = holds(a);
  while (std::llabs(b - a) > 1) {
    const Hundredths middle = a + (b - a) / 2;
    (holds(middle) == atA ? a : b) = middle;
  }
  return a;
}

}  // namespace

double lastAdmitted(const RiserChange& change, double last, double refused, const ChangeAdmitted& admitted) {
  const auto holds = [&](Hundredths h) { return admitted(change, amountOf(h)); };
  return amountOf(lastAlike(holds, std::llround(last * 100.0), std::llround(refused * 100.0)));
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

const Tpcm& checkedDataSet(bool inRun) {
  return inRun && riserChangeState.checked ? *riserChangeState.checked : TPCM;
}

void keepCheckedDataSet() {
  const Tpcm& t = TPCM;
  forgetRiserReach();  // a new run reaches its own
  // Only a buoyant riser's refusals name changes of the data set.
  if (!attachedBuoyantRiser(t.FRESLM, t.IARCO)) {
    riserChangeState.checked.reset();
    return;
  }
  riserChangeState.checked = std::make_unique<Tpcm>(t);
}

// ---- the changes that take the riser clear ----

namespace {

// The hundredths from `from` to `to`, both named.
struct Piece {
  Hundredths from = 0, to = 0;
};

// The run's checks of one change, asked once for each amount.
class ChangeChecks {
 public:
  ChangeChecks(RiserChange change, const ChangeAdmitted& admitted) : change_(std::move(change)), admitted_(admitted) {}
  bool admits(Hundredths h) {
    const auto known = answers_.find(h);
    if (known != answers_.end()) return known->second;
    return answers_[h] = admitted_(change_, amountOf(h));
  }
  bool admitsAmount(double amount) const { return admitted_(change_, amount); }

 private:
  RiserChange change_;
  const ChangeAdmitted& admitted_;
  std::map<Hundredths, bool> answers_;
};

// A band of hundredths about a fold amount that the checks refuse, and how far its edges lie from the
// fold [ft | m], the edges bisected between the hundredths either side.
struct FoldBand {
  Hundredths from = 0, to = 0;  // the refused hundredths
  double within = 0.0;
};

// The band the checks refuse about the fold amount `fold`, where they refuse a hundredth next to it
// and admit one again within `window` hundredths either side; none otherwise (a refusal that wide is
// the checks' own limit, found on the grid).
std::optional<FoldBand> foldBand(ChangeChecks& checks, double fold, Hundredths window) {
  const auto near = static_cast<Hundredths>(std::floor(fold * 100.0));
  Hundredths refused = -1;
  for (const Hundredths h : {near, near + 1, near - 1, near + 2}) {
    if (h >= 0 && !checks.admits(h)) {
      refused = h;
      break;
    }
  }
  if (refused < 0) return std::nullopt;
  FoldBand band{refused, refused, 0.0};
  while (!checks.admits(band.from - 1)) {
    if (--band.from <= 0 || refused - band.from > window) return std::nullopt;
  }
  while (!checks.admits(band.to + 1)) {
    if (++band.to - refused > window) return std::nullopt;
  }
  // The band's edges between the hundredths, on the amounts themselves.
  const auto edge = [&](double admitted, double refusedAmount) {
    for (int i = 0; i < 30 && std::fabs(admitted - refusedAmount) > 1.0E-6; ++i) {
      const double middle = 0.5 * (admitted + refusedAmount);
      (checks.admitsAmount(middle) ? admitted : refusedAmount) = middle;
    }
    return refusedAmount;
  };
  const double low = edge(amountOf(band.from - 1), amountOf(band.from));
  const double high = edge(amountOf(band.to + 1), amountOf(band.to));
  band.within = shownLeast(std::max(fold - low, high - fold));
  return band;
}

// The pieces of the hundredths from `from` to `to` where `holds` does: asked at the ends and on the
// grid between, each turn bisected to the hundredth.
std::vector<Piece> piecesHolding(const std::function<bool(Hundredths)>& holds, Hundredths from, Hundredths to,
                                 const std::vector<Hundredths>& grid) {
  std::vector<Hundredths> points{from, to};
  for (const Hundredths g : grid)
    if (g > from && g < to) points.push_back(g);
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
  std::vector<Piece> pieces;
  bool before = false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const bool here = holds(points[i]);
    if (i == 0) {
      if (here) pieces.push_back({points[0], points[0]});
    } else if (before && here) {
      pieces.back().to = points[i];
    } else if (before) {
      pieces.back().to = lastAlike(holds, points[i - 1], points[i]);
    } else if (here) {
      pieces.push_back({lastAlike(holds, points[i], points[i - 1]), points[i]});
    }
    before = here;
  }
  return pieces;
}


// The hundredths of the search's grid up to `searched` (searchGrid).
std::vector<Hundredths> gridHundredths(double searched) {
  std::vector<Hundredths> grid;
  for (const double amount : searchGrid(searched)) grid.push_back(std::llround(amount * 100.0));
  return grid;
}

// The bands the checks refuse about the amounts at which the members fold in line at no load
// (foldAmounts, foldBand) from `from` to `to`, rising. A fold band reaches as far as a member leans a
// degree and three quarters off the vertical, which shortens its height by less than a
// two-thousandth of its length: looked for within a five-hundredth of the riser's length, and a few
// hundredths more.
std::vector<FoldBand> foldBands(const HeldRiser& riser, const RiserChange& change, ChangeChecks& checks,
                                Hundredths from, Hundredths to) {
  const double length = std::accumulate(riser.column.length.begin(), riser.column.length.end(), 0.0);
  const Hundredths window = 5 + static_cast<Hundredths>(std::ceil(0.2 * length));
  std::vector<FoldBand> bands;
  for (const double fold : foldAmounts(riser, change, amountOf(from - 2), amountOf(to + 2)))
    if (const std::optional<FoldBand> band = foldBand(checks, fold, window)) bands.push_back(*band);
  return bands;
}

// A piece of a change that a refusal names, with why the amounts below it, after the piece before,
// are not.
struct Named {
  Piece piece;
  ChangeGapReason before = ChangeGapReason::kChecks;
  double within = 0.0;  // kFold: the band's reach from the fold [ft | m]
};

// Why the judge leaves out the hundredths between a named piece ending at `below` and one starting at
// `above`: where the checks refuse every one of them about a fold (`bands`), that fold, as the checks
// themselves would say it; else the judge.
Named judgeGap(Piece piece, Hundredths below, Hundredths above, const std::vector<FoldBand>& bands) {
  Named named{piece, ChangeGapReason::kJudge, 0.0};
  double within = 0.0;
  for (Hundredths h = below + 1; h < above; ++h) {
    const auto band = std::find_if(bands.begin(), bands.end(), [h](const FoldBand& b) { return h >= b.from && h <= b.to; });
    if (band == bands.end()) return named;
    within = std::max(within, band->within);
  }
  if (above - below > 1) named = {piece, ChangeGapReason::kFold, within};
  return named;
}

// The piece `next` less the fold bands within it, added to `named`: each part after a band says the
// band's reason.
void addLessBands(std::vector<Named>& named, Named next, const std::vector<FoldBand>& bands) {
  Hundredths start = next.piece.from;
  for (const FoldBand& band : bands) {
    if (band.to < start || band.from > next.piece.to) continue;
    if (band.from > start) named.push_back({{start, band.from - 1}, next.before, next.within});
    if (!named.empty()) {
      next.within = std::max(band.from > start ? 0.0 : next.within, band.within);
      next.before = ChangeGapReason::kFold;
    }
    start = band.to + 1;
  }
  if (start <= next.piece.to) named.push_back({{start, next.piece.to}, next.before, next.within});
}

// The pieces of a change within the ranges the judge leaves (`ranges`, searched up to `end`) that the
// checks admit, less the fold bands, each with why the amounts below it are left out; `openEnd`
// receives whether the last goes on to the search's end (a volume or a draft whose last range does,
// or to the check that ends the search, named without an end).
std::vector<Named> admittedPieces(const HeldRiser& riser, const RiserChange& change, const SoundRanges& ranges,
                                  Hundredths end, const std::vector<Hundredths>& grid, ChangeChecks& checks,
                                  bool& openEnd) {
  std::vector<Named> named;
  openEnd = false;
  std::vector<FoldBand> bands;
  if (!ranges.empty()) bands = foldBands(riser, change, checks, leastHundredths(ranges.front().least), end);
  const auto inBand = [&](Hundredths h) {
    return std::any_of(bands.begin(), bands.end(), [h](const FoldBand& b) { return h >= b.from && h <= b.to; });
  };
  // The checks' limits on the grid, the bands taken as admitted there.
  const std::function<bool(Hundredths)> wide = [&](Hundredths h) { return inBand(h) || checks.admits(h); };
  for (const ChangeRange& range : ranges) {
    if (!(range.least > 0.0)) continue;  // sound as it is: nothing to name
    const bool open = !std::isfinite(range.most);
    const Hundredths from = leastHundredths(range.least);
    const Hundredths to = open ? end : std::min(end, mostHundredths(range.most));
    if (to < from) continue;
    const std::size_t namedBefore = named.size();
    const std::vector<Piece> pieces = piecesHolding(wide, from, to, grid);
    for (std::size_t p = 0; p < pieces.size(); ++p) {
      Named next{pieces[p], ChangeGapReason::kChecks, 0.0};
      if (p == 0 && !named.empty()) next = judgeGap(next.piece, named.back().piece.to, pieces[p].from, bands);
      addLessBands(named, next, bands);
    }
    const bool namedHere = named.size() > namedBefore;
    openEnd = open && namedHere &&
              (named.back().piece.to == end || change.kind == RiserChangeKind::kDeepenDraft ||
               change.kind == RiserChangeKind::kRaiseVolume);
  }
  return named;
}

// The pieces less the amounts whose table the statics report's offset pass could not show (`shown`
// of the changed riser); a gap is named by why the first amount past the piece below it is left out.
std::vector<Named> shownPieces(const HeldRiser& riser, const RiserChange& change, const std::vector<Named>& named,
                               const std::vector<Hundredths>& grid, const HeldColumnTest& shown) {
  std::map<Hundredths, bool> answers;
  const std::function<bool(Hundredths)> shownAt = [&](Hundredths h) {
    const auto known = answers.find(h);
    if (known != answers.end()) return known->second;
    const auto [column, height] = changedRiser(riser, change, amountOf(h));
    return answers[h] = shown(column, height);
  };
  std::vector<Named> kept;
  for (const Named& n : named) {
    for (const Piece& piece : piecesHolding(shownAt, n.piece.from, n.piece.to, grid)) {
      Named part{piece, n.before, n.within};
      if (!kept.empty() && !shownAt(kept.back().piece.to + 1)) part = {piece, ChangeGapReason::kOffsetStates, 0.0};
      kept.push_back(part);
    }
  }
  return kept;
}

// The change of `kind` named within the ranges the judge leaves (`ranges`, searched up to `searched`),
// as far as the checks admit it and, where `shown` is given, the statics report's offset pass could
// show the changed riser's table: empty where none of it is left.
std::optional<RiserChange> namedChange(const HeldRiser& riser, RiserChangeKind kind, int element,
                                       const SoundRanges& ranges, double searched, const ChangeAdmitted& admitted,
                                       const HeldColumnTest& shown) {
  RiserChange change{kind, element, 0.0, 0.0, {}};
  ChangeChecks checks(change, admitted);
  const Hundredths end = mostHundredths(searched);
  const std::vector<Hundredths> grid = gridHundredths(searched);
  bool openEnd = false;
  std::vector<Named> named = admittedPieces(riser, change, ranges, end, grid, checks, openEnd);
  if (shown && !named.empty()) {
    const Hundredths lastTo = named.back().piece.to;
    named = shownPieces(riser, change, named, grid, shown);
    openEnd = openEnd && !named.empty() && named.back().piece.to == lastTo;
  }
  if (named.empty()) return std::nullopt;
  change.amount = amountOf(named.front().piece.from);
  change.most = openEnd ? std::numeric_limits<double>::infinity() : amountOf(named.back().piece.to);
  for (std::size_t i = 1; i < named.size(); ++i)
    change.gaps.push_back({amountOf(named[i - 1].piece.to), amountOf(named[i].piece.from), named[i].before,
                           named[i].within});
  return change;
}

}  // namespace

std::vector<RiserChange> riserRemedies(const HeldRiser& riser, const HeldColumnTest& sound, bool inRun,
                                       const HeldColumnTest& shown) {
  std::vector<RiserChange> changes;
  if (checkingRiserChange()) return changes;  // a changed data set's own refusal names none
  const int first = riser.members.firstElement.front();
  const RiserChangeChecks checks(inRun);
  const ChangeAdmitted admitted = checks.admitted();
  std::vector<double> mostRaise;
  const int last = std::clamp<int>(TPCM.NELEM, 0, kMaxSalmElements);
  for (int k = first; k <= last; ++k) mostRaise.push_back(mostAdmittedRaise(k, admitted));
  const HeldColumnRemedy remedy = heldColumnRemedy(riser.members, riser.height, sound, mostRaise);
  const auto add = [&](RiserChangeKind kind, int element, const SoundRanges& ranges, double searched) {
    if (const std::optional<RiserChange> change = namedChange(riser, kind, element, ranges, searched, admitted, shown))
      changes.push_back(*change);
  };
  for (std::size_t i = 0; i < remedy.lengthen.size(); ++i)
    add(RiserChangeKind::kLengthen, first + static_cast<int>(i), remedy.lengthen[i], remedy.longest);
  for (std::size_t i = 0; i < remedy.raise.size(); ++i)
    add(RiserChangeKind::kRaiseVolume, first + static_cast<int>(i), remedy.raise[i], mostRaise[i]);
  add(RiserChangeKind::kReduceDepth, 0, remedy.lower, remedy.deepest);
  add(RiserChangeKind::kDeepenDraft, 0, remedy.lower, remedy.deepest);
  return changes;
}

}  // namespace qv

#include "dataset/riser_judge.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <span>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/load_offset_table.h"
#include "numlib/storm_peak.h"
#include "platform/block_reset.h"

namespace qv {

std::optional<HeldRiser> heldRiser(bool afterStatics) {
  const Tpcm& t = TPCM;
  if (!attachedBuoyantRiser(t.FRESLM, t.IARCO)) return std::nullopt;
  HeldRiser riser;
  riser.members = salmMembers();
  if (afterStatics) riser.members.buoyancyForce = 1.0;  // the statics made forces of the volumes
  const SalmMembers& m = riser.members;
  if (m.length.size() < 2 || !columnReachesHeight(m.length, attachmentHeight(m))) return std::nullopt;
  riser.column = heldColumn(m);
  const HeldColumn& column = riser.column;
  if (column.length.empty()) return std::nullopt;
  for (std::size_t i = 0; i < column.length.size(); ++i) {
    if (!(column.length[i] > 0.0) || !std::isfinite(column.netWeight[i]) || !std::isfinite(column.momentTerm[i]))
      return std::nullopt;
  }
  riser.height = attachmentHeight(m);
  if (!std::isfinite(riser.height)) return std::nullopt;
  return riser;
}

double keelPeakAlong(const KeelMotion& motion, double s, double c, float hours) {
  const double m0 = s * s * motion.xx0 + c * c * motion.zz0 + 2.0 * s * c * motion.xz0;
  const double m2 = s * s * motion.xx2 + c * c * motion.zz2 + 2.0 * s * c * motion.xz2;
  if (!(m0 > 0.0)) return 0.0;
  // The most probable largest of the narrow-band motion's cycles in the storm, at its mean frequency.
  const double omega = m2 > 0.0 ? std::sqrt(m2 / m0) : 0.0;
  return std::sqrt(m0) * stormPeakFactorExact(hours, omega);
}

namespace {

// The offset of a held column's top under H, its least load held (heldColumnAngles).
double topOffset(const HeldColumn& column, double height, double H) {
  return heldColumnOffset(column, height, std::max(H, std::numeric_limits<double>::min()));
}

// The offset of a held column's top at a row of the statics' table: under no load where the statics
// stand every member but one upright or hanging (noLoadTopOffset, where the members close to the
// height so), else in its one shape under the row's load.
double rowTop(const HeldColumn& column, double height, double H) {
  if (H > 0.0) return topOffset(column, height, H);
  const double noLoad = noLoadTopOffset(column, height);
  return std::isfinite(noLoad) ? noLoad : topOffset(column, height, H);
}

bool sameColumn(const HeldColumn& a, const HeldColumn& b) {
  return a.length == b.length && a.netWeight == b.netWeight && a.momentTerm == b.momentTerm;
}

// What the run's table adds to the run's riser's top under H: its offset less that top, read between
// its rows, below its first row at the first row's, beyond its last at the last row's; nothing
// without rows. The top is taken in the 4 bytes the table holds its offsets in, so that a table on
// its riser's tops adds nothing, not their rounding, which would tilt a changed riser's table where
// it stands flat.
double tableShift(const RiserTable& table, double H) {
  const std::size_t n = std::min({table.load.size(), table.offset.size(), table.top.size()});
  if (n == 0) return 0.0;
  const auto shift = [&](std::size_t j) { return table.offset[j] - static_cast<double>(static_cast<float>(table.top[j])); };
  for (std::size_t j = 0; j + 1 < n; ++j) {
    if (H <= table.load[j + 1]) {
      const double share = (H - table.load[j]) / (table.load[j + 1] - table.load[j]);
      const double below = shift(j), above = shift(j + 1);
      return below + std::clamp(share, 0.0, 1.0) * (above - below);
    }
  }
  return shift(n - 1);
}

// Whether the statics report prints the loads of the table row under H of a held column with its top
// at `height` (staticsRowLoadsPrint). The top's vertical load is the pull the top member's balance
// asks (H c + M), each joint's the one above less the net weight of the member between.
bool rowLoadsPrint(const HeldColumn& column, double height, double H) {
  const std::vector<double> angles = heldColumnAngles(column, height, H);
  const std::size_t n = angles.size();
  if (n == 0 || n != column.length.size()) return true;  // no shape: the table has no such row to end
  std::vector<double> V(n + 1);
  V[n] = H * std::cos(angles[n - 1]) / std::sin(angles[n - 1]) + column.momentTerm[n - 1];
  for (std::size_t i = n; i-- > 0;) V[i] = V[i + 1] - column.netWeight[i];
  return staticsRowLoadsPrint(H, std::span<const double>(angles), std::span<const double>(V));
}

// The last load of the table the statics would build for a held column with its top at `height`:
// the table's largest, or where the statics end a riser's table whose last row's loads their report
// could not print (riserTableEnd).
double tableLastLoad(const HeldColumn& column, double height, float maximumLoad) {
  if (rowLoadsPrint(column, height, maximumLoad)) return maximumLoad;
  return riserTableEnd(column, height, maximumLoad).value_or(maximumLoad);
}

// The column's net weight as the statics sum it, which sets the first load of a logarithmic table.
float columnNetWeight(const HeldColumn& column) {
  return static_cast<float>(std::accumulate(column.netWeight.begin(), column.netWeight.end(), 0.0));
}

}  // namespace

StaticsTable staticsTableOf(const Tpcm& dataSet) {
  const std::int32_t points = dataSet.NUMTAB == 0 ? 2 : dataSet.NUMTAB;
  return {.maximumLoad = dataSet.TLOAD, .points = std::clamp<std::int32_t>(points, 2, kMaxTablePoints)};
}

std::optional<float> riserTableEnd(const HeldColumn& column, double height, float maximumLoad) {
  const double clear = heldColumnClearLoad(column, height);
  if (!(clear > 0.0) || !(clear < maximumLoad)) return std::nullopt;
  return std::floor(static_cast<float>(clear) * 100.0f) / 100.0f;  // a load the report prints
}

RiserTable riserTable(const HeldRiser& riser, const RiserReach& reach, const StaticsTable& statics) {
  RiserTable table;
  const std::size_t n = std::min(reach.tableLoads.size(), reach.tableOffsets.size());
  table.load.assign(reach.tableLoads.begin(), reach.tableLoads.begin() + static_cast<std::ptrdiff_t>(n));
  table.offset.assign(reach.tableOffsets.begin(), reach.tableOffsets.begin() + static_cast<std::ptrdiff_t>(n));
  for (const float H : table.load) table.top.push_back(rowTop(riser.column, riser.height, H));
  table.noLoadTop = noLoadTopOffset(riser.column, riser.height);
  table.column = riser.column;
  table.height = riser.height;
  table.statics = statics;
  return table;
}

TableRows riserTableRows(const HeldColumn& column, double height, const RiserTable& table) {
  if (sameColumn(column, table.column) && height == table.height) return {table.load, table.offset};
  TableRows rows;
  if (table.load.empty()) return rows;  // no run's table: none to read
  const StaticsTable& statics = table.statics;
  rows.load.resize(static_cast<std::size_t>(statics.points));
  const auto last = static_cast<float>(tableLastLoad(column, height, statics.maximumLoad));
  staticsTableLoads(last, statics.points, columnNetWeight(column), rows.load.data());
  for (const float H : rows.load) rows.offset.push_back(static_cast<float>(rowTop(column, height, H) + tableShift(table, H)));
  return rows;
}

namespace {

// The storm's peak (stormPeak) on the riser's table `rows` (riserTableRows).
StormPeak stormPeakOn(const HeldColumn& column, double height, const RiserReach& reach, const RiserTable& table,
                      TableRows rows, double room) {
  StormPeak peak;
  const double FE = reach.meanLoad;
  peak.meanBend = largestBend(heldColumnAngles(column, height, FE));
  peak.meanInLine = !heldColumnStandsClear(column, height, FE);
  peak.clearLoad = peak.meanInLine ? 0.0 : heldColumnClearLoadAbove(column, height, FE);
  const std::size_t n = rows.load.size();
  if (n < 2) {
    peak.inLine = peak.meanInLine;
    peak.clearOffset = std::numeric_limits<double>::infinity();
    return peak;
  }
  // The table's rows; then rows of the column's own statics from the table's last load to the load
  // that brings the members into line.
  std::vector<float>& load = rows.load;
  std::vector<float>& offset = rows.offset;
  const double last = load.back();
  const double lastTop = topOffset(column, height, last);
  constexpr int kBeyondRows = 40;
  if (std::isfinite(peak.clearLoad) && peak.clearLoad > last && last > 0.0) {
    for (int i = 1; i <= kBeyondRows; ++i) {
      const double H = last * std::pow(peak.clearLoad / last, static_cast<double>(i) / kBeyondRows);
      load.push_back(static_cast<float>(H));
      offset.push_back(static_cast<float>(offset[n - 1] + (topOffset(column, height, H) - lastTop)));
    }
  }
  // The offset at which the members come into line, in the table's terms: the column's own top
  // there and what the table adds to the run's riser's top at that load (within the table read
  // between its rows, beyond it its last row's).
  peak.clearOffset = std::isfinite(peak.clearLoad)
                         ? topOffset(column, height, peak.clearLoad) + tableShift(table, peak.clearLoad)
                         : std::numeric_limits<double>::infinity();

  // The mean state and the spring on the table's rows, as the slow drift reads them.
  const auto points = static_cast<std::int32_t>(n);
  const auto mean = static_cast<float>(FE);
  int interval = 1;
  const float X0 = tableOffsetAtLoad(load.data(), offset.data(), points, mean, interval);
  const float K = tableStiffness(load.data(), offset.data(), interval);
  std::vector<float> energy(load.size());
  tableEnergy(load.data(), offset.data(), static_cast<std::int32_t>(load.size()), energy.data());
  const float E0 = tableEnergyAtOffset(offset.data(), energy.data(), points, X0);
  peak.meanOffset = X0;
  // A table flat about the mean load holds the column stiffer than its statics resolve (loads below
  // the least load of its shape leave its top where that load puts it): the slow drift moves it not
  // at all, as a spring without bound would.
  if (std::isinf(K) && K > 0.0f) {
    peak.inLine = peak.meanInLine || !(X0 < peak.clearOffset);
    return peak;
  }
  const float amplitude = reach.surgePeak ? reach.surgePeak(K) : 0.0f;
  if (!(amplitude >= 0.0f) || !std::isfinite(amplitude)) {  // no amplitude to judge by
    peak.inLine = true;
    return peak;
  }
  float excursion = 0.0f;
  std::int32_t at = 1;
  NLNCR3(energy.data(), E0, offset.data(), amplitude, excursion, K, mean, X0, static_cast<std::int32_t>(load.size()),
         at, 1);
  peak.excursion = excursion;
  peak.inLine = peak.meanInLine || !(X0 + room * static_cast<double>(excursion) < peak.clearOffset);
  return peak;
}

}  // namespace

StormPeak stormPeak(const HeldColumn& column, double height, const RiserReach& reach, const RiserTable& table,
                    double room) {
  return stormPeakOn(column, height, reach, table, riserTableRows(column, height, table), room);
}

KeelReach keelReach(const HeldColumn& column, double height, const RiserReach& reach, const StormPeak& peak,
                    double room) {
  KeelReach keel;
  keel.angles = heldColumnAngles(column, height, reach.meanLoad);
  const double out = heldColumnOffset(column, height, reach.meanLoad);
  keel.distance = std::hypot(out, height);
  keel.reserve = std::accumulate(column.length.begin(), column.length.end(), 0.0) - keel.distance;
  keel.wave = room * keelPeakAlong(reach.keel, out / keel.distance, height / keel.distance, TPCM.DURATN);
  keel.drift = room * peak.excursion * out / keel.distance;
  return keel;
}

RiserVerdict judgeRiser(const HeldColumn& column, double height, const RiserReach& reach, const RiserTable& table,
                        double room) {
  RiserVerdict verdict;
  verdict.foldedAtNoLoad = !heldColumnStandsClear(column, height, std::numeric_limits<double>::min());
  TableRows rows = riserTableRows(column, height, table);
  // The loads of the slow drift's equilibria beyond the table, compared in 4 bytes as its heading
  // scan compares them.
  for (const double F : reach.equilibriumLoads) {
    const bool beyond = !rows.load.empty() && static_cast<float>(F) > rows.load.back();
    if (beyond && !heldColumnStandsClear(column, height, F)) verdict.lineLoad = std::max(verdict.lineLoad, F);
  }
  verdict.peak = stormPeakOn(column, height, reach, table, std::move(rows), room);
  verdict.keel = keelReach(column, height, reach, verdict.peak, room);
  return verdict;
}

double noLoadTopOffset(const HeldColumn& column, double height) {
  const std::size_t n = column.length.size();
  if (n == 0 || column.netWeight.size() != n || column.momentTerm.size() != n) return NAN;
  // Member k's cotangent exceeds member 1's by K_k / H (member 1's own K is 0). As H falls to nothing
  // each member stands upright while H times member 1's cotangent exceeds -K_k and hangs once it is
  // below; so, that product falling, the members swing down one after another in the order of their
  // -K, and the one swinging when the top comes down to the height leans, the others upright or
  // hanging.
  std::vector<double> swing = memberBalanceTerms(column);
  for (double& term : swing) term = -term;
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return swing[a] > swing[b]; });
  double reach = std::accumulate(column.length.begin(), column.length.end(), 0.0);  // all upright
  for (const std::size_t m : order) {
    const double L = column.length[m];
    if (height >= reach - 2.0 * L) {
      const double C = (height - (reach - L)) / L;
      return C >= -1.0 && C <= 1.0 ? L * std::sqrt(1.0 - C * C) : NAN;
    }
    reach -= 2.0 * L;
  }
  return NAN;
}

namespace {

// The run's reach at its mean state, kept for the refusals after it.
struct RiserReachState {
  std::optional<RiserReach> reach;
  void reset() { reach.reset(); }
};
constinit RiserReachState riserReachState{};
const BlockReset resetRiserReachState{[] { riserReachState.reset(); }};

}  // namespace

void keepRiserReach(const RiserReach& reach) { riserReachState.reach = reach; }

void forgetRiserReach() { riserReachState.reset(); }

const RiserReach* keptRiserReach() { return riserReachState.reach ? &*riserReachState.reach : nullptr; }

OffsetPass offsetPassOf(const Tpcm& dataSet) {
  const Tpcm& t = dataSet;
  return {.runs = offsetPassRuns(t.STAMOT, t.NELEM, t.FRESLM, t.LOFFST, t.LTABL),
          .increment = offsetIncrementUsed(t.OFFINC),
          .maximumLoad = t.TLOAD};
}

double riserTableRange(const HeldColumn& column, double height, const RiserTable& table, double maximumLoad) {
  if (!(maximumLoad > 0.0) || !std::isfinite(maximumLoad)) return 0.0;  // a table of no load
  const double last = tableLastLoad(column, height, static_cast<float>(maximumLoad));
  const double lastOffset = topOffset(column, height, last) + tableShift(table, last);
  const double noLoadShift = table.offset.empty() ? 0.0 : table.offset.front() - table.noLoadTop;
  return lastOffset - (noLoadTopOffset(column, height) + noLoadShift);
}

bool offsetPassShows(const HeldColumn& column, double height, const RiserTable& table, const OffsetPass& pass) {
  if (!pass.runs) return true;
  const auto range = static_cast<float>(riserTableRange(column, height, table, pass.maximumLoad));
  return offsetStatesHeld(range, pass.increment, kMaxTablePoints);
}

}  // namespace qv

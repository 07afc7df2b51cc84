#include "dataset/riser_judge.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <span>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/load_offset_table.h"
#include "numlib/storm_peak.h"

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

// What the run's table adds to the run's riser's top under H: its offset less that top, read between
// its rows, below its first row at the first row's, beyond its last at the last row's; nothing
// without rows.
double tableShift(const RiserTable& table, double H) {
  const std::size_t n = std::min({table.load.size(), table.offset.size(), table.top.size()});
  if (n == 0) return 0.0;
  for (std::size_t j = 0; j + 1 < n; ++j) {
    if (H <= table.load[j + 1]) {
      const double share = (H - table.load[j]) / (table.load[j + 1] - table.load[j]);
      const double below = table.offset[j] - table.top[j], above = table.offset[j + 1] - table.top[j + 1];
      return below + std::clamp(share, 0.0, 1.0) * (above - below);
    }
  }
  return table.offset[n - 1] - table.top[n - 1];
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

}  // namespace

RiserTable riserTable(const HeldColumn& column, double height, const RiserReach& reach) {
  RiserTable table;
  const std::size_t n = std::min(reach.tableLoads.size(), reach.tableOffsets.size());
  table.load.assign(reach.tableLoads.begin(), reach.tableLoads.begin() + static_cast<std::ptrdiff_t>(n));
  table.offset.assign(reach.tableOffsets.begin(), reach.tableOffsets.begin() + static_cast<std::ptrdiff_t>(n));
  for (const float H : table.load) table.top.push_back(topOffset(column, height, H));
  table.noLoadTop = noLoadTopOffset(column, height);
  return table;
}

StormPeak stormPeak(const HeldColumn& column, double height, const RiserReach& reach, const RiserTable& table,
                    double room) {
  StormPeak peak;
  const double FE = reach.meanLoad;
  peak.meanBend = largestBend(heldColumnAngles(column, height, FE));
  peak.meanInLine = !heldColumnStandsClear(column, height, FE);
  peak.clearLoad = peak.meanInLine ? 0.0 : heldColumnClearLoadAbove(column, height, FE);
  const std::size_t n = table.load.size();
  if (n < 2) {
    peak.inLine = peak.meanInLine;
    peak.clearOffset = std::numeric_limits<double>::infinity();
    return peak;
  }
  // The rows moved by what the change moves the top; then rows of the column's own statics from the
  // table's last load to the load that brings the members into line.
  std::vector<float> load = table.load, offset(n);
  for (std::size_t j = 0; j < n; ++j)
    offset[j] = static_cast<float>(table.offset[j] + (topOffset(column, height, table.load[j]) - table.top[j]));
  const double last = table.load.back();
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

OffsetPass offsetPassOf(const Tpcm& dataSet) {
  const Tpcm& t = dataSet;
  return {.runs = offsetPassRuns(t.STAMOT, t.NELEM, t.FRESLM, t.LOFFST, t.LTABL),
          .increment = offsetIncrementUsed(t.OFFINC),
          .maximumLoad = t.TLOAD};
}

double riserTableRange(const HeldColumn& column, double height, const RiserTable& table, double maximumLoad) {
  if (!(maximumLoad > 0.0) || !std::isfinite(maximumLoad)) return 0.0;  // a table of no load
  double last = maximumLoad;
  if (!rowLoadsPrint(column, height, last)) {
    const double clear = heldColumnClearLoad(column, height);
    if (clear > 0.0 && clear < last) last = std::floor(static_cast<float>(clear) * 100.0f) / 100.0f;
  }
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

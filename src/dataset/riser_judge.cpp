#include "dataset/riser_judge.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>

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

}  // namespace

RiserTable riserTable(const HeldColumn& column, double height, const RiserReach& reach) {
  RiserTable table;
  const std::size_t n = std::min(reach.tableLoads.size(), reach.tableOffsets.size());
  table.load.assign(reach.tableLoads.begin(), reach.tableLoads.begin() + static_cast<std::ptrdiff_t>(n));
  table.offset.assign(reach.tableOffsets.begin(), reach.tableOffsets.begin() + static_cast<std::ptrdiff_t>(n));
  for (const float H : table.load) table.top.push_back(topOffset(column, height, H));
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
  if (!std::isfinite(peak.clearLoad)) {
    peak.clearOffset = std::numeric_limits<double>::infinity();
  } else {
    double shift = table.offset.back() - table.top.back();
    for (std::size_t j = 0; j + 1 < n; ++j) {
      if (peak.clearLoad <= table.load[j + 1]) {
        const double share = (peak.clearLoad - table.load[j]) / (table.load[j + 1] - table.load[j]);
        const double below = table.offset[j] - table.top[j], above = table.offset[j + 1] - table.top[j + 1];
        shift = below + std::clamp(share, 0.0, 1.0) * (above - below);
        break;
      }
    }
    peak.clearOffset = topOffset(column, height, peak.clearLoad) + shift;
  }

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

}  // namespace qv

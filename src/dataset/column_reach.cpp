#include "dataset/column_reach.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <numeric>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "numlib/circle_constants.h"

namespace qv {

SalmMembers salmMembers() {
  const Tpcm& t = TPCM;
  const int n = std::clamp<int>(t.NELEM, 0, kMaxSalmElements);
  SalmMembers m;
  m.buoyancyForce = static_cast<double>(t.DWATR) / 1000.0;
  m.volumeForce = m.buoyancyForce;
  if (n == 0) return m;
  int first = n;
  for (int k = 1; k < n; ++k) {
    if (t.IFREE(k) != 0) {
      first = k;
      break;
    }
  }
  for (int k = 1; k < first; ++k) m.baseLength += t.SLEN(k);
  for (int k = first; k <= n; ++k) {
    if (k == first || t.IFREE(k) != 0) {
      m.firstElement.push_back(k);
      m.length.push_back(t.SLEN(k));
    } else {
      m.length.back() += t.SLEN(k);
    }
  }
  return m;
}

float attachmentHeight(const SalmMembers& members) {
  const Tpcm& t = TPCM;
  const float base = std::cos(t.ANCHOR) * members.baseLength;
  const float depth = t.IFREE(1) == 0 ? t.DEPTH - base : t.DEPTH;
  const float above = t.IARCO == kBuoyantRiser ? -t.DRAFT : t.YOKEHT;
  return depth + above;
}

float heldColumnSlack(const SalmMembers& members) {
  float total = 0.0f;
  for (const float length : members.length) total += length;
  return total - attachmentHeight(members);
}

bool columnReachesHeight(std::span<const float> lengths, float height) {
  const int n = static_cast<int>(lengths.size());
  if (n == 0) return true;
  if (n > 20) return true;  // beyond any column the statics take: not for this test to say
  const std::int32_t patterns = std::int32_t{1} << (n - 1);
  for (int closing = 0; closing < n; ++closing) {
    for (std::int32_t bits = 0; bits < patterns; ++bits) {
      // The bits of the pattern, lowest first, give the signs of the other members in order.
      std::int32_t left = bits;
      float reach = 0.0f;
      for (int i = 0; i < n; ++i) {
        if (i == closing) continue;
        const float sign = left % 2 != 0 ? 1.0f : -1.0f;
        left /= 2;
        reach += sign * lengths[static_cast<std::size_t>(i)];
      }
      const float C = (height - reach) / lengths[static_cast<std::size_t>(closing)];
      if (C >= -1.0f && C <= 1.0f) return true;
    }
  }
  return false;
}

HeldColumn heldColumn(const SalmMembers& members, const ElementChange& change) {
  const Tpcm& t = TPCM;
  HeldColumn column;
  if (members.firstElement.empty()) return column;
  const int first = members.firstElement.front();
  const int last = std::clamp<int>(t.NELEM, 0, kMaxSalmElements);
  if (t.IPIERC >= first && t.IPIERC <= last) return column;  // a member pierces the surface
  const bool wet = t.IPIERC > last;
  const double toForce = members.buoyancyForce;
  for (std::size_t i = 0; i < members.firstElement.size(); ++i) {
    const int top = i + 1 < members.firstElement.size() ? members.firstElement[i + 1] - 1 : last;
    double length = 0.0, weight = 0.0, buoyancy = 0.0, weightMoment = 0.0, buoyancyMoment = 0.0;
    for (int k = members.firstElement[i]; k <= top; ++k) {
      const double lever = length;  // the member's length below the element
      const bool changed = k == change.element;
      const double volumeForce = toForce * t.BUOY(k) + (changed ? members.volumeForce * change.volume : 0.0);
      weight += t.TMASS(k);
      buoyancy += volumeForce;
      weightMoment += t.TMASS(k) * (t.CGSALM(k) + lever);
      buoyancyMoment += volumeForce * (t.CBUOY(k) + lever);
      length += t.SLEN(k) + (changed ? change.length : 0.0);
    }
    column.length.push_back(length);
    column.netWeight.push_back(wet ? weight - buoyancy : weight);
    column.momentTerm.push_back((wet ? weightMoment - buoyancyMoment : weightMoment) / length);
  }
  return column;
}

namespace {

// The column's forces, what a load is measured against: its net weights and moment terms.
double columnForces(const HeldColumn& column) {
  double scale = 0.0;
  for (std::size_t k = 0; k < column.length.size(); ++k)
    scale += std::fabs(column.netWeight[k]) + std::fabs(column.momentTerm[k]);
  return scale > 0.0 && std::isfinite(scale) ? scale : 1.0;
}

}  // namespace

std::vector<double> memberBalanceTerms(const HeldColumn& column) {
  const std::size_t n = column.length.size();
  std::vector<double> terms(n, 0.0);
  double between = 0.0;
  for (std::size_t k = 1; k < n; ++k) {
    between += column.netWeight[k];
    terms[k] = between - column.momentTerm[k] + column.momentTerm[0];
  }
  return terms;
}

std::vector<double> heldColumnAngles(const HeldColumn& column, double height, double load) {
  const std::size_t n = column.length.size();
  const double total = std::accumulate(column.length.begin(), column.length.end(), 0.0);
  if (n == 0 || !(load > 0.0) || !(total > height) || !(-total < height)) return {};
  const double H = std::max(load, kLeastHeldLoad * columnForces(column));
  // Each member's cotangent less member 1's.
  std::vector<double> offset = memberBalanceTerms(column);
  for (double& term : offset) term /= H;
  const auto cotangents = [&](double phi1) {
    std::vector<double> c(n);
    for (std::size_t k = 0; k < n; ++k) c[k] = std::cos(phi1) / std::sin(phi1) + offset[k];
    return c;
  };
  const auto topHeight = [&](double phi1) {
    const std::vector<double> c = cotangents(phi1);
    double z = 0.0;
    for (std::size_t k = 0; k < n; ++k) z += column.length[k] * c[k] / std::sqrt(1.0 + c[k] * c[k]);
    return z;
  };
  // Member 1's angle between upright and hanging: the top's height falls from the whole length to
  // its negative as it grows.
  double lower = 0.0, upper = std::numbers::pi;
  for (int i = 0; i < 200 && upper - lower > 1e-15; ++i) {
    const double middle = 0.5 * (lower + upper);
    (topHeight(middle) > height ? lower : upper) = middle;
  }
  std::vector<double> angles;
  for (const double c : cotangents(0.5 * (lower + upper))) angles.push_back(std::atan2(1.0, c));
  return angles;
}

double largestBend(const std::vector<double>& angles) {
  double bend = 0.0;
  for (std::size_t k = 1; k < angles.size(); ++k) bend = std::max(bend, std::fabs(std::sin(angles[k] - angles[k - 1])));
  return bend;
}

double heldColumnOffset(const HeldColumn& column, double height, double H) {
  const std::vector<double> angles = heldColumnAngles(column, height, H);
  if (angles.empty()) return std::numeric_limits<double>::quiet_NaN();
  double offset = 0.0;
  for (std::size_t k = 0; k < angles.size(); ++k) offset += column.length[k] * std::sin(angles[k]);
  return offset;
}

bool heldColumnStandsClear(const HeldColumn& column, double height, double H) {
  return largestBend(heldColumnAngles(column, height, H)) >= kLeastMemberBend;
}

namespace {

// The load between `clear` and `inLine` (loads under which the members stand clear and in line) at
// which they come within kLeastMemberBend, bisected in the load's logarithm: the last clear load.
double clearEnd(const HeldColumn& column, double height, double clear, double inLine) {
  for (int i = 0; i < 100 && std::max(clear, inLine) / std::min(clear, inLine) > 1.0 + 1.0E-12; ++i) {
    const double middle = std::sqrt(clear * inLine);
    (heldColumnStandsClear(column, height, middle) ? clear : inLine) = middle;
  }
  return clear;
}

}  // namespace

HeldColumnClearLoads heldColumnClearLoads(const HeldColumn& column, double height) {
  const double least = kLeastHeldLoad * columnForces(column);
  // Twelve decades, sixteen loads to each: the range lies between the first and the last clear one.
  constexpr int kSamples = 12 * 16;
  const auto load = [&](int i) { return least * std::pow(10.0, 12.0 * i / kSamples); };
  int first = -1, last = -1;
  for (int i = 0; i <= kSamples; ++i) {
    if (!heldColumnStandsClear(column, height, load(i))) continue;
    if (first < 0) first = i;
    last = i;
  }
  if (first < 0) return {};
  HeldColumnClearLoads range;
  range.lower = first == 0 ? 0.0 : clearEnd(column, height, load(first), load(first - 1));
  range.upper = last == kSamples ? std::numeric_limits<double>::infinity()
                                 : clearEnd(column, height, load(last), load(last + 1));
  return range;
}

double heldColumnClearLoad(const HeldColumn& column, double height) {
  return heldColumnClearLoads(column, height).upper;
}

double heldColumnClearLoadAbove(const HeldColumn& column, double height, double H) {
  if (!heldColumnStandsClear(column, height, H)) return H;
  const double most = 1.0E9 * columnForces(column);
  for (double clear = H;;) {
    if (clear >= most) return std::numeric_limits<double>::infinity();
    const double next = std::min(4.0 * clear, most);
    if (!heldColumnStandsClear(column, height, next)) return clearEnd(column, height, clear, next);
    clear = next;
  }
}

double degreesOutOfLine(double bend) {
  return std::asin(std::clamp(bend, 0.0, 1.0)) * static_cast<double>(kDegreesPerRadian);
}

}  // namespace qv

#include "dataset/column_reach.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"

namespace qv {

SalmMembers salmMembers() {
  const Tpcm& t = TPCM;
  const int n = std::clamp<int>(t.NELEM, 0, kMaxSalmElements);
  SalmMembers m;
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

}  // namespace qv

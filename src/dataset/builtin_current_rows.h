// The built-in current coefficient series of the tanker models, as far as the checks of a data set
// need them: which sets the interpolation of a case blends, and which rows of those sets the program
// holds. Current code 6 (OCIMF 1977) blends its sets across depth over draft and the bow factor;
// codes 4 and 15 (NSMB 1991) across depth over the full-load draft, the draft-based load and the bow
// factor. The values are the low-frequency loads' (lowfreq/builtin_coefficient_sets.h); whether a
// case can be evaluated is known here, below both the loads and the checks, so that a run that would
// need a row that is not on hand stops before its first stage and the end-of-session checks say so.
// The extreme cylindrical bow (code 5) is one set, held whole.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dataset/force_model.h"  // the current model codes of the series
#include "dataset/run_checks.h"

namespace qv {

inline constexpr int kOcimfCurrentNodes = 6;  // depth over draft 1.05, 1.1, 1.2, 1.5, 3.0, 6.0
inline constexpr int kNsmbCurrentNodes = 5;   // 1.05 .. 3.0; then 4.4 and deep water (6.0)
inline constexpr float kCurrentDepthNode[kOcimfCurrentNodes] = {1.05f, 1.1f, 1.2f, 1.5f, 3.0f, 6.0f};
inline constexpr float kNsmbDeepNode = 4.4f;

enum class CurrentSetFamily {
  kOcimf77,         // by node 0..5 and bow (0 conventional, 1 cylindrical)
  kNsmb91,          // by node 0..4, load (0: 100 %, 1: 40 %) and bow (0 with bulb, 1 without)
  kNsmb91Deep100,   // node 4.4, load 100 %, by bow
  kNsmb91Deep40,    // node 4.4 and deep water, load 40 %, either bow
  kNsmbMeanCurve,   // the NSMB mean load-40 surge curve (code 15)
};

// One set of a blend.
struct CurrentSetRef {
  CurrentSetFamily family = CurrentSetFamily::kOcimf77;
  int node = 0;
  int load = 0;
  int bow = 0;
};

// The blend of code 4, 6 or 15 for `component` (1 surge, 2 sway, 3 yaw) at the draft-based load
// DFTPCT [%], the bow factor BOWCUR and depth over draft HOVERD, before the surge scaling by length
// over beam. leaf(set) is a set's value for the component; blend(x, x0, x1, y0, y1) the linear
// interpolation y0 + (x - x0) / (x1 - x0) (y1 - y0), y0 when x1 = x0, not clamped. One description
// serves the coefficients (values) and the check of the rows they touch.
template <class Leaf, class Blend>
auto blendBuiltinCurrentSets(int code, int component, float DFTPCT, float BOWCUR, float HOVERD, const Leaf& leaf,
                             const Blend& blend) {
  using Value = decltype(leaf(CurrentSetRef{}));
  using F = CurrentSetFamily;
  const auto bows = [&](F family, int node, int load) -> Value {
    return blend(BOWCUR, 0.0f, 1.0f, leaf(CurrentSetRef{family, node, load, 0}), leaf(CurrentSetRef{family, node, load, 1}));
  };
  // Piecewise linear between the node values, the end values held beyond the ends.
  const auto acrossDepth = [&](float h, const float* nodes, int count, const auto& value) -> Value {
    if (h <= nodes[0]) return value(0);
    for (int n = 1; n < count; ++n) {
      if (h <= nodes[n]) return blend(h, nodes[n - 1], nodes[n], value(n - 1), value(n));
    }
    return value(count - 1);
  };
  if (code == kCurrentOcimfTanker) {
    return acrossDepth(HOVERD, kCurrentDepthNode, kOcimfCurrentNodes, [&](int n) { return bows(F::kOcimf77, n, 0); });
  }
  // NSMB 1991: the depth ratio counts the full-load draft; the surge component ends at h = 4.4,
  // sway and yaw blend on into the OCIMF deep-water sets up to h = 6.0.
  const float h = DFTPCT * 0.01f * HOVERD;
  const float nodes[] = {1.05f, 1.1f, 1.2f, 1.5f, 3.0f, kNsmbDeepNode, 6.0f};
  const auto loadBlend = [&](int n) -> Value {
    Value y100{};
    Value y40{};
    if (n < kNsmbCurrentNodes) {
      y100 = bows(F::kNsmb91, n, 0);
      y40 = code == kCurrentNsmbMeanCurve && component == 1 ? leaf(CurrentSetRef{F::kNsmbMeanCurve})
                                                             : bows(F::kNsmb91, n, 1);
    } else if (n == kNsmbCurrentNodes) {
      y100 = bows(F::kNsmb91Deep100, 0, 0);
      y40 = leaf(CurrentSetRef{F::kNsmb91Deep40});
    } else {
      y100 = bows(F::kOcimf77, kOcimfCurrentNodes - 1, 0);
      y40 = leaf(CurrentSetRef{F::kNsmb91Deep40});
    }
    return blend(DFTPCT, 40.0f, 100.0f, y40, y100);
  };
  return acrossDepth(h, nodes, component == 1 ? 6 : 7, loadBlend);
}

// Whether the program holds the row of `component` of a set: the OCIMF 1977 sets of h = 6.0 (both
// bows, also the NSMB deep-water load-100 sets), the OCIMF 1977 h = 1.05 sway rows (also NSMB load
// 100 at h = 1.05) and its conventional-bow surge row, the NSMB deep-water load-40 sway row and the
// NSMB mean surge curve.
bool builtinCurrentRowKnown(const CurrentSetRef& set, int component);

// The first set, in the order of the blend, that the case weighs (with a weight other than 0) and
// whose row of the component is not on hand; nothing when every row it touches is known, or when
// the code is not a blended series.
std::optional<CurrentSetRef> missingCurrentSet(int code, int component, float DFTPCT, float BOWCUR, float HOVERD);

// The lines after a message's first, naming the case and, for each component whose set is missing,
// that set: "     for depth/draft 2.50 and bow factor 0.00, which would need:", "     - surge: OCIMF
// 1977, depth/draft 3.0, Conventional bow" ... `missing` holds one set per component (1..3) or none.
std::vector<std::string> missingCurrentSetLines(int code, float DFTPCT, float BOWCUR, float HOVERD,
                                                const std::optional<CurrentSetRef> (&missing)[3]);

// Adds to `findings` a fatal one for each built-in current model of TPCM LCBARG that the run would
// evaluate at a case touching a row that is not on hand, when the run evaluates the current
// coefficients at all (runEvaluatesCurrentCoefficients).
void addBuiltinCurrentFindings(std::vector<RunFinding>& findings);

}  // namespace qv

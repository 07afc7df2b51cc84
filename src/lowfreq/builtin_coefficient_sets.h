// The built-in Fourier-series tables of the wind and current force coefficients of tankers, held as
// constant data. A row of 11 reals is evaluated at the heading last given to TRIGLD: a surge row A
// as A(1) + sum A(k+1) cos(k a), a sway or yaw row B as sum B(k) sin(k a) (its 11th entry unused).
// A set is three rows, CX, CY and CMZ, so that component c uses row c.
#pragma once

#include <array>

#include "dataset/builtin_current_rows.h"

namespace qv {

using CoefRow = std::array<float, 11>;
using CoefSet = std::array<CoefRow, 3>;  // rows CX, CY, CMZ

inline constexpr int kLoadNodes = 2;  // load nodes of the tanker sets
inline constexpr int kBowNodes = 2;   // bow nodes: 0 and 1 of the bow interpolation factor

// Wind (model code 4): the small-tanker family, without bow dependence, and the OCIMF 1977 family,
// by freeboard-based load (nodes 32 and 100 percent) and bow shape (0 conventional, 1 cylindrical).
struct BuiltinWindSets {
  std::array<CoefSet, kLoadNodes> smallTanker;                           // by load 32, 100
  std::array<std::array<CoefSet, kBowNodes>, kLoadNodes> ocimf77;        // by load 32, 100, then bow
};
extern const BuiltinWindSets kBuiltinWindSets;

// Current (model codes 4, 5, 6, 15): 36 sets and one surge row, 1,199 reals. The depth nodes and the
// blend of a case are dataset/builtin_current_rows.h's, with the knowledge of which rows are held.
struct BuiltinCurrentSets {
  // OCIMF 1977 (code 6) by depth node, then bow (0 conventional, 1 cylindrical).
  std::array<std::array<CoefSet, kBowNodes>, kOcimfCurrentNodes> ocimf77;
  // NSMB 1991 (codes 4 and 15) by depth node 1.05 to 3.0, then load (0: 100 percent, 1: 40
  // percent), then bow (0 conventional with bulb, 1 conventional without bulb).
  std::array<std::array<std::array<CoefSet, kBowNodes>, kLoadNodes>, kNsmbCurrentNodes> nsmb91;
  std::array<CoefSet, kBowNodes> nsmb91Deep100;  // h = 4.4, load 100, by bow
  CoefSet nsmb91Deep40;                          // h = 4.4 and deep water, load 40, either bow
  CoefRow nsmbMeanCx;                            // NSMB mean load-40 surge curve (code 15)
  CoefSet extremeBow91;                          // extreme cylindrical bow 1991 (code 5)
};
static_assert(sizeof(BuiltinCurrentSets) == 4 * 1199, "the built-in current sets are 1,199 reals");

// The current sets as far as they are known: the whole extreme-cylindrical-bow set, the OCIMF 1977
// sets of the deep-water node (which are also the NSMB 1991 deep-water load-100 sets), and the rows
// that identify the other families; the rest is 0. A case is evaluated only when every row its blend
// weighs is held (builtinCurrentRowKnown); otherwise the run stops before its first stage.
extern const BuiltinCurrentSets kBuiltinCurrentSets;

}  // namespace qv

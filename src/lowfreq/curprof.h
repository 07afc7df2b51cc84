// CURPROF: the current profile of the run, built once by CURPROF_INIT from the data set (or from the
// file "CRNTPROF.txt") and read by the draft-averaged current and the column-stabilised hull drag.
// Depths count down from the still-water surface and increase from point to point.
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

inline constexpr int kMaxProfilePoints = 101;  // points a current profile may hold

struct Curprof {
  std::int32_t NCURNTPF;                        // number of profile points in use
  Arr<float, kMaxProfilePoints> VELIPF;         // current speed at each point [kn]
  Arr<float, kMaxProfilePoints> DPTHIPF;        // depth of each point below the surface [ft | m]
  Arr<float, kMaxProfilePoints> CURHDGPF;       // current heading at each point [deg]

  // Back to the zeroed state of the start of a run.
  void reset();
};

inline constexpr int kCurprofWords = 304;
static_assert(sizeof(Curprof) == 4 * kCurprofWords, "CURPROF must be 304 words");

extern Curprof CURPROF;

}  // namespace qv

#include "statics/column_stance.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "statics/column.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "util/advised_amount.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"

namespace qv {

namespace {

// A cotangent of the zero-load configuration this large stands for a member straight up (or, negative,
// straight down); the closing member's is smaller unless it stands exactly upright.
constexpr float kStraight = 1.0E16f;

bool straightAtRest(std::int32_t I, std::int32_t closing) {
  return I != closing && !(std::fabs(SOLVE.COTANP(1, I)) < kStraight);
}

// +1 for a member standing up at zero load, -1 for one hanging down.
float sideAtRest(std::int32_t I) { return SOLVE.COTANP(1, I) > 0.0f ? 1.0f : -1.0f; }

// The height of member I's lower joint above the lowest free joint at zero load.
float lowerJointAtRest(std::int32_t I) {
  float z = 0.0f;
  for (std::int32_t j = 1; j < I; ++j)
    z += SOLVE.CNLEN(j) * static_cast<float>(std::cos(std::atan2(1.0, static_cast<double>(SOLVE.COTANP(1, j)))));
  return z;
}

bool piercing(std::int32_t I) { return I == SOLVE.IPERCN; }

// What member I's moment balance and the pull passed along the column take of it at its zero-load
// attitude, with the surface `deff` above the lowest free joint: its moment term M = (W g - B b) / L
// and its net weight W - B, as it lies; the piercing member's with the buoyancy of its draft and
// attitude there, which COTANB gives (its wet volume, and the righting of its tilted waterplane). Leaves
// the piercing member's draft outputs (WETVOL) for that surface.
struct RestingTerms {
  float M = 0.0f;
  float N = 0.0f;
};
RestingTerms restingTerms(std::int32_t I, float deff) {
  Solve& s = SOLVE;
  if (!piercing(I)) return {s.WETARM(I), s.WETWT(I)};
  const float keptDeff = s.DEFF;
  const std::int32_t keptTable = s.ITABLE;
  s.DEFF = deff;
  s.ITABLE = 1;  // COTANB's residual, which divides by the load, is not wanted here
  s.HIGHPT = lowerJointAtRest(I);
  (void)COTANB(s.COTANP(1, I));
  s.DEFF = keptDeff;
  s.ITABLE = keptTable;
  return {s.WEPERC - s.BOYMOM, s.CNMASS(I) - s.WETVOL};
}

// The pull at the top of member I at zero load with the surface `deff` above the lowest free joint:
// the closing member leans in balance under its own moment term, T = M, and the members pass the pull
// along less (downward more) their net weights.
float restingTopPull(std::int32_t I, std::int32_t closing, float deff) {
  float T = restingTerms(closing, deff).M;
  for (std::int32_t j = closing + 1; j <= I; ++j) T += restingTerms(j, deff).N;
  for (std::int32_t j = closing; j > I; --j) T -= restingTerms(j, deff).N;
  return T;
}

// How much member I is righted at zero load with the surface `deff` above the lowest free joint:
// T - M with the sign of its side, positive when it stands (or hangs).
float righting(std::int32_t I, std::int32_t closing, float deff) {
  return sideAtRest(I) * (restingTopPull(I, closing, deff) - restingTerms(I, deff).M);
}

// The least righting of the members standing straight up or down.
float leastRighting(std::int32_t closing, float deff) {
  float least = std::numeric_limits<float>::infinity();
  for (std::int32_t I = 1; I <= SOLVE.NCON; ++I)
    if (straightAtRest(I, closing)) least = std::fmin(least, righting(I, closing, deff));
  return least;
}

// The surface above the lowest free joint from which every member stands, when a deeper surface (up
// to the piercing member's top, standing straight up) makes them all stand; 0 when none does.
float standingSurface(std::int32_t closing) {
  const Solve& s = SOLVE;
  const std::int32_t P = s.IPERCN;
  if (P < 1 || P > s.NCON || !straightAtRest(P, closing) || sideAtRest(P) < 0.0f) return 0.0f;
  float lo = s.DEFF;
  float hi = lowerJointAtRest(P) + s.CNLEN(P);  // the piercing member's top at the surface
  if (!(hi > lo) || !(leastRighting(closing, hi) > 0.0f)) return 0.0f;
  for (int step = 0; step < 60 && hi - lo > 1.0E-6f * hi; ++step) {
    const float mid = 0.5f * (lo + hi);
    (leastRighting(closing, mid) > 0.0f ? hi : lo) = mid;
  }
  return hi;
}

// The least water depth, as the message names it, from which every member stands as placed: the
// surface found by standingSurface, rounded up to the print unit and on until the run's own test
// passes at the depth the editor stores when the figure is typed; nothing where no deeper surface
// makes them stand.
std::optional<double> leastStandingDepth(std::int32_t closing) {
  const float surface = standingSurface(closing);
  if (!(surface > 0.0f)) return std::nullopt;
  const auto stands = [closing](double shown) {
    return leastRighting(closing, surfaceAboveLowestJoint(typedValue(shown))) > 0.0f;
  };
  return advisedLeast(static_cast<double>(TPCM.DEPTH) + surface - SOLVE.DEFF, stands);
}

// "member 2 (element 3) stands straight up with 4.00 meters of it under water, pushed down at its top
// by 100.00 metric tons; it weighs 500.00 metric tons, its buoyancy there is 260.79 metric tons"
std::vector<std::string> memberLines(std::int32_t I, std::int32_t closing) {
  const Solve& s = SOLVE;
  std::string stance = "member " + std::to_string(I) + " (" + memberElements(I) + ") " +
                       (sideAtRest(I) > 0.0f ? "stands straight up" : "hangs straight down");
  const float buoyancy = s.CNMASS(I) - restingTerms(I, s.DEFF).N;
  // How much of it is under water goes on a line of its own where the stance's line has no room.
  stance += piercing(I) ? " " + keptTogether("with " + lengthText(s.DEFF - lowerJointAtRest(I)) + " of it under water,")
                        : ",";
  const float T = restingTopPull(I, closing, s.DEFF);
  const std::string top = T < 0.0f ? "pushed down at its top by " + forceText(-T) : "held up at its top by " + forceText(T);
  std::vector<std::string> lines = flowingLines("     ", stance);
  addFlowingLines(lines, "     ", top + "; it weighs " + forceText(s.CNMASS(I)) + ",");
  addFlowingLines(lines, "     ", "its buoyancy there is " + forceText(buoyancy) + ";");
  return lines;
}

}  // namespace


void checkColumnStands(std::int32_t closing) {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  if (riserFloats(t.IARCO)) return;  // its top is not held: no member leans in balance to close it
  std::vector<std::string> lines{"", " ++> SALM statics: the column cannot stand as the statics place it at zero load:"};
  for (std::int32_t I = 1; I <= s.NCON; ++I) {
    // A member whose righting is no number (no length) is left to the table search, which names it.
    if (!straightAtRest(I, closing) || !(righting(I, closing, s.DEFF) <= 0.0f)) continue;
    const std::vector<std::string> member = memberLines(I, closing);
    lines.insert(lines.end(), member.begin(), member.end());
  }
  if (lines.size() == 2) return;
  lines.back().back() = '.';
  addFlowingLines(lines, "     ",
                  "A member standing straight up (or hanging straight down) whose weight and the load on its top "
                  "turn it over more than its buoyancy and that load right it falls over under the least horizontal "
                  "load: no load-offset table starts from this shape.");
  if (const std::optional<double> depth = leastStandingDepth(closing)) {
    addFlowingLines(lines, "     ",
                    "As placed, the column stands from a water depth of " + lengthText(static_cast<float>(*depth)) +
                        " on (now " + lengthBeside(t.DEPTH, *depth) +
                        ", page 1, item 4); or change the element lengths, volumes or weights (page 3, items 2, 3 "
                        "and 5).");
  } else {
    addFlowingLines(lines, "     ",
                    "Change the element lengths, volumes or weights (page 3, items 2, 3 and 5) or the water depth "
                    "(page 1, item 4).");
  }
  lines.emplace_back("");
  fatalStop("STSALM", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

}  // namespace qv

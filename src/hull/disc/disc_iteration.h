// The pass control of the disc characteristics' fixed-point iteration, apart from what a pass
// computes, so that its rules can be exercised on their own: when a moored pass has settled, the
// averaging of passes that swing, the attempts of 200 passes with the question after the second,
// and the bound on the grid checks.
#pragma once

#include <array>
#include <functional>

namespace qv::disc {

// The twelve values whose changes decide that a moored pass has settled, with their values of the
// pass before: six frequencies [rad/s] (tolerance 1 %), then six mooring damping terms (5 %). DSKCHR
// tracks WH, WP, WR, WY, WSG, WSW and HVMDMP, PTMDMP, RLMDMP, SGMDMP, SWMDMP, YWMDMP.
struct Settling {
  std::array<float*, 12> value;
  std::array<float, 12> previous{};  // 0 before the first pass

  explicit Settling(const std::array<float*, 12>& tracked) : value(tracked) {}
  // Every relative change |1 - previous / value| within its tolerance; a value that stays 0 (0 / 0)
  // counts as unchanged.
  bool settled() const;
  // The current values become the previous ones.
  void keep();
};

// Each value and its predecessor replaced by their mean: the damping of an iteration that swings.
void AVGUPD(Settling& settling);

enum class IterationEnd {
  kSettled,          // settled (moored) and no grid point moved
  kAccepted,         // the user accepted the current values after a failed attempt (reply 99)
  kGridPointsLeft,   // a grid point still moved at the 50th grid check; a warning says so
};

// Runs `pass` until it has settled. A moored pass that has not settled is followed by another: its
// values become the previous ones (from the 21st pass of an attempt on, values and previous ones are
// averaged, AVGUPD); an attempt ends when its pass count goes above 200, and after the second
// attempt each further one ends with the question " ++> Possible iteration failure in DSKCHR period/damping loop." on
// TPCM EDUNIT (ABORT3: "A" stops, 99 accepts, a blank reply runs another attempt, anything else
// stops; unit 41 stops at once). A settled pass, and every pass without mooring, ends with the grid
// check `gridPointsMoved`: no move ends the iteration, a move asks for another pass (counters kept),
// and a move at the 50th check leaves the grid points with a warning.
IterationEnd iterateToFixedPoint(bool moored, Settling& settling, const std::function<void()>& pass,
                                 const std::function<bool()>& gridPointsMoved);

}  // namespace qv::disc

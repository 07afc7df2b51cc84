// The values of the data set that the analysis stages read, each with the page and item that edit
// it: every float word that a stage of this data set reads must be a finite number, and the
// quantities a stage divides by, takes a root or a logarithm of, or turns into a count (the
// displacement, draft, metacentric heights, lengths and beam, densities, periods, the offset step,
// counts such as NA, NUNTS, ISPM, NACC) must lie in their physical or tabled range. Beyond that every
// value is bounded by what it is: a length by the site and the member it belongs to, a height by
// the water depth, a heading by one turn either way, a coefficient by the range in which the load
// models hold (or, where none is known, by what the reports' fields print), a code by its set and
// by the parameters its branch needs (the spectrum types and their shapes). A value outside is a
// fatal finding of runFindings(), named with its page and item, its value and what is allowed.
//
// One rule per value: each value has one row here, which names the stages that read it (each with
// the condition of the data set under which it does) and every check of it. It is checked wherever
// one of those stages runs, the union of its readers. Its need, its bound, its being no subnormal
// float and the checks of other findings about it (the hull ends' fit, a submerged system's
// attachment, run_checks) compose into one range, the one a refusal of it names whichever check
// refuses first (admittedRange), so that each closed end named, typed as printed, passes them all.
// An end stated as open ("above 0", "to below 19.75") is not one to type.
//
// Every range check compares a value with its bound in one of two ways, each with one home here: the
// findings here and in run_checks, the editor's pages where they judge the same range (the bow
// interpolation factors of page 8), and the stages that test a bound again on their own (the
// spreading normalisation of the vessel response, the Ochi-Hubble spectrum), so that all give one
// verdict.
//
// A bound of what a value is (the water's depth, a turn, the range in which a formula holds) takes
// a value within a float's rounding of it as that bound: aboveBound, belowBound, withinBounds. A value
// beyond the bound is the bound when it lies within kBoundUlps units in the last place of a 4-byte
// float of it (what an estimator or a unit conversion of this program writes where it means the
// bound), or when it reads as the bound where a message shows both (messageValue: two decimals, or
// five significant digits in E form), so that no refusal shows a value that reads as inside the range
// it names. Any other value beyond is beyond: where kBoundUlps units reach less than half a hundredth
// (below about 10,000) the first value refused reads one print unit beyond; where they reach
// further the first value refused lies kBoundUlps + 1 units beyond, and the end a refusal names is
// the last value taken, rounded inward (1000000.25 for a bound of 1,000,000), so that the end typed as
// printed passes and every figure beyond it fails. A bound of 0 is exact: the floats beside it are
// subnormal, which no quantity of a data set is, and a value below 0 however small reads below it
// ("-0.00", "-4.2039E-45"); the checks of sign (above 0, 0 or more) compare exactly alike. A value
// that is no number lies beyond every bound; a bound that is no number holds no finite value. Every
// stage that reads such a value where it tests the bound again takes it as the checks take it
// (takenAsBound).
//
// A bound that exists because a report's field must print the value is the largest figure, in
// hundredths, whose every printed consequence fits, with a margin wider than the rounding of the
// stages that print what follows from it (99,990 for a load the statics report prints in F8.2, whose
// table's last load lands a little above the largest load): abovePrintedBound compares exactly, a
// value beyond when its two decimals in a fixed field read beyond the figure, and the refusal names
// the figure in that fixed form (never the E form).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "dataset/run_checks.h"

namespace qv {

inline constexpr int kBoundUlps = 4;
bool aboveBound(float x, float high);
bool belowBound(float x, float low);
// Neither below `low` nor above `high`.
bool withinBounds(float x, float low, float high);
// `x` as the checks take it, and every stage with them: `low` or `high` where the checks take it as
// that end of the range, itself otherwise.
float takenAsBound(float x, float low, float high);

// Beyond the figure `printed` (on the hundredth) of a bound that a report's field sets; a value that
// is no number lies beyond it.
bool abovePrintedBound(float x, double printed);

// The largest wave spreading index (page 15, item 21): the spreading's normalisation takes the gamma
// function of index / 2 + 1, which holds up to 34.5.
inline constexpr float kLargestSpreadingIndex = 67.0f;
// The largest shape parameter lambda of an Ochi-Hubble component (page 15, item 8), whose gamma
// function the spectrum takes: it holds up to 34.5.
inline constexpr float kLargestOchiLambda = 34.5f;
// The wave spreading index COSEXP, and the shape parameter OCHI_LAMBDA(j), as every stage takes
// them: an index (a lambda) that the checks take as its largest is that largest, whose gamma
// functions hold (67.0000076 is 67).
float runSpreadingIndex();
float runOchiLambda(int j);

// The grid position of a default swell's peak period (page 15, item 7; page 16, items 7 and 27) on
// the regular wave periods T(1), T(2), ... (page 14, item 2): (period - T(1)) / (T(2) - T(1)) + 1.5,
// whose whole part is the index of the nearest grid period, the longer one at a tie. The check of
// the peak and the spectrum that centres its Gaussian there take it from here, in one arithmetic.
float swellGridPosition(float period);

// Adds one fatal finding for each value outside its range, in the order of the pages.
void valueRangeFindings(std::vector<RunFinding>& findings);

// What every check of the float `word` of TPCM admits (its need, its bound, and the checks of other
// findings about it), as a refusal of it names the range: "a value from 0.00 to 23.62 (half the beam,
// page 5, item 9)"; nothing for a word the registry does not bound. For the findings of other checks
// of a registry value (the hull ends, run_checks).
std::string admittedRange(const float& word);

// Whether a stage that runs for the data set in TPCM reads the float `word` of TPCM: its row's gate,
// the union of its readers; false for a word the registry does not hold. For the warnings of other
// checks about a registry value (the yoke angle, run_checks), which speak only where a stage reads it.
bool valueRead(const float& word);

// One value of the registry (an element of a float row, a count or a code) for the data set in TPCM
// as it stands, for the table tests that hold every row to its rule.
struct RegisteredValue {
  std::string label;     // as a refusal names it: "Element length", "Regular wave period 3"
  std::string where;     // as a refusal names it: "page 3, element 2, item 2"
  std::size_t offset;    // of its 4-byte word in TPCM [bytes]
  bool integer;          // a count or a code; a float otherwise
  float perShown;        // the stored value per unit its page shows and takes (the speed in knots), else 1
  bool read;             // a stage that runs for the data set reads it: its row's gate
  // What its checks admit, as a refusal names it, where one of them refuses the value TPCM holds,
  // asked whatever the gate; nothing where none does.
  std::function<std::string()> need;
};
std::vector<RegisteredValue> registeredValues();

}  // namespace qv

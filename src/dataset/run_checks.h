// The checks of a data set that an analysis run would otherwise meet in the middle of a stage: values
// that no stage can work with, and combinations the stages do not model. One list serves both ends:
// the end-of-session checks report every finding (a fatal one as a fatal warning), and the analysis
// runner writes the warnings and stops on the first fatal finding before any stage opens a report,
// so the editor never starts a run that fails on them and the two never disagree.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace qv {

// The page and item that edit a value of the data set; page 0 for a value that no page shows.
struct ValuePlace {
  int page = 0;
  int item = 0;
  friend bool operator==(const ValuePlace&, const ValuePlace&) = default;
};

struct RunFinding {
  RunFinding() = default;
  RunFinding(bool isFatal, std::vector<std::string> message) : fatal(isFatal), lines(std::move(message)) {}

  bool fatal = false;
  std::vector<std::string> lines;  // the message; its first line begins " ++> "
  // A finding about one value: where it is edited, and the value as the finding names it ("Site
  // water depth (page 1, item 4) is 0.00"), so that the final page can show it under a check of
  // its own about the same value instead of twice.
  ValuePlace place{};
  std::string value;
};

// Every finding for the data set in TPCM (and LOWCOF), in a fixed order. Reads the blocks, and
// looks for the user's wave-drift file in the working folder, where the run reads it.
std::vector<RunFinding> runFindings();

// Whether the run evaluates the vessel's force coefficients of a load. Only the slow drift of an
// attached SALM with the vessel analysed (vesselAnalysed) does: the wind's with the wind on; the
// current's with a current, and for the drift drag of a ship hull (LEGDRG 0) in any sea; the wave
// drift's in any sea (irregular waves or a swell).
bool runEvaluatesWindCoefficients();
bool runEvaluatesCurrentCoefficients();
bool runEvaluatesDriftCoefficients();

// Adds to `findings` a fatal one for each load whose force model the run evaluates and whose user
// coefficients hold nothing, where the run would stop in its slow drift, after the vessel's and
// the statics' reports: the wind or current table of "LOWDAT" (model 1 in a direction) with no row
// typed (a count below 1, or every angle and every coefficient the model reads 0, as a new data
// set's table and one opened on page 8 and left hold), or the user's wave-drift file (model 1,
// "DRFTCOFS.txt") not in the working folder. Each names the load, its directions and where on
// page 8 to mend it.
void addEmptyUserCoefficientFindings(std::vector<RunFinding>& findings);

// An attached SALM whose yoke-vessel angle YOKVES is not the in-line pi (kInLineYokeAngle, within
// kYokeAngleTolerance, any whole number of turns aside): the statics model only the yoke in line
// with the SALM, the later stages would place it elsewhere (0, which data sets of older editors
// hold, folds it back over the buoy). A warning.
inline constexpr double kYokeAngleTolerance = 0.001;  // [rad]
std::optional<RunFinding> yokeAngleFinding();

// More elements marked for moment and load output than the moment tables and "MOMDAT" hold
// (kMaxMomentElements): the LMOMT flags counted from the first free joint upward
// (momentElementCount), or NMOMT as it stands when that is larger. Fatal. The stages rely on it:
// none of them checks the count again.
std::optional<RunFinding> momentElementFinding();

// A buoyant riser (IARCO 2) whose piercing element IPIERC lies in the column's free members: the
// statics hold a riser's top at the vessel's keel, under water, so nothing of it can pierce the
// surface, and the column they would solve is not the one described. Fatal. The statics refuse it
// with the same words.
std::optional<RunFinding> piercingRiserFinding();

}  // namespace qv

// The checks of a data set that an analysis run would otherwise meet in the middle of a stage: values
// that no stage can work with, and combinations the stages do not model. One list serves both ends:
// the end-of-session checks report every finding (a fatal one as a fatal warning), and the analysis
// runner writes the warnings and stops on the first fatal finding before any stage opens a report,
// so the editor never starts a run that fails on them and the two never disagree.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv {

struct RunFinding {
  bool fatal = false;
  std::vector<std::string> lines;  // the message; its first line begins " ++> "
};

// Every finding for the data set in TPCM (and LOWCOF), in a fixed order. Reads the blocks only.
std::vector<RunFinding> runFindings();

// An attached SALM whose yoke-vessel angle YOKVES is not the in-line pi (kInLineYokeAngle, within
// kYokeAngleTolerance, any whole number of turns aside): the statics model only the yoke in line
// with the SALM, the later stages would place it elsewhere (0, which data sets of older editors
// hold, folds it back over the buoy). A warning.
inline constexpr double kYokeAngleTolerance = 0.001;  // [rad]
std::optional<RunFinding> yokeAngleFinding();

// A buoyant riser (IARCO 2) whose piercing element IPIERC lies in the column's free members: the
// statics hold a riser's top at the vessel's keel, under water, so nothing of it can pierce the
// surface, and the column they would solve is not the one described. Fatal. The statics refuse it
// with the same words.
std::optional<RunFinding> piercingRiserFinding();

}  // namespace qv

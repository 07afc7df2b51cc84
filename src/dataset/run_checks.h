// The checks of a data set that an analysis run would otherwise meet in the middle of a stage: values
// that no stage can work with, and combinations the stages do not model. One list serves both ends:
// the end-of-session checks report every finding (a fatal one as a fatal warning), and the analysis
// runner writes the warnings and stops on the first fatal finding before any stage opens a report,
// so the editor never starts a run that fails on them and the two never disagree.
#pragma once

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

}  // namespace qv

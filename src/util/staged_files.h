// The files of a run held in memory until the run ends, so that the folder receives all of them at
// once or none: while staging is on, RHOPEN makes a fresh file as a buffer of this table, and opens
// a file that the run has made from its buffer (a later stage reads what an earlier one wrote, as
// "YOKEMOT" and "MOMDAT"). Files the run only reads (the data set, the user's tables) are read from
// the folder as always. Whoever turned staging on takes the buffers at the end and writes them
// together (util/safe_save.h), or drops them.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct StagedFile {
  std::string name;   // as the folder will hold it
  std::string bytes;  // its whole contents
};

// From now on fresh files are held in memory; any held before are dropped.
void beginStaging();
bool stagingFiles();
// Drops every file held and turns staging off. A unit still connected to one of them keeps its own
// copy until it is closed, and is no longer listed.
void endStaging();

// A file of the run, `name` without trailing blanks: a fresh one holding `initial` (a file that the
// run continues), positioned at its end. A file of that name held before is replaced.
std::unique_ptr<std::iostream> stageFile(const std::string& name, std::string initial = {});
// The file of that name that the run made, positioned at its start; nullptr when it made none.
std::unique_ptr<std::iostream> reopenStaged(const std::string& name);
// The bytes of one file the run made now; empty when it made none of that name.
std::string stagedBytes(const std::string& name);
// Every file the run made, in the order each was first made, with its bytes now.
std::vector<StagedFile> stagedFiles();

}  // namespace qv

#include "run/run_folder.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <vector>

#include "dataset/program_identity.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/safe_save.h"
#include "util/staged_files.h"

namespace qv {

void requireDataFile() {
  const std::string name(kEditor.dataFile);
  struct stat st = {};
  if (::stat(name.c_str(), &st) == 0 || errno != ENOENT) return;  // the load reports any other failure
  const std::string howToCreate[] = {
      "     There is no data set in this folder. To create one, start quorvel here and",
      "     choose (C) Create new, or copy a data set \"SALMDAT\" here; then run again."};
  ACERR(kRunnerName, kEditor.dataFile, kScreenUnit, howToCreate);
}

RunFolder::RunFolder(bool messagesFile) : hold_("", FolderHold::kRun) {
  // A stop here releases the hold as the object ends.
  if (hold_.refused())
    fatalStop(kRunnerName, kScreenUnit,
              {"", " ++> Another analysis is running in this folder; this run stops and changes no",
               "     file. Wait for that run to end, then start this one again."});
  if (messagesFile) {
    const std::string reason = freshFileRefused(kDiagnosticsFile);
    if (!reason.empty()) {
      std::vector<std::string> explanation = flowingLines("     ", "Reason: " + reason);
      explanation.push_back("     Nothing in this folder was changed.");
      ACERR(kRunnerName, kDiagnosticsFile, kScreenUnit, explanation);
    }
  }
  beginStaging();
}

RunFolder::~RunFolder() { endStaging(); }

void RunFolder::keepAll() {
  SafeSave save;
  for (const StagedFile& file : stagedFiles()) save.add(file.name, textBytes(file.bytes));
  if (save.commit()) {
    endStaging();
    return;
  }
  const SaveFailure& failure = save.failure();
  std::vector<std::string> explanation = flowingLines("     ", "Reason: " + failure.reason);
  addFlowingLines(explanation, "     ",
                  failure.changed ? "Not every earlier file could be put back; each file holds one whole run's."
                                  : "The files of the earlier run are as they were; none of this run's was kept.");
  ACERR(kRunnerName, failure.file, kScreenUnit, explanation);
}

std::vector<std::string> RunFolder::keepMessagesOnly() {
  const std::string name(kDiagnosticsFile);
  bool held = false;
  std::string messages;
  for (const StagedFile& file : stagedFiles()) {
    if (file.name != name) continue;
    held = true;
    messages = file.bytes;
  }
  endStaging();
  if (!held) return {};
  SafeSave save;
  save.add(name, textBytes(messages));
  if (save.commit()) return {};
  return flowingLines("     ", "\"" + name + "\" could not be written either (" + save.failure().reason +
                                 "); it is as the earlier run left it.");
}

}  // namespace qv

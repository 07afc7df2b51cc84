// Builds the example data sets of examples/ the way a user makes them: it types each example's
// session (example_sessions.h) into the editor `quorvel` found beside this program, in a fresh
// folder, and executes it with choice 4 of the last page: the final page's checks must pass, the
// editor saves the data set with what the checks settle, and the analysis must run to its end. It
// keeps the "SALMDAT" the editor wrote.
//
//   quorvel-examples <folder>   writes <folder>/tanker-yoke/SALMDAT and <folder>/free-salm/SALMDAT
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "example_sessions.h"
#include "platform/system_command.h"

namespace {

namespace fs = std::filesystem;

// A shell word that stands for `text` whatever it holds.
std::string quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Types `session`, choice 4 of the last page and a reply to the execution notice into the editor in
// a fresh folder, and puts the data set it saved into <folder>/<name>/SALMDAT. False, after saying
// why, when the session, its checks or the analysis fail.
bool build(const std::string& editor, const fs::path& folder, const std::string& name, const std::string& session) {
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / ("quorvel-examples-" + name + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::cerr << name << ": no folder for the session could be made in " << pattern << "\n";
    return false;
  }
  const fs::path work = pattern;
  const std::string command = "cd " + quoted(work.string()) + " && " + quoted(editor) + " > session.log 2>&1";
  FILE* typing = popen(command.c_str(), "w");
  if (typing == nullptr) {
    std::cerr << name << ": the editor " << editor << " could not be started\n";
    return false;
  }
  const std::string typed = session + "4\n\n";
  const bool written = std::fwrite(typed.data(), 1, typed.size(), typing) == typed.size();
  const int status = pclose(typing);
  const bool ended = written && status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!ended || !fs::exists(work / "SALMDAT")) {
    std::cerr << name << ": the session did not end with a saved data set and a run to status 0; its screens are in "
              << (work / "session.log").string() << ", the analysis' messages in its Diagnostics.stxt\n";
    return false;
  }
  fs::create_directories(folder / name, ec);
  fs::copy_file(work / "SALMDAT", folder / name / "SALMDAT", fs::copy_options::overwrite_existing, ec);
  if (ec) {
    std::cerr << (folder / name / "SALMDAT").string() << ": cannot be written (" << ec.message() << ")\n";
    return false;
  }
  fs::remove_all(work, ec);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: quorvel-examples <folder>\n";
    return 1;
  }
  const std::string editor = qv::programBesideThisOne("quorvel");
  if (editor.empty() || !fs::exists(editor)) {
    std::cerr << "quorvel-examples: the editor quorvel was not found beside this program\n";
    return 1;
  }
  const fs::path folder = argv[1];
  bool ok = build(editor, folder, "tanker-yoke", qv::examples::kTankerYokeSession);
  ok = build(editor, folder, "free-salm", qv::examples::kFreeSalmSession) && ok;
  return ok ? 0 : 1;
}

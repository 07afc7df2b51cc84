// The folders of src/ stand in one order, and a folder may include only the headers of the folders
// it stands over. A wrong include compiles (every folder's headers are on the include path), so this
// test is what keeps the halves apart: the editor never reaches into the analysis, nor the analysis
// into the editor, and no folder reaches upwards. The SALM's stages stand in the order of the data
// they pass on (statics, slow drift, wave-frequency dynamics), and the run's stage sequence over
// them all: a stage never reaches into a later one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Each folder with the folders it may use (its own is always allowed).
const std::map<std::string, std::set<std::string>>& allowedUses() {
  static const std::map<std::string, std::set<std::string>> uses = [] {
    const std::set<std::string> base = {"platform", "util", "numlib", "dataset"};
    std::map<std::string, std::set<std::string>> m;
    m["platform"] = {};
    m["util"] = {"platform"};
    m["numlib"] = {"platform", "util"};
    m["dataset"] = {"platform", "util", "numlib"};
    m["waves"] = base;
    std::set<std::string> below = base;
    below.insert("waves");
    m["editor"] = below;
    for (const char* folder : {"mooring", "hull", "vessel", "lowfreq", "statics", "slowdrift", "dynamics", "run"}) {
      m[folder] = below;
      below.insert(folder);
    }
    return m;
  }();
  return uses;
}

const std::set<std::string> kAnalysis = {"mooring",  "hull",      "vessel",   "lowfreq",
                                         "statics", "slowdrift", "dynamics", "run"};

struct Include {
  std::string file;
  int line;
  std::string folder;  // the folder of the included header
};

std::vector<Include> projectIncludes(const fs::path& file) {
  static const std::regex includeLine(R"(^\s*#\s*include\s*"([a-z_]+)/[^"]+")");
  std::vector<Include> found;
  std::ifstream in(file);
  std::string text;
  int number = 0;
  while (std::getline(in, text)) {
    ++number;
    std::smatch m;
    if (std::regex_search(text, m, includeLine)) found.push_back({file.string(), number, m[1]});
  }
  return found;
}

// Every violation in the tree below `src`, one line each.
std::vector<std::string> violations(const fs::path& src) {
  std::vector<std::string> bad;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const fs::path ext = entry.path().extension();
    if (ext != ".h" && ext != ".cpp") continue;
    const std::string folder = fs::relative(entry.path(), src).begin()->string();
    for (const Include& inc : projectIncludes(entry.path())) {
      const std::string where = inc.file + ":" + std::to_string(inc.line) + ": " + folder + " includes " + inc.folder;
      if (inc.folder == folder) continue;
      if (folder == "app") {
        // The mains: each uses one half, never both.
        continue;
      }
      const auto rule = allowedUses().find(folder);
      if (rule == allowedUses().end()) {
        bad.push_back(where + " (folder not in the order)");
      } else if (!rule->second.count(inc.folder)) {
        bad.push_back(where);
      }
    }
  }
  // A main that includes both the editor and an analysis folder joins the halves.
  if (fs::exists(src / "app")) {
    for (const auto& entry : fs::directory_iterator(src / "app")) {
      bool editor = false, analysis = false;
      for (const Include& inc : projectIncludes(entry.path())) {
        editor = editor || inc.folder == "editor";
        analysis = analysis || kAnalysis.count(inc.folder) > 0;
      }
      if (editor && analysis) bad.push_back(entry.path().string() + ": app file uses the editor and the analysis");
    }
  }
  return bad;
}

TEST(IncludeOrder, EveryFolderIncludesOnlyWhatItStandsOver) {
  const std::vector<std::string> bad = violations(fs::path(QV_SOURCE_DIR) / "src");
  std::string all;
  for (const std::string& line : bad) all += line + "\n";
  EXPECT_TRUE(bad.empty()) << all;
}

// The check itself must catch what it is for: an include upwards (also from one stage into a later
// one), across the halves, from a folder outside the order, and a main that joins them.
TEST(IncludeOrder, CatchesUpwardAndCrossIncludes) {
  const fs::path root = fs::temp_directory_path() / ("qv_include_order_" + std::to_string(::getpid()));
  fs::remove_all(root);
  const auto write = [&](const std::string& relative, const std::string& text) {
    fs::create_directories((root / relative).parent_path());
    std::ofstream(root / relative) << text;
  };
  write("util/a.cpp", "#include \"util/a.h\"\n#include \"platform/units.h\"\n");       // fine
  write("numlib/b.cpp", "#include \"dataset/tpcm.h\"\n");                                // upwards
  write("editor/c.cpp", "#include \"waves/wavcom.h\"\n#include \"statics/solve.h\"\n");  // across
  write("mooring/d.cpp", "#include \"hull/himem.h\"\n");                                 // upwards
  write("hull/ship/e.cpp", "#include \"mooring/lincom.h\"\n");                           // fine
  write("app/main.cpp", "#include \"editor/salmed.h\"\n#include \"run/analysis_run.h\"\n");  // both halves
  // The stages: each over those before it, the run over them all.
  write("statics/f.cpp", "#include \"lowfreq/sines.h\"\n#include \"slowdrift/output.h\"\n");  // upwards
  write("slowdrift/g.cpp", "#include \"statics/solve.h\"\n#include \"dynamics/dyncom.h\"\n");  // upwards
  write("dynamics/h.cpp", "#include \"slowdrift/output.h\"\n#include \"run/analysis_run.h\"\n");  // upwards
  write("run/i.cpp", "#include \"statics/stsalm.h\"\n#include \"slowdrift/slomor.h\"\n"
                     "#include \"dynamics/dynslm.h\"\n#include \"vessel/vesl1.h\"\n");   // fine
  write("salm/j.cpp", "#include \"statics/solve.h\"\n");                                 // no such folder
  const std::vector<std::string> bad = violations(root);
  fs::remove_all(root);

  std::string all;
  for (const std::string& line : bad) all += line + "\n";
  ASSERT_EQ(bad.size(), 8u) << all;
  for (const char* expected : {"numlib includes dataset", "editor includes statics", "mooring includes hull",
                               "uses the editor and the analysis", "statics includes slowdrift",
                               "slowdrift includes dynamics", "dynamics includes run",
                               "salm includes statics (folder not in the order)"}) {
    EXPECT_NE(all.find(expected), std::string::npos) << expected << "\n" << all;
  }
}

}  // namespace

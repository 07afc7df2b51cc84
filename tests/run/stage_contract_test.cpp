// The contracts of the run's stages (AnalysisStage: the blocks each writes, the members of the data
// set it changes, the blocks it reads) held on the committed examples and on a road each of a
// semi-submersible and a moored discus buoy. Each data set runs twice, stage by stage, each time in a
// fresh folder from a fresh start on a fixed clock:
//
// - The clean run: the bytes of every registered block before and after each stage show what the
//   stage changed. A change the stage does not declare, a read that no earlier stage (nor the load)
//   declares it writes, or a name that no block registers is a breach; so is a change of the run's
//   sea state in WAVCOM by a stage that does not build it.
// - The poisoned run: before each stage, every registered block that it does not declare among its
//   reads is filled with a pattern that is no number (a NaN as a real, a count past every table as
//   an integer), and the blocks it neither reads nor writes are restored after it. What the stage
//   then changes in the blocks, and every file it writes, must be the clean run's, byte for byte: a
//   stage that takes a value it does not declare writes other bytes, or stops on the value that is
//   no number. A block that the stage writes but does not read keeps the pattern where the stage
//   leaves it, so a member that it leaves at an earlier stage's value fails the later stage that
//   reads it: passing members on that way is reading the block. A block that no stage before it
//   wrote holds what the start of the run leaves there: zero, as every block starts.
//   The values that the routines keep between calls (kKeptValues) are set back as the start of the
//   run leaves them before each stage: no stage takes a value from another through them.
// A stage that fails the poisoned run runs again over the clean run's state for each block it does
// not read, with the pattern over that block alone, so that the breach names the read it does not
// declare.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "dynamics/memmot.h"
#include "dynamics/ranout.h"
#include "example_run.h"
#include "lowfreq/current_profile.h"
#include "lowfreq/drift_coefficient.h"
#include "lowfreq/hull_drift_models.h"
#include "lowfreq/wave_current.h"
#include "mooring/dynamic_line.h"
#include "platform/block_reset.h"
#include "platform/clock.h"
#include "platform/units.h"
#include "run/analysis_run.h"
#include "hull_examples.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "vessel/relraoup.h"
#include "waves/wavcom.h"
#include "waves/wave_spectrum.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::example;
using testing_support::readFileText;
using testing_support::TempDir;
using testing_support::withWord;

// ---- Names for the messages ----

// The names of a block's members by word, from their pins in the block's layout file
// (src/<folder>/<block>_layout.cpp), so that a breach names what it touched; "?" for a block
// without one.
std::string memberNamesAt(std::string_view block, std::size_t word) {
  static std::map<std::string, std::map<std::size_t, std::string>, std::less<>> byBlock;
  auto [entry, fresh] = byBlock.try_emplace(std::string(block));
  std::map<std::size_t, std::string>& names = entry->second;
  if (fresh) {
    std::string file(block);
    std::transform(file.begin(), file.end(), file.begin(), [](unsigned char c) { return std::tolower(c); });
    file += "_layout.cpp";
    const std::regex pin(R"(QV_AT_WORD\(\w+, (\w+), (\d+)\))");
    const std::filesystem::path src = std::filesystem::path(QV_EXAMPLES_DIR) / ".." / "src";
    for (const auto& path : std::filesystem::recursive_directory_iterator(src)) {
      if (path.path().filename() != file) continue;
      std::ifstream in(path.path());
      std::string line;
      while (std::getline(in, line)) {
        std::smatch m;
        if (!std::regex_search(line, m, pin)) continue;
        std::string& member = names[std::stoul(m[2])];
        member += (member.empty() ? "" : " or ") + m[1].str();
      }
    }
  }
  const auto at = names.upper_bound(word);
  if (at == names.begin()) return "?";
  const auto member = std::prev(at);
  return member->second + (member->first == word ? "" : " (word " + std::to_string(word - member->first + 1) + ")");
}

// "BLOCK word n (MEMBER)" for the word at byte `offset`.
std::string wordOf(std::string_view block, std::size_t offset) {
  const std::size_t word = offset / 4 + 1;
  return std::string(block) + " word " + std::to_string(word) + " (" + memberNamesAt(block, word) + ")";
}

bool named(std::span<const std::string_view> list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

const RegisteredBlock* blockNamed(std::string_view name) {
  for (const RegisteredBlock& block : registeredBlocks())
    if (block.name == name) return &block;
  return nullptr;
}

// ---- The declarations ----

// What the stages' declarations say before any stage runs: every name is a registered block, the
// data set is read by every stage and changed member by member only, and every read is written by an
// earlier stage of this road or set by the load.
std::vector<std::string> declarationBreaches(const std::vector<AnalysisStage>& stages) {
  std::vector<std::string> breaches;
  std::set<std::string_view> written(std::begin(kLoadedBlocks), std::end(kLoadedBlocks));
  for (const AnalysisStage& stage : stages) {
    const std::string who(stage.name);
    for (std::span<const std::string_view> list : {stage.writes, stage.reads}) {
      for (std::string_view name : list)
        if (blockNamed(name) == nullptr) breaches.push_back(who + " names " + std::string(name) + ", no block");
    }
    if (named(stage.writes, "TPCM")) breaches.push_back(who + " writes TPCM as a whole: it names the members");
    if (!named(stage.reads, "TPCM")) breaches.push_back(who + " does not read TPCM, the data set every stage reads");
    for (std::string_view name : stage.reads) {
      if (!written.contains(name)) {
        breaches.push_back(who + " reads " + std::string(name) + ", which no stage before it writes");
      }
    }
    written.insert(stage.writes.begin(), stage.writes.end());
  }
  return breaches;
}

// ---- What a run holds between its stages ----

using Bytes = std::vector<std::byte>;

// Every registered block's bytes, in the order of registration (a block that a stage leaves as it
// was shares its bytes with the state before), and every file of the current folder with what the
// screen showed, by name.
struct RunState {
  std::vector<std::shared_ptr<const Bytes>> blocks;
  std::map<std::string, std::string> files;

  const Bytes& block(std::size_t k) const { return *blocks[k]; }
};

constexpr const char* kScreen = "(the screen)";

RunState runState(const ConsoleCapture& console, const RunState* before = nullptr) {
  for (int unit = 1; unit <= kPrinterUnit; ++unit) {
    if (unit == kKeyboardUnit || unit == kScreenUnit || !unitConnected(unit)) continue;
    if (std::ostream* out = unitOut(unit)) out->flush();
  }
  RunState state;
  for (std::size_t k = 0; k < registeredBlocks().size(); ++k) {
    const std::span<const std::byte> bytes = registeredBlocks()[k].bytes;
    if (before != nullptr && std::memcmp(bytes.data(), before->block(k).data(), bytes.size()) == 0) {
      state.blocks.push_back(before->blocks[k]);
    } else {
      state.blocks.push_back(std::make_shared<const Bytes>(bytes.begin(), bytes.end()));
    }
  }
  for (const auto& file : std::filesystem::directory_iterator(".")) {
    state.files[file.path().filename().string()] = readFileText(file.path());
  }
  state.files[kScreen] = console.screen();
  return state;
}

// The analysis of `image` in a fresh folder, from a fresh start on a fixed clock: `road` gets the
// console once the run is prepared; a stop of the preparation is returned as its status (-1: none).
template <class Road>
int runRoad(const std::string& image, Road road) {
  TempDir folder;
  closeAllUnits();
  resetAllBlocks();
  setClock({[] { return LocalTime{2024, 5, 6, 7, 8, 9}; }, [](int) {}});
  std::ofstream("SALMDAT", std::ios::binary) << image;
  ConsoleCapture console;
  const int status = testing_support::stopStatus([] { prepareRun(RunMode::kUnattended); });
  if (status == -1) road(console);
  closeAllUnits();
  return status;
}

std::string stopText(const AnalysisStage& stage, int status) {
  std::string text = std::string(stage.name) + " stopped with status " + std::to_string(status);
  for (const std::string& line : fatalStopState.message) text += "\n      " + line;
  return text;
}

// ---- The clean run ----

// The words of TPCM that changed and lie outside every member the stage declares.
std::vector<std::string> undeclaredMembers(const AnalysisStage& stage, const Bytes& before) {
  std::vector<std::string> breaches;
  const std::span<const std::byte> after = tpcmBytes();
  for (std::size_t at = 0; at < after.size(); at += 4) {
    if (std::memcmp(before.data() + at, after.data() + at, 4) == 0) continue;
    bool declared = false;
    for (const TpcmMember& m : stage.changes) declared = declared || (at >= m.offset && at < m.offset + m.size);
    if (!declared) {
      breaches.push_back(std::string(stage.name) + " changes " + wordOf("TPCM", at) + ", which it does not declare");
    }
  }
  return breaches;
}

// The run's sea state has one home: its spectra and their scalars in WAVCOM change only in the stages
// that build it (waves/sea_state.h), the slow drift and the free SALM's dynamics.
struct SeaStateWords {
  std::string_view name;
  std::size_t offset, size;
};
#define QV_SEA_STATE(member) SeaStateWords{#member, offsetof(Wavcom, member), sizeof(Wavcom::member)}
constexpr SeaStateWords kSeaStateWords[] = {
    QV_SEA_STATE(WPSD),    QV_SEA_STATE(SWLPSD),   QV_SEA_STATE(SWLPSD2),  QV_SEA_STATE(SWH),
    QV_SEA_STATE(TPK),     QV_SEA_STATE(WPK),      QV_SEA_STATE(WKPK),     QV_SEA_STATE(WSWLPK),
    QV_SEA_STATE(WKSWLPK), QV_SEA_STATE(SWHSWL),   QV_SEA_STATE(WSWLPK2),  QV_SEA_STATE(WKSWLPK2),
    QV_SEA_STATE(SWHSWL2)};
#undef QV_SEA_STATE
bool buildsTheSeaState(std::string_view stage) { return stage == "SLOMOR" || stage == "FREMOT"; }

std::vector<std::string> seaStateBreaches(const AnalysisStage& stage, const Bytes& before) {
  std::vector<std::string> breaches;
  if (buildsTheSeaState(stage.name)) return breaches;
  const std::span<const std::byte> after = bytesOf(WAVCOM);
  for (const SeaStateWords& words : kSeaStateWords) {
    if (std::memcmp(before.data() + words.offset, after.data() + words.offset, words.size) != 0) {
      breaches.push_back(std::string(stage.name) + " changes WAVCOM " + std::string(words.name) +
                         ", the run's sea state, which only the stages that build it write");
    }
  }
  return breaches;
}

// What a stage changed against what it declares.
std::vector<std::string> writeBreaches(const AnalysisStage& stage, const RunState& before) {
  std::vector<std::string> breaches;
  for (std::size_t k = 0; k < registeredBlocks().size(); ++k) {
    const RegisteredBlock& block = registeredBlocks()[k];
    const Bytes& was = before.block(k);
    if (std::memcmp(was.data(), block.bytes.data(), was.size()) == 0) continue;
    if (block.name == "WAVCOM") {
      for (std::string& breach : seaStateBreaches(stage, was)) breaches.push_back(std::move(breach));
    }
    if (block.name == "TPCM") {
      for (std::string& breach : undeclaredMembers(stage, was)) breaches.push_back(std::move(breach));
    } else if (!named(stage.writes, block.name)) {
      breaches.push_back(std::string(stage.name) + " changes " + std::string(block.name) +
                         ", which it does not declare");
    }
  }
  return breaches;
}

// The clean run of a data set: its stages, the state before each stage and after the last, and the
// breaches of the declarations and of the writes.
struct CleanRun {
  std::vector<AnalysisStage> stages;
  std::vector<RunState> states;
  std::vector<std::string> breaches;
};

CleanRun cleanRun(const std::string& image) {
  CleanRun run;
  const int status = runRoad(image, [&run](const ConsoleCapture& console) {
    run.stages = stagesOf();
    run.breaches = declarationBreaches(run.stages);
    run.states.push_back(runState(console));
    for (const AnalysisStage& stage : run.stages) {
      const int stop = testing_support::stopStatus([&stage] { runStage(stage); });
      if (stop != -1) {
        run.breaches.push_back(stopText(stage, stop));
        return;
      }
      for (std::string& breach : writeBreaches(stage, run.states.back())) run.breaches.push_back(std::move(breach));
      run.states.push_back(runState(console, &run.states.back()));
    }
  });
  if (status != -1)
    run.breaches.push_back("the run stopped before its first stage with status " + std::to_string(status));
  return run;
}

// ---- The routines' kept values ----

// The values that routines keep between calls and compute with: caches and choices made for the run.
// A routine's kept state is its own, read and written by whichever stage calls it; it hands nothing
// from one stage to the next. Left out: the warnings given once per run (given once they stay given,
// whatever stage gave them) and the tables of a user's file, read once (the file does not change).
struct KeptValues {
  const char* name;
  void (*setBack)();  // as the start of the run leaves it
};
const KeptValues kKeptValues[] = {
    {"RELRAOUP_STATE", [] { RELRAOUP_STATE.reset(); }},
    {"wavcurvecState", [] { wavcurvecState.reset(); }},
    {"wvspecState", [] { wvspecState.reset(); }},
    {"opacityState", [] { opacityState.reset(); }},
    {"currentProfileState", [] { currentProfileState.reset(); }},
    {"drftcState", [] { drftcState.reset(); }},
    {"ranoutState", [] { ranoutState.reset(); }},
    {"memmotState", [] { memmotState.reset(); }},
    {"DYNCOD_STATE.MAS_TYPE", [] { DYNCOD_STATE.MAS_TYPE = DyncodState{}.MAS_TYPE; }},
};

void setKeptValuesBack() {
  for (const KeptValues& kept : kKeptValues) kept.setBack();
}

// ---- The poisoned run ----

// Single-precision NaN; as an integer 2141561253, past every table's end.
constexpr std::uint32_t kPoisonWord = 0x7FA5A5A5u;

void poison(std::span<std::byte> bytes) {
  if (bytes.size() < 4) return;
  std::memcpy(bytes.data(), &kPoisonWord, 4);
  for (std::size_t done = 4; done < bytes.size(); done *= 2)
    std::memcpy(bytes.data() + done, bytes.data(), std::min(done, bytes.size() - done));
}

bool holdsPoison(const Bytes& bytes) {
  for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4)
    if (std::memcmp(bytes.data() + at, &kPoisonWord, 4) == 0) return true;
  return false;
}

std::vector<std::size_t> poisonedWords(const Bytes& bytes) {
  std::vector<std::size_t> words;
  for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4)
    if (std::memcmp(bytes.data() + at, &kPoisonWord, 4) == 0) words.push_back(at);
  return words;
}

std::string wordText(const Bytes& bytes, std::size_t at) {
  std::uint32_t bits = 0;
  float real = 0.0f;
  std::memcpy(&bits, bytes.data() + at, 4);
  std::memcpy(&real, bytes.data() + at, 4);
  char text[48];
  std::snprintf(text, sizeof text, "%.7g (%08x)", static_cast<double>(real), bits);
  return text;
}

// The words of one block where the poisoned stage did not do what the clean one did: a word that the
// clean stage changed holds the clean value; any other word holds what the stage found or the clean
// value. Compared a stretch at a time first: the line tables are large.
std::vector<std::string> blockDifferences(std::string_view block, const Bytes& cleanBefore, const Bytes& cleanAfter,
                                          const Bytes& seen, const Bytes& after) {
  constexpr std::size_t kShown = 4;
  constexpr std::size_t kStretch = 4096;
  std::vector<std::string> words;
  if (after == cleanAfter) return words;
  std::size_t count = 0;
  // Whether the bytes from `at` on, `size` of them, keep to the rule.
  const auto keeps = [&](std::size_t at, std::size_t size) {
    const auto same = [&](const Bytes& a, const Bytes& b) {
      return std::memcmp(a.data() + at, b.data() + at, std::min(size, after.size() - at)) == 0;
    };
    return same(after, cleanAfter) || (same(cleanBefore, cleanAfter) && same(after, seen));
  };
  for (std::size_t from = 0; from < after.size(); from += kStretch) {
    if (keeps(from, kStretch)) continue;
    for (std::size_t at = from; at < from + kStretch && at + 4 <= after.size(); at += 4) {
      if (keeps(at, 4)) continue;
      if (++count <= kShown) {
        words.push_back(wordOf(block, at) + ": " + wordText(cleanAfter, at) + " clean, " + wordText(after, at) +
                        " poisoned");
      }
    }
  }
  if (count > kShown) words.push_back("and " + std::to_string(count - kShown) + " more words of " + std::string(block));
  return words;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first line where two texts differ, as each shows it.
std::string firstDifference(const std::string& clean, const std::string& poisoned) {
  const std::vector<std::string> one = linesOf(clean), two = linesOf(poisoned);
  std::size_t at = 0;
  while (at < one.size() && at < two.size() && one[at] == two[at]) ++at;
  const auto shown = [at](const std::vector<std::string>& lines) {
    return at < lines.size() ? "\"" + lines[at] + "\"" : std::string("no line");
  };
  return "line " + std::to_string(at + 1) + ": " + shown(one) + " clean, " + shown(two) + " poisoned";
}

// Where the poisoned stage's writes and files differ from the clean stage's. (The blocks it neither
// reads nor writes are restored after it.)
std::vector<std::string> stageDifferences(const AnalysisStage& stage, const RunState& cleanBefore,
                                          const RunState& cleanAfter, const RunState& seen, const RunState& after) {
  std::vector<std::string> found;
  for (std::size_t k = 0; k < registeredBlocks().size(); ++k) {
    const std::string_view block = registeredBlocks()[k].name;
    if (!named(stage.reads, block) && !named(stage.writes, block)) continue;
    for (std::string& word :
         blockDifferences(block, cleanBefore.block(k), cleanAfter.block(k), seen.block(k), after.block(k)))
      found.push_back(std::move(word));
  }
  std::set<std::string> names;
  for (const RunState* state : {&cleanBefore, &cleanAfter, &seen, &after})
    for (const auto& file : state->files) names.insert(file.first);
  const auto text = [](const RunState& state, const std::string& name) {
    const auto at = state.files.find(name);
    return at == state.files.end() ? std::string() : at->second;
  };
  for (const std::string& name : names) {
    const bool written = text(cleanBefore, name) != text(cleanAfter, name) || text(seen, name) != text(after, name);
    if (written && text(cleanAfter, name) != text(after, name))
      found.push_back(name + " differs at " + firstDifference(text(cleanAfter, name), text(after, name)));
  }
  return found;
}

// The words that the pattern covers before a stage, per registered block (byte offsets; `whole`:
// every word).
struct Cover {
  bool whole = false;
  std::vector<std::size_t> words;

  bool empty() const { return !whole && words.empty(); }
};

// What a poisoned stage found, what it left, and how it ended (-1: it returned).
struct PoisonedStage {
  int stop = -1;
  std::string stopped;  // the stop and its message
  RunState seen, after;
};

// `stage` run with the pattern over `cover`; the blocks it neither reads nor writes are restored after it.
PoisonedStage runPoisoned(const AnalysisStage& stage, const std::vector<Cover>& cover, const ConsoleCapture& console) {
  std::vector<std::pair<std::span<std::byte>, Bytes>> restored;
  for (std::size_t k = 0; k < cover.size(); ++k) {
    const RegisteredBlock& block = registeredBlocks()[k];
    if (cover[k].empty()) continue;
    if (!named(stage.reads, block.name) && !named(stage.writes, block.name))
      restored.emplace_back(block.bytes, Bytes(block.bytes.begin(), block.bytes.end()));
    if (cover[k].whole) poison(block.bytes);
    for (std::size_t at : cover[k].words) poison(block.bytes.subspan(at, 4));
  }
  PoisonedStage result;
  result.seen = runState(console);
  result.stop = testing_support::stopStatus([&stage] {
    requireFiniteValues(stage.name);
    stage.run();
  });
  if (result.stop != -1) result.stopped = stopText(stage, result.stop);
  for (const auto& [bytes, was] : restored) std::memcpy(bytes.data(), was.data(), was.size());
  result.after = runState(console, &result.seen);
  return result;
}

// The pattern of the poisoned run before a stage: every block it does not read; but a block it writes
// only when an earlier stage or the load wrote it (`written`).
std::vector<Cover> coverOf(const AnalysisStage& stage, const std::set<std::string_view>& written) {
  std::vector<Cover> cover(registeredBlocks().size());
  for (std::size_t k = 0; k < cover.size(); ++k) {
    const std::string_view block = registeredBlocks()[k].name;
    cover[k].whole = !named(stage.reads, block) && (!named(stage.writes, block) || written.contains(block));
  }
  return cover;
}

bool keepsToClean(const PoisonedStage& poisoned, const CleanRun& clean, std::size_t s) {
  return poisoned.stop == -1 &&
         stageDifferences(clean.stages[s], clean.states[s], clean.states[s + 1], poisoned.seen, poisoned.after).empty();
}

// Whether stage s, run over the clean run's state with the pattern over `cover` after `prepare`,
// does not do what it did in the clean run.
template <class Prepare>
bool failsAlone(const std::string& image, const CleanRun& clean, std::size_t s, const std::vector<Cover>& cover,
                Prepare prepare) {
  bool fails = false;
  runRoad(image, [&](const ConsoleCapture& console) {
    for (std::size_t before = 0; before < s; ++before) runStage(clean.stages[before]);
    prepare();
    fails = !keepsToClean(runPoisoned(clean.stages[s], cover, console), clean, s);
  });
  return fails;
}

// The first few members of a block that a list of words covers.
std::string membersOf(std::string_view block, const std::vector<std::size_t>& words) {
  constexpr std::size_t kShown = 6;
  std::vector<std::string> members;
  for (std::size_t at : words) {
    std::string name = memberNamesAt(block, at / 4 + 1);
    name = name.substr(0, name.find(" (word"));
    if (std::find(members.begin(), members.end(), name) == members.end()) members.push_back(name);
  }
  std::string text;
  for (std::size_t m = 0; m < members.size() && m < kShown; ++m) text += (m == 0 ? "" : ", ") + members[m];
  return text + (members.size() > kShown ? ", ..." : "");
}

// The stages that left the pattern in each block, in their order.
using LeftBy = std::map<std::string_view, std::vector<std::string_view>>;

// Why stage s of the poisoned run failed: each block whose pattern alone makes it fail over the clean
// run's state, and each kept value that does when set back alone. `full` is the pattern of the
// poisoned run and `carried` the words of the blocks it reads that held the pattern there, left by
// the stages in `leftBy`.
std::vector<std::string> undeclaredReads(const std::string& image, const CleanRun& clean, std::size_t s,
                                         const std::vector<Cover>& full, const std::vector<Cover>& carried,
                                         const LeftBy& leftBy) {
  std::vector<std::string> reads;
  const std::string who(clean.stages[s].name);
  for (std::size_t k = 0; k < full.size(); ++k) {
    const std::string block(registeredBlocks()[k].name);
    for (const Cover* cover : {&full[k], &carried[k]}) {
      if (cover->empty()) continue;
      std::vector<Cover> only(full.size());
      only[k] = *cover;
      if (!failsAlone(image, clean, s, only, [] {})) continue;
      if (cover == &carried[k]) {
        std::string by;
        const auto stages = leftBy.find(block);
        for (std::string_view name : stages == leftBy.end() ? std::vector<std::string_view>{} : stages->second)
          by += (by.empty() ? "" : " or ") + std::string(name);
        reads.push_back(who + " reads members of " + block + " that " + by + " leaves at their earlier values (" +
                        membersOf(block, cover->words) + "): " + by + " reads " + block);
      } else if (named(clean.stages[s].writes, block)) {
        reads.push_back(who + " reads " + block + ", which it declares a write only");
      } else {
        reads.push_back(who + " reads " + block + ", which it does not declare");
      }
    }
  }
  for (const KeptValues& kept : kKeptValues) {
    if (s > 0 && failsAlone(image, clean, s, std::vector<Cover>(full.size()), kept.setBack))
      reads.push_back(who + " takes what an earlier stage left in " + kept.name);
  }
  return reads;
}

// The poisoned run of a data set against its clean run: every stage whose writes or files differ, with
// the reads that make them differ.
std::vector<std::string> poisonedRunBreaches(const std::string& image, const CleanRun& clean) {
  std::vector<std::string> breaches;
  runRoad(image, [&](const ConsoleCapture& console) {
    LeftBy leftBy;
    std::set<std::string_view> written(std::begin(kLoadedBlocks), std::end(kLoadedBlocks));
    for (std::size_t s = 0; s < clean.stages.size(); ++s) {
      const AnalysisStage& stage = clean.stages[s];
      const std::vector<Cover> cover = coverOf(stage, written);
      if (s > 0) setKeptValuesBack();
      const PoisonedStage poisoned = runPoisoned(stage, cover, console);
      written.insert(stage.writes.begin(), stage.writes.end());
      if (!keepsToClean(poisoned, clean, s)) {
        std::vector<Cover> carried(cover.size());
        for (std::size_t k = 0; k < cover.size(); ++k) {
          if (named(stage.reads, registeredBlocks()[k].name)) carried[k].words = poisonedWords(poisoned.seen.block(k));
        }
        std::string breach = std::string(stage.name) + " does not keep to its reads:";
        for (const std::string& read : undeclaredReads(image, clean, s, cover, carried, leftBy))
          breach += "\n    " + read;
        breach += "\n    with the pattern over all it does not read:";
        if (poisoned.stop != -1) breach += "\n    " + poisoned.stopped;
        for (const std::string& line :
             stageDifferences(stage, clean.states[s], clean.states[s + 1], poisoned.seen, poisoned.after))
          breach += "\n    " + line;
        breaches.push_back(breach);
      }
      if (poisoned.stop != -1) return;
      for (std::size_t k = 0; k < registeredBlocks().size(); ++k) {
        const std::string_view block = registeredBlocks()[k].name;
        if (named(stage.writes, block) && !named(stage.reads, block) && holdsPoison(poisoned.after.block(k)))
          leftBy[block].push_back(stage.name);
      }
    }
  });
  return breaches;
}

// Every breach of a stage's contract in the run of the data set `image`.
std::vector<std::string> contractBreaches(const std::string& image) {
  const CleanRun clean = cleanRun(image);
  if (!clean.breaches.empty()) return clean.breaches;
  if (clean.stages.empty()) return {"the data set runs no stage"};
  return poisonedRunBreaches(image, clean);
}

std::string listed(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

// ---- The roads ----

class StageContracts : public testing_support::ExampleRun {};

// The examples, the semi-submersible of the hull models' tests on the example's yoke (its hull model
// fills the member table SIMCOM) and the moored discus buoy, each with the wave-frequency dynamics.
TEST_F(StageContracts, EveryStageOfEveryRoadKeepsToItsContract) {
  struct Road {
    const char* name;
    std::string image;
  };
  const Road roads[] = {
      {"the tanker example", example("tanker-yoke")},
      {"the free SALM example", example("free-salm")},
      {"the semi-submersible", testing_support::semiImage({}, 40.0f, [] { TPCM.LDYN = 1; })},
      {"the discus buoy", testing_support::discImage()},
  };
  for (const Road& road : roads) {
    const std::vector<std::string> breaches = contractBreaches(road.image);
    EXPECT_TRUE(breaches.empty()) << road.name << ":" << listed(breaches);
  }
}

// The sea states whose spectra derive their height or period: a Pierson-Moskowitz swell (its peak
// period from its height) and a wind sea of user ordinates (height and period from the table), with a
// second swell of Pierson-Moskowitz as well, which every stage that takes the swell takes. The
// stages hand the spectra copies, so no stage changes the data set's sea state.
TEST_F(StageContracts, DerivedSeaStatesLeaveTheDataSetAsTyped) {
  std::string image = example("tanker-yoke");
  image = withWord(image, offsetof(Tpcm, WAVTYP), std::int32_t{8});
  // A Pierson-Moskowitz sea of 4 m at the 41 periods of the example, 4 to 24 s [m^2 s].
  const double g = 9.8;
  const double wp = 0.4 * std::sqrt(g / 4.0);
  for (int i = 1; i <= 41; ++i) {
    const double w = 2.0 * 3.14159265358979 / (4.0 + 0.5 * (i - 1));
    const float density = static_cast<float>(0.0081 * g * g / std::pow(w, 5) * std::exp(-1.25 * std::pow(wp / w, 4)));
    image = withWord(image, offsetof(Tpcm, USRPSD) + 4 * (i - 1), density);
  }
  image = withWord(image, offsetof(Tpcm, LSWELL), std::int32_t{1});
  image = withWord(image, offsetof(Tpcm, SWLTYP), std::int32_t{1});
  image = withWord(image, offsetof(Tpcm, SWELHT), 2.0f);
  image = withWord(image, offsetof(Tpcm, SWELPD), 12.0f);  // as typed: the spectrum's own is 15.66 sqrt(2 / 9.8) s
  image = withWord(image, offsetof(Tpcm, SWLHDG), 180.0f);
  image = withWord(image, offsetof(Tpcm, LSWEL2), std::int32_t{1});
  image = withWord(image, offsetof(Tpcm, SWLTYP2), std::int32_t{1});
  image = withWord(image, offsetof(Tpcm, SWELHT2), 3.0f);
  image = withWord(image, offsetof(Tpcm, SWELPD2), 9.0f);  // as typed: its own is 15.66 sqrt(3 / 9.8) s
  image = withWord(image, offsetof(Tpcm, SWLHDG2), 150.0f);
  const std::vector<std::string> breaches = contractBreaches(image);
  EXPECT_TRUE(breaches.empty()) << listed(breaches);
  EXPECT_EQ(TPCM.SWELHT, 2.0f);
  EXPECT_EQ(TPCM.SWELPD, 12.0f);
  EXPECT_EQ(TPCM.SWELHT2, 3.0f);
  EXPECT_EQ(TPCM.SWELPD2, 9.0f);
}

}  // namespace
}  // namespace qv

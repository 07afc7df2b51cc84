// The contracts of the run's stages (AnalysisStage: the blocks each writes, the members of the data
// set it changes, the blocks it reads) held against the committed examples: each example runs stage
// by stage, and the bytes of every registered block before and after each stage show what the stage
// changed. A change the stage does not declare, a read that no earlier stage (nor the load) declares
// it writes, or a name that no block registers is a breach; so is a change of the run's sea state in
// WAVCOM by a stage that does not build it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "run/analysis_run.h"
#include "support/console_capture.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::example;
using testing_support::withWord;

// The names of the data set's members by word (from their pins in dataset/tpcm_layout.cpp), for the
// messages: a breach names what it touched.
std::string tpcmNamesAt(std::size_t word) {
  static const std::map<std::size_t, std::string> names = [] {
    std::map<std::size_t, std::string> found;
    std::ifstream in(std::filesystem::path(QV_EXAMPLES_DIR) / ".." / "src" / "dataset" / "tpcm_layout.cpp");
    const std::regex pin(R"(QV_AT_WORD\(Tpcm, (\w+), (\d+)\))");
    std::string line;
    while (std::getline(in, line)) {
      std::smatch m;
      if (!std::regex_search(line, m, pin)) continue;
      std::string& entry = found[std::stoul(m[2])];
      entry += (entry.empty() ? "" : " or ") + m[1].str();
    }
    return found;
  }();
  const auto at = names.upper_bound(word);
  if (at == names.begin()) return "?";
  const auto member = std::prev(at);
  return member->second + (member->first == word ? "" : " (word " + std::to_string(word - member->first + 1) + ")");
}

bool named(std::span<const std::string_view> list, std::string_view name) {
  for (std::string_view entry : list)
    if (entry == name) return true;
  return false;
}

const RegisteredBlock* blockNamed(std::string_view name) {
  for (const RegisteredBlock& block : registeredBlocks())
    if (block.name == name) return &block;
  return nullptr;
}

// What the stages' declarations say before any stage runs: every name is a registered block, the
// data set is changed member by member only, and every read is written by an earlier stage of this
// road or set by the load.
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
    for (std::string_view name : stage.reads) {
      if (!written.contains(name)) {
        breaches.push_back(who + " reads " + std::string(name) + ", which no stage before it writes");
      }
    }
    written.insert(stage.writes.begin(), stage.writes.end());
  }
  return breaches;
}

// The words of TPCM that changed and lie outside every member the stage declares.
std::vector<std::string> undeclaredMembers(const AnalysisStage& stage, const std::vector<std::byte>& before) {
  std::vector<std::string> breaches;
  const std::span<const std::byte> after = tpcmBytes();
  for (std::size_t at = 0; at < after.size(); at += 4) {
    if (std::memcmp(before.data() + at, after.data() + at, 4) == 0) continue;
    bool declared = false;
    for (const TpcmMember& m : stage.changes) declared = declared || (at >= m.offset && at < m.offset + m.size);
    if (!declared) {
      breaches.push_back(std::string(stage.name) + " changes TPCM word " + std::to_string(at / 4 + 1) + " (" +
                         tpcmNamesAt(at / 4 + 1) + "), which it does not declare");
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
constexpr SeaStateWords kSeaStateWords[] = {QV_SEA_STATE(WPSD), QV_SEA_STATE(SWLPSD), QV_SEA_STATE(SWH),
                                            QV_SEA_STATE(TPK),  QV_SEA_STATE(WPK),    QV_SEA_STATE(WKPK),
                                            QV_SEA_STATE(WSWLPK), QV_SEA_STATE(WKSWLPK), QV_SEA_STATE(SWHSWL)};
#undef QV_SEA_STATE
bool buildsTheSeaState(std::string_view stage) { return stage == "SLOMOR" || stage == "FREMOT"; }

std::vector<std::string> seaStateBreaches(const AnalysisStage& stage, const std::vector<std::byte>& before) {
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

// The run of the data set `image` stage by stage: every breach of a stage's contract.
std::vector<std::string> contractBreaches(const std::string& image) {
  closeAllUnits();
  resetAllBlocks();
  std::ofstream("SALMDAT", std::ios::binary) << image;
  testing_support::ConsoleCapture console;
  std::vector<std::string> breaches;
  const int status = testing_support::stopStatus([&] {
    prepareRun(RunMode::kUnattended);
    const std::vector<AnalysisStage> stages = stagesOf();
    breaches = declarationBreaches(stages);
    for (const AnalysisStage& stage : stages) {
      std::vector<std::vector<std::byte>> before;
      for (const RegisteredBlock& block : registeredBlocks()) before.emplace_back(block.bytes.begin(), block.bytes.end());
      runStage(stage);
      for (std::size_t k = 0; k < registeredBlocks().size(); ++k) {
        const RegisteredBlock& block = registeredBlocks()[k];
        if (std::memcmp(before[k].data(), block.bytes.data(), block.bytes.size()) == 0) continue;
        if (block.name == "WAVCOM") {
          for (std::string& breach : seaStateBreaches(stage, before[k])) breaches.push_back(std::move(breach));
        }
        if (block.name == "TPCM") {
          for (std::string& breach : undeclaredMembers(stage, before[k])) breaches.push_back(std::move(breach));
        } else if (!named(stage.writes, block.name)) {
          breaches.push_back(std::string(stage.name) + " changes " + std::string(block.name) +
                             ", which it does not declare");
        }
      }
    }
  });
  if (status != -1) breaches.push_back("the run stopped with status " + std::to_string(status));
  return breaches;
}

std::string listed(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

class StageContracts : public testing_support::ExampleRun {};

TEST_F(StageContracts, EveryStageOfBothExamplesKeepsToItsContract) {
  for (const char* name : {"tanker-yoke", "free-salm"}) {
    const std::vector<std::string> breaches = contractBreaches(example(name));
    EXPECT_TRUE(breaches.empty()) << name << ":" << listed(breaches);
  }
}

// The sea states whose spectra derive their height or period: a Pierson-Moskowitz swell (its peak
// period from its height) and a wind sea of user ordinates (height and period from the table). The
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
  const std::vector<std::string> breaches = contractBreaches(image);
  EXPECT_TRUE(breaches.empty()) << listed(breaches);
  EXPECT_EQ(TPCM.SWELHT, 2.0f);
  EXPECT_EQ(TPCM.SWELPD, 12.0f);
}

}  // namespace
}  // namespace qv

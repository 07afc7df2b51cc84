// One rule per value, held over every value of the registry of bounds (dataset/value_ranges) on both
// examples and every user's case (tests/e2e/cases), each as it stands and with its later stages
// turned off (the wave-frequency dynamics; for an attached column the vessel's stages too):
//
//   - a value is checked wherever a stage that runs reads it: every value just beyond its bound (the
//     first value its checks refuse, asked whatever the stages, and one a few units in the last
//     place beyond that) is either refused naming its page and item, or leaves every file of the
//     whole run byte for byte as the case's own value leaves it (the clock masked), no stage having
//     read it;
//   - the range a refusal names is the one every check of the value admits: every refusal of every
//     value (beyond each end, negative, 0, subnormal, huge, no number), read as a user reads it, names
//     closed ends that typed back as printed no finding refuses.
//
// The runs are the runner's own, in this process, in a fresh folder holding the case's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "dataset/lowcof.h"
#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/value_ranges.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/temp_dir.h"
#include "util/fortran_format.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::flatMessage;
using testing_support::maskClock;
using testing_support::readFileText;

// ---- the cases ----

enum class Stages { kAsItStands, kDynamicsOff, kVesselOff };

struct Config {
  std::string name;  // of the case
  Stages stages;
};

std::filesystem::path caseFolder(const std::string& name) {
  if (name == "tanker-yoke" || name == "free-salm") return std::filesystem::path(QV_EXAMPLES_DIR) / name;
  return std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases" / name;
}

std::vector<Config> configs() {
  std::vector<std::string> names{"tanker-yoke", "free-salm"};
  std::vector<std::string> users;
  const std::filesystem::path cases = std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases";
  for (const auto& entry : std::filesystem::directory_iterator(cases))
    users.push_back(entry.path().filename().string());
  std::sort(users.begin(), users.end());
  names.insert(names.end(), users.begin(), users.end());
  std::vector<Config> all;
  for (const std::string& name : names) {
    const std::string image = readFileText(caseFolder(name) / "SALMDAT");
    Tpcm t{};
    std::memcpy(static_cast<void*>(&t), image.data(), std::min(image.size(), sizeof t));
    all.push_back({name, Stages::kAsItStands});
    if (t.LDYN != 0) all.push_back({name, Stages::kDynamicsOff});
    if (t.FRESLM == 0 && t.LQUAS != 0) all.push_back({name, Stages::kVesselOff});
  }
  return all;
}

std::string configName(const ::testing::TestParamInfo<Config>& info) {
  std::string name = info.param.name;
  std::replace(name.begin(), name.end(), '-', '_');
  switch (info.param.stages) {
    case Stages::kAsItStands: break;
    case Stages::kDynamicsOff: name += "_dynamics_off"; break;
    case Stages::kVesselOff: name += "_vessel_off"; break;
  }
  return name;
}

// ---- floats and integers in their order ----

std::int64_t orderedOf(float x) {
  std::int32_t bits = 0;
  std::memcpy(&bits, &x, 4);
  return bits < 0 ? std::int64_t{INT32_MIN} - bits : bits;
}

float floatOf(std::int64_t ordered) {
  const auto bits = static_cast<std::int32_t>(ordered < 0 ? std::int64_t{INT32_MIN} - ordered : ordered);
  float x = 0.0f;
  std::memcpy(&x, &bits, 4);
  return x;
}

// The first point from `from` toward `limit` (both in the order of the word's values) at which
// `refused` answers yes, doubling the step until it does and then halving between; nothing where it
// never does.
std::optional<std::int64_t> firstRefused(const std::function<bool(std::int64_t)>& refused, std::int64_t from,
                                         std::int64_t limit) {
  const std::int64_t dir = limit > from ? 1 : -1;
  std::int64_t inside = from, beyond = 0, step = 1;
  for (;;) {
    std::int64_t next = from + dir * step;
    if (dir * (next - limit) > 0) next = limit;
    if (refused(next)) {
      beyond = next;
      break;
    }
    inside = next;
    if (next == limit) return std::nullopt;
    step *= 2;
  }
  while (std::llabs(beyond - inside) > 1) {
    const std::int64_t middle = inside + (beyond - inside) / 2;
    (refused(middle) ? beyond : inside) = middle;
  }
  return beyond;
}

// A finding's message as one line.
std::string messageOf(const RunFinding& f) {
  std::string text;
  for (const std::string& line : f.lines) text += line + "\n";
  return flatMessage(text);
}

// Whether the finding is about `v`: "<label> (<where>) is <value>".
bool names(const RunFinding& f, const RegisteredValue& v) {
  return contains(messageOf(f), " " + v.label + " (" + v.where + ") is ");
}

// How a run ended.
struct Outcome {
  int status = -1;                          // of its stop; -1: it ran to its end
  std::string stop;                         // the message it stopped with
  std::map<std::string, std::string> files;  // its files, as a reader sees them
};

// ---- the fixture ----

class OneRulePerValue : public testing_support::ExampleRun, public ::testing::WithParamInterface<Config> {
 protected:
  void SetUp() override {
    ExampleRun::SetUp();
    for (const auto& entry : std::filesystem::directory_iterator(caseFolder(GetParam().name))) {
      if (entry.path().filename() == "SALMDAT") continue;
      inputs_.insert(entry.path().filename().string());
      std::filesystem::copy_file(entry.path(), entry.path().filename());
    }
    inputs_.insert("SALMDAT");
    image_ = testing_support::edited(readFileText(caseFolder(GetParam().name) / "SALMDAT"), [](Tpcm& t) {
      switch (GetParam().stages) {
        case Stages::kAsItStands: break;
        case Stages::kDynamicsOff: t.LDYN = 0; break;
        case Stages::kVesselOff: t.LQUAS = 0; break;
      }
    });
    baseline_ = outcomeOf(image_);
    // The data set as the run checks it, before any stage: loaded, its units settled and the run's
    // own words set.
    freshRun();
    {
      testing_support::ConsoleCapture console;
      testing_support::stopStatus([] { prepareRun(RunMode::kUnattended); });
    }
    closeAllUnits();
    loaded_ = std::make_unique<Tpcm>(TPCM);
    loadedLowcof_ = LOWCOF;
    clearOutputs();
    values_ = registeredValues();
  }

  void freshRun() {
    closeAllUnits();
    resetAllBlocks();
  }

  // How a whole run of `image` ends: its status, the message it stopped with, and its report, plot
  // and data files as a reader sees them (the clock masked), by name; the files are removed after.
  // The messages file, which holds the run's warnings about values too, is not one of them.
  Outcome outcomeOf(const std::string& image) {
    freshRun();
    Outcome outcome;
    outcome.status = runImage(image);
    if (outcome.status != -1) outcome.stop = stopMessage("");
    closeAllUnits();
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
      const std::string name = entry.path().filename().string();
      if (inputs_.count(name) > 0 || name == "Diagnostics.stxt") continue;
      outcome.files[name] = maskClock(readFileText(entry.path()));
    }
    clearOutputs();
    return outcome;
  }

  void clearOutputs() {
    std::vector<std::filesystem::path> outputs;
    for (const auto& entry : std::filesystem::directory_iterator("."))
      if (inputs_.count(entry.path().filename().string()) == 0) outputs.push_back(entry.path());
    for (const auto& path : outputs) std::filesystem::remove_all(path);
  }

  // TPCM as the run checks it, with the word of `v` set to the figure of `at` (a float's bits, or an
  // integer).
  void loadWith(const RegisteredValue& v, std::int64_t at) {
    TPCM = *loaded_;
    LOWCOF = loadedLowcof_;
    setWord(reinterpret_cast<std::byte*>(&TPCM), v, at);
  }
  static void setWord(std::byte* block, const RegisteredValue& v, std::int64_t at) {
    if (v.integer) {
      const auto x = static_cast<std::int32_t>(at);
      std::memcpy(block + v.offset, &x, 4);
    } else {
      const float x = floatOf(at);
      std::memcpy(block + v.offset, &x, 4);
    }
  }
  std::int64_t wordOf(const RegisteredValue& v) const {
    const auto* block = reinterpret_cast<const std::byte*>(loaded_.get());
    if (v.integer) {
      std::int32_t x = 0;
      std::memcpy(&x, block + v.offset, 4);
      return x;
    }
    float x = 0.0f;
    std::memcpy(&x, block + v.offset, 4);
    return orderedOf(x);
  }
  static std::string figure(const RegisteredValue& v, std::int64_t at) {
    return v.integer ? std::to_string(at) : messageValue(floatOf(at)) + " (" + fmtE(floatOf(at), 0, 8) + ")";
  }

  // Whether the checks of `v`, asked whatever the stages, refuse it at `at`.
  bool checksRefuse(const RegisteredValue& v, std::int64_t at) {
    loadWith(v, at);
    return !v.need().empty();
  }

  // The values just beyond the bounds of `v`: from its own value, and from 0, 1 and -1 where its
  // checks take those, the first one its checks refuse either way and one a few units beyond it.
  std::set<std::int64_t> justBeyond(const RegisteredValue& v) {
    const std::int64_t low = v.integer ? INT32_MIN : orderedOf(-std::numeric_limits<float>::infinity());
    const std::int64_t high = v.integer ? INT32_MAX : orderedOf(std::numeric_limits<float>::infinity());
    std::set<std::int64_t> seeds{wordOf(v)};
    for (const float s : {0.0f, 1.0f, -1.0f}) seeds.insert(v.integer ? static_cast<std::int64_t>(s) : orderedOf(s));
    std::set<std::int64_t> probes;
    for (const std::int64_t seed : seeds) {
      if (checksRefuse(v, seed)) continue;
      for (const std::int64_t limit : {low, high}) {
        const std::optional<std::int64_t> first =
            firstRefused([&](std::int64_t at) { return checksRefuse(v, at); }, seed, limit);
        if (!first) continue;
        probes.insert(*first);
        const std::int64_t few = *first + (limit > seed ? 3 : -3);
        if (((limit > seed) ? few <= limit : few >= limit) && checksRefuse(v, few)) probes.insert(few);
      }
    }
    return probes;
  }

  // Whether one of `findings` refuses `v`, naming it.
  static bool refuses(const std::vector<RunFinding>& findings, const RegisteredValue& v) {
    for (const RunFinding& f : findings)
      if (f.fatal && names(f, v)) return true;
    return false;
  }

  std::string image_;
  std::set<std::string> inputs_;
  Outcome baseline_;
  std::unique_ptr<Tpcm> loaded_;
  Lowcof loadedLowcof_{};
  std::vector<RegisteredValue> values_;
};

// How `probe` differs from `baseline`: the status, the stop, the first file that differs and its
// first line that does; nothing where they are alike.
std::string difference(const Outcome& baseline, const Outcome& probe) {
  if (probe.status != baseline.status) return "the run ended with status " + std::to_string(probe.status);
  if (probe.stop != baseline.stop) return "the run stopped with:\n" + probe.stop;
  for (const auto& [name, text] : baseline.files) {
    const auto other = probe.files.find(name);
    if (other == probe.files.end()) return name + " is missing";
    if (other->second == text) continue;
    std::size_t at = 0;
    while (at < text.size() && at < other->second.size() && text[at] == other->second[at]) ++at;
    const std::size_t start = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
    return name + " differs: \"" + text.substr(start, text.find('\n', at) - start) + "\" became \"" +
           other->second.substr(start, other->second.find('\n', at) - start) + "\"";
  }
  for (const auto& [name, text] : probe.files)
    if (baseline.files.count(name) == 0) return name + " is new";
  return {};
}

// A word of the data set at a value just beyond its bound.
struct Probe {
  const RegisteredValue* value;
  std::int64_t at;
};

TEST_P(OneRulePerValue, AValueBeyondItsBoundIsRefusedOrReadByNoStage) {
  ASSERT_FALSE(values_.empty());
  // The probes the value checks refuse, naming the page and item, are judged; the others go to the
  // runs.
  std::vector<Probe> unrefused;
  for (const RegisteredValue& v : values_) {
    ASSERT_LE(v.offset + 4, image_.size()) << v.where;
    for (const std::int64_t at : justBeyond(v)) {
      loadWith(v, at);
      std::vector<RunFinding> findings;
      valueRangeFindings(findings);
      if (!refuses(findings, v)) unrefused.push_back({&v, at});
    }
  }
  // Whole runs with several words changed at once, one value each: a run that ends as the case's
  // own is one that no stage read any of them in (two changes that each change the run and
  // together leave it as it was do not happen); one that does not is split until each word is
  // run alone, and then it must be refused naming its page and item.
  std::vector<std::vector<Probe>> batches;
  for (const Probe& p : unrefused) {
    auto batch = std::find_if(batches.begin(), batches.end(), [&p](const std::vector<Probe>& b) {
      return std::none_of(b.begin(), b.end(), [&p](const Probe& q) { return q.value->offset == p.value->offset; });
    });
    if (batch == batches.end()) batch = batches.insert(batches.end(), std::vector<Probe>{});
    batch->push_back(p);
  }
  int runs = 0;
  std::function<void(const std::vector<Probe>&)> judge = [&](const std::vector<Probe>& probes) {
    std::string image = image_;
    for (const Probe& p : probes) setWord(reinterpret_cast<std::byte*>(image.data()), *p.value, p.at);
    ++runs;
    const std::string changed = difference(baseline_, outcomeOf(image));
    if (changed.empty()) return;
    if (probes.size() > 1) {
      const auto half = probes.begin() + static_cast<std::ptrdiff_t>(probes.size() / 2);
      judge({probes.begin(), half});
      judge({half, probes.end()});
      return;
    }
    const Probe& p = probes.front();
    loadWith(*p.value, p.at);
    EXPECT_TRUE(refuses(runFindings(), *p.value))
        << p.value->where << " at " << figure(*p.value, p.at) << " is neither refused nor left unread: " << changed;
  };
  for (const std::vector<Probe>& batch : batches) judge(batch);
  RecordProperty("runs", runs);
}

// ---- the ends a refusal names, read as a user reads them ----

// What a refusal's text after "the analysis needs" names as its closed ends, as printed: the ends of
// a range ("from A to B", "of at most B", "of at least A", "0 or ..."; both signs of a range "in
// size"), the one number asked for ("1 for ..."), the codes listed ("1, 3 or 4"). Open ends ("above
// 0", "to below B") are not typed back. Nothing for a phrase this reader does not know.
std::optional<std::vector<std::string>> closedEnds(const std::string& need) {
  // What sets each end, said in parentheses, and what the message goes on with after the range.
  std::string text;
  int depth = 0;
  for (std::size_t at = 0; at < need.size(); ++at) {
    if (need[at] == '(') {
      if (depth++ == 0 && !text.empty() && text.back() == ' ') text.pop_back();
    } else if (need[at] == ')') {
      --depth;
    } else if (depth == 0) {
      text += need[at];
    }
  }
  if (const auto more = text.find(", or "); more != std::string::npos) text.erase(more);
  while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
  std::vector<std::string> ends;
  if (text.rfind("0 or ", 0) == 0) {
    ends.push_back("0");
    text.erase(0, 5);
  }
  const std::string F = R"((-?[0-9]+(?:\.[0-9]+)?(?:E[+-][0-9]+)?))";
  const std::string unit = R"((?: (?:knots|degrees|meters|feet))?)";
  const std::string noun = R"((?:a|an) .*?)";
  std::smatch m;
  // Compiled once each: the patterns are few, the refusals many.
  static std::map<std::string, std::regex> compiled;
  const auto matches = [&](const std::string& pattern) {
    auto at = compiled.find(pattern);
    if (at == compiled.end()) at = compiled.emplace(pattern, std::regex(pattern)).first;
    return std::regex_match(text, m, at->second);
  };
  const auto sized = [&ends](const std::string& figure, bool inSize) {
    ends.push_back(figure);
    if (inSize) ends.push_back(figure[0] == '-' ? figure.substr(1) : "-" + figure);
  };
  if (matches("a finite number") || matches(noun + " other than 0")) return ends;
  if (matches(R"(([0-9]+) for .*)")) return std::vector<std::string>{m[1]};
  if (matches(R"(([0-9]+(?:, [0-9]+)*) or ([0-9]+))")) {
    const std::string listed = m[1].str() + ", " + m[2].str();
    for (std::size_t at = 0; at < listed.size();) {
      const std::size_t comma = listed.find(", ", at);
      ends.push_back(listed.substr(at, comma - at));
      at = comma == std::string::npos ? listed.size() : comma + 2;
    }
    return ends;
  }
  const std::string sizes = "( in size)?";
  const std::string holed = "(?:, at least " + F + " in size)?";
  const std::string except = "(?:, other than 0| but [0-9]+)?";
  if (matches(noun + " from " + F + unit + " to (below )?" + F + unit + sizes + holed + except)) {
    const bool inSize = m[4].matched;
    sized(m[1], inSize);
    if (!m[2].matched) sized(m[3], inSize);
    if (m[5].matched) sized(m[5], true);
    return ends;
  }
  if (matches(noun + " above " + F + unit + " and (at most |below )" + F + unit + sizes)) {
    if (m[2] == "at most ") sized(m[3], m[4].matched);
    return ends;
  }
  if (matches(noun + " of at most " + F + unit) || matches(noun + " of at least " + F + unit + sizes)) {
    sized(m[1], m.size() > 2 && m[2].matched);
    return ends;
  }
  if (matches(noun + " of 0 or more")) return std::vector<std::string>{"0"};
  if (matches(noun + " above " + F + unit + "(?:: .*)?") || matches(noun + " below " + F + unit)) return ends;
  return std::nullopt;
}

TEST(RefusalEnds, AreReadAsAUserReadsThem) {
  using Ends = std::vector<std::string>;
  const struct {
    const char* need;
    std::optional<Ends> ends;
  } cases[] = {
      {"a value from 0.00 to 23.62 (half the beam, page 5, item 9).", Ends{"0.00", "23.62"}},
      {"a value above 0 and at most 99990.00 (what the statics report prints).", Ends{"99990.00"}},
      {"a value above 0 and below 100.00 (the water depth, page 1, item 4).", Ends{}},
      {"a period on the regular wave periods, from 4.75 to below 19.75 (page 14, item 2).", Ends{"4.75"}},
      {"a speed from -3.95 to 3.95 knots (a Froude number of 0.5 on the waterline length 300.00, page 5, item 8).",
       Ends{"-3.95", "3.95"}},
      {"0 or a separation from 0.20 (a hundredth of the length of the attachment's member, 20.00 (page 3, item 2): "
       "the side loads are its loads times its length over the separation) to 300.00 in size (the waterline "
       "length, page 5, item 8).",
       Ends{"0", "0.20", "-0.20", "300.00", "-300.00"}},
      {"0 or a value of at least 1.1755E-38 in size.", Ends{"0", "1.1755E-38", "-1.1755E-38"}},
      {"0 (the hull model's own) or a value from 0.68 (the waterplane that floats the displacement, page 5, item 1, "
       "with a heave period of 999.99 s) to 12797.34 (the waterline length times the beam).",
       Ends{"0", "0.68", "12797.34"}},
      {"a factor from 0.11 (the least that fits this hull) to 10.00 (item 20 of page 10 shows the factor), or a drift "
       "model of another hull (page 8, item 22).",
       Ends{"0.11", "10.00"}},
      {"a step above 0 and at most 360.00 degrees (the yaw table is on, item 12).", Ends{"360.00"}},
      {"a value of 0 or more.", Ends{"0"}},
      {"a value of at most 200.00 (twice the water depth, page 1, item 4).", Ends{"200.00"}},
      {"a height above 3.69 meters: at and below it the N.P.D. wind profile holds almost no wind.", Ends{}},
      {"1 for the wave-frequency dynamics (the yoke's motions in YOKEMOT).", Ends{"1"}},
      {"1, 3, 4, 5 or 6 (2, the jack-up, has no working hull model).", Ends{"1", "3", "4", "5", "6"}},
      {"a value from 0 to 10 but 9 (the Ochi-Hubble sea).", Ends{"0", "10"}},
      {"0 (which stands for 2) or a value from 2 to 90.", Ends{"0", "2", "90"}},
      {"a finite number.", Ends{}},
      {"a separation other than 0 (the yoke's side loads are its loads over it).", Ends{}},
      {"a value near 3.", std::nullopt},
      {"loads that rise from point to point.", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(closedEnds(c.need), c.ends) << c.need;
}

// The findings of the run's checks that refuse a value of the registry by name, with its figure: the
// value checks', and the hull ends'. (A test below holds that runFindings() names no other.)
std::vector<RunFinding> registryFindings() {
  std::vector<RunFinding> findings;
  valueRangeFindings(findings);
  addHullEndFindings(findings);
  return findings;
}

TEST_P(OneRulePerValue, EveryEndARefusalNamesTypedBackPassesEveryCheck) {
  ASSERT_FALSE(values_.empty());
  // runFindings() refuses no value of the registry that these do not.
  TPCM = *loaded_;
  LOWCOF = loadedLowcof_;
  const std::vector<RunFinding> all = runFindings();
  const std::vector<RunFinding> named = registryFindings();
  for (const RegisteredValue& v : values_) EXPECT_EQ(refuses(all, v), refuses(named, v)) << v.where;

  constexpr float kHuge = 3.0e38f, kTiny = 1.0e-40f;  // the largest floats, and a subnormal one
  const float provoking[] = {-kHuge, -1.0e6f, -1.0f, -kTiny, 0.0f, kTiny, 1.0f, 1.0e6f, kHuge,
                             std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity()};
  const std::int32_t provokingInts[] = {INT32_MIN, -1, 0, 1, 2, INT32_MAX};
  int typedBack = 0;
  for (const RegisteredValue& v : values_) {
    std::set<std::int64_t> provocations = justBeyond(v);
    if (v.integer) {
      provocations.insert(std::begin(provokingInts), std::end(provokingInts));
    } else {
      for (const float x : provoking) provocations.insert(std::isnan(x) ? orderedOf(x) : orderedOf(x));
    }
    std::set<std::int64_t> tried;
    for (const std::int64_t at : provocations) {
      loadWith(v, at);
      for (const RunFinding& f : registryFindings()) {
        const std::string message = messageOf(f);
        if (!f.fatal || !names(f, v)) continue;
        const std::size_t needs = message.find("the analysis needs ");
        ASSERT_NE(needs, std::string::npos) << message;
        const std::optional<std::vector<std::string>> ends = closedEnds(message.substr(needs + 19));
        ASSERT_TRUE(ends.has_value()) << "a range this reader cannot read: " << message;
        for (const std::string& end : *ends) {
          // As the page stores the figure typed: a float (times the unit the page shows it in), or a
          // whole number.
          const std::int64_t typed = v.integer ? std::stoll(end)
                                               : orderedOf(std::strtof(end.c_str(), nullptr) * v.perShown);
          if (!tried.insert(typed).second) continue;
          ++typedBack;
          loadWith(v, typed);
          std::vector<RunFinding> again;
          for (const RunFinding& g : registryFindings())
            if (g.fatal && names(g, v)) again.push_back(g);
          EXPECT_TRUE(again.empty()) << v.where << ": " << end << ", named by\n"
                                     << message << "\ntyped back, is refused again:\n"
                                     << (again.empty() ? "" : messageOf(again.front()));
        }
      }
    }
  }
  RecordProperty("typed_back", typedBack);
}

INSTANTIATE_TEST_SUITE_P(EveryCase, OneRulePerValue, ::testing::ValuesIn(configs()), configName);

}  // namespace
}  // namespace qv

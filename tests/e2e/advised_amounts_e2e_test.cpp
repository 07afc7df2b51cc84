// The amounts a message names, typed back as printed, through the real runner: a least amount it
// asks for runs, and the figure one print unit short of it is refused again by the same check.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/temp_dir.h"

namespace qv {
namespace {

std::filesystem::path casePath(const std::string& name) {
  return std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases" / name;
}

// A folder holding the user's case `name` (tests/e2e/cases/<name>: its SALMDAT with `edit` made to
// it as a user would make it on the pages, and its other files as they are).
void writeCase(const e2e::Folder& folder, const std::string& name, const std::function<void(Tpcm&)>& edit) {
  for (const auto& entry : std::filesystem::directory_iterator(casePath(name))) {
    const std::string file = entry.path().filename().string();
    std::string bytes = testing_support::readFileText(entry.path());
    if (file == "SALMDAT") {
      std::memcpy(&TPCM, bytes.data(), bytes.size());
      edit(TPCM);
      std::memcpy(bytes.data(), &TPCM, bytes.size());
    }
    folder.writeFile(file, bytes);
  }
}

// The run's messages on standard error, their lines joined, the indents taken out.
std::string flat(const std::string& message) {
  std::string text;
  std::size_t start = 0;
  while (start < message.size()) {
    std::size_t end = message.find('\n', start);
    if (end == std::string::npos) end = message.size();
    std::string line = message.substr(start, end - start);
    const std::size_t first = line.find_first_not_of(' ');
    text += (text.empty() ? "" : " ") + (first == std::string::npos ? std::string() : line.substr(first));
    start = end + 1;
  }
  return text;
}

// The figure after `label` in `text`, as printed ("" where there is none).
std::string figureAfter(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) return {};
  const std::size_t from = at + label.size();
  return text.substr(from, text.find_first_of(" ,)", from) - from);
}

// ---- the least water depth at which a column stands ----

// The pendular case: a column of three members in 60 m of sea water (1.025 t/m^3): member 1
// (element 1, 45 m) stands on the sea bed; member 2, the buoy (element 2: 25 m long, 1256.6 m^3,
// 400 t with its centre of gravity 10 m above its lower end, waterplane 50.27 m^2), stands on it and
// pierces the surface; member 3, the link to the vessel (element 3: 350 t, its centre of gravity 22
// m above its lower end), hangs from the vessel onto the buoy's top.
//
// The buoy hinged at its lower end stands when its buoyancy and waterplane right it more than its
// weight and the link's load on its top turn it over, for a small tilt: rho A h^2 / 2 + rho I =
// W zg + P L, h its draft, A = 1256.6 / 25 m^2 its section, I = Awp^2 / (4 pi) its circular
// waterplane's second moment, and P = W3 (L3 - 22) / L3 the link's weight on its lower end (the
// link leans between two hinges under no horizontal load). The least depth is 45 m + h.
double closedFormLeastDepth(double linkLength) {
  constexpr double rho = 1.025, volume = 1256.6, length = 25.0, waterplane = 50.27, weight = 400.0, zg = 10.0;
  const double A = volume / length;
  const double I = waterplane * waterplane / (4.0 * std::numbers::pi);
  const double P = 350.0 * (linkLength - 22.0) / linkLength;
  const double h = std::sqrt((weight * zg + P * length - rho * I) / (0.5 * rho * A));
  return 45.0 + h;
}

struct DepthRun {
  int status = -1;
  std::string least;  // "60.43": the least depth the refusal names
  std::string now;    // the depth it shows beside it
};

DepthRun runAtDepth(float depth, float linkLength) {
  e2e::Folder folder;
  writeCase(folder, "pendular-60m", [&](Tpcm& t) {
    t.DEPTH = depth;
    t.SLEN(3) = linkLength;
  });
  const e2e::Run run = folder.runAnalysis();
  EXPECT_FALSE(run.timedOut);
  const std::string text = flat(run.err);
  return {run.status, figureAfter(text, "the column stands from a water depth of "), figureAfter(text, "(now ")};
}

// The least depth the refusal names, typed back as printed (as the page stores it, a 4-byte float),
// runs; one hundredth less is refused by the same check, which names the same least depth and shows
// the depth typed as another figure. The named depth agrees with the buoy's closed form to within
// the print unit and the run's own float arithmetic. With the link as given the closed form's
// 60.4225 m lies below the run's own edge (60.424 refused, 60.425 runs), which a depth rounded to the
// nearest hundredth (60.42) missed; with a 36 m link it is 61.7144 m.
TEST(AdvisedAmountsE2e, TheLeastDepthAColumnStandsAtRunsTypedAsPrinted) {
  for (const float link : {30.0f, 36.0f}) {
    SCOPED_TRACE("link of " + std::to_string(link) + " m");
    const DepthRun given = runAtDepth(60.0f, link);
    ASSERT_EQ(given.status, 1);
    ASSERT_FALSE(given.least.empty());
    EXPECT_EQ(given.now, "60.00");
    const double named = std::strtod(given.least.c_str(), nullptr);
    EXPECT_NEAR(named, closedFormLeastDepth(link), 0.015) << given.least;

    const DepthRun typed = runAtDepth(std::strtof(given.least.c_str(), nullptr), link);
    EXPECT_EQ(typed.status, 0) << given.least;
    EXPECT_TRUE(typed.least.empty());

    const float shortOfIt = std::strtof((std::to_string(std::lround(named * 100.0) - 1) + "e-2").c_str(), nullptr);
    const DepthRun refused = runAtDepth(shortOfIt, link);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.least, given.least);
    EXPECT_NE(refused.now, refused.least);
  }
}

}  // namespace
}  // namespace qv

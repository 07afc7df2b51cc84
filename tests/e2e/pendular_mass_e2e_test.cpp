// The weathervane equilibrium of the slow drift through the real editor and runner, for the tanker
// example held by its yoke and by a pendular mass, with the wind from 150 deg and the current from
// 120 deg, so that the mooring's own yaw moment takes part: the same system converted into English
// units on page 1 lies at the same headings under the same force, and the system built L times
// larger (Froude similarity, support/froude_scaling.h) lies at the same headings under L^3 times the
// force, L times as far off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "support/example_data.h"
#include "support/froude_scaling.h"
#include "support/report_values.h"

namespace qv {
namespace {

using namespace std::chrono_literals;
using testing_support::example;
using testing_support::numberAfter;
using testing_support::withWord;

// A foot is 0.3048 m exactly; a metric ton weighs 1000 kg x 2.20462262 lb/kg = 2.20462262 kips.
constexpr double kFeetPerMetre = 1.0 / 0.3048;
constexpr double kKipsPerTon = 2.20462262;

// The printed values carry two decimals: each may be off by half the last place.
constexpr double kPrinted = 0.005;
// The scan takes a heading to 2e-4 rad of the root (0.0115 deg); the other units or size repeat
// that search on the same problem, so two headings agree within that and their printing.
constexpr double kHeadingTolerance = 0.0115 + 2.0 * kPrinted;  // [deg]
// The net force and the offset at headings that close: within 0.1 percent.
constexpr double kRelative = 1e-3;

struct Attachment {
  const char* what;
  std::int32_t iarco;
};
constexpr Attachment kAttachments[] = {{"the yoke", kYoke}, {"the pendular mass", kPendularMass}};

// The tanker example with the attachment, the wind from 150 deg and the current from 120 deg; the slow
// drift's equilibrium is what is read, so the wave-frequency dynamics are left out.
std::string tankerWith(std::int32_t iarco) {
  std::string image = example("tanker-yoke");
  image = withWord(image, offsetof(Tpcm, IARCO), iarco);
  image = withWord(image, offsetof(Tpcm, WNDHDG), 150.0f);
  image = withWord(image, offsetof(Tpcm, CURHDG), 120.0f);
  return withWord(image, offsetof(Tpcm, LDYN), std::int32_t{0});
}

// The most stable equilibrium of section IV of "LOWOUT.stxt".
struct Equilibrium {
  double salmHeading;   // [deg]
  double force;         // the SALM's restoring force [t | kips]
  double offset;        // [m | ft]
  double vesselHeading; // [deg]
};

Equilibrium equilibriumOf(const std::string& image, const std::string& what) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", image);
  const e2e::Run run = folder.runAnalysis();
  EXPECT_FALSE(run.timedOut) << what;
  EXPECT_EQ(run.status, 0) << what << "\n" << run.out << run.err;
  const std::string lowout = folder.readFile("LOWOUT.stxt");
  const std::string from = ">>> Most stable equilibrium <<<";
  return {numberAfter(lowout, from, "SALM heading ..............................."),
          numberAfter(lowout, from, "SALM restoring force ......................."),
          numberAfter(lowout, from, "Vessel offset .............................."),
          numberAfter(lowout, from, "Vessel heading .............................")};
}

// |a - b| of two headings [deg], across the turn.
double degreesApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

// `scaled` against `base` times `factor`: within kRelative and the printing of both.
void expectScaled(double scaled, double base, double factor, const std::string& what) {
  const double expected = base * factor;
  const double allowed = kRelative * std::fabs(expected) + kPrinted * (1.0 + std::fabs(factor));
  EXPECT_NEAR(scaled, expected, allowed) << what;
}

void expectSimilar(const Equilibrium& scaled, const Equilibrium& base, double forceFactor, double lengthFactor,
                   const std::string& what) {
  EXPECT_LE(degreesApart(scaled.salmHeading, base.salmHeading), kHeadingTolerance)
      << what << ": SALM heading " << scaled.salmHeading << " against " << base.salmHeading;
  EXPECT_LE(degreesApart(scaled.vesselHeading, base.vesselHeading), kHeadingTolerance)
      << what << ": vessel heading " << scaled.vesselHeading << " against " << base.vesselHeading;
  expectScaled(scaled.force, base.force, forceFactor, what + ": restoring force");
  expectScaled(scaled.offset, base.offset, lengthFactor, what + ": offset");
}

// Page 1, item 3: the whole data set into English units (the warning's pause answered with Return);
// then the last page: save and exit.
constexpr std::string_view kConvertAndSave = "M\n3\n2\n\nL\n1\n";

TEST(PendularMassE2e, TheEquilibriumIsTheSameInEnglishUnits) {
  for (const Attachment& a : kAttachments) {
    const std::string metric = tankerWith(a.iarco);
    const Equilibrium inMetres = equilibriumOf(metric, a.what);

    e2e::Folder folder;
    folder.writeFile("SALMDAT", metric);
    const e2e::Run session = folder.run(kConvertAndSave);
    ASSERT_FALSE(session.timedOut) << a.what;
    ASSERT_EQ(session.status, 0) << a.what << "\n" << session.out;
    const Equilibrium inFeet = equilibriumOf(folder.readFile("SALMDAT"), a.what);
    expectSimilar(inFeet, inMetres, kKipsPerTon, kFeetPerMetre, a.what);
  }
}

// An image with its data set Froude-scaled by L.
std::string froudeScaled(std::string image, double L) {
  const auto t = std::make_unique<Tpcm>();
  const std::size_t bytes = std::min(image.size(), sizeof(Tpcm));
  std::memcpy(static_cast<void*>(t.get()), image.data(), bytes);
  testing_support::froudeScale(*t, L);
  std::memcpy(image.data(), static_cast<const void*>(t.get()), bytes);
  return image;
}

TEST(PendularMassE2e, TheSystemBuiltLargerOrSmallerLiesAtTheSameHeadings) {
  for (const Attachment& a : kAttachments) {
    const std::string image = tankerWith(a.iarco);
    const Equilibrium base = equilibriumOf(image, a.what);
    for (const double L : {0.5, 2.0, 3.0}) {
      const std::string what = std::string(a.what) + " at L = " + std::to_string(L);
      expectSimilar(equilibriumOf(froudeScaled(image, L), what), base, L * L * L, L, what);
    }
  }
}

}  // namespace
}  // namespace qv

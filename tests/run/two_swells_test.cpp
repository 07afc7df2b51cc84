// A second swell (a data set of another program of the family holds one) in the whole analysis of
// the committed examples. The sea a body meets is the sum of its wave systems, whichever of them is
// called first:
//
// - the two swells given in either order give one answer: the slow drift's equilibrium, damping and
//   variances, and the wave-frequency statistics of the column, as the reports print them;
// - a second swell of no height leaves the run of the swell alone as it was;
// - superposition, which owes nothing to how the stages treat a second swell: two swells of one
//   heading act as one swell whose spectrum is the sum of theirs. The mean wave drift is linear in
//   the spectrum (the integral of the drift coefficient times it), and so is the response spectrum
//   of every wave-frequency quantity (the operator's square times it): the equilibrium, the vessel's
//   motion statistics and the column's wave-frequency statistics must agree. The drift drag, whose
//   force grows with the spectrum's moment to the power 1.5, is turned off there, and the slow-drift
//   variances, quadratic in the spectrum, are not compared.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "example_run.h"
#include "hull/equilb.h"
#include "hull/pascom.h"
#include "platform/block_reset.h"
#include "run/analysis_run.h"
#include "slowdrift/ergcom.h"
#include "slowdrift/output.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/report_values.h"
#include "support/swells.h"
#include "support/temp_dir.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::IsClose;
using testing_support::maskClock;
using testing_support::numberAfter;
using testing_support::readFileText;
using testing_support::sameToPrintPrecision;
using testing_support::setSwell;
using testing_support::SwellItems;

// One swell of the runs: its items with the heading taken as a turn from the example's sea heading
// (180 degrees).
struct Swell {
  std::int32_t type;
  float height;     // [m]
  float period;     // [s]
  float turn;       // heading less the sea's [deg]
  float gamma, sigmaBelow, sigmaAbove;  // a general JONSWAP's shape
};

// A mean JONSWAP and a general JONSWAP of its own shape, on headings of their own: off the sea's, so
// that the vessel weathervanes and the column meets them apart.
constexpr Swell kFirst{kSpectrumMeanJonswap, 2.5f, 12.0f, 30.0f, 0.0f, 0.0f, 0.0f};
constexpr Swell kSecond{kSpectrumGeneralJonswap, 3.0f, 15.0f, -45.0f, 2.0f, 0.06f, 0.1f};

// The example with the swell a and, unless it is none, the second swell b.
std::string withSwells(const std::string& name, const Swell& a, const Swell* b) {
  return edited(example(name), [&](Tpcm& t) {
    const auto items = [&t](const Swell& s) {
      return SwellItems{s.type, s.height, s.period, t.SEAHDG(1) + s.turn, 0.0f, s.gamma, s.sigmaBelow, s.sigmaAbove};
    };
    t.LSWLOK = 0;
    setSwell(t, 1, items(a));
    if (b != nullptr) setSwell(t, 2, items(*b));
  });
}

// What a run leaves that the tests compare: the equilibrium and the low-frequency modes of the slow
// drift, the column's wave-frequency statistics as amplitudes, and the reports.
struct RunResults {
  float load = 0.0f, vessel = 0.0f, salm = 0.0f, offset = 0.0f;  // FTOT, TANGLE, SLMANG [rad], REQLIB
  float swellX = 0.0f, swellY = 0.0f;                               // the swells' drift force there
  std::vector<float> modes;      // per low-frequency mode: the swells' damping, the total damping, the amplitudes
  std::vector<float> amplitudes;  // OUTPUT's wave-frequency statistics: loads, angles, positions, rates, moments
  std::array<float, 6> vesselMotions{};  // the vessel's RMS motions in the sea state (PASCOM)
  std::string lowout, ranout;
};

RunResults resultsOfRun() {
  RunResults r;
  const Equilb& e = EQUILB;
  const Output& o = OUTPUT;
  r.load = e.FTOT(e.ISTAB);
  r.vessel = e.TANGLE(e.ISTAB);
  r.salm = e.SLMANG(e.ISTAB);
  r.offset = ERGCOM.REQLIB;
  r.swellX = e.SXSWL;
  r.swellY = e.SYSWL;
  for (int mode = 1; mode <= 3; ++mode) {
    const LowModeRecord& m = e.MODREC(mode);
    for (float v : {m.GAMSWL, m.GMSDG, m.GAMTOT, m.EGMSG, m.VARSWL, m.VSWDG, m.VARTOT}) r.modes.push_back(v);
  }
  for (float v : o.FSIGHF) r.amplitudes.push_back(v);
  for (float v : o.ASIGHF) r.amplitudes.push_back(v);
  for (float v : o.TSIGHF) r.amplitudes.push_back(v);
  for (float v : o.RSIGHF) r.amplitudes.push_back(v);
  for (float v : o.SIGDOT) r.amplitudes.push_back(v);
  for (float v : o.momentVariances) r.amplitudes.push_back(v);
  for (int q = 1; q <= 6; ++q) r.vesselMotions[static_cast<std::size_t>(q - 1)] = PASCOM.NETVESMOT_RMS(q);
  return r;
}

// The low-frequency report from its section IV on: section III lists the wave systems as the data set
// calls them.
std::string fromSectionFour(const std::string& lowout) {
  const std::size_t at = lowout.find("IV.  STATIC EQUILIBRIUM SUMMARY");
  return at == std::string::npos ? std::string() : lowout.substr(at);
}

// The statistics of the statistics report, sections IX and X. Section XI gives, with each mode's
// period, the quasi-linear damping of the drag linearisation as the last heading of the vessel's
// motions left it; the swells' headings come in the order the data set calls them.
std::string statistics(const std::string& ranout) { return ranout.substr(0, ranout.find("XI.  SALM INTERNAL MODE")); }

class TwoSwells : public testing_support::ExampleRun {
 protected:
  // The whole analysis of the image, as the runner runs it.
  RunResults run(const std::string& image) {
    closeAllUnits();
    resetAllBlocks();
    EXPECT_EQ(runImage(image), -1) << testing_support::readFileText("Diagnostics.stxt");
    RunResults r = resultsOfRun();
    if (std::filesystem::exists("LOWOUT.stxt")) r.lowout = maskClock(readFileText("LOWOUT.stxt"));
    r.ranout = maskClock(readFileText("RANOUT.stxt"));
    return r;
  }

  // The analysis stage by stage, with the data set changed by `edit` after the run's checks, which
  // refuse a swell of no height.
  template <class Edit>
  RunResults runStages(const std::string& image, Edit edit) {
    closeAllUnits();
    resetAllBlocks();
    std::ofstream("SALMDAT", std::ios::binary) << image;
    testing_support::ConsoleCapture console;
    EXPECT_EQ(testing_support::stopStatus([] { prepareRun(RunMode::kUnattended); }), -1);
    edit(TPCM);
    for (const AnalysisStage& stage : stagesOf()) {
      EXPECT_EQ(testing_support::stopStatus([&stage] { runStage(stage); }), -1) << stage.name;
    }
    return resultsOfRun();
  }
};

void expectClose(const std::vector<float>& a, const std::vector<float>& b, double rel, double abs, const char* what) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t k = 0; k < a.size(); ++k) EXPECT_TRUE(IsClose(a[k], b[k], rel, abs)) << what << " " << k;
}

constexpr const char* kExamples[] = {"tanker-yoke", "free-salm"};

TEST_F(TwoSwells, GivenInEitherOrderTheyGiveOneAnswer) {
  for (const char* name : kExamples) {
    SCOPED_TRACE(name);
    const RunResults given = run(withSwells(name, kFirst, &kSecond));
    const RunResults swapped = run(withSwells(name, kSecond, &kFirst));
    EXPECT_TRUE(IsClose(swapped.load, given.load, 1e-5));
    EXPECT_TRUE(IsClose(swapped.vessel, given.vessel, 0.0, 1e-5));
    EXPECT_TRUE(IsClose(swapped.offset, given.offset, 1e-5, 1e-6));
    EXPECT_TRUE(IsClose(swapped.swellX, given.swellX, 1e-5, 1e-4));
    EXPECT_TRUE(IsClose(swapped.swellY, given.swellY, 1e-5, 1e-4));
    expectClose(swapped.modes, given.modes, 1e-4, 1e-9, "low-frequency mode value");
    expectClose(swapped.amplitudes, given.amplitudes, 1e-4, 1e-6, "wave-frequency amplitude");
    EXPECT_FALSE(given.ranout.empty());
    EXPECT_TRUE(sameToPrintPrecision(statistics(swapped.ranout), statistics(given.ranout))) << "RANOUT.stxt";
    EXPECT_TRUE(sameToPrintPrecision(fromSectionFour(swapped.lowout), fromSectionFour(given.lowout))) << "LOWOUT.stxt";
  }
  // The second swell acts: the tanker's equilibrium is not that of the first swell alone.
  const RunResults first = run(withSwells("tanker-yoke", kFirst, nullptr));
  const RunResults both = run(withSwells("tanker-yoke", kFirst, &kSecond));
  EXPECT_GT(std::fabs(both.load - first.load), 0.01f * first.load);
  EXPECT_NE(both.amplitudes, first.amplitudes);
  // The report gives the second swell after the swell: 4 sqrt(m0) of its spectrum on the grid.
  EXPECT_TRUE(IsClose(numberAfter(both.lowout, "WAVE CONDITIONS", "Second swell significant height ...."),
                      kSecond.height, 0.01));
}

TEST_F(TwoSwells, ASecondSwellOfNoHeightLeavesTheRunOfTheSwell) {
  for (const char* name : kExamples) {
    SCOPED_TRACE(name);
    const RunResults swell = runStages(withSwells(name, kFirst, nullptr), [](Tpcm&) {});
    const RunResults none = runStages(withSwells(name, kFirst, &kSecond), [](Tpcm& t) { t.SWELHT2 = 0.0f; });
    EXPECT_TRUE(IsClose(none.load, swell.load, 1e-6));
    EXPECT_TRUE(IsClose(none.vessel, swell.vessel, 0.0, 1e-6));
    EXPECT_TRUE(IsClose(none.offset, swell.offset, 1e-6, 1e-7));
    EXPECT_TRUE(IsClose(none.swellX, swell.swellX, 1e-6, 1e-6));
    expectClose(none.modes, swell.modes, 1e-5, 1e-12, "low-frequency mode value");
    expectClose(none.amplitudes, swell.amplitudes, 1e-5, 1e-9, "wave-frequency amplitude");
  }
}

TEST_F(TwoSwells, OfOneHeadingTheyActAsOneSwellOfTheSummedSpectrum) {
  constexpr Swell kAlong{kSpectrumMeanJonswap, 2.5f, 12.0f, 30.0f, 0.0f, 0.0f, 0.0f};
  constexpr Swell kAlongToo{kSpectrumGeneralJonswap, 3.0f, 15.0f, 30.0f, 2.0f, 0.06f, 0.1f};
  for (const char* name : kExamples) {
    SCOPED_TRACE(name);
    const auto noDriftDrag = [](const std::string& image) {
      return edited(image, [](Tpcm& t) { t.LEGDRG = 1; });
    };
    const RunResults two = run(noDriftDrag(withSwells(name, kAlong, &kAlongToo)));
    // The two spectra the run built, summed, as the ordinates of one user-defined swell.
    std::array<float, kMaxWavePeriods> sum{};
    for (int i = 1; i <= TPCM.NWP; ++i) sum[static_cast<std::size_t>(i - 1)] = WAVCOM.SWLPSD(i) + WAVCOM.SWLPSD2(i);
    ASSERT_GT(*std::max_element(sum.begin(), sum.end()), 0.0f);
    const std::string single = edited(noDriftDrag(withSwells(name, kAlong, nullptr)), [&sum](Tpcm& t) {
      ASSERT_NE(t.WAVTYP, kSpectrumUserOrdinates);  // the ordinates are the swell's alone
      t.SWLTYP = kSpectrumUserOrdinates;
      for (int i = 1; i <= t.NWP; ++i) t.USRPSD(i) = sum[static_cast<std::size_t>(i - 1)];
    });
    const RunResults one = run(single);
    EXPECT_TRUE(IsClose(one.load, two.load, 1e-4));
    EXPECT_TRUE(IsClose(one.vessel, two.vessel, 0.0, 1e-4));
    EXPECT_TRUE(IsClose(one.offset, two.offset, 1e-4, 1e-5));
    EXPECT_TRUE(IsClose(one.swellX, two.swellX, 1e-4, 1e-3));
    EXPECT_TRUE(IsClose(one.swellY, two.swellY, 1e-4, 1e-3));
    for (int q = 0; q < 6; ++q) {
      EXPECT_TRUE(IsClose(one.vesselMotions[static_cast<std::size_t>(q)], two.vesselMotions[static_cast<std::size_t>(q)],
                          1e-4, 1e-9))
          << "vessel motion " << q + 1;
    }
    expectClose(one.amplitudes, two.amplitudes, 1e-3, 1e-6, "wave-frequency amplitude");
  }
}

// A swell alone (the sea switched off) loads the column's members from its own heading, as it moves
// the vessel: the heading left on the switched-off sea's page changes nothing, and the swell alone
// acts as a sea of its spectrum and heading would.
TEST_F(TwoSwells, ASwellAloneLoadsTheMembersFromItsOwnHeading) {
  const auto swellAlone = [](float staleSeaHeading) {
    return edited(withSwells("tanker-yoke", kFirst, nullptr), [staleSeaHeading](Tpcm& t) {
      t.LRANDM = 0;
      t.WAVHDG(1) = t.SWLHDG;  // the regular waves follow the swell, as the swell page sets them
      t.SEAHDG(1) = staleSeaHeading;
    });
  };
  const RunResults asLeft = run(swellAlone(180.0f));
  const RunResults turned = run(swellAlone(120.0f));
  EXPECT_TRUE(IsClose(turned.load, asLeft.load, 1e-6));
  EXPECT_TRUE(IsClose(turned.vessel, asLeft.vessel, 0.0, 1e-6));
  expectClose(turned.amplitudes, asLeft.amplitudes, 1e-5, 1e-9, "stale sea heading: wave-frequency amplitude");
  // The same spectrum on the same heading as the sea, with the swell off.
  const RunResults sea = run(edited(example("tanker-yoke"), [](Tpcm& t) {
    t.LSWELL = 0;
    t.WAVTYP = kFirst.type;
    t.SWHT(1) = kFirst.height;
    t.SIGPD(1) = kFirst.period;
    t.SEAHDG(1) += kFirst.turn;
    t.WAVHDG(1) = t.SEAHDG(1);
  }));
  EXPECT_TRUE(IsClose(sea.load, asLeft.load, 1e-4));
  expectClose(sea.amplitudes, asLeft.amplitudes, 1e-4, 1e-6, "as a sea: wave-frequency amplitude");
}

}  // namespace
}  // namespace qv

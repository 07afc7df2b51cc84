// A new user's buoyant riser under a discus buoy, run as they ran it: the riser's elements just span
// the height from its hinge to the buoy's keel, or with 2 ft to spare, and the run refuses it before
// any stage, naming the lengths, the height and what to change; with element 2 at 40 ft it runs, and
// its mean configuration is held against a free body of the riser written here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstddef>
#include <cstring>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/report_values.h"
#include "support/user_riser.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;

// The user's data set, built as they built it from the tanker example (English units): a discus
// buoy of 140 ft across and 40 ft draft in 150 ft of water, a JONSWAP sea of 15 ft at 10 s from 180
// degrees with a swell of 6 ft at 14 s from 150, wind of 40 knots and current of 2 knots; on a
// buoyant riser of two elements (80 ft: 4,000 cubic feet at 40 ft, 100 kips at 35 ft; then the
// element of `secondLength`: 9,425 cubic feet at 15 ft, 150 kips at 15 ft) under water for the
// statics (page 3, option 7), hinged on the sea bed and held at the buoy's keel, 110 ft above the
// hinge; loads tabulated at 90 points up to 600 kips. The dynamics run.
std::string riserUnderDisc(float secondLength) {
  std::string image = example("tanker-yoke");
  std::memcpy(&TPCM, image.data(), image.size());
  Tpcm& t = TPCM;
  t.CID1P.assign("Buoyant riser under a discus buoy");
  t.CID2P.assign("");
  t.NUNTS = kEnglishUnits;
  // The site and the sea.
  t.DEPTH = 150.0f;
  t.DWATR = 64.0f;
  t.NWP = 30;
  for (int i = 1; i <= 30; ++i) t.T(i) = 4.5f + 0.5f * static_cast<float>(i);
  t.WAVTYP = 5;  // JONSWAP
  t.SWHT(1) = 15.0f;
  t.JONPL = 0.07f;
  t.JONPG = 0.09f;
  t.JONGAM = 3.3f;
  t.SLPHT = 10.0f;
  t.LSWELL = 1;
  t.SWELHT = 6.0f;
  t.SWELPD = 14.0f;
  t.SWLHDG = 150.0f;
  t.WNDHDG = 190.0f;
  t.CURHDG = 200.0f;
  t.LCSTCR = 0;
  // The buoy.
  t.VESTYP = kDiscBuoy;
  t.DISPL = 40000.0f;
  t.DRAFT = 40.0f;
  t.AWP = 15394.0f;
  t.LWL = t.BWL = 140.0f;
  t.TVKB = 20.0f;
  t.TVKG = 30.0f;
  t.TVKMT = t.TVKML = 50.6f;
  t.PGYR = 182.53282f;
  t.RGYR = 39.441982f;
  t.TYGYR = 185.12497f;
  t.BILGR = 8.2399817f;
  t.LOADED = t.DFTPCT = t.DSPPCT = 100.0f;
  t.DWTONS = 134400.0f;
  t.TXWNDA = 6696.0713f;
  t.TYWNDA = 15914.307f;
  t.TXCURA = 4669.0571f;
  t.TYCURA = 27393.936f;
  t.LWBARG = 1365;
  t.LCBARG = 1911;
  t.LWVCOF = 1092;
  t.XSALM = 0.0f;
  t.PNDARM = 1.0f;
  // The riser.
  testing_support::setUserRiser(t, secondLength);
  t.NMOMT = 1;
  t.LMOMT(3) = 0;
  t.GYRAD(1) = 30.0f;
  t.GYRAD(2) = 10.0f;
  t.YOKEHT = 30.0f;
  t.WPAPRC = 314.16f;
  t.NUMTAB = 90;
  t.OFFINC = 2.0f;
  t.LPOSN = 0;
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

// The refusal of the riser as the user gave it (element 2 at 30 ft) and with 2 ft to spare: status 1
// before any stage, the run checks' finding (its words are run_checks_test's) on standard error and
// in "Diagnostics.stxt", no report written; at the console, the finding on the screen, waiting for
// the user.
TEST(BuoyantRiserE2e, ARiserSpanningTheHeightToTheKeelIsRefusedBeforeAnyStage) {
  struct Case {
    const char* what;
    float secondLength;
    const char* spare;  // what the finding says of the slack and the members' bend
  };
  const Case cases[] = {
      {"no slack", 30.0f, "with 0.00 feet to spare. Under the largest load of the table, 600.00 kips (page 2, item 2),\n"
                          "     they would stand 0.00 degrees out of line"},
      {"2 ft to spare", 32.0f, "with 2.00 feet to spare. Under the largest load of the table, 600.00 kips (page 2, item 2),\n"
                               "     they would stand 1.14 degrees out of line"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string image = riserUnderDisc(c.secondLength);
    std::memcpy(&TPCM, image.data(), image.size());
    std::string finding;
    for (const RunFinding& f : runFindings()) {
      if (f.lines.front().find("members would stand nearly in line") == std::string::npos) continue;
      for (const std::string& line : f.lines) finding += line + "\n";
    }
    ASSERT_TRUE(contains(finding, c.spare)) << finding;

    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, finding);
    EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"), "\n" + finding));
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));

    e2e::Folder console;
    console.writeFile("SALMDAT", image);
    const e2e::Run asked = console.runAnalysis({"--interactive"}, "\n\n\n");
    ASSERT_FALSE(asked.timedOut);
    EXPECT_EQ(asked.status, 1);
    EXPECT_TRUE(contains(asked.out, finding + "\n Press <RETURN> to continue: ")) << asked.out;
    EXPECT_EQ(console.files(), (std::vector<std::string>{"SALMDAT"}));
  }
}

// A riser that the run's checks let through, yet whose members stand nearly in line under the mean
// load: half a foot to spare, which the keel's heave in a calm sea (a JONSWAP sea of 0.6 ft and a
// swell of 0.2 ft) does not take up, and a table up to 100 kips, under which the members bend enough.
// An unattended run stops at the mean load beyond the table, and a run at the console that goes on
// past it solves the riser at its mean load of 378.30 kips, 0.44 degrees out of line, where the
// keel's heave gives it loads of a million kips: the statistics report stops where it would print
// them as asterisks, names the load and what to change, and no report is kept. (Page 18 asks for no
// response tables, whose loads per unit wave would stop the run before it.)
TEST(BuoyantRiserE2e, LoadsBeyondWhatTheReportPrintsStopTheRun) {
  std::string image = riserUnderDisc(30.5f);
  std::memcpy(&TPCM, image.data(), image.size());
  TPCM.TLOAD = 100.0f;
  TPCM.SWHT(1) = 0.6f;
  TPCM.SWELHT = 0.2f;
  TPCM.ALLRAO = TPCM.PRNRAO = 0;
  std::memcpy(image.data(), &TPCM, image.size());
  e2e::Folder unattended;
  unattended.writeFile("SALMDAT", image);
  const e2e::Run stopped = unattended.runAnalysis();
  ASSERT_FALSE(stopped.timedOut);
  EXPECT_EQ(stopped.status, 1);
  EXPECT_TRUE(contains(stopped.err, " ++> WARNING; a static load exceeds the maximum table value")) << stopped.err;

  e2e::Folder console;
  console.writeFile("SALMDAT", image);
  const e2e::Run run = console.runAnalysis({"--interactive"}, std::string(300, '\n'));
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.out,
                       " ++> RANOUT: The most probable wave-frequency peak of the axial load at the base is 1528943.38 kips,\n"
                       "     more than the report's field holds (999999.99). Under the mean load of 378.30 kips, member 1\n"
                       "     (element 1) stands at 5.33 deg and member 2 (element 2) at 5.77 deg from the vertical. The\n"
                       "     loads that the vessel's heave at the keel gives a buoyant riser grow without bound as its\n"
                       "     members come into line. Give the buoyant riser more length than the height from its hinge to\n"
                       "     the vessel's keel: lengthen an element (page 3, item 2), reduce the water depth\n"
                       "     (page 1, item 4) or deepen the draft (page 5, item 10).\n"))
      << run.out;
  EXPECT_EQ(console.files(), (std::vector<std::string>{"SALMDAT"}));
}

// The significant heave of the keel in the user's sea, from the vessel's own heave operators: the
// records of "YOKEMOT" (per heading a header of NRAO, the swell's and the second swell's flags, the
// random sea's flag and the heading, then per grid period the first vessel point's x, y, z motion and
// the roll, yaw and pitch, six complex numbers), each heading's operators taken with the spectrum of
// the wave system it carries. The spectra are written here in closed form: the JONSWAP sea of 15 ft
// at 10 s (widths 0.07 and 0.09, gamma 3.3) scaled so that its whole area is Hs^2 / 16, found here
// by quadrature; the swell of 6 ft at 14 s, a Gaussian in frequency of relative width 0.1 whose
// area is Hs^2 / 16. Between the grid's periods (5 to 19.5 s by 0.5 s) the squared operator runs
// straight in frequency, and the products are integrated finely over the grid's range.
double keelHeaveFromOperators(const std::string& yokemot) {
  std::vector<std::string> records;
  for (std::size_t at = 0; at + 4 <= yokemot.size();) {
    std::int32_t length = 0;
    std::memcpy(&length, yokemot.data() + at, 4);
    records.push_back(yokemot.substr(at + 4, static_cast<std::size_t>(length)));
    at += 8 + static_cast<std::size_t>(length);
  }
  const auto word = [](const std::string& record, std::size_t k) {
    float value = 0.0f;
    std::memcpy(&value, record.data() + 4 * k, 4);
    return static_cast<double>(value);
  };
  const auto flag = [](const std::string& record, std::size_t k) {
    std::int32_t value = 0;
    std::memcpy(&value, record.data() + 4 * k, 4);
    return value;
  };
  const double pi = std::numbers::pi;
  const auto jonswapShape = [&](double w) {
    const double wp = 2.0 * pi / 10.0;
    const double sigma = w <= wp ? 0.07 : 0.09;
    const double r = w / wp - 1.0;
    return std::pow(w, -5.0) * std::exp(-1.25 * std::pow(wp / w, 4.0)) *
           std::pow(3.3, std::exp(-r * r / (2.0 * sigma * sigma)));
  };
  const auto integral = [](auto f, double from, double to, int steps) {  // Simpson's rule
    const double h = (to - from) / steps;
    double sum = f(from) + f(to);
    for (int i = 1; i < steps; ++i) sum += (i % 2 == 1 ? 4.0 : 2.0) * f(from + i * h);
    return sum * h / 3.0;
  };
  const double jonswapArea = integral(jonswapShape, 0.05, 20.0, 400000);
  const auto sea = [&](double w) { return 15.0 * 15.0 / 16.0 * jonswapShape(w) / jonswapArea; };
  const auto swell = [&](double w) {
    const double wp = 2.0 * pi / 14.0, sigma = 0.1, r = w / wp - 1.0;
    return 6.0 * 6.0 / (16.0 * std::sqrt(2.0 * pi) * sigma * wp) * std::exp(-r * r / (2.0 * sigma * sigma));
  };

  const int periods = 30;
  double variance = 0.0;
  std::size_t k = 0;
  const int headings = flag(records.at(0), 0);
  for (int heading = 1; heading <= headings; ++heading) {
    const std::string& header = records.at(k++);
    // Frequencies rising: the grid's periods from the longest.
    std::vector<double> w, z2;
    for (int i = periods; i >= 1; --i) {
      const std::string& record = records.at(k + static_cast<std::size_t>(i - 1));
      w.push_back(2.0 * pi / (4.5 + 0.5 * i));
      z2.push_back(word(record, 4) * word(record, 4) + word(record, 5) * word(record, 5));
    }
    k += periods;
    const auto operator2 = [&](double x) {
      std::size_t j = 1;
      while (j + 1 < w.size() && w[j] < x) ++j;
      return z2[j - 1] + (z2[j] - z2[j - 1]) * (x - w[j - 1]) / (w[j] - w[j - 1]);
    };
    if (flag(header, 3) != 0) variance += integral([&](double x) { return sea(x) * operator2(x); }, w.front(), w.back(), 20000);
    if (flag(header, 1) != 0) variance += integral([&](double x) { return swell(x) * operator2(x); }, w.front(), w.back(), 20000);
  }
  return 2.0 * std::sqrt(variance);
}

// The riser with 3 or 5 ft of slack, which the keel's heave in the user's sea (7.23 ft) takes up,
// stops once the vessel response has found that heave, before the SALM's stages: status 1, the
// message on standard error and in "Diagnostics.stxt", no report kept; at the console the message
// and its pause. With 10 or 20 ft it runs. The heave the message names is the one the vessel's heave
// operators give in the sea written here (keelHeaveFromOperators), to 1 %.
TEST(BuoyantRiserE2e, ARiserWhoseSlackTheKeelsHeaveTakesUpStopsAfterTheVesselResponse) {
  struct Case {
    const char* what;
    float secondLength;
    const char* message;  // empty: the run goes on
  };
  const Case cases[] = {
      {"3 ft of slack", 33.0f,
       " ++> Fatal Warning: The vessel's heave at the keel takes up the buoyant riser's slack. Elements 1\n"
       "     and 2, 80.00 and 33.00 feet long, together 113.00 feet, span the 110.00 feet from the riser's\n"
       "     hinge on the sea bed to the vessel's keel (the water depth 150.00 feet less the\n"
       "     draft 40.00 feet) with 3.00 feet to spare. In the run's sea, the irregular sea (page 15) and\n"
       "     the swell (page 16) together, the vessel heaves the keel, where it holds the riser's top,\n"
       "     by 7.23 feet (the significant amplitude of its vertical motion, twice the RMS), more than the\n"
       "     slack: the riser would go taut in the waves, where the linear model of its members gives loads\n"
       "     without bound. Lengthen an element by at least 4.30 feet (page 3, item 2), or lower the keel by\n"
       "     as much: reduce the water depth (page 1, item 4) or deepen the draft (page 5, item 10), which\n"
       "     change the vessel's response too (the run checks it again); or analyse a calmer sea.\n"},
      {"5 ft of slack", 35.0f,
       " ++> Fatal Warning: The vessel's heave at the keel takes up the buoyant riser's slack. Elements 1\n"
       "     and 2, 80.00 and 35.00 feet long, together 115.00 feet, span the 110.00 feet from the riser's\n"
       "     hinge on the sea bed to the vessel's keel (the water depth 150.00 feet less the\n"
       "     draft 40.00 feet) with 5.00 feet to spare. In the run's sea, the irregular sea (page 15) and\n"
       "     the swell (page 16) together, the vessel heaves the keel, where it holds the riser's top,\n"
       "     by 7.23 feet (the significant amplitude of its vertical motion, twice the RMS), more than the\n"
       "     slack: the riser would go taut in the waves, where the linear model of its members gives loads\n"
       "     without bound. Lengthen an element by at least 2.30 feet (page 3, item 2), or lower the keel by\n"
       "     as much: reduce the water depth (page 1, item 4) or deepen the draft (page 5, item 10), which\n"
       "     change the vessel's response too (the run checks it again); or analyse a calmer sea.\n"},
      {"10 ft of slack: element 2 at 40 ft", 40.0f, ""},
      {"20 ft of slack", 50.0f, ""},
  };
  std::string yokemot;  // the vessel's motions at the keel, the same whatever the riser
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string image = riserUnderDisc(c.secondLength);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    if (std::string(c.message).empty()) {
      EXPECT_EQ(run.status, 0) << run.err;
      EXPECT_FALSE(contains(run.err, "slack")) << run.err;
      EXPECT_TRUE(folder.exists("RANOUT.stxt"));
      yokemot = folder.readFile("YOKEMOT");
      continue;
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.message);
    // After the vessel response's statistics, before the statics.
    EXPECT_TRUE(contains(folder.readFile("Diagnostics.stxt"),
                         " --> Outputting statistics data ...\n" + std::string(c.message)));
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));

    e2e::Folder console;
    console.writeFile("SALMDAT", image);
    const e2e::Run asked = console.runAnalysis({"--interactive"}, std::string(100, '\n'));
    ASSERT_FALSE(asked.timedOut);
    EXPECT_EQ(asked.status, 1);
    EXPECT_TRUE(contains(asked.out, std::string(c.message) + "\n Press <RETURN> to continue: ")) << asked.out;
    EXPECT_EQ(console.files(), (std::vector<std::string>{"SALMDAT"}));
  }
  ASSERT_FALSE(yokemot.empty());
  const double heave = keelHeaveFromOperators(yokemot);
  EXPECT_NEAR(heave, 7.23, 0.01 * 7.23);
}

// Two straight buoyant members hinged on the sea bed and held 110 ft above it at the keel, which
// pulls the top horizontally with H and vertically with V (up, on the riser): member 2's moments
// about its lower joint give V for its angle; the force member 2 passes down, (H, V + B2 - W2),
// and member 1's moments about the hinge give member 1's angle; the heights of the two must add up
// to 110 ft, which fixes member 2's angle (bisected). Angles from the vertical [rad].
struct FreeBody {
  double phi1 = 0.0, phi2 = 0.0, V = 0.0;
};
FreeBody riserFreeBody(double H, double L2) {
  const double L1 = 80.0, W1 = 100.0, g1 = 35.0, B1 = 4000.0 * 0.064, b1 = 40.0;
  const double W2 = 150.0, g2 = 15.0, B2 = 9425.0 * 0.064, b2 = 15.0;
  const auto shape = [&](double phi2) {
    FreeBody f;
    f.phi2 = phi2;
    // L2 (sin V - cos H) + sin (B2 b2 - W2 g2) = 0 about member 2's lower joint.
    f.V = (H * std::cos(phi2) - std::sin(phi2) * (B2 * b2 - W2 * g2) / L2) / std::sin(phi2);
    // L1 (sin P - cos H) + sin (B1 b1 - W1 g1) = 0 about the hinge, P = V + B2 - W2.
    const double P = f.V + B2 - W2;
    f.phi1 = std::atan2(L1 * H, L1 * P + (B1 * b1 - W1 * g1));
    return f;
  };
  double lower = 1e-6, upper = std::numbers::pi / 2.0;  // the top member lies between upright and flat
  for (int i = 0; i < 200; ++i) {
    const double middle = 0.5 * (lower + upper);
    const FreeBody f = shape(middle);
    (L1 * std::cos(f.phi1) + L2 * std::cos(f.phi2) > 110.0 ? lower : upper) = middle;
  }
  return shape(0.5 * (lower + upper));
}

// With element 2 at 40 ft (10 ft to spare) the run goes through clean: status 0, every report
// written, no field overflowed. Under the mean load the slow drift finds, the members' angles of
// "RANOUT.stxt" and the keel's vertical load that its static loads at member 2's top make are the
// free body's: members 9.35 degrees apart (20.05 and 29.40 from the vertical) and 505.6 kips.
TEST(BuoyantRiserE2e, ARiserWithTenFeetToSpareRunsAndBalancesAsAFreeBody) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", riserUnderDisc(40.0f));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::regex overflow(R"([0-9.]\*{4,}|\*{4,}[ ]*-?[0-9])");
  for (const char* report : {"STATOUT.stxt", "LOWOUT.stxt", "DYNOUT.stxt", "RANOUT.stxt", "TANKSUM.stxt"}) {
    ASSERT_TRUE(folder.exists(report)) << report;
    EXPECT_FALSE(std::regex_search(folder.readFile(report), overflow)) << report;
  }

  const double H = testing_support::numberAfter(folder.readFile("LOWOUT.stxt"), ">>> Most stable equilibrium <<<",
                                                "SALM restoring force .......................");
  EXPECT_NEAR(H, 380.68, 0.01);
  const FreeBody f = riserFreeBody(H, 40.0);
  const double degrees = 180.0 / std::numbers::pi;

  const std::string ranout = folder.readFile("RANOUT.stxt");
  const std::vector<double> top1 = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "1");
  const std::vector<double> top2 = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "2");
  ASSERT_EQ(top1.size(), 5u);
  ASSERT_EQ(top2.size(), 5u);
  EXPECT_NEAR(top1[3], f.phi1 * degrees, 0.006);  // in-plane angles, printed to 0.01 deg
  EXPECT_NEAR(top2[3], f.phi2 * degrees, 0.006);
  EXPECT_NEAR(top2[3] - top1[3], 9.35, 0.011);
  EXPECT_NEAR(top2[1], 110.0, 0.006);  // the top at the keel

  // Member 2's static loads at its top (shear, axial) turned into the vertical: the keel's load.
  const std::vector<double> loads = testing_support::rowAfter(ranout, "STATIC EQUILIBRIUM LOADS", "2");
  ASSERT_EQ(loads.size(), 6u);
  const double shear = loads[3], axial = loads[4];
  const double keel = axial * std::cos(f.phi2) - shear * std::sin(f.phi2);
  EXPECT_NEAR(f.V, 505.6, 0.05);
  EXPECT_NEAR(keel, f.V, 0.05);
  // The hinge holds the riser down with the keel's load and the net buoyancy, 609.2 kips.
  const std::vector<double> base = testing_support::rowAfter(ranout, "STATIC EQUILIBRIUM LOADS", "0");
  ASSERT_EQ(base.size(), 6u);
  EXPECT_NEAR(base[0], H, 0.01);
  EXPECT_NEAR(base[1], f.V + (9425.0 + 4000.0) * 0.064 - 250.0, 0.05);
}

}  // namespace
}  // namespace qv

// The users' buoyant risers run as they ran them (tests/e2e/cases/: riser-disc under a discus buoy,
// riser-calm and riser-table under a tanker): a riser whose elements just span the height from its
// hinge to the keel is refused before any stage; one whose run takes it beyond its members' reach
// (the reserve of its length over the hinge-to-keel distance under the slow drift's loads against
// the keel's most probable peak motion along that line, the members' bend under the run's loads) is
// refused as soon as the slow drift has found the mean state, naming what to change, and doing so
// leads on; the others run, and no report of theirs shows a member beyond its reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <cstddef>
#include <cstring>
#include <limits>
#include <numbers>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "platform/units.h"
#include "util/fortran_format.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/report_values.h"
#include "support/riser_changes.h"
#include "support/temp_dir.h"
#include "support/user_riser.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::NamedChange;
using testing_support::namedChanges;
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

// The image of a user's case, tests/e2e/cases/<name>/SALMDAT, with `edit` made to it as a user
// would make it on the pages.
std::string userCase(const std::string& name, const std::function<void(Tpcm&)>& edit = [](Tpcm&) {}) {
  std::string image =
      testing_support::readFileText(std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases" / name / "SALMDAT");
  std::memcpy(&TPCM, image.data(), image.size());
  edit(TPCM);
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

// The run's finding on standard error, its lines joined, the indents taken out.
std::string flat(const std::string& message) { return testing_support::flatMessage(message); }

// The number after `label` in a finding made flat.
double after(const std::string& text, const std::string& label) {
  const std::size_t at = text.find(label);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no \"" << label << "\" in " << text;
    return NAN;
  }
  return std::stod(text.substr(at + label.size()));
}

// No report of a run that ends well shows a member beyond its reach: in "RANOUT.stxt" each member's
// mean angle from the vertical with its most probable peak deviation (wave and low frequency
// combined) stays short of the horizontal, so that the top member, which the keel holds, never swings
// past the vertical through the hinge's side, and member 1's top, its mean radial position with its
// peak deviation, stays within member 1's length of the hinge.
void membersWithinReach(const std::string& ranout, double firstLength) {
  const std::size_t peaks = ranout.find("MOST PROBABLE PEAK MOTIONS");
  ASSERT_NE(peaks, std::string::npos);
  const std::string section = ranout.substr(peaks);
  for (const char* member : {"1", "2"}) {
    const std::vector<double> mean = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", member);
    const std::vector<double> peak =
        testing_support::rowAfter(section, "COMBINED WAVE AND LOW-FREQUENCY MOTIONS", member);
    ASSERT_EQ(mean.size(), 5u) << member;
    ASSERT_EQ(peak.size(), 5u) << member;
    EXPECT_LT(mean[3] + peak[3], 90.0) << "member " << member;
    if (std::string(member) == "1") {
      EXPECT_LT(mean[0] + peak[0], firstLength);
    }
  }
}

// No report of a run that ends well places the keel beyond the riser's reach: in "RANOUT.stxt" the
// most probable peak motions of member 2's top, the keel (wave and low frequency combined), taken
// along the line from the hinge to the keel's mean position with the least motion any phases of its
// radial and vertical parts allow, keep the keel within the riser's length of the hinge.
void keelWithinReach(const std::string& ranout, double riserLength) {
  const std::size_t peaks = ranout.find("MOST PROBABLE PEAK MOTIONS");
  ASSERT_NE(peaks, std::string::npos);
  const std::vector<double> mean = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "2");
  const std::vector<double> peak =
      testing_support::rowAfter(ranout.substr(peaks), "COMBINED WAVE AND LOW-FREQUENCY MOTIONS", "2");
  ASSERT_EQ(mean.size(), 5u);
  ASSERT_EQ(peak.size(), 5u);
  const double distance = std::hypot(mean[0], mean[1]);
  const double s = mean[0] / distance, c = mean[1] / distance;
  EXPECT_LE(distance + std::fabs(s * peak[0] - c * peak[1]), riserLength)
      << "the keel " << distance << " from the hinge, peaks " << peak[0] << " and " << peak[1];
}

// Neither the keel nor member 1's top beyond its reach in "RANOUT.stxt" of a riser of members
// `first` and `second` long (keelWithinReach; member 1's top within its length of the hinge, a top
// member may hang from it past the horizontal, down to the keel, where member 1 stands taller than
// the keel).
void topsWithinReach(const std::string& ranout, double first, double second) {
  keelWithinReach(ranout, first + second);
  const std::vector<double> mean = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "1");
  const std::vector<double> peak = testing_support::rowAfter(
      ranout.substr(ranout.find("MOST PROBABLE PEAK MOTIONS")), "COMBINED WAVE AND LOW-FREQUENCY MOTIONS", "1");
  ASSERT_EQ(mean.size(), 5u);
  ASSERT_EQ(peak.size(), 5u);
  EXPECT_LT(mean[0] + peak[0], first);
}

// The finding that refuses the case `name` with `edit` made to it, run unattended in `folder`
// (status 1), its lines joined.
std::string refusalOf(e2e::Folder& folder, const std::string& name, const std::function<void(Tpcm&)>& edit) {
  folder.writeFile("SALMDAT", userCase(name, edit));
  const e2e::Run run = folder.runAnalysis();
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  return flat(run.err.substr(std::min(run.err.size(), run.err.find(" ++> Fatal Warning"))));
}

// The case `name` (with `edit` made to it) with `change` made exactly as written by `amount`, run
// unattended: none where it runs (status 0), neither member 1's top nor the keel beyond its reach
// in "RANOUT.stxt" (topsWithinReach); else its refusal (status 1), its lines joined.
std::optional<std::string> changedRun(const std::string& name, const std::function<void(Tpcm&)>& edit,
                                      const NamedChange& change, double amount) {
  e2e::Folder folder;
  float first = 0.0f, second = 0.0f;
  folder.writeFile("SALMDAT", userCase(name, [&](Tpcm& t) {
                     edit(t);
                     change.make(t, static_cast<float>(amount));
                     first = t.SLEN(1);
                     second = t.SLEN(2);
                   }));
  const e2e::Run run = folder.runAnalysis();
  EXPECT_FALSE(run.timedOut);
  if (run.status == 0) {
    topsWithinReach(folder.readFile("RANOUT.stxt"), first, second);
    return std::nullopt;
  }
  EXPECT_EQ(run.status, 1);
  return flat(run.err.substr(std::min(run.err.size(), run.err.find(" ++> Fatal Warning"))));
}

// The case `name` (with `edit` made to it) with `change` made exactly as written by `amount` runs:
// status 0, neither member 1's top nor the keel beyond its reach in "RANOUT.stxt"; or it is refused by
// a riser's refusal that names a further change of the same kind, a longer element, a larger volume or
// a lower keel, never one that undoes it; a larger volume among them after a raise, and a lower keel
// after a lowering where `lowerFurther` asks it (a lower keel changes the vessel's response too).
void runsOrLeadsOn(const std::string& name, const std::function<void(Tpcm&)>& edit, const NamedChange& change,
                   double amount, bool lowerFurther = false) {
  SCOPED_TRACE(change.what + " by " + fmtF(static_cast<float>(amount), 8, 2));
  const std::optional<std::string> refused = changedRun(name, edit, change, amount);
  if (!refused) return;
  const std::string& next = *refused;
  EXPECT_EQ(next.rfind(" ++> Fatal Warning: The buoyant riser", 0), 0u) << next;
  const std::vector<NamedChange> further = namedChanges(next);
  EXPECT_FALSE(further.empty()) << next;
  EXPECT_FALSE(contains(next, "shorten") || contains(next, "Shorten")) << next;
  // More volume leads on to more volume; where asked, a lower keel to a lower keel.
  if (change.what.starts_with("the volume of")) {
    EXPECT_TRUE(std::any_of(further.begin(), further.end(),
                            [](const NamedChange& n) { return n.what.starts_with("the volume of"); }))
        << next;
  }
  const auto lowers = [](const NamedChange& n) { return n.what == "the depth" || n.what == "the draft"; };
  if (lowerFurther && lowers(change)) {
    EXPECT_TRUE(std::any_of(further.begin(), further.end(), lowers)) << next;
  }
}

// Each change a riser's refusal of the case `name` (with `edit` made to it) names, made exactly as
// written by each end of each range it names, runs or leads on (runsOrLeadsOn).
void followedAsWritten(const std::string& name, const std::function<void(Tpcm&)>& edit, const std::string& text) {
  const std::vector<NamedChange> changes = namedChanges(text);
  ASSERT_FALSE(changes.empty()) << text;
  for (const NamedChange& change : changes) {
    for (const auto& [least, most] : change.ranges) {
      runsOrLeadsOn(name, edit, change, least);
      if (std::isfinite(most) && most != least) runsOrLeadsOn(name, edit, change, most);
    }
  }
}

// What a riser's refusal (`text`) says it leaves to the next run: with a lower keel, the vessel's
// response and loads, which the next run judges anew.
constexpr const char* kLowerKeelJudgedAnew =
    "a lower keel changes the vessel's response and loads too, which the run judges anew";

// The case `name` (with `edit` made to it) with `change` made exactly as printed by `amount` runs
// (status 0, the keel and member 1's top within reach in "RANOUT.stxt"), or is refused only by the
// riser's judge at the loads it reaches after a lowering of the keel, where `text`, the refusal that
// named it, says that the run judges the vessel's response anew.
void runsAsPrinted(const std::string& name, const std::function<void(Tpcm&)>& edit, const NamedChange& change,
                   double amount, const std::string& text) {
  SCOPED_TRACE(change.what + " by " + fmtF(static_cast<float>(amount), 10, 2));
  const std::optional<std::string> refused = changedRun(name, edit, change, amount);
  if (!refused) return;
  const std::string& next = *refused;
  const bool lowered = change.what == "the depth" || change.what == "the draft";
  EXPECT_TRUE(lowered && contains(text, kLowerKeelJudgedAnew)) << next;
  EXPECT_TRUE(next.starts_with(" ++> Fatal Warning: The buoyant riser would go taut in the run's sea.") ||
              next.starts_with(" ++> Fatal Warning: The buoyant riser's members would come into line in the run's "
                               "storm."))
      << next;
}

// riser-calm in 115 m of water comes into line in its storm. Every change its refusal names, each
// range's least and, where the range ends, its most, made exactly as printed, runs: a raise of either
// element's volume by the least named (once named as 1053.11 cubic meters, which made as printed left
// the members at 2.79 and 12.37 degrees holding the keel 0.34 m short of their 100 m, 100 -
// sqrt(99^2 + (60 sin 2.79 deg + 40 sin 12.37 deg)^2), with 0.35 m of motion to take), a lengthening
// of either element, and the keel lowered either way, which the run judges anew. At 113 m, where the
// riser would go taut, the same.
TEST(BuoyantRiserE2e, EveryChangeNamedForRiserCalmRunsMadeAsPrinted) {
  const double short115 = 100.0 - std::hypot(99.0, 60.0 * std::sin(2.79 * std::numbers::pi / 180.0) +
                                                       40.0 * std::sin(12.37 * std::numbers::pi / 180.0));
  EXPECT_NEAR(short115, 0.34, 0.005);
  for (const float depth : {115.0f, 113.0f}) {
    SCOPED_TRACE("depth " + fmtF(depth, 7, 2));
    const auto edit = [depth](Tpcm& t) { t.DEPTH = depth; };
    e2e::Folder folder;
    const std::string text = refusalOf(folder, "riser-calm", edit);
    const std::vector<NamedChange> changes = namedChanges(text);
    std::vector<std::string> kinds;
    for (const NamedChange& change : changes) kinds.push_back(change.what);
    EXPECT_EQ(kinds, (std::vector<std::string>{"element 1", "element 2", "the volume of element 1",
                                               "the volume of element 2", "the depth", "the draft"}))
        << text;
    for (const NamedChange& change : changes) {
      for (const auto& [least, most] : change.ranges) {
        runsAsPrinted("riser-calm", edit, change, least, text);
        if (std::isfinite(most) && most != least) runsAsPrinted("riser-calm", edit, change, most, text);
      }
    }
  }
}

// The user's discus-buoy case as given: no slack. Refused before any stage (status 1, the run checks'
// finding on standard error and in "Diagnostics.stxt", no report written; at the console the
// finding and its pause), in line under every load; with element 2 lengthened by the 2.98 ft the
// finding names, the run goes on past it to the slow drift.
TEST(BuoyantRiserE2e, ARiserSpanningTheHeightToTheKeelIsRefusedBeforeAnyStage) {
  const std::string image = userCase("riser-disc");
  std::memcpy(&TPCM, image.data(), image.size());
  std::string finding;
  for (const RunFinding& f : runFindings()) {
    if (f.lines.front().find("members stand in line under every load") == std::string::npos) continue;
    for (const std::string& line : f.lines) finding += line + "\n";
  }
  ASSERT_TRUE(contains(finding, "with 0.00 feet to\n     spare. Under any load at the keel they would stand less than 1.72 degrees"))
      << finding;
  ASSERT_TRUE(contains(flat(finding), "or element 2 by at least 2.98 feet (page 3, item 2)")) << finding;

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

  e2e::Folder lengthened;
  lengthened.writeFile("SALMDAT", userCase("riser-disc", [](Tpcm& t) { t.SLEN(2) = 32.98f; }));
  const e2e::Run next = lengthened.runAnalysis();
  ASSERT_FALSE(next.timedOut);
  EXPECT_FALSE(contains(next.err, "in line under every load")) << next.err;
  EXPECT_TRUE(contains(lengthened.readFile("Diagnostics.stxt"), " >>> Computing low-frequency dynamics..."));
}

// A riser whose table is too short for the loads of its run, and whose members those loads bring
// into line: half a foot to spare, the table up to 100 kips, a calm sea (a JONSWAP sea of 0.6 ft and a
// swell of 0.2 ft). The slow drift meets the net load of 285 kips beyond the table, under which the
// members stand 0.60 degrees out of line: the run stops there once with the finding that names that
// load and what to change, and that a larger table cannot help, at the console as unattended, and
// never with the advice to raise the table, which, followed, would only lead into the members in
// line.
TEST(BuoyantRiserE2e, ALoadBeyondTheTableThatBringsTheRiserIntoLineIsRefusedOnce) {
  std::string image = riserUnderDisc(30.5f);
  std::memcpy(&TPCM, image.data(), image.size());
  TPCM.TLOAD = 100.0f;
  TPCM.SWHT(1) = 0.6f;
  TPCM.SWELHT = 0.2f;
  std::memcpy(image.data(), &TPCM, image.size());
  for (const bool atConsole : {false, true}) {
    SCOPED_TRACE(atConsole ? "at the console" : "unattended");
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = atConsole ? folder.runAnalysis({"--interactive"}, std::string(300, '\n')) : folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1);
    const std::string text = flat(atConsole ? run.out : run.err);
    EXPECT_TRUE(contains(text, " ++> Fatal Warning: The buoyant riser's members would come into line under the run's "
                               "loads. Elements 1 and 2, 80.00 and 30.50 feet long"))
        << text;
    EXPECT_TRUE(contains(text, "Under the net horizontal load at the vessel heading")) << text;
    EXPECT_NEAR(after(text, "they would stand "), 0.60, 0.05);
    EXPECT_TRUE(contains(text, "Raising the table (page 2, item 2) does not help. Lengthen element 1 by "))
        << text;
    EXPECT_FALSE(contains(text, "Raise the maximum horizontal load")) << text;
  }
}

// A riser of 0.3 ft of slack in a nearly still sea, no wind or current, its table to 99,990 kips (the
// largest load the checks admit):
// the riser's tension grows as its members come into line, and the statics report could not print
// the loads of the table's upper rows. The table ends at the load under which the members stand
// 1.72 degrees out of line, 63.156 kips by two free bodies in Python
// (tests/dataset/reference/riser_reach_reference.py), and the run says so; the slow drift's loads lie
// well within it, and the run ends well, no field of the statics report overflowed.
TEST(BuoyantRiserE2e, ATableWhoseUpperRowsCannotBePrintedEndsWhereTheMembersComeIntoLine) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", userCase("riser-disc", [](Tpcm& t) {
                     t.SLEN(2) = 30.3f;
                     t.LWIND = t.LCURNT = 0;
                     t.SWHT(1) = 0.01f;
                     t.SWELHT = 0.01f;
                     t.TLOAD = 99990.0f;
                   }));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = flat(run.err);
  EXPECT_TRUE(contains(text, " ++> Warning: The buoyant riser's members come into line under the upper loads of the "
                             "load-offset table, whose loads the statics report cannot print: the table ends at "))
      << text;
  const double last = after(text, "the table ends at ");
  EXPECT_NEAR(last, 63.156, 0.011);
  EXPECT_TRUE(contains(text, "in place of the maximum horizontal load on Salm (page 2, item 2), 99990.00 kips.")) << text;
  const std::string statout = folder.readFile("STATOUT.stxt");
  EXPECT_TRUE(contains(statout, fmtF(static_cast<float>(last), 8, 2) + "    3 ")) << statout;
  const std::regex overflow(R"([0-9.]\*{4,}|\*{4,}[ ]*-?[0-9])");
  EXPECT_FALSE(std::regex_search(statout, overflow));
  membersWithinReach(folder.readFile("RANOUT.stxt"), 80.0);
}

// The keel's wave-frequency motion along a line from the hinge (horizontal outward share s, vertical
// c) in the user's sea, most probable peak in `hours`, from the vessel's own operators: the records
// of "YOKEMOT" (per heading a header of NRAO, the swell's and the second swell's flags, the random
// sea's flag and the heading, then per grid period the first vessel point's x, y, z motion and the
// roll, yaw and pitch, six complex numbers), the horizontal motion turned by `turn` [rad] from the
// vessel's axes into the riser's plane, each heading's operators taken with the spectrum of the wave
// system it carries. The spectra are written here in closed form: the JONSWAP sea of 15 ft at 10 s
// (widths 0.07 and 0.09, gamma 3.3) scaled so that its whole area is Hs^2 / 16, found here by
// quadrature; the swell of 6 ft at 14 s, a Gaussian in frequency of relative width 0.1 whose area is
// Hs^2 / 16. Between the grid's periods (5 to 19.5 s by 0.5 s) the squared operator runs straight in
// frequency, and the products are integrated finely over the grid's range; the peak is the RMS times
// sqrt(2 ln N), N the storm's cycles at the motion's mean frequency sqrt(m2 / m0).
double keelPeakFromOperators(const std::string& yokemot, double turn, double s, double c, double hours) {
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
  double m0 = 0.0, m2 = 0.0;
  std::size_t k = 0;
  const int headings = flag(records.at(0), 0);
  for (int heading = 1; heading <= headings; ++heading) {
    const std::string& header = records.at(k++);
    // Frequencies rising: the grid's periods from the longest.
    std::vector<double> w, u2;
    for (int i = periods; i >= 1; --i) {
      const std::string& record = records.at(k + static_cast<std::size_t>(i - 1));
      w.push_back(2.0 * pi / (4.5 + 0.5 * i));
      const std::complex<double> x(word(record, 0), word(record, 1)), y(word(record, 2), word(record, 3)),
          z(word(record, 4), word(record, 5));
      u2.push_back(std::norm(s * (x * std::cos(turn) + y * std::sin(turn)) + c * z));
    }
    k += periods;
    const auto operator2 = [&](double x) {
      std::size_t j = 1;
      while (j + 1 < w.size() && w[j] < x) ++j;
      return u2[j - 1] + (u2[j] - u2[j - 1]) * (x - w[j - 1]) / (w[j] - w[j - 1]);
    };
    const auto add = [&](auto spectrum) {
      m0 += integral([&](double x) { return spectrum(x) * operator2(x); }, w.front(), w.back(), 20000);
      m2 += integral([&](double x) { return x * x * spectrum(x) * operator2(x); }, w.front(), w.back(), 20000);
    };
    if (flag(header, 3) != 0) add(sea);
    if (flag(header, 1) != 0) add(swell);
  }
  const double cycles = std::max(7.4, hours * 3600.0 / (2.0 * pi) * std::sqrt(m2 / m0));
  return std::sqrt(m0) * std::sqrt(2.0 * std::log(cycles));
}

// The user's riser under the discus buoy with element 2 at 40 ft (10 ft of slack) and at 38 ft, in
// the user's sea with its wind and current: the slow drift's mean load of 380.68 kips holds the keel
// 119.65 ft from the hinge (0.36 ft short of 120; column_reach_test holds the geometry to a free
// body), and the keel moves along that line by about 12.4 ft at its most probable peak in the 3-hour
// storm. The run stops as soon as the slow drift has found that, before any report shows the members
// (no "LOWOUT" line on the screen): status 1, the finding on standard error and in
// "Diagnostics.stxt", no report kept; at the console the finding and its pause. Let through, they
// would end with status 0 and member 2 swinging 141 degrees from the vertical. With 20 ft of
// slack and the wind and current off, the mean state leaves 12.75 ft
// against a peak of 13.75 ft along the line (the keel's heave and its horizontal motion in the
// riser's plane partly in phase): refused too; each change it names leads to a run that ends well.
// The peak motion the finding names is the vessel's operators' in the sea written here
// (keelPeakFromOperators), to 1 %.
TEST(BuoyantRiserE2e, ARiserThatGoesTautInItsSeaStopsOnceTheMeanStateIsKnown) {
  struct Case {
    const char* what;
    std::function<void(Tpcm&)> edit;
    double meanLoad, distance;  // the finding's [kips, ft]
  };
  const Case cases[] = {
      {"10 ft of slack: element 2 at 40 ft", [](Tpcm& t) { t.SLEN(2) = 40.0f; }, 380.68, 119.65},
      {"8 ft of slack: element 2 at 38 ft", [](Tpcm& t) { t.SLEN(2) = 38.0f; }, 380.68, 117.78},
      {"20 ft of slack, no wind or current", [](Tpcm& t) { t.SLEN(2) = 50.0f; t.LWIND = t.LCURNT = 0; }, 3.02, 117.25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string image = userCase("riser-disc", c.edit);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1);
    const std::string text = flat(run.err.substr(run.err.find(" ++> Fatal Warning")));
    EXPECT_TRUE(contains(text, " ++> Fatal Warning: The buoyant riser would go taut in the run's sea.")) << text;
    EXPECT_NEAR(after(text, "Under the slow drift's mean load of "), c.meanLoad, 0.005 * c.meanLoad);
    EXPECT_NEAR(after(text, "from the vertical and hold the keel "), c.distance, 0.01);
    const double peak = after(text, "moves the keel along the line from the hinge by ");
    EXPECT_GT(peak, after(text, "feet from the hinge, "));
    EXPECT_TRUE(contains(text, "at the most probable peak of the storm of 3.00 hours (page 17, item 51)")) << text;
    for (std::size_t at = 0, end = 0; (end = run.err.find('\n', at)) != std::string::npos; at = end + 1)
      EXPECT_LE(end - at, 80u);
    // After the slow drift, before the low-frequency report shows the members.
    const std::string diagnostics = folder.readFile("Diagnostics.stxt");
    EXPECT_TRUE(contains(diagnostics, " >>> Computing low-frequency dynamics..."));
    EXPECT_FALSE(contains(diagnostics, " >>> Outputting low-frequency dynamics data..."));
    EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));

    e2e::Folder console;
    console.writeFile("SALMDAT", image);
    const e2e::Run asked = console.runAnalysis({"--interactive"}, std::string(100, '\n'));
    ASSERT_FALSE(asked.timedOut);
    EXPECT_EQ(asked.status, 1);
    EXPECT_TRUE(contains(asked.out, run.err.substr(run.err.find(" ++> Fatal Warning")) + "\n Press <RETURN> to continue: "))
        << asked.out;
    EXPECT_EQ(console.files(), (std::vector<std::string>{"SALMDAT"}));
  }

  // The 20 ft case's changes, each made as the finding names it (element 1 as far as the water
  // allows it, 70 ft more): the run ends well or leads on. The motions at the keel of the run with
  // element 2 lengthened, with the heading of the stable equilibrium, give the refused riser's peak
  // motion.
  const auto twenty = [](Tpcm& t) {
    t.SLEN(2) = 50.0f;
    t.LWIND = t.LCURNT = 0;
  };
  e2e::Folder refused;
  refused.writeFile("SALMDAT", userCase("riser-disc", twenty));
  const std::string text = flat(refused.runAnalysis().err);
  EXPECT_TRUE(contains(text, "Lengthen element 1 by ") && contains(text, " to 70.00 feet or element 2 by at least "))
      << text;
  followedAsWritten("riser-disc", twenty, text);
  const double second = after(text, "or element 2 by at least ");
  const double peak = after(text, "moves the keel along the line from the hinge by ");
  e2e::Folder folder;
  folder.writeFile("SALMDAT", userCase("riser-disc", [&](Tpcm& t) {
                     twenty(t);
                     t.SLEN(2) += static_cast<float>(second);
                   }));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.err;
  // The riser's plane from the vessel's axes, as the low-frequency report gives the stable
  // equilibrium (the SALM's and the vessel's headings); the refused riser's line from its mean state
  // (column_reach_test: 40.597 ft out, 110 ft up).
  const std::string ranout = folder.readFile("RANOUT.stxt");
  const double salm = testing_support::numberAfter(ranout, "WAVE HEADING", "SALM HEADING   =");
  const double vessel = testing_support::numberAfter(ranout, "WAVE HEADING", "VESSEL HEADING =");
  const double turn = (salm - vessel) * std::numbers::pi / 180.0;
  const double distance = std::hypot(40.597, 110.0);
  EXPECT_NEAR(keelPeakFromOperators(folder.readFile("YOKEMOT"), turn, 40.597 / distance, 110.0 / distance, 3.0), peak,
              0.01 * peak);
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

// A riser that runs: 25 ft of slack under the discus buoy in the user's sea without its wind and
// current. Status 0, every report written, no field overflowed, no member beyond its reach. Under the
// mean load the slow drift finds, the members' angles of "RANOUT.stxt" and the keel's vertical load
// that its static loads at member 2's top make are the free body's.
TEST(BuoyantRiserE2e, ARiserWithinItsReachRunsAndBalancesAsAFreeBody) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", userCase("riser-disc", [](Tpcm& t) {
                     t.SLEN(2) = 55.0f;
                     t.LWIND = t.LCURNT = 0;
                   }));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::regex overflow(R"([0-9.]\*{4,}|\*{4,}[ ]*-?[0-9])");
  for (const char* report : {"STATOUT.stxt", "LOWOUT.stxt", "DYNOUT.stxt", "RANOUT.stxt", "TANKSUM.stxt"}) {
    ASSERT_TRUE(folder.exists(report)) << report;
    EXPECT_FALSE(std::regex_search(folder.readFile(report), overflow)) << report;
  }
  const std::string ranout = folder.readFile("RANOUT.stxt");
  membersWithinReach(ranout, 80.0);
  keelWithinReach(ranout, 80.0 + 55.0);

  const double H = testing_support::numberAfter(folder.readFile("LOWOUT.stxt"), ">>> Most stable equilibrium <<<",
                                                "SALM restoring force .......................");
  const FreeBody f = riserFreeBody(H, 55.0);
  const double degrees = 180.0 / std::numbers::pi;
  const std::vector<double> top1 = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "1");
  const std::vector<double> top2 = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "2");
  ASSERT_EQ(top1.size(), 5u);
  ASSERT_EQ(top2.size(), 5u);
  EXPECT_NEAR(top1[3], f.phi1 * degrees, 0.006);  // in-plane angles, printed to 0.01 deg
  EXPECT_NEAR(top2[3], f.phi2 * degrees, 0.006);
  EXPECT_NEAR(top2[1], 110.0, 0.006);  // the top at the keel

  // Member 2's static loads at its top (shear, axial) turned into the vertical: the keel's load.
  const std::vector<double> loads = testing_support::rowAfter(ranout, "STATIC EQUILIBRIUM LOADS", "2");
  ASSERT_EQ(loads.size(), 6u);
  const double keel = loads[4] * std::cos(f.phi2) - loads[3] * std::sin(f.phi2);
  EXPECT_NEAR(keel, f.V, 0.05);
  // The hinge holds the riser down with the keel's load and the net buoyancy.
  const std::vector<double> base = testing_support::rowAfter(ranout, "STATIC EQUILIBRIUM LOADS", "0");
  ASSERT_EQ(base.size(), 6u);
  EXPECT_NEAR(base[0], H, 0.01);
  EXPECT_NEAR(base[1], f.V + (9425.0 + 4000.0) * 0.064 - 250.0, 0.05);
}

// The users' tanker risers, where the members of each come within 1.72 degrees of line: riser-calm
// (60 m and 40 m) 22.239 m and riser-table (60 m and 60 m) 30.687 m beyond the keel's offset at no
// load, by two free bodies in Python
// (tests/dataset/reference/riser_reach_reference.py).
constexpr double kCalmInLine = 22.239, kTableInLine = 30.687;  // [m]

// The users' tanker risers, which a judge at their tables' largest loads would refuse before any
// stage: riser-calm (60 m and 40 m to a keel 84 m above the hinge, the table to 2,000 t, a 1 m sea) and riser-table (60 m and 60 m, the table to 8,000 t, a 4 m sea), and riser-table with its
// table to 2,000 t. Each runs with status 0 and every report written, no field overflowed, no member
// beyond its reach, no keel beyond the riser's, and no warning of a riser in line: the low-frequency
// report's mean offset and extreme surge in the storm together stay short of where the free bodies
// put the members 1.72 degrees out of line.
TEST(BuoyantRiserE2e, TheTankerRisersRunAtTheLoadsTheyReach) {
  const struct {
    const char* name;
    std::function<void(Tpcm&)> edit;
    double inLine, length;  // [m]
  } cases[] = {
      {"riser-calm", [](Tpcm&) {}, kCalmInLine, 100.0},
      {"riser-table", [](Tpcm&) {}, kTableInLine, 120.0},
      {"riser-table", [](Tpcm& t) { t.TLOAD = 2000.0f; }, kTableInLine, 120.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", userCase(c.name, c.edit));
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(contains(run.err, "into line")) << run.err;
    const std::regex overflow(R"([0-9.]\*{4,}|\*{4,}[ ]*-?[0-9])");
    for (const char* report : {"STATOUT.stxt", "LOWOUT.stxt", "RANOUT.stxt"}) {
      ASSERT_TRUE(folder.exists(report)) << report;
      EXPECT_FALSE(std::regex_search(folder.readFile(report), overflow)) << report;
    }
    membersWithinReach(folder.readFile("RANOUT.stxt"), 60.0);
    keelWithinReach(folder.readFile("RANOUT.stxt"), c.length);
    const std::string lowout = folder.readFile("LOWOUT.stxt");
    const double offset = testing_support::numberAfter(lowout, ">>> Most stable equilibrium <<<",
                                                       "Vessel offset ..............................");
    const double extreme = testing_support::numberAfter(lowout, "Long-period single-amplitude surge motions:",
                                                        "Extreme motion in  3.0 hr. storm ...........");
    EXPECT_LT(offset + extreme, c.inLine);
  }
}



// A JONSWAP sea of `height` at a 12 s peak (widths 0.07 and 0.09, gamma 3.3) in place of the case's.
std::function<void(Tpcm&)> jonswap(float height) {
  return [height](Tpcm& t) {
    t.WAVTYP = 5;
    t.SWHT(1) = height;
    t.SIGPD(1) = 12.0f;
    t.JONPL = 0.07f;
    t.JONPG = 0.09f;
    t.JONGAM = 3.3f;
  };
}

// The tanker example's sea (page 15: 4 m at 10 s; page 14: a regular wave of 2.83 m) in place of
// riser-calm's calm.
void tankerSea(Tpcm& t) {
  t.SWHT(1) = 4.0f;
  t.SIGPD(1) = 10.0f;
  t.SLPHT = 2.83f;
}

// The storm's peak judged in offsets, where the run computes them: the slow drift's mean offset plus
// its peak excursion (the surge's most probable peak amplitude in the storm carried through the
// load-offset table's energy, the riser's own statics beyond the table's last load), against the
// offset at which the members come within 1.72 degrees of line. riser-table in a JONSWAP sea of 6, 7
// and 8 m at 12 s (its table to 8,000 t) and riser-calm in the tanker example's sea (its table to
// 2,000 t, 16 m of slack) carry the vessel beyond it: each stops after the slow drift, quoting the
// offsets against the free bodies' and no load beyond the table's largest, and names the least
// change that keeps the storm's peak clear as the run judges it, the slow drift's excursion taken at
// the changed riser's stiffness; each, made as written, runs or leads on. A longer element or a
// lower keel softens the riser, and in the 8 m sea none takes it clear: only more volume, which
// stiffens it, does. The loads read off the table's last interval (26,000 to 547,000 t here) are
// never quoted, nor more buoyancy without an amount.
TEST(BuoyantRiserE2e, TheStormsPeakIsJudgedInOffsets) {
  struct Case {
    const char* what;
    const char* name;
    std::function<void(Tpcm&)> edit;
    double inLine;                  // [m]
    double table;                   // the table's largest load [t]
    std::vector<std::string> kinds;  // what the changes named change, in their order
  };
  const std::vector<std::string> volumes{"the volume of element 1", "the volume of element 2"};
  const std::vector<std::string> all{"element 1",  "element 2", "the volume of element 1", "the volume of element 2",
                                     "the depth", "the draft"};
  const Case cases[] = {
      {"riser-table, Hs 6 m", "riser-table", jonswap(6.0f), kTableInLine, 8000.0,
       {"element 2", "the volume of element 1", "the volume of element 2", "the draft"}},
      {"riser-table, Hs 7 m", "riser-table", jonswap(7.0f), kTableInLine, 8000.0,
       {"element 2", "the volume of element 1", "the volume of element 2"}},
      {"riser-table, Hs 8 m", "riser-table", jonswap(8.0f), kTableInLine, 8000.0, volumes},
      {"riser-calm in the tanker's sea", "riser-calm", tankerSea, kCalmInLine, 2000.0, all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::Folder folder;
    const std::string text = refusalOf(folder, c.name, c.edit);
    EXPECT_EQ(text.rfind(" ++> Fatal Warning: The buoyant riser's members would come into line in the run's storm.", 0),
              0u)
        << text;
    const double mean = after(text, "the vessel lies at an offset of ");
    EXPECT_NEAR(after(text, "would carry it beyond "), c.inLine, 0.01) << text;
    EXPECT_LT(mean, c.inLine);
    EXPECT_TRUE(contains(text, "in the storm of 3.00 hours (page 17, item 51)")) << text;
    const std::regex load(R"(([0-9.]+) metric tons)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), load); it != std::sregex_iterator(); ++it)
      EXPECT_LE(std::stod((*it)[1].str()), c.table) << (*it)[0].str();
    const std::string diagnostics = folder.readFile("Diagnostics.stxt");
    EXPECT_FALSE(contains(diagnostics, " >>> Outputting low-frequency dynamics data..."));
    EXPECT_FALSE(contains(text, "No lengthening") || contains(text, "buoyancy")) << text;
    std::vector<std::string> kinds;
    for (const NamedChange& change : namedChanges(text)) kinds.push_back(change.what);
    EXPECT_EQ(kinds, c.kinds) << text;
    followedAsWritten(c.name, c.edit, text);
  }
}

// Where no longer element or lower keel takes a riser clear, more volume can: riser-table in the 8 m
// sea is refused with the least raise of each element's volume (page 3, item 3), in cubic meters;
// element 2 raised by it from 424.12 to 4,310.66 cubic meters (its weight and the centres kept), the
// run ends well. Its members under the slow drift's mean load (the low-frequency report's restoring
// force, 142.49 t) stand as two free bodies with that buoyancy put them, 3.598 and 66.299 degrees from
// the vertical against 25.876 and 59.983 before the raise (tests/dataset/reference/
// riser_reach_reference.py): the run's statics took the raise as the judge did. The storm's peak
// offset stays short of where the members come within 1.72 degrees of line, 30.687 m beyond the
// keel's place at no load, as before the raise: the free bodies put two members that close to line
// in one shape whatever buoys them, only under a larger load.
TEST(BuoyantRiserE2e, MoreVolumeTakesTheRiserClearWhereNoLengthDoes) {
  e2e::Folder refused;
  const std::string text = refusalOf(refused, "riser-table", jonswap(8.0f));
  EXPECT_TRUE(contains(text, "grow, without bound. Raise the volume of element 1 by at least 3886.54 cubic meters or "
                             "element 2 by at least 3886.54 cubic meters (page 3, item 3). Each takes it clear"))
      << text;
  const double raise = after(text, "or element 2 by at least ");
  e2e::Folder folder;
  folder.writeFile("SALMDAT", userCase("riser-table", [raise](Tpcm& t) {
                     jonswap(8.0f)(t);
                     t.BUOY(2) += static_cast<float>(raise);
                   }));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string lowout = folder.readFile("LOWOUT.stxt");
  EXPECT_NEAR(testing_support::numberAfter(lowout, ">>> Most stable equilibrium <<<",
                                           "SALM restoring force ......................."),
              142.49, 0.005);
  const std::string ranout = folder.readFile("RANOUT.stxt");
  const std::vector<double> first = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "1");
  const std::vector<double> second = testing_support::rowAfter(ranout, "MEMBER STATIC ORIENTATION", "2");
  ASSERT_EQ(first.size(), 5u);
  ASSERT_EQ(second.size(), 5u);
  EXPECT_NEAR(first[3], 3.598, 0.006);  // in-plane angles, printed to 0.01 degree
  EXPECT_NEAR(second[3], 66.299, 0.006);
  EXPECT_NEAR(second[1], 84.0, 0.006);  // the top at the keel
  const double offset = testing_support::numberAfter(lowout, ">>> Most stable equilibrium <<<",
                                                     "Vessel offset ..............................");
  const double extreme = testing_support::numberAfter(lowout, "Long-period single-amplitude surge motions:",
                                                      "Extreme motion in  3.0 hr. storm ...........");
  EXPECT_LT(offset + extreme, kTableInLine);
}

// The reserve judged against the keel's wave-frequency peak along the hinge-keel line and the slow
// drift's peak excursion along that line: two designs of riser-disc (element 1 at 83.2 ft, element 2
// at 40.02 ft, the draft at 116.13 ft; element 2 at 32.98 ft, the draft at 108.81 ft and the depth at
// 129.91 ft) whose RANOUT, were they run, would place the keel beyond the riser's length by its
// combined peaks along the line with the least motion any phases allow (123.26 ft on 123.22 ft,
// 113.08 ft on 112.98 ft), though the wave-frequency motion alone stays within the reserve. Each
// stops with the two motions and their sum against the reserve, and what it names, made as written,
// runs with the keel within reach.
TEST(BuoyantRiserE2e, TheReserveTakesTheSlowDriftsExcursionAlongTheLine) {
  const struct {
    const char* what;
    std::function<void(Tpcm&)> edit;
  } cases[] = {
      {"element 1 at 83.2 ft, element 2 at 40.02 ft, the draft at 116.13 ft",
       [](Tpcm& t) {
         t.SLEN(1) = 83.2f;
         t.SLEN(2) = 40.02f;
         t.DRAFT = 116.13f;
       }},
      {"element 2 at 32.98 ft, the draft at 108.81 ft, the depth at 129.91 ft",
       [](Tpcm& t) {
         t.SLEN(2) = 32.98f;
         t.DRAFT = 108.81f;
         t.DEPTH = 129.91f;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::Folder folder;
    const std::string text = refusalOf(folder, "riser-disc", c.edit);
    EXPECT_EQ(text.rfind(" ++> Fatal Warning: The buoyant riser would go taut in the run's sea.", 0), 0u) << text;
    const double reserve = after(text, "feet from the hinge, ");
    const double wave = after(text, "moves the keel along the line from the hinge by ");
    const double drift = after(text, "in that storm moves it ");
    EXPECT_LT(wave, reserve);  // the wave-frequency motion alone stays within it
    EXPECT_NEAR(after(text, "further along the line: together "), wave + drift, 0.011);
    EXPECT_GT(wave + drift, reserve);
    followedAsWritten("riser-disc", c.edit, text);
  }
}

// Every change a riser's refusal names lies within the run's own checks. riser-disc is under water
// for the statics (page 3, option 7): element 1, below the top member, stands upright in 150 ft of
// water, so it grows to 150 ft at most and the water gets no shallower than element 1 is long. With
// element 2 at 40 ft (where a search past those checks would name element 1 lengthened by 102.66 ft
// and the keel lowered by 56.20 ft, which they refuse) and at 45 ft, and with element 1 at 150 ft (no room left),
// each change named, made as written by its least and its most, runs or leads on. Element 1 at
// exactly 150 ft under element 2 at 40 ft folds element 2 straight back down from element 1's top:
// in line under the smallest loads (the statics' table starts at none), refused before any stage,
// with 80 ft to spare, naming what unfolds it, never "more length than the height".
TEST(BuoyantRiserE2e, EveryChangeARefusalNamesLiesWithinTheRunsChecks) {
  const struct {
    const char* what;
    std::function<void(Tpcm&)> edit;
    bool lengthensFirst, reducesDepth;
  } cases[] = {
      {"element 2 at 40 ft", [](Tpcm& t) { t.SLEN(2) = 40.0f; }, false, false},
      {"element 2 at 45 ft", [](Tpcm& t) { t.SLEN(2) = 45.0f; }, false, true},
      {"element 1 at 150 ft, element 2 at 45 ft",
       [](Tpcm& t) {
         t.SLEN(1) = 150.0f;
         t.SLEN(2) = 45.0f;
       },
       false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::Folder folder;
    const std::string text = refusalOf(folder, "riser-disc", c.edit);
    EXPECT_EQ(text.rfind(" ++> Fatal Warning: The buoyant riser would go taut in the run's sea.", 0), 0u) << text;
    EXPECT_EQ(contains(text, "Lengthen element 1"), c.lengthensFirst) << text;
    EXPECT_EQ(contains(text, "reduce the water depth"), c.reducesDepth) << text;
    followedAsWritten("riser-disc", c.edit, text);
  }

  const auto folded = [](Tpcm& t) {
    t.SLEN(1) = 150.0f;
    t.SLEN(2) = 40.0f;
  };
  e2e::Folder folder;
  folder.writeFile("SALMDAT", userCase("riser-disc", folded));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));
  const std::string text = flat(run.err);
  EXPECT_EQ(text.rfind(" ++> Fatal Warning: The buoyant riser's members stand in line under the smallest loads.", 0),
            0u)
      << text;
  EXPECT_TRUE(contains(text, "with 80.00 feet to spare.")) << text;
  EXPECT_FALSE(contains(text, "more length than the height")) << text;
  followedAsWritten("riser-disc", folded, text);
}

// The case `name` with `edit` and `change` made by `amount`, run: refused before any stage by the
// finding of members folded in line under the smallest loads.
void refusedFolded(const std::string& name, const std::function<void(Tpcm&)>& edit, const NamedChange& change,
                   double amount) {
  SCOPED_TRACE(change.what + " by " + fmtF(static_cast<float>(amount), 8, 2));
  e2e::Folder folder;
  const std::string text = refusalOf(folder, name, [&](Tpcm& t) {
    edit(t);
    change.make(t, static_cast<float>(amount));
  });
  EXPECT_EQ(text.rfind(" ++> Fatal Warning: The buoyant riser's members stand in line under the smallest loads.", 0),
            0u)
      << text;
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));
}

// A range ends only where the run ends it. riser-disc with element 2 at 50 ft, its draft at 69 to
// 70 ft by quarters: the keel 81 to 80 ft above the hinge, and reduced by 120 ft less the draft (51 ft
// at a draft of 69) it stands 30 ft up, where element 2 hangs straight back down from element 1's
// top (80 - 50) under the smallest loads. Within a few hundredths of that height the run refuses the
// riser before any stage; everywhere else up to 70 ft (the water no shallower than element 1 is long)
// a lowering takes it clear. So the water depth's reduction is named in two ranges, the gap between
// them said with its reason, and so is the draft's, the second going on without end: the band moves
// with the draft as the fold does, a quarter of a foot for a quarter, and no figure jumps. At the
// first and last drafts each end of the band, made as written, runs or leads on and the hundredth
// inside it is refused; the water reduced by 70.00 ft runs or leads on, by 70.01 ft is refused by the
// run's checks.
TEST(BuoyantRiserE2e, ARangeEndsWhereTheRunEndsIt) {
  const std::regex clause(R"(\(between them the keel stands within 0\.0[1-9] feet of the height at which the )"
                          R"(members fold in line at no load\))");
  for (const float draft : {69.0f, 69.25f, 69.5f, 69.75f, 70.0f}) {
    SCOPED_TRACE("draft " + fmtF(draft, 6, 2));
    const auto edit = [draft](Tpcm& t) {
      t.SLEN(2) = 50.0f;
      t.DRAFT = draft;
    };
    e2e::Folder folder;
    const std::string text = refusalOf(folder, "riser-disc", edit);
    const double fold = 120.0 - draft;
    std::vector<NamedChange> lowerings;
    for (const NamedChange& change : namedChanges(text))
      if (change.what == "the depth" || change.what == "the draft") lowerings.push_back(change);
    ASSERT_EQ(lowerings.size(), 2u) << text;
    EXPECT_EQ(std::distance(std::sregex_iterator(text.begin(), text.end(), clause), std::sregex_iterator()), 3) << text;
    for (const NamedChange& change : lowerings) {
      ASSERT_EQ(change.ranges.size(), 2u) << change.what << ": " << text;
      const double below = change.ranges[0].second, above = change.ranges[1].first;
      EXPECT_LT(below, fold) << change.what;
      EXPECT_GT(above, fold) << change.what;
      EXPECT_LE(above - below, 0.1) << change.what;
      EXPECT_NEAR(below, fold - 0.02, 0.011) << change.what;  // the band moves with the fold
      EXPECT_EQ(change.ranges[1].second, change.what == "the depth" ? 70.0 : std::numeric_limits<double>::infinity());
    }
    if (draft != 69.0f && draft != 70.0f) continue;
    const NamedChange& depth = lowerings[0];
    const double below = depth.ranges[0].second, above = depth.ranges[1].first;
    runsOrLeadsOn("riser-disc", edit, depth, below);
    refusedFolded("riser-disc", edit, depth, below + 0.01);
    refusedFolded("riser-disc", edit, depth, above - 0.01);
    runsOrLeadsOn("riser-disc", edit, depth, above);
    runsOrLeadsOn("riser-disc", edit, depth, 70.0);
    e2e::Folder beyond;
    const std::string shallow = refusalOf(beyond, "riser-disc", [&](Tpcm& t) {
      edit(t);
      depth.make(t, 70.01f);
    });
    EXPECT_EQ(shallow.rfind(" ++> Fatal Warning: The whole system is under water", 0), 0u) << shallow;
  }
}

// A range ends only where the run ends it: riser-calm with element 2's volume at 55 cubic meters goes
// taut in its sea, and more volume on either element takes it clear however much is added, up to what
// the run's checks admit (a cylinder of the element's length and the water depth across): the raise is
// named from its least with no end. Raised by 33,700 and by 100,000 cubic meters, where a thousandth
// of the riser's buoyancy exceeds the mean load and the riser is stiffer than its statics resolve
// there (a spring no search may read as a surge without an amplitude), the run ends well.
TEST(BuoyantRiserE2e, AVolumesRaiseHasNoEndWhereTheRunHasNone) {
  const auto edit = [](Tpcm& t) { t.BUOY(2) = 55.0f; };
  e2e::Folder folder;
  const std::string text = refusalOf(folder, "riser-calm", edit);
  EXPECT_TRUE(contains(text, "raise the volume of element 1 by at least ")) << text;
  EXPECT_TRUE(contains(text, " or element 2 by at least ")) << text;
  const std::vector<NamedChange> changes = namedChanges(text);
  for (const NamedChange& change : changes) {
    if (!change.what.starts_with("the volume of")) continue;
    EXPECT_TRUE(std::isinf(change.most)) << change.what;
    runsOrLeadsOn("riser-calm", edit, change, change.least);
    if (change.what != "the volume of element 2") continue;
    for (const double raise : {33700.0, 100000.0}) {
      e2e::Folder raised;
      raised.writeFile("SALMDAT", userCase("riser-calm", [&](Tpcm& t) {
                         edit(t);
                         change.make(t, static_cast<float>(raise));
                       }));
      const e2e::Run run = raised.runAnalysis();
      ASSERT_FALSE(run.timedOut);
      EXPECT_EQ(run.status, 0) << raise << "\n" << run.err;
    }
  }
}

// The offset range of a changed riser's load-offset table as the judge sees it, against the statics
// report's own: each case run with an offset increment of a ten-thousandth, where the report stops
// naming N offset states, a range from N - 1 to N ten-thousandths. riser-calm as it is and with its
// keel lowered to either side of where its members fold in line at no load (element 2 hanging
// straight back down from element 1's top, or element 1 upright with element 2 leaning), element 1
// of riser-disc lengthened to near its own fold, and riser-disc with element 2 at 30.3 ft and its
// table to 99,990 kips, which the statics end at 63.15 kips where they could not print the upper
// rows' loads: each within two ten-thousandths of a foot or metre, however near the fold.
TEST(BuoyantRiserE2e, TheJudgeSpansAChangedTableAsTheStaticsReportDoes) {
  const struct {
    const char* what;
    const char* name;
    std::function<void(Tpcm&)> edit;
  } cases[] = {
      {"riser-calm", "riser-calm", [](Tpcm&) {}},
      {"riser-calm, the draft 63.24 m deeper", "riser-calm", [](Tpcm& t) { t.DRAFT += 63.24f; }},
      {"riser-calm, the draft 64.54 m deeper", "riser-calm", [](Tpcm& t) { t.DRAFT += 64.54f; }},
      {"riser-disc, element 1 59.99 ft longer", "riser-disc", [](Tpcm& t) { t.SLEN(1) += 59.99f; }},
      {"riser-disc, element 2 at 30.3 ft, its table to 99,990 kips", "riser-disc",
       [](Tpcm& t) {
         t.SLEN(2) = 30.3f;
         t.TLOAD = 99990.0f;
       }},
  };
  constexpr float kIncrement = 1.0E-4f;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string image = userCase(c.name, [&](Tpcm& t) {
      c.edit(t);
      t.OFFINC = kIncrement;
    });
    std::memcpy(&TPCM, image.data(), image.size());
    const std::optional<HeldRiser> riser = heldRiser();
    ASSERT_TRUE(riser.has_value());
    const double judged = riserTableRange(riser->column, riser->height, {}, TPCM.TLOAD);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", image);
    const e2e::Run run = folder.runAnalysis();
    ASSERT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 1);
    const std::string text = flat(run.err);
    ASSERT_TRUE(contains(text, " ++> STPRT: the offset increment")) << text;
    const double states = after(text, "gives ");
    EXPECT_NEAR(judged, (states - 0.5) * kIncrement, 2.0 * kIncrement) << text;
  }
}

// The case `name` with `edit` and `change` made by `amount`, run: stopped in the statics report, whose
// offset pass at the case's increment (`increment`, as the message prints it) would show `states`
// offset states, more than the 90 it holds; or, where `states` is 0, never stopped there.
void stoppedByTheOffsetPass(const std::string& name, const std::function<void(Tpcm&)>& edit,
                            const NamedChange& change, double amount, int states,
                            const std::string& increment = "1.00 meters") {
  SCOPED_TRACE(change.what + " by " + fmtF(static_cast<float>(amount), 8, 2));
  e2e::Folder folder;
  folder.writeFile("SALMDAT", userCase(name, [&](Tpcm& t) {
                     edit(t);
                     change.make(t, static_cast<float>(amount));
                   }));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  const std::string text = flat(run.err);
  if (states == 0) {
    EXPECT_FALSE(contains(text, "STPRT")) << text;
    return;
  }
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(text, " ++> STPRT: the offset increment for the static offset table (page 2, item 3), " +
                                 increment + ", gives " + std::to_string(states) + " offset states over the table's "))
      << text;
}

// A keel lowered to near where riser-calm's members fold in line at no load (the keel 20 m above the
// hinge, element 2 hanging straight back down from element 1's top, 60 - 40 m) spreads the changed
// riser's load-offset table over up to some 97 m: more offset states at the case's own increment of
// 1 m (page 2, item 3) than the 90 the statics report holds, and the run stops in that report, on a
// rule no check before the stages knows. So a draft named within that band would be refused naming
// a larger increment, not a further lowering. In the tanker example's sea (the storm's peak comes
// into line) and in riser-calm's calm with element 2's volume at 55 cubic meters (the riser goes
// taut), the draft's deepening is named in two ranges either side of that band, the gap said with
// its reason; each end of each range of each lowering, made as written, runs or is refused naming a
// further lowering, and the hundredth inside each end of the band gives 91 offset states: the ranges
// end where the statics report ends them.
TEST(BuoyantRiserE2e, ALoweringIsNamedOnlyWhereTheStaticsReportShowsItsTable) {
  const struct {
    const char* what;
    std::function<void(Tpcm&)> edit;
  } cases[] = {
      {"riser-calm in the tanker's sea", tankerSea},
      {"riser-calm with element 2's volume at 55 cubic meters", [](Tpcm& t) { t.BUOY(2) = 55.0f; }},
  };
  const std::string clause =
      "(between them the changed riser's load-offset table spans more than the 90 offset states that the statics "
      "report holds at the offset increment, 1.00 meters on page 2, item 3)";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    e2e::Folder folder;
    const std::string text = refusalOf(folder, "riser-calm", c.edit);
    std::vector<NamedChange> lowerings;
    for (const NamedChange& change : namedChanges(text))
      if (change.what == "the depth" || change.what == "the draft") lowerings.push_back(change);
    ASSERT_EQ(lowerings.size(), 2u) << text;
    EXPECT_TRUE(contains(text, clause)) << text;
    const NamedChange& draft = lowerings[1];
    ASSERT_EQ(draft.ranges.size(), 2u) << text;
    const double below = draft.ranges[0].second, above = draft.ranges[1].first;
    EXPECT_LT(below, 64.0);
    EXPECT_GT(above, 64.0);
    for (const NamedChange& change : lowerings) {
      for (const auto& [least, most] : change.ranges) {
        runsOrLeadsOn("riser-calm", c.edit, change, least, true);
        if (std::isfinite(most) && most != least) runsOrLeadsOn("riser-calm", c.edit, change, most, true);
      }
    }
    stoppedByTheOffsetPass("riser-calm", c.edit, draft, below + 0.01, 91);
    stoppedByTheOffsetPass("riser-calm", c.edit, draft, above - 0.01, 91);
  }
}

// Before any stage too: riser-disc as its user gave it, its members in line under every load, with
// an offset increment of 1 ft (page 2, item 3) in place of its 2. Element 1 lengthened or the keel
// lowered to near where the members fold in line at no load (element 2 hanging straight back down
// from element 1's top, 80 - 30 ft above the hinge) spreads the changed riser's load-offset table
// over up to some 127 ft, more than the 90 states the statics report holds, and the run would stop
// in that report. Each such change is named in two ranges either side of that band, the gap said
// with its reason; no end of a range, made as written, stops in the statics report, and the
// hundredth inside each end of the band gives 91 offset states there. (At the case's own 2 ft every
// change it names is shown.)
TEST(BuoyantRiserE2e, TheChangesBeforeAnyStageAreNamedOnlyWhereTheStaticsReportShowsTheirTable) {
  const auto edit = [](Tpcm& t) { t.OFFINC = 1.0f; };
  e2e::Folder folder;
  const std::string text = refusalOf(folder, "riser-disc", edit);
  EXPECT_EQ(text.rfind(" ++> Fatal Warning: The buoyant riser's members stand in line under every load.", 0), 0u)
      << text;
  EXPECT_TRUE(contains(text, "(between them the changed riser's load-offset table spans more than the 90 offset "
                             "states that the statics report holds at the offset increment, 1.00 feet on "
                             "page 2, item 3)"))
      << text;
  std::vector<std::string> split;
  for (const NamedChange& change : namedChanges(text)) {
    for (const auto& [least, most] : change.ranges) {
      stoppedByTheOffsetPass("riser-disc", edit, change, least, 0);
      if (std::isfinite(most) && most != least) stoppedByTheOffsetPass("riser-disc", edit, change, most, 0);
    }
    if (change.ranges.size() != 2) continue;
    split.push_back(change.what);
    stoppedByTheOffsetPass("riser-disc", edit, change, change.ranges[0].second + 0.01, 91, "1.00 feet");
    stoppedByTheOffsetPass("riser-disc", edit, change, change.ranges[1].first - 0.01, 91, "1.00 feet");
  }
  EXPECT_EQ(split, (std::vector<std::string>{"element 1", "the depth", "the draft"})) << text;
}

}  // namespace
}  // namespace qv

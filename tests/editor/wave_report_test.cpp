// The wave environment report "WAVEOUT.stxt": whole reports compared with reviewed expected files,
// the regular-wave kinematics and the spectral moments against values that do not come from the
// code (the dispersion relation solved with scipy, m0 = Hs^2/16 of the normalised spectra), the
// report on the screen, and the data that keep a report from being written.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "editor/env_page_support.h"
#include "editor/env_pages.h"
#include "support/checks.h"
#include "support/expected_files.h"
#include "support/temp_dir.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::drive;
using testing_support::expectedFile;
using testing_support::IsClose;
using testing_support::kPause;
using testing_support::readFileText;
using testing_support::TempDir;

void periods(int count, float first, float step) {
  TPCM.NWP = count;
  for (int i = 1; i <= count; ++i) TPCM.T(i) = first + step * static_cast<float>(i - 1);
}

// A Mean JONSWAP sea of 10 ft and 10 s with a default swell of 4 ft and 14 s, in 100 ft of water,
// on eleven periods of 4 to 24 s, with a constant regular-wave height of 10 ft.
void seaAndSwell() {
  testing_support::environmentDataSet();
  Tpcm& t = TPCM;
  t.DEPTH = 100.0f;
  periods(11, 4.0f, 2.0f);
  t.SLPHT = 10.0f;
  t.LRANDM = 1;
  t.WAVTYP = 2;
  t.SWHT(1) = 10.0f;
  t.SIGPD(1) = 10.0f;
  t.SEAHDG(1) = 45.0f;
  t.LSWELL = 1;
  t.SWLTYP = 0;
  t.SWELHT = 4.0f;
  t.SWELPD = 14.0f;
  t.SWLWID = 0.1f;
  t.SWLHDG = 30.0f;
}

// A metric Ochi-Hubble sea of two components, spread, with a constant slope of 4 degrees.
void ochiSea() {
  testing_support::environmentDataSet();
  Tpcm& t = TPCM;
  t.NUNTS = 1;
  t.DEPTH = 50.0f;
  periods(7, 5.0f, 1.0f);
  t.LSLPHT = 1;
  t.SLPHT = 4.0f;
  t.LRANDM = 1;
  t.WAVTYP = 9;
  t.N_OCHI_COMP = 2;
  t.SWHT(1) = 2.0f;
  t.SWHT(2) = 3.0f;
  t.SIGPD(1) = 6.0f;
  t.SIGPD(2) = 10.0f;
  t.OCHI_LAMBDA(1) = 1.5f;
  t.OCHI_LAMBDA(2) = 3.0f;
  t.SEAHDG(1) = 180.0f;
  t.LSPRED = 1;
  t.COSEXP = 2.0f;
}

// A Bretschneider swell of 2 m and 9 s alone in 20 m of water.
void swellAlone() {
  testing_support::environmentDataSet();
  Tpcm& t = TPCM;
  t.NUNTS = 1;
  t.DEPTH = 20.0f;
  periods(5, 7.0f, 1.0f);
  t.SLPHT = 1.0f;
  t.LSWELL = 1;
  t.SWLTYP = 6;
  t.SWELHT = 2.0f;
  t.SWELPD = 9.0f;
  t.SWLHDG = 270.0f;
}

// Writes the report to "WAVEOUT.stxt" in the current folder; the screen.
std::string writeReport() {
  TPCM.IUNIT = 1;
  return drive("", [] { WAVOUT(); });
}

// The numbers of the report line that begins with `start` (after its leading blanks).
std::vector<double> rowOf(const std::string& report, const std::string& start) {
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos || line.compare(first, start.size(), start) != 0) continue;
    std::istringstream fields(line.substr(first));
    std::vector<double> values;
    for (std::string field; fields >> field;) values.push_back(std::atof(field.c_str()));
    return values;
  }
  ADD_FAILURE() << "no line begins with " << start;
  return {};
}

// The value of a characteristics line ("Calculated Significant wave height ....   10.00 ft").
double characteristic(const std::string& report, const std::string& label) {
  const std::size_t at = report.find(label);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no line " << label;
    return 0.0;
  }
  return std::atof(report.substr(report.find_first_not_of(". ", at + label.size()), 10).c_str());
}

class WaveReport : public testing_support::FreshRun {};

TEST_F(WaveReport, WritesTheExpectedReports) {
  struct Case {
    const char* name;
    void (*data)();
  };
  const Case cases[] = {{"sea_and_swell", seaAndSwell}, {"ochi_hubble_sea", ochiSea}, {"swell_alone", swellAlone}};
  for (const Case& c : cases) {
    TempDir dir;
    c.data();
    const std::string screen = writeReport();
    EXPECT_EQ(screen, "\n >>> Outputting wave kinematics data...\n\n") << c.name;
    EXPECT_EQ(readFileText("WAVEOUT.stxt"), expectedFile("editor", std::string("WAVEOUT_") + c.name + ".stxt"))
        << c.name;
    EXPECT_EQ(TPCM.LBACK, 0);
  }
}

TEST_F(WaveReport, RegularWavesAgainstTheDispersionRelation) {
  // k from omega^2 = g k tanh(k h) by scipy.optimize.brentq, g = 32.152 ft/s^2, h = 100 ft;
  // c = omega/k, cg = c/2 (1 + 2kh / sinh 2kh); a 10 ft wave: A = 5 ft.
  struct Case {
    double period, k, length, c, cg, kA, horizontalVelocity, horizontalDisplacement;
  };
  const Case cases[] = {
      {4, 7.674179e-02, 81.8744, 20.4686, 10.2344, 0.38371, 7.85399, 5.00000},
      {6, 3.418081e-02, 183.8220, 30.6370, 15.5435, 0.17090, 5.24725, 5.01075},
      {10, 1.390219e-02, 451.9564, 45.1956, 30.4205, 0.06951, 3.55698, 5.66111},
      {16, 7.530219e-03, 834.3961, 52.1498, 44.3950, 0.03765, 3.08266, 7.84993},
      {24, 4.787644e-03, 1312.3751, 54.6823, 50.9117, 0.02394, 2.93989, 11.22956},
  };
  TempDir dir;
  seaAndSwell();
  TPCM.LRANDM = TPCM.LSWELL = 0;
  writeReport();
  const std::string report = readFileText("WAVEOUT.stxt");
  const std::size_t particles = report.find("Water Particle Dynamics");
  ASSERT_NE(particles, std::string::npos);
  for (const Case& c : cases) {
    char start[16];
    std::snprintf(start, sizeof start, "%.2f ", c.period);
    const std::vector<double> wave = rowOf(report.substr(0, particles), start);
    ASSERT_EQ(wave.size(), 7u) << c.period;
    EXPECT_TRUE(IsClose(wave[1], c.length, 0, 0.006)) << c.period;
    EXPECT_TRUE(IsClose(wave[2], c.kA * 57.29578, 0, 0.006)) << c.period << ": the slope of a constant height";
    EXPECT_TRUE(IsClose(wave[3], c.c, 0, 0.006)) << c.period;
    EXPECT_TRUE(IsClose(wave[4], c.cg, 0, 0.006)) << c.period;
    EXPECT_TRUE(IsClose(wave[5], c.k, 0.0007)) << c.period;
    EXPECT_TRUE(IsClose(wave[6], 2 * M_PI / c.period, 0, 0.0006)) << c.period;
    const std::vector<double> particle = rowOf(report.substr(particles), start);
    ASSERT_EQ(particle.size(), 7u) << c.period;
    EXPECT_TRUE(IsClose(particle[1], c.kA, 0, 0.0006)) << c.period << ": horizontal acceleration in g is kA";
    EXPECT_TRUE(IsClose(particle[3], c.horizontalVelocity, 0, 0.0006)) << c.period;
    EXPECT_TRUE(IsClose(particle[5], c.horizontalDisplacement, 0, 0.0006)) << c.period;
    EXPECT_TRUE(IsClose(particle[6], 5.0, 0, 0.0006)) << c.period;
  }
  // The wave grid is left in WAVCOM: the wave numbers of the periods and gravity.
  EXPECT_TRUE(IsClose(WAVCOM.WVK(4), 1.390219e-02, 1e-5));
  EXPECT_EQ(WAVCOM.G, 32.152f);
  EXPECT_EQ(WAVCOM.DT, 2.0f);
  // In deep water (kh of 80 or more) the group speed is half the phase speed.
  TPCM.DEPTH = 5000.0f;
  writeReport();
  const std::vector<double> deep = rowOf(readFileText("WAVEOUT.stxt"), "4.00 ");
  ASSERT_EQ(deep.size(), 7u);
  EXPECT_TRUE(IsClose(deep[4], deep[3] / 2, 0, 0.006));
  // A constant slope: the property column is the height 2A = 2 slope / k.
  TPCM.DEPTH = 100.0f;
  TPCM.LSLPHT = 1;
  TPCM.SLPHT = 5.0f;
  writeReport();
  const std::vector<double> sloped = rowOf(readFileText("WAVEOUT.stxt"), "10.00 ");
  EXPECT_TRUE(IsClose(sloped[2], 2 * (5.0 / 57.29578) / 1.390219e-02, 0, 0.006));
}

TEST_F(WaveReport, SignificantHeightsAgainstTheZerothMoment) {
  // Every spectrum normalised to Hs has m0 = Hs^2/16, so 4 sqrt(m0) of the grid's Simpson rule
  // gives back the requested height; 100 periods of 2 to 26.75 s hold all but a sliver of energy.
  struct Case {
    const char* what;
    std::int32_t type;
    float height, period;
    float gamma, sigmaA, sigmaB;
  };
  const Case cases[] = {
      {"default swell", 0, 8.0f, 12.0f, 0, 0, 0},  {"Pierson-Moskowitz", 1, 10.0f, 0.0f, 0, 0, 0},
      {"Mean JONSWAP", 2, 10.0f, 10.0f, 0, 0, 0},  {"Sharp JONSWAP", 3, 10.0f, 10.0f, 0, 0, 0},
      {"Squat JONSWAP", 4, 10.0f, 11.0f, 0, 0, 0}, {"General JONSWAP", 5, 12.0f, 12.0f, 2.0f, 0.07f, 0.09f},
      {"Bretschneider", 6, 10.0f, 10.0f, 0, 0, 0}, {"TMA", 10, 10.0f, 10.0f, 3.3f, 0.07f, 0.09f},
  };
  for (const Case& c : cases) {
    TempDir dir;
    testing_support::environmentDataSet();
    Tpcm& t = TPCM;
    t.DEPTH = 60.0f;
    periods(100, 2.0f, 0.25f);
    t.LRANDM = 1;
    t.WAVTYP = c.type;
    t.SWHT(1) = c.height;
    t.SIGPD(1) = c.period;
    t.WAVWID = 0.1f;
    t.JONGAM = c.gamma;
    t.JONPL = c.sigmaA;
    t.JONPG = c.sigmaB;
    writeReport();
    const std::string report = readFileText("WAVEOUT.stxt");
    EXPECT_TRUE(IsClose(characteristic(report, "Calculated Significant wave height"), c.height, 0.005)) << c.what;
    EXPECT_TRUE(IsClose(characteristic(report, "Requested Significant wave height"), c.height, 0, 0.005)) << c.what;
    // The swell on its own: the same spectrum through the swell's words.
    t.LRANDM = 0;
    t.LSWELL = 1;
    t.SWLTYP = c.type == 10 ? 5 : c.type;
    t.SWELHT = c.height;
    t.SWELPD = c.type == 1 ? 8.73f : c.period;  // a period on the grid
    t.SWLWID = 0.1f;
    t.JONGAM_SWL = c.gamma;
    t.JONPL_SWL = c.sigmaA;
    t.JONPG_SWL = c.sigmaB;
    writeReport();
    EXPECT_TRUE(
        IsClose(characteristic(readFileText("WAVEOUT.stxt"), "Calculated Significant swell height"), c.height, 0.005))
        << c.what;
  }
  // Ochi-Hubble: the requested height is the root-sum-square of the components' heights and the
  // peak period that of the highest component; each component has m0 = Hs^2/16.
  TempDir dir;
  ochiSea();
  periods(100, 2.0f, 0.25f);
  writeReport();
  const std::string report = readFileText("WAVEOUT.stxt");
  EXPECT_TRUE(IsClose(characteristic(report, "Requested Significant wave height"), std::sqrt(13.0), 0, 0.005));
  EXPECT_TRUE(IsClose(characteristic(report, "Calculated Significant wave height"), std::sqrt(13.0), 0.005));
  EXPECT_EQ(characteristic(report, "Spectrum peak period"), 10.0);
}

TEST_F(WaveReport, OnTheScreen) {
  TempDir dir;
  seaAndSwell();
  TPCM.IUNIT = kScreenUnit;
  const std::string screen = drive("\n\n\n\n", [] { WAVOUT(); });
  EXPECT_FALSE(std::filesystem::exists("WAVEOUT.stxt"));
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\f'), 3) << "a cleared screen between pages";
  std::size_t pauses = 0;
  for (std::size_t at = screen.find(kPause); at != std::string::npos; at = screen.find(kPause, at + 1)) ++pauses;
  EXPECT_EQ(pauses, 4u);
  EXPECT_TRUE(contains(screen, "  .1850        33.96")) << screen;
  // With neither irregular waves nor swell: two pages.
  TPCM.LRANDM = TPCM.LSWELL = 0;
  const std::string regular = drive("\n\n", [] { WAVOUT(); });
  EXPECT_EQ(std::count(regular.begin(), regular.end(), '\f'), 1);
  EXPECT_FALSE(contains(regular, "Irregular")) << regular;
}

TEST_F(WaveReport, DataThatMakeNoReport) {
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::vector<std::string> message;
  };
  const Case cases[] = {
      {"no depth", [] { TPCM.DEPTH = 0.0f; }, {" ++> Wave report: the water depth (page 1) must be positive."}},
      {"a zero period",
       [] { TPCM.T(3) = 0.0f; },
       {" ++> Wave report: the regular wave periods (page 14) must be positive."}},
      {"uneven periods",
       [] { TPCM.T(11) = 25.0f; },
       {" ++> Wave report: irregular waves and swell need at least 3 regular wave periods",
        "     (page 14), positive, increasing and equally spaced."}},
      {"two periods",
       [] { TPCM.NWP = 2; },
       {" ++> Wave report: irregular waves and swell need at least 3 regular wave periods",
        "     (page 14), positive, increasing and equally spaced."}},
      {"swell beyond the grid", [] { TPCM.SWELPD = 25.5f; }, {" ++> Swell outside wave period range"}},
      {"swell before the grid", [] { TPCM.SWELPD = 2.5f; }, {" ++> Swell outside wave period range"}},
      {"no peak period",
       [] { TPCM.SIGPD(1) = 0.0f; },
       {" ++> Wave report: the irregular sea (page 15) needs a positive peak period."}},
      {"Pierson-Moskowitz without a height",
       [] {
         TPCM.WAVTYP = 1;
         TPCM.SWHT(1) = 0.0f;
       },
       {" ++> Wave report: the irregular sea (page 15) needs a positive significant",
        "     height (it sets the peak period)."}},
      {"swell without a bandwidth",
       [] { TPCM.SWLWID = 0.0f; },
       {" ++> Wave report: the swell (page 16) needs a positive spectral bandwidth."}},
      {"sea's default spectrum peaking off the grid",
       [] {
         TPCM.WAVTYP = 0;
         TPCM.SIGPD(1) = 30.0f;
       },
       {" ++> Wave report: the irregular sea (page 15) needs a peak period within the",
        "     regular wave periods."}},
      {"JONSWAP without a width",
       [] {
         TPCM.SWLTYP = 5;
         TPCM.JONGAM_SWL = 3.3f;
       },
       {" ++> Wave report: the swell (page 16) needs positive JONSWAP \"Gamma\", \"Sigma a\"",
        "     and \"Sigma b\" parameters."}},
      {"an Ochi-Hubble component without lambda",
       [] {
         TPCM.WAVTYP = 9;
         TPCM.N_OCHI_COMP = 1;
       },
       {" ++> Wave report: the irregular sea (page 15) needs a positive peak period and",
        "     lambda for every Ochi-Hubble component."}},
  };
  for (const Case& c : cases) {
    TempDir dir;
    testing_support::writeFileText("WAVEOUT.stxt", "old report");
    seaAndSwell();
    c.edit();
    const std::string screen = drive("\n", [] {
      TPCM.IUNIT = 1;
      WAVOUT();
    });
    std::string expected = "\n >>> Outputting wave kinematics data...\n\n\n";
    for (const std::string& line : c.message) expected += line + "\n";
    EXPECT_EQ(screen, expected + kPause) << c.what;
    EXPECT_EQ(readFileText("WAVEOUT.stxt"), "old report") << c.what << ": the old report stays";
  }
}

TEST_F(WaveReport, PeakOffTheGridTakesTheNearestEnd) {
  // A sea peaking beyond the grid's longest period: the group speed at the peak is that of the last
  // grid period.
  TempDir dir;
  seaAndSwell();
  TPCM.LSWELL = 0;
  TPCM.SIGPD(1) = 30.0f;
  writeReport();
  const std::string report = readFileText("WAVEOUT.stxt");
  EXPECT_EQ(characteristic(report, "Spectrum peak period"), 30.0);
  // The intergroup spacing at dw = 0.1 rad/s: cg(24 s) 2 pi / 0.1, cg from the dispersion relation.
  const std::vector<double> row = rowOf(report, ".1000 ");
  ASSERT_EQ(row.size(), 4u);
  EXPECT_TRUE(IsClose(row[2], 50.9117 * 2 * M_PI / 0.1, 0.0005));
}

}  // namespace
}  // namespace qv

// The wave pages and the wave report through the real editor: a data set opened ("M"), a jump to
// page 14 (J14), a regular-wave grid typed on page 14, a JONSWAP sea on page 15 and a swell on page 16,
// the wave report of the end-of-session menu (choice 6), then the save. The saved "SALMDAT" is
// checked word by word (word w at byte 4(w-1)) and the report against the sea that was typed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"

namespace qv {
namespace {

using qv::testing_support::contains;
using qv::testing_support::IsClose;
using e2e::floatWord;
using e2e::intWord;

// The value of a report line such as "Calculated Significant wave height ...   8.00 ft".
double reportValue(const std::string& report, const std::string& label) {
  const std::size_t at = report.find(label);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no line " << label;
    return 0.0;
  }
  return std::atof(report.substr(report.find_first_not_of(". ", at + label.size()), 10).c_str());
}

TEST(EnvironmentPagesE2e, JonswapSeaWithSwellAndTheWaveReport) {
  e2e::Folder folder;
  // A consistent SALM and tanker in 100 ft of water with the built-in force models.
  folder.writeFile("SALMDAT", testing_support::DataSet()
                                  .withSalm()
                                  .withTanker()
                                  .with([] { TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0x444; })
                                  .bytes());
  const std::string script =
      "M\n"                                 // the data set opened; J14 on the first page that asks
      "J14\n1\n51\n2\n52\n3\n0.5\n\n"       // page 14: 51 periods repeated from 3 s in steps of 0.5 s
      "J15\n1\n2\n3\n4\n45\n6\n8\n7\n10\n"  // page 15: on, Mean JONSWAP toward 45 degrees, 8 ft, 10 s
      "J16\n1\n2\n7\n4\n30\n6\n3\n7\n14\n"  // page 16: on, Bretschneider toward 30 degrees, 3 ft, 14 s
      "L\n6\n1\n";                          // the wave report, then save and exit
  const e2e::Run run = folder.run(script);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(contains(run.out, "\n >>> Outputting wave kinematics data...\n\n")) << run.out;
  EXPECT_TRUE(contains(run.out, "  2) Wave type:  Mean JONSWAP          \n")) << run.out;
  EXPECT_TRUE(contains(run.out, "  2) Swell type:  Bretschneider                \n")) << run.out;

  const std::string image = folder.readFile("SALMDAT");
  ASSERT_EQ(image.size(), 4u * kStoredWords);
  struct IntWord {
    const char* name;
    int word;
    std::int32_t value;
  };
  const IntWord ints[] = {
      {"NWP", 167, 51}, {"WAVTYP", 164, 2}, {"LRANDM", 172, 1}, {"LSWELL", 174, 1}, {"SWLTYP", 190, 6}};
  for (const IntWord& w : ints) EXPECT_EQ(intWord(image, w.word), w.value) << w.name;
  struct FloatWord {
    const char* name;
    int word;
    float value;
  };
  const FloatWord floats[] = {{"T(1)", 318, 3.0f},      {"T(51)", 368, 28.0f},     {"SWHT(1)", 430, 8.0f},
                              {"SIGPD(1)", 436, 10.0f}, {"SEAHDG(1)", 714, 45.0f}, {"SWELHT", 451, 3.0f},
                              {"SWELPD", 452, 14.0f},   {"SWLHDG", 453, 30.0f}};
  for (const FloatWord& w : floats) EXPECT_EQ(floatWord(image, w.word), w.value) << w.name;

  // The report's significant heights are 4 sqrt(m0) of the spectra on the typed grid: m0 = Hs^2/16
  // for both spectra, within the grid's Simpson error; the peak periods are the typed ones.
  ASSERT_TRUE(folder.exists("WAVEOUT.stxt"));
  const std::string report = folder.readFile("WAVEOUT.stxt");
  EXPECT_TRUE(IsClose(reportValue(report, "Calculated Significant wave height"), 8.0, 0.01)) << report;
  EXPECT_EQ(reportValue(report, "Spectrum peak period"), 10.0);
  EXPECT_TRUE(IsClose(reportValue(report, "Calculated Significant swell height"), 3.0, 0.01)) << report;
  EXPECT_EQ(reportValue(report, "Swell period"), 14.0);
  EXPECT_TRUE(contains(report, "     28.000        0.224")) << "the last of the 51 periods";
}

// A sea whose spectrum comes from the user's "WAVSPEC.txt" makes the wave report read that file. A
// file that cannot serve stops the report with its message, but not the session: the report file is
// not written, and the menu comes back with the edits, to be saved. (The session used to end there
// with status 1, its edits lost.)
TEST(EnvironmentPagesE2e, AWaveSpectrumFileThatCannotServeEndsTheReportNotTheSession) {
  struct Case {
    const char* what;
    const char* file;     // nullptr: no file
    const char* message;  // the reader's first line
  };
  const Case cases[] = {
      {"a value that is no number", "3\n0.5 1\n0.6 2\n0.7 x\n",
       " ++> User file \"WAVSPEC.txt\": line 4, column 2 holds \"x\", which is no number;"},
      {"a density beyond any sea", "3\n0.5 1\n0.6 1e20\n0.7 1\n",
       " ++> User file \"WAVSPEC.txt\", line 3, column 2 (a spectral density)\n     is 1.0000E+20;"},
      {"no file", nullptr, "WAVSPEC.txt\" not found"},
  };
  for (const Case& c : cases) {
    e2e::Folder folder;
    folder.writeFile("SALMDAT", testing_support::DataSet().withSalm().withTanker().bytes());
    if (c.file != nullptr) folder.writeFile("WAVSPEC.txt", c.file);
    const std::string script =
        "M\n\n"             // the data set opened, the missing "LOWDAT" passed over
        "J15\n1\n2\n8\n"  // page 15: irregular waves on, their spectrum from "WAVSPEC.txt"
        "L\n6\n\n"         // the wave report, its message read (for no file, its question answered)
        "1\n";              // save and exit
    const e2e::Run run = folder.run(script);
    ASSERT_FALSE(run.timedOut) << c.what;
    EXPECT_EQ(run.status, 0) << c.what << "\n" << run.out;
    EXPECT_TRUE(contains(run.out, c.message)) << c.what << "\n" << run.out;
    EXPECT_FALSE(folder.exists("WAVEOUT.stxt")) << c.what;
    const std::string image = folder.readFile("SALMDAT");
    ASSERT_EQ(image.size(), 4u * kStoredWords) << c.what;
    EXPECT_EQ(intWord(image, 164), kSpectrumUserFile) << c.what << ": WAVTYP, the spectrum from the file, saved";
  }
}

}  // namespace
}  // namespace qv

// The user's files of the environment through the real programs, from the tanker example: the
// N.P.D. wind spectrum's height refused alike by the editor's execution and by the runner; a file
// that a choice asks for and the folder lacks named with that choice's page and item before any
// stage; a wave spectrum file that misses the run's frequencies named with both ranges; each reader
// of a user's file on the files a user damages, and on the same files mended as its message says;
// each reader on a file saved with a byte-order mark.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"
#include "support/jonswap_file.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::withWord;
using namespace std::chrono_literals;

// The example's wind (40 knots, metric) with the N.P.D. spectrum evaluated 10 m under the sea.
std::string npdBelowTheSea() {
  const std::string image = withWord(example("tanker-yoke"), offsetof(Tpcm, WNDTYP), std::int32_t{kNpdWind});
  return withWord(image, offsetof(Tpcm, WSPEC_HGT), -10.0f);
}

// At 40 knots the wind profile 1 + C ln(z / 10 m) comes to nothing at 10 m exp(-1 / C) = 1.775 mm,
// C = 0.0573 sqrt(1 + 0.15 x 20.56 m/s) = 0.1158; the spectrum drops its gusts from 1.01 times that.
const std::string kNpdHeight =
    " ++> Fatal Warning: N.P.D. Spectral Evaluation Height (page 11, item 3)\n"
    "     is -10.00;\n"
    "     the analysis needs a height above 1.7929E-03 meters: at and below it the\n"
    "     N.P.D. wind profile, the wind at 10 m times 1+C*ln(z/10m) with C = 0.12 at\n"
    "     the wind speed of item 1, holds almost no wind and the spectrum no gusts.\n";

// The editor's execution refuses it among the end-of-session checks and runs nothing; the runner,
// given the data set all the same, stops before any stage with the same words.
TEST(UserFilesE2e, TheNpdHeightIsRefusedAlikeByTheEditorAndTheRunner) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", npdBelowTheSea());
  const e2e::Run run = folder.run("M\nL\n4\n\n2\n\n");
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string diagnostics = folder.readFile("Diagnostics.stxt");
  EXPECT_TRUE(contains(diagnostics, "\n" + kNpdHeight)) << diagnostics;
  EXPECT_TRUE(contains(diagnostics, " warning(s) and 1 fatal warning(s).\n")) << diagnostics;
  EXPECT_FALSE(contains(diagnostics, ">>> Computing")) << diagnostics;

  e2e::Folder runner;
  runner.writeFile("SALMDAT", npdBelowTheSea());
  const e2e::Run analysis = runner.runAnalysis();
  ASSERT_FALSE(analysis.timedOut);
  EXPECT_EQ(analysis.status, 1);
  EXPECT_EQ(analysis.err, kNpdHeight);
  EXPECT_EQ(runner.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));
}

// The example's wind taken from "WINDSPEC.txt", absent: the run stops before any stage, naming the
// choice that asks for the file; with the file in the folder it runs to its end.
TEST(UserFilesE2e, AMissingFileNamesThePageAndItemThatAskForIt) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT",
                   withWord(example("tanker-yoke"), offsetof(Tpcm, WNDTYP), std::int32_t{kUserWindSpectrum}));
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            " ++> Fatal Warning: The wind spectrum file \"WINDSPEC.txt\" is missing;\n"
            "     the wind spectral type (page 11, item 3) reads it:\n"
            "     choose another there, or put the file in the data set's folder.\n");
  EXPECT_EQ(folder.files(), (std::vector<std::string>{"Diagnostics.stxt", "SALMDAT"}));

  // The Davenport spectrum of the example's wind, 0.02 U L x / (1 + x^2)^(4/3) with x = F L / U, U =
  // 20.556 m/s and L = 191 m, at four frequencies over the slow drift's.
  folder.writeFile("WINDSPEC.txt", "4\n0.0005 0.3648\n0.005 3.638\n0.05 28.11\n0.5 5.715\n");
  const e2e::Run again = folder.runAnalysis();
  ASSERT_FALSE(again.timedOut);
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_TRUE(folder.exists("LOWOUT.stxt"));
}

// The example's sea taken from "WAVSPEC.txt" over 0.5 to 1.2 rad/s, where its periods, 4 to 24 s,
// need 2 pi / 24 = 0.26 to 2 pi / 4 = 1.57 rad/s: the unattended run stops at the warning, which
// names the file and both ranges, and says what to change.
TEST(UserFilesE2e, AWaveSpectrumShortOfTheRunsFrequenciesNamesBothRanges) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT",
                   withWord(example("tanker-yoke"), offsetof(Tpcm, WAVTYP), std::int32_t{kSpectrumUserFile}));
  folder.writeFile("WAVSPEC.txt", "3\n0.5 1.0\n0.8 3.0\n1.2 1.0\n");
  const e2e::Run run = folder.runAnalysis();
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.err,
                       " ++> Warning: User file \"WAVSPEC.txt\" holds frequencies from 0.50 to 1.20 rad/s;\n"
                       "     the run's wave periods (page 14) need it from 0.26 to 1.57 rad/s (periods\n"
                       "     of 4.00 to 24.00 s).\n"))
      << run.err;
  EXPECT_TRUE(contains(run.err, " ++> The run stops here, in UWVSPC.")) << run.err;
}

// ---- Each reader on the files a user damages ----

// The cylinder's wind coefficients in the layout of the README, "heading Cx Cy Cz" with two decimals,
// at the headings 0 to 360 degrees 10 apart (the file's heading is the flow's direction off the bow
// plus 180: CX = -cos a, CY = -sin a, a moment of 0.1 cos a - 0.02 sin a), after the count `count`.
std::string windCoefficients(int count) {
  std::string text = std::to_string(count) + "\n";
  for (int k = 0; k <= 36; ++k) {
    const double a = (10.0 * k - 180.0) * std::acos(-1.0) / 180.0;
    char row[64];
    std::snprintf(row, sizeof row, "%.1f %.2f %.2f %.2f\n", 10.0 * k, -std::cos(a) + 0.0, -std::sin(a) + 0.0,
                  0.1 * std::cos(a) - 0.02 * std::sin(a) + 0.0);
    text += row;
  }
  return text;
}

// `text` with each of its decimal points a comma, as a locale that writes decimal commas gives it.
std::string withDecimalCommas(std::string text) {
  for (char& c : text) c = c == '.' ? ',' : c;
  return text;
}

// The lines of `text`, from 1.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines = {""};
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}
std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t k = 1; k < lines.size(); ++k) text += lines[k] + "\n";
  return text;
}

// `text` with its `line`-th line replaced by `by`.
std::string withLine(const std::string& text, int line, const std::string& by) {
  std::vector<std::string> lines = linesOf(text);
  lines[static_cast<std::size_t>(line)] = by;
  return joined(lines);
}

// `text` with its lines `a` and `b` swapped.
std::string withLinesSwapped(const std::string& text, int a, int b) {
  std::vector<std::string> lines = linesOf(text);
  std::swap(lines[static_cast<std::size_t>(a)], lines[static_cast<std::size_t>(b)]);
  return joined(lines);
}

// "DRFTCOFS.txt" of two frequencies, 0.1 and 5 rad/s, at the headings 0 to 360 degrees 10 apart
// (surge 0.3 cos h, sway 0.5 sin h, yaw -0.02 sin 2h), the counts on line 1 as `counts` gives them.
std::string driftCoefficients(const char* counts) {
  std::ostringstream out;
  out << counts << "\n";
  for (int j = 0; j <= 36; ++j) {
    const double h = 10.0 * j * std::acos(-1.0) / 180.0;
    out << 10 * j << "\n";
    for (const double w : {0.1, 5.0}) out << w << " " << 0.3 * std::cos(h) << " " << 0.5 * std::sin(h) << " " << -0.02 * std::sin(2.0 * h) << "\n";
  }
  return out.str();
}

// "USERRAOS.txt" of two frequencies and two headings covering the grid, its last value on line 3 (the
// first row's yaw) left out when `short3`.
std::string userOperators(bool short3) {
  std::string text = "2 2\n";
  for (const char* heading : {"0", "360"}) {
    text += std::string(heading) + "\n";
    for (const char* frequency : {"0.1", "2.0"}) {
      const bool cut = short3 && text.size() == 6;  // the first row, on line 3
      text += std::string(frequency) + " 0.1 0 0.1 0 1 0 0.5 0 0.5 0 0.005" + (cut ? "" : " 0") + "\n";
    }
  }
  return text;
}

// The slow drift's gust and current spectra at 20 frequencies, 0.0005 to 0.5 rad/s evenly in the
// logarithm, each a hump at 0.01 rad/s of `peak` (m/s)^2 s; the example's profile of 2 knots.
std::string flowSpectrum(double peak) {
  std::string text = "20\n";
  for (int k = 0; k < 20; ++k) {
    const double w = 0.0005 * std::pow(1000.0, k / 19.0);
    char row[64];
    std::snprintf(row, sizeof row, "%.6g %.6g\n", w, peak * (w / 0.01) / (1.0 + (w / 0.01) * (w / 0.01)));
    text += row;
  }
  return text;
}
const char* const kProfile = "2\n0.0 2.0 180.0\n100.0 2.0 180.0\n";

// The message lines of a run's standard error, each within the console's 80 columns, none of them
// holding a control character (which the console would obey: a bell, a backspace).
void expectReadable(const std::string& err) {
  std::istringstream lines(err);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
    for (const char c : line) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << line;
  }
}

// The runner unattended in `folder` on the data set `image`, with the user's file `file` holding
// `text`.
e2e::Run runWithFile(const e2e::Folder& folder, const std::string& image, const std::string& file,
                     const std::string& text) {
  folder.writeFile("SALMDAT", image);
  folder.writeFile(file, text);
  const e2e::Run run = folder.runAnalysis({}, "", 30s);
  EXPECT_FALSE(run.timedOut);
  return run;
}

// Each finding of the readers as a user meets it: a file written with decimal commas read in part, a
// count short of the rows that follow dropping the last, a row short of a value named where the rows
// it shifts first fail, messages that named a row and not its line, overran the console and echoed a
// word whole with its control characters. Each run now stops with status 1 before any report, naming
// the file, the line and what to change, within 80 columns; and the file mended as the message says
// runs to its end.
TEST(UserFilesE2e, EachReaderNamesWhatToChangeAndTheMendedFileRuns) {
  using W = std::int32_t;
  struct Word {
    std::size_t offset;
    std::int32_t value;
  };
  const std::vector<Word> windFile = {{offsetof(Tpcm, LWBARG), W{kWindUserFile * 0x111}}};
  const std::vector<Word> driftFile = {{offsetof(Tpcm, LWVCOF), W{kDriftUserFile * 0x111}}};
  struct Case {
    const char* what;
    std::vector<Word> words;
    const char* file;
    std::string damaged;
    std::vector<std::string> message;  // pieces of the message, the first its start
    std::string mended;                // as the message says
  };
  const std::string wind = windCoefficients(37);
  const std::string longWord(2000, '7');
  const std::string wavSea = testing_support::meanJonswapFile(4.0, 10.0, 9.8);
  const Case cases[] = {
      {"WINDCOFS.txt written with decimal commas", windFile, "WINDCOFS.txt", withDecimalCommas(wind),
       {" ++> User file \"WINDCOFS.txt\": line 2 holds 8 values where its row has 4 (a\n"
        "     comma separates values: write 0.90, not 0,90);\n"
        "     the analysis needs row 1 of 37 there: 4 values (heading, CX, CY, CMZ).\n"},
       wind},
      {"WINDCOFS.txt with the heading 0.0 twice", windFile, "WINDCOFS.txt",
       withLine(wind, 15, "0.0 -0.64 0.77 0.08"),
       {" ++> User file \"WINDCOFS.txt\", line 15, column 1 (a heading) is 0.00;\n"
        "     the analysis needs a value above 120.00, the heading on line 14 (the\n"
        "     headings rising strictly, as their first two do).\n"},
       wind},
      {"WINDCOFS.txt counting one row less than it holds", windFile, "WINDCOFS.txt", windCoefficients(36),
       {" ++> User file \"WINDCOFS.txt\": line 38 holds a row after the 36 rows that line 1\n"
        "     counts;\n"
        "     the analysis needs line 1 to count every row, or the rows after them\n"
        "     removed (a note after the last row begins with a word that is no number).\n"},
       wind + "\nThe cylinder's coefficients, 10 degrees apart.\n"},
      {"WINDCOFS.txt with a count of 1", windFile, "WINDCOFS.txt", withLine(wind, 1, "1"),
       {" ++>  User-supplied force coefficient array in WINDCOFS.txt\n"
        "      dimension = [  1] out of range; allowable\n"
        "      dimension = [  2 to 145]\n"},
       wind},
      {"DRFTCOFS.txt counting a heading block less than it holds", driftFile, "DRFTCOFS.txt",
       driftCoefficients("2 36"),
       {" ++> User file \"DRFTCOFS.txt\": line 110 holds a row after the 36 heading blocks\n"
        "     of 2 frequencies that line 1 counts;\n"},
       driftCoefficients("2 37")},
      {"WAVSPEC.txt with two frequencies out of order", {{offsetof(Tpcm, WAVTYP), W{kSpectrumUserFile}}},
       "WAVSPEC.txt", withLinesSwapped(wavSea, 28, 29),
       // Rows 27 and 28 at 0.1 + 3.9 x 26 / 399 = 0.354 and 0.1 + 3.9 x 27 / 399 = 0.364 rad/s.
       {" ++> User file \"WAVSPEC.txt\", line 29, column 1 (a frequency) is 0.35;\n"
        "     the analysis needs a value above 0.36, the frequency on line 28 (the\n"
        "     frequencies rising strictly, as their first two do).\n"},
       wavSea},
      {"USERRAOS.txt with a value left out of the row on line 3", {{offsetof(Tpcm, AUXVSH), W{1}}},
       "USERRAOS.txt", userOperators(true),
       {" ++> User file \"USERRAOS.txt\": line 3 holds 12 values, and the row begun there\n"
        "     ends within line 4, before 12 more values there;\n"
        "     the analysis needs row 1 of heading block 1 (heading 0.00 deg)\n"},
       userOperators(false)},
      {"WINDSPEC.txt with a word of 2,000 characters", {{offsetof(Tpcm, WNDTYP), W{kUserWindSpectrum}}},
       "WINDSPEC.txt", withLine(flowSpectrum(40.0), 3, "0.000718 " + longWord),
       {" ++> User file \"WINDSPEC.txt\": line 3, column 2 holds\n"
        "     \"77777777777777777777777777777777...\" (2000 characters), which is no\n"
        "     number;\n"
        "     the analysis needs row 2 of 20 there: 2 values (frequency in rad/s,\n"
        "     spectral density in (m/s)^2 per rad/s).\n"},
       flowSpectrum(40.0)},
      {"CRNTSPEC.txt with a bell and a backspace in a word", {{offsetof(Tpcm, CURTYP), W{kUserCurrentSpectrum}}},
       "CRNTSPEC.txt", withLine(flowSpectrum(0.04), 4, "0.00103 0.0\a\b5"),
       {" ++> User file \"CRNTSPEC.txt\": line 4, column 2 holds \"0.0^G^H5\", which is no\n"
        "     number;\n"},
       flowSpectrum(0.04)},
      {"CRNTPROF.txt with a row short of a value", {{offsetof(Tpcm, LCSTCR), W{3}}}, "CRNTPROF.txt",
       "2\n0.0 2.0 180.0\n100.0 2.0\n",
       {" ++> User file \"CRNTPROF.txt\": line 3 holds 2 values;\n"
        "     the analysis needs row 2 of 2 there: 3 values (depth below the surface in\n"
        "     m, speed in knots, heading in degrees).\n"},
       kProfile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string image = example("tanker-yoke");
    for (const Word& w : c.words) image = withWord(image, w.offset, w.value);
    e2e::Folder folder;
    const e2e::Run run = runWithFile(folder, image, c.file, c.damaged);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err.rfind(c.message.front(), 0), 0u) << run.err;
    for (const std::string& piece : c.message) EXPECT_TRUE(contains(run.err, piece)) << piece << "\n" << run.err;
    expectReadable(run.err);
    EXPECT_FALSE(folder.exists("LOWOUT.stxt"));

    folder.writeFile(c.file, c.mended);
    const e2e::Run mended = folder.runAnalysis({}, "", 30s);
    ASSERT_FALSE(mended.timedOut);
    EXPECT_EQ(mended.status, 0) << mended.err;
    EXPECT_TRUE(folder.exists("LOWOUT.stxt"));
  }
}

// Each reader on its file saved with a byte-order mark (EF BB BF before the first line, as
// spreadsheets and Windows editors save "UTF-8"): the run reads it as the file without the mark, to
// the same reports byte for byte.
TEST(UserFilesE2e, EachReaderReadsPastAByteOrderMark) {
  using W = std::int32_t;
  struct Case {
    const char* file;
    std::size_t offset;  // the word that makes the run read the file
    std::int32_t value;
    std::string text;
  };
  const Case cases[] = {
      {"WINDCOFS.txt", offsetof(Tpcm, LWBARG), W{kWindUserFile * 0x111}, windCoefficients(37)},
      {"CRNTCOFS.txt", offsetof(Tpcm, LCBARG), W{kCurrentUserFile * 0x111}, windCoefficients(37)},
      {"DRFTCOFS.txt", offsetof(Tpcm, LWVCOF), W{kDriftUserFile * 0x111}, driftCoefficients("2 37")},
      {"USERRAOS.txt", offsetof(Tpcm, AUXVSH), W{1}, userOperators(false)},
      {"WAVSPEC.txt", offsetof(Tpcm, WAVTYP), W{kSpectrumUserFile}, testing_support::meanJonswapFile(4.0, 10.0, 9.8)},
      {"WINDSPEC.txt", offsetof(Tpcm, WNDTYP), W{kUserWindSpectrum}, flowSpectrum(40.0)},
      {"CRNTSPEC.txt", offsetof(Tpcm, CURTYP), W{kUserCurrentSpectrum}, flowSpectrum(0.04)},
      {"CRNTPROF.txt", offsetof(Tpcm, LCSTCR), W{3}, kProfile},
  };
  // What a run leaves beside the data set and the user's file, its clock lines masked.
  const auto reports = [](const e2e::Folder& folder, const std::string& file) {
    std::map<std::string, std::string> outputs;
    for (const std::string& name : folder.files())
      if (name != "SALMDAT" && name != file) outputs[name] = testing_support::maskClock(folder.readFile(name));
    return outputs;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string image = withWord(example("tanker-yoke"), c.offset, c.value);
    e2e::Folder plain;
    const e2e::Run run = runWithFile(plain, image, c.file, c.text);
    ASSERT_EQ(run.status, 0) << run.err;

    e2e::Folder marked;
    const e2e::Run markedRun = runWithFile(marked, image, c.file, "\xEF\xBB\xBF" + c.text);
    EXPECT_EQ(markedRun.status, 0) << markedRun.err;
    EXPECT_EQ(markedRun.err, "");
    EXPECT_TRUE(reports(marked, c.file) == reports(plain, c.file)) << "the reports differ";
  }
}

}  // namespace
}  // namespace qv

// The ends of the ranges that the readers of the user's files name, through the real runner: each
// end a refusal names, written into the file as printed, passes the check that named it, and the
// figure one print unit beyond it is refused again by that check; the value refused is shown with
// the decimals that tell it from the end it lies beyond. So it goes for every file and every check
// with a range, its lower and its upper end, bounds fixed and bounds that the data set sets (the
// water depth, the units of the densities), and for the user's pendular case whose profile ends at
// the water depth.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/example_data.h"

namespace qv {
namespace {

using testing_support::contains;
using testing_support::example;
using testing_support::flatMessage;
using testing_support::withWord;
using namespace std::chrono_literals;

std::filesystem::path casePath(const std::string& name) {
  return std::filesystem::path(QV_SOURCE_DIR) / "tests/e2e/cases" / name;
}

// What a refusal of a file's value says: the value as shown, and the ends of the range it names.
struct Refusal {
  std::string shown;
  std::string low;
  std::string high;
};

// The refusal of the value at `line`, `column` of `file` in a run's standard error, if there is one.
std::optional<Refusal> refusalAt(const std::string& err, const std::string& file, int line, int column) {
  const std::string text = flatMessage(err);
  const std::string place =
      "User file \"" + file + "\", line " + std::to_string(line) + ", column " + std::to_string(column) + " (";
  const std::size_t at = text.find(place);
  if (at == std::string::npos) return std::nullopt;
  const std::size_t is = text.find(") is ", at) + 5;
  const std::size_t semicolon = text.find(';', is);
  const std::size_t from = text.find("a value from ", semicolon) + 13;
  const std::size_t to = text.find(" to ", from);
  const std::size_t close = text.find(" (", to + 4);
  return Refusal{text.substr(is, semicolon - is), text.substr(from, to - from), text.substr(to + 4, close - to - 4)};
}

// The figure one print unit beyond `figure` as a message prints it ("62.83" or "3.5574E+08"): the
// hundredth in the fixed form, the fifth significant digit in the E form.
std::string figureBeyond(const std::string& figure, bool upward) {
  const double value = std::strtod(figure.c_str(), nullptr);
  const std::size_t e = figure.find('E');
  const double unit = e == std::string::npos ? 0.01 : std::pow(10.0, std::stoi(figure.substr(e + 1)) - 4);
  char text[48];
  std::snprintf(text, sizeof text, e == std::string::npos ? "%.2f" : "%.4E", value + (upward ? unit : -unit));
  return text;
}

// A table as lines of words (line 1 first), with the word at `line`, `column` replaced by `value`,
// and then a line with a number after its last row: a row its count leaves out, which stops the run
// where the reader has judged every value before it.
std::string tableWith(const std::vector<std::string>& lines, int line, int column, const std::string& value) {
  std::string text;
  for (int k = 1; k <= static_cast<int>(lines.size()); ++k) {
    std::istringstream in(lines[static_cast<std::size_t>(k - 1)]);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (k == line) words[static_cast<std::size_t>(column - 1)] = value;
    for (std::size_t w = 0; w < words.size(); ++w) text += (w == 0 ? "" : " ") + words[w];
    text += "\n";
  }
  return text + "1\n";
}

// The stop at that row: the reader took every row before it.
std::string rowBeyondTheCount(const std::string& file, const std::vector<std::string>& lines) {
  return "User file \"" + file + "\": line " + std::to_string(lines.size() + 1) + " holds a row after";
}

// Small sound tables of each reader, the ends of each column's order on its first and last rows.
const std::vector<std::string> kCoefficients = {"3", "0 0.5 0.5 0", "180 0.5 0.5 0", "360 0.5 0.5 0"};
const std::vector<std::string> kDrift = {"2 2", "0", "0.1 0.3 0 0", "5 0.3 0 0", "360", "0.1 0.3 0 0", "5 0.3 0 0"};
const std::vector<std::string> kSpectrum = {"3", "0.2 1", "0.6 2", "1.6 1"};
const std::string kOperatorRow = " 0.1 0 0.1 0 1 0 0.5 0 0.5 0 0.005 0";
const std::vector<std::string> kOperators = {"2 2", "0", "0.1" + kOperatorRow, "2.0" + kOperatorRow,
                                             "360", "0.1" + kOperatorRow, "2.0" + kOperatorRow};
const std::vector<std::string> kProfile = {"2", "0.0 2.0 180.0", "50.0 2.0 180.0"};

// The data sets the files are read for: the metric tanker example, its word that makes the run read
// each file set, and the user's hawser case in English units (tests/e2e/cases/hawser-userraos, with
// its own coefficient and operator files), each with the water depth 0.004 short of a round figure.
enum class DataSet { kTanker, kHawser };
constexpr float kTankerDepth = 99.996f;   // [m]
constexpr float kHawserDepth = 249.996f;  // [ft]

void writeDataSet(const e2e::Folder& folder, DataSet set, const std::string& file) {
  using W = std::int32_t;
  std::string image;
  if (set == DataSet::kHawser) {
    for (const auto& entry : std::filesystem::directory_iterator(casePath("hawser-userraos")))
      folder.writeFile(entry.path().filename().string(), testing_support::readFileText(entry.path()));
    image = testing_support::readFileText(casePath("hawser-userraos") / "SALMDAT");
    image = withWord(image, offsetof(Tpcm, DEPTH), kHawserDepth);
  } else {
    image = withWord(example("tanker-yoke"), offsetof(Tpcm, DEPTH), kTankerDepth);
  }
  if (file == "WINDCOFS.txt") image = withWord(image, offsetof(Tpcm, LWBARG), W{kWindUserFile * 0x111});
  if (file == "CRNTCOFS.txt") image = withWord(image, offsetof(Tpcm, LCBARG), W{kCurrentUserFile * 0x111});
  if (file == "DRFTCOFS.txt") image = withWord(image, offsetof(Tpcm, LWVCOF), W{kDriftUserFile * 0x111});
  if (file == "USERRAOS.txt") image = withWord(image, offsetof(Tpcm, AUXVSH), W{1});
  if (file == "WAVSPEC.txt") image = withWord(image, offsetof(Tpcm, WAVTYP), W{kSpectrumUserFile});
  if (file == "WINDSPEC.txt") image = withWord(image, offsetof(Tpcm, WNDTYP), W{kUserWindSpectrum});
  if (file == "CRNTSPEC.txt") image = withWord(image, offsetof(Tpcm, CURTYP), W{kUserCurrentSpectrum});
  if (file == "CRNTPROF.txt") image = withWord(image, offsetof(Tpcm, LCSTCR), W{3});
  folder.writeFile("SALMDAT", image);
}

// One end of the range of one check.
struct End {
  DataSet set;
  const char* file;
  const std::vector<std::string>* table;
  int line;
  int column;
  float bound;  // the end as the reader holds it, a 4-byte float
  bool upper;
};

// Every check of every reader with its two ends. Headings turn once either way; frequencies are those
// of waves of 0.1 s and longer (2 pi / 0.1 = 62.831855 rad/s); coefficients and operators stay within
// a hundred; a profile's depths lie in the water and its speeds below 25 knots. The densities' upper
// ends as the readers form them in 4-byte floats (computed once in Python with numpy.float32):
// (30 m / 4)^2 / 0.0005 rad/s = 112500 m^2 per rad/s, and with 30 m as 30 x 3.2808399 ft, 1210940;
// (250 knots x 0.514 m/s)^2 / 0.0005 = 33024498 and (250 x 1.687 ft/s)^2 / 0.0005 = 355746112;
// (25 x 0.514)^2 / 0.0005 = 330245 and (25 x 1.687)^2 / 0.0005 = 3557461.
std::vector<End> everyEnd() {
  constexpr float kTurn = 360.0f, kFrequency = 62.831855f, kHundred = 100.0f, kKnots = 25.0f;
  const DataSet T = DataSet::kTanker, H = DataSet::kHawser;
  std::vector<End> ends;
  const auto both = [&](End low, End high) {
    ends.push_back(low);
    ends.push_back(high);
  };
  for (const char* file : {"WINDCOFS.txt", "CRNTCOFS.txt"}) {
    both({T, file, &kCoefficients, 2, 1, -kTurn, false}, {T, file, &kCoefficients, 4, 1, kTurn, true});
    for (int column = 2; column <= 4; ++column)
      both({T, file, &kCoefficients, 3, column, -kHundred, false}, {T, file, &kCoefficients, 3, column, kHundred, true});
  }
  both({T, "DRFTCOFS.txt", &kDrift, 2, 1, -kTurn, false}, {T, "DRFTCOFS.txt", &kDrift, 5, 1, kTurn, true});
  both({T, "DRFTCOFS.txt", &kDrift, 3, 1, 0.0f, false}, {T, "DRFTCOFS.txt", &kDrift, 4, 1, kFrequency, true});
  for (int column = 2; column <= 4; ++column)
    both({T, "DRFTCOFS.txt", &kDrift, 3, column, -kHundred, false}, {T, "DRFTCOFS.txt", &kDrift, 3, column, kHundred, true});
  both({T, "USERRAOS.txt", &kOperators, 2, 1, -kTurn, false}, {T, "USERRAOS.txt", &kOperators, 5, 1, kTurn, true});
  both({T, "USERRAOS.txt", &kOperators, 3, 1, 0.0f, false}, {T, "USERRAOS.txt", &kOperators, 4, 1, kFrequency, true});
  for (int column = 2; column <= 13; ++column)
    both({T, "USERRAOS.txt", &kOperators, 3, column, -kHundred, false},
         {T, "USERRAOS.txt", &kOperators, 3, column, kHundred, true});
  for (const char* file : {"WAVSPEC.txt", "WINDSPEC.txt", "CRNTSPEC.txt"})
    both({T, file, &kSpectrum, 2, 1, 0.0f, false}, {T, file, &kSpectrum, 4, 1, kFrequency, true});
  both({T, "WAVSPEC.txt", &kSpectrum, 3, 2, 0.0f, false}, {T, "WAVSPEC.txt", &kSpectrum, 3, 2, 112500.0f, true});
  both({H, "WAVSPEC.txt", &kSpectrum, 3, 2, 0.0f, false}, {H, "WAVSPEC.txt", &kSpectrum, 3, 2, 1210940.0f, true});
  both({T, "WINDSPEC.txt", &kSpectrum, 3, 2, 0.0f, false}, {T, "WINDSPEC.txt", &kSpectrum, 3, 2, 33024498.0f, true});
  both({H, "WINDSPEC.txt", &kSpectrum, 3, 2, 0.0f, false}, {H, "WINDSPEC.txt", &kSpectrum, 3, 2, 355746112.0f, true});
  both({T, "CRNTSPEC.txt", &kSpectrum, 3, 2, 0.0f, false}, {T, "CRNTSPEC.txt", &kSpectrum, 3, 2, 330245.0f, true});
  both({H, "CRNTSPEC.txt", &kSpectrum, 3, 2, 0.0f, false}, {H, "CRNTSPEC.txt", &kSpectrum, 3, 2, 3557461.0f, true});
  both({T, "CRNTPROF.txt", &kProfile, 2, 1, 0.0f, false}, {T, "CRNTPROF.txt", &kProfile, 3, 1, kTankerDepth, true});
  ends.push_back({H, "CRNTPROF.txt", &kProfile, 3, 1, kHawserDepth, true});
  both({T, "CRNTPROF.txt", &kProfile, 2, 2, 0.0f, false}, {T, "CRNTPROF.txt", &kProfile, 2, 2, kKnots, true});
  both({T, "CRNTPROF.txt", &kProfile, 2, 3, -kTurn, false}, {T, "CRNTPROF.txt", &kProfile, 2, 3, kTurn, true});
  return ends;
}

// For each end: the value just beyond it (the next 4-byte float) is refused, named by its place and
// shown as a figure beyond the end the refusal names; that end, written in its place as printed,
// passes (the run reads on to the row after the table); the figure one print unit beyond it (or the
// first beyond it that the reader reads as another float) is refused again, naming the same end.
TEST(UserFileEndsE2e, EachEndARefusalNamesWrittenBackPassesAndOneUnitBeyondIsRefused) {
  for (const End& e : everyEnd()) {
    SCOPED_TRACE(std::string(e.file) + (e.set == DataSet::kHawser ? " (English)" : "") + ", line " +
                 std::to_string(e.line) + ", column " + std::to_string(e.column) + (e.upper ? ", upper" : ", lower") +
                 " end");
    e2e::Folder folder;
    writeDataSet(folder, e.set, e.file);
    const auto runWith = [&](const std::string& value) {
      folder.writeFile(e.file, tableWith(*e.table, e.line, e.column, value));
      const e2e::Run run = folder.runAnalysis({}, "", 30s);
      EXPECT_FALSE(run.timedOut);
      return run;
    };

    char beyond[32];
    const float outward = e.upper ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    std::snprintf(beyond, sizeof beyond, "%.9g", static_cast<double>(std::nextafter(e.bound, outward)));
    const e2e::Run refused = runWith(beyond);
    EXPECT_EQ(refused.status, 1);
    const std::optional<Refusal> named = refusalAt(refused.err, e.file, e.line, e.column);
    ASSERT_TRUE(named) << beyond << "\n" << refused.err;
    const std::string end = e.upper ? named->high : named->low;
    const double shown = std::strtod(named->shown.c_str(), nullptr);
    const double endValue = std::strtod(end.c_str(), nullptr);
    EXPECT_TRUE(e.upper ? shown > endValue : shown < endValue) << named->shown << " against the end " << end;

    const e2e::Run writtenBack = runWith(end);
    EXPECT_FALSE(refusalAt(writtenBack.err, e.file, e.line, e.column)) << end << "\n" << writtenBack.err;
    EXPECT_TRUE(contains(flatMessage(writtenBack.err), rowBeyondTheCount(e.file, *e.table)))
        << end << "\n" << writtenBack.err;

    // Where floats lie wider apart than the print unit, the figures up to the next float read as the
    // end itself (1210940.01 as 1210940): the first that reads as another is refused.
    std::string next = figureBeyond(end, e.upper);
    while (std::strtof(next.c_str(), nullptr) == std::strtof(end.c_str(), nullptr)) next = figureBeyond(next, e.upper);
    const std::optional<Refusal> again = refusalAt(runWith(next).err, e.file, e.line, e.column);
    ASSERT_TRUE(again) << next;
    EXPECT_EQ(e.upper ? again->high : again->low, end) << next;
  }
}

// The user's pendular case (tests/e2e/cases/pendular-60m) whose "CRNTPROF.txt" ends at 60.00 m, in
// water 59.996 m deep: line 6 is refused naming the water depth as 59.99, the greatest figure that
// lies in the water (the nearest hundredth, 60.00, is the depth refused), and the depth refused
// shows as 60.00, beyond it. Written back as 59.99, the profile passes and the run goes on to the
// statics. In water 60.996 m deep, where the column stands, a profile ending at 61.00 is refused
// naming 60.99, and with 60.99 written back the run goes to its end.
TEST(UserFileEndsE2e, ThePendularProfileEndingBelowTheWaterDepthRunsWithTheDepthNamedWrittenBack) {
  struct Case {
    float depth;  // [m]
    const char* lastRow;
    const char* message;
    const char* writtenBack;
    int status;  // of the run with the row written back
  };
  const Case cases[] = {
      {59.996f, "60.0  0.30  210",
       " ++> User file \"CRNTPROF.txt\", line 6, column 1 (a depth) is 60.00;\n"
       "     the analysis needs a value from 0.00 to 59.99 (the water depth,\n"
       "     page 1, item 4).\n",
       "59.99  0.30  210", 1},
      {60.996f, "61.0  0.30  210",
       " ++> User file \"CRNTPROF.txt\", line 6, column 1 (a depth) is 61.00;\n"
       "     the analysis needs a value from 0.00 to 60.99 (the water depth,\n"
       "     page 1, item 4).\n",
       "60.99  0.30  210", 0},
  };
  const std::string profile = testing_support::readFileText(casePath("pendular-60m") / "CRNTPROF.txt");
  ASSERT_TRUE(contains(profile, "\n60.0  0.30  210\n")) << profile;
  const std::string firstRows = profile.substr(0, profile.find("\n60.0  0.30  210\n") + 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.depth);
    e2e::Folder folder;
    folder.writeFile("SALMDAT", withWord(testing_support::readFileText(casePath("pendular-60m") / "SALMDAT"),
                                         offsetof(Tpcm, DEPTH), c.depth));
    folder.writeFile("CRNTPROF.txt", firstRows + c.lastRow + "\n");
    const e2e::Run refused = folder.runAnalysis({}, "", 30s);
    ASSERT_FALSE(refused.timedOut);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(contains(refused.err, c.message)) << refused.err;

    folder.writeFile("CRNTPROF.txt", firstRows + c.writtenBack + "\n");
    const e2e::Run again = folder.runAnalysis({}, "", 30s);
    ASSERT_FALSE(again.timedOut);
    EXPECT_EQ(again.status, c.status) << again.err;
    EXPECT_FALSE(contains(again.err, "CRNTPROF.txt")) << again.err;
    if (c.status == 1) {
      EXPECT_TRUE(again.err.starts_with(" ++> SALM statics:")) << again.err;
    }
  }
}

}  // namespace
}  // namespace qv

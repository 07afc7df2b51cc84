#include "util/td_options.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/units.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/list_read.h"
#include "util/squalcom.h"
#include "util/title.h"

namespace qv {

namespace {

constexpr int kOptionsUnit = 1233;
constexpr std::size_t kPairsPerLine = 100;
constexpr char kTab = '\t';

// Writes values as TAB-value pairs, at most 100 pairs to a line; an empty list is one empty line.
void writePairs(std::size_t count, const std::function<std::string(std::size_t)>& field) {
  std::string line;
  for (std::size_t k = 0; k < count; ++k) {
    if (k > 0 && k % kPairsPerLine == 0) {
      writeRecord(kOptionsUnit, line);
      line.clear();
    }
    line += kTab;
    line += field(k);
  }
  writeRecord(kOptionsUnit, line);
}

std::string versionText(float version, std::int32_t subRelease) {
  Text<17> text;
  VERSION_STRING2(text, version, subRelease);
  return std::string(text.trimmed());
}

// A logical read free-form: an optional ".", then T or F; what follows up to the separator is
// ignored. An empty value leaves the flag as it was.
bool readLogical(const std::string& value, std::int32_t& flag) {
  if (value.empty()) return true;
  const std::size_t at = value[0] == '.' ? 1 : 0;
  if (at >= value.size()) return false;
  const char c = value[at];
  if (c == 'T' || c == 't') flag = 1;
  else if (c == 'F' || c == 'f') flag = 0;
  else return false;
  return true;
}

// The reads after the first line, each starting on a line of its own. False at the first read that
// fails or finds counts past the groups or the caller's arrays.
bool readGroups(std::span<std::int32_t> PICKB, std::span<std::int32_t> PICKA, std::int32_t& NL, std::int32_t& NI,
                std::int32_t& NR) {
  const RecordSource next = [](std::string& record) { return readRecord(kOptionsUnit, record); };
  const auto read = [&](std::span<const ListTarget> targets) { return listRead(next, targets) == ListStatus::kDone; };
  const auto readList = [&](std::initializer_list<ListTarget> targets) {
    return read(std::span<const ListTarget>(targets.begin(), targets.size()));
  };
  const auto readInts = [&](std::int32_t* values, std::int32_t count) {
    std::vector<ListTarget> targets;
    for (std::int32_t k = 0; k < count; ++k) targets.emplace_back(values + k);
    return read(targets);
  };

  if (!readList({&NL, &NI, &NR})) return false;
  if (NL > kSquallFlags || NI > kSquallIntegers || NR > kSquallReals) return false;
  if (!readList({&SQUALCOM.fullDuration_D, &SQUALCOM.nFldReports_D})) return false;

  std::vector<std::string> flags(static_cast<std::size_t>(std::max(NL, 0)));
  std::vector<ListTarget> flagTargets;
  for (std::string& f : flags) flagTargets.emplace_back(&f);
  if (!read(flagTargets)) return false;
  for (std::size_t k = 0; k < flags.size(); ++k)
    if (!readLogical(flags[k], SQUALCOM.FlagArray[k])) return false;

  if (!readInts(SQUALCOM.IntVarArray.data(), NI)) return false;
  const std::int32_t picks = SQUALCOM.nFldReports;
  if (picks > static_cast<std::int64_t>(std::min(PICKA.size(), PICKB.size()))) return false;
  if (!readInts(PICKA.data(), picks) || !readInts(PICKB.data(), picks)) return false;

  std::vector<ListTarget> reals;
  for (std::int32_t k = 0; k < NR; ++k) reals.emplace_back(&SQUALCOM.RealVarArray[static_cast<std::size_t>(k)]);
  return read(reals);
}

}  // namespace

void WRITE_TD_OPTS(std::string_view FNAME, float VER, std::int32_t ISUB, float SQVER, std::int32_t SQSUB,
                   float DURH, std::int32_t NFLD, std::span<const std::int32_t> PICKA,
                   std::span<const std::int32_t> PICKB) {
  const std::string name(fileNameOf(FNAME));
  std::error_code ec;
  std::filesystem::remove(name, ec);
  auto stream = std::make_unique<std::fstream>(name, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!stream->is_open())
    fatalStop("WRITE_TD_OPTS", kScreenUnit, {"++> I/O Error in WRITE_TD_OPTS; aborting... "}, FatalWait::kNone);
  connectUnit(kOptionsUnit, std::move(stream), name);

  writeRecord(kOptionsUnit, "SQUALDAT Ver [" + versionText(SQVER, SQSUB) + "]; " + " Kestrin Ver [" +
                                versionText(VER, ISUB) + "]");
  writeRecord(kOptionsUnit, std::string(1, kTab) + fmtI(kSquallFlags, 3) + kTab + fmtI(kSquallIntegers, 3) + kTab +
                                fmtI(kSquallReals, 3));
  writeRecord(kOptionsUnit, std::string(1, kTab) + fmtF(DURH * 3600.0f, 10, 2) + kTab + fmtI(NFLD, 3));
  writePairs(kSquallFlags, [](std::size_t k) { return std::string(SQUALCOM.FlagArray[k] != 0 ? "T" : "F"); });
  writePairs(kSquallIntegers, [](std::size_t k) { return fmtI(SQUALCOM.IntVarArray[k], 3); });
  const std::size_t picks = static_cast<std::size_t>(std::max(SQUALCOM.nFldReports, 0));
  for (std::span<const std::int32_t> list : {PICKA, PICKB})
    writePairs(picks, [list](std::size_t k) { return fmtI(k < list.size() ? list[k] : 0, 3); });
  writePairs(kSquallReals, [](std::size_t k) { return fmtE(SQUALCOM.RealVarArray[k], 14, 7); });
  HCLOSE(kOptionsUnit, FNAME, "WRITE_TD_OPTS", kScreenUnit);
}

void READ_TD_OPTS(std::string_view FNAME, std::int32_t& IERR, std::span<std::int32_t> PICKB,
                  std::span<std::int32_t> PICKA, Text<72>& HDR, std::int32_t& HDRLEN, Text<80>& VERLINE) {
  IERR = kOptionsRead;
  const std::string name(fileNameOf(FNAME));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(name, ec))
    fatalStop("READ_TD_OPTS", kScreenUnit, {"++> I/O Error in READ_TD_OPTS (missing SQUALDAT?); aborting... "},
              FatalWait::kNone);
  RHOPEN(FNAME, kFormatted, kMustExist, 0, kOptionsUnit, "READ_TD_OPTS", kScreenUnit, 0);

  std::string first;
  std::int32_t NL = 0, NI = 0, NR = 0;
  bool read = readRecord(kOptionsUnit, first);
  if (read) {
    Text<80> line;
    line.assign(first);
    HDR.assign(line.view().substr(10));
    HDRLEN = static_cast<std::int32_t>(HDR.trimmed().size());
    // A file Tavrenoch wrote itself begins with its title, not with a version line.
    const std::string_view lead = line.view().substr(0, 10);
    if (lead != " Tavrenoch" && lead != "Tavrenoch ") VERLINE = line;
    read = readGroups(PICKB, PICKA, NL, NI, NR);
  }
  if (!read) {  // a damaged file is closed and deleted (the read that failed may have met its end)
    closeUnit(kOptionsUnit);
    std::filesystem::remove(name, ec);
    IERR = kOptionsDamaged;
    return;
  }
  HCLOSE(kOptionsUnit, FNAME, "READ_TD_OPTS", kScreenUnit);
  if (NL != kSquallFlags || NI != kSquallIntegers || NR != kSquallReals) IERR = kOptionsOtherSizes;
}

bool overRideLinePicks_F(const std::int32_t* A, std::int32_t NA, const std::int32_t* B, std::int32_t NB) {
  if (NA != NB) return true;
  for (std::int32_t k = 0; k < NA; ++k)
    if (A[k] != B[k]) return true;
  return false;
}

bool overRideFullDuration_F(float X, float Y) { return X != Y; }

}  // namespace qv

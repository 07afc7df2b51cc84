#include "dataset/force_model.h"

#include <initializer_list>
#include <string_view>

#include "util/packed_flags.h"
#include "util/sim_types.h"

namespace qv {

namespace {

bool sameInAllDirections(std::int32_t word, bool current, int unit) {
  int first = NIBVAL(word, 1, unit);
  if (current && first == kCurrentAllDirections) first = 4;
  return first == NIBVAL(word, 2, unit) && first == NIBVAL(word, 3, unit);
}

bool anyDirectionUses(std::int32_t word, std::initializer_list<int> codes, int unit) {
  for (int code : codes)
    if (ONEON(word, code, unit)) return true;
  return false;
}

// 1 for the typed table of "LOWDAT", 2 for a user file, 0 for a built-in model.
int tableClass(std::int32_t word, int unit) {
  if (ONEON(word, kModelLowdatTable, unit)) return 1;
  if (ONEON(word, kModelUserFile, unit)) return 2;
  return 0;
}

void spreadFirstField(std::int32_t& word, bool current, int unit) {
  int code = NIBVAL(word, 1, unit);
  if (current && code == kCurrentAllDirections) code = 4;
  NIBSET(word, 2, code, unit);
  NIBSET(word, 3, code, unit);
}

}  // namespace

void INITFM(std::int32_t windWord, int& windFlag, std::int32_t currentWord, int& currentFlag,
            std::int32_t driftWord, int& driftFlag, int unit) {
  windFlag = sameInAllDirections(windWord, false, unit) ? 1 : 0;
  currentFlag = sameInAllDirections(currentWord, true, unit) ? 1 : 0;
  driftFlag = sameInAllDirections(driftWord, false, unit) ? 1 : 0;
}

void TNKRID(std::int32_t& windWord, int windFlag, int& windClass, std::int32_t& currentWord, int currentFlag,
            int& currentClass, std::int32_t& driftWord, int driftFlag, int& driftClass, int& currentKind,
            int& windKind, int& windCentroid, int& currentCentroid, int unit) {
  if (windFlag == 1) spreadFirstField(windWord, false, unit);
  if (currentFlag == 1) spreadFirstField(currentWord, true, unit);
  if (driftFlag == 1) spreadFirstField(driftWord, false, unit);

  windClass = tableClass(windWord, unit);
  currentClass = tableClass(currentWord, unit);
  driftClass = ONEON(driftWord, kModelLowdatTable, unit) ? 1 : 0;

  currentKind = 0;
  if (ONEON(currentWord, 6, unit)) currentKind = 1;
  if (ONEON(currentWord, 4, unit) || NIBVAL(currentWord, 1, unit) == kCurrentAllDirections) currentKind = 2;
  windKind = ONEON(windWord, 4, unit) ? 1 : 0;

  windCentroid = anyDirectionUses(windWord, {3, 5}, unit) ? 1 : 0;
  currentCentroid = anyDirectionUses(currentWord, {3, 7}, unit) ? 1 : 0;
}

}  // namespace qv

// ---- the model names ------------------------------------------------------------------------------

namespace qv {

namespace {

constexpr std::string_view kWindModelNames[kWindModels] = {
    "User-Specified LOWDAT", "User-Specified WINDCOFS.txt", "Barge (Kestrin)", "OCIMF Tanker '77 (extended)",
    "Cylindrical Vessel"};
constexpr std::string_view kCurrentModelNames[kCurrentModels] = {
    "User-Specified LOWDAT", "User-Specified CRNTCOFS.txt", "Barge (Kestrin)",   "NSMB Tanker '91",
    "Extreme Cylindrical Bow '91", "OCIMF Tanker '77",       "Cylindrical Vessel"};
constexpr std::string_view kDriftModelNames[kDriftModels] = {
    "User-Specified DRFTCOFS.txt", "Tanker (Legacy)", "Semi (Legacy)",  "Buoy or round ship",
    "Caisson Spar",                "Tanker (2001)",   "Semi/TLP (2001)"};

}  // namespace

int modelCount(ForceLoad load) {
  switch (load) {
    case ForceLoad::kWind: return kWindModels;
    case ForceLoad::kCurrent: return kCurrentModels;
    case ForceLoad::kDrift: return kDriftModels;
  }
  return 0;
}

Text<kModelNameWidth> modelName(ForceLoad load, int code) {
  if (load == ForceLoad::kCurrent && code == kCurrentAllDirections) code = 4;
  std::string_view name;
  if (code >= 1 && code <= modelCount(load)) {
    const auto row = static_cast<std::size_t>(code - 1);
    switch (load) {
      case ForceLoad::kWind: name = kWindModelNames[row]; break;
      case ForceLoad::kCurrent: name = kCurrentModelNames[row]; break;
      case ForceLoad::kDrift: name = kDriftModelNames[row]; break;
    }
  }
  return makeText<kModelNameWidth>(name);
}

}  // namespace qv

// ---- the user coefficient files ---------------------------------------------------------------------

namespace qv {

namespace {

Text<13> fileFor(std::int32_t CREATR, std::int32_t ISPM, std::string_view buoy, std::string_view tank,
                 std::string_view tug, std::string_view barge, std::string_view other) {
  if (CREATR == kSimFirnedo && ISPM == 2) return makeText<13>(buoy);
  if (CREATR == kSimFirnedo && ISPM == 3) return makeText<13>(tank);
  if (CREATR == kSimGandru && ISPM == 2) return makeText<13>(tug);
  if (CREATR == kSimGandru && ISPM == 3) return makeText<13>(barge);
  return makeText<13>(other);
}

}  // namespace

Text<13> windCoefficientFile(std::int32_t CREATR, std::int32_t ISPM) {
  return fileFor(CREATR, ISPM, "BUOYWIND.txt", "TANKWIND.txt", "TUGWIND.txt", "BARGWIND.txt", "WINDCOFS.txt");
}

Text<13> currentCoefficientFile(std::int32_t CREATR, std::int32_t ISPM) {
  return fileFor(CREATR, ISPM, "BUOYCRNT.txt", "TANKCRNT.txt", "TUGCRNT.txt", "BARGCRNT.txt", "CRNTCOFS.txt");
}

Text<13> driftCoefficientFile(std::int32_t CREATR, std::int32_t ISPM) {
  return fileFor(CREATR, ISPM, "BUOYDRFT.txt", "TANKDRFT.txt", "TUGDRFT.txt", "BARGDRFT.txt", "DRFTCOFS.txt");
}

}  // namespace qv

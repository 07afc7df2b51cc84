#include "dataset/force_model.h"

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "util/packed_flags.h"
#include "util/sim_types.h"

namespace qv {

namespace {

bool sameInAllDirections(std::int32_t word, bool current, int unit) {
  int first = NIBVAL(word, 1, unit);
  if (current && first == kCurrentNsmbMeanCurve) first = kCurrentNsmbTanker;
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
  if (current && code == kCurrentNsmbMeanCurve) code = kCurrentNsmbTanker;
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
  driftClass = ONEON(driftWord, kDriftUserFile, unit) ? 1 : 0;

  currentKind = 0;
  if (ONEON(currentWord, kCurrentOcimfTanker, unit)) currentKind = 1;
  if (ONEON(currentWord, kCurrentNsmbTanker, unit) || NIBVAL(currentWord, 1, unit) == kCurrentNsmbMeanCurve)
    currentKind = 2;
  windKind = ONEON(windWord, kWindOcimfTanker, unit) ? 1 : 0;

  // The drag-coefficient models, which apply their force at the centroid of the drag area.
  windCentroid = anyDirectionUses(windWord, {kWindBarge, kWindCylinder}, unit) ? 1 : 0;
  currentCentroid = anyDirectionUses(currentWord, {kCurrentBarge, kCurrentCylinder}, unit) ? 1 : 0;
}

}  // namespace qv

// ---- the model names ------------------------------------------------------------------------------

namespace qv {

namespace {

template <typename Row, std::size_t N>
std::string_view nameOf(const Row (&rows)[N], int code) {
  const Row* row = rowOf(rows, code);
  return row != nullptr ? row->name : std::string_view();
}

}  // namespace

int modelCount(ForceLoad load) {
  switch (load) {
    case ForceLoad::kWind: return static_cast<int>(std::size(kWindModels));
    case ForceLoad::kCurrent: return static_cast<int>(std::size(kCurrentModels));
    case ForceLoad::kDrift: return static_cast<int>(std::size(kDriftModels));
  }
  return 0;
}

Text<kModelNameWidth> modelName(ForceLoad load, int code) {
  std::string_view name;
  switch (load) {
    case ForceLoad::kWind: name = nameOf(kWindModels, code); break;
    case ForceLoad::kCurrent:
      name = nameOf(kCurrentModels, code == kCurrentNsmbMeanCurve ? kCurrentNsmbTanker : code);
      break;
    case ForceLoad::kDrift: name = nameOf(kDriftModels, code); break;
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

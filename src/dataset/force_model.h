// The packed force-model words of the data set: wind `LWBARG`, current `LCBARG` and wave drift
// `LWVCOF`, each with a 4-bit model code per direction in fields 1 (surge), 2 (sway) and 3 (yaw).
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

// Model codes that the classification below names.
inline constexpr int kModelLowdatTable = 1;  // the typed table of "LOWDAT"
inline constexpr int kModelUserFile = 2;     // a user coefficient file
inline constexpr int kCurrentAllDirections = 15;  // current field 1 only: one model for all directions, read as 4

// A force-model word with one model code in the surge, sway and yaw fields (code 1: 273, 0x111).
constexpr std::int32_t sameModelInAllDirections(int code) { return 0x111 * code; }

// Sets each flag to 1 when fields 1, 2 and 3 of its word hold the same model code, else 0.
void INITFM(std::int32_t windWord, int& windFlag, std::int32_t currentWord, int& currentFlag,
            std::int32_t driftWord, int& driftFlag, int unit);

// Normalises the words whose flag is 1 (field 1 copied into fields 2 and 3) and classifies them.
void TNKRID(std::int32_t& windWord, int windFlag, int& windClass, std::int32_t& currentWord, int currentFlag,
            int& currentClass, std::int32_t& driftWord, int driftFlag, int& driftClass, int& currentKind,
            int& windKind, int& windCentroid, int& currentCentroid, int unit);

}  // namespace qv

// ---- the model names ------------------------------------------------------------------------------
// The name of each model code, as the pages and the reports show it: one table per load, row n the
// name of code n, in fields of 29 characters.
#include "util/farray.h"

namespace qv {

enum class ForceLoad { kWind, kCurrent, kDrift };  // the load a force-model word describes

inline constexpr int kModelNameWidth = 29;
inline constexpr int kWindModels = 5;     // wind codes 1..5
inline constexpr int kCurrentModels = 7;  // current codes 1..7 (and 15 in field 1)
inline constexpr int kDriftModels = 7;    // wave-drift codes 1..7

// The number of model codes of a load: the rows of its name table.
int modelCount(ForceLoad load);
// The name of a model code, blank-padded to 29 characters; the current code 15 has the name of 4. A
// code without a row (0 in a fresh word, say) has a blank name.
Text<kModelNameWidth> modelName(ForceLoad load, int code);

}  // namespace qv

// The packed force-model words of the data set: wind `LWBARG`, current `LCBARG` and wave drift
// `LWVCOF`, each with a 4-bit model code per direction in fields 1 (surge), 2 (sway) and 3 (yaw).
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

// Model codes that the classification below names.
inline constexpr int kModelLowdatTable = 1;  // the typed table of "LOWDAT"
inline constexpr int kModelUserFile = 2;     // a user coefficient file
inline constexpr int kModelDriftUserFile = 1;  // wave drift: the user's drift file (there is no drift table)
inline constexpr int kCurrentAllDirections = 15;  // current field 1 only: one model for all directions, read as 4

// Page 8's items where the models are chosen and the tables typed: the first model line of each load
// (its one line while the load has one model for all directions, else the Cx line, with Cy and Cz
// after it) and the user coefficient tables of wind and current.
inline constexpr int kWindModelItem = 2;
inline constexpr int kWindTableItem = 5;
inline constexpr int kCurrentModelItem = 12;
inline constexpr int kCurrentTableItem = 15;
inline constexpr int kDriftModelItem = 22;

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

// ---- the user coefficient files ---------------------------------------------------------------------
// The text files that the user-file models read (wind and current code 2, wave-drift code 1), named by
// the originating simulation type and body: the buoy and tanker files of type 13, the tug and barge
// files of type 10 (ISPM 2 and 3), otherwise "WINDCOFS.txt", "CRNTCOFS.txt" and "DRFTCOFS.txt".
Text<13> windCoefficientFile(std::int32_t CREATR, std::int32_t ISPM);
Text<13> currentCoefficientFile(std::int32_t CREATR, std::int32_t ISPM);
// "BUOYDRFT.txt", "TANKDRFT.txt", "TUGDRFT.txt", "BARGDRFT.txt", otherwise "DRFTCOFS.txt".
Text<13> driftCoefficientFile(std::int32_t CREATR, std::int32_t ISPM);

}  // namespace qv

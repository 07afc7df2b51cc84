// The packed force-model words of the data set: wind `LWBARG`, current `LCBARG` and wave drift
// `LWVCOF`, each with a 4-bit model code per direction in fields 1 (surge), 2 (sway) and 3 (yaw).
#pragma once

#include <cstdint>

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

// The packed force-model words of the data set: wind `LWBARG`, current `LCBARG` and wave drift
// `LWVCOF`, each with a 4-bit model code per direction in fields 1 (surge), 2 (sway) and 3 (yaw).
// The codes of each load are defined here once, with the table of their names: the model menus of
// page 8, its help and the low-frequency report read the tables, the analysis switches on the names.
#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

#include "dataset/tpcm_codes.h"
#include "util/farray.h"

namespace qv {

// ---- the model codes ----------------------------------------------------------------------------

// LWBARG: the wind load models.
enum WindModel : int {
  kWindLowdatTable = 1,  // the table typed into LOWCOF ("LOWDAT")
  kWindUserFile = 2,     // a user coefficient file ("WINDCOFS.txt")
  kWindBarge = 3,        // drag of the projected areas
  kWindOcimfTanker = 4,  // the OCIMF '77 tanker series, extended to small tankers by the deadweight
  kWindCylinder = 5,     // a drag coefficient on the head-on and beam-on areas
};
// LCBARG: the current load models.
enum CurrentModel : int {
  kCurrentLowdatTable = 1,  // the table typed into LOWCOF
  kCurrentUserFile = 2,     // a user coefficient file ("CRNTCOFS.txt")
  kCurrentBarge = 3,
  kCurrentNsmbTanker = 4,   // the NSMB '91 tanker series
  kCurrentExtremeBow = 5,   // the NSMB '91 extreme cylindrical bow: one set
  kCurrentOcimfTanker = 6,  // the OCIMF '77 tanker series
  kCurrentCylinder = 7,
  // Field 1 only: the NSMB '91 tankers with the "Mean" surge curve of the 40 % load. It has the name
  // of code 4, and counts as 4 wherever the fields are compared.
  kCurrentNsmbMeanCurve = 15,
};
// LWVCOF (and BWVCOF): the wave-drift models. There is no typed drift table: code 1 is the file.
enum DriftModel : int {
  kDriftUserFile = 1,  // the user's drift file ("DRFTCOFS.txt")
  kDriftTankerLegacy = 2,
  kDriftSemiLegacy = 3,
  kDriftBuoy = 4,
  kDriftSpar = 5,
  kDriftTanker2001 = 6,
  kDriftSemi2001 = 7,
};

// Wind and current share the meaning of codes 1 and 2.
inline constexpr int kModelLowdatTable = kWindLowdatTable;
inline constexpr int kModelUserFile = kWindUserFile;
static_assert(static_cast<int>(kWindLowdatTable) == kCurrentLowdatTable &&
              static_cast<int>(kWindUserFile) == kCurrentUserFile);

// ---- the model tables -----------------------------------------------------------------------------
// The name of each model code as the pages and the reports show it (fields of 29 characters); the
// menus number the rows by their codes, from 1.

inline constexpr int kModelNameWidth = 29;

struct ForceModelRow {
  int code;
  std::string_view name;
};
inline constexpr ForceModelRow kWindModels[] = {
    {kWindLowdatTable, "User-Specified LOWDAT"},  {kWindUserFile, "User-Specified WINDCOFS.txt"},
    {kWindBarge, "Barge (Kestrin)"},              {kWindOcimfTanker, "OCIMF Tanker '77 (extended)"},
    {kWindCylinder, "Cylindrical Vessel"},
};
inline constexpr ForceModelRow kCurrentModels[] = {
    {kCurrentLowdatTable, "User-Specified LOWDAT"},     {kCurrentUserFile, "User-Specified CRNTCOFS.txt"},
    {kCurrentBarge, "Barge (Kestrin)"},                 {kCurrentNsmbTanker, "NSMB Tanker '91"},
    {kCurrentExtremeBow, "Extreme Cylindrical Bow '91"}, {kCurrentOcimfTanker, "OCIMF Tanker '77"},
    {kCurrentCylinder, "Cylindrical Vessel"},
};

// A drift model also names the hulls it is made for (bits of HullFamily), for the warning of a model
// that does not suit the vessel.
constexpr unsigned hullBit(HullFamily family) { return 1u << static_cast<unsigned>(family); }
inline constexpr unsigned kAnyHull =
    hullBit(HullFamily::kShip) | hullBit(HullFamily::kColumnStabilised) | hullBit(HullFamily::kDisc);

struct DriftModelRow {
  int code;
  std::string_view name;
  unsigned hulls;
};
inline constexpr DriftModelRow kDriftModels[] = {
    {kDriftUserFile, "User-Specified DRFTCOFS.txt", kAnyHull},
    {kDriftTankerLegacy, "Tanker (Legacy)", hullBit(HullFamily::kShip)},
    {kDriftSemiLegacy, "Semi (Legacy)", hullBit(HullFamily::kColumnStabilised)},
    {kDriftBuoy, "Buoy or round ship", hullBit(HullFamily::kDisc)},
    {kDriftSpar, "Caisson Spar", hullBit(HullFamily::kColumnStabilised)},
    {kDriftTanker2001, "Tanker (2001)", hullBit(HullFamily::kShip)},
    {kDriftSemi2001, "Semi/TLP (2001)", hullBit(HullFamily::kColumnStabilised)},
};
static_assert(consecutiveCodes(kWindModels, 1) && consecutiveCodes(kCurrentModels, 1) &&
                  consecutiveCodes(kDriftModels, 1),
              "the model menus number their rows by code");
static_assert(namesWithin(kWindModels, kModelNameWidth) && namesWithin(kCurrentModels, kModelNameWidth) &&
              namesWithin(kDriftModels, kModelNameWidth));
// A field holds 4 bits.
static_assert(std::size(kWindModels) < 16 && std::size(kCurrentModels) < kCurrentNsmbMeanCurve &&
              std::size(kDriftModels) < 16);

constexpr const DriftModelRow* driftModel(int code) { return rowOf(kDriftModels, code); }

// A force-model word with one model code in the surge, sway and yaw fields (code 1: 273, 0x111).
constexpr std::int32_t sameModelInAllDirections(int code) { return 0x111 * code; }

// Sets each flag to 1 when fields 1, 2 and 3 of its word hold the same model code, else 0.
void INITFM(std::int32_t windWord, int& windFlag, std::int32_t currentWord, int& currentFlag,
            std::int32_t driftWord, int& driftFlag, int unit);

// Normalises the words whose flag is 1 (field 1 copied into fields 2 and 3) and classifies them.
void TNKRID(std::int32_t& windWord, int windFlag, int& windClass, std::int32_t& currentWord, int currentFlag,
            int& currentClass, std::int32_t& driftWord, int driftFlag, int& driftClass, int& currentKind,
            int& windKind, int& windCentroid, int& currentCentroid, int unit);

// Page 8's items where the models are chosen and the tables typed: the first model line of each load
// (its one line while the load has one model for all directions, else the Cx line, with Cy and Cz
// after it) and the user coefficient tables of wind and current.
inline constexpr int kWindModelItem = 2;
inline constexpr int kWindTableItem = 5;
inline constexpr int kCurrentModelItem = 12;
inline constexpr int kCurrentTableItem = 15;
inline constexpr int kDriftModelItem = 22;

enum class ForceLoad { kWind, kCurrent, kDrift };  // the load a force-model word describes

// The number of model codes of a load: the rows of its table.
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

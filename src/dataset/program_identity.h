// The program's identity, handed to the load and the save: the editor and the analysis runner load
// the same data file as the same program.
#pragma once

#include <string_view>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "util/sim_types.h"

namespace qv {

struct EditorIdentity {
  std::string_view productName = "Quorvel";         // 8 characters
  std::string_view staticsProgram = "PELMOTAR";     // 12 characters
  std::string_view editorName = "DRAVOKET";         // caller name in file errors
  std::string_view dataFile = "SALMDAT";
  std::string_view backupFile = "SALMBAK";
  std::string_view coefficientFile = "LOWDAT";
  std::string_view coefficientBackup = "LOWBAK";
  float version = 6.8f;
  int simulationType = kSimQuorvel;  // the CREATR this program writes
  int year = 2020;
  int platformCode = kPlatformIntel;
  int modeWord = kModeEditor;
  int storedWords = kStoredWords;  // words of TPCM loaded and saved
  int lowcofWords = kLowcofWords;  // words of LOWCOF saved
};
inline constexpr EditorIdentity kEditor{};

}  // namespace qv

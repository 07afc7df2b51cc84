// The end-of-session menu of the final page: how the session ends, the page listing, the wave report
// and the imports. It leaves the user's decision in LBACK and its own result in IRET.
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

inline constexpr int kFintopRunChecks = 0;  // IRET: run the data checks and call again with the counts
inline constexpr int kFintopLeave = 1;      // IRET: leave the final page and act on LBACK
inline constexpr int kFintopChain = 999;    // IRET: chaining to the time-domain program was chosen

// Choices kept for the life of the editing run.
struct FintopState {
  std::int32_t TAVRENOCH_GO = 0;  // option 10 was chosen
  std::int32_t SAVEDATA = 0;      // option 1 was chosen, and no execution since
  std::int32_t USRHCP = 0;        // the running listing pass was asked for by the user (option 5)
  // The last listing pass could not be put in place, and what was to follow it does not go on: the
  // final page makes the listing again before the next execution.
  bool listingLost = false;
  void reset() { *this = FintopState{}; }
};
extern FintopState fintopState;

// A silent execution that does not go on: its messages, held in memory, are dropped (the folder
// keeps what it had), and the session is on the screen again.
void silentExecutionDropped(std::int32_t& EDUNIT);

void FINTOP(std::string_view PAGLBL, std::int32_t SIMTYP, std::int32_t& IRET, std::string_view HCFILE,
            std::string_view CALLER, std::int32_t& IPAG, std::int32_t& LCOPY, std::int32_t& EDUNIT,
            std::int32_t& UNTSAV, std::int32_t& LBACK, std::int32_t& NWARN, std::int32_t& NFATAL,
            std::int32_t WriteAuxDatFiles);

// Help notes of the menu: item N, or all of them for N = 0.
void FINHLP(std::int32_t IUNIT, std::int32_t IIN, std::int32_t N, std::int32_t SIMTYP, bool TAVFLAG);

}  // namespace qv

// Navigation and command codes: what READI makes of a reply's first letter, and what a page leaves
// in TPCM.LBACK for the page sequencer.
#pragma once

#include <cstdint>

namespace qv {

inline constexpr int kNavBlank = 0;          // a blank reply: on to the next page
inline constexpr int kNavBack = -1;          // B, or the reply -1
inline constexpr int kNavQuery = -1978;      // "?": help on the page, "?n" the note of item n
inline constexpr int kNavHelp = -1979;       // H
inline constexpr int kNavFirst = -1980;      // F: first page
inline constexpr int kNavLast = -1981;       // L: last page
inline constexpr int kNavSkip = -1982;       // S: skip a page ahead
inline constexpr int kNavExecute = -1983;    // E
inline constexpr int kNavJump = -1984;       // J: jump to the page of the number
inline constexpr int kNavM = -1985;          // page-specific commands
inline constexpr int kNavC = -1986;
inline constexpr int kNavD = -1987;
inline constexpr int kNavI = -1988;
inline constexpr int kNavX = -1989;
inline constexpr int kNavBang = -2013;       // "!": page help without the navigation summary

// The end-of-session menu's decisions, left in LBACK for the save.
inline constexpr int kNavSaveAndExit = -2;   // exit and update the data file
inline constexpr int kNavExitNoSave = 101;   // exit without updating it

// A reply that selects an item of a page (a blank reply and the letters give 0 or a negative code).
constexpr bool isItemSelection(std::int32_t code) { return code > 0; }

}  // namespace qv

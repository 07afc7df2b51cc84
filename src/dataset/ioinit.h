// Opening an editing session: the opening screen, the load of the data file and the coefficient file,
// their checks, and the start code for the page sequencer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "util/farray.h"

namespace qv {

// Start codes handed to the page sequencer.
inline constexpr int kStartNormal = 0;
inline constexpr int kStartAfterHardCopy = 200;
inline constexpr int kStartFinalPage = 3000;

using TpcmImage = Arr<std::int32_t, kTpcmWords>;
using LowcofImage = Arr<std::int32_t, kLowcofWords>;
using ComponentNames = Arr<Text<8>, 25, 150>;

// SCOMP: the component-name table converted with a mooring image, or nullptr when the caller's
// image carries no mooring section (this editor).
void IOINIT(const Text<8>& NAME, const Text<5>& DATE, TpcmImage& IOBUF, LowcofImage& ILOBUF, char& ANSWER,
            int& JMPLOC, const Text<12>& DATFIL, int& IERR0, int& IERR1, float VERNQ, int IYEARQ, int CREATQ,
            const Text<12>& EDPRG, int CMPUTQ, int LEASTQ, int NTOGOQ, ComponentNames* SCOMP, Lowcof& ILOWCF);

// Reverses the byte order of a text field of LEN characters within each group of 4, in place (a data
// set written on a machine of the other byte-order class). At most 200 characters are converted.
void CHSWAP(char* C, int LEN, int EDUNIT, int KBD);
// Writes corruption warning I (1 to 4) between two one-blank lines on a cleared screen; `found`, the
// lines that say what the damaged word holds and what to do, follow the warning's own lines.
void DATCRPT(int EDUNIT, int I);
void DATCRPT(int EDUNIT, int I, std::span<const std::string> found);
// The lines DATCRPT writes (no other for an I outside 1 to 4), which the load also notes.
std::vector<std::string> corruptionLines(int I, std::span<const std::string> found);

}  // namespace qv

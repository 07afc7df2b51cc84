// Relayout of a data-set image from the older layout, in which the fairlead- and line-indexed arrays
// held 49 or 50 entries and the per-line element tables 10 elements, to the current one (149 or 150
// fairleads and lines, 25 elements). The image is moved in place in TPCM: each array that grows opens
// room by moving everything after its old end higher, and the room is then cleared.
#pragma once

#include <cstdint>

namespace qv {

// The whole relayout, sections 1 to 3. IGNORED and LOWADR are not used. NWORDS: the words of the
// layout being built; no move carries data past word NWORDS of TPCM (what would pass it is dropped).
// HIGHADR: a word position (LRHLOC / 4) bounding the data set: most moves are also cut so that their
// destination's position plus their count does not exceed it.
void UPDATE_TO_149(std::int32_t IGNORED, std::int32_t NWORDS, std::intptr_t LOWADR, std::intptr_t HIGHADR);

// The section-1 part alone (the reserve words RTPCM2, ITPCM6(5..104), the vessel points RACC of
// fairleads 50 to 149 and the section's end marker), as the SALM version upgrade needs it.
void relayoutTopcomTo149(std::int32_t NWORDS, std::intptr_t HIGHADR);

// The word of the older (49-fairlead) layout that holds what the current layout keeps at `word`,
// for a word of section 1 past the room the relayout opens.
int wordBeforeTopcomRelayout(int word);

}  // namespace qv

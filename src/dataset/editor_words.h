// The words of the data set that only the editor reads and that it sets by itself, and the one
// test of whether an editing session changed the data set.
//
// The editor sets some words on its own, whatever the user does: the opening sets the session's
// switches (NEWFLG, and IBATCH from the start choice) and the table limits of the irregular sea
// (MAXDIR, MAXSEA, MAXPRM, MAXANG), and the sea page raises MAXPRM to the Ochi-Hubble components'
// limit each time it draws an Ochi-Hubble sea. No stage of the analysis reads them: they bound the
// editor's own tables and prompts. So a session that only set them has changed nothing; a save
// with no other change writes no file and makes no backup, and leaving without saving warns of no
// lost change. When another change is saved, they are saved as the session left them.
//
// A word the opening sets that a stage reads (ISPM, SEMI_LIKE, LGAP, the vessel type of a file whose
// type has no hull here, the header words) is not listed: where it differs from the file, the
// session changed the data set, and the save writes it.
//
// Used by the end of the session (FINISH) for both its save and its warning of lost changes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "dataset/tpcm.h"

namespace qv {

// The byte offsets in TPCM of the words above.
inline constexpr std::array<std::size_t, 6> kEditorOnlyWords = {
    offsetof(Tpcm, NEWFLG), offsetof(Tpcm, IBATCH), offsetof(Tpcm, MAXDIR),
    offsetof(Tpcm, MAXSEA), offsetof(Tpcm, MAXPRM), offsetof(Tpcm, MAXANG),
};

// Whether DATA, the data set as the session leaves it (NWORDS words from word 1), is the data set
// ASOPENED, the image as the load read it, with the words the editor sets by itself taken as that
// image holds them.
bool sameDataSetAsOpened(const std::int32_t* DATA, const std::int32_t* ASOPENED, int NWORDS);

}  // namespace qv

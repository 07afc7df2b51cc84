#include "dataset/editor_words.h"

#include <algorithm>

namespace qv {

bool sameDataSetAsOpened(const std::int32_t* DATA, const std::int32_t* ASOPENED, int NWORDS) {
  for (int w = 0; w < NWORDS; ++w) {
    if (DATA[w] == ASOPENED[w]) continue;
    const std::size_t offset = 4 * static_cast<std::size_t>(w);
    if (std::find(kEditorOnlyWords.begin(), kEditorOnlyWords.end(), offset) == kEditorOnlyWords.end()) return false;
  }
  return true;
}

}  // namespace qv

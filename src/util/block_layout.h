// The layout check of the data blocks: every member of a block sits at a fixed 4-byte word (word 1 at
// byte 0), because the blocks are stored and exchanged as images. Each block's layout file pins every
// member with QV_AT_WORD, so that a member moved by mistake does not compile; zeroBlock puts a block
// back to its state at program start.
#pragma once

#include <cstddef>
#include <cstring>
#include <type_traits>

// static_assert that `member` of `Block` begins at word `word` (words counted from 1).
#define QV_AT_WORD(Block, member, word) \
  static_assert(offsetof(Block, member) == 4 * ((word) - 1), #member " is not at word " #word)

namespace qv {

// Every byte of the block zero, as when the program starts.
template <class Block>
void zeroBlock(Block& block) {
  static_assert(std::is_standard_layout_v<Block> && std::is_trivially_copyable_v<Block>);
  std::memset(static_cast<void*>(&block), 0, sizeof(Block));
}

}  // namespace qv

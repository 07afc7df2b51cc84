// One reset for everything a run keeps between calls: every data block and every routine's kept
// state. Each block or state registers its own reset once, with a namespace-scope object beside its
// definition:
//
//   constinit Wavcom WAVCOM{};
//   const BlockReset resetWavcom{[] { WAVCOM = Wavcom{}; }};
//
// A block or kept state is defined constinit and value-initialised: it starts in the program's
// zero-initialised (or initialised) storage, so nothing clears it at start-up and its pages are
// touched only when a run uses them; a definition that would need code at start-up does not compile.
//
// resetAllBlocks() runs every registered reset, in the order of registration. Tests call it before
// and after each case (tests/support/fresh_run.h), so that no case sees what another one left.
//
// The reset sits in the file that defines its block, so a program or test that links a block
// always links its reset with it, and no folder needs to know the blocks of the folders above it:
// the registry lives here, in the lowest folder, and every folder registers into it.
//
// The data blocks also register their bytes, with a BlockBytes object beside the reset:
//
//   const BlockBytes wavcomBytes{"WAVCOM", bytesOf(WAVCOM)};
//
// registeredBlocks() lists them, in the order of registration: what the analysis run's stages pass
// on to each other lives there, and the check of the stages' contracts compares those bytes before
// and after each stage, and fills those a stage does not read with values that are no number (the
// routines' kept states, caches and warnings given once, stay out: each is its routine's own).
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace qv {

class BlockReset {
 public:
  // Registers `reset` (a function or a lambda without captures) for resetAllBlocks.
  explicit BlockReset(void (*reset)());
};

// Runs every registered reset: the data blocks are zero, the kept states as at the start of a run,
// no unit is connected and the console is the process's own.
void resetAllBlocks();

// The bytes of a block's single instance.
template <class Block>
std::span<std::byte> bytesOf(Block& block) {
  return std::as_writable_bytes(std::span<Block, 1>(&block, 1));
}

struct RegisteredBlock {
  std::string_view name;         // the block's name (TPCM, WAVCOM, ...)
  std::span<std::byte> bytes;    // all of its bytes
};

class BlockBytes {
 public:
  // Registers the bytes of the data block `name` for registeredBlocks.
  BlockBytes(std::string_view name, std::span<std::byte> bytes);
};

// Every registered data block, in the order of registration.
const std::vector<RegisteredBlock>& registeredBlocks();

}  // namespace qv

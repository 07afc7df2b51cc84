#include "platform/block_reset.h"

#include <vector>

namespace qv {

namespace {

// Built on first use, so that registrations made while other files are initialised find it ready.
std::vector<void (*)()>& registered() {
  static std::vector<void (*)()> resets;
  return resets;
}

std::vector<RegisteredBlock>& blocks() {
  static std::vector<RegisteredBlock> registry;
  return registry;
}

}  // namespace

BlockReset::BlockReset(void (*reset)()) { registered().push_back(reset); }

void resetAllBlocks() {
  for (void (*reset)() : registered()) reset();
}

BlockBytes::BlockBytes(std::string_view name, std::span<std::byte> bytes) { blocks().push_back({name, bytes}); }

const std::vector<RegisteredBlock>& registeredBlocks() { return blocks(); }

}  // namespace qv

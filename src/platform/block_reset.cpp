#include "platform/block_reset.h"

#include <vector>

namespace qv {

namespace {

// Built on first use, so that registrations made while other files are initialised find it ready.
std::vector<void (*)()>& registered() {
  static std::vector<void (*)()> resets;
  return resets;
}

}  // namespace

BlockReset::BlockReset(void (*reset)()) { registered().push_back(reset); }

void resetAllBlocks() {
  for (void (*reset)() : registered()) reset();
}

}  // namespace qv

#include "util/staged_files.h"

#include <iostream>
#include <sstream>
#include <utility>

#include "platform/block_reset.h"

namespace qv {

namespace {

// A unit's stream over a buffer of the table; it shares the buffer, so that closing the unit keeps
// the file and dropping the table leaves an open unit a valid stream.
class SharedBufferStream : public std::iostream {
 public:
  explicit SharedBufferStream(std::shared_ptr<std::stringbuf> buffer)
      : std::iostream(buffer.get()), buffer_(std::move(buffer)) {}

 private:
  std::shared_ptr<std::stringbuf> buffer_;
};

struct StagingState {
  bool on = false;
  std::vector<std::pair<std::string, std::shared_ptr<std::stringbuf>>> files;  // in the order made
  void reset() { *this = StagingState{}; }
};

StagingState& state() {
  static StagingState s;
  return s;
}

const BlockReset resetStaging{[] { state().reset(); }};

std::shared_ptr<std::stringbuf>* find(const std::string& name) {
  for (auto& [held, buffer] : state().files)
    if (held == name) return &buffer;
  return nullptr;
}

}  // namespace

void beginStaging() {
  state().reset();
  state().on = true;
}

bool stagingFiles() { return state().on; }

void endStaging() { state().reset(); }

std::unique_ptr<std::iostream> stageFile(const std::string& name, std::string initial) {
  auto buffer = std::make_shared<std::stringbuf>(std::move(initial), std::ios::in | std::ios::out | std::ios::ate);
  if (auto* held = find(name)) {
    *held = buffer;
  } else {
    state().files.emplace_back(name, buffer);
  }
  return std::make_unique<SharedBufferStream>(std::move(buffer));
}

std::unique_ptr<std::iostream> reopenStaged(const std::string& name) {
  auto* held = find(name);
  if (held == nullptr) return nullptr;
  auto stream = std::make_unique<SharedBufferStream>(*held);
  stream->seekg(0);
  stream->seekp(0);
  return stream;
}

std::string stagedBytes(const std::string& name) {
  auto* held = find(name);
  return held == nullptr ? std::string() : (*held)->str();
}

std::vector<StagedFile> stagedFiles() {
  std::vector<StagedFile> files;
  for (const auto& [name, buffer] : state().files) files.push_back({name, buffer->str()});
  return files;
}

}  // namespace qv

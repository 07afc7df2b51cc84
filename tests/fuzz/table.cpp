// The table editor of a column of reals on any table size and any typed commands. The first two
// bytes of an input give the size of the caller's table and the rows shown, the third the rows the
// whole-column operations run over; the rest is what is typed. The editor returns or stops with
// status 1 or 2, and never touches a word past the caller's table.
#include <algorithm>
#include <array>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "util/autorp.h"

using namespace qv;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  constexpr std::size_t kGuard = 8;
  static constexpr float kCanary = -7.25e11f;
  const std::size_t tableSize = 1 + data[0] % kAutorpMaxRows;
  const std::int32_t rows = 1 + data[1] % kAutorpMaxRows;  // may exceed the table: it is cut to it
  const std::int32_t fill = data[2] % (kAutorpMaxRows + 1);
  std::array<float, kAutorpMaxRows + kGuard> words;
  words.fill(kCanary);
  for (std::size_t k = 0; k < tableSize; ++k) words[k] = 5.0f + 0.5f * static_cast<float>(k);
  const std::string typed(reinterpret_cast<const char*>(data) + 3, size - 3);

  std::int32_t listing = 0;
  const int status = fuzz::runWithReplies(typed, [&] {
    AUTORP("Periods", std::span<float>(words.data(), tableSize), rows, fill, kScreenUnit, kKeyboardUnit, listing);
  });
  fuzz::check(fuzz::knownStatus(status), "the table editor ends with status 0, 1 or 2");
  fuzz::check(std::all_of(words.begin() + static_cast<std::ptrdiff_t>(tableSize), words.end(),
                          [](float w) { return std::memcmp(&w, &kCanary, sizeof w) == 0; }),
              "no word past the caller's table is touched");
  return 0;
}

// The reader of the options file "SQUALDAT" on any bytes. It returns with error 0, 1 or 2; a damaged
// file (error 1) is deleted and any other is left as it was; no pick is stored past the caller's
// arrays, and a file it reads holds no more picks than they do; the header length fits its field.
#include <algorithm>
#include <array>
#include <filesystem>

#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"
#include "util/squalcom.h"
#include "util/td_options.h"

using namespace qv;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kCapacity = 8;
  constexpr std::int32_t kGuard = -12345;
  const std::optional<std::string> file = std::string(reinterpret_cast<const char*>(data), size);
  fuzz::clearFolder();
  fuzz::writeFile("SQUALDAT", file);
  resetAllBlocks();

  // Each pick list sits between guard words.
  std::array<std::int32_t, 3 * kCapacity> pickA, pickB;
  pickA.fill(kGuard);
  pickB.fill(kGuard);
  std::int32_t IERR = -1, HDRLEN = -1;
  Text<72> HDR;
  Text<80> VERLINE;
  const int status = fuzz::runWithReplies("", [&] {
    READ_TD_OPTS("SQUALDAT", IERR, std::span(pickB).subspan(kCapacity, kCapacity),
                 std::span(pickA).subspan(kCapacity, kCapacity), HDR, HDRLEN, VERLINE);
  });
  fuzz::check(status == -1, "an options file that exists is read without stopping");
  fuzz::check(IERR == kOptionsRead || IERR == kOptionsDamaged || IERR == kOptionsOtherSizes, "error 0, 1 or 2");
  fuzz::check((IERR == kOptionsDamaged) == !std::filesystem::exists("SQUALDAT"), "only a damaged file is deleted");
  if (IERR != kOptionsDamaged) {
    fuzz::check(fuzz::readFile("SQUALDAT") == file, "a file read is left as it was");
    fuzz::check(SQUALCOM.nFldReports <= static_cast<std::int32_t>(kCapacity), "no more picks than the arrays hold");
  }
  for (const auto* picks : {&pickA, &pickB}) {
    fuzz::check(std::all_of(picks->begin(), picks->begin() + kCapacity, [](std::int32_t w) { return w == kGuard; }) &&
                    std::all_of(picks->end() - kCapacity, picks->end(), [](std::int32_t w) { return w == kGuard; }),
                "no pick is stored past the caller's arrays");
  }
  fuzz::check(HDRLEN == -1 || (HDRLEN >= 0 && HDRLEN <= 72), "the header length fits its field");
  return 0;
}

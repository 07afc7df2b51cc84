// The readers of typed replies (the bounded one of the debug counts among them) and the free-form
// reader on any text. The first line of an input picks the readers, one per character, in order (then all of them again, round and round); the
// rest is what is typed. No reader ever stores a non-finite value, and the end of the typed text
// stops the run with status 2, never a loop.
#include <cmath>
#include <string>

#include "fuzz/fuzz_support.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/list_read.h"

using namespace qv;

namespace {

constexpr int kScreen = kScreenUnit;
constexpr int kKeyboard = kKeyboardUnit;

// Values as a page holds them before a reply: finite, so that any non-finite one was stored.
struct Values {
  float x = 1.5f, y = -2.0f, z = 1.0e30f;
  double d = 0.25;
  std::int32_t code = 0, number = 0, blank = 0, flag = 1, count = 0, notes = 0;
  std::string text;
  char c = ' ';

  bool finite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z) && std::isfinite(d); }
};

constexpr int kReaders = 17;

void readOnce(char pick, Values& v) {
  switch (static_cast<unsigned char>(pick) % kReaders) {
    case 0: READI(v.code, kKeyboard, v.number); break;
    case 1: CRREAD(v.x, v.blank, kKeyboard); break;
    case 2: CRREAL(v.x, v.y, v.z, v.blank, kKeyboard); break;
    case 3: READC(v.c, kKeyboard); break;
    case 4: ENTSEL(v.code, kScreen, kKeyboard, v.number); break;
    case 5: ENTERI(v.code, kScreen, kKeyboard); break;
    case 6: ENTERF(v.y, kScreen, kKeyboard); break;
    case 7: ENTCRD(v.number, v.x, v.y, v.z, 3, 0, kKeyboard, v.blank); break;
    case 8: PRSRET(kScreen, kKeyboard, v.count); break;
    case 9: TOGGLE2(v.flag, 1, kScreen, kKeyboard); break;
    case 10: ABORT0(kScreen, kKeyboard, v.code); break;
    case 11: ABORT3(kScreen, kKeyboard, v.code); break;
    case 12:  // a caller counts its notes; the pause comes from the fifth on
      ++v.notes;
      WRNFUL(v.notes, kScreen, kKeyboard);
      break;
    case 13: INBUG(v.number, kScreen, kKeyboard); break;
    case 14: (void)listReadUnit(kKeyboard, {&v.x, &v.d, &v.number, &v.text}); break;
    case 15: {  // a debug count: what it keeps or takes stays within its table
      std::int32_t intervals = 11;
      enterBounded("Input NPHI (0 keeps 11)", intervals, 0, 360, kScreen, kKeyboard);
      fuzz::check(intervals >= 0 && intervals <= 360, "a bounded reply stays within its bounds");
      v.count = intervals;
      break;
    }
    default: {
      std::string line;
      if (!readRecord(kKeyboard, line)) keyboardEnded();
      (void)listRead(line, {&v.z, &v.number, &v.d, &v.y});
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string all(reinterpret_cast<const char*>(data), size);
  const std::size_t end = all.find('\n');
  std::string picks = end == std::string::npos ? std::string() : all.substr(0, end);
  const std::string typed = end == std::string::npos ? all : all.substr(end + 1);
  if (picks.empty()) {
    for (int k = 0; k < kReaders; ++k) picks += static_cast<char>(k);
  }
  Values v;
  const int status = fuzz::runWithReplies(typed, [&] {
    // Every reader takes a line (the notes pause every fifth call), so the typed text runs out and
    // ends this.
    for (std::size_t k = 0;; k = (k + 1) % picks.size()) {
      readOnce(picks[k], v);
      fuzz::check(v.finite(), "no reader stores a non-finite value");
    }
  });
  fuzz::check(status == kExitInputEnded || status == kExitFatal, "the readers end with the typed text or a stop");
  fuzz::check(v.finite(), "no reader stores a non-finite value");
  return 0;
}

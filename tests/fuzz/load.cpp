// The load at start on any data-file and coefficient-file bytes and any typed replies. Whatever the
// files hold, the load ends normally, stops with status 1 or 2, or hands the editor a start code it
// knows; and it never writes the files it read.
#include "dataset/ioinit.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"
#include "util/sim_types.h"

using namespace qv;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TpcmImage preEdit;
  static LowcofImage preEditLow;
  const fuzz::Input in = fuzz::splitInput(data, size, 2);
  fuzz::clearFolder();
  fuzz::writeFile("SALMDAT", in.files[0]);
  fuzz::writeFile("LOWDAT", in.files[1]);
  resetAllBlocks();  // every input starts from a fresh run

  char choice = ' ';
  int startCode = -1, lowStatus = -1, dataStatus = -1;
  const int status = fuzz::runWithReplies(in.replies, [&] {
    IOINIT(makeText<8>("Quorvel"), makeText<5>(""), preEdit, preEditLow, choice, startCode, makeText<12>("SALMDAT"),
           lowStatus, dataStatus, 6.8f, 2020, kSimQuorvel, makeText<12>("DRAVOKET"), kPlatformIntel, kModeEditor,
           kStoredWords, nullptr, LOWCOF);
  });
  fuzz::check(fuzz::knownStatus(status), "the load ends with status 0, 1 or 2");
  if (status == -1) {
    fuzz::check(startCode == kStartNormal || startCode == kStartFinalPage, "a start code the editor knows");
    fuzz::check(choice == 'M' || choice == 'C' || choice == 'E', "a start choice the editor knows");
    if (choice != 'E')
      fuzz::check(TPCM.NTOGO == kStoredWords && TPCM.CREATR == kSimQuorvel, "the header is this program's");
  }
  fuzz::check(fuzz::readFile("SALMDAT") == in.files[0], "the load leaves the data file as it was");
  fuzz::check(fuzz::readFile("LOWDAT") == in.files[1], "the load leaves the coefficient file as it was");
  return 0;
}

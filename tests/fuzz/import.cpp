// The import of a data block from any file bytes with any typed replies. The first byte picks the
// block (1 to 3); then come the file "IMPORT" and the replies (the first of them the path). Whatever
// the file holds, the import returns or the replies end (status 2); it never writes the file it
// read; and on return the data set keeps its simulation type, ISPM and word count, and no word has
// changed outside the block, past the words the file holds, or past the words this program stores.
#include <cstring>
#include <string>
#include <vector>

#include "dataset/datload.h"
#include "dataset/tpcm.h"
#include "fuzz/fuzz_support.h"
#include "platform/block_reset.h"
#include "support/data_set_fixture.h"

using namespace qv;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::enterOwnFolder(argc, argv);
  return 0;
}

namespace {

// The words of the block of each kind, for a data set of this program.
bool inBlock(int kind, int word) {
  switch (kind) {
    case 1: return word <= kStoredWords;
    case 2: return word > kStoredWords;
    default: return word >= 1988 && word <= kStoredWords;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int kind = data[0] % 3 + 1;
  const fuzz::Input in = fuzz::splitInput(data + 1, size - 1, 1);
  // The path names a file of this folder only: no device or other file of the machine is read.
  if (in.replies.substr(0, in.replies.find('\n')).find('/') != std::string::npos) return 0;
  fuzz::clearFolder();
  fuzz::writeFile("IMPORT", in.files[0]);
  resetAllBlocks();
  testing_support::DataSet().withSalm().withTanker();
  for (int w = kStoredWords + 1; w <= kTpcmWords; ++w) wordsOf(TPCM)[w - 1] = w;  // mooring words in memory
  const std::vector<std::int32_t> before(wordsOf(TPCM), wordsOf(TPCM) + kTpcmWords);

  const int status = fuzz::runWithReplies(in.replies, [kind] { DATLOAD(kind); });
  fuzz::check(status == -1 || status == kExitInputEnded, "the import returns, or the replies end");
  fuzz::check(fuzz::readFile("IMPORT") == in.files[0], "the import file is only read");
  if (status != -1) return 0;

  fuzz::check(TPCM.CREATR == before[1] && TPCM.NTOGO == before[0], "the simulation type and word count stay");
  fuzz::check(TPCM.ISPM == before[offsetof(Tpcm, ISPM) / 4], "ISPM stays");
  const int fileWords = in.files[0] ? static_cast<int>(in.files[0]->size() / 4) : 0;
  for (int w = 1; w <= kTpcmWords; ++w) {
    if (wordsOf(TPCM)[w - 1] == before[static_cast<std::size_t>(w - 1)]) continue;
    fuzz::check(inBlock(kind, w), "no word outside the block changes");
    fuzz::check(w <= fileWords, "no word past the file's changes");
    fuzz::check(w <= kStoredWords, "no word that is not stored changes");
  }
  return 0;
}

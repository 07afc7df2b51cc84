// The README quotes texts of the reports and plot tables that a user looks for in them (a curve's
// title, a heading line, an axis label of the plotting recipe). Each quote of the table below must
// stand in the README as written there and in the file of the tanker example's run that it quotes,
// blank for blank: a title that changes its layout fails here until the README follows it.
#include <gtest/gtest.h>

#include <string>

#include "dataset/tpcm.h"
#include "example_run.h"
#include "platform/block_reset.h"
#include "support/readme_text.h"

namespace qv {
namespace {

using testing_support::edited;
using testing_support::example;
using testing_support::readFileText;
using testing_support::readmeText;

struct Quote {
  const char* text;   // as the README quotes it
  char mark;          // the README's quotation mark: '"' in the prose, '\'' in the plotting recipe
  const char* file;   // the file of the run that holds it
};

class ReadmeQuotes : public testing_support::ExampleRun {
 protected:
  // Every quote in the README and, after a run of `image`, in its file.
  void expectQuoted(const std::string& image, std::initializer_list<Quote> quotes) {
    closeAllUnits();
    resetAllBlocks();
    ASSERT_EQ(runImage(image), -1) << readFileText("Diagnostics.stxt");
    const std::string readme = readmeText();
    for (const Quote& q : quotes) {
      const std::string quoted = q.mark + std::string(q.text) + q.mark;
      EXPECT_NE(readme.find(quoted), std::string::npos) << "README.md: " << quoted;
      EXPECT_NE(readFileText(q.file).find(q.text), std::string::npos) << q.file << ": " << quoted;
    }
  }
};

TEST_F(ReadmeQuotes, StandInTheFilesTheyQuote) {
  expectQuoted(example("tanker-yoke"),
               {
                   {"NET HORIZONTAL FORCE", '"', "STATPLT.plt"},
                   {"MEMBER #  2", '"', "DYNPLT.plt"},
                   {"ANGLE RAOS (S.A./S.A.) FOR WAVE HEADING  180.00 DEGREES", '"', "DYNPLT.plt"},
                   {"WAVE HEADING", '"', "RANOUT.stxt"},
                   {"WAVE HEADING", '"', "LOWOUT.stxt"},
                   // The labels of the plotting recipe are those of the plot tables.
                   {"OFFSET (METERS)", '\'', "STATPLT.plt"},
                   {"FORCE IN M. TONS", '\'', "STATPLT.plt"},
                   {"ANGLE IN DEG.", '\'', "STATPLT.plt"},
                   {"PERIOD (SECONDS)", '\'', "DYNPLT.plt"},
                   {"ANGLE IN DEG.", '\'', "DYNPLT.plt"},
                   {"M. TONS/METER", '\'', "DYNPLT.plt"},
               });
  // The regular waves' heading left apart from the sea's: the pass of their heading names the sea's.
  expectQuoted(edited(example("tanker-yoke"), [](Tpcm& t) { t.WAVHDG(1) = 165.0f; }),
               {{"MEMBER WAVE LOADS FROM THE SEA AT 180.0 DEG", '"', "DYNOUT.stxt"}});
}

}  // namespace
}  // namespace qv

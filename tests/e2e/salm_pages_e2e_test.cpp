// The SALM pages (pages 2 and 3) through the real editor: a new data set ("C"), edits on the
// pages, then L to the final page and choice 1 to save and exit. The screens are checked as typed;
// the saved "SALMDAT" is checked word by word (word w at byte 4(w-1)).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "e2e/e2e_harness.h"
#include "support/checks.h"

namespace qv {
namespace {

using qv::testing_support::contains;

// Words of the members edited here in the stored image.
constexpr int kWordIarco = 776;
constexpr int kWordAuxfor = 1686;  // 90 words
constexpr int kWordAuxtbl = 1910;
constexpr int kWordNelem = 2006;
constexpr int kWordIfree = 2009;   // 40 words
constexpr int kWordSlen = 2093;    // 40 words
constexpr int kWordTmass = 2213;   // 40 words
constexpr int kWordYokeht = 2374;
constexpr int kWordCofmst = 2377;  // 40 words
constexpr int kWordCofdmt = 2417;  // 40 words
constexpr int kWordCofmas = 2457;
constexpr int kWordCofdmp = 2458;
constexpr std::size_t kStoredBytes = 4 * 4975;

using e2e::floatWord;
using e2e::intWord;

// The start of every session here: a new data set, then a blank reply leaves page 1 for page 2.
const std::string kNewDataSet = "C\n\n";
// The end of every session here: L on the page shown goes to the final page, 1 saves and exits.
const std::string kSaveAndExit = "l\n1\n";

const std::string kPage2Header = "                   ****  Page 2: Salm information  ****\n";
const std::string kPage3Header = "                 ****  Page 3: More Salm information  ****\n";
const std::string kSelection = " \n Enter number of selection (\"H\" for help): ";

// The screens of a transcript that begin with the header of one page.
std::vector<std::string> pageScreens(const std::string& out, const std::string& header) {
  std::vector<std::string> found;
  for (const std::string& screen : e2e::screens(out)) {
    if (screen.starts_with(header)) found.push_back(screen);
  }
  return found;
}

// A finished session: it ran to its end by itself and exited normally.
void expectSaved(const e2e::Run& run) {
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
}

TEST(SalmPagesE2e, NumberOfElements) {
  struct Case {
    const char* typed;
    std::int32_t nelem;
    const char* itemLine;  // page 2 drawn again after the edit
  };
  const Case cases[] = {
      {"12", 12, "  1) Number of Salm elements (Max 40) ............ 12\n"},
      {"55", 40, "  1) Number of Salm elements (Max 40) ............ 40\n"},  // held at 40
      {"x", 0, "  1) Number of Salm elements (Max 40) ............  0\n"},   // a letter: 0
  };
  std::vector<std::string> images;
  for (const Case& c : cases) {
    e2e::Folder folder;
    const e2e::Run run = folder.run(kNewDataSet + "1\n" + std::string(c.typed) + "\n" + kSaveAndExit);
    expectSaved(run);
    const std::vector<std::string> shown = pageScreens(run.out, kPage2Header);
    // Page 2, then page 2 again after the edit.
    ASSERT_EQ(shown.size(), 2u) << c.typed;
    EXPECT_TRUE(contains(shown[0], kSelection + "  1) Number of Salm elements (Max 40) ............  1\n"
                                                " Enter new value: "))
        << c.typed << ": the item line before the prompt";
    EXPECT_TRUE(shown[1].starts_with(kPage2Header + c.itemLine)) << c.typed << "\n" << shown[1];
    EXPECT_EQ(contains(shown[1], " 5) Water plane area"), c.nelem != 0) << c.typed;
    images.push_back(folder.readFile("SALMDAT"));  // empty when the session saved nothing
  }
  for (const std::string& image : images) {
    if (image.empty()) GTEST_SKIP() << "the session saved no SALMDAT";
  }
  for (std::size_t k = 0; k < images.size(); ++k) {
    ASSERT_EQ(images[k].size(), kStoredBytes);
    EXPECT_EQ(intWord(images[k], kWordNelem), cases[k].nelem) << cases[k].typed;
  }
}

TEST(SalmPagesE2e, DefaultCoefficientsSpreadOverAllFortyElements) {
  e2e::Folder folder;
  // Three elements; the coefficients go to all 40 all the same.
  const e2e::Run run = folder.run(kNewDataSet + "1\n3\n7\n1.5\n8\n0.8\n" + kSaveAndExit);
  expectSaved(run);
  EXPECT_TRUE(contains(run.out, kSelection + "\n Current default elemental added mass coefficient =   1.00\n\n"
                                " Enter new value (<RETURN> to abort replacement): \f"));
  EXPECT_TRUE(contains(run.out, "  7) Reset default added mass coefficient .........      1.50\n"
                                "  8) Reset default square-law drag coefficient ....      0.80\n"));
  if (!folder.exists("SALMDAT")) GTEST_SKIP() << "the session saved no SALMDAT";
  const std::string image = folder.readFile("SALMDAT");
  ASSERT_EQ(image.size(), kStoredBytes);
  EXPECT_EQ(intWord(image, kWordNelem), 3);
  EXPECT_EQ(floatWord(image, kWordCofmas), 1.5f);
  EXPECT_EQ(floatWord(image, kWordCofdmp), 0.8f);
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(floatWord(image, kWordCofmst + i), 1.5f) << "element " << i + 1;
    EXPECT_EQ(floatWord(image, kWordCofdmt + i), 0.8f) << "element " << i + 1;
  }
}

TEST(SalmPagesE2e, ElementValuesCopyAndAttachment) {
  e2e::Folder folder;
  const std::string script =
      kNewDataSet +
      "1\n3\n\n"          // page 2: three elements, on to page 3
      "\n"                // page 3: on to element 1
      "2\n12.5\n\n"       // element 1: length, on to element 2
      "5\n40\n7\n\n"      // element 2: dry weight, lower joint free, on to element 3
      "c\n1\n"            // element 3: copy element 1
      "13\n4\n"           // attachment type: buoyant riser
      "14\n1\n25\n\n" +   // attachment page: yoke height, back to the element
      kSaveAndExit;
  const e2e::Run run = folder.run(script);
  expectSaved(run);
  const std::vector<std::string> page3 = pageScreens(run.out, kPage3Header);
  ASSERT_EQ(page3.size(), 1u);
  EXPECT_EQ(page3[0], kPage3Header +
                       " 1) Change statics/dynamics \"submergence\" option, currently:\n"
                       "\n"
                       "    2)  No above-water \"submergence\" for dynamics OR statics:\n"
                       "        \"DRY\" buoy top, \"DRY yoke\", <<FULL>> dynamic waterplane correction\n"
                       "10) Specify auxiliary lateral offset table ...... No \n"
                       "12) Specify auxiliary yaw offset table .......... No \n"
                       " Note: the next  3 pages consist of individual Salm element information.\n" +
                       kSelection);
  EXPECT_TRUE(contains(run.out, "\f--- Element attached to anchor ---\n\n--- Element that pierces water ---\n\n"
                                "  1) Element number:  1 of  3\n"));
  EXPECT_TRUE(contains(run.out, "  2) Element length .......................      12.50 feet           \n"));
  EXPECT_TRUE(contains(run.out, "\f  1) Element number:  2 of  3\n"));
  EXPECT_TRUE(contains(run.out, "  5) Total dry weight of element ..........      40.00 kips           \n"
                                "  6) Center of gravity (from lower end) ...       0.00 feet           \n"
                                "  7) Constraint at lower joint ............ free to rotate\n"));
  EXPECT_TRUE(contains(run.out, "\f--- Element attached to vessel ---\n\n  1) Element number:  3 of  3\n"));
  EXPECT_TRUE(contains(run.out, " 13) Type of attachment to vessel ......... Buoyant riser\n"
                                " 14) Modify vessel attachment specifics\n"));
  EXPECT_TRUE(contains(run.out, "\f\n 1) Yoke to waterline height at vessel ..........      25.00 feet           \n"
                                " 2) X-Coordinate of Salm attachment .............       0.00 feet           \n" +
                                    kSelection));

  if (!folder.exists("SALMDAT")) GTEST_SKIP() << "the session saved no SALMDAT";
  const std::string image = folder.readFile("SALMDAT");
  ASSERT_EQ(image.size(), kStoredBytes);
  EXPECT_EQ(intWord(image, kWordNelem), 3);
  EXPECT_EQ(floatWord(image, kWordSlen), 12.5f);
  EXPECT_EQ(floatWord(image, kWordSlen + 2), 12.5f) << "element 3 copied from element 1";
  EXPECT_EQ(floatWord(image, kWordTmass + 1), 40.0f);
  EXPECT_EQ(intWord(image, kWordIfree + 1), 1);
  EXPECT_EQ(intWord(image, kWordIarco), 2);
  EXPECT_EQ(floatWord(image, kWordYokeht), 25.0f);
}

TEST(SalmPagesE2e, AuxiliaryLateralOffsetTable) {
  e2e::Folder folder;
  // Page 3: table on, then auto repeat over its 90 rows (start 2, increment 0.5).
  const e2e::Run run = folder.run(kNewDataSet + "\n10\n11\n91\n2\n0.5\n\nb\n" + kSaveAndExit);
  expectSaved(run);
  EXPECT_TRUE(contains(run.out, "10) Specify auxiliary lateral offset table ...... Yes\n"
                                "11) Input new auxiliary static offset table\n"));
  EXPECT_TRUE(contains(run.out, "\f  --> Input Auxiliary Lateral Offset Force\n\n"
                                "   1)      0.00       41)      0.00       81)      0.00\n"));
  EXPECT_TRUE(contains(run.out, "   1)      2.00       41)     22.00       81)     42.00\n"));
  EXPECT_TRUE(contains(run.out, "\n  91) Auto repeat\n\n  92) Delete a row & collapse array\n"));
  if (!folder.exists("SALMDAT")) GTEST_SKIP() << "the session saved no SALMDAT";
  const std::string image = folder.readFile("SALMDAT");
  ASSERT_EQ(image.size(), kStoredBytes);
  EXPECT_EQ(intWord(image, kWordAuxtbl), 1);
  for (int i = 0; i < 90; ++i) EXPECT_EQ(floatWord(image, kWordAuxfor + i), 2.0f + 0.5f * i) << "row " << i + 1;
}

TEST(SalmPagesE2e, InputEndingOnThePagesSavesNothing) {
  for (const char* script : {"C\n", "C\n1\n", "C\n\n", "C\n\n\n2\n", "C\n\n11\n"}) {
    e2e::Folder folder;
    const e2e::Run run = folder.run(script, std::chrono::seconds(5));
    ASSERT_FALSE(run.timedOut) << script;
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_FALSE(folder.exists("SALMDAT")) << script;
  }
}

}  // namespace
}  // namespace qv

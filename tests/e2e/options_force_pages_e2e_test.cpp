// The low-frequency dynamics page (4), the external force page (9) and the output option pages (17
// and 18) through the real editor: a session that edits each of them and saves, a batch-modify
// session whose toggles ask for 1 or 0, and the end of the input while page 4 refuses to be left.
// The pages are reached with J, so the scripts do not depend on the pages between them. The saved
// "SALMDAT" is checked word by word (word w at byte 4(w-1)).
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "e2e/e2e_harness.h"
#include "support/checks.h"
#include "support/data_set_fixture.h"

namespace qv {
namespace {

using e2e::floatWord;
using e2e::intWord;
using qv::testing_support::contains;

constexpr std::size_t kStoredBytes = 4 * 4975;

// A member of the saved image: its name, its word and the value it must hold there.
struct SavedWord {
  const char* name;
  int word;
  double value;
  bool real;
};
constexpr SavedWord integer(const char* name, int word, std::int32_t value) { return {name, word, double(value), false}; }
constexpr SavedWord real(const char* name, int word, float value) { return {name, word, value, true}; }

void expectSaved(const std::string& image, std::initializer_list<SavedWord> words) {
  ASSERT_EQ(image.size(), kStoredBytes);
  for (const SavedWord& w : words) {
    if (w.real) {
      EXPECT_EQ(floatWord(image, w.word), static_cast<float>(w.value)) << w.name;
    } else {
      EXPECT_EQ(intWord(image, w.word), static_cast<std::int32_t>(w.value)) << w.name;
    }
  }
}

const std::string kPage4Header = "            ****  Page 4: Low-frequency dynamics selection  ****\n";
const std::string kPage9Header = "   ****  Page 9: Vessel External Force/Moment Specification  ****\n";
const std::string kPage17Header = "                   ****  Page 17: Output options 1 ****\n";
const std::string kPage18Header = "                   ****  Page 18: Output options 2 ****\n";
const std::string kSelection = " \n Enter number of selection (\"H\" for help): ";
const std::string kRefusal = "\n >>> User-specified damping must be positive definite.\n\n Press <RETURN> to continue: ";

// The last screen of a transcript that begins with the header of a page.
std::string lastScreen(const std::string& out, const std::string& header) {
  std::string last;
  for (const std::string& screen : e2e::screens(out))
    if (screen.starts_with(header)) last = screen;
  return last;
}

TEST(OptionsAndForcePagesE2e, EditsOnEachPageAreSaved) {
  e2e::Folder folder;
  const std::string script =
      "C\n"
      "j4\n"                 // the first page shown: on to page 4
      "2\n12.5\n"            // surge damping given: 12.5 % of critical
      "6\n\n"                // yaw damping given, its value left at 0
      "j9\n\n"               // refused: yaw damping 0; the pause
      "7\n3\n"               // yaw damping 3 %
      "j9\n"                 // page 9
      "1\n"                  // constant force on
      "2\n150\n4\n-2.5e4\n"  // x force, moment
      "5\n"                  // components in vessel axes
      "7\n-12\n"             // y of the point of application
      "j17\n"                // page 17
      "1\n35\n12\n"          // static output off, wave absorption left out, member-fixed axes
      "51\n2.5\n"            // storm duration
      "\n"                   // page 18
      "1\n7\n12\n"           // one sigma, no vessel summary, debug on
      "13\n1\n"              // reports to the console
      "l\n1\n";              // the final page: save and exit
  const e2e::Run run = folder.run(script);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;

  EXPECT_TRUE(contains(run.out, kSelection + "\f" + kRefusal + "\f" + kPage4Header)) << run.out;
  EXPECT_TRUE(lastScreen(run.out, kPage4Header)
                  .starts_with(kPage4Header +
                               "\n\n"
                               "  1) Calculate low-frequency dynamics: ............. Yes\n"
                               "\n"
                               "  2) Low-frequency surge damping is ................  User-specified\n"
                               "  3) Surge. damping (percent of critical) ..........     12.50\n"
                               "  4) Low-frequency sway  damping is ................  Computed      \n"
                               "  6) Low-frequency  yaw  damping is ................  User-specified\n"
                               "  7) Yaw... damping (percent of critical) ..........      3.00\n"));
  EXPECT_EQ(lastScreen(run.out, kPage9Header),
            kPage9Header +
                "\n\n"
                " 1) Simulate constant force/moment on vessel:   Yes\n"
                "\n"
                " 2) X force component ........................     150.00 kips           \n"
                " 3) Y force component ........................       0.00 kips           \n"
                " 4) Applied moment (force couple) value ...... -0.250E+05 k. ft-lbs \n"
                " 5) Auxiliary force components defined in <<vessel>> coordinate system\n"
                "\n"
                "   ++> Coordinates of Applied Force are in <<vessel>> system\n"
                "\n"
                " 6) Applied force X-coordinate (from c.g.) ...       0.00 feet           \n"
                " 7) Applied force Y-coordinate (from c.g.) ...     -12.00 feet           \n" +
                kSelection);
  const std::string page17 = lastScreen(run.out, kPage17Header);
  EXPECT_TRUE(contains(page17, "\n  1) Output static offset and Salm mass data ................... No   \n"
                               "  4) Output low-frequency motions/loads data ................... Yes  \n"))
      << page17;
  EXPECT_TRUE(contains(page17, "\n 12) Use <<Member-fixed>> Coordinates for load decomposition\n")) << page17;
  EXPECT_TRUE(contains(page17, "\n35) Exclude wave absorption damping and excitation ............ Yes\n")) << page17;
  EXPECT_TRUE(contains(page17, "statistics.....  2.50\n")) << page17;
  const std::string page18 = lastScreen(run.out, kPage18Header);
  EXPECT_TRUE(contains(page18, "\n  1) Use <<one>> standard deviation (sigma) statistical output values\n")) << page18;
  EXPECT_TRUE(contains(page18, "\n  7) Output vessel motions summary .............................. No   \n")) << page18;
  EXPECT_TRUE(contains(page18, "\n 12) Debug option is on\n 13) Output goes to Console\n")) << page18;

  ASSERT_TRUE(folder.exists("SALMDAT")) << run.out;
  expectSaved(folder.readFile("SALMDAT"),
              {integer("LQUAS", 1920, 1), integer("LSGLFD", 1911, 1), integer("LSWLFD", 1912, 0),
               integer("LYWLFD", 1913, 1), real("SGLFDP", 1676, 12.5f), real("YWLFDP", 1678, 3.0f),
               integer("AUXFRC", 1441, 1), real("XVFRC", 1435, 150.0f), real("VESMOM", 1437, -25000.0f),
               integer("CRDSYS", 1442, 1), real("YVLOC", 1440, -12.0f), integer("STAMOT", 1996, 0),
               integer("LEGDRG", 186, 1), integer("OUTCRD", 1998, 1), real("DURATN", 450, 2.5f),
               integer("ONETWO", 100, 1), integer("NEGSUM", 104, 1), integer("NBUG0", 114, 1),
               integer("IUNIT (the console of the session that chose it)", 109, 6)});
}

TEST(OptionsAndForcePagesE2e, BatchSessionAsksForEachToggle) {
  e2e::Folder folder;
  folder.writeFile("SALMDAT", testing_support::DataSet()
                                  .with([] {
                                    TPCM.LWBARG = TPCM.LCBARG = TPCM.LWVCOF = 0x444;  // built-in models: no LOWDAT
                                    TPCM.LQUAS = 1;
                                    TPCM.STAMOT = 1;
                                  })
                                  .bytes());
  const std::string script =
      "B\n"
      "j4\n1\n0\n"     // dynamics: 0
      "j9\n1\n1\n"     // constant force: 1
      "5\n7\n"         // axes: 7 is no answer, the flag stays
      "5\n1\n"         // axes: vessel
      "j17\n1\n\n"     // static output: a blank reply keeps it
      "1\n0\n"         // static output: 0
      "\n7\n0\n"       // page 18: vessel summary: 0, none written
      "l\n1\n";
  const e2e::Run run = folder.run(script);
  ASSERT_FALSE(run.timedOut);
  EXPECT_EQ(run.status, 0) << run.out;
  const std::string yesNo = kSelection + " Enter 1 for \"Yes\", 0 for \"No\": \f";
  for (const std::string& shown : {yesNo + kPage4Header, kSelection + " Enter 1 for \"Vessel\", 0 for \"Global\": \f" +
                                                             kPage9Header, yesNo + kPage17Header, yesNo + kPage18Header})
    EXPECT_TRUE(contains(run.out, shown)) << shown;

  expectSaved(folder.readFile("SALMDAT"), {integer("LQUAS", 1920, 0), integer("AUXFRC", 1441, 1),
                                            integer("CRDSYS", 1442, 1), integer("STAMOT", 1996, 0),
                                            integer("NEGSUM", 104, 1)});
}

TEST(OptionsAndForcePagesE2e, InputEndingWhilePage4RefusesSavesNothing) {
  // Surge damping given with the value left at 0: leaving is refused, and the input ends at the
  // pause or at the page drawn again.
  for (const char* script : {"C\nj4\n2\n\n\n", "C\nj4\n2\n\nb\n\n"}) {
    e2e::Folder folder;
    const e2e::Run run = folder.run(script, std::chrono::seconds(5));
    ASSERT_FALSE(run.timedOut) << script;
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_TRUE(contains(run.out, kRefusal)) << script;
    EXPECT_FALSE(folder.exists("SALMDAT")) << script;
  }
}

}  // namespace
}  // namespace qv

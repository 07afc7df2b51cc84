// The disc's added-mass and damping fits: values with the 4-byte rounding of c x, the limits at 0
// and for large x, and where the damping fits peak.
#include "hull/disc/disc_fits.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/checks.h"

namespace qv {
namespace {

using testing_support::IsClose;

TEST(DiscFits, ValuesAgainstTheWrittenForms) {
  // tests/hull/disc/reference_values.py, section "fits": each form in double precision with c x
  // rounded to a 4-byte float before the exponential, 2.429 as a 4-byte float.
  struct Case {
    float x;
    double SDMPD, PMASD, PDMPD, HMASD, HDMPD;
  };
  const Case cases[] = {
      {0.0f, 0.0, 0.199, 0.0, 2.7, 0.0},
      {0.3f, 0.0128141688, 0.194844616, 0.0102137444, 2.17754084, 0.780401281},
      {0.7f, 0.05066053, 0.222354584, 0.0379978622, 1.72168126, 0.949079812},
      {1.5f, 0.122661337, 0.209120817, 0.0814679816, 1.27107175, 0.797003301},
      {2.5f, 0.153098039, 0.152737769, 0.0873445975, 1.07970909, 0.586629482},
      {6.0f, 0.0536250215, 0.110406731, 0.0179717105, 1.00109898, 0.26144076},
      {40.0f, 3.66754234e-12, 0.11, 7.00103524e-15, 1.0, 0.0237997977},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(IsClose(SDMPD(c.x), c.SDMPD, 2e-6)) << "x = " << c.x;
    EXPECT_TRUE(IsClose(PMASD(c.x), c.PMASD, 2e-6)) << "x = " << c.x;
    EXPECT_TRUE(IsClose(PDMPD(c.x), c.PDMPD, 2e-6)) << "x = " << c.x;
    EXPECT_TRUE(IsClose(HMASD(c.x), c.HMASD, 2e-6)) << "x = " << c.x;
    EXPECT_TRUE(IsClose(HDMPD(c.x), c.HDMPD, 2e-6)) << "x = " << c.x;
    // The body is axisymmetric: roll takes the pitch fits; the horizontal added mass is constant.
    EXPECT_EQ(RMASD(c.x), PMASD(c.x));
    EXPECT_EQ(RDMPD(c.x), PDMPD(c.x));
    EXPECT_EQ(SMASD(c.x), 0.15f);
  }
}

TEST(DiscFits, LimitsAndPeaks) {
  // Large x: the added masses tend to 0.11 and 1, the exponential damping fits to 0, the heave
  // damping like 4.92 x^-1.429.
  EXPECT_TRUE(IsClose(PMASD(200.0f), 0.11, 1e-7));
  EXPECT_TRUE(IsClose(HMASD(200.0f), 1.0, 1e-7));
  EXPECT_EQ(SDMPD(200.0f), 0.0f);
  EXPECT_EQ(PDMPD(200.0f), 0.0f);
  EXPECT_TRUE(IsClose(HDMPD(1.0e4f), 4.92 * std::pow(1.0e4, -1.429) * std::pow(1.0 + 1.0e-4, -2.429), 1e-5));
  // Each damping fit rises to its peak and falls after it: x = 2.5, 2 / 0.952 and 1 / 1.429.
  struct Peak {
    const char* name;
    float (*fit)(float);
    float at;
  };
  for (const Peak& p : {Peak{"SDMPD", SDMPD, 2.5f}, Peak{"PDMPD", PDMPD, 2.0f / 0.952f},
                        Peak{"HDMPD", HDMPD, 1.0f / 1.429f}}) {
    EXPECT_GT(p.fit(p.at), p.fit(p.at * 0.99f)) << p.name;
    EXPECT_GT(p.fit(p.at), p.fit(p.at * 1.01f)) << p.name;
  }
}

}  // namespace
}  // namespace qv

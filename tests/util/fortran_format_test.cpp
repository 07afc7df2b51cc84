// Fixed-width fields against what gfortran 12 writes and reads for the same edit descriptors.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "util/fortran_format.h"

namespace qv {
namespace {

struct RealCase {
  double value;
  int width;
  int decimals;
  const char* expected;
};

TEST(FortranFormat, FixedPoint) {
  const double inf = std::numeric_limits<double>::infinity();
  // Expected fields as gfortran writes them with (Fw.d).
  const RealCase cases[] = {
      {0.5, 5, 2, " 0.50"},   {0.5, 4, 2, "0.50"},     {0.5, 3, 2, ".50"},   // leading zero where it fits
      {-0.5, 4, 2, "-.50"},   {-0.5, 5, 2, "-0.50"},
      {0.4, 3, 0, " 0."},     {0.4, 2, 0, "0."},       {0.4, 1, 0, "*"},     // "." alone is no number
      {-0.4, 2, 0, "**"},     {-0.4, 5, 0, "  -0."},   {-0.6, 3, 0, "-1."},
      {-0.001, 5, 2, "-0.00"}, {-0.0, 5, 2, "-0.00"},  {0.04, 2, 1, ".0"},
      {0.125, 5, 2, " 0.12"}, {0.375, 5, 2, " 0.38"},  {2.5, 3, 0, " 2."},   {3.5, 3, 0, " 4."},  // ties to even
      {0.005, 5, 2, " 0.01"},  // the double nearest 0.005 lies above it
      {99.96, 5, 1, "100.0"}, {-99.999, 6, 2, "******"}, {1234.5, 5, 2, "*****"}, {9.999, 4, 2, "****"},
      {static_cast<double>(6.8f), 10, 2, "      6.80"}, {static_cast<double>(6.8f), 4, 2, "6.80"},
      {3.14159, 0, 2, "3.14"}, {0.5, 0, 2, ".50"}, {0.4, 0, 0, "0."},
      {std::nan(""), 8, 2, "     NaN"}, {std::nan(""), 2, 1, "**"},
      {inf, 10, 2, "  Infinity"}, {inf, 7, 2, "    Inf"}, {inf, 2, 1, "**"},
      {-inf, 9, 2, "-Infinity"}, {-inf, 8, 2, "    -Inf"}, {-inf, 3, 1, "***"},
  };
  for (const RealCase& c : cases)
    EXPECT_EQ(fmtF(c.value, c.width, c.decimals), c.expected) << "F" << c.width << "." << c.decimals << " of " << c.value;
}

TEST(FortranFormat, Exponential) {
  // Expected fields as gfortran writes them with (Ew.d).
  const RealCase cases[] = {
      {1234.5, 12, 4, "  0.1234E+04"}, {1234.5, 10, 4, "0.1234E+04"}, {1234.5, 9, 4, ".1234E+04"},
      {-1234.5, 11, 4, "-0.1234E+04"}, {-1234.5, 10, 4, "-.1234E+04"}, {1234.5, 8, 4, "********"},
      {0.0, 12, 4, "  0.0000E+00"},    {-0.0, 12, 4, " -0.0000E+00"}, {9.99995, 12, 4, "  0.1000E+02"},
      {0.99995, 12, 4, "  0.1000E+01"}, {1e-5, 12, 4, "  0.1000E-04"}, {1e-100, 12, 4, "  0.1000E-99"},
      {1e300, 14, 4, "    0.1000+301"}, {-1e-100, 12, 3, "  -0.100E-99"}, {1.0, 6, 1, ".1E+01"},
  };
  for (const RealCase& c : cases)
    EXPECT_EQ(fmtE(c.value, c.width, c.decimals), c.expected) << "E" << c.width << "." << c.decimals << " of " << c.value;
}

TEST(FortranFormat, ScientificAsOnePE) {
  // Expected fields as gfortran writes them with (1PEw.d).
  const RealCase cases[] = {
      {12.345, 9, 2, " 1.23E+01"}, {-12.345, 9, 2, "-1.23E+01"}, {0.0, 9, 2, " 0.00E+00"},
      {9.996, 9, 2, " 1.00E+01"},  {1.5e-7, 9, 2, " 1.50E-07"},  {1e-100, 9, 2, " 1.00-100"},
      {-1234.5, 8, 2, "********"}, {1234.5, 8, 2, "1.23E+03"},   {std::nan(""), 9, 2, "      NaN"},
  };
  for (const RealCase& c : cases)
    EXPECT_EQ(fmtES(c.value, c.width, c.decimals), c.expected) << "1PE" << c.width << "." << c.decimals << " of " << c.value;
}

TEST(FortranFormat, Scientific) {
  // Expected fields as gfortran writes them with (ESw.d): one digit before the point.
  const RealCase cases[] = {
      {1234.5, 11, 4, " 1.2345E+03"}, {-1234.5, 11, 4, "-1.2345E+03"}, {1234.5, 10, 4, "1.2345E+03"},
      {-1234.5, 10, 4, "**********"}, {0.0, 11, 4, " 0.0000E+00"},  {0.000123456, 11, 4, " 1.2346E-04"},
      {9.99996, 11, 4, " 1.0000E+01"}, {1e-100, 11, 4, " 1.0000-100"}, {1e300, 11, 4, " 1.0000+300"},
      {2500.0, 7, 0, " 2.E+03"},
  };
  for (const RealCase& c : cases)
    EXPECT_EQ(fmtES(c.value, c.width, c.decimals), c.expected) << "ES" << c.width << "." << c.decimals << " of " << c.value;
}

TEST(FortranFormat, IntegerTextAndBlanks) {
  EXPECT_EQ(fmtI(-5, 3), " -5");
  EXPECT_EQ(fmtI(0, 3), "  0");
  EXPECT_EQ(fmtI(1000, 3), "***");
  EXPECT_EQ(fmtI(-1, 1), "*");
  EXPECT_EQ(fmtI(-42, 0), "-42");
  EXPECT_EQ(fmtA("Yes", 5), "  Yes");
  EXPECT_EQ(fmtA("Specified", 4), "Spec");
  EXPECT_EQ(fmtX(3), "   ");
  EXPECT_EQ(fmtX(-2), "");
}

TEST(FortranFormat, IntegerFieldWithBlanksIgnored) {
  struct Case {
    const char* field;
    bool ok;
    int value;
  };
  // As gfortran reads them with (BN,I6).
  const Case cases[] = {
      {"      ", true, 0}, {" 1 2  ", true, 12}, {"+5", true, 5}, {"-5", true, -5},
      {"-", false, 0},     {"5-", false, 0},     {"1.5", false, 0}, {"1e3", false, 0}, {"elp", false, 0},
  };
  for (const Case& c : cases) {
    int v = -777;
    EXPECT_EQ(readIntField(c.field, v), c.ok) << c.field;
    EXPECT_EQ(v, c.ok ? c.value : -777) << c.field;
  }
}

TEST(FortranFormat, RealFieldWithBlanksIgnored) {
  struct Case {
    const char* field;
    bool ok;
    float value;
  };
  // As gfortran reads them with (BN,F12.0), except where noted.
  const Case cases[] = {
      {"2.5", true, 2.5f}, {"1 0", true, 10.0f}, {"12", true, 12.0f}, {"  .5e-1 ", true, 0.05f},
      {"1.5+3", true, 1500.0f}, {"1d3", true, 1000.0f}, {"1E+3", true, 1000.0f}, {"+.5", true, 0.5f},
      {"1.e2", true, 100.0f}, {"1e-50", true, 0.0f},
      {"abc", false, 0}, {"5-", false, 0}, {"1.5e", false, 0}, {"1.5.2", false, 0}, {"0x10", false, 0},
      // gfortran reads these as 0 or as infinities/NaN; here they are no numbers and store nothing.
      {"-", false, 0}, {".", false, 0}, {"e5", false, 0}, {"1e99", false, 0}, {"nan", false, 0}, {"inf", false, 0},
  };
  for (const Case& c : cases) {
    float v = -777.0f;
    EXPECT_EQ(readRealField(c.field, v), c.ok) << c.field;
    EXPECT_EQ(v, c.ok ? c.value : -777.0f) << c.field;
  }
}

}  // namespace
}  // namespace qv

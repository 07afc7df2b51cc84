// Fixed-width fields against what gfortran 12 writes and reads for the same edit descriptors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/stop.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
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
      {inf, 8, 2, "Infinity"}, {-inf, 4, 0, "-Inf"},
      {inf, 0, 2, "Inf"}, {-inf, 0, 0, "-Inf"}, {std::nan(""), 0, 2, "NaN"},  // the shortest field
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

// The fields as the C library's printf writes the digits, with the Fortran field rules applied to
// them in the plainest way: the reference for the formatter's own digit generation.
std::string printed(const char* format, int precision, double value) {
  const int n = std::snprintf(nullptr, 0, format, precision, value);
  std::vector<char> text(static_cast<std::size_t>(n) + 1);
  std::snprintf(text.data(), text.size(), format, precision, value);
  return std::string(text.data(), static_cast<std::size_t>(n));
}

std::string fitted(const std::string& body, int width) {
  if (width == 0) return body;
  if (static_cast<int>(body.size()) > width) return std::string(width, '*');
  return std::string(width - body.size(), ' ') + body;
}

std::string exponentText(int exponent) {
  const int magnitude = std::abs(exponent);
  if (magnitude > 999) return "";
  char text[8];
  if (magnitude <= 99) std::snprintf(text, sizeof text, "E%c%02d", exponent < 0 ? '-' : '+', magnitude);
  else std::snprintf(text, sizeof text, "%c%03d", exponent < 0 ? '-' : '+', magnitude);
  return text;
}

std::string referenceF(double value, int width, int decimals) {
  const std::string sign = std::signbit(value) ? "-" : "";
  std::string digits = printed("%.*f", decimals, std::fabs(value));
  if (decimals == 0) digits += '.';
  const bool tooWide = width == 0 || static_cast<int>(sign.size() + digits.size()) > width;
  if (decimals > 0 && digits[0] == '0' && tooWide) digits.erase(0, 1);
  return fitted(sign + digits, width);
}

std::string referenceE(double value, int width, int decimals) {
  const std::string sign = std::signbit(value) ? "-" : "";
  std::string mantissa(decimals, '0');
  int exponent = 0;
  if (value != 0.0) {
    const std::string s = printed("%.*e", decimals - 1, std::fabs(value));
    mantissa = s.substr(0, 1) + s.substr(2, decimals - 1);
    exponent = std::stoi(s.substr(s.find('e') + 1)) + 1;
  }
  const std::string exp = exponentText(exponent);
  if (exp.empty()) return std::string(width, '*');
  std::string body = sign + "0." + mantissa + exp;
  if (static_cast<int>(body.size()) > width) body = sign + "." + mantissa + exp;
  return fitted(body, width);
}

std::string referenceES(double value, int width, int decimals) {
  const std::string sign = std::signbit(value) ? "-" : "";
  std::string digits = "0." + std::string(decimals, '0');
  int exponent = 0;
  if (value != 0.0) {
    const std::string s = printed("%.*e", decimals, std::fabs(value));
    digits = s.substr(0, s.find('e'));
    exponent = std::stoi(s.substr(s.find('e') + 1));
  }
  if (decimals == 0) digits = digits.substr(0, 1) + ".";
  const std::string exp = exponentText(exponent);
  if (exp.empty()) return std::string(width, '*');
  return fitted(sign + digits + exp, width);
}

// Values of every kind a report meets and those at the edges of rounding: any bit pattern (huge,
// tiny and subnormal values), 4-byte reals, decimal fractions, exact ties at the field's last digit,
// neighbours of powers of ten, zeros of both signs.
double randomValue(std::mt19937_64& random, int decimals) {
  const std::uint64_t bits = random();
  const double sign = (bits >> 63) ? -1.0 : 1.0;
  switch (random() % 8) {
    case 0: {
      double value;
      std::memcpy(&value, &bits, sizeof value);
      return value;
    }
    case 1: {
      const auto word = static_cast<std::uint32_t>(bits);
      float value;
      std::memcpy(&value, &word, sizeof value);
      return value;
    }
    case 2: return sign * static_cast<double>(bits % 100000000) * std::pow(10.0, static_cast<int>(random() % 25) - 14);
    case 3: return sign * static_cast<double>(2 * (bits % 4000000) + 1) / std::ldexp(1.0, decimals + 1);  // a tie
    case 4: return sign * static_cast<double>(2 * (bits % 200) + 1) * 0.5;  // a tie in a field without decimals
    case 5: {
      const double power = std::pow(10.0, static_cast<int>(random() % 30) - 12);
      return sign * (bits % 2 ? std::nextafter(power, 0.0) : std::nextafter(power, 1e300));
    }
    case 6: return sign * std::numeric_limits<double>::denorm_min() * static_cast<double>(bits % 1000000);
    default: return sign * static_cast<double>(static_cast<float>(static_cast<double>(bits % 1000000007) / 997.0));
  }
}

TEST(FortranFormat, DigitsAsPrintfWritesThem) {
  std::mt19937_64 random(20261210);
  int compared = 0;
  for (int n = 0; n < 200000; ++n) {
    const int width = static_cast<int>(random() % 28);  // width 0 included
    const int decimals = static_cast<int>(random() % 18);
    const double value = randomValue(random, decimals);
    if (!std::isfinite(value)) continue;
    ASSERT_EQ(fmtF(value, width, decimals), referenceF(value, width, decimals))
        << "F" << width << "." << decimals << " of " << printed("%.*e", 17, value);
    if (width > 0 && decimals > 0) {
      ASSERT_EQ(fmtE(value, width, decimals), referenceE(value, width, decimals))
          << "E" << width << "." << decimals << " of " << printed("%.*e", 17, value);
    }
    if (width > 0) {
      ASSERT_EQ(fmtES(value, width, decimals), referenceES(value, width, decimals))
          << "ES" << width << "." << decimals << " of " << printed("%.*e", 17, value);
    }
    ++compared;
  }
  EXPECT_GT(compared, 190000);
  // Fixed fields of values whose digits run to hundreds of places.
  for (const double value : {1e300, -1.7976931348623157e308, 123456789012345678901234567890.0})
    for (const int width : {0, 10, 400})
      EXPECT_EQ(fmtF(value, width, 3), referenceF(value, width, 3)) << value << " in F" << width << ".3";
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

TEST(FortranFormat, MessageValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    const char* text;
  } cases[] = {{0.0, "0.00"}, {-1.0, "-1.00"}, {35.298, "35.30"}, {1e-4, "1.0000E-04"}, {-3e30, "-3.0000E+30"},
               {nan, "not a number"}, {inf, "infinite"}, {-inf, "minus infinite"}};
  for (const auto& c : cases) EXPECT_EQ(messageValue(c.value), c.text) << c.value;
}

class FiniteValueRule : public testing_support::FreshRun {};

// Writes a report line holding `value`, as a stage's report writer does.
std::string reportLine(double value) { return " MEAN OFFSET" + fmtF(value, 10, 2) + fmtE(value, 11, 3); }

TEST_F(FiniteValueRule, AStageNeverWritesAValueThatIsNoNumber) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Without the rule (the editor shows a data set's words as they are) the forms of gfortran.
  EXPECT_EQ(reportLine(nan), " MEAN OFFSET       NaN        NaN");
  // Under it, finite values as ever; a value that is no number stops the run naming the stage and
  // the routine that wrote it, and its message holds no such value.
  requireFiniteValues("LOWPRT");
  EXPECT_EQ(reportLine(-2.5), " MEAN OFFSET     -2.50 -0.250E+01");
  for (double bad : {nan, std::numeric_limits<double>::infinity()}) {
    testing_support::ConsoleCapture console("\n");
    std::string routine;
    try {
      (void)reportLine(bad);
    } catch (const Stop& stop) {
      routine = stop.routine;
      EXPECT_EQ(stop.status, kExitFatal);
    }
    EXPECT_EQ(routine, "LOWPRT");
    const std::string expected = std::string(" ++> LOWPRT: a result of reportLine is ") +
                                 (std::isnan(bad) ? "not a number" : "infinite") + "; it cannot be reported.\n" +
                                 "     The data set leads to no usable answer here: check its values.\n";
    EXPECT_NE(console.screen().find(expected), std::string::npos) << console.screen();
    requireFiniteValues("LOWPRT");
  }
  requireFiniteValues("");
  EXPECT_EQ(reportLine(nan), " MEAN OFFSET       NaN        NaN");
}

}  // namespace
}  // namespace qv

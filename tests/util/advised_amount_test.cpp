// An amount a message advises, typed back as printed: a least amount rounded up and a most amount
// down at the unit messageValue prints, so that the figure the user types, stored as a 4-byte float,
// passes the check; on by a print unit where the caller's check still refuses it.
#include "util/advised_amount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "util/fortran_format.h"

namespace qv {
namespace {

struct Case {
  const char* what;
  double amount;
  bool least;          // a least amount (else a most)
  const char* shown;   // as the message prints it; nullptr: none is named
  double unit;         // the place of its last digit as printed (0 where none is named)
  AmountWorks works = {};
  AmountForm form = AmountForm::kMessage;
};

// Every named amount typed back as printed: the stored float passes (the caller's check, or lies on
// the side of the amount that works), and the figure a print unit nearer the amount (the place of its
// last digit, which each case states) does not, or is stored as the same float where floats lie wider
// apart than the print unit.
TEST(AdvisedAmount, EachNamedAmountTypedBackAsPrintedPasses) {
  // The run's own test of the pendular column: it stands from the float 60.4240417 on.
  const AmountWorks stands = [](double shown) { return typedValue(shown) > 60.424f; };
  // A check that only a depth of at least 61 m passes: 60.43 is refused, and the search goes on.
  const AmountWorks deeper = [](double shown) { return typedValue(shown) >= 61.0f; };
  const AmountWorks never = [](double) { return false; };
  const Case cases[] = {
      {"the closed form's least depth, rounded to the nearest, would be 60.42", 60.4225, true, "60.43", 0.01},
      {"a least on the figure", 2.98, true, "2.98", 0.01},
      {"a float least on the figure (0.29 is stored as 0.289999992)", static_cast<double>(0.29f), true, "0.29", 0.01},
      {"a double least on the figure whose float lies below it", 60.42, true, "60.43", 0.01},
      {"a least below the hundredth, in E form", 0.00179285, true, "1.7929E-03", 1.0e-7},
      {"a least below the hundredth, in a fixed field", 0.003, true, "0.01", 0.01, {}, AmountForm::kFixed},
      {"a least above a negative figure", -3.456, true, "-3.45", 0.01},
      {"a least of a hair below 0 in a fixed field is 0, never -0.00", -0.004, true, "0.00", 0.01, {}, AmountForm::kFixed},
      // Floats lie 0.0625 apart here: 1000000.20 is stored as 1000000.1875; the figure named is the
      // float that is stored.
      {"a large least where floats lie wider apart than the hundredth", 1000000.2, true, "1000000.25", 0.01},
      {"a least in E form rounds at its fifth digit", 15624843.75, true, "1.5625E+07", 1000.0},
      {"the run's own test", 60.4225, true, "60.43", 0.01, stands},
      {"the run's own test further up", 60.4225, true, "61.00", 0.01, deeper},
      {"a test that nothing passes", 60.4225, true, nullptr, 0.0, never},
      {"a most", 83.3676, false, "83.36", 0.01},
      {"a float most on the figure", static_cast<double>(0.29f), false, "0.29", 0.01},
      {"a double most on the figure whose float lies above it (0.1 is stored as 0.100000001)", 0.1, false, "0.09", 0.01},
      {"a most below the hundredth, in E form", 0.0041234567, false, "4.1234E-03", 1.0e-7},
      {"a most in E form", 15624843.75, false, "1.5624E+07", 1000.0},
      {"a most in a fixed field", 15624843.75, false, "15624843.00", 0.01, {}, AmountForm::kFixed},
      {"a most below the hundredth in a fixed field", 0.004, false, "0.00", 0.01, {}, AmountForm::kFixed},
      {"no number", std::numeric_limits<double>::quiet_NaN(), true, nullptr, 0.0},
      {"infinite", std::numeric_limits<double>::infinity(), false, nullptr, 0.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<double> named =
        c.least ? advisedLeast(c.amount, c.works, c.form) : advisedMost(c.amount, c.works, c.form);
    if (c.shown == nullptr) {
      EXPECT_FALSE(named) << messageValue(*named);
      continue;
    }
    ASSERT_TRUE(named);
    EXPECT_EQ(amountText(*named, c.form), c.shown);
    // Read back as printed, the figure is the amount named.
    EXPECT_EQ(std::strtod(c.shown, nullptr), *named);
    const float typed = std::strtof(c.shown, nullptr);
    EXPECT_EQ(typedValue(*named, c.form), typed);
    const double nearer = *named + (c.least ? -1.0 : 1.0) * c.unit;
    const float typedNearer = typedValue(nearer, c.form);
    if (c.works) {
      EXPECT_TRUE(c.works(*named));
      EXPECT_FALSE(c.works(nearer)) << messageValue(nearer);
    } else {
      EXPECT_TRUE(c.least ? typed >= c.amount : typed <= c.amount) << typed;
      EXPECT_TRUE(!(c.least ? typedNearer >= c.amount : typedNearer <= c.amount) || typedNearer == typed)
          << messageValue(nearer);
    }
  }
}

// The value shown beside an amount asked for never reads as that amount.
TEST(AdvisedAmount, TheValueBesideTheAmountTellsFromIt) {
  struct Beside {
    float value;
    double advised;
    const char* shown;
  };
  const Beside cases[] = {
      {60.0f, 60.43, "60.00"},
      {60.42f, 60.43, "60.42"},
      {60.426f, 60.43, "60.426"},   // 60.4259987 would read 60.43
      {60.4299f, 60.43, "60.4299"},  // 60.4299011: three decimals still read 60.43, hence one more
      {1.5625e7f, 1.5626e7, "1.5625E+07"},
      {15625600.0f, 1.5626e7, "1.56256E+07"},
  };
  for (const Beside& c : cases) {
    const std::string shown = shownBeside(c.value, c.advised);
    EXPECT_EQ(shown.substr(0, std::string(c.shown).size()), c.shown) << c.value;
    EXPECT_NE(std::strtod(shown.c_str(), nullptr), c.advised) << shown;
  }
}

}  // namespace
}  // namespace qv

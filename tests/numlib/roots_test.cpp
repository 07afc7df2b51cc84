#include "numlib/roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "support/checks.h"
#include "support/console_capture.h"

namespace qv {
namespace {

using qv::testing_support::IsClose;

struct RootCase {
  const char* name;
  std::function<float(float)> f;
  float left, right;
  double root;  // closed form
};

// Roots known in closed form (or, for cos x = x, the Dottie number to 10 digits).
const std::vector<RootCase>& rootCases() {
  static const std::vector<RootCase> cases = {
      {"x^2 - 2", [](float x) { return x * x - 2.0f; }, 0.0f, 2.0f, std::sqrt(2.0)},
      {"cos x - x", [](float x) { return std::cos(x) - x; }, 0.0f, 1.0f, 0.7390851332},
      {"e^x - 10", [](float x) { return std::exp(x) - 10.0f; }, -1.0f, 5.0f, std::log(10.0)},
      {"(x - 0.1)^3", [](float x) { return (x - 0.1f) * (x - 0.1f) * (x - 0.1f); }, -1.0f, 0.5f, 0.1},
      {"ln(x / 1000.3)", [](float x) { return std::log(x / 1000.3f); }, 500.0f, 2000.0f, 1000.3},
      {"tanh(20 (x + 0.6))", [](float x) { return std::tanh(20.0f * (x + 0.6f)); }, -3.0f, 1.0f, -0.6},
  };
  return cases;
}

// The abscissa tolerance of the finder: absolute up to magnitude 1, relative beyond.
double tolerance(double eps, double at) { return std::fabs(at) > 1.0 ? eps * std::fabs(at) : eps; }

TEST(RootFinder, FindsClosedFormRootsInEitherIntervalOrder) {
  const float eps = 1.0e-5f;
  for (const RootCase& c : rootCases()) {
    for (bool swapped : {false, true}) {
      float x = 0, f = 0;
      int ier = -1;
      const float a = swapped ? c.right : c.left;
      const float b = swapped ? c.left : c.right;
      RTMI1(x, f, [&](float& t) { return c.f(t); }, a, b, eps, 0.0f, 50, ier);
      EXPECT_EQ(ier, kRootFound) << c.name;
      // Within the tolerance plus the rounding of the float evaluation near the root.
      EXPECT_TRUE(IsClose(x, c.root, 0, 2 * tolerance(eps, c.root) + 1e-6)) << c.name;
      EXPECT_EQ(f, c.f(x)) << c.name;  // F belongs to the returned X
    }
  }
}

TEST(RootFinder, EveryEntryPointGivesTheSameRoot) {
  const RootCase& c = rootCases()[1];
  float x1, f1, x2, f2, x3, f3, x4, f4;
  int i1, i2, i3, i4;
  auto fs = [&](float& t) { return c.f(t); };
  auto fd = [&](float& t) { return static_cast<double>(c.f(t)); };
  RTMI1(x1, f1, fs, c.left, c.right, 1e-6f, 0.0f, 50, i1);
  RTMI2(x2, f2, fs, c.left, c.right, 1e-6f, 0.0f, 50, i2);
  RTMI1D(x3, f3, fd, c.left, c.right, 1e-6f, 0.0f, 50, i3);
  RTMI2D(x4, f4, fd, c.left, c.right, 1e-6f, 0.0f, 50, i4);
  EXPECT_EQ(i1, kRootFound);
  EXPECT_EQ(x1, x2);
  EXPECT_EQ(x1, x3);
  EXPECT_EQ(x1, x4);
  EXPECT_EQ(i1 + i2 + i3 + i4, 0);
}

TEST(RootFinder, DoubleResultIsRoundedToSingleOnReceipt) {
  // 1e-50 times anything of order 1 is zero in 4-byte floats: the first end is taken as an exact
  // root after one evaluation.
  int calls = 0;
  float x = -1, f = -1;
  int ier = -1;
  RTMI1D(x, f, [&](float& t) { ++calls; return (static_cast<double>(t) - 0.3) * 1e-50; }, 0.0f, 1.0f, 1e-5f,
         0.0f, 50, ier);
  EXPECT_EQ(ier, kRootFound);
  EXPECT_EQ(x, 0.0f);
  EXPECT_EQ(f, 0.0f);
  EXPECT_EQ(calls, 1);
}

TEST(RootFinder, ExactZeroAtTheLeftEndReturnsAfterOneEvaluation) {
  int calls = 0;
  float x = -1, f = -1;
  int ier = -1;
  RTMI1(x, f, [&](float& t) { ++calls; return t - 2.0f; }, 2.0f, 5.0f, 1e-5f, 0.0f, 50, ier);
  EXPECT_EQ(ier, kRootFound);
  EXPECT_EQ(x, 2.0f);
  EXPECT_EQ(f, 0.0f);
  EXPECT_EQ(calls, 1);
}

TEST(RootFinder, SameSignAtBothEndsIsReported) {
  int calls = 0;
  float x = 0, f = 0;
  int ier = -1;
  RTMI1(x, f, [&](float& t) { ++calls; return t * t + 1.0f; }, -1.0f, 3.0f, 1e-5f, 0.0f, 50, ier);
  EXPECT_EQ(ier, kRootNotBracketed);
  EXPECT_EQ(x, 3.0f);   // the right end
  EXPECT_EQ(f, 10.0f);  // and its value
  EXPECT_EQ(calls, 2);

  // An interval of zero length with a nonzero value is no bracket either.
  RTMI1(x, f, [](float& t) { return t - 1.0f; }, 4.0f, 4.0f, 1e-5f, 0.0f, 50, ier);
  EXPECT_EQ(ier, kRootNotBracketed);
}

TEST(RootFinder, FunctionToleranceTightensTheResult) {
  // A steep line: the abscissa tolerance 0.01 alone leaves F up to about 10; EPSF = 1e-3 demands
  // |F| <= 1e-3 at the returned point.
  auto steep = [](float& t) { return 1000.0f * (t - 0.3f) + 0.25f * std::sin(40.0f * t); };
  float x = 0, f = 0;
  int ier = -1;
  RTMI1(x, f, steep, 0.0f, 1.0f, 0.01f, 1.0e-3f, 100, ier);
  EXPECT_EQ(ier, kRootFound);
  EXPECT_LE(std::fabs(f), 1.0e-3f);

  // Without it the abscissa test alone ends the search, here with |F| near 0.003.
  RTMI1(x, f, steep, 0.0f, 1.0f, 0.01f, 0.0f, 100, ier);
  EXPECT_EQ(ier, kRootFound);
  EXPECT_TRUE(IsClose(x, 0.3, 0, 0.02));
  EXPECT_GT(std::fabs(f), 1.0e-3f);
}

TEST(RootFinder, StepLimitEndsWithTheBetterEnd) {
  // A sign step has no zero and offers no parabola: only bisection runs, and 5 halvings of [0, 1]
  // cannot reach 1e-6. The returned end is within 1/32 of the step.
  auto step = [](float& t) { return t < 0.3f ? -1.0f : 1.0f; };
  float x = 0, f = 0;
  int ier = -1;
  RTMI1(x, f, step, 0.0f, 1.0f, 1e-6f, 0.0f, 5, ier);
  EXPECT_EQ(ier, kRootNotConverged);
  EXPECT_TRUE(IsClose(x, 0.3, 0, 1.0 / 32));
  EXPECT_EQ(std::fabs(f), 1.0f);
}

TEST(RootFinder, ABracketThatCannotShrinkEndsInsteadOfLooping) {
  // With no abscissa tolerance at all the bracket narrows to neighbouring floats around the step;
  // it must stop there (IER 1), not run out a huge step limit.
  auto step = [](float& t) { return t < 0.3f ? -1.0f : 1.0f; };
  int calls = 0;
  float x = 0, f = 0;
  int ier = -1;
  RTMI1(x, f, [&](float& t) { ++calls; return step(t); }, 0.0f, 1.0f, 0.0f, 0.0f, 100000000, ier);
  EXPECT_EQ(ier, kRootNotConverged);
  EXPECT_TRUE(IsClose(x, 0.3, 0, 1e-7));
  EXPECT_LT(calls, 100);
}

TEST(RootFinder, NonFiniteValuesEndTheSearchWithACode) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  float x = 0, f = 0;
  int ier = -1;
  // At an end: no usable bracket.
  RTMI1(x, f, [&](float& t) { return t < 0.5f ? nan : t - 2.0f; }, 0.0f, 3.0f, 1e-5f, 0.0f, 50, ier);
  EXPECT_EQ(ier, kRootNotBracketed);
  // Inside: the search stops at a finite end.
  RTMI1(x, f, [&](float& t) { return (t > 0.4f && t < 0.6f) ? nan : t - 0.9f; }, 0.0f, 1.0f, 1e-5f, 0.0f,
        50, ier);
  EXPECT_EQ(ier, kRootNotConverged);
  EXPECT_TRUE(std::isfinite(f));
  EXPECT_TRUE(x == 0.0f || x == 1.0f);
}

TEST(RootFinder, TheFunctionWorksOnAPrivateCopyWhileXShowsTheTrial) {
  float x = 0, f = 0;
  int ier = -1;
  RTMI1(x, f,
        [&](float& t) {
          EXPECT_EQ(x, t);  // the trial abscissa is in X while the function runs
          const float value = t * t - 2.0f;
          t = 1.0e6f;  // altering the argument must not disturb the search
          return value;
        },
        0.0f, 2.0f, 1e-6f, 0.0f, 50, ier);
  EXPECT_EQ(ier, kRootFound);
  EXPECT_TRUE(IsClose(x, std::sqrt(2.0), 2e-6));
}

TEST(RootFinder, EightByteSearchResolvesARootBetweenNeighbouringFloats) {
  // ln x = 1e-9 at x = e^(1e-9) = 1 + 1e-9 + 5e-19 + ... (the exponential series), which lies between
  // the neighbouring floats 1 and 1 + 2^-23: a 4-byte search can only return one of them, the same
  // search at 8 bytes finds the root to its tolerance.
  const double root = 1.0000000010000000005;
  float xs = 0, fs = 0;
  int iers = -1;
  RTMI1(xs, fs, [](float& t) { return std::log(t) - 1.0e-9f; }, 0.5f, 2.0f, 1e-15f, 0.0f, 100, iers);
  EXPECT_TRUE(xs == 1.0f || xs == std::nextafter(1.0f, 2.0f)) << xs;
  EXPECT_GE(std::fabs(xs - root), 1.0e-9);

  const DoubleFunction lnMinus = [](double t) { return std::log(t) - 1.0e-9; };
  double x = 0, f = 0;
  int ier = -1, passes = -1;
  rootSearch(x, f, lnMinus, 0.5, 2.0, 1e-15, 0.0, 100, ier, passes);
  EXPECT_EQ(ier, kRootFound);
  EXPECT_GE(passes, 1);
  EXPECT_TRUE(IsClose(x, root, 0, 2e-15));
  EXPECT_EQ(f, lnMinus(x));
}

TEST(RootFinder, NestedSearchesDoNotDisturbEachOther) {
  // The outer objective solves x^2 = y inside (the inner root is sqrt(y)) and asks for
  // sqrt(y) = 1.5, so the outer root is y = 2.25.
  auto innerRoot = [](float y, bool doublePrecision) {
    float x = 0, f = 0;
    int ier = -1;
    if (doublePrecision) {
      RTMI2D(x, f, [y](float& t) { return static_cast<double>(t) * t - y; }, 0.0f, y + 1.0f, 1e-6f, 0.0f,
             50, ier);
    } else {
      RTMI2(x, f, [y](float& t) { return t * t - y; }, 0.0f, y + 1.0f, 1e-6f, 0.0f, 50, ier);
    }
    EXPECT_EQ(ier, kRootFound);
    return x;
  };
  for (bool doublePrecision : {false, true}) {
    std::vector<float> trials, innerResults;
    auto outer = [&](float& y) {
      const float inner = innerRoot(y, doublePrecision);
      trials.push_back(y);
      innerResults.push_back(inner);
      return inner - 1.5f;
    };
    float y = 0, f = 0;
    int ier = -1;
    if (doublePrecision) {
      RTMI1D(y, f, [&](float& t) { return static_cast<double>(outer(t)); }, 0.5f, 9.0f, 1e-6f, 0.0f, 50,
             ier);
    } else {
      RTMI1(y, f, outer, 0.5f, 9.0f, 1e-6f, 0.0f, 50, ier);
    }
    EXPECT_EQ(ier, kRootFound);
    EXPECT_TRUE(IsClose(y, 2.25, 3e-6));
    // Each inner solve gave exactly what an independent solve gives at the same point.
    for (std::size_t k = 0; k < trials.size(); ++k) {
      EXPECT_EQ(innerResults[k], innerRoot(trials[k], doublePrecision));
    }
  }
}

TEST(Bracket, FirstBracketingPairWins) {
  const float x[3] = {3, 1, 2};
  struct Case {
    float value;
    int ier, ipos;
  };
  const Case cases[] = {
      {2.5f, 0, 1},   // 3 >= 2.5 > 1
      {1.5f, 0, 1},   // the first pair wins over 1 <= 1.5 < 2
      {1.0f, 0, 2},   // 1 <= 1 < 2 (3 >= 1 > 1 fails)
      {3.0f, 0, 1},   // 3 >= 3 > 1
      {0.5f, 1, -7},  // below every value: IPOS untouched
      {4.0f, 2, -7},  // above every value: IPOS untouched
  };
  for (const Case& c : cases) {
    int ier = -1, ipos = -7;
    BRACKT(x, c.value, ier, ipos, 1, 3);
    EXPECT_EQ(ier, c.ier) << c.value;
    EXPECT_EQ(ipos, c.ipos) << c.value;
  }
}

TEST(Bracket, ValueAtAnExtremeHeldByTheLastEntry) {
  // No pair brackets a value equal to an extreme that only the last entry holds: IPOS is N2, and a
  // caller reading X(IPOS+1) must treat that case itself.
  struct Case {
    std::vector<float> x;
    float value;
    int ier, ipos;
  };
  const Case cases[] = {
      {{3, 2, 1}, 1.0f, 0, 3},  // the minimum at N2
      {{2, 3, 1}, 1.0f, 0, 3},
      {{1, 2, 3}, 3.0f, 0, 3},  // the maximum at N2
      {{5}, 5.0f, 0, 1},        // N1 = N2: only the comparison with X(N1)
      {{5}, 6.0f, 2, -7},
      {{5}, 4.0f, 1, -7},
  };
  for (const Case& c : cases) {
    int ier = -1, ipos = -7;
    BRACKT(c.x.data(), c.value, ier, ipos, 1, static_cast<int>(c.x.size()));
    EXPECT_EQ(ier, c.ier) << c.value;
    EXPECT_EQ(ipos, c.ipos) << c.value;
  }
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// The callers read what their objective leaves behind (a line solver's element state, the statics'
// member angles), so the latest call must be at the returned point whatever the path and the code.
TEST(RootFinder, TheLatestObjectiveCallIsAtTheReturnedPoint) {
  using Finder = void (*)(float&, float&, RealFunction, float, float, float, float, int, int&);
  const std::pair<const char*, Finder> finders[] = {{"RTMI1", RTMI1}, {"RTMI2", RTMI2}};
  for (const auto& [name, finder] : finders) {
    for (const RootCase& c : rootCases()) {
      float last = std::numeric_limits<float>::quiet_NaN();
      float x = 0, f = 0;
      int ier = -1;
      finder(x, f, [&](float& t) { last = t; return c.f(t); }, c.left, c.right, 1e-5f, 0.0f, 50, ier);
      EXPECT_EQ(ier, kRootFound) << name << " " << c.name;
      EXPECT_EQ(last, x) << name << " " << c.name;
    }
    // Searches cut short by the step limit or by a bracket of neighbouring floats end on the bracket
    // end of smaller |F|, which a steep branch makes one evaluated before the latest trial.
    struct Short {
      const char* what;
      float (*f)(float);
      float left, right, eps;
      int steps;
    };
    const Short shortSearches[] = {
        {"steep right, 3 steps", [](float t) { return t < 0.3f ? t - 0.3f : 1000.0f * (t - 0.3f) + 1.0f; }, 0.0f,
         1.0f, 0.0f, 3},
        {"steep right, floats exhausted", [](float t) { return t < 0.3f ? t - 0.3f : 1000.0f * (t - 0.3f) + 1.0f; },
         0.0f, 1.0f, 0.0f, 50},
        {"steep left, 5 steps", [](float t) { return t < 0.3f ? 1000.0f * (t - 0.3f) - 1.0f : t - 0.3f; }, 0.0f,
         1.0f, 0.0f, 5},
        {"wavy, 3 steps", [](float t) { return std::atan(50.0f * (t - 0.37f)) + 0.5f * std::sin(40.0f * t); },
         0.0f, 1.0f, 1e-6f, 3},
    };
    for (const Short& c : shortSearches) {
      float last = -1.0f, x = 0, f = 0;
      int ier = -1;
      finder(x, f, [&](float& t) { last = t; return c.f(t); }, c.left, c.right, c.eps, 0.0f, c.steps, ier);
      EXPECT_EQ(ier, kRootNotConverged) << name << " " << c.what;
      EXPECT_EQ(last, x) << name << " " << c.what;
      EXPECT_EQ(f, c.f(x)) << name << " " << c.what;
    }
  }
  for (const RootCase& c : rootCases()) {
    float last = std::numeric_limits<float>::quiet_NaN();
    float x = 0, f = 0;
    int ier = -1;
    RTMI1D(x, f, [&](float& t) { last = t; return static_cast<double>(c.f(t)); }, c.left, c.right, 1e-5f, 0.0f,
           50, ier);
    EXPECT_EQ(last, x) << "RTMI1D " << c.name;
    RTMI2D(x, f, [&](float& t) { last = t; return static_cast<double>(c.f(t)); }, c.right, c.left, 1e-5f,
           0.0f, 50, ier);
    EXPECT_EQ(last, x) << "RTMI2D " << c.name;
  }
}

TEST(RootFinder, ANestedSearchLeavesTheStateOfTheReturnedOuterPoint) {
  // The outer objective keeps the inner root in `state`, as the statics keep the member angles of
  // the latest tower height. After the outer search `state` must be the inner root at the returned y.
  float state = 0.0f;
  float innerLast = 0.0f;
  auto outer = [&](float& y) {
    const float target = y;
    float x = 0, f = 0;
    int ier = -1;
    RTMI2(x, f, [&](float& t) { innerLast = t; return t * t - target; }, 0.0f, target + 1.0f, 1e-6f, 0.0f, 50, ier);
    EXPECT_EQ(innerLast, x);
    state = x;
    return x - 1.5f;
  };
  float y = 0, f = 0;
  int ier = -1;
  RTMI1(y, f, outer, 0.5f, 9.0f, 1e-6f, 0.0f, 50, ier);
  ASSERT_EQ(ier, kRootFound);
  const float left = state;
  float again = y;
  outer(again);  // what a call at the returned y leaves
  EXPECT_EQ(left, state);
  EXPECT_TRUE(IsClose(left, 1.5, 2e-6));
}

}  // namespace
}  // namespace qv

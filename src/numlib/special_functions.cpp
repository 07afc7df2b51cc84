#include "numlib/special_functions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "numlib/circle_constants.h"
#include "platform/stop.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"

namespace qv {

namespace {

constexpr double kEulerGamma = 0.5772157f;   // Euler's constant as the series use it
constexpr double kTwoOverPi = 0.6366198f;
constexpr double kLargeValue = 1.0e36;       // recurrences stop above this

// INT(v): truncation toward zero, saturated so that a wild argument cannot overflow the integer.
std::int32_t truncated(double v) {
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  if (std::isnan(v)) return 0;
  return static_cast<std::int32_t>(std::clamp(std::trunc(v), kMin, kMax));
}

// Y0 and Y1 by their power series (X up to 4).
void besselYSeries(double x, double& y0, double& y1) {
  const double xx = x / 2.0;
  const double x2 = xx * xx;
  const double t = std::log(xx) + kEulerGamma;
  double sum = 0.0;
  double term = t;
  y0 = t;
  for (int l = 1; l <= 15; ++l) {
    if (l != 1) sum += 1.0 / (l - 1);
    term = term * (-x2) / (static_cast<double>(l) * l) * (1.0 - 1.0 / (l * (t - sum)));
    y0 += term;
  }
  term = xx * (t - 0.5);
  sum = 0.0;
  y1 = term;
  for (int l = 2; l <= 16; ++l) {
    sum += 1.0 / (l - 1);
    const double ts = t - sum;
    term = term * (-x2) / (static_cast<double>(l - 1) * l) * ((ts - 0.5 / l) / (ts + 0.5 / (l - 1)));
    y1 += term;
  }
  y0 = kTwoOverPi * y0;
  y1 = -kTwoOverPi / x + kTwoOverPi * y1;
}

// Y0 and Y1 by their asymptotic forms (X above 4).
void besselYAsymptotic(double x, double& y0, double& y1) {
  const double t1 = 4.0 / x;
  const double t2 = t1 * t1;
  const double a = 2.0 / std::sqrt(x);
  const double b = a * t1;
  const double c = x - kQuarterPi;
  const double p0 =
      0.3989423f +
      t2 * (-0.001753062f +
            t2 * (0.00017343f + t2 * (-0.0000487613f + t2 * (0.0000173565f - 0.0000037043f * t2))));
  const double q0 =
      -0.01246694f +
      t2 * (0.0004564324f +
            t2 * (-0.0000869791f + t2 * (0.0000342468f + t2 * (-0.0000142078f + 0.0000032312f * t2))));
  const double p1 =
      0.3989423f +
      t2 * (0.002921826f +
            t2 * (-0.000223203f + t2 * (0.0000580759f + t2 * (-0.000020092f + 0.0000042414f * t2))));
  const double q1 =
      0.03740084f +
      t2 * (-0.00063904f +
            t2 * (0.0001064741f + t2 * (-0.0000398708f + t2 * (0.00001622f - 0.0000036594f * t2))));
  y0 = a * p0 * std::sin(c) + b * q0 * std::cos(c);
  y1 = -a * p1 * std::cos(c) + b * q1 * std::sin(c);
}

// K0 and K1 by polynomials in 1/X (X above 1).
void besselKPolynomial(double x, double& k0, double& k1) {
  const double a = std::exp(-x);
  const double b = 1.0 / x;
  const double c = std::sqrt(b);
  double t[13];
  t[1] = b;
  for (int l = 2; l <= 12; ++l) t[l] = t[l - 1] * b;
  k0 = a * c *
       (1.2533141f - 0.1566642f * t[1] + 0.08811128f * t[2] - 0.09139095f * t[3] +
        0.1344596f * t[4] - 0.229985f * t[5] + 0.379241f * t[6] - 0.5247277f * t[7] +
        0.5575368f * t[8] - 0.4262633f * t[9] + 0.2184518f * t[10] - 0.06680977f * t[11] +
        0.009189383f * t[12]);
  k1 = a * c *
       (1.2533141f + 0.4699927f * t[1] - 0.1468583f * t[2] + 0.1280427f * t[3] -
        0.1736432f * t[4] + 0.2847618f * t[5] - 0.4594342f * t[6] + 0.6283381f * t[7] -
        0.6632295f * t[8] + 0.5050239f * t[9] - 0.2581304f * t[10] + 0.07880001f * t[11] -
        0.01082418f * t[12]);
}

// K0 and K1 by their power series (X up to 1).
void besselKSeries(double x, double& k0, double& k1) {
  const double b = x / 2.0;
  const double a = kEulerGamma + std::log(b);
  const double c = b * b;
  k0 = -a;
  double power = 1.0;      // C^J
  double factorial = 1.0;  // (1/J!)^2
  double harmonic = 0.0;   // H(J)
  for (int j = 1; j <= 6; ++j) {
    const double rj = 1.0 / j;
    power *= c;
    factorial *= rj * rj;
    harmonic += rj;
    k0 += power * factorial * (harmonic - a);
  }
  power = b;  // B C^(J-1)
  factorial = 1.0;
  harmonic = 1.0;
  k1 = 1.0 / x + power * (0.5 + a - harmonic);
  for (int j = 2; j <= 8; ++j) {
    const double rj = 1.0 / j;
    power *= c;
    factorial *= rj * rj;
    harmonic += rj;
    k1 += power * factorial * (0.5 + (a - harmonic) * j);
  }
}

}  // namespace

void BESJ(float X, std::int32_t N, float& BJ, float D, std::int32_t& IER) {
  if (N < 0) {
    IER = 1;
    return;
  }
  if (!(X > 0.0f)) {
    IER = 2;
    return;
  }
  const double x = X;
  const std::int32_t NTEST = x <= 15.0 ? truncated(20.0 + 10.0 * x - x * x / 3.0) : truncated(90.0 + x / 2.0);
  if (N >= NTEST) {
    IER = 4;
    return;
  }

  IER = 0;
  const std::int32_t MA = x < 5.0 ? truncated(x + 6.0) : truncated(1.4 * x + 60.0 / x);
  const std::int32_t MB = N + truncated(x) / 4 + 2;
  const std::int32_t MZERO = std::max(MA, MB);

  double bj = 0.0;
  double previous = 0.0;
  bool tried = false;
  for (std::int64_t M = MZERO; M <= NTEST; M += 3) {
    // Backward recurrence from F(M) = 0, F(M-1) = 1.0E-28 down to F(0), normalised by
    // F(0) + 2 (F(2) + F(4) + ...), which equals 1 for the true values.
    double above = 0.0;     // F(k+1)
    double current = 1.0e-28;  // F(k)
    double fN = M - 1 == N ? current : 0.0;
    double alpha = 0.0;
    for (std::int64_t k = M - 1; k >= 1; --k) {
      const double below = 2.0 * static_cast<double>(k) * current / x - above;  // F(k-1)
      const std::int64_t index = k - 1;
      if (index == N) fN = below;
      if (index == 0) {
        alpha += below;
      } else if (index % 2 == 0) {
        alpha += 2.0 * below;
      }
      above = current;
      current = below;
    }
    previous = bj;
    bj = fN / alpha;
    tried = true;
    if (std::fabs(bj - previous) <= std::fabs(static_cast<double>(D) * bj)) {
      BJ = static_cast<float>(bj);
      return;
    }
  }
  IER = tried && std::fabs(bj - previous) < std::fabs(static_cast<double>(D)) ? 0 : 3;
  BJ = static_cast<float>(bj);
}

void BESY(float X, std::int32_t N, float& BY, std::int32_t& IER) {
  if (N < 0) {
    IER = 1;
    return;
  }
  if (!(X > 0.0f)) {
    IER = 2;
    return;
  }
  IER = 0;
  const double x = X;
  double y0 = 0.0, y1 = 0.0;
  if (x > 4.0) {
    besselYAsymptotic(x, y0, y1);
  } else {
    besselYSeries(x, y0, y1);
  }
  if (N == 0) {
    BY = static_cast<float>(y0);
    return;
  }
  if (N == 1) {
    BY = static_cast<float>(y1);
    return;
  }
  double lower = y0, upper = y1;
  for (std::int32_t k = 1; k <= N - 1; ++k) {
    const double next = 2.0 * k / x * upper - lower;
    if (!(std::fabs(next) <= kLargeValue)) {
      IER = 3;
      return;
    }
    lower = upper;
    upper = next;
  }
  BY = static_cast<float>(upper);
}

void BESI(float X, std::int32_t N, float& BI, std::int32_t& IER) {
  IER = 0;
  BI = 1.0f;
  if (N < 0) {
    IER = 1;
    return;
  }
  if (X < 0.0f) {
    IER = 2;
    return;
  }
  if (N == 0 && X == 0.0f) return;
  constexpr double TOL = 1.0e-6f;
  const double x = X;

  if (x > 12.0 && x > N) {
    if (x >= 60.0) {
      IER = 4;
      return;
    }
    const double FN = 4.0 * static_cast<double>(N) * N;
    const double XX = 1.0 / (8.0 * x);
    double term = 1.0;
    double bi = 1.0;
    for (int K = 1; K <= 30; ++K) {
      if (std::fabs(term) <= std::fabs(TOL * bi)) {
        BI = static_cast<float>(bi * std::exp(x) / std::sqrt(kTwoPi * x));
        return;
      }
      term = term * XX * ((2.0 * K - 1.0) * (2.0 * K - 1.0) - FN) / K;
      bi += term;
    }
    // The asymptotic series did not settle within 30 terms: the power series takes over.
  }

  double XX = x / 2.0;
  double term = 1.0;
  for (std::int32_t I = 1; I <= N; ++I) {
    if (std::fabs(term) < 1.0e-36) {
      IER = 3;
      BI = 0.0f;
      return;
    }
    term = term * XX / I;
  }
  double bi = term;
  XX = XX * XX;
  for (int K = 1; K <= 1000; ++K) {
    if (std::fabs(term) <= std::fabs(bi * TOL)) break;
    term = term * XX / (static_cast<double>(K) * (static_cast<double>(N) + K));
    bi += term;
  }
  BI = static_cast<float>(bi);
}

void BESK(float X, std::int32_t N, float& BK, std::int32_t& IER) {
  BK = 0.0f;
  if (N < 0) {
    IER = 1;
    return;
  }
  if (!(X > 0.0f)) {
    IER = 2;
    return;
  }
  if (X > 60.0f) {
    IER = 3;
    return;
  }
  IER = 0;
  const double x = X;
  double k0 = 0.0, k1 = 0.0;
  if (x > 1.0) {
    besselKPolynomial(x, k0, k1);
  } else {
    besselKSeries(x, k0, k1);
  }
  if (N == 0) {
    BK = static_cast<float>(k0);
    return;
  }
  if (N == 1) {
    BK = static_cast<float>(k1);
    return;
  }
  double lower = k0, upper = k1;
  for (std::int32_t J = 2; J <= N; ++J) {
    const double next = 2.0 * (J - 1) * upper / x + lower;
    lower = upper;
    upper = next;
    if (upper > kLargeValue) {
      IER = 4;
      break;
    }
  }
  BK = static_cast<float>(upper);
}

void GAMMA(float XX, float& GX, std::int32_t& IER) {
  if (XX > 34.5f) {
    IER = 2;
    GX = 1.0e38f;
    return;
  }
  IER = 0;
  GX = 1.0f;
  if (!std::isfinite(XX)) {  // minus infinity or not a number: no value, and no end to the shifts
    IER = 1;
    return;
  }
  float X = XX;
  if (X > 2.0f) {
    while (X > 2.0f) {
      X = X - 1.0f;
      GX = GX * X;
    }
  } else if (X == 1.0f) {
    return;
  } else if (X < 1.0f) {
    if (X <= 1.0e-6f) {
      const float Y = std::trunc(X) - X;
      if (std::fabs(Y) <= 1.0e-6f || 1.0f - Y <= 1.0e-6f) {
        IER = 1;
        return;
      }
    }
    while (X <= 1.0f) {
      GX = GX / X;
      X = X + 1.0f;
    }
  }
  const double Y = static_cast<double>(X) - 1.0;
  const double series =
      1.0 + Y * (-0.5771017f +
                 Y * (0.985854f +
                      Y * (-0.8764218f +
                           Y * (0.8328212f + Y * (-0.5684729f + Y * (0.2548205f - 0.0514993f * Y))))));
  GX = static_cast<float>(GX * series);
}

float FACTRI(float S, std::int32_t IUNIT, std::int32_t IIN) {
  const float half = static_cast<float>((static_cast<double>(S) + 1.0) / 2.0);
  float G1 = 0.0f, G2 = 0.0f;
  std::int32_t ier1 = 0, ier2 = 0;
  GAMMA(half, G1, ier1);
  if (G1 != 0.0f) GAMMA(half + 0.5f, G2, ier2);
  if (G1 != 0.0f && G2 != 0.0f && ier1 == 0 && ier2 == 0) {
    return static_cast<float>(1.7724539f * static_cast<double>(G1) / G2);
  }
  fatalStop("FACTRI", IUNIT, {" ++> Invalid spreading index in FACTRI; reduce spreading index & retry"},
            FatalWait::kPressReturn, IIN);
}

float GAMSTL(float A, float B, float C) {
  const float X = A / B;
  return 0.0198f * (X * X + 0.2026f) / (X * C);
}

}  // namespace qv

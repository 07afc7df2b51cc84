#include "mooring/vertical_line.h"

#include <array>
#include <cmath>

#include "dataset/tpcm.h"
#include "mooring/dummy1.h"
#include "mooring/vertical_elements.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"

namespace qv {

namespace {

constexpr int kMostFailures = 20;  // the 20th failing search stops the run
constexpr int kSearchSteps = 100;

inline double sign1(double v) { return v >= 0.0 ? 1.0 : -1.0; }

// The warning of a buoyant element on the seabed, and the pause to read it.
void buoyantLineWarning() {
  Tpcm& d = TPCM;
  writeRecord(d.EDUNIT, "");
  writeRecord(d.EDUNIT, " ++> Buoyant line handling error. First data row of the interpolation tables");
  writeRecord(d.EDUNIT, "     will probably be in error; this is usually a non-issue.");
  writeRecord(d.EDUNIT, "");
  PRSRET(d.EDUNIT, kKeyboardUnit, d.LBACK);
}

// Stretched length of the elements 1..last hanging with `bottom` at the lower end of element
// `last`. An element whose top and bottom tensions do not differ by more than `distinct` times its
// top tension (with `distinct` 0: are equal) is taken as uniformly stretched.
double hangingLength(const Dummy1& d, int last, double bottom, double distinct) {
  std::array<double, 26> T{};  // T(i) at the top of element i, T(last + 1) = bottom
  T[last] = bottom;
  for (int i = last; i >= 1; --i) T[i - 1] = T[i] + d.WETWDP(i) * d.SLENDP(i);
  double length = 0.0;
  for (int i = 1; i <= last; ++i) {
    const double* a = &d.ALPHDP(1, i);
    const bool varies =
        distinct == 0.0 ? T[i - 1] != T[i] : std::fabs(T[i - 1] - T[i]) > distinct * std::fabs(T[i - 1]);
    length += varies ? SFNCDP(a, T[i - 1], d.WETWDP(i)) - SFNCDP(a, T[i], d.WETWDP(i))
                     : d.SLENDP(i) * SFCDP2(a, T[i - 1]);
  }
  return length;
}

// The lengths that the buoyant elements among first..N lift off the seabed, their own included.
// False for the handling error: a weightless neighbour, or a zero denominator of the shares.
bool liftedLength(const Dummy1& d, int first, int N, double& lifted) {
  const Morcom& m = TPCM.moor;
  const std::int32_t type = d.ITYPP;
  lifted = 0.0;
  for (int j = first; j <= N; ++j) {
    if (d.WETWDP(j) >= 0.0) continue;
    const double L = d.SLENDP(j);
    if (d.WETWDP(j - 1) == 0.0) return false;
    const double R = -d.WETWDP(j) / d.WETWDP(j - 1);
    double up = 0.0;    // lifted share of the element above
    double down = 0.0;  // lifted share of the element below
    if (j == N) {
      if (2.0 + R == 0.0) return false;
      up = L * R / (2.0 + R);
    } else {
      if (d.WETWDP(j + 1) == 0.0) return false;
      const double Q = -d.WETWDP(j) / d.WETWDP(j + 1);
      if (2.0 + R + Q == 0.0) return false;
      const double x = (1.0 + Q) * L / (2.0 + R + Q);
      up = x * R;
      down = (L - x) * Q;
    }
    lifted += up + down + L;
    if ((j < N && m.SLEN(j + 1, type) < down) || m.SLEN(j - 1, type) < up) buoyantLineWarning();
  }
  return true;
}

// The 20th failing search: the message, a wait for one console line (none on unit 41), the stop.
[[noreturn]] void iterationOverflow() {
  fatalStop("VRTLIN", TPCM.EDUNIT, {"", " ++> Iteration overflow in VRTLIN", "", " Press <Return> to Continue...", ""},
            FatalWait::kReadLine);
}
[[noreturn]] void boundsError() {
  fatalStop("VRTLIN", TPCM.EDUNIT, {"  ++> Bounds error in VRTLIN ", "", " Press <Return> to Continue...", ""},
            FatalWait::kReadLine);
}

}  // namespace

double DPDSTER(double T0) {
  const Dummy1& d = DUMMY1;
  const std::int32_t N = TPCM.moor.NELEM(d.ITYPP);
  const int hanging = d.LSTFRE;
  double R = d.DELZP - hangingLength(d, hanging, T0, 0.001);
  if (hanging < N) {  // the partly lifted element
    const int k = hanging + 1;
    const double* a = &d.ALPHDP(1, k);
    if (d.WETWDP(k) != 0.0) {
      R -= SFNCDP(a, T0, d.WETWDP(k));
    } else if (T0 != 0.0) {
      R -= (d.SLENDP(k) - d.NULBOT) * SFCDP2(a, T0);
    } else {
      R = 0.0;
    }
  }
  return R;
}

void VRTLIN(float DZ, std::int32_t lineType, std::int32_t& freeFlag, float tensionGuess, float& groundedA,
            float& fairleadAngle, float& fairleadTension, float& groundedB, float& lowerAngle) {
  Dummy1& d = DUMMY1;
  const Morcom& m = TPCM.moor;
  const std::int32_t N = m.NELEM(lineType);
  d.ITYPP = lineType;
  d.DELZP = std::fabs(DZ);
  double totalWeight = 0.0;
  for (int k = 1; k <= N; ++k) {
    d.SLENDP(k) = m.SLEN(k, lineType);
    d.WETWDP(k) = m.WETWT(k, lineType);
    for (int i = 1; i <= 3; ++i) d.ALPHDP(i, k) = m.ALPHA(i, k, lineType);
    totalWeight += d.WETWDP(k) * d.SLENDP(k);
  }

  // The hanging part: the first NB elements that, hung with no tension below them, reach further
  // than the fairlead's height; element NB is then partly lifted from the seabed.
  int NB = 0;
  double reach = 0.0;
  for (int nb = 1; nb <= N && NB == 0; ++nb) {
    reach = hangingLength(d, nb, 0.0, 0.0);
    if (reach > d.DELZP) NB = nb;
  }
  double lifted = 0.0;
  if (NB > 0) {
    if (!liftedLength(d, NB + 1, N, lifted)) {
      freeFlag = 0;
      groundedA = groundedB = fairleadAngle = fairleadTension = lowerAngle = 0.0f;
      buoyantLineWarning();
      return;
    }
    d.LSTFRE = NB - 1;
    if (d.WETWDP(NB) == 0.0) d.NULBOT = reach - d.DELZP;
  } else {
    d.LSTFRE = N;
    freeFlag = DZ >= 0.0f ? 1 : -1;
  }

  // The tension T0 at the top of the partly lifted element (the lower end when the line hangs
  // free), searched on a scale of the line's tensions.
  double scale = TPCM.TLOAD;
  if (!(scale > 0.0)) scale = totalWeight != 0.0 ? std::fabs(totalWeight) : 1.0;
  double EPS = 1.0e-15 * (std::fabs(tensionGuess) > 0.01f ? std::fabs(tensionGuess) : scale);
  double left = 0.0;
  double right = 100.0 * scale;
  double T0 = 0.0;
  for (int failures = 0;;) {
    double F = 0.0;
    int IER = 0;
    int passes = 0;
    RTMIDP(T0, F, DPDSTER, left, right, EPS, kSearchSteps, IER, passes);
    if (IER == 0) break;
    ++failures;
    if (IER == 1) {
      if (failures == kMostFailures) iterationOverflow();
      EPS *= 5.0;
      left = T0 / 2.0;
      right = 2.0 * T0;
      if (T0 == 0.0) right = 100.0 * scale;  // never a search over [0, 0]
    } else {
      if (failures == kMostFailures) boundsError();
      right *= std::ldexp(1.0, failures);
      left = -failures * scale;
    }
  }

  double T = 0.0;
  DTKLTN(d.SLENDP.data(), d.WETWDP.data(), 1, d.LSTFRE, d.LSTFRE, T, T0);
  double grounded = 0.0;
  if (d.LSTFRE < N) {
    const int k = d.LSTFRE + 1;
    grounded += d.WETWDP(k) != 0.0 ? d.SLENDP(k) - T0 / d.WETWDP(k) : d.NULBOT;
  }
  if (d.LSTFRE + 2 <= N) {
    for (int k = d.LSTFRE + 2; k <= N; ++k) grounded += d.SLENDP(k);
    grounded -= lifted;
  }
  groundedA = groundedB = static_cast<float>(grounded);
  fairleadTension = static_cast<float>(std::fabs(T));
  if (grounded > 0.0) {
    fairleadAngle = static_cast<float>(sign1(T) * kHalfPiFloatDigits);
    lowerAngle = 0.0f;
  } else {
    fairleadAngle = lowerAngle = static_cast<float>(sign1(DZ) * kHalfPiFloatDigits);
  }
}

}  // namespace qv

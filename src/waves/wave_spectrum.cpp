#include "waves/wave_spectrum.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/value_ranges.h"
#include "numlib/circle_constants.h"
#include "numlib/roots.h"
#include "numlib/special_functions.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "waves/spectral_integration.h"
#include "waves/user_spectrum.h"
#include "waves/wavcom.h"

namespace qv {

constinit WvspecState wvspecState{};
const BlockReset resetWvspecState{[] { wvspecState.reset(); }};

namespace {

constexpr std::string_view kRoutine = "WVSPEC";

// Pierson-Moskowitz: Phillips' constant, and the peak period 15.66 sqrt(Hs / g) with its square.
constexpr float kPmAlpha = 0.0081f;
constexpr float kPmPeakFactor = 15.66f;
constexpr float kPmPeakFactorSquared = 245.2356f;
// Guards that keep overflow and underflow out of the parametric shapes.
constexpr float kPeakRatioCap = 80.0f;        // cap of (WP / w)^4
constexpr float kEnhancementFloor = -100.0f;  // floor of the peak-enhancement exponent
constexpr float kSmallestOrdinate = 1.0e-20f;
constexpr float kSwellCutoff = 50.0f;         // the default swell is 0 beyond exp(-50)
constexpr int kOchiComponents = 4;            // room for Ochi-Hubble shapes in the data set

// Shallow-water root search of the depth factor: tolerances, first step limit and right end, and
// the number of bracket failures after which the user is asked.
constexpr float kTmaEps = 0.01f;
constexpr float kTmaEpsF = 0.01f;
constexpr int kTmaFirstSteps = 100;
constexpr float kTmaFirstRight = 100.0f;
constexpr int kTmaBracketTries = 5;

// The data set's shape parameters of one wave system.
struct SystemShape {
  int index;         // 0 wind sea, 1 swell, 2 second swell
  const char* name;  // the wave system in messages
  float width;       // relative width of the default swell
  float sigmaBelow;  // JONSWAP peak width below the peak frequency
  float sigmaAbove;  // and above it
  float gamma;       // JONSWAP peak-enhancement factor
};

SystemShape shapeOf(std::int32_t ISYS) {
  assert(ISYS >= kWindSea && ISYS <= kSecondSwell && "wave system out of range");
  switch (ISYS) {
    case kSwell:
      return {kSwell, "Swell", TPCM.SWLWID, TPCM.JONPL_SWL, TPCM.JONPG_SWL, TPCM.JONGAM_SWL};
    case kSecondSwell:
      return {kSecondSwell, "Second swell", TPCM.SWLWID2, TPCM.JONPL_SWL2, TPCM.JONPG_SWL2, TPCM.JONGAM_SWL2};
    default:
      return {kWindSea, "Wind sea", TPCM.WAVWID, TPCM.JONPL, TPCM.JONPG, TPCM.JONGAM};
  }
}

// JONSWAP constants: the normaliser (one fifth of the variance ratio of the enhanced spectrum to
// the plain Pierson-Moskowitz one), ln gamma, and 2 sigma^2 below and above the peak.
struct PeakEnhancement {
  float normaliser;
  float lnGamma;
  float twoSigma2Below;
  float twoSigma2Above;
};

bool isJonswap(std::int32_t ITYPE) {
  return (ITYPE >= kSpectrumMeanJonswap && ITYPE <= kSpectrumGeneralJonswap) || ITYPE == kSpectrumTma;
}

// JONSVAL's normaliser for the system's shape, found once per shape.
float generalNormaliser(const SystemShape& shape) {
  WvspecState::Normaliser& known = wvspecState.normalisers[shape.index];
  if (!known.known || known.sigmaBelow != shape.sigmaBelow || known.sigmaAbove != shape.sigmaAbove ||
      known.gamma != shape.gamma) {
    float normaliser = 0.0f;
    JONSVAL(shape.sigmaBelow, shape.sigmaAbove, shape.gamma, normaliser, TPCM.EDUNIT);
    known = {true, shape.sigmaBelow, shape.sigmaAbove, shape.gamma, normaliser};
  }
  return known.value;
}

PeakEnhancement enhancementOf(std::int32_t ITYPE, const SystemShape& shape) {
  switch (ITYPE) {
    case kSpectrumMeanJonswap:
      return {0.3049f, 1.1939220f, 0.0098f, 0.0162f};  // gamma 3.3, sigma 0.07 and 0.09
    case kSpectrumSharpJonswap:
      return {0.3076f, 1.4350851f, 0.0050f, 0.0098f};  // gamma 4.2, sigma 0.05 and 0.07
    case kSpectrumVerySharpJonswap:
      return {0.7114f, 1.9459100f, 0.9248f, 0.030258f};  // gamma 7.0, sigma 0.68 and 0.123
    default:  // general JONSWAP and its finite-depth form
      return {generalNormaliser(shape), std::log(shape.gamma), 2.0f * shape.sigmaBelow * shape.sigmaBelow,
              2.0f * shape.sigmaAbove * shape.sigmaAbove};
  }
}

// A number in a message: the field without its leading blanks.
std::string trimmed(const std::string& field) {
  return field.substr(std::min(field.find_first_not_of(' '), field.size()));
}

// A message of its own, the pause, and the stop.
[[noreturn]] void stopWith(std::string_view line1, std::string_view line2 = {}) {
  if (line2.empty()) fatalStop(kRoutine, TPCM.EDUNIT, {line1}, FatalWait::kPressReturn, kKeyboardUnit);
  fatalStop(kRoutine, TPCM.EDUNIT, {line1, line2}, FatalWait::kPressReturn, kKeyboardUnit);
}

// The finite-depth factor tanh^2(kh) / (1 + 2kh / sinh 2kh) of every grid point, from the ratio R
// of the finite-depth to the deep-water wave number. A failed root search starts the grid again,
// with more steps (after the user's consent) or a wider bracket.
void depthFactors(float* phi, int n) {
  const float depthScale = std::sqrt(TPCM.DEPTH / WAVCOM.G);
  float rightEnd = kTmaFirstRight;
  int steps = kTmaFirstSteps;
  int bracketFailures = 0;
  for (;;) {
    bool restart = false;
    for (int i = 1; i <= n && !restart; ++i) {
      const float WH_TMA = WAVCOM.W(i) * depthScale;
      auto residual = [WH_TMA](float& R) { return RWHFUN(R, WH_TMA); };
      float R = 0.0f;
      float F = 0.0f;
      int IER = 0;
      RTMI1(R, F, residual, 1.0f, rightEnd, kTmaEps, kTmaEpsF, steps, IER);
      if (IER == kRootNotConverged) {
        writeRecord(TPCM.EDUNIT, " +=> TMA spectrum convergence failure In WVSPEC.");
        std::int32_t answer = 0;
        SERV_ABORT(TPCM.EDUNIT, kKeyboardUnit, answer);
        if (answer < 0) silentStop(kRoutine);
        steps += kTmaFirstSteps;
        restart = true;
      } else if (IER == kRootNotBracketed) {
        if (++bracketFailures < kTmaBracketTries) {
          rightEnd *= 10.0f;
        } else {
          writeRecord(TPCM.EDUNIT, " +=> TMA spectrum bounds failure In WVSPEC.");
          std::int32_t answer = 0;
          SERV_ABORT(TPCM.EDUNIT, kKeyboardUnit, answer);
          if (answer < 0) silentStop(kRoutine);
          bracketFailures = 1;
        }
        restart = true;
      } else {
        const float kh = R * WH_TMA * WH_TMA;
        phi[i - 1] = 1.0f / (R * R * (1.0f + 2.0f * kh / std::sinh(2.0f * kh)));
      }
    }
    if (!restart) return;
  }
}

// Types 1 to 6, 10 and any unknown code: the Pierson-Moskowitz shape with the given alpha, peak
// enhanced for the JONSWAP types.
void parametricShape(std::int32_t ITYPE, float* PSD, float HS, float WP, float alpha, const SystemShape& shape,
                     int n) {
  float phi[kMaxWavePeriods] = {};
  if (ITYPE == kSpectrumTma) depthFactors(phi, n);

  const bool jonswap = isJonswap(ITYPE);
  PeakEnhancement peak{1.0f, 0.0f, 1.0f, 1.0f};
  if (jonswap) {
    peak = enhancementOf(ITYPE, shape);
    const float WP2 = WP * WP;
    alpha = HS * HS * (WP2 * WP2) / (16.0f * WAVCOM.G * WAVCOM.G) / peak.normaliser;
  }

  const float G2 = WAVCOM.G * WAVCOM.G;
  for (int i = 1; i <= n; ++i) {
    const float w = WAVCOM.W(i);
    const float ratio = WP / w;
    const float q = std::fmin(ratio * ratio * ratio * ratio, kPeakRatioCap);
    const float w2 = w * w;
    const float base = std::exp(-1.25f * q) * G2 / (w2 * w2 * w);
    float enhancement = 1.0f;
    if (jonswap) {
      const float offset = w / WP - 1.0f;
      const float d = offset * offset;
      float exponent = -d / (w <= WP ? peak.twoSigma2Below : peak.twoSigma2Above);
      if (exponent < kEnhancementFloor) exponent = kEnhancementFloor;
      enhancement = std::exp(peak.lnGamma * std::exp(exponent));
    }
    float value = base * enhancement * alpha;
    if (value < kSmallestOrdinate) value = 0.0f;
    PSD[i - 1] = value;
  }

  if (ITYPE == kSpectrumTma) {
    // The depth factor reshapes the spectrum; the variance, and so HS, stays the JONSWAP one.
    float shallow[kMaxWavePeriods] = {};
    for (int i = 1; i <= n; ++i) shallow[i - 1] = PSD[i - 1] * phi[i - 1];
    float M0 = 0.0f;
    float M0shallow = 0.0f;
    float M2 = 0.0f;
    SMPINT(PSD, M0, M2);
    SMPINT(shallow, M0shallow, M2);
    // A sea without energy stays without energy instead of becoming 0 / 0.
    const float scale = M0shallow > 0.0f ? M0 / M0shallow : 0.0f;
    for (int i = 1; i <= n; ++i) PSD[i - 1] = shallow[i - 1] * scale;
  }
}

// Type 9: the sum of the data set's Ochi-Hubble components,
// S(w) = sum of Hs^2 / (4 Gamma(lambda)) exp(-a / r^4) (a / r^4)^lambda / w, r = w / w_peak,
// a = lambda + 1/4; each component's zeroth moment is its Hs^2 / 16.
void ochiHubble(float* PSD, int n, const SystemShape& shape) {
  const int count = TPCM.N_OCHI_COMP;
  if (count > kOchiComponents) {
    std::vector<std::string> lines =
        flowingLines(" ++> ", std::string(shape.name) + ": " + std::to_string(count) +
                                  " Ochi-Hubble components given; the data set holds at most " +
                                  std::to_string(kOchiComponents));
    lines.push_back("     in WVSPEC");
    fatalStop(kRoutine, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  float C[kOchiComponents] = {};
  for (int j = 1; j <= count; ++j) {
    float gammaValue = 0.0f;
    std::int32_t IER = 0;
    GAMMA(runOchiLambda(j), gammaValue, IER);
    if (IER != 0) {
      std::vector<std::string> lines{" ++> Gamma function error in WVSPEC"};
      addFlowingLines(lines, "     ",
                      "Ochi-Hubble component " + std::to_string(j) + ": the gamma function of its shape parameter "
                      "lambda, " + messageValue(TPCM.OCHI_LAMBDA(j)) + " (page 15, item 8), cannot be formed.");
      fatalStop(kRoutine, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
    }
    C[j - 1] = TPCM.SWHT(j) * TPCM.SWHT(j) * 0.25f / gammaValue;
  }
  for (int i = 1; i <= n; ++i) {
    const float w = WAVCOM.W(i);
    float sum = 0.0f;
    for (int j = 1; j <= count; ++j) {
      const float lambda = runOchiLambda(j);
      const float r = w / (kTwoPi / TPCM.SIGPD(j));
      const float r2 = r * r;
      const float u = (lambda + 0.25f) / (r2 * r2);
      // exp(-u) u^lambda as one exponential: far below the peak u^lambda alone would overflow.
      const float shapeValue =
          static_cast<float>(std::exp(static_cast<double>(lambda) * std::log(static_cast<double>(u)) - u));
      sum += C[j - 1] * shapeValue / w;
    }
    PSD[i - 1] = sum;
  }
}

// Type 0: a Gaussian in frequency about the grid frequency nearest TP, of relative width sigma.
void defaultSwell(float* PSD, float HS, float TP, const SystemShape& shape, int n) {
  const float sigma = shape.width;
  // INT(x + 1.5) of the period offset: the nearest grid period, the longer one at a tie.
  const float position = swellGridPosition(TP);
  if (!(position >= 1.0f && position < static_cast<float>(n + 1))) {
    std::vector<std::string> lines{" ++> SWELL OUTSIDE WAVE PERIOD RANGE"};
    for (std::string& line : swellOffTheGridLines(TP, 1, shape.index)) lines.push_back(std::move(line));
    fatalStop(kRoutine, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  if (!(sigma > 0.0f)) {
    stopWith(std::string(" ++> ") + shape.name + ": relative width of the default swell spectrum " +
                 trimmed(fmtF(sigma, 12, 4)) + ";",
             "     allowable: above 0 (WVSPEC)");
  }
  const int ip = static_cast<int>(position);
  const float wPeak = WAVCOM.W(ip);
  const float A = HS * HS / (16.0f * kSqrtTwoPi * sigma * wPeak);
  for (int i = 1; i <= n; ++i) {
    const float x = WAVCOM.W(i) / wPeak - 1.0f;
    const float e = 0.5f * x * x / (sigma * sigma);
    PSD[i - 1] = e > kSwellCutoff ? 0.0f : A * std::exp(-e);
  }
}

// Types 7 and 8: the user's ordinates; TP from the middle of the top, HS from the zeroth moment.
void userDefined(std::int32_t ITYPE, float* PSD, float& HS, float& TP, const SystemShape& shape, int n) {
  float largest = 0.0f;
  int first = 0;
  int last = 0;
  for (int i = 1; i <= n; ++i) {
    const float value = ITYPE == kSpectrumUserFile
                            ? UWVSPC(WAVCOM.W(i), TPCM.EDUNIT, kKeyboardUnit, kUserSpectrumFile)
                            : TPCM.USRPSD(i);
    PSD[i - 1] = value;
    if (value > largest) {
      largest = value;
      first = i;
      last = i;
    } else if (value == largest) {
      last = i;
    }
  }
  if (first == 0) {
    const std::string source = ITYPE == kSpectrumUserFile ? "of the file WAVSPEC.txt" : "typed in the data set";
    fatalStop(kRoutine, TPCM.EDUNIT,
              flowingLines(" ++> ", std::string(shape.name) + ": the user-defined wave spectrum " + source +
                                        " has no positive ordinate on the wave period grid; its peak is undefined "
                                        "(WVSPEC)"),
              FatalWait::kPressReturn, kKeyboardUnit);
  }
  TP = kTwoPi / (WAVCOM.W(first) - 0.5f * (WAVCOM.W(first) - WAVCOM.W(last)));
  float M0 = 0.0f;
  float M2 = 0.0f;
  SMPINT(PSD, M0, M2);
  HS = 4.0f * std::sqrt(M0);
}

}  // namespace

std::vector<std::string> swellOffTheGridLines(float period, std::int32_t first, std::int32_t ISYS) {
  const Tpcm& t = TPCM;
  const std::string which = ISYS == kSecondSwell ? "second swell peak period " : ISYS == kWindSea ? "spectrum peak period "
                                                                                                  : "swell peak period ";
  const std::string page = ISYS == kWindSea ? " s (page 15)" : " s (page 16)";
  return flowingLines("     ", "The " + which + messageValue(period) + page + " is nearest to none of the wave periods " +
                                   messageValue(t.T(std::clamp(first, 1, std::max(t.NWP, 1)))) + " to " +
                                   messageValue(t.T(std::max(t.NWP, 1))) + " s of page 14.");
}

float RWHFUN(float R, float WH_TMA) { return 1.0f - R * std::tanh(R * WH_TMA * WH_TMA); }

void WVSPEC(std::int32_t ITYPE, float* PSD, float& HS, float& TP, float& WP, float& WKP, std::int32_t ISYS,
            const WvspecSink* sink) {
  const int n = wavePoints();
  float alpha = kPmAlpha;
  if (ITYPE == kSpectrumPiersonMoskowitz) TP = kPmPeakFactor * std::sqrt(HS / WAVCOM.G);
  if (ITYPE == kSpectrumBretschneider) {
    // Pierson-Moskowitz's alpha scaled by (HS / the PM height of this TP)^2.
    const float ratio = HS / (TP * TP * WAVCOM.G / kPmPeakFactorSquared);
    alpha = kPmAlpha * ratio * ratio;
  }
  WP = kTwoPi / TP;
  const SystemShape shape = shapeOf(ISYS);

  switch (ITYPE) {
    case kSpectrumOchiHubble:
      ochiHubble(PSD, n, shape);
      break;
    case kSpectrumDefaultSwell:
      defaultSwell(PSD, HS, TP, shape, n);
      break;
    case kSpectrumUserFile:
    case kSpectrumUserOrdinates:
      userDefined(ITYPE, PSD, HS, TP, shape, n);
      break;
    default:
      parametricShape(ITYPE, PSD, HS, WP, alpha, shape, n);
      break;
  }

  // Common end: the peak frequency and wave number of the final TP.
  const float WCONST = std::sqrt(TPCM.DEPTH / WAVCOM.G);
  if (sink != nullptr) {
    if (sink->peakPeriod != nullptr) *sink->peakPeriod = TP;
    if (sink->WCONST != nullptr) *sink->WCONST = WCONST;
    if (sink->IW != nullptr) *sink->IW = n + 1;
  }
  WP = kTwoPi / TP;
  float y = 0.0f;
  WAVVEC(WCONST * WP, y);
  WKP = y / TPCM.DEPTH;
}

}  // namespace qv

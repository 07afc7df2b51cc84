#include "dynamics/wavfor.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "numlib/wave_kinematics.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr Complex kI{0.0f, 1.0f};
// The drag integral: one and a half pairs of Simpson intervals per radian of wave phase along the
// segment, at least four pairs; with these the integral of the wave kinematics and the member's own
// motion lies within a few tenths of a percent of its exact value.
constexpr float kSimpsonPairsPerRadian = 1.5f;
constexpr std::int32_t kMinSimpsonPairs = 4;
// A typed count is held below this: far more points than single-precision sums can tell apart.
constexpr std::int32_t kMostSimpsonPoints = 1001;
// A segment whose start lies on the seabed (within this share of its own height) gets graded points.
constexpr float kSeabedBand = 0.01f;

// The warnings of MOMFOR: lines, then the abort question; "A" ends the run.
void warnAndAsk(std::int32_t unit, std::initializer_list<std::string> lines) {
  writeRecord(unit, "");
  writeRecord(unit, "");
  for (const std::string& line : lines) writeRecord(unit, line);
  writeRecord(unit, "");
  std::int32_t answer = 0;
  ABORT0(unit, kKeyboardUnit, answer);
  if (answer == -1) silentStop("MOMFOR");
}

// One stretch of an element that lies wholly below or wholly above the still-water level.
struct Segment {
  float start = 0.0f;   // distance from the element's start point
  float length = 0.0f;  // LENP
  bool dry = false;     // above the still-water level
};

// The dynamic waterplane correction: the waterline term acts unless WETYOK is 1, 4 or 5.
bool waterlineTerm(std::int32_t WETELM) { return WETELM != 1 && WETELM != 4 && WETELM != 5; }

// Velocity of the member per unit distance along it, from its rotations: i omega (DELPH1 d_z,
// DELTHT d_x, -DELPH1 d_x).
void rotationVelocity(const float* d, Complex DELPH1, Complex DELTHT, float WFREQ, Complex* v) {
  const Complex iw = kI * WFREQ;
  v[0] = iw * DELPH1 * d[2];
  v[1] = iw * DELTHT * d[0];
  v[2] = -iw * DELPH1 * d[0];
}

void addCross(const float* r, const Complex* F, Complex* M) {
  Complex RxF[3];
  CXPROD(r, F, RxF);
  for (int c = 0; c < 3; ++c) M[c] += RxF[c];
}

// Closed-form integral of the wave acceleration (over g) along one segment, added to CFORCE and CMOM
// with its moment moved from the segment's start to the element's. Below the still-water level it is
// the exact integral; above it the kinematics keep their still-water value in height, so a dry
// stretch carries the same load whether it is one element or cut into several.
void inertiaIntegral(const LinearWave& wave, const Segment& seg, const float* p0, const float* d, Complex* CFORCE,
                     Complex* CMOM) {
  const LineIntegrals integrals = accelerationAlongLine(wave, p0, d, seg.length);
  Complex Fseg[3];
  for (int c = 0; c < 3; ++c) {
    Fseg[c] = Complex(integrals.force[c]);
    CFORCE[c] += Fseg[c];
    CMOM[c] += Complex(integrals.moment[c]);
  }
  if (seg.start > 0.0f) {
    const float lever[3] = {seg.start * d[0], seg.start * d[1], seg.start * d[2]};
    addCross(lever, Fseg, CMOM);
  }
}

// The square of the current speed at height z: VCUR2 at the still-water level, falling off toward
// the seabed by the one-seventh power law on the speed (0.2857 on its square). Above the still-water
// level the current keeps its surface value, as the wave velocity keeps its own there.
float currentSquared(const MomforArgs& args, float z) {
  if (args.VCUR2 == 0.0f) return 0.0f;
  const float fraction = std::clamp((args.DEPTH + std::min(z, 0.0f)) / args.DEPTH, 0.0f, 1.0f);
  return args.VCUR2 * std::pow(fraction, 0.2857f);
}

// Simpson integral of the linearised drag along one segment, added to CFORCE and CMOM. The current
// varies along the segment with its profile. Where a current runs and the segment starts on the
// seabed, the profile's infinite slope there would hold Simpson's rule to a slow convergence: the
// points are then graded toward the seabed (s = l t^2, evenly spaced in t) and doubled.
void dragIntegral(const MomforArgs& args, const LinearWave& wave, const Segment& seg, const float* p0,
                  const Complex* v0) {
  const float* d = args.DIRMEM;
  const float zStart = p0[2];
  const float dz = d[2];
  const MomforArgs::Out& out = args.out;
  const bool graded =
      args.VCUR2 > 0.0f && !seg.dry && args.DEPTH + zStart <= kSeabedBand * seg.length * std::fabs(dz);
  std::int32_t NSIMP = simpsonPointCount(args.WAVK * seg.length);
  if (graded) NSIMP = 2 * NSIMP - 1;
  if (args.NBUG != 0) {  // the trace lets the point count be chosen by hand
    std::int32_t typed = NSIMP;
    enterBounded("Input NSIMP: ", typed, 1, kMostSimpsonPoints, args.unit, args.KBD);
    NSIMP = std::max(3, typed % 2 == 0 ? typed + 1 : typed);
  }
  const float dt = 1.0f / static_cast<float>(NSIMP - 1);  // the step in the segment's share t
  Complex rate[3];
  rotationVelocity(d, args.DELPH1, args.DELTHT, args.WFREQ, rate);
  // The wave's horizontal phase factor along the segment: evenly spaced points advance it by one
  // turn each, graded points take it anew. Its depth decay is taken at each point's height (above the
  // still-water level, at the level's).
  const double phaseRate = wave.kx * d[0] + wave.ky * d[1];
  const ComplexD phase0 = std::polar(1.0, -(wave.kx * p0[0] + wave.ky * p0[1]));
  const ComplexD phaseStep = std::polar(1.0, -phaseRate * seg.length * dt);
  ComplexD phase = phase0;

  for (std::int32_t j = 1; j <= NSIMP; ++j) {
    const float t = static_cast<float>(j - 1) * dt;
    const float s = graded ? seg.length * t * t : seg.length * t;    // from the segment's start
    const float ds = graded ? 2.0f * seg.length * t : seg.length;  // ds / dt
    const float weight = (j == 1 || j == NSIMP) ? 1.0f : (j % 2 == 0 ? 4.0f : 2.0f);  // SMPFQ
    const float lever = seg.start + s;                                                  // QLEN
    if (graded) {
      phase = phase0 * std::polar(1.0, -phaseRate * s);
    } else if (j > 1) {
      phase *= phaseStep;
    }
    Complex vw[3] = {0.0f, 0.0f, 0.0f};
    if (args.WVAMP != 0.0f) {
      const double z = zStart + static_cast<double>(s) * dz;
      const ParticleVelocity v = particleVelocity(wave, args.WFREQ, z, phase);
      vw[0] = Complex(v.horizontal * (wave.kx / wave.k));
      vw[1] = Complex(v.horizontal * (wave.ky / wave.k));
      vw[2] = Complex(v.vertical);
    }
    Complex vm[3];
    for (int c = 0; c < 3; ++c) vm[c] = v0[c] + s * rate[c];
    float VREL2 = currentSquared(args, zStart + s * dz);
    for (int c = 0; c < 3; ++c) VREL2 += 0.5f * ABS2(args.WVAMP * vw[c] - args.EXTAMP * vm[c]);
    const float scale = dt / 3.0f * weight * ds * std::sqrt(VREL2);
    Complex dF[3];
    for (int c = 0; c < 3; ++c) {
      dF[c] = scale * (vw[c] - vm[c]);
      out.CFORCE[c] += dF[c];
    }
    out.CMOM[0] += lever * (-d[2] * dF[1]);
    out.CMOM[1] += lever * (d[2] * dF[0] - d[0] * dF[2]);
    out.CMOM[2] += lever * (d[0] * dF[1]);
  }
}

}  // namespace

std::int32_t simpsonPointCount(float kl) {
  // Held inside the integer range: a million radians of phase, 160,000 wave lengths, is far beyond
  // any element.
  const float radians = std::isfinite(kl) ? std::clamp(kl, 0.0f, 1.0E6f) : 0.0f;
  const auto perPhase = static_cast<std::int32_t>(std::ceil(kSimpsonPairsPerRadian * radians));
  const std::int32_t pairs = std::max(kMinSimpsonPairs, perPhase);
  return 2 * pairs + 1;
}

void MOMFOR(const MomforArgs& args) {
  const MomforArgs::Out& out = args.out;
  const float* d = args.DIRMEM;
  if (d[1] != 0.0f) warnAndAsk(args.unit, {" ++> WARNING: Elemental unit vector out of member plane in MOMFOR."});
  for (int c = 0; c < 3; ++c) out.CFORCE[c] = out.CMOM[c] = 0.0f;
  // Where the element lies against the still-water level decides its stretches; whether one above it
  // is loaded is the wetness rule's, by the part of the column it belongs to, not by its height. An
  // element whose wet part ends at the level, exactly or across it, meets the waterline there; one that
  // rises from the level or comes down onto it lies above it.
  const bool dryPartsLoaded = partIsWet(args.ABOVEWATER, args.WETELM);
  const float zBase = args.RBASE[2];
  const float zTop = zBase + args.LEN * d[2];  // TOP
  const bool reachesSurface = std::min(zBase, zTop) < 0.0f && std::max(zBase, zTop) >= 0.0f;
  const int crossing = !reachesSurface ? 0 : (zTop > zBase ? 1 : -1);
  const float toSurface = crossing != 0 ? -zBase / d[2] : 0.0f;  // from the start point along the element
  const bool above = crossing == 0 && zBase + zTop > 0.0f;
  if (above && !dryPartsLoaded) return;

  const LinearWave wave = linearWave(args.WVKX, args.WVKY, args.WAVK, args.DEPTH);

  Segment segments[2];
  int count = 0;
  if (crossing == 0) {
    segments[count++] = {0.0f, args.LEN, above};
  } else if (crossing > 0) {
    segments[count++] = {0.0f, toSurface, false};
    if (dryPartsLoaded && toSurface < args.LEN) segments[count++] = {toSurface, args.LEN - toSurface, true};
  } else {
    if (dryPartsLoaded && toSurface > 0.0f) segments[count++] = {0.0f, toSurface, true};
    segments[count++] = {toSurface, args.LEN - toSurface, false};
  }

  Complex velocityStep[3];
  rotationVelocity(d, args.DELPH1, args.DELTHT, args.WFREQ, velocityStep);
  bool waterlineDone = false;

  for (int n = 0; n < count; ++n) {
    const Segment& seg = segments[n];
    const float* r = args.RBASE;
    const float p0[3] = {r[0] + seg.start * d[0], r[1] + seg.start * d[1], r[2] + seg.start * d[2]};
    Complex v0[3];  // BASVLP
    for (int c = 0; c < 3; ++c) v0[c] = args.BASEVEL[c] + seg.start * velocityStep[c];

    if (args.DRGFLG != 0) {
      dragIntegral(args, wave, seg, p0, v0);
      continue;
    }
    inertiaIntegral(wave, seg, p0, d, out.CFORCE, out.CMOM);
    // The wave elevation at the piercing point acting on the waterplane of the inclined element.
    if (crossing != 0 && !waterlineDone && waterlineTerm(args.WETELM)) {
      waterlineDone = true;
      const float xs[3] = {args.RBASE[0] + toSurface * d[0], args.RBASE[1] + toSurface * d[1]};
      const Complex Q = std::exp(-kI * (args.WVKX * xs[0] + args.WVKY * xs[1])) / std::fabs(d[2]);
      out.CFORCE[2] += Q;
      const float rTop[3] = {toSurface * d[0], toSurface * d[1], toSurface * d[2]};  // RTOP
      const Complex vertical[3] = {0.0f, 0.0f, Q};                                    // CVEC
      addCross(rTop, vertical, out.CMOM);                                             // DECMOM
    }
  }
}

void WAVFOR(const WavforArgs& args) {
  const WavforArgs::Out& out = args.out;
  const float c = args.EQCOS[args.ICON - 1];
  const float s = args.EQSIN[args.ICON - 1];
  const Complex inPlane = args.DELPH1[args.ICON - 1];
  const Complex across = args.DELTHT[args.ICON - 1];
  const Complex iw = kI * args.WFREQ;
  const Complex XDOT = iw * c * inPlane;  // member velocities per unit length from its rotations
  const Complex YDOT = iw * s * across;
  const Complex ZDOT = -iw * s * inPlane;

  float base[3] = {args.RBASE[0], args.RBASE[1], args.RBASE[2]};
  Complex velocity[3] = {args.BASEVEL[0], args.BASEVEL[1], args.BASEVEL[2]};
  for (int k = 0; k < 3; ++k) out.CFORCE[k] = out.CMOMT[k] = 0.0f;
  float DUMLEN = 0.0f;
  if (args.NBUG != 0) {
    writeRecord(args.unit, " WAVFOR: IW, ICON, DRGFLG, WETYOK =" + fmtI(args.IW, 5) + fmtI(args.ICON, 5) +
                               fmtI(args.DRGFLG, 5) + fmtI(args.WETYOK, 5));
  }

  for (std::int32_t I = args.JELEM[args.ICON - 1]; I <= args.JELEM[args.ICON] - 1; ++I) {
    const float length = args.SLEN[I - 1];
    // MOMFOR takes the current along the element from its value at the still-water level.
    Complex F[3], M[3];
    MOMFOR({.LEN = length, .RBASE = base, .DIRMEM = args.DRMEM, .WVKX = args.WVKX, .WVKY = args.WVKY,
            .WAVK = args.WAVK, .DEPTH = args.DEPTH, .unit = args.unit, .NBUG = args.NBUG, .WETELM = args.WETYOK,
            .ABOVEWATER = args.ABOVEWATER, .VCUR2 = args.VCUR2, .BASEVEL = velocity, .DRGFLG = args.DRGFLG,
            .DELPH1 = inPlane, .DELTHT = across,
            .WFREQ = args.WFREQ, .KBD = args.KBD, .EXTAMP = args.EXTAMP, .WVAMP = args.WVAMP,
            .out = {.CFORCE = F, .CMOM = M}});
    const float lever[3] = {DUMLEN * args.DRMEM[0], DUMLEN * args.DRMEM[1], DUMLEN * args.DRMEM[2]};
    addCross(lever, F, M);  // about the member's lower joint

    const Complex F1 = F[0] * c - F[2] * s;
    const Complex F3 = F[0] * s + F[2] * c;
    const Complex M1 = M[0] * c - M[2] * s;
    float SCALEH = 0.0f;
    float SCALEV = 0.0f;
    if (length != 0.0f) {
      const float SCALE = args.BUOY[I - 1] / length;  // buoyant force per unit length, rho g A
      if (args.DRGFLG == 0) {
        SCALEH = (args.COFMST[I - 1] + 1.0f) * SCALE;
        SCALEV = SCALE;
      } else if (args.DRGFLG == 1) {
        SCALEH = args.COFDMT[I - 1] * std::sqrt(SCALE);
      }
    }
    out.CMOMT[0] += SCALEH * M1;
    out.CFORCE[0] += SCALEH * F1;
    out.CMOMT[1] += SCALEH * M[1];
    out.CFORCE[1] += SCALEH * F[1];
    out.CFORCE[2] += SCALEV * F3;

    if (args.LMOMT[I - 1] != 0 && args.record != 0) {
      ++out.IMOMT;
      Complex* column = out.SHRMOM + 5 * (out.IMOMT - 1);
      column[0] = out.CFORCE[0];
      column[1] = out.CFORCE[2];
      column[2] = out.CFORCE[1];
      column[3] = out.CMOMT[0];
      column[4] = out.CMOMT[1];
    }

    base[0] += length * s;
    base[2] += length * c;
    velocity[0] += length * XDOT;
    velocity[1] += length * YDOT;
    velocity[2] += length * ZDOT;
    DUMLEN += length;
  }
}

}  // namespace qv

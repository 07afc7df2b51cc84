// MEMFRC: the inertia integral of one member in closed form, and its linearised drag integral by
// Simpson's rule, both along the wetted part of the member's axis.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "hull/semi/semi_forces.h"
#include "numlib/algebra.h"
#include "numlib/wave_kinematics.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr int kFewestSimpsonPoints = 5;
// A typed count is held below this: far more points than single-precision sums can tell apart.
constexpr int kMostSimpsonPoints = 1001;
const Complex kI(0.0f, 1.0f);

// The trace of NBUG: a label, then the values in exponent form, six to a line (a complex value as
// its two parts).
void trace(std::int32_t unit, std::string_view label, std::initializer_list<float> values) {
  writeRecord(unit, " " + std::string(label));
  std::string line;
  int onLine = 0;
  for (float v : values) {
    line += fmtE(v, 13, 5);
    if (++onLine == 6) {
      writeRecord(unit, line);
      line.clear();
      onLine = 0;
    }
  }
  if (onLine > 0) writeRecord(unit, line);
}

// Where and how the single integration pass starts: at the base, or at the waterline cut of a
// member whose base lies above water.
struct Pass {
  float q0 = 0.0f;           // distance of the start from the base along the axis
  float Lw = 0.0f;           // wetted length integrated
  float start[3] = {};       // start point
  Complex velocity[3] = {};  // member velocity at the start
};

Pass wettedPass(float LEN, const float* RBASEP, const float* n, const Complex* BASVLP, std::int32_t NCROSS,
                Complex DELPHI, Complex DELTHA, float omega) {
  Pass p;
  const float z0 = RBASEP[2];
  p.Lw = NCROSS == 0 ? LEN : -z0 / n[2];
  for (int j = 0; j < 3; ++j) {
    p.start[j] = RBASEP[j];
    if (BASVLP != nullptr) p.velocity[j] = BASVLP[j];
  }
  if (NCROSS == -1) {
    p.q0 = -z0 / n[2];
    p.Lw = LEN - p.q0;
    for (int j = 0; j < 3; ++j) p.start[j] = RBASEP[j] + p.q0 * n[j];
    // The rotation moves the cut as it moves any point of the axis (the steps of the drag integral).
    const Complex rate = kI * omega * p.q0;
    p.velocity[0] += rate * DELPHI * n[2];
    p.velocity[1] -= rate * DELTHA;
    p.velocity[2] -= rate * DELPHI * n[0];
  }
  return p;
}

// The number of Simpson points: odd, about one per radian of k Lw, at least 5. With the trace on, the
// user may type another odd count of at least 5 (a blank reply keeps it); an unattended run cannot
// be asked.
int simpsonPoints(float kLw, std::int32_t EDUNIT, std::int32_t NBUG, std::int32_t KBD) {
  int count = std::max(kFewestSimpsonPoints, 2 * (static_cast<int>(kLw) / 2) - 1);
  if (NBUG == 0 || EDUNIT == kDiagnosticsUnit) return count;
  for (;;) {
    std::int32_t reply = count;
    enterBounded("Input NSIMP: ", reply, kFewestSimpsonPoints, std::max(count, kMostSimpsonPoints), EDUNIT, KBD);
    if (reply % 2 == 1) return reply;
  }
}

}  // namespace

void MEMFRC(const MemfrcArgs& args) {
  const MemfrcArgs::Out& out = args.out;
  const float WKX = args.WKX, WKY = args.WKY, WK = args.WK;
  const std::int32_t EDUNIT = args.EDUNIT;
  const Complex zero(0.0f, 0.0f);
  for (int j = 0; j < 3; ++j) out.FMEM[j] = out.MMEM[j] = out.firstMoment[j] = zero;
  out.WLFAC = out.ENDBOT = out.ENDTOP = zero;
  out.NCROSS = 0;
  const float* n = args.DIRMEM;

  // 1. The member frame puts the axis in the x-z plane.
  if (n[1] != 0.0f) {
    writeRecord(EDUNIT, "");
    writeRecord(EDUNIT, "");
    writeRecord(EDUNIT, std::string(" ++> WARNING: Elemental unit vector out of member") + " plane in MEMFRC.");
    std::int32_t answer = 0;
    ABORT0(EDUNIT, args.KBD, answer);
    if (answer < 0) silentStop("MEMFRC");
  }

  // 2, 3. Waterline crossing; a dry member feels nothing.
  const float z0 = args.RBASEP[2];
  const float TOP = z0 + args.LEN * n[2];
  if (TOP * z0 < 0.0f) out.NCROSS = TOP > 0.0f ? 1 : -1;
  if (z0 > 0.0f && TOP > 0.0f) return;

  // 4. The depth decay, never overflowing however deep the water or the member (numlib's linear wave).
  const LinearWave wave = linearWave(WKX, WKY, WK, args.DEPTH);

  // 5, 6. The pass and its phases.
  const Pass pass = wettedPass(args.LEN, args.RBASEP, n, args.BASVLP, out.NCROSS, args.DELPHI, args.DELTHA, args.WFREQ);
  const float Lw = pass.Lw;
  const Complex KAPPA[3] = {Complex(WKX, 0.0f), Complex(WKY, 0.0f), Complex(0.0f, -WK)};
  const Complex KDOTN = KAPPA[0] * n[0] + KAPPA[1] * n[1] + KAPPA[2] * n[2];
  const Complex IKDTNL = -kI * KDOTN * Lw;

  if (args.NBUG != 0) {
    trace(EDUNIT, "MEMFRC TOP,LEN,COSANG:", {TOP, args.LEN, n[2]});
    trace(EDUNIT, "MEMFRC KAPPA(3*2),DIRMEM(*3),KDOTN(*2):",
          {WKX, 0.0f, WKY, 0.0f, 0.0f, -WK, n[0], n[1], n[2], KDOTN.real(), KDOTN.imag()});
    trace(EDUNIT, "MEMFRC WETELM,CABS(IKDTNL),EXP(-2KD):",
          {static_cast<float>(args.WETELM), std::abs(IKDTNL), static_cast<float>(wave.image)});
  }

  if (args.DRGFLG == 0) {
    // 9. The inertia integral: the two exponential parts of Phi0 (the one rising towards the surface
    // and its image in the bottom) integrated along the axis in closed form, with the moment about
    // the pass's start.
    const LineIntegrals integrals = accelerationAlongLine(wave, pass.start, n, Lw);
    for (int j = 0; j < 3; ++j) {
      out.FMEM[j] = Complex(integrals.force[j]);
      out.MMEM[j] = Complex(integrals.moment[j]);
    }
    if (args.NBUG != 0) {
      Complex NCROSK[3];
      CXPROD(n, KAPPA, NCROSK);
      trace(EDUNIT, "MEMFRC NCROSK(2*3):", {NCROSK[0].real(), NCROSK[0].imag(), NCROSK[1].real(),
                                            NCROSK[1].imag(), NCROSK[2].real(), NCROSK[2].imag()});
    }

    if (out.NCROSS == -1) {
      // The moment was taken about the cut; move it to the base.
      const float arm[3] = {pass.q0 * n[0], pass.q0 * n[1], pass.q0 * n[2]};
      Complex shift[3];
      CXPROD(arm, out.FMEM, shift);
      for (int j = 0; j < 3; ++j) out.MMEM[j] += shift[j];
    }
    if (out.NCROSS != 0) {
      // The incident wave's phase at the waterline cut; 1/|nz| turns the section into the cut.
      const float tc = -z0 / n[2];
      const float cut[3] = {args.RBASEP[0] + tc * n[0], args.RBASEP[1] + tc * n[1], 0.0f};
      const float k[3] = {WKX, WKY, 0.0f};
      out.WLFAC = std::exp(-kI * DOTP(k, cut)) / std::fabs(n[2]);
    }
    return;
  }

  // 10. The drag integral.
  if (args.NBUG != 0) {
    writeRecord(EDUNIT, " IN MEMFRC; drag calculation.");
    trace(EDUNIT, "MEMFRC LEN,RBASEP(3),WKX,WKY,WK,DEPTH,VCUR2,WFREQ,EXTAMP,WVAMP:",
          {args.LEN, args.RBASEP[0], args.RBASEP[1], args.RBASEP[2], WKX, WKY, WK, args.DEPTH, args.VCUR2, args.WFREQ,
           args.EXTAMP, args.WVAMP});
    trace(EDUNIT, "MEMFRC BASVLP(3*2),DELPHI(*2),DELTHA(*2):",
          {pass.velocity[0].real(), pass.velocity[0].imag(), pass.velocity[1].real(), pass.velocity[1].imag(),
           pass.velocity[2].real(), pass.velocity[2].imag(), args.DELPHI.real(), args.DELPHI.imag(), args.DELTHA.real(),
           args.DELTHA.imag()});
  }
  const int NSIMP = simpsonPoints(WK * Lw, EDUNIT, args.NBUG, args.KBD);
  const float DELQ = Lw / static_cast<float>(NSIMP - 1);
  const float WKXOVK = WKX / WK;
  const float WKYOVK = WKY / WK;
  // The wave's horizontal phase factor e^{-i (kx x + ky y)}, advanced by one turn per step; its depth
  // decay is taken at each point.
  const double phaseRate = wave.kx * n[0] + wave.ky * n[1];
  ComplexD phase = std::polar(1.0, -(wave.kx * pass.start[0] + wave.ky * pass.start[1]));
  const ComplexD phaseStep = std::polar(1.0, -phaseRate * DELQ);
  Complex VMEM[3] = {pass.velocity[0], pass.velocity[1], pass.velocity[2]};
  const Complex stepRate = kI * args.WFREQ * DELQ;
  const Complex DELM[3] = {stepRate * args.DELPHI * n[2], -stepRate * args.DELTHA, -stepRate * args.DELPHI * n[0]};

  for (int point = 1; point <= NSIMP; ++point) {
    const float SMPFQ = (point == 1 || point == NSIMP) ? 1.0f : (point % 2 == 0 ? 4.0f : 2.0f);
    const float QLEN = pass.q0 + static_cast<float>(point - 1) * DELQ;
    Complex VWAV[3] = {zero, zero, zero};
    if (args.WVAMP != 0.0f) {
      const double z = pass.start[2] + static_cast<double>(point - 1) * DELQ * n[2];
      const ParticleVelocity v = particleVelocity(wave, args.WFREQ, z, phase);
      VWAV[0] = Complex(v.horizontal) * WKXOVK;
      VWAV[1] = Complex(v.horizontal) * WKYOVK;
      VWAV[2] = Complex(v.vertical);
    }
    float wave2 = 0.0f, member2 = 0.0f, cross = 0.0f;
    for (int j = 0; j < 3; ++j) {
      wave2 += std::norm(VWAV[j]);
      member2 += std::norm(VMEM[j]);
      cross += (VWAV[j] * std::conj(VMEM[j])).real();
    }
    const float VREL2 = args.VCUR2 + 0.5f * (args.WVAMP * args.WVAMP * wave2 + args.EXTAMP * args.EXTAMP * member2) -
                        args.WVAMP * args.EXTAMP * cross;
    const float speed = std::sqrt(VREL2);
    Complex relative[3];
    for (int j = 0; j < 3; ++j) relative[j] = VWAV[j] - VMEM[j];
    const float weight = (DELQ / 3.0f) * SMPFQ * speed;
    Complex dF[3];
    for (int j = 0; j < 3; ++j) {
      dF[j] = weight * relative[j];
      out.FMEM[j] += dF[j];
      out.firstMoment[j] += dF[j] * QLEN;
    }
    out.MMEM[0] -= dF[1] * QLEN * n[2];
    out.MMEM[1] += (dF[0] * n[2] - dF[2] * n[0]) * QLEN;
    out.MMEM[2] += dF[1] * QLEN * n[0];
    if (args.NBUG != 0) {
      trace(EDUNIT, "MEMFRC DELQ,QLEN,VREL2,WKXOVK,WKYOVK,SMPFQ:", {DELQ, QLEN, VREL2, WKXOVK, WKYOVK, SMPFQ});
      trace(EDUNIT, "MEMFRC VWAV(3*2),VMEM(3*2):",
            {VWAV[0].real(), VWAV[0].imag(), VWAV[1].real(), VWAV[1].imag(), VWAV[2].real(), VWAV[2].imag(),
             VMEM[0].real(), VMEM[0].imag(), VMEM[1].real(), VMEM[1].imag(), VMEM[2].real(), VMEM[2].imag()});
    }

    // End drag: the relative velocity along the axis at the ends that meet the water. A pass that
    // starts at the waterline cut of a member whose base stands in the air starts at no end.
    const Complex axial = speed * (relative[0] * n[0] + relative[1] * n[1] + relative[2] * n[2]);
    if (point == 1 && out.NCROSS != -1) out.ENDBOT = axial;
    if (point == NSIMP && args.LTOPWT != 0 && out.NCROSS != 1) out.ENDTOP = axial;

    phase *= phaseStep;
    for (int j = 0; j < 3; ++j) VMEM[j] += DELM[j];
  }
}

}  // namespace qv

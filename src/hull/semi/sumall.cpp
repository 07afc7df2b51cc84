// SUMALL: the wave force of every member of the semi-submersible, each integrated in its own frame by
// MEMFRC, turned back, weighted with the member's coefficients and summed in vessel axes with the
// moments about the vessel's rotation centres.
#include <algorithm>
#include <cmath>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi_common.h"
#include "hull/semi/semi_forces.h"
#include "hull/semi/semi_solver.h"
#include "hull/semi/simcom.h"
#include "numlib/algebra.h"
#include "platform/units.h"

namespace qv {

namespace {

const Complex kI(0.0f, 1.0f);

// A turn about the vertical by the member's heading: (x, y) -> (c x + s y, -s x + c y), and back.
struct Turn {
  float c, s;
  void apply(float& x, float& y) const {
    const float tx = c * x + s * y;
    y = -s * x + c * y;
    x = tx;
  }
  void apply(Complex& x, Complex& y) const {
    const Complex tx = c * x + s * y;
    y = -s * x + c * y;
    x = tx;
  }
  void undo(Complex& x, Complex& y) const {
    const Complex tx = c * x - s * y;
    y = s * x + c * y;
    x = tx;
  }
};

void subtractCross(const float* a, const Complex* b, Complex* into) {
  Complex product[3];
  CXPROD(a, b, product);
  for (int j = 0; j < 3; ++j) into[j] -= product[j];
}

void addCross(const float* a, const Complex* b, Complex* into) {
  Complex product[3];
  CXPROD(a, b, product);
  for (int j = 0; j < 3; ++j) into[j] += product[j];
}

}  // namespace

void SUMALL(Complex* FSUM, Complex* MSUM, float WK, float WKX, float WKY, float WE, float EXTAMP, float WVAMP,
            std::int32_t DRGFLG, float DENS, float VCUR2, std::int32_t WETELM, const Complex* RAO) {
  const Tpcm& t = TPCM;
  const Simcom& m = SIMCOM;
  const Himem& h = HIMEM;
  const int count = std::clamp<int>(t.NCYL, 0, kMaxHullMembers);
  for (int i = 1; i <= count; ++i) {
    // 1. The member from the table; its start above the keel: the base, or the lower end of a
    // member entered from its end in the air.
    const float LEN = m.CYLLEN(i);
    const float base[3] = {m.CYLBAS(1, i), m.CYLBAS(2, i), m.CYLBAS(3, i)};
    const float axis[3] = {m.DIRVEC(1, i), m.DIRVEC(2, i), m.DIRVEC(3, i)};
    float RB[3] = {base[0], base[1], base[2]};
    float n[3] = {axis[0], axis[1], axis[2]};
    float kx = WKX, ky = WKY;

    // 2. For drag, the member's motion: the base's velocity and the hull's rotation in the member's
    // frame.
    Complex BASVLP[3] = {};
    Complex DELPHI(0.0f, 0.0f), DELTHA(0.0f, 0.0f);
    if (DRGFLG != 0) {
      const Complex X = RAO[0] + (base[2] - h.VTCRP) * RAO[4] - base[1] * RAO[5];
      const Complex Y = RAO[1] + (base[0] - h.XCRYW) * RAO[5] - (base[2] - h.VTCRR) * RAO[3];
      const Complex Z = RAO[2] + base[1] * RAO[3] - (base[0] - h.XCRPT) * RAO[4];
      BASVLP[0] = kI * WE * X;
      BASVLP[1] = kI * WE * Y;
      BASVLP[2] = kI * WE * Z;
      Complex rotation[3] = {RAO[3], RAO[4], RAO[5]};
      CMATPD(semi::memberFrame(axis).R.data(), rotation, rotation, 3, t.EDUNIT);
      DELPHI = rotation[1];
      DELTHA = rotation[0];
    }
    // The start takes end drag by its coefficient (the wetted length of a member through the
    // waterline rises from its lower end, whichever end that is); the far end only where it meets
    // the water as a face (end type 0), not where the member joins another.
    const std::int32_t LTOPWT = t.TOPTYP(i) == 0 ? 1 : 0;

    // 3, 4. The base's height above the waterline; the member turned about the vertical into the x-z
    // plane with its axis pointing forward, the frame in which the member's rotation components
    // hold. (A member along -x is turned too: left as it is, its rotation components would belong
    // to the frame turned by half a revolution.)
    RB[2] -= h.EDRAFT;
    const float horizontal = std::sqrt(n[0] * n[0] + n[1] * n[1]);
    const bool turned = n[1] != 0.0f || n[0] < 0.0f;
    const Turn turn{turned ? n[0] / horizontal : 1.0f, turned ? n[1] / horizontal : 0.0f};
    if (turned) {
      turn.apply(RB[0], RB[1]);
      turn.apply(n[0], n[1]);
      turn.apply(kx, ky);
      turn.apply(BASVLP[0], BASVLP[1]);
      n[1] = 0.0f;
    }

    // 5. The member's integrals.
    Complex FMEM[3], MMEM[3], firstMoment[3];
    std::int32_t NCROSS = 0;
    Complex WLFAC, ENDBOT, ENDTOP;
    MEMFRC({.LEN = LEN, .RBASEP = RB, .DIRMEM = n, .WKX = kx, .WKY = ky, .WK = WK, .DEPTH = t.DEPTH,
            .EDUNIT = t.EDUNIT, .NBUG = t.NBUG, .WETELM = WETELM, .VCUR2 = VCUR2, .BASVLP = BASVLP, .DRGFLG = DRGFLG,
            .DELPHI = DELPHI, .DELTHA = DELTHA, .WFREQ = WE, .KBD = kKeyboardUnit, .EXTAMP = EXTAMP, .WVAMP = WVAMP,
            .LTOPWT = LTOPWT,
            .out = {.FMEM = FMEM, .MMEM = MMEM, .firstMoment = firstMoment, .NCROSS = NCROSS, .WLFAC = WLFAC,
                    .ENDBOT = ENDBOT, .ENDTOP = ENDTOP}});

    // 6. Back to vessel axes.
    if (turned) {
      turn.undo(FMEM[0], FMEM[1]);
      turn.undo(MMEM[0], MMEM[1]);
      turn.undo(firstMoment[0], firstMoment[1]);
    }
    for (int j = 0; j < 3; ++j) n[j] = axis[j];

    // 7. Drag along the axis a member lies on is not taken.
    const std::int32_t along = t.MEMDIR(i);
    const bool alongAnAxis = DRGFLG != 0 && along >= 1 && along <= 3;
    if (alongAnAxis) FMEM[along - 1] = MMEM[along - 1] = firstMoment[along - 1] = Complex(0.0f, 0.0f);

    float H[3];
    PARTWY(n, H, 0.5f * LEN);

    if (DRGFLG == 0) {
      // 8. The moment about the member's mid-point.
      subtractCross(H, FMEM, MMEM);
      // 9. Morison inertia with the member's coefficients, and the waterline force at the cut with its
      // moment over the waterplane section.
      CMATPD(&m.FRCCOF(1, 1, i), FMEM, FMEM, 3, t.EDUNIT);
      CMATPD(&m.MNTCOF(1, 1, i), MMEM, MMEM, 3, t.EDUNIT);
      if (t.DRAG_ONLY == 1) WLFAC = Complex(0.0f, 0.0f);
      if (NCROSS != 0) {
        FMEM[2] += WLFAC;
        MMEM[0] += (H[1] - kI * WKY * m.MRWPG2(i)) * WLFAC;
        MMEM[1] -= (H[0] - kI * WKX * m.MPWPG2(i)) * WLFAC;
      }
      const float scale = DENS * t.XAREA(i);
      for (int j = 0; j < 3; ++j) {
        FMEM[j] *= scale;
        MMEM[j] *= scale;
      }
    } else {
      // 8, 10. Drag with the member's coefficients, each force component with the coefficient of its
      // axis; and so the moment about the member's mid-point from each component's first moment about
      // it with that same coefficient: a moment takes the coefficient of the force that makes it
      // (for a member along x the moment about y comes from the vertical drag, not the lateral).
      // Then the end drag at the ends that take it.
      const float endScale = t.XAREA(i) * t.CYLCD(3, i);
      ENDBOT *= endScale;
      ENDTOP *= endScale;
      Complex aboutMidPoint[3], EB[3], ET[3];
      for (int j = 0; j < 3; ++j) {
        const float coefficient = DENS * m.DRGFCF(j + 1, i);
        aboutMidPoint[j] = coefficient * (firstMoment[j] - 0.5f * LEN * FMEM[j]);
        FMEM[j] *= coefficient;
      }
      CXPROD(n, aboutMidPoint, MMEM);
      if (alongAnAxis) MMEM[along - 1] = Complex(0.0f, 0.0f);
      for (int j = 0; j < 3; ++j) {
        EB[j] = DENS * ENDBOT * n[j];
        ET[j] = DENS * ENDTOP * n[j];
        FMEM[j] += EB[j] + ET[j];
      }
      subtractCross(H, EB, MMEM);
      addCross(H, ET, MMEM);
    }

    // 11, 12. The moment about the base, then about the vessel's pitch, roll and yaw axes.
    addCross(H, FMEM, MMEM);
    const float pitchArm[3] = {base[0] - h.XCRPT, base[1], base[2] - h.VTCRP};
    const float rollYawArm[3] = {base[0] - h.XCRYW, base[1], base[2] - h.VTCRR};
    Complex pitch[3], rollYaw[3];
    CXPROD(pitchArm, FMEM, pitch);
    CXPROD(rollYawArm, FMEM, rollYaw);
    MMEM[1] += pitch[1];
    MMEM[0] += rollYaw[0];
    MMEM[2] += rollYaw[2];

    // 13.
    for (int j = 0; j < 3; ++j) {
      FSUM[j] += FMEM[j];
      MSUM[j] += MMEM[j];
    }
  }
}

}  // namespace qv

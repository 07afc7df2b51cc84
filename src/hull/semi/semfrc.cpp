// SEMFRC: the semi-submersible's exciting forces. Flags 0 to 2 calibrate the linearised roll, pitch
// and heave damping at the natural frequencies from the members' drag (the 8 / (3 pi) rule for a
// square-law damping at resonance); a flag above 2 forms the dimensionless forces at every grid
// point of the heading in hand, iterating the motion-dependent drag with the response by Newton's
// method when the data set asks for quasi-linear forces.
#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_common.h"
#include "hull/semi/semi_forces.h"
#include "hull/semi/semi_newton.h"
#include "hull/semi/semi_solver.h"
#include "hull/semi/simcom.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

constinit SemfrcState semfrcState{};
const BlockReset resetSemfrcState{[] { semfrcState.reset(); }};

namespace {


constexpr float kTolerance = 0.01f;          // relative change of a converged RAO
constexpr float kFloor = 0.001f;             // magnitudes at or below it never block convergence
const Complex kPerturbation(0.01f, 0.01f);   // step of the numerical Jacobian
constexpr int kNewtonSteps = 100;            // steps before the user is asked
constexpr float kTiny = 1.0e-10f;            // stands in for a zero heading angle or cosine
constexpr float kLinearisation = 0.84882635f;  // 8 / (3 pi)
constexpr float kBaseDamping = 0.1f;         // damping ratio before the calibration
constexpr float kAsymmetry = 0.005f;         // roll moment in head seas of a hull without symmetry

// The constants of a call: densities, the scales of the dimensionless forces and the factors of
// the response law.
struct Constants {
  float RANCOF;  // water weight density [kips | t per ft^3 | m^3]
  float RHO;     // water mass density
  float GD;      // G / DELTA^(1/3) [1/s^2]
  float W0;      // its square root, the frequency of a pass without natural frequency [rad/s]
  float WH2, WP2, WR2;
  float HSCALE, HDIV, PSCALE, PDIV, RSCALE, RDIV;
  float DDENS;   // density factor of the drag
  float SURGF, SWAYF, YAWF;
};

Constants constantsOfTheCall() {
  const Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const float G = WAVCOM.G;
  Constants c{};
  c.RANCOF = 0.001f * t.DWATR;
  c.RHO = c.RANCOF / G;
  c.WH2 = h.WH * h.WH;
  c.WP2 = h.WP * h.WP;
  c.WR2 = h.WR * h.WR;
  c.GD = G / std::pow(h.DELTA, 0.33333334f);
  c.W0 = std::sqrt(c.GD);

  c.HSCALE = c.RHO * h.HVMAS * c.GD;
  c.HDIV = 1.0f;
  if (t.TAWP > 0.0f) {
    c.HSCALE = c.RANCOF * t.TAWP;
    c.HDIV = G * t.TAWP / h.HC;
  }
  c.PSCALE = c.RHO * h.PTCHI * c.GD;
  c.PDIV = 1.0f;
  if (h.GML != 0.0f) {
    c.PSCALE = std::fabs(h.GML) * t.TDISPL;
    c.PDIV = G * std::fabs(h.GML) * h.DELTA / h.PRMT;
  }
  c.RSCALE = c.RHO * h.ROLI * c.GD;
  c.RDIV = 1.0f;
  if (h.GMT != 0.0f) {
    c.RSCALE = std::fabs(h.GMT) * t.TDISPL;
    c.RDIV = G * std::fabs(h.GMT) * h.DELTA / h.RRMT;
  }
  h.SCALE(1) = h.SCALE(2) = t.TDISPL / kDegreesPerRadian;
  h.SCALE(3) = c.HSCALE;
  h.SCALE(4) = c.RSCALE / kDegreesPerRadian;
  h.SCALE(5) = h.SCALE(6) = c.PSCALE / kDegreesPerRadian;
  h.SDEPTH = t.DEPTH / h.EDRAFT;
  c.DDENS = c.RANCOF * 0.5642f / G;
  c.SURGF = G / (h.CSG + 1.0f);
  c.SWAYF = G / (h.CSW + 1.0f);
  c.YAWF = G * h.GML * h.DELTA / h.YAWI;
  return c;
}

// The regular wave of one period, seen from the hull.
struct Wave {
  float omega;  // wave frequency [rad/s]
  float k;      // wave number [1/ft | 1/m]
  float WE;     // encounter frequency [rad/s]
  float kx, ky; // wave-number components in vessel axes
  float A;      // amplitude of the drag linearisation [ft | m]
  float VCUR2;  // forward speed squared
  float S[6];   // scales of the dimensionless forces
};

Wave waveOf(float omega, float k, float beta, float U, float UC, const Constants& c) {
  const Tpcm& t = TPCM;
  Wave w{};
  w.omega = omega;
  w.k = k;
  w.WE = omega - UC * k;
  float cosBeta = std::cos(beta);
  if (cosBeta == 0.0f) cosBeta = kTiny;
  w.kx = k * cosBeta;
  w.ky = k * std::sin(beta);
  if (t.LSLPHT <= 0) {
    w.A = 0.5f * t.SLPHT;
  } else {
    float kd = 0.0f;
    WAVVEC(HIMEM.WCONST * omega, kd);
    w.A = (t.SLPHT / kDegreesPerRadian) * t.DEPTH / kd;
  }
  w.A = 1.414f * w.A;
  w.VCUR2 = U * U;
  w.S[0] = w.S[1] = 1.0f / (t.TDISPL * k);
  w.S[2] = 1.0f / c.HSCALE;
  w.S[3] = 1.0f / (c.RSCALE * k);
  w.S[4] = w.S[5] = 1.0f / (c.PSCALE * k);
  return w;
}

// The forces of one wave: inertia, drag at a motion, and the response law of GETRAO.
class Forces {
 public:
  Forces(const Constants& c, const Wave& w) : c_(c), w_(w) {}

  void inertia(Complex* F) const {
    const Complex still[6] = {};
    CCLEAR(F, 6);
    SUMALL(F, F + 3, w_.k, w_.kx, w_.ky, w_.WE, w_.A, w_.A, 0, c_.RANCOF, w_.VCUR2, 0, still);
  }
  // F = FI + the drag of the hull moving with the motion X.
  void withDrag(Complex* F, const Complex* FI, const Complex* X) const {
    CEQUAL(F, FI, 6);
    SUMALL(F, F + 3, w_.k, w_.kx, w_.ky, w_.WE, w_.A, w_.A, 1, c_.DDENS, w_.VCUR2, 0, X);
  }
  void response(const Complex* F, Complex* FS, Complex* RAO) const {
    const Himem& h = HIMEM;
    const Simcom& m = SIMCOM;
    GETRAO({.F = F, .S = w_.S, .WH = h.WH, .WP = h.WP, .WR = h.WR, .WE = w_.WE, .WH2 = c_.WH2, .WP2 = c_.WP2,
            .WR2 = c_.WR2, .WE2 = w_.WE * w_.WE, .GAMHV = m.GAMHV, .GAMPT = m.GAMPT, .GAMRL = m.GAMRL, .GD = c_.GD,
            .WK = w_.k, .SURGF = c_.SURGF, .SWAYF = c_.SWAYF, .YAWF = c_.YAWF, .HDIV = c_.HDIV, .RDIV = c_.RDIV,
            .PDIV = c_.PDIV, .out = {.FS = FS, .RAO = RAO}});
  }
  // The dimensionless forces FS whose response is the accepted motion X. The response law takes each
  // degree of freedom on its own, X(j) = a(j) FS(j); at the fixed point X / a are the forces of the
  // drag at X, which an accepted X reproduces within the iteration's tolerance. So the response
  // formed from the stored forces is the accepted one. A degree of freedom without response (a = 0)
  // keeps the force of the drag at X.
  void ofResponse(const Complex* FI, const Complex* X, Complex* FS) const {
    Complex F[6], unit[6], a[6], unused[6];
    withDrag(F, FI, X);
    response(F, FS, unused);
    for (int j = 0; j < 6; ++j) unit[j] = Complex(1.0f / w_.S[j], 0.0f);
    response(unit, unused, a);
    for (int j = 0; j < 6; ++j) {
      if (a[j] != Complex(0.0f, 0.0f) && std::isfinite(std::abs(a[j]))) FS[j] = X[j] / a[j];
    }
  }

 private:
  const Constants& c_;
  const Wave& w_;
};

void stopOnAbort() {
  if (TPCM.LBACK < 0) silentStop("SEMFRC");
}

enum class Iteration { kConverged, kTerminate };

// Step 6: the quasi-linear iteration from the estimate RAO. An estimate X0 is accepted when the
// response to the drag of the hull moving with it reproduces it (its residual X0 - G(X0) is small)
// and the Newton step from it is small: near a resonance the response law magnifies the drag's
// change with the motion, so a small step alone can leave the estimate far from the fixed point.
// On return RAO holds the accepted estimate (or the one the user took).
Iteration iterateResponse(const Forces& forces, const Complex* FI, Complex* RAO, const Wave& w, float headingDeg) {
  Complex F[6], FS[6], X0[6], R0[6], step[6], trial[6];
  Complex J[36];
  semi::NewtonCount count;
  for (;;) {
    // a. The residual of the estimate.
    CEQUAL(X0, RAO, 6);
    forces.withDrag(F, FI, X0);
    forces.response(F, FS, RAO);
    CDIFF(R0, X0, RAO);
    // b. Its Jacobian, one degree of freedom at a time.
    for (int m = 0; m < 6; ++m) {
      X0[m] += kPerturbation;
      forces.withDrag(F, FI, X0);
      forces.response(F, FS, trial);
      for (int j = 0; j < 6; ++j) J[m * 6 + j] = ((X0[j] - trial[j]) - R0[j]) / kPerturbation;
      X0[m] -= kPerturbation;
    }
    // c, d. The Newton step.
    CEQUAL(step, R0, 6);
    std::int32_t KS = 0;
    CSIMQ(J, step, 6, KS);
    if (KS != 0) {
      writeRecord(TPCM.EDUNIT, " ++> Warning: singular solution matrix in SEMFRC; error index = " + fmtI(KS, 2));
      ABORT0(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
      stopOnAbort();
    }
    CDIFF(RAO, X0, step);
    // e.
    const semi::Convergence outcome = semi::checkNewtonStep(X0, R0, step, w.k, count, headingDeg);
    if (outcome == semi::Convergence::kConverged) {
      CEQUAL(RAO, X0, 6);
      return Iteration::kConverged;
    }
    if (outcome == semi::Convergence::kTerminate) return Iteration::kTerminate;
  }
}

// Step 7: a damping ratio from the drag-force amplitude at resonance, or the user's damping.
float calibratedDamping(float CQ, float force, float omega, float inertia, float RHO, std::int32_t userGives,
                        float userPercent) {
  if (userGives != 0) return 0.02f * userPercent;
  return std::sqrt(kLinearisation * CQ * force) / (omega * inertia * RHO);
}

// One calibration pass (IFLAG 0 roll in beam seas, 1 pitch and 2 heave in head seas) at the natural
// frequency of its mode.
void calibrationPass(std::int32_t IFLAG, const Constants& c) {
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  Simcom& m = SIMCOM;
  float beta = 0.0f;
  float omega = h.WH;
  if (IFLAG == 0) {
    beta = kHalfPi;
    omega = h.WR;
  } else if (IFLAG == 1) {
    omega = h.WP;
  }
  if (omega == 0.0f) omega = c.W0;
  if (beta == 0.0f) beta = kTiny;
  float kd = 0.0f;
  WAVVEC(h.WCONST * omega, kd);
  HIMEM.IW = 1;
  INDXUP();
  const Wave w = waveOf(omega, kd / t.DEPTH, beta, 0.0f, 0.0f, c);
  const Forces forces(c, w);
  Complex FI[6], F[6], FS[6], RAO[6] = {};
  forces.inertia(FI);
  CEQUAL(F, FI, 6);
  if (t.SQLFRC >= 0 && t.SQLFRC <= 2) forces.withDrag(F, FI, RAO);
  forces.response(F, FS, RAO);

  if (IFLAG == 1 && semfrcState.FRSTIM) {
    semfrcState.FRSTIM = false;
    if (std::abs(FS[3]) > kAsymmetry) {
      writeRecord(t.EDUNIT, std::string(" ++> WARNING: This simulation does not rigorously support ") +
                                "Semisubmersibles");
      writeRecord(t.EDUNIT, std::string("              lacking bilateral (port-starboard) ") +
                                "symmetry; proceed with caution");
      ABORT0(t.EDUNIT, kKeyboardUnit, TPCM.LBACK);
      stopOnAbort();
    }
  }
  if (IFLAG == 0) {
    m.GAMRL = calibratedDamping(m.CQRL, std::abs(F[3]) * w.A, omega, h.ROLI, c.RHO, t.LRLDMP, t.RLDAMP);
  } else if (IFLAG == 1) {
    m.GAMPT = calibratedDamping(m.CQPT, std::abs(F[4]) * w.A, omega, h.PTCHI, c.RHO, t.LPTDMP, t.PTDAMP);
  } else {
    m.GAMHV = calibratedDamping(m.CQHV, std::abs(F[2]) * w.A, omega, h.HVMAS, c.RHO, t.LHVDMP, t.HVDAMP);
  }
}

// The production pass over the grid for the heading REDANG(IRAO).
void productionPass(std::int32_t IFLAG, const Constants& c) {
  Tpcm& t = TPCM;
  Himem& h = HIMEM;
  const float headingDeg = h.REDANG(WAVCOM.IRAO);
  float beta = headingDeg / kDegreesPerRadian;
  if (beta == 0.0f) beta = kTiny;
  const float U = t.VFWD;
  const float UC = U * std::cos((headingDeg - t.VGLDIR) / kDegreesPerRadian);
  const bool drag = t.SQLFRC == 1 || t.SQLFRC == 2;
  const bool quasiLinear = t.SQLFRC == 1 && IFLAG > 2;
  const int last = wavePoints();
  for (h.IW = 1; h.IW <= last; ++h.IW) {
    INDXUP();
    const Wave w = waveOf(h.RLDUM(h.LW), h.RLDUM(h.LWK), beta, U, UC, c);
    const Forces forces(c, w);
    Complex FI[6], F[6], FS[6], RAO[6] = {};
    forces.inertia(FI);
    CEQUAL(F, FI, 6);
    if (drag) forces.withDrag(F, FI, RAO);
    forces.response(F, FS, RAO);
    Iteration outcome = Iteration::kConverged;
    if (quasiLinear) {
      outcome = iterateResponse(forces, FI, RAO, w, beta * kDegreesPerRadian);
      if (outcome == Iteration::kTerminate && h.IW > 1) return;
      forces.ofResponse(FI, RAO, FS);
    }
    h.CXDUM(h.LSG) = FS[0];
    h.CXDUM(h.LSW) = FS[1];
    h.CXDUM(h.LHV) = FS[2];
    h.CXDUM(h.LRL) = FS[3];
    h.CXDUM(h.LPT) = FS[4];
    h.CXDUM(h.LYA) = FS[5];
    // The first period keeps its estimate: a grid of no periods would leave the later stages nothing
    // to work on.
    if (outcome == Iteration::kTerminate) return;
  }
}

}  // namespace

namespace semi {

namespace {

// The question after 100 more Newton steps without convergence of degree of freedom `dof`: the
// reply -1 (A: the run stops), 0 (blank: go on iterating), 1 (take the estimate of this degree of
// freedom) or 99 (determine no further periods).
std::int32_t askAboutConvergence(int count, float headingDeg, int dof) {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, " ++> Warning: No RAO convergence after " + fmtI(count, 4) + " iterations for");
  writeRecord(unit, "     heading, = " + fmtF(headingDeg, 5, 1) + ", wave period =" + fmtF(periodInHand(), 5, 1) +
                        ", DOF = " + fmtI(dof, 1));
  writeRecord(unit, "     Enter 1 to continue with current estimate,");
  writeRecord(unit, std::string("     enter 99 to terminate additional RAO ") + "determinations OR ...");
  abort3OrAcceptOne(unit, kKeyboardUnit, TPCM.LBACK);
  stopOnAbort();
  return TPCM.LBACK;
}

}  // namespace

Convergence checkNewtonStep(const Complex* X0, const Complex* residual, const Complex* step, float k,
                            NewtonCount& count, float headingDeg) {
  for (int j = 1; j <= 6; ++j) {
    float M = std::abs(X0[j - 1]);
    if (M == 0.0f) M = kFloor;
    const float MA = j <= 3 ? M : M / k;  // rotations per unit wave slope
    // Settled: a small residual and a small step, or a small motion. A response that is not a number
    // never settles.
    const bool settled =
        (std::abs(residual[j - 1]) / M < kTolerance && std::abs(step[j - 1]) / M < kTolerance) || MA <= kFloor;
    if (settled) continue;
    ++count.ITER;
    if (count.ITER <= kNewtonSteps) return Convergence::kIterate;
    count.reported += kNewtonSteps;
    const std::int32_t reply = askAboutConvergence(count.reported, headingDeg, j);
    if (reply == 99) {
      TPCM.NWP = HIMEM.IW > 1 ? HIMEM.IW - 1 : 1;
      return Convergence::kTerminate;
    }
    if (reply == 0) {
      count.ITER = 1;
      return Convergence::kIterate;
    }
  }
  return Convergence::kConverged;
}

}  // namespace semi

void SEMFRC(std::int32_t& IFLAG) {
  if (IFLAG == 0) SIMCOM.GAMHV = SIMCOM.GAMRL = SIMCOM.GAMPT = kBaseDamping;
  const Constants c = constantsOfTheCall();
  if (IFLAG > 2) {
    productionPass(IFLAG, c);
    return;
  }
  for (;;) {
    calibrationPass(IFLAG, c);
    if (IFLAG >= 2) return;
    ++IFLAG;
  }
}

}  // namespace qv

// DRAGF_SEMI: the low-frequency drag and wave-drift damping of a column-stabilised hull, member by
// member over its table (TPCM NCYL, XAREA, CYLCD with SIMCOM LPIERCE, CYLBAS, CYLLEN, DIRVEC). Only
// the members that pierce the waterline contribute. Each member moves slowly through a wave field
// whose relative velocity is random; the quadratic drag is linearised statistically at levels down
// the draft, with the local current of each level (CURPROF), together with the member's share of
// the wave-drift force (DFC_ALIGN) and its difference-frequency integrals.
//
// Inputs beyond the arguments: the data set, SIMCOM, PASCOM (VTCRPS, VTCRRS, HRAO, HOR_WAV_RAO,
// ANG_WAV_RAO, RLRAOH2, MENWLX, MENWLY), WAVCOM and CURPROF. The PASCOM operators must be those of
// the vessel heading that beta belongs to (RELRAOUP at that heading); the current's angle to the
// wave comes from the data set's two headings, so nothing here reads an absolute vessel heading.
#pragma once

#include <complex>
#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

// mode        0 the drag pass only; otherwise also the damping pass.
// component   1 surge, 2 sway, 3 yaw (whose direction factors are 0).
// beta        relative wave direction [rad]; S the spectrum S[0..NWP-1] of wave system waveSystem
//             (1 sea, 2 swell, 3 second swell; any other stops the run).
// dw          difference frequency [rad/s] (made positive, with a warning, when negative).
// drag        out: the drag pass's low-frequency drag term; the damping pass replaces it by the
//             damping carried by VWDRGFC.
// damping     out: left by the drag pass; the damping pass's remaining damping term, never negative.
// work9 .. work13  scratch of 24 values each: when work13[0] is not 0 the damping pass clears
//             work9 to work12. No output depends on them.
// A wave system without energy (zeroth moment not positive) gives drag and damping 0 at once. So do
// the passes whose members' sums are zero (no surface-piercing member, say).
// Warnings with the abort question: rotation centres of pitch and roll suspiciously far apart (a
// column-stabilised hull only), and a possible correlation underflow (once per wave system in a run).
void DRAGF_SEMI(std::int32_t mode, std::int32_t component, float beta, const float* S, float& dw, float& drag,
                float& damping, std::int32_t waveSystem, float* work9, float* work10, float* work11, float* work12,
                float* work13);

// The arguments of G_FRC_PREP by name: what it only reads, then in `out` what it writes (in/out:
// reads and writes).
struct GFrcPrepArgs {
  std::int32_t mode;                  // 0: only g(1)..g(5) and g(12)
  const float* S;                     // the wave system's spectrum S[0..NWP-1]
  float sigma;                        // sqrt(m0) of S
  float xi;                           // member coordinate along the wave [ft | m]
  float zc;                           // height of the rotation centre [ft | m]
  const std::complex<float>* HOR;     // the wave system's column of PASCOM HOR_WAV_RAO
  const std::complex<float>* ANG;     // and of ANG_WAV_RAO
  int N;                              // Gaussian points
  std::int32_t userFile;              // 1: the drift coefficients come from the user's file FNAME
  const Text<13>& FNAME;              // the drift file's name
  float beta;                         // relative wave direction [rad]
  std::string_view caller;            // the caller's name in messages ("DRAGF ")
  float cosAlpha;                     // cosine of the current's angle to the wave
  float sinAlpha;                     // sine of it
  float waveHeadingDeg;               // wave heading [deg]
  std::int32_t waveSystem;            // 1 sea, 2 swell, 3 second swell
  struct Out {
    float& dw;                        // in/out: difference frequency [rad/s], made positive with a warning
    Arr<float, 12>& g;                // the member statistics g(1..12)
    int& n;                           // in/out: the level count, cut to 31
  } out;
};

// The member statistics g(1..12) of one member at the wave system's statistics.
void G_FRC_PREP(const GFrcPrepArgs& args);

// The drift coefficient d and the drift direction psi [rad] at grid point i for the wave as the
// current modifies it: the user's drift table (userFile 1, FNAME) or the vertical cylinder of the
// hull's mean waterline times its relative motion, with the current's enhancement. Without current
// psi is 0; a current that leaves the wave no wave number gives d = 0 and leaves psi.
void DFC_ALIGN(float& d, float& psi, int i, std::int32_t userFile, const Text<13>& FNAME, float cosAlpha,
               float sinAlpha, float beta, std::string_view caller, std::int32_t waveSystem);

// The correlation-underflow warning, given at most once per wave system in a run.
struct DragfSemiState {
  Arr<std::int32_t, 3> FRSTWRN{1, 1, 1};  // 1 until the warning test has fired for the wave system
  void reset() { *this = DragfSemiState{}; }
};
extern DragfSemiState dragfSemiState;

}  // namespace qv

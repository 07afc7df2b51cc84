// The helpers of the semi-submersible's force iteration: the complex linear-equation solver of the
// Newton step, the in-loop response law, and small vector helpers. Matrices are stored by columns:
// element (i, j) of an N by N matrix is A[(j - 1) N + i - 1]. Degrees of freedom in the order
// surge, sway, heave, roll, pitch, yaw.
#pragma once

#include <cstdint>

#include "hull/himem.h"

namespace qv {

// Solves A X = B by Gaussian elimination with partial pivoting by rows (the first entry of largest
// modulus pivots), then back substitution; X replaces B and A is destroyed. KS = 0 on success, 1 when
// a pivot is zero (A and B are then left partly reduced).
void CSIMQ(Complex* A, Complex* B, int N, std::int32_t& KS);

// The arguments of GETRAO by name: what it only reads, then in `out` what it writes.
struct GetraoArgs {
  const Complex* F;       // the forces (6)
  const float* S;         // their scales (6)
  float WH;               // natural frequency of heave [rad/s]
  float WP;               // of pitch [rad/s]
  float WR;               // of roll [rad/s]
  float WE;               // encounter frequency [rad/s]
  float WH2;              // WH^2
  float WP2;              // WP^2
  float WR2;              // WR^2
  float WE2;              // WE^2
  float GAMHV;            // damping ratio of heave (with LHVDMP = 1)
  float GAMPT;            // of pitch (with LPTDMP = 1)
  float GAMRL;            // of roll (with LRLDMP = 1)
  float GD;               // G / DELTA^(1/3), for a mode without restoring
  float WK;               // wave number [1/ft | 1/m]
  float SURGF;            // mass factor of surge
  float SWAYF;            // of sway
  float YAWF;             // of yaw
  float HDIV;             // heave factor of a tension-leg hull
  float RDIV;             // roll factor
  float PDIV;             // pitch factor
  struct Out {
    Complex* FS;          // the dimensionless forces S F (6)
    Complex* RAO;         // the six RAOs (quasi-linear forces only; otherwise left as they are)
  } out;
};

// FS = S F (the dimensionless forces) and, with quasi-linear forces (TPCM SQLFRC = 1), the six RAOs
// of the oscillators at the encounter frequency WE [rad/s] (WE2 = WE^2): heave, roll and pitch with
// their natural frequencies WH, WR, WP (squares WH2, WR2, WP2) and only the user's damping (GAMHV,
// GAMRL, GAMPT where LHVDMP, LRLDMP, LPTDMP = 1); surge, sway and yaw free with the mass factors
// SURGF, SWAYF, YAWF; a mode without restoring takes GD = G / DELTA^(1/3). WK is the wave number;
// HDIV, RDIV, PDIV the heave, roll and pitch factors of a tension-leg hull (CREATR 14 or 17). With
// any other force model RAO is left as it is. A denominator of exactly zero follows the hull rule
// (hull/rao_guard.h).
void GETRAO(const GetraoArgs& args);

// A(i) = B(i), i = 1..N.
void CEQUAL(Complex* A, const Complex* B, int N);
// A(i) = 0, i = 1..N.
void CCLEAR(Complex* A, int N);
// C(i) = A(i) - B(i), i = 1..6 (C may be A or B).
void CDIFF(Complex* C, const Complex* A, const Complex* B);
// B = S A: the point at distance S along the unit vector A.
void PARTWY(const float* A, float* B, float S);

}  // namespace qv

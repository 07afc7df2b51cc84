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

// FS = S F (the dimensionless forces) and, with quasi-linear forces (TPCM SQLFRC = 1), the six RAOs
// of the oscillators at the encounter frequency WE [rad/s] (WE2 = WE^2): heave, roll and pitch with
// their natural frequencies WH, WR, WP (squares WH2, WR2, WP2) and only the user's damping (GAMHV,
// GAMRL, GAMPT where LHVDMP, LRLDMP, LPTDMP = 1); surge, sway and yaw free with the mass factors
// SURGF, SWAYF, YAWF; a mode without restoring takes GD = G / DELTA^(1/3). WK is the wave number;
// HDIV, RDIV, PDIV the heave, roll and pitch factors of a tension-leg hull (CREATR 14 or 17). With
// any other force model RAO is left as it is. A denominator of exactly zero follows the hull rule
// (hull/rao_guard.h).
void GETRAO(const Complex* F, const float* S, Complex* FS, Complex* RAO, float WH, float WP, float WR, float WE,
            float WH2, float WP2, float WR2, float WE2, float GAMHV, float GAMPT, float GAMRL, float GD, float WK,
            float SURGF, float SWAYF, float YAWF, float HDIV, float RDIV, float PDIV);

// A(i) = B(i), i = 1..N.
void CEQUAL(Complex* A, const Complex* B, int N);
// A(i) = 0, i = 1..N.
void CCLEAR(Complex* A, int N);
// C(i) = A(i) - B(i), i = 1..6 (C may be A or B).
void CDIFF(Complex* C, const Complex* A, const Complex* B);
// B = S A: the point at distance S along the unit vector A.
void PARTWY(const float* A, float* B, float S);

}  // namespace qv

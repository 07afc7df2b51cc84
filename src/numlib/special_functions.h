// Bessel functions of integer order (first and second kind, ordinary and modified), the gamma
// function, the normalising factor of a cosine-power directional spreading function and an empirical
// still-water damping fit. The Bessel and gamma routines report through IER only and never stop;
// their callers decide. Arguments and results are 4-byte floats.
#pragma once

#include <cstdint>

namespace qv {

// J_N(X) by backward recurrence in double precision from successively higher start orders, accepted
// when two estimates differ by at most D (relative). IER 1 N < 0; 2 X <= 0; 4 N too large for X
// (N >= NTEST: 20 + 10 X - X^2/3 up to X = 15, 90 + X/2 above); BJ is then unchanged. IER 3 the
// accuracy was not attained (BJ the last estimate, 0 when no start order fitted below NTEST).
void BESJ(float X, std::int32_t N, float& BJ, float D, std::int32_t& IER);
// Y_N(X): series up to X = 4, asymptotic forms above, upward recurrence in N. IER 1 N < 0; 2 X <= 0;
// 3 |Y| above 1.0E36 during the recurrence (BY unchanged).
void BESY(float X, std::int32_t N, float& BY, std::int32_t& IER);
// I_N(X): asymptotic series for X > 12 and X > N, power series otherwise. IER 1 N < 0; 2 X < 0;
// 3 underflow of the first term (BI 0); 4 X >= 60 on the asymptotic branch (BI 1).
void BESI(float X, std::int32_t N, float& BI, std::int32_t& IER);
// K_N(X): polynomial in 1/X above X = 1, series below, upward recurrence in N. IER 1 N < 0;
// 2 X <= 0; 3 X > 60 (BK 0); 4 K above 1.0E36 during the recurrence (that value returned).
void BESK(float X, std::int32_t N, float& BK, std::int32_t& IER);
// Gamma(XX). IER 1 XX within 1.0E-6 of zero or of a negative integer (GX 1), or not a finite
// number; 2 XX > 34.5 (GX 1.0E38).
void GAMMA(float XX, float& GX, std::int32_t& IER);
// sqrt(pi) Gamma((S+1)/2) / Gamma(S/2 + 1): the integral of cos^S over -pi/2..pi/2, the normalising
// factor of a cos^S spreading function. An index the gamma function cannot take writes a message on
// IUNIT, pauses (PRSRET on IUNIT/IIN) and stops the run.
float FACTRI(float S, std::int32_t IUNIT, std::int32_t IIN);
// Still-water damping of a low-frequency mode of frequency A, frequency scale B and added-mass
// factor C: with X = A/B, 0.0198 (X^2 + 0.2026) / (X C).
float GAMSTL(float A, float B, float C);

}  // namespace qv

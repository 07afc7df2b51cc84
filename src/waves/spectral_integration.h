// Integrals of a spectrum over the wave grid of WAVCOM: the spectral moments that every stage takes,
// and the wave-group spectral value of a wave spectrum at a difference frequency.
//
// The grid is uniform in period, so a moment is Simpson's rule in T with d omega = omega^2 dT / (2 pi)
// (squared frequencies W2 and period step DT of WAVCOM; NWP points of TPCM). An odd NWP is exact
// Simpson 1, 4, 2, ..., 4, 1; an even NWP closes the last three intervals with Simpson's 3/8 rule;
// two points take the trapezoid rule and a single point gives 0.
#pragma once

namespace qv {

// M0 = integral of F d omega and M2 = integral of omega^2 F d omega over the grid, F[0..NWP-1] the
// spectrum at the grid points [M0: F times rad/s; M2: F times rad^3/s^3].
void SMPINT(const float* F, float& M0, float& M2);
// The same rule with the caller's squared grid frequencies W2[0..NWP-1] in place of WAVCOM W2 (the
// vessel statistics keep a copy of them in the response work area); DT and NWP as for SMPINT. With
// R2 given, M2 = integral of R2 F d omega: the squared frequency at which the response to each wave
// is seen (a vessel under way meets a wave at its encounter frequency, not at its own).
void gridMoments(const float* F, const float* W2, float& M0, float& M2, const float* R2 = nullptr);

// SG = 8 times the integral over the grid of S(|w + DW/2|) S(|w - DW/2|), S the wave spectrum PSD
// interpolated linearly between grid frequencies and 0 beyond the grid's ends; DW in rad/s.
// With DW = 0 it is 8 M0 of the squared spectrum.
void GRPSPC(const float* PSD, float& SG, float DW);

}  // namespace qv

// The drag functions of a column-stabilised hull member moving slowly through waves on a current:
// the relative motion of member and water, the time average of the signed square of the relative
// velocity along a member and at the waterline, their Gaussian averages over the random wave
// velocity (the force-correlation functions FCF_ and the damping functions GI), and the current of
// the profile at a depth.
//
// Notation: R the amplitude ratio of member motion to wave particle motion, theta their phase
// difference [rad], s = k z a scaled level (0 at the surface, negative below), a the relative
// velocity scale (a wave velocity over the current), Q the statistical scale of the random relative
// velocity over the current (a Q of magnitude 1.0E30, kNotRandom, marks a member whose relative
// motion is not random), C a member factor, N the number of Simpson points of a Gaussian average
// (odd). Gaussian averages run over [0, 5.5) in N points with Simpson's weights 1, 4, 2, ..., 4, 1.
#pragma once

#include <complex>
#include <cstdint>

namespace qv {

inline constexpr float kNotRandom = 1.0e30f;
inline constexpr int kMaxLevels = 31;  // most levels down the draft

// sqrt|1 + R^2 - 2 R cos theta|: relative motion at the surface.
float F_SURF(float R, float theta);
// sqrt|R^2 + 2 R e^s sin theta + e^(2s)|: horizontal relative motion at level s.
float F_SUB_Z(float R, float theta, float s);
// e^(kz) + R sin(kx + phi).
float REL_RAO(float k, float z, float x, float R, float phi);
// Squared modulus of the product of the relative-velocity operators at levels z1 and z2 of a member
// at x (member ratios R1, R2 and phases phi1, phi2).
float RAOFUN_Z(float k, float x, float z1, float z2, float R1, float phi1, float R2, float phi2);

// Antiderivatives over s of the drag of a member level where the relative velocity keeps its sign
// (UNI: 0.5 a^2 (0.5 e^2s + s R^2 - 2 R e^s cos theta)) and where it oscillates through zero (OSC).
float UNI(float a, float R, float theta, float s);
float OSC(float a, float R, float theta, float s);
// The levels t1, t2 where a |e^s - R e^(i theta)| = 1, the relative velocity reaching the current:
// D = (1/a)^2 - (R sin theta)^2 (0 when negative), q, r = R cos theta +- sqrt(D), t1 = ln q, t2 = ln r;
// a level that does not exist is 1.0E30 (above the surface) when a R != 1, -1.0E30 (below) when
// a R = 1.
void A_AND_S(float a, float R, float theta, float& t1, float& t2, float& D, float& q, float& r);
// Orders t1 >= t2 and places the bottom level -h among them: out1 >= out2 >= out3, count the number of
// the two levels below -h.
void RHSORT3(float& out1, float& out2, float& out3, float h, float t1, float t2, int& count);

// Complementary error function by Simpson's rule over [0, x] in N points; exactly 0 from x = 5.5.
float RH_ERFC(float x, int N);
float RH_ERF(float x, int N);  // 1 - RH_ERFC

// Average over the submerged length [-h, 0] of a vertical member of the signed squared horizontal
// relative velocity (a the velocity scale, its sign the result's).
float SUB_SURF_DRAG(float h, float a, float R, float theta);
// In-line and cross-flow drag factors of a surface-piercing member at y = |a| F_SURF(R, theta): y up
// to 1, beyond it the average over a cycle that reverses the flow; both meet their branches at y = 1
// (1 and 0.5). The cross-flow factor takes the sign of a.
float SURF_DRAG(float a, float R, float theta);
float SURF_DRAG_PRP(float a, float R, float theta);
// The time average less the current's own part of (1 + y cos t)|1 + y cos t|: 0.5 y^2 up to y = 1,
// (3 sqrt(y^2 - 1) + asin(1/y) + (1 + y^2) atan(1/sqrt(y^2 - 1))) / pi - 1 beyond.
float FCF_SUB_EXACT(float y);

// Force-correlation and damping functions of the submerged length h of a member: Gaussian averages
// of SUB_SURF_DRAG(h, Q x, R, theta) with the weights x e^(-x^2/2) and x (x^2/2 - 1) e^(-x^2/2), over Q^2.
float FCF_SUB(float h, float Q, float R, float theta, int N);
float GISUB(float h, float Q, float R, float theta, int N);
// Force-correlation functions of a surface-piercing member, in line and across: closed forms of
// C / Q^2 times the average of x^2 e^(-x^2/2) SURF_DRAG(Q x) (SURF_DRAG_PRP) over x >= 0. Not random:
// C sqrt(8 / pi) |1 + R^2 - 2R cos theta| in line, 0 across.
float FCF_SURF(float Q, float R, float theta, float C, int N);
float FCF_SURF_PRP(float Q, float R, float theta, float C, int N);
// Their damping counterparts: C / Q^2 times the average of x (x^2/2 - 1) e^(-x^2/2) SURF_DRAG(Q x)
// (SURF_DRAG_PRP). Not random: C 3 sqrt(2 / pi) |1 + R^2 - 2R cos theta| in line, 0 across.
float GISURF(float Q, float R, float theta, float C, int N);
float GISURF_PRP(float Q, float R, float theta, float C, int N);

// The current component [kn] along `direction` [deg] at depth d below the surface [ft | m]: from the
// profile (depths, speeds [kn], headings [deg], count points) at and below its first depth, linear
// in depth between the surface values and the first point above it. A speed that the profile
// extrapolates below zero past its deepest point is 0. Without a profile (count 0) the surface values.
float GET_VCX_LOC(float d, float surfaceSpeed, float surfaceHeading, float direction, const float* depths,
                  const float* speeds, const float* headings, int count);
// Gaussian moment integrals of the signed square at the scaled current x: with A = sqrt(2 pi)
// erf(x / sqrt 2), B = 2 e^(-x^2/2), D = (x A + B - sqrt(2 pi) |x|) x: I1 = D + A (sqrt(2 pi) times
// the mean of (x + X)|x + X| less x|x|, X standard normal), I2 = 2B + 2x A (2 sqrt(2 pi) times the
// mean of |x + X|), I3 = 3A + D, I4 = D; beyond |x| = 8 their limits.
void ISUB_N_GET(float& I1, float& I2, float& I3, float& I4, float x, int N);

// The levels down the draft: n is cut to 31 (the caller's variable too); z_j = -(j - 1) DRAFT / (n - 1).
struct DraftLevels {
  int n;
  float dz;
  float z(int j) const { return -static_cast<float>(j - 1) * dz; }
  float weight(int j) const;  // Simpson's 1, 4, 2, ..., 4, 1
};
DraftLevels draftLevels(int& n);
// The horizontal motion of a member at level z from the hull's horizontal and rotational operators:
// HOR + (DRAFT + z - zc) ANG, zc the height of the rotation centre above the keel.
std::complex<float> motionAtLevel(std::complex<float> HOR, std::complex<float> ANG, float z, float zc);
// The current along the wave heading [ft/s | m/s] at level z (<= 0) from CURPROF and the data set.
float currentAlongWave(float z, float waveHeadingDeg);

// The drag of the current plus the random relative velocity at the Gaussian abscissa x, integrated
// down the draft over the n levels (n cut to 31): HOR, ANG the hull's operators at one grid point,
// phi the member's wave phase, zc the rotation centre, sigma and omegaP the wave system's standard
// deviation and peak frequency, k the peak wave number.
float SUB_SURF_DRAG_Z(float x, std::complex<float> HOR, std::complex<float> ANG, float phi, float zc,
                      float waveHeadingDeg, float sigma, float omegaP, float k, int& n);
// Its Gaussian averages with the weights x e^(-x^2/2) and x (x^2/2 - 1) e^(-x^2/2); not scaled.
float FCF_SUB_Z(std::complex<float> HOR, std::complex<float> ANG, float phi, float zc, int N, float waveHeadingDeg,
                float sigma, float omegaP, float k, int& n);
float GISUB_Z(std::complex<float> HOR, std::complex<float> ANG, float phi, float zc, int N, float waveHeadingDeg,
              float sigma, float omegaP, float k, int& n);

}  // namespace qv

// Helpers for slender members and sections: the added-mass and added-moment integrals of an
// elliptic body, their conversion into coefficients, an empirical coefficient for rectangular
// sections, and the classification of a straight member against a horizontal level (the waterplane
// or the sea bed) with its wetted length. Points are 3-vectors (x, y, z), z upwards.
#pragma once

#include <cstdint>

namespace qv {

// C = integral over T in 0..pi/2 of ARGMAS (ITYPE 1, added mass) or ARGMOM (ITYPE 2, added moment
// of inertia) by Simpson's rule, for an ellipsoid whose semi-axis along the motion (or rotation)
// axis is 1 and A, B the squares of its ratio to the two other semi-axes. NPTS 0 lets the routine
// choose the points from the eccentricity; the count is made even and at least 400 (4000 for
// ITYPE 2). Above 7500 points a warning is written on IUNIT once per IWARN flag (set here), with a
// PRSRET pause on IUNIT/IIN; NMEM names the member in it (0: none).
void ELPCOF(float A, float B, std::int32_t NPTS, std::int32_t ITYPE, float& C, std::int32_t IUNIT,
            std::int32_t IIN, std::int32_t& IWARN, std::int32_t NMEM);
// The integrands over T, with lambda = tan T (both 1 at T = 0, tending to 0 at pi/2).
float ARGMAS(float T, float A, float B);
float ARGMOM(float T, float A, float B);
// The coefficient from the integral C: ITYPE 1 added mass C / (2 - C); otherwise added moment of
// inertia (a - b)^2 C / ((a + b)(2 a b - C (a + b))) with a = 1/A, b = 1/B.
float COFCLC(std::int32_t ITYPE, float C, float A, float B);
// Correction of the elliptic-section coefficient for a rectangular section: 1.215488 R^-0.14883.
float RECTCM(float R);

// Classification codes of WPCHEK.
inline constexpr std::int32_t kMemberAbove = 99;     // both ends above the level
inline constexpr std::int32_t kMemberBelow = 0;      // both ends at or below it
inline constexpr std::int32_t kMemberRising = 1;     // P1 at or below, P2 above
inline constexpr std::int32_t kMemberFalling = -1;   // P1 above, P2 at or below

// The member P1 -> P2 against the level Z0: D = P2 - P1, XLEN = |D|, DC the direction cosines
// (each capped at 1 from above), ICODE one of the codes above. WLEN is the length from P1 to the
// level along the member for a crossing member (FAC = 1 / DC(3)), XLEN when below and 0 when above
// (FAC 1). P1 and P2 must differ.
void WPCHEK(const float* P1, const float* P2, float Z0, float* D, float* DC, float& XLEN, float& WLEN,
            float& FAC, std::int32_t& ICODE);

// The part of the member P1 -> P2 at or below the level Z0, found from where its two ends lie, not
// from which of them is entered first: a member whose first end stands above the level and whose
// other end lies at or below it is measured from that other end, as if entered from it (WPCHEK of
// P2 -> P1, the same numbers to the last bit). Every other member is measured from P1.
struct WetPart {
  const float* start;  // the end it is measured from: P2 when P1 stands above the level and P2 not
  float D[3];          // from `start` to the other end
  float DC[3];         // its direction cosines
  float XLEN;          // the member's length
  float WLEN;          // the wetted length from `start`: to the level when crossing it, XLEN below, 0 above
  float FAC;           // 1 / DC(3) of a member that crosses the level, else 1
  std::int32_t ICODE;  // WPCHEK's code measured from `start`: never kMemberFalling
  // No point of the member lies below the level: wholly above it, or touching it with one end while
  // the other stands above.
  bool dry() const { return ICODE == kMemberAbove || (ICODE == kMemberRising && WLEN <= 0.0f); }
  bool crossing() const { return ICODE == kMemberRising; }
};
WetPart wetPart(const float* P1, const float* P2, float Z0);

}  // namespace qv

// The free-surface correction of the sway added mass of a horizontal hull member near the surface.
// The member's section is mapped conformally onto a circle by a two-parameter map whose parameter X
// gives the mapped section the member's width-to-height ratio at its depth; the factor is a ratio of
// series over the image system of the free surface, taken as a rigid lid (the low-frequency limit):
// for a circle at centre depth h it is the added mass of a circle moving parallel to a wall at
// distance h over that in open water, 1 + a^2 / (2 h^2) and more, tending to 1 as the member sinks.
#pragma once

#include <cstdint>

namespace qv {

// Parameters of the map, filled by the caller (MSCALC) before SRFCOR and handed on to BAFUN.
struct Tempcm {
  float DCNTR;  // depth of the member axis below the waterline, made dimensionless as 4 depth / width
  float BOVRA;  // width of the section over its height
};

// SRFCOR's result codes.
inline constexpr std::int32_t kSurfaceCorrected = 0;
inline constexpr std::int32_t kSurfaceNoRoot = 1;      // the map parameter was not found (message written)
inline constexpr std::int32_t kSurfaceAbandoned = 2;   // the user gave up after a map failure
inline constexpr std::int32_t kSurfaceNoSeries = 3;    // the image series did not converge to a finite factor

// FACT, the factor on the sway added-mass coefficients of member IMEM (named in the messages), with
// the messages and questions on IUNIT (41: unattended, nothing is asked). A depth at or below the
// limit of the section's aspect ratio is raised to just beyond it with a warning (IPROB 1 when
// unattended, 0 after the user has read it), and TEMPCM.DCNTR keeps the raised value; a map failure
// that the user lets pass sets IPROB 0. A numerical failure never stops the run: IERR says what
// went wrong and FACT is 1 (no correction); IERR is kSurfaceCorrected otherwise.
void SRFCOR(float& FACT, std::int32_t IMEM, std::int32_t IUNIT, std::int32_t& IPROB, Tempcm& TEMPCM,
            std::int32_t& IERR);

// The objective of the map parameter X: BOVRA WIDE(A, Y) - THICK(A, Y), Y = X^2, A = C1FUN(X, Y).
float BAFUN(const Tempcm& TEMPCM, float X);
float C1FUN(const Tempcm& TEMPCM, float X, float Y);
// Width and height of the mapped section.
float WIDE(float A, float Y);
float THICK(float A, float Y);

// SUM = sum over i = 1, 2, ... of TERM_i = i (R^i)^N (s + 1) / (1 - s), s = |R^i| with the sign of
// SGN, up to and including the first term with |TERM| <= EPS; IOVER 1 (and the sum so far) when
// more than MAXIT terms would be needed, else 0. TERM returns the last term.
void DUMSUM(float& SUM, float R, std::int32_t N, float EPS, std::int32_t MAXIT, std::int32_t& IOVER,
            float& TERM, float SGN);

}  // namespace qv

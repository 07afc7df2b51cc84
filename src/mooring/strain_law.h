// Strain laws from measured tension-strain curves. An element whose bit is set in
// TPCM.moor.STRESS_STRAIN_FILE(type) (bit i for element i, bit 1 the least significant) takes its
// cubic strain law a1 T + a2 T^2 + a3 T^3 from its curve in LINCOM (NSTRS_STRN points of TENS_ARR,
// ascending, with strains E_ARR and the spline second derivatives SPLINE_2DERIV), fitted at the
// tension the element carries in the static solution. The curves are filled by whoever runs the
// line model; nothing in the program reads them from a file.
#pragma once

#include <cstdint>

namespace qv {

// Hermite match of the cubic strain law to the curve (TX, EY, E2) of N points at tension T: strain
// 0 and the curve's slope at zero tension, the curve's strain and slope at T. A[0..2] = a1, a2, a3;
// for T at or below 0 only a1 (a2 = a3 = 0).
void GET_ALPHAS(float T, const float* TX, const float* EY, const float* E2, int N, float* A);

// Refits the strain laws of the curve elements of line type LINCOM.ITYP at horizontal tension H
// (rounded to a 4-byte float, the line's mean tension) in depth layer L, and re-solves the line
// until every curve element's tension stays in the same curve interval (at most ten fitting
// passes). The solver starts from the fairlead slopes of the TOPANG table at the HLOD interval of
// H. On return TPCM.moor.ALPHA of the curve elements, LINCOM DPHLD, SCLWT, BETA and the static
// solution agree. A tension outside an element's curve (or a curve of fewer than 2 or more than 30
// points), and intervals still changing after ten passes, stop the run with a message on EDUNIT
// and a PRSRET pause.
void LOAD_ALPHAS(double H, std::int32_t L);

}  // namespace qv

// MOMCOM: the loads and bending moments at the tops of the moment elements (the SALM elements marked
// in LMOMT, counted in element order over the members, at most 10) for the heading in hand, used by
// the member-load report MOMOUT alone.
//
// Five response operators per element over the wave periods lie back to back as one run of 50
// columns, (period, column): columns 1-10 INSHR (in-plane shear), 11-20 ELMAXL (axial load), 21-30
// OUTSHR (lateral shear), 31-40 INMOM (the moment of the lateral loads, about the in-plane normal),
// 41-50 OUTMOM (the moment of the in-plane loads, about the transverse axis); column 10 (q - 1) + C is
// quantity q of moment element C. The reports name moments by the plane of the loads that make them:
// OUTMOM is printed as the in-plane moment, INMOM as the transverse one. The variance accumulation of MOMOUT walks the run in that order, into the 50
// accumulators of OUTPUT that start at SIGLOD. CLEAR0, the start of the block, is the start of the
// run. Then the static loads and moments of each element.
//
// Units are the data set's: forces [kips | t], moments [ft kips | m t], per unit wave amplitude for
// the operators. Words are pinned in momcom_layout.cpp. Static storage, zero at program start;
// reset() for tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "numlib/algebra.h"
#include "slowdrift/output.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kMomentColumns = 5 * kMaxMomentElements;  // the run of MOMCOM

struct Momcom {
  // The 50 columns (period, column); their named views below.
  Arr<Complex, 100, kMomentColumns> columns;
  Arr<float, kMaxMomentElements> STSHRI;        // static in-plane shear at the element top [kips | t]
  Arr<float, kMaxMomentElements> STSHRO;        // static lateral shear at the element top [kips | t]
  Arr<float, kMaxMomentElements> STAXL;         // static axial load at the element top [kips | t]
  Arr<float, kMaxMomentElements> STMOMI;        // static moment of the lateral loads at the element top [ft kips | m t]
  Arr<float, kMaxMomentElements> STMOMO;        // static moment of the in-plane loads at the element top [ft kips | m t]
  Arr<float, 20> RM;                            // spare words RM1 .. RM20
  std::int32_t LSTMOM;                          // end of the block

  // (period, moment element) of each quantity [kips | t per ft | m; ft kips | m t per ft | m].
  Complex& INSHR(int I, int C) { return columns(I, column(0, C)); }
  Complex& ELMAXL(int I, int C) { return columns(I, column(1, C)); }
  Complex& OUTSHR(int I, int C) { return columns(I, column(2, C)); }
  Complex& INMOM(int I, int C) { return columns(I, column(3, C)); }
  Complex& OUTMOM(int I, int C) { return columns(I, column(4, C)); }

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }

 private:
  static constexpr int column(int quantity, int C) {
    QV_ARR_CHECK(C >= 1 && C <= kMaxMomentElements, "MOMCOM", C, kMaxMomentElements, 2);
    return kMaxMomentElements * quantity + C;
  }
};

inline constexpr int kMomcomWords = 10071;
static_assert(sizeof(Momcom) == 4 * kMomcomWords, "MOMCOM must be 10,071 words");

extern Momcom MOMCOM;

}  // namespace qv

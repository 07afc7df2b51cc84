// SINES: the multiple-angle sines and cosines of the relative heading last given to TRIGLD, the wind
// and current dynamic-pressure factors of COFLD and the depth-to-draft ratio. The values hold only
// from a TRIGLD call to the coefficient evaluations that follow it: the slow-drift analysis and the
// SALM dynamics also use some of these words as scratch.
#pragma once

#include "util/farray.h"

namespace qv {

struct Sines {
  union {
    struct {
      float S1;   // sin(a), a the relative heading of the flow [rad]
      float S2;   // sin(2a)
      float S3;   // sin(3a)
      float S4;   // sin(4a)
      float S5;   // sin(5a)
      float S6;   // sin(6a)
      float S7;   // sin(7a)
      float S8;   // sin(8a)
      float S9;   // sin(9a)
      float S10;  // sin(10a)
      float C1;   // cos(a)
      float C2;   // cos(2a)
      float C3;   // cos(3a)
      float C4;   // cos(4a)
      float C5;   // cos(5a)
      float C6;   // cos(6a)
      float C7;   // cos(7a)
      float C8;   // cos(8a)
      float C9;   // cos(9a)
      float C10;  // cos(10a)
    };
    struct {
      Arr<float, 10> SINKA;  // sin(k a), k = 1..10, as one row for the series sums
      Arr<float, 10> COSKA;  // cos(k a), k = 1..10
    };
    struct {
      float CLEAR0;  // the first word under the name of the modules that clear the block from it
    };
    struct {
      float SN;  // the first word, as the SALM dynamics names it
      float sines_pad2[8];
      float CN;  // the tenth word, as the SALM dynamics names it
    };
  };
  float WNDCOF;  // wind dynamic pressure times the wind load factor [kips/ft^2 | t/m^2]
  float CURCOF;  // current dynamic pressure times the current load factor [kips/ft^2 | t/m^2]
  float WAVCOF;  // reserved: never read or written
  float HOVERD;  // water depth over vessel draft [-]
  float SWLCOF;  // reserved: never read or written
  float WAVCFT;  // reserved: never read or written
  float SWLCFT;  // reserved: never read or written

  // Back to the zeroed state of the start of a run.
  void reset();
};

inline constexpr int kSinesWords = 27;
static_assert(sizeof(Sines) == 4 * kSinesWords, "SINES must be 27 words");

extern Sines SINES;

}  // namespace qv

// The first pass of the vessel response, VESL1: it chooses the hull model and the report names, sets
// gravity and the site constants, lays out the work area HIMEM, normalises the directional
// spreading, builds the response-heading table, fills the wave grid, runs the hull model's
// characteristics and reference exciting forces, writes the summary report (title page, hull pages I
// and II) and warns once per process when a natural period lies outside the period grid. Every later
// stage of the analysis relies on what it leaves in HIMEM and WAVCOM (the layout, the grid, G) and in
// TPCM WPITCH, so a run calls it first, even for a SALM-only analysis.
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// The names of a vessel-response run: the hull row by TPCM VESTYP (values outside 1..6 take the ship
// row), then the overrides of the configuration ISPM and the creator CREATR.
struct VesselIdentity {
  std::string_view programName;  // program label of the title page (8 characters)
  std::string_view report;       // summary report file
  float version;                 // program version of the title page
  std::string_view title;        // report title of the title page
  std::string_view serviceName;  // service named in the progress line (7 characters)
  std::string_view vesselWord;   // the vessel named in the progress line
};
VesselIdentity vesselIdentity();

// |cos X|^COSEXP, 0 where |cos X| <= 1.0E-10: the integrand of the spreading normalisation (X [rad]).
float COSPWR(float X, float COSEXP);

// The spreading sector [deg] and FACT, the integral of the cosine power over the half circle that
// the sector maps onto (TPCM ANGSEC and COSEXP). Up to 360 degrees FACT is FACTRI(COSEXP); above, the
// sector is 360 and FACT twice the integral of COSPWR from 0 to pi 180 / ANGSEC, by QATR with its
// tolerance and halvings repaired until it converges (a roundoff it cannot repair, or more than 80
// halvings, stops the run; every 100 integrations the user is asked whether to go on).
struct Spreading {
  float sector;  // [deg]
  float FACT;    // [rad]
};
Spreading spreadingNormalisation();

// The spreading words of WAVCOM from TPCM NA (0 taken as 6), ANGSEC and COSEXP: NA2, the step DA
// [rad] and DADEG [deg], and ANGNRM, the inverse of the sum of the fan's spreadingTerm()s, so that the
// weights of a fan sum to 1 on every grid. With a random sea spread (LRANDM, LSPRED) on a fan whose
// Simpson sum misses the integral of the cosine power by more than 2 percent, it warns, once per
// process, that the wedges are too few for the spreading index.
void setSpreading();

// Kept for the whole process: the natural-period and the spreading warnings are given once.
struct Vesl1State {
  std::int32_t FRQWN = 1;         // 1 until the first pass has checked the natural periods
  bool spreadingWarned = false;   // the wedges were found too few for the spreading index
  void reset() { *this = Vesl1State{}; }
};
extern Vesl1State VESL1_STATE;

// The pass. It needs a loaded data set with 2 to 100 wave periods and a hull model the program has
// (or none selected). Configurations without file names (CREATR 10 or 13 with ISPM other than 2 or
// 3; ISPM 2 or 3 with another CREATR) are refused at once.
void VESL1();

}  // namespace qv

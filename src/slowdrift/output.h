// OUTPUT: the results of the SALM's wave-frequency dynamics that the report writers need, beside the
// low-frequency standard deviations that the low-frequency report leaves at its start.
//
// Who fills what: the low-frequency report writes the low-frequency part (FSIGLF ... STMOM) before
// the wave-frequency stage runs; the drivers (DYNSLM for an attached SALM, FREMOT for a free one)
// write the mean configuration, the static end loads, the modes and the run flags; per wave heading
// the motion solver writes the member angles and the heading words, the load solver the load
// response operators, the per-station load parts and the variances; the statistics report turns the
// variances into amplitudes in place, once, at the end of the run.
//
// Load points (first index of the load arrays): 1 the base reaction; member M has its bottom at
// 2M and its top at 2M+1; with a yoke (IARCO = 0) the top member has two sides and points 2 NCON + 2
// to 2 NCON + 4 are the left-side top, the right hinge and the left hinge (2 NCON + 1 the right-side
// top). Stations of the per-station arrays count the same points from the bottom of member 1:
// station j is load point j + 1. Moment points are the elements flagged in LMOMT, in element order.
// Components: 1 in-plane shear, 2 axial, 3 lateral shear. Response operators are complex values per
// unit wave amplitude over the periods of WAVCOM.
//
// Runs addressed as one array are one array with named views over its words: the 36 response
// columns (NETSHR, NETAXL, NETLTR, PHIMEM, THTMEM, views by (period, column) of the run
// responseColumns), the variance run from FSIGHF (quantity k at word k, its derivative variance at
// word 45 + k), and the moment-point variances SIGLOD + SIGMOM as 10 x 5.
//
// Units are the data set's: lengths [ft | m], forces [kips | t], moments [ft kips | m t], angles
// [rad], periods [s], frequencies [rad/s]. Words are pinned in output_layout.cpp. Static storage,
// zero at program start, never cleared as a whole by a run; reset() for tests.
#pragma once

#include <cstdint>
#include <cstring>

#include "dataset/tpcm_codes.h"
#include "numlib/algebra.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kLowLoadPoints = 14;      // load points of the low-frequency arrays
inline constexpr int kWaveLoadPoints = 10;     // load points of the wave-frequency arrays
inline constexpr int kLoadStations = 9;        // stations of the per-station load parts
inline constexpr int kDynMembers = 3;          // members the wave-frequency stage handles
inline constexpr int kResponseColumns = 36;    // 3 x 10 load columns, 3 + 3 angle columns
inline constexpr int kSigmaQuantities = 45;    // 30 loads, 3 + 3 angles, 9 positions

struct Output {
  // ---- low-frequency standard deviations, left by the low-frequency report ----
  union {
    Arr<float, kLowLoadPoints, 3> FSIGLF;       // low-frequency sigma of the load per load point and component
    struct {
      Arr<float, kLowLoadPoints> FSHRLF;        // its in-plane shear column [kips | t]
      Arr<float, kLowLoadPoints> FAXLLF;        // its axial column [kips | t]
      Arr<float, kLowLoadPoints> FLTRLF;        // its lateral shear column [kips | t]
    };
  };
  Arr<float, 6> ASIGLF;                         // low-frequency sigma of each member's in-plane angle [rad]
  Arr<float, 6> TSIGLF;                         // low-frequency sigma of each member's transverse angle [rad]
  Arr<float, 21> RSIGLF;                        // low-frequency sigma of each member top: radial, vertical, lateral [ft | m]
  Arr<float, kMaxMomentElements, 6> MSIGLF;     // low-frequency sigma per moment point and quantity 1-5 (6 spare)
  Arr<float, kMaxMomentElements, 6> STMOM;      // mean (static) moment-point quantities 1-5 (6 spare)

  // ---- run flags and the heading's words from the motion file ----
  std::int32_t SPRDFG;                          // LOGICAL: spread sea (LSPRED on)
  std::int32_t MLTRAO;                          // LOGICAL: more than one wave direction acts
  std::int32_t LRND;                            // LOGICAL: the random sea acts on the current heading
  std::int32_t LSWL;                            // LOGICAL: the swell acts on the current heading
  union {
    std::int32_t IHFVAL;                        // spare, which carries:
    std::int32_t LSWL2;                         // LOGICAL: the second swell acts on the current heading
  };
  std::int32_t IHAVAL;                          // spare
  std::int32_t IOUTD3;                          // spare
  std::int32_t IOUTD4;                          // spare
  std::int32_t IOUTD5;                          // spare
  std::int32_t ISWLFG;                          // swell-heading flag of the current heading, as read
  std::int32_t ISWLFG2;                         // second-swell-heading flag, as read
  std::int32_t IRANFG;                          // random-sea-heading flag, as read

  // ---- mean configuration and static end loads ----
  Arr<float, 4, 4> FAX;                         // static axial load at joint J of member M, FAX(J, M) [kips | t]
  Arr<float, 4, 4> FSHR;                        // static in-plane shear at joint J of member M [kips | t]
  Arr<float, 4> EQCOS;                          // cosine of each member's mean angle; entry NCON + 1 is 0
  Arr<float, 4> EQSIN;                          // sine of each member's mean angle; entry NCON + 1 is 1
  Arr<float, 4> SPRGK;                          // per-member static restoring term of the loads [kips | t]

  // ---- the two normal modes ----
  float EQMASS;                                 // modal inertia of the first (in-plane) mode [mass x length^2]
  float TMPK;                                   // modal stiffness term of that mode
  float GAMPHI;                                 // its quasi-linear damping from the drag linearisation (50 x: percent)
  union {
    float WMODEH;                               // its circular frequency [rad/s]
    float WSALM;
  };
  union {
    float TSALMH;                               // its period 2 pi / WMODEH [s]
    float TSALM;
  };
  float EQMAS2;                                 // modal inertia of the second (transverse) mode [mass x length^2]
  float TMPK2;                                  // modal stiffness term of that mode
  float GAMTHT;                                 // its quasi-linear damping (50 x: percent)
  union {
    float WMODEL;                               // its circular frequency [rad/s]
    float WSALM2;
  };
  union {
    float TSALML;                               // its period [s]
    float TSALM2;
  };

  // ---- response operators per period: the 36 response columns ----
  // One run of columns (period, column); its named views below: NETSHR, NETAXL, NETLTR (columns
  // 1-10, 11-20, 21-30, by load point) and PHIMEM, THTMEM (31-33, 34-36, by member).
  Arr<Complex, 100, kResponseColumns> responseColumns;

  // ---- load parts per station, current period ----
  Arr<Complex, kLoadStations> INRSHR;           // inertia part of the in-plane shear [kips | t]
  Arr<Complex, kLoadStations> INRAXL;           // inertia part of the axial load [kips | t]
  Arr<Complex, kLoadStations> INRLTR;           // inertia part of the lateral shear [kips | t]
  Arr<Complex, kLoadStations> FWVSHR;           // wave-force part of the in-plane shear [kips | t]
  Arr<Complex, kLoadStations> FWVAXL;           // wave-force part of the axial load [kips | t]
  Arr<Complex, kLoadStations> FWVLTR;           // wave-force part of the lateral shear [kips | t]
  Arr<Complex, kLoadStations> STASHR;           // static-restoring part of the in-plane shear [kips | t]
  Arr<Complex, kLoadStations> STAAXL;           // static-restoring part of the axial load [kips | t]
  Arr<Complex, kLoadStations> STALTR;           // static-restoring part of the lateral shear [kips | t]

  // ---- wave-frequency variances (amplitudes after the statistics report) ----
  union {
    Arr<float, 2 * kSigmaQuantities> SIGVAR;    // the run as the statistics report addresses it
    Arr<float, kSigmaQuantities> SIGMA;         // the 45 quantities as the load solvers address them
    struct {
      Arr<float, kWaveLoadPoints, 3> FSIGHF;    // variance of the load per load point and component [(kips | t)^2]
      Arr<float, kDynMembers> ASIGHF;           // variance of each member's in-plane angle [rad^2]
      Arr<float, kDynMembers> TSIGHF;           // variance of each member's transverse angle [rad^2]
      Arr<float, 9> RSIGHF;                     // variance of each member top: radial, vertical, lateral [ft^2 | m^2]
      Arr<float, kSigmaQuantities> SIGDOT;      // variance of the rate of each of the 45 quantities, same order
    };
  };
  float OUTD1;                                  // spare
  float OUTD2;                                  // spare
  float OUTD3;                                  // spare
  float OUTD4;                                  // spare

  // ---- geometry of the mean configuration and the heading ----
  Arr<float, 7> PHICON;                         // angle of each member from the vertical in the mean configuration [rad]
  Arr<float, 3> YOKVEC;                         // spare vector
  float SINTHT;                                 // sine of RELANG, the yoke's angle out of the SALM plane
  float COSTHT;                                 // cosine of RELANG
  float COSP21;                                 // cosine of the mean angle between members 2 and 1
  float COSP32;                                 // cosine of the mean angle between members 3 and 2
  float COSP31;                                 // cosine of the mean angle between members 3 and 1
  float SINP21;                                 // sine of the mean angle between members 2 and 1
  float SINP32;                                 // sine of the mean angle between members 3 and 2
  float SINP31;                                 // sine of the mean angle between members 3 and 1
  float WAVDIR;                                 // heading of the pass's vessel motions (free SALM: the sea), earth axes [rad]
  float RAODIR;                                 // heading of the current block of vessel motions, relative to the vessel [rad]
  float SPDVAL;                                 // spreading weight of the current heading
  float XWVFAC;                                 // wave factor of the free SALM
  float XSWFAC;                                 // swell factor of the free SALM
  union {
    float OUTD6;                                // spare, which carries:
    float XSWFAC2;                              // second-swell factor of the free SALM
  };
  float OUTD7;                                  // spare
  float OUTD8;                                  // spare

  // ---- moment-point variances, accumulated by the member-load report ----
  union {
    Arr<float, kMaxMomentElements, 5> momentVariances;  // SIGLOD and SIGMOM as one table of moment point by quantity
    struct {
      Arr<float, kMaxMomentElements, 3> SIGLOD;  // variance of in-plane shear, axial load, lateral shear [(kips | t)^2]
      Arr<float, kMaxMomentElements, 2> SIGMOM;  // variance of the in-plane and transverse moments [(ft kips | m t)^2]
    };
  };

  // ---- heading counters and report switches ----
  std::int32_t ISPRED;                          // headings processed so far (the driver starts it at 0)
  std::int32_t NRAOSM;                          // number of wave headings in the vessel motion file
  std::int32_t LREG;                            // response-operator report level ALLRAO + PRNRAO (0, 1, 2)
  std::int32_t IANG;                            // spreading index of the current heading
  std::int32_t IQQQ;                            // spare
  std::int32_t LSTOUT;                          // end of the block

  // The named views of the response columns, (period, load point or member):
  // in-plane shear, axial load and lateral shear per load point [kips | t per ft | m]; in-plane angle
  // and transverse angle (times the member's sine) per member [rad per ft | m].
  Complex& NETSHR(int I, int j) { return responseColumns(I, viewColumn(0, kWaveLoadPoints, j)); }
  Complex& NETAXL(int I, int j) { return responseColumns(I, viewColumn(10, kWaveLoadPoints, j)); }
  Complex& NETLTR(int I, int j) { return responseColumns(I, viewColumn(20, kWaveLoadPoints, j)); }
  Complex& PHIMEM(int I, int m) { return responseColumns(I, viewColumn(30, kDynMembers, m)); }
  Complex& THTMEM(int I, int m) { return responseColumns(I, viewColumn(33, kDynMembers, m)); }
  const Complex& NETSHR(int I, int j) const { return responseColumns(I, viewColumn(0, kWaveLoadPoints, j)); }
  const Complex& NETAXL(int I, int j) const { return responseColumns(I, viewColumn(10, kWaveLoadPoints, j)); }
  const Complex& NETLTR(int I, int j) const { return responseColumns(I, viewColumn(20, kWaveLoadPoints, j)); }
  const Complex& PHIMEM(int I, int m) const { return responseColumns(I, viewColumn(30, kDynMembers, m)); }
  const Complex& THTMEM(int I, int m) const { return responseColumns(I, viewColumn(33, kDynMembers, m)); }

  void reset() { std::memset(static_cast<void*>(this), 0, sizeof *this); }

 private:
  // Column j of a view of `width` columns that starts after column `before` of the run.
  static constexpr int viewColumn(int before, [[maybe_unused]] int width, int j) {
    QV_ARR_CHECK(j >= 1 && j <= width, "OUTPUT", j, static_cast<std::size_t>(width), 2);
    return before + j;
  }
};

inline constexpr int kOutputWords = 7799;
static_assert(sizeof(Output) == 4 * kOutputWords, "OUTPUT must be 7,799 words");

extern Output OUTPUT;

}  // namespace qv

// RANOUT: the random-sea statistics report of the wave-frequency stage, "RANOUT.stxt" (or the
// console when IUNIT names it), called once at the end of the run by DYNSLM (after every unit of
// the run is closed) or FREMOT, without arguments.
//
// It turns the wave-frequency variances of OUTPUT in place into amplitudes, SIGFAC times the
// standard deviation (SIGFAC 2 when ONETWO is 0, else 1): the first 84 words of the run from FSIGHF
// (the 45 quantities and the rates of the first 39), exactly once per run. Then, with a random sea
// or a swell and waves driving (LEXTND 0), RANNET writes
//   section IX, the composite summaries: wave-frequency, low-frequency (OUTPUT FSIGLF ... MSIGLF,
//     left by the low-frequency report) and combined (root sum of squares) deviations of the member
//     motions, the member-end loads and, per member with moment elements, the element loads and
//     moments, each page with the static values;
//   section X, with a storm (DURATN above 0), the most probable peaks over it: the wave-frequency
//     peak of each quantity (HPKVAL), the low-frequency peaks of PEKCOM, and their sum;
// and section XI, the SALM's modes (periods and quasi-linear damping), for three members or a free
// SALM. On the console each page pauses, and a reply of -1 or below goes back: from the peak
// motions to the motions, from the loads to the peak motions, from the peak loads to the loads; from
// the last page of the sections (or section XI) the report comes back at its peak loads.
//
// An attached SALM reports its top member as a yoke of two sides on two hinges, load points
// 2 NCON + 1 .. 2 NCON + 4, only when it has one (IARCO 0); other attachments report their members'
// ends alone.
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// What the report keeps between its calls: the amplitude factor and its word from the motions page,
// the mean response frequency of the peak counts from the peak-motions page, the centrifugal terms
// of the axial peaks; a report that comes back at its peak loads uses them as they were.
struct RanoutState {
  float SIGFAC = 2.0f;
  char NUMSIG[4] = "TWO";
  float WFREQ = 0.0f;  // [rad/s]
  float CNTF1 = 0.0f;  // added to the axial peak at the base and member 1 [kips | t]
  float CNTF2 = 1.0f;  // multiplying it

  void reset() { *this = RanoutState{}; }
};
extern RanoutState ranoutState;

void RANOUT();

// Sections IX and X on unit IUNIT, with the labels of forces (5 characters), moments and lengths
// (2 characters). On entry with LBACK at -1 or below it starts at the peak loads (at the loads
// without a storm); it returns with LBACK as its last pause left it.
void RANNET(std::string_view AUNIT, std::string_view TUNIT, std::string_view MUNIT);

// One table of member-end loads of sections IX and X, one row per load point pair:
// kind 1 wave-frequency, 2 low-frequency, 3 combined deviations; 4 wave-frequency, 5 low-frequency,
// 6 combined peaks. The centrifugal terms apply to the axial peak of the base and member 1. Any
// other kind stops the run.
void RANDAT(int kind, float CNTF1, float CNTF2, float WFREQ, float SIGFAC);

// The most probable peak over a storm of HOURS hours of a wave-frequency quantity of amplitude P
// (SIGFAC standard deviations) beside a low-frequency one of Q (the same multiple), at the mean
// response frequency W [rad/s], divided by DIV (SIGFAC): sigma sqrt(2 ln N) for N response cycles,
// fewer when the low-frequency motion dominates, at least 7.4.
float HPKVAL(float P, float Q, float HOURS, float W, float DIV);

// sqrt(A^2 + B^2).
float FSQRT(float A, float B);

}  // namespace qv

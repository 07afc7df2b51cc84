#include "dynamics/memlod.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dynamics/attachment_motions.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynout.h"
#include "dynamics/heading_waves.h"
#include "dynamics/memmot.h"
#include "dynamics/momdat.h"
#include "dynamics/momout.h"
#include "dynamics/printed_loads.h"
#include "dynamics/wavfor.h"
#include "hull/equilb.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "statics/stprt.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "vessel/slow_encounter.h"
#include "waves/sea_state.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kRoutine = "MEMLOD";

using Stations = Arr<Complex, kLoadStations>;

// One of the three parts of the load at the stations: shear, axial load and lateral shear.
struct LoadPart {
  Stations& SHR;
  Stations& AXL;
  Stations& LTR;
};

std::array<LoadPart, 3> loadParts() {
  Output& o = OUTPUT;
  return {{{o.INRSHR, o.INRAXL, o.INRLTR}, {o.FWVSHR, o.FWVAXL, o.FWVLTR}, {o.STASHR, o.STAAXL, o.STALTR}}};
}

// What one heading fixes for all its periods: the phase reference, the drag and current scales, the
// member inertia terms of the loads and the joint at which the axial load is first solved.
struct HeadingTerms {
  int N = 0;
  float PHSLEN = 0.0f;  // distance of the base of member 1 along the wave direction [ft | m]
  float DRAGCF = 0.0f;  // scale of the drag forces of WAVFOR
  float U2 = 0.0f;      // squared current speed [ft^2/s^2 | m^2/s^2]
  // In-plane inertia of the members about the lower joints and their coupling terms.
  float M1 = 0.0f, M2 = 0.0f, M3 = 0.0f, C21 = 0.0f, C31 = 0.0f, C32 = 0.0f;
  float P21 = 0.0f, P31 = 0.0f, P32 = 0.0f, P33 = 0.0f, S21 = 0.0f, S31 = 0.0f, S32 = 0.0f;
  // Lateral inertia and static terms.
  float H1 = 0.0f, J1 = 0.0f, K1 = 0.0f, H2 = 0.0f, J21 = 0.0f, J22 = 0.0f, H21 = 0.0f, K2 = 0.0f;
  float a1 = 0.0f, a2 = 0.0f, a3 = 0.0f;
  // The top member as a rigid body, with the added mass of a wet yoke: its mass, and the first and
  // second moments of its mass about its lower end.
  float topMass = 0.0f, topMoment = 0.0f, topInertia = 0.0f;
  // Rotation from the member below the top member into the top member.
  float t1 = 0.0f, t2 = 0.0f, t3 = 0.0f, t4 = 0.0f, t6 = 0.0f;
  // The joint of the first axial solution: station jA, and the route to the other stations.
  int jA = 2;
  enum class Route { kNone, kUp, kDown } route = Route::kNone;
  float D = 1.0f, e1 = 0.0f, e2 = 0.0f;
};

float c(int m) { return OUTPUT.EQCOS(m); }
float s(int m) { return OUTPUT.EQSIN(m); }
float L(int m) { return SOLVE.CNLEN(m); }

// The stop of a heading: its message, and a line of what to change when there is one.
[[noreturn]] void stopHeading(std::string_view what, std::string_view consequence, std::string_view change) {
  std::vector<std::string> lines{
      " ++> Wave heading " + fmtF(OUTPUT.WAVDIR * kDegreesPerRadian, 7, 2) + ": " + std::string(what) + ";",
      "     " + std::string(consequence)};
  addFlowingLines(lines, "     ", std::string(change));
  fatalStop(kRoutine, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// Set-up step: the heading constants.
HeadingTerms headingTerms() {
  const Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  Dyncom& d = DYNCOM;
  const float G = WAVCOM.G;
  HeadingTerms h;
  const int N = sv.NCON;
  h.N = N;
  h.PHSLEN = d.CSLMWV * d.RBASE(1, 1) + d.SSLMWV * d.RBASE(2, 1);
  h.DRAGCF = 0.0316f * std::sqrt(t.DWATR / kPi) / G;
  float U = 0.0f;
  if (t.LCURNT != 0) U = t.NUNTS == kMetricUnits ? 0.514f * t.CURSPD : 1.687f * t.CURSPD;  // knots to m/s or ft/s
  h.U2 = U * U;
  d.CSLMWV = std::cos(d.SLMWAV);
  d.SSLMWV = std::sin(d.SLMWAV);

  const auto& M = sv.CNMASS;
  const auto& AB = sv.ADMBCY;
  const auto& AL = sv.ADMLBD;
  h.M1 = d.CLMAS(1) - d.CMOI(1) / L(1);
  h.M2 = d.CLMAS(2) - d.CMOI(2) / L(2);
  const float r2 = AB(2) != 0.0f ? AL(2) / AB(2) : 0.0f;
  h.C21 = ((1.0f - r2 / L(2)) * AB(2) + (1.0f - sv.CNCG(2) / L(2)) * M(2)) * o.COSP21 * L(1) / G;
  h.P21 = (M(2) + AB(2)) * o.COSP21 * L(1) / G;
  h.S21 = M(2) * o.SINP21 * L(1) / G;
  if (N == 3) {
    h.M3 = d.CLMAS(3) - d.CMOI(3) / L(3);
    const float r3 = AB(3) != 0.0f ? AL(3) / AB(3) : 0.0f;
    const float C3 = ((1.0f - r3 / L(3)) * AB(3) + (1.0f - sv.CNCG(3) / L(3)) * M(3)) / G;
    h.C31 = o.COSP31 * L(1) * C3;
    h.C32 = o.COSP32 * L(2) * C3;
    h.P31 = (M(3) + AB(3)) * o.COSP31 * L(1) / G;
    h.P32 = (M(3) + AB(3)) * o.COSP32 * L(2) / G;
    h.P33 = (d.TMPLWE(3) + AL(3)) / G;
    h.S31 = M(3) * o.SINP31 * L(1) / G;
    h.S32 = M(3) * o.SINP32 * L(2) / G;
  }
  h.H1 = s(1) * d.CMOI(1) / L(1);
  h.J1 = (d.TMPLWE(1) + AL(1)) * s(1) / G;
  h.K1 = (o.FAX(2, 1) - (d.TMPLWE(1) - d.TMPLBD(1)) * c(1) / L(1)) * s(1);
  const float m2 = (d.TMPLWE(2) + AL(2)) / G;
  h.H2 = s(2) * d.CMOI(2) / L(2);
  h.J21 = (M(2) + AB(2)) * s(1) * L(1) / G;
  h.J22 = s(2) * m2;
  h.H21 = s(1) * m2 * L(1) / L(2);
  h.K2 = (o.FAX(3, 2) - (d.TMPLWE(2) - d.TMPLBD(2)) * c(2) / L(2)) * s(2);
  if (N == 3) {
    const float q3 = (M(3) + AB(3)) / G;
    h.a1 = L(1) * s(1) * q3;
    h.a2 = L(2) * s(2) * q3;
    h.a3 = (d.TMPLWE(3) + AL(3)) * s(3) / G;
  }
  // The statics count the added mass of the top member's elements where they take water (SOLVE
  // ADMBCY, ADMLBD), and the driver its added inertia (CMOI).
  h.topMass = (M(N) + AB(N)) / G;
  h.topMoment = (d.TMPLWE(N) + AL(N)) / G;
  h.topInertia = d.CMOI(N);
  if (t.IARCO == kYoke && t.PNDARM == 0.0f) {
    stopHeading("the arm of the yoke sides (PNDARM) is 0", "the side loads are indeterminate",
                "Enter the separation of the yoke's attachment points (page 3, item 14 then 3).");
  }
  h.t1 = c(N) * c(N - 1) + s(N) * s(N - 1) * o.COSTHT;
  h.t2 = s(N) * o.SINTHT;
  h.t3 = s(N) * c(N - 1) * o.COSTHT - c(N) * s(N - 1);
  h.t4 = -s(N - 1) * o.SINTHT;
  h.t6 = -c(N - 1) * o.SINTHT;
  return h;
}

// The members of the nearly aligned column, where they stand under the mean load, the least bend
// their loads need, and what to change for the column to bend more.
std::vector<std::string> alignedMembersAdvice() {
  return flowingLines("     ", meanMemberAnglesText() + "; their loads need " +
                                  degreesText(static_cast<float>(degreesOutOfLine(kLeastMemberBend))) +
                                  " between two members at least. " + alignmentRemedyText());
}

// Step 2: the joint at which the axial load is first solved, where the two members meeting there
// are least in line; nearly aligned members are warned of and the user may stop.
void chooseAlignment(HeadingTerms& h) {
  const Output& o = OUTPUT;
  int n = 2;
  float f = o.COSTHT, g = o.SINTHT;
  h.jA = 2;
  h.route = HeadingTerms::Route::kNone;
  if (h.N == 3) {
    if (std::fabs(o.SINP32) < std::fabs(o.SINP21)) {
      f = 1.0f;
      g = 0.0f;
      h.route = HeadingTerms::Route::kUp;
    } else {
      n = 3;
      h.jA = 4;
      h.route = HeadingTerms::Route::kDown;
    }
  }
  h.D = c(n) * s(n - 1) * f - s(n) * c(n - 1);
  h.e1 = c(n) * g;
  h.e2 = s(n) * s(n - 1) + c(n) * c(n - 1) * f;
  if (std::fabs(h.D) >= kLeastMemberBend) return;
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, "");
  writeRecord(unit, std::string(" ++> WARNING: All members are nearly ") + "aligned in mean condition;");
  writeRecord(unit, "              Relative alignment is less than " + fmtF(std::fabs(h.D) * kDegreesPerRadian, 5, 3) +
                        " degrees.");
  writeRecord(unit, "              Member load calculations may be unreliable...");
  for (const std::string& line : alignedMembersAdvice()) writeRecord(unit, line);
  writeRecord(unit, "");
  std::int32_t answer = 0;
  ABORT0(unit, kKeyboardUnit, answer);
  if (answer != 0 || unit == kDiagnosticsUnit) silentStop(kRoutine);
}

// The simplified drag: the member drag forces from the linear coefficients and the angular rates of
// member 1 (for fewer than three members scaled by the drag amplitude and the rate's size), and the
// drag share of each moment element.
void simplifiedDrag(const HeadingTerms& h, float omega) {
  const Tpcm& t = TPCM;
  const Solve& sv = SOLVE;
  Dyncom& d = DYNCOM;
  d.PHIDOT = d.IMAG * d.DELPHI(1) * omega;
  d.THTDOT = d.IMAG * d.DELTHT(1) * omega * s(1);
  if (h.N < 3) {
    d.PHIDOT = d.PHIDOT * 0.85f * d.EXTAMP * std::abs(d.PHIDOT);
    d.THTDOT = d.THTDOT * 0.85f * d.EXTAMP * std::abs(d.THTDOT);
  }
  simplifiedDragForces();
  d.FDAX.fill(Complex(0.0f));  // the simplified model has no axial drag
  if (t.NMOMT == 0) return;
  int IMOMT = 0;
  for (int m = 1; m <= h.N; ++m) {
    float x = 0.0f;
    for (int e = sv.JELEM(m); e <= sv.JELEM(m + 1) - 1; ++e) {
      x += t.SLEN(e);
      if (t.LMOMT(e) == 0) continue;
      ++IMOMT;
      // The member's drag force spread evenly along it, up to the element's top.
      const float denominator = L(m) * h.DRAGCF * t.COFDMT(sv.JELEM(m));
      const float F = denominator != 0.0f ? x / denominator : 0.0f;
      d.SHMOM2(1, IMOMT) = F * d.FDP(m);
      d.SHMOM2(2, IMOMT) = Complex(0.0f);
      d.SHMOM2(3, IMOMT) = F * d.FDT(m);
      d.SHMOM2(4, IMOMT) = F * d.TDT(m);
      d.SHMOM2(5, IMOMT) = F * d.TDP(m);
    }
  }
}

// The static load that the mean forces of station j add as they turn with the station's member, in
// the member's turned axes (the yoke slot N + 1 turns with the vessel); with a yoke each side and
// each hinge carries half. The axes turn with the member's in-plane angle and, about the vertical,
// with its lateral angle: the lateral axis stays horizontal.
struct MeanForceTurn {
  Complex axial, shear, lateral;
};
MeanForceTurn meanForceTurn(int N, int j, bool yoke) {
  const Output& o = OUTPUT;
  const Dyncom& d = DYNCOM;
  const int top = 2 * N;
  float w = 1.0f;
  int k = (j + 2) / 2, m = (j + 1) / 2;
  if (j >= top) {
    w = yoke ? 0.5f : 1.0f;
    k = N + 1;
    m = j / 2;
  }
  const Complex dphi = d.DELPHI(m), dtht = d.DELTHT(m);
  MeanForceTurn turn{w * o.FSHR(k, m) * dphi, -w * o.FAX(k, m) * dphi,
                     -w * (c(m) * o.FSHR(k, m) + s(m) * o.FAX(k, m)) * dtht};
  if (m >= N && yoke) {
    turn.axial += w * EQUILB.FLTRL0 * s(m) * dtht;
    turn.shear += w * EQUILB.FLTRL0 * c(m) * dtht;
  }
  return turn;
}

// The member-end loads of every member, the lateral loads of the members below the top, the axial
// loads from the joint of the first solution, the top member, the yoke and the static part.
void stationLoads(const HeadingTerms& h, int IW) {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  const Dyncom& d = DYNCOM;
  const float w2 = WAVCOM.W2(IW);
  const int N = h.N;
  const auto& dphi = d.DELPHI;
  const auto& dtht = d.DELTHT;
  const std::array<LoadPart, 3> parts = loadParts();
  const bool yoke = t.IARCO == kYoke;

  // Member ends: bottom b = 2m - 1, top 2m.
  const Complex Q[3] = {w2 * h.M1 * dphi(1), w2 * (h.C21 * dphi(1) + h.M2 * dphi(2)),
                        w2 * (h.C31 * dphi(1) + h.C32 * dphi(2) + h.M3 * dphi(3))};
  const Complex R[3] = {w2 * d.CLMAS(1) * dphi(1), w2 * (h.P21 * dphi(1) + d.CLMAS(2) * dphi(2)),
                        w2 * (h.P31 * dphi(1) + h.P32 * dphi(2) + h.P33 * dphi(3))};
  for (int m = 1; m <= N; ++m) {
    const int b = 2 * m - 1, tp = 2 * m;
    o.FWVSHR(b) = d.PRPWV(m) - d.TMOM(m) / L(m);
    o.FWVSHR(tp) = o.FWVSHR(b) - d.PRPWV(m);
    o.STASHR(b) = o.STASHR(tp) = o.SPRGK(m) * dphi(m);
    if (yoke && m == N) {
      // The yoke's hinge line at the vessel turns with the yoke's plane, and with it the axes of the
      // loads; the static couple of the sides, L FLTRL0 about the in-plane normal, then has a share
      // L FLTRL0 c dtheta about the turned hinge line, which the yoke's shear force takes up so that
      // the hinge carries none. In the turned axes this just offsets the turn of the mean lateral
      // load: the yoke's shears keep no share of FLTRL0.
      const Complex couple = EQUILB.FLTRL0 * c(N) * dtht(N);
      o.STASHR(b) -= couple;
      o.STASHR(tp) -= couple;
    }
    o.INRSHR(b) = d.FDP(m) + Q[m - 1] - d.TDP(m) / L(m);
    o.INRSHR(tp) = o.INRSHR(b) - R[m - 1] - d.FDP(m);
  }
  // Lateral loads of member 1, and of member 2 below a third.
  o.FWVLTR(2) = d.TRANT(1) / L(1);
  o.FWVLTR(1) = d.TRANF(1) + o.FWVLTR(2);
  o.STALTR(1) = o.STALTR(2) = h.K1 * dtht(1);
  o.INRLTR(2) = d.TDT(1) / L(1) - w2 * h.H1 * dtht(1);
  o.INRLTR(1) = d.FDT(1) + w2 * h.J1 * dtht(1) + o.INRLTR(2);
  if (N == 3) {
    o.FWVLTR(4) = d.TRANT(2) / L(2);
    o.FWVLTR(3) = d.TRANF(2) + o.FWVLTR(4);
    o.STALTR(3) = o.STALTR(4) = h.K2 * dtht(2);
    o.INRLTR(4) = d.TDT(2) / L(2) - w2 * (h.H21 * dtht(1) + h.H2 * dtht(2));
    o.INRLTR(3) = d.FDT(2) + w2 * (h.J22 * dtht(2) + h.J21 * dtht(1)) + o.INRLTR(4);
  }

  // The axial load at the joint of the first solution, from the shears on both sides of it.
  const int jA = h.jA;
  for (const LoadPart& X : parts) X.AXL(jA) = (X.SHR(jA + 1) - h.e2 * X.SHR(jA) - h.e1 * X.LTR(jA)) / h.D;
  Complex V = -w2 * h.S21 * dphi(1);
  if (h.route == HeadingTerms::Route::kUp) {
    for (const LoadPart& X : parts) X.AXL(3) = X.AXL(2) * o.COSP21 + X.SHR(2) * o.SINP21;
    o.INRAXL(4) = V + o.INRAXL(3) - d.FDAX(2);
    o.FWVAXL(4) = o.FWVAXL(3) - d.PARWV(2);
    o.STAAXL(4) = o.STAAXL(3);
  } else if (h.route == HeadingTerms::Route::kDown) {
    o.INRAXL(3) = d.FDAX(2) + o.INRAXL(4) - V;
    o.FWVAXL(3) = d.PARWV(2) + o.FWVAXL(4);
    o.STAAXL(3) = o.STAAXL(4);
    for (const LoadPart& X : parts) X.AXL(2) = X.AXL(3) * o.COSP21 - X.SHR(3) * o.SINP21;
  }
  // Into the top member.
  const int below = 2 * N - 2;
  for (const LoadPart& X : parts) {
    const Complex axial = X.AXL(below), shear = X.SHR(below), lateral = X.LTR(below);
    X.AXL(below + 1) = h.t3 * shear + h.t2 * lateral + h.t1 * axial;
    X.LTR(below + 1) = o.COSTHT * lateral + h.t4 * axial + h.t6 * shear;
  }
  // Top of the top member, bottom of member 1, lateral inertia at the top.
  if (N == 3) V = -w2 * (h.S32 * dphi(2) + h.S31 * dphi(1));
  const int top = 2 * N;
  o.INRAXL(top) = V + o.INRAXL(top - 1) - d.FDAX(N);
  o.FWVAXL(top) = o.FWVAXL(top - 1) - d.PARWV(N);
  o.STAAXL(top) = o.STAAXL(top - 1);
  o.INRAXL(1) = d.FDAX(1) + o.INRAXL(2);
  o.FWVAXL(1) = d.PARWV(1) + o.FWVAXL(2);
  o.STAAXL(1) = o.STAAXL(2);
  const Complex T = N == 3 ? w2 * (h.a1 * dtht(1) + h.a2 * dtht(2) + h.a3 * dtht(3))
                           : w2 * (h.J22 * dtht(2) + h.J21 * dtht(1));
  o.INRLTR(top) = o.INRLTR(top - 1) - T - d.FDT(N);
  o.FWVLTR(top) = o.FWVLTR(top - 1) - d.TRANF(N);
  o.STALTR(top) = o.STALTR(top - 1);

  if (yoke) {
    // The yoke is one rigid body from the column's top to its two sides, each on a hinge at the
    // vessel. The sides share the top load; its moment about its top across its plane (about the
    // in-plane normal) they carry as a couple of axial loads -D and +D over the arm PNDARM. That
    // moment is L times the lateral load at the yoke's lower end, less the moment about the top of
    // the lateral wave and drag loads (TRANT, TDT being those about the lower end, of opposite
    // sense), with the moment about the top of the yoke's inertia: of its lateral translation with
    // its lower end (B, the members below lie in the SALM plane) and of its lateral rotation psi.
    // Statically the levers of the mean loads (the axial load at the lower end, the weight and the
    // buoyancy) turn with psi exactly as the mean forces turn the lateral load at the lower end:
    // the static couple takes that load in the turned axes.
    Complex B;
    for (int m = 1; m < N; ++m) B += L(m) * s(m) * dtht(m);
    const Complex psi = s(N) * dtht(N);
    const Complex inertia = w2 * ((h.topMoment - L(N) * h.topMass) * B + (h.topInertia - L(N) * h.topMoment) * psi);
    const Complex moment[3] = {L(N) * o.INRLTR(top - 1) - d.TDT(N) - L(N) * d.FDT(N) + inertia,
                               L(N) * o.FWVLTR(top - 1) - d.TRANT(N) - L(N) * d.TRANF(N),
                               L(N) * (o.STALTR(top - 1) + meanForceTurn(N, top - 1, yoke).lateral)};
    // The hinges carry the side loads resolved with the top member's mean angle.
    for (int p = 0; p < 3; ++p) {
      const LoadPart& X = parts[static_cast<std::size_t>(p)];
      const Complex Ax = X.AXL(top);
      const Complex D = moment[p] / t.PNDARM;
      X.AXL(top) = 0.5f * Ax - D;
      X.AXL(top + 1) = 0.5f * Ax + D;
      X.SHR(top) = 0.5f * X.SHR(top);
      X.SHR(top + 1) = X.SHR(top);
      X.LTR(top) = 0.5f * X.LTR(top);
      X.LTR(top + 1) = X.LTR(top);
      for (int hs = top; hs <= top + 1; ++hs) {
        X.SHR(hs + 2) = X.SHR(hs) * s(N) - X.AXL(hs) * c(N);
        X.AXL(hs + 2) = X.SHR(hs) * c(N) + X.AXL(hs) * s(N);
        X.LTR(hs + 2) = X.LTR(hs);
      }
    }
  } else {
    // A single top connection: no yoke sides and no hinges.
    for (const LoadPart& X : parts) {
      for (int j = top + 1; j <= top + 3; ++j) X.SHR(j) = X.AXL(j) = X.LTR(j) = Complex(0.0f);
    }
  }

  // The static part from the mean forces turned with the members.
  const int lastStation = yoke ? top + 3 : top;
  for (int j = 1; j <= lastStation; ++j) {
    const MeanForceTurn turn = meanForceTurn(N, j, yoke);
    o.STAAXL(j) += turn.axial;
    o.STASHR(j) += turn.shear;
    o.STALTR(j) += turn.lateral;
  }

  // Net loads: the base reaction in the earth frame, then every station.
  const Complex Ab = o.INRAXL(1) + o.FWVAXL(1) + o.STAAXL(1);
  const Complex Sb = o.INRSHR(1) + o.FWVSHR(1) + o.STASHR(1);
  const Complex Lb = o.INRLTR(1) + o.FWVLTR(1) + o.STALTR(1);
  o.NETAXL(IW, 1) = Ab * c(1) - Sb * s(1);
  o.NETSHR(IW, 1) = Sb * c(1) + Ab * s(1);
  o.NETLTR(IW, 1) = Lb;
  for (int j = 1; j <= top + 3; ++j) {
    o.NETSHR(IW, j + 1) = o.STASHR(j) + o.FWVSHR(j) + o.INRSHR(j);
    o.NETAXL(IW, j + 1) = o.STAAXL(j) + o.FWVAXL(j) + o.INRAXL(j);
    o.NETLTR(IW, j + 1) = o.STALTR(j) + o.FWVLTR(j) + o.INRLTR(j);
  }
}

// Step 3, one period: the member forces, the moment-element records and the loads at the stations.
void periodLoads(const HeadingTerms& h, int IW) {
  Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const float k = WAVCOM.WVK(IW);
  const float omega = WAVCOM.W(IW);
  const int N = h.N;
  d.PARWV.fill(Complex(0.0f));
  std::int32_t waveCount = 0, dragCount = 0;
  if (t.LSLPHT > 0) d.EXTAMP = t.SLPHT / (kDegreesPerRadian * k);  // amplitude of a wave slope in degrees
  const float dragAmplitude = t.LEXTND != 0 ? 0.0f : d.EXTAMP;
  d.BASVL1.fill(Complex(0.0f));
  const bool waves = t.LEXTND != 1;  // the imposed extension alone puts no wave force on the members
  if (!waves) {
    d.PRPWV.fill(Complex(0.0f));
    d.TRANF.fill(Complex(0.0f));
    d.TRANT.fill(Complex(0.0f));
    d.TMOM.fill(Complex(0.0f));
    d.SHMOM1.fill(Complex(0.0f));
  }
  for (int m = 1; m <= N; ++m) {
    d.DELPHI(m) = o.PHIMEM(IW, m);
    d.DELTHT(m) = o.THTMEM(IW, m) / s(m);
    if (waves) {
      memberWaveForces(m, IW, k, omega, 0, 0.0f, 0.0f, h.U2, 1, waveCount);
      d.PARWV(m) = d.CFORCE(3);
      d.PRPWV(m) = d.CFORCE(1);
      d.TRANF(m) = d.CFORCE(2);
      d.TRANT(m) = d.CMOMT(1);
      d.TMOM(m) = d.CMOMT(2);
    }
    if (t.SMPDRG == 0) {
      memberWaveForces(m, IW, k, omega, 1, d.EXTAMP, dragAmplitude, h.U2, 1, dragCount);
      // The next member sees the velocity of this member's top.
      const Complex iwL = d.IMAG * omega * L(m);
      d.BASVL1(1) += iwL * d.DELPHI(m) * c(m);
      d.BASVL1(2) += iwL * d.DELTHT(m) * s(m);
      d.BASVL1(3) -= iwL * d.DELPHI(m) * s(m);
      d.FDP(m) = h.DRAGCF * d.CFORCE(1);
      d.FDAX(m) = h.DRAGCF * d.CFORCE(3);
      d.TDP(m) = h.DRAGCF * d.CMOMT(2);
      d.FDT(m) = h.DRAGCF * d.CFORCE(2);
      d.TDT(m) = h.DRAGCF * d.CMOMT(1);
    }
  }
  // The yoke slot turns with the vessel.
  d.DELPHI(N + 1) = d.CVANG(3, IW);
  d.DELTHT(N + 1) = d.CVANG(2, IW);
  if (t.SMPDRG != 0) simplifiedDrag(h, omega);

  if (t.NMOMT != 0) {
    if (t.NBUG != 0) {
      for (int IM = 1; IM <= momentElements(); ++IM) {
        writeRecord(t.EDUNIT, " MOMENT ELEMENT" + fmtI(IM, 3) + " SHMOM1:" + fmtE(std::abs(d.SHMOM1(1, IM)), 12, 4) +
                                  fmtE(std::abs(d.SHMOM1(4, IM)), 12, 4) + fmtE(std::abs(d.SHMOM1(5, IM)), 12, 4) +
                                  " SHMOM2:" + fmtE(std::abs(d.SHMOM2(1, IM)), 12, 4));
      }
    }
    // Referred in phase to the base, as the response columns are, only when waves drive.
    const Complex phase = t.LEXTND == 0 ? std::exp(d.IMAG * (k * h.PHSLEN)) : Complex(1.0f);
    writeMomentRecords(kRoutine, h.DRAGCF, phase);
  }
  stationLoads(h, IW);
  if (t.NBUG != 0) {
    const Output& out = OUTPUT;
    for (int j = 1; j <= 2 * N + 3; ++j) {
      writeRecord(t.EDUNIT, " IW, J, SHR, AXL, LTR:" + fmtI(IW, 4) + fmtI(j, 3) + fmtE(std::abs(out.NETSHR(IW, j + 1)), 12, 4) +
                                fmtE(std::abs(out.NETAXL(IW, j + 1)), 12, 4) +
                                fmtE(std::abs(out.NETLTR(IW, j + 1)), 12, 4));
    }
  }
}

// Step 4: the weight of the heading in the random sea and the response variances it adds.
void headingStatistics(const HeadingTerms& h) {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  const Wavcom& wc = WAVCOM;
  o.IANG = wc.NA2 + 1;
  if (t.LEXTND != 0) return;
  const AttachmentBlock block = blockInHand();
  const BlockWaves waves = blockWaves(block);
  o.LSWL = waves.LSWL;
  o.LSWL2 = waves.LSWL2;
  o.LRND = waves.LRND;
  if (!waves.any()) return;
  o.SPDVAL = waves.SPDVAL;
  o.IANG = waves.IANG;
  const int n = wavePoints();
  const EncounterWeights weights = blockEncounterWeights(block);
  warnSlowEncounterRows(o.RAODIR * kDegreesPerRadian, weights);
  const std::array<float, kMaxWavePeriods> S = blockRowDensities(waves, weights);
  std::array<float, kMaxWavePeriods> F{};
  const auto accumulate = [&](int entry) {
    float M0 = 0.0f, M2 = 0.0f;
    SMPINT(F.data(), M0, M2);
    o.SIGMA(entry) += M0;
    o.SIGDOT(entry) += M2;
  };
  for (int column = 1; column <= kResponseColumns; ++column) {
    for (int IW = 1; IW <= n; ++IW) {
      F[static_cast<std::size_t>(IW - 1)] = ABS2(o.responseColumns(IW, column)) * S[static_cast<std::size_t>(IW - 1)];
    }
    accumulate(column);
  }
  // The member tops: radial, vertical and lateral motion, summed up the column.
  const int N = h.N;
  std::array<float, kMaxWavePeriods> FZ{}, FY{};
  for (int J = 1; J <= N; ++J) {
    for (int IW = 1; IW <= n; ++IW) {
      Complex X, Z, Y;
      for (int m = 1; m <= J; ++m) {
        const Complex phi = o.PHIMEM(IW, m), tht = o.THTMEM(IW, m);
        const bool top = m == N;
        X += L(m) * (top ? c(N) * o.COSTHT : c(m)) * phi;
        if (top) X -= L(N) * o.SINTHT * tht;
        Z -= L(m) * s(m) * phi;
        Y += L(m) * tht * (top ? o.COSTHT : 1.0f);
        if (top) Y += L(N) * c(N) * o.SINTHT * phi;
      }
      const float weight = S[static_cast<std::size_t>(IW - 1)];
      F[static_cast<std::size_t>(IW - 1)] = ABS2(X) * weight;
      FZ[static_cast<std::size_t>(IW - 1)] = ABS2(Z) * weight;
      FY[static_cast<std::size_t>(IW - 1)] = ABS2(Y) * weight;
    }
    const int entry = kResponseColumns + 3 * (J - 1);
    accumulate(entry + 1);
    F = FZ;
    accumulate(entry + 2);
    F = FY;
    accumulate(entry + 3);
  }
}

// Step 5: every response column referred in phase to the base of member 1.
void phaseReference(const HeadingTerms& h) {
  Output& o = OUTPUT;
  const int n = wavePoints();
  for (int IW = 1; IW <= n; ++IW) {
    const Complex P = std::exp(DYNCOM.IMAG * (WAVCOM.WVK(IW) * h.PHSLEN));
    for (int column = 1; column <= kResponseColumns; ++column) o.responseColumns(IW, column) *= P;
  }
}

// The debug dialogue of the heading: the simplified-drag switch may be changed.
void debugSetUp(const HeadingTerms& h) {
  writeRecord(TPCM.EDUNIT, " PHSLEN, DRAGCF, D:" + fmtE(h.PHSLEN, 14, 6) + fmtE(h.DRAGCF, 14, 6) + fmtE(h.D, 14, 6));
  askSimplifiedDrag();
}

}  // namespace

void MEMLOD() {
  Tpcm& t = TPCM;
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In MEMLOD:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  if (t.NMOMT != 0) createMomentFile(kRoutine);
  const int N = SOLVE.NCON;
  d.IYKTP1 = 2 * N;
  d.IYKTP2 = d.IYKTP1 + 1;
  d.IYKBOT = d.IYKTP1 - 1;
  writeProgressLine(" >>> Computing Salm member loads for wave heading " + fmtF(o.WAVDIR * kDegreesPerRadian, 7, 2));

  HeadingTerms h = headingTerms();
  chooseAlignment(h);
  if (t.NBUG != 0) debugSetUp(h);
  const int periods = wavePoints();
  for (int IW = 1; IW <= periods; ++IW) periodLoads(h, IW);
  headingStatistics(h);
  if (t.LEXTND == 0) phaseReference(h);

  if (t.NBUG != 0) PRSRET(t.EDUNIT, kKeyboardUnit, t.LBACK);
  if (t.NMOMT != 0) closeMomentFile(kRoutine);
  ++o.ISPRED;
  const bool centralOrSwell = o.IANG == WAVCOM.NA2 + 1 || o.LSWL != 0 || o.LSWL2 != 0;
  if (o.LREG == 2 || (o.LREG == 1 && centralOrSwell)) DYNOUT();
  if (t.NMOMT != 0) MOMOUT();
}

}  // namespace qv

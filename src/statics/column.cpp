#include "statics/column.h"

#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "numlib/angles.h"
#include "numlib/roots.h"
#include "platform/units.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

// The inner search of TOPHT gives up after this many widenings of its bracket.
constexpr int kMaxWidenings = 20;

// No attitude of the piercing member balances it under the load of table point ITABLE: the data that
// decide its balance, the elements it groups and the waterplane it floats on.
[[noreturn]] void piercingSearchFailed() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const std::int32_t I = s.IPERCN;
  std::vector<std::string> lines{"", " ++> ITERATION OVERFLOW IN TOPHT... CHECK DATA FILE AND RETRY"};
  addFlowingLines(lines, "     ",
                  "Under the horizontal load " + forceText(EQUILB.HLOAD(s.ITABLE)) + " (table point " +
                      std::to_string(s.ITABLE) + ") no attitude balances the piercing " + memberData(I) + ", " +
                      forceText(s.WETVL0) + " of it up to the piercing element " + std::to_string(t.IPIERC) +
                      " (page 2, item 6), with the waterplane area " + areaText(t.WPAPRC) +
                      " (page 2, item 5) at the surface. Check its elements' lengths, volumes, weights and their "
                      "centres (page 3, items 2 to 6) and the waterplane area.");
  lines.emplace_back("");
  fatalStop("TOPHT", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

void traceChamber(const char* state) {
  if (TPCM.NBUG != 0) writeRecord(TPCM.EDUNIT, state);
}

// The cotangent of the piercing member at table point ITABLE: the root of COTANB. The bracket starts
// wide at the first loaded point and from the previous point's cotangent later on, and is widened
// while the residual keeps one sign across it.
void solvePiercingMember() {
  Solve& s = SOLVE;
  float XLI = -100.0f;
  float XRI = 101.0f;
  float D = 100.0f;
  if (s.ITABLE > 2) {
    XRI = s.COTANP(s.ITABLE - 1, s.IPERCN);
    XLI = 0.2f * XRI;
    D = 0.5f * XRI;
  }
  float F = 0.0f;
  for (int widenings = 0;; ++widenings) {
    int IER = kRootFound;
    RTMI2(s.COTANP(s.ITABLE, s.IPERCN), F, COTANB, XLI, XRI, 0.0001f, 0.0f, 50, IER);
    if (IER == kRootFound) return;
    if (IER == kRootNotConverged || widenings == kMaxWidenings) piercingSearchFailed();
    XRI = XRI + D;
    XLI = XLI - D;
    if (widenings + 1 >= 2) {
      XRI = 5.0f * XRI;
      XLI = -0.9f * XRI;
    }
  }
}

// Member 1 at cotangent X: the running sums start from it, its moment terms WE1 and BD1 are set
// (the buoyancy moment of a piercing member 1 at this attitude), and HIGHPT is its top.
void placeFirstMember(float X) {
  Solve& s = SOLVE;
  s.CUMWT = 0.0f;
  s.HIGHPT = 0.0f;
  s.WE1 = s.CNMASS(1) * s.CNCG(1) / s.CNLEN(1);
  s.BD1 = s.IPERCN == 0 ? 0.0f : s.CNCB(1) * s.CNBUOY(1) / s.CNLEN(1);
  if (s.IPERCN == 1) {
    (void)COTANB(X);
    s.BD1 = s.BOYMOM;
  }
  s.HIGHPT = s.CNLEN(1) * COSPHI(X);
}

}  // namespace

bool riserFloats(std::int32_t attachment) {
  return attachment == kBuoyantRiser && SOLVE.IPERCN >= 1 && SOLVE.IPERCN <= SOLVE.NCON;
}

float surfaceAboveLowestJoint(float depth) { return TPCM.IFREE(1) == 0 ? depth - SOLVE.ANCHT : depth; }

float DELX_SLM(std::int32_t I, std::int32_t J) { return SOLVE.CNLEN(I) * SINPHI(SOLVE.COTANP(J, I)); }

float XCOORD(std::int32_t N, std::int32_t J) {
  float x = 0.0f;
  for (std::int32_t I = 1; I <= N; ++I) x += DELX_SLM(I, J);
  return x;
}

void XZJOIN(std::int32_t N, const float* PHI, float& Z, float& X) {
  Z = 0.0f;
  X = 0.0f;
  for (std::int32_t I = 1; I <= N; ++I) {
    Z += SOLVE.CNLEN(I) * std::cos(PHI[I - 1]);
    X += SOLVE.CNLEN(I) * std::sin(PHI[I - 1]);
  }
}

float COTANB(float C) {
  Solve& s = SOLVE;
  const float cosPhi = COSPHI(C);
  const float sinPhi = cosPhi / C;
  const float length = s.CNLEN(s.IPERCN);
  s.HDRY = 0.0f;
  s.DRYVOL = 0.0f;
  s.HWET = (s.DEFF - s.HIGHPT) / cosPhi;  // axial distance from the lower joint to the surface

  // The top of the buoyant part is a flat disc of radius RB; a tilted waterplane cuts it over the
  // axial band BOYLEN -+ RB / C.
  const float halfBand = s.RB / C;
  if (cosPhi < 0.0f || s.HWET >= s.BOYLEN + halfBand) {
    traceChamber("WET TOP");
    s.WETVOL = s.WETVL0;
    s.BOYMOM = s.WETVL0 * s.PRCCB / length;
  } else if (s.HWET >= s.BOYLEN - halfBand) {
    traceChamber("PARTLY WET TOP");
    // The dry wedge cut from the end of the cylinder. Across the disc, at t = -e / RB (e the
    // transverse offset, negative on the upper side of the leaning member), the chord stands dry
    // over the axial length RB (t - u) / C, for t from u = cos(a) up to 1. The wedge's volume and
    // the moments of its axial and transverse positions are closed integrals over that segment of
    // the disc; at u = -1 they meet the dry top's, at u = 1 they vanish, so the moment runs on
    // through both changes of state.
    const float u = (s.HWET - s.BOYLEN) * C / s.RB;
    const double a = ARCCOS(u);
    const double ud = u;
    const double sa = std::sin(a);
    const double sin4a = std::sin(4.0 * a);
    const double volume = sa - a * ud - sa * sa * sa / 3.0;                        // times RB^3 / C
    // The moment of -e over the wedge, times RB^4 / C.
    const double lateral = a / 4.0 - sin4a / 16.0 - 2.0 / 3.0 * ud * sa * sa * sa;
    // The moment of half the square of the dry length, times RB^4 / C^2: per unit of volume, how far
    // the wedge's axial centroid lies below the disc.
    const double belowDisc = a / 8.0 - sin4a / 32.0 - 2.0 / 3.0 * ud * sa * sa * sa + ud * ud * (a - ud * sa) / 2.0;
    const double rb4 = static_cast<double>(s.RB2) * s.RB2;
    s.DRYVOL = static_cast<float>(static_cast<double>(s.RB) * s.RB2 * volume / C * s.BCONV);
    s.WETVOL = s.WETVL0 - s.DRYVOL;
    // The dry wedge's moment about the lower joint, per sin(phi): its axial centroid less its
    // transverse one times the cotangent.
    const double dryMoment = static_cast<double>(s.BOYLEN) * s.DRYVOL -
                             s.BCONV * rb4 * (belowDisc / (static_cast<double>(C) * C) + lateral);
    s.BOYMOM = static_cast<float>((static_cast<double>(s.PRCCB) * s.WETVL0 - dryMoment) / length);
  } else {
    traceChamber("DRY TOP");
    // The whole waterplane lies below the disc: the dry part is a cylinder cut obliquely at its
    // lower end. Its centroid lies off the axis by e and along it at z; the wet part balances it.
    s.HDRY = s.BOYLEN - s.HWET;
    s.DRYVOL = s.HDRY * s.WPA1 * s.BCONV;
    s.WETVOL = s.WETVL0 - s.DRYVOL;
    const float e = -s.RB2 / (4.0f * C * s.HDRY);
    const float z = s.BOYLEN - (s.HDRY / 2.0f + s.RB2 / (8.0f * s.HDRY * C * C));
    const float eWet = -e * s.DRYVOL / s.WETVOL;
    const float zWet = (s.PRCCB * s.WETVL0 - z * s.DRYVOL) / s.WETVOL;
    s.BOYMOM = (eWet * cosPhi + zWet * sinPhi) * s.WETVOL / (length * sinPhi);
  }

  s.CUMWT1 = s.CUMWT - s.WETVOL + s.CNMASS(s.IPERCN);
  return s.COTANP(s.ITABLE, 1) + (s.CUMWT1 - s.WEPERC + s.BOYMOM + s.WE1 - s.BD1) / EQUILB.HLOAD(s.ITABLE) - C;
}

float TOPHT(float X) {
  Solve& s = SOLVE;
  const float load = EQUILB.HLOAD(s.ITABLE);
  placeFirstMember(X);

  for (std::int32_t I = 2;; ++I) {
    const float R = s.HIGHPT - s.YOKBOT;
    if (I > s.NCON) return R;
    if (I == s.IPERCN && riserFloats(s.IARC1)) return TOPLD(s.FTOP);  // the riser's top is free
    if (I == s.IPERCN) {
      solvePiercingMember();
      s.CUMWT = s.CUMWT1;
    } else {
      s.CUMWT += s.WETWT(I);
      s.COTANP(s.ITABLE, I) = X + (s.CUMWT - s.WETARM(I) + s.WE1 - s.BD1) / load;
    }
    s.HIGHPT += s.CNLEN(I) * COSPHI(s.COTANP(s.ITABLE, I));
  }
}

ColumnMisfit columnMisfit(std::int32_t J) {
  Solve& s = SOLVE;
  s.ITABLE = J;
  const float load = EQUILB.HLOAD(J);
  const float X = s.COTANP(J, 1);
  ColumnMisfit misfit;
  if (riserFloats(s.IARC1)) {
    misfit.height = std::numeric_limits<float>::quiet_NaN();
    misfit.moment = misfit.height;
    return misfit;
  }
  placeFirstMember(X);
  for (std::int32_t I = 2; I <= s.NCON; ++I) {
    const float c = s.COTANP(J, I);
    // The cotangent the member's balance asks for: H c = T - M with the pull T passed up to it.
    float demanded = 0.0f;
    if (I == s.IPERCN) {
      demanded = c + COTANB(c);
      s.CUMWT = s.CUMWT1;
    } else {
      s.CUMWT += s.WETWT(I);
      demanded = X + (s.CUMWT - s.WETARM(I) + s.WE1 - s.BD1) / load;
    }
    // A misfit d in the cotangent leaves H L sin(phi) d of moment unbalanced.
    const float moment = std::fabs(demanded - c) * SINPHI(c);
    if (!(moment <= misfit.moment)) {
      misfit.moment = moment;
      misfit.member = I;
    }
    s.HIGHPT += s.CNLEN(I) * COSPHI(c);
  }
  misfit.height = s.HIGHPT - s.YOKBOT;
  return misfit;
}

float TOPLD(float F) {
  Solve& s = SOLVE;
  s.HWET = s.DEFF - s.HIGHPT;
  s.WETVOL = s.WETVL0 - s.BCONV * s.WPA1 * (s.BOYLEN - s.HWET);
  // The pull at the top of the member below, plus the riser's weight, minus its wet buoyancy and the
  // load applied at its top.
  const std::int32_t below = s.IPERCN - 1;
  return EQUILB.HLOAD(s.ITABLE) * s.COTANP(s.ITABLE, below) + s.WETARM(below) + s.CNMASS(s.IPERCN) - s.WETVOL - F;
}

void ZFILL(float H, const float* PHI) {
  Solve& s = SOLVE;
  const bool floats = riserFloats(TPCM.IARCO);
  s.HIGHPT = s.YOKBOT;
  if (floats) {  // the column top is the riser's top, wherever it floats
    float x = 0.0f;
    XZJOIN(s.IPERCN, PHI, s.HIGHPT, x);
  }
  s.CUMWT = 0.0f;

  for (std::int32_t I = s.NCON; I >= 1; --I) {
    const float phi = PHI[I - 1];
    s.HIGHPT -= s.CNLEN(I) * std::cos(phi);  // now the lower joint of member I
    const float c = std::cos(phi) / std::sin(phi);
    float M = s.WETARM(I);
    float N = s.WETWT(I);
    if (I == s.IPERCN) {
      (void)COTANB(c);
      M = s.WEPERC - s.BOYMOM;
      N = s.CNMASS(s.IPERCN) - s.WETVOL;
    }
    if (I == s.NCON) s.ZLDTMP(s.NCON + 1) = floats ? 0.0f : H * c + M;
    s.ZLDTMP(I) = s.ZLDTMP(I + 1) - N;
  }
}

}  // namespace qv

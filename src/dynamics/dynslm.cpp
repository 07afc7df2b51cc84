#include "dynamics/dynslm.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dynamics/attachment_motions.h"
#include "dynamics/dyncom.h"
#include "dynamics/dynout.h"
#include "dynamics/heading_waves.h"
#include "dynamics/linkage.h"
#include "dynamics/memlod.h"
#include "dynamics/memmot.h"
#include "dynamics/ranout.h"
#include "hull/equilb.h"
#include "lowfreq/sines.h"
#include "numlib/circle_constants.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/column.h"
#include "statics/column_at_load.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/unformatted_io.h"
#include "vessel/point_motions.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kCaller = "DYNSLM";
constexpr std::string_view kMotionFile = "YOKEMOT";

// The driver's fatal conditions: the message, the pause, status 1.
[[noreturn]] void stopRun(std::initializer_list<std::string_view> lines) {
  fatalStop(kCaller, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// A member whose sine the formulas divide by must not stand vertical.
void requireLeaning(int member) {
  if (OUTPUT.EQSIN(member) != 0.0f) return;
  stopRun({" ++> Salm member " + fmtI(member, 1) + ": vertical in the mean configuration;",
           "     its transverse rotation is indeterminate"});
}

// Step 4: the member angles at the mean load of the stable equilibrium, from the statics solved at
// that load (the table's own angles when the load is one of its points). Angles taken on a straight
// line between two table points would leave the members out of balance: a static moment at the
// yoke's hinge, which the buoy's lateral rotation turns into a transverse wave-frequency moment there.
float meanMemberAngles() {
  const Equilb& e = EQUILB;
  const float H = e.FTOT(e.ISTAB);
  columnAtLoad(H, OUTPUT.PHICON.data());
  return H;
}

// Step 5, with the one-member column refused the same way: the load solver has no case for it. The
// run checks refuse a data set with more members before any stage (dynamicsMemberFinding).
void checkMemberCount() {
  const int n = SOLVE.NCON;
  const int limit = dynamicsMemberLimit(TPCM.IARCO);
  if (n >= 2 && n <= limit) return;
  std::vector<std::string> lines{n > limit ? " ++> Too many Salm members for dynamic evaluation"
                                           : " ++> Too few Salm members for dynamic evaluation"};
  addFlowingLines(lines, "     ",
                  memberCountText() + "; the dynamics of an attached Salm takes " +
                      (TPCM.IARCO == kBuoyantRiser ? "2 members with a buoyant riser." : "2 or 3 members."));
  fatalStop(kCaller, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

// Step 6: directions of the members and the angles between them.
void relativeAngles() {
  Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const Equilb& e = EQUILB;
  const int n = SOLVE.NCON;
  for (int I = 1; I <= n; ++I) {
    o.EQCOS(I) = std::cos(o.PHICON(I));
    o.EQSIN(I) = std::sin(o.PHICON(I));
  }
  o.EQCOS(n + 1) = 0.0f;  // the horizontal top joint, treated as one more member
  o.EQSIN(n + 1) = 1.0f;
  d.PHI21 = o.PHICON(2) - o.PHICON(1);
  o.COSP21 = std::cos(d.PHI21);
  o.SINP21 = std::sin(d.PHI21);
  d.RELANG = TPCM.IARCO == kYoke ? e.TANGLE(e.ISTAB) - e.SLMANG(e.ISTAB) + TPCM.YOKVES : 0.0f;
  o.SINTHT = std::sin(d.RELANG);
  o.COSTHT = std::cos(d.RELANG);
  if (n >= 3) {
    d.PHI31 = o.PHICON(3) - o.PHICON(1);
    d.PHI32 = o.PHICON(3) - o.PHICON(2);
    o.COSP31 = std::cos(d.PHI31);
    o.SINP31 = std::sin(d.PHI31);
    o.COSP32 = std::cos(d.PHI32);
    o.SINP32 = std::sin(d.PHI32);
  }
  if (d.PHI21 == 0.0f) stopRun({" ++> INDETERMINATE AXIAL LOAD CONFIGURATION"});
}

// Step 7: vertical joint loads of the mean configuration, and the axial and shear load of each member
// at its two joints (the top joint as one more, horizontal, member).
void staticJointLoads(float H) {
  Output& o = OUTPUT;
  Solve& s = SOLVE;
  const int n = s.NCON;
  s.ITABLE = TPCM.NUMTAB;
  ZFILL(H, o.PHICON.data());
  for (int I = 1; I <= n + 1; ++I) {
    const float c = o.EQCOS(I);
    const float sn = o.EQSIN(I);
    const int lastJoint = I == n + 1 ? I : I + 1;
    for (int J = I; J <= lastJoint; ++J) {
      o.FAX(J, I) = s.ZLDTMP(J) * c + H * sn;
      o.FSHR(J, I) = H * c - s.ZLDTMP(J) * sn;
    }
    const float weightTerm = I == s.IPERCN ? (s.CNMASS(I) - s.WETVOL) - (s.WEPERC - s.BOYMOM) : s.WETWT(I) - s.WETARM(I);
    o.SPRGK(I) = c * weightTerm + o.FAX(I, I);
  }
}

// Step 8: added inertia of every member, buoyancy of the members up to the piercing one. The
// statics' added-mass sums hold the piercing member up to its piercing element, whole (WETVL0 at
// PRCCB), and the elements above it only where the buoy top is wet; under a dry buoy top the piercing
// element loses what its dry part would carry, at its coefficient: that buoyancy less the wet one, and
// its moment likewise. Under a wet buoy top the dry part keeps its added mass, as the wave loads give
// it its inertia load.
void piercingMember(float G) {
  Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  wetMemberTerms();
  if (s.IPERCN == 0 || s.IPERCN > s.NCON) return;
  const int P = s.IPERCN;
  d.TMPLBD(P) = s.BOYMOM * s.CNLEN(P);
  d.TMPBCY(P) = s.WETVOL;
  if (partIsWet(ColumnPart::kBuoyTop, TPCM.WETYOK)) return;
  const float k = TPCM.COFMST(TPCM.IPIERC);
  d.AMITMP(P) = s.CADMOI(P) - k * dryPartSecondMoment() / G;
  s.ADMBCY(P) = s.ADMBCY(P) - (s.WETVL0 - s.WETVOL) * k;
  s.ADMLBD(P) = s.ADMLBD(P) - (s.WETVL0 * s.PRCCB - s.BOYMOM * s.CNLEN(P)) * k;
}

// Step 10: where the base joint lies from the yoke's mooring point, and the members' positions and
// directions in the SALM's axes.
void connectionGeometry(float H) {
  const Output& o = OUTPUT;
  const Solve& s = SOLVE;
  const Equilb& e = EQUILB;
  Dyncom& d = DYNCOM;
  const int n = s.NCON;
  d.PHIANC = e.SLMANG(e.ISTAB) - e.TANGLE(e.ISTAB) - TPCM.YOKVES;
  d.COSROT = std::cos(salmPlaneTurn());
  d.SINROT = std::sin(salmPlaneTurn());
  d.CPHANC = std::cos(d.PHIANC);
  d.SPHANC = std::sin(d.PHIANC);
  // The top member's lower joint, as far from the anchor as the statics place it at the mean load.
  const float XBUOY = topOffsetAtLoad(H, o.PHICON.data()) - s.CNLEN(n) * std::sin(o.PHICON(n));
  const float arm = std::fabs(e.YAWARM);
  d.RANC = std::sqrt(XBUOY * XBUOY + e.YAWARM * e.YAWARM + 2.0f * arm * XBUOY * d.CPHANC);
  d.RBASE(1, 1) = -(arm * d.CPHANC + XBUOY);
  d.RBASE(2, 1) = arm * d.SPHANC;
  d.RBASE(3, 1) = -s.DEFF;
  for (int M = 1; M <= std::min(n, 3); ++M) {
    d.DRMEM(1, M) = o.EQSIN(M);
    d.DRMEM(2, M) = 0.0f;
    d.DRMEM(3, M) = o.EQCOS(M);
    if (M == 1) continue;
    for (int x = 1; x <= 3; ++x) d.RBASE(x, M) = d.RBASE(x, M - 1) + s.CNLEN(M - 1) * d.DRMEM(x, M - 1);
  }
}

// Step 11, two members: the yoke point's motion (in the SALM plane, across it, vertical) to the
// in-plane angles of members 1 and 2 and the transverse angle of member 1.
void twoMemberKinematics() {
  const Output& o = OUTPUT;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const float L1 = s.CNLEN(1), L2 = s.CNLEN(2);
  const float s1 = o.EQSIN(1), s2 = o.EQSIN(2), c1 = o.EQCOS(1), c2 = o.EQCOS(2);
  const float ct = o.COSTHT, st = o.SINTHT;
  d.DETFLG = 0;
  d.DET = L1 * L2 * (s2 * c1 - s1 * c2 * ct);
  if (d.DET == 0.0f) {
    d.DETFLG = 1;
    stopRun({" ++> Salm members aligned: member rotations indeterminate"});
  }
  requireLeaning(1);
  const float DET = d.DET;
  d.ROTMAT(1, 1) = L2 * s2 / DET;
  d.ROTMAT(1, 2) = 0.0f;
  d.ROTMAT(1, 3) = L2 * c2 * ct / DET;
  d.ROTMAT(2, 1) = -L1 * s1 / DET;
  d.ROTMAT(2, 2) = 0.0f;
  d.ROTMAT(2, 3) = -L1 * c1 / DET;
  d.ROTMAT(3, 1) = L2 * c2 * st / DET;
  d.ROTMAT(3, 2) = L2 * (s2 * c1 / s1 - c2 * ct) / DET;
  d.ROTMAT(3, 3) = L2 * c1 * c2 * st / (s1 * DET);
}

// A mode's circular frequency and period; a stiffness over inertia that is not positive has none. The
// stiffness is the moment of the members' weights and buoyancies in the mean configuration.
void modeFrequency(float stiffness, float inertia, std::string_view mode, float& omega, float& period) {
  const float ratio = stiffness / inertia;
  if (!(ratio > 0.0f)) {
    std::vector<std::string> lines{
        " ++> " + std::string(mode) + " Salm mode: stiffness over inertia is " + fmtE(ratio, 12, 4) + ";",
        "     the mode has no period"};
    addFlowingLines(lines, "     ",
                    "The weights and buoyancies of the members do not restore it in the mean configuration under the "
                    "load " + forceText(EQUILB.FTOT(EQUILB.ISTAB)) + ":");
    const std::vector<std::string> members = memberDataLines();
    lines.insert(lines.end(), members.begin(), members.end());
    addFlowingLines(lines, "     ", "Check the element volumes, weights and their centres (page 3, items 3 to 6).");
    fatalStop(kCaller, TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
  }
  omega = std::sqrt(ratio);
  period = kTwoPi / omega;
}

// Step 12: the in-plane mode (member 1 turning in the plane, members 2 and 3 following through the
// linkage with the chain's ends fixed) and the transverse mode of the three-member column, and the
// coefficients with which the yoke's motion enters their equations.
void threeMemberModes(float G) {
  Output& o = OUTPUT;
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  const float L1 = s.CNLEN(1), L2 = s.CNLEN(2), L3 = s.CNLEN(3);
  const float s1 = o.EQSIN(1), s2 = o.EQSIN(2), s3 = o.EQSIN(3);
  const float c1 = o.EQCOS(1), c2 = o.EQCOS(2), c3 = o.EQCOS(3);
  const float ct = o.COSTHT, st = o.SINTHT;
  const float M2 = s.CNMASS(2), M3 = s.CNMASS(3);
  const float W1 = d.TMPLWE(1), W2 = d.TMPLWE(2), W3 = d.TMPLWE(3);
  const float D1 = d.TMPLBD(1), D2 = d.TMPLBD(2), D3 = d.TMPLBD(3);
  const float Y2 = d.TMPBCY(2), Y3 = d.TMPBCY(3);
  const float AL2 = s.ADMLBD(2), AL3 = s.ADMLBD(3);
  const float AB2 = s.ADMBCY(2), AB3 = s.ADMBCY(3);
  const float I1 = d.CMOI(1), I2 = d.CMOI(2), I3 = d.CMOI(3);

  const float DENOM = s3 * c2 - s2 * c3 * ct;
  if (DENOM == 0.0f) {
    stopRun({" ++> Salm members 2 and 3: in line in the mean configuration;",
             "     the linkage ratios are indeterminate"});
  }
  requireLeaning(2);
  requireLeaning(3);
  d.DTH2DT = -(L1 * s1) / (L2 * s2);

  d.BETA2 = BETA2C(s.CNLEN.data(), o.PHICON.data(), d.RELANG);
  d.BETA3 = BETA3C(s.CNLEN.data(), o.PHICON.data(), d.RELANG);
  float DB2DP1 = 0.0f, DB3DP1 = 0.0f, DB2DP2 = 0.0f, DB3DP2 = 0.0f, DB2DP3 = 0.0f, DB3DP3 = 0.0f;
  float DB2DTH = 0.0f, DB3DTH = 0.0f;
  BETCLC(d.BETA2, d.BETA3, DB2DP1, DB3DP1, DB2DP2, DB3DP2, DB2DP3, DB3DP3, DB2DTH, DB3DTH, s.CNLEN.data(),
         o.PHICON.data(), d.RELANG);
  const float b2 = d.BETA2, b3 = d.BETA3;
  // Second derivatives of phi2 and phi3 along the linkage.
  const float B2COF = DB2DP1 + b2 * DB2DP2 + b3 * DB2DP3;
  const float B3COF = DB3DP1 + b2 * DB3DP2 + b3 * DB3DP3;

  // Static moment coefficients: the potential of the column is C1 cos phi1 + C2 cos phi2 + C3 cos phi3.
  Sines& sn = SINES;
  sn.C1 = L1 * ((M3 - Y3) + (M2 - Y2)) + W1 - D1;
  sn.C2 = L2 * (M3 - Y3) + W2 - D2;
  sn.C3 = W3 - D3;
  const float C1 = sn.C1, C2 = sn.C2, C3 = sn.C3;

  const float DVDTDT = -L1 * s1 * s2 * s3 * (d.DTH2DT - 1.0f) * (C3 / L3 - C2 / L2) / DENOM;
  const float DVDPDP = -(C1 * c1 + C2 * (c2 * b2 * b2 + s2 * B2COF) + C3 * (c3 * b3 * b3 + s3 * B3COF));
  const float APHI = -L3 * b3 * st * c3 / (L2 * s2);
  const float DVDTDP = (C2 / L2 - C3 / L3) * APHI * L1 * s1 * s2 * s3 / DENOM;

  const float M2STAR = M2 + AB2;
  const float TMPFC1 = L1 * o.COSP21 * (W2 + AL2);
  o.EQMASS = I1 + b2 * b2 * I2 + b3 * b3 * I3 +
             (L1 * L1 * M2STAR + b3 * b3 * L3 * L3 * ((M3 - 2.0f * W3 / L3) + (AB3 - 2.0f * AL3 / L3)) +
              2.0f * b2 * TMPFC1 - AB2 * L1 * L1 * o.SINP21 * o.SINP21) /
                 G;

  d.F2DDC = I2 * b2 + L1 * o.COSP21 * (W2 + AL2) / G;
  d.F3DDC = b3 * (I3 + L3 * (L3 * (M3 + AB3) - 2.0f * (W3 + AL3)) / G);
  d.G2DDC = s2 * (I2 * s2 * d.DTH2DT + L1 * s1 * (W2 + AL2) / G);
  d.H2DDC = b3 * (L3 * (M3 + AB3) - (W3 + AL3)) / G;
  d.F2CST = C2 * (b2 * c2 + DB2DP2 * s2) + C3 * DB3DP2 * s3;
  d.F3CST = C3 * (b3 * c3 + DB3DP3 * s3) + C2 * DB2DP3 * s2;
  // With the yoke in the SALM plane (or member 3 not turning) APHI is 0 and the quotient takes its
  // limit.
  d.G2CST = APHI != 0.0f ? DVDTDP / APHI : (C2 / L2 - C3 / L3) * L1 * s1 * s2 * s3 / DENOM;

  o.EQMAS2 = I1 * s1 * s1 + I2 * s2 * s2 * d.DTH2DT * d.DTH2DT +
             (L1 * L1 * M2STAR * s1 * s1 + 2.0f * L1 * (AL2 + W2) * d.DTH2DT * s1 * s2) / G;

  modeFrequency(DVDPDP, o.EQMASS, "In-plane", o.WMODEH, o.TSALMH);
  modeFrequency(DVDTDT, o.EQMAS2, "Transverse", o.WMODEL, o.TSALML);
  writeRecord(TPCM.EDUNIT, " >>> Salm normal mode periods =" + fmtF(o.TSALMH, 6, 2) + "," + fmtF(o.TSALML, 6, 2) +
                               " seconds");
}

// Step 11. A column of two members, whatever joins its top to the vessel (a buoyant riser has no
// more), has no mode of its own: its top is held at the attachment point, so its members follow
// that point's motion.
void kinematicsAndModes(float G) {
  const int n = SOLVE.NCON;
  if (n <= 2) {
    twoMemberKinematics();
    requireLeaning(n);
    return;
  }
  threeMemberModes(G);
}

// Integral of q |q| (fad) and of (q - 1) q |q| (tad) for q from qBottom to qTop; q changes sign at
// most once along a member, from positive to negative.
void dragIntegrals(float qBottom, float qTop, float& fad, float& tad) {
  const auto cube3 = [](float q) { return q * (q * q) / 3.0f; };
  const auto quart4 = [](float q) { return (q * q) * (q * q) / 4.0f; };
  const float QBOT3 = cube3(qBottom), QTOP3 = cube3(qTop);
  const float QBOT4 = quart4(qBottom), QTOP4 = quart4(qTop);
  if (qBottom * qTop > 0.0f) {
    const float sign = qTop > 0.0f ? 1.0f : -1.0f;
    fad = (QTOP3 - QBOT3) * sign;
    tad = ((QTOP4 - QTOP3) - (QBOT4 - QBOT3)) * sign;
  } else {
    fad = -(QTOP3 + QBOT3);
    tad = -((QTOP4 - QTOP3) + (QBOT4 - QBOT3));
  }
}

// Step 13: the projected drag area of each member's wet elements and its moments about the member's
// lower joint; for member 2 the drag force and torque factors of the in-plane mode, in which a point
// of member 2 at distance x from its lower joint moves as 1 + ACONST x.
void dragAreaMoments() {
  const Tpcm& t = TPCM;
  const Solve& s = SOLVE;
  const Output& o = OUTPUT;
  Dyncom& d = DYNCOM;
  const int n = s.NCON;
  const float L1 = s.CNLEN(1);
  const float ACONST = n > 2 ? d.BETA2 / (L1 * o.COSP21) : 1.0f;
  if (!(std::isfinite(ACONST) && ACONST != 0.0f)) {
    stopRun({" ++> Salm member 2: does not turn with member 1 in the in-plane mode;",
             "     its drag is indeterminate"});
  }
  const float FRONT = (L1 * o.COSP21) * (L1 * o.COSP21);
  for (int ICON = 1; ICON <= n; ++ICON) {
    float TMPAR = 0.0f;
    float BOTLEN = 0.0f;
    float TOPLEN = 0.0f;
    if (ICON == 2) d.FRCFC2 = d.TRQFC2 = 0.0f;
    for (int II = s.JELEM(ICON); II <= s.JELEM(ICON + 1) - 1; ++II) {
      if (elementIsWet(II, ICON)) {
        if (ICON == 2) {
          TOPLEN = t.SLEN(II) + BOTLEN;
          const float QBOT = 1.0f + ACONST * BOTLEN;
          const float QTOP = 1.0f + ACONST * TOPLEN;
          const float ELEMAR = 2.0f * std::sqrt(t.BUOY(II) / (t.SLEN(II) * s.BCONV * kPi));  // element diameter
          float FADFAC = 0.0f, TADFAC = 0.0f;
          dragIntegrals(QBOT, QTOP, FADFAC, TADFAC);
          d.FRCFC2 += t.COFDMT(II) * ELEMAR * FADFAC;
          d.TRQFC2 += t.COFDMT(II) * ELEMAR * TADFAC;
        }
        TMPAR += std::sqrt(t.BUOY(II) * t.SLEN(II));
      }
      BOTLEN = TOPLEN;
    }
    if (ICON == 2) {
      d.FRCFC2 = FRONT * d.FRCFC2 / ACONST;
      d.TRQFC2 = FRONT * d.TRQFC2 / (ACONST * ACONST);
    }
    TMPAR = 2.0f * TMPAR / std::sqrt(s.BCONV * kPi);
    const bool dryTop = !partIsWet(ColumnPart::kBuoyTop, t.WETYOK);
    const float TMPCB = ICON == s.IPERCN && dryTop ? s.PRCCB : s.CNCB(ICON);
    d.AMOM0(ICON) = TMPAR;
    d.AMOM1(ICON) = TMPAR * TMPCB;
    d.AMOM2(ICON) = d.AMOM1(ICON) * TMPCB;
    d.AMOM3(ICON) = d.AMOM2(ICON) * TMPCB;
  }
}

// Step 14.
void outputFlags() {
  const Tpcm& t = TPCM;
  Output& o = OUTPUT;
  o.ISPRED = 0;
  o.LREG = t.ALLRAO + t.PRNRAO;
  o.SPRDFG = t.LSPRED != 0 ? 1 : 0;
  o.MLTRAO = o.SPRDFG == 1 || wavesOnSeveralHeadings() ? 1 : 0;
  if (t.LEXTND != 0) o.MLTRAO = 0;
}

// The debug listing of the driver's results, with the chance to change LREG and the debug level.
void debugListing() {
  Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  const Dyncom& d = DYNCOM;
  const std::int32_t unit = t.EDUNIT;
  for (int I = 1; I <= SOLVE.NCON; ++I) {
    listDebugValues("MEMBER " + fmtI(I, 1) + " PHICON, FAX, FSHR, SPRGK:",
                    {o.PHICON(I), o.FAX(I, I), o.FSHR(I, I), o.SPRGK(I)});
    listDebugValues("         CLMAS, CMOI, AMOM0, AMOM1:", {d.CLMAS(I), d.CMOI(I), d.AMOM0(I), d.AMOM1(I)});
  }
  listDebugValues("RELANG, PHIANC, RANC:", {d.RELANG, d.PHIANC, d.RANC});
  for (int r = 1; r <= 3; ++r) listDebugValues("ROTMAT:", {d.ROTMAT(r, 1), d.ROTMAT(r, 2), d.ROTMAT(r, 3)});
  listDebugValues("BETA2, BETA3, DTH2DT:", {d.BETA2, d.BETA3, d.DTH2DT});
  listDebugValues("EQMASS, EQMAS2, WMODEH, WMODEL:", {o.EQMASS, o.EQMAS2, o.WMODEH, o.WMODEL});
  listDebugValues("F2DDC, F3DDC, G2DDC, H2DDC:", {d.F2DDC, d.F3DDC, d.G2DDC, d.H2DDC});
  listDebugValues("F2CST, F3CST, G2CST:", {d.F2CST, d.F3CST, d.G2CST});
  listDebugValues("FRCFC2, TRQFC2:", {d.FRCFC2, d.TRQFC2});
  writeRecord(unit, " LREG, SPRDFG, MLTRAO:" + fmtI(o.LREG, 5) + fmtI(o.SPRDFG, 5) + fmtI(o.MLTRAO, 5));
  PRSRET(unit, kKeyboardUnit, t.LBACK);
  enterBounded("Input LREG (=0,1,2) ", OUTPUT.LREG, 0, 2, unit, kKeyboardUnit);
  INBUG(t.NBUG, unit, kKeyboardUnit);
}

void openFiles() {
  const Tpcm& t = TPCM;
  openDynamicsReports(kCaller);
  if (t.LEXTND == 0) {
    RHOPEN(kMotionFile, kUnformatted, kMustExist, t.IDRIVE, kYokeMotionUnit, kCaller, t.EDUNIT, t.CMPUTR);
    memmotState.filePeriods = wavePoints();  // the length of every heading block of the file
  }
}

void closeFiles() {
  closeDynamicsReports(kCaller);
  if (TPCM.LEXTND == 0) HCLOSE(kYokeMotionUnit, kMotionFile, kCaller, TPCM.EDUNIT);
}

// Step 15: the number of headings from the first item of "YOKEMOT", then the headings in order.
// A file that cannot hold the yoke's motions stops before the first heading.
void walkHeadings() {
  Output& o = OUTPUT;
  o.ISPRED = 0;
  o.NRAOSM = 1;
  if (TPCM.LEXTND == 0) {
    if (!yokeMotionLayout(memmotState.filePeriods).present) noYokeMotions(kCaller, 1);
    if (readUnformatted(kYokeMotionUnit, o.NRAOSM) != RecordStatus::kOk) noYokeMotions(kCaller, 1);
  }
  const std::int32_t headings = o.NRAOSM;
  for (int heading = 1; heading <= headings; ++heading) {
    MEMMOT();
    MEMLOD();
  }
}

// Why no heading was reported: page 18 asks for no tables, or for those of the principal wave
// direction alone, which a spread sea's headings miss when they turn with the vessel.
std::vector<std::string> noMemberResponseReason() {
  const Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  if (o.LREG <= 0) {
    return {"     Page 18 asks for none: \"Output RAOs for principal wave directions\" (item 3) and",
            "     \"Output RAOs at all intermediate angles\" (item 4) are both 0. Set item 3 to 1 for the",
            "     tables of the principal wave direction, or item 4 to 1 for those of every wave heading."};
  }
  std::vector<std::string> lines{
      "     Page 18 asks for the tables of the principal wave direction alone (item 3 is 1, item 4 is 0),",
      "     and none of the " + fmtI(o.NRAOSM, 0) + " wave headings of the run lies in it."};
  if (o.SPRDFG == 1) {
    const Equilb& e = EQUILB;
    lines.back() += " The headings of the spread sea";
    lines.push_back("     (page 15, item 20) were taken about the vessel at heading 0 and turn with it: at the stable");
    lines.push_back("     equilibrium it heads " + degreesText(e.TANGLE(e.ISTAB) * kDegreesPerRadian) +
                    ", and none of them comes within half a wedge, " +
                    degreesText(0.5f * WAVCOM.DA * kDegreesPerRadian));
    lines.push_back("     (page 15, items 22 and 23), of the sea heading " + degreesText(t.SEAHDG(1)) +
                    " (page 15, item 4).");
  }
  lines.push_back("     Set item 4 of page 18 to 1 for the tables of every wave heading.");
  return lines;
}

// The report and the plot table of a run that reported no heading.
void writeNoMemberResponse() {
  const Tpcm& t = TPCM;
  const std::int32_t u = t.IUNIT;
  PAGE(u, t.EDUNIT, 1, 99);
  writeSectionSevenTitle(u);
  writeRecord(u, " >>> NO MEMBER RESPONSE TABLES");
  writeRecord(u, "");
  for (const std::string& line : noMemberResponseReason()) writeRecord(u, line);
  if (u == t.EDUNIT) PRSRET(t.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  if (t.IPLOTS != 0) {
    writeRecord(kDynamicsPlotUnit, fmtI(t.IUNIT, 5));
    writeRecord(kDynamicsPlotUnit, fmtI(0, 5));
  }
}

}  // namespace

constinit SectionSevenState sectionSevenState{};
const BlockReset resetSectionSevenState{[] { sectionSevenState.reset(); }};

void noYokeMotions(std::string_view routine, std::int32_t heading) {
  const Tpcm& t = TPCM;
  const std::string none = "The vessel motion file \"YOKEMOT\" holds no yoke motions";
  std::vector<std::string> why;
  if (t.NACC <= 0) {
    why = flowingLines("     ", none + ": the data set names no vessel point (NACC =" + fmtI(t.NACC, 4) +
                                   "), and the yoke's motions are the first point's.");
  } else if (t.LDSP == 0) {
    why = flowingLines("     ", none + ": the vessel response wrote no displacements of the vessel points "
                                      "(LDSP off), and the yoke's are the first point's.");
  } else {
    why = {"     " + none + " for heading" + fmtI(heading, 4) + ":", "     it ends before them."};
  }
  FILERR("Unknown", routine, t.EDUNIT, kKeyboardUnit, why);
}

void openDynamicsReports(std::string_view caller) {
  const Tpcm& t = TPCM;
  sectionSevenState.passes = 0;
  if (t.IUNIT == kReportsToFiles)
    RHOPEN(kDynamicsReportFile, kFormatted, kFresh, t.IDRIVE, t.IUNIT, caller, t.EDUNIT, t.CMPUTR);
  if (t.IPLOTS != 0) {
    RHOPEN(kDynamicsPlotFile, kFormatted, kFresh, t.IDRIVE, kDynamicsPlotUnit, caller, t.EDUNIT, t.CMPUTR);
  }
}

void closeDynamicsReports(std::string_view caller) {
  const Tpcm& t = TPCM;
  if (sectionSevenState.passes == 0) writeNoMemberResponse();
  if (t.IUNIT == kReportsToFiles) HCLOSE(t.IUNIT, kDynamicsReportFile, caller, t.EDUNIT);
  if (t.IPLOTS != 0) HCLOSE(kDynamicsPlotUnit, kDynamicsPlotFile, caller, t.EDUNIT);
}

void listDebugValues(std::string_view label, std::initializer_list<float> values) {
  std::string line = " " + std::string(label);
  for (const float v : values) line += fmtE(v, 14, 6);
  writeRecord(TPCM.EDUNIT, line);
}

void wetMemberTerms() {
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  // The statics sum the added inertia of the wet elements alone: a wet yoke's too.
  for (int I = 1; I <= s.NCON; ++I) d.AMITMP(I) = s.CADMOI(I);
  for (int I = 1; I <= std::min(s.IPERCN, s.NCON); ++I) {
    d.TMPLBD(I) = s.CNCB(I) * s.CNBUOY(I);
    d.TMPBCY(I) = s.CNBUOY(I);
  }
}

WetElements dynamicsWetElements() {
  if (!piercingMemberInColumn()) return wetElements(0.0f, 0.0f);
  const int P = SOLVE.IPERCN;
  return wetElements(DYNCOM.TMPBCY(P), DYNCOM.TMPLBD(P));
}

void memberMassProperties(float G) {
  const Solve& s = SOLVE;
  Dyncom& d = DYNCOM;
  for (int I = 1; I <= s.NCON; ++I) {
    d.TMPLWE(I) = s.CNCG(I) * s.CNMASS(I);
    d.CLMAS(I) = (d.TMPLWE(I) + s.ADMLBD(I)) / G;
    d.CMOI(I) = d.AMITMP(I) + s.CNMASS(I) * SQSUM(s.CNCG(I), s.CNGYR(I)) / G;
  }
}

void DYNSLM() {
  Tpcm& t = TPCM;
  Dyncom& d = DYNCOM;
  writeRecord(t.EDUNIT, " >>> Computing Salm normal mode parameters...");
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In DYNSLM:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  openFiles();
  d.ZERO = Complex(0.0f, 0.0f);
  d.ONE = Complex(1.0f, 0.0f);
  d.IMAG = Complex(0.0f, 1.0f);
  const float H = meanMemberAngles();
  checkMemberCount();
  relativeAngles();
  const float G = WAVCOM.G;
  staticJointLoads(H);
  piercingMember(G);
  memberMassProperties(G);
  connectionGeometry(H);
  kinematicsAndModes(G);
  dragAreaMoments();
  outputFlags();
  if (t.NBUG != 0) debugListing();
  walkHeadings();
  closeFiles();
  RANOUT();
}

}  // namespace qv

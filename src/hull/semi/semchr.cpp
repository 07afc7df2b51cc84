// SEMCHR: the semi-submersible's members cut at the waterline into the member table SIMCOM, the
// hydrostatic estimates from the members with their comparison against the input, the summed added
// masses and inertias, the rotation centres, the natural heave, pitch and roll frequencies, and the
// square-law damping constants.
#include <array>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/semi/semi.h"
#include "hull/semi/semi_common.h"
#include "hull/semi/simcom.h"
#include "numlib/algebra.h"
#include "numlib/circle_constants.h"
#include "numlib/member_geometry.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

constinit SemchrState semchrState{};
const BlockReset resetSemchrState{[] { semchrState.reset(); }};

namespace {

using Vec3 = std::array<float, 3>;
using Mat3 = std::array<float, 9>;  // stored by columns: element (i, j) at (j - 1) 3 + i - 1

float at(const Mat3& m, int i, int j) { return m[(j - 1) * 3 + (i - 1)]; }

// What the member loop adds up over the members.
struct MemberSums {
  float M11 = 0.0f, M22 = 0.0f, M33 = 0.0f;  // added masses along x, y, z [ft^3 | m^3]
  Vec3 surgeMoment{}, swayMoment{}, heaveMoment{};  // those masses times their centroids
  float Ssr = 0.0f;  // sway-roll coupling
  float Ssy = 0.0f;  // sway-yaw coupling
  float Ssp = 0.0f;  // surge-pitch coupling
  float Irl = 0.0f, Ipt = 0.0f, Iyw = 0.0f;  // added roll, pitch, yaw inertia [ft^5 | m^5]
  float IT = 0.0f, IL = 0.0f;  // transverse and longitudinal waterplane inertia [ft^4 | m^4]
  float Ax = 0.0f, Ay = 0.0f;  // face areas of the crossing members across x and y [ft^2 | m^2]
  float Wx = 0.0f, Wy = 0.0f;  // waterline widths of the crossing members across x and y [ft | m]
};

// The input values the later steps use besides those stored in the blocks.
struct Weight {
  float W;   // the weight as a volume of water [ft^3 | m^3]
  float zc;  // the reference height of the square-law damping [ft | m]
};

// Steps 1 to 3: effective draft and hydrostatics (with the pull-down of a tension-leg hull), the
// displaced volume, the weight, the box values and the restoring terms.
Weight inputHydrostatics() {
  Himem& h = HIMEM;
  const Tpcm& t = TPCM;
  if (semi::tensionLeg()) {
    const float pullDown = PASCOM.DELTA_DRAFT;
    h.EDRAFT = t.TDRAFT + pullDown;
    const float added = pullDown * t.TAWP * t.DWATR / 1000.0f;
    h.EDISPL = t.TDISPL + added;
    h.EVKB = (t.TDISPL * t.VKB + (t.TDRAFT + 0.5f * pullDown) * added) / h.EDISPL;
    h.EVKML = (t.VKML - t.VKB) * t.TDISPL / h.EDISPL + h.EVKB;
    h.EVKMT = (t.VKMT - t.VKB) * t.TDISPL / h.EDISPL + h.EVKB;
  } else {
    h.EDISPL = t.TDISPL;
    h.EDRAFT = t.TDRAFT;
    h.EVKB = t.VKB;
    h.EVKML = t.VKML;
    h.EVKMT = t.VKMT;
  }

  h.DELTA = h.EDISPL * 1000.0f / t.DWATR;
  Weight w{};
  if (semi::tensionLeg()) {
    w.W = PASCOM.TLPWGHT * 1000.0f / t.DWATR;
    h.EVKG = t.VKG * w.W / h.DELTA;
  } else if (t.LPHANTOM_WGHT == 1) {
    w.W = (h.EDISPL - t.TLP_TENSION) * 1000.0f / t.DWATR;
    h.EVKG = t.VKG * w.W / h.DELTA;
  } else {
    w.W = h.DELTA;
    h.EVKG = t.VKG;
  }
  w.zc = (t.VKG * w.W + h.EVKB * h.DELTA) / (h.DELTA + w.W);

  h.BEAM = t.TBWL;
  h.SHIPL = t.TLWL;
  h.BEAM2 = h.BEAM / 2.0f;
  h.SHIPL2 = h.SHIPL / 2.0f;
  h.XSCALE = h.SHIPL2;
  h.YSCALE = h.BEAM2;
  h.GML = h.EVKML - h.EVKG;
  h.GMT = h.EVKMT - h.EVKG;
  h.PRMT = WAVCOM.G * h.GML * h.DELTA;
  h.RRMT = WAVCOM.G * h.GMT * h.DELTA;
  h.HC = WAVCOM.G * t.TAWP;
  if (semi::tensionLeg()) {
    h.PRMT += PASCOM.PTENDN;
    h.RRMT += PASCOM.RTENDN;
    h.HC += PASCOM.HTENDN;
  }
  return w;
}

// Step 4: every sum of the member loop starts from zero.
void clearSums() {
  Tpcm& t = TPCM;
  t.VOLEST = t.VCBEST = t.XCBEST = t.YCBEST = 0.0f;
  t.AWPEST = t.XWPCTR = t.YWPCTR = 0.0f;
  PASCOM.ACDSG = PASCOM.ACDSW = PASCOM.MENWLX = PASCOM.MENWLY = 0.0f;
  SIMCOM.CQRL = SIMCOM.CQPT = SIMCOM.CQHV = 0.0f;
  SIMCOM.NPIERCE = 0;
}

// R^T diag(v) R: a matrix of the member's local axes in vessel axes.
Mat3 toVesselAxes(const semi::MemberFrame& frame, const Vec3& v) {
  const Mat3 diagonal = {v[0], 0.0f, 0.0f, 0.0f, v[1], 0.0f, 0.0f, 0.0f, v[2]};
  Mat3 rtm{};
  Mat3 result{};
  GTPRD(frame.R.data(), diagonal.data(), rtm.data(), 3, 3, 3);
  GMPRD(rtm.data(), frame.R.data(), result.data(), 3, 3, 3);
  return result;
}

// Per-axis magnitudes of the member's local axes in vessel axes: component i is the sum over j of
// R(j, i)^2 v(j).
Vec3 squaresToVesselAxes(const semi::MemberFrame& frame, const Vec3& v) {
  Mat3 squares{};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) squares[(j - 1) * 3 + (i - 1)] = frame.R(j, i) * frame.R(j, i);
  Vec3 result{};
  MATPRD(squares.data(), v.data(), result.data(), 3, TPCM.EDUNIT);
  return result;
}

// The squared radius of gyration of a waterplane section per unit of its dimension squared, by the
// section kind of the data set: 0 a rectangle, 1 an ellipse, 2 between the two. Any other kind is
// taken as a rectangle.
float sectionFactor(std::int32_t kind) {
  if (kind == 1) return 0.0625f;
  if (kind == 2) return 0.0714f;
  return 1.0f / 12.0f;
}

// The integral over s in [0, L] of |a + b s|^3: by its polynomial where a + b s keeps its sign, from
// the antiderivative u |u|^3 / (4 b) at the two ends where it changes sign (b then far from 0).
double cubedLeverIntegral(double a, double b, double L) {
  const double c = b * L;
  const double end = a + c;
  if (a * end >= 0.0) return L * std::fabs(a * a * a + 1.5 * a * a * c + a * c * c + 0.25 * c * c * c);
  const auto antiderivative = [](double u) { return u * std::fabs(u * u * u); };
  return (antiderivative(end) - antiderivative(a)) / (4.0 * b);
}

// The member's square-law damping constants of heave, pitch and roll (before the density): its drag
// across the wetted axis, per unit length, at every point's lever about the rotation axes (through
// x = 0 for pitch, y = 0 for roll, both at the height zc), integrated in closed form; its end drag
// where an end meets the water, as the wave forces take it: on the end's face (the cross-section
// XAREA) by its end-drag coefficient, at the end the wet part starts from (P1), and at its other end
// only when `farEndTakesDrag`; and its drag turning about its own axis. Exact for a member cut into
// any pieces that carry no end drag where they join.
struct SquareLawDamping {
  double heave = 0.0, pitch = 0.0, roll = 0.0;
};
SquareLawDamping squareLawDamping(const semi::MemberFrame& frame, const float* P1, const float* n, float Ls,
                                  bool farEndTakesDrag, const Vec3& c, float endDrag, float rOwnAxis, float zc) {
  // The drag across the member (local axes 1 and 2) per unit wetted length, and its end drag (along
  // local axis 3), in vessel axes by the squares rule.
  double perLength[3], end[3];
  for (int i = 1; i <= 3; ++i) {
    perLength[i - 1] = (frame.R(1, i) * frame.R(1, i) * c[0] + frame.R(2, i) * frame.R(2, i) * c[1]) / Ls;
    end[i - 1] = frame.R(3, i) * frame.R(3, i) * endDrag;
  }
  SquareLawDamping d;
  d.heave = perLength[2] * Ls;
  d.pitch = perLength[2] * cubedLeverIntegral(P1[0], n[0], Ls) + perLength[0] * cubedLeverIntegral(P1[2] - zc, n[2], Ls);
  d.roll = perLength[2] * cubedLeverIntegral(P1[1], n[1], Ls) + perLength[1] * cubedLeverIntegral(P1[2] - zc, n[2], Ls);
  const auto cube = [](double v) { return std::fabs(v * v * v); };
  for (const double s : {0.0, static_cast<double>(Ls)}) {
    if (s > 0.0 && !farEndTakesDrag) break;
    const double x = P1[0] + s * n[0], y = P1[1] + s * n[1], zArm = P1[2] + s * n[2] - zc;
    d.heave += end[2];
    d.pitch += end[2] * cube(x) + end[0] * cube(zArm);
    d.roll += end[2] * cube(y) + end[1] * cube(zArm);
  }
  // Turning about its own axis: its rotational drag term in vessel axes, n_i^2 r(3), over 32.
  d.pitch += n[1] * n[1] * rOwnAxis / 32.0;
  d.roll += n[0] * n[0] * rOwnAxis / 32.0;
  return d;
}

// Steps 6a to 6k for member I: the table entries and the member's part of every sum, from its wet
// part. That is found from where its two ends lie, so that a member gives one hull whichever end is
// entered as its base: a member whose base stands in the air while its far end lies under water is
// measured from its far end, and the table holds the end it is measured from (CYLBAS), which every
// stage that walks the members takes as the member's start. (Measured from a base in the air, the
// dry part would be taken as wet and the waterplane as negative.)
void addMember(int I, float zc, MemberSums& s) {
  Tpcm& t = TPCM;
  Simcom& m = SIMCOM;
  const float* base = &t.RCYLB(1, I);
  const float* top = &t.RCYLT(1, I);
  // A member that adds nothing starts at its base, where the wave forces find it dry (or of no
  // length); its other entries keep what they hold.
  for (int j = 1; j <= 3; ++j) m.CYLBAS(j, I) = base[j - 1];
  // A member of no length has no volume, no area and no direction.
  if (base[0] == top[0] && base[1] == top[1] && base[2] == top[2]) return;
  const WetPart wet = wetPart(base, top, HIMEM.EDRAFT);
  if (wet.dry()) return;
  const float* P1 = wet.start;
  const float* D = wet.D;
  const float* n = wet.DC;
  const float L = wet.XLEN, Ls = wet.WLEN, FAC = wet.FAC;
  for (int j = 1; j <= 3; ++j) {
    m.CYLBAS(j, I) = P1[j - 1];
    m.DIRVEC(j, I) = n[j - 1];
  }
  const bool crossing = wet.crossing();

  // a, b: wetted length, centroid and volume.
  m.CYLLEN(I) = Ls;
  m.LPIERCE(I) = 0;
  if (crossing) {
    ++m.NPIERCE;
    m.CYLLEN(I) = 1.001f * Ls;
    m.LPIERCE(I) = 1;
  }
  const float f = Ls / L;
  Vec3 C{};
  for (int j = 0; j < 3; ++j) {
    C[j] = P1[j] + (f / 2.0f) * D[j];
    m.CYLCG(j + 1, I) = C[j];
  }
  const float V = Ls * t.XAREA(I);
  t.VOLEST += V;
  t.VCBEST += V * C[2];
  t.XCBEST += V * C[0];
  t.YCBEST += V * C[1];

  // c: per local axis the squared radius of gyration, face area, drag and rotational drag terms.
  const Vec3 d = {t.DIAMS(1, I), t.DIAMS(2, I), t.DIAMS(3, I) * f};
  Vec3 g{}, a{}, c{}, r{};
  for (int j = 1; j <= 3; ++j) {
    const int k = j % 3 + 1;
    const int mm = k % 3 + 1;
    const float dk = d[k - 1], dm = d[mm - 1];
    g[j - 1] = (dm * dm + dk * dk) / 12.0f;
    a[j - 1] = dk * dm;
    c[j - 1] = t.CYLCD(j, I) * a[j - 1];
    float DMAX = 0.0f, DJ = 0.0f;
    DIMADJ(d.data(), DMAX, DJ, j);
    r[j - 1] = t.CYLCDI(j, I) * DJ * DMAX * DMAX * DMAX * DMAX;
  }

  // d: the member frame.
  const semi::MemberFrame frame = semi::memberFrame(n);

  // e: the waterplane of a crossing member, its section stretched along the member's inclination.
  if (crossing) {
    const float xw = P1[0] + Ls * n[0];
    const float yw = P1[1] + Ls * n[1];
    const float sf = sectionFactor(t.NCYLTP(I));
    const float k1 = sf * d[0] * d[0] * FAC * FAC;
    const float k2 = sf * d[1] * d[1];
    const float sp = frame.sinP, cp = frame.cosP;
    m.MRWPG2(I) = sp * sp * k1 + cp * cp * k2;
    m.MPWPG2(I) = cp * cp * k1 + sp * sp * k2;
    const float Aw = FAC * t.XAREA(I);
    t.AWPEST += Aw;
    t.XWPCTR += xw * Aw;
    t.YWPCTR += yw * Aw;
    s.IT += (yw * yw + m.MRWPG2(I)) * Aw;
    s.IL += (xw * xw + m.MPWPG2(I)) * Aw;
  }

  // f, g: inertia coefficients, added mass and added inertia in vessel axes.
  const Mat3 force = toVesselAxes(frame, {1.0f + t.CYLCM(1, I), 1.0f + t.CYLCM(2, I), 1.0f + t.CYLCM(3, I)});
  const Mat3 moment = toVesselAxes(frame, {1.0f + t.CYLCMI(1, I), 1.0f + t.CYLCMI(2, I), 1.0f + t.CYLCMI(3, I)});
  for (int k = 0; k < 9; ++k) {
    (&m.FRCCOF(1, 1, I))[k] = t.DRAG_ONLY == 1 ? 0.0f : force[k];
    (&m.MNTCOF(1, 1, I))[k] = t.DRAG_ONLY == 1 ? 0.0f : moment[k];
  }
  const Mat3 A = toVesselAxes(frame, {t.CYLCM(1, I) * V, t.CYLCM(2, I) * V, t.CYLCM(3, I) * V});
  const Mat3 J =
      toVesselAxes(frame, {t.CYLCMI(1, I) * g[0] * V, t.CYLCMI(2, I) * g[1] * V, t.CYLCMI(3, I) * g[2] * V});

  // h: areas and drag terms in vessel axes.
  const Vec3 av = squaresToVesselAxes(frame, a);
  const Vec3 cv = squaresToVesselAxes(frame, c);
  const Vec3 rv = squaresToVesselAxes(frame, r);

  // i: added masses with their moments and couplings, added inertias about the keel origin.
  const float Cx = C[0], Cy = C[1], Cz = C[2];
  s.M11 += at(A, 1, 1);
  s.M22 += at(A, 2, 2);
  s.M33 += at(A, 3, 3);
  for (int j = 0; j < 3; ++j) {
    s.surgeMoment[j] += at(A, 1, 1) * C[j];
    s.swayMoment[j] += at(A, 2, 2) * C[j];
    s.heaveMoment[j] += at(A, 3, 3) * C[j];
  }
  s.Ssr += at(A, 3, 2) * Cy - at(A, 2, 2) * Cz;
  s.Ssy += at(A, 2, 2) * Cx - at(A, 1, 2) * Cy;
  s.Ssp += at(A, 1, 1) * Cz - at(A, 3, 1) * Cx;
  s.Irl += Cz * Cz * at(A, 2, 2) + Cy * Cy * at(A, 3, 3) + at(J, 1, 1);
  s.Ipt += Cz * Cz * at(A, 1, 1) + Cx * Cx * at(A, 3, 3) + at(J, 2, 2);
  s.Iyw += Cy * Cy * at(A, 1, 1) + Cx * Cx * at(A, 2, 2) + at(J, 3, 3);

  // j: drag per unit wetted length, except along the axis the member lies on, which keeps the whole
  // member's value.
  for (int j = 1; j <= 3; ++j) {
    m.DRGFCF(j, I) = cv[j - 1] / Ls;
    m.DRGMCF(j, I) = rv[j - 1] / (32.0f * Ls * Ls * Ls);
  }
  const std::int32_t axis = t.MEMDIR(I);
  if (axis >= 1 && axis <= 3) m.DRGFCF(axis, I) = cv[axis - 1];

  // k: the waterline widths and drag of the crossing members; the square-law damping of heave, pitch
  // and roll, integrated along the member.
  if (crossing) {
    s.Ax += av[0];
    PASCOM.ACDSG += cv[0];
    PASCOM.MENWLX += (av[0] / Ls) * (av[0] / Ls);
    PASCOM.MENWLY += (av[1] / Ls) * (av[1] / Ls);
    s.Wx += av[0] / Ls;
    s.Wy += av[1] / Ls;
    PASCOM.ACDSW += cv[1];
    s.Ay += av[1];
  }
  // The end drag on the end's own face, the cross-section, as the wave forces take it (a circular
  // column's keel is not the square of its diameter). The wet part's start meets the water whichever
  // end it is: a base, whose end type is not read, or the lower end of a member entered from its end
  // in the air, which so takes it as the same member entered from below does. Its other end is the
  // waterline cut of a crossing member, or the far end of a submerged one, a face where its end
  // type is 0.
  const float endDrag = t.XAREA(I) * t.CYLCD(3, I);
  const bool farEndTakesDrag = !crossing && t.TOPTYP(I) == 0;
  const SquareLawDamping damping = squareLawDamping(frame, P1, n, Ls, farEndTakesDrag, c, endDrag, r[2], zc);
  m.CQHV += static_cast<float>(damping.heave);
  m.CQPT += static_cast<float>(damping.pitch);
  m.CQRL += static_cast<float>(damping.roll);
}

// An abort-or-continue question after a warning; "A" stops the run.
void askToGoOn(bool serviceQuestion) {
  if (serviceQuestion) {
    SERV_ABORT(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  } else {
    ABORT0(TPCM.EDUNIT, kKeyboardUnit, TPCM.LBACK);
  }
  if (TPCM.LBACK < 0) silentStop("SEMCHR");
}

void writeLines(std::initializer_list<std::string_view> lines) {
  for (std::string_view line : lines) writeRecord(TPCM.EDUNIT, line);
}

// The no-crossing warning, once per run.
void warnNoCrossing() {
  if (SIMCOM.NPIERCE != 0 || !semchrState.FRSTIM2) return;
  if (semi::tensionLeg()) {
    writeLines({"", " ++> Warning: No member crosses the waterline. Quasi-static pulldown may",
                "     have completely submerged all water-piercing members; you should",
                "     increase their lengths to prevent this."});
  } else {
    writeLines({"", " ++> Warning: No member crosses the waterline.", ""});
  }
  askToGoOn(semi::tensionLeg());
  semchrState.FRSTIM2 = false;
}

// The notice that the crossing members' waterline widths do not add up to the waterline length or
// beam, once per run.
void noticeWaterlines(const MemberSums& s) {
  if (SIMCOM.NPIERCE == 0) return;
  for (const float ratio : {s.Wx / TPCM.TLWL, s.Wy / TPCM.TBWL}) {
    if (!semchrState.FRSTIM3) return;
    if (ratio < 0.8f || ratio > 1.2f) {
      writeLines({"", " ++> Notice: Summed water-piercing member waterlines differ from LWL, BWL...", ""});
      askToGoOn(false);
      semchrState.FRSTIM3 = false;
    }
  }
}

// The metacentre heights estimated from the members.
struct Metacentres {
  float KMT, KML;
};

// Step 7, the estimates: centres, metacentres, waterplane centroid and mean widths.
Metacentres finishEstimates(const MemberSums& s) {
  Tpcm& t = TPCM;
  // With no submerged member whatever is divided by the volume is 0.
  const float perVolume = t.VOLEST != 0.0f ? 1.0f / t.VOLEST : 0.0f;
  t.VCBEST *= perVolume;
  t.XCBEST *= perVolume;
  t.YCBEST *= perVolume;
  Metacentres km{s.IT * perVolume + t.VCBEST, s.IL * perVolume + t.VCBEST};
  t.GMTEST = km.KMT - HIMEM.EVKG;
  t.GMLEST = km.KML - HIMEM.EVKG;
  if (t.AWPEST != 0.0f) {
    t.XWPCTR /= t.AWPEST;
    t.YWPCTR /= t.AWPEST;
  }
  PASCOM.MENWLX = s.Wx > 0.0f ? PASCOM.MENWLX / s.Wx : t.TLWL;
  PASCOM.MENWLY = s.Wy > 0.0f ? PASCOM.MENWLY / s.Wy : t.TBWL;
  return km;
}

// Step 8: the estimates against the input, on the first call of a run.
void compareWithInput(const Metacentres& km) {
  if (!semchrState.FRSTIM) return;
  semchrState.FRSTIM = false;
  const Tpcm& t = TPCM;
  const Himem& h = HIMEM;
  struct Item {
    bool differs;
    const char* text;
    float input;
    float estimate;
  };
  const float density = 0.001f * t.DWATR;
  const Item items[] = {
      {h.EVKB != 0.0f && std::fabs(1.0f - t.VCBEST / h.EVKB) > 0.02f, "vertical center of buoyancy:", h.EVKB,
       t.VCBEST},
      {h.GMT != 0.0f && std::fabs(1.0f - t.GMTEST / h.GMT) > 0.02f, "transverse metacentric height (KMT):",
       h.EVKMT, km.KMT},
      {h.GML != 0.0f && std::fabs(1.0f - t.GMLEST / h.GML) > 0.02f, "longitudinal metacentric height (KML):",
       h.EVKML, km.KML},
      {std::fabs(1.0f - t.VOLEST / h.DELTA) > 0.02f, "displacement:", density * h.DELTA, density * t.VOLEST},
      {t.TAWP != 0.0f && std::fabs(1.0f - t.AWPEST / t.TAWP) > 0.02f, "water plane area:", t.TAWP, t.AWPEST},
      {std::fabs(t.XCBEST / h.EDRAFT) > 0.01f, "longitudinal center of buoyancy", 0.0f, t.XCBEST},
      {std::fabs(t.YCBEST / h.EDRAFT) > 0.0001f, "transverse center of buoyancy", 0.0f, t.YCBEST},
      {std::fabs(t.XWPCTR / h.EDRAFT) > 0.001f, "longitudinal waterplane centroid", 0.0f, t.XWPCTR},
      {std::fabs(t.YWPCTR / h.EDRAFT) > 0.0001f, "transverse waterplane centroid", 0.0f, t.YWPCTR},
  };
  bool any = false;
  for (const Item& item : items) any = any || item.differs;
  if (!any || t.NOWARN != 0) return;
  writeLines({"", " ++> WARNING <++", ""});
  for (const Item& item : items) {
    if (!item.differs) continue;
    writeLines({std::string(" Possible discrepancy in vessel ") + item.text,
                " (Input value, simulation estimated value) = (" + fmtES(item.input, 11, 4) + "," +
                    fmtES(item.estimate, 11, 4) + ")",
                ""});
  }
  askToGoOn(false);
}

// The centre of an added mass from its moments; (0, 0, EVKG) when there is no such mass.
Vec3 centreOf(float mass, const Vec3& moment) {
  if (mass <= 0.0f) return {0.0f, 0.0f, HIMEM.EVKG};
  return {moment[0] / mass, moment[1] / mass, moment[2] / mass};
}

// Step 7, the added-mass ratios, virtual masses and rotation centres; step 9, the virtual inertias.
void virtualMasses(const MemberSums& s, float W) {
  Himem& h = HIMEM;
  const Tpcm& t = TPCM;
  PASCOM.ACDSG = s.Ax != 0.0f ? PASCOM.ACDSG / s.Ax : 0.0f;
  PASCOM.ACDSW = s.Ay != 0.0f ? PASCOM.ACDSW / s.Ay : 0.0f;
  const Vec3 surgeCentre = centreOf(s.M11, s.surgeMoment);
  const Vec3 swayCentre = centreOf(s.M22, s.swayMoment);

  h.CSG = s.M11 / h.DELTA;
  PASCOM.CMSRG = h.CSG + 1.0f;
  h.CSW = s.M22 / h.DELTA;
  PASCOM.CMSWY = h.CSW + 1.0f;
  h.CYW = s.Iyw / (h.DELTA * t.YGYR * t.YGYR);
  PASCOM.CMYAW = h.CYW + 1.0f;
  h.HVMAS = W + s.M33;
  h.SGMAS = W + s.M11;
  h.SWMAS = W + s.M22;
  h.VTCRR = (t.VKG * W - s.Ssr) / h.SWMAS;
  PASCOM.VTCRRS = h.VTCRR;
  h.VTCRP = (t.VKG * W + s.Ssp) / h.SGMAS;
  PASCOM.VTCRPS = h.VTCRP;
  h.XCRYW = s.Ssy / h.SWMAS;
  h.XCRPT = 0.0f;

  const float zs = surgeCentre[2];
  const float zw = swayCentre[2];
  const float xw = swayCentre[0];
  const float pitchArm = h.VTCRP - t.VKG;
  const float rollArm = h.VTCRR - t.VKG;
  h.PTCHI = ((h.VTCRP - zs) * (h.VTCRP - zs) - zs * zs) * s.M11 + (pitchArm * pitchArm + t.TPGYR * t.TPGYR) * W +
            s.Ipt;
  h.PTCH1 = h.PTCHI;
  h.ROLI = ((h.VTCRR - zw) * (h.VTCRR - zw) - zw * zw) * s.M22 + (rollArm * rollArm + t.TRGYR * t.TRGYR) * W + s.Irl;
  h.ROL1 = h.ROLI;
  h.YAWI = (h.XCRYW * h.XCRYW - xw * xw) * s.M22 + (h.XCRYW * h.XCRYW + t.YGYR * t.YGYR) * W + s.Iyw;
  h.HVM1 = W;
}

// Step 10 for one mode: the natural frequency from restoring over inertia (0 without restoring), or
// the user's period, which then sets the restoring.
void naturalFrequency(float& w, float& restoring, float inertia, std::int32_t userGivesPeriod, float period) {
  if (userGivesPeriod == 0) {
    w = restoring > 0.0f ? std::sqrt(restoring / inertia) : 0.0f;
  } else {
    w = kTwoPi / period;
    restoring = w * w * inertia;
  }
}

// Steps 10 and 11: the natural frequencies and the grid points nearest them.
void naturalFrequencies() {
  Himem& h = HIMEM;
  const Tpcm& t = TPCM;
  naturalFrequency(h.WP, h.PRMT, h.PTCHI, t.LPTPRD, t.PITPRD);
  naturalFrequency(h.WH, h.HC, h.HVMAS, t.LHVPRD, t.HEVPRD);
  naturalFrequency(h.WR, h.RRMT, h.ROLI, t.LRLPRD, t.ROLPRD);
  h.JP = h.JR = h.JH = t.NWP;
  if (h.WP != 0.0f) GRIDPT(kTwoPi / h.WP, h.JP);
  if (h.WR != 0.0f) GRIDPT(kTwoPi / h.WR, h.JR);
  if (h.WH != 0.0f) GRIDPT(kTwoPi / h.WH, h.JH);
}

}  // namespace

void DIMADJ(const float* D, float& DMAX, float& DJ, int J) {
  const int k = J % 3 + 1;
  const int m = k % 3 + 1;
  DJ = D[J - 1];
  DMAX = D[k - 1] > D[m - 1] ? D[k - 1] : D[m - 1];
}

void SEMCHR() {
  const Weight w = inputHydrostatics();
  clearSums();
  MemberSums sums;
  const std::int32_t count = TPCM.NCYL < kMaxHullMembers ? TPCM.NCYL : kMaxHullMembers;
  for (int I = 1; I <= count; ++I) addMember(I, w.zc, sums);

  warnNoCrossing();
  const Metacentres km = finishEstimates(sums);
  noticeWaterlines(sums);
  virtualMasses(sums, w.W);
  compareWithInput(km);
  naturalFrequencies();

  // One half of the water's mass density in the data set's force units.
  const float halfDensity = 0.0005f * TPCM.DWATR / WAVCOM.G;
  SIMCOM.CQHV *= halfDensity;
  SIMCOM.CQPT *= halfDensity;
  SIMCOM.CQRL *= halfDensity;
}

}  // namespace qv

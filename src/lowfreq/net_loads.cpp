#include "lowfreq/net_loads.h"

#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "lowfreq/drag.h"
#include "lowfreq/drift_force.h"
#include "hull/equilb.h"
#include "lowfreq/force_coefficients.h"
#include "lowfreq/sines.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/interpolation.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"
#include "util/sim_types.h"
#include "vessel/relraoup.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

// One auxiliary force of the data set and of EQUILB.
struct AuxiliaryForce {
  std::int32_t on;    // switch: applied when not 0
  std::int32_t axes;  // 0 earth axes, otherwise vessel axes
  float X, Y;         // components as given [kips | t]
  float moment;       // its own moment [kip-ft | t-m]
  float xAt, yAt;     // point of application from the centre of gravity [ft | m]
  float direction;    // EQUILB: direction of (X, Y) [rad]
  float magnitude;    // EQUILB: |(X, Y)| [kips | t]
};

AuxiliaryForce auxiliaryForce(int k) {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  switch (k) {
    case 1:
      return {t.AUXFRC, t.CRDSYS, t.XVFRC, t.YVFRC, t.VESMOM, t.XVLOC, t.YVLOC, q.PHIFEX, q.FEXTRN};
    case 2:
      return {t.AXFC2, t.CRDS2, t.XVFRC2, t.YVFRC2, t.VESMO2, t.XVLOC2, t.YVLOC2, q.PHIFX2, q.FXTRN2};
    default:
      return {t.AXFC3, t.CRDS3, t.XVFRC3, t.YVFRC3, t.VESMO3, t.XVLOC3, t.YVLOC3, q.PHIFX3, q.FXTRN3};
  }
}

// A wave system that is on, with its relative direction for PSI; the swells' directions are kept
// in EQUILB.
struct SeaSystem {
  bool on;
  float beta;         // [rad]
  const float* psd;   // its spectrum on the grid
};

SeaSystem seaSystem(int s, float PSI) {
  const Tpcm& t = TPCM;
  Wavcom& w = WAVCOM;
  Equilb& q = EQUILB;
  switch (s) {
    case 1:
      return {t.LRANDM != 0, relativeDirection(t.SEAHDG(1), PSI), &w.WPSD(1)};
    case 2:
      if (t.LSWELL == 0) return {false, 0.0f, nullptr};
      q.SWLANG = relativeDirection(t.SWLHDG, PSI);
      return {true, q.SWLANG, &w.SWLPSD(1)};
    default:
      if (t.LSWEL2 == 0) return {false, 0.0f, nullptr};
      q.SWLANG2 = relativeDirection(t.SWLHDG2, PSI);
      return {true, q.SWLANG2, &w.SWLPSD2(1)};
  }
}

float meanDrift(int component, const SeaSystem& sea, int s) {
  float noDifference = 0.0f;
  return DRIFTF(0, component, sea.beta, sea.psd, noDifference, 0.0f, s);
}

// The drag term (the first output of the drag pass).
float driftDrag(int component, const SeaSystem& sea, int s) {
  float noDifference = 0.0f;
  float drag = 0.0f;
  float unused = 0.0f;
  DRAGF(0, component, sea.beta, sea.psd, noDifference, drag, unused, s);
  return drag;
}

// The draft raised by the vessel's vertical position for as long as the object lives; the data
// set's draft is put back on every way out, a Stop thrown through it included.
class RaisedDraft {
 public:
  RaisedDraft() : saved_(TPCM.DRAFT) { TPCM.DRAFT = saved_ + EQUILB.ZCGVAR; }
  ~RaisedDraft() { TPCM.DRAFT = saved_; }
  RaisedDraft(const RaisedDraft&) = delete;
  RaisedDraft& operator=(const RaisedDraft&) = delete;

 private:
  float saved_;
};

// The tabulated mooring moment at the relative angle r [rad]: AUXTRQ holds it for positive angles
// in steps of YAWINC degrees, the sign of r carries it to negative ones, and beyond the table the
// last interval is extended.
float tabulatedMoment(float r) {
  const Tpcm& t = TPCM;
  if (!(t.YAWINC > 0.0f)) {
    fatalStop("TORQUE", t.EDUNIT,
              {"", " ++> Yaw moment table: the angle step YAWINC is" + fmtF(t.YAWINC, 9, 3) + " degrees;",
               "     the table needs a step above 0."},
              FatalWait::kPressReturn, kKeyboardUnit);
  }
  const float u = std::fabs(r) * kDegreesPerRadian / t.YAWINC;
  const int last = t.NUMTAB - 1;
  const int J = u >= static_cast<float>(last) ? last : static_cast<int>(u) + 1;
  const float fraction = u - static_cast<float>(J - 1);
  const float value = t.AUXTRQ(J) + fraction * (t.AUXTRQ(J + 1) - t.AUXTRQ(J));
  return r >= 0.0f ? value : -value;
}

// The yaw moment [kip-ft | t-m] of a pendular mass held at two points `separation` [ft | m] apart
// across the line of the load, the mooring point midway, when the vessel is turned by r [rad] from
// that line. Each point carries half the load, so it follows half the load-offset curve: stiffness
// K/2 along the load, K [kips/ft | t/m] the table's local slope. The turn moves the points by
// -+(separation/2) r along the load, which changes their loads by +-(K/2)(separation/2) r; the two
// changes are a couple over the separation: -(K/4) separation^2 r, turning the vessel back towards
// the load. (Its size is also the slope in r of the work stored at the two points,
// 2 x 1/2 (K/2) ((separation/2) r)^2.) Held at one point (separation 0) the column holds no couple.
float pendularMoment(float K, float separation, float r) {
  const float half = 0.5f * separation;
  return -K * half * half * r;
}

// The restoring moment of the mooring when its table or a pendular mass acts: the relative angle
// between the vessel and the net force (or a fixed earth direction for IARCO 4), offset by EQLYAW.
float mooringMoment(float PSI) {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  float P = kPi;
  NetForce force{};
  if (t.IARCO != kSpreadMoor) {
    NETFOR(force, PSI, 0);
    P = force.direction + PSI;
  }
  const float r = ANGSYM(PSI - t.EQLYAW / kDegreesPerRadian - P + kPi);
  float T = 0.0f;
  if (t.YAWTBL != 0) T -= tabulatedMoment(r);
  if (t.IARCO == kPendularMass) {
    const float F = std::hypot(force.net.X, force.net.Y);
    int range = 0;
    int J = 1;
    BSRCH(&q.HLOAD(1), F, range, J, t.NUMTAB);
    const float K = (q.HLOAD(J + 1) - q.HLOAD(J)) / (q.OFFSET(J + 1) - q.OFFSET(J));  // local slope of the table
    T += pendularMoment(K, t.PNDARM, r);
  }
  return T;
}

// The moment of TORQUE, each contribution also in `parts`.
float yawMoment(float PSI, TorqueParts& parts) {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const Sines& sines = SINES;
  const Wavcom& w = WAVCOM;
  parts = TorqueParts{};
  const float a = q.YAWARM - t.CG_to_Midship;  // the mooring point's arm from midship
  float heading = 0.0f;
  RELRAOUP(heading, PSI, 1, 0, 1);

  float T = 0.0f;
  if (t.YAWTBL != 0 || t.IARCO == kPendularMass) T += mooringMoment(PSI);

  for (int k = 1; k <= 3; ++k) {
    const AuxiliaryForce f = auxiliaryForce(k);
    if (f.on == 0) continue;
    // An earth-axis force keeps its earth direction while the vessel turns.
    const float theta = f.axes == 0 ? f.direction - PSI : f.direction;
    parts.auxiliary[k - 1] =
        f.moment + ((f.xAt - a) * std::sin(theta) - f.yAt * std::cos(theta)) * f.magnitude;
    T += parts.auxiliary[k - 1];
  }
  if (BITVAL(t.DPAFLG, 1) != 0) {
    const float d = ANGSYM(t.DPANG / kDegreesPerRadian - PSI);
    parts.positioning = t.DPMOM + t.DPASPR * d +
                        ((t.DPXLOC - a) * std::sin(q.PHIFDP) - t.DPYLOC * std::cos(q.PHIFDP)) * q.FDPTOT;
    T += parts.positioning;
  }
  if (windActs()) {
    const float beta = relativeDirection(t.WNDHDG, PSI);
    TRIGLD(beta);
    parts.wind = sines.WNDCOF * t.TYWNDA *
                 (t.LWL * vesselWindCoefficient(3, beta) - a * vesselWindCoefficient(2, beta));
    T += parts.wind;
  }
  if (currentActs()) {
    const float beta = relativeDirection(t.CURHDG, PSI);
    TRIGLD(beta);
    parts.current = sines.CURCOF * t.TYCURA *
                    (t.LWL * vesselCurrentCoefficient(3, beta) - a * vesselCurrentCoefficient(2, beta));
    T += parts.current;
  }
  for (int s = 1; s <= 3; ++s) {
    const SeaSystem sea = seaSystem(s, PSI);
    if (!sea.on) continue;
    parts.sea[s - 1].drift = -w.BEAMCF * a * meanDrift(2, sea, s) + w.BEAMCF * t.LWL * meanDrift(3, sea, s);
    if (t.LEGDRG == 0) parts.sea[s - 1].drag = -a * driftDrag(2, sea, s) + driftDrag(3, sea, s);
    T += parts.sea[s - 1].drift + parts.sea[s - 1].drag;
  }
  if (t.NBUG == 1) {
    writeRecord(t.EDUNIT, " TORQUE: heading" + fmtF(PSI, 10, 5) + " moment" + fmtE(T, 14, 6));
  }
  return T;
}

}  // namespace

float vesselWindCoefficient(int component, float beta) {
  const Tpcm& t = TPCM;
  return WINDCF(component, t.LWBARG, t.LOADED, t.BOWWND, t.SIZE, beta, t.TXWNDA, t.TYWNDA, t.XWARM, t.YWARM, t.LWL,
                t.BWL, t.EDUNIT, t.ISPM, t.CREATR);
}

float vesselCurrentCoefficient(int component, float beta) {
  const Tpcm& t = TPCM;
  return CRNTCF(component, t.LCBARG, t.DFTPCT, t.BOWCUR, SINES.HOVERD, beta, t.TXCURA, t.TYCURA, t.XCARM, t.YCARM,
                t.LWL, t.BWL, t.EDUNIT, t.ISPM, t.CREATR);
}

float relativeDirection(float headingDeg, float PSI) { return headingDeg / kDegreesPerRadian - PSI + kPi; }

bool windActs() { return TPCM.LWIND != 0 && TPCM.WNDSPD > 0.0f; }
bool currentActs() { return TPCM.LCURNT != 0 && TPCM.CURSPD > 0.0f; }

void NETFOR(NetForce& force, float PSI, std::int32_t IFORCE) {
  const Tpcm& t = TPCM;
  const Equilb& q = EQUILB;
  const Sines& sines = SINES;
  const Wavcom& w = WAVCOM;
  force = NetForce{};
  float heading = 0.0f;
  RELRAOUP(heading, PSI, 1, 0, IFORCE);

  // The auxiliary forces; earth-axis ones turn into vessel axes. (Each goes to one of two subtotals,
  // and both subtotals enter the net force alike.)
  ForcePair auxiliary{0.0f, 0.0f};
  for (int k = 1; k <= 3; ++k) {
    const AuxiliaryForce f = auxiliaryForce(k);
    if (f.on == 0) continue;
    float X = f.X;
    float Y = f.Y;
    if (f.axes == 0) {
      X = f.X * std::cos(PSI) + f.Y * std::sin(PSI);
      Y = f.Y * std::cos(PSI) - f.X * std::sin(PSI);
    }
    auxiliary.X += X;
    auxiliary.Y += Y;
  }
  ForcePair positioning{0.0f, 0.0f};
  if (t.DPRFLG == 1) {
    positioning.X = (t.DPXPNT - q.XCGVAR) * t.DPXSPR + t.DPXFRC;
    positioning.Y = (t.DPYPNT - q.YCGVAR) * t.DPYSPR + t.DPYFRC;
  }
  if (windActs()) {
    const float beta = relativeDirection(t.WNDHDG, PSI);
    TRIGLD(beta);
    force.wind.X = sines.WNDCOF * t.TXWNDA * vesselWindCoefficient(1, beta);
    force.wind.Y = sines.WNDCOF * t.TYWNDA * vesselWindCoefficient(2, beta);
  }
  if (currentActs()) {
    const float beta = relativeDirection(t.CURHDG, PSI);
    TRIGLD(beta);
    if (t.CREATR == kSimWistole || t.CREATR == kSimYobrix) {
      const RaisedDraft raised;
      COFLD();
    }
    force.current.X = sines.CURCOF * t.TXCURA * vesselCurrentCoefficient(1, beta);
    force.current.Y = sines.CURCOF * t.TYCURA * vesselCurrentCoefficient(2, beta);
  }
  for (int s = 1; s <= 3; ++s) {
    const SeaSystem sea = seaSystem(s, PSI);
    if (!sea.on) continue;
    force.drift[s - 1].X = w.BOWCF * meanDrift(1, sea, s);
    force.drift[s - 1].Y = w.BEAMCF * meanDrift(2, sea, s);
    if (t.LEGDRG == 0) {
      force.drag[s - 1].X = driftDrag(1, sea, s);
      force.drag[s - 1].Y = driftDrag(2, sea, s);
    }
  }

  ForcePair& net = force.net;
  net = {force.wind.X + force.current.X + positioning.X + auxiliary.X,
         force.wind.Y + force.current.Y + positioning.Y + auxiliary.Y};
  for (int s = 0; s < 3; ++s) {
    net.X += force.drift[s].X + force.drag[s].X;
    net.Y += force.drift[s].Y + force.drag[s].Y;
  }
  force.direction = net.X != 0.0f || net.Y != 0.0f ? std::atan2(net.Y, net.X) : 0.0f;
}

float TORQUE(float PSI) {
  TorqueParts parts{};
  return yawMoment(PSI, parts);
}

void TORQUE2(float PSI, float& total, TorqueParts& parts) {
  total = 0.0f;
  total = yawMoment(PSI, parts);
}

void HEADRS(float waveHeading, float salmAngle, float vesselAngle, float factor, std::int32_t unit) {
  const std::string indent = fmtX(27);
  const float salm = std::fmod(salmAngle * factor, 360.0f);
  const float vessel = std::fmod(vesselAngle * factor, 360.0f);
  writeRecord(unit, indent + "WAVE HEADING   = " + fmtF(waveHeading, 6, 1) + " DEG");
  writeRecord(unit, indent + "SALM HEADING   = " + fmtF(salm, 6, 1) + " DEG");
  writeRecord(unit, indent + "VESSEL HEADING = " + fmtF(vessel, 6, 1) + " DEG ");
  writeRecord(unit, "");
}

}  // namespace qv

#include "vessel/relraoup.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
#include <utility>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/pascom.h"
#include "hull/semi/simcom.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "numlib/quadrature.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/fatal.h"
#include "util/packed_flags.h"
#include "util/sim_types.h"
#include "vessel/slow_encounter.h"
#include "vessel/user_raos.h"
#include "vessel/water_motion.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {

constinit RelraoupState RELRAOUP_STATE{};
const BlockReset resetRelraoupState{[] { RELRAOUP_STATE.reset(); }};

namespace {

constexpr float kHeadingTolerance = 0.02f;  // [rad]
constexpr float kDraftTolerance = 0.2f;     // [ft | m]
constexpr int kShipStations = 5;

// Sets a value for the life of the object and puts the old one back on every way out, a Stop
// thrown through it included.
class TemporaryValue {
 public:
  TemporaryValue(float& target, float value) : target_(target), saved_(target) { target_ = value; }
  ~TemporaryValue() { target_ = saved_; }
  TemporaryValue(const TemporaryValue&) = delete;
  TemporaryValue& operator=(const TemporaryValue&) = delete;

 private:
  float& target_;
  float saved_;
};

struct WaveSystem {
  std::int32_t on;
  float heading;  // [deg]
};

WaveSystem waveSystem(int id) {
  const Tpcm& d = TPCM;
  switch (id) {
    case 1:
      return {d.LRANDM, d.SEAHDG(1)};
    case 2:
      return {d.LSWELL, d.SWLHDG};
    default:
      return {d.LSWEL2, d.SWLHDG2};
  }
}

// The six operator columns at the grid point in hand (INDXUP), surge .. yaw.
Complex& operatorAt(int dof) {
  Himem& h = HIMEM;
  const std::int32_t at[kDof] = {h.LSG, h.LSW, h.LHV, h.LRL, h.LPT, h.LYA};
  return h.CXDUM(at[dof - 1]);
}

// The hull model of the data set at the relative heading RAOANG(1): characteristics, the reference
// and the heading passes of the exciting forces, then the response operators, or the user's.
void rerunHull() {
  hullCHR();
  std::int32_t flag = 0;
  hullFRC(flag);
  flag = 5;
  hullFRC(flag);
  if (TPCM.AUXVSH == 0) {
    hullRAO();
    if (PASCOM.QUASQUENCH == 1) {
      Himem& h = HIMEM;
      for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
        INDXUP();
        for (const int dof : {3, 4, 5}) operatorAt(dof) = Complex(0.0f, 0.0f);
      }
    }
  } else {
    Text<13> name;
    USRDATSEL(TPCM.CREATR, TPCM.ISPM, name);
    USRRAO(name.view());
  }
}

void saveOperators(int system) {
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
    INDXUP();
    for (int dof = 1; dof <= kDof; ++dof) RELRAOUP_STATE.SAVED_RAOS(h.IW, dof, system) = operatorAt(dof);
  }
}

void restoreOperators(int system) {
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
    INDXUP();
    for (int dof = 1; dof <= kDof; ++dof) operatorAt(dof) = RELRAOUP_STATE.SAVED_RAOS(h.IW, dof, system);
  }
}

// Whether this call's heading and draft change leave the cached operators of the last rerun valid.
bool mustRerun(float VESANG, std::int32_t IFORCE) {
  const RelraoupState& s = RELRAOUP_STATE;
  const float headingMoved = std::fabs(REDRAD_SYM(s.LAST_VESANG - VESANG));
  const float draftMoved = std::fabs(s.LAST_DELTA_DRAFT - PASCOM.DELTA_DRAFT);
  return IFORCE != 0 || s.FRSTIM != 0 || headingMoved > kHeadingTolerance || draftMoved > kDraftTolerance;
}

// FRSTIM clears once the last active system of a call has been rerun.
void noteRerun(int system) {
  RelraoupState& s = RELRAOUP_STATE;
  const int n = s.N_WAVE_SYSTEMS;
  if (n == 1 || (n == 2 && system == 2) || (n == 3 && system == 3)) s.FRSTIM = 0;
}

// ---- RELRAO ----

// The response spectra of the statistics path, one ordinate per grid point.
enum Spectrum : int {
  kRefX, kRefY, kRefZ, kEarthX, kEarthY, kBowRelZ, kMoorRelZ, kRoll, kPitch, kYaw, kMoorRelKeelZ,
  kAx1, kAy1, kAz1, kAx2, kAy2, kAz2, kBowZ, kMoorZ, kBowCross, kMoorCross, kMoorKeelCross, kSpectra
};

struct Geometry {
  float ch, sh, cv, sv;  // cos and sin of the relative wave heading and of the vessel heading
  float L, dL, xb, yw, xm, zp, zr, draft, tvkg;
  bool moorReference;    // the reference point is the mooring point (CREATR 13 or 15)
  bool multi;            // column-stabilised hull with a column drift model
};

Geometry geometry(float VESANG) {
  const Tpcm& d = TPCM;
  const Himem& hm = HIMEM;
  const float h = hm.RAOANG(WAVCOM.IRAO) / kDegreesPerRadian;
  Geometry g{};
  g.ch = std::cos(h);
  g.sh = std::sin(h);
  g.cv = std::cos(VESANG);
  g.sv = std::sin(VESANG);
  g.L = d.LWL;
  g.dL = g.L / 5.0f;
  g.xb = g.L / 2.0f;
  g.yw = g.sh >= 0.0f ? -d.BWL / 2.0f : d.BWL / 2.0f;  // half the beam on the side away from the waves
  g.moorReference = d.CREATR == kSimFirnedo || d.CREATR == kSimZantul;
  g.xm = g.moorReference ? d.XSALM : 0.0f;
  g.draft = d.DRAFT;
  g.tvkg = d.TVKG;
  g.zp = d.DRAFT - hm.VTCRP;
  g.zr = d.DRAFT - hm.VTCRR;
  g.multi =
      d.SEMI_LIKE != 0 && (ONEON(d.LWVCOF, kDriftSemi2001, d.EDUNIT) || ONEON(d.LWVCOF, kDriftUserFile, d.EDUNIT));
  return g;
}

Complex unitPhase(float angle) { return std::polar(1.0f, angle); }

// The drift and drag operators of a ship: the bow's relative motion, and the lateral force and yaw
// moment of the relative motion along five stations, integrated with Simpson's weights.
void shipDrag(const Geometry& g, const Complex* X, float w, float k, float a, Complex Rxb, Complex Rzb, int iw,
              int id) {
  Pascom& p = PASCOM;
  const float w2 = w * w;
  p.RLRAO2(iw, id) = w2 * std::abs(Rxb * Rxb * Rzb);
  p.RLRAOH2(iw, id) = 0.0f;
  Complex F(0.0f, 0.0f);
  Complex M(0.0f, 0.0f);
  for (int j = 1; j <= kShipStations; ++j) {
    const float x = -(g.L + g.dL) / 2.0f + static_cast<float>(j) * g.dL;
    float c = 0.0f;
    SMPFAC(j, kShipStations, c);
    const Complex V = X[1] + x * X[5] - g.zr * X[3];
    const Complex Z = X[2] + g.yw * X[3] - x * X[4];
    const WaterMotion water = waterMotion(unitPhase(-k * (g.yw * g.sh + x * g.ch)), a, g.ch, g.sh);
    const Complex Ry = V - water.y;
    const Complex Rz = Z - water.z;
    const Complex term = c * Ry * Ry * Rz;
    F += term;
    M += x * term;
  }
  p.FDRGLAT(iw, id) = w2 * std::abs(F) / 15.0f;
  p.MDRGLAT(iw, id) = w2 * std::abs(M) / (15.0f * g.L);
}

// The drag operators of a column-stabilised hull: the horizontal relative motion at the waterline
// crossings of its columns, weighted by their diameters.
void columnDrag(const Geometry& g, const Complex* X, float w, float k, float a, Complex U, int iw, int id) {
  const Tpcm& d = TPCM;
  const Simcom& s = SIMCOM;
  Pascom& p = PASCOM;
  const Complex V = X[1] - g.zr * X[3];
  float sumD = 0.0f;
  float sumQ = 0.0f;
  float sumR = 0.0f;
  const int columns = std::clamp<int>(d.NCYL, 0, kMaxHullMembers);
  for (int i = 1; i <= columns; ++i) {
    if (s.LPIERCE(i) == 0) continue;
    const auto [xi, yi] = wettedTop(i);
    const float Di = 2.0f * std::sqrt(d.XAREA(i) / kPi);
    const WaterMotion water = waterMotion(unitPhase(-k * (yi * g.sh + xi * g.ch)), a, g.ch, g.sh);
    const float qi = std::norm(U - water.x) + std::norm(V - water.y);
    sumD += Di;
    sumQ += Di * qi;
    sumR += Di * (w * w * qi);
  }
  if (sumD <= 0.0f) sumD = 1.0f;
  const float q = sumQ / sumD;
  const float r = sumR / sumD;
  p.HRAO(iw, id) = std::sqrt(std::norm(U) + std::norm(V));
  p.RLRAO2(iw, id) = r * std::fabs(g.ch);
  p.FDRGLAT(iw, id) = r * std::fabs(g.sh);
  p.MDRGLAT(iw, id) = 0.0f;
  p.RLRAOH2(iw, id) = q;
}

// Any other hull: the relative motion of a single point at the origin.
void pointDrag(const Geometry& g, const Complex* X, float w, float a, Complex U, int iw, int id) {
  Pascom& p = PASCOM;
  const Complex V = X[1] - g.zr * X[3];
  const WaterMotion water = waterMotion(Complex(1.0f, 0.0f), a, g.ch, g.sh);
  const float q = std::norm(U - water.x) + std::norm(V - water.y);
  const float r = w * w * q * std::abs(X[2] - 1.0f);
  p.RLRAO2(iw, id) = r * std::fabs(g.ch);
  p.FDRGLAT(iw, id) = r * std::fabs(g.sh);
  p.MDRGLAT(iw, id) = 0.0f;
  p.RLRAOH2(iw, id) = q;
  p.HRAO(iw, id) = std::sqrt(std::norm(U) + std::norm(V));
}

// Where one response spectrum's statistics go: RMS and RMS rate combine over the systems in
// quadrature; bandwidth and peak period (when the member exists) describe the leading system.
struct StatisticsTarget {
  Spectrum spectrum;
  float* rms;
  float* rate;
  float* bandwidth;
  float* peakPeriod;
};

void combineStatistics(const float spectra[kSpectra][kNarray], int id) {
  Pascom& p = PASCOM;
  // The bandwidths of the three sea spectra; their other statistics are not kept.
  for (const auto& [spectrum, bandwidth] : {std::pair{&WAVCOM.WPSD, &p.WVBANDW}, std::pair{&WAVCOM.SWLPSD, &p.SWLBANDW},
                                            std::pair{&WAVCOM.SWLPSD2, &p.SWLBANDW2}}) {
    float rms = 0.0f;
    float rate = 0.0f;
    float peakPeriod = 0.0f;
    SPCPROCES(spectrum->data(), WAVCOM.W.data(), rms, rate, *bandwidth, peakPeriod);
  }

  const StatisticsTarget targets[] = {
      {kRefX, &p.WSGRMS, &p.WSGRMSDOT, &p.VXBANDW, &p.VXTPEAK},
      {kRefY, &p.WSWRMS, &p.WSWRMSDOT, &p.VYBANDW, &p.VYTPEAK},
      {kRefZ, &p.WHVRMS, &p.WHVRMSDOT, &p.VZBANDW, &p.VZTPEAK},
      {kEarthX, &p.WXGRMS, &p.WXGRMSDOT, &p.GXBANDW, &p.GXTPEAK},
      {kEarthY, &p.WYGRMS, &p.WYGRMSDOT, &p.GYBANDW, &p.GYTPEAK},
      {kBowRelZ, &p.GWSIG1, &p.GWSIG1DOT, &p.GW1BANDW, &p.GW1TPEAK},
      {kMoorRelZ, &p.GWSIG2, &p.GWSIG2DOT, &p.GW2BANDW, &p.GW2TPEAK},
      {kRoll, &p.WRLRMS, &p.WRLRMSDOT, &p.ROLBANDW, &p.ROLTPEAK},
      {kPitch, &p.WPTRMS, &p.WPTRMSDOT, &p.PTCHBANDW, &p.PTCHTPEAK},
      {kYaw, &p.WYWRMS, &p.WYWRMSDOT, &p.YAWBANDW, &p.YAWTPEAK},
      {kMoorRelKeelZ, &p.WMOONRMS, &p.WMOONRMSDOT, &p.VMOONBANDW, &p.VMOONTPEAK},
      {kAx1, &p.ACXRMS1, &p.ACXDOT1, &p.ACX1BDW, &p.ACX1TPK},
      {kAy1, &p.ACYRMS1, &p.ACYDOT1, &p.ACY1BDW, &p.ACY1TPK},
      {kAz1, &p.ACZRMS1, &p.ACZDOT1, &p.ACZ1BDW, &p.ACZ1TPK},
      {kAx2, &p.ACXRMS2, &p.ACXDOT2, &p.ACX2BDW, &p.ACX2TPK},
      {kAy2, &p.ACYRMS2, &p.ACYDOT2, &p.ACY2BDW, &p.ACY2TPK},
      {kAz2, &p.ACZRMS2, &p.ACZDOT2, &p.ACZ2BDW, &p.ACZ2TPK},
  };
  const bool leading = (id == 1 && TPCM.LRANDM != 0) || (id == 2 && TPCM.LRANDM == 0);
  for (const StatisticsTarget& t : targets) {
    float rms = 0.0f;
    float rate = 0.0f;
    float bandwidth = 0.0f;
    float peakPeriod = 0.0f;
    SPCPROCES(spectra[t.spectrum], WAVCOM.W.data(), rms, rate, bandwidth, peakPeriod);
    *t.rms = std::sqrt(*t.rms * *t.rms + rms * rms);
    *t.rate = std::sqrt(*t.rate * *t.rate + rate * rate);
    if (leading) {
      *t.bandwidth = bandwidth;
      *t.peakPeriod = peakPeriod;
    }
  }

  const std::pair<Spectrum, float*> variances[] = {{kBowZ, &p.BOW_Z_VAR},
                                                   {kMoorZ, &p.MOORCTR_Z_VAR},
                                                   {kBowCross, &p.GWSIG1_X},
                                                   {kMoorCross, &p.GWSIG2_X},
                                                   {kMoorKeelCross, &p.WMOON_X}};
  for (const auto& [spectrum, member] : variances) {
    float m0 = 0.0f;
    float m2 = 0.0f;
    SMPINT(spectra[spectrum], m0, m2);
    *member += m0;
  }
}

// The variance-overflow question: "q" stops, anything else goes on; an unattended run goes on.
void varianceOverflow() {
  const std::int32_t unit = TPCM.EDUNIT;
  writeRecord(unit, " ++> Variance overflow in SPCPROCES;");
  writeRecord(unit, "     press \"q\" to quit or \"c\" to continue");
  if (unit == kDiagnosticsUnit) return;
  char reply = ' ';
  READC(reply, kKeyboardUnit);
  if (reply == 'q' || reply == 'Q') silentStop("SPCPROCES");
}

}  // namespace

void RELRAOUP(float& HDGREL, float VESANG, std::int32_t MODE, std::int32_t ISTAT, std::int32_t IFORCE) {
  RelraoupState& s = RELRAOUP_STATE;
  Tpcm& d = TPCM;
  if (IFORCE != 0) s.N_WAVE_SYSTEMS = 3;
  for (int id = 1; id <= kWaveSystems; ++id) {
    const WaveSystem system = waveSystem(id);
    if (system.on == 0) {
      --s.N_WAVE_SYSTEMS;
      continue;
    }
    if (MODE == 1) HDGREL = system.heading - VESANG * kDegreesPerRadian;
    WAVCOM.IRAO = 1;
    HIMEM.RAOANG(1) = REDDEG(HDGREL);
    {
      // The hull models read the vessel's course relative to the vessel.
      const TemporaryValue course(d.VGLDIR, REDDEG(d.VGLDIR - VESANG * kDegreesPerRadian));
      if (mustRerun(VESANG, IFORCE)) {
        noteRerun(id);
        s.LAST_VESANG = REDRAD(VESANG);
        s.LAST_DELTA_DRAFT = PASCOM.DELTA_DRAFT;
        rerunHull();
        saveOperators(id);
      } else {
        restoreOperators(id);
      }
    }
    RELRAO(VESANG, ISTAT, id);
  }
  if (MODE == 0) {
    Pascom& p = PASCOM;
    const int from = d.LRANDM != 0 ? 1 : 2;
    const int to = 3 - from;
    for (int iw = 1; iw <= wavePoints(); ++iw) {
      p.RLRAO2(iw, to) = p.RLRAO2(iw, from);
      p.FDRGLAT(iw, to) = p.FDRGLAT(iw, from);
      p.MDRGLAT(iw, to) = p.MDRGLAT(iw, from);
      p.RLRAOH2(iw, to) = p.RLRAOH2(iw, from);
    }
  }
}

void RELRAO(float VESANG, std::int32_t ISTAT, std::int32_t IWAVID) {
  const Tpcm& d = TPCM;
  if (IWAVID < 1 || IWAVID > kWaveSystems) {
    fatalStop("RELRAO", d.EDUNIT, {" +=> Invalid IWAVID in RELRAO.f"});
  }
  Himem& hm = HIMEM;
  Pascom& p = PASCOM;
  const Wavcom& wc = WAVCOM;
  const float G = wc.G;
  const Arr<float, kMaxWavePeriods>& S = IWAVID == 1 ? wc.WPSD : IWAVID == 2 ? wc.SWLPSD : wc.SWLPSD2;
  const Geometry g = geometry(VESANG);
  const bool ship = d.VESTYP == kShipVessel;
  const int id = IWAVID;
  // Under way, where the vessel at VESANG meets the waves more slowly than the grid reaches, the
  // drift, drag and statistics quantities take the response with surge, sway and yaw at the row's
  // weight: motion that slow is the slow drift's own (vessel/slow_encounter.h). The course is the
  // data set's, turned relative to the vessel as the hull model took it.
  const EncounterWeights weights =
      encounterWeights(&hm.RLDUM(hm.LCNW), &hm.RLDUM(hm.LCNWK),
                       speedAlongWaves(hm.RAOANG(WAVCOM.IRAO), d.VGLDIR - VESANG * kDegreesPerRadian));

  float spectra[kSpectra][kNarray];  // the response spectra of the statistics path
  for (hm.IW = 1; hm.IW <= wavePoints(); ++hm.IW) {
    INDXUP();
    const int iw = hm.IW;
    Complex operators[kDof];
    for (int dof = 1; dof <= kDof; ++dof) operators[dof - 1] = operatorAt(dof);
    Complex X[kDof];
    waveFrequencyOperators(operators, weights.at(iw), X);
    const float w = hm.RLDUM(hm.LW);
    const float k = hm.RLDUM(hm.LWK);
    const float w2 = w * w;
    const float a = horizontalExcursion(w, k, G);
    const float Sw = S(iw);

    p.HOR_WAV_RAO(iw, id) = X[0] * g.ch + X[1] * g.sh;
    p.ANG_WAV_RAO(iw, id) = X[4] * g.ch - X[3] * g.sh;

    // Waterline motions: surge, heave at the bow, sway and heave at the mooring point.
    const Complex U = X[0] + g.zp * X[4];
    const Complex Zb = X[2] - g.xb * X[4];
    const Complex Vm = X[1] + g.xm * X[5] - g.zr * X[3];
    const Complex Zm = X[2] - g.xm * X[4];

    // Bow phase and the motions at the bow relative to the water there.
    const Complex Eb = unitPhase(-k * g.xb * g.ch);
    const WaterMotion bowWater = waterMotion(Eb, a, g.ch, g.sh);
    const Complex Rxb = U - bowWater.x;
    const Complex Rzb = Zb - bowWater.z;

    if (ship) {
      shipDrag(g, X, w, k, a, Rxb, Rzb, iw, id);
    } else if (g.multi) {
      columnDrag(g, X, w, k, a, U, iw, id);
    } else {
      pointDrag(g, X, w, a, U, iw, id);
    }
    if (ISTAT == 0) continue;

    // Accelerations at the keel below the mooring point and 100 length units above it.
    const Complex Ax1 = w2 * (X[0] - hm.VTCRP * X[4]) + G * X[4];
    const Complex Ay1 = w2 * (X[1] + g.xm * X[5] + hm.VTCRR * X[3]) - G * X[3];
    const Complex Az1 = w2 * Zm;
    const Complex Ax2 = Ax1 + 100.0f * w2 * X[4];
    const Complex Ay2 = Ay1 - 100.0f * w2 * X[3];
    const Complex Az2 = Az1;

    // The reference point and the wave's phase there.
    Complex mx;
    Complex my;
    Complex mz;
    Complex E;
    if (g.moorReference) {
      mx = U;
      my = Vm;
      mz = Zm;
      E = unitPhase(-k * g.xm * g.ch);
    } else {
      mx = X[0] + (g.tvkg - hm.VTCRP) * X[4];
      my = X[1] - (g.tvkg - hm.VTCRR) * X[3];
      mz = X[2];
      E = Complex(1.0f, 0.0f);
    }
    // The water's vertical motion at keel depth relative to the surface's.
    const float kT = k * g.draft;
    const float kd = k * d.DEPTH;
    const float f = kd > 10.0f ? std::exp(-kT) : std::cosh(kd - kT) / std::cosh(kd);

    const int i = iw - 1;
    spectra[kRefX][i] = Sw * std::norm(mx);
    spectra[kRefY][i] = Sw * std::norm(my);
    spectra[kRefZ][i] = Sw * std::norm(mz);
    spectra[kEarthX][i] = Sw * std::norm(mx * g.cv - my * g.sv);
    spectra[kEarthY][i] = Sw * std::norm(mx * g.sv + my * g.cv);
    spectra[kBowRelZ][i] = Sw * std::norm(Rzb);
    spectra[kMoorRelZ][i] = Sw * std::norm(mz - E);
    spectra[kRoll][i] = Sw * std::norm(X[3]);
    spectra[kPitch][i] = Sw * std::norm(X[4]);
    spectra[kYaw][i] = Sw * std::norm(X[5]);
    spectra[kMoorRelKeelZ][i] = Sw * std::norm(mz - f * E);
    spectra[kAx1][i] = Sw * std::norm(Ax1);
    spectra[kAy1][i] = Sw * std::norm(Ay1);
    spectra[kAz1][i] = Sw * std::norm(Az1);
    spectra[kAx2][i] = Sw * std::norm(Ax2);
    spectra[kAy2][i] = Sw * std::norm(Ay2);
    spectra[kAz2][i] = Sw * std::norm(Az2);
    spectra[kBowZ][i] = Sw * std::norm(Zb);
    spectra[kMoorZ][i] = Sw * std::norm(Zm);
    spectra[kBowCross][i] = Sw * (Zb * std::conj(Eb)).real();
    spectra[kMoorCross][i] = Sw * (mz * std::conj(E)).real();
    spectra[kMoorKeelCross][i] = f * spectra[kMoorCross][i];
  }
  if (ISTAT != 0) combineStatistics(spectra, id);
}

void USRDATSEL(std::int32_t CREATR, std::int32_t ISPM, Text<13>& FNAME) {
  if (CREATR == kSimFirnedo) {
    FNAME.assign(ISPM == 2 ? "UBUOYRAO.txt" : "UTANKRAO.txt");
  } else if (CREATR == kSimGandru) {
    FNAME.assign(ISPM == 2 ? "UTUGSRAO.txt" : "UBARGRAO.txt");
  } else {
    FNAME.assign("USERRAOS.txt");
  }
}

void SPCPROCES(const float* PSD, const float* W, float& RMS, float& RMSDOT, float& BANDW, float& TPEAK) {
  float m0 = 0.0f;
  float m2 = 0.0f;
  SMPINT(PSD, m0, m2);
  RMS = std::sqrt(m0);
  RMSDOT = std::sqrt(m2);
  float PEAK = 0.0f;
  std::int32_t IFIRST = 0;
  std::int32_t ILAST = 0;
  std::int32_t IUP = 0;
  std::int32_t ILOW = 0;
  PSDPEK(PSD, W, PEAK, TPEAK, IFIRST, ILAST, 1, IUP, ILOW);
  BANDW = 0.0f;
  // Without a half-power point on both sides of the peak the band is unknown.
  if (IUP == 0 || ILOW == 0) return;
  const int n = std::abs(ILOW - IUP);
  if (n <= 2) {
    BANDW = n != 0 ? m0 / PEAK : 0.0f;
  } else {
    BANDW = std::min(std::fabs(W[ILOW - 1] - W[IUP - 1]), m0 / PEAK);
    if (m2 > 0.0f) TPEAK = std::min(TPEAK, kTwoPi * std::sqrt(m0 / m2));
  }
  if (m0 > 0.0f && std::fabs(1.0f - BANDW * PEAK / m0) > 1.0f) varianceOverflow();
  BANDW = BANDW / kTwoPi;
}

void PSDPEK(const float* PSD, const float* W, float& PEAK, float& TPEAK, std::int32_t& IFIRST, std::int32_t& ILAST,
            std::int32_t IFLAG, std::int32_t& IUP, std::int32_t& ILOW) {
  const int n = wavePoints();
  PEAK = 0.0f;
  IFIRST = 0;
  ILAST = 0;
  for (int i = 1; i <= n; ++i) {
    const float a = std::fabs(PSD[i - 1]);
    if (a > PEAK) {
      PEAK = a;
      IFIRST = i;
      ILAST = i;
    } else if (a == PEAK && IFIRST != 0) {
      ILAST = i;
    }
  }
  IUP = 0;
  ILOW = 0;
  if (IFIRST == 0) {
    TPEAK = 0.0f;  // no energy
    return;
  }
  TPEAK = kTwoPi / ((W[IFIRST - 1] + W[ILAST - 1]) / 2.0f);
  if (IFLAG == 0) return;
  const float half = PEAK / 2.0f;
  for (int i = IFIRST; i <= n; ++i) {
    const int j = std::max(2 * IFIRST - i, 1);
    if (IUP == 0 && std::fabs(PSD[i - 1]) < half) IUP = i;
    if (ILOW == 0 && std::fabs(PSD[j - 1]) < half) ILOW = j;
  }
}

}  // namespace qv

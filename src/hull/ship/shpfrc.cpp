// SHPFRC: the dimensionless wave exciting forces on the equivalent box, the Froude-Krylov pressure
// integrals over the box with the pressure decaying from the surface to the keel, plus diffraction
// terms from the added-mass and damping fits at an effective depth below the keel; and, with flag 0,
// the calibration of the linearised roll damping from the roll moment in beam seas at the natural
// roll frequency.
#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "hull/ship/ship.h"
#include "hull/ship/ship_common.h"
#include "hull/ship/ship_fits.h"
#include "hull/speed_set_aside.h"
#include "numlib/circle_constants.h"
#include "numlib/wavenumber.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr float kBeamSeas = kHalfPi;  // heading of the calibration pass [rad]
constexpr float kTiny = 1.0e-10f;        // stands in for a zero heading angle or cosine
constexpr float kDeepWater = 10.0f;      // k h beyond which the deep-water forms hold
constexpr float kBaseRollDamping = 0.1f;

// The bilge keel's factor on the roll damping.
float keelFactor() {
  if (TPCM.TLKEEL == 0) return 1.85f;
  const float r = TPCM.TDKEEL <= 0.0f ? 0.0f : TPCM.TRKEEL / TPCM.TDKEEL;
  const float p = 1.0f + r;
  return 1.85f * p * p * p * p * p;
}

// Pressure decay over the draft T and to the two effective diffraction depths D1, D2 below the
// surface, for wave number k in depth h.
struct Kinematics {
  float E0, F1, F2, E1, E2;
};

Kinematics kinematics(float k, float T, float h, float D1, float D2) {
  Kinematics q{};
  const float KT = k * T;
  const float KH = k * h;
  if (KH > kDeepWater) {
    q.E0 = std::exp(-KT);
    q.F1 = (1.0f - q.E0) / KT;
    q.F2 = ((1.0f + KT) * q.E0 - 1.0f) / (KT * KT);
    q.E1 = std::exp(-k * D1);
    q.E2 = std::exp(-k * D2);
  } else {
    const float coshKH = std::cosh(KH);
    q.E0 = std::cosh(k * (h - T)) / coshKH;
    const float S0 = std::sinh(k * (h - T)) / coshKH;
    q.F1 = (std::tanh(KH) - S0) / KT;
    q.F2 = (KT * S0 + q.E0 - 1.0f) / (KT * KT);
    q.E1 = std::cosh(KH - k * D1) / coshKH;
    q.E2 = std::cosh(KH - k * D2) / coshKH;
  }
  return q;
}

struct Heading {
  float SB, CB;  // sine and cosine of the heading, neither exactly zero
  float UC;      // forward speed along the wave direction
};

// The six forces at the grid point in hand (INDXUP done), stored in the operator columns.
void forcesAtGridPoint(const Heading& hd, float D1, float D2) {
  Himem& h = HIMEM;
  const float w = h.RLDUM(h.LW);
  const float k = h.RLDUM(h.LWK);
  const float T = h.EDRAFT;
  const float G = WAVCOM.G;
  const float XL = k * h.XSCALE;
  const float XB = k * h.YSCALE;
  const float WE = ship::encounterFrequency(w, k, hd.UC);
  const float WE2 = WE * WE;

  float AH = 0.0f, AP = 0.0f, BH = 0.0f, BP = 0.0f;
  DPMAS0(AH, AP, BH, BP, WE, XL, h.HCONST, h.IHI, h.HMSRAT, h.PCONST, h.PMAS0, h.PMSRAT);
  const float AP0 = AP;
  const float BP0 = BP;
  if (TPCM.VFWD != 0.0f) DAMMAS(AH, AP, BH, BP, WE2, ship::speedThroughWater());

  const Kinematics q = kinematics(k, T, TPCM.DEPTH, D1, D2);
  const float A = h.BEAM2 * k * hd.SB;
  const float C = h.SHIPL2 * k * hd.CB;
  const float Q = std::sin(A) * std::sin(C) / (A * C);
  const float GA = G * TPCM.TAWP;

  const Complex heave(Q * (q.E0 - q.E1 * AH * WE2 / GA), Q * q.E1 * BH * WE / GA);
  const Complex surge(q.F1 * std::cos(C) * (std::sin(A) / A) * hd.CB * SDMP(XL) * h.CSG,
                      Q * q.F1 * hd.CB * (1.0f + h.CSG));
  const Complex sway(q.F1 * std::cos(A) * (std::sin(C) / C) * hd.SB * SDMP(XB) * h.CSW,
                     Q * q.F1 * hd.SB * (1.0f + h.CSW));

  const float FY = q.F1 / (h.BLRAT * h.GML * k);
  const Complex yaw(-FY * (YAWFKF(C, A) - h.BLRAT2 * YAWFKF(A, C)) * (1.0f + h.CSW),
                    FY * (hd.SB * YAWDRG(C, A) - hd.CB * YAWDRG(A, C)) * SDMP(XB) * h.CSW);

  // Roll and pitch are the moments of the part of the pressure that is odd in y and in x about the
  // box's centre, so they stand in quadrature with the elevation there, as the slopes of the surface
  // do; the surge and sway forces carry that quadrature in their own form, the formulas below give
  // the amplitudes in it. In long waves the box then tilts with the surface (pitch +i k cos b, roll
  // -i k sin b for the elevation exp(-i k (x cos b + y sin b))) and each point rises with the water.
  const Complex quadrature(0.0f, 1.0f);

  // The roll damping term takes the pitch ratio PCONST / PMAS0.
  const float MR = 3.0f * G * h.WPMT * hd.SB * YAWFKF(A, C) / (h.RRMT * A * C);
  const float ER = q.E2 * WE2 / (h.WRL * h.WRL);
  const Complex roll = quadrature * Complex(MR * q.E0 - MR * ER * h.RMAS1 / h.ROLI +
                                                (1.0f + h.CSW) * ((h.VTCRR - T) / h.GMT * q.F1 - (T / h.GMT) * q.F2) *
                                                    hd.SB * Q,
                                            -MR * (h.PCONST / h.PMAS0) * RDMP(XB) * ER);

  // The forward-speed change of the pitch damping enters as a ratio; with no damping to change (zero
  // encounter frequency) the ratio is 1 rather than 0 / 0.
  const float dampingRatio = BP0 != 0.0f ? BP / BP0 : 1.0f;
  const float MP = 3.0f * G * h.WPML * hd.CB * YAWFKF(C, A) / (h.PRMT * A * C);
  const float EP = q.E2 * WE2 / (h.WPL * h.WPL);
  const Complex pitch = quadrature * Complex(-MP * (q.E0 - EP * (AP / AP0) * PMAS(XL, h.PMSRAT)) -
                                                 ((h.VTCRP - T) / h.GML * q.F1 - (T / h.GML) * q.F2) * Q * hd.CB,
                                             MP * (h.PCONST / h.PMAS0) * PDMP(XL) * EP * dampingRatio);

  h.CXDUM(h.LSG) = surge;
  h.CXDUM(h.LSW) = sway;
  h.CXDUM(h.LHV) = heave;
  h.CXDUM(h.LRL) = roll;
  h.CXDUM(h.LPT) = pitch;
  h.CXDUM(h.LYA) = yaw;
  ship::trace(" SHPFRC grid point (IW, E0, F1, F2, E1, E2, AH, AP, BH, BP, then the six forces):",
              {static_cast<float>(h.IW), q.E0, q.F1, q.F2, q.E1, q.E2, AH, AP, BH, BP, surge.real(), surge.imag(),
               sway.real(), sway.imag(), heave.real(), heave.imag(), roll.real(), roll.imag(), pitch.real(),
               pitch.imag(), yaw.real(), yaw.imag()});
}

// The roll damping for the design wave, from the roll moment found at JR in beam seas; kept for every
// later heading.
void calibrateRollDamping(float KF) {
  Himem& h = HIMEM;
  // The pressure's roll moment: its amplitude in quadrature with the elevation.
  h.TQFAC = std::fabs(h.CXDUM(h.LCNROL + h.JR - 1).imag());
  if (TPCM.LSLPHT <= 0) {
    // The slope amplitude k H / 2 of the regular wave of height SLPHT at the natural roll frequency.
    float Y = 0.0f;
    WAVVEC(h.WCONST * h.WR, Y);
    h.RSLOPE = Y * TPCM.SLPHT / (2.0f * TPCM.DEPTH);
  } else {
    h.RSLOPE = TPCM.SLPHT / kDegreesPerRadian;
  }
  const float bilge = 1.0f - TPCM.TBILGR / std::sqrt(h.BEAM2 * h.BEAM2 + h.VTCRR * h.VTCRR);
  h.BLGFAC = bilge * bilge * bilge * bilge * bilge;
  h.RMASRT = h.RMAS1 / h.ROLI;
  GETGAM(h.GAMRLI, kBeamSeas, kBaseRollDamping, h.RMASRT, h.RSLOPE, h.TQFAC, h.BLGFAC, KF, h.SHIPL, TPCM.TLKEEL,
         TPCM.TTKEEL, TPCM.TDKEEL);
  h.GAMROL = h.GAMRLI;
  ship::trace(" SHPFRC roll damping (TQFAC, RSLOPE, BLGFAC, RMASRT, KF, GAMROL):",
              {h.TQFAC, h.RSLOPE, h.BLGFAC, h.RMASRT, KF, h.GAMROL});
}

}  // namespace

float YAWFKF(float X, float TH) {
  if (std::fabs(X) <= 0.0001f) return -X * std::sin(TH) / 3.0f;
  return std::sin(TH) * (X * std::cos(X) - std::sin(X)) / (X * X);
}

float YAWDRG(float X, float TH) {
  if (std::fabs(X) <= 0.0001f) return -X * std::cos(TH) / 3.0f;
  return std::cos(TH) * (X * std::cos(X) - std::sin(X)) / (X * X);
}

void GETGAM(float& GAM, float HEAD, float G0, float RMR, float SLOPE, float TQ, float BLG, float KF, float L,
            std::int32_t LKEEL, float KLEN, float KDIST) {
  const float S = std::fabs(std::sin(HEAD));
  const float GH = G0 * RMR * (0.576f + 0.424f * std::sqrt(1.0f + 4.0f * SLOPE * S * TQ * BLG * KF / (G0 * G0 * RMR)));
  if (LKEEL != 0 && KLEN != 0.0f && KDIST != 0.0f) {
    // Along the keel the damping takes neither the heading nor the bilge factor.
    const float GK = G0 * RMR * (0.576f + 0.424f * std::sqrt(1.0f + 4.0f * SLOPE * TQ * KF / (G0 * G0 * RMR)));
    GAM = (1.0f - KLEN / L) * GH + (KLEN / L) * GK;
  } else {
    GAM = GH;
  }
}

void SHPFRC(std::int32_t& IFLAG) {
  Himem& h = HIMEM;
  const bool calibration = IFLAG <= 0;
  const float KF = keelFactor();

  h.SCALE(3) = TPCM.DWATR * TPCM.TAWP / 1000.0f;
  h.SCALE(1) = h.EDRAFT * h.SCALE(3) / kDegreesPerRadian;
  h.SCALE(2) = h.SCALE(1);
  h.SCALE(4) = h.SCALE(1) * h.GMT;
  h.SCALE(5) = h.SCALE(1) * h.GML;
  h.SCALE(6) = h.SCALE(5);
  h.SDEPTH = TPCM.DEPTH / h.EDRAFT;
  h.BLRAT2 = h.BLRAT * h.BLRAT;
  const float Q0 = 1.0f / std::sqrt(1.0f / (h.BEAM * h.BEAM) + 1.0f / (h.SHIPL * h.SHIPL));
  const float D1 = h.EDRAFT + 0.212f * Q0;
  const float D2 = h.EDRAFT + 0.3333f * Q0;

  const SpeedSetAside speed(calibration);
  int first = 1;
  int last = TPCM.NWP;
  float beta = kBeamSeas;
  Heading hd{};
  if (calibration) {
    first = last = h.JR;
    hd.UC = 0.0f;
  } else {
    const float headingDeg = h.REDANG(WAVCOM.IRAO);
    beta = headingDeg / kDegreesPerRadian;
    GETGAM(h.GAMRLI, beta, kBaseRollDamping, h.RMASRT, h.RSLOPE, h.TQFAC, h.BLGFAC, KF, h.SHIPL, TPCM.TLKEEL,
           TPCM.TTKEEL, TPCM.TDKEEL);
    if (static_cast<float>(WAVCOM.IRAO) == WAVCOM.BIGWVS) {
      PASCOM.ROLGAM = h.GAMRLI;
      PASCOM.WFROLF = h.WR;
      PASCOM.ROLSPR = h.GMT * TPCM.TDISPL;
      PASCOM.ROLARM = h.VTCRR;
    }
    hd.UC = TPCM.VFWD * std::cos((headingDeg - TPCM.VGLDIR) / kDegreesPerRadian);
  }
  if (beta == 0.0f) beta = kTiny;
  hd.SB = std::sin(beta);
  hd.CB = std::cos(beta);
  if (hd.CB == 0.0f) hd.CB = kTiny;
  ship::trace(" SHPFRC set-up (IFLAG, KF, D1, D2, beta, UC):",
              {static_cast<float>(IFLAG), KF, D1, D2, beta, hd.UC});

  for (h.IW = first; h.IW <= last; ++h.IW) {
    INDXUP();
    forcesAtGridPoint(hd, D1, D2);
  }
  if (calibration) calibrateRollDamping(KF);
}

}  // namespace qv

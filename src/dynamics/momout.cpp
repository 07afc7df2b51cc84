#include "dynamics/momout.h"

#include <cmath>
#include <string>
#include <string_view>

#include "dataset/tpcm.h"
#include "dynamics/attachment_motions.h"
#include "dynamics/dynout.h"
#include "dynamics/dynslm.h"
#include "dynamics/heading_waves.h"
#include "dynamics/momcom.h"
#include "dynamics/momdat.h"
#include "hull/equilb.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/solve.h"
#include "statics/wet_elements.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/unformatted_io.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

// Records are built field by field as the formats give them; blanks of X editing are written even
// at the end of a record.

namespace qv {

namespace {

constexpr std::string_view kRoutine = "MOMOUT";

bool english() { return TPCM.NUNTS == kEnglishUnits; }
bool freeSalm() { return TPCM.FRESLM != 0; }

// Step 2: the members' loads up to each moment element's top, as the load solver wrote them.
void readMomentFile() {
  const Tpcm& t = TPCM;
  Momcom& mc = MOMCOM;
  RHOPEN(kMomentFile, kUnformatted, kMustExist, t.IDRIVE, kMomentFileUnit, kRoutine, t.EDUNIT, t.CMPUTR);
  const int elements = momentElements();
  for (int IW = 1; IW <= wavePoints(); ++IW) {
    for (int C = 1; C <= elements; ++C) {
      Complex* quantities[5] = {&mc.INSHR(IW, C), &mc.ELMAXL(IW, C), &mc.OUTSHR(IW, C), &mc.INMOM(IW, C),
                                &mc.OUTMOM(IW, C)};
      for (Complex* q : quantities) {
        if (readUnformatted(kMomentFileUnit, *q) != RecordStatus::kOk) {
          FILERR("Unknown", kRoutine, t.EDUNIT, kKeyboardUnit);
        }
      }
    }
  }
}

// Sums over the elements of a member from its bottom up to the element in hand, each element at the
// height z of its bottom above the member's bottom.
struct ElementSums {
  float weightMoment = 0.0f;       // sum TMASS (z + CGSALM) [ft kips | m t]
  float buoyancyMoment = 0.0f;     // sum BUOY (z + CBUOY) [ft kips | m t]
  float addedMoment = 0.0f;        // sum BUOY (z + CBUOY) COFMST [ft kips | m t]
  float weight = 0.0f;             // sum TMASS [kips | t]
  float addedWeight = 0.0f;        // sum BUOY COFMST [kips | t]
  float inertia = 0.0f;            // rotational inertia about the member bottom, with added mass [mass x length^2]
};

// Step 3: the static walk up each member and, at each moment element, the loads and moments at its
// top for every period.
void elementLoads() {
  const Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  const Solve& sv = SOLVE;
  Momcom& mc = MOMCOM;
  const float G = WAVCOM.G;
  const int N = sv.NCON;
  const int periods = wavePoints();
  // The buoyancy of the elements as they lie (the piercing element's wetted part only), and the added
  // mass of those the wetness rule wets, as the drivers sum it into the equations of motion.
  const WetElements wet = dynamicsWetElements();
  int C = 0;
  for (int m = 1; m <= N; ++m) {
    const float c = o.EQCOS(m), s = o.EQSIN(m);
    const float F0 = o.FSHR(m, m), A0 = o.FAX(m, m);  // the member bottom
    float Si = F0, A = A0, M1 = 0.0f, M2 = 0.0f;
    const float Sl = m == N ? EQUILB.FLTRL0 : 0.0f;
    float z = 0.0f;
    ElementSums sum;
    for (int j = sv.JELEM(m); j <= sv.JELEM(m + 1) - 1; ++j) {
      const float B = wet.BUOY(j);
      const float net = t.TMASS(j) - B;
      Si -= net * s;
      A += net * c;
      M1 -= t.SLEN(j) * Sl;
      M2 -= t.SLEN(j) * Si + (t.TMASS(j) * t.CGSALM(j) - B * wet.CBUOY(j)) * s;
      const float zg = z + t.CGSALM(j), zb = z + wet.CBUOY(j);
      sum.weightMoment += t.TMASS(j) * zg;
      sum.buoyancyMoment += B * zb;
      const float addedBuoyancy = wet.ADDBUO(j);
      sum.addedMoment += addedBuoyancy * (z + wet.ADDCB(j)) * t.COFMST(j);
      sum.weight += t.TMASS(j);
      sum.addedWeight += addedBuoyancy * t.COFMST(j);
      sum.inertia += (t.COFMST(j) * wet.ADDINR(j) + t.TMASS(j) * (zg * zg + t.GYRAD(j) * t.GYRAD(j))) / G;
      if (t.LMOMT(j) != 0 && C < kMaxMomentElements) {
        ++C;
        mc.STSHRI(C) = Si;
        mc.STSHRO(C) = Sl;
        mc.STAXL(C) = A;
        mc.STMOMI(C) = M1;
        mc.STMOMO(C) = M2;
        const float zt = z + t.SLEN(j);
        const float Mt = (sum.weight + sum.addedWeight) / G;
        const float Mm = sum.weight / G;
        const float S1 = (sum.weightMoment + sum.addedMoment) / G;
        const float H0 = s != 0.0f ? (s * A0 + c * F0) / s : s * A0 + c * F0;
        const float Ht = s != 0.0f ? (s * A + c * Si) / s : s * A + c * Si;
        for (int IW = 1; IW <= periods; ++IW) {
          const Complex phi = o.PHIMEM(IW, m), psi = o.THTMEM(IW, m);
          const float w2 = WAVCOM.W2(IW);
          const Complex V = zt * A - (sum.weightMoment - sum.buoyancyMoment) * c - w2 * sum.inertia;
          // Motion of the member bottom with the members below: across the member, lateral, along it.
          Complex B1, B2, B3;
          if (m == 2) {
            B1 = sv.CNLEN(1) * o.COSP21 * o.PHIMEM(IW, 1);
            B2 = sv.CNLEN(1) * o.THTMEM(IW, 1);
            B3 = sv.CNLEN(1) * o.SINP21 * o.PHIMEM(IW, 1);
          } else if (m == 3) {
            B1 = sv.CNLEN(1) * o.COSP31 * o.PHIMEM(IW, 1) + sv.CNLEN(2) * o.COSP32 * o.PHIMEM(IW, 2);
            B2 = sv.CNLEN(1) * o.THTMEM(IW, 1) + sv.CNLEN(2) * o.THTMEM(IW, 2);
            B3 = sv.CNLEN(1) * o.SINP31 * o.PHIMEM(IW, 1) + sv.CNLEN(2) * o.SINP32 * o.PHIMEM(IW, 2);
          }
          const Complex Q1 = mc.INSHR(IW, C), Q2 = mc.ELMAXL(IW, C), Q3 = mc.OUTSHR(IW, C), Q4 = mc.INMOM(IW, C),
                        Q5 = mc.OUTMOM(IW, C);
          // A yoke's top member carries the mean lateral load FLTRL0 from end to end: its turn with
          // the member's axes is the same at the lower end and at the cut, and the lateral moment it
          // makes at the cut turns in the in-plane axis as the load at the lower end does. Neither
          // leaves a term of its own in the walk (the load solver keeps the yoke's shears free of
          // FLTRL0 too), so that the hinge line at the yoke's top carries no moment.
          Complex inShear = o.NETSHR(IW, 2 * m) + A0 * phi - Q1 - w2 * (S1 * phi + Mt * B1);
          Complex outShear = o.NETLTR(IW, 2 * m) - Q3 + H0 * psi - w2 * (S1 * psi + Mt * B2);
          Complex axial = o.NETAXL(IW, 2 * m) - Q2 - F0 * phi - w2 * Mm * B3;
          Complex outMoment = V * phi - Q5 - w2 * S1 * B1 - zt * inShear;
          Complex inMoment = -Q4 - V * psi + w2 * S1 * B2 + zt * outShear;
          mc.INSHR(IW, C) = inShear - A * phi;
          mc.OUTSHR(IW, C) = outShear - Ht * psi;
          mc.ELMAXL(IW, C) = axial + Si * phi;
          mc.OUTMOM(IW, C) = outMoment;
          // The axes of the loads turn with the member's lateral angle about the vertical, by
          // dtheta = psi / s: the static in-plane moment M2 turns into the lateral axis by c dtheta.
          const Complex dtheta = s != 0.0f ? psi / s : psi;
          mc.INMOM(IW, C) = inMoment + M2 * c * dtheta;
        }
      }
      z += t.SLEN(j);
    }
  }
}

// Step 4: the response variances of the 50 columns in the heading's sea, added to the accumulators
// from SIGLOD; a free SALM splits the sea into its in-line and cross shares.
void accumulateVariances() {
  Tpcm& t = TPCM;
  Output& o = OUTPUT;
  Momcom& mc = MOMCOM;
  const bool free = freeSalm();
  if (free) o.SPDVAL = 1.0f;
  const EncounterWeights weights = free ? EncounterWeights{} : blockEncounterWeights(blockInHand());
  float F[kMaxWavePeriods] = {};
  for (t.ISTAT = 1; t.ISTAT <= kMomentColumns; ++t.ISTAT) {
    const int n = t.ISTAT;
    int column = n;
    WaveShares waves = headingShares();
    if (free) {
      FreeShare part = FreeShare::kWhole;
      if (n <= 10 || n > 40) {
        part = FreeShare::kInLine;
      } else if (n > 20) {
        part = FreeShare::kAcross;
        column = n <= 30 ? n - 20 : n + 10;
      }
      waves = freeSalmShares(part);
    }
    for (int IW = 1; IW <= wavePoints(); ++IW) {
      F[IW - 1] = weights.none(IW) ? 0.0f : ABS2(mc.columns(IW, column)) * waveDensity(IW, waves) * weights.energyShare(IW);
    }
    if (t.NBUG != 0) writeRecord(t.EDUNIT, " ANGWFQ,ANGSFQ" + fmtE(waves.sea, 12, 4) + fmtE(waves.swell, 12, 4));
    float M0 = 0.0f, M2 = 0.0f;
    SMPINT(F, M0, M2);
    o.momentVariances.data()[n - 1] += M0;
  }
}

// Moment element C: its element G and the member that holds it (0, 0 when there is none).
struct MomentElement {
  int G = 0, member = 0;
};
MomentElement momentElement(int C) {
  const Solve& sv = SOLVE;
  int count = 0;
  for (int m = 1; m <= sv.NCON; ++m) {
    for (int j = sv.JELEM(m); j <= sv.JELEM(m + 1) - 1; ++j) {
      if (TPCM.LMOMT(j) != 0 && ++count == C) return {j, m};
    }
  }
  return {};
}

// The heading block of both pages of moment element C.
void writePageHeading(const MomentElement& e, int C, float angle, bool moments) {
  const Tpcm& t = TPCM;
  const Momcom& mc = MOMCOM;
  const std::int32_t u = t.IUNIT;
  const bool spectra = t.SPECFG == 1;
  const std::string force = english() ? "K.LBS    " : "M.TON    ";
  const std::string moment = english() ? "K. FT-LBS" : "TON-METER";
  PAGE(u, t.EDUNIT, 1, 99);
  writeSectionSevenTitle(u);
  writeRecord(u, " >>> MEMBER #" + fmtI(e.member, 2) + ": MOMENTS/LOADS AT TOP OF ELEMENT #" + fmtI(e.G, 2));
  writeRecord(u, "");
  writeHeadingConditions(u, OUTPUT.WAVDIR, !freeSalm());
  if (t.LEXTND != 0) writeRecord(u, "");
  writeRecord(u, fmtX(18) + "----- STATIC EQUILIBRIUM MOMENTS/LOADS -----");
  writeRecord(u, "");
  writeRecord(u, fmtX(31) + " IN-PLANE     LATERAL");
  writeRecord(u, "");
  const auto row = [&](const char* label, float inPlane, float lateral, const std::string& unit) {
    writeRecord(u, " " + fmtX(14) + label + fmtF(inPlane, 9, 1) + fmtX(6) + fmtF(lateral, 9, 1) + fmtX(2) + unit);
  };
  row("SHEAR LOAD    ", mc.STSHRI(C), mc.STSHRO(C), force);
  row("AXIAL LOAD    ", mc.STAXL(C), 0.0f, force);
  // The columns follow the loads' planes: the in-plane bending moment is the one of the in-plane
  // shear and the weights (STMOMO), the lateral one that of the lateral shear (STMOMI).
  row("BENDING MOMENT", mc.STMOMO(C), mc.STMOMI(C), moment);
  LINES(u, 2);
  writeRecord(u, fmtX(12) + "EQUILIBRIUM ANGLE OF MEMBER FROM VERTICAL =" + fmtF(angle * kDegreesPerRadian, 6, 2) + " DEG");
  writeRecord(u, "");
  writeRecord(u, " MOTION" + fmtX(4) + "WAVE" + fmtX(6) +
                     (spectra ? "++++      BENDING MOMENT/LOAD SPECTRA     ++++" : "++++ BENDING MOMENT/LOAD RAOS (S.A./S.A.) ++++"));
  writeRecord(u, " PERIOD" + fmtX(3) + "LENGTH" + fmtX(15) + (spectra ? fmtX(25) : "PER UNIT MOTION AMPLITUDE"));
  std::string label;
  if (moments) {
    label = spectra ? (english() ? "(K.FT-LBS)**2*SEC" : "(TON-METER)**2*SEC") : (english() ? "   (K. FT-LBS)   " : "  (TON-METER/M.)  ");
  } else {
    label = spectra ? (english() ? "  (K.LBS**2*SEC) " : "  (M.TON**2*SEC)  ") : (english() ? "    (K.LBS/FT)   " : "    (M.TON/M.)    ");
  }
  writeRecord(u, " (SEC)" + fmtX(5) + "(" + std::string(lengthUnit()) + ")" + fmtX(20) + label);
  writeRecord(u, "");
}

// The sea of the heading at period IW, weighted by the spectrum rows.
float seaDensity(int IW) { return waveDensity(IW, headingShares()); }

void writeLoadPage(const MomentElement& e, int C, float angle) {
  const Tpcm& t = TPCM;
  Momcom& mc = MOMCOM;
  const std::int32_t u = t.IUNIT;
  writePageHeading(e, C, angle, false);
  writeLoadColumnsHeading(u);
  for (int IW = 1; IW <= wavePoints(); ++IW) {
    std::string row = responseRowStart(IW);
    const float E = seaDensity(IW);
    for (const Complex& z : {mc.INSHR(IW, C), mc.ELMAXL(IW, C), mc.OUTSHR(IW, C)}) row += responseField(z, 1.0f, 2, E);
    writeRecord(u, row);
  }
  if (t.IUNIT == t.EDUNIT) PRSRET(t.EDUNIT, kKeyboardUnit, TPCM.LBACK);
}

void writeMomentPage(const MomentElement& e, int C, float angle) {
  const Tpcm& t = TPCM;
  Momcom& mc = MOMCOM;
  const std::int32_t u = t.IUNIT;
  const bool spectra = t.SPECFG == 1;
  writePageHeading(e, C, angle, true);
  writeRecord(u, fmtX(24) + "IN-PLANE MOMENT" + fmtX(10) + "TRANSVERSE MOMENT");
  const std::string field = spectra ? fmtX(8) : "AM/PHASE";
  writeRecord(u, fmtX(28) + field + fmtX(17) + field);
  writeRecord(u, "");
  for (int IW = 1; IW <= wavePoints(); ++IW) {
    std::string row = responseRowStart(IW) + fmtX(5);
    const float E = seaDensity(IW);
    // In-plane: the moment of the in-plane loads (OUTMOM, about the transverse axis); transverse: that
    // of the transverse loads (INMOM, about the in-plane normal).
    for (const Complex& z : {mc.OUTMOM(IW, C), mc.INMOM(IW, C)}) {
      if (spectra) row += fmtX(3) + fmtE(ABS2(z) * E, 12, 3) + fmtX(10);
      else row += fmtE(std::abs(z), 12, 3) + "/" + fmtF(PHASE(z), 6, 1) + fmtX(6);
    }
    writeRecord(u, row);
  }
  if (t.IUNIT == t.EDUNIT) PRSRET(t.EDUNIT, kKeyboardUnit, TPCM.LBACK);
}

// The equilibrium angle of a member of an attached SALM at the mean load, as the driver placed it;
// a free SALM stands upright.
float memberAngle(int member) { return freeSalm() ? 0.0f : OUTPUT.PHICON(member); }

}  // namespace

void MOMOUT() {
  Tpcm& t = TPCM;
  const Output& o = OUTPUT;
  writeRecord(t.EDUNIT, "");
  writeRecord(t.EDUNIT, " >>> Outputting wave-frequency shear/moment data...");
  writeRecord(t.EDUNIT, "");
  if (t.NBUG0 == 1) {
    writeRecord(t.EDUNIT, " ### In MOMOUT:");
    INBUG(t.NBUG, t.EDUNIT, kKeyboardUnit);
  } else {
    t.NBUG = 0;
  }
  readMomentFile();
  if (t.NBUG != 0) {
    for (int IW = 1; IW <= wavePoints(); ++IW) {
      for (int C = 1; C <= momentElements(); ++C) {
        writeRecord(t.EDUNIT, " IW, C:" + fmtI(IW, 4) + fmtI(C, 3) + fmtE(std::abs(MOMCOM.INSHR(IW, C)), 12, 4) +
                                  fmtE(std::abs(MOMCOM.ELMAXL(IW, C)), 12, 4) + fmtE(std::abs(MOMCOM.OUTSHR(IW, C)), 12, 4) +
                                  fmtE(std::abs(MOMCOM.INMOM(IW, C)), 12, 4) + fmtE(std::abs(MOMCOM.OUTMOM(IW, C)), 12, 4));
      }
    }
  }
  elementLoads();
  accumulateVariances();
  const bool report = o.LREG == 2 || (o.LREG == 1 && (o.IANG == WAVCOM.NA2 + 1 || o.LSWL != 0 || o.LSWL2 != 0));
  if (report) {
    for (int C = 1; C <= momentElements(); ++C) {
      const MomentElement e = momentElement(C);
      if (e.member == 0) break;
      const float angle = memberAngle(e.member);
      writeLoadPage(e, C, angle);
      writeMomentPage(e, C, angle);
    }
  }
  closeMomentFile(kRoutine);
}

}  // namespace qv

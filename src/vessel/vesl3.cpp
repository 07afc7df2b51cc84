#include "vessel/vesl3.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/files.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"
#include "vessel/vesl2.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kCaller = "HOBRANE3";

constexpr std::string_view kUserDataNote = " >>> Note: The following motions are computed from USER-SUPPLIED RAO data";
constexpr std::string_view kCentreOfGravity = "vessel center of gravity (VKG)";

// The spectrum's title; the codes beyond the table are computed as Pierson-Moskowitz.
std::string_view spectrumTitle(std::int32_t code) {
  const WaveSpectrumRow* row = waveSpectrum(code);
  return (row != nullptr ? row : waveSpectrum(kSpectrumPiersonMoskowitz))->statisticsTitle;
}

// A text in a field of `width` as a CHARACTER variable of that length holds it.
std::string padded(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, std::min(width, text.size())));
  out.resize(width, ' ');
  return out;
}

std::string caption(std::int32_t code) {
  Text<8> text;
  CAPUN(text, code);
  return text.str();
}

std::string dofName(int q) {
  Text<8> text;
  DOF(text, q);
  return text.str().substr(0, 5);
}

void line(std::string_view text) { writeRecord(TPCM.IUNIT, text); }

// A labelled value of the sea-state block: the label run out with dots to 40 characters, the value
// and its unit word.
void labelled(std::string_view label, float value, std::string_view unit) {
  std::string text = fmtX(15) + std::string(label);
  text.resize(15 + 40, '.');
  text += fmtF(value, 7, 2);
  if (!unit.empty()) text += " " + padded(unit, std::max<std::size_t>(8, unit.size()));
  line(text);
}

// 2 pi sqrt(M0 / M2), or 0 when the second moment is not positive.
float zeroUpcrossingPeriod(float m0, float m2) { return m2 > 0.0f ? kTwoPi * std::sqrt(m0 / m2) : 0.0f; }

float rlAt(std::int32_t k) { return HIMEM.RLDUM(k); }

// The factor that turns the force statistics into force units: the scale of the hull model, per
// radian of wave slope for all but heave.
float forceFactor(int q) {
  const float scale = HIMEM.SCALE(q);
  return q == 3 ? scale : scale * kDegreesPerRadian;
}

std::int32_t pairOf(int q, std::int32_t base) {
  const Himem& h = HIMEM;
  return LOCAT0(h.NHTNHD, h.MAXHT, h.IHD, h.IHT, q, base);
}

std::int32_t pointPairOf(int p, int c, std::int32_t base) {
  const Himem& h = HIMEM;
  return LOCAT1(h.NHTNHD, h.MAXHT, h.IHD, h.IHT, p, c, base);
}

int outputPoints() { return std::clamp<int>(TPCM.NACC, 0, kMaxOutputPoints); }

// ---- The hand-off to the mooring side ----

void handOff() {
  const Himem& h = HIMEM;
  Pascom& p = PASCOM;
  for (int q = 1; q <= kDof; ++q) {
    const std::int32_t force = pairOf(q, h.LCNFTQ);
    const std::int32_t motion = pairOf(q, h.LCNMOT);
    p.NETVESFRC_RMS(q) = forceFactor(q) * std::sqrt(rlAt(force));
    p.NETVESFRC_RATE(q) = forceFactor(q) * std::sqrt(rlAt(force + 1));
    p.NETVESMOT_RMS(q) = p.VES_MOT_RMS(q) = std::sqrt(rlAt(motion));
    p.NETVESMOT_RATE(q) = p.VES_RAT_RMS(q) = std::sqrt(rlAt(motion + 1));
  }
  for (int point = 1; point <= outputPoints(); ++point) {
    const std::int32_t vertical = pointPairOf(point, 3, h.LCNDSP);
    const std::int32_t hinge = pointPairOf(point, 3, h.LCNHNG);
    p.FLD_RMS(point) = std::sqrt(rlAt(vertical));
    p.FLD_RAT(point) = std::sqrt(rlAt(vertical + 1));
    p.FLD_ANG_RMS(point) = std::sqrt(rlAt(hinge));
    p.FLD_ANG_RAT(point) = std::sqrt(rlAt(hinge + 1));
  }
}

// ---- The vessel page ----

void tableHeads() {
  line(fmtX(27) + "SIGNIFICANT" + fmtX(5) + "SIGNIFICANT" + fmtX(3) + " ZERO UPCROSS ");
  line(fmtX(30) + "VALUE" + fmtX(11) + "RATE" + fmtX(8) + "PERIOD (SEC)");
  line("");
}

// "natural" followed by the centres, or the centre of gravity.
std::string centreNote(std::string_view centres) {
  if (TPCM.LCGFLG == 1) return std::string(kCentreOfGravity);
  return "\"natural\"" + std::string(centres);
}

void forceTable() {
  const Tpcm& d = TPCM;
  const bool metric = d.NUNTS == kMetricUnits;
  line(" >>> Note: Moments evaluated about " + centreNote(" roll and pitch centers"));
  line("");
  line(fmtX(14) + " +++ SIGNIFICANT SINGLE AMPLITUDE" + " FORCES/TORQUES +++");
  line("");
  tableHeads();
  for (int q = 1; q <= kDof; ++q) {
    if (d.MOTION(q) == 0) continue;
    const std::int32_t k = pairOf(q, HIMEM.LCNFTQ);
    const float m0 = rlAt(k);
    const float m2 = rlAt(k + 1);
    const float f = 2.0f * forceFactor(q);
    const std::string_view unit = q <= 3 ? (metric ? "(M.TONS)" : "(K.LBS)") : (metric ? "(M.TON-MTR)" : "(K.LBS-FT.)");
    line(fmtX(3) + dofName(q) + " " + padded(unit, 11) + fmtF(f * std::sqrt(m0), 16, 3) +
         fmtF(f * std::sqrt(m2), 16, 3) + fmtF(zeroUpcrossingPeriod(m0, m2), 16, 3));
  }
  line("");
}

void motionTable() {
  const Tpcm& d = TPCM;
  line(" >>> Note: Surge and sway motions evaluated at " + centreNote(" pitch and roll centers"));
  line("");
  line(fmtX(14) + " +++ SIGNIFICANT SINGLE AMPLITUDE" + " MOTIONS +++");
  line("");
  tableHeads();
  const std::string length = caption(unitCode(2, d.NUNTS)).substr(0, 3);
  for (int q = 1; q <= kDof; ++q) {
    if (d.MOTION(q) == 0) continue;
    const std::int32_t k = pairOf(q, HIMEM.LCNMOT);
    const float m0 = rlAt(k);
    const float m2 = rlAt(k + 1);
    const float f = q <= 3 ? 2.0f : 114.59155f;  // rotations in degrees
    line(fmtX(3) + dofName(q) + " (" + (q <= 3 ? length : std::string("DEG")) + ")" + fmtX(6) +
         fmtF(f * std::sqrt(m0), 16, 3) + fmtF(f * std::sqrt(m2), 16, 3) + fmtF(zeroUpcrossingPeriod(m0, m2), 16, 3));
  }
}

void vesselPage() {
  HEADER();
  line("");
  line(fmtX(4) + "----  VESSEL DYNAMICS SUMMARY  ----");
  line("");
  if (TPCM.AUXVSH != 0) {
    line(kUserDataNote);
    line("");
  } else {
    forceTable();
  }
  motionTable();
}

void pointPage() {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  HEADER();
  // The acceleration block holds accelerations whatever the mooring, and is titled so.
  if (d.LACC == 1) DUMOUT("SINGLE AMPL. <<ACCELERATIONS>>", h.LCNACC, d.RACC, d.NACC);
  if (d.LVEL == 1) DUMOUT("SINGLE AMP. <<VELOCITIES>>  ", h.LCNVEL, d.RACC, d.NACC);
  if (d.LDSP == 1) {
    DUMOUT(d.LGAP != 0 ? "SINGLE AMPL. <RELATIVE MOTION>" : "SINGLE AMPL. <<DISPLACEMENTS>>", h.LCNDSP, d.RACC,
           d.NACC);
  }
  if (d.ISPM >= 2) DUMOUT("S.A. BALL HINGE ANGLES (HA_ves)", h.LCNHNG, d.RACC, d.NACC);
}

// A page on the report; on the console it waits and is shown again while the reply is -1 or less.
template <class Page>
void showPage(Page page) {
  Tpcm& d = TPCM;
  const bool console = d.IUNIT != kReportsToFiles;
  do {
    page();
    if (!console) return;
    d.LBACK = 0;
    PRSRET(d.EDUNIT, kKeyboardUnit, d.LBACK);
  } while (d.LBACK <= -1);
}

}  // namespace

std::string statisticsReportName() {
  const Tpcm& d = TPCM;
  std::string_view stem;
  if (d.ISPM == 1) {
    stem = "TANK";
  } else if (d.ISPM == 2) {
    stem = d.CREATR == kSimGandru ? "TUG" : "BUOY";
  } else if (d.ISPM == 3) {
    stem = d.CREATR == kSimGandru ? "BARG" : "TANK";
  } else {
    stem = hullReportStem();
  }
  return std::string(stem) + "RAN.stxt";
}

std::int32_t LOCAT1(std::int32_t NHTNHD, std::int32_t MAXHT, std::int32_t IHD, std::int32_t IHT, std::int32_t IP,
                    std::int32_t IC, std::int32_t LOC) {
  return LOC + 2 * ((IHT - 1) + (IHD - 1) * MAXHT + 3 * NHTNHD * (IP - 1)) + 2 * NHTNHD * (IC - 1);
}

void HEADER() {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  PAGE(d.IUNIT, d.EDUNIT, 1, kPrinterUnit);
  line("");
  line(fmtX(4) + "********" + "   III.  IRREGULAR WAVE STATISTICS" + " SUMMARY   " + "********");
  line("");
  line(fmtX(4) + "----  ENVIRONMENTAL CHARACTERISTICS  ----");
  line("");
  const std::string lengthWord = caption(d.NUNTS);
  if (d.LRANDM != 0) {
    const std::int32_t slot = seaStateRecord(h.IHT);
    const float m0 = rlAt(slot);
    const float m2 = rlAt(slot + 1);
    const float peak = rlAt(slot + 2);
    line(fmtX(4) + "WAVE SPECTRAL TYPE  -- " + std::string(spectrumTitle(d.WAVTYP)));
    line(fmtX(24) + (WAVCOM.LEXP != 0 ? "-> SHORT-CRESTED SEAS" : "-> LONG-CRESTED SEAS"));
    if (WAVCOM.LEXP != 0) {
      labelled("ANGULAR SECTOR CONTAINING WAVE ENERGY ", d.ANGSEC, "DEGREES");
      labelled("POWER OF COSINE IN SPREADING FACTOR ", d.COSEXP, "");
    }
    labelled("CALCULATED SIGNIFICANT WAVE HEIGHT ", 4.0f * std::sqrt(m0), lengthWord);
    labelled("SPECTRUM PEAK PERIOD ", peak, "SECONDS");
    labelled("SPECTRUM ZERO UPCROSS PERIOD ", zeroUpcrossingPeriod(m0, m2), "SECONDS");
    labelled("CHARACTERISTIC WIND SPEED ", peak * WAVCOM.G * 0.877f / kTwoPi,
             caption(unitCode(2, d.NUNTS)).substr(0, 2) + "/" + std::string("SECONDS").substr(0, 6));
    labelled("DIRECTION OF MAXIMUM SEAS ", d.SEAHDG(h.IHD), "DEGREES");
    line("");
  }
  const struct {
    std::int32_t on, type;
    std::int32_t moments;
    float heading, period;
    std::string_view number;
  } swells[] = {{d.LSWELL, d.SWLTYP, h.LCNSWL, d.SWLHDG, rlAt(seaStateRecord(h.MAXHT + 1) + 2), ""},
                {d.LSWEL2, d.SWLTYP2, h.LCNSWL2, d.SWLHDG2, rlAt(seaStateRecord(h.MAXHT + 2) + 2), " #2"}};
  for (const auto& s : swells) {
    if (s.on == 0) continue;
    const std::string swell = "SWELL" + std::string(s.number);
    line(fmtX(4) + swell + " SPECTRAL TYPE -- " + std::string(spectrumTitle(s.type)));
    line(fmtX(21) + "   -> LONG-CRESTED SEAS");
    labelled("CALCULATED SIGNIFICANT " + swell + " HEIGHT ", 4.0f * std::sqrt(rlAt(s.moments)), lengthWord);
    labelled((d.LSWLOK == 0 ? "GLOBAL " : "RELATIVE ") + swell + " DIRECTION ", s.heading, "DEGREES");
    labelled(swell + " PERIOD ", s.period, "SECONDS");
    line("");
  }
}

void DUMOUT(std::string_view TITLE, std::int32_t LOC, const PointCoordinates& XYZ, std::int32_t NPT) {
  const Tpcm& d = TPCM;
  line("");
  line(fmtX(4) + "----  LOCAL MOTION SUMMARIES: SELECTED " + "POINTS  ----");
  line("");
  if (d.AUXVSH != 0) line(kUserDataNote);
  if (d.ISPM > 1) {
    // The components of a trimmed or heeled vessel are shown turned into earth-vertical axes.
    if (d.TRIMDG == 0.0f && d.HEELDG == 0.0f) {
      line(std::string(" >>> Mooring Support Notes: \"POINT COORDINATES\" in the vessel ") + "system.");
      line(std::string("     Global fairlead line departure angles (vertical and ") + "azimuth) are");
      line("     determined by the \"Line peak load calculation algorithm\".");
      line(std::string("     Vectorial components [x,y,z] given along rotated axes ") + "comprising:");
      line("     Origin at the fairlead;");
      line("     (x,z) in the (vertical) line plane;");
      line("     z points away from the anchor along the line tangent;");
      line(std::string("     y horizontal, [x,y] orientations set by z (and the right ") + "hand rule).");
    } else {
      line(std::string(" >>> Note: Coordinates are relative to an earth-vertical ") + "global system with");
      line(std::string("     origin at keel level below the plan-view waterplane ") + "centroid of the");
      line(std::string("     untrimmed vessel. Vectorial motion components are ") + "in a rotated r.h.");
      line(std::string("     system with (x,z) in plane of line, z upwards along ") + "line tangent.");
    }
  }
  line("");
  line(fmtX(26) + "+++  SIGNIFICANT " + std::string(TITLE) + " +++");
  line("");
  line(fmtX(3) + "POINT COORDINATES" + fmtX(10) + "X COMP" + fmtX(10) + "Y COMP" + fmtX(10) + "Z COMP");
  line(fmtX(6) + "( X, Y, Z)");
  line("");
  const Himem& h = HIMEM;
  for (int p = 1; p <= std::clamp<int>(NPT, 0, kMaxOutputPoints); ++p) {
    std::string row = " (" + fmtF(XYZ(1, p), 7, 1) + "," + fmtF(XYZ(2, p), 7, 1) + "," + fmtF(XYZ(3, p), 7, 1) + ")";
    for (int c = 1; c <= 3; ++c) {
      const float amplitude = 2.0f * std::sqrt(rlAt(LOCAT1(h.NHTNHD, h.MAXHT, h.IHD, h.IHT, p, c, LOC)));
      row += fmtX(c == 1 ? 2 : 8) + fmtF(amplitude, 8, 3);
    }
    line(row);
  }
}

void STATOT() {
  const Tpcm& d = TPCM;
  handOff();
  if (d.NEGSUM != 0) return;
  showPage(vesselPage);
  if (d.LACC == 1 || d.LVEL == 1 || d.LDSP == 1) showPage(pointPage);
}

void VESL3() {
  Tpcm& d = TPCM;
  Himem& h = HIMEM;
  const std::string report = statisticsReportName();
  if (d.LSWELL == 0 && d.LRANDM == 0) return;
  const bool reportFile = d.IUNIT == kReportsToFiles && d.NEGSUM == 0;
  if (reportFile) RHOPEN(report, kFormatted, kFresh, d.IDRIVE, d.IUNIT, kCaller, d.EDUNIT, d.CMPUTR);
  if (d.hideHobraneReports == 0) writeRecord(d.EDUNIT, " --> Outputting statistics data ...");
  if (d.LRANDM != 0) {
    for (h.IHD = 1; h.IHD <= d.NSEAHG; ++h.IHD) {
      for (h.IHT = 1; h.IHT <= d.NSEAHT; ++h.IHT) STATOT();
    }
  } else {
    h.IHT = h.IHD = 1;
    d.NSEAHT = d.NSEAHG = 1;
    STATOT();
  }
  if (reportFile) HCLOSE(d.IUNIT, report, kCaller, d.EDUNIT);
}

}  // namespace qv

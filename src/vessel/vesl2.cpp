#include "vessel/vesl2.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/pascom.h"
#include "numlib/algebra.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/sim_types.h"
#include "util/unformatted_io.h"
#include "vessel/point_motions.h"
#include "vessel/rao_report.h"
#include "vessel/statistics.h"
#include "vessel/user_raos.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

constexpr std::string_view kRoutine = "VESL2";
constexpr std::string_view kCaller = "HOBRANE2";
constexpr std::int32_t kHeadingRecordBytes = 8;  // the partner's heading (REAL) and flag (LOGICAL)

// ---- Names ----

struct ConfigurationFiles {
  std::int32_t ispm, creatr;
  VesselFiles files;
};
constexpr ConfigurationFiles kConfigurationFiles[] = {
    {2, 10, {"TUGRAO", "TUGSTERN", "UTUGSRAO.txt", ""}},
    {2, 13, {"BUOYRAO", "BUOYMOTN", "UBUOYRAO.txt", ""}},
    {3, 10, {"BARGRAO", "BARGEBOW", "UBARGRAO.txt", "TUGSTERN"}},
    {3, 13, {"TANKRAO", "TANKBOW", "UTANKRAO.txt", "BUOYMOTN"}},
};

// ---- Progress and files ----

void progress(const std::string& text) {
  const Tpcm& d = TPCM;
  if (d.CREATR == kSimKrebona || d.hideHobraneReports != 0) return;
  writeRecord(d.EDUNIT, "");
  writeRecord(d.EDUNIT, text);
  writeRecord(d.EDUNIT, "");
}

std::string reportName(const VesselFiles& files) { return std::string(files.stem) + ".stxt"; }
std::string plotName(const VesselFiles& files) { return std::string(files.stem) + ".plt"; }

bool pointsWanted() { return TPCM.LACC != 0 || TPCM.LVEL != 0 || TPCM.LDSP != 0; }

// The report file takes every table of the pass: the force and motion tables, and the point tables
// that ALLRAO asks for even without the motion tables.
bool reportFileWanted() {
  const Tpcm& d = TPCM;
  const bool tables = d.LFORCE + d.LMOTN != 0 || (d.ALLRAO != 0 && pointsWanted());
  return d.IUNIT == kReportsToFiles && d.NEGSUM == 0 && tables;
}

void writeMotion(int unit, float a, float b) {
  if (!writeUnformatted(unit, a, b)) ACERR(kCaller, unitFileName(unit), TPCM.EDUNIT);
}

// A partner motion file written by a run of other headings pairs this body's motions with another
// body's motions at other headings.
[[noreturn]] void partnerMismatch(const std::string& detail) {
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ", "The partner motion file " + unitFileName(kPartnerUnit) + " does not match this run;");
  addFlowingLines(lines, "     ", detail);
  fatalStop(kRoutine, TPCM.EDUNIT, lines);
}

void readPartnerCount() {
  std::int32_t bytes = 0;
  std::int32_t headings = 0;
  if (nextRecordLength(kPartnerUnit, bytes) != RecordStatus::kOk ||
      (bytes == 4 && readUnformatted(kPartnerUnit, headings) != RecordStatus::kOk)) {
    FILERR(unitFileName(kPartnerUnit), kCaller, TPCM.EDUNIT, kKeyboardUnit);
  }
  if (bytes != 4 || headings != WAVCOM.NRAO) {
    partnerMismatch("it holds the motions of" + fmtI(headings, 4) + " headings, this run has" +
                    fmtI(WAVCOM.NRAO, 4) + ".");
  }
}

void readPartnerHeading() {
  std::int32_t bytes = 0;
  float heading = 0.0f;
  std::int32_t reported = 0;
  if (nextRecordLength(kPartnerUnit, bytes) != RecordStatus::kOk ||
      (bytes == kHeadingRecordBytes && readUnformatted(kPartnerUnit, heading, reported) != RecordStatus::kOk)) {
    FILERR(unitFileName(kPartnerUnit), kCaller, TPCM.EDUNIT, kKeyboardUnit);
  }
  if (bytes != kHeadingRecordBytes) {
    partnerMismatch("at relative wave heading" + fmtF(HIMEM.RAOANG(WAVCOM.IRAO), 8, 2) +
                    " deg its records differ from this run's (points or output kinds).");
  }
}

// What the pass opened, to be closed at its end.
struct OpenedFiles {
  VesselFiles names{};
  bool relativeMotion = false;
  bool partner = false;
  bool lineAngles = false;
  bool motion = false;
  bool report = false;
  bool plot = false;
};

// A data set of simulation type 16 names and opens no files: refused when its settings need one.
void refuseFilesOfTypeSixteen() {
  const Tpcm& d = TPCM;
  if (d.CREATR != kSimKrebona) return;
  if (d.ISPM == 0 && d.IPLOTS == 0 && !reportFileWanted()) return;
  fatalStop(kRoutine, d.EDUNIT,
            {"", " ++> Vessel response: a data set of simulation type 16 names no files;",
             "     it takes ISPM = 0, no plot tables (IPLOTS = 0) and no report file",
             "     (IUNIT not 1)."});
}

OpenedFiles openFiles() {
  const Tpcm& d = TPCM;
  OpenedFiles f;
  f.names.userRaoFile = "USERRAOS.txt";
  if (d.CREATR == kSimKrebona) return f;
  f.names = vesselFiles();
  const VesselFiles& n = f.names;
  if (d.ISPM == 3) {
    RHOPEN("RELMOT", kUnformatted, kFresh, d.IDRIVE, kRelativeMotionUnit, kCaller, d.EDUNIT, d.CMPUTR);
    f.relativeMotion = true;
    RHOPEN(n.partnerFile, kUnformatted, kMustExist, d.IDRIVE, kPartnerUnit, kCaller, d.EDUNIT, d.CMPUTR);
    f.partner = true;
    if (d.IANC == 0) readPartnerCount();
  }
  if (d.ISPM > 1) {
    RHOPEN("LINEANG", kUnformatted, kMustExist, d.IDRIVE, kLineAngleUnit, kCaller, d.EDUNIT, d.CMPUTR);
    f.lineAngles = true;
  }
  if (d.ISPM != 0) {
    RHOPEN(n.motionFile, kUnformatted, kFresh, d.IDRIVE, kMotionFileUnit, kCaller, d.EDUNIT, d.CMPUTR);
    f.motion = true;
  }
  if (reportFileWanted()) {
    RHOPEN(reportName(n), kFormatted, kFresh, d.IDRIVE, d.IUNIT, kCaller, d.EDUNIT, d.CMPUTR);
    f.report = true;
  }
  if (d.IPLOTS != 0) {
    RHOPEN(plotName(n), kFormatted, kFresh, d.IDRIVE, kPlotUnit, kCaller, d.EDUNIT, d.CMPUTR);
    f.plot = true;
  }
  return f;
}

// Every file the pass opened, the plot table included when no report is written.
void closeFiles(const OpenedFiles& f) {
  const std::int32_t screen = TPCM.EDUNIT;
  if (f.motion) HCLOSE(kMotionFileUnit, f.names.motionFile, kCaller, screen);
  if (f.partner) HCLOSE(kPartnerUnit, f.names.partnerFile, kCaller, screen);
  if (f.relativeMotion) HCLOSE(kRelativeMotionUnit, "RELMOT", kCaller, screen);
  if (f.lineAngles) HCLOSE(kLineAngleUnit, "LINEANG", kCaller, screen);
  if (f.report) HCLOSE(TPCM.IUNIT, reportName(f.names), kCaller, screen);
  if (f.plot) HCLOSE(kPlotUnit, plotName(f.names), kCaller, screen);
}

// ---- Operators ----

enum class Turn { kForward, kBack };

// The forces or operators of every grid point turned by ROTVES (forward) or its transpose (back):
// the translations and the rotations each as a vector.
void rotateOperators(Turn turn) {
  Himem& h = HIMEM;
  const float* R = h.ROTVES.data();
  for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
    INDXUP();
    const std::array<std::int32_t, 3> translations = {h.LSG, h.LSW, h.LHV};
    const std::array<std::int32_t, 3> rotations = {h.LRL, h.LPT, h.LYA};
    for (const auto& at : {translations, rotations}) {
      const Complex v[3] = {h.CXDUM(at[0]), h.CXDUM(at[1]), h.CXDUM(at[2])};
      Complex r[3];
      if (turn == Turn::kForward) {
        GMPDCX(R, v, r, 3, 3, 1);
      } else {
        GTPDCX(R, v, r, 3, 3, 1);
      }
      for (int j = 0; j < 3; ++j) h.CXDUM(at[j]) = r[j];
    }
  }
}

// Heave, roll and pitch of the hull model switched off at every grid point.
void quenchVerticalModes() {
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= wavePoints(); ++h.IW) {
    INDXUP();
    h.CXDUM(h.LHV) = h.CXDUM(h.LRL) = h.CXDUM(h.LPT) = Complex(0.0f, 0.0f);
  }
}

// ---- The heading loop ----

// Whether the response heading IRAO feeds a sea state: a spreading direction, the mean direction,
// or a swell of some sea heading, or (with fixed swell headings) a swell.
bool feedsSeaState(std::int32_t irao) {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  const int directions = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{d.NA} + 1, 0, kSpreadSlots));
  for (int hd = 1; hd <= std::min<int>(d.NSEAHG, kMaxSeaHeadings); ++hd) {
    for (int dir = 1; dir <= directions; ++dir) {
      if (h.INTGFL(dir, hd) == irao) return true;
    }
    if (h.IRAN(hd) == irao) return true;
    if (d.LSWELL == 1 && d.LSWLOK == 1) {
      if (h.ISWL(hd) == irao) return true;
      if (d.LSWEL2 == 1 && h.ISWL2(hd) == irao) return true;
    }
  }
  return d.LSWLOK == 0 && (WAVCOM.ISWELL == irao || WAVCOM.ISWEL2 == irao);
}

bool tablesOfHeading(std::int32_t irao) { return HIMEM.LRAO(irao) != 0 || TPCM.ALLRAO != 0; }

void runHeading(const VesselFiles& names) {
  Tpcm& d = TPCM;
  Himem& h = HIMEM;
  const std::int32_t irao = WAVCOM.IRAO;
  const bool tilted = d.TRIMDG != 0.0f || d.HEELDG != 0.0f;
  h.LSKIP = feedsSeaState(irao) ? 0 : 1;
  progress(" --> Computing driving forces/torques for relative wave heading " + fmtF(h.RAOANG(irao), 7, 2));

  // Exciting forces in the vessel's trimmed and heeled axes, their tables and statistics.
  std::int32_t flag = 5;
  hullFRC(flag);
  if (tilted) rotateOperators(Turn::kForward);
  h.LFRFLG = 1;
  if (d.LFORCE != 0 && d.NEGSUM == 0 && tablesOfHeading(irao)) RUTIL();
  h.LOCSIG = h.LCNFTQ;
  progress(" --> Computing raos and irregular wave statistics...");
  if (h.LSKIP == 0) STAT1();

  // The response operators: the hull model works in its own axes; the user's come as given.
  if (d.AUXVSH == 0) {
    if (tilted) rotateOperators(Turn::kBack);
    hullRAO();
    if (PASCOM.QUASQUENCH == 1) quenchVerticalModes();
  } else {
    USRRAO(makeText<13>(names.userRaoFile).view());
  }
  if (tilted && (d.AUXVSH == 0 || d.DECKUP == 0)) rotateOperators(Turn::kForward);
  h.LFRFLG = 0;
  if (d.LMOTN != 0 && d.NEGSUM == 0 && tablesOfHeading(irao)) RUTIL();
  h.LOCSIG = h.LCNMOT;
  if (h.LSKIP == 0) STAT1();
  if (tilted && (d.AUXVSH == 0 || d.DECKUP == 1)) rotateOperators(Turn::kBack);

  if (d.ISPM > 1) {
    if (!writeUnformatted(kMotionFileUnit, h.RAOANG(irao), h.LRAO(irao) != 0)) {
      ACERR(kCaller, unitFileName(kMotionFileUnit), d.EDUNIT);
    }
  }
  if (d.NBUG == 1) {
    writeRecord(d.EDUNIT, " IRAO,NRAO,RAOANG,LRAO = " + fmtI(irao, 6) + fmtI(WAVCOM.NRAO, 6) +
                              fmtF(h.RAOANG(irao), 10, 2) + fmtI(h.LRAO(irao), 3));
  }
  if (d.ISPM == 3) readPartnerHeading();

  // The point motions, one output kind after the other.
  const struct {
    std::int32_t wanted, block, kind;
  } kinds[] = {{d.LACC, h.LCNACC, 2}, {d.LVEL, h.LCNVEL, 3}, {d.LDSP, h.LCNDSP, 4}};
  for (const auto& k : kinds) {
    if (k.wanted == 0) continue;
    h.LOCSIG = k.block;
    h.LFRFLG = k.kind;
    ACCOUT(d.NACC, d.RACC);
  }
}

// ---- The statistics tail ----

float rms(std::int32_t k) { return std::sqrt(HIMEM.RLDUM(k)); }

// The sea-state record of sea heading ihd and height iht; the RMS roll, pitch and yaw go to PASCOM.
void writeSeaState(int ihd, int iht) {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  const std::int32_t slot = seaStateRecord(iht);
  const float HSW = d.LRANDM != 0 ? 4.0f * rms(slot) : 0.0f;
  const float TPW = d.LRANDM != 0 ? h.RLDUM(slot + 2) : 0.0f;
  const float HSS = d.LSWELL != 0 ? 4.0f * rms(h.LCNSWL) : 0.0f;
  const float HSS2 = d.LSWEL2 != 0 ? 4.0f * rms(h.LCNSWL2) : 0.0f;
  Pascom& p = PASCOM;
  p.WRLRMS = rms(LOCAT0(h.NHTNHD, h.MAXHT, ihd, iht, 4, h.LCNMOT));
  p.WPTRMS = rms(LOCAT0(h.NHTNHD, h.MAXHT, ihd, iht, 5, h.LCNMOT));
  p.WYWRMS = rms(LOCAT0(h.NHTNHD, h.MAXHT, ihd, iht, 6, h.LCNMOT));
  if (!writeUnformatted(kMotionFileUnit, HSW, HSS, HSS2, TPW, p.WRLRMS, p.WYWRMS, p.WPTRMS)) {
    ACERR(kCaller, unitFileName(kMotionFileUnit), d.EDUNIT);
  }
}

// The hinge records of the point block at kH: per component the RMS value and rate.
void writeHinge(int unit, std::int32_t kH) {
  const std::int32_t S = 2 * HIMEM.NHTNHD;
  for (int c = 0; c < 3; ++c) writeMotion(unit, rms(kH + c * S), rms(kH + c * S + 1));
}

// The motion records of the point block at kD: the two horizontal components combined, then the
// vertical one.
void writeDisplacement(int unit, std::int32_t kD) {
  const Himem& h = HIMEM;
  const std::int32_t S = 2 * h.NHTNHD;
  writeMotion(unit, std::sqrt(h.RLDUM(kD) + h.RLDUM(kD + S)), std::sqrt(h.RLDUM(kD + 1) + h.RLDUM(kD + S + 1)));
  writeMotion(unit, rms(kD + 2 * S), rms(kD + 2 * S + 1));
}

void writeStatisticsTail() {
  const Tpcm& d = TPCM;
  const Himem& h = HIMEM;
  if (d.ISPM == 0 || d.ISPM == 1 || (d.LRANDM == 0 && d.NUM_SWEL == 0)) return;
  const std::int32_t pointStride = 6 * h.NHTNHD;  // words of one point's three components
  if (d.ISPM >= 4 || (d.ISPM == 2 && d.CREATR == kSimFirnedo)) {
    writeSeaState(1, 1);
    for (int ip = 1; ip <= std::min<int>(d.NACC, kMaxOutputPoints); ++ip) {
      writeHinge(kMotionFileUnit, h.LCNHNG + pointStride * (ip - 1));
      writeDisplacement(kMotionFileUnit, h.LCNDSP + pointStride * (ip - 1));
    }
    return;
  }
  if (d.ISPM != 2 && d.ISPM != 3) return;
  const int swells = d.LSWEL2 == 1 ? 2 : 1;
  const int headings = d.LRANDM != 0 ? d.NSEAHG : swells;
  const int heights = d.LRANDM != 0 ? d.NSEAHT : swells;
  for (int ihd = 1; ihd <= headings; ++ihd) {
    for (int iht = 1; iht <= heights; ++iht) {
      writeSeaState(ihd, iht);
      const std::int32_t offset = 2 * ((iht - 1) + h.MAXHT * (ihd - 1));
      writeHinge(kMotionFileUnit, h.LCNHNG + offset);
      if (d.ISPM == 3) writeHinge(kRelativeMotionUnit, h.LCNHNG + offset + pointStride);
      writeDisplacement(kMotionFileUnit, h.LCNDSP + offset);
      if (d.ISPM == 3) writeDisplacement(kRelativeMotionUnit, h.LCNDSP + offset + pointStride);
    }
  }
}

// The statistics the headings accumulate start from zero in every run: forces, motions and the
// point blocks, which lie end to end.
void clearStatistics() {
  Himem& h = HIMEM;
  std::fill(&h.RLDUM(h.LCNFTQ), &h.RLDUM(h.LCNSIG), 0.0f);
}

}  // namespace

VesselFiles vesselFiles() {
  const Tpcm& d = TPCM;
  for (const ConfigurationFiles& c : kConfigurationFiles) {
    if (c.ispm == d.ISPM && c.creatr == d.CREATR) return c.files;
  }
  if (d.ISPM == 1) return {"TANKRAO", "YOKEMOT", "USERRAOS.txt", ""};
  if (d.ISPM == 2 || d.ISPM == 3) return {"", "", "USERRAOS.txt", ""};  // refused by pass 1
  const std::string_view hull = hullReportStem();
  const std::string_view stem = hull == "SHIP"   ? "SHIPRAO"
                                : hull == "JACK" ? "JACKRAO"
                                : hull == "SEMI" ? "SEMIRAO"
                                                 : "DISCRAO";
  return {stem, "FAIRMOT", "USERRAOS.txt", ""};
}

std::string_view hullReportStem() {
  switch (selectHull()) {
    case HullKind::kShip:
      return "SHIP";
    case HullKind::kJackUp:
      return "JACK";
    case HullKind::kSemi:
      return "SEMI";
    case HullKind::kDisc:
      return "DISC";
    case HullKind::kNone:
      break;
  }
  const std::int32_t type = TPCM.VESTYP;
  if (columnStabilised(type)) return "SEMI";
  return type == kDiscBuoy ? "DISC" : "SHIP";
}

std::int32_t LOCAT0(std::int32_t NHTNHD, std::int32_t MAXHT, std::int32_t IHD, std::int32_t IHT, std::int32_t IDOF,
                    std::int32_t LBASE) {
  return LBASE + 2 * ((IHT - 1) + (IHD - 1) * MAXHT + (IDOF - 1) * NHTNHD);
}

void setVesselRotation(float TRIMDG, float HEELDG) {
  const float t = TRIMDG / kDegreesPerRadian;
  const float e = HEELDG / kDegreesPerRadian;
  Arr<float, 3, 3>& R = HIMEM.ROTVES;
  R(1, 1) = std::cos(t);
  R(1, 2) = 0.0f;
  R(1, 3) = -std::sin(t);
  R(2, 1) = std::sin(t) * std::sin(e);
  R(2, 2) = std::cos(e);
  R(2, 3) = std::cos(t) * std::sin(e);
  R(3, 1) = std::sin(t) * std::cos(e);
  R(3, 2) = -std::sin(e);
  R(3, 3) = std::cos(t) * std::cos(e);
}

void VESL2() {
  Tpcm& d = TPCM;
  Himem& h = HIMEM;
  Wavcom& wc = WAVCOM;

  // Set-up: the rotation, the units, the files and their leading records.
  setVesselRotation(d.TRIMDG, d.HEELDG);
  h.IUNX = kPartnerUnit;
  refuseFilesOfTypeSixteen();
  clearStatistics();
  const OpenedFiles files = openFiles();
  if (d.IPLOTS == 2) {
    writeRecord(kPlotUnit, " " + fmtI(d.IUNIT, 5));
    writeRecord(kPlotUnit, " " + fmtI(1000, 5));
    h.NCURV = 1;
    h.IXFLAG = 1;
  }
  if (d.ISPM > 1 && !writeUnformatted(kMotionFileUnit, wc.NRAO)) {
    ACERR(kCaller, unitFileName(kMotionFileUnit), d.EDUNIT);
  }

  for (wc.IRAO = 1; wc.IRAO <= wc.NRAO; ++wc.IRAO) runHeading(files.names);
  if (d.NBUG == 1) writeRecord(d.EDUNIT, "LABEL 85");

  writeStatisticsTail();
  closeFiles(files);
}

}  // namespace qv

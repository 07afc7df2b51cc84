// The mooring defaults of a vessel-only data set entering a mooring program, and the update entries
// of the other program types of the family, which this program does not have.
#include "dataset/updaters.h"

#include <algorithm>
#include <string_view>

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/sim_types.h"

namespace qv {

namespace {

// Table limits of the current layout: 149 fairleads (not 150) and 25 elements per line.
constexpr std::int32_t kMaxLines = 149;
constexpr std::int32_t kMaxLineElements = 25;

// Written list-directed, each line with the one blank of free-form output in front.
[[noreturn]] void inoperative(std::string_view routine) {
  fatalStop(routine, kScreenUnit, {"  ++> You are in an inoperative ???UPD file!", "      Press <Return> to quit"},
            FatalWait::kReadLine);
}

}  // namespace

void MRINIT(char CHOICE, std::int32_t ITYPE) {
  Morcom& m = TPCM.moor;
  TPCM.NEWFLG = 0;
  TPCM.MAXSEA = TPCM.MAXPRM = TPCM.MAXDIR = 1;
  TPCM.MAXANG = 36;
  m.MAXELM = kMaxLineElements;
  TPCM.IPLOTS = 0;
  if (ITYPE == kSimGandru) {  // one tow line
    TPCM.ISPM = 3;
    m.MAXDYN = m.MAXLIN = m.MAXTYP = 1;
    m.NDYNEV = 1;
    m.IDYNEV(1) = 1;
    m.NTYP = 1;
    m.NLINE(1) = 1;
    m.NLIN = 1;
    m.LINTYP[0] = 1;
  } else {
    m.MAXDYN = m.MAXLIN = m.MAXTYP = kMaxLines;
    TPCM.MAXCYL = 50;
    TPCM.MAXPOD = 16;
    TPCM.MAXEND = 100;
    TPCM.MAXMEM = 50;
    if (ITYPE != kSimPexira) {
      m.LRESET = 1;
      switch (ITYPE) {
        case kSimHeskova: TPCM.ISPM = 4; break;
        case kSimZantul: TPCM.ISPM = 5; break;
        case kSimYobrix:
          TPCM.ISPM = 6;
          TPCM.VESTYP = kTensionLegPlatform;
          break;
        case kSimWistole:
          TPCM.ISPM = 8;
          TPCM.VESTYP = kCaissonSpar;
          break;
        case kSimFirnedo: TPCM.ISPM = 7; break;
        default: break;
      }
    }
  }
  if (CHOICE != 'C') return;

  m.MOORTP = isTwoBodyType(ITYPE) ? 0 : 1;
  // One hull member with unit coefficients, unless the image brings its own (a semi-submersible's
  // data set does): defaults fill what is missing and never replace a vessel's members.
  if (!isTwoBodyType(ITYPE) && TPCM.NCYL <= 0) {
    TPCM.CCOFDX = TPCM.CCOFDY = TPCM.CCOFDZ = 1.0f;
    TPCM.NCYL = 1;
    const int cylinders = std::clamp<std::int32_t>(TPCM.MAXCYL, 0, 50);
    for (int j = 1; j <= cylinders; ++j)
      for (int i = 1; i <= 3; ++i) TPCM.CYLCM(i, j) = TPCM.CYLCMI(i, j) = TPCM.CYLCD(i, j) = TPCM.CYLCDI(i, j) = 1.0f;
  }
  m.NTYP = 1;
  m.NLIN = 1;
  m.HAWSTP = 1;
  m.HAWSLN = 1;
  m.NLAYER = 1;
  m.IDYNEV(1) = 1;
  m.COFMAS = 1.0f;
  m.COFDMP = 1.0f;
  m.NDYNEV = 1;
  TPCM.NTAB = kMaxTablePoints;
  m.WLFLAG = 0;
  m.LBOUND = 1;
  m.STAMOT = 1;
  m.LRESET = 1;
  m.LEQCND = 1;
  m.LOWMOT = 1;
  for (int i = 1; i <= m.MAXLIN; ++i) m.LINTYP[static_cast<std::size_t>(i - 1)] = i;  // the first MAXLIN words
  for (int j = 1; j <= m.MAXTYP; ++j) {
    m.NELEM(j) = 1;
    m.NLINE(j) = 1;
    m.ANCTYP(j) = ITYPE == kSimGandru ? 0 : 1;
    for (int k = 1; k <= m.MAXELM; ++k) {
      m.SCOMP(k, j).blank();
      m.COFMST(k, j) = 1.0f;
      m.COFDMT(k, j) = 1.0f;
    }
  }
}

void SHPUPD() { inoperative("SHPUPD"); }
void JCKUPD() { inoperative("JCKUPD"); }
void SEMUPD() { inoperative("SEMUPD"); }
void DSCUPD() { inoperative("DSCUPD"); }
void STMUPD() { inoperative("STMUPD"); }
void CATUPD() { inoperative("CATUPD"); }
void TOWUPD() { inoperative("TOWUPD"); }
void MORUPD() { inoperative("MORUPD"); }
void CLMUPD() { inoperative("CLMUPD"); }
void SLOUPD() { inoperative("SLOUPD"); }
void SPMUPD() { inoperative("SPMUPD"); }
void SPRUPD() { inoperative("SPRUPD"); }
void TLPUPD() { inoperative("TLPUPD"); }

void CATIMPORT() {}
void SLOIMPORT() {}

}  // namespace qv

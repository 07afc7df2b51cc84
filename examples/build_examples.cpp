// Builds the example data sets of examples/ as the editor would save them after a session that
// starts a new data set: the load's and the page sequencer's new-data-set defaults, the entries of
// the pages, the tanker estimator's vessel, and the final page's checks, which both must pass.
//
//   quorvel-examples <folder>   writes <folder>/tanker-yoke/SALMDAT and <folder>/free-salm/SALMDAT
//
// tanker-yoke: metric, 100 m of water; a three-member yoke SALM (a column with its buoyancy tank, a
// surface buoy, the yoke) with bending moments at the top of the column and of the buoy; a
// 150,000 t deadweight tanker at 16 m draft; a JONSWAP sea of 4 m and 10 s without spreading, wind of
// 40 knots and current of 2 knots, all from one direction; periods 4 to 24 s by 0.5 s; regular waves
// drive the dynamics; response tables for the principal direction; a storm of 3 hours; reports to
// files, with plot files.
// free-salm: the same site, sea and vessel data, with a free-standing column of two members.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>

#include "dataset/force_model.h"
#include "dataset/new_dataset.h"
#include "dataset/program_identity.h"
#include "dataset/tpcm.h"
#include "editor/final_page.h"
#include "editor/salmed.h"
#include "editor/tanker.h"
#include "platform/units.h"

namespace qv {
namespace {

constexpr float kKnotsWind = 40.0f;
constexpr float kKnotsCurrent = 2.0f;
constexpr float kHeadingDeg = 180.0f;  // waves, wind and current all travel toward 180 degrees

// One SALM element as page 3 holds it: metres, cubic metres, metric tons.
struct Element {
  float length;    // SLEN
  float volume;    // BUOY
  float cb;        // CBUOY, from the lower end
  float weight;    // TMASS
  float cg;        // CGSALM, from the lower end
  float gyradius;  // GYRAD
  int free;        // IFREE: 1 the lower joint rotates freely
  int moment;      // LMOMT: bending moment at the element's top
};

void setElements(std::initializer_list<Element> elements) {
  int k = 0;
  for (const Element& e : elements) {
    ++k;
    TPCM.SLEN(k) = e.length;
    TPCM.BUOY(k) = e.volume;
    TPCM.CBUOY(k) = e.cb;
    TPCM.TMASS(k) = e.weight;
    TPCM.CGSALM(k) = e.cg;
    TPCM.GYRAD(k) = e.gyradius;
    TPCM.IFREE(k) = e.free;
    TPCM.LMOMT(k) = e.moment;
  }
  TPCM.NELEM = k;
}

// A new data set as the load and the page sequencer leave it for choice "C".
void newDataSet() {
  const EditorIdentity& id = kEditor;
  std::memset(static_cast<void*>(&TPCM), 0, sizeof TPCM);
  newDataSetDefaults(id.storedWords, id.simulationType);
  TPCM.VERNO = id.version;
  TPCM.IYEAR = id.year;
  TPCM.CREATR = id.simulationType;
  TPCM.EDUNIT = kScreenUnit;
  TPCM.SRCDAT = id.modeWord;
  TPCM.LEASTP = id.modeWord;
  TPCM.CMPUTR = id.platformCode;
  TPCM.NTOGO = id.storedWords;
  sequencerDefaults('C');
}

// Page 1: the site, metric.
void site() {
  TPCM.CID1P.assign("Example: 150,000 t tanker on a yoke SALM in 100 m of water");
  TPCM.CID2P.assign("JONSWAP Hs 4 m, Tp 10 s; wind 40 knots, current 2 knots, all collinear");
  TPCM.NUNTS = kMetricUnits;
  TPCM.DEPTH = 100.0f;
  TPCM.DWATR = 1025.0f;
}

// Pages 2 and 3: the yoke SALM. The column (a 2 m tube under a 6 m buoyancy tank) stands on a
// universal joint at the seabed; the 9 m surface buoy turns on a joint at the tank's top and floats
// with 6 m of freeboard; the yoke, 30 m long and dry, hangs from the buoy's top to the tanker's
// bow, 12 m above the waterline.
void yokeSalm() {
  setElements({
      {62.0f, 194.8f, 31.0f, 150.0f, 31.0f, 17.9f, 1, 1},   // column tube: member 1
      {14.0f, 395.8f, 7.0f, 150.0f, 6.0f, 4.5f, 0, 0},      // buoyancy tank
      {30.0f, 1908.5f, 15.0f, 500.0f, 10.0f, 9.0f, 1, 1},   // surface buoy: member 2, pierces
      {30.0f, 0.0f, 0.0f, 200.0f, 15.0f, 8.7f, 1, 0},       // yoke: member 3
  });
  TPCM.IPIERC = 3;
  TPCM.WPAPRC = 63.62f;  // the buoy's waterplane: its volume over its length
  TPCM.TLOAD = 600.0f;   // [t]
  TPCM.NTAB = 30;
  TPCM.OFFINC = 1.0f;  // [m]
  TPCM.WETYOK = kSubmergenceNone;
  TPCM.IARCO = kYoke;
  TPCM.YOKEHT = 12.0f;
  TPCM.PNDARM = 20.0f;
}

// Pages 5 to 10: a 150,000 t deadweight tanker from the estimator at 16 m draft, on the yoke
// at its bow; the motions of the yoke point go to the SALM dynamics.
void tanker() {
  Tpcm& t = TPCM;
  t.DWTONS = 150000.0f;                             // [t]
  float deadweightLongTons = t.DWTONS / 1.0160469f;  // the estimator works in long tons
  t.DRAFT = 16.0f;
  std::int32_t abort = 0;
  ESTIM8(t.DISPL, t.TVKB, t.TVKG, t.DRAFT, t.AWP, t.TVKMT, t.TVKML, t.LWL, t.BWL, t.PGYR, t.RGYR, t.TYGYR, t.BILGR,
         t.TXWNDA, t.TYWNDA, t.TXCURA, t.TYCURA, deadweightLongTons, t.LOADED, t.DFTPCT, t.DSPPCT, 0, kScreenUnit,
         kKeyboardUnit, abort, kMetricUnits, 0);
  t.VESTYP = kShipVessel;
  t.ISPM = 1;
  t.XSALM = 0.5f * t.LWL + 10.0f;  // the yoke's hinge, 10 m ahead of the bow
  // One point, the yoke's hinge, whose displacements are the yoke motions (from the keel).
  t.NACC = 1;
  t.RACC(1, 1) = t.XSALM;
  t.RACC(2, 1) = 0.0f;
  t.RACC(3, 1) = t.DRAFT + t.YOKEHT;
  t.LACC = 0;
  t.LVEL = 0;
  t.LDSP = 1;
  // Page 8: the built-in models, none of them a table of "LOWDAT": OCIMF tanker '77 wind (code 4),
  // extreme cylindrical bow '91 current (5), the 2001 tanker wave drift (6).
  t.LWBARG = sameModelInAllDirections(4);
  t.LCBARG = sameModelInAllDirections(5);
  t.LWVCOF = sameModelInAllDirections(6);
}

// Pages 11 to 16: wind, current, the regular waves that drive the dynamics and the sea.
void environment() {
  Tpcm& t = TPCM;
  t.LWIND = 1;
  t.WNDSPD = kKnotsWind;
  t.WNDHDG = kHeadingDeg;
  t.LCURNT = 1;
  t.CURSPD = kKnotsCurrent;
  t.CURHDG = kHeadingDeg;
  t.LCSTCR = 1;  // uniform over the depth
  t.LEXTND = 0;  // regular waves drive the wave-frequency dynamics
  t.NWP = 41;
  for (int k = 1; k <= t.NWP; ++k) t.T(k) = 4.0f + 0.5f * static_cast<float>(k - 1);
  t.LSLPHT = 0;
  t.SLPHT = 2.83f;  // the regular wave of the sea: 4 m / sqrt(2)
  t.NDIR = 1;
  t.WAVHDG(1) = kHeadingDeg;
  t.LRANDM = 1;
  t.WAVTYP = 2;  // JONSWAP, gamma 3.3
  t.NSEAHG = 1;
  t.NSEAHT = 1;
  t.SWHT(1) = 4.0f;
  t.SIGPD(1) = 10.0f;
  t.SEAHDG(1) = kHeadingDeg;
  t.LSPRED = 0;
  t.LSWELL = 0;
}

// Pages 17 and 18: every report, plots, response tables of the principal direction, a 3 h storm.
void outputOptions() {
  Tpcm& t = TPCM;
  t.STAMOT = 1;
  t.LTABL = 1;
  t.LOFFST = 1;
  t.LOWMOT = 1;
  t.LDYN = 1;
  t.LPOSN = 1;
  t.LANGLE = 1;
  t.LODNET = 1;
  t.DURATN = 3.0f;
  t.PRNRAO = 1;
  t.NEGSUM = 0;
  t.IPLOTS = 1;
  t.IUNIT = kReportsToFiles;
}

// The final page's checks, then the words the save stamps. False when a check found anything.
bool finalPage(const std::string& name) {
  TPCM.EDUNIT = kScreenUnit;
  std::int32_t warnings = 0, fatals = 0;
  finalPageChecks(warnings, fatals);
  if (warnings + fatals != 0) {
    std::cerr << name << ": the final page's checks found " << warnings << " warning(s) and " << fatals
              << " fatal warning(s)\n";
    return false;
  }
  TPCM.LBACK = 0;
  TPCM.IPAG = 0;
  TPCM.IVERS_SUFX = 0;
  TPCM.EDUNIT = 0;
  return true;
}

bool save(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::ofstream out(folder / std::string(kEditor.dataFile), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(tpcmBytes().data()), 4 * static_cast<std::streamsize>(kStoredWords));
  out.close();
  if (!out) std::cerr << (folder / std::string(kEditor.dataFile)).string() << ": cannot be written\n";
  return static_cast<bool>(out);
}

void tankerYokeExample() {
  newDataSet();
  site();
  yokeSalm();
  settleAttachment();
  tanker();
  environment();
  outputOptions();
}

// The free column: a 2 m riser of 80 m and a 6 m buoy of 30 m that pierces the surface.
void freeSalmExample() {
  tankerYokeExample();
  TPCM.CID1P.assign("Example: a free-standing two-member SALM in 100 m of water");
  setElements({
      {80.0f, 251.3f, 40.0f, 150.0f, 40.0f, 23.1f, 1, 1},  // riser: member 1
      {30.0f, 848.2f, 15.0f, 250.0f, 13.0f, 8.7f, 1, 1},   // buoy: member 2, pierces
  });
  TPCM.IPIERC = 2;
  TPCM.WPAPRC = 28.27f;
  TPCM.IARCO = kFreeSalm;
  TPCM.YOKEHT = 0.0f;
  TPCM.PNDARM = 0.0f;
  settleAttachment();
}

}  // namespace
}  // namespace qv

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: quorvel-examples <folder>\n";
    return 1;
  }
  const std::filesystem::path folder = argv[1];
  bool ok = true;
  qv::tankerYokeExample();
  ok = qv::finalPage("tanker-yoke") && qv::save(folder / "tanker-yoke") && ok;
  qv::freeSalmExample();
  ok = qv::finalPage("free-salm") && qv::save(folder / "free-salm") && ok;
  qv::closeAllUnits();
  return ok ? 0 : 1;
}

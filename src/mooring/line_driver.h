// The line driver: every static mooring line solved at its fairlead-anchor geometry, with the
// sensitivities that the dynamic line model and the disc mooring terms read.
//
// For each line the driver reads the mean horizontal tension from the line tables at the line's
// anchor separation, solves the line statically there, again with the fairlead raised by
// DZFRAC TOTLEN (0.1 % of the line's length) and again with the horizontal tension raised by DHFRAC
// (2^-7), and forms the finite-difference sensitivities of the nodes and end tensions.
//
// Before it runs, the line tables (LINCOM HLOD, SEPVES, TOPANG, TOPTEN, ...), MIDLYR, DLAYER, LINEID
// and the geometry RANCK, ZANCK must be filled: setUpLineTables (line_setup.h) does it from the data
// set. Data from TPCM: NUMTAB, CREATR, IARCO, BDRAFT, TDRAFT, TLNHT, NBUG0, NBUG, EDUNIT, and
// moor NLIN, NELEM, SLEN, WETWT, ALPHA, ANCTYP, STRESS_STRAIN_FILE, LINTYP, RFLD, ANCHGT, HAWSTP,
// NLAYER, ZSPAN and what the static solver reads (static_solver.h).
//
// Results, per solved line ILINE (one column of each per-line array; lines whose code is above 1024
// belong to the dynamic line model and keep their old columns):
//   LINCOM DPHIF_DAF(ILINE);
//   CATCOM TANARR(., ILINE) the node slopes of the base solution; DXSDZF, DZSDZF, DXSDH, DZSDH
//   (., ILINE) the node sensitivities; DTFDZF, DTBDZB, DTFDAF, DTBDAB, DTFDXF, DTBDXB, DTZFDZ, DTZFDH
//   (ILINE) the end-tension derivatives.
// and of the last line solved the LINCOM scalars ITYP, TOTLEN, DELTAZ, ILAYER, HMEAN, DPHLD, DPHLD2,
// QF, QB, FXCOMP, FZCOMP, BXCOMP, BZCOMP, TPTEN0, BTTEN0, TPTEN_CSTZ, BTTEN_CSTZ, TPTEN_CSTH,
// BTTEN_CSTH, BOTLNM; SCLWT and BETA hold its base solution at DPHLD, SCLWTP and BETAP the raised
// tension's, TMPTAN and SECARR the raised tension's solution, AVTAN and AVSEC the base solution's.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

// The once-per-run warning of a line whose separation gives no positive mean tension.
struct LindrvState {
  Arr<std::int32_t, 150> WARNED;  // per line: 1 once the warning has been written

  void reset();  // as at the start of a run; for tests
};
extern LindrvState LINDRV_STATE;

// Solves every static line 1..TPCM.moor.NLIN at its anchor distance RANCK(line) and vertical offset
// ZANCK(line) (the offset counts for the simulation types 14 and 17 only: it raises the fairlead and
// selects the depth layer of the tables). With NBUG0 = 1 it first writes " ### In LINDRV:" and asks
// for the trace level NBUG; with NBUG = 1 it writes trace lines and asks again around the solves.
// A line is never solved at a mean tension of 0 or less: a separation below the table gives the
// first table tension HLOD(1) for the line (HMEAN and DPHLD) and a warning naming it, once per line
// and run. A line code whose type is not 1..150 (and not above 1024) stops the run with a message.
// A failing static solution stops the run inside the solver.
void LINDRV(const float* RANCK, const float* ZANCK);

// The height of line type `lineType`'s fairlead (that of the line moor.LINTYP(1, type)) above the
// line's lower end in the undisplaced configuration, by the rules of the simulation type (CREATR):
// in types 10, and 8 or 13 with IARCO = 1, the hawser (HAWSTP) hangs from the hawser point TLNHT of
// the main body and the other lines from the second body (BDRAFT); in any other type every line
// hangs from the main body (TDRAFT). The driver adds the line's ZANCK for the types 14 and 17.
float requiredFairleadHeight(std::int32_t lineType);

// The required fairlead height DELTAZ of a line of type `lineType` whose vertical offset is ZANCK:
// requiredFairleadHeight, raised by ZANCK in the simulation types 14 and 17, where the offset counts.
float lineFairleadHeight(std::int32_t lineType, float ZANCK);

// A line `line` whose anchor `separation` gives no positive mean tension in the tables is taken at
// the first table tension: LINCOM HMEAN = HLOD(1), and the warning that says so, once per line and
// run (LINDRV_STATE), whichever routine meets it first.
void warnNoMeanTension(std::int32_t line, float separation);

// Stops the run (as `routine`) with a message naming line `line` unless its code `code` is a line
// type 1..150 or a dynamic-line request (above 1024).
void checkLineCode(std::int32_t line, std::int32_t code, std::string_view routine);

// Stops the run with a message naming line type `lineType` unless it has 1 to 25 elements and its
// line record (moor.LINTYP(1, type)) names a line 1 to 150.
void checkLineType(std::int32_t lineType);

}  // namespace qv

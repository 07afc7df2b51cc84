// DYNOUT and RAOPRT: the first half of report section VII (SALM member response characteristics)
// for one wave heading, and the plot records of "DYNPLT.plt". The load solvers (MEMLOD, FRELOD) call
// DYNOUT once the loads of the heading are in OUTPUT; the drivers have opened the report unit IUNIT
// and, with IPLOTS set, the plot unit 14.
//
// DYNOUT writes, for the first heading of a wave-driven run (LEXTND 0, ISPRED at most 1), a page of
// wave properties and one of the water particle motions at the surface; then one table per response
// quantity, each with its page heading (the wave and the headings of the SALM and, unless the SALM
// stands free, of the vessel) and the static equilibrium values of the quantity: the joint
// positions (LPOSN), the in-plane and lateral member angles (LANGLE), the net base reaction and the
// net member-end loads, with a yoke (IARCO 0) the two yoke sides and the two hinges (LODNET); as
// response operators, or as response spectra in the heading's sea when SPECFG is 1. On the console
// each page ends in a pause; a reply of -1 or below goes back: from a joint-position table to the
// start of the section, from the in-plane angle table to the joint positions, from the lateral
// angle table to the in-plane one, from the base reaction to the angles, from member 1's bottom
// load to the base reaction, from its top load to its bottom load, from every later load table to
// member 1's top load; a group that is switched off is passed over to the nearest earlier group that
// is on, or to the start of the section. It sets IYKBOT, IYKTP1, IYKTP2 of DYNCOM to the load
// columns 2 NCON, 2 NCON + 1, 2 NCON + 2.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "numlib/algebra.h"

namespace qv {

void DYNOUT();

// One table of section VII. TITLE (28 characters) heads it; SHR, AXL, LTR are the in-plane shear,
// axial load and lateral shear operators of one load column over the periods (read for KIND 1 or
// less); IDX the member (joint, yoke, hinge) number; PHIMEM, THTMEM the member angle operators as
// OUTPUT holds them, (period, member) with 100 periods to a member. KIND:
//   0 net base reaction, 1 net loads at the ends of member IDX, 2 the position of joint IDX + 1,
//   3 in-plane member angles, 4 lateral member angles, -1 and -2 the left and right yoke sides
//   (IDX NCON), -4 the right and left hinges (IDX NCON + 1).
// Spectrum rows weight the squared amplitude with the random sea times SPDVAL when the heading
// carries it (IRANFG 1), the swell when it carries that (ISWLFG 1) and the second swell when it
// carries that (ISWLFG2 1).
// An attached buoyant riser's load amplitude that its field cannot hold stops the run
// (requirePrintableLoad of dynamics/printed_loads.h), except at the rows that the vessel under way
// meets so near zero encounter frequency that their weight is 0 (blockEncounterWeights of
// dynamics/attachment_motions.h): no statistic takes them, and the table shows them whole as it
// shows a yoke's.
void RAOPRT(std::string_view TITLE, const Complex* SHR, const Complex* AXL, const Complex* LTR, int IDX, int KIND,
            const Complex* PHIMEM, const Complex* THTMEM, const float* EQCOS, const float* EQSIN, float WAVDIR,
            std::int32_t ISWLFG, std::int32_t ISWLFG2, std::int32_t IRANFG, float SPDVAL);

// The static rows of a load table (KIND 1 or less): in-plane shear, axial load and lateral shear
// (value[row][0..1]) at the bottom and the top of the member, at the right and the left side of the
// yoke or hinge, or the base reaction's vertical and horizontal load (row 0 only), from the mean
// horizontal load FTOT(ISTAB) and the joint loads ZLDTMP [kips | t].
struct StaticLoadRows {
  float value[3][2];
};
StaticLoadRows staticLoadRows(int KIND, int IDX);

// Shared with the member-load report MOMOUT.
// The section title of section VII after a new page: an empty line, the title, two empty lines.
void writeSectionSevenTitle(std::int32_t unit);
// The conditions of the heading, each after 27 blanks: the wave height or slope, then the wave
// heading of the pass (WAVDIR [rad]), the sea of the members' wave loads where that is another
// (membersSeaHeading), the SALM heading and (with `vesselLine`, an attached SALM) the vessel
// heading; or, under the imposed extension, its amplitude after 23 blanks. Ends with an empty line.
void writeHeadingConditions(std::int32_t unit, float WAVDIR, bool vesselLine);
// The heading of the sea the members of an `attached` SALM take their wave loads from [deg, 0 to
// 360), where it is not the pass's own heading WAVDIR [rad] as the tables show it (apart by more
// than half their last digit): with one wave direction every pass of an attached SALM loads its
// members with the data set's sea, while its vessel motions are those of its own block's heading.
// Nothing for a free SALM, under the imposed extension, or where the two agree.
std::optional<float> membersSeaHeading(float WAVDIR, bool attached);
// The length unit of the data set, "FT" or "M.".
std::string_view lengthUnit();
// The column heading of the load tables: in-plane shear, axial load, lateral shear, their
// "AM/PHASE" (blank for spectra), an empty line.
void writeLoadColumnsHeading(std::int32_t unit);
// A row of a table: the period and the wave length of period IW, then per value either its
// amplitude times `scale` (F9 with `decimals`) and phase, or for spectra (SPECFG 1) the squared
// amplitude times the sea density E.
std::string responseRowStart(int IW);
std::string responseField(Complex z, float scale, int decimals, float E);

}  // namespace qv

// Point motions of the vessel at one response heading (WAVCOM IRAO), from its six response operators
// in the work area: accelerations, velocities or displacements (HIMEM LFRFLG 2, 3, 4) of chosen
// points, their report tables, their statistics, and their records in the vessel motion file of the
// configuration (TPCM ISPM). The moored two-body and fairlead configurations (ISPM above 1) see the
// motions along the mooring line's axes at each point and also report the ball-hinge angles, the
// vessel's rotation seen in those axes.
//
// The vessel motion files (unit 13), written here block by block, one block per call:
//   header record   NRAO, F1, F2, F3 (INTEGER), heading (REAL, the relative wave heading in RADIANS);
//                   F1, F2: the heading is the swell's, the second swell's; F3: it belongs to the
//                   random sea of the first sea heading
//   ISPM 1          per page of points, per grid period, per point of the page one record of six
//                   COMPLEX: the point's x, y, z motion of the call's kind, then the vessel's roll, yaw
//                   and pitch operators
//   ISPM 2 to 8     records of nine COMPLEX: the point's motion along the line axes X', Y', Z', roll,
//                   yaw, pitch, and the rotation along the line axes RX', RY', RZ':
//                   ISPM 4, 5, 6, 8 and the buoy of a buoy-and-tanker pair (ISPM 2, CREATR 13): every
//                     point; a page's second point follows its first point's NWP records;
//                   the tug (ISPM 2, CREATR 10): the first point of each page;
//                   the trailing body (ISPM 3): the first point of each page, its motion negated and
//                     carried to the partner by the separation phase P = exp(i k CNTSEP cos h);
//                   ISPM 7 and beyond 8: none
// The response pass writes the file's other records (its leading count, a record per heading, the
// statistics at the end).
//
// Read here: the line-angle file "LINEANG" (unit 12, ISPM above 1): per call one record holding an
// INTEGER, NSKIP; per page, per point, one record of two REALs, the line's azimuth phi and its angle
// theta from the vertical [rad]. The partner's motion file (unit HIMEM IUNX, ISPM 3): per call its
// header record (checked against this run: a file of another run stops with a message naming it),
// for the tanker (CREATR 13) NSKIP - 1 blocks of NWP records skipped, and per page with two points
// one record per period for the second point, whose motion is shown relative to the partner's.
#pragma once

#include <cstdint>

#include "hull/himem.h"
#include "util/farray.h"

namespace qv {

inline constexpr int kMotionFileUnit = 13;
inline constexpr int kLineAngleUnit = 12;

using PointCoordinates = Arr<float, 3, kMaxOutputPoints>;  // (x, y, z) per point, z up from the keel [ft | m]

// One output kind at the heading in hand: LFRFLG 2 accelerations, 3 velocities, 4 displacements
// (relative to the water surface with TPCM LGAP), LOCSIG the statistics block of the kind, LSKIP 0
// when the heading feeds a sea state. NPTS points of COORD (at most 149), two to a page.
//
// The report (on IUNIT) is on when NEGSUM is 0 and the heading is flagged (LRAO with LMOTN) or
// ALLRAO asks for every heading; on the console each page pauses and a reply of -1 or less shows the
// call's pages again, which writes, reads and adds nothing more. The hinge-angle statistics
// (LCNHNG, in degrees squared) are added once per heading: by the call of the first kind switched on
// (LACC, LVEL, LDSP in this order). Under way, at the periods met more slowly than the grid reaches
// (vessel/slow_encounter.h), the statistics take the points' motions with the vessel's surge, sway
// and yaw at the row's weight, and a motion relative to the partner's point whole at that weight;
// the tables and the motion file keep every period whole. A line-angle or partner file that cannot be read stops the run.
void ACCOUT(std::int32_t NPTS, const PointCoordinates& COORD);

// Where "YOKEMOT" (ISPM 1) holds the yoke's motions, the displacements of the first vessel point,
// as the response pass writes the file with the data set's switches: per heading one block per
// output kind switched on, in the order LACC, LVEL, LDSP, each a header record and `periods` records
// per point, a page's two points alternating period by period. The SALM dynamics reads it.
struct YokeMotionLayout {
  bool present = false;             // LDSP on and at least one point (NACC): the yoke's motions are there
  std::int32_t headingRecords = 0;  // records of one heading
  std::int32_t blockStart = 0;      // records of a heading before the header of its displacement block
  std::int32_t periodStride = 1;    // records from one period's yoke-point record to the next one's
};
YokeMotionLayout yokeMotionLayout(std::int32_t periods);

// The page header of the point tables for points I1 and I2 (equal: one point): IBALL 0 the motions of
// the call's kind, 1 the ball-hinge angles.
void ACC_HEADER(const PointCoordinates& COORD, std::int32_t I1, std::int32_t I2, std::int32_t IBALL);

}  // namespace qv

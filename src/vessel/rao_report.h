// The regular-wave tables of the vessel response at the heading in hand (WAVCOM IRAO): the
// dimensionless exciting forces and moments (HIMEM LFRFLG 1) or the motion response operators
// (LFRFLG 0), each degree of freedom as an amplitude and a phase per grid period, on the report unit
// TPCM IUNIT. The degrees of freedom chosen in TPCM MOTION are split into tables of at most three
// columns. With TPCM IPLOTS 1 the plot table (unit 14) receives a copy of every heading line and a
// tab-separated line of numbers per row; with IPLOTS 2 a curve block per column.
//
// On the console (IUNIT equal to EDUNIT) each table ends with the pause, and a reply of -1 or less
// shows it again; the plot table receives each table once.
#pragma once

#include <cstdint>

namespace qv {

inline constexpr int kPlotUnit = 14;

// The tables of the quantity LFRFLG names, at most three columns each: six chosen degrees of freedom
// make two tables (surge, sway, heave, then roll, pitch, yaw). The table holding roll gets IFLAG 1.
void RUTIL();

// One table of the columns HIMEM IDCLMN(1..NCOL). IFLAG 1: the table holding roll (a motion table of
// a ship shows the roll damping in its header).
void RAOOUT(std::int32_t IFLAG);

// The page header of the vessel-motion tables: a new page, the section box and the regular-wave data
// (heading, reference wave, speed and course; for IFLAG 1 on a motion table of a ship, the roll
// damping). Also the header of the point-motion pages.
void HEADR2(std::int32_t IFLAG);
// The same header with the plot table's copy (IPLOTS 1) left out when plotCopy is false: for a page
// shown again on the console.
void HEADR2(std::int32_t IFLAG, bool plotCopy);

// The force scale factors that turn the dimensionless forces into forces, with the note on the
// centre the moments are taken about.
void SCALEF();

}  // namespace qv

// The third pass of the vessel response, VESL3: the irregular-sea statistics of the response. For
// every sea heading and height it turns the moments that pass 2 accumulated into significant single
// amplitudes (2 sqrt(M0)), significant rates (2 sqrt(M2)) and zero-upcrossing periods
// (2 pi sqrt(M0 / M2)), hands the RMS values of the last sea state to the mooring side (PASCOM), and
// writes section "III.  IRREGULAR WAVE STATISTICS" of the statistics report: per sea state a vessel
// page (the sea state, the force and the motion tables) and, with point outputs, a point page.
//
// The report is "<name>RAN.stxt": TANKRAN (ISPM 1), TUGRAN and BUOYRAN (ISPM 2, CREATR 10 and 13),
// BARGRAN and TANKRAN (ISPM 3, CREATR 10 and 13), otherwise by the hull: SHIPRAN, JACKRAN, SEMIRAN,
// DISCRAN. It goes to a file when TPCM IUNIT is 1, to the console otherwise, and nowhere with
// NEGSUM 1; on the console each page waits, and a reply of -1 or less shows it again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vessel/point_motions.h"

namespace qv {

// The report file of the configuration.
std::string statisticsReportName();

// The RLDUM index of the moment pair of point IP (1..149), component IC (1 x, 2 y, 3 z) for sea
// heading IHD and height IHT in the point block that starts at LOC: LOC + 2 ((IHT - 1) + (IHD - 1)
// MAXHT + 3 NHTNHD (IP - 1)) + 2 NHTNHD (IC - 1).
std::int32_t LOCAT1(std::int32_t NHTNHD, std::int32_t MAXHT, std::int32_t IHD, std::int32_t IHT, std::int32_t IP,
                    std::int32_t IC, std::int32_t LOC);

// The pass: nothing without a random sea or a swell; with a swell alone one sea state, the data
// set's height and heading counts set to 1.
void VESL3();

// The statistics of the sea state HIMEM IHT, IHD: the PASCOM hand-off (also with NEGSUM 1), then the
// vessel page and the point page.
void STATOT();

// A new page with the section title and the sea state IHT, IHD: the wind sea's spectrum, spreading,
// height and periods and its direction, then each swell.
void HEADER();

// One block of point statistics: TITLE over the significant single amplitudes of the x, y and z
// components of points 1..NPT (coordinates XYZ), from the point block starting at LOC.
void DUMOUT(std::string_view TITLE, std::int32_t LOC, const PointCoordinates& XYZ, std::int32_t NPT);

}  // namespace qv

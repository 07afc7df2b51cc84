// The second pass of the vessel response, VESL2: for every heading of the response-heading table the
// hull's wave exciting forces, turned into the trimmed and heeled vessel axes, with their report
// tables and statistics; the response operators (the hull model's or the user's) with theirs; and
// the motions of the chosen points with the records of the vessel motion file. Around the headings
// it names and opens the configuration's files, and after them it writes the statistics tail of the
// two-body motion files and closes every file it opened.
//
// The files of a run, by the configuration TPCM ISPM and the creator CREATR (the stem names the
// report "<stem>.stxt" on unit IUNIT and the plot table "<stem>.plt" on unit 14):
//
//   ISPM            CREATR  stem      motion file (unit 13)  user operators  partner (unit 10)
//   0, 4-8, other   any     by hull   "FAIRMOT"              "USERRAOS.txt"  -
//   1               any     TANKRAO   "YOKEMOT"              "USERRAOS.txt"  -
//   2               10      TUGRAO    "TUGSTERN"             "UTUGSRAO.txt"  -
//   2               13      BUOYRAO   "BUOYMOTN"             "UBUOYRAO.txt"  -
//   3               10      BARGRAO   "BARGEBOW"             "UBARGRAO.txt"  "TUGSTERN"
//   3               13      TANKRAO   "TANKBOW"              "UTANKRAO.txt"  "BUOYMOTN"
//
// A free vessel (ISPM 0) opens no motion file. The moored bodies (ISPM above 1) read the line angles
// of "LINEANG" (unit 12), which must exist; the trailing body (ISPM 3) writes "RELMOT" (unit 11) and
// reads its partner's motion file, which must exist too (the first body runs first).
//
// The records this pass writes itself into the motion file of a moored body (ISPM above 1): first
// the number of headings (INTEGER); per heading, before the point blocks of ACCOUT, the heading
// [deg] (REAL) and whether its tables are reported (LOGICAL); after the headings, when a sea is
// present, the statistics tail of REAL records:
//   sea state   HSW, HSS, HSS2, TPW, then the RMS roll, yaw and pitch [rad] (this order): the
//               significant heights of the wind sea and the two swells and the wind sea's peak period
//   hinge       per line-axis component its RMS value and RMS rate [deg, deg/s]
//   motion      the RMS value and rate of the horizontal motion (both components combined), then of
//               the vertical one
// Single-set tail (ISPM 4 and above, and the buoy: ISPM 2, CREATR 13): the sea state of the first
// height and heading, then for every point its three hinge and two motion records. Per-sea-state
// tail (the tug: ISPM 2, CREATR 10, and ISPM 3): per sea heading and height the sea state with the
// first point's hinge and motion records; the trailing body writes its second point's hinge and
// motion records to "RELMOT".
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

inline constexpr int kPartnerUnit = 10;
inline constexpr int kRelativeMotionUnit = 11;

// The files named by the configuration; an empty name: none.
struct VesselFiles {
  std::string_view stem;         // report and plot stem
  std::string_view motionFile;   // the vessel motion file (not opened for a free vessel)
  std::string_view userRaoFile;  // user response operators (TPCM AUXVSH)
  std::string_view partnerFile;  // the first body's motion file, read by the second body
};
VesselFiles vesselFiles();

// The hull part of the report names: "SHIP", "JACK", "SEMI" or "DISC" by the hull model of the data
// set. With no model selected (a column-stabilised type without SEMI_LIKE, an unknown type) the row
// of the summary report: "SEMI" for VESTYP 3, 5 and 6, "DISC" for 4, "SHIP" otherwise.
std::string_view hullReportStem();

// The RLDUM index of the moment pair (M0, M2) of quantity IDOF for sea heading IHD and height IHT in
// the statistics block that starts at LBASE: LBASE + 2 ((IHT - 1) + (IHD - 1) MAXHT + (IDOF - 1)
// NHTNHD).
std::int32_t LOCAT0(std::int32_t NHTNHD, std::int32_t MAXHT, std::int32_t IHD, std::int32_t IHT, std::int32_t IDOF,
                    std::int32_t LBASE);

// HIMEM ROTVES from the trim and heel [deg] (trim bow down, heel starboard down positive): the
// rotation from the trimmed and heeled vessel's axes into earth-vertical ones.
void setVesselRotation(float TRIMDG, float HEELDG);

// The pass. It needs the state pass 1 leaves (the work-area layout, the grid, the heading table, the
// hull characteristics) and leaves in HIMEM the force, motion and point statistics of every sea
// state, which pass 3 reports; it clears those statistics first. A file that cannot be opened,
// written, read or closed stops the run naming "HOBRANE2", as does a partner motion file of another
// run. A data set of simulation type 16 opens no files: it is refused when it asks for any.
void VESL2();

}  // namespace qv

// "MOMDAT": the member-load scratch file of the wave-frequency stage. The load solvers (MEMLOD for
// an attached SALM, FRELOD for a free one) write it per heading, MOMOUT reads it back in the same
// heading to form the loads and moments at the moment elements.
//
// Unit 12, sequential, unformatted (the record layer of util/unformatted_io.h), re-created at the
// start of each heading that has moment elements (TPCM NMOMT not 0) and closed before the reports.
// Records: for each period IW = 1..NWP (outer), each moment element 1..NMOMT, each component
// q = 1..5 (inner: in-plane shear, axial load, lateral shear, in-plane moment, transverse moment) one
// record of one COMPLEX, the element's load per unit wave amplitude. No header, no counts.
#pragma once

#include <cstdint>
#include <string_view>

#include "numlib/algebra.h"

namespace qv {

inline constexpr std::int32_t kMomentFileUnit = 12;
inline constexpr std::string_view kMomentFile = "MOMDAT";

// The moment elements the file and the moment tables hold: TPCM NMOMT held to 0..10 (the load
// solver refuses a column with more).
int momentElements();

// A fresh "MOMDAT" on unit 12; a failing open ends the run under `caller`.
void createMomentFile(std::string_view caller);
// The records of one period: for each moment element the five values SHMOM1 + DRAGCF SHMOM2 of
// DYNCOM, times `phase`. A failed write ends the run under `caller`.
void writeMomentRecords(std::string_view caller, float DRAGCF, Complex phase);
// Closes unit 12, keeping the file.
void closeMomentFile(std::string_view caller);

}  // namespace qv

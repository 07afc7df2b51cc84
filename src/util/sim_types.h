// Simulation types: the value of CREATR (alias SIMTYP) that names the program of the family that
// wrote a data set, and what a type implies for the data set and the session.
#pragma once

#include <cstdint>

namespace qv {

enum SimulationType : std::int32_t {
  kSimBrantox = 1,   // ship vessel response
  kSimVelnira = 2,   // jack-up vessel response
  kSimDorvane = 3,   // semi-submersible vessel response
  kSimTulkesh = 4,   // disc buoy vessel response
  kSimGreldin = 7,   // spread-mooring statics
  kSimPexira = 8,    // catenary mooring analysis
  kSimUnknown = 9,
  kSimGandru = 10,   // tug and barge: two bodies
  kSimQuorvel = 11,  // this program: a SALM
  kSimHeskova = 12,
  kSimFirnedo = 13,  // buoy and tanker with a hawser: two bodies
  kSimYobrix = 14,   // tension-leg platform
  kSimZantul = 15,
  kSimKrebona = 16,
  kSimWistole = 17,  // caisson spar
};
inline constexpr std::int32_t kSimLast = kSimWistole;  // the creator-type table has rows 1 to 17

constexpr bool isKnownSimulationType(std::int32_t type) { return type >= 1 && type <= kSimLast; }

// The mooring programs (types 10 and above): they read the coefficient file "LOWDAT" at load, and a
// data set of a lower type that enters one is a vessel-only image.
constexpr bool isMooringProgram(std::int32_t type) { return type >= kSimGandru; }

// The types that keep a second body's vessel data under B-prefixed names in section 2.
constexpr bool isTwoBodyType(std::int32_t type) { return type == kSimGandru || type == kSimFirnedo; }

// The types whose sessions may chain to the external time-domain program.
constexpr bool chainsToTimeDomain(std::int32_t type) { return type == kSimHeskova || type == kSimZantul; }

// The types whose images carry the mooring section (section 3) with its component-name texts.
constexpr bool carriesMooringSection(std::int32_t type) {
  return type == kSimGreldin || type == kSimPexira || type == kSimGandru ||
         (type >= kSimHeskova && type <= kSimZantul) || type == kSimWistole;
}

}  // namespace qv

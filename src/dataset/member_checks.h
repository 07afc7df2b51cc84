// The check of one member of the hull-member table (section 2 of the data set) before the session
// ends: its ends against the waterline, its length against its length dimension, dry members and
// piercing members with unsuitable end types; it refreshes the member's direction code and has its
// added-mass coefficients computed when the member asks for them (MASCMP).
#pragma once

#include <cstdint>

namespace qv {

// Checks member IMEM (nothing for IMEM above NCYL or outside the table), writing its messages on
// EDUNIT. IWARN 1 when anything was reported, IFATAL 1 for a fatal warning, IPROB 1 for any problem
// (the coefficient step included): all three set to 0 first. IPIERC is set to 1 when the member
// crosses the waterline from below or is fatally wrong, and never cleared here.
void CHKPAK(std::int32_t IMEM, std::int32_t& IWARN, std::int32_t& IFATAL, std::int32_t& IPROB,
            std::int32_t& IPIERC);

}  // namespace qv

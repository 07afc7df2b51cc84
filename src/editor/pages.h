// The page routines of the editor's own page slots (site, SALM, vessel, output options and the final
// page). Each follows the page protocol of the sequencer and leaves its navigation code in
// TPCM.LBACK.
#pragma once

#include <string_view>

namespace qv {

void STATIC();                       // page 1, site
void SALM(std::string_view label);    // page 2, SALM information
void SALM2B(std::string_view label);  // page 3, SALM elements
void QUASCK(std::string_view label);  // page 4, low-frequency dynamics
void VESEL1(std::string_view label, std::string_view vesselText);  // page 5, vessel hydrostatics
void VESEL2(std::string_view label, std::string_view vesselText);  // page 6, vessel inertia and motion
void VESEL3(std::string_view label, std::string_view vesselText);  // page 7, damping and periods
void EXTFRC(std::string_view label, std::string_view vesselText);  // page 9, external force
void AREAS(std::string_view label, std::string_view vesselText);   // page 10, areas and enhancement
void SLMOUT(std::string_view label);  // page 17, output options
void SLMOT2(std::string_view label);  // page 18, analysis options
void SLMFIN(std::string_view label);  // the final page, shown as page 19

}  // namespace qv

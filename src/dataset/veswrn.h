// The plausibility checks of a data set before the session ends: vessel, sea state, wind, current,
// wave drift and damping data that would make an analysis meaningless or fail, with a few silent
// repairs of dependent members so that every later reader sees consistent values. The vessel's rows
// apply only where the run analyses the vessel (vesselAnalysed): a free SALM, or a SALM whose
// statics alone are run, is not held to data that no stage of its run reads.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/run_checks.h"

namespace qv {

// The lines a check's message gains that say where its values are edited: given the check's kind
// (fatal or not) and the places (page and item) of the values it is about, the lines to write
// after its text. The final page hands these out from the run's findings about the same values.
using CheckPlaces = std::function<std::vector<std::string>(bool fatal, std::span<const ValuePlace> places)>;

// Adds the warnings and fatal warnings found to NWARN and NFATAL (the caller sets both to 0 first).
// Messages go to EDUNIT (41: the diagnostics file of an unattended run); a screen is paused and
// cleared between pages of seven. Never stops the run: a numerical failure inside the checks is a
// fatal warning that names its member or sea state. With `places`, a check about values that have
// a page and item shows the lines `places` gives for them after its own.
void VESWRN(std::int32_t& NWARN, std::int32_t& NFATAL, const CheckPlaces& places = {});

// One message of the end-of-session checks on EDUNIT: an empty line and its lines, then its count
// through WRNINC, seven to a screen: NFATAL for a fatal warning, NWARN otherwise.
void reportCheck(std::int32_t& NWARN, std::int32_t& NFATAL, bool fatal, std::initializer_list<std::string_view> lines);
void reportCheck(std::int32_t& NWARN, std::int32_t& NFATAL, bool fatal, std::span<const std::string> lines);

}  // namespace qv

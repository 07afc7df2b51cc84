#include "dynamics/printed_loads.h"

#include <cmath>
#include <vector>

#include "dataset/column_reach.h"
#include "dataset/run_checks.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "slowdrift/output.h"
#include "statics/data_lines.h"
#include "statics/solve.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

std::string meanMemberAnglesText() {
  const int N = SOLVE.NCON;
  std::string text = "Under the mean load of " + forceText(EQUILB.FTOT(EQUILB.ISTAB)) + ",";
  for (int m = 1; m <= N; ++m) {
    text += std::string(m == 1 ? "" : m == N ? " and" : ",") + " member " + std::to_string(m) + " (" + memberElements(m) +
            (m == 1 ? ") stands at " : ") at ") + degreesText(OUTPUT.PHICON(m) * kDegreesPerRadian);
  }
  return text + " from the vertical";
}

std::string alignmentRemedyText() {
  if (attachedBuoyantRiser(TPCM.FRESLM, TPCM.IARCO)) {
    return "Give the buoyant riser more length than the height from its hinge to the vessel's keel: lengthen an "
           "element (page 3, item 2), reduce the water depth (page 1, item 4) or deepen the draft (page 5, item 10).";
  }
  return "Change the element lengths (page 3, item 2), the water depth (page 1, item 4) or the height of the "
         "attachment (page 3, item 14 then 1).";
}

bool riserLoadsGuarded() { return attachedBuoyantRiser(TPCM.FRESLM, TPCM.IARCO); }

bool fitsField(double value, int width, int decimals) {
  // Well inside the field's digits a value fits; near its edge the printing itself decides, as it
  // rounds.
  const int digits = width - decimals - 1 - (std::signbit(value) ? 1 : 0);  // before the point
  if (digits > 0 && std::fabs(value) < 0.9 * std::pow(10.0, digits)) return true;
  return fmtF(value, width, decimals).find('*') == std::string::npos;
}

void requirePrintableLoad(float value, int width, int decimals, std::string_view routine, const std::string& what) {
  if (!riserLoadsGuarded() || !std::isfinite(value) || fitsField(value, width, decimals)) return;
  const double limit = std::pow(10.0, width - decimals - 1 - (std::signbit(value) ? 1 : 0)) - std::pow(10.0, -decimals);
  const std::string field = fmtF(limit, 24, decimals);
  const std::string text = what + " is " + forceText(value) + ", more than the report's field holds (" +
                           field.substr(field.find_first_not_of(' ')) + "). " + meanMemberAnglesText() +
                           ". The loads that the vessel's heave at the keel gives a buoyant riser grow without "
                           "bound as its members come into line. " +
                           alignmentRemedyText();
  const std::vector<std::string> lines = flowingLines(" ++> " + std::string(routine) + ": ", text);
  fatalStop(routine, TPCM.EDUNIT, std::span<const std::string>(lines), FatalWait::kPressReturn, kKeyboardUnit);
}

}  // namespace qv

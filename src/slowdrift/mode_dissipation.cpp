#include "slowdrift/mode_dissipation.h"

#include <cmath>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/equilb.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

struct Source {
  const char* name;
  float LowModeRecord::*damping;
  float LowModeRecord::*variance;  // nullptr: a damping without an excitation of its own
  bool acts;
};

// The sources of a mode as the low-frequency report lists them.
std::vector<Source> sources() {
  const Tpcm& t = TPCM;
  const bool drag = t.LEGDRG == 0;
  return {{"still water", &LowModeRecord::GAMSTW, nullptr, true},
          {"wind", &LowModeRecord::GAMWND, &LowModeRecord::VARWND, t.LWIND != 0},
          {"current", &LowModeRecord::GAMCUR, &LowModeRecord::VARCUR, t.LCURNT != 0},
          {"wave reflection", &LowModeRecord::GAMWV, &LowModeRecord::VARWAV, t.LRANDM != 0},
          {"wave drag", &LowModeRecord::GMWDG, &LowModeRecord::VWVDG, t.LRANDM != 0 && drag},
          {"swell reflection", &LowModeRecord::GAMSWL, &LowModeRecord::VARSWL, t.LSWELL != 0},
          {"swell drag", &LowModeRecord::GMSDG, &LowModeRecord::VSWDG, t.LSWELL != 0 && drag}};
}

// A damping ratio as the report prints it: percent of critical, two decimals ("not a number" or
// "infinite" for a value that is none).
std::string percent(float ratio) {
  if (!std::isfinite(ratio)) return messageValue(ratio);
  const std::string text = fmtF(50.0f * ratio, 12, 2);
  return text.substr(text.find_first_not_of(' '));
}

// "name value" of a damping term.
std::string term(const std::string& name, float ratio) { return keptTogether(name + " " + percent(ratio)); }

bool usableVariance(float v) { return v >= 0.0f && std::isfinite(v); }

}  // namespace

void requireDissipation(int mode) {
  const Tpcm& t = TPCM;
  const LowModeRecord& rec = EQUILB.MODREC(mode);
  static const char* const kModes[3] = {"surge", "low sway-yaw (\"sway\")", "high sway-yaw (\"yaw\")"};
  const std::int32_t userFlag[3] = {t.LSGLFD, t.LSWLFD, t.LYWLFD};
  static const char* const kUserItem[3] = {"3", "5", "7"};

  std::string fault;
  if (!(rec.GAMTOT > 0.0f)) {
    fault = std::isfinite(rec.GAMTOT) ? "a total damping of " + percent(rec.GAMTOT) + " percent of critical"
                                      : "a total damping that is " + percent(rec.GAMTOT);
    fault += ", which does not dissipate";
  } else {
    std::string from;
    for (const Source& s : sources()) {
      if (s.acts && s.variance != nullptr && !usableVariance(rec.*s.variance))
        from += (from.empty() ? " " : ", ") + std::string(s.name);
    }
    if (from.empty() && usableVariance(rec.VARTOT)) return;
    fault = "a motion variance that is negative or no number" + (from.empty() ? "" : " (from" + from + ")");
  }

  std::string terms;
  if (userFlag[mode - 1] != 0) {
    terms = "its damping is the user's, " + percent(rec.GAMTOT) + " percent of critical " +
            keptTogether("(page 4, item " + std::string(kUserItem[mode - 1]) + ")");
  } else {
    terms = "its damping terms (percent of critical):";
    for (const Source& s : sources())
      if (s.acts) terms += " " + term(s.name, rec.*s.damping) + ",";
    terms += " " + term("total", rec.GAMTOT);
  }
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ",
                  "VANTREL: the low-frequency " + std::string(kModes[mode - 1]) + " mode has " + fault +
                      ", and no motion can be reported for it; " + terms +
                      ". Check the hull's drag coefficients and the wind, current and wave loads " +
                      keptTogether("(pages 8 to 12)."));
  fatalStop("SLOMOR", t.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

}  // namespace qv

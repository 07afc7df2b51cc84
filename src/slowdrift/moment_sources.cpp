#include "slowdrift/moment_sources.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dataset/force_model.h"
#include "dataset/lowcof.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/equilb.h"
#include "lowfreq/drift_tables.h"
#include "lowfreq/force_coefficients.h"
#include "lowfreq/net_loads.h"
#include "lowfreq/user_coefficients.h"
#include "numlib/angles.h"
#include "numlib/circle_constants.h"
#include "platform/units.h"
#include "statics/data_lines.h"
#include "util/files.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

// The row of a coefficient table whose lateral or yaw coefficient (columns 2 and 3) is the largest
// in size: its number, the column and the value.
struct LargestEntry {
  int row = 0;
  int column = 0;
  float value = 0.0f;
};

LargestEntry largestLateralOrYaw(int rows, const std::function<float(int, int)>& coefficient) {
  LargestEntry largest;
  for (int row = 1; row <= rows; ++row) {
    for (int column = 2; column <= 3; ++column) {
      const float v = coefficient(row, column);
      if (largest.row == 0 || !(std::fabs(v) <= std::fabs(largest.value))) largest = {row, column, v};
    }
  }
  return largest;
}

// The item of page 8 where the model of `field` (1 surge, 2 sway, 3 yaw) is chosen: the load's one
// model line while all three fields hold one model, else the field's own line.
int modelItem(std::int32_t word, int field, int firstItem, bool current) {
  const int unit = TPCM.EDUNIT;
  int first = NIBVAL(word, 1, unit);
  if (current && first == kCurrentNsmbMeanCurve) first = kCurrentNsmbTanker;
  const bool oneModel = first == NIBVAL(word, 2, unit) && first == NIBVAL(word, 3, unit);
  return oneModel ? firstItem : firstItem + field - 1;
}

// What feeds the wind's or the current's yaw moment: the model of the field (sway or yaw) whose
// term is the larger at the relative direction beta, and for a table or a file its largest lateral
// or yaw coefficient.
std::string flowSource(bool wind, float beta, float arm) {
  const Tpcm& t = TPCM;
  const std::string load = wind ? "wind" : "current";
  const std::int32_t word = wind ? t.LWBARG : t.LCBARG;
  TRIGLD(beta);
  const auto coefficient = [&](int component) {
    return wind ? vesselWindCoefficient(component, beta) : vesselCurrentCoefficient(component, beta);
  };
  const int field = std::fabs(t.LWL * coefficient(3)) >= std::fabs(arm * coefficient(2)) ? 3 : 2;
  const int code = NIBVAL(word, field, t.EDUNIT);
  const int item = modelItem(word, field, wind ? kWindModelItem : kCurrentModelItem, !wind);
  const std::string at = "at the relative " + load + " direction " + degreesText(REDRAD(beta) * kDegreesPerRadian) + ".";
  if (code == kModelLowdatTable) {
    const Lowcof& c = LOWCOF;
    const int rows = wind ? c.NUWNPT : c.NUCRPT;
    const LargestEntry e = largestLateralOrYaw(std::min(rows, 21), [&](int row, int column) {
      return wind ? c.UWNCFS(row, column) : c.UCRCFS(row, column);
    });
    const float angle = e.row == 0 ? 0.0f : (wind ? c.UWNANG(e.row) : c.UCRANG(e.row));
    return "the " + load + " coefficient table of LOWDAT (page 8, item " +
           std::to_string(wind ? kWindTableItem : kCurrentTableItem) + "), " + at +
           " Its largest lateral or yaw coefficient is " + std::string(e.column == 2 ? "Cy" : "Cz") + " = " +
           messageValue(e.value) + " in row " + std::to_string(e.row) + " (" + degreesText(angle) + ").";
  }
  if (code == kModelUserFile) {
    const UserCoefficientTable& table = wind ? userCoefficientState.wind : userCoefficientState.current;
    const std::string name(fileNameOf((wind ? windCoefficientFile(t.CREATR, t.ISPM)
                                            : currentCoefficientFile(t.CREATR, t.ISPM)).view()));
    const LargestEntry e = largestLateralOrYaw(std::min(table.N, kMaxUserCoefficientRows),
                                               [&](int row, int column) { return table.coefficient(row, column); });
    const float angle = e.row == 0 ? 0.0f : table.angle(e.row) * kDegreesPerRadian;
    return "the " + load + " coefficients of the file \"" + name + "\" (chosen on page 8, item " +
           std::to_string(item) + "), " + at + " Its largest lateral or yaw coefficient is " +
           std::string(e.column == 2 ? "CY" : "CMZ") + " = " + messageValue(e.value) + " in row " +
           std::to_string(e.row) + " (heading " + degreesText(angle) + ").";
  }
  const std::string model(modelName(wind ? ForceLoad::kWind : ForceLoad::kCurrent, code).trimmed());
  return "the " + load + " model \"" + model + "\" (page 8, item " + std::to_string(item) + "), " + at + " Check the " +
         load + " speed (page " + (wind ? "11" : "12") + ") and the " + load + " areas and arms (page 10).";
}

// Wave system s (1 the sea, 2 the swell, 3 the second swell) and the page that describes it.
std::string seaSystemName(int s) {
  return s == 1 ? "the sea (page 15)" : s == 2 ? "the swell (page 16)" : "the second swell (page 16)";
}

// What feeds the mean wave drift of wave system s.
std::string driftSource(int s) {
  const Tpcm& t = TPCM;
  const std::string system = seaSystemName(s);
  const int code = NIBVAL(t.LWVCOF, 3, t.EDUNIT);
  const int item = modelItem(t.LWVCOF, 3, kDriftModelItem, false);
  const DriftTableState& d = driftTableState;
  const int frequencies = std::min(d.NFREQ, kMaxDriftFrequencies);
  if (code == kDriftUserFile && frequencies > 0) {
    const std::string name(fileNameOf(driftCoefficientFile(t.CREATR, t.ISPM).view()));
    const LargestEntry e = largestLateralOrYaw(frequencies * std::min(d.NAZ, kMaxDriftHeadings), [&](int n, int c) {
      const int i = (n - 1) % frequencies + 1;
      const int j = (n - 1) / frequencies + 1;
      return c == 2 ? d.CFY(i, j) : d.CMZ(i, j);
    });
    const int i = e.row == 0 ? 1 : (e.row - 1) % frequencies + 1;
    const int j = e.row == 0 ? 1 : (e.row - 1) / frequencies + 1;
    return "the mean wave drift of " + system + " by the drift coefficients of the file \"" + name +
           "\" (chosen on page 8, item " + std::to_string(item) + "). Its largest sway or yaw coefficient is " +
           messageValue(e.value) + " (" + (e.column == 2 ? "sway" : "yaw") + "), at heading " +
           degreesText(d.ANGARR(j) * kDegreesPerRadian) + " and frequency " + fixedText(d.WARRAY(i, j), 4) + " rad/s.";
  }
  const std::string model(modelName(ForceLoad::kDrift, code).trimmed());
  return "the mean wave drift of " + system + " by the drift model \"" + model + "\" (page 8, item " +
         std::to_string(item) + ").";
}

}  // namespace

std::string momentLabel() { return TPCM.NUNTS == kEnglishUnits ? " ft-kips" : " m.ton-m"; }

MomentSource largestMomentSource(float PSI) {
  const Tpcm& t = TPCM;
  MomentSource source;
  TorqueParts parts{};
  TORQUE2(PSI, source.moment, parts);
  const float arm = EQUILB.YAWARM - t.CG_to_Midship;
  struct Part {
    float value;
    std::function<std::string()> name;
  };
  std::vector<Part> candidates{
      {parts.wind, [&] { return flowSource(true, relativeDirection(t.WNDHDG, PSI), arm); }},
      {parts.current, [&] { return flowSource(false, relativeDirection(t.CURHDG, PSI), arm); }}};
  float rest = source.moment - parts.wind - parts.current - parts.positioning;
  for (int s = 1; s <= 3; ++s) {
    candidates.push_back({parts.sea[s - 1].drift, [s] { return driftSource(s); }});
    candidates.push_back({parts.sea[s - 1].drag, [s] { return "the drift drag of " + seaSystemName(s) + "."; }});
    rest -= parts.sea[s - 1].drift + parts.sea[s - 1].drag;
  }
  for (int k = 1; k <= 3; ++k) {
    candidates.push_back({parts.auxiliary[k - 1], [k] {
                            return "the auxiliary force " + std::to_string(k) + " of the external forces (page 9).";
                          }});
    rest -= parts.auxiliary[k - 1];
  }
  candidates.push_back({parts.positioning, [] { return std::string("the dynamic positioning."); }});
  // What the parts leave of the total is the mooring's own moment: the yaw table or the pendular mass.
  candidates.push_back({rest, [&] {
                          return std::string(t.YAWTBL != 0 ? "the auxiliary yaw offset table (page 3, item 15)."
                                                           : "the pendular mass (page 3, item 13).");
                        }});
  const Part* largest = &candidates.front();
  for (const Part& part : candidates) {
    if (!(std::fabs(part.value) <= std::fabs(largest->value))) largest = &part;
  }
  source.lines = flowingLines("     ", "The largest part of it, " + messageValue(largest->value) + momentLabel() +
                                          ", comes from " + largest->name());
  return source;
}

}  // namespace qv

#include "dataset/builtin_current_rows.h"

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

using Missing = std::optional<CurrentSetRef>;

const char* const kComponentName[3] = {"surge", "sway", "yaw"};

bool blendedSeries(int code) {
  return code == kCurrentNsmbTanker || code == kCurrentOcimfTanker || code == kCurrentNsmbMeanCurve;
}

// A value with its decimals and no leading blanks (0.00, not .00).
std::string plain(float value, int decimals) {
  const std::string field = fmtF(value, 14, decimals);
  return field.substr(field.find_first_not_of(' '));
}

// A depth node as the tables name it: 1.05, 1.1, 1.2, 1.5, 3.0, 4.4, 6.0.
std::string nodeText(float node) { return plain(node, node == 1.05f ? 2 : 1); }

std::string nsmbBow(int bow) { return bow == 0 ? "bow with bulb" : "bow without bulb"; }

std::string setText(const CurrentSetRef& s) {
  using F = CurrentSetFamily;
  switch (s.family) {
    case F::kOcimf77:
      return "OCIMF 1977, depth/draft " + nodeText(kCurrentDepthNode[s.node]) + ", " +
             (s.bow == 0 ? "Conventional" : "Cylindrical") + " bow";
    case F::kNsmb91:
      return "NSMB 1991, depth/draft " + nodeText(kCurrentDepthNode[s.node]) + ", load " + (s.load == 0 ? "100" : "40") +
             " %, " + nsmbBow(s.bow);
    case F::kNsmb91Deep100:
      return "NSMB 1991, depth/draft " + nodeText(kNsmbDeepNode) + ", load 100 %, " + nsmbBow(s.bow);
    case F::kNsmb91Deep40:
      return "NSMB 1991, deep water (depth/draft 4.4 and beyond), load 40 %";
    case F::kNsmbMeanCurve:
      return "NSMB mean surge curve";
  }
  return "";
}

// The first set a blend weighs whose row is not on hand: a side of an interpolation counts only when
// its weight is not 0 (x is not the other end).
Missing firstMissing(float x, float x0, float x1, const Missing& y0, const Missing& y1) {
  if (x1 - x0 == 0.0f) return y0;
  if (x != x1 && y0) return y0;
  if (x != x0 && y1) return y1;
  return std::nullopt;
}

}  // namespace

bool builtinCurrentRowKnown(const CurrentSetRef& set, int component) {
  using F = CurrentSetFamily;
  switch (set.family) {
    case F::kOcimf77:
      if (set.node == kOcimfCurrentNodes - 1) return true;
      return set.node == 0 && (component == 2 || (component == 1 && set.bow == 0));
    case F::kNsmb91:
      return set.node == 0 && set.load == 0 && component == 2;
    case F::kNsmb91Deep100:
      return false;
    case F::kNsmb91Deep40:
      return component == 2;
    case F::kNsmbMeanCurve:
      return component == 1;
  }
  return false;
}

std::optional<CurrentSetRef> missingCurrentSet(int code, int component, float DFTPCT, float BOWCUR, float HOVERD) {
  if (!blendedSeries(code)) return std::nullopt;
  return blendBuiltinCurrentSets(
      code, component, DFTPCT, BOWCUR, HOVERD,
      [component](const CurrentSetRef& set) -> Missing {
        if (builtinCurrentRowKnown(set, component)) return std::nullopt;
        return set;
      },
      firstMissing);
}

std::vector<std::string> missingCurrentSetLines(int code, float DFTPCT, float BOWCUR, float HOVERD,
                                                const std::optional<CurrentSetRef> (&missing)[3]) {
  std::vector<std::string> lines;
  const std::string bow = "bow factor " + plain(BOWCUR, 2) + ", which would need:";
  if (code == kCurrentOcimfTanker) {
    addFlowingLines(lines, "     ", "for depth/draft " + plain(HOVERD, 2) + " and " + bow);
  } else {
    addFlowingLines(lines, "     ",
                    "for depth/draft " + plain(HOVERD, 2) + " (" + plain(DFTPCT * 0.01f * HOVERD, 2) +
                        " to the full-load draft), draft-based load " + plain(DFTPCT, 1) + " % and " + bow);
  }
  for (int c = 0; c < 3; ++c) {
    if (missing[c]) lines.push_back("     - " + std::string(kComponentName[c]) + ": " + setText(*missing[c]));
  }
  return lines;
}

void addBuiltinCurrentFindings(std::vector<RunFinding>& findings) {
  const Tpcm& t = TPCM;
  if (!runEvaluatesCurrentCoefficients()) return;
  const float HOVERD = t.DEPTH / t.DRAFT;  // as the slow drift forms it
  // One finding per model, naming each component that needs a set that is not on hand.
  for (const int code : {kCurrentOcimfTanker, kCurrentNsmbTanker, kCurrentNsmbMeanCurve}) {
    std::optional<CurrentSetRef> missing[3];
    bool any = false;
    for (int c = 1; c <= 3; ++c) {
      if (NIBVAL(t.LCBARG, c, t.EDUNIT) != code) continue;
      missing[c - 1] = missingCurrentSet(code, c, t.DFTPCT, t.BOWCUR, HOVERD);
      any = any || missing[c - 1].has_value();
    }
    if (!any) continue;
    RunFinding finding;
    finding.fatal = true;
    finding.lines = flowingLines(" ++> Fatal Warning: ", "Built-in current coefficients of model " + fmtI(code, 0) +
                                                             ", " +
                                                             std::string(modelName(ForceLoad::kCurrent, code).trimmed()) +
                                                             ", are not on hand");
    for (std::string& line : missingCurrentSetLines(code, t.DFTPCT, t.BOWCUR, HOVERD, missing))
      finding.lines.push_back(std::move(line));
    finding.lines.push_back("     Choose another current model on page 8.");
    findings.push_back(std::move(finding));
  }
}

}  // namespace qv

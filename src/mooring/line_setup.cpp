#include "mooring/line_setup.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"
#include "mooring/line_driver.h"
#include "mooring/splines.h"
#include "mooring/static_solver.h"
#include "numlib/interpolation.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr int kMostLines = 150;
constexpr int kMostTypes = 150;
constexpr int kMostLayers = 29;
constexpr int kMostPoints = 90;
// The table tensions run from 0.02 to 4 times the largest pretension.
constexpr double kLowestTension = 0.02;
constexpr double kTensionRange = 200.0;

[[noreturn]] void refuse(const std::string& what) {
  std::vector<std::string> lines{""};
  addFlowingLines(lines, " ++> ", "Line set-up: " + what);
  lines.emplace_back("");
  fatalStop("setUpLineTables", TPCM.EDUNIT, lines, FatalWait::kPressReturn, kKeyboardUnit);
}

void checkSizes() {
  const Tpcm& t = TPCM;
  const Morcom& m = t.moor;
  if (t.NUMTAB < 2 || t.NUMTAB > kMostPoints) {
    refuse(fmtI(t.NUMTAB, 0) + " table points (NUMTAB); 2 to 90 are allowed.");
  }
  if (m.NLAYER < 1 || m.NLAYER > kMostLayers) {
    refuse(fmtI(m.NLAYER, 0) + " depth layers (NLAYER); 1 to 29 are allowed.");
  }
  if (m.NLAYER > 1 && !(m.ZSPAN > 0.0f)) {
    std::string span = fmtF(m.ZSPAN, 14, 2);
    span.erase(0, span.find_first_not_of(' '));
    refuse("the depth span ZSPAN = " + span + " of " + fmtI(m.NLAYER, 0) +
           " layers; it must be above 0.");
  }
  if (m.NLIN < 0 || m.NLIN > kMostLines) refuse(fmtI(m.NLIN, 0) + " mooring lines (NLIN); 0 to 150 are allowed.");
  if (m.NLIN > 0 && (m.NTYP < 1 || m.NTYP > kMostTypes)) {
    refuse(fmtI(m.NTYP, 0) + " line types (NTYP); 1 to 150 are allowed.");
  }
}

// LINEID from the LINTYP records: the first NLINE(t) words of type t's record are its lines.
void assignLineTypes() {
  const Morcom& m = TPCM.moor;
  Lincom& lc = LINCOM;
  for (int line = 1; line <= m.NLIN; ++line) lc.LINEID(line) = 0;
  for (std::int32_t type = 1; type <= m.NTYP; ++type) {
    const std::int32_t count = m.NLINE(type);
    if (count < 0 || count > kMostLines) {
      refuse("line type " + fmtI(type, 0) + " has " + fmtI(count, 0) + " lines (NLINE); 0 to 150 are allowed.");
    }
    for (int j = 1; j <= count; ++j) {
      const std::int32_t line = m.LINTYP(j, type);
      if (line < 1 || line > m.NLIN) {
        refuse("line type " + fmtI(type, 0) + " names line " + fmtI(line, 0) + "; the lines are 1 to " +
               fmtI(m.NLIN, 0) + ".");
      }
      if (lc.LINEID(line) != 0) {
        refuse("line " + fmtI(line, 0) + " is named by line types " + fmtI(lc.LINEID(line), 0) + " and " +
               fmtI(type, 0) + ".");
      }
      lc.LINEID(line) = type;
    }
  }
  for (int line = 1; line <= m.NLIN; ++line) {
    if (lc.LINEID(line) == 0) refuse("line " + fmtI(line, 0) + " belongs to no line type.");
  }
}

// HLOD in geometric progression over the range of the pretensions.
void tableTensions() {
  const Morcom& m = TPCM.moor;
  Lincom& lc = LINCOM;
  float largest = 0.0f;
  for (int line = 1; line <= m.NLIN; ++line) largest = std::max(largest, m.HTENS(line));
  if (!(largest > 0.0f)) refuse("no line has a positive pretension (HTENS); the line tables are scaled on it.");
  const int points = TPCM.NUMTAB;
  for (int i = 1; i <= points; ++i) {
    const double fraction = static_cast<double>(i - 1) / (points - 1);
    lc.HLOD(i) = static_cast<float>(kLowestTension * largest * std::pow(kTensionRange, fraction));
  }
}

// The table points of one line type in one layer, from the lowest tension up; each solution starts
// from the fairlead slope of the last one.
void tabulate(std::int32_t type, std::int32_t layer, float& TLO, float& THI) {
  const Morcom& m = TPCM.moor;
  Lincom& lc = LINCOM;
  const std::int32_t N = m.NELEM(type);
  const float* L = &m.SLEN(1, type);
  lc.ITYP = type;
  lc.DELTAZ = requiredFairleadHeight(type) + static_cast<float>(layer - lc.MIDLYR) * lc.DLAYER;
  for (int i = 1; i <= TPCM.NUMTAB; ++i) {
    lc.DPHLD = lc.HLOD(i);
    SCLWLD(lc.SCLWT.data(), &m.WETWT(1, type), lc.DPHLD, N);
    BETALD(&m.ALPHA(1, 1, type), lc.BETA.data(), lc.DPHLD, N);
    ITER8P(TLO, THI);
    lc.SEPVES(i, layer, type) = static_cast<float>(XDIST(lc.SCLWT.data(), lc.SECARR.data(), lc.TMPTAN.data(),
                                                         lc.BETA.data(), N, N, m.ANCTYP(type), L, lc.DSLOPE));
    lc.TOPTEN(i, layer, type) = static_cast<float>(lc.DPHLD * lc.SECARR(1));
    lc.TOPANG(i, layer, type) = static_cast<float>(std::atan(lc.TMPTAN(1)));
    lc.BOTANG(i, layer, type) = static_cast<float>(std::atan(lc.TMPTAN(N + 1)));
    lc.BOTLEN(i, layer, type) = static_cast<float>(lc.BOTLN);
    lc.FFRICT(i, layer, type) = 0.0f;
  }
}

// The pull-down correction refers to the table being built: it is off while the tables are solved.
class PullDownOff {
 public:
  PullDownOff() : saved_(TPCM.moor.PULLDN) { TPCM.moor.PULLDN = 0; }
  ~PullDownOff() { TPCM.moor.PULLDN = saved_; }
  PullDownOff(const PullDownOff&) = delete;
  PullDownOff& operator=(const PullDownOff&) = delete;

 private:
  std::int32_t saved_;
};

// RANCK of each line: the separation at its pretension in the middle layer.
void anchorSeparations() {
  const Morcom& m = TPCM.moor;
  Lincom& lc = LINCOM;
  for (int line = 1; line <= m.NLIN; ++line) {
    const std::int32_t type = lc.LINEID(line);
    const float* separation = &lc.SEPVES(1, lc.MIDLYR, type);
    const float* abscissa = m.LODTYP == 2 ? &lc.TOPTEN(1, lc.MIDLYR, type) : lc.HLOD.data();
    int range = 0;
    int interval = 1;
    BSRCH(abscissa, m.HTENS(line), range, interval, TPCM.NUMTAB);
    INTERP(abscissa, separation, m.HTENS(line), lc.RANCK(line), interval);
    lc.ZANCK(line) = 0.0f;
  }
}

}  // namespace

const float* layerAbscissae() {
  static constexpr std::array<float, kMostLayers> abscissae = [] {
    std::array<float, kMostLayers> a{};
    for (int l = 1; l <= kMostLayers; ++l) a[l - 1] = static_cast<float>(l);
    return a;
  }();
  return abscissae.data();
}

void setUpLineTables() {
  checkSizes();
  const Morcom& m = TPCM.moor;
  Lincom& lc = LINCOM;
  lc.MIDLYR = (m.NLAYER + 1) / 2;
  lc.DLAYER = m.NLAYER > 1 ? m.ZSPAN / static_cast<float>(m.NLAYER - 1) : 0.0f;
  if (m.NLIN == 0) return;
  assignLineTypes();
  std::array<bool, kMostTypes + 1> inUse{};
  for (int line = 1; line <= m.NLIN; ++line) inUse[lc.LINEID(line)] = true;
  for (std::int32_t type = 1; type <= kMostTypes; ++type) {
    if (inUse[type]) checkLineType(type);
  }
  tableTensions();

  const PullDownOff pullDownOff;
  for (std::int32_t type = 1; type <= kMostTypes; ++type) {
    if (!inUse[type]) continue;
    float firstLower = 0.1f, firstUpper = 1.0f;  // the bracket of each layer's first point
    for (std::int32_t layer = 1; layer <= m.NLAYER; ++layer) {
      float TLO = firstLower, THI = firstUpper;
      tabulate(type, layer, TLO, THI);
      firstLower = std::tan(lc.TOPANG(1, layer, type)) * 0.25f;
      firstUpper = std::tan(lc.TOPANG(1, layer, type));
    }
    if (m.NLAYER > 1) {
      splie2(lc.HLOD.data(), layerAbscissae(), &lc.TOPTEN(1, 1, type), TPCM.NUMTAB, m.NLAYER,
             &lc.TT_SPLINE_DERIV(1, 1, type));
    }
  }
  anchorSeparations();
}

}  // namespace qv

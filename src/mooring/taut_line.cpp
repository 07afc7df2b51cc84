#include "mooring/taut_line.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "mooring/tndcom.h"
#include "mooring/vertical_elements.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr int kMostSearches = 20;
constexpr int kSearchSteps = 100;

// A warning on a fresh screen and the abort question; true when the user answers "A".
bool warnedAndAborted(std::initializer_list<std::string_view> lines) {
  const std::int32_t unit = TPCM.EDUNIT;
  CLEAR(unit);
  for (std::string_view line : lines) writeRecord(unit, line);
  std::int32_t answer = 0;
  ABORT0(unit, kKeyboardUnit, answer);
  return answer == -1;
}

// A message that ends the computation without a result, and the wait to read it.
void endWithoutResult(std::span<const std::string> lines) {
  const std::int32_t unit = TPCM.EDUNIT;
  for (std::string_view line : lines) writeRecord(unit, line);
  writeRecord(unit, "");
  writeRecord(unit, " Press <Return> to Continue...");
  if (unit != kDiagnosticsUnit) {
    char reply = ' ';
    READCP(reply);
  }
}
void endWithoutResult(std::initializer_list<std::string_view> lines) {
  const std::vector<std::string> message(lines.begin(), lines.end());
  endWithoutResult(message);
}

std::string typeLabel(std::int32_t lineType) { return " ++> Line type" + fmtI(lineType, 3) + ": "; }

}  // namespace

double DVSTER(double X) {
  Tndcom& w = TNDCOM;
  const std::int32_t N = TPCM.moor.NELEM(w.ITYPQ);
  w.SLENDP(1) = X;
  double weight = 0.0;
  DTKLTN(w.SLENDP.data(), w.WETWDP.data(), 1, N, N, weight, 0.0);
  const double TB = w.T0 - weight;  // tension at the anchor
  // From the anchor up: each subline carries the tension below it plus its own weight.
  double stretched = 0.0;
  double below = TB;
  for (int i = N; i >= 1; --i) {
    const double above = below + w.WETWDP(i) * w.SLENDP(i);
    const double* a = &w.ALPHDP(1, i);
    stretched += above != below ? SFNCDP(a, above, w.WETWDP(i)) - SFNCDP(a, below, w.WETWDP(i))
                                : w.SLENDP(i) * SFCDP2(a, above);
    below = above;
  }
  return w.DELTAZ - stretched;
}

void TENDNDP(std::int32_t lineType) {
  Tpcm& d = TPCM;
  Morcom& m = d.moor;
  Tndcom& w = TNDCOM;
  const std::int32_t N = m.NELEM(lineType);
  const std::int32_t line = m.LINTYP(1, lineType);
  if (line < 1 || line > 150 || N < 1 || N > 25) {
    endWithoutResult({typeLabel(lineType) + "no line of this type with sublines to size;",
                      "     the subline lengths are left unchanged."});
    return;
  }
  w.ITYPQ = lineType;
  w.DELTAZ = std::fabs(static_cast<double>(m.ANCHGT(lineType)) - d.TDRAFT + m.RFLD(3, line));
  w.T0 = m.HTENS(line);
  double others = 0.0;  // unstretched length of sublines 2..N
  for (int i = 2; i <= N; ++i) others += m.SLEN(i, lineType);

  if (m.LODTYP != 2 && warnedAndAborted({" ++> WARNING: Pretension specification must be determined by ",
                                          "     fairlead tension for the exercise of this help option..."})) {
    return;
  }
  if (w.T0 <= 0.0 &&
      warnedAndAborted({" ++> WARNING: The specified pretension for this line type is not positive"})) {
    return;
  }
  const double reach = w.DELTAZ - others;  // what subline 1 has to span, unstretched
  if (reach <= 0.0) {
    std::vector<std::string> lines = flowingLines(
        typeLabel(lineType), "the other sublines already span the fairlead-anchor distance of" + fmtF(w.DELTAZ, 10, 2) + ";");
    lines.push_back("     the length of subline 1 is left unchanged.");
    endWithoutResult(lines);
    return;
  }

  bool elastic = false;
  for (int i = 1; i <= N; ++i) {
    w.SLENDP(i) = m.SLEN(i, lineType);
    w.WETWDP(i) = m.WETWT(i, lineType);
    for (int j = 1; j <= 3; ++j) {
      w.ALPHDP(j, i) = m.ALPHA(j, i, lineType);
      elastic = elastic || w.ALPHDP(j, i) != 0.0;
    }
  }
  if (!elastic) {
    if (!warnedAndAborted({" ++> WARNING: This line type is totally inelastic..."})) {
      m.SLEN(1, lineType) = static_cast<float>(reach);
    }
    return;
  }

  // The stretched sublines span more than their unstretched length, so the root lies below `reach`;
  // the search starts a little beyond it.
  double left = 1.1 * reach;
  double right = 0.0;
  double EPS = 1.0e-17 * w.DELTAZ;
  for (int search = 1;; ++search) {
    double X = 0.0;
    double F = 0.0;
    int IER = 0;
    int passes = 0;
    RTMIDP(X, F, DVSTER, left, right, EPS, kSearchSteps, IER, passes);
    if (IER == 0) {
      if (X > 0.0) {
        m.SLEN(1, lineType) = static_cast<float>(X);
      } else {
        endWithoutResult({typeLabel(lineType) + "no positive length of subline 1 gives this pretension;",
                          "     the length of subline 1 is left unchanged."});
      }
      return;
    }
    if (IER == 2) {
      endWithoutResult({"++> Bounds error in TENDON "});
      return;
    }
    if (search == kMostSearches) {
      endWithoutResult({" ++> Iteration overflow in TENDON"});
      return;
    }
    EPS *= 5.0;
    left = 2.0 * X;
    right = X / 2.0;
  }
}

}  // namespace qv

// A line type built in code for the line-model tests: every case starts from a fresh run (the data
// set and the line blocks zero), the line's elements go into TPCM.moor, and a solve is prepared in
// LINCOM the way the line driver prepares it (ITYP, DPHLD, DELTAZ, SCLWT, BETA).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "mooring/catcom.h"
#include "mooring/catenary_element.h"
#include "mooring/lincom.h"
#include "mooring/static_solver.h"
#include "platform/units.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv::testing_support {

struct LineElement {
  float length;  // unstretched [ft]
  float wet;     // weight in water [kip/ft], negative buoyant
  float dry;     // weight in air [kip/ft]
  float a1, a2, a3;  // strain law [1/kip, 1/kip^2, 1/kip^3]
};

class LineModelTest : public FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    TPCM.EDUNIT = kScreenUnit;
  }

 public:
  // Line type `type` with these elements; anchor type 1 lets it rest on the seabed.
  static void defineLine(std::int32_t type, const std::vector<LineElement>& elements, std::int32_t anchorType = 1) {
    Morcom& m = TPCM.moor;
    int k = 0;
    for (const LineElement& e : elements) {
      ++k;
      m.SLEN(k, type) = e.length;
      m.WETWT(k, type) = e.wet;
      m.DRYWT(k, type) = e.dry;
      m.ALPHA(1, k, type) = e.a1;
      m.ALPHA(2, k, type) = e.a2;
      m.ALPHA(3, k, type) = e.a3;
    }
    m.NELEM(type) = k;
    m.ANCTYP(type) = anchorType;
  }

  // The state the line driver sets before a solve at horizontal tension H and fairlead height dz.
  static void prepare(std::int32_t type, double H, float dz) {
    LINCOM.ITYP = type;
    LINCOM.DPHLD = H;
    LINCOM.DELTAZ = dz;
    const std::int32_t n = TPCM.moor.NELEM(type);
    SCLWLD(LINCOM.SCLWT.data(), &TPCM.moor.WETWT(1, type), H, n);
    BETALD(&TPCM.moor.ALPHA(1, 1, type), LINCOM.BETA.data(), H, n);
  }

  // A spread of `lines` mooring lines of one line type: one element of 3000 ft, w = 0.1 kip/ft,
  // a1 = 1e-5 /kip, resting on the seabed; each fairlead 20 ft above the keel of a 20 ft draft and
  // each anchor 300 ft below the water line, so 300 ft below its fairlead; a horizontal pretension of
  // 100 kip. The fairleads lie on a circle of radius 50 ft at azimuths 0, 360 / lines, ...; 90 table
  // points, one depth layer. Line type 1's record lists the lines 1..lines.
  static void defineSpread(int lines) {
    defineLine(1, {{3000.0f, 0.1f, 0.115f, 1e-5f, 0, 0}});
    Tpcm& t = TPCM;
    Morcom& m = t.moor;
    t.TDRAFT = 20.0f;
    t.NUMTAB = 90;
    m.NLAYER = 1;
    m.NLIN = lines;
    m.NTYP = 1;
    m.NLINE(1) = lines;
    m.ANCHGT(1) = 300.0f;
    for (int line = 1; line <= lines; ++line) {
      const double azimuth = 6.283185307179586 * (line - 1) / lines;
      m.LINTYP(line, 1) = line;
      m.RFLD(1, line) = static_cast<float>(50.0 * std::cos(azimuth));
      m.RFLD(2, line) = static_cast<float>(50.0 * std::sin(azimuth));
      m.RFLD(3, line) = 20.0f;
      m.HTENS(line) = 100.0f;
    }
  }

  // Horizontal span of the solved line, grounded length included.
  static double span(std::int32_t type) {
    const std::int32_t n = TPCM.moor.NELEM(type);
    return XDIST(LINCOM.SCLWT.data(), LINCOM.SECARR.data(), LINCOM.TMPTAN.data(), LINCOM.BETA.data(), n, n,
                 TPCM.moor.ANCTYP(type), &TPCM.moor.SLEN(1, type), LINCOM.DSLOPE);
  }
};

// The abort question after a warning (ABORT0, ABORT3), as the screen shows it.
inline const std::string kAbortQuestion = "\a\n Enter \"A\" to abort or Press <RETURN> to continue: ";

// Counts the lines of `text` equal to `line`.
inline int countLines(const std::string& text, const std::string& line) {
  int count = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (text.compare(start, end - start, line) == 0) ++count;
    start = end + 1;
  }
  return count;
}

}  // namespace qv::testing_support

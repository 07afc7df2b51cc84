// A line type built in code for the line-model tests: every case starts from a fresh run (the data
// set and the line blocks zero), the line's elements go into TPCM.moor, and a solve is prepared in
// LINCOM the way the line driver prepares it (ITYP, DPHLD, DELTAZ, SCLWT, BETA).
#pragma once

#include <gtest/gtest.h>

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

  // Horizontal span of the solved line, grounded length included.
  static double span(std::int32_t type) {
    const std::int32_t n = TPCM.moor.NELEM(type);
    return XDIST(LINCOM.SCLWT.data(), LINCOM.SECARR.data(), LINCOM.TMPTAN.data(), LINCOM.BETA.data(), n, n,
                 TPCM.moor.ANCTYP(type), &TPCM.moor.SLEN(1, type), LINCOM.DSLOPE);
  }
};

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

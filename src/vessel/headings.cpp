#include "vessel/headings.h"

#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "numlib/angles.h"
#include "platform/units.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "waves/wavcom.h"

namespace qv {

namespace {

// Stops before the table takes more headings than the passes can hold; `requested` is the count the
// table would have reached.
[[noreturn]] void tooManyHeadings(std::int32_t requested) {
  fatalStop("LOADN", TPCM.EDUNIT,
            {" ++> Too many regular wave raos requested (=" + fmtI(requested, 4) + ").",
             "     Reduce total number to " + std::to_string(kMaxResponseHeadings) + " or less"});
}

// Appends a heading to the table; its index.
std::int32_t append(float degrees, std::int32_t reported) {
  if (WAVCOM.NRAO >= kMaxResponseHeadings) tooManyHeadings(WAVCOM.NRAO + 1);
  const std::int32_t i = ++WAVCOM.NRAO;
  HIMEM.REDANG(i) = degrees;
  HIMEM.LRAO(i) = reported;
  return i;
}

// The index of the heading `angle` [deg]: an entry within 0.05 degree of it, or a new one with the
// given report flag.
std::int32_t mergeOrAdd(float angle, std::int32_t reported) {
  const float degrees = REDDEG(angle);
  std::int32_t found = 0;
  LOGFIL(found, degrees, HIMEM.REDANG.data(), WAVCOM.NRAO);
  return found != 0 ? found : append(degrees, reported);
}

}  // namespace

void LOGFIL(std::int32_t& IFOUND, float ANG, const float* TABLE, std::int32_t N) {
  IFOUND = 0;
  for (std::int32_t i = 1; i <= N; ++i) {
    if (std::fabs(ANG - TABLE[i - 1]) < 0.05f) IFOUND = i;
  }
}

void LOADN() {
  const Tpcm& d = TPCM;
  Himem& h = HIMEM;
  WAVCOM.NRAO = 0;
  WAVCOM.ISWELL = 0;
  WAVCOM.ISWEL2 = 0;

  for (std::int32_t i = 1; i <= d.NDIR; ++i) append(REDDEG(d.WAVHDG(i)), 1);

  if (d.LSWELL != 0) {
    if (d.LSWLOK == 0) {
      WAVCOM.ISWELL = mergeOrAdd(d.SWLHDG, 1);
      if (d.LSWEL2 != 0) WAVCOM.ISWEL2 = mergeOrAdd(d.SWLHDG2, 1);
    } else {
      // Swell directions relative to each sea heading.
      for (std::int32_t hd = 1; hd <= d.NSEAHG; ++hd) {
        h.ISWL(hd) = mergeOrAdd(d.SEAHDG(hd) + d.SWLHDG, 1);
        if (d.LSWEL2 != 0) h.ISWL2(hd) = mergeOrAdd(d.SEAHDG(hd) + d.SWLHDG2, 1);
      }
    }
  }

  if (d.LRANDM == 0) return;
  // One sea heading's spreading directions must fit their column of INTGFL.
  if (WAVCOM.LEXP != 0 && d.NA + 1 > kSpreadSlots) tooManyHeadings(d.NA + 1);
  for (std::int32_t hd = 1; hd <= d.NSEAHG; ++hd) {
    if (WAVCOM.LEXP == 0) {
      h.IRAN(hd) = mergeOrAdd(d.SEAHDG(hd), 1);
      continue;
    }
    // The spreading directions across the sector, used only inside the statistics unless they
    // coincide with a reported heading.
    for (std::int32_t dir = 1; dir <= d.NA + 1; ++dir) {
      const float angle = d.SEAHDG(hd) - d.ANGSEC / 2.0f + static_cast<float>(dir - 1) * WAVCOM.DADEG;
      h.INTGFL(dir, hd) = mergeOrAdd(angle, 0);
      if (d.NBUG == 1) {
        writeRecord(d.EDUNIT, " LOADN: direction" + fmtI(dir, 4) + " of sea heading" + fmtI(hd, 3) + " -> heading" +
                                  fmtI(h.INTGFL(dir, hd), 4) + fmtF(angle, 10, 2) + fmtF(d.SEAHDG(hd), 10, 2) +
                                  fmtF(WAVCOM.DADEG, 9, 3));
      }
    }
  }
}

}  // namespace qv

#include "hull/ship/ship_common.h"

#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/ship/ship_fits.h"
#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv::ship {

void trace(std::string_view heading, std::initializer_list<float> values) {
  if (TPCM.NBUG != 1) return;
  writeRecord(TPCM.EDUNIT, heading);
  std::string line;
  int onLine = 0;
  for (float v : values) {
    line += fmtE(v, 12, 4);
    if (++onLine == 6) {
      writeRecord(TPCM.EDUNIT, line);
      line.clear();
      onLine = 0;
    }
  }
  if (onLine > 0) writeRecord(TPCM.EDUNIT, line);
}

float waveNumberAt(int J) { return HIMEM.RLDUM(HIMEM.LCNWK + J - 1); }

float frequencyAt(int J) { return HIMEM.RLDUM(HIMEM.LCNW + J - 1); }

float encounterFrequency(float w, float k, float UC) { return std::fabs(w - k * UC); }

float speedThroughWater() { return std::fabs(TPCM.VFWD); }

NaturalDamping naturalDamping() {
  const Himem& h = HIMEM;
  float HA = 0.0f, PA = 0.0f, HB = 0.0f, PB = 0.0f;
  NaturalDamping d{};
  DPMAS0(HA, PA, HB, PB, h.WP, waveNumberAt(h.JP) * h.XSCALE, h.HCONST, h.IHI, h.HMSRAT, h.PCONST, h.PMAS0,
         h.PMSRAT);
  d.pitch = 50.0f * PB / (h.PTCHI * h.WP);
  DPMAS0(HA, PA, HB, PB, h.WH, waveNumberAt(h.JH) * h.XSCALE, h.HCONST, h.IHI, h.HMSRAT, h.PCONST, h.PMAS0,
         h.PMSRAT);
  d.heave = 50.0f * HB / (h.HVMAS * h.WH);
  return d;
}

}  // namespace qv::ship

#include "lowfreq/net_loads.h"

#include <cmath>
#include <string>

#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv {

void HEADRS(float waveHeading, float salmAngle, float vesselAngle, float factor, std::int32_t unit) {
  const std::string indent = fmtX(27);
  const float salm = std::fmod(salmAngle * factor, 360.0f);
  const float vessel = std::fmod(vesselAngle * factor, 360.0f);
  writeRecord(unit, indent + "WAVE HEADING   = " + fmtF(waveHeading, 6, 1) + " DEG");
  writeRecord(unit, indent + "SALM HEADING   = " + fmtF(salm, 6, 1) + " DEG");
  writeRecord(unit, indent + "VESSEL HEADING = " + fmtF(vessel, 6, 1) + " DEG ");
  writeRecord(unit, "");
}

}  // namespace qv

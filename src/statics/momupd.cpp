#include "statics/momupd.h"

#include <string>

#include "platform/units.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

void traceLoads(std::int32_t unit, const std::string& label, float STISH, float STOSH, float STAX, float SMOMI,
                float SMOMO) {
  std::string line = " " + label;
  for (const float v : {STISH, STOSH, STAX, SMOMI, SMOMO}) line += fmtE(v, 14, 6);
  writeRecord(unit, line);
}

}  // namespace

void MOMUPD(float H, float S, float C, const std::int32_t* JELEM, const float* ZLOAD, float FLAT, const float* TMASS,
            const float* BUOY, const float* CGSALM, const float* CBUOY, const float* SLEN, const std::int32_t* LMOMT,
            Arr<float, kMaxMomentElements, 6>& OUT, std::int32_t& COUNT, std::int32_t M, std::int32_t NCON,
            std::int32_t unit, std::int32_t NBUG) {
  const float Z = ZLOAD[M - 1];
  float STISH = H * C - Z * S;
  const float STOSH = M == NCON ? FLAT : 0.0f;
  float STAX = H * S + Z * C;
  float SMOMI = 0.0f;
  float SMOMO = 0.0f;
  if (NBUG != 0) traceLoads(unit, "BEFORE IELEM LOOP: STISH,STOSH,STAX,SMOMI,SMOMO", STISH, STOSH, STAX, SMOMI, SMOMO);

  for (std::int32_t o = JELEM[M - 1]; o <= JELEM[M] - 1; ++o) {
    const std::size_t e = static_cast<std::size_t>(o - 1);
    const float W = TMASS[e] - BUOY[e];
    STISH = STISH - W * S;
    STAX = STAX + W * C;
    SMOMO = SMOMO - SLEN[e] * STISH - (TMASS[e] * CGSALM[e] - BUOY[e] * CBUOY[e]) * S;
    SMOMI = SMOMI - SLEN[e] * STOSH;
    if (NBUG != 0) traceLoads(unit, "ELEMENT " + fmtI(o, 2) + ":", STISH, STOSH, STAX, SMOMI, SMOMO);
    if (LMOMT[e] == 0) continue;
    if (COUNT >= 1 && COUNT <= kMaxMomentElements) {
      OUT(COUNT, 1) = STISH;
      OUT(COUNT, 2) = STAX;
      OUT(COUNT, 3) = STOSH;
      OUT(COUNT, 4) = SMOMI;
      OUT(COUNT, 5) = SMOMO;
    }
    ++COUNT;
  }
}

}  // namespace qv

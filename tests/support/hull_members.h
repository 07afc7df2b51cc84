// Hull members of a small semi-submersible put into the member table of the data set, for the
// member checks and the added-mass tests: columns standing on their pontoons through the 20 ft
// draft, pontoons below the surface.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "platform/units.h"
#include "support/data_set_fixture.h"
#include "support/fresh_run.h"

namespace qv::testing_support {

struct HullMember {
  std::array<float, 3> base;  // lower end (x, y, z), z above the keel [ft]
  std::array<float, 3> top;
  std::array<float, 3> dims;  // section (1, 2) and length (3) [ft]
  std::int32_t bottomType = 0;
  std::int32_t topType = 0;
  std::int32_t section = 1;    // NCYLTP: 0 rectangular, 1 elliptic, 2 mixed
  std::int32_t coefficients = 0;  // MASCMP
  std::int32_t kind = 0;          // MEMTYP
  float area = 0.0f;              // XAREA; 0: the area of the elliptic section
};

inline void putMember(int i, const HullMember& m) {
  for (int k = 1; k <= 3; ++k) {
    TPCM.RCYLB(k, i) = m.base[k - 1];
    TPCM.RCYLT(k, i) = m.top[k - 1];
    TPCM.DIAMS(k, i) = m.dims[k - 1];
  }
  TPCM.BOTTYP(i) = m.bottomType;
  TPCM.TOPTYP(i) = m.topType;
  TPCM.NCYLTP(i) = m.section;
  TPCM.MASCMP(i) = m.coefficients;
  TPCM.MEMTYP(i) = m.kind;
  TPCM.XAREA(i) = m.area != 0.0f ? m.area : 3.14159265f * m.dims[0] * m.dims[1] / 4.0f;
  TPCM.NCYL = std::max(TPCM.NCYL, i);
}

// A column of 10 ft diameter from the keel to 40 ft, standing on its pontoon (bottom type 1).
inline HullMember column(float x, float y) {
  return {{x, y, 0.0f}, {x, y, 40.0f}, {10.0f, 10.0f, 40.0f}, 1, 0};
}
// A pontoon of 10 ft square section along x at y, its axis 5 ft above the keel.
inline HullMember pontoon(float y) {
  return {{-30.0f, y, 5.0f}, {30.0f, y, 5.0f}, {10.0f, 10.0f, 60.0f}, 0, 0, 0};
}

// The fixture of the member tests: a semi-submersible's data set with the tanker's draft of 20 ft
// as the waterline level and an empty member table, its messages on the screen.
class HullMemberTest : public FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    DataSet().withTanker().with([] {
      TPCM.VESTYP = kSemiSubmersible;
      TPCM.EDUNIT = kScreenUnit;
    });
  }
};

}  // namespace qv::testing_support

// A "LOWDAT" image with the current table alone, as the tests of its checks type it: 19 attack angles
// 0 to 180 degrees by 10, Cx = -0.5 cos a, Cy = 0.6 sin a, Cz = 0.05 sin 2a, but Cz of row 3
// (20 degrees) given as `rowThreeCz`.
#pragma once

#include <cmath>
#include <cstring>
#include <string>

#include "dataset/lowcof.h"

namespace qv::testing_support {

inline std::string currentTableWithRowThreeCz(float rowThreeCz) {
  Lowcof table{};
  table.NUCRPT = 19;
  for (int row = 1; row <= 19; ++row) {
    const double a = 10.0 * (row - 1) / 57.29577951308232;
    table.UCRANG(row) = 10.0f * static_cast<float>(row - 1);
    table.UCRCX(row) = static_cast<float>(-0.5 * std::cos(a));
    table.UCRCY(row) = static_cast<float>(0.6 * std::sin(a));
    table.UCRCZ(row) = static_cast<float>(0.05 * std::sin(2.0 * a));
  }
  table.UCRCZ(3) = rowThreeCz;
  std::string bytes(sizeof table, '\0');
  std::memcpy(bytes.data(), &table, sizeof table);
  return bytes;
}

}  // namespace qv::testing_support

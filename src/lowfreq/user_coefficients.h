// Wind and current coefficients from the user's text files. A file holds the count N (2 to 145) and
// N records of heading [deg], CX, CY, CMZ, each on a line of its own, with headings strictly
// monotonic; a heading of 180 degrees is flow from ahead. The headings may run over any turn (0 to
// 360, -180 to 180, descending): a heading is read at the turn of it that the table spans, and one
// the table does not span (a table of less than a turn) stops the run. Each reader keeps the table
// of the file it read last and reads again only when asked for another name.
#pragma once

#include <cstdint>

#include "dataset/force_model.h"  // the files' names
#include "util/farray.h"

namespace qv {

inline constexpr int kMaxUserCoefficientRows = 145;

// The coefficient of `component` (1 CX, 2 CY, 3 CMZ) at the relative heading a [rad], interpolated
// linearly in the file's heading column at the turn of the heading that the column spans. Messages
// go to `unit`, replies come from IIN.
float USRWND(int component, float a, std::int32_t unit, std::int32_t IIN, const Text<13>& FNAME);
float USRCRN(int component, float a, std::int32_t unit, std::int32_t IIN, const Text<13>& FNAME);

// The table one reader keeps between calls.
struct UserCoefficientTable {
  std::int32_t N = 0;                                         // rows in use
  Arr<float, kMaxUserCoefficientRows> angle{};                // file headings [rad]
  Arr<float, kMaxUserCoefficientRows, 3> coefficient{};       // CX, CY, CMZ of each row
  Text<13> LASTFILE = makeText<13>("========");               // name of the file held
  std::int32_t FRSTIM = 1;                                    // 1 until the first file is read
};

struct UserCoefficientState {
  UserCoefficientTable wind;
  UserCoefficientTable current;
  void reset();
};
extern UserCoefficientState userCoefficientState;

}  // namespace qv

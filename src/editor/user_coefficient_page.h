// The user coefficient tables of page 8: the sub-page on which the user types the wind or the current
// coefficients of the models "User-Specified LOWDAT" (model code 1) over bow-relative attack angles.
// The tables live in LOWCOF and are saved in "LOWDAT" at the end of the session.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

inline constexpr std::int32_t kMaxCoefficientAngles = 21;  // rows of a user coefficient table
inline constexpr std::int32_t kMinCoefficientAngles = 2;   // the fewest rows a table can be interpolated in

// Edits one table: its angles ANGL [deg] and its coefficients (column 1 Cx, 2 Cy, 3 Cz), with the
// row count NROW shared by all columns (made 2 to 21 by any edit here; below 2 it becomes 2 on
// entry). Only the columns whose field of the packed model word NIBPAK holds USERID are shown and
// edited. CTYPE is the title ("<<Wind Force>> Coefficient Specification").
//
// Runs on the page loop, on the data set's page units, until a blank reply (ITEMP = 0: back to the
// calling page) or a navigation code (ITEMP < 0, with the number typed after its letter in IPAG, so
// that "J12" leaves for page 12). In a hard-copy pass the table is listed once and ITEMP is 0.
void COFUPD(std::string_view CTYPE, std::int32_t NIBPAK, Arr<float, kMaxCoefficientAngles>& ANGL,
            Arr<float, kMaxCoefficientAngles, 3>& coefficients, std::int32_t& NROW, std::int32_t USERID,
            std::int32_t& ITEMP, std::int32_t& IPAG);

}  // namespace qv

// The table editor of one column of reals: the sub-page with which the editor pages edit a table
// shown as numbered rows (wave periods, spectral densities, coefficients over angles, element
// values). Besides typing values row by row it repeats a start value with an increment, deletes or
// inserts a row, and adds a constant to every element (optionally reduced into 0..360 degrees).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "util/farray.h"

namespace qv {

// The most rows the table editor shows: four columns of 40.
inline constexpr std::int32_t kAutorpMaxRows = 160;

// Draws the table and performs the user's selections until a blank reply or a navigation command;
// the caller then redraws its own page (the command itself is not handed back).
//   title        written after one blank at the top of the table
//   column       the caller's table; column[0] is row 1. Rows beyond its size are never touched.
//   rowCount     rows shown and editable one by one (more than 160 is a programming error: the run
//                stops after a message and a pause)
//   fillCount    rows, from row 1, over which the whole-column operations run
//   listing      the data set's LCOPY: 0 interactive; 1 or more while every page is listed, when the
//                table is written once (TWOPG counts the screen) and nothing is asked
void AUTORP(std::string_view title, std::span<float> column, std::int32_t rowCount, std::int32_t fillCount,
            std::int32_t unit, std::int32_t inUnit, std::int32_t& listing);

template <std::size_t N>
void AUTORP(std::string_view title, Arr<float, N>& column, std::int32_t rowCount, std::int32_t fillCount,
            std::int32_t unit, std::int32_t inUnit, std::int32_t& listing) {
  AUTORP(title, std::span<float>(column.data(), N), rowCount, fillCount, unit, inUnit, listing);
}

}  // namespace qv

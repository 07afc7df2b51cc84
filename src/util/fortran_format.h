// Fixed-width fields in the manner of Fortran edit descriptors. Every routine that writes a number
// builds its line from these: right-aligned, rounded to the field, and a value too wide for its
// field fills the field with asterisks.
#pragma once

#include <string>
#include <string_view>

namespace qv {

std::string fmtI(long long value, int width);                   // Iw
std::string fmtF(double value, int width, int decimals);        // Fw.d
std::string fmtE(double value, int width, int decimals);        // Ew.d   (0.ddddE+xx)
std::string fmtA(std::string_view text, int width);             // Aw: cut or padded on the left
std::string fmtX(int count);                                    // nX: count blanks

}  // namespace qv

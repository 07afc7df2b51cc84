// Pi, its fractions and multiples, and the degrees in a radian: every value of them that a routine
// uses, each under its own name. The routines were written with different roundings of the same
// numbers, and the last digits of a report follow the rounding its routine uses, so two roundings
// that differ in the last bit of a 4-byte float are two constants here, each named for what it is.
// Never merge two of them, and never replace one with a more exact value: the printed results
// would move.
#pragma once

namespace qv {

// ---- 4-byte floats: the floats nearest the exact values ----
inline constexpr float kPi = 3.1415927f;
inline constexpr float kHalfPi = 1.5707964f;
inline constexpr float kQuarterPi = 0.7853982f;
inline constexpr float kTwoPi = 6.2831855f;
inline constexpr float kSqrtTwoPi = 2.5066283f;

// ---- 4-byte floats: shorter roundings, each a different float from the nearest one ----
inline constexpr float kTwoPiSixDecimals = 6.283185f;  // 2 pi to six decimals: one step below kTwoPi
inline constexpr float kTwoPiThreeDecimals = 6.283f;   // 2 pi to three decimals

// ---- degrees per radian (180 / pi = 57.2957795...) ----
// The program's usual factor, 57.2957764: one step of a 4-byte float below the float nearest
// 180 / pi.
inline constexpr float kDegreesPerRadian = 57.2957764f;
// 180 / pi to five decimals, 57.29578: the float nearest 180 / pi.
inline constexpr float kDegreesPerRadianFiveDecimals = 57.29578f;
// 180 / pi cut after five decimals, 57.29577: three steps below the nearest float.
inline constexpr float kDegreesPerRadianCut = 57.29577f;

// ---- 8-byte values ----
// Pi to fourteen and to five decimals.
inline constexpr double kPiFourteenDecimals = 3.14159265358979;  // 3.1e-15 below the double nearest pi
inline constexpr double kPiFiveDecimals = 3.14159;
// The digits that print the 4-byte floats kHalfPi, kTwoPi and kSqrtTwoPi, read as 8-byte values: each
// lies within 3e-8 of its float but is not equal to it, and the first two are not pi / 2 and 2 pi to
// as many places either.
inline constexpr double kHalfPiFloatDigits = 1.5707964;
inline constexpr double kTwoPiFloatDigits = 6.2831855;
inline constexpr double kSqrtTwoPiFloatDigits = 2.5066283;

}  // namespace qv

// Fixed-width fields in the manner of Fortran edit descriptors. Every routine that writes a number
// builds its line from these: right-aligned, rounded to the field, and a value too wide for its
// field fills the field with asterisks.
//
// The rounding and the special forms follow gfortran: the exact binary value is rounded to nearest,
// ties to even; a value below 1 keeps its leading "0" ("0.50") when the field has room for it and
// loses it when it has not (".50" in F3.2); a negative value that rounds to zero keeps its sign
// ("-0.00"); NaN and infinities are written "NaN", "Inf"/"Infinity", "-Inf"/"-Infinity" (the short
// forms in a field of width 0).
// A width of 0 (I0, F0.d) gives the shortest field that holds the value.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// The real-number forms take the name of their caller by default (for the finite-value rule below).
std::string fmtI(long long value, int width);                   // Iw
std::string fmtF(double value, int width, int decimals,         // Fw.d
                 const char* caller = __builtin_FUNCTION());
std::string fmtE(double value, int width, int decimals,         // Ew.d   (0.ddddE+xx)
                 const char* caller = __builtin_FUNCTION());
std::string fmtES(double value, int width, int decimals,        // ESw.d  (d.ddddE+xx), the same as 1PEw.d
                  const char* caller = __builtin_FUNCTION());
std::string fmtA(std::string_view text, int width);             // Aw: cut or padded on the left
std::string fmtX(int count);                                    // nX: count blanks

// A value for a message, without leading blanks: F with 2 decimals, or ES with 4 for the very large
// and the very small; for what is no number the words "not a number", "infinite", "minus infinite"
// (never under the finite-value rule below).
std::string messageValue(double value);

// The rule of an analysis run: a result that is not a number, or infinite, is never written. While
// `stage` is not empty, formatting such a value stops the run through the fatal path (status 1),
// naming the stage and the routine that wrote it; an empty `stage` lifts the rule (the editor
// shows the words of a data set as they are). `stage` is kept as given: a text of static storage.
void requireFiniteValues(std::string_view stage);

// Fixed-field input with blanks ignored (the BN rule of formatted input): the blanks anywhere in
// the field are dropped and an all-blank field reads as zero. The value is written only when the
// field holds a number of the kind asked; the result says whether it did.
bool readIntField(std::string_view field, int& value);         // Iw
bool readRealField(std::string_view field, float& value);      // Fw.0 (no implied decimals)
bool readRealField(std::string_view field, double& value);

// One numeric constant in Fortran's input forms, without blanks: an optional sign, digits with an
// optional decimal point (at least one digit), and an optional exponent ("E", "D" or "Q" followed by
// an optionally signed integer, or a sign followed by an integer: 1.5+3 is 1500). NaN, infinities
// and values beyond the type's range are not numbers here: a reply never stores them.
bool parseFortranInt(std::string_view text, int& value);
bool parseFortranReal(std::string_view text, float& value);
bool parseFortranReal(std::string_view text, double& value);

}  // namespace qv

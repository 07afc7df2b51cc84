// Read before every source file when the compiler is GCC 12 (CMakeLists.txt passes it with
// -include): it silences one false report of that compiler inside the standard library's
// std::string, and nothing of ours.
//
// The report. At -O3 GCC 12 inlines a concatenation such as `" " + fmtI(item, 2)` (operator+ of a
// literal and a temporary string, then insert and _M_replace) and its -Wrestrict check reports the
// memcpy of char_traits::copy, on _M_replace's in-place branch, as "accessing 9223372036854775810 or
// more bytes" that "may overlap up to 9223372036854775813 bytes at offset -3". How a reader knows
// it is the library's and not ours: the sizes exceed 2^63 bytes, more than any object can have;
// every report stands in bits/char_traits.h reached through bits/basic_string.h and .tcc, for
// operands that are plain strings of the program; the same lines compile without it at -O2; and
// the sanitizer build, whose AddressSanitizer checks every memcpy for overlapping arguments, runs
// the same concatenations clean.
//
// The silencing. GCC 12 drops a report when any function of its inlining chain lies in a region
// where the warning is ignored. So only std::basic_string's own code (bits/basic_string.h and
// .tcc, which call no function of ours) is read inside the region below. Everything before it in
// the standard library that can call our code (std::invoke, function objects, algorithms with our
// comparisons, swap, construct_at, iterators, ranges), and char_traits with string_view, is read
// first, outside the region, so a -Wrestrict report in our code stays a warning, also where our
// code is inlined through the library.
#pragma once

#include <functional>
#include <string_view>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include <string>
#pragma GCC diagnostic pop

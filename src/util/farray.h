// Fixed arrays and text fields with the storage rules of the data blocks: 1-based indices, first
// index varying fastest, no padding, text blank-padded with no terminator. Both are plain
// aggregates, so a block built of them stays standard-layout and can be handled as bytes.
//
// Every index is checked, in every build: an index outside its bounds stops the run through the
// fatal path, naming the routine that used it (the caller of the access), instead of reading or
// writing past the array. The checks cost well under one per cent of the whole analysis.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// Stops the run: " ++> Array index out of bounds in <routine>" with the index and its bounds
// (util/fatal.cpp). `dimension` counts from 1; 0 for a linear index from 0.
[[noreturn]] void arrayBoundsStop(const char* routine, long long index, std::size_t extent, std::size_t dimension);

#define QV_ARR_CHECK(cond, routine, index, extent, dimension)                                     \
  do {                                                                                            \
    if (__builtin_expect(!(cond), 0)) ::qv::arrayBoundsStop(routine, index, extent, dimension); \
  } while (0)

template <typename T, std::size_t... Extents>
struct Arr {
  static_assert(sizeof...(Extents) >= 1, "an array needs at least one extent");
  static constexpr std::size_t rank = sizeof...(Extents);
  static constexpr std::size_t extents[rank] = {Extents...};
  static constexpr std::size_t count = (Extents * ...);

  T v[count];

  // Fortran-style element access: a(i), a(i, j), a(i, j, k) with every index from 1. The last
  // argument is left to its default, the name of the routine that makes the access.
  template <typename I1>
    requires(rank == 1)
  constexpr T& operator()(I1 i, const char* routine = __builtin_FUNCTION()) {
    return v[checkedOffset(routine, i)];
  }
  template <typename I1>
    requires(rank == 1)
  constexpr const T& operator()(I1 i, const char* routine = __builtin_FUNCTION()) const {
    return v[checkedOffset(routine, i)];
  }
  template <typename I1, typename I2>
    requires(rank == 2)
  constexpr T& operator()(I1 i, I2 j, const char* routine = __builtin_FUNCTION()) {
    return v[checkedOffset(routine, i, j)];
  }
  template <typename I1, typename I2>
    requires(rank == 2)
  constexpr const T& operator()(I1 i, I2 j, const char* routine = __builtin_FUNCTION()) const {
    return v[checkedOffset(routine, i, j)];
  }
  template <typename I1, typename I2, typename I3>
    requires(rank == 3)
  constexpr T& operator()(I1 i, I2 j, I3 k, const char* routine = __builtin_FUNCTION()) {
    return v[checkedOffset(routine, i, j, k)];
  }
  template <typename I1, typename I2, typename I3>
    requires(rank == 3)
  constexpr const T& operator()(I1 i, I2 j, I3 k, const char* routine = __builtin_FUNCTION()) const {
    return v[checkedOffset(routine, i, j, k)];
  }

  // Zero-based linear access over the whole array, for loops over all elements.
  constexpr T& operator[](std::size_t k) { return v[checkedLinear(k, __builtin_FUNCTION())]; }
  constexpr const T& operator[](std::size_t k) const { return v[checkedLinear(k, __builtin_FUNCTION())]; }

  constexpr T* data() { return v; }
  constexpr const T* data() const { return v; }
  constexpr T* begin() { return v; }
  constexpr T* end() { return v + count; }
  constexpr const T* begin() const { return v; }
  constexpr const T* end() const { return v + count; }
  static constexpr std::size_t size() { return count; }

  constexpr void fill(const T& x) { std::fill(v, v + count, x); }

  // Offset of element (idx...) from the first, counted in elements; first index fastest.
  template <typename... I>
  static constexpr std::size_t offsetOf(I... idx) {
    return checkedOffset("offsetOf", idx...);
  }

 private:
  template <typename... I>
  static constexpr std::size_t checkedOffset(const char* routine, I... idx) {
    static_assert(sizeof...(I) == rank, "wrong number of indices");
    const long long ix[rank] = {static_cast<long long>(idx)...};
    std::size_t off = 0;
    std::size_t stride = 1;
    for (std::size_t d = 0; d < rank; ++d) {
      QV_ARR_CHECK(ix[d] >= 1 && static_cast<std::size_t>(ix[d]) <= extents[d], routine, ix[d], extents[d], d + 1);
      off += static_cast<std::size_t>(ix[d] - 1) * stride;
      stride *= extents[d];
    }
    return off;
  }
  static constexpr std::size_t checkedLinear(std::size_t k, const char* routine) {
    QV_ARR_CHECK(k < count, routine, static_cast<long long>(k), count, 0);
    return k;
  }
};

// A text field of N 8-bit characters, blank-padded, no terminator.
template <std::size_t N>
struct Text {
  static constexpr std::size_t length = N;
  char c[N];

  // Stores s, cut to N characters or padded with blanks.
  constexpr void assign(std::string_view s) {
    const std::size_t n = std::min(N, s.size());
    std::copy_n(s.data(), n, c);
    std::fill(c + n, c + N, ' ');
  }
  constexpr void blank() { std::fill(c, c + N, ' '); }
  std::string_view view() const { return std::string_view(c, N); }
  std::string str() const { return std::string(c, N); }
  // The text without its trailing blanks.
  std::string_view trimmed() const {
    std::size_t n = N;
    while (n > 0 && c[n - 1] == ' ') --n;
    return std::string_view(c, n);
  }
  char& operator()(std::size_t i, const char* routine = __builtin_FUNCTION()) {
    QV_ARR_CHECK(i >= 1 && i <= N, routine, static_cast<long long>(i), N, 1);
    return c[i - 1];
  }
  char operator()(std::size_t i, const char* routine = __builtin_FUNCTION()) const {
    QV_ARR_CHECK(i >= 1 && i <= N, routine, static_cast<long long>(i), N, 1);
    return c[i - 1];
  }
};

// A literal text constant of fixed length, blank-padded (identity constants, table rows). Usable in
// constant initialisation, so a kept state that starts with a text still starts in static storage.
template <std::size_t N>
constexpr Text<N> makeText(std::string_view s) {
  Text<N> t{};
  t.assign(s);
  return t;
}

}  // namespace qv

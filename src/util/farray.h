// Fixed arrays and text fields with the storage rules of the data blocks: 1-based indices, first
// index varying fastest, no padding, text blank-padded with no terminator. Both are plain
// aggregates, so a block built of them stays standard-layout and can be handled as bytes.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

#if defined(QV_BOUNDS_CHECK)
inline void arrBoundsFail() { assert(false && "array index out of bounds"); __builtin_trap(); }
#define QV_ARR_CHECK(cond) \
  do { if (!(cond)) ::qv::arrBoundsFail(); } while (0)
#else
#define QV_ARR_CHECK(cond) ((void)0)
#endif

template <typename T, std::size_t... Extents>
struct Arr {
  static_assert(sizeof...(Extents) >= 1, "an array needs at least one extent");
  static constexpr std::size_t rank = sizeof...(Extents);
  static constexpr std::size_t extents[rank] = {Extents...};
  static constexpr std::size_t count = (Extents * ...);

  T v[count];

  // Fortran-style element access: a(i), a(i, j), ... with every index from 1.
  template <typename... I>
  constexpr T& operator()(I... idx) {
    return v[offsetOf(idx...)];
  }
  template <typename... I>
  constexpr const T& operator()(I... idx) const {
    return v[offsetOf(idx...)];
  }

  // Zero-based linear access over the whole array, for loops over all elements.
  constexpr T& operator[](std::size_t k) { QV_ARR_CHECK(k < count); return v[k]; }
  constexpr const T& operator[](std::size_t k) const { QV_ARR_CHECK(k < count); return v[k]; }

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
    static_assert(sizeof...(I) == rank, "wrong number of indices");
    const long long ix[rank] = {static_cast<long long>(idx)...};
    std::size_t off = 0;
    std::size_t stride = 1;
    for (std::size_t d = 0; d < rank; ++d) {
      QV_ARR_CHECK(ix[d] >= 1 && static_cast<std::size_t>(ix[d]) <= extents[d]);
      off += static_cast<std::size_t>(ix[d] - 1) * stride;
      stride *= extents[d];
    }
    return off;
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
  char& operator()(std::size_t i) { QV_ARR_CHECK(i >= 1 && i <= N); return c[i - 1]; }
  char operator()(std::size_t i) const { QV_ARR_CHECK(i >= 1 && i <= N); return c[i - 1]; }
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

#include "util/packed_flags.h"

#include <string_view>
#include <utility>

#include "platform/stop.h"
#include "platform/units.h"
#include "util/fatal.h"

namespace qv {

namespace {

// A programming error in a packed word: the message, the wait for Return (not in an unattended
// run), then a fatal stop.
[[noreturn]] void packedWordFault(std::string_view message, int unit) {
  fatalStop("packed word", unit, {message, " Press <Return> to continue"}, FatalWait::kReadLine);
}

// 32-bit multiplication with wrap-around, as the packed-word arithmetic expects.
std::int32_t wrapMul(std::int32_t a, std::int64_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

std::int64_t pow16(int n) { return std::int64_t{1} << (4 * n); }

}  // namespace

std::int32_t BITVAL(std::int32_t word, int bit) {
  if (bit == 1) return word & 1;
  if (bit == 32) return word < 0 ? 1 : 0;
  // Truncating division, not a shift: for a negative word these are not its two's-complement bits,
  // which is what stored files were written with.
  return static_cast<std::int32_t>((static_cast<std::int64_t>(word) / (std::int64_t{1} << (bit - 1))) & 1);
}

void BITSWP(std::int32_t& word, int bit) {
  const std::uint32_t step = std::uint32_t{1} << (bit - 1);
  const std::uint32_t u = static_cast<std::uint32_t>(word);
  word = static_cast<std::int32_t>(BITVAL(word, bit) == 1 ? u - step : u + step);
}

void BITSET(std::int32_t& word, int bit, int value, int unit) {
  if (value != 0 && value != 1) packedWordFault(" Incorrect bit value in BITSET; contact Kestrin.", unit);
  if (BITVAL(word, bit) != value) BITSWP(word, bit);
}

std::int32_t NIBVAL(std::int32_t word, int field, int unit) {
  if (field < 1 || field > 8) packedWordFault(" Incorrect NIBBLE value in NIBVAL; contact Kestrin", unit);
  return static_cast<std::int32_t>((static_cast<std::int64_t>(word) / pow16(field - 1)) & 15);
}

void NIBSET(std::int32_t& word, int field, int value, int unit) {
  if (field < 1 || field > 8 || value < 0 || value > 15)
    packedWordFault(" Incorrect NIBBLE/position value in NIBSET; contact Kestrin.", unit);
  if (field == 8 && value > 7)
    packedWordFault(" Attempt to set most significant bit in NIBSET; contact Kestrin", unit);
  if (NIBVAL(word, field, unit) == value) return;

  const std::int64_t above = field == 8 ? 0 : static_cast<std::int64_t>(word) / pow16(field);
  const std::int64_t high = (above * 16 + value) * pow16(field - 1);

  std::int64_t low = 0;
  if (field > 1) {
    // Shift the low fields to the top of the word, where the wrap-around drops everything above them.
    std::int32_t product = wrapMul(word, pow16(9 - field));
    bool signBit = false;
    if (product < 0) {
      BITSET(product, 32, 0, unit);
      signBit = true;
    }
    std::int32_t part = static_cast<std::int32_t>(product / pow16(9 - field));
    if (signBit) BITSET(part, 4 * (field - 1), 1, unit);
    low = part;
  }
  word = static_cast<std::int32_t>(high + low);
}

bool ONEON(std::int32_t word, int value, int unit) {
  for (int field = 1; field <= 3; ++field)
    if (NIBVAL(word, field, unit) == value) return true;
  return false;
}

void SWPCOM(int count, std::int32_t* a, std::int32_t* b) {
  for (int i = 0; i < count; ++i) std::swap(a[i], b[i]);
}
void SWPVAL(std::int32_t& a, std::int32_t& b) { std::swap(a, b); }
void SWPVAL(float& a, float& b) { std::swap(a, b); }
void DSWPVAL(double& a, double& b) { std::swap(a, b); }
void CSWPVAL(std::complex<float>& a, std::complex<float>& b) { std::swap(a, b); }

void MOVUP(int count, const std::int32_t* source, std::int32_t* target) {
  for (int i = 0; i < count; ++i) target[i] = source[i];
}

void MOVDWN(int count, const std::int32_t* source, std::int32_t* target) {
  for (int i = count - 1; i >= 0; --i) target[i] = source[i];
}

void MOVDWN2(int count, const std::int32_t* source, std::int32_t* target) {
  for (int col = count - 1; col >= 0; --col)
    for (int k = 0; k < 2; ++k) target[2 * col + k] = source[2 * col + k];
}

void MOVDWN3(int count, const std::int32_t* source, std::int32_t* target) {
  for (int col = count - 1; col >= 0; --col)
    for (int k = 0; k < 3; ++k) target[3 * col + k] = source[3 * col + k];
}

void FILLUP(std::int32_t* integers, float* reals, int direction, int count) {
  for (int i = 0; i < count; ++i) {
    if (direction >= 1)
      reals[i] = static_cast<float>(integers[i]);
    else
      integers[i] = static_cast<std::int32_t>(reals[i]);  // truncation toward zero
  }
}

void CLEAR_1D(std::int32_t* array, int size, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (i >= 1 && i <= size) array[i - 1] = 0;
}

void CLEAR_2D(std::int32_t* array, int size1, int size2, int first1, int last1, int first2, int last2) {
  for (int j = first2; j <= last2; ++j)
    for (int i = first1; i <= last1; ++i)
      if (i >= 1 && i <= size1 && j >= 1 && j <= size2) array[(i - 1) + size1 * (j - 1)] = 0;
}

void CLEAR_3D(std::int32_t* array, int size1, int size2, int /*size3*/, int first1, int last1, int first2,
              int last2, int first3, int last3) {
  for (int k = first3; k <= last3; ++k)
    for (int j = first2; j <= last2; ++j)
      for (int i = first1; i <= last1; ++i)
        if (i >= 1 && i <= size1 && j >= 1 && j <= size2 && k >= 1)
          array[(i - 1) + size1 * ((j - 1) + size2 * (k - 1))] = 0;
}

}  // namespace qv

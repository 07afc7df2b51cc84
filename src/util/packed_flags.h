// Packed option words: single-bit flags (bit 1 the least significant, bit 32 the sign bit) and 4-bit
// fields numbered 1 to 8, plus the word moves, exchanges and clears used when arrays of the data set
// are copied, imported or relaid. All work in place on the caller's words.
#pragma once

#include <complex>
#include <cstdint>

namespace qv {

std::int32_t BITVAL(std::int32_t word, int bit);
void BITSWP(std::int32_t& word, int bit);
void BITSET(std::int32_t& word, int bit, int value, int unit);
std::int32_t NIBVAL(std::int32_t word, int field, int unit);
void NIBSET(std::int32_t& word, int field, int value, int unit);
bool ONEON(std::int32_t word, int value, int unit);

void SWPCOM(int count, std::int32_t* a, std::int32_t* b);
void SWPVAL(std::int32_t& a, std::int32_t& b);
void SWPVAL(float& a, float& b);
void DSWPVAL(double& a, double& b);
void CSWPVAL(std::complex<float>& a, std::complex<float>& b);
void MOVUP(int count, const std::int32_t* source, std::int32_t* target);
void MOVDWN(int count, const std::int32_t* source, std::int32_t* target);
void MOVDWN2(int count, const std::int32_t* source, std::int32_t* target);
void MOVDWN3(int count, const std::int32_t* source, std::int32_t* target);
void FILLUP(std::int32_t* integers, float* reals, int direction, int count);
void CLEAR_1D(std::int32_t* array, int size, int first, int last);
void CLEAR_2D(std::int32_t* array, int size1, int size2, int first1, int last1, int first2, int last2);
void CLEAR_3D(std::int32_t* array, int size1, int size2, int size3, int first1, int last1, int first2,
              int last2, int first3, int last3);

}  // namespace qv

// The words of a saved data-set image, counted from 1 as the data set counts them: word w starts at
// byte 4(w-1).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace qv::e2e {

inline std::int32_t intWord(const std::string& image, int w) {
  std::int32_t v = 0;
  std::memcpy(&v, image.data() + 4 * (w - 1), 4);
  return v;
}

inline float floatWord(const std::string& image, int w) {
  float v = 0.0f;
  std::memcpy(&v, image.data() + 4 * (w - 1), 4);
  return v;
}

}  // namespace qv::e2e

// The user's low-frequency force-coefficient tables, LOWCOF: up to 21 points each of an attack angle
// and the coefficients Cx, Cy and Cz, for wind, current, wave drift and a fourth set, and the same
// tables for a second body. The file "LOWDAT" is the whole block as an image of 680 words; every
// member is pinned to its word in lowcof_layout.cpp. A table's count word alone says how many of its
// points are valid: the points beyond it stay in the image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "util/farray.h"

namespace qv {

struct Lowcof {
  union {
    Arr<std::int32_t, 680> ILOWCF;           // the whole block as 680 words
    struct {
      std::int32_t NUWNPT;                     // points in the wind table
      std::int32_t NUCRPT;                     // points in the current table
      std::int32_t NUWVPT;                     // points in the wave-drift table
      std::int32_t NUQQPT;                     // points in the fourth table
      Arr<float, 21> UWNANG;                   // wind attack angles [deg]
      union {
        Arr<float, 21, 3> UWNCFS;                // wind coefficients Cx, Cy, Cz as one table
        struct {
          Arr<float, 21> UWNCX;                    // wind coefficient Cx
          Arr<float, 21> UWNCY;                    // wind coefficient Cy
          Arr<float, 21> UWNCZ;                    // wind coefficient Cz
        };
      };
      Arr<float, 21> UCRANG;                   // current attack angles [deg]
      union {
        Arr<float, 21, 3> UCRCFS;                // current coefficients Cx, Cy, Cz as one table
        struct {
          Arr<float, 21> UCRCX;                    // current coefficient Cx
          Arr<float, 21> UCRCY;                    // current coefficient Cy
          Arr<float, 21> UCRCZ;                    // current coefficient Cz
        };
      };
      Arr<float, 21> UWVANG;                   // wave-drift attack angles [deg]
      union {
        Arr<float, 21, 3> UWVCFS;                // wave-drift coefficients Cx, Cy, Cz as one table
        struct {
          Arr<float, 21> UWVCX;                    // wave-drift coefficient Cx
          Arr<float, 21> UWVCY;                    // wave-drift coefficient Cy
          Arr<float, 21> UWVCZ;                    // wave-drift coefficient Cz
        };
      };
      Arr<float, 21> UQQANG;                   // fourth table
      Arr<float, 21> UQQCX;                    // fourth table
      Arr<float, 21> UQQCY;                    // fourth table
      Arr<float, 21> UQQCZ;                    // fourth table
      std::int32_t BUWNPT;                     // second-body point count
      std::int32_t BUCRPT;                     // second-body point count
      std::int32_t BUWVPT;                     // second-body point count
      std::int32_t BUQQPT;                     // second-body point count
      Arr<float, 21> BWNANG;                   // second-body table
      Arr<float, 21> BWNCX;                    // second-body table
      Arr<float, 21> BWNCY;                    // second-body table
      Arr<float, 21> BWNCZ;                    // second-body table
      Arr<float, 21> BCRANG;                   // second-body table
      Arr<float, 21> BCRCX;                    // second-body table
      Arr<float, 21> BCRCY;                    // second-body table
      Arr<float, 21> BCRCZ;                    // second-body table
      Arr<float, 21> BWVANG;                   // second-body table
      Arr<float, 21> BWVCX;                    // second-body table
      Arr<float, 21> BWVCY;                    // second-body table
      Arr<float, 21> BWVCZ;                    // second-body table
      Arr<float, 21> BQQANG;                   // second-body table
      Arr<float, 21> BQQCX;                    // second-body table
      Arr<float, 21> BQQCY;                    // second-body table
      Arr<float, 21> BQQCZ;                    // second-body table
    };
  };
};

inline constexpr int kLowcofWords = 680;  // words of LOWCOF
static_assert(sizeof(Lowcof) == 4 * kLowcofWords, "LOWCOF must be 680 words");

extern Lowcof LOWCOF;

// The block as bytes, for image I/O and comparison.
inline std::span<std::byte, sizeof(Lowcof)> lowcofBytes() {
  return std::as_writable_bytes(std::span<Lowcof, 1>(&LOWCOF, 1));
}

// The block as its run of 4-byte words, word 1 first.
inline std::int32_t* wordsOf(Lowcof& block) { return reinterpret_cast<std::int32_t*>(&block); }

}  // namespace qv

// Images of this editor's data set in the layouts of older program versions, made from an image of
// the current layout by taking out the words that later versions added and padding the end with
// zeros, so that the image keeps its stored length:
//
//   const auto old = olderImage(DataSet().withSalm().words(), OlderLayout::kFairleads49);
//
// kFairleads49 is the layout of versions before 6.01 (49 fairleads, no reserve words RTPCM2, four
// words of ITPCM6 and no end marker of section 1); kBefore49 adds, for versions before 4.9, a wave
// grid of 40 periods and a vessel block without the 200 words from MEXDP1 on. wordDifferences names
// the words where two images differ, for failure messages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dataset/tpcm.h"

namespace qv::testing_support {

// Words of the current layout, first to first + words - 1, that an older layout lacks.
struct Room {
  int first;
  int words;
};

inline constexpr int wordOfOffset(std::size_t byteOffset) { return static_cast<int>(byteOffset / 4) + 1; }

// What the 149-fairlead layout added to section 1.
inline std::vector<Room> fairleadRooms() {
  return {{wordOfOffset(offsetof(Tpcm, RTPCM2)), 200},
          {wordOfOffset(offsetof(Tpcm, ITPCM6)) + 4, 100},
          {wordOfOffset(offsetof(Tpcm, RACC)) + 3 * 49, 300},
          {wordOfOffset(offsetof(Tpcm, TOPCOM_LAST)), 1}};
}

// What version 4.9 added: periods 41 to 100 of USRPSD and T, and the 200 words from MEXDP1 on.
inline std::vector<Room> widening49Rooms() {
  return {{wordOfOffset(offsetof(Tpcm, USRPSD)) + 40, 60},
          {wordOfOffset(offsetof(Tpcm, T)) + 40, 60},
          {wordOfOffset(offsetof(Tpcm, MEXDP1)), 200}};
}

inline bool inRooms(int word, const std::vector<Room>& rooms) {
  for (const Room& r : rooms)
    if (word >= r.first && word < r.first + r.words) return true;
  return false;
}

// The image without the rooms' words, the rest in order, padded with zeros to its old length.
inline std::vector<std::int32_t> withoutRooms(const std::vector<std::int32_t>& image, const std::vector<Room>& rooms) {
  std::vector<std::int32_t> old;
  old.reserve(image.size());
  for (std::size_t k = 0; k < image.size(); ++k)
    if (!inRooms(static_cast<int>(k) + 1, rooms)) old.push_back(image[k]);
  old.resize(image.size(), 0);
  return old;
}

enum class OlderLayout { kCurrent, kFairleads49, kBefore49 };

inline std::vector<std::int32_t> olderImage(const std::vector<std::int32_t>& current, OlderLayout layout) {
  std::vector<Room> rooms;
  if (layout != OlderLayout::kCurrent) rooms = fairleadRooms();
  if (layout == OlderLayout::kBefore49)
    for (const Room& r : widening49Rooms()) rooms.push_back(r);
  return withoutRooms(current, rooms);
}

// The layout a SALM data file of this version was written in.
inline OlderLayout layoutOfVersion(float version) {
  if (version < 4.9f) return OlderLayout::kBefore49;
  if (version < 6.00999f) return OlderLayout::kFairleads49;
  return OlderLayout::kCurrent;
}

// The first words where two images differ, word numbers from 1, for a failure message.
inline std::string wordDifferences(const std::vector<std::int32_t>& actual, const std::vector<std::int32_t>& expected) {
  std::string out;
  int shown = 0;
  for (std::size_t k = 0; k < actual.size() && k < expected.size() && shown < 12; ++k)
    if (actual[k] != expected[k]) {
      out += " word " + std::to_string(k + 1) + ": " + std::to_string(actual[k]) + " expected " +
             std::to_string(expected[k]) + ";";
      ++shown;
    }
  return out;
}

}  // namespace qv::testing_support

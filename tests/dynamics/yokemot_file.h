// The vessel motion file "YOKEMOT" for the wave-frequency tests, written with the record writer of
// the tests (apart from the program's own record layer) in the layout the vessel-response stage
// gives it for a vessel on the SALM yoke: per heading a header record of 4 integers and 1 real, then
// one record of 6 complex values per period.
#pragma once

#include <array>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "support/record_file.h"

namespace qv::testing_support {

// One heading block of "YOKEMOT": the header words and, per period, the yoke point's motion
// (surge, sway, heave direction of the vessel) and the vessel's three angle components.
struct YokeHeading {
  std::int32_t NRAOSM = 1, ISWLFG = 0, ISWLFG2 = 0, IRANFG = 0;
  float heading = 0.0f;  // relative to the vessel [rad]
  std::vector<std::array<std::complex<float>, 3>> motion, angles;
};

// The file of the headings in order.
inline void writeYokemot(const std::vector<YokeHeading>& headings, const std::filesystem::path& name = "YOKEMOT") {
  std::vector<Record> records;
  for (const YokeHeading& h : headings) {
    records.push_back(Record().i(h.NRAOSM).i(h.ISWLFG).i(h.ISWLFG2).i(h.IRANFG).f(h.heading));
    for (std::size_t i = 0; i < h.motion.size(); ++i) {
      Record r;
      for (const auto& c : h.motion[i]) r.c(c);
      for (const auto& c : h.angles[i]) r.c(c);
      records.push_back(r);
    }
  }
  writeRecords(name, records);
}

// A heading of smooth motions over `periods` periods, different for each `seed`.
inline YokeHeading smoothHeading(int periods, int headingCount, float heading, int seed) {
  YokeHeading h;
  h.NRAOSM = headingCount;
  h.heading = heading;
  h.IRANFG = 1;
  for (int i = 1; i <= periods; ++i) {
    const float a = 0.1f * static_cast<float>(i + seed);
    h.motion.push_back({std::complex<float>(0.8f - a, 0.3f * a), std::complex<float>(0.2f + 0.5f * a, -0.1f),
                        std::complex<float>(0.4f, 0.2f - a)});
    h.angles.push_back({std::complex<float>(0.004f * a, 0.002f), std::complex<float>(-0.003f, 0.001f * a),
                        std::complex<float>(0.001f, -0.002f * a)});
  }
  return h;
}

}  // namespace qv::testing_support

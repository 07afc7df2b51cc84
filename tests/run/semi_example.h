// The tanker example with the semi-submersible of the hull models' tests in place of the tanker,
// moored by the example's yoke, as the analysis runs it.
#pragma once

#include <cmath>
#include <cstring>
#include <string>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "hull/semi/semi_fixture.h"
#include "support/example_data.h"

namespace qv::testing_support {

inline constexpr int kSemiDriftModel = 3;  // LWVCOF code of the semi-submersible's drift coefficients
inline constexpr int kBargeLoadModel = 3;  // LWBARG and LCBARG code of the square-law loads on projected areas

// The headings of the example's environment, each the direction it travels toward [deg]: 180 in
// the example (the vessel heads toward 0 to meet them), `turn` added to all.
struct Environment {
  float turn = 0.0f;
  float wind = 180.0f;
  float current = 180.0f;
  float sea = 180.0f;
};

// The example's image with the semi-submersible moored by its yoke at x = `yoke` [m], drift drag
// on, no wave-frequency dynamics, and the environment's headings; `edit` changes anything further.
inline std::string semiImage(const Environment& env, float yoke = 40.0f, void (*edit)() = nullptr) {
  std::string image = example("tanker-yoke");
  std::memcpy(&TPCM, image.data(), image.size());
  Tpcm& t = TPCM;
  // The semi-submersible of the hull models' tests: symmetric about both its axes, draft 20 m, four
  // columns of 10 m through the water surface at (+-30, +-30) m, pontoons and braces below it.
  putSemiHullValues();
  putSemiMembers();
  t.XSALM = yoke;
  t.DWTONS = 0.0f;  // the tanker's deadweight exceeds the semi's displacement; no semi model reads it
  // The column-stabilised hull's own drift model: the tanker's wedges fit no square waterline.
  t.LWVCOF = sameModelInAllDirections(kSemiDriftModel);
  // Wind and current on the semi's own projected areas, centred on it. The tanker's coefficient
  // series differ from ahead and from astern: so would the mean load, the surge stiffness and
  // frequency, and with them every damping in percent of critical. Above the water the four columns
  // (10 m wide, 10 m high) either way; below it the columns (4 x 10 x 12 m) and, head-on, the
  // pontoons' ends (2 x 12 x 8 m) and the braces (2 x 3 x 48 m), beam-on the pontoons' sides
  // (2 x 90 x 8 m); the braces' ends are left out.
  t.LWBARG = sameModelInAllDirections(kBargeLoadModel);
  t.LCBARG = sameModelInAllDirections(kBargeLoadModel);
  t.TXWNDA = 400.0f;
  t.TYWNDA = 400.0f;
  t.TXCURA = 960.0f;
  t.TYCURA = 1920.0f;
  t.XWARM = t.YWARM = t.XCARM = t.YCARM = 0.0f;
  t.LEGDRG = 0;
  t.LDYN = 0;
  // Headings as the pages take them, within a turn of 0.
  const auto heading = [&](float deg) { return std::fmod(deg + env.turn, 360.0f); };
  t.WNDHDG = heading(env.wind);
  t.CURHDG = heading(env.current);
  t.SEAHDG(1) = heading(env.sea);
  for (int k = 1; k <= t.NDIR; ++k) t.WAVHDG(k) = heading(env.sea);
  if (edit != nullptr) edit();
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

}  // namespace qv::testing_support

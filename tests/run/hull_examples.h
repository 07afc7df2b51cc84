// The tanker example with each of the other hulls the analysis runs in place of the tanker, moored
// by the example's yoke: the semi-submersible of the hull models' tests (semi_example.h), the same
// hull as a tension-leg platform, a caisson spar and a moored discus buoy. Images of 4,975 words,
// as the editor stores them.
#pragma once

#include <cstring>
#include <string>

#include "dataset/force_model.h"
#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "hull/disc/disc_data_set.h"
#include "semi_example.h"
#include "support/example_data.h"

namespace qv::testing_support {

// The semi-submersible of semi_example.h, at the example's yoke 40 m ahead of its centre.
inline std::string semiExampleImage() { return semiImage({}, 40.0f); }

// The same hull as a tension-leg platform: the member model of the semi-submersible with the
// tension-leg platform's axial end term (no tendons of its own in this program's data sets).
inline std::string tlpImage() {
  return semiImage({}, 40.0f, [] {
    TPCM.VESTYP = kTensionLegPlatform;
    TPCM.SEMI_LIKE = 1;
  });
}

// A caisson spar (metric): one column of 20 m diameter from its keel to 55 m, draft 40 m, in the
// example's 100 m of water. Displacement 1.025 pi 10^2 40 = 12,880.5 t, waterplane pi 10^2 =
// 314.159 m^2, KB 20 m, KM = KB + R^2 / (4 T) = 20.625 m about either axis, KG 15 m; gyradii 15, 15
// and 7 m; the design wave 4 m. Wind on the 15 m above the water (20 x 15 m), current on the 40 m
// below it (20 x 40 m); the column-stabilised hull's own drift model.
inline std::string sparImage() {
  return semiImage({}, 15.0f, [] {
    Tpcm& t = TPCM;
    t.VESTYP = kCaissonSpar;
    t.SEMI_LIKE = 1;
    for (int i = 1; i <= t.NCYL; ++i) {
      for (int k = 1; k <= 3; ++k) t.RCYLB(k, i) = t.RCYLT(k, i) = t.DIAMS(k, i) = 0.0f;
      t.XAREA(i) = 0.0f;
    }
    setMember(1, {{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 55.0f}, 314.159f, {20.0f, 20.0f, 55.0f}, {1.0f, 1.0f, 0.0f},
                  {0.8f, 0.8f, 0.6f}, 1, 3, 1});
    t.NCYL = 1;
    t.TDISPL = 12880.5f;
    t.TDRAFT = 40.0f;
    t.TAWP = 314.159f;
    t.VKB = 20.0f;
    t.VKG = 15.0f;
    t.VKMT = t.VKML = 20.625f;
    t.TLWL = t.TBWL = 20.0f;
    t.TPGYR = t.TRGYR = 15.0f;
    t.YGYR = 7.0f;
    t.SLPHT = 4.0f;
    t.TXWNDA = t.TYWNDA = 300.0f;
    t.TXCURA = t.TYCURA = 800.0f;
  });
}

// The tanker example with a discus buoy in place of the tanker, on the example's yoke 12 m ahead of
// its centre and moored besides by four chains from its rim, so that its hull model works the line
// tables. The buoy (metric): radius 10 m, draft 4 m, displacement 1.025 pi 10^2 4 = 1288.05 t,
// waterplane pi 10^2 = 314.159 m^2, KB 2 m, KM = KB + R^2 / (4 T) = 8.25 m about either axis, KG
// 3 m, gyradii 4, 4 and 6 m, bilge radius 0.5 m, design wave 4 m; the buoy's own wave-drift model in
// every direction. The chains lie in the mooring section of TPCM, beyond the 4,975 words of the
// image, which a run of the image does not see: its mooring feedback takes the surge, sway and yaw
// periods the user gives, 60, 60 and 30 s.
inline std::string discImage() {
  std::string image = example("tanker-yoke");
  std::memcpy(&TPCM, image.data(), image.size());
  Tpcm& t = TPCM;
  t.VESTYP = kDiscBuoy;
  t.SEMI_LIKE = 0;
  t.TDISPL = 1288.05f;
  t.TDRAFT = 4.0f;
  t.TAWP = 314.159f;
  t.VKB = 2.0f;
  t.VKG = 3.0f;
  t.VKMT = t.VKML = 8.25f;
  t.TLWL = t.TBWL = 20.0f;
  t.TPGYR = t.TRGYR = 4.0f;
  t.YGYR = 6.0f;
  t.TBILGR = 0.5f;
  t.SLPHT = 4.0f;
  t.XSALM = 12.0f;
  t.DWTONS = 0.0f;  // the tanker's deadweight is more than the buoy displaces
  // Its own projected areas: 20 m across, 5 m above the water and 4 m below it.
  t.TXWNDA = t.TYWNDA = 100.0f;
  t.TXCURA = t.TYCURA = 80.0f;
  t.LWVCOF = sameModelInAllDirections(4);  // the buoy's drift model
  // 400 m of chain, 80 mm, 0.1 t/m in water, EA 5e4 t, 5 t of horizontal pretension.
  setDiscMooring(4, {10.0f, 100.0f, 400.0f, 0.1f, 0.115f, 80.0f, 2e-5f, 5.0f});
  t.LSGPRD = t.LSWPRD = t.LYWPRD = 1;
  t.SGK = t.SWK = 60.0f;
  t.YWK = 30.0f;
  std::memcpy(image.data(), &TPCM, image.size());
  return image;
}

}  // namespace qv::testing_support

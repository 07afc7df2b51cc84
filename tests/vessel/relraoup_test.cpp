// The vessel's response at a trial heading for the mooring analysis: the cache rules of RELRAOUP
// (counted through the stand-in hull), the course set relative to the vessel while the hull runs,
// the relative-motion and drag operators of PASCOM against closed forms, the statistics of the
// motions, and the spectrum statistics SPCPROCES and PSDPEK.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "hull/pascom.h"
#include "hull/semi/simcom.h"
#include "platform/stop.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "support/linear_waves.h"
#include "support/temp_dir.h"
#include "util/fatal.h"
#include "vessel/relraoup.h"
#include "vessel/slow_encounter.h"
#include "vessel/stub_hull.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "waves/spectral_integration.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::IsClose;
using testing_support::stopStatus;
using testing_support::StubHull;
using testing_support::TempDir;

constexpr double kPi = 3.14159265358979;

int hullRuns() { return static_cast<int>(std::count(StubHull::calls.begin(), StubHull::calls.end(), "CHR")); }

float w(int i) { return HIMEM.RLDUM(HIMEM.LCNW + i - 1); }

// A smooth one-peaked spectrum on the grid [ft^2 s].
void fillSpectrum(Arr<float, kMaxWavePeriods>& S, float peakPeriod, float scale) {
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const float x = TPCM.T(i) / peakPeriod;
    S(i) = scale * std::exp(-20.0f * (x - 1.0f) * (x - 1.0f));
  }
}

float zerothMoment(const float* S) {
  float m0 = 0.0f;
  float m2 = 0.0f;
  SMPINT(S, m0, m2);
  return m0;
}

void setOperators(Complex value) {
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
    INDXUP();
    for (const std::int32_t at : {h.LSG, h.LSW, h.LHV, h.LRL, h.LPT, h.LYA}) h.CXDUM(at) = value;
  }
}

// The wind sea alone, on the hull model VESTYP / SEMI_LIKE with the drift models LWVCOF, at the
// relative heading headingDeg [deg]; PASCOM cleared.
void windSeaOnHull(std::int32_t vestyp, std::int32_t semiLike, std::int32_t lwvcof, float headingDeg) {
  resetPascom();
  TPCM.VESTYP = vestyp;
  TPCM.SEMI_LIKE = semiLike;
  TPCM.LWVCOF = lwvcof;
  TPCM.LRANDM = 1;
  WAVCOM.IRAO = 1;
  HIMEM.RAOANG(1) = headingDeg;
}

class RelraoupTest : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    testing_support::freeShipDataSet(31);  // 5 to 20 s
    TPCM.NEGSUM = 1;
    TPCM.DEPTH = 3000.0f;  // deep water at every grid period: k g / w^2 = 1
    TPCM.SEAHDG(1) = 30.0f;
    TPCM.SWLHDG = 60.0f;
    TPCM.SWLHDG2 = 120.0f;
    TPCM.LRANDM = TPCM.LSWELL = TPCM.LSWEL2 = 0;  // each case switches on the systems it needs
    ConsoleCapture console;
    VESL1();
    StubHull::calls.clear();
  }

  TempDir dir;
};

// Headings 0.019 rad apart reuse the operators; 0.021 rad apart rerun the hull; the wrap at 2 pi
// counts the short way round; a draft change counts at 0.2; a forced call always reruns.
TEST_F(RelraoupTest, RerunsTheHullOnlyWhenTheHeadingOrDraftHasMoved) {
  struct Case {
    const char* what;
    float first, second;  // vessel headings [rad]
    float draftChange;    // PASCOM DELTA_DRAFT before the second call [ft]
    std::int32_t force;   // IFORCE of the second call
    int runs;             // hull runs of the second call
  };
  const Case cases[] = {
      {"0.019 rad: cache", 1.0f, 1.019f, 0.0f, 0, 0},
      {"0.021 rad: rerun", 1.0f, 1.021f, 0.0f, 0, 1},
      {"-0.021 rad: rerun", 1.0f, 0.979f, 0.0f, 0, 1},
      {"across 2 pi, 0.015 apart: cache", 6.2731855f, 0.005f, 0.0f, 0, 0},
      {"across 2 pi, 0.025 apart: rerun", 6.2731855f, 0.015f, 0.0f, 0, 1},
      {"draft change 0.19: cache", 1.0f, 1.0f, 0.19f, 0, 0},
      {"draft change 0.21: rerun", 1.0f, 1.0f, 0.21f, 0, 1},
      {"forced: rerun", 1.0f, 1.0f, 0.0f, 1, 1},
  };
  for (const Case& c : cases) {
    RELRAOUP_STATE.reset();
    PASCOM.DELTA_DRAFT = 0.0f;
    TPCM.LSWELL = 1;  // the swell alone: the first call reruns and ends the first-call state
    float hdg = 0.0f;
    RELRAOUP(hdg, c.first, 1, 0, 0);
    ASSERT_EQ(RELRAOUP_STATE.FRSTIM, 0) << c.what;
    StubHull::calls.clear();
    setOperators(Complex(0.0f, 0.0f));  // a restore must bring the cached operators back
    PASCOM.DELTA_DRAFT = c.draftChange;
    RELRAOUP(hdg, c.second, 1, 0, c.force);
    EXPECT_EQ(hullRuns(), c.runs) << c.what;
    if (c.runs == 1) {
      EXPECT_EQ(StubHull::calls, (std::vector<std::string>{"CHR", "FRC0", "FRC5", "RAO"})) << c.what;
    }
    HIMEM.IW = 7;
    INDXUP();
    EXPECT_EQ(HIMEM.CXDUM(HIMEM.LHV), Complex(1.0f, 0.0f)) << c.what;
    EXPECT_EQ(HIMEM.CXDUM(HIMEM.LYA), Complex(1.0f, 0.0f)) << c.what;
  }
}

TEST_F(RelraoupTest, FirstCallStateClearsOnceEveryActiveSystemHasRun) {
  struct Case {
    const char* what;
    std::int32_t lrandm, lswell, lswel2;
    int clearedOnCall;
  };
  const Case cases[] = {
      {"swell only", 0, 1, 0, 1},
      {"wind sea and second swell", 1, 0, 1, 2},
      {"wind sea only", 1, 0, 0, 2},
      {"all three", 1, 1, 1, 1},
  };
  for (const Case& c : cases) {
    RELRAOUP_STATE.reset();
    TPCM.LRANDM = c.lrandm;
    TPCM.LSWELL = c.lswell;
    TPCM.LSWEL2 = c.lswel2;
    StubHull::calls.clear();
    float hdg = 0.0f;
    int call = 0;
    while (RELRAOUP_STATE.FRSTIM != 0 && call < 5) {
      RELRAOUP(hdg, 0.5f, 1, 0, 0);
      ++call;
    }
    EXPECT_EQ(call, c.clearedOnCall) << c.what;
    // Until then every call reruns every active system.
    EXPECT_EQ(hullRuns(), call * (c.lrandm + c.lswell + c.lswel2)) << c.what;
  }
}

// MODE 1: the relative heading of each system is its heading less the vessel's; the last active
// system's stays in HDGREL. The course is relative to the vessel while the hull runs.
TEST_F(RelraoupTest, RelativeHeadingAndCourseWhileTheHullRuns) {
  static float courseSeen;
  static float headingSeen;
  static constexpr HullOps recording = {
      [] {
        courseSeen = TPCM.VGLDIR;
        headingSeen = HIMEM.RAOANG(WAVCOM.IRAO);
      },
      [](std::int32_t&) {}, [] {}, [] {}, [] {}};
  HULL_MODELS.ops[static_cast<int>(HullKind::kShip)] = &recording;
  TPCM.VGLDIR = 10.0f;
  TPCM.LRANDM = 1;
  TPCM.LSWELL = 1;
  const float vesang = 100.0f / 57.2957764f;  // 100 deg
  float hdg = 999.0f;
  RELRAOUP(hdg, vesang, 1, 0, 1);
  EXPECT_TRUE(IsClose(hdg, 60.0 - 100.0, 0.0, 1e-4));  // the swell's, not reduced
  EXPECT_TRUE(IsClose(headingSeen, 320.0, 0.0, 1e-4));  // the swell's, reduced to [0, 360)
  EXPECT_EQ(WAVCOM.IRAO, 1);
  EXPECT_TRUE(IsClose(courseSeen, 270.0, 0.0, 1e-4));   // 10 - 100 deg, reduced
  EXPECT_EQ(TPCM.VGLDIR, 10.0f);

  // MODE 0 keeps the caller's heading for every system.
  hdg = 45.0f;
  RELRAOUP(hdg, vesang, 0, 0, 1);
  EXPECT_EQ(hdg, 45.0f);
  EXPECT_TRUE(IsClose(headingSeen, 45.0, 0.0, 1e-6));
}

TEST_F(RelraoupTest, TheCourseComesBackWhenTheHullModelStops) {
  static constexpr HullOps stopping = {[] { silentStop("STUB"); }, [](std::int32_t&) {}, [] {}, [] {}, [] {}};
  HULL_MODELS.ops[static_cast<int>(HullKind::kShip)] = &stopping;
  TPCM.VGLDIR = 33.0f;
  TPCM.LRANDM = 1;
  float hdg = 0.0f;
  EXPECT_EQ(stopStatus([&] { RELRAOUP(hdg, 1.0f, 1, 0, 0); }), kExitFatal);
  EXPECT_EQ(TPCM.VGLDIR, 33.0f);
}

TEST_F(RelraoupTest, QuenchingZeroesHullOperatorsButNotUserOnes) {
  TPCM.LRANDM = 1;
  PASCOM.QUASQUENCH = 1;
  float hdg = 0.0f;
  RELRAOUP(hdg, 0.3f, 1, 0, 1);
  for (int i = 1; i <= TPCM.NWP; ++i) {
    EXPECT_EQ(PASCOM.ANG_WAV_RAO(i, 1), Complex(0.0f, 0.0f)) << i;  // pitch cos h - roll sin h
  }
  HIMEM.IW = 3;
  INDXUP();
  EXPECT_EQ(HIMEM.CXDUM(HIMEM.LHV), Complex(0.0f, 0.0f));
  EXPECT_EQ(HIMEM.CXDUM(HIMEM.LSG), Complex(1.0f, 0.0f));

  // User operators: a table of heave 1 at every frequency and heading, nothing else.
  testing_support::writeFileText("USERRAOS.txt",
                                 "2 2\n0.\n0.1 0 0 0 0 1 0 0 0 0 0 0 0\n3.0 0 0 0 0 1 0 0 0 0 0 0 0\n"
                                 "360.\n0.1 0 0 0 0 1 0 0 0 0 0 0 0\n3.0 0 0 0 0 1 0 0 0 0 0 0 0\n");
  TPCM.AUXVSH = 1;
  StubHull::calls.clear();
  ConsoleCapture console;
  RELRAOUP(hdg, 0.3f, 1, 0, 1);
  EXPECT_EQ(StubHull::calls, (std::vector<std::string>{"CHR", "FRC0", "FRC5"}));
  EXPECT_TRUE(IsClose(std::abs(HIMEM.CXDUM(HIMEM.LHV)), 1.0, 1e-6));
}

// All systems off: no hull run, nothing computed; MODE 0 still copies the drag columns (from the
// swell's into the wind sea's without a random sea).
TEST_F(RelraoupTest, NoActiveSystemOnlyCopiesTheDragColumns) {
  for (int i = 1; i <= TPCM.NWP; ++i) {
    PASCOM.RLRAO2(i, 2) = static_cast<float>(i);
    PASCOM.FDRGLAT(i, 2) = 2.0f * static_cast<float>(i);
    PASCOM.MDRGLAT(i, 2) = 3.0f;
    PASCOM.RLRAOH2(i, 2) = 4.0f;
    PASCOM.HRAO(i, 2) = 5.0f;
  }
  float hdg = 12.0f;
  RELRAOUP(hdg, 0.5f, 0, 1, 1);
  EXPECT_EQ(hullRuns(), 0);
  EXPECT_EQ(hdg, 12.0f);
  for (int i = 1; i <= TPCM.NWP; ++i) {
    EXPECT_EQ(PASCOM.RLRAO2(i, 1), static_cast<float>(i));
    EXPECT_EQ(PASCOM.FDRGLAT(i, 1), 2.0f * static_cast<float>(i));
    EXPECT_EQ(PASCOM.MDRGLAT(i, 1), 3.0f);
    EXPECT_EQ(PASCOM.RLRAOH2(i, 1), 4.0f);
    EXPECT_EQ(PASCOM.HRAO(i, 1), 0.0f);  // not a drag column
  }
  EXPECT_EQ(PASCOM.WHVRMS, 0.0f);
}

// A vessel that does not move sees the incident wave alone: unit vertical relative motion, the
// horizontal water motion k g / w^2 = 1 in deep water, so the drag operators take closed forms.
TEST_F(RelraoupTest, ZeroVesselMotionLeavesTheIncidentWave) {
  struct Case {
    const char* what;
    std::int32_t vestyp, semiLike, lwvcof;
    float headingDeg;
    // Expected at frequency w, with c = cos h, s = sin h: coefficient times w^2 (or a constant).
    double rlrao2, fdrglat, mdrglat, rlraoh2;  // a negative entry is not checked
  };
  const double c30 = std::cos(30.0 * kPi / 180.0);
  const double s30 = std::sin(30.0 * kPi / 180.0);
  const Case cases[] = {
      // One point at the origin: r = w^2 |0 - 1| q, q = |a c|^2 + |a s|^2 = 1.
      {"point hull", 5, 0, 0, 30.0f, c30, s30, 0.0, 1.0},
      // Ship, quartering: |Rxb^2 Rzb| = (a c)^2 |Eb|^3.
      {"ship at 30 deg", 1, 0, 0, 30.0f, c30 * c30, -1.0, -1.0, 0.0},
      // Ship, beam seas: the stations see one phase, F = -a^2 sum c_j E^3 with sum c_j = 12, so
      // FDRGLAT = 12 w^2 / 15; the weights are symmetric about midships, so M = 0.
      {"ship in beam seas", 1, 0, 0, 90.0f, 0.0, 0.8, 0.0, 0.0},
      // Column hull with a column drift model: every column sees q = 1, r = w^2.
      {"column hull", 3, 1, 0x007, 30.0f, c30, s30, 0.0, 1.0},
  };
  fillSpectrum(WAVCOM.WPSD, 10.0f, 4.0f);
  TPCM.NCYL = 3;
  for (int i = 1; i <= 3; ++i) {
    SIMCOM.LPIERCE(i) = 1;
    SIMCOM.CYLLEN(i) = 30.0f;
    SIMCOM.DIRVEC(3, i) = 1.0f;
    SIMCOM.CYLBAS(1, i) = 50.0f * static_cast<float>(i);
    SIMCOM.CYLBAS(2, i) = -20.0f * static_cast<float>(i);
    TPCM.XAREA(i) = 100.0f * static_cast<float>(i);
  }
  for (const Case& c : cases) {
    windSeaOnHull(c.vestyp, c.semiLike, c.lwvcof, c.headingDeg);
    setOperators(Complex(0.0f, 0.0f));
    RELRAO(0.0f, 1, 1);
    for (int i = 1; i <= TPCM.NWP; ++i) {
      const double w2 = static_cast<double>(w(i)) * w(i);
      EXPECT_TRUE(IsClose(PASCOM.RLRAO2(i, 1), c.rlrao2 * w2, 1e-5, 1e-5 * w2)) << c.what << " point " << i;
      if (c.fdrglat >= 0.0) {
        EXPECT_TRUE(IsClose(PASCOM.FDRGLAT(i, 1), c.fdrglat * w2, 1e-5, 1e-5 * w2)) << c.what << " point " << i;
      }
      if (c.mdrglat >= 0.0) {
        EXPECT_TRUE(IsClose(PASCOM.MDRGLAT(i, 1), c.mdrglat * w2, 1e-5, 1e-5 * w2)) << c.what << " point " << i;
      }
      EXPECT_TRUE(IsClose(PASCOM.RLRAOH2(i, 1), c.rlraoh2, 1e-5, 1e-6)) << c.what << " point " << i;
      EXPECT_EQ(PASCOM.HRAO(i, 1), 0.0f) << c.what;
      EXPECT_EQ(PASCOM.HOR_WAV_RAO(i, 1), Complex(0.0f, 0.0f)) << c.what;
    }
    // Statistics: the relative vertical motion at the bow and at the reference point have modulus 1,
    // so their RMS is that of the sea; relative to the water at keel depth the water's motion there
    // is f = cosh(k (d - T)) / cosh(k d) of the surface's.
    const double seaRms = std::sqrt(zerothMoment(WAVCOM.WPSD.data()));
    EXPECT_TRUE(IsClose(PASCOM.GWSIG1, seaRms, 1e-5)) << c.what;
    EXPECT_TRUE(IsClose(PASCOM.GWSIG2, seaRms, 1e-5)) << c.what;
    float keel[kMaxWavePeriods] = {};
    for (int i = 1; i <= TPCM.NWP; ++i) {
      const double k = WAVCOM.WVK(i);
      const double f = std::cosh(k * (TPCM.DEPTH - TPCM.DRAFT)) / std::cosh(k * TPCM.DEPTH);
      keel[i - 1] = static_cast<float>(f * f * WAVCOM.WPSD(i));
    }
    EXPECT_TRUE(IsClose(PASCOM.WMOONRMS, std::sqrt(zerothMoment(keel)), 1e-4)) << c.what;
    EXPECT_EQ(PASCOM.WHVRMS, 0.0f) << c.what;
    EXPECT_EQ(PASCOM.BOW_Z_VAR, 0.0f) << c.what;
  }
}

// The water's horizontal excursion at the surface per unit wave amplitude, by linear wave theory
// (the wave number from w^2 = g k tanh(k d), solved here): -i E (cos b, sin b) / tanh(k d) for the
// elevation E at the place, a quarter period ahead of the elevation.
std::complex<double> horizontalExcursion(int i, std::complex<double> E) {
  const double d = TPCM.DEPTH;
  const double k = testing_support::linearWaveNumber(w(i), d, WAVCOM.G);
  return std::complex<double>(0.0, -1.0 / std::tanh(k * d)) * E;
}

std::complex<double> elevation(int i, double x, double y, double b) {
  const double k = WAVCOM.WVK(i);
  return std::exp(std::complex<double>(0.0, -k * (x * std::cos(b) + y * std::sin(b))));
}

// A vessel carried to and fro by the water but held level (no heave, no rotation) moves with the
// water horizontally, so the horizontal relative motion in the drag operators is nil: the operators
// that carry its square vanish within 1e-4 of w^2 (a 1 % relative motion). The vessel follows the
// water where each hull's operators look at it: the origin for the point hull, the one column that
// pierces the surface, the bow for a ship's longitudinal term, and, with the waves across the ship,
// its side away from the waves, where its lateral term is taken along the length. The vertical
// relative motion is then the elevation (modulus 1), so each operator is w^2 times the horizontal
// relative motion squared (times |cos b| or |sin b| for the point and column hulls); a body held
// still would give w^2 times the excursion squared, about w^2 here.
TEST_F(RelraoupTest, ABodyCarriedByTheWaterLeavesNoHorizontalDragOperator) {
  struct Case {
    const char* what;
    std::int32_t vestyp, semiLike, lwvcof;
    float headingDeg;
    double x, y;          // where the body follows the water
    bool lateral;         // FDRGLAT and MDRGLAT are nil too
  };
  const double halfLength = TPCM.LWL / 2.0;
  const double halfBeam = TPCM.BWL / 2.0;
  const Case cases[] = {
      {"point hull, waves from 180 deg", 5, 0, 0, 180.0f, 0.0, 0.0, true},
      {"point hull, waves from 90 deg", 5, 0, 0, 90.0f, 0.0, 0.0, true},
      {"point hull, waves from 135 deg", 5, 0, 0, 135.0f, 0.0, 0.0, true},
      {"column hull, waves from 180 deg", 3, 1, 0x007, 180.0f, 100.0, -40.0, true},
      {"column hull, waves from 90 deg", 3, 1, 0x007, 90.0f, 100.0, -40.0, true},
      {"column hull, waves from 30 deg", 3, 1, 0x007, 30.0f, 100.0, -40.0, true},
      {"ship, waves from 180 deg", 1, 0, 0, 180.0f, halfLength, 0.0, false},
      {"ship, waves from 135 deg", 1, 0, 0, 135.0f, halfLength, 0.0, false},
      {"ship, waves from 90 deg", 1, 0, 0, 90.0f, 0.0, -halfBeam, true},
      {"ship, waves from 270 deg", 1, 0, 0, 270.0f, 0.0, halfBeam, true},
  };
  fillSpectrum(WAVCOM.WPSD, 10.0f, 4.0f);
  TPCM.NCYL = 2;
  for (int i = 1; i <= 2; ++i) {
    SIMCOM.LPIERCE(i) = i == 1 ? 1 : 0;  // the second column stays under water
    SIMCOM.CYLLEN(i) = 30.0f;
    SIMCOM.DIRVEC(3, i) = 1.0f;
    SIMCOM.CYLBAS(1, i) = 100.0f;
    SIMCOM.CYLBAS(2, i) = -40.0f;
    TPCM.XAREA(i) = 100.0f;
  }
  for (const Case& c : cases) {
    windSeaOnHull(c.vestyp, c.semiLike, c.lwvcof, c.headingDeg);
    const double b = c.headingDeg * kPi / 180.0;
    Himem& h = HIMEM;
    for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
      INDXUP();
      for (const std::int32_t at : {h.LHV, h.LRL, h.LPT, h.LYA}) h.CXDUM(at) = Complex(0.0f, 0.0f);
      const std::complex<double> along = horizontalExcursion(h.IW, elevation(h.IW, c.x, c.y, b));
      h.CXDUM(h.LSG) = Complex(static_cast<float>((along * std::cos(b)).real()), static_cast<float>((along * std::cos(b)).imag()));
      h.CXDUM(h.LSW) = Complex(static_cast<float>((along * std::sin(b)).real()), static_cast<float>((along * std::sin(b)).imag()));
    }
    RELRAO(0.0f, 0, 1);
    for (int i = 1; i <= TPCM.NWP; ++i) {
      const double nil = 1e-4 * w(i) * w(i);
      EXPECT_LT(PASCOM.RLRAO2(i, 1), nil) << c.what << ", period " << TPCM.T(i);
      EXPECT_LT(PASCOM.RLRAOH2(i, 1), 1e-4) << c.what << ", period " << TPCM.T(i);
      if (c.lateral) {
        EXPECT_LT(PASCOM.FDRGLAT(i, 1), nil) << c.what << ", period " << TPCM.T(i);
        EXPECT_LT(PASCOM.MDRGLAT(i, 1), nil) << c.what << ", period " << TPCM.T(i);
      }
    }
  }
}

// Under way, where the vessel meets the waves more slowly than the longest wave of the grid, the
// drift and drag operators take surge, sway and yaw at the row's weight s: motion that slow is the
// slow drift's. A point hull at a trial heading 0.3 rad, moving ahead (its course turned with it)
// into waves 30 deg off its stern at 25 ft/s along them, in deep water (the 5 and 5.5 s rows are met
// near we = 0, the 6 to 8 s and 12 to 20 s rows in part): its surge, sway and yaw are
// 100 at every period, heave and rotations nil. Its horizontal motion in the waves' direction is
// then 100 s (cos 30 + sin 30) (HOR_WAV_RAO). Where s is 0 (found here with k = w^2 / g) the body is
// as if held in the water: RLRAO2 = w^2 |cos 30|, as with no motion at all; where s is 1 its surge
// and sway are there whole; between, they are there in part.
TEST_F(RelraoupTest, UnderWayTheRowsMetTooSlowlyTakeSurgeSwayAndYawAtTheirWeightInTheDragOperators) {
  windSeaOnHull(5, 0, 0, 30.0f);
  fillSpectrum(WAVCOM.WPSD, 10.0f, 4.0f);
  const float vesang = 0.3f;
  TPCM.VGLDIR = vesang * 57.2957764f;
  TPCM.TVFWD = static_cast<float>(25.0 / std::cos(30.0 * kPi / 180.0));
  setOperators(Complex(0.0f, 0.0f));
  Himem& h = HIMEM;
  for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
    INDXUP();
    for (const std::int32_t at : {h.LSG, h.LSW, h.LYA}) h.CXDUM(at) = Complex(100.0f, 0.0f);
  }
  RELRAO(vesang, 0, 1);
  const double c30 = std::cos(30.0 * kPi / 180.0);
  int none = 0, partial = 0;
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const double k = static_cast<double>(w(i)) * w(i) / WAVCOM.G;
    const double we = w(i) - k * 25.0;
    const double w2 = static_cast<double>(w(i)) * w(i);
    const double s = slowEncounterWeight(static_cast<float>(we), w(TPCM.NWP));
    SCOPED_TRACE("period " + std::to_string(TPCM.T(i)) + ", weight " + std::to_string(s));
    EXPECT_TRUE(IsClose(std::abs(PASCOM.HOR_WAV_RAO(i, 1)), 100.0 * s * (c30 + 0.5), 1e-4, 1e-6));
    if (s == 0.0) {
      ++none;
      EXPECT_TRUE(IsClose(PASCOM.RLRAO2(i, 1), c30 * w2, 1e-4, 1e-6));
    } else {
      EXPECT_GT(PASCOM.RLRAO2(i, 1), 100.0 * s * w2);
      if (s < 1.0) ++partial;
    }
  }
  EXPECT_EQ(none, 2);
  EXPECT_GT(partial, 10);
  EXPECT_LT(none + partial, TPCM.NWP - 2);
}

// Unit operators (the stand-in hull): the reference point is the centre of gravity, which the stub
// puts at both rotation centres, so its heave is 1; the systems add in quadrature, and the band and
// peak describe the wind sea.
TEST_F(RelraoupTest, StatisticsAddTheWaveSystemsInQuadrature) {
  TPCM.LRANDM = 1;
  TPCM.LSWELL = 1;
  fillSpectrum(WAVCOM.WPSD, 8.0f, 3.0f);
  fillSpectrum(WAVCOM.SWLPSD, 15.0f, 1.0f);
  float hdg = 0.0f;
  RELRAOUP(hdg, 0.0f, 1, 1, 1);
  const double m0Sea = zerothMoment(WAVCOM.WPSD.data());
  const double m0Swell = zerothMoment(WAVCOM.SWLPSD.data());
  EXPECT_TRUE(IsClose(PASCOM.WHVRMS, std::sqrt(m0Sea + m0Swell), 1e-5));
  EXPECT_TRUE(IsClose(PASCOM.WRLRMS, std::sqrt(m0Sea + m0Swell), 1e-5));
  // HOR_WAV_RAO = surge cos h + sway sin h with the swell at 60 deg relative.
  EXPECT_TRUE(IsClose(PASCOM.HOR_WAV_RAO(5, 2).real(), std::cos(kPi / 3) + std::sin(kPi / 3), 1e-5));
  EXPECT_TRUE(IsClose(PASCOM.ANG_WAV_RAO(5, 1).real(), std::cos(kPi / 6) - std::sin(kPi / 6), 1e-5));

  // The wind sea's band and peak: SPCPROCES of the heave spectrum, which is the sea's.
  float rms = 0.0f;
  float rate = 0.0f;
  float band = 0.0f;
  float peak = 0.0f;
  SPCPROCES(WAVCOM.WPSD.data(), WAVCOM.W.data(), rms, rate, band, peak);
  EXPECT_EQ(PASCOM.VZBANDW, band);
  EXPECT_EQ(PASCOM.VZTPEAK, peak);
  EXPECT_GT(band, 0.0f);
}

TEST_F(RelraoupTest, AnUnknownWaveSystemStopsTheRun) {
  ConsoleCapture console("\n");
  EXPECT_EQ(stopStatus([] { RELRAO(0.0f, 0, 4); }), kExitFatal);
  EXPECT_TRUE(contains(console.screen(), " +=> Invalid IWAVID in RELRAO.f\n")) << console.screen();
}

TEST(Usrdatsel, NamesTheUserOperatorFileOfTheConfiguration) {
  struct Case {
    std::int32_t creatr, ispm;
    const char* name;
  };
  const Case cases[] = {{13, 2, "UBUOYRAO.txt "}, {13, 3, "UTANKRAO.txt "}, {10, 2, "UTUGSRAO.txt "},
                        {10, 3, "UBARGRAO.txt "}, {11, 2, "USERRAOS.txt "}, {11, 0, "USERRAOS.txt "}};
  for (const Case& c : cases) {
    Text<13> name;
    USRDATSEL(c.creatr, c.ispm, name);
    EXPECT_EQ(name.view(), c.name) << c.creatr << " " << c.ispm;
  }
}

// ---- Spectrum statistics on the grid ----

class SpectrumStatistics : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    TPCM.NWP = 21;
    for (int i = 1; i <= 21; ++i) {
      TPCM.T(i) = 5.0f + 0.5f * static_cast<float>(i - 1);
      W[i - 1] = 6.2831855f / TPCM.T(i);
      WAVCOM.W2(i) = W[i - 1] * W[i - 1];
    }
    WAVCOM.DT = 0.5f;
  }
  float W[kMaxWavePeriods] = {};
  float psd[kMaxWavePeriods] = {};
};

TEST_F(SpectrumStatistics, PeakFlatTopAndHalfPowerIndices) {
  // A flat top at 10 to 12, falling below half power at 8 and 14.
  const float values[21] = {0, 0, 0, 0, 0, 1, 2, 2.9f, 4, 6, 6, 6, 4, 2.9f, 1, 0, 0, 0, 0, 0, 0};
  std::copy(values, values + 21, psd);
  float peak = 0.0f;
  float tpeak = 0.0f;
  std::int32_t first = 0, last = 0, up = 0, low = 0;
  PSDPEK(psd, W, peak, tpeak, first, last, 1, up, low);
  EXPECT_EQ(peak, 6.0f);
  EXPECT_EQ(first, 10);
  EXPECT_EQ(last, 12);
  EXPECT_TRUE(IsClose(tpeak, 2.0 * kPi / ((W[9] + W[11]) / 2.0), 1e-6));
  EXPECT_EQ(up, 14);   // first index from 10 upward below 3
  EXPECT_EQ(low, 8);   // mirrored 2 * 10 - i: 10, 9, 8
  PSDPEK(psd, W, peak, tpeak, first, last, 0, up, low);
  EXPECT_EQ(up, 0);
  EXPECT_EQ(low, 0);
}

TEST_F(SpectrumStatistics, NoEnergyGivesZerosWithoutLeavingTheGrid) {
  float peak = 1.0f;
  float tpeak = 1.0f;
  std::int32_t first = 9, last = 9, up = 9, low = 9;
  PSDPEK(psd, W, peak, tpeak, first, last, 1, up, low);
  EXPECT_EQ(peak, 0.0f);
  EXPECT_EQ(tpeak, 0.0f);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(last, 0);
  EXPECT_EQ(up, 0);
  EXPECT_EQ(low, 0);
  float rms = 1.0f, rate = 1.0f, band = 1.0f;
  SPCPROCES(psd, W, rms, rate, band, tpeak);
  EXPECT_EQ(rms, 0.0f);
  EXPECT_EQ(rate, 0.0f);
  EXPECT_EQ(band, 0.0f);
  EXPECT_EQ(tpeak, 0.0f);
}

TEST_F(SpectrumStatistics, BandwidthByTheWidthOfTheHalfPowerBand) {
  struct Case {
    const char* what;
    std::vector<float> values;  // from index 1
    bool wide;                   // more than two grid steps between the half-power points
    bool zeroWidth;
  };
  const Case cases[] = {
      {"narrow: two steps", {0, 0, 0, 0, 0, 0, 0, 0, 1, 8, 1}, false, false},
      {"no half-power point below the peak", {8, 1}, false, true},
      {"wide", {0, 0, 0, 0, 1, 2, 3, 5, 7, 8, 7, 5, 3, 2, 1}, true, false},
  };
  for (const Case& c : cases) {
    std::fill(psd, psd + kMaxWavePeriods, 0.0f);
    std::copy(c.values.begin(), c.values.end(), psd);
    float m0 = 0.0f, m2 = 0.0f;
    SMPINT(psd, m0, m2);
    float peak = 0.0f, flatTopPeriod = 0.0f;
    std::int32_t first = 0, last = 0, up = 0, low = 0;
    PSDPEK(psd, W, peak, flatTopPeriod, first, last, 1, up, low);
    float rms = 0.0f, rate = 0.0f, band = 0.0f, tpeak = 0.0f;
    SPCPROCES(psd, W, rms, rate, band, tpeak);
    EXPECT_TRUE(IsClose(rms, std::sqrt(m0), 1e-6)) << c.what;
    EXPECT_TRUE(IsClose(rate, std::sqrt(m2), 1e-6)) << c.what;
    if (c.zeroWidth) {
      EXPECT_EQ(band, 0.0f) << c.what;
      EXPECT_EQ(tpeak, flatTopPeriod) << c.what;
    } else if (!c.wide) {
      EXPECT_TRUE(IsClose(band, m0 / peak / (2.0 * kPi), 1e-6)) << c.what;
      EXPECT_EQ(tpeak, flatTopPeriod) << c.what;
    } else {
      const double width = std::fabs(W[low - 1] - W[up - 1]);
      EXPECT_TRUE(IsClose(band, std::min<double>(width, m0 / peak) / (2.0 * kPi), 1e-6)) << c.what;
      EXPECT_TRUE(IsClose(tpeak, std::min<double>(flatTopPeriod, 2.0 * kPi * std::sqrt(m0 / m2)), 1e-6)) << c.what;
    }
  }
}

}  // namespace
}  // namespace qv

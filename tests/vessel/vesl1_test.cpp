// The first vessel-response pass with the stand-in hull: the summary report, the wave grid, the
// storm values, the spreading normalisation, the identity tables, the refusals at its start and the
// natural-period warning.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "numlib/special_functions.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/temp_dir.h"
#include "vessel/stub_hull.h"
#include "vessel/vessel_fixture.h"
#include "vessel/statistics.h"
#include "vessel/vesl1.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::IsClose;
using testing_support::maskClock;
using testing_support::readFileText;
using testing_support::stopStatus;
using testing_support::StubHull;
using testing_support::TempDir;

class Vesl1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::freeShipDataSet(31);  // 5 to 20 s
    TPCM.CID1P.assign("Fixture tanker, first title line");
    TPCM.CID2P.assign("second title line");
  }
  void TearDown() override { HULL_MODELS.reset(); }

  TempDir dir;
};

TEST_F(Vesl1Test, WritesTheSummaryReportWithTheStubHull) {
  ConsoleCapture console;
  VESL1();
  EXPECT_EQ(StubHull::calls, (std::vector<std::string>{"CHR", "FRC0", "SUM", "OUT"}));
  const std::string expected = expectedFile("vessel", "SHIPSUM_stub.stxt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(maskClock(readFileText("SHIPSUM.stxt")), expected);
  // Progress lines on the screen, which is cleared first (a free vessel of this program).
  EXPECT_TRUE(contains(console.screen(), " --> Computing shallow water wave lengths...\n")) << console.screen();
  EXPECT_TRUE(contains(console.screen(), " --> Computing vessel resonance characteristics...\n"));
  EXPECT_FALSE(contains(console.screen(), " --> In "));

  // The pitch frequency reaches the data set; the reference forces sit in the work area.
  EXPECT_FLOAT_EQ(TPCM.WPITCH, 6.2831855f / 10.0f);
  EXPECT_EQ(WAVCOM.BIGWVS, 1.0f);
}

TEST_F(Vesl1Test, OnTheConsoleTheTitlePageWaitsAndCanBeDrawnAgain) {
  TPCM.IUNIT = kScreenUnit;
  ConsoleCapture console("-1\n\n");
  VESL1();
  const std::string screen = console.screen();
  const std::size_t first = screen.find("Kestrin Simulation Library");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(screen.find("Kestrin Simulation Library", first + 1), std::string::npos) << "title page drawn once";
  EXPECT_TRUE(contains(screen, "STUB HULL PAGE I\n"));
  EXPECT_EQ(console.unread(), "");
}

TEST_F(Vesl1Test, NoSummaryStillRunsTheHullModel) {
  TPCM.NEGSUM = 1;
  ConsoleCapture console;
  VESL1();
  EXPECT_EQ(StubHull::calls, (std::vector<std::string>{"CHR", "FRC0"}));
  EXPECT_FALSE(std::ifstream("SHIPSUM.stxt").good());
}

// The grid: frequencies 2 pi / T, their squares, and wave numbers that satisfy the dispersion
// relation w^2 = g k tanh(k h) at the site depth, in WAVCOM and in the work area alike.
TEST_F(Vesl1Test, FillsTheWaveGrid) {
  TPCM.NUNTS = 1;  // metric: g = 9.8
  TPCM.DEPTH = 40.0f;
  ConsoleCapture console;
  VESL1();
  const Himem& h = HIMEM;
  EXPECT_EQ(WAVCOM.G, 9.8f);
  EXPECT_FLOAT_EQ(h.WCONST, std::sqrt(40.0f / 9.8f));
  EXPECT_FLOAT_EQ(WAVCOM.RHOWTR, 0.001f * 64.0f / 9.8f);
  EXPECT_EQ(WAVCOM.TS, 5.0f);
  EXPECT_EQ(WAVCOM.TL, 20.0f);
  EXPECT_EQ(WAVCOM.DT, 0.5f);
  EXPECT_EQ(WAVCOM.NW, 30);
  EXPECT_EQ(h.EPS, 1.0e-5f);
  for (int i = 1; i <= TPCM.NWP; ++i) {
    const double w = 2.0 * 3.14159265358979 / TPCM.T(i);
    const double k = h.RLDUM(h.LCNWK + i - 1);
    EXPECT_TRUE(IsClose(h.RLDUM(h.LCNW + i - 1), w, 1e-6)) << "point " << i;
    EXPECT_TRUE(IsClose(h.RLDUM(h.LCNW2 + i - 1), w * w, 1e-6)) << "point " << i;
    EXPECT_TRUE(IsClose(9.8 * k * std::tanh(k * 40.0), w * w, 1e-5)) << "point " << i;
    EXPECT_EQ(WAVCOM.W(i), h.RLDUM(h.LCNW + i - 1));
    EXPECT_EQ(WAVCOM.WVK(i), h.RLDUM(h.LCNWK + i - 1));
  }
}

TEST_F(Vesl1Test, StormFactorFromTheDurationAndTheRepresentativePeriod) {
  struct Case {
    const char* name;
    std::int32_t creatr, lrandm, lswell;
    float duration;
    double tavg;    // expected representative period [s]
    double durfac;  // expected storm factor
  };
  // Sea state 1: 6 ft, 9 s; swell 8 ft, 14 s; draft 50 ft, g 32.152.
  // TAVG with both: (14 * 64 + 9 * 36) / (64 + 36) = 12.2 s.
  // DURFAC = 0.5 sqrt(ln(hours * 3600 / TAVG)), e.g. 0.5 * sqrt(log(3 * 3600 / 12.2)) = 1.30179.
  const Case cases[] = {
      {"sea and swell", 11, 1, 1, 3.0f, 12.2, 0.5 * std::sqrt(std::log(3.0 * 3600.0 / 12.2))},
      {"sea only", 11, 1, 0, 3.0f, 9.0, 0.5 * std::sqrt(std::log(3.0 * 3600.0 / 9.0))},
      {"swell only", 11, 0, 1, 3.0f, 14.0, 0.5 * std::sqrt(std::log(3.0 * 3600.0 / 14.0))},
      {"no sea", 11, 0, 0, 3.0f, std::sqrt(32.152 / 50.0), 0.5 * std::sqrt(std::log(3.0 * 3600.0 / std::sqrt(32.152 / 50.0)))},
      {"no duration", 11, 1, 0, 0.0f, 9.0, 0.5 * std::sqrt(std::log(1000.0))},
  };
  for (const Case& c : cases) {
    SetUp();
    TPCM.CREATR = c.creatr;
    TPCM.LRANDM = c.lrandm;
    TPCM.LSWELL = c.lswell;
    TPCM.DURATN = c.duration;
    TPCM.SWHT(1) = 6.0f;
    TPCM.SIGPD(1) = 9.0f;
    TPCM.SWELHT = 8.0f;
    TPCM.SWELPD = 14.0f;
    TPCM.SLPHT = 10.0f;
    ConsoleCapture console;
    VESL1();
    EXPECT_TRUE(IsClose(WAVCOM.TAVG, c.tavg, 1e-6)) << c.name;
    EXPECT_TRUE(IsClose(WAVCOM.DURFAC, c.durfac, 1e-6)) << c.name;
    EXPECT_TRUE(IsClose(WAVCOM.GAUSFK, 2.828 * c.durfac, 1e-6)) << c.name;
    const bool sea = c.lrandm != 0 || c.lswell != 0;
    EXPECT_TRUE(IsClose(WAVCOM.XTRMWV, sea ? c.durfac * 10.0 : 5.0, 1e-6)) << c.name;
  }

  // Before this program's types (CREATR below 10) the factor is fixed.
  SetUp();
  TPCM.CREATR = 5;
  ConsoleCapture console;
  VESL1();
  EXPECT_EQ(WAVCOM.DURFAC, 1.3141f);
  EXPECT_TRUE(IsClose(WAVCOM.GAUSFK, 2.828 * 1.3141, 1e-6));
}

TEST_F(Vesl1Test, AFreshRandomSeaWithoutAPeriodTakesAThousandWaves) {
  TPCM.LRANDM = 1;
  TPCM.SIGPD(1) = 0.0f;
  TPCM.SWHT(1) = 6.0f;
  TPCM.DURATN = 3.0f;
  TPCM.LSLPHT = 1;
  TPCM.SLPHT = 4.0f;
  ConsoleCapture console;
  VESL1();
  EXPECT_TRUE(IsClose(WAVCOM.DURFAC, 0.5 * std::sqrt(std::log(1000.0)), 1e-6));
  EXPECT_EQ(WAVCOM.XTRMWV, 0.0f);  // no finite wave of that slope without a period
}

// A design slope: RSLOPE = 2 DURFAC SLPHT / 57.2957764 with a sea, and the height RSLOPE / k of the
// wave of period TAVG at the site depth.
TEST_F(Vesl1Test, DesignWaveFromASlope) {
  TPCM.LSWELL = 1;
  TPCM.SWELHT = 8.0f;
  TPCM.SWELPD = 14.0f;
  TPCM.DURATN = 3.0f;
  TPCM.LSLPHT = 1;
  TPCM.SLPHT = 4.0f;
  ConsoleCapture console;
  VESL1();
  const double durfac = 0.5 * std::sqrt(std::log(3.0 * 3600.0 / 14.0));
  const double rslope = 2.0 * durfac * 4.0 / 57.2957764;
  EXPECT_TRUE(IsClose(HIMEM.RSLOPE, rslope, 1e-6));
  // k h for T = 14 s in h = 150 ft with g = 32.152: the root of y tanh y = (2 pi / 14)^2 150 / 32.152,
  // scipy.optimize.brentq(lambda y: y*np.tanh(y) - (2*np.pi/14)**2*150/32.152, 0.01, 10) = 1.1493976
  const double kh = 1.1493976;
  EXPECT_TRUE(IsClose(WAVCOM.XTRMWV, rslope * 150.0 / kh, 1e-5));
}

TEST_F(Vesl1Test, SpreadingNormalisation) {
  // Up to 360 degrees: FACTRI of the cosine power; the step and the normaliser follow.
  TPCM.ANGSEC = 180.0f;
  TPCM.COSEXP = 2.0f;
  TPCM.NA = 0;  // taken as 6
  ConsoleCapture console;
  VESL1();
  EXPECT_EQ(TPCM.NA, 6);
  EXPECT_EQ(WAVCOM.NA2, 3);
  EXPECT_TRUE(IsClose(WAVCOM.DADEG, 30.0, 1e-7));
  EXPECT_TRUE(IsClose(WAVCOM.DA, 30.0 / 57.2957764, 1e-6));
  // The integral of cos^2 over the half circle is pi / 2, and Simpson's rule over 6 wedges is exact
  // for it: the normaliser of the weights' own sum equals that of the integral.
  EXPECT_TRUE(IsClose(WAVCOM.ANGNRM, (180.0 / 180.0) * (30.0 / 57.2957764) / (3.0 * 1.5707963), 1e-5));

  // Just above 360 degrees the QATR branch integrates over almost the whole half circle and meets
  // FACTRI; wider sectors integrate over less of it.
  for (const float cosexp : {1.0f, 2.0f, 4.5f, 10.0f}) {
    TPCM.COSEXP = cosexp;
    TPCM.ANGSEC = 360.0001f;
    const Spreading s = spreadingNormalisation();
    EXPECT_EQ(s.sector, 360.0f);
    EXPECT_TRUE(IsClose(s.FACT, FACTRI(cosexp, kScreenUnit, kKeyboardUnit), 1e-5)) << "COSEXP " << cosexp;
  }
  // cos^2 from 0 to pi/4, doubled: pi/4 + 1/2 (sector 720 degrees).
  TPCM.COSEXP = 2.0f;
  TPCM.ANGSEC = 720.0f;
  EXPECT_TRUE(IsClose(spreadingNormalisation().FACT, 3.14159265 / 4.0 + 0.5, 1e-5));
  // A sharp peak: 2 scipy.integrate.quad(lambda x: abs(cos(x))**200, 0, pi*180/400, epsabs=1e-14)
  TPCM.ANGSEC = 400.0f;
  TPCM.COSEXP = 200.0f;
  EXPECT_TRUE(IsClose(spreadingNormalisation().FACT, 0.17702397, 1e-4));
  EXPECT_FLOAT_EQ(COSPWR(3.14159265f, 3.0f), 1.0f);
  EXPECT_FLOAT_EQ(COSPWR(1.0471976f, 2.0f), 0.25f);  // |cos 60 deg|^2
}

// Every fan the irregular-wave page allows (an even number of wedges, 2 to 36) with spreading indices
// 1 to 100, over a half circle and over a sector wider than the circle: the weights sum to 1. Pass 1
// still forms the integral of the cosine power, to tell a fan too coarse for its exponent, and refuses
// the indices it cannot integrate: up to 360 degrees the gamma function in single precision overflows
// from 68 on ("reduce spreading index & retry"); over 400 degrees the quadrature gives up from 81 on
// (the user, here, aborts). Those are not allowed.
TEST_F(Vesl1Test, SpreadingWeightsOfEveryFanSumToOne) {
  int refused = 0;
  for (const float sector : {180.0f, 400.0f}) {
    for (int wedges = 2; wedges <= 36; wedges += 2) {
      for (int index = 1; index <= 100; ++index) {
        TPCM.ANGSEC = sector;
        TPCM.NA = wedges;
        TPCM.COSEXP = static_cast<float>(index);
        ConsoleCapture console("A\n");
        if (stopStatus([] { setSpreading(); }) != -1) {
          EXPECT_GE(index, sector <= 360.0f ? 68 : 81) << sector << " " << wedges;
          ++refused;
          continue;
        }
        double sum = 0.0;
        for (int dir = 1; dir <= wedges + 1; ++dir) sum += spreadingWeight(dir);
        EXPECT_NEAR(sum, 1.0, 1e-4) << "ANGSEC " << sector << " NA " << wedges << " COSEXP " << index;
      }
    }
  }
  EXPECT_EQ(refused, 18 * (33 + 20));
}

// On a fan fine enough for the exponent the weights are those of the integral of the cosine power
// over the half circle, sqrt(pi) gamma((p + 1) / 2) / gamma(p / 2 + 1): ANGNRM = DA / (3 FACT).
TEST_F(Vesl1Test, FineFansKeepTheNormalisationOfTheIntegral) {
  struct Case {
    int wedges;
    float index;
  };
  for (const Case& c : {Case{36, 1.0f}, Case{36, 2.0f}, Case{36, 4.5f}, Case{36, 10.0f}, Case{36, 20.0f},
                        Case{36, 50.0f}, Case{24, 10.0f}, Case{12, 4.0f}}) {
    TPCM.ANGSEC = 180.0f;
    TPCM.NA = c.wedges;
    TPCM.COSEXP = c.index;
    setSpreading();
    const double p = c.index;
    const double integral = std::sqrt(3.14159265358979) * std::exp(std::lgamma((p + 1) / 2) - std::lgamma(p / 2 + 1));
    const double step = 3.14159265358979 / c.wedges;
    EXPECT_TRUE(IsClose(WAVCOM.ANGNRM, step / (3.0 * integral), 1e-3)) << c.wedges << " " << c.index;
  }
}

// A fan too coarse for its exponent (6 wedges for an index of 50, whose weights summed to 1.98 with
// the integral's normalisation) is told once, and only when a random sea is spread.
TEST_F(Vesl1Test, AFanTooCoarseForTheSpreadingIndexIsToldOnce) {
  TPCM.ANGSEC = 180.0f;
  TPCM.COSEXP = 50.0f;
  TPCM.NA = 6;
  TPCM.LRANDM = 1;
  TPCM.LSPRED = 0;
  {
    ConsoleCapture console;
    setSpreading();
    EXPECT_EQ(console.screen(), "");
  }
  TPCM.LSPRED = 1;
  ConsoleCapture console;
  setSpreading();
  setSpreading();
  EXPECT_EQ(console.screen(),
            "\n"
            " ++> Warning: 6 angular wedges are too few for the wave spreading index 50.00:\n"
            "     summed over the wedges, the spreading function misses its integral\n"
            "     by 98.1 percent.\n"
            "     Their weights are scaled to sum to 1; more wedges (page 15) resolve the\n"
            "     spreading.\n");
  VESL1_STATE.reset();
  TPCM.NA = 36;
  TPCM.COSEXP = 2.0f;
  ConsoleCapture fine;
  setSpreading();
  EXPECT_EQ(fine.screen(), "");
}

TEST_F(Vesl1Test, IdentityByHullAndConfiguration) {
  struct Case {
    std::int32_t vestyp, ispm, creatr;
    const char* program;
    const char* report;
    float version;
    const char* service;
    const char* vessel;
  };
  const Case cases[] = {
      {1, 0, 11, "Brantox ", "SHIPSUM.stxt", 6.8f, "Quorvel", "vessel"},
      {2, 0, 11, "Velnira ", "JACKSUM.stxt", 1.0f, "Quorvel", "vessel"},
      {5, 0, 11, "Dorvane ", "SEMISUM.stxt", 6.8f, "Quorvel", "vessel"},
      {6, 0, 11, "Dorvane ", "SEMISUM.stxt", 6.8f, "Quorvel", "vessel"},
      {4, 0, 11, "Tulkesh ", "DISCSUM.stxt", 6.8f, "Quorvel", "vessel"},
      {9, 0, 11, "Brantox ", "SHIPSUM.stxt", 6.8f, "Quorvel", "vessel"},
      {1, 1, 11, "Brantox ", "TANKSUM.stxt", 6.8f, "Quorvel", "tanker"},
      {4, 2, 13, "Tulkesh ", "BUOYSUM.stxt", 6.8f, "Firnedo", "CALM buoy"},
      {1, 2, 10, "Brantox ", "TUGSUM.stxt", 6.8f, "Gandru ", "tugboat"},
      {1, 3, 13, "Brantox ", "TANKSUM.stxt", 6.8f, "Firnedo", "moored vessel"},
      {1, 3, 10, "Brantox ", "BARGSUM.stxt", 6.8f, "Gandru ", "barge"},
      {3, 4, 11, "Dorvane ", "SEMISUM.stxt", 6.8f, "Heskova", "moored vessel"},
      {1, 5, 11, "Brantox ", "SHIPSUM.stxt", 6.8f, "Zantul ", "moored vessel"},
      {1, 6, 11, "Brantox ", "SHIPSUM.stxt", 6.8f, "Yobrix ", "moored vessel"},
      {1, 8, 11, "Brantox ", "SHIPSUM.stxt", 6.8f, "Wistole", "caisson spar"},
      {1, 0, 16, "Brantox ", "SHIPSUM.stxt", 6.8f, "Krebona", "simulated vessel"},
  };
  for (const Case& c : cases) {
    TPCM.VESTYP = c.vestyp;
    TPCM.ISPM = c.ispm;
    TPCM.CREATR = c.creatr;
    const VesselIdentity id = vesselIdentity();
    const std::string which = "VESTYP " + std::to_string(c.vestyp) + ", ISPM " + std::to_string(c.ispm);
    EXPECT_EQ(id.programName, c.program) << which;
    EXPECT_EQ(id.report, c.report) << which;
    EXPECT_EQ(id.version, c.version) << which;
    EXPECT_EQ(id.serviceName, c.service) << which;
    EXPECT_EQ(id.vesselWord, c.vessel) << which;
  }
}

TEST_F(Vesl1Test, ATwoBodyConfigurationShowsItsService) {
  TPCM.ISPM = 2;
  TPCM.CREATR = 10;
  TPCM.NEGSUM = 1;
  ConsoleCapture console;
  VESL1();
  EXPECT_TRUE(contains(console.screen(), " --> In Gandru  service for motions of tugboat\n")) << console.screen();
  TPCM.hideHobraneReports = 1;
  ConsoleCapture quiet;
  VESL1();
  EXPECT_FALSE(contains(quiet.screen(), "-->")) << quiet.screen();
}

TEST_F(Vesl1Test, RefusesWhatItCannotRun) {
  struct Case {
    const char* name;
    void (*edit)();
    const char* message;
  };
  const Case cases[] = {
      {"tug data set for a single vessel", [] { TPCM.CREATR = 10; },
       " ++> Vessel response: no file names for CREATR = 10 with ISPM =  0;"},
      {"second body of another type", [] { TPCM.ISPM = 3; },
       " ++> Vessel response: no file names for CREATR = 11 with ISPM =  3;"},
      {"one wave period", [] { TPCM.NWP = 1; }, " ++> Vessel response: the wave grid needs 2 to 100 periods (NWP =   1)."},
      {"too many periods", [] { TPCM.NWP = 101; }, "(NWP = 101)."},
      {"too many sea headings",
       [] {
         TPCM.LRANDM = 1;
         TPCM.NSEAHG = 38;
       },
       "at most 6 sea-state heights and 37 sea headings\n     (NSEAHT =   1, NSEAHG =  38)."},
      {"no spreading sector",
       [] {
         TPCM.LRANDM = 1;
         TPCM.LSPRED = 1;
         TPCM.ANGSEC = 0.0f;
       },
       "the spreading sector ANGSEC must be positive"},
      {"a hull the program lacks",
       [] {
         TPCM.VESTYP = 4;
         HULL_MODELS.ops[static_cast<int>(HullKind::kDisc)] = nullptr;
       },
       " ++> Vessel response: the discus buoy hull model is not part of this program"},
  };
  for (const Case& c : cases) {
    SetUp();
    c.edit();
    ConsoleCapture console("\n");
    EXPECT_EQ(stopStatus([] { VESL1(); }), 1) << c.name;
    EXPECT_TRUE(contains(console.screen(), c.message)) << c.name << ":\n" << console.screen();
  }
}

TEST_F(Vesl1Test, NaturalPeriodOffTheGridWarnsOncePerProcess) {
  TPCM.NEGSUM = 1;
  StubHull::naturalPeriod = 30.0f;  // beyond the 20 s of the grid
  const std::string warning =
      " ++> Warning: A natural period of heave, pitch or roll lies outside the\n"
      "              assigned period array. Serious computational errors may result.\n";
  {
    ConsoleCapture console("\n");
    VESL1();
    EXPECT_TRUE(contains(console.screen(), warning)) << console.screen();
  }
  ConsoleCapture again;
  VESL1();
  EXPECT_FALSE(contains(again.screen(), "Warning")) << again.screen();

  // A column-stabilised hull is not checked.
  VESL1_STATE.reset();
  TPCM.VESTYP = 3;
  TPCM.SEMI_LIKE = 1;
  StubHull::install(HullKind::kSemi);
  StubHull::naturalPeriod = 30.0f;
  ConsoleCapture semi;
  VESL1();
  EXPECT_FALSE(contains(semi.screen(), "Warning")) << semi.screen();
}

}  // namespace
}  // namespace qv

// The third vessel-response pass after passes 1 and 2 with the stand-in hull: statistics of unit
// operators against the sea's own moments, the statistics reports of a free ship and of a tug
// against reviewed expected files, the swell alone, the hand-off without a report, the degrees of
// freedom left out and a response without energy, and the console's repeat.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/pascom.h"
#include "platform/units.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/expected_files.h"
#include "support/fresh_run.h"
#include "support/record_file.h"
#include "support/temp_dir.h"
#include "util/fortran_format.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "vessel/vesl2.h"
#include "vessel/vesl3.h"
#include "waves/wavcom.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;
using testing_support::expectedFile;
using testing_support::IsClose;
using testing_support::readFileText;
using testing_support::Record;
using testing_support::TempDir;
using testing_support::writeRecords;

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class Vesl3Test : public testing_support::ShipInASea {
 protected:
  void allPasses(const std::string& typed = "") { runPasses(3, typed); }
  // The sea's moments of height j as pass 2 left them: M0, M2 and the peak period.
  static float sea(int j, int k) { return HIMEM.RLDUM(seaStateRecord(j) + k); }
  static float pair(std::int32_t base, int q, int j, int hd, int k) {
    return HIMEM.RLDUM(LOCAT0(HIMEM.NHTNHD, HIMEM.MAXHT, hd, j, q, base) + k);
  }
};

// Unit operators in a long-crested sea of two heights from two directions: every motion statistic
// of every sea state is the sea's own M0 and M2 (1e-5), as is the heave force; the report prints
// 2 sqrt(m0), 2 sqrt(m2) and 2 pi sqrt(m0 / m2), and PASCOM receives the RMS values of the last sea
// state.
TEST_F(Vesl3Test, UnitOperatorsGiveTheSeaStatistics) {
  TPCM.NSEAHT = 2;
  TPCM.NSEAHG = 2;
  TPCM.SWHT(2) = 20.0f;
  TPCM.SIGPD(2) = 8.0f;
  TPCM.SEAHDG(2) = 90.0f;
  allPasses();
  for (int hd = 1; hd <= 2; ++hd) {
    for (int j = 1; j <= 2; ++j) {
      for (int q = 1; q <= 6; ++q) {
        EXPECT_TRUE(IsClose(pair(HIMEM.LCNMOT, q, j, hd, 0), sea(j, 0), 1e-5)) << q << " " << j << " " << hd;
        EXPECT_TRUE(IsClose(pair(HIMEM.LCNMOT, q, j, hd, 1), sea(j, 1), 1e-5)) << q << " " << j << " " << hd;
      }
      EXPECT_TRUE(IsClose(pair(HIMEM.LCNFTQ, 3, j, hd, 0), sea(j, 0), 1e-5)) << j << " " << hd;
    }
  }
  const std::string report = readFileText("SHIPRAN.stxt");
  EXPECT_EQ(occurrences(report, "----  VESSEL DYNAMICS SUMMARY  ----"), 4u);
  for (int j = 1; j <= 2; ++j) {
    const double m0 = sea(j, 0);
    const double m2 = sea(j, 1);
    const std::string heave = "   HEAVE (FT )      " + fmtF(2.0 * std::sqrt(m0), 16, 3) + fmtF(2.0 * std::sqrt(m2), 16, 3) +
                              fmtF(6.2831853 * std::sqrt(m0 / m2), 16, 3) + "\n";
    EXPECT_EQ(occurrences(report, heave), 2u) << heave;  // once per sea heading
    const std::string height = "CALCULATED SIGNIFICANT WAVE HEIGHT ....." + fmtF(4.0 * std::sqrt(m0), 7, 2) + " FEET";
    EXPECT_EQ(occurrences(report, height), 2u) << height;
  }
  const double m0 = sea(2, 0);
  for (int q = 1; q <= 6; ++q) {
    EXPECT_TRUE(IsClose(PASCOM.NETVESMOT_RMS(q), std::sqrt(m0), 1e-5)) << q;
    EXPECT_TRUE(IsClose(PASCOM.NETVESMOT_RATE(q), std::sqrt(sea(2, 1)), 1e-5)) << q;
    EXPECT_EQ(PASCOM.VES_MOT_RMS(q), PASCOM.NETVESMOT_RMS(q));
    EXPECT_EQ(PASCOM.VES_RAT_RMS(q), PASCOM.NETVESMOT_RATE(q));
  }
  EXPECT_TRUE(IsClose(PASCOM.NETVESFRC_RMS(3), 3000.0 * std::sqrt(m0), 1e-5));
  EXPECT_TRUE(IsClose(PASCOM.NETVESFRC_RMS(1), 100.0 * 57.2957764 * std::sqrt(pair(HIMEM.LCNFTQ, 1, 2, 2, 0)), 1e-5));
  EXPECT_TRUE(contains(screen, " --> Outputting statistics data ...\n"));
}

// Two reports read line by line against the description: a free ship in a short-crested sea with
// two swells and two points (relative motion at the second); a metric tug with user operators,
// trim, velocities and displacements of one point and its hinge angles.
TEST_F(Vesl3Test, ReportsMatchTheReviewedPages) {
  struct Case {
    const char* expected;
    const char* written;
    void (*setUp)();
  };
  const Case cases[] = {
      {"SHIPRAN_spread.stxt", "SHIPRAN.stxt",
       [] {
         TPCM.LSPRED = 1;
         TPCM.NA = 2;
         TPCM.LSWELL = 1;
         TPCM.SWLTYP = 0;
         TPCM.SWELHT = 4.0f;
         TPCM.SWELPD = 5.5f;
         TPCM.SWLHDG = 90.0f;
         TPCM.LSWEL2 = 1;
         TPCM.SWLTYP2 = 6;
         TPCM.SWELHT2 = 3.0f;
         TPCM.SWELPD2 = 6.0f;
         TPCM.SWLHDG2 = 45.0f;
         TPCM.LACC = 1;
         TPCM.LDSP = 1;
         TPCM.LGAP = 1;
         TPCM.NACC = 2;
         TPCM.RACC(1, 2) = -120.0f;
         TPCM.RACC(2, 2) = 25.0f;
         TPCM.RACC(3, 2) = 10.0f;
       }},
      {"TUGRAN_user.stxt", "TUGRAN.stxt",
       [] {
         TPCM.NUNTS = 1;
         TPCM.CREATR = 10;
         TPCM.ISPM = 2;
         TPCM.TRIMDG = 2.0f;
         TPCM.AUXVSH = 1;
         TPCM.DECKUP = 1;
         TPCM.LCGFLG = 1;
         TPCM.LVEL = 1;
         TPCM.LDSP = 1;
         testing_support::sameUserRaos("UTUGSRAO.txt", "0.2 0.1 0.3 0 1.0 -0.5 0.4 0 0.8 0.6 0.1 0");
         // Two output kinds: the line angles of two calls.
         writeRecords("LINEANG", {Record().i(1), Record().f(0.3f).f(0.2f), Record().i(1), Record().f(0.3f).f(0.2f)});
       }},
  };
  for (const Case& c : cases) {
    SetUp();
    c.setUp();
    allPasses();
    const std::string expected = expectedFile("vessel", c.expected);
    ASSERT_FALSE(expected.empty()) << c.expected;
    EXPECT_EQ(readFileText(c.written), expected) << c.expected;
  }
}

// A swell without a random sea: one sea state, the data set's counts set to 1, no wind-sea lines;
// its statistics are the swell's own moments.
TEST_F(Vesl3Test, SwellAloneGivesOneSeaState) {
  TPCM.LRANDM = 0;
  TPCM.LSWELL = 1;
  TPCM.SWELHT = 4.0f;
  TPCM.SWELPD = 5.5f;
  TPCM.SWLHDG = 180.0f;
  allPasses();
  EXPECT_EQ(TPCM.NSEAHT, 1);
  EXPECT_EQ(TPCM.NSEAHG, 1);
  const std::string report = readFileText("SHIPRAN.stxt");
  EXPECT_EQ(occurrences(report, "III.  IRREGULAR WAVE STATISTICS"), 1u);
  EXPECT_FALSE(contains(report, "WAVE SPECTRAL TYPE"));
  EXPECT_TRUE(contains(report, "    SWELL SPECTRAL TYPE -- KESTRIN DEFAULT SWELL\n"));
  EXPECT_TRUE(IsClose(pair(HIMEM.LCNMOT, 3, 1, 1, 0), HIMEM.RLDUM(HIMEM.LCNSWL), 1e-5));
  EXPECT_TRUE(IsClose(pair(HIMEM.LCNMOT, 3, 1, 1, 1), HIMEM.RLDUM(HIMEM.LCNSWL + 1), 1e-5));
}

// A Pierson-Moskowitz swell takes its peak period from its height; the report shows that period,
// and the data set keeps the one typed (which the swell page no longer shows for this type).
TEST_F(Vesl3Test, ASwellThatDerivesItsPeriodIsReportedWithIt) {
  Tpcm& t = TPCM;
  t.LRANDM = 0;
  t.LSWELL = 1;
  t.SWLTYP = 1;
  t.SWELHT = 16.0f;
  t.SWELPD = 5.5f;
  t.SWLHDG = 180.0f;
  allPasses();
  EXPECT_EQ(t.SWELHT, 16.0f);
  EXPECT_EQ(t.SWELPD, 5.5f);
  // Pierson-Moskowitz: Hs = 0.21 U^2 / g and wp = 0.877 g / U, so Tp = 15.63 sqrt(Hs / g) [s].
  const double tp = 2.0 * 3.14159265358979 / (0.877 * std::sqrt(0.21)) * std::sqrt(16.0 / 32.152);
  const float period = HIMEM.RLDUM(seaStateRecord(HIMEM.MAXHT + 1) + 2);
  EXPECT_TRUE(IsClose(period, tp, 3e-3));
  const std::string report = readFileText("SHIPRAN.stxt");
  EXPECT_TRUE(contains(report, "SWELL PERIOD " + std::string(27, '.') + fmtF(period, 7, 2) + " SECONDS")) << report;
}

// Without a report the statistics still reach the mooring side: the vessel's RMS motions and the
// vertical motion of each point (at the centre of gravity: the heave).
TEST_F(Vesl3Test, NoReportStillHandsTheStatisticsOver) {
  TPCM.NEGSUM = 1;
  TPCM.LDSP = 1;
  allPasses();
  EXPECT_FALSE(std::filesystem::exists("SHIPRAN.stxt"));
  EXPECT_TRUE(IsClose(PASCOM.NETVESMOT_RMS(3), std::sqrt(sea(1, 0)), 1e-5));
  EXPECT_TRUE(IsClose(PASCOM.FLD_RMS(1), std::sqrt(sea(1, 0)), 1e-5));
  EXPECT_TRUE(IsClose(PASCOM.FLD_RAT(1), std::sqrt(sea(1, 1)), 1e-5));
  EXPECT_EQ(PASCOM.FLD_ANG_RMS(1), 0.0f);  // a free vessel has no hinge
}

// Degrees of freedom not chosen are left out of both tables; a response without energy (the hull's
// heave switched off) has a zero-upcrossing period of 0.
TEST_F(Vesl3Test, ChosenDegreesAndAResponseWithoutEnergy) {
  TPCM.MOTION(2) = 0;
  PASCOM.QUASQUENCH = 1;
  allPasses();
  const std::string report = readFileText("SHIPRAN.stxt");
  EXPECT_FALSE(contains(report, "SWAY"));
  EXPECT_TRUE(contains(report, "   HEAVE (FT )                 0.000           0.000           0.000\n")) << report;
  EXPECT_EQ(occurrences(report, "   HEAVE (K.LBS)      "), 1u);
}

TEST_F(Vesl3Test, NoSeaNoStatistics) {
  TPCM.LRANDM = 0;
  allPasses();
  EXPECT_FALSE(std::filesystem::exists("SHIPRAN.stxt"));
  EXPECT_FALSE(contains(screen, "Outputting statistics"));
}

// On the console each page waits; a reply of -1 or less shows it again.
TEST_F(Vesl3Test, OnTheConsoleAPageCanBeShownAgain) {
  TPCM.IUNIT = kScreenUnit;
  allPasses("\n-1\n\n");
  EXPECT_EQ(occurrences(screen, "----  VESSEL DYNAMICS SUMMARY  ----"), 2u);
}

class StatisticsReportName : public testing_support::FreshRun {};

TEST_F(StatisticsReportName, ByConfigurationThenByHull) {
  struct Case {
    std::int32_t ispm, creatr, vestyp, semiLike;
    const char* name;
  };
  const Case cases[] = {
      {1, 11, 1, 0, "TANKRAN.stxt"}, {2, 10, 1, 0, "TUGRAN.stxt"},  {2, 13, 4, 0, "BUOYRAN.stxt"},
      {3, 10, 1, 0, "BARGRAN.stxt"}, {3, 13, 1, 0, "TANKRAN.stxt"}, {0, 11, 1, 0, "SHIPRAN.stxt"},
      {5, 11, 2, 0, "JACKRAN.stxt"}, {0, 11, 5, 1, "SEMIRAN.stxt"}, {0, 11, 4, 0, "DISCRAN.stxt"},
  };
  for (const Case& c : cases) {
    TPCM.ISPM = c.ispm;
    TPCM.CREATR = c.creatr;
    TPCM.VESTYP = c.vestyp;
    TPCM.SEMI_LIKE = c.semiLike;
    EXPECT_EQ(statisticsReportName(), c.name) << c.ispm << " " << c.creatr << " " << c.vestyp;
  }
}

}  // namespace
}  // namespace qv

// The mooring defaults of a vessel-only data set taken into a mooring program, and the update entries
// of the other program types, which stop the run.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/updaters.h"
#include "platform/stop.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

using testing_support::contains;

constexpr std::int32_t kUntouched = -7;

class Mrinit : public testing_support::FreshRun {
 protected:
  // Every word holds a value no default has (a negative count, a NaN), so that a member left alone
  // shows.
  void SetUp() override {
    FreshRun::SetUp();
    for (int w = 1; w <= kTpcmWords; ++w) wordsOf(TPCM)[w - 1] = kUntouched;
  }
};

std::int32_t bitsOf(float x) {
  std::int32_t bits;
  std::memcpy(&bits, &x, 4);
  return bits;
}

TEST_F(Mrinit, TableSizesByProgramType) {
  struct Case {
    std::int32_t type;
    std::int32_t lines;  // MAXDYN, MAXLIN, MAXTYP
    std::int32_t ispm;
    std::int32_t vestyp;
    std::int32_t lreset;
    std::int32_t maxcyl;
  };
  const Case cases[] = {
      {10, 1, 3, kUntouched, kUntouched, kUntouched},  // one tow line
      {8, 149, kUntouched, kUntouched, kUntouched, 50},
      {11, 149, kUntouched, kUntouched, 1, 50},
      {12, 149, 4, kUntouched, 1, 50},
      {13, 149, 7, kUntouched, 1, 50},
      {14, 149, 6, 5, 1, 50},
      {15, 149, 5, kUntouched, 1, 50},
      {17, 149, 8, 6, 1, 50},
  };
  for (const Case& c : cases) {
    SetUp();
    MRINIT('M', c.type);
    const Morcom& m = TPCM.moor;
    EXPECT_EQ(TPCM.NEWFLG, 0) << c.type;
    EXPECT_EQ(TPCM.MAXSEA, 1);
    EXPECT_EQ(TPCM.MAXPRM, 1);
    EXPECT_EQ(TPCM.MAXDIR, 1);
    EXPECT_EQ(TPCM.MAXANG, 36);
    EXPECT_EQ(m.MAXELM, 25);
    EXPECT_EQ(TPCM.IPLOTS, 0);
    EXPECT_EQ(m.MAXDYN, c.lines) << c.type;
    EXPECT_EQ(m.MAXLIN, c.lines) << c.type;
    EXPECT_EQ(m.MAXTYP, c.lines) << c.type;
    EXPECT_EQ(TPCM.ISPM, c.ispm) << c.type;
    EXPECT_EQ(TPCM.VESTYP, c.vestyp) << c.type;
    EXPECT_EQ(m.LRESET, c.lreset) << c.type;
    EXPECT_EQ(TPCM.MAXCYL, c.maxcyl) << c.type;
    if (c.type != 10) {
      EXPECT_EQ(TPCM.MAXPOD, 16);
      EXPECT_EQ(TPCM.MAXEND, 100);
      EXPECT_EQ(TPCM.MAXMEM, 50);
    }
    // Without "C" the line tables and the table size keep their values.
    EXPECT_EQ(m.MOORTP, kUntouched) << c.type;
    EXPECT_EQ(TPCM.NTAB, kUntouched) << c.type;
    EXPECT_EQ(m.NELEM(1), kUntouched) << c.type;
  }
}

TEST_F(Mrinit, LineTablesOfANewDataSet) {
  struct Case {
    std::int32_t type;
    std::int32_t moortp;
    std::int32_t anctyp;
    std::int32_t lines;
  };
  const Case cases[] = {{10, 0, 0, 1}, {13, 0, 1, 149}, {11, 1, 1, 149}, {8, 1, 1, 149}};
  for (const Case& c : cases) {
    SetUp();
    MRINIT('C', c.type);
    const Morcom& m = TPCM.moor;
    EXPECT_EQ(m.MOORTP, c.moortp) << c.type;
    EXPECT_EQ(TPCM.NTAB, 90) << c.type;
    for (const std::int32_t* flag : {&m.NTYP, &m.NLIN, &m.HAWSTP, &m.HAWSLN, &m.NLAYER, &m.NDYNEV, &m.LBOUND, &m.STAMOT,
                               &m.LRESET, &m.LEQCND, &m.LOWMOT})
      EXPECT_EQ(*flag, 1) << c.type;
    EXPECT_EQ(m.WLFLAG, 0);
    EXPECT_EQ(m.IDYNEV(1), 1);
    EXPECT_EQ(m.COFMAS, 1.0f);
    EXPECT_EQ(m.COFDMP, 1.0f);
    for (int i = 1; i <= c.lines; ++i) EXPECT_EQ(m.LINTYP[static_cast<std::size_t>(i - 1)], i) << c.type;
    EXPECT_EQ(m.LINTYP[static_cast<std::size_t>(c.lines)], kUntouched) << c.type;
    for (int j : {1, c.lines}) {
      EXPECT_EQ(m.NELEM(j), 1);
      EXPECT_EQ(m.NLINE(j), 1);
      EXPECT_EQ(m.ANCTYP(j), c.anctyp) << c.type;
      for (int k : {1, 25}) {
        EXPECT_EQ(m.SCOMP(k, j).view(), "        ");
        EXPECT_EQ(m.COFMST(k, j), 1.0f);
        EXPECT_EQ(m.COFDMT(k, j), 1.0f);
      }
    }
    EXPECT_EQ(m.NELEM(c.lines + 1), kUntouched) << c.type;
    // The hull members of the single-body programs: one member with unit coefficients.
    const bool single = c.moortp == 1;
    EXPECT_EQ(TPCM.NCYL, single ? 1 : kUntouched) << c.type;
    EXPECT_EQ(bitsOf(TPCM.CCOFDZ), single ? bitsOf(1.0f) : kUntouched) << c.type;
    EXPECT_EQ(bitsOf(TPCM.CYLCDI(3, 50)), single ? bitsOf(1.0f) : kUntouched) << c.type;
  }
}

// A vessel data set that brings its own hull members (a semi-submersible's) keeps them.
TEST_F(Mrinit, HullMembersOfTheImageStay) {
  TPCM.NCYL = 4;
  TPCM.CYLCM(1, 1) = 0.6f;
  TPCM.CCOFDX = 2.0f;
  MRINIT('C', 11);
  EXPECT_EQ(TPCM.NCYL, 4);
  EXPECT_EQ(TPCM.CYLCM(1, 1), 0.6f);
  EXPECT_EQ(TPCM.CCOFDX, 2.0f);
  EXPECT_EQ(TPCM.moor.MOORTP, 1);
}

TEST(UpdaterEntries, EachStopsAfterItsMessage) {
  const std::vector<std::pair<const char*, void (*)()>> entries = {
      {"SHPUPD", SHPUPD}, {"JCKUPD", JCKUPD}, {"SEMUPD", SEMUPD}, {"DSCUPD", DSCUPD}, {"STMUPD", STMUPD},
      {"CATUPD", CATUPD}, {"TOWUPD", TOWUPD}, {"MORUPD", MORUPD}, {"CLMUPD", CLMUPD}, {"SLOUPD", SLOUPD},
      {"SPMUPD", SPMUPD}, {"SPRUPD", SPRUPD}, {"TLPUPD", TLPUPD}};
  for (const auto& [name, entry] : entries) {
    testing_support::ConsoleCapture console("x and more\nnot read\n");
    std::string routine;
    int status = -1;
    try {
      entry();
    } catch (const Stop& stop) {
      status = stop.status;
      routine = stop.routine;
    }
    EXPECT_EQ(status, kExitFatal) << name;
    EXPECT_EQ(routine, name);
    EXPECT_EQ(console.screen(), "  ++> You are in an inoperative ???UPD file!\n      Press <Return> to quit\n") << name;
    EXPECT_EQ(console.unread(), "not read\n") << name << ": one line is read";
  }
  testing_support::ConsoleCapture console("");
  CATIMPORT();
  SLOIMPORT();
  EXPECT_EQ(console.screen(), "");
}

}  // namespace
}  // namespace qv

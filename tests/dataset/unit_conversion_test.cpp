// The English/metric conversion of the whole data set. The fixture gives every word of TPCM its own
// value, so that after a converter each word is checked: a member listed below must hold its old
// value times its factor, every other word its old bits. A member the converter misses, converts
// twice or with the wrong factor, or a word it should not touch, shows by name.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "dataset/unit_conversion.h"
#include "support/checks.h"
#include "support/console_capture.h"
#include "support/fresh_run.h"
#include "util/sim_types.h"

namespace qv {
namespace {

using testing_support::ConsoleCapture;
using testing_support::contains;

// How a member's value changes.
enum class Kind {
  L,          // length
  F,          // force
  D,          // line diameter
  L2,         // area
  L3,         // volume
  FperL,      // force per length, by the derived factor
  FL,         // moment
  FperL3,     // density
  FF,         // force spectrum: F applied twice
  FLFL,       // moment spectrum: F*L applied twice
  FthenPerL,  // line weight: times F, then divided by L
  Alpha1,     // strain-law coefficients: times F^-1, F^-2, F^-3
  Alpha2,
  Alpha3,
};

// The factors of one direction. Computed once with numpy in 4-byte floats (f = numpy.float32), in the
// order the conversion forms them:
//   to metric:  L, F, D = f(0.3048), f(0.45359248), f(25.400051)
//   to English: L, F, D = f(3.2808399), f(2.204622), f(0.03937)
//   L2 = L*L; L3 = L*L2; FperL = F/L; FL = F*L; FperL3 = FperL/L2; a1 = f(1)/F; a2 = a1/F; a3 = a2/F
struct Factors {
  float L, F, D, L2, L3, FperL, FL, FperL3, a1, a2, a3;
};
constexpr Factors kToMetric = {0x1.381d7ep-2f,  0x1.d07a8cp-2f, 0x1.96669cp+4f, 0x1.7c87e6p-4f,
                               0x1.cff176p-6f,  0x1.7cf856p+0f, 0x1.1b256ep-3f, 0x1.004ba4p+4f,
                               0x1.1a310ep+1f,  0x1.37101cp+2f, 0x1.56e35ap+3f};
constexpr Factors kToEnglish = {0x1.a3f290p+1f, 0x1.1a310ep+1f, 0x1.4284e0p-5f, 0x1.5871f4p+3f,
                                0x1.1a8470p+5f, 0x1.580c4cp-1f, 0x1.cee9acp+2f, 0x1.ff68e4p-5f,
                                0x1.d07a8cp-2f, 0x1.a55e3cp-3f, 0x1.7e4242p-4f};

const Factors& factorsInto(std::int32_t nunts) { return nunts != 0 ? kToMetric : kToEnglish; }

float converted(float x, Kind kind, const Factors& f) {
  switch (kind) {
    case Kind::L: return x * f.L;
    case Kind::F: return x * f.F;
    case Kind::D: return x * f.D;
    case Kind::L2: return x * f.L2;
    case Kind::L3: return x * f.L3;
    case Kind::FperL: return x * f.FperL;
    case Kind::FL: return x * f.FL;
    case Kind::FperL3: return x * f.FperL3;
    case Kind::FF: return x * f.F * f.F;
    case Kind::FLFL: return x * f.FL * f.FL;
    case Kind::FthenPerL: return x * f.F / f.L;
    case Kind::Alpha1: return x * f.a1;
    case Kind::Alpha2: return x * f.a2;
    case Kind::Alpha3: return x * f.a3;
  }
  return x;
}

// The last places a value may move in a conversion and its reverse: one rounding each way, and one
// more for each further factor.
int roundTripUlps(Kind kind) {
  switch (kind) {
    case Kind::FF:
    case Kind::FLFL:
    case Kind::FthenPerL: return 3;
    default: return 1;
  }
}

// A run of words that convert alike: `count` values from `first`, `stride` words apart.
struct Members {
  std::string name;
  const float* first;
  std::size_t count;
  Kind kind;
  std::size_t stride = 1;
};

// Word w (1-based) of TPCM that holds *p.
int wordOf(const void* p) {
  return static_cast<int>((static_cast<const char*>(p) - reinterpret_cast<const char*>(&TPCM)) / 4) + 1;
}

#define ONE(member, kind) Members{#member, &TPCM.member, 1, kind}
#define ALL(member, kind) Members{#member, TPCM.member.data(), TPCM.member.size(), kind}

using Plan = std::vector<Members>;

Plan operator+(Plan a, const Plan& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Plan topMembers(bool slopeIsHeight) {
  Plan p = {ALL(DPTHI, Kind::L),  ALL(SWHT, Kind::L),      ONE(DEPTH, Kind::L),
            ONE(SLOARM, Kind::L), ONE(SWELHT, Kind::L),    ONE(SWELHT2, Kind::L),
            ONE(WSPEC_HGT, Kind::L), ONE(excursionLimitDiameter, Kind::L), ONE(OFFINC, Kind::L),
            ONE(DWATR, Kind::FperL3),
            ONE(CURDEN, Kind::L2), ONE(CURDNY, Kind::L2), ONE(CURDNZ, Kind::L2), ONE(WNDDEN, Kind::L2),
            ONE(WNDDNY, Kind::L2), ONE(WNDDNZ, Kind::L2), ALL(USRPSD, Kind::L2),
            ALL(AUXFOR, Kind::F),  ALL(AUXTRQ, Kind::FL), ONE(HMIN, Kind::F),   ONE(TLOAD, Kind::F)};
  if (slopeIsHeight) p.push_back(ONE(SLPHT, Kind::L));
  return p;
}

// The vessel block of section 1; TLP_TENSION lies outside the words exchanged with a second body.
Plan vesselMembers(bool withTlpTension) {
  Plan p = {ALL(RACC, Kind::L)};
  for (Members m : {ONE(BILGR, Kind::L),  ONE(BWL, Kind::L),    ONE(CNTSEP, Kind::L), ONE(DKEEL, Kind::L),
                    ONE(DPXLOC, Kind::L), ONE(DPXPNT, Kind::L), ONE(DPYLOC, Kind::L), ONE(DPYPNT, Kind::L),
                    ONE(DRAFT, Kind::L),  ONE(ENDHT, Kind::L),  ONE(GMLEST, Kind::L), ONE(GMTEST, Kind::L),
                    ONE(LWL, Kind::L),    ONE(PGYR, Kind::L),   ONE(PNDARM, Kind::L), ONE(RGYR, Kind::L),
                    ONE(RKEEL, Kind::L),  ONE(TKEEL, Kind::L),  ONE(VCBEST, Kind::L), ONE(TVKB, Kind::L),
                    ONE(TVKG, Kind::L),   ONE(TVKML, Kind::L),  ONE(TVKMT, Kind::L),  ONE(XCARM, Kind::L),
                    ONE(XCBEST, Kind::L), ONE(XSALM, Kind::L),  ONE(XVLOC, Kind::L),  ONE(XVLOC2, Kind::L),
                    ONE(XVLOC3, Kind::L), ONE(XWARM, Kind::L),  ONE(XWPCTR, Kind::L), ONE(YCARM, Kind::L),
                    ONE(YCBEST, Kind::L), ONE(TYGYR, Kind::L),  ONE(YVLOC, Kind::L),  ONE(YVLOC2, Kind::L),
                    ONE(YVLOC3, Kind::L), ONE(YWARM, Kind::L),  ONE(YWPCTR, Kind::L), ONE(ZVLOC, Kind::L),
                    ONE(ZVLOC2, Kind::L), ONE(ZVLOC3, Kind::L), ONE(ZXCARM, Kind::L), ONE(ZYCARM, Kind::L),
                    ONE(ZXWARM, Kind::L), ONE(ZYWARM, Kind::L),
                    // stored as a length per second, shown in knots
                    ONE(TVFWD, Kind::L),
                    ONE(AWP, Kind::L2),   ONE(AWPEST, Kind::L2), ONE(TXCURA, Kind::L2), ONE(TXWNDA, Kind::L2),
                    ONE(TYCURA, Kind::L2), ONE(TYWNDA, Kind::L2), ONE(VOLEST, Kind::L3),
                    ONE(DISPL, Kind::F),  ONE(DPXFRC, Kind::F), ONE(DPYFRC, Kind::F), ONE(DWTONS, Kind::F),
                    ONE(XVFRC, Kind::F),  ONE(XVFRC2, Kind::F), ONE(XVFRC3, Kind::F), ONE(YVFRC, Kind::F),
                    ONE(YVFRC2, Kind::F), ONE(YVFRC3, Kind::F), ONE(ZVFRC, Kind::F),  ONE(ZVFRC2, Kind::F),
                    ONE(ZVFRC3, Kind::F),
                    ONE(VESMOM, Kind::FL), ONE(XVSMO1, Kind::FL), ONE(YVSMO1, Kind::FL), ONE(VESMO2, Kind::FL),
                    ONE(XVSMO2, Kind::FL), ONE(YVSMO2, Kind::FL), ONE(VESMO3, Kind::FL), ONE(XVSMO3, Kind::FL),
                    ONE(YVSMO3, Kind::FL), ONE(DPMOM, Kind::FL), ONE(DPASPR, Kind::FL),
                    ONE(DPXSPR, Kind::FperL), ONE(DPYSPR, Kind::FperL), ONE(HVK, Kind::FperL),
                    ONE(SGK, Kind::FperL), ONE(SWK, Kind::FperL), ONE(PTK, Kind::FL), ONE(RLK, Kind::FL),
                    ONE(YWK, Kind::FL),
                    ONE(SPECF1, Kind::FF), ONE(SPECF2, Kind::FF), ONE(SPECF3, Kind::FF),
                    ONE(SPECM1, Kind::FLFL), ONE(SPECM2, Kind::FLFL), ONE(SPECM3, Kind::FLFL)})
    p.push_back(m);
  if (withTlpTension) p.push_back(ONE(TLP_TENSION, Kind::F));
  return p;
}

// The second body's twins: the member at section-1 word w has its twin at word w + 1,234.
Plan secondBodyMembers() {
  constexpr int kTwinShift = 1234;
  Plan p = vesselMembers(false);
  for (Members& m : p) {
    m.name = "second body's " + m.name;
    m.first += kTwinShift;
  }
  return p;
}

Plan hullMembers() {
  return {ALL(RCYLB, Kind::L), ALL(RCYLT, Kind::L), ALL(DIAMS, Kind::L), ALL(XAREA, Kind::L2)};
}

Plan salmMembers() {
  return {ONE(YOKEHT, Kind::L), ALL(SLEN, Kind::L),     ALL(CBUOY, Kind::L), ALL(CGSALM, Kind::L),
          ALL(GYRAD, Kind::L),  ONE(WPAPRC, Kind::L2),  ALL(BUOY, Kind::L3), ALL(TMASS, Kind::F)};
}

// The mooring section, with the pretension HTENS converted as a force (load types 2 and 3).
Plan mooringMembers() {
  Plan p = {ALL(moor.ANCHGT, Kind::L), ALL(moor.SLEN, Kind::L),   ALL(moor.RFLD, Kind::L),
            ALL(moor.RMCTR, Kind::L),  ALL(moor.RMCTRG, Kind::L), ONE(moor.ANCHT0, Kind::L),
            ONE(moor.LONGIE, Kind::L), ONE(moor.SHORTY, Kind::L), ONE(moor.ZSPAN, Kind::L),
            ALL(moor.DIAM, Kind::D),   ALL(moor.TBRK, Kind::F),   ALL(moor.SPRGBY, Kind::F),
            ALL(moor.CLUMP, Kind::F),  ALL(moor.WETWT, Kind::FthenPerL), ALL(moor.DRYWT, Kind::FthenPerL),
            ALL(moor.HTENS, Kind::F)};
  const std::size_t segments = TPCM.moor.ALPHA.size() / 3;
  p.push_back({"ALPHA(1,..)", &TPCM.moor.ALPHA(1, 1, 1), segments, Kind::Alpha1, 3});
  p.push_back({"ALPHA(2,..)", &TPCM.moor.ALPHA(2, 1, 1), segments, Kind::Alpha2, 3});
  p.push_back({"ALPHA(3,..)", &TPCM.moor.ALPHA(3, 1, 1), segments, Kind::Alpha3, 3});
  return p;
}

Plan catenaryMembers() {
  return {ONE(EPSDST, Kind::L), ONE(XINIT, Kind::L),  ONE(YINIT, Kind::L),  ONE(ZINIT, Kind::L),
          ALL(ROTCTR, Kind::L), ALL(FAPPNT, Kind::L), ALL(RCTOFF, Kind::L), ALL(VRTOFF, Kind::L),
          ALL(OFFL, Kind::L),   ALL(FRCOFF, Kind::F), ALL(TRQOFF, Kind::FL)};
}

Plan spreadStaticsMembers() { return {ALL(stm.OFFL, Kind::L)}; }

#undef ONE
#undef ALL

// ---- the fixture ------------------------------------------------------------------------------

// Every word of TPCM a value of its own (word w holds w + 0.25), then the words the converters read.
// The snapshot of the words comes back.
std::vector<std::uint32_t> fillDistinct(std::int32_t nunts, std::int32_t creatr = kSimQuorvel, std::int32_t lslpht = 0,
                                        std::int32_t lodtyp = 2) {
  std::int32_t* words = wordsOf(TPCM);
  for (int w = 1; w <= kTpcmWords; ++w) {
    const float value = static_cast<float>(w) + 0.25f;
    std::memcpy(words + (w - 1), &value, 4);
  }
  TPCM.NUNTS = nunts;
  TPCM.CREATR = creatr;
  TPCM.LSLPHT = lslpht;
  TPCM.moor.LODTYP = lodtyp;
  // The disc's mooring springs, not periods the user gives, for both bodies.
  TPCM.LSGPRD = TPCM.LSWPRD = TPCM.LYWPRD = 0;
  TPCM.BSGPRD = TPCM.BSWPRD = TPCM.BYWPRD = 0;
  std::vector<std::uint32_t> snapshot(kTpcmWords);
  std::memcpy(snapshot.data(), words, 4 * static_cast<std::size_t>(kTpcmWords));
  return snapshot;
}

float floatOf(std::uint32_t bits) {
  float x;
  std::memcpy(&x, &bits, 4);
  return x;
}
std::uint32_t wordNow(int w) {
  std::uint32_t bits;
  std::memcpy(&bits, wordsOf(TPCM) + (w - 1), 4);
  return bits;
}

// Which member (index into the plan) covers each word; a word listed twice is a fault of the plan.
std::vector<int> wordOwners(const Plan& plan) {
  std::vector<int> owner(kTpcmWords + 1, -1);
  for (std::size_t k = 0; k < plan.size(); ++k) {
    const Members& m = plan[k];
    for (std::size_t i = 0; i < m.count; ++i) {
      const int w = wordOf(m.first + i * m.stride);
      if (owner[w] >= 0) ADD_FAILURE() << "word " << w << " is listed twice: " << plan[owner[w]].name << ", " << m.name;
      owner[w] = static_cast<int>(k);
    }
  }
  return owner;
}

// Every word of TPCM against the snapshot: the plan's members converted into `nunts` exactly as the
// factor says, NUNTS as given, every other word unchanged.
void expectConverted(const std::vector<std::uint32_t>& before, const Plan& plan, std::int32_t nunts) {
  const std::vector<int> owner = wordOwners(plan);
  const Factors& f = factorsInto(nunts);
  const int nuntsWord = wordOf(&TPCM.NUNTS);
  int faults = 0;
  for (int w = 1; w <= kTpcmWords && faults < 20; ++w) {
    const std::uint32_t was = before[w - 1];
    const std::uint32_t now = wordNow(w);
    if (w == nuntsWord) {
      EXPECT_EQ(TPCM.NUNTS, nunts);
      continue;
    }
    if (owner[w] < 0) {
      if (now != was) {
        ++faults;
        ADD_FAILURE() << "word " << w << " is not to be converted but changed from " << floatOf(was) << " to "
                      << floatOf(now);
      }
      continue;
    }
    const Members& m = plan[owner[w]];
    const float expected = converted(floatOf(was), m.kind, f);
    if (floatOf(now) != expected) {
      ++faults;
      ADD_FAILURE() << m.name << " (word " << w << "): " << floatOf(was) << " became " << floatOf(now)
                    << ", expected " << expected;
    }
  }
}

// ---- the tests --------------------------------------------------------------------------------

class UnitConversion : public testing_support::FreshRun {};

TEST_F(UnitConversion, FactorsInFourByteFloats) {
  for (std::int32_t nunts : {0, 1}) {
    const UnitFactors got = unitFactors(nunts);
    const Factors& f = factorsInto(nunts);
    SCOPED_TRACE(nunts == 0 ? "to English" : "to metric");
    EXPECT_EQ(got.L, f.L);
    EXPECT_EQ(got.F, f.F);
    EXPECT_EQ(got.D, f.D);
    EXPECT_EQ(got.L2, f.L2);
    EXPECT_EQ(got.L3, f.L3);
    EXPECT_EQ(got.FperL, f.FperL);
    EXPECT_EQ(got.FL, f.FL);
    EXPECT_EQ(got.FperL3, f.FperL3);
  }
  // The density factor to metric formed from L and F is 16.018467, not the 16.0185 of the labels-only
  // conversion.
  EXPECT_EQ(unitFactors(1).FperL3, 16.018467f);
}

TEST_F(UnitConversion, HandComputedProducts) {
  TPCM.DEPTH = 100.0f;
  TPCM.DWATR = 64.0f;
  TOPCVRT();
  EXPECT_EQ(TPCM.NUNTS, 1);
  // 100 ft x 0.3048 is 30.48 m to the nearest 4-byte float (numpy: f(100)*f(0.3048) == f(30.48)).
  EXPECT_EQ(TPCM.DEPTH, 30.48f);
  // 64 lbs/ft^3 x F/L^3: f(64)*((f(0.45359248)/f(0.3048))/(f(0.3048)*f(0.3048))) = 1025.1819 kgw/m^3.
  EXPECT_EQ(TPCM.DWATR, 0x1.004ba4p+10f);
  TOPCVRT();
  EXPECT_EQ(TPCM.NUNTS, 0);
  EXPECT_EQ(TPCM.DEPTH, 100.0f);  // f(30.48)*f(3.2808399) == f(100)
  EXPECT_EQ(TPCM.DWATR, 64.0f);
}

TEST_F(UnitConversion, EveryMemberOfEachConverter) {
  struct Case {
    const char* what;
    std::function<void()> convert;
    Plan plan;
    bool flips = false;       // TOPCVRT flips the unit flag itself; the others read it flipped already
    std::int32_t lslpht = 0;  // 0: SLPHT holds a wave height
  };
  const Case cases[] = {
      {"TOPCVRT, wave height", TOPCVRT, topMembers(true), true},
      {"TOPCVRT, wave slope", TOPCVRT, topMembers(false), true, 1},
      {"VESCVRT", VESCVRT, vesselMembers(true)},
      {"SEMCVRT", SEMCVRT, hullMembers()},
      {"SLMCVRT", SLMCVRT, salmMembers()},
      {"MORCVRT", MORCVRT, mooringMembers()},
      {"CATCVRT", CATCVRT, catenaryMembers()},
      {"STMCVRT", STMCVRT, spreadStaticsMembers()},
      {"TUGCVRT", TUGCVRT, secondBodyMembers()},
  };
  for (const Case& c : cases) {
    for (std::int32_t into : {1, 0}) {
      SCOPED_TRACE(std::string(c.what) + (into == 1 ? " to metric" : " to English"));
      const std::vector<std::uint32_t> before = fillDistinct(c.flips ? 1 - into : into, kSimQuorvel, c.lslpht);
      c.convert();
      expectConverted(before, c.plan, into);
    }
  }
}

TEST_F(UnitConversion, AUserPeriodInTheDiscsSpringWordKeepsItsSeconds) {
  // With the surge, sway or yaw period given, the spring's word holds that period [s]; so for the
  // second body's twins, which TUGCVRT converts.
  fillDistinct(0, kSimGandru);
  Tpcm& t = TPCM;
  t.LSGPRD = 1;
  t.SGK = 80.0f;
  t.LSWPRD = 0;
  t.SWK = 5.0f;  // a spring [kips/ft]
  t.LYWPRD = 1;
  t.YWK = 60.0f;
  t.BSWPRD = 1;
  t.BSWK = 70.0f;
  t.BSGPRD = 0;
  t.BSGK = 5.0f;
  convertWholeDataSet();
  EXPECT_EQ(t.SGK, 80.0f);
  EXPECT_EQ(t.YWK, 60.0f);
  EXPECT_EQ(t.BSWK, 70.0f);
  EXPECT_EQ(t.SWK, 5.0f * kToMetric.FperL);
  EXPECT_EQ(t.BSGK, 5.0f * kToMetric.FperL);
}

TEST_F(UnitConversion, PretensionByLoadType) {
  struct Case {
    std::int32_t lodtyp;
    float factor;  // to metric
  };
  const Case cases[] = {
      {0, 1.0f}, {1, kToMetric.L}, {2, kToMetric.F}, {3, kToMetric.F}, {4, 1.0f}, {-1, 1.0f},
  };
  for (const Case& c : cases) {
    fillDistinct(1, kSimHeskova, 0, c.lodtyp);
    TPCM.moor.HTENS(1) = 100.0f;
    TPCM.moor.HTENS(150) = 250.0f;
    MORCVRT();
    EXPECT_EQ(TPCM.moor.HTENS(1), 100.0f * c.factor) << "LODTYP " << c.lodtyp;
    EXPECT_EQ(TPCM.moor.HTENS(150), 250.0f * c.factor) << "LODTYP " << c.lodtyp;
  }
}

TEST_F(UnitConversion, StrainLawKeepsItsValue) {
  // a1 T + a2 T^2 + a3 T^3 with T in kips equals the converted law with T in metric tons.
  fillDistinct(1, kSimHeskova);
  TPCM.moor.ALPHA(1, 3, 7) = 2.0e-3f;
  TPCM.moor.ALPHA(2, 3, 7) = 4.0e-6f;
  TPCM.moor.ALPHA(3, 3, 7) = 1.0e-8f;
  MORCVRT();
  const double kips = 120.0;
  const double tons = kips * 0.45359248;
  const double strainEnglish = 2.0e-3 * kips + 4.0e-6 * kips * kips + 1.0e-8 * kips * kips * kips;
  const double strainMetric = TPCM.moor.ALPHA(1, 3, 7) * tons + TPCM.moor.ALPHA(2, 3, 7) * tons * tons +
                              TPCM.moor.ALPHA(3, 3, 7) * tons * tons * tons;
  EXPECT_TRUE(testing_support::IsClose(strainMetric, strainEnglish, 1e-6));
}

TEST_F(UnitConversion, WholeDataSetByCreatorType) {
  const Plan always = topMembers(true) + vesselMembers(true);
  struct Case {
    std::int32_t creatr;
    Plan further;
  };
  const Case cases[] = {
      {kSimBrantox, {}},
      {kSimDorvane, hullMembers()},
      {kSimGreldin, mooringMembers() + spreadStaticsMembers()},
      {kSimPexira, mooringMembers() + catenaryMembers()},
      {kSimGandru, secondBodyMembers() + hullMembers() + mooringMembers()},
      {kSimQuorvel, salmMembers() + hullMembers()},
      {kSimHeskova, hullMembers() + mooringMembers()},
      {kSimFirnedo, secondBodyMembers() + hullMembers() + mooringMembers()},
      {kSimYobrix, hullMembers() + mooringMembers()},
      {kSimZantul, hullMembers() + mooringMembers()},
      {kSimKrebona, {}},
      {kSimWistole, hullMembers() + mooringMembers()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("CREATR " + std::to_string(c.creatr));
    const std::vector<std::uint32_t> before = fillDistinct(0, c.creatr);
    convertWholeDataSet();
    expectConverted(before, always + c.further, 1);
  }
}

TEST_F(UnitConversion, ThereAndBackWithinTheLastPlaces) {
  // These types between them run every converter.
  for (std::int32_t creatr : {kSimGreldin, kSimPexira, kSimGandru, kSimQuorvel}) {
    SCOPED_TRACE("CREATR " + std::to_string(creatr));
    const std::vector<std::uint32_t> before = fillDistinct(0, creatr);
    const Plan plan = topMembers(true) + vesselMembers(true) +
                      (creatr == kSimGreldin  ? mooringMembers() + spreadStaticsMembers()
                       : creatr == kSimPexira ? mooringMembers() + catenaryMembers()
                       : creatr == kSimGandru ? secondBodyMembers() + hullMembers() + mooringMembers()
                                              : salmMembers() + hullMembers());
    const std::vector<int> owner = wordOwners(plan);
    convertWholeDataSet();
    convertWholeDataSet();
    EXPECT_EQ(TPCM.NUNTS, 0);
    int faults = 0;
    for (int w = 1; w <= kTpcmWords && faults < 20; ++w) {
      const long long ulps = static_cast<long long>(wordNow(w)) - static_cast<long long>(before[w - 1]);
      const int allowed = owner[w] < 0 ? 0 : roundTripUlps(plan[owner[w]].kind);
      if (ulps < -allowed || ulps > allowed) {
        ++faults;
        ADD_FAILURE() << (owner[w] < 0 ? std::string("an unconverted word") : plan[owner[w]].name) << " (word "
                      << w << ") came back " << ulps << " places from " << floatOf(before[w - 1]);
      }
    }
  }
}

TEST_F(UnitConversion, UnitFlagOtherThanZeroOrOne) {
  // The flag cannot flip; the converters then take the metric factors, all but STMCVRT.
  ConsoleCapture console;
  fillDistinct(2, kSimGreldin);
  TPCM.DEPTH = 100.0f;
  TPCM.stm.OFFL(1, 1) = 10.0f;
  convertWholeDataSet();
  EXPECT_EQ(TPCM.NUNTS, 2);
  EXPECT_TRUE(contains(console.screen(), "  >>> Invalid argument in Toggle\n"));
  EXPECT_EQ(TPCM.DEPTH, 30.48f);
  EXPECT_EQ(TPCM.stm.OFFL(1, 1), 10.0f * kToEnglish.L);
}

}  // namespace
}  // namespace qv

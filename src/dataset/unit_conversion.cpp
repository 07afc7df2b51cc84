#include "dataset/unit_conversion.h"

#include <cstddef>
#include <initializer_list>

#include "dataset/tpcm.h"
#include "dataset/tpcm_codes.h"
#include "util/dialogue.h"
#include "util/farray.h"
#include "util/packed_flags.h"
#include "util/sim_types.h"

namespace qv {

namespace {

// The factors as 4-byte constants, to metric and to English.
constexpr float kMetresPerFoot = 0.3048f;
constexpr float kFeetPerMetre = 3.2808399f;
constexpr float kTonsPerKip = 0.45359248f;
constexpr float kKipsPerTon = 2.204622f;
constexpr float kMillimetresPerInch = 25.400051f;
constexpr float kInchesPerMillimetre = 0.03937f;

void scale(std::initializer_list<float*> members, float factor) {
  for (float* x : members) *x *= factor;
}

template <std::size_t... N>
  requires(sizeof...(N) > 0)  // a braced list of members never names an array of no extent
void scale(Arr<float, N...>& values, float factor) {
  for (float& x : values) x *= factor;
}

// The members of the vessel block (words 754 to 1,666) and their factors; TLP_TENSION lies outside
// the block and is converted by the callers that own it.
void convertVesselBlock(const UnitFactors& f) {
  Tpcm& t = TPCM;
  scale(t.RACC, f.L);
  scale({&t.BILGR,  &t.BWL,    &t.CNTSEP, &t.DKEEL,  &t.DPXLOC, &t.DPXPNT, &t.DPYLOC, &t.DPYPNT,
         &t.DRAFT,  &t.ENDHT,  &t.GMLEST, &t.GMTEST, &t.LWL,    &t.PGYR,   &t.PNDARM, &t.RGYR,
         &t.RKEEL,  &t.TKEEL,  &t.VCBEST, &t.TVKB,   &t.TVKG,   &t.TVKML,  &t.TVKMT,  &t.XCARM,
         &t.XCBEST, &t.XSALM,  &t.XVLOC,  &t.XVLOC2, &t.XVLOC3, &t.XWARM,  &t.XWPCTR, &t.YCARM,
         &t.YCBEST, &t.TYGYR,  &t.YVLOC,  &t.YVLOC2, &t.YVLOC3, &t.YWARM,  &t.YWPCTR, &t.ZVLOC,
         &t.ZVLOC2, &t.ZVLOC3, &t.ZXCARM, &t.ZYCARM, &t.ZXWARM, &t.ZYWARM},
        f.L);
  // The forward speed is stored as a length per second (the pages show it in knots), so it scales
  // with the length for the knots shown to stay the same.
  scale({&t.TVFWD}, f.L);
  scale({&t.AWP, &t.AWPEST, &t.TXCURA, &t.TXWNDA, &t.TYCURA, &t.TYWNDA}, f.L2);
  scale({&t.VOLEST}, f.L3);  // the hull model's estimate beside the other estimates
  scale({&t.DISPL, &t.DPXFRC, &t.DPYFRC, &t.DWTONS, &t.XVFRC, &t.XVFRC2, &t.XVFRC3, &t.YVFRC, &t.YVFRC2,
         &t.YVFRC3, &t.ZVFRC, &t.ZVFRC2, &t.ZVFRC3},
        f.F);
  // The positioning yaw spring is a moment per radian, so it converts as the moments do.
  scale({&t.VESMOM, &t.XVSMO1, &t.YVSMO1, &t.VESMO2, &t.XVSMO2, &t.YVSMO2, &t.VESMO3, &t.XVSMO3, &t.YVSMO3,
         &t.DPMOM, &t.DPASPR},
        f.FL);
  scale({&t.DPXSPR, &t.DPYSPR, &t.HVK}, f.FperL);
  // The disc's mooring springs: surge and sway a force per length, roll, pitch and yaw a moment per
  // radian. Where the user gives the surge, sway or yaw period, that period in seconds stands in the
  // spring's word and keeps its value.
  if (t.LSGPRD == 0) t.SGK *= f.FperL;
  if (t.LSWPRD == 0) t.SWK *= f.FperL;
  if (t.LYWPRD == 0) t.YWK *= f.FL;
  scale({&t.PTK, &t.RLK}, f.FL);
  // Force and moment spectra hold squared amplitudes: the factor once per power.
  for (float* x : {&t.SPECF1, &t.SPECF2, &t.SPECF3}) *x = *x * f.F * f.F;
  for (float* x : {&t.SPECM1, &t.SPECM2, &t.SPECM3}) *x = *x * f.FL * f.FL;
}

}  // namespace

UnitFactors unitFactors(std::int32_t nunts) {
  UnitFactors f{};
  const bool metric = nunts != kEnglishUnits;
  f.L = metric ? kMetresPerFoot : kFeetPerMetre;
  f.F = metric ? kTonsPerKip : kKipsPerTon;
  f.D = metric ? kMillimetresPerInch : kInchesPerMillimetre;
  f.L2 = f.L * f.L;
  f.L3 = f.L * f.L2;
  f.FperL = f.F / f.L;
  f.FL = f.F * f.L;
  f.FperL3 = f.FperL / f.L2;
  return f;
}

void TOPCVRT() {
  Tpcm& t = TPCM;
  TOGGLE(t.NUNTS);
  const UnitFactors f = unitFactors(t.NUNTS);
  scale(t.DPTHI, f.L);
  scale(t.SWHT, f.L);
  scale({&t.DEPTH, &t.SLOARM, &t.SWELHT, &t.SWELHT2, &t.WSPEC_HGT, &t.excursionLimitDiameter, &t.OFFINC}, f.L);
  // SLPHT holds a wave height only when LSLPHT is 0; otherwise a slope, which has no unit.
  if (t.LSLPHT == 0) t.SLPHT *= f.L;
  t.DWATR *= f.FperL3;
  scale({&t.CURDEN, &t.CURDNY, &t.CURDNZ, &t.WNDDEN, &t.WNDDNY, &t.WNDDNZ}, f.L2);
  scale(t.USRPSD, f.L2);
  scale(t.AUXFOR, f.F);
  scale(t.AUXTRQ, f.FL);  // the yaw table holds moments
  scale({&t.HMIN, &t.TLOAD}, f.F);
}

void VESCVRT() {
  const UnitFactors f = unitFactors(TPCM.NUNTS);
  convertVesselBlock(f);
  TPCM.TLP_TENSION *= f.F;
}

void SEMCVRT() {
  Tpcm& t = TPCM;
  const UnitFactors f = unitFactors(t.NUNTS);
  scale(t.RCYLB, f.L);
  scale(t.RCYLT, f.L);
  scale(t.DIAMS, f.L);
  scale(t.XAREA, f.L2);
}

void SLMCVRT() {
  Tpcm& t = TPCM;
  const UnitFactors f = unitFactors(t.NUNTS);
  scale({&t.YOKEHT}, f.L);
  scale(t.SLEN, f.L);
  scale(t.CBUOY, f.L);
  scale(t.CGSALM, f.L);
  scale(t.GYRAD, f.L);
  scale({&t.WPAPRC}, f.L2);
  scale(t.BUOY, f.L3);
  scale(t.TMASS, f.F);
}

void MORCVRT() {
  Morcom& m = TPCM.moor;
  const UnitFactors f = unitFactors(TPCM.NUNTS);
  scale(m.ANCHGT, f.L);
  scale(m.SLEN, f.L);
  scale(m.RFLD, f.L);
  scale(m.RMCTR, f.L);
  scale(m.RMCTRG, f.L);
  scale({&m.ANCHT0, &m.LONGIE, &m.SHORTY, &m.ZSPAN}, f.L);
  scale(m.DIAM, f.D);
  scale(m.TBRK, f.F);
  scale(m.SPRGBY, f.F);
  scale(m.CLUMP, f.F);
  for (float& x : m.WETWT) x = x * f.F / f.L;
  for (float& x : m.DRYWT) x = x * f.F / f.L;

  // The pretension is a length or a force by the load type; 0 leaves it alone, and other types
  // keep it as it is.
  if (m.LODTYP != 0) {
    float factor = 1.0f;
    if (m.LODTYP == 1) factor = f.L;
    else if (m.LODTYP == 2 || m.LODTYP == 3) factor = f.F;
    scale(m.HTENS, factor);
  }

  // Strain = a1 T + a2 T^2 + a3 T^3 keeps its value: coefficient k scales by F to the power -k.
  float perForce = 1.0f;
  for (int k = 1; k <= 3; ++k) {
    perForce /= f.F;
    // First index fastest: coefficient k of every segment of every line, three words apart.
    for (std::size_t i = static_cast<std::size_t>(k - 1); i < m.ALPHA.size(); i += 3) m.ALPHA[i] *= perForce;
  }
}

void CATCVRT() {
  Tpcm& t = TPCM;
  const UnitFactors f = unitFactors(t.NUNTS);
  scale({&t.EPSDST, &t.XINIT, &t.YINIT, &t.ZINIT}, f.L);
  scale(t.ROTCTR, f.L);
  scale(t.FAPPNT, f.L);
  scale(t.RCTOFF, f.L);
  scale(t.VRTOFF, f.L);
  scale(t.OFFL, f.L);
  scale(t.FRCOFF, f.F);
  scale(t.TRQOFF, f.FL);
}

void STMCVRT() {
  // This one takes metric only for NUNTS exactly 1, unlike the others.
  scale(TPCM.stm.OFFL, TPCM.NUNTS == kMetricUnits ? kMetresPerFoot : kFeetPerMetre);
}

void TUGCVRT() {
  Tpcm& t = TPCM;
  // The second body's copy of the vessel block changes places with the first body's, is converted
  // there under the first body's names, and changes back.
  // The exchange covers the 913 words of IVESL (words 754 to 1,666 against 1,988 to 2,900).
  const int words = static_cast<int>(t.IVESL.size());
  SWPCOM(words, t.AUXDUM.data(), t.IVESL.data());
  convertVesselBlock(unitFactors(t.NUNTS));
  SWPCOM(words, t.AUXDUM.data(), t.IVESL.data());
}

void convertWholeDataSet() {
  TOPCVRT();
  VESCVRT();
  switch (TPCM.CREATR) {
    case kSimDorvane: SEMCVRT(); break;
    case kSimQuorvel:
      // The SALM elements and, after them in the same section, the hull members of a
      // column-stabilised vessel: both are this program's data.
      SLMCVRT();
      SEMCVRT();
      break;
    case kSimGreldin:
      MORCVRT();
      STMCVRT();
      break;
    case kSimPexira:
      MORCVRT();
      CATCVRT();
      break;
    case kSimHeskova:
    case kSimYobrix:
    case kSimZantul:
    case kSimWistole:
      SEMCVRT();
      MORCVRT();
      break;
    case kSimGandru:
    case kSimFirnedo:
      TUGCVRT();
      SEMCVRT();
      MORCVRT();
      break;
    default: break;
  }
}

}  // namespace qv

#include "editor/tanker.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "dataset/tpcm_codes.h"
#include "numlib/roots.h"
#include "platform/block_reset.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"

namespace qv {

namespace {

constexpr float kCubicFeetPerLongTon = 35.0f;  // sea water
constexpr float kLeastDeadweight = 2000.0f;    // long tons

// From feet, square feet and long tons to the data set's units.
constexpr float kMetresPerFoot = 0.3048f;
constexpr float kSquareMetresPerSquareFoot = 0.09290304f;
constexpr float kMetricTonsPerLongTon = 1.0160469f;
constexpr float kKipsPerLongTon = 2.24f;
// From the data set's deadweight to long tons.
constexpr float kLongTonsPerMetricTon = 0.9842f;
constexpr float kLongTonsPerKip = 0.44642857f;

bool metric(std::int32_t nunts) { return nunts == kMetricUnits; }

// " feet" or " meters" in its 16-character field.
std::string lengthLabel(std::int32_t nunts) {
  Text<16> label;
  UNITP(label, unitCode(7, nunts));
  return label.str();
}

// Long tons per unit of the data set's deadweight.
float longTonsPerWeightUnit(std::int32_t nunts) { return metric(nunts) ? kLongTonsPerMetricTon : kLongTonsPerKip; }

// The table of estimates with its two independent variables, in the data set's units except the
// deadweight (long tons).
struct TankerTable {
  float DWTONQ = 0.0f, LOADEQ = 0.0f, DISPLQ = 0.0f, DRAFTQ = 0.0f, DFTPCQ = 0.0f, DSPPCQ = 0.0f;
  float VKMTQ = 0.0f, VKMLQ = 0.0f, VKBQ = 0.0f, VKGQ = 0.0f, LWLQ = 0.0f, BWLQ = 0.0f;
  float PGYRQ = 0.0f, RGYRQ = 0.0f, YGYRQ = 0.0f, BILGRQ = 0.0f, AWPQ = 0.0f;
  float XWNDAQ = 0.0f, YWNDAQ = 0.0f, XCURAQ = 0.0f, YCURAQ = 0.0f;
};

// What the estimator keeps for the whole run of the editor.
struct TankerState {
  TankerTable table;
  std::int32_t FRSTIM = 1;             // 1 until the table has been loaded from the data set
  std::int32_t REFRSH = 0;             // 1: estimate again before the next display
  Text<40> CHARAY = makeText<40>("");  // the letters chosen last
  std::int32_t tableUnits = 0;         // the unit system of the data set the table was loaded from
  void reset() { *this = TankerState{}; }
};
constinit TankerState tanker{};
const BlockReset resetTanker{[] { tanker.reset(); }};

// ---- the list of estimates ----

enum class Suffix { kNone, kWeight, kPercent };

struct EstimateRow {
  char letter;
  const char* label;
  float TankerTable::*value;
  int width;
  int decimals;
  Suffix suffix;
};

// In letter order A to U.
constexpr std::array<EstimateRow, 21> kRows = {{
    {'A', "A. Vessel Displacement   ", &TankerTable::DISPLQ, 9, 0, Suffix::kWeight},
    {'B', "B. Displacement-based load", &TankerTable::DSPPCQ, 9, 1, Suffix::kPercent},
    {'C', "C. Length (LPP) ..........", &TankerTable::LWLQ, 9, 2, Suffix::kNone},
    {'D', "D. Beam ..................", &TankerTable::BWLQ, 9, 2, Suffix::kNone},
    {'E', "E. Draft .................", &TankerTable::DRAFTQ, 9, 2, Suffix::kNone},
    {'F', "F. Roll Gyradius..........", &TankerTable::RGYRQ, 9, 2, Suffix::kNone},
    {'G', "G. Pitch Gyradius ........", &TankerTable::PGYRQ, 9, 2, Suffix::kNone},
    {'H', "H. Yaw Gyradius ..........", &TankerTable::YGYRQ, 9, 2, Suffix::kNone},
    {'I', "I. Water Plane Area ...... ", &TankerTable::AWPQ, 9, 0, Suffix::kNone},
    {'J', "J. Head-on Current Area .. ", &TankerTable::XCURAQ, 9, 0, Suffix::kNone},
    {'K', "K. Beam-on Current Area .. ", &TankerTable::YCURAQ, 9, 0, Suffix::kNone},
    {'L', "L. Freeboard-based load...", &TankerTable::LOADEQ, 8, 1, Suffix::kPercent},
    {'M', "M. Draft-based load.......", &TankerTable::DFTPCQ, 8, 1, Suffix::kPercent},
    {'N', "N. Transverse KM .........", &TankerTable::VKMTQ, 9, 2, Suffix::kNone},
    {'O', "O. Longitudinal KM .......", &TankerTable::VKMLQ, 9, 2, Suffix::kNone},
    {'P', "P. VKB ...................", &TankerTable::VKBQ, 9, 2, Suffix::kNone},
    {'Q', "Q. VKG ...................", &TankerTable::VKGQ, 9, 2, Suffix::kNone},
    {'R', "R. Bilge radius ..........", &TankerTable::BILGRQ, 9, 2, Suffix::kNone},
    {'S', "S. Deadweight (DWT) ...... ", &TankerTable::DWTONQ, 9, 0, Suffix::kNone},
    {'T', "T. Head-on Wind Area ..... ", &TankerTable::XWNDAQ, 9, 0, Suffix::kNone},
    {'U', "U. Beam-on Wind Area ..... ", &TankerTable::YWNDAQ, 9, 0, Suffix::kNone},
}};

// The rows of the screen: a letter of the left column and one of the right (0: none).
constexpr std::array<std::array<char, 2>, 11> kScreenRows = {{
    {'A', 'L'},
    {'B', 'M'},
    {'C', 'N'},
    {'D', 'O'},
    {'E', 'P'},
    {'F', 'Q'},
    {'G', 'R'},
    {'H', 0},
    {'I', 'S'},
    {'J', 'T'},
    {'K', 'U'},
}};

constexpr std::size_t kRightColumn = 43;     // where the right column of the list begins
constexpr std::size_t kVariableColumn = 36;  // where the independent variables begin

const EstimateRow& row(char letter) { return kRows[static_cast<std::size_t>(letter - 'A')]; }

std::string estimateText(const EstimateRow& r, const TankerTable& q, std::int32_t nunts) {
  std::string text = r.label + fmtF(q.*r.value, r.width, r.decimals);
  switch (r.suffix) {
    case Suffix::kNone: break;
    case Suffix::kPercent: text += "%"; break;
    case Suffix::kWeight: text += nunts == kEnglishUnits ? " Kips" : metric(nunts) ? " M.Tons" : " Whoops"; break;
  }
  return text;
}

// text padded with blanks so that what follows begins in the given column.
std::string toColumn(std::string text, std::size_t column) {
  if (text.size() < column - 1) text.resize(column - 1, ' ');
  return text;
}

void drawEstimates(const TankerTable& q, std::int32_t nunts, std::int32_t unit) {
  writeRecord(unit, toColumn(" >>> Independent variables for", kVariableColumn) + "1. Deadweight (DWT).... " +
                        fmtF(q.DWTONQ, 8, 0) + " Long Tons");
  writeRecord(unit, toColumn("     tanker property estimates:", kVariableColumn) + "2. Simulation Draft ... " +
                        fmtF(q.DRAFTQ, 7, 2) + lengthLabel(nunts));
  writeRecord(unit, "");
  for (const auto& [left, right] : kScreenRows) {
    std::string line = estimateText(row(left), q, nunts);
    if (right != 0) line = toColumn(line, kRightColumn) + estimateText(row(right), q, nunts);
    writeRecord(unit, line);
  }
}

// The help screen of the estimator.
constexpr const char* kHelpLines[] = {
    "     A built-in database of average tanker characteristics ",
    "     is available to provide an internally consistent set of ",
    "     vessel properties associated with a given vessel ",
    "     deadweight (ALWAYS in long tons) and simulation draft ",
    "     (in user-specified simulation units). ",
    "",
    "     To place a help screen value into the user data file, ",
    "     input the value's letter at the prompt. To place ALL ",
    "     displayed data, input the letter \"Z\" (without quotes). ",
    "     To replace a subset of the help screen data (for ",
    "     example, items A, G and Q), input the string of letters ",
    "     with or without delimiters (e.g., \"AGQ\" or \"A,G,Q\"; ",
    "     again without quotes). To exit the help facility with ",
    "     NO changes to the user data file, press <Return> in ",
    "     response to the help screen prompt for input.",
    "",
    "     >>> Note that even between tankers of the same ",
    "     deadweight tonnage, variations in physical properties ",
    "     of 15% or more are not uncommon. A vessel's maximum ",
    "     displacement in this help facility is equal to ",
    "     deadweight (or cargo capacity) plus lightship weight.",
};

// ---- the estimate ----

// The message of a requested value outside the estimator's range, then the abort question.
bool confirmReplacement(std::initializer_list<std::string_view> lines, std::int32_t unit, std::int32_t& abort) {
  CLEAR(unit);
  for (std::string_view line : lines) writeRecord(unit, line);
  ABORT0(unit, 0, abort);
  return abort != -1;
}

}  // namespace

float ALPHA(float T, const EpsCom& EPSCOM) { return EPSCOM.EPSLN + (1.0f - EPSCOM.EPSLN) * T / EPSCOM.MAXDFT; }

float VOLFUN(float t, const EpsCom& EPSCOM) {
  return 2.0f * (EPSCOM.EPSLN * t + 0.5f * (1.0f - EPSCOM.EPSLN) * t * t) / (1.0f + EPSCOM.EPSLN);
}

float NULFUN(float t, const EpsCom& EPSCOM) { return EPSCOM.MINRAT - VOLFUN(t, EPSCOM); }

void ESTIM8(const Estim8Args& args) {
  const Estim8Args::Out& out = args.out;
  const std::int32_t NUNTS = args.NUNTS;
  out.ABORT = 0;
  float T = metric(NUNTS) ? out.DRAFT / kMetresPerFoot : out.DRAFT;
  if (out.DWTON < kLeastDeadweight) {
    if (!confirmReplacement({" ++> Requested deadweight is less than 2000 long tons.",
                             "     To continue, the deadweight will be replaced by 2000..."},
                            args.unit, out.ABORT))
      return;
    out.DWTON = kLeastDeadweight;
  }
  const float W = out.DWTON;

  // Weights and volumes of the lightship and of the full load.
  const float a = 0.0422f * W;
  const float H = 6.78f * std::pow(W, 2.0f / 3.0f);
  const float LS = H + a;
  const float VL = kCubicFeetPerLongTon * LS;
  const float DF = LS + W;
  const float VF = kCubicFeetPerLongTon * DF;
  const float C = std::pow(VF, 1.0f / 3.0f);
  const float D = 0.4039f * C;  // depth
  const float KGL = 0.54f * D;  // lightship centre of gravity

  EpsCom eps;
  eps.MINRAT = VL / VF;
  eps.MAXDFT = 13.32f - 1.502E-7f * VF + 0.01673f * std::sqrt(VF);
  const float B = C * C * 0.25f / eps.MAXDFT;
  out.BILGR = 0.07f * B;

  // Full-load block and waterplane coefficients, main dimensions, freeboard, wind areas.
  const float CB = 0.275f * std::exp(-194.0f / C) + 0.725f;
  const float CW = 0.3f * std::exp(-69.0f / C) + 0.7f;
  eps.EPSLN = 2.0f * CB / CW - 1.0f;
  const float L = VF / (CB * eps.MAXDFT * B);
  const float AF = L * B * CW;
  const float FF = D - eps.MAXDFT;
  out.XWNDA = 0.1f * C * C + 3000.0f;
  out.YWNDA = 16.0f * C + 3000.0f;

  // The lightship draft: the relative draft whose displaced volume is the lightship volume.
  float t = 0.0f;
  float f = 0.0f;
  int ier = 0;
  RTMI1(
      t, f, [&eps](float& x) { return NULFUN(x, eps); }, 0.0f, 1.0f, 1.0E-5f, 1.0E-5f, 100, ier);
  if (ier != 0) {
    fatalStop(
        "ESTIM8", args.unit,
        {" ++> RTMI failure in minimum draft determination (subroutine ESTIM8)", "     Error Index = " + fmtI(ier, 2)},
        FatalWait::kPressReturn, args.inUnit);
  }
  const float TMIN = t * eps.MAXDFT * 1.00001f;

  // Lightship radii of gyration: the shell of the box B x L x D and the machinery weight a.
  const float r = a / H;
  const float S = B * L + B * D + L * D;
  const float kx2 =
      (r * (B * B + D * D) + (D * D * (3.0f * B * L + B * D + L * D) + B * B * (L * B + B * D + 3.0f * L * D)) / S) /
      12.0f / (r + 1.0f);
  const float ky2 =
      (r * (L * L + D * D) + (D * D * (3.0f * B * L + B * D + L * D) + L * L * (L * B + L * D + 3.0f * D * B)) / S) /
      12.0f / (r + 1.0f);
  const float kz2 =
      (r * (B * B + L * L) + (L * L * (3.0f * B * D + B * L + L * D) + B * B * (L * B + B * D + 3.0f * D * L)) / S) /
      12.0f / (r + 1.0f);

  // The draft within its limits, and the displaced volume there.
  float V = 0.0f;
  if (T > eps.MAXDFT) {
    if (!confirmReplacement(
            {" ++> Requested draft is greater than the maximum", "     allowed draft for the specified deadweight...",
             "     To continue, the draft will be replaced by", "     the maximum allowable value"},
            args.unit, out.ABORT))
      return;
    T = eps.MAXDFT;
    V = VF;
  } else {
    V = VF * VOLFUN(T / eps.MAXDFT, eps);
    if (V < VL) {
      if (!confirmReplacement(
              {" ++> Requested draft is less than the minimum", "     allowed draft for the specified deadweight...",
               "     To continue, the draft will be replaced by", "     the minimum allowable value"},
              args.unit, out.ABORT))
        return;
      T = TMIN;
      V = VL;
    }
  }

  // Loading state. The shares of the full load are 100 percent at the full-load draft, as the list
  // shows them, and never more: the quotient of two equal values, each rounded, can land a unit in
  // the last place above it, which the analysis would take for more than the full load.
  out.DISPL = V / kCubicFeetPerLongTon;
  float WC = out.DISPL - LS;  // cargo
  if (WC < 0.0f) WC = 0.0f;
  const float F = D - T;  // freeboard
  const bool fullLoad = T >= eps.MAXDFT;
  const auto shareOfFullLoad = [fullLoad](float part, float full) {
    return fullLoad ? 100.0f : std::min(100.0f * part / full, 100.0f);
  };
  out.LOADED = shareOfFullLoad(FF, F);
  out.DFTPCT = shareOfFullLoad(T, eps.MAXDFT);
  out.DSPPCT = shareOfFullLoad(out.DISPL, DF);

  // Hydrostatics at the draft.
  out.AWP = AF * ALPHA(T, eps);
  const float CWT = out.AWP / (L * B);
  const float CBT = V / (L * B * T);
  out.VKB = (CWT / CBT + 2.0f) * T / 6.0f;
  out.VKG = (KGL * LS + 0.5f * D * WC) / out.DISPL;
  out.VKMT = out.VKB + (3.0f * CWT - 1.0f) * B * B / (24.0f * T * CBT);
  out.VKML = out.VKB + L * L * CWT * (1.0f - 2.0f * CWT + 2.0f * CWT * CWT) / (12.0f * T * CBT);

  // Radii of gyration of the loaded ship about its centre of gravity: lightship and a cargo block.
  const float q = WC / LS;
  const float LC = L * CWT;
  const float cx2 = (B * B + D * D) / 12.0f;
  const float cy2 = (LC * LC + D * D) / 12.0f;
  const float cz2 = (LC * LC + B * B) / 12.0f;
  const float gLight = out.VKG - KGL;
  const float gCargo = out.VKG - D / 2.0f;
  out.RGYR = std::sqrt((kx2 + gLight * gLight + q * (cx2 + gCargo * gCargo)) / (q + 1.0f));
  out.PGYR = std::sqrt((ky2 + gLight * gLight + q * (cy2 + gCargo * gCargo)) / (q + 1.0f));
  out.YGYR = std::sqrt((kz2 + q * cz2) / (q + 1.0f));

  // Areas.
  out.XWNDA += B * F;
  out.YWNDA += L * F;
  out.XCURA = B * T;
  out.YCURA = L * T;
  out.LWL = L;
  out.BWL = B;

  // To the data set's units.
  const float length = metric(NUNTS) ? kMetresPerFoot : 1.0f;
  const float area = metric(NUNTS) ? kSquareMetresPerSquareFoot : 1.0f;
  out.DISPL *= metric(NUNTS) ? kMetricTonsPerLongTon : kKipsPerLongTon;
  for (float* x :
       {&out.VKB, &out.VKG, &out.VKMT, &out.VKML, &out.LWL, &out.BWL, &out.PGYR, &out.RGYR, &out.YGYR, &out.BILGR})
    *x *= length;
  out.DRAFT = T * length;
  for (float* x : {&out.AWP, &out.XWNDA, &out.YWNDA, &out.XCURA, &out.YCURA}) *x *= area;
}

void ENTEST(std::int32_t& CODE, std::int32_t IUNIT, std::int32_t IIN, Text<40>& LIST) {
  writeRecord(IUNIT, "");
  writeRecord(IUNIT, " >>> Change items 1 or 2 for new estimates or input letter(s) (\"ACD...\")");
  writeRecord(IUNIT, "     to select individual replacements (or \"Z\" to replace all);");
  WRTLIN("    \"?\" for help, <Return> to continue WITHOUT replacement: ", IUNIT);
  const std::string reply = readReply(IIN, 40);
  const char first = reply[0];
  // Only the letters of this reply count: a number that reads as -1 must not copy an earlier list.
  LIST.blank();
  if (first == 'Z' || first == 'z') {
    CODE = kReplaceAllEstimates;
  } else if (first == '1' || first == '2' || first == ' ') {
    int value = 0;
    CODE = readIntField(std::string_view(reply).substr(0, 6), value) ? value : 0;
  } else if (first == '?') {
    CODE = kNavQuery;
  } else {
    std::size_t n = 0;
    for (char c : reply) {
      if (n == kMaxEstimateLetters) break;
      if (c >= 'a' && c <= 'y') c = static_cast<char>(c - 'a' + 'A');
      if (c >= 'A' && c <= 'Y') LIST.c[n++] = c;
    }
    CODE = kNavBack;
  }
}

void TNKHLP(std::int32_t IUNIT, std::int32_t IIN, std::int32_t& IRET) {
  CLEAR(IUNIT);
  for (const char* line : kHelpLines) writeRecord(IUNIT, line);
  PRSRET(IUNIT, IIN, IRET);
}

namespace {

// The vessel data items of the estimator, in letter order A to U.
using DataItems = std::array<float*, 21>;

// The table from the data set's values.
void loadTable(TankerState& s, const DataItems& items, std::int32_t nunts) {
  TankerTable& q = s.table;
  for (const EstimateRow& r : kRows) q.*r.value = *items[static_cast<std::size_t>(r.letter - 'A')];
  q.DWTONQ *= longTonsPerWeightUnit(nunts);
  s.FRSTIM = 0;
  s.tableUnits = nunts;
  s.REFRSH = q.DWTONQ > 0.0f && q.DRAFTQ > 0.0f ? 1 : 0;
}

// Estimates from the request's deadweight and draft. The table takes the estimate unless the user
// aborted it at a message, so that an aborted request leaves the table as it was.
void estimate(TankerState& s, TankerTable q, std::int32_t unit, std::int32_t inUnit, std::int32_t nunts) {
  std::int32_t abort = 0;
  ESTIM8({.unit = unit, .inUnit = inUnit, .NUNTS = nunts,
          .out = {.DISPL = q.DISPLQ, .VKB = q.VKBQ, .VKG = q.VKGQ, .DRAFT = q.DRAFTQ, .AWP = q.AWPQ, .VKMT = q.VKMTQ,
                  .VKML = q.VKMLQ, .LWL = q.LWLQ, .BWL = q.BWLQ, .PGYR = q.PGYRQ, .RGYR = q.RGYRQ, .YGYR = q.YGYRQ,
                  .BILGR = q.BILGRQ, .XWNDA = q.XWNDAQ, .YWNDA = q.YWNDAQ, .XCURA = q.XCURAQ, .YCURA = q.YCURAQ,
                  .DWTON = q.DWTONQ, .LOADED = q.LOADEQ, .DFTPCT = q.DFTPCQ, .DSPPCT = q.DSPPCQ, .ABORT = abort}});
  if (abort != -1) s.table = q;
  s.REFRSH = 0;
}

// Code 1 asks for a new deadweight, code 2 for a new draft.
void askVariable(std::int32_t code, TankerTable& request, std::int32_t unit, std::int32_t inUnit, std::int32_t nunts) {
  if (code == 1) {
    writeRecord(unit, " 1. Deadweight ............... " + fmtF(request.DWTONQ, 7, 0) + " Long Tons");
    ENTERF(request.DWTONQ, unit, inUnit);
  } else if (code == 2) {
    writeRecord(unit, " 2. Simulation Draft ......... " + fmtF(request.DRAFTQ, 6, 2) + lengthLabel(nunts));
    ENTERF(request.DRAFTQ, unit, inUnit);
  }
}

// The estimates chosen by the reply's code: the letters of the list up to its first blank (V to Y
// stand for none), or all for "Z". The deadweight goes back in the data set's weight unit.
void copyChosen(const TankerState& s, std::int32_t code, const DataItems& items, std::int32_t nunts) {
  const auto copy = [&](char letter) {
    float value = s.table.*row(letter).value;
    if (letter == 'S') value /= longTonsPerWeightUnit(nunts);
    *items[static_cast<std::size_t>(letter - 'A')] = value;
  };
  if (code == kNavBack) {
    for (char letter : s.CHARAY.view()) {
      if (letter == ' ') break;
      if (letter <= 'U') copy(letter);
    }
  } else if (code == kReplaceAllEstimates) {
    for (const EstimateRow& r : kRows) copy(r.letter);
  }
}

}  // namespace

void TANKER(const TankerArgs& args) {
  const TankerArgs::Out& out = args.out;
  TankerState& s = tanker;
  const DataItems items = {&out.DISPL, &out.DSPPCT, &out.LWL,    &out.BWL,    &out.DRAFT,  &out.RGYR,   &out.PGYR,
                           &out.TYGYR, &out.AWP,    &out.TXCURA, &out.TYCURA, &out.LOADED, &out.DFTPCT, &out.TVKMT,
                           &out.TVKML, &out.TVKB,   &out.TVKG,   &out.BILGR,  &out.DWTONS, &out.TXWNDA, &out.TYWNDA};
  // The table starts from the data set, and starts again from it when the data set has been
  // converted to the other unit system since, so that no estimate is copied in the wrong units.
  if (s.FRSTIM == 1 || s.tableUnits != args.NUNTS) loadTable(s, items, args.NUNTS);

  TankerTable request = s.table;
  for (;;) {
    if (s.REFRSH != 0) estimate(s, request, args.EDUNIT, args.IIN, args.NUNTS);
    request = s.table;
    CLEAR(args.EDUNIT);
    drawEstimates(s.table, args.NUNTS, args.EDUNIT);
    ENTEST(out.LBACK, args.EDUNIT, args.IIN, s.CHARAY);
    if (out.LBACK == kNavQuery) {
      TNKHLP(args.EDUNIT, args.IIN, out.IPAG);
    } else if (out.LBACK >= 1) {
      askVariable(out.LBACK, request, args.EDUNIT, args.IIN, args.NUNTS);
      s.REFRSH = 1;
    } else {
      break;
    }
  }
  copyChosen(s, out.LBACK, items, args.NUNTS);
}

}  // namespace qv

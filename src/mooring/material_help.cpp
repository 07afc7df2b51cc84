#include "mooring/material_help.h"

#include <cassert>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "mooring/curve_fit.h"
#include "mooring/taut_line.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/farray.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/sim_types.h"

namespace qv {

namespace {

// ---- The database, by line-type row n = 1..20 (rows 5, 9, 10 and 17..20 are not offered) ----
// With d the diameter [in]: dry weight 0.001 WIA d^2 [kip/ft], breaking strength BC1 d^BC2 [kip],
// compliance coefficients ELAS(j) / TB^j [1/kip^j] for a breaking strength TB.

// Specific gravity of the medium: air, fresh water, sea water.
constexpr Arr<float, 3> WCOEFF{{0.0f, 1.0f, 1.025f}};

// Compliance coefficients of the row relative to the breaking strength.
constexpr Arr<float, 3, 20> ELAS{{
    0.00948f, 0.0f, 0.0f,         // 1
    0.00695f, 0.0f, 0.0f,         // 2
    0.007548f, 0.0f, 0.0f,        // 3
    0.0f, 0.0f, 0.0f,             // 4: inextensible
    0.0f, 0.0f, 0.0f,             // 5
    0.013f, 0.0f, 0.0f,           // 6
    0.008868f, 0.0f, 0.0f,        // 7
    0.009524f, 0.0f, 0.0f,        // 8
    0.0f, 0.0f, 0.0f,             // 9
    0.0f, 0.0f, 0.0f,             // 10
    0.0223f, 0.0f, 0.0f,          // 11
    0.811f, -0.584f, 0.154f,      // 12
    0.509f, -0.308f, 0.083f,      // 13
    0.676f, -0.42f, 0.112f,       // 14
    0.509f, -0.296f, 0.076f,      // 15
    0.313f, -0.176f, 0.043f,      // 16
    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,  // 17..20
}};

// Weight factor: dry weight per unit length 0.001 WIA d^2.
constexpr Arr<float, 20> WIA{{10.0f, 9.5f, 8.67f, 10.0f, 10.0f, 1.856f, 2.16f, 2.16f, 1.856f, 1.856f, 0.26f, 0.29f,
                               0.316f, 0.306f, 0.172f, 0.34f, 0.0f, 0.0f, 0.0f, 0.0f}};

// Breaking strength BC1 d^BC2.
constexpr Arr<float, 20> BC1{{107.8f, 101.3f, 101.3f, 107.8f, 107.8f, 91.9f, 123.1f, 174.0f, 91.9f, 91.9f, 60.0f,
                               38.38f, 42.18f, 33.09f, 17.62f, 52.12f, 0.0f, 0.0f, 0.0f, 0.0f}};
constexpr Arr<float, 20> BC2{{2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 2.0f, 1.981f, 1.77f, 2.0f, 2.0f, 2.0f, 1.791f, 1.792f,
                               1.861f, 1.821f, 1.717f, 0.0f, 0.0f, 0.0f, 0.0f}};

// Specific gravity of the material.
constexpr Arr<float, 20> SPG{{7.82f, 7.82f, 7.82f, 7.82f, 7.82f, 6.03f, 7.93f, 7.93f, 6.03f, 6.03f, 1.42f, 1.14f,
                               1.24f, 1.38f, 0.9f, 1.42f, 0.0f, 0.0f, 0.0f, 0.0f}};

// Metric results: kips to metric tons, and coefficients per kip^j to per t^j.
constexpr float kMmPerInch = 25.4f;
constexpr float kKipPerTon = 2.204f;
constexpr float kKipPerTon2 = 4.858f;
constexpr float kKipPerTon3 = 10.706f;
constexpr float kWeightPerMm2 = 0.00231f;  // 0.001 WIA D^2 with D [mm] to [t/m]

enum Kind : std::int32_t { kSubmerged = 0, kCompliance = 1, kStrength = 2, kDry = 3 };

// ---- The line-type menu ----

struct Row {
  std::int32_t n;
  std::string_view name;
};
struct Section {
  std::string_view title;
  std::vector<Row> rows;
};
const std::vector<Section> kLineTypes = {
    {"        >>> Chain Types <<<",
     {{1, "Stud-link chain (generic O.R.Q.; 1975)"},
      {2, "Stud-link chain (Ramnas  O.R.Q.; 1994)"},
      {3, "Studless Grade RQ4 Chain"},
      {4, "Inextensible stud-link chain"}}},
    {"        >>> Wire Rope Types <<<",
     {{6, "I.W.R.C. wire rope (O.R.Q.)"},
      {7, "Brydon spiral strand wire rope (unsheathed)"},
      {8, "Brydon spiral strand wire rope (unsheathed; remodeled 1995)"}}},
    {"        >>> Synthetic Rope Types <<<",
     {{11, "Kevlar stranded rope (Samson)"},
      {12, "Braided nylon rope (Samson \"two-in-one\")"},
      {13, "Samson Nystron rope"},
      {14, "100% polyester braided rope"},
      {15, "Monogrip 100% polypropylene rope"},
      {16, "manilla rope"}}},
};

bool offeredRow(std::int32_t n) {
  for (const Section& section : kLineTypes)
    for (const Row& row : section.rows)
      if (row.n == n) return true;
  return false;
}

// ---- The notes ----

struct Note {
  std::int32_t item;
  std::vector<std::string_view> lines;
};
// Notes shown together on one screen when all are asked for.
using NoteScreen = std::vector<Note>;

constexpr std::string_view kNotesTitle = "****  Material Properties Help Notes  ****";

// What an item without a note shows.
const std::vector<std::string_view> kNoNote = {" ++> Sorry, no help for this line..."};

const std::vector<NoteScreen> kComplianceNotes = {{
    {1,
     {" The compliance coefficients are fitted by least squares to a table of",
      " points (tension, elongation) measured for the line material. Tensions",
      " are entered in simulation-consistent units (kips or metric tons), and",
      " elongations as a decimal fraction of the unstretched length (10% is",
      " 0.10). A point at (0,0) is included automatically; no zero values are",
      " accepted."}},
    {2,
     {" The compliance coefficients are estimated from the built-in database",
      " for the line type and the subline diameter. Chain, wire rope and",
      " kevlar rope follow Hooke's law: a single non-zero coefficient. The",
      " other synthetic ropes have three non-zero coefficients."}},
}};

const std::vector<std::string_view> kMediumNote = {
    " The weight per unit length of the subline submerged in the selected",
    " medium is estimated from the built-in database for the medium, the",
    " line type and the subline diameter.",
};

const std::vector<NoteScreen> kLineTypeNotes = {
    {
        {1, {" Stud-link chain data (generic O.R.Q.) compiled from various", "     sources by Kestrin; circa 1975."}},
        {2, {" Stud-link chain data (O.R.Q.) from the Ramnas chain catalogue", "     of 1994."}},
        {3,
         {" Weights, strengths and elasticity of",
          "     Studless Grade RQ4 Chain from 1993 Vicinay Cadenas, S.A.", "     catalogue."}},
        {4,
         {" \"Inextensible\" stud-link chain: the weights and strengths of",
          "     generic stud-link chain without tension-related elongation,",
          "     for comparison with data that neglect the line's elasticity."}},
    },
    {
        {6, {" I.W.R.C. wire rope data (O.R.Q.) compiled from various", "     sources."}},
        {7, {" Brydon spiral strand wire rope, blocked, unsheathed:", "     data from before 1995."}},
        {8, {" Brydon spiral strand wire rope, blocked, unsheathed:", "     data remodeled in 1995."}},
    },
    {
        {11, {" Samson wet-rope data, circa 1983: kevlar stranded rope with a", "     protective sheath."}},
        {12, {" Samson wet-rope data, circa 1983: braided nylon rope", "     (two-in-one)."}},
        {13, {" Samson wet-rope data, circa 1983: Nystron rope, a", "     nylon-polyester composite."}},
        {14, {" 100% polyester braided rope: data circa 1985."}},
        {15, {" Monogrip 100% polypropylene rope: data circa 1985."}},
        {16, {" Manilla rope: data circa 1985."}},
    },
};

constexpr std::int32_t kTautWireItem = 5;

const std::vector<NoteScreen> kMenuNotes = {{
    {1,
     {" Estimates the weight per unit length of the subline submerged in",
      " air, fresh water or sea water, from the built-in database for the",
      " line type and the subline diameter."}},
    {2,
     {" Estimates the breaking strength of the subline from the built-in",
      " database for the line type and the subline diameter."}},
    {3,
     {" Gives the compliance coefficients of the subline's strain law,",
      " either fitted to the user's own tension/elongation points or",
      " estimated from the built-in database for the line type and the",
      " subline diameter."}},
    {4,
     {" Estimates the dry weight (weight in air) per unit length of the",
      " subline from the built-in database for the line type and the",
      " subline diameter."}},
    {kTautWireItem,
     {" Computes the length of the fairlead subline (subline 1) that gives",
      " the specified fairlead pretension. The line is taken as perfectly",
      " vertical, with a height-dependent strain due to its self-weight.",
      " All weights and elastic coefficients of the sublines of this line",
      " type must be given first."}},
}};

void writeNoteTitle(std::int32_t IOUT) {
  CLEAR(IOUT);
  writeRecord(IOUT, kNotesTitle);
}

void writeHeadedNote(std::int32_t IOUT, std::string_view items, const std::vector<std::string_view>& lines) {
  writeRecord(IOUT, "");
  writeRecord(IOUT, " ++> Item Number  " + std::string(items));
  for (std::string_view line : lines) writeRecord(IOUT, line);
}

// The note of one item, or all notes a screen at a time (ITEM 0). `shown` tells which items have a
// note for this caller.
template <typename Shown>
void showNotes(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM, const std::vector<NoteScreen>& screens,
               Shown shown) {
  if (ITEM == 0) {
    for (const NoteScreen& screen : screens) {
      writeNoteTitle(IOUT);
      for (const Note& note : screen)
        if (shown(note.item)) writeHeadedNote(IOUT, fmtI(note.item, 0), note.lines);
      PRSRET(IOUT, IIN);
    }
    return;
  }
  const std::vector<std::string_view>* lines = &kNoNote;
  for (const NoteScreen& screen : screens)
    for (const Note& note : screen)
      if (note.item == ITEM && shown(ITEM)) lines = &note.lines;
  writeNoteTitle(IOUT);
  writeHeadedNote(IOUT, fmtI(ITEM, 0), *lines);
  PRSRET(IOUT, IIN);
}

void showNotes(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM, const std::vector<NoteScreen>& screens) {
  showNotes(IOUT, IIN, ITEM, screens, [](std::int32_t) { return true; });
}

// ---- The menus of HELP ----

constexpr std::string_view headerOf(std::int32_t KIND) {
  switch (KIND) {
    case kStrength: return " ***  Help for breaking strengths  ***";
    case kCompliance: return " ***  Help for line compliance coefficients  ***";
    default: return " ***  Help for line weight/length  ***";
  }
}

void writeHeader(std::int32_t KIND, std::int32_t IOUT) {
  CLEAR(IOUT);
  writeRecord(IOUT, headerOf(KIND));
}

// A menu under the header of KIND, drawn by `draw`, until the user leaves it (0) or selects an
// item that `offered` accepts; "?" shows `notes` and the menu again, other numbers draw it again.
template <typename Draw, typename Offered>
std::int32_t chooseFrom(std::int32_t KIND, std::int32_t IOUT, std::int32_t IIN, Draw draw, Offered offered,
                        void (*notes)(std::int32_t, std::int32_t, std::int32_t)) {
  for (;;) {
    writeHeader(KIND, IOUT);
    draw();
    std::int32_t selection = 0;
    std::int32_t number = 0;
    ENTSEL(selection, IOUT, IIN, number);
    if (selection == kNavQuery) {
      notes(IOUT, IIN, number);
      continue;
    }
    if (selection < 1) return 0;
    if (offered(selection)) return selection;
  }
}

// A short menu: its lines after a blank one, items 1..count.
std::int32_t chooseItem(std::int32_t KIND, const std::vector<std::string_view>& lines, std::int32_t count,
                        std::int32_t IOUT, std::int32_t IIN, void (*notes)(std::int32_t, std::int32_t, std::int32_t)) {
  return chooseFrom(
      KIND, IOUT, IIN,
      [&] {
        writeRecord(IOUT, "");
        for (std::string_view line : lines) writeRecord(IOUT, line);
      },
      [count](std::int32_t item) { return item <= count; }, notes);
}

const std::vector<std::string_view> kMediumMenu = {"  >>> Select submergence medium:", "", " 1) Air",
                                                   " 2) Freshwater", " 3) Seawater"};
const std::vector<std::string_view> kComplianceMenu = {" 1) User-specified stress/strain curve",
                                                       " 2) Built-in compliance coefficients"};
constexpr std::int32_t kUserCurve = 1;

std::int32_t chooseMedium(std::int32_t IOUT, std::int32_t IIN) {
  return chooseItem(kSubmerged, kMediumMenu, 3, IOUT, IIN, HHLP2);
}

std::int32_t chooseComplianceSource(std::int32_t IOUT, std::int32_t IIN) {
  return chooseItem(kCompliance, kComplianceMenu, 2, IOUT, IIN, HHLP1);
}

// The line-type row chosen (an offered one), or 0 when the user leaves.
std::int32_t chooseLineType(std::int32_t KIND, std::int32_t IOUT, std::int32_t IIN) {
  const auto draw = [IOUT] {
    for (const Section& section : kLineTypes) {
      writeRecord(IOUT, "");
      writeRecord(IOUT, section.title);
      writeRecord(IOUT, "");
      for (const Row& row : section.rows) writeRecord(IOUT, fmtI(row.n, 3) + ") " + std::string(row.name));
    }
    writeRecord(IOUT, "");
  };
  return chooseFrom(KIND, IOUT, IIN, draw, offeredRow, HHLP3);
}

// ---- The menu of HELPUS ----

void writeFacilityTitle(std::int32_t unit) {
  CLEAR(unit);
  writeRecord(unit, "****  Simulation Help Facility  ****");
}

// The data the taut-wire subline length needs, and the question whether to go on.
bool tautWireDataConfirmed(std::int32_t unit) {
  CLEAR(unit);
  writeRecord(unit, " ++> The requested computation REQUIRES the following data:");
  writeRecord(unit, "");
  writeRecord(unit, "       - submerged weights of all sublines of this line type");
  writeRecord(unit, "       - elastic coefficients of all sublines of this line type");
  writeRecord(unit, "       - fairlead heights");
  writeRecord(unit, "       - line pretensions");
  writeRecord(unit, "       - anchor depth");
  writeRecord(unit, "       - line numbers of this line type");
  writeRecord(unit, "");
  writeRecord(unit, " The calculation will fail if any data is missing or incorrect.");
  std::int32_t answer = 0;
  ABORT0(unit, kKeyboardUnit, answer);
  return answer != -1;
}

constexpr std::int32_t kMostTypes = 150;

// Item 5: the fairlead subline length of line type ITYP, once the user has seen what it needs.
void sizeTautWireSubline(std::int32_t unit, std::int32_t ITYP) {
  if (ITYP < 1 || ITYP > kMostTypes) {
    CLEAR(unit);
    writeRecord(unit, " ++> Line type" + fmtI(ITYP, 4) + ": not a line type of the data set (1 to 150);");
    writeRecord(unit, "     no subline length is computed.");
    PRSRET(unit, kKeyboardUnit);
    return;
  }
  if (tautWireDataConfirmed(unit)) TENDNDP(ITYP);
}

}  // namespace

void HELP(float& RESULT, float* A, std::int32_t NUNTS, float DIAM, std::int32_t KIND, std::int32_t IOUT,
          std::int32_t IIN) {
  assert(KIND >= kSubmerged && KIND <= kDry);
  std::int32_t medium = 0;
  if (KIND == kSubmerged && (medium = chooseMedium(IOUT, IIN)) == 0) return;
  if (KIND == kCompliance) {
    const std::int32_t source = chooseComplianceSource(IOUT, IIN);
    if (source == 0) return;
    if (source == kUserCurve) {
      FITCRV(A, IOUT, IIN);
      return;
    }
  }
  const std::int32_t n = chooseLineType(KIND, IOUT, IIN);
  if (n == 0) return;

  const bool metric = NUNTS == kMetricUnits;
  if (KIND == kCompliance || KIND == kStrength) {
    const float d = metric ? DIAM / kMmPerInch : DIAM;  // [in]
    const float TB = BC1(n) * std::pow(d, BC2(n));      // [kip]
    RESULT = metric ? TB / kKipPerTon : TB;
    if (KIND == kStrength) return;
    A[0] = ELAS(1, n) / TB;
    A[1] = ELAS(2, n) / (TB * TB);
    A[2] = ELAS(3, n) / (TB * TB * TB);
    if (metric) {
      A[0] *= kKipPerTon;
      A[1] *= kKipPerTon2;
      A[2] *= kKipPerTon3;
    }
    return;
  }
  // Weights from the diameter as entered: a metric diameter stays in millimetres.
  float weight = 0.001f * WIA(n) * DIAM * DIAM;
  if (KIND == kSubmerged) weight *= (SPG(n) - WCOEFF(medium)) / SPG(n);
  RESULT = metric ? weight * kWeightPerMm2 : weight;
}

void HELPUS(float DIAM, float& WETW, float& DRYW, float& BREAK, float* A, std::int32_t ITYP) {
  Tpcm& d = TPCM;
  const std::int32_t unit = d.EDUNIT;
  const bool tautWireOffered = d.CREATR != kSimGreldin;
  if (!(DIAM > 0.0f)) {
    writeFacilityTitle(unit);
    writeRecord(unit, " ++> Subline diameter must be input to obtain help.");
    PRSRET(unit, kKeyboardUnit);
    return;
  }
  for (;;) {
    writeFacilityTitle(unit);
    writeRecord(unit, "");
    writeRecord(unit, " 1) HELP with submerged weight per unit length...");
    writeRecord(unit, " 2) HELP with breaking strength...");
    writeRecord(unit, " 3) HELP with compliance coefficients...");
    writeRecord(unit, " 4) HELP with dry weight per unit length...");
    if (tautWireOffered) writeRecord(unit, " 5) Fairlead subline length for specified tautwire tension...");
    std::int32_t number = 0;
    ENTSEL(d.LBACK, unit, kKeyboardUnit, number);
    const std::int32_t item = d.LBACK;
    if (item == kNavQuery) {
      MTLHLP(unit, kKeyboardUnit, number, d.CREATR);
      continue;
    }
    if (item < 1) return;
    float strength = 0.0f;  // the compliance item's breaking strength is not kept
    switch (item) {
      case 1: HELP(WETW, A, d.NUNTS, DIAM, kSubmerged, unit, kKeyboardUnit); break;
      case 2: HELP(BREAK, A, d.NUNTS, DIAM, kStrength, unit, kKeyboardUnit); break;
      case 3: HELP(strength, A, d.NUNTS, DIAM, kCompliance, unit, kKeyboardUnit); break;
      case 4: HELP(DRYW, A, d.NUNTS, DIAM, kDry, unit, kKeyboardUnit); break;
      case kTautWireItem:
        if (tautWireOffered) sizeTautWireSubline(unit, ITYP);
        break;
      default: break;
    }
  }
}

void HHLP1(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM) { showNotes(IOUT, IIN, ITEM, kComplianceNotes); }

void HHLP2(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM) {
  // One note serves the three media.
  writeNoteTitle(IOUT);
  if (ITEM == 0) writeHeadedNote(IOUT, "1 -> 3", kMediumNote);
  else writeHeadedNote(IOUT, fmtI(ITEM, 0), ITEM >= 1 && ITEM <= 3 ? kMediumNote : kNoNote);
  PRSRET(IOUT, IIN);
}

void HHLP3(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM) { showNotes(IOUT, IIN, ITEM, kLineTypeNotes); }

void MTLHLP(std::int32_t IOUT, std::int32_t IIN, std::int32_t ITEM, std::int32_t CREATR) {
  showNotes(IOUT, IIN, ITEM, kMenuNotes,
            [CREATR](std::int32_t item) { return item != kTautWireItem || CREATR != kSimGreldin; });
}

}  // namespace qv

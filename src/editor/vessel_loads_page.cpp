// Page 8, the vessel's low-frequency environmental loads: for wind, current and wave drift the load
// model of the surge force (Cx), the sway force (Cy) and the yaw moment (Cz), one model for all three
// or one each, with what the built-in databases need (bow shapes, load conditions, the NSMB "Mean"
// curve, the deadweight), the current correction of user drift coefficients, the shadowing factors
// and the legacy coefficients of the column drift models, and the user coefficient tables.
//
// The model choices live in the packed words LWBARG, LCBARG and LWVCOF (dataset/force_model.h). The
// page keeps nothing between calls: its flags are rebuilt from the words on entry (INITFM) and
// brought up to date before every drawing (TNKRID), which also makes a word uniform when its
// load uses one model for all components.
#include <functional>
#include <iterator>
#include <string>

#include "dataset/force_model.h"
#include "dataset/value_ranges.h"
#include "editor/env_pages.h"
#include "editor/load_model_help.h"
#include "editor/page_loop.h"
#include "editor/user_coefficient_page.h"
#include "platform/units.h"
#include "util/captions.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/fortran_format.h"
#include "util/nav_codes.h"
#include "util/packed_flags.h"

namespace qv {

namespace {

enum Item : std::int32_t {
  kWindToggle = 1,
  kWindModel = 2,  // 2, 3, 4: Cx, Cy, Cz
  kWindTable = 5,
  kWindBow = 6,
  kFreeboardLoad = 7,
  kWindBowFactor = 8,
  kCurrentToggle = 11,
  kCurrentModel = 12,  // 12, 13, 14
  kCurrentTable = 15,
  kCurrentBow = 16,
  kDraftLoad = 17,
  kCurrentBowFactor = 18,
  kMeanCurve = 19,
  kDriftToggle = 21,
  kDriftModel = 22,  // 22, 23, 24
  kCurrentCorrection = 26,
  kHeadOnShadowing = 27,
  kBeamOnShadowing = 28,
  kLegacyCylinder = 29,
  kDeadweight = 31,
};

constexpr float kFullLoad = 100.0f;   // percent

constexpr const char* kComponentLines[] = {
    "Head-on Coefficients (Cx) ................... ",
    "Beam-on Coefficients (Cy) ................... ",
    "Moment Coefficients  (Cz) ................... ",
};

// One of the three loads: its word, its same-model flag and how the page shows it.
struct Load {
  ForceLoad kind;
  std::int32_t& word;
  std::int32_t& sameModel;
  std::int32_t firstItem;   // the toggle; the model lines follow it
  const char* name;         // "Wind", "Current", "Wave"
  const char* modelLine;    // the line of one model for all components
  void (*help)(std::int32_t, std::int32_t, std::int32_t);  // notes on the models
};

// Everything the page edits, its flags and its units.
struct Page {
  std::string_view label, vesselText;
  std::int32_t &LWBARG, &LCBARG, &LWVCOF;
  float &BOWWND, &BOWCUR, &LOADED, &DFTPCT, &DWTONS;
  std::int32_t& CURCOR;
  float &XSHDOW, &YSHDOW;
  std::int32_t& LEG_CYL_DFC;
  Lowcof& tables;
  std::int32_t EDUNIT;
  int KBD;
  std::int32_t& LBACK;
  std::int32_t NUNTS;
  std::int32_t& IPAG;
  std::int32_t IBATCH;

  // Same-model flags (the toggles of items 1, 11 and 21) and the classification of TNKRID.
  std::int32_t SWNFM = 0, SCRFM = 0, SWVFM = 0;
  int WNDUSR = 0, CURUSR = 0, WAVUSR = 0, LCTNKR = 0, LWTNKR = 0, LWNBRG = 0, LCRBRG = 0;

  Load wind{ForceLoad::kWind, LWBARG, SWNFM, kWindToggle, "Wind",
            "Wind force model ............................ ", WNDFHP};
  Load current{ForceLoad::kCurrent, LCBARG, SCRFM, kCurrentToggle, "Current",
               "Current force model ......................... ", CURFHP};
  Load drift{ForceLoad::kDrift, LWVCOF, SWVFM, kDriftToggle, "Wave",
             "Wave force model ............................ ", WAVFHP};

  void refresh() {
    TNKRID(LWBARG, SWNFM, WNDUSR, LCBARG, SCRFM, CURUSR, LWVCOF, SWVFM, WAVUSR, LCTNKR, LWTNKR, LWNBRG, LCRBRG,
           EDUNIT);
  }
  int field(std::int32_t word, int n) const { return NIBVAL(word, n, EDUNIT); }
  bool uses(std::int32_t word, int code) const { return ONEON(word, code, EDUNIT); }
  bool columnDriftModel() const {
    return uses(LWVCOF, kDriftSemiLegacy) || uses(LWVCOF, kDriftSpar) || uses(LWVCOF, kDriftSemi2001);
  }
};

// The bow shape a stored value stands for.
std::string_view windBowText(float bow) {
  if (bow == 0.0f) return "Conventional";
  if (bow == 1.0f) return "Cylindrical";
  if (bow > 1.0f) return "Whoops!";
  return "Interpolated";
}
std::string_view currentBowText(float bow) {
  if (bow == 0.0f) return "Conventional (w/bulb)";
  if (bow == 1.0f) return "Cylindrical (no bulb)";
  if (bow > 1.0f) return "Whoops!";
  return "Interpolated";
}
bool interpolated(std::string_view bowText) { return bowText == "Interpolated"; }
// A bow text in its field of 24 characters.
std::string bowField(std::string_view bowText) { return makeText<24>(bowText).str(); }

std::string itemLine(std::int32_t item, std::string_view text) {
  return " " + fmtI(item, 2) + ") " + std::string(text);
}
std::string valueLine(std::int32_t item, std::string_view label, float value) {
  return itemLine(item, std::string(label) + fmtF(value, 11, 2));
}
std::string yesNo(std::int32_t flag) {
  Text<3> word;
  YESNO(word, flag);
  return word.str();
}

// The lines of the items that are echoed before their value is asked.
std::string valueItemLine(const Page& p, Item item) {
  switch (item) {
    case kFreeboardLoad:
      return valueLine(item, "Freeboard-Based Load ........................", p.LOADED) + " Percent";
    case kWindBowFactor: return valueLine(item, "Bow Interpolation Factor ....................", p.BOWWND);
    case kDraftLoad: return valueLine(item, "Draft-Based Load ............................", p.DFTPCT) + " Percent";
    case kCurrentBowFactor: return valueLine(item, "Bow Interpolation Factor ....................", p.BOWCUR);
    case kHeadOnShadowing: return valueLine(item, "Head-on shadowing & geometry factor .........", p.XSHDOW);
    case kBeamOnShadowing: return valueLine(item, "Beam-on shadowing & geometry factor .........", p.YSHDOW);
    case kDeadweight: {
      Text<16> unitLabel;
      UNITP(unitLabel, p.NUNTS);
      return valueLine(item, "Vessel Deadweight ...........................", p.DWTONS) + unitLabel.str();
    }
    default: return std::string();
  }
}

// The toggle and the model lines of one load.
void drawModels(const Page& p, const Load& load) {
  const std::int32_t unit = p.EDUNIT;
  writeRecord(unit, "");
  writeRecord(unit, itemLine(load.firstItem, std::string("Toggle independent <<") + load.name + ">> Cx, Cy, Cz"));
  if (load.sameModel == 1) {
    writeRecord(unit, itemLine(load.firstItem + 1, load.modelLine + modelName(load.kind, p.field(load.word, 1)).str()));
    return;
  }
  for (int n = 1; n <= 3; ++n)
    writeRecord(unit, itemLine(load.firstItem + n, kComponentLines[n - 1] + modelName(load.kind, p.field(load.word, n)).str()));
}

void drawPage(Page& p) {
  p.refresh();
  const std::int32_t unit = p.EDUNIT;
  writeRecord(unit, fmtX(3) + "****  Page " + std::string(p.label) + ": " + std::string(p.vesselText) +
                        " Low-Frequency " + "Dynamics Characteristics  ****");

  drawModels(p, p.wind);
  if (p.WNDUSR == 1) writeRecord(unit, itemLine(kWindTable, "Specify wind force coefficients"));
  if (p.LWTNKR == 1) {
    writeRecord(unit, "");
    writeRecord(unit, itemLine(kWindBow, "Above-Water Bow Shape ....................... " +
                                             bowField(windBowText(p.BOWWND))));
    writeRecord(unit, valueItemLine(p, kFreeboardLoad));
    if (interpolated(windBowText(p.BOWWND))) writeRecord(unit, valueItemLine(p, kWindBowFactor));
  }

  drawModels(p, p.current);
  if (p.CURUSR == 1) writeRecord(unit, itemLine(kCurrentTable, "Specify current force coefficients"));
  if (p.LCTNKR != 0) {
    writeRecord(unit, "");
    writeRecord(unit, itemLine(kCurrentBow, "Below-Water Bow Shape ....................... " +
                                                bowField(currentBowText(p.BOWCUR))));
    if (p.LCTNKR == 2) writeRecord(unit, valueItemLine(p, kDraftLoad));
    if (interpolated(currentBowText(p.BOWCUR))) writeRecord(unit, valueItemLine(p, kCurrentBowFactor));
    const int first = p.field(p.LCBARG, 1);
    if (p.DFTPCT != kFullLoad && (first == kCurrentNsmbMeanCurve || first == kCurrentNsmbTanker)) {
      writeRecord(unit, itemLine(kMeanCurve, std::string("Use NSMB \"Mean\" curve for 40% load condition: ") +
                                                 (first == kCurrentNsmbMeanCurve ? "Yes" : "No")));
    }
  }

  drawModels(p, p.drift);
  if (p.WAVUSR == 1) {
    writeRecord(unit, "");
    writeRecord(unit, itemLine(kCurrentCorrection, "Apply current correction to drift forces?     " + yesNo(p.CURCOR)));
  }
  if (p.columnDriftModel()) {
    if (p.uses(p.LWVCOF, kDriftSemiLegacy) || p.LEG_CYL_DFC == 1) {
      writeRecord(unit, "");
      writeRecord(unit, valueItemLine(p, kHeadOnShadowing));
      writeRecord(unit, valueItemLine(p, kBeamOnShadowing));
    }
    writeRecord(unit, "");
    writeRecord(unit, itemLine(kLegacyCylinder, "Use legacy cylinder DFCs ....................       " +
                                                    yesNo(p.LEG_CYL_DFC)));
  }
  if (p.LWTNKR == 1) {
    writeRecord(unit, "");
    writeRecord(unit, valueItemLine(p, kDeadweight));
  }
}

// ---- the edits --------------------------------------------------------------------------------------

// Writes the item line again, then asks for its value.
void echoThenEnter(const Page& p, Item item, float& value) {
  writeRecord(p.EDUNIT, valueItemLine(p, item));
  ENTERF(value, p.EDUNIT, p.KBD);
}

// A load condition in percent: held within 0 to 100.
void enterPercent(const Page& p, Item item, float& value) {
  echoThenEnter(p, item, value);
  if (value > kFullLoad) value = kFullLoad;
  if (!(value >= 0.0f)) value = 0.0f;
}

// A bow interpolation factor: a typed value outside 0 to 1 is discarded, judged as the analysis
// judges the factor's range (withinBounds); one that is an end rounded is taken as that end
// (takenAsBound), as every stage takes a bound.
void enterBowFactor(const Page& p, Item item, float& bow) {
  float typed = bow;
  echoThenEnter(p, item, typed);
  if (withinBounds(typed, 0.0f, 1.0f)) bow = takenAsBound(typed, 0.0f, 1.0f);
}

// The bow sub-page: conventional, cylindrical or the average of the two. Every code returns to the
// page unchanged.
void chooseBow(const Page& p, const char* load, float& bow, const std::function<void(std::int32_t)>& help) {
  std::int32_t reply = 0;
  std::int32_t number = 0;
  PageLoop sub;
  sub.draw = [&] {
    writeRecord(p.EDUNIT, "");
    writeRecord(p.EDUNIT, std::string("+++  ") + load + "-Related Bow Type Selection  +++");
    writeRecord(p.EDUNIT, "");
    writeRecord(p.EDUNIT, " 1) Conventional (with bulb)");
    writeRecord(p.EDUNIT, " 2) Cylindrical (no bulb)");
    writeRecord(p.EDUNIT, " 3) Interpolated (on 1 & 2)");
  };
  sub.help = help;
  sub.other = [&](std::int32_t choice) {
    if (choice == kNavHelp || choice > 3) return PageStep::kRedraw;
    if (choice == 1) bow = 0.0f;
    if (choice == 2) bow = 1.0f;
    if (choice == 3) bow = 0.5f;
    return PageStep::kLeave;
  };
  sub.reply = &reply;
  sub.number = &number;
  runPage(sub);
}

// The current bow notes: NSMB '91 unless field 1 is the OCIMF '77 database.
void currentBowHelp(const Page& p, std::int32_t line) {
  const int first = p.field(p.LCBARG, 1);
  if (first != kCurrentOcimfTanker && (first == kCurrentNsmbMeanCurve || p.uses(p.LCBARG, kCurrentNsmbTanker))) {
    NSMBHP(p.EDUNIT, p.KBD, line);
  } else {
    OCIMHP(p.EDUNIT, p.KBD, line);
  }
}

// The typed table of the wind or the current load in LOWCOF.
void tableEditor(Page& p, ForceLoad kind, std::int32_t& code) {
  if (kind == ForceLoad::kWind) {
    COFUPD("<<Wind Force>> Coefficient Specification", p.LWBARG, p.tables.UWNANG, p.tables.UWNCFS,
           p.tables.NUWNPT, kModelLowdatTable, code, p.IPAG);
  } else {
    COFUPD("<<Current Force>> Coefficient Specification", p.LCBARG, p.tables.UCRANG, p.tables.UCRCFS,
           p.tables.NUCRPT, kModelLowdatTable, code, p.IPAG);
  }
}

// The table editor of a load, run until it hands back 0 (back to the page) or a code, which ends the
// page.
PageStep editTable(Page& p, const Load& load) {
  std::int32_t code = 0;
  do {
    tableEditor(p, load.kind, code);
  } while (code > 0);
  if (code == 0) return PageStep::kRedraw;
  p.LBACK = code;
  return PageStep::kLeave;
}

// The menu numbers each model with one digit, its code.
static_assert(std::size(kWindModels) <= 9 && std::size(kCurrentModels) <= 9 && std::size(kDriftModels) <= 9);

// The model sub-page of one component (or of all three when the load uses one model): a choice of
// "User-Specified LOWDAT" that is new for the component opens the wind or current table at once.
PageStep chooseModel(Page& p, Load& load, int component) {
  const int count = modelCount(load.kind);
  std::string label = load.name;
  if (load.sameModel != 1) label += std::string(" C") + "xyz"[component - 1];
  int chosen = 0;
  PageLoop sub;
  sub.draw = [&] {
    writeRecord(p.EDUNIT, "");
    writeRecord(p.EDUNIT, " +++  " + label + " Model Selection  +++");
    writeRecord(p.EDUNIT, "");
    for (int code = 1; code <= count; ++code)
      writeRecord(p.EDUNIT, " " + fmtI(code, 1) + ") " + modelName(load.kind, code).str());
  };
  sub.help = [&](std::int32_t line) { load.help(p.EDUNIT, p.KBD, line); };
  sub.other = [&](std::int32_t choice) {
    if (choice == kNavHelp || choice > count) return PageStep::kRedraw;
    if (choice >= 1) chosen = choice;
    return PageStep::kLeave;
  };
  sub.reply = &p.LBACK;
  sub.number = &p.IPAG;
  runPage(sub);
  if (p.LBACK < 0) return PageStep::kLeave;
  if (chosen == 0) return PageStep::kRedraw;

  const int old = p.field(load.word, component);
  NIBSET(load.word, component, chosen, p.EDUNIT);
  p.refresh();
  if (load.kind != ForceLoad::kDrift && chosen == kModelLowdatTable && old != kModelLowdatTable)
    return editTable(p, load);
  return PageStep::kRedraw;
}

// The selections that may end the page (the model choices and the tables), and those of hidden
// items, which are ignored.
PageStep otherSelection(Page& p, std::int32_t reply) {
  for (Load* load : {&p.wind, &p.current, &p.drift}) {
    const std::int32_t component = reply - load->firstItem;
    if (component < 1 || component > 3) continue;
    if (component > 1 && load->sameModel == 1) return PageStep::kRedraw;
    return chooseModel(p, *load, component);
  }
  if (reply == kWindTable) return p.WNDUSR == 1 ? editTable(p, p.wind) : PageStep::kRedraw;
  if (reply == kCurrentTable) return p.CURUSR == 1 ? editTable(p, p.current) : PageStep::kRedraw;
  return reply == kNavHelp ? PageStep::kRedraw : leaveOnBlankOrCode(reply);
}

}  // namespace

void LOWVES(const LowvesArgs& args) {
  const LowvesArgs::Out& out = args.out;
  Page p{args.label, args.vesselText, out.LWBARG, out.LCBARG, out.LWVCOF, out.BOWWND, out.BOWCUR,
         out.LOADED, out.DFTPCT,      out.DWTONS, out.CURCOR, out.XSHDOW, out.YSHDOW, out.LEG_CYL_DFC,
         out.tables, args.EDUNIT,     args.KBD,   out.LBACK,  args.NUNTS, out.IPAG,   args.IBATCH};
  INITFM(out.LWBARG, p.SWNFM, out.LCBARG, p.SCRFM, out.LWVCOF, p.SWVFM, args.EDUNIT);

  const auto toggle = [&p](std::int32_t& flag) { TOGGLE2(flag, p.IBATCH, p.EDUNIT, p.KBD); };
  const PageItem items[] = {
      {kWindToggle, [&] { toggle(p.SWNFM); }},
      {kWindBow,
       [&] {
         chooseBow(p, "Wind", out.BOWWND, [&](std::int32_t line) { WBOWHP(p.EDUNIT, p.KBD, line); });
       },
       [&] { return p.LWTNKR == 1; }},
      {kFreeboardLoad, [&] { enterPercent(p, kFreeboardLoad, out.LOADED); }, [&] { return p.LWTNKR == 1; }},
      {kWindBowFactor, [&] { enterBowFactor(p, kWindBowFactor, out.BOWWND); },
       [&] { return p.LWTNKR == 1 && interpolated(windBowText(out.BOWWND)); }},
      {kCurrentToggle, [&] { toggle(p.SCRFM); }},
      {kCurrentBow,
       [&] {
         chooseBow(p, "Current", out.BOWCUR, [&](std::int32_t line) { currentBowHelp(p, line); });
       },
       [&] { return p.LCTNKR != 0; }},
      {kDraftLoad, [&] { enterPercent(p, kDraftLoad, out.DFTPCT); }, [&] { return p.LCTNKR == 2; }},
      {kCurrentBowFactor, [&] { enterBowFactor(p, kCurrentBowFactor, out.BOWCUR); },
       [&] { return p.LCTNKR != 0 && interpolated(currentBowText(out.BOWCUR)); }},
      // Accepted while hidden: only the NSMB database has the "Mean" curve.
      {kMeanCurve,
       [&] {
         if (p.LCTNKR != 2) return;
         const int first = p.field(out.LCBARG, 1);
         if (first == kCurrentNsmbTanker) NIBSET(out.LCBARG, 1, kCurrentNsmbMeanCurve, args.EDUNIT);
         if (first == kCurrentNsmbMeanCurve) NIBSET(out.LCBARG, 1, kCurrentNsmbTanker, args.EDUNIT);
       }},
      {kDriftToggle, [&] { toggle(p.SWVFM); }},
      {kCurrentCorrection, [&] {
         if (p.WAVUSR == 1) toggle(out.CURCOR);
       }},
      // The shadowing factors are accepted whether or not they are shown.
      {kHeadOnShadowing, [&] { echoThenEnter(p, kHeadOnShadowing, out.XSHDOW); }},
      {kBeamOnShadowing, [&] { echoThenEnter(p, kBeamOnShadowing, out.YSHDOW); }},
      {kLegacyCylinder,
       [&] {
         if (p.uses(out.LWVCOF, kDriftSpar) || p.uses(out.LWVCOF, kDriftSemi2001)) toggle(out.LEG_CYL_DFC);
       }},
      {kDeadweight,
       [&] {
         echoThenEnter(p, kDeadweight, out.DWTONS);
         if (!(out.DWTONS >= 0.0f)) out.DWTONS = 0.0f;
       },
       [&] { return p.LWTNKR == 1; }},
  };

  PageLoop page;
  page.draw = [&] { drawPage(p); };
  page.items = items;
  page.other = [&](std::int32_t reply) { return otherSelection(p, reply); };
  page.help = [&](std::int32_t line) { LOWVHP(args.EDUNIT, args.KBD, line); };
  page.listed = [&] {
    std::int32_t code = 0;
    if (p.WNDUSR == 1) tableEditor(p, ForceLoad::kWind, code);
    if (p.CURUSR == 1) tableEditor(p, ForceLoad::kCurrent, code);
    out.LBACK = 0;
    return PageStep::kLeave;
  };
  page.reply = &out.LBACK;
  page.number = &out.IPAG;
  runPage(page);
}

}  // namespace qv

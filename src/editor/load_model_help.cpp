#include "editor/load_model_help.h"

#include <initializer_list>
#include <vector>

#include "platform/units.h"
#include "util/console_io.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

using TopicText = std::span<const std::string_view>;

constexpr std::string_view kStars = "****************************************";  // 40, the longest run

// The header of a topic: one number or several.
std::string itemHeader(std::string_view items) {
  const bool several = items.find_first_of(",-") != std::string_view::npos;
  return (several ? " ++> Item Numbers " : " ++> Item Number  ") + std::string(items);
}

void writeText(std::int32_t unit, TopicText text) {
  for (std::string_view line : text) writeRecord(unit, line);
}

// ---- shared texts ----------------------------------------------------------------------------------

constexpr std::string_view kLowdatTable[] = {
    " The coefficients are typed into a table on the page (item 5 for wind, 15 for",
    " current) over bow-relative attack angles from 0 to 180 degrees, and stored in",
    " the unformatted coefficient file \"LOWDAT\" beside the data file. Type \"?\" on",
    " the table page for the rules the table must satisfy.",
};

// The rules of "WINDCOFS.txt" and "CRNTCOFS.txt" differ only in the name of the file and the flow.
constexpr std::string_view kWindFileName[] = {" The coefficients are read from the text file \"WINDCOFS.txt\":"};
constexpr std::string_view kCurrentFileName[] = {" The coefficients are read from the text file \"CRNTCOFS.txt\":"};
constexpr std::string_view kFileRecords[] = {
    "  - first line: the number of records that follow, at most 145;",
    "  - then one record per line: angle (degrees), Cx, Cy, Cz;",
    "  - the records span the whole circle [0, 360], both end points included, with",
    "    identical data at 0 and 360, in monotonic order of angle;",
    "  - values in any floating-point style, separated by any standard value",
    "    separator (comma or tab); the file ends with at least one empty line;",
    "  - angles are environmental heading angles relative to the bow, counted",
};
constexpr std::string_view kWindFromAhead[] = {"    counter-clockwise: a wind from ahead (bow-on) has heading 180."};
constexpr std::string_view kCurrentFromAhead[] = {"    counter-clockwise: a current from ahead (bow-on) has heading 180."};
constexpr std::string_view kFileLoads[] = {
    " Head-on force = .5*Ah*Df*V^2*Cx, beam-on force = .5*Ab*Df*V^2*Cy,",
    " moment at CG = .5*L*Ab*Df*V^2*Cz, with Ah and Ab the head-on and beam-on",
    " areas, V the speed and L the vessel length.",
};
constexpr std::string_view kAir[] = {" Df is the mass density of the air."};
constexpr std::string_view kWater[] = {" Df is the mass density of the water."};

constexpr std::string_view kBarge[] = {
    " Square-law load from the mass density Dm of the air or water, a projected area",
    " Ap interpolated from the bow-on and beam-on areas for the relative direction,",
    " the area centroid and a drag coefficient Cd:",
    "    Force = .5*Dm*Cd*Ap*V^2,  Moment = Force*(moment arm to the Ap centroid).",
};
constexpr std::string_view kAlongWind[] = {" The force is aligned with the wind."};
constexpr std::string_view kAlongCurrent[] = {" The force is aligned with the current."};

// A topic text made of shared pieces.
std::vector<std::string_view> joined(std::initializer_list<TopicText> parts) {
  std::vector<std::string_view> lines;
  for (TopicText part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

const std::vector<std::string_view> kWindFile = joined({kWindFileName, kFileRecords, kWindFromAhead, kFileLoads, kAir});
const std::vector<std::string_view> kCurrentFile =
    joined({kCurrentFileName, kFileRecords, kCurrentFromAhead, kFileLoads, kWater});
const std::vector<std::string_view> kWindBarge = joined({kBarge, kAlongWind});
const std::vector<std::string_view> kCurrentBarge = joined({kBarge, kAlongCurrent});
constexpr std::string_view kCylinder[] = {
    " A drag coefficient Cd applied to the head-on and beam-on areas:",
    "    Fx = .5*Df*Cd*Ah*V^2*COS(Theta)",
    "    Fy = .5*Df*Cd*Ab*V^2*SIN(Theta)",
    "    Mz = 0",
    " with Theta the relative attack angle and Df the fluid mass density.",
};
constexpr std::string_view kDeadweight[] = {
    " The deadweight is used only by \"OCIMF '77 (extended)\": above 155 kDWT the",
    " OCIMF VLCC data apply, below 80 kDWT the \"Small\" tanker data, and between 80",
    " and 155 kDWT the two are interpolated linearly. The value need not be the real",
    " vessel's: it chooses the data set that fits the vessel best.",
};
constexpr std::string_view kBowInterpolation[] = {
    " The interpolation factor runs from 0, the conventional bow, to 1, the",
    " cylindrical bow; 0.5 gives the average of the two. Values outside 0 to 1 are",
    " not accepted.",
};

// ---- page 8 ------------------------------------------------------------------------------------------

constexpr std::string_view kCoefficientSets[] = {
    " For each force type (wind, current and wave drift) three coefficient sets are",
    " designated: Cx for the longitudinal force, Cy for the lateral force and Cz for",
    " the yaw moment. Normally all three come from one database; toggling the item",
    " lets each set be chosen independently of the others.",
};
constexpr std::string_view kModelSelection[] = {
    " Opens the menu of load models for the force type (or for one coefficient set",
    " when the sets are independent). Type \"?\" on the menu for notes on each model.",
    " Choosing \"User-Specified LOWDAT\" for wind or current opens the table of user",
    " coefficients at once.",
};
constexpr std::string_view kUserTable[] = {
    " Opens the table of user coefficients over bow-relative attack angles for the",
    " sets whose model is \"User-Specified LOWDAT\". The table is saved in the",
    " coefficient file \"LOWDAT\" at the end of the session.",
};
constexpr std::string_view kBowShape[] = {
    " Chooses the bow shape of the tanker database: the conventional bow, the",
    " cylindrical bow, or an interpolation between the two (refined with the bow",
    " interpolation factor).",
};
constexpr std::string_view kFreeboardLoad[] = {
    " Freeboard Load % = 100*(Full Load FB)/(Simulation FB). Used only for wind",
    " loads. 100% selects the OCIMF \"Loaded\" data, 32% the \"Ballasted\" data; other",
    " values interpolate or extrapolate linearly between the two curves.",
};
constexpr std::string_view kDraftLoad[] = {
    " Draft Load % = 100*(Simulation Draft)/(Full Load Draft). Used only for current",
    " loads and only with the NSMB '91 database. 100% and 40% select the two",
    " measured conditions; other values interpolate or extrapolate linearly.",
};
constexpr std::string_view kMeanCurve[] = {
    " Toggles between the single NSMB \"Mean\" curve for ballasted (40%) conditions,",
    " which covers all bow types and shallow depths, and the complete raw data.",
};
constexpr std::string_view kCurrentCorrection[] = {
    " User drift coefficients may be given for zero current; with \"Yes\" the program",
    " corrects them approximately for the current.",
};
constexpr std::string_view kShadowing[] = {
    " Used only by the legacy semisubmersible drift model. Multiplied by the vessel",
    " beam (head-on) and length (beam-on), they give an effective waterline length",
    " for the short-wave limit of the drift force. 1.0 means no shadowing and flat",
    " rectangular columns; .67 suits circular columns without shadowing; values are",
    " rarely below about 0.4. The factors do not apply to \"Semi/TLP (2001)\" or",
    " \"Caisson Spar\".",
};
constexpr std::string_view kLegacyCylinder[] = {
    " The drift-force coefficients used before late 2001 for semisubmersibles, TLPs",
    " and spars. They give slightly smaller drift forces.",
};

bool pageCoefficientSets(std::int32_t n) { return n == 1 || n == 11 || n == 21; }
// Every number up to 4 but 1: the number typed after "?" may be negative.
bool pageModelSelection(std::int32_t n) {
  return (n <= 4 && n != 1) || (n >= 12 && n <= 14) || (n >= 22 && n <= 24);
}
bool pageUserTable(std::int32_t n) { return n == 5 || n == 15; }
bool pageBowShape(std::int32_t n) { return n == 6 || n == 16; }
bool pageFreeboardLoad(std::int32_t n) { return n == 7; }
bool pageBowInterpolation(std::int32_t n) { return n == 8 || n == 18; }
bool pageDraftLoad(std::int32_t n) { return n == 17; }
bool pageMeanCurve(std::int32_t n) { return n == 19; }
bool pageCurrentCorrection(std::int32_t n) { return n == 26; }
bool pageShadowing(std::int32_t n) { return n == 27 || n == 28; }
bool pageLegacyCylinder(std::int32_t n) { return n == 29; }
bool pageDeadweight(std::int32_t n) { return n == 31; }

const HelpTopic kPageTopics[] = {
    {"1, 11, 21", pageCoefficientSets, kCoefficientSets},
    {"2->4, 12->14, 22->24", pageModelSelection, kModelSelection},
    {"5, 15", pageUserTable, kUserTable},
    {"6, 16", pageBowShape, kBowShape},
    {"7", pageFreeboardLoad, kFreeboardLoad},
    {"8, 18", pageBowInterpolation, kBowInterpolation},
    {"17", pageDraftLoad, kDraftLoad},
    {"19", pageMeanCurve, kMeanCurve},
    {"26", pageCurrentCorrection, kCurrentCorrection},
    {"27, 28", pageShadowing, kShadowing},
    {"29", pageLegacyCylinder, kLegacyCylinder},
    {"31", pageDeadweight, kDeadweight},
};

// ---- the model menus ---------------------------------------------------------------------------------

constexpr std::string_view kOcimfWind[] = {
    " The OCIMF '77 wind coefficients of tankers, extended to small tankers by the",
    " vessel deadweight (item 31 of the page): conventional and cylindrical",
    " above-water bow profiles, with interpolation between them. Above 155 kDWT the",
    " OCIMF VLCC data apply, below 80 kDWT the \"Small\" tanker data, and between 80",
    " and 155 kDWT the two are interpolated linearly.",
};
constexpr std::string_view kNsmbCurrent[] = {
    " The NSMB '91 current coefficients of tankers, measured at load conditions of",
    " 40% and 100% of the full-load draft, at water-depth-to-draft ratios WD/T of",
    " 1.1, 1.2, 1.5, 3.0, 4.4 at 100% load and 1.1, 1.5, 4.4 at 40% load. Within",
    " each range WD/T is interpolated linearly; outside it the end-point data",
    " apply. Other load conditions are interpolated or extrapolated on the 40% and",
    " 100% data. The bow interpolation runs between the conventional bow with bulb",
    " (0) and without bulb (1).",
};
constexpr std::string_view kExtremeBow[] = {
    " One 200 kDWT model with an extreme cylindrical bow, at WD/T 1.1 and 100% load.",
    " No interpolation of any kind is done.",
};
constexpr std::string_view kOcimfCurrent[] = {
    " The OCIMF '77 current coefficients of VLCCs of 190 kDWT and more, at",
    " water-depth-to-draft ratios of 1.05, 1.1, 1.2, 1.5, 3.0 and 6.0, interpolated",
    " within [1.05, 6.0]; outside it the end-point data apply. Conventional (bulbous)",
    " and cylindrical bows, with interpolation between them.",
};
constexpr std::string_view kDriftFile[] = {
    " The drift coefficients are read from the text file \"DRFTCOFS.txt\": a",
    " two-dimensional array over circular wave frequency and wave heading,",
    " interpolated in both. At most 121 frequencies and 145 attack angles in",
    " [0, 360].",
};
constexpr std::string_view kTankerLegacy[] = {
    " The default drift model before version 4.4: empirical, tied to the heave and",
    " pitch natural periods, for a bow-stern symmetric waterline.",
};
constexpr std::string_view kSemiLegacy[] = {
    " The legacy semisubmersible drift model, with the shadowing and geometry",
    " factors of the page. It produces zero drift moment for all directions.",
};
constexpr std::string_view kBuoy[] = {
    " Drift forces of puck-shaped bodies of small draft-to-beam ratio.",
};
constexpr std::string_view kSpar[] = {
    " Drift forces from a diffraction analysis of long vertical circular cylinders.",
};
constexpr std::string_view kTanker2001[] = {
    " The default drift model from version 4.4, with fore-aft asymmetry and control",
    " of the long-period fall-off.",
};
constexpr std::string_view kSemi2001[] = {
    " Drift forces from a diffraction analysis of an array of vertical circular",
    " cylinders.",
};

template <int N>
bool isItem(std::int32_t n) {
  return n == N;
}

const HelpTopic kWindTopics[] = {
    {"1", isItem<1>, kLowdatTable}, {"2", isItem<2>, kWindFile},   {"3", isItem<3>, kWindBarge},
    {"4", isItem<4>, kOcimfWind},   {"5", isItem<5>, kCylinder},
};
const HelpTopic kCurrentTopics[] = {
    {"1", isItem<1>, kLowdatTable},  {"2", isItem<2>, kCurrentFile},  {"3", isItem<3>, kCurrentBarge},
    {"4", isItem<4>, kNsmbCurrent},  {"5", isItem<5>, kExtremeBow},   {"6", isItem<6>, kOcimfCurrent},
    {"7", isItem<7>, kCylinder},
};
const HelpTopic kDriftTopics[] = {
    {"1", isItem<1>, kDriftFile},  {"2", isItem<2>, kTankerLegacy}, {"3", isItem<3>, kSemiLegacy},
    {"4", isItem<4>, kBuoy},       {"5", isItem<5>, kSpar},         {"6", isItem<6>, kTanker2001},
    {"7", isItem<7>, kSemi2001},
};

// ---- the bow menus -----------------------------------------------------------------------------------

constexpr std::string_view kWindBowTypes[] = {
    " The above-water bow profile of the OCIMF tanker wind data: 1 the conventional",
    " bow, 2 the cylindrical bow. Choice 3 interpolates between them, starting at",
    " the average (factor 0.5).",
};
constexpr std::string_view kOcimfBowTypes[] = {
    " The below-water bow of the OCIMF '77 current data: 1 the conventional",
    " (bulbous) bow, 2 the cylindrical bow. Choice 3 interpolates between them,",
    " starting at the average (factor 0.5).",
};
constexpr std::string_view kNsmbBowTypes[] = {
    " The below-water bow of the NSMB '91 current data: 1 the conventional bow with",
    " bulb, 2 the cylindrical bow without bulb. Choice 3 interpolates between them,",
    " starting at the average (factor 0.5).",
};
constexpr std::string_view kNsmbBowInterpolation[] = {
    " The interpolation runs between the conventional bow with bulb (0) and the bow",
    " without bulb (1); a factor of 0.5 gives the average of the two. Values outside",
    " 0 to 1 are not accepted.",
};

bool bowTypes(std::int32_t n) { return n == 1 || n == 2; }

const HelpTopic kWindBowTopics[] = {{"1, 2", bowTypes, kWindBowTypes}, {"3", isItem<3>, kBowInterpolation}};
const HelpTopic kOcimfBowTopics[] = {{"1,2", bowTypes, kOcimfBowTypes}, {"3", isItem<3>, kBowInterpolation}};
const HelpTopic kNsmbBowTopics[] = {{"1,2", bowTypes, kNsmbBowTypes}, {"3", isItem<3>, kNsmbBowInterpolation}};

// ---- the user coefficient table ----------------------------------------------------------------------

constexpr std::string_view kAngleRange[] = {
    " The attack angles span the half circle [0, 180] degrees, bow-relative. The",
    " program extends the half circle to the full circle [0, 360) by symmetry,",
    " assuming that the vessel is symmetric about its centreline.",
};
constexpr std::string_view kAngleArray[] = {
    " The angle array must be monotonic, start at 0 and end at 180 degrees, and",
    " hold at least two values. Usual choices are 19 values at 10-degree steps, 13",
    " at 15 degrees or 10 at 20 degrees, but the steps need not be uniform.",
    " Coefficients at other angles are interpolated.",
};
constexpr std::string_view kCoefficientDefinitions[] = {
    " Wind and current coefficients give",
    "    Fx = .5*Dm*Cx*Ah*V^2,  Fy = .5*Dm*Cy*Ab*V^2,  Mz = .5*Dm*Cz*Ab*LBP*V^2",
    " with Dm the air or water mass density, V the speed, Ah and Ab the head-on and",
    " beam-on projected areas and LBP the length between perpendiculars or the",
    " waterline length.",
    " Wave-drift coefficients give",
    "    Fx = .5*Dw*Cx*B*a^2,  Fy = .5*Dw*Cy*LBP*a^2,  Mz = .5*Dw*Cz*LBP*LBP*a^2",
    " with Dw the water weight density, a the regular-wave amplitude and B the beam.",
};

const HelpTopic kTableTopics[] = {
    {"1", isItem<1>, kAngleRange},
    {"2", isItem<2>, kAngleArray},
    {"3", isItem<3>, kCoefficientDefinitions},
};

}  // namespace

std::string helpTitleLine(std::string_view title) {
  const int stars = (73 - static_cast<int>(title.size())) / 2;
  const std::string run = fmtA(kStars, stars);
  return " " + run + "  " + std::string(title) + "  " + run;
}

void showHelpTopics(std::string_view title, std::span<const HelpTopic> topics, std::int32_t IOSCRN,
                    std::int32_t KBD, std::int32_t LINE) {
  CLEAR(IOSCRN);
  writeRecord(IOSCRN, helpTitleLine(title));
  LINES(IOSCRN, 1);
  if (LINE == 0) {
    bool first = true;
    for (const HelpTopic& topic : topics) {
      if (!first) CLEAR(IOSCRN);
      first = false;
      writeRecord(IOSCRN, itemHeader(topic.items));
      writeText(IOSCRN, topic.text);
      PRSRET(IOSCRN, KBD);
    }
    return;
  }
  writeRecord(IOSCRN, " ++> Item Number  " + fmtI(LINE, 2));
  const HelpTopic* found = nullptr;
  for (const HelpTopic& topic : topics)
    if (topic.covers(LINE)) {
      found = &topic;
      break;
    }
  if (found != nullptr) {
    writeText(IOSCRN, found->text);
  } else {
    LINES(IOSCRN, 1);
    writeRecord(IOSCRN, " ++> Sorry, no help for this line...");
    LINES(IOSCRN, 1);
  }
  PRSRET(IOSCRN, KBD);
}

void LOWVHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("Vessel Environmental Load Notes", kPageTopics, IOSCRN, KBD, LINE);
}
void WNDFHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("Wind Load Model Notes", kWindTopics, IOSCRN, KBD, LINE);
}
void CURFHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("Current Load Model Notes", kCurrentTopics, IOSCRN, KBD, LINE);
}
void WAVFHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("Wave Load Model Notes", kDriftTopics, IOSCRN, KBD, LINE);
}
void WBOWHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("Wind-Associated Bow Shape Notes", kWindBowTopics, IOSCRN, KBD, LINE);
}
void OCIMHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("OCIMF '77 Current-Associated Bow Shape Notes", kOcimfBowTopics, IOSCRN, KBD, LINE);
}
void NSMBHP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("NSMB '91 Current-Associated Bow Shape Notes", kNsmbBowTopics, IOSCRN, KBD, LINE);
}
void COFHLP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE) {
  showHelpTopics("User Coefficient Specification Notes", kTableTopics, IOSCRN, KBD, LINE);
}

}  // namespace qv

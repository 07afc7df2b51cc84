// The checks of a data set that an analysis run would otherwise meet in the middle of a stage: values
// that no stage can work with, and combinations the stages do not model. One list serves both ends:
// the end-of-session checks report every finding (a fatal one as a fatal warning), and the analysis
// runner writes the warnings and stops on the first fatal finding before any stage opens a report,
// so the editor never starts a run that fails on them and the two never disagree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dataset/riser_judge.h"
#include "dataset/riser_remedy.h"
#include "util/flowing_lines.h"

namespace qv {

// The page and item that edit a value of the data set; page 0 for a value that no page shows.
struct ValuePlace {
  int page = 0;
  int item = 0;
  friend bool operator==(const ValuePlace&, const ValuePlace&) = default;
};

struct RunFinding {
  RunFinding() = default;
  RunFinding(bool isFatal, std::vector<std::string> message) : fatal(isFatal), lines(std::move(message)) {}

  bool fatal = false;
  std::vector<std::string> lines;  // the message; its first line begins " ++> "
  // A finding about one value: where it is edited, and the value as the finding names it ("Site
  // water depth (page 1, item 4) is 0.00"), so that the final page can show it under a check of
  // its own about the same value instead of twice.
  ValuePlace place{};
  std::string value;
};

// Every finding for the data set in TPCM (and LOWCOF), in a fixed order. Reads the blocks, and
// looks for the user's wave-drift file in the working folder, where the run reads it.
std::vector<RunFinding> runFindings();

// Whether the run evaluates the vessel's force coefficients of a load. Only the slow drift of an
// attached SALM with the vessel analysed (vesselAnalysed) does: the wind's with the wind on; the
// current's with a current, and for the drift drag of a ship hull (LEGDRG 0) in any sea; the wave
// drift's in any sea (irregular waves or a swell).
bool runEvaluatesWindCoefficients();
bool runEvaluatesCurrentCoefficients();
bool runEvaluatesDriftCoefficients();

// Adds to `findings` a fatal one for each load whose force model the run evaluates and whose user
// coefficients hold nothing, where the run would stop in its slow drift, after the vessel's and
// the statics' reports: the wind or current table of "LOWDAT" (model 1 in a direction) with no row
// typed (a count below 1, or every angle and every coefficient the model reads 0, as a new data
// set's table and one opened on page 8 and left hold), or a user's coefficient file not in the
// working folder: the wind's or the current's (model 2, "WINDCOFS.txt", "CRNTCOFS.txt") or the wave
// drift's (model 1, "DRFTCOFS.txt"), or the hull's own name of each. Each names the load, the file,
// its directions and where on page 8 to mend it.
void addEmptyUserCoefficientFindings(std::vector<RunFinding>& findings);

// The user's files of the environment, each asked for by a choice on a page of the editor:
// "WAVSPEC.txt" by a sea's or swell's type (page 15, item 2; page 16, items 2 and 22), "WINDSPEC.txt"
// by the wind spectral type (page 11, item 3), "CRNTSPEC.txt" by the current spectral type (page 12,
// item 6), "CRNTPROF.txt" by the current variation with depth (page 12, item 3).
enum class EnvironmentFile { kWaveSpectrum, kWindSpectrum, kCurrentSpectrum, kCurrentProfile };

// The file's name ("WINDSPEC.txt").
std::string_view environmentFileName(EnvironmentFile file);

// The choices that ask for the file, in the words of their pages with their page and item: "the
// wind spectral type (page 11, item 3)"; for "WAVSPEC.txt" those of the sea and swells of the data
// set that take it ("the irregular sea's wave type (page 15, item 2) and the swell type (page 16,
// item 2)"), or "a sea's or swell's type" with all three places when none does.
std::string environmentFileAskedBy(EnvironmentFile file);

// What to do when the file is missing, as the lines of a message (each indented by five blanks):
// "the wind spectral type (page 11, item 3) reads it:" (for several choices one to a line where they
// do not fit on one), then "choose another there, or put the file in the data set's folder."
std::vector<std::string> missingEnvironmentFileAdvice(EnvironmentFile file);

// Adds a fatal finding for each user's file of the environment that the run reads and that is not
// in the working folder: "WAVSPEC.txt" for a sea or swell of its type where the wave stages run,
// "WINDSPEC.txt" and "CRNTSPEC.txt" where the slow drift evaluates the gusts of a wind or current
// that blows (a speed above 0), "CRNTPROF.txt" where the run builds the current profile of the
// vessel. Each names the file and the page and item that ask for it.
void addMissingEnvironmentFileFindings(std::vector<RunFinding>& findings);

// An attached SALM whose yoke-vessel angle YOKVES is not the in-line pi (kInLineYokeAngle, within
// kYokeAngleTolerance, any whole number of turns aside): the statics model only the yoke in line
// with the SALM, the later stages would place it elsewhere (0, which data sets of older editors
// hold, folds it back over the buoy). A warning.
inline constexpr double kYokeAngleTolerance = 0.001;  // [rad]
std::optional<RunFinding> yokeAngleFinding();

// More elements marked for moment and load output than the moment tables and "MOMDAT" hold
// (kMaxMomentElements): the LMOMT flags counted from the first free joint upward
// (momentElementCount), or NMOMT as it stands when that is larger. Fatal. The stages rely on it:
// none of them checks the count again.
std::optional<RunFinding> momentElementFinding();

// A buoyant riser (IARCO 2) whose piercing element IPIERC lies in the column's free members: the
// statics hold a riser's top at the vessel's keel, under water, so nothing of it can pierce the
// surface, and the column they would solve is not the one described. Fatal. The statics refuse it
// with the same words.
std::optional<RunFinding> piercingRiserFinding();

// The most members (free joints) the wave-frequency dynamics take for an attachment (IARCO, or
// kFreeSalm for a free SALM): two for a free SALM (its two modes) and for a buoyant riser (the
// two-member closure that holds its top at the vessel), three for every other attachment (the
// three-member linkage of the modes).
int dynamicsMemberLimit(std::int32_t attachment);

// A column with more members than the wave-frequency dynamics take for its attachment
// (dynamicsMemberLimit), where the run reaches them (page 17, item 5, and for an attached SALM the
// vessel analysed): counted as the statics form them, a member from the first element with a free
// lower joint and one more at each later free joint. Fatal: the dynamics would stop after the
// vessel's, the statics' and the slow drift's reports.
std::optional<RunFinding> dynamicsMemberFinding();

// An attached SALM (FRESLM 0) with elements that form fewer than two members (salmMembers): one
// member hinged on the sea bed with its top held at the vessel has a single angle, which the vessel's
// attachment fixes, so it has no load-offset curve and the statics lay it flat at every load. Fatal;
// it names what to add: an element (page 2, item 1) when there is one, else the joints to free
// (page 3, element k, item 7; a new element's joint starts frozen). A free SALM of one member stands
// and is not refused.
std::optional<RunFinding> freeJointFinding();

// An attached SALM of at least two members whose column cannot bring its top to the vessel's
// attachment (columnReachesHeight, dataset/column_reach.h): the statics would stop at it as an
// impossible configuration after the vessel's reports. Fatal, with the statics' advice: the height
// to reach and what it comes from, the member lengths, and the items to change.
std::optional<RunFinding> columnReachFinding();

// A buoyant riser (IARCO 2) held between its hinge and the vessel's keel whose members stand in line
// under every load: no horizontal load at the keel bends them by kLeastMemberBend at any joint
// (heldColumnClearLoads, dataset/column_reach.h), as members that together just span the height do.
// Their tension is then undetermined and the member loads' divisor vanishes whatever the run's loads,
// so the finding stands before any stage. Fatal; it names the elements' lengths and their sum, the
// height to the keel and what it comes from, the slack, and what to change: the least lengthening of
// an element, raise of an element's volume or lowering of the keel (the water depth or the draft)
// that keeps them clear up to the table's largest load (TLOAD, page 2, item 2), each as the message
// writes it within the run's own checks (runFindings of the data set so changed has no fatal
// finding), or what was tried where none does. A riser that bends under some loads is judged at the
// loads its run reaches (riserReachFinding, riserPeakLoadFinding), not at the table's largest load.
std::optional<RunFinding> riserBendFinding();

// A buoyant riser, as riserBendFinding judges it, that the loads and the sea of its run take beyond
// what its members can reach, as dataset/riser_judge.h judges it (stormPeak, keelReach). The slow
// drift's storm peak is judged in offsets: the mean offset on the
// table (as the slow drift reads it at the mean load) plus the surge's storm peak excursion (its most
// probable largest amplitude at the table's spring there, carried through the table's surge energy as
// the low-frequency report carries it, the column's own statics continuing the table beyond its last
// load), against the offset at which the members come within kLeastMemberBend of line, which the
// members' statics give; the members must stand clear of line under the mean load too. And the
// reserve, the members' length less the hinge-to-keel distance at the mean state, must exceed the
// keel's most probable peak wave-frequency motion along the hinge-keel line of the mean state in the
// storm of DURATN (keelPeakAlong) plus the slow drift's peak excursion along that line. The linear
// model of the members would otherwise swing them past where they can go, with loads without bound.
// Fatal; it names the lengths, the height and the slack, the mean state (the loads, the members'
// angles, the distance and the reserve, the peak motions and the storm) or the offsets of the storm's
// peak, and the least lengthening of an element, raise of an element's volume (page 3, item 3, its
// weight and centres kept; searched up to the largest raise the run's checks admit) or lowering of the
// keel that takes the riser clear at the same loads and sea as this judge judges it, the judge whole
// (judgeRiser, dataset/riser_judge.h: the load-offset table the statics would build for the changed
// riser and, at its spring, the slow drift's excursion), with room for a tenth more motion,
// each within the run's own checks of the data set the run checked (riserRemedies, keepCheckedDataSet,
// dataset/riser_remedy.h), or, where
// none is, what was tried; and a calmer sea or a lighter wind and current. Judged in the run, after
// the statics have turned the elements' volumes into forces.
std::optional<RunFinding> riserReachFinding(const RiserReach& reach);

// A buoyant riser, as riserBendFinding judges it, that a peak horizontal load of the run's reports
// (`peak` says which, "the most probable peak horizontal load of RANOUT") would bring into line: the
// members bend by less than kLeastMemberBend under it. Fatal, in place of the advice to raise the
// table, which cannot help; it names the lengths, the height, the peak load and the bend, and the
// least lengthening, raise of a volume or lowering of the keel that keeps the members clear under
// that load within the run's own checks, and, once the run has judged its riser at the mean state
// (keptRiserReach, dataset/riser_judge.h), takes it clear by the judge whole there too, with room for
// a tenth more motion (or, where none does, what was tried), and a calmer sea or a lighter wind and
// current. Judged in the run, after the statics.
std::optional<RunFinding> riserPeakLoadFinding(double peakLoad, const std::string& peak);

// A system under water for the statics and the dynamics (page 3, item 1: options 7 and 8, WETYOK 5
// and 6: every element counted buoyant and wet) whose top stands above the water: the top of the
// column below the vessel's attachment member (the whole column of a free SALM), standing upright,
// above the water depth, or the attachment to the vessel (YOKEHT) above the waterline. Fatal.
std::optional<RunFinding> submergedTopFinding();

// A column standing in the water with nothing piercing the surface: the piercing element IPIERC
// (page 2, item 6; 0 for none) lies below the first free element, so the statics take every member
// dry, while the first free joint stands under the still water. The members would then float on no
// buoyancy and the vessel would hold them up. Fatal; it names the item and the joint's depth. A tower
// whose free members all stand above the water runs (its joint at or above the surface), and so does
// a system wholly under water (options 7 and 8, submergedPiercingFinding).
std::optional<RunFinding> unpiercedColumnFinding();

// Options 7 and 8 of page 3, item 1 (WETYOK 5 and 6: the whole system under water for the statics
// too) with an element named as piercing the surface (IPIERC other than NELEM + 1, which page 2 shows
// when drawn under these options). Fatal; it names page 3, item 1, and page 2, item 6.
std::optional<RunFinding> submergedPiercingFinding();

// A vessel analysed with the column-stabilised hull model (VESTYP neither ship nor jack-up, SEMI_LIKE
// set) whose hull-member table has no member crossing the waterline at the draft DRAFT, as the hull
// model cuts them (an empty table included): the hull has no waterplane, no heave, roll or pitch
// restoring and no drift drag, and every response of the run would be 0. Fatal; it names the draft
// and the vessel type on page 5, and for a table without members, where members come from: no page
// of the editor takes them.
std::optional<RunFinding> semiWaterlineFinding();

// A discus buoy analysed with mooring feedback (MORFBK 1, page 7, item 13) on a data set that holds
// no mooring line (NLIN of the mooring section below 1; this program neither edits nor stores that
// section): the lines would give the buoy's surge, sway and yaw their springs, and without them each
// of those whose period the user does not give (LSGPRD, LSWPRD, LYWPRD 1) would have none and no
// moor-modified period. Fatal; it names the motions and what to change.
std::optional<RunFinding> discFeedbackFinding();

// A bow or stern shape factor (BOWFAC, STRNFC; page 10, items 21 and 22) whose wedge does not fit
// the hull (endFitsHull, dataset/hull_ends.h: 0 never does), where the run uses it: in the slow
// drift of the vessel it analyses in a sea (runEvaluatesDriftCoefficients), the bow when a direction
// of the wave drift takes the tanker model 2 or 6, the stern when one takes model 6. With a factor
// of 0 (an infinite cotangent) the slow drift finds no equilibrium; with a wedge past midships the
// models' length between the ends turns negative and their drift loads lose their meaning. Fatal, one finding per end, naming the factor's page and item, its value and the smallest factor
// in hundredths that fits this hull. Negative factors are the value checks' (value_ranges.h).
void addHullEndFindings(std::vector<RunFinding>& findings);
// The smallest factor in hundredths that fits this hull for the bow's wedge (`bow`) or the stern's,
// where addHullEndFindings judges that end; nothing where it does not.
std::optional<float> leastFittingEndFactor(bool bow);

}  // namespace qv

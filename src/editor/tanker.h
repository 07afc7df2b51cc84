// The tanker property estimator of the vessel hydrostatics page. From a tanker's deadweight and
// simulation draft it estimates 21 consistent vessel properties from average tanker relations,
// shows them as a lettered list and copies the ones the user picks into the vessel data.
//
// TANKER runs the dialogue and keeps its table of estimates for the whole run of the editor;
// ENTEST reads the user's choice, TNKHLP shows the help, ESTIM8 computes the estimates. Inside
// ESTIM8 everything is feet, long tons and cubic feet (35 cubic feet of sea water to the long ton);
// its inputs and outputs are in the data set's units (NUNTS 0 feet and kips, 1 metres and metric
// tons), except the deadweight, which is always in long tons.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/farray.h"

namespace qv {

// ENTEST's code for "Z": replace every data item by its estimate.
inline constexpr std::int32_t kReplaceAllEstimates = -1977;
// The letter list holds at most this many letters; the rest of its 40 characters stays blank.
inline constexpr int kMaxEstimateLetters = 39;

// The values the volume functions of the estimate share (the parameters of the minimum-draft
// solve).
struct EpsCom {
  float EPSLN = 0.0f;   // waterplane area at the keel / waterplane area at full draft
  float MAXDFT = 0.0f;  // maximum draft [ft]
  float MINRAT = 0.0f;  // lightship volume / full-load volume
};

// Waterplane area at draft T [ft] as a fraction of the full-draft area (linear from EPSLN at the keel).
float ALPHA(float T, const EpsCom& EPSCOM);
// Displaced-volume fraction at the relative draft t (draft / MAXDFT).
float VOLFUN(float t, const EpsCom& EPSCOM);
// MINRAT - VOLFUN(t): zero at the lightship draft.
float NULFUN(float t, const EpsCom& EPSCOM);

// Estimates every property from the deadweight DWTON [long tons] and DRAFT. A deadweight below 2000
// long tons is raised to 2000 and a draft outside the range from the lightship draft to the maximum
// draft is replaced by the nearer limit, each after a message and the abort question; ABORT is -1
// when the user aborted there, and the estimate is then unfinished. DRAFT returns the draft used.
// A failing solve of the lightship draft stops the run.
void ESTIM8(float& DISPL, float& VKB, float& VKG, float& DRAFT, float& AWP, float& VKMT, float& VKML, float& LWL,
            float& BWL, float& PGYR, float& RGYR, float& YGYR, float& BILGR, float& XWNDA, float& YWNDA, float& XCURA,
            float& YCURA, float& DWTON, float& LOADED, float& DFTPCT, float& DSPPCT, std::int32_t spare1,
            std::int32_t unit, std::int32_t inUnit, std::int32_t& ABORT, std::int32_t NUNTS, std::int32_t spare2);

// The estimator's dialogue on the vessel data items of the hydrostatics page (the data set's units;
// DWTONS in kips or metric tons). The items change only on a letter or "Z" reply; LBACK holds the
// last code of ENTEST on return, IPAG the reply to the help's pause.
void TANKER(std::string_view label, std::string_view word, float& DISPL, float& TVKB, float& TVKG, float& DRAFT,
            float& AWP, float& TVKMT, float& TVKML, float& LWL, float& BWL, float& PGYR, float& RGYR, float& TYGYR,
            float& BILGR, float& TXWNDA, float& TYWNDA, float& TXCURA, float& TYCURA, float& DWTONS, float& LOADED,
            float& DFTPCT, float& DSPPCT, std::int32_t CREATR, std::int32_t LCOPY, std::int32_t EDUNIT,
            std::int32_t IIN, std::int32_t& LBACK, std::int32_t NUNTS, std::int32_t& IPAG);

// One reply to the estimate list: "Z" kReplaceAllEstimates; "1", "2" or blank first: the reply read
// as a whole number (0 when it is none); "?" the help code; anything else -1, with the letters A to
// Y it holds (upper-cased, at most kMaxEstimateLetters) in LIST, which ends in blanks. LIST holds
// the letters of this reply only: it is blank after any other reply.
void ENTEST(std::int32_t& CODE, std::int32_t IUNIT, std::int32_t IIN, Text<40>& LIST);
// The help screen of the estimator, then a pause whose reply goes to IRET.
void TNKHLP(std::int32_t IUNIT, std::int32_t IIN, std::int32_t& IRET);

}  // namespace qv

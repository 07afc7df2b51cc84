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

// The arguments of ESTIM8 by name: what it only reads, then in `out` what it writes (in/out: reads
// and writes). The estimates are in the data set's units.
struct Estim8Args {
  std::int32_t unit;      // output channel of the messages
  std::int32_t inUnit;    // input channel of the questions
  std::int32_t NUNTS;     // the data set's units: 0 feet and kips, 1 metres and metric tons
  struct Out {
    float& DISPL;         // displacement [kip | t]
    float& VKB;           // height of the centre of buoyancy [ft | m]
    float& VKG;           // height of the centre of gravity [ft | m]
    float& DRAFT;         // in/out: the requested draft; out the draft used [ft | m]
    float& AWP;           // waterplane area [ft^2 | m^2]
    float& VKMT;          // transverse KM [ft | m]
    float& VKML;          // longitudinal KM [ft | m]
    float& LWL;           // length [ft | m]
    float& BWL;           // beam [ft | m]
    float& PGYR;          // pitch gyradius [ft | m]
    float& RGYR;          // roll gyradius [ft | m]
    float& YGYR;          // yaw gyradius [ft | m]
    float& BILGR;         // bilge radius [ft | m]
    float& XWNDA;         // head-on wind area [ft^2 | m^2]
    float& YWNDA;         // beam-on wind area [ft^2 | m^2]
    float& XCURA;         // head-on current area [ft^2 | m^2]
    float& YCURA;         // beam-on current area [ft^2 | m^2]
    float& DWTON;         // in/out: deadweight [long tons], raised to 2000 when lower
    float& LOADED;        // freeboard-based load [%]
    float& DFTPCT;        // draft-based load [%]
    float& DSPPCT;        // displacement-based load [%]
    std::int32_t& ABORT;  // -1 when the user aborted at a message, else 0
  } out;
};

// Estimates every property from the deadweight DWTON [long tons] and DRAFT. A deadweight below 2000
// long tons is raised to 2000 and a draft outside the range from the lightship draft to the maximum
// draft is replaced by the nearer limit, each after a message and the abort question; ABORT is -1
// when the user aborted there, and the estimate is then unfinished. DRAFT returns the draft used.
// A failing solve of the lightship draft stops the run.
void ESTIM8(const Estim8Args& args);

// The arguments of TANKER by name: what it only reads, then in `out` the data items of the page,
// which it reads and changes only on a letter or "Z" reply, and the codes it returns.
struct TankerArgs {
  std::int32_t EDUNIT;    // output channel
  std::int32_t IIN;       // keyboard channel
  std::int32_t NUNTS;     // the data set's units: 0 feet and kips, 1 metres and metric tons
  struct Out {
    float& DISPL;         // displacement [kip | t]
    float& TVKB;          // height of the centre of buoyancy [ft | m]
    float& TVKG;          // height of the centre of gravity [ft | m]
    float& DRAFT;         // draft [ft | m]
    float& AWP;           // waterplane area [ft^2 | m^2]
    float& TVKMT;         // transverse KM [ft | m]
    float& TVKML;         // longitudinal KM [ft | m]
    float& LWL;           // length [ft | m]
    float& BWL;           // beam [ft | m]
    float& PGYR;          // pitch gyradius [ft | m]
    float& RGYR;          // roll gyradius [ft | m]
    float& TYGYR;         // yaw gyradius [ft | m]
    float& BILGR;         // bilge radius [ft | m]
    float& TXWNDA;        // head-on wind area [ft^2 | m^2]
    float& TYWNDA;        // beam-on wind area [ft^2 | m^2]
    float& TXCURA;        // head-on current area [ft^2 | m^2]
    float& TYCURA;        // beam-on current area [ft^2 | m^2]
    float& DWTONS;        // deadweight [kip | t]
    float& LOADED;        // freeboard-based load [%]
    float& DFTPCT;        // draft-based load [%]
    float& DSPPCT;        // displacement-based load [%]
    std::int32_t& LBACK;  // the last code of ENTEST
    std::int32_t& IPAG;   // the reply to the help's pause
  } out;
};

// The estimator's dialogue on the vessel data items of the hydrostatics page (the data set's units;
// DWTONS in kips or metric tons). The items change only on a letter or "Z" reply; LBACK holds the
// last code of ENTEST on return, IPAG the reply to the help's pause.
void TANKER(const TankerArgs& args);

// One reply to the estimate list: "Z" kReplaceAllEstimates; "1", "2" or blank first: the reply read
// as a whole number (0 when it is none); "?" the help code; anything else -1, with the letters A to
// Y it holds (upper-cased, at most kMaxEstimateLetters) in LIST, which ends in blanks. LIST holds
// the letters of this reply only: it is blank after any other reply.
void ENTEST(std::int32_t& CODE, std::int32_t IUNIT, std::int32_t IIN, Text<40>& LIST);
// The help screen of the estimator, then a pause whose reply goes to IRET.
void TNKHLP(std::int32_t IUNIT, std::int32_t IIN, std::int32_t& IRET);

}  // namespace qv

#include "mooring/oblique_fairlead.h"

#include <cmath>
#include <string>

#include "dataset/tpcm.h"
#include "mooring/catenary_element.h"
#include "mooring/line_tables.h"
#include "mooring/vertical_line.h"
#include "numlib/interpolation.h"
#include "platform/block_reset.h"
#include "platform/units.h"
#include "util/dialogue.h"
#include "util/fatal.h"
#include "util/fortran_format.h"

namespace qv {

constinit FoblqState FOBLQ_STATE{};
const BlockReset resetFoblqState{[] { FOBLQ_STATE.reset(); }};

void FoblqState::reset() { *this = FoblqState{}; }

namespace {

constexpr float kNoCatenary = 1.23e23f;  // KCTAN of a line that has no catenary part
constexpr float kFirstProbe = 0.01f;
constexpr float kProbeTension = 0.01f;   // the probe moves the tension by this share of T0
constexpr int kMostDoublings = 100;
constexpr float kStiffnessDifference = 0.5f;
constexpr float kQuadraticShare = 0.5f;
constexpr float kTensionShare = 0.5f;
constexpr float kGroundedMismatch = 1.0e-5f;
constexpr std::int32_t kSilence = 99;

void stopOnAbort(std::int32_t answer) {
  if (answer == -1) silentStop("FOBLQ");
}

void askToContinue(std::int32_t unit, std::int32_t inUnit) {
  std::int32_t answer = 0;
  ABORT0(unit, inUnit, answer);
  stopOnAbort(answer);
}

// The prompt line after a warning of the table stiffness and its question: ABORT3, where 99 silences
// the warning, or ABORT0. An unattended run writes an empty line and answers 99 (ABORT3) or 0.
std::int32_t askAfterStiffnessWarning(std::int32_t unit, std::int32_t inUnit, bool threeWay) {
  if (unit == kDiagnosticsUnit) {
    writeRecord(unit, "");
    return threeWay ? kSilence : 0;
  }
  writeRecord(unit, "              Enter 99 to ignore additional ocurrences of this condition OR...");
  std::int32_t answer = 0;
  if (threeWay) {
    ABORT3(unit, inUnit, answer);
  } else {
    ABORT0(unit, inUnit, answer);
  }
  stopOnAbort(answer);
  return answer;
}

void warnSingular(const char* what, std::int32_t line, std::int32_t unit) {
  writeRecord(unit, "");
  writeRecord(unit, std::string(" ++> Warning: Singular ") + what + " in line" + fmtI(line, 3) + "; routine FOBLQ.");
}

}  // namespace

void FOBLQ(const FoblqArgs& args) {
  const FoblqArgs::Out& out = args.out;
  FoblqState& state = FOBLQ_STATE;
  const std::int32_t t = args.ITYP;
  const std::int32_t unit = args.EDUNIT;

  // The mean state.
  const float* meanColumn = tableColumn(args.SEPVES, args.MIDLYR, t);
  int range = 0;
  int interval = 1;
  BSRCH(meanColumn, args.s0, range, interval, args.NUMTAB);
  float T0 = 0.0f;
  INTERP(meanColumn, tableColumn(args.TOPTEN, args.MIDLYR, t), args.s0, T0, interval);
  const float K = 1.0f / (1.0f / args.KCTAN + 1.0f / args.KELAS);

  bool tableFree = false;  // ELASFL: no catenary part found
  float probe = kFirstProbe;
  for (int doublings = 0; !(T0 > 0.0f && K * probe / T0 > kProbeTension); ++doublings) {
    if (doublings == kMostDoublings) {
      writeRecord(unit, "");
      writeRecord(unit, " ++> Warning: DO-loop overflow in FOBLQ (label 49).");
      askToContinue(unit, args.inUnit);
      probe = kFirstProbe;
      tableFree = true;
      break;
    }
    probe *= 2.0f;
  }

  bool sigmaWarned = false;
  for (int pass = 1; pass <= 3; ++pass) {
    const float h = pass == 1 ? probe : (pass == 2 ? args.a : -args.a);
    const float dx = args.FXCOMP * h;
    const float dz = args.FZCOMP * h;
    std::int32_t layer = 1;
    float F = 0.0f;
    std::int32_t outside = 0;
    SETLYR(args.NLAYER, args.MIDLYR, args.DLAYER, args.ZSPAN, dz, layer, F, outside);
    if (outside != 0 && state.FRSTIM == 1) {
      state.FRSTIM = 0;
      writeRecord(unit, "");
      writeRecord(unit, " ++> Warning: A vertical translation of amount " + fmtF(dz, 6, 2) + " has carried");
      writeRecord(unit,
                  "     fairlead number " + fmtI(args.line, 2) + " (and possibly others) outside the bounds of the");
      writeRecord(unit, "     specified vertical interpolation span in FOBLQ.");
      writeRecord(unit, "     Consider increasing the span before continuing simulation.");
      askToContinue(unit, args.inUnit);
    }

    // The line's state at the moved fairlead.
    const float s = args.s0 + dx;
    const float* column = tableColumn(args.SEPVES, layer, t);
    int lower = 1;
    BSRCHQ(column, F, s, range, lower, args.NUMTAB);
    INTRPR(column, args.HLOD, s, out.RFORCE, lower, F);
    float T = 0.0f;
    if (out.RFORCE > 0.0f) {
      float angle = 0.0f;
      INTRPQ(column, tableColumn(args.TOPTEN, layer, t), s, T, lower, F);
      INTRPQ(column, tableColumn(args.TOPANG, layer, t), s, angle, lower, F);
      out.FGZTMP = -out.RFORCE * std::tan(angle);
    } else {
      out.RFORCE = 0.0f;
      const std::int32_t typeLine = TPCM.moor.LINTYP(1, t);
      const float height = args.RFLD[3 * (typeLine - 1) + 2] - args.ZMCTR + args.ANCHGT[t - 1] + dz;
      std::int32_t freeFlag = 0;
      float grounded = 0.0f, groundedAgain = 0.0f, angle = 0.0f, lowerAngle = 0.0f;
      VRTLIN(height, t, freeFlag, args.TOTWT[t - 1], grounded, angle, T, groundedAgain, lowerAngle);
      out.FGZTMP = angle >= 0.0f ? -std::fabs(T) : std::fabs(T);
      if (std::fabs(grounded - groundedAgain) > kGroundedMismatch) {
        writeRecord(unit, "Bottom length mismatch in FOBLQ:VRTLIN");
        askToContinue(unit, args.inUnit);
      }
    }

    // The catenary excursion: what the elastic stretch leaves of the fairlead's move.
    const float dT = T - T0;
    float y = 0.0f;
    if (args.KCTAN != kNoCatenary && std::fabs(args.KELAS * h) > std::fabs(dT)) {
      y = h - dT / args.KELAS;
    } else {
      tableFree = true;
    }

    if (pass == 1) {
      out.KCATO = tableFree ? args.KCTAN : dT / y;
      out.KSTATN = dT / h;
      if (state.KFIRST == 1 && args.line != state.LSTLN &&
          std::fabs(args.KCTAN - out.KCATO) / args.KCTAN > kStiffnessDifference) {
        writeRecord(unit, "");
        writeRecord(unit, " ++> Warning: KCAT, KCATO differ in FOBLQ for line #" + fmtI(args.line, 3));
        if (askAfterStiffnessWarning(unit, args.inUnit, true) == kSilence) state.KFIRST = 0;
        state.LSTLN = args.line;
      }
      if (state.KFRSTP == 1 && out.KCATO <= 0.0f) {
        state.KFRSTP = 0;
        warnSingular("KCATO", args.line, unit);
        askAfterStiffnessWarning(unit, args.inUnit, false);
      }
      continue;
    }

    float sigma = 0.0f;
    float share = 0.0f;  // the quadratic over the linear term
    if (!tableFree) {
      sigma = (dT * (out.KCATO / args.KELAS + 1.0f) - out.KCATO * h) / (y * y);
      share = y * sigma / args.KCTAN;
    }
    if (pass == 2) {
      out.SIGCP = sigma;
      out.YCATP = y;
    } else {
      out.SIGCM = sigma;
      out.YCATM = y;
    }
    if (state.SGFRST == 1 && !sigmaWarned && sigma < 0.0f && std::fabs(share) > kQuadraticShare &&
        std::fabs(dT / T0) > kTensionShare) {
      sigmaWarned = true;
      warnSingular("SIGCQ", args.line, unit);
      if (askAfterStiffnessWarning(unit, args.inUnit, true) == kSilence) state.SGFRST = 0;
    }
  }
}

}  // namespace qv

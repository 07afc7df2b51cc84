#include "hull/hull_model.h"

#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/disc/disc.h"
#include "hull/jackup.h"
#include "hull/semi/semi.h"
#include "hull/ship/ship.h"
#include "platform/block_reset.h"
#include "util/fatal.h"
#include "util/flowing_lines.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr HullOps kShip = {SHPCHR, SHPFRC, SHPRAO, SHPSUM, SHPOUT};
constexpr HullOps kJackUp = {JCKCHR, JCKFRC, JCKRAO, JCKSUM, JCKOUT};
constexpr HullOps kSemi = {SEMCHR, SEMFRC, SEMRAO, SEMSUM, SEMOUT};
constexpr HullOps kDisc = {DSKCHR, DSKFRC, DSKRAO, DSKSUM, DSKOUT};

// The hull models built into the program, by kind (none, ship, jack-up, semi-submersible, discus
// buoy). A model that is not listed stops the run when a data set selects it.
constexpr std::array<const HullOps*, kHullKinds> kBuiltInModels = {nullptr, &kShip, &kJackUp, &kSemi, &kDisc};

// The selected model's operations; nullptr when no hull is selected. A selected model that the
// program lacks is a fatal stop: the response cannot be computed without it.
const HullOps* selectedModel(std::string_view operation) {
  const HullKind kind = selectHull();
  if (kind == HullKind::kNone) return nullptr;
  const HullOps* ops = HULL_MODELS.ops[static_cast<int>(kind)];
  if (ops == nullptr) {
    const std::string name(hullName(kind));
    std::vector<std::string> lines{""};
    addFlowingLines(lines, " ++> ",
                    "Vessel response: the " + name + " hull model is not part of this program (VESTYP =" +
                        fmtI(TPCM.VESTYP, 3) + ", SEMI_LIKE =" + fmtI(TPCM.SEMI_LIKE, 3) +
                        "); no vessel response can be computed.");
    fatalStop(operation, TPCM.EDUNIT, lines);
  }
  return ops;
}

}  // namespace

HullModels HULL_MODELS = {kBuiltInModels};
const BlockReset resetHullModels{[] { HULL_MODELS.reset(); }};

void HullModels::reset() { ops = kBuiltInModels; }

HullKind selectHull() {
  if (TPCM.VESTYP == VesselType::kShipVessel) return HullKind::kShip;
  if (TPCM.VESTYP == VesselType::kJackUp) return HullKind::kJackUp;
  if (TPCM.SEMI_LIKE != 0) return HullKind::kSemi;
  if (TPCM.VESTYP == VesselType::kDiscBuoy) return HullKind::kDisc;
  return HullKind::kNone;
}

std::string_view hullName(HullKind kind) {
  switch (kind) {
    case HullKind::kShip:
      return "ship";
    case HullKind::kJackUp:
      return "jack-up";
    case HullKind::kSemi:
      return "semi-submersible";
    case HullKind::kDisc:
      return "discus buoy";
    case HullKind::kNone:
      break;
  }
  return "none";
}

void hullCHR() {
  if (const HullOps* ops = selectedModel("CHR")) ops->CHR();
}

void hullFRC(std::int32_t& flag) {
  if (const HullOps* ops = selectedModel("FRC")) ops->FRC(flag);
}

void hullRAO() {
  if (const HullOps* ops = selectedModel("RAO")) ops->RAO();
}

void hullSUM() {
  if (const HullOps* ops = selectedModel("SUM")) ops->SUM();
}

void hullOUT() {
  if (const HullOps* ops = selectedModel("OUT")) ops->OUT();
}

}  // namespace qv

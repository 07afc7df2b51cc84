// The seam between the vessel-response drivers and the hull models. The data set selects one hull
// model (selectHull); every hull model offers the same five operations, and the drivers reach the
// selected model's through the five dispatchers below, never by naming a model:
//
//   CHR        characteristics: hull scalars of HIMEM, natural frequencies and their grid points
//   FRC(flag)  wave exciting forces at every grid point for the heading REDANG(IRAO), into the six
//              operator columns of HIMEM (flag 0: the reference pass of pass 1; 5: a heading). The
//              flag is a variable: a model may change it, so callers store it again before each call.
//   RAO        the six exciting forces replaced in place by the response operators
//   SUM        report page I (summary), on the report unit TPCM.IUNIT
//   OUT        report page II (characteristics), on the report unit
//
// The drivers call them in the order CHR, FRC(0), then per heading FRC(5) and RAO; a model may rely
// on it. With no hull selected (VESTYP 3, 5 or 6 without SEMI_LIKE, or any other type) the
// dispatchers call nothing and the drivers go on with whatever the work area holds. A selected model
// that is not part of the program stops the run with a message that names it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qv {

enum class HullKind : int { kNone = 0, kShip = 1, kJackUp = 2, kSemi = 3, kDisc = 4 };
inline constexpr int kHullKinds = 5;

// The hull model of the data set, first match wins: VESTYP 1 ship, VESTYP 2 jack-up, SEMI_LIKE not 0
// semi-submersible, VESTYP 4 discus buoy, else none.
HullKind selectHull();
// "ship", "jack-up", "semi-submersible", "discus buoy" ("none" for kNone).
std::string_view hullName(HullKind kind);

// The five operations of one hull model.
struct HullOps {
  void (*CHR)();
  void (*FRC)(std::int32_t& flag);
  void (*RAO)();
  void (*SUM)();
  void (*OUT)();
};

// The operations of the selected hull model.
void hullCHR();
void hullFRC(std::int32_t& flag);
void hullRAO();
void hullSUM();
void hullOUT();

// The hull models in use, by kind (nullptr: not part of the program). reset() restores the models
// built into the program (hull_model.cpp lists them); tests install stand-ins.
struct HullModels {
  std::array<const HullOps*, kHullKinds> ops;
  void reset();
};
extern HullModels HULL_MODELS;

}  // namespace qv

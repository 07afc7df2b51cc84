// A stand-in hull model for the vessel-response tests: unit operators (1 + 0i for every degree of
// freedom at every grid point, forces and motions alike), rotation centres at the centre of gravity,
// chosen natural periods, and one line for each report page. It records the order of its calls.
#pragma once

#include <string>
#include <vector>

#include "dataset/tpcm.h"
#include "hull/himem.h"
#include "hull/hull_model.h"
#include "platform/units.h"

namespace qv::testing_support {

struct StubHull {
  static inline std::vector<std::string> calls;
  static inline float naturalPeriod = 10.0f;  // heave, pitch and roll [s]

  static void fillUnitOperators() {
    Himem& h = HIMEM;
    for (h.IW = 1; h.IW <= TPCM.NWP; ++h.IW) {
      INDXUP();
      for (const std::int32_t at : {h.LSG, h.LSW, h.LHV, h.LRL, h.LPT, h.LYA}) h.CXDUM(at) = Complex(1.0f, 0.0f);
    }
  }
  static void CHR() {
    calls.push_back("CHR");
    HIMEM.VTCRP = TPCM.TVKG;
    HIMEM.VTCRR = TPCM.TVKG;
    HIMEM.GML = 100.0f;
    HIMEM.GMT = 10.0f;
    HIMEM.WP = HIMEM.WR = HIMEM.WH = 6.2831855f / naturalPeriod;
  }
  static void FRC(std::int32_t& flag) {
    calls.push_back("FRC" + std::to_string(flag));
    fillUnitOperators();
  }
  static void RAO() {
    calls.push_back("RAO");
    fillUnitOperators();
  }
  static void SUM() {
    calls.push_back("SUM");
    writeRecord(TPCM.IUNIT, "                         STUB HULL PAGE I");
  }
  static void OUT() {
    calls.push_back("OUT");
    writeRecord(TPCM.IUNIT, "                         STUB HULL PAGE II");
  }
  static constexpr HullOps ops = {CHR, FRC, RAO, SUM, OUT};

  // Puts the stub in place of the model of `kind`.
  static void install(HullKind kind = HullKind::kShip) {
    calls.clear();
    naturalPeriod = 10.0f;
    HULL_MODELS.ops[static_cast<int>(kind)] = &ops;
  }
};

}  // namespace qv::testing_support

// The moored ship of the net-load and slow-drift tests: the free ship of the vessel-response tests
// (English units, 150 ft of water, 900 ft long, 150 ft beam, 50 ft draft) after pass 1 on the 21
// periods from 5 to 15 s with the stand-in hull, gravity and air density as the statics leaves them,
// and no load switched on. The coefficient models have closed forms: the cylindrical vessel for wind
// and current (CX = -cos a, CY = -sin a, CMZ = (x arm cos a - y arm sin a) / LWL), and the user drift
// table of writeDriftTable for the three drift components.
#pragma once

#include <cmath>
#include <fstream>
#include <string>

#include "dataset/tpcm.h"
#include "hull/pascom.h"
#include "hull/equilb.h"
#include "lowfreq/sines.h"
#include "support/console_capture.h"
#include "vessel/vessel_fixture.h"
#include "vessel/vesl1.h"
#include "waves/wavcom.h"

namespace qv::testing_support {

inline constexpr int kMooredShipPeriods = 21;
inline constexpr std::int32_t kCylinderWind = 0x555;     // wind model 5 in surge, sway and yaw
inline constexpr std::int32_t kCylinderCurrent = 0x777;  // current model 7
inline constexpr std::int32_t kUserDriftTable = 0x111;   // drift model 1

inline void mooredShipAfterPassOne() {
  freeShipDataSet(kMooredShipPeriods);
  Tpcm& t = TPCM;
  t.NEGSUM = 1;
  t.LRANDM = t.LSWELL = t.LSWEL2 = 0;
  {
    ConsoleCapture console;
    VESL1();
  }
  t.NEGSUM = 0;
  StubHull::calls.clear();
  WAVCOM.G = 32.152f;
  WAVCOM.RHOAIR = 0.0024356f;
  t.LWIND = t.LCURNT = 0;
  t.LEGDRG = 1;
  t.LWBARG = kCylinderWind;
  t.LCBARG = kCylinderCurrent;
  t.LWVCOF = kUserDriftTable;
  t.DWATR = 64.0f;
  t.TXWNDA = 20000.0f;
  t.TYWNDA = 80000.0f;
  t.TXCURA = 7500.0f;
  t.TYCURA = 45000.0f;
  t.XWARM = t.YWARM = t.XCARM = t.YCARM = 0.0f;  // a hull symmetric about midship
  t.LCSTCR = 1;                                   // uniform current over the draft
  t.IARCO = kRigidHawser;
  t.YAWTBL = 0;
  SINES.HOVERD = t.DEPTH / t.DRAFT;
  WAVCOM.BEAMCF = 0.001f * t.DWATR * t.LWL;
  WAVCOM.BOWCF = 0.001f * t.DWATR * t.BWL;
}

// The user drift table "DRFTCOFS.txt" in the current folder: two frequencies around the grid, the
// file headings H = 0 to 360 deg every 10 deg (H is the wave direction a plus 180 deg), surge
// cx cos H, sway cy sin H, yaw cz sin H; that is -cx cos a, -cy sin a, -cz sin a, waves from ahead
// pushing the ship astern and waves from one side pushing it away.
inline void writeDriftTable(float cx, float cy, float cz) {
  std::ofstream out("DRFTCOFS.txt");
  out << "2 37\n";
  for (int j = 0; j <= 36; ++j) {
    const double H = 10.0 * j / 57.29577951308232;
    out << 10 * j << "\n";
    for (const double frequency : {0.1, 5.0}) {
      out << frequency << " " << cx * std::cos(H) << " " << cy * std::sin(H) << " " << cz * std::sin(H) << "\n";
    }
  }
}

}  // namespace qv::testing_support

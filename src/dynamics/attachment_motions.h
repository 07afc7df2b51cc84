// How the wave-frequency stage of an attached SALM reads the vessel's motions at the attachment: the
// one rule for every user of those motions, so that no two of them can take different motions.
//
//   - The heading blocks of "YOKEMOT" (the vessel-point motion file, open on kYokeMotionUnit): per
//     heading the header record NRAO, ISWLFG, ISWLFG2, IRANFG, RAODIR of its displacement block and
//     the first vessel point's record of each period (x, y, z motion, then roll, yaw and pitch),
//     wherever the other output kinds and points put their records (yokeMotionLayout of
//     vessel/point_motions.h).
//   - The turn into the SALM's axes: the point's horizontal motion turned from the vessel's axes
//     into the SALM's plane by SLMANG - TANGLE of the most stable equilibrium (first component
//     outward from the anchor along the plane, second across it), the vertical kept; the first and
//     third angle components flipped when the yoke lies aft of the vessel's origin (XSALM < 0).
//   - The waves of each block and their shares: the random sea where the block is one of the sea's
//     (IRANFG), weighted where the sea is spread by its point's weight in the sea heading's fan;
//     each swell whole where the block is its own (ISWLFG, ISWLFG2).
//   - The slow-encounter rule: under way, each row of the grid that the vessel meets more slowly
//     than the grid reaches takes its weight s (vessel/slow_encounter.h) in every statistic. The
//     SALM responds to the whole motion at its attachment, which cannot be split from the vessel's
//     surge, sway and yaw there, so the whole motion takes the weight: its energy times s^2, from
//     all of it at the grid's lowest frequency to none at half that frequency, where the rows that
//     grow without bound lie.
//
// Users: MEMMOT reads each heading's yoke motions through it (DYNSLM keeps the turn in COSROT,
// SINROT); MEMLOD and MOMOUT take the rows and the weights of the member loads' and moments'
// statistics from it, DYNOUT the rows that a riser's load tables may not refuse; riserKeelMotion
// (riser_reach.h) takes the keel's motion that judges a buoyant riser from it, so that the judge
// takes exactly the wave-frequency motion the member loads take.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "dynamics/heading_waves.h"
#include "numlib/algebra.h"
#include "util/farray.h"
#include "vessel/slow_encounter.h"
#include "waves/wavcom.h"

namespace qv {

// The header record of one heading block.
struct AttachmentBlock {
  std::int32_t NRAO = 0;     // the file's count of headings
  std::int32_t ISWLFG = 0;   // 1: the block is the swell's heading
  std::int32_t ISWLFG2 = 0;  // 1: the block is the second swell's heading
  std::int32_t IRANFG = 0;   // 1: the block belongs to the random sea of the first sea heading
  float RAODIR = 0.0f;       // the block's wave heading relative to the vessel [rad]
};

// Per period of a block, three components in the SALM's axes (DYNCOM CRVEC, CVANG): the point's
// motion [ft | m per ft | m of wave] or the vessel's angles [rad per ft | m of wave].
using AttachmentMotions = Arr<Complex, 3, kMaxWavePeriods>;

// The turn from the vessel's axes into the SALM's plane at the most stable equilibrium [rad]:
// SLMANG - TANGLE, formed as DYNSLM forms it, through the yoke's angle PHIANC and back (its COSROT,
// SINROT are the turn's cosine and sine).
float salmPlaneTurn();

// Heading block `heading` (1-based) of "YOKEMOT", whose blocks hold `periods` periods each: its
// header, and the motions of its periods in the SALM's axes into CRVEC and CVANG (elements 1 to
// `periods`). Read from the start of the file. A file without the block's yoke motions stops the run
// under `routine` (noYokeMotions of dynamics/dynslm.h).
AttachmentBlock readAttachmentBlock(std::string_view routine, std::int32_t heading, int periods,
                                    AttachmentMotions& CRVEC, AttachmentMotions& CVANG);

// The block of the heading in hand, as MEMMOT left its header in OUTPUT (NRAOSM, ISWLFG, ISWLFG2,
// IRANFG, RAODIR).
AttachmentBlock blockInHand();

// The heading of the waves whose motions a block holds [rad, earth, 0 to 2 pi]: its relative
// heading RAODIR [rad] turned by the vessel's heading at the most stable equilibrium (OUTPUT WAVDIR).
float blockWaveHeading(float RAODIR);

// Which of the run's waves act on a block, with the spread sea's weight (OUTPUT LRND, LSWL, LSWL2,
// IANG, SPDVAL of the member loads).
struct BlockWaves {
  std::int32_t LRND = 0;   // 1: the random sea acts
  std::int32_t LSWL = 0;   // 1: the swell acts
  std::int32_t LSWL2 = 0;  // 1: the second swell acts
  std::int32_t IANG = 0;   // the block's point of the spread sea's fan; the fan's centre, NA2 + 1, otherwise
  float SPDVAL = 1.0f;     // the random sea's spreading weight (1 where the sea is not spread)

  bool any() const { return LRND != 0 || LSWL != 0 || LSWL2 != 0; }
  WaveShares shares() const;
};
BlockWaves blockWaves(const AttachmentBlock& block);

// The place of waves of heading WAVDIR [rad, earth] in the spreading fan of the sea heading: point d of
// 1 .. NA + 1 across the sector, the inverse of the fan the vessel response builds; 0 when it cannot
// be formed.
int spreadingFanPoint(float WAVDIR);

// The weights of the rows of a block as the vessel under way meets them: 1 at every row at rest and
// under the imposed extension (LEXTND), which drives no vessel motion.
EncounterWeights blockEncounterWeights(const AttachmentBlock& block);

// The density of a block's waves [ft^2 s | m^2 s] that weights each row of its response spectra:
// waveDensity of its shares times the row's energy share (elements 0 .. NWP - 1).
std::array<float, kMaxWavePeriods> blockRowDensities(const BlockWaves& waves, const EncounterWeights& weights);

}  // namespace qv

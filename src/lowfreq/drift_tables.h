// The user's table of mean wave-drift coefficients, read from a text file ("DRFTCOFS.txt" or a hull's
// own name) and interpolated bilinearly in frequency and heading. The file: one record with the
// number of frequencies (2 to 121) and of headings (2 to 145); then for each heading a record with
// the heading [deg] and one record per frequency with frequency [rad/s], surge, sway and yaw
// coefficients. Each heading block carries its own frequencies (as many as the first), which serve
// for that block: a file that tabulates each heading at frequencies of its own is read as it stands.
// The frequencies of every block and the headings are strictly monotonic; every record lies on a line
// of its own. Headings are on the scale of the wave direction plus 180 degrees, over any turn (0 to
// 360, -180 to 180, descending): a heading is read at the turn of it that the table spans, and one
// the table does not span (a table of less than a turn) stops the run.
#pragma once

#include <cstdint>

#include "util/farray.h"

namespace qv {

inline constexpr int kMaxDriftFrequencies = 121;
inline constexpr int kMaxDriftHeadings = 145;

// The coefficient of `component` (1 surge, 2 sway, 3 yaw) at the frequency [rad/s] and the wave
// direction [rad]: interpolated in frequency within each of the two heading blocks about the heading,
// then between them, which is INTRP4 where the two blocks share their frequencies. The table is read
// on the first call and whenever another file name is asked for. A frequency outside either block's
// frequencies extrapolates from its end interval after a warning given once per run (naming the file,
// the frequencies it holds and those of the run's wave grid), at which the user may stop; an
// unattended run (unit 41) stops there.
float DRFTCB(float frequency, int component, float direction, std::int32_t unit, std::int32_t IIN,
             const Text<13>& FNAME);

// Bilinear value of C (first dimension 121) at frequency f and heading h, inside the cell of
// frequency index i and heading index j of the tables W and A: heading first, then frequency, each
// intermediate rounded to single precision. The last two counts are not read.
void INTRP4(const float* C, const float* W, const float* A, float f, float h, float& result, int i, int j,
            int frequencies, int headings);

// The table held between calls (one file at a time) and the once-per-run warning.
struct DriftTableState {
  std::int32_t NFREQ = 0;                                   // frequencies in use
  std::int32_t NAZ = 0;                                     // headings in use
  Arr<float, kMaxDriftFrequencies, kMaxDriftHeadings> WARRAY{};  // frequencies of each heading block [rad/s]
  Arr<float, kMaxDriftHeadings> ANGARR{};                   // headings [rad]
  union {
    Arr<float, kMaxDriftFrequencies, kMaxDriftHeadings, 3> CF{};  // the three below as one array
    struct {
      Arr<float, kMaxDriftFrequencies, kMaxDriftHeadings> CFX;    // surge coefficients by frequency, heading
      Arr<float, kMaxDriftFrequencies, kMaxDriftHeadings> CFY;    // sway coefficients
      Arr<float, kMaxDriftFrequencies, kMaxDriftHeadings> CMZ;    // yaw coefficients
    };
  };
  Text<13> LASTFILE = makeText<13>("========");             // name of the file held
  std::int32_t FRSTIM = 1;                                  // 1 until the first file is read
  std::int32_t WARN1 = 0;                                   // 1 once the extrapolation warning is given
  bool sharedFrequencies = true;                            // every block at the first block's frequencies

  // The start of a run; the table itself is left, since nothing reads it before a file is loaded.
  void reset();
};
extern DriftTableState driftTableState;

}  // namespace qv

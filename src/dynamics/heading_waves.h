// The waves that act on the SALM's members in the wave-frequency stage, for its response spectra and
// variances: the random sea, the swell and the second swell, each with its share. The sea a body
// meets is the sum of its wave systems, so every response spectrum is the response operator's square
// times the sum of the acting spectra of WAVCOM, each weighted by its share, and the two swells count
// alike whichever of them the data set calls first.
#pragma once

#include "waves/wavcom.h"

namespace qv {

// Two of the random sea (its first heading), the swell and the second swell act on headings more than
// 0.1 degree apart: with a spread sea, more than one wave direction acts (OUTPUT MLTRAO), and each
// block of vessel motions loads the members with the waves of its own direction; otherwise every
// block takes the sea's heading.
bool wavesOnSeveralHeadings();

// The weight of each wave system in a response: 0 where it does not act.
struct WaveShares {
  float sea = 0.0f;     // the random sea, spreading weight included
  float swell = 0.0f;   // the swell
  float swell2 = 0.0f;  // the second swell
};

// The density of the shares' waves at period IW [ft^2 s | m^2 s]: each acting spectrum of WAVCOM
// (WPSD, SWLPSD, SWLPSD2) times its weight, summed. Inline: the response loops take it at every
// period of every quantity.
inline float waveDensity(int IW, const WaveShares& shares) {
  const Wavcom& w = WAVCOM;
  float E = 0.0f;
  if (shares.sea != 0.0f) E += shares.sea * w.WPSD(IW);
  if (shares.swell != 0.0f) E += shares.swell * w.SWLPSD(IW);
  if (shares.swell2 != 0.0f) E += shares.swell2 * w.SWLPSD2(IW);
  return E;
}

// The attached SALM's heading in hand (OUTPUT, as its member loads set them from blockWaves of
// dynamics/attachment_motions.h): the random sea with the heading's spreading weight SPDVAL where it
// acts (LRND), each swell whole where the heading is its own (LSWL, LSWL2).
WaveShares headingShares();

// The free SALM, whose loads are solved for waves in its plane: the share of each system that lies
// in that plane (OUTPUT XWVFAC, XSWFAC, XSWFAC2), the share across it (one less those), or the whole
// of each (the plane's response that the sea's every direction excites alike). A system that does not
// act (OUTPUT LRND, LSWL, LSWL2) has none.
enum class FreeShare { kWhole, kInLine, kAcross };
WaveShares freeSalmShares(FreeShare part);

}  // namespace qv

// The parts of the environment pages (pages 11 to 16) that reach beyond one page: their help
// screens, the current-profile table, the two-swell form of page 16, the pieces that the irregular
// wave and swell pages share, and the test of the period grid that page 14 and the wave report make.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/tpcm.h"
#include "editor/page_loop.h"
#include "util/farray.h"
#include "waves/period_grid.h"  // page 14 and the wave report test the period grid

namespace qv {

// ---- help screens -----------------------------------------------------------------------------
// Every help routine takes the screen unit, the keyboard unit and the item asked for (0: every note
// in turn, one screen after another with a pause between them; n: the note of item n, or " ++> Sorry,
// no help for this line..."), and ends with a pause.

void WNDHP1(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);  // page 11 items
void WNDHP2(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);  // wind spectrum types (kWindSpectra)
// Page 12 items; CREATR 14 (a TLP data set) adds the tendon note to item 7.
void CURHLP1(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t CREATR);
void CURHLP2(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);  // current spectrum types (kCurrentSpectra), by list number
void CURHLP3(std::int32_t IOSCRN, std::int32_t KBD);                     // the profile table (one screen)
void CURHLP4(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);  // depth variations 1 to 4
// Page 14 items; context 2 adds the extension amplitude to the note on items 3 and 4.
void REGHLP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t context);
// Page 13; context 0 speaks of the SALM and the vessel, 11 of a line and a tugboat, any other of a
// line and a vessel.
void EXTHLP(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t context);
// Items of pages 15 (swellFlag 0) and 16 (swellFlag 1); which notes exist depends on the page, the
// simulation type and the spectrum type of the sea being edited.
void RANHP1(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE, std::int32_t SIMTYP, std::int32_t swellFlag,
            std::int32_t spectrumType);
// The spectrum types by list number (code + 1).
void RANHP2(std::int32_t IOSCRN, std::int32_t KBD, std::int32_t LINE);

// One note of a help screen: the items it covers, the heading shown when every note is listed
// ("3, 4"), its text, and whether it starts a screen of its own when every note is listed.
struct HelpNote {
  std::vector<std::int32_t> items;
  std::string heading;
  std::vector<std::string> text;
  bool ownScreen = true;
};

// A note on headings followed by a small sketch of the x and y axes with the 90- and 180-degree
// directions.
std::vector<std::string> withAxesSketch(std::vector<std::string> text);

// The help screens of the environment pages: the screen cleared, the title line as given, then the
// note of item LINE or, for LINE 0, every note; each note after an empty line and its " ++> Item
// Number" heading; a pause at the end of every screen. An item without a note gets its heading with
// the number and " ++> Sorry, no help for this line..." between empty lines.
void showHelpNotes(std::int32_t unit, std::int32_t kbd, std::int32_t LINE, std::string_view titleLine,
                   const std::vector<HelpNote>& notes);

// ---- sub-pages ------------------------------------------------------------------------------------
// A list that a page opens under one of its items: drawn, "?n" to its help, and every other reply
// to `choose`, which may change it (a clamp) and says whether the list is shown again or left. Its
// selection words are its own: the page's LBACK and IPAG stay as they were.
void runSubPage(const std::function<void()>& draw, const std::function<void(std::int32_t)>& help,
                const std::function<PageStep(std::int32_t& reply)>& choose);

// ---- page 12: the current profile ------------------------------------------------------------
inline constexpr std::int32_t kMaxProfilePoints = 5;  // rows of the legacy current profile
inline constexpr std::int32_t kProfileAborted = -1;   // CRNTIN's ITEMP after "Abort entry"

// The profile table: at most five rows of depth below the surface and speed [kn], with row entry,
// the count, eliminating and inserting a row, and abort. ITEMP comes back -1 when the user aborted
// (the rows and the count as they were on entry), otherwise 0 or the navigation code with which the
// table was left. The table cannot be left while its last row lies neither at the water depth nor
// at zero speed, or while its first row is the implicit surface point; an empty table is accepted.
// In a listing pass (LCOPY set) the table is written once and ITEMP is 0.
void CRNTIN(std::string_view CTYPE, Arr<float, kMaxProfilePoints>& DPTHI, Arr<float, kMaxProfilePoints>& VELI,
            float CURSPD, float DEPTH, std::int32_t& NROW, std::int32_t IOSCRN, std::int32_t KBD, std::int32_t& ITEMP,
            std::int32_t& LCOPY);

// ---- pages 15 and 16: what they share ----------------------------------------------------------
// The words of one wave system that the spectrum choice and the JONSWAP items edit.
struct WaveSystem {
  std::int32_t& type;  // spectrum type code (WaveSpectrum)
  float& width;        // bandwidth of the default swell spectrum (hasBandwidth)
  float& gamma;        // JONSWAP peak factor (hasJonswapShape)
  float& sigmaA;       // JONSWAP width below the peak
  float& sigmaB;       // JONSWAP width above the peak
};

// Whether the alpha calculator is offered: a JONSWAP type with all three shape parameters positive.
bool offersAlpha(const WaveSystem& sea);
// The list of the spectrum types (kWaveSpectra) under `title`; a choice sets the type (the swell
// refuses Ochi-Hubble with a message) and type 8 opens the table of the densities at the regular
// periods.
// Blank or a navigation letter goes back to the page with the type unchanged.
void chooseWaveType(std::string_view title, bool swell, std::int32_t& type, Arr<float, kMaxPeriods>& densities,
                    std::int32_t periods);
// The legacy densities at the regular periods (spectrum type 8), one table for the sea and the
// swell: a row per period; the whole-table operations run over all 100. Written once in a listing
// pass.
void legacyDensityTable(Arr<float, kMaxPeriods>& densities, std::int32_t periods);
// After page 15 or 16 is listed: the density table too when the spectrum type is 8.
PageStep listLegacyDensities(std::int32_t type);
// The item line again, then a value that is asked again while it is negative.
void enterNonNegative(const std::string& itemLine, float& value);
// The JONSWAP alpha of a typed significant height and peak period for the sea's shape parameters,
// shown and not stored. `typed` keeps the two values typed last while the page is shown.
void jonswapAlphaCalculator(const WaveSystem& sea, float gravity, float (&typed)[2]);
// The first 23 characters of the spectrum name (a blank and the name).
std::string shortWaveTypeName(std::int32_t type);
// Gravity of the data set's unit system [ft/s^2 | m/s^2].
float pageGravity();

// ---- page 16: the two-swell form -----------------------------------------------------------------
// The words of one swell.
struct SwellWords {
  std::int32_t& flag;  // simulate this swell
  std::int32_t& type;  // spectrum type (never Ochi-Hubble)
  float& height;       // significant height [ft | m]
  float& period;       // peak period [s]
  float& heading;      // heading [deg], global or relative to each irregular-wave heading
  float& width;        // bandwidth of the default swell spectrum
  float& sigmaA;       // JONSWAP width below the peak
  float& sigmaB;       // JONSWAP width above the peak
  float& gamma;        // JONSWAP peak factor
};

// One swell's block of the two-swell page: items offset + 2 to offset + 11. Mode 0 draws it, mode 1
// edits the selection. The density table and the period count are shared with page 15.
void SWEL_BLOK(std::int32_t offset, std::int32_t mode, std::int32_t selection, std::int32_t SIMTYP,
               Arr<float, kMaxPeriods>& USRPSD, std::int32_t& NWP, const SwellWords& swell, std::int32_t& lock,
               std::int32_t NUNTS, std::int32_t& LCOPY, std::int32_t EDUNIT, std::int32_t KBD, std::int32_t IBATCH);
// The page with a first and a second, smaller swell (items 1 to 20, 21 to 40, and 41 the heading
// lock). On entry the first swell's heading becomes the regular-wave heading when it is on and the
// irregular sea is off. The page-control words are those of TPCM, as on every page. Returns the
// selection with which the user left.
std::int32_t SWELL2(std::string_view page, std::int32_t SIMTYP, const SwellWords& first, std::int32_t& lock,
                    const SwellWords& second, Arr<float, kMaxPeriods>& USRPSD, std::int32_t& NWP, std::int32_t NUNTS,
                    std::int32_t LRANDM, float& WAVHDG);

}  // namespace qv

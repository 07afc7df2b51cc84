// The loop that every editor page runs, as the page protocol of the sequencer fixes it:
//
//   1. Unless a hard-copy pass is running (TPCM.LCOPY set), the screen is cleared.
//   2. `draw` writes the page on TPCM.EDUNIT: its header and its item lines.
//   3. In a hard-copy pass: LBACK = 0 and TWOPG (two screens to a listing page); then `listed` may
//      write the page's sub-pages, and either ends the page or asks for it to be written again
//      (with its state moved on: the next element, say). Nothing is asked.
//   4. Otherwise ENTSEL prompts "Enter number of selection ..." and leaves the reply's code in
//      `reply` and the number typed after a letter in `number` (by default TPCM.LBACK and
//      TPCM.IPAG, which the sequencer reads; a sub-page passes words of its own).
//   5. "?" (or "?n"): `help` with the number n, then the page is drawn again.
//   6. A reply that is the number of an item of `items` that is offered: the item's edit, then the
//      page is drawn again.
//   7. Any other reply (0, a navigation code, a number that is no item, an item not offered now)
//      goes to `other`, which acts on it and says whether to draw the page again or to leave it. The
//      default leaves on 0 or a negative code (the code stays in `reply` for the sequencer) and
//      draws the page again for any other number.
//
// A page describes itself once, with its items numbered as the user sees them:
//
//   const PageItem items[] = {
//       {1, [] { ENTERF(TPCM.WNDSPD, TPCM.EDUNIT, kKeyboardUnit); }},
//       {4, editApiParameter, [] { return TPCM.WNDTYP == 4; }},
//   };
//   PageLoop page;
//   page.draw = [&] { drawWindPage(label); };
//   page.items = items;
//   page.help = [](std::int32_t item) { WNDHP1(TPCM.EDUNIT, kKeyboardUnit, item); };
//   runPage(page);
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <utility>

namespace qv {

// What a page does after a reply or a listed screen.
enum class PageStep {
  kRedraw,  // draw the page again
  kLeave,   // return from runPage
};

// How runPage ended.
enum class PageEnd {
  kListed,  // a hard-copy pass wrote the page
  kLeft,    // `other` left the page on a reply
};

// One numbered item of a page. A hidden item keeps its number: selecting it while it is not offered
// is handled as a number that is no item.
struct PageItem {
  PageItem(std::int32_t number, std::function<void()> edit, std::function<bool()> offered = {})
      : number(number), edit(std::move(edit)), offered(std::move(offered)) {}

  std::int32_t number;
  std::function<void()> edit;     // what selecting the item does; the page is drawn again after it
  std::function<bool()> offered;  // empty: always offered
};

// The default of PageLoop::other: 0 or a negative code leaves, any other number draws again.
PageStep leaveOnBlankOrCode(std::int32_t reply);
// The default of PageLoop::help: the screen of a page without help (NOHELP).
void noHelp(std::int32_t number);

struct PageLoop {
  std::function<void()> draw;                                 // the page, after the screen is cleared
  std::span<const PageItem> items;                            // the page's numbered items
  std::function<PageStep(std::int32_t reply)> other = leaveOnBlankOrCode;
  std::function<void(std::int32_t number)> help = noHelp;     // "?" and "?n"
  std::function<PageStep()> listed = [] { return PageStep::kLeave; };  // after a listed screen
  std::int32_t* reply = nullptr;   // the selection code; nullptr: TPCM.LBACK
  std::int32_t* number = nullptr;  // the number after a letter; nullptr: TPCM.IPAG
};

PageEnd runPage(const PageLoop& page);

}  // namespace qv

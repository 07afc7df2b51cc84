#include "editor/page_loop.h"

#include "dataset/tpcm.h"
#include "platform/units.h"
#include "util/console_io.h"
#include "util/dialogue.h"
#include "util/nav_codes.h"

namespace qv {

PageStep leaveOnBlankOrCode(std::int32_t reply) {
  return isItemSelection(reply) ? PageStep::kRedraw : PageStep::kLeave;
}

void noHelp(std::int32_t) { NOHELP(TPCM.EDUNIT, kKeyboardUnit); }

namespace {

// The offered item of that number, or nullptr.
const PageItem* offeredItem(std::span<const PageItem> items, std::int32_t reply) {
  for (const PageItem& item : items)
    if (item.number == reply) return !item.offered || item.offered() ? &item : nullptr;
  return nullptr;
}

}  // namespace

PageEnd runPage(const PageLoop& page) {
  Tpcm& t = TPCM;
  std::int32_t& reply = page.reply != nullptr ? *page.reply : t.LBACK;
  std::int32_t& number = page.number != nullptr ? *page.number : t.IPAG;
  for (;;) {
    if (t.LCOPY == 0) CLEAR(t.EDUNIT);
    page.draw();
    if (t.LCOPY != 0) {
      t.LBACK = 0;
      TWOPG(t.LCOPY, t.EDUNIT);
      if (page.listed() == PageStep::kLeave) return PageEnd::kListed;
      continue;
    }
    ENTSEL(reply, t.EDUNIT, kKeyboardUnit, number);
    if (reply == kNavQuery) {
      page.help(number);
      continue;
    }
    if (const PageItem* item = offeredItem(page.items, reply)) {
      item->edit();
      continue;
    }
    if (page.other(reply) == PageStep::kLeave) return PageEnd::kLeft;
  }
}

}  // namespace qv

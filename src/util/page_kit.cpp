#include "util/page_kit.h"

#include <iterator>
#include <string>

#include "platform/units.h"
#include "util/console_io.h"
#include "util/fortran_format.h"

namespace qv {

namespace {

constexpr int kMaxStars = 40;  // the longest side piece of a header
constexpr int kMaxDots = 50;   // the longest dot leader

// The first n characters of a text, blank-padded where it is shorter.
std::string leading(std::string_view text, int n) {
  std::string s(text.substr(0, static_cast<std::size_t>(n > 0 ? n : 0)));
  s.resize(static_cast<std::size_t>(n > 0 ? n : 0), ' ');
  return s;
}

// The label line's shown part and the gap before the value.
std::string labelPart(std::int32_t item, std::string_view label, std::int32_t width, const ItemFormat& format) {
  Text<79> line;
  EDLNOT(line, item, label, width);
  return leading(line.view(), format.labelColumns) + fmtX(format.valueGap);
}

}  // namespace

void PAGHDR(std::string_view label, std::string_view word, std::string_view title, std::int32_t width,
            std::int32_t unit, std::int32_t copy) {
  Text<79> titleText;
  titleText.assign("Page " + std::string(label) + ": " + std::string(word) + std::string(title));
  const int length = static_cast<int>(label.size() + word.size() + title.size()) + 7;
  const int n = (width - length - 4) / 2;
  const std::string side = n > 1 ? std::string(n < kMaxStars ? n : kMaxStars, '*') : " ";
  if (copy == 0) CLEAR(unit);
  writeRecord(unit, " " + side + "  " + leading(titleText.view(), length < 79 ? length : 79) + "  " + side);
  writeRecord(unit, "");
}

void EDLNOT(Text<79>& line, std::int32_t item, std::string_view label, std::int32_t width) {
  const int n = width - static_cast<int>(label.size()) - 5;
  const std::string leader = n > 1 ? std::string(n < kMaxDots ? n : kMaxDots, '.') : " ";
  line.assign(" " + fmtI(item, 2) + ") " + std::string(label) + " " + leader);
}

void OUTCFU(std::int32_t& item, std::string_view label, float value, const ItemFormat& format,
            std::int32_t unitCode, std::int32_t unit, std::int32_t width) {
  Text<11> unitLabel;
  EUNIT(unitLabel, unitCode);
  writeRecord(unit, labelPart(item, label, width, format) + fmtF(value, format.valueWidth, format.decimals) +
                        fmtX(format.unitGap) + leading(unitLabel.view(), format.unitColumns));
  ++item;
}

void OUTCF0(std::int32_t& item, std::string_view label, float value, const ItemFormat& format, std::int32_t unit,
            std::int32_t width) {
  writeRecord(unit, labelPart(item, label, width, format) + fmtF(value, format.valueWidth, format.decimals));
  ++item;
}

void OUTCI0(std::int32_t& item, std::string_view label, std::int32_t value, const ItemFormat& format,
            std::int32_t unit, std::int32_t width) {
  writeRecord(unit, labelPart(item, label, width, format) + fmtI(value, format.valueWidth));
  ++item;
}

void OUTCC0(std::int32_t& item, std::string_view label, std::string_view text, const ItemFormat& format,
            std::int32_t unit, std::int32_t width) {
  writeRecord(unit, labelPart(item, label, width, format) + fmtA(text, format.valueWidth));
  ++item;
}

void OUTTXT(std::int32_t& item, std::string_view text, std::int32_t unit) {
  writeRecord(unit, " " + fmtI(item, 2) + ") " + std::string(text));
  ++item;
}

void EUNIT(Text<11>& label, std::int32_t code) {
  static constexpr const char* kLabels[] = {
      "k.lbs", "m.ton",    "deg",     "in",  "mm",     "lbs/ft", "kgw/m",   "ft",      "m",    "ft/ft", "m/m",
      "lbs/ft^3", "kgw/m^3", "kts", "ft/sec", "m/sec",  "sec",     "height:", "slope:", "ft^2",  "m^2",   " ",
  };
  label.assign("Index Error");
  if (code >= 0 && code < static_cast<std::int32_t>(std::size(kLabels))) label.assign(kLabels[code]);
}

void WRNINC(std::int32_t& counter, std::int32_t nwarn, std::int32_t nfatal, std::int32_t unit, std::int32_t inUnit,
            std::int32_t every) {
  // A list of one kind only is never paused here: both counts must be positive.
  if (nwarn > 0 && nfatal > 0 && every > 0 && (nwarn + nfatal) % every == 0) {
    PRSRET(unit, inUnit);
    CLEAR(unit);
  }
  ++counter;
}

}  // namespace qv

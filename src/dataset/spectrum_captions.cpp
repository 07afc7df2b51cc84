#include "dataset/spectrum_captions.h"

#include <limits>
#include <string_view>

#include "dataset/tpcm_codes.h"

namespace qv {

namespace {

constexpr std::string_view kIndexError = " Index error";

template <typename Row>
void caption(Text<30>& text, const Row* row) {
  text.assign(row != nullptr ? row->name : kIndexError);
}

}  // namespace

void WAVPRT(Text<30>& text, std::int32_t code) { caption(text, waveSpectrum(code)); }
void WNDPRT(Text<30>& text, std::int32_t code) { caption(text, windSpectrum(code)); }
void CURPRT(Text<30>& text, std::int32_t code) {
  // The list numbers the types from 1; a number whose code would overflow names none.
  caption(text, code > std::numeric_limits<std::int32_t>::min() ? currentSpectrum(code - 1) : nullptr);
}
void currentSpectrumCaption(Text<30>& text, std::int32_t CURTYP) { caption(text, currentSpectrum(CURTYP)); }

}  // namespace qv

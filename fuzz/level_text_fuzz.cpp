// Any text in the generator's level box: the numeric test and the whole-number
// conversion agree, and a converted level lies in the 16-bit range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "forms/Convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const bool numeric = forms::IsNumericText(text);
  const std::optional<double> value = forms::NumericValue(text);
  if (value && !numeric) std::abort();
  if (value && !std::isfinite(*value)) std::abort();
  const std::optional<std::int16_t> whole = forms::ToInt16(text);
  if (whole && !value) std::abort();
  if (whole && std::fabs(*value - *whole) > 0.5) std::abort();
  return 0;
}

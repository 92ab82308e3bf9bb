#include "forms/Convert.h"

#include <cmath>
#include <limits>

namespace forms {

QString PlainDecimal(long long value) { return QString::number(value); }

QString SignedField(long long value) {
  return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

bool IsNumericText(const QString& text) {
  const QString t = text.trimmed();
  int i = 0;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) ++i;
  bool digit = false;
  bool point = false;
  for (; i < t.size(); ++i) {
    const QChar c = t[i];
    if (c >= u'0' && c <= u'9') {
      digit = true;
    } else if (c == u'.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

std::optional<double> NumericValue(const QString& text) {
  if (!IsNumericText(text)) return std::nullopt;
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int16_t> ToInt16(const QString& text) {
  const std::optional<double> value = NumericValue(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // the default mode rounds half to even
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(rounded);
}

int CaptionValue(const QString& caption) {
  const std::optional<std::int16_t> value = ToInt16(caption);
  return value ? *value : 0;
}

QString Latin1Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace forms

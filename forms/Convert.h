// The number/text conversions the windows use. Two ways of writing a number
// must not be mixed up: plain decimal ("7") and the signed field (" 7", "-1"),
// which keeps a blank where a minus sign would stand.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace forms {

// Digits only, a minus sign for a negative value, no blank: "7", "-1".
QString PlainDecimal(long long value);

// One leading blank for a value of 0 or more, a minus sign otherwise.
QString SignedField(long long value);

// Whether the text is a number as the level box accepts it: optional blanks
// around it, an optional sign, digits and at most one decimal point, at least
// one digit. No exponent, no hex prefix, no blanks inside.
bool IsNumericText(const QString& text);

// The value of a numeric text (see IsNumericText); nullopt for any other text.
std::optional<double> NumericValue(const QString& text);

// Whole-number conversion to 16 bits: a fraction is rounded to the nearest
// whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4). nullopt
// for a text that is not numeric or out of the 16-bit range.
std::optional<std::int16_t> ToInt16(const QString& text);

// The whole-number value of a point label's caption ("0" to "20"); 0 for a
// caption that is not a number, which no label of ours ever holds.
int CaptionValue(const QString& caption);

// A text of the program's constant tables, which are Latin-1.
QString Latin1Text(std::string_view text);

}  // namespace forms

#pragma once
// Reading numbers the way the deed windows read them, and the rent factor table's conversions.

#include <QString>
#include <cstdint>

// The number a text starts with. Blanks, tabs and line feeds are ignored wherever they stand;
// then an optional sign, digits with at most one "." and an optional exponent (E or D, either
// case, with an optional sign). "&H" and "&O" read hexadecimal or octal digits instead.
// Reading stops at the first character that cannot continue the number (a "," among them);
// a text without digits gives 0. A number beyond the range of a double gives +-infinity.
double LeadingNumber(const QString &text);

// The factor a factor box holds: its leading number rounded to the nearest whole number, an
// exact half to the even neighbour. A value beyond the signed 32-bit range is clamped to that
// range and `clamped` (when given) is set.
qint32 FactorFromText(const QString &text, bool *clamped = nullptr);

// The base rent a main-window amount such as "€ 220,-" stands for: the amount without its
// euro signs, commas and dashes, divided by 5.
double BaseRentFromAmountText(const QString &amountText);

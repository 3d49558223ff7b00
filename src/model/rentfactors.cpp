#include "model/rentfactors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
bool ignored(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int digitValue(QChar c, int radix)
{
    int v = -1;
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v >= 0 && v < radix ? v : -1;
}

// For a number that a double cannot hold: true when it is too large, false when too small.
bool beyondDouble(const std::string &number)
{
    const auto ePos = number.find('e');
    const std::string mantissa = number.substr(0, ePos);
    long long exponent = 0;
    if (ePos != std::string::npos) {
        std::size_t j = ePos + 1;
        const bool minus = j < number.size() && number[j] == '-';
        if (j < number.size() && (number[j] == '-' || number[j] == '+'))
            ++j;
        for (; j < number.size(); ++j)
            exponent = std::min(exponent * 10 + (number[j] - '0'), 1000000000LL);
        if (minus)
            exponent = -exponent;
    }
    // The decimal place of the first significant digit.
    const auto pointPos = std::min(mantissa.find('.'), mantissa.size());
    const auto first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos)
        return false;
    const long long place = first < pointPos ? (long long)(pointPos - first)
                                             : -(long long)(first - pointPos - 1);
    return place + exponent > 0;
}

double prefixedInteger(const QString &s, int radix)
{
    double value = 0;
    for (int i = 2; i < s.size(); ++i) {
        const int d = digitValue(s[i], radix);
        if (d < 0)
            break;
        value = value * radix + d;
    }
    return value;
}
}

double LeadingNumber(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!ignored(c))
            s.append(c);

    if (s.size() >= 2 && s[0] == QLatin1Char('&')) {
        const QChar p = s[1].toUpper();
        if (p == QLatin1Char('H'))
            return prefixedInteger(s, 16);
        if (p == QLatin1Char('O'))
            return prefixedInteger(s, 8);
        return 0;
    }

    // Gather what was read in plain C form, then let the standard library convert it.
    std::string number;
    int i = 0;
    const int size = s.size();
    bool negative = false;
    if (i < size && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    bool point = false;
    bool digits = false;
    for (; i < size; ++i) {
        if (isDigit(s[i])) {
            number += char(s[i].unicode());
            digits = true;
        } else if (s[i] == QLatin1Char('.') && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0;
    if (i < size) {
        const QChar e = s[i].toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            int j = i + 1;
            std::string exponent = "e";
            if (j < size && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
                exponent += char(s[j++].unicode());
            bool expDigits = false;
            for (; j < size && isDigit(s[j]); ++j) {
                exponent += char(s[j].unicode());
                expDigits = true;
            }
            if (expDigits)
                number += exponent;
        }
    }
    if (number.front() == '.')
        number.insert(number.begin(), '0');

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = beyondDouble(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

qint32 FactorFromText(const QString &text, bool *clamped)
{
    const double rounded = std::nearbyint(LeadingNumber(text));  // to nearest, halves to even
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<qint32>::max();
    const bool outside = !(rounded >= lowest && rounded <= highest);
    if (clamped)
        *clamped = outside;
    if (outside)
        return rounded < 0 ? std::numeric_limits<qint32>::min() : std::numeric_limits<qint32>::max();
    return qint32(rounded);
}

double BaseRentFromAmountText(const QString &amountText)
{
    QString s = amountText;
    s.remove(QChar(0x20AC));
    s.remove(QLatin1Char(','));
    s.remove(QLatin1Char('-'));
    return LeadingNumber(s) / 5.0;
}

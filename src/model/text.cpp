#include "text.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string>

QString NormalizeDecimal(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("0");
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return text;
    QString result = text;
    result[comma] = u'.';
    return result;
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Collects the characters of the leading number (blanks skipped) into a
// plain ASCII string that a C-locale conversion reads in full.
std::string leadingNumberCharacters(const QString &text)
{
    std::string number;
    enum Stage { Sign, Integer, Fraction, ExponentSign, Exponent } stage = Sign;
    bool anyDigit = false;
    std::string exponent;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        const char ch = c.unicode() < 128 ? char(c.unicode()) : '\0';
        const bool digit = ch >= '0' && ch <= '9';
        if (stage == Sign && (ch == '+' || ch == '-')) {
            number += ch;
            stage = Integer;
        } else if ((stage == Sign || stage == Integer) && digit) {
            number += ch;
            anyDigit = true;
            stage = Integer;
        } else if ((stage == Sign || stage == Integer) && ch == '.') {
            number += ch;
            stage = Fraction;
        } else if (stage == Fraction && digit) {
            number += ch;
            anyDigit = true;
        } else if ((stage == Integer || stage == Fraction) && anyDigit &&
                   (ch == 'e' || ch == 'E' || ch == 'd' || ch == 'D')) {
            stage = ExponentSign;
        } else if (stage == ExponentSign && (ch == '+' || ch == '-')) {
            exponent += ch;
            stage = Exponent;
        } else if ((stage == ExponentSign || stage == Exponent) && digit) {
            exponent += ch;
            stage = Exponent;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return {};
    // An exponent without digits ("1e", "1e+") is ignored.
    if (!exponent.empty() && exponent.back() >= '0' && exponent.back() <= '9') {
        // Keep the exponent within what a conversion reads sensibly; the value is
        // far outside every range long before this.
        if (exponent.size() > 6)
            exponent = std::string(1, exponent[0] == '-' ? '-' : '+') + "99999";
        number += 'e';
        number += exponent;
    }
    return number;
}

} // namespace

double ParseLeadingNumber(const QString &text)
{
    const std::string number = leadingNumberCharacters(text);
    if (number.empty())
        return 0.0;
    // Never strtod: it follows LC_NUMERIC, and under a Russian locale it
    // would stop at the decimal point. from_chars reads "." always, but takes
    // no leading "+" and leaves the value alone when it is out of range.
    const bool negative = number.front() == '-';
    const std::size_t start = number.front() == '+' ? 1 : 0;
    double value = 0.0;
    const auto read = std::from_chars(number.data() + start, number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        const std::size_t e = number.find('e');
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        value = tiny ? 0.0 : DBL_MAX;
        return negative ? -value : value;
    }
    return value;
}

bool HasLeadingNumber(const QString &text)
{
    return !leadingNumberCharacters(text).empty();
}

float StoredNumber(const QString &text)
{
    const double value = ParseLeadingNumber(text);
    if (value > FLT_MAX)
        return FLT_MAX;
    if (value < -FLT_MAX)
        return -FLT_MAX;
    return float(value);
}

double RoundedCount(const QString &text)
{
    return std::nearbyint(ParseLeadingNumber(text));
}

QString PadSpaces(const QString &text, int width)
{
    const qsizetype missing = width - text.size();
    return missing > 0 ? QString(missing, u' ') : QString();
}

QString ProperCase(const QString &text)
{
    QString result = text.toLower();
    bool wordStart = true;
    for (QChar &c : result) {
        if (c.isSpace()) {
            wordStart = true;
        } else if (wordStart) {
            c = c.toUpper();
            wordStart = false;
        }
    }
    return result;
}

namespace {

// Rounds the exact decimal expansion of value to decimals places, halves
// away from zero, and returns the digits with a leading "-" when negative.
QString roundedDecimal(double value, int decimals)
{
    const bool negative = std::signbit(value);
    // to_chars writes the exact expansion with "." whatever the C locale.
    char buffer[512];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::fixed, decimals + 30);
    std::string digits(buffer, written.ptr);
    const std::size_t point = digits.find('.');
    std::string kept = digits.substr(0, point + (decimals > 0 ? decimals + 1 : 0));
    const char next = digits[point + decimals + 1];
    if (next >= '5') {
        // Carry the rounding up through the kept digits.
        int i = int(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[i] == '.')
                continue;
            if (kept[i] == '9') {
                kept[i] = '0';
            } else {
                ++kept[i];
                break;
            }
        }
        if (i < 0)
            kept.insert(kept.begin(), '1');
    }
    const bool allZero = kept.find_first_not_of("0.") == std::string::npos;
    QString result = QString::fromLatin1(kept.c_str());
    if (negative && !allZero)
        result.prepend(u'-');
    return result;
}

} // namespace

QString FormatFixed(float value, int width, int decimals)
{
    if (!std::isfinite(value))
        return QString(width, u'*');
    const QString text = roundedDecimal(double(value), decimals);
    return PadSpaces(text, width) + text;
}

QString GeneralNumberText(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    QString text = QString::number(double(value), 'g', 7);
    if (text.contains(u'e')) {
        // 1.5e-05 → 1.5E-05, the way the general format writes exponents.
        text.replace(u'e', u'E');
    }
    return text;
}

QString WholeNumberText(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    return QString::number(double(std::nearbyint(double(value))), 'f', 0);
}

#pragma once

#include <QString>

// Prepares a typed number for conversion: an empty answer becomes "0" and the
// first decimal comma becomes a point (later commas stay and end the number).
QString NormalizeDecimal(const QString &text);

// Reads the leading decimal number of a text the way a classic BASIC reader
// does: blanks anywhere are skipped, "." is the decimal separator, an
// exponent is written with E or D, and reading stops at the first character
// that cannot continue the number. A text without a number gives 0.
double ParseLeadingNumber(const QString &text);

// Whether the text holds a number for the reader above at all: letters,
// "nan", "inf" and blanks alone do not (they would read as 0).
bool HasLeadingNumber(const QString &text);

// The single-precision twin of a typed text. Values beyond the range of a
// single are held at its largest magnitude, so that a range check rejects
// them instead of letting an infinity into the tables.
float StoredNumber(const QString &text);

// A typed count: the leading number rounded to the nearest integer, ties to
// even. Returned as double so that a huge answer still fails the range check.
double RoundedCount(const QString &text);

// The spaces that pad text to width characters (none when it is as long or
// longer). Characters are counted, not bytes.
QString PadSpaces(const QString &text, int width);

// First letter of every word upper case, the rest lower case.
QString ProperCase(const QString &text);

// value rounded to decimals places (halves away from zero, at least one digit
// before the point), right-aligned in width characters; never cut.
QString FormatFixed(float value, int width, int decimals);

// A single in the general number format: up to seven significant digits,
// no trailing zeros ("0.7", "0.6666667", "1.5E-05").
QString GeneralNumberText(float value);

// A whole number (a stage count) as plain trimmed text.
QString WholeNumberText(float value);

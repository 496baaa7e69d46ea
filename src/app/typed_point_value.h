#pragma once

#include <QString>

// The text a table keeps for a value it refused.
inline const QString RefusedValueText = QStringLiteral("???");

// A value typed at the prompt of a table point, kept as the tables keep it:
// the text after NormalizeDecimal and its number. An answer with no number
// in it at all (letters, "nan", "inf", blanks) is refused like a value out
// of its range: a beep, the text "???" and the number 0, for the table's
// check to report. An empty or cancelled answer is the number 0, as ever.
// False when the answer was refused.
bool StoreTypedPointValue(const QString &typed, QString &text, float &number);

#pragma once

#include "model/typed_value.h"

#include <QString>

// A value typed at the prompt of a table point, kept by the rule of typed
// values: a refused answer (no number in it, or outside the range) beeps and
// is kept as "???" with the number 0, for the table's check to report.
// False when the answer was refused.
bool StoreTypedPointValue(const QString &typed, QString &text, float &number);
bool StoreTypedPointValue(const QString &typed, ValueRange range, QString &text, float &number);

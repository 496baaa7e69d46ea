#pragma once

#include <QString>

// The text a table keeps for a value it refused; lists, control tables and
// the report show it as it stands.
inline const QString RefusedValueText = QStringLiteral("???");

// A value as the tables keep it: the text typed, after NormalizeDecimal, and
// its number.
struct TypedValue {
    QString text;
    float number = 0.0f;
    bool isRefused() const { return text == RefusedValueText; }
};

// The closed range a table point's value must lie in.
struct ValueRange {
    float low, high;
};
inline constexpr ValueRange MoleFractionRange{0.0f, 1.0f};
inline constexpr ValueRange EquilibriumTemperatureRange{-273.0f, 400.0f};

// The one rule for a value typed into a table, at a prompt or in a file: an
// answer with no number in it at all (letters, "nan", "inf", blanks), or one
// outside its range, is refused and kept as "???" with the number 0, for the
// table's check to report. An empty answer is the number 0.
TypedValue ReadTypedValue(const QString &typed);
TypedValue ReadTypedValue(const QString &typed, ValueRange range);
// A value read already, refused when it lies outside range.
TypedValue KeptInRange(const TypedValue &value, ValueRange range);

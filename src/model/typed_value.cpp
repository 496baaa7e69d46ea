#include "typed_value.h"
#include "text.h"

TypedValue ReadTypedValue(const QString &typed)
{
    const QString text = NormalizeDecimal(typed);
    if (!HasLeadingNumber(text))
        return {RefusedValueText, 0.0f};
    return {text, StoredNumber(text)};
}

TypedValue KeptInRange(const TypedValue &value, ValueRange range)
{
    if (value.number < range.low || value.number > range.high)
        return {RefusedValueText, 0.0f};
    return value;
}

TypedValue ReadTypedValue(const QString &typed, ValueRange range)
{
    return KeptInRange(ReadTypedValue(typed), range);
}

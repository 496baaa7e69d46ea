#include "typed_point_value.h"
#include "platform.h"

namespace {

bool keep(const TypedValue &value, QString &text, float &number)
{
    text = value.text;
    number = value.number;
    if (!value.isRefused())
        return true;
    platform().beep();
    return false;
}

} // namespace

bool StoreTypedPointValue(const QString &typed, QString &text, float &number)
{
    return keep(ReadTypedValue(typed), text, number);
}

bool StoreTypedPointValue(const QString &typed, ValueRange range, QString &text, float &number)
{
    return keep(ReadTypedValue(typed, range), text, number);
}

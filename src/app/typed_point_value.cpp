#include "typed_point_value.h"

#include "platform.h"

#include "model/text.h"

bool StoreTypedPointValue(const QString &typed, QString &text, float &number)
{
    text = NormalizeDecimal(typed);
    if (HasLeadingNumber(text)) {
        number = StoredNumber(text);
        return true;
    }
    platform().beep();
    text = RefusedValueText;
    number = 0.0f;
    return false;
}

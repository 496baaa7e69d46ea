// Typed answers: NormalizeDecimal, the leading-number reader and the stored
// single must never crash and never produce an infinity or NaN.
#include "model/text.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString normalized = NormalizeDecimal(typed);
    const double number = ParseLeadingNumber(normalized);
    const float stored = StoredNumber(normalized);
    const double count = RoundedCount(normalized);
    if (!std::isfinite(number) || !std::isfinite(stored) || !std::isfinite(count))
        std::abort();
    if (normalized.isEmpty())
        std::abort();
    const QString shown = FormatFixed(stored, 9, 6);
    if (shown.isEmpty() || shown.contains(u'n') || shown.contains(u'i'))
        std::abort();
    (void)PadSpaces(typed, 20);
    (void)ProperCase(typed);
    (void)GeneralNumberText(stored);
    return 0;
}

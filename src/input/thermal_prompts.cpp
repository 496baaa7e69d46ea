#include "thermal_prompts.h"

#include "model/text.h"
#include "ui/prompts.h"

#include <functional>

namespace {

constexpr int CountPromptX = 2300;

// A count tested as typed, so that 1.5 misses a range from 2 even though it
// would round into it; the accepted answer is then rounded half to even.
int PromptCountTestedBeforeRounding(const CountQuestion &q)
{
    for (;;) {
        const QString typed = NormalizeDecimal(PromptValue(q.title, q.prompt, CountPromptX, q.y));
        const double value = ParseLeadingNumber(typed);
        if (value >= q.low && value <= q.high)
            return int(RoundedCount(typed));
        ReportOutOfRange(q.message);
    }
}

// A temperature asked until inRange accepts it, or until a prompt that
// corrects it is cancelled.
std::optional<TypedTemperature> AskTemperature(const std::function<std::optional<QString>()> &ask,
                                               const QString &message, bool (*inRange)(float))
{
    for (;;) {
        const std::optional<QString> typed = ask();
        if (!typed)
            return std::nullopt;
        const QString text = NormalizeDecimal(*typed);
        const float value = StoredNumber(text);
        // An answer with no number in it is no temperature, not 0 °C.
        if (HasLeadingNumber(text) && inRange(value))
            return TypedTemperature{text, value};
        ReportOutOfRange(message);
    }
}

} // namespace

int PromptTableCount(const CountQuestion &question)
{
    if (question.testedBeforeRounding)
        return PromptCountTestedBeforeRounding(question);
    return PromptCount(question.title, question.prompt, CountPromptX, question.y, question.low, question.high,
                       question.message);
}

TypedTemperature PromptTemperature(const QString &title, const QString &prompt, int x, int y,
                                   const QString &message, bool (*inRange)(float))
{
    return *AskTemperature([&] { return std::optional(PromptValue(title, prompt, x, y)); }, message, inRange);
}

std::optional<TypedTemperature> CorrectTemperature(const QString &title, const QString &prompt, int x, int y,
                                                   const QString &message, bool (*inRange)(float))
{
    return AskTemperature([&] { return PromptCorrection(title, prompt, x, y); }, message, inRange);
}

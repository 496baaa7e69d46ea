#include "calculation.h"

#include "model/text.h"

namespace {

const QString Heading = QStringLiteral(" РЕЗУЛЬТАТЫ РАСЧЕТА");
const QString DataError = QStringLiteral("ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ");
const QString RefluxBelowMinimum = QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !");
const QString ExactRefluxBelowMinimum = QStringLiteral("      ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !");
const QString MinimumRefluxLabel = QStringLiteral("МИНИМАЛЬНОЕ ФЛЕГМОВОЕ ЧИСЛО              ");
const QString ConstantFlowHeading = QStringLiteral("РАСЧЕТ ПРИ ДОПУШЕНИИ ПОСТОЯНСТВА МОЛЬНЫХ РАСХОДОВ ДАЕТ:");
const QString ExactHeading = QStringLiteral("         ТОЧНЫЙ РАСЧЕТ");
const QString StageCountLabel = QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                       ");
const QString FeedStageLabel = QStringLiteral("НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)           ");

constexpr int HeadingX = 3000, HeadingY = 1000;
constexpr int LinesX = 1000, LinesY = 1300;
constexpr int FailureX = 3000, FailureY = 3000;
constexpr int GapAboveExact = 200;
constexpr int LineStep = 195;

// The element of the results record a line shows; the feed's own
// temperature Tl comes from the feed data instead.
constexpr int FeedTemperatureLine = 8;

struct ValueLine {
    int number;
    QString label;
    int width, decimals;
    QString unit;
    int element; // of the results record
};

const ValueLine ValueLines[] = {
    {1, QStringLiteral("РАСХОД ПИТАНИЯ                               "), 9, 4, QStringLiteral("      Кг/с"),
     ResF},
    {2, QStringLiteral("РАСХОД ДИСТИЛЛЯТА                            "), 9, 4, QStringLiteral("      Кг/с"),
     ResD},
    {3, QStringLiteral("РАСХОД КУБОВОГО ОСТАТКА                      "), 9, 4, QStringLiteral("      Кг/с"),
     ResW},
    {4, QStringLiteral("МАСС.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ПИТАНИИ        "), 9, 6,
     QStringLiteral("    Масс.д."), ResWF},
    {5, QStringLiteral("МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ПИТАНИИ       "), 9, 6,
     QStringLiteral("    Мольн.д."), ResXF},
    {6, QStringLiteral("МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ДИСТИЛЛЯТЕ    "), 9, 6,
     QStringLiteral("    Мольн.д."), ResXDm},
    {7, QStringLiteral("МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В КУБ.ОСТ.      "), 9, 6,
     QStringLiteral("    Мольн.д."), ResXWm},
    {8, QStringLiteral("ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ                     "), 6, 2,
     QStringLiteral("       Град.Цельсия"), 0},
    {9, QStringLiteral("ТЕМПЕРАТУРА ДИСТИЛЛЯТА                         "), 6, 2,
     QStringLiteral("       Град.Цельсия"), ResTD},
    {10, QStringLiteral("ТЕМПЕРАТУРА КУБОВОГО ОСТАТКА                   "), 6, 2,
     QStringLiteral("       Град.Цельсия"), ResTW},
    {11, QStringLiteral("ТЕМПЕРАТУРА НАЧАЛА ОТСЧЕТА ЭНТАЛЬПИИ           "), 6, 2,
     QStringLiteral("       Град.Цельсия"), ResT0},
    {12, QStringLiteral("ЭНТАЛЬПИЯ ИСХОДНОЙ СМЕСИ,ВВОДИМОЙ В ВИДЕ ПАРА  "), 6, 1,
     QStringLiteral("       Кдж/Кг"), ResHFv},
    {13, QStringLiteral("ЭНТАЛЬПИЯ ИСХОДНОЙ СМЕСИ,ВВОДИМОЙ В ВИДЕ ЖИДК. "), 6, 1,
     QStringLiteral("       Кдж/Кг"), ResHFl},
    {14, QStringLiteral("СРЕДНЯЯ ЭНТАЛЬПИЯ ПИТАНИЯ                      "), 6, 1,
     QStringLiteral("       Кдж/Кг"), ResHF},
    {15, QStringLiteral("ЭНТАЛЬПИЯ ДИСТИЛЛЯТА                           "), 6, 1,
     QStringLiteral("       Кдж/Кг"), ResHD},
    {16, QStringLiteral("ЭНТАЛЬПИЯ КУБОВОГО ОСТАТКА                     "), 6, 1,
     QStringLiteral("       Кдж/Кг"), ResHW},
    {17, QStringLiteral("КОЭФ.FI,ХАРАКТЕРИЗИЮЩИЙ СОСТОЯНИЕ ПИТАНИЯ      "), 7, 4, QString(), ResFI},
    {18, QStringLiteral("ТЕПЛОВАЯ НАГРУЗКА ДЕФЛЕГМАТОРА                 "), 6, 1,
     QStringLiteral("       КВт "), ResQc},
    {19, QStringLiteral("ТЕПЛОВАЯ НАГРУЗКА КИПЯТИЛЬНИКА                 "), 6, 1,
     QStringLiteral("       КВт "), ResQw},
};

// Lines 1, 4, 12, 13 and 14 (elements 1, 4, 11, 12, 13) appear only where
// the feed condition makes them results rather than entered data: a vapour
// feed shows its vapour enthalpy only, a liquid feed its liquid enthalpy
// only, and only the mixture its total flow, mean composition and enthalpy.
bool resultElementShown(int condition, int element)
{
    if (condition == VapourFeed &&
        (element == ResF || element == ResWF || element == ResHFl || element == ResHF))
        return false;
    if ((element == ResF || element == ResWF || element == ResHFv || element == ResHF) &&
        (condition == BoilingLiquidFeed || condition == LiquidFeed))
        return false;
    return true;
}

bool valueLineShown(const ValueLine &line, int condition)
{
    if (line.number == FeedTemperatureLine)
        return condition == BoilingLiquidFeed;
    return resultElementShown(condition, line.element);
}

// Prints lines one under the other the way the window's print position moves.
class LineWriter {
public:
    QList<ResultLine> lines;
    int y = 0;

    void at(int x, int top, const QString &text, bool bold = false, bool red = false)
    {
        lines.append({x, top, text, bold, red});
        y = top + LineStep;
    }
    void next(int x, const QString &text) { at(x, y, text); }
};

void writeValueLines(LineWriter &out, const ProblemData &data)
{
    const int condition = data.Feed.Condition;
    out.y = LinesY;
    for (const ValueLine &line : ValueLines) {
        if (!valueLineShown(line, condition))
            continue;
        const float value =
            line.number == FeedTemperatureLine ? data.Feed.Value[FeedTl] : data.Results(line.element);
        out.next(LinesX, line.label + FormatFixed(value, line.width, line.decimals) + line.unit);
    }
    if (condition != MixtureFeed)
        out.next(LinesX, QString());
    out.next(LinesX, ConstantFlowHeading);
    out.next(LinesX, StageCountLabel + WholeNumberText(data.Stage.SavedStageCount));
    out.next(LinesX, FeedStageLabel + WholeNumberText(data.Stage.SavedFeedStage));
}

void writeRedLine(LineWriter &out, int x, int y, const QString &text)
{
    out.at(x, y, text, true, true);
}

} // namespace

QList<ResultLine> ResultScreenLines(const ProblemData &data)
{
    LineWriter out;
    switch (data.Outcome) {
    case CalculationOutcome::NotCalculated:
        break;
    case CalculationOutcome::HeatBalanceFailure:
        writeRedLine(out, FailureX, FailureY, DataError);
        break;
    case CalculationOutcome::InvalidData:
        writeRedLine(out, FailureX, FailureY, DataError);
        writeRedLine(out, LinesX, FailureY + GapAboveExact, data.InvalidReason);
        break;
    case CalculationOutcome::RefluxBelowMinimum:
        out.at(HeadingX, HeadingY, Heading, true);
        writeRedLine(out, FailureX, FailureY, RefluxBelowMinimum);
        break;
    case CalculationOutcome::Complete:
        out.at(HeadingX, HeadingY, Heading, true);
        writeValueLines(out, data);
        out.at(LinesX, out.y + GapAboveExact, ExactHeading);
        out.next(LinesX, StageCountLabel + WholeNumberText(data.Results(ResN)));
        out.next(LinesX, FeedStageLabel + WholeNumberText(data.Results(ResNf)));
        break;
    case CalculationOutcome::ExactRefluxBelowMinimum:
        out.at(HeadingX, HeadingY, Heading, true);
        writeValueLines(out, data);
        // Below the last result line, where the exact count's lines would
        // stand: at a fixed height the message would cover the results.
        const int failureY = out.y + GapAboveExact;
        writeRedLine(out, FailureX, failureY, ExactRefluxBelowMinimum);
        writeRedLine(out, FailureX, failureY + GapAboveExact,
                     MinimumRefluxLabel + FormatFixed(data.MinimumReflux, 9, 4));
        break;
    }
    return out.lines;
}

#include "report.h"

#include "model/problem_data.h"
#include "model/text.h"

#include <functional>

namespace {

// One result line: label, value right-aligned in its field, unit. The labels
// carry their own trailing spaces so that the field begins right after them.
struct ResultValueLine {
    const char16_t *label;
    std::function<float(const ProblemData &)> value;
    int width, decimals;
    const char16_t *unit;
    std::function<bool(int condition)> printed;
};

std::function<float(const ProblemData &)> result(int element)
{
    return [element](const ProblemData &data) { return data.Results(element); };
}

bool always(int)
{
    return true;
}
bool mixtureOnly(int condition)
{
    return condition == MixtureFeed;
}
bool boilingLiquidOnly(int condition)
{
    return condition == BoilingLiquidFeed;
}
bool withVapour(int condition)
{
    return condition == VapourFeed || condition == MixtureFeed;
}
bool notVapour(int condition)
{
    return condition != VapourFeed;
}

const QList<ResultValueLine> &resultLines()
{
    static const char16_t *const flow = u"      Кг/с";
    static const char16_t *const mass = u"    Масс.д.";
    static const char16_t *const mole = u"    Мольн.д.";
    static const char16_t *const celsius = u"       Град.Цельсия";
    static const char16_t *const enthalpy = u"       Кдж/Кг";
    static const char16_t *const duty = u"       КВт ";
    static const QList<ResultValueLine> lines = {
        {u"РАСХОД ПИТАНИЯ                               ", result(ResF), 9, 4, flow, mixtureOnly},
        {u"РАСХОД ДИСТИЛЛЯТА                            ", result(ResD), 9, 4, flow, always},
        {u"РАСХОД КУБОВОГО ОСТАТКА                      ", result(ResW), 9, 4, flow, always},
        {u"МАСС.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ПИТАНИИ        ", result(ResWF), 9, 6, mass, mixtureOnly},
        {u"МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ПИТАНИИ       ", result(ResXF), 9, 6, mole, always},
        {u"МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ДИСТИЛЛЯТЕ    ", result(ResXDm), 9, 6, mole, always},
        {u"МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В КУБ.ОСТ.      ", result(ResXWm), 9, 6, mole, always},
        {u"ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ                     ",
         [](const ProblemData &data) { return data.Feed.Value[FeedTl]; }, 6, 2, celsius, boilingLiquidOnly},
        {u"ТЕМПЕРАТУРА ДИСТИЛЛЯТА                         ", result(ResTD), 6, 2, celsius, always},
        {u"ТЕМПЕРАТУРА КУБОВОГО ОСТАТКА                   ", result(ResTW), 6, 2, celsius, always},
        {u"ТЕМПЕРАТУРА НАЧАЛА ОТСЧЕТА ЭНТАЛЬПИИ           ", result(ResT0), 6, 2, celsius, always},
        {u"ЭНТАЛЬПИЯ ИСХОДНОЙ СМЕСИ,ВВОДИМОЙ В ВИДЕ ПАРА  ", result(ResHFv), 6, 1, enthalpy, withVapour},
        {u"ЭНТАЛЬПИЯ ИСХОДНОЙ СМЕСИ,ВВОДИМОЙ В ВИДЕ ЖИДК. ", result(ResHFl), 6, 1, enthalpy, notVapour},
        {u"СРЕДНЯЯ ЭНТАЛЬПИЯ ПИТАНИЯ                      ", result(ResHF), 6, 1, enthalpy, mixtureOnly},
        {u"ЭНТАЛЬПИЯ ДИСТИЛЛЯТА                           ", result(ResHD), 6, 1, enthalpy, always},
        {u"ЭНТАЛЬПИЯ КУБОВОГО ОСТАТКА                     ", result(ResHW), 6, 1, enthalpy, always},
        {u"КОЭФ.FI,ХАРАКТЕРИЗИЮЩИЙ СОСТОЯНИЕ ПИТАНИЯ      ", result(ResFI), 7, 4, u"", always},
        {u"ТЕПЛОВАЯ НАГРУЗКА ДЕФЛЕГМАТОРА                 ", result(ResQc), 6, 1, duty, always},
        {u"ТЕПЛОВАЯ НАГРУЗКА КИПЯТИЛЬНИКА                 ", result(ResQw), 6, 1, duty, always},
    };
    return lines;
}

QString text(const char16_t *literal)
{
    return QString::fromUtf16(literal);
}

const QString StageCountLabel = QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                       ");
const QString FeedStageLabel = QStringLiteral("НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)           ");
const QString RefluxTooSmall = QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !");
const QString DataError = QStringLiteral("ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ");

// A line of the result list: counted, and the page ends when it is full.
void printCounted(ReportPages &report, const QString &line)
{
    if (line.isEmpty())
        report.printEmptyLine();
    else
        report.printText(line);
    ++report.ReportLineCount;
    report.breakPageIfFull();
}

void printValueLines(ReportPages &report, const ProblemData &data)
{
    for (const ResultValueLine &line : resultLines()) {
        if (line.printed(data.Feed.Condition))
            printCounted(report, text(line.label) + FormatFixed(line.value(data), line.width, line.decimals) +
                                     text(line.unit));
    }
}

// The stage count and feed stage of one count; these lines are not counted.
void printStages(ReportPages &report, float stages, float feedStage)
{
    report.printText(StageCountLabel + StageNumberText(stages));
    report.printText(FeedStageLabel + StageNumberText(feedStage));
}

void printConstantMolarFlowCount(ReportPages &report, const ProblemData &data)
{
    if (data.Feed.Condition != MixtureFeed)
        printCounted(report, QString());
    printCounted(report, QStringLiteral("РАСЧЕТ ПРИ ДОПУШЕНИИ ПОСТОЯНСТВА МОЛЬНЫХ РАСХОДОВ ДАЕТ:"));
    // A count that did not reach the distillate has no stage numbers: the
    // report says so, the way the results window does.
    if (data.Outcome == CalculationOutcome::RefluxBelowMinimum)
        report.printText(RefluxTooSmall);
    else
        printStages(report, data.Stage.SavedStageCount, data.Stage.SavedFeedStage);
}

void printExactCount(ReportPages &report, const ProblemData &data)
{
    report.printEmptyLine();
    report.printText(QStringLiteral("         ТОЧНЫЙ РАСЧЕТ"));
    if (data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum) {
        report.printText(QStringLiteral("      ") + RefluxTooSmall);
        report.printText(QStringLiteral("МИНИМАЛЬНОЕ ФЛЕГМОВОЕ ЧИСЛО              ") +
                         FormatFixed(data.MinimumReflux, 9, 4));
    } else {
        printStages(report, data.Results(ResN), data.Results(ResNf));
    }
}

// A calculation that stopped before the stage counts: the lines the report
// can stand behind, then the reason in place of the counts.
void printStoppedCalculation(ReportPages &report, const ProblemData &data)
{
    switch (data.Outcome) {
    case CalculationOutcome::HeatBalanceFailure:
        // The balance and the duties were computed; the negative reboiler
        // duty among them is what stopped the calculation.
        printValueLines(report, data);
        printCounted(report, QString());
        printCounted(report, DataError);
        break;
    case CalculationOutcome::InvalidData:
        printCounted(report, DataError);
        if (!data.InvalidReason.isEmpty())
            printCounted(report, data.InvalidReason);
        break;
    default:
        printCounted(report, QStringLiteral("РАСЧЕТ НЕ ВЫПОЛНЕН"));
        break;
    }
}

bool countsWereRun(CalculationOutcome outcome)
{
    return outcome == CalculationOutcome::Complete || outcome == CalculationOutcome::RefluxBelowMinimum ||
           outcome == CalculationOutcome::ExactRefluxBelowMinimum;
}

} // namespace

void PrintResultsReport(ReportPages &report, const ProblemData &data)
{
    report.printEmptyLine();
    report.breakPageIfFull();
    report.printText(QStringLiteral(" РЕЗУЛЬТАТЫ РАСЧЕТА"));
    report.printEmptyLine();
    report.ReportLineCount += 3;

    if (countsWereRun(data.Outcome)) {
        printValueLines(report, data);
        printConstantMolarFlowCount(report, data);
        // The exact count runs only after the constant-molar-flow count
        // has reached the distillate.
        if (data.Outcome != CalculationOutcome::RefluxBelowMinimum)
            printExactCount(report, data);
    } else {
        printStoppedCalculation(report, data);
    }
    report.endPage();
}

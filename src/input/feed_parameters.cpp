#include "feed_parameters.h"

#include "engine/feed_checks.h"
#include "model/text.h"
#include "ui/typed_point_value.h"

#include <array>

namespace {

struct FeedConditionDescription {
    // The prompts of the parameters in the order they are asked; the FeedSpec
    // element each answer fills is the engine's FeedParameterElements.
    QStringList prompts;
    int (*check)(ProblemData &);
    QString buttonCaption;
    QString firstEntryCaption;
    QString firstControlCaption;
    QString changeEntryCaption;
    // The control caption after corrections, and on the change road.
    QString correctedControlCaption;
    QString correctionCaption;
    QStringList headingLines;
};

const std::array<FeedConditionDescription, FeedConditionCount> &descriptions()
{
    static const std::array<FeedConditionDescription, FeedConditionCount> table = [] {
        const QString molarMassA = QStringLiteral("МОЛЕКУЛЯРНАЯ МАССА БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ");
        const QString molarMassB = QStringLiteral("МОЛЕКУЛЯРНАЯ МАССА МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА");
        // The flow prompts end in a Latin "c", except the liquid flow of a
        // liquid feed, which ends in a Cyrillic "с".
        const QString vapourFlow =
            QStringLiteral("МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Кг/c");
        const QString liquidFlow =
            QStringLiteral("МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Кг/c");
        const QString liquidFlowOfLiquidFeed =
            QStringLiteral("МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Кг/с");
        const QString vapourFraction =
            QStringLiteral("МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ПАРА");
        const QString liquidFraction =
            QStringLiteral("МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ЖИДКОСТИ");
        const QString vapourTemperature =
            QStringLiteral("ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Град.Цельсия");
        const QString liquidTemperature =
            QStringLiteral("ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Град.Цельсия");
        const QString distillate = QStringLiteral("МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ДИСТИЛЛЯТЕ");
        const QString bottoms = QStringLiteral("МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В КУБОВОМ ОСТАТКЕ");
        const QString reflux = QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО");

        std::array<FeedConditionDescription, FeedConditionCount> t;
        t[BoilingLiquidFeed] = {
            {molarMassA, molarMassB, liquidFlow, liquidFraction, distillate, bottoms, reflux},
            CheckFeedBoilingLiquid,
            QStringLiteral("ЖИДКОСТИ, НАГРЕТОЙ ДО ТЕМПЕРАТУРЫ КИПЕНИЯ"),
            QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, нагретой до "
                           "температуры кипения)"),
            QStringLiteral(
                "КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, нагретой до "
                "температуры кипения)"),
            QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, нагретой до "
                           "температуры кипения)"),
            QStringLiteral(
                "КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, нагретой до "
                "температуры кипения)"),
            QStringLiteral("КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, нагретой до "
                           "температуры кипения)"),
            {QStringLiteral(" ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ЖИДКОСТИ,"),
             QStringLiteral("НАГРЕТОЙ ДО ТЕМПЕРАТУРЫ КИПЕНИЯ")},
        };
        t[VapourFeed] = {
            {molarMassA, molarMassB, vapourFlow, vapourFraction, vapourTemperature, distillate, bottoms,
             reflux},
            CheckFeedVapour,
            QStringLiteral("ПАРА"),
            QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде пара)"),
            QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде пара)"),
            QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде пара)"),
            QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде пара)"),
            QStringLiteral("КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде пара)"),
            {QStringLiteral("ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ПАРА")},
        };
        t[MixtureFeed] = {
            {molarMassA, molarMassB, vapourFlow, liquidFlow, vapourFraction, liquidFraction,
             vapourTemperature, liquidTemperature, distillate, bottoms, reflux},
            CheckFeedMixture,
            QStringLiteral("ПАРОЖИДКОСТНОЙ СМЕСИ"),
            QStringLiteral(
                "   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде парожидкостной смеси)"),
            QStringLiteral(
                "КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде парожидкостной смеси)"),
            QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде парожидкостной смеси)"),
            QStringLiteral(
                "КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде парожидкостной смеси)"),
            QStringLiteral("КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде парожидкостной смеси)"),
            {QStringLiteral("ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ПАРОЖИДКОСТНОЙ СМЕСИ")},
        };
        t[LiquidFeed] = {
            {molarMassA, molarMassB, liquidFlowOfLiquidFeed, liquidFraction, liquidTemperature, distillate,
             bottoms, reflux},
            CheckFeedLiquid,
            QStringLiteral("ЖИДКОСТИ"),
            QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде жидкости)"),
            QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде жидкости)"),
            QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости)"),
            QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости)"),
            QStringLiteral("КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости)"),
            {QStringLiteral("ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ЖИДКОСТИ")},
        };
        return t;
    }();
    return table;
}

const FeedConditionDescription &describe(int condition)
{
    Q_ASSERT(IsFeedCondition(condition));
    return descriptions()[std::size_t(condition)];
}

} // namespace

bool IsFeedCondition(int condition)
{
    return condition >= 0 && condition < FeedConditionCount;
}

int FeedParameterCount(int condition)
{
    return int(describe(condition).prompts.size());
}

int FeedParameterElement(int condition, int parameter)
{
    const std::span<const int> elements = FeedParameterElements(condition);
    Q_ASSERT(parameter >= 1 && std::size_t(parameter) <= elements.size());
    return elements[std::size_t(parameter) - 1];
}

QString FeedPrompt(int condition, int parameter)
{
    const QStringList &prompts = describe(condition).prompts;
    Q_ASSERT(parameter >= 1 && parameter <= prompts.size());
    return prompts[parameter - 1];
}

int CheckFeedParameters(ProblemData &data)
{
    return describe(data.Feed.Condition).check(data);
}

QString FeedEntryCaption(FeedRoad road, int condition)
{
    const FeedConditionDescription &d = describe(condition);
    return road == FeedRoad::FirstEntry ? d.firstEntryCaption : d.changeEntryCaption;
}

QString FeedControlCaption(FeedRoad road, int condition, bool afterCorrections)
{
    const FeedConditionDescription &d = describe(condition);
    return road == FeedRoad::FirstEntry && !afterCorrections ? d.firstControlCaption
                                                             : d.correctedControlCaption;
}

QString FeedCorrectionCaption(int condition)
{
    return describe(condition).correctionCaption;
}

QStringList FeedHeadingLines(int condition)
{
    return describe(condition).headingLines;
}

QString FeedConditionButtonCaption(int condition)
{
    return describe(condition).buttonCaption;
}

QString FeedLine(const QString &label, const QString &valueText)
{
    return label + PadSpaces(label, FeedLabelWidth) + valueText;
}

void SetFeedCondition(FeedSpec &feed, int condition)
{
    feed.Condition = condition;
    for (int i = 1; i <= MaxFeedParameters; ++i)
        feed.Label[i] = i <= FeedParameterCount(condition) ? FeedPrompt(condition, i) : QString();
}

void RecordFeedEntry(FeedSpec &feed, int parameter, const QString &typed)
{
    StoreTypedPointValue(typed, feed.EntryText[parameter], feed.EntryValue[parameter]);
}

void CopyFeedEntries(FeedSpec &feed)
{
    for (int i = 1; i <= FeedParameterCount(feed.Condition); ++i) {
        const int element = FeedParameterElement(feed.Condition, i);
        feed.Text[element] = feed.EntryText[i];
        feed.Value[element] = feed.EntryValue[i];
    }
}

void StoreFeedCorrection(FeedSpec &feed, int parameter, const QString &typed)
{
    RecordFeedEntry(feed, parameter, typed);
    const int element = FeedParameterElement(feed.Condition, parameter);
    feed.Text[element] = feed.EntryText[parameter];
    feed.Value[element] = feed.EntryValue[parameter];
}

QString FeedParameterLine(const FeedSpec &feed, int parameter)
{
    return FeedLine(feed.Label[parameter], feed.Text[FeedParameterElement(feed.Condition, parameter)]);
}

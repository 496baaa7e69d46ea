#include "report.h"

#include "model/problem_data.h"
#include "model/text.h"

namespace {

// One row of the feed block: its label and the element of FeedSpec.Text.
struct FeedRow {
    const char16_t *label;
    int element;
};

// The feed block of one condition: heading, the lines it adds to the count,
// and its rows.
struct FeedBlock {
    const char16_t *heading;
    int countedLines;
    QList<FeedRow> rows;
};

const FeedBlock &feedBlock(int condition)
{
    static const FeedBlock blocks[] = {
        {u"ИСХОДНАЯ СМЕСЬ ПОСТУПАЕТ В ВИДЕ ЖИДКОСТИ, НАГРЕТОЙ ДО ТЕМПЕРАТУРЫ КИПЕНИЯ",
         12,
         {{u"МОЛЕКУЛЯРНАЯ МАССА БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА", FeedMA},
          {u"МОЛЕКУЛЯРНАЯ МАССА МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА", FeedMB},
          {u"МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Кг/c", FeedFl},
          {u"МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ЖИДКОСТИ", FeedXFl},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ДИСТИЛЛЯТЕ", FeedXD},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В КУБОВОМ ОСТАТКЕ", FeedXW},
          {u"ФЛЕГМОВОЕ ЧИСЛО", FeedR}}},
        {u"ИСХОДНАЯ СМЕСЬ ПОСТУПАЕТ В ВИДЕ ПАРА",
         13,
         {{u"МОЛЕКУЛЯРНАЯ МАССА БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ", FeedMA},
          {u"МОЛЕКУЛЯРНАЯ МАССА МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА", FeedMB},
          {u"МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Кг/c", FeedFv},
          {u"МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ПАРА", FeedXFv},
          {u"ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Град.Цельсия", FeedTv},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ДИСТИЛЛЯТЕ", FeedXD},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В КУБОВОМ ОСТАТКЕ", FeedXW},
          {u"ФЛЕГМОВОЕ ЧИСЛО", FeedR}}},
        {u"ИСХОДНАЯ СМЕСЬ ПОСТУПАЕТ В ВИДЕ ПАРОЖИДКОСТНОЙ СМЕСИ",
         16,
         {{u"МОЛЕКУЛЯРНАЯ МАССА БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ", FeedMA},
          {u"МОЛЕКУЛЯРНАЯ МАССА МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА", FeedMB},
          {u"МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Кг/c", FeedFv},
          {u"МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Кг/c", FeedFl},
          {u"МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ПАРА", FeedXFv},
          {u"МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ЖИДКОСТИ", FeedXFl},
          {u"ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Град.Цельсия", FeedTv},
          {u"ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Град.Цельсия", FeedTl},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ДИСТИЛЛЯТЕ", FeedXD},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В КУБОВОМ ОСТАТКЕ", FeedXW},
          {u"ФЛЕГМОВОЕ ЧИСЛО", FeedR}}},
        {u"ИСХОДНАЯ СМЕСЬ ПОСТУПАЕТ В ВИДЕ ЖИДКОСТИ",
         13,
         {{u"МОЛЕКУЛЯРНАЯ МАССА БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ", FeedMA},
          {u"МОЛЕКУЛЯРНАЯ МАССА МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА", FeedMB},
          {u"МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Кг/с", FeedFl},
          {u"МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ЖИДКОСТИ", FeedXFl},
          {u"ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Град.Цельсия", FeedTl},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ДИСТИЛЛЯТЕ", FeedXD},
          {u"МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В КУБОВОМ ОСТАТКЕ", FeedXW},
          {u"ФЛЕГМОВОЕ ЧИСЛО", FeedR}}},
    };
    return blocks[condition];
}

QString text(const char16_t *literal)
{
    return QString::fromUtf16(literal);
}

// One typed value of a table row, with its quantity and point number: "X(3)=0.25".
QString cell(const QString &quantity, int i, const QString &typed)
{
    return quantity + u'(' + QString::number(i) + QStringLiteral(")=") + typed;
}

// A table row of two typed values, the first padded to the column width:
// "X(3)=0.25", spaces, "DH(3)=120".
QString pointRow(const QString &first, int i, const QString &firstText, int width, const QString &second,
                 const QString &secondText)
{
    return cell(first, i, firstText) + PadSpaces(firstText, width) + cell(second, i, secondText);
}

void printTitle(ReportPages &report)
{
    // A line that begins with its own spaces carries them in place of the
    // margin: the title lines, and the headings and rows of the tables, are
    // placed by their own spaces alone.
    report.printLine(Spaces(33) + QStringLiteral("П Р О Г Р А М М А       Т А Р Е Л И Н - 7"));
    report.printLine(Spaces(23) +
                     QStringLiteral("РАСЧЁТ МАТЕРИАЛЬНОГО И ТЕПЛОВОГО БАЛАНСОВ БИНАРНОЙ РЕКТИФИКАЦИИ."));
    report.printLine(Spaces(36) + QStringLiteral("РАСЧЕТ ЧИСЛА ТЕОРЕТИЧЕСКИХ СТУПЕНЕЙ."));
    report.printEmptyLine();
    report.printLine(Spaces(43) + QStringLiteral("ИСХОДНЫЕ    ДАННЫЕ"));
    report.printEmptyLine();
    report.printEmptyLine();
}

void printEquilibrium(ReportPages &report, const EquilibriumTable &table)
{
    report.printLine(Spaces(45) + QStringLiteral("РАВНОВЕСНЫЕ ДАННЫЕ"));
    report.printLine(Spaces(21) +
                     QStringLiteral("X [Мольн.д.]           Y [Мольн.д.]                T [Град.Цельсия]"));
    for (int i = 1; i <= table.N; ++i) {
        report.printLine(Spaces(20) + cell(QStringLiteral("X"), i, table.XText[i]) +
                         PadSpaces(table.XText[i], 15) + cell(QStringLiteral("Y"), i, table.YText[i]) +
                         PadSpaces(table.YText[i], 15) + cell(QStringLiteral("T"), i, table.TText[i]));
    }
    report.printEmptyLine();
    if (table.Azeotropic)
        report.printText(
            QStringLiteral("МОЛЬНАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ДЛЯ АЗЕАТРОПНОГО СОСТАВА = ") +
            table.AzeotropeXText);
    else
        report.printText(QStringLiteral("СИСТЕМА НЕ АЗЕАТРОПНА"));
    report.printEmptyLine();
    report.printRule();
    // The whole first section is counted in one amount here.
    report.ReportLineCount += table.N + 22;
    report.printEmptyLine();
}

void printFeed(ReportPages &report, const FeedSpec &feed)
{
    if (feed.Condition < BoilingLiquidFeed || feed.Condition > LiquidFeed)
        return;
    const FeedBlock &block = feedBlock(feed.Condition);
    report.printText(text(block.heading));
    report.ReportLineCount += block.countedLines;
    for (const FeedRow &row : block.rows) {
        const QString label = text(row.label);
        report.printLine(Spaces(15) + label + PadSpaces(label, 70) + feed.Text[row.element]);
    }
}

void printMixingHeat(ReportPages &report, const ProblemData &data)
{
    const MixingHeatTable &table = data.MixingHeat;
    if (!table.Present) {
        report.printText(
            QStringLiteral("ДАННЫЕ ПО ТЕПЛОТАМ СМЕШЕНИЯ КОМПОНЕНТОВ РАЗДЕЛЯЕМОЙ СМЕСИ ОТСУТСТВУЮТ"));
        return;
    }
    report.printText(QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОТ СМЕШЕНИЯ ОТ КОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА"));
    report.printText(QStringLiteral("ПРИ ТЕМПЕРАТУРЕ ") + data.Results.Text[ResT0] +
                     QStringLiteral(" Град.Цельсия"));
    report.printLine(Spaces(30) + QStringLiteral(" X [Мольн.д.]                    DH [Кдж/Кмоль]"));
    report.ReportLineCount += 2;
    // No page check in this block: the design lets it run past a full page.
    for (int i = 1; i <= table.N; ++i) {
        report.printLine(Spaces(30) + pointRow(QStringLiteral("X"), i, table.XText[i], 20,
                                               QStringLiteral("DH"), table.DHText[i]));
        ++report.ReportLineCount;
    }
}

void printVaporHeatCapacity(ReportPages &report, const VaporHeatCapacityTable &table)
{
    if (!table.Present) {
        report.printText(
            QStringLiteral("ДАННЫЕ ПО ТЕПЛОЕМКОСТИ КОМПОНЕНТОВ В ГАЗООБРАЗНОМ СОСТОЯНИИ ОТСУТСТВУЮТ"));
        return;
    }
    const QString headings[] = {
        QString(),
        QStringLiteral(
            "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ КОМП. В ГАЗ. СОСТ, ОТ ТЕМПЕРАТУРЫ ДЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА"),
        QStringLiteral(
            "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ КОМП. В ГАЗ. СОСТ. ОТ ТЕМПЕРАТУРЫ ДЛЯ МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА")};
    for (int k = 1; k <= MaxComponents; ++k) {
        report.breakPageIfFull();
        report.printText(headings[k]);
        report.printLine(Spaces(30) + QStringLiteral("T [Град.Цельсия]                 C [Кдж/Кг*К]"));
        for (int i = 1; i <= table.N[k]; ++i) {
            report.printLine(Spaces(30) + pointRow(QStringLiteral("T"), i, table.TText[k][i], 20,
                                                   QStringLiteral("C"), table.CText[k][i]));
            ++report.ReportLineCount;
        }
    }
}

void printVaporizationHeat(ReportPages &report, const VaporizationHeatTable &table)
{
    const QString headings[] = {
        QString(),
        QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОТ ИСПАРЕНИЯ ОТ ТЕМПЕРАТУРЫ ДЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА"),
        QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОТ ИСПАРЕНИЯ ОТ ТЕМПЕРАТУРЫ ДЛЯ МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА")};
    for (int k = 1; k <= MaxComponents; ++k) {
        // A component's table starts on a new page when its rows would
        // reach the end of this one.
        if (report.ReportLineCount + table.N[k] >= ReportPageLines)
            report.StartNewPage();
        report.printText(headings[k]);
        report.printLine(Spaces(30) + QStringLiteral(" T [Град.Цельсия]                R [Кдж/Кг]"));
        for (int i = 1; i <= table.N[k]; ++i) {
            report.printLine(Spaces(30) + pointRow(QStringLiteral("T"), i, table.TText[k][i], 20,
                                                   QStringLiteral("R"), table.RText[k][i]));
            ++report.ReportLineCount;
        }
    }
}

void printSolutionHeatCapacity(ReportPages &report, const SolutionHeatCapacitySet &set)
{
    for (int j = 1; j <= set.NT; ++j) {
        report.breakPageIfFull();
        report.printText(
            QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА"));
        report.printText(QStringLiteral("ПРИ ТЕМПЕРАТУРЕ ") + set.TText[j] + QStringLiteral(" Град.Цельсия"));
        report.printLine(Spaces(30) + QStringLiteral(" X [Мольн.д.]                    C [Кдж/Кмоль*К]"));
        for (int i = 1; i <= set.N[j]; ++i) {
            report.printLine(Spaces(30) + pointRow(QStringLiteral("X"), i, set.XText[j][i], 20,
                                                   QStringLiteral("C"), set.CText[j][i]));
            ++report.ReportLineCount;
        }
        report.printEmptyLine();
    }
}

// The rule and empty line between two sections, counted as two lines.
void printSeparator(ReportPages &report)
{
    report.printRule();
    report.printEmptyLine();
    report.ReportLineCount += 2;
}

} // namespace

void PrintInputReport(ReportPages &report, const ProblemData &data)
{
    report.printEmptyLine();
    report.PrintPageHeader();
    report.printEmptyLine();
    report.printText(QStringLiteral("СТУДЕНТ ") + data.Names[1]);
    report.printEmptyLine();
    printTitle(report);
    report.printText(QStringLiteral("СИСТЕМА ") + data.Names[2] + QStringLiteral(" - ") + data.Names[3]);
    report.printEmptyLine();

    printEquilibrium(report, data.Equilibrium);
    printFeed(report, data.Feed);
    // This rule and empty line are not counted.
    report.printRule();
    report.printEmptyLine();
    printMixingHeat(report, data);
    printSeparator(report);
    printVaporHeatCapacity(report, data.VaporHeatCapacity);
    printSeparator(report);
    printVaporizationHeat(report, data.VaporizationHeat);
    printSeparator(report);
    printSolutionHeatCapacity(report, data.SolutionHeatCapacity);
    printSeparator(report);
    report.breakPageIfFull();
}

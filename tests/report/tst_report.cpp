#include "model/problem_data.h"
#include "report/report.h"

#include <QFile>
#include <QTest>

namespace {

// Fills one table row of texts and numbers the way a prompt does.
void typed(QString &text, float &value, const QString &typedText)
{
    text = typedText;
    value = typedText.toFloat();
}

// A benzene–toluene problem as a student would type it, with results set by
// hand: the report only prints what it finds.
ProblemData benzeneToluene(int condition)
{
    ProblemData data;
    data.Names[1] = QStringLiteral("Иванов Хт-31");
    data.Names[2] = QStringLiteral("Бензол");
    data.Names[3] = QStringLiteral("Толуол");

    const QStringList x = {"0", "0.05", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
    const QStringList y = {"0",    "0.118", "0.21",  "0.37", "0.51",  "0.62",
                           "0.71", "0.79",  "0.854", "0.91", "0.959", "1"};
    const QStringList t = {"110.6", "108.3", "106.1", "102.2", "98.6", "95.2",
                           "92.1",  "89.4",  "86.8",  "84.4",  "82.3", "80.2"};
    EquilibriumTable &eq = data.Equilibrium;
    eq.N = int(x.size());
    for (int i = 1; i <= eq.N; ++i) {
        typed(eq.XText[i], eq.X[i], x[i - 1]);
        typed(eq.YText[i], eq.Y[i], y[i - 1]);
        typed(eq.TText[i], eq.T[i], t[i - 1]);
    }
    eq.AzeotropeX = NoAzeotropeX;

    FeedSpec &feed = data.Feed;
    feed.Condition = condition;
    const auto set = [&feed](int element, const QString &text) {
        typed(feed.Text[element], feed.Value[element], text);
    };
    set(FeedMA, QStringLiteral("78.11"));
    set(FeedMB, QStringLiteral("92.14"));
    set(FeedXD, QStringLiteral("0.97"));
    set(FeedXW, QStringLiteral("0.020"));
    set(FeedR, QStringLiteral("3,5").replace(u',', u'.'));
    switch (condition) {
    case BoilingLiquidFeed:
        set(FeedFl, QStringLiteral("2.0"));
        set(FeedXFl, QStringLiteral("0.40"));
        set(FeedTl, QStringLiteral(" 95.581001")); // derived by the calculation
        break;
    case VapourFeed:
        set(FeedFv, QStringLiteral("1.5"));
        set(FeedXFv, QStringLiteral("0.45"));
        set(FeedTv, QStringLiteral("105"));
        break;
    case MixtureFeed:
        set(FeedFv, QStringLiteral("0.8"));
        set(FeedFl, QStringLiteral("1.2"));
        set(FeedXFv, QStringLiteral("0.55"));
        set(FeedXFl, QStringLiteral("0.35"));
        set(FeedTv, QStringLiteral("100"));
        set(FeedTl, QStringLiteral("70"));
        break;
    case LiquidFeed:
        set(FeedFl, QStringLiteral("2.5"));
        set(FeedXFl, QStringLiteral("0.3"));
        set(FeedTl, QStringLiteral("60"));
        break;
    }

    // Heats of mixing and vapour heat capacities are present for some
    // conditions only, so that both forms of their section are seen.
    data.MixingHeat.Present = condition == BoilingLiquidFeed || condition == MixtureFeed;
    data.Results.Text[ResT0] = QStringLiteral("20");
    data.Results(ResT0) = 20;
    const QStringList mixX = {"0", "0.25", "0.5", "0.75", "1"};
    const QStringList mixDH = {"0", "23.5", "31", "22", "0"};
    data.MixingHeat.N = int(mixX.size());
    for (int i = 1; i <= data.MixingHeat.N; ++i) {
        typed(data.MixingHeat.XText[i], data.MixingHeat.X[i], mixX[i - 1]);
        typed(data.MixingHeat.DHText[i], data.MixingHeat.DH[i], mixDH[i - 1]);
    }

    VaporHeatCapacityTable &vc = data.VaporHeatCapacity;
    vc.Present = condition == BoilingLiquidFeed || condition == LiquidFeed;
    vc.N[1] = 2;
    vc.N[2] = 3;
    typed(vc.TText[1][1], vc.T[1][1], "20");
    typed(vc.CText[1][1], vc.C[1][1], "1.05");
    typed(vc.TText[1][2], vc.T[1][2], "120");
    typed(vc.CText[1][2], vc.C[1][2], "1.35");
    typed(vc.TText[2][1], vc.T[2][1], "20");
    typed(vc.CText[2][1], vc.C[2][1], "1.10");
    typed(vc.TText[2][2], vc.T[2][2], "70");
    typed(vc.CText[2][2], vc.C[2][2], "1.25");
    typed(vc.TText[2][3], vc.T[2][3], "120");
    typed(vc.CText[2][3], vc.C[2][3], "1.40");

    VaporizationHeatTable &vh = data.VaporizationHeat;
    vh.N[1] = 2;
    vh.N[2] = 2;
    typed(vh.TText[1][1], vh.T[1][1], "20");
    typed(vh.RText[1][1], vh.R[1][1], "434");
    typed(vh.TText[1][2], vh.T[1][2], "120");
    typed(vh.RText[1][2], vh.R[1][2], "363.5");
    typed(vh.TText[2][1], vh.T[2][1], "20");
    typed(vh.RText[2][1], vh.R[2][1], "412");
    typed(vh.TText[2][2], vh.T[2][2], "120");
    typed(vh.RText[2][2], vh.R[2][2], "355");

    SolutionHeatCapacitySet &sc = data.SolutionHeatCapacity;
    sc.NT = 2;
    typed(sc.TText[1], sc.T[1], "20");
    typed(sc.TText[2], sc.T[2], "100");
    sc.N[1] = 2;
    sc.N[2] = 3;
    typed(sc.XText[1][1], sc.X[1][1], "0");
    typed(sc.CText[1][1], sc.C[1][1], "155");
    typed(sc.XText[1][2], sc.X[1][2], "1");
    typed(sc.CText[1][2], sc.C[1][2], "135");
    typed(sc.XText[2][1], sc.X[2][1], "0");
    typed(sc.CText[2][1], sc.C[2][1], "180");
    typed(sc.XText[2][2], sc.X[2][2], "0.5");
    typed(sc.CText[2][2], sc.C[2][2], "170.5");
    typed(sc.XText[2][3], sc.X[2][3], "1");
    typed(sc.CText[2][3], sc.C[2][3], "156");

    CalculationResults &r = data.Results;
    const float values[] = {0,         2.0f,    0.8144f, 1.1856f, 0.4f,     0.440386f, 0.974458f,
                            0.023545f, 80.41f,  109.63f, 20,      478.2f,   121.37f,   256.9f,
                            110.45f,   164.06f, 0.0f,    3876.5f, 4512.25f, 15.0f,     7.0f};
    for (int e = 1; e <= ResultCount; ++e)
        if (e != ResT0)
            r(e) = values[e];
    r(ResFI) = condition == LiquidFeed ? -0.1234f : condition == VapourFeed ? 1.0312f : 0.0f;
    data.Stage.SavedStageCount = 12.0f;
    data.Stage.SavedFeedStage = 6.0f;
    data.Outcome = CalculationOutcome::Complete;
    return data;
}

const QString Date = QStringLiteral("08.12.2026");
const QString Time = QStringLiteral("21:00");

QList<QStringList> report(const ProblemData &data)
{
    return BuildReport(data, Date, Time);
}

QStringList allLines(const QList<QStringList> &pages)
{
    QStringList lines;
    for (const QStringList &page : pages)
        lines += page;
    return lines;
}

// The page (1-based) on which the first line holding text stands; 0 if none.
int pageOf(const QList<QStringList> &pages, const QString &text)
{
    for (int p = 0; p < pages.size(); ++p)
        for (const QString &line : pages[p])
            if (line.contains(text))
                return p + 1;
    return 0;
}

QList<QStringList> expectedPages(const QString &name)
{
    QFile file(QStringLiteral(TARELIN_TEST_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> pages;
    for (QString page : text.split(u'\f')) {
        if (page.endsWith(u'\n'))
            page.chop(1);
        pages << page.split(u'\n');
    }
    return pages;
}

// The results part of a report: the lines from its heading onwards, without
// the header and empty line of a page that begins among them.
QStringList resultsPart(const QList<QStringList> &pages)
{
    const QStringList lines = allLines(pages);
    QStringList part;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (part.isEmpty() && lines[i] != Spaces(15) + QStringLiteral(" РЕЗУЛЬТАТЫ РАСЧЕТА"))
            continue;
        if (lines[i].contains(QStringLiteral("Tarelin-7"))) {
            ++i;
            continue;
        }
        part << lines[i];
    }
    return part;
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT
private slots:
    void wholeReportPerFeedCondition_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("expected");
        QTest::newRow("boiling liquid")
            << int(BoilingLiquidFeed) << QStringLiteral("report_boiling_liquid.txt");
        QTest::newRow("vapour") << int(VapourFeed) << QStringLiteral("report_vapour.txt");
        QTest::newRow("mixture") << int(MixtureFeed) << QStringLiteral("report_mixture.txt");
        QTest::newRow("liquid") << int(LiquidFeed) << QStringLiteral("report_liquid.txt");
    }
    void wholeReportPerFeedCondition()
    {
        QFETCH(int, condition);
        QFETCH(QString, expected);
        const QList<QStringList> pages = report(benzeneToluene(condition));
        const QList<QStringList> wanted = expectedPages(expected);
        QVERIFY2(!wanted.isEmpty(), qPrintable(expected));
        QCOMPARE(pages.size(), wanted.size());
        for (int p = 0; p < pages.size(); ++p) {
            for (int i = 0; i < std::min(pages[p].size(), wanted[p].size()); ++i)
                QCOMPARE(pages[p][i], wanted[p][i]);
            QCOMPARE(pages[p].size(), wanted[p].size());
        }
    }

    void pageHeader_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("header");
        const QString date = QStringLiteral("08 декабря 2026г.        21:00");
        QTest::newRow("page 1") << 1 << Spaces(15) + date + Spaces(30) + "Tarelin-7                  стр. 1";
        QTest::newRow("page 12") << 12
                                 << Spaces(15) + date + Spaces(30) + "Tarelin-7                  стр. 12";
    }
    void pageHeader()
    {
        QFETCH(int, page);
        QFETCH(QString, header);
        ReportPages pages(Date, Time);
        pages.ReportPageNumber = page;
        pages.PrintPageHeader();
        QCOMPARE(pages.pages().first().first(), header);
        // The program name starts in column 76 whatever the date.
        QCOMPARE(header.indexOf(QStringLiteral("Tarelin-7")), 75);
    }

    void firstPageOpening()
    {
        const QStringList first = report(benzeneToluene(BoilingLiquidFeed)).first();
        QCOMPARE(first[0], QString());
        QVERIFY(first[1].endsWith(QStringLiteral("стр. 1")));
        QCOMPARE(first[2], QString());
    }

    void dateText_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("day first with dots") << "08.12.2026"
                                             << "08 декабря 2026г.";
        QTest::newRow("month first with slashes") << "12/8/2026"
                                                  << "8 декабря 2026г.";
        QTest::newRow("day first with slashes, month clamped") << "25/12/2026"
                                                               << "12 декабря 2026г.";
        QTest::newRow("january") << "1/31/2027"
                                 << "31 января 2027г.";
        QTest::newRow("may") << "09.05.2026"
                             << "09 мая 2026г.";
        QTest::newRow("month zero counts as january") << "15.00.2026"
                                                      << "15 января 2026г.";
        QTest::newRow("iso date") << "2026-12-08"
                                  << "08 декабря 2026г.";
        QTest::newRow("unreadable date kept") << "8 Dec 2026"
                                              << "8 Dec 2026";
    }
    void dateText()
    {
        QFETCH(QString, date);
        QFETCH(QString, expected);
        QCOMPARE(DateText(date, QStringLiteral("14:05:31")),
                 expected + Spaces(8) + QStringLiteral("14:05:31"));
    }

    void stageNumbers_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 12.0f << " 12";
        QTest::newRow("half rounds to even, down") << 12.5f << " 12";
        QTest::newRow("half rounds to even, up") << 13.5f << " 14";
        QTest::newRow("above half") << 6.51f << " 7";
        QTest::newRow("zero") << 0.0f << " 0";
    }
    void stageNumbers()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(StageNumberText(value), text);
        ProblemData data = benzeneToluene(LiquidFeed);
        data.Stage.SavedStageCount = value;
        QVERIFY(resultsPart(report(data))
                    .contains(Spaces(15) + QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                       ") +
                              text));
    }

    // A heat-of-vaporization table moves to a new page when its rows would
    // reach line 75; a vapour heat-capacity table only when the count has
    // already reached 75 before it.
    void vaporizationHeatPageBreak_data()
    {
        QTest::addColumn<int>("firstRows");
        QTest::addColumn<int>("secondRows");
        QTest::addColumn<int>("firstPage");
        QTest::addColumn<int>("secondPage");
        // 12 equilibrium points and a boiling-liquid feed count 46 lines,
        // the heats of mixing 7, the vapour heat capacities 5, and two
        // separators 4: the first component starts at a count of 62.
        QTest::newRow("62 + 12 = 74 stays") << 12 << 1 << 1 << 2;
        QTest::newRow("62 + 13 = 75 moves") << 13 << 1 << 2 << 2;
        QTest::newRow("short tables stay together") << 2 << 10 << 1 << 1;
        QTest::newRow("second reaches 75") << 2 << 11 << 1 << 2;
    }
    void vaporizationHeatPageBreak()
    {
        QFETCH(int, firstRows);
        QFETCH(int, secondRows);
        QFETCH(int, firstPage);
        QFETCH(int, secondPage);
        ProblemData data = benzeneToluene(BoilingLiquidFeed);
        VaporizationHeatTable &vh = data.VaporizationHeat;
        const int rows[] = {0, firstRows, secondRows};
        for (int k = 1; k <= 2; ++k) {
            vh.N[k] = rows[k];
            for (int i = 1; i <= rows[k]; ++i) {
                vh.TText[k][i] = QString::number(10 * i);
                vh.RText[k][i] = QString::number(400 - i);
            }
        }
        const QList<QStringList> pages = report(data);
        QCOMPARE(pageOf(pages, QStringLiteral("ИСПАРЕНИЯ ОТ ТЕМПЕРАТУРЫ ДЛЯ БОЛЕЕ")), firstPage);
        QCOMPARE(pageOf(pages, QStringLiteral("ИСПАРЕНИЯ ОТ ТЕМПЕРАТУРЫ ДЛЯ МЕНЕЕ")), secondPage);
        if (firstPage == 2) {
            // The moved table follows the new page's header and empty line.
            QCOMPARE(pages[1][0],
                     Spaces(15) + DateText(Date, Time) + Spaces(30) + "Tarelin-7                  стр. 2");
            QCOMPARE(pages[1][1], QString());
            QVERIFY(pages[1][2].contains(QStringLiteral("ИСПАРЕНИЯ ОТ ТЕМПЕРАТУРЫ ДЛЯ БОЛЕЕ")));
        }
    }

    void vapourHeatCapacityPageBreak_data()
    {
        QTest::addColumn<int>("firstRows");
        QTest::addColumn<int>("secondPage");
        // 46 + 7 (heats of mixing) + a separator: the first component
        // starts at a count of 55 and never moves.
        QTest::newRow("55 + 19 = 74: second stays") << 19 << 1;
        QTest::newRow("55 + 20 = 75: second moves") << 20 << 2;
    }
    void vapourHeatCapacityPageBreak()
    {
        QFETCH(int, firstRows);
        QFETCH(int, secondPage);
        ProblemData data = benzeneToluene(BoilingLiquidFeed);
        data.VaporHeatCapacity.N[1] = firstRows;
        for (int i = 1; i <= firstRows; ++i) {
            data.VaporHeatCapacity.TText[1][i] = QString::number(5 * i);
            data.VaporHeatCapacity.CText[1][i] = QStringLiteral("1.1");
        }
        const QList<QStringList> pages = report(data);
        // The first table stays on page 1 even when its rows run past 75.
        QCOMPARE(pageOf(pages, QStringLiteral("В ГАЗ. СОСТ, ОТ ТЕМПЕРАТУРЫ ДЛЯ БОЛЕЕ")), 1);
        QCOMPARE(pageOf(pages, QStringLiteral("В ГАЗ. СОСТ. ОТ ТЕМПЕРАТУРЫ ДЛЯ МЕНЕЕ")), secondPage);
    }

    void absentOptionalData_data()
    {
        QTest::addColumn<bool>("mixing");
        QTest::addColumn<bool>("vapour");
        QTest::newRow("neither") << false << false;
        QTest::newRow("heats of mixing only") << true << false;
        QTest::newRow("vapour heat capacities only") << false << true;
        QTest::newRow("both") << true << true;
    }
    void absentOptionalData()
    {
        QFETCH(bool, mixing);
        QFETCH(bool, vapour);
        ProblemData data = benzeneToluene(VapourFeed);
        data.MixingHeat.Present = mixing;
        data.VaporHeatCapacity.Present = vapour;
        const QStringList lines = allLines(report(data));
        const QString noMixing =
            Spaces(15) +
            QStringLiteral("ДАННЫЕ ПО ТЕПЛОТАМ СМЕШЕНИЯ КОМПОНЕНТОВ РАЗДЕЛЯЕМОЙ СМЕСИ ОТСУТСТВУЮТ");
        const QString noVapour =
            Spaces(15) +
            QStringLiteral("ДАННЫЕ ПО ТЕПЛОЕМКОСТИ КОМПОНЕНТОВ В ГАЗООБРАЗНОМ СОСТОЯНИИ ОТСУТСТВУЮТ");
        QCOMPARE(lines.count(noMixing), mixing ? 0 : 1);
        QCOMPARE(lines.filter(QStringLiteral("DH(")).size(), mixing ? 5 : 0);
        QCOMPARE(lines.count(noVapour), vapour ? 0 : 1);
        QCOMPARE(lines.filter(QStringLiteral("C(1)=1.")).size(), vapour ? 2 : 0);
        // The absent table sits between its two rules.
        const qsizetype at = lines.indexOf(mixing ? noVapour : noMixing);
        if (!(mixing && vapour)) {
            QCOMPARE(lines[at - 1], QString());
            QCOMPARE(lines[at - 2], Spaces(15) + RuleLine());
            QCOMPARE(lines[at + 1], Spaces(15) + RuleLine());
        }
    }

    void azeotropeLine_data()
    {
        QTest::addColumn<bool>("azeotropic");
        QTest::addColumn<QString>("line");
        QTest::newRow("azeotropic")
            << true << "МОЛЬНАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ДЛЯ АЗЕАТРОПНОГО СОСТАВА = 0.894";
        QTest::newRow("not azeotropic") << false << "СИСТЕМА НЕ АЗЕАТРОПНА";
    }
    void azeotropeLine()
    {
        QFETCH(bool, azeotropic);
        QFETCH(QString, line);
        ProblemData data = benzeneToluene(BoilingLiquidFeed);
        data.Equilibrium.Azeotropic = azeotropic;
        data.Equilibrium.AzeotropeXText = QStringLiteral("0.894");
        const QStringList first = report(data).first();
        const qsizetype at = first.indexOf(Spaces(15) + line);
        QVERIFY(at > 0);
        QVERIFY(first[at - 2].contains(QStringLiteral("T(12)=80.2")));
    }

    void typedFiguresKeptAsTyped()
    {
        ProblemData data = benzeneToluene(BoilingLiquidFeed);
        data.Equilibrium.YText[3] = QStringLiteral("???");
        data.Feed.Text[FeedXFl] = QStringLiteral("0.400");
        data.Feed.Value[FeedXFl] = 0.4f;
        const QStringList lines = allLines(report(data));
        QVERIFY(lines.contains(Spaces(20) + "X(3)=0.1            Y(3)=???            T(3)=106.1"));
        QVERIFY(lines.contains(
            Spaces(15) + "МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ЖИДКОСТИ        0.400"));
    }

    // The lines that depend on the feed condition: feed flow, feed mass
    // fraction, feed temperature, vapour, liquid and mean feed enthalpy, and
    // the empty line before the stage counts.
    void resultLinesPerCondition_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("valueLines");
        QTest::newRow("boiling liquid") << int(BoilingLiquidFeed) << "--T-L-e" << 15;
        QTest::newRow("vapour") << int(VapourFeed) << "---V--e" << 14;
        QTest::newRow("mixture") << int(MixtureFeed) << "FW-VLM-" << 18;
        QTest::newRow("liquid") << int(LiquidFeed) << "----L-e" << 14;
    }
    void resultLinesPerCondition()
    {
        QFETCH(int, condition);
        QFETCH(QString, shown);
        QFETCH(int, valueLines);
        const QStringList results = resultsPart(report(benzeneToluene(condition)));
        const QStringList labels = {"РАСХОД ПИТАНИЯ", "МАСС.ДОЛЯ",    "ТЕМПЕРАТУРА ИСХОДНОЙ",
                                    "В ВИДЕ ПАРА",    "В ВИДЕ ЖИДК.", "СРЕДНЯЯ ЭНТАЛЬПИЯ"};
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(results.filter(labels[i]).size(), shown[i] == u'-' ? 0 : 1);
        // Heading, empty line, the value lines, then the stage counts with
        // or without an empty line before them.
        const int countsAt = 2 + valueLines + (shown[6] == u'e' ? 1 : 0);
        QCOMPARE(results[countsAt - 1].isEmpty(), shown[6] == u'e');
        QVERIFY(results[countsAt].contains(QStringLiteral("РАСЧЕТ ПРИ ДОПУШЕНИИ")));
    }

    void valueWiderThanItsField_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("condenser duty 12345.6")
            << int(ResQc) << 12345.6f << "ТЕПЛОВАЯ НАГРУЗКА ДЕФЛЕГМАТОРА                 12345.6       КВт ";
        QTest::newRow("distillate 123456.5")
            << int(ResD) << 123456.5f << "РАСХОД ДИСТИЛЛЯТА                            123456.5000      Кг/с";
        QTest::newRow("negative FI in its field")
            << int(ResFI) << -0.1234f << "КОЭФ.FI,ХАРАКТЕРИЗИЮЩИЙ СОСТОЯНИЕ ПИТАНИЯ      -0.1234";
        QTest::newRow("temperature -120.5")
            << int(ResTD) << -120.5f
            << "ТЕМПЕРАТУРА ДИСТИЛЛЯТА                         -120.50       Град.Цельсия";
    }
    void valueWiderThanItsField()
    {
        QFETCH(int, element);
        QFETCH(float, value);
        QFETCH(QString, line);
        ProblemData data = benzeneToluene(BoilingLiquidFeed);
        data.Results(element) = value;
        QVERIFY(resultsPart(report(data)).contains(Spaces(15) + line));
    }

    void failedCount_data()
    {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("tail");
        const QString s = Spaces(15);
        QTest::newRow("constant molar flows below minimum")
            << int(CalculationOutcome::RefluxBelowMinimum)
            << QStringList{QString(), s + "РАСЧЕТ ПРИ ДОПУШЕНИИ ПОСТОЯНСТВА МОЛЬНЫХ РАСХОДОВ ДАЕТ:",
                           s + "ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !"};
        QTest::newRow("exact count below minimum")
            << int(CalculationOutcome::ExactRefluxBelowMinimum)
            << QStringList{QString(),
                           s + "РАСЧЕТ ПРИ ДОПУШЕНИИ ПОСТОЯНСТВА МОЛЬНЫХ РАСХОДОВ ДАЕТ:",
                           s + "ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                        12",
                           s + "НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)            6",
                           QString(),
                           s + "         ТОЧНЫЙ РАСЧЕТ",
                           s + "      ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !",
                           s + "МИНИМАЛЬНОЕ ФЛЕГМОВОЕ ЧИСЛО                 2.8476"};
        QTest::newRow("complete") << int(CalculationOutcome::Complete)
                                  << QStringList{
                                         QString(),
                                         s + "РАСЧЕТ ПРИ ДОПУШЕНИИ ПОСТОЯНСТВА МОЛЬНЫХ РАСХОДОВ ДАЕТ:",
                                         s + "ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                        12",
                                         s + "НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)            6",
                                         QString(),
                                         s + "         ТОЧНЫЙ РАСЧЕТ",
                                         s + "ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                        15",
                                         s + "НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)            7"};
        QTest::newRow("heat balance failure")
            << int(CalculationOutcome::HeatBalanceFailure)
            << QStringList{s + "ТЕПЛОВАЯ НАГРУЗКА КИПЯТИЛЬНИКА                 4512.3       КВт ", QString(),
                           s + "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ"};
    }
    void failedCount()
    {
        QFETCH(int, outcome);
        QFETCH(QStringList, tail);
        ProblemData data = benzeneToluene(LiquidFeed);
        data.Outcome = CalculationOutcome(outcome);
        data.MinimumReflux = 2.84763f;
        if (data.Outcome == CalculationOutcome::ExactRefluxBelowMinimum)
            data.Results(ResN) = data.MinimumReflux; // the count leaves Rmin there
        const QList<QStringList> pages = report(data);
        const QStringList lastPage = pages.last();
        QCOMPARE(lastPage.mid(lastPage.size() - tail.size()), tail);
        // The result lines before them are printed as usual.
        QCOMPARE(resultsPart(pages).filter(QStringLiteral("КИПЯТИЛЬНИКА")).size(), 1);
    }

    void invalidDataPrintsNoResults()
    {
        ProblemData data = benzeneToluene(MixtureFeed);
        data.Outcome = CalculationOutcome::InvalidData;
        data.InvalidReason = QStringLiteral("Нулевой расход дистиллята");
        const QStringList results = resultsPart(report(data));
        QCOMPARE(results, (QStringList{Spaces(15) + " РЕЗУЛЬТАТЫ РАСЧЕТА", QString(),
                                       Spaces(15) + "ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ",
                                       Spaces(15) + "Нулевой расход дистиллята"}));
    }

    void resultsPageBreakAfterValueLine()
    {
        // A mixture feed with these tables leaves the input report at a
        // count of 74: the results heading brings it to 77, and the first
        // value line ends the page.
        const QList<QStringList> pages = report(benzeneToluene(MixtureFeed));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].last().contains(QStringLiteral("РАСХОД ПИТАНИЯ")));
        QVERIFY(pages[1][0].endsWith(QStringLiteral("стр. 2")));
        QCOMPARE(pages[1][1], QString());
        QVERIFY(pages[1][2].contains(QStringLiteral("РАСХОД ДИСТИЛЛЯТА")));
    }

    void plainTextSeparatesPagesWithFormFeed()
    {
        const QString text = ReportPlainText({{"a", "b"}, {"c"}});
        QCOMPARE(text, QStringLiteral("a\nb\n\fc\n"));
    }
};

QTEST_APPLESS_MAIN(ReportTest)
#include "tst_report.moc"

#include "engine/equilibrium_table.h"
#include "model/problem_data.h"
#include "model/text.h"

#include <QTest>

namespace {

using Points = QList<QStringList>; // X, Y, T texts as typed

// Fills the table the way the entry prompts do: the texts as typed, the
// numbers read from them ("???" reads as 0).
ProblemData tableOf(const Points &points, float azeotropeX = NoAzeotropeX, bool azeotropic = false)
{
    ProblemData data;
    EquilibriumTable &table = data.Equilibrium;
    table.N = int(points.size());
    for (int i = 1; i <= table.N; ++i) {
        const QStringList &p = points.at(i - 1);
        table.XText[i] = NormalizeDecimal(p.at(0));
        table.YText[i] = NormalizeDecimal(p.at(1));
        table.TText[i] = NormalizeDecimal(p.at(2));
        table.X[i] = StoredNumber(table.XText[i]);
        table.Y[i] = StoredNumber(table.YText[i]);
        table.T[i] = StoredNumber(table.TText[i]);
    }
    table.AzeotropeX = azeotropeX;
    table.AzeotropeXText = GeneralNumberText(azeotropeX);
    table.Azeotropic = azeotropic;
    return data;
}

// Acetone - water at normal pressure: no azeotrope, a valid table.
Points acetoneWater()
{
    return {{"0", "0", "100"},         {"0.01", "0.253", "92.7"}, {"0.02", "0.425", "86.5"},
            {"0.05", "0.624", "75.8"}, {"0.1", "0.755", "66.5"},  {"0.15", "0.798", "63.4"},
            {"0.2", "0.815", "62.1"},  {"0.3", "0.83", "61"},     {"0.4", "0.839", "60.4"},
            {"0.5", "0.849", "60"},    {"0.6", "0.859", "59.7"},  {"0.8", "0.898", "58.2"},
            {"1", "1", "56.13"}};
}

// A curve that crosses the diagonal between (0.6, 0.65) and (0.8, 0.75):
// the azeotrope lies at 0.7, and beyond it Y < X and T rises again.
Points crossingAt07()
{
    return {{"0", "0", "100"},     {"0.1", "0.3", "90"},  {"0.2", "0.4", "85"},    {"0.4", "0.55", "80"},
            {"0.6", "0.65", "78"}, {"0.8", "0.75", "77"}, {"0.9", "0.85", "77.5"}, {"1", "1", "78"}};
}

Points replaced(Points points, int i, const QStringList &point)
{
    points[i - 1] = point;
    return points;
}

QStringList column(const EquilibriumTable &table, const QString *texts)
{
    QStringList result;
    for (int i = 1; i <= table.N; ++i)
        result << texts[i];
    return result;
}

} // namespace

class EquilibriumTableTest : public QObject {
    Q_OBJECT
private slots:
    void sortOrdersByXAndCarriesAllSixFields()
    {
        // Typed from the pure light component down to the pure heavy one.
        Points falling = acetoneWater();
        std::reverse(falling.begin(), falling.end());
        ProblemData data = tableOf(falling);
        SortEquilibriumTable(data);
        const EquilibriumTable &t = data.Equilibrium;
        QCOMPARE(column(t, t.XText), (QStringList{"0", "0.01", "0.02", "0.05", "0.1", "0.15", "0.2", "0.3",
                                                  "0.4", "0.5", "0.6", "0.8", "1"}));
        QCOMPARE(t.YText[4], QStringLiteral("0.624"));
        QCOMPARE(t.TText[4], QStringLiteral("75.8"));
        QCOMPARE(t.Y[13], 1.0f);
        QCOMPARE(t.T[1], 100.0f);
        for (int i = 2; i <= t.N; ++i)
            QVERIFY(t.X[i - 1] < t.X[i]);
    }

    void sortMarksOutOfRangeTexts_data()
    {
        QTest::addColumn<QStringList>("point");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("all inside") << QStringList{"1", "0", "400"} << QStringList{"1", "0", "400"};
        QTest::newRow("-272.9 kept") << QStringList{"0.5", "0.6", "-272.9"}
                                     << QStringList{"0.5", "0.6", "-272.9"};
        QTest::newRow("-273 is absolute zero")
            << QStringList{"0.5", "0.6", "-273"} << QStringList{"0.5", "0.6", "???"};
        QTest::newRow("above 400") << QStringList{"0.5", "0.6", "400.1"} << QStringList{"0.5", "0.6", "???"};
        QTest::newRow("X above 1") << QStringList{"1.01", "0.6", "80"} << QStringList{"???", "0.6", "80"};
        QTest::newRow("Y below 0") << QStringList{"0.5", "-0.01", "80"} << QStringList{"0.5", "???", "80"};
    }
    void sortMarksOutOfRangeTexts()
    {
        QFETCH(QStringList, point);
        QFETCH(QStringList, texts);
        ProblemData data = tableOf({point});
        const float t = data.Equilibrium.T[1];
        SortEquilibriumTable(data);
        const EquilibriumTable &table = data.Equilibrium;
        QCOMPARE((QStringList{table.XText[1], table.YText[1], table.TText[1]}), texts);
        QCOMPARE(table.T[1], t); // the number is left for the check
    }

    void detection_data()
    {
        QTest::addColumn<Points>("points");
        QTest::addColumn<bool>("azeotropic");
        QTest::addColumn<float>("azeotropeX");
        QTest::addColumn<QString>("text");
        QTest::newRow("acetone-water: none") << acetoneWater() << false << 0.33f << "0.33";
        // Worked in double from the stored singles, the crossing lands one unit
        // of the last place below 0.7.
        QTest::newRow("crossing at 0.7") << crossingAt07() << true << 0.7f << "0.6999999";
        QTest::newRow("touching at 0.5")
            << replaced(acetoneWater(), 10, {"0.5", "0.5", "60"}) << true << 0.5f << "0.5";
        QTest::newRow("touching at 1 is the pure component")
            << replaced(acetoneWater(), 13, {"1", "1", "56"}) << false << 0.33f << "0.33";
        QTest::newRow("first point below the diagonal")
            << replaced(crossingAt07(), 1, {"0.05", "0.01", "101"}) << false << 0.33f << "0.33";
        QTest::newRow("a refused Y is no crossing")
            << replaced(acetoneWater(), 9, {"0.4", "???", "60.4"}) << false << 0.33f << "0.33";
        QTest::newRow("a refused point is skipped")
            << replaced(crossingAt07(), 5, {"???", "0.65", "78"}) << true
            << float((0.55 * 0.8 - 0.4 * 0.75) / (0.8 - 0.75 - 0.4 + 0.55))
            << GeneralNumberText(float((double(0.55f) * 0.8f - double(0.4f) * 0.75f) /
                                       (double(0.8f) - 0.75f - double(0.4f) + double(0.55f))));
        QTest::newRow("crossing between the first two")
            << Points{{"0", "0", "100"}, {"0.2", "0.1", "99"}} << true << 0.0f << "0";
    }
    void detection()
    {
        QFETCH(Points, points);
        QFETCH(bool, azeotropic);
        QFETCH(float, azeotropeX);
        QFETCH(QString, text);
        // A detection that finds nothing keeps the composition it had.
        ProblemData data = tableOf(points, 0.33f, true);
        QCOMPARE(DetectAzeotrope(data), azeotropic);
        QCOMPARE(data.Equilibrium.Azeotropic, azeotropic);
        QVERIFY(qAbs(data.Equilibrium.AzeotropeX - azeotropeX) < 1e-6f);
        QCOMPARE(data.Equilibrium.AzeotropeXText, text);
    }

    void check_data()
    {
        QTest::addColumn<Points>("points");
        QTest::addColumn<float>("azeotropeX");
        QTest::addColumn<bool>("azeotropic");
        QTest::addColumn<int>("badPoint");
        QTest::newRow("acetone-water valid") << acetoneWater() << NoAzeotropeX << false << 0;
        QTest::newRow("beyond the azeotrope exempt") << crossingAt07() << 0.7f << true << 0;
        QTest::newRow("same curve without azeotrope") << crossingAt07() << NoAzeotropeX << false << 6;
        QTest::newRow("exemption starts at the azeotrope itself")
            << replaced(crossingAt07(), 6, {"0.7", "0.69", "77"}) << 0.7f << true << 0;
        QTest::newRow("same X reported at the second")
            << replaced(acetoneWater(), 6, {"0.1", "0.798", "63.4"}) << NoAzeotropeX << false << 6;
        QTest::newRow("temperature not falling")
            << replaced(acetoneWater(), 9, {"0.4", "0.839", "61"}) << NoAzeotropeX << false << 9;
        QTest::newRow("Y not rising")
            << replaced(acetoneWater(), 5, {"0.1", "0.624", "66.5"}) << NoAzeotropeX << false << 5;
        QTest::newRow("inner point on the diagonal")
            << replaced(acetoneWater(), 12, {"0.8", "0.8", "58.2"}) << NoAzeotropeX << false << 12;
        QTest::newRow("vapour poorer than liquid")
            << replaced(acetoneWater(), 12, {"0.8", "0.79", "58.2"}) << NoAzeotropeX << false << 12;
        QTest::newRow("first point X=0 with Y>0")
            << replaced(acetoneWater(), 1, {"0", "0.1", "100"}) << NoAzeotropeX << false << 1;
        QTest::newRow("first point below the diagonal")
            << replaced(acetoneWater(), 1, {"0.005", "0.001", "100"}) << NoAzeotropeX << false << 1;
        QTest::newRow("??? before numeric rules")
            << replaced(replaced(acetoneWater(), 3, {"0.02", "0.425", "99"}), 7, {"0.2", "???", "62.1"})
            << NoAzeotropeX << false << 7;
        QTest::newRow("-273 accepted by the numbers")
            << replaced(acetoneWater(), 13, {"1", "1", "-273"}) << NoAzeotropeX << false << 0;
        QTest::newRow("number above 400 without ???")
            << replaced(acetoneWater(), 1, {"0", "0", "400.5"}) << NoAzeotropeX << false << 1;
        QTest::newRow("azeotrope composition 1.5") << acetoneWater() << 1.5f << true << 14;
        QTest::newRow("azeotrope composition refused") << crossingAt07() << 0.0f << true << 9;
        QTest::newRow("composition kept but not azeotropic") << acetoneWater() << 1.5f << false << 0;
        QTest::newRow("old composition exempts nothing") << crossingAt07() << 0.7f << false << 6;
    }
    void check()
    {
        QFETCH(Points, points);
        QFETCH(float, azeotropeX);
        QFETCH(bool, azeotropic);
        QFETCH(int, badPoint);
        ProblemData data = tableOf(points, azeotropeX, azeotropic);
        if (QByteArray(QTest::currentDataTag()) == "azeotrope composition refused")
            data.Equilibrium.AzeotropeXText = QStringLiteral("???");
        QCOMPARE(CheckEquilibriumTable(data), badPoint);
        QCOMPARE(data.Equilibrium.BadPoint, badPoint);
        QCOMPARE(data.Equilibrium.CheckFailed, badPoint != 0);
    }

    void declaredAzeotropeAgainstTheCurve_data()
    {
        QTest::addColumn<QStringList>("lastButOne");
        QTest::addColumn<int>("badPoint");
        QTest::newRow("above the diagonal beyond 0.9") << QStringList{"0.95", "0.97", "57"} << 12;
        QTest::newRow("last but one before 0.9") << QStringList{"0.85", "0.9", "57"} << 0;
    }
    void declaredAzeotropeAgainstTheCurve()
    {
        QFETCH(QStringList, lastButOne);
        QFETCH(int, badPoint);
        ProblemData data = tableOf(replaced(acetoneWater(), 12, lastButOne), 0.9f, true);
        QCOMPARE(CheckEquilibriumTable(data), badPoint);
    }

    void checkAfterClearingVerdict()
    {
        ProblemData data = tableOf(replaced(acetoneWater(), 6, {"0.1", "0.798", "63.4"}));
        QCOMPARE(CheckEquilibriumTable(data), 6);
        data = tableOf(acetoneWater());
        data.Equilibrium.CheckFailed = true;
        data.Equilibrium.BadPoint = 4;
        QCOMPARE(CheckEquilibriumTable(data), 0);
        QVERIFY(!data.Equilibrium.CheckFailed);
    }
};

QTEST_APPLESS_MAIN(EquilibriumTableTest)
#include "tst_equilibrium_table.moc"

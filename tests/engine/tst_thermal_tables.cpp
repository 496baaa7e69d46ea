#include "engine/thermal_tables.h"
#include "model/text.h"

#include <QTest>

// Tables are filled from typed texts, exactly as the screens store them.

namespace {

using Points = QList<QPair<QString, QString>>; // argument text, value text

void FillMixingHeat(ProblemData &data, const Points &points)
{
    MixingHeatTable &t = data.MixingHeat;
    t.N = int(points.size());
    for (int i = 1; i <= t.N; ++i) {
        t.XText[i] = points[i - 1].first;
        t.DHText[i] = points[i - 1].second;
        t.X[i] = StoredNumber(t.XText[i]);
        t.DH[i] = StoredNumber(t.DHText[i]);
    }
}

void FillVaporHeatCapacity(ProblemData &data, int k, const Points &points)
{
    VaporHeatCapacityTable &t = data.VaporHeatCapacity;
    t.N[k] = int(points.size());
    for (int i = 1; i <= t.N[k]; ++i) {
        t.TText[k][i] = points[i - 1].first;
        t.CText[k][i] = points[i - 1].second;
        t.T[k][i] = StoredNumber(t.TText[k][i]);
        t.C[k][i] = StoredNumber(t.CText[k][i]);
    }
}

void FillVaporizationHeat(ProblemData &data, int k, const Points &points)
{
    VaporizationHeatTable &t = data.VaporizationHeat;
    t.N[k] = int(points.size());
    for (int i = 1; i <= t.N[k]; ++i) {
        t.TText[k][i] = points[i - 1].first;
        t.RText[k][i] = points[i - 1].second;
        t.T[k][i] = StoredNumber(t.TText[k][i]);
        t.R[k][i] = StoredNumber(t.RText[k][i]);
    }
}

void FillSolution(ProblemData &data, int j, const QString &temperature, const Points &points)
{
    SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
    s.TText[j] = temperature;
    s.T[j] = StoredNumber(temperature);
    s.N[j] = int(points.size());
    for (int i = 1; i <= s.N[j]; ++i) {
        s.XText[j][i] = points[i - 1].first;
        s.CText[j][i] = points[i - 1].second;
        s.X[j][i] = StoredNumber(s.XText[j][i]);
        s.C[j][i] = StoredNumber(s.CText[j][i]);
    }
}

Points Pairs(const QStringList &flat)
{
    Points points;
    for (int i = 0; i + 1 < flat.size(); i += 2)
        points.append({flat[i], flat[i + 1]});
    return points;
}

} // namespace

class ThermalTablesTest : public QObject {
    Q_OBJECT
private slots:
    void mixingHeatCheck_data()
    {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<int>("badPoint");
        const QString ok = QStringLiteral("-500");
        QTest::newRow("valid") << QStringList{"0", "0", "0.3", "-1200", "0.7", "-800", "1", "0"} << 0;
        QTest::newRow("DH 30000 passes") << QStringList{"0.2", "30000", "0.4", "-30000"} << 0;
        QTest::newRow("DH 30000.5 fails") << QStringList{"0.2", ok, "0.4", "30000.5"} << 2;
        QTest::newRow("DH -30000.5 fails") << QStringList{"0.2", "-30000.5", "0.4", ok} << 1;
        QTest::newRow("X below 0") << QStringList{"-0.01", ok, "0.4", ok} << 1;
        QTest::newRow("X above 1") << QStringList{"0.2", ok, "1.01", "0"} << 2;
        QTest::newRow("pure first with heat") << QStringList{"0", "5", "0.4", ok} << 1;
        QTest::newRow("pure last with heat") << QStringList{"0.2", ok, "1", "5"} << 2;
        QTest::newRow("near-pure first may carry heat") << QStringList{"0.0001", "5", "0.4", ok} << 0;
        QTest::newRow("equal X fail at the later") << QStringList{"0.2", ok, "0.5", ok, "0.5", ok} << 3;
        QTest::newRow("first fault wins") << QStringList{"0.2", "40000", "2", ok} << 1;
        QTest::newRow("unreadable value reads 0") << QStringList{"abc", "1", "0.4", ok} << 1;
    }
    void mixingHeatCheck()
    {
        QFETCH(QStringList, points);
        QFETCH(int, badPoint);
        ProblemData data;
        data.BadPointIndex = 99;
        FillMixingHeat(data, Pairs(points));
        QCOMPARE(CheckMixingHeatTable(data), badPoint);
        QCOMPARE(data.BadPointIndex, badPoint);
    }

    void vaporHeatCapacityCheck_data()
    {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<int>("badPoint");
        QTest::newRow("one point") << QStringList{"100", "1.2"} << 0;
        QTest::newRow("T -283 passes") << QStringList{"-283", "1"} << 0;
        QTest::newRow("T -283.14 passes") << QStringList{"-283.14", "1"} << 0;
        QTest::newRow("T -283.2 fails") << QStringList{"-283.2", "1"} << 1;
        QTest::newRow("T 400 passes") << QStringList{"20", "1", "400", "1"} << 0;
        QTest::newRow("T 400.5 fails") << QStringList{"20", "1", "400.5", "1"} << 2;
        QTest::newRow("C 0.39999 passes") << QStringList{"20", "0.39999"} << 0;
        QTest::newRow("C 0.4 and 4 pass") << QStringList{"20", "0.4", "30", "4"} << 0;
        QTest::newRow("C 0.39998 fails") << QStringList{"20", "0.39998"} << 1;
        QTest::newRow("C 0.3 fails") << QStringList{"20", "1", "30", "0.3"} << 2;
        QTest::newRow("C 4.01 fails") << QStringList{"20", "4.01"} << 1;
        QTest::newRow("equal T fail at the later") << QStringList{"20", "1", "50", "1", "50", "1.1"} << 3;
    }
    void vaporHeatCapacityCheck()
    {
        QFETCH(QStringList, points);
        QFETCH(int, badPoint);
        for (int k : {1, 2}) {
            ProblemData data;
            FillVaporHeatCapacity(data, k, Pairs(points));
            // The other component holds a faulty table that must not be looked at.
            FillVaporHeatCapacity(data, 3 - k, Pairs({"999", "99"}));
            QCOMPARE(CheckVaporHeatCapacityTable(data, k), badPoint);
            QCOMPARE(data.BadPointIndex, badPoint);
        }
    }

    void vaporizationHeatCheck_data()
    {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<int>("badPoint");
        QTest::newRow("valid") << QStringList{"20", "400", "80", "390"} << 0;
        QTest::newRow("T -273.14 passes") << QStringList{"-273.14", "400"} << 0;
        QTest::newRow("T -273.15 fails") << QStringList{"-273.15", "400"} << 1;
        QTest::newRow("T 400 passes") << QStringList{"400", "400"} << 0;
        QTest::newRow("T 400.1 fails") << QStringList{"20", "400", "400.1", "400"} << 2;
        QTest::newRow("R 20 and 3000 pass") << QStringList{"20", "20", "30", "3000"} << 0;
        QTest::newRow("R 19.9 fails") << QStringList{"20", "19.9"} << 1;
        QTest::newRow("R 3000.1 fails") << QStringList{"20", "400", "30", "3000.1"} << 2;
        QTest::newRow("letters for R fail") << QStringList{"20", "abc"} << 1;
        QTest::newRow("equal T pass") << QStringList{"50", "400", "50", "410"} << 0;
    }
    void vaporizationHeatCheck()
    {
        QFETCH(QStringList, points);
        QFETCH(int, badPoint);
        ProblemData data;
        FillVaporizationHeat(data, 2, Pairs(points));
        QCOMPARE(CheckVaporizationHeatTable(data, 2), badPoint);
        QCOMPARE(data.BadPointIndex, badPoint);
    }

    void solutionHeatCapacityCheck_data()
    {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<int>("badPoint");
        QTest::newRow("X 0 and 1 pass") << QStringList{"0", "140", "1", "150"} << 0;
        QTest::newRow("C 5 and 3000 pass") << QStringList{"0.2", "5", "0.4", "3000"} << 0;
        QTest::newRow("C 4.9 fails") << QStringList{"0.2", "140", "0.4", "4.9"} << 2;
        QTest::newRow("C 3000.5 fails") << QStringList{"0.2", "3000.5", "0.4", "140"} << 1;
        QTest::newRow("X 1.01 fails") << QStringList{"0.2", "140", "1.01", "140"} << 2;
        QTest::newRow("X -0.1 fails") << QStringList{"-0.1", "140", "0.2", "140"} << 1;
        QTest::newRow("equal X fail at the later") << QStringList{"0.2", "140", "0.2", "141"} << 2;
    }
    void solutionHeatCapacityCheck()
    {
        QFETCH(QStringList, points);
        QFETCH(int, badPoint);
        ProblemData data;
        data.SolutionHeatCapacity.NT = 2;
        FillSolution(data, 1, "20", Pairs({"0.5", "1"})); // faulty, not checked
        FillSolution(data, 2, "60", Pairs(points));
        QCOMPARE(CheckSolutionHeatCapacityTable(data, 2), badPoint);
        QCOMPARE(data.BadPointIndex, badPoint);
    }

    void temperatureRanges_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("solution");
        QTest::addColumn<bool>("table");
        QTest::newRow("-273.15") << "-273.15" << true << false;
        QTest::newRow("-273.16") << "-273.16" << false << false;
        QTest::newRow("-273") << "-273" << true << true;
        QTest::newRow("400") << "400" << true << true;
        QTest::newRow("400.1") << "400.1" << false << false;
        QTest::newRow("huge") << "1e39" << false << false;
    }
    void temperatureRanges()
    {
        QFETCH(QString, typed);
        QFETCH(bool, solution);
        QFETCH(bool, table);
        QCOMPARE(SolutionTemperatureInRange(StoredNumber(typed)), solution);
        QCOMPARE(TableTemperatureInRange(StoredNumber(typed)), table);
    }

    void sortsKeepTextsWithNumbers_data()
    {
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("reversed") << QStringList{"0.9", "a", "0.5", "b", "0.1", "c"}
                                  << QStringList{"0.1", "c", "0.5", "b", "0.9", "a"};
        QTest::newRow("already ascending")
            << QStringList{"0.1", "a", "0.2", "b"} << QStringList{"0.1", "a", "0.2", "b"};
        // Equal keys are never exchanged with each other: the exchange sort
        // still moves them when it swaps a smaller key forward.
        QTest::newRow("equal keys, 3 1 2 1'") << QStringList{"3", "a", "1", "b", "2", "c", "1", "d"}
                                              << QStringList{"1", "b", "1", "d", "2", "c", "3", "a"};
        QTest::newRow("equal keys stay")
            << QStringList{"1", "a", "1", "b", "1", "c"} << QStringList{"1", "a", "1", "b", "1", "c"};
        QTest::newRow("3 2 2'") << QStringList{"3", "a", "2", "b", "2", "c"}
                                << QStringList{"2", "b", "2", "c", "3", "a"};
        QTest::newRow("text differs from value")
            << QStringList{"0.50", "x", ".1", "y"} << QStringList{".1", "y", "0.50", "x"};
    }
    void sortsKeepTextsWithNumbers()
    {
        QFETCH(QStringList, points);
        QFETCH(QStringList, sorted);
        const Points input = Pairs(points);
        // The second column holds labels; give them distinct numbers too.
        Points numbered;
        for (const auto &p : input)
            numbered.append({p.first, QString::number(100 + p.second.at(0).unicode())});
        ProblemData data;
        FillMixingHeat(data, numbered);
        FillVaporHeatCapacity(data, 2, numbered);
        FillVaporizationHeat(data, 1, numbered);
        data.SolutionHeatCapacity.NT = 1;
        FillSolution(data, 1, "20", numbered);
        SortMixingHeatTable(data);
        SortVaporHeatCapacityTable(data, 2);
        SortVaporizationHeatTable(data, 1);
        SortSolutionHeatCapacityTable(data, 1);
        const Points expected = Pairs(sorted);
        for (int i = 1; i <= int(expected.size()); ++i) {
            const QString key = expected[i - 1].first;
            const QString value = QString::number(100 + expected[i - 1].second.at(0).unicode());
            QCOMPARE(data.MixingHeat.XText[i], key);
            QCOMPARE(data.MixingHeat.DHText[i], value);
            QCOMPARE(data.MixingHeat.DH[i], StoredNumber(value));
            QCOMPARE(data.MixingHeat.X[i], StoredNumber(key));
            QCOMPARE(data.VaporHeatCapacity.TText[2][i], key);
            QCOMPARE(data.VaporHeatCapacity.CText[2][i], value);
            QCOMPARE(data.VaporHeatCapacity.C[2][i], StoredNumber(value));
            QCOMPARE(data.VaporizationHeat.TText[1][i], key);
            QCOMPARE(data.VaporizationHeat.R[1][i], StoredNumber(value));
            QCOMPARE(data.SolutionHeatCapacity.XText[1][i], key);
            QCOMPARE(data.SolutionHeatCapacity.C[1][i], StoredNumber(value));
        }
    }

    void sortTouchesOneComponentOnly()
    {
        ProblemData data;
        FillVaporHeatCapacity(data, 1, Pairs({"80", "1", "20", "2"}));
        FillVaporHeatCapacity(data, 2, Pairs({"90", "3", "10", "4"}));
        SortVaporHeatCapacityTable(data, 1);
        QCOMPARE(data.VaporHeatCapacity.TText[1][1], QStringLiteral("20"));
        QCOMPARE(data.VaporHeatCapacity.TText[2][1], QStringLiteral("90"));
        SortVaporizationHeatTable(data, 2); // empty for component 2: nothing moves
        QCOMPARE(data.VaporHeatCapacity.TText[2][1], QStringLiteral("90"));
    }

    void solutionTemperaturesCarryTheirTables()
    {
        ProblemData data;
        SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
        s.NT = 3;
        FillSolution(data, 1, "80", Pairs({"0", "180", "0.5", "185", "1", "190"}));
        FillSolution(data, 2, "20", Pairs({"0", "120", "1", "130"}));
        FillSolution(data, 3, "50", Pairs({"0", "150", "0.2", "151", "0.4", "152", "0.6", "153"}));
        SortSolutionTemperatures(data);
        QCOMPARE((QStringList{s.TText[1], s.TText[2], s.TText[3]}), (QStringList{"20", "50", "80"}));
        QCOMPARE((QList<float>{s.T[1], s.T[2], s.T[3]}), (QList<float>{20.0f, 50.0f, 80.0f}));
        QCOMPARE((QList<int>{s.N[1], s.N[2], s.N[3]}), (QList<int>{2, 4, 3}));
        QCOMPARE(s.CText[1][2], QStringLiteral("130"));
        QCOMPARE(s.XText[2][4], QStringLiteral("0.6"));
        QCOMPARE(s.C[2][4], 153.0f);
        QCOMPARE(s.CText[3][3], QStringLiteral("190"));
        QCOMPARE(s.C[3][1], 180.0f);
    }

    void solutionTemperatureCorrectedPastItsNeighbour()
    {
        // A temperature corrected after its tables were typed: 20, 50, 80
        // with the first one changed to 90 must come out 50, 80, 90.
        ProblemData data;
        SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
        s.NT = 3;
        FillSolution(data, 1, "20", Pairs({"0", "120", "1", "130"}));
        FillSolution(data, 2, "50", Pairs({"0", "150", "1", "160"}));
        FillSolution(data, 3, "80", Pairs({"0", "180", "0.5", "185", "1", "190"}));
        s.TText[1] = QStringLiteral("90");
        s.T[1] = 90.0f;
        SortSolutionTemperatures(data);
        QCOMPARE((QStringList{s.TText[1], s.TText[2], s.TText[3]}), (QStringList{"50", "80", "90"}));
        QCOMPARE((QList<int>{s.N[1], s.N[2], s.N[3]}), (QList<int>{2, 3, 2}));
        QCOMPARE(s.CText[3][2], QStringLiteral("130"));
        QCOMPARE(s.CText[2][3], QStringLiteral("190"));
    }

    void equalSolutionTemperaturesAreNotExchanged()
    {
        ProblemData data;
        SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
        s.NT = 2;
        FillSolution(data, 1, "40", Pairs({"0", "1", "1", "1"}));
        FillSolution(data, 2, "40.0", Pairs({"0", "2", "0.5", "2", "1", "2"}));
        SortSolutionTemperatures(data);
        QCOMPARE(s.TText[1], QStringLiteral("40"));
        QCOMPARE(s.N[1], 2);
    }
};

QTEST_APPLESS_MAIN(ThermalTablesTest)
#include "tst_thermal_tables.moc"

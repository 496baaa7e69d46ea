#include "student_road.h"

#include <QFile>

// A student types a whole problem from the start screen to the results
// window; what the results window shows must be what batch mode computes
// for the same problem file.

namespace {

// The problem with the optional heats of mixing and vapour heat capacities
// answered "Данные отсутствуют".
QJsonObject WithoutOptionalData(QJsonObject file)
{
    file[u"mixing_heat"] = QJsonValue::Null;
    file[u"vapour_heat_capacity"] = QJsonValue::Null;
    return file;
}

// The peak resident memory of this process, as the kernel counts it.
QString PeakResidentMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return QString::fromLatin1(line.mid(6).trimmed());
    return QStringLiteral("unknown");
}

} // namespace

class FirstRoadTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DisposeAllForms(); }

    void typedProblemShowsTheBatchResults_data()
    {
        QTest::addColumn<QJsonObject>("file");
        QTest::addColumn<int>("promptCount");
        const QJsonObject benzene = road::ReadExample(QStringLiteral("benzene-toluene.json"));
        // 3 identity + 1 + 36 equilibrium + 7 feed + 1 + 1 + 14 mixing
        // + 2 * (1 + 8) vapour + 2 * (1 + 14) vaporization + 1 + 3 temperatures
        // + 3 * (1 + 6) solution tables.
        QTest::newRow("benzene-toluene, every data set") << benzene << 40 + 7 + 16 + 18 + 30 + 4 + 21;
        QTest::newRow("benzene-toluene, optional sets declined")
            << WithoutOptionalData(benzene) << 40 + 7 + 30 + 4 + 21;
        // 3 + 1 + 51 equilibrium + 8 feed + (1 + 8) + (1 + 12) vaporization + 1 + 2
        // temperatures + 2 * (1 + 10) solution tables.
        QTest::newRow("methanol-water, vapour feed, optional sets declined")
            << WithoutOptionalData(road::ReadExample(QStringLiteral("methanol-water-vapour-feed.json")))
            << 55 + 8 + 22 + 3 + 22;
        QTest::newRow("ethanol-water, liquid feed")
            << road::ReadExample(QStringLiteral("ethanol-water.json")) << -1;
        QTest::newRow("benzene-toluene, vapour-liquid feed")
            << road::ReadExample(QStringLiteral("benzene-toluene-mixture-feed.json")) << -1;
    }
    void typedProblemShowsTheBatchResults()
    {
        QFETCH(QJsonObject, file);
        QFETCH(int, promptCount);
        ScriptedSession session;
        const road::StudentScript script = road::ScriptOf(file);

        QCOMPARE(road::WalkFirstRoad(session.platform(), script), road::Stop());
        QVERIFY(!session->hasEnded());
        QVERIFY(!session->unansweredPromptsLeft());
        QVERIFY(!session->unansweredQuestionsLeft());
        QVERIFY(session->dialogs.isEmpty()); // no data set was refused
        if (promptCount >= 0)
            QCOMPARE(session->prompts.size(), promptCount);
        // Only the results window is left.
        QCOMPARE(LoadedForms().size(), 1);
        QCOMPARE(LoadedForms().first()->objectName(), QStringLiteral("Form23"));

        QCOMPARE(problem().MixingHeat.Present, script.mixingPresent);
        QCOMPARE(problem().VaporHeatCapacity.Present, script.vapourPresent);
        QCOMPARE(problem().Feed.Condition, script.condition);
        const QStringList batch = road::BatchResults(file);
        QVERIFY(batch.size() > 3);
        QCOMPARE(road::ShownResults(), batch);
        // The same results for the right reason: the typed data are the file's.
        QCOMPARE(road::DataDifference(problem(), road::Calculated(file)), QString());
        QString difference;
        QVERIFY2(road::PrintedReportIsTheBatchReport(session.platform(), file, &difference),
                 qPrintable(difference));
        qInfo("peak resident memory: %s", qPrintable(PeakResidentMemory()));
    }
};

QTEST_MAIN(FirstRoadTest)
#include "tst_first_road.moc"

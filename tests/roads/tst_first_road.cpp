#include "student_road.h"

#include <QFile>
#include <QJsonArray>

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

// Mistakes a student makes on the way and puts right on the screens. Each
// changes what is typed and adds the detour that corrects it; the expected
// problem is what the student meant, with the changes the detour makes.
enum class Mistake {
    EquilibriumTypo,           // Y of point 9 typed 1,854: corrected in the diagram editor
    BackToTheEditor,           // from the feed menu back to the editor, T of point 8 changed
    BottomsAboveFeed,          // xW typed 0,5: corrected on the feed control table
    CountRefused,              // 3 heats of mixing: refused, asked again
    VaporizationLetters,       // R of point 3 typed as letters: corrected in the list
    SolutionSecondThoughts,    // a valid solution table corrected by choice
    EquilibriumSecondThoughts, // a valid equilibrium table corrected by choice
    FeedSecondThoughts,        // a valid feed corrected by choice
};

QJsonObject WithEquilibriumValue(QJsonObject file, int point, int column, const QString &value)
{
    QJsonObject equilibrium = file[u"equilibrium"].toObject();
    QJsonArray points = equilibrium[u"points"].toArray();
    QJsonArray row = points[point - 1].toArray();
    row[column - 1] = value;
    points[point - 1] = row;
    equilibrium[u"points"] = points;
    file[u"equilibrium"] = equilibrium;
    return file;
}

// The answer index of value `column` (1 X, 2 Y, 3 T) of point i.
int EquilibriumAnswer(int point, int column)
{
    return 1 + 3 * (point - 1) + column - 1;
}

road::Detours Make(Mistake mistake, road::StudentScript &s, QJsonObject &expected)
{
    using road::Click;
    using road::ClickRow;
    using road::RowWith;
    road::Detours detours;
    switch (mistake) {
    case Mistake::EquilibriumTypo:
        s.equilibrium[EquilibriumAnswer(9, 2)] = QStringLiteral("1,854");
        detours[QStringLiteral("equilibrium")] = {[](ScriptedPlatform &p) {
                                                      p.yes();
                                                      return Click(QStringLiteral("Form2"), 1) &&
                                                             road::TypeIntoCell(QStringLiteral("Form4"), 2, 9,
                                                                                QStringLiteral("0,854"));
                                                  },
                                                  QStringLiteral("Form4"), QStringLiteral("Command1")};
        break;
    case Mistake::BackToTheEditor:
        expected = WithEquilibriumValue(expected, 8, 3, QStringLiteral("89.6"));
        detours[QStringLiteral("diagram")] = {[](ScriptedPlatform &) {
                                                  return Click(QStringLiteral("Form6"), 2) &&
                                                         road::TypeIntoCell(QStringLiteral("Form4"), 3, 8,
                                                                            QStringLiteral("89,6")) &&
                                                         Click(QStringLiteral("Form4"), 1);
                                              },
                                              QStringLiteral("Form6"), QStringLiteral("Command1")};
        break;
    case Mistake::BottomsAboveFeed:
        s.feed[5] = QStringLiteral("0,5");
        detours[QStringLiteral("feed")] = {
            [](ScriptedPlatform &p) {
                p.yes();
                if (!Click(QStringLiteral("Form7"), 1))
                    return false;
                p.answer(QStringLiteral("0.02"));
                return ClickRow(QStringLiteral("Form7"), QStringLiteral("List1"),
                                RowWith(QStringLiteral("Form7"), QStringLiteral("КУБОВОМ ОСТАТКЕ")));
            },
            QStringLiteral("Form7"), QStringLiteral("Command3")};
        break;
    case Mistake::CountRefused:
        s.mixing.insert(1, QStringLiteral("3"));
        break;
    case Mistake::VaporizationLetters:
        s.vaporization[1][1 + 2 * 2 + 1] = QStringLiteral("abc");
        detours[QStringLiteral("vaporization 2")] = {
            [](ScriptedPlatform &p) {
                p.yes();
                if (!Click(QStringLiteral("Form15"), 3))
                    return false;
                p.answers({QStringLiteral("60"), QStringLiteral("391")});
                return ClickRow(QStringLiteral("Form15"), QStringLiteral("List1"),
                                RowWith(QStringLiteral("Form15"), QStringLiteral("T[3]")));
            },
            QStringLiteral("Form15"), QStringLiteral("Command5")};
        break;
    case Mistake::SolutionSecondThoughts:
        s.solutionTables[1][1 + 2 * 1 + 1] = QStringLiteral("165");
        detours[QStringLiteral("solution 2")] = {
            [](ScriptedPlatform &p) {
                if (!Click(QStringLiteral("Form20"), 4))
                    return false;
                p.answers({QStringLiteral("0,5"), QStringLiteral("156")});
                return ClickRow(QStringLiteral("Form20"), QStringLiteral("List1"),
                                RowWith(QStringLiteral("Form20"), QStringLiteral("X[2]")));
            },
            QStringLiteral("Form20"), QStringLiteral("Command5")};
        break;
    case Mistake::EquilibriumSecondThoughts:
        s.equilibrium[EquilibriumAnswer(3, 2)] = QStringLiteral("0.24");
        detours[QStringLiteral("equilibrium")] = {[](ScriptedPlatform &) {
                                                      return Click(QStringLiteral("Form2"), 2) &&
                                                             road::TypeIntoCell(QStringLiteral("Form4"), 2, 3,
                                                                                QStringLiteral("0.214"));
                                                  },
                                                  QStringLiteral("Form4"), QStringLiteral("Command1")};
        break;
    case Mistake::FeedSecondThoughts:
        s.feed[6] = QStringLiteral("4");
        detours[QStringLiteral("feed")] = {
            [](ScriptedPlatform &p) {
                if (!Click(QStringLiteral("Form7"), 2))
                    return false;
                p.answer(QStringLiteral("3"));
                return ClickRow(QStringLiteral("Form7"), QStringLiteral("List1"),
                                RowWith(QStringLiteral("Form7"), QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО")));
            },
            QStringLiteral("Form7"), QStringLiteral("Command3")};
        break;
    }
    return detours;
}

// The problem with an azeotrope the student declares, and a distillate
// short of it.
QJsonObject WithDeclaredAzeotrope(QJsonObject file, const QString &azeotrope, const QString &distillate)
{
    QJsonObject equilibrium = file[u"equilibrium"].toObject();
    equilibrium[u"azeotrope"] = azeotrope;
    file[u"equilibrium"] = equilibrium;
    QJsonObject feed = file[u"feed"].toObject();
    QJsonObject values = feed[u"values"].toObject();
    values[u"xD"] = distillate;
    feed[u"values"] = values;
    file[u"feed"] = feed;
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

Q_DECLARE_METATYPE(Mistake)

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
        QTest::newRow("benzene-toluene, azeotrope declared at 0,96")
            << WithDeclaredAzeotrope(benzene, QStringLiteral("0,96"), QStringLiteral("0.94")) << -1;
        // 3 + 1 + 60 + 7 + 1 + 1 + 40 + 2 * 41 + 2 * 41 + 1 + 5 + 5 * 41
        QTest::newRow("every table at its largest") << road::LargestProblem() << 488;
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

    // Enter alone takes a student through every screen, and the arrow keys
    // put right a heat of vaporization typed as letters: on the faulty
    // table the change button has the focus, then the correction list, then
    // "КОНЕЦ ИСПРАВЛЕНИЙ" once the table is valid.
    void walkedByTheKeyboard()
    {
        ScriptedSession session;
        const QJsonObject file = road::ReadExample(QStringLiteral("benzene-toluene.json"));
        road::StudentScript script = road::ScriptOf(file);
        script.vaporization[1][1 + 2 * 2 + 1] = QStringLiteral("abc");
        road::Detours detours;
        detours[QStringLiteral("vaporization 2")] = {
            [](ScriptedPlatform &p) {
                const QString form = QStringLiteral("Form15");
                p.answers({QStringLiteral("60"), QStringLiteral("391")});
                return road::PressByKeyboard(form, 4) == 0 &&
                       road::PickRowByKeyboard(form, road::RowWith(form, QStringLiteral("T[3]")));
            },
            QStringLiteral("Form15"), QStringLiteral("Command5")};
        QCOMPARE(road::WalkFirstRoad(session.platform(), script, detours, road::Input::Keyboard),
                 road::Stop());
        QVERIFY(!session->unansweredPromptsLeft());
        QCOMPARE(road::ShownResults(), road::BatchResults(file));
    }

    void mistakesPutRightOnTheWay_data()
    {
        QTest::addColumn<Mistake>("mistake");
        QTest::addColumn<int>("questions"); // "ОШИБКА !" boxes answered "Да"
        QTest::newRow("equilibrium typo corrected in the editor") << Mistake::EquilibriumTypo << 0;
        QTest::newRow("back from the feed menu to the editor") << Mistake::BackToTheEditor << 0;
        QTest::newRow("bottoms above the feed corrected") << Mistake::BottomsAboveFeed << 0;
        QTest::newRow("count of heats of mixing refused") << Mistake::CountRefused << 1;
        QTest::newRow("heat of vaporization typed as letters") << Mistake::VaporizationLetters << 0;
        QTest::newRow("solution table corrected on second thoughts") << Mistake::SolutionSecondThoughts << 0;
        QTest::newRow("equilibrium table corrected on second thoughts")
            << Mistake::EquilibriumSecondThoughts << 0;
        QTest::newRow("feed corrected on second thoughts") << Mistake::FeedSecondThoughts << 0;
    }
    void mistakesPutRightOnTheWay()
    {
        QFETCH(Mistake, mistake);
        QFETCH(int, questions);
        ScriptedSession session;
        QJsonObject expected = road::ReadExample(QStringLiteral("benzene-toluene.json"));
        road::StudentScript script = road::ScriptOf(expected);
        const road::Detours detours = Make(mistake, script, expected);
        for (int i = 0; i < questions; ++i)
            session->yes();

        QCOMPARE(road::WalkFirstRoad(session.platform(), script, detours), road::Stop());
        QVERIFY(!session->hasEnded());
        QVERIFY(!session->unansweredPromptsLeft());
        QVERIFY(!session->unansweredQuestionsLeft());
        QCOMPARE(LoadedForms().size(), 1);
        QCOMPARE(road::ShownResults(), road::BatchResults(expected));
        QCOMPARE(road::DataDifference(problem(), road::Calculated(expected)), QString());
        QString difference;
        QVERIFY2(road::PrintedReportIsTheBatchReport(session.platform(), expected, &difference),
                 qPrintable(difference));
    }
};

QTEST_MAIN(FirstRoadTest)
#include "tst_first_road.moc"

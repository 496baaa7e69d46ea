#include "student_road.h"

#include "app/problem_files.h"
#include "app/problem_keeper.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Problem files in the windows: a problem opened goes on where its typing
// ended and reaches the results batch mode computes; a saved one opens as it
// was; a problem ended by "Нет" is offered again; a bad file is told and
// changes nothing.

using namespace road;

namespace {

const QString Form2 = QStringLiteral("Form2");

QString Written(const QTemporaryDir &folder, const QString &name, const QByteArray &text)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray Unfinished(const QJsonObject &file, RoadStep typed)
{
    ProblemData data;
    LoadProblem(ToBytes(file), data);
    data.Entered = typed;
    return SaveProblem(data);
}

QColor AcceptColour(const QString &form, const QString &button)
{
    QPushButton *accept = Button(form, button);
    return accept && accept->isVisible() ? FormBase::backColor(accept) : QColor();
}

// The equilibrium table of the benzene-toluene example with a point out of
// range and an azeotrope declared, typed up to its control table.
QStringList TypeFaultyEquilibrium(ScriptedPlatform &p, const StudentScript &s)
{
    QStringList equilibrium = s.equilibrium;
    equilibrium[3 * 4 + 3] = QStringLiteral("401"); // T of point 5
    auto *start = new StartScreen;
    start->show();
    p.answers(s.identity).answers(equilibrium);
    Click(QStringLiteral("Form1"), 1);
    p.yes().answer(QStringLiteral("0,95"));
    Click(Form2, 4);
    return FindForm(Form2)->printedLines();
}

} // namespace

class ProblemFilesTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir folder;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // As the program starts: an empty problem, kept in the folder of problems.
    void init()
    {
        ResetProblemState(problem());
        KeepProblemsIn(folder.filePath(QStringLiteral("problems")),
                       folder.filePath(QStringLiteral("settings")));
    }
    void cleanup() { KeepProblemsIn({}, {}); }

    // A problem typed up to any step of the road opens where its typing
    // ended; the student types the rest and gets the batch results.
    void resumedAtEachStep_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("stage"); // the first acceptance left to the student
        const auto row = [](const char *name, RoadSet set, int sub, const char *stage) {
            QTest::newRow(name) << int(set) << sub << QString::fromLatin1(stage);
        };
        row("nothing typed", RoadSet::None, 0, "equilibrium");
        row("student", RoadSet::Student, 0, "equilibrium");
        row("components", RoadSet::Components, 0, "equilibrium");
        row("equilibrium", RoadSet::Equilibrium, 0, "diagram");
        row("feed", RoadSet::Feed, 0, "mixing question");
        row("heats of mixing", RoadSet::MixingHeat, 0, "vapour question");
        row("vapour table 1", RoadSet::VaporHeatCapacity, 1, "vapour 2");
        row("vapour table 2", RoadSet::VaporHeatCapacity, 2, "vaporization 1");
        row("vaporization table 1", RoadSet::VaporizationHeat, 1, "vaporization 2");
        row("vaporization table 2", RoadSet::VaporizationHeat, 2, "temperatures");
        row("solution temperatures", RoadSet::SolutionTemperatures, 0, "solution 1");
        row("solution table 1", RoadSet::SolutionHeatCapacity, 1, "solution 2");
        row("solution table 2", RoadSet::SolutionHeatCapacity, 2, "solution 3");
    }
    void resumedAtEachStep()
    {
        QFETCH(int, set);
        QFETCH(int, sub);
        QFETCH(QString, stage);
        ScriptedSession session;
        ScriptedPlatform &p = session.platform();
        const QJsonObject file = ReadExample(QStringLiteral("benzene-toluene.json"));
        const StudentScript s = ScriptOf(file);
        const QString path =
            Written(folder, QStringLiteral("resumed.tarelin"), Unfinished(file, {RoadSet(set), sub}));

        const QList<Acceptance> steps = AcceptancesOf(s);
        qsizetype next = 0;
        while (steps[next].stage != stage)
            ++next;
        // What the first step not typed asks at once.
        const int names = set == int(RoadSet::None) ? 0 : set == int(RoadSet::Student) ? 1 : 3;
        p.answers(next == 0 ? s.identity.mid(names) + s.equilibrium : steps[next - 1].nextAnswers);
        (new StartScreen)->show();
        RunHandler([&] { QVERIFY(OpenProblemFile(path)); });
        if (next == 0)
            QVERIFY(Click(Form2, 5)); // "СИСТЕМА НЕ АЗЕОТРОПНА"
        for (; next < steps.size(); ++next) {
            p.answers(steps[next].nextAnswers);
            QVERIFY2(Click(steps[next].form, steps[next].button), qPrintable(steps[next].stage));
        }
        QCOMPARE(ShownResults(), BatchResults(file));
        QVERIFY(!p.unansweredPromptsLeft());
    }

    // A data set that fails its check opens at its control screen; once it
    // is put right the road skips what the file holds and calculates.
    void faultyDataSetOpensAtItsControlScreen_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("faulty");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("accept");
        QTest::newRow("equilibrium") << QByteArray(R"(["0.3","0.511","98.6"])")
                                     << QByteArray(R"(["0.3","1.511","98.6"])") << Form2 << "Command1";
        QTest::newRow("feed") << QByteArray(R"("xW":"0.02")") << QByteArray(R"("xW":"0.5")") << "Form7"
                              << "Command1";
        QTest::newRow("heats of vaporization")
            << QByteArray(R"(["20","434"])") << QByteArray(R"(["20","4340"])") << "Form15"
            << "Command3";
        QTest::newRow("solution heat capacity")
            << QByteArray(R"(["0","155"])") << QByteArray(R"(["0","1"])") << "Form20"
            << "Command3";
    }
    void faultyDataSetOpensAtItsControlScreen()
    {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, faulty);
        QFETCH(QString, form);
        QFETCH(QString, accept);
        ScriptedSession session;
        ScriptedPlatform &p = session.platform();
        const QJsonObject file = ReadExample(QStringLiteral("benzene-toluene.json"));
        QByteArray text = ToBytes(file);
        QVERIFY(text.contains(typed));
        text.replace(typed, faulty);
        RunHandler([&] { QVERIFY(OpenProblemFile(Written(folder, QStringLiteral("faulty.json"), text))); });
        if (form == Form2)
            QVERIFY(Click(Form2, 5)); // "СИСТЕМА НЕ АЗЕОТРОПНА", as after typing
        QCOMPARE(AcceptColour(form, accept), QColor(255, 0, 0));
        if (form != QLatin1String("Form7"))
            return;
        // xW put right on the correction list: the road goes straight on to
        // the results, everything after the feed being there.
        p.answer(QStringLiteral("0.02"));
        QVERIFY(Click(form, 2));
        QVERIFY(ClickRow(form, QStringLiteral("List1"), RowWith(form, QStringLiteral("КУБОВОМ ОСТАТКЕ"))));
        QVERIFY(Click(form, 3));
        QCOMPARE(ShownResults(), BatchResults(file));
    }

    // Saved from the results window, opened from the start screen's button.
    void savedProblemOpensOnItsResults()
    {
        const QJsonObject file = ReadExample(QStringLiteral("ethanol-water.json"));
        const QString path = folder.filePath(QStringLiteral("saved.tarelin"));
        QStringList shown;
        {
            ScriptedSession session;
            QCOMPARE(WalkFirstRoad(session.platform(), ScriptOf(file)), Stop());
            shown = ShownResults();
            session->chooseFile(path);
            QVERIFY(Click(QStringLiteral("Form23"), QStringLiteral("SaveProblem")));
            QCOMPARE(session->messages.last().title, QStringLiteral("Задача сохранена"));
            QCOMPARE(session->fileRequests.last().start,
                     QDir(ProblemFolder()).filePath(QStringLiteral("Петрова Хт-32 Этанол - Вода.tarelin")));
        }
        ScriptedSession session;
        (new StartScreen)->show();
        session->chooseFile(path);
        QVERIFY(Click(QStringLiteral("Form1"), 3));
        QCOMPARE(session->fileRequests.last().start, ProblemFolder());
        QVERIFY(session->fileRequests.last().filter.contains(QStringLiteral("*.tarelin")));
        QCOMPARE(ShownResults(), shown);
        QString difference;
        QVERIFY2(PrintedReportIsTheBatchReport(session.platform(), file, &difference),
                 qPrintable(difference));
    }

    // Ctrl+S on a control table with "???" and a declared azeotrope: the
    // file opens on the same table.
    void savedControlTableOpensAsItWas()
    {
        const QString path = folder.filePath(QStringLiteral("table.tarelin"));
        const StudentScript s = ScriptOf(ReadExample(QStringLiteral("benzene-toluene.json")));
        QStringList lines;
        {
            ScriptedSession session;
            lines = TypeFaultyEquilibrium(session.platform(), s);
            QVERIFY(lines.join(u'\n').contains(QStringLiteral("T[5] = ???")));
            QVERIFY(lines.join(u'\n').contains(QStringLiteral("АЗЕАТРОПНОГО СОСТАВА = 0.95")));
            session->chooseFile(path);
            FormBase *table = FindForm(Form2);
            table->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(table));
            QTest::keyClick(table, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(!session->fileRequests.isEmpty());
        }
        ScriptedSession session;
        RunHandler([&] { QVERIFY(OpenProblemFile(path)); });
        QCOMPARE(FindForm(Form2)->printedLines(), lines);
        QCOMPARE(AcceptColour(Form2, QStringLiteral("Command1")), QColor(255, 0, 0));
    }

    // "Нет" in the error dialog ends the program; at the next start the
    // problem is offered: "Да" goes on at its control table, "Нет" starts
    // afresh and keeps the file.
    void offeredAfterNoEndedTheProgram_data()
    {
        QTest::addColumn<bool>("resume");
        QTest::newRow("Да") << true;
        QTest::newRow("Нет") << false;
    }
    void offeredAfterNoEndedTheProgram()
    {
        QFETCH(bool, resume);
        const StudentScript s = ScriptOf(ReadExample(QStringLiteral("benzene-toluene.json")));
        QStringList lines;
        {
            ScriptedSession session;
            lines = TypeFaultyEquilibrium(session.platform(), s);
            session->no();
            QVERIFY(Click(Form2, 1));
            QVERIFY(session->hasEnded());
        }
        const QString last = LastUnfinishedProblem();
        QVERIFY(QFileInfo(last).fileName().startsWith(QStringLiteral("Иванов Хт-31 ")));
        ProblemData kept;
        QVERIFY(
            LoadProblemFile(last, kept).error.startsWith(QStringLiteral("unfinished problem: equilibrium")));

        init(); // the program starts again
        ScriptedSession session;
        (new StartScreen)->show();
        resume ? session->yes() : session->no();
        RunHandler([] { OfferToContinueLastProblem(); });
        QCOMPARE(session->questions.last().title, QStringLiteral("Незаконченная задача"));
        QCOMPARE(FindForm(Form2) != nullptr, resume);
        if (resume)
            QCOMPARE(FindForm(Form2)->printedLines(), lines);
        QCOMPARE(LastUnfinishedProblem().isEmpty(), !resume);
        QVERIFY(QFileInfo::exists(last));
    }

    // The last unfinished problem that an earlier version remembered beside
    // the problems is still offered after the upgrade, and its memory moves
    // to the settings once: an old memory found there later changes nothing.
    void memoryBesideTheProblemsIsCarriedOverOnce()
    {
        QTemporaryDir upgraded;
        const QString problems = upgraded.filePath(QStringLiteral("problems"));
        const QString settings = upgraded.filePath(QStringLiteral("settings"));
        QVERIFY(QDir().mkpath(problems));
        const auto rememberBesideTheProblems = [&](const QString &name) {
            const QString path = Written(upgraded, QStringLiteral("problems/") + name, "{}");
            QSettings(QDir(problems).filePath(QStringLiteral("session.ini")), QSettings::IniFormat)
                .setValue(QStringLiteral("unfinished"), path);
            return path;
        };
        const QString unfinished =
            rememberBesideTheProblems(QStringLiteral("Иванов Хт-31 2026-12-08 21-05-33.tarelin"));
        KeepProblemsIn(problems, settings);
        QCOMPARE(LastUnfinishedProblem(), unfinished);
        QVERIFY(!QFileInfo::exists(QDir(problems).filePath(QStringLiteral("session.ini"))));
        QVERIFY(QFileInfo::exists(QDir(settings).filePath(QStringLiteral("session.ini"))));

        rememberBesideTheProblems(QStringLiteral("Петрова Хт-32 2026-12-09 10-00-00.tarelin"));
        KeepProblemsIn(problems, settings);
        QCOMPARE(LastUnfinishedProblem(), unfinished);
    }

    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("told");
        QJsonObject sevenPoints = ReadExample(QStringLiteral("benzene-toluene.json"));
        QJsonObject equilibrium = sevenPoints[u"equilibrium"].toObject();
        equilibrium[u"points"] =
            QJsonArray::fromVariantList(equilibrium[u"points"].toArray().toVariantList().mid(0, 7));
        sevenPoints[u"equilibrium"] = equilibrium;
        QTest::newRow("not JSON") << "a.json" << QByteArray("{\"student\": ") << "в нём не текст JSON";
        QTest::newRow("a wrong type") << "b.json" << QByteArray(R"({"student": 5})")
                                      << "фамилия и группа (student): нужен текст, а записан число";
        QTest::newRow("a count out of limits")
            << "c.json" << ToBytes(sevenPoints)
            << "равновесные данные (equilibrium.points): 7 точек, а нужно от 8 до 20";
        QTest::newRow("a newer format") << "d.tarelin" << QByteArray(R"({"format": 2, "plot": {}})")
                                        << "файл записан более новой версией программы";
        QTest::newRow("a folder") << "" << QByteArray() << "это папка, а не файл";
        QTest::newRow("no such file") << "missing/e.tarelin" << QByteArray() << "такого файла нет";
    }
    void badFilesChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, text);
        QFETCH(QString, told);
        ScriptedSession session;
        problem().Names[1] = QStringLiteral("Прежний");
        const QString path = text.isEmpty() ? folder.filePath(name) : Written(folder, name, text);
        RunHandler([&] { QVERIFY(!OpenProblemFile(path)); });
        QCOMPARE(session->messages.last().title, QStringLiteral("Задача не открыта"));
        QVERIFY2(session->messages.last().text.contains(told), qPrintable(session->messages.last().text));
        QCOMPARE(problem().Names[1], QStringLiteral("Прежний"));
        QVERIFY(LoadedForms().isEmpty());
    }

    // A folder of problems that cannot be written is told once; the work
    // goes on.
    void unwritableFolderOfProblemsIsToldOnce()
    {
        KeepProblemsIn(Written(folder, QStringLiteral("not a folder"), "x"),
                       folder.filePath(QStringLiteral("settings")));
        ScriptedSession session;
        (new StartScreen)->show();
        session->answers({"иванов хт-31", "бензол", "толуол", "7"});
        session->no(); // "ОШИБКА !": 7 points are too few, and the work ends
        QVERIFY(Click(QStringLiteral("Form1"), 1));
        QCOMPARE(session->events.filter(QStringLiteral("message:")),
                 QStringList{QStringLiteral("message:Задача не сохраняется")});
        QCOMPARE(problem().Names[3], QStringLiteral("Толуол"));
    }

    void unwritableFolderIsTold()
    {
        ScriptedSession session;
        ResetProblemState(problem());
        problem().Names[1] = QStringLiteral("Иванов");
        problem().Entered = {RoadSet::Student};
        Written(folder, QStringLiteral("plain"), "x");
        session->chooseFile(folder.filePath(QStringLiteral("plain/problem.tarelin")));
        RunHandler([] { SaveProblemAs(); });
        QCOMPARE(session->messages.last().title, QStringLiteral("Задача не сохранена"));
        QVERIFY(session->messages.last().text.contains(QStringLiteral("нельзя записывать")));
        QCOMPARE(problem().Names[1], QStringLiteral("Иванов"));
    }
};

QTEST_MAIN(ProblemFilesTest)
#include "tst_problem_files.moc"

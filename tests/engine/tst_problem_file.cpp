#include "engine/calculation.h"
#include "engine/problem_file.h"
#include "engine/road_steps.h"
#include "model/problem_data.h"
#include "report/report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray exampleText(const QString &name)
{
    QFile file(QStringLiteral(TARELIN_EXAMPLES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read example %s", qPrintable(name));
    return file.readAll();
}

// A path of a problem file ("solution_heat_capacity[1].points[0][1]") split
// into member names and array indices.
QList<QVariant> pathSteps(const QString &path)
{
    QList<QVariant> steps;
    QString name;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (c == u'.' || c == u'[') {
            if (!name.isEmpty())
                steps << name;
            name.clear();
            if (c == u'[') {
                const qsizetype close = path.indexOf(u']', i);
                steps << path.mid(i + 1, close - i - 1).toInt();
                i = close;
            }
        } else {
            name += c;
        }
    }
    if (!name.isEmpty())
        steps << name;
    return steps;
}

enum class Edit { Set, Remove, Resize };

// The value with the element at steps[at..] edited; Qt's JSON values are
// copies, so the way down is rebuilt on the way back.
QJsonValue edited(QJsonValue value, const QList<QVariant> &steps, qsizetype at, Edit edit,
                  const QJsonValue &argument)
{
    const QVariant &step = steps[at];
    const bool last = at == steps.size() - 1;
    if (step.typeId() == QMetaType::QString) {
        QJsonObject object = value.toObject();
        const QString name = step.toString();
        if (!last)
            object[name] = edited(object.value(name), steps, at + 1, edit, argument);
        else if (edit == Edit::Remove)
            object.remove(name);
        else if (edit == Edit::Set)
            object[name] = argument;
        else
            object[name] = edited(object.value(name), {QVariant()}, 0, edit, argument);
        return object;
    }
    QJsonArray array = value.toArray();
    if (step.isNull()) {
        // Resize: drop points from the end, or repeat the last one.
        const int size = argument.toInt();
        while (array.size() > size)
            array.removeLast();
        while (array.size() < size)
            array.append(array.last());
        return array;
    }
    const int index = step.toInt();
    if (!last)
        array[index] = edited(array.at(index), steps, at + 1, edit, argument);
    else if (edit == Edit::Remove)
        array.removeAt(index);
    else if (edit == Edit::Set)
        array[index] = argument;
    else
        array[index] = edited(array.at(index), {QVariant()}, 0, edit, argument);
    return array;
}

// Applies edits written as "path=JSON" (set), "path~" (remove) or
// "path#N" (resize an array to N elements) to a problem file.
QByteArray editedProblem(const QByteArray &text, const QStringList &edits)
{
    QJsonValue root = QJsonDocument::fromJson(text).object();
    for (const QString &edit : edits) {
        const qsizetype mark = edit.indexOf(QRegularExpression(QStringLiteral("[=~#]")));
        const QString path = edit.left(mark);
        const QChar kind = edit[mark];
        const QString argument = edit.mid(mark + 1);
        if (kind == u'=') {
            const QJsonDocument parsed = QJsonDocument::fromJson("[" + argument.toUtf8() + "]");
            root = edited(root, pathSteps(path), 0, Edit::Set, parsed.array().at(0));
        } else if (kind == u'~') {
            root = edited(root, pathSteps(path), 0, Edit::Remove, {});
        } else {
            root = edited(root, pathSteps(path), 0, Edit::Resize, argument.toInt());
        }
    }
    return QJsonDocument(root.toObject()).toJson();
}

// What a problem shows and what its calculation gives: the texts of the
// file, the verdicts and the report of the results.
QStringList Shown(ProblemData data)
{
    QStringList shown{QString::fromUtf8(SaveProblem(data))};
    shown << QStringLiteral("verdicts %1 %2 %3 %4")
                 .arg(data.Equilibrium.BadPoint)
                 .arg(data.Equilibrium.Azeotropic)
                 .arg(data.Equilibrium.AzeotropeX)
                 .arg(data.BadPointIndex);
    if (data.Entered.set == RoadSet::Calculation && StepToEnter(data, {}).set == RoadSet::Calculation) {
        CalculateColumn(data);
        for (const QStringList &page :
             BuildReport(data, QStringLiteral("08.12.2026"), QStringLiteral("21:00")))
            shown << page;
    }
    return shown;
}

// Runs work in a child process, which ends at once (no clean-up, as when
// the program is killed) and whose exit status is returned.
template <typename Work> int inChildProcess(Work work)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QString loadError(const QByteArray &text)
{
    ProblemData data;
    const ProblemFileResult result = LoadProblem(text, data);
    return result.ok ? QStringLiteral("loaded") : result.error;
}

} // namespace

class ProblemFileTest : public QObject {
    Q_OBJECT
private slots:
    void brokenDocuments_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("place");
        const QString notJson = QStringLiteral("not valid JSON: ");
        QTest::newRow("cut short") << QByteArray("{\"student\": \"a\",\n  \"components\": [") << notJson
                                   << QStringLiteral("at line 2, column 18");
        QTest::newRow("empty file") << QByteArray() << notJson << QStringLiteral("at line 1, column 1");
        QTest::newRow("quote on line 2")
            << QByteArray("{\n  \"student\": 'a'\n}") << notJson << QStringLiteral("at line 2, column 14");
        QTest::newRow("an array") << QByteArray("[1, 2]")
                                  << QStringLiteral("problem file: a JSON object expected") << QString();
    }
    void brokenDocuments()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, error);
        QFETCH(QString, place);
        const QString message = loadError(document);
        QVERIFY2(message.startsWith(error), qPrintable(message));
        QVERIFY2(message.endsWith(place), qPrintable(message));
    }

    // Each row edits the boiling-liquid benzene–toluene example.
    void refusedProblems_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, QStringList edits, const char *error) {
            QTest::newRow(name) << edits << QString::fromUtf8(error);
        };
        row("unchanged", {}, "loaded");

        // Missing keys, wrong types, unknown keys.
        row("no student", {"student~"}, "student: missing");
        row("student a number", {"student=5"}, "student: a text expected, found a number");
        row("three components", {"components#3"}, "components: 3 names, 2 expected");
        row("component null", {"components[1]=null"}, "components[1]: a text expected, found null");
        row("no equilibrium", {"equilibrium~"}, "equilibrium: missing");
        row("no equilibrium points", {"equilibrium.points~"}, "equilibrium.points: missing");
        row("point of two values", {"equilibrium.points[2]=[\"0.1\", \"0.2\"]"},
            "equilibrium.points[2]: 2 values, 3 expected");
        row("value a number", {"equilibrium.points[2][1]=0.214"},
            "equilibrium.points[2][1]: a text expected, found a number");
        row("azeotrope a number", {"equilibrium.azeotrope=0.5"},
            "equilibrium.azeotrope: a text expected, found a number");
        row("misspelt data set", {"vaporisation_heat=[]"}, "vaporisation_heat: unknown key");
        row("unknown equilibrium key", {"equilibrium.comment=\"x\""}, "equilibrium.comment: unknown key");
        row("mixing heat a text", {"mixing_heat=\"none\""}, "mixing_heat: an object expected, found a text");
        row("no heats of vaporization", {"vaporization_heat~"}, "vaporization_heat: missing");
        row("no solution heat capacity", {"solution_heat_capacity~"}, "solution_heat_capacity: missing");

        // Counts outside their limits.
        row("7 equilibrium points", {"equilibrium.points#7"}, "equilibrium.points: 7 points, 8..20 expected");
        row("21 equilibrium points", {"equilibrium.points#21"},
            "equilibrium.points: 21 points, 8..20 expected");
        row("3 mixing points", {"mixing_heat.points#3"}, "mixing_heat.points: 3 points, 4..20 expected");
        row("one vapour table", {"vapour_heat_capacity#1"}, "vapour_heat_capacity: 1 table, 2 expected");
        row("empty vapour table", {"vapour_heat_capacity[1]#0"},
            "vapour_heat_capacity[1]: 0 points, 1..20 expected");
        row("21 vaporization points", {"vaporization_heat[0]#21"},
            "vaporization_heat[0]: 21 points, 1..20 expected");
        row("0 solution temperatures", {"solution_heat_capacity=[]"},
            "solution_heat_capacity: 0 temperatures, 1..5 expected");
        row("6 solution temperatures", {"solution_heat_capacity#6"},
            "solution_heat_capacity: 6 temperatures, 1..5 expected");
        row("1 solution point", {"solution_heat_capacity[0].points#1"},
            "solution_heat_capacity[0].points: 1 point, 2..20 expected");

        // The feed.
        row("condition 4", {"feed.condition=4"}, "feed.condition: 4, 0..3 expected");
        row("condition 1.5", {"feed.condition=1.5"}, "feed.condition: 1.5, 0..3 expected");
        row("condition as text", {"feed.condition=\"0\""}, "feed.condition: a number expected, found a text");
        row("no xD", {"feed.values.xD~"}, "feed.values.xD: missing");
        row("Tl for a boiling feed", {"feed.values.Tl=\"20\""},
            "feed.values.Tl: not a parameter of feed condition 0");
        row("liquid feed without Tl", {"feed.condition=3"}, "feed.values.Tl: missing");

        // Single values the prompts ask again until they fit.
        row("mixing temperature 500", {"mixing_heat.temperature=\"500\""},
            "mixing_heat.temperature: 500, -273..400 expected");
        row("mixing temperature -273", {"mixing_heat.temperature=\"-273\""}, "loaded");
        row("solution temperature -274", {"solution_heat_capacity[1].temperature=\"-274\""},
            "solution_heat_capacity[1].temperature: -274, -273.15..400 expected");
        row("solution temperature -273,15", {"solution_heat_capacity[1].temperature=\"-273,15\""}, "loaded");
        row("declared azeotrope 1,2", {"equilibrium.azeotrope=\"1,2\""},
            "equilibrium.azeotrope: 1.2, a mole fraction between 0 and 1 (both excluded) expected");
        row("declared azeotrope 0", {"equilibrium.azeotrope=\"0\""},
            "equilibrium.azeotrope: 0, a mole fraction between 0 and 1 (both excluded) expected");

        // Out-of-range equilibrium values become "???" and the check reports
        // them at their sorted place: X = 0 moves the point up to number 2.
        row("X 1,2", {"equilibrium.points[2][0]=\"1,2\""},
            "equilibrium.points: point 2 fails the check (X[2] = ???, Y[2] = 0.214, T[2] = 106.1)");
        row("Y -0.1", {"equilibrium.points[4][1]=\"-0.1\""},
            "equilibrium.points: point 5 fails the check (X[5] = 0.3, Y[5] = ???, T[5] = 98.6)");
        row("T 401", {"equilibrium.points[6][2]=\"401\""},
            "equilibrium.points: point 7 fails the check (X[7] = 0.5, Y[7] = 0.712, T[7] = ???)");
        row("T 400 is in range", {"equilibrium.points[6][2]=\"400\""},
            "equilibrium.points: point 7 fails the check (X[7] = 0.5, Y[7] = 0.712, T[7] = 400)");
        // -273 passes the entry but the sort marks it.
        row("T -273", {"equilibrium.points[6][2]=\"-273\""},
            "equilibrium.points: point 7 fails the check (X[7] = 0.5, Y[7] = 0.712, T[7] = ???)");
        row("T -272,5", {"equilibrium.points[6][2]=\"-272,5\""},
            "equilibrium.points: point 8 fails the check (X[8] = 0.6, Y[8] = 0.79, T[8] = 89.4)");
        row("two points at one X", {"equilibrium.points[3][0]=\"0,3\""},
            "equilibrium.points: point 5 fails the check (X[5] = 0.3, Y[5] = 0.511, T[5] = 98.6)");
        // A declared azeotrope below the curve's last inner point.
        row("declared azeotrope 0,85", {"equilibrium.azeotrope=\"0,85\""},
            "equilibrium.points: point 11 fails the check (X[11] = 0.9, Y[11] = 0.959, T[11] = 82.3)");
        // At 0.95 the curve passes, and the distillate limit becomes the
        // azeotrope's mass fraction, 0.9415.
        row("declared azeotrope 0,95", {"equilibrium.azeotrope=\"0,95\""},
            "feed.values.xD: parameter 5 fails the check (xD = 0.97)");
        row("declared azeotrope, xD 0.94", {"equilibrium.azeotrope=\"0,95\"", "feed.values.xD=\"0.94\""},
            "loaded");

        // Feed checks, reported by the symbol of the first failing parameter.
        row("Fl 400", {"feed.values.Fl=\"400\""}, "loaded");
        row("Fl 400,5", {"feed.values.Fl=\"400,5\""},
            "feed.values.Fl: parameter 3 fails the check (Fl = 400.5)");
        row("xD below wF", {"feed.values.xD=\"0,3\""},
            "feed.values.xD: parameter 5 fails the check (xD = 0.3)");
        row("xD 0.99999", {"feed.values.xD=\"0.99999\""}, "loaded");
        row("xD 0.999991", {"feed.values.xD=\"0.999991\""},
            "feed.values.xD: parameter 5 fails the check (xD = 0.999991)");
        row("xW above wF", {"feed.values.xW=\"0.41\""},
            "feed.values.xW: parameter 6 fails the check (xW = 0.41)");
        row("R letters", {"feed.values.R=\"три\""},
            "feed.values.R: parameter 7 fails the check (R = ???"
            ")");
        row("Tl letters", {"feed.condition=3", "feed.values.Tl=\"inf\""},
            "feed.values.Tl: parameter 5 fails the check (Tl = ???"
            ")");
        row("R 30000,1", {"feed.values.R=\"30000,1\""},
            "feed.values.R: parameter 7 fails the check (R = 30000.1)");

        // Thermal tables, reported at their sorted point.
        row("heat of mixing of a pure component", {"mixing_heat.points[0][1]=\"5\""},
            "mixing_heat.points: point 1 fails the check (X[1] = 0, DH[1] = 5)");
        row("vapour heat capacity 4,5", {"vapour_heat_capacity[1][2][1]=\"4,5\""},
            "vapour_heat_capacity[1] (less volatile component): point 3 fails the check (T[3] = 125, C[3] = "
            "4.5)");
        row("vapour points out of order", {"vapour_heat_capacity[0][0]=[\"300\", \"4.1\"]"},
            "vapour_heat_capacity[0] (more volatile component): point 4 fails the check (T[4] = 300, C[4] = "
            "4.1)");
        // A value with no number in it is refused as its prompt refuses it,
        // even where 0 would pass.
        row("heat of vaporization in letters", {"vaporization_heat[1][0][1]=\"abc\""},
            "vaporization_heat[1] (less volatile component): point 1 fails the check (T[1] = 20, R[1] = "
            "???"
            ")");
        row("temperature in letters", {"vaporization_heat[0][0][0]=\"inf\""},
            "vaporization_heat[0] (more volatile component): point 1 fails the check (T[1] = ???, R[1] = "
            "434)");
        row("solution heat capacity 4,9", {"solution_heat_capacity[2].points[1][1]=\"4,9\""},
            "solution_heat_capacity (temperature 100): point 2 fails the check (X[2] = 0.5, C[2] = 4.9)");
        // The temperatures are ordered first; the faulty table, typed first,
        // is checked last.
        row("temperatures reordered",
            {"solution_heat_capacity[0].temperature=\"120\"", "solution_heat_capacity[0].points[0][0]=\"1\"",
             "solution_heat_capacity[2].points[0][1]=\"3000,5\""},
            "solution_heat_capacity (temperature 100): point 1 fails the check (X[1] = 0, C[1] = 3000.5)");
        row("temperatures reordered, first table faulty",
            {"solution_heat_capacity[0].temperature=\"120\"", "solution_heat_capacity[0].points[0][0]=\"1\""},
            "solution_heat_capacity (temperature 120): point 3 fails the check (X[3] = 1, C[3] = 135)");
        // A structural fault is reported before any data check.
        row("fault and missing key", {"equilibrium.points[2][0]=\"1,2\"", "solution_heat_capacity~"},
            "solution_heat_capacity: missing");
    }
    void refusedProblems()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, error);
        QCOMPARE(loadError(editedProblem(exampleText(QStringLiteral("benzene-toluene.json")), edits)), error);
    }

    void everyExampleLoads_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("condition");
        QTest::addColumn<bool>("azeotropic");
        QTest::addColumn<bool>("mixingHeat");
        QTest::addColumn<bool>("vapourHeatCapacity");
        QTest::addColumn<int>("temperatures");
        QTest::newRow("benzene-toluene") << "benzene-toluene.json" << 12 << 0 << false << true << true << 3;
        QTest::newRow("ethanol-water") << "ethanol-water.json" << 17 << 3 << true << true << false << 2;
        QTest::newRow("methanol-water")
            << "methanol-water-vapour-feed.json" << 17 << 1 << false << true << true << 2;
        QTest::newRow("mixture feed")
            << "benzene-toluene-mixture-feed.json" << 12 << 2 << false << false << false << 2;
    }
    void everyExampleLoads()
    {
        QFETCH(QString, file);
        ProblemData data;
        const ProblemFileResult result =
            LoadProblemFile(QStringLiteral(TARELIN_EXAMPLES_DIR "/") + file, data);
        QVERIFY2(result.ok, qPrintable(result.error));
        QTEST(data.Equilibrium.N, "points");
        QTEST(data.Feed.Condition, "condition");
        QTEST(data.Equilibrium.Azeotropic, "azeotropic");
        QTEST(data.MixingHeat.Present, "mixingHeat");
        QTEST(data.VaporHeatCapacity.Present, "vapourHeatCapacity");
        QTEST(data.SolutionHeatCapacity.NT, "temperatures");
        QCOMPARE(data.BadPointIndex, 0);

        // Every table ends up in ascending order of its argument.
        const auto ascending = [](const float *values, int count) {
            return std::is_sorted(values + 1, values + count + 1);
        };
        QVERIFY(ascending(data.Equilibrium.X, data.Equilibrium.N));
        QVERIFY(ascending(data.SolutionHeatCapacity.T, data.SolutionHeatCapacity.NT));
        for (int k = 1; k <= MaxComponents; ++k)
            QVERIFY(ascending(data.VaporizationHeat.T[k], data.VaporizationHeat.N[k]));
        for (int j = 1; j <= data.SolutionHeatCapacity.NT; ++j)
            QVERIFY(ascending(data.SolutionHeatCapacity.X[j], data.SolutionHeatCapacity.N[j]));
    }

    void typedTextsAsAtThePrompts()
    {
        // The mixture example is typed with decimal commas and falling
        // arguments, as a student might.
        ProblemData data;
        QVERIFY(LoadProblem(exampleText(QStringLiteral("benzene-toluene-mixture-feed.json")), data).ok);
        QCOMPARE(data.Names[1], QStringLiteral("Кузнецов Хт-34"));
        QCOMPARE(data.Names[2], QStringLiteral("Бензол"));
        QCOMPARE(data.Names[3], QStringLiteral("Толуол"));

        const EquilibriumTable &table = data.Equilibrium;
        QCOMPARE(table.XText[2], QStringLiteral("0.05"));
        QCOMPARE(table.YText[2], QStringLiteral("0.118"));
        QCOMPARE(table.TText[2], QStringLiteral("108.3"));
        QCOMPARE(table.Y[2], 0.118f);
        QCOMPARE(table.T[12], 80.2f);
        QCOMPARE(table.AzeotropeX, NoAzeotropeX);

        // Feed values go to their elements; the entries keep the prompt order.
        const FeedSpec &feed = data.Feed;
        QCOMPARE(feed.Text[FeedFv], QStringLiteral("1"));
        QCOMPARE(feed.Value[FeedFl], 1.5f);
        QCOMPARE(feed.Text[FeedXFl], QStringLiteral("0.35"));
        QCOMPARE(feed.Value[FeedTl], 90.0f);
        QCOMPARE(feed.EntryText[4], QStringLiteral("1.5"));
        QCOMPARE(feed.EntryText[11], QStringLiteral("3"));
        QCOMPARE(feed.Value[FeedTv] > 95.0f, true); // raised to the dew point
        QCOMPARE(feed.Text[FeedTv].size(), 9);

        const SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
        QCOMPARE(set.TText[1], QStringLiteral("20"));
        QCOMPARE(set.CText[1][1], QStringLiteral("155"));
        QCOMPARE(set.XText[2][2], QStringLiteral("0.5"));
        QCOMPARE(set.C[2][3], 156.0f);
        QCOMPARE(data.VaporizationHeat.RText[2][1], QStringLiteral("412"));
        QCOMPARE(data.Results(ResT0), 0.0f);
    }

    void boilingFeedTemperatureIsDerived()
    {
        ProblemData data;
        QVERIFY(LoadProblem(exampleText(QStringLiteral("benzene-toluene.json")), data).ok);
        // 40 % benzene by mass is 44 % by mole: it boils between 95.2 and 92.1 °C.
        QVERIFY(data.Feed.Value[FeedTl] > 92.1f && data.Feed.Value[FeedTl] < 95.2f);
        QCOMPARE(data.Feed.Text[FeedTl].size(), 9);
        QCOMPARE(data.Feed.Text[FeedTl].split(u'.').last().size(), 6);
        QCOMPARE(data.Results.Text[ResT0], QStringLiteral("25"));
        QCOMPARE(data.Results(ResT0), 25.0f);
    }

    void azeotropeFoundOrDeclared_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<float>("composition");
        QTest::addColumn<QString>("text");
        QTest::newRow("detected, none declared")
            << "ethanol-water.json" << QStringList() << 0.8943f << "0.8943";
        // The declaration counts only when the detection finds nothing.
        QTest::newRow("detected wins")
            << "ethanol-water.json" << QStringList{"equilibrium.azeotrope=\"0,5\""} << 0.8943f << "0.8943";
        QTest::newRow("declared") << "benzene-toluene.json"
                                  << QStringList{"equilibrium.azeotrope=\"0,95\"", "feed.values.xD=\"0.9\""}
                                  << 0.95f << "0.95";
    }
    void azeotropeFoundOrDeclared()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, edits);
        ProblemData data;
        const ProblemFileResult result = LoadProblem(editedProblem(exampleText(file), edits), data);
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(data.Equilibrium.Azeotropic);
        QTEST(data.Equilibrium.AzeotropeX, "composition");
        QTEST(data.Equilibrium.AzeotropeXText, "text");
    }

    void eachLoadStartsAfresh()
    {
        ProblemData data;
        QVERIFY(LoadProblem(exampleText(QStringLiteral("benzene-toluene.json")), data).ok);
        data.Outcome = CalculationOutcome::Complete;
        data.Results(ResN) = 12.0f;
        QVERIFY(LoadProblem(exampleText(QStringLiteral("benzene-toluene-mixture-feed.json")), data).ok);
        QVERIFY(!data.MixingHeat.Present);
        QVERIFY(!data.VaporHeatCapacity.Present);
        QCOMPARE(data.Results(ResT0), 0.0f);
        QCOMPARE(data.Results.Text[ResT0], QString());
        QCOMPARE(data.Results(ResN), 0.0f);
        QCOMPARE(data.Outcome, CalculationOutcome::NotCalculated);
        QCOMPARE(data.Feed.Value[FeedXFl], 0.35f);
    }

    void unreadableFileIsRefused()
    {
        ProblemData data;
        const ProblemFileResult result = LoadProblemFile(QStringLiteral("no/such/problem.json"), data);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.startsWith(QStringLiteral("no/such/problem.json: cannot be read")),
                 qPrintable(result.error));
    }

    // A saved problem opens as it was: the same texts, "???" marks and
    // declared azeotrope included, the same verdicts, results and report.
    void savedProblemOpensAsItWas_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("edits");
        for (const char *file : {"benzene-toluene.json", "ethanol-water.json",
                                 "methanol-water-vapour-feed.json", "benzene-toluene-mixture-feed.json"})
            QTest::newRow(file) << file << QStringList();
        QTest::newRow("??? and a declared azeotrope")
            << "benzene-toluene.json"
            << QStringList{"equilibrium.points[2][0]=\"1,2\"", "equilibrium.points[4][2]=\"-0,5e3\"",
                           "equilibrium.azeotrope=\"0,95\"", "feed.values.xD=\"0,9,4\""};
        QTest::newRow("declared azeotrope refused in the editor")
            << "benzene-toluene.json" << QStringList{"equilibrium.azeotrope=\"???\""};
        QTest::newRow("a later comma kept")
            << "benzene-toluene.json"
            << QStringList{"vaporization_heat[0][1][1]=\"4,3,3\"",
                           "solution_heat_capacity[1].temperature=\"60,5.5\""};
    }
    void savedProblemOpensAsItWas()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, edits);
        ProblemData typed, opened;
        QVERIFY(LoadProblem(editedProblem(exampleText(file), edits), typed).opens);
        const QByteArray saved = SaveProblem(typed);
        const ProblemFileResult result = LoadProblem(saved, opened);
        QVERIFY2(result.opens, qPrintable(result.error));
        QVERIFY(!saved.contains("unfinished"));
        QCOMPARE(Shown(opened), Shown(typed));
    }

    // An unfinished problem keeps the data sets typed so far, in road order,
    // and batch mode names the first one it lacks.
    void unfinishedProblemKeepsWhatIsTyped_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("lacking");
        const auto row = [](const char *name, RoadSet set, int sub, const char *lacking) {
            QTest::newRow(name) << int(set) << sub << QString::fromLatin1(lacking);
        };
        row("nothing typed", RoadSet::None, 0, "student");
        row("student", RoadSet::Student, 0, "components");
        row("components", RoadSet::Components, 0, "equilibrium");
        row("equilibrium", RoadSet::Equilibrium, 0, "feed");
        row("feed", RoadSet::Feed, 0, "mixing_heat");
        row("heats of mixing", RoadSet::MixingHeat, 0, "vapour_heat_capacity");
        row("vapour table 1", RoadSet::VaporHeatCapacity, 1,
            "vapour_heat_capacity[1] (less volatile component)");
        row("vapour table 2", RoadSet::VaporHeatCapacity, 2, "vaporization_heat");
        row("vaporization table 1", RoadSet::VaporizationHeat, 1,
            "vaporization_heat[1] (less volatile component)");
        row("vaporization table 2", RoadSet::VaporizationHeat, 2, "solution_heat_capacity");
        row("solution temperatures", RoadSet::SolutionTemperatures, 0,
            "solution_heat_capacity[0].points (temperature 20)");
        row("solution table 2", RoadSet::SolutionHeatCapacity, 2,
            "solution_heat_capacity[2].points (temperature 100)");
    }
    void unfinishedProblemKeepsWhatIsTyped()
    {
        QFETCH(int, set);
        QFETCH(int, sub);
        QFETCH(QString, lacking);
        ProblemData typed, opened;
        QVERIFY(LoadProblem(exampleText(QStringLiteral("benzene-toluene.json")), typed).ok);
        typed.Entered = {RoadSet(set), sub};
        const QByteArray saved = SaveProblem(typed);
        QVERIFY(saved.contains("\"unfinished\": true"));
        const ProblemFileResult result = LoadProblem(saved, opened);
        QVERIFY(result.opens && !result.ok);
        QCOMPARE(result.error,
                 QStringLiteral("unfinished problem: ") + lacking + QStringLiteral(" not typed yet"));
        QCOMPARE(opened.Entered, typed.Entered);
        QCOMPARE(SaveProblem(opened), saved);
    }

    void unfinishedFilesOutOfOrder_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("error");
        QTest::newRow("feed before the equilibrium")
            << QByteArray(R"({"unfinished": true, "student": "a", "components": ["b", "c"], "feed": {}})")
            << "feed: comes after equilibrium, which is not typed yet";
        QTest::newRow("newer format")
            << QByteArray(R"({"format": 2, "profile": []})")
            << "format: 2, written by a newer version of the program (this one reads "
               "format 1)";
        QTest::newRow("unfinished a text")
            << QByteArray(R"({"unfinished": "yes"})") << "unfinished: true/false expected, found a text";
    }
    void unfinishedFilesOutOfOrder()
    {
        QFETCH(QByteArray, document);
        ProblemData data;
        const ProblemFileResult result = LoadProblem(document, data);
        QVERIFY(!result.opens);
        QTEST(result.error, "error");
        QVERIFY(!result.russianError.isEmpty());
    }

    // A program killed at any moment of a write leaves the old problem or
    // the new one, and it opens.
    void writeKilledAtEveryStep_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("temporary file opened") << int(WriteStep::TemporaryOpened) << false;
        QTest::newRow("half written") << int(WriteStep::HalfWritten) << false;
        QTest::newRow("all written") << int(WriteStep::Written) << false;
        QTest::newRow("renamed") << int(WriteStep::Replaced) << true;
    }
    void writeKilledAtEveryStep()
    {
        QFETCH(int, step);
        QFETCH(bool, replaced);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("problem.tarelin"));
        ProblemData before, after, opened;
        QVERIFY(LoadProblem(exampleText(QStringLiteral("benzene-toluene.json")), before).ok);
        QVERIFY(WriteProblemFile(path, before).ok());
        QVERIFY(LoadProblem(exampleText(QStringLiteral("ethanol-water.json")), after).ok);
        const int status = inChildProcess([&] {
            WriteFileAtomically(path, SaveProblem(after), [step](WriteStep reached) {
                if (int(reached) == step)
                    _exit(7);
            });
            return 0;
        });
        QCOMPARE(status, 7);
        QVERIFY(LoadProblemFile(path, opened).ok);
        QCOMPARE(SaveProblem(opened), SaveProblem(replaced ? after : before));
    }

    void fullDiskKeepsTheOldFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("problem.tarelin"));
        ProblemData data;
        QVERIFY(LoadProblem(exampleText(QStringLiteral("benzene-toluene.json")), data).ok);
        QVERIFY(WriteFileAtomically(path, "old").ok());
        // A file size limit fails the write as a full disk does.
        const int fault = inChildProcess([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{100, 100};
            setrlimit(RLIMIT_FSIZE, &limit);
            return int(WriteProblemFile(path, data).fault);
        });
        QCOMPARE(WriteFault(fault), WriteFault::NoSpace);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("problem.tarelin")});
    }

    void unwritableFolders_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("no such folder") << "no/such/folder/problem.tarelin";
        QTest::newRow("a file for a folder") << "file/problem.tarelin";
    }
    void unwritableFolders()
    {
        QFETCH(QString, place);
        QTemporaryDir folder;
        QVERIFY(WriteFileAtomically(folder.filePath(QStringLiteral("file")), "x").ok());
        QCOMPARE(WriteFileAtomically(folder.filePath(place), "problem").fault, WriteFault::Folder);
    }
};

QTEST_APPLESS_MAIN(ProblemFileTest)
#include "tst_problem_file.moc"

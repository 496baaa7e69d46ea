#include "diagrams/picture_format.h"
#include "app/command_line.h"
#include "engine/calculation.h"
#include "engine/problem_file.h"
#include "model/problem_data.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <memory>
#include <optional>

namespace {

struct Run {
    int status = -1;
    QByteArray out, err;
};

// How the program is started: on a desktop, or where there is no display
// at all; standard output may go to a file instead of the test.
struct Start {
    bool withoutDisplay = false;
    QString standardOutputFile;
};

Run runTarelin(const QStringList &arguments, const Start &start = {})
{
    // A desktop session has a runtime folder; without one Qt warns on
    // standard error, which the program's messages share.
    static const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    if (start.withoutDisplay)
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!start.standardOutputFile.isEmpty())
        process.setStandardOutputFile(start.standardOutputFile);
    process.start(QStringLiteral(TARELIN_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString example(const char *name)
{
    return QStringLiteral(TARELIN_EXAMPLES_DIR "/") + QLatin1String(name);
}

QByteArray exampleText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// An example with texts replaced: each change is "from|to".
QByteArray changedExample(const QString &path, const QStringList &changes)
{
    QByteArray text = exampleText(path);
    for (const QString &change : changes) {
        const QStringList parts = change.split(u'|');
        const QByteArray from = parts[0].toUtf8();
        if (!text.contains(from))
            qFatal("no %s in %s", from.constData(), qPrintable(path));
        text.replace(from, parts[1].toUtf8());
    }
    return text;
}

// What the program should say: the same load and calculation in this process.
struct Expected {
    ProblemFileResult loaded;
    ProblemData data;
};

std::unique_ptr<Expected> calculatedHere(const QByteArray &text)
{
    auto expected = std::make_unique<Expected>();
    expected->loaded = LoadProblem(text, expected->data);
    if (expected->loaded.ok)
        CalculateColumn(expected->data);
    return expected;
}

std::optional<int> stageField(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isNull())
        return std::nullopt;
    return value.toInt(-1);
}

} // namespace

class BatchTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir scratch;

    QString written(const QString &name, const QByteArray &text)
    {
        const QString path = scratch.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    // Every fault is found before a window could open: none needs a display.
    void commandLineFaults_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString bt = example("benzene-toluene.json");
        const QString ew = example("ethanol-water.json");
        QTest::newRow("no file") << QStringList{"--batch"} << "tarelin: после --batch нужно указать ФАЙЛ";
        QTest::newRow("unknown option")
            << QStringList{"--batch", bt, "--frobnicate"} << "tarelin: неизвестный параметр: --frobnicate";
        QTest::newRow("file before option")
            << QStringList{bt, "--batch"} << "tarelin: после --batch нужно указать ФАЙЛ";
        QTest::newRow("file besides the batch's")
            << QStringList{ew, "--batch", bt} << "tarelin: лишний аргумент: " + ew;
        QTest::newRow("two problems") << QStringList{"--batch", bt, "--batch", bt}
                                      << "tarelin: за один раз рассчитывается только одна задача";
        QTest::newRow("report without file")
            << QStringList{"--batch", bt, "--report"} << "tarelin: после --report нужно указать ОТЧЁТ";
        QTest::newRow("switch with a value")
            << QStringList{"--batch", bt, "--json=yes"} << "tarelin: у параметра --json не бывает значения";
        QTest::newRow("Qt's option in batch mode")
            << QStringList{"--batch", bt, "-platform", "xcb"} << "tarelin: неизвестный параметр: -platform";
        QTest::newRow("option of the windowed program")
            << QStringList{"--frobnicate"} << "tarelin: неизвестный параметр: --frobnicate";
        QTest::newRow("unknown short option") << QStringList{"-x", bt} << "tarelin: неизвестный параметр: -x";
        QTest::newRow("second file") << QStringList{bt, ew}
                                     << "tarelin: открывается только один файл задачи, лишний: " + ew;
        QTest::newRow("second file after Qt's options")
            << QStringList{"-platform", "offscreen", "-style=Fusion", bt, ew}
            << "tarelin: открывается только один файл задачи, лишний: " + ew;
        QTest::newRow("Qt's option without its value")
            << QStringList{bt, "-platform"} << "tarelin: после -platform нужно указать значение";
        QTest::newRow("batch option without --batch")
            << QStringList{bt, "--report", "r.txt"}
            << "tarelin: --report действует только вместе с --batch ФАЙЛ";
        // The same file by another name: the report would replace the problem.
        const QString self = written(QStringLiteral("self.json"), exampleText(bt));
        const QString sameFile = scratch.path() + QStringLiteral("/./self.json");
        QTest::newRow("report over the problem")
            << QStringList{"--batch", self, "--report", sameFile}
            << "tarelin: --report указывает на сам файл задачи: " + sameFile;
        QTest::newRow("plot without file")
            << QStringList{"--batch", bt, "--plot"} << "tarelin: после --plot нужно указать РИСУНОК";
        QTest::newRow("plot of an unknown kind")
            << QStringList{"--batch", bt, "--plot", "diagrams.jpg"}
            << "tarelin: для --plot нужен файл .svg, .png или .pdf: diagrams.jpg";
    }
    void commandLineFaults()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        Start start;
        start.withoutDisplay = true;
        const Run run = runTarelin(arguments, start);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        const QStringList lines = QString::fromUtf8(run.err).split(u'\n');
        QCOMPARE(lines.first(), message);
        QCOMPARE(lines[1], QStringLiteral("Использование:"));
        QCOMPARE(lines.mid(lines.size() - 2), (QStringList{"Подробнее: tarelin --help", ""}));
        // Nothing was written over the problem.
        if (arguments.size() > 1 && arguments[0] == u"--batch")
            QCOMPARE(exampleText(arguments[1]), exampleText(example("benzene-toluene.json")));
    }

    // The problem file of the windowed program, among Qt's own options.
    void windowedProgramFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("alone") << QStringList{"a.tarelin"} << "a.tarelin";
        QTest::newRow("after Qt's options")
            << QStringList{"-platform", "xcb", "-reverse", "-style=Fusion", "a.tarelin"} << "a.tarelin";
        QTest::newRow("before Qt's option")
            << QStringList{"a.tarelin", "-stylesheet", "s.qss"} << "a.tarelin";
        QTest::newRow("named like an option") << QStringList{"--", "-a.tarelin"} << "-a.tarelin";
    }
    void windowedProgramFile()
    {
        QFETCH(QStringList, arguments);
        const CommandLine command = ParseCommandLine(QStringList{"tarelin"} + arguments);
        QCOMPARE(int(command.mode), int(CommandLine::Mode::Window));
        QTEST(command.problemFile, "file");
    }

    // Help and the version come without a display, as on a server, whatever
    // else the command line holds.
    void informationWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("--help") << QStringList{"--help"} << "Использование:";
        QTest::newRow("-h") << QStringList{"-h"} << "Использование:";
        QTest::newRow("help among faults") << QStringList{"--frobnicate", "a", "b", "-h"} << "Использование:";
        QTest::newRow("--version") << QStringList{"--version"} << "tarelin (Тарелин-7) 1.0";
        QTest::newRow("-v") << QStringList{"-v"} << "tarelin (Тарелин-7) 1.0";
        QTest::newRow("version in batch mode")
            << QStringList{"--batch", "x.json", "-v"} << "tarelin (Тарелин-7) 1.0";
    }
    void informationWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstLine);
        Start start;
        start.withoutDisplay = true;
        const Run run = runTarelin(arguments, start);
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromUtf8(run.out).section(u'\n', 0, 0), firstLine);
        QCOMPARE(run.err, QByteArray());
    }

    // The help names every option with its value, in Russian, within a
    // terminal's width; the version names the licence.
    void helpAndVersionTexts()
    {
        const QString help = QString::fromUtf8(runTarelin({"--help"}).out);
        for (const char *entry :
             {"  ФАЙЛ ", "  -h, --help ", "  -v, --version ", "  --batch ФАЙЛ ", "  --json ",
              "  --report ОТЧЁТ ", "  --plot РИСУНОК ", "  --sweep-reflux ОТ:ДО:ЧИСЛО\n"})
            QVERIFY2(help.contains(QString::fromUtf8(entry)), entry);
        for (const char *english : {"Usage", "Options", "Arguments", "print", "show"})
            QVERIFY2(!help.contains(QLatin1String(english)), english);
        for (const QString &line : help.split(u'\n'))
            QVERIFY2(line.size() <= 79, qPrintable(line));
        QVERIFY(
            QString::fromUtf8(runTarelin({"--version"}).out).contains(QStringLiteral("GPL-3.0-or-later")));
    }

    // A file that cannot be read is refused like any other refused file.
    void unreadableProblemFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "no/such/problem.json"
                                 << "no/such/problem.json: No such file or directory";
        QTest::newRow("directory") << TARELIN_EXAMPLES_DIR
                                   << TARELIN_EXAMPLES_DIR ": file to open is a directory";
    }
    void unreadableProblemFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, error);
        const Run json = runTarelin({"--batch", path, "--json"});
        QCOMPARE(json.status, 2);
        const QJsonObject result = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(result.value(QLatin1String("outcome")).toString(), QStringLiteral("invalid"));
        QCOMPARE(result.value(QLatin1String("error")).toString(), error);
        const Run plain = runTarelin({"--batch", path});
        QCOMPARE(plain.status, 2);
        QCOMPARE(QString::fromUtf8(plain.err), error + u'\n');
    }

    // An output that cannot be written fails the run, and standard output
    // does not tell of a complete calculation.
    void unwritableOutput_data()
    {
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<QString>("standardOutput");
        QTest::addColumn<QString>("message");
        QTest::newRow("report in a missing folder")
            << QStringList{"--report", "no/such/dir/r.txt"} << QString() << "tarelin: no/such/dir/r.txt: ";
        QTest::newRow("diagrams in a missing folder")
            << QStringList{"--plot", "no/such/dir/d.svg"} << QString() << "tarelin: no/such/dir/d.svg: ";
        QTest::newRow("standard output on a full disk") << QStringList() << "/dev/full"
                                                        << "tarelin: standard output: ";
    }
    void unwritableOutput()
    {
        QFETCH(QStringList, output);
        QFETCH(QString, standardOutput);
        QFETCH(QString, message);
        const QStringList arguments =
            QStringList{"--batch", example("ethanol-water.json"), "--json"} + output;
        Start start;
        start.standardOutputFile = standardOutput;
        const Run run = runTarelin(arguments, start);
        QCOMPARE(run.status, 1);
        QVERIFY(!run.out.contains("complete"));
        QVERIFY2(run.err.startsWith(message.toUtf8()), run.err.constData());
    }

    void outcomes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QList<int>>("stages"); // cmf, cmf feed, exact, exact feed; -1 for null
        QTest::addColumn<bool>("minimumReflux");
        QTest::addColumn<QList<int>>("profiles"); // entries of cmf_profile, exact_profile; -1 for null
        const QString bt = example("benzene-toluene.json");
        const QString mw = example("methanol-water-vapour-feed.json");
        QTest::newRow("benzene-toluene")
            << bt << QStringList() << "complete" << QList<int>{13, 7, 13, 7} << false << QList<int>{13, 13};
        QTest::newRow("ethanol-water") << example("ethanol-water.json") << QStringList() << "complete"
                                       << QList<int>{7, 3, 7, 3} << false << QList<int>{7, 7};
        QTest::newRow("methanol-water, vapour feed")
            << mw << QStringList() << "complete" << QList<int>{11, 5, 19, 11} << false << QList<int>{11, 19};
        QTest::newRow("benzene-toluene, mixture feed")
            << example("benzene-toluene-mixture-feed.json") << QStringList() << "complete"
            << QList<int>{13, 7, 14, 7} << false << QList<int>{13, 14};
        QTest::newRow("exact count falls short")
            << bt << QStringList{"\"R\": \"3\"|\"R\": \"1,5\""} << "exact_reflux_below_minimum"
            << QList<int>{28, 15, -1, -1} << true << QList<int>{28, 300};
        QTest::newRow("reflux below minimum")
            << bt << QStringList{"\"R\": \"3\"|\"R\": \"1\""} << "reflux_below_minimum"
            << QList<int>{-1, -1, -1, -1} << false << QList<int>{300, -1};
        QTest::newRow("heat balance error")
            << mw << QStringList{"\"R\": \"2.5\"|\"R\": \"0.1\""} << "heat_balance_error"
            << QList<int>{-1, -1, -1, -1} << false << QList<int>{-1, -1};
    }
    void outcomes()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, changes);
        QFETCH(QList<int>, stages);
        QFETCH(bool, minimumReflux);
        const QByteArray text = changedExample(file, changes);
        const Run run = runTarelin({"--batch", written(QStringLiteral("problem.json"), text), "--json"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QJsonParseError error;
        const QJsonObject result = QJsonDocument::fromJson(run.out, &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, run.out.constData());

        QTEST(result.value(QLatin1String("outcome")).toString(), "outcome");
        const char *stageKeys[] = {"cmf_stages", "cmf_feed_stage", "exact_stages", "exact_feed_stage"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(stageField(result, stageKeys[i]).value_or(-1), stages[i]);
        QCOMPARE(result.value(QLatin1String("min_reflux")).isNull(), !minimumReflux);

        // Every result reads back as the very single the engine stored.
        const auto here = calculatedHere(text);
        const QJsonArray results = result.value(QLatin1String("results")).toArray();
        QCOMPARE(results.size(), ResultCount);
        for (int element = 1; element <= ResultCount; ++element)
            QCOMPARE(float(results[element - 1].toDouble()), here->data.Results(element));
        if (minimumReflux)
            QCOMPARE(float(result.value(QLatin1String("min_reflux")).toDouble()), here->data.MinimumReflux);

        // The stages of each count that ran, from the bottom, as stored.
        QFETCH(QList<int>, profiles);
        const char *profileKeys[] = {"cmf_profile", "exact_profile"};
        const StageProfile *stepped[] = {&here->data.Profiles.ConstantFlow, &here->data.Profiles.Exact};
        for (int k = 0; k < 2; ++k) {
            const QJsonValue profile = result.value(QLatin1String(profileKeys[k]));
            QCOMPARE(profile.isNull(), profiles[k] < 0);
            const QJsonArray stages = profile.toArray();
            QCOMPARE(stages.size(), std::max(profiles[k], 0));
            for (int n = 1; n <= stages.size(); ++n) {
                const QJsonObject stage = stages[n - 1].toObject();
                const ProfileStage &expected = stepped[k]->Stages[n];
                QCOMPARE(stage.value(QLatin1String("stage")).toInt(), n);
                QCOMPARE(float(stage.value(QLatin1String("x")).toDouble()), expected.X);
                QCOMPARE(float(stage.value(QLatin1String("y")).toDouble()), expected.Y);
                QCOMPARE(float(stage.value(QLatin1String("t")).toDouble()), expected.T);
            }
        }
        const QJsonArray exact = result.value(QLatin1String("exact_profile")).toArray();
        if (!exact.isEmpty()) {
            const QJsonObject first = exact.first().toObject(), last = exact.last().toObject();
            QCOMPARE(float(first.value(QLatin1String("vapour_enthalpy")).toDouble()),
                     here->data.Profiles.Exact.Stages[1].VapourEnthalpy);
            QCOMPARE(first.value(QLatin1String("pole")).toString(), QStringLiteral("bottom"));
            QCOMPARE(last.value(QLatin1String("pole")).isNull(), profiles[1] < 300);
        }
    }

    void resultLines_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("boiling liquid")
            << example("benzene-toluene.json") << QStringList() << " РЕЗУЛЬТАТЫ РАСЧЕТА"
            << "НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)           7";
        QTest::newRow("exact count falls short")
            << example("benzene-toluene.json") << QStringList{"\"R\": \"3\"|\"R\": \"1.5\""}
            << " РЕЗУЛЬТАТЫ РАСЧЕТА"
            << "МИНИМАЛЬНОЕ ФЛЕГМОВОЕ ЧИСЛО                 1.6389";
    }
    void resultLines()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, changes);
        const QByteArray text = changedExample(file, changes);
        const Run run = runTarelin({"--batch", written(QStringLiteral("lines.json"), text)});
        QCOMPARE(run.status, 0);
        QStringList lines = QString::fromUtf8(run.out).split(u'\n');
        QCOMPARE(lines.takeLast(), QString()); // every line ends with a line feed
        QTEST(lines.first(), "firstLine");
        QTEST(lines.last(), "lastLine");

        const auto here = calculatedHere(text);
        QStringList screen;
        for (const ResultLine &line : ResultScreenLines(here->data))
            screen << line.text;
        QCOMPARE(lines, screen);
    }

    void invalidProblems_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("message"); // empty: the engine's own message
        QTest::newRow("refused file") << QStringList{"\"student\": \"иванов хт-31\",|"} << "student: missing";
        QTest::newRow("faulty point")
            << QStringList{"[\"0.3\", \"0.511\", \"98.6\"]|[\"0.3\", \"1.511\", \"98.6\"]"}
            << "equilibrium.points: point 5 fails the check (X[5] = 0.3, Y[5] = ???, T[5] = 98.6)";
        QTest::newRow("zero reflux") << QStringList{"\"R\": \"3\"|\"R\": \"0\""} << QString();
        QTest::newRow("no distillate") << QStringList{"\"xW\": \"0.02\"|\"xW\": \"0.4\""} << QString();
    }
    void invalidProblems()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, message);
        const QByteArray text = changedExample(example("benzene-toluene.json"), changes);
        if (message.isEmpty()) {
            const auto here = calculatedHere(text);
            QVERIFY(here->loaded.ok);
            QCOMPARE(here->data.Outcome, CalculationOutcome::InvalidData);
            message = here->data.InvalidReason;
            QVERIFY(!message.isEmpty());
        }
        const QString path = written(QStringLiteral("invalid.json"), text);

        const Run plain = runTarelin({"--batch", path});
        QCOMPARE(plain.status, 2);
        QCOMPARE(plain.out, QByteArray());
        QCOMPARE(QString::fromUtf8(plain.err), message + u'\n');

        const Run json = runTarelin({"--json", "--batch", path});
        QCOMPARE(json.status, 2);
        QCOMPARE(json.err, QByteArray());
        const QJsonObject result = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(result.value(QLatin1String("outcome")).toString(), QStringLiteral("invalid"));
        QCOMPARE(result.value(QLatin1String("error")).toString(), message);
        QCOMPARE(result.size(), 2);
    }

    // The sweep through the program: its JSON row at the file's own R is
    // the file's own results, the table has a row per ratio, and a range
    // that is none is refused as the problem's fault, before the file is read.
    void refluxSweep()
    {
        const Run own = runTarelin({"--batch", example("benzene-toluene.json"), "--json"});
        const Run sweep =
            runTarelin({"--batch", example("benzene-toluene.json"), "--sweep-reflux", "1:5:9", "--json"});
        QCOMPARE(sweep.status, 0);
        const QJsonObject ownResults = QJsonDocument::fromJson(own.out).object();
        const QJsonObject study = QJsonDocument::fromJson(sweep.out).object();
        const QJsonArray rows = study.value(QLatin1String("sweep")).toArray();
        QCOMPARE(rows.size(), 9);
        const QJsonObject atThree = rows[4].toObject();
        QCOMPARE(atThree.value(QLatin1String("R")).toDouble(), 3.0);
        for (const char *key :
             {"outcome", "cmf_stages", "cmf_feed_stage", "exact_stages", "exact_feed_stage"})
            QCOMPARE(atThree.value(QLatin1String(key)), ownResults.value(QLatin1String(key)));
        const QJsonArray results = ownResults.value(QLatin1String("results")).toArray();
        QCOMPARE(atThree.value(QLatin1String("Qc")), results[16]);
        QCOMPARE(atThree.value(QLatin1String("Qw")), results[17]);
        QCOMPARE(rows[0].toObject().value(QLatin1String("outcome")).toString(),
                 QStringLiteral("reflux_below_minimum"));
        QCOMPARE(study.value(QLatin1String("min_stages")).toInt(), 9);
        QVERIFY(study.value(QLatin1String("min_reflux_cmf")).toDouble() < 1.5);
        QVERIFY(study.value(QLatin1String("min_reflux_exact")).toDouble() > 1.5);

        const Run table =
            runTarelin({"--batch", example("benzene-toluene.json"), "--sweep-reflux", "1,5:2:3"});
        QCOMPARE(table.status, 0);
        const QStringList lines = QString::fromUtf8(table.out).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith(QStringLiteral("R\toutcome\tcmf_stages")));
        QCOMPARE(lines[1].split(u'\t').mid(0, 6),
                 (QStringList{"1.5", "exact_reflux_below_minimum", "28", "15", "", ""}));
    }

    void badSweepRangesAreRefused_data()
    {
        QTest::addColumn<QString>("range");
        for (const char *range : {"", "1:5", "a:5:10", "0:5:10", "-1:5:10", "5:1:10", "2:2:10", "1:5:1",
                                  "1:5:2.5", "1:inf:10", "1:5:10000001"})
            QTest::newRow(range) << QString::fromLatin1(range);
    }
    void badSweepRangesAreRefused()
    {
        QFETCH(QString, range);
        const Run plain = runTarelin({"--batch", example("benzene-toluene.json"), "--sweep-reflux", range});
        QCOMPARE(plain.status, 2);
        QCOMPARE(plain.out, QByteArray());
        QVERIFY(plain.err.startsWith("--sweep-reflux FROM:TO:COUNT: "));
        const Run json =
            runTarelin({"--batch", example("benzene-toluene.json"), "--json", "--sweep-reflux", range});
        QCOMPARE(json.status, 2);
        QCOMPARE(QJsonDocument::fromJson(json.out).object().value(QLatin1String("outcome")).toString(),
                 QStringLiteral("invalid"));
    }

    // A range left out at the end is a bad range, not a faulty command line.
    void missingSweepRangeIsRefused()
    {
        const Run run = runTarelin({"--batch", example("benzene-toluene.json"), "--sweep-reflux"});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.startsWith("--sweep-reflux FROM:TO:COUNT: "));
    }

    void unfinishedProblemIsRefused()
    {
        const QString path = written(QStringLiteral("unfinished.tarelin"),
                                     R"({"format": 1, "unfinished": true, "student": "Иванов ХТ-31",
                                         "components": ["Бензол", "Толуол"]})");
        const Run plain = runTarelin({"--batch", path});
        QCOMPARE(plain.status, 2);
        QCOMPARE(QString::fromUtf8(plain.err),
                 QStringLiteral("unfinished problem: equilibrium not typed yet\n"));
        const Run json = runTarelin({"--batch", path, "--json"});
        QCOMPARE(json.status, 2);
        QCOMPARE(QJsonDocument::fromJson(json.out).object().value(QLatin1String("outcome")).toString(),
                 QStringLiteral("invalid"));
    }

    void reportFile()
    {
        const QString report = scratch.filePath(QStringLiteral("report.txt"));
        const Run run = runTarelin({"--batch", example("ethanol-water.json"), "--report", report, "--json"});
        QCOMPARE(run.status, 0);
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("СТУДЕНТ Петрова Хт-32")));
        QVERIFY(text.contains(QStringLiteral("СИСТЕМА Этанол - Вода")));

        // A PDF file holds the pages as the printer prints them.
        const QString pdf = scratch.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(runTarelin({"--batch", example("ethanol-water.json"), "--report", pdf}).status, 0);
        QFile pages(pdf);
        QVERIFY(pages.open(QIODevice::ReadOnly));
        QCOMPARE(pages.read(5), QByteArray("%PDF-"));

        // A report that cannot be written is a failure, and no results are told.
        const Run unwritable =
            runTarelin({"--batch", example("ethanol-water.json"), "--report", "no/such/dir/r.txt"});
        QCOMPARE(unwritable.status, 1);
        QCOMPARE(unwritable.out, QByteArray());
        QVERIFY(unwritable.err.startsWith("tarelin: no/such/dir/r.txt: "));
    }

    // The diagrams of both counts, in the format the extension names.
    void plotFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("SVG") << "diagrams.svg";
        QTest::newRow("PNG") << "diagrams.png";
        QTest::newRow("PDF") << "Diagrams.PDF";
    }
    void plotFiles()
    {
        QFETCH(QString, name);
        const QString path = scratch.filePath(name);
        const Run run = runTarelin({"--batch", example("methanol-water-vapour-feed.json"), "--plot", path});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.err, QByteArray());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        switch (*PictureFormatOf(path)) {
        case PictureFormat::Svg: {
            QXmlStreamReader svg(bytes);
            QStringList texts;
            int lines = 0;
            while (!svg.atEnd()) {
                if (svg.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (svg.name() == u"text")
                    texts << svg.readElementText();
                else if (svg.name() == u"path" || svg.name() == u"polyline")
                    ++lines;
            }
            QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
            QVERIFY(texts.contains(QStringLiteral("Ступеней: 11, ступень питания: 5 (считая снизу).")));
            QVERIFY(texts.contains(QStringLiteral("Ступеней: 19, ступень питания: 11 (считая снизу).")));
            QVERIFY(lines > 30 + 19);
            break;
        }
        case PictureFormat::Png: {
            QImage image;
            QVERIFY(image.loadFromData(bytes, "PNG"));
            QCOMPARE(image.size(), QSize(2244, 1588));
            break;
        }
        case PictureFormat::Pdf:
            QVERIFY(bytes.startsWith("%PDF-"));
            QVERIFY(bytes.trimmed().endsWith("%%EOF"));
            QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
            break;
        }
    }
};

QTEST_GUILESS_MAIN(BatchTest)
#include "tst_batch.moc"

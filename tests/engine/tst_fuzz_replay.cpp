#include "engine/calculation.h"
#include "engine/problem_file.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <cmath>

// Replays the fuzzers' corpora of problem files: every file is refused with
// a reason or loaded and calculated to an outcome with finite results, and
// every one that opens is saved and opens again the same.
class FuzzReplayTest : public QObject {
    Q_OBJECT
private slots:
    void corpus_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(TARELIN_EXAMPLES_DIR "/../fuzz/corpus"));
        for (const QString folder : {QStringLiteral("problem_file"), QStringLiteral("calculation")}) {
            const QDir dir(corpus.filePath(folder));
            for (const QString &name : dir.entryList(QDir::Files))
                QTest::newRow(qPrintable(folder + u'/' + name)) << dir.filePath(name);
        }
    }
    void corpus()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (bytes.startsWith('\x01'))
            return; // raw table bytes for the fuzzer's own harness
        ProblemData data;
        const ProblemFileResult loaded = LoadProblem(bytes, data);
        if (loaded.opens) {
            // Whatever opens is saved so that it opens again as it was.
            ProblemData reopened;
            const QByteArray saved = SaveProblem(data);
            QVERIFY2(LoadProblem(saved, reopened).opens, saved.constData());
            QCOMPARE(SaveProblem(reopened), saved);
        }
        if (!loaded.ok) {
            QVERIFY(!loaded.error.isEmpty());
            return;
        }
        QVERIFY(CalculateColumn(data) != CalculationOutcome::NotCalculated);
        for (int element = 1; element <= ResultCount; ++element)
            QVERIFY2(std::isfinite(data.Results.Value[element]), qPrintable(QString::number(element)));
        for (const ResultLine &line : ResultScreenLines(data))
            QVERIFY2(!line.text.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                         !line.text.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                     qPrintable(line.text));
    }
};

QTEST_APPLESS_MAIN(FuzzReplayTest)
#include "tst_fuzz_replay.moc"

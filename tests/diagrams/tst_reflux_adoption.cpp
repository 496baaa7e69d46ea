#include "diagrams/reflux_adoption.h"
#include "results/results_screens.h"
#include "results/results_window.h"
#include "support/calculated_example.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"

#include <QTest>

// "Принять R в задачу": a reflux ratio the feed check takes becomes the
// problem's, as if typed on the feed's change road; one it refuses changes
// nothing and is told.
class RefluxAdoptionTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DisposeAllForms(); }

    void refusedRatioChangesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("negative") << QStringLiteral("-1");
        QTest::newRow("above the largest reflux ratio") << QStringLiteral("30001");
        QTest::newRow("no number") << QStringLiteral("abc");
    }
    void refusedRatioChangesNothing()
    {
        QFETCH(QString, typed);
        ScriptedSession session;
        problem() = CalculatedExample(QStringLiteral("benzene-toluene.json"));
        const FeedSpec before = problem().Feed;
        const int verdict = problem().BadPointIndex;
        const float stages = problem().Results(ResN);

        QVERIFY(!TakeRefluxIntoProblem(typed));

        for (int element = 1; element <= FeedValueCount; ++element) {
            QCOMPARE(problem().Feed.Text[element], before.Text[element]);
            QCOMPARE(problem().Feed.Value[element], before.Value[element]);
        }
        QCOMPARE(problem().BadPointIndex, verdict);
        QCOMPARE(problem().Results(ResN), stages);
        QVERIFY(!FindForm(ResultsWindowName));
        QCOMPARE(session->messages.size(), 1);
        QCOMPARE(session->messages[0].title, QStringLiteral("Флегмовое число"));
        QVERIFY(session->messages[0].text.contains(typed));
    }

    void acceptedRatioIsCalculated()
    {
        ScriptedSession session;
        problem() = CalculatedExample(QStringLiteral("benzene-toluene.json"));

        QVERIFY(TakeRefluxIntoProblem(QStringLiteral("2,5")));

        QCOMPARE(problem().Feed.Text[FeedR], QStringLiteral("2.5"));
        QCOMPARE(problem().Feed.Value[FeedR], 2.5f);
        // The calculation at the new ratio, as a typed problem gives it.
        const ProblemData expected = CalculatedExample(QStringLiteral("benzene-toluene.json"), 2.5f);
        QCOMPARE(problem().Results(ResN), expected.Results(ResN));
        QCOMPARE(problem().Results(ResQc), expected.Results(ResQc));
        QVERIFY(FindForm(ResultsWindowName));
        QVERIFY(session->messages.isEmpty());
    }
};

QTEST_MAIN(RefluxAdoptionTest)
#include "tst_reflux_adoption.moc"

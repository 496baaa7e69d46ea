#include "../engine/benzene_toluene_problem.h"
#include "engine/calculation.h"
#include "engine/problem_file.h"
#include "results/results_screens.h"
#include "results/results_window.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <climits>

namespace {

ResultsWindow *resultsWindow()
{
    return FindForm<ResultsWindow>(QStringLiteral("Form23"));
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void calculateExample()
{
    QFile file(QStringLiteral(TARELIN_EXAMPLES_DIR "/benzene-toluene.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(LoadProblem(file.readAll(), problem()).ok);
    RunCalculation();
    QVERIFY(resultsWindow());
    resultsWindow()->show();
}

} // namespace

// The buttons of the results window after a calculation.
class PostCalculationTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DisposeAllForms(); }

    void printsOncePerCalculation()
    {
        ScriptedSession session;
        calculateExample();
        click(resultsWindow()->printButton());
        QCOMPARE(session->documentsPrinted, 1);
        QVERIFY(session->printedPages.size() >= 2);
        QVERIFY(!resultsWindow()->printButton()->isVisible());
        QVERIFY(!problem().CalculationDone);

        // A second press (the button forced back) prints nothing more.
        resultsWindow()->printButton()->setVisible(true);
        resultsWindow()->printButton()->setEnabled(true);
        click(resultsWindow()->printButton());
        QCOMPARE(session->documentsPrinted, 1);

        // After a recalculation from the change-data menu it prints again.
        click(resultsWindow()->changeDataButton());
        QVERIFY(!resultsWindow());
        auto *menu = FindForm(QStringLiteral("Form24"));
        QVERIFY(menu && menu->isVisible());
        click(menu->findChild<QPushButton *>(QStringLiteral("Command9")));
        QVERIFY(resultsWindow());
        QVERIFY(resultsWindow()->printButton()->isVisibleTo(resultsWindow()));
        click(resultsWindow()->printButton());
        QCOMPARE(session->documentsPrinted, 2);
    }

    void cancelledPrintKeepsTheRightToPrint_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("dialog cancelled") << true;
        QTest::newRow("printer failed") << false;
    }
    void cancelledPrintKeepsTheRightToPrint()
    {
        QFETCH(bool, cancel);
        ScriptedSession session;
        calculateExample();
        session->printerCancels = cancel;
        session->printerFails = !cancel;
        click(resultsWindow()->printButton());
        QCOMPARE(session->messages.size(), 1);
        QVERIFY(problem().CalculationDone);
        QVERIFY(resultsWindow()->printButton()->isVisible());
        QVERIFY(resultsWindow()->printButton()->isEnabled());

        session->printerCancels = session->printerFails = false;
        const int before = session->documentsPrinted;
        click(resultsWindow()->printButton());
        QCOMPARE(session->documentsPrinted, before + 1);
        QVERIFY(!problem().CalculationDone);
    }

    void exactCountFailureStandsBelowTheResults()
    {
        ScriptedSession session;
        QFile file(QStringLiteral(TARELIN_EXAMPLES_DIR "/benzene-toluene.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(LoadProblem(file.readAll(), problem()).ok);
        problem().Feed.Value[FeedR] = 1.5f; // between the two counts' minimum reflux ratios
        problem().Feed.Text[FeedR] = QStringLiteral("1.5");
        QCOMPARE(CalculateColumn(problem()), CalculationOutcome::ExactRefluxBelowMinimum);
        int lowestBlack = 0, highestRed = INT_MAX;
        for (const ResultLine &line : ResultScreenLines(problem())) {
            if (line.red)
                highestRed = std::min(highestRed, line.y);
            else
                lowestBlack = std::max(lowestBlack, line.y);
        }
        QVERIFY(highestRed >= lowestBlack + 195 + 200);
    }

    void endButtonEndsTheProgram()
    {
        ScriptedSession session;
        calculateExample();
        click(resultsWindow()->endButton());
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void changeOnlyTheFeedConditionShowsItsLines()
    {
        ScriptedSession session;
        calculateExample();
        const int boilingLines = resultsWindow()->printedTexts().size();
        // Turned into a cold liquid feed at 30 °C: the line of the feed's
        // boiling temperature goes, nothing else is shown or hidden.
        ProblemData &data = problem();
        data.Feed.Condition = LiquidFeed;
        data.Feed.Value[FeedTl] = 30;
        data.Feed.Text[FeedTl] = QStringLiteral("30");
        click(resultsWindow()->changeDataButton());
        click(FindForm(QStringLiteral("Form24"))->findChild<QPushButton *>(QStringLiteral("Command9")));
        const QStringList lines = resultsWindow()->printedLines();
        QCOMPARE(resultsWindow()->printedTexts().size(), boilingLines - 1);
        QVERIFY(!lines.join(u'\n').contains(QStringLiteral("ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ")));
    }
};

QTEST_MAIN(PostCalculationTest)
#include "tst_post_calculation.moc"

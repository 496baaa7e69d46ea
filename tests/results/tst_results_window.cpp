#include "../engine/benzene_toluene_problem.h"
#include "engine/calculation.h"
#include "results/results_screens.h"
#include "results/results_window.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"

#include <QPushButton>
#include <QTest>

namespace {

const QColor Red(255, 0, 0);

ResultsWindow *calculate(const ProblemData &data)
{
    problem() = data;
    RunCalculation();
    return FindForm<ResultsWindow>(QStringLiteral("Form23"));
}

QList<PrintedText> redTexts(const FormBase &form)
{
    QList<PrintedText> red;
    for (const PrintedText &text : form.printedTexts())
        if (text.color == Red)
            red << text;
    return red;
}

} // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DisposeAllForms(); }

    void layout()
    {
        ResultsWindow window;
        QCOMPARE(window.objectName(), QStringLiteral("Form23"));
        QCOMPARE(window.windowTitle(), QStringLiteral("ВЫВОД РЕЗУЛЬТАТОВ РАСЧЁТА"));
        QCOMPARE(window.geometry(), QRect(0, TwipsToPixels(50), TwipsToPixels(12400), TwipsToPixels(10800)));
        auto *change = window.findChild<QPushButton *>(QStringLiteral("Command2"));
        auto *print = window.findChild<QPushButton *>(QStringLiteral("Command3"));
        auto *end = window.findChild<QPushButton *>(QStringLiteral("Command1"));
        QCOMPARE(change->text(), QStringLiteral("Изменение информации"));
        QCOMPARE(print->text(), QStringLiteral("  Печать результатов"));
        QCOMPARE(end->text(), QStringLiteral("Окончание расчёта"));
        // Four equal gaps across the width, left to right 2, 3, 1: the gap is
        // (12400 - 3 * 2500) / 4 = 1225 twips.
        QCOMPARE(change->x(), TwipsToPixels(1225));
        QCOMPARE(print->x(), TwipsToPixels(1225 + 2500 + 1225));
        QCOMPARE(end->x(), TwipsToPixels(1225 + 2 * (2500 + 1225)));
        for (QPushButton *button : {change, print, end})
            QCOMPARE(button->width(), TwipsToPixels(2500));
        for (QPushButton *button : {change, print, end})
            QCOMPARE(button->y(), TwipsToPixels(9300));
        // The diagrams in a row of their own, under the print button.
        auto *diagrams = window.findChild<QPushButton *>(QStringLiteral("ShowStageDiagrams"));
        QCOMPARE(diagrams->text(), QStringLiteral("Диаграммы ступеней"));
        QCOMPARE(QPoint(diagrams->x(), diagrams->width()), QPoint(print->x(), print->width()));
        QVERIFY(diagrams->y() > print->geometry().bottom());
        QVERIFY(diagrams->geometry().bottom() < window.height());
    }

    void completeCalculation()
    {
        ScriptedSession session;
        new FormBase(QStringLiteral("Form18"));
        new FormBase(QStringLiteral("Form20"));
        ResultsWindow *window = calculate(BenzeneToluene::problem(BoilingLiquidFeed));
        QVERIFY(window);
        QCOMPARE(LoadedForms(), QList<FormBase *>{window});
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral(" ВЫВОД РЕЗУЛЬТАТОВ РАСЧЕТА"));
        QCOMPARE(session->beeps, 0);
        QVERIFY(problem().CalculationDone);
        QVERIFY(window->printButton()->isVisible() && window->printButton()->isEnabled());

        QStringList expected;
        for (const ResultLine &line : ResultScreenLines(problem()))
            expected << line.text;
        QCOMPARE(window->printedLines(), expected);
        QCOMPARE(window->printedLines().size(), 23);
        QCOMPARE(window->printedLines().at(1),
                 QStringLiteral("РАСХОД ДИСТИЛЛЯТА                               0.8000      Кг/с"));
        const PrintedText heading = window->printedTexts().first();
        QVERIFY(heading.bold);
        QCOMPARE(QPoint(heading.x, heading.y), QPoint(3000, 1000));
        QVERIFY(redTexts(*window).isEmpty());
        QVERIFY(!window->printedTexts().at(1).bold);
    }

    void failures_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<float>("reflux");
        QTest::addColumn<float>("vapourTemperature");
        QTest::addColumn<QStringList>("redLines");
        QTest::addColumn<bool>("printable");
        QTest::addColumn<bool>("belowResults"); // else at 3000 twips from the top
        QTest::newRow("heat balance")
            << int(VapourFeed) << 0.5f << 400.0f
            << QStringList{QStringLiteral("ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ")} << false << false;
        QTest::newRow("constant flows below minimum reflux")
            << int(BoilingLiquidFeed) << 1.0f << 0.0f
            << QStringList{QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !")} << true << false;
        QTest::newRow("exact count below minimum reflux")
            << int(BoilingLiquidFeed) << 1.5f << 0.0f
            << QStringList{QStringLiteral("      ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !"),
                           QStringLiteral("МИНИМАЛЬНОЕ ФЛЕГМОВОЕ ЧИСЛО                 1.6372")}
            << true << true;
    }
    void failures()
    {
        QFETCH(int, condition);
        QFETCH(float, reflux);
        QFETCH(float, vapourTemperature);
        QFETCH(QStringList, redLines);
        QFETCH(bool, printable);
        QFETCH(bool, belowResults);
        ScriptedSession session;
        ProblemData data = BenzeneToluene::problem(condition, reflux);
        if (condition == VapourFeed)
            data.Feed.Value[FeedTv] = vapourTemperature;
        ResultsWindow *window = calculate(data);
        QCOMPARE(session->beeps, 1);
        QCOMPARE(problem().BadPointIndex, FailedCalculationMark);
        const QList<PrintedText> red = redTexts(*window);
        QStringList redText;
        for (const PrintedText &text : red) {
            redText << text.text;
            QVERIFY(text.bold);
            QCOMPARE(text.x, 3000);
        }
        QCOMPARE(redText, redLines);
        int lastBlackY = 0;
        for (const PrintedText &text : window->printedTexts())
            if (text.color != Red)
                lastBlackY = std::max(lastBlackY, text.y);
        // The exact count's failure follows the results, 200 twips below the
        // last line, so that it covers none of them.
        QCOMPARE(red.first().y, belowResults ? lastBlackY + 195 + 200 : 3000);
        if (red.size() > 1)
            QCOMPARE(red.at(1).y, red.first().y + 200);
        QCOMPARE(window->printButton()->isVisible(), printable);
        // Type and colour are restored after the message.
        QVERIFY(!window->fontBold());
        QCOMPARE(window->foreColor(), QColor(Qt::black));
        QVERIFY(window->isVisible());
    }

    void dataTheCalculationCannotHandle_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("element");
        QTest::addColumn<float>("value");
        QTest::newRow("mixture without flows") << int(MixtureFeed) << int(FeedFl) << 0.0f;
        QTest::newRow("no reflux") << int(BoilingLiquidFeed) << int(FeedR) << 0.0f;
        QTest::newRow("no distillate") << int(BoilingLiquidFeed) << int(FeedXW) << 0.4f;
    }
    void dataTheCalculationCannotHandle()
    {
        QFETCH(int, condition);
        QFETCH(int, element);
        QFETCH(float, value);
        ScriptedSession session;
        ProblemData data = BenzeneToluene::problem(condition);
        data.Feed.Value[element] = value;
        if (condition == MixtureFeed)
            data.Feed.Value[FeedFv] = 0.0f;
        ResultsWindow *window = calculate(data);
        QCOMPARE(problem().Outcome, CalculationOutcome::InvalidData);
        QCOMPARE(session->beeps, 1);
        const QStringList lines = window->printedLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.first(), QStringLiteral("ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ"));
        QCOMPARE(lines.last(), problem().InvalidReason);
        QVERIFY(!lines.last().isEmpty());
        QCOMPARE(redTexts(*window).size(), 2);
        QVERIFY(!window->printButton()->isVisible());
        for (const QString &line : lines)
            QVERIFY(!line.contains(QStringLiteral("inf")) && !line.contains(QStringLiteral("nan")));
    }

    void recalculationReplacesTheWindow()
    {
        ScriptedSession session;
        ResultsWindow *first = calculate(BenzeneToluene::problem(BoilingLiquidFeed, 1.0f));
        QVERIFY(first);
        new FormBase(QStringLiteral("Form24"));
        ResultsWindow *second = calculate(BenzeneToluene::problem(MixtureFeed));
        QCOMPARE(LoadedForms(), QList<FormBase *>{second});
        QVERIFY(second->printButton()->isVisible());
        QCOMPARE(second->printedLines().size(), 25);
    }

    void buttonsRunTheirActions()
    {
        ScriptedSession session;
        QStringList pressed;
        SetResultsWindowActions({[&] { pressed << QStringLiteral("change"); },
                                 [&] { pressed << QStringLiteral("print"); },
                                 [&] {
                                     pressed << QStringLiteral("end");
                                     EndProgram();
                                 }});
        ResultsWindow *window = calculate(BenzeneToluene::problem());
        QTest::mouseClick(window->changeDataButton(), Qt::LeftButton);
        QTest::mouseClick(window->printButton(), Qt::LeftButton);
        QTest::mouseClick(window->endButton(), Qt::LeftButton);
        QCOMPARE(pressed,
                 (QStringList{QStringLiteral("change"), QStringLiteral("print"), QStringLiteral("end")}));
        QVERIFY(session->hasEnded());
        SetResultsWindowActions({});
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "tst_results_window.moc"

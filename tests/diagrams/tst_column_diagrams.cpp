#include "diagrams/column_diagram_painter.h"
#include "diagrams/diagram_window.h"
#include "results/results_screens.h"
#include "results/results_window.h"
#include "support/calculated_example.h"
#include "support/scripted_platform.h"
#include "ui/decimal_spin_box.h"
#include "ui/form_base.h"

#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QSlider>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

// The diagrams checked for what they show, not pixel by pixel: a step or a
// tie line for every stage counted, the feed stage marked, the poles and the
// product points inside the axes, and the marks really painted there.
namespace {

struct Drawn {
    QImage image;
    DiagramDrawing drawing;
};

Drawn draw(ColumnDiagramKind kind, const ColumnDiagrams &diagrams)
{
    Drawn drawn{QImage(530, 610, QImage::Format_RGB32), {}};
    QPainter painter(&drawn.image);
    DrawColumnDiagram(painter, kind, QRectF(drawn.image.rect()), diagrams, &drawn.drawing);
    return drawn;
}

ResultsWindow *resultsOf(const ProblemData &data)
{
    problem() = data;
    RunCalculation();
    return FindForm<ResultsWindow>(QStringLiteral("Form23"));
}

DiagramWindow *openDiagrams(ResultsWindow *results)
{
    QTest::mouseClick(results->diagramsButton(), Qt::LeftButton);
    return FindForm<DiagramWindow>(QStringLiteral("DiagramWindow"));
}

} // namespace

class ColumnDiagramsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DisposeAllForms(); }

    void structure_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<float>("reflux");
        QTest::newRow("benzene-toluene") << "benzene-toluene.json" << 0.0f;
        QTest::newRow("mixture feed") << "benzene-toluene-mixture-feed.json" << 0.0f;
        QTest::newRow("azeotrope") << "ethanol-water.json" << 0.0f;
        QTest::newRow("vapour feed") << "methanol-water-vapour-feed.json" << 0.0f;
        QTest::newRow("exact count pinches") << "benzene-toluene.json" << 1.5f;
        QTest::newRow("both pinch") << "benzene-toluene.json" << 1.0f;
        QTest::newRow("heat balance error") << "methanol-water-vapour-feed.json" << 0.1f;
    }
    void structure()
    {
        QFETCH(QString, file);
        QFETCH(float, reflux);
        const ProblemData data = CalculatedExample(file, reflux);
        const ColumnDiagrams diagrams = BuildColumnDiagrams(data);
        const CountSummary *counts[] = {&diagrams.constantFlow, &diagrams.exact};
        for (const ColumnDiagramKind kind : {ColumnDiagramKind::McCabeThiele, ColumnDiagramKind::Enthalpy}) {
            const CountSummary &count = *counts[int(kind)];
            const Drawn drawn = draw(kind, diagrams);
            const DiagramDrawing &d = drawn.drawing;
            QCOMPARE(d.steps, count.stages);
            QCOMPARE(d.feedStageMarked, count.feedStage);
            if (count.ran)
                for (const int n : {1, count.feedStage > 0 ? count.feedStage : 1, count.stages})
                    QVERIFY2(d.numberedStages.contains(n), qPrintable(QStringLiteral("stage %1").arg(n)));
            const QRectF frame = d.axes.adjusted(-0.5, -0.5, 0.5, 0.5);
            QVERIFY(QRectF(drawn.image.rect()).contains(d.axes));
            QCOMPARE(d.marks.size(),
                     kind == ColumnDiagramKind::Enthalpy ? 3 : 3 + int(data.Equilibrium.Azeotropic));
            for (const QPointF &mark : d.marks)
                QVERIFY2(frame.contains(mark),
                         qPrintable(QStringLiteral("%1, %2").arg(mark.x()).arg(mark.y())));
            if (kind == ColumnDiagramKind::Enthalpy) {
                // Feed point, top pole, bottom pole: filled where they lie.
                const QColor fills[] = {QColor(200, 0, 200), Qt::black, Qt::black};
                for (int i = 0; i < 3; ++i)
                    QCOMPARE(drawn.image.pixelColor(d.marks[i].toPoint()), fills[i]);
            }
        }
    }

    // One click on the results window shows both diagrams of the counts just
    // made and their stages; a recalculation closes them, and they open
    // again on the new counts.
    void windowFromTheResults()
    {
        ScriptedSession session;
        ResultsWindow *results = resultsOf(CalculatedExample("methanol-water-vapour-feed.json"));
        DiagramWindow *window = openDiagrams(results);
        QVERIFY(window && window->isVisible());
        QCOMPARE(LoadedForms(), (QList<FormBase *>{results, window}));
        window->canvas()->grab();
        QCOMPARE(window->canvas()->drawing(ColumnDiagramKind::McCabeThiele).steps, 11);
        QCOMPARE(window->canvas()->drawing(ColumnDiagramKind::Enthalpy).steps, 19);
        auto *exact = window->findChild<QTableWidget *>(QStringLiteral("ExactStages"));
        QCOMPARE(exact->rowCount(), 19);
        QCOMPARE(exact->item(10, 0)->text(), QStringLiteral("11 ◄"));
        QCOMPARE(exact->item(18, 2)->text(), QStringLiteral("0.9763"));

        ProblemData changed = problem();
        changed.Feed.Value[FeedR] = 5.0f;
        results = resultsOf(changed);
        QVERIFY(!FindForm(QStringLiteral("DiagramWindow")));
        window = openDiagrams(results);
        window->canvas()->grab();
        QCOMPARE(window->canvas()->drawing(ColumnDiagramKind::McCabeThiele).steps, 8);
        QCOMPARE(window->canvas()->drawing(ColumnDiagramKind::Enthalpy).steps, 8);
        QCOMPARE(window->findChild<QTableWidget *>(QStringLiteral("ExactStages"))->rowCount(), 8);

        // Its close button closes the diagrams, without a question.
        window->close();
        QCOMPARE(LoadedForms(), QList<FormBase *>{results});
    }

    // The design study: N(R) beside the y–x diagram; a reflux ratio tried
    // on the slider or typed (a comma or the Russian layout's period key
    // for the point) redraws the stages at once and leaves the problem
    // alone, until the button takes it into the problem and calculates.
    void designStudy()
    {
        ScriptedSession session;
        DiagramWindow *window = openDiagrams(resultsOf(CalculatedExample("benzene-toluene.json")));
        QVERIFY(window->study().minimumReflux);
        QVERIFY(!window->adoptButton()->isEnabled());
        window->showPage(DiagramPage::RefluxStudy);
        window->canvas()->grab();
        const RefluxCurveDrawing &curve = window->canvas()->curveDrawing();
        QVERIFY(curve.constantFlowSteps > 100 && curve.exactSteps > 100);
        QCOMPARE(curve.markedReflux, (QList<double>{*window->study().limits.minimumRefluxConstantFlow,
                                                    *window->study().limits.minimumRefluxExact, 3.0}));

        auto *box = window->refluxBox()->findChild<QLineEdit *>();
        box->selectAll();
        for (const QString &key : {QStringLiteral("1"), QStringLiteral("ю"), QStringLiteral("8")})
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, key, Qt::NoModifier);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(window->triedReflux(), std::optional<float>(1.8f));
        window->refluxSlider()->setValue(window->refluxSlider()->value() + 1);
        QVERIFY(*window->triedReflux() > 1.8f);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("2,5"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(window->triedReflux(), std::optional<float>(2.5f));
        window->canvas()->grab();
        const ProblemData atTried = CalculatedExample("benzene-toluene.json", 2.5f);
        QCOMPARE(window->canvas()->drawing(ColumnDiagramKind::McCabeThiele).steps,
                 atTried.Profiles.ConstantFlow.Count);
        QCOMPARE(window->canvas()->curveDrawing().markedReflux.last(), 2.5);
        QCOMPARE(problem().Feed.Value[FeedR], 3.0f);

        QTest::mouseClick(window->adoptButton(), Qt::LeftButton);
        QCOMPARE(problem().Feed.Text[FeedR], QStringLiteral("2.5"));
        QVERIFY(std::memcmp(problem().Results.Value, atTried.Results.Value, sizeof atTried.Results.Value) ==
                0);
        auto *next = FindForm<DiagramWindow>(QStringLiteral("DiagramWindow"));
        QVERIFY(next && next != window && next->isVisible());
        QCOMPARE(next->canvas()->page(), DiagramPage::RefluxStudy);
        QVERIFY(!next->triedReflux());
        QCOMPARE(next->study().problemReflux, 2.5f);
    }

    // Saving a diagram writes the file the student names; printing draws
    // both diagrams and the tables on one page; either failing is said.
    void saveAndPrint()
    {
        ScriptedSession session;
        QTemporaryDir folder;
        DiagramWindow *window = openDiagrams(resultsOf(CalculatedExample("ethanol-water.json")));
        const QString svg = folder.filePath(QStringLiteral("y-x.svg"));
        session->chooseFile(svg).chooseFile(QString()).chooseFile(
            folder.filePath(QStringLiteral("no/such/h-x.png")));
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("SaveYxDiagram")), Qt::LeftButton);
        QVERIFY(QSvgRenderer(svg).isValid());
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("SaveEnthalpyDiagram")),
                          Qt::LeftButton);
        QVERIFY(session->messages.isEmpty());
        // The next diagram is offered where the last one went.
        QCOMPARE(QFileInfo(session->fileRequests.at(1).start).absolutePath(), folder.path());
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("SaveEnthalpyDiagram")),
                          Qt::LeftButton);
        QCOMPARE(session->messages.size(), 1);

        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("PrintDiagrams")), Qt::LeftButton);
        QCOMPARE(session->printedPictures.size(), 1);
        const QImage page = session->printedPictures.first();
        // The feed stage's row of the tables, shaded, in the lower part of the page.
        int shaded = 0;
        for (int y = page.height() * 2 / 3; y < page.height(); ++y)
            shaded += page.pixelColor(60, y) == QColor(255, 236, 200);
        QVERIFY(shaded > 5);
        session->printerCancels = true;
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("PrintDiagrams")), Qt::LeftButton);
        QCOMPARE(session->messages.size(), 2);
        QCOMPARE(session->printedPictures.size(), 1);
    }
};

QTEST_MAIN(ColumnDiagramsTest)
#include "tst_column_diagrams.moc"

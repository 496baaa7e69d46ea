#include "engine/equilibrium_table.h"
#include "equilibrium/equilibrium_diagram.h"
#include "equilibrium/equilibrium_editor.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {

using Points = QList<QStringList>;

// Benzene - toluene at normal pressure.
const Points benzeneToluene = {{"0", "0", "110.6"},      {"0.05", "0.118", "108.3"}, {"0.1", "0.21", "106.1"},
                               {"0.2", "0.37", "102.2"}, {"0.3", "0.5", "98.6"},     {"0.4", "0.62", "95.2"},
                               {"0.5", "0.71", "92.1"},  {"0.6", "0.79", "89.4"},    {"0.7", "0.854", "86.8"},
                               {"0.8", "0.91", "84.4"},  {"0.9", "0.959", "82.3"},   {"1", "1", "80.2"}};

// Crosses the diagonal at 0.7.
const Points crossing = {{"0", "0", "100"},       {"0.1", "0.3", "90"},  {"0.2", "0.4", "85"},
                         {"0.4", "0.55", "80"},   {"0.6", "0.65", "78"}, {"0.8", "0.75", "77"},
                         {"0.9", "0.85", "77.5"}, {"1", "1", "78"}};

void load(const Points &points)
{
    ProblemData &data = problem();
    ResetProblemState(data);
    EquilibriumTable &table = data.Equilibrium;
    table.N = int(points.size());
    for (int i = 1; i <= table.N; ++i) {
        table.XText[i] = points[i - 1][0];
        table.YText[i] = points[i - 1][1];
        table.TText[i] = points[i - 1][2];
        table.X[i] = StoredNumber(table.XText[i]);
        table.Y[i] = StoredNumber(table.YText[i]);
        table.T[i] = StoredNumber(table.TText[i]);
    }
    SortEquilibriumTable(data);
    DetectAzeotrope(data);
    CheckEquilibriumTable(data);
}

// The first points of a table, for tables of a given size.
Points firstPoints(int n)
{
    Points points;
    for (int i = 0; i < n; ++i) {
        const double x = i / 20.0;
        points << QStringList{QString::number(x), QString::number(std::min(1.0, x * 1.5 + (i ? 0.05 : 0.0))),
                              QString::number(110 - i)};
    }
    return points;
}

QPushButton *button(QWidget *form, int k)
{
    return form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(k));
}

QLineEdit *text1(QWidget *form)
{
    return form->findChild<QLineEdit *>(QStringLiteral("Text1"));
}

void click(QWidget *form, QPoint at)
{
    QTest::mouseClick(form, Qt::LeftButton, {}, at);
}

void type(QWidget *form, const QString &text)
{
    QLineEdit *edit = text1(form);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QPoint cellCentre(int column, int row)
{
    return EditorTable::cell(column, row).center();
}

QStringList xTexts()
{
    QStringList texts;
    for (int i = 1; i <= problem().Equilibrium.N; ++i)
        texts << problem().Equilibrium.XText[i];
    return texts;
}

} // namespace

class EquilibriumEditorTest : public QObject {
    Q_OBJECT
private slots:
    void topTemperature_data()
    {
        QTest::addColumn<QString>("tMax");
        QTest::addColumn<double>("tTop");
        QTest::newRow("99.9") << "99.9" << 100.0;
        QTest::newRow("100") << "100" << 110.0;
        QTest::newRow("110.6") << "110.6" << 120.0;
        QTest::newRow("0") << "0" << 10.0;
        QTest::newRow("all below zero") << "-40" << 10.0;
    }
    void topTemperature()
    {
        QFETCH(QString, tMax);
        QFETCH(double, tTop);
        load({{"0", "0", tMax}, {"1", "1", "-50"}});
        QCOMPARE(PlotTopTemperature(problem()), tTop);
    }

    void pointPositions()
    {
        load({{"0", "0", "100"}, {"0.3", "0.5", "70"}, {"1", "1", "56.13"}});
        const EquilibriumPlotPoints p = PlotPointsOf(problem(), 550, 45, 300);
        const int y1 = 345;
        QCOMPARE(p.PlotX[2], 550 + 90);
        QCOMPARE(p.PlotY[2], y1 - 150);
        QCOMPARE(p.PlotT[1], y1 - 273); // 100 of a 110 scale
        QCOMPARE(p.PlotT[3], y1 - 153);
        QCOMPARE(p.PlotX[3], 850);
        QCOMPARE(p.PlotY[3], 45);

        // The drawing hands out the same positions.
        QImage image(900, 450, QImage::Format_RGB32);
        QPainter painter(&image);
        EquilibriumPlotPoints drawn{};
        DrawEquilibriumPlot(painter, problem(), 550, 45, 300, &drawn);
        painter.end();
        QCOMPARE(drawn.PlotT[3], p.PlotT[3]);
        // White background, black frame.
        QCOMPARE(QColor(image.pixel(550 - 69, 45 - 19)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(550, 200)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(850, 100)), QColor(Qt::black));
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("onTemperature");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("4 right of Y(X)") << QPoint(4, 0) << false << 2 << 5;
        QTest::newRow("5 right of Y(X)") << QPoint(5, 0) << false << 0 << 0;
        QTest::newRow("4 left, 4 up of Y(X)") << QPoint(-4, -4) << false << 2 << 5;
        QTest::newRow("5 below Y(X)") << QPoint(0, 5) << false << 0 << 0;
        QTest::newRow("4 below T(X)") << QPoint(0, 4) << true << 3 << 5;
        QTest::newRow("5 left of T(X)") << QPoint(-5, 0) << true << 0 << 0;
    }
    void hitTest()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, onTemperature);
        QFETCH(int, column);
        QFETCH(int, row);
        ScriptedSession session;
        load(benzeneToluene);
        EquilibriumEditor editor(EquilibriumRoad::FirstEntry);
        const EquilibriumPlotPoints p = PlotPointsOf(problem(), PlotLeft, PlotTop, PlotSize);
        const QPoint marker(p.PlotX[5], onTemperature ? p.PlotT[5] : p.PlotY[5]);
        const auto hit = editor.HitTest(marker.x() + offset.x(), marker.y() + offset.y());
        QCOMPARE(hit.column, column);
        QCOMPARE(hit.row, row);
        QCOMPARE(hit.found, row != 0);
    }

    void hitTestTable_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("found");
        // Table: left 10, top 25, number column 30, value columns 140, rows 18.
        QTest::newRow("X of point 1") << QPoint(41, 44) << 1 << 1 << true;
        QTest::newRow("Y of point 12") << QPoint(180, 25 + 12 * 18 + 17) << 2 << 12 << true;
        QTest::newRow("T starts at its border") << QPoint(320, 100) << 3 << 4 << true;
        QTest::newRow("number column") << QPoint(30, 100) << 0 << 0 << false;
        QTest::newRow("header") << QPoint(100, 30) << 0 << 0 << false;
        QTest::newRow("azeotrope row, not azeotropic") << QPoint(100, 25 + 13 * 18 + 9) << 0 << 13 << false;
        QTest::newRow("right of the table") << QPoint(460, 100) << 0 << 0 << false;
    }
    void hitTestTable()
    {
        QFETCH(QPoint, at);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, found);
        ScriptedSession session;
        load(benzeneToluene);
        EquilibriumEditor editor(EquilibriumRoad::FirstEntry);
        const auto hit = editor.HitTest(at.x(), at.y());
        QCOMPARE(hit.column, column);
        QCOMPARE(hit.row, row);
        QCOMPARE(hit.found, found);
    }

    void yOfXIsTestedBeforeTOfX()
    {
        ScriptedSession session;
        // Point 2: Y = 0.5 lies at 150 pixels, T = 55 of a 110 scale too.
        load({{"0", "0", "100"}, {"0.3", "0.5", "55"}, {"1", "1", "50"}});
        EquilibriumEditor editor(EquilibriumRoad::FirstEntry);
        const EquilibriumPlotPoints p = PlotPointsOf(problem(), PlotLeft, PlotTop, PlotSize);
        QCOMPARE(p.PlotY[2], p.PlotT[2]);
        const auto hit = editor.HitTest(p.PlotX[2], p.PlotY[2]);
        QCOMPARE(hit.column, 2);
        QCOMPARE(hit.row, 2);
    }

    void clickOnAPointOpensItsCell()
    {
        ScriptedSession session;
        load(benzeneToluene);
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        const EquilibriumPlotPoints p = PlotPointsOf(problem(), PlotLeft, PlotTop, PlotSize);
        click(editor, QPoint(p.PlotX[7], p.PlotT[7] + 3));
        QVERIFY(text1(editor)->isVisible());
        QCOMPARE(text1(editor)->text(), QStringLiteral("92.1"));
        QCOMPARE(text1(editor)->geometry(), QRect(10 + 30 + 2 * 140, 25 + 7 * 18 - 2, 140, 18));
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!button(editor, k)->isVisible());
        type(editor, QStringLiteral("410"));
        QCOMPARE(session->beeps, 1);
        QCOMPARE(problem().Equilibrium.TText[7], QStringLiteral("???"));
        QCOMPARE(problem().Equilibrium.BadPoint, 7);
        QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(255, 0, 0));
    }

    // A value typed into the box stays there, or goes into the cell it was
    // typed for, whatever the mouse does meanwhile.
    void typedValueKeepsItsCell_data()
    {
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("click on nothing") << int(Qt::LeftButton) << QPoint(460, 500);
        QTest::newRow("right click on another cell") << int(Qt::RightButton) << cellCentre(1, 2);
        QTest::newRow("click on another cell") << int(Qt::LeftButton) << cellCentre(3, 8);
    }
    void typedValueKeepsItsCell()
    {
        QFETCH(int, mouseButton);
        QFETCH(QPoint, at);
        ScriptedSession session;
        load(benzeneToluene);
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        click(editor, cellCentre(2, 5));
        text1(editor)->clear();
        QTest::keyClicks(text1(editor), QStringLiteral("0.9"));
        QTest::mouseClick(editor, Qt::MouseButton(mouseButton), {}, at);
        QCOMPARE(text1(editor)->text(), QStringLiteral("0.9"));
        QTest::keyClick(text1(editor), Qt::Key_Return);
        const EquilibriumTable &table = problem().Equilibrium;
        QCOMPARE(table.YText[5], QStringLiteral("0.9"));
        QCOMPARE(table.XText[2], QStringLiteral("0.05"));
        QCOMPARE(table.TText[8], QStringLiteral("89.4"));
        QCOMPARE(table.XText[0], QString());
    }

    void editPassingANeighbourResorts()
    {
        ScriptedSession session;
        load(benzeneToluene);
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(0, 255, 0));
        click(editor, cellCentre(1, 3));
        QCOMPARE(text1(editor)->text(), QStringLiteral("0.1"));
        type(editor, QStringLiteral("0,25"));
        QCOMPARE(xTexts(), (QStringList{"0", "0.05", "0.2", "0.25", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8",
                                        "0.9", "1"}));
        // The point keeps its Y and T under its new number.
        QCOMPARE(problem().Equilibrium.YText[4], QStringLiteral("0.21"));
        QCOMPARE(problem().Equilibrium.TText[4], QStringLiteral("106.1"));
        QCOMPARE(problem().Equilibrium.BadPoint, 4); // Y falls behind point 3
        QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(255, 0, 0));
        QVERIFY(button(editor, 1)->isVisible());
        QVERIFY(button(editor, 5)->isVisible());
    }

    void escapeLeavesTheValue()
    {
        ScriptedSession session;
        load(benzeneToluene);
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        click(editor, cellCentre(2, 2));
        QTest::keyClicks(text1(editor), QStringLiteral("5"));
        QTest::keyClick(text1(editor), Qt::Key_Escape);
        QVERIFY(!text1(editor)->isVisible());
        QCOMPARE(problem().Equilibrium.YText[2], QStringLiteral("0.118"));
        QVERIFY(button(editor, 1)->isVisible());
    }

    void addAndRemoveButtonsFollowTheCount_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("addShown");
        QTest::addColumn<bool>("removeShown");
        QTest::newRow("8") << 8 << true << false;
        QTest::newRow("9") << 9 << true << true;
        QTest::newRow("19") << 19 << true << true;
        QTest::newRow("20") << 20 << false << true;
    }
    void addAndRemoveButtonsFollowTheCount()
    {
        QFETCH(int, n);
        QFETCH(bool, addShown);
        QFETCH(bool, removeShown);
        ScriptedSession session;
        load(firstPoints(n));
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        QCOMPARE(button(editor, 3)->isVisible(), addShown);
        QCOMPARE(button(editor, 4)->isVisible(), removeShown);
    }

    void addingThe20thPointHidesTheAddButton()
    {
        ScriptedSession session;
        load(firstPoints(19));
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        session->answers({QStringLiteral("0,975"), QStringLiteral("1"), QStringLiteral("80")});
        QTest::mouseClick(button(editor, 3), Qt::LeftButton);
        QCOMPARE(problem().Equilibrium.N, 20);
        QCOMPARE(session->prompts[0].title, QStringLiteral("ВВОД X РАВНОВЕСНОГО "));
        QCOMPARE(session->prompts[0].text, QStringLiteral(" X [ 20 ] = "));
        QCOMPARE(session->prompts[1].text, QStringLiteral(" Y [ 20 ] = "));
        QCOMPARE(session->prompts[2].title, QStringLiteral("ВВОД T(20)"));
        QCOMPARE(session->prompts[2].text, QStringLiteral(" T [ 20 ] = "));
        QCOMPARE(session->prompts[2].position, QPoint(500, 6100));
        QVERIFY(!button(editor, 3)->isVisible());
        // Sorted into place: X 0.975 lies between 0.9 and the last one typed.
        QCOMPARE(problem().Equilibrium.XText[20], QStringLiteral("0.975"));
    }

    void removal_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<int>("n");
        QTest::newRow("Да removes point 5") << true << 8;
        QTest::newRow("Нет keeps the table") << false << 9;
    }
    void removal()
    {
        QFETCH(bool, answer);
        QFETCH(int, n);
        ScriptedSession session;
        load(firstPoints(9));
        const QString fifth = problem().Equilibrium.XText[6];
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        QTest::mouseClick(button(editor, 4), Qt::LeftButton);
        QVERIFY(editor->findChild<QLabel *>(QStringLiteral("Label1"))->isVisible());
        QCOMPARE(editor->mode(), EquilibriumEditor::Removal);
        answer ? session->yes() : session->no();
        click(editor, cellCentre(2, 5));
        QCOMPARE(session->dialogs.size(), 1);
        QCOMPARE(session->dialogs[0].name, QStringLiteral("Form5"));
        QCOMPARE(session->dialogs[0].labels,
                 (QStringList{QStringLiteral("Убираете"), QStringLiteral("5-ую равновесную точку?")}));
        QVERIFY(qAbs(session->dialogs[0].position.x() - 850) < 15);
        QVERIFY(qAbs(session->dialogs[0].position.y() - 7000) < 15);
        QCOMPARE(session->beeps, 1);
        QCOMPARE(problem().RemovalPoint, 5);
        QCOMPARE(problem().Equilibrium.N, n);
        if (answer)
            QCOMPARE(problem().Equilibrium.XText[5], fifth);
        QCOMPARE(button(editor, 4)->isVisible(), n > 8);
        QVERIFY(button(editor, 1)->isVisible());
        QVERIFY(button(editor, 2)->isVisible());
        QCOMPARE(editor->mode(), EquilibriumEditor::Correction);
        QVERIFY(!session->hasEnded());
    }

    void azeotropeCompositionEditedTo15()
    {
        ScriptedSession session;
        load(crossing);
        QVERIFY(problem().Equilibrium.Azeotropic);
        QVERIFY(!problem().Equilibrium.CheckFailed);
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        click(editor, cellCentre(3, 9));
        QVERIFY(text1(editor)->isVisible());
        QCOMPARE(text1(editor)->text(), problem().Equilibrium.AzeotropeXText);
        type(editor, QStringLiteral("1.5"));
        const EquilibriumTable &table = problem().Equilibrium;
        QCOMPARE(session->beeps, 1);
        QCOMPARE(table.AzeotropeXText, QStringLiteral("???"));
        QCOMPARE(table.AzeotropeX, 0.0f);
        // Every point is exempt now, but the missing composition is reported.
        QVERIFY(table.Azeotropic);
        QCOMPARE(table.BadPoint, 9);
        QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(255, 0, 0));

        click(editor, cellCentre(3, 9));
        type(editor, QStringLiteral("0,71"));
        QCOMPARE(table.AzeotropeX, 0.71f);
        QVERIFY(!table.CheckFailed);
    }

    void azeotropeRowOfANonAzeotropicTable_data()
    {
        QTest::addColumn<bool>("sure");
        QTest::newRow("Да: the composition is typed") << true;
        QTest::newRow("Нет: stays non-azeotropic") << false;
    }
    void azeotropeRowOfANonAzeotropicTable()
    {
        QFETCH(bool, sure);
        ScriptedSession session;
        load(benzeneToluene);
        // Declared at 0.85, the curve above the diagonal up to 0.9 contradicts it.
        problem().Equilibrium.Azeotropic = true;
        problem().Equilibrium.AzeotropeX = 0.85f;
        problem().Equilibrium.AzeotropeXText = QStringLiteral("0.85");
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(255, 0, 0));
        sure ? session->yes() : session->no();
        click(editor, QPoint(200, 25 + 13 * 18 + 9));
        QCOMPARE(session->questions.size(), 1);
        QCOMPARE(session->questions[0].title, QStringLiteral("СОМНЕНИЕ!"));
        QCOMPARE(text1(editor)->isVisible(), sure);
        QCOMPARE(button(editor, 1)->isVisible(), !sure);
        if (!sure) {
            QVERIFY(!problem().Equilibrium.Azeotropic);
            // Without the azeotrope the curve is valid, and the end button says so.
            QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(0, 255, 0));
            return;
        }
        type(editor, QStringLiteral("0.95"));
        QVERIFY(problem().Equilibrium.Azeotropic);
        QCOMPARE(problem().Equilibrium.AzeotropeXText, QStringLiteral("0.95"));
    }

    void changeRoadEditorOffersTheChoiceFirst()
    {
        ScriptedSession session;
        load(benzeneToluene);
        OpenEquilibriumChangeEditor();
        auto *editor = FindForm<EquilibriumEditor>(QStringLiteral("Form25"));
        QVERIFY(editor);
        QVERIFY(button(editor, 6)->isVisible());
        QVERIFY(button(editor, 7)->isVisible());
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!button(editor, k)->isVisible());
        // Clicks on the table do nothing until the student has chosen.
        click(editor, cellCentre(1, 2));
        QVERIFY(!text1(editor)->isVisible());
        QTest::mouseClick(button(editor, 6), Qt::LeftButton);
        QVERIFY(!button(editor, 6)->isVisible());
        QVERIFY(button(editor, 1)->isVisible());
        QVERIFY(editor->findChild<QLabel *>(QStringLiteral("Label3"))->isVisible());
        click(editor, cellCentre(1, 2));
        QVERIFY(text1(editor)->isVisible());
    }

    void endProgramButton()
    {
        ScriptedSession session;
        load(benzeneToluene);
        auto *editor = OpenEquilibriumEditorOn(EquilibriumRoad::FirstEntry);
        QTest::mouseClick(button(editor, 2), Qt::LeftButton);
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }
};

QTEST_MAIN(EquilibriumEditorTest)
#include "tst_equilibrium_editor.moc"

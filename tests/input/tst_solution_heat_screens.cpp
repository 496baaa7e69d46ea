#include "thermal_screen_driver.h"

#include "input/solution_temperature_screen.h"
#include "input/thermal_flow.h"
#include "input/thermal_table_screen.h"
#include "model/problem_data.h"
#include "model/text.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

// The solution heat capacities: the temperature list (Form18) and one table
// per temperature (Form20), up to the calculation.

namespace {

const QString Form18 = QStringLiteral("Form18");
const QString Form20 = QStringLiteral("Form20");

QString TemperatureLine(int j, const QString &t)
{
    return QStringLiteral("  T[%1] (Град.Цельсия) =").arg(j) + t + PadSpaces(t, 20);
}

QString SolutionLine(int i, const QString &x, const QString &c)
{
    const int w = i < 10 ? 20 : 19;
    return QStringLiteral("  X[%1] (мольн.д) =").arg(i) + x + PadSpaces(x, w) +
           QStringLiteral("C[%1] (Кдж/Кмоль*К) =").arg(i) + c + PadSpaces(c, w);
}

void EnterTemperatures(ScriptedPlatform &p, const QStringList &temperatures)
{
    p.answer(QString::number(temperatures.size())).answers(temperatures);
    RunHandler([] { EnterSolutionTemperatures(); });
}

// The answers for one table: count and points.
void ScriptTable(ScriptedPlatform &p, const QStringList &xs, const QStringList &cs)
{
    p.answer(QString::number(xs.size())).answers(PointAnswers(xs, cs));
}

const SolutionHeatCapacitySet &Set()
{
    return problem().SolutionHeatCapacity;
}

} // namespace

class SolutionHeatScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProblemState(problem()); }

    void temperaturesAreSortedAndListed()
    {
        ScriptedSession session;
        EnterTemperatures(session.platform(), {"80", "20", "50"});
        const auto &p = session->prompts;
        QCOMPARE(p[0].title, QStringLiteral("Ввод количества температур для более летучего компонента"));
        QCOMPARE(p[0].text, QStringLiteral("Сколько температур будете вводить"));
        QCOMPARE(p[0].position, QPoint(2300, 1200));
        QCOMPARE(p[2].title, QStringLiteral("Ввод 2 температуры"));
        QCOMPARE(p[2].text, QStringLiteral("Введите2-ю температуру (Град.Цельсия) "));
        QCOMPARE(p[2].position, QPoint(2300, 1200));
        FormBase *form = FindForm(Form18);
        QCOMPARE(
            form->windowTitle(),
            QStringLiteral("Температуры, при которых снималась зависимость теплоемкости от концентрации"));
        QCOMPARE(Label(form, "Label1")->text(),
                 QStringLiteral("Зависимость теплоемкости раствора от концентрации\n"
                                "более летучего компонента при разных температурах"));
        QCOMPARE(form->printedLines(),
                 (QStringList{TemperatureLine(1, "20"), TemperatureLine(2, "50"), TemperatureLine(3, "80")}));
        for (int j = 0; j < 3; ++j) {
            QCOMPARE(form->printedTexts()[j].x, 4000);
            QCOMPARE(form->printedTexts()[j].y, 195 * (j + 1) + 1210);
        }
        QCOMPARE(BackColour(Form18, "Command3"), Green);
        QVERIFY(Button(form, "Command4")->isVisible());
        QVERIFY(!Button(form, "Command5")->isVisible());
    }

    void temperatureCountAndRange_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("messages");
        const QString count =
            QStringLiteral("Количество температур от 1-й до 5-ти !!!    Продолжаете работу ?");
        const QString range = QStringLiteral(
            "температура от -273.15 Град.Цельсия  до 400 Град.Цельсия !!!    Продолжаете работу ?");
        QTest::newRow("0.4 refused, 1")
            << QStringList{"0.4", "1", "-273.15"} << QStringList{"-273.15"} << QStringList{count};
        QTest::newRow("5.5 rounds to 6, refused")
            << QStringList{"5.5", "1", "400"} << QStringList{"400"} << QStringList{count};
        QTest::newRow("-273.16 asked again") << QStringList{"2", "-273.16", "10", "400.1", "30"}
                                             << QStringList{"10", "30"} << QStringList{range, range};
        QTest::newRow("4.5 rounds to 4")
            << QStringList{"4.5", "1", "2", "3", "4"} << QStringList{"1", "2", "3", "4"} << QStringList{};
    }
    void temperatureCountAndRange()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, messages);
        ScriptedSession session;
        for (int i = 0; i < messages.size(); ++i)
            session->yes();
        session->answers(typed);
        RunHandler([] { EnterSolutionTemperatures(); });
        QCOMPARE(Set().NT, int(stored.size()));
        for (int j = 1; j <= Set().NT; ++j)
            QCOMPARE(Set().TText[j], stored[j - 1]);
        QStringList asked;
        for (const auto &q : session->questions)
            asked << q.text;
        QCOMPARE(asked, messages);
    }

    void temperatureListRows_data()
    {
        QTest::addColumn<QStringList>("temperatures");
        QTest::addColumn<QStringList>("actionRows");
        const QString add = QStringLiteral("  Увеличение количества температур");
        const QString remove = QStringLiteral("  Уменьшение количества температур");
        QTest::newRow("1: add only") << QStringList{"20"} << QStringList{add};
        QTest::newRow("3: both") << QStringList{"20", "40", "60"} << QStringList{add, remove};
        QTest::newRow("5: remove only") << QStringList{"20", "40", "60", "80", "100"} << QStringList{remove};
    }
    void temperatureListRows()
    {
        QFETCH(QStringList, temperatures);
        QFETCH(QStringList, actionRows);
        ScriptedSession session;
        EnterTemperatures(session.platform(), temperatures);
        QVERIFY(Click(Form18, "Command4"));
        const int n = int(temperatures.size());
        const QStringList rows = Rows(Form18);
        QCOMPARE(rows.mid(n), actionRows);
        QCOMPARE(rows.first(), TemperatureLine(1, "20"));
        QCOMPARE(HeightTwips(List(FindForm(Form18), "List1")), (n + 1 + int(actionRows.size())) * 195);
        QVERIFY(FindForm(Form18)->printedTexts().isEmpty());
        QCOMPARE(FindForm(Form18)->windowTitle(),
                 n == 1 ? QStringLiteral(
                              "Температура, при которой снималась зависимость теплоемкости от концентрации")
                        : QStringLiteral(
                              "Температуры, при которых снималась зависимость теплоемкости от концентрации"));
    }

    void correctedTemperatureTakesItsPlaceAndThePicture()
    {
        ScriptedSession session;
        QTemporaryDir folder;
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(folder.filePath("end_g.bmp"), "BMP"));
        session->folder = folder.path();
        EnterTemperatures(session.platform(), {"20", "50", "80"});
        QVERIFY(Click(Form18, "Command4"));
        // Checked as at the first entry: no number, then out of range, asked again.
        session->answers({"abc", "5000", "5"}).yes().yes();
        QVERIFY(ClickRow(Form18, "List1", 1));
        QCOMPARE(session->questions.size(), 2);
        for (const auto &q : session->questions)
            QCOMPARE(q.text, QStringLiteral("температура от -273.15 Град.Цельсия  до 400 Град.Цельсия !!!    "
                                            "Продолжаете работу ?"));
        const auto &p = session->prompts.last();
        QCOMPARE(p.title, QStringLiteral("ВВОД ТЕМПЕРАТУРЫ  "));
        QCOMPARE(p.text, QStringLiteral(" T [ 2 ] (Град.Цельсия.) = "));
        QCOMPARE(p.position,
                 QPoint(PixelsToTwips(List(FindForm(Form18), "List1")->x()) + 320, 195 * 2 + 2000));
        QCOMPARE(Rows(Form18).mid(0, 3),
                 (QStringList{TemperatureLine(1, "5"), TemperatureLine(2, "20"), TemperatureLine(3, "80")}));
        QPushButton *end = Button(FindForm(Form18), "Command5");
        QVERIFY(end->isVisible());
        QVERIFY(!end->icon().isNull());
        QCOMPARE(BackColour(Form18, "Command5"), Green);
    }

    void missingPictureLeavesAWorkingButton()
    {
        ScriptedSession session;
        QTemporaryDir folder;
        session->folder = folder.path();
        EnterTemperatures(session.platform(), {"20"});
        QVERIFY(Click(Form18, "Command4"));
        session->answer("30");
        QVERIFY(ClickRow(Form18, "List1", 0));
        QVERIFY(Button(FindForm(Form18), "Command5")->icon().isNull());
        ScriptTable(session.platform(), {"0", "1"}, {"100", "110"});
        QVERIFY(Click(Form18, "Command5"));
        QVERIFY(FindForm(Form20));
        QCOMPARE(Set().TText[1], QStringLiteral("30"));
    }

    void addAndRemoveTemperatures()
    {
        ScriptedSession session;
        EnterTemperatures(session.platform(), {"20", "50", "80"});
        QVERIFY(Click(Form18, "Command4"));
        session->answer("10");
        QVERIFY(ClickRow(Form18, "List1", 3)); // add
        QCOMPARE(session->prompts.last().title, QStringLiteral("Ввод 4 температуры"));
        QCOMPARE(Set().NT, 4);
        QCOMPARE(Rows(Form18).first(), TemperatureLine(1, "10"));
        QVERIFY(ClickRow(Form18, "List1", 5)); // remove
        FormBase *form = FindForm(Form18);
        QCOMPARE(Rows(Form18, "List2").size(), 4);
        QListWidget *removal = List(form, "List2");
        session->yes();
        QVERIFY(ClickRow(Form18, "List2", 2)); // 50
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form19"));
        QCOMPARE(session->dialogs.last().labels.last(), QStringLiteral("3-ую температуру ?"));
        QCOMPARE(session->dialogs.last().position.y(),
                 Placed(PixelsToTwips(removal->geometry().bottom() + 1) + 1500));
        QCOMPARE(Set().NT, 3);
        QCOMPARE((QStringList{Set().TText[1], Set().TText[2], Set().TText[3]}),
                 (QStringList{"10", "20", "80"}));
        QCOMPARE(form->windowTitle(), QStringLiteral("Коррекция температур"));
        QCOMPARE(Label(form, "Label1")->text(), QStringLiteral("Коррекция температур"));
        QVERIFY(Button(form, "Command5")->isVisible());
    }

    void oneTablePerTemperatureThenTheCalculation()
    {
        ScriptedSession session;
        EnterTemperatures(session.platform(), {"60", "20"});
        ScriptTable(session.platform(), {"1", "0"}, {"130", "120"});
        QVERIFY(Click(Form18, "Command3"));
        QVERIFY(!FindForm(Form18));
        FormBase *form = FindForm(Form20);
        QVERIFY(form);
        const auto &p = session->prompts;
        QCOMPARE(p[3].title,
                 QStringLiteral("Ввод кол-ва пар точек зависимости теплоемкости от концентрации"));
        QCOMPARE(p[3].position, QPoint(2300, 2000));
        QCOMPARE(p[4].title, QStringLiteral("ВВОД КОНЦЕНТРАЦИИ "));
        QCOMPARE(p[4].text, QStringLiteral(" X [ 1 ] (мольн.д) = "));
        QCOMPARE(p[5].title, QStringLiteral("ТЕПЛОЕМКОСТИ "));
        QCOMPARE(p[5].text, QStringLiteral(" C [ 1 ] (Кдж/Кмоль*К) = "));
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Зависимость теплоемкости от концентрации более летучего "
                                "компонента при температуре 20  Град.Цельсия"));
        const QStringList printed = form->printedLines();
        QCOMPARE(printed, (QStringList{"ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ",
                                       "ПРИ ТЕМПЕРАТУРЕ 20 Град.Цельсия", SolutionLine(1, "0", "120"),
                                       SolutionLine(2, "1", "130")}));
        QCOMPARE(form->printedTexts()[1].y, 900);
        QCOMPARE(PixelsToTwips(Button(form, "Command3")->y()), Placed(195 * 2 + 1795));

        ScriptTable(session.platform(), {"0", "0.5", "1"}, {"150", "155", "160"});
        QVERIFY(Click(Form20, "Command3"));
        QCOMPARE(FindForm(Form20), form);
        QCOMPARE(problem().CurrentComponent, 2);
        QVERIFY(form->windowTitle().endsWith(QStringLiteral("при температуре 60  Град.Цельсия")));
        QVERIFY(Click(Form20, "Command3"));
        QVERIFY(!FindForm(Form20));
        QCOMPARE(Set().N[1], 2);
        QCOMPARE(Set().N[2], 3);
        QCOMPARE(Set().CText[2][2], QStringLiteral("155"));
    }

    void pointCount_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("count");
        QTest::newRow("1.5 refused") << QStringList{"1.5", "2"} << 2;
        QTest::newRow("2.5 kept as 2") << QStringList{"2.5"} << 2;
        QTest::newRow("20.5 refused") << QStringList{"20.5", "3.5"} << 4;
    }
    void pointCount()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, count);
        ScriptedSession session;
        EnterTemperatures(session.platform(), {"20"});
        for (int i = 1; i < typed.size(); ++i)
            session->yes();
        session->answers(typed);
        for (int i = 0; i < count; ++i)
            session->answer(QString::number(i / 10.0)).answer("100");
        QVERIFY(Click(Form18, "Command3"));
        QCOMPARE(Set().N[1], count);
        for (const auto &q : session->questions)
            QCOMPARE(q.text, QStringLiteral("Количество пар от 2-x до 20-ти !!!    Продолжаете работу ?"));
        QCOMPARE(session->questions.size(), typed.size() - 1);
    }

    // A temperature corrected on a table screen may pass its neighbour; the
    // calculation must still see the temperatures ascending with their tables.
    void temperatureCorrectedOnATableIsOrderedBeforeTheCalculation()
    {
        ScriptedSession session;
        EnterTemperatures(session.platform(), {"20", "60"});
        ScriptTable(session.platform(), {"0", "1"}, {"120", "130"});
        QVERIFY(Click(Form18, "Command3"));
        QVERIFY(Click(Form20, "Command4"));
        QCOMPARE(Rows(Form20).first(), QStringLiteral("  Температура C=f(X) 20 Град.Цельсия"));
        session->answer("90");
        QVERIFY(ClickRow(Form20, "List1", 0));
        QCOMPARE(session->prompts.last().position, QPoint(2300, 2100));
        QCOMPARE(Rows(Form20).first(), QStringLiteral("  Температура 90 Град.Цельсия"));
        QCOMPARE(Set().TText[1], QStringLiteral("90")); // still first while the tables are typed
        ScriptTable(session.platform(), {"0", "0.5", "1"}, {"150", "155", "160"});
        QVERIFY(Click(Form20, "Command5"));
        QVERIFY(FindForm(Form20)->windowTitle().contains(QStringLiteral("при температуре 60")));
        QVERIFY(Click(Form20, "Command3"));
        QVERIFY(!FindForm(Form20));
        QCOMPARE((QStringList{Set().TText[1], Set().TText[2]}), (QStringList{"60", "90"}));
        QCOMPARE((QList<float>{Set().T[1], Set().T[2]}), (QList<float>{60.0f, 90.0f}));
        QCOMPARE(Set().N[1], 3);
        QCOMPARE(Set().CText[1][2], QStringLiteral("155"));
        QCOMPARE(Set().N[2], 2);
        QCOMPARE(Set().CText[2][1], QStringLiteral("120"));
    }

    void tableCorrectionAndRemoval()
    {
        ScriptedSession session;
        EnterTemperatures(session.platform(), {"20"});
        ScriptTable(session.platform(), {"0", "0.5", "0.5", "1"}, {"100", "4.9", "110", "120"});
        QVERIFY(Click(Form18, "Command3"));
        QCOMPARE(problem().BadPointIndex, 2);
        session->yes();
        QVERIFY(Click(Form20, "Command3"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form21"));
        QCOMPARE(Rows(Form20).first(),
                 QStringLiteral("  Т-ра, при которой снималась зависимость C=f(X) 20 Град.Цельсия"));
        QCOMPARE(Rows(Form20).mid(5), (QStringList{"  Увеличение числа пар точек зависимости C=f(X)",
                                                   "  Уменьшение числа пар точек зависимости C=f(X)"}));
        QVERIFY(!Button(FindForm(Form20), "Command5")->isVisible());
        QVERIFY(ClickRow(Form20, "List1", 6));
        session->yes();
        QVERIFY(ClickRow(Form20, "List2", 1));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form22"));
        QCOMPARE(session->dialogs.last().labels.last(), QStringLiteral("2-ую точку зависимости c=f(X) ?"));
        QCOMPARE(Set().N[1], 3);
        QCOMPARE(Rows(Form20).at(2), SolutionLine(2, "0.5", "110"));
        QCOMPARE(Rows(Form20).first(), QStringLiteral("  Температура 20 Град.Цельсия"));
        QCOMPARE(BackColour(Form20, "Command5"), Green);
        QVERIFY(Click(Form20, "Command5"));
        QVERIFY(!FindForm(Form20));
    }

    void noInTableWarningEndsTheProgram()
    {
        ScriptedSession session;
        EnterTemperatures(session.platform(), {"20"});
        ScriptTable(session.platform(), {"0", "0"}, {"100", "110"});
        QVERIFY(Click(Form18, "Command3"));
        session->no();
        QVERIFY(Click(Form20, "Command3"));
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }
    // A change-road twin is the same screen with another road: here a table
    // without its temperature row, whose "Нет" after the end of corrections
    // leads back instead of ending the program.
    void aTwinScreenIsAConfiguration()
    {
        ScriptedSession session;
        problem().SolutionHeatCapacity.NT = 1;
        problem().SolutionHeatCapacity.TText[1] = QStringLiteral("40");
        ThermalDataSet set = SolutionHeatCapacityDataSet();
        set.hasTemperatureRow = false;
        TableScreenRoad road;
        road.errorDialogOnAccept = QStringLiteral("Form45");
        road.errorDialogOnEndOfCorrections = QStringLiteral("Form46");
        road.removalDialog = QStringLiteral("Form48");
        int accepted = 0, declined = 0;
        road.accepted = [&](ThermalTableScreen &, int, bool) { ++accepted; };
        road.declinedAfterEndOfCorrections = [&](ThermalTableScreen &) { ++declined; };
        auto *screen = new ThermalTableScreen(QStringLiteral("Form44"), set, road);
        ScriptTable(session.platform(), {"0", "1"}, {"100", "1"});
        RunHandler([&] { screen->enterData(1); });
        QCOMPARE(BackColour("Form44", "Command3"), Red);
        QVERIFY(Click("Form44", "Command4"));
        QCOMPARE(Rows("Form44"), (QStringList{SolutionLine(1, "0", "100"), SolutionLine(2, "1", "1"),
                                              "  Увеличение числа пар точек зависимости C=f(X)"}));
        QCOMPARE(HeightTwips(List(screen, "List1")), (2 + 2) * 195);
        session->answers({"1", "2"});
        QVERIFY(ClickRow("Form44", "List1", 1));
        QCOMPARE(session->prompts.last().position.y(), 195 * 2 + 2000);
        session->no();
        QVERIFY(Click("Form44", "Command5"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form46"));
        QCOMPARE(declined, 1);
        QVERIFY(!session->hasEnded());
        QCOMPARE(accepted, 0);
    }
};

QTEST_MAIN(SolutionHeatScreensTest)
#include "tst_solution_heat_screens.moc"

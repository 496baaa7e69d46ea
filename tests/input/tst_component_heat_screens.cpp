#include "thermal_screen_driver.h"

#include "input/thermal_flow.h"
#include "model/problem_data.h"
#include "model/text.h"

#include <QApplication>

// The vapour heat capacities (Form12) and the heats of vaporization (Form15):
// two tables, component 1 then component 2 on the same screen.

namespace {

const QString Form12 = QStringLiteral("Form12");
const QString Form15 = QStringLiteral("Form15");

QString Line(const QString &value, int i, const QString &t, const QString &v)
{
    const int w = i < 10 ? 20 : 19;
    const QString unit = value == "C" ? QStringLiteral("] (Кдж/Кг*К) =") : QStringLiteral("] (Кдж/Кг) =");
    return QStringLiteral("  T[%1] (Град.Цельсия) =").arg(i) + t + PadSpaces(t, w) + value + u'[' +
           QString::number(i) + unit + v + PadSpaces(v, w);
}

QString CapacityLine(int i, const QString &t, const QString &c)
{
    return Line("C", i, t, c);
}

QString VaporizationLine(int i, const QString &t, const QString &r)
{
    return Line("R", i, t, r);
}

QStringList Temperatures(int count)
{
    QStringList values;
    for (int i = 1; i <= count; ++i)
        values << QString::number(10 * i);
    return values;
}

QStringList Repeated(const QString &value, int count)
{
    return QStringList(count, value);
}

// The heat-of-vaporization entry of one component: count and points.
void ScriptVaporization(ScriptedPlatform &p, const QStringList &ts, const QStringList &rs)
{
    p.answer(QString::number(ts.size())).answers(PointAnswers(ts, rs));
}

// Form12 answered "Данные имеются" with component 1's table.
void EnterCapacityComponent1(ScriptedPlatform &p, const QStringList &ts, const QStringList &cs)
{
    AskVaporHeatCapacityQuestion();
    p.answer(QString::number(ts.size())).answers(PointAnswers(ts, cs));
    QVERIFY(Click(Form12, "Command1"));
}

} // namespace

class ComponentHeatScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProblemState(problem()); }

    void capacityQuestion()
    {
        ScriptedSession session;
        AskVaporHeatCapacityQuestion();
        FormBase *form = FindForm(Form12);
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Данные по теплоемкости компонентов в газообразном состоянии"));
        QCOMPARE(Label(form, "Label1")->text(), QStringLiteral("Имеются ли у Вас данные по теплоемкости\n"
                                                               "компонентов в газообразном состоянии? \n"
                                                               "(Зависимость теплоемкости от температуры\n"
                                                               "для более и менее летучего компонента)"));
        QCOMPARE(Label(form, "Label1")->y(), TwipsToPixels(200));
        // "Данные отсутствуют" goes on to the heats of vaporization of component 1.
        problem().VaporHeatCapacity.Present = true;
        ScriptVaporization(session.platform(), {"80"}, {"390"});
        QVERIFY(Click(Form12, "Command2"));
        QVERIFY(!problem().VaporHeatCapacity.Present);
        QVERIFY(!FindForm(Form12));
        QVERIFY(FindForm(Form15));
        QCOMPARE(problem().CurrentComponent, 1);
        QCOMPARE(problem().VaporizationHeat.N[1], 1);
    }

    void bothComponentsOnOneScreen()
    {
        ScriptedSession session;
        EnterCapacityComponent1(session.platform(), {"100", "20"}, {"1,1", "1"});
        FormBase *form = FindForm(Form12);
        const auto &p = session->prompts;
        QCOMPARE(p[0].title, QStringLiteral("Ввод кол-ва пар точек зависимости теплоемкости от температуры"));
        QCOMPARE(p[0].position, QPoint(2300, 1200));
        QCOMPARE(p[1].title, QStringLiteral("ВВОД T  "));
        QCOMPARE(p[1].text, QStringLiteral(" T [ 1 ] (Град.Цельсия) = "));
        QCOMPARE(p[2].title, QStringLiteral("ВВОД ТЕПЛОЕМКОСТИ "));
        QCOMPARE(p[2].text, QStringLiteral(" C [ 1 ] (Кдж/Кг*К) = "));
        QCOMPARE(p[3].position.y(), 195 * 2 + 1230);
        QVERIFY(problem().VaporHeatCapacity.Present);
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Данные по зависимости теплоемкости от т-ры для более летучего компонента"));
        QCOMPARE(Label(form, "Label1")->text(),
                 QStringLiteral("Зависимость теплоемкости в газообразном\n"
                                "состоянии от температуры для более летучего компонента"));
        QCOMPARE(form->printedLines(),
                 (QStringList{CapacityLine(1, "20", "1"), CapacityLine(2, "100", "1.1")}));
        QCOMPARE(PixelsToTwips(Button(form, "Command3")->y()), Placed(195 * 2 + 1795));

        // Accepting component 1 asks component 2 on the same screen.
        session->answers({"1", "50", "2"});
        QVERIFY(Click(Form12, "Command3"));
        QCOMPARE(FindForm(Form12), form);
        QCOMPARE(problem().CurrentComponent, 2);
        QCOMPARE(session->prompts.size(), 5 + 3);
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Данные по зависимости теплоемкости от т-ры для менее летучего компонента"));
        QVERIFY(Label(form, "Label1")->text().endsWith(QStringLiteral("для менее летучего компонента")));
        QCOMPARE(form->printedLines(), QStringList{CapacityLine(1, "50", "2")});
        QCOMPARE(problem().VaporHeatCapacity.TText[1][1], QStringLiteral("20"));

        // Accepting component 2 starts the heats of vaporization.
        ScriptVaporization(session.platform(), {"80", "60"}, {"390", "abc"});
        QVERIFY(Click(Form12, "Command3"));
        QVERIFY(!FindForm(Form12));
        FormBase *vaporization = FindForm(Form15);
        QVERIFY(vaporization);
        QCOMPARE(
            vaporization->windowTitle(),
            QStringLiteral("Данные по зависимости теплоты испарения от т-ры для более летучего компонента"));
        QCOMPARE(vaporization->printedLines(),
                 (QStringList{VaporizationLine(1, "60", "???"), VaporizationLine(2, "80", "390")}));
        // Letters for R are refused with a beep: the point fails the check.
        QCOMPARE(problem().BadPointIndex, 1);
        QCOMPARE(BackColour(Form15, "Command3"), Red);
    }

    void capacityCheckThroughTheScreen_data()
    {
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("c");
        QTest::addColumn<bool>("valid");
        QTest::newRow("T -283 passes") << "-283"
                                       << "1" << true;
        QTest::newRow("T -283.2 fails") << "-283.2"
                                        << "1" << false;
        QTest::newRow("T 400 passes") << "400"
                                      << "1" << true;
        QTest::newRow("T 400.5 fails") << "400.5"
                                       << "1" << false;
        QTest::newRow("C 0.4 passes") << "20"
                                      << "0.4" << true;
        QTest::newRow("C 4 passes") << "20"
                                    << "4" << true;
        QTest::newRow("C 0.3 fails") << "20"
                                     << "0.3" << false;
        QTest::newRow("C 4.01 fails") << "20"
                                      << "4.01" << false;
    }
    void capacityCheckThroughTheScreen()
    {
        QFETCH(QString, t);
        QFETCH(QString, c);
        QFETCH(bool, valid);
        ScriptedSession session;
        EnterCapacityComponent1(session.platform(), {t}, {c});
        QCOMPARE(BackColour(Form12, "Command3"), valid ? Green : Red);
        QCOMPARE(problem().BadPointIndex, valid ? 0 : 1);
    }

    void counts_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("count");
        QTest::newRow("0.5 rounds to 0, refused") << QStringList{"0.5", "1"} << 1;
        QTest::newRow("1.5 rounds to 2") << QStringList{"1.5"} << 2;
        QTest::newRow("20.5 rounds to 20") << QStringList{"20.5"} << 20;
        QTest::newRow("21 refused") << QStringList{"21", "3"} << 3;
        QTest::newRow("1E10 refused") << QStringList{"1E10", "1"} << 1;
    }
    void counts()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, count);
        for (const bool vaporization : {false, true}) {
            ResetProblemState(problem());
            ScriptedSession session;
            for (int i = 1; i < typed.size(); ++i)
                session->yes();
            session->answers(typed).answers(PointAnswers(Temperatures(count), Repeated("1", count)));
            if (vaporization) {
                RunHandler([] { StartVaporizationHeatEntry(1); });
                QCOMPARE(problem().VaporizationHeat.N[1], count);
            } else {
                AskVaporHeatCapacityQuestion();
                QVERIFY(Click(Form12, "Command1"));
                QCOMPARE(problem().VaporHeatCapacity.N[1], count);
            }
            QCOMPARE(session->questions.size(), typed.size() - 1);
            for (const auto &q : session->questions)
                QCOMPARE(q.text,
                         QStringLiteral("Количество пар от 1-й до 20-ти !!!    Продолжаете работу ?"));
            QVERIFY(!session->unansweredPromptsLeft());
        }
    }

    void noInCountBoxEndsTheProgram()
    {
        ScriptedSession session;
        session->answer("0").no();
        RunHandler([] { StartVaporizationHeatEntry(1); });
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void actionRows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("actionRows");
        const QString add = QStringLiteral("  Увеличение числа пар точек зависимости R=f(T)");
        const QString remove = QStringLiteral("  Уменьшение числа пар точек зависимости R=f(T)");
        QTest::newRow("1: add only") << 1 << QStringList{add};
        QTest::newRow("2: both") << 2 << QStringList{add, remove};
        QTest::newRow("20: remove only") << 20 << QStringList{remove};
    }
    void actionRows()
    {
        QFETCH(int, count);
        QFETCH(QStringList, actionRows);
        ScriptedSession session;
        ScriptVaporization(session.platform(), Temperatures(count), Repeated("400", count));
        RunHandler([] { StartVaporizationHeatEntry(1); });
        QVERIFY(Click(Form15, "Command4"));
        const QStringList rows = Rows(Form15);
        QCOMPARE(rows.size(), count + actionRows.size());
        QCOMPARE(rows.mid(count), actionRows);
        QCOMPARE(rows.first(), VaporizationLine(1, "10", "400"));
        QCOMPARE(HeightTwips(List(FindForm(Form15), "List1")), (count + 1 + int(actionRows.size())) * 195);
        // Nothing changed yet: no way forward but a row.
        QVERIFY(!Button(FindForm(Form15), "Command5")->isVisible());
        QVERIFY(!Button(FindForm(Form15), "Command3")->isVisible());
    }

    void correctingComponent2LeavesComponent1Alone()
    {
        ScriptedSession session;
        ScriptVaporization(session.platform(), {"20", "80"}, {"400", "380"});
        RunHandler([] { StartVaporizationHeatEntry(1); });
        ScriptVaporization(session.platform(), {"30", "90", "110"}, {"300", "290", "280"});
        QVERIFY(Click(Form15, "Command3"));
        FormBase *form = FindForm(Form15);
        QCOMPARE(
            form->windowTitle(),
            QStringLiteral("Данные по зависимости теплоты испарения от т-ры для менее летучего компонента"));
        QCOMPARE(Label(form, "Label1")->text(),
                 QStringLiteral("Зависимость теплоты испарения\n"
                                "от температуры для менее летучего компонента"));
        QVERIFY(Click(Form15, "Command4"));
        session->answers({"10", "310"});
        QVERIFY(ClickRow(Form15, "List1", 2)); // point 3
        const auto &t = session->prompts[session->prompts.size() - 2];
        QCOMPARE(t.title, QStringLiteral("ВВОД ТЕМПЕРАТУРЫ  "));
        QCOMPARE(t.text, QStringLiteral(" T [ 3 ] (Град.Цельсия.) = "));
        QCOMPARE(t.position.y(), 195 * 3 + 2000);
        QCOMPARE(
            form->windowTitle(),
            QStringLiteral("Зависимость теплоты испарения от температуры для менее летучего компонента"));
        QCOMPARE(Rows(Form15).mid(0, 3),
                 (QStringList{VaporizationLine(1, "10", "310"), VaporizationLine(2, "30", "300"),
                              VaporizationLine(3, "90", "290")}));
        const VaporizationHeatTable &v = problem().VaporizationHeat;
        QCOMPARE(v.N[1], 2);
        QCOMPARE((QStringList{v.TText[1][1], v.RText[1][1], v.TText[1][2], v.RText[1][2]}),
                 (QStringList{"20", "400", "80", "380"}));
        QCOMPARE(v.R[1][2], 380.0f);
    }

    void addAndRemoveInACapacityTable()
    {
        ScriptedSession session;
        EnterCapacityComponent1(session.platform(), {"20", "40", "60"}, {"1", "1.1", "1.2"});
        QVERIFY(Click(Form12, "Command4"));
        QCOMPARE(Rows(Form12).at(3), QStringLiteral("  Увеличение числа пар точек зависимости C=f(T)"));
        session->answers({"30", "1.05"});
        QVERIFY(ClickRow(Form12, "List1", 3));
        const auto &t = session->prompts[session->prompts.size() - 2];
        QCOMPARE(t.text, QStringLiteral(" T[ 4 ] (Град.Цельсия) = "));
        QCOMPARE(t.position.y(), 195 * 4 + 2100);
        QCOMPARE(session->prompts.last().text, QStringLiteral(" C[ 4 ] (Кдж/Кг*К) = "));
        QCOMPARE(Rows(Form12).at(1), CapacityLine(2, "30", "1.05"));

        QVERIFY(ClickRow(Form12, "List1", 5)); // the remove row
        FormBase *form = FindForm(Form12);
        QListWidget *removal = List(form, "List2");
        QCOMPARE(PixelsToTwips(Label(form, "Label4")->y()),
                 Placed(PixelsToTwips(removal->geometry().bottom() + 1) + 1500));
        session->yes();
        QVERIFY(ClickRow(Form12, "List2", 0));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form13"));
        QCOMPARE(session->dialogs.last().labels.last(), QStringLiteral("1-ую точку зависимости C=f(T) ?"));
        QCOMPARE(session->dialogs.last().position.y(),
                 Placed(PixelsToTwips(removal->geometry().bottom() + 1) + 1500));
        QCOMPARE(problem().VaporHeatCapacity.N[1], 3);
        QCOMPARE(Rows(Form12).first(), CapacityLine(1, "30", "1.05"));
        QCOMPARE(Label(form, "Label1")->text(),
                 QStringLiteral("Зависимость теплоемкости в газообразном состоянии от температуры для более "
                                "летучего компонента"));
        // Component 1 finished by "КОНЕЦ ИСПРАВЛЕНИЙ" goes on to component 2.
        session->answers({"1", "20", "1"});
        QVERIFY(Click(Form12, "Command5"));
        QCOMPARE(problem().CurrentComponent, 2);
        QCOMPARE(problem().VaporHeatCapacity.N[2], 1);
    }

    void noInWarningDialogEndsTheProgram()
    {
        ScriptedSession session;
        ScriptVaporization(session.platform(), {"20"}, {"19.9"});
        RunHandler([] { StartVaporizationHeatEntry(1); });
        session->no();
        QVERIFY(Click(Form15, "Command3"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form16"));
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void lastVaporizationTableOpensTheSolutionTemperatures()
    {
        ScriptedSession session;
        ScriptVaporization(session.platform(), {"20"}, {"400"});
        RunHandler([] { StartVaporizationHeatEntry(2); });
        session->answers({"1", "25"});
        QVERIFY(Click(Form15, "Command3"));
        QVERIFY(!FindForm(Form15));
        QVERIFY(FindForm("Form18"));
        QCOMPARE(problem().SolutionHeatCapacity.NT, 1);
    }
};

QTEST_MAIN(ComponentHeatScreensTest)
#include "tst_component_heat_screens.moc"

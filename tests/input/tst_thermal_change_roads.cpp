#include "thermal_screen_driver.h"

#include "input/thermal_data_set.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "results/results_screens.h"

#include <QApplication>

// The change roads of the heats of mixing (Form32), the vapour heat
// capacities (Form36) and the heats of vaporization (Form39), driven from the
// change-data menu the way a student does.

namespace {

const QString Menu = QStringLiteral("Form24");

enum Kind { Mixing, Capacity, Vaporization };

// What a student meets on the change screen of one data set.
struct Road {
    QString screen, errorOnAccept, errorOnEnd, removal;
    int smallest;
    int headingRows; // the temperature row of the heats of mixing
    int removalGap;  // twips from the removal list down to its dialog
    QString argument, unit, value, valueUnit, function;
};

const Road &RoadOf(int kind)
{
    static const Road roads[] = {
        {"Form32", "Form33", "Form35", "Form34", 4, 1, 500, "X", "] (мольн.д) =", "DH",
         "] (Кдж/Кмоль) =", "DH=f(X)"},
        {"Form36", "Form38", "Form38", "Form37", 1, 0, 1500, "T", "] (Град.Цельсия) =", "C",
         "] (Кдж/Кг*К) =", "C=f(T)"},
        {"Form39", "Form40", "Form40", "Form41", 1, 0, 1500, "T", "] (Град.Цельсия) =", "R",
         "] (Кдж/Кг) =", "R=f(T)"},
    };
    return roads[kind];
}

const ThermalDataSet &FirstRoadSet(int kind)
{
    return kind == Mixing     ? MixingHeatDataSet()
           : kind == Capacity ? VaporHeatCapacityDataSet()
                              : VaporizationHeatDataSet();
}

// The menu button of a data set and component.
QString MenuButton(int kind, int component)
{
    const int index = kind == Mixing ? 3 : kind == Capacity ? 3 + component : 5 + component;
    return QStringLiteral("Command%1").arg(index);
}

QString Line(int kind, int i, const QString &a, const QString &v, bool openingList = false)
{
    const Road &r = RoadOf(kind);
    const int w = i < 10 ? 20 : 19;
    const QString unit = openingList && kind == Mixing ? QStringLiteral("] /мольн.д/ =") : r.unit;
    return QStringLiteral("  ") + r.argument + u'[' + QString::number(i) + unit + a + PadSpaces(a, w) +
           r.value + u'[' + QString::number(i) + r.valueUnit + v + PadSpaces(v, w);
}

QStringList Lines(int kind, const QStringList &as, const QStringList &vs, bool openingList = false)
{
    QStringList lines;
    for (int i = 0; i < as.size(); ++i)
        lines << Line(kind, i + 1, as[i], vs[i], openingList);
    return lines;
}

QString AddRow(int kind)
{
    return QStringLiteral("  Увеличение числа пар точек зависимости ") + RoadOf(kind).function;
}

QString RemoveRow(int kind)
{
    return QStringLiteral("  Уменьшение числа пар точек зависимости ") + RoadOf(kind).function;
}

// The table of a data set as the problem state holds it.
void Fill(int kind, int component, const QStringList &as, const QStringList &vs)
{
    const PointTable t = FirstRoadSet(kind).table(problem(), component);
    *t.count = int(as.size());
    for (int i = 0; i < as.size(); ++i)
        t.store(i + 1, as[i], vs[i]);
    if (kind == Mixing)
        problem().MixingHeat.Present = true;
    if (kind == Capacity)
        problem().VaporHeatCapacity.Present = true;
}

QStringList Arguments(int kind, int component)
{
    const PointTable t = FirstRoadSet(kind).table(problem(), component);
    return QStringList(t.argumentText + 1, t.argumentText + 1 + t.pointCount());
}

QStringList Values(int kind, int component)
{
    const PointTable t = FirstRoadSet(kind).table(problem(), component);
    return QStringList(t.valueText + 1, t.valueText + 1 + t.pointCount());
}

QStringList Series(int count, double start, double step)
{
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << QString::number(start + step * i, 'g', 6);
    return values;
}

// A valid table of count points for a data set.
void FillValid(int kind, int component, int count)
{
    if (kind == Mixing)
        Fill(kind, 1, Series(count, 0.0, 1.0 / (count - 1)),
             QStringList{"0"} + QStringList(count - 2, "-100") + QStringList{"0"});
    else
        Fill(kind, component, Series(count, 10.0 * component, 10.0),
             QStringList(count, kind == Capacity ? "1.5" : "400"));
    // Both components have their tables once the data are present.
    const int other = 3 - component;
    if (kind != Mixing && FirstRoadSet(kind).table(problem(), other).pointCount() == 0)
        Fill(kind, other, {"70", "90"}, QStringList(2, kind == Capacity ? "2" : "300"));
}

// From the change-data menu to a data set's change screen.
bool OpenFromMenu(int kind, int component)
{
    ShowChangeDataMenu();
    return Click(Menu, MenuButton(kind, component));
}

int BottomTwips(const QWidget *w)
{
    return PixelsToTwips(w->geometry().bottom() + 1);
}

bool MenuShown()
{
    FormBase *menu = FindForm(Menu);
    return menu && menu->isVisible();
}

} // namespace

class ThermalChangeRoadsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        DisposeAllForms();
        ResetProblemState(problem());
        problem().Results.Text[ResT0] = QStringLiteral("25");
        problem().Results(ResT0) = 25.0f;
    }

    void menuOpensTheCorrectionList_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("component");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("heading");
        const QString mixing = "Коррекция зависимости теплот смешения от концентрации";
        const QString mixingHeading =
            "ЗАВИСИМОСТЬ ТЕПЛОТ СМЕШЕНИЯ ОТ КОНЦЕНТРАЦИИ\nБОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА";
        QTest::newRow("mixing, 4 points") << int(Mixing) << 1 << 4 << mixing << mixingHeading;
        QTest::newRow("mixing, 5 points") << int(Mixing) << 1 << 5 << mixing << mixingHeading;
        QTest::newRow("mixing, 20 points") << int(Mixing) << 1 << 20 << mixing << mixingHeading;
        const QString capacity1 =
            "ИЗМЕНЕНИЕ ИНФОРМАЦИИ (зависимость теплоемкости от температуры для более летуч. компонента)";
        const QString capacity2 =
            "ИЗМЕНЕНИЕ ИНФОРМАЦИИ (зависимость теплоемкости от температуры для менее летуч. компонента)";
        QTest::newRow("capacity 1, 1 point")
            << int(Capacity) << 1 << 1 << capacity1
            << "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ ОТ ТЕМПЕРАТУРЫ\n ДЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА";
        QTest::newRow("capacity 2, 3 points")
            << int(Capacity) << 2 << 3 << capacity2
            << "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ ОТ ТЕМПЕРАТУРЫ\n ДЛЯ МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА";
        QTest::newRow("capacity 1, 20 points")
            << int(Capacity) << 1 << 20 << capacity1
            << "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ ОТ ТЕМПЕРАТУРЫ\n ДЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА";
        QTest::newRow("vaporization 1, 1 point")
            << int(Vaporization) << 1 << 1
            << "Коррекция зависимости теплот испарения от т-ры для более летучего компонента"
            << "Зависимость теплоты испарения\nот температуры для более летучего компонента";
        QTest::newRow("vaporization 2, 5 points")
            << int(Vaporization) << 2 << 5
            << "Коррекция зависимости теплоты испарения от т-ры для менее летучего компонента"
            << "Зависимость теплоты испарения\nот температуры для менее летучего компонента";
        QTest::newRow("vaporization 2, 20 points")
            << int(Vaporization) << 2 << 20
            << "Коррекция зависимости теплоты испарения от т-ры для менее летучего компонента"
            << "Зависимость теплоты испарения\nот температуры для менее летучего компонента";
    }
    void menuOpensTheCorrectionList()
    {
        QFETCH(int, kind);
        QFETCH(int, component);
        QFETCH(int, count);
        QFETCH(QString, caption);
        QFETCH(QString, heading);
        const Road &road = RoadOf(kind);
        ScriptedSession session;
        FillValid(kind, component, count);
        QVERIFY(OpenFromMenu(kind, component));

        QVERIFY(!FindForm(Menu));
        FormBase *form = FindForm(road.screen);
        QVERIFY(form && form->isVisible());
        QCOMPARE(LoadedForms().size(), 1);
        QCOMPARE(problem().CurrentComponent, component);
        QCOMPARE(form->windowTitle(), caption);
        QVERIFY(Label(form, "Label1")->isVisible());
        QCOMPARE(Label(form, "Label1")->text(), heading);

        QStringList expected;
        if (kind == Mixing)
            expected << "  ТЕМПЕРАТУРА 25 ГРАД.ЦЕЛЬСИЯ";
        expected << Lines(kind, Arguments(kind, component), Values(kind, component), true);
        const QString function = kind == Mixing ? "DH = f(X)" : kind == Capacity ? "C = f(T)" : "R = f(T)";
        if (count < 20)
            expected << "  УВЕЛИЧЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ " + function;
        if (count > road.smallest)
            expected << "  УМЕНЬШЕНИЕ ПАР ТОЧЕК ЗАВИСИМОСТИ " + function;
        QCOMPARE(Rows(road.screen), expected);

        // The list is one row taller than its rows; the hint lies 1000 twips below.
        QListWidget *list = List(form, "List1");
        QVERIFY(list->isVisible() && list->isEnabled());
        QCOMPARE(HeightTwips(list), (int(expected.size()) + 1) * 195);
        QLabel *hint = Label(form, "Label3");
        QVERIFY(hint->isVisible());
        QCOMPARE(PixelsToTwips(hint->y()), Placed(BottomTwips(list) + 1000));
        // The screen is left only through a change and "КОНЕЦ ИСПРАВЛЕНИЙ".
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!Button(form, QStringLiteral("Command%1").arg(i))->isVisible());
        QVERIFY(!Label(form, "Label2")->isVisible());
        QVERIFY(!Label(form, "Label4")->isVisible());
        QVERIFY(!List(form, "List2")->isVisible());
    }

    void correctedPointReturnsToTheMenu_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("component");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("point");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("prompts"); // title and text of both prompts
        QTest::addColumn<QStringList>("sortedArguments");
        QTest::addColumn<QStringList>("sortedValues");
        QTest::addColumn<QString>("refreshCaption");

        QTest::newRow("mixing, point 3 moves up")
            << int(Mixing) << 1 << QStringList{"0", "0.2", "0.4", "0.6", "1"}
            << QStringList{"0", "-100", "-150", "-120", "0"} << 3 << QStringList{"0,1", "-50"}
            << QStringList{"ВВОД X  ", " X [ 3 ] (мольн.д) = ", "ВВОД ТЕПЛОТЫ СМЕШЕНИЯ ",
                           " DH [ 3 ] (Кдж/Кмоль) = "}
            << QStringList{"0", "0.1", "0.2", "0.6", "1"} << QStringList{"0", "-50", "-100", "-120", "0"}
            << "Коррекция зависимости теплот смешения от концентрации";
        const QStringList capacityPrompts{"ВВОД T  ", " T [ 2 ] (Град.Цельсия.) = ", "ВВОД ТЕПЛОЕМКОСТИ ",
                                          " C [ 2 ] (Кдж/Кг*К) = "};
        for (int k : {1, 2})
            QTest::addRow("capacity %d, point 2 moves up", k)
                << int(Capacity) << k << QStringList{"20", "60", "100"} << QStringList{"1", "1.1", "1.2"} << 2
                << QStringList{"10", "0.9"} << capacityPrompts << QStringList{"10", "20", "100"}
                << QStringList{"0.9", "1", "1.2"}
                << (k == 1 ? "Зависимость теплоемкости в газообразном состоянии от температуры для более "
                             "летучего компонента"
                           : "Зависимость теплоемкости в газообразном состоянии от температуры для менее "
                             "летучего компонента");
        const QStringList vaporizationPrompts{"ВВОД ТЕМПЕРАТУРЫ  ",
                                              " T [ 2 ] (Град.Цельсия.) = ", "ВВОД ТЕПЛОТЫ ИСПАРЕНИЯ ",
                                              " R [ 2 ] (Кдж/Кг) = "};
        for (int k : {1, 2})
            QTest::addRow("vaporization %d, point 2 moves up", k)
                << int(Vaporization) << k << QStringList{"20", "60", "100"}
                << QStringList{"400", "380", "360"} << 2 << QStringList{"10", "410"} << vaporizationPrompts
                << QStringList{"10", "20", "100"} << QStringList{"410", "400", "360"}
                << (k == 1 ? "Коррекция зависимости теплоты испарения от температуры для более летучего "
                             "компонента"
                           : "Коррекция зависимости теплоты испарения от температуры для менее летучего "
                             "компонента");
    }
    void correctedPointReturnsToTheMenu()
    {
        QFETCH(int, kind);
        QFETCH(int, component);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, values);
        QFETCH(int, point);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, prompts);
        QFETCH(QStringList, sortedArguments);
        QFETCH(QStringList, sortedValues);
        QFETCH(QString, refreshCaption);
        const Road &road = RoadOf(kind);
        ScriptedSession session;
        // The other component holds its own table, which must stay as it is.
        const int other = 3 - component;
        if (kind != Mixing)
            Fill(kind, other, {"5", "15"},
                 {kind == Capacity ? "2" : "500", kind == Capacity ? "2.5" : "450"});
        Fill(kind, component, arguments, values);
        QVERIFY(OpenFromMenu(kind, component));
        FormBase *form = FindForm(road.screen);
        const int listLeft = PixelsToTwips(form->pos().x() + List(form, "List1")->x());

        session->answers(typed);
        QVERIFY(ClickRow(road.screen, "List1", road.headingRows + point - 1));
        QCOMPARE(session->prompts.size(), 2);
        const auto &a = session->prompts[0];
        const auto &v = session->prompts[1];
        QCOMPARE((QStringList{a.title, a.text, v.title, v.text}), prompts);
        QCOMPARE(a.position, QPoint(listLeft + 320, 195 * point + 2000));
        QCOMPARE(v.position, QPoint(listLeft + 3450, a.position.y()));

        // The list is rebuilt sorted, in the words of the first-entry road.
        QCOMPARE(Arguments(kind, component), sortedArguments);
        QCOMPARE(Values(kind, component), sortedValues);
        QStringList expected;
        if (kind == Mixing)
            expected << "  Т-ра, при которой снималась зависимость DH=f(X) 25 Град.Цельсия";
        expected << Lines(kind, sortedArguments, sortedValues) << AddRow(kind) << RemoveRow(kind);
        QCOMPARE(Rows(road.screen), expected);
        QCOMPARE(form->windowTitle(), refreshCaption);
        if (kind == Vaporization)
            QCOMPARE(Label(form, "Label1")->text(),
                     FirstRoadSet(kind).filledText(problem(), component,
                                                   "Зависимость теплоты испарения от температуры для более "
                                                   "летучего компонента"));
        QVERIFY(!Label(form, "Label3")->isVisible());
        QVERIFY(Button(form, "Command5")->isVisible());
        QCOMPARE(BackColour(road.screen, "Command5"), Green);

        QVERIFY(Click(road.screen, "Command5"));
        QVERIFY(MenuShown());
        QVERIFY(!FindForm(road.screen));
        QCOMPARE(LoadedForms().size(), 1);
        QCOMPARE(Arguments(kind, component), sortedArguments);
        if (kind != Mixing) {
            QCOMPARE(Arguments(kind, other), (QStringList{"5", "15"}));
            QCOMPARE(Values(kind, other).size(), 2);
        }
        QVERIFY(!session->unansweredPromptsLeft());
    }

    void mixingTemperatureRow()
    {
        ScriptedSession session;
        FillValid(Mixing, 1, 4);
        QVERIFY(OpenFromMenu(Mixing, 1));
        session->yes().answers({"500", "40,5"});
        QVERIFY(ClickRow("Form32", "List1", 0));
        QCOMPARE(session->prompts.size(), 2);
        QCOMPARE(session->prompts[0].title, QStringLiteral("Ввод температуры"));
        QCOMPARE(session->prompts[0].position, QPoint(2300, 2100));
        QCOMPARE(session->questions.size(), 1);
        QCOMPARE(session->questions[0].text,
                 QStringLiteral("Ошибка: Температура в Град. Цельсия !!!    Продолжаете работу ?"));
        QCOMPARE(problem().Results.Text[ResT0], QStringLiteral("40.5"));
        QCOMPARE(problem().Results(ResT0), 40.5f);
        QCOMPARE(Rows("Form32").first(),
                 QStringLiteral("  Т-ра, при которой снималась зависимость DH=f(X) 40.5 Град.Цельсия"));
        QVERIFY(Click("Form32", "Command5"));
        QVERIFY(MenuShown());
    }

    void faultyCorrectionIsRefused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("component");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("badPoint");
        QTest::newRow("mixing: DH beyond 30000") << int(Mixing) << 1 << QStringList{"0.5", "30000.5"} << 2;
        QTest::newRow("capacity 1: C 4.01") << int(Capacity) << 1 << QStringList{"30", "4.01"} << 2;
        QTest::newRow("capacity 2: two points at one T") << int(Capacity) << 2 << QStringList{"40", "1"} << 3;
        QTest::newRow("vaporization 1: R 19.9") << int(Vaporization) << 1 << QStringList{"25", "19.9"} << 2;
        QTest::newRow("vaporization 2: T 400.1")
            << int(Vaporization) << 2 << QStringList{"400.1", "300"} << 4;
    }
    void faultyCorrectionIsRefused()
    {
        QFETCH(int, kind);
        QFETCH(int, component);
        QFETCH(QStringList, typed);
        QFETCH(int, badPoint);
        const Road &road = RoadOf(kind);
        ScriptedSession session;
        FillValid(kind, component, 4);
        const int n = 4;
        QVERIFY(OpenFromMenu(kind, component));
        FormBase *form = FindForm(road.screen);
        session->answers(typed);
        QVERIFY(ClickRow(road.screen, "List1", road.headingRows + 1)); // point 2
        QCOMPARE(problem().BadPointIndex, badPoint);
        QCOMPARE(BackColour(road.screen, "Command5"), Red);

        const int beeps = session->beeps;
        session->yes();
        QVERIFY(Click(road.screen, "Command5"));
        QCOMPARE(session->beeps, beeps + 1);
        QCOMPARE(session->dialogs.size(), 1);
        QCOMPARE(session->dialogs[0].name, road.errorOnEnd);
        QCOMPARE(session->dialogs[0].position.y(), Placed(195 * n + 2500));
        QCOMPARE(session->dialogs[0].labels,
                 (QStringList{"Ошибка в исходной информации.", "Изменяете исходную информацию?"}));
        QVERIFY(!MenuShown());
        // "Да": the correction list again, its hint 200 twips below, nothing to accept yet.
        QCOMPARE(FindForm(road.screen), form);
        QVERIFY(List(form, "List1")->isVisible());
        QCOMPARE(Rows(road.screen).size(), road.headingRows + n + (n > road.smallest ? 2 : 1));
        QCOMPARE(PixelsToTwips(Label(form, "Label3")->y()), Placed(BottomTwips(List(form, "List1")) + 200));
        QVERIFY(!Button(form, "Command5")->isVisible());
        QVERIFY(!Label(form, "Label2")->isVisible());

        // The faulty point put right, the table is accepted.
        const PointTable t = FirstRoadSet(kind).table(problem(), component);
        const QString good = kind == Mixing ? "-100" : kind == Capacity ? "1.5" : "400";
        const QString freeArgument = kind == Mixing ? "0.5" : "35";
        session->answers({freeArgument, good});
        QVERIFY(ClickRow(road.screen, "List1", road.headingRows + badPoint - 1));
        QCOMPARE(problem().BadPointIndex, 0);
        QVERIFY(Click(road.screen, "Command5"));
        QVERIFY(MenuShown());
        QCOMPARE(t.pointCount(), n);
    }

    void noInTheWarningDialogEndsTheProgram_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("mixing") << int(Mixing);
        QTest::newRow("capacity") << int(Capacity);
        QTest::newRow("vaporization") << int(Vaporization);
    }
    void noInTheWarningDialogEndsTheProgram()
    {
        QFETCH(int, kind);
        const Road &road = RoadOf(kind);
        ScriptedSession session;
        FillValid(kind, 1, 4);
        QVERIFY(OpenFromMenu(kind, 1));
        session->answers({"-1", "-1"}).no();
        QVERIFY(ClickRow(road.screen, "List1", road.headingRows));
        QVERIFY(Click(road.screen, "Command5"));
        QCOMPARE(session->dialogs.last().name, road.errorOnEnd);
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void addAndRemoveAtTheLimits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("component");
        QTest::addColumn<bool>("add");
        for (int kind : {Mixing, Capacity, Vaporization})
            for (int component : {1, 2}) {
                if (kind == Mixing && component == 2)
                    continue;
                for (bool add : {true, false})
                    QTest::addRow("%s %d, %s",
                                  kind == Mixing     ? "mixing"
                                  : kind == Capacity ? "capacity"
                                                     : "vaporization",
                                  component, add ? "add the 20th point" : "remove down to the smallest")
                        << kind << component << add;
            }
    }
    void addAndRemoveAtTheLimits()
    {
        QFETCH(int, kind);
        QFETCH(int, component);
        QFETCH(bool, add);
        const Road &road = RoadOf(kind);
        ScriptedSession session;
        const int count = add ? 19 : road.smallest + 1;
        FillValid(kind, component, count);
        const QStringList before = Arguments(kind, component);
        QVERIFY(OpenFromMenu(kind, component));
        FormBase *form = FindForm(road.screen);
        const int listLeft = PixelsToTwips(form->pos().x() + List(form, "List1")->x());
        const int actionRow = road.headingRows + count;

        if (add) {
            // A point between the first two, so that the sort has work to do.
            const QString argument = kind == Mixing ? "0.01" : QString::number(10 * component + 5);
            session->answers({argument, kind == Mixing ? "-1" : kind == Capacity ? "1.5" : "400"});
            QVERIFY(ClickRow(road.screen, "List1", actionRow));
            // The new point's prompts lie on the row of point count + 1.
            QCOMPARE(session->prompts[0].position, QPoint(listLeft + 320, 195 * (count + 1) + 2100));
            QCOMPARE(session->prompts[1].position, QPoint(listLeft + 3450, 195 * (count + 1) + 2100));
            QCOMPARE(Arguments(kind, component).size(), 20);
            QCOMPARE(Arguments(kind, component).at(1), argument);
            const QStringList rows = Rows(road.screen);
            QCOMPARE(rows.size(), road.headingRows + 20 + 1);
            QCOMPARE(rows.last(), RemoveRow(kind));
        } else {
            QVERIFY(ClickRow(road.screen, "List1", actionRow + 1)); // the remove row
            QListWidget *removal = List(form, "List2");
            QVERIFY(removal->isVisible());
            QVERIFY(!List(form, "List1")->isVisible());
            QCOMPARE(Rows(road.screen, "List2"), Lines(kind, before, Values(kind, component)));
            session->yes();
            QVERIFY(ClickRow(road.screen, "List2", 0));
            QCOMPARE(session->dialogs.size(), 1);
            QCOMPARE(session->dialogs[0].name, road.removal);
            QCOMPARE(session->dialogs[0].labels,
                     (QStringList{"Убираете", "1-ую точку зависимости " + road.function + " ?"}));
            QCOMPARE(session->dialogs[0].position.y(), Placed(BottomTwips(removal) + road.removalGap));
            QCOMPARE(problem().RemovalPoint, 1);
            QCOMPARE(Arguments(kind, component), before.mid(1));
            const QStringList rows = Rows(road.screen);
            QCOMPARE(rows.size(), road.headingRows + road.smallest + 1);
            QCOMPARE(rows.last(), AddRow(kind));
            QCOMPARE(rows.at(road.headingRows), Line(kind, 1, before[1], Values(kind, component).first()));
        }
        QVERIFY(List(form, "List1")->isVisible());
        QVERIFY(Click(road.screen, "Command5"));
        QVERIFY(MenuShown());
    }

    void absentHeatsOfMixingAreEnteredAnew()
    {
        ScriptedSession session;
        QVERIFY(!problem().MixingHeat.Present);
        // Two points at one composition: the table is refused at the later one.
        session->answers({"30", "4"})
            .answers(PointAnswers({"0", "0.5", "0.5", "1"}, {"0", "-10", "-20", "0"}));
        QVERIFY(OpenFromMenu(Mixing, 1));
        QVERIFY(problem().MixingHeat.Present);
        const auto &p = session->prompts;
        QCOMPARE(p[0].title, QStringLiteral("Ввод температуры"));
        QCOMPARE(p[0].position, QPoint(2300, 2000));
        QCOMPARE(p[1].title,
                 QStringLiteral("Ввод кол-ва пар точек зависимости теплот смешения от концентрации"));
        QCOMPARE(p[2].title, QStringLiteral("ВВОД X  "));
        QCOMPARE(problem().Results.Text[ResT0], QStringLiteral("30"));
        FormBase *form = FindForm("Form32");
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Данные по теплотам смешения компонентов разделяемой смеси"));
        QCOMPARE(problem().BadPointIndex, 3);
        QCOMPARE(BackColour("Form32", "Command3"), Red);

        // "НЕ ИЗМЕНЯЕТЕ" with a faulty table: its own dialog, then the list.
        session->yes();
        QVERIFY(Click("Form32", "Command3"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form33"));
        QCOMPARE(session->dialogs.last().position.y(), Placed(195 * 4 + 2500));
        QCOMPARE(Rows("Form32").first(),
                 QStringLiteral("  Т-ра, при которой снималась зависимость DH=f(X) 30 Град.Цельсия"));
        session->answers({"0.6", "-20"});
        QVERIFY(ClickRow("Form32", "List1", 3));
        QVERIFY(Click("Form32", "Command5"));
        QVERIFY(MenuShown());
        QCOMPARE(Arguments(Mixing, 1), (QStringList{"0", "0.5", "0.6", "1"}));
        QCOMPARE(BackColour(Menu, "Command3"), QColor(128, 255, 128));
    }

    void absentCapacitiesAreEnteredForBothComponents_data()
    {
        QTest::addColumn<int>("component");
        QTest::newRow("more volatile button") << 1;
        QTest::newRow("less volatile button") << 2;
    }
    void absentCapacitiesAreEnteredForBothComponents()
    {
        QFETCH(int, component);
        ScriptedSession session;
        session->answer("2").answers(PointAnswers({"100", "20"}, {"1.2", "1"}));
        QVERIFY(OpenFromMenu(Capacity, component));
        QVERIFY(problem().VaporHeatCapacity.Present);
        QCOMPARE(problem().CurrentComponent, 1);
        QCOMPARE(session->prompts[0].title,
                 QStringLiteral("Ввод кол-ва пар точек зависимости теплоемкости от температуры"));
        QCOMPARE(session->prompts[1].title, QStringLiteral("ВВОД ТЕМПЕРАТУРЫ  "));
        QCOMPARE(session->prompts[1].text, QStringLiteral(" T [ 1 ] (Град.Цельсия) = "));
        session->answer("1").answers({"50", "2"});
        QVERIFY(Click("Form36", "Command3"));
        QCOMPARE(problem().CurrentComponent, 2);
        QVERIFY(FindForm("Form36")->windowTitle().contains(QStringLiteral("менее летучего")));
        QVERIFY(Click("Form36", "Command3"));
        QVERIFY(MenuShown());
        QCOMPARE(Arguments(Capacity, 1), (QStringList{"20", "100"}));
        QCOMPARE(Arguments(Capacity, 2), QStringList{"50"});
        QCOMPARE(BackColour(Menu, "Command4"), QColor(128, 255, 128));
        QVERIFY(!session->unansweredPromptsLeft());
    }

    // Component 1 finished through "КОНЕЦ ИСПРАВЛЕНИЙ" while component 2 has
    // no table yet: the second table is asked before the menu comes back.
    void firstCapacityCorrectedStillAsksTheSecond()
    {
        ScriptedSession session;
        session->answer("1").answers({"20", "9"});
        QVERIFY(OpenFromMenu(Capacity, 1));
        QVERIFY(Click("Form36", "Command4"));
        session->answers({"20", "1"});
        QVERIFY(ClickRow("Form36", "List1", 0));
        session->answer("1").answers({"30", "1.1"});
        QVERIFY(Click("Form36", "Command5"));
        QCOMPARE(problem().CurrentComponent, 2);
        QCOMPARE(problem().VaporHeatCapacity.N[2], 1);
        QVERIFY(!MenuShown());
        QVERIFY(Click("Form36", "Command3"));
        QVERIFY(MenuShown());
    }
};

QTEST_MAIN(ThermalChangeRoadsTest)
#include "tst_thermal_change_roads.moc"

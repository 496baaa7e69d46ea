#include "thermal_screen_driver.h"

#include "../engine/benzene_toluene_problem.h"
#include "input/input_screens.h"
#include "input/solution_change_menu.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "results/results_screens.h"

// The change road of the solution heat capacities: Form42 with its removal
// dialog Form43, the table of a new temperature on Form44, and the choice and
// correction of an existing table on Form47, each ending on the change-data
// menu Form24.

namespace {

const QString Form42 = QStringLiteral("Form42");
const QString Form44 = QStringLiteral("Form44");
const QString Form47 = QStringLiteral("Form47");

struct Table {
    QString t;
    QStringList xs, cs;
};

const Table A{"20", {"0", "0.5", "1"}, {"100", "120", "140"}};
const Table B{"50", {"0", "0.2", "0.6", "1"}, {"110", "125", "135", "150"}};
const Table C{"80", {"0", "0.1", "0.3", "0.5", "0.7", "1"}, {"115", "118", "126", "133", "141", "160"}};
const Table D{"110", {"0", "1"}, {"130", "170"}};
const Table E{"140", {"0", "1"}, {"140", "180"}};

SolutionHeatCapacitySet &Set()
{
    return problem().SolutionHeatCapacity;
}

// The set as the first-entry road leaves it.
void Give(const QList<Table> &tables)
{
    SolutionHeatCapacitySet &s = Set();
    s.NT = int(tables.size());
    for (int j = 1; j <= s.NT; ++j) {
        const Table &t = tables[j - 1];
        s.TText[j] = t.t;
        s.T[j] = StoredNumber(t.t);
        s.N[j] = int(t.xs.size());
        for (int i = 1; i <= s.N[j]; ++i) {
            s.XText[j][i] = t.xs[i - 1];
            s.X[j][i] = StoredNumber(t.xs[i - 1]);
            s.CText[j][i] = t.cs[i - 1];
            s.C[j][i] = StoredNumber(t.cs[i - 1]);
        }
    }
}

// Temperature j with its table, as the set holds it now.
Table Held(int j)
{
    Table t{Set().TText[j], {}, {}};
    for (int i = 1; i <= Set().N[j]; ++i) {
        t.xs << Set().XText[j][i];
        t.cs << Set().CText[j][i];
    }
    return t;
}

QStringList Temperatures()
{
    QStringList ts;
    for (int j = 1; j <= Set().NT; ++j)
        ts << Set().TText[j];
    return ts;
}

bool Same(const Table &a, const Table &b)
{
    return a.t == b.t && a.xs == b.xs && a.cs == b.cs;
}

void Open()
{
    RunHandler([] { OpenSolutionHeatCapacityChange(); });
}

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

QStringList SolutionLines(const Table &t)
{
    QStringList lines;
    for (int i = 0; i < t.xs.size(); ++i)
        lines << SolutionLine(i + 1, t.xs[i], t.cs[i]);
    return lines;
}

bool MenuIsBack()
{
    FormBase *menu = FindForm(QStringLiteral("Form24"));
    return menu && menu->isVisible() && !FindForm(Form42) && !FindForm(Form44) && !FindForm(Form47);
}

bool Visible(const QString &form, const QString &button)
{
    QPushButton *b = Button(FindForm(form), button);
    return b && b->isVisible();
}

const QString AddPoint = QStringLiteral("  Увеличение числа пар точек зависимости C=f(X)");
const QString RemovePoint = QStringLiteral("  Уменьшение числа пар точек зависимости C=f(X)");
const QString TemperatureRangeMessage =
    QStringLiteral("Ошибка: Температура в Град. Цельсия !!!    Продолжаете работу ?");

} // namespace

class SolutionChangeTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProblemState(problem()); }
    void cleanup() { DisposeAllForms(); }

    void theChangeDataMenuOpensTheChoices()
    {
        ScriptedSession session;
        Give({A, B});
        RunHandler([] { ShowChangeDataMenu(); });
        QVERIFY(Click(QStringLiteral("Form24"), "Command8"));
        QVERIFY(!FindForm(QStringLiteral("Form24")));
        QCOMPARE(LoadedForms().size(), 1);
        QVERIFY(FindForm(Form42)->isVisible());
    }

    void theMenuOffersTwoChoices()
    {
        ScriptedSession session;
        Give({A, B});
        Open();
        FormBase *form = FindForm(Form42);
        QVERIFY(form && form->isVisible());
        QCOMPARE(
            form->windowTitle(),
            QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА"));
        QCOMPARE(
            Label(form, "Label1")->text(),
            QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ\nКОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА"));
        QCOMPARE(Button(form, "Command1")->text(), QStringLiteral("Изменение количества температур"));
        QCOMPARE(Button(form, "Command2")->text(),
                 QStringLiteral("Изменение температур или зависимости С = f (X)"));
        QVERIFY(Visible(Form42, "Command1") && Visible(Form42, "Command2"));
        for (const char *hidden : {"Command3", "Command4", "Command5"})
            QVERIFY(!Visible(Form42, hidden));
        QVERIFY(!List(form, "List1")->isVisible());
    }

    // Five temperatures at most, one at least: the buttons offer only what keeps to that.
    void countButtonsKeepTheLimits_data()
    {
        QTest::addColumn<int>("nt");
        for (int nt = 1; nt <= 5; ++nt)
            QTest::addRow("NT = %d", nt) << nt;
    }
    void countButtonsKeepTheLimits()
    {
        QFETCH(int, nt);
        ScriptedSession session;
        Give(QList<Table>{A, B, C, D, E}.first(nt));
        Open();
        QVERIFY(Click(Form42, "Command1"));
        FormBase *form = FindForm(Form42);
        QCOMPARE(form->windowTitle(), QStringLiteral("КОРРЕКЦИЯ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        QCOMPARE(Visible(Form42, "Command3"), nt < 5);
        QCOMPARE(Visible(Form42, "Command4"), nt > 1);
        QVERIFY(!Visible(Form42, "Command1") && !Visible(Form42, "Command2"));
        QCOMPARE(Button(form, "Command3")->text(), QStringLiteral("УВЕЛИЧЕНИЕ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        QCOMPARE(Button(form, "Command4")->text(), QStringLiteral("УМЕНЬШЕНИЕ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        QCOMPARE(form->printedTexts().size(), nt);
        for (int j = 1; j <= nt; ++j) {
            const PrintedText &line = form->printedTexts()[j - 1];
            QCOMPARE(line.text, TemperatureLine(j, Set().TText[j]));
            QCOMPARE(QPoint(line.x, line.y), QPoint(4000, 195 * j + 1210));
        }
        // The buttons stand below the last line, the one not offered does not
        // leave a gap.
        const int top = PixelsToTwips((nt < 5 ? Button(form, "Command3") : Button(form, "Command4"))->y());
        QVERIFY(top > 195 * nt + 1210);

        // "КОНЕЦ ИСПРАВЛЕНИЙ", below them, leads back to the menu with nothing changed.
        QVERIFY(PixelsToTwips(Button(form, "Command5")->y()) > top);
        QVERIFY(Click(Form42, "Command5"));
        QVERIFY(MenuIsBack());
        QCOMPARE(Set().NT, nt);
        QVERIFY(Same(Held(nt), QList<Table>{A, B, C, D, E}[nt - 1]));
        QVERIFY(session->prompts.isEmpty());
    }

    // A new temperature is asked as the last one, its table typed on Form44;
    // the menu then shows the temperatures in order, each with its own table.
    void aTemperatureIsAddedWithItsTable_data()
    {
        QTest::addColumn<QList<Table>>("before");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QStringList>("sorted");
        QTest::addColumn<int>("newPlace");
        QTest::newRow("lower than the others")
            << QList<Table>{B, C} << QStringList{"10"} << 0 << QStringList{"10", "50", "80"} << 1;
        QTest::newRow("between two") << QList<Table>{A, C} << QStringList{"50"} << 0
                                     << QStringList{"20", "50", "80"} << 2;
        QTest::newRow("highest, the fifth") << QList<Table>{A, B, C, D} << QStringList{"400"} << 0
                                            << QStringList{"20", "50", "80", "110", "400"} << 5;
        QTest::newRow("out of range asked again") << QList<Table>{A} << QStringList{"400.5", "-273.5", "-273"}
                                                  << 2 << QStringList{"-273", "20"} << 1;
        QTest::newRow("comma read as a point")
            << QList<Table>{A} << QStringList{"35,5"} << 0 << QStringList{"20", "35.5"} << 2;
    }
    void aTemperatureIsAddedWithItsTable()
    {
        QFETCH(QList<Table>, before);
        QFETCH(QStringList, typed);
        QFETCH(int, messages);
        QFETCH(QStringList, sorted);
        QFETCH(int, newPlace);
        ScriptedSession session;
        Give(before);
        Open();
        QVERIFY(Click(Form42, "Command1"));
        for (int i = 0; i < messages; ++i)
            session->yes();
        session->answers(typed);
        const Table added{sorted[newPlace - 1], {"0", "0.4", "1"}, {"90", "95", "99"}};
        session->answers({"3", "1", "99", "0", "90", "0.4", "95"}); // typed out of order
        QVERIFY(Click(Form42, "Command3"));

        const int nt = int(before.size()) + 1;
        const auto &p = session->prompts;
        QCOMPARE(p[0].title, QStringLiteral("Ввод температуры"));
        QCOMPARE(p[0].text, QStringLiteral("Введите [%1] температуру (Град.Цельсия)").arg(nt));
        QCOMPARE(p[0].position, QPoint(2300, 2600));
        QCOMPARE(int(session->questions.size()), messages);
        for (const auto &q : session->questions)
            QCOMPARE(q.text, TemperatureRangeMessage);
        QCOMPARE(p[typed.size()].title,
                 QStringLiteral("Ввод кол-ва пар точек зависимости теплоемкости от концентрации"));

        QVERIFY(!FindForm(Form42));
        FormBase *form = FindForm(Form44);
        QVERIFY(form && form->isVisible());
        QCOMPARE(problem().CurrentComponent, nt);
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Зависимость теплоемкости от концентрации более летучего "
                                "компонента при температуре %1  Град.Цельсия")
                     .arg(added.t));
        QCOMPARE(form->printedLines().mid(2), SolutionLines(added));
        QCOMPARE(BackColour(Form44, "Command3"), Green);

        QVERIFY(Click(Form44, "Command3"));
        QVERIFY(MenuIsBack());
        QCOMPARE(Temperatures(), sorted);
        QVERIFY(Same(Held(newPlace), added));
        int old = 0;
        for (int j = 1; j <= nt; ++j)
            if (j != newPlace)
                QVERIFY(Same(Held(j), before[old++]));
        QVERIFY(!session->hasEnded());
        QVERIFY(!session->unansweredPromptsLeft());
    }

    void theNewTemperatureAsksAgainOrEnds()
    {
        ScriptedSession session;
        Give({A});
        Open();
        QVERIFY(Click(Form42, "Command1"));
        session->answer("-400").no();
        QVERIFY(Click(Form42, "Command3"));
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    // The table of the new temperature is checked like any other; its
    // correction list has no temperature row.
    void aFaultyNewTableIsCorrected()
    {
        ScriptedSession session;
        Give({A, B});
        Open();
        QVERIFY(Click(Form42, "Command1"));
        session->answers({"65", "2", "0", "100", "1", "4.9"});
        QVERIFY(Click(Form42, "Command3"));
        QCOMPARE(BackColour(Form44, "Command3"), Red);
        session->yes();
        QVERIFY(Click(Form44, "Command3"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form45"));
        QCOMPARE(session->dialogs.last().position.y(), Placed(195 * 2 + 2500));
        FormBase *form = FindForm(Form44);
        QCOMPARE(Rows(Form44),
                 (QStringList{SolutionLine(1, "0", "100"), SolutionLine(2, "1", "4.9"), AddPoint}));
        QCOMPARE(HeightTwips(List(form, "List1")), (2 + 2) * 195);
        QVERIFY(!Visible(Form44, "Command5"));

        session->answers({"1", "5"});
        QVERIFY(ClickRow(Form44, "List1", 1)); // point 2, counted from the first row
        QCOMPARE(session->prompts.last().text, QStringLiteral(" C [ 2 ] (Кдж/Кмоль*К) = "));
        QCOMPARE(session->prompts.last().position.y(), 195 * 2 + 2000);
        QCOMPARE(BackColour(Form44, "Command5"), Green);
        QVERIFY(Click(Form44, "Command5"));
        QVERIFY(MenuIsBack());
        QCOMPARE(Temperatures(), (QStringList{"20", "50", "65"}));
        QCOMPARE(Held(3).cs, (QStringList{"100", "5"}));
    }

    void noAfterTheFirstCheckEndsTheProgram()
    {
        ScriptedSession session;
        Give({A});
        Open();
        QVERIFY(Click(Form42, "Command1"));
        session->answers({"65", "2", "0", "100", "0", "110"}).no();
        QVERIFY(Click(Form42, "Command3"));
        QVERIFY(Click(Form44, "Command3"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form45"));
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    // Declining the correction after "КОНЕЦ ИСПРАВЛЕНИЙ" goes back to the
    // menu with the table as it is.
    void noAfterTheEndOfCorrectionsReturnsToTheMenu()
    {
        ScriptedSession session;
        problem() = BenzeneToluene::problem();
        Give({A});
        Open();
        QVERIFY(Click(Form42, "Command1"));
        session->answers({"65", "3", "0", "100", "0.5", "110", "1", "120"});
        QVERIFY(Click(Form42, "Command3"));
        QVERIFY(Click(Form44, "Command4"));
        QCOMPARE(Rows(Form44).mid(3), (QStringList{AddPoint, RemovePoint}));
        QCOMPARE(HeightTwips(List(FindForm(Form44), "List1")), (3 + 3) * 195);
        session->answers({"0.5", "3001"});
        QVERIFY(ClickRow(Form44, "List1", 2));
        QCOMPARE(BackColour(Form44, "Command5"), Red);
        session->no();
        QVERIFY(Click(Form44, "Command5"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form46"));
        QVERIFY(!session->hasEnded());
        QVERIFY(MenuIsBack());
        QCOMPARE(Held(2).cs, (QStringList{"100", "110", "3001"}));

        // The faulty table is kept, shown in the failure colour, and no
        // calculation runs with it: the menu names the set and stays.
        const QString menu = QStringLiteral("Form24");
        QCOMPARE(BackColour(menu, "Command8"), Red);
        QCOMPARE(BackColour(menu, "Command6"), QColor(128, 255, 128));
        QVERIFY(Click(menu, "Command9"));
        QVERIFY(!FindForm(QStringLiteral("Form23")));
        QCOMPARE(session->messages.size(), 1);
        QVERIFY2(session->messages[0].text.contains(QStringLiteral(
                     "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА")),
                 qPrintable(session->messages[0].text));
        QVERIFY(MenuIsBack());
    }

    void aPointOfTheNewTableIsRemoved_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("xs");
        QTest::newRow("Да") << true << QStringList{"0", "1"};
        QTest::newRow("Нет") << false << QStringList{"0", "0.5", "1"};
    }
    void aPointOfTheNewTableIsRemoved()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, xs);
        ScriptedSession session;
        Give({A});
        Open();
        QVERIFY(Click(Form42, "Command1"));
        session->answers({"65", "3", "0", "100", "0.5", "110", "1", "120"});
        QVERIFY(Click(Form42, "Command3"));
        QVERIFY(Click(Form44, "Command4"));
        QVERIFY(ClickRow(Form44, "List1", 4)); // remove row
        yes ? session->yes() : session->no();
        QVERIFY(ClickRow(Form44, "List2", 1));
        QCOMPARE(session->dialogs.last().labels,
                 (QStringList{"Убираете", "2-ую точку зависимости c=f(X) ?"}));
        QCOMPARE(Held(2).xs, xs);
        QVERIFY(Visible(Form44, "Command5"));
        QVERIFY(Click(Form44, "Command5"));
        QVERIFY(MenuIsBack());
    }

    // A temperature leaves with its table, whichever it is; "Нет" leaves the
    // set as it was. Either answer leads back to the menu.
    void aTemperatureIsRemovedWithItsTable_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<Table>>("after");
        QTest::newRow("first, Да") << 0 << true << QList<Table>{B, C};
        QTest::newRow("middle, Да") << 1 << true << QList<Table>{A, C};
        QTest::newRow("last, Да") << 2 << true << QList<Table>{A, B};
        QTest::newRow("first, Нет") << 0 << false << QList<Table>{A, B, C};
    }
    void aTemperatureIsRemovedWithItsTable()
    {
        QFETCH(int, row);
        QFETCH(bool, yes);
        QFETCH(QList<Table>, after);
        ScriptedSession session;
        Give({A, B, C});
        Open();
        QVERIFY(Click(Form42, "Command1"));
        QVERIFY(Click(Form42, "Command4"));
        FormBase *form = FindForm(Form42);
        QCOMPARE(Label(form, "Label1")->text(), QStringLiteral("УМЕНЬШЕНИЕ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        QVERIFY(Label(form, "Label3")->isVisible());
        QCOMPARE(
            Label(form, "Label3")->text(),
            QStringLiteral(" Подведите указатель мыши к   строке, информацию которой   Вы будете изымать и  "
                           "щёлкните левой кнопкой"));
        QVERIFY(form->printedTexts().isEmpty());
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!Visible(Form42, QStringLiteral("Command%1").arg(i)));
        QCOMPARE(Rows(Form42),
                 (QStringList{TemperatureLine(1, "20"), TemperatureLine(2, "50"), TemperatureLine(3, "80")}));
        QListWidget *list = List(form, "List1");
        QCOMPARE(HeightTwips(list), 195 * 3 + 195);
        const int listBottom = PixelsToTwips(list->geometry().bottom() + 1);

        yes ? session->yes() : session->no();
        const int beeps = session->beeps;
        QVERIFY(ClickRow(Form42, "List1", row));
        QCOMPARE(session->beeps, beeps + 1);
        QCOMPARE(problem().RemovalPoint, row + 1);
        const auto &dialog = session->dialogs.last();
        QCOMPARE(dialog.name, QStringLiteral("Form43"));
        QCOMPARE(dialog.labels,
                 (QStringList{"Убираете", QStringLiteral("%1-ую температуру ?").arg(row + 1)}));
        QCOMPARE(dialog.position.y(), Placed(listBottom + 2500));

        QVERIFY(MenuIsBack());
        QCOMPARE(Set().NT, int(after.size()));
        for (int j = 1; j <= Set().NT; ++j)
            QVERIFY(Same(Held(j), after[j - 1]));
        if (yes) {
            // The freed place holds nothing any more.
            QVERIFY(Set().TText[3].isEmpty());
            QCOMPARE(Set().N[3], 0);
            QVERIFY(Set().XText[3][1].isEmpty());
            QCOMPARE(Set().C[3][6], 0.0f);
        }
    }

    void removingTheOnlyTemperatureIsNotOffered()
    {
        ScriptedSession session;
        Give({A});
        Open();
        QVERIFY(Click(Form42, "Command1"));
        QVERIFY(!Click(Form42, "Command4"));
        QCOMPARE(Set().NT, 1);
    }

    // One button per temperature on Form47, the others hidden.
    void temperatureButtons_data()
    {
        QTest::addColumn<int>("nt");
        for (int nt = 1; nt <= 5; ++nt)
            QTest::addRow("NT = %d", nt) << nt;
    }
    void temperatureButtons()
    {
        QFETCH(int, nt);
        ScriptedSession session;
        const QList<Table> all{A, B, C, D, E};
        Give(all.first(nt));
        Open();
        QVERIFY(Click(Form42, "Command2"));
        QVERIFY(!FindForm(Form42));
        FormBase *form = FindForm(Form47);
        QVERIFY(form && form->isVisible());
        QCOMPARE(
            form->windowTitle(),
            QStringLiteral("Зависимость теплоемкости раствора от концентрации более летучего компонента"));
        QCOMPARE(Label(form, "Label1")->text(),
                 QStringLiteral("ВЫБЕРИТЕ ТЕМПЕРАТУРУ, ДЛЯ КОТОРОЙ ВЫ БУДЕТЕ ВНОСИТЬ ИСПРАВЛЕНИЯ"));
        QVERIFY(Label(form, "Label1")->isVisible());
        int previousBottom = 0;
        for (int index = 0; index < 5; ++index) {
            QPushButton *button = Button(form, QStringLiteral("Command1(%1)").arg(index));
            QVERIFY(button);
            QCOMPARE(button->isVisible(), index < nt);
            if (index < nt) {
                QCOMPARE(button->text(),
                         QStringLiteral("T(%1) = %2 Град. Цельсия").arg(index + 1).arg(all[index].t));
                QVERIFY(button->y() > previousBottom);
                previousBottom = button->geometry().bottom();
            }
        }
        for (const char *hidden : {"List1", "List2"})
            QVERIFY(!List(form, hidden)->isVisible());
        QVERIFY(!Visible(Form47, "Command5"));
    }

    // A temperature corrected past its neighbours takes its place, with its
    // table, when the menu is shown again.
    void aTemperatureCorrectedPastItsNeighbours()
    {
        ScriptedSession session;
        Give({A, B, C});
        Open();
        QVERIFY(Click(Form42, "Command2"));
        QVERIFY(Click(Form47, "Command1(0)"));
        FormBase *form = FindForm(Form47);
        QCOMPARE(problem().CurrentComponent, 1);
        QCOMPARE(Rows(Form47), (QStringList{"  Температура C=f(X) 20 Град.Цельсия"} + SolutionLines(A) +
                                QStringList{AddPoint, RemovePoint}));
        QCOMPARE(HeightTwips(List(form, "List1")), (3 + 4) * 195);
        QCOMPARE(Label(form, "Label1")->text(),
                 QStringLiteral(
                     "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ ПРИ ТЕМПЕРАТУРЕ 20 Град.Цельсия"));
        QVERIFY(Label(form, "Label3")->isVisible());
        QVERIFY(!Visible(Form47, "Command5"));
        for (int index = 0; index < 3; ++index)
            QVERIFY(!Visible(Form47, QStringLiteral("Command1(%1)").arg(index)));

        session->answer("401").yes().answer("90");
        QVERIFY(ClickRow(Form47, "List1", 0));
        QCOMPARE(session->prompts.first().title, QStringLiteral("Ввод температуры"));
        QCOMPARE(session->prompts.first().position, QPoint(2300, 2100));
        QCOMPARE(session->questions.first().text, TemperatureRangeMessage);
        QCOMPARE(Rows(Form47).first(), QStringLiteral("  Температура 90 Град.Цельсия"));
        QVERIFY(Label(form, "Label1")->text().contains(QStringLiteral("ТЕМПЕРАТУРЕ 90 Град")));
        QCOMPARE(BackColour(Form47, "Command5"), Green);
        QVERIFY(Click(Form47, "Command5"));
        QVERIFY(MenuIsBack());
        QCOMPARE(Temperatures(), (QStringList{"50", "80", "90"}));
        QVERIFY(Same(Held(1), B));
        QVERIFY(Same(Held(2), C));
        QCOMPARE(Held(3).cs, A.cs);
    }

    void aPointIsCorrected_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("xs");
        QTest::addColumn<bool>("faulty");
        QTest::newRow("X moved past its neighbour")
            << 1 << QStringList{"0.7", "130"} << QStringList{"0.2", "0.6", "0.7", "1"} << false;
        QTest::newRow("C below 5") << 2 << QStringList{"0.2", "4.9"} << QStringList{"0", "0.2", "0.6", "1"}
                                   << true;
        QTest::newRow("two points at one X")
            << 4 << QStringList{"0.6", "150"} << QStringList{"0", "0.2", "0.6", "0.6"} << true;
        QTest::newRow("X above 1") << 4 << QStringList{"1.01", "150"}
                                   << QStringList{"0", "0.2", "0.6", "1.01"} << true;
    }
    void aPointIsCorrected()
    {
        QFETCH(int, row);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, xs);
        QFETCH(bool, faulty);
        ScriptedSession session;
        Give({A, B});
        Open();
        QVERIFY(Click(Form42, "Command2"));
        QVERIFY(Click(Form47, "Command1(1)"));
        QCOMPARE(problem().CurrentComponent, 2);
        session->answers(typed);
        QVERIFY(ClickRow(Form47, "List1", row));
        const auto &p = session->prompts;
        QCOMPARE(p[0].title, QStringLiteral("ВВОД КОНЦЕНТРАЦИИ  "));
        QCOMPARE(p[1].title, QStringLiteral("ВВОД ТЕПЛОЕМКОСТИ "));
        QCOMPARE(p[1].position.y(), 195 * row + 2000);
        QCOMPARE(Held(2).xs, xs);
        QCOMPARE(Rows(Form47).first(), QStringLiteral("  Температура 50 Град.Цельсия"));
        QCOMPARE(BackColour(Form47, "Command5"), faulty ? Red : Green);
        if (faulty)
            session->yes();
        QVERIFY(Click(Form47, "Command5"));
        if (!faulty) {
            QVERIFY(MenuIsBack());
            QVERIFY(Same(Held(1), A));
            return;
        }
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form49"));
        FormBase *form = FindForm(Form47);
        QVERIFY(form && form->isVisible());
        QCOMPARE(Rows(Form47).first(),
                 QStringLiteral("  Т-ра, при которой снималась зависимость C=f(X) 50 Град.Цельсия"));
        QVERIFY(!Label(form, "Label2")->isVisible());
        QVERIFY(!Visible(Form47, "Command5"));
        for (int index = 0; index < 5; ++index)
            QVERIFY(!Visible(Form47, QStringLiteral("Command1(%1)").arg(index)));
    }

    void noInTheErrorDialogOfACorrectedTableEndsTheProgram()
    {
        ScriptedSession session;
        Give({A});
        Open();
        QVERIFY(Click(Form42, "Command2"));
        QVERIFY(Click(Form47, "Command1(0)"));
        session->answers({"0", "3000.5"}).no();
        QVERIFY(ClickRow(Form47, "List1", 1));
        QVERIFY(Click(Form47, "Command5"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form49"));
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    // The heading keeps naming the temperature while a point is chosen for removal.
    void aPointOfAnExistingTableIsRemoved_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("xs");
        QTest::newRow("Да") << true << QStringList{"0", "0.6", "1"};
        QTest::newRow("Нет") << false << QStringList{"0", "0.2", "0.6", "1"};
    }
    void aPointOfAnExistingTableIsRemoved()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, xs);
        ScriptedSession session;
        Give({A, B});
        Open();
        QVERIFY(Click(Form42, "Command2"));
        QVERIFY(Click(Form47, "Command1(1)"));
        QVERIFY(ClickRow(Form47, "List1", 6)); // 1 temperature + 4 points + add, then remove
        FormBase *form = FindForm(Form47);
        const QString heading = QStringLiteral(
            "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ ПРИ ТЕМПЕРАТУРЕ 50 Град.Цельсия");
        QVERIFY(Label(form, "Label1")->isVisible());
        QCOMPARE(Label(form, "Label1")->text(), heading);
        QCOMPARE(Rows(Form47, "List2"), SolutionLines(B));
        const int listBottom = PixelsToTwips(List(form, "List2")->geometry().bottom() + 1);
        yes ? session->yes() : session->no();
        QVERIFY(ClickRow(Form47, "List2", 1));
        const auto &dialog = session->dialogs.last();
        QCOMPARE(dialog.name, QStringLiteral("Form48"));
        QCOMPARE(dialog.labels, (QStringList{"Убираете", "2-ую точку зависимости C=f(X) ?"}));
        QCOMPARE(dialog.position.y(), Placed(listBottom + 500));
        QCOMPARE(Held(2).xs, xs);
        QCOMPARE(Label(form, "Label1")->text(), heading);
        QCOMPARE(
            form->windowTitle(),
            QStringLiteral("Зависимость теплоемкости раствора от концентрации более летучего компонента"));
        QVERIFY(Visible(Form47, "Command5"));
        QVERIFY(Click(Form47, "Command5"));
        QVERIFY(MenuIsBack());
    }
};

QTEST_MAIN(SolutionChangeTest)
#include "tst_solution_change.moc"

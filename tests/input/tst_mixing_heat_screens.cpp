#include "thermal_screen_driver.h"

#include "input/input_screens.h"
#include "model/problem_data.h"
#include "model/text.h"

#include <QApplication>

// The heat-of-mixing question, entry, printed table, correction list and
// removal, driven through the screens.

namespace {

const QString Form9 = QStringLiteral("Form9");

QString MixingLine(int i, const QString &x, const QString &dh)
{
    const int w = i < 10 ? 20 : 19;
    return QStringLiteral("  X[%1] (мольн.д) =").arg(i) + x + PadSpaces(x, w) +
           QStringLiteral("DH[%1] (Кдж/Кмоль) =").arg(i) + dh + PadSpaces(dh, w);
}

// Starts the question and answers "Данные имеются" with the temperature,
// count and points given.
void EnterMixingTable(ScriptedPlatform &p, const QString &temperature, const QStringList &xs,
                      const QStringList &dhs)
{
    AskMixingHeatQuestion();
    p.answer(temperature).answer(QString::number(xs.size())).answers(PointAnswers(xs, dhs));
    QVERIFY(Click(Form9, QStringLiteral("Command1")));
}

QStringList Numbers(int from, int count, double step, double start)
{
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << QString::number(start + step * (from + i), 'g', 6);
    return values;
}

} // namespace

class MixingHeatScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProblemState(problem()); }

    void questionScreen()
    {
        ScriptedSession session;
        AskMixingHeatQuestion();
        FormBase *form = FindForm(Form9);
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Данные по теплотам смешения компонентов разделяемой смеси"));
        QVERIFY(Label(form, "Label1")
                    ->text()
                    .startsWith(QStringLiteral("Имеются ли у Вас данные по теплотам смешения\n"
                                               "компонентов разделяемой смеси?\n")));
        QCOMPARE(Label(form, "Label1")->y(), TwipsToPixels(2000));
        QPushButton *yes = Button(form, "Command1");
        QPushButton *no = Button(form, "Command2");
        QCOMPARE(yes->text(), QStringLiteral("Данные имеются"));
        QCOMPARE(no->text(), QStringLiteral("Данные отсутствуют"));
        QCOMPARE(yes->y(), no->y());
        QCOMPARE(PixelsToTwips(yes->y()),
                 Placed(PixelsToTwips(Label(form, "Label1")->geometry().bottom() + 1) + 200));
        const int left = yes->x(), middle = no->x() - yes->geometry().right() - 1,
                  right = form->width() - no->geometry().right() - 1;
        QVERIFY(qAbs(left - middle) <= 1 && qAbs(middle - right) <= 1);
        QCOMPARE(no->focusPolicy(), Qt::ClickFocus);
        for (const char *hidden : {"Command3", "Command4", "Command5"})
            QVERIFY(!Button(form, hidden)->isVisible());
        QVERIFY(!List(form, "List1")->isVisible());
    }

    void noDataGoesOnToVapourHeatCapacities()
    {
        ScriptedSession session;
        problem().MixingHeat.Present = true;
        AskMixingHeatQuestion();
        QVERIFY(Click(Form9, "Command2"));
        QVERIFY(!problem().MixingHeat.Present);
        QVERIFY(FindForm("Form12"));
        QVERIFY(!FindForm(Form9));
        QVERIFY(session->prompts.isEmpty());
    }

    void entryPromptsListAndPrintedTable()
    {
        ScriptedSession session;
        EnterMixingTable(session.platform(), "25,5", {"0.5", "0", "1", ".25"}, {"-700", "0", "0", "-500,5"});
        FormBase *form = FindForm(Form9);
        const auto &p = session->prompts;
        QCOMPARE(p.size(), 10);
        QCOMPARE(p[0].title, QStringLiteral("Ввод температуры"));
        QCOMPARE(p[0].text,
                 QStringLiteral("Введите температуру, для которой у Вас есть данные(Град.Цельсия)"));
        QCOMPARE(p[0].position, QPoint(2300, 2000));
        QCOMPARE(p[1].title,
                 QStringLiteral("Ввод кол-ва пар точек зависимости теплот смешения от концентрации"));
        QCOMPARE(p[1].text, QStringLiteral("Сколько пар точек будете вводить"));
        QCOMPARE(p[1].position, QPoint(2300, 2000));
        const int listLeft = PixelsToTwips(List(form, "List1")->x());
        for (int i = 1; i <= 4; ++i) {
            const auto &x = p[2 * i];
            const auto &dh = p[2 * i + 1];
            QCOMPARE(x.title, QStringLiteral("ВВОД X  "));
            QCOMPARE(x.text, QStringLiteral(" X [ %1 ] (мольн.д) = ").arg(i));
            QCOMPARE(x.position, QPoint(listLeft + 320, 195 * i + 1230));
            QCOMPARE(dh.title, QStringLiteral("ВВОД ТЕПЛОТЫ СМЕШЕНИЯ "));
            QCOMPARE(dh.text, QStringLiteral(" DH [ %1 ] (Кдж/Кмоль) = ").arg(i));
            QCOMPARE(dh.position, QPoint(listLeft + 3450, 195 * i + 1230));
        }
        const MixingHeatTable &t = problem().MixingHeat;
        QVERIFY(t.Present);
        QCOMPARE(problem().Results.Text[ResT0], QStringLiteral("25.5"));
        QCOMPARE(problem().Results(ResT0), 25.5f);
        QCOMPARE(t.N, 4);
        QCOMPARE((QStringList{t.XText[1], t.XText[2], t.XText[3], t.XText[4]}),
                 (QStringList{"0", ".25", "0.5", "1"}));
        QCOMPARE(t.DHText[2], QStringLiteral("-500.5"));
        QCOMPARE(t.DH[2], -500.5f);

        // The printed table: headings centred, one line per point.
        const QList<PrintedText> printed = form->printedTexts();
        QCOMPARE(printed.size(), 7);
        QCOMPARE(printed[0].text, QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОТ СМЕШЕНИЯ ОТ КОНЦЕНТРАЦИИ"));
        QCOMPARE(printed[0].y, 500);
        QVERIFY(printed[0].bold);
        // Centred by the width of its text in 10-point bold.
        QFont heading = printed[0].font;
        heading.setBold(true);
        QCOMPARE(heading.pointSize(), 10);
        const int width = QFontMetrics(heading).horizontalAdvance(printed[0].text);
        QVERIFY(qAbs(TwipsToPixels(printed[0].x) + width / 2 - form->width() / 2) <= 1);
        QCOMPARE(printed[2].text, QStringLiteral("ПРИ ТЕМПЕРАТУРЕ 25.5 Град.Цельсмя"));
        QCOMPARE(printed[2].y, 900);
        QCOMPARE(printed[3].text, MixingLine(1, "0", "0"));
        QCOMPARE(printed[4].text, MixingLine(2, ".25", "-500.5"));
        QCOMPARE(printed[6].text, MixingLine(4, "1", "0"));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(printed[2 + i].x, 530);
            QCOMPARE(printed[2 + i].y, 195 * i + 1210);
            QVERIFY(!printed[2 + i].bold);
        }
        QVERIFY(!List(form, "List1")->isVisible());
        QCOMPARE(PixelsToTwips(Button(form, "Command3")->y()), Placed(195 * 4 + 2795));
        QCOMPARE(BackColour(Form9, "Command3"), Green);
        QVERIFY(Button(form, "Command4")->isVisible());
        QCOMPARE(Button(form, "Command3")->focusPolicy(), Qt::StrongFocus);

        QVERIFY(Click(Form9, "Command3"));
        QVERIFY(FindForm("Form12"));
        QVERIFY(!FindForm(Form9));
    }

    void lineColumnsStayAlignedFromIndexTen()
    {
        const QString one = MixingLine(9, "0.95", "-10");
        const QString ten = MixingLine(10, "0.95", "-10");
        QCOMPARE(one.indexOf("DH["), ten.indexOf("DH["));
        QCOMPARE(one.size(), ten.size());
    }

    void temperatureRange_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<float>("stored");
        QTest::newRow("-273 accepted") << QStringList{"-273"} << -273.0f;
        QTest::newRow("400 accepted") << QStringList{"400"} << 400.0f;
        QTest::newRow("400.1 refused") << QStringList{"400.1", "20"} << 20.0f;
        QTest::newRow("-273.1 and letters refused") << QStringList{"-273.1", "abc", "0"} << 0.0f;
    }
    void temperatureRange()
    {
        QFETCH(QStringList, typed);
        QFETCH(float, stored);
        ScriptedSession session;
        for (int i = 1; i < typed.size(); ++i)
            session->yes();
        AskMixingHeatQuestion();
        session->answers(typed).answer("4").answers(
            PointAnswers({"0", "0.3", "0.6", "1"}, {"0", "-1", "-1", "0"}));
        QVERIFY(Click(Form9, "Command1"));
        QCOMPARE(problem().Results(ResT0), stored);
        QCOMPARE(session->questions.size(), typed.size() - 1);
        for (const auto &q : session->questions)
            QCOMPARE(q.text,
                     QStringLiteral("Ошибка: Температура в Град. Цельсия !!!    Продолжаете работу ?"));
    }

    void countTestedBeforeRounding_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("count");
        QTest::newRow("4") << QStringList{"4"} << 4;
        QTest::newRow("3.6 refused though it rounds to 4") << QStringList{"3.6", "5"} << 5;
        QTest::newRow("20.5 refused") << QStringList{"20.5", "4.5"} << 4;
        QTest::newRow("19.5 rounds to even 20") << QStringList{"19.5"} << 20;
        QTest::newRow("empty and letters refused") << QStringList{QString(), "x", "6"} << 6;
    }
    void countTestedBeforeRounding()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, count);
        ScriptedSession session;
        for (int i = 1; i < typed.size(); ++i)
            session->yes();
        AskMixingHeatQuestion();
        session->answer("20").answers(typed);
        for (int i = 0; i < count; ++i)
            session->answer(QString::number(i / 100.0)).answer("-1");
        QVERIFY(Click(Form9, "Command1"));
        QCOMPARE(problem().MixingHeat.N, count);
        QCOMPARE(session->questions.size(), typed.size() - 1);
        for (const auto &q : session->questions) {
            QCOMPARE(q.title, QStringLiteral("ОШИБКА !"));
            QCOMPARE(q.text, QStringLiteral("Количество пар от 4-x до 20-ти !!!    Продолжаете работу ?"));
        }
        QCOMPARE(session->beeps, typed.size() - 1);
        QVERIFY(!session->unansweredPromptsLeft());
    }

    void noInCountBoxEndsTheProgram()
    {
        ScriptedSession session;
        AskMixingHeatQuestion();
        session->answer("20").answer("2").no();
        QVERIFY(Click(Form9, "Command1"));
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void faultyTableThroughWarningToCorrection()
    {
        ScriptedSession session;
        // X = 0 with a heat of mixing: the pure component breaks the table at point 1.
        EnterMixingTable(session.platform(), "20", {"0", "0.4", "0.6", "1"}, {"5", "-10", "-10", "0"});
        QCOMPARE(problem().BadPointIndex, 1);
        QCOMPARE(BackColour(Form9, "Command3"), Red);
        QCOMPARE(Button(FindForm(Form9), "Command4")->focusPolicy(), Qt::StrongFocus);

        session->yes();
        const int beeps = session->beeps;
        QVERIFY(Click(Form9, "Command3"));
        QCOMPARE(session->beeps, beeps + 1);
        QCOMPARE(session->dialogs.size(), 1);
        QCOMPARE(session->dialogs[0].name, QStringLiteral("Form10"));
        QCOMPARE(session->dialogs[0].position.y(), Placed(195 * 4 + 2500));
        QCOMPARE(session->dialogs[0].labels,
                 (QStringList{"Ошибка в исходной информации.", "Изменяете исходную информацию?"}));
        // "Да" leads to the correction list with the temperature row in its long form.
        FormBase *form = FindForm(Form9);
        QCOMPARE(
            Rows(Form9),
            (QStringList{"  Т-ра, при которой снималась зависимость DH=f(X) 20 Град.Цельсия",
                         MixingLine(1, "0", "5"), MixingLine(2, "0.4", "-10"), MixingLine(3, "0.6", "-10"),
                         MixingLine(4, "1", "0"), "  Увеличение числа пар точек зависимости DH=f(X)"}));
        QCOMPARE(HeightTwips(List(form, "List1")), (4 + 3) * 195);
        QVERIFY(Label(form, "Label3")->isVisible());
        QCOMPARE(PixelsToTwips(Label(form, "Label3")->y()),
                 Placed(PixelsToTwips(List(form, "List1")->geometry().bottom() + 1) + 200));
        QVERIFY(!Label(form, "Label2")->isVisible());
        QVERIFY(!Button(form, "Command5")->isVisible());
        QVERIFY(form->printedTexts().isEmpty());

        // Point 1 corrected in place: its prompts sit at its row.
        session->answers({"0", "0"});
        QVERIFY(ClickRow(Form9, "List1", 1));
        QCOMPARE(session->prompts.last().position.y(), 195 * 1 + 2000);
        QCOMPARE(session->prompts.last().title, QStringLiteral("ВВОД ТЕПЛОТЫ СМЕШЕНИЯ "));
        QCOMPARE(Rows(Form9).at(1), MixingLine(1, "0", "0"));
        QCOMPARE(Rows(Form9).at(0),
                 QStringLiteral("  Т-ра, при которой снималась зависимость DH=f(X) 20 Град.Цельсия"));
        QVERIFY(Button(form, "Command5")->isVisible());
        QCOMPARE(BackColour(Form9, "Command5"), Green);
        QVERIFY(!Label(form, "Label3")->isVisible());

        QVERIFY(Click(Form9, "Command5"));
        QVERIFY(FindForm("Form12"));
    }

    void highlightLiesOverTheFaultyLine()
    {
        ScriptedSession session;
        EnterMixingTable(session.platform(), "20", {"0.1", "0.4", "0.4", "0.9"}, {"-5", "-10", "-10", "-5"});
        QCOMPARE(problem().BadPointIndex, 3);
        // The dialog is answered "Нет": the screen stays as the student saw it.
        session->no();
        FormBase *form = FindForm(Form9);
        QLabel *highlight = Label(form, "Label2");
        QVERIFY(Click(Form9, "Command3"));
        QVERIFY(session->hasEnded());
        QCOMPARE(highlight->text(), MixingLine(3, "0.4", "-10"));
        // 10000 twips wide as far as the window reaches.
        QCOMPARE(highlight->geometry(), QRect(TwipsToPixels(510), TwipsToPixels(195 * 3 + 1210),
                                              form->width() - TwipsToPixels(510), TwipsToPixels(200)));
        QVERIFY(LoadedForms().isEmpty());
    }

    void temperatureRowCorrection()
    {
        ScriptedSession session;
        EnterMixingTable(session.platform(), "20", {"0.1", "0.5", "0.7", "0.9"}, {"-5", "-10", "-10", "-5"});
        QVERIFY(Click(Form9, "Command4"));
        QCOMPARE(Rows(Form9).at(0), QStringLiteral("  Температура DH=f(X) 20 Град.Цельсия"));
        session->answers({"500", "35"}).yes();
        QVERIFY(ClickRow(Form9, "List1", 0));
        QCOMPARE(session->prompts.last().position, QPoint(2300, 2100));
        QCOMPARE(problem().Results.Text[ResT0], QStringLiteral("35"));
        QCOMPARE(Rows(Form9).at(0),
                 QStringLiteral("  Т-ра, при которой снималась зависимость DH=f(X) 35 Град.Цельсия"));
    }

    void actionRowsByCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("actionRows");
        const QString add = QStringLiteral("  Увеличение числа пар точек зависимости DH=f(X)");
        const QString remove = QStringLiteral("  Уменьшение числа пар точек зависимости DH=f(X)");
        QTest::newRow("4: add only") << 4 << QStringList{add};
        QTest::newRow("5: both") << 5 << QStringList{add, remove};
        QTest::newRow("19: both") << 19 << QStringList{add, remove};
        QTest::newRow("20: remove only") << 20 << QStringList{remove};
    }
    void actionRowsByCount()
    {
        QFETCH(int, count);
        QFETCH(QStringList, actionRows);
        ScriptedSession session;
        EnterMixingTable(session.platform(), "20", Numbers(1, count, 0.04, 0), Numbers(0, count, 0, -100));
        QVERIFY(Click(Form9, "Command4"));
        const QStringList rows = Rows(Form9);
        QCOMPARE(rows.size(), 1 + count + actionRows.size());
        QCOMPARE(rows.mid(1 + count), actionRows);
        QCOMPARE(HeightTwips(List(FindForm(Form9), "List1")), (count + 2 + int(actionRows.size())) * 195);
        QCOMPARE(rows.at(count), MixingLine(count, problem().MixingHeat.XText[count], "-100"));
    }

    void addRowPlacesTheNewPointInOrder()
    {
        ScriptedSession session;
        EnterMixingTable(session.platform(), "20", {"0.2", "0.4", "0.6", "0.8"}, {"-5", "-10", "-10", "-5"});
        QVERIFY(Click(Form9, "Command4"));
        session->answers({"0.1", "-3"});
        QVERIFY(ClickRow(Form9, "List1", 5));
        QCOMPARE(session->prompts.at(session->prompts.size() - 2).position.y(), 195 * 5 + 2100);
        QCOMPARE(session->prompts.last().text, QStringLiteral(" DH [ 5 ] (Кдж/Кмоль) = "));
        QCOMPARE(problem().MixingHeat.N, 5);
        QCOMPARE(Rows(Form9).at(1), MixingLine(1, "0.1", "-3"));
        QCOMPARE(Rows(Form9).size(), 1 + 5 + 2);
    }

    void removingAPointRenumbersTheRest()
    {
        ScriptedSession session;
        EnterMixingTable(session.platform(), "20", {"0.1", "0.2", "0.3", "0.4", "0.5"},
                         {"-1", "-2", "-3", "-4", "-5"});
        QVERIFY(Click(Form9, "Command4"));
        QVERIFY(ClickRow(Form9, "List1", 7)); // the remove row
        FormBase *form = FindForm(Form9);
        QVERIFY(!List(form, "List1")->isVisible());
        QListWidget *removal = List(form, "List2");
        QVERIFY(removal->isVisible());
        QCOMPARE(Rows(Form9, "List2").size(), 5);
        QCOMPARE(HeightTwips(removal), 195 * 5 + 195);
        QCOMPARE(PixelsToTwips(Label(form, "Label4")->y()),
                 PixelsToTwips(removal->geometry().bottom() + 1) + 300);
        // "Нет" keeps the table.
        session->no();
        QVERIFY(ClickRow(Form9, "List2", 1));
        QCOMPARE(problem().MixingHeat.N, 5);
        QVERIFY(List(form, "List1")->isVisible());
        // "Да" removes point 2.
        QVERIFY(ClickRow(Form9, "List1", 7));
        session->yes();
        QVERIFY(ClickRow(Form9, "List2", 1));
        const auto &dialog = session->dialogs.last();
        QCOMPARE(dialog.name, QStringLiteral("Form11"));
        QCOMPARE(dialog.labels, (QStringList{"Убираете", "2-ую точку зависимости DH=f(X) ?"}));
        QCOMPARE(dialog.position.y(), Placed(PixelsToTwips(removal->geometry().bottom() + 1) + 500));
        QCOMPARE(problem().RemovalPoint, 2);
        QCOMPARE(problem().MixingHeat.N, 4);
        QCOMPARE(Rows(Form9).mid(1, 4),
                 (QStringList{MixingLine(1, "0.1", "-1"), MixingLine(2, "0.3", "-3"),
                              MixingLine(3, "0.4", "-4"), MixingLine(4, "0.5", "-5")}));
        QVERIFY(!removal->isVisible());
        QVERIFY(Button(form, "Command5")->isVisible());
    }

    void endOfCorrectionsWithAFaultShowsTheDialogAgain()
    {
        ScriptedSession session;
        EnterMixingTable(session.platform(), "20", {"0.1", "0.2", "0.3", "0.4"}, {"-1", "-2", "-3", "-4"});
        QVERIFY(Click(Form9, "Command4"));
        session->answers({"0.3", "31000"});
        QVERIFY(ClickRow(Form9, "List1", 2));
        QCOMPARE(BackColour(Form9, "Command5"), Red);
        session->yes();
        QVERIFY(Click(Form9, "Command5"));
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form10"));
        QCOMPARE(problem().BadPointIndex, 2); // sorted: 0.1, 0.3 (31000), 0.3, 0.4
        QVERIFY(List(FindForm(Form9), "List1")->isVisible());
        QVERIFY(FindForm(Form9));
    }
};

QTEST_MAIN(MixingHeatScreensTest)
#include "tst_mixing_heat_screens.moc"

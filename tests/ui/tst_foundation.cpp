#include "app/start_screen.h"
#include "model/problem_data.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"
#include "ui/prompts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class FoundationTest : public QObject {
    Q_OBJECT
private slots:
    void countPrompt_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("errorBoxes");
        QTest::newRow("7.5 rounds to 8") << QStringList{"7.5"} << 8 << 0;
        QTest::newRow("20.5 rounds to 20") << QStringList{"20.5"} << 20 << 0;
        QTest::newRow("21 refused, then 12") << QStringList{"21", "12"} << 12 << 1;
        QTest::newRow("cancelled, then comma") << QStringList{QString(), "9,4"} << 9 << 1;
        QTest::newRow("letters, huge, then 8") << QStringList{"abc", "1e39", "8"} << 8 << 2;
    }
    void countPrompt()
    {
        QFETCH(QStringList, typed);
        QFETCH(int, count);
        QFETCH(int, errorBoxes);
        ScriptedSession session;
        session->answers(typed);
        for (int i = 0; i < errorBoxes; ++i)
            session->yes();
        const int result = PromptCount(QStringLiteral("Ввод кол-ва пар равн. зависимости"),
                                       QStringLiteral("Сколько пар равновесных точек будете вводить"), 2000,
                                       2300, 8, 20, QStringLiteral("Количество пар от 8 до 20 !!!"));
        QCOMPARE(result, count);
        QCOMPARE(session->questions.size(), errorBoxes);
        QCOMPARE(session->beeps, errorBoxes);
        if (errorBoxes > 0) {
            QCOMPARE(session->questions.first().title, QStringLiteral("ОШИБКА !"));
            QCOMPARE(session->questions.first().text,
                     QStringLiteral("Количество пар от 8 до 20 !!!    Продолжаете работу ?"));
        }
        QCOMPARE(session->prompts.first().position, QPoint(2000, 2300));
    }

    void countPromptNoEndsTheProgram()
    {
        ScriptedSession session;
        session->answer(QStringLiteral("3")).no();
        bool returned = false;
        RunHandler([&] {
            PromptCount(QStringLiteral("t"), QStringLiteral("p"), 0, 0, 8, 20, QStringLiteral("m"));
            returned = true;
        });
        QVERIFY(!returned);
        QVERIFY(session->hasEnded());
        QVERIFY(!session->unansweredPromptsLeft());
    }

    void warningDialogLayoutAndAnswers()
    {
        ScriptedSession session;
        session->yes();
        ShowWarningDialog(QStringLiteral("Form3"), 1000, 7000);
        QCOMPARE(session->dialogs.size(), 1);
        const auto dialog = session->dialogs.first();
        QCOMPARE(dialog.name, QStringLiteral("Form3"));
        QCOMPARE(dialog.labels, (QStringList{QStringLiteral("Ошибка в исходной информации."),
                                             QStringLiteral("Изменяете исходную информацию?")}));
        QCOMPARE(dialog.position, QPoint(1005, 7005)); // placed to the nearest pixel
        QVERIFY(!session->hasEnded());

        session->no();
        bool returned = false;
        RunHandler([&] {
            ShowWarningDialog(QStringLiteral("Form27"), 0, 7000);
            returned = true;
        });
        QVERIFY(!returned);
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void warningDialogButtonsSplitTheWidthInThreeGaps()
    {
        QuestionDialog dialog(QStringLiteral("Form3"), QStringLiteral("a"), QStringLiteral("b"), Answer::Yes);
        auto *yes = dialog.findChild<QPushButton *>(QStringLiteral("Command1"));
        auto *no = dialog.findChild<QPushButton *>(QStringLiteral("Command2"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Внимание !"));
        QCOMPARE(dialog.size(), QSize(320, 120));
        const int leftGap = yes->x();
        const int middleGap = no->x() - yes->geometry().right() - 1;
        const int rightGap = dialog.width() - no->geometry().right() - 1;
        QVERIFY(qAbs(leftGap - middleGap) <= 1 && qAbs(middleGap - rightGap) <= 1);
        QCOMPARE(no->focusPolicy(), Qt::ClickFocus);
    }

    void removalDialogAnswers()
    {
        ScriptedSession session;
        session->yes().no();
        QVERIFY(ConfirmRemoval(QStringLiteral("Form5"), QStringLiteral("3-ую равновесную точку?"), 0, 0));
        QVERIFY(!ConfirmRemoval(QStringLiteral("Form5"), QStringLiteral("3-ую равновесную точку?"), 0, 0));
        QVERIFY(!session->hasEnded());
        QCOMPARE(session->dialogs.first().labels.last(), QStringLiteral("3-ую равновесную точку?"));
    }

    void closeOtherFormsKeepsTheNewest()
    {
        ScriptedSession session;
        auto *first = new FormBase(QStringLiteral("Form1"));
        auto *second = new FormBase(QStringLiteral("Form2"));
        auto *third = new FormBase(QStringLiteral("Form6"));
        Q_UNUSED(first);
        Q_UNUSED(second);
        QCOMPARE(LoadedForms().size(), 3);
        CloseOtherForms();
        QCOMPARE(LoadedForms(), QList<FormBase *>{third});
        QCOMPARE(FindForm(QStringLiteral("Form6")), third);
        QVERIFY(!FindForm(QStringLiteral("Form1")));
    }

    void printedTextKeepsPositions()
    {
        FormBase form(QStringLiteral("Form23"));
        form.printAt(3000, 1000, QStringLiteral(" РЕЗУЛЬТАТЫ РАСЧЕТА"));
        form.currentX = 1000;
        form.print(QStringLiteral("a"));
        QCOMPARE(form.printedTexts().at(1).y, 1195);
        QCOMPARE(form.currentX, 0);
        form.clearDrawing();
        QVERIFY(form.printedTexts().isEmpty());
    }

    void startScreenTexts()
    {
        ScriptedSession session;
        StartScreen screen;
        QCOMPARE(screen.objectName(), QStringLiteral("Form1"));
        QCOMPARE(screen.width(), 800);
        auto *title = screen.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(title->text().startsWith(QStringLiteral("\nП Р О Г Р А М М А        Т А Р Е Л И Н - 7\n")));
        QCOMPARE(title->width(), TwipsToPixels(7540));
        QCOMPARE(title->x() + title->width() / 2, screen.width() / 2);
        auto *description = screen.findChild<QLabel *>(QStringLiteral("Label3"));
        const QStringList lines = description->text().split(u'\n');
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.at(17), QString());
        QCOMPARE(lines.at(18), QStringLiteral("                              * необязательные параметры"));
        QCOMPARE(lines.at(9), QStringLiteral("        (от 1-й до 20-и пар точек для каждого кромпонента)."));
        auto *ready = screen.findChild<QPushButton *>(QStringLiteral("Command1"));
        auto *notReady = screen.findChild<QPushButton *>(QStringLiteral("Command2"));
        QCOMPARE(ready->text(), QStringLiteral("Готовы к работе ?"));
        QCOMPARE(notReady->text(), QStringLiteral("Не готовы к работе ?"));
        QCOMPARE(ready->y(), notReady->y());
        QCOMPARE(notReady->focusPolicy(), Qt::ClickFocus);
        QVERIFY(ready->y() > description->geometry().bottom());
    }

    void gradientCorners()
    {
        const QImage image = CornerGradient(QSize(101, 51));
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(0, 255, 0));
        QCOMPARE(QColor(image.pixel(100, 0)), QColor(0, 0, 255));
        QCOMPARE(QColor(image.pixel(100, 50)), QColor(255, 0, 0));
        QCOMPARE(QColor(image.pixel(0, 50)), QColor(0, 255, 255));
        // The diagonal mixes top-left and bottom-right only.
        QCOMPARE(QColor(image.pixel(50, 25)), QColor(128, 128, 0));
    }

    void notReadyEndsTheProgram()
    {
        ScriptedSession session;
        auto *screen = new StartScreen;
        screen->show();
        QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void readyAsksTheIdentity()
    {
        ScriptedSession session;
        problem().Equilibrium.N = 12;
        // The equilibrium entry follows with its count; "Нет" in its error
        // box ends the program there.
        session
            ->answers(
                {QStringLiteral("петров хт-21"), QStringLiteral("БЕНЗОЛ"), QString(), QStringLiteral("3")})
            .no();
        auto *screen = new StartScreen;
        screen->show();
        QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(session->prompts.size(), 4);
        QVERIFY(session->hasEnded());
        const auto &p = session->prompts;
        QCOMPARE(p[0].title, QStringLiteral("ВВОД ФАМИЛИИ"));
        QCOMPARE(p[0].text, QStringLiteral("  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ "));
        QCOMPARE(p[0].position, QPoint(500, 300));
        QCOMPARE(p[1].title, QStringLiteral("ВВОД НАМЕНОВАНИЯ КОМПОНЕНТОВ"));
        QCOMPARE(p[1].text,
                 QStringLiteral("  ВВЕДИТЕ НАИМЕНОВАНИЕ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТОА РАЗДЕЛЯЕМОЙ СМЕСИ "));
        QCOMPARE(p[1].position, QPoint(500, 500));
        QCOMPARE(p[2].text,
                 QStringLiteral("  ВВЕДИТЕ НАИМЕНОВАНИЕ МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТОА РАЗДЕЛЯЕМОЙ СМЕСИ "));
        QCOMPARE(p[2].position, QPoint(500, 500));
        QCOMPARE(problem().Names[1], QStringLiteral("Петров Хт-21"));
        QCOMPARE(problem().Names[2], QStringLiteral("Бензол"));
        QCOMPARE(problem().Names[3], QString());
        QCOMPARE(session->layouts,
                 (QList<unsigned>{RussianKeyboardLayout, RussianKeyboardLayout, EnglishKeyboardLayout}));
        QCOMPARE(problem().Equilibrium.AzeotropeX, 55.0f); // the state was reset first
    }
};

QTEST_MAIN(FoundationTest)
#include "tst_foundation.moc"

#include "form_base.h"
#include "prompts.h"
#include "window_registry.h"

#include "support/scripted_platform.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <functional>

// The desktop's side of the program: what Esc and the close buttons answer.

using Asking = std::function<bool()>; // true when the question's asker goes on

Q_DECLARE_METATYPE(Asking)

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { DisposeAllForms(); }

    // Esc never ends the program and never removes anything, whichever box.
    void escapeKeepsTheWork_data()
    {
        QTest::addColumn<Asking>("ask");
        QTest::addColumn<int>("promptsAfterwards"); // the count asked again
        QTest::addColumn<bool>("answer");
        QTest::newRow("\"ОШИБКА !\" of a count: asked again") << Asking([] {
            return PromptCount(QStringLiteral("t"), QStringLiteral("p"), 0, 0, 8, 20, QStringLiteral("m")) ==
                   12;
        }) << 1 << true;
        QTest::newRow("warning that may end the program: to the correction") << Asking([] {
            ShowWarningDialog(QStringLiteral("Form3"), 0, 0);
            return true;
        }) << 0 << true;
        QTest::newRow("warning on a road that goes back: to the correction")
            << Asking([] { return AskToCorrect(QStringLiteral("Form46"), 0, 0); }) << 0 << true;
        QTest::newRow("removal: nothing removed") << Asking([] {
            return !ConfirmRemoval(QStringLiteral("Form5"), QStringLiteral("3-ую равновесную точку?"), 0, 0);
        }) << 0 << false;
    }
    void escapeKeepsTheWork()
    {
        QFETCH(Asking, ask);
        QFETCH(int, promptsAfterwards);
        QFETCH(bool, answer);
        ScriptedSession session;
        if (promptsAfterwards)
            session->answer(QStringLiteral("5"));
        session->dismiss();
        for (int i = 0; i < promptsAfterwards; ++i)
            session->answer(QStringLiteral("12"));
        bool wentOn = false;
        RunHandler([&] { wentOn = ask(); });
        QVERIFY(wentOn);
        QVERIFY(!session->hasEnded());
        QVERIFY(!session->unansweredPromptsLeft());
        const bool dialog = !session->dialogs.isEmpty();
        QCOMPARE(dialog ? session->dialogs.first().answer : session->questions.first().answer, answer);
    }

    // The close button of a window asks first; of a question dialog, it is
    // the answer that keeps the work.
    void closeButtons()
    {
        ScriptedSession session;
        for (const Answer onDismiss : {Answer::Yes, Answer::No}) {
            auto *dialog = new QuestionDialog(QStringLiteral("Form3"), QStringLiteral("a"),
                                              QStringLiteral("b"), onDismiss);
            bool yes = false, no = false;
            connect(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked,
                    [&] { yes = true; });
            connect(dialog->findChild<QPushButton *>(QStringLiteral("Command2")), &QPushButton::clicked,
                    [&] { no = true; });
            dialog->show();
            dialog->close();
            QCOMPARE(yes, onDismiss == Answer::Yes);
            QCOMPARE(no, onDismiss == Answer::No);
            dialog->unload();
        }

        auto *window = new FormBase(QStringLiteral("Form9"));
        window->show();
        session->dismiss().no().yes();
        for (int i = 0; i < 2; ++i) {
            window->close();
            QVERIFY(window->isVisible() && !session->hasEnded());
        }
        window->close();
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
        QCOMPARE(session->questions.first().title, QStringLiteral("Окончание работы"));
        QCOMPARE(session->questions.first().text, QStringLiteral("Закончить работу с программой ?"));
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"

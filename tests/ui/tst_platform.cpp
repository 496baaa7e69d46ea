#include "support/scripted_platform.h"
#include "ui/decimal_point_keys.h"
#include "ui/form_base.h"
#include "ui/prompts.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>

// The desktop's side of the program: what Esc and the close buttons answer,
// which keyboard group is Russian, what the decimal keys type.

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

    // The close button of a window asks first.
    void closeButtonOfAWindow()
    {
        ScriptedSession session;
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

    void keyboardGroups_data()
    {
        QTest::addColumn<QStringList>("groupNames");
        QTest::addColumn<QString>("symbols");
        QTest::addColumn<int>("russian");
        QTest::addColumn<int>("english");
        QTest::newRow("us,ru by name")
            << QStringList{"English (US)", "Russian", "", ""} << "pc+us+ru:2+inet(evdev)" << 1 << 0;
        QTest::newRow("ru,us by name") << QStringList{"Russian", "English (US)"} << QString() << 0 << 1;
        QTest::newRow("phonetic and intl variants")
            << QStringList{"Russian (phonetic)", "English (US, intl., with dead keys)"} << QString() << 0
            << 1;
        QTest::newRow("no names: symbols")
            << QStringList{"", "", "", ""} << "pc+ru+us:2+inet(evdev)" << 0 << 1;
        QTest::newRow("symbols with a variant and a third group")
            << QStringList() << "pc+de+us(dvorak):2+ru:3+inet(evdev)+group(alt_shift_toggle)" << 2 << 1;
        QTest::newRow("Russian only") << QStringList{"Russian"} << "pc+ru+inet(evdev)" << 0 << -1;
        QTest::newRow("UK English is not US")
            << QStringList{"English (UK)", "Russian"} << "pc+gb+ru:2" << 1 << -1;
    }
    void keyboardGroups()
    {
        QFETCH(QStringList, groupNames);
        QFETCH(QString, symbols);
        QFETCH(int, russian);
        QFETCH(int, english);
        const KeyboardGroups groups = FindKeyboardGroups(groupNames, symbols);
        QCOMPARE(groups.russian, russian);
        QCOMPARE(groups.english, english);
    }

    void decimalKeys_data()
    {
        QTest::addColumn<QStringList>("keys"); // key texts; "KP," is the keypad's
        QTest::addColumn<QString>("shown");
        QTest::newRow("US period key in the Russian layout") << QStringList{"0", "ю", "5"} << "0.5";
        QTest::newRow("with Caps Lock") << QStringList{"0", "Ю", "5"} << "0.5";
        QTest::newRow("US comma key in the Russian layout") << QStringList{"1", "б", "2", "5"} << "1.25";
        QTest::newRow("Russian period key in the US layout") << QStringList{"0", "/", "7"} << "0.7";
        QTest::newRow("keypad decimal key in the Russian layout") << QStringList{"3", "KP,", "5"} << "3.5";
        QTest::newRow("a typed comma stays for the reader") << QStringList{"2", ",", "5"} << "2,5";
        QTest::newRow("exponent and sign untouched") << QStringList{"-", "1", "E", "-", "5"} << "-1E-5";
    }
    void decimalKeys()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, shown);
        QLineEdit edit;
        TypeDecimalPointFromAnyLayout(&edit);
        for (const QString &key : keys) {
            const bool keypad = key.startsWith(QStringLiteral("KP"));
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, keypad ? key.mid(2) : key,
                                keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QCOMPARE(edit.text(), shown);
    }
};

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"

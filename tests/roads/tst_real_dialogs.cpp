#include "student_road.h"

#include "app/shell.h"
#include "ui/prompts.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QQueue>
#include <QScreen>
#include <QStyle>
#include <QTimer>

// One whole first road through Qt's own dialogs, the way a student meets
// them: every answer is typed with key events into the widget that has the
// focus, Enter accepts, Esc and the close button are pressed on the boxes.

namespace {

// Key by key, Cyrillic letters too (QTest::keyClicks knows Latin-1 only).
void TypeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// What the student does at the next modal dialog.
struct Move {
    enum Kind { Type, Escape, Close } kind;
    QString text;          // typed before Enter (Type)
    QString expectedTitle; // the dialog's title, checked when given
};

// Answers modal dialogs as they come up, from the event loop each of them
// runs, and notes what was wrong about them.
class Student : public QObject {
public:
    Student()
    {
        connect(&poll, &QTimer::timeout, this, &Student::lookAtTheScreen);
        poll.start(2);
    }

    void type(const QStringList &answers)
    {
        for (const QString &answer : answers)
            moves.enqueue({Move::Type, answer, {}});
    }
    void press(Move::Kind kind, const QString &title) { moves.enqueue({kind, {}, title}); }
    bool done() const { return moves.isEmpty(); }

    QStringList faults;
    QStringList titlesSeen;

private:
    void lookAtTheScreen()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("answered").toBool())
            return;
        // The answer goes where the keyboard goes: wait for the focus.
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != modal) {
            if (++waited < 5000)
                return;
            fault(modal, QStringLiteral("nothing in the dialog has the focus"));
        }
        waited = 0;
        modal->setProperty("answered", true);
        titlesSeen << modal->windowTitle();
        checkItFits(modal);
        if (moves.isEmpty()) {
            fault(modal, QStringLiteral("not expected"));
            modal->close();
            return;
        }
        const Move move = moves.dequeue();
        if (!move.expectedTitle.isEmpty() && modal->windowTitle() != move.expectedTitle)
            fault(modal, QStringLiteral("expected \"%1\"").arg(move.expectedTitle));
        switch (move.kind) {
        case Move::Type:
            if (!qobject_cast<QLineEdit *>(focus))
                fault(modal, QStringLiteral("the focus is not on a text field"));
            TypeKeys(focus, move.text);
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        case Move::Escape:
            QTest::keyClick(focus, Qt::Key_Escape);
            break;
        case Move::Close:
            // What the window manager's close button does.
            modal->close();
            break;
        }
    }

    // The whole dialog on a 1366x768 screen, its prompt text uncut, its
    // title with room for a title bar's icon and buttons, Russian buttons.
    void checkItFits(QWidget *modal)
    {
        const QRect screen = QRect(0, 0, 1366, 768) & modal->screen()->availableGeometry();
        if (!screen.contains(modal->frameGeometry()))
            fault(modal, QStringLiteral("off the screen"));
        for (const QLabel *label : modal->findChildren<QLabel *>())
            if (label->isVisible() && !label->wordWrap() && label->width() < label->sizeHint().width())
                fault(modal, QStringLiteral("text cut: ") + label->text());
        QFont bold = modal->font();
        bold.setBold(true);
        const int titleBarButton = modal->style()->pixelMetric(QStyle::PM_TitleBarHeight);
        if (QFontMetrics(bold).horizontalAdvance(modal->windowTitle()) + 4 * titleBarButton > modal->width())
            fault(modal, QStringLiteral("title cut"));
        static const QStringList russian{QStringLiteral("ОК"), QStringLiteral("Отмена"), QStringLiteral("Да"),
                                         QStringLiteral("Нет")};
        for (const QPushButton *button : modal->findChildren<QPushButton *>())
            if (button->isVisible() && !russian.contains(button->text().remove(u'&')))
                fault(modal, QStringLiteral("button ") + button->text());
    }

    void fault(QWidget *modal, const QString &what)
    {
        faults << QStringLiteral("\"%1\": %2").arg(modal->windowTitle(), what);
    }

    QQueue<Move> moves;
    QTimer poll;
    int waited = 0;
};

} // namespace

class RealDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void wholeFirstRoadAtTheKeyboard()
    {
        QtPlatform desktop;
        desktop.setWindowCloser(CloseAllForms);
        Platform *previous = setPlatform(&desktop);
        InstallShell();
        const QJsonObject file = road::ReadExample(QStringLiteral("benzene-toluene.json"));
        road::StudentScript s = road::ScriptOf(file);
        Student student;

        // Names stay as typed; the period key of the US layout gives "ю" in
        // the Russian one and still types a decimal point in a number.
        s.identity[0] = QStringLiteral("юрьев хт-21");
        QStringList equilibrium = s.equilibrium;
        equilibrium[4] = QStringLiteral("0ю05");
        student.type(s.identity);
        student.type({QStringLiteral("5")});
        student.press(Move::Escape, QStringLiteral("ОШИБКА !")); // goes on: the count is asked again
        student.type(equilibrium);
        auto *start = new StartScreen;
        start->show();
        QVERIFY(road::Click(QStringLiteral("Form1"), 1));
        QVERIFY(road::Click(QStringLiteral("Form2"), 5)); // "СИСТЕМА НЕ АЗЕОТРОПНА"
        QCOMPARE(problem().Names[1], QStringLiteral("Юрьев Хт-21"));
        QCOMPARE(problem().Equilibrium.XText[2], QStringLiteral("0.05"));

        for (const road::Acceptance &step : road::AcceptancesOf(s)) {
            if (step.stage == QStringLiteral("feed")) {
                // The bottoms typed above the feed: the warning's close
                // button goes to the correction, a cancelled correction
                // keeps the faulty value, the second one puts it right.
                QVERIFY(road::Click(QStringLiteral("Form7"), 2));
                const int row = road::RowWith(QStringLiteral("Form7"), QStringLiteral("КУБОВОМ ОСТАТКЕ"));
                student.type({QStringLiteral("0,5")});
                QVERIFY(road::ClickRow(QStringLiteral("Form7"), QStringLiteral("List1"), row));
                student.press(Move::Close, QStringLiteral("Внимание !"));
                QVERIFY(road::Click(QStringLiteral("Form7"), 3));
                student.press(Move::Escape, {});
                QVERIFY(road::ClickRow(QStringLiteral("Form7"), QStringLiteral("List1"), row));
                QCOMPARE(problem().Feed.Text[FeedParameterElement(0, 6)], QStringLiteral("0.5"));
                student.type({QStringLiteral("0.02")});
                QVERIFY(road::ClickRow(QStringLiteral("Form7"), QStringLiteral("List1"), row));
                QVERIFY(road::Click(QStringLiteral("Form7"), 3));
                continue;
            }
            if (step.stage == QStringLiteral("mixing question")) {
                // The close button of a window asks; Esc there keeps working.
                student.press(Move::Escape, QStringLiteral("Окончание работы"));
                FindForm(step.form)->close();
                QVERIFY(FindForm(step.form) && FindForm(step.form)->isVisible());
            }
            student.type(step.nextAnswers);
            QVERIFY2(road::Click(step.form, step.button), qPrintable(step.stage));
        }

        QVERIFY2(student.faults.isEmpty(), qPrintable(student.faults.join(u'\n')));
        QVERIFY(student.done());
        QVERIFY(!desktop.hasEnded());
        QCOMPARE(desktop.requestedLayouts,
                 (QList<unsigned>{RussianKeyboardLayout, RussianKeyboardLayout, EnglishKeyboardLayout}));
        QVERIFY(student.titlesSeen.contains(QStringLiteral("ВВОД X РАВНОВЕСНОГО ")));
        QCOMPARE(road::ShownResults(), road::BatchResults(file));
        const ProblemData loaded = road::Calculated(file);
        ProblemData typed = problem();
        typed.Names[1] = loaded.Names[1];
        QCOMPARE(road::DataDifference(typed, loaded), QString());

        DisposeAllForms();
        setPlatform(previous);
    }
};

QTEST_MAIN(RealDialogsTest)
#include "tst_real_dialogs.moc"

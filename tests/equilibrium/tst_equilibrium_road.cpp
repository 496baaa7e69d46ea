#include "app/start_screen.h"
#include "equilibrium/equilibrium_data_window.h"
#include "equilibrium/equilibrium_diagram.h"
#include "equilibrium/equilibrium_editor.h"
#include "model/problem_data.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"
#include "ui/prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// Records what List1 of the data window shows whenever a prompt appears,
// and which buttons and labels of the change road's data window stand over it.
class ListWatchingPlatform : public ScriptedPlatform {
public:
    QList<QStringList> listAtPrompt;
    QStringList controlsOverTheChangeRoadList;
    std::optional<QString> prompt(const QString &title, const QString &text, QPoint twips,
                                  PromptInput input) override
    {
        QStringList lines;
        if (auto *list =
                FindForm(QStringLiteral("Form2"))
                    ? FindForm(QStringLiteral("Form2"))->findChild<QListWidget *>(QStringLiteral("List1"))
                    : nullptr)
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
        listAtPrompt << lines;
        if (FormBase *form26 = FindForm(QStringLiteral("Form26")))
            for (QWidget *control : form26->findChildren<QWidget *>())
                if ((qobject_cast<QPushButton *>(control) || qobject_cast<QLabel *>(control)) &&
                    control->isVisible() && !controlsOverTheChangeRoadList.contains(control->objectName()))
                    controlsOverTheChangeRoadList << control->objectName();
        return ScriptedPlatform::prompt(title, text, twips, input);
    }
};

class WatchedSession {
public:
    WatchedSession()
        : previous(setPlatform(&watched))
    {
    }
    ~WatchedSession()
    {
        DisposeAllForms();
        setPlatform(previous);
    }
    ListWatchingPlatform *operator->() { return &watched; }

private:
    ListWatchingPlatform watched;
    Platform *previous;
};

// Benzene - toluene at normal pressure, typed from pure benzene downwards.
// Point 4 has a typing error in Y: 1,854 instead of 0,854.
const QList<QStringList> typedPoints = {
    {"1", "1", "80.2"},       {"0.9", "0,959", "82.3"}, {"0.8", "0.91", "84.4"},    {"0.7", "1,854", "86.8"},
    {"0.6", "0.79", "89.4"},  {"0.5", "0.71", "92.1"},  {"0.4", "0.62", "95.2"},    {"0.3", "0.5", "98.6"},
    {"0.2", "0.37", "102.2"}, {"0.1", "0.21", "106.1"}, {"0.05", "0.118", "108.3"}, {"0", "0", "110.6"}};

QPushButton *button(QWidget *form, int k)
{
    return form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(k));
}

template <typename Form> Form *loaded(const QString &name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return FindForm<Form>(name);
}

QPoint cellCentre(int column, int row)
{
    return EditorTable::cell(column, row).center();
}

QString controlLine(const QString &x, const QString &y, const QString &t, int i)
{
    auto part = [i](const char *name, const QString &value) {
        const QString text = QStringLiteral(" %1[%2] = %3").arg(QLatin1String(name)).arg(i).arg(value);
        return text + QString(qMax(0, 20 - int(text.size())), u' ');
    };
    return part("X", x) + QString(10, u' ') + part("Y", y) + QString(10, u' ') +
           QStringLiteral(" T[%1] = %2").arg(i).arg(t);
}

} // namespace

class EquilibriumRoadTest : public QObject {
    Q_OBJECT
private slots:
    void firstEntryFromTheStartScreenToAcceptance()
    {
        WatchedSession session;
        session->answers(
            {QStringLiteral("иванов хт-31"), QStringLiteral("бензол"), QStringLiteral("толуол")});
        session->answer(QStringLiteral("12"));
        for (const QStringList &point : typedPoints)
            session->answers(point);

        auto *start = new StartScreen;
        start->show();
        QTest::mouseClick(button(start, 1), Qt::LeftButton);

        // The prompts of point i stand on the list line they fill.
        const auto &prompts = session->prompts;
        QCOMPARE(prompts.size(), 3 + 1 + 36);
        QCOMPARE(prompts[3].title, QStringLiteral("Ввод кол-ва пар равн. зависимости"));
        QCOMPARE(prompts[3].position, QPoint(2000, 2300));
        QCOMPARE(prompts[4].text, QStringLiteral(" X [ 1 ] /мольн.д/ = "));
        QCOMPARE(prompts[4].position, QPoint(1820, 1925));
        QCOMPARE(prompts[5].title, QStringLiteral("ВВОД Y РАВНОВЕСНОГО"));
        QCOMPARE(prompts[5].text, QStringLiteral(" Y [ 1 ] /мольн.д/  = "));
        QCOMPARE(prompts[5].position, QPoint(4950, 1925));
        QCOMPARE(prompts.last().text, QStringLiteral(" T [ 12 ] /Град.Цельсия/  = "));
        QCOMPARE(prompts.last().position, QPoint(8050, 12 * 195 + 1730));

        // The list grows with the answers, in the typed order.
        const auto &lists = session->listAtPrompt;
        QCOMPARE(lists[5], QStringList{QStringLiteral("  X[1] /мольн.д/ =1")});
        QCOMPARE(lists[6], QStringList{QStringLiteral("  X[1] /мольн.д/ =1         Y[1] /мольн.д/ =1")});
        QCOMPARE(lists[7].last(),
                 QStringLiteral(
                     "  X[1] /мольн.д/ =1         Y[1] /мольн.д/ =1         T[1] /Град.Цельсия/ =80.2"));
        // Point 4: the refused Y shows "???" at once, after a beep.
        QCOMPARE(lists[4 + 3 * 3 + 2].last(),
                 QStringLiteral("  X[4] /мольн.д/ =0.7       Y[4] /мольн.д/ =???"));
        QCOMPARE(session->beeps, 1);
        const int beep = int(session->events.indexOf(QStringLiteral("beep")));
        QCOMPARE(session->events.at(beep - 1), QStringLiteral("prompt:ВВОД Y РАВНОВЕСНОГО"));
        QCOMPARE(session->events.at(beep + 1), QStringLiteral("prompt:ВВОД T"));

        auto *form2 = loaded<EquilibriumDataWindow>(QStringLiteral("Form2"));
        QVERIFY(form2);
        auto *list = form2->findChild<QListWidget *>(QStringLiteral("List1"));
        QCOMPARE(list->count(), 12);
        QCOMPARE(list->item(1)->text(), QStringLiteral("  X[2] /мольн.д/ =0.9       Y[2] /мольн.д/ "
                                                       "=0.959     T[2] /Град.Цельсия/ =82.3"));
        // Two-digit numbers take one place of the padding: the columns stay.
        QCOMPARE(list->item(9)->text().indexOf(u'Y'), list->item(8)->text().indexOf(u'Y'));
        QCOMPARE(list->item(9)->text().indexOf(u'T'), list->item(8)->text().indexOf(u'T'));

        // The control table: sorted by X, no azeotrope found, so the
        // azeotrope question comes first.
        QCOMPARE(form2->windowTitle(), QStringLiteral("   КОНТРОЛЬ ВВОДА РАВНОВЕСНОЙ ЗАВИСИМОСТИ"));
        QVERIFY(list->isHidden());
        const QList<PrintedText> table = form2->printedTexts();
        QCOMPARE(table.size(), 12);
        QCOMPARE(table[0].text, controlLine("0", "0", "110.6", 1));
        QCOMPARE(table[0].x, 1000);
        QCOMPARE(table[0].y, 895);
        QCOMPARE(table[8].text, controlLine("0.7", "???", "86.8", 9));
        QCOMPARE(table[10].text, controlLine("0.9", "0.959", "82.3", 11));
        QCOMPARE(table[11].y, 12 * 195 + 700);
        QVERIFY(!problem().Equilibrium.Azeotropic);
        QVERIFY(button(form2, 4)->isVisibleTo(form2));
        QVERIFY(button(form2, 5)->isVisibleTo(form2));
        QVERIFY(!button(form2, 1)->isVisibleTo(form2));
        QVERIFY(qAbs(PixelsToTwips(button(form2, 4)->y()) - (12 * 195 + 1700)) < TwipsPerPixel);
        // Enter answers what most such curves are: not azeotropic.
        QCOMPARE(form2->focusWidget(), button(form2, 5));

        // "СИСТЕМА НЕ АЗЕОТРОПНА": the verdict buttons appear, coloured.
        QTest::mouseClick(button(form2, 5), Qt::LeftButton);
        QVERIFY(!button(form2, 4)->isVisibleTo(form2));
        QVERIFY(button(form2, 1)->isVisibleTo(form2));
        QCOMPARE(FormBase::backColor(button(form2, 1)), QColor(255, 0, 0));
        QCOMPARE(FormBase::backColor(button(form2, 2)), QColor(0, 255, 0));
        QCOMPARE(button(form2, 1)->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(problem().Equilibrium.BadPoint, 9);
        QCOMPARE(form2->printedTexts().size(), 12); // no azeotrope line on the first road

        // Accepting a faulty table: a beep, the faulty line highlighted and
        // the warning dialog; "Да" opens the editor.
        session->yes();
        QTest::mouseClick(button(form2, 1), Qt::LeftButton);
        QCOMPARE(session->beeps, 2);
        QCOMPARE(session->dialogs.size(), 1);
        QCOMPARE(session->dialogs[0].name, QStringLiteral("Form3"));
        QCOMPARE(session->dialogs[0].position.y(), 7005);
        QVERIFY(qAbs(session->dialogs[0].position.x() - (14000 - WarningDialogWidth) / 2) <= 15);
        auto *highlight = form2->findChild<QLabel *>(QStringLiteral("Label2"));
        QCOMPARE(highlight->text(), controlLine("0.7", "???", "86.8", 9));
        QVERIFY(qAbs(PixelsToTwips(highlight->y()) - (9 * 195 + 700)) < TwipsPerPixel);
        QCOMPARE(PixelsToTwips(highlight->x()), 1005);
        auto *editor = loaded<EquilibriumEditor>(QStringLiteral("Form4"));
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(255, 0, 0));

        // The faulty cell is corrected in place.
        auto *text1 = editor->findChild<QLineEdit *>(QStringLiteral("Text1"));
        QVERIFY(!text1->isVisible());
        QTest::mouseClick(editor, Qt::LeftButton, {}, cellCentre(2, 9));
        QVERIFY(text1->isVisible());
        QCOMPARE(text1->text(), QStringLiteral("???"));
        QCOMPARE(text1->geometry(), EditorTable::cell(2, 9).translated(0, -2));
        QVERIFY(!button(editor, 1)->isVisible());
        text1->clear();
        QTest::keyClicks(text1, QStringLiteral("0,854"));
        QTest::keyClick(text1, Qt::Key_Return);
        QVERIFY(!text1->isVisible());
        QCOMPARE(problem().Equilibrium.YText[9], QStringLiteral("0.854"));
        QCOMPARE(problem().Equilibrium.Y[9], 0.854f);
        QVERIFY(!problem().Equilibrium.CheckFailed);
        QCOMPARE(FormBase::backColor(button(editor, 1)), QColor(0, 255, 0));
        QVERIFY(button(editor, 1)->isVisible());

        // "КОНЕЦ ИЗМЕНЕНИЙ" on a valid table leaves the equilibrium screens.
        QTest::mouseClick(button(editor, 1), Qt::LeftButton);
        QVERIFY(!loaded<EquilibriumEditor>(QStringLiteral("Form4")));
        QVERIFY(!loaded<EquilibriumDataWindow>(QStringLiteral("Form2")));
        QVERIFY(!session->hasEnded());
        QVERIFY(!session->unansweredPromptsLeft());
        QCOMPARE(problem().Names[2], QStringLiteral("Бензол"));
    }

    void faultyEndOfChangesShowsTheControlTableAgain()
    {
        WatchedSession session;
        session->answer(QStringLiteral("8"));
        const QList<QStringList> points = {{"0", "0", "100"},     {"0.1", "0.3", "90"}, {"0.2", "0.4", "85"},
                                           {"0.4", "0.55", "80"}, {"0.5", "0.6", "79"}, {"0.6", "0.7", "78"},
                                           {"0.8", "0.85", "79"}, {"1", "1", "76"}};
        for (const QStringList &point : points)
            session->answers(point);
        PrepareEquilibriumWindowForTest();
        auto *form2 = loaded<EquilibriumDataWindow>(QStringLiteral("Form2"));
        form2->enterData();
        QTest::mouseClick(button(form2, 5), Qt::LeftButton);
        QCOMPARE(problem().Equilibrium.BadPoint, 7); // T rises at 0.8

        QTest::mouseClick(button(form2, 2), Qt::LeftButton);
        auto *editor = loaded<EquilibriumEditor>(QStringLiteral("Form4"));
        QVERIFY(editor && editor->isVisible());
        QVERIFY(form2->isHidden());
        QTest::mouseClick(button(editor, 1), Qt::LeftButton);
        QVERIFY(!loaded<EquilibriumEditor>(QStringLiteral("Form4")));
        form2 = loaded<EquilibriumDataWindow>(QStringLiteral("Form2"));
        QVERIFY(form2 && form2->isVisible());
        QVERIFY(button(form2, 1)->isVisible());
        QVERIFY(button(form2, 2)->isVisible());
        QVERIFY(!button(form2, 4)->isVisible());
        QCOMPARE(FormBase::backColor(button(form2, 1)), QColor(255, 0, 0));
        QCOMPARE(form2->printedTexts().size(), 8);
    }

    void azeotropeFoundAtEntry()
    {
        WatchedSession session;
        session->answer(QStringLiteral("8"));
        const QList<QStringList> points = {
            {"0", "0", "100"},     {"0.1", "0.3", "90"},  {"0.2", "0.4", "85"},    {"0.4", "0.55", "80"},
            {"0.6", "0.65", "78"}, {"0.8", "0.75", "77"}, {"0.9", "0.85", "77.5"}, {"1", "1", "78"}};
        for (const QStringList &point : points)
            session->answers(point);
        PrepareEquilibriumWindowForTest();
        auto *form2 = loaded<EquilibriumDataWindow>(QStringLiteral("Form2"));
        form2->enterData();
        const EquilibriumTable &table = problem().Equilibrium;
        QVERIFY(table.Azeotropic);
        QVERIFY(qAbs(table.AzeotropeX - 0.7f) < 1e-6f);
        QVERIFY(!button(form2, 4)->isVisibleTo(form2));
        QVERIFY(button(form2, 1)->isVisibleTo(form2));
        const QList<PrintedText> printed = form2->printedTexts();
        QCOMPARE(printed.size(), 9);
        QCOMPARE(
            printed.last().text,
            QStringLiteral("         МОЛЬНАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ДЛЯ АЗЕАТРОПНОГО СОСТАВА = ") +
                table.AzeotropeXText);
        QCOMPARE(printed.last().y, 9 * 195 + 700);
        // Beyond the azeotrope the points are exempt: the table is valid.
        QVERIFY(!table.CheckFailed);
        QCOMPARE(FormBase::backColor(button(form2, 1)), QColor(0, 255, 0));
    }

    void declaredAzeotrope_data()
    {
        QTest::addColumn<bool>("sure");
        QTest::addColumn<QStringList>("compositions");
        QTest::newRow("declared at 0,9 after two refusals") << true << QStringList{"1.5", QString(), "0,9"};
        QTest::newRow("not sure after all") << false << QStringList{};
    }
    void declaredAzeotrope()
    {
        QFETCH(bool, sure);
        QFETCH(QStringList, compositions);
        WatchedSession session;
        session->answer(QStringLiteral("8"));
        const QList<QStringList> points = {{"0", "0", "100"},     {"0.1", "0.3", "90"}, {"0.2", "0.4", "85"},
                                           {"0.4", "0.55", "80"}, {"0.5", "0.6", "79"}, {"0.6", "0.7", "78"},
                                           {"0.8", "0.85", "77"}, {"1", "1", "76"}};
        for (const QStringList &point : points)
            session->answers(point);
        PrepareEquilibriumWindowForTest();
        auto *form2 = loaded<EquilibriumDataWindow>(QStringLiteral("Form2"));
        form2->enterData();
        QVERIFY(button(form2, 4)->isVisibleTo(form2));

        sure ? session->yes() : session->no();
        for (const QString &answer : compositions)
            answer.isNull() ? session->cancel() : session->answer(answer);
        const int beepsBefore = session->beeps;
        QTest::mouseClick(button(form2, 4), Qt::LeftButton);
        QCOMPARE(session->questions.last().title, QStringLiteral("СОМНЕНИЕ!"));
        QCOMPARE(
            session->questions.last().text,
            QStringLiteral(
                " Вы уверены, что система азеротропна или\nзнаете хотя бы примерный состав азеотропа ?"));
        const EquilibriumTable &table = problem().Equilibrium;
        QCOMPARE(table.Azeotropic, sure);
        QCOMPARE(button(form2, 4)->isVisibleTo(form2), !sure);
        QCOMPARE(button(form2, 1)->isVisibleTo(form2), sure);
        QVERIFY(!session->unansweredPromptsLeft());
        if (!sure)
            return;
        QCOMPARE(session->beeps - beepsBefore, 2);
        const auto &prompt = session->prompts.last();
        QCOMPARE(prompt.title, QStringLiteral("ввод мольн.д. более летуч. комп. для азеатропн. состава"));
        QCOMPARE(prompt.position, QPoint(1900, 8 * 195 + 1700 + 400));
        QCOMPARE(table.AzeotropeXText, QStringLiteral("0.9"));
        QCOMPARE(table.AzeotropeX, 0.9f);
        QCOMPARE(
            form2->printedTexts().last().text,
            QStringLiteral("         МОЛЬНАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ДЛЯ АЗЕАТРОПНОГО СОСТАВА = 0.9"));
    }

    void changeRoadNamesTheMissingAzeotrope()
    {
        WatchedSession session;
        session->answer(QStringLiteral("8"));
        const QList<QStringList> points = {{"0", "0", "100"},     {"0.1", "0.3", "90"}, {"0.2", "0.4", "85"},
                                           {"0.4", "0.55", "80"}, {"0.5", "0.6", "79"}, {"0.6", "0.7", "78"},
                                           {"0.8", "0.85", "77"}, {"1", "1", "76"}};
        for (const QStringList &point : points)
            session->answers(point);
        EnterNewEquilibriumData();
        // While the new table is typed, nothing stands over its lines.
        QCOMPARE(session->controlsOverTheChangeRoadList, QStringList());
        auto *form26 = loaded<EquilibriumDataWindow>(QStringLiteral("Form26"));
        QVERIFY(form26);
        QTest::mouseClick(button(form26, 5), Qt::LeftButton);
        QCOMPARE(form26->printedTexts().last().text, QStringLiteral("             СИСТЕМА НЕ АЗЕАТРОПНА"));
        QCOMPARE(form26->printedTexts().last().y, 9 * 195 + 700);
        QVERIFY(!problem().Equilibrium.CheckFailed);
        // Accepted on the change road: back to the change road's editor.
        QTest::mouseClick(button(form26, 1), Qt::LeftButton);
        QVERIFY(!loaded<EquilibriumDataWindow>(QStringLiteral("Form26")));
        auto *editor = loaded<EquilibriumEditor>(QStringLiteral("Form25"));
        QVERIFY(editor && editor->isVisible());
        QVERIFY(button(editor, 1)->isVisible());
    }

    void countRefusedThenNoEndsTheProgram()
    {
        WatchedSession session;
        session->answer(QStringLiteral("21")).no();
        PrepareEquilibriumWindowForTest();
        RunHandler([] { loaded<EquilibriumDataWindow>(QStringLiteral("Form2"))->enterData(); });
        QVERIFY(session->hasEnded());
        QCOMPARE(session->questions.last().text,
                 QStringLiteral("Количество пар от 8 до 20 !!!    Продолжаете работу ?"));
        QVERIFY(LoadedForms().isEmpty());
    }

private:
    static void PrepareEquilibriumWindowForTest()
    {
        ResetProblemState(problem());
        EquilibriumDataWindowOf(EquilibriumRoad::FirstEntry)->prepare();
    }
};

QTEST_MAIN(EquilibriumRoadTest)
#include "tst_equilibrium_road.moc"

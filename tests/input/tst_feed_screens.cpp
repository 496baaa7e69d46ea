#include "input/feed_condition_menu.h"
#include "input/feed_parameter_screen.h"
#include "input/input_screens.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

// Records, at every prompt, what the feed screen shows while it asks.
class WatchingPlatform : public ScriptedPlatform {
public:
    QStringList captions;
    QList<QStringList> listLines;
    QList<bool> listEnabled;

    std::optional<QString> prompt(const QString &title, const QString &text, QPoint twips,
                                  PromptInput input) override
    {
        FormBase *screen = FindForm(QStringLiteral("Form7"));
        if (!screen)
            screen = FindForm(QStringLiteral("Form30"));
        if (screen) {
            captions << screen->windowTitle();
            QStringList lines;
            auto *list = screen->findChild<QListWidget *>(QStringLiteral("List1"));
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
            listLines << lines;
            listEnabled << list->isEnabled();
        }
        return ScriptedPlatform::prompt(title, text, twips, input);
    }

    // The highlight of the failing line and the verdict buttons while the
    // error dialog is up.
    struct Highlight {
        bool visible = false;
        QString text;
        QRect geometry;
        bool verdictButtonsVisible = true;
    };
    QList<Highlight> highlights;

    bool runDialog(QuestionDialog &dialog) override
    {
        FormBase *screen = FindForm(QStringLiteral("Form7"));
        if (!screen)
            screen = FindForm(QStringLiteral("Form30"));
        if (screen) {
            auto *label = screen->findChild<QLabel *>(QStringLiteral("Label2"));
            const bool buttons = screen->findChild<QPushButton *>(QStringLiteral("Command1"))->isVisible() ||
                                 screen->findChild<QPushButton *>(QStringLiteral("Command2"))->isVisible();
            highlights.append({label->isVisible(), label->text(), label->geometry(), buttons});
        }
        return ScriptedPlatform::runDialog(dialog);
    }
};

class WatchedSession {
public:
    WatchedSession()
        : previous(setPlatform(&watching))
    {
    }
    ~WatchedSession()
    {
        DisposeAllForms();
        setPlatform(previous);
    }
    WatchingPlatform *operator->() { return &watching; }

private:
    WatchingPlatform watching;
    Platform *previous;
};

// Benzene and toluene at atmospheric pressure.
void fillEquilibriumTable(ProblemData &data)
{
    ResetProblemState(data);
    const float points[][3] = {{0, 0, 110.6f},        {0.05f, 0.118f, 108.3f}, {0.1f, 0.214f, 106.1f},
                               {0.2f, 0.38f, 102.2f}, {0.3f, 0.511f, 98.6f},   {0.4f, 0.619f, 95.2f},
                               {0.5f, 0.712f, 92.1f}, {0.6f, 0.79f, 89.4f},    {0.7f, 0.854f, 86.8f},
                               {0.8f, 0.91f, 84.4f},  {0.9f, 0.959f, 82.3f},   {1, 1, 80.2f}};
    EquilibriumTable &table = data.Equilibrium;
    table.N = 12;
    for (int i = 1; i <= table.N; ++i) {
        table.X[i] = points[i - 1][0];
        table.Y[i] = points[i - 1][1];
        table.T[i] = points[i - 1][2];
        table.XText[i] = GeneralNumberText(table.X[i]);
        table.YText[i] = GeneralNumberText(table.Y[i]);
        table.TText[i] = GeneralNumberText(table.T[i]);
    }
    table.Azeotropic = false;
}

const QString MolarMassA = QStringLiteral("МОЛЕКУЛЯРНАЯ МАССА БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ");
const QString MolarMassB = QStringLiteral("МОЛЕКУЛЯРНАЯ МАССА МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТА");
const QString LiquidFlow = QStringLiteral("МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Кг/c");
const QString VapourFlow = QStringLiteral("МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Кг/c");
const QString LiquidFeedFlow =
    QStringLiteral("МАССОВЫЙ РАСХОД ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Кг/с");
const QString LiquidFraction =
    QStringLiteral("МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ЖИДКОСТИ");
const QString VapourFraction = QStringLiteral("МАС.ДОЛЯ БОЛЕЕ ЛЕТУЧ.КОМП. В ИСХ.СМЕСИ, ВВОДИМ.В ВИДЕ ПАРА");
const QString VapourTemperature =
    QStringLiteral("ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ПАРА, Град.Цельсия");
const QString LiquidTemperature =
    QStringLiteral("ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ, ВВОДИМОЙ В ВИДЕ ЖИДКОСТИ, Град.Цельсия");
const QString Distillate = QStringLiteral("МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В ДИСТИЛЛЯТЕ");
const QString Bottoms = QStringLiteral("МАССОВАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА В КУБОВОМ ОСТАТКЕ");
const QString Reflux = QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО");

QString line(const QString &label, const QString &value)
{
    return label + QString(qMax(0, 75 - int(label.size())), u' ') + value;
}

template <typename T> T *control(const QString &form, const QString &name)
{
    FormBase *window = FindForm(form);
    return window ? window->findChild<T *>(name) : nullptr;
}

QPushButton *button(const QString &form, const QString &name)
{
    return control<QPushButton>(form, name);
}

QColor colourOf(QPushButton *b)
{
    return FormBase::backColor(b);
}

const QColor Red(255, 0, 0), Green(0, 255, 0);

// Shows Form6, goes on to the choice and picks the condition's button.
void chooseOnFirstRoad(int condition)
{
    ShowFeedConditionWindow();
    button(QStringLiteral("Form6"), QStringLiteral("Command1"))->click();
    button(QStringLiteral("Form6"), QStringLiteral("Command%1").arg(condition + 3))->click();
}

// The pixel-rounded twips position at which a window lands.
QPoint placed(int x, int y)
{
    return {PixelsToTwips(TwipsToPixels(x)), PixelsToTwips(TwipsToPixels(y))};
}

// Valid answers of each condition.
QStringList validAnswers(int condition)
{
    switch (condition) {
    case BoilingLiquidFeed:
        return {"78,11", "92,14", "2", "0,4", "0,97", "0,02", "3"};
    case VapourFeed:
        return {"78.11", "92.14", "2", "0.5", "120", "0.97", "0.02", "3"};
    case MixtureFeed:
        return {"78,11", "92,14", "1", "1,5", "0,5", "0,35", "110", "90", "0,97", "0,02", "3"};
    default:
        return {"78.11", "92.14", "2", "0.4", "20", "0.97", "0.02", "3"};
    }
}

} // namespace

class FeedScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fillEquilibriumTable(problem()); }

    void conditionMenuOfTheFirstRoad()
    {
        WatchedSession session;
        ShowFeedConditionWindow();
        auto *menu = FindForm<FeedConditionMenu>(QStringLiteral("Form6"));
        QVERIFY(menu);
        QCOMPARE(LoadedForms().size(), 1);
        QCOMPARE(menu->windowTitle(), QStringLiteral("ПРОДОЛЖЕНИЕ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ"));
        QCOMPARE(menu->size(), QSize(TwipsToPixels(14000), TwipsToPixels(8000)));
        QVERIFY(menu->showsDiagram());

        auto *goOn = button("Form6", "Command1");
        auto *back = button("Form6", "Command2");
        QCOMPARE(goOn->text(), QStringLiteral("ПРОДОЛЖЕНИЕ\nРАБОТЫ"));
        QCOMPARE(back->text(), QStringLiteral("ВОЗВРАТ К\nКОРРЕКЦИИ\nРАВНОВЕСНОЙ\nЗАВИСИМОСТИ"));
        QCOMPARE(goOn->pos(), QPoint(150, 50));
        QCOMPARE(back->pos(), QPoint(150, 150));
        auto *label = control<QLabel>("Form6", "Label1");
        QCOMPARE(label->text(), QStringLiteral("\nВ Вашем задании исходная смесь поступает в виде:"));
        QVERIFY(goOn->isVisible() && back->isVisible());
        QVERIFY(!label->isVisible());
        for (int i = 3; i <= 6; ++i)
            QVERIFY(!button("Form6", QStringLiteral("Command%1").arg(i))->isVisible());
        QVERIFY(button("Form6", "Command7")->isVisible());

        // The plot's white background reaches 70 pixels left and 20 up of
        // the plot square at (550, 45).
        QCOMPARE(menu->grab().toImage().pixelColor(485, 30), QColor(Qt::white));

        goOn->click();
        QVERIFY(!goOn->isVisible() && !back->isVisible());
        QVERIFY(!menu->showsDiagram());
        QVERIFY(menu->grab().toImage().pixelColor(485, 30) != QColor(Qt::white));
        QVERIFY(label->isVisible());
        const QStringList captions{"ЖИДКОСТИ, НАГРЕТОЙ ДО ТЕМПЕРАТУРЫ КИПЕНИЯ", "ПАРА",
                                   "ПАРОЖИДКОСТНОЙ СМЕСИ", "ЖИДКОСТИ"};
        // One under the other, centred, with the gaps 90, 60, 60, 60 and 100 twips.
        const QList<int> gaps{90, 60, 60, 60, 100};
        QWidget *above = label;
        for (int i = 3; i <= 7; ++i) {
            auto *b = button("Form6", QStringLiteral("Command%1").arg(i));
            QVERIFY(b->isVisible());
            if (i <= 6)
                QCOMPARE(b->text(), captions[i - 3]);
            QVERIFY(qAbs(b->x() + b->width() / 2 - menu->width() / 2) <= 1);
            QVERIFY(qAbs(b->y() - above->geometry().bottom() - 1 - TwipsToPixels(gaps[i - 3])) <= 1);
            above = b;
        }
        QCOMPARE(button("Form6", "Command7")->pos(), QPoint(350, 400));
        QCOMPARE(button("Form6", "Command7")->text(), QStringLiteral("Окончание расчёта"));
        QVERIFY(!session->unansweredPromptsLeft());
    }

    void backToTheEquilibriumEditor()
    {
        WatchedSession session;
        ShowFeedConditionWindow();
        button("Form6", "Command2")->click();
        QVERIFY(!FindForm(QStringLiteral("Form6")));
        QVERIFY(FindForm(QStringLiteral("Form4")));
        QVERIFY(FindForm(QStringLiteral("Form4"))->isVisible());
        QVERIFY(!session->hasEnded());
    }

    void endOfWorkOnTheConditionMenus_data()
    {
        QTest::addColumn<bool>("changeRoad");
        QTest::newRow("Form6") << false;
        QTest::newRow("Form29") << true;
    }
    void endOfWorkOnTheConditionMenus()
    {
        QFETCH(bool, changeRoad);
        WatchedSession session;
        if (changeRoad)
            OpenFeedChangeMenu();
        else
            ShowFeedConditionWindow();
        button(changeRoad ? "Form29" : "Form6", "Command7")->click();
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }

    void entryOfEachCondition_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QStringList>("prompts");
        QTest::addColumn<QString>("entryCaption");
        QTest::addColumn<QString>("controlCaption");

        QTest::newRow("boiling liquid")
            << int(BoilingLiquidFeed)
            << QStringList{MolarMassA, MolarMassB, LiquidFlow, LiquidFraction, Distillate, Bottoms, Reflux}
            << QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, нагретой до "
                              "температуры кипения)")
            << QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, "
                              "нагретой до температуры кипения)");
        QTest::newRow("vapour")
            << int(VapourFeed) << QStringList{MolarMassA,        MolarMassB, VapourFlow, VapourFraction,
                                              VapourTemperature, Distillate, Bottoms,    Reflux}
            << QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде пара)")
            << QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде пара)");
        QTest::newRow("mixture")
            << int(MixtureFeed)
            << QStringList{MolarMassA,     MolarMassB,        VapourFlow,        LiquidFlow, VapourFraction,
                           LiquidFraction, VapourTemperature, LiquidTemperature, Distillate, Bottoms,
                           Reflux}
            << QStringLiteral(
                   "   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде парожидкостной смеси)")
            << QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде "
                              "парожидкостной смеси)");
        QTest::newRow("liquid")
            << int(LiquidFeed) << QStringList{MolarMassA,        MolarMassB, LiquidFeedFlow, LiquidFraction,
                                              LiquidTemperature, Distillate, Bottoms,        Reflux}
            << QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде жидкости)")
            << QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исходная смесь подается в виде жидкости)");
    }
    void entryOfEachCondition()
    {
        QFETCH(int, condition);
        QFETCH(QStringList, prompts);
        QFETCH(QString, entryCaption);
        QFETCH(QString, controlCaption);
        WatchedSession session;
        const QStringList answers = validAnswers(condition);
        QCOMPARE(answers.size(), prompts.size());
        session->answers(answers);
        chooseOnFirstRoad(condition);

        QCOMPARE(session->prompts.size(), prompts.size());
        QStringList typedLines;
        for (int i = 1; i <= prompts.size(); ++i) {
            const auto &p = session->prompts[i - 1];
            QCOMPARE(p.title, QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"));
            QCOMPARE(p.text, prompts[i - 1]);
            QCOMPARE(p.position, QPoint(1200, 195 * i + 1420));
            QCOMPARE(session->captions[i - 1], entryCaption);
            // The list shows the lines answered so far, for display only.
            QCOMPARE(session->listLines[i - 1], typedLines);
            QVERIFY(!session->listEnabled[i - 1]);
            typedLines << line(prompts[i - 1], NormalizeDecimal(answers[i - 1]));
        }

        auto *screen = FindForm<FeedParameterScreen>(QStringLiteral("Form7"));
        QVERIFY(screen);
        QCOMPARE(LoadedForms(), QList<FormBase *>{screen}); // Form6 is gone
        QCOMPARE(screen->windowTitle(), controlCaption);
        QVERIFY(!control<QListWidget>("Form7", "List1")->isVisible());
        QCOMPARE(screen->printedLines(), typedLines);
        for (int i = 1; i <= prompts.size(); ++i) {
            QCOMPARE(screen->printedTexts()[i - 1].x, 530);
            QCOMPARE(screen->printedTexts()[i - 1].y, 195 * i + 1210);
        }

        const FeedSpec &feed = problem().Feed;
        QCOMPARE(feed.Condition, condition);
        for (int i = 1; i <= prompts.size(); ++i) {
            QCOMPARE(feed.Label[i], prompts[i - 1]);
            QCOMPARE(feed.EntryText[i], NormalizeDecimal(answers[i - 1]));
            QCOMPARE(feed.EntryValue[i], StoredNumber(NormalizeDecimal(answers[i - 1])));
            QCOMPARE(feed.Text[FeedParameterElement(condition, i)], feed.EntryText[i]);
        }
        QCOMPARE(feed.Text[FeedMA], QStringLiteral("78.11"));
        QCOMPARE(feed.Value[FeedR], 3.0f);
        QCOMPARE(problem().BadPointIndex, 0);

        auto *accept = button("Form7", "Command1");
        auto *change = button("Form7", "Command2");
        QVERIFY(accept->isVisible() && change->isVisible());
        QCOMPARE(accept->text(), QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"));
        QCOMPARE(change->text(), QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"));
        QCOMPARE(colourOf(accept), Green);
        QVERIFY(!button("Form7", "Command3")->isVisible());

        // Accepted: the feed screen makes way for the heat-of-mixing question.
        accept->click();
        QVERIFY(!FindForm(QStringLiteral("Form7")));
        QVERIFY(FindForm(QStringLiteral("Form9")));
        QVERIFY(!FindForm(QStringLiteral("Form24")));
        QVERIFY(session->dialogs.isEmpty());
        QCOMPARE(session->beeps, 0);
        QVERIFY(!session->hasEnded());
    }

    void failingParameterIsShownAndSentToCorrection_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("parameter");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<int>("reported");
        QTest::newRow("boiling liquid, xFl = 0") << int(BoilingLiquidFeed) << 4 << "0" << 4;
        QTest::newRow("boiling liquid, xW above the feed") << int(BoilingLiquidFeed) << 6 << "0,5" << 6;
        QTest::newRow("vapour, flow 400.5") << int(VapourFeed) << 3 << "400.5" << 3;
        QTest::newRow("vapour, reflux below 0") << int(VapourFeed) << 8 << "-1" << 8;
        QTest::newRow("mixture, liquid at 400.5") << int(MixtureFeed) << 8 << "400,5" << 8;
        QTest::newRow("mixture, xD above 0.99999") << int(MixtureFeed) << 9 << "0,999991" << 9;
        QTest::newRow("liquid, xFl above 1") << int(LiquidFeed) << 4 << "1.5" << 4;
        QTest::newRow("liquid, 401.5 degrees") << int(LiquidFeed) << 5 << "401.5" << 5;
    }
    void failingParameterIsShownAndSentToCorrection()
    {
        QFETCH(int, condition);
        QFETCH(int, parameter);
        QFETCH(QString, wrong);
        QFETCH(int, reported);
        WatchedSession session;
        QStringList answers = validAnswers(condition);
        answers[parameter - 1] = wrong;
        session->answers(answers).yes();
        chooseOnFirstRoad(condition);

        auto *screen = FindForm<FeedParameterScreen>(QStringLiteral("Form7"));
        QCOMPARE(problem().BadPointIndex, reported);
        auto *accept = button("Form7", "Command1");
        auto *change = button("Form7", "Command2");
        QCOMPARE(colourOf(accept), Red);
        QCOMPARE(colourOf(change), Green);
        QCOMPARE(change->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(accept->focusPolicy(), Qt::ClickFocus);

        accept->click();
        QCOMPARE(session->beeps, 1);
        QCOMPARE(session->events.last(), QStringLiteral("dialog:Form8"));
        QCOMPARE(session->dialogs.size(), 1);
        const auto dialog = session->dialogs.first();
        QCOMPARE(dialog.labels, (QStringList{QStringLiteral("Ошибка в исходной информации."),
                                             QStringLiteral("Изменяете исходную информацию?")}));
        QCOMPARE(dialog.position.y(), placed(0, 4000).y());
        const int centredLeft = PixelsToTwips(screen->x()) + (screen->widthTwips() - 4800) / 2;
        QCOMPARE(dialog.position.x(), placed(centredLeft, 0).x());

        // The failing line stays highlighted over its line of the table.
        QCOMPARE(session->highlights.size(), 1);
        const auto highlight = session->highlights.first();
        QVERIFY(highlight.visible);
        QVERIFY(!highlight.verdictButtonsVisible);
        QCOMPARE(highlight.text, line(FeedPrompt(condition, reported),
                                      problem().Feed.Text[FeedParameterElement(condition, reported)]));
        QCOMPARE(highlight.geometry, QRect(TwipsToPixels(400), TwipsToPixels(195 * reported + 1210),
                                           TwipsToPixels(10000), TwipsToPixels(200)));
        // "Да": correction mode.
        QVERIFY(!accept->isVisible() && !change->isVisible());
        QVERIFY(!control<QLabel>("Form7", "Label2")->isVisible());
        QVERIFY(screen->printedTexts().isEmpty());
        auto *list = control<QListWidget>("Form7", "List1");
        QVERIFY(list->isVisible() && list->isEnabled());
        QCOMPARE(list->count(), FeedParameterCount(condition));
        QCOMPARE(control<QLabel>("Form7", "Label3")->text(),
                 QStringLiteral(
                     " Подведите указатель мыши к   строке, информацию которой   Вы будете исправлять и  "
                     "щёлкните левой кнопкой"));
        QVERIFY(control<QLabel>("Form7", "Label3")->isVisible());
        QVERIFY(!button("Form7", "Command3")->isVisible());
        QVERIFY(!session->hasEnded());
    }

    void correctionKeepsTheRedColourUntilTheCheckPasses()
    {
        WatchedSession session;
        // xW above the feed composition (parameter 6) and a negative reflux
        // (parameter 7): two faults, the first one reported.
        session->answers({"78.11", "92.14", "2", "0.4", "0.97", "0.5", "-1"});
        session->answer("3");    // the reflux, not the reported fault
        session->answer("0.02"); // xW: still the reflux... now fixed
        chooseOnFirstRoad(BoilingLiquidFeed);
        QCOMPARE(problem().BadPointIndex, 6);
        button("Form7", "Command2")->click();

        auto *list = control<QListWidget>("Form7", "List1");
        auto *endCorrections = button("Form7", "Command3");
        QVERIFY(list->isVisible() && list->isEnabled());
        QVERIFY(!endCorrections->isVisible());

        FeedParameterScreen *screen = FindForm<FeedParameterScreen>(QStringLiteral("Form7"));
        screen->List1_Click(6); // the reflux line
        QCOMPARE(session->prompts.last().text, Reflux);
        QCOMPARE(session->prompts.last().position, QPoint(1200, 195 * 7 + 2850));
        QCOMPARE(list->item(6)->text(), line(Reflux, QStringLiteral("3")));
        QVERIFY(endCorrections->isVisible());
        QCOMPARE(colourOf(endCorrections), Red);
        QVERIFY(!control<QLabel>("Form7", "Label3")->isVisible());

        screen->List1_Click(5); // xW
        QCOMPARE(session->prompts.last().text, Bottoms);
        QCOMPARE(session->prompts.last().position, QPoint(1200, 195 * 6 + 2850));
        QCOMPARE(list->item(5)->text(), line(Bottoms, QStringLiteral("0.02")));
        QCOMPARE(colourOf(endCorrections), Green);
        QCOMPARE(problem().Feed.Value[FeedXW], 0.02f);
        QCOMPARE(problem().Feed.Value[FeedR], 3.0f);

        // "КОНЕЦ ИСПРАВЛЕНИЙ": the control table again, then accepted.
        endCorrections->click();
        QVERIFY(!FindForm(QStringLiteral("Form7")));
        QVERIFY(FindForm(QStringLiteral("Form9")));
        QVERIFY(session->dialogs.isEmpty());
        QVERIFY(!session->unansweredPromptsLeft());
    }

    // A verdict button stands below the last line of the table. Clicked
    // twice in a row, its second click lands on what the first one put under
    // the pointer: a line of the correction list, or the next window's
    // "Данные имеются". Neither was aimed at, so no prompt opens and no
    // value changes, whatever is typed next; a click below the list's last
    // line does nothing either.
    void strayClicksBelowTheLastLineOpenNoPrompt_data()
    {
        QTest::addColumn<QString>("bottoms");
        QTest::addColumn<QString>("verdictButton");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("formAfter");
        QTest::newRow("double click on the change button")
            << QStringLiteral("0.5") << QStringLiteral("Command2") << QStringLiteral("double")
            << QStringLiteral("Form7");
        QTest::newRow("double click on the accept button")
            << QStringLiteral("0.02") << QStringLiteral("Command1") << QStringLiteral("double, next window")
            << QStringLiteral("Form9");
        QTest::newRow("click below the list's last line")
            << QStringLiteral("0.5") << QStringLiteral("Command2") << QStringLiteral("below")
            << QStringLiteral("Form7");
    }
    void strayClicksBelowTheLastLineOpenNoPrompt()
    {
        QFETCH(QString, bottoms);
        QFETCH(QString, verdictButton);
        QFETCH(QString, clicks);
        QFETCH(QString, formAfter);
        WatchedSession session;
        QStringList answers = validAnswers(BoilingLiquidFeed);
        answers[5] = bottoms;
        session->answers(answers);
        chooseOnFirstRoad(BoilingLiquidFeed);
        const FeedSpec typed = problem().Feed;

        QPushButton *verdict = button("Form7", verdictButton);
        QWindow *window = verdict->window()->windowHandle();
        // Low in the button, where the next window's first button stands.
        const QPoint at =
            verdict->mapTo(verdict->window(), QPoint(verdict->width() / 4, verdict->height() - 4));
        const QPoint pointer = verdict->window()->mapToGlobal(at);
        if (clicks == QLatin1String("double")) {
            QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            auto *list = control<QListWidget>("Form7", "List1");
            QVERIFY(list->indexAt(list->viewport()->mapFromGlobal(pointer)).isValid());
        } else if (clicks == QLatin1String("below")) {
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
            auto *list = control<QListWidget>("Form7", "List1");
            const QPoint below(list->width() / 2,
                               list->visualItemRect(list->item(list->count() - 1)).bottom() + 3);
            QVERIFY(list->viewport()->rect().contains(below));
            QTest::mouseClick(window, Qt::LeftButton, {}, list->viewport()->mapTo(list->window(), below));
        } else {
            // The first click accepts; the offscreen platform cannot send
            // the second one to another window, so it is sent the way Qt
            // gives it to the widget under the pointer there: a double-click
            // event with no press, then the release.
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            FormBase *next = FindForm(formAfter);
            QVERIFY(next);
            QWidget *target = next->childAt(next->mapFromGlobal(pointer));
            QVERIFY(target);
            QCOMPARE(target->objectName(), QStringLiteral("Command1")); // "Данные имеются"
            const QPointF local = target->mapFromGlobal(pointer);
            QMouseEvent doubleClick(QEvent::MouseButtonDblClick, local, QPointF(pointer), Qt::LeftButton,
                                    Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &doubleClick);
            QMouseEvent release(QEvent::MouseButtonRelease, local, QPointF(pointer), Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &release);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        FormBase *after = FindForm(formAfter);
        QVERIFY(after && after->isVisible());
        if (QWidget *focus = QApplication::focusWidget())
            QTest::keyClicks(focus, QStringLiteral("5"));
        QCOMPARE(session->prompts.size(), answers.size());
        for (int i = 1; i <= FeedParameterCount(BoilingLiquidFeed); ++i) {
            const int element = FeedParameterElement(BoilingLiquidFeed, i);
            QCOMPARE(problem().Feed.Text[element], typed.Text[element]);
        }
        QVERIFY(!session->hasEnded());
    }

    void endOfCorrectionsWithAFaultReportsItAgain()
    {
        WatchedSession session;
        session->answers({"78.11", "92.14", "2", "0.5", "120", "0.97", "0.02", "-1"});
        session->answer("-2").yes();
        session->answer("-3").no();
        chooseOnFirstRoad(VapourFeed);
        auto *screen = FindForm<FeedParameterScreen>(QStringLiteral("Form7"));
        button("Form7", "Command2")->click();
        screen->List1_Click(7);
        QCOMPARE(colourOf(button("Form7", "Command3")), Red);
        button("Form7", "Command3")->click();
        QCOMPARE(screen->windowTitle(),
                 QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде пара)"));
        QCOMPARE(session->dialogs.size(), 1);
        QCOMPARE(session->highlights.last().text, line(Reflux, QStringLiteral("-2")));
        // "Да" cleared the table and opened the correction again.
        QVERIFY(screen->printedTexts().isEmpty());
        QVERIFY(control<QListWidget>("Form7", "List1")->isVisible());

        // Still wrong, and "Нет" in the dialog ends the program.
        screen->List1_Click(7);
        button("Form7", "Command3")->click();
        QCOMPARE(session->dialogs.size(), 2);
        QCOMPARE(session->highlights.last().text, line(Reflux, QStringLiteral("-3")));
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form8"));
    }

    void noInTheErrorDialogEndsTheProgram()
    {
        WatchedSession session;
        QStringList answers = validAnswers(LiquidFeed);
        answers[2] = "-1";
        session->answers(answers).no();
        chooseOnFirstRoad(LiquidFeed);
        button("Form7", "Command1")->click();
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
        QCOMPARE(session->events.last(), QStringLiteral("dialog:Form8"));
    }

    void vapourColderThanItsDewPointShowsTheDewTemperature()
    {
        WatchedSession session;
        QStringList answers = validAnswers(VapourFeed);
        answers[4] = "20";
        session->answers(answers);
        chooseOnFirstRoad(VapourFeed);
        const FeedSpec &feed = problem().Feed;
        // The vapour of mass fraction 0.5 (mole fraction 0.5412) condenses
        // between the points Y = 0.511 (98.6) and Y = 0.619 (95.2).
        QVERIFY(qAbs(feed.Value[FeedTv] - 97.65f) < 0.01f);
        const QString dewText = FormatFixed(feed.Value[FeedTv], 9, 6);
        QCOMPARE(dewText, QStringLiteral("%1").arg(double(feed.Value[FeedTv]), 9, 'f', 6));
        QCOMPARE(feed.Text[FeedTv], dewText);
        auto *screen = FindForm<FeedParameterScreen>(QStringLiteral("Form7"));
        QCOMPARE(screen->printedLines().at(4), line(VapourTemperature, dewText));
        QCOMPARE(colourOf(button("Form7", "Command1")), Green);
        button("Form7", "Command2")->click();
        QCOMPARE(control<QListWidget>("Form7", "List1")->item(4)->text(), line(VapourTemperature, dewText));
    }

    void changeRoadMenuMarksTheEnteredCondition_data()
    {
        QTest::addColumn<int>("condition");
        for (int c = 0; c < 4; ++c)
            QTest::newRow(qPrintable(QStringLiteral("condition %1").arg(c))) << c;
    }
    void changeRoadMenuMarksTheEnteredCondition()
    {
        QFETCH(int, condition);
        WatchedSession session;
        problem().Feed.Condition = condition;
        OpenFeedChangeMenu();
        auto *menu = FindForm<FeedConditionMenu>(QStringLiteral("Form29"));
        QVERIFY(menu);
        QCOMPARE(menu->windowTitle(), QStringLiteral("КОРРЕКЦИЯ ВИДА ПИТАНИЯ"));
        QCOMPARE(menu->pos(), QPoint(0, 0));
        QVERIFY(!menu->showsDiagram());
        QVERIFY(!button("Form29", "Command1"));
        for (int c = 0; c < 4; ++c) {
            auto *b = button("Form29", QStringLiteral("Command%1").arg(c + 3));
            QVERIFY(b->isVisible());
            QCOMPARE(colourOf(b), c == condition ? QColor(128, 255, 128) : QColor(255, 255, 255));
        }
        auto *entered = control<QLabel>("Form29", "Label2");
        auto *notEntered = control<QLabel>("Form29", "Label3");
        QCOMPARE(entered->text(), QStringLiteral("Данные введены"));
        QCOMPARE(notEntered->text(), QStringLiteral("Данные не введены"));
        QCOMPARE(FormBase::backColor(entered), QColor(128, 255, 128));
        QCOMPARE(FormBase::backColor(notEntered), QColor(255, 255, 255));
        QVERIFY(control<QLabel>("Form29", "Label1")->isVisible());
    }

    void changeRoadCorrectsTheStoredCondition_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("heading");
        QTest::newRow("boiling liquid")
            << int(BoilingLiquidFeed)
            << QStringLiteral(
                   "КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости, нагретой до "
                   "температуры кипения)")
            << QStringLiteral(" ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ЖИДКОСТИ,\nНАГРЕТОЙ ДО ТЕМПЕРАТУРЫ КИПЕНИЯ");
        QTest::newRow("vapour") << int(VapourFeed)
                                << QStringLiteral(
                                       "КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде пара)")
                                << QStringLiteral("ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ПАРА");
        QTest::newRow("mixture")
            << int(MixtureFeed)
            << QStringLiteral(
                   "КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде парожидкостной смеси)")
            << QStringLiteral("ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ПАРОЖИДКОСТНОЙ СМЕСИ");
        QTest::newRow("liquid") << int(LiquidFeed)
                                << QStringLiteral(
                                       "КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости)")
                                << QStringLiteral("ИСХОДНАЯ СМЕСЬ ПОДАЕТСЯ В ВИДЕ ЖИДКОСТИ");
    }
    void changeRoadCorrectsTheStoredCondition()
    {
        QFETCH(int, condition);
        QFETCH(QString, caption);
        QFETCH(QString, heading);
        WatchedSession session;
        // The feed as the first road left it; the report has since written
        // its own labels into FeedSpec.Label.
        session->answers(validAnswers(condition));
        chooseOnFirstRoad(condition);
        DisposeAllForms();
        for (QString &label : problem().Feed.Label)
            label = QStringLiteral("report label");

        session->answer("2,5");
        OpenFeedChangeMenu();
        button("Form29", QStringLiteral("Command%1").arg(condition + 3))->click();
        auto *screen = FindForm<FeedParameterScreen>(QStringLiteral("Form30"));
        QVERIFY(screen);
        QCOMPARE(LoadedForms(), QList<FormBase *>{screen});
        QCOMPARE(screen->windowTitle(), caption);
        QCOMPARE(control<QLabel>("Form30", "Label1")->text(), heading);
        QVERIFY(control<QLabel>("Form30", "Label1")->isVisible());
        auto *list = control<QListWidget>("Form30", "List1");
        QVERIFY(list->isVisible() && list->isEnabled());
        const QStringList answers = validAnswers(condition);
        QCOMPARE(list->count(), answers.size());
        QCOMPARE(list->item(0)->text(), line(MolarMassA, QStringLiteral("78.11")));
        QCOMPARE(list->item(answers.size() - 1)->text(), line(Reflux, QStringLiteral("3")));

        screen->List1_Click(answers.size() - 1);
        QCOMPARE(session->prompts.last().text, Reflux);
        QCOMPARE(problem().Feed.Value[FeedR], 2.5f);
        QCOMPARE(colourOf(button("Form30", "Command3")), Green);
        button("Form30", "Command3")->click();
        // Accepted: back to the change-data menu, not on to the heats of mixing.
        QVERIFY(!FindForm(QStringLiteral("Form30")));
        QVERIFY(!FindForm(QStringLiteral("Form9")));
        QVERIFY(FindForm(QStringLiteral("Form24")));
        QCOMPARE(problem().Feed.Condition, condition);
    }

    void changeRoadEntersAnotherConditionAnew()
    {
        WatchedSession session;
        session->answers(validAnswers(VapourFeed));
        chooseOnFirstRoad(VapourFeed);
        DisposeAllForms();
        QCOMPARE(problem().Feed.Value[FeedTv], 120.0f);

        WatchingPlatform &watching = *session.operator->();
        watching.captions.clear();
        session->answers({"78.11", "92.14", "2", "0.4", "20", "0.97", "0.02", "3"});
        session->answer("0,3").answer("0,5").no();
        OpenFeedChangeMenu();
        button("Form29", "Command6")->click();
        auto *screen = FindForm<FeedParameterScreen>(QStringLiteral("Form30"));
        QVERIFY(screen);
        QCOMPARE(watching.captions.first(),
                 QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости)"));
        QCOMPARE(screen->windowTitle(),
                 QStringLiteral("КОНТРОЛЬ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ (исх. смесь подается в виде жидкости)"));
        const FeedSpec &feed = problem().Feed;
        QCOMPARE(feed.Condition, int(LiquidFeed));
        // Nothing of the vapour feed survives in the values.
        QCOMPARE(feed.Value[FeedFv], 0.0f);
        QCOMPARE(feed.Value[FeedXFv], 0.0f);
        QCOMPARE(feed.Value[FeedTv], 0.0f);
        QCOMPARE(feed.Value[FeedTl], 20.0f);
        QCOMPARE(session->prompts.last().text, Reflux);
        QCOMPARE(session->prompts[session->prompts.size() - 6].text, LiquidFeedFlow);

        // A fault on the change road is reported with Form31.
        button("Form30", "Command2")->click();
        screen->List1_Click(6); // xW = 0.3 is below the feed's 0.4
        QCOMPARE(problem().BadPointIndex, 0);
        screen->List1_Click(6); // xW = 0.5 is above it
        QCOMPARE(problem().BadPointIndex, 7);
        button("Form30", "Command3")->click();
        QCOMPARE(session->dialogs.last().name, QStringLiteral("Form31"));
        QVERIFY(session->hasEnded());
    }
};

QTEST_MAIN(FeedScreensTest)
#include "tst_feed_screens.moc"

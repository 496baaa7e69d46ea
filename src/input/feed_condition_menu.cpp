#include "feed_condition_menu.h"
#include "feed_parameter_screen.h"
#include "input_screens.h"

#include "engine/feed_checks.h"
#include "equilibrium/equilibrium_diagram.h"
#include "equilibrium/equilibrium_screens.h"
#include "ui/form_base.h"
#include "ui/platform.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// The first road's window, and its controls in the pixel positions of its
// design (15 twips to the pixel).
constexpr int MenuLeft = 10, MenuTop = 5, MenuWidth = 14000, MenuHeight = 8000;
constexpr int GoOnLeft = 150 * TwipsPerPixel, GoOnTop = 50 * TwipsPerPixel;
constexpr int BackLeft = 150 * TwipsPerPixel, BackTop = 150 * TwipsPerPixel;
constexpr int GoOnWidth = 3000, GoOnHeight = 900, BackHeight = 1350;
constexpr int EndLeft = 350 * TwipsPerPixel, EndTop = 400 * TwipsPerPixel;

// The change road's window.
constexpr int ChangeMenuWidth = 9000, ChangeMenuHeight = 4800;
constexpr int LegendTop = 300, LegendWidth = 2400, LegendHeight = 300;
constexpr int ChangeColumnTop = 900;

// The column of the condition choice: Label1, the four condition buttons and
// "Окончание расчёта", with the gaps between them.
constexpr int QuestionWidth = 7000, QuestionHeight = 600;
constexpr int ConditionWidth = 6000, ConditionHeight = 500;
constexpr int EndWidth = 3500, EndHeight = 500;
constexpr int GapBelowQuestion = 90, GapBetweenConditions = 60, GapAboveEnd = 100;
constexpr int ChoiceColumnHeight = QuestionHeight + GapBelowQuestion + FeedConditionCount * ConditionHeight +
                                   (FeedConditionCount - 1) * GapBetweenConditions + GapAboveEnd;

QFont boldFont(const QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    return font;
}

} // namespace

FeedConditionMenu::FeedConditionMenu(FeedRoad road)
    : FormBase(road == FeedRoad::FirstEntry ? QStringLiteral("Form6") : QStringLiteral("Form29"))
    , feedRoad(road)
{
    question =
        addLabel(QStringLiteral("Label1"),
                 QStringLiteral("\n") + QStringLiteral("В Вашем задании исходная смесь поступает в виде:"));
    question->setFont(boldFont(this));
    question->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (int condition = 0; condition < FeedConditionCount; ++condition) {
        QPushButton *button =
            addButton(QStringLiteral("Command%1").arg(condition + 3), FeedConditionButtonCaption(condition));
        conditionButtons[condition] = button;
        connect(button, &QPushButton::clicked, this,
                [this, condition] { RunHandler([this, condition] { chooseCondition(condition); }); });
    }
    endOfWork = addButton(QStringLiteral("Command7"), QStringLiteral("Окончание расчёта"));
    connect(endOfWork, &QPushButton::clicked, this, [this] { RunHandler([this] { Command7_Click(); }); });

    if (road == FeedRoad::FirstEntry)
        buildFirstEntryLayout();
    else
        buildChangeLayout();
}

void FeedConditionMenu::buildFirstEntryLayout()
{
    setWindowTitle(QStringLiteral("ПРОДОЛЖЕНИЕ ВВОДА ИСХОДНОЙ ИНФОРМАЦИИ"));
    resize(TwipsToPixels(MenuWidth), TwipsToPixels(MenuHeight));
    moveTwips(MenuLeft, MenuTop);

    goOn = addButton(QStringLiteral("Command1"), QStringLiteral("ПРОДОЛЖЕНИЕ\nРАБОТЫ"));
    backToEquilibrium = addButton(QStringLiteral("Command2"),
                                  QStringLiteral("ВОЗВРАТ К\nКОРРЕКЦИИ\nРАВНОВЕСНОЙ\nЗАВИСИМОСТИ"));
    placeTwips(goOn, GoOnLeft, GoOnTop, GoOnWidth, GoOnHeight);
    placeTwips(backToEquilibrium, BackLeft, BackTop, GoOnWidth, BackHeight);
    connect(goOn, &QPushButton::clicked, this, [this] { RunHandler([this] { Command1_Click(); }); });
    connect(backToEquilibrium, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Command2_Click(); }); });

    // The column ends with "Окончание расчёта" where the choice keeps it.
    layOutChoiceColumn(EndTop - ChoiceColumnHeight);
    // Until the student goes on, the window shows the diagram, the two
    // buttons above and the end of the work.
    showChoice(false);
    diagramShown = true;
    goOn->setFocus();
}

void FeedConditionMenu::buildChangeLayout()
{
    setWindowTitle(QStringLiteral("КОРРЕКЦИЯ ВИДА ПИТАНИЯ"));
    resize(TwipsToPixels(ChangeMenuWidth), TwipsToPixels(ChangeMenuHeight));
    moveTwips(0, 0);

    enteredLegend = addLabel(QStringLiteral("Label2"), QStringLiteral("Данные введены"));
    notEnteredLegend = addLabel(QStringLiteral("Label3"), QStringLiteral("Данные не введены"));
    const int legendGap = (ChangeMenuWidth - 2 * LegendWidth) / 3;
    placeTwips(enteredLegend, legendGap, LegendTop, LegendWidth, LegendHeight);
    placeTwips(notEnteredLegend, 2 * legendGap + LegendWidth, LegendTop, LegendWidth, LegendHeight);
    setBackColor(enteredLegend, enteredColour());
    setBackColor(notEnteredLegend, notEnteredColour());
    for (QLabel *legend : {enteredLegend, notEnteredLegend}) {
        legend->setAlignment(Qt::AlignCenter);
        legend->setFrameShape(QFrame::Box);
    }

    layOutChoiceColumn(ChangeColumnTop);
    markEnteredCondition(problem().Feed.Condition);
    conditionButtons[BoilingLiquidFeed]->setFocus();
}

void FeedConditionMenu::layOutChoiceColumn(int top)
{
    const int inner = widthTwips();
    placeTwips(question, (inner - QuestionWidth) / 2, top, QuestionWidth, QuestionHeight);
    top += QuestionHeight + GapBelowQuestion;
    for (int condition = 0; condition < FeedConditionCount; ++condition) {
        if (condition > 0)
            top += GapBetweenConditions;
        placeTwips(conditionButtons[condition], (inner - ConditionWidth) / 2, top, ConditionWidth,
                   ConditionHeight);
        top += ConditionHeight;
    }
    top += GapAboveEnd;
    placeTwips(endOfWork, (inner - EndWidth) / 2, top, EndWidth, EndHeight);
}

void FeedConditionMenu::showChoice(bool visible)
{
    question->setVisible(visible);
    for (QPushButton *button : conditionButtons)
        button->setVisible(visible);
}

void FeedConditionMenu::markEnteredCondition(int condition)
{
    for (QPushButton *button : conditionButtons)
        setBackColor(button, notEnteredColour());
    if (IsFeedCondition(condition))
        setBackColor(conditionButtons[condition], enteredColour());
}

void FeedConditionMenu::drawContent(QPainter &painter)
{
    // The plot beside the first road's buttons, until the student goes on.
    if (diagramShown)
        DrawEquilibriumPlot(painter, problem(), PlotLeft, PlotTop, PlotSize);
}

void FeedConditionMenu::Command1_Click()
{
    clearDrawing();
    goOn->hide();
    backToEquilibrium->hide();
    showChoice(true);
    conditionButtons[BoilingLiquidFeed]->setFocus();
    moveControlTwips(endOfWork, EndLeft, EndTop);
}

void FeedConditionMenu::Command2_Click()
{
    hide();
    unload();
    CloseOtherForms();
    OpenEquilibriumEditor();
}

void FeedConditionMenu::Command7_Click()
{
    hide();
    unload();
    CloseOtherForms();
    EndProgram();
}

void FeedConditionMenu::chooseCondition(int condition)
{
    ProblemData &data = problem();
    auto *screen = new FeedParameterScreen(feedRoad);
    hide();
    unload();
    CloseOtherForms();
    if (feedRoad == FeedRoad::Change && condition == data.Feed.Condition) {
        screen->correctStoredValues();
        return;
    }
    // A condition entered anew starts from a clean feed on both roads: the
    // calculation adds the vapour and the liquid flow whatever the condition,
    // so a flow left from an earlier problem would be counted in.
    ClearFeedValues(data);
    screen->enterParameters(condition);
}

void ShowFeedConditionWindow()
{
    auto *menu = new FeedConditionMenu(FeedRoad::FirstEntry);
    CloseOtherForms();
    menu->show();
    menu->activateWindow();
    if (auto *goOn = menu->findChild<QPushButton *>(QStringLiteral("Command1")); goOn && goOn->isEnabled())
        goOn->setFocus();
}

void OpenFeedChangeMenu()
{
    auto *menu = new FeedConditionMenu(FeedRoad::Change);
    CloseOtherForms();
    menu->show();
    menu->activateWindow();
}

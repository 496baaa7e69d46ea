#include "feed_parameter_screen.h"
#include "input_screens.h"

#include "ui/form_base.h"
#include "ui/platform.h"
#include "ui/problem_keeping.h"
#include "ui/prompts.h"
#include "ui/roads.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString PromptTitle = QStringLiteral("ВВОД ИСХОДНОЙ ИНФОРМАЦИИ");

constexpr int ScreenWidth = 12600, ScreenHeight = 6600;
constexpr int ListLeft = 400, ListWidth = 11400;
constexpr int LineHeight = 195;
// While the parameters are typed in the list shows about seven lines; in
// correction mode it shows them all, lower down, so that the prompt for a
// line stands beside it.
constexpr int EntryListTop = 1250, EntryListHeight = 1500;
constexpr int CorrectionListTop = 2700;
constexpr int HeadingTop = 1800, HeadingHeight = 800;
constexpr int HighlightLeft = 400, HighlightWidth = 10000, HighlightHeight = 200;
// The hint's runs of spaces break it into lines of at most 28 characters.
constexpr int HintCharacters = 28, HintHeight = 900;
constexpr int EndCorrectionsLeft = 4500, EndCorrectionsWidth = 3500;
constexpr int VerdictButtonWidth = 4800, ButtonHeight = 500;

} // namespace

FeedParameterScreen::FeedParameterScreen(FeedRoad road)
    : FormBase(road == FeedRoad::FirstEntry ? QStringLiteral("Form7") : QStringLiteral("Form30"))
    , feedRoad(road)
{
    resize(TwipsToPixels(ScreenWidth), TwipsToPixels(ScreenHeight));
    moveTwips(0, 0);

    accept = addButton(QStringLiteral("Command1"), QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"));
    change = addButton(QStringLiteral("Command2"), QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"));
    endCorrections = addButton(QStringLiteral("Command3"), QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ"));
    connect(accept, &QPushButton::clicked, this, [this] { RunHandler([this] { Command1_Click(); }); });
    connect(change, &QPushButton::clicked, this, [this] { RunHandler([this] { Command2_Click(); }); });
    connect(endCorrections, &QPushButton::clicked, this,
            [this] { RunHandler([this] { Command3_Click(); }); });

    heading = addLabel(QStringLiteral("Label1"));
    QFont headingFont = font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    placeTwips(heading, ListLeft, HeadingTop, ListWidth, HeadingHeight);

    // The failing line, laid over the same line of the control table.
    highlight = addLabel(QStringLiteral("Label2"));
    highlight->setFont(FixedPitchFont());
    highlight->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    highlight->setContentsMargins(TwipsToPixels(TableLeft - HighlightLeft), 0, 0, 0);
    setBackColor(highlight, VbColor(VbYellow));
    setTextColor(highlight, VbColor(VbRed));

    hint =
        addLabel(QStringLiteral("Label3"), QStringLiteral(" Подведите указатель мыши к   строке, информацию "
                                                          "которой   Вы будете исправлять и  щёлкните левой "
                                                          "кнопкой"));
    hint->setFont(FixedPitchFont());
    hint->setWordWrap(true);
    hint->setFrameShape(QFrame::Box);

    list = addList(QStringLiteral("List1"));
    connect(list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { RunHandler([this, item] { List1_Click(list->row(item)); }); });

    for (QWidget *control :
         std::initializer_list<QWidget *>{accept, change, endCorrections, heading, highlight, hint, list})
        control->hide();
}

QString FeedParameterScreen::errorDialogName() const
{
    return feedRoad == FeedRoad::FirstEntry ? QStringLiteral("Form8") : QStringLiteral("Form31");
}

int FeedParameterScreen::parameterCount() const
{
    return FeedParameterCount(problem().Feed.Condition);
}

void FeedParameterScreen::enterParameters(int condition)
{
    FeedSpec &feed = problem().Feed;
    SetFeedCondition(feed, condition);
    setWindowTitle(FeedEntryCaption(feedRoad, condition));
    list->clear();
    list->setEnabled(false);
    placeList(EntryListTop, EntryListHeight);
    list->show();
    show();
    activateWindow();

    // Nothing is checked while the values are typed.
    for (int i = 1; i <= parameterCount(); ++i) {
        const QPoint at = entryPromptPosition(i);
        RecordFeedEntry(feed, i, PromptValue(PromptTitle, feed.Label[i], at.x(), at.y()));
        list->addItem(FeedLine(feed.Label[i], feed.EntryText[i]));
        list->item(i - 1)->setSizeHint(QSize(0, TwipsToPixels(LineHeight)));
        list->scrollToBottom();
    }
    CopyFeedEntries(feed);
    keeping().dataSetTyped({RoadSet::Feed});
    showTypedParameters();
}

void FeedParameterScreen::showTypedParameters()
{
    ProblemData &data = problem();
    // The prompts are the labels of the lines.
    SetFeedCondition(data.Feed, data.Feed.Condition);
    list->hide();
    setWindowTitle(FeedControlCaption(feedRoad, data.Feed.Condition, false));
    show();
    // The check runs before the table is printed: it may put a derived value
    // in place of a typed one (a vapour colder than its dew point is taken at
    // the dew point), and the table shows what will be calculated with.
    const int badParameter = CheckFeedParameters(data);
    printControlTable();
    showVerdict(badParameter);
}

void FeedParameterScreen::correctStoredValues()
{
    FeedSpec &feed = problem().Feed;
    // The labels are set anew: the printed report uses the same field.
    SetFeedCondition(feed, feed.Condition);
    setWindowTitle(FeedCorrectionCaption(feed.Condition));
    heading->setText(FeedHeadingLines(feed.Condition).join(u'\n'));
    heading->show();
    show();
    activateWindow();
    openCorrection();
}

void FeedParameterScreen::printControlTable()
{
    const FeedSpec &feed = problem().Feed;
    for (int i = 1; i <= parameterCount(); ++i)
        printAt(TableLeft, tableLineTop(i), FeedParameterLine(feed, i));
}

void FeedParameterScreen::placeVerdictButtons()
{
    const int top = tableLineTop(parameterCount() + 1) + 300;
    const int gap = (ScreenWidth - 2 * VerdictButtonWidth) / 3;
    placeTwips(accept, gap, top, VerdictButtonWidth, ButtonHeight);
    placeTwips(change, 2 * gap + VerdictButtonWidth, top, VerdictButtonWidth, ButtonHeight);
}

void FeedParameterScreen::showVerdict(int badParameter)
{
    placeVerdictButtons();
    accept->show();
    change->show();
    ColourVerdictButtons(accept, change, badParameter != 0);
}

void FeedParameterScreen::Command1_Click()
{
    acceptOrReport();
}

void FeedParameterScreen::acceptOrReport()
{
    const int badParameter = CheckFeedParameters(problem());
    if (badParameter == 0) {
        hide();
        unload();
        if (feedRoad == FeedRoad::FirstEntry)
            roads().continueFirstRoad({RoadSet::Feed});
        else
            roads().showChangeDataMenu();
        return;
    }
    platform().beep();
    highlightParameter(badParameter);
    accept->hide();
    change->hide();
    ShowWarningDialog(errorDialogName(), WarningDialogLeftCentredOn(*this), ErrorDialogTop);
    clearDrawing();
    openCorrection();
}

void FeedParameterScreen::highlightParameter(int parameter)
{
    if (parameter < 1 || parameter > parameterCount()) {
        highlight->hide();
        return;
    }
    highlight->setText(FeedParameterLine(problem().Feed, parameter));
    placeTwips(highlight, HighlightLeft, tableLineTop(parameter), HighlightWidth, HighlightHeight);
    highlight->show();
    highlight->raise();
}

void FeedParameterScreen::Command2_Click()
{
    clearDrawing();
    openCorrection();
}

void FeedParameterScreen::openCorrection()
{
    for (QWidget *control : std::initializer_list<QWidget *>{highlight, accept, change, endCorrections})
        control->hide();
    fillList();
    const int listHeight = (parameterCount() + 1) * LineHeight;
    placeList(CorrectionListTop, listHeight);
    list->setEnabled(true);
    list->show();
    const int hintWidth = QFontMetrics(hint->font()).horizontalAdvance(QString(HintCharacters, u'M')) +
                          2 * hint->frameWidth() + 2 * hint->margin() + 2;
    placeTwips(hint, ListLeft, CorrectionListTop + listHeight + 150, PixelsToTwips(hintWidth), HintHeight);
    placeTwips(endCorrections, EndCorrectionsLeft, CorrectionListTop + listHeight + 150, EndCorrectionsWidth,
               ButtonHeight);
    hint->show();
    giveFocus(list);
}

void FeedParameterScreen::fillList()
{
    const FeedSpec &feed = problem().Feed;
    list->clear();
    for (int i = 1; i <= parameterCount(); ++i) {
        list->addItem(FeedParameterLine(feed, i));
        list->item(i - 1)->setSizeHint(QSize(0, TwipsToPixels(LineHeight)));
    }
}

void FeedParameterScreen::placeList(int top, int height)
{
    placeTwips(list, ListLeft, top, ListWidth, height);
}

void FeedParameterScreen::List1_Click(int line)
{
    const int parameter = line + 1;
    if (!list->isEnabled() || parameter < 1 || parameter > parameterCount())
        return;
    hint->hide();
    endCorrections->hide();

    ProblemData &data = problem();
    const QPoint at = correctionPromptPosition(parameter);
    if (const auto typed = PromptCorrection(PromptTitle, data.Feed.Label[parameter], at.x(), at.y()))
        StoreFeedCorrection(data.Feed, parameter, *typed);
    const int badParameter = CheckFeedParameters(data);
    // The whole list is refilled: the check may have replaced another
    // parameter's value (the vapour temperature raised to its dew point).
    fillList();
    list->setCurrentRow(line);

    endCorrections->show();
    ColourVerdictButton(endCorrections, badParameter != 0);
    // Valid data are finished with Enter; otherwise the keys go on picking rows.
    giveFocus(badParameter == 0 ? endCorrections : static_cast<QWidget *>(list));
}

void FeedParameterScreen::Command3_Click()
{
    for (QWidget *control : std::initializer_list<QWidget *>{list, endCorrections, heading, hint})
        control->hide();
    setWindowTitle(FeedControlCaption(feedRoad, problem().Feed.Condition, true));
    clearDrawing();
    printControlTable();
    acceptOrReport();
}

void ShowTypedFeedParameters()
{
    auto *screen = new FeedParameterScreen(FeedRoad::FirstEntry);
    CloseOtherForms();
    screen->showTypedParameters();
    screen->activateWindow();
}

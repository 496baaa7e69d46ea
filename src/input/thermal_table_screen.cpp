#include "thermal_table_screen.h"
#include "thermal_prompts.h"

#include "engine/thermal_tables.h"
#include "model/text.h"
#include "ui/platform.h"
#include "ui/problem_keeping.h"
#include "ui/prompts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

const char *const CorrectionHint = " Подведите указатель мыши к   строке, информацию которой   Вы будете "
                                   "исправлять и  щёлкните левой кнопкой";
const char *const RemovalHint = "  Подведите указатель мыши           к  строке, которую Вы               "
                                "собираетесь изымать и             щёлкните левой кнопкой";

namespace {

constexpr int Row = 195;
constexpr int ButtonWidth = 4500, ButtonHeight = 400;
constexpr int QuestionButtonWidth = 2600, QuestionButtonHeight = 500;
constexpr int HintWidth = 3700, HintHeight = 800;
constexpr int PrintedLineX = 530, PrintedLineBase = 1210;
constexpr int HighlightLeft = 510, HighlightWidth = 10000;
constexpr int ArgumentColumn = 320, ValueColumn = 3450;
constexpr int PromptX = 2300;
constexpr int WarningBase = 2500;

int CentredLeft(int formWidth, int controlWidth)
{
    return formWidth / 2 - controlWidth / 2;
}

int BottomTwips(const QWidget *w)
{
    return PixelsToTwips(w->y() + w->height());
}

} // namespace

ThermalTableScreen::ThermalTableScreen(const QString &designName, const ThermalDataSet &set,
                                       TableScreenRoad road)
    : FormBase(designName)
    , set(set)
    , road(std::move(road))
    , list1(addList(QStringLiteral("List1")))
    , list2(addList(QStringLiteral("List2")))
    , label1(addLabel(QStringLiteral("Label1")))
    , label2(addLabel(QStringLiteral("Label2")))
    , label3(addLabel(QStringLiteral("Label3"), QString::fromUtf8(CorrectionHint)))
    , label4(addLabel(QStringLiteral("Label4"), QString::fromUtf8(RemovalHint)))
    , corrections(list1, label3)
    , removals(list2, label4)
{
    setGeometryTwips(0, 0, FormWidth, FormHeight);
    const QString captions[6] = {QString(),
                                 QStringLiteral("Данные имеются"),
                                 QStringLiteral("Данные отсутствуют"),
                                 QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"),
                                 QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"),
                                 QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ")};
    for (int i = 1; i <= 5; ++i)
        command[i] = addButton(QStringLiteral("Command%1").arg(i), captions[i]);
    for (int i = 3; i <= 5; ++i)
        placeTwips(command[i], CentredLeft(FormWidth, ButtonWidth), 0, ButtonWidth, ButtonHeight);
    connect(command[1], &QPushButton::clicked, this, &ThermalTableScreen::Command1_Click);
    connect(command[2], &QPushButton::clicked, this, &ThermalTableScreen::Command2_Click);
    connect(command[3], &QPushButton::clicked, this, &ThermalTableScreen::Command3_Click);
    connect(command[4], &QPushButton::clicked, this, &ThermalTableScreen::Command4_Click);
    connect(command[5], &QPushButton::clicked, this, &ThermalTableScreen::Command5_Click);

    for (QListWidget *list : {list1, list2})
        placeTwips(list, CentredLeft(FormWidth, ListWidth), ListTop, ListWidth, 2 * Row);
    connect(list1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List1_Click(list1->row(item)); });
    connect(list2, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List2_Click(list2->row(item)); });

    QFont headingFont = font();
    headingFont.setPointSize(12);
    label1->setFont(headingFont);
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // A one-line caption longer than the label (after a removal) wraps.
    label1->setWordWrap(true);
    placeTwips(label1, CentredLeft(FormWidth, ListWidth), 200, ListWidth, 700);

    // The highlight of a faulty line lies exactly over the printed line.
    label2->setFont(FixedPitchFont());
    // The label starts 20 twips left of the printed text; the indent puts
    // its text right over the printed characters.
    label2->setIndent(TwipsToPixels(20));
    setBackColor(label2, VbColor(VbYellow));

    for (QLabel *hint : {label3, label4}) {
        hint->setWordWrap(true);
        hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        placeTwips(hint, CentredLeft(FormWidth, HintWidth), 0, HintWidth, HintHeight);
        growToText(hint);
    }
    hideAll();
}

PointTable ThermalTableScreen::shownTable() const
{
    return set.table(problem(), currentSub);
}

QString ThermalTableScreen::filledText(const QString &pattern) const
{
    return set.filledText(problem(), currentSub, pattern);
}

int ThermalTableScreen::listLeftOnScreen() const
{
    return PixelsToTwips(pos().x() + list1->x());
}

int ThermalTableScreen::topOnScreen() const
{
    return PixelsToTwips(pos().y());
}

void ThermalTableScreen::hideAll()
{
    for (int i = 1; i <= 5; ++i)
        command[i]->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{list1, list2, label1, label2, label3, label4})
        w->hide();
}

void ThermalTableScreen::clearScreen()
{
    clearDrawing();
    list1->clear();
    hideAll();
}

void ThermalTableScreen::askQuestion(const DataQuestion &q)
{
    question = q;
    clearScreen();
    setWindowTitle(q.caption);
    label1->setText(q.question);
    label1->adjustSize();
    placeTwips(label1, CentredLeft(FormWidth, ListWidth), q.questionTop, ListWidth,
               PixelsToTwips(label1->height()));
    label1->show();
    // Three equal gaps: left of the first button, between them, right of the second.
    const int gap = int(std::lround(FormWidth / 3.0 - QuestionButtonWidth / 3.0 - QuestionButtonWidth / 3.0));
    const int top = BottomTwips(label1) + 200;
    placeTwips(command[1], gap, top, QuestionButtonWidth, QuestionButtonHeight);
    placeTwips(command[2], 2 * gap + QuestionButtonWidth, top, QuestionButtonWidth, QuestionButtonHeight);
    command[1]->setFocusPolicy(Qt::StrongFocus);
    command[2]->setFocusPolicy(Qt::ClickFocus);
    command[1]->show();
    command[2]->show();
    command[1]->setFocus();
}

void ThermalTableScreen::Command1_Click()
{
    RunHandler([this] {
        command[1]->hide();
        command[2]->hide();
        label1->hide();
        if (question.present)
            question.present(*this);
    });
}

void ThermalTableScreen::Command2_Click()
{
    RunHandler([this] {
        if (question.absent)
            question.absent(*this);
    });
}

void ThermalTableScreen::printHeadings(const QList<PrintedHeading> &headings)
{
    setPrintFont(HeadingFont());
    setFontBold(true);
    for (const PrintedHeading &heading : headings)
        printCentred(heading.y, filledText(heading.text));
    setFontBold(false);
    setPrintFont(FixedPitchFont());
}

void ThermalTableScreen::printPointLines()
{
    for (int i = 1; i <= shownTable().pointCount(); ++i)
        printAt(PrintedLineX, Row * i + PrintedLineBase, set.pointLine(problem(), currentSub, i));
}

void ThermalTableScreen::promptPoint(int point, const ColumnPrompts &prompts, int y)
{
    const int left = listLeftOnScreen();
    const QString argument =
        PromptValue(prompts.argument.title, prompts.argument.textFor(point), left + ArgumentColumn, y);
    const QString value =
        PromptValue(prompts.value.title, prompts.value.textFor(point), left + ValueColumn, y);
    shownTable().store(point, argument, value);
}

void ThermalTableScreen::correctPoint(int point, const ColumnPrompts &prompts, int y)
{
    const int left = listLeftOnScreen();
    const PointTable t = shownTable();
    if (const auto argument = PromptCorrection(prompts.argument.title, prompts.argument.textFor(point),
                                               left + ArgumentColumn, y))
        t.storeArgument(point, *argument);
    if (const auto value =
            PromptCorrection(prompts.value.title, prompts.value.textFor(point), left + ValueColumn, y))
        t.storeValue(point, *value);
}

void ThermalTableScreen::promptTemperature(int y)
{
    const TemperatureQuestion &q = set.temperatureQuestion;
    const TypedTemperature t =
        PromptTemperature(q.title, q.prompt, PromptX, y, q.message, TableTemperatureInRange);
    set.storeTemperature(problem(), currentSub, t.text, t.value);
}

void ThermalTableScreen::correctTemperature(int y)
{
    const TemperatureQuestion &q = set.temperatureQuestion;
    if (const auto t = CorrectTemperature(q.title, q.prompt, PromptX, y, q.message, TableTemperatureInRange))
        set.storeTemperature(problem(), currentSub, t->text, t->value);
}

void ThermalTableScreen::enterData(int sub)
{
    currentSub = sub;
    problem().CurrentComponent = sub;
    clearScreen();
    setWindowTitle(filledText(set.entryCaption));
    showEntryLabel();
    show();
    if (set.asksTemperatureBeforeCount)
        promptTemperature(2000);
    printHeadings(set.entryHeadings);

    const PointTable t = shownTable();
    *t.count = PromptTableCount(set.count);
    placeTwips(list1, PixelsToTwips(list1->x()), ListTop, ListWidth, Row * t.pointCount() + Row);
    list1->setEnabled(false);
    list1->show();
    for (int i = 1; i <= t.pointCount(); ++i) {
        const int y = Row * i + 1230;
        const int left = listLeftOnScreen();
        const PointPrompt &argument = set.entryPrompts.argument;
        t.storeArgument(i, PromptValue(argument.title, argument.textFor(i), left + ArgumentColumn, y));
        list1->addItem(set.argumentLine(problem(), sub, i));
        const PointPrompt &value = set.entryPrompts.value;
        t.storeValue(i, PromptValue(value.title, value.textFor(i), left + ValueColumn, y));
        list1->clear();
        for (int j = 1; j <= i; ++j)
            list1->addItem(set.pointLine(problem(), sub, j));
    }
    set.sort(problem(), sub);
    keeping().dataSetTyped(set.roadStep(sub));
    showPrintedTable();
}

void ThermalTableScreen::showTypedTable(int sub)
{
    currentSub = sub;
    problem().CurrentComponent = sub;
    clearScreen();
    showEntryLabel();
    show();
    showPrintedTable();
}

void ThermalTableScreen::showEntryLabel()
{
    if (set.entryLabel.isEmpty())
        return;
    label1->setText(filledText(set.entryLabel));
    placeTwips(label1, CentredLeft(FormWidth, ListWidth), 200, ListWidth, 700);
    label1->show();
}

void ThermalTableScreen::showPrintedTable()
{
    clearDrawing();
    printHeadings(set.tableHeadings);
    list1->hide();
    if (!set.tableLabel.isEmpty())
        label1->setText(filledText(set.tableLabel));
    setWindowTitle(filledText(set.tableCaption));
    printPointLines();
    placeDecisionButtons();
}

void ThermalTableScreen::placeDecisionButtons()
{
    const bool faulty = set.check(problem(), currentSub) != 0;
    const int top = Row * shownTable().pointCount() + set.acceptButtonBase;
    moveControlTwips(command[3], PixelsToTwips(command[3]->x()), top);
    moveControlTwips(command[4], PixelsToTwips(command[4]->x()), BottomTwips(command[3]) + 200);
    command[3]->show();
    command[4]->show();
    ColourVerdictButtons(command[3], command[4], faulty);
}

void ThermalTableScreen::Command3_Click()
{
    RunHandler([this] {
        const int bad = set.check(problem(), currentSub);
        if (bad != 0) {
            pointOutFault(bad, road.errorDialogOnAccept, false);
            return;
        }
        road.accepted(*this, currentSub, false);
    });
}

void ThermalTableScreen::Command4_Click()
{
    RunHandler([this] { showCorrectionList(currentSub, ListOrigin::ChangeButton); });
}

void ThermalTableScreen::Command5_Click()
{
    RunHandler([this] {
        const int bad = set.check(problem(), currentSub);
        if (bad != 0) {
            clearDrawing();
            printPointLines();
            list1->hide();
            pointOutFault(bad, road.errorDialogOnEndOfCorrections, true);
            return;
        }
        road.accepted(*this, currentSub, true);
    });
}

// The faulty line is laid over with the highlight, the buttons go, and the
// warning dialog asks whether to correct ("Да") or to stop the program.
bool ThermalTableScreen::pointOutFault(int badPoint, const QString &dialog, bool endOfCorrections)
{
    platform().beep();
    label2->setText(set.pointLine(problem(), currentSub, badPoint));
    // 10000 twips wide, as far as the window reaches.
    placeTwips(label2, HighlightLeft, Row * badPoint + PrintedLineBase,
               std::min(HighlightWidth, widthTwips() - HighlightLeft), 200);
    label2->show();
    label2->raise();
    for (int i = 1; i <= 5; ++i)
        command[i]->hide();
    const int left = WarningDialogLeftCentredOn(*this), top = Row * shownTable().pointCount() + WarningBase;
    if (endOfCorrections && road.declinedAfterEndOfCorrections) {
        if (!AskToCorrect(dialog, left, top)) {
            road.declinedAfterEndOfCorrections(*this);
            return false;
        }
    } else {
        ShowWarningDialog(dialog, left, top);
    }
    clearDrawing();
    label2->hide();
    showCorrectionList(currentSub, ListOrigin::ErrorDialog);
    return true;
}

void ThermalTableScreen::showCorrectionList(int sub, ListOrigin origin, const ThermalDataSet *listTexts)
{
    currentSub = sub;
    problem().CurrentComponent = sub;
    const ThermalDataSet &texts = listTexts ? *listTexts : set;
    clearDrawing();
    CorrectionList::Rows rows;
    if (set.hasTemperatureRow) {
        const QString pattern = origin == ListOrigin::Refresh       ? texts.temperatureRowOnRefresh
                                : origin == ListOrigin::ErrorDialog ? texts.temperatureRowAfterError
                                                                    : texts.temperatureRowOnChange;
        rows.heading << filledText(pattern);
    }
    rows.points = texts.pointLines(problem(), sub);
    rows.smallestCount = set.count.low;
    rows.largestCount = set.count.high;
    rows.addCaption = texts.addRow;
    rows.removeCaption = texts.removeRow;
    corrections.fill(rows, origin == ListOrigin::ChangeMenu ? road.correctionHintGap : 200);

    for (int i = 1; i <= 4; ++i)
        command[i]->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{label2, label4, list2})
        w->hide();
    list1->show();
    moveControlTwips(command[5], PixelsToTwips(command[5]->x()), corrections.bottomTwips() + 300);
    bool finished = false;
    if (origin == ListOrigin::Refresh) {
        // After a change the student may finish: the button tells the verdict.
        label3->hide();
        command[5]->show();
        finished = colourEndOfCorrections();
    } else {
        label3->show();
        command[5]->hide();
    }
    show();
    // Valid data are finished with Enter; otherwise the keys go on picking rows.
    giveFocus(finished ? static_cast<QWidget *>(command[5]) : list1);
}

void ThermalTableScreen::refreshCorrectionList()
{
    if (!set.refreshCaption.isEmpty())
        setWindowTitle(filledText(set.refreshCaption));
    if (!set.refreshLabel.isEmpty())
        label1->setText(filledText(set.refreshLabel));
    showCorrectionList(currentSub, ListOrigin::Refresh);
}

bool ThermalTableScreen::colourEndOfCorrections()
{
    const bool valid = set.check(problem(), currentSub) == 0;
    ColourVerdictButton(command[5], !valid);
    return valid;
}

void ThermalTableScreen::List1_Click(int row)
{
    RunHandler([this, row] {
        const CorrectionList::Hit hit = corrections.hit(row);
        if (hit.action == CorrectionList::Action::None)
            return;
        label3->hide();
        command[3]->hide();
        command[5]->hide();
        switch (hit.action) {
        case CorrectionList::Action::Heading:
            correctTemperature(2100);
            refreshCorrectionList();
            break;
        case CorrectionList::Action::Point:
            correctPoint(hit.number, set.correctionPrompts, Row * hit.number + 2000);
            set.sort(problem(), currentSub);
            refreshCorrectionList();
            break;
        case CorrectionList::Action::Add:
            promptPoint(hit.number, set.additionPrompts, Row * hit.number + 2100);
            ++*shownTable().count;
            set.sort(problem(), currentSub);
            refreshCorrectionList();
            break;
        case CorrectionList::Action::Remove:
            startRemoval();
            break;
        case CorrectionList::Action::None:
            break;
        }
    });
}

void ThermalTableScreen::startRemoval()
{
    list1->hide();
    command[5]->hide();
    if (!set.removalLabel.isEmpty())
        label1->setText(filledText(set.removalLabel));
    else if (set.hasTemperatureRow)
        label1->hide();
    removals.fill(set.pointLines(problem(), currentSub), set.removalHintGap);
    list2->show();
    label4->show();
    giveFocus(list2);
}

void ThermalTableScreen::List2_Click(int row)
{
    RunHandler([this, row] {
        const int point = RemovalList::pointOfRow(row);
        if (point < 1 || point > shownTable().pointCount())
            return;
        platform().beep();
        label4->hide();
        problem().RemovalPoint = point;
        const int top = topOnScreen() + removals.bottomTwips() + set.removalDialogGap;
        const bool remove = ConfirmRemoval(road.removalDialog, QString::number(point) + set.removalQuestion,
                                           WarningDialogLeftCentredOn(*this), top);
        if (remove) {
            shownTable().remove(point);
            set.sort(problem(), currentSub);
        }
        if (!set.afterRemovalLabel.isEmpty()) {
            label1->setText(filledText(set.afterRemovalLabel));
            if (remove && !set.tableCaption.isEmpty())
                setWindowTitle(filledText(set.tableCaption));
        }
        refreshCorrectionList();
    });
}

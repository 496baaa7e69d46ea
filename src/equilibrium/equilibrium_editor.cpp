#include "equilibrium_editor.h"
#include "equilibrium_screens.h"
#include "equilibrium_values.h"

#include "engine/equilibrium_table.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "model/typed_value.h"
#include "ui/decimal_point_keys.h"
#include "ui/form_base.h"
#include "ui/platform.h"
#include "ui/prompts.h"
#include "ui/roads.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

EquilibriumEditorExits &installedExits()
{
    static EquilibriumEditorExits current;
    return current;
}

constexpr int WindowLeft = 10, WindowTop = 5, WindowWidth = 14000, WindowHeight = 10000;
// A click within this many pixels of a point's marker picks the point.
constexpr int PickRadius = 5;
// Prompts of an added point.
constexpr int AddPromptX = 500, AddPromptY = 6100;
constexpr int RemovalDialogLeft = 850, RemovalDialogTop = 7000;

// The controls below the table and the plot (twips).
constexpr int HintLeft = 300, HintTop = 6700, HintWidth = 3800, HintHeight = 1500;
constexpr int ButtonsLeft = 4400, ButtonsWidth = 9300, ButtonHeight = 450, ButtonStep = 550;
constexpr int HalfButtonWidth = 4550;
constexpr int ChoiceTop = 8950, ChoiceWidth = 6600, ChoiceHeight = 600;

void selectCommand(QPushButton *const *buttons, int first, int last, bool visible)
{
    for (int k = first; k <= last; ++k)
        buttons[k]->setVisible(visible);
}

bool inside(int value, int low, int high)
{
    return low < value && value < high;
}

} // namespace

EquilibriumEditor::EquilibriumEditor(EquilibriumRoad road)
    : FormBase(EquilibriumEditorName(road))
    , currentRoad(road)
{
    setWindowTitle(QStringLiteral("РАВНОВЕСНАЯ ЗАВИСИМОСТЬ"));
    setGeometryTwips(WindowLeft, WindowTop, WindowWidth, WindowHeight);
    setBackColor(this, Qt::white);

    edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("Text1"));
    edit->setAlignment(Qt::AlignCenter);
    edit->setFont(FixedPitchFont());
    edit->setTextMargins(0, 0, 0, 0);
    edit->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; border: 1px solid black; }"));
    edit->installEventFilter(this);
    TypeDecimalPointFromAnyLayout(edit);
    edit->hide();
    connect(edit, &QLineEdit::returnPressed, this, [this] { RunHandler([this] { Text1_Enter(); }); });

    const QString captions[8] = {
        {},
        QStringLiteral("КОНЕЦ ИЗМЕНЕНИЙ"),
        QStringLiteral("Окончание работы с программой"),
        QStringLiteral("Увеличение количества пар точек равновесной зависимости "),
        QStringLiteral("Уменьшение количества пар точек равновесной зависимости"),
        QStringLiteral("Изменения задания точек"),
        QStringLiteral("   Корректируюте уже введенную    равновнсную зависимость"),
        QStringLiteral("  Вводите новую равновесную   зависимость"),
    };
    const int last = road == EquilibriumRoad::Change ? 7 : 5;
    for (int k = 1; k <= last; ++k)
        buttons[k] = addButton(QStringLiteral("Command%1").arg(k), captions[k]);
    connect(buttons[1], &QPushButton::clicked, this, [this] { RunHandler([this] { Command1_Click(); }); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { RunHandler([this] { Command2_Click(); }); });
    connect(buttons[3], &QPushButton::clicked, this, [this] { RunHandler([this] { Command3_Click(); }); });
    connect(buttons[4], &QPushButton::clicked, this, [this] { RunHandler([this] { Command4_Click(); }); });
    connect(buttons[5], &QPushButton::clicked, this, [this] { RunHandler([this] { Command5_Click(); }); });
    if (road == EquilibriumRoad::Change) {
        connect(buttons[6], &QPushButton::clicked, this,
                [this] { RunHandler([this] { Command6_Click(); }); });
        connect(buttons[7], &QPushButton::clicked, this,
                [this] { RunHandler([this] { Command7_Click(); }); });
    }

    correctionHint =
        addLabel(QStringLiteral("Label3"),
                 QStringLiteral("  Подведите указатель мыши     к точке на графике или к               "
                                "строке, которую Вы             собираетесь исправлять и        "
                                "щёлкните левой кнопкой"));
    removalHint =
        addLabel(QStringLiteral("Label1"),
                 QStringLiteral("  Подведите указатель мыши       к точке на графике или к               "
                                "строке, которую Вы                   собираетесь изымать и             "
                                "щёлкните левой кнопкой"));
    for (QLabel *hint : {correctionHint, removalHint}) {
        hint->setWordWrap(true);
        hint->setFrameShape(QFrame::Box);
        hint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setBackColor(hint, QColor(255, 255, 225));
        hint->hide();
    }
    layOut();
}

void EquilibriumEditor::layOut()
{
    placeTwips(correctionHint, HintLeft, HintTop, HintWidth, HintHeight);
    placeTwips(removalHint, HintLeft, HintTop, HintWidth, HintHeight);
    placeTwips(buttons[3], ButtonsLeft, HintTop, ButtonsWidth, ButtonHeight);
    placeTwips(buttons[4], ButtonsLeft, HintTop + ButtonStep, ButtonsWidth, ButtonHeight);
    placeTwips(buttons[5], ButtonsLeft, HintTop + 2 * ButtonStep, HalfButtonWidth, ButtonHeight);
    placeTwips(buttons[1], ButtonsLeft + ButtonsWidth - HalfButtonWidth, HintTop + 2 * ButtonStep,
               HalfButtonWidth, ButtonHeight);
    placeTwips(buttons[2], ButtonsLeft + ButtonsWidth - HalfButtonWidth, HintTop + 3 * ButtonStep,
               HalfButtonWidth, ButtonHeight);
    if (currentRoad == EquilibriumRoad::Change) {
        placeTwips(buttons[6], HintLeft, ChoiceTop, ChoiceWidth, ChoiceHeight);
        placeTwips(buttons[7], WindowWidth - HintLeft - ChoiceWidth, ChoiceTop, ChoiceWidth, ChoiceHeight);
    }
}

void EquilibriumEditor::openForCorrection()
{
    editorMode = Correction;
    selected = target = {};
    editing = false;
    edit->hide();
    removalHint->hide();
    correctionHint->hide();
    if (currentRoad == EquilibriumRoad::Change)
        selectCommand(buttons, 6, 7, false);
    CheckEquilibriumTable(problem());
    showEditingButtons();
    redraw();
    show();
    raise();
}

void EquilibriumEditor::openForChoice()
{
    hideEditingButtons();
    correctionHint->hide();
    removalHint->hide();
    edit->hide();
    editing = false;
    selected = target = {};
    selectCommand(buttons, 6, 7, true);
    redraw();
    show();
    raise();
}

void EquilibriumEditor::redraw()
{
    ColourVerdictButton(buttons[1], problem().Equilibrium.CheckFailed);
    // "КОНЕЦ ИЗМЕНЕНИЙ" takes Enter once no cell is being edited.
    giveFocus(buttons[1]);
    update();
}

void EquilibriumEditor::drawContent(QPainter &painter)
{
    DrawEquilibriumEditor(painter, problem(), nullptr, selected);
}

void EquilibriumEditor::showEditingButtons()
{
    const int n = problem().Equilibrium.N;
    buttons[1]->show();
    buttons[2]->show();
    buttons[2]->setEnabled(true);
    // The table stays within 8..20 points.
    buttons[3]->setVisible(n < MaxPoints);
    buttons[4]->setVisible(n > MinEquilibriumPoints);
    buttons[5]->show();
}

void EquilibriumEditor::hideEditingButtons()
{
    selectCommand(buttons, 1, 5, false);
}

EquilibriumEditor::Hit EquilibriumEditor::HitTest(int x, int y)
{
    using namespace EditorTable;
    const EquilibriumTable &table = problem().Equilibrium;
    const int n = table.N;
    Hit hit;
    selected = {};

    if (inside(y, Top + (n + 1) * RowHeight, Top + (n + 2) * RowHeight) && inside(x, Left, Left + Width)) {
        hit.row = n + 1;
        if (!table.Azeotropic)
            return hit;
        const int valueLeft = Left + NumberWidth + 2 * ValueWidth;
        if (x < valueLeft)
            hit.column = XColumn;
        else if (inside(x, valueLeft, Left + Width))
            hit.column = TColumn;
        selected = {hit.column, hit.row};
        update();
        return hit;
    }

    if (inside(x, Left + NumberWidth, Left + Width) &&
        inside(y, Top + RowHeight, Top + (n + 1) * RowHeight)) {
        hit.row = (y - Top) / RowHeight;
        if (x < Left + NumberWidth + ValueWidth)
            hit.column = XColumn;
        else if (x >= Left + NumberWidth + 2 * ValueWidth)
            hit.column = TColumn;
        else
            hit.column = YColumn;
        hit.found = true;
        selected = {hit.column, hit.row};
        return hit;
    }

    const EquilibriumPlotPoints p = PlotPointsOf(problem(), PlotLeft, PlotTop, PlotSize);
    for (int i = 1; i <= n; ++i) {
        if (!inside(x, p.PlotX[i] - PickRadius, p.PlotX[i] + PickRadius))
            continue;
        if (inside(y, p.PlotY[i] - PickRadius, p.PlotY[i] + PickRadius))
            hit.column = YColumn;
        else if (inside(y, p.PlotT[i] - PickRadius, p.PlotT[i] + PickRadius))
            hit.column = TColumn;
        else
            continue;
        hit.row = i;
        hit.found = true;
        return hit;
    }
    return hit;
}

void EquilibriumEditor::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    RunHandler([this, button, at] { Form_MouseDown(button, at.x(), at.y()); });
}

void EquilibriumEditor::Form_MouseDown(Qt::MouseButton button, int x, int y)
{
    // The choice of the change road comes first.
    if (currentRoad == EquilibriumRoad::Change && buttons[6]->isVisible())
        return;
    // While a value is being typed the box keeps it: Enter stores it in its
    // cell, Escape drops it; the mouse changes neither.
    if (editing) {
        edit->setFocus();
        return;
    }
    const Hit hit = HitTest(x, y);
    const int n = problem().Equilibrium.N;
    if (editorMode == Removal) {
        if (hit.found && hit.row >= 1 && hit.row <= n)
            offerRemoval(hit);
        return;
    }
    if (hit.row == n + 1) {
        azeotropeRowClicked();
        return;
    }
    if (hit.found && button == Qt::LeftButton)
        openCell(hit.column, hit.row);
}

void EquilibriumEditor::openCell(int column, int row)
{
    const ProblemData &data = problem();
    const bool azeotropeRow = row > data.Equilibrium.N;
    selected = target = {column, row};
    QRect cell = EditorTable::cell(column, row);
    cell.translate(0, -2);
    edit->setGeometry(cell);
    edit->setText(azeotropeRow ? data.Equilibrium.AzeotropeXText : EquilibriumValueText(data, row, column));
    edit->show();
    edit->raise();
    edit->setFocus();
    edit->selectAll();
    editing = true;
    hideEditingButtons();
    update();
}

void EquilibriumEditor::closeCell()
{
    editing = false;
    edit->hide();
    selected = target = {};
}

void EquilibriumEditor::azeotropeRowClicked()
{
    ProblemData &data = problem();
    if (!DetectAzeotrope(data)) {
        correctionHint->hide();
        buttons[2]->hide();
        if (!platform().askYesNo(QStringLiteral("СОМНЕНИЕ!"),
                                 QStringLiteral(" Вы уверены, что система азеротропна или") + u'\n' +
                                     QStringLiteral("знаете хотя бы примерный состав азеотропа ?"),
                                 Answer::No)) {
            data.Equilibrium.Azeotropic = false;
            selected = {};
            // Without the azeotrope the verdict may change.
            CheckEquilibriumTable(data);
            showEditingButtons();
            redraw();
            return;
        }
        // The student knows the mixture is azeotropic: its composition is
        // typed in the azeotrope row.
        data.Equilibrium.Azeotropic = true;
    }
    openCell(TColumn, data.Equilibrium.N + 1);
}

void EquilibriumEditor::Text1_Enter()
{
    if (!editing) {
        closeCell();
        redraw();
        return;
    }
    ProblemData &data = problem();
    EquilibriumTable &table = data.Equilibrium;
    const int row = target.row, column = target.column;
    if (row <= table.N) {
        StoreEquilibriumValue(data, row, column, edit->text());
    } else {
        table.AzeotropeXText = NormalizeDecimal(edit->text());
        table.AzeotropeX = StoredNumber(table.AzeotropeXText);
        if (!(table.AzeotropeX > 0.0f && table.AzeotropeX < 1.0f)) {
            platform().beep();
            table.AzeotropeX = 0.0f;
            table.AzeotropeXText = RefusedValueText;
        }
    }
    closeCell();
    finishChange();
}

bool EquilibriumEditor::eventFilter(QObject *watched, QEvent *event)
{
    // Escape leaves the value as it was.
    if (watched == edit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && editing) {
        closeCell();
        correctionHint->hide();
        showEditingButtons();
        redraw();
        return true;
    }
    return FormBase::eventFilter(watched, event);
}

void EquilibriumEditor::finishChange()
{
    ProblemData &data = problem();
    SortEquilibriumTable(data);
    CheckEquilibriumTable(data);
    correctionHint->hide();
    edit->hide();
    showEditingButtons();
    redraw();
}

void EquilibriumEditor::offerRemoval(const Hit &hit)
{
    selected = {hit.column, hit.row};
    update();
    buttons[1]->hide();
    platform().beep();
    removalHint->hide();
    buttons[2]->hide();
    problem().RemovalPoint = hit.row;
    const QString name =
        currentRoad == EquilibriumRoad::FirstEntry ? QStringLiteral("Form5") : QStringLiteral("Form28");
    const bool remove =
        ConfirmRemoval(name, QString::number(hit.row) + QStringLiteral("-ую равновесную точку?"),
                       RemovalDialogLeft, RemovalDialogTop);
    selected = {};
    editorMode = Correction;
    if (remove) {
        removePoint(hit.row);
        return;
    }
    // The end buttons come back with the editor as it was.
    showEditingButtons();
    redraw();
}

void EquilibriumEditor::removePoint(int point)
{
    ProblemData &data = problem();
    EquilibriumTable &table = data.Equilibrium;
    for (int j = point; j <= table.N - 1; ++j) {
        table.X[j] = table.X[j + 1];
        table.Y[j] = table.Y[j + 1];
        table.T[j] = table.T[j + 1];
        table.XText[j] = table.XText[j + 1];
        table.YText[j] = table.YText[j + 1];
        table.TText[j] = table.TText[j + 1];
    }
    --table.N;
    finishChange();
}

void EquilibriumEditor::Command1_Click()
{
    ProblemData &data = problem();
    CheckEquilibriumTable(data);
    unload();
    if (data.Equilibrium.CheckFailed) {
        // The control table shows the verdict and leads back here.
        installedExits().showFaultyTable(currentRoad);
        return;
    }
    if (currentRoad == EquilibriumRoad::FirstEntry) {
        if (FormBase *window = FindForm(EquilibriumDataWindowName(EquilibriumRoad::FirstEntry)))
            window->unload();
        roads().continueFirstRoad({RoadSet::Equilibrium});
        return;
    }
    CloseAllForms();
    roads().showChangeDataMenu();
}

void EquilibriumEditor::Command2_Click()
{
    EndProgram();
}

void EquilibriumEditor::Command3_Click()
{
    ProblemData &data = problem();
    EquilibriumTable &table = data.Equilibrium;
    if (table.N >= MaxPoints)
        return;
    const int n = ++table.N;
    const QString number = QString::number(n);
    StoreEquilibriumValue(data, n, XColumn,
                          PromptValue(QStringLiteral("ВВОД X РАВНОВЕСНОГО "),
                                      QStringLiteral(" X [ ") + number + QStringLiteral(" ] = "), AddPromptX,
                                      AddPromptY));
    StoreEquilibriumValue(data, n, YColumn,
                          PromptValue(QStringLiteral("ВВОД Y РАВНОВЕСНОГО"),
                                      QStringLiteral(" Y [ ") + number + QStringLiteral(" ] = "), AddPromptX,
                                      AddPromptY));
    StoreEquilibriumValue(data, n, TColumn,
                          PromptValue(QStringLiteral("ВВОД T(") + number + u')',
                                      QStringLiteral(" T [ ") + number + QStringLiteral(" ] = "), AddPromptX,
                                      AddPromptY));
    finishChange();
}

void EquilibriumEditor::Command4_Click()
{
    editorMode = Removal;
    correctionHint->hide();
    removalHint->show();
}

void EquilibriumEditor::Command5_Click()
{
    editorMode = Correction;
    removalHint->hide();
    correctionHint->show();
}

void EquilibriumEditor::Command6_Click()
{
    openForCorrection();
    correctionHint->show();
}

void EquilibriumEditor::Command7_Click()
{
    unload();
    installedExits().enterNewTable();
}

void InstallEquilibriumEditorExits(EquilibriumEditorExits exits)
{
    installedExits() = std::move(exits);
}

EquilibriumEditor *OpenEquilibriumEditorOn(EquilibriumRoad road)
{
    const QString name = EquilibriumEditorName(road);
    auto *editor = FindForm<EquilibriumEditor>(name);
    if (!editor)
        editor = new EquilibriumEditor(road);
    editor->openForCorrection();
    return editor;
}

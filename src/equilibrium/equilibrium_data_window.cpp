#include "equilibrium_data_window.h"
#include "equilibrium_editor.h"
#include "equilibrium_screens.h"
#include "equilibrium_values.h"

#include "engine/equilibrium_table.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "ui/form_base.h"
#include "ui/platform.h"
#include "ui/problem_keeping.h"
#include "ui/prompts.h"
#include "ui/roads.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int WindowWidth = 14000;
constexpr int WindowHeight = 10000;
constexpr int RowStep = 195;
constexpr int ListWidth = 11500;
// Prompts of point i stand on the list line they fill.
constexpr int PromptRowBase = 1730;
constexpr int XPromptOffset = 320, YPromptOffset = 3450, TPromptOffset = 6550;
constexpr int ButtonRowBase = 1700;
constexpr int ButtonWidth = 5800, ButtonHeight = 500;
constexpr int LeftButtonLeft = 1000, RightButtonLeft = 7200;
constexpr int TableLineWidth = 9500;
constexpr int WarningTop = 7000;
// Label1's text colour on a faulty table (the design's colour value 40).
constexpr unsigned DarkHeadingText = 40;

QString pointNumber(int i)
{
    return QString::number(i);
}

// Point numbers of two digits take one place of the padding, so that the
// columns of all lines start at the same position.
int entryPadding(int i)
{
    return i <= 9 ? 10 : 9;
}

QString padded(const QString &text, int width)
{
    return text + PadSpaces(text, width);
}

} // namespace

QString EquilibriumEntryLine(const ProblemData &data, int i, EntryLineStage stage)
{
    const EquilibriumTable &table = data.Equilibrium;
    const QString n = pointNumber(i);
    QString line = QStringLiteral("  X[") + n + QStringLiteral("] /мольн.д/ =") + table.XText[i];
    if (stage == EntryLineStage::X)
        return line;
    const int w = entryPadding(i);
    line += PadSpaces(table.XText[i], w) + QStringLiteral("Y[") + n + QStringLiteral("] /мольн.д/ =") +
            table.YText[i];
    if (stage == EntryLineStage::XY)
        return line;
    return line + PadSpaces(table.YText[i], w) + QStringLiteral("T[") + n +
           QStringLiteral("] /Град.Цельсия/ =") + table.TText[i];
}

QString EquilibriumControlLine(const ProblemData &data, int i)
{
    const EquilibriumTable &table = data.Equilibrium;
    const QString n = pointNumber(i);
    const QString gap = QStringLiteral("          ");
    return padded(QStringLiteral(" X[") + n + QStringLiteral("] = ") + table.XText[i], 20) + gap +
           padded(QStringLiteral(" Y[") + n + QStringLiteral("] = ") + table.YText[i], 20) + gap +
           QStringLiteral(" T[") + n + QStringLiteral("] = ") + table.TText[i];
}

QString AzeotropeControlLine(const ProblemData &data)
{
    return QStringLiteral("         МОЛЬНАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ДЛЯ АЗЕАТРОПНОГО СОСТАВА = ") +
           data.Equilibrium.AzeotropeXText;
}

EquilibriumDataWindow::EquilibriumDataWindow(EquilibriumRoad road)
    : FormBase(EquilibriumDataWindowName(road))
    , currentRoad(road)
{
    setGeometryTwips(0, 0, WindowWidth, WindowHeight);

    list = addList(QStringLiteral("List1"));
    placeTwips(list, ListLeft, ListTop, ListWidth, RowStep);
    heading = addLabel(QStringLiteral("Label1"), QStringLiteral("КООРДИНАТЫ ТОЧЕК РАВНОВЕСНОЙ ЗАВИСИМОСТИ"));
    placeTwips(heading, TableLeft, 200, TableLineWidth, 300);
    heading->setAlignment(Qt::AlignCenter);
    highlight = addLabel(QStringLiteral("Label2"));
    // The highlight shows the faulty line's text right over the printed one.
    highlight->setFont(FixedPitchFont());
    highlight->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    highlight->setIndent(0);
    setBackColor(highlight, VbColor(VbYellow));
    setTextColor(highlight, VbColor(VbRed));
    hint = addLabel(
        QStringLiteral("Label3"),
        QStringLiteral(" Подведите указатель мыши к   строке, информацию которой   Вы будете исправлять "
                       "и  щёлкните левой кнопкой"));
    hint->setWordWrap(true);

    acceptButton = addButton(QStringLiteral("Command1"), QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"));
    changeButton = addButton(QStringLiteral("Command2"), QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ"));
    endOfCorrections = addButton(QStringLiteral("Command3"), QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ"));
    azeotropic = addButton(QStringLiteral("Command4"), QStringLiteral("СИСТЕМА АЗЕОТРОПНА"));
    notAzeotropic = addButton(QStringLiteral("Command5"), QStringLiteral("СИСТЕМА НЕ АЗЕОТРОПНА"));
    connect(acceptButton, &QPushButton::clicked, this, [this] { RunHandler([this] { Command1_Click(); }); });
    connect(changeButton, &QPushButton::clicked, this, [this] { RunHandler([this] { Command2_Click(); }); });
    connect(azeotropic, &QPushButton::clicked, this, [this] { RunHandler([this] { Command4_Click(); }); });
    connect(notAzeotropic, &QPushButton::clicked, this, [this] { RunHandler([this] { Command5_Click(); }); });
    placeButtonRow();
}

void EquilibriumDataWindow::hideControls()
{
    for (QWidget *control :
         std::initializer_list<QWidget *>{acceptButton, changeButton, endOfCorrections, azeotropic,
                                          notAzeotropic, list, heading, highlight, hint})
        control->hide();
}

void EquilibriumDataWindow::prepare()
{
    setWindowTitle(QStringLiteral("   ВВОД ИСХОДНОЙ ИНФОРМАЦИИ"));
    hideControls();
    show();
}

void EquilibriumDataWindow::printHeading()
{
    const QStringList lines{QStringLiteral("ВВЕДИТЕ"),
                            QStringLiteral("РАВНОВЕСНЫЕ ДАННЫЕ ПРИ ТОМ ДАВЛЕНИИ, ПРИ"),
                            QStringLiteral("КОТОРОМ РАСЧИТЫВАЕТСЯ РЕКТИФИКАЦИЯ")};
    setPrintFont(HeadingFont());
    setFontBold(true);
    setForeColor(VbColor(VbBlue));
    int y = 500;
    for (const QString &line : lines) {
        printCentred(y, line);
        y += 200;
    }
    setFontBold(false);
    setForeColor(Qt::black);
    setPrintFont(FixedPitchFont());
}

void EquilibriumDataWindow::enterData()
{
    ProblemData &data = problem();
    EquilibriumTable &table = data.Equilibrium;

    list->setEnabled(true);
    // Nothing stands over the lines being typed, whatever the window showed
    // before (a new table on the change road reuses it).
    hideControls();
    show();
    setWindowTitle(QStringLiteral("Ввод равновесной зависимости"));
    clearDrawing();
    printHeading();

    table.N = PromptCount(QStringLiteral("Ввод кол-ва пар равн. зависимости"),
                          QStringLiteral("Сколько пар равновесных точек будете вводить"), 2000, 2300,
                          MinEquilibriumPoints, MaxPoints, QStringLiteral("Количество пар от 8 до 20 !!!"));
    list->clear();
    list->show();
    placeTwips(list, ListLeft, ListTop, ListWidth, table.N * RowStep + RowStep);
    for (int i = 1; i <= table.N; ++i)
        askPoint(i);

    SortEquilibriumTable(data);
    DetectAzeotrope(data);
    keeping().dataSetTyped({RoadSet::Equilibrium});
    showTypedTable();
}

void EquilibriumDataWindow::showTypedTable()
{
    // A window loaded for an opened problem has not been through the
    // entry: the correction hint and the highlight stay away from the table.
    hint->hide();
    highlight->hide();
    placeButtonRow();
    showAcceptButtons(false);
    endOfCorrections->hide();
    clearDrawing();
    ShowEquilibriumControlTable();
    // Without a crossing of the diagonal, or an azeotrope declared, the
    // student says whether the mixture is azeotropic before the table can be
    // accepted.
    showAzeotropeButtons(!problem().Equilibrium.Azeotropic);
    show();
}

void EquilibriumDataWindow::askPoint(int i)
{
    ProblemData &data = problem();
    const int y = i * RowStep + PromptRowBase;
    const QString n = pointNumber(i);

    StoreEquilibriumValue(data, i, XColumn,
                          PromptValue(QStringLiteral("ВВОД X РАВНОВЕСНОГО "),
                                      QStringLiteral(" X [ ") + n + QStringLiteral(" ] /мольн.д/ = "),
                                      ListLeft + XPromptOffset, y));
    list->addItem(EquilibriumEntryLine(data, i, EntryLineStage::X));

    StoreEquilibriumValue(data, i, YColumn,
                          PromptValue(QStringLiteral("ВВОД Y РАВНОВЕСНОГО"),
                                      QStringLiteral(" Y [ ") + n + QStringLiteral(" ] /мольн.д/  = "),
                                      ListLeft + YPromptOffset, y));
    list->item(i - 1)->setText(EquilibriumEntryLine(data, i, EntryLineStage::XY));

    StoreEquilibriumValue(data, i, TColumn,
                          PromptValue(QStringLiteral("ВВОД T"),
                                      QStringLiteral(" T [ ") + n + QStringLiteral(" ] /Град.Цельсия/  = "),
                                      ListLeft + TPromptOffset, y));
    list->clear();
    for (int j = 1; j <= i; ++j)
        list->addItem(EquilibriumEntryLine(data, j));
}

int EquilibriumDataWindow::buttonRowTop() const
{
    return problem().Equilibrium.N * RowStep + ButtonRowBase;
}

void EquilibriumDataWindow::placeButtonRow()
{
    const int top = buttonRowTop();
    placeTwips(acceptButton, LeftButtonLeft, top, ButtonWidth, ButtonHeight);
    placeTwips(changeButton, RightButtonLeft, top, ButtonWidth, ButtonHeight);
    placeTwips(azeotropic, LeftButtonLeft, top, ButtonWidth, ButtonHeight);
    placeTwips(notAzeotropic, RightButtonLeft, top, ButtonWidth, ButtonHeight);
    placeTwips(endOfCorrections, LeftButtonLeft, top + ButtonHeight + 100, ButtonWidth, ButtonHeight);
    placeTwips(hint, LeftButtonLeft, top, TableLineWidth, 2 * ButtonHeight);
}

void EquilibriumDataWindow::showAcceptButtons(bool visible)
{
    acceptButton->setVisible(visible);
    changeButton->setVisible(visible);
}

void EquilibriumDataWindow::showAzeotropeButtons(bool visible)
{
    azeotropic->setVisible(visible);
    notAzeotropic->setVisible(visible);
    // Most mixtures whose curve does not cross the diagonal are not
    // azeotropic: Enter gives that answer, the other one needs a choice.
    if (visible)
        giveFocus(notAzeotropic);
}

void EquilibriumDataWindow::ShowEquilibriumControlTable()
{
    ProblemData &data = problem();
    EquilibriumTable &table = data.Equilibrium;

    clearDrawing();
    list->hide();
    setWindowTitle(QStringLiteral("   КОНТРОЛЬ ВВОДА РАВНОВЕСНОЙ ЗАВИСИМОСТИ"));
    setForeColor(Qt::black);
    placeTwips(heading, TableLeft, 200, TableLineWidth, 300);
    heading->show();
    setBackColor(heading, VbColor(VbYellow));
    setTextColor(heading, VbColor(VbBlue));

    for (int i = 1; i <= table.N; ++i) {
        RereadEquilibriumPoint(data, i);
        printAt(TableLeft, i * RowStep + TableRowBase, EquilibriumControlLine(data, i));
    }
    const int azeotropeLineTop = (table.N + 1) * RowStep + TableRowBase;
    if (table.Azeotropic) {
        printAt(TableLeft, azeotropeLineTop, AzeotropeControlLine(data));
        showAcceptButtons(true);
    } else if (currentRoad == EquilibriumRoad::Change) {
        printAt(TableLeft, azeotropeLineTop, QStringLiteral("             СИСТЕМА НЕ АЗЕАТРОПНА"));
    }

    CheckEquilibriumTable(data);
    if (table.CheckFailed) {
        heading->show();
        setBackColor(heading, VbColor(VbYellow));
        setTextColor(heading, VbColor(DarkHeadingText));
        ColourVerdictButtons(acceptButton, changeButton, true);
        show();
    } else {
        ColourVerdictButtons(acceptButton, changeButton, false);
    }
}

void EquilibriumDataWindow::showAfterFaultyCorrection()
{
    hint->hide();
    highlight->hide();
    endOfCorrections->hide();
    showAzeotropeButtons(false);
    showAcceptButtons(true);
    ShowEquilibriumControlTable();
    heading->show();
    show();
    raise();
}

void EquilibriumDataWindow::Command1_Click()
{
    ProblemData &data = problem();
    CheckEquilibriumTable(data);
    if (!data.Equilibrium.CheckFailed) {
        acceptTable();
        return;
    }
    platform().beep();
    heading->show();
    showAcceptButtons(false);
    highlightBadLine();
    ShowWarningDialog(currentRoad == EquilibriumRoad::FirstEntry ? QStringLiteral("Form3")
                                                                 : QStringLiteral("Form27"),
                      WarningDialogLeftCentredOn(*this), WarningTop);
    // "Да": on to the correction in the diagram editor.
    list->setEnabled(true);
    list->show();
    clearDrawing();
    highlight->hide();
    hint->show();
    endOfCorrections->hide();
    OpenEquilibriumEditorOn(currentRoad);
}

void EquilibriumDataWindow::highlightBadLine()
{
    const ProblemData &data = problem();
    const EquilibriumTable &table = data.Equilibrium;
    const int bad = table.BadPoint;
    placeTwips(highlight, TableLeft, bad * RowStep + TableRowBase, TableLineWidth, RowStep);
    highlight->setText(
        bad > table.N
            ? QStringLiteral(" МОЛЬНАЯ ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ДЛЯ АЗЕАТРОПНОГО СОСТАВА = ") +
                  table.AzeotropeXText
            : EquilibriumControlLine(data, bad));
    highlight->show();
    highlight->raise();
}

void EquilibriumDataWindow::acceptTable()
{
    if (currentRoad == EquilibriumRoad::FirstEntry) {
        // The next window closes every other window as it opens.
        unload();
        if (FormBase *editor = FindForm(EquilibriumEditorName(EquilibriumRoad::FirstEntry)))
            editor->unload();
        roads().continueFirstRoad({RoadSet::Equilibrium});
        return;
    }
    unload();
    CloseOtherForms();
    OpenEquilibriumEditorOn(EquilibriumRoad::Change);
}

void EquilibriumDataWindow::Command2_Click()
{
    list->show();
    hide();
    CloseOtherForms();
    OpenEquilibriumEditorOn(currentRoad);
}

void EquilibriumDataWindow::Command4_Click()
{
    ProblemData &data = problem();
    EquilibriumTable &table = data.Equilibrium;
    if (!DetectAzeotrope(data)) {
        showAzeotropeButtons(false);
        if (!platform().askYesNo(QStringLiteral("СОМНЕНИЕ!"),
                                 QStringLiteral(" Вы уверены, что система азеротропна или") + u'\n' +
                                     QStringLiteral("знаете хотя бы примерный состав азеотропа ?"),
                                 Answer::No)) {
            table.Azeotropic = false;
            ShowEquilibriumControlTable();
            showAzeotropeButtons(true);
            return;
        }
    }
    table.Azeotropic = true;
    askAzeotropeComposition();
    showAzeotropeButtons(false);
    showAcceptButtons(true);
    ShowEquilibriumControlTable();
}

void EquilibriumDataWindow::askAzeotropeComposition()
{
    EquilibriumTable &table = problem().Equilibrium;
    const int y = buttonRowTop() + 400;
    for (;;) {
        table.AzeotropeXText = NormalizeDecimal(PromptValue(
            QStringLiteral("ввод мольн.д. более летуч. комп. для азеатропн. состава"),
            QStringLiteral(
                "ВВЕДИТЕ МОЛЬНУЮ ДОЛЮ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА ДЛЯ АЗЕОТРОПНОГО СОСТАВА    X [МОЛЬН.Д.] = "),
            ListLeft + 400, y));
        table.AzeotropeX = StoredNumber(table.AzeotropeXText);
        if (table.AzeotropeX > 0.0f && table.AzeotropeX < 1.0f)
            return;
        platform().beep();
    }
}

void EquilibriumDataWindow::Command5_Click()
{
    problem().Equilibrium.Azeotropic = false;
    showAzeotropeButtons(false);
    showAcceptButtons(true);
    ShowEquilibriumControlTable();
}

void ShowTypedEquilibriumTable()
{
    EquilibriumDataWindow *window = EquilibriumDataWindowOf(EquilibriumRoad::FirstEntry);
    CloseOtherForms();
    window->showTypedTable();
}

EquilibriumDataWindow *EquilibriumDataWindowOf(EquilibriumRoad road)
{
    const QString name = EquilibriumDataWindowName(road);
    if (auto *window = FindForm<EquilibriumDataWindow>(name))
        return window;
    return new EquilibriumDataWindow(road);
}

void ShowFaultyEquilibriumTable(EquilibriumRoad road)
{
    EquilibriumDataWindow *window = EquilibriumDataWindowOf(road);
    for (FormBase *form : LoadedForms())
        if (form != window)
            form->unload();
    window->showAfterFaultyCorrection();
}

#include "solution_change_menu.h"
#include "input_screens.h"
#include "solution_change_tables.h"
#include "thermal_data_set.h"
#include "thermal_prompts.h"

#include "engine/thermal_tables.h"
#include "ui/form_base.h"
#include "ui/platform.h"
#include "ui/prompts.h"
#include "ui/roads.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int Row = 195;
constexpr int FormWidth = 10500, FormHeight = 6600;
constexpr int ButtonWidth = 6000, ButtonHeight = 500;
constexpr int ListWidth = 6000, ListTop = 1000;
constexpr int HintWidth = 3700, HintHeight = 800;
constexpr int TemperatureLineX = 4000, TemperatureLineBase = 1210;
constexpr int CountButtonBase = 1795;
constexpr int NewTemperaturePromptX = 2300, NewTemperaturePromptY = 2600;
constexpr int RemovalDialogGap = 2500;

const char *const Heading = "ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ\nКОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА";
const char *const RemovingHint =
    " Подведите указатель мыши к   строке, информацию которой   Вы будете изымать и  щёлкните левой кнопкой";

int CentredLeft(int width)
{
    return FormWidth / 2 - width / 2;
}

int BottomTwips(const QWidget *w)
{
    return PixelsToTwips(w->y() + w->height());
}

SolutionHeatCapacitySet &Set()
{
    return problem().SolutionHeatCapacity;
}

} // namespace

SolutionChangeMenu::SolutionChangeMenu()
    : FormBase(QStringLiteral("Form42"))
    , list1(addList(QStringLiteral("List1")))
    , label1(addLabel(QStringLiteral("Label1")))
    , label2(addLabel(QStringLiteral("Label2")))
    , label3(addLabel(QStringLiteral("Label3"), QString::fromUtf8(RemovingHint)))
    , label4(addLabel(QStringLiteral("Label4")))
{
    setGeometryTwips(0, 0, FormWidth, FormHeight);
    for (int i = 1; i <= 5; ++i) {
        command[i] = addButton(QStringLiteral("Command%1").arg(i), QString());
        placeTwips(command[i], CentredLeft(ButtonWidth), 0, ButtonWidth, ButtonHeight);
    }
    command[5]->setText(QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ"));
    moveControlTwips(command[1], CentredLeft(ButtonWidth), 1500);
    moveControlTwips(command[2], CentredLeft(ButtonWidth), 2200);
    connect(command[1], &QPushButton::clicked, this, &SolutionChangeMenu::Command1_Click);
    connect(command[2], &QPushButton::clicked, this, &SolutionChangeMenu::Command2_Click);
    connect(command[3], &QPushButton::clicked, this, &SolutionChangeMenu::Command3_Click);
    connect(command[4], &QPushButton::clicked, this, &SolutionChangeMenu::Command4_Click);
    connect(command[5], &QPushButton::clicked, this, &SolutionChangeMenu::Command5_Click);

    placeTwips(list1, CentredLeft(ListWidth), ListTop, ListWidth, 2 * Row);
    connect(list1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List1_Click(list1->row(item)); });

    QFont headingFont = font();
    headingFont.setPointSize(12);
    label1->setFont(headingFont);
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1->setWordWrap(true);
    placeTwips(label1, CentredLeft(9500), 200, 9500, 700);
    label3->setWordWrap(true);
    label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeTwips(label3, CentredLeft(HintWidth), 0, HintWidth, HintHeight);
    growToText(label3);
    hideAll();
}

void SolutionChangeMenu::hideAll()
{
    for (int i = 1; i <= 5; ++i)
        command[i]->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{list1, label1, label2, label3, label4})
        w->hide();
}

void SolutionChangeMenu::showChoices()
{
    setWindowTitle(
        QStringLiteral("ЗАВИСИМОСТЬ ТЕПЛОЕМКОСТИ РАСТВОРА ОТ КОНЦЕНТРАЦИИ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТА"));
    label1->setText(QString::fromUtf8(Heading));
    clearDrawing();
    hideAll();
    label1->show();
    command[1]->setText(QStringLiteral("Изменение количества температур"));
    command[2]->setText(QStringLiteral("Изменение температур или зависимости С = f (X)"));
    command[1]->show();
    command[2]->show();
    show();
}

void SolutionChangeMenu::leaveToChangeDataMenu()
{
    unload();
    CloseOtherForms();
    roads().showChangeDataMenu();
}

// The temperatures as they stand, with one button to add a temperature while
// there are fewer than five and one to remove a temperature while there are
// more than one.
void SolutionChangeMenu::Command1_Click()
{
    RunHandler([this] {
        for (QWidget *w : std::initializer_list<QWidget *>{label3, command[1], command[2], list1})
            w->hide();
        setWindowTitle(QStringLiteral("КОРРЕКЦИЯ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        const int nt = Set().NT;
        command[3]->setText(QStringLiteral("УВЕЛИЧЕНИЕ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        command[4]->setText(QStringLiteral("УМЕНЬШЕНИЕ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        const int top = Row * nt + CountButtonBase;
        moveControlTwips(command[3], CentredLeft(ButtonWidth), top);
        moveControlTwips(command[4], CentredLeft(ButtonWidth), nt < MaxTemperatures ? top + 700 : top);
        command[3]->setVisible(nt < MaxTemperatures);
        command[4]->setVisible(nt > 1);
        // With one temperature the only other way on would be to invent a
        // new one: "КОНЕЦ ИСПРАВЛЕНИЙ" goes back to the menu, changing nothing.
        const int offered = (nt < MaxTemperatures ? 1 : 0) + (nt > 1 ? 1 : 0);
        moveControlTwips(command[5], CentredLeft(ButtonWidth), top + 700 * offered);
        command[5]->show();
        clearDrawing();
        for (int j = 1; j <= nt; ++j)
            printAt(TemperatureLineX, Row * j + TemperatureLineBase, SolutionTemperatureLine(problem(), j));
    });
}

void SolutionChangeMenu::Command2_Click()
{
    RunHandler([this] {
        unload();
        ChooseSolutionTableToCorrect();
    });
}

void SolutionChangeMenu::Command5_Click()
{
    RunHandler([this] { leaveToChangeDataMenu(); });
}

// A new temperature is asked as the last one; its table follows on Form44.
// The menu puts it in its place among the others afterwards.
void SolutionChangeMenu::Command3_Click()
{
    RunHandler([this] {
        if (Set().NT >= MaxTemperatures)
            return;
        clearDrawing();
        label1->setText(QStringLiteral("ВВОД НОВОЙ ТЕМПЕРАТУРЫ"));
        command[3]->hide();
        command[4]->hide();
        command[5]->hide();
        const int j = ++Set().NT;
        problem().CurrentComponent = j;
        const TypedTemperature t = PromptTemperature(
            QStringLiteral("Ввод температуры"),
            QStringLiteral("Введите [") + QString::number(j) + QStringLiteral("] температуру (Град.Цельсия)"),
            NewTemperaturePromptX, NewTemperaturePromptY,
            QStringLiteral("Ошибка: Температура в Град. Цельсия !!!"), TableTemperatureInRange);
        Set().T[j] = t.value;
        Set().TText[j] = t.text;
        unload();
        CloseOtherForms();
        EnterNewSolutionTable(j);
    });
}

// The temperatures in a list: a click on one offers it for removal.
void SolutionChangeMenu::Command4_Click()
{
    RunHandler([this] {
        if (Set().NT <= 1)
            return;
        label3->show();
        for (int i = 1; i <= 5; ++i)
            command[i]->hide();
        label1->setText(QStringLiteral("УМЕНЬШЕНИЕ КОЛИЧЕСТВА ТЕМПЕРАТУР"));
        clearDrawing();
        list1->clear();
        placeTwips(list1, CentredLeft(ListWidth), ListTop, ListWidth, Row * Set().NT + Row);
        for (int j = 1; j <= Set().NT; ++j)
            list1->addItem(SolutionTemperatureLine(problem(), j));
        moveControlTwips(label3, CentredLeft(HintWidth), BottomTwips(list1) + 300);
        list1->setEnabled(true);
        list1->show();
    });
}

// Either answer leads back to the change-data menu; "Да" takes the
// temperature and its table away first.
void SolutionChangeMenu::List1_Click(int row)
{
    RunHandler([this, row] {
        const int p = row + 1;
        if (p < 1 || p > Set().NT)
            return;
        label3->hide();
        command[3]->hide();
        command[5]->hide();
        platform().beep();
        problem().RemovalPoint = p;
        label4->hide();
        const int top = PixelsToTwips(pos().y()) + BottomTwips(list1) + RemovalDialogGap;
        const bool remove =
            ConfirmRemoval(QStringLiteral("Form43"), QString::number(p) + QStringLiteral("-ую температуру ?"),
                           WarningDialogLeftCentredOn(*this), top);
        // One temperature always stays: the liquid enthalpy needs a table.
        if (remove && Set().NT > 1)
            RemoveSolutionTemperature(problem(), p);
        leaveToChangeDataMenu();
    });
}

void OpenSolutionHeatCapacityChange()
{
    auto *menu = new SolutionChangeMenu;
    menu->moveTwips(0, 0);
    CloseOtherForms();
    menu->showChoices();
}

#include "solution_temperature_screen.h"
#include "input_screens.h"
#include "thermal_data_set.h"
#include "thermal_flow.h"
#include "thermal_prompts.h"
#include "thermal_table_screen.h"

#include "engine/thermal_tables.h"
#include "model/text.h"
#include "ui/platform.h"
#include "ui/problem_keeping.h"
#include "ui/prompts.h"
#include "ui/roads.h"

#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int Row = 195;
constexpr int FormWidth = 10500, FormHeight = 6600;
constexpr int ListWidth = 6000, ListTop = 1000;
constexpr int ButtonWidth = 4500, ButtonHeight = 400;
constexpr int HintWidth = 3700, HintHeight = 800;
constexpr int PromptX = 2300, PromptY = 1200;

const QString FirstEntryRangeMessage =
    QStringLiteral("температура от -273.15 Град.Цельсия  до 400 Град.Цельсия !!!");

int CentredLeft(int width)
{
    return FormWidth / 2 - width / 2;
}

QString CaptionForCount(int count)
{
    return count == 1
               ? QStringLiteral("Температура, при которой снималась зависимость теплоемкости от концентрации")
               : QStringLiteral(
                     "Температуры, при которых снималась зависимость теплоемкости от концентрации");
}

SolutionHeatCapacitySet &Set()
{
    return problem().SolutionHeatCapacity;
}

QStringList TemperatureLines()
{
    QStringList lines;
    for (int j = 1; j <= Set().NT; ++j)
        lines << SolutionTemperatureLine(problem(), j);
    return lines;
}

} // namespace

SolutionTemperatureScreen::SolutionTemperatureScreen()
    : FormBase(SolutionTemperaturesName)
    , command3(addButton(QStringLiteral("Command3"), QStringLiteral("НЕ ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ")))
    , command4(addButton(QStringLiteral("Command4"), QStringLiteral("ИЗМЕНЯЕТЕ ИСХОДНУЮ ИНФОРМАЦИЮ")))
    , command5(addButton(QStringLiteral("Command5"), QStringLiteral("КОНЕЦ ИСПРАВЛЕНИЙ")))
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
    for (QPushButton *button : {command3, command4, command5})
        placeTwips(button, CentredLeft(ButtonWidth), 0, ButtonWidth, ButtonHeight);
    command5->setIconSize(QSize(24, 24));
    connect(command3, &QPushButton::clicked, this, &SolutionTemperatureScreen::Command3_Click);
    connect(command4, &QPushButton::clicked, this, &SolutionTemperatureScreen::Command4_Click);
    connect(command5, &QPushButton::clicked, this, &SolutionTemperatureScreen::Command5_Click);
    for (QListWidget *list : {list1, list2})
        placeTwips(list, CentredLeft(ListWidth), ListTop, ListWidth, 2 * Row);
    connect(list1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List1_Click(list1->row(item)); });
    connect(list2, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { List2_Click(list2->row(item)); });

    QFont headingFont = font();
    headingFont.setPointSize(12);
    label1->setFont(headingFont);
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1->setWordWrap(true);
    placeTwips(label1, CentredLeft(9500), 200, 9500, 700);
    for (QLabel *hint : {label3, label4}) {
        hint->setWordWrap(true);
        hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        placeTwips(hint, CentredLeft(HintWidth), 0, HintWidth, HintHeight);
        growToText(hint);
    }
    hideAll();
}

QString SolutionTemperatureScreen::endOfCorrectionsPicture()
{
    return QDir(platform().programFolder()).filePath(QStringLiteral("end_g.bmp"));
}

void SolutionTemperatureScreen::hideAll()
{
    for (QWidget *w : std::initializer_list<QWidget *>{command3, command4, command5, list1, list2, label1,
                                                       label2, label3, label4})
        w->hide();
}

void SolutionTemperatureScreen::promptTemperature(int j)
{
    const TypedTemperature t = PromptTemperature(
        QStringLiteral("Ввод ") + QString::number(j) + QStringLiteral(" температуры"),
        QStringLiteral("Введите") + QString::number(j) + QStringLiteral("-ю температуру (Град.Цельсия) "),
        PromptX, PromptY, FirstEntryRangeMessage, SolutionTemperatureInRange);
    Set().TText[j] = t.text;
    Set().T[j] = t.value;
}

void SolutionTemperatureScreen::enterTemperatures()
{
    label1->setText(QStringLiteral("Зависимость теплоемкости раствора от концентрации\n"
                                   "более летучего компонента при разных температурах"));
    setWindowTitle(QStringLiteral("Зависимость теплоемкости раствора от концентрации ") +
                   QStringLiteral("более летучего компонента при разных температурах"));
    hideAll();
    label1->show();
    show();
    Set().NT = PromptCount(QStringLiteral("Ввод количества температур для более летучего компонента"),
                           QStringLiteral("Сколько температур будете вводить"), PromptX, PromptY, 1,
                           MaxTemperatures, QStringLiteral("Количество температур от 1-й до 5-ти !!!"));
    for (int j = 1; j <= Set().NT; ++j)
        promptTemperature(j);
    SortSolutionTemperatures(problem());
    keeping().dataSetTyped({RoadSet::SolutionTemperatures});

    for (int j = 1; j <= Set().NT; ++j)
        printAt(4000, Row * j + 1210, SolutionTemperatureLine(problem(), j));
    setWindowTitle(CaptionForCount(Set().NT));
    moveControlTwips(command3, command3->x() * TwipsPerPixel, Row * Set().NT + 1795);
    moveControlTwips(command4, command4->x() * TwipsPerPixel, Row * Set().NT + 1795 + ButtonHeight + 200);
    command3->show();
    command4->show();
    ColourVerdictButtons(command3, command4, false);
}

void SolutionTemperatureScreen::Command3_Click()
{
    RunHandler([] { roads().continueFirstRoad({RoadSet::SolutionTemperatures}); });
}

void SolutionTemperatureScreen::Command5_Click()
{
    Command3_Click();
}

void SolutionTemperatureScreen::fillCorrectionList()
{
    CorrectionList::Rows rows;
    rows.points = TemperatureLines();
    rows.smallestCount = 1;
    rows.largestCount = MaxTemperatures;
    rows.addCaption = QStringLiteral("  Увеличение количества температур");
    rows.removeCaption = QStringLiteral("  Уменьшение количества температур");
    corrections.fill(rows, 200);
    moveControlTwips(command5, command5->x() * TwipsPerPixel, corrections.bottomTwips() + 300);
}

void SolutionTemperatureScreen::Command4_Click()
{
    RunHandler([this] {
        clearDrawing();
        fillCorrectionList();
        list1->show();
        label3->show();
        command3->hide();
        command4->hide();
        giveFocus(list1);
        setWindowTitle(CaptionForCount(Set().NT));
    });
}

void SolutionTemperatureScreen::showTemperatureList()
{
    show();
    fillCorrectionList();
    for (QWidget *w : std::initializer_list<QWidget *>{command3, command4, label2, label3, label4, list2})
        w->hide();
    list1->show();
    command5->show();
    giveFocus(command5);
}

void SolutionTemperatureScreen::List1_Click(int row)
{
    RunHandler([this, row] {
        const CorrectionList::Hit hit = corrections.hit(row);
        if (hit.action == CorrectionList::Action::None)
            return;
        label3->hide();
        command3->hide();
        command5->hide();
        const int j = hit.number;
        switch (hit.action) {
        case CorrectionList::Action::Point: {
            // A corrected temperature is checked as the first entry checks it.
            const int left = PixelsToTwips(pos().x() + list1->x());
            const auto typed = CorrectTemperature(
                QStringLiteral("ВВОД ТЕМПЕРАТУРЫ  "),
                QStringLiteral(" T [ ") + QString::number(j) + QStringLiteral(" ] (Град.Цельсия.) = "),
                left + 320, Row * j + 2000, FirstEntryRangeMessage, SolutionTemperatureInRange);
            if (typed) {
                Set().TText[j] = typed->text;
                Set().T[j] = typed->value;
                SortSolutionTemperatures(problem());
                // A missing picture leaves the button without one; it still works.
                command5->setIcon(QIcon(QPixmap(endOfCorrectionsPicture())));
                ColourVerdictButton(command5, false);
            }
            showTemperatureList();
            break;
        }
        case CorrectionList::Action::Add:
            promptTemperature(j);
            ++Set().NT;
            list1->show();
            SortSolutionTemperatures(problem());
            showTemperatureList();
            break;
        case CorrectionList::Action::Remove:
            list1->hide();
            command5->hide();
            removals.fill(TemperatureLines(), 1500);
            list2->show();
            label4->show();
            giveFocus(list2);
            break;
        default:
            break;
        }
    });
}

void SolutionTemperatureScreen::List2_Click(int row)
{
    RunHandler([this, row] {
        const int j = RemovalList::pointOfRow(row);
        if (j < 1 || j > Set().NT)
            return;
        platform().beep();
        label4->hide();
        problem().RemovalPoint = j;
        const int top = PixelsToTwips(pos().y()) + removals.bottomTwips() + 1500;
        if (ConfirmRemoval(QStringLiteral("Form19"), QString::number(j) + QStringLiteral("-ую температуру ?"),
                           WarningDialogLeftCentredOn(*this), top)) {
            list2->hide();
            RemoveSolutionTemperature(problem(), j);
            SortSolutionTemperatures(problem());
            const QString caption = Set().NT == 1 ? QStringLiteral("Коррекция температуры")
                                                  : QStringLiteral("Коррекция температур");
            label1->setText(caption);
            setWindowTitle(caption);
        }
        showTemperatureList();
    });
}

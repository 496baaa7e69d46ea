#include "start_screen.h"
#include "first_road.h"
#include "problem_files.h"
#include "problem_keeper.h"

#include "equilibrium/equilibrium_screens.h"
#include "model/problem_data.h"
#include "model/text.h"
#include "ui/platform.h"
#include "ui/prompts.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

namespace {

constexpr int WindowWidth = 12000;
constexpr int TitleTop = 300;
constexpr int TitleWidth = 7540;
constexpr int TitleHeight = 1750;
constexpr int DescriptionWidth = 8200;
constexpr int DescriptionHeight = 3900;
constexpr int ButtonWidth = 3000;
constexpr int ButtonHeight = 500;
constexpr int OpenButtonGap = 200;
// The shadow strips are 5 twips thick: one pixel on the screen.
constexpr int ShadowPixels = 1;

QString linesWithBreaks(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += u'\n' + line;
    return text;
}

} // namespace

QString StartScreen::titleText()
{
    return linesWithBreaks({
        QStringLiteral("П Р О Г Р А М М А        Т А Р Е Л И Н - 7"),
        QStringLiteral("Р а с ч ё т"),
        QStringLiteral("материального и теплового баланса"),
        QStringLiteral("бинарной ректификации;"),
        QStringLiteral("расчёт числа теоретических ступеней"),
    });
}

QString StartScreen::descriptionText()
{
    return linesWithBreaks({
        QStringLiteral("     Для проведения расчётов необходимо изучить описание"),
        QStringLiteral("              и подготовить исходные данные:"),
        QStringLiteral("    1.  Равновесная кривая Y,T=f(X) (от 8 до 20 пар точек)."),
        QStringLiteral("    2.  Параметры питания колонны"),
        QStringLiteral("    3.* Зависимости теплот смешения от концентрации более"),
        QStringLiteral("        летучего компонента (от 4-х до 20 пар точек)."),
        QStringLiteral("    4.* Зависимости теплоемкости в газообразном состоянии от"),
        QStringLiteral("        температуры для более и менее летучего компонента"),
        QStringLiteral("        (от 1-й до 20-и пар точек для каждого кромпонента)."),
        QStringLiteral("    5.  Зависимости теплот испарения от температур для"),
        QStringLiteral("        более и менее летучего компонента (число пар точек"),
        QStringLiteral("        от 1-й до 20 для каждого компонента)."),
        QStringLiteral("    6.  Зависимости теплоемкости раствора от концентрации"),
        QStringLiteral("        более летучего компонента для разных температур"),
        QStringLiteral("        (число температур от 1-й до 5-ти, число пар точек"),
        QStringLiteral("        (от 2-х до 20-ти для каждой температуры)."),
        QString(),
        QStringLiteral("                              * необязательные параметры"),
    });
}

QImage CornerGradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const double w = std::max(1, size.width() - 1);
    const double h = std::max(1, size.height() - 1);
    // Corner colours as (red, green, blue).
    const double c0[3] = {0, 255, 0}, c1[3] = {0, 0, 255}, c2[3] = {255, 0, 0}, c3[3] = {0, 255, 255};
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double v = y / h;
        for (int x = 0; x < size.width(); ++x) {
            const double u = x / w;
            double rgb[3];
            for (int k = 0; k < 3; ++k) {
                rgb[k] = v <= u ? c0[k] * (1 - u) + c1[k] * (u - v) + c2[k] * v  // triangle 0, 1, 2
                                : c0[k] * (1 - v) + c2[k] * u + c3[k] * (v - u); // triangle 0, 2, 3
            }
            line[x] = qRgb(int(rgb[0] + 0.5), int(rgb[1] + 0.5), int(rgb[2] + 0.5));
        }
    }
    return image;
}

StartScreen::StartScreen()
    : FormBase(QStringLiteral("Form1"))
{
    setWindowTitle(QStringLiteral("Тарелин-7"));
    fillScreen(WindowWidth);

    title = addLabel(QStringLiteral("Label1"), titleText());
    titleShadowRight = addLabel(QStringLiteral("Label4"));
    titleShadowBottom = addLabel(QStringLiteral("Label5"));
    description = addLabel(QStringLiteral("Label3"), descriptionText());
    ready = addButton(QStringLiteral("Command1"), QStringLiteral("Готовы к работе ?"));
    notReady = addButton(QStringLiteral("Command2"), QStringLiteral("Не готовы к работе ?"));
    openFile = addButton(QStringLiteral("Command3"), QStringLiteral("Открыть файл задачи"));

    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    description->setFont(FixedPitchFont());
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel *box : {title, description}) {
        setBackColor(box, QColor(255, 255, 225));
        box->setFrameShape(QFrame::Box);
    }
    for (QLabel *shadow : {titleShadowRight, titleShadowBottom})
        setBackColor(shadow, Qt::black);

    ready->setFocusPolicy(Qt::StrongFocus);
    notReady->setFocusPolicy(Qt::ClickFocus);
    connect(ready, &QPushButton::clicked, this, [this] { RunHandler([this] { Command1_Click(); }); });
    connect(notReady, &QPushButton::clicked, this, [this] { RunHandler([this] { Command2_Click(); }); });
    connect(openFile, &QPushButton::clicked, this, [this] { RunHandler([this] { Command3_Click(); }); });

    layOutControls();
    ready->setFocus();
}

void StartScreen::layOutControls()
{
    const int width = widthTwips();
    const int titleLeft = (width - TitleWidth) / 2;
    placeTwips(title, titleLeft, TitleTop, TitleWidth, TitleHeight);
    // The shadow strips hug the title box's pixels, whatever the rounding.
    const QRect box = title->geometry();
    titleShadowRight->setGeometry(box.right() + 1, box.top() + TwipsToPixels(20), ShadowPixels,
                                  box.height() - TwipsToPixels(25));
    titleShadowBottom->setGeometry(box.left() + TwipsToPixels(10), box.bottom() + 1,
                                   box.width() - TwipsToPixels(5), ShadowPixels);

    const int descriptionTop = TitleTop + TitleHeight + 400;
    placeTwips(description, (width - DescriptionWidth) / 2, descriptionTop, DescriptionWidth,
               DescriptionHeight);

    const int buttonTop = descriptionTop + DescriptionHeight + 500;
    const int gap = (width - 2 * ButtonWidth) / 3;
    placeTwips(ready, gap, buttonTop, ButtonWidth, ButtonHeight);
    placeTwips(notReady, 2 * gap + ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    placeTwips(openFile, (width - ButtonWidth) / 2, buttonTop + ButtonHeight + OpenButtonGap, ButtonWidth,
               ButtonHeight);
}

void StartScreen::resizeEvent(QResizeEvent *event)
{
    FormBase::resizeEvent(event);
    background = CornerGradient(size());
    layOutControls();
}

void StartScreen::drawContent(QPainter &painter)
{
    if (background.size() != size())
        background = CornerGradient(size());
    painter.drawImage(0, 0, background);
}

void StartScreen::Command1_Click()
{
    ResetProblemState(problem());
    KeepNewProblem();
    AskIdentity(RoadSet::Student);
}

void AskIdentity(RoadSet from)
{
    PrepareEquilibriumWindow();

    ProblemData &data = problem();
    const QString componentTitle = QStringLiteral("ВВОД НАМЕНОВАНИЯ КОМПОНЕНТОВ");
    platform().switchKeyboardLayout(RussianKeyboardLayout);
    if (from <= RoadSet::Student) {
        data.Names[1] = ProperCase(PromptName(QStringLiteral("ВВОД ФАМИЛИИ"),
                                              QStringLiteral("  ВВЕДИТЕ ФАМИЛИЮ И НОМЕР ГРУППЫ "), 500, 300));
        DataSetTyped({RoadSet::Student});
    }
    data.Names[2] = ProperCase(PromptName(
        componentTitle,
        QStringLiteral("  ВВЕДИТЕ НАИМЕНОВАНИЕ БОЛЕЕ ЛЕТУЧЕГО КОМПОНЕНТОА РАЗДЕЛЯЕМОЙ СМЕСИ "), 500, 500));
    platform().switchKeyboardLayout(RussianKeyboardLayout);
    data.Names[3] = ProperCase(PromptName(
        componentTitle,
        QStringLiteral("  ВВЕДИТЕ НАИМЕНОВАНИЕ МЕНЕЕ ЛЕТУЧЕГО КОМПОНЕНТОА РАЗДЕЛЯЕМОЙ СМЕСИ "), 500, 500));
    DataSetTyped({RoadSet::Components});
    platform().switchKeyboardLayout(EnglishKeyboardLayout);

    ContinueFirstRoad({RoadSet::Components});
}

void StartScreen::Command2_Click()
{
    hide();
    EndProgram();
}

void StartScreen::Command3_Click()
{
    OpenProblemFromDialog();
}

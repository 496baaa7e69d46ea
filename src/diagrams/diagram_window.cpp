#include "diagram_window.h"
#include "diagram_export.h"
#include "reflux_adoption.h"

#include "model/problem_data.h"
#include "model/text.h"
#include "ui/decimal_spin_box.h"
#include "ui/form_base.h"
#include "ui/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableWidget>

#include <cmath>

namespace {

// The window opens at a size that fits a 1366×768 screen with its frame;
// its pieces follow its size (pixels): the diagrams side by side, the two
// tables one above the other to their right, the buttons at the bottom
// right. The left end of the button row stays free beneath the y–x diagram.
constexpr int FormLeft = 0, FormTop = 0, FormWidth = 20250, FormHeight = 10200; // twips
constexpr int Margin = 6, TableWidth = 270, TitleHeight = 20;
constexpr int ButtonWidth = 187, ButtonHeight = 41, ButtonGap = 10;
// The what-if row beneath the y–x diagram, left of the buttons.
constexpr int RefluxLabelWidth = 30, RefluxBoxWidth = 86, RatioWidth = 96, AdoptWidth = 150;
constexpr int SliderSteps = 1000;

const QColor FeedStageShade(255, 236, 200);
const QString FeedMark = QStringLiteral(" ◄");

const QString PictureFilter =
    QStringLiteral("Рисунок PNG (*.png);;Рисунок SVG (*.svg);;Документ PDF (*.pdf)");
const QString PrintTitle = QStringLiteral("Диаграммы ступеней");

// Where the next diagram is saved: where the last one went, at first the
// user's pictures.
QString &pictureFolder()
{
    static QString folder = [] {
        for (const auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
            const QString found = QStandardPaths::writableLocation(location);
            if (!found.isEmpty() && QDir(found).exists())
                return found;
        }
        return QDir::homePath();
    }();
    return folder;
}

QTableWidget *addTable(FormBase *form, const QString &name)
{
    auto *table = new QTableWidget(form);
    table->setObjectName(name);
    table->setFont(FixedPitchFont());
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("n"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("t, °C")});
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(17);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QHeaderView *header = table->horizontalHeader();
    header->setMinimumSectionSize(30);
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    table->setColumnWidth(0, 48);
    return table;
}

QTableWidgetItem *cell(const QString &text, bool feed)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (feed) {
        item->setBackground(FeedStageShade);
        QFont font = FixedPitchFont();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

} // namespace

DiagramCanvas::DiagramCanvas(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DiagramCanvas"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagramCanvas::setDiagrams(const ColumnDiagrams *shown)
{
    diagrams = shown;
    update();
}

void DiagramCanvas::setStudy(const RefluxCurve *studied, const RefluxPoint *triedPoint)
{
    curve = studied;
    tried = triedPoint;
    update();
}

void DiagramCanvas::setPage(DiagramPage page)
{
    shownPage = page;
    update();
}

const DiagramDrawing &DiagramCanvas::drawing(ColumnDiagramKind kind) const
{
    return drawings[int(kind)];
}

void DiagramCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!diagrams)
        return;
    const double half = width() / 2.0;
    const QRectF left(0.0, 0.0, half, height()), right(half, 0.0, half, height());
    const auto draw = [&](ColumnDiagramKind kind, const QRectF &area) {
        DiagramDrawing &drawn = drawings[int(kind)];
        drawn = DiagramDrawing();
        DrawColumnDiagram(painter, kind, area, *diagrams, &drawn);
    };
    if (shownPage == DiagramPage::Stages) {
        draw(ColumnDiagramKind::McCabeThiele, left);
        draw(ColumnDiagramKind::Enthalpy, right);
        return;
    }
    curveDrawn = RefluxCurveDrawing();
    if (curve)
        DrawRefluxCurve(painter, left, *curve, tried, &curveDrawn);
    draw(ColumnDiagramKind::McCabeThiele, right);
}

DiagramWindow::DiagramWindow()
    : FormBase(QStringLiteral("DiagramWindow"))
{
    setWindowTitle(QStringLiteral("ДИАГРАММЫ РАСЧЁТА СТУПЕНЕЙ"));
    setGeometryTwips(FormLeft, FormTop, FormWidth, FormHeight);
    tabs = new QTabBar(this);
    tabs->setObjectName(QStringLiteral("DiagramPages"));
    tabs->addTab(QStringLiteral("Диаграммы y–x и H–x"));
    tabs->addTab(QStringLiteral("Выбор флегмового числа: N(R)"));
    tabs->setDrawBase(false);
    picture = new DiagramCanvas(this);
    constantFlowTable = addTable(this, QStringLiteral("ConstantFlowStages"));
    exactTable = addTable(this, QStringLiteral("ExactStages"));
    titles[0] = addLabel(QStringLiteral("ConstantFlowTitle"), QStringLiteral("Постоянство мольных расходов"));
    titles[1] = addLabel(QStringLiteral("ExactTitle"), QStringLiteral("Точный расчёт"));
    note = addLabel(QStringLiteral("TableNote"), QStringLiteral("◄ ступень питания; x, y — мольные доли"));
    refluxCaption = addLabel(QStringLiteral("RefluxCaption"), QStringLiteral("R ="));
    refluxCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(QStringLiteral("RefluxSlider"));
    slider->setRange(0, SliderSteps);
    slider->setPageStep(SliderSteps / 20);
    refluxEntry = new DecimalSpinBox(this);
    refluxEntry->setObjectName(QStringLiteral("RefluxBox"));
    refluxEntry->setKeyboardTracking(false);
    ratioText = addLabel(QStringLiteral("RefluxRatio"));
    adopt = addButton(QStringLiteral("TakeRefluxIntoProblem"), QStringLiteral("Принять R в задачу"));
    saveYx = addButton(QStringLiteral("SaveYxDiagram"), QStringLiteral("Сохранить диаграмму y–x"));
    saveHx = addButton(QStringLiteral("SaveEnthalpyDiagram"), QStringLiteral("Сохранить диаграмму H–x"));
    printPage = addButton(QStringLiteral("PrintDiagrams"), QStringLiteral("Печать диаграмм"));
    closeButton = addButton(QStringLiteral("CloseDiagrams"), QStringLiteral("Закрыть"));
    slider->setToolTip(QStringLiteral("Пробное флегмовое число: диаграммы и таблицы следуют за ним, "
                                      "задача не меняется"));
    adopt->setToolTip(QStringLiteral("Пробное флегмовое число становится флегмовым числом задачи, "
                                     "и задача рассчитывается заново"));
    arrange();
    connect(tabs, &QTabBar::currentChanged, this, [this](int index) { showPage(DiagramPage(index)); });
    connect(slider, &QSlider::valueChanged, this, &DiagramWindow::sliderMoved);
    connect(refluxEntry, &QDoubleSpinBox::valueChanged, this, &DiagramWindow::refluxTyped);
    connect(saveYx, &QPushButton::clicked, this, &DiagramWindow::saveYxDiagram);
    connect(saveHx, &QPushButton::clicked, this, &DiagramWindow::saveEnthalpyDiagram);
    connect(printPage, &QPushButton::clicked, this, &DiagramWindow::printDiagrams);
    connect(closeButton, &QPushButton::clicked, this, &DiagramWindow::closeDiagrams);
    connect(adopt, &QPushButton::clicked, this, &DiagramWindow::takeTriedReflux);
}

void DiagramWindow::arrange()
{
    const int buttonTop = height() - Margin - ButtonHeight;
    QPushButton *const buttons[] = {saveYx, saveHx, printPage, closeButton};
    const int buttonsLeft = width() - Margin - 4 * ButtonWidth - 3 * ButtonGap;
    int left = buttonsLeft;
    for (QPushButton *button : buttons) {
        button->setGeometry(left, buttonTop, ButtonWidth, ButtonHeight);
        left += ButtonWidth + ButtonGap;
    }
    arrangeRefluxControls(buttonTop, buttonsLeft - ButtonGap);

    const int tablesLeft = width() - Margin - TableWidth;
    const int noteTop = buttonTop - Margin - TitleHeight;
    note->setGeometry(tablesLeft, noteTop, TableWidth, TitleHeight);
    QTableWidget *const tables[] = {constantFlowTable, exactTable};
    const int step = (noteTop - Margin) / 2;
    for (int k = 0; k < 2; ++k) {
        const int top = Margin + k * step;
        titles[k]->setGeometry(tablesLeft, top, TableWidth, TitleHeight);
        tables[k]->setGeometry(tablesLeft, top + TitleHeight, TableWidth, step - TitleHeight - Margin);
    }
    const int tabsHeight = tabs->sizeHint().height();
    tabs->setGeometry(Margin, 0, tablesLeft - 2 * Margin, tabsHeight);
    picture->setGeometry(0, tabsHeight, tablesLeft - Margin, buttonTop - Margin - tabsHeight);
}

// Left to right beneath the y–x diagram: "R =", the box, the slider that
// takes the room left, R/Rmin and the button that takes R into the problem.
void DiagramWindow::arrangeRefluxControls(int top, int right)
{
    const int boxHeight = refluxEntry->sizeHint().height();
    const int boxTop = top + (ButtonHeight - boxHeight) / 2;
    int left = Margin;
    refluxCaption->setGeometry(left, top, RefluxLabelWidth, ButtonHeight);
    left += RefluxLabelWidth + Margin;
    refluxEntry->setGeometry(left, boxTop, RefluxBoxWidth, boxHeight);
    left += RefluxBoxWidth + Margin;
    const int sliderWidth = std::max(60, right - left - RatioWidth - AdoptWidth - 2 * Margin);
    slider->setGeometry(left, top, sliderWidth, ButtonHeight);
    left += sliderWidth + Margin;
    ratioText->setGeometry(left, top, RatioWidth, ButtonHeight);
    left += RatioWidth + Margin;
    adopt->setGeometry(left, top, AdoptWidth, ButtonHeight);
}

void DiagramWindow::resizeEvent(QResizeEvent *event)
{
    FormBase::resizeEvent(event);
    arrange();
}

void DiagramWindow::showPage(DiagramPage page)
{
    if (tabs->currentIndex() != int(page))
        tabs->setCurrentIndex(int(page));
    picture->setPage(page);
}

void DiagramWindow::showCalculation(const ProblemData &data)
{
    tried.reset();
    shown = BuildColumnDiagrams(data);
    curve = StudyRefluxCurve(data);
    calculator = std::make_unique<RefluxCalculator>(data);
    picture->setDiagrams(&shown);
    picture->setStudy(&curve, nullptr);
    fillTables();
    setUpRefluxControls();
    // The arrow keys try reflux ratios at once; without a study, Enter closes.
    (curve.minimumReflux ? static_cast<QWidget *>(refluxEntry) : closeButton)->setFocus();
}

std::optional<float> DiagramWindow::triedReflux() const
{
    return tried ? std::optional<float>(tried->R) : std::nullopt;
}

void DiagramWindow::setUpRefluxControls()
{
    const bool studied = curve.minimumReflux.has_value();
    for (QWidget *control : {static_cast<QWidget *>(slider), static_cast<QWidget *>(refluxEntry),
                             static_cast<QWidget *>(refluxCaption)})
        control->setEnabled(studied);
    // Until another reflux ratio is tried there is nothing to take.
    adopt->setEnabled(false);
    const QSignalBlocker sliderQuiet(slider), boxQuiet(refluxEntry);
    if (!studied) {
        ratioText->setText(QStringLiteral("Rmin нет"));
        return;
    }
    // Steps of a hundredth of the minimum's order, at least three digits.
    const int order = int(std::floor(std::log10(*curve.minimumReflux)));
    refluxEntry->setDecimals(std::clamp(2 - order, 0, 6));
    refluxEntry->setSingleStep(std::pow(10.0, order - 2));
    refluxEntry->setRange(curve.whatIfLow, curve.whatIfHigh);
    const double own = std::clamp(double(curve.problemReflux), curve.whatIfLow, curve.whatIfHigh);
    refluxEntry->setValue(own);
    slider->setValue(sliderPosition(own));
    showRatio(own);
}

int DiagramWindow::sliderPosition(double R) const
{
    return int(std::lround((R - curve.whatIfLow) / (curve.whatIfHigh - curve.whatIfLow) * SliderSteps));
}

void DiagramWindow::showRatio(double R)
{
    ratioText->setText(QStringLiteral("= %1·Rmin").arg(FormatFixed(float(R / *curve.minimumReflux), 0, 2)));
}

void DiagramWindow::sliderMoved(int position)
{
    const double R = curve.whatIfLow + (curve.whatIfHigh - curve.whatIfLow) * position / SliderSteps;
    {
        const QSignalBlocker quiet(refluxEntry);
        refluxEntry->setValue(R);
    }
    // The box rounds to its decimals: the R tried is the R shown.
    tryReflux(refluxEntry->value());
}

void DiagramWindow::refluxTyped(double R)
{
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(sliderPosition(R));
    }
    tryReflux(R);
}

void DiagramWindow::tryReflux(double R)
{
    if (!calculator || !curve.minimumReflux)
        return;
    const ProblemData &calculated = calculator->calculate(float(R));
    tried = RefluxPointOf(calculated);
    shown = BuildColumnDiagrams(calculated);
    showRatio(R);
    picture->setDiagrams(&shown);
    picture->setStudy(&curve, &*tried);
    fillTables();
    adopt->setEnabled(tried->R != curve.problemReflux);
}

void DiagramWindow::fillTables()
{
    fillTable(constantFlowTable, shown.constantFlow);
    fillTable(exactTable, shown.exact);
}

void DiagramWindow::fillTable(QTableWidget *table, const CountSummary &count)
{
    table->clearContents();
    table->setRowCount(count.stages);
    for (int n = 1; n <= count.stages; ++n) {
        const bool feed = n == count.feedStage;
        const QStringList values = StageRowTexts(count.profile[n - 1]);
        table->setItem(n - 1, 0, cell(QString::number(n) + (feed ? FeedMark : QString()), feed));
        for (int column = 0; column < 3; ++column)
            table->setItem(n - 1, column + 1, cell(values[column], feed));
    }
}

void DiagramWindow::saveDiagram(ColumnDiagramKind kind, const QString &title, const QString &fileName)
{
    Platform &desk = platform();
    QString &folder = pictureFolder();
    const QString path = desk.chooseFileToSave(title, QDir(folder).filePath(fileName), PictureFilter);
    if (path.isEmpty())
        return;
    folder = QFileInfo(path).absolutePath();
    QString error;
    if (!WriteColumnDiagram(path, kind, shown, &error))
        desk.showMessage(QStringLiteral("Сохранение диаграммы"),
                         QStringLiteral("Диаграмма не сохранена в %1:\n%2").arg(path, error));
}

void DiagramWindow::saveYxDiagram()
{
    RunHandler([&] {
        saveDiagram(ColumnDiagramKind::McCabeThiele, QStringLiteral("Сохранение диаграммы y–x"),
                    QStringLiteral("диаграмма-y-x.png"));
    });
}

void DiagramWindow::saveEnthalpyDiagram()
{
    RunHandler([&] {
        saveDiagram(ColumnDiagramKind::Enthalpy, QStringLiteral("Сохранение диаграммы H–x"),
                    QStringLiteral("диаграмма-H-x.png"));
    });
}

void DiagramWindow::printDiagrams()
{
    RunHandler([&] {
        Platform &desk = platform();
        const bool printed = desk.printPicture(PrintTitle, [&](QPainter &painter, const QRectF &page) {
            DrawColumnSheet(painter, page, shown);
        });
        if (!printed)
            desk.showMessage(PrintTitle, QStringLiteral("Диаграммы не напечатаны: печать отменена "
                                                        "или принтер недоступен."));
    });
}

void DiagramWindow::closeDiagrams()
{
    unload();
}

void DiagramWindow::takeTriedReflux()
{
    RunHandler([&] {
        const std::optional<float> R = triedReflux();
        if (!R)
            return;
        const DiagramPage page = picture->page();
        if (!TakeRefluxIntoProblem(GeneralNumberText(*R)))
            return;
        // The diagrams of the new calculation open where the student was.
        ShowDiagramWindow();
        if (auto *next = FindForm<DiagramWindow>(QStringLiteral("DiagramWindow")); next && next != this)
            next->showPage(page);
    });
}

void DiagramWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        closeDiagrams();
        return;
    }
    if (event->matches(QKeySequence::Print)) {
        printDiagrams();
        return;
    }
    if (event->matches(QKeySequence::NextChild) || event->matches(QKeySequence::PreviousChild)) {
        showPage(picture->page() == DiagramPage::Stages ? DiagramPage::RefluxStudy : DiagramPage::Stages);
        return;
    }
    FormBase::keyPressEvent(event);
}

void DiagramWindow::closeRequested()
{
    unload();
}

void ShowDiagramWindow()
{
    auto *window = FindForm<DiagramWindow>(QStringLiteral("DiagramWindow"));
    const bool open = window != nullptr;
    if (!open)
        window = new DiagramWindow;
    window->showCalculation(problem());
    window->show();
    if (open) {
        window->raise();
        window->activateWindow();
    }
}

#include "diagram_window.h"

#include "diagram_export.h"

#include "app/platform.h"
#include "app/window_registry.h"
#include "model/problem_data.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

// The window opens at a size that fits a 1366×768 screen with its frame;
// its pieces follow its size (pixels): the diagrams side by side, the two
// tables one above the other to their right, the buttons at the bottom
// right. The left end of the button row stays free beneath the y–x diagram.
constexpr int FormLeft = 0, FormTop = 0, FormWidth = 20250, FormHeight = 10200; // twips
constexpr int Margin = 6, TableWidth = 270, TitleHeight = 20;
constexpr int ButtonWidth = 187, ButtonHeight = 41, ButtonGap = 10;

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
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagramCanvas::setDiagrams(const ColumnDiagrams *shown)
{
    diagrams = shown;
    update();
}

const DiagramDrawing &DiagramCanvas::drawing(ColumnDiagramKind kind) const
{
    return drawings[int(kind)];
}

QRectF DiagramCanvas::area(ColumnDiagramKind kind) const
{
    const double half = width() / 2.0;
    return QRectF(kind == ColumnDiagramKind::McCabeThiele ? 0.0 : half, 0.0, half, height());
}

void DiagramCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!diagrams)
        return;
    for (const ColumnDiagramKind kind : {ColumnDiagramKind::McCabeThiele, ColumnDiagramKind::Enthalpy}) {
        DiagramDrawing &drawn = drawings[int(kind)];
        drawn = DiagramDrawing();
        DrawColumnDiagram(painter, kind, area(kind), *diagrams, &drawn);
    }
}

DiagramWindow::DiagramWindow()
    : FormBase(QStringLiteral("Form50"))
{
    setWindowTitle(QStringLiteral("ДИАГРАММЫ РАСЧЁТА СТУПЕНЕЙ"));
    setGeometryTwips(FormLeft, FormTop, FormWidth, FormHeight);
    picture = new DiagramCanvas(this);
    table1 = addTable(this, QStringLiteral("Table1"));
    table2 = addTable(this, QStringLiteral("Table2"));
    titles[0] = addLabel(QStringLiteral("Label1"), QStringLiteral("Постоянство мольных расходов"));
    titles[1] = addLabel(QStringLiteral("Label2"), QStringLiteral("Точный расчёт"));
    note = addLabel(QStringLiteral("Label3"), QStringLiteral("◄ ступень питания; x, y — мольные доли"));
    command1 = addButton(QStringLiteral("Command1"), QStringLiteral("Сохранить диаграмму y–x"));
    command2 = addButton(QStringLiteral("Command2"), QStringLiteral("Сохранить диаграмму H–x"));
    command3 = addButton(QStringLiteral("Command3"), QStringLiteral("Печать диаграмм"));
    command4 = addButton(QStringLiteral("Command4"), QStringLiteral("Закрыть"));
    arrange();
    connect(command1, &QPushButton::clicked, this, &DiagramWindow::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &DiagramWindow::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &DiagramWindow::Command3_Click);
    connect(command4, &QPushButton::clicked, this, &DiagramWindow::Command4_Click);
}

void DiagramWindow::arrange()
{
    const int buttonTop = height() - Margin - ButtonHeight;
    QPushButton *const buttons[] = {command1, command2, command3, command4};
    int left = width() - Margin - 4 * ButtonWidth - 3 * ButtonGap;
    for (QPushButton *button : buttons) {
        button->setGeometry(left, buttonTop, ButtonWidth, ButtonHeight);
        left += ButtonWidth + ButtonGap;
    }

    const int tablesLeft = width() - Margin - TableWidth;
    const int noteTop = buttonTop - Margin - TitleHeight;
    note->setGeometry(tablesLeft, noteTop, TableWidth, TitleHeight);
    QTableWidget *const tables[] = {table1, table2};
    const int step = (noteTop - Margin) / 2;
    for (int k = 0; k < 2; ++k) {
        const int top = Margin + k * step;
        titles[k]->setGeometry(tablesLeft, top, TableWidth, TitleHeight);
        tables[k]->setGeometry(tablesLeft, top + TitleHeight, TableWidth, step - TitleHeight - Margin);
    }
    picture->setGeometry(0, 0, tablesLeft - Margin, buttonTop - Margin);
}

void DiagramWindow::resizeEvent(QResizeEvent *event)
{
    FormBase::resizeEvent(event);
    arrange();
}

void DiagramWindow::showCalculation(const ProblemData &data)
{
    shown = BuildColumnDiagrams(data);
    picture->setDiagrams(&shown);
    fillTable(table1, shown.constantFlow);
    fillTable(table2, shown.exact);
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

void DiagramWindow::Command1_Click()
{
    RunHandler([&] {
        saveDiagram(ColumnDiagramKind::McCabeThiele, QStringLiteral("Сохранение диаграммы y–x"),
                    QStringLiteral("диаграмма-y-x.png"));
    });
}

void DiagramWindow::Command2_Click()
{
    RunHandler([&] {
        saveDiagram(ColumnDiagramKind::Enthalpy, QStringLiteral("Сохранение диаграммы H–x"),
                    QStringLiteral("диаграмма-H-x.png"));
    });
}

void DiagramWindow::Command3_Click()
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

void DiagramWindow::Command4_Click()
{
    unload();
}

void DiagramWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        Command4_Click();
        return;
    }
    if (event->matches(QKeySequence::Print)) {
        Command3_Click();
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
    auto *window = FindForm<DiagramWindow>(QStringLiteral("Form50"));
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

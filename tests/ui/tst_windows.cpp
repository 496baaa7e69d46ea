#include "support/layout_check.h"
#include "ui/form_base.h"
#include "ui/list_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// Windows on the laptop screen the tests run on (1366x768, with the frame
// the offscreen platform puts round a window), and the layout check that
// looks over every window the road tests reach.

namespace {

bool HasBlackPixel(const QImage &image, const QRect &where)
{
    for (int y = where.top(); y <= where.bottom(); ++y)
        for (int x = where.left(); x <= where.right(); ++x)
            if (image.pixelColor(x, y) == Qt::black)
                return true;
    return false;
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void windowPlacedByItsFrame_data()
    {
        QTest::addColumn<QRect>("design"); // twips; a width of 0 fills the screen
        QTest::addColumn<bool>("fillsScreen");
        QTest::addColumn<QPoint>("frameAt");
        QTest::addColumn<QSize>("client");
        QTest::newRow("data window at the corner")
            << QRect(0, 0, 14000, 10000) << false << QPoint(0, 0) << QSize(933, 667);
        QTest::newRow("editor at 10, 5")
            << QRect(10, 5, 14000, 10000) << false << QPoint(1, 0) << QSize(933, 667);
        QTest::newRow("too low: moved up")
            << QRect(0, 9000, 9000, 4800) << false << QPoint(0, 444) << QSize(600, 320);
        QTest::newRow("too wide: made narrower")
            << QRect(300, 0, 24000, 3000) << false << QPoint(0, 0) << QSize(1362, 200);
        QTest::newRow("start screen: the screen's height")
            << QRect(0, 0, 12000, 0) << true << QPoint(0, 0) << QSize(800, 764);
        QTest::newRow("change-data menu: the whole screen")
            << QRect(0, 0, 0, 0) << true << QPoint(0, 0) << QSize(1362, 764);
    }
    void windowPlacedByItsFrame()
    {
        QFETCH(QRect, design);
        QFETCH(bool, fillsScreen);
        QFETCH(QPoint, frameAt);
        QFETCH(QSize, client);
        FormBase window(QStringLiteral("Form99"));
        if (fillsScreen)
            window.fillScreen(design.width());
        else
            window.setGeometryTwips(design.x(), design.y(), design.width(), design.height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.frameGeometry().topLeft(), frameAt);
        QCOMPARE(window.size(), client);
        QVERIFY(LaptopScreen.contains(window.frameGeometry()));
    }

    void layoutCheckFindsWhatIsWrong_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("found"); // empty: nothing wrong
        QTest::newRow("label too narrow for its text") << 0 << "Label1: text needs";
        QTest::newRow("list row wider than the list") << 1 << "List1: row 0 needs";
        QTest::newRow("button over a button") << 2 << "Command1: lies over Command2";
        QTest::newRow("printed text beyond the edge") << 3 << "leaves the window";
        QTest::newRow("highlight over its list line, as designed") << 4 << "";
        QTest::newRow("window beyond the screen") << 5 << "not wholly on the screen";
    }
    void layoutCheckFindsWhatIsWrong()
    {
        QFETCH(int, fault);
        QFETCH(QString, found);
        FormBase window(QStringLiteral("Form99"));
        window.setGeometryTwips(0, 0, 8000, 3000);
        const QString row = QStringLiteral("  X[1] (мольн.д) =0.5                 C[1] (Кдж/Кмоль*К) =150");
        switch (fault) {
        case 0:
            FormBase::placeTwips(window.addLabel(QStringLiteral("Label1"), row), 0, 0, 1500, 200);
            break;
        case 1:
        case 4: {
            QListWidget *list = window.addList(QStringLiteral("List1"));
            list->addItem(row);
            FormBase::placeTwips(list, 0, 0, fault == 1 ? 2000 : 7500, 600);
            if (fault == 4) {
                QLabel *highlight = window.addLabel(QStringLiteral("Label2"), row);
                highlight->setFont(FixedPitchFont());
                FormBase::placeTwips(highlight, 0, 30, 7500, 200);
            }
            break;
        }
        case 2:
            FormBase::placeTwips(window.addButton(QStringLiteral("Command1"), QStringLiteral("Да")), 0, 0,
                                 1500, 400);
            FormBase::placeTwips(window.addButton(QStringLiteral("Command2"), QStringLiteral("Нет")), 1200, 0,
                                 1500, 400);
            break;
        case 3:
            window.printAt(6000, 1000, row);
            break;
        case 5:
            window.setGeometry(1000, 600, 400, 200); // round the placement
            break;
        }
        const QStringList faults = LayoutFaults(window);
        if (found.isEmpty())
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        else
            QVERIFY2(faults.join(u'\n').contains(found), qPrintable(faults.join(u'\n')));
    }

    void listForDisplayOnlyStaysLegible()
    {
        ListBox list(nullptr);
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base})
            QCOMPARE(list.palette().color(QPalette::Disabled, role),
                     list.palette().color(QPalette::Active, role));
    }

    void focusFrameShowsOnEveryVerdictColour_data()
    {
        QTest::addColumn<unsigned>("colour");
        QTest::newRow("red") << VbRed;
        QTest::newRow("green") << VbGreen;
    }
    void focusFrameShowsOnEveryVerdictColour()
    {
        QFETCH(unsigned, colour);
        FormBase window(QStringLiteral("Form99"));
        window.setGeometryTwips(0, 0, 6000, 2000);
        QPushButton *buttons[2];
        for (int i = 0; i < 2; ++i) {
            buttons[i] =
                window.addButton(QStringLiteral("Command%1").arg(3 + i), QStringLiteral("ИЗМЕНЯЕТЕ"));
            FormBase::placeTwips(buttons[i], 300, 300 + 600 * i, 4500, 400);
            FormBase::setBackColor(buttons[i], VbColor(colour));
        }
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Along the left edge, clear of the caption.
        const QRect edge(2, 2, 4, buttons[0]->height() - 4);
        for (QPushButton *focused : buttons) {
            focused->setFocus();
            for (QPushButton *button : buttons)
                QCOMPARE(HasBlackPixel(button->grab().toImage(), edge), button == focused);
        }
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"

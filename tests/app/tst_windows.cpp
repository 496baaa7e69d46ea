#include "form_base.h"
#include "list_box.h"

#include <QPushButton>
#include <QTest>

// Windows on the laptop screen the tests run on (1366x768, with the frame
// the offscreen platform puts round a window), and the keyboard on them.

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
        QVERIFY(QRect(0, 0, 1366, 768).contains(window.frameGeometry()));
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

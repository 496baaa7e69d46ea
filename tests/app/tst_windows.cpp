#include "form_base.h"

#include <QTest>

// Windows on the laptop screen the tests run on: 1366x768, with the frame
// the offscreen platform puts round a window.

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
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"

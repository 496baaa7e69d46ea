#include "input/correction_list.h"
#include "ui/form_base.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

// The rows of a correction list and what a click on each of them asks for.

using Action = CorrectionList::Action;
Q_DECLARE_METATYPE(Action)

class CorrectionListTest : public QObject {
    Q_OBJECT
private slots:
    void hits_data()
    {
        QTest::addColumn<int>("heading");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("smallest");
        QTest::addColumn<int>("row");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("number");
        QTest::newRow("temperature row") << 1 << 5 << 4 << 0 << Action::Heading << 0;
        QTest::newRow("first point under a heading") << 1 << 5 << 4 << 1 << Action::Point << 1;
        QTest::newRow("first point without heading") << 0 << 5 << 1 << 0 << Action::Point << 1;
        QTest::newRow("last point") << 0 << 5 << 1 << 4 << Action::Point << 5;
        QTest::newRow("add row is point N+1") << 0 << 5 << 1 << 5 << Action::Add << 6;
        QTest::newRow("remove row after add") << 0 << 5 << 1 << 6 << Action::Remove << 0;
        QTest::newRow("smallest: add only") << 1 << 4 << 4 << 5 << Action::Add << 5;
        QTest::newRow("smallest: nothing after add") << 1 << 4 << 4 << 6 << Action::None << 0;
        QTest::newRow("largest: remove in the add place") << 0 << 20 << 1 << 20 << Action::Remove << 0;
        QTest::newRow("largest: nothing after") << 0 << 20 << 1 << 21 << Action::None << 0;
        QTest::newRow("one point: add only") << 0 << 1 << 1 << 1 << Action::Add << 2;
        QTest::newRow("negative row") << 0 << 3 << 1 << -1 << Action::None << 0;
    }
    void hits()
    {
        QFETCH(int, heading);
        QFETCH(int, count);
        QFETCH(int, smallest);
        QFETCH(int, row);
        QFETCH(Action, action);
        QFETCH(int, number);
        QWidget window;
        QListWidget list(&window);
        QLabel hint(&window);
        CorrectionList corrections(&list, &hint);
        CorrectionList::Rows rows;
        if (heading)
            rows.heading << QStringLiteral("  T");
        for (int i = 1; i <= count; ++i)
            rows.points << QStringLiteral("  point %1").arg(i);
        rows.smallestCount = smallest;
        rows.largestCount = 20;
        rows.addCaption = QStringLiteral("  add");
        rows.removeCaption = QStringLiteral("  remove");
        corrections.fill(rows, 200);
        const CorrectionList::Hit hit = corrections.hit(row);
        QCOMPARE(hit.action, action);
        QCOMPARE(hit.number, number);
        const int actionRows = CorrectionList::actionRowCount(count, smallest, 20);
        QCOMPARE(list.count(), heading + count + actionRows);
        // One spare row below the last one.
        QCOMPARE(PixelsToTwips(list.height()), (list.count() + 1) * 195);
        QCOMPARE(hint.y(), TwipsToPixels(corrections.bottomTwips() + 200));
        QVERIFY(list.isEnabled());
    }

    void removalListIsOneRowTaller()
    {
        QWidget window;
        QListWidget list(&window);
        QLabel hint(&window);
        FormBase::placeTwips(&list, 600, 1005, 9300, 390);
        RemovalList removal(&list, &hint);
        removal.fill({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 1500);
        QCOMPARE(list.count(), 3);
        QCOMPARE(PixelsToTwips(list.height()), 4 * 195);
        QCOMPARE(removal.bottomTwips(), 1005 + 4 * 195);
        QCOMPARE(PixelsToTwips(hint.y()), 1005 + 4 * 195 + 1500);
        QCOMPARE(RemovalList::pointOfRow(0), 1);
    }
};

QTEST_MAIN(CorrectionListTest)
#include "tst_correction_list.moc"

#include "input/feed_parameters.h"

#include "model/problem_data.h"
#include "support/scripted_platform.h"

#include <QTest>

// The description of the four feed conditions: which prompt fills which
// element, and how a line of the list is built.
class FeedParametersTest : public QObject {
    Q_OBJECT
private slots:
    void elementsOfEachCondition_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QList<int>>("elements");
        QTest::newRow("boiling liquid")
            << int(BoilingLiquidFeed) << QList<int>{FeedMA, FeedMB, FeedFl, FeedXFl, FeedXD, FeedXW, FeedR};
        QTest::newRow("vapour") << int(VapourFeed)
                                << QList<int>{FeedMA, FeedMB, FeedFv, FeedXFv, FeedTv, FeedXD, FeedXW, FeedR};
        QTest::newRow("mixture") << int(MixtureFeed)
                                 << QList<int>{FeedMA, FeedMB, FeedFv, FeedFl, FeedXFv, FeedXFl,
                                               FeedTv, FeedTl, FeedXD, FeedXW, FeedR};
        QTest::newRow("liquid") << int(LiquidFeed)
                                << QList<int>{FeedMA, FeedMB, FeedFl, FeedXFl, FeedTl, FeedXD, FeedXW, FeedR};
    }
    void elementsOfEachCondition()
    {
        QFETCH(int, condition);
        QFETCH(QList<int>, elements);
        QCOMPARE(FeedParameterCount(condition), elements.size());
        for (int i = 1; i <= elements.size(); ++i)
            QCOMPARE(FeedParameterElement(condition, i), elements[i - 1]);
    }

    void entriesReachTheirElements()
    {
        ScriptedSession session;
        FeedSpec feed;
        SetFeedCondition(feed, LiquidFeed);
        QCOMPARE(feed.Condition, int(LiquidFeed));
        const QStringList typed{"78,11", "92.14", "", "0,4", "20", "0.97", "abc", "3"};
        for (int i = 1; i <= typed.size(); ++i)
            RecordFeedEntry(feed, i, typed[i - 1]);
        // Nothing reaches the values before the entries are copied.
        QCOMPARE(feed.Text[FeedMA], QString());
        CopyFeedEntries(feed);
        QCOMPARE(feed.Text[FeedMA], QStringLiteral("78.11"));
        QCOMPARE(feed.Value[FeedMA], 78.11f);
        QCOMPARE(feed.Text[FeedFl], QStringLiteral("0")); // a cancelled prompt
        QCOMPARE(feed.Value[FeedXFl], 0.4f);
        QCOMPARE(feed.Value[FeedTl], 20.0f);
        // No number at all: refused with a beep, for the check to report.
        QCOMPARE(feed.Text[FeedXW], QStringLiteral("???"));
        QCOMPARE(feed.Value[FeedXW], 0.0f);
        QCOMPARE(session->beeps, 1);
        QCOMPARE(feed.Value[FeedR], 3.0f);
        QCOMPARE(feed.Value[FeedTv], 0.0f); // not a parameter of a liquid feed
        QCOMPARE(feed.Label[8], QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО"));
        QCOMPARE(feed.Label[9], QString());

        StoreFeedCorrection(feed, 5, QStringLiteral("25,5"));
        QCOMPARE(feed.EntryText[5], QStringLiteral("25.5"));
        QCOMPARE(feed.Value[FeedTl], 25.5f);
        QCOMPARE(FeedParameterLine(feed, 5), FeedLine(FeedPrompt(LiquidFeed, 5), QStringLiteral("25.5")));
    }

    void labelsOfAnEarlierConditionAreCleared()
    {
        FeedSpec feed;
        SetFeedCondition(feed, MixtureFeed);
        QCOMPARE(feed.Label[11], QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО"));
        SetFeedCondition(feed, BoilingLiquidFeed);
        QCOMPARE(feed.Label[7], QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО"));
        for (int i = 8; i <= MaxFeedParameters; ++i)
            QCOMPARE(feed.Label[i], QString());
    }

    void captionsOfTheRoads_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<bool>("sameControlCaptions");
        QTest::newRow("boiling liquid") << int(BoilingLiquidFeed) << true;
        QTest::newRow("vapour") << int(VapourFeed) << false;
        QTest::newRow("mixture") << int(MixtureFeed) << false;
        QTest::newRow("liquid") << int(LiquidFeed) << false;
    }
    void captionsOfTheRoads()
    {
        QFETCH(int, condition);
        QFETCH(bool, sameControlCaptions);
        // The first road's entry caption starts with three spaces, the change
        // road's does not.
        QVERIFY(FeedEntryCaption(FeedRoad::FirstEntry, condition).startsWith(QStringLiteral("   ВВОД ")));
        QVERIFY(FeedEntryCaption(FeedRoad::Change, condition).startsWith(QStringLiteral("ВВОД ")));
        const QString afterEntry = FeedControlCaption(FeedRoad::FirstEntry, condition, false);
        const QString afterCorrections = FeedControlCaption(FeedRoad::FirstEntry, condition, true);
        QCOMPARE(afterEntry == afterCorrections, sameControlCaptions);
        // The change road always shows the short form.
        QCOMPARE(FeedControlCaption(FeedRoad::Change, condition, false), afterCorrections);
        QCOMPARE(FeedControlCaption(FeedRoad::Change, condition, true), afterCorrections);
        QVERIFY(afterCorrections.contains(QStringLiteral("(исх. смесь подается в виде ")));
        QVERIFY(FeedCorrectionCaption(condition).startsWith(
            QStringLiteral("КОРРЕКЦИЯ ИСХОДНОЙ ИНФОРМАЦИИ (исх.")));
    }
};

QTEST_APPLESS_MAIN(FeedParametersTest)
#include "tst_feed_parameters.moc"

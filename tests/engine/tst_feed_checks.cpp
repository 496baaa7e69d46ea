#include "benzene_toluene_problem.h"

#include "engine/feed_checks.h"
#include "engine/properties.h"
#include "model/text.h"

#include <QTest>

using Changes = QList<QPair<int, float>>;
Q_DECLARE_METATYPE(Changes)

class FeedChecksTest : public QObject {
    Q_OBJECT
private slots:
    void bounds_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<Changes>("changes");
        QTest::addColumn<int>("verdict");
        const int boiling = BoilingLiquidFeed, vapour = VapourFeed, mixture = MixtureFeed,
                  liquid = LiquidFeed;
        auto row = [](const char *name, int condition, Changes changes, int verdict) {
            QTest::newRow(name) << condition << changes << verdict;
        };
        row("boiling: valid", boiling, {}, 0);
        row("boiling: Fl 400", boiling, {{FeedFl, 400.0f}}, 0);
        row("boiling: Fl 400.5", boiling, {{FeedFl, 400.5f}}, 3);
        row("boiling: Fl negative", boiling, {{FeedFl, -0.1f}}, 3);
        row("boiling: xFl 0", boiling, {{FeedXFl, 0.0f}}, 4);
        row("boiling: xFl 1e-7", boiling, {{FeedXFl, 1e-7f}, {FeedXW, 1e-7f}}, 0);
        row("boiling: xFl six nines", boiling, {{FeedXFl, 0.999999f}, {FeedXD, 0.999999f}}, 5);
        row("boiling: xFl above six nines", boiling, {{FeedXFl, 0.9999995f}}, 4);
        row("boiling: xD 0.99999", boiling, {{FeedXD, 0.99999f}}, 0);
        row("boiling: xD 0.999991", boiling, {{FeedXD, 0.999991f}}, 5);
        row("boiling: xD = wF", boiling, {{FeedXD, 0.4f}}, 0);
        row("boiling: xD below wF", boiling, {{FeedXD, 0.39f}}, 5);
        row("boiling: xW 1e-7", boiling, {{FeedXW, 1e-7f}}, 0);
        row("boiling: xW 9e-8", boiling, {{FeedXW, 9e-8f}}, 6);
        row("boiling: xW = wF", boiling, {{FeedXW, 0.4f}}, 0);
        row("boiling: xW above wF", boiling, {{FeedXW, 0.41f}}, 6);
        row("boiling: R 0", boiling, {{FeedR, 0.0f}}, 0);
        row("boiling: R 30000", boiling, {{FeedR, 30000.0f}}, 0);
        row("boiling: R 30001", boiling, {{FeedR, 30001.0f}}, 7);
        row("boiling: R negative", boiling, {{FeedR, -1.0f}}, 7);
        row("boiling: first failure counts", boiling, {{FeedXFl, 0.0f}, {FeedR, -1.0f}}, 4);

        row("vapour: valid", vapour, {}, 0);
        row("vapour: Fv 400.5", vapour, {{FeedFv, 400.5f}}, 3);
        row("vapour: xFv 0", vapour, {{FeedXFv, 0.0f}}, 4);
        row("vapour: Tv 400", vapour, {{FeedTv, 400.0f}}, 0);
        row("vapour: Tv 400.5", vapour, {{FeedTv, 400.5f}}, 5);
        row("vapour: xD 0.999991", vapour, {{FeedXD, 0.999991f}}, 6);
        row("vapour: xW 9e-8", vapour, {{FeedXW, 9e-8f}}, 7);
        row("vapour: R 30001", vapour, {{FeedR, 30001.0f}}, 8);

        row("mixture: valid", mixture, {}, 0);
        row("mixture: Fv 400.5", mixture, {{FeedFv, 400.5f}}, 3);
        row("mixture: Fl 400.5", mixture, {{FeedFl, 400.5f}}, 4);
        row("mixture: both flows 0", mixture, {{FeedFv, 0.0f}, {FeedFl, 0.0f}}, 4);
        row("mixture: vapour flow 0", mixture, {{FeedFv, 0.0f}}, 0);
        row("mixture: xFv 0", mixture, {{FeedXFv, 0.0f}}, 5);
        row("mixture: xFl 0", mixture, {{FeedXFl, 0.0f}, {FeedXW, 0.01f}}, 0);
        row("mixture: xFl 1", mixture, {{FeedXFl, 1.0f}, {FeedXD, 0.99f}}, 0);
        row("mixture: xFl 1.01", mixture, {{FeedXFl, 1.01f}}, 6);
        row("mixture: Tv 400.5", mixture, {{FeedTv, 400.5f}}, 7);
        row("mixture: Tl 400", mixture, {{FeedTl, 400.0f}}, 0);
        row("mixture: Tl 400.5", mixture, {{FeedTl, 400.5f}}, 8);
        row("mixture: Tl -273.12", mixture, {{FeedTl, -273.12f}}, 0);
        row("mixture: Tl -273.2", mixture, {{FeedTl, -273.2f}}, 8);
        row("mixture: xD below wF", mixture, {{FeedXD, 0.44f}}, 9);
        row("mixture: xW above wF", mixture, {{FeedXW, 0.45f}}, 10);
        row("mixture: R 30001", mixture, {{FeedR, 30001.0f}}, 11);

        row("liquid: valid", liquid, {}, 0);
        row("liquid: Fl 400.5", liquid, {{FeedFl, 400.5f}}, 3);
        row("liquid: xFl 0", liquid, {{FeedXFl, 0.0f}, {FeedXW, 0.0f}}, 7);
        row("liquid: xFl 1.01", liquid, {{FeedXFl, 1.01f}}, 4);
        row("liquid: Tl 400.5", liquid, {{FeedTl, 400.5f}}, 0);
        row("liquid: Tl 401", liquid, {{FeedTl, 401.0f}}, 0);
        row("liquid: Tl 401.5", liquid, {{FeedTl, 401.5f}}, 5);
        row("liquid: Tl -273.2", liquid, {{FeedTl, -273.2f}}, 5);
        row("liquid: xD 0.999991", liquid, {{FeedXD, 0.999991f}}, 6);
        row("liquid: R 30001", liquid, {{FeedR, 30001.0f}}, 8);
    }
    void bounds()
    {
        QFETCH(int, condition);
        QFETCH(Changes, changes);
        QFETCH(int, verdict);
        ProblemData data = BenzeneToluene::problem(condition);
        for (const auto &[element, value] : changes)
            data.Feed.Value[element] = value;
        data.BadPointIndex = 99;
        QCOMPARE(CheckFeed(data), verdict);
        QCOMPARE(data.BadPointIndex, verdict);
    }

    void azeotropicDistillateLimit()
    {
        ProblemData data = BenzeneToluene::problem();
        data.Equilibrium.Azeotropic = true;
        data.Equilibrium.AzeotropeX = 0.9f;
        const float limit = MoleToMassFraction(data, 0.9f);
        data.Feed.Value[FeedXD] = limit;
        QCOMPARE(CheckFeedBoilingLiquid(data), 0);
        data.Feed.Value[FeedXD] = std::nextafter(limit, 1.0f);
        QCOMPARE(CheckFeedBoilingLiquid(data), 5);
    }

    void boilingLiquidDerivations()
    {
        ProblemData data = BenzeneToluene::problem(BoilingLiquidFeed);
        QCOMPARE(CheckFeedBoilingLiquid(data), 0);
        QCOMPARE(data.Results(ResWF), 0.4f);
        QCOMPARE(data.Results.Text[ResWF], QStringLiteral("0.4"));
        QVERIFY(std::fabs(data.Feed.Value[FeedTl] - 93.953217f) < 1e-4f);
        QCOMPARE(data.Feed.Text[FeedTl], QStringLiteral("93.953217"));
    }

    void noDerivationAfterAFailure()
    {
        ProblemData data = BenzeneToluene::problem(BoilingLiquidFeed);
        data.Feed.Value[FeedXFl] = 0.0f;
        data.Feed.Text[FeedTl] = QStringLiteral("typed");
        QCOMPARE(CheckFeedBoilingLiquid(data), 4);
        QCOMPARE(data.Feed.Text[FeedTl], QStringLiteral("typed"));
        QCOMPARE(data.Results.Text[ResWF], QString());
    }

    void vapourColderThanItsDewPoint()
    {
        ProblemData data = BenzeneToluene::problem(VapourFeed);
        data.Feed.Text[FeedTv] = QStringLiteral("90");
        QCOMPARE(CheckFeedVapour(data), 0);
        QVERIFY(std::fabs(data.Feed.Value[FeedTv] - 100.54513f) < 1e-4f);
        QCOMPARE(data.Feed.Text[FeedTv], QStringLiteral("100.545128"));
        QCOMPARE(data.Results.Text[ResWF], QStringLiteral("0.4"));

        // A warmer vapour keeps its temperature and its text.
        data.Feed.Value[FeedTv] = 120.0f;
        data.Feed.Text[FeedTv] = QStringLiteral("120");
        QCOMPARE(CheckFeedVapour(data), 0);
        QCOMPARE(data.Feed.Value[FeedTv], 120.0f);
        QCOMPARE(data.Feed.Text[FeedTv], QStringLiteral("120"));
    }

    void meanCompositionTexts()
    {
        ProblemData mixture = BenzeneToluene::problem(MixtureFeed);
        QCOMPARE(CheckFeedMixture(mixture), 0);
        QCOMPARE(mixture.Results.Text[ResWF], QStringLiteral(" 0.442857"));
        ProblemData liquid = BenzeneToluene::problem(LiquidFeed);
        QCOMPARE(CheckFeedLiquid(liquid), 0);
        QCOMPARE(liquid.Results.Text[ResWF], QStringLiteral(" 0.400000"));
    }

    void clearFeedValues()
    {
        ProblemData data = BenzeneToluene::problem(MixtureFeed);
        data.Feed.Text[FeedFv] = QStringLiteral("1.5");
        ClearFeedValues(data);
        for (int i = 1; i <= FeedValueCount; ++i)
            QCOMPARE(data.Feed.Value[i], 0.0f);
        QCOMPARE(data.Feed.Text[FeedFv], QStringLiteral("1.5"));
    }
};

QTEST_APPLESS_MAIN(FeedChecksTest)
#include "tst_feed_checks.moc"

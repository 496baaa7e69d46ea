#include "engine/reflux_study.h"
#include "engine/stage_count.h"
#include "support/calculated_example.h"

#include <QTest>

#include <algorithm>
#include <cstring>

// The design study on the examples: a sweep's numbers are the problem's own
// at each reflux ratio, the fewest stages bound every count from below, and
// each minimum reflux ratio is where its count starts to reach the top.
namespace {

// The four examples, one per feed condition, with and without an azeotrope.
void examples()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"benzene-toluene.json", "benzene-toluene-mixture-feed.json",
                             "ethanol-water.json", "methanol-water-vapour-feed.json"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

ProblemData loaded(const QString &file)
{
    ProblemData data;
    if (!LoadProblemFile(QStringLiteral(TARELIN_EXAMPLES_DIR "/") + file, data).ok)
        qFatal("cannot load %s", qPrintable(file));
    return data;
}

bool sameNumbers(const float *a, const float *b, int count)
{
    return std::memcmp(a, b, sizeof(float) * std::size_t(count)) == 0;
}

} // namespace

class RefluxStudyTest : public QObject {
    Q_OBJECT
private slots:
    // Every row, threads or not, is the problem calculated at that R alone;
    // the problem itself is left as it was.
    void sweepRowsAreTheProblemsOwn_data() { examples(); }
    void sweepRowsAreTheProblemsOwn()
    {
        QFETCH(QString, file);
        const ProblemData problem = loaded(file);
        const float ownR = problem.Feed.Value[FeedR];
        std::vector<float> ratios = EvenlySpacedReflux(ownR / 4.0, ownR * 3.0, 400);
        ratios.push_back(ownR);
        const std::vector<RefluxPoint> points = SweepReflux(problem, ratios);

        const ProblemData untouched = loaded(file);
        QVERIFY(sameNumbers(problem.Results.Value, untouched.Results.Value, ResultCount + 1));
        QVERIFY(sameNumbers(problem.Feed.Value, untouched.Feed.Value, FeedValueCount + 1));
        for (std::size_t i = 0; i + 1 < points.size(); i += 37) {
            const ProblemData alone = CalculatedExample(file, ratios[i]);
            QCOMPARE(points[i].outcome, alone.Outcome);
            QCOMPARE(points[i].Qc, alone.Results(ResQc));
            QCOMPARE(points[i].Qw, alone.Results(ResQw));
            if (alone.Outcome == CalculationOutcome::Complete)
                QCOMPARE(float(*points[i].exactStages), alone.Results(ResN));
        }
        const ProblemData own = CalculatedExample(file);
        const RefluxPoint &last = points.back();
        QCOMPARE(last.outcome, own.Outcome);
        QCOMPARE(last.Qc, own.Results(ResQc));
        QCOMPARE(last.Qw, own.Results(ResQw));
        QCOMPARE(last.constantFlowStages.value_or(-1), int(own.Stage.SavedStageCount));
        QCOMPARE(last.constantFlowFeedStage.value_or(-1), int(own.Stage.SavedFeedStage));
        if (own.Outcome == CalculationOutcome::Complete) {
            QCOMPARE(*last.exactStages, int(own.Results(ResN)));
            QCOMPARE(*last.exactFeedStage, int(own.Results(ResNf)));
        }
    }

    // Fewer stages than at total reflux no count needs; a count needs no
    // more stages at a larger reflux ratio.
    void stagesFallWithReflux_data() { examples(); }
    void stagesFallWithReflux()
    {
        QFETCH(QString, file);
        const ProblemData problem = loaded(file);
        const RefluxLimits limits = StudyRefluxLimits(problem);
        QVERIFY(limits.minimumStages && limits.minimumRefluxConstantFlow && limits.minimumRefluxExact);
        const double from = std::min(*limits.minimumRefluxConstantFlow, *limits.minimumRefluxExact) * 0.9;
        const std::vector<RefluxPoint> points =
            SweepReflux(problem, EvenlySpacedReflux(from, from * 20.0, 600));
        std::optional<int> lastConstantFlow, lastExact;
        for (const RefluxPoint &point : points) {
            for (const auto &[stages, last] :
                 {std::pair{point.constantFlowStages, &lastConstantFlow}, {point.exactStages, &lastExact}}) {
                if (!stages)
                    continue;
                QVERIFY2(*stages >= *limits.minimumStages, qPrintable(QString::number(point.R)));
                QVERIFY2(!*last || *stages <= **last, qPrintable(QString::number(point.R)));
                *last = stages;
            }
        }
        QVERIFY(lastConstantFlow && lastExact);
    }

    // Each count fails just below its minimum reflux ratio and reaches the
    // top just above it.
    void minimumRefluxIsBracketed_data() { examples(); }
    void minimumRefluxIsBracketed()
    {
        QFETCH(QString, file);
        RefluxCalculator calculator(loaded(file));
        for (const bool exact : {false, true}) {
            const std::optional<float> Rmin = MinimumRefluxFor(calculator, exact);
            QVERIFY(Rmin);
            QVERIFY(!calculator.countReachesTop(*Rmin * (1.0f - 1e-3f), exact));
            QVERIFY(calculator.countReachesTop(*Rmin * (1.0f + 1e-3f), exact));
        }
    }

    // At total reflux the stages step between the curve and the diagonal.
    void minimumStagesOnTheDiagonal()
    {
        ProblemData problem = loaded(QStringLiteral("benzene-toluene.json"));
        QCOMPARE(MinimumStageCount(problem), std::optional<int>(9));
        // A distillate richer than the azeotrope is never reached.
        ProblemData azeotrope = loaded(QStringLiteral("ethanol-water.json"));
        azeotrope.Feed.Value[FeedXD] = 0.999f;
        QCOMPARE(MinimumStageCount(azeotrope), std::nullopt);
        QCOMPARE(MinimumRefluxFor(*std::make_unique<RefluxCalculator>(azeotrope), false), std::nullopt);
    }

    // The study's range holds both minimum reflux ratios and the problem's
    // own reflux ratio; without a minimum there is nothing to draw.
    void curveRange_data() { examples(); }
    void curveRange()
    {
        QFETCH(QString, file);
        const RefluxCurve curve = StudyRefluxCurve(loaded(file));
        const RefluxLimits &limits = curve.limits;
        QCOMPARE(*curve.minimumReflux,
                 std::max(*limits.minimumRefluxConstantFlow, *limits.minimumRefluxExact));
        QVERIFY(curve.low < std::min(*limits.minimumRefluxConstantFlow, *limits.minimumRefluxExact));
        QCOMPARE(curve.whatIfHigh, std::max(5.0 * *curve.minimumReflux, double(curve.problemReflux)));
        QVERIFY(curve.whatIfLow <= std::min(1.05 * *curve.minimumReflux, double(curve.problemReflux)));
        QCOMPARE(curve.points.size(), std::size_t(RefluxCurvePoints) + 1);
        QVERIFY(std::any_of(curve.points.begin(), curve.points.end(),
                            [&](const RefluxPoint &point) { return point.R == curve.problemReflux; }));
        QCOMPARE(double(curve.points.front().R), double(float(curve.low)));
        QCOMPARE(double(curve.points.back().R), double(float(curve.high)));

        ProblemData azeotrope = loaded(QStringLiteral("ethanol-water.json"));
        azeotrope.Feed.Value[FeedXD] = 0.999f;
        const RefluxCurve none = StudyRefluxCurve(azeotrope);
        QVERIFY(!none.minimumReflux && none.points.empty());
    }

    void evenlySpaced()
    {
        const std::vector<float> ratios = EvenlySpacedReflux(1.0, 2.0, 5);
        QCOMPARE(ratios, (std::vector<float>{1.0f, 1.25f, 1.5f, 1.75f, 2.0f}));
        QCOMPARE(EvenlySpacedReflux(0.1, 0.7, 7).back(), 0.7f);
    }
};

QTEST_GUILESS_MAIN(RefluxStudyTest)
#include "tst_reflux_study.moc"

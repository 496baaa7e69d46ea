#include "benzene_toluene_problem.h"

#include "engine/calculation.h"
#include "engine/regula_falsi.h"
#include "engine/stage_count.h"

#include <QTest>
#include <cmath>
#include <limits>

// The expected numbers were worked out independently, in double precision,
// from the same data; the engine stores singles, hence the relative margin.
namespace {

bool close(double actual, double expected)
{
    return std::fabs(actual - expected) <= 2e-6 + 1e-5 * std::fabs(expected);
}

#define QCLOSE(actual, expected)                                                                             \
    QVERIFY2(close((actual), (expected)), qPrintable(QStringLiteral("%1 = %2, expected %3")                  \
                                                         .arg(QStringLiteral(#actual))                       \
                                                         .arg(double(actual), 0, 'g', 9)                     \
                                                         .arg(double(expected), 0, 'g', 9)))

bool allResultsFinite(const ProblemData &data)
{
    for (int i = 1; i <= ResultCount; ++i)
        if (!std::isfinite(data.Results.Value[i]))
            return false;
    return true;
}

// The lines between the heading and the exact count.
int constantFlowLineCount(const QList<ResultLine> &lines)
{
    int count = 0;
    for (const ResultLine &line : lines) {
        if (line.text == QStringLiteral("         ТОЧНЫЙ РАСЧЕТ"))
            break;
        if (line.text != QStringLiteral(" РЕЗУЛЬТАТЫ РАСЧЕТА"))
            ++count;
    }
    return count;
}

QStringList texts(const QList<ResultLine> &lines)
{
    QStringList result;
    for (const ResultLine &line : lines)
        result << line.text;
    return result;
}

} // namespace

class CalculationTest : public QObject {
    Q_OBJECT
private slots:
    void benzeneToluene_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<bool>("vapourHeatCapacities");
        QTest::addColumn<QList<double>>("expected"); // F D W wF xF xDm xWm TD TW FI Qc Qw
        QTest::addColumn<QList<int>>("stages");      // N Nf constant flows, N Nf exact
        const QList<double> products = {0.44021882, 0.97445134, 0.023507921, 80.736522, 109.51864};
        QTest::newRow("boiling liquid")
            << int(BoilingLiquidFeed) << false
            << (QList<double>{2, 0.8, 1.2, 0.4} + products + QList<double>{0.0, 1257.7946, 1274.5767})
            << QList<int>{13, 7, 13, 7};
        QTest::newRow("vapour below its dew point")
            << int(VapourFeed) << false
            << (QList<double>{2, 0.8, 1.2, 0.4} + products + QList<double>{1.0225198, 1257.7946, 504.30686})
            << QList<int>{20, 10, 32, 18};
        QTest::newRow("mixture") << int(MixtureFeed) << false
                                 << QList<double>{3.5,        1.5578947,  1.9421053,   0.44285714,
                                                  0.48390971, 0.97445134, 0.023507921, 80.736522,
                                                  109.51864,  0.34481777, 2449.3895,   2022.8492}
                                 << QList<int>{13, 7, 13, 7};
        QTest::newRow("cold liquid") << int(LiquidFeed) << false
                                     << (QList<double>{2, 0.8, 1.2, 0.4} + products +
                                         QList<double>{-0.30928303, 1257.7946, 1507.5613})
                                     << QList<int>{12, 7, 12, 7};
        QTest::newRow("boiling liquid, vapour heat capacities")
            << int(BoilingLiquidFeed) << true
            << (QList<double>{2, 0.8, 1.2, 0.4} + products + QList<double>{0.0, 1261.8692, 1278.6513})
            << QList<int>{13, 7, 13, 7};
    }
    void benzeneToluene()
    {
        QFETCH(int, condition);
        QFETCH(bool, vapourHeatCapacities);
        QFETCH(QList<double>, expected);
        QFETCH(QList<int>, stages);
        ProblemData data = BenzeneToluene::problem(condition);
        data.VaporHeatCapacity.Present = vapourHeatCapacities;

        QCOMPARE(CalculateColumn(data), CalculationOutcome::Complete);
        QCOMPARE(data.Outcome, CalculationOutcome::Complete);
        QCOMPARE(data.BadPointIndex, 0);
        QVERIFY(data.CalculationDone);
        const int elements[] = {ResF,   ResD,  ResW,  ResWF, ResXF, ResXDm,
                                ResXWm, ResTD, ResTW, ResFI, ResQc, ResQw};
        for (int i = 0; i < 12; ++i)
            QCLOSE(data.Results(elements[i]), expected.at(i));
        QCOMPARE(data.Stage.SavedStageCount, float(stages[0]));
        QCOMPARE(data.Stage.SavedFeedStage, float(stages[1]));
        QCOMPARE(data.Results(ResN), float(stages[2]));
        QCOMPARE(data.Results(ResNf), float(stages[3]));
    }

    void tableShortOfThePureComponents_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QList<double>>("expected"); // TD TW hD hW Qc Qw, then N Nf or Rmin
        QTest::newRow("boiling liquid")
            << int(BoilingLiquidFeed) << int(CalculationOutcome::Complete)
            << QList<double>{93.953217, 93.953217, 134.71128, 133.69941, 1228.3097, 1228.6894, 13, 7};
        QTest::newRow("vapour") << int(VapourFeed) << int(CalculationOutcome::ExactRefluxBelowMinimum)
                                << QList<double>{93.953217, 93.953217, 134.71128, 133.69941,
                                                 1228.3097, 458.41952, 3.0624632};
    }
    void tableShortOfThePureComponents()
    {
        // Without the points X = 0 and X = 1 both products lie outside the
        // table, where the lookup keeps the temperature of the last lookup
        // inside it: here the feed's boiling point.
        QFETCH(int, condition);
        QFETCH(int, outcome);
        QFETCH(QList<double>, expected);
        ProblemData data = BenzeneToluene::problem(condition);
        EquilibriumTable &eq = data.Equilibrium;
        for (int i = 1; i <= 10; ++i) {
            eq.X[i] = eq.X[i + 1];
            eq.Y[i] = eq.Y[i + 1];
            eq.T[i] = eq.T[i + 1];
        }
        eq.N = 10;
        QCOMPARE(int(CalculateColumn(data)), outcome);
        const int elements[] = {ResTD, ResTW, ResHD, ResHW, ResQc, ResQw};
        for (int i = 0; i < 6; ++i)
            QCLOSE(data.Results(elements[i]), expected.at(i));
        if (outcome == int(CalculationOutcome::Complete)) {
            QCOMPARE(data.Results(ResN), float(expected.at(6)));
            QCOMPARE(data.Results(ResNf), float(expected.at(7)));
        } else {
            QCLOSE(data.MinimumReflux, expected.at(6));
        }
    }

    void feedDerivations()
    {
        ProblemData boiling = BenzeneToluene::problem(BoilingLiquidFeed);
        CalculateColumn(boiling);
        QCLOSE(boiling.Feed.Value[FeedTl], 93.953217);
        QCOMPARE(boiling.Feed.Text[FeedTl], QStringLiteral("93.953217"));
        QCOMPARE(boiling.Results.Text[ResWF], QStringLiteral("0.4"));
        QCLOSE(boiling.Results(ResHFl), 133.91434);
        QCLOSE(boiling.Results(ResHD), 109.48123);
        QCLOSE(boiling.Results(ResHW), 164.18817);

        // A vapour colder than its dew point is calculated at the dew point.
        ProblemData vapour = BenzeneToluene::problem(VapourFeed);
        CalculateColumn(vapour);
        QCLOSE(vapour.Feed.Value[FeedTv], 100.54513);
        QCOMPARE(vapour.Feed.Text[FeedTv], QStringLiteral("100.545128"));
        QCLOSE(vapour.Results(ResHFv), 519.04927);
        QCOMPARE(vapour.Feed.Value[FeedFl], 0.0f);

        ProblemData mixture = BenzeneToluene::problem(MixtureFeed);
        CalculateColumn(mixture);
        QCOMPARE(mixture.Results.Text[ResWF], QStringLiteral(" 0.442857"));
        QCLOSE(mixture.Results(ResHF), 261.70606);
    }

    void exactCountBelowMinimumReflux()
    {
        ProblemData data = BenzeneToluene::problem(BoilingLiquidFeed, 1.5f);
        QCOMPARE(CalculateColumn(data), CalculationOutcome::ExactRefluxBelowMinimum);
        QCOMPARE(data.BadPointIndex, FailedCalculationMark);
        QCLOSE(data.MinimumReflux, 1.6371694);
        QCOMPARE(data.Results(ResN), data.MinimumReflux);
        QCOMPARE(data.Stage.SavedStageCount, 28.0f);
        QCOMPARE(data.Stage.SavedFeedStage, 15.0f);
        QCLOSE(data.Results(ResQc), 786.12163);
        QCLOSE(data.Results(ResQw), 802.90373);

        const QStringList lines = texts(ResultScreenLines(data));
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("      ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !"));
        QCOMPARE(lines.last(), QStringLiteral("МИНИМАЛЬНОЕ ФЛЕГМОВОЕ ЧИСЛО                 1.6372"));
        const QList<ResultLine> shown = ResultScreenLines(data);
        const ResultLine last = shown.last();
        const ResultLine lastResult = shown.at(shown.size() - 3);
        QCOMPARE(QPoint(last.x, last.y), QPoint(3000, lastResult.y + 195 + 2 * 200));
        QVERIFY(last.red && last.bold);
    }

    void constantFlowCountBelowMinimumReflux()
    {
        ProblemData data = BenzeneToluene::problem(BoilingLiquidFeed, 1.0f);
        data.Results(ResN) = 42.0f; // from an earlier calculation
        QCOMPARE(CalculateColumn(data), CalculationOutcome::RefluxBelowMinimum);
        QCOMPARE(data.BadPointIndex, FailedCalculationMark);
        QCOMPARE(data.Results(ResN), 42.0f);
        QCOMPARE(data.Stage.SavedStageCount, 42.0f);
        QVERIFY(!data.Stage.ReachedTop);

        const QList<ResultLine> lines = ResultScreenLines(data);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].text, QStringLiteral(" РЕЗУЛЬТАТЫ РАСЧЕТА"));
        QCOMPARE(lines[1].text, QStringLiteral("ФЛЕГМОВОЕ ЧИСЛО МЕНЬШЕ МИНИМАЛЬНОГО !"));
        QCOMPARE(QPoint(lines[1].x, lines[1].y), QPoint(3000, 3000));
        QVERIFY(lines[1].red && lines[1].bold);
    }

    void heatBalanceFailure()
    {
        // A strongly superheated vapour with little reflux needs no reboiler.
        ProblemData data = BenzeneToluene::problem(VapourFeed, 0.5f);
        data.Feed.Value[FeedTv] = 400.0f;
        QCOMPARE(CalculateColumn(data), CalculationOutcome::HeatBalanceFailure);
        QCOMPARE(data.BadPointIndex, FailedCalculationMark);
        QCLOSE(data.Results(ResQw), -1344.5578);
        QCLOSE(data.Results(ResHFv), 1050.4208);
        const QList<ResultLine> lines = ResultScreenLines(data);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].text, QStringLiteral("ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ"));
        QVERIFY(lines[0].red && lines[0].bold);
    }

    void invalidData_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("element");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("reasonWord");
        QTest::newRow("mixture without flows") << int(MixtureFeed) << int(FeedFl) << 0.0f << "питания";
        QTest::newRow("boiling liquid without flow")
            << int(BoilingLiquidFeed) << int(FeedFl) << 0.0f << "питания";
        QTest::newRow("no reflux") << int(BoilingLiquidFeed) << int(FeedR) << 0.0f << "Флегмовое";
        QTest::newRow("bottoms of the feed's composition")
            << int(BoilingLiquidFeed) << int(FeedXW) << 0.4f << "дистиллята";
        QTest::newRow("distillate of the feed's composition")
            << int(BoilingLiquidFeed) << int(FeedXD) << 0.4f << "кубового";
        QTest::newRow("equal products") << int(LiquidFeed) << int(FeedXD) << 0.02f << "совпадают";
    }
    void invalidData()
    {
        QFETCH(int, condition);
        QFETCH(int, element);
        QFETCH(float, value);
        QFETCH(QString, reasonWord);
        // A complete calculation first: a refusal must not show its results.
        ProblemData data = BenzeneToluene::problem(condition);
        QCOMPARE(CalculateColumn(data), CalculationOutcome::Complete);
        data.Feed.Value[element] = value;
        if (condition == MixtureFeed)
            data.Feed.Value[FeedFv] = 0.0f;
        if (element == FeedXD && value == 0.02f)
            data.Feed.Value[FeedXFl] = 0.02f;

        QCOMPARE(CalculateColumn(data), CalculationOutcome::InvalidData);
        QCOMPARE(data.Outcome, CalculationOutcome::InvalidData);
        QCOMPARE(data.BadPointIndex, FailedCalculationMark);
        QVERIFY2(data.InvalidReason.contains(reasonWord), qPrintable(data.InvalidReason));
        QVERIFY(allResultsFinite(data));
        for (int i = 1; i <= ResultCount; ++i)
            QCOMPARE(data.Results(i), i == ResT0 ? BenzeneToluene::problem(condition).Results(ResT0) : 0.0f);
        QCOMPARE(data.Stage.SavedStageCount, 0.0f);

        const QList<ResultLine> lines = ResultScreenLines(data);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].text, QStringLiteral("ОШИБКА В ИСХОДНОЙ ИНФОРМАЦИИ"));
        QCOMPARE(lines[1].text, data.InvalidReason);
        for (const ResultLine &line : lines) {
            QVERIFY(line.red && line.bold);
            QVERIFY(!line.text.contains(QStringLiteral("inf")) && !line.text.contains(QStringLiteral("nan")));
        }
    }

    // Where the pinch leaves no minimum reflux ratio, the reason says why.
    void pinchWithoutMinimumReflux_data()
    {
        QTest::addColumn<int>("cause");
        QTest::addColumn<QString>("reasonWord");
        QTest::newRow("vapour of the liquid's composition") << 0 << "совпадают";
        QTest::newRow("no condenser duty") << 1 << "дефлегматора";
        QTest::newRow("ratio beyond any number") << 2 << "найти не удалось";
    }
    void pinchWithoutMinimumReflux()
    {
        QFETCH(int, cause);
        QFETCH(QString, reasonWord);
        ProblemData data = BenzeneToluene::problem(BoilingLiquidFeed, 1.5f);
        QCOMPARE(CalculateColumn(data), CalculationOutcome::ExactRefluxBelowMinimum);
        data.Stage.StageX = data.Equilibrium.X[6];
        QVERIFY(MinimumRefluxRatio(data).has_value());
        if (cause == 0)
            data.Equilibrium.Y[6] = data.Equilibrium.X[6];
        else if (cause == 1)
            data.Results(ResQc) = 0.0f;
        else
            data.Results(ResQc) = 1e-38f; // a duty next to nothing
        QString whyNot;
        QVERIFY(!MinimumRefluxRatio(data, &whyNot).has_value());
        QVERIFY2(whyNot.contains(reasonWord), qPrintable(whyNot));
    }

    void resultLinesPerFeedCondition_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<int>("lineCount");
        QTest::newRow("mixture") << int(MixtureFeed) << 21;
        QTest::newRow("vapour") << int(VapourFeed) << 18;
        QTest::newRow("boiling liquid") << int(BoilingLiquidFeed) << 19;
        QTest::newRow("liquid") << int(LiquidFeed) << 18;
    }
    void resultLinesPerFeedCondition()
    {
        QFETCH(int, condition);
        QFETCH(int, lineCount);
        ProblemData data = BenzeneToluene::problem(condition);
        CalculateColumn(data);
        const QList<ResultLine> lines = ResultScreenLines(data);
        QCOMPARE(constantFlowLineCount(lines), lineCount);
        const bool hasEmptyLine = texts(lines).contains(QString());
        QCOMPARE(hasEmptyLine, condition != MixtureFeed);
        // One under the other from y = 1300, the exact count 200 twips lower.
        for (int i = 1; i <= lineCount; ++i) {
            QCOMPARE(lines[i].x, 1000);
            QCOMPARE(lines[i].y, 1300 + (i - 1) * 195);
        }
        QCOMPARE(lines[lineCount + 1].y, 1300 + lineCount * 195 + 200);
        QCOMPARE(lines.size(), lineCount + 4);
    }

    void boilingLiquidScreen()
    {
        ProblemData data = BenzeneToluene::problem(BoilingLiquidFeed);
        CalculateColumn(data);
        const QList<ResultLine> lines = ResultScreenLines(data);
        QCOMPARE(QPoint(lines[0].x, lines[0].y), QPoint(3000, 1000));
        QVERIFY(lines[0].bold && !lines[0].red);
        const QStringList expected = {
            QStringLiteral(" РЕЗУЛЬТАТЫ РАСЧЕТА"),
            QStringLiteral("РАСХОД ДИСТИЛЛЯТА                               0.8000      Кг/с"),
            QStringLiteral("РАСХОД КУБОВОГО ОСТАТКА                         1.2000      Кг/с"),
            QStringLiteral("МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ПИТАНИИ        0.440219    Мольн.д."),
            QStringLiteral("МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В ДИСТИЛЛЯТЕ     0.974451    Мольн.д."),
            QStringLiteral("МОЛЬН.ДОЛЯ БОЛЕЕ ЛЕТУЧЕГО КОМП.В КУБ.ОСТ.       0.023508    Мольн.д."),
            QStringLiteral("ТЕМПЕРАТУРА ИСХОДНОЙ СМЕСИ                      93.95       Град.Цельсия"),
            QStringLiteral("ТЕМПЕРАТУРА ДИСТИЛЛЯТА                          80.74       Град.Цельсия"),
            QStringLiteral("ТЕМПЕРАТУРА КУБОВОГО ОСТАТКА                   109.52       Град.Цельсия"),
            QStringLiteral("ТЕМПЕРАТУРА НАЧАЛА ОТСЧЕТА ЭНТАЛЬПИИ            20.00       Град.Цельсия"),
            QStringLiteral("ЭНТАЛЬПИЯ ИСХОДНОЙ СМЕСИ,ВВОДИМОЙ В ВИДЕ ЖИДК.  133.9       Кдж/Кг"),
            QStringLiteral("ЭНТАЛЬПИЯ ДИСТИЛЛЯТА                            109.5       Кдж/Кг"),
            QStringLiteral("ЭНТАЛЬПИЯ КУБОВОГО ОСТАТКА                      164.2       Кдж/Кг"),
            QStringLiteral("КОЭФ.FI,ХАРАКТЕРИЗИЮЩИЙ СОСТОЯНИЕ ПИТАНИЯ       0.0000"),
            QStringLiteral("ТЕПЛОВАЯ НАГРУЗКА ДЕФЛЕГМАТОРА                 1257.8       КВт "),
            QStringLiteral("ТЕПЛОВАЯ НАГРУЗКА КИПЯТИЛЬНИКА                 1274.6       КВт "),
            QString(),
            QStringLiteral("РАСЧЕТ ПРИ ДОПУШЕНИИ ПОСТОЯНСТВА МОЛЬНЫХ РАСХОДОВ ДАЕТ:"),
            QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                       13"),
            QStringLiteral("НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)           7"),
            QStringLiteral("         ТОЧНЫЙ РАСЧЕТ"),
            QStringLiteral("ТРЕБУЕМОЕ ЧИСЛО СТУПЕНЕЙ                       13"),
            QStringLiteral("НОМЕР СТУПЕНИ ПИТАНИЯ (СЧИТАЯ СНИЗУ)           7"),
        };
        QCOMPARE(texts(lines), expected);
    }

    void wideValuesAndNegativeFI()
    {
        ProblemData data = BenzeneToluene::problem(LiquidFeed);
        CalculateColumn(data);
        data.Results(ResQc) = 12345.6f;
        const QStringList lines = texts(ResultScreenLines(data));
        QVERIFY(lines.contains(
            QStringLiteral("ТЕПЛОВАЯ НАГРУЗКА ДЕФЛЕГМАТОРА                 12345.6       КВт ")));
        QVERIFY(lines.contains(QStringLiteral("КОЭФ.FI,ХАРАКТЕРИЗИЮЩИЙ СОСТОЯНИЕ ПИТАНИЯ      -0.3093")));
    }

    void stageCountEdges()
    {
        // Bottoms whose vapour is already richer than the distillate.
        ProblemData data = BenzeneToluene::problem(BoilingLiquidFeed);
        CalculateColumn(data);
        data.Results(ResXWm) = 0.97f;
        QVERIFY(CountStages(data, false));
        QCOMPARE(data.Results(ResN), 1.0f);
        QCOMPARE(data.Results(ResNf), 1.0f);
    }

    void regulaFalsiFindsRoots_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("root");
        QTest::newRow("square root of 2") << 0 << 1.0f << 2.0f << float(std::sqrt(2.0));
        QTest::newRow("no sign change gives a") << 0 << 2.0f << 3.0f << 2.0f;
        QTest::newRow("g(a) = 0 gives a") << 0 << float(std::sqrt(2.0)) << 3.0f << float(std::sqrt(2.0));
        QTest::newRow("g(b) = 0 gives a") << 1 << 0.0f << 1.0f << 0.0f;
        QTest::newRow("root at a negative abscissa ends") << 2 << -2.0f << 0.0f << -1.0f;
    }
    void regulaFalsiFindsRoots()
    {
        QFETCH(int, function);
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(float, root);
        int calls = 0;
        auto g = [&](float x) -> float {
            ++calls;
            switch (function) {
            case 0:
                return float(double(x) * x - 2.0);
            case 1:
                return float(x - 1.0);
            default:
                return float(x + 1.0);
            }
        };
        const float x = SolveRegulaFalsi(g, a, b);
        QVERIFY2(std::fabs(x - root) <= 1e-3f, qPrintable(QString::number(x)));
        QVERIFY(calls <= 5 * RegulaFalsiMaxSteps + 2);
    }

    void regulaFalsiNeverHangs_data()
    {
        QTest::addColumn<int>("function");
        QTest::newRow("NaN at b") << 0;
        QTest::newRow("NaN inside the bracket") << 1;
        QTest::newRow("jumps between infinities") << 2;
        QTest::newRow("flat with a step") << 3;
    }
    void regulaFalsiNeverHangs()
    {
        QFETCH(int, function);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float inf = std::numeric_limits<float>::infinity();
        int calls = 0;
        auto g = [&](float x) -> float {
            ++calls;
            switch (function) {
            case 0:
                return x < 1.5f ? -1.0f : nan;
            case 1:
                return x == 1.0f ? -1.0f : x == 2.0f ? 1.0f : nan;
            case 2:
                return x < 1.5f ? -inf : inf;
            default:
                return x < 1.7f ? -1.0f : 1.0f;
            }
        };
        const float x = SolveRegulaFalsi(g, 1.0f, 2.0f);
        QVERIFY(std::isfinite(x));
        QVERIFY(x >= 1.0f && x <= 2.0f);
        QVERIFY(calls <= 5 * RegulaFalsiMaxSteps + 2);
    }
};

QTEST_APPLESS_MAIN(CalculationTest)
#include "tst_calculation.moc"

#include "engine/properties.h"
#include "engine/stage_count.h"
#include "support/calculated_example.h"

#include <QTest>
#include <cmath>

// Each count's stage profile checked against the construction it stands
// for: its corners on the student's equilibrium curve, and the liquid above
// each stage on the operating line (constant molar flows) or on the line
// through the pole and the stage's vapour (exact count). The curve, the
// lines and the poles are worked out here from the table and the balance.
namespace {

// The vapour over a liquid of mole fraction x: the origin line below the
// table, the table's segments, the line to the top end above it.
double tableVapour(const EquilibriumTable &table, double x)
{
    const double top = table.Azeotropic ? table.AzeotropeX : 1.0;
    if (x <= table.X[1])
        return x * table.Y[1] / table.X[1];
    for (int i = 2; i <= table.N; ++i)
        if (x < table.X[i])
            return table.Y[i - 1] +
                   (table.Y[i] - table.Y[i - 1]) * (x - table.X[i - 1]) / (table.X[i] - table.X[i - 1]);
    return table.Y[table.N] + (top - table.Y[table.N]) * (x - table.X[table.N]) / (top - table.X[table.N]);
}

double molarMass(const ProblemData &data, double w)
{
    const double MA = data.Feed.Value[FeedMA], MB = data.Feed.Value[FeedMB];
    return 1.0 / (w / MA + (1.0 - w) / MB);
}

} // namespace

class StageProfilesTest : public QObject {
    Q_OBJECT
private slots:
    void profiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<float>("reflux"); // 0: the file's
        QTest::addColumn<int>("cmfStages");
        QTest::addColumn<int>("exactStages"); // 0: the exact count did not run
        QTest::newRow("benzene-toluene") << "benzene-toluene.json" << 0.0f << 13 << 13;
        QTest::newRow("mixture feed") << "benzene-toluene-mixture-feed.json" << 0.0f << 13 << 14;
        QTest::newRow("azeotrope, cold feed") << "ethanol-water.json" << 0.0f << 7 << 7;
        QTest::newRow("vapour feed") << "methanol-water-vapour-feed.json" << 0.0f << 11 << 19;
        QTest::newRow("exact count pinches") << "benzene-toluene.json" << 1.5f << 28 << MaxStages;
        QTest::newRow("both pinch") << "benzene-toluene.json" << 1.0f << MaxStages << 0;
        QTest::newRow("large reflux") << "ethanol-water.json" << 40.0f << 6 << 6;
    }

    void profiles()
    {
        QFETCH(QString, file);
        QFETCH(float, reflux);
        QFETCH(int, cmfStages);
        QFETCH(int, exactStages);
        const ProblemData data = CalculatedExample(file, reflux);
        const StageProfile &cmf = data.Profiles.ConstantFlow;
        const StageProfile &exact = data.Profiles.Exact;
        QVERIFY(cmf.Ran);
        QCOMPARE(cmf.Count, cmfStages);
        QCOMPARE(exact.Ran, exactStages > 0);
        QCOMPARE(exact.Count, exact.Ran ? exactStages : exact.Count);
        if (cmf.ReachedTop) {
            QCOMPARE(float(cmf.Count), data.Stage.SavedStageCount);
            QCOMPARE(float(cmf.FeedStage), data.Stage.SavedFeedStage);
        }
        if (exact.ReachedTop) {
            QCOMPARE(float(exact.Count), data.Results(ResN));
            QCOMPARE(float(exact.FeedStage), data.Results(ResNf));
        }

        const float xDm = data.Results(ResXDm);
        for (const StageProfile *profile : {&cmf, &exact}) {
            if (!profile->Ran)
                continue;
            QCOMPARE(profile->ReachedTop, profile->Count < MaxStages);
            QCOMPARE(profile->Stages[1].X, data.Results(ResXWm));
            for (int n = 1; n <= profile->Count; ++n) {
                const ProfileStage &stage = profile->Stages[n];
                // Only the top stage's vapour is richer than the distillate.
                QCOMPARE(stage.Y > xDm, profile->ReachedTop && n == profile->Count);
                QVERIFY(std::fabs(stage.Y - tableVapour(data.Equilibrium, stage.X)) < 2e-6);
            }
        }
    }

    // The liquid above each stage lies on the operating line of its section:
    // liquid R·D + (1 − FI)·F over vapour (R + 1)·D − FI·F below the feed,
    // in molar flows, R over R + 1 above it.
    void constantFlowOperatingLines_data() { profiles_data(); }
    void constantFlowOperatingLines()
    {
        QFETCH(QString, file);
        QFETCH(float, reflux);
        const ProblemData data = CalculatedExample(file, reflux);
        const StageProfile &cmf = data.Profiles.ConstantFlow;
        const double R = data.Feed.Value[FeedR], FI = data.Results(ResFI);
        const double D = data.Results(ResD) / molarMass(data, data.Feed.Value[FeedXD]);
        const double F = data.Results(ResF) / molarMass(data, data.Results(ResWF));
        const double W = F - D;
        const double xD = data.Results(ResXDm), xW = data.Results(ResXWm);
        for (int n = 1; n < cmf.Count; ++n) {
            const double x = cmf.Stages[n + 1].X, y = cmf.Stages[n].Y;
            const bool rectifying = cmf.FeedStage > 0 && n >= cmf.FeedStage;
            const double L = rectifying ? R * D : R * D + (1.0 - FI) * F;
            const double V = rectifying ? (R + 1.0) * D : (R + 1.0) * D - FI * F;
            const double line = rectifying ? (L * x + D * xD) / V : (L * x - W * xW) / V;
            QVERIFY2(std::fabs(y - line) < 1e-5, qPrintable(QStringLiteral("stage %1").arg(n)));
        }
    }

    // The liquid above each stage lies on the straight line through the pole
    // of its section, (xD, hD + Qc/D) or (xW, hW − Qw/W), and the stage's
    // vapour; the count's vapour enthalpies are those of the saturated
    // vapour.
    void exactPoleLines_data() { profiles_data(); }
    void exactPoleLines()
    {
        QFETCH(QString, file);
        QFETCH(float, reflux);
        const ProblemData data = CalculatedExample(file, reflux);
        const StageProfile &exact = data.Profiles.Exact;
        if (!exact.ReachedTop)
            QSKIP("a pinch stops the stages on the pole line's far side");
        const double top = data.Results(ResHD) + double(data.Results(ResQc)) / data.Results(ResD);
        const double bottom = data.Results(ResHW) - double(data.Results(ResQw)) / data.Results(ResW);
        for (int n = 1; n <= exact.Count; ++n) {
            const ProfileStage &stage = exact.Stages[n];
            const float ym = MoleToMassFraction(data, stage.Y);
            QCOMPARE(stage.VapourEnthalpy, VapourEnthalpy(data, ym, stage.T));
            if (n == exact.Count) {
                QCOMPARE(stage.Pole, StagePole::None);
                break;
            }
            const bool rectifying = n >= exact.FeedStage;
            QCOMPARE(stage.Pole, rectifying ? StagePole::Top : StagePole::Bottom);
            const double poleX = rectifying ? data.Feed.Value[FeedXD] : data.Feed.Value[FeedXW];
            const double poleH = rectifying ? top : bottom;
            const ProfileStage &above = exact.Stages[n + 1];
            const float x = MoleToMassFraction(data, above.X);
            const double h = LiquidEnthalpy(data, x, above.T);
            const double onLine = poleH + (stage.VapourEnthalpy - poleH) * (x - poleX) / (ym - poleX);
            QVERIFY2(
                std::fabs(h - onLine) < 0.01 + 1e-6 * std::fabs(poleH),
                qPrintable(QStringLiteral("stage %1: %2 kJ/kg off the pole line").arg(n).arg(h - onLine)));
        }
    }
};

QTEST_APPLESS_MAIN(StageProfilesTest)
#include "tst_stage_profiles.moc"

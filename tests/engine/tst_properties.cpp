#include "benzene_toluene_problem.h"

#include "engine/properties.h"
#include "model/text.h"

#include <QTest>
#include <cmath>

class PropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void fractions()
    {
        const ProblemData data = BenzeneToluene::problem();
        QVERIFY(std::fabs(MassToMoleFraction(data, 0.4f) - 0.44021882f) < 1e-7f);
        QVERIFY(std::fabs(MoleToMassFraction(data, MassToMoleFraction(data, 0.4f)) - 0.4f) < 1e-7f);
        QCOMPARE(MixtureMolarMass(data, 1.0f), 78.11f);
        QCOMPARE(MixtureMolarMass(data, 0.0f), 92.14f);
    }

    void interpolation_data()
    {
        QTest::addColumn<QList<float>>("xs");
        QTest::addColumn<QList<float>>("ys");
        QTest::addColumn<float>("p");
        QTest::addColumn<float>("expected");
        const QList<float> x3 = {1, 2, 4}, y3 = {10, 20, 60};
        QTest::newRow("one point, left") << QList<float>{5} << QList<float>{7} << -100.0f << 7.0f;
        QTest::newRow("one point, right") << QList<float>{5} << QList<float>{7} << 100.0f << 7.0f;
        QTest::newRow("two points, below") << QList<float>{1, 2} << QList<float>{10, 20} << 0.0f << 0.0f;
        QTest::newRow("two points, above") << QList<float>{1, 2} << QList<float>{10, 20} << 4.0f << 40.0f;
        QTest::newRow("first abscissa") << x3 << y3 << 1.0f << 10.0f;
        QTest::newRow("inner abscissa") << x3 << y3 << 2.0f << 20.0f;
        QTest::newRow("last abscissa") << x3 << y3 << 4.0f << 60.0f;
        QTest::newRow("inside") << x3 << y3 << 3.0f << 40.0f;
        QTest::newRow("beyond the last") << x3 << y3 << 5.0f << 80.0f;
        QTest::newRow("before the first") << x3 << y3 << 0.0f << 0.0f;
    }
    void interpolation()
    {
        QFETCH(QList<float>, xs);
        QFETCH(QList<float>, ys);
        QFETCH(float, p);
        QFETCH(float, expected);
        xs.prepend(0.0f); // 1-based
        ys.prepend(0.0f);
        QCOMPARE(InterpolateLinear(p, xs.constData(), ys.constData(), int(xs.size()) - 1), expected);
    }

    void equilibriumInsideTheTable()
    {
        ProblemData data = BenzeneToluene::problem();
        EquilibriumPoint(data, false, 0.45f);
        QVERIFY(std::fabs(data.Stage.StageY - 0.6655f) < 1e-6f);
        QVERIFY(std::fabs(data.Stage.EqTemperature - 93.65f) < 1e-4f);
        EquilibriumPoint(data, true, 0.6655f);
        QVERIFY(std::fabs(data.Stage.StageX - 0.45f) < 1e-6f);
    }

    void equilibriumAtAndBeyondTheEnds_data()
    {
        QTest::addColumn<bool>("fromVapour");
        QTest::addColumn<bool>("azeotropic");
        QTest::addColumn<float>("v");
        QTest::addColumn<float>("expected");
        // The table runs from X = 0.1 to 0.8 here.
        QTest::newRow("liquid at X(1)") << false << false << 0.1f << 0.214f;
        QTest::newRow("liquid below X(1)") << false << false << 0.05f << 0.107f;
        QTest::newRow("liquid at X(N)") << false << false << 0.8f << 0.91f;
        QTest::newRow("liquid past X(N), to (1, 1)") << false << false << 0.9f << 0.955f;
        QTest::newRow("liquid past X(N), to the azeotrope") << false << true << 0.9f << 0.93666667f;
        QTest::newRow("vapour at Y(1)") << true << false << 0.214f << 0.1f;
        QTest::newRow("vapour at Y(N)") << true << false << 0.91f << 0.8f;
        QTest::newRow("vapour past Y(N), to (1, 1)") << true << false << 0.955f << 0.9f;
    }
    void equilibriumAtAndBeyondTheEnds()
    {
        QFETCH(bool, fromVapour);
        QFETCH(bool, azeotropic);
        QFETCH(float, v);
        QFETCH(float, expected);
        ProblemData data = BenzeneToluene::problem();
        EquilibriumTable &eq = data.Equilibrium;
        // Points 3..10 of the published table: X 0.1 .. 0.8.
        for (int i = 1; i <= 8; ++i) {
            eq.X[i] = eq.X[i + 2];
            eq.Y[i] = eq.Y[i + 2];
            eq.T[i] = eq.T[i + 2];
        }
        eq.N = 8;
        eq.Azeotropic = azeotropic;
        eq.AzeotropeX = azeotropic ? 0.95f : NoAzeotropeX;
        data.Stage.EqTemperature = -5.0f;
        EquilibriumPoint(data, fromVapour, v);
        const float result = fromVapour ? data.Stage.StageX : data.Stage.StageY;
        QVERIFY2(std::fabs(result - expected) < 1e-6f, qPrintable(QString::number(result, 'g', 9)));
        QCOMPARE(data.Stage.EqTemperature, -5.0f); // outside the table it is kept
    }

    void equilibriumAtThePureComponents()
    {
        // The published table starts at the origin and ends at (1, 1).
        ProblemData data = BenzeneToluene::problem();
        EquilibriumPoint(data, false, 0.0f);
        QCOMPARE(data.Stage.StageY, 0.0f);
        EquilibriumPoint(data, false, 1.0f);
        QCOMPARE(data.Stage.StageY, 1.0f);
        EquilibriumPoint(data, false, 1.01f);
        QVERIFY(std::isfinite(data.Stage.StageY) && data.Stage.StageY > 1.0f);
    }

    void liquidEnthalpyAtTheReferenceTemperature()
    {
        ProblemData data = BenzeneToluene::problem();
        const float x = MassToMoleFraction(data, 0.4f);
        const double mixing = 25.0 + (33.0 - 25.0) * (x - 0.25) / 0.25;
        QVERIFY(std::fabs(LiquidEnthalpy(data, 0.4f, 20.0f) - mixing / MixtureMolarMass(data, 0.4f)) < 1e-5);
        data.MixingHeat.Present = false;
        QCOMPARE(LiquidEnthalpy(data, 0.4f, 20.0f), 0.0f);
    }

    void vapourEnthalpyAtTheReferenceTemperature_data()
    {
        QTest::addColumn<bool>("vapourHeatCapacities");
        QTest::newRow("through the liquid") << false;
        QTest::newRow("through the vapour") << true;
    }
    void vapourEnthalpyAtTheReferenceTemperature()
    {
        QFETCH(bool, vapourHeatCapacities);
        ProblemData data = BenzeneToluene::problem();
        data.VaporHeatCapacity.Present = vapourHeatCapacities;
        // r1(20) = 435, r2(20) = 414.
        QVERIFY(std::fabs(VapourEnthalpy(data, 0.4f, 20.0f) - (0.4 * 435 + 0.6 * 414)) < 1e-4);
    }
};

QTEST_APPLESS_MAIN(PropertiesTest)
#include "tst_properties.moc"

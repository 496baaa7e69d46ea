#include "model/problem_data.h"
#include "model/text.h"

#include <QTest>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

namespace {

// Runs a check once in the current locale and once with the C library's
// numbers in a Russian locale, whose decimal sign is a comma.
template <typename Check> void underBothLocales(Check check)
{
    check();
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8")) {
        qWarning("ru_RU.UTF-8 is not installed; the locale half of the check is skipped");
        return;
    }
    check();
    std::setlocale(LC_NUMERIC, previous.c_str());
}

} // namespace

class TextTest : public QObject {
    Q_OBJECT
private slots:
    void normalizeDecimal_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalized");
        QTest::addColumn<double>("number");
        QTest::newRow("empty") << ""
                               << "0" << 0.0;
        QTest::newRow("decimal comma") << "0,5"
                                       << "0.5" << 0.5;
        QTest::newRow("three commas") << "1,2,3"
                                      << "1.2,3" << 1.2;
        QTest::newRow("point unchanged") << "0.85"
                                         << "0.85" << 0.85;
        QTest::newRow("letters") << "abc"
                                 << "abc" << 0.0;
        QTest::newRow("leading blanks") << "   12.5"
                                        << "   12.5" << 12.5;
        QTest::newRow("blanks inside") << "1 2 3"
                                       << "1 2 3" << 123.0;
        QTest::newRow("digits then letters") << "78.11кг"
                                             << "78.11кг" << 78.11;
        QTest::newRow("exponent") << "1.5e3"
                                  << "1.5e3" << 1500.0;
        QTest::newRow("BASIC D exponent") << "2D-2"
                                          << "2D-2" << 0.02;
        QTest::newRow("exponent without digits") << "7e"
                                                 << "7e" << 7.0;
        QTest::newRow("second point ends") << "1.2.3"
                                           << "1.2.3" << 1.2;
        QTest::newRow("leading point") << "-.5"
                                       << "-.5" << -0.5;
        QTest::newRow("sign only") << "-"
                                   << "-" << 0.0;
        QTest::newRow("minus zero") << "-0"
                                    << "-0" << 0.0;
        QTest::newRow("cyrillic") << "Бензол"
                                  << "Бензол" << 0.0;
        QTest::newRow("spaces only") << "   "
                                     << "   " << 0.0;
    }
    void normalizeDecimal()
    {
        QFETCH(QString, typed);
        QFETCH(QString, normalized);
        QFETCH(double, number);
        underBothLocales([&] {
            QCOMPARE(NormalizeDecimal(typed), normalized);
            QCOMPARE(ParseLeadingNumber(NormalizeDecimal(typed)), number);
        });
    }

    void hugeValuesStayFinite()
    {
        QCOMPARE(StoredNumber(QStringLiteral("1e39")), FLT_MAX);
        QCOMPARE(StoredNumber(QStringLiteral("-1e400")), -FLT_MAX);
        QVERIFY(std::isfinite(ParseLeadingNumber(QStringLiteral("9e99999999"))));
    }

    void roundedCount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("count");
        QTest::newRow("7.5 to 8") << "7.5" << 8.0;
        QTest::newRow("8.5 to 8") << "8.5" << 8.0;
        QTest::newRow("20.5 to 20") << "20.5" << 20.0;
        QTest::newRow("0.5 to 0") << "0.5" << 0.0;
        QTest::newRow("1.5 to 2") << "1.5" << 2.0;
        QTest::newRow("21") << "21" << 21.0;
    }
    void roundedCount()
    {
        QFETCH(QString, typed);
        QFETCH(double, count);
        QCOMPARE(RoundedCount(typed), count);
    }

    void padSpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("spaces");
        QTest::newRow("7 of 10") << "0.12345" << 10 << 3;
        QTest::newRow("12 of 10") << "0.1234567890" << 10 << 0;
        QTest::newRow("cyrillic counts characters") << "Кг/с" << 10 << 6;
        QTest::newRow("marker") << "???" << 9 << 6;
    }
    void padSpaces()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, spaces);
        QCOMPARE(PadSpaces(text, width), QString(spaces, u' '));
    }

    void properCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("cyrillic") << "иванов хт-31"
                                  << "Иванов Хт-31";
        QTest::newRow("upper") << "БЕНЗОЛ"
                               << "Бензол";
        QTest::newRow("latin") << "toluene"
                               << "Toluene";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("two blanks") << "этиловый  спирт"
                                    << "Этиловый  Спирт";
    }
    void properCase()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(ProperCase(typed), stored);
    }

    void formatFixed_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("padded") << 2.5f << 9 << 4 << "   2.5000";
        QTest::newRow("wider than field") << 12345.678f << 6 << 1 << "12345.7";
        QTest::newRow("negative") << -0.12345f << 7 << 4 << "-0.1235";
        QTest::newRow("leading zero") << 0.25f << 6 << 2 << "  0.25";
        QTest::newRow("half away from zero") << 0.125f << 5 << 2 << " 0.13";
        QTest::newRow("negative half") << -0.125f << 5 << 2 << "-0.13";
        QTest::newRow("negative FI") << -0.1234f << 7 << 4 << "-0.1234";
        QTest::newRow("leading zero, two decimals") << 0.5f << 6 << 2 << "  0.50";
        QTest::newRow("carry") << 9.99999f << 6 << 2 << " 10.00";
        QTest::newRow("tiny negative") << -0.00001f << 7 << 4 << " 0.0000";
        QTest::newRow("six decimals") << 80.123456f << 9 << 6 << "80.123459";
    }
    void formatFixed()
    {
        QFETCH(float, value);
        QFETCH(int, width);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        underBothLocales([&] { QCOMPARE(FormatFixed(value, width, decimals), text); });
    }

    void generalNumberText()
    {
        QCOMPARE(GeneralNumberText(0.7f), QStringLiteral("0.7"));
        QCOMPARE(GeneralNumberText(2.0f / 3.0f), QStringLiteral("0.6666667"));
        QCOMPARE(WholeNumberText(12.0f), QStringLiteral("12"));
    }

    void resetTouchesOnlyWhatItShould()
    {
        ProblemData data;
        data.Equilibrium.N = 12;
        data.Equilibrium.X[3] = 0.4f;
        data.Equilibrium.XText[3] = QStringLiteral("0.4");
        data.Equilibrium.Azeotropic = true;
        data.Equilibrium.CheckFailed = true;
        data.MixingHeat.Present = true;
        data.Results.Value[ResN] = 9;
        data.Results.Text[10] = QStringLiteral("20");
        data.BadPointIndex = 5;
        data.SolutionHeatCapacity.TText[5] = QStringLiteral("80");
        data.SolutionHeatCapacity.N[5] = 4;
        data.VaporizationHeat.N[2] = 3;
        data.Names[1] = QStringLiteral("Иванов");
        ResetProblemState(data);
        QCOMPARE(data.Equilibrium.AzeotropeX, 55.0f);
        QCOMPARE(data.Equilibrium.N, 0);
        QCOMPARE(data.Results.Value[ResN], 0.0f);
        QVERIFY(data.Results.Text[10].isEmpty());
        QVERIFY(data.Equilibrium.XText[3].isEmpty());
        QVERIFY(data.SolutionHeatCapacity.TText[5].isEmpty());
        QCOMPARE(data.SolutionHeatCapacity.N[5], 0);
        QCOMPARE(data.VaporizationHeat.N[2], 0);
        QVERIFY(!data.MixingHeat.Present);
        QVERIFY(data.Names[1].isEmpty());
        // Numeric twins and verdicts are left for the screens to set.
        QCOMPARE(data.Equilibrium.X[3], 0.4f);
        QVERIFY(data.Equilibrium.Azeotropic);
        QVERIFY(data.Equilibrium.CheckFailed);
        QCOMPARE(data.BadPointIndex, 5);
    }
};

QTEST_APPLESS_MAIN(TextTest)
#include "tst_text.moc"

#include "../engine/benzene_toluene_problem.h"
#include "model/problem_data.h"
#include "results/change_data_menu.h"
#include "results/results_screens.h"
#include "support/scripted_platform.h"
#include "ui/form_base.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class ChangeDataMenuTest : public QObject {
    Q_OBJECT
private:
    static QPushButton *button(int i)
    {
        return FindForm(QStringLiteral("Form24"))
            ->findChild<QPushButton *>(QStringLiteral("Command%1").arg(i));
    }
    static QLabel *label(const char *name)
    {
        return FindForm(QStringLiteral("Form24"))->findChild<QLabel *>(QString::fromLatin1(name));
    }

private slots:
    void coloursFollowTheOptionalDataSets_data()
    {
        QTest::addColumn<bool>("mixing");
        QTest::addColumn<bool>("vapour");
        QTest::newRow("neither") << false << false;
        QTest::newRow("mixing only") << true << false;
        QTest::newRow("vapour only") << false << true;
        QTest::newRow("both") << true << true;
    }
    void coloursFollowTheOptionalDataSets()
    {
        QFETCH(bool, mixing);
        QFETCH(bool, vapour);
        ScriptedSession session;
        // The menu comes after a calculation: every set has passed its check.
        problem() = BenzeneToluene::problem();
        problem().MixingHeat.Present = mixing;
        problem().VaporHeatCapacity.Present = vapour;
        ShowChangeDataMenu();
        const QColor entered(128, 255, 128), white(255, 255, 255);
        for (int i : {1, 2, 6, 7, 8, 9})
            QCOMPARE(FormBase::backColor(button(i)), entered);
        QCOMPARE(FormBase::backColor(button(3)), mixing ? entered : white);
        QCOMPARE(FormBase::backColor(button(4)), vapour ? entered : white);
        QCOMPARE(FormBase::backColor(button(5)), vapour ? entered : white);
        QCOMPARE(FormBase::backColor(button(10)), QColor(255, 128, 128));
        QCOMPARE(label("Label2")->isVisibleTo(FindForm(QStringLiteral("Form24"))), !(mixing && vapour));
        QCOMPARE(label("Label2")->text(), QStringLiteral("Данные введены"));
        QCOMPARE(label("Label3")->text(), QStringLiteral("Данные не введены"));
        QCOMPARE(FindForm(QStringLiteral("Form24"))->windowTitle(),
                 QStringLiteral("Изменение исходной информации"));
        QCOMPARE(button(2)->text(), QStringLiteral("В КАКОМ ВИДЕ ПОСТУПАЕТ ИСХОДНАЯ СМЕСЬ В КОЛОННУ?"));
    }

    void menuSortsTheSolutionTemperatures()
    {
        ScriptedSession session;
        SolutionHeatCapacitySet &set = problem().SolutionHeatCapacity;
        set.NT = 2;
        set.T[1] = 100;
        set.TText[1] = QStringLiteral("100");
        set.N[1] = 2;
        set.T[2] = 20;
        set.TText[2] = QStringLiteral("20");
        set.N[2] = 3;
        ShowChangeDataMenu();
        QCOMPARE(set.TText[1], QStringLiteral("20"));
        QCOMPARE(set.N[1], 3);
    }

    void endOfWorkEndsTheProgram()
    {
        ScriptedSession session;
        ShowChangeDataMenu();
        QTest::mouseClick(button(10), Qt::LeftButton);
        QVERIFY(session->hasEnded());
        QVERIFY(LoadedForms().isEmpty());
    }
};

QTEST_MAIN(ChangeDataMenuTest)
#include "tst_change_data_menu.moc"

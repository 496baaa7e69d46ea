#include "app/report_file.h"
#include "model/problem_data.h"
#include "report/report.h"
#include "results/report_printing.h"
#include "support/scripted_platform.h"
#include "ui/page_printer.h"
#include "ui/system_clock.h"

#include <QFile>
#include <QPrinter>
#include <QFontInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A small calculated problem: the printing path does not care about the
// figures, only that every line reaches the printer.
ProblemData calculatedProblem()
{
    ProblemData data;
    data.Names[1] = QStringLiteral("Петрова Хт-32");
    data.Names[2] = QStringLiteral("Метанол");
    data.Names[3] = QStringLiteral("Вода");
    data.Equilibrium.N = 8;
    for (int i = 1; i <= 8; ++i) {
        data.Equilibrium.XText[i] = QString::number((i - 1) / 7.0, 'f', 3);
        data.Equilibrium.YText[i] = QString::number(std::sqrt((i - 1) / 7.0), 'f', 3);
        data.Equilibrium.TText[i] = QString::number(100 - 5 * (i - 1));
    }
    data.Feed.Condition = BoilingLiquidFeed;
    data.Feed.Text[FeedMA] = QStringLiteral("32.04");
    data.VaporizationHeat.N[1] = data.VaporizationHeat.N[2] = 1;
    data.SolutionHeatCapacity.NT = 1;
    data.SolutionHeatCapacity.N[1] = 2;
    data.Results(ResQc) = 1234.5f;
    data.Stage.SavedStageCount = 9;
    data.Stage.SavedFeedStage = 4;
    data.Results(ResN) = 10;
    data.Results(ResNf) = 4;
    data.Outcome = CalculationOutcome::Complete;
    data.CalculationDone = true;
    return data;
}

int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF"))
        return -1;
    // Page objects, not the page tree (/Type /Pages).
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class ReportPrintingTest : public QObject {
    Q_OBJECT
private slots:
    void printedLineByLine()
    {
        ScriptedSession session;
        ProblemData data = calculatedProblem();
        QVERIFY(PrintReport(data));
        QCOMPARE(session->documentsPrinted, 1);
        QCOMPARE(session->printedPages, BuildReport(data, session->date, session->time));
        QVERIFY(session->messages.isEmpty());
        // Printing leaves the once-per-calculation flag to the menu.
        QVERIFY(data.CalculationDone);
    }

    void failedPrintReportedAndNotCounted_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("message");
        QTest::newRow("dialog cancelled") << true << "Печать отменена: отчёт не напечатан.";
        QTest::newRow("printer failed") << false << "Принтер не смог напечатать отчёт.";
    }
    void failedPrintReportedAndNotCounted()
    {
        QFETCH(bool, cancelled);
        QFETCH(QString, message);
        ScriptedSession session;
        session->printerCancels = cancelled;
        session->printerFails = !cancelled;
        ProblemData data = calculatedProblem();
        QVERIFY(!PrintReport(data));
        QCOMPARE(session->documentsPrinted, 0);
        QVERIFY(session->printedPages.isEmpty());
        QCOMPARE(session->messages.size(), 1);
        QCOMPARE(session->messages.first().title, QStringLiteral("Печать результатов"));
        QVERIFY2(session->messages.first().text.startsWith(message),
                 qPrintable(session->messages.first().text));
        QVERIFY(data.CalculationDone);

        // The student can print again, and this time it comes out.
        session->printerCancels = session->printerFails = false;
        QVERIFY(PrintReport(data));
        QCOMPARE(session->documentsPrinted, 1);
        QCOMPARE(session->messages.size(), 1);
    }

    void textFileHasFormFeedsBetweenPages()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.txt"));
        const QList<QStringList> pages = {{QStringLiteral("первая"), QString()}, {QStringLiteral("вторая")}};
        QString error;
        QVERIFY2(WriteReportFile(pages, path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("первая\n\n\fвторая\n"));
    }

    void pdfHasOnePaperPagePerReportPage_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("short pages") << 10;
        QTest::newRow("pages longer than 75 lines") << 95;
    }
    void pdfHasOnePaperPagePerReportPage()
    {
        QFETCH(int, lines);
        QList<QStringList> pages;
        for (int p = 0; p < 3; ++p) {
            QStringList page;
            for (int i = 0; i < lines; ++i)
                page << Spaces(15) + QString(93, u'Ж');
            pages << page;
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QString error;
        QVERIFY2(WriteReportFile(pages, path, &error), qPrintable(error));
        QCOMPARE(pdfPageCount(path), 3);
    }

    // Every page is set on its own, never below 8 points on A4: a long page
    // takes a smaller size (or a second sheet) without shrinking the others,
    // and a wide one is turned across the sheet.
    void eachPageSetOnItsOwn_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("sheets");
        QTest::addColumn<bool>("across");
        QTest::newRow("a long page among short ones")
            << QList<int>{10, 99, 40} << 80 << QList<int>{1, 1, 1} << false;
        QTest::newRow("a page longer than a sheet") << QList<int>{130} << 108 << QList<int>{2} << false;
        QTest::newRow("a page wider than an upright sheet") << QList<int>{30} << 140 << QList<int>{1} << true;
    }
    void eachPageSetOnItsOwn()
    {
        QFETCH(QList<int>, lines);
        QFETCH(int, width);
        QFETCH(QList<int>, sheets);
        QFETCH(bool, across);
        QList<QStringList> pages;
        for (const int count : lines)
            pages << QStringList(count, QString(width, u'Ж'));
        QPrinter printer(QPrinter::HighResolution);
        const QList<SheetLayout> layouts = LayOutReportPages(pages, ReportPaper(), &printer);
        int sheetCount = 0;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const SheetLayout &layout = layouts[p];
            QVERIFY2(layout.pointSize >= 8.0, qPrintable(QString::number(layout.pointSize)));
            // A short page keeps the preferred size whatever its neighbours hold.
            if (lines[p] <= 40 && !across)
                QCOMPARE(layout.pointSize, 10.0);
            QCOMPARE(int((lines[p] + layout.linesPerSheet - 1) / layout.linesPerSheet), sheets[p]);
            QCOMPARE(layout.orientation == QPageLayout::Landscape, across);
            sheetCount += sheets[p];
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QString error;
        QVERIFY2(WriteReportFile(pages, path, &error), qPrintable(error));
        QCOMPARE(pdfPageCount(path), sheetCount);
    }

    void wholeReportAsPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Отчёт.PDF"));
        QString error;
        const QList<QStringList> pages =
            BuildReport(calculatedProblem(), SystemShortDate(), SystemShortTime());
        QVERIFY2(WriteReportFile(pages, path, &error), qPrintable(error));
        QCOMPARE(pdfPageCount(path), int(pages.size()));
    }

    void unwritableFileReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("text") << "report.txt";
        QTest::newRow("pdf") << "report.pdf";
    }
    void unwritableFileReported()
    {
        QFETCH(QString, name);
        const QString path = QStringLiteral("/nonexistent-folder/") + name;
        QString error;
        QVERIFY(!WriteReportFile(
            BuildReport(calculatedProblem(), QStringLiteral("08.12.2026"), QStringLiteral("14:05:31")), path,
            &error));
        QVERIFY(!error.isEmpty());
    }

    void reportFontIsFixedPitchWithCyrillic()
    {
        const QFont font(ReportFontFamily());
        QVERIFY(QFontInfo(font).fixedPitch());
        const QFontMetricsF metrics(font);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("Ж")),
                 metrics.horizontalAdvance(QStringLiteral("i")));
        QVERIFY(metrics.inFont(u'Ж'));
    }

    void fourDigitYearForTheDateText()
    {
        const QString date = SystemShortDate();
        QVERIFY2(date.right(4).toInt() >= 2000, qPrintable(date));
        // Whatever the locale, the date text finds a month name in it.
        QVERIFY2(DateText(date, QStringLiteral("12:00")).contains(QStringLiteral("г.")), qPrintable(date));
    }
};

QTEST_MAIN(ReportPrintingTest)
#include "tst_report_printing.moc"

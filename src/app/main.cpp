#include "batch.h"
#include "command_line.h"
#include "problem_files.h"
#include "problem_keeper.h"
#include "program_identity.h"
#include "shell.h"
#include "start_screen.h"

#include "diagrams/diagram_export.h"
#include "ui/form_base.h"
#include "ui/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace {

// For the start-up benchmark: reports the start screen's first paint on
// standard output and leaves the program. It leaves the event loop itself:
// quit() would first close every window, and a window asked to close asks
// the student whether to end the work, a question nobody answers.
class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !reported) {
            reported = true;
            std::printf("first-paint\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Help, the version and a faulty command line need no display.
    const CommandLine command = ParseCommandLine(arguments);
    if (const std::optional<int> status = AnswerWithoutRunning(command))
        return *status;

    if (command.mode == CommandLine::Mode::Batch) {
        // Numbers and text need no more than the core: a sweep of many
        // reflux ratios starts faster without a platform to load.
        if (!command.drawsPictures()) {
            QCoreApplication app(argc, argv);
            return RunBatch(command);
        }
        // No window is shown, but a PDF report and the diagrams need the
        // fonts of a GUI application: the offscreen platform serves them
        // without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Without a session there is no runtime folder; the offscreen platform
        // needs none, and Qt's warning about it would mix into the messages.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.*=false\ndefault.warning=false"));
        QGuiApplication app(argc, argv);
        return RunBatch(command, WriteDiagramsFile);
    }

    QApplication app(argc, argv);
    IntroduceProgramToDesktop();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallRussianTranslation();

    QtPlatform desktop;
    desktop.setWindowCloser(CloseAllForms);
    setPlatform(&desktop);
    InstallShell();

    KeepProblemsIn(ProblemFolder(), SettingsFolder());

    auto *start = new StartScreen;
    const bool probe = qEnvironmentVariableIsSet("TARELIN_EXIT_AFTER_FIRST_PAINT");
    if (probe)
        start->installEventFilter(new FirstPaintProbe(start));
    start->show();
    // Over the start screen: the problem named on the command line, or the
    // offer to continue the last one.
    const QString file = command.problemFile;
    if (!probe)
        QTimer::singleShot(0, start, [file] {
            RunHandler([file] {
                if (file.isEmpty())
                    OfferToContinueLastProblem();
                else
                    OpenProblemFile(file);
            });
        });
    const int status = app.exec();
    CloseAllForms();
    setPlatform(nullptr);
    return status;
}

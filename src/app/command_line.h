#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks the program to do. Every argument the program
// knows is read here, in one place:
//   tarelin [FILE]                            the windowed program, on the problem in FILE
//   tarelin --batch FILE [--json] [--report OUT] [--plot PICTURE] [--sweep-reflux FROM:TO:COUNT]
//   tarelin --help | --version
// In the windowed program, arguments with a single dash are Qt's own
// (-platform, -style, ...) and are left to it.
struct CommandLine {
    enum class Mode { Window, Batch, Help, Version, Fault };
    Mode mode = Mode::Window;
    QString fault; // Mode::Fault: what is wrong, for the message

    // Batch mode.
    QString problemFile;
    bool json = false;
    std::optional<QString> reportFile;
    std::optional<QString> plotFile; // .svg, .png or .pdf
    // The reflux ratios to calculate the problem at, as given: a bad range
    // is the problem's fault, not the command line's, and is refused when
    // the batch runs.
    std::optional<QString> refluxSweep;

    // Whether the batch draws: a PDF report and the diagrams need the fonts
    // of a GUI application.
    bool drawsPictures() const;
};

CommandLine ParseCommandLine(const QStringList &arguments);

// tarelin FILE: the problem file the windowed program opens, read from the
// arguments Qt has left once it has taken its own (the value of -platform
// and the like would otherwise pass for a file). Empty when none is named.
QString WindowProblemFile(const QStringList &arguments);

// The usage text and the version line.
QString UsageText();
QString VersionText();

// Answers what needs neither a window nor a calculation: --help and
// --version on standard output, a faulty command line with the usage on
// standard error. Returns the exit status, or nothing when the program has
// its work still to do.
std::optional<int> AnswerWithoutRunning(const CommandLine &command);

// Writes text in UTF-8; false when the stream would not take it all.
bool WriteText(FILE *stream, const QString &text);

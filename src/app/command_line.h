#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks the program to do. Every argument the program
// knows is read here, in one place:
//   tarelin [FILE]                            the windowed program, on the problem in FILE
//   tarelin --batch FILE [--json] [--report OUT] [--plot PICTURE] [--sweep-reflux FROM:TO:COUNT]
//   tarelin --help | --version
// The windowed program also takes Qt's own options (-platform, -style, ...)
// and leaves them to Qt.
struct CommandLine {
    enum class Mode { Window, Batch, Help, Version, Fault };
    Mode mode = Mode::Window;
    QString fault; // Mode::Fault: what is wrong, for the message

    // The problem file: calculated in batch mode, opened by the windowed
    // program (empty when none is named).
    QString problemFile;

    // Batch mode.
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

// The forms of the command line; the whole help; the version with the
// licence.
QString UsageSynopsis();
QString UsageText();
QString VersionText();

// Answers what needs neither a window nor a calculation: --help and
// --version on standard output, a faulty command line with the usage on
// standard error. Returns the exit status, or nothing when the program has
// its work still to do.
std::optional<int> AnswerWithoutRunning(const CommandLine &command);

// Writes text in UTF-8; false when the stream would not take it all.
bool WriteText(FILE *stream, const QString &text);

#include "command_line.h"

#include "diagrams/picture_format.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int InformationStatus = 0;
constexpr int UsageStatus = 1;

bool asksForHelp(const QString &argument)
{
    return argument == u"--help" || argument == u"-h";
}

// The same file under two names, or two names of one file to be made.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

CommandLine fault(const QString &what)
{
    CommandLine command;
    command.mode = CommandLine::Mode::Fault;
    command.fault = what;
    return command;
}

CommandLine parseBatch(const QStringList &arguments)
{
    CommandLine command;
    command.mode = CommandLine::Mode::Batch;
    bool haveProblem = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool takesValue = argument == u"--batch" || argument == u"--report" || argument == u"--plot";
        if (takesValue && i + 1 >= arguments.size())
            return fault(QStringLiteral("%1 needs a file name").arg(argument));
        if (argument == u"--sweep-reflux") {
            // A missing range is a bad range.
            command.refluxSweep = i + 1 < arguments.size() ? arguments[++i] : QString();
            continue;
        }
        if (argument == u"--batch") {
            if (haveProblem)
                return fault(QStringLiteral("only one problem file can be calculated at a time"));
            command.problemFile = arguments[++i];
            haveProblem = true;
        } else if (argument == u"--report") {
            command.reportFile = arguments[++i];
        } else if (argument == u"--plot") {
            command.plotFile = arguments[++i];
            if (!PictureFormatOf(*command.plotFile))
                return fault(
                    QStringLiteral("--plot needs a .svg, .png or .pdf file: %1").arg(*command.plotFile));
        } else if (argument == u"--json") {
            command.json = true;
        } else {
            return fault(QStringLiteral("unknown argument: %1").arg(argument));
        }
    }
    if (!haveProblem)
        return fault(QStringLiteral("--batch needs a file name"));
    // An output by any name of the problem file would replace the problem.
    for (const auto &[option, output] :
         {std::pair{"--report", command.reportFile}, {"--plot", command.plotFile}})
        if (output && sameFile(*output, command.problemFile))
            return fault(
                QStringLiteral("%1 names the problem file itself: %2").arg(QLatin1String(option), *output));
    return command;
}

// The windowed program takes a problem file at most; the batch options
// without --batch and unknown long options are mistakes.
CommandLine parseWindow(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--json" || argument == u"--report" || argument == u"--plot" ||
            argument == u"--sweep-reflux")
            return fault(QStringLiteral("%1 is used with --batch FILE").arg(argument));
        if (argument.startsWith(QStringLiteral("--")))
            return fault(QStringLiteral("unknown argument: %1").arg(argument));
    }
    return {};
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    const QStringList given = arguments.mid(1);
    if (std::any_of(given.begin(), given.end(), asksForHelp)) {
        CommandLine command;
        command.mode = CommandLine::Mode::Help;
        return command;
    }
    if (given.contains(QStringLiteral("--version"))) {
        CommandLine command;
        command.mode = CommandLine::Mode::Version;
        return command;
    }
    if (given.contains(QStringLiteral("--batch")))
        return parseBatch(arguments);
    return parseWindow(arguments);
}

bool CommandLine::drawsPictures() const
{
    return plotFile || (reportFile && reportFile->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive));
}

QString WindowProblemFile(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(u'-'))
            return arguments[i];
    return {};
}

QString UsageText()
{
    return QStringLiteral("usage: tarelin [FILE | --batch FILE [--json] [--report FILE] [--plot FILE]\n"
                          "                       [--sweep-reflux FROM:TO:COUNT]]\n"
                          "  (no argument)   start the windowed program\n"
                          "  FILE            start the windowed program on the problem in FILE\n"
                          "  --batch FILE    calculate the problem file FILE and print the results\n"
                          "  --json          print the results as one JSON object\n"
                          "  --report FILE   also write the printed report to FILE (.txt or .pdf)\n"
                          "  --plot FILE     also draw the stage diagrams into FILE (.svg, .png or .pdf)\n"
                          "  --sweep-reflux FROM:TO:COUNT\n"
                          "                  calculate the problem at COUNT reflux ratios from FROM to TO\n"
                          "                  and print them as a table (as JSON with --json)\n"
                          "  --help          print this text\n"
                          "  --version       print the version\n");
}

QString VersionText()
{
    return QStringLiteral("tarelin (Тарелин-7) " TARELIN_VERSION "\n");
}

std::optional<int> AnswerWithoutRunning(const CommandLine &command)
{
    switch (command.mode) {
    case CommandLine::Mode::Help:
        WriteText(stdout, UsageText());
        return InformationStatus;
    case CommandLine::Mode::Version:
        WriteText(stdout, VersionText());
        return InformationStatus;
    case CommandLine::Mode::Fault:
        WriteText(stderr, QStringLiteral("tarelin: %1\n").arg(command.fault) + UsageText());
        return UsageStatus;
    case CommandLine::Mode::Window:
    case CommandLine::Mode::Batch:
        break;
    }
    return std::nullopt;
}

bool WriteText(FILE *stream, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    return std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), stream) == std::size_t(utf8.size());
}

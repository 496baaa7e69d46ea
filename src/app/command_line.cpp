#include "command_line.h"

#include "command_line_options.h"

#include "diagrams/picture_format.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int InformationStatus = 0;
constexpr int UsageStatus = 1;

const QString SweepOption = QStringLiteral("sweep-reflux");

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

CommandLine answer(CommandLine::Mode mode)
{
    CommandLine command;
    command.mode = mode;
    return command;
}

void addOptions(QCommandLineParser &parser, const QList<ProgramOption> &options)
{
    for (const ProgramOption &option : options)
        parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
}

// "--report=r.txt" and "-platform" name the options "report" and "platform".
QString optionName(const QString &argument)
{
    const qsizetype dashes = argument.startsWith(u"--") ? 2 : argument.startsWith(u'-') ? 1 : 0;
    return argument.section(u'=', 0, 0).mid(dashes);
}

// The option as it was written, "-platform" or "--frobnicate", for the
// message about it.
QString asWritten(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments)
        if (argument.startsWith(u'-') && optionName(argument) == name)
            return argument.section(u'=', 0, 0);
    return QStringLiteral("--") + name;
}

const ProgramOption *findOption(const QString &argument)
{
    if (!argument.startsWith(u'-'))
        return nullptr;
    const QString name = optionName(argument);
    for (const QList<ProgramOption> *options : {&ProgramOptions(), &QtOptions()})
        for (const ProgramOption &option : *options)
            if (option.names.contains(name))
                return &option;
    return nullptr;
}

// What the parser refused, in the program's words.
QString refusal(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("неизвестный параметр: %1")
            .arg(asWritten(arguments, parser.unknownOptionNames().first()));
    // A value can be missing only after the last argument.
    if (const ProgramOption *last = findOption(arguments.last()); last && last->takesValue())
        return QStringLiteral("после %1 нужно указать %2").arg(arguments.last(), last->valueName);
    for (const QString &argument : arguments)
        if (const ProgramOption *option = findOption(argument);
            option && !option->takesValue() && argument.contains(u'='))
            return QStringLiteral("у параметра %1 не бывает значения").arg(argument.section(u'=', 0, 0));
    return parser.errorText();
}

CommandLine batch(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList problems = parser.values(QStringLiteral("batch"));
    if (problems.size() > 1)
        return fault(QStringLiteral("за один раз рассчитывается только одна задача"));
    if (!parser.positionalArguments().isEmpty())
        return fault(QStringLiteral("лишний аргумент: %1").arg(parser.positionalArguments().first()));
    for (const ProgramOption &option : QtOptions())
        if (parser.isSet(option.names.first()))
            return fault(
                QStringLiteral("неизвестный параметр: %1").arg(asWritten(arguments, option.names.first())));

    CommandLine command;
    command.mode = CommandLine::Mode::Batch;
    command.problemFile = problems.first();
    command.json = parser.isSet(QStringLiteral("json"));
    if (parser.isSet(QStringLiteral("report")))
        command.reportFile = parser.value(QStringLiteral("report"));
    if (parser.isSet(QStringLiteral("plot"))) {
        command.plotFile = parser.value(QStringLiteral("plot"));
        if (!PictureFormatOf(*command.plotFile))
            return fault(
                QStringLiteral("для --plot нужен файл .svg, .png или .pdf: %1").arg(*command.plotFile));
    }
    if (parser.isSet(SweepOption))
        command.refluxSweep = parser.value(SweepOption);
    // An output by any name of the problem file would replace the problem.
    for (const auto &[option, output] :
         {std::pair{"--report", command.reportFile}, {"--plot", command.plotFile}})
        if (output && sameFile(*output, command.problemFile))
            return fault(
                QStringLiteral("%1 указывает на сам файл задачи: %2").arg(QLatin1String(option), *output));
    return command;
}

// The windowed program opens one problem file at most; the batch options
// without --batch are mistakes.
CommandLine window(const QCommandLineParser &parser)
{
    for (const char *batchOnly : {"json", "report", "plot", "sweep-reflux"})
        if (parser.isSet(QLatin1String(batchOnly)))
            return fault(
                QStringLiteral("--%1 действует только вместе с --batch ФАЙЛ").arg(QLatin1String(batchOnly)));
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fault(QStringLiteral("открывается только один файл задачи, лишний: %1").arg(files[1]));
    CommandLine command;
    command.problemFile = files.value(0);
    return command;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash: -platform, -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser, ProgramOptions());
    addOptions(parser, QtOptions());
    QStringList given = arguments;
    // A missing range is a bad range, which the batch refuses as it refuses
    // any other.
    if (given.size() > 1 && given.last() == QStringLiteral("--") + SweepOption)
        given.append(QString());
    const bool parsed = parser.parse(given);

    // Help and the version are answered whatever else is written.
    if (parser.isSet(QStringLiteral("help")))
        return answer(CommandLine::Mode::Help);
    if (parser.isSet(QStringLiteral("version")))
        return answer(CommandLine::Mode::Version);
    if (!parsed)
        return fault(refusal(parser, given));
    if (parser.isSet(QStringLiteral("batch")))
        return batch(parser, given);
    return window(parser);
}

bool CommandLine::drawsPictures() const
{
    return plotFile || (reportFile && reportFile->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive));
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
        WriteText(stderr, QStringLiteral("tarelin: %1\n").arg(command.fault) + UsageSynopsis() +
                              QStringLiteral("Подробнее: tarelin --help\n"));
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

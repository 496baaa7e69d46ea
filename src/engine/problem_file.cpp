#include "problem_file.h"
#include "problem_file_checks.h"
#include "problem_file_reading.h"
#include "problem_json.h"

#include "road_steps.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

using namespace problem_json;

ProblemFileResult LoadProblem(const QByteArray &json, ProblemData &data)
{
    // A fresh problem, as at start-up followed by "Готовы к работе ?".
    data = ProblemData{};
    ResetProblemState(data);

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {false, jsonErrorMessage(json, parseError, false), false,
                jsonErrorMessage(json, parseError, true)};
    if (!document.isObject())
        return {false, QStringLiteral("problem file: a JSON object expected"), false,
                QStringLiteral("это не файл задачи: в нём не объект JSON")};

    bool unfinished = false;
    DeclaredAzeotrope declared;
    try {
        const QJsonObject root = document.object();
        // A newer program may write keys this one does not know: the format
        // tells so before they are taken for typing errors.
        ReadProblemFileFormat(root);
        onlyKnownKeys(root, nullptr,
                      {QLatin1String("format"), QLatin1String("unfinished"), QLatin1String("student"),
                       QLatin1String("components"), QLatin1String("equilibrium"), QLatin1String("feed"),
                       QLatin1String("mixing_heat"), QLatin1String("vapour_heat_capacity"),
                       QLatin1String("vaporization_heat"), QLatin1String("solution_heat_capacity")});
        unfinished = ReadUnfinishedMark(root);
        // Every key is read before any data set is checked, so that a broken
        // file is refused as such rather than for its first faulty point.
        declared = ReadTypedDataSets(root, data, unfinished);
        if (!unfinished)
            data.Entered = {RoadSet::Calculation};
        if (data.Entered >= RoadStep{RoadSet::Equilibrium})
            SettleEquilibrium(data, declared);
        SortTypedTables(data, !IsEveryDataSetTyped(data));
    } catch (const Refusal &refusal) {
        return {false, refusal.message, false, refusal.russian};
    }

    const RoadStep next = StepToEnter(data, {});
    const QString unfinishedProblem = QStringLiteral("unfinished problem: ");
    if (next.set != RoadSet::Calculation && next <= data.Entered)
        return {false,
                (unfinished ? unfinishedProblem : QString()) + CheckFailure(data, next, declared.has_value()),
                true,
                {}};
    if (next.set != RoadSet::Calculation)
        return {false,
                unfinishedProblem + MissingStepKey(data, next) + QStringLiteral(" not typed yet"),
                true,
                {}};
    return {true, {}, true, {}};
}

namespace {

// Far beyond any problem file; a file this large is something else.
constexpr qint64 LargestProblemFile = 1 << 20;

ProblemFileResult unreadable(const QString &path, const QString &reason, const QString &russianReason)
{
    return {false, QStringLiteral("%1: cannot be read (%2)").arg(path, reason), false,
            QStringLiteral("файл не читается: %1").arg(russianReason)};
}

} // namespace

ProblemFileResult LoadProblemFile(const QString &path, ProblemData &data)
{
    const QFileInfo info(path);
    if (info.isDir())
        return unreadable(path, QStringLiteral("a folder"), QStringLiteral("это папка, а не файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, file.errorString(),
                          info.exists() ? QStringLiteral("нет права читать его")
                                        : QStringLiteral("такого файла нет"));
    if (file.size() > LargestProblemFile)
        return unreadable(path, QStringLiteral("%1 bytes, too large for a problem file").arg(file.size()),
                          QStringLiteral("он слишком велик для файла задачи (%1 байт)").arg(file.size()));
    return LoadProblem(file.readAll(), data);
}

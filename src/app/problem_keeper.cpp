#include "problem_keeper.h"
#include "problem_files.h"
#include "program_identity.h"

#include "engine/problem_file.h"
#include "engine/road_steps.h"
#include "ui/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

struct Keeper {
    QString folder;         // empty: nothing is kept
    QString settingsFolder; // where the last unfinished problem is remembered
    QString path;           // the current problem's file, chosen at its first write
    QString opened;         // the file it was opened from, which is never written
    QDateTime started;
    QByteArray written;    // what the file holds
    QByteArray calculated; // the problem at its last calculation
    QString unfinished;    // the file the folder remembers as the last unfinished problem
    bool failureTold = false;
    bool writing = false;
};

Keeper &keeper()
{
    static Keeper k;
    return k;
}

const QString SessionFileName = QStringLiteral("session.ini");

QSettings session(const Keeper &k)
{
    return QSettings(QDir(k.settingsFolder).filePath(SessionFileName), QSettings::IniFormat);
}

// Earlier versions remembered the last unfinished problem in the folder of
// problems; that memory moves to the settings once, so that the offer to
// continue outlives the upgrade.
void carryOverSession(const Keeper &k)
{
    const QString old = QDir(k.folder).filePath(SessionFileName);
    const QString now = QDir(k.settingsFolder).filePath(SessionFileName);
    if (old == now || QFileInfo::exists(now) || !QFileInfo::exists(old))
        return;
    QDir().mkpath(k.settingsFolder);
    QFile::rename(old, now);
}

// "Иванов Хт-31 2026-12-08 21-05-33.tarelin", another number added when a
// problem of the same second is there already.
QString newFileName(const Keeper &k)
{
    QString student = FileNamePart(problem().Names[1]);
    if (student.isEmpty())
        student = QStringLiteral("Без имени");
    const QString stem = student + u' ' + k.started.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    const QDir folder(k.folder);
    QString name = stem + u'.' + ProblemFileSuffix;
    for (int n = 2; folder.exists(name); ++n)
        name = QStringLiteral("%1 (%2).%3").arg(stem).arg(n).arg(ProblemFileSuffix);
    return folder.filePath(name);
}

void rememberUnfinished(Keeper &k, const QString &path)
{
    if (path == k.unfinished)
        return;
    k.unfinished = path;
    QSettings settings = session(k);
    if (path.isEmpty())
        settings.remove(QStringLiteral("unfinished"));
    else
        settings.setValue(QStringLiteral("unfinished"), path);
}

void tellFailure(Keeper &k, const FileWriteResult &result)
{
    if (k.failureTold || platform().hasEnded())
        return;
    k.failureTold = true;
    try {
        platform().showMessage(
            QStringLiteral("Задача не сохраняется"),
            WriteFailureText(k.path, result) +
                QStringLiteral("\n\nРабота продолжается, введённое не потеряно: сохраните задачу "
                               "в другую папку (Ctrl+S)."));
    } catch (const ProgramEnded &) {
    }
}

void startAfresh(Keeper &k)
{
    k.path.clear();
    k.opened.clear();
    k.started = QDateTime::currentDateTime();
    k.written.clear();
    k.calculated.clear();
    k.failureTold = false;
}

} // namespace

QString ProblemFolder()
{
    // Named by the program alone, as it was before the organisation was
    // named: the problems of earlier versions stay where they are.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(ProgramName());
}

void KeepProblemsIn(const QString &folder, const QString &settingsFolder)
{
    Keeper &k = keeper();
    k = Keeper{};
    k.folder = folder;
    k.settingsFolder = settingsFolder;
    startAfresh(k);
    if (folder.isEmpty())
        return;
    carryOverSession(k);
    k.unfinished = session(k).value(QStringLiteral("unfinished")).toString();
}

void KeepNewProblem()
{
    startAfresh(keeper());
}

void KeepOpenedProblem(const QString &path)
{
    Keeper &k = keeper();
    startAfresh(k);
    k.opened = QFileInfo(path).absoluteFilePath();
    k.written = SaveProblem(problem());
}

void KeepResumedProblem(const QString &path)
{
    Keeper &k = keeper();
    KeepOpenedProblem(path);
    if (QFileInfo(path).absolutePath() == QDir(k.folder).absolutePath())
        std::swap(k.path, k.opened);
}

void DataSetTyped(RoadStep step)
{
    MarkTyped(problem(), step);
    KeepProblem();
}

void ProblemCalculated()
{
    problem().Entered = {RoadSet::Calculation};
    keeper().calculated = SaveProblem(problem());
    KeepProblem();
}

void KeepProblem()
{
    Keeper &k = keeper();
    const ProblemData &data = problem();
    if (k.folder.isEmpty() || k.writing || data.Entered.set == RoadSet::None)
        return;
    const QByteArray bytes = SaveProblem(data);
    if (bytes != k.written) {
        k.writing = true;
        if (k.path.isEmpty()) {
            QDir().mkpath(k.folder);
            k.path = newFileName(k);
        }
        const FileWriteResult result = WriteFileAtomically(k.path, bytes);
        if (!result.ok()) {
            tellFailure(k, result);
            k.writing = false;
            return;
        }
        k.written = bytes;
        k.failureTold = false;
        k.writing = false;
    }
    rememberUnfinished(k, bytes == k.calculated ? QString() : k.path.isEmpty() ? k.opened : k.path);
}

QString LastUnfinishedProblem()
{
    const Keeper &k = keeper();
    if (k.folder.isEmpty() || k.unfinished.isEmpty())
        return {};
    return QFileInfo::exists(k.unfinished) ? k.unfinished : QString();
}

void ForgetLastUnfinishedProblem()
{
    Keeper &k = keeper();
    if (!k.folder.isEmpty())
        rememberUnfinished(k, {});
}

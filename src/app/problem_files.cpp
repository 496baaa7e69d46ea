#include "problem_files.h"
#include "first_road.h"
#include "problem_keeper.h"

#include "engine/problem_file.h"
#include "model/problem_data.h"
#include "ui/platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString openFilter()
{
    return QStringLiteral("Задачи Тарелин-7 (*.%1 *.json)").arg(ProblemFileSuffix);
}

QString saveFilter()
{
    return QStringLiteral("Задачи Тарелин-7 (*.%1)").arg(ProblemFileSuffix);
}

QString quotedFileName(const QString &path)
{
    return QStringLiteral("«%1»").arg(QFileInfo(path).fileName());
}

// The folder the last problem was saved to this run, or the folder of problems.
QString &saveFolder()
{
    static QString folder;
    return folder;
}

// "Иванов Хт-31 Бензол - Толуол.tarelin", without the characters a file name
// cannot hold.
QString suggestedFileName(const ProblemData &data)
{
    QString name = data.Names[1];
    if (!data.Names[2].isEmpty() || !data.Names[3].isEmpty())
        name += QStringLiteral(" %1 - %2").arg(data.Names[2], data.Names[3]);
    name = FileNamePart(name);
    if (name.isEmpty())
        name = QStringLiteral("Задача");
    return name + u'.' + ProblemFileSuffix;
}

// Who the problem is and how far it has come, for the offer to continue it.
QString problemDescription(const ProblemData &data)
{
    QString who = data.Names[1].isEmpty() ? QStringLiteral("без фамилии") : data.Names[1];
    if (data.Entered >= RoadStep{RoadSet::Components})
        who += QStringLiteral(", %1 - %2").arg(data.Names[2], data.Names[3]);
    return who;
}

} // namespace

QString FileNamePart(const QString &text)
{
    QString part;
    for (const QChar c : text.simplified())
        part += QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20 ? u'_' : c;
    return part.left(80).trimmed();
}

QString WriteFailureText(const QString &path, const FileWriteResult &result)
{
    const QString file = quotedFileName(path);
    const QString folder =
        QStringLiteral("«%1»").arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    switch (result.fault) {
    case WriteFault::Folder:
        return QStringLiteral("Файл %1 не записан: в папку %2 нельзя записывать (%3).")
            .arg(file, folder, result.detail);
    case WriteFault::NoSpace:
        return QStringLiteral("Файл %1 не записан: на диске не хватает места.").arg(file);
    case WriteFault::Replace:
        return QStringLiteral("Файл %1 не записан: прежний файл нельзя заменить (%2).")
            .arg(file, result.detail);
    case WriteFault::Disk:
    case WriteFault::None:
        break;
    }
    return QStringLiteral("Файл %1 не записан: ошибка записи на диск (%2).").arg(file, result.detail);
}

bool OpenProblemFile(const QString &path)
{
    ProblemData opened;
    const ProblemFileResult result = LoadProblemFile(path, opened);
    if (!result.opens) {
        platform().showMessage(
            QStringLiteral("Задача не открыта"),
            QStringLiteral("Файл %1 не открыт:\n%2.").arg(quotedFileName(path), result.russianError));
        return false;
    }
    problem() = opened;
    KeepOpenedProblem(path);
    ContinueFirstRoad({});
    return true;
}

void OpenProblemFromDialog()
{
    // Before the first problem is kept the folder may not be there yet.
    QDir().mkpath(ProblemFolder());
    const QString path =
        platform().chooseFileToOpen(QStringLiteral("Открытие файла задачи"), ProblemFolder(), openFilter());
    if (!path.isEmpty())
        OpenProblemFile(path);
}

void SaveProblemAs()
{
    const ProblemData &data = problem();
    if (data.Entered.set == RoadSet::None)
        return;
    if (saveFolder().isEmpty())
        saveFolder() = ProblemFolder();
    QDir().mkpath(saveFolder());
    QString path =
        platform().chooseFileToSave(QStringLiteral("Сохранение задачи"),
                                    QDir(saveFolder()).filePath(suggestedFileName(data)), saveFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + ProblemFileSuffix;
    const FileWriteResult result = WriteProblemFile(path, problem());
    if (!result.ok()) {
        platform().showMessage(
            QStringLiteral("Задача не сохранена"),
            WriteFailureText(path, result) +
                QStringLiteral("\n\nВведённое не потеряно: сохраните задачу в другую папку "
                               "или освободите место на диске."));
        return;
    }
    saveFolder() = QFileInfo(path).absolutePath();
    platform().showMessage(QStringLiteral("Задача сохранена"),
                           QStringLiteral("Задача сохранена в файле %1 в папке «%2».")
                               .arg(quotedFileName(path), QDir::toNativeSeparators(saveFolder())));
}

void OfferToContinueLastProblem()
{
    const QString path = LastUnfinishedProblem();
    if (path.isEmpty())
        return;
    ProblemData last;
    const ProblemFileResult result = LoadProblemFile(path, last);
    if (!result.opens) {
        ForgetLastUnfinishedProblem();
        platform().showMessage(
            QStringLiteral("Задача не открыта"),
            QStringLiteral("Последняя задача не закончена, но её файл %1 не открывается:\n%2.")
                .arg(quotedFileName(path), result.russianError));
        return;
    }
    const QString question =
        QStringLiteral("Работа с последней задачей не закончена:\n%1.\n\nПродолжить её?\n\n"
                       "«Нет» - начать новую задачу; файл прежней останется в папке задач (%2).")
            .arg(problemDescription(last), quotedFileName(path));
    if (!platform().askYesNo(QStringLiteral("Незаконченная задача"), question, Answer::No)) {
        ForgetLastUnfinishedProblem();
        return;
    }
    problem() = last;
    KeepResumedProblem(path);
    ContinueFirstRoad({});
}

#include "command_line.h"
#include "command_line_options.h"

namespace {

constexpr qsizetype LineWidth = 79;
constexpr qsizetype DescriptionColumn = 29;

// "  --report ОТЧЁТ" and its description, wrapped at the line's width
// under the description's column.
QString helpEntry(const QString &term, const QString &description)
{
    const QString indent(DescriptionColumn, u' ');
    QString entry = QStringLiteral("  ") + term;
    // A term too long for its column has the description on the next line.
    entry = entry.size() + 2 <= DescriptionColumn ? entry.leftJustified(DescriptionColumn)
                                                  : entry + u'\n' + indent;
    QString line;
    for (const QString &word : description.split(u' ')) {
        if (!line.isEmpty() && DescriptionColumn + line.size() + 1 + word.size() > LineWidth) {
            entry += line + u'\n' + indent;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return entry + line + u'\n';
}

QString optionTerm(const ProgramOption &option)
{
    QStringList names;
    for (const QString &name : option.names)
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString term = names.join(QStringLiteral(", "));
    if (option.takesValue())
        term += u' ' + option.valueName;
    return term;
}

} // namespace

QString UsageSynopsis()
{
    return QStringLiteral("Использование:\n"
                          "  tarelin [ФАЙЛ]\n"
                          "  tarelin --batch ФАЙЛ [--json] [--report ОТЧЁТ] [--plot РИСУНОК]\n"
                          "                       [--sweep-reflux ОТ:ДО:ЧИСЛО]\n"
                          "  tarelin --help | --version\n");
}

QString UsageText()
{
    QString text = UsageSynopsis();
    text +=
        QStringLiteral("\nТарелин-7 рассчитывает материальный и тепловой баланс бинарной ректификационной\n"
                       "колонны и число её теоретических ступеней. Без аргументов запускается оконная\n"
                       "программа.\n\nАргументы:\n");
    text += helpEntry(FileArgumentName(), FileArgumentDescription());
    text += QStringLiteral("\nПараметры:\n");
    for (const ProgramOption &option : ProgramOptions())
        text += helpEntry(optionTerm(option), option.description);
    text += QStringLiteral("\nКод возврата: 0 — задача рассчитана (каков бы ни был исход), 1 — ошибка\n"
                           "в командной строке или вывод не записан, 2 — задачу нельзя рассчитать.\n");
    return text;
}

QString VersionText()
{
    return QStringLiteral("tarelin (Тарелин-7) " TARELIN_VERSION "\n"
                          "Лицензия GPL-3.0-or-later: GNU GPL версии 3 или любой более поздней версии\n"
                          "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
                          "Это свободная программа: её можно изменять и распространять.\n"
                          "Никаких гарантий в пределах, допускаемых законом.\n");
}

#include "command_line_options.h"

const QList<ProgramOption> &ProgramOptions()
{
    static const QList<ProgramOption> options = {
        {{"h", "help"}, {}, QStringLiteral("показать эту справку")},
        {{"v", "version"}, {}, QStringLiteral("показать версию программы и её лицензию")},
        {{"batch"},
         QStringLiteral("ФАЙЛ"),
         QStringLiteral("рассчитать задачу из ФАЙЛА без окон и напечатать результаты")},
        {{"json"}, {}, QStringLiteral("напечатать результаты одним объектом JSON")},
        {{"report"},
         QStringLiteral("ОТЧЁТ"),
         QStringLiteral("записать ещё и отчёт в файл ОТЧЁТ (.txt или .pdf)")},
        {{"plot"},
         QStringLiteral("РИСУНОК"),
         QStringLiteral("нарисовать ещё и диаграммы ступеней в файл РИСУНОК (.svg, .png или .pdf)")},
        {{"sweep-reflux"},
         QStringLiteral("ОТ:ДО:ЧИСЛО"),
         QStringLiteral("рассчитать задачу при ЧИСЛЕ флегмовых чисел, равномерно расставленных от ОТ "
                        "до ДО, и напечатать их таблицу (с --json — объект JSON)")},
    };
    return options;
}

const QList<ProgramOption> &QtOptions()
{
    static const QList<ProgramOption> options = [] {
        QList<ProgramOption> qt;
        for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                                 "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle",
                                 "title", "session", "display", "name", "visual", "style", "stylesheet"})
            qt.append({{QLatin1String(name)}, QStringLiteral("значение"), {}});
        for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
            qt.append({{QLatin1String(name)}, {}, {}});
        return qt;
    }();
    return options;
}

QString FileArgumentName()
{
    return QStringLiteral("ФАЙЛ");
}

QString FileArgumentDescription()
{
    return QStringLiteral("открыть в оконной программе задачу из ФАЙЛА (.tarelin или .json)");
}

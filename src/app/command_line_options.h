#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An option of the command line, as the parser reads it and the help
// shows it.
struct ProgramOption {
    QStringList names; // without the dashes: {"h", "help"}
    QString valueName; // empty for an option that takes no value
    QString description;

    bool takesValue() const { return !valueName.isEmpty(); }
};

// The program's own options, in the order of the help.
const QList<ProgramOption> &ProgramOptions();

// Qt's own options, which the windowed program passes on to Qt: the parser
// has to know them so that their values are not taken for a problem file.
// The help does not show them, and batch mode refuses them.
const QList<ProgramOption> &QtOptions();

// The name of the windowed program's problem file in the help.
QString FileArgumentName();
QString FileArgumentDescription();

#include "program_identity.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>

QString ProgramName()
{
    return QStringLiteral("Тарелин-7");
}

void IntroduceProgramToDesktop()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Tarelin"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("tarelin.github.io"));
    QCoreApplication::setApplicationName(ProgramName());
    QCoreApplication::setApplicationVersion(QStringLiteral(TARELIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TARELIN_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" TARELIN_APP_ID ".svg")));
    // The file dialog keeps its state under the organisation "QtProject"
    // in the user scope: that file now lies among the program's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, SettingsFolder());
}

QString SettingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

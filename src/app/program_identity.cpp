#include "program_identity.h"

#include <QApplication>
#include <QIcon>

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
}

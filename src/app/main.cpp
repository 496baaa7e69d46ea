#include "batch.h"
#include "qt_platform.h"
#include "start_screen.h"
#include "window_registry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (IsBatchInvocation(arguments)) {
        QCoreApplication app(argc, argv);
        return RunBatch(app.arguments());
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Тарелин-7"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallRussianTranslation();

    QtPlatform desktop;
    setPlatform(&desktop);

    auto *start = new StartScreen;
    start->show();
    const int status = app.exec();
    CloseAllForms();
    setPlatform(nullptr);
    return status;
}

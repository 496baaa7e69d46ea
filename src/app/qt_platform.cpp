#include "qt_platform.h"

#include "form_base.h"
#include "results/report_printing.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QEventLoop>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QTranslator>

namespace {

// Keeps a window of the given size inside the available screen area.
QPoint keptOnScreen(QPoint pixels, QSize size)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return pixels;
    const QRect area = screen->availableGeometry();
    const int x = std::clamp(pixels.x(), area.left(), std::max(area.left(), area.right() - size.width()));
    const int y = std::clamp(pixels.y(), area.top(), std::max(area.top(), area.bottom() - size.height()));
    return {x, y};
}

} // namespace

QString QtPlatform::prompt(const QString &title, const QString &text, QPoint twips)
{
    throwIfEnded();
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("ОК"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    dialog.adjustSize();
    dialog.move(keptOnScreen({TwipsToPixels(twips.x()), TwipsToPixels(twips.y())}, dialog.sizeHint()));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    throwIfEnded();
    return accepted ? dialog.textValue() : QString();
}

bool QtPlatform::askYesNo(const QString &title, const QString &text)
{
    throwIfEnded();
    QMessageBox box(QMessageBox::NoIcon, title, text);
    QPushButton *yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    throwIfEnded();
    return box.clickedButton() == yes;
}

void QtPlatform::showMessage(const QString &title, const QString &text)
{
    throwIfEnded();
    QMessageBox box(QMessageBox::Information, title, text);
    box.addButton(QStringLiteral("ОК"), QMessageBox::AcceptRole);
    box.exec();
    throwIfEnded();
}

bool QtPlatform::runDialog(FormBase &dialog)
{
    throwIfEnded();
    auto *yes = dialog.findChild<QPushButton *>(QStringLiteral("Command1"));
    auto *no = dialog.findChild<QPushButton *>(QStringLiteral("Command2"));
    bool answer = false;
    QEventLoop loop;
    const auto c1 = QObject::connect(yes, &QPushButton::clicked, &loop, [&] {
        answer = true;
        loop.quit();
    });
    const auto c2 = QObject::connect(no, &QPushButton::clicked, &loop, [&] {
        answer = false;
        loop.quit();
    });
    const auto c3 = QObject::connect(&dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.move(keptOnScreen(dialog.pos(), dialog.size()));
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    yes->setFocus();
    loop.exec();
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    QObject::disconnect(c3);
    throwIfEnded();
    return answer;
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::switchKeyboardLayout(unsigned layout)
{
    requestedLayouts.append(layout);
}

QString QtPlatform::shortDate()
{
    // With a four-digit year even where the locale writes two: the report's
    // date text takes the year from the last four characters.
    return SystemShortDate();
}

QString QtPlatform::shortTime()
{
    return SystemShortTime();
}

QString QtPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

void QtPlatform::leaveEventLoop()
{
    QCoreApplication::exit(0);
}

void InstallRussianTranslation()
{
    auto *translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

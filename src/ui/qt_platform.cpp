#include "qt_platform.h"
#include "decimal_point_keys.h"
#include "prompts.h"
#include "system_clock.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QTranslator>
#include <algorithm>

namespace {

// The frame the window manager draws around a window, learnt from a window
// already on the screen (none before the first one shows).
QMargins WindowFrameMargins()
{
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const QRect frame = window->frameGeometry(), client = window->geometry();
        const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom());
        if (!margins.isNull())
            return margins;
    }
    return {};
}

// Places a window that is not shown yet with its frame's top-left corner at
// the given pixel, moved in as far as it takes to lie wholly on the screen.
void PlaceFrameOnScreen(QWidget &window, QPoint frameTopLeft)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.move(frameTopLeft);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QMargins frame = WindowFrameMargins();
    const QSize outer = window.size().grownBy(frame);
    const int x =
        std::clamp(frameTopLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y =
        std::clamp(frameTopLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    window.move(x, y);
}

// Wide enough for the whole title and prompt text, and no wider than the
// screen: a prompt text longer than the screen is wide is wrapped. The
// dialog's layout sizes it by its contents, so the width goes to the label.
// (adjustSize would hold a window to two thirds of the screen.)
void FitToTitleAndText(QInputDialog &dialog, const QString &title)
{
    auto *label = dialog.findChild<QLabel *>();
    if (!label || !dialog.layout())
        return;
    dialog.ensurePolished(); // measured with the fonts it will show
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QMargins frame = WindowFrameMargins();
    const int widest =
        screen ? screen->availableGeometry().width() - frame.left() - frame.right() : QWIDGETSIZE_MAX;
    const QMargins margins = dialog.layout()->contentsMargins();
    const int besideLabel = margins.left() + margins.right();
    const int titleWidth = TitleBarWidth(title, dialog.font());
    if (dialog.sizeHint().width() > widest) {
        label->setWordWrap(true);
        label->setFixedWidth(widest - besideLabel);
    } else {
        label->setMinimumWidth(std::min(titleWidth, widest) - besideLabel);
    }
    dialog.resize(dialog.sizeHint());
}

// Qt's own file dialog, whose texts come from Qt's Russian translation and
// are set here where it has none.
QString fileDialog(QFileDialog::AcceptMode mode, const QString &title, const QString &start,
                   const QString &filter)
{
    QFileDialog dialog(nullptr, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    const QFileInfo info(start);
    if (info.isDir()) {
        dialog.setDirectory(start);
    } else {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
        dialog.setDefaultSuffix(info.suffix());
    }
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Тип файлов:"));
    dialog.setLabelText(QFileDialog::Accept, mode == QFileDialog::AcceptOpen ? QStringLiteral("Открыть")
                                                                             : QStringLiteral("Сохранить"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtPlatform::chooseFileToOpen(const QString &title, const QString &folder, const QString &filter)
{
    throwIfEnded();
    const QString path = fileDialog(QFileDialog::AcceptOpen, title, folder, filter);
    throwIfEnded();
    return path;
}

QString QtPlatform::chooseFileToSave(const QString &title, const QString &suggested, const QString &filter)
{
    throwIfEnded();
    const QString path = fileDialog(QFileDialog::AcceptSave, title, suggested, filter);
    throwIfEnded();
    return path;
}

std::optional<QString> QtPlatform::prompt(const QString &title, const QString &text, QPoint twips,
                                          PromptInput input)
{
    throwIfEnded();
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("ОК"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    if (auto *edit = dialog.findChild<QLineEdit *>(); edit && input == PromptInput::Number)
        TypeDecimalPointFromAnyLayout(edit);
    FitToTitleAndText(dialog, title);
    PlaceFrameOnScreen(dialog, {TwipsToPixels(twips.x()), TwipsToPixels(twips.y())});
    const bool accepted = dialog.exec() == QDialog::Accepted;
    throwIfEnded();
    if (!accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool QtPlatform::askYesNo(const QString &title, const QString &text, Answer onDismiss)
{
    throwIfEnded();
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No);
    QAbstractButton *yes = box.button(QMessageBox::Yes);
    QAbstractButton *no = box.button(QMessageBox::No);
    // The standard buttons only for their roles: the design's plain words.
    yes->setText(QStringLiteral("Да"));
    no->setText(QStringLiteral("Нет"));
    yes->setIcon({});
    no->setIcon({});
    box.setDefaultButton(QMessageBox::Yes);
    // Esc and the close button.
    box.setEscapeButton(onDismiss == Answer::Yes ? yes : no);
    box.exec();
    throwIfEnded();
    return box.clickedButton() == yes;
}

void QtPlatform::showMessage(const QString &title, const QString &text)
{
    throwIfEnded();
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("ОК"));
    box.button(QMessageBox::Ok)->setIcon({});
    box.exec();
    throwIfEnded();
}

bool QtPlatform::runDialog(QuestionDialog &dialog)
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
    PlaceFrameOnScreen(dialog, dialog.pos());
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
    LockKeyboardLayout(layout);
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
    // The pictures lie in share/tarelin beside the program's bin/ once
    // installed, and the build puts them at the same place from the program.
    return QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TARELIN_PICTURES_FROM_PROGRAM)));
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

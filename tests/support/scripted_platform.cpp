#include "scripted_platform.h"
#include "layout_check.h"

#include "app/shell.h"
#include "ui/form_base.h"
#include "ui/prompts.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {

// Looks the windows over as the student sees them at each click and key.
class InputWatch : public QObject {
public:
    explicit InputWatch(ScriptedPlatform &platform)
        : platform(platform)
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        const bool click = event->type() == QEvent::MouseButtonPress;
        const bool key = event->type() == QEvent::KeyPress;
        if (auto *widget = qobject_cast<QWidget *>(target); (click || key) && widget) {
            const QWidget *control = widget;
            while (control->parentWidget() && !control->parentWidget()->isWindow())
                control = control->parentWidget();
            // A click has moved the focus to what it clicks before anything
            // sees it; a key finds the focus where the screen left it.
            platform.lookOverWindows(
                QStringLiteral("input to %1.%2").arg(widget->window()->objectName(), control->objectName()),
                nullptr, key ? widget->window() : nullptr);
        }
        return false;
    }

private:
    ScriptedPlatform &platform;
};

} // namespace

ScriptedPlatform::ScriptedPlatform()
    : folder(QStringLiteral(TARELIN_DATA_DIR))
{
    // The screens reach each other through the shell's roads, as in the
    // program.
    InstallShell();
    setWindowCloser(CloseAllForms);
}
ScriptedPlatform::~ScriptedPlatform() = default;

ScriptedPlatform &ScriptedPlatform::answer(const QString &text)
{
    promptAnswers.enqueue(text);
    return *this;
}

ScriptedPlatform &ScriptedPlatform::answers(const QStringList &texts)
{
    for (const QString &text : texts)
        answer(text);
    return *this;
}

ScriptedPlatform &ScriptedPlatform::cancel()
{
    promptAnswers.enqueue(QString());
    return *this;
}

ScriptedPlatform &ScriptedPlatform::yes()
{
    yesNoAnswers.enqueue(Reply::Yes);
    return *this;
}

ScriptedPlatform &ScriptedPlatform::no()
{
    yesNoAnswers.enqueue(Reply::No);
    return *this;
}

ScriptedPlatform &ScriptedPlatform::dismiss()
{
    yesNoAnswers.enqueue(Reply::Dismiss);
    return *this;
}

ScriptedPlatform &ScriptedPlatform::chooseFile(const QString &path)
{
    fileAnswers.enqueue(path);
    return *this;
}

QString ScriptedPlatform::answerFileDialog(bool save, const QString &title, const QString &start,
                                           const QString &filter)
{
    throwIfEnded();
    events << QStringLiteral("file:") + title;
    lookOverWindows(QStringLiteral("file dialog ") + title);
    fileRequests.append({save, title, start, filter});
    if (fileAnswers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected file dialog \"%1\"").arg(title)), __FILE__,
                     __LINE__);
        throw ProgramEnded();
    }
    return fileAnswers.dequeue();
}

QString ScriptedPlatform::chooseFileToOpen(const QString &title, const QString &folder, const QString &filter)
{
    return answerFileDialog(false, title, folder, filter);
}

QString ScriptedPlatform::chooseFileToSave(const QString &title, const QString &suggested,
                                           const QString &filter)
{
    return answerFileDialog(true, title, suggested, filter);
}

void ScriptedPlatform::lookOverWindows(const QString &moment, const QWidget *dialog, const QWidget *waiting)
{
    // Without an application for widgets there is no window to look at.
    if (!looksOver || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    QStringList found = LayoutFaultsOfShownWindows();
    if (dialog)
        found += LayoutFaults(*dialog) + FocusFaults(*dialog);
    if (waiting)
        found += FocusFaults(*waiting);
    for (const QString &fault : found)
        if (!faultsSeen.contains(fault)) {
            faultsSeen.insert(fault);
            layoutFaults << fault + QStringLiteral("  (at ") + moment + u')';
        }
}

std::optional<QString> ScriptedPlatform::prompt(const QString &title, const QString &text, QPoint twips,
                                                PromptInput input)
{
    throwIfEnded();
    events << QStringLiteral("prompt:") + title;
    lookOverWindows(QStringLiteral("prompt ") + title);
    if (promptAnswers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected prompt \"%1\" / \"%2\"").arg(title, text)),
                     __FILE__, __LINE__);
        throw ProgramEnded();
    }
    const QString answer = promptAnswers.dequeue();
    prompts.append({title, text, twips, answer, input});
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

bool ScriptedPlatform::askYesNo(const QString &title, const QString &text, Answer onDismiss)
{
    throwIfEnded();
    events << QStringLiteral("question:") + title;
    lookOverWindows(QStringLiteral("question ") + title);
    if (yesNoAnswers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question \"%1\" / \"%2\"").arg(title, text)),
                     __FILE__, __LINE__);
        throw ProgramEnded();
    }
    const Reply reply = yesNoAnswers.dequeue();
    const bool answer = reply == Reply::Dismiss ? onDismiss == Answer::Yes : reply == Reply::Yes;
    questions.append({title, text, answer, reply == Reply::Dismiss});
    return answer;
}

void ScriptedPlatform::showMessage(const QString &title, const QString &text)
{
    throwIfEnded();
    events << QStringLiteral("message:") + title;
    lookOverWindows(QStringLiteral("message ") + title);
    messages.append({title, text});
}

bool ScriptedPlatform::runDialog(QuestionDialog &dialog)
{
    throwIfEnded();
    events << QStringLiteral("dialog:") + dialog.objectName();
    lookOverWindows(QStringLiteral("dialog ") + dialog.objectName(), &dialog);
    QStringList labels;
    for (const QString &name : {QStringLiteral("Label1"), QStringLiteral("Label2")})
        if (auto *label = dialog.findChild<QLabel *>(name))
            labels << label->text();
    if (yesNoAnswers.isEmpty()) {
        QTest::qFail(
            qPrintable(QStringLiteral("unexpected dialog %1 %2").arg(dialog.objectName(), labels.join(u' '))),
            __FILE__, __LINE__);
        throw ProgramEnded();
    }
    const Reply reply = yesNoAnswers.dequeue();
    bool answer = reply == Reply::Yes;
    if (reply == Reply::Dismiss) {
        // The dialog's own answer to Esc, as the student would get it.
        auto *yes = dialog.findChild<QPushButton *>(QStringLiteral("Command1"));
        const auto pressed = QObject::connect(yes, &QPushButton::clicked, [&answer] { answer = true; });
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QObject::disconnect(pressed);
    }
    dialogs.append({dialog.objectName(), labels, QPoint(PixelsToTwips(dialog.x()), PixelsToTwips(dialog.y())),
                    answer, reply == Reply::Dismiss});
    return answer;
}

void ScriptedPlatform::beep()
{
    ++beeps;
    events << QStringLiteral("beep");
}

void ScriptedPlatform::switchKeyboardLayout(unsigned layout)
{
    layouts.append(layout);
}

bool ScriptedPlatform::beginDocument(const QString &)
{
    if (printerCancels)
        return false;
    documentOpen = true;
    documentStart = printedPages.size();
    currentPage.clear();
    return true;
}

void ScriptedPlatform::printLine(const QString &line)
{
    currentPage << line;
}

void ScriptedPlatform::endPage()
{
    printedPages << currentPage;
    currentPage.clear();
}

bool ScriptedPlatform::endDocument()
{
    if (!currentPage.isEmpty())
        endPage();
    documentOpen = false;
    if (printerFails) {
        printedPages.resize(documentStart); // nothing of this document came out
        return false;
    }
    ++documentsPrinted;
    return true;
}

bool ScriptedPlatform::printPicture(const QString &title, const PagePainter &paint)
{
    events << QStringLiteral("print:") + title;
    lookOverWindows(QStringLiteral("print dialog ") + title);
    if (printerCancels)
        return false;
    QImage page(1122, 794, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    paint(painter, QRectF(page.rect()));
    painter.end();
    if (printerFails)
        return false;
    printedPictures << page;
    return true;
}

ScriptedSession::ScriptedSession()
    : scripted(new ScriptedPlatform)
    , previous(setPlatform(scripted))
    , inputWatch(new InputWatch(*scripted))
{
}

ScriptedSession::~ScriptedSession()
{
    scripted->lookOverWindows(QStringLiteral("the end of the session"), nullptr,
                              QApplication::activeWindow());
    if (!scripted->layoutFaults.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("what the student sees is not right:\n") +
                                scripted->layoutFaults.join(u'\n')),
                     __FILE__, __LINE__);
    delete inputWatch;
    DisposeAllForms();
    setPlatform(previous);
    delete scripted;
}

void DisposeAllForms()
{
    CloseAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

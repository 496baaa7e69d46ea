#pragma once

#include "problem_keeping.h"

#include <QPoint>
#include <QString>
#include <exception>
#include <functional>
#include <optional>

class QPainter;
class QRectF;
class QuestionDialog;

// Thrown to unwind the handler that ended the program, however deep inside a
// loop of prompts it was. Handlers are entered through RunHandler, which
// catches it.
struct ProgramEnded : std::exception {
    const char *what() const noexcept override { return "program ended"; }
};

inline constexpr unsigned RussianKeyboardLayout = 0x04190419;
inline constexpr unsigned EnglishKeyboardLayout = 0x04090409;

// What a prompt asks for. At a number's prompt the decimal point comes out
// as "." from any decimal key, whichever keyboard layout is on; a name is
// taken exactly as typed.
enum class PromptInput { Number, Name };

// The answers of a Yes/No question. Esc and the close button of a question
// stand for the answer that keeps the work and the program as they are:
// never the one that ends the program or removes something.
enum class Answer { Yes, No };

// Everything the program needs from the desktop: prompts, message boxes,
// beeps, the keyboard layout, the printer, the clock and its own folder.
// QtPlatform serves a student; a scripted platform serves the tests.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal input prompt with its top-left corner at the given position
    // (twips from the screen's top-left corner). Nothing when cancelled.
    virtual std::optional<QString> prompt(const QString &title, const QString &text, QPoint twips,
                                          PromptInput input) = 0;
    // A modal message box with "Да" and "Нет"; true for "Да". Esc and the
    // close button give onDismiss.
    virtual bool askYesNo(const QString &title, const QString &text, Answer onDismiss) = 0;
    // A modal message box with "ОК" only, for news the student just has to
    // read (a print that did not happen).
    virtual void showMessage(const QString &title, const QString &text) = 0;
    // Shows a design dialog (Form3, Form5 and their twins) modally until one
    // of its buttons Command1 ("Да") or Command2 ("Нет") is pressed; Esc and
    // its close button press the one that keeps the work.
    virtual bool runDialog(QuestionDialog &dialog) = 0;
    virtual void beep() = 0;
    // Switches to the Russian or the US English layout where the window
    // system allows it; elsewhere the request is only recorded.
    virtual void switchKeyboardLayout(unsigned layout) = 0;

    // The file dialog: a file to open, starting in folder, or the file to
    // save to, starting at suggested; filter is the dialog's line of file
    // types ("Задачи (*.tarelin)"). Empty when cancelled.
    virtual QString chooseFileToOpen(const QString &title, const QString &folder, const QString &filter) = 0;
    virtual QString chooseFileToSave(const QString &title, const QString &suggested,
                                     const QString &filter) = 0;

    // The printer. beginDocument opens the print dialog where there is one;
    // false means cancelled or failed, with nothing printed.
    virtual bool beginDocument(const QString &title) = 0;
    virtual void printLine(const QString &line) = 0;
    virtual void endPage() = 0;
    // False when the document could not be finished.
    virtual bool endDocument() = 0;

    // A picture on one landscape page, through the print dialog where there
    // is one: paint draws it into the page's printable rectangle. False when
    // cancelled or failed, with nothing printed.
    using PagePainter = std::function<void(QPainter &, const QRectF &)>;
    virtual bool printPicture(const QString &title, const PagePainter &paint) = 0;

    virtual QString shortDate() = 0;
    virtual QString shortTime() = 0;
    virtual QString programFolder() = 0;

    // Ends the program: closes every window, leaves the event loop and throws
    // ProgramEnded so that the asking handler stops too.
    [[noreturn]] void endProgram();
    bool hasEnded() const { return ended; }
    // Every blocking call checks this after it returns: a handler that was
    // waiting in a prompt while another one ended the program stops as well.
    void throwIfEnded() const;
    // What the end of the program closes first: the windows, which their
    // owner knows and the platform does not.
    void setWindowCloser(std::function<void()> closer) { closeWindows = std::move(closer); }

protected:
    // Leaves the event loop; a platform without one has nothing to leave.
    virtual void leaveEventLoop() {}

private:
    bool ended = false;
    std::function<void()> closeWindows;
};

Platform &platform();
// Installs the platform for this run; the previous one is returned.
Platform *setPlatform(Platform *next);

// Runs one event handler; the end of the program unwinds to here. What the
// handler typed or changed is then kept on the disk, even when it ended the
// program.
template <typename Handler> void RunHandler(Handler &&handler)
{
    try {
        handler();
    } catch (const ProgramEnded &) {
    }
    keeping().keep();
}

// Convenience wrappers for the end of the program.
[[noreturn]] void EndProgram();

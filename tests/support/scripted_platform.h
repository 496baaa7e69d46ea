#pragma once

#include "ui/platform.h"

#include <QImage>

class QObject;
class QWidget;

#include <QList>
#include <QPoint>
#include <QQueue>
#include <QSet>
#include <QString>
#include <QStringList>

// A platform for tests: prompts and questions are answered from queues, and
// everything the program asks, shows, beeps or prints is recorded. A prompt
// or question the script did not expect fails the test loudly.
class ScriptedPlatform : public Platform {
public:
    struct Prompt {
        QString title, text;
        QPoint position; // twips
        QString answer;  // null when cancelled
        PromptInput input;
    };
    struct Question {
        QString title, text;
        bool answer;
        bool dismissed; // answered with Esc
    };
    struct Dialog {
        QString name;       // Form3, Form5, ...
        QStringList labels; // Label1, Label2 captions
        QPoint position;    // twips
        bool answer;
        bool dismissed; // answered with Esc
    };

    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // The script. A null QString answer means a cancelled prompt.
    ScriptedPlatform &answer(const QString &text);
    ScriptedPlatform &answers(const QStringList &texts);
    ScriptedPlatform &cancel();
    ScriptedPlatform &yes();
    ScriptedPlatform &no();
    // Esc: a message box gives the answer it declares for it, a dialog gets
    // the key itself.
    ScriptedPlatform &dismiss();
    // The file the student picks in the next file dialog; a null QString
    // cancels it.
    ScriptedPlatform &chooseFile(const QString &path);
    // Dialog windows (Form3, Form5, ...) are answered from the same queue of
    // yes/no answers as message boxes.

    std::optional<QString> prompt(const QString &title, const QString &text, QPoint twips,
                                  PromptInput input) override;
    bool askYesNo(const QString &title, const QString &text, Answer onDismiss) override;
    void showMessage(const QString &title, const QString &text) override;
    bool runDialog(QuestionDialog &dialog) override;
    void beep() override;
    void switchKeyboardLayout(unsigned layout) override;
    QString chooseFileToOpen(const QString &title, const QString &folder, const QString &filter) override;
    QString chooseFileToSave(const QString &title, const QString &suggested, const QString &filter) override;
    bool beginDocument(const QString &title) override;
    void printLine(const QString &line) override;
    void endPage() override;
    bool endDocument() override;
    bool printPicture(const QString &title, const PagePainter &paint) override;
    QString shortDate() override { return date; }
    QString shortTime() override { return time; }
    QString programFolder() override { return folder; }

    // What happened.
    QList<Prompt> prompts;
    QList<Question> questions;
    struct Message {
        QString title, text;
    };
    QList<Message> messages;
    QList<Dialog> dialogs;
    struct FileRequest {
        bool save;
        QString title, start, filter; // start: the folder, or the suggested file
    };
    QList<FileRequest> fileRequests;
    QList<unsigned> layouts;
    int beeps = 0;
    // Events in order: "prompt:TITLE", "beep", "question:TITLE", "dialog:FormN",
    // "message:TITLE", "file:TITLE".
    QStringList events;
    QList<QStringList> printedPages; // the pages of finished documents
    QStringList currentPage;
    bool printerCancels = false; // beginDocument answers "cancelled"
    bool printerFails = false;   // endDocument answers "could not finish"
    int documentsPrinted = 0;
    // Printed pictures, painted on an A4 landscape page at 96 dpi.
    QList<QImage> printedPictures;

    QString date = QStringLiteral("08.12.2026");
    QString time = QStringLiteral("21:00");
    QString folder; // the program's own folder: the one with its picture

    // Every window on the screen is looked over (layout_check.h) at each
    // prompt, question, dialog and message, before each click and key the
    // test sends, and at the end of the session; a fault found fails the
    // test at the end of the session.
    // A dialog about to be shown is looked over too; the window waiting for
    // the student's input also for where its focus is.
    void lookOverWindows(const QString &moment, const QWidget *dialog = nullptr,
                         const QWidget *waiting = nullptr);
    QStringList layoutFaults; // each fault once, with the moment it was first seen
    bool looksOver = true;

    bool unansweredPromptsLeft() const { return !promptAnswers.isEmpty(); }
    bool unansweredQuestionsLeft() const { return !yesNoAnswers.isEmpty(); }
    int pendingPrompts() const { return int(promptAnswers.size()); }

private:
    enum class Reply { Yes, No, Dismiss };
    QQueue<QString> promptAnswers;
    QQueue<Reply> yesNoAnswers;
    QQueue<QString> fileAnswers;
    QString answerFileDialog(bool save, const QString &title, const QString &start, const QString &filter);
    QSet<QString> faultsSeen;
    bool documentOpen = false;
    qsizetype documentStart = 0;
};

// Installs a fresh scripted platform for one test and removes it afterwards.
class ScriptedSession {
public:
    ScriptedSession();
    ~ScriptedSession();
    ScriptedPlatform &platform() { return *scripted; }
    ScriptedPlatform *operator->() { return scripted; }

private:
    ScriptedPlatform *scripted;
    Platform *previous;
    QObject *inputWatch;
};

// Unloads every window and lets Qt delete them.
void DisposeAllForms();

#pragma once

#include "platform.h"

#include <QList>
#include <QStringList>
#include <memory>

class PagePrinter;

// The platform of a student at a desktop: Qt's dialogs with Russian buttons,
// the system beep, the system print dialog.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

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

    QString shortDate() override;
    QString shortTime() override;
    QString programFolder() override;

    // The layouts requested so far, switched to or not.
    QList<unsigned> requestedLayouts;

protected:
    void leaveEventLoop() override;

private:
    std::unique_ptr<PagePrinter> printer;
};

// Loads Qt's own Russian translation so that standard dialogs speak Russian.
void InstallRussianTranslation();

// The groups (0-based) of the Russian and the US English layouts in an XKB
// keymap, found by the groups' names ("Russian", "English (US)") or else by
// the keymap's symbols ("pc+us+ru:2+inet(evdev)"); -1 where there is none.
struct KeyboardGroups {
    int russian = -1;
    int english = -1;
};
KeyboardGroups FindKeyboardGroups(const QStringList &groupNames, const QString &symbols);

// Locks the X keyboard group of the layout (RussianKeyboardLayout or
// EnglishKeyboardLayout) when the program runs on X11 with a keymap that has
// both; false where it cannot.
bool LockKeyboardLayout(unsigned layout);

#pragma once

#include "form_base.h"
#include "platform.h"

#include <QString>
#include <optional>

class QPushButton;

// A modal prompt for a new number at (x, y) twips; a cancelled prompt gives "".
QString PromptValue(const QString &title, const QString &prompt, int x, int y);
// The same for a name (the student's, a component's), taken as typed.
QString PromptName(const QString &title, const QString &prompt, int x, int y);
// A prompt that corrects a number already stored: the answer, or nothing
// when the student cancelled, and the stored value then stays as it was.
std::optional<QString> PromptCorrection(const QString &title, const QString &prompt, int x, int y);

// A count or a ranged value: asked until the answer (rounded half to even)
// lies in low..high. Out of range: a beep and the "ОШИБКА !" box with the
// message; "Да" asks again, "Нет" ends the program.
int PromptCount(const QString &title, const QString &prompt, int x, int y, int low, int high,
                const QString &message);

// The "ОШИБКА !" box of a ranged prompt: a beep, then "Да" returns so that
// the caller asks again, "Нет" ends the program.
void ReportOutOfRange(const QString &message);

// The two-button "Внимание !" dialogs: the warning after a failed check
// (Form3 and its twins) and the removal question (Form5 and its twins). Esc
// and the close button press the button of onDismiss, the answer that keeps
// the work as it is.
class QuestionDialog : public FormBase {
    Q_OBJECT
public:
    QuestionDialog(const QString &designName, const QString &line1, const QString &line2, Answer onDismiss);

    Answer dismissedAnswer() const { return onDismiss; }
    // Esc or the close button.
    void dismiss();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeRequested() override;

private:
    Answer onDismiss;
};

// The warning dialog after a failed check, its top-left corner at
// (left, top) twips. Returns on "Да" (go and correct); "Нет" ends the program.
void ShowWarningDialog(const QString &designName, int left, int top);
// The same dialog for a road on which "Нет" does not end the program: true
// for "Да", false for "Нет".
bool AskToCorrect(const QString &designName, int left, int top);
// Left edge that centres the warning dialog on a window.
int WarningDialogLeftCentredOn(const FormBase &window);
inline constexpr int WarningDialogWidth = 4800;
inline constexpr int WarningDialogHeight = 1800;

// The removal dialog: "Убираете" and the point in question. True for "Да".
bool ConfirmRemoval(const QString &designName, const QString &pointText, int left, int top);

// Verdict colours of a check.
void ColourVerdictButtons(QPushButton *accept, QPushButton *change, bool faulty);
void ColourVerdictButton(QPushButton *button, bool faulty);

#include "prompts.h"
#include "platform.h"

#include "model/text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

QString PromptValue(const QString &title, const QString &prompt, int x, int y)
{
    return platform().prompt(title, prompt, QPoint(x, y), PromptInput::Number).value_or(QString());
}

QString PromptName(const QString &title, const QString &prompt, int x, int y)
{
    return platform().prompt(title, prompt, QPoint(x, y), PromptInput::Name).value_or(QString());
}

std::optional<QString> PromptCorrection(const QString &title, const QString &prompt, int x, int y)
{
    return platform().prompt(title, prompt, QPoint(x, y), PromptInput::Number);
}

void ReportOutOfRange(const QString &message)
{
    platform().beep();
    // Esc goes on with the work: only "Нет" itself ends the program.
    if (!platform().askYesNo(QStringLiteral("ОШИБКА !"), message + QStringLiteral("    Продолжаете работу ?"),
                             Answer::Yes))
        EndProgram();
}

int PromptCount(const QString &title, const QString &prompt, int x, int y, int low, int high,
                const QString &message)
{
    for (;;) {
        const double count = RoundedCount(NormalizeDecimal(PromptValue(title, prompt, x, y)));
        if (count >= low && count <= high)
            return int(count);
        ReportOutOfRange(message);
    }
}

QuestionDialog::QuestionDialog(const QString &designName, const QString &line1, const QString &line2,
                               Answer onDismiss)
    : FormBase(designName)
    , onDismiss(onDismiss)
{
    setWindowTitle(QStringLiteral("Внимание !"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setGeometryTwips(0, 0, WarningDialogWidth, WarningDialogHeight);
    setFixedSize(size());

    QLabel *label1 = addLabel(QStringLiteral("Label1"), line1);
    QLabel *label2 = addLabel(QStringLiteral("Label2"), line2);
    placeTwips(label1, 0, 180, WarningDialogWidth, 250);
    placeTwips(label2, 0, 480, WarningDialogWidth, 250);
    label1->setAlignment(Qt::AlignHCenter);
    label2->setAlignment(Qt::AlignHCenter);

    QPushButton *yes = addButton(QStringLiteral("Command1"), QStringLiteral("Да"));
    QPushButton *no = addButton(QStringLiteral("Command2"), QStringLiteral("Нет"));
    no->setFocusPolicy(Qt::ClickFocus);
    // Three equal gaps: left of the first button, between them, right of the second.
    const int buttonWidth = 1200, buttonHeight = 400, top = 900;
    const int gap = (WarningDialogWidth - 2 * buttonWidth) / 3;
    placeTwips(yes, gap, top, buttonWidth, buttonHeight);
    placeTwips(no, 2 * gap + buttonWidth, top, buttonWidth, buttonHeight);
    yes->setDefault(true);
    yes->setFocus();
}

void QuestionDialog::dismiss()
{
    const QString button = onDismiss == Answer::Yes ? QStringLiteral("Command1") : QStringLiteral("Command2");
    findChild<QPushButton *>(button)->click();
}

void QuestionDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        dismiss();
    else
        FormBase::keyPressEvent(event);
}

void QuestionDialog::closeRequested()
{
    dismiss();
}

namespace {

bool askWithDialog(const QString &designName, const QString &line1, const QString &line2, Answer onDismiss,
                   int left, int top)
{
    auto *dialog = new QuestionDialog(designName, line1, line2, onDismiss);
    dialog->moveTwips(left, top);
    bool answer = false;
    try {
        answer = platform().runDialog(*dialog);
    } catch (const ProgramEnded &) {
        dialog->unload();
        throw;
    }
    dialog->unload();
    return answer;
}

} // namespace

bool AskToCorrect(const QString &designName, int left, int top)
{
    // Esc goes to the correction, which keeps everything typed.
    return askWithDialog(designName, QStringLiteral("Ошибка в исходной информации."),
                         QStringLiteral("Изменяете исходную информацию?"), Answer::Yes, left, top);
}

void ShowWarningDialog(const QString &designName, int left, int top)
{
    if (!AskToCorrect(designName, left, top))
        EndProgram();
}

int WarningDialogLeftCentredOn(const FormBase &window)
{
    return PixelsToTwips(window.x()) + (window.widthTwips() - WarningDialogWidth) / 2;
}

bool ConfirmRemoval(const QString &designName, const QString &pointText, int left, int top)
{
    return askWithDialog(designName, QStringLiteral("Убираете"), pointText, Answer::No, left, top);
}

void ColourVerdictButton(QPushButton *button, bool faulty)
{
    FormBase::setBackColor(button, VbColor(faulty ? VbRed : VbGreen));
}

void ColourVerdictButtons(QPushButton *accept, QPushButton *change, bool faulty)
{
    ColourVerdictButton(accept, faulty);
    FormBase::setBackColor(change, VbColor(VbGreen));
    // The tab stop and the focus go to what the student should press next.
    QPushButton *next = faulty ? change : accept;
    QPushButton *other = faulty ? accept : change;
    next->setFocusPolicy(Qt::StrongFocus);
    other->setFocusPolicy(Qt::ClickFocus);
    if (auto *window = qobject_cast<FormBase *>(next->window()))
        window->giveFocus(next);
}

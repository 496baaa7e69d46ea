#include "decimal_point_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QString>

namespace {

// The text a key types into a number's field. A comma typed as such stays:
// the number reader takes the first one for the decimal sign.
QString numericFieldText(const QKeyEvent &key)
{
    static const QString decimalKeys = QStringLiteral("/юЮбБ");
    const QString &typed = key.text();
    if (typed.size() != 1)
        return typed;
    if (decimalKeys.contains(typed.front()) ||
        (typed.front() == u',' && key.modifiers().testFlag(Qt::KeypadModifier)))
        return QStringLiteral(".");
    return typed;
}

class DecimalPointKeys : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = numericFieldText(*key);
        if (text == key->text() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return QObject::eventFilter(watched, event);
        static_cast<QLineEdit *>(watched)->insert(text);
        return true;
    }
};

} // namespace

void TypeDecimalPointFromAnyLayout(QLineEdit *edit)
{
    edit->installEventFilter(new DecimalPointKeys(edit));
}

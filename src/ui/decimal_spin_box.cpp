#include "decimal_spin_box.h"
#include "decimal_point_keys.h"

#include <QLineEdit>
#include <QLocale>

namespace {

QString withDecimalPoint(QString text)
{
    return text.replace(u',', u'.');
}

} // namespace

DecimalSpinBox::DecimalSpinBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(numbers);
    TypeDecimalPointFromAnyLayout(lineEdit());
}

QValidator::State DecimalSpinBox::validate(QString &input, int &position) const
{
    input = withDecimalPoint(input);
    return QDoubleSpinBox::validate(input, position);
}

double DecimalSpinBox::valueFromText(const QString &text) const
{
    return QDoubleSpinBox::valueFromText(withDecimalPoint(text));
}

#pragma once

#include <QDoubleSpinBox>

// A spin box for a number a student types: the decimal point is ".", as in
// every prompt of the program, whatever the locale; a comma is read as the
// decimal point too, and the decimal-point keys of either keyboard layout
// type ".".
class DecimalSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit DecimalSpinBox(QWidget *parent);

    QValidator::State validate(QString &input, int &position) const override;
    double valueFromText(const QString &text) const override;
};

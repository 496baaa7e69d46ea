#pragma once

#include "ui/form_base.h"

class QLabel;
class QPushButton;

// The change-data menu Form24: one button per data set, coloured by whether
// the set holds data, the recalculation and the end of the work.
class ChangeDataMenu : public FormBase {
    Q_OBJECT
public:
    ChangeDataMenu();

    // Sets the colours and the legend for the current problem state.
    void refresh();

    static QColor enteredColour() { return QColor(128, 255, 128); }
    static QColor notEnteredColour() { return QColor(255, 255, 255); }
    static QColor exitColour() { return QColor(255, 128, 128); }
    // A set that fails its check: the verdict colour of a faulty table.
    static QColor failedColour() { return QColor(255, 0, 0); }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *menuButton(int index) const { return buttons[index]; }
    void placeButtons();
    // Leaves the menu before a change road or the recalculation opens.
    void leaveMenu();

    QPushButton *buttons[11] = {};
    QLabel *entered = nullptr;
    QLabel *notEntered = nullptr;
};

#pragma once

#include "double_click_start.h"

#include <QListWidget>

// A list of the design's windows in the fixed-pitch font. Disabled, it is
// for display only and stays as legible as when it can be clicked. Enter on
// the current row does what a click on that row does, so a student can pick
// a row with the arrow keys. A row is clicked only by a click aimed at it:
// the second click of a double click that began elsewhere (on the button
// that opened the list where the pointer stood) clicks nothing.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent);

    // Replaces the rows and keeps the current row where it was, as far as
    // the new rows reach.
    void setRows(const QStringList &rows);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    DoubleClickStart clickStart;
    bool ignoresRelease = false;
};

#pragma once

#include <QListWidget>

// A list of the design's windows in the fixed-pitch font. Disabled, it is
// for display only and stays as legible as when it can be clicked. Enter on
// the current row does what a click on that row does, so a student can pick
// a row with the arrow keys.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent);

    // Replaces the rows and keeps the current row where it was, as far as
    // the new rows reach.
    void setRows(const QStringList &rows);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

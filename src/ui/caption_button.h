#pragma once

#include "double_click_start.h"

#include <QPushButton>

// A command button whose caption wraps onto several lines when it is wider
// than the button, breaking at its runs of spaces, as the design's long
// captions expect. text() keeps the caption exactly as given. A picture
// stands at the left, beside the caption, never over it. Enter presses the
// button that has the focus, and the focus is framed in black so that it
// shows on every back colour. The second click of a double click that began
// elsewhere (on a button of the window this one replaced) does not press it.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Where the caption and the picture are painted, in the button's pixels.
    struct Layout {
        QString shown;  // the caption as painted
        QRect area;     // the room inside the bevel
        QRect textArea; // the room left to the caption
        QRect text;     // what the caption's lines take up
        QRect icon;     // empty without a picture
    };
    Layout captionLayout() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    DoubleClickStart clickStart;
};

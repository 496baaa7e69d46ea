#pragma once

#include <QPushButton>

// A command button whose caption wraps onto several lines when it is wider
// than the button, breaking at its runs of spaces, as the design's long
// captions expect. text() keeps the caption exactly as given.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

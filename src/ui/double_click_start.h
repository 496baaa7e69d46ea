#pragma once

class QMouseEvent;

// Where a double click began. Qt hands the second click of a double click
// to whatever is under the pointer by then, as a double-click event without
// a press of its own. When the first click opened a list or a window right
// there, a line of that list or a button of that window receives a click the
// student never aimed at it. A control remembers its own presses, and acts
// on a double click only when its first click was its own.
class DoubleClickStart {
public:
    void notePress(const QMouseEvent &press);
    // Whether the first click of this double click pressed this control.
    bool beganHere(const QMouseEvent &doubleClick) const;

private:
    bool pressed = false;
    unsigned long long lastPress = 0; // the event time, in milliseconds
};

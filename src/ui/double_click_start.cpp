#include "double_click_start.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

void DoubleClickStart::notePress(const QMouseEvent &press)
{
    pressed = true;
    lastPress = press.timestamp();
}

bool DoubleClickStart::beganHere(const QMouseEvent &doubleClick) const
{
    const auto interval =
        static_cast<unsigned long long>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return pressed && doubleClick.timestamp() >= lastPress && doubleClick.timestamp() - lastPress <= interval;
}

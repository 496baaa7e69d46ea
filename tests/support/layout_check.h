#pragma once

#include <QRect>
#include <QStringList>

class QWidget;

// The laptop screen every window has to fit, frame included.
inline constexpr QRect LaptopScreen(0, 0, 1366, 768);

// What a student would see wrong on a window, measured with the fonts the
// controls really use: a label, button caption, list row or printed text
// wider or taller than the room its control gives it; a picture over a
// caption; two controls, or a control and printed text, lying over each
// other where the design does not lay one over the other; a control outside
// its window, or the window not wholly on the laptop screen. Controls hidden
// in the window are not looked at; the window itself is looked at whether it
// is shown or not (a dialog about to be shown, say).
QStringList LayoutFaults(const QWidget &window);

// A window waiting for the student with something to press or pick has the
// focus on a control the student can see, so that the keyboard works there.
QStringList FocusFaults(const QWidget &window);

// The faults of every window on the screen.
QStringList LayoutFaultsOfShownWindows();

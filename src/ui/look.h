#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The look every window and picture of the program shares: the design's
// measures in twips, its colours and its fonts.

// Screen measures are given in twips; at 96 dpi 15 twips make one pixel.
inline constexpr int TwipsPerPixel = 15;
int TwipsToPixels(int twips);
// The width a window needs to show its whole title: the title in the bold
// type of title bars and the room the window manager takes for its icon and
// buttons.
int TitleBarWidth(const QString &title, const QFont &font);
int PixelsToTwips(int pixels);

// Colours as the design writes them (blue-green-red byte order).
inline constexpr unsigned VbRed = 255;
inline constexpr unsigned VbGreen = 65280;
inline constexpr unsigned VbYellow = 65535;
inline constexpr unsigned VbBlue = 16711680;
QColor VbColor(unsigned bgr);

// The fixed-pitch Cyrillic font of lists, control tables and printed text.
QFont FixedPitchFont();
// The font of the headings printed on the data windows: the desktop's
// normal font, 10 points, bold.
QFont HeadingFont();

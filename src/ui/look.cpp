#include "look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>

#include <cmath>

int TwipsToPixels(int twips)
{
    return int(std::lround(double(twips) / TwipsPerPixel));
}

int PixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

QColor VbColor(unsigned bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont FixedPitchFont()
{
    static const QFont font = [] {
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        if (!QFontDatabase::families().contains(f.family()))
            f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        f.setPixelSize(11);
        return f;
    }();
    return font;
}

QFont HeadingFont()
{
    QFont font = QGuiApplication::font();
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

int TitleBarWidth(const QString &title, const QFont &font)
{
    constexpr int TitleBarButtonsWidth = 120;
    QFont titleFont = font;
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(title) + TitleBarButtonsWidth;
}

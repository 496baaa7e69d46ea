#include "picture_format.h"

#include <QFileInfo>

std::optional<PictureFormat> PictureFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return PictureFormat::Png;
    if (suffix == u"svg")
        return PictureFormat::Svg;
    if (suffix == u"pdf")
        return PictureFormat::Pdf;
    return std::nullopt;
}

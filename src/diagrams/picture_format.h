#pragma once

#include <QString>

#include <optional>

// The kinds of picture file the diagrams are written to, told by the file
// name's extension (in any case).
enum class PictureFormat { Png, Svg, Pdf };
std::optional<PictureFormat> PictureFormatOf(const QString &path);

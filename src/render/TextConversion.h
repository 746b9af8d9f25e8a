#pragma once

#include "platform/Windows1252.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace gw {

// Record and settings texts are Windows-1252; Qt speaks Unicode.  These are the only crossings.
inline QString toQString(std::string_view windows1252)
{
    const std::string utf8 = windows1252ToUtf8(windows1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string fromQString(const QString &text)
{
    return utf8ToWindows1252(text.toUtf8().toStdString());
}

// A Windows colour value, 0x00BBGGRR.
inline QColor colourFromWindows(std::uint32_t value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
        static_cast<int>((value >> 16) & 0xFF));
}

inline std::uint32_t colourToWindows(const QColor &colour)
{
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8
        | static_cast<std::uint32_t>(colour.blue()) << 16;
}

} // namespace gw

#include "layout/QtLayoutFont.h"

#include "platform/QtText.h"

#include <algorithm>
#include <cmath>

namespace gw::layout {

QFont qtLayoutFont(const LayoutFont &font)
{
    QFont shown(toQString(font.face.view()));
    shown.setPointSize(std::max<int>(1, font.size));
    shown.setBold(font.style.bold != 0);
    shown.setItalic(font.style.italic != 0);
    shown.setUnderline(font.style.underline != 0);
    shown.setStrikeOut(font.style.strikeout != 0);
    return shown;
}

void storeLayoutFont(LayoutFont &font, const QFont &chosen)
{
    font.face.assign(fromQString(chosen.family()));
    // A font given in pixels has no point size (-1); it keeps the size it had.
    if (chosen.pointSizeF() > 0)
        font.size = static_cast<std::int16_t>(std::clamp<long>(std::lround(chosen.pointSizeF()), 1, 32767));
    font.style.bold = chosen.bold() ? 1 : 0;
    font.style.italic = chosen.italic() ? 1 : 0;
    font.style.underline = chosen.underline() ? 1 : 0;
    font.style.strikeout = chosen.strikeOut() ? 1 : 0;
}

} // namespace gw::layout

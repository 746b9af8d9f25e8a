#include "layout/ui/LayoutFontChoice.h"

#include "render/TextConversion.h"

#include <algorithm>
#include <cmath>

namespace gw::layout {

app::FontChoice layoutFontChoice(const LayoutFont &font)
{
    QFont shown(toQString(font.face.view()));
    shown.setPointSize(std::max<int>(1, font.size));
    shown.setBold(font.style.bold != 0);
    shown.setItalic(font.style.italic != 0);
    shown.setUnderline(font.style.underline != 0);
    shown.setStrikeOut(font.style.strikeout != 0);
    return app::FontChoice { shown, colourFromWindows(font.colour) };
}

void storeLayoutFont(LayoutFont &font, const app::FontChoice &chosen)
{
    font.face.assign(fromQString(chosen.font.family()));
    // A font given in pixels has no point size (-1); it keeps the size it had.
    if (chosen.font.pointSizeF() > 0)
        font.size
            = static_cast<std::int16_t>(std::clamp<long>(std::lround(chosen.font.pointSizeF()), 1, 32767));
    if (chosen.colour.isValid())
        font.colour = colourToWindows(chosen.colour);
    font.style.bold = chosen.font.bold() ? 1 : 0;
    font.style.italic = chosen.font.italic() ? 1 : 0;
    font.style.underline = chosen.font.underline() ? 1 : 0;
    font.style.strikeout = chosen.font.strikeOut() ? 1 : 0;
}

} // namespace gw::layout

#pragma once

#include "model/HtmlBlock.h"
#include "model/Settings.h"
#include "platform/Failure.h"

#include <QImage>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace gw::exports {

// HTML font sizes 1..7 and the point sizes the "Font Size" lists show for them.
constexpr std::array<std::string_view, 7> HtmlFontSizeNames { "8 pt", "10 pt", "12 pt", "14 pt", "18 pt",
    "24 pt", "36 pt" };

// A header or footer block as one line, from the inside out: the font size around the text
// (written as typed, line breaks and "<" included), then bold, italic and centre, then two
// blanks in front and "<P>" behind.  No CR LF.
std::string htmlBlockLine(const model::HtmlBlock &block);

// The page's picture: the page file's name without its folder, its last three characters
// replaced by "JPG" (PUZZLE.htm gives PUZZLE.JPG).
std::string pictureName(const std::filesystem::path &pageFile);

// The whole page, each line ended by CR LF: head with the title and generator, the non-empty
// header blocks, the upper rule, the picture line, the lower rule, the non-empty footer blocks.
// Texts are written as the settings hold them.
std::string htmlPage(const model::Settings &settings, std::string_view picture);

// The texts of the "HTML Creation" dialog as "&Save HTML" keeps them: each block cut to its
// first 999 characters, the web title trimmed and cut to 100.
void storeHtmlTexts(model::Settings &settings, std::string_view firstHeader, std::string_view secondHeader,
    std::string_view firstFooter, std::string_view secondFooter, std::string_view webTitle);

inline Failure unableToCreateHtml()
{
    return { "Error", "Unable to create html file." };
}

// Writes the page from the settings, then the page image beside it as its JPEG picture at the
// settings' quality factor.  No picture is written when the page cannot be.
Status writeHtmlExport(
    const model::Settings &settings, const std::filesystem::path &pageFile, const QImage &pageImage);

} // namespace gw::exports

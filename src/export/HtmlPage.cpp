#include "export/HtmlPage.h"

#include "export/BitmapFile.h"
#include "export/ExportFile.h"
#include "export/JpegFile.h"
#include "platform/Text.h"

#include <string>

namespace gw::exports {

namespace {

constexpr std::string_view Crlf = "\r\n";
constexpr std::size_t PictureSuffixLength = 3;

void line(std::string &page, std::string_view text)
{
    page += text;
    page += Crlf;
}

void blockIfAny(std::string &page, const model::HtmlBlock &block)
{
    if (!block.text.empty())
        line(page, htmlBlockLine(block));
}

std::string cut(std::string_view text, std::size_t capacity)
{
    return std::string(text.substr(0, capacity));
}

} // namespace

std::string htmlBlockLine(const model::HtmlBlock &block)
{
    std::string made = "<FONT SIZE=" + std::to_string(block.fontSize) + ">" + block.text + "</FONT>";
    if (block.bold)
        made = "<B>" + made + "</B>";
    if (block.italic)
        made = "<I>" + made + "</I>";
    if (block.center)
        made = "<CENTER>" + made + "</CENTER>";
    return "  " + made + "<P>";
}

std::string pictureName(const std::filesystem::path &pageFile)
{
    std::string name = pageFile.filename().string();
    name.resize(name.size() > PictureSuffixLength ? name.size() - PictureSuffixLength : 0);
    return name + "JPG";
}

std::string htmlPage(const model::Settings &settings, std::string_view picture)
{
    std::string page;
    line(page, "<HTML>");
    line(page, " <HEAD>");
    line(page, "  <TITLE>" + settings.webTitle + "</TITLE>");
    line(page, "  <META NAME=\"GENERATOR\" CONTENT=\"Brackenfold / Gridwright 97\">");
    line(page, " </HEAD>");
    line(page, " <BODY>");
    blockIfAny(page, settings.firstHeader);
    blockIfAny(page, settings.secondHeader);
    if (settings.horizontalUpper)
        line(page, "  <HR><P>");
    line(page,
        "  <CENTER><IMG SRC=\"" + std::string(picture) + "\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>");
    if (settings.horizontalLower)
        line(page, "  <HR><P>");
    blockIfAny(page, settings.firstFooter);
    blockIfAny(page, settings.secondFooter);
    line(page, " </BODY>");
    line(page, "</HTML>");
    return page;
}

void storeHtmlTexts(model::Settings &settings, std::string_view firstHeader, std::string_view secondHeader,
    std::string_view firstFooter, std::string_view secondFooter, std::string_view webTitle)
{
    settings.firstHeader.text = cut(firstHeader, model::HtmlBlockCapacity);
    settings.secondHeader.text = cut(secondHeader, model::HtmlBlockCapacity);
    settings.firstFooter.text = cut(firstFooter, model::HtmlBlockCapacity);
    settings.secondFooter.text = cut(secondFooter, model::HtmlBlockCapacity);
    settings.webTitle = storedText(webTitle, model::WebTitleCapacity);
}

Status writeHtmlExport(
    const model::Settings &settings, const std::filesystem::path &pageFile, const QImage &pageImage)
{
    const std::string picture = pictureName(pageFile);
    const std::filesystem::path pictureFile = pageFile.parent_path() / picture;
    // A page named like its own picture would be replaced by it.
    if (pictureFile.filename() == pageFile.filename())
        return unableToCreateHtml();
    if (const Status written = writeWholeFile(pageFile, htmlPage(settings, picture), unableToCreateHtml());
        !written)
        return written;
    const QImage picturePixels = inColourDepth(pageImage, bitsPerPixelOf(settings.pixelFormat));
    return writeJpeg(picturePixels, pictureFile, settings.jpegCompressionQuality);
}

} // namespace gw::exports

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "cli/RunFolders.h"
#include "cli/render/PrintSession.h"
#include "export/BitmapFile.h"
#include "export/CrosswordFiles.h"
#include "export/HtmlPage.h"
#include "export/JpegFile.h"
#include "export/MetafileExport.h"
#include "export/WebPuzzle.h"
#include "platform/Windows1252.h"
#include "report/PageImage.h"

#include <array>
#include <cstdio>
#include <optional>
#include <set>
#include <string_view>

namespace gw::cli {

namespace {

constexpr std::array<std::string_view, 8> Formats { "wmf", "emf", "bmp", "jpg", "html", "web-puzzle", "ipuz",
    "puz" };
constexpr const char *GiveOneFormat
    = "give one of --wmf, --emf, --bmp, --jpg, --html, --web-puzzle, --ipuz, --puz";

// The preview's page image at zoom 100 %: the screen's 96 pixels per inch.
constexpr int DefaultImageDotsPerInch = 96;

bool isPicture(std::string_view format)
{
    return format == "bmp" || format == "jpg" || format == "html";
}

// A whole number from lowest to highest, or nothing.
std::optional<int> numberIn(const std::optional<std::string> &text, long long lowest, long long highest)
{
    const std::optional<long long> value = wholeNumber(text.value_or(""));
    if (!value || *value < lowest || *value > highest)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace

int runExport(const std::vector<std::string> &words)
{
    std::string error;
    std::set<std::string> options = printOptionNames();
    options.insert({ "quality", "depth", "dpi" });
    options.insert(Formats.begin(), Formats.end());
    const auto arguments = CliArguments::parse(words, options, printSwitchNames(), error);
    if (!arguments)
        return reportError(error);
    if (arguments->positional().size() != 2)
        return reportError(usageLine("export"));
    std::string format;
    std::string out;
    for (const std::string_view name : Formats) {
        if (const auto file = arguments->option(std::string(name))) {
            if (!format.empty())
                return reportError(GiveOneFormat);
            format = name;
            out = *file;
        }
    }
    if (format.empty())
        return reportError(GiveOneFormat);
    if (!isPicture(format) && (arguments->option("depth") || arguments->option("dpi")))
        return reportError("--depth and --dpi belong to --bmp, --jpg and --html");
    if (format != "jpg" && format != "html" && arguments->option("quality"))
        return reportError("--quality belongs to --jpg and --html");

    model::Settings settings = runSettings();
    if (const auto quality = arguments->option("quality")) {
        const auto factor = numberIn(quality, exports::LowestJpegFactor, exports::HighestJpegFactor);
        if (!factor)
            return reportError("the quality must be a whole number from 1 to 100: " + *quality);
        settings.jpegCompressionQuality = *factor;
    }
    int depth = exports::bitsPerPixelOf(settings.pixelFormat);
    if (const auto depthText = arguments->option("depth")) {
        if (*depthText != "8" && *depthText != "24")
            return reportError("the depth must be 8 or 24: " + *depthText);
        depth = *depthText == "8" ? 8 : 24;
        settings.pixelFormat = depth == 8 ? 2 : 1;
    }
    int dpi = DefaultImageDotsPerInch;
    if (const auto dpiText = arguments->option("dpi")) {
        const auto value = numberIn(dpiText, static_cast<long long>(report::SmallestImageDotsPerInch),
            static_cast<long long>(report::LargestImageDotsPerInch));
        if (!value)
            return reportError("the resolution must be a whole number from 10 to 1200: " + *dpiText);
        dpi = *value;
    }

    const auto gui = startGui();
    const auto printed = printPuzzle(*arguments, settings, error);
    if (!printed)
        return reportError(error);
    const model::PuzzleRecord &puzzle = printed->job->puzzle();
    const report::RecordedPage &page = printed->engine.pages().front();

    Status written = ok();
    if (format == "wmf" || format == "emf") {
        if (exports::hasBitmapObject(puzzle.layout))
            std::fprintf(stderr, "gridwright-cli: warning: %s\n",
                windows1252ToUtf8(exports::bitmapsNotSaved().text).c_str());
        written = exports::writeMetafile(
            page, out, format == "wmf" ? exports::MetafileKind::Wmf : exports::MetafileKind::Emf);
    } else if (format == "web-puzzle") {
        written = exports::writeWebPuzzle(exports::CrosswordGrid::of(puzzle), out);
    } else if (format == "ipuz") {
        written = exports::writeIpuz(exports::CrosswordGrid::of(puzzle), out);
    } else if (format == "puz") {
        written = exports::writePuz(exports::CrosswordGrid::of(puzzle), out);
    } else {
        const QImage image = exports::inColourDepth(report::renderPageImage(page, dpi), depth);
        if (format == "bmp")
            written = exports::writeBmp(image, out, depth);
        else if (format == "jpg")
            written = exports::writeJpeg(image, out, settings.jpegCompressionQuality);
        else
            written = exports::writeHtmlExport(settings, out, image);
    }
    if (!written)
        return reportError(windows1252ToUtf8(written.error().text));
    return 0;
}

} // namespace gw::cli

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "cli/RunFolders.h"
#include "cli/render/PrintSession.h"
#include "report/PageImage.h"
#include "report/PdfOutput.h"
#include "report/ReportEngine.h"

#include <optional>
#include <set>

namespace gw::cli {

namespace {

constexpr int DefaultImageDotsPerInch = 150;

} // namespace

int runPrint(const std::vector<std::string> &words)
{
    std::string error;
    std::set<std::string> options = printOptionNames();
    options.insert({ "pdf", "png", "dpi" });
    const auto arguments = CliArguments::parse(words, options, printSwitchNames(), error);
    if (!arguments)
        return reportError(error);
    if (arguments->positional().size() != 2)
        return reportError(usageLine("print"));
    const auto pdf = arguments->option("pdf");
    const auto png = arguments->option("png");
    if (!pdf && !png)
        return reportError("give --pdf OUT.pdf or --png OUT.png");
    const auto dpiText = arguments->option("dpi");
    if (dpiText && !png)
        return reportError("--dpi belongs to --png");
    const std::optional<long long> dpi = dpiText ? wholeNumber(*dpiText) : DefaultImageDotsPerInch;
    if (!dpi || *dpi < report::SmallestImageDotsPerInch || *dpi > report::LargestImageDotsPerInch)
        return reportError("the resolution must be a whole number from 10 to 1200: " + dpiText.value_or(""));
    const auto gui = startGui();
    const auto printed = printPuzzle(*arguments, runSettings(), error);
    if (!printed)
        return reportError(error);
    const render::PrintJob &job = *printed->job;
    const report::ReportEngine &engine = printed->engine;

    if (pdf) {
        if (const Status written = report::writePdf(engine.pages(), *pdf, job.puzzle().title.view());
            !written)
            return reportError(written.error().text);
    }
    if (png) {
        const QImage image = report::renderPageImage(engine.pages().front(), static_cast<int>(*dpi));
        if (const Status written = report::saveImage(image, *png, "PNG"); !written)
            return reportError(written.error().text);
    }
    return 0;
}

} // namespace gw::cli

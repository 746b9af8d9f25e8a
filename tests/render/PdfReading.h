#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// What poppler's tools read from a PDF file the program wrote, for the window tests.
namespace gw::test {

inline QString popplerOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text in the order it was drawn.
inline QString pdfText(const QString &pdf)
{
    return popplerOutput("pdftotext", { "-raw", pdf, "-" });
}

inline QString pdfInfo(const QString &pdf)
{
    return popplerOutput("pdfinfo", { pdf });
}

// The page count, or -1 when the file is missing or no PDF.
inline int pdfPages(const QString &pdf)
{
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(pdfInfo(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace gw::test

#include "export/ExportFile.h"

#include <QFile>
#include <QSaveFile>

namespace gw::exports {

Status writeWholeFile(const std::filesystem::path &file, std::string_view bytes, const Failure &failed)
{
    QSaveFile out(QFile::decodeName(file.c_str()));
    if (!out.open(QIODevice::WriteOnly))
        return failed;
    if (out.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())
        || !out.commit())
        return failed;
    return ok();
}

Status writeWholeFile(
    const std::filesystem::path &file, std::span<const std::uint8_t> bytes, const Failure &failed)
{
    return writeWholeFile(
        file, std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()), failed);
}

Failure unableToWrite(const std::filesystem::path &file)
{
    return { "Error", "Unable to write the file " + file.string() + "." };
}

} // namespace gw::exports

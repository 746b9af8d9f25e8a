#include "export/ExportFile.h"

#include "platform/RecordFile.h"

namespace gw::exports {

Status writeWholeFile(const std::filesystem::path &file, std::string_view bytes, const Failure &failed)
{
    if (!writeFileBytes(file, bytes))
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

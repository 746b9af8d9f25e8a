#pragma once

#include "platform/Failure.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace gw::exports {

// Writes the bytes as the whole file: it appears complete or not at all, an earlier file of
// that name staying as it was when writing fails.
Status writeWholeFile(
    const std::filesystem::path &file, std::span<const std::uint8_t> bytes, const Failure &failed);
Status writeWholeFile(const std::filesystem::path &file, std::string_view bytes, const Failure &failed);

// "Unable to write the file NAME." (caption "Error"), for the exports without a message of
// their own.
Failure unableToWrite(const std::filesystem::path &file);

} // namespace gw::exports

#pragma once

#include <cstddef>
#include <filesystem>
#include <sys/types.h>

namespace gw {

// The few system calls every file writer here goes through, retried when interrupted.

// Opens a regular file with the given open(2) flags (new files get mode 0644); -1 when it
// cannot be opened or is not a regular file.
int openRegularFile(const std::filesystem::path &path, int flags);

// Whole transfers at an offset: false unless every byte moved.
bool writeAll(int descriptor, const char *data, std::size_t size, off_t offset);
bool readAll(int descriptor, char *data, std::size_t size, off_t offset);

} // namespace gw

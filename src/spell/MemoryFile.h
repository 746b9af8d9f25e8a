#pragma once

#include <optional>
#include <string>
#include <string_view>

// Bytes held in an anonymous in-memory file that libraries wanting a file name can open
// ("/proc/self/fd/N").  Hunspell and MyThes read their data this way straight out of the
// program's own lexicon and thesaurus files, with nothing written to disk.
namespace gw::spell {

class MemoryFile
{
public:
    // nullopt when the system cannot make one.
    static std::optional<MemoryFile> create(std::string_view bytes);

    MemoryFile(MemoryFile &&other) noexcept;
    MemoryFile &operator=(MemoryFile &&other) noexcept;
    MemoryFile(const MemoryFile &) = delete;
    MemoryFile &operator=(const MemoryFile &) = delete;
    ~MemoryFile();

    // A name that opens the bytes from the start while this object lives.  A reader that
    // opened it keeps its own handle valid after this object goes.
    std::string path() const;

private:
    explicit MemoryFile(int descriptor)
        : m_descriptor(descriptor)
    { }

    int m_descriptor = -1;
};

} // namespace gw::spell

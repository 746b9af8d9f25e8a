#pragma once

#include "platform/Failure.h"
#include "platform/Text.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gw {

// An initialisation file of "[Section]" lines and "key=value" lines, held in memory as its
// lines so that everything the program does not change is written back byte for byte.
//
// Reading: section names and keys are matched without regard to case (upper-case rule of
// Text.h) and with blanks and tabs around them ignored.  Only the first section of a name and
// the first key of a name within it count; later ones are kept but never read or changed.
// A value is what follows the first "=" with blanks and tabs removed at both ends and then
// one pair of matching surrounding quotes ("..." or '...') removed.  Lines whose first
// non-blank character is ";" are comments.  Lines end with LF, CR LF or a lone CR.
//
// Writing: setValue replaces the line of an existing key in place, adds a new key after the
// last non-blank line of its section, and adds a missing section at the end of the file after
// a blank line.  New lines take the line end of the file's first line, so a file keeps its
// own style; a new file gets LF, the convention of this platform.  A value is always one line: a line break
// in it is written as one blank.  A value that reading would change (blanks or tabs at an end, or surrounding
// matching quotes) is written inside double quotes so that it reads back as it was set.
class IniFile
{
public:
    // Files larger than this are read only up to the last whole line within it.
    static constexpr std::size_t ReadLimit = 1024 * 1024;

    IniFile()
        : IniFile(std::string_view())
    { }
    // The document held by a file of these bytes.
    explicit IniFile(std::string_view text);

    // Reads the file whole.  A missing file gives an empty document.  A file that exists but
    // cannot be read, or is larger than ReadLimit, gives what could be read and a document
    // that refuses to be saved, so that the part not read is never lost.
    static IniFile load(const std::filesystem::path &path);

    // The value of a key, seen in the document until it changes; nothing when its section or
    // the key is missing.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    // Section and key names come from the program: no "]", "=" or line break in them.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The bytes of the file as they would be written.
    std::string text() const;
    // True once setValue changed anything.
    bool modified() const { return m_modified; }
    // True when the whole file was read.
    bool complete() const { return m_complete; }

    // Writes the document to a new file beside path and renames it over path, so that a full
    // disk or any other failure leaves the old file as it was.  A symbolic link at path is
    // followed; the file keeps the permissions of the one it replaces.
    Status save(const std::filesystem::path &path) const;

private:
    struct Line
    {
        std::string content; // without its line end
        std::string ending; // "\n", "\r\n", "\r" or empty for a last line without one
    };
    // Names looked up without regard to case and without making an upper-cased copy: the
    // settings read and write every key of the file on each load and save.
    struct CaselessHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct CaselessEqual
    {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const { return equalsIgnoringCase(a, b); }
    };
    using NameIndex = std::unordered_map<std::string, std::size_t, CaselessHash, CaselessEqual>;

    struct Section
    {
        std::vector<Line> lines; // the "[name]" line first, except for the lines before any
        NameIndex keys; // key -> index in lines
    };

    void addLine(std::string content, std::string ending);
    Section &appendSection(std::string_view name);
    const Line *findKey(std::string_view section, std::string_view key) const;

    // m_sections[0] holds the lines before the first section line; its keys are never read.
    std::vector<Section> m_sections;
    NameIndex m_sectionIndex; // name -> first section of that name
    std::string m_newLine = "\n";
    bool m_modified = false;
    bool m_complete = true;
};

} // namespace gw

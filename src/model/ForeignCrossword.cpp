#include "model/ForeignCrossword.h"

#include "model/PuzzleRecord.h"
#include "platform/Text.h"

namespace gw::model {

namespace {

bool undefinedInWindows1252(unsigned char byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

bool controlCharacter(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

std::string showableText(std::string_view windows1252)
{
    std::string shown;
    shown.reserve(windows1252.size());
    for (const char ch : windows1252) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\t' || ch == '\n' || ch == '\r')
            shown += ' ';
        else if (controlCharacter(byte) || undefinedInWindows1252(byte))
            shown += '?';
        else
            shown += ch;
    }
    return shown;
}

std::optional<std::uint8_t> squareLetter(unsigned char windows1252)
{
    if (windows1252 == BlankCell || controlCharacter(windows1252) || undefinedInWindows1252(windows1252))
        return std::nullopt;
    return upperCaseByte(windows1252);
}

} // namespace gw::model

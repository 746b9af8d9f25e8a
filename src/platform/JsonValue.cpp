#include "platform/JsonValue.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <system_error>

namespace gw {

const JsonValue *JsonValue::member(std::string_view name) const
{
    const Object *members = object();
    if (!members)
        return nullptr;
    const auto found
        = std::find_if(members->begin(), members->end(), [&](const Member &m) { return m.first == name; });
    return found == members->end() ? nullptr : &found->second;
}

std::optional<int> JsonValue::wholeNumber() const
{
    const double *value = number();
    if (!value || std::trunc(*value) != *value || *value < std::numeric_limits<int>::min()
        || *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*value);
}

namespace {

class JsonParser
{
public:
    JsonParser(std::string_view text, const JsonLimits &limits)
        : m_text(text)
        , m_limits(limits)
    { }

    Result<JsonValue> document()
    {
        if (m_text.size() > m_limits.maxBytes)
            return Failure { "", "the text is longer than " + std::to_string(m_limits.maxBytes) + " bytes" };
        skipSpace();
        JsonValue root = value(0);
        skipSpace();
        if (!m_error && m_at != m_text.size())
            fail("text after the end of the document");
        if (m_error)
            return Failure { "",
                "the text is not valid JSON (line " + std::to_string(line()) + ": " + *m_error + ")" };
        return root;
    }

private:
    std::string_view m_text;
    const JsonLimits &m_limits;
    std::size_t m_at = 0;
    std::optional<std::string> m_error;

    JsonValue fail(const char *what)
    {
        if (!m_error)
            m_error = what;
        return {};
    }

    int line() const
    {
        const std::size_t upTo = std::min(m_at, m_text.size());
        return 1
            + static_cast<int>(
                std::count(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(upTo), '\n'));
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_at]; }

    void skipSpace()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_at;
    }

    bool literal(std::string_view word)
    {
        if (m_text.substr(m_at, word.size()) != word)
            return false;
        m_at += word.size();
        return true;
    }

    JsonValue value(int depth)
    {
        if (m_error)
            return {};
        switch (peek()) {
        case '{':
            return object(depth + 1);
        case '[':
            return array(depth + 1);
        case '"': {
            std::string text;
            return string(text) ? JsonValue(std::move(text)) : JsonValue();
        }
        case 't':
            return literal("true") ? JsonValue(true) : fail("unknown word");
        case 'f':
            return literal("false") ? JsonValue(false) : fail("unknown word");
        case 'n':
            return literal("null") ? JsonValue() : fail("unknown word");
        default:
            return number();
        }
    }

    // The items of an array or the members of an object, each read by readItem, up to the
    // closing character; false when it is not there or an item failed.
    template <typename ReadItem> bool items(int depth, char close, const char *expected, ReadItem readItem)
    {
        if (depth > m_limits.maxDepth) {
            fail("nested too deeply");
            return false;
        }
        ++m_at;
        skipSpace();
        if (peek() == close) {
            ++m_at;
            return true;
        }
        while (!m_error) {
            skipSpace();
            if (!readItem())
                return false;
            skipSpace();
            if (peek() == ',') {
                ++m_at;
                continue;
            }
            if (peek() == close) {
                ++m_at;
                return true;
            }
            fail(expected);
        }
        return false;
    }

    JsonValue object(int depth)
    {
        JsonValue::Object members;
        std::set<std::string> names;
        const bool read = items(depth, '}', "',' or '}' was expected", [&] {
            std::string name;
            if (peek() != '"') {
                fail("a member name was expected");
                return false;
            }
            if (!string(name))
                return false;
            if (!names.insert(name).second) {
                fail("a member name appears twice");
                return false;
            }
            skipSpace();
            if (peek() != ':') {
                fail("':' was expected");
                return false;
            }
            ++m_at;
            skipSpace();
            JsonValue item = value(depth);
            members.emplace_back(std::move(name), std::move(item));
            return !m_error;
        });
        return read ? JsonValue(std::move(members)) : JsonValue();
    }

    JsonValue array(int depth)
    {
        JsonValue::Array list;
        const bool read = items(depth, ']', "',' or ']' was expected", [&] {
            list.push_back(value(depth));
            return !m_error;
        });
        return read ? JsonValue(std::move(list)) : JsonValue();
    }

    std::optional<char32_t> hexQuad()
    {
        if (m_at + 4 > m_text.size())
            return std::nullopt;
        unsigned value = 0;
        const char *first = m_text.data() + m_at;
        const auto [end, error] = std::from_chars(first, first + 4, value, 16);
        if (error != std::errc() || end != first + 4)
            return std::nullopt;
        m_at += 4;
        return static_cast<char32_t>(value);
    }

    // After a backslash: one escape, appended to out.
    bool escape(std::string &out)
    {
        const char kind = peek();
        ++m_at;
        switch (kind) {
        case '"':
        case '\\':
        case '/':
            out += kind;
            return true;
        case 'b':
            out += '\b';
            return true;
        case 'f':
            out += '\f';
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'u':
            break;
        default:
            fail("unknown escape");
            return false;
        }
        auto code = hexQuad();
        if (!code) {
            fail("\\u needs four hexadecimal digits");
            return false;
        }
        if (*code >= 0xDC00 && *code <= 0xDFFF) {
            fail("a low surrogate without its high one");
            return false;
        }
        if (*code >= 0xD800 && *code <= 0xDBFF) {
            const char32_t high = *code;
            const auto low = literal("\\u") ? hexQuad() : std::nullopt;
            if (!low || *low < 0xDC00 || *low > 0xDFFF) {
                fail("a high surrogate without its low one");
                return false;
            }
            code = 0x10000 + ((high - 0xD800) << 10) + (*low - 0xDC00);
        }
        appendUtf8(out, *code);
        return true;
    }

    bool string(std::string &out)
    {
        ++m_at;
        while (!m_error) {
            if (atEnd()) {
                fail("a string is not closed");
                return false;
            }
            const auto byte = static_cast<unsigned char>(peek());
            if (byte == '"') {
                ++m_at;
                return true;
            }
            if (byte < 0x20) {
                fail("a control character inside a string");
                return false;
            }
            if (byte == '\\') {
                ++m_at;
                if (!escape(out))
                    return false;
                continue;
            }
            const std::size_t from = m_at;
            if (!decodeUtf8(m_text, m_at)) {
                fail("a string is not UTF-8");
                return false;
            }
            out.append(m_text.substr(from, m_at - from));
        }
        return false;
    }

    bool digits()
    {
        const std::size_t from = m_at;
        while (!atEnd() && peek() >= '0' && peek() <= '9')
            ++m_at;
        return m_at > from;
    }

    JsonValue number()
    {
        const std::size_t from = m_at;
        if (peek() == '-')
            ++m_at;
        if (peek() == '0')
            ++m_at;
        else if (peek() < '1' || peek() > '9' || !digits())
            return fail("a value was expected");
        if (peek() == '.') {
            ++m_at;
            if (!digits())
                return fail("digits were expected after '.'");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            if (!digits())
                return fail("digits were expected in the exponent");
        }
        double value = 0;
        const char *first = m_text.data() + from;
        const char *last = m_text.data() + m_at;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last || !std::isfinite(value))
            return fail("a number out of range");
        return JsonValue(value);
    }
};

} // namespace

Result<JsonValue> parseJson(std::string_view text, const JsonLimits &limits)
{
    return JsonParser(text, limits).document();
}

} // namespace gw

#pragma once

#include "platform/Failure.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace gw {

// One value of a JSON document (RFC 8259), as read from a file that may be hostile.  Strings
// hold UTF-8; object members keep the order of the file.
class JsonValue
{
public:
    using Array = std::vector<JsonValue>;
    using Member = std::pair<std::string, JsonValue>;
    using Object = std::vector<Member>;

    JsonValue() = default;
    explicit JsonValue(bool value)
        : m_value(value)
    { }
    explicit JsonValue(double value)
        : m_value(value)
    { }
    explicit JsonValue(std::string value)
        : m_value(std::move(value))
    { }
    explicit JsonValue(Array value)
        : m_value(std::move(value))
    { }
    explicit JsonValue(Object value)
        : m_value(std::move(value))
    { }

    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }
    const bool *boolean() const { return std::get_if<bool>(&m_value); }
    const double *number() const { return std::get_if<double>(&m_value); }
    const std::string *string() const { return std::get_if<std::string>(&m_value); }
    const Array *array() const { return std::get_if<Array>(&m_value); }
    const Object *object() const { return std::get_if<Object>(&m_value); }

    // The member of that name when this is an object that has it.
    const JsonValue *member(std::string_view name) const;
    // A number without a fraction, within the range of int.
    std::optional<int> wholeNumber() const;

private:
    std::variant<std::monostate, bool, double, std::string, Array, Object> m_value;
};

struct JsonLimits
{
    std::size_t maxBytes = 2 * 1024 * 1024;
    int maxDepth = 64; // arrays and objects inside each other
};

// A whole document, strictly: one value with nothing but white space around it, strings of
// well-formed UTF-8 whose \u escapes pair their surrogates, no control characters inside
// strings, numbers of the JSON form within the range of double, no member name twice in one
// object.  A document beyond the limits is refused, so a hostile file can neither exhaust the
// stack nor the memory.  The failure's text tells the line where reading stopped.
Result<JsonValue> parseJson(std::string_view text, const JsonLimits &limits = {});

} // namespace gw

#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>

namespace gw {

std::string upperCased(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(upperCaseByte(static_cast<unsigned char>(c)));
    return result;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperCaseByte(static_cast<unsigned char>(a[i]))
            != upperCaseByte(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool alphabeticallyBefore(std::string_view a, std::string_view b)
{
    const auto caseBlind = [](char c) { return upperCaseByte(static_cast<unsigned char>(c)); };
    return std::ranges::lexicographical_compare(a, b, std::less<> {}, caseBlind, caseBlind);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

std::string storedText(std::string_view text, std::size_t capacity)
{
    return std::string(trimmed(text).substr(0, capacity));
}

std::string copyName(std::string_view title, std::size_t capacity)
{
    const std::string_view name = trimmed(title);
    std::string result;
    // The count is the parenthesised number at the very end: "Math (Grade 5) (2)" counts on
    // from 2, not from "Grade 5) (2".
    const std::size_t open = name.rfind('(');
    if (!name.empty() && name.back() == ')' && open != std::string_view::npos) {
        const std::string_view inside = name.substr(open + 1, name.size() - open - 2);
        long long n = 0;
        const auto [end, error] = std::from_chars(inside.data(), inside.data() + inside.size(), n);
        if (error == std::errc() && end == inside.data() + inside.size() && n > 0
            && n < std::numeric_limits<long long>::max())
            result = std::string(name.substr(0, open)) + "(" + std::to_string(n + 1) + ")";
    }
    if (result.empty())
        result = std::string(name) + " (2)";
    if (result.size() > capacity)
        result.resize(capacity);
    return result;
}

long long parseLeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    }
    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        value = value * base + digit;
        if (value > limit)
            value = limit;
    }
    return negative ? -value : value;
}

} // namespace gw

#pragma once

#include <string>

namespace gw::model {

// A header or footer block of the exported web page.
struct HtmlBlock
{
    std::string text;
    bool bold = false;
    bool italic = false;
    bool center = false;
    int fontSize = 0; // HTML font size 1..7

    bool operator==(const HtmlBlock &) const = default;
};

} // namespace gw::model

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The thesaurus window's texts for a category: shown as its name with a part-of-speech label,
// asked for by its name with a suffix.  Shared by the lookup window and gridwright-cli.
namespace gw::spell {

// name + " (adjective)", " (adverb)", " (noun)" or " (verb)" for the codes "adj", "adv", "n",
// "v"; the bare name for any other code.
std::string categoryDisplayText(std::string_view name, std::uint32_t partOfSpeech);

// A category as the thesaurus engine is asked for it again, from its display text: the text
// before the first " (noun)" + ".n"; failing that before " (verb)" + ".v"; failing that before
// " (adjective)" + ".adj"; otherwise the text before " (adverb)" + ".adv" (the whole text when
// there is none).
std::string categoryLookupText(std::string_view displayText);

// The display text of an engine category "name.code" (ThesDB_SplitCategoryName, then
// categoryDisplayText).
std::string categoryDisplayTextOf(const char *category);

} // namespace gw::spell

#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <variant>

namespace gw::model {

struct Settings;

// How a value stands in the settings file.
enum class SettingsForm {
    Text, // as it stands, cut to the read length
    YesNo, // true exactly when the upper-cased value is "YES"; written "Yes" or "No"
    Number, // parseLeadingNumber; written in decimal
    Character, // the first character; an empty value gives the fallback
};

enum class SettingsDefault {
    Given, // defaultValue
    StartDirectory, // the start directory, without a trailing "/"
    LastGroup, // SAMPLE.ZP3 in the start directory when only it exists, else DEFAULT.ZP3
};

// The field of a Settings record that holds a key's value; the alternative matches the form.
using SettingsField = std::variant<std::string *, bool *, int *, char *>;

struct SettingsKey
{
    std::string section;
    std::string key;
    SettingsForm form = SettingsForm::Text;
    std::string defaultValue; // as the file would hold it: "640", "Yes", "Arial"
    SettingsDefault defaultRule = SettingsDefault::Given;
    std::size_t readLength = 0; // text: the longest value read
    std::size_t capacity = 0; // text: the longest value held and written
    // Text naming a file that is opened: a stored value longer than readLength reads as the
    // default, because the cut path would name another file.
    bool wholeOnly = false;
    char fallback = ' '; // character: what an empty value reads as
    std::function<SettingsField(Settings &)> field;
};

} // namespace gw::model

#include "render/PrintOptions.h"

#include "platform/Text.h"

#include <string_view>

namespace gw::render {

namespace {

std::string label(std::string_view text)
{
    return std::string(text.substr(0, model::SettingsLabelCapacity));
}

} // namespace

PrintOptions PrintOptions::fromSettings(const model::Settings &settings)
{
    PrintOptions options;
    options.printTitle = settings.printTitle;
    options.printBody = settings.printBody;
    options.printClues = settings.printClues;
    options.printWords = settings.printWords;
    options.printBonus = settings.printBonus;
    options.answerKey = settings.answerKey;
    options.partialAnswer = settings.partialAnswer;
    options.partialLetters = settings.partialLetters;
    options.letters = label(settings.letters);
    options.useBoxes = settings.useBoxes;
    options.boxColour = static_cast<std::uint32_t>(settings.boxColor);
    options.wordSepDash = settings.wordSepDash;
    options.wordSepSlash = settings.wordSepSlash;
    options.wordSepPlus = settings.wordSepPlus;
    options.wordSepStar = settings.wordSepStar;
    options.wordSepOther = settings.wordSepOther;
    options.wordSepChar = settings.wordSepChar;
    options.acrossLabel = label(settings.acrossLabel);
    options.downLabel = label(settings.downLabel);
    return options;
}

void PrintOptions::takeLayout(const layout::LayoutRecord &pageLayout)
{
    using layout::ObjectKind;
    for (int slot = 0; slot < pageLayout.safeObjectCount(); ++slot) {
        const layout::LayoutObject &object = pageLayout.objects[slot];
        const std::string_view text = object.textView();
        switch (static_cast<ObjectKind>(object.kind)) {
        case ObjectKind::DownHeader:
            // A header made without a text keeps the label it had, so that it still prints.
            if (!trimmed(text).empty())
                downLabel = label(text);
            break;
        case ObjectKind::AcrossHeader:
            if (!trimmed(text).empty())
                acrossLabel = label(text);
            break;
        case ObjectKind::CombinedClues:
            if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
                acrossLabel = label(text.substr(0, colon));
                downLabel = label(text.substr(colon + 1));
            } else if (!trimmed(text).empty()) {
                acrossLabel = label(text);
            }
            break;
        case ObjectKind::Puzzle:
            useBoxes = object.transparent == 0;
            boxColour = object.fillColour;
            break;
        default:
            break;
        }
    }
}

} // namespace gw::render

#include "model/ui/TransferControls.h"

#include "render/TextConversion.h"
#include "ui/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace gw::model {

QListWidget *transferList(QWidget *parent, const char *name, const QRect &design)
{
    QListWidget *list = app::addList(parent, name, design);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

void setListLines(QListWidget *list, const QStringList &lines)
{
    list->clear();
    list->addItems(lines);
}

std::vector<int> selectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (const QListWidgetItem *item : list->selectedItems())
        rows.push_back(list->row(item));
    std::ranges::sort(rows);
    return rows;
}

TextMode TextModeControls::mode() const
{
    if (buttons[1]->isChecked())
        return TextMode::Clues;
    if (buttons[2]->isChecked())
        return TextMode::WordsAndClues;
    return TextMode::Words;
}

void TextModeControls::showSeparator() const
{
    const bool pairs = mode() == TextMode::WordsAndClues;
    for (QWidget *control : std::initializer_list<QWidget *> { separatorLabel, separator }) {
        control->setVisible(pairs);
        control->setEnabled(pairs);
    }
}

std::string TextModeControls::separatorText() const
{
    return fromQString(separator->text());
}

void TextModeControls::storeSeparator(char &setting) const
{
    const std::string typed = separatorText();
    if (!typed.empty())
        setting = typed.front();
}

TextModeControls addTextModeControls(QWidget *parent, const QString &groupTitle,
    const std::array<TextModeButton, 3> &buttons, int modeSetting, char separator)
{
    TextModeControls controls;
    QGroupBox *group = app::addGroupBox(parent, "ModeGroup", groupTitle, { 316, 112, 158, 94 });
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        controls.buttons[i] = app::addRadioButton(
            group, buttons[i].name, buttons[i].text, { 8, 20 + 24 * static_cast<int>(i), 150, 19 });
    }
    controls.separatorLabel
        = app::addLabel(parent, "SeparatorLabel", "Se&parator Char", { 316, 220, 90, 17 });
    controls.separator = app::addEdit(parent, "SeparatorEdit", QString(), { 410, 218, 24, 21 });
    controls.separator->setMaxLength(1);
    controls.separatorLabel->setBuddy(controls.separator);
    // The modes are numbered 1, 2, 3 in the button order.
    controls.buttons[static_cast<std::size_t>(textModeOf(modeSetting)) - 1]->setChecked(true);
    controls.separator->setText(toQString(std::string(1, separator)).remove(QChar(0)));
    return controls;
}

} // namespace gw::model

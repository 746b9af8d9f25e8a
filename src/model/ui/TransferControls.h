#pragma once

#include "model/WordTextTransfer.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace gw::model {

// A list in which several lines can be selected; it shows lines in the order given, which is
// the core's alphabetical order.
QListWidget *transferList(QWidget *parent, const char *name, const QRect &design);
void setListLines(QListWidget *list, const QStringList &lines);

// The rows of the selected lines, in list order.
std::vector<int> selectedRows(const QListWidget *list);

// One radio button of a word transfer window's mode group.
struct TextModeButton
{
    const char *name;
    QString text;
};

// The mode group of the word transfer windows, with its buttons for words, clues and word and
// clue pairs, and the separator character label and box below it.
struct TextModeControls
{
    std::array<QRadioButton *, 3> buttons {}; // words, clues, pairs
    QLabel *separatorLabel = nullptr;
    QLineEdit *separator = nullptr;

    TextMode mode() const;

    // The separator label and box are shown and usable only for pairs.
    void showSeparator() const;

    // The box's text as Windows-1252: empty, or the one separator character.
    std::string separatorText() const;

    // A typed separator becomes the setting; an emptied box leaves the setting as it was.
    void storeSeparator(char &setting) const;
};

// The group box titled groupTitle with the buttons in the order words, clues, pairs; the
// button of the stored mode setting is checked and the box holds the stored separator (none for
// a zero byte).
TextModeControls addTextModeControls(QWidget *parent, const QString &groupTitle,
    const std::array<TextModeButton, 3> &buttons, int modeSetting, char separator);

} // namespace gw::model

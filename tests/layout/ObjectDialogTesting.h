#pragma once

#include "app/ChoiceDialogs.h"
#include "layout/DefaultLayout.h"
#include "layout/LayoutRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <optional>

namespace gw::test {

// An object of the kind as the built-in layout fills its fields, under the given name.
inline layout::LayoutObject sampleObject(layout::ObjectKind kind, const char *name)
{
    layout::LayoutObject object = layout::defaultLayout().objects[0];
    object.kind = static_cast<std::int16_t>(kind);
    object.name.assign(name);
    return object;
}

inline QLineEdit *box(QWidget &window, const char *name)
{
    return window.findChild<QLineEdit *>(QString::fromLatin1(name));
}

inline void retype(QWidget &window, const char *name, const QString &text)
{
    QLineEdit *edit = box(window, name);
    edit->selectAll();
    edit->del();
    // Key events carry Latin-1 only; other characters arrive as an input method would put them.
    bool latin1 = true;
    for (const QChar c : text)
        latin1 = latin1 && c.unicode() < 0x80;
    if (latin1)
        QTest::keyClicks(edit, text);
    else
        edit->insert(text);
}

// A click on the check box's indicator, where the user clicks it.
inline void toggle(QWidget &window, const char *name)
{
    auto *check = window.findChild<QCheckBox *>(QString::fromLatin1(name));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(7, check->height() / 2));
}

// Answers the colour and font dialogs from queues while it lives; a dialog with nothing queued
// is cancelled.  Keeps the presets it was opened on.
class ScriptedChoices
{
public:
    ScriptedChoices()
    {
        app::setColourDialogSeam([this](QWidget *, const QColor &preset) {
            colourPresets.push_back(preset);
            return next(colours);
        });
        app::setFontDialogSeam([this](QWidget *, const app::FontChoice &preset, const QString &) {
            fontPresets.push_back(preset);
            return next(fonts);
        });
    }
    ~ScriptedChoices()
    {
        app::setColourDialogSeam({});
        app::setFontDialogSeam({});
    }

    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<app::FontChoice>> fonts;
    std::vector<QColor> colourPresets;
    std::vector<app::FontChoice> fontPresets;

private:
    template <typename T> static std::optional<T> next(std::deque<std::optional<T>> &queue)
    {
        if (queue.empty())
            return std::nullopt;
        std::optional<T> front = queue.front();
        queue.pop_front();
        return front;
    }
};

} // namespace gw::test

#pragma once

#include "model/Settings.h"
#include "ui/TWindow.h"

#include <array>
#include <string>

class QComboBox;

namespace gw::app {

struct AppContext;

// The international characters window: for each function key F1..F12 a drop-down of the
// Windows-1252 characters 192..255.  Ok stores the choices in "Int Key 1".."Int Key 12".
class TIntlChars : public TWindow
{
    Q_OBJECT

public:
    TIntlChars(AppContext &context, QWidget *parent);

    static constexpr int FirstCode = 192;
    static constexpr int LastCode = 255;

    // The character a stored code presets: its value when it names one of the offered
    // characters, else the first of them.
    static int presetCode(const std::string &storedCode);
    // "0" and the three digits of the code, such as "0225".
    static std::string storedCode(int code);

private Q_SLOTS:
    void OkButtonClick();

private:
    std::array<QComboBox *, model::IntKeyCount> m_keys {};
};

} // namespace gw::app

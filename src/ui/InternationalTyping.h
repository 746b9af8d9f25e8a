#pragma once

#include <string>

namespace gw::app {

// Types the character of a stored international key code ("0" and the decimal Windows-1252
// code, such as "0225") into the focused widget, as if the user had typed it.  Waits until
// neither Alt nor Ctrl is held, so the character is not taken as a shortcut.  A code that
// names no character types nothing.
void typeInternationalCharacter(const std::string &storedCode);

} // namespace gw::app

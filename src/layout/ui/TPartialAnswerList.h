#pragma once

#include "model/PuzzleRecord.h"
#include "ui/TWindow.h"

#include <array>
#include <cstdint>

class QListWidget;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// Chooses the words a printout fills into its grid: one line per word entry of the puzzle,
// in entry order.  Ok stores one flag per entry (1 = fill in), Cancel leaves them.
class TPartialAnswerList : public app::TWindow
{
    Q_OBJECT

public:
    using Flags = std::array<std::uint8_t, model::MaxWords>; // entry i at index i - 1

    TPartialAnswerList(
        app::AppContext &context, const model::PuzzleRecord &puzzle, Flags &flags, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    Flags &m_flags;
    QListWidget *m_words;
};

} // namespace gw::layout

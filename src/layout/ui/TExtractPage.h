#pragma once

#include "model/CollectionLine.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <optional>
#include <vector>

class QListWidget;

namespace gw::layout {

// "Extract Page Layout From Puzzle": lists the puzzles of the open collection and appends the
// layout of the chosen one to the layout library.
class TExtractPage : public app::TWindow
{
    Q_OBJECT

public:
    TExtractPage(app::AppContext &context, QWidget *parent = nullptr);

    // The library record number the extracted layout was appended as, once one was.
    std::optional<int> addedRecord() const { return m_added; }

private Q_SLOTS:
    void ExtractClick();

private:
    std::vector<model::CollectionLine> m_puzzles; // in list order
    std::optional<int> m_added;
    QListWidget *m_list = nullptr;
};

} // namespace gw::layout

#pragma once

#include "app/AppContext.h"
#include "model/CollectionLine.h"

#include <QDialog>
#include <optional>
#include <vector>

class QListWidget;

namespace gw::layout {

// "Extract Page Layout From Puzzle": lists the puzzles of the open collection and appends the
// layout of the chosen one to the layout library.
class TExtractPage : public QDialog
{
    Q_OBJECT

public:
    TExtractPage(app::AppContext &context, QWidget *parent = nullptr);

    // The library record number the extracted layout was appended as, once one was.
    std::optional<int> addedRecord() const { return m_added; }

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void ExtractClick();

private:
    void FormShow();

    app::AppContext &m_context;
    std::vector<model::CollectionLine> m_puzzles; // in list order
    std::optional<int> m_added;
    bool m_shown = false;
    QListWidget *m_list = nullptr;
};

} // namespace gw::layout

#pragma once

#include "ui/TWindow.h"

#include <QString>
#include <string>
#include <vector>

class QListWidget;

namespace gw::app {
struct AppContext;
}

namespace gw::spell {

// "Word Suggestions": words of the thesaurus that look like a word it does not know.  Ok takes
// the selected one.
class TWordSuggestions : public app::TWindow
{
    Q_OBJECT

public:
    TWordSuggestions(app::AppContext &context, const std::string &word,
        const std::vector<std::string> &suggestions, QWidget *parent);

    // The suggestion selected when Ok was pressed; empty otherwise.
    QString chosen() const { return m_chosen; }

private Q_SLOTS:
    void OkButtonClick();

private:
    QListWidget *m_list;
    QString m_chosen;
};

} // namespace gw::spell

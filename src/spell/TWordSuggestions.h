#pragma once

#include <QDialog>
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
class TWordSuggestions : public QDialog
{
    Q_OBJECT

public:
    TWordSuggestions(app::AppContext &context, const std::string &word,
        const std::vector<std::string> &suggestions, QWidget *parent);

    // The suggestion selected when Ok was pressed; empty otherwise.
    QString chosen() const { return m_chosen; }

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void OkButtonClick();

private:
    app::AppContext &m_context;
    QListWidget *m_list;
    QString m_chosen;
};

} // namespace gw::spell

#pragma once

#include "ui/TWindow.h"

#include <QString>
#include <memory>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::spell {

class ThesaurusLookup;

// "Thesaurus Lookup": the meanings of a word (categories), the antonym categories reached from
// them and the synonyms of the chosen one.  A double click on a synonym looks that word up;
// Suggest offers similar words for a word the thesaurus does not know.  Accept hands the
// selected synonym back to the word list editor.
class TThesaurus : public app::TWindow
{
    Q_OBJECT

public:
    // type 1 (American) or 2 (British); word: the word looked up when the window shows.
    TThesaurus(app::AppContext &context, int type, const QString &word, QWidget *parent);
    ~TThesaurus() override;

    bool accepted() const { return m_accepted; }
    QString acceptedText() const { return m_acceptedText; }

private Q_SLOTS:
    void LookUpClick();
    void SuggestClick();
    void AcceptClick();
    void CategoryListClick();
    void AntonymListClick();
    void SynonymListDblClick(QListWidgetItem *synonym);

private:
    void FormShow() override;
    void loadSynonyms(const QString &categoryText);

    int m_type;
    std::unique_ptr<ThesaurusLookup> m_thesaurus; // open while the window is
    bool m_accepted = false;
    QString m_acceptedText;

    QLineEdit *m_word;
    QListWidget *m_categories;
    QListWidget *m_antonyms;
    QListWidget *m_synonyms;
    QPushButton *m_accept;
};

} // namespace gw::spell

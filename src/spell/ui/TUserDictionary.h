#pragma once

#include "ui/TWindow.h"

#include <filesystem>
#include <string>

class QLineEdit;
class QListWidget;

namespace gw::app {
struct AppContext;
}

namespace gw::spell {

// "Dictionary Maintenance": the words of the run's include lexicon (accepted in addition to
// the dictionary) or exclude lexicon (refused although the dictionary has them).  Ok writes
// the list as the whole new lexicon; Cancel leaves the file as it was.
class TUserDictionary : public app::TWindow
{
    Q_OBJECT

public:
    enum class Mode { Include, Exclude };

    TUserDictionary(app::AppContext &context, Mode mode, QWidget *parent);

    std::filesystem::path lexiconFile() const;

private Q_SLOTS:
    void AddButtonClick();
    void DeleteButtonClick();
    void OkButtonClick();

private:
    void FormShow() override;

    Mode m_mode;
    QListWidget *m_words;
    QLineEdit *m_newWord;
};

} // namespace gw::spell

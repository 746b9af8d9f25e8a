#pragma once

#include "model/PuzzleRecord.h"
#include "render/ui/TMyPreview.h"
#include "ui/TWindow.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace gw::app {
struct AppContext;
}

namespace gw::render {

class PageMiniature;

// The Reports window: what to print of a puzzle and how, on its own copy of the puzzle record.
// Every option is written to the settings as it changes; fonts, layout, clue headers, bonus
// question and partial answers chosen here belong to the copy and this window only.
class TMyReport : public app::TWindow
{
    Q_OBJECT

public:
    TMyReport(app::AppContext &context, const model::PuzzleRecord &puzzle, QWidget *parent);
    ~TMyReport() override;

    // Given to every preview this window opens.
    TMyPreview::ExportHooks &previewHooks() { return m_previewHooks; }

    // The copy being printed and the choices that belong to it.
    const model::PuzzleRecord &puzzle() const { return *m_puzzle; }
    const std::string &acrossLabel() const { return m_acrossLabel; }
    const std::string &downLabel() const { return m_downLabel; }
    const std::array<std::uint8_t, model::MaxWords> &partialWords() const { return m_partialWords; }

    // One print job: the status dialog runs it, and the preview opens on its page unless it
    // was cancelled.
    void DoIt();

    // The Change Fonts entries: up to 21, in object order.
    static constexpr int MaxFontEntries = 21;
    QStringList fontEntries() const;

private Q_SLOTS:
    void AnswerKeyClick();
    void PartialAnswerClick();
    void PartialLettersClick();
    void LettersChange();
    void SelectClick();
    void ChangeLayoutClick();
    void ChangeFontsClick();
    void SkeletonClick();
    void BoxColorClick();
    void ClueHeadersClick();
    void BonusQuestionClick();
    void PrinterSetupClick();
    void HelpClick();

private:
    struct FontEntry
    {
        int slot; // object slot, 0-based
        bool numbers; // the Puzzle object's clue numbers font rather than its text font
        QString text;
    };

    void buildMenus();
    void buildPartsGroup();
    void buildAnswerKeyGroup();
    void buildOverridesGroup();
    void takeLayout();
    void enableAnswerOptions();
    void showBoxColour();
    void changeFont(const FontEntry &entry);

    std::unique_ptr<model::PuzzleRecord> m_puzzle;
    std::string m_acrossLabel;
    std::string m_downLabel;
    std::array<std::uint8_t, model::MaxWords> m_partialWords {};
    TMyPreview::ExportHooks m_previewHooks;

    QCheckBox *m_answerKey = nullptr;
    QCheckBox *m_partialAnswer = nullptr;
    QPushButton *m_select = nullptr;
    QCheckBox *m_partialLetters = nullptr;
    QLabel *m_lettersLabel = nullptr;
    QLineEdit *m_letters = nullptr;
    QPushButton *m_changeLayout = nullptr;
    QCheckBox *m_skeleton = nullptr;
    QLabel *m_boxSwatch = nullptr;
    PageMiniature *m_miniature = nullptr;
    QMenu *m_fontMenu = nullptr;
    std::vector<FontEntry> m_fonts;
    std::array<QAction *, MaxFontEntries> m_fontItems {};
};

} // namespace gw::render

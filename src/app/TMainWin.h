#pragma once

#include "app/MainWindowMenus.h"
#include "model/FontSetting.h"
#include "model/PuzzleRecord.h"
#include "platform/Failure.h"
#include "platform/RecordFingerprint.h"
#include "ui/ScreenScale.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QUrl;

namespace gw::app {

struct AppContext;
class CollectionPanes;
class TiledBackground;

// The program's main window: it owns the shared state through the context, lists the open
// collection's categories and puzzles, and offers every command through its menus and tool bar.
// Creating it loads the settings and the last collection; closing it writes the settings back.
class TMainWin : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainWin(AppContext &context, QWidget *parent = nullptr);
    ~TMainWin() override;

    // Opens a document with the system's viewer; false when none could be started.
    using DocumentOpener = std::function<bool(const QUrl &document)>;
    void setDocumentOpener(DocumentOpener opener) { m_openDocument = std::move(opener); }

    // Makes the collection current as Open Puzzle Collection File does with the file chosen;
    // the program started with a collection's path (opened from its file type) calls it.
    void openCollection(const std::string &collection);

    static constexpr int ClientWidth = 632;
    static constexpr int ClientHeight = 413;
    static constexpr int Raise = 10;
    static constexpr const char *ManualFileName = "GRIDW.HTML";

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void MenuNewGroupClick();
    void MenuOpenGroupClick();
    void MenuNewClick();
    void MenuModifyClick();
    void MenuCopyClick();
    void MenuDeleteClick();
    void MenuPrintClick();
    void MenuImportClick();
    void MenuExportClick();
    void MenuPuzzleShapeClick();
    void MenuPageLayoutClick();
    void MenuPuzzleWordsClick();
    void MenuBackgroundClick();
    void MenuJpegClick();
    void MenuIntCharsClick();
    void MenuClueHeadersClick();
    void MenuWordSepClick();
    void MenuAddDictClick();
    void MenuExcludeDictClick();
    void MenuHelpContentsClick();
    void MenuUserManualClick();
    void MenuTipsClick();
    void MenuInternetClick();
    void MenuAboutClick();
    void MenuOtherProductsClick();

private:
    void FormShow();
    void FormActivate();
    void FormClose();
    void MenuRecentClick(std::size_t entry);
    void MenuScreenSizeClick(int width);
    void MenuFontClick(model::FontSetting &font);

    void connectCommands();
    void applyLook();
    void makeCurrent(const std::string &collection);
    void showCollection();
    void rebuildRecentMenu();
    void setCaption();
    void refreshCommandStates();
    QSize screenPixels() const;
    struct SelectedPuzzle
    {
        int recordNumber;
        std::unique_ptr<model::PuzzleRecord> record;
    };
    // The fingerprint of the record as the lists read it.
    RecordFingerprint listedFingerprint(int recordNumber) const;
    // The puzzle of the selected line, read from the collection; nothing once a failure
    // (no line selected, whenUnreadable, or a record changed since the lists were read) has
    // been shown.
    std::optional<SelectedPuzzle> readSelected(const Failure &whenUnreadable);
    bool readSelectedIntoWorking(const Failure &whenUnreadable);
    void openWordListEditor(const QString &caption);
    void openHelp(const QString &anchor);

    AppContext &m_context;
    MainWindowMenus m_menus;
    TiledBackground *m_background;
    CollectionPanes *m_panes;
    ScreenSize m_screenSize = ScreenSizes[0];
    bool m_tipsOffered = false;
    DocumentOpener m_openDocument;
};

} // namespace gw::app

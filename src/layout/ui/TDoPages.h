#pragma once

#include "layout/LayoutRecord.h"
#include "layout/ui/PagePicture.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <memory>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QMouseEvent;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace gw::layout {

enum class PageDesignerMode { New, Modify, Copy };

// The page layout designer ("Page Creator"): edits a working copy of one layout on a picture of
// the page and saves it into the layout library, appended or in place.
class TDoPages : public app::TWindow
{
    Q_OBJECT

public:
    // New starts from an empty Letter page and ignores layout; Modify and Copy edit a copy of
    // layout (for Copy already renamed).  recordNumber is the library record a Modify overwrites.
    TDoPages(app::AppContext &context, PageDesignerMode mode, int recordNumber, const LayoutRecord &layout,
        QWidget *parent = nullptr);
    ~TDoPages() override;

    bool saved() const { return m_saved; }
    const LayoutRecord &workingLayout() const { return *m_working; }
    // Pixels of the page picture per inch or centimeter at the current zoom.
    int pixelsPerUnit() const;
    int zoom() const { return m_zoom; }
    int selectedSlot() const { return m_selected; }
    int menuSlot() const { return m_menuSlot; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void SaveButtonClick();
    void CancelButtonClick();
    void PaperSizeChange();
    void OrientationClick();
    void InchesClick();
    void HelpClick();
    void SizePositionClick();
    void PropertiesClick();
    void BorderClick();
    void FillClick();
    void ChangeTextClick();
    void TextFontClick();
    void ClueNumberFontClick();
    void LoadBitmapClick();
    void DeleteClick();
    void BringToFrontClick();
    void SendToBackClick();

private:
    // A mouse button held down on the page: where, which, and what it drags.
    struct Drag
    {
        bool left = false;
        bool right = false;
        QPoint press;
        int handle = 0;
        bool moving = false;
        bool frameShown = false;
    };

    void buildMenus();
    void buildLeftPanel();
    void FormShow() override;
    // Opens the window where it was, large enough for the whole page where the screen allows.
    void placeWindow();
    void loadPictures();
    void fillControls();
    void redraw();
    void showPage(const QImage &page);
    void updateObjectButtons();
    void rebuildObjectsMenu();
    void objectButtonClick(int kind);
    void clearTool();
    void setZoom(int level);
    bool WidthExit();
    bool HeightExit();
    bool sideExit(QLineEdit *box, bool width);
    void fillSizeBoxes();
    void mousePressed(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);
    void mouseReleased(QMouseEvent *event);
    void openObjectMenu(int slot, const QPoint &global);
    void setUpMenuEntries(int slot);
    void setAlignment(int alignment);
    // Runs an object dialog on a copy of the menu object and takes the copy back on OK.
    template <typename Dialog, typename... Extra> void editObject(Extra &&...extra);
    LayoutObject &menuObject();
    void storeGeometry();

    PageDesignerMode m_mode;
    int m_recordNumber;
    std::unique_ptr<LayoutRecord> m_working;
    // The library record as it was loaded, which a modifying save must still find there.
    RecordFingerprint m_loaded;
    std::unique_ptr<SlotPictures> m_pictures;
    bool m_saved = false;
    bool m_shown = false;
    bool m_geometryStored = false;
    int m_zoom = 2;
    int m_tool = 0;
    int m_selected = 0;
    int m_menuSlot = 0;
    int m_hoverHandle = 0;
    Drag m_drag;
    QImage m_page;

    QMenuBar *m_menuBar = nullptr;
    QMenu *m_objectsMenu = nullptr;
    std::array<QAction *, MaxObjects> m_objectItems {};
    std::array<QAction *, 3> m_zoomItems {};
    QMenu *m_objectMenu = nullptr;
    QAction *m_sizePosition = nullptr;
    QAction *m_properties = nullptr;
    QAction *m_border = nullptr;
    QAction *m_fill = nullptr;
    QAction *m_changeText = nullptr;
    QMenu *m_alignmentMenu = nullptr;
    std::array<QAction *, 3> m_alignItems {};
    QAction *m_textFont = nullptr;
    QAction *m_clueNumberFont = nullptr;
    QAction *m_loadBitmap = nullptr;

    QLineEdit *m_name = nullptr;
    QComboBox *m_paperSize = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    QLabel *m_widthLabel = nullptr;
    QLabel *m_heightLabel = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QCheckBox *m_inches = nullptr;
    std::array<QPushButton *, 13> m_kindButtons {};
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_pageArea = nullptr;
    QLabel *m_topRuler = nullptr;
    QLabel *m_leftRuler = nullptr;
    QLabel *m_pageImage = nullptr;
};

} // namespace gw::layout

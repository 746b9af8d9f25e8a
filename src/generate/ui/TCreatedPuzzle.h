#pragma once

#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <QString>
#include <array>

class QLabel;
class QListWidget;
class QPushButton;

namespace gw::generate {

class TBlowItUp;

// The candidate chooser: the four best-fit slots side by side, the words the selected one
// holds and leaves out, the enlarged view on a double click, and Save into the open collection.
class TCreatedPuzzle : public app::TWindow
{
    Q_OBJECT

public:
    TCreatedPuzzle(app::AppContext &context, QWidget *parent = nullptr);

    // True once Save wrote the chosen candidate; the word list editor then closes too.
    bool saved() const { return m_saved; }
    // The slot 1..4 whose frame is drawn, 0 before the first activation.
    int selectedSlot() const { return m_selected; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void SaveClick();
    void CancelClick();

private:
    void FormShow() override;
    void FormActivate();
    void SelectAPuzzle(int slot);
    void PuzzImageClick(int slot);
    void PuzzImageDblClick(int slot);
    bool slotFilled(int slot) const;

    std::array<QLabel *, 4> m_pictures {};
    std::array<QLabel *, 4> m_captions {};
    QLabel *m_includedCaption = nullptr;
    QLabel *m_excludedCaption = nullptr;
    QListWidget *m_included = nullptr;
    QListWidget *m_excluded = nullptr;
    int m_selected = 0;
    int m_wordCount = 0; // the words the user entered, taken when the window is shown
    bool m_firstActivationPending = false;
    bool m_saved = false;
};

} // namespace gw::generate

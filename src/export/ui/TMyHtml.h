#pragma once

#include "model/HtmlBlock.h"
#include "ui/TWindow.h"

#include <QImage>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::exports {

// "HTML Creation": the web page's title, two header blocks above the puzzle picture and two
// footer blocks below it, each with its styles and size, and the rules around the picture.
// Check boxes and size lists write their settings at once; "&Save HTML" keeps the texts,
// writes the page and, beside it, the page image as its JPEG picture.
class TMyHtml : public app::TWindow
{
    Q_OBJECT

public:
    TMyHtml(app::AppContext &context, QImage pageImage, QWidget *parent);

    static constexpr int BlockCapacity = 1000; // characters an edit takes
    static constexpr int WebTitleCapacity = 100;

private Q_SLOTS:
    void SaveButtonClick();

private:
    struct Block
    {
        model::HtmlBlock *setting = nullptr;
        QPlainTextEdit *text = nullptr;
        QCheckBox *bold = nullptr;
        QCheckBox *italic = nullptr;
        QCheckBox *center = nullptr;
        QComboBox *size = nullptr;
    };

    Block makeBlock(model::HtmlBlock &setting, const QString &name, const QString &caption, int top);
    std::string blockText(const Block &block) const;

    QImage m_pageImage;
    QLineEdit *m_webTitle;
    std::array<Block, 4> m_blocks;
    QCheckBox *m_upperLine;
    QCheckBox *m_lowerLine;
};

} // namespace gw::exports

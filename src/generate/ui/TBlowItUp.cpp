#include "generate/ui/TBlowItUp.h"

#include "generate/ui/CandidatePicture.h"
#include "shapes/ui/ShapePicture.h"
#include "ui/Controls.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace gw::generate {

TBlowItUp::TBlowItUp(
    app::AppContext &context, const model::PuzzleRecord &record, const QString &caption, QWidget *parent)
    : app::TWindow(context, parent)
    , m_record(std::make_unique<model::PuzzleRecord>(record))
{
    setWindowTitle(caption);
    setFixedSize(515, 419);
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    m_picture = app::addLabel(this, QStringLiteral("PuzzImage1"), QString(), { 4, 2, 411, 411 });
    auto *exit
        = app::addButton(this, QStringLiteral("Cancel"), QStringLiteral("E&xit"), { 426, 392, 83, 21 });
    exit->setAutoDefault(false);
    // Escape rejects the dialog as the button does.
    connect(exit, &QPushButton::clicked, this, &TBlowItUp::CancelClick);
}

void TBlowItUp::FormShow()
{
    QImage picture = shapes::blankPicture(m_picture->size());
    const shapes::ShapeRecord &shape = *m_context.currentShape;
    // The view is opened on filled slots only.
    DrawAPuzzle(picture, *m_record, 1, QSize(shape.safeWidth(), shape.safeHeight()));
    m_picture->setPixmap(QPixmap::fromImage(picture));
}

void TBlowItUp::CancelClick()
{
    reject();
}

} // namespace gw::generate

#pragma once

#include "model/PuzzleRecord.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <QString>
#include <memory>

class QLabel;

namespace gw::generate {

// The enlarged view of one candidate, on its own copy of the slot's record; changes nothing.
class TBlowItUp : public app::TWindow
{
    Q_OBJECT

public:
    TBlowItUp(app::AppContext &context, const model::PuzzleRecord &record, const QString &caption,
        QWidget *parent = nullptr);

private Q_SLOTS:
    void CancelClick();

private:
    void FormShow() override;

    std::unique_ptr<model::PuzzleRecord> m_record;
    QLabel *m_picture = nullptr;
};

} // namespace gw::generate

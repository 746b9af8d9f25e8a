#pragma once

#include "app/TInformation.h"

namespace gw::app {

struct AppContext;

// The notice shown before the user manual opens in the web browser; Ok goes on, Cancel not.
class TManualNotice : public TInformation
{
    Q_OBJECT

public:
    TManualNotice(AppContext &context, QWidget *parent);
};

} // namespace gw::app

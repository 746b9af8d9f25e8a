#pragma once

#include "app/TInformation.h"

namespace gw::app {

struct AppContext;

// The about window: the product name and its version.
class TAbout : public TInformation
{
    Q_OBJECT

public:
    TAbout(AppContext &context, QWidget *parent);
};

} // namespace gw::app

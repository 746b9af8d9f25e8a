#pragma once

#include "app/TWindow.h"

namespace gw::app {

struct AppContext;

// The product information window: what else the makers of the program offer.
class TOtherProducts : public TWindow
{
    Q_OBJECT

public:
    TOtherProducts(AppContext &context, QWidget *parent);
};

} // namespace gw::app

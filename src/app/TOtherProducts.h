#pragma once

#include "app/TInformation.h"

namespace gw::app {

struct AppContext;

// The product information window: what else the makers of the program offer.
class TOtherProducts : public TInformation
{
    Q_OBJECT

public:
    TOtherProducts(AppContext &context, QWidget *parent);
};

} // namespace gw::app

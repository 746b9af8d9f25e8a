#include "app/TOtherProducts.h"

#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLabel>

namespace gw::app {

TOtherProducts::TOtherProducts(AppContext &context, QWidget *parent)
    : TInformation(context, parent, "Other Products", { 420, 236 })
{
    addLabel(this, "ProductsHeading", "More puzzle tools from the makers of Gridwright", { 14, 12, 392, 22 })
        ->setFont(designFont("Arial", 15, true));
    addText("ProductsText",
        "Gridwright 98 is one of a small family of programs for teachers, parents and puzzle lovers.\n\n"
        "Gridwright Puzzle Packs: ready-made word lists by subject and grade, to import into the word list "
        "editor.\n\n"
        "Gridwright Shapes: over a hundred more puzzle shapes, from animals to holidays, to add to your "
        "shape "
        "library.\n\n"
        "Ask your dealer, or see the User Manual for how to order.",
        { 14, 42, 392, 148 });
    addOk("OK", { 172, 200, 75, 25 });
}

} // namespace gw::app

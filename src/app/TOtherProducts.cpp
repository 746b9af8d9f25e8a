#include "app/TOtherProducts.h"

#include "app/AppContext.h"
#include "app/Controls.h"
#include "app/WindowLook.h"

#include <QLabel>
#include <QPushButton>

namespace gw::app {

TOtherProducts::TOtherProducts(AppContext &context, QWidget *parent)
    : TWindow(context, parent)
{
    setWindowTitle("Other Products");
    setFont(designFont("Arial", DesignFontPixels));
    setFixedSize(420, 236);

    auto *heading = addLabel(
        this, "ProductsHeading", "More puzzle tools from the makers of Gridwright", { 14, 12, 392, 22 });
    heading->setFont(designFont("Arial", 15, true));

    auto *text = new QLabel("Gridwright 98 is one of a small family of programs for teachers, parents and "
                            "puzzle lovers.\n\n"
                            "Gridwright Puzzle Packs: ready-made word lists by subject and grade, to import "
                            "into the word list editor.\n\n"
                            "Gridwright Shapes: over a hundred more puzzle shapes, from animals to holidays, "
                            "to add to your shape library.\n\n"
                            "Ask your dealer, or see the User Manual for how to order.",
        this);
    text->setObjectName("ProductsText");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(14, 42, 392, 148);

    auto *ok = addButton(this, "OkButton", "OK", { 172, 200, 75, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace gw::app

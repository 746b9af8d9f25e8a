#include "uisupport/ScriptedChildren.h"

#include <QDialog>

namespace gw::test {

ScriptedChildren::ScriptedChildren()
{
    app::setChildWindowSeam([this](QDialog &window) {
        opened << window.metaObject()->className();
        return onChild ? onChild(window) : int(QDialog::Rejected);
    });
}

ScriptedChildren::~ScriptedChildren()
{
    app::setChildWindowSeam({});
}

std::function<int(QDialog &window)> afterLooking(std::function<void(QDialog &window)> look)
{
    return [look = std::move(look)](QDialog &window) {
        look(window);
        return window.result();
    };
}

} // namespace gw::test

#include "app/AppContext.h"

#include "layout/LayoutLibrary.h"
#include "shapes/ShapeLibrary.h"

namespace gw::app {

std::filesystem::path AppContext::shapeLibrary() const
{
    return programDirectory / shapes::ShapeLibraryFileName;
}

std::filesystem::path AppContext::layoutLibrary() const
{
    return programDirectory / layout::LayoutLibraryFileName;
}

std::filesystem::path AppContext::settingsFile() const
{
    return startDirectory / "GRIDW3.INI";
}

} // namespace gw::app

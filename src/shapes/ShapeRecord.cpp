#include "shapes/ShapeRecord.h"

#include <cstring>

namespace gw::shapes {

ShapeRecord newShape()
{
    ShapeRecord shape {};
    shape.title.assign("New Layout");
    shape.width = MaxDesignedSide;
    shape.height = MaxDesignedSide;
    std::memset(shape.cells, 1, sizeof shape.cells);
    return shape;
}

} // namespace gw::shapes

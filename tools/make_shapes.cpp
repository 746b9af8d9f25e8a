// Writes the bundled shape library: a list of useful puzzle outlines, each drawn by a rule
// on its cell centres so the library can be rebuilt exactly.

#include "platform/RecordFile.h"
#include "shapes/ShapeRecord.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using gw::shapes::ShapeRecord;

// x and y of a cell centre in -1..1 across the shape's box.
using Rule = std::function<bool(double x, double y)>;

ShapeRecord drawShape(const std::string &title, int width, int height, const Rule &usable)
{
    ShapeRecord shape {};
    shape.title.assign(title);
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(height);
    for (int row = 1; row <= height; ++row) {
        for (int column = 1; column <= width; ++column) {
            const double x = (column - 0.5) / width * 2.0 - 1.0;
            const double y = (row - 0.5) / height * 2.0 - 1.0;
            shape.cells[gw::shapes::cellIndex(column, row) - 1] = usable(x, y) ? 1 : 0;
        }
    }
    return shape;
}

bool insidePolygon(const std::vector<std::pair<double, double>> &points, double x, double y)
{
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const auto [xi, yi] = points[i];
        const auto [xj, yj] = points[j];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

std::vector<std::pair<double, double>> starPoints()
{
    std::vector<std::pair<double, double>> points;
    const double pi = std::acos(-1.0);
    for (int k = 0; k < 10; ++k) {
        const double radius = k % 2 == 0 ? 1.1 : 0.5;
        const double angle = -pi / 2 + k * pi / 5;
        points.emplace_back(radius * std::cos(angle), radius * std::sin(angle) + 0.14);
    }
    return points;
}

std::vector<ShapeRecord> bundledShapes()
{
    const auto all = [](double, double) { return true; };
    const double stroke = 0.34; // half the box: the strokes of letters and the cross are 1/3 wide
    return {
        drawShape("Square", 10, 10, all),
        drawShape("Square", 13, 13, all),
        drawShape("Square", 15, 15, all),
        drawShape("Square", 21, 21, all),
        drawShape("Square", 30, 30, all),
        drawShape("Diamond", 21, 21, [](double x, double y) { return std::abs(x) + std::abs(y) <= 1.0; }),
        drawShape("Circle", 21, 21, [](double x, double y) { return x * x + y * y <= 1.0; }),
        drawShape("Heart", 23, 21,
            [](double x, double y) {
                const double u = x * 1.2, v = -y * 1.12 + 0.12;
                const double a = u * u + v * v - 1.0;
                return a * a * a - u * u * v * v * v <= 0.0;
            }),
        drawShape("Star", 25, 25,
            [points = starPoints()](double x, double y) { return insidePolygon(points, x, y); }),
        drawShape(
            "Triangle", 25, 13, [](double x, double y) { return std::abs(x) <= (y + 1.0) / 2.0 + 0.04; }),
        drawShape("Cross", 21, 21,
            [=](double x, double y) { return std::abs(x) <= stroke || std::abs(y) <= stroke; }),
        drawShape(
            "Frame", 21, 21, [](double x, double y) { return std::max(std::abs(x), std::abs(y)) >= 0.5; }),
        drawShape("Letter H", 17, 19,
            [=](double x, double y) {
                return std::abs(x) >= 1 - 2 * stroke / 1.4 || std::abs(y) <= stroke / 2;
            }),
        drawShape("Letter T", 19, 19,
            [=](double x, double y) { return y <= -1 + 2 * stroke / 1.4 || std::abs(x) <= stroke / 1.4; }),
        drawShape("Letter L", 15, 19,
            [=](double x, double y) { return x <= -1 + 2 * stroke / 1.2 || y >= 1 - 2 * stroke / 1.4; }),
    };
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: make_shapes ZPFLAY.DAT\n", stderr);
        return 2;
    }
    auto library = gw::RecordFile::create(argv[1], sizeof(ShapeRecord));
    if (!library) {
        std::fprintf(stderr, "make_shapes: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const ShapeRecord &shape : bundledShapes()) {
        if (!library->append(&shape)) {
            std::fprintf(stderr, "make_shapes: cannot write %s\n", argv[1]);
            return 1;
        }
    }
    return 0;
}

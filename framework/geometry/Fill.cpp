// Fill: checks the input, hands the one contour to the tessellator and keeps its triangles only
// when they cover some area.
#include "Vorn/geometry/Fill.h"

#include <cmath>

#include "Vorn/geometry/Tessellate.h"

namespace Vorn {

bool Fill(const Point* points, int count, std::vector<Point>& out)
{
    if (points == nullptr || count < 3)
        return false;
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y))
            return false;
    try {
        std::vector<geometry::Contour> contours(1);
        contours[0].reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            contours[0].push_back(geometry::Vertex { points[i].x, points[i].y });
        std::vector<Point> triangles;
        if (!geometry::Tessellate(contours, triangles) || triangles.empty())
            return false;
        out = std::move(triangles);
        return true;
    } catch (...) {
        return false; // out of memory: a failure, as every other
    }
}

} // namespace Vorn

#include "shapes.h"

#include <algorithm>

namespace artgen {

Shape Circle(double cx, double cy, double r)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Ellipse(double cx, double cy, double rx, double ry)
{
    return [=](double x, double y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
}

Shape Ring(double cx, double cy, double outer, double inner)
{
    return [=](double x, double y) {
        const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        return d2 <= outer * outer && d2 >= inner * inner;
    };
}

Shape Polygon(std::vector<Point> points)
{
    return [pts = std::move(points)](double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const auto [xi, yi] = pts[i];
            const auto [xj, yj] = pts[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    };
}

Shape Stroke(double x0, double y0, double x1, double y1, double halfWidth)
{
    return [=](double x, double y) {
        const double vx = x1 - x0, vy = y1 - y0;
        const double len2 = vx * vx + vy * vy;
        double t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        const double dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= halfWidth * halfWidth;
    };
}

} // namespace artgen

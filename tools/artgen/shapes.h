// Shape predicates for Canvas::FillShape, in pixel units.
#pragma once

#include "canvas.h"

#include <utility>
#include <vector>

namespace artgen {

using Point = std::pair<double, double>;

Shape Circle(double cx, double cy, double r);
Shape Ellipse(double cx, double cy, double rx, double ry);
Shape Ring(double cx, double cy, double outer, double inner);
// Even-odd polygon fill.
Shape Polygon(std::vector<Point> points);
// A thick segment with round ends.
Shape Stroke(double x0, double y0, double x1, double y1, double halfWidth);

} // namespace artgen

#include "objectimages.h"

#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kS = kObjectSize;
constexpr Argb kInk = MakeArgb(255, 28, 24, 20);

void FillAll(Canvas& image, const Shape& shape, Argb c)
{
    image.FillShape(0, 0, image.Width(), image.Height(), shape, c);
}

// Varies the colour of every opaque pixel inside the shape by +-spread.
void Texture(Canvas& image, const Shape& shape, int spread, uint32_t seed)
{
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Argb c = image.At(x, y);
            if (AlphaOf(c) == 255 && shape(x + 0.5, y + 0.5))
                image.Set(x, y, Shade(c, static_cast<int>(Hash(x, y, seed) % (2 * spread + 1)) - spread));
        }
    }
}

Shape Both(Shape a, Shape b)
{
    return [a, b](double x, double y) { return a(x, y) && b(x, y); };
}

Shape Rect(double x0, double y0, double x1, double y1)
{
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

// A shape with an outline: the shape grown by width in ink, then the shape.
void InkedCircle(Canvas& image, double cx, double cy, double r, Argb c, double width = 2.5)
{
    FillAll(image, Circle(cx, cy, r + width), kInk);
    FillAll(image, Circle(cx, cy, r), c);
}

} // namespace

Canvas DrawCursorFrame()
{
    constexpr int kSize = 24;
    Canvas frame(kSize, kSize);
    // Dark, bright, dark rings, so the frame shows over light and dark terrain.
    const Argb rings[] = {MakeArgb(255, 0, 0, 0), MakeArgb(255, 255, 228, 40), MakeArgb(255, 255, 228, 40),
                          MakeArgb(160, 0, 0, 0)};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int d = std::min(std::min(x, y), std::min(kSize - 1 - x, kSize - 1 - y));
            if (d < 4)
                frame.Set(x, y, rings[d]);
        }
    }
    return frame;
}

Canvas DrawTree()
{
    Canvas image(kS, kS);
    FillAll(image, Ellipse(124, 218, 78, 16), MakeArgb(90, 0, 0, 0));
    // Trunk with roots.
    const Shape trunk = Polygon({{104, 226}, {112, 150}, {128, 150}, {138, 226}, {152, 230}, {88, 230}});
    FillAll(image, Polygon({{100, 230}, {108, 146}, {132, 146}, {142, 230}, {158, 234}, {82, 234}}), kInk);
    FillAll(image, trunk, MakeArgb(255, 118, 76, 40));
    for (int i = 0; i < 5; ++i)
        FillAll(image, Stroke(110 + i * 6, 160 + (i % 2) * 18, 111 + i * 6, 200 + (i % 3) * 8, 1.2),
                MakeArgb(255, 84, 52, 26));
    // Crown: dark clumps below and right, light clumps above and left.
    const double dark[][3] = {{78, 120, 44}, {160, 118, 46}, {120, 138, 48}, {118, 76, 52}};
    const double light[][3] = {{92, 92, 30}, {140, 70, 30}, {112, 58, 26}, {70, 124, 20}};
    for (const auto& c : dark)
        FillAll(image, Circle(c[0], c[1], c[2] + 3), kInk);
    for (const auto& c : dark)
        FillAll(image, Circle(c[0], c[1], c[2]), MakeArgb(255, 46, 120, 48));
    for (const auto& c : light)
        FillAll(image, Circle(c[0], c[1], c[2]), MakeArgb(255, 86, 168, 70));
    Texture(image, Circle(120, 105, 110), 14, 0x7EEu);
    // Apples dot the crown.
    const double fruit[][2] = {{86, 140}, {150, 100}, {128, 152}, {170, 136}, {100, 84}};
    for (const auto& f : fruit)
        InkedCircle(image, f[0], f[1], 5, MakeArgb(255, 210, 40, 36), 1.5);
    return image;
}

Canvas DrawRock()
{
    Canvas image(kS, kS);
    FillAll(image, Ellipse(124, 206, 100, 22), MakeArgb(90, 0, 0, 0));
    const std::vector<Point> outline = {{30, 196}, {22, 150}, {48, 92}, {96, 56}, {150, 50},
                                        {196, 84}, {220, 140}, {212, 200}, {120, 214}};
    std::vector<Point> grown;
    for (const auto& [x, y] : outline)
        grown.push_back({120 + (x - 120) * 1.03, 140 + (y - 140) * 1.03});
    FillAll(image, Polygon(grown), kInk);
    FillAll(image, Polygon(outline), MakeArgb(255, 128, 130, 136));
    // Facets: a lit top, a shaded right side, a dark foot.
    FillAll(image, Polygon({{48, 94}, {96, 58}, {150, 52}, {194, 86}, {150, 110}, {90, 116}}),
            MakeArgb(255, 170, 172, 178));
    FillAll(image, Polygon({{150, 110}, {194, 86}, {218, 140}, {210, 198}, {160, 170}}),
            MakeArgb(255, 96, 98, 106));
    FillAll(image, Polygon({{30, 194}, {160, 170}, {210, 198}, {120, 212}}), MakeArgb(255, 80, 82, 90));
    const Shape rock = Polygon(outline);
    Texture(image, rock, 10, 0x80Cu);
    FillAll(image, Both(rock, Stroke(96, 130, 130, 160, 2.0)), kInk);
    FillAll(image, Both(rock, Stroke(130, 160, 126, 196, 1.6)), kInk);
    // Moss on the top.
    FillAll(image, Both(rock, Ellipse(92, 74, 34, 12)), MakeArgb(255, 92, 146, 60));
    FillAll(image, Both(rock, Ellipse(150, 58, 20, 8)), MakeArgb(255, 92, 146, 60));
    Texture(image, Ellipse(92, 74, 34, 12), 16, 0x3055u);
    return image;
}

Canvas DrawHouse()
{
    Canvas image(kS, kS);
    FillAll(image, Ellipse(120, 216, 104, 14), MakeArgb(90, 0, 0, 0));
    // Chimney, walls, roof.
    FillAll(image, Rect(154, 30, 180, 90), kInk);
    FillAll(image, Rect(157, 33, 177, 90), MakeArgb(255, 150, 70, 50));
    FillAll(image, Rect(44, 104, 196, 216), kInk);
    FillAll(image, Rect(47, 104, 193, 213), MakeArgb(255, 232, 214, 172));
    for (int row = 0; row < 6; ++row)
        FillAll(image, Rect(47, 120 + row * 16, 193, 121.5 + row * 16), MakeArgb(255, 204, 184, 140));
    FillAll(image, Polygon({{18, 116}, {120, 28}, {222, 116}}), kInk);
    FillAll(image, Polygon({{26, 112}, {120, 34}, {214, 112}}), MakeArgb(255, 186, 52, 40));
    for (int row = 0; row < 5; ++row) {
        const double y = 52 + row * 13;
        FillAll(image, Both(Polygon({{26, 112}, {120, 34}, {214, 112}}), Rect(0, y, kS, y + 2)),
                MakeArgb(255, 140, 34, 28));
    }
    // Door and two windows.
    FillAll(image, Rect(104, 150, 138, 213), kInk);
    FillAll(image, Rect(107, 153, 135, 213), MakeArgb(255, 120, 74, 38));
    FillAll(image, Circle(128, 184, 2.5), MakeArgb(255, 240, 200, 80));
    for (double wx : {62.0, 150.0}) {
        FillAll(image, Rect(wx, 132, wx + 32, 164), kInk);
        FillAll(image, Rect(wx + 3, 135, wx + 29, 161), MakeArgb(255, 130, 190, 230));
        FillAll(image, Rect(wx + 14.5, 135, wx + 17.5, 161), kInk);
        FillAll(image, Rect(wx + 3, 146.5, wx + 29, 149.5), kInk);
    }
    return image;
}

Canvas DrawPond()
{
    Canvas image(kS, kS);
    // Sandy bank, then water.
    FillAll(image, Ellipse(120, 128, 112, 92), MakeArgb(255, 200, 180, 120));
    Texture(image, Ellipse(120, 128, 112, 92), 12, 0x5A4Du);
    FillAll(image, Ellipse(120, 128, 100, 80), kInk);
    FillAll(image, Ellipse(120, 128, 97, 77), MakeArgb(255, 40, 110, 178));
    FillAll(image, Ellipse(112, 116, 74, 52), MakeArgb(255, 60, 138, 204));
    const Shape water = Ellipse(120, 128, 97, 77);
    for (int i = 0; i < 3; ++i)
        FillAll(image, Both(water, Ring(150, 150, 14.0 + i * 10, 12.0 + i * 10)), MakeArgb(140, 200, 230, 255));
    // Lily pads, each with a notch.
    const double pads[][3] = {{76, 140, 14}, {100, 170, 10}, {160, 98, 12}};
    for (const auto& p : pads) {
        const double cx = p[0], cy = p[1], r = p[2];
        FillAll(image, [=](double x, double y) {
            return Circle(cx, cy, r)(x, y) && !Polygon({{cx, cy}, {cx + r + 1, cy - 4}, {cx + r + 1, cy + 4}})(x, y);
        }, MakeArgb(255, 70, 160, 70));
    }
    FillAll(image, Circle(80, 136, 4), MakeArgb(255, 250, 200, 220));
    // Reeds on the left bank.
    for (int i = 0; i < 5; ++i) {
        const double x = 30 + i * 7;
        FillAll(image, Stroke(x, 200 - i * 6, x + 4, 140 - i * 8, 1.6), MakeArgb(255, 70, 120, 40));
        FillAll(image, Ellipse(x + 4, 150 - i * 8, 3, 8), MakeArgb(255, 110, 70, 36));
    }
    return image;
}

} // namespace artgen

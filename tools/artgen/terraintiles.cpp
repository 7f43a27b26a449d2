#include "terraintiles.h"

#include "shapes.h"
#include "steadymath.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kSize = 24;
constexpr double kCentre = 12.0;
constexpr double kPi = 3.14159265358979323846;
constexpr Argb kOutline = MakeArgb(255, 20, 16, 14);

// A flat base colour with per-pixel grain of +-spread.
void Grain(Canvas& tile, Argb base, int spread, uint32_t seed)
{
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            tile.Set(x, y, Shade(base, static_cast<int>(Hash(x, y, seed) % (2 * spread + 1)) - spread));
}

void FillAll(Canvas& tile, const Shape& shape, Argb c)
{
    tile.FillShape(0, 0, kSize, kSize, shape, c);
}

// A shape drawn with a dark outline of the given width around it.
void Outlined(Canvas& tile, const Shape& outer, const Shape& inner, Argb c)
{
    FillAll(tile, outer, kOutline);
    FillAll(tile, inner, c);
}

} // namespace

void DrawEmptySpace(Canvas& tile)
{
    Grain(tile, MakeArgb(255, 40, 36, 32), 3, 0xE0u);
    // A few pale grains of dust.
    for (int i = 0; i < 6; ++i) {
        const uint32_t h = Hash(i, 0, 0xD057u);
        tile.Set(static_cast<int>(h % kSize), static_cast<int>((h >> 8) % kSize), MakeArgb(255, 66, 60, 54));
    }
}

void DrawStartMarker(Canvas& tile)
{
    const Argb green = MakeArgb(255, 40, 190, 70);
    Outlined(tile, Circle(kCentre, kCentre, 10.5), Circle(kCentre, kCentre, 9.3), green);
    FillAll(tile, Circle(kCentre - 1.5, kCentre - 2.5, 5.5), WithAlpha(MakeArgb(0, 120, 230, 140), 110));
    // A "go" triangle pointing right.
    FillAll(tile, Polygon({{8.5, 6.0}, {18.5, 12.0}, {8.5, 18.0}}), MakeArgb(255, 250, 250, 250));
}

void DrawEndMarker(Canvas& tile)
{
    // A chequered disc with a red rim: the finish.
    FillAll(tile, Circle(kCentre, kCentre, 10.5), kOutline);
    FillAll(tile, Circle(kCentre, kCentre, 9.5), MakeArgb(255, 220, 40, 40));
    const Shape inner = Circle(kCentre, kCentre, 7.0);
    FillAll(tile, inner, MakeArgb(255, 250, 250, 250));
    FillAll(tile, [inner](double x, double y) {
        const int cx = static_cast<int>(std::floor((x - 5.0) / 3.5));
        const int cy = static_cast<int>(std::floor((y - 5.0) / 3.5));
        return inner(x, y) && ((cx + cy) & 1) == 0;
    }, MakeArgb(255, 24, 24, 24));
}

void DrawStone(Canvas& tile, int variant)
{
    const Argb stone = MakeArgb(255, 138, 142, 150);
    Grain(tile, stone, 6, 0x5700u + static_cast<uint32_t>(variant));
    // Bevelled block: a dark seam, then two light rows on the top and left
    // and two dark ones on the bottom and right, mitred at the corners.
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const int lit = std::min(x, y);
            const int shaded = std::min(kSize - 1 - x, kSize - 1 - y);
            const bool litSide = lit < shaded || (lit == shaded && x < y);
            const int d = std::min(lit, shaded);
            if (d == 0)
                tile.Set(x, y, litSide ? MakeArgb(255, 70, 72, 78) : MakeArgb(255, 52, 54, 58));
            else if (d <= 2)
                tile.Set(x, y, Shade(tile.At(x, y), litSide ? 40 - 14 * (d - 1) : -44 + 14 * (d - 1)));
        }
    }
    const Argb crack = MakeArgb(255, 70, 72, 78);
    if (variant == 0) {
        FillAll(tile, Stroke(5, 6, 10, 11, 0.6), crack);
        FillAll(tile, Stroke(10, 11, 9, 17, 0.6), crack);
        FillAll(tile, Stroke(10, 11, 16, 13, 0.5), crack);
    } else {
        FillAll(tile, Stroke(17, 5, 14, 10, 0.6), crack);
        FillAll(tile, Stroke(14, 10, 17, 15, 0.5), crack);
        FillAll(tile, Circle(7.5, 15.5, 1.6), Shade(stone, -36));
        FillAll(tile, Circle(7.0, 15.0, 0.8), Shade(stone, 30));
    }
}

void DrawMud(Canvas& tile)
{
    const Argb mud = MakeArgb(255, 112, 74, 40);
    Grain(tile, mud, 5, 0x30D0u);
    // Wet lumps: dark pools with a glossy highlight on their upper left.
    const double lumps[][3] = {{6, 6, 3.6}, {17, 8, 4.2}, {9, 17, 4.4}, {19, 19, 2.8}};
    for (const auto& l : lumps) {
        FillAll(tile, Circle(l[0], l[1], l[2]), Shade(mud, -34));
    }
    for (const auto& l : lumps) {
        const double cx = l[0], cy = l[1], r = l[2];
        FillAll(tile, [=](double x, double y) {
            return Ring(cx, cy, r - 0.7, r - 1.8)(x, y) && x < cx - 0.5 && y < cy - 0.5;
        }, MakeArgb(200, 176, 132, 88));
    }
}

void DrawWormHole(Canvas& tile, int frame)
{
    // Two spiral arms that turn a fifth of their period with each frame, so
    // the five frames loop without a jump.
    const double phase = 2.0 * kPi * frame / 5.0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = x + 0.5 - kCentre, dy = y + 0.5 - kCentre;
            const double r = std::sqrt(dx * dx + dy * dy);
            // cos(2 angle + twist) with cos and sin of twice the angle taken
            // from the offsets directly, so no arc tangent is needed.
            const double twist = r * 0.75 - phase;
            const double r2 = r > 0.0 ? r * r : 1.0;
            const double cos2 = (dx * dx - dy * dy) / r2, sin2 = 2.0 * dx * dy / r2;
            const double arm = 0.5 + 0.5 * (cos2 * SteadyCos(twist) - sin2 * SteadySin(twist));
            double glow = arm * std::max(0.0, 1.0 - r / 13.0);
            if (r < 2.5)
                glow = 0.0; // the dark throat
            const int t = static_cast<int>(glow * 256.0);
            Argb c = Mix(MakeArgb(255, 22, 8, 34), MakeArgb(255, 226, 110, 255), std::min(t, 256));
            if (r < 4.0 && r >= 2.5)
                c = Mix(c, MakeArgb(255, 255, 220, 255), 90);
            tile.Set(x, y, c);
        }
    }
}

void DrawFood(Canvas& tile)
{
    Grain(tile, MakeArgb(255, 70, 124, 52), 4, 0xF00Du);
    // An apple with stem and leaf.
    Outlined(tile, Circle(12, 14, 8.2), Circle(12, 14, 7.2), MakeArgb(255, 214, 42, 36));
    FillAll(tile, Circle(9, 11.5, 2.4), MakeArgb(170, 255, 170, 150));
    FillAll(tile, Stroke(12, 7.5, 13, 3.5, 0.8), MakeArgb(255, 96, 60, 24));
    FillAll(tile, Ellipse(16, 5, 3.2, 1.6), MakeArgb(255, 120, 210, 70));
}

void DrawFilth(Canvas& tile)
{
    Grain(tile, MakeArgb(255, 148, 146, 52), 5, 0xF117u);
    // A heap of muck in three tiers with buzzing flies.
    const Argb muck = MakeArgb(255, 78, 64, 20);
    FillAll(tile, Ellipse(12, 19, 9.5, 3.8), kOutline);
    FillAll(tile, Ellipse(12, 18.6, 8.6, 3.2), muck);
    FillAll(tile, Ellipse(12, 14.5, 6.3, 3.0), kOutline);
    FillAll(tile, Ellipse(12, 14.2, 5.5, 2.5), Shade(muck, 14));
    FillAll(tile, Ellipse(12.5, 10.8, 3.4, 2.4), kOutline);
    FillAll(tile, Ellipse(12.5, 10.6, 2.7, 1.8), Shade(muck, 26));
    FillAll(tile, Circle(10, 17.5, 1.0), MakeArgb(255, 150, 160, 40));
    const int flies[][2] = {{4, 5}, {19, 4}, {21, 11}};
    for (const auto& f : flies) {
        tile.Set(f[0], f[1], kOutline);
        tile.Set(f[0] + 1, f[1], kOutline);
        tile.Set(f[0], f[1] - 1, MakeArgb(255, 235, 235, 235));
        tile.Set(f[0] + 1, f[1] - 1, MakeArgb(255, 235, 235, 235));
    }
}

void DrawGate(Canvas& tile)
{
    // A ring portal in near-white and light grey over a translucent core:
    // tinted, it takes the pair's colour; the tile below shows at its corners.
    FillAll(tile, Circle(kCentre, kCentre, 7.0), MakeArgb(110, 255, 255, 255));
    FillAll(tile, Ring(kCentre, kCentre, 11.2, 6.6), MakeArgb(255, 150, 150, 150));
    FillAll(tile, Ring(kCentre, kCentre, 10.4, 7.4), MakeArgb(255, 246, 246, 246));
    FillAll(tile, [](double x, double y) {
        return Ring(kCentre, kCentre, 10.4, 7.4)(x, y) && y > kCentre + 2.0;
    }, MakeArgb(255, 212, 212, 212));
    const double studs[][2] = {{12, 3.2}, {20.8, 12}, {12, 20.8}, {3.2, 12}};
    for (const auto& s : studs)
        FillAll(tile, Circle(s[0], s[1], 1.4), MakeArgb(255, 190, 190, 190));
    FillAll(tile, Circle(kCentre, kCentre, 2.2), MakeArgb(230, 255, 255, 255));
}

void DrawOneWay(Canvas& tile, Heading heading)
{
    Grain(tile, MakeArgb(255, 44, 94, 176), 3, 0x0E1Au);
    for (int i = 0; i < kSize; ++i) {
        tile.Set(i, 0, MakeArgb(255, 88, 136, 210));
        tile.Set(0, i, MakeArgb(255, 88, 136, 210));
        tile.Set(i, kSize - 1, MakeArgb(255, 24, 56, 116));
        tile.Set(kSize - 1, i, MakeArgb(255, 24, 56, 116));
    }
    // The arrow pointing up; other headings turn the sample point about the
    // centre by quarter turns, which is exact.
    const Shape up = Polygon({{12, 3}, {21, 12}, {15.5, 12}, {15.5, 21}, {8.5, 21}, {8.5, 12}, {3, 12}});
    const Shape upOutline = Polygon({{12, 1.4}, {22.8, 12.8}, {16.5, 12.8}, {16.5, 22}, {7.5, 22}, {7.5, 12.8},
                                     {1.2, 12.8}});
    auto turned = [heading](const Shape& s) -> Shape {
        return [s, heading](double x, double y) {
            switch (heading) {
            case Heading::Up: return s(x, y);
            case Heading::Right: return s(y, kSize - x);
            case Heading::Down: return s(kSize - x, kSize - y);
            case Heading::Left: return s(kSize - y, x);
            }
            return false;
        };
    };
    FillAll(tile, turned(upOutline), MakeArgb(255, 12, 28, 64));
    FillAll(tile, turned(up), MakeArgb(255, 246, 246, 240));
}

void DrawMine(Canvas& tile)
{
    Grain(tile, MakeArgb(255, 46, 118, 112), 4, 0x313Eu);
    // A spiked sea mine with a red light.
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4.0;
        const double cx = kCentre + 9.4 * SteadyCos(a), cy = kCentre + 9.4 * SteadySin(a);
        FillAll(tile, Stroke(kCentre, kCentre, cx, cy, 1.5), kOutline);
        FillAll(tile, Circle(cx, cy, 1.9), kOutline);
        FillAll(tile, Circle(cx, cy, 1.2), MakeArgb(255, 200, 206, 214));
    }
    Outlined(tile, Circle(kCentre, kCentre, 7.4), Circle(kCentre, kCentre, 6.5), MakeArgb(255, 44, 44, 50));
    FillAll(tile, Circle(9.8, 9.8, 2.4), MakeArgb(160, 190, 196, 210));
    FillAll(tile, Circle(kCentre + 1.5, kCentre + 1.5, 2.0), MakeArgb(255, 255, 44, 36));
}

void DrawTrap(Canvas& tile)
{
    // Hazard stripes round a dark pit set with steel spikes.
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            tile.Set(x, y, ((x + y) / 4) % 2 == 0 ? MakeArgb(255, 236, 190, 30) : MakeArgb(255, 34, 30, 26));
    tile.FillRect(4, 4, 16, 16, kOutline);
    tile.FillRect(5, 5, 14, 14, MakeArgb(255, 58, 40, 28));
    const double spikes[][2] = {{8, 8}, {16, 8}, {8, 16}, {16, 16}, {12, 12}};
    for (const auto& s : spikes) {
        FillAll(tile, Polygon({{s[0], s[1] - 3.4}, {s[0] + 2.4, s[1] + 2.0}, {s[0] - 2.4, s[1] + 2.0}}),
                MakeArgb(255, 196, 204, 214));
        FillAll(tile, Polygon({{s[0], s[1] - 3.4}, {s[0] + 2.4, s[1] + 2.0}, {s[0], s[1] + 2.0}}),
                MakeArgb(255, 120, 128, 140));
    }
}

} // namespace artgen

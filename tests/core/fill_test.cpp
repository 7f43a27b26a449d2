#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "fill.h"
#include "literalfill.h"
#include "mapdocument.h"

namespace {

constexpr int kKey = kKindEmpty;
constexpr int kWall = kKindStone;

using ShapeMaker = std::function<void(MapDocument&)>;

struct Shape {
    const char* name;
    int width;
    int height;
    ShapeMaker make;  // lays walls over a map of kKey
    int seedX;
    int seedY;
};

void Wall(MapDocument& doc, int x, int y) { doc.lowerShells[y][x] = {kWall, 7}; }

void Checkerboard(MapDocument& doc) {
    for (int y = 0; y < doc.height; ++y)
        for (int x = 0; x < doc.width; ++x)
            if ((x + y) % 2 == 1) Wall(doc, x, y);
}

// A one-cell corridor winding inward from the top-left corner.
void Spiral(MapDocument& doc) {
    std::vector<char> open(doc.width * doc.height, 0);
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < doc.width && y < doc.height; };
    auto isOpen = [&](int x, int y) { return inside(x, y) && open[y * doc.width + x]; };
    const int dx[4] = {1, 0, -1, 0};
    const int dy[4] = {0, 1, 0, -1};
    int x = 0, y = 0, dir = 0, turns = 0;
    open[0] = 1;
    while (turns < 2) {
        const int nx = x + dx[dir], ny = y + dy[dir];
        const int fx = nx + dx[dir], fy = ny + dy[dir];
        if (inside(nx, ny) && !isOpen(nx, ny) && !isOpen(fx, fy)) {
            x = nx;
            y = ny;
            open[y * doc.width + x] = 1;
            turns = 0;
        } else {
            dir = (dir + 1) % 4;
            ++turns;
        }
    }
    for (int cy = 0; cy < doc.height; ++cy)
        for (int cx = 0; cx < doc.width; ++cx)
            if (!open[cy * doc.width + cx]) Wall(doc, cx, cy);
}

// An open top row with teeth hanging from every other column.
void Comb(MapDocument& doc) {
    for (int y = 1; y < doc.height; ++y)
        for (int x = 1; x < doc.width; x += 2) Wall(doc, x, y);
}

void LoneCell(MapDocument& doc) {
    for (int y = 0; y < doc.height; ++y)
        for (int x = 0; x < doc.width; ++x)
            if (x != 4 || y != 3) Wall(doc, x, y);
}

// Walls on a third of the cells, the same every run.
void Scatter(MapDocument& doc) {
    unsigned state = 12345;
    for (int y = 0; y < doc.height; ++y)
        for (int x = 0; x < doc.width; ++x) {
            state = state * 1103515245u + 12345u;
            if ((state >> 16) % 3 == 0) Wall(doc, x, y);
        }
    doc.lowerShells[0][0] = {kKey, 2};
}

void Open(MapDocument&) {}

// Column 0 split from the rest: a fill there must not leak into other rows.
void LeftColumn(MapDocument& doc) {
    for (int y = 0; y < doc.height; ++y) Wall(doc, 1, y);
}

std::unique_ptr<MapDocument> MakeMap(const Shape& shape) {
    auto doc = std::make_unique<MapDocument>();
    doc->isOpen = true;
    doc->width = shape.width;
    doc->height = shape.height;
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x) doc->lowerShells[y][x] = {kKey, 2};
    shape.make(*doc);
    return doc;
}

// The cells 4-connected to the seed through kKey, by a plain search.
std::vector<char> Component(const MapDocument& doc, int sx, int sy) {
    std::vector<char> seen(kGridSize * kGridSize, 0);
    std::vector<std::pair<int, int>> stack{{sx, sy}};
    seen[sy * kGridSize + sx] = 1;
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        const int nx[4] = {x + 1, x - 1, x, x};
        const int ny[4] = {y, y, y + 1, y - 1};
        for (int i = 0; i < 4; ++i) {
            if (!doc.InsideMap(nx[i], ny[i]) || seen[ny[i] * kGridSize + nx[i]]) continue;
            if (doc.lowerShells[ny[i]][nx[i]].kind != kKey) continue;
            seen[ny[i] * kGridSize + nx[i]] = 1;
            stack.push_back({nx[i], ny[i]});
        }
    }
    return seen;
}

void SeedAndFill(MapDocument& doc, FillWorkList& list, int kind, int x, int y, bool literalWalk) {
    doc.lowerShells[y][x] = {kind, TileForKind(kind)};
    list.Seed(x, y);
    if (literalWalk) {
        literal::FloodFill(doc, list, kind, kKey);
    } else {
        FloodFill(doc, list, kind, kKey);
    }
}

const Shape kShapes[] = {
    {"open 100x100 from the middle", 100, 100, Open, 50, 50},
    {"open 100x100 from a corner", 100, 100, Open, 99, 99},
    {"open wide strip", 100, 10, Open, 3, 7},
    {"checkerboard", 20, 20, Checkerboard, 6, 8},
    {"spiral", 31, 31, Spiral, 0, 0},
    {"comb from a tooth's tip", 40, 40, Comb, 0, 39},
    {"single cell", 10, 10, LoneCell, 4, 3},
    {"left column", 12, 12, LeftColumn, 0, 6},
    {"scatter", 100, 100, Scatter, 0, 0},
};

}  // namespace

TEST(FloodFill, MatchesTheStepByStepWalkCellForCellAndEntryForEntry) {
    for (const Shape& shape : kShapes) {
        for (int kind : {kKindHanji, kKindMud}) {
            SCOPED_TRACE(shape.name);
            SCOPED_TRACE(kind);
            auto fast = MakeMap(shape);
            auto slow = MakeMap(shape);
            auto fastList = std::make_unique<FillWorkList>();
            auto slowList = std::make_unique<FillWorkList>();

            std::srand(77);
            SeedAndFill(*fast, *fastList, kind, shape.seedX, shape.seedY, false);
            const int fastRand = std::rand();
            std::srand(77);
            SeedAndFill(*slow, *slowList, kind, shape.seedX, shape.seedY, true);
            EXPECT_EQ(fastRand, std::rand()) << "the walks drew a different number of variants";

            ASSERT_EQ(fastList->count, slowList->count);
            for (int i = 0; i < fastList->count; ++i) {
                const FillEntry& a = fastList->entries[i];
                const FillEntry& b = slowList->entries[i];
                ASSERT_TRUE(a.x == b.x && a.y == b.y && a.upDone == b.upDone && a.downDone == b.downDone &&
                            a.leftDone == b.leftDone && a.rightDone == b.rightDone)
                    << "entry " << i;
            }
            for (int y = 0; y < kGridSize; ++y)
                for (int x = 0; x < kGridSize; ++x) {
                    ASSERT_EQ(fast->lowerShells[y][x].kind, slow->lowerShells[y][x].kind) << x << "," << y;
                    ASSERT_EQ(fast->lowerShells[y][x].tile, slow->lowerShells[y][x].tile) << x << "," << y;
                }
        }
    }
}

TEST(FloodFill, PaintsExactlyTheFourConnectedArea) {
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        auto doc = MakeMap(shape);
        const std::vector<char> area = Component(*doc, shape.seedX, shape.seedY);
        auto list = std::make_unique<FillWorkList>();
        SeedAndFill(*doc, *list, kKindMud, shape.seedX, shape.seedY, false);
        int painted = 0;
        for (int y = 0; y < kGridSize; ++y)
            for (int x = 0; x < kGridSize; ++x) {
                const bool inArea = area[y * kGridSize + x];
                painted += inArea;
                ASSERT_EQ(doc->lowerShells[y][x].kind == kKindMud, inArea) << x << "," << y;
            }
        EXPECT_EQ(list->count, painted) << "one entry per painted cell";
    }
}

TEST(FillWorkList, ClearLeavesEveryEntryEmpty) {
    auto list = std::make_unique<FillWorkList>();
    list->Seed(3, 4);
    list->entries[1] = {5, 6, true, true, false, true};
    list->count = 2;
    list->Clear();
    EXPECT_EQ(list->count, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->entries[i].x, -1);
        EXPECT_FALSE(list->entries[i].upDone || list->entries[i].downDone || list->entries[i].rightDone);
    }
}

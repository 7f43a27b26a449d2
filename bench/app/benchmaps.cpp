#include "benchmaps.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "editorscene.h"
#include "newmap.h"

namespace {

constexpr int kSide = 100;
constexpr unsigned kPaintSeed = 20261211;
// The view's top-left cell: the map's middle.
constexpr int kViewLeft = 34;
constexpr int kViewTop = 37;
const char* const kObjectImages[] = {"house.dds", "pond.dds", "rock.dds", "tree.dds"};

// Clicks on cells through the scene's own tools.
class Clicks {
public:
    explicit Clicks(EditorScene& scene) : scene(scene), tools(scene.Tools()) {}

    void At(int mode, int kind, int x, int y) {
        tools.drawMode = mode;
        tools.lowerKind = kind;
        tools.lastPaintedCell = kNoCell;
        const int px = x * kCellPixels + kCellPixels / 2;
        const int py = y * kCellPixels + kCellPixels / 2;
        scene.ApplyTool(px, py, scene.KindAt(px, py));
    }

    void Cells(int kind, int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) At(kModeOneCell, kind, x, y);
    }

    void GatePair(int x0, int y0, int x1, int y1) {
        At(kModeOneCell, kKindGate, x0, y0);
        At(kModeOneCell, kKindGate, x1, y1);
    }

    void Object(int slot, const char* image, int x, int y) {
        tools.selectedMatter = slot;
        scene.Objects().ArmObject(image);
        At(kModePlaceObject, kKindNone, x, y);
    }

    // Leaves the palettes as a person who just finished would: nothing chosen.
    void Done() {
        tools.drawMode = kModePoint;
        tools.lowerKind = kKindNone;
        tools.selectedMatter = -1;
        tools.objectArmed = false;
    }

private:
    EditorScene& scene;
    ToolState& tools;
};

unsigned Scatter(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

void StartMap(EditorScene& scene) {
    std::srand(kPaintSeed);
    CreateNewMap(scene, kSide, kSide);
}

void ScrollToMiddle(EditorScene& scene) {
    scene.SetViewOffset(-static_cast<float>(kViewLeft * kCellPixels), -static_cast<float>(kViewTop * kCellPixels));
}

}  // namespace

void PaintTypicalMap(EditorScene& scene) {
    StartMap(scene);
    Clicks click(scene);
    // Hanji sheets of 6 × 4 cells on a 10-cell grid, so borders show everywhere.
    for (int y = 2; y + 4 < kSide; y += 10)
        for (int x = 3; x + 6 < kSide; x += 10) click.Cells(kKindHanji, x, y, x + 5, y + 3);
    // A quarter of the remaining cells scattered over the other kinds.
    constexpr int kScattered[] = {kKindStone, kKindMud,     kKindWormHole, kKindFood,
                                  kKindFilth, kKindOneWay,  kKindMine,     kKindTrap};
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const unsigned pick = Scatter(x, y);
            if (pick % 4 != 0 || scene.Document().lowerShells[y][x].kind == kKindHanji) continue;
            click.At(kModeOneCell, kScattered[(pick / 4) % std::size(kScattered)], x, y);
        }
    }
    for (int pair = 0; pair < 12; ++pair) {
        click.GatePair(1 + pair * 8, 9 + pair * 7 % 80, 95 - pair * 7, 30 + pair * 5);
    }
    click.Done();
    ScrollToMiddle(scene);
}

void PaintWorstMap(EditorScene& scene) {
    StartMap(scene);
    Clicks click(scene);
    click.At(kModeCover, kKindHanji, 0, 0);
    // Holes at even columns of even rows: every hanji cell around a hole gets
    // its edge and corners, and the cells between get four corners.
    for (int y = 0; y < kSide; y += 2)
        for (int x = 0; x < kSide; x += 2) click.At(kModeOneCell, kKindEmpty, x, y);
    for (int slot = 0; slot < kMatterSlots; ++slot) {
        // Each block of 10 × 10 pieces lies wholly inside the 32 × 25 view.
        const int x = kViewLeft + kObjectCentre + (slot * 7) % 23;
        const int y = kViewTop + kObjectCentre + (slot * 5) % 16;
        click.Object(slot, kObjectImages[slot % std::size(kObjectImages)], x, y);
    }
    click.Done();
    ScrollToMiddle(scene);
}

int SpritesInView(const EditorScene& scene) {
    const MapDocument& doc = scene.Document();
    const ViewOffset offset = scene.GetViewOffset();
    const int left = std::max(0, static_cast<int>(-offset.x) / kCellPixels - 1);
    const int top = std::max(0, static_cast<int>(-offset.y) / kCellPixels - 1);
    const int right = std::min(kGridSize, left + kViewColumns + 2);
    const int bottom = std::min(kGridSize, top + kViewRows + 2);
    int sprites = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const int kind = doc.lowerShells[y][x].kind;
            if (kind != kKindNone) sprites += kind == kKindGate && doc.gates[y][x].present ? 2 : 1;
            const SizzleShell& edges = doc.sizzleShells[y][x];
            if (!edges.present) continue;
            sprites += (edges.upperRight != -1) + (edges.upperLeft != -1) + (edges.lowerRight != -1) +
                       (edges.lowerLeft != -1) + (edges.edge != 0);
        }
    }
    for (const Matter& matter : doc.matters) sprites += matter.used ? matter.count : 0;
    return sprites + 2;   // the start and end markers
}
